#pragma once

#include <optional>

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

namespace tarnveil {

/// Keeps one running application per user. The first process listens on a local socket in
/// the user's runtime folder; a later launch connects, hands over the files it was given and
/// exits. What arrives is untrusted: it is bounded in size and count, and a connection that
/// does not finish in time is dropped.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Role { primary, handedOver };

    /// Most bytes and files one hand-over may carry.
    static constexpr qint64 maximumBytes = 256 * 1024;
    static constexpr int maximumFiles = 1024;
    static constexpr int timeoutMilliseconds = 3000;

    /// Uses the socket `socketPath`; an empty path means the default one in the user's
    /// runtime folder.
    explicit SingleInstance(QString socketPath = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    /// Hands `files` to a running instance (Role::handedOver), or becomes the running
    /// instance itself (Role::primary).
    Role start(const QStringList& files);

    const QString& socketPath() const { return socketPath_; }
    static QString defaultSocketPath();

    /// One hand-over's bytes: absolute paths in UTF-8, each followed by a NUL, and one more
    /// NUL at the end; only whole paths that fit the limits are sent.
    static QByteArray encode(const QStringList& files);
    /// The absolute paths of a whole hand-over (others are left out); nothing when the bytes
    /// were cut short.
    static std::optional<QStringList> decode(const QByteArray& bytes);

signals:
    /// A later launch handed over these files (possibly none: it only asked to be shown).
    void filesReceived(const QStringList& files);

private:
    /// What one connection has sent so far.
    struct Received {
        QByteArray bytes;
        bool dropped = false;
    };

    bool handOver(const QStringList& files) const;
    bool listen();
    void accept();
    static void take(QLocalSocket& socket, Received& received);

    QString socketPath_;
    QLocalServer* server_ = nullptr;
};

} // namespace tarnveil
