// Helpers of the compound-file tests: scratch folders, folder trees of test content, and the
// shared checking tools.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with the object.
class TScratchDir {
public:
    TScratchDir();
    ~TScratchDir();
    const std::filesystem::path& Path() const { return Dir; }
    std::string operator/(const std::string& name) const { return (Dir / name).string(); }

private:
    std::filesystem::path Dir;
};

// Deterministic bytes that differ per seed, so misplaced sectors show.
std::vector<uint8_t> PatternBytes(size_t size, uint32_t seed);
std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// Runs a shell command; returns its exit status and fills output with what it printed.
int RunCommand(const std::string& command, std::string* output = nullptr);

// The folder of the shared tools, or empty with the reason in why when they cannot run.
std::string CfbToolsDir(std::string& why);
