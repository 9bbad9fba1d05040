#pragma once

#include <QWidget>

class QToolButton;

// A pair of small arrow buttons stacked on each other, stepping a value up or down.
class UpDown : public QWidget {
    Q_OBJECT
  public:
    explicit UpDown(QWidget* parent = nullptr);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

  signals:
    void upClicked();
    void downClicked();

  protected:
    void resizeEvent(QResizeEvent*) override;

  private:
    QToolButton* up_;
    QToolButton* down_;
};
