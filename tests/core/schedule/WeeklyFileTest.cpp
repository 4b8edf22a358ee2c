#include "schedule/WeeklyFile.h"
#include "base/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kanavo;

namespace {

const WeekContent kContent = {"[CANALS]\r\n1 A\r\n[CANALS_END]\r\n",
                              {{"http://banner/one", {'G', 'I', 'F'}}, {"http://banner/two", {1, 2}}}};

} // namespace

TEST(WeeklyFile, HeaderLayout) {
    const std::string header = makeWeekHeader(encodeDate(2026, 12, 7));
    EXPECT_EQ(header, "Kanavo v2.1 07.12.2026 - 13.12.2026\r\n");
    EXPECT_EQ(header.size(), kWeekHeaderSize);
    EXPECT_EQ(weekCaptionOf(header.substr(0, 35)), "07.12.2026 - 13.12.2026");
}

TEST(WeeklyFile, CaptionsAndTheMagic) {
    EXPECT_EQ(weekCaptionOf("Kanavo v2.xx01.01.2002 - 07.01.2002"), "01.01.2002 - 07.01.2002");
    EXPECT_FALSE(weekCaptionOf("Kanavo v3.1 01.01.2002 - 07.01.2002"));
    EXPECT_FALSE(weekCaptionOf("kanavo v2.1 01.01.2002 - 07.01.2002"));

    const auto range = parseWeekCaption("07.12.2026 - 13.12.2026");
    ASSERT_TRUE(range);
    EXPECT_EQ(range->firstDay, encodeDate(2026, 12, 7));
    EXPECT_EQ(range->lastDay, encodeDate(2026, 12, 13));
    EXPECT_FALSE(parseWeekCaption("32.12.2026 - 13.12.2026"));
    EXPECT_FALSE(parseWeekCaption("07.12.2026 - 13.1"));
}

TEST(WeeklyFile, FirstTextLineStopsAtALineEndOr255Characters) {
    const std::string a = "line one\rline two";
    EXPECT_EQ(firstTextLine({reinterpret_cast<const std::uint8_t*>(a.data()), a.size()}), "line one");
    const std::string b(300, 'x');
    EXPECT_EQ(firstTextLine({reinterpret_cast<const std::uint8_t*>(b.data()), b.size()}).size(), 255u);
}

TEST(WeeklyFile, WrittenFilesReadBackCompressedAndStored) {
    for (bool store : {false, true}) {
        const auto file = writeWeeklyFile(encodeDate(2026, 12, 7), kContent, store);
        EXPECT_EQ(file[kWeekHeaderSize], store ? ' ' : '&');
        TQuorStreams streams;
        const WeekContent back = readWeekContent(file, streams);
        EXPECT_EQ(back.schedule, kContent.schedule);
        ASSERT_EQ(back.banners.size(), 2u);
        EXPECT_EQ(back.banners[0].address, "http://banner/one");
        EXPECT_EQ(back.banners[1].gif, (std::vector<std::uint8_t>{1, 2}));
        EXPECT_EQ(streams.Count(), 0);
    }
}

TEST(WeeklyFile, BrokenFilesAreCorrupt) {
    auto file = writeWeeklyFile(encodeDate(2026, 12, 7), kContent);
    TQuorStreams streams;
    const std::vector<std::uint8_t> shortFile(file.begin(), file.begin() + 20);
    EXPECT_THROW(readWeekContent(shortFile, streams), ECorruptFile);
    // A bit stream of zeros expands to zeros: no directory signature.
    std::fill(file.begin() + kWeekHeaderSize + 2 + 4, file.end(), 0);
    EXPECT_THROW(readWeekContent(file, streams), ECorruptFile);
}

TEST(WeeklyFile, ABannerCannotTakeTheSchedulesName) {
    WeekContent content = kContent;
    content.banners.push_back({"knv", {1}});
    EXPECT_THROW(writeWeeklyFile(encodeDate(2026, 12, 7), content), std::invalid_argument);
}
