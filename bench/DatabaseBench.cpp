#include "ChannelDatabase.h"
#include "SampleImage.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace {

std::unique_ptr<ChannelDatabase> CapacityDatabase()
{
    auto db = std::make_unique<ChannelDatabase>();
    const std::vector<uint8_t> image = MakeCapacityImage();
    std::memcpy(db->m_Image, image.data(), IMAGE_SIZE);
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

} // namespace
