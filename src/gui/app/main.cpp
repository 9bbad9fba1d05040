#include "gui/app/mainWindow.h"
#include "gui/ui/fonts.h"
#include "gui/ui/messages.h"
#include "gui/ui/translations.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The learner's data folder of an installed program is named after this.
    QApplication::setApplicationName(u"tarmelka"_s);
    QApplication::setDesktopFileName(u"example.tarmelka.Tarmelka"_s); // the menu entry
    installFontSubstitutes();
    installCzechTranslations(app);       // the print and file dialogs speak Czech too
    QApplication::setFont(windowFont()); // menus and message boxes are windows of their own
    bool userFolderReady = true;
    const AppPaths paths = AppPaths::fromApplication(&userFolderReady);
    if (!userFolderReady) // the program still shows the questions; saving reports its own errors
        msg::error(nullptr,
                   u"Složku pro nastavení a výsledky nelze vytvořit:\n%1\n"
                   u"Nastavení ani výsledky se nebudou moci uložit."_s.arg(paths.userFolder));
    THlavniFormular window(paths);
    if (!window.FormCreate())
        return 1;
    window.show();
    return app.exec();
}
