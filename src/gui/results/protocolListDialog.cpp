#include "gui/results/protocolListDialog.h"

#include "core/base/fileOpens.h"
#include "core/pointstest/testReport.h"
#include "core/records/keyedListModel.h"
#include "core/settings/settings.h"
#include "gui/ui/centring.h"
#include "gui/ui/fonts.h"
#include "gui/ui/messages.h"
#include "gui/ui/recordGrid.h"
#include "gui/ui/widgets.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
constexpr int kPageSize = 200;

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

namespace {
// No protocol of the profile on the server is what "none made yet" means
// there; a server that fails is left to the list, which says why.
bool anyOnServer(const StorePlace& place, const QString& profile) {
    ProtocolsTable table(place);
    return !table.open() || table.count(profile).value_or(1) > 0;
}
} // namespace

void TSeznamTestu::browse(const Settings& settings, const StorePlace& place, QWidget* owner,
                          TTestDetailForm::SaveChooser chooser) {
    const QString path = QDir(place.folder).filePath(schemas::protocols().fileName());
    if (place.isServer() ? !anyOnServer(place, settings.activeProfile) : !QFileInfo::exists(path)) {
        msg::info(owner, u"Dosud nebyly vytvořeny žádné protokoly z testu!"_s);
        return;
    }
    // A file that exists but cannot be opened is not "no protocols yet".
    if (!place.isServer() && !fileOpens(path)) {
        msg::error(owner, u"Soubor s protokoly z testů %1 nelze otevřít pro čtení a zápis."_s.arg(
                              QDir::toNativeSeparators(path)));
        return;
    }
    TSeznamTestu list(settings.activeProfile, place, owner, std::move(chooser));
    if (!list.load())
        return;
    centreOn(&list, owner);
    list.exec();
}

TSeznamTestu::TSeznamTestu(const QString& profile, const StorePlace& place, QWidget* owner,
                           TTestDetailForm::SaveChooser chooser)
    : RecordListDialog(owner, {u"Seznam testů nelze otevřít."_s, u"Další protokoly nelze načíst."_s,
                               u"Protokol nelze načíst."_s, u"Protokol už v tabulce není."_s,
                               u"Protokol nelze smazat."_s, u"Protokoly nelze smazat."_s}),
      profile_(profile), place_(place), table_(place), chooser_(std::move(chooser)) {
    setObjectName(u"SeznamTestu"_s);
    setWindowTitle(u"Seznam testů,   Uživatel: "_s + profile);
    setFont(windowFont());
    setFixedSize(392, 296);

    auto* btnOK = placeButton(this, "btnOK", u"&OK"_s, {16, 264, 85, 25});
    auto* btnDetail = placeButton(this, "btnDetail", u"&Protokol"_s, {106, 264, 85, 25});
    auto* btnVymaz = placeButton(this, "btnVymaz", u"Vymaž &záznam"_s, {196, 264, 85, 25});
    auto* btnVymazVse = placeButton(this, "btnVymazVse", u"&Vymaž vše"_s, {286, 264, 85, 25});

    const auto centred = Qt::Alignment(Qt::AlignHCenter);
    auto* model = new KeyedListModel(
        {u"Datum a čas"_s, u"Skupina"_s, u"Počet bodů"_s, u"Verdikt"_s},
        {centred, centred, centred, centred},
        [this](qint64 after, int limit) -> std::optional<KeyedListModel::Page> {
            const auto protocols = table_.list(profile_, after, limit);
            if (!protocols)
                return std::nullopt;
            return listPage(*protocols);
        },
        kPageSize, this);
    setGrid(model, {0, 0, 392, 257}, {118, 80, 90, 80});

    setTabOrder(btnOK, btnDetail);
    setTabOrder(btnDetail, btnVymaz);
    setTabOrder(btnVymaz, btnVymazVse);
    setTabOrder(btnVymazVse, grid());
    btnOK->setFocus();
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    setButtons(btnDetail, btnVymaz, btnVymazVse);
}

void TSeznamTestu::openRecord(qint64 key) {
    StoredProtocol protocol;
    if (!found(table_.find(profile_, key, protocol)))
        return;
    TTestDetailForm report(protocol.record, this, chooser_);
    centreOn(&report, this);
    report.exec();
}

bool TSeznamTestu::removeRecord(qint64 key) {
    StoredProtocol gone;
    const bool known = table_.find(profile_, key, gone) == Lookup::Found;
    if (!table_.remove(key))
        return false;
    if (known)
        forgetWaiting(place_, schemas::protocols(), gone.record.toRow());
    return true;
}

bool TSeznamTestu::removeAllRecords() {
    if (!table_.removeAll(profile_))
        return false;
    forgetWaiting(place_, schemas::protocols(), {{u"Profil"_s, Condition::Op::Equal, profile_}},
                  true);
    return true;
}
