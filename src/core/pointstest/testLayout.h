#pragma once

#include "core/questions/testPlan.h"

#include <array>

// Where the question boxes of the test pages go, computed from the number of
// lines each text wraps into, so that it can be checked without a window.
namespace testlayout {

inline constexpr int kPages = 7;
inline constexpr int kLineHeight = 16; // of the 13 px question font
inline constexpr int kTexts = 5;       // question, then answers a) to d)
inline constexpr int kTextTop = 14;    // of the question text in its box
inline constexpr int kBoxTop = 1;      // of the first box of a page

int pageOf(int position); // 1..7
int firstOnPage(int page);
int lastOnPage(int page);

struct TextWidths {
    int question;
    int answer;
};
TextWidths textWidths(int position);
int designHeight(int position); // of the box before it is fitted to its texts

using Lines = std::array<int, kTexts>;
// Tops of texts stacked below one another from top, gap pixels apart.
std::array<int, kTexts> stackTexts(const Lines& lines, int top, int gap);

struct Box {
    int top = kBoxTop;
    int height = 0;
    std::array<int, kTexts> textTops{};
};

struct Pages {
    std::array<Box, testplan::kPositions> boxes;
    int growth = 0; // how much taller the pages must get to hold every page
};

// Boxes follow one another 2 px apart on their page; a box is as tall as its
// texts, but one with a picture keeps at least its design height.
Pages stackBoxes(const std::array<Lines, testplan::kPositions>& lines,
                 const std::array<bool, testplan::kPositions>& withPicture, int pageHeight);

} // namespace testlayout
