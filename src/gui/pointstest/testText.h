#pragma once

#include <QFont>

class StaticText;
class QWidget;

// A question or answer text of the test window: the 13 px font sets its
// lines 16 px apart, and the boxes are measured by that pitch.
StaticText* newTestText(QWidget* parent);

// The 13 px font of the test's question and answer texts.
QFont testTextFont();
