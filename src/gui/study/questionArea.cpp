#include "gui/study/questionArea.h"

#include "core/base/textLines.h"
#include "core/questions/bank.h"
#include "core/questions/questionTable.h"
#include "gui/ui/fonts.h"
#include "gui/ui/messages.h"
#include "gui/ui/pictures.h"
#include "gui/ui/staticText.h"
#include "gui/ui/upDown.h"
#include "gui/ui/widgets.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int kAnswerTops[4] = {57, 81, 105, 129};
constexpr int kLastNumber = bank::kQuestionCount;

StaticText* staticText(QWidget* parent, const QString& name, const QRect& place) {
    auto* t = new StaticText(parent);
    t->setObjectName(name);
    t->setGeometry(place);
    return t;
}

} // namespace

QuestionArea::QuestionArea(QuestionTable& table, const AppPaths& paths, QWidget* parent)
    : QFrame(parent), table_(table), paths_(paths) {
    setObjectName(u"pOtazky"_s);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    paintBackground(this, Qt::white);
    setFont(questionFont());

    caption_ = new QLabel(this);
    caption_->setObjectName(u"pOtazkyCaption"_s);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setWordWrap(true);
    caption_->hide();

    lbCisloOtazky_ = placeLabel(this, "lbCisloOtazky", u"Otázka číslo"_s, 8, 5);
    stOtazka_ = staticText(this, u"stOtazka"_s, {8, 24, 617, 18});
    stOtazka_->setColor(Qt::blue);
    for (int i = 0; i < 4; ++i) {
        const QChar letter(u'A' + i);
        marks_[i] = new QLabel(this);
        marks_[i]->setObjectName(u"img"_s + letter);
        marks_[i]->setGeometry(8, kAnswerTops[i], 18, 18);
        marks_[i]->hide();
        letters_[i] = new QLabel(QString(letter.toLower()) + u')', this);
        letters_[i]->setObjectName(u"lb"_s + letter);
        letters_[i]->setGeometry(26, kAnswerTops[i], 19, 18);
        answers_[i] = staticText(this, u"st"_s + letter, {45, kAnswerTops[i], 580, 18});
    }
    stPoznamka_ = staticText(this, u"stPoznamka"_s, {25, 169, 600, 22});
    QFont italic = questionFont();
    italic.setItalic(true);
    stPoznamka_->setFont(italic);
    stPoznamka_->setColor(QColor(171, 171, 171)); // the system's application-workspace grey
    stPoznamka_->hide();

    imgObrazek_ = new QLabel(this);
    imgObrazek_->setAccessibleName(u"Obrázek k otázce"_s);
    imgObrazek_->setObjectName(u"imgObrazek"_s);
    imgObrazek_->setGeometry(326, 8, 300, 175);
    imgObrazek_->hide();

    pProhlizeni_ = new QFrame(this);
    pProhlizeni_->setObjectName(u"pProhlizeni"_s);
    pProhlizeni_->setGeometry(489, 263, 137, 49);
    pProhlizeni_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    paintBackground(pProhlizeni_, Qt::yellow);
    pProhlizeni_->setFont(windowFont());
    QFont bold = windowFont();
    bold.setBold(true);
    QLabel* lbProhlizeni =
        placeLabel(pProhlizeni_, "lbProhlizeni", u"Prohlížení na přání"_s, 14, 7);
    lbProhlizeni->setFont(bold);
    lbProhlizeni->adjustSize();
    eCisloO_ = new QLineEdit(u"1"_s, pProhlizeni_);
    eCisloO_->setAccessibleName(u"Číslo otázky"_s);
    eCisloO_->setObjectName(u"eCisloO"_s);
    eCisloO_->setGeometry(40, 24, 33, 21);
    eCisloO_->installEventFilter(this);
    sb1_ = new UpDown(pProhlizeni_);
    sb1_->upButton()->setAccessibleName(u"Další otázka"_s);
    sb1_->downButton()->setAccessibleName(u"Předchozí otázka"_s);
    sb1_->setObjectName(u"sb1"_s);
    sb1_->upButton()->setObjectName(u"sb1Up"_s);
    sb1_->downButton()->setObjectName(u"sb1Down"_s);
    sb1_->setGeometry(72, 25, 20, 19);
    connect(sb1_, &UpDown::upClicked, this, [this] { browse(BrowseStep::Up); });
    connect(sb1_, &UpDown::downClicked, this, [this] { browse(BrowseStep::Down); });
    pProhlizeni_->hide();

    verdict_ = new QLabel(this);
    verdict_->setObjectName(u"pSpravne"_s);
    verdict_->setGeometry(264, 152, 105, 33);
    verdict_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    verdict_->setAlignment(Qt::AlignCenter);
    QFont verdictFont = questionFont();
    verdictFont.setBold(true);
    verdict_->setFont(verdictFont);
    paintBackground(verdict_, colours::kFace);
    verdict_->hide();
    timer1_ = new QTimer(this);
    timer1_->setObjectName(u"Timer1"_s);
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, verdict_, &QWidget::hide);

    // Right clicks on the question's own controls count as clicks on the area.
    QList<QWidget*> clickable{imgObrazek_, lbCisloOtazky_, stOtazka_};
    for (int i = 0; i < 4; ++i)
        clickable << marks_[i] << letters_[i] << answers_[i];
    for (QWidget* w : clickable)
        w->installEventFilter(this);
}

QString QuestionArea::caption() const {
    return caption_->text();
}

bool QuestionArea::ShowQuestion(int number) {
    if (bank::isRetired(number)) {
        record_ = Question{};
        record_.number = number;
        SetQuestionVisible(false);
        return true;
    }
    const auto question = table_.question(number);
    if (!question) {
        msg::error(this, table_.error().message(u"Otázku nelze načíst."_s));
        return false;
    }
    record_ = *question;
    FillQuestion();
    emit questionShown();
    return true;
}

void QuestionArea::FillQuestion() {
    if (!caption().isEmpty())
        SetQuestionVisible(true);
    lbCisloOtazky_->setText(u"Otázka číslo "_s + QString::number(record_.number));
    lbCisloOtazky_->adjustSize();
    stOtazka_->setText(record_.text);
    for (int i = 0; i < 4; ++i) {
        answers_[i]->setText(record_.answers[i]);
        answers_[i]->setAccessibleName(
            record_.answers[i].isEmpty()
                ? QString()
                : u"Odpověď %1: %2"_s.arg(QChar(u'a' + i)).arg(record_.answers[i]));
    }
    stOtazka_->setAccessibleName(u"Otázka číslo %1: %2"_s.arg(record_.number).arg(record_.text));
    stPoznamka_->setText(record_.note);
    placePicture();
    LayoutText(stOtazka_);
    for (StaticText* answer : answers_)
        LayoutText(answer);
    LayoutText(stPoznamka_);
    AlignMarks();
    if (!pProhlizeni_->isHidden())
        MarkCorrect(record_.correct);
}

void QuestionArea::SetQuestionVisible(bool visible) {
    lbCisloOtazky_->setText(u"Otázka číslo "_s + QString::number(record_.number));
    lbCisloOtazky_->adjustSize();
    caption_->setText(visible ? QString() : bank::kRetiredNotice);
    caption_->setGeometry(contentsRect());
    caption_->setVisible(!visible);
    for (int i = 0; i < 4; ++i) {
        marks_[i]->hide();
        letters_[i]->setVisible(visible);
        answers_[i]->setVisible(visible);
    }
    stOtazka_->setVisible(visible);
    stPoznamka_->setText(QString());
    imgObrazek_->hide();
}

QString QuestionArea::fieldOf(const StaticText* text) const {
    if (text == stOtazka_)
        return record_.text;
    if (text == stPoznamka_)
        return record_.note;
    for (int i = 0; i < 4; ++i)
        if (text == answers_[i])
            return record_.answers[i];
    return {};
}

StaticText* QuestionArea::preceding(const StaticText* text) const {
    if (text == answers_[0])
        return stOtazka_;
    if (text == stPoznamka_)
        return answers_[3];
    for (int i = 1; i < 4; ++i)
        if (text == answers_[i])
            return answers_[i - 1];
    return nullptr;
}

void QuestionArea::placePicture() {
    // Only signs and junctions show their picture here, placed by category.
    const int n = record_.number;
    if (n < bank::kFirstSign || n > kLastNumber || record_.picture.isEmpty()) {
        imgObrazek_->hide();
        return;
    }
    QString error;
    const QPixmap picture = loadPicture(paths_, record_.picture, &error);
    if (picture.isNull()) {
        // The question stays readable at full width without its picture.
        imgObrazek_->hide();
        msg::error(this, error);
        return;
    }
    imgObrazek_->setPixmap(picture);
    imgObrazek_->resize(picture.size());
    imgObrazek_->move(n < bank::kFirstJunction ? 530 : 326, 8);
    imgObrazek_->show();
}

void QuestionArea::LayoutText(StaticText* text) {
    const int extra = text == stOtazka_ ? 37 : text == stPoznamka_ ? 17 : 0;
    int width = 580 + extra;
    if (!imgObrazek_->isHidden())
        width -= imgObrazek_->width();
    if (text == stPoznamka_)
        width = 597; // the note never narrows for the picture
    int top = text->y();
    if (StaticText* before = preceding(text))
        top =
            before->y() + before->height() + (text == answers_[0] || text == stPoznamka_ ? 10 : 0);
    // The note keeps its full width, so it goes below a picture rather than under it.
    if (text == stPoznamka_ && !imgObrazek_->isHidden())
        top = std::max(top, imgObrazek_->y() + imgObrazek_->height() + 10);
    const int lines = lineCount(fieldOf(text), text->font(), width);
    text->setGeometry(text->x(), top, width, StaticText::kLineHeight * lines);
}

void QuestionArea::AlignMarks() {
    for (int i = 0; i < 4; ++i) {
        marks_[i]->move(marks_[i]->x(), answers_[i]->y());
        letters_[i]->move(letters_[i]->x(), answers_[i]->y());
        // No letter stands beside an answer the question does not have.
        letters_[i]->setVisible(!record_.answers[i].isEmpty());
    }
}

void QuestionArea::MarkCorrect(const QString& letters) {
    std::array<AnswerMark, 4> marks{};
    for (int i = 0; i < 4; ++i)
        if (letters.contains(QChar(u'A' + i)))
            marks[i] = AnswerMark::Tick;
    showMarks(marks);
}

void QuestionArea::setMarkPictures(const QPixmap& yes, const QPixmap& no, const QPixmap& missed) {
    yes_ = yes;
    no_ = no;
    missed_ = missed;
}

void QuestionArea::showMarks(const std::array<AnswerMark, 4>& marks) {
    for (int i = 0; i < 4; ++i) {
        const AnswerMark m = marks[i];
        marks_[i]->setPixmap(m == AnswerMark::Cross    ? no_
                             : m == AnswerMark::Missed ? missed_
                                                       : yes_);
        marks_[i]->setVisible(m != AnswerMark::None);
        // What the mark says, for a screen reader.
        const QString state = m == AnswerMark::Tick     ? u"označena"_s
                              : m == AnswerMark::Cross  ? u"označena, ale špatná"_s
                              : m == AnswerMark::Missed ? u"správná, ale neoznačena"_s
                                                        : QString();
        marks_[i]->setAccessibleName(u"Odpověď %1: %2"_s.arg(QChar(u'a' + i)).arg(state));
        answers_[i]->setAccessibleDescription(state);
    }
}

void QuestionArea::announce() {
    QStringList answers;
    for (const StaticText* answer : answers_)
        if (!answer->accessibleName().isEmpty())
            answers << answer->accessibleName();
    setAccessibleName(stOtazka_->accessibleName());
    setAccessibleDescription(answers.join(u"; "_s));
    if (hasFocus()) { // the same control, a new question: said again
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
        QAccessibleEvent focused(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    } else {
        setFocus(Qt::OtherFocusReason);
    }
}

void QuestionArea::showVerdict(bool wrong) {
    verdict_->setText(wrong ? u"Špatně"_s : u"Správně"_s);
    setTextColour(verdict_, wrong ? colours::kVerdictWrong : colours::kVerdictRight, kTextContrast);
    verdict_->show();
    verdict_->raise();
    timer1_->start(kVerdictMs);
}

bool QuestionArea::verdictShowing() const {
    return verdict_->isVisible();
}

void QuestionArea::startBrowsing() {
    eCisloO_->setText(u"1"_s);
    ShowQuestion(1);
}

void QuestionArea::setBrowsing(bool on) {
    pProhlizeni_->setVisible(on);
    stPoznamka_->setVisible(on);
}

void QuestionArea::showNote(bool on) {
    stPoznamka_->setVisible(on && !record_.note.isEmpty());
}

void QuestionArea::browse(BrowseStep step) {
    const BrowseMove move = browseMove(eCisloO_->text(), step);
    if (!move.valid) {
        msg::error(this, u"\""_s + eCisloO_->text() + u"\" není platná integer hodnota!"_s);
        eCisloO_->setFocus();
        return;
    }
    if (!move.number)
        return;
    // The box follows only what is really shown.
    if (ShowQuestion(*move.number))
        eCisloO_->setText(QString::number(*move.number));
}

void QuestionArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        emit rightClicked();
    QFrame::mousePressEvent(event);
}

bool QuestionArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == eCisloO_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                browse(BrowseStep::Enter);
                return true;
            }
            // As in any number box, the arrow keys step like the arrow buttons.
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                browse(key == Qt::Key_Up ? BrowseStep::Up : BrowseStep::Down);
                return true;
            }
        }
        return false;
    }
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
        emit rightClicked();
        return true;
    }
    if (mouse->button() == Qt::LeftButton)
        for (int i = 0; i < 4; ++i)
            if (watched == letters_[i] || watched == answers_[i]) {
                emit answerClicked(i);
                return true;
            }
    return false;
}
