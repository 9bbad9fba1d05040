#pragma once

#include <QPixmap>
#include <QString>

struct AppPaths;

// Loads a picture of the program folder through the project's JPEG decoder.
// A failure leaves a null pixmap and a Czech message naming the file.
QPixmap loadPicture(const AppPaths& paths, const QString& stored, QString* error);
