#pragma once

#include "core/records/protocolsTable.h"
#include "gui/results/protocolReportDialog.h"

#include <QDialog>

class KeyedListModel;
class QPushButton;
class RecordGrid;
struct Settings;

// The active profile's stored points tests: listed page by page, deleted one
// or all, and opened as their report.
class TSeznamTestu : public QDialog {
    Q_OBJECT
  public:
    // The whole command: tells when there are no protocols yet or the table
    // cannot be read, else shows the list modally, centred on the owner.
    static void browse(const Settings& settings, const QString& workFolder, QWidget* owner,
                       TTestDetailForm::SaveChooser chooser = &TTestDetailForm::chooseSaveFile);

    TSeznamTestu(const QString& profile, const QString& workFolder, QWidget* owner,
                 TTestDetailForm::SaveChooser chooser = &TTestDetailForm::chooseSaveFile);
    // Opens the table and fetches the first page; false with the error
    // already shown to the learner.
    bool load();

  private:
    void btnDetailClick();
    void btnVymazClick();
    void btnVymazVseClick();
    void showStoreError(const QString& what);
    void updateButtons();

    QString profile_;
    ProtocolsTable table_;
    TTestDetailForm::SaveChooser chooser_;
    KeyedListModel* model_ = nullptr;
    RecordGrid* DBGrid1_ = nullptr;
    QPushButton* btnDetail_ = nullptr;
    QPushButton* btnVymaz_ = nullptr;
    QPushButton* btnVymazVse_ = nullptr;
};
