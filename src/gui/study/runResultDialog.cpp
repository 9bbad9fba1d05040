#include "gui/study/runResultDialog.h"

#include "core/records/resultRecord.h"
#include "core/settings/settings.h"
#include "gui/ui/fonts.h"
#include "gui/ui/keyGrace.h"
#include "gui/ui/widgets.h"

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
} // namespace

namespace {
QString recordLine(RecordOutcome record, RunKind kind) {
    switch (record) {
    case RecordOutcome::Written:
        return u"Byl vytvořen protokol - přístupen je z menu Výsledky -> Protokol z..."_s;
    case RecordOutcome::SwitchedOff:
        return u"Nebyl vytvořen protokol - chcete-li ho vytvářet změňte nastavení"_s;
    case RecordOutcome::DeclinedRepeat:
        return kind == RunKind::Examination ? u"Protokol z opravy zkoušení nebyl vytvořen"_s
                                            : u"Protokol z opravy procvičování nebyl vytvořen"_s;
    case RecordOutcome::Failed:
        // The counts still show; only this line must not claim a record exists.
        return u"Protokol se nepodařilo uložit."_s;
    }
    return {};
}
} // namespace

TResult::TResult(const RunState& run, const Settings& settings, RunKind kind, RecordOutcome record,
                 QWidget* owner)
    : QDialog(owner, kDialogFlags) {
    setObjectName(u"Result"_s);
    setWindowTitle(u"Vyhodnocení programu Tarmelka 2003"_s);
    setFont(windowFont());
    setFixedSize(342, 262);

    QFont title = courierFont(16, true);
    title.setUnderline(true);
    auto* lbTyp =
        makeLabel(this, "lbTyp", u"Vyhodnocení procvičování"_s, 48, 15, title, colours::kRight);
    const QFont plain = courierFont(13);
    const QFont bold = courierFont(13, true);
    auto* lbUzivatel = makeLabel(this, "lbUzivatel", u"Uživatel: "_s, 16, 48, bold, colours::kBlue);
    placeRule(this, "Bevel1", 16, 67, 305);
    auto* lbSkupina = makeLabel(this, "lbSkupina", u"Skupina: "_s, 32, 77, plain);
    auto* lbPocet = makeLabel(this, "lbPocet", u"Počet otázek: "_s, 32, 93, plain);
    auto* lbSpravne = makeLabel(this, "lbSpravne", u"Správných odpovědí: "_s, 32, 109, plain);
    auto* lbSpatne = makeLabel(this, "lbSpatne", u"Špatných odpovědí: "_s, 32, 125, plain);
    auto* lbSNapovedou = makeLabel(this, "lbSNapovedou", u"Použití nápovědy: "_s, 32, 141, plain);
    placeRule(this, "Bevel2", 16, 163, 305);
    auto* lbUspesnost =
        makeLabel(this, "lbUspesnost", u"Úspěšnost: "_s, 16, 169, bold, colours::kBlue);
    auto* lbSoubor = makeLabel(this, "lbSoubor", recordLine(record, kind), 16, 195, windowFont(),
                               colours::kMaroon);
    auto* btnOK = placeButton(this, "btnOK", u"&OK"_s, {40, 224, 75, 25});
    btnOK->setDefault(true);
    auto* btnPrezkouset =
        placeButton(this, "btnPrezkouset", u"Procvičit &špatné odpovědi"_s, {128, 224, 177, 25});
    connect(btnOK, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnPrezkouset, &QPushButton::clicked, this, &QDialog::accept);

    if (kind == RunKind::Examination) {
        lbTyp->setText(u"Vyhodnocení zkoušení"_s);
        lbSNapovedou->hide();
        lbPocet->move(32, 98);
        lbSpravne->move(32, 119);
        lbSpatne->move(32, 141);
        btnPrezkouset->setText(u"Přezkoušet ze &špatných odpovědí"_s);
    }
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
    // The line about the record wraps within the dialog instead of running
    // off its right edge.
    lbSoubor->setWordWrap(true);
    lbSoubor->setGeometry(16, 195, width() - 32, 2 * lbSoubor->fontMetrics().height() + 2);
    ignoreEarlyKeys(this);
}

TResult::Choice TResult::ask() {
    // OK and the close control alike end the run.
    return exec() == QDialog::Accepted ? Choice::Repeat : Choice::Close;
}
