#pragma once

#include <QString>

#include <array>
#include <optional>

// The fixed vocabulary of the question bank: numbers, categories, licence
// groups and retired questions.
namespace bank {

inline constexpr int kQuestionCount = 757;
inline constexpr int kCategoryCount = 7;

// Category k (1..7) holds the numbers n with bound[k-1] < n <= bound[k].
inline constexpr std::array<int, kCategoryCount + 1> kCategoryBounds{0,   420, 475, 500,
                                                                     580, 620, 720, 757};

inline constexpr std::array<int, 28> kRetired{2,   8,   62,  119, 132, 148, 193, 226, 307, 420,
                                              422, 424, 426, 432, 434, 437, 439, 440, 442, 443,
                                              445, 447, 448, 449, 489, 702, 712, 754};

// Picture ranges: signs and junctions.
// What one field of a question may hold: enough for a clear question, and a
// bound that keeps every screen that shows it readable.
inline constexpr int kMaxQuestionLength = 400;
inline constexpr int kMaxAnswerLength = 250;
inline constexpr int kMaxNoteLength = 500;

inline constexpr int kFirstSign = 621;
inline constexpr int kFirstJunction = 721;

// The categories' titles, as the settings dialog and the result detail show them.
const std::array<QString, kCategoryCount>& categoryTitles();
// Names short enough for a chart's axis or a table's column.
const std::array<QString, kCategoryCount>& categoryShortTitles();

inline constexpr int lowOf(int category) {
    return kCategoryBounds[category - 1];
}
inline constexpr int highOf(int category) {
    return kCategoryBounds[category];
}

std::optional<int> categoryOf(int number); // none outside 1..757
bool isRetired(int number);

// The licence groups the settings offer, and the letters a question's
// Skupina must contain for one of them.
inline constexpr std::array<const char16_t*, 8> kGroups{u"AM", u"A1", u"A", u"B1",
                                                        u"B",  u"C",  u"D", u"T"};
bool isGroup(const QString& group);
QString groupLetters(const QString& group);
// The filter's and the points test's rule: GroupLetters occurs in Skupina.
bool groupMatches(const QString& group, const QString& questionGroup);
// The draw's stricter rule: group T takes only questions of every group.
bool drawMatches(const QString& group, const QString& questionGroup);

inline const QString kRetiredNotice =
    QStringLiteral("Otázka vyřazena v srpnu 2001 či po novele zákona 247/00 Sb. v lednu 2002");

} // namespace bank
