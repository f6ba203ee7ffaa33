// Runs the built wavehost as scripts and users do, and checks what it prints.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

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
    EXPECT_EQ(RunHost("").ExitCode, 2);
    EXPECT_EQ(RunHost("--module /nonexistent/wave.so -e status").ExitCode, 1);
}
