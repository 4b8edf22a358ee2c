// The lh5 decoder against streams from an encoder written elsewhere (jlha, see
// tests/data/lh5/README), and our encoder against our decoder over inputs that reach
// the window, block and code-length edges.

#include "schedule/Lh5Decoder.h"
#include "schedule/Lh5Encoder.h"
#include "schedule/Lh5Huffman.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

using namespace kanavo;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << "cannot open " << path;
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// ---- streams made by jlha -------------------------------------------------------------

class JlhaStream : public testing::TestWithParam<const char*> {};

TEST_P(JlhaStream, ExpandsToWhatTheOtherEncoderWasGiven) {
    const std::string base = std::string(KANAVO_TEST_DATA_DIR) + "/lh5/" + GetParam();
    const Bytes payload = readFile(base + ".lh5");
    const Bytes expected = readFile(base + ".out");
    ASSERT_GE(payload.size(), 4u);
    const std::uint32_t size =
        payload[0] | payload[1] << 8 | payload[2] << 16 | std::uint32_t{payload[3]} << 24;
    ASSERT_EQ(size, expected.size());

    Bytes out;
    lh5Decode(std::span(payload).subspan(4), size, out);
    ASSERT_EQ(out.size(), expected.size());
    const auto mismatch = std::mismatch(out.begin(), out.end(), expected.begin());
    EXPECT_TRUE(mismatch.first == out.end()) << "first difference at byte " << (mismatch.first - out.begin());
}

INSTANTIATE_TEST_SUITE_P(Lh5Interop, JlhaStream,
                         testing::Values("tiny-text", "schedule-day", "run-of-one-byte", "flat-7bit",
                                         "every-byte-value", "far-repeats"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// ---- our encoder, then our decoder ----------------------------------------------------

// Text of short phrases with copies from 7900..8192 bytes back, so matches reach across
// the decoder's 8192-byte portions and to the far end of the window.
Bytes farRepeats(std::size_t size) {
    std::mt19937 rng(size);
    std::vector<std::string> phrases;
    for (int i = 0; i < 64; ++i) {
        phrases.push_back("\xCD\xEE\xE2\xEE\xF1\xF2\xE8 " + std::to_string(rng() % 10000) + " "); // "Новости"
    }
    Bytes out;
    while (out.size() < size) {
        if (out.size() > 8300 && rng() % 2 == 0) {
            const std::size_t start = out.size() - (7900 + rng() % 293);
            const std::size_t length = 3 + rng() % 298;
            for (std::size_t i = 0; i < length; ++i) {
                out.push_back(out[start + i]);
            }
        } else {
            const std::string& phrase = phrases[rng() % phrases.size()];
            out.insert(out.end(), phrase.begin(), phrase.end());
        }
    }
    out.resize(size);
    return out;
}

Bytes randomBytes(std::size_t size) {
    std::mt19937 rng(7);
    Bytes out(size);
    for (auto& b : out) {
        b = static_cast<std::uint8_t>(rng());
    }
    return out;
}

struct RoundTripCase {
    const char* name;
    std::function<Bytes()> input;
    // The encoded size may be at most this share of the input, plus 16 bytes of block header.
    double maxRatio;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.name;
}

class EncoderRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(EncoderRoundTrip, DecodesToTheInputAndCompressesAsExpected) {
    const Bytes input = GetParam().input();
    const Bytes encoded = lh5Encode(input);

    EXPECT_LE(static_cast<double>(encoded.size()),
              GetParam().maxRatio * static_cast<double>(input.size()) + 16);

    // The decoder appends; a byte already there must stay.
    Bytes out{0x5A};
    lh5Decode(encoded, input.size(), out);
    ASSERT_EQ(out.size(), input.size() + 1);
    EXPECT_EQ(out[0], 0x5A);
    const auto mismatch = std::mismatch(input.begin(), input.end(), out.begin() + 1);
    EXPECT_TRUE(mismatch.first == input.end())
        << "first difference at byte " << (mismatch.first - input.begin());
}

INSTANTIATE_TEST_SUITE_P(
    Lh5Interop, EncoderRoundTrip,
    testing::Values(RoundTripCase{"Empty", [] { return Bytes{}; }, 0.0},
                    // A block whose literal/length table has a single symbol, and no position table.
                    RoundTripCase{"OneByte", [] { return Bytes{'A'}; }, 1.0},
                    RoundTripCase{"ThreeBytes",
                                  [] {
                                      return Bytes{'a', 'b', 'c'};
                                  },
                                  1.0},
                    RoundTripCase{"AllByteValues",
                                  [] {
                                      Bytes b(256);
                                      for (int i = 0; i < 256; ++i) {
                                          b[i] = static_cast<std::uint8_t>(i);
                                      }
                                      return b;
                                  },
                                  1.05},
                    RoundTripCase{"Text8191", [] { return farRepeats(8191); }, 0.5},
                    RoundTripCase{"Text8192", [] { return farRepeats(8192); }, 0.5},
                    RoundTripCase{"Text8193", [] { return farRepeats(8193); }, 0.5},
                    RoundTripCase{"Text70000", [] { return farRepeats(70000); }, 0.2},
                    // Matches at distance 1 that overlap what they copy.
                    RoundTripCase{"RunOfOneByte", [] { return Bytes(100000, 0xE0); }, 0.01},
                    // One literal and 20000 length-256 matches: the second block holds nothing else,
                    // so its literal/length and position tables are single-symbol ones.
                    RoundTripCase{"RunOverSeveralBlocks", [] { return Bytes(1 + 256 * 20000, ' '); }, 0.001},
                    RoundTripCase{"RandomBytes", [] { return randomBytes(70000); }, 1.01}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- code lengths ---------------------------------------------------------------------

struct CodeLengthCase {
    const char* name;
    std::vector<std::uint32_t> frequencies;
};

void PrintTo(const CodeLengthCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<std::uint32_t> fibonacci(int count) {
    std::vector<std::uint32_t> f{1, 1};
    while (static_cast<int>(f.size()) < count) {
        f.push_back(f[f.size() - 1] + f[f.size() - 2]);
    }
    return f;
}

class EncoderCodeLengths : public testing::TestWithParam<CodeLengthCase> {};

// The decoder refuses lengths that do not fill the code space exactly or exceed 16 bits.
TEST_P(EncoderCodeLengths, FillTheCodeSpaceWithinSixteenBits) {
    const auto& frequencies = GetParam().frequencies;
    const auto lengths = lh5::buildCodeLengths(frequencies);
    ASSERT_EQ(lengths.size(), frequencies.size());

    const auto used = std::count_if(frequencies.begin(), frequencies.end(), [](auto f) { return f != 0; });
    std::uint64_t kraft = 0;
    for (std::size_t s = 0; s < lengths.size(); ++s) {
        EXPECT_LE(lengths[s], 16) << "symbol " << s;
        if (used >= 2) {
            EXPECT_EQ(lengths[s] == 0, frequencies[s] == 0) << "symbol " << s;
        }
        if (lengths[s] != 0) {
            kraft += std::uint64_t{1} << (16 - lengths[s]);
        }
    }
    EXPECT_EQ(kraft, used >= 2 ? std::uint64_t{1} << 16 : 0);
}

INSTANTIATE_TEST_SUITE_P(Lh5Interop, EncoderCodeLengths,
                         testing::Values(CodeLengthCase{"None", std::vector<std::uint32_t>(14, 0)},
                                         CodeLengthCase{"OneSymbol", {0, 0, 5, 0}},
                                         CodeLengthCase{"TwoSymbols", {0, 9, 0, 1}},
                                         CodeLengthCase{"Flat510", std::vector<std::uint32_t>(510, 3)},
                                         CodeLengthCase{"Fibonacci19", fibonacci(19)},
                                         CodeLengthCase{"Fibonacci40", fibonacci(40)}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
