#include "window/ValueView.h"

#include <QFontDatabase>
#include <QTextOption>

namespace tarnveil {

namespace {

constexpr int maxLines = 6;

} // namespace

ValueView::ValueView(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(font().pointSizeF() > 0 ? font().pointSizeF() : 10);
    setFont(fixed);
    document()->setDocumentMargin(0);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::ClickFocus);
}

void ValueView::setValue(const QString& value)
{
    if (value == toPlainText()) {
        return;
    }
    setPlainText(value);
    fitHeight();
}

QSize ValueView::sizeHint() const
{
    return {100, height()};
}

QSize ValueView::minimumSizeHint() const
{
    return {40, height()};
}

void ValueView::resizeEvent(QResizeEvent* event)
{
    QTextEdit::resizeEvent(event);
    fitHeight();
}

void ValueView::fitHeight()
{
    document()->setTextWidth(viewport()->width());
    const int lineHeight = fontMetrics().lineSpacing();
    const int contentHeight = int(document()->size().height() + 0.5);
    const int wanted = std::clamp(contentHeight, lineHeight, lineHeight * maxLines) + frameWidth() * 2;
    if (height() != wanted) {
        setFixedHeight(wanted);
    }
}

} // namespace tarnveil
