#include "schedule/Blowfish.h"
#include "schedule/QuorStreamRoutines.h"

#include "base/Errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace kanavo {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::string_view kKey = "weekly";

class StreamCipherTest : public ::testing::Test {
protected:
    StreamCipherTest() {
        const auto* key = reinterpret_cast<const std::uint8_t*>(kKey.data());
        EXPECT_TRUE(cipher.SetCipherKey(key, kKey.size(), 16));
    }

    // Enciphers the whole 8-byte blocks of `plain`, leaving a shorter tail as it is.
    Bytes encipherBlocks(Bytes plain) const {
        for (std::size_t offset = 0; offset + 8 <= plain.size(); offset += 8) {
            cipher.encryptBlock(plain.data() + offset);
        }
        return plain;
    }

    static Bytes decrypted(const Bytes& data, std::string_view key = kKey) {
        MemoryStream stream(data);
        DecryptStream(stream, key);
        return {stream.bytes().begin(), stream.bytes().end()};
    }

    Blowfish cipher;
};

Bytes sequence(std::size_t length) {
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    return bytes;
}

TEST_F(StreamCipherTest, DecipheredCountByteCutsThePadding) {
    Bytes plain = sequence(16);
    plain[15] = 3;
    const Bytes expected(plain.begin(), plain.begin() + 12);
    EXPECT_EQ(decrypted(encipherBlocks(plain)), expected);
}

TEST_F(StreamCipherTest, ShortTailStaysAsItIsAndHoldsTheCount) {
    Bytes plain = sequence(13);
    plain[12] = 2;
    const Bytes data = encipherBlocks(plain);
    ASSERT_EQ(Bytes(data.begin() + 8, data.end()), Bytes(plain.begin() + 8, plain.end()));
    EXPECT_EQ(decrypted(data), Bytes(plain.begin(), plain.begin() + 10));
}

TEST_F(StreamCipherTest, CountOfZeroDropsOnlyTheCountByte) {
    EXPECT_EQ(decrypted(Bytes{0}), Bytes{});
    EXPECT_EQ(decrypted(Bytes{7, 0}), Bytes{7});
}

TEST_F(StreamCipherTest, CountLargerThanTheDataIsAStreamError) {
    EXPECT_THROW(decrypted(Bytes{1}), EStreamError);
    Bytes plain = sequence(8);
    plain[7] = 8;
    EXPECT_THROW(decrypted(encipherBlocks(plain)), EStreamError);
}

TEST_F(StreamCipherTest, EmptyStreamIsLeftAloneWhateverTheKey) {
    EXPECT_EQ(decrypted({}), Bytes{});
    EXPECT_EQ(decrypted({}, ""), Bytes{});
}

TEST_F(StreamCipherTest, EmptyKeyIsRejected) {
    EXPECT_THROW(decrypted(Bytes{0}, ""), std::invalid_argument);
    MemoryStream stream(Bytes{1, 2, 3});
    EXPECT_THROW(EncryptStream(stream, ""), std::invalid_argument);
}

TEST_F(StreamCipherTest, KeyLengthCountsModulo256) {
    EXPECT_THROW(decrypted(sequence(16), std::string(256, 'k')), std::invalid_argument);
    const Bytes plain = sequence(15);
    MemoryStream stream(plain);
    EncryptStream(stream, "k");
    DecryptStream(stream, std::string(257, 'k'));
    EXPECT_EQ(Bytes(stream.bytes().begin(), stream.bytes().end()), plain);
}

TEST_F(StreamCipherTest, EncipheringPadsWithZerosAndTheCount) {
    const Bytes plain = sequence(5);
    MemoryStream stream(plain);
    EncryptStream(stream, kKey);
    const Bytes expected = encipherBlocks({0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0, 0, 2});
    EXPECT_EQ(Bytes(stream.bytes().begin(), stream.bytes().end()), expected);
}

TEST_F(StreamCipherTest, RoundTripsEveryLengthAcrossBlockBoundaries) {
    for (std::size_t length = 0; length <= 20; ++length) {
        const Bytes plain = sequence(length);
        MemoryStream stream(plain);
        EncryptStream(stream, kKey);
        EXPECT_EQ(stream.size(), (length / 8 + 1) * 8) << length;
        DecryptStream(stream, kKey);
        EXPECT_EQ(Bytes(stream.bytes().begin(), stream.bytes().end()), plain) << length;
    }
}

} // namespace
} // namespace kanavo
