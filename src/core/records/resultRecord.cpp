#include "core/records/resultRecord.h"

using namespace Qt::StringLiterals;

#include <QStringList>

QString numberListText(const QList<int>& numbers) {
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QStringLiteral(", "));
}

QList<int> parseNumberList(const QString& text) {
    QList<int> numbers;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (ok)
            numbers << n;
    }
    return numbers;
}

QString categoryDigits(const std::array<bool, 7>& categories) {
    QString digits;
    for (int i = 0; i < 7; ++i)
        if (categories[i])
            digits += QChar(u'1' + i);
    return digits;
}

Row ResultRecord::toRow() const {
    return Row{kind,
               profile,
               written.date(),
               written.time(),
               group,
               categories,
               questionCount,
               wrongCount,
               numberListText(wrongNumbers),
               hintCount,
               numberListText(hintNumbers),
               successPercent};
}

ResultRecord ResultRecord::fromRow(const Row& row) {
    const TableSchema& schema = schemas::results();
    auto at = [&](const char16_t* field) {
        return row.value(schema.indexOf(QString::fromUtf16(field)));
    };
    ResultRecord r;
    r.kind = at(u"TypTestu").toString();
    r.profile = at(u"Profil").toString();
    r.written = QDateTime(at(u"Datum").toDate(), at(u"Cas").toTime());
    r.group = at(u"Skupina").toString();
    r.categories = at(u"Kategorie").toString();
    r.questionCount = at(u"PocetOtazek").toInt();
    r.wrongCount = at(u"Spatne").toInt();
    r.wrongNumbers = parseNumberList(at(u"SpatneCisla").toString());
    r.hintCount = at(u"SNapovedou").toInt();
    r.hintNumbers = parseNumberList(at(u"SNapovedouCisla").toString());
    r.successPercent = at(u"Uspesnost").toInt();
    return r;
}

bool WriteResultRecord(const QString& folder, const ResultRecord& record, StoreError* error) {
    return TableStore::append(schemas::results(), folder, record.toRow(), error);
}

QString runKindText(RunKind kind) {
    switch (kind) {
    case RunKind::Practice:
        return kPracticeKind;
    case RunKind::Examination:
        return kExaminationKind;
    case RunKind::PointsTest:
        break;
    }
    return kPointsTestKind;
}

std::optional<RunKind> runKindFrom(const QString& text) {
    for (RunKind kind : {RunKind::Practice, RunKind::Examination, RunKind::PointsTest})
        if (text == runKindText(kind))
            return kind;
    return std::nullopt;
}

namespace schemas {

const TableSchema& results() {
    static const TableSchema schema{u"Vysledky"_s,
                                    {{u"TypTestu"_s, FieldType::Text, 15},
                                     {u"Profil"_s, FieldType::Text, 30},
                                     {u"Datum"_s, FieldType::Date},
                                     {u"Cas"_s, FieldType::Time},
                                     {u"Skupina"_s, FieldType::Text, 2},
                                     {u"Kategorie"_s, FieldType::Text, 7},
                                     {u"PocetOtazek"_s, FieldType::Integer},
                                     {u"Spatne"_s, FieldType::Integer},
                                     {u"SpatneCisla"_s, FieldType::Memo},
                                     {u"SNapovedou"_s, FieldType::Integer},
                                     {u"SNapovedouCisla"_s, FieldType::Memo},
                                     {u"Uspesnost"_s, FieldType::Integer}},
                                    {u"Profil"_s, u"TypTestu"_s}};
    return schema;
}

} // namespace schemas
