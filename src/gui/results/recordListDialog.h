#pragma once

#include "core/records/recordTable.h"

#include <QDialog>

class KeyedListModel;
class QPushButton;
class RecordGrid;

// What both record lists share (the results browser and the list of points
// tests): a grid of the profile's records fetched page by page, and buttons
// that open the current record, delete it, or delete them all. A subclass
// names its table's verbs and builds its own controls; a fix here reaches
// both lists.
class RecordListDialog : public QDialog {
    Q_OBJECT
  public:
    // What the list tells when a step fails.
    struct Texts {
        QString loadFailed;      // the first page
        QString moreFailed;      // a later page
        QString openFailed;      // reading the current record again
        QString gone;            // the current record has left the table
        QString removeFailed;    // one record
        QString removeAllFailed; // all of them
    };

    // Opens the table and fetches the first page; false with the error
    // already shown to the learner over the owner.
    bool load();

  protected:
    RecordListDialog(QWidget* owner, Texts texts);
    ~RecordListDialog() override;

    // The grid over model, at its place with its column widths.
    void setGrid(KeyedListModel* model, const QRect& place, const QList<int>& widths);
    void setButtons(QPushButton* open, QPushButton* removeOne, QPushButton* removeAll);
    // Enter on a row opens it rather than reaching the dialog's buttons.
    void openOnEnter();
    // After a lookup: true when the record was found, else the failure told.
    bool found(Lookup lookup);
    void showStoreError(const QString& what);
    RecordGrid* grid() const { return grid_; }
    qint64 currentKey() const;

    virtual bool openTable() = 0;
    virtual const StoreError& storeError() const = 0;
    virtual void openRecord(qint64 key) = 0;
    virtual bool removeRecord(qint64 key) = 0;
    virtual bool removeAllRecords() = 0;

    // A record deleted in this PC's own table while the school's server
    // could not be reached may still wait to be sent; it goes from there too
    // (the first identical one, or all that match).
    void forgetWaiting(const StorePlace& place, const TableSchema& table,
                       const QList<Condition>& equal, bool all);
    void forgetWaiting(const StorePlace& place, const TableSchema& table, const Row& record);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void openCurrent();
    void removeCurrent();
    void removeAll();
    void updateButtons();

    Texts texts_;
    KeyedListModel* model_ = nullptr;
    RecordGrid* grid_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* removeOne_ = nullptr;
    QPushButton* removeAll_ = nullptr;
};
