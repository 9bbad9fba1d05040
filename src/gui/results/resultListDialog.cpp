#include "gui/results/resultListDialog.h"

#include "core/base/dates.h"
#include "core/base/fileOpens.h"
#include "core/records/keyedListModel.h"
#include "gui/results/resultDetailDialog.h"
#include "core/settings/settings.h"
#include "gui/ui/centring.h"
#include "gui/ui/fonts.h"
#include "gui/ui/messages.h"
#include "gui/ui/recordGrid.h"
#include "gui/ui/widgets.h"

#include <QDir>
#include <QKeyEvent>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
constexpr int kPageSize = 100; // a few screens of rows per fetch

KeyedListModel::Page listPage(const QList<StoredResult>& results) {
    KeyedListModel::Page page;
    page.keys.reserve(results.size());
    page.rows.reserve(results.size());
    for (const StoredResult& stored : results) {
        const ResultRecord& r = stored.record;
        page.keys << stored.key;
        page.rows << QStringList{dateText(r.written.date()),
                                 timeText(r.written.time()),
                                 r.group,
                                 QString::number(r.questionCount),
                                 QString::number(r.wrongCount),
                                 QString::number(r.hintCount),
                                 QString::number(r.successPercent) + u'%'};
    }
    return page;
}
} // namespace

std::optional<Reexamination> TProtocol::browse(RunKind kind, const Settings& settings,
                                               const QString& workFolder, QWidget* owner) {
    if (!fileOpens(QDir(workFolder).filePath(schemas::results().fileName()))) {
        msg::info(owner, kind == RunKind::Examination
                             ? u"Protokol zkoušení zatím nebyl vytvořen!"_s
                             : u"Protokol procvičování zatím nebyl vytvořen!"_s);
        return std::nullopt;
    }
    ResultsTable table(workFolder);
    TProtocol browser(kind, settings.activeProfile, table, owner);
    if (!browser.load())
        return std::nullopt;
    centreOn(&browser, owner);
    browser.exec();
    return browser.chosen_;
}

TProtocol::TProtocol(RunKind kind, const QString& profile, ResultsTable& table, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint),
      kind_(kind), profile_(profile), table_(table) {
    setObjectName(u"Protocol"_s);
    setWindowTitle(u"Seznam výsledků "_s +
                   (kind == RunKind::Examination ? u"zkoušení,   Uživatel: "_s
                                                 : u"procvičování,   Uživatel: "_s) +
                   profile);
    setFont(windowFont());
    setFixedSize(556, 331);

    const auto centred = Qt::Alignment(Qt::AlignHCenter);
    model_ = new KeyedListModel(
        {u"Datum vystavení"_s, u"Čas"_s, u"Skupina"_s, u"Počet otázek"_s, u"Špatné odpovědi"_s,
         u"Použití nápovědy"_s, u"Úspěšnost"_s},
        QList<Qt::Alignment>(7, centred),
        [this](qint64 after, int limit) -> std::optional<KeyedListModel::Page> {
            const auto results = table_.list(profile_, runKindText(kind_), after, limit);
            if (!results)
                return std::nullopt;
            return listPage(*results);
        },
        kPageSize, this);

    // Created first, so first in tab order.
    DBGrid1_ = new RecordGrid(this, model_, {8, 8, 537, 281}, {90, 50, 51, 73, 91, 92, 62});
    DBGrid1_->installEventFilter(this);

    auto* btnOK = placeButton(this, "btnOK", u"&OK"_s, {83, 296, 75, 25});
    btnPodrobnosti_ = placeButton(this, "btnPodrobnosti", u"&Podrobnosti"_s, {171, 296, 89, 25});
    btnVymazat_ = placeButton(this, "btnVymazat", u"Vymazat &záznam"_s, {275, 296, 97, 25});
    btnVymazatVse_ = placeButton(this, "btnVymazatVse", u"&Vymazat vše"_s, {387, 296, 81, 25});

    connect(btnOK, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnPodrobnosti_, &QPushButton::clicked, this, &TProtocol::btnPodrobnostiClick);
    connect(btnVymazat_, &QPushButton::clicked, this, &TProtocol::btnVymazatClick);
    connect(btnVymazatVse_, &QPushButton::clicked, this, &TProtocol::btnVymazatVseClick);
    DBGrid1_->setFocus();
}

bool TProtocol::load() {
    if (!table_.open() || !model_->reload()) {
        msg::error(parentWidget(), table_.error().message(u"Výsledky nelze načíst."_s));
        return false;
    }
    // Later pages are fetched while the view scrolls or paints; the box waits
    // until that is over.
    connect(
        model_, &KeyedListModel::fetchFailed, this,
        [this] { showStoreError(u"Další výsledky nelze načíst."_s); }, Qt::QueuedConnection);
    DBGrid1_->selectRow(0);
    updateButtons();
    return true;
}

void TProtocol::updateButtons() {
    const bool any = model_->rowCount() > 0;
    btnPodrobnosti_->setEnabled(any);
    btnVymazat_->setEnabled(any);
    btnVymazatVse_->setEnabled(any);
}

void TProtocol::showStoreError(const QString& what) {
    msg::error(this, table_.error().message(what));
}

bool TProtocol::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a row opens its detail instead of reaching the dialog's buttons.
    if (watched == DBGrid1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (btnPodrobnosti_->isEnabled())
                btnPodrobnostiClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TProtocol::btnPodrobnostiClick() {
    const int row = DBGrid1_->currentRow();
    if (row < 0)
        return;
    StoredResult found;
    switch (table_.find(profile_, runKindText(kind_), model_->keyAt(row), found)) {
    case Lookup::Failed:
        showStoreError(u"Výsledek nelze načíst."_s);
        return;
    case Lookup::Gone:
        msg::error(this, u"Vybraný výsledek už v tabulce není."_s);
        return;
    case Lookup::Found:
        break;
    }
    chosen_ = TDetail::run(found.record, kind_, this);
    if (chosen_)
        accept();
}

void TProtocol::btnVymazatClick() {
    if (!DBGrid1_->removeCurrent([this](qint64 key) { return table_.remove(key); }))
        showStoreError(u"Záznam nelze smazat."_s);
    updateButtons();
}

void TProtocol::btnVymazatVseClick() {
    if (!msg::ask(this, u"Opravdu chcete smazat všechny záznamy?"_s))
        return;
    // One transaction: on failure every record is still there, and listed.
    if (!table_.removeAll(profile_, runKindText(kind_)))
        showStoreError(u"Záznamy nelze smazat."_s);
    model_->reload(); // a failure is told by fetchFailed
    DBGrid1_->selectRow(0);
    updateButtons();
}
