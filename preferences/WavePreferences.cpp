#include "preferences/WavePreferences.h"

#include "platform/com/Exception.h"
#include "preferences/OutArguments.h"
#include "preferences/PreferencesStorage.h"

namespace {
TWavePreferences* gPreferences = nullptr;

// A font text crossing the interface is a short string.
constexpr size_t cMaxFontTextLength = 255;

HResult TakeFontText(TWaveFont& font, const char* text) {
    std::string_view view = text ? text : "";
    FontFromText(view.substr(0, cMaxFontTextLength), font);
    return S_OK;
}

HResult TakeBoolean(bool& field, int32_t value) {
    field = value != 0;
    return S_OK;
}

// Keeps the low byte, except that a true argument must not turn into false (256, say).
HResult TakeByteBoolean(uint8_t& field, int32_t value) {
    const auto low = static_cast<uint8_t>(value);
    field = (low == 0 && value != 0) ? 1 : low;
    return S_OK;
}

template <class T> HResult Take(T& field, T value) {
    field = value;
    return S_OK;
}
} // namespace

TWavePreferences* WavePreferences() {
    return gPreferences;
}

void SetWavePreferences(TWavePreferences* preferences) {
    gPreferences = preferences;
}

// The default font is 11 pixels high on a 96-dots-per-inch screen: 8 points.
TWavePreferences::TWavePreferences()
    : SignalFont{"Microsoft Sans Serif", 8}, LabelFont{"Times New Roman", 8} {
    Styles.InstallDefaults();
}

void TWavePreferences::Load(IClient& client) {
    const TPreferencesReader reader(client);
    const std::string fontText = reader.ReadString("SignalFont", "");
    if (!fontText.empty())
        FontFromText(fontText, SignalFont);
    SignalHeight = static_cast<uint8_t>(reader.ReadInteger("SignalHeight", SignalHeight));
    ValueColumn = reader.ReadBoolean("ValueColumn", ValueColumn);
    BackgroundColor = static_cast<TColor>(
        reader.ReadInteger("BackGroundColor", static_cast<int32_t>(BackgroundColor)));
    SimBackgroundColor = static_cast<TColor>(
        reader.ReadInteger("SimBackgroundColor", static_cast<int32_t>(SimBackgroundColor)));
    DrawHGridLines = reader.ReadBoolean("DrawHGridLines", DrawHGridLines != 0);
    DrawVGridLines = reader.ReadBoolean("DrawVGridLines", DrawVGridLines != 0);
    GraphicalEdit = reader.ReadBoolean("GraphicalEdit", GraphicalEdit);
    DrawStripes = reader.ReadBoolean("DrawStripes", DrawStripes);
    SlopedWaveForms = reader.ReadBoolean("SlopedWaveForms", SlopedWaveForms);
    ExpandBusSignals = reader.ReadBoolean("ExpandBusSignals", ExpandBusSignals);
    PrinterOptions.Read(reader);
    Styles.Read(reader);
}

void TWavePreferences::Save(IClient& client) const {
    TPreferencesWriter writer(client);
    writer.WriteString("SignalFont", FontToText(SignalFont));
    writer.WriteInteger("SignalHeight", SignalHeight);
    writer.WriteBoolean("ValueColumn", ValueColumn);
    writer.WriteInteger("BackGroundColor", static_cast<int32_t>(BackgroundColor));
    writer.WriteInteger("SimBackgroundColor", static_cast<int32_t>(SimBackgroundColor));
    writer.WriteBoolean("DrawHGridLines", DrawHGridLines != 0);
    writer.WriteBoolean("DrawVGridLines", DrawVGridLines != 0);
    writer.WriteBoolean("GraphicalEdit", GraphicalEdit);
    writer.WriteBoolean("DrawStripes", DrawStripes);
    writer.WriteBoolean("SlopedWaveForms", SlopedWaveForms);
    writer.WriteBoolean("ExpandBusSignals", ExpandBusSignals);
    Styles.Write(writer);
    PrinterOptions.Write(writer);
    writer.Commit();
}

void TWavePreferences::AddStyle(std::string name, TColor color, TColor groupColor) {
    Styles.Add(std::move(name), color, groupColor);
}

void TWavePreferences::ClearStyles() {
    Styles.Clear();
}

HResult TWavePreferences::GetSignalFont(TComString* fontText) {
    return AnswerText(fontText, FontToText(SignalFont));
}
HResult TWavePreferences::GetLabelFont(TComString* fontText) {
    return AnswerText(fontText, FontToText(LabelFont));
}
HResult TWavePreferences::GetSignalHeight(uint8_t* height) {
    return Answer(height, SignalHeight);
}
HResult TWavePreferences::GetValueColumn(int32_t* valueColumn) {
    return Answer(valueColumn, ValueColumn ? 1 : 0);
}
HResult TWavePreferences::GetBackGroundColor(uint32_t* color) {
    return Answer(color, BackgroundColor);
}
HResult TWavePreferences::GetSimBackgroundColor(uint32_t* color) {
    return Answer(color, SimBackgroundColor);
}
HResult TWavePreferences::GetDrawHGridLines(uint8_t* draw) {
    return Answer(draw, DrawHGridLines);
}
HResult TWavePreferences::GetDrawVGridLines(uint8_t* draw) {
    return Answer(draw, DrawVGridLines);
}
HResult TWavePreferences::GetGraphicalEdit(int32_t* graphicalEdit) {
    return Answer(graphicalEdit, GraphicalEdit ? 1 : 0);
}
HResult TWavePreferences::GetDrawStripes(int32_t* drawStripes) {
    return Answer(drawStripes, DrawStripes ? 1 : 0);
}
HResult TWavePreferences::GetSlopedWaveForms(int32_t* sloped) {
    return Answer(sloped, SlopedWaveForms ? 1 : 0);
}
HResult TWavePreferences::GetExpandBusSignals(int32_t* expand) {
    return Answer(expand, ExpandBusSignals ? 1 : 0);
}

HResult TWavePreferences::SetSignalFont(const char* fontText) {
    return TakeFontText(SignalFont, fontText);
}
HResult TWavePreferences::SetLabelFont(const char* fontText) {
    return TakeFontText(LabelFont, fontText);
}
HResult TWavePreferences::SetSignalHeight(int32_t height) {
    return Take(SignalHeight, static_cast<uint8_t>(height));
}
HResult TWavePreferences::SetValueColumn(int32_t valueColumn) {
    return TakeBoolean(ValueColumn, valueColumn);
}
HResult TWavePreferences::SetBackGroundColor(uint32_t color) {
    return Take(BackgroundColor, color);
}
HResult TWavePreferences::SetSimBackgroundColor(uint32_t color) {
    return Take(SimBackgroundColor, color);
}
HResult TWavePreferences::SetDrawHGridLines(int32_t draw) {
    return TakeByteBoolean(DrawHGridLines, draw);
}
HResult TWavePreferences::SetDrawVGridLines(int32_t draw) {
    return TakeByteBoolean(DrawVGridLines, draw);
}
HResult TWavePreferences::SetGraphicalEdit(int32_t graphicalEdit) {
    return TakeBoolean(GraphicalEdit, graphicalEdit);
}
HResult TWavePreferences::SetDrawStripes(int32_t drawStripes) {
    return TakeBoolean(DrawStripes, drawStripes);
}
HResult TWavePreferences::SetSlopedWaveForms(int32_t sloped) {
    return TakeBoolean(SlopedWaveForms, sloped);
}
HResult TWavePreferences::SetExpandBusSignals(int32_t expand) {
    return TakeBoolean(ExpandBusSignals, expand);
}

HResult TWavePreferences::GetStyleName(int32_t index, TComString* name) {
    return AnswerText(name, Styles.Name(index));
}
HResult TWavePreferences::GetStyleColour(int32_t index, uint32_t* color) {
    return Answer(color, Styles.Color(index));
}
HResult TWavePreferences::GetStyleGroupColour(int32_t index, uint32_t* color) {
    return Answer(color, Styles.GroupColor(index));
}
HResult TWavePreferences::GetStyleCount(int32_t* count) {
    return Answer(count, Styles.Count());
}
HResult TWavePreferences::GetStyleIndex(const char* name, int32_t* index) {
    if (index == nullptr)
        return E_POINTER;
    *index = Styles.IndexOf(name ? name : "");
    return S_OK;
}
