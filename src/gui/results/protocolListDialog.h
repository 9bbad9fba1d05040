#pragma once

// TSeznamTestu, "Seznam testů": the list of stored points tests.
#include "core/records/protocolsTable.h"
#include "gui/results/protocolReportDialog.h"
#include "gui/results/recordListDialog.h"

struct Settings;

// The active profile's stored points tests: listed page by page, deleted one
// or all, and opened as their report.
class TSeznamTestu : public RecordListDialog {
    Q_OBJECT
  public:
    // The whole command: tells when there are no protocols yet or the table
    // cannot be read, else shows the list modally, centred on the owner.
    static void browse(const Settings& settings, const StorePlace& place, QWidget* owner,
                       TTestDetailForm::SaveChooser chooser = &TTestDetailForm::chooseSaveFile);

    TSeznamTestu(const QString& profile, const StorePlace& place, QWidget* owner,
                 TTestDetailForm::SaveChooser chooser = &TTestDetailForm::chooseSaveFile);

  private:
    bool openTable() override { return table_.open(); }
    const StoreError& storeError() const override { return table_.error(); }
    void openRecord(qint64 key) override;
    bool removeRecord(qint64 key) override;
    bool removeAllRecords() override;

    QString profile_;
    StorePlace place_;
    ProtocolsTable table_;
    TTestDetailForm::SaveChooser chooser_;
};
