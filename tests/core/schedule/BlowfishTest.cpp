#include "schedule/Blowfish.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace kanavo {
namespace {

using Block = std::array<std::uint8_t, 8>;

std::vector<std::uint8_t> fromHex(const std::string& hex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

// Published vectors read each half big-endian; this cipher reads them little-endian.
Block swapHalves(const std::vector<std::uint8_t>& bytes) {
    return {bytes[3], bytes[2], bytes[1], bytes[0], bytes[7], bytes[6], bytes[5], bytes[4]};
}

Blowfish keyed(const std::vector<std::uint8_t>& key, int rounds = 16) {
    Blowfish cipher;
    EXPECT_TRUE(cipher.SetCipherKey(key.data(), key.size(), rounds));
    return cipher;
}

struct Vector {
    const char* key;
    const char* plain;
    const char* cipher;
};

// Eric Young's ECB vectors, then his variable-key-length ones (prefixes of one key).
const Vector kPublished[] = {
    {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
    {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
    {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
    {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
    {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
    {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
    {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
    {"FFFFFFFFFFFFFFFF", "0000000000000000", "F21E9A77B71C49BC"},
    {"0000000000000000", "FFFFFFFFFFFFFFFF", "014933E0CDAFF6E4"},
    {"0123456789ABCDEF", "0000000000000000", "245946885754369A"},
    {"FEDCBA9876543210", "FFFFFFFFFFFFFFFF", "6B5C5A9C5D9E0A5A"},
    {"F0", "FEDCBA9876543210", "F9AD597C49DB005E"},
    {"F0E1D2", "FEDCBA9876543210", "E9C2B70A1BC65CF3"},
    {"F0E1D2C3B4A59687", "FEDCBA9876543210", "E87A244E2CC85E82"},
    {"F0E1D2C3B4A5968778", "FEDCBA9876543210", "15750E7A4F4EC577"},
    {"F0E1D2C3B4A5968778695A4B3C2D1E0F00", "FEDCBA9876543210", "03429E838CE2D14B"},
    {"F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677", "FEDCBA9876543210", "05044B62FA52D080"}};

TEST(BlowfishVectors, EnciphersAndDeciphersWithHalvesSwapped) {
    for (const Vector& v : kPublished) {
        SCOPED_TRACE(std::string("key ") + v.key + ", plain " + v.plain);
        const Blowfish cipher = keyed(fromHex(v.key));
        const Block plain = swapHalves(fromHex(v.plain));
        Block block = plain;
        cipher.encryptBlock(block.data());
        EXPECT_EQ(block, swapHalves(fromHex(v.cipher)));
        cipher.decryptBlock(block.data());
        EXPECT_EQ(block, plain);
    }
}

TEST(BlowfishKey, EmptyKeyIsRejected) {
    Blowfish cipher;
    const std::uint8_t key = 0;
    EXPECT_THROW(cipher.SetCipherKey(&key, 0, 16), std::invalid_argument);
}

TEST(BlowfishKey, NewKeyStartsFromTheInitialState) {
    const std::vector<std::uint8_t> first = fromHex("0123456789ABCDEF");
    const std::vector<std::uint8_t> second = fromHex("FEDCBA9876543210");
    Blowfish reused;
    ASSERT_TRUE(reused.SetCipherKey(first.data(), first.size(), 16));
    ASSERT_TRUE(reused.SetCipherKey(second.data(), second.size(), 16));
    Block a{}, b{};
    reused.encryptBlock(a.data());
    keyed(second).encryptBlock(b.data());
    EXPECT_EQ(a, b);
}

Block encipherZeros(int rounds) {
    Block block{};
    keyed(fromHex("0123456789ABCDEF"), rounds).encryptBlock(block.data());
    return block;
}

TEST(BlowfishRounds, OddOrOutOfRangeCountsAreNormalised) {
    const std::pair<int, int> cases[] = {{3, 4}, {31, 32}, {1, 16}, {0, 16}, {-3, 16}, {33, 16}, {34, 16}};
    for (const auto& [asked, used] : cases) {
        EXPECT_EQ(encipherZeros(asked), encipherZeros(used)) << asked;
    }
}

TEST(BlowfishRounds, RoundCountChangesTheCipher) {
    EXPECT_NE(encipherZeros(2), encipherZeros(16));
    EXPECT_NE(encipherZeros(18), encipherZeros(16));
}

TEST(BlowfishRounds, DecipheringInvertsAtEveryRoundCount) {
    const Block plain{1, 2, 3, 4, 5, 6, 7, 8};
    for (int rounds = 2; rounds <= 32; rounds += 2) {
        const Blowfish cipher = keyed(fromHex("F0E1D2C3B4A59687"), rounds);
        Block block = plain;
        cipher.encryptBlock(block.data());
        EXPECT_NE(block, plain) << rounds;
        cipher.decryptBlock(block.data());
        EXPECT_EQ(block, plain) << rounds;
    }
}

} // namespace
} // namespace kanavo
