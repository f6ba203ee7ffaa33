// What a new row takes from the module's preferences: the default font, the default waveform
// height and the colours of the style "Default". The rows stay free of the preferences (which
// live with the forms); the module installs a source that reads them.
#pragma once

#include "rows/Wavefontobj.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class TRowDefaults {
public:
    virtual ~TRowDefaults() = default;
    // The default font in its text form.
    virtual std::string FontText() const;
    virtual int32_t SignalHeight() const;
    // The colour of the style "Default" for a compound or group row (group colour) or another
    // row; nothing when there is no such style.
    virtual std::optional<TColor> DefaultStyleColor(bool compoundRow) const;
};

// The source in force; without one installed, the preferences' own defaults.
const TRowDefaults& RowDefaults();
void SetRowDefaults(std::unique_ptr<TRowDefaults> defaults);
