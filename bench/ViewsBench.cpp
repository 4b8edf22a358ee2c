// Composing every view of a 200-channel week, against the floor for a title search: one
// pass that lower-cases every line of the schedule text once.

#include "SampleWeek.h"
#include "base/Cp1251.h"
#include "schedule/WeekChannels.h"
#include "views/ListingComposer.h"

#include <benchmark/benchmark.h>

#include <limits>

namespace {

using namespace kanavo;

struct FixedClock : Clock {
    TDateTime now() const override { return encodeDate(2026, 12, 9) + encodeTime(20, 30); }
};

struct Week {
    Week() {
        const TDateTime monday = encodeDate(2026, 12, 7);
        schedule = ScheduleText(makeSampleWeek(monday, kSampleMaxChannels).schedule);
        channels = buildWeekChannels(schedule, settings, std::numeric_limits<int>::max()).channels;
        composer.setWeek({&schedule, monday, &channels});
    }

    Settings settings;
    ScheduleText schedule;
    std::vector<WeekChannel> channels;
    FixedClock clock;
    ListingComposer composer{
        settings, clock, [](std::string_view text, RowImages) { return static_cast<int>(text.size()) * 7; }};
};

Week& week() {
    static Week w;
    return w;
}

void BM_LowerCaseEveryLine(benchmark::State& state) {
    const ScheduleText& text = week().schedule;
    std::string lower;
    for (auto _ : state) {
        for (const std::string& line : text.lines()) {
            lower.resize(line.size());
            for (std::size_t i = 0; i < line.size(); ++i) {
                lower[i] = cp1251::toLower(line[i]);
            }
            benchmark::DoNotOptimize(lower.data());
        }
    }
    state.counters["lines"] = static_cast<double>(text.size());
}
BENCHMARK(BM_LowerCaseEveryLine)->Unit(benchmark::kMillisecond);

void composeMode(benchmark::State& state, int mode, const char* search) {
    Week& w = week();
    ViewState view;
    view.searchText = cp1251::fromUtf8(search).value();
    view.CurrentDay = 2;
    view.channelButton.show(w.channels.front().name, w.channels.front().logo);
    std::size_t rows = 0;
    for (auto _ : state) {
        ViewState fresh = view;
        const Listing listing = w.composer.WriteTV(mode, fresh);
        rows = listing.rows.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_ChannelDay(benchmark::State& state) {
    composeMode(state, 2, "");
}
void BM_Now(benchmark::State& state) {
    composeMode(state, 8, "");
}
void BM_AllChannelsDay(benchmark::State& state) {
    composeMode(state, 9, "");
}
void BM_ChannelWeek(benchmark::State& state) {
    composeMode(state, 10, "");
}
void BM_SearchOneWord(benchmark::State& state) {
    composeMode(state, 11, "новости");
}
void BM_SearchTwoWords(benchmark::State& state) {
    composeMode(state, 11, "новости спорт");
}
void BM_SearchNothingFound(benchmark::State& state) {
    composeMode(state, 11, "шахматы");
}
BENCHMARK(BM_ChannelDay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Now)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllChannelsDay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChannelWeek)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchOneWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchTwoWords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchNothingFound)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
