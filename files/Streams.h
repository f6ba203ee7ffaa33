// The byte-stream base shared by compound-file streams and memory buffers, and the memory buffer.
#pragma once

#include <cstdint>
#include <vector>

enum class TSeekOrigin { Beginning, Current, End };

class TStream {
public:
    virtual ~TStream() = default;
    // Returns the number of bytes transferred; a read is short only at the end.
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
    virtual void SetSize(int64_t size) = 0;
    virtual int64_t Size();
    int64_t Position() { return Seek(0, TSeekOrigin::Current); }
    void SetPosition(int64_t position) { Seek(position, TSeekOrigin::Beginning); }
};

class TMemoryStream : public TStream {
public:
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void SetSize(int64_t size) override;
    int64_t Size() override { return static_cast<int64_t>(Data.size()); }
    const uint8_t* Memory() const { return Data.data(); }
    void Clear();

private:
    std::vector<uint8_t> Data;
    int64_t Pos = 0;
};
