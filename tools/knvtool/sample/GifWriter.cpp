#include "GifWriter.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kanavo {

namespace {

constexpr int kMaxCodes = 4096; // 12-bit codes

// Collects variable-length codes least significant bit first, as GIF packs them.
class CodeWriter {
public:
    void put(int code, int bits) {
        m_buffer |= static_cast<std::uint32_t>(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.push_back(static_cast<std::uint8_t>(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_count -= 8;
        }
    }
    std::vector<std::uint8_t> finish() {
        if (m_count > 0) {
            m_bytes.push_back(static_cast<std::uint8_t>(m_buffer & 0xFF));
        }
        m_buffer = 0;
        m_count = 0;
        return std::move(m_bytes);
    }

private:
    std::uint32_t m_buffer = 0;
    int m_count = 0;
    std::vector<std::uint8_t> m_bytes;
};

void putWord(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void checkRange(int value, int low, int high, const char* what) {
    if (value < low || value > high) {
        throw std::invalid_argument(std::string("GIF ") + what + " out of range: " + std::to_string(value));
    }
}

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The smallest rectangle holding every pixel that differs between two canvases; a
// 1×1 rectangle when they are equal, since a GIF image cannot be empty.
Rect changedRect(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& after, int width,
                 int height) {
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const auto i =
                static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
            if (before[i] != after[i]) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return {0, 0, 1, 1};
    }
    return {left, top, right - left + 1, bottom - top + 1};
}

// The pixels of `canvas` inside `r`; where `transparent` is a colour index, the pixels
// that equal `before` become it, so that the still parts compress to long runs.
std::vector<std::uint8_t> crop(const std::vector<std::uint8_t>& canvas,
                               const std::vector<std::uint8_t>* before, int width, const Rect& r,
                               int transparent) {
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(r.width) * static_cast<std::size_t>(r.height));
    for (int y = r.top; y < r.top + r.height; ++y) {
        for (int x = r.left; x < r.left + r.width; ++x) {
            const auto i =
                static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
            const bool still = before && transparent >= 0 && (*before)[i] == canvas[i];
            out.push_back(still ? static_cast<std::uint8_t>(transparent) : canvas[i]);
        }
    }
    return out;
}

} // namespace

std::vector<std::uint8_t> encodeGifLzw(const std::vector<std::uint8_t>& indices, int minCodeSize) {
    checkRange(minCodeSize, 2, 8, "minimum code size");
    const int alphabet = 1 << minCodeSize;
    const int clearCode = alphabet;
    const int endCode = alphabet + 1;

    // child[prefix * alphabet + index] = code of prefix+index, 0 when absent (no string
    // code is ever 0, since 0 is a single index).
    std::vector<std::uint16_t> child(static_cast<std::size_t>(kMaxCodes) *
                                     static_cast<std::size_t>(alphabet));
    int codeSize = minCodeSize + 1;
    int nextCode = endCode + 1;
    auto reset = [&] {
        std::fill(child.begin(), child.end(), std::uint16_t{0});
        codeSize = minCodeSize + 1;
        nextCode = endCode + 1;
    };

    CodeWriter writer;
    writer.put(clearCode, codeSize);
    int current = -1;
    for (const std::uint8_t index : indices) {
        if (index >= alphabet) {
            throw std::invalid_argument("GIF pixel index outside the palette");
        }
        if (current < 0) {
            current = index;
            continue;
        }
        const auto slot = static_cast<std::size_t>(current) * static_cast<std::size_t>(alphabet) + index;
        if (child[slot] != 0) {
            current = child[slot];
            continue;
        }
        writer.put(current, codeSize);
        if (nextCode < kMaxCodes) {
            child[slot] = static_cast<std::uint16_t>(nextCode++);
            // The decoder learns each entry one code later than we do, so the width
            // grows once a code of the current width can no longer name the newest entry.
            if (nextCode > (1 << codeSize) && codeSize < 12) {
                ++codeSize;
            }
        } else {
            writer.put(clearCode, codeSize);
            reset();
        }
        current = index;
    }
    if (current >= 0) {
        writer.put(current, codeSize);
    }
    writer.put(endCode, codeSize);

    const std::vector<std::uint8_t> stream = writer.finish();
    std::vector<std::uint8_t> out;
    out.reserve(stream.size() + stream.size() / 255 + 3);
    out.push_back(static_cast<std::uint8_t>(minCodeSize));
    for (std::size_t at = 0; at < stream.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, stream.size() - at);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), stream.begin() + static_cast<std::ptrdiff_t>(at),
                   stream.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    out.push_back(0);
    return out;
}

std::vector<std::uint8_t> encodeGif(const GifAnimation& animation) {
    const int width = animation.width;
    const int height = animation.height;
    checkRange(width, 1, 0xFFFF, "width");
    checkRange(height, 1, 0xFFFF, "height");
    checkRange(static_cast<int>(std::min<std::size_t>(animation.palette.size(), 1000)), 1, 256,
               "palette size");
    checkRange(static_cast<int>(std::min<std::size_t>(animation.frames.size(), 0x10000)), 1, 0xFFFF,
               "frame count");
    checkRange(animation.loopCount, 0, 0xFFFF, "loop count");
    const std::size_t area = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    for (const GifFrame& frame : animation.frames) {
        if (frame.pixels.size() != area) {
            throw std::invalid_argument("GIF frame size differs from the canvas");
        }
        checkRange(frame.delayCentiseconds, 0, 0xFFFF, "delay");
        for (const std::uint8_t index : frame.pixels) {
            if (index >= animation.palette.size()) {
                throw std::invalid_argument("GIF pixel index outside the palette");
            }
        }
    }

    // Later frames mark their unchanged pixels with a spare index, when the palette has one.
    const int transparent = animation.frames.size() > 1 && animation.palette.size() < 256
                                ? static_cast<int>(animation.palette.size())
                                : -1;
    const std::size_t colours = animation.palette.size() + (transparent >= 0 ? 1 : 0);
    int tableBits = 1; // the colour table holds 2^tableBits entries
    while ((std::size_t{1} << tableBits) < colours) {
        ++tableBits;
    }

    std::vector<std::uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    putWord(out, width);
    putWord(out, height);
    // Global table present, 8 bits of colour resolution, unsorted, table size.
    out.push_back(static_cast<std::uint8_t>(0x80 | (7 << 4) | (tableBits - 1)));
    out.push_back(0); // background colour index
    out.push_back(0); // no aspect ratio given
    for (int i = 0; i < (1 << tableBits); ++i) {
        const GifColour colour = static_cast<std::size_t>(i) < animation.palette.size()
                                     ? animation.palette[static_cast<std::size_t>(i)]
                                     : GifColour{0, 0, 0};
        out.insert(out.end(), colour.begin(), colour.end());
    }

    // Application extension that makes browsers and viewers repeat the animation.
    const char netscape[] = "NETSCAPE2.0";
    out.insert(out.end(), {0x21, 0xFF, 11});
    out.insert(out.end(), netscape, netscape + 11);
    out.insert(out.end(), {3, 1});
    putWord(out, animation.loopCount);
    out.push_back(0);

    const int minCodeSize = std::max(2, tableBits);
    const std::vector<std::uint8_t>* previous = nullptr;
    for (const GifFrame& frame : animation.frames) {
        const Rect rect =
            previous ? changedRect(*previous, frame.pixels, width, height) : Rect{0, 0, width, height};

        // Graphic control: disposal "leave in place" (1), no user input, and from the second
        // frame on the transparent index that lets the frame before show through.
        const bool seeThrough = previous && transparent >= 0;
        out.insert(out.end(), {0x21, 0xF9, 4, static_cast<std::uint8_t>((1 << 2) | (seeThrough ? 1 : 0))});
        putWord(out, frame.delayCentiseconds);
        out.push_back(static_cast<std::uint8_t>(seeThrough ? transparent : 0));
        out.push_back(0);

        out.push_back(0x2C);
        putWord(out, rect.left);
        putWord(out, rect.top);
        putWord(out, rect.width);
        putWord(out, rect.height);
        out.push_back(0); // no local table, not interlaced

        const std::vector<std::uint8_t> data =
            encodeGifLzw(crop(frame.pixels, previous, width, rect, transparent), minCodeSize);
        out.insert(out.end(), data.begin(), data.end());
        previous = &frame.pixels;
    }
    out.push_back(0x3B);
    return out;
}

} // namespace kanavo
