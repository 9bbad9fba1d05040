#pragma once

#include <QGroupBox>

// A group box whose caption sits in the gap of its frame line, the frame
// starting half a caption below the top, so that controls placed from the
// top at design positions stay inside it.
class CaptionBox : public QGroupBox {
    Q_OBJECT
  public:
    CaptionBox(const QString& title, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override;
};
