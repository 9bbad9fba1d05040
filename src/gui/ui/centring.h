#pragma once

class QWidget;

// Placement of windows: child windows are centred on their owner, the main
// window on the screen, as is a window without an owner. Integer division rounds towards zero.
void centreOn(QWidget* window, const QWidget* owner);
void centreOnScreen(QWidget* window);
