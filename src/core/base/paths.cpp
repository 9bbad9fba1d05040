#include "core/base/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef TARMELKA_SHARE_FROM_BIN
#define TARMELKA_SHARE_FROM_BIN "../share/tarmelka"
#endif

AppPaths::AppPaths(const QString& programFolder, const QString& workFolder)
    : dataFolder(workFolder), userFolder(workFolder), configFolder(programFolder),
      helpFolder(programFolder) {}

AppPaths AppPaths::portable(const QString& programFolder, const QString& workFolder) {
    return AppPaths(programFolder, workFolder);
}

AppPaths AppPaths::installed(const QString& shareFolder, const QString& userFolder) {
    AppPaths paths;
    paths.dataFolder = shareFolder;
    paths.userFolder = userFolder;
    paths.configFolder = userFolder;
    paths.helpFolder = shareFolder;
    return paths;
}

bool AppPaths::isPortable(const QString& programFolder, const QString& shareFolder) {
    // A portable folder that lost its table still says so in its own folder,
    // never in a share folder that does not exist.
    return QFileInfo(QDir(programFolder).filePath(QStringLiteral("otazky.DB"))).isFile() ||
           !QFileInfo(shareFolder).isDir();
}

AppPaths AppPaths::fromApplication(bool* userFolderReady) {
    return forProgramFolder(QCoreApplication::applicationDirPath(), userFolderReady);
}

AppPaths AppPaths::forProgramFolder(const QString& programFolder, bool* userFolderReady) {
    if (userFolderReady)
        *userFolderReady = true;
    // Found relative to the executable, so an installation into any prefix
    // works without being told where it is.
    const QString share =
        QDir::cleanPath(QDir(programFolder).filePath(QString::fromUtf8(TARMELKA_SHARE_FROM_BIN)));
    if (isPortable(programFolder, share))
        return portable(programFolder, QDir::currentPath());
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if ((user.isEmpty() || !QDir().mkpath(user)) && userFolderReady)
        *userFolderReady = false;
    return installed(share, user);
}

QString AppPaths::configFile() const {
    return QDir(configFolder).filePath(QStringLiteral("config.ini"));
}

QString AppPaths::helpPage() const {
    return QDir(helpFolder).filePath(QStringLiteral("Help/index.htm"));
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
    return QDir(dataFolder).filePath(relative);
}
