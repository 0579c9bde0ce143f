#include "FakeScreenshotPortal.h"

#include <QTimer>

namespace tarnveil::test {

namespace {

constexpr const char* connectionName = "tarnveil-fake-portal";

} // namespace

FakeScreenshotPortal::FakeScreenshotPortal()
    : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QString::fromLatin1(connectionName)))
{
}

FakeScreenshotPortal::~FakeScreenshotPortal()
{
    bus_.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
    bus_.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
    QDBusConnection::disconnectFromBus(QString::fromLatin1(connectionName));
}

bool FakeScreenshotPortal::start()
{
    return bus_.isConnected() && bus_.registerService(QStringLiteral("org.freedesktop.portal.Desktop")) &&
           bus_.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), this, QDBusConnection::ExportAllSlots);
}

QDBusObjectPath FakeScreenshotPortal::Screenshot(const QString&, const QVariantMap& options, const QDBusMessage& message)
{
    calls.push_back(options);
    QString sender = message.service();
    sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                             .arg(sender, options.value(QStringLiteral("handle_token")).toString());
    if (answers.empty()) {
        return QDBusObjectPath(path);
    }
    const Answer answer = answers.front();
    answers.pop_front();
    QTimer::singleShot(10, this, [this, path, answer] {
        QDBusMessage response =
            QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        QVariantMap results;
        if (!answer.uri.isEmpty()) {
            results.insert(QStringLiteral("uri"), answer.uri);
        }
        response << answer.code << results;
        bus_.send(response);
    });
    return QDBusObjectPath(path);
}

} // namespace tarnveil::test
