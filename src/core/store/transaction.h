#pragma once

#include <QSqlDatabase>

// Rolls back unless committed, so a failed write never leaves half a change.
class Transaction {
  public:
    explicit Transaction(QSqlDatabase db) : db_(db), active_(db_.transaction()) {}
    ~Transaction() {
        if (active_)
            db_.rollback();
    }
    bool started() const { return active_; }
    bool commit() {
        active_ = !db_.commit();
        return !active_;
    }

  private:
    QSqlDatabase db_;
    bool active_;
};
