#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// Dates and times as the program shows them, in fixed forms that never
// depend on the system's locale: "7.12.2026" and "9:05:03".
QString dateText(const QDate& date);
QString timeText(const QTime& time);
