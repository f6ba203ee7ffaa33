// What the host's options dialog does with a page a module hands out for it: embed its window,
// fill it, reset it to the defaults, ask whether the user changed anything and apply it.
#pragma once

#include "platform/com/Com.h"

struct IOptionsPage : IUnknown {
    static constexpr TGUID IID = TGUID::Parse("{5D1E7A2C-3B4F-4A60-9C8D-7E6F5A4B3C21}");
    // The page's widget (a QWidget*) for the host to place in its dialog.
    virtual HResult GetWindow(void** window) = 0;
    virtual HResult ShowValues() = 0;
    virtual HResult SetDefaults() = 0;
    virtual HResult GetChanged(int32_t* changed) = 0;
    virtual HResult Apply() = 0;
};
