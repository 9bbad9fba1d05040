#pragma once

#include "core/records/resultRecord.h"
#include "core/store/tableStore.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One confirmed answer of one question, as the history table Odpovedi keeps
// it. A hint counts as an answer that was not right.
struct AnswerRecord {
    QString profile;
    int number = 0;
    QDateTime answered;
    bool right = false;
    bool hint = false;
    RunKind kind = RunKind::Practice;

    Row toRow() const;
    // Reads by field name; nothing for a row whose number or kind is damaged.
    static std::optional<AnswerRecord> fromRow(const Row& row);
};

QList<Row> rowsOf(const QList<AnswerRecord>& answers);

namespace schemas {
const TableSchema& answers(); // Odpovedi
} // namespace schemas

// Appends the answers to Odpovedi in the folder in one transaction, creating
// the table and its index on Profil first when they do not exist yet.
bool appendAnswers(const QString& folder, const QList<AnswerRecord>& answers, StoreError* error);
// What a failed append tells the learner, above the store's own reason.
inline const QString kHistoryNotStored = QStringLiteral(
    "Odpovědi se nepodařilo uložit do historie odpovědí, takže je cvičení nejslabších "
    "otázek a předpověď testu na body nezapočítají.");

// The profile's answers in the order they were given; an empty list when the
// table does not exist yet. Damaged rows are skipped. Outcomes only fills in
// the number, right and hint, which is all a summary needs, and reads much
// less.
enum class AnswerDetail { Full, Outcomes };
std::optional<QList<AnswerRecord>> readAnswers(const StorePlace& place, const QString& profile,
                                               StoreError* error,
                                               AnswerDetail detail = AnswerDetail::Full);
