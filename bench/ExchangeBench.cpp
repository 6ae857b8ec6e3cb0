// Export, re-import and diff of the capacity image.

#include "ChannelDatabase.h"
#include "ChannelDiff.h"
#include "ChannelExport.h"
#include "CodePageText.h"
#include "CsvImport.h"
#include "CsvText.h"
#include "ReferencePlan.h"
#include "SampleImage.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <numeric>

namespace {

const CodePageText& Names()
{
    static const CodePageText names(1252);
    return names;
}

std::unique_ptr<ChannelDatabase> Capacity()
{
    static const std::vector<uint8_t> image = MakeCapacityImage();
    auto db = std::make_unique<ChannelDatabase>();
    std::memcpy(db->m_Image, image.data(), IMAGE_SIZE);
    db->DecodeDatabase();
    return db;
}

void ExportCapacityCsv(benchmark::State& state)
{
    const auto db = Capacity();
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportCsv(*db, ALL_TABLES, Names()));
}
BENCHMARK(ExportCapacityCsv)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void ExportCapacityJson(benchmark::State& state)
{
    const auto db = Capacity();
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportJson(*db, ALL_TABLES, Names()));
}
BENCHMARK(ExportCapacityJson)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Plans and applies a CSV of the capacity image's programs, the rows in
// export order or with the TV rows reversed; restoring the image is not timed.
void ImportCapacityCsv(benchmark::State& state, bool reversed)
{
    auto db = Capacity();
    const std::vector<uint8_t> original(db->m_Image, db->m_Image + IMAGE_SIZE);
    auto records = ParseCsv(ExportCsv(*db, PROGRAM_TABLES, Names())).records;
    if (reversed)
        std::reverse(records.begin() + 1, records.begin() + 1 + db->m_nTvCount);
    std::string csv;
    for (const auto& record : records)
        AppendCsvRecord(csv, record);
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(db->m_Image, original.data(), IMAGE_SIZE);
        db->DecodeDatabase();
        state.ResumeTiming();
        const ImportPlan plan = PlanImport(*db, csv, {}, Names());
        if (plan.Refused() || !ApplyImport(*db, plan)) {
            state.SkipWithError("the import was refused");
            break;
        }
    }
}
BENCHMARK_CAPTURE(ImportCapacityCsv, unchanged, false)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(ImportCapacityCsv, tv_reversed, true)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A 5,000-row reference, the capacity image's own programs in reversed
// order, planned and applied to the capacity image, as after a rescan. The
// reference is the image saved before, or a text list of names and service
// ids; restoring the image is not timed.
void ApplyReferenceToCapacity(benchmark::State& state, ReferenceList::Source source)
{
    auto db = Capacity();
    const std::vector<uint8_t> original(db->m_Image, db->m_Image + IMAGE_SIZE);
    auto reversed = Capacity();
    for (const auto& [kind, count] : { std::pair(REORDER_TV, reversed->m_nTvCount),
             std::pair(REORDER_RADIO, reversed->m_nRadioCount) }) {
        std::vector<uint16_t> order(count);
        std::iota(order.rbegin(), order.rend(), uint16_t(0));
        reversed->ReorderRecords(kind, order);
        reversed->DecodeDatabase();
    }
    std::string text;
    for (const int table : { TABLE_TV, TABLE_RADIO })
        for (const ChannelRow& row : TableRows(*reversed, table, Names()))
            text += std::string(row.Field(COLUMN_POSITION)) + ";" + std::string(row.Field(COLUMN_NAME)) + ";1-1-"
                + std::string(row.Field(COLUMN_SERVICE_ID)) + "\n";
    const ReferenceList reference = source == ReferenceList::Source::Image
        ? ReferenceList::FromImage(*reversed, Names())
        : ReferenceList::FromText(text, Names());
    ReferenceOptions options;
    options.carry = DefaultCarry(reference);
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(db->m_Image, original.data(), IMAGE_SIZE);
        db->DecodeDatabase();
        state.ResumeTiming();
        const ReferencePlan plan = PlanReference(*db, reference, options, Names());
        if (plan.Matched() == 0 || !ApplyImport(*db, plan.changes)) {
            state.SkipWithError("the reference was not applied");
            break;
        }
    }
}
BENCHMARK_CAPTURE(ApplyReferenceToCapacity, image, ReferenceList::Source::Image)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(ApplyReferenceToCapacity, text_list, ReferenceList::Source::Text)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The capacity image against itself with its TV order reversed.
void DiffCapacityImages(benchmark::State& state, MatchMode mode)
{
    const auto before = Capacity();
    auto after = Capacity();
    std::vector<uint16_t> order(after->m_nTvCount);
    std::iota(order.rbegin(), order.rend(), uint16_t(0));
    after->ReorderRecords(REORDER_TV, order);
    after->DecodeDatabase();
    for (auto _ : state)
        benchmark::DoNotOptimize(DiffImages(*before, *after, ALL_TABLES, mode, Names()));
}
BENCHMARK_CAPTURE(DiffCapacityImages, by_offset, MatchMode::Offset)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(DiffCapacityImages, by_reference, MatchMode::Reference)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
