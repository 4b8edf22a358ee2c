#pragma once
// A small GIF reader for the tests, written apart from the encoder so that the two
// cannot share a mistake: it walks the blocks, decodes each image's LZW data and
// composes the frames the way a viewer does (no disposal, drawn over each other,
// transparent pixels leaving the picture below).

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace kanavo::test {

struct DecodedGif {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> palette;               // RGB triples
    int loopCount = -1;                              // -1: no NETSCAPE2.0 extension
    std::vector<int> delays;                         // per frame, centiseconds
    std::vector<std::vector<std::uint8_t>> canvases; // the picture after each frame
};

class GifReader {
public:
    explicit GifReader(const std::vector<std::uint8_t>& data) : m_data(data) {}

    DecodedGif read() {
        DecodedGif gif;
        if (take(6) != "GIF89a") {
            fail("signature");
        }
        gif.width = word();
        gif.height = word();
        const int flags = byte();
        byte(); // background
        byte(); // aspect
        if ((flags & 0x80) == 0) {
            fail("no global colour table");
        }
        const int colours = 2 << (flags & 7);
        for (int i = 0; i < colours * 3; ++i) {
            gif.palette.push_back(static_cast<std::uint8_t>(byte()));
        }
        std::vector<std::uint8_t> canvas(static_cast<std::size_t>(gif.width * gif.height), 0);
        int delay = -1;
        int transparent = -1;
        for (;;) {
            const int introducer = byte();
            if (introducer == 0x3B) {
                break;
            }
            if (introducer == 0x21) {
                const int label = byte();
                const std::string body = subBlocks();
                if (label == 0xF9) {
                    if (body.size() != 4) {
                        fail("graphic control size");
                    }
                    delay = static_cast<std::uint8_t>(body[1]) | (static_cast<std::uint8_t>(body[2]) << 8);
                    transparent = (body[0] & 1) ? static_cast<std::uint8_t>(body[3]) : -1;
                } else if (label == 0xFF && body.rfind("NETSCAPE2.0\x01", 0) == 0 && body.size() == 14) {
                    gif.loopCount =
                        static_cast<std::uint8_t>(body[12]) | (static_cast<std::uint8_t>(body[13]) << 8);
                }
                continue;
            }
            if (introducer != 0x2C) {
                fail("unknown block");
            }
            const int left = word(), top = word(), w = word(), h = word();
            if (byte() != 0) {
                fail("local table or interlace");
            }
            if (left + w > gif.width || top + h > gif.height || w == 0 || h == 0) {
                fail("image outside the screen");
            }
            const int minCodeSize = byte();
            const std::vector<std::uint8_t> pixels = lzw(subBlocks(), minCodeSize);
            if (pixels.size() != static_cast<std::size_t>(w * h)) {
                fail("pixel count " + std::to_string(pixels.size()));
            }
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    const std::uint8_t index = pixels[static_cast<std::size_t>(y * w + x)];
                    if (index >= colours) {
                        fail("index outside the palette");
                    }
                    if (index != transparent) {
                        canvas[static_cast<std::size_t>((top + y) * gif.width + left + x)] = index;
                    }
                }
            }
            gif.delays.push_back(delay);
            gif.canvases.push_back(canvas);
            delay = -1;
            transparent = -1;
        }
        if (m_at != m_data.size()) {
            fail("bytes after the trailer");
        }
        return gif;
    }

private:
    [[noreturn]] static void fail(const std::string& what) { throw std::runtime_error("GIF: " + what); }

    int byte() {
        if (m_at >= m_data.size()) {
            fail("truncated");
        }
        return m_data[m_at++];
    }
    int word() {
        const int low = byte();
        return low | (byte() << 8);
    }
    std::string take(std::size_t n) {
        std::string out;
        for (std::size_t i = 0; i < n; ++i) {
            out += static_cast<char>(byte());
        }
        return out;
    }
    std::string subBlocks() {
        std::string out;
        for (int n = byte(); n != 0; n = byte()) {
            out += take(static_cast<std::size_t>(n));
        }
        return out;
    }

    static std::vector<std::uint8_t> lzw(const std::string& bits, int minCodeSize) {
        if (minCodeSize < 2 || minCodeSize > 8) {
            fail("minimum code size");
        }
        const int clear = 1 << minCodeSize;
        const int end = clear + 1;
        std::vector<int> prefix(4096, -1);
        std::vector<std::uint8_t> suffix(4096), first(4096);
        for (int i = 0; i < clear; ++i) {
            suffix[static_cast<std::size_t>(i)] = first[static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(i);
        }
        std::vector<std::uint8_t> out;
        std::size_t bitAt = 0;
        int size = minCodeSize + 1;
        int next = end + 1;
        int previous = -1;
        bool ended = false;
        auto emit = [&](int code) {
            std::vector<std::uint8_t> reversed;
            for (int c = code; c >= 0; c = prefix[static_cast<std::size_t>(c)]) {
                reversed.push_back(suffix[static_cast<std::size_t>(c)]);
            }
            out.insert(out.end(), reversed.rbegin(), reversed.rend());
        };
        while (bitAt + static_cast<std::size_t>(size) <= bits.size() * 8) {
            int code = 0;
            for (int i = 0; i < size; ++i, ++bitAt) {
                code |= ((static_cast<std::uint8_t>(bits[bitAt / 8]) >> (bitAt % 8)) & 1) << i;
            }
            if (code == clear) {
                size = minCodeSize + 1;
                next = end + 1;
                previous = -1;
                continue;
            }
            if (code == end) {
                ended = true;
                break;
            }
            if (previous < 0) {
                if (code >= clear) {
                    fail("first code is not a colour");
                }
                emit(code);
                previous = code;
                continue;
            }
            if (code > next || (code == next && next >= 4096)) {
                fail("code ahead of the table");
            }
            if (next < 4096) {
                const int known = code < next ? code : previous;
                prefix[static_cast<std::size_t>(next)] = previous;
                first[static_cast<std::size_t>(next)] = first[static_cast<std::size_t>(previous)];
                suffix[static_cast<std::size_t>(next)] = first[static_cast<std::size_t>(known)];
                ++next;
                if (next == (1 << size) && size < 12) {
                    ++size;
                }
            }
            emit(code);
            previous = code;
        }
        if (!ended) {
            fail("no end code");
        }
        return out;
    }

    const std::vector<std::uint8_t>& m_data;
    std::size_t m_at = 0;
};

inline DecodedGif decodeGif(const std::vector<std::uint8_t>& data) {
    return GifReader(data).read();
}

} // namespace kanavo::test
