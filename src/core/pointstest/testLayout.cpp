#include "core/pointstest/testLayout.h"

#include <algorithm>

namespace testlayout {

namespace {
constexpr std::array<int, kPages + 1> kFirst{1, 5, 9, 13, 17, 21, 24, 26};
}

int pageOf(int position) {
    int page = 1;
    while (page < kPages && position >= kFirst[page])
        ++page;
    return page;
}

int firstOnPage(int page) {
    return kFirst[page - 1];
}

int lastOnPage(int page) {
    return kFirst[page] - 1;
}

TextWidths textWidths(int position) {
    if (testplan::isSignPosition(position))
        return {635, 605};
    if (testplan::isJunctionPosition(position))
        return {430, 400};
    return {735, 705};
}

int designHeight(int position) {
    return testplan::isJunctionPosition(position) ? 200 : 115;
}

std::array<int, kTexts> stackTexts(const Lines& lines, int top, int gap) {
    std::array<int, kTexts> tops{};
    tops[0] = top;
    for (int k = 1; k < kTexts; ++k)
        tops[k] = tops[k - 1] + kLineHeight * lines[k - 1] + gap;
    return tops;
}

Pages stackBoxes(const std::array<Lines, testplan::kPositions>& lines,
                 const std::array<bool, testplan::kPositions>& withPicture, int pageHeight) {
    Pages pages;
    for (int p = 1; p <= testplan::kPositions; ++p) {
        Box& box = pages.boxes[p - 1];
        const Lines& l = lines[p - 1];
        box.textTops = stackTexts(l, kTextTop, 0);
        const int fitted = box.textTops[kTexts - 1] + kLineHeight * l[kTexts - 1] + 6;
        box.height = withPicture[p - 1] ? std::max(fitted, designHeight(p)) : fitted;
        const int page = pageOf(p);
        if (p != firstOnPage(page)) {
            const Box& before = pages.boxes[p - 2];
            box.top = before.top + before.height + 2;
        }
        // Every page is measured, the last too: two long junction questions
        // would otherwise run off its bottom.
        if (p == lastOnPage(page)) {
            const int needed = box.top + box.height + 4;
            if (needed > pageHeight) {
                pages.growth += needed - pageHeight;
                pageHeight = needed;
            }
        }
    }
    return pages;
}

} // namespace testlayout
