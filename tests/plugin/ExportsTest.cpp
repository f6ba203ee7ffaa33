// Loads wave.so as the host does and calls its exports.
#include "plugin/RT_ClientServerInterface.h"
#include "tests/testhost/TestHost.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {
struct TModuleLibrary {
    TModuleLibrary() { Handle = dlopen(WAVE_MODULE_PATH, RTLD_NOW | RTLD_LOCAL); }
    ~TModuleLibrary() {
        if (Handle)
            dlclose(Handle);
    }
    template <class F> F Find(const char* name) { return reinterpret_cast<F>(dlsym(Handle, name)); }
    void* Handle;
};
using TGetInterfaceFunc = HResult (*)(IUnknown** out);
} // namespace

TEST(Exports, FactoryAndPreferenceEntries) {
    TModuleLibrary library;
    ASSERT_NE(library.Handle, nullptr) << dlerror();
    auto getPreferences = library.Find<TGetInterfaceFunc>("GetWavePreferences");
    auto getPrinterOptions = library.Find<TGetInterfaceFunc>("GetWavePrinterOptions");
    auto factory = library.Find<TServerFactoryFunc>("ServerFactory");
    ASSERT_TRUE(getPreferences && getPrinterOptions && factory);

    // Before the module exists.
    IUnknown* out = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(getPreferences(&out), S_OK);
    EXPECT_EQ(out, nullptr);
    out = reinterpret_cast<IUnknown*>(1);
    EXPECT_LT(getPrinterOptions(&out), 0);
    EXPECT_EQ(out, nullptr);

    TTestHost host;
    IServerModule* module = reinterpret_cast<IServerModule*>(1);
    ASSERT_EQ(factory(&host, &module), S_OK);
    ASSERT_NE(module, nullptr);
    TComString name;
    EXPECT_EQ(module->GetModuleName(&name), S_OK);
    EXPECT_EQ(name.Str(), "Wave");
    EXPECT_EQ(module->Release(), 0);
}
