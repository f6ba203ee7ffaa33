#include "view/PaneCodes.h"

using namespace PaneCode;

bool UsesRightTimePanel(uint8_t code) {
    return code == RightTime || code == UpperRightSignal || code == LowerRightSignal;
}

bool UsesLowerNamePanel(uint8_t code) {
    return code == LowerName || code == LowerLeftSignal || code == LowerRightSignal;
}

uint8_t SignalPanelCodeOf(uint8_t code) {
    switch (code) {
    case LowerLeftSignal:
        return LowerLeftSignal;
    case UpperRightSignal:
        return UpperRightSignal;
    case RightTime:
    case LowerName:
    case LowerRightSignal:
        return LowerRightSignal;
    default:
        return UpperLeftSignal;
    }
}

bool ScrollsLeftTimeColumn(uint8_t code) {
    return code == LeftTime || code == UpperLeftSignal || code == LowerLeftSignal;
}

bool ScrollsUpperRowBand(uint8_t code) {
    return code == UpperName || code == UpperLeftSignal || code == UpperRightSignal;
}

bool InLowerRowBand(uint8_t code) {
    return UsesLowerNamePanel(code);
}
