#include "schedule/QuorStreamCol.h"
#include "base/Errors.h"
#include "schedule/QuorStreamRoutines.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace kanavo;

namespace {

struct RawEntry {
    std::string name;
    std::string data;
    std::int32_t size = -1; // -1: the data's own size
};

void putInt(std::vector<std::uint8_t>& out, std::uint32_t v, int width) {
    for (int i = 0; i < width; ++i) {
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

// A directory written byte by byte, so that tests can write what no writer would.
std::vector<std::uint8_t> directory(const std::vector<RawEntry>& entries,
                                    std::optional<std::int32_t> count = std::nullopt) {
    std::vector<std::uint8_t> out(ContainerSignature.begin(), ContainerSignature.end());
    putInt(out, static_cast<std::uint32_t>(count.value_or(static_cast<std::int32_t>(entries.size()))), 4);
    for (const RawEntry& e : entries) {
        putInt(out, static_cast<std::uint32_t>(e.name.size()), 2);
        out.insert(out.end(), e.name.begin(), e.name.end());
        putInt(out,
               static_cast<std::uint32_t>(e.size == -1 ? static_cast<std::int32_t>(e.data.size()) : e.size),
               4);
        out.insert(out.end(), e.data.begin(), e.data.end());
    }
    return out;
}

MemoryStream stored(const std::vector<std::uint8_t>& dir, char flag0 = ' ', char flag1 = ' ') {
    std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(flag0), static_cast<std::uint8_t>(flag1)};
    bytes.insert(bytes.end(), dir.begin(), dir.end());
    return MemoryStream(std::move(bytes));
}

std::string content(const TQuorStreams& q, const std::string& name) {
    MemoryStream s;
    q.GetStream(name, s);
    return std::string(s.bytes().begin(), s.bytes().end());
}

std::vector<std::string> names(const TQuorStreams& q) {
    std::vector<std::string> out;
    for (int i = 0; i < q.Count(); ++i) {
        out.push_back(q.Names(i));
    }
    return out;
}

// A collection holding one entry "old", to show what a failed load keeps.
TQuorStreams loadedWithOld() {
    TQuorStreams q;
    MemoryStream s = stored(directory({{"old", "kept"}}));
    q.LoadFromStream(s);
    return q;
}

} // namespace

TEST(QuorStreams, EmptyStoredContainer) {
    TQuorStreams q;
    EXPECT_TRUE(q.Compressed);
    EXPECT_FALSE(q.Encrypted);
    MemoryStream s = stored(directory({}));
    s.setPosition(5); // the load starts at 0 wherever the source stands
    q.LoadFromStream(s);
    EXPECT_EQ(q.Count(), 0);
    EXPECT_FALSE(q.Compressed);
    EXPECT_FALSE(q.Encrypted);
}

TEST(QuorStreams, NamesAreSortedCaseInsensitivelyAndTheFirstDuplicateWins) {
    TQuorStreams q;
    MemoryStream s = stored(directory({{"b", "1"}, {"A", "2"}, {"c", "3"}, {"B", "4"}, {"empty", ""}}), 0x00);
    q.LoadFromStream(s);
    EXPECT_EQ(names(q), (std::vector<std::string>{"A", "b", "c", "empty"}));
    EXPECT_EQ(content(q, "a"), "2");
    EXPECT_EQ(content(q, "B"), "1");
    EXPECT_EQ(content(q, "EMPTY"), "");
    EXPECT_THROW(q.Names(4), EListError);
    try {
        q.Names(-1);
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
    }
}

TEST(QuorStreams, GetAndRemoveStreamRules) {
    TQuorStreams q = loadedWithOld();
    MemoryStream dest;
    dest.write("xyz", 3);
    dest.setPosition(1);
    q.GetStream("old", dest); // written at the position, then rewound
    EXPECT_EQ(std::string(dest.bytes().begin(), dest.bytes().end()), "xkept");
    EXPECT_EQ(dest.position(), 0u);

    dest.setPosition(2);
    q.GetStream("missing", dest);
    EXPECT_EQ(std::string(dest.bytes().begin(), dest.bytes().end()), "xkept");
    EXPECT_EQ(dest.position(), 0u);
    dest.setPosition(2);
    q.GetStream("", dest);
    EXPECT_EQ(dest.position(), 2u);

    q.RemoveStream("");
    q.RemoveStream("missing");
    EXPECT_EQ(q.Count(), 1);
    q.RemoveStream("OLD");
    EXPECT_EQ(q.Count(), 0);
}

TEST(QuorStreams, CorruptContainersKeepTheCollectionAsItWas) {
    std::vector<std::uint8_t> badSignature = directory({{"new", "x"}});
    badSignature[0] = 0x00;
    std::vector<std::uint8_t> badCompressed = {4, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    std::vector<std::uint8_t> shortPayload(ContainerSignature.begin(), ContainerSignature.begin() + 5);

    struct Case {
        const char* name;
        MemoryStream source;
    };
    Case cases[] = {
        {"signature starting with 00", stored(badSignature)},
        {"exactly two bytes", stored({})},
        {"payload shorter than the signature", stored(shortPayload)},
        {"compressed payload with a bad table", stored(badCompressed, '&')},
        {"compressed payload without its size", stored({1, 2}, '&')},
        {"enciphered with no key", stored(directory({{"new", "x"}}), ' ', '*')},
    };
    for (Case& c : cases) {
        TQuorStreams q = loadedWithOld();
        q.Key = "";
        int corruptEvents = 0;
        q.OnCorrupt = [&](TQuorStreams&) { ++corruptEvents; };
        try {
            q.LoadFromStream(c.source);
            ADD_FAILURE() << c.name << ": loaded";
        } catch (const ECorruptFile& e) {
            EXPECT_STREQ(e.what(), "File is corrupt.") << c.name;
        }
        EXPECT_EQ(corruptEvents, 1) << c.name;
        EXPECT_EQ(names(q), std::vector<std::string>{"old"}) << c.name;
        EXPECT_FALSE(q.Compressed) << c.name;
        EXPECT_FALSE(q.Encrypted) << c.name;
    }
}

TEST(QuorStreams, TruncatedEntriesAndHostileSizes) {
    {
        // Data shorter than its size: a read error, after the entries before it were kept.
        TQuorStreams q = loadedWithOld();
        MemoryStream s = stored(directory({{"first", "1"}, {"second", "22", 1000}}));
        EXPECT_THROW(q.LoadFromStream(s), EStreamError);
        EXPECT_EQ(names(q), std::vector<std::string>{"first"});
        EXPECT_FALSE(q.Compressed);
    }
    {
        // A count far above what follows allocates nothing: the data simply runs out.
        TQuorStreams q;
        MemoryStream s = stored(directory({{"only", "1"}}, 0x7FFFFFFF));
        EXPECT_THROW(q.LoadFromStream(s), EStreamError);
        EXPECT_EQ(q.Count(), 1);
    }
    {
        // A negative size is corrupt, not a copy of the rest.
        TQuorStreams q;
        MemoryStream s = stored(directory({{"neg", "rest of the data", -2}}));
        EXPECT_THROW(q.LoadFromStream(s), ECorruptFile);
        EXPECT_EQ(q.Count(), 0);
    }
    {
        TQuorStreams q;
        MemoryStream one(std::vector<std::uint8_t>{' '});
        EXPECT_THROW(q.LoadFromStream(one), EStreamError);
    }
    {
        // A count of 0 or less means no entries, whatever follows.
        TQuorStreams q = loadedWithOld();
        MemoryStream s = stored(directory({{"ignored", "1"}}, -3));
        q.LoadFromStream(s);
        EXPECT_EQ(q.Count(), 0);
    }
}

TEST(QuorStreams, WrittenContainersReadBackInEveryForm) {
    struct Case {
        bool compressed;
        bool encrypted;
        std::uint8_t flag0;
        std::uint8_t flag1;
    };
    const Case cases[] = {
        {false, false, ' ', ' '}, {true, false, '&', ' '}, {false, true, ' ', '*'}, {true, true, '&', '*'}};
    for (const Case& c : cases) {
        TQuorStreams writer;
        writer.Compressed = c.compressed;
        writer.Encrypted = c.encrypted;
        writer.Key = "secret";
        writer.AddStream("KNV", std::vector<std::uint8_t>(10000, 'a'));
        writer.AddStream("http://x/", {1, 2, 3});
        writer.AddStream("knv", std::vector<std::uint8_t>(20000, 'b')); // replaces
        MemoryStream file;
        writer.SaveToStream(file);
        EXPECT_EQ(file.bytes()[0], c.flag0);
        EXPECT_EQ(file.bytes()[1], c.flag1);

        TQuorStreams reader;
        std::string asked;
        reader.OnAskForKey = [&](TQuorStreams&) { return asked = "secret"; };
        reader.LoadFromStream(file);
        EXPECT_EQ(reader.Compressed, c.compressed);
        EXPECT_EQ(reader.Encrypted, c.encrypted);
        EXPECT_EQ(asked.empty(), !c.encrypted);
        EXPECT_EQ(content(reader, "KNV"), std::string(20000, 'b'));
        EXPECT_EQ(content(reader, "http://x/"), "\x01\x02\x03");
    }
}

TEST(QuorStreams, AWrongKeyIsCorrupt) {
    TQuorStreams writer;
    writer.Encrypted = true;
    writer.Key = "right";
    writer.AddStream("KNV", {1});
    MemoryStream file;
    writer.SaveToStream(file);
    TQuorStreams reader;
    reader.Key = "wrong";
    EXPECT_THROW(reader.LoadFromStream(file), ECorruptFile);
    EXPECT_EQ(reader.Key, "wrong");
}
