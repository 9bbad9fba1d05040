#pragma once

#include <QString>

// The countdown's and the protocol's "mm:ss": 1800 gives 30:00, 65 gives 01:05.
QString FormatMinSec(int seconds);

// The elapsed time in Czech words with the right plural forms: "4 minuty,
// 5 sekund", "30 minut", "45 sekund"; nothing elapsed reads "0 ".
QString elapsedWords(int seconds);
