#pragma once

// THelpForm, "Nápověda programu Tarmelka 2003": the handbook window.

#include "gui/info/linkOpener.h"

#include <QDialog>

class QTextBrowser;

// The help window: the program's handbook, an HTML page beside the
// executable, shown in a browser control that follows the page's own links
// and hands web addresses to the desktop's browser.
class THelpForm : public QDialog {
    Q_OBJECT
  public:
    THelpForm(const QString& helpPagePath, QWidget* owner = nullptr,
              UrlOpener opener = desktopOpener());

    // Shows the window modally, centred on owner.
    static void run(const QString& helpPagePath, QWidget* owner,
                    UrlOpener opener = desktopOpener());

    QTextBrowser* browser() const { return wbHelp_; }

  private:
    void FormCreate(const QString& helpPagePath);
    void wbHelpAnchorClicked(const QUrl& url);
    void navigate(const QUrl& url);

    QTextBrowser* wbHelp_ = nullptr;
    UrlOpener opener_;
};
