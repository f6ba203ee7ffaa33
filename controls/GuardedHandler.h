// Runs a form's event handler: an exception must not unwind through Qt's event loop, so it ends
// the action with the system's error box.
#pragma once

#include "platform/ui/UIService.h"

#include <exception>

template <class F> void RunGuarded(F&& action) {
    try {
        action();
    } catch (const std::exception& e) {
        ShowErrorMessage(e.what());
    }
}
