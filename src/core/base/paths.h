#pragma once

#include <QString>

// Where the program finds its files. Two layouts, chosen at start by where
// the question table is:
//  - portable, when the executable's folder holds the question table, writable
//    or not (a build's program folder, a copy on a read-only school share or a
//    CD), or when no installed share folder stands beside it: config.ini and
//    Help/ beside the executable, tables and pictures through the working
//    folder;
//  - installed, otherwise: the question table, pictures and help read from the
//    installed share folder, config.ini and the result tables in the learner's
//    own data folder, so several users keep separate results.
struct AppPaths {
    AppPaths() = default;
    // The portable layout: the executable's folder and the working folder.
    AppPaths(const QString& programFolder, const QString& workFolder);

    QString dataFolder;   // otazky.DB and grafika/, only read
    QString userFolder;   // Vysledky.DB and Protokoly.DB
    QString configFolder; // config.ini
    QString helpFolder;   // the folder that holds Help/

    static AppPaths portable(const QString& programFolder, const QString& workFolder);
    static AppPaths installed(const QString& shareFolder, const QString& userFolder);
    // True when the program in programFolder runs portably (see above).
    static bool isPortable(const QString& programFolder, const QString& shareFolder);
    // The layout of the running program. In the installed layout the learner's
    // data folder is created; *userFolderReady tells whether it exists.
    static AppPaths fromApplication(bool* userFolderReady = nullptr);
    // The same for the executable in programFolder; usable before the
    // application object exists (the program reads its scale from config.ini
    // before the windowing system starts).
    static AppPaths forProgramFolder(const QString& programFolder,
                                     bool* userFolderReady = nullptr);

    QString configFile() const;
    QString helpPage() const;
    // A stored picture path such as "grafika\yes.jpg", resolved against the
    // data folder; empty when it would lead outside the folder grafika
    // (an absolute path, a drive, "..").
    QString resolve(const QString& stored) const;
};
