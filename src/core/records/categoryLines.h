#pragma once

#include <QString>

// The result detail's list of categories: one title per category digit of
// the stored text, one per line.
QString categoryTitles(const QString& categories);

// How many 13-pixel lines the list takes: every character of the stored text
// counts, as a damaged text must not shrink the window below one line, nor
// grow it beyond the seven categories the field can hold.
int categoryLineCount(const QString& categories);
