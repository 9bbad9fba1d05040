#include "base/paths.h"

#include <QCoreApplication>
#include <QDir>

AppPaths AppPaths::fromApplication() {
    return {QCoreApplication::applicationDirPath(), QDir::currentPath()};
}

QString AppPaths::configFile() const {
    return QDir(programFolder).filePath(QStringLiteral("config.ini"));
}

QString AppPaths::helpPage() const {
    return QDir(programFolder).filePath(QStringLiteral("Help/index.htm"));
}

QString AppPaths::resolve(const QString& stored) const {
    const QString relative = QString(stored).replace(u'\\', u'/');
    const QStringList parts = relative.split(u'/');
    if (parts.size() < 2 || parts.first().compare(QStringLiteral("grafika"), Qt::CaseInsensitive) ||
        relative.contains(u':'))
        return {};
    for (const QString& part : parts)
        if (part.isEmpty() || part == QStringLiteral(".") || part == QStringLiteral(".."))
            return {};
    return QDir(workFolder).filePath(relative);
}
