#pragma once

// TPrehledTridy, "Přehled třídy": every learner on the school's server.
#include "core/questions/selection.h"
#include "core/school/classOverview.h"
#include "core/settings/schoolServer.h"

#include <QDialog>
#include <QHash>
#include <QRandomGenerator>

#include <functional>
#include <memory>

class QLabel;
class QTableWidget;
class QTableWidgetItem;

// Read-only and sortable by any column. The first learners show at once;
// the rest of the class follows page by page, and each learner's category
// rates and forecast as their history is read. Exports to CSV.
class TPrehledTridy : public QDialog {
    Q_OBJECT
  public:
    using SaveChooser = std::function<QString(QWidget* parent)>;
    static QString chooseCsvFile(QWidget* parent);

    // Connects, shows the window modally and closes the connection; a
    // failure to connect is told in an error box and no window opens.
    static void run(const SchoolServer& server, const BankIndex& index, QWidget* owner);

    // Over an open connection of this thread.
    TPrehledTridy(const QString& connection, const BankIndex& index, QWidget* owner,
                  SaveChooser chooser = &chooseCsvFile);

    // Reads the first page; false after telling why when it cannot.
    bool load();
    bool complete() const; // every learner and every detail read

  private:
    void loadMore();
    void addRows(const QList<LearnerSummary>& page);
    void showDetail(int learner);
    void exportCsv();
    void showCount();

    ClassOverview overview_;
    BankIndex index_;
    QRandomGenerator generator_{QRandomGenerator::securelySeeded()};
    QList<LearnerSummary> learners_;
    QList<QTableWidgetItem*> nameCells_; // by learner, owned by the table
    int detailed_ = 0; // learners before this one have their details
    QTableWidget* table_;
    QLabel* status_;
    SaveChooser chooser_;
    bool failed_ = false;
};
