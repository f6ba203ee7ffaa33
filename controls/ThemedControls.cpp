#include "controls/ThemedControls.h"

#include "platform/ui/QtConvert.h"

namespace {
constexpr int cButtonMinWidth = 75;
constexpr int cSpacing = 6;
constexpr int cGroupMargin = 8;
} // namespace

TThemedButton::TThemedButton(const std::string& caption, QWidget* parent)
    : QPushButton(ToQtText(caption), parent) {
    setMinimumWidth(cButtonMinWidth);
    setAutoDefault(false);
}

TThemedCheckBox::TThemedCheckBox(const std::string& caption, QWidget* parent)
    : QCheckBox(ToQtText(caption), parent) {}

TThemedSpinEdit::TThemedSpinEdit(int minValue, int maxValue, QWidget* parent) : QSpinBox(parent) {
    setRange(minValue, maxValue);
    setAlignment(Qt::AlignRight);
}

TThemedLabel::TThemedLabel(const std::string& caption, QWidget* buddy, QWidget* parent)
    : QLabel(ToQtText(caption), parent) {
    setBuddy(buddy);
}

TThemedGroupBox::TThemedGroupBox(const std::string& caption, QWidget* parent)
    : QGroupBox(ToQtText(caption), parent), Layout(new QGridLayout(this)) {
    Layout->setSpacing(cSpacing);
    Layout->setContentsMargins(cGroupMargin, cGroupMargin, cGroupMargin, cGroupMargin);
}
