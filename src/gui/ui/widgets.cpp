#include "gui/ui/widgets.h"

#include <QLabel>
#include <QPushButton>

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
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    widget->setPalette(p);
}
