#include "preferences/WaveStyleData.h"

#include "preferences/PreferencesStorage.h"

#include <strings.h>

namespace {
std::string IndexedKey(const char* key, size_t index) {
    return key + std::to_string(index);
}
} // namespace

const std::vector<TWaveStyle>& DefaultWaveStyles() {
    static const std::vector<TWaveStyle> styles = {
        {"Default", 11029258, 11029258},
        {"Clock", 16711680, 16711680},
        {"Dark Grey", 4340022, 5260610},
        {"Dark Pink", 9048527, 7868341},
        {"Orange", 815070, 747213},
        {"Green", 2332965, 2067234},
        {"Light Blue", 16755723, 15900416},
        {"Light Pink", 12876787, 11884784},
        {"Grey", 9473425, 8289151},
        {"Yellow", 50888, 45234},
        {"Dark Blue", 11029258, 10766346},
        {"Purple", 13369446, 10354766},
        {"Maroon", 128, 108},
        {"Dark Green", 26163, 22571},
    };
    return styles;
}

bool SameStyleName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool IsProtectedStyleName(std::string_view name) {
    return name == "Default" || name == "Clock";
}

void TStylesList::Add(std::string name, TColor color, TColor groupColor) {
    if (name.size() > cMaxStyleNameLength)
        name.resize(cMaxStyleNameLength);
    Styles.push_back({std::move(name), color, groupColor});
}

const TWaveStyle* TStylesList::At(int32_t index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return &Styles[static_cast<size_t>(index)];
}

std::string TStylesList::Name(int32_t index) const {
    const TWaveStyle* style = At(index);
    return style ? style->Name : std::string();
}

TColor TStylesList::Color(int32_t index) const {
    const TWaveStyle* style = At(index);
    return style ? style->Color : cNewStyleColor;
}

TColor TStylesList::GroupColor(int32_t index) const {
    const TWaveStyle* style = At(index);
    return style ? style->GroupColor : cNewStyleColor;
}

int32_t TStylesList::IndexOf(std::string_view name) const {
    for (size_t i = 0; i < Styles.size(); ++i)
        if (SameStyleName(Styles[i].Name, name))
            return static_cast<int32_t>(i);
    return -1;
}

void TStylesList::InstallDefaults() {
    Styles = DefaultWaveStyles();
}

void TStylesList::Read(const TPreferencesReader& reader) {
    Clear();
    for (size_t i = 0; reader.Exists(IndexedKey("StyleName", i)); ++i) {
        const auto color = static_cast<TColor>(reader.ReadInteger(IndexedKey("StyleColour", i), 0));
        const auto groupColor =
            static_cast<TColor>(reader.ReadInteger(IndexedKey("StyleGroupColour", i), 0));
        Add(reader.ReadString(IndexedKey("StyleName", i), ""), color, groupColor);
    }
    if (Styles.empty())
        InstallDefaults();
}

void TStylesList::Write(TPreferencesWriter& writer) const {
    for (size_t i = 0; i < Styles.size(); ++i) {
        writer.WriteString(IndexedKey("StyleName", i), Styles[i].Name);
        writer.WriteInteger(IndexedKey("StyleColour", i), static_cast<int32_t>(Styles[i].Color));
        writer.WriteInteger(IndexedKey("StyleGroupColour", i),
                            static_cast<int32_t>(Styles[i].GroupColor));
    }
}

std::optional<TColor> StyleColorForNewRow(const TStylesList& styles, std::string_view styleName,
                                          bool isGroupRow) {
    int32_t index = styles.IndexOf(styleName);
    if (index < 0)
        index = styles.IndexOf("Default");
    if (index < 0)
        return std::nullopt;
    return isGroupRow ? styles.GroupColor(index) : styles.Color(index);
}
