#include "gui/pointstest/captionBox.h"

#include <QPainter>

CaptionBox::CaptionBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void CaptionBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    // An etched line: a dark one with a light one inside it.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(0, top, width() - 2, height() - top - 2);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(1, top + 1, width() - 2, height() - top - 2);
    if (title().isEmpty())
        return;
    const QRect caption(8, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}
