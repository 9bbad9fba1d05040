#include "pointstest/testText.h"

#include "base/textLines.h"
#include "pointstest/testLayout.h"
#include "ui/fonts.h"

#include <QPainter>

void TestText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    int y = QFontMetrics(font()).ascent();
    for (const QString& line : wrapText(text(), font(), width())) {
        painter.drawText(0, y, line);
        y += testlayout::kLineHeight;
    }
}

QFont testTextFont() {
    QFont font = windowFont(); // the same face, larger
    font.setPixelSize(13);
    return font;
}
