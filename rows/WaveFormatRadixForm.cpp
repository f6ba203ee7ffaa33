#include "rows/WaveFormatRadixForm.h"

#include "controls/ThemedControls.h"
#include "rows/ModalDialog.h"
#include "rows/WaveRowOptions.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <initializer_list>

namespace {
// A captioned column of radio buttons; the first code that matches is checked, else the last
// button (Default).
struct TChoice {
    QRadioButton** Button;
    const char* Caption;
    int32_t Code;
};

QWidget* RadioGroup(QWidget* parent, const char* caption, std::initializer_list<TChoice> choices,
                    int32_t preset) {
    auto* box = new TThemedGroupBox(caption, parent);
    auto* group = new QButtonGroup(box);
    int row = 0;
    QRadioButton* checked = nullptr;
    for (const TChoice& choice : choices) {
        *choice.Button = new QRadioButton(choice.Caption, box);
        group->addButton(*choice.Button);
        box->Grid().addWidget(*choice.Button, row++, 0);
        if (checked == nullptr && choice.Code == preset)
            checked = *choice.Button;
    }
    (checked ? checked : *(choices.end() - 1)->Button)->setChecked(true);
    return box;
}
} // namespace

TFormatRadix::TFormatRadix(int32_t format, int32_t radix, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Set Waveform Display Format");
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(RadioGroup(this, "Format",
                                 {{&Literal, "Literal", RowValueFormat::Literal},
                                  {&Numeric, "Numeric", RowValueFormat::Numeric},
                                  {&SignedNumeric, "Signed Numeric", RowValueFormat::SignedNumeric},
                                  {&DefaultFormat, "Default", RowValueFormat::Default}},
                                 format));
    groups->addWidget(RadioGroup(this, "Radix",
                                 {{&Decimal, "Decimal", RowRadix::Decimal},
                                  {&Binary, "Binary", RowRadix::Binary},
                                  {&Hex, "Hex", RowRadix::Hex},
                                  {&DefaultRadix, "Default", RowRadix::Default}},
                                 radix));
    layout->addLayout(groups);
    auto* buttons = new QHBoxLayout;
    OkButton = new QPushButton("OK", this);
    OkButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

int32_t TFormatRadix::Format() const {
    if (Numeric->isChecked())
        return RowValueFormat::Numeric;
    if (SignedNumeric->isChecked())
        return RowValueFormat::SignedNumeric;
    if (Literal->isChecked())
        return RowValueFormat::Literal;
    return RowValueFormat::Default;
}

int32_t TFormatRadix::Radix() const {
    if (Binary->isChecked())
        return RowRadix::Binary;
    if (Hex->isChecked())
        return RowRadix::Hex;
    if (Decimal->isChecked())
        return RowRadix::Decimal;
    return RowRadix::Default;
}

bool ShowFormatRadix(int32_t& format, int32_t& radix) {
    TFormatRadix dialog(format, radix);
    if (!ExecuteModal(dialog, *dialog.OkButton))
        return false;
    format = dialog.Format();
    radix = dialog.Radix();
    return true;
}
