#include "host/ProcessCatalog.h"
#include "plugin/Main_Wave.h"
#include "tests/testhost/TestHost.h"

#include <QKeySequence>
#include <gtest/gtest.h>

#include <set>
#include <string>

// The desktop host offers every process of the module, and only those.
TEST(ProcessCatalog, CoversTheModulesProcesses) {
    TTestHost host;
    TComPtr<IServerModule> module;
    ASSERT_EQ(CreateWaveServerModule(&host, module.Out()), S_OK);
    TComPtr<ICommandLauncher> launcher;
    ASSERT_EQ(module->GetCommandLauncher(launcher.Out()), S_OK);
    auto& table = static_cast<TCommandLauncher&>(*launcher.Get());

    std::set<std::string> offered;
    std::set<std::string> shortcuts;
    for (const auto& e : ProcessCatalog()) {
        if (e.Caption == nullptr)
            continue;
        const std::string name = e.Process;
        ASSERT_EQ(name.rfind("Wave:", 0), 0u) << name;
        EXPECT_NE(table.FindHandler(name.substr(5)), nullptr) << name;
        offered.insert(name);
        if (*e.Shortcut) {
            EXPECT_FALSE(QKeySequence(e.Shortcut).isEmpty()) << e.Shortcut;
            EXPECT_TRUE(shortcuts.insert(e.Shortcut).second)
                << "shortcut used twice: " << e.Shortcut;
        }
        if (e.Checkable) {
            int32_t enabled, checked, visible;
            uint8_t f1, f2;
            char parameters[] = "";
            ASSERT_EQ(launcher->GetCommandState(name.substr(5).c_str(), parameters, nullptr,
                                                &enabled, &checked, &visible, &f1, &f2),
                      S_OK);
            EXPECT_EQ(enabled, 0) << name << " has a state handler"; // no document: disabled
        }
    }
    EXPECT_EQ(offered.size(), table.Count());
}
