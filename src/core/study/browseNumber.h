#pragma once

#include <QString>

#include <optional>

// What the browse box's keys do with its text.
enum class BrowseStep { Enter, Up, Down };

struct BrowseMove {
    bool valid = false;        // the text is a number the box accepts
    std::optional<int> number; // where browsing goes; nothing at an end of the bank
};

// Digits only, leading zeros allowed, within the 32-bit range.
bool isBrowseNumber(const QString& text);
// Enter clamps to the bank; the arrows step by one and stop at its ends.
BrowseMove browseMove(const QString& typed, BrowseStep step);
