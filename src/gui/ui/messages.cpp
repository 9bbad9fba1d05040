#include "gui/ui/messages.h"

#include "gui/ui/keyGrace.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>

namespace {
QMessageBox::StandardButton show(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                                 const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, text, buttons, owner);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText); // names and stored texts show as they are
    if (buttons & QMessageBox::Yes) {
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ano"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Ne"));
    }
    // The icon tells the kind of message; a screen reader says it in words.
    if (auto* picture = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        picture->setAccessibleName(icon == QMessageBox::Critical ? QStringLiteral("Chyba")
                                   : icon == QMessageBox::Question
                                       ? QStringLiteral("Otázka")
                                       : QStringLiteral("Informace"));
    ignoreEarlyKeys(&box);
    return QMessageBox::StandardButton(box.exec());
}
} // namespace

namespace msg {

void error(QWidget* owner, const QString& text) {
    show(owner, QMessageBox::Critical, kErrorCaption, text, QMessageBox::Ok);
}

void info(QWidget* owner, const QString& text) {
    show(owner, QMessageBox::Information, kInfoCaption, text, QMessageBox::Ok);
}

bool ask(QWidget* owner, const QString& text) {
    return show(owner, QMessageBox::Question, kQuestionCaption, text,
                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace msg
