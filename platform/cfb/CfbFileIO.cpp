#include "platform/cfb/CfbFileIO.h"

#include "platform/cfb/CfbError.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr size_t WriteBehindSize = 1 << 20;

HResult OpenFailure(int error) {
    switch (error) {
    case ENOENT:
        return STG_E_FILENOTFOUND;
    case ENOTDIR:
        return STG_E_PATHNOTFOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return STG_E_ACCESSDENIED;
    default:
        return STG_E_READFAULT;
    }
}
} // namespace

TCfbFileIO::TCfbFileIO(int fd, std::string targetPath, std::string tempPath)
    : Fd(fd), TargetPath(std::move(targetPath)), TempPath(std::move(tempPath)) {
    struct stat info {};
    if (fstat(Fd, &info) == 0)
        FileSize = static_cast<uint64_t>(info.st_size);
}

std::unique_ptr<TCfbFileIO> TCfbFileIO::Open(const std::string& path, bool writable) {
    const int fd = ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd < 0)
        throw ECfbError(OpenFailure(errno), path, std::strerror(errno));
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw ECfbError(STG_E_ACCESSDENIED, path, "It is not a regular file.");
    }
    return std::unique_ptr<TCfbFileIO>(new TCfbFileIO(fd, path, {}));
}

std::unique_ptr<TCfbFileIO> TCfbFileIO::CreateBeside(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0;; ++attempt) {
        const std::string temp =
            path + ".~" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
        const int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return std::unique_ptr<TCfbFileIO>(new TCfbFileIO(fd, path, temp));
        if (errno != EEXIST || attempt > 100)
            throw ECfbError(OpenFailure(errno), path, std::strerror(errno));
    }
}

TCfbFileIO::~TCfbFileIO() {
    ::close(Fd);
    if (!TempPath.empty())
        ::unlink(TempPath.c_str());
}

size_t TCfbFileIO::ReadAt(uint64_t position, void* buffer, size_t count) {
    if (!Pending.empty() && position < PendingPosition + Pending.size() &&
        PendingPosition < position + count)
        Flush();
    auto* out = static_cast<uint8_t*>(buffer);
    size_t done = 0;
    while (done < count) {
        const ssize_t n =
            ::pread(Fd, out + done, count - done, static_cast<off_t>(position + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw ECfbError(STG_E_READFAULT, TargetPath, std::strerror(errno));
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    return done;
}

void TCfbFileIO::WriteAt(uint64_t position, const void* buffer, size_t count) {
    const auto* data = static_cast<const uint8_t*>(buffer);
    const bool continues = position == PendingPosition + Pending.size();
    if (!(continues && Pending.size() + count <= WriteBehindSize))
        Flush();
    if (count >= WriteBehindSize) {
        WriteThrough(position, data, count);
    } else {
        if (Pending.empty())
            PendingPosition = position;
        Pending.insert(Pending.end(), data, data + count);
    }
    FileSize = std::max(FileSize, position + count);
}

void TCfbFileIO::WriteThrough(uint64_t position, const uint8_t* data, size_t count) {
    size_t done = 0;
    while (done < count) {
        const ssize_t n =
            ::pwrite(Fd, data + done, count - done, static_cast<off_t>(position + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw ECfbError(errno == ENOSPC ? STG_E_MEDIUMFULL : STG_E_WRITEFAULT, TargetPath,
                            std::strerror(errno));
        done += static_cast<size_t>(n);
    }
}

void TCfbFileIO::Flush() {
    if (Pending.empty())
        return;
    std::vector<uint8_t> data;
    data.swap(Pending);
    WriteThrough(PendingPosition, data.data(), data.size());
    data.clear();
    Pending.swap(data);
}

void TCfbFileIO::SetSize(uint64_t size) {
    Flush();
    if (::ftruncate(Fd, static_cast<off_t>(size)) != 0)
        throw ECfbError(STG_E_WRITEFAULT, TargetPath, std::strerror(errno));
    FileSize = size;
}

void TCfbFileIO::Publish() {
    Flush();
    if (TempPath.empty())
        return;
    if (std::rename(TempPath.c_str(), TargetPath.c_str()) != 0)
        throw ECfbError(STG_E_ACCESSDENIED, TargetPath, std::strerror(errno));
    TempPath.clear();
}
