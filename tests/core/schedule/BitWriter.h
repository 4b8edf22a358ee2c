#pragma once
// Writes hand-made lh5 bit streams for tests, most significant bit first.

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace kanavo::test {

class BitWriter {
public:
    BitWriter& put(std::uint32_t value, int bits) {
        for (int b = bits - 1; b >= 0; --b) {
            if (m_used == 0) {
                m_bytes.push_back(0);
            }
            if ((value >> b) & 1u) {
                m_bytes.back() |= static_cast<std::uint8_t>(0x80u >> m_used);
            }
            m_used = (m_used + 1) % 8;
        }
        return *this;
    }
    // A length in the compact form of the small tables: 3 bits, or 7 and up as "111",
    // one 1 bit per unit above 7, and a closing 0.
    BitWriter& length(int value) {
        if (value < 7) {
            return put(static_cast<std::uint32_t>(value), 3);
        }
        put(7, 3);
        for (int i = 7; i < value; ++i) {
            put(1, 1);
        }
        return put(0, 1);
    }
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
    int m_used = 0;
};

// A payload as DecompressStream reads it: the expanded size, then the bit stream.
inline std::vector<std::uint8_t> payload(std::int32_t expandedSize, const std::vector<std::uint8_t>& bits) {
    const auto size = static_cast<std::uint32_t>(expandedSize);
    std::vector<std::uint8_t> out = {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                     static_cast<std::uint8_t>(size >> 16),
                                     static_cast<std::uint8_t>(size >> 24)};
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

} // namespace kanavo::test
