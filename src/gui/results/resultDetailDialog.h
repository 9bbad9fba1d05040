#pragma once

// TDetail, "<kind> - <date>, <time>": the detail of one stored result.

#include "core/records/resultRecord.h"
#include "core/study/reexamination.h"

#include <QDialog>

#include <optional>

class QPushButton;

// The detail of one stored practice or examination result: its group, the
// categories it drew from, its counts and, on request, the numbers of its
// wrong and hinted questions. It changes nothing; a re-examination of those
// questions is handed back for the main window to start.
class TDetail : public QDialog {
    Q_OBJECT
  public:
    TDetail(const ResultRecord& result, RunKind kind, QWidget* owner);

    // Shows the detail modally, centred on its owner.
    static std::optional<Reexamination> run(const ResultRecord& result, RunKind kind,
                                            QWidget* owner);
    const std::optional<Reexamination>& chosen() const { return chosen_; }

  private:
    void btnZ1Click();
    void btnZ2Click();
    void btnPrezkousetClick();

    ResultRecord result_;
    RunKind kind_;
    std::optional<Reexamination> chosen_;
};
