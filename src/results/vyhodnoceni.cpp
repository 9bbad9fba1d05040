#include "results/vyhodnoceni.h"

#include "app/runState.h"
#include "results/resultRecord.h"
#include "settings/settings.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int x, int y,
                  const QFont& font, const QColor& colour = Qt::black) {
    QLabel* l = placeLabel(parent, name, text, x, y);
    l->setFont(font);
    setTextColour(l, colour);
    return l;
}

void makeRule(QWidget* parent, const char* name, int y) {
    auto* rule = new QFrame(parent);
    rule->setObjectName(QString::fromLatin1(name));
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(16, y, 305, 2);
}
} // namespace

TResult::TResult(RunState& run, Settings& settings, bool examination, const QString& folder,
                 const Clock& clock, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint),
      run_(run), settings_(settings), examination_(examination) {
    setObjectName(u"Result"_s);
    setWindowTitle(u"Vyhodnocení programu Tarmelka 2003"_s);
    setFont(windowFont());
    setFixedSize(342, 262);

    const QColor blue(0, 0, 255);
    QFont title = courierFont(16, true);
    title.setUnderline(true);
    auto* lbTyp =
        makeLabel(this, "lbTyp", u"Vyhodnocení procvičování"_s, 48, 15, title, QColor(0, 128, 0));
    const QFont plain = courierFont(13);
    const QFont bold = courierFont(13, true);
    auto* lbUzivatel = makeLabel(this, "lbUzivatel", u"Uživatel: "_s, 16, 48, bold, blue);
    makeRule(this, "Bevel1", 67);
    auto* lbSkupina = makeLabel(this, "lbSkupina", u"Skupina: "_s, 32, 77, plain);
    auto* lbPocet = makeLabel(this, "lbPocet", u"Počet otázek: "_s, 32, 93, plain);
    auto* lbSpravne = makeLabel(this, "lbSpravne", u"Správných odpovědí: "_s, 32, 109, plain);
    auto* lbSpatne = makeLabel(this, "lbSpatne", u"Špatných odpovědí: "_s, 32, 125, plain);
    auto* lbSNapovedou = makeLabel(this, "lbSNapovedou", u"Použití nápovědy: "_s, 32, 141, plain);
    makeRule(this, "Bevel2", 163);
    auto* lbUspesnost = makeLabel(this, "lbUspesnost", u"Úspěšnost: "_s, 16, 169, bold, blue);
    QFont small = windowFont();
    lbSoubor_ =
        makeLabel(this, "lbSoubor",
                  u"Byl vytvořen protokol - přístupen je z menu Výsledky -> Protokol z..."_s, 16,
                  195, small, QColor(128, 0, 0));
    auto* btnOK = new QPushButton(u"&OK"_s, this);
    btnOK->setObjectName(u"btnOK"_s);
    btnOK->setGeometry(40, 224, 75, 25);
    btnOK->setDefault(true);
    auto* btnPrezkouset = new QPushButton(u"Procvičit &špatné odpovědi"_s, this);
    btnPrezkouset->setObjectName(u"btnPrezkouset"_s);
    btnPrezkouset->setGeometry(128, 224, 177, 25);
    connect(btnOK, &QPushButton::clicked, this, &TResult::btnOKClick);
    connect(btnPrezkouset, &QPushButton::clicked, this, &TResult::btnPrezkousetClick);

    if (examination) {
        lbTyp->setText(u"Vyhodnocení zkoušení"_s);
        lbSNapovedou->hide();
        lbPocet->move(32, 98);
        lbSpravne->move(32, 119);
        lbSpatne->move(32, 141);
        btnPrezkouset->setText(u"Přezkoušet ze &špatných odpovědí"_s);
    }
    storeRecord(folder, clock);
    btnPrezkouset->setEnabled(run.wrongCount != 0 || run.hintCount != 0);
    lbTyp->adjustSize();
    lbTyp->move(width() / 2 - lbTyp->width() / 2, lbTyp->y());

    auto append = [](QLabel* label, const QString& value) {
        label->setText(label->text() + value);
        label->adjustSize();
    };
    append(lbUzivatel, settings.activeProfile);
    append(lbSkupina, settings.group);
    append(lbPocet, QString::number(run.questionCount));
    append(lbSpravne, QString::number(run.questionCount - run.wrongCount - run.hintCount));
    append(lbSpatne, QString::number(run.wrongCount));
    append(lbSNapovedou, QString::number(run.hintCount));
    append(lbUspesnost, QString::number(run.successPercent) + u'%');
    lbSoubor_->adjustSize();
}

void TResult::storeRecord(const QString& folder, const Clock& clock) {
    if (!settings_.protocols[examination_ ? 1 : 0]) {
        lbSoubor_->setText(u"Nebyl vytvořen protokol - chcete-li ho vytvářet změňte nastavení"_s);
        return;
    }
    if (run_.repeatRun &&
        !msg::ask(parentWidget(), u"Chcete vytvořit protokol i z této opravy?"_s)) {
        lbSoubor_->setText(examination_ ? u"Protokol z opravy zkoušení nebyl vytvořen"_s
                                        : u"Protokol z opravy procvičování nebyl vytvořen"_s);
        return;
    }
    ResultRecord record;
    record.kind = examination_ ? kExaminationKind : kPracticeKind;
    record.profile = settings_.activeProfile;
    record.written = clock();
    record.group = settings_.group;
    record.categories =
        run_.fromStoredResult ? run_.storedCategories : categoryDigits(settings_.categories);
    record.questionCount = run_.questionCount;
    record.wrongCount = run_.wrongCount;
    record.wrongNumbers = run_.wrongNumbers;
    record.hintCount = run_.hintCount;
    record.hintNumbers = run_.hintNumbers;
    record.successPercent = run_.successPercent;
    StoreError error;
    if (!WriteResultRecord(folder, record, &error)) {
        // The counts still show; only the line about the record must not claim it exists.
        msg::error(parentWidget(), error.message(u"Výsledek se nepodařilo uložit."_s));
        lbSoubor_->setText(u"Protokol se nepodařilo uložit."_s);
    }
}

void TResult::btnOKClick() {
    if (run_.fromStoredResult)
        settings_.group = run_.savedGroup;
    run_.fromStoredResult = false;
    done(kClosed);
}

void TResult::reject() {
    btnOKClick();
}

void TResult::btnPrezkousetClick() {
    run_.prepareRepeat(!examination_);
    done(kRepeat);
}
