#include "SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace kanavo;
using Outcome = SingleInstance::Outcome;

namespace {

// What a copy that died without cleaning up leaves in the folder. The leftovers are made
// by a child process that takes the lock and opens the socket as a copy of the program
// would, then ends without releasing either.
enum Leftover { LeavesLock = 1, LeavesSocket = 2 };

bool leaveBehindDeadCopy(const QString& folder, int leftovers) {
    const pid_t child = ::fork();
    if (child == 0) {
        const SingleInstance names(QStringLiteral("Kanavo v2.0"), folder);
        QLockFile lock(names.lockFilePath());
        QLocalServer server;
        const bool made = (!(leftovers & LeavesLock) || lock.tryLock(0)) &&
                          (!(leftovers & LeavesSocket) || server.listen(names.serverPath()));
        ::_exit(made ? 0 : 1); // no destructors: the lock and the socket stay behind
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void onlyTheFirstCopyRunsAndALaterOneCallsItForward_data() {
        QTest::addColumn<int>("leftovers");
        QTest::newRow("clean folder") << 0;
        QTest::newRow("lock of a dead copy") << int(LeavesLock);
        QTest::newRow("lock and socket of a dead copy") << int(LeavesLock | LeavesSocket);
        QTest::newRow("socket without a lock") << int(LeavesSocket);
    }

    void onlyTheFirstCopyRunsAndALaterOneCallsItForward() {
        QFETCH(int, leftovers);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        if (leftovers != 0) {
            QVERIFY(leaveBehindDeadCopy(folder.path(), leftovers));
        }
        {
            SingleInstance first(QStringLiteral("Kanavo v2.0"), folder.path());
            QCOMPARE(first.acquire(), Outcome::First);
            QVERIFY2(first.lastError().isEmpty(), qPrintable(first.lastError()));
            QSignalSpy calls(&first, &SingleInstance::comeForwardRequested);

            SingleInstance second(QStringLiteral("Kanavo v2.0"), folder.path());
            QCOMPARE(second.acquire(), Outcome::AlreadyRunning);
            QVERIFY(second.askToComeForward());
            QVERIFY(calls.wait(5000));
            QCOMPARE(calls.count(), 1);
            // Another program of another name is not refused.
            SingleInstance stranger(QStringLiteral("Other v1"), folder.path());
            QCOMPARE(stranger.acquire(), Outcome::First);
        }
        // The first copy has ended: the next start is first again.
        SingleInstance next(QStringLiteral("Kanavo v2.0"), folder.path());
        QCOMPARE(next.acquire(), Outcome::First);
    }

    void aLiveLockRefusesEvenWithoutASocket() {
        QTemporaryDir folder;
        SingleInstance names(QStringLiteral("Kanavo v2.0"), folder.path());
        QLockFile held(names.lockFilePath());
        QVERIFY(held.tryLock(0));

        SingleInstance later(QStringLiteral("Kanavo v2.0"), folder.path());
        QCOMPARE(later.acquire(), Outcome::AlreadyRunning);
        // Nobody listens: the request fails and does not hang.
        QVERIFY(!later.askToComeForward());
    }

    void aCopyThatAnswersRefusesEvenWithItsLockFileGone() {
        // Cleaners of the runtime folder may remove files of a long-running copy.
        QTemporaryDir folder;
        SingleInstance first(QStringLiteral("Kanavo v2.0"), folder.path());
        QCOMPARE(first.acquire(), Outcome::First);
        QVERIFY(QFile::remove(first.lockFilePath()));
        QSignalSpy calls(&first, &SingleInstance::comeForwardRequested);

        SingleInstance later(QStringLiteral("Kanavo v2.0"), folder.path());
        QCOMPARE(later.acquire(), Outcome::AlreadyRunning);
        QVERIFY(later.askToComeForward());
        QVERIFY(calls.wait(5000));
    }

    void aLockThatCannotBeMadeCountsAsNoOtherCopy() {
        QTemporaryDir folder;
        QFile plain(folder.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();

        SingleInstance blocked(QStringLiteral("Kanavo v2.0"), plain.fileName() + QStringLiteral("/run"));
        QCOMPARE(blocked.acquire(), Outcome::Unavailable);
        QVERIFY(!blocked.lastError().isEmpty());
    }

    void onlyTheRequestLineCallsForward() {
        QTemporaryDir folder;
        SingleInstance first(QStringLiteral("Kanavo v2.0"), folder.path());
        QCOMPARE(first.acquire(), Outcome::First);
        QSignalSpy calls(&first, &SingleInstance::comeForwardRequested);

        // Lines are read in order, so when the one real request has been seen, the other
        // lines have been too.
        QLocalSocket peer;
        peer.connectToServer(first.serverPath());
        QVERIFY(peer.waitForConnected(5000));
        peer.write("hello\ncome forward please\n\ncome forward\n");
        QVERIFY(calls.wait(5000));
        QCOMPARE(calls.count(), 1);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
