#pragma once

// EvaluationPage: the points-test window's page of the scored test.

#include <QPixmap>
#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class PointsTest;
class StaticText;
struct AppPaths;

// The evaluation page pVyhodnoceni of a scored test: the input parameters,
// the result, the 7 x 4 table of positions and the review of one position.
class EvaluationPage : public QWidget {
    Q_OBJECT
  public:
    EvaluationPage(const AppPaths& paths, QWidget* parent);

    struct Marks {
        QPixmap yes, no, mistake;
    };
    void setMarks(const Marks& marks);

    void ShowEvaluation(const PointsTest& test, const QString& profile, const QString& group,
                        bool protocolOn);
    void setProtocolText(const QString& text);
    void TabulkaSelectCell(int column, int row);
    void ShowReview();
    void ShowMarks();

    int selectedPosition() const { return selected_; }
    QPushButton* okButton() const { return btnOK_; }

  private:
    QGroupBox* buildInputs();
    QGroupBox* buildResult();
    void buildLegend();
    void buildReview();

    const AppPaths& paths_;
    const PointsTest* test_ = nullptr;
    int selected_ = 1;
    Marks marks_;
    QLabel *lbProfil_, *lbSkupina_, *lbMinPocBod_;
    QLabel *lbCas_, *lbOdpovedi_, *lbDosBod_, *lbUspech_, *lbProtokol_;
    QPushButton* btnOK_;
    QTableWidget* tabulka_;
    QGroupBox* spatnaOtazka_;
    std::array<StaticText*, 5> texts_{}; // Otazka, A, B, C, D
    std::array<QLabel*, 4> letters_{};
    std::array<QLabel*, 4> marksShown_{};
    QLabel* obrazek_;
    std::array<QLabel*, 3> legend_{}; // imgYes, imgNo, imgMistake
};
