// The host's colour dialog, run as the host process "Client:RunCommonDialog".
#pragma once

#include "rows/Wavefontobj.h"

// Offers color; true and the chosen colour when the host answers "True", else false with the
// colour unchanged. Throws when the host fails the process.
bool ExecuteHostColorDialog(TColor& color);
