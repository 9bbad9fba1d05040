#pragma once

// QuestionArea: the main window's area of the question shown.

#include "core/questions/question.h"
#include "core/study/browseNumber.h"
#include "core/study/scoring.h"

#include <QFrame>
#include <QPixmap>
#include <array>

class QLabel;
class QLineEdit;
class QTimer;
class StaticText;
class UpDown;
class QuestionTable;
struct AppPaths;

// The question area pOtazky: one question with its number, text, answers,
// marks, picture and note, and the browse box used while browsing. It knows
// the record it shows; what the marks and the verdict say comes from outside.
class QuestionArea : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kVerdictMs = 1500;

    QuestionArea(QuestionTable& table, const AppPaths& paths, QWidget* parent);

    // Loads and shows a question; on a store error tells the learner, keeps
    // the question shown before and answers false.
    bool ShowQuestion(int number);
    const Question& shown() const { return record_; }

    void MarkCorrect(const QString& letters);
    void setMarkPictures(const QPixmap& yes, const QPixmap& no, const QPixmap& missed);
    void showMarks(const std::array<AnswerMark, 4>& marks);
    // "Správně" or "Špatně" for a moment.
    void showVerdict(bool wrong);
    // Takes the focus with the question and its answers as its name and
    // description, so that a screen reader says each new question of a run
    // by itself. Keys still reach the window, which handles them.
    void announce();
    bool verdictShowing() const;

    // The retired notice, shown centred in the area while it is not empty.
    QString caption() const;
    void startBrowsing();
    void setBrowsing(bool on);
    // The why of the question on screen, below its answers (while browsing
    // it is always there).
    void showNote(bool on);

  signals:
    void answerClicked(int index); // left click on a letter or an answer
    void rightClicked();           // right click on the area or a question control
    void questionShown();          // a question (not a retired number) is on screen

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FillQuestion();
    void SetQuestionVisible(bool visible);
    void LayoutText(StaticText* text);
    void AlignMarks();
    void placePicture();
    void browse(BrowseStep step);
    QString fieldOf(const StaticText* text) const;
    StaticText* preceding(const StaticText* text) const;

    QuestionTable& table_;
    const AppPaths& paths_;
    Question record_;
    QPixmap yes_, no_, missed_;
    QLabel* caption_;
    QLabel* lbCisloOtazky_;
    StaticText* stOtazka_;
    std::array<QLabel*, 4> marks_{};
    std::array<QLabel*, 4> letters_{};
    std::array<StaticText*, 4> answers_{};
    StaticText* stPoznamka_;
    QLabel* imgObrazek_;
    QFrame* pProhlizeni_;
    QLineEdit* eCisloO_;
    UpDown* sb1_;
    QLabel* verdict_;
    QTimer* timer1_;
};
