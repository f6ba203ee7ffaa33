// The interfaces through which other modules and the host read and change the waveform module's
// preferences and printer options. Getters clear and fill their out argument.
#pragma once

#include "platform/com/Com.h"

#include <cstdint>

struct IWavePreferences : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{C9EDD8FB-1A74-4FBD-BA65-5EAF5EBA4E1C}");
    // Fonts travel in their text form.
    virtual HResult GetSignalFont(TComString* fontText) = 0;
    virtual HResult GetLabelFont(TComString* fontText) = 0;
    virtual HResult GetSignalHeight(uint8_t* height) = 0;
    virtual HResult GetValueColumn(int32_t* valueColumn) = 0;
    virtual HResult GetBackGroundColor(uint32_t* color) = 0;
    virtual HResult GetSimBackgroundColor(uint32_t* color) = 0;
    virtual HResult GetDrawHGridLines(uint8_t* draw) = 0;
    virtual HResult GetDrawVGridLines(uint8_t* draw) = 0;
    virtual HResult GetGraphicalEdit(int32_t* graphicalEdit) = 0;
    virtual HResult GetDrawStripes(int32_t* drawStripes) = 0;
    virtual HResult GetSlopedWaveForms(int32_t* sloped) = 0;
    virtual HResult GetExpandBusSignals(int32_t* expand) = 0;

    // At most 255 characters of the text count.
    virtual HResult SetSignalFont(const char* fontText) = 0;
    virtual HResult SetLabelFont(const char* fontText) = 0;
    // Keeps the low byte.
    virtual HResult SetSignalHeight(int32_t height) = 0;
    // Boolean setters take any nonzero value as true...
    virtual HResult SetValueColumn(int32_t valueColumn) = 0;
    virtual HResult SetBackGroundColor(uint32_t color) = 0;
    virtual HResult SetSimBackgroundColor(uint32_t color) = 0;
    // ...except the two grid-line switches, byte Booleans that keep the argument's low byte
    // (a nonzero argument whose low byte is zero still stores true).
    virtual HResult SetDrawHGridLines(int32_t draw) = 0;
    virtual HResult SetDrawVGridLines(int32_t draw) = 0;
    virtual HResult SetGraphicalEdit(int32_t graphicalEdit) = 0;
    virtual HResult SetDrawStripes(int32_t drawStripes) = 0;
    virtual HResult SetSlopedWaveForms(int32_t sloped) = 0;
    virtual HResult SetExpandBusSignals(int32_t expand) = 0;

    // Out of range: an empty name and the colours of a new style.
    virtual HResult GetStyleName(int32_t index, TComString* name) = 0;
    virtual HResult GetStyleColour(int32_t index, uint32_t* color) = 0;
    virtual HResult GetStyleGroupColour(int32_t index, uint32_t* color) = 0;
    virtual HResult GetStyleCount(int32_t* count) = 0;
    // The first style of that name ignoring case, or -1.
    virtual HResult GetStyleIndex(const char* name, int32_t* index) = 0;
};

// Enumerations travel as their names; a setter takes a name without regard to letter case and
// chooses the first value for a name it does not know.
struct IWavePrinterOptions : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{9C935C00-7A27-4549-B73A-A2486D6CAF89}");
    virtual HResult GetUseColor(int32_t* useColor) = 0;
    virtual HResult GetPrintRange(TComString* range) = 0;
    virtual HResult GetSignalRange(TComString* range) = 0;
    virtual HResult GetTimeRange(TComString* range) = 0;
    virtual HResult GetTimeScale(TComString* scale) = 0;
    virtual HResult GetCustomStartTime(int64_t* time) = 0;
    virtual HResult GetCustomEndTime(int64_t* time) = 0;
    virtual HResult GetPagesWide(int32_t* pages) = 0;
    virtual HResult GetLeftMargin(double* inches) = 0;
    virtual HResult GetBottomMargin(double* inches) = 0;
    virtual HResult GetRightMargin(double* inches) = 0;
    virtual HResult GetTopMargin(double* inches) = 0;
    virtual HResult GetHeader(TComString* text) = 0;
    virtual HResult GetFooter(TComString* text) = 0;
    virtual HResult GetCopies(int32_t* copies) = 0;

    virtual HResult SetUseColor(int32_t useColor) = 0;
    virtual HResult SetPrintRange(const char* range) = 0;
    virtual HResult SetSignalRange(const char* range) = 0;
    virtual HResult SetTimeRange(const char* range) = 0;
    virtual HResult SetTimeScale(const char* scale) = 0;
    virtual HResult SetCustomStartTime(int64_t time) = 0;
    virtual HResult SetCustomEndTime(int64_t time) = 0;
    // Fewer than one page is refused.
    virtual HResult SetPagesWide(int32_t pages) = 0;
    // A margin that is not a finite number is refused.
    virtual HResult SetLeftMargin(double inches) = 0;
    virtual HResult SetBottomMargin(double inches) = 0;
    virtual HResult SetRightMargin(double inches) = 0;
    virtual HResult SetTopMargin(double inches) = 0;
    virtual HResult SetHeader(const char* text) = 0;
    virtual HResult SetFooter(const char* text) = 0;
    virtual HResult SetCopies(int32_t copies) = 0;
};

// The module's exports that hand these out.
using TGetWavePreferencesFunc = HResult (*)(IWavePreferences** preferences);
using TGetWavePrinterOptionsFunc = HResult (*)(IWavePrinterOptions** options);
