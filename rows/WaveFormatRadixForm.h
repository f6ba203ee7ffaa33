// The dialog "Set Waveform Display Format": a value format and a radix, without disassembly.
#pragma once

#include <QDialog>
#include <cstdint>

class QPushButton;
class QRadioButton;

class TFormatRadix : public QDialog {
public:
    TFormatRadix(int32_t format, int32_t radix, QWidget* parent = nullptr);

    int32_t Format() const;
    int32_t Radix() const;

    QRadioButton* Literal;
    QRadioButton* Numeric;
    QRadioButton* SignedNumeric;
    QRadioButton* DefaultFormat;
    QRadioButton* Decimal;
    QRadioButton* Binary;
    QRadioButton* Hex;
    QRadioButton* DefaultRadix;
    QPushButton* OkButton;
    QPushButton* CancelButton;
};

// Runs the dialog preset with the values; on OK the chosen ones come back through them.
bool ShowFormatRadix(int32_t& format, int32_t& radix);
