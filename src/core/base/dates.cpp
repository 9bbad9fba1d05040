#include "core/base/dates.h"

using namespace Qt::StringLiterals;

QString dateText(const QDate& date) {
    return date.isValid() ? date.toString(u"d.M.yyyy"_s) : QString();
}

QString timeText(const QTime& time) {
    return time.isValid() ? time.toString(u"H:mm:ss"_s) : QString();
}
