// The host's common dialogs, which modules run as the host process "Client:RunCommonDialog".
// The parameter "Dialog" names the dialog; "Color" is the one offered. It answers "Result" =
// "True" with the chosen "Color" (a decimal colour, red in the low byte), or "Result" = "False".
#pragma once

#include <cstdint>

struct IGUIManager;

// Headless hosts log "Color: CURRENT" and take the next preset answer: a decimal colour picks
// it, "OK" keeps the current one, anything else (or none left) cancels.
void RunCommonDialog(char* parameters, int32_t bufferSize, bool interactive, IGUIManager& gui,
                     void* ownerWindow);
