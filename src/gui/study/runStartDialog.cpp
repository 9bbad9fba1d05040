#include "gui/study/runStartDialog.h"

#include "gui/ui/keyGrace.h"

#include "gui/ui/fonts.h"
#include "gui/ui/staticText.h"
#include "gui/ui/widgets.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int x, int y,
                  int pixels = 11) {
    QLabel* l = placeLabel(parent, name, text, x, y);
    QFont f = windowFont();
    f.setPixelSize(pixels);
    l->setFont(f);
    l->adjustSize();
    return l;
}

// Reached by Tab and set by the arrow keys, with a name a screen reader says.
QScrollBar* makeBar(QWidget* parent, const char* name, int y, const QString& spoken) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setGeometry(8, y, 153, 17);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(false); // Left lowers the number, Right raises it
    bar->setAccessibleName(spoken);
    return bar;
}
} // namespace

TDotazPZ::TDotazPZ(bool examination, bool randomOrder, int total, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), total_(total) {
    setObjectName(u"DotazPZ"_s);
    setWindowTitle(u"Dotaz programu Tarmelka 2003"_s);
    setFont(windowFont());
    setFixedSize(294, 160);

    lbNadpis_ = new QLabel(examination ? u"Zkoušení otázek"_s : u"Procvičování otázek"_s, this);
    lbNadpis_->setObjectName(u"lbNadpis"_s);
    lbNadpis_->setGeometry(0, 8, 297, 19);
    lbNadpis_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont heading = questionFont();
    heading.setBold(true);
    lbNadpis_->setFont(heading);
    setTextColour(lbNadpis_, Qt::blue);

    sbPocet_ = makeBar(this, "sbPocet", 40, u"Počet otázek"_s);
    lbPocet_ = makeLabel(this, "lbPocet", u"Počet otázek: 20"_s, 170, 40, 13);
    sbOtazka_ = makeBar(this, "sbOtazka", 56, u"Začít otázkou"_s);
    lbOtazka_ = makeLabel(this, "lbOtazka", u"Začít otázkou: 1*"_s, 168, 57, 13);
    QLabel* lbHvezda = makeLabel(this, "lbHvezda", u"*"_s, 11, 80);
    auto* stHvezda = new StaticText(this);
    stHvezda->setObjectName(u"stHvezda"_s);
    stHvezda->setGeometry(20, 80, 257, 33);
    stHvezda->setText(u"Myslí se relativně vzhledem k možnosti výběru okruhu otázek"_s);
    btnPotvrdit_ =
        new QPushButton(examination ? u"Start Zkoušení"_s : u"Start Procvičování"_s, this);
    btnPotvrdit_->setObjectName(u"btnPotvrdit"_s);
    btnPotvrdit_->setGeometry(72, 120, 145, 25);
    QFont bold = windowFont();
    bold.setBold(true);
    btnPotvrdit_->setFont(bold);
    btnPotvrdit_->setDefault(true);
    connect(btnPotvrdit_, &QPushButton::clicked, this, &QDialog::accept);

    if (randomOrder)
        for (QWidget* w : std::initializer_list<QWidget*>{sbOtazka_, lbOtazka_, lbHvezda, stHvezda})
            w->setEnabled(false);

    // The labels follow every change; the coupling only the learner's own.
    connect(sbPocet_, &QScrollBar::valueChanged, this, &TDotazPZ::sbPocetChange);
    connect(sbOtazka_, &QScrollBar::valueChanged, this, &TDotazPZ::sbOtazkaChange);
    programmatic_ = true;
    for (QScrollBar* bar : {sbPocet_, sbOtazka_})
        bar->setRange(1, std::max(total, 1));
    sbPocet_->setValue(std::min(total, 20));
    sbOtazka_->setValue(1);
    programmatic_ = false;
    lbPocet_->setText(u"Počet otázek: "_s + QString::number(count()));
    lbPocet_->adjustSize();
    ignoreEarlyKeys(this);
    // The focused bar's caption is underlined: the bar itself draws no focus.
    for (QScrollBar* bar : {sbPocet_, sbOtazka_})
        bar->installEventFilter(this);
    btnPotvrdit_->setFocus(); // Enter starts at once, as it always did; Tab reaches the bars
}

bool TDotazPZ::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        QLabel* caption = watched == sbPocet_    ? lbPocet_
                          : watched == sbOtazka_ ? lbOtazka_
                                                 : nullptr;
        if (caption) {
            QFont f = caption->font();
            f.setUnderline(event->type() == QEvent::FocusIn);
            caption->setFont(f);
        }
    }
    return QDialog::eventFilter(watched, event);
}

int TDotazPZ::count() const {
    return sbPocet_->value();
}
int TDotazPZ::start() const {
    return sbOtazka_->value();
}

void TDotazPZ::reject() {
    accept();
}

void TDotazPZ::setQuietly(QScrollBar* bar, int position) {
    programmatic_ = true;
    bar->setValue(position);
    programmatic_ = false;
}

void TDotazPZ::sbPocetChange(int position) {
    lbPocet_->setText(u"Počet otázek: "_s + QString::number(position));
    lbPocet_->adjustSize();
    if (!programmatic_ && total_ - start() < position)
        setQuietly(sbOtazka_, total_ - position + 1);
}

void TDotazPZ::sbOtazkaChange(int position) {
    lbOtazka_->setText(u"Začít otázkou: "_s + QString::number(position) + u'*');
    lbOtazka_->adjustSize();
    if (!programmatic_ && total_ - count() < position)
        setQuietly(sbPocet_, total_ - position + 1);
}
