#include "host/PreferencesReport.h"

#include "platform/com/Exception.h"
#include "preferences/RT_Wave.h"

#include <array>
#include <charconv>
#include <string>

namespace {
// The print range is stored as its position among these names.
constexpr std::array<const char*, 3> kPrintRangeNames = {"prAllPages", "prSelection", "prPageNums"};

class TReport {
public:
    explicit TReport(std::ostream& out) : Out(out) {}

    void Line(const std::string& key, const std::string& value) {
        Out << key << '=' << value << '\n';
    }
    void Text(const std::string& key, auto getter) {
        TComString value;
        OleCheck(getter(&value));
        Line(key, value.Str());
    }
    template <class T> void Number(const std::string& key, auto getter) {
        T value{};
        OleCheck(getter(&value));
        Line(key, std::to_string(value));
    }
    // Colours are stored as signed 32-bit integers.
    void Color(const std::string& key, auto getter) {
        uint32_t value = 0;
        OleCheck(getter(&value));
        Line(key, std::to_string(static_cast<int32_t>(value)));
    }
    template <class T> void Boolean(const std::string& key, auto getter) {
        T value{};
        OleCheck(getter(&value));
        Line(key, value ? "true" : "false");
    }
    void Real(const std::string& key, auto getter) {
        double value = 0;
        OleCheck(getter(&value));
        char text[32];
        const auto result = std::to_chars(text, text + sizeof text, value);
        Line(key, std::string(text, result.ptr));
    }
    void PrintRange(const std::string& key, IWavePrinterOptions& options) {
        TComString name;
        OleCheck(options.GetPrintRange(&name));
        for (size_t i = 0; i < kPrintRangeNames.size(); ++i)
            if (name.Str() == kPrintRangeNames[i])
                return Line(key, std::to_string(i));
        throw Exception("Unknown print range " + name.Str());
    }

private:
    std::ostream& Out;
};
} // namespace

void PrintPreferences(IWavePreferences& p, IWavePrinterOptions& o, std::ostream& out) {
    TReport report(out);
    report.Text("SignalFont", [&](TComString* v) { return p.GetSignalFont(v); });
    report.Number<uint8_t>("SignalHeight", [&](uint8_t* v) { return p.GetSignalHeight(v); });
    report.Boolean<int32_t>("ValueColumn", [&](int32_t* v) { return p.GetValueColumn(v); });
    report.Color("BackGroundColor", [&](uint32_t* v) { return p.GetBackGroundColor(v); });
    report.Color("SimBackgroundColor", [&](uint32_t* v) { return p.GetSimBackgroundColor(v); });
    report.Boolean<uint8_t>("DrawHGridLines", [&](uint8_t* v) { return p.GetDrawHGridLines(v); });
    report.Boolean<uint8_t>("DrawVGridLines", [&](uint8_t* v) { return p.GetDrawVGridLines(v); });
    report.Boolean<int32_t>("GraphicalEdit", [&](int32_t* v) { return p.GetGraphicalEdit(v); });
    report.Boolean<int32_t>("DrawStripes", [&](int32_t* v) { return p.GetDrawStripes(v); });
    report.Boolean<int32_t>("SlopedWaveForms", [&](int32_t* v) { return p.GetSlopedWaveForms(v); });
    report.Boolean<int32_t>("ExpandBusSignals",
                            [&](int32_t* v) { return p.GetExpandBusSignals(v); });
    int32_t styles = 0;
    OleCheck(p.GetStyleCount(&styles));
    for (int32_t i = 0; i < styles; ++i) {
        const std::string n = std::to_string(i);
        report.Text("StyleName" + n, [&](TComString* v) { return p.GetStyleName(i, v); });
        report.Color("StyleColour" + n, [&](uint32_t* v) { return p.GetStyleColour(i, v); });
        report.Color("StyleGroupColour" + n,
                     [&](uint32_t* v) { return p.GetStyleGroupColour(i, v); });
    }
    report.Boolean<int32_t>("UseColor", [&](int32_t* v) { return o.GetUseColor(v); });
    report.Real("LeftMargin", [&](double* v) { return o.GetLeftMargin(v); });
    report.Real("BottomMargin", [&](double* v) { return o.GetBottomMargin(v); });
    report.Real("RightMargin", [&](double* v) { return o.GetRightMargin(v); });
    report.Real("TopMargin", [&](double* v) { return o.GetTopMargin(v); });
    report.Text("Header", [&](TComString* v) { return o.GetHeader(v); });
    report.Text("Footer", [&](TComString* v) { return o.GetFooter(v); });
    report.PrintRange("Range", o);
    report.Number<int32_t>("Copies", [&](int32_t* v) { return o.GetCopies(v); });
}
