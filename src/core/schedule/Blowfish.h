#pragma once
// Blowfish with 32-bit halves read from and written to memory little-endian
// (the published cipher reads them big-endian; everything else is the standard cipher).

#include <array>
#include <cstddef>
#include <cstdint>

namespace kanavo {

class Blowfish {
public:
    Blowfish(); // the published initial state, 16 rounds, no key

    // Resets the state to its initial values and runs the key schedule with `keyLength`
    // bytes of `key` (1..255 in practice) and `rounds` rounds (2..32; odd counts are raised
    // by one, other values become 16). Above 16 rounds the P words past the published 18
    // start as zeros, so such keys interoperate with nothing. Returns false for a weak key:
    // one that leaves some S-box holding the same word twice. Throws std::invalid_argument
    // for keyLength 0, which the schedule cannot cycle over.
    bool SetCipherKey(const std::uint8_t* key, std::size_t keyLength, int rounds);

    void encryptBlock(std::uint8_t block[8]) const;
    void decryptBlock(std::uint8_t block[8]) const;

private:
    std::array<std::uint32_t, 34> m_p{};
    std::array<std::array<std::uint32_t, 256>, 4> m_s{};
    int m_rounds = 16;
};

} // namespace kanavo
