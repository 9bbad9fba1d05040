#include "results/testtab.h"

#include "base/fileOpens.h"
#include "results/keyedListModel.h"
#include "results/testReport.h"
#include "settings/settings.h"
#include "ui/centring.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {
constexpr int kRowHeight = 18;

KeyedListModel::Page listPage(const QList<StoredProtocol>& protocols) {
    KeyedListModel::Page page;
    page.keys.reserve(protocols.size());
    page.rows.reserve(protocols.size());
    for (const StoredProtocol& p : protocols) {
        page.keys << p.key;
        page.rows << QStringList{testreport::dateTimeText(p.record.started), p.record.group,
                                 QString::number(p.record.points), p.record.verdict};
    }
    return page;
}
} // namespace

void TSeznamTestu::browse(const Settings& settings, const QString& workFolder, QWidget* owner,
                          TTestDetailForm::SaveChooser chooser) {
    const QString path = QDir(workFolder).filePath(schemas::protocols().fileName());
    if (!QFileInfo::exists(path)) {
        msg::info(owner, u"Dosud nebyly vytvořeny žádné protokoly z testu!"_s);
        return;
    }
    // A file that exists but cannot be opened is not "no protocols yet".
    if (!fileOpens(path)) {
        msg::error(owner, u"Soubor s protokoly z testů %1 nelze otevřít pro čtení a zápis."_s.arg(
                              QDir::toNativeSeparators(path)));
        return;
    }
    TSeznamTestu list(settings.activeProfile, workFolder, owner, std::move(chooser));
    if (!list.load())
        return;
    if (owner)
        centreOn(&list, owner);
    else
        centreOnScreen(&list);
    list.exec();
}

TSeznamTestu::TSeznamTestu(const QString& profile, const QString& workFolder, QWidget* owner,
                           TTestDetailForm::SaveChooser chooser)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint),
      profile_(profile), table_(workFolder), chooser_(std::move(chooser)) {
    setObjectName(u"SeznamTestu"_s);
    setWindowTitle(u"Seznam testů,   Uživatel: "_s + profile);
    setFont(windowFont());
    setFixedSize(392, 296);

    auto* btnOK = placeButton(this, "btnOK", u"&OK"_s, {16, 264, 85, 25});
    btnDetail_ = placeButton(this, "btnDetail", u"&Protokol"_s, {106, 264, 85, 25});
    btnVymaz_ = placeButton(this, "btnVymaz", u"Vymaž &záznam"_s, {196, 264, 85, 25});
    btnVymazVse_ = placeButton(this, "btnVymazVse", u"&Vymaž vše"_s, {286, 264, 85, 25});

    const auto centred = Qt::Alignment(Qt::AlignHCenter);
    model_ = new KeyedListModel(
        {u"Datum a čas"_s, u"Skupina"_s, u"Počet bodů"_s, u"Verdikt"_s},
        {centred, centred, centred, centred},
        [this](qint64 after, int limit) -> std::optional<KeyedListModel::Page> {
            const auto protocols = table_.list(profile_, after, limit);
            if (!protocols)
                return std::nullopt;
            return listPage(*protocols);
        },
        200, this);

    DBGrid1_ = new QTableView(this);
    DBGrid1_->setObjectName(u"DBGrid1"_s);
    DBGrid1_->setGeometry(0, 0, 392, 257);
    DBGrid1_->setModel(model_);
    DBGrid1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1_->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1_->setShowGrid(true);
    DBGrid1_->verticalHeader()->hide();
    DBGrid1_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* titles = DBGrid1_->horizontalHeader();
    titles->setDefaultAlignment(Qt::AlignCenter);
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setHighlightSections(false);
    const int widths[] = {118, 80, 90, 80};
    for (int column = 0; column < 4; ++column)
        DBGrid1_->setColumnWidth(column, widths[column]);
    // The current protocol stays marked while a button has the focus.
    QPalette palette = DBGrid1_->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    DBGrid1_->setPalette(palette);

    setTabOrder(btnOK, btnDetail_);
    setTabOrder(btnDetail_, btnVymaz_);
    setTabOrder(btnVymaz_, btnVymazVse_);
    setTabOrder(btnVymazVse_, DBGrid1_);
    btnOK->setFocus();

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnDetail_, &QPushButton::clicked, this, &TSeznamTestu::btnDetailClick);
    connect(btnVymaz_, &QPushButton::clicked, this, &TSeznamTestu::btnVymazClick);
    connect(btnVymazVse_, &QPushButton::clicked, this, &TSeznamTestu::btnVymazVseClick);
    updateButtons();
}

bool TSeznamTestu::load() {
    QWidget* owner = parentWidget();
    if (!table_.open() || !model_->reload()) {
        msg::error(owner, table_.error().message(u"Seznam testů nelze otevřít."_s));
        return false;
    }
    // Later pages arrive while the learner scrolls; their failure is told then.
    connect(model_, &KeyedListModel::fetchFailed, this,
            [this] { showStoreError(u"Další protokoly nelze načíst."_s); });
    selectRow(0);
    updateButtons();
    return true;
}

void TSeznamTestu::showStoreError(const QString& what) {
    msg::error(this, table_.error().message(what));
}

int TSeznamTestu::currentRow() const {
    const QModelIndex current = DBGrid1_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TSeznamTestu::selectRow(int row) {
    if (row < 0 || row >= model_->rowCount())
        return;
    DBGrid1_->setCurrentIndex(model_->index(row, 0));
    DBGrid1_->selectRow(row);
}

void TSeznamTestu::updateButtons() {
    const bool any = model_->rowCount() > 0;
    btnDetail_->setEnabled(any);
    btnVymaz_->setEnabled(any);
    btnVymazVse_->setEnabled(any);
}

void TSeznamTestu::btnDetailClick() {
    const int row = currentRow();
    if (row < 0)
        return;
    StoredProtocol protocol;
    switch (table_.find(profile_, model_->keyAt(row), protocol)) {
    case ProtocolsTable::Lookup::Failed:
        showStoreError(u"Protokol nelze načíst."_s);
        return;
    case ProtocolsTable::Lookup::Gone:
        msg::error(this, u"Protokol už v tabulce není."_s);
        return;
    case ProtocolsTable::Lookup::Found:
        break;
    }
    TTestDetailForm report(protocol.record, this, chooser_);
    centreOn(&report, this);
    report.exec();
}

void TSeznamTestu::btnVymazClick() {
    const int row = currentRow();
    if (row < 0)
        return;
    if (!table_.remove(model_->keyAt(row))) {
        showStoreError(u"Protokol nelze smazat."_s);
        return;
    }
    model_->removeFetchedRow(row);
    // The last fetched row gone need not mean the last protocol gone.
    if (model_->rowCount() == 0 && model_->canFetchMore({}))
        model_->fetchMore({});
    selectRow(qMin(row, model_->rowCount() - 1));
    updateButtons();
}

void TSeznamTestu::btnVymazVseClick() {
    if (!msg::ask(this, u"Opravdu chcete smazat všechny záznamy?"_s))
        return;
    // One transaction: on failure every protocol is still there.
    if (!table_.removeAll(profile_)) {
        showStoreError(u"Protokoly nelze smazat."_s);
        return;
    }
    model_->reload();
    updateButtons();
}
