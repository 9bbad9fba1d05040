#include "gui/info/handbookWindow.h"

#include "gui/ui/centring.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
bool isWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == u"http"_s || scheme == u"https"_s || scheme == u"mailto"_s ||
           scheme == u"ftp"_s;
}
} // namespace

THelpForm::THelpForm(const QString& helpPagePath, QWidget* owner, UrlOpener opener)
    : QDialog(owner), opener_(std::move(opener)) {
    setObjectName(u"THelpForm"_s);
    setWindowTitle(u"Nápověda programu Tarmelka 2003"_s);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(700, 550);

    wbHelp_ = new QTextBrowser(this);
    wbHelp_->setObjectName(u"wbHelp"_s);
    // Links are followed here, so that web addresses can leave for the browser
    // and a missing file gets a readable notice instead of an empty page.
    wbHelp_->setOpenLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(wbHelp_);
    connect(wbHelp_, &QTextBrowser::anchorClicked, this, &THelpForm::wbHelpAnchorClicked);

    FormCreate(helpPagePath);
}

void THelpForm::run(const QString& helpPagePath, QWidget* owner, UrlOpener opener) {
    THelpForm form(helpPagePath, owner, std::move(opener));
    centreOn(&form, owner);
    form.exec();
}

void THelpForm::FormCreate(const QString& helpPagePath) {
    navigate(QUrl::fromLocalFile(helpPagePath));
}

void THelpForm::wbHelpAnchorClicked(const QUrl& url) {
    if (isWebAddress(url)) {
        if (opener_)
            opener_(url);
        return;
    }
    navigate(wbHelp_->source().resolved(url));
}

void THelpForm::navigate(const QUrl& url) {
    if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile()) {
        wbHelp_->setPlainText(u"Nápovědu nelze zobrazit: soubor %1 nelze otevřít."_s.arg(
            QDir::toNativeSeparators(url.toLocalFile())));
        return;
    }
    wbHelp_->setSource(url);
}
