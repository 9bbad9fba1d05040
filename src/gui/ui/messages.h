#pragma once

#include <QString>

class QWidget;

// The program's three kinds of message box, with its own captions and icons.
namespace msg {
inline const QString kErrorCaption = QStringLiteral("Chybové hlášení programu Tarmelka 2003");
inline const QString kInfoCaption = QStringLiteral("Informace programu Tarmelka 2003");
inline const QString kQuestionCaption = QStringLiteral("Otázka programu Tarmelka 2003");

void error(QWidget* owner, const QString& text);
void info(QWidget* owner, const QString& text);
bool ask(QWidget* owner, const QString& text); // Yes and No; true on Yes
} // namespace msg
