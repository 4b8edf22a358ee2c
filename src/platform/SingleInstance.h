#pragma once
// One running copy per user: a lock file in the user's runtime folder, named after the
// program's instance name, plus a local socket of the same name through which a later copy
// asks the running one to bring its window to the front.

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

namespace kanavo {

class SingleInstance : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY(SingleInstance)

public:
    // The name every copy of the program shares.
    static constexpr const char* kProgramInstanceName = "Kanavo v2.0";

    // `folder` empty: the user's runtime folder (the temporary folder when there is none).
    explicit SingleInstance(const QString& instanceName = QString::fromLatin1(kProgramInstanceName),
                            const QString& folder = QString(), QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Outcome {
        First,          // the lock is ours; later copies are refused
        AlreadyRunning, // another live copy holds the lock
        Unavailable,    // the lock could not be made at all; counts as no other copy
    };
    // Takes the lock, taking over one left by a copy that died, and starts listening for
    // "come forward" requests. Call once.
    Outcome acquire();

    // Asks the copy holding the lock to bring its window forward; true when the request
    // was delivered.
    bool askToComeForward();

    QString lockFilePath() const;
    QString serverPath() const;
    // Why the lock or the server could not be made; empty when nothing went wrong.
    QString lastError() const { return m_error; }

signals:
    // A later copy asked this one to show its window.
    void comeForwardRequested();

private:
    bool otherCopyAnswers() const;
    void listen();

    QString m_folder;
    QString m_baseName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    QString m_error;
};

} // namespace kanavo
