#pragma once

#include "core/questions/question.h"

#include <QString>

// Texts as a Czech speaker reads them aloud, for a speech engine that would
// otherwise spell out "§", read "km/h" letter by letter or say a sign code
// as a word: "§ 22 odst. 2" becomes "paragraf dvacet dva, odstavec dva",
// "50 km/h" "padesát kilometrů za hodinu", "značka P 2" "značka pé dva".
namespace speech {

// A whole number in words, 0 to 999 999 ("jedna", "dva tisíce pět set").
QString numberWords(int number);

// The text with numbers, the statutes' abbreviations, units and sign codes
// written out as they are said.
QString spokenText(const QString& text);

// What is read for a question: its number, its text and each answer with
// its letter, as they stand on the screen.
QString questionSpeech(const Question& question);

} // namespace speech
