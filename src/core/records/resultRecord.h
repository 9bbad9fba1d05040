#pragma once

#include "core/store/tableStore.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <optional>

// "12, 45, 301": question numbers as the results table stores them.
QString numberListText(const QList<int>& numbers);
QList<int> parseNumberList(const QString& text);
// "137": the digits of the enabled categories in ascending order.
QString categoryDigits(const std::array<bool, 7>& categories);

// The kind of run a record comes from, and the text the tables store for it.
enum class RunKind { Practice, Examination, PointsTest };
inline const QString kPracticeKind = QStringLiteral("Procvičování");
inline const QString kExaminationKind = QStringLiteral("Zkoušení");
inline const QString kPointsTestKind = QStringLiteral("Test na body");
QString runKindText(RunKind kind);
std::optional<RunKind> runKindFrom(const QString& text);

// One finished practice or examination run, as the results table keeps it.
struct ResultRecord {
    QString kind; // kPracticeKind or kExaminationKind
    QString profile;
    QDateTime written;
    QString group;
    QString categories;
    int questionCount = 0;
    int wrongCount = 0;
    QList<int> wrongNumbers;
    int hintCount = 0;
    QList<int> hintNumbers;
    int successPercent = 0;

    Row toRow() const;
    // Reads a stored row by field name, so a reordered schema cannot shift values.
    static ResultRecord fromRow(const Row& row);
};

// What became of the record of a finished run.
enum class RecordOutcome { Written, SwitchedOff, DeclinedRepeat, Failed };

// Appends the record to Vysledky in the folder, creating the table first
// when it does not exist yet.
bool WriteResultRecord(const QString& folder, const ResultRecord& record, StoreError* error);

namespace schemas {
// Vysledky: one record per finished practice or examination.
const TableSchema& results();
} // namespace schemas
