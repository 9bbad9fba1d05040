#include "ui/pictures.h"

#include "base/jpegImage.h"
#include "base/paths.h"

#include <QFileInfo>

QPixmap loadPicture(const AppPaths& paths, const QString& stored, QString* error) {
    const QString path = paths.resolve(stored);
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("Obrázek %1 neleží ve složce grafika programu, a proto se "
                                    "nezobrazí.")
                         .arg(stored);
        return {};
    }
    if (!QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("Obrázek %1 nebyl nalezen.").arg(stored);
        return {};
    }
    const QImage image = jpeg::load(path, error);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}
