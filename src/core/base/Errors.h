#pragma once
// The exceptions the core raises. Their messages are the texts the user sees,
// so they are fixed here once.

#include <stdexcept>
#include <string>

namespace kanavo {

// A weekly file's container or compressed payload that cannot be read.
// `detail` says why, for tools and tests; the user only ever sees what().
class ECorruptFile : public std::runtime_error {
public:
    explicit ECorruptFile(const std::string& message, std::string detail = {})
        : std::runtime_error(message), m_detail(std::move(detail)) {}
    const std::string& detail() const { return m_detail; }

private:
    std::string m_detail;
};

// Reading past the end of an in-memory stream.
class EStreamError : public std::runtime_error {
public:
    EStreamError() : std::runtime_error("Stream read error") {}
};

// An index outside a string list.
class EListError : public std::runtime_error {
public:
    explicit EListError(long index)
        : std::runtime_error("List index out of bounds (" + std::to_string(index) + ")") {}
};

// A text that should have been a decimal integer. The text is Windows-1251 as it came.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& text)
        : std::runtime_error("'" + text + "' is not a valid integer value") {}
};

} // namespace kanavo
