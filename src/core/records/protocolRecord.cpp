#include "core/records/protocolRecord.h"

#include <QStringList>

using namespace Qt::StringLiterals;

QString joinMemo(const MemoItems& items) {
    return QStringList(items.begin(), items.end()).join(u' ');
}

MemoItems splitMemo(const QString& text) {
    MemoItems items;
    const QStringList parts = text.split(u' ');
    for (int i = 0; i < testplan::kPositions && i < parts.size(); ++i)
        items[i] = parts[i];
    // A damaged memo with more separators keeps what follows in its last item.
    if (parts.size() > testplan::kPositions)
        items[testplan::kPositions - 1] = parts.mid(testplan::kPositions - 1).join(u' ');
    return items;
}

Row ProtocolRecord::toRow() const {
    return Row{profile,
               started,
               group,
               duration,
               correctCount,
               points,
               minPoints,
               verdict,
               joinMemo(positionPoints),
               joinMemo(givenAnswers),
               joinMemo(correctAnswers),
               joinMemo(questionNumbers)};
}

ProtocolRecord ProtocolRecord::fromRow(const Row& row) {
    const auto text = [&](int i) { return row.value(i).toString(); };
    ProtocolRecord r;
    r.profile = text(0);
    const QVariant started = row.value(1);
    r.started = started.typeId() == QMetaType::QDateTime
                    ? started.toDateTime()
                    : QDateTime::fromString(started.toString(), Qt::ISODate);
    r.group = text(2);
    r.duration = text(3);
    r.correctCount = row.value(4).toInt();
    r.points = row.value(5).toInt();
    r.minPoints = row.value(6).toInt();
    r.verdict = text(7);
    r.positionPoints = splitMemo(text(8));
    r.givenAnswers = splitMemo(text(9));
    r.correctAnswers = splitMemo(text(10));
    r.questionNumbers = splitMemo(text(11));
    return r;
}

bool WriteProtocol(const QString& folder, const ProtocolRecord& record, StoreError* error) {
    return TableStore::append(schemas::protocols(), folder, record.toRow(), error);
}

namespace schemas {

const TableSchema& protocols() {
    static const TableSchema schema{u"Protokoly"_s,
                                    {{u"Profil"_s, FieldType::Text, 30},
                                     {u"DatumACas"_s, FieldType::DateTime},
                                     {u"Skupina"_s, FieldType::Text, 2},
                                     {u"DelkaTestu"_s, FieldType::Text, 5},
                                     {u"Spravne"_s, FieldType::Integer},
                                     {u"PocetBodu"_s, FieldType::Integer},
                                     {u"MinPocetBodu"_s, FieldType::Integer},
                                     {u"Verdikt"_s, FieldType::Text, 8},
                                     {u"Body"_s, FieldType::Memo},
                                     {u"Odpoved"_s, FieldType::Memo},
                                     {u"SpravnaOdpoved"_s, FieldType::Memo},
                                     {u"SkutCis"_s, FieldType::Memo}},
                                    {u"Profil"_s}};
    return schema;
}

} // namespace schemas
