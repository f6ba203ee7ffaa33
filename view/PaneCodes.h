// Pane codes: every editor panel carries one, and the editor finds a panel's partners (time
// column, row band, scroll bar) from it.
#pragma once

#include <cstdint>

namespace PaneCode {
constexpr uint8_t LeftTime = 0;
constexpr uint8_t UpperName = 1;
constexpr uint8_t RightTime = 2;
constexpr uint8_t LowerName = 3;
constexpr uint8_t UpperLeftSignal = 4;
constexpr uint8_t UpperRightSignal = 5;
constexpr uint8_t LowerLeftSignal = 6;
constexpr uint8_t LowerRightSignal = 7;
constexpr uint8_t ColumnHeader = 8;
// Splitters and the static corners sit in no pane.
constexpr uint8_t None = 255;
} // namespace PaneCode

// The time and cursor panel of a code: the right ones for 2, 5 and 7.
bool UsesRightTimePanel(uint8_t code);
// The name panel of a code: the lower one for 3, 6 and 7.
bool UsesLowerNamePanel(uint8_t code);
// The signal panel of a code, as a pane code 4 to 7.
uint8_t SignalPanelCodeOf(uint8_t code);
// Horizontal scrolling acts on the left time column for 0, 4 and 6.
bool ScrollsLeftTimeColumn(uint8_t code);
// Vertical scrolling acts on the upper row band for 1, 4 and 5.
bool ScrollsUpperRowBand(uint8_t code);
// Rows keep one coordinate pair per band; the lower band (3, 6, 7) uses the second.
bool InLowerRowBand(uint8_t code);
