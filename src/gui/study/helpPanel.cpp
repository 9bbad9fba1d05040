#include "gui/study/helpPanel.h"

#include "gui/ui/widgets.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
QLabel* makeMark(QWidget* parent, const char* name, int x, int y) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(x, y, 18, 18);
    return l;
}

void setTop(QWidget* w, int top) {
    w->move(w->x(), top);
}

QFrame* makeLine(QWidget* parent, const char* name, int x) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    line->setGeometry(x, 5, 2, 60);
    return line;
}
} // namespace

HelpPanel::HelpPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(u"pPomoc"_s);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lbInfo_ = placeLabel(this, "lbInfo", u"Info:"_s, 10, 8);
    imgInfoYes_ = makeMark(this, "imgInfoYes", 40, 6);
    imgInfoNo_ = makeMark(this, "imgInfoNo", 40, 26);
    imgInfoNic_ = makeMark(this, "imgInfoNic", 40, 46);
    imgInfoYes_->setAccessibleName(u"Značka správné odpovědi"_s);
    imgInfoNo_->setAccessibleName(u"Značka špatné odpovědi"_s);
    imgInfoNic_->setAccessibleName(u"Značka ignorované správné odpovědi"_s);
    lbAno_ = placeLabel(this, "lbAno", u"Správná odpověď"_s, 60, 8);
    lbNe_ = placeLabel(this, "lbNe", u"Špatná odpověď"_s, 60, 28);
    lbNic_ = placeLabel(this, "lbNic", u"Ignorovaná správná odpověď"_s, 60, 48);
    cara1_ = makeLine(this, "Cara1", 205);
    cara2_ = makeLine(this, "Cara2", 514);
    lbJakNaTo_ = placeLabel(
        this, "lbJakNaTo", u"Levým tlačítkem vyberte správné odpovědi a pravým potvrďte"_s, 212, 4);
    lbKonecRezimu_ = placeLabel(this, "lbKonecRezimu", QString(), 212, 19);
    lbNapoveda_ = placeLabel(this, "lbNapoveda",
                             u"Pro pomoc stiskněte \"Označ správnou odpověď\""_s, 212, 35);
    lbUzivatel_ = placeLabel(this, "lbUzivatel", u"Aktivní profil uživatele: "_s, 212, 52);
    lbSkupina_ = placeLabel(this, "lbSkupina", u"Skupina: "_s, 384, 52);
    lbCelkemOtazek_ = placeLabel(this, "lbCelkemOtazek", u"Celkem otázek: 0"_s, 520, 8);
    lbZbyvaOtazek_ = placeLabel(this, "lbZbyvaOtazek", u"Zbývá: 0"_s, 559, 28);
    lbUspesnost_ = placeLabel(this, "lbUspesnost", u"Úspěšnost: 0%"_s, 539, 48);
    for (QLabel* l : {lbJakNaTo_, lbKonecRezimu_, lbNapoveda_})
        fitBetweenLines(l);
}

void HelpPanel::setText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

void HelpPanel::fitBetweenLines(QLabel* label) {
    // The instructions stand between the two lines; where the window font
    // runs wider than the one the panel was drawn for, it is condensed a
    // little rather than crossing the line.
    if (label != lbJakNaTo_ && label != lbKonecRezimu_ && label != lbNapoveda_)
        return;
    QFont font = this->font();
    const int room = kInstructionsRight - label->x();
    const int natural = QFontMetrics(font).horizontalAdvance(label->text());
    if (!cara2_->isHidden() && natural > room)
        font.setStretch(std::max(80, room * 100 / natural));
    label->setFont(font);
    label->adjustSize();
}

void HelpPanel::setMarks(const QPixmap& yes, const QPixmap& no, const QPixmap& ignored) {
    imgInfoYes_->setPixmap(yes);
    imgInfoNo_->setPixmap(no);
    imgInfoNic_->setPixmap(ignored);
}

void HelpPanel::setProfileAndGroup(const QString& profile, const QString& group) {
    setText(lbUzivatel_, u"Aktivní profil uživatele: "_s + profile);
    setText(lbSkupina_, u"Skupina: "_s + group);
}

void HelpPanel::setTotal(int count) {
    setText(lbCelkemOtazek_, u"Celkem otázek: "_s + QString::number(count));
}

void HelpPanel::setRemaining(int count) {
    setText(lbZbyvaOtazek_, u"Zbývá: "_s + QString::number(count));
}

void HelpPanel::setSuccess(int percent) {
    setText(lbUspesnost_, u"Úspěšnost: "_s + QString::number(percent) + u'%');
}

void HelpPanel::applyMode(Mode mode, bool on) {
    placeForMode(mode, on);
    for (QLabel* l : {lbJakNaTo_, lbKonecRezimu_, lbNapoveda_})
        fitBetweenLines(l);
}

void HelpPanel::placeForMode(Mode mode, bool on) {
    if (mode == Mode::Browsing) {
        setText(lbKonecRezimu_, u"Pro ukončení režimu prohlížení stiskněte \"Konec režimu\""_s);
        lbNe_->setEnabled(!on);
        lbNic_->setEnabled(!on);
        for (QWidget* w :
             std::initializer_list<QWidget*>{cara1_, cara2_, lbCelkemOtazek_, lbZbyvaOtazek_,
                                             lbUspesnost_, lbJakNaTo_, lbSkupina_, lbNapoveda_})
            w->setVisible(!on);
        lbKonecRezimu_->move(284, 17);
        lbUzivatel_->move(
            lbKonecRezimu_->x() + (lbKonecRezimu_->width() - lbUzivatel_->width()) / 2, 40);
        return;
    }
    lbKonecRezimu_->move(212, 19);
    lbUzivatel_->move(212, 52);
    if (mode == Mode::Examination) {
        setText(lbKonecRezimu_, u"Pro ukončení režimu zkoušení stiskněte \"Konec režimu\""_s);
        lbNapoveda_->setVisible(!on);
        setTop(lbKonecRezimu_, 28);
        setTop(lbUzivatel_, 48);
        setTop(lbSkupina_, 48);
        setTop(lbJakNaTo_, 8);
    } else if (mode == Mode::Practice) {
        setText(lbKonecRezimu_, u"Pro ukončení režimu procvičování stiskněte \"Konec režimu\""_s);
    }
    if (!on) {
        setTop(lbKonecRezimu_, 19);
        setTop(lbUzivatel_, 52);
        setTop(lbSkupina_, 52);
        setTop(lbJakNaTo_, 4);
    }
}
