#include "gui/info/aboutDialog.h"

#include "gui/ui/centring.h"
#include "gui/ui/fonts.h"
#include "gui/ui/widgets.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

// Under a reserved example domain: the program has no real home page.
const QString TAbout::kWebAddress = u"http://www.tarmelka.example/"_s;

namespace {
const QString kAboutText =
    u"Program Tarmelka 2003 vznikl pro ty, kdo se připravují na teoretickou část zkoušky "
    u"z odborné způsobilosti k řízení motorových vozidel. Chtěli jsme, aby si žadatel "
    u"mohl otázky v klidu projít, procvičit a nakonec si vyzkoušet test nanečisto, "
    u"dokud si nebude jistý.\n"
    u"\n"
    u"Hlavní výhody tohoto programu:\n"
    u"- závěrečný test na body, který svou podobou napodobuje tištěné testové formuláře "
    u"skutečné zkoušky: všechny otázky jsou na jednom formuláři a vyhodnotí se najednou, "
    u"jakmile uplyne vymezený čas nebo stisknete „Vyhodnotit“;\n"
    u"- snadné ovládání: odpovědi se vybírají levým tlačítkem myši, pravým se potvrzují."_s;

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y,
              bool bold = false) {
    QLabel* l = placeLabel(parent, name, text, x, y);
    l->setTextFormat(Qt::PlainText);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->adjustSize();
    }
    return l;
}
} // namespace

TAbout::TAbout(QWidget* owner, UrlOpener opener) : QDialog(owner), opener_(std::move(opener)) {
    setObjectName(u"TAbout"_s);
    setWindowTitle(u"O programu"_s);
    setWindowFlags(kDialogFlags);
    setFixedSize(376, 311);
    setFont(windowFont());

    auto* gbOkraj = new QGroupBox(this);
    gbOkraj->setObjectName(u"gbOkraj"_s);
    gbOkraj->setGeometry(2, 0, 372, 291);

    auto* Image1 = new QLabel(gbOkraj);
    Image1->setObjectName(u"Image1"_s);
    Image1->setGeometry(8, 12, 32, 32);
    const QIcon icon = owner ? owner->window()->windowIcon() : QIcon();
    Image1->setPixmap(icon.pixmap(32, 32));
    Image1->setScaledContents(true);

    label(gbOkraj, "lbNazev", u"Tarmelka 2003"_s, 56, 12, true);
    label(gbOkraj, "lbVerze", u"verze produktu: 1.02"_s, 64, 27);
    label(gbOkraj, "lbUprava", u"poslední úprava: 14. 5. 2003"_s, 64, 40);
    label(gbOkraj, "lbAutor", u"Autor: vývojový tým programu Tarmelka"_s, 56, 59, true);
    lbInet_ = label(gbOkraj, "lbInet", kWebAddress, 56, 72, true);
    setTextColour(lbInet_, Qt::blue);
    lbInet_->setCursor(Qt::PointingHandCursor);
    lbInet_->installEventFilter(this);

    auto* mText = new QPlainTextEdit(kAboutText, this);
    mText->setObjectName(u"mText"_s);
    mText->setReadOnly(true);
    mText->setAccessibleName(u"O programu"_s);
    mText->setGeometry(8, 90, 354, 193);
    QPalette p = mText->palette();
    p.setColor(QPalette::Base, QColor(255, 255, 0));
    mText->setPalette(p);

    auto* btnOK = new QPushButton(u"&OK"_s, this);
    btnOK->setObjectName(u"btnOK"_s);
    btnOK->setGeometry(280, 12, 83, 25);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* closing = new QLabel(u"Hodně štěstí u zkoušky!"_s, this);
    closing->setObjectName(u"lbZaver"_s);
    closing->setTextFormat(Qt::PlainText);
    closing->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    closing->setGeometry(1, 294, 377, 13);

    // btnOK first in keyboard order; Esc closes through the dialog's own reject.
    QWidget::setTabOrder(btnOK, mText);
    btnOK->setFocus();
}

void TAbout::run(QWidget* owner, UrlOpener opener) {
    TAbout about(owner, std::move(opener));
    centreOn(&about, owner);
    about.exec();
}

bool TAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lbInet_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lbInetClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAbout::lbInetClick() {
    if (opener_)
        opener_(QUrl(lbInet_->text()));
}
