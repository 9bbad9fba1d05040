#include "core/school/schoolLink.h"

#include "core/school/outbox.h"
#include "core/school/outboxSender.h"
#include "core/school/schoolConnection.h"
#include "core/store/serverSchema.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace {
// The connection of the windows' thread; the sender has its own.
const QString kReader = u"tarmelka-skola-cteni"_s;
// The windows wait at most this long for a server that went away.
constexpr int kReaderTimeoutSeconds = 3;
} // namespace

SchoolLink::SchoolLink(const QString& userFolder, QObject* parent)
    : QObject(parent), folder_(userFolder) {
    thread_.setObjectName(u"skola"_s);
}

SchoolLink::~SchoolLink() {
    stop(); // no signal: those who listen may be going too
}

void SchoolLink::stop() {
    if (sender_) {
        QMetaObject::invokeMethod(sender_, &OutboxSender::stop, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
        delete sender_;
        sender_ = nullptr;
    }
    if (readerOpen_)
        closeSchool(kReader);
    readerOpen_ = false;
}

void SchoolLink::configure(const SchoolServer& server) {
    stop();
    server_ = server;
    problem_.clear();
    // With no server, nothing waits to be told; the start reads no outbox.
    waiting_ = server_.isSet() ? outbox::waiting(folder_, nullptr).value_or(0) : 0;
    state_ = server_.isSet() ? State::Connecting : State::Off;
    if (server_.isSet()) {
        sender_ = new OutboxSender(folder_, server_);
        sender_->moveToThread(&thread_);
        connect(this, &SchoolLink::sendNow, sender_, &OutboxSender::sendNow);
        connect(sender_, &OutboxSender::reported, this, &SchoolLink::report);
        thread_.start();
        emit sendNow();
    }
    emit changed();
}

void SchoolLink::nudge() {
    if (!sender_)
        return;
    emit sendNow();
    emit changed();
}

bool SchoolLink::queue(const TableSchema& table, const QList<Row>& rows, StoreError* error) {
    if (!isOn())
        return true;
    const bool queued = outbox::queueRecords(folder_, table, rows, error);
    if (queued)
        waiting_ += int(rows.size());
    nudge();
    return queued;
}

bool SchoolLink::queueRemoval(const QStringList& profiles, StoreError* error) {
    if (!isOn() || profiles.isEmpty())
        return true;
    const bool queued =
        outbox::queueRemoval(folder_, profiles, QDateTime::currentDateTime(), error);
    // The removal also drops what of theirs waited: count afresh.
    waiting_ = outbox::waiting(folder_, nullptr).value_or(waiting_);
    nudge();
    return queued;
}

void SchoolLink::report(bool online, const QString& problem, int waiting) {
    if (!sender_)
        return; // a report from a sender stopped since
    state_ = online ? State::Online : State::Offline;
    problem_ = problem;
    if (waiting >= 0)
        waiting_ = waiting;
    emit changed();
}

StorePlace SchoolLink::readPlace() {
    return flush() ? StorePlace::onServer(kReader) : StorePlace(folder_);
}

bool SchoolLink::flush() {
    if (state_ != State::Online)
        return false;
    if (readerOpen_ && !serverschema::answers(kReader)) {
        closeSchool(kReader);
        readerOpen_ = false;
    }
    QString problem;
    if (!readerOpen_)
        readerOpen_ = openSchool(server_, kReader, &problem, kReaderTimeoutSeconds);
    // What this PC wrote goes first, so the server's lists hold it too; a
    // send that succeeds leaves nothing waiting.
    int sent = 0;
    StoreError error;
    if (readerOpen_ && outbox::send(folder_, kReader, &sent, &error)) {
        if (std::exchange(waiting_, 0) != 0)
            emit changed();
        return true;
    }
    if (readerOpen_)
        closeSchool(kReader);
    readerOpen_ = false;
    emit sendNow(); // the sender finds out what went wrong and says so
    return false;
}

QString SchoolLink::statusText() const {
    // The status bar's panel is narrow: a number says what waits.
    switch (state_) {
    case State::Off:
        return {};
    case State::Connecting:
        return u"Server školy: připojování"_s;
    case State::Online:
        return waiting_ > 0 ? u"Odesílání na server (%1)"_s.arg(waiting_)
                            : u"Server školy: připojeno"_s;
    case State::Offline:
        return waiting_ > 0 ? u"Server nedostupný (%1)"_s.arg(waiting_)
                            : u"Server školy nedostupný"_s;
    }
    return {};
}

QString SchoolLink::statusDetail() const {
    QString text;
    switch (state_) {
    case State::Off:
        return {};
    case State::Connecting:
        text = u"Program se připojuje k serveru školy."_s;
        break;
    case State::Online:
        text = u"Server školy je dostupný; výsledky se ukládají i na něj."_s;
        break;
    case State::Offline:
        text = u"Server školy není dostupný; výsledky se ukládají v tomto počítači a odešlou "
               u"se, jakmile bude dostupný."_s;
        break;
    }
    if (waiting_ > 0)
        text += u" Záznamů čekajících na odeslání: %1."_s.arg(waiting_);
    return problem_.isEmpty() ? text : text + u'\n' + problem_;
}
