#include "printing/WavePrinterOptions.h"

#include "platform/com/Exception.h"
#include "preferences/OutArguments.h"
#include "preferences/PreferencesStorage.h"

#include <array>
#include <cmath>
#include <strings.h>

namespace {
// The names of each enumeration's values, in the order of their codes.
constexpr std::array<const char*, 3> kPrintRangeNames = {"prAllPages", "prSelection", "prPageNums"};
constexpr std::array<const char*, 2> kSignalRangeNames = {"PrintSignalRangeAll",
                                                          "PrintSignalRangeCurrent"};
constexpr std::array<const char*, 3> kTimeRangeNames = {
    "PrintTimeRangeAll", "PrintTimeRangeCurrent", "PrintTimeRangeCustom"};
constexpr std::array<const char*, 2> kTimeScaleNames = {"PrintTimeScaleCurrent",
                                                        "PrintTimeScalePages"};

template <class E, size_t N>
HResult AnswerName(TComString* out, E value, const std::array<const char*, N>& names) {
    return AnswerText(out, names[static_cast<size_t>(value)]);
}

// A name that matches none selects the first value.
template <class E, size_t N>
HResult TakeName(E& field, const char* name, const std::array<const char*, N>& names) {
    field = static_cast<E>(0);
    for (size_t i = 0; i < N; ++i)
        if (name != nullptr && strcasecmp(name, names[i]) == 0)
            field = static_cast<E>(i);
    return S_OK;
}

// Margins feed the page layout: a value that is not a finite number would spoil it.
HResult TakeMargin(double& field, double inches) {
    if (!std::isfinite(inches))
        return E_INVALIDARG;
    field = inches;
    return S_OK;
}

HResult TakeText(std::string& field, const char* text) {
    return GuardCall([&] { field = text ? text : ""; });
}
} // namespace

void TPrinterOptions::Read(const TPreferencesReader& reader) {
    UseColor = reader.ReadBoolean("UseColor", UseColor);
    LeftMargin = reader.ReadReal("LeftMargin", LeftMargin);
    BottomMargin = reader.ReadReal("BottomMargin", BottomMargin);
    RightMargin = reader.ReadReal("RightMargin", RightMargin);
    TopMargin = reader.ReadReal("TopMargin", TopMargin);
    Header = reader.ReadString("Header", Header);
    Footer = reader.ReadString("Footer", Footer);
    // A position outside the enumeration keeps the current range.
    const int32_t range = reader.ReadInteger("Range", static_cast<int32_t>(PrintRange));
    if (range >= 0 && range < static_cast<int32_t>(kPrintRangeNames.size()))
        PrintRange = static_cast<TPrintRange>(range);
    Copies = reader.ReadInteger("Copies", Copies);
}

void TPrinterOptions::Write(TPreferencesWriter& writer) const {
    writer.WriteBoolean("UseColor", UseColor);
    writer.WriteReal("LeftMargin", LeftMargin);
    writer.WriteReal("BottomMargin", BottomMargin);
    writer.WriteReal("RightMargin", RightMargin);
    writer.WriteReal("TopMargin", TopMargin);
    writer.WriteString("Header", Header);
    writer.WriteString("Footer", Footer);
    writer.WriteInteger("Range", static_cast<int32_t>(PrintRange));
    writer.WriteInteger("Copies", Copies);
}

HResult TPrinterOptions::GetUseColor(int32_t* useColor) {
    return Answer(useColor, UseColor ? 1 : 0);
}
HResult TPrinterOptions::GetPrintRange(TComString* range) {
    return AnswerName(range, PrintRange, kPrintRangeNames);
}
HResult TPrinterOptions::GetSignalRange(TComString* range) {
    return AnswerName(range, SignalRange, kSignalRangeNames);
}
HResult TPrinterOptions::GetTimeRange(TComString* range) {
    return AnswerName(range, TimeRange, kTimeRangeNames);
}
HResult TPrinterOptions::GetTimeScale(TComString* scale) {
    return AnswerName(scale, TimeScale, kTimeScaleNames);
}
HResult TPrinterOptions::GetCustomStartTime(int64_t* time) {
    return Answer(time, CustomStartTime);
}
HResult TPrinterOptions::GetCustomEndTime(int64_t* time) {
    return Answer(time, CustomEndTime);
}
HResult TPrinterOptions::GetPagesWide(int32_t* pages) {
    return Answer(pages, PagesWide);
}
HResult TPrinterOptions::GetLeftMargin(double* inches) {
    return Answer(inches, LeftMargin);
}
HResult TPrinterOptions::GetBottomMargin(double* inches) {
    return Answer(inches, BottomMargin);
}
HResult TPrinterOptions::GetRightMargin(double* inches) {
    return Answer(inches, RightMargin);
}
HResult TPrinterOptions::GetTopMargin(double* inches) {
    return Answer(inches, TopMargin);
}
HResult TPrinterOptions::GetHeader(TComString* text) {
    return AnswerText(text, Header);
}
HResult TPrinterOptions::GetFooter(TComString* text) {
    return AnswerText(text, Footer);
}
HResult TPrinterOptions::GetCopies(int32_t* copies) {
    return Answer(copies, Copies);
}

HResult TPrinterOptions::SetUseColor(int32_t useColor) {
    UseColor = useColor != 0;
    return S_OK;
}
HResult TPrinterOptions::SetPrintRange(const char* range) {
    return TakeName(PrintRange, range, kPrintRangeNames);
}
HResult TPrinterOptions::SetSignalRange(const char* range) {
    return TakeName(SignalRange, range, kSignalRangeNames);
}
HResult TPrinterOptions::SetTimeRange(const char* range) {
    return TakeName(TimeRange, range, kTimeRangeNames);
}
HResult TPrinterOptions::SetTimeScale(const char* scale) {
    return TakeName(TimeScale, scale, kTimeScaleNames);
}
HResult TPrinterOptions::SetCustomStartTime(int64_t time) {
    CustomStartTime = time;
    return S_OK;
}
HResult TPrinterOptions::SetCustomEndTime(int64_t time) {
    CustomEndTime = time;
    return S_OK;
}
// The time width of a page divides by the page count.
HResult TPrinterOptions::SetPagesWide(int32_t pages) {
    if (pages < 1)
        return E_INVALIDARG;
    PagesWide = pages;
    return S_OK;
}
HResult TPrinterOptions::SetLeftMargin(double inches) {
    return TakeMargin(LeftMargin, inches);
}
HResult TPrinterOptions::SetBottomMargin(double inches) {
    return TakeMargin(BottomMargin, inches);
}
HResult TPrinterOptions::SetRightMargin(double inches) {
    return TakeMargin(RightMargin, inches);
}
HResult TPrinterOptions::SetTopMargin(double inches) {
    return TakeMargin(TopMargin, inches);
}
HResult TPrinterOptions::SetHeader(const char* text) {
    return TakeText(Header, text);
}
HResult TPrinterOptions::SetFooter(const char* text) {
    return TakeText(Footer, text);
}
HResult TPrinterOptions::SetCopies(int32_t copies) {
    Copies = copies;
    return S_OK;
}
