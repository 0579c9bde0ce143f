#include "capture/PortalScreenSource.h"

#include <cmath>
#include <filesystem>
#include <utility>

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <QUuid>

#include "editor/StatusLines.h"
#include "render/ImageDecoder.h"

namespace tarnveil {

namespace {

// The answers of a portal request.
constexpr uint responseSuccess = 0;
constexpr uint responseCancelled = 1;

bool meansNoPortal(QDBusError::ErrorType type)
{
    switch (type) {
    case QDBusError::ServiceUnknown:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
    case QDBusError::Disconnected:
        return true;
    default:
        return false;
    }
}

std::vector<FrozenScreen> currentLayout()
{
    std::vector<FrozenScreen> layout;
    for (QScreen* screen : QGuiApplication::screens()) {
        FrozenScreen frozen;
        frozen.geometry = screen->geometry();
        frozen.devicePixelRatio = screen->devicePixelRatio();
        frozen.screen = screen;
        layout.push_back(std::move(frozen));
    }
    return layout;
}

} // namespace

PortalScreenSource::PortalScreenSource(QDBusConnection bus, QObject* parent) : QObject(parent), bus_(std::move(bus))
{
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, [this] { finish(AreaCaptureResult::failed(StatusLines::screenshotServiceSilent)); });
}

PortalScreenSource::~PortalScreenSource()
{
    stopListening();
}

void PortalScreenSource::grab(std::function<void(ScreenGrab)> done)
{
    if (done_) {
        return;
    }
    done_ = std::move(done);
    if (!bus_.isConnected()) {
        finish(AreaCaptureResult::failed(StatusLines::screenshotServiceMissing));
        return;
    }
    request(false);
}

void PortalScreenSource::request(bool interactive)
{
    interactive_ = interactive;
    const QString token = QStringLiteral("tarnveil") + QUuid::createUuid().toString(QUuid::Id128);
    // Listen on the request's path before asking, so that a quick answer is not missed.
    QString sender = bus_.baseService();
    sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
    listen(QStringLiteral("%1/request/%2/%3").arg(QLatin1String(objectPath), sender, token));

    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(service), QLatin1String(objectPath),
                                                       QLatin1String(interface), QStringLiteral("Screenshot"));
    const QVariantMap options{{QStringLiteral("handle_token"), token},
                              {QStringLiteral("interactive"), interactive},
                              {QStringLiteral("modal"), true}};
    call << QString() << options;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, callTimeoutMilliseconds), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *finished;
        if (!done_) {
            return;
        }
        if (reply.isError()) {
            const QDBusError error = reply.error();
            if (meansNoPortal(error.type())) {
                finish(AreaCaptureResult::failed(StatusLines::screenshotServiceMissing));
            } else if (error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout ||
                       error.type() == QDBusError::TimedOut) {
                finish(AreaCaptureResult::failed(StatusLines::screenshotServiceSilent));
            } else {
                finish(AreaCaptureResult::failed(StatusText::plain(error.message())));
            }
            return;
        }
        // Older portals choose the request's path themselves.
        const QString path = reply.value().path();
        if (path != listening_) {
            listen(path);
        }
    });
    timeout_.start(responseTimeoutMilliseconds);
}

void PortalScreenSource::listen(const QString& path)
{
    stopListening();
    if (bus_.connect(QString(), path, QLatin1String(requestInterface), QStringLiteral("Response"), this,
                     SLOT(response(uint, QVariantMap)))) {
        listening_ = path;
    }
}

void PortalScreenSource::stopListening()
{
    if (!listening_.isEmpty()) {
        bus_.disconnect(QString(), listening_, QLatin1String(requestInterface), QStringLiteral("Response"), this,
                        SLOT(response(uint, QVariantMap)));
        listening_.clear();
    }
}

void PortalScreenSource::response(uint code, const QVariantMap& results)
{
    if (!done_) {
        return;
    }
    stopListening();
    timeout_.stop();
    if (code == responseSuccess) {
        deliver(results);
    } else if (code == responseCancelled) {
        // Without a dialog the only one who can say no is the desktop's permission store; in
        // the interactive mode it is the user closing the portal's dialog.
        finish(interactive_ ? AreaCaptureResult::cancelled() : AreaCaptureResult::failed(StatusLines::capturePermissionDenied));
    } else if (!interactive_) {
        request(true);
    } else {
        finish(AreaCaptureResult::failed(StatusLines::captureFailed));
    }
}

void PortalScreenSource::deliver(const QVariantMap& results)
{
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    if (!uri.isLocalFile()) {
        finish(AreaCaptureResult::failed(StatusLines::captureFailed));
        return;
    }
    const QString file = uri.toLocalFile();
    auto image = ImageDecoder::read(std::filesystem::path(file.toStdString()));
    // The picture may show anything that was on screen: it is not left lying around.
    QFile::remove(file);
    if (!image) {
        finish(AreaCaptureResult::failed(StatusText::plain(QString::fromStdString(image.error()))));
        return;
    }
    if (interactive_) {
        const QScreen* primary = QGuiApplication::primaryScreen();
        finish(AreaCaptureResult::captured(std::move(*image), primary ? primary->devicePixelRatio() : 1.0));
        return;
    }
    std::vector<FrozenScreen> screens = splitDesktop(*image, currentLayout());
    if (screens.empty()) {
        finish(AreaCaptureResult::failed(StatusLines::noMatchingDisplay));
        return;
    }
    finish(std::move(screens));
}

void PortalScreenSource::finish(ScreenGrab grab)
{
    stopListening();
    timeout_.stop();
    if (auto done = std::exchange(done_, {})) {
        done(std::move(grab));
    }
}

std::vector<FrozenScreen> PortalScreenSource::splitDesktop(const QImage& desktop, const std::vector<FrozenScreen>& layout)
{
    if (desktop.isNull() || layout.empty()) {
        return {};
    }
    QRect whole;
    for (const FrozenScreen& screen : layout) {
        whole |= screen.geometry;
    }
    if (whole.isEmpty()) {
        return {};
    }
    const double ratioX = double(desktop.width()) / whole.width();
    const double ratioY = double(desktop.height()) / whole.height();
    QImage picture = desktop.convertToFormat(QImage::Format_RGB32);
    if (std::abs(ratioX - ratioY) > 0.01 * std::max(ratioX, ratioY)) {
        FrozenScreen one;
        one.geometry = whole;
        one.devicePixelRatio = ratioX;
        one.image = picture;
        one.image.setDevicePixelRatio(ratioX);
        one.screen = layout.front().screen;
        return {std::move(one)};
    }
    std::vector<FrozenScreen> screens;
    for (const FrozenScreen& screen : layout) {
        const QRect pixels = QRectF((screen.geometry.x() - whole.x()) * ratioX, (screen.geometry.y() - whole.y()) * ratioX,
                                    screen.geometry.width() * ratioX, screen.geometry.height() * ratioX)
                                 .toAlignedRect() &
                             picture.rect();
        if (pixels.isEmpty()) {
            continue;
        }
        FrozenScreen frozen = screen;
        frozen.devicePixelRatio = ratioX;
        frozen.image = picture.copy(pixels);
        frozen.image.setDevicePixelRatio(ratioX);
        screens.push_back(std::move(frozen));
    }
    return screens;
}

} // namespace tarnveil
