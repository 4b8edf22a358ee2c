#include "schedule/QuorStreamCol.h"

#include "base/Cp1251.h"
#include "base/Errors.h"
#include "schedule/QuorStreamRoutines.h"

#include <algorithm>
#include <cstring>

namespace kanavo {
namespace {

constexpr std::uint8_t kCompressedFlag = '&';
constexpr std::uint8_t kEncryptedFlag = '*';
constexpr std::uint8_t kFlagOff = ' ';

bool startsWithSignature(const MemoryStream& stream) {
    const auto bytes = stream.bytes();
    return bytes.size() >= ContainerSignature.size() &&
           std::equal(ContainerSignature.begin(), ContainerSignature.end(), bytes.begin());
}

std::uint32_t readUint(MemoryStream& stream, std::size_t width) {
    std::uint8_t bytes[4] = {};
    stream.readBuffer(bytes, width);
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = value << 8 | bytes[i];
    }
    return value;
}

void writeUint(MemoryStream& stream, std::uint32_t value, std::size_t width) {
    std::uint8_t bytes[4];
    for (std::size_t i = 0; i < width; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    stream.write(bytes, width);
}

} // namespace

std::vector<TQuorStreams::Entry>::const_iterator TQuorStreams::lowerBound(std::string_view name) const {
    return std::lower_bound(m_entries.begin(), m_entries.end(), name, [](const Entry& e, std::string_view n) {
        return cp1251::compareIgnoreCase(e.name, n) < 0;
    });
}

const TQuorStreams::Entry* TQuorStreams::find(std::string_view name) const {
    const auto it = lowerBound(name);
    return it != m_entries.end() && cp1251::equalsIgnoreCase(it->name, name) ? &*it : nullptr;
}

void TQuorStreams::insertIfAbsent(std::string name, std::vector<std::uint8_t> data) {
    const auto it = lowerBound(name);
    if (it != m_entries.end() && cp1251::equalsIgnoreCase(it->name, name)) {
        return;
    }
    m_entries.insert(it, Entry{std::move(name), std::move(data)});
}

void TQuorStreams::corrupt(const std::string& why) {
    if (OnCorrupt) {
        OnCorrupt(*this);
    }
    throw ECorruptFile("File is corrupt.", why);
}

void TQuorStreams::LoadFromStream(MemoryStream& source) {
    std::string workingKey = Key;
    source.setPosition(0);
    std::uint8_t flags[2];
    source.readBuffer(flags, 2);
    MemoryStream payload;
    payload.copyFrom(source, source.size() - 2);
    payload.setPosition(0);

    const bool encrypted = flags[1] == kEncryptedFlag;
    const bool compressed = flags[0] == kCompressedFlag;
    if (encrypted) {
        if (OnAskForKey) {
            workingKey = OnAskForKey(*this);
        }
        try {
            DecryptStream(payload, workingKey);
        } catch (const std::exception& e) {
            corrupt(std::string("cannot decipher: ") + e.what());
        }
    }
    if (!compressed && !startsWithSignature(payload)) {
        corrupt("no container signature");
    }
    payload.setPosition(0);
    MemoryStream directory;
    if (compressed) {
        try {
            DecompressStream(payload, directory);
        } catch (const ECorruptFile& e) {
            corrupt(std::string(e.what()) + ": " + e.detail());
        } catch (const std::exception& e) {
            corrupt(std::string("cannot expand: ") + e.what());
        }
    } else {
        directory = std::move(payload);
    }
    if (!startsWithSignature(directory)) {
        corrupt("no directory signature");
    }
    readDirectory(directory);
    Key = std::move(workingKey);
    Compressed = compressed;
    Encrypted = encrypted;
}

void TQuorStreams::readDirectory(MemoryStream& directory) {
    Clear();
    directory.setPosition(ContainerSignature.size());
    const auto count = static_cast<std::int32_t>(readUint(directory, 4));
    // The count is not trusted for any allocation: entries are read until it is reached
    // or the data runs out.
    for (std::int32_t i = 0; i < count; ++i) {
        std::string name(readUint(directory, 2), '\0');
        directory.readBuffer(name.data(), name.size());
        const auto size = static_cast<std::int32_t>(readUint(directory, 4));
        if (size < 0) {
            corrupt("negative entry size");
        }
        std::vector<std::uint8_t> data(static_cast<std::size_t>(
            std::min<std::size_t>(static_cast<std::size_t>(size), directory.size() - directory.position())));
        if (data.size() < static_cast<std::size_t>(size)) {
            throw EStreamError();
        }
        directory.readBuffer(data.data(), data.size());
        insertIfAbsent(std::move(name), std::move(data));
    }
}

void TQuorStreams::GetStream(std::string_view name, MemoryStream& dest) const {
    if (name.empty()) {
        return;
    }
    if (const Entry* entry = find(name)) {
        dest.write(entry->data);
    }
    dest.setPosition(0);
}

void TQuorStreams::RemoveStream(std::string_view name) {
    if (name.empty()) {
        return;
    }
    const auto it = lowerBound(name);
    if (it != m_entries.end() && cp1251::equalsIgnoreCase(it->name, name)) {
        m_entries.erase(it);
    }
}

void TQuorStreams::Clear() {
    m_entries.clear();
}

const std::string& TQuorStreams::Names(int index) const {
    if (index < 0 || index >= Count()) {
        throw EListError(index);
    }
    return m_entries[static_cast<std::size_t>(index)].name;
}

void TQuorStreams::AddStream(std::string_view name, std::vector<std::uint8_t> data) {
    const auto it = lowerBound(name);
    if (it != m_entries.end() && cp1251::equalsIgnoreCase(it->name, name)) {
        m_entries[static_cast<std::size_t>(it - m_entries.begin())].data = std::move(data);
        return;
    }
    m_entries.insert(it, Entry{std::string(name), std::move(data)});
}

void TQuorStreams::SaveToStream(MemoryStream& dest) const {
    MemoryStream directory;
    directory.write(ContainerSignature.data(), ContainerSignature.size());
    writeUint(directory, static_cast<std::uint32_t>(m_entries.size()), 4);
    for (const Entry& entry : m_entries) {
        if (entry.name.size() > 0xFFFF || entry.data.size() > 0x7FFFFFFF) {
            throw std::length_error("entry too large for a container");
        }
        writeUint(directory, static_cast<std::uint32_t>(entry.name.size()), 2);
        directory.write(entry.name.data(), entry.name.size());
        writeUint(directory, static_cast<std::uint32_t>(entry.data.size()), 4);
        directory.write(entry.data);
    }
    MemoryStream payload;
    if (Compressed) {
        directory.setPosition(0);
        CompressStream(directory, payload);
    } else {
        payload = std::move(directory);
    }
    if (Encrypted) {
        EncryptStream(payload, Key);
    }
    const std::uint8_t flags[2] = {Compressed ? kCompressedFlag : kFlagOff,
                                   Encrypted ? kEncryptedFlag : kFlagOff};
    dest.write(flags, 2);
    dest.write(payload.bytes());
}

std::vector<std::uint8_t> streamBytes(const TQuorStreams& streams, std::string_view name) {
    MemoryStream data;
    streams.GetStream(name, data);
    return std::move(data.buffer());
}

} // namespace kanavo
