// The forms a host embeds and the views that hand them out: a wrapper that gives the host a
// module form to place in its own window and frees it safely, and the editor and panel views
// of documents built on it.
#pragma once

#include "platform/com/Exception.h"
#include "platform/com/Interfaced.h"
#include "plugin/RT_ClientServerInterface.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <string>

// The private message a TDelayedDestroyer posts itself.
constexpr QEvent::Type cDelayedDestroyEvent = static_cast<QEvent::Type>(0xB021);

// Frees a form without a window of its own once control is back in the event loop: the form
// may still be on the call stack when its view goes.
class TDelayedDestroyer : public QObject {
public:
    static void Schedule(QWidget* form);

protected:
    bool event(QEvent* e) override;

private:
    explicit TDelayedDestroyer(QWidget* form);
    QPointer<QWidget> Form;
};

// A panel form of the host's workspace; the panel view names it after its kind.
class TServerPanelForm : public QWidget {
public:
    using QWidget::QWidget;
    bool BelongsToDocument = false;
};

class TServerDocumentEditorView;

// An editor form; its view refreshes the host's status bar through it.
class TServerEditorForm : public QWidget {
public:
    using QWidget::QWidget;
    IServerView* View() const { return FView; }
    virtual void SetView(IServerView* view) { FView = view; }
    // Empties status-bar fields 1 to 3.
    virtual void UpdateStatusBar();

private:
    IServerView* FView = nullptr; // not counted: the view owns the form
};

// Wraps a form so the host can embed it: borderless, handed out as a widget with its caption.
class TExternalForm {
public:
    // A wrapper that owns the form frees it at once; otherwise the form's release is deferred.
    TExternalForm(QWidget* form, bool ownsForm);
    TExternalForm(const TExternalForm&) = delete;
    TExternalForm& operator=(const TExternalForm&) = delete;
    virtual ~TExternalForm();

    // Nil once the host freed the form with its own window.
    QWidget* Form() const { return FForm.data(); }
    std::string Caption() const;

private:
    QPointer<QWidget> FForm;
    bool OwnsForm;
};

// A view of a kind ("WaveEditor", "WavePanel") around a form.
template <class IView>
class TAbstractServerView : public TInterfacedObject<IView>, public TExternalForm {
public:
    TAbstractServerView(QWidget* form, bool ownsForm, std::string viewName)
        : TExternalForm(form, ownsForm), ViewName(std::move(viewName)) {
        if (auto* panel = dynamic_cast<TServerPanelForm*>(form))
            panel->setObjectName(QString::fromStdString(ViewName));
    }

    HResult GetViewName(TComString* name) override {
        if (name == nullptr)
            return E_POINTER;
        return GuardCall([&] { name->Assign(ViewName); });
    }
    HResult IsPanel(int32_t* isPanel) override {
        if (isPanel == nullptr)
            return E_POINTER;
        *isPanel = 0;
        return S_OK;
    }
    HResult Update() override { return S_OK; }
    HResult GetWindow(void** window) override {
        if (window == nullptr)
            return E_POINTER;
        *window = Form();
        return S_OK;
    }
    HResult GetCaption(TComString* caption) override {
        if (caption == nullptr)
            return E_POINTER;
        return GuardCall([&] { caption->Assign(Caption()); });
    }

private:
    std::string ViewName;
};

// A view that belongs to a document: processes run with it reach the document.
class TServerDocView : public TAbstractServerView<IServerDocumentView> {
public:
    TServerDocView(QWidget* form, std::string viewName, IServerDocument* owner);
    HResult GetOwnerDocument(IServerDocument** document) override;

private:
    TComPtr<IServerDocument> Owner;
};

class TServerDocumentEditorView : public TServerDocView {
public:
    TServerDocumentEditorView(TServerEditorForm* form, std::string viewName,
                              IServerDocument* owner);
    ~TServerDocumentEditorView() override;
    HResult Update() override;
};

class TServerDocumentPanelView : public TServerDocView {
public:
    TServerDocumentPanelView(TServerPanelForm* form, std::string viewName, IServerDocument* owner);
    HResult IsPanel(int32_t* isPanel) override;
};
