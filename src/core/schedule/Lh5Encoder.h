#pragma once
// An lh5 encoder, for the tools and tests that write weekly files: its output is a plain
// lh5 bit stream (no archive header) that any conforming lh5 decoder expands.

#include <cstdint>
#include <span>
#include <vector>

namespace kanavo {

std::vector<std::uint8_t> lh5Encode(std::span<const std::uint8_t> input);

} // namespace kanavo
