#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// Word-wraps a text at a width: words break at spaces, a word longer than the
// width breaks inside. An empty text has no lines, and a trailing empty line
// does not count.
QStringList wrapText(const QString& text, const QFont& font, int width);
int lineCount(const QString& text, const QFont& font, int width);
