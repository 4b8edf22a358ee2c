#pragma once
// Whether a sound file is a complete PCM wave file that the player can take. Qt's sample
// loader waits for ever on a file that ends before its header says (its loading thread
// then never stops, and the next reminder's sound hangs the program when it is released),
// so only files that pass this check are handed to it; the others give a silent reminder.

#include <QByteArray>
#include <QString>

namespace bellpop {

// The file is read whole by the player; larger files are refused.
inline constexpr qint64 MaxWaveBytes = 64 * 1024 * 1024;

// The same check on the file's first bytes (at least up to the end of its data chunk's
// header) and its total size.
bool isPlayableWave(const QByteArray& head, qint64 fileSize);
bool isPlayableWaveFile(const QString& path);

} // namespace bellpop
