#pragma once
// TQuorStreams: a set of named byte streams read from one container, the form in which a
// weekly file carries its schedule and banners.
//
// Container: a compression flag byte ('&' = lh5-compressed), a cipher flag byte ('*' =
// Blowfish-enciphered; blank is "off" for both), then the payload. The payload, deciphered
// and then expanded as the flags say, is the directory: the signature 01..08, a signed
// 32-bit entry count, and per entry a 16-bit name length, the name, a signed 32-bit size
// and the data. All integers are little-endian.

#include "base/MemoryStream.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kanavo {

inline constexpr std::array<std::uint8_t, 8> ContainerSignature = {1, 2, 3, 4, 5, 6, 7, 8};

class TQuorStreams {
public:
    using TOnAskForKey = std::function<std::string(TQuorStreams& sender)>;
    using TNotifyEvent = std::function<void(TQuorStreams& sender)>;

    bool Compressed = true;
    bool Encrypted = false;
    std::string Key;
    TOnAskForKey OnAskForKey;
    TNotifyEvent OnCorrupt;

    // Replaces the content with the container read from `source`, starting at its position
    // 0 wherever it stands. A container that fails its checks fires OnCorrupt and throws
    // ECorruptFile("File is corrupt."), leaving the entries, flags and Key as they were.
    // Entry data cut short throws EStreamError after the entries read before it were kept.
    void LoadFromStream(MemoryStream& source);

    // Appends the named entry's content at dest's position (nothing when there is no such
    // entry), then sets dest's position to 0. An empty name does nothing at all.
    void GetStream(std::string_view name, MemoryStream& dest) const;
    void RemoveStream(std::string_view name);
    void Clear();

    int Count() const { return static_cast<int>(m_entries.size()); }
    // The name of the index-th entry in name order; EListError outside 0..Count-1.
    const std::string& Names(int index) const;

    // For writers: adds an entry, or replaces the content of the entry of that name.
    void AddStream(std::string_view name, std::vector<std::uint8_t> data);
    // Writes the container, compressing and enciphering as Compressed and Encrypted say.
    void SaveToStream(MemoryStream& dest) const;

private:
    struct Entry {
        std::string name;
        std::vector<std::uint8_t> data;
    };

    // Where `name` stands or would stand in name order.
    std::vector<Entry>::const_iterator lowerBound(std::string_view name) const;
    const Entry* find(std::string_view name) const;
    // Adds in name order unless the name is present already (the first one stays).
    void insertIfAbsent(std::string name, std::vector<std::uint8_t> data);
    [[noreturn]] void corrupt(const std::string& why);
    void readDirectory(MemoryStream& directory);

    std::vector<Entry> m_entries;
};

// The whole content of the named entry; empty when there is none.
std::vector<std::uint8_t> streamBytes(const TQuorStreams& streams, std::string_view name);

} // namespace kanavo
