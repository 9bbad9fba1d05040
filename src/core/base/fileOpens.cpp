#include "core/base/fileOpens.h"

#include <QFile>
#include <QFileInfo>

bool fileOpens(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
}
