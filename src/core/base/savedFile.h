#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file with the bytes only once they are all written (in a
// read-only folder over a writable file, in place, padded with blank lines,
// so that no kill empties it). On failure returns false with a Czech reason
// and the system's text in *error, and leaves any old file as it was.
bool saveFile(const QString& path, const QByteArray& bytes, QString* error);
