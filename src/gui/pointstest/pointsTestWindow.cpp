#include "gui/pointstest/pointsTestWindow.h"

#include "core/school/schoolLink.h"

#include "core/pointstest/testTime.h"
#include "core/questions/bank.h"
#include "core/questions/questionTable.h"
#include "core/records/answerHistory.h"
#include "core/school/schoolLink.h"
#include "core/speech/spokenText.h"
#include "gui/pointstest/evaluationPage.h"
#include "gui/pointstest/testPages.h"
#include "gui/ui/centring.h"
#include "gui/ui/fonts.h"
#include "gui/ui/messages.h"
#include "gui/ui/pictures.h"
#include "gui/ui/speaker.h"
#include "gui/ui/widgets.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
constexpr int kWidth = 772;
constexpr int kHeight = 546;
constexpr int kEvaluatedHeight = 554; // an outer height of 580 less caption and border
constexpr int kButtonTop = 500;
constexpr int kPagesHeight = 497;

const QString kTestCaption = u"Test z předpisů o provozu na pozemních komunikacích"_s;
const QString kEvaluationCaption =
    u"Vyhodnocení testu z předpisů o provozu na pozemních komunikacích"_s;

QPushButton* button(QWidget* parent, const char* name, const QString& text, int left) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, kButtonTop, 193, 25);
    b->setAutoDefault(false); // Enter on a check box must not end the test
    return b;
}
} // namespace

void TTestForm::run(const Settings& settings, const AppPaths& paths, const Clock& clock,
                    QRandomGenerator& generator, QWidget* owner, Speaker* speaker,
                    SchoolLink* school) {
    TTestForm form(settings, paths, clock, owner, speaker, school);
    if (!form.FormCreate(generator))
        return;
    form.startCountdown();
    form.exec();
}

TTestForm::TTestForm(const Settings& settings, const AppPaths& paths, const Clock& clock,
                     QWidget* owner, Speaker* speaker, SchoolLink* school)
    : QDialog(owner), settings_(settings), paths_(paths), clock_(clock), school_(school),
      speaker_(speaker) {
    if (speaker_)
        connect(qApp, &QApplication::focusChanged, this, [this] {
            if (const int position = focusedPosition(); position && position != lastRead_)
                readPosition(position);
        });
    setObjectName(u"TTestForm"_s);
    setWindowTitle(kTestCaption);
    setWindowFlags(kDialogFlags);
    setFont(windowFont());
    paintBackground(this, colours::kFace);
    setFixedSize(kWidth, kHeight);

    pcTest_ = new TestPages(this);
    pcTest_->setGeometry(0, 0, kWidth, kPagesHeight);
    btnVyhodnotit_ = button(this, "btnVyhodnotit", u"&Vyhodnotit test"_s, 160);
    btnZrusit_ = button(this, "btnZrusit", u"&Ukončit test"_s, 416);
    connect(btnVyhodnotit_, &QPushButton::clicked, this, &TTestForm::btnVyhodnotitClick);
    connect(btnZrusit_, &QPushButton::clicked, this, &TTestForm::close);

    stavRadek_ = new QStatusBar(this);
    stavRadek_->setObjectName(u"StavRadek"_s);
    stavRadek_->setSizeGripEnabled(false);
    stavRadek_->setGeometry(0, kButtonTop + 25, kWidth, kHeight - kButtonTop - 25);
    const QString texts[4] = {u"Uživatel: "_s, u"Skupina: "_s, u"Minimální potřeba bodů: "_s,
                              u"Čas do konce: "_s};
    for (int i = 0; i < 4; ++i) {
        panels_[i] = new QLabel(texts[i], stavRadek_);
        panels_[i]->setObjectName(u"StavRadekPanel%1"_s.arg(i));
        panels_[i]->setFixedWidth(193);
        panels_[i]->setAlignment(Qt::AlignCenter);
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panels_[i]->setTextFormat(Qt::PlainText); // a profile name is shown as typed
        stavRadek_->addWidget(panels_[i]);
    }

    pVyhodnoceni_ = new EvaluationPage(paths_, this);
    pVyhodnoceni_->hide();
    connect(pVyhodnoceni_->okButton(), &QPushButton::clicked, this, &TTestForm::close);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(u"Timer1"_s);
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &TTestForm::Timer1Timer);
}

TTestForm::~TTestForm() {
    // The focus moves while QDialog takes the children down, when this is no
    // TTestForm any more: nothing may read it then.
    disconnect(qApp, nullptr, this, nullptr);
}

bool TTestForm::FormCreate(QRandomGenerator& generator) {
    panels_[0]->setText(u"Uživatel: "_s + settings_.activeProfile);
    panels_[1]->setText(u"Skupina: "_s + settings_.group);
    const std::optional<int> minPoints = testplan::MinPointsForGroup(settings_.group);
    if (!minPoints) {
        msg::error(
            parentWidget(),
            u"Pro skupinu \"%1\" není stanoven minimální počet bodů, test nelze "
            u"vytvořit. Zvolte v nastavení jednu z nabízených skupin."_s.arg(settings_.group));
        return false;
    }
    panels_[2]->setText(u"Minimální potřeba bodů: "_s + QString::number(*minPoints));
    panels_[3]->setText(u"Čas do konce: "_s + FormatMinSec(testplan::kTimeLimit));

    QuestionTable table(paths_.dataFolder);
    const auto questions =
        table.open() ? table.range(0, bank::kQuestionCount) : std::optional<QList<Question>>();
    if (!questions) {
        msg::error(parentWidget(), table.error().message());
        return false;
    }
    DrawShortage shortage;
    const auto drawn = DrawTest(*questions, settings_.group, generator, &shortage);
    if (!drawn) {
        msg::error(parentWidget(), shortage.message());
        return false;
    }
    test_ = std::make_unique<PointsTest>(*drawn, *minPoints);

    QStringList problems;
    loadMarks(&problems);
    const int growth = pcTest_->FillTest(*test_, paths_, &problems);
    setFixedSize(kWidth, kHeight + growth);
    pcTest_->resize(kWidth, kPagesHeight + growth);
    for (QWidget* w : {static_cast<QWidget*>(btnVyhodnotit_), static_cast<QWidget*>(btnZrusit_)})
        w->move(w->x(), kButtonTop + growth);
    stavRadek_->move(0, stavRadek_->y() + growth);
    centreOnScreen(this);
    if (!problems.isEmpty())
        msg::error(parentWidget(),
                   problems.join(u'\n') + u"\n\nTest poběží dál, ale bez těchto obrázků."_s);
    return true;
}

void TTestForm::loadMarks(QStringList* problems) {
    auto load = [&](const QString& stored) { return loadPicture(paths_, stored, *problems); };
    pVyhodnoceni_->setMarks(
        {load(u"grafika\\yes.jpg"_s), load(u"grafika\\no.jpg"_s), load(u"grafika\\mistake.jpg"_s)});
}

void TTestForm::startCountdown() {
    msg::info(parentWidget(),
              u"Po stisknutí tlačítka OK začne plynout doba 30 minut, která je dostatečně dlouhá "
              u"pro vyřešení testu.\nV případě, že budete hotovi dřív, stiskněte tlačítko "
              u"\"Vyhodnotit test\"!"_s);
    test_->start(clock_());
    timer1_->start();
}

bool TTestForm::countdownOn() const {
    return timer1_->isActive();
}

void TTestForm::Timer1Timer() {
    if (!test_ || test_->evaluated())
        return;
    const bool timeUp = test_->tick();
    panels_[3]->setText(u"Čas do konce: "_s + FormatMinSec(test_->remainingSeconds()));
    if (timeUp)
        btnVyhodnotitClick();
}

void TTestForm::btnVyhodnotitClick() {
    if (!test_ || test_->evaluated())
        return;
    timer1_->stop();
    test_->evaluate(pcTest_->ticks());
    StoreError historyError;
    const QList<AnswerRecord> answers =
        pointsTestAnswers(settings_.activeProfile, test_->questions(), test_->score(), clock_());
    const bool historyStored = appendAnswers(paths_.userFolder, answers, &historyError);
    if (historyStored)
        copyForSchool(schemas::answers(), rowsOf(answers));
    const bool protocolOn = settings_.protocols[2];
    pVyhodnoceni_->ShowEvaluation(*test_, settings_.activeProfile, settings_.group, protocolOn);
    msg::info(this, test_->resultMessage());
    if (!historyStored) // told after the result, which matters more
        msg::error(this, historyError.message(kHistoryNotStored));
    if (protocolOn) {
        StoreError error;
        const ProtocolRecord protocol = test_->protocol(settings_.activeProfile, settings_.group);
        if (!WriteProtocol(paths_.userFolder, protocol, &error)) {
            msg::error(this, error.message());
            pVyhodnoceni_->setProtocolText(u"Protokol z testu se nepodařilo uložit."_s);
        } else {
            copyForSchool(schemas::protocols(), {protocol.toRow()});
        }
    }
    // The evaluation page is shown whatever became of the protocol, so the test
    // cannot be scored and stored a second time.
    showEvaluationPage();
}

void TTestForm::copyForSchool(const TableSchema& table, const QList<Row>& rows) {
    StoreError error;
    if (school_ && !school_->queue(table, rows, &error))
        msg::error(this, error.message(kNotQueuedForSchool));
}

void TTestForm::showEvaluationPage() {
    pcTest_->hide();
    stavRadek_->hide();
    btnVyhodnotit_->setEnabled(false);
    btnZrusit_->setEnabled(false);
    setFixedSize(kWidth, kEvaluatedHeight);
    pVyhodnoceni_->setGeometry(rect());
    pVyhodnoceni_->show();
    pVyhodnoceni_->raise();
    setWindowTitle(kEvaluationCaption);
    pVyhodnoceni_->okButton()->setFocus();
}

bool TTestForm::FormClose() {
    return !countdownOn() || msg::ask(this, u"Opravdu chcete ukončit tento test?"_s);
}

void TTestForm::reject() {
    if (FormClose())
        QDialog::reject();
}

int TTestForm::focusedPosition() const {
    const QWidget* focus = QApplication::focusWidget();
    for (int p = 1; test_ && focus && p <= testplan::kPositions; ++p)
        if (pcTest_->box(p)->isAncestorOf(focus))
            return p;
    return 0;
}

void TTestForm::readPosition(int position) {
    lastRead_ = position;
    Question q = test_->questions()[position - 1];
    q.number = position; // the learner knows the question by its place in the test
    speaker_->say(speech::questionSpeech(q));
}

void TTestForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_R && speaker_ && focusedPosition())
        return readPosition(focusedPosition());
    QDialog::keyPressEvent(event);
}
