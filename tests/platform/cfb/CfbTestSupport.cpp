#include "CfbTestSupport.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <random>
#include <sys/wait.h>

namespace fs = std::filesystem;

TScratchDir::TScratchDir() {
    std::random_device random;
    Dir = fs::temp_directory_path() / ("wave-cfb-test-" + std::to_string(random()));
    fs::create_directories(Dir);
}

TScratchDir::~TScratchDir() {
    std::error_code ignored;
    fs::remove_all(Dir, ignored);
}

std::vector<uint8_t> PatternBytes(size_t size, uint32_t seed) {
    std::vector<uint8_t> bytes(size);
    uint32_t state = seed * 2654435761u + 1;
    for (auto& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<uint8_t>(state >> 16);
    }
    return bytes;
}

std::vector<uint8_t> ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteWholeFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

int RunCommand(const std::string& command, std::string* output) {
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return -1;
    std::array<char, 4096> chunk;
    size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        if (output)
            output->append(chunk.data(), n);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string CfbToolsDir(std::string& why) {
    const fs::path tools = fs::path(WAVE_SHARED_DIR) / "tools";
    if (!fs::exists(tools / "cfb_check.py")) {
        why = "the shared tools are not at " + tools.string();
        return {};
    }
    if (RunCommand("/usr/bin/python3 -c 'import olefile'") != 0) {
        why = "/usr/bin/python3 with python3-olefile is not installed";
        return {};
    }
    return tools.string();
}
