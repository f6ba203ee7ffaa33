#include "platform/ui/QtUIService.h"

#include "platform/ui/QtConvert.h"
#include "plugin/RT_ServerImplementation.h"
#include "rows/Wavefontobj.h"

#include <QFont>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

namespace {

QWidget* OwnerOrMainWindow(void* owner) {
    return static_cast<QWidget*>(owner ? owner : ApplicationOwnerWindow());
}

struct TButtonMap {
    TMsgDlgButton Button;
    QMessageBox::StandardButton Qt;
    TModalResult Result;
};
constexpr TButtonMap kButtons[] = {
    {mbYes, QMessageBox::Yes, mrYes},
    {mbNo, QMessageBox::No, mrNo},
    {mbOK, QMessageBox::Ok, mrOk},
    {mbCancel, QMessageBox::Cancel, mrCancel},
    {mbAbort, QMessageBox::Abort, mrAbort},
    {mbRetry, QMessageBox::Retry, mrRetry},
    {mbIgnore, QMessageBox::Ignore, mrIgnore},
};

QMessageBox::Icon IconOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::Warning:
        return QMessageBox::Warning;
    case TMsgDlgType::Error:
        return QMessageBox::Critical;
    case TMsgDlgType::Information:
        return QMessageBox::Information;
    case TMsgDlgType::Confirmation:
        return QMessageBox::Question;
    case TMsgDlgType::Custom:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

TModalResult TQtUIService::MessageDlg(const std::string& caption, const std::string& text,
                                      TMsgDlgType type, TMsgDlgButtons buttons) {
    QMessageBox::StandardButtons qtButtons;
    for (const auto& b : kButtons)
        if (buttons & b.Button)
            qtButtons |= b.Qt;
    QMessageBox box(IconOf(type), ToQtText(caption), ToQtText(text), qtButtons,
                    static_cast<QWidget*>(ApplicationOwnerWindow()));
    const int pressed = box.exec();
    for (const auto& b : kButtons)
        if (pressed == b.Qt)
            return b.Result;
    return mrCancel;
}

bool TQtUIService::InputQuery(const std::string& caption, const std::string& prompt,
                              std::string& value) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(OwnerOrMainWindow(nullptr), ToQtText(caption), ToQtText(prompt),
                              QLineEdit::Normal, ToQtText(value), &ok);
    if (ok)
        value = FromQtText(answer);
    return ok;
}

bool TQtUIService::FontDialog(TWaveFont& font, void* owner) {
    QFont initial(ToQtText(font.Name), font.Size > 0 ? font.Size : -1);
    initial.setBold(font.Bold);
    initial.setItalic(font.Italic);
    initial.setUnderline(font.Underline);
    initial.setStrikeOut(font.StrikeOut);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, OwnerOrMainWindow(owner));
    if (!ok)
        return false;
    font.Name = FromQtText(chosen.family());
    font.Size = chosen.pointSize();
    font.Bold = chosen.bold();
    font.Italic = chosen.italic();
    font.Underline = chosen.underline();
    font.StrikeOut = chosen.strikeOut();
    return true;
}
