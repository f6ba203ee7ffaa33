#include "rows/WaveRowOptions.h"

#include "model/types/ValueText.h"

void TWaveRowOptions::SetDisassemblerName(std::string_view name) {
    DisassemblerName = ShortString(name);
}

TRowFormat TWaveRowOptions::ToRowFormat() const {
    return {static_cast<TWaveRadix>(Radix), static_cast<TWaveFormat>(Format), DisassemblerName,
            Font.Color};
}

void TWaveRowOptions::TakeRowFormat(const TRowFormat& format) {
    Radix = static_cast<int32_t>(format.Radix);
    Format = static_cast<int32_t>(format.Format);
    SetDisassemblerName(format.Disassembler);
    Font.Color = format.FontColor;
}
