#pragma once

#include "core/records/protocolRecord.h"

#include <QString>
#include <QStringList>

// The printable report of one stored points test: 40 fixed-layout lines for a
// monospaced font, built from the record alone.
namespace testreport {

inline constexpr int kLines = 40;

// The date and time of a protocol as the list, the caption and the report
// show it: "6.3.2003 14:05:10".
QString dateTimeText(const QDateTime& started);
// "Test z 6.3.2003 14:05:10; Uživatel: Default"
QString caption(const ProtocolRecord& record);
// The text after as many spaces as make it width long; a longer text is
// kept whole, never cut.
QString rightAligned(const QString& text, int width);
// The row of test position 1 to 25.
QString positionRow(const ProtocolRecord& record, int position);
QString totalLine(const ProtocolRecord& record);
QStringList lines(const ProtocolRecord& record);

} // namespace testreport
