#pragma once

#include <QString>

// True when the file exists and can be opened for reading and writing; a
// read-only or missing file, or an empty name, answers false. Never reports.
bool fileOpens(const QString& path);
