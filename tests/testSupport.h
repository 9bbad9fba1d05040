#pragma once
// Helpers shared by the window tests: controls by name and answering modal
// boxes and dialogs, besides the widget-free ones of testData.h.

#include "core/base/paths.h"
#include "testData.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace testing {

// The built program folder's bank and pictures, with config.ini and the
// result tables in userFolder: the program as a learner gets it.
inline AppPaths realProgram(const QString& userFolder) {
    AppPaths p = AppPaths::portable(userFolder, QStringLiteral(TARMELKA_PROGRAM_DIR));
    p.userFolder = userFolder;
    return p;
}
using namespace Qt::StringLiterals;

// A control found by its object name; a missing one ends the test program,
// since every later step would only fail less clearly.
template <typename T = QWidget> T* in(const QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}
template <typename T = QWidget> T* in(const QObject* parent, const char* name) {
    return in<T>(parent, QString::fromLatin1(name));
}

// What a message box showed.
struct ModalBox {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
};

// Polls for the next modal window and hands it to act, which answers true
// once it has dealt with it. Deleting the returned timer stops the watch.
inline QTimer* onNextModal(std::function<bool(QWidget*)> act) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && act(modal)) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
    return timer;
}

// Records the next message box and presses one of its buttons.
inline QTimer* onNextBox(ModalBox& seen, QMessageBox::StandardButton press) {
    return onNextModal([&seen, press](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return false;
        seen = {box->text(), box->windowTitle(), box->icon(), true};
        box->button(press)->click();
        return true;
    });
}

// Acts on the next modal dialog of the given type once it is shown.
template <typename Dialog> QTimer* onNextDialog(std::function<void(Dialog*)> act) {
    return onNextModal([act](QWidget* modal) {
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (dialog)
            act(dialog);
        return dialog != nullptr;
    });
}

} // namespace testing
