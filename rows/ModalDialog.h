// Runs one of the module's dialogs modally. An interactive host shows it; a headless host logs
// its caption and answers "OK" (the dialog's OK button is pressed, with all its checks) or
// anything else (cancelled), so scripts and tests never wait.
#pragma once

class QDialog;
class QPushButton;

// True when the dialog closed accepted.
bool ExecuteModal(QDialog& dialog, QPushButton& okButton);
