#include "gui/settings/schoolServerDialog.h"

#include "core/school/schoolConnection.h"
#include "core/school/upload.h"
#include "gui/ui/centring.h"
#include "gui/ui/messages.h"
#include "gui/ui/widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
QLineEdit* field(QWidget* owner, const char* name, const QString& text, const QString& hint) {
    auto* edit = new QLineEdit(text, owner);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setPlaceholderText(hint);
    edit->setMaxLength(253);
    return edit;
}
} // namespace

QString TServerSkoly::tryServer(const SchoolServer& server) {
    const QString name = u"tarmelka-skola-zkouska"_s;
    QString problem;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = openSchool(server, name, &problem);
    closeSchool(name);
    QApplication::restoreOverrideCursor();
    return opened ? QString() : problem;
}

TServerSkoly::TServerSkoly(const SchoolServer& s, const QString& folder, QWidget* owner,
                           Tester tester)
    : QDialog(owner, kDialogFlags), folder_(folder), tester_(std::move(tester)) {
    setObjectName(u"ServerSkoly"_s);
    setWindowTitle(u"Server školy"_s);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        u"Výsledky, protokoly a historie odpovědí se pak ukládají i na server PostgreSQL vaší "
        u"autoškoly, takže žák vidí své výsledky na kterémkoli počítači školy. Zadejte buď službu "
        u"ze souboru pg_service.conf, nebo adresu serveru a databázi.\n\n"
        u"Heslo program neukládá: patří do souboru hesel knihovny libpq (~/.pgpass, ve Windows "
        u"%APPDATA%\\postgresql\\pgpass.conf) nebo do souboru služeb. Server se použije hned; "
        u"pro další spuštění ho uloží příkaz Konfigurace – Uložit nastavení."_s,
        this);
    intro->setObjectName(u"lbUvod"_s);
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* form = new QFormLayout;
    edSluzba_ = field(this, "edSluzba", s.service, u"např. autoskola"_s);
    edServer_ = field(this, "edServer", s.host, u"např. server.autoskola.cz"_s);
    edPort_ = field(this, "edPort", s.port > 0 ? QString::number(s.port) : QString(),
                    u"5432"_s);
    edPort_->setValidator(new QIntValidator(1, 65535, edPort_));
    edDatabaze_ = field(this, "edDatabaze", s.database, u"např. autoskola"_s);
    edUzivatel_ = field(this, "edUzivatel", s.user, u"např. ucebna"_s);
    cbTLS_ = new QComboBox(this);
    cbTLS_->setObjectName(u"cbTLS"_s);
    cbTLS_->addItems(sslModes());
    cbTLS_->setCurrentText(s.sslMode);
    form->addRow(u"&Služba:"_s, edSluzba_);
    form->addRow(u"Se&rver:"_s, edServer_);
    form->addRow(u"&Port:"_s, edPort_);
    form->addRow(u"&Databáze:"_s, edDatabaze_);
    form->addRow(u"&Uživatel:"_s, edUzivatel_);
    form->addRow(u"Šifrování &TLS:"_s, cbTLS_);
    layout->addLayout(form);

    lbVysledek_ = new QLabel(this);
    lbVysledek_->setObjectName(u"lbVysledek"_s);
    lbVysledek_->setTextFormat(Qt::PlainText);
    lbVysledek_->setWordWrap(true);
    lbVysledek_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(lbVysledek_);

    auto* buttons = new QDialogButtonBox(this);
    auto* test = buttons->addButton(u"&Vyzkoušet spojení"_s, QDialogButtonBox::ActionRole);
    test->setObjectName(u"btnVyzkouset"_s);
    auto* upload = buttons->addButton(u"&Odeslat dřívější záznamy"_s, QDialogButtonBox::ActionRole);
    upload->setObjectName(u"btnOdeslat"_s);
    upload->setToolTip(u"Odešle na server výsledky, protokoly a historii odpovědí, které tento "
                       u"počítač uložil dříve; co už na serveru je, znovu neodešle."_s);
    auto* none = buttons->addButton(u"&Nepoužívat server"_s, QDialogButtonBox::ResetRole);
    none->setObjectName(u"btnNepouzivat"_s);
    auto* ok = buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole);
    ok->setObjectName(u"btnOK"_s);
    ok->setDefault(true);
    auto* cancel = buttons->addButton(u"Storno"_s, QDialogButtonBox::RejectRole);
    cancel->setObjectName(u"btnStorno"_s);
    layout->addWidget(buttons);
    connect(test, &QPushButton::clicked, this, &TServerSkoly::testConnection);
    connect(upload, &QPushButton::clicked, this, &TServerSkoly::uploadEarlier);
    connect(none, &QPushButton::clicked, this, [this] {
        unset_ = true;
        accept();
    });
    connect(ok, &QPushButton::clicked, this, &TServerSkoly::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(480, sizeHint().height());
    centreOn(this, owner);
}

SchoolServer TServerSkoly::server() const {
    if (unset_)
        return {};
    SchoolServer s;
    s.service = edSluzba_->text().trimmed();
    s.host = edServer_->text().trimmed();
    s.port = edPort_->text().trimmed().isEmpty() ? 0 : edPort_->text().toInt();
    s.database = edDatabaze_->text().trimmed();
    s.user = edUzivatel_->text().trimmed();
    s.sslMode = cbTLS_->currentText();
    return s;
}

void TServerSkoly::testConnection() {
    const SchoolServer s = server();
    QString problem = schoolServerProblem(s);
    if (problem.isEmpty())
        problem = tester_(s);
    lbVysledek_->setText(problem.isEmpty()
                             ? u"Spojení se serverem školy funguje a tabulky programu jsou "
                               u"připraveny."_s
                             : problem);
    setTextColour(lbVysledek_, problem.isEmpty() ? colours::kVerdictRight : colours::kVerdictWrong,
                  kTextContrast);
}

void TServerSkoly::uploadEarlier() {
    const SchoolServer s = server();
    QString problem = schoolServerProblem(s);
    const QString name = u"tarmelka-skola-odeslani"_s;
    UploadCount count;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (problem.isEmpty() && openSchool(s, name, &problem)) {
        StoreError error;
        if (!uploadEarlierRecords(folder_, name, &count, &error))
            problem = error.message(u"Odesílání se přerušilo; co server přijal, na něm zůstává "
                                    u"a další pokus ho znovu neodešle."_s);
        closeSchool(name);
    }
    QApplication::restoreOverrideCursor();
    lbVysledek_->setText(
        problem.isEmpty()
            ? u"Odesláno záznamů: %1. Na serveru už bylo: %2."_s.arg(count.sent).arg(count.present)
            : problem);
    setTextColour(lbVysledek_, problem.isEmpty() ? colours::kVerdictRight : colours::kVerdictWrong,
                  kTextContrast);
}

void TServerSkoly::confirm() {
    if (const QString problem = schoolServerProblem(server()); !problem.isEmpty())
        return msg::error(this, problem);
    accept();
}
