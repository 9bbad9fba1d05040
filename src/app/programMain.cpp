#include "app/main.h"
#include "ui/fonts.h"
#include "ui/translations.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFontSubstitutes();
    installCzechTranslations(app);       // the print and file dialogs speak Czech too
    QApplication::setFont(windowFont()); // menus and message boxes are windows of their own
    THlavniFormular window(AppPaths::fromApplication());
    if (!window.FormCreate())
        return 1;
    window.show();
    return app.exec();
}
