#pragma once

// Shared by the fuzz targets: a broken property aborts, so libFuzzer keeps the
// input as a crash artifact.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

[[noreturn]] inline void fail(const char* property, const QString& detail = {}) {
    std::fprintf(stderr, "property broken: %s\n%s\n", property, qPrintable(detail));
    std::abort();
}

inline void check(bool ok, const char* property, const QString& detail = {}) {
    if (!ok)
        fail(property, detail);
}

inline QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// One scratch folder per fuzzing process; the readers under test take paths.
// In memory where the system offers it: saves sync to disk, which would
// otherwise cost more than the reading under test.
inline QString scratchPath(const QString& name) {
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/tarmelka-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/tarmelka-fuzz-XXXXXX"));
    if (!dir.isValid())
        fail("scratch folder", dir.errorString());
    return dir.filePath(name);
}

inline void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size())
        fail("writing the scratch file", f.errorString());
}

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fail("reading the scratch file", f.errorString());
    return f.readAll();
}

} // namespace fuzz
