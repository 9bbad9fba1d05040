#pragma once

#include "core/questions/question.h"
#include "core/store/tableStore.h"

#include <optional>

// The program's read-only view of the question table otazky.DB.
class QuestionTable {
  public:
    explicit QuestionTable(const QString& folder);
    bool open();
    void close() { store_.close(); }
    bool isOpen() const { return store_.isOpen(); }
    const StoreError& error() const { return store_.error(); }

    // The question with that number; an empty record when the table lacks it,
    // nothing on a store error.
    std::optional<Question> question(int number);
    // All questions with number in (low, high], ascending.
    std::optional<QList<Question>> range(int low, int high);

    static Question fromRow(const Row& row);

  private:
    TableStore store_;
};

namespace schemas {
// otazky: the question table, read only.
const TableSchema& questions();
} // namespace schemas
