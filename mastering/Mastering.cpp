#include "mastering/Mastering.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>

#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "platform/TextFile.h"
#include "core/Meldung.h"

namespace {
// The release window repaints and grows its protocol during long runs; the
// operator's clicks wait until the command is done, so no second command
// starts in the middle of this one.
void Nachrichten_verarbeiten()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool Hat_Platzhalter(const QString &maske, bool auchFragezeichen)
{
    return maske.contains(QLatin1Char('*')) || (auchFragezeichen && maske.contains(QLatin1Char('?')));
}

bool Kopiere_eine_Datei(const QString &quelle, const QString &ziel)
{
    // The platform copy reads the whole source before it replaces the target,
    // so a failed copy (a missing source too) leaves the target as it was.
    if (platform::copyFile(quelle, ziel)) {
        Schreibe_Protokoll(ProtokollOK, QStringLiteral("Kopiert: ") + ziel);
        return true;
    }
    Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Nicht kopiert: ") + quelle + QStringLiteral(" -> ") + ziel);
    return false;
}

bool Loesche_eine_Datei(const QString &pfad)
{
    // A name that is already gone counts as deleted; a folder or a locked
    // file does not.
    if (platform::removeFile(pfad)) {
        Schreibe_Protokoll(ProtokollOK, QStringLiteral("Gelöscht: ") + pfad);
        return true;
    }
    Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Nicht gelöscht: ") + pfad);
    return false;
}
} // namespace

void Loesche_Verzeichnisdateien(const QString &verzeichnis)
{
    const QString zeile = QStringLiteral("Lösche Dateien im Verzeichnis: ") + verzeichnis;
    if (!platform::folderExists(verzeichnis)) {
        Schreibe_Protokoll(ProtokollFehler, zeile);
        return;
    }
    Schreibe_Protokoll(ProtokollOK, zeile);
    const QStringList namen = platform::listFiles(verzeichnis, QStringLiteral("*.*"));
    for (const QString &name : namen) {
        if (!platform::removeFile(verzeichnis + name))
            Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Nicht gelöscht: ") + verzeichnis + name);
    }
}

bool Kopiere_Dateien(const QString &quellverzeichnis, const QString &maske, const QString &zielverzeichnis)
{
    if (!Hat_Platzhalter(maske, false))
        return Kopiere_eine_Datei(quellverzeichnis + maske, zielverzeichnis + maske);
    bool alle = true;
    const QStringList namen = platform::listFiles(quellverzeichnis, maske);
    for (const QString &name : namen) {
        alle = Kopiere_eine_Datei(quellverzeichnis + name, zielverzeichnis + name) && alle;
        Nachrichten_verarbeiten();
    }
    return alle;
}

bool Loesche_Dateien(const QString &verzeichnis, const QString &maske)
{
    if (!Hat_Platzhalter(maske, true))
        return Loesche_eine_Datei(verzeichnis + maske);
    bool alle = true;
    const QStringList namen = platform::listFiles(verzeichnis, maske);
    for (const QString &name : namen) {
        alle = Loesche_eine_Datei(verzeichnis + name) && alle;
        Nachrichten_verarbeiten();
    }
    return alle;
}

bool Verberge_Wert_in_Datei(const QString &wert, const QString &quellverzeichnis, const QString &quellname,
                            const QString &zielverzeichnis, const QString &zielname)
{
    const QString quelle = quellverzeichnis + quellname;
    const QString ziel = zielverzeichnis + zielname;
    const QByteArray zeichen = platform::encodeCp1252(wert);
    const qsizetype n = zeichen.size();

    QByteArray puffer;
    const bool gelesen = platform::readBytes(quelle, puffer);
    // The start position may be as high as 249, so every byte of the value
    // must fit behind it; the length is stored in one byte.
    QString grund;
    if (!gelesen)
        grund = QStringLiteral("Quelldatei nicht lesbar: ") + quelle;
    else if (n > 255)
        grund = QStringLiteral("Wert länger als 255 Zeichen: ") + quelle;
    else if (puffer.size() < 249 + n)
        grund = QStringLiteral("Quelldatei zu kurz zum Verbergen: ") + quelle;
    if (!grund.isEmpty()) {
        Schreibe_Protokoll(ProtokollFehler, grund);
        Zeige_Meldung(QStringLiteral("Error 1!"), QStringLiteral("Hinweis:"), Knopf_OK);
        return false;
    }

    const int p = 100 + platform::randomInt(150);
    puffer[60] = char(p);
    puffer[61] = char(n);
    for (qsizetype i = 0; i < n; ++i)
        puffer[p + i] = char((quint8(zeichen[i]) + 10) % 256);

    if (!platform::writeBytes(ziel, puffer)) {
        Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Nicht geschrieben: ") + ziel);
        Zeige_Meldung(QStringLiteral("Error 2!"), QStringLiteral("Hinweis:"), Knopf_OK);
        return false;
    }
    return true;
}

void Erstelle_RMListe() {}

void Erstelle_Optionen() {}
