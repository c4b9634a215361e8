#pragma once
// The transfers: an HTTP download into one file with the progress bar of
// FDown, an FTP upload of one file into the account's UPLOAD folder, and the
// shell open of documents, web pages and the mail link. Both transfers run on
// the GUI thread and keep the windows alive by handling pending events while
// they wait for the network; only one transfer runs at a time.
#include <QString>

class QWidget;

// The server settings of PRGDATA\ENG\INTERNET.HRB, read once at start-up.
struct TInterneteinstellungen {
    QString Serveradresse;  // SERVERURL: "http://host[:port]" without a final "/"; empty = no server
    QString FTPHost;        // FTPHOST, else the host of the server address
    qint32 FTPPort = 21;    // FTPPORT
    QString FTPKonto;       // FTPACCOUNT: the account folder (one folder name)
    QString FTPBenutzer;    // FTPUSER
    QString FTPPasswort;    // FTPPASSWORD
    QString Webseite;       // WEBSITE
    QString Kontaktadresse; // CONTACTMAIL; empty = no mail link
    qint32 Zeitlimit = 30;  // TIMEOUTSEC: seconds before a stalled transfer fails
};
extern TInterneteinstellungen Interneteinstellungen;

// Reads PRGDATA\ENG\INTERNET.HRB into Interneteinstellungen. A missing file
// means no server. A server address that is not http:// or https:// with a
// host is reported and ignored; an account that is not one plain folder name
// is ignored too. Nothing else is checked here: a login the server refuses
// fails the upload.
void Lade_Interneteinstellungen();

// What the user is told instead of a failure when no server is set:
// nothing was tried, and where to name one.
QString Kein_Server_Hinweis();
QString Kein_Uploadserver_Hinweis();
// A server for downloads, and an upload server with its account.
bool Downloadserver_eingestellt();
bool Uploadserver_eingestellt();

// The start-up's part: the settings read, the mail entry of the main window
// switched on when there is a contact address.
void Starte_Internetdienste();

// True while a download or an upload runs; a second one is refused meanwhile.
bool Internetuebertragung_laeuft();

// Downloads url into the file datei. True only when the server answered 2xx
// and the whole body arrived; the file is written beside the target and
// renamed over it only then, so a failed download leaves the old file as it
// was. False at once with no server set, for a URL that is not http(s), while
// another transfer runs, and when the file cannot be written. Moves the bar
// PBDown of FDown (one step per 1024 bytes, back to its minimum at its
// maximum, at its maximum when done); showing FDown is the caller's part.
bool GetInetFile(const QString &url, const QString &datei);

// Stores the local file datei under its own name in the folder UPLOAD of the
// configured account on host (port FTPPort), in passive mode and unchanged
// (binary). False at once with no host, no account, no such local file, or
// while another transfer runs; false for a refused login or a missing folder.
bool FTP_Hochladen(const QString &host, const QString &benutzer, const QString &passwort, const QString &datei);

// Downloads keep no web cache of their own (nothing is ever stored outside
// the file asked for), so there is nothing to purge; kept for the start-up,
// which calls it before the update check.
void Loesche_TWS_Tempinternet();

// Opens a document, program, web page or mail address through the shell.
// fenster, verb and showMode are accepted for the callers' sake; parameters
// start the file as a program with them. The shell's answer is not examined.
void Oeffne_Dokument(QWidget *fenster, const QString &verb, const QString &datei, const QString &parameter,
                     const QString &verzeichnis, int showMode);

// The mail link's address: "mailto:" + address + "?subject=Tablecraft
// Works&body=Hello Tablecraft Works developers,"; empty for no address.
QString Mailadresse(const QString &kontakt);

// Where the bar stands after schritte steps from position: each step adds
// one and a position that reaches maximum goes back to minimum.
int Fortschrittsposition(int position, int minimum, int maximum, qint64 schritte);
