#include "gui/pointstest/testPages.h"

#include "core/base/textLines.h"
#include "core/pointstest/pointsTest.h"
#include "core/pointstest/testLayout.h"
#include "gui/pointstest/captionBox.h"
#include "gui/pointstest/testText.h"
#include "gui/ui/pictures.h"
#include "gui/ui/staticText.h"
#include "gui/ui/widgets.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace testlayout;

namespace {
constexpr int kBoxLeft = 8;
constexpr int kBoxWidth = 750;
constexpr int kAnswerLeft = 40;

QString controlName(const char16_t* prefix, int position, QChar letter) {
    return QString::fromUtf16(prefix) + QString::number(position) + letter;
}
} // namespace

TestPages::TestPages(QWidget* parent) : QTabWidget(parent) {
    setObjectName(u"pcTest"_s);
    for (int page = 1; page <= kPages; ++page) {
        auto* sheet = new QWidget;
        sheet->setObjectName(u"List%1"_s.arg(page));
        auto* panel = new QWidget(sheet);
        panel->setObjectName(page == 1 ? u"panel1"_s : u"Panel%1"_s.arg(page));
        paintBackground(panel, Qt::white);
        auto* layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(panel);
        addTab(sheet, u"List%1"_s.arg(page));
        for (int p = firstOnPage(page); p <= lastOnPage(page); ++p)
            buildBox(p, panel);
    }
}

void TestPages::buildBox(int position, QWidget* panel) {
    QuestionBox& b = boxes_[position - 1];
    b.box = new CaptionBox(testplan::positionTitle(position), panel);
    b.box->setObjectName(u"gb%1"_s.arg(position));
    paintBackground(b.box, Qt::white);
    b.box->setGeometry(kBoxLeft, kBoxTop, kBoxWidth, designHeight(position));
    const TextWidths widths = textWidths(position);
    for (int k = 0; k < kTexts; ++k) {
        const QChar letter = k == 0 ? u'O' : QChar(u'A' + k - 1);
        auto* text = newTestText(b.box);
        text->setObjectName(controlName(u"st", position, letter));
        text->setFont(testTextFont());
        text->setGeometry(k == 0 ? kBoxLeft : kAnswerLeft, kTextTop,
                          k == 0 ? widths.question : widths.answer, 0);
        b.texts[k] = text;
        if (k == 0) {
            text->setColor(Qt::blue);
            continue;
        }
        auto* check = new QCheckBox(QString(letter.toLower()) + u')', b.box);
        // The fourth box of the first question kept its historical name.
        check->setObjectName(position == 1 && k == 4 ? u"cd1D"_s
                                                     : controlName(u"cb", position, letter));
        check->setGeometry(kBoxLeft, kTextTop, 32, 14);
        // Clicks leave the focus on the page control; Tab still reaches the box.
        check->setFocusPolicy(Qt::TabFocus);
        check->installEventFilter(this);
        b.checks[k - 1] = check;
        connect(text, &StaticText::clicked, this, [this, position, k](Qt::MouseButton button) {
            st1AClick(position, k - 1, button);
        });
    }
    if (testplan::hasPicturePlace(position)) {
        b.picture = new QLabel(b.box);
        b.picture->setObjectName(u"img%1"_s.arg(position));
        b.picture->setGeometry(testplan::isSignPosition(position) ? QRect(646, 10, 96, 96)
                                                                  : QRect(442, 10, 300, 175));
    }
}

int TestPages::pageHeight() const {
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).height();
}

int TestPages::FillTest(const PointsTest& test, const AppPaths& paths, QStringList* problems) {
    std::array<Lines, testplan::kPositions> lines{};
    std::array<bool, testplan::kPositions> withPicture{};
    for (int p = 1; p <= testplan::kPositions; ++p) {
        const Question& q = test.question(p);
        QuestionBox& b = boxes_[p - 1];
        for (int k = 0; k < kTexts; ++k) {
            const QString& field = k == 0 ? q.text : q.answers[k - 1];
            b.texts[k]->setText(field);
            // Measured at the width it is drawn at, so what is counted is what shows.
            lines[p - 1][k] = lineCount(field, b.texts[k]->font(), b.texts[k]->width());
            // An answer the question does not have gets no box to tick.
            if (k > 0) {
                b.checks[k - 1]->setVisible(!field.isEmpty());
                // A screen reader says the question's place, the letter and the answer.
                b.checks[k - 1]->setAccessibleName(
                    u"Otázka %1, odpověď %2: %3"_s.arg(p).arg(QChar(u'a' + k - 1)).arg(field));
            }
        }
        b.box->setAccessibleName(u"Otázka %1: %2"_s.arg(p).arg(q.text));
        if (b.picture)
            b.picture->setAccessibleName(u"Obrázek k otázce %1"_s.arg(p));
        withPicture[p - 1] = !q.picture.isEmpty();
        if (b.picture && withPicture[p - 1]) {
            QString error;
            const QPixmap picture = loadPicture(paths, q.picture, &error);
            if (picture.isNull() && problems)
                *problems << error;
            b.picture->setPixmap(picture);
        }
    }
    const Pages pages = stackBoxes(lines, withPicture, pageHeight());
    for (int p = 1; p <= testplan::kPositions; ++p) {
        const QuestionBox& b = boxes_[p - 1];
        const Box& place = pages.boxes[p - 1];
        b.box->setGeometry(kBoxLeft, place.top, kBoxWidth, place.height);
        for (int k = 0; k < kTexts; ++k) {
            StaticText* text = b.texts[k];
            text->setGeometry(text->x(), place.textTops[k], text->width(),
                              kLineHeight * lines[p - 1][k]);
            if (k > 0)
                b.checks[k - 1]->move(kBoxLeft, place.textTops[k] + 1);
        }
    }
    return pages.growth;
}

TestTicks TestPages::ticks() const {
    TestTicks ticks{};
    for (int i = 0; i < testplan::kPositions; ++i)
        for (int a = 0; a < 4; ++a)
            ticks[i][a] = boxes_[i].checks[a]->isChecked();
    return ticks;
}

void TestPages::st1AClick(int position, int answer, Qt::MouseButton button) {
    QCheckBox* check = boxes_[position - 1].checks[answer];
    if (button != Qt::LeftButton || check->isHidden())
        return;
    check->toggle();
    cb1AClick();
}

void TestPages::cb1AClick() {
    setFocus(); // the check box does not keep the focus after a click
}

bool TestPages::eventFilter(QObject* watched, QEvent* event) {
    // Only mouse clicks hand the focus back: Tab and Space keep working on the boxes.
    if (event->type() == QEvent::MouseButtonRelease && qobject_cast<QCheckBox*>(watched))
        cb1AClick();
    return QTabWidget::eventFilter(watched, event);
}
