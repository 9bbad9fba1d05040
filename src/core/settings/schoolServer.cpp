#include "core/settings/schoolServer.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

const QStringList& sslModes() {
    static const QStringList modes{u"disable"_s, u"allow"_s,     u"prefer"_s,
                                   u"require"_s, u"verify-ca"_s, u"verify-full"_s};
    return modes;
}

namespace {
// A service name becomes part of the option string, so it is held to the
// characters a service section's name has; a host may be a socket folder.
bool plain(const QString& text, const QString& pattern) {
    return QRegularExpression(u"\\A(?:"_s + pattern + u")\\z"_s).match(text).hasMatch();
}

bool printable(const QString& text) {
    for (QChar c : text)
        if (!c.isPrint() || c == u'\'' || c == u'\\')
            return false;
    return text.size() <= 63;
}
} // namespace

QString schoolServerProblem(const SchoolServer& s) {
    if (!s.isSet())
        return u"Zadejte službu ze souboru pg_service.conf, nebo adresu serveru."_s;
    if (!s.service.isEmpty() && !plain(s.service, u"[A-Za-z0-9_.-]{1,63}"_s))
        return u"Název služby smí obsahovat jen písmena bez diakritiky, číslice, tečku, "
               u"pomlčku a podtržítko."_s;
    if (!s.host.isEmpty() && !plain(s.host, u"[A-Za-z0-9_.:/-]{1,253}"_s))
        return u"Adresa serveru smí obsahovat jen písmena bez diakritiky, číslice, tečku, "
               u"dvojtečku, lomítko a pomlčku."_s;
    if (s.port < 0 || s.port > 65535)
        return u"Port musí být číslo od 1 do 65535, nebo prázdný."_s;
    if (!printable(s.database) || !printable(s.user))
        return u"Název databáze a jméno uživatele mohou mít nejvýše 63 znaků a nesmějí "
               u"obsahovat apostrof, zpětné lomítko ani řídicí znaky."_s;
    if (!sslModes().contains(s.sslMode))
        return u"Neznámý režim šifrování TLS: %1."_s.arg(s.sslMode);
    return {};
}

QString connectOptions(const SchoolServer& s, int timeoutSeconds) {
    // A server that vanishes mid-connection (a cable pulled) is noticed
    // within seconds, not when the system's TCP gives up minutes later.
    QStringList options{u"sslmode="_s + s.sslMode,
                        u"connect_timeout="_s + QString::number(timeoutSeconds),
                        u"application_name=tarmelka"_s,
                        u"keepalives_idle=5"_s,
                        u"keepalives_interval=2"_s,
                        u"keepalives_count=2"_s,
                        u"tcp_user_timeout="_s + QString::number(timeoutSeconds * 1000)};
    if (!s.service.isEmpty())
        options << u"service="_s + s.service;
    return options.join(u';');
}
