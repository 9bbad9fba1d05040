#include "gui/ui/keyGrace.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {
class KeyGrace : public QObject {
  public:
    KeyGrace(QWidget* window, int ms) : QObject(window), window_(window), ms_(ms) {
        window->installEventFilter(this);
        for (QWidget* child : window->findChildren<QWidget*>())
            child->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show)
            shown_.start();
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool early = !shown_.isValid() || shown_.elapsed() < ms_;
        if (!early && !key->isAutoRepeat())
            return false;
        event->accept();
        return true;
    }

  private:
    QWidget* window_;
    int ms_;
    QElapsedTimer shown_;
};
} // namespace

void ignoreEarlyKeys(QWidget* window, int ms) {
    new KeyGrace(window, ms);
}
