#include "platform/claim/FileClaim.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace {
std::string HostName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return "localhost";
    return name;
}

std::string UserName() {
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name)
        return pw->pw_name;
    if (const char* user = std::getenv("USER"))
        return user;
    return std::to_string(getuid());
}

std::optional<TClaimOwner> ReadClaim(const std::string& claimFile) {
    std::ifstream in(claimFile, std::ios::binary);
    if (!in)
        return std::nullopt;
    TClaimOwner owner;
    bool hasProcess = false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "Filename")
            owner.FileName = value;
        else if (key == "ComputerName")
            owner.ComputerName = value;
        else if (key == "UserName")
            owner.UserName = value;
        else if (key == "ProcessID") {
            char* end = nullptr;
            owner.ProcessID = std::strtol(value.c_str(), &end, 10);
            hasProcess = end != value.c_str();
        }
    }
    if (!hasProcess || owner.ComputerName.empty())
        return std::nullopt; // not a claim: ignore it
    return owner;
}

// A process on this computer that no longer runs holds nothing.
bool IsAlive(const TClaimOwner& owner) {
    if (owner.ComputerName != HostName())
        return true;
    if (owner.ProcessID <= 0)
        return false;
    return kill(static_cast<pid_t>(owner.ProcessID), 0) == 0 || errno == EPERM;
}

bool IsThisProcess(const TClaimOwner& owner) {
    return owner.ComputerName == HostName() && owner.ProcessID == static_cast<long>(getpid());
}

void WriteClaim(const std::string& fileName) {
    const TClaimOwner me = CurrentClaimOwner(fileName);
    const std::string target = ClaimFileName(fileName);
    const std::string temporary = target + ".tmp" + std::to_string(me.ProcessID);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return;
        out << "Filename=" << me.FileName << "\nComputerName=" << me.ComputerName
            << "\nUserName=" << me.UserName << "\nProcessID=" << me.ProcessID << "\n";
        if (!out.flush())
            return;
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error)
        std::filesystem::remove(temporary, error);
}
} // namespace

TClaimOwner CurrentClaimOwner(const std::string& fileName) {
    return {fileName, HostName(), UserName(), static_cast<long>(getpid())};
}

std::string ClaimFileName(const std::string& fileName) {
    return fileName + ".owner";
}

std::optional<TClaimOwner> ForeignClaimOwner(const std::string& fileName) {
    auto owner = ReadClaim(ClaimFileName(fileName));
    if (!owner || IsThisProcess(*owner) || !IsAlive(*owner))
        return std::nullopt;
    return owner;
}

TFileClaim::~TFileClaim() {
    Release();
}

std::optional<TClaimOwner> TFileClaim::Claim(const std::string& fileName) {
    Release();
    File = fileName;
    if (auto foreign = ForeignClaimOwner(fileName))
        return foreign;
    WriteClaim(fileName);
    Held = true;
    return std::nullopt;
}

std::optional<TClaimOwner> TFileClaim::Check() {
    if (!Held)
        return std::nullopt;
    if (auto foreign = ForeignClaimOwner(File)) {
        Held = false;
        return foreign;
    }
    if (!ReadClaim(ClaimFileName(File)))
        WriteClaim(File);
    return std::nullopt;
}

void TFileClaim::Release() {
    if (!Held)
        return;
    Held = false;
    const auto owner = ReadClaim(ClaimFileName(File));
    if (owner && IsThisProcess(*owner)) {
        std::error_code error;
        std::filesystem::remove(ClaimFileName(File), error);
    }
}
