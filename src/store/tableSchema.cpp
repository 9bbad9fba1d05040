#include "store/tableSchema.h"

using namespace Qt::StringLiterals;

int TableSchema::indexOf(const QString& field) const {
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name == field)
            return i;
    return -1;
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
                                     {u"Uspesnost"_s, FieldType::Integer}}};
    return schema;
}

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
                                     {u"SkutCis"_s, FieldType::Memo}}};
    return schema;
}

} // namespace schemas
