#include "schedule/Lh5Encoder.h"

#include "schedule/Lh5Huffman.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <memory>

namespace kanavo {

namespace {

constexpr std::int64_t kWindowSize = 8192;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 256;
constexpr std::size_t kLiteralLengthSymbols = 510; // 256 literals, then lengths 3..256
constexpr std::size_t kPositionSymbols = 14;       // bit-length classes of distances 0..8191
constexpr std::size_t kCodeLengthSymbols = 19;
constexpr int kCodeLengthCountBits = 5;
constexpr int kLiteralLengthCountBits = 9;
constexpr int kPositionCountBits = 4;
constexpr std::size_t kCodeLengthSpecialIndex = 3;
constexpr std::size_t kNoSpecialIndex = static_cast<std::size_t>(-1);

// Symbols per block: large enough that the tables cost little, small enough that the
// codes follow changes in the text. The block header holds up to 65535.
constexpr std::size_t kMaxBlockSymbols = 16384;

// Matcher effort: how many earlier positions to try, when a match is long enough to stop
// looking, and up to which length a match is worth deferring for a longer one a byte later.
constexpr int kHashBits = 15;
constexpr int kMaxChain = 64;
constexpr std::size_t kNiceMatch = 128;
constexpr std::size_t kLazyLimit = 32;

// Most significant bit first, as the decoder reads.
class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : m_out(out) {}

    // `value` must fit in `count` bits; count 0..32.
    void put(int count, std::uint32_t value) {
        m_bits = (m_bits << count) | value;
        m_count += count;
        while (m_count >= 8) {
            m_count -= 8;
            m_out.push_back(static_cast<std::uint8_t>(m_bits >> m_count));
        }
    }

    // Pads the last byte with zero bits.
    void flush() {
        if (m_count > 0) {
            put(8 - m_count, 0);
        }
    }

private:
    std::vector<std::uint8_t>& m_out;
    std::uint64_t m_bits = 0;
    int m_count = 0;
};

struct Code {
    std::vector<std::uint8_t> lengths;
    std::vector<std::uint16_t> codes;
    std::size_t single = 0; // the one symbol when fewer than two are used
    bool isSingle = false;
};

Code makeCode(std::span<const std::uint32_t> frequencies) {
    Code code;
    code.lengths = lh5::buildCodeLengths(frequencies);
    code.codes = lh5::canonicalCodes(code.lengths);
    code.isSingle = std::all_of(code.lengths.begin(), code.lengths.end(), [](auto l) { return l == 0; });
    if (code.isSingle) {
        const auto it = std::find_if(frequencies.begin(), frequencies.end(), [](auto f) { return f != 0; });
        code.single = it == frequencies.end() ? 0 : static_cast<std::size_t>(it - frequencies.begin());
    }
    return code;
}

std::size_t positionSymbol(std::uint32_t distance) {
    return static_cast<std::size_t>(std::bit_width(distance));
}

// Collects the symbols of one block and writes the block once it is full.
class BlockEncoder {
public:
    explicit BlockEncoder(std::vector<std::uint8_t>& out) : m_bits(out) {
        m_symbols.reserve(kMaxBlockSymbols);
    }

    void literal(std::uint8_t byte) { add(byte, 0); }

    // `distance` counts from 0 (the byte just before).
    void match(std::size_t length, std::uint32_t distance) {
        const auto symbol = static_cast<std::uint16_t>(length + 256 - kMinMatch);
        ++m_positionFrequencies[positionSymbol(distance)];
        add(symbol, static_cast<std::uint16_t>(distance));
    }

    void finish() {
        writeBlock();
        m_bits.flush();
    }

private:
    struct Symbol {
        std::uint16_t value;
        std::uint16_t distance;
    };

    void add(std::uint16_t value, std::uint16_t distance) {
        ++m_literalLengthFrequencies[value];
        m_symbols.push_back({value, distance});
        if (m_symbols.size() == kMaxBlockSymbols) {
            writeBlock();
        }
    }

    void writeBlock() {
        if (m_symbols.empty()) {
            return;
        }
        const Code literalLength = makeCode(m_literalLengthFrequencies);
        const Code position = makeCode(m_positionFrequencies);

        m_bits.put(16, static_cast<std::uint32_t>(m_symbols.size()));
        if (literalLength.isSingle) {
            m_bits.put(kCodeLengthCountBits, 0);
            m_bits.put(kCodeLengthCountBits, 0);
            m_bits.put(kLiteralLengthCountBits, 0);
            m_bits.put(kLiteralLengthCountBits, static_cast<std::uint32_t>(literalLength.single));
        } else {
            writeLiteralLengthTable(literalLength.lengths);
        }
        writeSmallTable(position, kPositionCountBits, kNoSpecialIndex);

        for (const Symbol& s : m_symbols) {
            m_bits.put(literalLength.lengths[s.value], literalLength.codes[s.value]);
            if (s.value >= 256) {
                const std::size_t p = positionSymbol(s.distance);
                m_bits.put(position.lengths[p], position.codes[p]);
                if (p > 1) {
                    m_bits.put(static_cast<int>(p - 1), s.distance & ((1u << (p - 1)) - 1));
                }
            }
        }

        m_symbols.clear();
        m_literalLengthFrequencies.fill(0);
        m_positionFrequencies.fill(0);
    }

    // The literal/length lengths travel coded with the code-length alphabet: symbol 0 is
    // one zero, 1 is 3..18 zeros (4 more bits), 2 is 20..531 zeros (9 more bits), and
    // k >= 3 is length k - 2. The same walk counts the symbols and then writes them.
    template <typename Emit>
    static void walkLiteralLengths(std::span<const std::uint8_t> lengths, Emit&& emit) {
        std::size_t i = 0;
        while (i < lengths.size()) {
            const std::uint8_t len = lengths[i++];
            if (len != 0) {
                emit(static_cast<std::size_t>(len) + 2, 0, 0);
                continue;
            }
            std::size_t zeros = 1;
            while (i < lengths.size() && lengths[i] == 0) {
                ++i;
                ++zeros;
            }
            if (zeros <= 2) {
                for (std::size_t k = 0; k < zeros; ++k) {
                    emit(0, 0, 0);
                }
            } else if (zeros <= 18) {
                emit(1, 4, static_cast<std::uint32_t>(zeros - 3));
            } else if (zeros == 19) {
                emit(0, 0, 0);
                emit(1, 4, 15);
            } else {
                emit(2, kLiteralLengthCountBits, static_cast<std::uint32_t>(zeros - 20));
            }
        }
    }

    void writeLiteralLengthTable(std::span<const std::uint8_t> allLengths) {
        std::size_t count = allLengths.size();
        while (count > 0 && allLengths[count - 1] == 0) {
            --count;
        }
        const auto lengths = allLengths.first(count);

        std::array<std::uint32_t, kCodeLengthSymbols> frequencies{};
        walkLiteralLengths(lengths, [&](std::size_t symbol, int, std::uint32_t) { ++frequencies[symbol]; });
        const Code codeLength = makeCode(frequencies);
        writeSmallTable(codeLength, kCodeLengthCountBits, kCodeLengthSpecialIndex);

        m_bits.put(kLiteralLengthCountBits, static_cast<std::uint32_t>(count));
        walkLiteralLengths(lengths, [&](std::size_t symbol, int extraBits, std::uint32_t extra) {
            m_bits.put(codeLength.lengths[symbol], codeLength.codes[symbol]);
            m_bits.put(extraBits, extra);
        });
    }

    // The code-length and position tables: a count, then each length in 3 bits, lengths
    // of 7 and more as that many minus 4 one bits and a zero. After `specialIndex`
    // lengths a 2-bit count of zero lengths follows (the code-length table uses index 3
    // to skip the rarely used lengths 1..3; kNoSpecialIndex for none).
    void writeSmallTable(const Code& code, int countBits, std::size_t specialIndex) {
        if (code.isSingle) {
            m_bits.put(countBits, 0);
            m_bits.put(countBits, static_cast<std::uint32_t>(code.single));
            return;
        }
        std::size_t count = code.lengths.size();
        while (count > 0 && code.lengths[count - 1] == 0) {
            --count;
        }
        m_bits.put(countBits, static_cast<std::uint32_t>(count));
        std::size_t i = 0;
        while (i < count) {
            const std::uint8_t len = code.lengths[i++];
            if (len <= 6) {
                m_bits.put(3, len);
            } else {
                m_bits.put(len - 3, (1u << (len - 3)) - 2);
            }
            if (i == specialIndex) {
                // The zero run may not reach past the counted lengths.
                std::size_t zeros = 0;
                while (zeros < 3 && i < count && code.lengths[i] == 0) {
                    ++i;
                    ++zeros;
                }
                m_bits.put(2, static_cast<std::uint32_t>(zeros));
            }
        }
    }

    BitWriter m_bits;
    std::vector<Symbol> m_symbols;
    std::array<std::uint32_t, kLiteralLengthSymbols> m_literalLengthFrequencies{};
    std::array<std::uint32_t, kPositionSymbols> m_positionFrequencies{};
};

// Hash chains over the last 8192 positions: for every 3-byte prefix the most recent
// position, and for every position the previous one with the same hash.
class Matcher {
public:
    explicit Matcher(std::span<const std::uint8_t> data) : m_data(data) {
        m_head.fill(kNone);
        m_previous.fill(kNone);
    }

    struct Match {
        std::size_t length = 0;
        std::uint32_t distance = 0; // from 0, as sent
    };

    // The longest earlier match for the bytes at `pos` (only positions inserted so far).
    Match find(std::size_t pos) const {
        Match best;
        const std::size_t limit = std::min(kMaxMatch, m_data.size() - pos);
        if (limit < kMinMatch) {
            return best;
        }
        const std::uint8_t* here = m_data.data() + pos;
        const auto ipos = static_cast<std::int64_t>(pos);
        std::int64_t candidate = m_head[hash(pos)];
        for (int chain = 0; chain < kMaxChain && candidate != kNone; ++chain) {
            if (ipos - candidate > kWindowSize) {
                break;
            }
            const std::uint8_t* there = m_data.data() + candidate;
            if (there[best.length] == here[best.length] && there[0] == here[0] && there[1] == here[1]) {
                std::size_t length = 2;
                while (length < limit && there[length] == here[length]) {
                    ++length;
                }
                if (length > best.length) {
                    best.length = length;
                    best.distance = static_cast<std::uint32_t>(ipos - candidate - 1);
                    if (length >= kNiceMatch || length == limit) {
                        break;
                    }
                }
            }
            const std::int64_t previous = m_previous[static_cast<std::size_t>(candidate) & kMask];
            if (previous >= candidate) { // a slot reused by a newer position
                break;
            }
            candidate = previous;
        }
        if (best.length < kMinMatch) {
            best = {};
        }
        return best;
    }

    void insert(std::size_t pos) {
        if (pos + kMinMatch > m_data.size()) {
            return;
        }
        const std::size_t h = hash(pos);
        m_previous[pos & kMask] = m_head[h];
        m_head[h] = static_cast<std::int64_t>(pos);
    }

private:
    static constexpr std::int64_t kNone = -1;
    static constexpr std::size_t kMask = static_cast<std::size_t>(kWindowSize) - 1;

    std::size_t hash(std::size_t pos) const {
        const std::uint32_t v = m_data[pos] | (m_data[pos + 1] << 8) | (m_data[pos + 2] << 16);
        return (v * 2654435761u) >> (32 - kHashBits);
    }

    std::span<const std::uint8_t> m_data;
    std::array<std::int64_t, std::size_t{1} << kHashBits> m_head;
    std::array<std::int64_t, static_cast<std::size_t>(kWindowSize)> m_previous;
};

} // namespace

std::vector<std::uint8_t> lh5Encode(std::span<const std::uint8_t> input) {
    std::vector<std::uint8_t> out;
    if (input.empty()) {
        return out;
    }
    out.reserve(input.size() / 2 + 64);
    auto matcher = std::make_unique<Matcher>(input);
    BlockEncoder blocks(out);

    // Greedy matching with one step of lazy evaluation: a short match is put off when
    // the next position starts a longer one.
    std::size_t pos = 0;
    Matcher::Match current;
    bool haveCurrent = false;
    while (pos < input.size()) {
        if (!haveCurrent) {
            current = matcher->find(pos);
            matcher->insert(pos);
        }
        haveCurrent = false;
        if (current.length == 0) {
            blocks.literal(input[pos]);
            ++pos;
            continue;
        }
        std::size_t inserted = pos + 1;
        if (current.length < kLazyLimit && pos + 1 < input.size()) {
            const Matcher::Match next = matcher->find(pos + 1);
            matcher->insert(pos + 1);
            if (next.length > current.length) {
                blocks.literal(input[pos]);
                ++pos;
                current = next;
                haveCurrent = true;
                continue;
            }
            inserted = pos + 2;
        }
        blocks.match(current.length, current.distance);
        const std::size_t end = pos + current.length;
        for (std::size_t p = inserted; p < end; ++p) {
            matcher->insert(p);
        }
        pos = end;
    }
    blocks.finish();
    return out;
}

} // namespace kanavo
