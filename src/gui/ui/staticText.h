#pragma once

#include <QStringList>
#include <QWidget>

// A word-wrapping text that does not size itself: its owner sets the size,
// and it draws its lines 18 px apart, wrapped by the same rule that measured
// them, so that what is counted is what is shown. Reacts to clicks.
class StaticText : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kLineHeight = 18;
    static constexpr int kMaxShownLength = 2000;

    explicit StaticText(QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const { return text_; }
    void setColor(const QColor& color);
    // The distance of the lines; the question area's texts keep the default.
    void setLineHeight(int pixels);
    int lineHeight() const { return lineHeight_; }

  signals:
    void clicked(Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QString text_;
    int lineHeight_ = kLineHeight;
};
