// The printer options: what to print, how and with which header and footer. The preferences own
// them and store all but the range, scale and page choices, which start at their defaults with
// every module start.
#pragma once

#include "platform/com/Interfaced.h"
#include "preferences/RT_Wave.h"

#include <cstdint>
#include <string>

class TPreferencesReader;
class TPreferencesWriter;

// Kept and stored; printing itself does not use it.
enum class TPrintRange : int32_t { AllPages, Selection, PageNums };
enum class TPrintSignalRange : int32_t { All, Current };
enum class TPrintTimeRange : int32_t { All, Current, Custom };
enum class TPrintTimeScale : int32_t { Current, Pages };

class TPrinterOptions : public TUncountedObject<IWavePrinterOptions> {
public:
    bool UseColor = false;
    TPrintRange PrintRange = TPrintRange::AllPages;
    TPrintSignalRange SignalRange = TPrintSignalRange::Current;
    TPrintTimeRange TimeRange = TPrintTimeRange::Current;
    TPrintTimeScale TimeScale = TPrintTimeScale::Current;
    int64_t CustomStartTime = 0;
    int64_t CustomEndTime = 0;
    int32_t PagesWide = 1;
    double LeftMargin = 1.0; // inches
    double BottomMargin = 1.0;
    double RightMargin = 0.7;
    double TopMargin = 0.7;
    std::string Header = ".Filename .Time .Date";
    std::string Footer = "Page .Page";
    int32_t Copies = 1;

    // A missing or unusable key keeps the value in memory.
    void Read(const TPreferencesReader& reader);
    void Write(TPreferencesWriter& writer) const;

    // IWavePrinterOptions
    HResult GetUseColor(int32_t* useColor) override;
    HResult GetPrintRange(TComString* range) override;
    HResult GetSignalRange(TComString* range) override;
    HResult GetTimeRange(TComString* range) override;
    HResult GetTimeScale(TComString* scale) override;
    HResult GetCustomStartTime(int64_t* time) override;
    HResult GetCustomEndTime(int64_t* time) override;
    HResult GetPagesWide(int32_t* pages) override;
    HResult GetLeftMargin(double* inches) override;
    HResult GetBottomMargin(double* inches) override;
    HResult GetRightMargin(double* inches) override;
    HResult GetTopMargin(double* inches) override;
    HResult GetHeader(TComString* text) override;
    HResult GetFooter(TComString* text) override;
    HResult GetCopies(int32_t* copies) override;

    HResult SetUseColor(int32_t useColor) override;
    HResult SetPrintRange(const char* range) override;
    HResult SetSignalRange(const char* range) override;
    HResult SetTimeRange(const char* range) override;
    HResult SetTimeScale(const char* scale) override;
    HResult SetCustomStartTime(int64_t time) override;
    HResult SetCustomEndTime(int64_t time) override;
    HResult SetPagesWide(int32_t pages) override;
    HResult SetLeftMargin(double inches) override;
    HResult SetBottomMargin(double inches) override;
    HResult SetRightMargin(double inches) override;
    HResult SetTopMargin(double inches) override;
    HResult SetHeader(const char* text) override;
    HResult SetFooter(const char* text) override;
    HResult SetCopies(int32_t copies) override;
};
