#pragma once

#include "base/clock.h"

#include <QDialog>

class QLabel;
class QPushButton;
struct RunState;
struct Settings;

// The evaluation of a finished practice or examination run: its counts, the
// stored record, and the way into a repeat of the wrong answers.
class TResult : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kRepeat = 6;
    static constexpr int kClosed = 2;

    // Sets the dialog up and, as the protocol switch says, writes the record.
    TResult(RunState& run, Settings& settings, bool examination, const QString& folder,
            const Clock& clock, QWidget* owner);

    void reject() override; // the close control ends the run like OK

  private:
    void storeRecord(const QString& folder, const Clock& clock);
    void btnOKClick();
    void btnPrezkousetClick();

    RunState& run_;
    Settings& settings_;
    bool examination_;
    QLabel* lbSoubor_;
};
