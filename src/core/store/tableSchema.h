#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Field kinds of the program's tables. Dates and times are stored as
// ISO-8601 text, memos as unbounded text.
enum class FieldType { Integer, Text, Date, Time, DateTime, Memo };

struct Field {
    QString name;
    FieldType type;
    int size = 0; // characters; only text fields have one
};

struct TableSchema {
    QString name; // table name; its file is name + ".DB"
    QList<Field> fields;
    // The fields of the index the lists and the purge read through; made with
    // the table, so a table never grows large without it.
    QStringList index = {};

    int indexOf(const QString& field) const;
    QString fileName() const { return name + QStringLiteral(".DB"); }
};
