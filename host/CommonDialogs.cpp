#include "host/CommonDialogs.h"

#include "platform/com/Exception.h"
#include "platform/ui/QtConvert.h"
#include "plugin/RT_ClientServerInterface.h"
#include "plugin/Rt_Param.h"

#include <QColorDialog>
#include <QWidget>
#include <charconv>
#include <optional>

namespace {
std::optional<uint32_t> ColorFromText(std::string_view text) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0 ||
        value > 0xFFFFFF)
        return std::nullopt;
    return static_cast<uint32_t>(value);
}

std::optional<uint32_t> AskHeadless(IGUIManager& gui, uint32_t current) {
    const std::string line = "Color: " + std::to_string(current);
    OleCheck(gui.LogMessage(line.c_str()));
    TComString answer;
    OleCheck(gui.NextPresetAnswer(&answer));
    if (SameKeyword(answer.Str(), "OK"))
        return current;
    return ColorFromText(answer.Str());
}

std::optional<uint32_t> AskInteractive(uint32_t current, void* ownerWindow) {
    const QColor chosen =
        QColorDialog::getColor(ToQtColor(current), static_cast<QWidget*>(ownerWindow));
    if (!chosen.isValid())
        return std::nullopt;
    return FromQtColor(chosen);
}
} // namespace

void RunCommonDialog(char* parameters, int32_t bufferSize, bool interactive, IGUIManager& gui,
                     void* ownerWindow) {
    if (parameters == nullptr || bufferSize <= 0)
        return;
    std::string dialog;
    GetParameter(parameters, "Dialog", dialog);
    std::optional<uint32_t> chosen;
    if (SameKeyword(dialog, "Color")) {
        const uint32_t current = ColorFromText(GetShortParameter(parameters, "Color")).value_or(0);
        chosen = interactive ? AskInteractive(current, ownerWindow) : AskHeadless(gui, current);
    }
    SetParameter(parameters, bufferSize, "Result", chosen ? "True" : "False");
    if (chosen)
        SetParameter(parameters, bufferSize, "Color", std::to_string(*chosen));
}
