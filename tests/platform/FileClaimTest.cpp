#include "platform/claim/FileClaim.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {
std::string TempFile(const char* name) {
    const auto path = std::filesystem::path(testing::TempDir()) / name;
    std::filesystem::remove(path.string() + ".owner");
    std::ofstream(path) << "data";
    return path.string();
}

void WriteForeignClaim(const std::string& file, const std::string& computer, long pid) {
    std::ofstream(ClaimFileName(file)) << "Filename=" << file << "\r\nComputerName=" << computer
                                       << "\r\nUserName=someone\r\nProcessID=" << pid << "\r\n";
}

// A process id that surely runs: a child that waits to be killed.
pid_t StartSleeper() {
    const pid_t child = fork();
    if (child == 0) {
        pause();
        _exit(0);
    }
    return child;
}
} // namespace

TEST(FileClaim, ClaimsAndReleasesItsOwnFile) {
    const std::string file = TempFile("claim_own.wave");
    {
        TFileClaim claim;
        EXPECT_FALSE(claim.Claim(file));
        EXPECT_TRUE(claim.Holds());
        EXPECT_TRUE(std::filesystem::exists(ClaimFileName(file)));
        EXPECT_FALSE(ForeignClaimOwner(file)); // ourselves
        std::filesystem::remove(ClaimFileName(file));
        EXPECT_FALSE(claim.Check()); // a vanished claim is written again
        EXPECT_TRUE(std::filesystem::exists(ClaimFileName(file)));
    }
    EXPECT_FALSE(std::filesystem::exists(ClaimFileName(file)));
}

TEST(FileClaim, AnotherLiveProcessHoldsTheFile) {
    const std::string file = TempFile("claim_foreign.wave");
    const pid_t other = StartSleeper();
    WriteForeignClaim(file, CurrentClaimOwner(file).ComputerName, other);

    auto owner = ForeignClaimOwner(file);
    ASSERT_TRUE(owner);
    EXPECT_EQ(owner->UserName, "someone");
    EXPECT_EQ(owner->ProcessID, other);
    TFileClaim claim;
    EXPECT_TRUE(claim.Claim(file));
    EXPECT_FALSE(claim.Holds());
    claim.Release(); // not ours: the other claim stays
    EXPECT_TRUE(ForeignClaimOwner(file));

    kill(other, SIGKILL);
    waitpid(other, nullptr, 0);
    EXPECT_FALSE(ForeignClaimOwner(file)); // stale now
    EXPECT_FALSE(claim.Claim(file));
    EXPECT_TRUE(claim.Holds());
}

TEST(FileClaim, OtherComputersAndTakeOverAreDetected) {
    const std::string file = TempFile("claim_remote.wave");
    TFileClaim claim;
    ASSERT_FALSE(claim.Claim(file));
    WriteForeignClaim(file, "far-away-host", 1);
    auto owner = claim.Check();
    ASSERT_TRUE(owner);
    EXPECT_EQ(owner->ComputerName, "far-away-host");
    EXPECT_FALSE(claim.Holds());

    std::ofstream(ClaimFileName(file)) << "not a claim";
    EXPECT_FALSE(ForeignClaimOwner(file));
}
