#include "core/questions/questionTable.h"

using namespace Qt::StringLiterals;

QuestionTable::QuestionTable(const QString& folder) : store_(schemas::questions(), folder) {}

bool QuestionTable::open() {
    return store_.open(TableStore::Mode::ReadOnly);
}

Question QuestionTable::fromRow(const Row& row) {
    Question q;
    q.number = row.value(0).toInt();
    q.text = row.value(1).toString();
    for (int i = 0; i < 4; ++i)
        q.answers[i] = row.value(2 + i).toString();
    q.correct = row.value(6).toString();
    q.group = row.value(7).toString();
    q.picture = row.value(8).toString();
    q.note = row.value(9).toString();
    return q;
}

std::optional<Question> QuestionTable::question(int number) {
    const auto rows = store_.select({{u"Číslo"_s, Condition::Op::Equal, number}});
    if (!rows)
        return std::nullopt;
    if (rows->isEmpty()) {
        Question empty;
        empty.number = number;
        return empty;
    }
    return fromRow(rows->first());
}

std::optional<QList<Question>> QuestionTable::range(int low, int high) {
    const auto rows = store_.select(
        {{u"Číslo"_s, Condition::Op::Greater, low}, {u"Číslo"_s, Condition::Op::LessOrEqual, high}},
        u"Číslo"_s);
    if (!rows)
        return std::nullopt;
    QList<Question> list;
    for (const Row& row : *rows)
        list << fromRow(row);
    return list;
}

namespace schemas {

const TableSchema& questions() {
    static const TableSchema schema{u"otazky"_s,
                                    {{u"Číslo"_s, FieldType::Integer},
                                     {u"OTÁZKA"_s, FieldType::Memo},
                                     {u"A"_s, FieldType::Memo},
                                     {u"B"_s, FieldType::Memo},
                                     {u"C"_s, FieldType::Memo},
                                     {u"D"_s, FieldType::Memo},
                                     {u"SPRÁVNĚ"_s, FieldType::Text, 4},
                                     {u"Skupina"_s, FieldType::Text, 4},
                                     {u"OBRÁZEK"_s, FieldType::Text, 255},
                                     {u"POZNÁMKA"_s, FieldType::Memo}}};
    return schema;
}

} // namespace schemas
