#pragma once

#include "core/questions/testPlan.h"
#include "core/store/tableStore.h"

#include <QDateTime>
#include <QString>

#include <array>

inline const QString kPassedVerdict = QStringLiteral("Prošel");
inline const QString kFailedVerdict = QStringLiteral("Neprošel");

// The four per-position texts of a protocol hold one item per position,
// joined by single spaces; an unanswered position is an empty item.
using MemoItems = std::array<QString, testplan::kPositions>;
QString joinMemo(const MemoItems& items);
// Always 25 items: a damaged text is padded with empty items or cut after the 25th.
MemoItems splitMemo(const QString& text);

// One finished points test, as the protocol table keeps it.
struct ProtocolRecord {
    QString profile;
    QDateTime started;
    QString group;
    QString duration; // "mm:ss"
    int correctCount = 0;
    int points = 0;
    int minPoints = 0;
    QString verdict; // kPassedVerdict or kFailedVerdict
    MemoItems positionPoints;
    MemoItems givenAnswers;
    MemoItems correctAnswers;
    MemoItems questionNumbers;

    Row toRow() const;
    // Missing or damaged fields read as empty values, never as a failure.
    static ProtocolRecord fromRow(const Row& row);
};

// Appends the record to Protokoly in the folder in one transaction, creating
// the table first when it does not exist yet.
bool WriteProtocol(const QString& folder, const ProtocolRecord& record, StoreError* error);

namespace schemas {
// Protokoly: one record per evaluated points test.
const TableSchema& protocols();
} // namespace schemas
