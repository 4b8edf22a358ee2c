#pragma once
// Code lengths and canonical codes for the lh5 encoder. The decoder refuses any table
// whose lengths do not exactly fill the 16-bit code space, so the lengths built here
// always do: at most 16 bits, Kraft sum exactly one.

#include <cstdint>
#include <span>
#include <vector>

namespace kanavo::lh5 {

constexpr int kMaxCodeLength = 16;

// Huffman code lengths for `frequencies`, limited to kMaxCodeLength bits. Symbols with
// frequency 0 get length 0. With fewer than two used symbols every length is 0: such a
// table is sent in the single-symbol form, whose code takes no bits.
std::vector<std::uint8_t> buildCodeLengths(std::span<const std::uint32_t> frequencies);

// The canonical codes of `lengths` as the decoder assigns them: shorter codes first,
// within one length in symbol order, most significant bit first. Requires lengths that
// fill the code space (or all zero).
std::vector<std::uint16_t> canonicalCodes(std::span<const std::uint8_t> lengths);

} // namespace kanavo::lh5
