#include "gui/info/linkOpener.h"

#include <QDesktopServices>

UrlOpener desktopOpener() {
    // The result is not checked: a desktop without a browser has nothing to report to.
    return [](const QUrl& url) { QDesktopServices::openUrl(url); };
}
