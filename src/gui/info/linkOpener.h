#pragma once

#include <QUrl>

#include <functional>

// Hands a web address to the desktop's browser. Windows take it as a
// parameter so that tests can watch the request instead of starting a browser.
using UrlOpener = std::function<void(const QUrl&)>;

UrlOpener desktopOpener();
