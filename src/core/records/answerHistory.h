#pragma once

#include "core/pointstest/testScore.h"
#include "core/store/tableStore.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// What kind of run an answer was given in.
enum class AnswerKind { Practice, Examination, PointsTest };

// The texts the history stores for the kinds; the first two are the results
// table's own.
QString answerKindText(AnswerKind kind);
std::optional<AnswerKind> answerKindFrom(const QString& text);

// One confirmed answer of one question, as the history table Odpovedi keeps
// it. A hint counts as an answer that was not right.
struct AnswerRecord {
    QString profile;
    int number = 0;
    QDateTime answered;
    bool right = false;
    bool hint = false;
    AnswerKind kind = AnswerKind::Practice;

    Row toRow() const;
    // Reads by field name; nothing for a row whose number or kind is damaged.
    static std::optional<AnswerRecord> fromRow(const Row& row);
};

// The 25 answers of a scored points test, each right or wrong as scored.
QList<AnswerRecord> pointsTestAnswers(const QString& profile, const TestQuestions& questions,
                                      const TestScore& score, const QDateTime& when);

namespace schemas {
const TableSchema& answers(); // Odpovedi
} // namespace schemas

// Appends the answers to Odpovedi in the folder in one transaction, creating
// the table and its index on Profil first when they do not exist yet.
bool AppendAnswers(const QString& folder, const QList<AnswerRecord>& answers, StoreError* error);
// What a failed append tells the learner, above the store's own reason.
inline const QString kHistoryNotStored = QStringLiteral(
    "Odpovědi se nepodařilo uložit do historie odpovědí, takže je cvičení nejslabších "
    "otázek a předpověď testu na body nezapočítají.");

// The profile's answers in the order they were given; an empty list when the
// table does not exist yet. Damaged rows are skipped. Outcomes only fills in
// the number, right and hint, which is all a summary needs, and reads much
// less.
enum class AnswerDetail { Full, Outcomes };
std::optional<QList<AnswerRecord>> ReadAnswers(const QString& folder, const QString& profile,
                                               StoreError* error,
                                               AnswerDetail detail = AnswerDetail::Full);
