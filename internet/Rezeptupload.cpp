#include "internet/Rezeptupload.h"

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "internet/Internet.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

const QString Upload_Beispieladresse = QStringLiteral("your.name@example.com");

QString Bereinige_Uploadname(const QString &name)
{
    static const QString zeichen = QStringLiteral(" ,;:?#+*\\@-/\"");
    QString ergebnis = name;
    for (QChar &c : ergebnis)
        if (zeichen.contains(c))
            c = QLatin1Char('_');
    return ergebnis;
}

bool Pruefe_Emailadresse(const QString &adresse)
{
    return adresse.contains(QLatin1Char('@')) && adresse.contains(QLatin1Char('.'))
        && adresse != Upload_Beispieladresse;
}

TString Upload_Informationszeilen(const QString &email, bool veroeffentlichen)
{
    return {QStringLiteral("[TAFELWERKSTATT INOUT]"), QStringLiteral("VERSIONSNUMMER=400"),
            QStringLiteral("EMAIL=") + email,
            veroeffentlichen ? QStringLiteral("REZEPTANGABE=VEROEEFENTLICHUNG IST ERLAUBT")
                             : QStringLiteral("REZEPTANGABE=VEROEEFENTLICHUNG IST VERBOTEN")};
}

namespace {
bool Sende(const QString &kopie)
{
    const TInterneteinstellungen &e = Interneteinstellungen;
    return FTP_Hochladen(e.FTPHost, e.FTPBenutzer, e.FTPPasswort, kopie);
}
} // namespace

TUploadzaehler Lade_Rezept_hoch(const TTRezepteTotal &rezept, const QString &email, bool veroeffentlichen)
{
    TUploadzaehler z;
    const QString ablage = Programmverzeichnis + QStringLiteral("DRUCKTEMP\\");
    platform::makeFolder(ablage);
    const QString name = Bereinige_Uploadname(Ermittle_Dateiname(rezept.Dateiname));
    const QString ordner = Ermittle_Verzeichnis(rezept.Dateiname);

    // Copies quelle to the staging folder under ziel, puts it, deletes the copy.
    auto stelle_und_sende = [&](const QString &quelle, const QString &ziel) {
        ++z.Versucht;
        const QString kopie = ablage + ziel;
        const bool gesendet = Kopiere_Datei(quelle, kopie) && Sende(kopie);
        platform::removeFile(kopie);
        if (gesendet)
            ++z.Erledigt;
        return gesendet;
    };

    // Side files alone are no recipe: without the recipe file nothing is sent.
    if (rezept.Dateiname.isEmpty() || !platform::fileExists(rezept.Dateiname))
        return z;
    if (stelle_und_sende(rezept.Dateiname, name)) {
        const QString marke = Programmverzeichnis + QStringLiteral("NoOut.hbr");
        if (platform::fileExists(marke))
            platform::removeFile(marke);
    }
    ++z.Versucht;
    const QString info = ablage + name + QStringLiteral(".inh");
    if (platform::writeLines(info, Upload_Informationszeilen(email, veroeffentlichen)) && Sende(info))
        ++z.Erledigt;
    platform::removeFile(info);

    for (const QString &seite : {rezept.Bemerkungsdatei, rezept.Anleitungsdatei}) {
        if (seite.isEmpty())
            continue;
        // Side files lie beside the recipe file; a name that leads elsewhere
        // is not followed.
        if (Ermittle_Dateiname(seite) != seite || seite == QLatin1String("..")) {
            ++z.Versucht;
            continue;
        }
        if (platform::fileExists(ordner + seite))
            stelle_und_sende(ordner + seite, Bereinige_Uploadname(seite));
    }
    return z;
}
