#include "gui/results/resultListDialog.h"

#include "core/base/dates.h"
#include "core/base/fileOpens.h"
#include "core/records/keyedListModel.h"
#include "core/settings/settings.h"
#include "gui/results/resultDetailDialog.h"
#include "gui/ui/centring.h"
#include "gui/ui/fonts.h"
#include "gui/ui/messages.h"
#include "gui/ui/recordGrid.h"
#include "gui/ui/widgets.h"

#include <QDir>
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
// On the school's server there is no file to miss: no record of the profile
// is what "not made yet" means there. A server that fails is left to the
// list, which says why.
bool anyOnServer(const StorePlace& place, const QString& profile, const QString& kind) {
    ResultsTable table(place);
    return !table.open() || table.count(profile, kind).value_or(1) > 0;
}
} // namespace

std::optional<Reexamination> TProtocol::browse(RunKind kind, const Settings& settings,
                                               const StorePlace& place, QWidget* owner) {
    if (place.isServer() ? !anyOnServer(place, settings.activeProfile, runKindText(kind))
                         : !fileOpens(QDir(place.folder).filePath(schemas::results().fileName()))) {
        msg::info(owner, kind == RunKind::Examination
                             ? u"Protokol zkoušení zatím nebyl vytvořen!"_s
                             : u"Protokol procvičování zatím nebyl vytvořen!"_s);
        return std::nullopt;
    }
    TProtocol browser(kind, settings.activeProfile, place, owner);
    if (!browser.load())
        return std::nullopt;
    centreOn(&browser, owner);
    browser.exec();
    return browser.chosen_;
}

TProtocol::TProtocol(RunKind kind, const QString& profile, const StorePlace& place,
                     QWidget* owner)
    : RecordListDialog(owner,
                       {u"Výsledky nelze načíst."_s, u"Další výsledky nelze načíst."_s,
                        u"Výsledek nelze načíst."_s, u"Vybraný výsledek už v tabulce není."_s,
                        u"Záznam nelze smazat."_s, u"Záznamy nelze smazat."_s}),
      kind_(kind), profile_(profile), place_(place), table_(place) {
    setObjectName(u"Protocol"_s);
    setWindowTitle(u"Seznam výsledků "_s +
                   (kind == RunKind::Examination ? u"zkoušení,   Uživatel: "_s
                                                 : u"procvičování,   Uživatel: "_s) +
                   profile);
    setFont(windowFont());
    setFixedSize(556, 331);

    const auto centred = Qt::Alignment(Qt::AlignHCenter);
    auto* model = new KeyedListModel(
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
    setGrid(model, {8, 8, 537, 281}, {90, 50, 51, 73, 91, 92, 62});
    openOnEnter();

    auto* btnOK = placeButton(this, "btnOK", u"&OK"_s, {83, 296, 75, 25});
    connect(btnOK, &QPushButton::clicked, this, &QDialog::reject);
    setButtons(placeButton(this, "btnPodrobnosti", u"&Podrobnosti"_s, {171, 296, 89, 25}),
               placeButton(this, "btnVymazat", u"Vymazat &záznam"_s, {275, 296, 97, 25}),
               placeButton(this, "btnVymazatVse", u"&Vymazat vše"_s, {387, 296, 81, 25}));
    grid()->setFocus();
}

void TProtocol::openRecord(qint64 key) {
    StoredResult stored;
    if (!found(table_.find(profile_, runKindText(kind_), key, stored)))
        return;
    chosen_ = TDetail::run(stored.record, kind_, this);
    if (chosen_)
        accept();
}

bool TProtocol::removeRecord(qint64 key) {
    StoredResult gone;
    const bool known = table_.find(profile_, runKindText(kind_), key, gone) == Lookup::Found;
    if (!table_.remove(key))
        return false;
    if (known)
        forgetWaiting(place_, schemas::results(), gone.record.toRow());
    return true;
}

bool TProtocol::removeAllRecords() {
    if (!table_.removeAll(profile_, runKindText(kind_)))
        return false;
    forgetWaiting(place_, schemas::results(),
                  {{u"Profil"_s, Condition::Op::Equal, profile_},
                   {u"TypTestu"_s, Condition::Op::Equal, runKindText(kind_)}},
                  true);
    return true;
}
