// The main window's tie to the school's server: its state in the status bar,
// where the lists read, and the two commands of the school.
#include "core/school/schoolLink.h"
#include "gui/app/mainWindow.h"
#include "gui/results/classOverviewDialog.h"
#include "gui/settings/schoolServerDialog.h"
#include "gui/ui/messages.h"

#include <QAction>
#include <QLabel>

using namespace Qt::StringLiterals;

StorePlace THlavniFormular::recordsPlace() {
    return school_->readPlace();
}

void THlavniFormular::copyForSchool(const TableSchema& table, const QList<Row>& rows) {
    StoreError error;
    if (!school_->queue(table, rows, &error))
        msg::error(this, error.message(kNotQueuedForSchool));
}

void THlavniFormular::showSchoolState() {
    QLabel* panel = panels_[3];
    panel->setText(school_->isOn() ? school_->statusText() : kCopyrightPanel);
    panel->setToolTip(school_->statusDetail());
    panel->setAccessibleDescription(school_->statusDetail());
    M1PrehledTridy_->setEnabled(school_->isOn());
}

void THlavniFormular::M1ServerSkolyClick() {
    TServerSkoly dialog(view_.school, paths_.userFolder, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    view_.school = dialog.server();
    school_->configure(view_.school);
}

void THlavniFormular::M1PrehledTridyClick() {
    if (const auto index = bankIndex())
        TPrehledTridy::run(view_.school, *index, this);
}
