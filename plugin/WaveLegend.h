// The legend of the CUPL drawing styles.
#pragma once

class QWidget;
class QDialog;

// The dialog "Legend" with its labels and a "Close" button, owned by the caller.
QDialog* NewLegendDialog(QWidget* owner);
// Shows it modally; a headless host logs its caption instead of waiting for a click.
void ShowLegendDialog(QWidget* owner);
