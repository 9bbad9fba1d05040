#include "gui/ui/widgets.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {
template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
} // namespace

QLabel* placeLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = named(new QLabel(parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QPushButton* placeButton(QWidget* parent, const char* name, const QString& caption,
                         const QRect& place) {
    auto* button = named(new QPushButton(caption, parent), name);
    button->setGeometry(place);
    return button;
}

QFrame* placeRule(QWidget* parent, const char* name, int x, int y, int width) {
    auto* rule = named(new QFrame(parent), name);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(x, y, width, 2);
    return rule;
}

void paintBackground(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    for (auto role : {QPalette::WindowText, QPalette::ButtonText})
        for (auto group : {QPalette::Active, QPalette::Inactive})
            if (contrastRatio(p.color(group, role), colour) < kTextContrast)
                p.setColor(group, role, readableOn(p.color(group, role), colour, kTextContrast));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour, double minimum) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, readableOn(colour, p.color(QPalette::Window), minimum));
    widget->setPalette(p);
}

QColor readableOn(const QColor& colour, const QColor& background, double minimum) {
    if (contrastRatio(colour, background) >= minimum)
        return colour;
    // Towards whichever end of the scale lies farther from the background.
    const QColor end = contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background)
                           ? QColor(Qt::black)
                           : QColor(Qt::white);
    for (int step = 1; step <= 10; ++step) {
        const double t = step / 10.0;
        const QColor shade = QColor::fromRgbF(colour.redF() + (end.redF() - colour.redF()) * t,
                                              colour.greenF() + (end.greenF() - colour.greenF()) * t,
                                              colour.blueF() + (end.blueF() - colour.blueF()) * t);
        if (contrastRatio(shade, background) >= minimum)
            return shade;
    }
    return end;
}

double contrastRatio(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
