#include "platform/ui/HostScriptedUIService.h"

#include "platform/com/Exception.h"
#include "plugin/RT_ClientServerInterface.h"
#include "plugin/Rt_Param.h"
#include "rows/Wavefontobj.h"

#include <cstdio>
#include <cstdlib>

namespace {
struct TButtonName {
    TMsgDlgButton Button;
    TModalResult Result;
    const char* Name;
};
// In the order a box offers them; the first offered is the default answer.
constexpr TButtonName kButtons[] = {
    {mbYes, mrYes, "Yes"},          {mbNo, mrNo, "No"},          {mbOK, mrOk, "OK"},
    {mbCancel, mrCancel, "Cancel"}, {mbAbort, mrAbort, "Abort"}, {mbRetry, mrRetry, "Retry"},
    {mbIgnore, mrIgnore, "Ignore"},
};
} // namespace

std::string THostScriptedUIService::NextAnswer() {
    if (Gui == nullptr)
        return {};
    TComString answer;
    OleCheck(Gui->NextPresetAnswer(&answer));
    return answer.Str();
}

void THostScriptedUIService::Log(const std::string& caption, const std::string& text) {
    const std::string line = caption + ": " + text;
    if (Gui)
        OleCheck(Gui->LogMessage(line.c_str()));
    else
        std::fprintf(stderr, "%s\n", line.c_str());
}

TModalResult THostScriptedUIService::MessageDlg(const std::string& caption, const std::string& text,
                                                TMsgDlgType, TMsgDlgButtons buttons) {
    Log(caption, text);
    const std::string answer = NextAnswer();
    TModalResult first = mrNone;
    for (const auto& b : kButtons) {
        if ((buttons & b.Button) == 0)
            continue;
        if (first == mrNone)
            first = b.Result;
        if (SameKeyword(answer, b.Name))
            return b.Result;
    }
    return first;
}

bool THostScriptedUIService::InputQuery(const std::string& caption, const std::string& prompt,
                                        std::string& value) {
    Log(caption, prompt);
    const std::string answer = NextAnswer();
    if (answer.empty() || SameKeyword(answer, "Cancel"))
        return false;
    value = answer;
    return true;
}

bool THostScriptedUIService::FontDialog(TWaveFont& font, void*) {
    Log("Font", FontToText(font));
    const std::string answer = NextAnswer();
    if (SameKeyword(answer, "OK"))
        return true;
    // A font text starts with its size.
    char* sizeEnd = nullptr;
    std::strtol(answer.c_str(), &sizeEnd, 10);
    if (answer.empty() || sizeEnd == answer.c_str())
        return false;
    const TColor color = font.Color;
    FontFromText(answer, font);
    font.Color = color;
    return true;
}
