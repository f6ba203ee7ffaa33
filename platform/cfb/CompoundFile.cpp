#include "platform/cfb/CompoundFile.h"

#include "platform/cfb/CfbError.h"
#include "platform/cfb/CfbFile.h"

#include <algorithm>
#include <cstdint>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr uint32_t AccessMask = 0x3;

// Whether the mode asks for write access; fails on an access value that means nothing.
bool WantsWrite(uint32_t mode, const std::string& subject) {
    if ((mode & AccessMask) == AccessMask)
        throw ECfbError(STG_E_INVALIDFLAG, subject);
    return (mode & AccessMask) != STGM_READ;
}

TCfbElementInfo InfoOf(const TCfbDirEntry& entry) {
    TCfbElementInfo info;
    info.Name = CfbNameToUtf8(entry.Name);
    info.Type =
        entry.Type == TCfbEntryType::Stream ? TCfbElementType::Stream : TCfbElementType::Storage;
    info.Size = info.Type == TCfbElementType::Stream ? entry.Size : 0;
    return info;
}
} // namespace

// ---- TCfbStream

TCfbStream::TCfbStream(std::shared_ptr<TCfbFile> file, uint32_t id, bool writable)
    : File(std::move(file)), Id(id), Writable(writable) {
    Chain = File->LoadChain(Id);
    ++File->Directory()[Id].OpenCount;
}

TCfbStream::~TCfbStream() {
    --File->Directory()[Id].OpenCount;
}

void TCfbStream::CheckWritable() const {
    if (!Writable)
        throw ECfbError(STG_E_ACCESSDENIED, Stat().Name);
}

uint64_t TCfbStream::Size() const {
    return File->Directory()[Id].Entry.Size;
}

TCfbElementInfo TCfbStream::Stat() const {
    return InfoOf(File->Directory()[Id].Entry);
}

uint64_t TCfbStream::Read(void* buffer, uint64_t count) {
    const uint64_t size = Size();
    if (Position >= size)
        return 0;
    count = std::min(count, size - Position);
    File->ReadData(Chain, size, Position, buffer, count);
    Position += count;
    return count;
}

void TCfbStream::Write(const void* buffer, uint64_t count) {
    CheckWritable();
    if (count == 0)
        return;
    if (Position > Size())
        File->Resize(Id, Chain, Position, true);
    if (Position + count > Size())
        File->Resize(Id, Chain, Position + count, false);
    File->WriteData(Chain, Size(), Position, buffer, count);
    Position += count;
}

uint64_t TCfbStream::Seek(int64_t offset, TCfbSeekOrigin origin) {
    const int64_t base = origin == TCfbSeekOrigin::Begin     ? 0
                         : origin == TCfbSeekOrigin::Current ? static_cast<int64_t>(Position)
                                                             : static_cast<int64_t>(Size());
    if ((offset < 0 && base + offset < 0) || (offset > 0 && base > INT64_MAX - offset))
        throw ECfbError(STG_E_INVALIDFUNCTION, Stat().Name, "The position would leave the stream.");
    Position = static_cast<uint64_t>(base + offset);
    return Position;
}

void TCfbStream::SetSize(uint64_t size) {
    CheckWritable();
    File->Resize(Id, Chain, size, true);
}

// ---- TCfbStorage

TCfbStorage::TCfbStorage(std::shared_ptr<TCfbFile> file, uint32_t id, bool writable)
    : File(std::move(file)), Id(id), Writable(writable) {
    ++File->Directory()[Id].OpenCount;
}

TCfbStorage::~TCfbStorage() {
    --File->Directory()[Id].OpenCount;
}

std::unique_ptr<TCfbStorage> TCfbStorage::CreateFile(const std::string& path) {
    return std::unique_ptr<TCfbStorage>(
        new TCfbStorage(TCfbFile::Create(path), TCfbDirectory::RootId, true));
}

std::unique_ptr<TCfbStorage> TCfbStorage::OpenFile(const std::string& path, uint32_t mode) {
    const bool writable = WantsWrite(mode, path);
    return std::unique_ptr<TCfbStorage>(
        new TCfbStorage(TCfbFile::Open(path, writable), TCfbDirectory::RootId, writable));
}

bool TCfbStorage::IsCompoundFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    uint8_t header[CfbHeaderSize] = {};
    const bool whole = ::pread(fd, header, sizeof header, 0) == static_cast<ssize_t>(sizeof header);
    ::close(fd);
    std::string problem;
    TCfbHeader::Decode(header, problem);
    return whole && problem.empty();
}

uint32_t TCfbStorage::CreateEntry(const std::string& name, uint32_t mode, bool storage) {
    const std::u16string wide = CfbNameFromUtf8(name);
    CfbCheckName(wide, name);
    if (!Writable || !WantsWrite(mode, name))
        throw ECfbError(STG_E_ACCESSDENIED, name);
    if (File->Directory().Find(Id, wide)) {
        if (!(mode & STGM_CREATE))
            throw ECfbError(STG_E_FILEALREADYEXISTS, name);
        DestroyElement(name);
    }
    File->MarkChanged();
    return File->Directory().Add(Id, wide,
                                 storage ? TCfbEntryType::Storage : TCfbEntryType::Stream);
}

uint32_t TCfbStorage::OpenEntry(const std::string& name, uint32_t mode, bool storage,
                                bool& writable) {
    writable = WantsWrite(mode, name);
    if (writable && !Writable)
        throw ECfbError(STG_E_ACCESSDENIED, name);
    const auto id = File->Directory().Find(Id, CfbNameFromUtf8(name));
    const TCfbEntryType wanted = storage ? TCfbEntryType::Storage : TCfbEntryType::Stream;
    if (!id || File->Directory()[*id].Entry.Type != wanted)
        throw ECfbError(STG_E_FILENOTFOUND, name);
    return *id;
}

std::unique_ptr<TCfbStorage> TCfbStorage::CreateStorage(const std::string& name, uint32_t mode) {
    const uint32_t id = CreateEntry(name, mode, true);
    return std::unique_ptr<TCfbStorage>(new TCfbStorage(File, id, true));
}

std::unique_ptr<TCfbStorage> TCfbStorage::OpenStorage(const std::string& name, uint32_t mode) {
    bool writable = false;
    const uint32_t id = OpenEntry(name, mode, true, writable);
    return std::unique_ptr<TCfbStorage>(new TCfbStorage(File, id, writable));
}

std::unique_ptr<TCfbStream> TCfbStorage::CreateStream(const std::string& name, uint32_t mode) {
    const uint32_t id = CreateEntry(name, mode, false);
    return std::unique_ptr<TCfbStream>(new TCfbStream(File, id, true));
}

std::unique_ptr<TCfbStream> TCfbStorage::OpenStream(const std::string& name, uint32_t mode) {
    bool writable = false;
    const uint32_t id = OpenEntry(name, mode, false, writable);
    // Streams are opened exclusively: a second handle would not see the first one's growth.
    if (File->Directory()[id].OpenCount > 0)
        throw ECfbError(STG_E_ACCESSDENIED, name, "The stream is already open.");
    return std::unique_ptr<TCfbStream>(new TCfbStream(File, id, writable));
}

void TCfbStorage::DestroyElement(const std::string& name) {
    if (!Writable)
        throw ECfbError(STG_E_ACCESSDENIED, name);
    const auto id = File->Directory().Find(Id, CfbNameFromUtf8(name));
    if (!id)
        throw ECfbError(STG_E_FILENOTFOUND, name);
    std::vector<uint32_t> pending{*id};
    while (!pending.empty()) {
        const auto& node = File->Directory()[pending.back()];
        pending.pop_back();
        if (node.OpenCount > 0)
            throw ECfbError(STG_E_ACCESSDENIED, name, "The element or one inside it is open.");
        for (const auto& child : node.Children)
            pending.push_back(child.second);
    }
    File->Destroy(*id);
}

std::vector<TCfbElementInfo> TCfbStorage::Elements() const {
    std::vector<TCfbElementInfo> elements;
    for (const auto& child : File->Directory()[Id].Children)
        elements.push_back(InfoOf(File->Directory()[child.second].Entry));
    return elements;
}

std::optional<TCfbElementInfo> TCfbStorage::Find(const std::string& name) const {
    const auto id = File->Directory().Find(Id, CfbNameFromUtf8(name));
    if (!id)
        return std::nullopt;
    return InfoOf(File->Directory()[*id].Entry);
}

TCfbElementInfo TCfbStorage::Stat() const {
    return InfoOf(File->Directory()[Id].Entry);
}

void TCfbStorage::Commit() {
    if (Id == TCfbDirectory::RootId)
        File->Commit();
}
