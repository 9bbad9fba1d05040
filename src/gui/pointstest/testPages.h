#pragma once

// TestPages: the points-test window's pages of questions.

#include "core/pointstest/testScore.h"

#include <QTabWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class PointsTest;
class StaticText;
struct AppPaths;

// The page control pcTest: seven pages List1 to List7 holding the question
// boxes gb1 to gb25, each with its texts, check boxes and picture place.
class TestPages : public QTabWidget {
    Q_OBJECT
  public:
    explicit TestPages(QWidget* parent);

    // Shows the test's questions and fits the boxes to their texts. Returns by
    // how much the pages must grow to hold their boxes; pictures that could
    // not be loaded are described in *problems.
    int FillTest(const PointsTest& test, const AppPaths& paths, QStringList* problems);
    TestTicks ticks() const;
    int pageHeight() const; // the client height of a page at the current size

    QCheckBox* checkBox(int position, int answer) const {
        return boxes_[position - 1].checks[answer];
    }
    QGroupBox* box(int position) const { return boxes_[position - 1].box; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct QuestionBox {
        QGroupBox* box = nullptr;
        std::array<StaticText*, 5> texts{}; // question, then answers a) to d)
        std::array<QCheckBox*, 4> checks{};
        QLabel* picture = nullptr; // only at positions with a picture place
    };
    void buildBox(int position, QWidget* panel);
    void st1AClick(int position, int answer, Qt::MouseButton button);
    void cb1AClick();

    std::array<QuestionBox, testplan::kPositions> boxes_;
};
