#include "core/store/sqlText.h"

#include "core/store/storePlace.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace sqltext {

QString quoted(const QString& identifier) {
    return u'"' + QString(identifier).replace(u'"', u"\"\""_s) + u'"';
}

QString serverTable(const QString& name) {
    return quoted(QString::fromLatin1(kServerSchema)) + u'.' + quoted(name);
}

QString sqlType(FieldType type) {
    return type == FieldType::Integer ? u"INTEGER"_s : u"TEXT"_s;
}

// Dates and times are kept as ISO-8601 text, which sorts and compares
// correctly. Never NULL: "= ?" with NULL matches nothing, and a record is
// found by its values (on the school's server too), so a missing text is "".
QVariant toStored(const Field& field, const QVariant& value) {
    if (field.type == FieldType::Integer)
        return value.isNull() ? 0 : value.toLongLong();
    QString text;
    switch (field.type) {
    case FieldType::Date:
        text = value.toDate().toString(Qt::ISODate);
        break;
    case FieldType::Time:
        text = value.toTime().toString(u"HH:mm:ss"_s);
        break;
    case FieldType::DateTime:
        text = value.toDateTime().toString(u"yyyy-MM-ddTHH:mm:ss"_s);
        break;
    case FieldType::Text:
        text = value.toString().left(field.size);
        break;
    case FieldType::Integer:
    case FieldType::Memo:
        text = value.toString();
        break;
    }
    return text.isNull() ? u""_s : text;
}

QVariant fromStored(const Field& field, const QVariant& value) {
    switch (field.type) {
    case FieldType::Integer: // a damaged field's huge number stays huge, never wraps round
        return int(std::clamp<qlonglong>(value.toLongLong(), std::numeric_limits<int>::min(),
                                         std::numeric_limits<int>::max()));
    case FieldType::Date:
        return QDate::fromString(value.toString(), Qt::ISODate);
    case FieldType::Time:
        return QTime::fromString(value.toString(), u"HH:mm:ss"_s);
    case FieldType::DateTime:
        return QDateTime::fromString(value.toString(), u"yyyy-MM-ddTHH:mm:ss"_s);
    case FieldType::Text:
    case FieldType::Memo:
        return value.isNull() ? QString() : value.toString();
    }
    return value;
}

QString whereClause(const TableSchema& schema, const QList<Condition>& where, QVariantList& bound) {
    QStringList terms;
    for (const Condition& c : where) {
        const int index = schema.indexOf(c.field);
        Q_ASSERT_X(index >= 0, "TableStore", "condition on an unknown field");
        const Field& field = schema.fields[index];
        const QString name = quoted(c.field);
        if (c.op == Condition::Op::In) {
            const QVariantList values = c.value.toList();
            QStringList marks;
            for (const QVariant& v : values) {
                marks << u"?"_s;
                bound << toStored(field, v);
            }
            const QString list = u"("_s + marks.join(u", "_s) + u")"_s;
            terms << name + u" IN "_s + list;
            continue;
        }
        static const QString ops[] = {u" = ?"_s, u" > ?"_s, u" <= ?"_s}; // by Op
        terms << name + ops[int(c.op)];
        bound << toStored(field, c.value);
    }
    return terms.isEmpty() ? QString() : u" WHERE "_s + terms.join(u" AND "_s);
}

std::optional<QSqlQuery> boundRead(const QSqlDatabase& db, const QString& sql,
                                   const QVariantList& bound, QSqlError* error) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant& v : bound)
        query.addBindValue(v);
    if (query.exec())
        return query;
    *error = query.lastError();
    return std::nullopt;
}

} // namespace sqltext
