#include "core/school/outboxSender.h"

#include "core/school/outbox.h"
#include "core/school/schoolConnection.h"
#include "core/store/serverSchema.h"

#include <QAtomicInt>

using namespace Qt::StringLiterals;

namespace {
QAtomicInt senders;
} // namespace

OutboxSender::OutboxSender(const QString& folder, const SchoolServer& server)
    : folder_(folder), server_(server),
      connection_(u"tarmelka-skola-odesilani-%1"_s.arg(senders.fetchAndAddRelaxed(1))) {}

OutboxSender::~OutboxSender() = default;

void OutboxSender::stop() {
    if (retry_)
        retry_->stop();
    closeSchool(connection_);
    open_ = false;
}

void OutboxSender::sendNow() {
    if (!retry_) { // made here, in the sender's own thread
        retry_ = new QTimer(this);
        retry_->setInterval(kRetryMs);
        connect(retry_, &QTimer::timeout, this, &OutboxSender::sendNow);
    }
    retry_->start(); // also rechecks a server that answered, so a lost one is seen
    QString problem;
    if (open_ && !serverschema::answers(connection_)) {
        closeSchool(connection_); // the server went away; try a new connection
        open_ = false;
    }
    if (!open_)
        open_ = openSchool(server_, connection_, &problem);
    int sent = 0;
    StoreError error;
    if (open_ && !outbox::send(folder_, connection_, &sent, &error)) {
        // The server went away mid-send, or refused: what it took is out of
        // the outbox, the rest waits for the next try on a new connection.
        problem = error.message(u"Odesílání na server školy se přerušilo."_s);
        closeSchool(connection_);
        open_ = false;
    }
    StoreError countError;
    const int waiting = outbox::waiting(folder_, &countError).value_or(-1);
    emit reported(open_, problem, waiting);
}
