// Changes of the name columns by the user and by the preferences: dragging a column's right
// boundary and switching the value column, each with the move of the vertical splitter that
// keeps the left waveform panels in place.
#pragma once

#include "view/WaveEditorLayout.h"

// The column (2, 3 or 4, shown) whose right boundary lies within 5 pixels of x; 0 when none.
int32_t ColumnBoundaryAt(const TNameColumns& columns, int32_t x);

// Where the drag line of a column may go: from the column's left edge + 10 to the form's right
// edge - 50.
int32_t ClampColumnDrag(const TNameColumns& columns, int32_t column, int32_t x, int32_t formWidth);

// Ends a boundary drag from startX to endX: the column becomes narrower by startX - endX but
// never narrower than 15 pixels. Answers the change of VSpliterPosition (the shrink, or 0 when
// the column grew).
int32_t ResizeColumn(TNameColumns& columns, int32_t column, int32_t startX, int32_t endX);

// Shows or hides the value column as the preference says. Answers the change of
// VSpliterPosition: + the column's width when shown, - when hidden, 0 when nothing changed.
int32_t ApplyValueColumnPreference(TNameColumns& columns, bool valueColumn);
