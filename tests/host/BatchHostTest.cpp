// Runs the built wavehost as scripts and users do, and checks what it prints.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {
struct TRunResult {
    std::string Out;
    int ExitCode;
};

TRunResult RunHost(const std::string& arguments) {
    const std::string command = std::string(WAVEHOST_PATH) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    TRunResult result{"", -1};
    if (pipe == nullptr)
        return result;
    std::array<char, 512> chunk;
    size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        result.Out.append(chunk.data(), n);
    const int status = pclose(pipe);
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::vector<std::string> Lines(std::istream& in) {
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Lines(const std::string& text) {
    std::istringstream in(text);
    return Lines(in);
}

// The lines of one INI section, without its header.
std::vector<std::string> SectionLines(const std::string& path, const std::string& section) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    bool inside = false;
    for (const auto& line : Lines(in)) {
        if (!line.empty() && line[0] == '[')
            inside = line == "[" + section + "]";
        else if (inside && !line.empty())
            lines.push_back(line);
    }
    return lines;
}

std::string KeyOf(const std::string& line) {
    return line.substr(0, line.find('='));
}

std::string FreshOptionsFile(const std::string& name) {
    const std::string path = testing::TempDir() + "/" + name;
    std::filesystem::remove(path);
    return path;
}
} // namespace

TEST(BatchHost, StateQueriesWithoutADocument) {
    auto r = RunHost("-e 'state Wave:Highlight' -e 'state Wave:NoSuchProcess' "
                     "-e 'state wave:ReverseBusOrder'");
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_EQ(r.Out, "enabled=0 checked=0 visible=1\n"
                     "enabled=1 checked=0 visible=1\n"
                     "enabled=0 checked=0 visible=1\n");
}

TEST(BatchHost, RunPrintsTheParameterTextAfterTheProcess) {
    auto r = RunHost("-e 'run Wave:Zoom Action=ZoomIn' -e 'run Wave:NoSuchProcess A = 1|B' "
                     "-e 'run Wave:Select' -e status");
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_EQ(r.Out, "ok Action=ZoomIn\n"
                     "ok A = 1|B\n"
                     "ok\n"
                     "status: ||\n");
}

TEST(BatchHost, ScriptSkipsCommentsAndReportsBadLines) {
    const std::string script = testing::TempDir() + "/wavehost_script.txt";
    std::ofstream(script) << "# a comment\r\n\r\n  state Wave:Highlight\r\nfly away\r\nstatus\n";
    auto r = RunHost("--batch " + script);
    EXPECT_EQ(r.ExitCode, 1); // the bad line
    EXPECT_EQ(r.Out, "enabled=0 checked=0 visible=1\nstatus: ||\n");

    EXPECT_EQ(RunHost("--batch /nonexistent/script").ExitCode, 1);
    EXPECT_EQ(RunHost("--bogus").ExitCode, 2);
    EXPECT_EQ(RunHost("-e status stray-file").ExitCode, 2); // files belong to the window
    EXPECT_EQ(RunHost("--module /nonexistent/wave.so -e status").ExitCode, 1);
}

TEST(BatchHost, PrefsPrintsTheDefaultsOfAFreshOptionsFile) {
    const std::string ini = FreshOptionsFile("prefs_fresh.ini");
    auto r = RunHost("--options " + ini + " -e prefs");
    EXPECT_EQ(r.ExitCode, 0);
    const auto lines = Lines(r.Out);
    ASSERT_EQ(lines.size(), 11u + 14u * 3u + 9u);
    const std::vector<std::string> head(lines.begin(), lines.begin() + 14);
    EXPECT_EQ(head,
              (std::vector<std::string>{
                  "SignalFont=8 0 0 0 0 0 Microsoft Sans Serif", "SignalHeight=14",
                  "ValueColumn=true", "BackGroundColor=16777215", "SimBackgroundColor=16317695",
                  "DrawHGridLines=false", "DrawVGridLines=true", "GraphicalEdit=false",
                  "DrawStripes=false", "SlopedWaveForms=false", "ExpandBusSignals=false",
                  "StyleName0=Default", "StyleColour0=11029258", "StyleGroupColour0=11029258"}));
    EXPECT_EQ(lines[11 + 13 * 3], "StyleName13=Dark Green");
    const std::vector<std::string> tail(lines.end() - 9, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"UseColor=false", "LeftMargin=1", "BottomMargin=1",
                                              "RightMargin=0.7", "TopMargin=0.7",
                                              "Header=.Filename .Time .Date", "Footer=Page .Page",
                                              "Range=0", "Copies=1"}));
    // Reading never writes the file.
    EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST(BatchHost, PrefsSaveWritesEveryKeyInTheOrderOfTheSave) {
    const std::string ini = FreshOptionsFile("prefs_save.ini");
    auto r = RunHost("--options " + ini + " -e prefs-save -e prefs");
    EXPECT_EQ(r.ExitCode, 0);
    auto printed = Lines(r.Out);
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.front(), "ok");
    printed.erase(printed.begin());
    // The file holds exactly what prefs prints, line for line and in the same order.
    const auto stored = SectionLines(ini, "Wave Preferences");
    EXPECT_EQ(stored, printed);
    std::vector<std::string> keys;
    for (const auto& line : stored)
        keys.push_back(KeyOf(line));
    std::vector<std::string> expected = {"SignalFont",      "SignalHeight",       "ValueColumn",
                                         "BackGroundColor", "SimBackgroundColor", "DrawHGridLines",
                                         "DrawVGridLines",  "GraphicalEdit",      "DrawStripes",
                                         "SlopedWaveForms", "ExpandBusSignals"};
    for (int i = 0; i < 14; ++i)
        for (const char* key : {"StyleName", "StyleColour", "StyleGroupColour"})
            expected.push_back(key + std::to_string(i));
    for (const char* key : {"UseColor", "LeftMargin", "BottomMargin", "RightMargin", "TopMargin",
                            "Header", "Footer", "Range", "Copies"})
        expected.push_back(key);
    EXPECT_EQ(keys, expected);
}

TEST(BatchHost, PrefsShowWhatTheOptionsFileHolds) {
    const std::string ini = FreshOptionsFile("prefs_edited.ini");
    std::ofstream(ini) << "[Other]\nKeep=1\n\n[Wave Preferences]\nSignalHeight=300\n"
                          "DrawStripes=true\nStyleName0=Bus\nStyleColour0=255\n"
                          "StyleName2=Unreached\nHeader=\" .Page \"\nRange=9\n";
    auto r = RunHost("--options " + ini + " -e prefs -e prefs-load -e prefs-save");
    EXPECT_EQ(r.ExitCode, 0);
    const auto lines = Lines(r.Out);
    ASSERT_EQ(lines.size(), 11u + 3u + 9u + 2u);
    EXPECT_EQ(lines[1], "SignalHeight=44");
    EXPECT_EQ(lines[8], "DrawStripes=true");
    EXPECT_EQ(lines[11], "StyleName0=Bus");
    EXPECT_EQ(lines[12], "StyleColour0=255");
    EXPECT_EQ(lines[13], "StyleGroupColour0=0");
    EXPECT_EQ(lines[19], "Header= .Page ");
    EXPECT_EQ(lines[21], "Range=0");
    EXPECT_EQ(lines[23], "ok");
    EXPECT_EQ(lines[24], "ok");
    // Other sections stay; the saved section keeps the keys it had where they were.
    EXPECT_EQ(SectionLines(ini, "Other"), std::vector<std::string>{"Keep=1"});
    const auto stored = SectionLines(ini, "Wave Preferences");
    ASSERT_GE(stored.size(), 5u);
    EXPECT_EQ(stored[0], "SignalHeight=44");
    EXPECT_EQ(stored[4], "StyleName2=Unreached");
}

TEST(BatchHost, DocumentsAreMadeBuiltRenderedAndClosed) {
    const std::string dir = testing::TempDir();
    const std::string first = dir + "/batch_doc_a.wav", second = dir + "/batch_doc_b.wav";
    const std::string png = dir + "/batch_doc.png";
    std::remove(first.c_str());
    std::remove(second.c_str());
    std::remove(png.c_str());
    auto r = RunHost("-e 'new " + first + "' -e 'build-signal clk std_logic' " +
                     "-e 'build-signal ghost no_such_type' -e 'build-group bus Default' " +
                     "-e 'build-member bus b0 Clock' -e 'build-member nobus b1 Clock' " +
                     "-e 'run Wave:CrossProbeChoose' " + "-e 'render " + png +
                     " 640x300' -e 'new " + second + "' -e documents " +
                     "-e 'select 1' -e documents -e close -e documents -e 'select 5'");
    EXPECT_EQ(r.ExitCode, 1); // select 5
    EXPECT_EQ(r.Out, "document 1 " + first + "\nok\nnone\nok\nok\nnone\n" +
                         "ok Kind=TEXT|Id=b0\n" // the new member's row is focused
                         "ok " +
                         png + "\ndocument 2 " + second + "\n1 " + first + "\n2 " + second +
                         " *\nok\n1 " + first + " *\n2 " + second + "\nok\n1 " + second + " *\n");
    std::ifstream image(png, std::ios::binary);
    char signature[8] = {};
    image.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}
