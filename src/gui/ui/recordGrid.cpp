#include "gui/ui/recordGrid.h"

#include "core/records/keyedListModel.h"

#include <QHeaderView>

namespace {
constexpr int kRowHeight = 18;
}

RecordGrid::RecordGrid(QWidget* parent, KeyedListModel* model, const QRect& place,
                       const QList<int>& widths)
    : QTableView(parent), model_(model) {
    setObjectName(QStringLiteral("DBGrid1"));
    setGeometry(place);
    setModel(model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* titles = horizontalHeader();
    titles->setDefaultAlignment(Qt::AlignCenter);
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setHighlightSections(false);
    for (int column = 0; column < widths.size(); ++column)
        setColumnWidth(column, widths[column]);
    QPalette colours = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
}

int RecordGrid::currentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void RecordGrid::selectRow(int row) {
    if (row < 0 || row >= model_->rowCount())
        return;
    setCurrentIndex(model_->index(row, 0));
    QTableView::selectRow(row);
}

bool RecordGrid::removeCurrent(const std::function<bool(qint64)>& remove) {
    const int row = currentRow();
    if (row < 0)
        return true;
    if (!remove(model_->keyAt(row)))
        return false;
    model_->removeFetchedRow(row);
    // The next record may not have been fetched yet.
    if (row >= model_->rowCount() && model_->canFetchMore({}))
        model_->fetchMore({});
    selectRow(qMin(row, model_->rowCount() - 1));
    return true;
}
