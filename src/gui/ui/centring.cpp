#include "gui/ui/centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
int centredStart(int outerStart, int outerSize, int size) {
    return outerStart + (outerSize - size) / 2; // C++ division truncates towards zero
}
} // namespace

void centreOn(QWidget* window, const QWidget* owner) {
    if (!owner)
        return centreOnScreen(window);
    const QRect outer = owner->frameGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(centredStart(outer.x(), outer.width(), size.width()),
                 centredStart(outer.y(), outer.height(), size.height()));
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(centredStart(area.x(), area.width(), size.width()),
                 centredStart(area.y(), area.height(), size.height()));
}
