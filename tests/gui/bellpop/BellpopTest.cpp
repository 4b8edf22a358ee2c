// The reminder library as the program reaches it: bound by ReminderLibrary, one call per
// reminder, the window it opens, the sound it plays (on a machine with no sound device),
// and the message-box fallback when the library is not there.

#include "bellpop.h"
#include "ReminderLibrary.h"
#include "base/Cp1251.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <thread>

using namespace kanavo;

namespace {

const QString kLibrary = QStringLiteral(KANAVO_BELLPOP_FILE);

std::string cp(const char* utf8) {
    return cp1251::fromUtf8(utf8).value();
}

QList<QWidget*> reminderWindows() {
    QList<QWidget*> result;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("bellpopReminder") && widget->isVisible()) {
            result.append(widget);
        }
    }
    return result;
}

QString labelText(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QLatin1String(name));
    return label == nullptr ? QStringLiteral("<no label>") : label->text();
}

// The open reminder of that channel (top-level widgets come in no fixed order).
QWidget* reminderOf(const QString& channel) {
    for (QWidget* window : reminderWindows()) {
        if (labelText(window, "channel") == channel) {
            return window;
        }
    }
    return nullptr;
}

QList<QMessageBox*> messageBoxes() {
    QList<QMessageBox*> result;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
            result.append(box);
        }
    }
    return result;
}

void closeAll() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        widget->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QByteArray le(quint32 value, int bytes) {
    QByteArray result;
    for (int k = 0; k < bytes; ++k) {
        result.append(static_cast<char>((value >> (8 * k)) & 0xff));
    }
    return result;
}

// A short 16-bit mono tone, the kind of file a user picks for the alarm, in the given
// format code; `cut` bytes are left off the end.
QByteArray waveFile(quint16 format = 1, int cut = 0) {
    const int rate = 8000;
    QByteArray pcm;
    for (int i = 0; i < rate / 5; ++i) {
        pcm += le(quint16((i / 10) % 2 == 0 ? 6000 : -6000), 2);
    }
    QByteArray wav = "RIFF" + le(36 + pcm.size(), 4) + "WAVE" + "fmt " + le(16, 4) + le(format, 2) +
                     le(1, 2) + le(rate, 4) + le(rate * 2, 4) + le(2, 2) + le(16, 2) + "data" +
                     le(pcm.size(), 4) + pcm;
    wav.chop(cut);
    return wav;
}

// Sound files by kind; an empty result means no file at all.
QByteArray soundFileBytes(const QString& kind) {
    if (kind == QLatin1String("wave")) {
        return waveFile();
    }
    if (kind == QLatin1String("wave with a list chunk")) {
        // An odd-sized chunk before the format, padded to an even length as the format asks.
        QByteArray wav = waveFile();
        wav.insert(12, QByteArray("LIST") + le(3, 4) + "abc" + '\0');
        wav.replace(4, 4, le(wav.size() - 8, 4));
        return wav;
    }
    if (kind == QLatin1String("text")) {
        return "Not a sound, just words in a file named .wav\n";
    }
    if (kind == QLatin1String("header only")) {
        return QByteArray("RIFF\x10\0\0\0WAVEjunk", 16);
    }
    if (kind == QLatin1String("cut short")) {
        return waveFile(1, 1000);
    }
    if (kind == QLatin1String("compressed")) {
        return waveFile(2);
    }
    return {};
}

} // namespace

class BellpopTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void bindsTheFirstCandidateWithTheExport_data();
    void bindsTheFirstCandidateWithTheExport();
    void opensOneWindowAndReturns_data();
    void opensOneWindowAndReturns();
    void closingStopsTheSound_data();
    void closingStopsTheSound();
    void showsTheLogoOrTheBell();
    void keepsSeveralOpenApart();
    void takesCallsFromAnotherThread();
    void fallbackShowsANonModalBox();
    void drawsInTheProgramsColours();

private:
    QTemporaryDir m_dir;
};

void BellpopTest::init() {
    QVERIFY(m_dir.isValid());
    closeAll();
}

void BellpopTest::cleanup() {
    closeAll();
}

void BellpopTest::bindsTheFirstCandidateWithTheExport_data() {
    QTest::addColumn<QStringList>("candidates");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("path");

    const QString missing = QStringLiteral("/nonexistent/libbellpop.so");
    const QString impostor = QStringLiteral(KANAVO_BELLPOP_IMPOSTOR_FILE);
    QTest::newRow("the library") << QStringList{kLibrary} << true << kLibrary;
    QTest::newRow("missing, then the library") << QStringList{missing, kLibrary} << true << kLibrary;
    QTest::newRow("no export, then the library") << QStringList{impostor, kLibrary} << true << kLibrary;
    QTest::newRow("missing") << QStringList{missing} << false << QString();
    QTest::newRow("no export") << QStringList{impostor} << false << QString();
    QTest::newRow("nothing to try") << QStringList{} << false << QString();
}

void BellpopTest::bindsTheFirstCandidateWithTheExport() {
    QFETCH(QStringList, candidates);
    QFETCH(bool, loaded);
    QFETCH(QString, path);

    const ReminderLibrary library(candidates);
    QCOMPARE(library.loaded(), loaded);
    QCOMPARE(library.libraryPath(), path);
    QCOMPARE(library.errorString().isEmpty(), loaded || candidates.isEmpty());
}

void BellpopTest::opensOneWindowAndReturns_data() {
    QTest::addColumn<QByteArray>("channel"); // UTF-8
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("time");

    QTest::newRow("settings dialog test")
        << QByteArray("ТЕСТ") << 17 << 40
        << QByteArray("Просто тестирование системы оповещения. Все нормально?") << QStringLiteral("17:40");
    QTest::newRow("just after midnight")
        << QByteArray("Первый канал") << 0 << 5 << QByteArray("Новости") << QStringLiteral("00:05");
    QTest::newRow("markup is text") << QByteArray("<b>НТВ</b>") << 23 << 59
                                    << QByteArray("<i>Фильм</i> &amp;") << QStringLiteral("23:59");
    QTest::newRow("empty texts") << QByteArray() << 12 << 0 << QByteArray() << QStringLiteral("12:00");
    QTest::newRow("hour outside the day")
        << QByteArray("ТЕСТ") << 24 << 0 << QByteArray("x") << QStringLiteral("--:--");
    QTest::newRow("negative minute") << QByteArray("ТЕСТ") << 10 << -1 << QByteArray("x")
                                     << QStringLiteral("--:--");
}

void BellpopTest::opensOneWindowAndReturns() {
    QFETCH(QByteArray, channel);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QByteArray, text);
    QFETCH(QString, time);

    ReminderLibrary library({kLibrary});
    QVERIFY(library.loaded());

    // A call that waited for the window (a nested event loop) would run this timer first.
    bool eventLoopRan = false;
    const QObject timerScope; // the timer must not outlive the flag
    QTimer::singleShot(0, &timerScope, [&] { eventLoopRan = true; });
    library.ExecuteAlarm(cp(channel.constData()), hour, minute, cp(text.constData()), std::nullopt, "",
                         false);
    QVERIFY(!eventLoopRan);

    const QList<QWidget*> windows = reminderWindows();
    QCOMPARE(windows.size(), 1);
    QWidget* window = windows.first();
    QVERIFY(window->isWindow());
    QVERIFY(!window->isModal());
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(labelText(window, "channel"), QString::fromUtf8(channel));
    QCOMPARE(labelText(window, "time"), time);
    QCOMPARE(labelText(window, "text"), QString::fromUtf8(text));
    for (const char* name : {"channel", "text"}) {
        QCOMPARE(window->findChild<QLabel*>(QLatin1String(name))->textFormat(), Qt::PlainText);
    }
    QVERIFY(window->findChild<QSoundEffect*>() == nullptr);

    auto* close = window->findChild<QPushButton*>(QStringLiteral("close"));
    QVERIFY(close != nullptr);
    QCOMPARE(close->text(), QStringLiteral("Закрыть"));
    QPointer<QWidget> watched(window);
    QTest::mouseClick(close, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(watched.isNull());
    QVERIFY(reminderWindows().isEmpty());
}

void BellpopTest::closingStopsTheSound_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("loop");
    QTest::addColumn<bool>("plays");

    // The broken files come first on purpose: one that reached Qt's sample loader would
    // stall it, and the wave rows after them would hang when their window closes.
    for (bool loop : {false, true}) {
        const QString suffix = loop ? QStringLiteral(", in a loop") : QStringLiteral(", once");
        for (const char* kind : {"missing", "text", "header only", "cut short", "compressed"}) {
            QTest::newRow(qPrintable(QLatin1String(kind) + suffix))
                << QString::fromLatin1(kind) << loop << false;
        }
        for (const char* kind : {"wave", "wave with a list chunk"}) {
            QTest::newRow(qPrintable(QLatin1String(kind) + suffix))
                << QString::fromLatin1(kind) << loop << true;
        }
    }
}

void BellpopTest::closingStopsTheSound() {
    QFETCH(QString, kind);
    QFETCH(bool, loop);
    QFETCH(bool, plays);

    const QString path = m_dir.filePath(kind + QStringLiteral(".wav"));
    if (const QByteArray bytes = soundFileBytes(kind); !bytes.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    ReminderLibrary library({kLibrary});
    library.ExecuteAlarm(cp("ТЕСТ"), 17, 40, cp("Звук"), std::nullopt, path.toStdString(), loop);
    QCOMPARE(reminderWindows().size(), 1);
    QWidget* window = reminderWindows().first();

    QPointer<QSoundEffect> sound = window->findChild<QSoundEffect*>();
    QCOMPARE(sound != nullptr, plays);
    if (sound) {
        QCOMPARE(sound->source(), QUrl::fromLocalFile(path));
        QCOMPARE(sound->loopCount(), loop ? int(QSoundEffect::Infinite) : 1);
    }
    // Let the file load (or fail) and playback start where it can.
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(10);
    }
    QCOMPARE(reminderWindows().size(), 1);

    window->close();
    if (sound) {
        QVERIFY(!sound->isPlaying());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(sound.isNull());
    QVERIFY(reminderWindows().isEmpty());
}

void BellpopTest::showsTheLogoOrTheBell() {
    ReminderLibrary library({kLibrary});
    Logo32 logo;
    logo.fill(0xffcc2200u);
    logo[0] = 0x00000000u; // one transparent corner
    library.ExecuteAlarm(cp("Первый канал"), 20, 0, cp("Время"), logo, "", false);
    library.ExecuteAlarm(cp("Без логотипа"), 20, 0, cp("Время"), std::nullopt, "", false);
    QCOMPARE(reminderWindows().size(), 2);

    QWidget* withLogo = reminderOf(QStringLiteral("Первый канал"));
    QWidget* withoutLogo = reminderOf(QStringLiteral("Без логотипа"));
    QVERIFY(withLogo != nullptr && withoutLogo != nullptr);
    const QPixmap logoShown = withLogo->findChild<QLabel*>(QStringLiteral("logo"))->pixmap();
    const QImage shown = logoShown.toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown.size(), QSize(32, 32));
    QCOMPARE(shown.pixel(16, 16), 0xffcc2200u);
    QCOMPARE(qAlpha(shown.pixel(0, 0)), 0);

    const QPixmap bell = withoutLogo->findChild<QLabel*>(QStringLiteral("logo"))->pixmap();
    QVERIFY(!bell.isNull());
}

void BellpopTest::keepsSeveralOpenApart() {
    ReminderLibrary library({kLibrary});
    for (int i = 0; i < 3; ++i) {
        library.ExecuteAlarm(cp("ТЕСТ"), 17, 40 + i, cp("Ещё одно"), std::nullopt, "", false);
    }
    const QList<QWidget*> windows = reminderWindows();
    QCOMPARE(windows.size(), 3);
    QVERIFY(windows[0]->pos() != windows[1]->pos());
    QVERIFY(windows[1]->pos() != windows[2]->pos());
    QVERIFY(windows[0]->pos() != windows[2]->pos());

    // Closing one leaves the others open.
    windows[1]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(reminderWindows().size(), 2);
}

void BellpopTest::takesCallsFromAnotherThread() {
    ReminderLibrary library({kLibrary});
    std::thread caller(
        [&] { library.ExecuteAlarm(cp("ТЕСТ"), 17, 40, cp("Из потока"), std::nullopt, "", true); });
    caller.join();
    // Handed to the application's thread, not made on the caller's.
    QVERIFY(reminderWindows().isEmpty());
    QCoreApplication::processEvents();
    const QList<QWidget*> windows = reminderWindows();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.first()->thread(), QApplication::instance()->thread());
    QCOMPARE(labelText(windows.first(), "text"), QStringLiteral("Из потока"));
}

void BellpopTest::fallbackShowsANonModalBox() {
    ReminderLibrary library({QStringLiteral("/nonexistent/libbellpop.so")});
    QVERIFY(!library.loaded());

    bool eventLoopRan = false;
    const QObject timerScope; // the timer must not outlive the flag
    QTimer::singleShot(0, &timerScope, [&] { eventLoopRan = true; });
    Logo32 logo{};
    library.ExecuteAlarm(cp("ТЕСТ"), 7, 5, cp("Просто <b>тестирование</b>"), logo, "/nonexistent.wav", true);
    QVERIFY(!eventLoopRan);

    QVERIFY(reminderWindows().isEmpty());
    const QList<QMessageBox*> boxes = messageBoxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY(!boxes.first()->isModal());
    QCOMPARE(boxes.first()->windowTitle(), QStringLiteral("Канаво"));
    QCOMPARE(boxes.first()->text(), QStringLiteral("ТЕСТ, 07:05\nПросто <b>тестирование</b>"));
    QCOMPARE(boxes.first()->textFormat(), Qt::PlainText);
}

void BellpopTest::drawsInTheProgramsColours() {
    ReminderLibrary library({kLibrary});
    library.ExecuteAlarm(cp("ТЕСТ"), 17, 40, cp("Просто тестирование системы оповещения. Все нормально?"),
                         std::nullopt, "", false);
    QWidget* window = reminderWindows().value(0);
    QVERIFY(window != nullptr);
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (const QByteArray dir = qgetenv("KANAVO_SCREENSHOT_DIR"); !dir.isEmpty()) {
        image.save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("bellpop-reminder.png")));
    }

    // The panel's blue just inside the window's edge, the white card behind the text.
    QCOMPARE(QColor(image.pixel(4, image.height() / 2)), QColor(176, 187, 238));
    auto* text = window->findChild<QLabel*>(QStringLiteral("text"));
    const QPoint inCard = text->mapTo(window, QPoint(text->width() - 2, 1));
    QCOMPARE(QColor(image.pixel(inCard)), QColor(Qt::white));
}

QTEST_MAIN(BellpopTest)
#include "BellpopTest.moc"
