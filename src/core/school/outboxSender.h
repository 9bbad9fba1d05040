#pragma once

#include "core/settings/schoolServer.h"

#include <QObject>
#include <QTimer>

// Lives in the link's thread with a connection of its own: sends the outbox
// when asked and every little while, and says how it went.
class OutboxSender : public QObject {
    Q_OBJECT
  public:
    OutboxSender(const QString& folder, const SchoolServer& server);
    ~OutboxSender() override;

    // How long the sender waits before trying a server that did not answer.
    static constexpr int kRetryMs = 15000;

  public slots:
    void sendNow();
    void stop();

  signals:
    void reported(bool online, const QString& problem, int waiting);

  private:
    QString folder_;
    SchoolServer server_;
    QString connection_;
    QTimer* retry_ = nullptr;
    bool open_ = false;
};
