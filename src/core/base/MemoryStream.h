#pragma once
// An in-memory byte stream with a position, the way the weekly-file code expects one:
// writes go to the position and grow the stream, reads that come up short either
// return less (read) or fail with "Stream read error" (readBuffer, copyFrom).

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kanavo {

class MemoryStream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}

    std::size_t size() const { return m_bytes.size(); }
    std::size_t position() const { return m_position; }
    void setPosition(std::size_t position) { m_position = position; }
    // Cuts or zero-extends; the position is kept inside the new size.
    void setSize(std::size_t size);
    void clear();

    std::span<const std::uint8_t> bytes() const { return m_bytes; }
    std::vector<std::uint8_t>& buffer() { return m_bytes; }

    // Copies up to `count` bytes from the position; returns how many it copied.
    std::size_t read(void* destination, std::size_t count);
    // Copies exactly `count` bytes or throws EStreamError (the position is then unchanged).
    void readBuffer(void* destination, std::size_t count);
    // Writes at the position, growing the stream as needed.
    void write(const void* source, std::size_t count);
    void write(std::span<const std::uint8_t> source) { write(source.data(), source.size()); }
    // Reads exactly `count` bytes from `source` and writes them here; EStreamError when short.
    void copyFrom(MemoryStream& source, std::size_t count);

private:
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_position = 0;
};

} // namespace kanavo
