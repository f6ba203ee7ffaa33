// The host's options file and its common dialogs, and the module's preferences going through
// them in-process.
#include "host/HostOptions.h"
#include "host/HostClient.h"
#include "host/IniFile.h"
#include "platform/com/Exception.h"
#include "plugin/Main_Wave.h"
#include "preferences/RT_Wave.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
std::string FreshPath(const std::string& name) {
    const std::string path = testing::TempDir() + "/" + name;
    std::filesystem::remove(path);
    return path;
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

TEST(IniFile, KeepsOrderCaseAndAwkwardValues) {
    const std::string path = FreshPath("order.ini");
    {
        TIniFile file(path);
        file.Set("Wave Preferences", "Zeta", "1");
        file.Set("Wave Preferences", "Alpha", "  padded  ");
        file.Set("Other", "Key", "line1\nline2\\end");
        file.Set("wave preferences", "ZETA", "2"); // same key: replaced where it stands
        file.Set("Wave Preferences", "Quote", "\"quoted\"");
        file.Save();
    }
    EXPECT_EQ(FileText(path), "[Wave Preferences]\nZeta=2\nAlpha=\"  padded  \"\n"
                              "Quote=\"\"quoted\"\"\n\n[Other]\nKey=line1\\nline2\\\\end\n");
    TIniFile file(path);
    file.Reload();
    EXPECT_EQ(*file.Find("WAVE PREFERENCES", "zeta"), "2");
    EXPECT_EQ(*file.Find("Wave Preferences", "Alpha"), "  padded  ");
    EXPECT_EQ(*file.Find("Wave Preferences", "Quote"), "\"quoted\"");
    EXPECT_EQ(*file.Find("Other", "Key"), "line1\nline2\\end");
    EXPECT_EQ(file.Find("Other", "Missing"), nullptr);
    EXPECT_EQ(file.Find("Missing", "Key"), nullptr);
}

TEST(IniFile, ReadsHandWrittenFilesAndReportsUnreadableOnes) {
    const std::string path = FreshPath("hand.ini");
    std::ofstream(path) << "; comment\r\nloose = 1\r\n[ S ]\r\n  Key =  value  \r\nno equals\r\n"
                           "=nameless\r\n";
    TIniFile file(path);
    file.Reload();
    EXPECT_EQ(*file.Find("", "loose"), "1");
    EXPECT_EQ(*file.Find(" S ", "Key"), "value");

    TIniFile missing(FreshPath("missing.ini"));
    EXPECT_NO_THROW(missing.Reload());
    EXPECT_EQ(missing.Find("S", "Key"), nullptr);

    TIniFile folder(testing::TempDir());
    EXPECT_THROW(folder.Reload(), Exception);
    EXPECT_THROW(folder.Save(), Exception);
}

TEST(HostOptionsStore, TypedValuesFallBackToTheDefaultOnBadText) {
    const std::string path = FreshPath("typed.ini");
    std::ofstream(path)
        << "[S]\nNumber= 42 \nBad=4x\nHuge=99999999999\nYes=TRUE\nNo=0\nOdd=maybe\n";
    TIniFile file(path);
    file.Reload();
    TComPtr<IOptionsReader> reader(new THostOptionsStore(file));
    reader->AddRef();
    int32_t value = 0;
    const std::pair<const char*, int32_t> integers[] = {
        {"Number", 42}, {"Bad", -1}, {"Huge", -1}, {"Missing", -1}};
    for (auto [key, expected] : integers) {
        EXPECT_EQ(reader->ReadInteger("S", key, -1, &value), S_OK);
        EXPECT_EQ(value, expected) << key;
    }
    const std::tuple<const char*, int32_t, int32_t> booleans[] = {
        {"Yes", 0, 1}, {"No", 1, 0}, {"Odd", 1, 1}, {"Odd", 0, 0}};
    for (auto [key, fallback, expected] : booleans) {
        EXPECT_EQ(reader->ReadBoolean("S", key, fallback, &value), S_OK);
        EXPECT_EQ(value, expected) << key;
    }
}

TEST(HostCommonDialog, HeadlessColourDialogAnswersFromThePresets) {
    THostClient host(false, {"255", "Cancel", "OK", "not a colour"}, FreshPath("dialog.ini"));
    auto run = [&](const char* process) {
        char buffer[1024];
        std::strcpy(buffer, "Dialog = Color | Color = 5");
        EXPECT_EQ(host.RunProcess(process, buffer, sizeof buffer, nullptr), S_OK);
        return std::string(buffer);
    };
    EXPECT_EQ(run("Client:RunCommonDialog"), "Dialog=Color|Color=255|Result=True");
    EXPECT_EQ(run("client:runcommondialog"), "Dialog=Color|Color=5|Result=False");
    EXPECT_EQ(run("Client:RunCommonDialog"), "Dialog=Color|Color=5|Result=True");
    EXPECT_EQ(run("Client:RunCommonDialog"), "Dialog=Color|Color=5|Result=False");
    EXPECT_EQ(run("Client:RunCommonDialog"), "Dialog=Color|Color=5|Result=False"); // none left
}

TEST(HostPreferences, ModulePreferencesRoundTripThroughTheIniFile) {
    const std::string path = FreshPath("module.ini");
    THostClient host(false, {}, path);
    TComPtr<IServerModule> module;
    ASSERT_EQ(CreateWaveServerModule(&host, module.Out()), S_OK);
    TComPtr<IModuleOptions> options(QueryInterfaceOf<IModuleOptions>(module.Get()));
    TComPtr<IWavePreferences> preferences;
    ASSERT_EQ(GetWavePreferencesOfModule(preferences.Out()), S_OK);
    ASSERT_TRUE(options && preferences);

    ASSERT_EQ(preferences->SetSignalFont("10 0 1 0 0 255 Courier New"), S_OK);
    ASSERT_EQ(preferences->SetSimBackgroundColor(0xFFFFFF), S_OK);
    ASSERT_EQ(options->SavePreferences(), S_OK);

    TIniFile file(path);
    file.Reload();
    EXPECT_EQ(*file.Find("Wave Preferences", "SignalFont"), "10 0 1 0 0 255 Courier New");
    file.Set("Wave Preferences", "SignalHeight", "33");
    file.Set("Wave Preferences", "StyleName0", "Renamed");
    file.Save();

    ASSERT_EQ(preferences->SetSignalFont("1 0 0 0 0 0 Lost"), S_OK);
    ASSERT_EQ(options->LoadPreferences(), S_OK);
    TComString font, style;
    uint8_t height = 0;
    uint32_t color = 0;
    EXPECT_EQ(preferences->GetSignalFont(&font), S_OK);
    EXPECT_EQ(font.Str(), "10 0 1 0 0 255 Courier New");
    EXPECT_EQ(preferences->GetSignalHeight(&height), S_OK);
    EXPECT_EQ(height, 33);
    EXPECT_EQ(preferences->GetSimBackgroundColor(&color), S_OK);
    EXPECT_EQ(color, 0xFFFFFFu);
    EXPECT_EQ(preferences->GetStyleName(0, &style), S_OK);
    EXPECT_EQ(style.Str(), "Renamed");
}

TEST(HostPreferences, AFileThatCannotBeWrittenFailsTheSave) {
    const std::string notAFolder = FreshPath("plain-file");
    std::ofstream(notAFolder) << "x";
    THostClient host(false, {}, notAFolder + "/wave.ini");
    TComPtr<IServerModule> module;
    ASSERT_EQ(CreateWaveServerModule(&host, module.Out()), S_OK);
    TComPtr<IModuleOptions> options(QueryInterfaceOf<IModuleOptions>(module.Get()));
    EXPECT_LT(options->SavePreferences(), 0);
    EXPECT_EQ(options->LoadPreferences(), S_OK);
}
