// Hand-made lh5 streams: the paths a conforming encoder rarely takes, and hostile tables.
// (Streams from an independent encoder are decoded in Lh5InteropTest.)
#include "schedule/Lh5Decoder.h"
#include "BitWriter.h"
#include "base/Errors.h"
#include "schedule/QuorStreamRoutines.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace kanavo;
using kanavo::test::BitWriter;

namespace {

std::string decode(const BitWriter& w, std::size_t size) {
    std::vector<std::uint8_t> out;
    lh5Decode(w.bytes(), size, out);
    return std::string(out.begin(), out.end());
}

// Block header parts.
void singleCodeLengths(BitWriter& w) {
    w.put(0, 5).put(0, 5);
}
void singleLiteral(BitWriter& w, int symbol) {
    w.put(0, 9).put(static_cast<std::uint32_t>(symbol), 9);
}
void singlePosition(BitWriter& w, int symbol) {
    w.put(0, 4).put(static_cast<std::uint32_t>(symbol), 4);
}
// Code-length codes: symbol 2 (a run of 20 + 9 bits zeros) is "0", symbol 3 (length 1) is "1".
void twoCodeLengths(BitWriter& w) {
    w.put(4, 5).length(0).length(0).length(1).put(0, 2).length(1);
}
// Literal codes: 'A' is "0", 'B' is "1".
void literalsAB(BitWriter& w) {
    w.put(67, 9).put(0, 1).put('A' - 20, 9).put(1, 1).put(1, 1);
}

} // namespace

TEST(Lh5Decoder, HandMadeBlockWithTwoLiteralCodes) {
    BitWriter w;
    w.put(4, 16);
    twoCodeLengths(w);
    literalsAB(w);
    singlePosition(w, 0);
    w.put(0b0110, 4);
    EXPECT_EQ(decode(w, 4), "ABBA");
}

TEST(Lh5Decoder, SingleSymbolBlocksNeedNoBitsPerSymbol) {
    BitWriter w;
    w.put(3, 16);
    singleCodeLengths(w);
    singleLiteral(w, 'x');
    singlePosition(w, 0);
    // A second block: a match of length 4 at distance 1 repeats the last byte.
    w.put(2, 16);
    singleCodeLengths(w);
    singleLiteral(w, 256 + 4 - 3);
    singlePosition(w, 1);
    EXPECT_EQ(decode(w, 3 + 8), "xxxxxxxxxxx");
}

TEST(Lh5Decoder, MatchBeforeTheStartCopiesTheWindowsInitialZeros) {
    BitWriter w;
    w.put(1, 16);
    singleCodeLengths(w);
    singleLiteral(w, 509); // a 256-byte match
    singlePosition(w, 13); // distance 4096 + 12 bits
    w.put(100, 12);
    EXPECT_EQ(decode(w, 256), std::string(256, '\0'));

    // A match that starts before the output and runs on into it.
    BitWriter v;
    v.put(1, 16);
    singleCodeLengths(v);
    singleLiteral(v, 'x');
    singlePosition(v, 0);
    v.put(1, 16);
    singleCodeLengths(v);
    singleLiteral(v, 256 + 5 - 3);
    singlePosition(v, 2); // distance 2 + 1 bit
    v.put(0, 1);
    EXPECT_EQ(decode(v, 6), std::string("x\0\0x\0\0", 6));
}

TEST(Lh5Decoder, InputEndingEarlyIsReadAsZeroBits) {
    BitWriter w;
    w.put(4, 16);
    twoCodeLengths(w);
    literalsAB(w);
    singlePosition(w, 0);
    w.put(0b1, 1); // "B", then the bits run out: zeros are "A"
    EXPECT_EQ(decode(w, 4), "BAAA");
    // Nothing at all: every block header of zeros is a single literal 0.
    EXPECT_EQ(decode(BitWriter(), 70000), std::string(70000, '\0'));
}

TEST(Lh5Decoder, InconsistentTablesAreRefusedWithTheirReason) {
    struct Case {
        const char* name;
        std::function<void(BitWriter&)> header;
        const char* reason;
    };
    const Case cases[] = {
        {"code-length count above 19", [](BitWriter& w) { w.put(20, 5); }, "table count above its alphabet"},
        {"code-length single symbol 19", [](BitWriter& w) { w.put(0, 5).put(19, 5); },
         "single-code symbol outside its alphabet"},
        {"literal count above 510", [](BitWriter& w) { singleCodeLengths(w), w.put(511, 9); },
         "table count above its alphabet"},
        {"literal single symbol 510", [](BitWriter& w) { singleCodeLengths(w), singleLiteral(w, 510); },
         "single-code symbol outside its alphabet"},
        {"position count above 14",
         [](BitWriter& w) { singleCodeLengths(w), singleLiteral(w, 'a'), w.put(15, 4); },
         "table count above its alphabet"},
        {"position single symbol 14",
         [](BitWriter& w) { singleCodeLengths(w), singleLiteral(w, 'a'), singlePosition(w, 14); },
         "single-code symbol outside its alphabet"},
        {"code length of 17 bits", [](BitWriter& w) { w.put(1, 5).length(17); }, "code length above 16 bits"},
        {"three codes of one bit overfill",
         [](BitWriter& w) { w.put(3, 5).length(1).length(1).length(1).put(0, 2); },
         "code lengths do not fill the code space"},
        {"one code of one bit underfills", [](BitWriter& w) { w.put(1, 5).length(1); },
         "code lengths do not fill the code space"},
        {"all lengths zero", [](BitWriter& w) { w.put(2, 5).length(0).length(0); },
         "code lengths do not fill the code space"},
        {"zero run past 510 literals",
         [](BitWriter& w) { twoCodeLengths(w), w.put(510, 9).put(0, 1).put(511, 9); },
         "zero run past the alphabet"},
        {"literal lengths that underfill", [](BitWriter& w) { twoCodeLengths(w), w.put(1, 9).put(1, 1); },
         "code lengths do not fill the code space"},
    };
    for (const Case& c : cases) {
        BitWriter w;
        w.put(10, 16);
        c.header(w);
        try {
            decode(w, 10);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const ECorruptFile& e) {
            EXPECT_STREQ(e.what(), "Compressed file is corrupt") << c.name;
            EXPECT_EQ(e.detail(), c.reason) << c.name;
        }
    }
}

TEST(DecompressStream, SizeFieldRules) {
    BitWriter w;
    w.put(2, 16);
    singleCodeLengths(w);
    singleLiteral(w, 'k');
    singlePosition(w, 0);

    struct Case {
        const char* name;
        std::int32_t size;
        bool corrupt;
        std::string expected;
    };
    const Case cases[] = {
        {"zero expands to nothing", 0, false, ""},
        {"negative expands to nothing", -5, false, ""},
        {"two bytes", 2, false, "kk"},
        {"above 64 MiB is refused", 64 * 1024 * 1024 + 1, true, ""},
    };
    for (const Case& c : cases) {
        MemoryStream source(test::payload(c.size, w.bytes()));
        MemoryStream dest;
        dest.write("ab", 2); // existing content stays; the output goes at the position
        dest.setPosition(1);
        if (c.corrupt) {
            EXPECT_THROW(DecompressStream(source, dest), ECorruptFile) << c.name;
            continue;
        }
        DecompressStream(source, dest);
        const std::string got(dest.bytes().begin(), dest.bytes().end());
        EXPECT_EQ(got, c.expected.empty() ? "ab" : "a" + c.expected) << c.name;
    }
    MemoryStream tooShort(std::vector<std::uint8_t>{1, 0, 0});
    MemoryStream dest;
    EXPECT_THROW(DecompressStream(tooShort, dest), ECorruptFile);
}
