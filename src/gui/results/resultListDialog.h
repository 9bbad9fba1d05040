#pragma once

// TProtocol, "Seznam výsledků procvičování/zkoušení": the results browser.
#include "core/records/resultsTable.h"
#include "core/study/reexamination.h"
#include "gui/results/recordListDialog.h"

#include <optional>

struct Settings;

// The active profile's stored practice or examination results, one kind at a
// time. Deletes one or all of them and opens the detail of one, from which a
// re-examination may be chosen; that choice closes the browser and is handed
// back to the main window.
class TProtocol : public RecordListDialog {
    Q_OBJECT
  public:
    // Shows the browser modally over owner, or tells the learner that no
    // result has been stored yet or that the table cannot be read.
    static std::optional<Reexamination> browse(RunKind kind, const Settings& settings,
                                               const StorePlace& place, QWidget* owner);

  private:
    TProtocol(RunKind kind, const QString& profile, const StorePlace& place, QWidget* owner);

    bool openTable() override { return table_.open(); }
    const StoreError& storeError() const override { return table_.error(); }
    void openRecord(qint64 key) override;
    bool removeRecord(qint64 key) override;
    bool removeAllRecords() override;

    RunKind kind_;
    QString profile_;
    StorePlace place_;
    ResultsTable table_;
    std::optional<Reexamination> chosen_;
};
