#pragma once

#include <QIdentityProxyModel>

// The file list of Qt's own file dialog in Czech: Qt's Czech catalogue lacks
// the file types ("Folder", "txt File"), and the dates follow the system's
// locale, which on many desktops is not Czech.
class CzechFileModel : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override;
};
