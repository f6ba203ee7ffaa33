#include "files/Streams.h"

#include "platform/com/Exception.h"

#include <algorithm>
#include <cstring>

int64_t TStream::Size() {
    const int64_t position = Position();
    const int64_t size = Seek(0, TSeekOrigin::End);
    SetPosition(position);
    return size;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
    const int64_t available = std::max<int64_t>(0, Size() - Pos);
    const int64_t n = std::clamp<int64_t>(count, 0, available);
    if (n > 0)
        std::memcpy(buffer, Data.data() + Pos, static_cast<size_t>(n));
    Pos += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
    if (count <= 0)
        return 0;
    if (Pos + count > Size())
        Data.resize(static_cast<size_t>(Pos + count));
    std::memcpy(Data.data() + Pos, buffer, static_cast<size_t>(count));
    Pos += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
    const int64_t base = origin == TSeekOrigin::Beginning ? 0
                         : origin == TSeekOrigin::Current ? Pos
                                                          : Size();
    if (base + offset < 0)
        throw Exception("Stream position out of range");
    Pos = base + offset;
    return Pos;
}

void TMemoryStream::SetSize(int64_t size) {
    Data.resize(static_cast<size_t>(std::max<int64_t>(size, 0)));
    Pos = std::min(Pos, Size());
}

void TMemoryStream::Clear() {
    Data.clear();
    Pos = 0;
}
