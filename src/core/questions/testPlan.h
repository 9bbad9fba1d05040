#pragma once

#include <QString>

#include <array>
#include <optional>

// The fixed shape of a points test: 25 positions, each drawn from its own
// range of question numbers and worth its own points, 65 in all.
namespace testplan {

inline constexpr int kPositions = 25;
inline constexpr int kTimeLimit = 1800; // seconds
inline constexpr int kMaxPoints = 65;
inline constexpr int kSortedPositions = 10; // positions 1..10 are shown in ascending order

// Question numbers low..high inclusive; a position may draw from two of them.
struct NumberRange {
    int low;
    int high;
    bool contains(int number) const { return number >= low && number <= high; }
};

// Positions first..last share their ranges: they draw without repeats from
// one common pool of fitting questions.
struct Slot {
    int first;
    int last;
    int points;
    std::array<NumberRange, 2> ranges; // the second is empty (0..-1) unless two
    int positions() const { return last - first + 1; }
    bool contains(int number) const {
        return ranges[0].contains(number) || ranges[1].contains(number);
    }
    QString rangeText() const; // "621–720", "476–500 a 581–620"
};

const std::array<Slot, 6>& plan();
const Slot& slotOf(int position); // position 1..25

int PositionPoints(int position);
// Positions whose questions carry a picture: traffic signs and junctions.
bool isSignPosition(int position);     // 17..21
bool isJunctionPosition(int position); // 23..25
inline bool hasPicturePlace(int position) {
    return isSignPosition(position) || isJunctionPosition(position);
}

// "15. otázka (1 bod)", "23. otázka (4 body)"
QString positionTitle(int position);

// Nothing for a group outside the known initials, which only a hand-edited
// config.ini can hold: such a test could not be judged.
std::optional<int> MinPointsForGroup(const QString& group);

} // namespace testplan
