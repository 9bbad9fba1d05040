#include "core/base/windows1250.h"

#include "core/base/savedFile.h"

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
    return saveFile(path, bytes, error);
}

} // namespace cp1250
