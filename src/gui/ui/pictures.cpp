#include "gui/ui/pictures.h"

#include "core/base/jpegImage.h"
#include "core/base/paths.h"

#include <QFileInfo>
#include <QPainter>
#include <QPolygonF>

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

QPixmap drawnMark(DrawnMark mark) {
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = mark == DrawnMark::Tick    ? QColor(0, 128, 0)
                          : mark == DrawnMark::Cross ? QColor(255, 0, 0)
                                                     : QColor(224, 120, 0);
    p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (mark) {
    case DrawnMark::Tick:
        p.drawPolyline(QPolygonF({{3.5, 9.5}, {7.5, 13.5}, {14.5, 4.5}}));
        break;
    case DrawnMark::Cross:
        p.drawLine(QPointF(4, 4), QPointF(14, 14));
        p.drawLine(QPointF(14, 4), QPointF(4, 14));
        break;
    case DrawnMark::Missed:
        p.setPen(QPen(colour, 2));
        p.drawEllipse(QPointF(9, 9), 7.2, 7.2);
        p.drawLine(QPointF(9, 4.5), QPointF(9, 10));
        p.drawPoint(QPointF(9, 13));
        break;
    }
    return pixmap;
}

QPixmap loadPicture(const AppPaths& paths, const QString& stored, QStringList& problems) {
    QString error;
    QPixmap picture = loadPicture(paths, stored, &error);
    if (picture.isNull())
        problems << error;
    return picture;
}
