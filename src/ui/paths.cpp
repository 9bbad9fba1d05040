#include "ui/paths.h"

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
    return QDir(workFolder).filePath(QString(stored).replace(u'\\', u'/'));
}
