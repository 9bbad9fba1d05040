#pragma once

#include <QDateTime>

#include <functional>

// The time of day as the program reads it; tests put a fixed one in its place.
using Clock = std::function<QDateTime()>;

inline Clock systemClock() {
    return [] { return QDateTime::currentDateTime(); };
}
