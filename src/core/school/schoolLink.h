#pragma once

#include "core/settings/schoolServer.h"
#include "core/store/tableStore.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

class OutboxSender;

// What a refused queue tells the learner, above the outbox's own reason.
inline const QString kNotQueuedForSchool = QStringLiteral(
    "Záznam je uložen v tomto počítači, ale nepodařilo se ho připravit k odeslání na server "
    "školy.");

// This PC's tie to the school's server. Records are queued in the outbox and
// a thread of its own delivers them whenever the server can be reached; the
// windows ask where to read, and get the server only while it answers and
// nothing of this PC waits, otherwise this PC's own tables, as without a
// server.
class SchoolLink : public QObject {
    Q_OBJECT
  public:
    enum class State { Off, Connecting, Online, Offline };

    explicit SchoolLink(const QString& userFolder, QObject* parent = nullptr);
    ~SchoolLink() override;

    // Sets the server (an unset one turns the link off) and tries it at once.
    void configure(const SchoolServer& server);
    const SchoolServer& server() const { return server_; }
    bool isOn() const { return server_.isSet(); }

    // Something was queued: send it soon.
    void nudge();
    // Queues copies of records just stored on this PC, when a server is set;
    // false with the reason when the outbox refused them.
    bool queue(const TableSchema& table, const QList<Row>& rows, StoreError* error);
    // Queues the removal from the server of profiles removed here.
    bool queueRemoval(const QStringList& profiles, StoreError* error);

    State state() const { return state_; }
    QString problem() const { return problem_; } // why Offline, in Czech
    int waiting() const { return waiting_; }

    // Where the lists, the progress view, the drill and the forecast read:
    // the server, after what waits here has been sent to it, or this PC.
    StorePlace readPlace();
    // Sends what waits over the windows' own connection, at once; true when
    // nothing waits any more. Used before reading and at the program's end.
    bool flush();

    // The status bar's words for the state, short; and the same in full,
    // with the reason the server cannot be reached.
    QString statusText() const;
    QString statusDetail() const;

  signals:
    void changed();
    void sendNow(); // to the sender's thread

  private:
    void report(bool online, const QString& problem, int waiting);
    void stop();

    QString folder_;
    SchoolServer server_;
    QThread thread_;
    OutboxSender* sender_ = nullptr;
    State state_ = State::Off;
    QString problem_;
    int waiting_ = 0;
    bool readerOpen_ = false;
};
