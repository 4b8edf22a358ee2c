#include "WaveCheck.h"

#include <QFile>

namespace bellpop {
namespace {

// The header and the chunks before the samples are small; this much is read to find them.
constexpr qint64 kHeadBytes = 64 * 1024;

quint32 le32(const QByteArray& bytes, qint64 at) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 le16(const QByteArray& bytes, qint64 at) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

bool isPcmFormat(const QByteArray& head, qint64 at, quint32 size) {
    if (size < 16) {
        return false;
    }
    quint16 format = le16(head, at);
    const quint16 channels = le16(head, at + 2);
    const quint32 rate = le32(head, at + 4);
    const quint16 bits = le16(head, at + 14);
    constexpr quint16 kPcm = 1;
    constexpr quint16 kExtensible = 0xfffe;
    if (format == kExtensible) {
        // The sub-format's first two bytes name the real format.
        if (size < 40) {
            return false;
        }
        format = le16(head, at + 24);
    }
    return format == kPcm && channels >= 1 && channels <= 8 && rate >= 1000 && rate <= 384000 &&
           (bits == 8 || bits == 16 || bits == 24 || bits == 32);
}

} // namespace

bool isPlayableWave(const QByteArray& head, qint64 fileSize) {
    if (fileSize > MaxWaveBytes || head.size() < 12 || fileSize < head.size() || !head.startsWith("RIFF") ||
        head.mid(8, 4) != "WAVE") {
        return false;
    }
    bool haveFormat = false;
    qint64 at = 12;
    while (at + 8 <= head.size()) {
        const QByteArray id = head.mid(at, 4);
        const quint32 size = le32(head, at + 4);
        const qint64 body = at + 8;
        if (id == "data") {
            // The samples must all be there: the loader would wait for the rest.
            return haveFormat && size > 0 && body + qint64(size) <= fileSize;
        }
        if (id == "fmt ") {
            if (body + qint64(size) > head.size() || !isPcmFormat(head, body, size)) {
                return false;
            }
            haveFormat = true;
        }
        at = body + qint64(size) + (size & 1);
    }
    return false;
}

bool isPlayableWaveFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    return isPlayableWave(file.read(kHeadBytes), file.size());
}

} // namespace bellpop
