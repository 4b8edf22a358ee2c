// Opening a 200-channel week: read the container, expand it, split the schedule into
// lines (with the header index). This is what stands between a click on a week and its
// first listing.

#include "SampleWeek.h"
#include "schedule/ScheduleText.h"
#include "schedule/WeeklyFile.h"

#include <benchmark/benchmark.h>

namespace {

const std::vector<std::uint8_t>& sampleFile() {
    static const std::vector<std::uint8_t> file = [] {
        const kanavo::TDateTime monday = kanavo::encodeDate(2026, 12, 7);
        return kanavo::writeWeeklyFile(monday, kanavo::makeSampleWeek(monday, kanavo::kSampleMaxChannels));
    }();
    return file;
}

void BM_OpenWeek200Channels(benchmark::State& state) {
    const auto& file = sampleFile();
    kanavo::TQuorStreams streams;
    std::size_t lines = 0;
    for (auto _ : state) {
        const kanavo::WeekContent content = kanavo::readWeekContent(file, streams);
        const kanavo::ScheduleText text(content.schedule);
        lines = text.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["file_bytes"] = static_cast<double>(file.size());
}
BENCHMARK(BM_OpenWeek200Channels)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
