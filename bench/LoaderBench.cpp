// The loaders' inner loops: reading numbers and texts through the archive
// while feeding the data checksum, as the data files are read.

#include <benchmark/benchmark.h>

#include "model/DataChecksum.h"
#include "platform/core/Archive.h"

namespace {

std::vector<uint8_t> MakeRecords(int count) {
    CMemoryStream stream;
    CArchive ar(stream, CArchive::store);
    for (int i = 0; i < count; ++i) {
        ar.WriteInt(i * 37);
        ar.WriteDouble(i * 0.5);
        ar.WriteRecordText("A name of some length");
    }
    return stream.Bytes();
}

void BM_LoadWithChecksum(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::vector<uint8_t> bytes = MakeRecords(count);
    for (auto _ : state) {
        CMemoryStream stream(bytes);
        CArchive ar(stream, CArchive::load);
        CDataChecksum sum;
        for (int i = 0; i < count; ++i) {
            sum.Add(ar.ReadInt());
            sum.AddDouble(ar.ReadDouble());
            sum.AddString(ar.ReadRecordText());
        }
        benchmark::DoNotOptimize(sum.Get());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_LoadWithChecksum)->Arg(1000)->Arg(100000);

void BM_ChecksumBlock(benchmark::State& state) {
    std::vector<uint8_t> block(static_cast<size_t>(state.range(0)), 0x5A);
    for (auto _ : state) {
        CDataChecksum sum;
        sum.AddBlock(block.data(), static_cast<int>(block.size()));
        benchmark::DoNotOptimize(sum.Get());
    }
}
BENCHMARK(BM_ChecksumBlock)->Arg(1 << 20);

}  // namespace
