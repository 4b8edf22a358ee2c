#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace kanavo {
namespace {

constexpr QByteArrayView kComeForward = "come forward\n";
// How long a later copy waits on a copy that does not answer before it gives up on it.
constexpr int kAnswerWaitMs = 2000;

// File names without spaces or slashes: "Kanavo v2.0" becomes "Kanavo-v2.0".
QString fileBaseName(const QString& instanceName) {
    QString result;
    for (const QChar c : instanceName) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                           c == u'.' || c == u'_' || c == u'-';
        result += plain ? c : u'-';
    }
    return result.isEmpty() ? QStringLiteral("instance") : result;
}

QString defaultFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

} // namespace

SingleInstance::SingleInstance(const QString& instanceName, const QString& folder, QObject* parent)
    : QObject(parent), m_folder(folder.isEmpty() ? defaultFolder() : folder),
      m_baseName(fileBaseName(instanceName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockFilePath() const {
    return QDir(m_folder).filePath(m_baseName + QStringLiteral(".lock"));
}

QString SingleInstance::serverPath() const {
    return QDir(m_folder).filePath(m_baseName + QStringLiteral(".socket"));
}

bool SingleInstance::otherCopyAnswers() const {
    QLocalSocket socket;
    socket.connectToServer(serverPath());
    const bool answers = socket.waitForConnected(kAnswerWaitMs);
    socket.abort();
    return answers;
}

SingleInstance::Outcome SingleInstance::acquire() {
    // A copy that answers is alive whatever its lock file looks like (the stale-lock test
    // compares the owner's process name, which a renamed or re-named program can defeat).
    if (otherCopyAnswers()) {
        return Outcome::AlreadyRunning;
    }
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(lockFilePath());
    // A running copy holds the lock for as long as it runs, so age says nothing; the lock
    // is stale only when the copy that wrote it is gone.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        listen();
        return Outcome::First;
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
        return Outcome::AlreadyRunning;
    }
    m_error = QStringLiteral("cannot create the lock file %1").arg(lockFilePath());
    m_lock.reset();
    return Outcome::Unavailable;
}

void SingleInstance::listen() {
    // The lock is ours, so a socket at this place was left by a copy that died.
    QLocalServer::removeServer(serverPath());
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine()) {
                    if (socket->readLine() == kComeForward) {
                        emit comeForwardRequested();
                    }
                }
                // A peer that sends a long line without an end is not one of us.
                if (socket->bytesAvailable() > kComeForward.size()) {
                    socket->abort();
                }
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    if (!m_server->listen(serverPath())) {
        m_error = QStringLiteral("cannot listen at %1: %2").arg(serverPath(), m_server->errorString());
    }
}

bool SingleInstance::askToComeForward() {
    QLocalSocket socket;
    socket.connectToServer(serverPath());
    if (!socket.waitForConnected(kAnswerWaitMs)) {
        return false;
    }
    if (socket.write(kComeForward.data(), kComeForward.size()) != kComeForward.size()) {
        return false;
    }
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kAnswerWaitMs)) {
            return false;
        }
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(kAnswerWaitMs);
    }
    return true;
}

} // namespace kanavo
