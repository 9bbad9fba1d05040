#pragma once

// TTestForm, "Test z předpisů o provozu na pozemních komunikacích": the
// window of the timed points test.

#include "core/base/clock.h"
#include "core/base/paths.h"
#include "core/pointstest/pointsTest.h"
#include "core/settings/settings.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;
class QRandomGenerator;
class SchoolLink;
class QStatusBar;
class QTimer;
class EvaluationPage;
class TestPages;
class Speaker;

// The points-test window: draws a test, counts down 30 minutes, scores the
// ticked answers, stores the protocol and shows the evaluation with a review
// of every position.
class TTestForm : public QDialog {
    Q_OBJECT
  public:
    // The whole test, from the draw to the closed window, for the Settings'
    // group and profile; the only lasting effect is the stored protocol.
    // With a speaker, the question whose box takes the focus is read aloud,
    // and R reads it again.
    static void run(const Settings& settings, const AppPaths& paths, const Clock& clock,
                    QRandomGenerator& generator, QWidget* owner, Speaker* speaker = nullptr,
                    SchoolLink* school = nullptr);

    // With a school link, the answers and the protocol also go to the
    // school's server.
    TTestForm(const Settings& settings, const AppPaths& paths, const Clock& clock,
              QWidget* owner = nullptr, Speaker* speaker = nullptr, SchoolLink* school = nullptr);
    ~TTestForm() override;

    // Draws the test and fills the pages; false, after telling the learner
    // why, when no test can be made.
    bool FormCreate(QRandomGenerator& generator);
    // The start message; the countdown runs from the moment it is dismissed.
    void startCountdown();

    void Timer1Timer();
    void btnVyhodnotitClick();
    // A close request by a button, the close box or Esc: during the countdown
    // only after the learner confirms.
    void reject() override;

    PointsTest& test() { return *test_; }
    bool countdownOn() const;
    TestPages* pages() const { return pcTest_; }
    EvaluationPage* evaluationPage() const { return pVyhodnoceni_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // A copy of records just stored here for the school's server, if any.
    void copyForSchool(const TableSchema& table, const QList<Row>& rows);
    bool FormClose();
    // The position whose box holds the focus, 0 when none does.
    int focusedPosition() const;
    void readPosition(int position);
    void loadMarks(QStringList* problems);
    void showEvaluationPage();

    Settings settings_;
    AppPaths paths_;
    Clock clock_;
    SchoolLink* school_ = nullptr;
    std::unique_ptr<PointsTest> test_;
    TestPages* pcTest_;
    QPushButton* btnVyhodnotit_;
    QPushButton* btnZrusit_;
    QStatusBar* stavRadek_;
    std::array<QLabel*, 4> panels_{};
    EvaluationPage* pVyhodnoceni_;
    QTimer* timer1_;
    Speaker* speaker_;
    int lastRead_ = 0; // the position read last, so moving within a box reads nothing
};
