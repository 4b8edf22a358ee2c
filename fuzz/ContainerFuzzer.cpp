// Any byte sequence as a container: it loads or fails with the container's own errors.
#include "base/Errors.h"
#include "schedule/QuorStreamCol.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kanavo::TQuorStreams streams;
    // A key, so that enciphered inputs reach the decipher-then-expand path too.
    streams.Key = "key";
    kanavo::MemoryStream source(std::vector<std::uint8_t>(data, data + size));
    try {
        streams.LoadFromStream(source);
        for (int i = 0; i < streams.Count(); ++i) {
            kanavo::MemoryStream out;
            streams.GetStream(streams.Names(i), out);
        }
    } catch (const kanavo::ECorruptFile&) {
    } catch (const kanavo::EStreamError&) {
    }
    return 0;
}
