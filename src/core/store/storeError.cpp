#include "core/store/tableStore.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {
// The common SQLite result codes, told in Czech.
QString explained(int code) {
    if (code == StoreError::kServer)
        return u"Server školy požadavek nepřijal, nebo s ním bylo přerušeno spojení."_s;
    switch (code == StoreError::kReadOnlyFolder ? code : code & 0xff) {
    case 3:  // SQLITE_PERM
    case 23: // SQLITE_AUTH
        return u"Program nemá k souboru potřebná oprávnění."_s;
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return u"Soubor právě používá jiný program."_s;
    case 8: // SQLITE_READONLY
        return u"Soubor je jen pro čtení, nelze do něj zapisovat."_s;
    case 10: // SQLITE_IOERR
        return u"Při čtení nebo zápisu na disk došlo k chybě."_s;
    case 11: // SQLITE_CORRUPT
        return u"Soubor je poškozen."_s;
    case 13: // SQLITE_FULL
        return u"Disk je plný."_s;
    case 14: // SQLITE_CANTOPEN
        return u"Soubor nelze otevřít."_s;
    case StoreError::kReadOnlyFolder:
        return u"Složka programu je jen pro čtení: vedle tabulky nelze vytvořit pomocný soubor, "
               u"a proto do ní nelze zapisovat."_s;
    case 26: // SQLITE_NOTADB
        return u"Soubor není tabulkou programu: je poškozen, nebo jde o jiný soubor."_s;
    default:
        return u"Tabulku nelze použít."_s;
    }
}
} // namespace

QString StoreError::message(const QString& what) const {
    QStringList lines;
    if (!what.isEmpty())
        lines << what;
    lines << u"Tabulka: "_s + file;
    if (code == 0) {
        lines << text;
    } else {
        lines << explained(code);
        if (!text.trimmed().isEmpty())
            lines << u"Podrobnosti: "_s + text.trimmed();
    }
    return lines.join(u'\n');
}
