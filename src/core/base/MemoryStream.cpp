#include "base/MemoryStream.h"

#include "base/Errors.h"

#include <algorithm>
#include <cstring>

namespace kanavo {

void MemoryStream::setSize(std::size_t size) {
    m_bytes.resize(size);
    m_position = std::min(m_position, size);
}

void MemoryStream::clear() {
    m_bytes.clear();
    m_position = 0;
}

std::size_t MemoryStream::read(void* destination, std::size_t count) {
    const std::size_t available = m_position < m_bytes.size() ? m_bytes.size() - m_position : 0;
    const std::size_t n = std::min(count, available);
    if (n > 0) {
        std::memcpy(destination, m_bytes.data() + m_position, n);
    }
    m_position += n;
    return n;
}

void MemoryStream::readBuffer(void* destination, std::size_t count) {
    const std::size_t available = m_position < m_bytes.size() ? m_bytes.size() - m_position : 0;
    if (count > available) {
        throw EStreamError();
    }
    read(destination, count);
}

void MemoryStream::write(const void* source, std::size_t count) {
    if (count == 0) {
        return;
    }
    if (m_position + count > m_bytes.size()) {
        m_bytes.resize(m_position + count);
    }
    std::memcpy(m_bytes.data() + m_position, source, count);
    m_position += count;
}

void MemoryStream::copyFrom(MemoryStream& source, std::size_t count) {
    const std::size_t start = source.m_position;
    const std::size_t available = start < source.m_bytes.size() ? source.m_bytes.size() - start : 0;
    if (count > available) {
        throw EStreamError();
    }
    write(source.m_bytes.data() + start, count);
    source.m_position += count;
}

} // namespace kanavo
