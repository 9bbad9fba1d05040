#pragma once

// TTestDetailForm, "Protokol z testu …": the report of one points test,
// printed or saved to a file.

#include "core/records/protocolRecord.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QPlainTextEdit;
class QPrinter;

// One stored points test as its 40-line report, which the learner reads,
// prints or saves as a Windows-1250 text file. The text is built once, when
// the window opens; printing and saving use those lines, never the box.
class TTestDetailForm : public QDialog {
    Q_OBJECT
  public:
    // Asks where to save; an empty name means the learner cancelled.
    using SaveChooser = std::function<QString(QWidget* parent)>;
    // The platform's save dialog for text files.
    static QString chooseSaveFile(QWidget* parent);

    TTestDetailForm(const ProtocolRecord& protocol, QWidget* owner,
                    SaveChooser chooser = &TTestDetailForm::chooseSaveFile);

    // Prints the report as one job titled with the window's caption.
    bool printReport(QPrinter& printer, QString* error) const;
    // Writes the report to the chosen name with ".txt" appended.
    bool saveReport(const QString& chosenName, QString* error) const;

  private:
    void btnTiskClick();
    void btnUlozClick();

    QStringList lines_;
    SaveChooser chooser_;
    QPlainTextEdit* mProtokol_ = nullptr;
};
