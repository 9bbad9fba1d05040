#pragma once

// HelpPanel: the main window's panel of counters and instructions.

#include "core/study/mode.h"

#include <QFrame>

class QLabel;

// The help panel pPomoc below the question area: the legend of the answer
// marks, the instructions of the mode and the run's counters.
class HelpPanel : public QFrame {
    Q_OBJECT
  public:
    explicit HelpPanel(QWidget* parent);

    // The help panel's part of starting (on) or ending (off) a mode.
    void applyMode(Mode mode, bool on);
    void setProfileAndGroup(const QString& profile, const QString& group);
    void setMarks(const QPixmap& yes, const QPixmap& no, const QPixmap& ignored);

    void setTotal(int count);
    void setRemaining(int count);
    void setSuccess(int percent);

  private:
    void setText(QLabel* label, const QString& text);
    void placeForMode(Mode mode, bool on);
    void fitBetweenLines(QLabel* label);
    static constexpr int kInstructionsRight = 510; // 4 px before the line Cara2

    QLabel *lbInfo_, *imgInfoYes_, *imgInfoNo_, *imgInfoNic_;
    QLabel *lbAno_, *lbNe_, *lbNic_;
    QFrame *cara1_, *cara2_;
    QLabel *lbJakNaTo_, *lbKonecRezimu_, *lbNapoveda_, *lbUzivatel_, *lbSkupina_;
    QLabel *lbCelkemOtazek_, *lbZbyvaOtazek_, *lbUspesnost_;
};
