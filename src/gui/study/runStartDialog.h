#pragma once

// TDotazPZ, "Dotaz programu Tarmelka 2003": the start dialog of a run.

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;

// The start dialog of a practice or examination: how many questions, and in
// sequential order from which position of the selectable set.
class TDotazPZ : public QDialog {
    Q_OBJECT
  public:
    TDotazPZ(bool examination, bool randomOrder, int total, QWidget* owner);

    int count() const; // position of sbPocet
    int start() const; // position of sbOtazka

    void reject() override; // there is no cancel: any way of closing confirms

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void sbPocetChange(int position);
    void sbOtazkaChange(int position);
    void setQuietly(QScrollBar* bar, int position);

    int total_;
    bool programmatic_ = false; // positions set by the dialog itself do not couple
    QLabel* lbNadpis_;
    QLabel* lbPocet_;
    QLabel* lbOtazka_;
    QScrollBar* sbPocet_;
    QScrollBar* sbOtazka_;
    QPushButton* btnPotvrdit_;
};
