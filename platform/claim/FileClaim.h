// Claims on open files: a companion file beside each document ("NAME.owner") records who has it
// open, so a second user, computer or process is told before it replaces the file.
#pragma once

#include <optional>
#include <string>

struct TClaimOwner {
    std::string FileName;
    std::string ComputerName;
    std::string UserName;
    long ProcessID = 0;
    friend bool operator==(const TClaimOwner&, const TClaimOwner&) = default;
};

// Who this process is.
TClaimOwner CurrentClaimOwner(const std::string& fileName);

// The companion file of a document.
std::string ClaimFileName(const std::string& fileName);

// The owner recorded for the file when it is someone other than this process and the claim is
// alive (a claim of a finished process on this computer is stale and does not count).
std::optional<TClaimOwner> ForeignClaimOwner(const std::string& fileName);

// One document's claim on its file, held from Claim until Release or destruction.
class TFileClaim {
public:
    TFileClaim() = default;
    TFileClaim(const TFileClaim&) = delete;
    TFileClaim& operator=(const TFileClaim&) = delete;
    ~TFileClaim();

    // Records this process as the owner unless another live owner holds the file; answers that
    // owner then. Writing the claim may fail silently (read-only folder): the file stays usable.
    std::optional<TClaimOwner> Claim(const std::string& fileName);
    // Re-checks the claim (the periodic check): restores it when it vanished, answers a foreign
    // owner that took the file over.
    std::optional<TClaimOwner> Check();
    // Removes the companion file when it is still ours.
    void Release();

    bool Holds() const { return Held; }
    const std::string& FileName() const { return File; }

private:
    std::string File;
    bool Held = false;
};
