#include "ReduceMotionSetting.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace tarnveil::ReduceMotionSetting {

namespace {

/// How long the GNOME settings tool may take before it counts as unavailable.
constexpr int gsettingsTimeoutMilliseconds = 1000;

bool kdeAnimationsOff()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString path = QDir(folder).filePath(QStringLiteral("kdeglobals"));
    if (!QFile::exists(path)) {
        return false;
    }
    const QSettings kdeglobals(path, QSettings::IniFormat);
    bool ok = false;
    const double factor = kdeglobals.value(QStringLiteral("KDE/AnimationDurationFactor")).toDouble(&ok);
    return ok && factor == 0;
}

bool gnomeAnimationsOff()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (program.isEmpty()) {
        return false;
    }
    QProcess process;
    process.start(program, {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                            QStringLiteral("enable-animations")});
    if (!process.waitForFinished(gsettingsTimeoutMilliseconds)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 &&
           process.readAllStandardOutput().trimmed() == "false";
}

} // namespace

bool isOn()
{
    return kdeAnimationsOff() || gnomeAnimationsOff();
}

} // namespace tarnveil::ReduceMotionSetting
