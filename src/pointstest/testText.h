#pragma once

#include "ui/staticText.h"

// A question or answer text of the test window: the 13 px font sets its
// lines 16 px apart, and the boxes are measured by that pitch.
class TestText : public StaticText {
    Q_OBJECT
  public:
    using StaticText::StaticText;

  protected:
    void paintEvent(QPaintEvent*) override;
};

// The 13 px font of the test's question and answer texts.
QFont testTextFont();
