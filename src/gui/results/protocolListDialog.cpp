#include "gui/results/protocolListDialog.h"

#include "core/base/fileOpens.h"
#include "core/records/keyedListModel.h"
#include "core/pointstest/testReport.h"
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
    centreOn(&list, owner);
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

    DBGrid1_ = new RecordGrid(this, model_, {0, 0, 392, 257}, {118, 80, 90, 80});

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
    DBGrid1_->selectRow(0);
    updateButtons();
    return true;
}

void TSeznamTestu::showStoreError(const QString& what) {
    msg::error(this, table_.error().message(what));
}

void TSeznamTestu::updateButtons() {
    const bool any = model_->rowCount() > 0;
    btnDetail_->setEnabled(any);
    btnVymaz_->setEnabled(any);
    btnVymazVse_->setEnabled(any);
}

void TSeznamTestu::btnDetailClick() {
    const int row = DBGrid1_->currentRow();
    if (row < 0)
        return;
    StoredProtocol protocol;
    switch (table_.find(profile_, model_->keyAt(row), protocol)) {
    case Lookup::Failed:
        showStoreError(u"Protokol nelze načíst."_s);
        return;
    case Lookup::Gone:
        msg::error(this, u"Protokol už v tabulce není."_s);
        return;
    case Lookup::Found:
        break;
    }
    TTestDetailForm report(protocol.record, this, chooser_);
    centreOn(&report, this);
    report.exec();
}

void TSeznamTestu::btnVymazClick() {
    if (!DBGrid1_->removeCurrent([this](qint64 key) { return table_.remove(key); }))
        showStoreError(u"Protokol nelze smazat."_s);
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
