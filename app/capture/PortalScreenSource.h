#pragma once

#include <optional>

#include <QDBusConnection>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

#include "capture/ScreenSource.h"

namespace tarnveil {

/// Grabs the displays through the desktop portal (org.freedesktop.portal.Screenshot), the way
/// Wayland desktops allow it. It first asks for a screenshot of the whole desktop without any
/// dialog, which the selector then shows frozen as on X11; when the portal cannot do that, it
/// asks again in the portal's interactive mode, where the desktop lets the user pick the area.
/// A refusal is reported as missing permission; a missing portal or one that does not answer
/// as such. The portal's image file is removed once it has been read.
class PortalScreenSource final : public QObject, public ScreenSource {
    Q_OBJECT

public:
    static constexpr const char* service = "org.freedesktop.portal.Desktop";
    static constexpr const char* objectPath = "/org/freedesktop/portal/desktop";
    static constexpr const char* interface = "org.freedesktop.portal.Screenshot";
    static constexpr const char* requestInterface = "org.freedesktop.portal.Request";
    /// How long the portal may take to answer the call itself.
    static constexpr int callTimeoutMilliseconds = 10'000;
    /// How long the portal may take to deliver the screenshot: it may ask the user first.
    static constexpr int responseTimeoutMilliseconds = 180'000;

    explicit PortalScreenSource(QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);
    ~PortalScreenSource() override;

    /// A grab while another is waiting for the portal is ignored.
    void grab(std::function<void(ScreenGrab)> done) override;

    /// The displays of `layout` (geometry and screen, no image) cut out of `desktop`, a picture
    /// of the whole desktop at one pixel ratio. When the picture's proportions do not match the
    /// desktop's, it is taken as one display covering the whole desktop.
    static std::vector<FrozenScreen> splitDesktop(const QImage& desktop, const std::vector<FrozenScreen>& layout);

private slots:
    void response(uint code, const QVariantMap& results);

private:
    void request(bool interactive);
    void listen(const QString& path);
    void stopListening();
    void finish(ScreenGrab grab);
    void deliver(const QVariantMap& results);

    QDBusConnection bus_;
    std::function<void(ScreenGrab)> done_;
    bool interactive_ = false;
    QString listening_;
    QTimer timeout_;
};

} // namespace tarnveil
