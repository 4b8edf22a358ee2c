#include "SampleWeek.h"

#include "SampleBanner.h"
#include "SampleCatalogue.h"
#include "base/Cp1251.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace kanavo {

namespace {

using sample::kTypeCount;
using sample::Profile;
using sample::Words;
using Weights = std::array<int, kTypeCount>;

constexpr std::string_view kBannerAddress = "http://kanavo.example/reklama";

// Our own generator rather than the standard distributions, whose results differ
// between library versions: splitmix64 to derive seeds, xorshift64* for the stream.
std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

std::uint64_t key(std::uint64_t a, std::uint64_t b, std::uint64_t c = 0, std::uint64_t d = 0) {
    return mix(mix(mix(mix(a) ^ b) ^ c) ^ d);
}

class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(mix(seed) | 1) {}

    std::uint32_t next() {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return static_cast<std::uint32_t>((m_state * 0x2545F4914F6CDD1DULL) >> 32);
    }
    // 0..n-1 for n >= 1.
    int below(std::size_t n) { return static_cast<int>((static_cast<std::uint64_t>(next()) * n) >> 32); }
    bool percent(int p) { return below(100) < p; }
    int between(int low, int high) { return low + below(static_cast<std::size_t>(high - low + 1)); }
    std::string_view pick(Words words) { return words[static_cast<std::size_t>(below(words.size()))]; }
    int weighted(const Weights& weights) {
        int total = 0;
        for (const int w : weights) {
            total += w;
        }
        int r = below(static_cast<std::size_t>(total));
        for (int type = 0; type < kTypeCount; ++type) {
            r -= weights[static_cast<std::size_t>(type)];
            if (r < 0) {
                return type;
            }
        }
        return kTypeCount - 1;
    }

private:
    std::uint64_t m_state;
};

enum Period { Morning, Daytime, Evening, Night };

Period periodAt(int minute) {
    const int hour = (minute / 60) % 24;
    if (hour >= 5 && hour < 9) {
        return Morning;
    }
    if (hour >= 9 && hour < 17) {
        return Daytime;
    }
    if (hour >= 17 && hour < 23) {
        return Evening;
    }
    return Night;
}

// Type mixes: news, films, serials, cartoons, sport, talk, investigations, education,
// music, games, humour, children, nature, culture, other.
constexpr std::array<Weights, 4> kGeneral = {{
    {30, 2, 4, 14, 3, 3, 2, 6, 6, 2, 2, 12, 5, 3, 16},
    {14, 8, 18, 5, 4, 12, 5, 5, 4, 8, 5, 5, 5, 4, 8},
    {14, 12, 16, 1, 5, 7, 8, 1, 4, 8, 8, 2, 2, 3, 3},
    {10, 18, 6, 0, 8, 5, 6, 3, 10, 3, 5, 0, 3, 6, 4},
}};

Weights weightsFor(Profile profile, Period period, bool weekend) {
    Weights w{};
    switch (profile) {
    case Profile::General:
        w = kGeneral[period];
        break;
    case Profile::Sport:
        w = {12, 0, 0, 0, 70, 4, 2, 2, 0, 2, 0, 0, 2, 0, 6};
        break;
    case Profile::Music:
        w = {3, 4, 0, 0, 0, 4, 0, 0, 75, 3, 5, 0, 0, 0, 6};
        break;
    case Profile::Children:
        w = {0, 6, 0, 45, 0, 0, 0, 8, 3, 5, 0, 30, 4, 0, 2};
        break;
    case Profile::Cinema:
        w = {2, 60, 25, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 4, 5};
        break;
    case Profile::Culture:
        w = {8, 15, 0, 0, 0, 3, 3, 12, 15, 0, 0, 4, 10, 30, 0};
        break;
    case Profile::Nature:
        w = {4, 0, 0, 0, 0, 0, 10, 20, 0, 0, 0, 0, 50, 8, 8};
        break;
    case Profile::News:
        w = {55, 0, 0, 0, 5, 10, 10, 5, 0, 0, 0, 0, 0, 5, 10};
        break;
    }
    if (weekend && (period == Morning || period == Daytime)) {
        for (const int type : {1, 3, 11}) {
            if (w[static_cast<std::size_t>(type)] > 0) {
                w[static_cast<std::size_t>(type)] += 8;
            }
        }
    }
    return w;
}

struct Programme {
    std::string title; // UTF-8
    int minutes = 0;
};

std::string concat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (const std::string_view part : parts) {
        out += part;
    }
    return out;
}

// What one channel keeps from day to day: the serials it runs and their next episodes.
struct ChannelPlan {
    int number = 0;
    std::string name;
    Profile profile = Profile::General;
    int startOffset = 0; // minutes around the usual 06:00 (weekdays) or 07:00 start
    std::array<int, 3> serials{};
    std::array<int, 3> firstEpisode{};
};

class DayComposer {
public:
    DayComposer(const ChannelPlan& channel, int weekOrdinal, int day, Random& random)
        : m_channel(channel), m_weekOrdinal(weekOrdinal), m_day(day), m_random(random) {}

    Programme compose(int type) {
        switch (type) {
        case 1:
            return film();
        case 2:
            return serial();
        case 4:
            return sport();
        case 5:
            return withLength(talk(), 40, 70);
        case 13:
            return culture();
        default:
            return fixed(type);
        }
    }

private:
    Programme withLength(std::string title, int low, int high) {
        return {std::move(title), 5 * m_random.between(low / 5, high / 5)};
    }

    // Three different people, joined by commas.
    std::string threePersons() {
        const Words names = sample::personNames();
        const auto a = static_cast<std::size_t>(m_random.below(names.size()));
        auto b = static_cast<std::size_t>(m_random.below(names.size() - 1));
        b += b >= a ? 1 : 0;
        auto c = static_cast<std::size_t>(m_random.below(names.size() - 2));
        for (const std::size_t taken : {std::min(a, b), std::max(a, b)}) {
            c += c >= taken ? 1 : 0;
        }
        return concat({names[a], ", ", names[b], ", ", names[c]});
    }

    Programme fixed(int type) {
        static constexpr std::array<std::array<int, 2>, kTypeCount> lengths = {{
            {5, 30},
            {80, 150},
            {25, 60},
            {5, 30},
            {30, 150},
            {40, 70},
            {25, 60},
            {15, 45},
            {20, 120},
            {30, 70},
            {30, 90},
            {15, 40},
            {25, 60},
            {15, 90},
            {5, 60},
        }};
        const auto& range = lengths[static_cast<std::size_t>(type)];
        return withLength(std::string(m_random.pick(sample::fixedTitles(type))), range[0], range[1]);
    }

    Programme film() {
        std::string title =
            concat({m_random.pick(sample::filmGenres()), " «", m_random.pick(sample::filmNames()), "»"});
        if (m_random.percent(60)) {
            title += concat({" (", m_random.pick(sample::filmCountries()), ", ",
                             std::to_string(m_random.between(1955, 2003)), ")"});
        }
        if (m_random.percent(10)) { // the long descriptions that only fit in a hint
            title +=
                concat({". Режиссёр ", m_random.pick(sample::personNames()), ". В ролях: ", threePersons()});
        }
        return withLength(std::move(title), 80, 150);
    }

    Programme serial() {
        const auto which = static_cast<std::size_t>(m_random.below(m_channel.serials.size()));
        // Three airings a day at most get new episodes; any later one repeats the last.
        const int airing = std::min(m_airings[which]++, 2);
        const int episode = m_channel.firstEpisode[which] + (m_weekOrdinal * 7 + m_day) * 3 + airing;
        constexpr int lengths[] = {25, 30, 45, 50, 55, 60};
        return {concat({"Т/с «", sample::serialNames()[static_cast<std::size_t>(m_channel.serials[which])],
                        "» (", std::to_string(episode), "-я серия)"}),
                lengths[m_random.below(std::size(lengths))]};
    }

    std::string match(Words teams) {
        const auto home = static_cast<std::size_t>(m_random.below(teams.size()));
        auto away = static_cast<std::size_t>(m_random.below(teams.size() - 1));
        away += away >= home ? 1 : 0;
        return concat({teams[home], " — ", teams[away]});
    }

    Programme sport() {
        const int kind = m_random.below(100);
        const bool live = m_random.percent(15);
        if (kind < 35) {
            const std::string round =
                live ? concat({std::to_string(m_random.between(1, 30)), "-й тур. "}) : "";
            return withLength(concat({"Футбол. Чемпионат России. ", round, match(sample::footballTeams()),
                                      live ? ". Прямая трансляция" : ""}),
                              110, 150);
        }
        if (kind < 55) {
            return withLength(concat({"Хоккей. Чемпионат России. ", match(sample::hockeyTeams()),
                                      live ? ". Прямая трансляция" : ""}),
                              110, 150);
        }
        return withLength(std::string(m_random.pick(sample::sportEvents())), 30, 150);
    }

    std::string talk() {
        std::string title(m_random.pick(sample::fixedTitles(5)));
        if (m_random.percent(25)) {
            title += concat({". Тема: «", m_random.pick(sample::talkTopics()), "»"});
        }
        return title;
    }

    Programme culture() {
        const int kind = m_random.below(100);
        if (kind < 8) {
            return withLength(concat({"Спектакль Малого театра ", m_random.pick(sample::plays()),
                                      ". В ролях: ", threePersons(), ". Запись ",
                                      std::to_string(m_random.between(1965, 1990)), " года"}),
                              120, 150);
        }
        if (kind < 20) {
            return withLength(concat({"Спектакль ", m_random.pick(sample::plays())}), 120, 150);
        }
        return fixed(13);
    }

    const ChannelPlan& m_channel;
    int m_weekOrdinal;
    int m_day;
    Random& m_random;
    std::array<int, 3> m_airings{};
};

std::string clock(int minute) {
    const int h = (minute / 60) % 24;
    const int m = minute % 60;
    return {static_cast<char>('0' + h / 10), static_cast<char>('0' + h % 10), ':',
            static_cast<char>('0' + m / 10), static_cast<char>('0' + m % 10)};
}

void appendLine(std::string& text, char code, int minute, std::string_view title) {
    text += code;
    text += clock(minute);
    text += ' ';
    text += title;
    text += "\r\n";
}

// Types that often run back to back: a film after a film, two episodes of a serial.
bool repeatable(int type) {
    return type == 1 || type == 2 || type == 3 || type == 4 || type == 8;
}

// One day section: programmes from the morning into the small hours of the next day,
// then the closing line that gives the last one its end.
void appendDay(std::string& text, const ChannelPlan& channel, int weekOrdinal, int day, Random& random) {
    const bool weekend = day >= 5;
    int minute = (weekend ? 7 * 60 : 6 * 60) + channel.startOffset;
    const int targetEnd = 25 * 60 + 5 * random.between(0, 12); // 01:00 .. 02:00
    const int latestEnd = targetEnd + 60;

    // General channels spread all fifteen types over the week: each day owes a few.
    std::vector<int> owed;
    if (channel.profile == Profile::General) {
        for (int type = day; type < kTypeCount; type += 7) {
            owed.push_back(type);
        }
    }

    DayComposer composer(channel, weekOrdinal, day, random);
    std::string previous;
    int previousType = -1;
    text += concat({"[", channel.name, std::to_string(day), "]\r\n"});
    while (minute < targetEnd) {
        int type = 0;
        // A debt is paid by chance, or for certain once the time left would barely hold
        // the owed programmes at their longest.
        const bool pay = !owed.empty() && (random.percent(12) ||
                                           targetEnd - minute <= static_cast<int>(owed.size() + 1) * 150);
        if (pay) {
            type = owed[static_cast<std::size_t>(random.below(owed.size()))];
        } else {
            const Weights weights = weightsFor(channel.profile, periodAt(minute), weekend);
            type = random.weighted(weights);
            if (type == previousType && !repeatable(type)) {
                type = random.weighted(weights); // two news bulletins in a row only now and then
            }
        }
        std::erase(owed, type);
        Programme programme = composer.compose(type);
        if (programme.title == previous) {
            programme = composer.compose(type);
        }
        appendLine(text, static_cast<char>(40 + type), minute, programme.title);
        minute += std::min(programme.minutes, latestEnd - minute);
        previous = std::move(programme.title);
        previousType = type;
    }
    appendLine(text, '6', minute, "Конец вещания");
}

ChannelPlan planChannel(int number, std::uint32_t seed) {
    const auto named = sample::namedChannels();
    Random random(key(seed, 0xC4A77E1ULL, static_cast<std::uint64_t>(number)));
    ChannelPlan plan;
    plan.number = number;
    if (static_cast<std::size_t>(number) <= named.size()) {
        plan.name = named[static_cast<std::size_t>(number - 1)].name;
        plan.profile = named[static_cast<std::size_t>(number - 1)].profile;
    } else {
        plan.name = "Канал " + std::to_string(number);
        plan.profile = random.percent(80) ? Profile::General : static_cast<Profile>(random.between(1, 7));
    }
    constexpr int offsets[] = {-60, -30, 0, 0, 0, 30};
    plan.startOffset = offsets[random.below(std::size(offsets))];
    const std::size_t serialCount = sample::serialNames().size();
    for (std::size_t i = 0; i < plan.serials.size(); ++i) {
        int serial = 0;
        do {
            serial = random.below(serialCount);
        } while (std::find(plan.serials.begin(), plan.serials.begin() + static_cast<std::ptrdiff_t>(i),
                           serial) != plan.serials.begin() + static_cast<std::ptrdiff_t>(i));
        plan.serials[i] = serial;
        plan.firstEpisode[i] = random.between(1, 30);
    }
    return plan;
}

const std::vector<std::uint8_t>& bannerGif() {
    static const std::vector<std::uint8_t> gif = makeSampleBannerGif();
    return gif;
}

} // namespace

WeekContent makeSampleWeek(TDateTime monday, int channels, std::uint32_t seed) {
    if (channels < 1 || channels > kSampleMaxChannels) {
        throw std::invalid_argument("sample week: channel count must be 1.." +
                                    std::to_string(kSampleMaxChannels));
    }
    if (!std::isfinite(monday) || std::fabs(monday) > 1e7) {
        throw std::invalid_argument("sample week: the first day is not a date");
    }
    const auto dayNumber = static_cast<std::int64_t>(std::floor(monday));
    const std::int64_t week = (dayNumber >= 0 ? dayNumber : dayNumber - 6) / 7;
    // Serials run for six weeks and then start again, so episode numbers stay believable.
    const int weekOrdinal = static_cast<int>(((week % 6) + 6) % 6);

    std::vector<ChannelPlan> plans;
    std::string text = "[CANALS]\r\n";
    for (int number = 1; number <= channels; ++number) {
        plans.push_back(planChannel(number, seed));
        text += concat({std::to_string(number), " ", plans.back().name, "\r\n"});
    }
    text += "[CANALS_END]\r\n";
    for (const ChannelPlan& plan : plans) {
        for (int day = 0; day < 7; ++day) {
            Random random(key(seed, static_cast<std::uint64_t>(week), static_cast<std::uint64_t>(plan.number),
                              static_cast<std::uint64_t>(day)));
            appendDay(text, plan, weekOrdinal, day, random);
        }
    }
    text += "[END]\r\n";

    std::string bad;
    std::optional<std::string> schedule = cp1251::fromUtf8(text, &bad);
    if (!schedule) {
        throw std::logic_error("sample week: a text has no Windows-1251 form: " + bad);
    }
    return {std::move(*schedule), {{std::string(kBannerAddress), bannerGif()}}};
}

} // namespace kanavo
