#include "schedule/QuorStreamRoutines.h"

#include "base/Errors.h"
#include "schedule/Lh5Decoder.h"
#include "schedule/Lh5Encoder.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace kanavo {

void DecompressStream(MemoryStream& source, MemoryStream& dest) {
    std::uint8_t sizeField[4];
    if (source.read(sizeField, 4) < 4) {
        throw ECorruptFile("Compressed file is corrupt", "no expanded size");
    }
    const auto expanded = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(sizeField[0]) | static_cast<std::uint32_t>(sizeField[1]) << 8 |
        static_cast<std::uint32_t>(sizeField[2]) << 16 | static_cast<std::uint32_t>(sizeField[3]) << 24);
    if (expanded <= 0) {
        return;
    }
    if (static_cast<std::size_t>(expanded) > kMaxExpandedSize) {
        throw ECorruptFile("Compressed file is corrupt", "expanded size above the limit");
    }
    const auto bits = source.bytes().subspan(source.position());
    source.setPosition(source.size());
    std::vector<std::uint8_t> out;
    lh5Decode(bits, static_cast<std::size_t>(expanded), out);
    dest.write(out);
}

void CompressStream(MemoryStream& source, MemoryStream& dest) {
    const auto input = source.bytes().subspan(std::min(source.position(), source.size()));
    if (input.size() > kMaxExpandedSize) {
        throw std::invalid_argument("too large to compress");
    }
    source.setPosition(source.size());
    const auto size = static_cast<std::uint32_t>(input.size());
    const std::uint8_t sizeField[4] = {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                       static_cast<std::uint8_t>(size >> 16),
                                       static_cast<std::uint8_t>(size >> 24)};
    dest.write(sizeField, 4);
    dest.write(lh5Encode(input));
}

} // namespace kanavo
