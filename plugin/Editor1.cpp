#include "plugin/Editor1.h"

#include "controls/GuardedHandler.h"
#include "platform/com/Exception.h"
#include "plugin/Document.h"
#include "plugin/RT_ServerImplementation.h"
#include "view/WaveEditor.h"

#include <QContextMenuEvent>
#include <QVBoxLayout>

TWaveWindow::TWaveWindow(TWaveDocument& document)
    : Document(document), FEditor(new TWaveEditor(this)) {
    setWindowTitle(QString::fromStdString("Wave"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FEditor);
    FEditor->SetVSpliterPosition(cInitialVSpliterPosition);
    FEditor->SetHSpliterPosition(cInitialHSpliterPosition);
}

void TWaveWindow::SetView(IServerView* view) {
    TServerEditorForm::SetView(view);
    FEditor->SetHostView(view);
}

void TWaveWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            FEditor->Layout();
        else
            FEditor->FinishNameEdit();
    }
    TServerEditorForm::changeEvent(event);
}

void TWaveWindow::contextMenuEvent(QContextMenuEvent* event) {
    // The form shows no menu of its own.
    event->accept();
    RequestPopupMenu();
}

void TWaveWindow::RequestPopupMenu() {
    RunGuarded([&] {
        IClient* client = CurrentClient();
        if (client == nullptr)
            return;
        TComPtr<IGUIManager> gui;
        OleCheck(client->GetGUIManager(gui.Out()));
        if (gui)
            OleCheck(gui->ShowPopupMenu(Document.PopupMenuName().c_str()));
    });
}

void TWaveWindow::keyPressEvent(QKeyEvent* event) {
    FEditor->HandleEditorKey(*event);
}
