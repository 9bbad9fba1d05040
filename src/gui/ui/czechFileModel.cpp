#include "gui/ui/czechFileModel.h"

#include <QFileSystemModel>
#include <QLocale>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

QVariant CzechFileModel::data(const QModelIndex& index, int role) const {
    const QVariant value = QIdentityProxyModel::data(index, role);
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files)
        return value;
    if (index.column() == 3)
        return QLocale(QLocale::Czech, QLocale::CzechRepublic)
            .toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
    if (index.column() != 2)
        return value;
    const QString type = value.toString();
    if (type == u"Folder"_s)
        return u"Složka"_s;
    if (type == u"Drive"_s)
        return u"Jednotka"_s;
    if (type == u"File"_s)
        return u"Soubor"_s;
    static const QRegularExpression suffixed(u"^(\\S+) File$"_s);
    if (const QRegularExpressionMatch m = suffixed.match(type); m.hasMatch())
        return u"Soubor %1"_s.arg(m.captured(1));
    return value;
}
