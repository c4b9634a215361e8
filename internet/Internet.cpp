#include "internet/Internet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProgressBar>
#include <QSaveFile>
#include <QUrl>
#include <curl/curl.h>
#include <functional>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "internet/F_Down.h"
#include "internet/Wertdatei.h"
#include "platform/Paths.h"
#include "dialogs/Dienste.h"
#include "core/Meldung.h"

TInterneteinstellungen Interneteinstellungen;

namespace {

bool g_laeuft = false;

// Marks the one running transfer for as long as it lives.
struct Uebertragung {
    Uebertragung() { g_laeuft = true; }
    ~Uebertragung() { g_laeuft = false; }
    Uebertragung(const Uebertragung &) = delete;
    Uebertragung &operator=(const Uebertragung &) = delete;
};

// How often pending events are handled and the bar is moved while a transfer
// runs: often enough for a smooth window, rarely enough not to slow the data.
constexpr int Takt_ms = 15;

void Curl_bereit()
{
    static const bool bereit = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(bereit);
}

bool Ist_Ordnername(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && std::none_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 32; });
}

// The agent name: the program file's name without its folder.
QByteArray Programmname()
{
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return (name.isEmpty() ? QStringLiteral("tablecraft") : name).toUtf8();
}

void Grundeinstellungen(CURL *e)
{
    const long sekunden = qMax(1, Interneteinstellungen.Zeitlimit);
    curl_easy_setopt(e, CURLOPT_USERAGENT, Programmname().constData());
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT, sekunden);
    // A transfer that moves less than one byte a second for that long has stalled.
    curl_easy_setopt(e, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(e, CURLOPT_LOW_SPEED_TIME, sekunden);
    // The system's proxy settings hold, but never for this machine itself.
    curl_easy_setopt(e, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
}

// Runs the transfer on this thread. While waiting for the network it handles
// pending events every few milliseconds and calls zwischendurch first.
CURLcode Fuehre_aus(CURL *e, const std::function<void()> &zwischendurch)
{
    CURLM *m = curl_multi_init();
    if (!m)
        return CURLE_OUT_OF_MEMORY;
    curl_multi_add_handle(m, e);
    QElapsedTimer uhr;
    uhr.start();
    CURLcode ergebnis = CURLE_FAILED_INIT;
    int laufend = 1;
    while (curl_multi_perform(m, &laufend) == CURLM_OK && laufend) {
        if (uhr.elapsed() >= Takt_ms) {
            zwischendurch();
            QCoreApplication::processEvents();
            uhr.restart();
        }
        curl_multi_poll(m, nullptr, 0, Takt_ms, nullptr);
    }
    int rest = 0;
    while (CURLMsg *nachricht = curl_multi_info_read(m, &rest))
        if (nachricht->msg == CURLMSG_DONE && nachricht->easy_handle == e)
            ergebnis = nachricht->data.result;
    curl_multi_remove_handle(m, e);
    curl_multi_cleanup(m);
    return ergebnis;
}

struct Downloadziel {
    QSaveFile *datei;
    qint64 bytes = 0;
};

size_t Schreibe_Daten(char *daten, size_t groesse, size_t anzahl, void *ziel)
{
    auto *z = static_cast<Downloadziel *>(ziel);
    const qint64 laenge = qint64(groesse * anzahl);
    if (z->datei->write(daten, laenge) != laenge)
        return 0; // ends the transfer with a write error
    z->bytes += laenge;
    return size_t(laenge);
}

size_t Lies_Daten(char *puffer, size_t groesse, size_t anzahl, void *quelle)
{
    const qint64 gelesen = static_cast<QFile *>(quelle)->read(puffer, qint64(groesse * anzahl));
    return gelesen < 0 ? CURL_READFUNC_ABORT : size_t(gelesen);
}

} // namespace

void Lade_Interneteinstellungen()
{
    TInterneteinstellungen e;
    TString werte;
    const QString datei = Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\INTERNET.HRB");
    if (LoadValueFile(datei, werte) == 0) {
        QString server = GetValueStr(QStringLiteral("SERVERURL"), werte).trimmed();
        while (server.endsWith(QLatin1Char('/')))
            server.chop(1);
        const QUrl adresse(server, QUrl::StrictMode);
        const QString schema = adresse.scheme().toLower();
        if (!server.isEmpty()
            && (!adresse.isValid() || (schema != QLatin1String("http") && schema != QLatin1String("https"))
                || adresse.host().isEmpty() || !adresse.path().isEmpty() || adresse.hasQuery())) {
            Zeige_Meldung(QStringLiteral("The server address in ") + datei + QStringLiteral(" is not valid: ") + server,
                          QStringLiteral("Error:"), Knopf_OK);
            server.clear();
        }
        e.Serveradresse = server;
        // Without a server nothing connects, the upload included.
        if (!server.isEmpty()) {
            e.FTPHost = GetValueStr(QStringLiteral("FTPHOST"), werte).trimmed();
            if (e.FTPHost.isEmpty())
                e.FTPHost = adresse.host();
        }
        const qint32 port = GetValueInt(QStringLiteral("FTPPORT"), werte);
        if (port > 0 && port < 65536)
            e.FTPPort = port;
        const QString konto = GetValueStr(QStringLiteral("FTPACCOUNT"), werte).trimmed();
        if (Ist_Ordnername(konto))
            e.FTPKonto = konto;
        e.FTPBenutzer = GetValueStr(QStringLiteral("FTPUSER"), werte);
        e.FTPPasswort = GetValueStr(QStringLiteral("FTPPASSWORD"), werte);
        e.Webseite = GetValueStr(QStringLiteral("WEBSITE"), werte).trimmed();
        e.Kontaktadresse = GetValueStr(QStringLiteral("CONTACTMAIL"), werte).trimmed();
        const qint32 sekunden = GetValueInt(QStringLiteral("TIMEOUTSEC"), werte);
        if (sekunden > 0)
            e.Zeitlimit = sekunden;
    }
    Interneteinstellungen = e;
}

QString Kein_Server_Hinweis()
{
    return QStringLiteral("No download server is set, so nothing was loaded. To set one, write its address into "
                          "PRGDATA\\ENG\\INTERNET.HRB (the line SERVERURL=http://...) and start the program again. "
                          "See the help, chapter 6.");
}

QString Kein_Uploadserver_Hinweis()
{
    return QStringLiteral("No upload server is set, so no recipe can be sent. To set one, write the server's "
                          "address and your account into PRGDATA\\ENG\\INTERNET.HRB (the lines SERVERURL=, "
                          "FTPACCOUNT=, FTPUSER= and FTPPASSWORD=) and start the program again. "
                          "See the help, chapter 6.");
}

bool Downloadserver_eingestellt()
{
    return !Interneteinstellungen.Serveradresse.isEmpty();
}

bool Uploadserver_eingestellt()
{
    return !Interneteinstellungen.FTPHost.isEmpty() && Ist_Ordnername(Interneteinstellungen.FTPKonto);
}

void Starte_Internetdienste()
{
    Lade_Interneteinstellungen();
    if (Hauptfenster())
        Schalte_Menueeintrag(TMenueeintrag::Email, !Interneteinstellungen.Kontaktadresse.isEmpty());
}

bool Internetuebertragung_laeuft()
{
    return g_laeuft;
}

int Fortschrittsposition(int position, int minimum, int maximum, qint64 schritte)
{
    if (maximum <= minimum)
        return minimum;
    const qint64 spanne = qint64(maximum) - minimum;
    qint64 p = qBound(qint64(minimum), qint64(position), qint64(maximum));
    if (p == maximum)
        p = minimum;
    return int(minimum + (p - minimum + qMax<qint64>(0, schritte)) % spanne);
}

bool GetInetFile(const QString &url, const QString &datei)
{
    if (g_laeuft || Interneteinstellungen.Serveradresse.isEmpty())
        return false;
    const QUrl adresse(url);
    const QString schema = adresse.scheme().toLower();
    if (!adresse.isValid() || adresse.host().isEmpty()
        || (schema != QLatin1String("http") && schema != QLatin1String("https")))
        return false;
    const QString ziel = platform::nativePath(datei);
    if (ziel.isEmpty())
        return false;
    QSaveFile ausgabe(ziel);
    if (!ausgabe.open(QIODevice::WriteOnly))
        return false;

    const Uebertragung laeuft;
    Curl_bereit();
    CURL *e = curl_easy_init();
    if (!e)
        return false;
    Downloadziel z{&ausgabe};
    Grundeinstellungen(e);
    curl_easy_setopt(e, CURLOPT_URL, adresse.toEncoded().constData());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(e, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(e, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, Schreibe_Daten);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, &z);

    // The bar may belong to a window that closes meanwhile.
    QPointer<QProgressBar> balken = FDown ? FDown->PBDown : nullptr;
    const int start = balken ? balken->value() : 0;
    const CURLcode code = Fuehre_aus(e, [&] {
        if (balken)
            balken->setValue(Fortschrittsposition(start, balken->minimum(), balken->maximum(), z.bytes / 1024));
    });
    long status = 0;
    curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(e);

    if (code != CURLE_OK || status < 200 || status > 299) {
        ausgabe.cancelWriting();
        return false;
    }
    if (balken) {
        balken->setValue(balken->maximum());
        QCoreApplication::processEvents();
    }
    return ausgabe.commit();
}

bool FTP_Hochladen(const QString &host, const QString &benutzer, const QString &passwort, const QString &datei)
{
    const QString konto = Interneteinstellungen.FTPKonto;
    if (g_laeuft || host.isEmpty() || !Ist_Ordnername(konto))
        return false;
    const QString name = Ermittle_Dateiname(datei);
    QFile quelle(platform::nativePath(datei));
    if (!Ist_Ordnername(name) || !platform::fileExists(datei) || !quelle.open(QIODevice::ReadOnly))
        return false;
    QUrl ziel;
    ziel.setScheme(QStringLiteral("ftp"));
    ziel.setHost(host);
    ziel.setPort(Interneteinstellungen.FTPPort);
    // Relative to the login folder: the account folder, then UPLOAD.
    ziel.setPath(QLatin1Char('/') + konto + QStringLiteral("/UPLOAD/") + name);
    if (!ziel.isValid())
        return false;

    const Uebertragung laeuft;
    Curl_bereit();
    CURL *e = curl_easy_init();
    if (!e)
        return false;
    Grundeinstellungen(e);
    curl_easy_setopt(e, CURLOPT_URL, ziel.toEncoded().constData());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(e, CURLOPT_USERNAME, benutzer.toUtf8().constData());
    curl_easy_setopt(e, CURLOPT_PASSWORD, passwort.toUtf8().constData());
    curl_easy_setopt(e, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_NONE));
    curl_easy_setopt(e, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_MULTICWD));
    curl_easy_setopt(e, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(e, CURLOPT_READFUNCTION, Lies_Daten);
    curl_easy_setopt(e, CURLOPT_READDATA, &quelle);
    curl_easy_setopt(e, CURLOPT_INFILESIZE_LARGE, curl_off_t(quelle.size()));
    const CURLcode code = Fuehre_aus(e, [] {});
    curl_easy_cleanup(e);
    return code == CURLE_OK;
}

void Loesche_TWS_Tempinternet() {}

void Oeffne_Dokument(QWidget *fenster, const QString &verb, const QString &datei, const QString &parameter,
                     const QString &verzeichnis, int showMode)
{
    Q_UNUSED(fenster);
    Q_UNUSED(verb);
    Starte_ShellExecute(datei, parameter, verzeichnis, showMode);
}

QString Mailadresse(const QString &kontakt)
{
    if (kontakt.isEmpty())
        return QString();
    return QStringLiteral("mailto:") + kontakt
        + QStringLiteral("?subject=Tablecraft Works&body=Hello Tablecraft Works developers,");
}
