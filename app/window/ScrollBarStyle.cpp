#include "window/ScrollBarStyle.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace tarnveil::ScrollBarStyle {

void makeThin(QAbstractScrollArea* area)
{
    static const QString sheet = QStringLiteral(
        "QScrollBar:vertical { width: 10px; margin: 2px 2px 2px 0; background: transparent; }"
        "QScrollBar::handle:vertical { min-height: 28px; border-radius: 4px;"
        "  background: rgba(128, 128, 128, 110); }"
        "QScrollBar::handle:vertical:hover { background: rgba(128, 128, 128, 170); }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; border: none; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }");
    area->verticalScrollBar()->setStyleSheet(sheet);
}

} // namespace tarnveil::ScrollBarStyle
