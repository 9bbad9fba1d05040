#pragma once

class QWidget;

// A quick learner presses Enter twice; the second press must not close a
// window that appeared in between, unread. Key presses reaching the window
// or its controls within this time after it is shown are dropped, and so
// are a held key's repeats.
inline constexpr int kKeyGraceMs = 400;
void ignoreEarlyKeys(QWidget* window, int ms = kKeyGraceMs);
