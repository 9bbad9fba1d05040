#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The single-byte code page of every text file the program reads or writes.
namespace cp1250 {

// True when the text survives the code page unchanged (no "?" for a letter
// it cannot hold).
bool encodable(const QString& text);
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

// Writes the lines, each ending in CR LF, and replaces the file only once
// the whole content is written (in a read-only folder over a writable file,
// in place, so that no kill empties it). On failure returns false with a
// Czech reason and the system's text in *error and leaves any old file as it
// was.
bool writeLines(const QString& path, const QStringList& lines, QString* error);

} // namespace cp1250
