// Saving and reading an A4 sketch as a compressed file, beside plain zlib compress and
// uncompress of the same packed bytes.
#include "TypicalSketch.h"
#include "document/IljFile.h"
#include "document/PackedDib.h"
#include "document/SketchFiles.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <filesystem>

static void BM_IljSaveReadA4File(benchmark::State& state) {
    const gdi::BitmapPtr sketch = typicalA4Sketch();
    const std::string path = (std::filesystem::temp_directory_path() / "verigraf-bench.ilj").string();
    for (auto _ : state) {
        SaveSketchImage(sketch, path);
        gdi::BitmapPtr back = LoadSketchImage(path);
        benchmark::DoNotOptimize(back);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_IljSaveReadA4File)->Unit(benchmark::kMicrosecond);

static void BM_IljEncodeDecodeA4(benchmark::State& state) {
    const gdi::BitmapPtr sketch = typicalA4Sketch();
    size_t bytes = 0;
    for (auto _ : state) {
        std::vector<uint8_t> file = EncodeIljImage(sketch);
        bytes = file.size();
        gdi::BitmapPtr back = ReadIljImage(file);
        benchmark::DoNotOptimize(back);
    }
    state.counters["file_bytes"] = double(bytes);
}
BENCHMARK(BM_IljEncodeDecodeA4)->Unit(benchmark::kMicrosecond);

static void BM_PeerZlibCompressUncompressA4(benchmark::State& state) {
    const TPackedDib block = PackBitmap(typicalA4Sketch());
    std::vector<uint8_t> packed(compressBound(uLong(block.size())));
    std::vector<uint8_t> plain(block.size());
    size_t bytes = 0;
    for (auto _ : state) {
        uLongf packedLength = uLongf(packed.size());
        compress(packed.data(), &packedLength, block.data(), uLong(block.size()));
        uLongf plainLength = uLongf(plain.size());
        uncompress(plain.data(), &plainLength, packed.data(), packedLength);
        bytes = packedLength;
        benchmark::ClobberMemory();
    }
    state.counters["file_bytes"] = double(bytes);
}
BENCHMARK(BM_PeerZlibCompressUncompressA4)->Unit(benchmark::kMicrosecond);
