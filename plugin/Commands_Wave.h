// The module's 46 processes: each routes from the view to its document's process interface.
#pragma once

#include "plugin/RT_ServerImplementation.h"

void RegisterWaveProcesses(TCommandLauncher& launcher);
