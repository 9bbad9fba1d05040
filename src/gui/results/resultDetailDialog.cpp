#include "gui/results/resultDetailDialog.h"

#include "core/base/dates.h"
#include "core/records/categoryLines.h"
#include "gui/ui/centring.h"
#include "gui/ui/fonts.h"
#include "gui/ui/messages.h"
#include "gui/ui/widgets.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
constexpr int kLine = 13;         // one line of the category list
constexpr int kButtonGap = 18;    // between OK and the re-examination button
constexpr int kClientWidth = 351; // the window's width, which centres the two buttons
constexpr int kLabelGap = 8;      // least room between the profile and the group

QLabel* valueLabel(QWidget* parent, const char* name, const QString& caption, const QString& value,
                   int x, int y, bool bold = false) {
    QLabel* label = placeLabel(parent, name, caption + value, x, y);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        label->adjustSize();
    }
    return label;
}
} // namespace

TDetail::TDetail(const ResultRecord& result, RunKind kind, QWidget* owner)
    : QDialog(owner, kDialogFlags), result_(result), kind_(kind) {
    setObjectName(u"Detail"_s);
    setWindowTitle(result.kind + u" - "_s + dateText(result.written.date()) + u", "_s +
                   timeText(result.written.time()));
    setFont(windowFont());

    // Set up in tab order: OK first.
    auto* btnOK = placeButton(this, "btnOK", u"&OK"_s, {128, 186, 89, 25});
    QFont bold = btnOK->font();
    bold.setBold(true);
    btnOK->setFont(bold);
    btnOK->setDefault(true);
    const bool examination = kind == RunKind::Examination;
    auto* btnPrezkouset = placeButton(this, "btnPrezkouset",
                                      examination ? u"&Prozkoušet nesprávně zodpovězené"_s
                                                  : u"&Procvičit nesprávně zodpovězené"_s,
                                      {224, 186, examination ? 193 : 185, 25});
    btnPrezkouset->hide();

    auto* lbProfil = valueLabel(this, "lbProfil", u"Uživatel: "_s, result.profile, 16, 8, true);
    auto* lbSkupina = valueLabel(this, "lbSkupina", u"Skupina: "_s, result.group, 216, 8, true);
    // A long profile name would run into the group; it is shortened with an
    // ellipsis there (the browser's caption shows it whole).
    const int room = lbSkupina->x() - kLabelGap - lbProfil->x();
    if (lbProfil->width() > room) {
        const QFontMetrics metrics(lbProfil->font());
        const QString caption = u"Uživatel: "_s;
        lbProfil->setText(caption + metrics.elidedText(result.profile, Qt::ElideRight,
                                                       room - metrics.horizontalAdvance(caption)));
        lbProfil->adjustSize();
    }
    placeRule(this, "Bevel1", 8, 24, 329);
    valueLabel(this, "lbKategorie", u"Kategorie, z nichž se skládal test:"_s, {}, 16, 32, true);
    auto* stKategorie = placeLabel(this, "stKategorie", categoryTitles(result.categories), 24, 48);
    stKategorie->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int lines = categoryLineCount(result.categories);
    stKategorie->setFixedSize(305, kLine * lines);
    const int d = kLine * (lines - 1);

    placeRule(this, "Bevel2", 8, 68 + d, 329);
    auto* panel = new QWidget(this);
    panel->setObjectName(u"panel"_s);
    panel->setGeometry(16, 77 + d, 313, 97);
    valueLabel(panel, "lbPocet", u"Počet otázek: "_s, QString::number(result.questionCount), 8, 0,
               true);
    placeRule(panel, "Bevel3", 8, 16, 289);
    const int correct = result.questionCount - result.wrongCount - result.hintCount;
    valueLabel(panel, "lbSpravne", u"Správných odpovědí: "_s, QString::number(correct), 24, 21);
    valueLabel(panel, "lbSpatnych", u"Špatných odpovědí: "_s, QString::number(result.wrongCount),
               24, 41);
    auto* lbSNapovedou = valueLabel(panel, "lbSNapovedou", u"Použití nápovědy: "_s,
                                    QString::number(result.hintCount), 24, 60);
    lbSNapovedou->setEnabled(!examination);
    placeRule(panel, "Bevel4", 8, 79, 289);
    valueLabel(panel, "lbUspesnost", u"Úspěšnost: "_s,
               QString::number(result.successPercent) + u'%', 8, 85, true);

    auto* btnZ1 = placeButton(this, "btnZ1", u"Zobraz čísla otázek"_s, {200, 116 + d, 113, 17});
    auto* btnZ2 = placeButton(this, "btnZ2", u"Zobraz čísla otázek"_s, {200, 136 + d, 113, 17});
    for (QPushButton* small : {btnZ1, btnZ2})
        small->setAutoDefault(false);
    btnPrezkouset->setAutoDefault(false);
    btnZ1->setEnabled(result.wrongCount != 0);
    btnZ2->setEnabled(result.hintCount != 0);

    btnOK->move(btnOK->x(), btnOK->y() + d);
    btnPrezkouset->move(btnPrezkouset->x(), btnOK->y());
    if (result.wrongCount != 0 || result.hintCount != 0) {
        // Centred as a pair on the form's widths; an examination's wider
        // button then reaches further right.
        const int left = (kClientWidth - btnOK->width() - kButtonGap - 185) / 2;
        btnOK->move(left, btnOK->y());
        btnPrezkouset->move(left + btnOK->width() + kButtonGap, btnOK->y());
        btnPrezkouset->show();
    }
    setFixedSize(kClientWidth, 222 + d);
    // Tab order follows the window's reading order after OK.
    setTabOrder(btnOK, btnPrezkouset);
    setTabOrder(btnPrezkouset, btnZ1);
    setTabOrder(btnZ1, btnZ2);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnZ1, &QPushButton::clicked, this, &TDetail::btnZ1Click);
    connect(btnZ2, &QPushButton::clicked, this, &TDetail::btnZ2Click);
    connect(btnPrezkouset, &QPushButton::clicked, this, &TDetail::btnPrezkousetClick);
}

std::optional<Reexamination> TDetail::run(const ResultRecord& result, RunKind kind,
                                          QWidget* owner) {
    TDetail detail(result, kind, owner);
    centreOn(&detail, owner);
    detail.exec();
    return detail.chosen();
}

void TDetail::btnZ1Click() {
    msg::info(this, u"Špatně zodpovězené otázky: "_s + numberListText(result_.wrongNumbers));
}

void TDetail::btnZ2Click() {
    msg::info(this,
              u"Otázky, u nichž byla použita nápověda: "_s + numberListText(result_.hintNumbers));
}

void TDetail::btnPrezkousetClick() {
    QString refusal;
    chosen_ = reexaminationOf(result_, kind_, &refusal);
    if (!chosen_) {
        // The detail stays open: the learner can still read what is stored.
        msg::error(this, refusal);
        return;
    }
    accept();
}
