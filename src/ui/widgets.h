#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

// Small builders for the fixed-place controls of the program's windows.
// A label at its place, sized to its text.
QLabel* placeLabel(QWidget* parent, const char* name, const QString& text, int x, int y);
void paintBackground(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);
