#include "gui/pointstest/evaluationPage.h"

#include "core/base/textLines.h"
#include "core/pointstest/pointsTest.h"
#include "core/pointstest/testLayout.h"
#include "core/pointstest/testTime.h"
#include "gui/pointstest/captionBox.h"
#include "gui/pointstest/testText.h"
#include "gui/ui/fonts.h"
#include "gui/ui/pictures.h"
#include "gui/ui/staticText.h"
#include "gui/ui/widgets.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::StringLiterals;
using testplan::kPositions;

namespace {
constexpr int kColumns = 7;
constexpr int kRows = 4;
constexpr int kQuestionWidth = 721;
constexpr int kAnswerWidth = 681;
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

const QString kProtocolWritten = u"Byl vytvořen protokol z testu - přístupný je z hlavního menu"_s;
const QString kProtocolOff =
    u"Nebyl vytvořen protokol - chcete-li ho vytvářet, změňte nastavení!"_s;

QFont boldWindowFont() {
    QFont font = windowFont();
    font.setBold(true);
    return font;
}

QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, const QRect& place) {
    auto* box = new CaptionBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    return box;
}

// A label of a bold group box keeps the plain window font.
QLabel* plainLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    QLabel* label = placeLabel(parent, name, text, x, y);
    QFont plain = windowFont();
    plain.setBold(false); // said outright, or the box's bold is inherited
    label->setFont(plain);
    label->adjustSize();
    return label;
}

void setLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    if (!label->wordWrap() && label->alignment() & Qt::AlignLeft)
        label->adjustSize();
}

// " 15. otázka (1 bod); Skutečné číslo otázky: 612 "
QString reviewCaption(int position, int number) {
    return u" "_s + testplan::positionTitle(position) + u"; Skutečné číslo otázky: "_s +
           (number ? QString::number(number) + u' ' : QString());
}
} // namespace

EvaluationPage::EvaluationPage(const AppPaths& paths, QWidget* parent)
    : QWidget(parent), paths_(paths) {
    setObjectName(u"pVyhodnoceni"_s);
    setFont(windowFont());
    buildInputs();
    buildResult();

    btnOK_ = new QPushButton(u"&OK"_s, this);
    btnOK_->setObjectName(u"btnOK"_s);
    btnOK_->setFont(boldWindowFont());
    btnOK_->setGeometry(680, 152, 76, 25);
    btnOK_->setDefault(true);

    placeLabel(this, "lbNapoveda",
               u"Po stisku čísla v tabulce dojde k zobrazení porovnání vašeho řešení dané otázky "
               u"se správným řešením"_s,
               16, 160);

    tabulka_ = new QTableWidget(kRows, kColumns, this);
    tabulka_->setObjectName(u"Tabulka"_s);
    tabulka_->setGeometry(15, 176, 500, 87);
    tabulka_->horizontalHeader()->hide();
    tabulka_->verticalHeader()->hide();
    tabulka_->horizontalHeader()->setDefaultSectionSize(70);
    tabulka_->verticalHeader()->setDefaultSectionSize(20);
    tabulka_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabulka_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabulka_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabulka_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabulka_->setShowGrid(true);
    for (int n = 1; n <= kPositions; ++n) {
        auto* item = new QTableWidgetItem(QString::number(n));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        tabulka_->setItem((n - 1) / kColumns, (n - 1) % kColumns, item);
    }
    connect(tabulka_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { TabulkaSelectCell(column, row); });

    buildLegend();
    buildReview();
}

QGroupBox* EvaluationPage::buildInputs() {
    QGroupBox* box = groupBox(this, "sgbProfil", u"Vstupní parametry:"_s, {15, 8, 360, 137});
    box->setFont(boldWindowFont());
    lbProfil_ = plainLabel(box, "lbProfil", u"Řešitel testu: "_s, 12, 24);
    lbSkupina_ = plainLabel(box, "lbSkupina", u"Skupina: "_s, 12, 46);
    plainLabel(box, "lbMaxPocBod", u"Maximální možný počet bodů: 65"_s, 12, 68);
    lbMinPocBod_ = plainLabel(box, "lbMinPocBod", u"Minimální potřeba počtu bodů: "_s, 12, 90);
    plainLabel(box, "lbMaxCas", u"Maximální délka trvání testu: 30 minut"_s, 12, 112);
    return box;
}

QGroupBox* EvaluationPage::buildResult() {
    QGroupBox* box = groupBox(this, "sgbTest", u"Vyhodnocení testu:"_s, {398, 8, 360, 137});
    box->setFont(boldWindowFont());
    lbCas_ = plainLabel(box, "lbCas", u"Celková doba trvání testu: "_s, 12, 24);
    lbOdpovedi_ = plainLabel(box, "lbOdpovedi", u"Počet správných/špatných odpovědí: "_s, 12, 44);
    lbDosBod_ = plainLabel(box, "lbDosBod", u"Celkový počet dosažených bodů: "_s, 12, 64);
    lbUspech_ = new QLabel(box);
    lbUspech_->setObjectName(u"lbUspech"_s);
    lbUspech_->setFont(boldWindowFont());
    lbUspech_->setAlignment(Qt::AlignCenter);
    lbUspech_->setGeometry(8, 86, 345, 16);
    setTextColour(lbUspech_, kGreen);
    lbProtokol_ = plainLabel(box, "lbProtokol", kProtocolWritten, 12, 112);
    return box;
}

void EvaluationPage::buildLegend() {
    auto* legend = new QFrame(this);
    legend->setObjectName(u"pNapoveda"_s);
    legend->setFrameStyle(QFrame::Panel | QFrame::Raised);
    legend->setGeometry(536, 192, 217, 73);
    paintBackground(legend, Qt::white);
    QLabel* info = placeLabel(legend, "lbInfo", u"Info:"_s, 8, 2);
    info->setFont(boldWindowFont());
    info->adjustSize();
    const char* pictures[3] = {"imgYes", "imgNo", "imgMistake"};
    const char* names[3] = {"lbYes", "lbNo", "lbMistake"};
    const QString texts[3] = {u"Správně označená otázka"_s, u"Špatně označená otázka"_s,
                              u"Neoznačená správná otázka"_s};
    for (int i = 0; i < 3; ++i) {
        legend_[i] = new QLabel(legend);
        legend_[i]->setObjectName(QString::fromLatin1(pictures[i]));
        legend_[i]->setGeometry(8, 17 + 18 * i, 18, 18);
        placeLabel(legend, names[i], texts[i], 32, 20 + 18 * i);
    }
}

void EvaluationPage::buildReview() {
    spatnaOtazka_ = groupBox(this, "SpatnaOtazka", reviewCaption(1, 0), {15, 272, 741, 257});
    paintBackground(spatnaOtazka_, Qt::white);
    const char* names[5] = {"Otazka", "A", "B", "C", "D"};
    for (int k = 0; k < testlayout::kTexts; ++k) {
        texts_[k] = newTestText(spatnaOtazka_);
        texts_[k]->setObjectName(QString::fromLatin1(names[k]));
        texts_[k]->setFont(testTextFont());
        texts_[k]->setGeometry(k == 0 ? 8 : 48, 16, k == 0 ? kQuestionWidth : kAnswerWidth, 0);
        if (k == 0) {
            texts_[k]->setColor(Qt::blue);
            continue;
        }
        const QChar letter(u'A' + k - 1);
        letters_[k - 1] = new QLabel(QString(letter.toLower()) + u')', spatnaOtazka_);
        letters_[k - 1]->setObjectName(u"lb"_s + letter);
        letters_[k - 1]->setFont(testTextFont());
        letters_[k - 1]->setGeometry(32, 16, 16, 16);
        marksShown_[k - 1] = new QLabel(spatnaOtazka_);
        marksShown_[k - 1]->setObjectName(u"img"_s + letter);
        marksShown_[k - 1]->setGeometry(8, 15, 18, 18);
        marksShown_[k - 1]->hide();
    }
    obrazek_ = new QLabel(spatnaOtazka_);
    obrazek_->setObjectName(u"Obrazek"_s);
    obrazek_->setGeometry(432, 16, 300, 175);
    obrazek_->hide();
}

void EvaluationPage::setMarks(const Marks& marks) {
    marks_ = marks;
    legend_[0]->setPixmap(marks.yes);
    legend_[1]->setPixmap(marks.no);
    legend_[2]->setPixmap(marks.mistake);
}

void EvaluationPage::ShowEvaluation(const PointsTest& test, const QString& profile,
                                    const QString& group, bool protocolOn) {
    test_ = &test;
    const TestScore& score = test.score();
    setLabelText(lbProfil_, u"Řešitel testu: "_s + profile);
    setLabelText(lbSkupina_, u"Skupina: "_s + group);
    setLabelText(lbMinPocBod_,
                 u"Minimální potřeba počtu bodů: "_s + QString::number(test.minPoints()));
    setLabelText(lbCas_, u"Celková doba trvání testu: "_s + elapsedWords(test.elapsedSeconds()));
    setLabelText(lbOdpovedi_,
                 u"Počet správných/špatných odpovědí: %1/%2"_s.arg(score.correctCount())
                     .arg(score.wrongCount));
    setLabelText(lbDosBod_,
                 u"Celkový počet dosažených bodů: "_s + QString::number(score.earnedPoints));
    lbUspech_->setText(test.passed() ? u"Test byl úspěšně složen!"_s
                                     : u"Test nebyl úspěšně složen!"_s);
    setTextColour(lbUspech_, test.passed() ? kGreen : kRed);
    setProtocolText(protocolOn ? kProtocolWritten : kProtocolOff);

    const QSignalBlocker quiet(tabulka_);
    tabulka_->setCurrentCell(0, 0);
    selected_ = 1;
    spatnaOtazka_->setTitle(reviewCaption(1, test.question(1).number));
    ShowReview();
}

void EvaluationPage::setProtocolText(const QString& text) {
    setLabelText(lbProtokol_, text);
}

void EvaluationPage::TabulkaSelectCell(int column, int row) {
    const int n = row * kColumns + column + 1;
    if (!test_ || column < 0 || row < 0 || n > kPositions || n == selected_)
        return;
    selected_ = n;
    spatnaOtazka_->setTitle(reviewCaption(n, test_->question(n).number));
    if (testplan::isSignPosition(n))
        obrazek_->setGeometry(636, 16, 96, 96);
    else if (testplan::isJunctionPosition(n))
        obrazek_->setGeometry(432, 16, 300, 175);
    const bool picture = testplan::hasPicturePlace(n);
    obrazek_->setVisible(picture);
    const int narrower = picture ? obrazek_->width() : 0;
    for (int k = 0; k < testlayout::kTexts; ++k)
        texts_[k]->resize((k == 0 ? kQuestionWidth : kAnswerWidth) - narrower, texts_[k]->height());
    ShowReview();
}

void EvaluationPage::ShowReview() {
    if (!test_)
        return;
    const Question& q = test_->question(selected_);
    testlayout::Lines lines{};
    for (int k = 0; k < testlayout::kTexts; ++k) {
        const QString& field = k == 0 ? q.text : q.answers[k - 1];
        texts_[k]->setText(field);
        lines[k] = lineCount(field, texts_[k]->font(), texts_[k]->width());
    }
    const auto tops = testlayout::stackTexts(lines, texts_[0]->y(), 2);
    for (int k = 0; k < testlayout::kTexts; ++k) {
        texts_[k]->setGeometry(texts_[k]->x(), tops[k], texts_[k]->width(),
                               testlayout::kLineHeight * lines[k]);
        if (k == 0)
            continue;
        letters_[k - 1]->move(letters_[k - 1]->x(), tops[k]);
        letters_[k - 1]->setVisible(!q.answers[k - 1].isEmpty());
        marksShown_[k - 1]->move(marksShown_[k - 1]->x(), tops[k] - 1);
    }
    // A question without a picture must not show the one reviewed before it.
    QPixmap picture;
    if (!q.picture.isEmpty())
        picture = loadPicture(paths_, q.picture, nullptr); // a failure was reported at the start
    obrazek_->setPixmap(picture);
    ShowMarks();
}

void EvaluationPage::ShowMarks() {
    const QString& given = test_->score().answers[selected_ - 1];
    const QString& correct = test_->question(selected_).correct;
    for (int i = 0; i < 4; ++i) {
        const QChar letter(u'A' + i);
        const bool g = given.contains(letter);
        const bool c = correct.contains(letter);
        QLabel* mark = marksShown_[i];
        mark->setVisible(g || c);
        mark->setPixmap(g && c ? marks_.yes : g ? marks_.no : marks_.mistake);
    }
}
