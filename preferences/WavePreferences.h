// The module's one set of preferences for all waveform documents: default font and row height,
// colours, drawing switches, the colour styles and the printer options. Stored in the host's
// options storage, offered to other modules through IWavePreferences.
#pragma once

#include "platform/com/Interfaced.h"
#include "preferences/RT_Wave.h"
#include "preferences/WaveStyleData.h"
#include "printing/WavePrinterOptions.h"
#include "rows/Wavefontobj.h"

struct IClient;

// The window colour the background defaults to: white.
constexpr TColor cSystemWindowColor = 16777215;

class TWavePreferences : public TUncountedObject<IWavePreferences> {
public:
    TWavePreferences();

    TStylesList Styles;
    TWaveFont SignalFont;
    TWaveFont LabelFont; // not stored
    uint8_t SignalHeight = 14;
    bool ValueColumn = true;
    TColor BackgroundColor = cSystemWindowColor;
    TColor SimBackgroundColor = 16317695;
    // Byte Booleans: the interface stores the low byte of its argument, so any nonzero byte
    // means true.
    uint8_t DrawHGridLines = 0;
    uint8_t DrawVGridLines = 1;
    bool GraphicalEdit = false;
    bool DrawStripes = false;
    bool SlopedWaveForms = false;
    bool ExpandBusSignals = false;
    TPrinterOptions PrinterOptions;

    // A key missing from the storage keeps the value in memory.
    void Load(IClient& client);
    void Save(IClient& client) const;

    // For the options page; other modules only read the styles.
    void AddStyle(std::string name, TColor color, TColor groupColor);
    void ClearStyles();

    // IWavePreferences
    HResult GetSignalFont(TComString* fontText) override;
    HResult GetLabelFont(TComString* fontText) override;
    HResult GetSignalHeight(uint8_t* height) override;
    HResult GetValueColumn(int32_t* valueColumn) override;
    HResult GetBackGroundColor(uint32_t* color) override;
    HResult GetSimBackgroundColor(uint32_t* color) override;
    HResult GetDrawHGridLines(uint8_t* draw) override;
    HResult GetDrawVGridLines(uint8_t* draw) override;
    HResult GetGraphicalEdit(int32_t* graphicalEdit) override;
    HResult GetDrawStripes(int32_t* drawStripes) override;
    HResult GetSlopedWaveForms(int32_t* sloped) override;
    HResult GetExpandBusSignals(int32_t* expand) override;
    HResult SetSignalFont(const char* fontText) override;
    HResult SetLabelFont(const char* fontText) override;
    HResult SetSignalHeight(int32_t height) override;
    HResult SetValueColumn(int32_t valueColumn) override;
    HResult SetBackGroundColor(uint32_t color) override;
    HResult SetSimBackgroundColor(uint32_t color) override;
    HResult SetDrawHGridLines(int32_t draw) override;
    HResult SetDrawVGridLines(int32_t draw) override;
    HResult SetGraphicalEdit(int32_t graphicalEdit) override;
    HResult SetDrawStripes(int32_t drawStripes) override;
    HResult SetSlopedWaveForms(int32_t sloped) override;
    HResult SetExpandBusSignals(int32_t expand) override;
    HResult GetStyleName(int32_t index, TComString* name) override;
    HResult GetStyleColour(int32_t index, uint32_t* color) override;
    HResult GetStyleGroupColour(int32_t index, uint32_t* color) override;
    HResult GetStyleCount(int32_t* count) override;
    HResult GetStyleIndex(const char* name, int32_t* index) override;
};

// The module's preferences, reached by the exports and every document; nil without a module.
TWavePreferences* WavePreferences();
void SetWavePreferences(TWavePreferences* preferences);
