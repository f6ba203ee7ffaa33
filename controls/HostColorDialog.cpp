#include "controls/HostColorDialog.h"

#include "platform/com/Exception.h"
#include "plugin/RT_ServerImplementation.h"
#include "plugin/Rt_Param.h"

#include <charconv>
#include <cstring>

namespace {
constexpr int32_t cParameterBufferSize = 1024;
}

bool ExecuteHostColorDialog(TColor& color) {
    IClient* client = CurrentClient();
    if (client == nullptr)
        return false;
    TComPtr<IProcessLauncher> launcher;
    OleCheck(client->GetProcessLauncher(launcher.Out()));
    if (!launcher)
        return false;
    char parameters[cParameterBufferSize];
    const std::string request = "Dialog = Color | Color = " + std::to_string(color);
    std::strncpy(parameters, request.c_str(), sizeof parameters);
    OleCheck(
        launcher->RunProcess("Client:RunCommonDialog", parameters, cParameterBufferSize, nullptr));
    if (!SameKeyword(GetShortParameter(parameters, "Result"), "True"))
        return false;
    // A colour the module cannot read counts as no answer.
    const std::string text = GetShortParameter(parameters, "Color");
    int64_t chosen = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), chosen);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || chosen < 0 ||
        chosen > 0xFFFFFFFF)
        return false;
    color = static_cast<TColor>(chosen);
    return true;
}
