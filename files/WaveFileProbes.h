// Recognising a waveform file's format by its signature. Each probe opens the file, reads only
// what it needs and answers whether the file is of its format; an unreadable file is not.
#pragma once

#include <string>

namespace WaveSignatures {
inline constexpr const char* BinaryV2 = "Vardex for Windows - Waveform Binary File Version 2.0";
inline constexpr const char* AsciiV2 = "Vardex for Windows - Waveform Ascii File Version 2.0";
inline constexpr const char* BinaryV1 = "Vardex for Windows - Waveform Binary File Version 1.0\r\n";
inline constexpr const char* CuplSimulation = "CSIM(WM): CUPL Simulation Program";
} // namespace WaveSignatures

bool IsBinaryV2File(const std::string& fileName);
bool IsAsciiV2File(const std::string& fileName);
bool IsBinaryV1File(const std::string& fileName);
bool IsCuplSimulationFile(const std::string& fileName);
// Another simulator's listing, refused without a message.
bool IsForeignSimulatorFile(const std::string& fileName);
