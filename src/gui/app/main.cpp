#include "gui/app/mainWindow.h"
#include "gui/ui/fonts.h"
#include "gui/ui/messages.h"
#include "gui/ui/translations.h"

#include "core/settings/configFile.h"

#include <QApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
// The size a learner chose is Qt's scale factor, which must be set before the
// application object exists, so config.ini is read here first (through the
// executable's own path). A QT_SCALE_FACTOR set by the desktop wins.
void applyChosenScale() {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return;
    const QString bin = QFileInfo(u"/proc/self/exe"_s).canonicalPath();
    if (bin.isEmpty())
        return;
    const int percent =
        config::load(AppPaths::forProgramFolder(bin).configFile()).view.scalePercent;
    if (percent != 100)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
}
} // namespace

int main(int argc, char** argv) {
    // The learner's data folder of an installed program is named after this.
    QApplication::setApplicationName(u"tarmelka"_s);
    applyChosenScale();
    QApplication app(argc, argv);
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
