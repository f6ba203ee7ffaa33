// A module on the recording test host with one new, empty waveform document for a file name
// that does not exist yet.
#pragma once

#include "model/signals/WaveSignal.h"
#include "plugin/Document.h"
#include "plugin/Main_Wave.h"
#include "plugin/Editor1.h"
#include "plugin/Panel.h"
#include "tests/controls/TestApplication.h"
#include "tests/testhost/TestHost.h"
#include "view/WaveEditor.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>
#include <string>

class TDocumentFixture : public ::testing::Test {
protected:
    void SetUp() override {
        TestApplication();
        Folder = std::filesystem::temp_directory_path() /
                 ("wave-doc-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(Folder);
        FileName = (Folder / "new.wvf").string();
        ASSERT_EQ(CreateWaveServerModule(&Host, Module.Out()), S_OK);
        ASSERT_EQ(Module->CreateDocument("WAVE", FileName.c_str(), Document.Out()), S_OK);
        int32_t loaded = 0;
        ASSERT_EQ(Document->Load(&loaded), S_OK);
        ASSERT_EQ(loaded, 1);
        Builder =
            TComPtr<IWaveDocumentBuilder>(QueryInterfaceOf<IWaveDocumentBuilder>(Document.Get()));
        Wave = dynamic_cast<TWaveDocument*>(Document.Get());
        ASSERT_NE(Wave, nullptr);
    }

    void TearDown() override {
        if (Document)
            Module->DestroyDocument(Document.Get());
        Builder = TComPtr<IWaveDocumentBuilder>();
        Document = TComPtr<IServerDocument>();
        Module = TComPtr<IServerModule>();
        FlushDeferredDeletes();
        std::error_code error;
        std::filesystem::remove_all(Folder, error);
    }

    static void FlushDeferredDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, cDelayedDestroyEvent);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TCustomWaveEditor& Editor() { return *Wave->Editor(); }
    TWaveServerPanel& Panel() { return *Wave->Panel(); }

    IServerView* EditorView() {
        TComPtr<IServerView> view;
        EXPECT_EQ(Document->GetView(1, view.Out()), S_OK);
        return view.Get(); // the document keeps it
    }

    // Adds a signal of a predefined or created type through the building interface.
    TSignalNode* AddSignal(const char* name, const char* type) {
        TComPtr<IWaveSignal> signal;
        EXPECT_EQ(Builder->AddSignal(name, type, signal.Out()), S_OK);
        return static_cast<TSignalNode*>(signal.Get());
    }

    bool Modified() {
        int32_t modified = 0;
        EXPECT_EQ(Document->GetModified(&modified), S_OK);
        return modified != 0;
    }

    std::filesystem::path Folder;
    std::string FileName;
    TTestHost Host;
    TComPtr<IServerModule> Module;
    TComPtr<IServerDocument> Document;
    TComPtr<IWaveDocumentBuilder> Builder;
    TWaveDocument* Wave = nullptr;
};
