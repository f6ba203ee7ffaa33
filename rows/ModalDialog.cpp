#include "rows/ModalDialog.h"

#include "platform/ui/HostScriptedUIService.h"
#include "platform/ui/QtConvert.h"

#include <QDialog>
#include <QPushButton>

bool ExecuteModal(QDialog& dialog, QPushButton& okButton) {
    if (dynamic_cast<THostScriptedUIService*>(&UIService()) == nullptr)
        return dialog.exec() == QDialog::Accepted;
    dialog.setResult(QDialog::Rejected);
    const std::string caption = FromQtText(dialog.windowTitle());
    if (UIService().MessageDlg(caption, "", TMsgDlgType::Custom, mbOK | mbCancel) == mrOk)
        okButton.click();
    return dialog.result() == QDialog::Accepted;
}
