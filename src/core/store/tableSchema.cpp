#include "core/store/tableSchema.h"

int TableSchema::indexOf(const QString& field) const {
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name == field)
            return i;
    return -1;
}
