#include "view/SignalNameEdit.h"

#include "view/WaveEditor.h"

#include <QKeyEvent>

TSignalNameInPlaceEdit::TSignalNameInPlaceEdit(TCustomWaveEditor& editor)
    : QLineEdit(&editor), Editor(editor) {
    setFrame(false);
    hide();
}

bool TSignalNameInPlaceEdit::event(QEvent* event) {
    // Tab must reach the editor's keys rather than move the focus.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TSignalNameInPlaceEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        // Finishing then leaves the name as it was.
        clear();
        setModified(false);
        Editor.HandleEditorKey(*event);
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (event->modifiers() & Qt::AltModifier)
            return;
        Editor.HandleEditorKey(*event);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
        Editor.HandleEditorKey(*event);
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}
