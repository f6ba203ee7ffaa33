#include "files/UPTStructuredStorage.h"

#include "platform/cfb/CfbError.h"
#include "platform/cfb/CfbNames.h"

#include <algorithm>

namespace {
constexpr uint32_t WrapperBits = 0xF0000000;
constexpr uint32_t WriteAccess = STGM_WRITE | STGM_READWRITE;
constexpr uint32_t ExclusiveReadWrite = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
constexpr uint32_t ExclusiveRead = STGM_READ | STGM_SHARE_EXCLUSIVE;

EPTStgException Wrapped(const ECfbError& e) {
    return EPTStgException("STG: " + e.Message(), e.Code());
}

// Runs a call to the service, turning its failure into the wrapper's exception.
template <class F> auto StgCall(F&& call) -> decltype(call()) {
    try {
        return call();
    } catch (const ECfbError& e) {
        throw Wrapped(e);
    }
}

void CheckNameLength(const std::string& name) {
    if (CfbNameFromUtf8(name).size() > CfbMaxNameLength)
        throw EPTStgException("STG: Name greater than 31 characters - \"" + name + "\"",
                              STG_E_INVALIDNAME);
}

std::vector<std::string> PathParts(const std::string& path) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t split; (split = path.find('\\', start)) != std::string::npos; start = split + 1)
        parts.push_back(path.substr(start, split - start));
    parts.push_back(path.substr(start));
    for (const std::string& part : parts)
        CheckNameLength(part);
    return parts;
}

bool SameName(const std::string& a, const std::string& b) {
    return CfbNameKey(CfbNameFromUtf8(a)) == CfbNameKey(CfbNameFromUtf8(b));
}
} // namespace

// ---- TInternalStorage

TInternalStorage::TInternalStorage(TInternalStorage* parent, std::unique_ptr<TCfbStorage> storage)
    : Parent(parent), SystemStorage(std::move(storage)) {
    if (!Parent)
        return;
    Parent->AddRef();
    if (!Parent->Children)
        Parent->Children = std::make_unique<std::vector<TInternalStorage*>>();
    Parent->Children->push_back(this);
}

TInternalStorage::~TInternalStorage() {
    SystemStorage.reset();
    if (!Parent)
        return;
    auto& siblings = *Parent->Children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), this));
    Parent->Release();
}

void TInternalStorage::Release() {
    if (--RefCount == 0)
        delete this;
}

TInternalStorage* TInternalStorage::FindChild(const std::string& name) {
    if (Children)
        for (TInternalStorage* child : *Children)
            if (SameName(child->Storage().Stat().Name, name))
                return child;
    return nullptr;
}

// ---- TPTStgStorage

TPTStgStorage::TPTStgStorage(TInternalStorage* internal, std::unique_ptr<TPTStgStorage> parent)
    : Internal(internal), Parent(std::move(parent)) {}

TPTStgStorage::~TPTStgStorage() {
    Internal->Release();
}

bool TPTStgStorage::IsCompoundFile(const std::string& fileName) {
    return TCfbStorage::IsCompoundFile(fileName);
}

std::unique_ptr<TPTStgStorage> TPTStgStorage::CreateFile(const std::string& fileName) {
    auto storage = StgCall([&] { return TCfbStorage::CreateFile(fileName); });
    return std::unique_ptr<TPTStgStorage>(
        new TPTStgStorage(new TInternalStorage(nullptr, std::move(storage)), nullptr));
}

std::unique_ptr<TPTStgStorage> TPTStgStorage::OpenFile(const std::string& fileName, uint32_t mode) {
    mode &= ~WrapperBits;
    std::unique_ptr<TCfbStorage> storage;
    try {
        storage = TCfbStorage::OpenFile(fileName, mode);
    } catch (const ECfbError& e) {
        if (e.Code() != STG_E_ACCESSDENIED)
            throw Wrapped(e);
        storage = StgCall([&] { return TCfbStorage::OpenFile(fileName, mode & ~WriteAccess); });
    }
    return std::unique_ptr<TPTStgStorage>(
        new TPTStgStorage(new TInternalStorage(nullptr, std::move(storage)), nullptr));
}

std::unique_ptr<TPTStgStorage> TPTStgStorage::OpenPath(TInternalStorage* start,
                                                       const std::vector<std::string>& parts,
                                                       uint32_t mode, bool retryAll) {
    std::unique_ptr<TPTStgStorage> current;
    TInternalStorage* parent = start;
    for (size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        const uint32_t partMode = last ? mode & ~WrapperBits : ExclusiveReadWrite;
        TInternalStorage* internal = parent->FindChild(parts[i]);
        if (internal) {
            internal->AddRef();
        } else {
            std::unique_ptr<TCfbStorage> storage;
            try {
                storage = parent->Storage().OpenStorage(parts[i], partMode);
            } catch (const ECfbError& e) {
                if (e.Code() == STG_E_ACCESSDENIED && (!last || retryAll))
                    storage = StgCall([&] {
                        return parent->Storage().OpenStorage(parts[i], partMode & ~WriteAccess);
                    });
                else if (last && (mode & PTStgCreate))
                    storage = StgCall([&] {
                        return parent->Storage().CreateStorage(parts[i], ExclusiveReadWrite);
                    });
                else
                    throw Wrapped(e);
            }
            internal = new TInternalStorage(parent, std::move(storage));
        }
        current.reset(new TPTStgStorage(internal, std::move(current)));
        parent = internal;
    }
    return current;
}

std::unique_ptr<TPTStgStorage> TPTStgStorage::OpenStorage(const std::string& path, uint32_t mode) {
    return OpenPath(Internal, PathParts(path), mode, false);
}

std::unique_ptr<TPTStgStream> TPTStgStorage::CreateStream(const std::string& name, bool replace) {
    CheckNameLength(name);
    auto stream = StgCall([&] {
        return Internal->Storage().CreateStream(name,
                                                ExclusiveReadWrite | (replace ? STGM_CREATE : 0));
    });
    return std::make_unique<TPTStgStream>(nullptr, std::move(stream));
}

std::unique_ptr<TPTStgStream> TPTStgStorage::OpenStream(const std::string& path) {
    std::vector<std::string> parts = PathParts(path);
    const std::string name = parts.back();
    parts.pop_back();
    std::unique_ptr<TPTStgStorage> owner =
        parts.empty() ? nullptr : OpenPath(Internal, parts, ExclusiveReadWrite, true);
    TCfbStorage& storage = owner ? owner->Internal->Storage() : Internal->Storage();
    std::unique_ptr<TCfbStream> stream;
    try {
        stream = storage.OpenStream(name, ExclusiveReadWrite);
    } catch (const ECfbError& e) {
        if (e.Code() != STG_E_INVALIDFLAG && e.Code() != STG_E_ACCESSDENIED)
            throw Wrapped(e);
        stream = StgCall([&] { return storage.OpenStream(name, ExclusiveRead); });
    }
    return std::make_unique<TPTStgStream>(std::move(owner), std::move(stream));
}

void TPTStgStorage::EnumElements(TPTStgFilter filter) {
    Enumeration = std::make_unique<TEnumeration>();
    for (auto& element : Internal->Storage().Elements()) {
        const bool storage = element.Type == TCfbElementType::Storage;
        if (filter == TPTStgFilter::Both || storage == (filter == TPTStgFilter::Storages))
            Enumeration->Elements.push_back(std::move(element));
    }
}

std::unique_ptr<TPTStgInfo> TPTStgStorage::NextElement() {
    if (!Enumeration || Enumeration->Next >= Enumeration->Elements.size())
        return nullptr;
    const TCfbElementInfo& element = Enumeration->Elements[Enumeration->Next++];
    auto info = std::make_unique<TPTStgInfo>();
    info->Name = element.Name;
    info->Type = element.Type == TCfbElementType::Storage ? PTStgStorage : PTStgStream;
    info->Size = element.Size;
    return info;
}

bool TPTStgStorage::FindElement(TPTStgElementType type, const std::string& name) {
    const TCfbElementType wanted =
        type == PTStgStorage ? TCfbElementType::Storage : TCfbElementType::Stream;
    for (const auto& element : Internal->Storage().Elements())
        if (element.Type == wanted && SameName(element.Name, name))
            return true;
    return false;
}

void TPTStgStorage::Commit() {
    StgCall([&] { Internal->Storage().Commit(); });
}

// ---- TPTStgStream

TPTStgStream::TPTStgStream(std::unique_ptr<TPTStgStorage> owner, std::unique_ptr<TCfbStream> stream)
    : Owner(std::move(owner)), SystemStream(std::move(stream)) {}

int64_t TPTStgStream::Read(void* buffer, int64_t count) {
    if (count <= 0)
        return 0;
    return StgCall([&] {
        return static_cast<int64_t>(SystemStream->Read(buffer, static_cast<uint64_t>(count)));
    });
}

int64_t TPTStgStream::Write(const void* buffer, int64_t count) {
    if (count <= 0)
        return 0;
    StgCall([&] { SystemStream->Write(buffer, static_cast<uint64_t>(count)); });
    return count;
}

int64_t TPTStgStream::Seek(int64_t offset, TSeekOrigin origin) {
    const TCfbSeekOrigin from = origin == TSeekOrigin::Beginning ? TCfbSeekOrigin::Begin
                                : origin == TSeekOrigin::Current ? TCfbSeekOrigin::Current
                                                                 : TCfbSeekOrigin::End;
    return StgCall([&] { return static_cast<int64_t>(SystemStream->Seek(offset, from)); });
}

void TPTStgStream::SetSize(int64_t size) {
    StgCall([&] { SystemStream->SetSize(static_cast<uint64_t>(std::max<int64_t>(size, 0))); });
}

int64_t TPTStgStream::Size() {
    return static_cast<int64_t>(SystemStream->Size());
}
