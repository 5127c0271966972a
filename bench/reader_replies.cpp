// Decoding the longest reply the program takes from its database reader, made
// of the values that cost least to send (rows of one empty value): the time,
// and the heap the decoded reply holds for each byte received.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "platform/db/reader_protocol.h"
#include "platform/db/value_cells.h"

using namespace rg_qelvane_windows_ShuJuKu;

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's own count (GCC ships no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// What the heap holds now, whichever allocator serves it.
std::size_t HeapBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;  // small blocks, and the large ones mapped apart
#endif
}

std::string LongestReplyOfEmptyValues() {
    const std::size_t rows = MaxFrameBodySize - 64;  // room for the field and the counts
    std::string cells;
    for (std::size_t i = 0; i < rows; ++i) AppendCell(cells, CQelComVariant());
    const std::string frame =
        EncodeReply({true, rg_JiLuJiLei::FromCells({{u"value", adVarWChar, {}}}, rows, std::move(cells))});
    return frame.substr(FrameHeaderSize);
}

void BM_DecodeLongestReplyOfEmptyValues(benchmark::State& state) {
    static const std::string body = LongestReplyOfEmptyValues();
    double heldPerByte = 0;
    for (auto _ : state) {
        const std::size_t before = HeapBytes();
        auto reply = DecodeReply(body);
        heldPerByte = static_cast<double>(HeapBytes() - before) / static_cast<double>(body.size());
        if (!reply || reply->rows.GetRecordCount() == 0) state.SkipWithError("the reply did not decode");
        benchmark::DoNotOptimize(reply);
    }
    state.counters["heap_per_byte"] = heldPerByte;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * body.size()));
}
BENCHMARK(BM_DecodeLongestReplyOfEmptyValues)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
