#include "gui/ui/staticText.h"

#include "core/base/textLines.h"
#include "gui/ui/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {
// A screen reader meets a StaticText as a text with its words (or with the
// name its owner gave it), like a label.
class StaticTextAccessible : public QAccessibleWidget {
  public:
    explicit StaticTextAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const StaticText*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* staticTextAccessible(const QString& key, QObject* object) {
    if (key == QLatin1String("StaticText") && object && object->isWidgetType())
        return new StaticTextAccessible(static_cast<QWidget*>(object));
    return nullptr;
}
} // namespace

StaticText::StaticText(QWidget* parent) : QWidget(parent) {
    static const bool accessible = (QAccessible::installFactory(staticTextAccessible), true);
    Q_UNUSED(accessible);
}

void StaticText::setText(const QString& text) {
    // A damaged table may hold megabytes in one field; laying that out would
    // freeze the window, and no screen shows more than this anyway.
    text_ = text.size() > kMaxShownLength ? text.left(kMaxShownLength) + u'…' : text;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void StaticText::setLineHeight(int pixels) {
    lineHeight_ = pixels;
    update();
}

void StaticText::setColor(const QColor& color) {
    setTextColour(this, color);
}

void StaticText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QFontMetrics metrics(font());
    int y = metrics.ascent();
    for (const QString& line : wrapText(text_, font(), width())) {
        painter.drawText(0, y, line);
        y += lineHeight_;
    }
}

void StaticText::mousePressEvent(QMouseEvent* event) {
    emit clicked(event->button());
    QWidget::mousePressEvent(event);
}
