// The in-place editor of a signal's name over the name column of its row.
#pragma once

#include <QLineEdit>

class TCustomWaveEditor;

class TSignalNameInPlaceEdit : public QLineEdit {
public:
    explicit TSignalNameInPlaceEdit(TCustomWaveEditor& editor);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TCustomWaveEditor& Editor;
};
