#include "core/base/textLines.h"

#include <QTextLayout>

QStringList wrapText(const QString& text, const QFont& font, int width) {
    QStringList lines;
    QStringList paragraphs = QString(text).remove(u'\r').split(u'\n');
    if (!paragraphs.isEmpty() && paragraphs.last().isEmpty())
        paragraphs.removeLast();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : paragraphs) {
        if (paragraph.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
    }
    return lines;
}

int lineCount(const QString& text, const QFont& font, int width) {
    return int(wrapText(text, font, width).size());
}
