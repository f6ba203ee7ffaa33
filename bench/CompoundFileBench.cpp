// Compound-file throughput next to plain file I/O of the same bytes: one 100 MB stream, and
// 10,000 streams of 1000 bytes (all in the mini stream).
#include "platform/cfb/CompoundFile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
constexpr size_t LargeSize = 100 << 20;
constexpr size_t Chunk = 1 << 20;
constexpr int SmallCount = 10000;
constexpr size_t SmallSize = 1000;
constexpr uint32_t ReadWrite = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
constexpr uint32_t ReadOnly = STGM_READ | STGM_SHARE_EXCLUSIVE;

std::string BenchPath(const char* name) {
    return (std::filesystem::temp_directory_path() / (std::string("wave-bench-") + name)).string();
}

const std::vector<char>& Bytes() {
    static const std::vector<char> bytes = [] {
        std::vector<char> b(Chunk);
        for (size_t i = 0; i < b.size(); ++i)
            b[i] = static_cast<char>(i * 131 + (i >> 9));
        return b;
    }();
    return bytes;
}

std::string SmallName(int i) {
    return "Stream" + std::to_string(i);
}

void WriteLargeCompound(const std::string& path) {
    auto root = TCfbStorage::CreateFile(path);
    auto stream = root->CreateStream("Large", ReadWrite);
    for (size_t done = 0; done < LargeSize; done += Chunk)
        stream->Write(Bytes().data(), Chunk);
    stream.reset();
    root->Commit();
}

void WriteSmallCompound(const std::string& path) {
    auto root = TCfbStorage::CreateFile(path);
    for (int i = 0; i < SmallCount; ++i)
        root->CreateStream(SmallName(i), ReadWrite)->Write(Bytes().data() + i % 1000, SmallSize);
    root->Commit();
}

// Plain I/O of the same bytes in the same pieces.
void WritePlain(const std::string& path, size_t pieces, size_t pieceSize) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    for (size_t i = 0; i < pieces; ++i)
        if (::write(fd, Bytes().data() + (pieceSize < Chunk ? i % 1000 : 0), pieceSize) < 0)
            break;
    ::close(fd);
}

void ReadPlain(const std::string& path, size_t pieces, size_t pieceSize) {
    std::vector<char> buffer(pieceSize);
    const int fd = ::open(path.c_str(), O_RDONLY);
    for (size_t i = 0; i < pieces; ++i)
        benchmark::DoNotOptimize(::read(fd, buffer.data(), pieceSize));
    ::close(fd);
}

void Finish(benchmark::State& state, size_t bytes, const std::string& path) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    std::filesystem::remove(path);
}
} // namespace

static void BM_CompoundFileLargeWrite(benchmark::State& state) {
    const std::string path = BenchPath("large.cfb");
    for (auto _ : state)
        WriteLargeCompound(path);
    Finish(state, LargeSize, path);
}

static void BM_CompoundFileLargeRead(benchmark::State& state) {
    const std::string path = BenchPath("large.cfb");
    WriteLargeCompound(path);
    std::vector<char> buffer(Chunk);
    for (auto _ : state) {
        auto root = TCfbStorage::OpenFile(path, ReadOnly);
        auto stream = root->OpenStream("Large", ReadOnly);
        while (stream->Read(buffer.data(), buffer.size()) > 0)
            benchmark::DoNotOptimize(buffer.data());
    }
    Finish(state, LargeSize, path);
}

static void BM_CompoundFileLargePlainWrite(benchmark::State& state) {
    const std::string path = BenchPath("large.bin");
    for (auto _ : state)
        WritePlain(path, LargeSize / Chunk, Chunk);
    Finish(state, LargeSize, path);
}

static void BM_CompoundFileLargePlainRead(benchmark::State& state) {
    const std::string path = BenchPath("large.bin");
    WritePlain(path, LargeSize / Chunk, Chunk);
    for (auto _ : state)
        ReadPlain(path, LargeSize / Chunk, Chunk);
    Finish(state, LargeSize, path);
}

static void BM_CompoundFileSmallWrite(benchmark::State& state) {
    const std::string path = BenchPath("small.cfb");
    for (auto _ : state)
        WriteSmallCompound(path);
    Finish(state, SmallCount * SmallSize, path);
}

static void BM_CompoundFileSmallRead(benchmark::State& state) {
    const std::string path = BenchPath("small.cfb");
    WriteSmallCompound(path);
    std::vector<char> buffer(SmallSize);
    for (auto _ : state) {
        auto root = TCfbStorage::OpenFile(path, ReadOnly);
        for (int i = 0; i < SmallCount; ++i)
            benchmark::DoNotOptimize(
                root->OpenStream(SmallName(i), ReadOnly)->Read(buffer.data(), SmallSize));
    }
    Finish(state, SmallCount * SmallSize, path);
}

static void BM_CompoundFileSmallPlainWrite(benchmark::State& state) {
    const std::string path = BenchPath("small.bin");
    for (auto _ : state)
        WritePlain(path, SmallCount, SmallSize);
    Finish(state, SmallCount * SmallSize, path);
}

static void BM_CompoundFileSmallPlainRead(benchmark::State& state) {
    const std::string path = BenchPath("small.bin");
    WritePlain(path, SmallCount, SmallSize);
    for (auto _ : state)
        ReadPlain(path, SmallCount, SmallSize);
    Finish(state, SmallCount * SmallSize, path);
}

BENCHMARK(BM_CompoundFileLargeWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CompoundFileLargePlainWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CompoundFileLargeRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CompoundFileLargePlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CompoundFileSmallWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CompoundFileSmallPlainWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CompoundFileSmallRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CompoundFileSmallPlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();
