// lh5 decoding speed: our decoder against libarchive's on the same bit stream, about
// 40 MB of schedule-like Windows-1251 text compressed once with our encoder.

#include "base/Cp1251.h"
#include "schedule/Lh5Decoder.h"
#include "schedule/Lh5Encoder.h"

#include <archive.h>
#include <archive_entry.h>
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kTextSize = 40 * 1000 * 1000;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "Lh5DecodeBench setup: %s\n", what);
    std::abort();
}

std::string cp(const char* utf8) {
    return *kanavo::cp1251::fromUtf8(utf8);
}

// Weeks of schedule text for many channels: channel list, day headers and entry lines
// "(06:00 Title" with titles drawn from a word list by a fixed-seed generator.
Bytes scheduleText(std::size_t size) {
    const char* const channelNames[] = {
        "Первый канал", "Россия 1", "НТВ",  "Культура", "СТС",       "ТНТ",
        "Пятый канал",  "Звезда",   "Мир",  "ТВ Центр", "Домашний",  "Рен ТВ",
        "Карусель",     "Матч ТВ",  "Спас", "Ю",        "Россия 24", "Пятница"};
    const char* const words[] = {
        "Новости", "Время",        "Доброе утро",  "Фильм",        "Сериал",         "Погода",
        "Спорт",   "Вести",        "Жить",         "здорово!",     "Поле чудес",     "Мультфильмы",
        "Футбол",  "Концерт",      "Ночной",       "Часть",        "Документальный", "Криминальная",
        "Россия",  "Мир",          "животных",     "Кино",         "Ералаш",         "Смак",
        "Пусть",   "говорят",      "Давай",        "поженимся!",   "Модный",         "приговор",
        "Кто",     "хочет",        "стать",        "миллионером?", "Своя",           "игра",
        "Сегодня", "Чрезвычайное", "происшествие", "Итоги",        "Следствие",      "вели...",
        "Улицы",   "разбитых",     "фонарей",      "Тайны",        "следствия",      "Детектив",
        "Комедия", "Мелодрама",    "Приключения",  "Боевик",       "Хоккей",         "Теннис",
        "Биатлон", "Формула-1"};
    std::vector<std::string> channels;
    std::vector<std::string> vocabulary;
    for (const char* name : channelNames) {
        channels.push_back(cp(name));
    }
    for (const char* word : words) {
        vocabulary.push_back(cp(word));
    }
    const std::string episode = cp("-я серия");
    const std::string closing = cp("601:30 Конец вещания\r\n");

    std::mt19937 rng(2024);
    std::string text;
    text.reserve(size + 4096);
    while (text.size() < size) {
        text += "[CANALS]\r\n";
        for (std::size_t i = 0; i < channels.size(); ++i) {
            text.append(std::to_string(i)).append(" ").append(channels[i]).append("\r\n");
        }
        text += "[CANALS_END]\r\n";
        for (int day = 0; day < 7; ++day) {
            for (const std::string& channel : channels) {
                text.append("[").append(channel).append(std::to_string(day)).append("]\r\n");
                for (int minute = 6 * 60; minute < 26 * 60;
                     minute += 5 * (1 + static_cast<int>(rng() % 24))) {
                    char start[8];
                    std::snprintf(start, sizeof start, "%c%02d:%02d ", static_cast<char>(0x28 + rng() % 15),
                                  minute / 60 % 24, minute % 60);
                    text += start;
                    const int titleWords = 1 + static_cast<int>(rng() % 4);
                    for (int w = 0; w < titleWords; ++w) {
                        text.append(w ? " " : "").append(vocabulary[rng() % vocabulary.size()]);
                    }
                    if (rng() % 3 == 0) {
                        text.append(" ").append(std::to_string(1 + rng() % 300)).append(episode);
                    }
                    text += "\r\n";
                }
                text += closing;
            }
        }
        text += "[END]\r\n";
    }
    text.resize(size);
    return Bytes(text.begin(), text.end());
}

std::uint16_t crc16(const Bytes& data) {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned c = i;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) ? (c >> 1) ^ 0xA001 : c >> 1;
        }
        table[i] = static_cast<std::uint16_t>(c);
    }
    std::uint16_t crc = 0;
    for (const std::uint8_t b : data) {
        crc = static_cast<std::uint16_t>(table[(crc ^ b) & 0xFF] ^ (crc >> 8));
    }
    return crc;
}

void put16(Bytes& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& out, std::size_t v) {
    put16(out, static_cast<unsigned>(v & 0xFFFF));
    put16(out, static_cast<unsigned>(v >> 16));
}

// A one-entry .lzh archive around a raw lh5 stream: a level-2 header with a header-CRC
// and a file-name extension, the data CRC of `original`, then the end mark.
Bytes lzhArchive(const Bytes& packed, const Bytes& original) {
    const std::string name = "week.txt";
    const unsigned nameExtension = 1 + static_cast<unsigned>(name.size()) + 2;
    const unsigned headerSize = 26 + 5 + nameExtension;
    Bytes out;
    put16(out, headerSize);
    for (const char c : std::string("-lh5-")) {
        out.push_back(static_cast<std::uint8_t>(c));
    }
    put32(out, packed.size());
    put32(out, original.size());
    put32(out, 0);       // time stamp
    out.push_back(0x20); // reserved
    out.push_back(2);    // header level
    put16(out, crc16(original));
    out.push_back('U'); // operating system
    put16(out, 5);      // first extension: header CRC
    out.push_back(0x00);
    put16(out, 0); // filled in below
    put16(out, nameExtension);
    out.push_back(0x01);
    out.insert(out.end(), name.begin(), name.end());
    put16(out, 0); // no further extension
    const std::uint16_t headerCrc = crc16(out);
    out[27] = static_cast<std::uint8_t>(headerCrc);
    out[28] = static_cast<std::uint8_t>(headerCrc >> 8);
    out.insert(out.end(), packed.begin(), packed.end());
    out.push_back(0);
    return out;
}

// Expands the archive's one entry into `out` (sized to the expected length); false on
// any libarchive error, a wrong entry size, or a CRC warning.
bool libarchiveExpand(const Bytes& archive, Bytes& out) {
    struct archive* a = archive_read_new();
    archive_read_support_format_lha(a);
    bool ok = archive_read_open_memory(a, archive.data(), archive.size()) == ARCHIVE_OK;
    struct archive_entry* entry = nullptr;
    ok = ok && archive_read_next_header(a, &entry) == ARCHIVE_OK;
    ok = ok && archive_entry_size(entry) == static_cast<la_int64_t>(out.size());
    std::size_t done = 0;
    while (ok) {
        const la_ssize_t n = archive_read_data(a, out.data() + done, out.size() - done);
        if (n < 0 || (n == 0 && done != out.size())) {
            ok = false;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
        if (done == out.size()) {
            // A final read reports the CRC check.
            char extra;
            ok = archive_read_data(a, &extra, 1) == 0;
            break;
        }
    }
    archive_read_free(a);
    return ok;
}

struct Corpus {
    Bytes text;
    Bytes packed;  // raw lh5 stream
    Bytes archive; // the same stream inside an .lzh archive
};

const Corpus& corpus() {
    static const Corpus c = [] {
        Corpus c;
        c.text = scheduleText(kTextSize);
        const auto start = std::chrono::steady_clock::now();
        c.packed = kanavo::lh5Encode(c.text);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::fprintf(
            stderr, "lh5Encode: %zu -> %zu bytes (%.1f%%) in %.2f s\n", c.text.size(), c.packed.size(),
            100.0 * static_cast<double>(c.packed.size()) / static_cast<double>(c.text.size()), seconds);
        c.archive = lzhArchive(c.packed, c.text);

        Bytes ours;
        kanavo::lh5Decode(c.packed, c.text.size(), ours);
        if (ours != c.text) {
            fail("lh5Decode does not reproduce the input");
        }
        Bytes theirs(c.text.size());
        if (!libarchiveExpand(c.archive, theirs) || theirs != c.text) {
            fail("libarchive does not reproduce the input");
        }
        return c;
    }();
    return c;
}

void BM_Lh5Decode(benchmark::State& state) {
    const Corpus& c = corpus();
    Bytes out;
    out.reserve(c.text.size());
    for (auto _ : state) {
        out.clear();
        kanavo::lh5Decode(c.packed, c.text.size(), out);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * c.text.size()));
}

void BM_LibarchiveLh5Decode(benchmark::State& state) {
    const Corpus& c = corpus();
    Bytes out(c.text.size());
    for (auto _ : state) {
        if (!libarchiveExpand(c.archive, out)) {
            state.SkipWithError("libarchive failed");
            break;
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * c.text.size()));
}

BENCHMARK(BM_Lh5Decode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibarchiveLh5Decode)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
