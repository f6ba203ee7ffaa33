// The module's preferences as "KEY=VALUE" lines under their storage keys and in the order the
// module stores them, read through the module's interfaces only. Values look as the options
// file holds them: Booleans "true" or "false", colours and the print range as integers.
#pragma once

#include <ostream>

struct IWavePreferences;
struct IWavePrinterOptions;

// Throws when an interface call fails.
void PrintPreferences(IWavePreferences& preferences, IWavePrinterOptions& printerOptions,
                      std::ostream& out);
