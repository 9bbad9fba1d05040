#pragma once

#include <QFont>

// The window fonts by their design names; Liberation Sans stands in for both,
// being metric-compatible with the fonts the layout was measured in.
void installFontSubstitutes();
QFont windowFont();   // "MS Sans Serif", 11 px
QFont questionFont(); // "Arial", 16 px
// "Courier New" and "Courier": fontconfig may answer "Courier" with a
// proportional face, so both ask for the metric-compatible mono face directly.
QFont courierFont(int pixels, bool bold = false);
