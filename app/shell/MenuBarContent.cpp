#include "shell/MenuBarContent.h"

#include <QEvent>

namespace tarnveil {

MenuBarContent::MenuBarContent(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("menuBarContent"));
    addItem("captureRegion", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_2), &MenuBarContent::captureRequested);
    addItem("pasteFromClipboard", QKeySequence(Qt::CTRL | Qt::Key_V), &MenuBarContent::pasteRequested);
    addSeparator();
    addItem("showTarnveil", QKeySequence(), &MenuBarContent::showRequested);
    addSeparator();
    addItem("quitTarnveil", QKeySequence(QKeySequence::Quit), &MenuBarContent::quitRequested);
    retranslate();
}

QAction* MenuBarContent::item(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

QAction* MenuBarContent::addItem(const char* objectName, const QKeySequence& shortcut,
                                 void (MenuBarContent::*signal)())
{
    QAction* action = addAction(QString());
    action->setObjectName(QString::fromUtf8(objectName));
    // A tray menu only shows the keys: the window's own menu owns the shortcuts.
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, signal);
    return action;
}

void MenuBarContent::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QMenu::changeEvent(event);
}

void MenuBarContent::retranslate()
{
    item(QStringLiteral("captureRegion"))->setText(tr("Capture Region"));
    item(QStringLiteral("pasteFromClipboard"))->setText(tr("Paste from Clipboard"));
    item(QStringLiteral("showTarnveil"))->setText(tr("Show Tarnveil"));
    item(QStringLiteral("quitTarnveil"))->setText(tr("Quit Tarnveil"));
}

} // namespace tarnveil
