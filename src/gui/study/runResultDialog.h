#pragma once

// TResult, "Vyhodnocení programu Tarmelka 2003": the end-of-run dialog.

#include "core/records/resultRecord.h"
#include "core/study/practiceRun.h"

#include <QDialog>

struct Settings;

// The evaluation of a finished practice or examination run: its counts,
// what became of its record, and the way into a repeat of the wrong answers.
// It shows values and hands back the learner's choice; it changes nothing.
class TResult : public QDialog {
    Q_OBJECT
  public:
    enum class Choice { Close, Repeat };

    TResult(const RunState& run, const Settings& settings, RunKind kind, RecordOutcome record,
            QWidget* owner);

    Choice ask(); // shows the dialog modally
};
