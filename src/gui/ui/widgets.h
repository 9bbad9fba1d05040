#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// The program's named colours.
namespace colours {
inline const QColor kFace(224, 223, 227); // the windows' face
inline const QColor kRight(0, 128, 0);    // "Správně", passed
inline const QColor kWrong(255, 0, 0);    // "Špatně", failed
inline const QColor kBlue(0, 0, 255);
inline const QColor kMaroon(128, 0, 0);
// The verdict in the question area, on the windows' face: dark enough to be
// read by a learner with low vision (a contrast of 4.5 : 1 at least).
inline const QColor kVerdictRight(0, 110, 0);
inline const QColor kVerdictWrong(200, 0, 0);
} // namespace colours

// The contrast ratio of two colours, 1 to 21, as the accessibility
// guidelines measure it.
double contrastRatio(const QColor& a, const QColor& b);
// The colour itself when it reads on the background at the given contrast,
// otherwise its nearest shade towards black or white that does: a fixed
// colour stays as it is on the usual light face and still reads on a dark,
// high-contrast desktop palette.
QColor readableOn(const QColor& colour, const QColor& background, double minimum);
// The contrast of text at least this large, and of any other text.
inline constexpr double kLargeTextContrast = 3.0;
inline constexpr double kTextContrast = 4.5;

// The frame of the program's own dialogs: a title, the system menu, minimise
// and close, no maximise and no help button.
inline constexpr Qt::WindowFlags kDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// Small builders for the fixed-place controls of the program's windows. Every
// text they show is plain text: a profile named "<b>x</b>" shows its brackets.
// A label at its place, sized to its text.
QLabel* placeLabel(QWidget* parent, const char* name, const QString& text, int x, int y);
QPushButton* placeButton(QWidget* parent, const char* name, const QString& caption,
                         const QRect& place);
// A sunken horizontal rule.
QFrame* placeRule(QWidget* parent, const char* name, int x, int y, int width);

// A fixed face; the desktop's text colour stays on it only where it reads.
void paintBackground(QWidget* widget, const QColor& colour);
// A fixed text colour, shaded where the face behind it (a desktop palette's)
// would swallow it.
void setTextColour(QWidget* widget, const QColor& colour,
                   double minimum = kLargeTextContrast);
