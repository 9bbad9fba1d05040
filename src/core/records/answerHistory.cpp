#include "core/records/answerHistory.h"

#include "core/questions/bank.h"
#include "core/records/resultRecord.h"

using namespace Qt::StringLiterals;

namespace {
// The moment is kept as the same ISO text the store writes for its date-time
// fields, but read by hand: Qt's parsing by format costs more than all the
// rest of reading a history of a hundred thousand answers.
QString momentText(const QDateTime& when) {
    const QDate d = when.date();
    const QTime t = when.time();
    return u"%1-%2-%3T%4:%5:%6"_s.arg(d.year(), 4, 10, QChar(u'0'))
        .arg(d.month(), 2, 10, QChar(u'0'))
        .arg(d.day(), 2, 10, QChar(u'0'))
        .arg(t.hour(), 2, 10, QChar(u'0'))
        .arg(t.minute(), 2, 10, QChar(u'0'))
        .arg(t.second(), 2, 10, QChar(u'0'));
}

QDateTime momentFrom(const QString& text) {
    // yyyy-MM-ddTHH:mm:ss
    static constexpr int kDigits[] = {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18};
    if (text.size() != 19)
        return {};
    int v[14];
    for (int i = 0; i < 14; ++i) {
        const QChar c = text[kDigits[i]];
        if (!c.isDigit())
            return {};
        v[i] = c.digitValue();
    }
    const QDate date(v[0] * 1000 + v[1] * 100 + v[2] * 10 + v[3], v[4] * 10 + v[5],
                     v[6] * 10 + v[7]);
    const QTime time(v[8] * 10 + v[9], v[10] * 10 + v[11], v[12] * 10 + v[13]);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}
} // namespace

namespace schemas {
const TableSchema& answers() {
    static const TableSchema schema{u"Odpovedi"_s,
                                    {{u"Profil"_s, FieldType::Text, 30},
                                     {u"Cislo"_s, FieldType::Integer},
                                     {u"DatumACas"_s, FieldType::Text, 19},
                                     {u"Spravne"_s, FieldType::Integer},
                                     {u"Napoveda"_s, FieldType::Integer},
                                     {u"TypTestu"_s, FieldType::Text, 15}},
                                    {u"Profil"_s}};
    return schema;
}
} // namespace schemas

Row AnswerRecord::toRow() const {
    return Row{profile,       number,       momentText(answered),
               right ? 1 : 0, hint ? 1 : 0, runKindText(kind)};
}

std::optional<AnswerRecord> AnswerRecord::fromRow(const Row& row) {
    const TableSchema& schema = schemas::answers();
    auto at = [&](const char16_t* field) {
        return row.value(schema.indexOf(QString::fromUtf16(field)));
    };
    bool numberOk = false;
    AnswerRecord r;
    r.profile = at(u"Profil").toString();
    r.number = at(u"Cislo").toInt(&numberOk);
    r.answered = momentFrom(at(u"DatumACas").toString());
    r.right = at(u"Spravne").toInt() != 0;
    r.hint = at(u"Napoveda").toInt() != 0;
    const auto kind = runKindFrom(at(u"TypTestu").toString());
    if (!numberOk || !bank::categoryOf(r.number) || !kind)
        return std::nullopt;
    r.kind = *kind;
    return r;
}

QList<Row> rowsOf(const QList<AnswerRecord>& answers) {
    QList<Row> rows;
    rows.reserve(answers.size());
    for (const AnswerRecord& a : answers)
        rows << a.toRow();
    return rows;
}

bool appendAnswers(const QString& folder, const QList<AnswerRecord>& answers, StoreError* error) {
    if (answers.isEmpty())
        return true;
    TableStore store(schemas::answers(), folder);
    if (store.open(TableStore::Mode::CreateIfMissing) && store.insert(rowsOf(answers)))
        return true;
    if (error)
        *error = store.error();
    return false;
}

std::optional<QList<AnswerRecord>> readAnswers(const StorePlace& place, const QString& profile,
                                               StoreError* error, AnswerDetail detail) {
    if (!TableStore::fileExists(schemas::answers(), place))
        return QList<AnswerRecord>{};
    TableStore store(schemas::answers(), place);
    const QList<Condition> mine{{u"Profil"_s, Condition::Op::Equal, profile}};
    std::optional<QList<AnswerRecord>> answers;
    if (store.open(TableStore::Mode::Existing) && store.ensureIndex(schemas::answers().index)) {
        if (detail == AnswerDetail::Outcomes) {
            if (const auto rows = store.fields(mine, {u"Cislo"_s, u"Spravne"_s, u"Napoveda"_s})) {
                answers.emplace();
                answers->reserve(rows->size());
                for (const Row& r : *rows) {
                    AnswerRecord a;
                    a.number = r[0].toInt();
                    a.right = r[1].toInt() != 0;
                    a.hint = r[2].toInt() != 0;
                    if (bank::categoryOf(a.number))
                        answers->append(a);
                }
            }
        } else if (const auto rows = store.page(mine)) {
            answers.emplace();
            answers->reserve(rows->size());
            for (const KeyedRow& r : *rows)
                if (auto a = AnswerRecord::fromRow(r.row))
                    answers->append(*a);
        }
    }
    if (!answers && error)
        *error = store.error();
    return answers;
}
