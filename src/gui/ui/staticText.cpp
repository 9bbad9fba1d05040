#include "gui/ui/staticText.h"

#include "core/base/textLines.h"
#include "gui/ui/widgets.h"

#include <QMouseEvent>
#include <QPainter>

StaticText::StaticText(QWidget* parent) : QWidget(parent) {}

void StaticText::setText(const QString& text) {
    // A damaged table may hold megabytes in one field; laying that out would
    // freeze the window, and no screen shows more than this anyway.
    text_ = text.size() > kMaxShownLength ? text.left(kMaxShownLength) + u'…' : text;
    update();
}

void StaticText::setLineHeight(int pixels) {
    lineHeight_ = pixels;
    update();
}

void StaticText::setColor(const QColor& color) {
    setTextColour(this, color);
}

void StaticText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QFontMetrics metrics(font());
    int y = metrics.ascent();
    for (const QString& line : wrapText(text_, font(), width())) {
        painter.drawText(0, y, line);
        y += lineHeight_;
    }
}

void StaticText::mousePressEvent(QMouseEvent* event) {
    emit clicked(event->button());
    QWidget::mousePressEvent(event);
}
