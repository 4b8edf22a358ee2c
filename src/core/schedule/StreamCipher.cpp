#include "schedule/Blowfish.h"
#include "schedule/QuorStreamRoutines.h"

#include "base/Errors.h"

#include <stdexcept>

namespace kanavo {

namespace {

constexpr std::size_t kBlockSize = 8;
constexpr int kRounds = 16;

// The key's length is held in one byte, so only its low eight bits count.
std::size_t keyLength(std::string_view key) {
    return key.size() % 256;
}

const std::uint8_t* keyBytes(std::string_view key) {
    return reinterpret_cast<const std::uint8_t*>(key.data());
}

} // namespace

void DecryptStream(MemoryStream& stream, std::string_view key) {
    if (stream.size() == 0) {
        return;
    }
    Blowfish cipher;
    if (!cipher.SetCipherKey(keyBytes(key), keyLength(key), kRounds)) {
        return;
    }
    auto& bytes = stream.buffer();
    for (std::size_t offset = 0; offset + kBlockSize <= bytes.size(); offset += kBlockSize) {
        cipher.decryptBlock(bytes.data() + offset);
    }
    const std::size_t padding = bytes.back();
    if (padding >= bytes.size()) {
        throw EStreamError();
    }
    stream.setSize(bytes.size() - padding - 1);
}

void EncryptStream(MemoryStream& stream, std::string_view key) {
    Blowfish cipher;
    if (!cipher.SetCipherKey(keyBytes(key), keyLength(key), kRounds)) {
        throw std::invalid_argument("Blowfish key is weak");
    }
    auto& bytes = stream.buffer();
    const std::size_t padding = kBlockSize - 1 - bytes.size() % kBlockSize;
    bytes.resize(bytes.size() + padding, 0);
    bytes.push_back(static_cast<std::uint8_t>(padding));
    for (std::size_t offset = 0; offset < bytes.size(); offset += kBlockSize) {
        cipher.encryptBlock(bytes.data() + offset);
    }
}

} // namespace kanavo
