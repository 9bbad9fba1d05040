#pragma once

#include "core/study/reexamination.h"
#include "core/records/resultsTable.h"

#include <QDialog>

#include <optional>

class KeyedListModel;
class QPushButton;
class RecordGrid;
struct Settings;

// The results browser: the active profile's stored practice or examination
// results, one kind at a time. Deletes one or all of them and opens the
// detail of one, from which a re-examination may be chosen; that choice
// closes the browser and is handed back to the main window.
class TProtocol : public QDialog {
    Q_OBJECT
  public:
    // Shows the browser modally over owner, or tells the learner that no
    // result has been stored yet or that the table cannot be read.
    static std::optional<Reexamination> browse(RunKind kind, const Settings& settings,
                                               const QString& workFolder, QWidget* owner);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TProtocol(RunKind kind, const QString& profile, ResultsTable& table, QWidget* owner);

    bool load(); // the first page; false on a store error
    void updateButtons();
    void showStoreError(const QString& what);
    void btnPodrobnostiClick();
    void btnVymazatClick();
    void btnVymazatVseClick();

    RunKind kind_;
    QString profile_;
    ResultsTable& table_;
    KeyedListModel* model_ = nullptr;
    RecordGrid* DBGrid1_ = nullptr;
    QPushButton* btnPodrobnosti_ = nullptr;
    QPushButton* btnVymazat_ = nullptr;
    QPushButton* btnVymazatVse_ = nullptr;
    std::optional<Reexamination> chosen_;
};
