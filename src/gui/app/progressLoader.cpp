#include "gui/app/progressLoader.h"

#include "gui/results/progressModule.h"
#include "gui/ui/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#ifndef TARMELKA_MODULES_FROM_BIN
#define TARMELKA_MODULES_FROM_BIN "../libexec/tarmelka"
#endif

using namespace Qt::StringLiterals;

QStringList progressModuleFolders() {
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.path(),
            QDir::cleanPath(bin.filePath(QString::fromUtf8(TARMELKA_MODULES_FROM_BIN)))};
}

void showProgressView(const Settings& settings, const StorePlace& place, const BankIndex& index,
                      QRandomGenerator& generator, QWidget* owner,
                      const QStringList& moduleFolders) {
    QString path;
    for (const QString& candidate : moduleFolders)
        if (QFileInfo(QDir(candidate).filePath(QString::fromLatin1(kProgressModuleFile)))
                .isFile()) {
            path = QDir(candidate).filePath(QString::fromLatin1(kProgressModuleFile));
            break;
        }
    if (path.isEmpty()) {
        msg::error(owner, u"Přehled pokroku nelze otevřít, protože chybí jeho soubor %1 "
                          u"(hledán ve složce %2)."_s.arg(
                              QString::fromLatin1(kProgressModuleFile),
                              QDir::toNativeSeparators(moduleFolders.value(0))));
        return;
    }
    // Kept loaded once loaded: the next opening is as quick as any window.
    static QLibrary module;
    if (module.fileName() != path) {
        module.setFileName(path);
        module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    }
    const auto show = reinterpret_cast<ShowProgress>(module.resolve(kProgressModuleEntry));
    if (!show) {
        msg::error(owner,
                   u"Přehled pokroku nelze otevřít, protože soubor %1 nelze načíst.\n"
                   u"Podrobnosti: %2"_s.arg(QDir::toNativeSeparators(path), module.errorString()));
        return;
    }
    show(settings, place, index, generator, owner);
}
