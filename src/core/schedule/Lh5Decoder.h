#pragma once
// The lh5 decoder: LZSS over an 8 KB window with static Huffman codes sent per block,
// as in the published LHA method, without any archive header around the bit stream.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kanavo {

// Why a bit stream was refused. The user is only ever told "Compressed file is corrupt";
// the reason is for tools, tests and the next engineer.
enum class Lh5Error {
    TableCountTooLarge,     // a code-length count above its alphabet's size
    SingleSymbolOutOfRange, // the one symbol of a single-code table is outside its alphabet
    ZeroRunPastAlphabet,    // a run of zero lengths runs past the alphabet
    CodeLengthTooLong,      // a code length above 16 bits
    CodeSpaceNotFilled,     // the code lengths do not exactly fill the 16-bit code space
};

const char* lh5ErrorName(Lh5Error error);

// Decodes `expandedSize` bytes from `bits` and appends them to `out`. Input that ends
// early is padded with zero bits (as the file format requires). Throws
// ECorruptFile("Compressed file is corrupt", lh5ErrorName(reason)) on an inconsistent table.
void lh5Decode(std::span<const std::uint8_t> bits, std::size_t expandedSize, std::vector<std::uint8_t>& out);

} // namespace kanavo
