#pragma once
// Helpers shared by the test programs: fixture banks and answering modal boxes.

#include "questions/bankSource.h"
#include "questions/questionTable.h"
#include "store/tableStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace testing {
using namespace Qt::StringLiterals;

// Writes a question table into folder from bank source text, through the
// same reader the build-time bank builder uses.
inline bool makeBank(const QString& folder, const QString& sourceText) {
    QList<SourceIssue> issues;
    const SourceFile file = parseBankText(u"fixture.txt"_s, sourceText, issues);
    if (!issues.isEmpty())
        return false;
    QList<Row> rows;
    for (const SourceRecord& r : file.records) {
        const Question& q = r.question;
        rows << Row{q.number,     q.text,    q.answers[0], q.answers[1], q.answers[2],
                    q.answers[3], q.correct, q.group,      q.picture,    q.note};
    }
    TableStore store(schemas::questions(), folder);
    return store.open(TableStore::Mode::CreateIfMissing) && store.insert(rows);
}

// A record of the source format with the usual fields.
inline QString record(int number, const QString& text, const QStringList& answers,
                      const QString& correct, const QString& group = u"ABCD"_s,
                      const QString& picture = {}, const QString& note = {}) {
    QString r = u"Číslo: %1\nOTÁZKA: %2\n"_s.arg(number).arg(text);
    for (int i = 0; i < answers.size(); ++i)
        r += QChar(u'A' + i) + u": "_s + answers[i] + u'\n';
    r += u"SPRÁVNĚ: "_s + correct + u"\nSkupina: "_s + group + u'\n';
    if (!picture.isEmpty())
        r += u"OBRÁZEK: "_s + picture + u'\n';
    if (!note.isEmpty())
        r += u"POZNÁMKA: "_s + note + u'\n';
    return r + u'\n';
}

// Copies the program's pictures into a test's working folder.
inline void copyPictures(const QString& folder) {
    const QDir from(QStringLiteral(TARMELKA_PROGRAM_DIR "/grafika"));
    QDir(folder).mkpath(u"grafika"_s);
    for (const QString& name : from.entryList(QDir::Files))
        QFile::copy(from.filePath(name), QDir(folder).filePath(u"grafika/"_s + name));
}

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

// A stored record of either result table for a profile, with plain values.
inline Row rowFor(const TableSchema& schema, const QString& profile) {
    if (schema.name == u"Protokoly"_s)
        return Row{profile,   QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)),
                   u"B"_s,    u"12:34"_s,
                   20,        50,
                   43,        u"Prospěl"_s,
                   QString(), QString(),
                   QString(), QString()};
    return Row{u"Zkoušení"_s,
               profile,
               QDate(2026, 1, 1),
               QTime(1, 2, 3),
               u"B"_s,
               u"1"_s,
               1,
               0,
               QString(),
               0,
               QString(),
               100};
}

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
