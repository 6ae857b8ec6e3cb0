#include "ChannelDatabase.h"
#include "CodePageText.h"
#include "ListCheck.h"
#include "SampleImage.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <numeric>
#include <vector>

namespace {

const std::vector<uint8_t>& CapacityImage()
{
    static const std::vector<uint8_t> image = MakeCapacityImage();
    return image;
}

std::unique_ptr<ChannelDatabase> CapacityDatabase()
{
    auto db = std::make_unique<ChannelDatabase>();
    std::memcpy(db->m_Image, CapacityImage().data(), IMAGE_SIZE);
    return db;
}

void DecodeCapacityImage(benchmark::State& state)
{
    auto db = CapacityDatabase();
    for (auto _ : state)
        benchmark::DoNotOptimize(db->DecodeDatabase());
    if (db->m_nProgCount != MAX_PROGRAMS)
        state.SkipWithError("capacity image did not decode");
}
BENCHMARK(DecodeCapacityImage)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The floor of a decode: one pass over the image. Goal: a decode takes at
// most twice this.
void CopyImage(benchmark::State& state)
{
    const std::vector<uint8_t>& image = CapacityImage();
    std::vector<uint8_t> copy(IMAGE_SIZE);
    for (auto _ : state) {
        std::memcpy(copy.data(), image.data(), IMAGE_SIZE);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CopyImage)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Goal: at most 5 ms, so that every upgrade may check first.
void CheckCapacityImage(benchmark::State& state)
{
    auto db = CapacityDatabase();
    const CodePageText names(1252);
    if (db->DecodeDatabase() != 1) {
        state.SkipWithError("capacity image did not decode");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ListCheck::Run(*db, names));
}
BENCHMARK(CheckCapacityImage)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Times one edit of the freshly decoded capacity image, the directory
// rewrite included; restoring and decoding the image is not timed.
template <typename Edit>
void EditCapacityImage(benchmark::State& state, Edit edit)
{
    auto db = CapacityDatabase();
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(db->m_Image, CapacityImage().data(), IMAGE_SIZE);
        if (db->DecodeDatabase() != 1 || db->m_nProgCount != MAX_PROGRAMS) {
            state.SkipWithError("capacity image did not decode");
            break;
        }
        state.ResumeTiming();
        if (!edit(*db)) {
            state.SkipWithError("the edit was refused");
            break;
        }
    }
}

std::vector<uint16_t> Reversed(uint16_t n)
{
    std::vector<uint16_t> order(n);
    std::iota(order.rbegin(), order.rend(), uint16_t(0));
    return order;
}

void DeleteThousandPrograms(benchmark::State& state)
{
    std::vector<uint16_t> rows;
    for (uint16_t r = 0; r < 4000; r += 4)
        rows.push_back(r);
    EditCapacityImage(state, [&rows](ChannelDatabase& db) {
        db.DeletePrograms(rows, LIST_PROGRAMS, 0);
        return true;
    });
}
BENCHMARK(DeleteThousandPrograms)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void ReorderTvReversed(benchmark::State& state)
{
    const std::vector<uint16_t> order = Reversed(4000);
    EditCapacityImage(state, [&order](ChannelDatabase& db) { return db.ReorderRecords(REORDER_TV, order) == 1; });
}
BENCHMARK(ReorderTvReversed)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void ReorderSatellitesReversed(benchmark::State& state)
{
    const std::vector<uint16_t> order = Reversed(MAX_SATELLITES);
    EditCapacityImage(
        state, [&order](ChannelDatabase& db) { return db.ReorderRecords(REORDER_SATELLITES, order) == 1; });
}
BENCHMARK(ReorderSatellitesReversed)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
