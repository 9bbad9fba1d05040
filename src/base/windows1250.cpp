#include "base/windows1250.h"

#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace cp1250 {

QByteArray encode(const QString& text) {
    QStringEncoder encoder("windows-1250");
    return encoder.encode(text);
}

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1250");
    return decoder.decode(bytes);
}

bool encodable(const QString& text) {
    // The encoder substitutes what it cannot hold, so compare a round trip.
    QStringEncoder encoder("windows-1250");
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && decode(bytes) == text;
}

bool writeLines(const QString& path, const QStringList& lines, QString* error) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += encode(line) + "\r\n";
    QSaveFile out(path);
    // In a read-only folder no temporary file can stand beside a writable
    // file; the file is then written in place, whole, and flushed.
    out.setDirectWriteFallback(true);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}

} // namespace cp1250
