#include "rows/PreferencesRowDefaults.h"

#include "preferences/WavePreferences.h"

// Without a preferences object (no module) the base answers hold.
std::string TPreferencesRowDefaults::FontText() const {
    const TWavePreferences* preferences = WavePreferences();
    return preferences ? FontToText(preferences->SignalFont) : TRowDefaults::FontText();
}

int32_t TPreferencesRowDefaults::SignalHeight() const {
    const TWavePreferences* preferences = WavePreferences();
    return preferences ? preferences->SignalHeight : TRowDefaults::SignalHeight();
}

std::optional<TColor> TPreferencesRowDefaults::DefaultStyleColor(bool compoundRow) const {
    const TWavePreferences* preferences = WavePreferences();
    if (preferences == nullptr)
        return std::nullopt;
    const int32_t index = preferences->Styles.IndexOf("Default");
    if (index < 0)
        return std::nullopt;
    return compoundRow ? preferences->Styles.GroupColor(index) : preferences->Styles.Color(index);
}
