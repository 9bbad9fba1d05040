#pragma once

#include <QImage>
#include <QString>

namespace jpeg {

// The largest side a picture of the program may have; the program's own are
// at most a few hundred points.
inline constexpr unsigned kMaxSide = 2048;

// Decodes a JPEG file through libjpeg. A missing or damaged file yields a null
// image and a Czech description in *error; libjpeg is never allowed to abort.
QImage load(const QString& path, QString* error = nullptr);

// Encodes an image as a baseline JPEG; used by the build-time picture renderer.
bool save(const QImage& image, const QString& path, int quality, QString* error = nullptr);

} // namespace jpeg
