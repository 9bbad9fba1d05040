#pragma once

#include <QTableView>

#include <functional>

class KeyedListModel;

// The grid of a record list: whole rows selected one at a time, read-only,
// columns of fixed widths, and the current record kept marked while a button
// has the focus. Rows come from a keyed model page by page.
class RecordGrid : public QTableView {
    Q_OBJECT
  public:
    RecordGrid(QWidget* parent, KeyedListModel* model, const QRect& place,
               const QList<int>& widths);

    int currentRow() const;
    void selectRow(int row);
    // Deletes the current record through remove (given its key); on success
    // the next record becomes current, or the previous one at the end.
    // False when remove failed; nothing changes then.
    bool removeCurrent(const std::function<bool(qint64)>& remove);

  private:
    KeyedListModel* model_;
};
