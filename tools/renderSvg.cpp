// Build-time tool: renders one SVG picture source to a JPEG of the picture's own size,
// or to a PNG with transparency (the program's icon for the desktop's menus).
//
//   render-svg <source.svg> <output.jpg|output.png> <picture root> [width]
//
// A width scales the picture, keeping its proportions.
//
// A source may pull shared pieces (sign frames, cars, arrows) in with the
// processing instruction <?include common/name.svgf?>, resolved against the
// picture root, so that each piece is drawn once for all pictures.
#include "core/base/jpegImage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool expandIncludes(QString& text, const QDir& root, int depth, QString& error) {
    static const QRegularExpression include(QStringLiteral(R"(<\?include\s+([^?\s]+)\s*\?>)"));
    if (depth > 8) {
        error = QStringLiteral("includes nest too deeply");
        return false;
    }
    for (;;) {
        const QRegularExpressionMatch m = include.match(text);
        if (!m.hasMatch())
            return true;
        QFile piece(root.filePath(m.captured(1)));
        if (!piece.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("cannot read %1").arg(piece.fileName());
            return false;
        }
        QString body = QString::fromUtf8(piece.readAll());
        if (!expandIncludes(body, root, depth + 1, error))
            return false;
        text.replace(m.capturedStart(), m.capturedLength(), body);
    }
}

int fail(const QString& text) {
    std::fprintf(stderr, "render-svg: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4 && argc != 5)
        return fail(QStringLiteral(
            "usage: render-svg <source.svg> <output.jpg|output.png> <picture root> [width]"));
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(source));
    QString text = QString::fromUtf8(file.readAll());
    QString error;
    if (!expandIncludes(text, QDir(QString::fromLocal8Bit(argv[3])), 0, error))
        return fail(source + QStringLiteral(": ") + error);

    QSvgRenderer renderer(text.toUtf8());
    if (!renderer.isValid())
        return fail(source + QStringLiteral(": not a valid SVG picture"));
    QSize size = renderer.defaultSize();
    if (size.isEmpty())
        return fail(source + QStringLiteral(": the picture has no width and height"));
    if (argc == 5) {
        bool ok = false;
        const int width = QString::fromLocal8Bit(argv[4]).toInt(&ok);
        if (!ok || width < 1 || width > 4096)
            return fail(QStringLiteral("width must be 1 to 4096: ") +
                        QString::fromLocal8Bit(argv[4]));
        size = size.scaled(width, width * 64, Qt::KeepAspectRatio);
    }

    const bool png = output.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    QImage image(size, png ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(png ? Qt::transparent
                   : Qt::white); // JPEG has no transparency; pictures sit on white
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();

    QDir().mkpath(QFileInfo(output).absolutePath());
    if (png) {
        if (!image.save(output, "PNG"))
            return fail(output + QStringLiteral(": cannot write the PNG file"));
    } else if (!jpeg::save(image, output, 92, &error)) {
        return fail(output + QStringLiteral(": ") + error);
    }
    return 0;
}
