#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

struct AppPaths;

// Loads a picture of the program folder through the project's JPEG decoder.
// A failure leaves a null pixmap and a Czech message naming the file.
QPixmap loadPicture(const AppPaths& paths, const QString& stored, QString* error);
// The same, adding a failure's message to problems, so a window can tell all
// its missing pictures in one box.
QPixmap loadPicture(const AppPaths& paths, const QString& stored, QStringList& problems);

// The answer marks drawn plainly, for when their pictures are missing: a
// green tick, a red cross, an orange ring with an exclamation mark.
enum class DrawnMark { Tick, Cross, Missed };
QPixmap drawnMark(DrawnMark mark);
