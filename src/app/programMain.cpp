#include "app/main.h"
#include "ui/fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFontSubstitutes();
    THlavniFormular window(AppPaths::fromApplication());
    if (!window.FormCreate())
        return 1;
    window.show();
    return app.exec();
}
