#include "gui/results/recordListDialog.h"

#include "core/records/keyedListModel.h"
#include "core/school/outbox.h"
#include "gui/ui/messages.h"
#include "gui/ui/recordGrid.h"
#include "gui/ui/widgets.h"

#include <QKeyEvent>
#include <QPushButton>

using namespace Qt::StringLiterals;

RecordListDialog::RecordListDialog(QWidget* owner, Texts texts)
    : QDialog(owner, kDialogFlags), texts_(std::move(texts)) {}

RecordListDialog::~RecordListDialog() = default;

void RecordListDialog::setGrid(KeyedListModel* model, const QRect& place,
                               const QList<int>& widths) {
    model_ = model;
    grid_ = new RecordGrid(this, model, place, widths);
    grid_->setAccessibleName(windowTitle()); // the list's title says whose records they are
}

void RecordListDialog::setButtons(QPushButton* open, QPushButton* removeOne,
                                  QPushButton* removeAll) {
    open_ = open;
    removeOne_ = removeOne;
    removeAll_ = removeAll;
    connect(open_, &QPushButton::clicked, this, &RecordListDialog::openCurrent);
    connect(removeOne_, &QPushButton::clicked, this, &RecordListDialog::removeCurrent);
    connect(removeAll_, &QPushButton::clicked, this, &RecordListDialog::removeAll);
    updateButtons();
}

void RecordListDialog::openOnEnter() {
    grid_->installEventFilter(this);
}

bool RecordListDialog::load() {
    if (!openTable() || !model_->reload()) {
        msg::error(parentWidget(), storeError().message(texts_.loadFailed));
        return false;
    }
    // Later pages are fetched while the view scrolls or paints; the box waits
    // until that is over.
    connect(
        model_, &KeyedListModel::fetchFailed, this, [this] { showStoreError(texts_.moreFailed); },
        Qt::QueuedConnection);
    grid_->selectRow(0);
    updateButtons();
    return true;
}

void RecordListDialog::updateButtons() {
    const bool any = model_->rowCount() > 0;
    for (QPushButton* button : {open_, removeOne_, removeAll_})
        button->setEnabled(any);
}

void RecordListDialog::showStoreError(const QString& what) {
    msg::error(this, storeError().message(what));
}

bool RecordListDialog::found(Lookup lookup) {
    switch (lookup) {
    case Lookup::Failed:
        showStoreError(texts_.openFailed);
        return false;
    case Lookup::Gone:
        msg::error(this, texts_.gone);
        return false;
    case Lookup::Found:
        break;
    }
    return true;
}

qint64 RecordListDialog::currentKey() const {
    const int row = grid_->currentRow();
    return row < 0 ? 0 : model_->keyAt(row);
}

bool RecordListDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (open_->isEnabled())
                openCurrent();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RecordListDialog::openCurrent() {
    if (grid_->currentRow() >= 0)
        openRecord(currentKey());
}

void RecordListDialog::forgetWaiting(const StorePlace& place, const TableSchema& table,
                                     const QList<Condition>& equal, bool all) {
    StoreError error;
    if (!place.isServer() && !outbox::forget(place.folder, table, equal, all, &error))
        msg::error(this, error.message(u"Záznam čekající na odeslání na server školy se "
                                       u"nepodařilo zrušit; na server se ještě odešle."_s));
}

void RecordListDialog::forgetWaiting(const StorePlace& place, const TableSchema& table,
                                     const Row& record) {
    forgetWaiting(place, table, sameAs(table, record), false);
}

void RecordListDialog::removeCurrent() {
    if (!grid_->removeCurrent([this](qint64 key) { return removeRecord(key); }))
        showStoreError(texts_.removeFailed);
    updateButtons();
}

void RecordListDialog::removeAll() {
    if (!msg::ask(this, u"Opravdu chcete smazat všechny záznamy?"_s))
        return;
    // One transaction: on failure every record is still there, and listed.
    if (!removeAllRecords())
        showStoreError(texts_.removeAllFailed);
    model_->reload(); // a failure is told by fetchFailed
    grid_->selectRow(0);
    updateButtons();
}
