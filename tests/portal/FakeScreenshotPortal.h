#pragma once

#include <deque>
#include <vector>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>

namespace tarnveil::test {

/// A stand-in for the desktop's screenshot portal on the session bus, on a connection of its
/// own: it takes the service name, answers each Screenshot call with a request path and then
/// sends that request's Response with the next prepared answer.
class FakeScreenshotPortal final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    struct Answer {
        uint code = 0;
        /// The "uri" result; none when empty.
        QString uri;
    };

    FakeScreenshotPortal();
    ~FakeScreenshotPortal() override;

    /// Takes the portal's name and object; false when the bus refused.
    bool start();

    std::deque<Answer> answers;
    /// The options of every call, in order.
    std::vector<QVariantMap> calls;

public slots:
    QDBusObjectPath Screenshot(const QString& parentWindow, const QVariantMap& options, const QDBusMessage& message);

private:
    QDBusConnection bus_;
};

} // namespace tarnveil::test
