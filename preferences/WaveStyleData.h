// Colour styles: named pairs of colours that new rows take, the colour for a simple row and the
// group colour for a compound or group row.
#pragma once

#include "rows/Wavefontobj.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TPreferencesReader;
class TPreferencesWriter;

// Both colours of a new style, and the answer for a style that does not exist.
constexpr TColor cNewStyleColor = 11029258;
// Style names are short strings.
constexpr size_t cMaxStyleNameLength = 255;

struct TWaveStyle {
    std::string Name;
    TColor Color = cNewStyleColor;
    TColor GroupColor = cNewStyleColor;

    bool operator==(const TWaveStyle&) const = default;
};

class TStylesList {
public:
    // Appends; a longer name is cut to its first 255 characters.
    void Add(std::string name, TColor color, TColor groupColor);
    void Clear() { Styles.clear(); }
    int32_t Count() const { return static_cast<int32_t>(Styles.size()); }
    // Out of range: an empty name and the colours of a new style.
    std::string Name(int32_t index) const;
    TColor Color(int32_t index) const;
    TColor GroupColor(int32_t index) const;
    // The first style of that name ignoring case, or -1.
    int32_t IndexOf(std::string_view name) const;
    const std::vector<TWaveStyle>& Items() const { return Styles; }

    void InstallDefaults();
    // Stops at the first index without a name key; an empty result takes the default styles.
    void Read(const TPreferencesReader& reader);
    void Write(TPreferencesWriter& writer) const;

private:
    const TWaveStyle* At(int32_t index) const;
    std::vector<TWaveStyle> Styles;
};

// The styles every new preferences object starts with, in order.
const std::vector<TWaveStyle>& DefaultWaveStyles();

// Style names compare without regard to letter case.
bool SameStyleName(std::string_view a, std::string_view b);

// Names the options page does not let the user rename or remove (exact comparison).
bool IsProtectedStyleName(std::string_view name);

// The colour a new row takes from the style of that name, falling back to "Default": the group
// colour for compound and group rows, else the colour. Nothing when neither style exists, so the
// row keeps its font colour.
std::optional<TColor> StyleColorForNewRow(const TStylesList& styles, std::string_view styleName,
                                          bool isGroupRow);
