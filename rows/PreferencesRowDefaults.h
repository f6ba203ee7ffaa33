// The row defaults read from the module's preferences.
#pragma once

#include "rows/RowDefaults.h"

class TPreferencesRowDefaults : public TRowDefaults {
public:
    std::string FontText() const override;
    int32_t SignalHeight() const override;
    std::optional<TColor> DefaultStyleColor(bool compoundRow) const override;
};
