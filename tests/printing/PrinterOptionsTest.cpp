#include "printing/WavePrinterOptions.h"

#include <gtest/gtest.h>

namespace {
std::string Text(IWavePrinterOptions& o, HResult (IWavePrinterOptions::*getter)(TComString*)) {
    TComString text;
    EXPECT_EQ((o.*getter)(&text), S_OK);
    return text.Str();
}

template <class T, class Getter> T Read(IWavePrinterOptions& o, Getter getter) {
    T value{};
    EXPECT_EQ((o.*getter)(&value), S_OK);
    return value;
}
} // namespace

TEST(PrinterOptions, DefaultsThroughTheInterface) {
    TPrinterOptions options;
    IWavePrinterOptions& o = options;
    EXPECT_EQ(Read<int32_t>(o, &IWavePrinterOptions::GetUseColor), 0);
    EXPECT_EQ(Text(o, &IWavePrinterOptions::GetPrintRange), "prAllPages");
    EXPECT_EQ(Text(o, &IWavePrinterOptions::GetSignalRange), "PrintSignalRangeCurrent");
    EXPECT_EQ(Text(o, &IWavePrinterOptions::GetTimeRange), "PrintTimeRangeCurrent");
    EXPECT_EQ(Text(o, &IWavePrinterOptions::GetTimeScale), "PrintTimeScaleCurrent");
    EXPECT_EQ(Read<int64_t>(o, &IWavePrinterOptions::GetCustomStartTime), 0);
    EXPECT_EQ(Read<int64_t>(o, &IWavePrinterOptions::GetCustomEndTime), 0);
    EXPECT_EQ(Read<int32_t>(o, &IWavePrinterOptions::GetPagesWide), 1);
    EXPECT_EQ(Read<double>(o, &IWavePrinterOptions::GetLeftMargin), 1.0);
    EXPECT_EQ(Read<double>(o, &IWavePrinterOptions::GetBottomMargin), 1.0);
    EXPECT_EQ(Read<double>(o, &IWavePrinterOptions::GetRightMargin), 0.7);
    EXPECT_EQ(Read<double>(o, &IWavePrinterOptions::GetTopMargin), 0.7);
    EXPECT_EQ(Text(o, &IWavePrinterOptions::GetHeader), ".Filename .Time .Date");
    EXPECT_EQ(Text(o, &IWavePrinterOptions::GetFooter), "Page .Page");
    EXPECT_EQ(Read<int32_t>(o, &IWavePrinterOptions::GetCopies), 1);
    EXPECT_EQ(o.GetHeader(nullptr), E_POINTER);
}

TEST(PrinterOptions, EnumerationSettersIgnoreCaseAndFallBackToTheFirstValue) {
    TPrinterOptions options;
    IWavePrinterOptions& o = options;
    struct TCase {
        HResult (IWavePrinterOptions::*Setter)(const char*);
        HResult (IWavePrinterOptions::*Getter)(TComString*);
        const char* Given;
        const char* Expected;
    };
    const TCase cases[] = {
        {&IWavePrinterOptions::SetPrintRange, &IWavePrinterOptions::GetPrintRange, "PRPAGENUMS",
         "prPageNums"},
        {&IWavePrinterOptions::SetPrintRange, &IWavePrinterOptions::GetPrintRange, "pages",
         "prAllPages"},
        {&IWavePrinterOptions::SetSignalRange, &IWavePrinterOptions::GetSignalRange,
         "printsignalrangeall", "PrintSignalRangeAll"},
        {&IWavePrinterOptions::SetSignalRange, &IWavePrinterOptions::GetSignalRange, nullptr,
         "PrintSignalRangeAll"},
        {&IWavePrinterOptions::SetTimeRange, &IWavePrinterOptions::GetTimeRange,
         "PrintTimeRangeCUSTOM", "PrintTimeRangeCustom"},
        {&IWavePrinterOptions::SetTimeRange, &IWavePrinterOptions::GetTimeRange, "",
         "PrintTimeRangeAll"},
        {&IWavePrinterOptions::SetTimeScale, &IWavePrinterOptions::GetTimeScale,
         "printtimescalepages", "PrintTimeScalePages"},
        {&IWavePrinterOptions::SetTimeScale, &IWavePrinterOptions::GetTimeScale,
         " PrintTimeScalePages", "PrintTimeScaleCurrent"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Given ? c.Given : "nil");
        EXPECT_EQ((o.*c.Setter)(c.Given), S_OK);
        EXPECT_EQ(Text(o, c.Getter), c.Expected);
    }
}

TEST(PrinterOptions, SettersStoreValuesAndRefuseUnusableOnes) {
    TPrinterOptions options;
    IWavePrinterOptions& o = options;
    EXPECT_EQ(o.SetUseColor(-5), S_OK);
    EXPECT_TRUE(options.UseColor);
    EXPECT_EQ(o.SetCustomStartTime(-1), S_OK);
    EXPECT_EQ(o.SetCustomEndTime(INT64_MAX), S_OK);
    EXPECT_EQ(Read<int64_t>(o, &IWavePrinterOptions::GetCustomEndTime), INT64_MAX);
    EXPECT_EQ(o.SetHeader("Page .PAGE of many"), S_OK);
    EXPECT_EQ(o.SetFooter(nullptr), S_OK);
    EXPECT_EQ(options.Header, "Page .PAGE of many");
    EXPECT_EQ(options.Footer, "");
    EXPECT_EQ(o.SetCopies(3), S_OK);
    EXPECT_EQ(options.Copies, 3);

    EXPECT_EQ(o.SetLeftMargin(0.25), S_OK);
    EXPECT_EQ(o.SetTopMargin(std::numeric_limits<double>::quiet_NaN()), E_INVALIDARG);
    EXPECT_EQ(o.SetRightMargin(std::numeric_limits<double>::infinity()), E_INVALIDARG);
    EXPECT_EQ(options.LeftMargin, 0.25);
    EXPECT_EQ(options.TopMargin, 0.7);
    EXPECT_EQ(options.RightMargin, 0.7);

    EXPECT_EQ(o.SetPagesWide(4), S_OK);
    EXPECT_EQ(o.SetPagesWide(0), E_INVALIDARG);
    EXPECT_EQ(options.PagesWide, 4);
}
