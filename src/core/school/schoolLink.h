#pragma once

#include "core/settings/schoolServer.h"
#include "core/store/storePlace.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

class OutboxSender;

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

    State state() const { return state_; }
    QString problem() const { return problem_; } // why Offline, in Czech
    int waiting() const { return waiting_; }

    // Where the lists, the progress view, the drill and the forecast read:
    // the server, after what waits here has been sent to it, or this PC.
    StorePlace readPlace();

    // The status bar's words for the state.
    QString statusText() const;

  signals:
    void changed();
    void sendNow(); // to the sender's thread

  private:
    void report(bool online, const QString& problem, int waiting);

    QString folder_;
    SchoolServer server_;
    QThread thread_;
    OutboxSender* sender_ = nullptr;
    State state_ = State::Off;
    QString problem_;
    int waiting_ = 0;
    bool readerOpen_ = false;
};
