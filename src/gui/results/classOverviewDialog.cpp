#include "gui/results/classOverviewDialog.h"

#include "core/base/savedFile.h"
#include "core/school/schoolConnection.h"
#include "gui/ui/centring.h"
#include "gui/ui/czechFileModel.h"
#include "gui/ui/messages.h"
#include "gui/ui/widgets.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
// Learners per read: the first page shows at once, the rest follows.
constexpr int kPage = 50;

enum Column { kName, kLast, kRuns, kTests, kPoints, kVerdict, kFirstCategory };
constexpr int kChance = kFirstCategory + bank::kCategoryCount;

// A cell that sorts by the number behind its text; an empty one sorts first.
class Cell : public QTableWidgetItem {
  public:
    Cell(const QString& text, double key) : QTableWidgetItem(text) {
        setData(Qt::UserRole, key);
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant mine = data(Qt::UserRole), theirs = other.data(Qt::UserRole);
        if (mine.typeId() == QMetaType::QString || theirs.typeId() == QMetaType::QString)
            return QString::localeAwareCompare(mine.toString(), theirs.toString()) < 0;
        return mine.toDouble() < theirs.toDouble();
    }
};

Cell* textCell(const QString& text) {
    auto* cell = new Cell(text, 0);
    cell->setData(Qt::UserRole, text);
    return cell;
}

Cell* numberCell(std::optional<double> value, const QString& text) {
    return new Cell(value ? text : QString(), value.value_or(-1));
}

const QString kConnection = u"tarmelka-skola-prehled"_s;
} // namespace

QString TPrehledTridy::chooseCsvFile(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setObjectName(u"SaveDialogCsv"_s);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(u"Soubory CSV (*.csv)"_s);
    dialog.setDefaultSuffix(u"csv"_s);
    dialog.selectFile(u"prehled-tridy.csv"_s);
    dialog.setOption(QFileDialog::DontUseNativeDialog); // our own Czech file list below
    dialog.setProxyModel(new CzechFileModel(&dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

void TPrehledTridy::run(const SchoolServer& server, const BankIndex& index, QWidget* owner) {
    QString problem;
    if (!openSchool(server, kConnection, &problem)) {
        msg::error(owner, u"Přehled třídy nelze otevřít.\n"_s + problem);
        return;
    }
    {
        TPrehledTridy view(kConnection, index, owner);
        if (view.load()) {
            centreOn(&view, owner);
            view.exec();
        }
    }
    closeSchool(kConnection);
}

TPrehledTridy::TPrehledTridy(const QString& connection, const BankIndex& index, QWidget* owner,
                             SaveChooser chooser)
    : QDialog(owner, kDialogFlags | Qt::WindowMaximizeButtonHint), overview_(connection),
      index_(index), chooser_(std::move(chooser)) {
    setObjectName(u"PrehledTridy"_s);
    setWindowTitle(u"Přehled třídy"_s);
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(0, kChance + 1, this);
    table_->setObjectName(u"tblZaci"_s);
    table_->setAccessibleName(u"Žáci autoškoly"_s);
    QStringList headers{u"Žák"_s,   u"Poslední záznam"_s, u"Cvičení"_s,
                        u"Testy"_s, u"Body"_s,            u"Výsledek"_s};
    for (const QString& title : bank::categoryShortTitles())
        headers << title;
    headers << u"Předpověď"_s;
    table_->setHorizontalHeaderLabels(headers);
    table_->horizontalHeaderItem(kRuns)->setToolTip(u"Uložená procvičování a zkoušení"_s);
    table_->horizontalHeaderItem(kPoints)->setToolTip(u"Body v posledním testu na body"_s);
    table_->horizontalHeaderItem(kChance)->setToolTip(
        u"Odhad, že by žák nyní v testu na body uspěl"_s);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setSortingEnabled(true);
    table_->sortByColumn(kName, Qt::AscendingOrder);
    layout->addWidget(table_);
    status_ = new QLabel(this);
    status_->setObjectName(u"lbStav"_s);
    status_->setTextFormat(Qt::PlainText);
    layout->addWidget(status_);
    auto* buttons = new QDialogButtonBox(this);
    auto* save = buttons->addButton(u"&Uložit do CSV..."_s, QDialogButtonBox::ActionRole);
    save->setObjectName(u"btnExport"_s);
    auto* close = buttons->addButton(u"&Zavřít"_s, QDialogButtonBox::RejectRole);
    close->setObjectName(u"btnZavrit"_s);
    layout->addWidget(buttons);
    connect(save, &QPushButton::clicked, this, &TPrehledTridy::exportCsv);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(1100, 600);
}

bool TPrehledTridy::load() {
    const auto page = overview_.nextPage(kPage);
    if (!page) {
        msg::error(parentWidget(), overview_.error().message(u"Přehled třídy nelze načíst."_s));
        return false;
    }
    addRows(*page);
    QTimer::singleShot(0, this, &TPrehledTridy::loadMore);
    return true;
}

bool TPrehledTridy::complete() const {
    return failed_ || (overview_.atEnd() && detailed_ == learners_.size());
}

// One step at a time, so the window stays responsive: the next page while
// any is left, then one learner's details.
void TPrehledTridy::loadMore() {
    if (complete())
        return showCount();
    if (!overview_.atEnd()) {
        const auto page = overview_.nextPage(kPage);
        if (!page) {
            failed_ = true;
            showCount();
            return msg::error(this, overview_.error().message(u"Další žáky nelze načíst."_s));
        }
        addRows(*page);
    } else {
        LearnerSummary& learner = learners_[detailed_];
        if (!overview_.addDetail(learner, index_, generator_)) {
            failed_ = true;
            showCount();
            return msg::error(this, overview_.error().message(
                                        u"Historii odpovědí žáka %1 nelze načíst."_s.arg(
                                            learner.profile)));
        }
        showDetail(detailed_++);
    }
    showCount();
    QTimer::singleShot(0, this, &TPrehledTridy::loadMore);
}

void TPrehledTridy::addRows(const QList<LearnerSummary>& page) {
    table_->setSortingEnabled(false); // rows stay where they are put while filled
    for (const LearnerSummary& l : page) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        auto* name = textCell(l.profile);
        nameCells_ << name;
        table_->setItem(row, kName, name);
        auto* last = new Cell(l.lastRecord.toString(u"d.M.yyyy H:mm"_s),
                              double(l.lastRecord.toSecsSinceEpoch()));
        table_->setItem(row, kLast, last);
        table_->setItem(row, kRuns, numberCell(l.runs, QString::number(l.runs)));
        table_->setItem(row, kTests, numberCell(l.tests, QString::number(l.tests)));
        table_->setItem(row, kPoints, numberCell(l.lastPoints, QString::number(
                                                                  l.lastPoints.value_or(0))));
        table_->setItem(row, kVerdict, textCell(l.lastVerdict));
        for (int c = kFirstCategory; c <= kChance; ++c)
            table_->setItem(row, c, textCell(u"…"_s));
        learners_ << l;
    }
    table_->setSortingEnabled(true);
}

void TPrehledTridy::showDetail(int learner) {
    const LearnerSummary& l = learners_[learner];
    const int row = nameCells_[learner]->row(); // wherever sorting has put it
    table_->setSortingEnabled(false);
    for (int i = 0; i < bank::kCategoryCount; ++i) {
        const auto p = l.categoryPercent[i];
        table_->setItem(row, kFirstCategory + i,
                        numberCell(p, u"%1 %"_s.arg(p.value_or(0))));
    }
    const auto chance = l.passChance ? std::optional<double>(*l.passChance * 100) : std::nullopt;
    table_->setItem(row, kChance, numberCell(chance, u"%1 %"_s.arg(qRound(chance.value_or(0)))));
    table_->setSortingEnabled(true);
}

void TPrehledTridy::showCount() {
    status_->setText(complete() ? u"Žáků: %1"_s.arg(learners_.size())
                                : u"Žáků: %1, načítání pokračuje…"_s.arg(learners_.size()));
}

void TPrehledTridy::exportCsv() {
    const QString path = chooser_(this);
    if (path.isEmpty())
        return;
    QString error;
    if (!saveFile(path, overviewCsv(learners_), &error))
        msg::error(this, u"Přehled třídy se nepodařilo uložit do souboru %1.\n"_s.arg(
                             QDir::toNativeSeparators(path)) +
                             error);
}
