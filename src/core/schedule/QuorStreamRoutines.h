#pragma once
// The two transformations a container's payload may carry, lh5 compression and
// Blowfish encipherment, in both directions. Readers use the decoding pair; the
// encoding pair exists for the tools and tests that write weekly files.

#include "base/MemoryStream.h"

#include <cstddef>
#include <string_view>

namespace kanavo {

// Largest expanded size a compressed payload may declare. Weekly files expand to well
// under a megabyte; a larger claim is treated as corruption rather than allocated.
inline constexpr std::size_t kMaxExpandedSize = 64u * 1024u * 1024u;

// Source is positioned at a compressed payload: a signed 32-bit little-endian expanded
// size, then the lh5 bit stream (every remaining byte). Appends the expanded bytes to
// Dest at its position. A size of 0 or less expands to nothing. Input that ends early is
// padded with zero bits. Throws ECorruptFile("Compressed file is corrupt") on an
// inconsistent table or a size above kMaxExpandedSize.
void DecompressStream(MemoryStream& source, MemoryStream& dest);

// The inverse: reads Source from its position to the end and appends the compressed
// payload (size field and lh5 bit stream) to Dest. Source must be at most kMaxExpandedSize.
void CompressStream(MemoryStream& source, MemoryStream& dest);

// Deciphers the whole stream in place (Blowfish, ECB, whole 8-byte blocks; a shorter
// tail stays as it is), then drops the padding: the last byte n and the n bytes before
// it. Returns with the stream unchanged when it is empty or the key is weak.
// Throws std::invalid_argument for an empty key (length 0 modulo 256) and EStreamError
// when the pad count is larger than the data.
void DecryptStream(MemoryStream& stream, std::string_view key);

// The inverse: pads the stream with n bytes and a byte holding n (n from 0 to 7) to a
// multiple of 8 and enciphers it in place. Throws std::invalid_argument for an empty or
// weak key, since nothing could read the result back.
void EncryptStream(MemoryStream& stream, std::string_view key);

} // namespace kanavo
