// The system's thin wrapper over the structured-storage service: storages, streams and
// enumeration entries, with the service's failures raised as EPTStgException.
#pragma once

#include "files/Streams.h"
#include "platform/cfb/CompoundFile.h"
#include "platform/com/Exception.h"

#include <memory>
#include <string>
#include <vector>

class EPTStgException : public Exception {
public:
    EPTStgException(std::string message, HResult errorCode)
        : Exception(std::move(message)), ErrorCode(errorCode) {}
    HResult Code() const { return ErrorCode; }

private:
    HResult ErrorCode;
};

// Caller's mode bit: create the storage when it cannot be opened. The top four bits of a mode are
// the wrapper's own and never reach the service.
constexpr uint32_t PTStgCreate = 0x10000000;

enum TPTStgElementType : uint32_t { PTStgStorage = 1, PTStgStream = 2 };
enum class TPTStgFilter { Storages, Streams, Both };

struct TPTStgInfo {
    std::string Name;
    TPTStgElementType Type = PTStgStream;
    uint64_t Size = 0;
};

// An open storage of the service shared by every TPTStgStorage that refers to it, counted by
// hand. A child keeps a reference on its parent, so a parent never goes before its children.
class TInternalStorage {
public:
    TInternalStorage(TInternalStorage* parent, std::unique_ptr<TCfbStorage> storage);
    TInternalStorage(const TInternalStorage&) = delete;
    TInternalStorage& operator=(const TInternalStorage&) = delete;
    void AddRef() { ++RefCount; }
    void Release();
    TCfbStorage& Storage() { return *SystemStorage; }
    // An already opened child of that name, letter case aside; nil when there is none.
    TInternalStorage* FindChild(const std::string& name);

private:
    ~TInternalStorage();

    TInternalStorage* Parent;
    std::unique_ptr<TCfbStorage> SystemStorage;
    std::unique_ptr<std::vector<TInternalStorage*>> Children;
    int RefCount = 1;
};

class TPTStgStream;

class TPTStgStorage {
public:
    TPTStgStorage(const TPTStgStorage&) = delete;
    TPTStgStorage& operator=(const TPTStgStorage&) = delete;
    ~TPTStgStorage();

    static bool IsCompoundFile(const std::string& fileName);
    // A new file replacing any existing one once committed, open for exclusive read and write.
    static std::unique_ptr<TPTStgStorage> CreateFile(const std::string& fileName);
    // Retried without write access when that is denied.
    static std::unique_ptr<TPTStgStorage> OpenFile(const std::string& fileName, uint32_t mode);

    // path: storage names separated by backslashes; mode may carry PTStgCreate.
    std::unique_ptr<TPTStgStorage> OpenStorage(const std::string& path, uint32_t mode);
    std::unique_ptr<TPTStgStream> CreateStream(const std::string& name, bool replace);
    // Exclusive read and write, or exclusive read where writing is not possible.
    std::unique_ptr<TPTStgStream> OpenStream(const std::string& path);

    void EnumElements(TPTStgFilter filter);
    // The next entry of the enumeration; nil at its end.
    std::unique_ptr<TPTStgInfo> NextElement();
    bool FindElement(TPTStgElementType type, const std::string& name);
    // Writes the compound file (on the root storage).
    void Commit();

private:
    struct TEnumeration {
        std::vector<TCfbElementInfo> Elements;
        size_t Next = 0;
    };
    TPTStgStorage(TInternalStorage* internal, std::unique_ptr<TPTStgStorage> parent);
    // Opens the storages of a path; all but the last, and the last when retryAll is set, fall
    // back to read access when write access is denied.
    static std::unique_ptr<TPTStgStorage> OpenPath(TInternalStorage* start,
                                                   const std::vector<std::string>& parts,
                                                   uint32_t mode, bool retryAll);

    TInternalStorage* Internal;
    std::unique_ptr<TPTStgStorage> Parent;
    std::unique_ptr<TEnumeration> Enumeration;
};

class TPTStgStream : public TStream {
public:
    TPTStgStream(std::unique_ptr<TPTStgStorage> owner, std::unique_ptr<TCfbStream> stream);
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void SetSize(int64_t size) override;
    int64_t Size() override;

private:
    std::unique_ptr<TPTStgStorage> Owner;
    std::unique_ptr<TCfbStream> SystemStream;
};
