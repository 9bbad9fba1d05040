#pragma once

// TServerSkoly, "Server školy": where this PC sends the learners' records.
#include "core/settings/schoolServer.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;

// Edits the school server of this PC: a service of pg_service.conf, or host,
// port, database and user, and the TLS mode. Never asks for a password; the
// dialog says where libpq keeps it. "Vyzkoušet spojení" tries the server as
// written; "Nepoužívat server" returns an unset server.
class TServerSkoly : public QDialog {
    Q_OBJECT
  public:
    // Tries a server; an empty text when it answered, else what failed.
    using Tester = std::function<QString(const SchoolServer&)>;
    static QString tryServer(const SchoolServer& server);

    // folder: where this PC keeps its records, for "Odeslat dřívější záznamy".
    TServerSkoly(const SchoolServer& server, const QString& folder, QWidget* owner,
                 Tester tester = &tryServer);

    // The server as the fields now say it.
    SchoolServer server() const;

  private:
    void testConnection();
    void uploadEarlier();
    void confirm();

    QLineEdit* edSluzba_;
    QLineEdit* edServer_;
    QLineEdit* edPort_;
    QLineEdit* edDatabaze_;
    QLineEdit* edUzivatel_;
    QComboBox* cbTLS_;
    QLabel* lbVysledek_;
    QString folder_;
    Tester tester_;
    bool unset_ = false;
};
