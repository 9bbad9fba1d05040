#pragma once

#include <QString>

// Where the program finds its files: config.ini and the help page through the
// executable's folder, tables and pictures through the working folder.
struct AppPaths {
    QString programFolder;
    QString workFolder;

    static AppPaths fromApplication();
    QString configFile() const;
    QString helpPage() const;
    // A stored picture path such as "grafika\yes.jpg", resolved against the
    // working folder; empty when it would lead outside the folder grafika
    // (an absolute path, a drive, "..").
    QString resolve(const QString& stored) const;
};
