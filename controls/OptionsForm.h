// The base of the module's options pages and the view through which the host embeds one.
#pragma once

#include "controls/OptionsPage.h"
#include "platform/com/Interfaced.h"
#include "plugin/RT_ClientServerInterface.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

class TOptionsForm : public QWidget {
public:
    explicit TOptionsForm(const std::string& caption);

    // Copies the settings into the controls.
    virtual void ShowValues() = 0;
    // Shows the default settings; the settings themselves stay.
    virtual void SetDefaults() = 0;
    // True unless the controls show the settings as they are.
    virtual bool IsChanged() const = 0;
    // Writes the controls into the settings.
    virtual void Apply() = 0;
};

class TDocumentOptionsView : public TInterfacedObject<IServerView, IOptionsPage> {
public:
    // Takes the form; owner (the module) is kept alive while the view exists, since the form
    // works on the module's settings.
    TDocumentOptionsView(std::unique_ptr<TOptionsForm> form, IUnknown* owner);
    ~TDocumentOptionsView() override;

    // IServerView
    HResult GetViewName(TComString* name) override;
    HResult IsPanel(int32_t* isPanel) override;
    HResult Update() override;
    HResult GetCaption(TComString* caption) override;

    // IServerView and IOptionsPage
    HResult GetWindow(void** window) override;

    // IOptionsPage
    HResult ShowValues() override;
    HResult SetDefaults() override;
    HResult GetChanged(int32_t* changed) override;
    HResult Apply() override;

private:
    template <class F> HResult OnForm(F&& action);

    // The host may re-parent the form into its dialog and free it with that dialog.
    QPointer<TOptionsForm> Form;
    TComPtr<IUnknown> Owner;
};

// Throws unless a Qt application exists, which every form needs.
void RequireWidgetApplication();

// A new view with one reference, around a form of the given class made from args.
template <class TForm, class... Args>
IServerView* MakeOptionsView(IUnknown* owner, Args&&... args) {
    RequireWidgetApplication();
    auto* view =
        new TDocumentOptionsView(std::make_unique<TForm>(std::forward<Args>(args)...), owner);
    view->AddRef();
    return view;
}
