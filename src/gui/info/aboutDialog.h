#pragma once

// TAbout, "O programu": the about window.

#include "gui/info/linkOpener.h"

#include <QDialog>

class QLabel;

// The about window: name, version, date, author, the product's web address
// and a short text about the program.
class TAbout : public QDialog {
    Q_OBJECT
  public:
    // The icon shown is the owner's window icon, the same as the main window's.
    explicit TAbout(QWidget* owner = nullptr, UrlOpener opener = desktopOpener());

    // Shows the window modally, centred on owner.
    static void run(QWidget* owner, UrlOpener opener = desktopOpener());

    static const QString kWebAddress;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void lbInetClick();

    QLabel* lbInet_ = nullptr;
    UrlOpener opener_;
};
