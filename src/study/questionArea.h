#pragma once

#include "questions/question.h"

#include <QFrame>
#include <QPixmap>
#include <array>

class QLabel;
class QLineEdit;
class StaticText;
class UpDown;
class QuestionTable;
struct AppPaths;
struct RunState;

// The question area pOtazky: one question with its number, text, answers,
// marks, picture and note, and the browse box used while browsing.
class QuestionArea : public QFrame {
    Q_OBJECT
  public:
    QuestionArea(RunState& run, QuestionTable& table, const AppPaths& paths, QWidget* parent);

    void ShowQuestion(int number);
    void FillQuestion();
    void SetQuestionVisible(bool visible);
    void LayoutText(StaticText* text);
    void AlignMarks();
    void MarkCorrect(const QString& letters);
    static bool NumberIsDigits(const QString& text);

    // The retired notice, shown centred in the area while it is not empty.
    QString caption() const;
    void startBrowsing();
    void setBrowsing(bool on);

    // The answer marks: index 0..3 for A..D.
    QLabel* mark(int index) const { return marks_[index]; }
    void setMarkPictures(const QPixmap& picture);
    QLabel* verdictPanel() const { return verdict_; }

  signals:
    void answerClicked(int index); // left click on a letter or an answer
    void rightClicked();           // right click on the area or a question control

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void eCisloOKeyDown();
    void sb1UpClick();
    void sb1DownClick();
    void refuseNumber();
    void showTyped(int number);
    QString fieldOf(const StaticText* text) const;
    StaticText* preceding(const StaticText* text) const;

    RunState& run_;
    QuestionTable& table_;
    const AppPaths& paths_;
    Question record_;
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
};
