// A module on the recording test host with one new, empty waveform document for a file name
// that does not exist yet.
#pragma once

#include "model/signals/WaveSignal.h"
#include "plugin/Document.h"
#include "plugin/Editor1.h"
#include "plugin/Main_Wave.h"
#include "plugin/Panel.h"
#include "tests/testhost/TestHost.h"
#include "view/WaveEditor.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <string>

// The Qt application of the program, made before the first test and freed after the last:
// input devices that mouse and key events register must not outlive it into static
// destruction.
class TDocumentTestApplication : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "wave-document-tests";
        static char* argv[] = {name, nullptr};
        Application = new QApplication(argc, argv);
    }
    void TearDown() override {
        delete Application;
        Application = nullptr;
    }

private:
    QApplication* Application = nullptr;
};
inline ::testing::Environment* const gDocumentTestApplication =
    ::testing::AddGlobalTestEnvironment(new TDocumentTestApplication);

class TDocumentFixture : public ::testing::Test {
protected:
    void SetUp() override {
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
    // Shows the editor form offscreen at a size, as a host window would.
    void ShowEditor(int width, int height) {
        QWidget* window = reinterpret_cast<QWidget*>(FormWidget());
        window->resize(width, height);
        window->show();
    }
    void* FormWidget() {
        void* window = nullptr;
        EXPECT_EQ(EditorView()->GetWindow(&window), S_OK);
        return window;
    }
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
