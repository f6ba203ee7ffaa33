#include "controls/OptionsForm.h"

#include "platform/com/Exception.h"
#include "platform/ui/QtConvert.h"

#include <QApplication>

TOptionsForm::TOptionsForm(const std::string& caption) {
    setWindowTitle(ToQtText(caption));
}

void RequireWidgetApplication() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        throw Exception("Options pages need the host's user interface");
}

TDocumentOptionsView::TDocumentOptionsView(std::unique_ptr<TOptionsForm> form, IUnknown* owner)
    : Form(form.release()), Owner(TComPtr<IUnknown>::Share(owner)) {}

TDocumentOptionsView::~TDocumentOptionsView() {
    delete Form.data();
}

template <class F> HResult TDocumentOptionsView::OnForm(F&& action) {
    return GuardCall([&] {
        if (Form.isNull())
            throw Exception("The options page is gone");
        action(*Form);
    });
}

HResult TDocumentOptionsView::GetViewName(TComString* name) {
    if (name == nullptr)
        return E_POINTER;
    return OnForm([&](TOptionsForm& form) { name->Assign(FromQtText(form.windowTitle())); });
}

HResult TDocumentOptionsView::GetCaption(TComString* caption) {
    return GetViewName(caption);
}

HResult TDocumentOptionsView::IsPanel(int32_t* isPanel) {
    if (isPanel == nullptr)
        return E_POINTER;
    *isPanel = 0;
    return S_OK;
}

HResult TDocumentOptionsView::Update() {
    return OnForm([](TOptionsForm& form) { form.update(); });
}

HResult TDocumentOptionsView::GetWindow(void** window) {
    if (window == nullptr)
        return E_POINTER;
    *window = Form.data();
    return S_OK;
}

HResult TDocumentOptionsView::ShowValues() {
    return OnForm([](TOptionsForm& form) { form.ShowValues(); });
}

HResult TDocumentOptionsView::SetDefaults() {
    return OnForm([](TOptionsForm& form) { form.SetDefaults(); });
}

HResult TDocumentOptionsView::GetChanged(int32_t* changed) {
    if (changed == nullptr)
        return E_POINTER;
    *changed = 0;
    return OnForm([&](TOptionsForm& form) { *changed = form.IsChanged(); });
}

HResult TDocumentOptionsView::Apply() {
    return OnForm([](TOptionsForm& form) { form.Apply(); });
}
