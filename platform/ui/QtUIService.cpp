#include "platform/ui/QtUIService.h"

#include "plugin/RT_ServerImplementation.h"

#include <QMessageBox>
#include <QWidget>

namespace {
// Document texts are 8-bit and shown as Windows-1252; Latin-1 covers what a message box needs.
QString ToQt(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<int>(s.size()));
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
    QMessageBox box(IconOf(type), ToQt(caption), ToQt(text), qtButtons,
                    static_cast<QWidget*>(ApplicationOwnerWindow()));
    const int pressed = box.exec();
    for (const auto& b : kButtons)
        if (pressed == b.Qt)
            return b.Result;
    return mrCancel;
}
