#include "core/base/savedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// In a folder we may not write, no temporary file can stand beside the file,
// so the new content goes over the old in one write, padded with blank lines
// to the old length, and the file is cut to its length only afterwards. Space
// is reserved first, so a full disk fails before anything is touched. A kill at
// any moment leaves the old content, the new one followed by blank lines, or
// the new one: never an empty or cut file.
bool writeInPlace(const QString& path, const QByteArray& bytes, QString* reason) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        *reason = file.errorString();
        return false;
    }
    QByteArray padded = bytes;
    while (padded.size() + 2 <= file.size())
        padded += "\r\n";
    if (padded.size() < file.size())
        padded += ' ';
    if (fallocate(file.handle(), FALLOC_FL_KEEP_SIZE, 0, padded.size()) != 0 &&
        errno != EOPNOTSUPP) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (file.write(padded) != padded.size() || fsync(file.handle()) != 0 ||
        !file.resize(bytes.size())) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

// Why a write failed, in the learner's words; the system's text follows.
QString failure(const QString& path, qint64 size, const QString& reason) {
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    QString why;
    if (QStorageInfo(folder).bytesAvailable() < size + 4096)
        why = QStringLiteral("Disk je plný.");
    else if (!QFileInfo(folder).isWritable() && !(info.exists() && info.isWritable()))
        why = QStringLiteral("Složka je jen pro čtení.");
    else
        why = QStringLiteral("Soubor nelze zapsat.");
    return why + QStringLiteral(" Původní obsah souboru zůstal beze změny.\nPodrobnosti: ") +
           reason;
}

} // namespace

bool saveFile(const QString& path, const QByteArray& bytes, QString* error) {
    QString reason;
    QSaveFile out(path);
    // Unbuffered, so a full disk fails the write itself: a buffered write
    // failing at commit went unreported, and the empty file replaced the old.
    if (out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (out.write(bytes) == bytes.size() && out.commit())
            return true;
        reason = out.errorString();
    } else {
        const QFileInfo info(path);
        if (!QFileInfo(info.absolutePath()).isWritable() && info.exists() && info.isWritable() &&
            writeInPlace(path, bytes, &reason))
            return true;
        if (reason.isEmpty())
            reason = out.errorString();
    }
    if (error)
        *error = failure(path, bytes.size(), reason);
    return false;
}
