#include "schedule/Lh5Decoder.h"

#include "base/Errors.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace kanavo {
namespace {

constexpr int kLiteralAlphabet = 510;   // 256 literals, then match lengths 3..256
constexpr int kPositionAlphabet = 14;   // bit-length classes of a distance within 8 KB
constexpr int kCodeLengthAlphabet = 19; // codes that carry the literal code lengths
constexpr int kMinMatch = 3;
constexpr int kMaxCodeLength = 16;

// Reads the stream most significant bit first through a left-aligned 64-bit cache.
// Past the end of the input it supplies zero bits, as the format requires.
class BitReader {
public:
    explicit BitReader(std::span<const std::uint8_t> input)
        : m_p(input.data()), m_end(input.data() + input.size()) {
        refill();
    }

    // Afterwards at least 48 bits are cached: enough for one literal/length code, one
    // position code and its extra bits.
    void refill() {
        if (m_end - m_p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, m_p, 8);
            if constexpr (std::endian::native == std::endian::little) {
                word = byteswap(word);
            }
            m_cache |= word >> m_count;
            const int bytes = (63 - m_count) >> 3;
            m_p += bytes;
            m_count += bytes * 8;
        } else {
            while (m_count <= 48) {
                const std::uint64_t byte = m_p < m_end ? *m_p++ : 0;
                m_cache |= byte << (56 - m_count);
                m_count += 8;
            }
        }
    }

    // The next 16 bits without consuming them; the cache must hold them (see refill).
    std::uint32_t peek16() const { return static_cast<std::uint32_t>(m_cache >> 48); }

    void skip(int n) {
        m_cache <<= n;
        m_count -= n;
    }

    // Consumes and returns the next n bits, 1 <= n <= 16.
    std::uint32_t bits(int n) {
        if (m_count < n) {
            refill();
        }
        const auto value = static_cast<std::uint32_t>(m_cache >> (64 - n));
        skip(n);
        return value;
    }

private:
    static std::uint64_t byteswap(std::uint64_t v) {
        v = ((v & 0x00FF00FF00FF00FFull) << 8) | ((v >> 8) & 0x00FF00FF00FF00FFull);
        v = ((v & 0x0000FFFF0000FFFFull) << 16) | ((v >> 16) & 0x0000FFFF0000FFFFull);
        return (v << 32) | (v >> 32);
    }

    const std::uint8_t* m_p;
    const std::uint8_t* m_end;
    std::uint64_t m_cache = 0;
    int m_count = 0;
};

[[noreturn]] void corrupt(Lh5Error error) {
    throw ECorruptFile("Compressed file is corrupt", lh5ErrorName(error));
}

// A canonical Huffman decode table: a direct table indexed by the first `kPrimaryBits`
// bits, and for longer codes a second-level table indexed by the remaining bits up to 16.
// Each entry holds the symbol in its low 16 bits and the code length above; a primary
// entry with kSubtableFlag holds the offset of its second-level table instead.
template <int kAlphabet, int kPrimaryBits> class HuffmanTable {
public:
    static constexpr int kSubtableBits = kMaxCodeLength - kPrimaryBits;

    // Every lookup yields `symbol` and consumes no bits.
    void setSingle(int symbol) {
        std::fill_n(m_entries.begin(), 1 << kPrimaryBits, static_cast<std::uint32_t>(symbol));
    }

    // Lengths of 0 mean "unused". The lengths must exactly fill the 16-bit code space.
    void build(const std::uint8_t* lengths) {
        std::array<std::uint32_t, kMaxCodeLength + 1> count{};
        for (int s = 0; s < kAlphabet; ++s) {
            ++count[lengths[s]];
        }
        std::uint32_t space = 0;
        std::array<int, kMaxCodeLength + 2> firstOfLength{}; // where each length starts in `order`
        for (int len = 1; len <= kMaxCodeLength; ++len) {
            space += count[len] << (kMaxCodeLength - len);
            firstOfLength[len + 1] = firstOfLength[len] + static_cast<int>(count[len]);
        }
        if (space != (1u << kMaxCodeLength)) {
            corrupt(Lh5Error::CodeSpaceNotFilled);
        }
        // Canonical codes go to symbols by length, then by symbol; taking the symbols in that
        // order makes the codes increase, so the long codes sharing a prefix come together.
        std::array<std::uint16_t, kAlphabet> order{};
        for (int s = 0; s < kAlphabet; ++s) {
            if (lengths[s] != 0) {
                order[firstOfLength[lengths[s]]++] = static_cast<std::uint16_t>(s);
            }
        }
        const int used = firstOfLength[kMaxCodeLength];
        std::uint32_t code = 0; // left-aligned in 16 bits
        std::uint32_t subtablePrefix = ~0u;
        std::uint32_t subtableOffset = 0;
        std::uint32_t nextOffset = 1u << kPrimaryBits;
        for (int k = 0; k < used; ++k) {
            const int s = order[k];
            const int len = lengths[s];
            const std::uint32_t entry =
                static_cast<std::uint32_t>(s) | (static_cast<std::uint32_t>(len) << 16);
            const std::uint32_t prefix = code >> kSubtableBits;
            if (len <= kPrimaryBits) {
                std::fill_n(m_entries.begin() + prefix, 1u << (kPrimaryBits - len), entry);
            } else {
                if (prefix != subtablePrefix) {
                    subtablePrefix = prefix;
                    subtableOffset = nextOffset;
                    nextOffset += 1u << kSubtableBits;
                    m_entries[prefix] = kSubtableFlag | subtableOffset;
                }
                const std::uint32_t low = code & ((1u << kSubtableBits) - 1);
                std::fill_n(m_entries.begin() + subtableOffset + low, 1u << (kMaxCodeLength - len), entry);
            }
            code += 1u << (kMaxCodeLength - len);
        }
    }

    int decode(BitReader& in) const {
        const std::uint32_t window = in.peek16();
        std::uint32_t entry = m_entries[window >> kSubtableBits];
        if (entry & kSubtableFlag) {
            entry = m_entries[(entry & ~kSubtableFlag) + (window & ((1u << kSubtableBits) - 1))];
        }
        in.skip(static_cast<int>(entry >> 16));
        return static_cast<int>(entry & 0xFFFF);
    }

private:
    static constexpr std::uint32_t kSubtableFlag = 0x80000000u;
    // Each symbol with a long code opens at most one second-level table.
    static constexpr std::uint32_t kSize = (1u << kPrimaryBits) + (kAlphabet << kSubtableBits);
    std::vector<std::uint32_t> m_entries = std::vector<std::uint32_t>(kSize);
};

class Lh5Decoder {
public:
    explicit Lh5Decoder(std::span<const std::uint8_t> bits) : m_in(bits) {}

    void decode(std::uint8_t* out, std::size_t size) {
        std::size_t o = 0;
        while (o < size) {
            if (m_blockRemaining == 0) {
                readBlockHeader();
            }
            --m_blockRemaining;
            m_in.refill();
            const int symbol = m_literals.decode(m_in);
            if (symbol < 256) {
                out[o++] = static_cast<std::uint8_t>(symbol);
                continue;
            }
            const std::size_t length = std::min<std::size_t>(symbol - 256 + kMinMatch, size - o);
            const std::size_t distance = decodeDistance();
            copyMatch(out, o, distance, length);
            o += length;
        }
    }

private:
    std::size_t decodeDistance() {
        const int p = m_positions.decode(m_in);
        if (p == 0) {
            return 0;
        }
        return p == 1 ? 1 : (std::size_t{1} << (p - 1)) + m_in.bits(p - 1);
    }

    // Copies from `distance + 1` bytes back. Before the start of the output the window
    // still holds its initial zeros.
    static void copyMatch(std::uint8_t* out, std::size_t o, std::size_t distance, std::size_t length) {
        std::uint8_t* dst = out + o;
        const std::size_t back = distance + 1;
        if (back <= o) {
            const std::uint8_t* src = dst - back;
            if (back >= length) {
                std::memcpy(dst, src, length);
            } else if (back == 1) {
                std::memset(dst, *src, length);
            } else {
                for (std::size_t i = 0; i < length; ++i) {
                    dst[i] = src[i];
                }
            }
            return;
        }
        const std::size_t zeros = std::min(back - o, length);
        std::memset(dst, 0, zeros);
        for (std::size_t i = zeros; i < length; ++i) {
            dst[i] = out[o + i - back]; // o + i >= back from here on
        }
    }

    void readBlockHeader() {
        m_blockRemaining = static_cast<std::uint16_t>(m_in.bits(16));
        readSmallTable(m_codeLengths, kCodeLengthAlphabet, 5, 3);
        readLiteralTable();
        readSmallTable(m_positions, kPositionAlphabet, 4, -1);
    }

    // The code-length value of one symbol in the compact form of the small tables:
    // three bits, and a 7 extended by one for every further 1 bit.
    int readLengthValue() {
        m_in.refill();
        const std::uint32_t window = m_in.peek16();
        int value = static_cast<int>(window >> 13);
        if (value < 7) {
            m_in.skip(3);
            return value;
        }
        const int ones = std::countl_one(static_cast<std::uint16_t>(window << 3));
        value += ones;
        if (value > kMaxCodeLength) {
            corrupt(Lh5Error::CodeLengthTooLong);
        }
        m_in.skip(value - 3);
        return value;
    }

    // Every table starts with a count of code lengths. A count of 0 is followed by the
    // one symbol every lookup yields; returns 0 then, the checked count otherwise.
    template <typename Table> int readTableCount(Table& table, int alphabet, int countBits) {
        const int n = static_cast<int>(m_in.bits(countBits));
        if (n == 0) {
            const int symbol = static_cast<int>(m_in.bits(countBits));
            if (symbol >= alphabet) {
                corrupt(Lh5Error::SingleSymbolOutOfRange);
            }
            table.setSingle(symbol);
        } else if (n > alphabet) {
            corrupt(Lh5Error::TableCountTooLarge);
        }
        return n;
    }

    template <typename Table>
    void readSmallTable(Table& table, int alphabet, int countBits, int specialIndex) {
        const int n = readTableCount(table, alphabet, countBits);
        if (n == 0) {
            return;
        }
        std::array<std::uint8_t, kCodeLengthAlphabet> lengths{};
        int i = 0;
        while (i < n) {
            lengths[i++] = static_cast<std::uint8_t>(readLengthValue());
            if (i == specialIndex) {
                // The zeros stand where lengths are zero already; only the index moves.
                i += static_cast<int>(m_in.bits(2));
            }
        }
        table.build(lengths.data());
    }

    void readLiteralTable() {
        const int n = readTableCount(m_literals, kLiteralAlphabet, 9);
        if (n == 0) {
            return;
        }
        std::array<std::uint8_t, kLiteralAlphabet> lengths{};
        int i = 0;
        while (i < n) {
            m_in.refill();
            const int c = m_codeLengths.decode(m_in);
            if (c > 2) {
                lengths[i++] = static_cast<std::uint8_t>(c - 2);
                continue;
            }
            const int zeros = c == 0   ? 1
                              : c == 1 ? static_cast<int>(m_in.bits(4)) + 3
                                       : static_cast<int>(m_in.bits(9)) + 20;
            if (i + zeros > kLiteralAlphabet) {
                corrupt(Lh5Error::ZeroRunPastAlphabet);
            }
            i += zeros;
        }
        m_literals.build(lengths.data());
    }

    BitReader m_in;
    std::uint16_t m_blockRemaining = 0; // a size field of 0 thus stands for 65536 symbols
    HuffmanTable<kCodeLengthAlphabet, 8> m_codeLengths;
    HuffmanTable<kLiteralAlphabet, 12> m_literals;
    HuffmanTable<kPositionAlphabet, 8> m_positions;
};

} // namespace

const char* lh5ErrorName(Lh5Error error) {
    switch (error) {
    case Lh5Error::TableCountTooLarge:
        return "table count above its alphabet";
    case Lh5Error::SingleSymbolOutOfRange:
        return "single-code symbol outside its alphabet";
    case Lh5Error::ZeroRunPastAlphabet:
        return "zero run past the alphabet";
    case Lh5Error::CodeLengthTooLong:
        return "code length above 16 bits";
    case Lh5Error::CodeSpaceNotFilled:
        return "code lengths do not fill the code space";
    }
    return "corrupt";
}

void lh5Decode(std::span<const std::uint8_t> bits, std::size_t expandedSize, std::vector<std::uint8_t>& out) {
    if (expandedSize == 0) {
        return;
    }
    const std::size_t base = out.size();
    out.resize(base + expandedSize);
    try {
        Lh5Decoder decoder(bits);
        decoder.decode(out.data() + base, expandedSize);
    } catch (...) {
        out.resize(base);
        throw;
    }
}

} // namespace kanavo
