// One undo record and one undo of an A4 sketch: pack, then unpack; beside a plain copy
// of the same number of bytes.
#include "TypicalSketch.h"
#include "document/PackedDib.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

static void BM_PackUnpackA4(benchmark::State& state) {
    const gdi::BitmapPtr sketch = typicalA4Sketch();
    for (auto _ : state) {
        TPackedDib block = PackBitmap(sketch);
        gdi::BitmapPtr back = UnpackBitmap(block);
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(BM_PackUnpackA4)->Unit(benchmark::kMicrosecond);

static void BM_PeerMemcpy449304(benchmark::State& state) {
    std::vector<uint8_t> from(449304, 0x5A), to(449304);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PeerMemcpy449304)->Unit(benchmark::kMicrosecond);
