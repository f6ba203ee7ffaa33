#include "plugin/RT_ServerViews.h"

#include "platform/ui/QtConvert.h"
#include "plugin/RT_ServerImplementation.h"

#include <QCoreApplication>

void TDelayedDestroyer::Schedule(QWidget* form) {
    auto* destroyer = new TDelayedDestroyer(form);
    QCoreApplication::postEvent(destroyer, new QEvent(cDelayedDestroyEvent));
}

TDelayedDestroyer::TDelayedDestroyer(QWidget* form) : Form(form) {}

bool TDelayedDestroyer::event(QEvent* e) {
    if (e->type() != cDelayedDestroyEvent)
        return QObject::event(e);
    delete Form.data();
    deleteLater();
    return true;
}

void TServerEditorForm::UpdateStatusBar() {
    ClearStatusBarFields();
}

TExternalForm::TExternalForm(QWidget* form, bool ownsForm) : FForm(form), OwnsForm(ownsForm) {
    if (form)
        form->setWindowFlags(form->windowFlags() | Qt::FramelessWindowHint);
}

TExternalForm::~TExternalForm() {
    QWidget* form = FForm.data();
    if (form == nullptr)
        return;
    if (OwnsForm || QCoreApplication::closingDown())
        delete form;
    else if (form->internalWinId() != 0)
        form->deleteLater();
    else
        TDelayedDestroyer::Schedule(form);
}

std::string TExternalForm::Caption() const {
    return FForm ? FromQtText(FForm->windowTitle()) : std::string();
}

TServerDocView::TServerDocView(QWidget* form, std::string viewName, IServerDocument* owner)
    : TAbstractServerView(form, false, std::move(viewName)),
      Owner(TComPtr<IServerDocument>::Share(owner)) {}

HResult TServerDocView::GetOwnerDocument(IServerDocument** document) {
    if (HResult r = ClearOut(document); Failed(r))
        return r;
    return HandOut(Owner.Get(), document);
}

TServerDocumentEditorView::TServerDocumentEditorView(TServerEditorForm* form, std::string viewName,
                                                     IServerDocument* owner)
    : TServerDocView(form, std::move(viewName), owner) {
    form->SetView(this);
}

TServerDocumentEditorView::~TServerDocumentEditorView() {
    if (auto* form = static_cast<TServerEditorForm*>(Form()))
        form->SetView(nullptr);
}

HResult TServerDocumentEditorView::Update() {
    return GuardCall([&] {
        if (auto* form = static_cast<TServerEditorForm*>(Form()))
            form->UpdateStatusBar();
    });
}

TServerDocumentPanelView::TServerDocumentPanelView(TServerPanelForm* form, std::string viewName,
                                                   IServerDocument* owner)
    : TServerDocView(form, std::move(viewName), owner) {
    form->BelongsToDocument = true;
}

HResult TServerDocumentPanelView::IsPanel(int32_t* isPanel) {
    if (isPanel == nullptr)
        return E_POINTER;
    *isPanel = 1;
    return S_OK;
}
