// The themed controls the module's forms are built from: thin Qt widgets that carry the shared
// look (button widths, spacing) and take the module's 8-bit captions, "&" marking the mnemonic.
#pragma once

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <string>

// Buttons of embedded forms never take the host dialog's Enter key.
class TThemedButton : public QPushButton {
public:
    TThemedButton(const std::string& caption, QWidget* parent);
};

class TThemedCheckBox : public QCheckBox {
public:
    TThemedCheckBox(const std::string& caption, QWidget* parent);
    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked) { setChecked(checked); }
};

class TThemedSpinEdit : public QSpinBox {
public:
    TThemedSpinEdit(int minValue, int maxValue, QWidget* parent);
    int Value() const { return value(); }
    void SetValue(int value) { setValue(value); }
};

// A label that hands its mnemonic to the control it names.
class TThemedLabel : public QLabel {
public:
    TThemedLabel(const std::string& caption, QWidget* buddy, QWidget* parent);
};

// A captioned group laid out as a grid of rows.
class TThemedGroupBox : public QGroupBox {
public:
    TThemedGroupBox(const std::string& caption, QWidget* parent);
    QGridLayout& Grid() { return *Layout; }

private:
    QGridLayout* Layout;
};
