#include "schedule/Blowfish.h"

#include "schedule/BlowfishInitialState.h"

#include <algorithm>
#include <stdexcept>

namespace kanavo {

namespace {

int normaliseRounds(int rounds) {
    if (rounds < 2 || rounds > 32) {
        return 16;
    }
    return rounds + rounds % 2;
}

std::uint32_t loadLittleEndian(const std::uint8_t* bytes) {
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

void storeLittleEndian(std::uint32_t word, std::uint8_t* bytes) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(word >> (8 * i));
    }
}

using SBoxes = std::array<std::array<std::uint32_t, 256>, 4>;

std::uint32_t feistel(const SBoxes& s, std::uint32_t x) {
    return ((s[0][x >> 24] + s[1][(x >> 16) & 0xFF]) ^ s[2][(x >> 8) & 0xFF]) + s[3][x & 0xFF];
}

bool holdsRepeatedWord(std::array<std::uint32_t, 256> box) {
    std::sort(box.begin(), box.end());
    return std::adjacent_find(box.begin(), box.end()) != box.end();
}

} // namespace

Blowfish::Blowfish() {
    // The P words past the published 18 only matter above 16 rounds; they start as zeros.
    std::copy(kBlowfishInitialP.begin(), kBlowfishInitialP.end(), m_p.begin());
    m_s = kBlowfishInitialS;
}

bool Blowfish::SetCipherKey(const std::uint8_t* key, std::size_t keyLength, int rounds) {
    if (keyLength == 0) {
        throw std::invalid_argument("Blowfish key is empty");
    }
    *this = Blowfish();
    m_rounds = normaliseRounds(rounds);

    std::size_t keyIndex = 0;
    for (int i = 0; i < m_rounds + 2; ++i) {
        std::uint32_t word = 0;
        for (int b = 0; b < 4; ++b) {
            word = word << 8 | key[keyIndex];
            keyIndex = (keyIndex + 1) % keyLength;
        }
        m_p[static_cast<std::size_t>(i)] ^= word;
    }

    std::uint8_t block[8] = {};
    const auto replacePairs = [&](std::uint32_t* words, std::size_t count) {
        for (std::size_t i = 0; i < count; i += 2) {
            encryptBlock(block);
            words[i] = loadLittleEndian(block);
            words[i + 1] = loadLittleEndian(block + 4);
        }
    };
    replacePairs(m_p.data(), static_cast<std::size_t>(m_rounds + 2));
    for (auto& box : m_s) {
        replacePairs(box.data(), box.size());
    }

    return std::none_of(m_s.begin(), m_s.end(), holdsRepeatedWord);
}

void Blowfish::encryptBlock(std::uint8_t block[8]) const {
    std::uint32_t left = loadLittleEndian(block);
    std::uint32_t right = loadLittleEndian(block + 4);
    for (int i = 0; i < m_rounds; ++i) {
        left ^= m_p[static_cast<std::size_t>(i)];
        right ^= feistel(m_s, left);
        std::swap(left, right);
    }
    std::swap(left, right);
    right ^= m_p[static_cast<std::size_t>(m_rounds)];
    left ^= m_p[static_cast<std::size_t>(m_rounds + 1)];
    storeLittleEndian(left, block);
    storeLittleEndian(right, block + 4);
}

void Blowfish::decryptBlock(std::uint8_t block[8]) const {
    std::uint32_t left = loadLittleEndian(block);
    std::uint32_t right = loadLittleEndian(block + 4);
    for (int i = m_rounds + 1; i > 1; --i) {
        left ^= m_p[static_cast<std::size_t>(i)];
        right ^= feistel(m_s, left);
        std::swap(left, right);
    }
    std::swap(left, right);
    right ^= m_p[1];
    left ^= m_p[0];
    storeLittleEndian(left, block);
    storeLittleEndian(right, block + 4);
}

} // namespace kanavo
