#include "internet/Update.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QUrl>
#include <cmath>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "core/Meldung.h"
#include "internet/F_Down.h"
#include "internet/Internet.h"
#include "internet/News.h"
#include "internet/Rezeptdownload.h"
#include "internet/Wertdatei.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "platform/TextFile.h"
#include "dialogs/Dienste.h"
#include "dialogs/F_Warten.h"

namespace {

const QString Versionsdatei = QStringLiteral("VERSION.HRB");
const QString Serverversionen = QStringLiteral("VERSIONS.HRB");
const QString Datenbankkopf = QStringLiteral("[TAFELWERKSTATT 2.00]");

void Sperre_Hauptfenster(bool sperren)
{
    if (Hauptfenster())
        Hauptfenster()->setEnabled(!sperren);
}

bool Erste_Zeile_beginnt_mit(const QString &datei, const QString &anfang)
{
    QStringList zeilen;
    return platform::readLines(datei, zeilen) && !zeilen.isEmpty() && zeilen.first().startsWith(anfang);
}

bool Gleicher_Inhalt(const QString &a, const QString &b)
{
    QByteArray x, y;
    return platform::readBytes(a, x) && platform::readBytes(b, y) && x == y;
}

// One row of the version comparison: a newer server version switches on its
// entry; an older one (or, for the news, none at all yet) is taken over.
struct Versionsvergleich {
    TString &lokal;
    const TString &server;
    bool geaendert = false;

    enum Uebernahme { Aeltere, Auch_aus_Null, Nie };

    // -1 local older, 0 equal, 1 local newer.
    int vergleiche(const QString &schluessel, Uebernahme uebernahme = Aeltere)
    {
        const qint32 l = GetValueInt(schluessel, lokal);
        const qint32 s = GetValueInt(schluessel, server);
        if (uebernahme != Nie && (l > s || (uebernahme == Auch_aus_Null && l == 0 && s != 0))) {
            SetValueInt(schluessel, s, lokal);
            geaendert = true;
        }
        return l < s ? -1 : (l > s ? 1 : 0);
    }
};

void Vergleiche_Versionen()
{
    TString server, lokal;
    if (LoadValueFile(Datenpfad(Serverversionen), server) != 0 || LoadValueFile(Datenpfad(Versionsdatei), lokal) != 0)
        return;
    Versionsvergleich v{lokal, server};
    // The program's own version is what runs here: an older server value
    // must not make a later check offer this very version as an update.
    if (v.vergleiche(QStringLiteral("TWSVERSION"), Versionsvergleich::Nie) < 0) {
        NeueVersion = 1;
        if (Hauptfenster())
            Schalte_Updateeintrag(TMenueeintrag::Programmupdate,
                                  QStringLiteral("Download update to version ")
                                      + Formatiere_Versionsnummer(GetValueInt(QStringLiteral("TWSVERSION"), server)));
    }
    // The local news version is raised only from 0 or when it is ahead; in
    // between, the news are fetched at every start (the merge keeps them
    // from doubling).
    if (v.vergleiche(QStringLiteral("TWSNEWSVERSION"), Versionsvergleich::Auch_aus_Null) < 0)
        NewsLaden = 1;
    if (v.vergleiche(QStringLiteral("TWSRECIPESVERSION")) < 0) {
        NeueRezepte = 1;
        if (Hauptfenster())
            Schalte_Updateeintrag(TMenueeintrag::Rezeptdownload, QStringLiteral("Download new recipes"));
    }
    if (v.vergleiche(QStringLiteral("TWSGRAPHICSVERSION")) < 0) {
        NeueGrafiken = 1;
        if (Hauptfenster())
            Schalte_Updateeintrag(TMenueeintrag::Grafikdownload, QStringLiteral("Download new data"));
    }
    if (v.vergleiche(QStringLiteral("TWSDATENBANKVERSION")) < 0) {
        NeueZutaten = 1;
        if (Hauptfenster())
            Schalte_Updateeintrag(TMenueeintrag::Datenbankupdate, QStringLiteral("Download database update"));
    }
    if (v.geaendert)
        SaveValueFile(Datenpfad(Versionsdatei), lokal);
}

// Recipes of an earlier index that are still not installed keep the
// download on offer, whatever the versions say.
void Pruefe_alten_Rezeptindex()
{
    TString index;
    if (LoadValueFile(Datenpfad(QStringLiteral("RECIPESS.HRB")), index) != 0)
        return;
    const qint32 anzahl = GetValueInt(QStringLiteral("COUNTRECIPES"), index);
    if (anzahl < 1)
        return;
    TRecipetype eintraege;
    Lies_Rezeptliste(anzahl, index, eintraege, true);
    for (const TTRecipetype &e : std::as_const(eintraege))
        if (Ist_Rezept_neu(e)) {
            if (Hauptfenster())
                Schalte_Updateeintrag(TMenueeintrag::Rezeptdownload, QStringLiteral("Download new recipes"));
            return;
        }
}

void Lade_neue_News()
{
    const bool geladen = Lade_News(Load, QString());
    const TNewsInhalt alt = News.Inhalt;
    if (!NewsLaden)
        return;
    const QString server = Datenpfad(QStringLiteral("NEWSS.hbr"));
    GetInetFile(Serveradresse(QStringLiteral("/TWS/ENG/DOWNLOAD/NEWSS.HBR")), server);
    Lade_News(Load, server);
    const double heute = std::floor(DateTimeToTWS(platform::now()));
    News.Inhalt = Mische_News(alt, News.Inhalt, heute);
    News.Anzahl = qint32(News.Inhalt.size());
    // A news file that exists but did not load is not written over.
    if (geladen || !platform::fileExists(Datenpfad(QStringLiteral("NEWS.HRB"))))
        Lade_News(Save, QString());
}

} // namespace

QString Datenpfad(const QString &name)
{
    return Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\") + name;
}

QString Serveradresse(const QString &pfad)
{
    const qsizetype schnitt = pfad.lastIndexOf(QLatin1Char('/')) + 1;
    return Interneteinstellungen.Serveradresse + pfad.left(schnitt)
        + QString::fromLatin1(QUrl::toPercentEncoding(pfad.mid(schnitt)));
}

bool Ist_einfacher_Dateiname(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 32)
            return false;
    return true;
}

void Melde_ungueltigen_Namen(const QString &name)
{
    Zeige_Meldung(QStringLiteral("The server names a file that cannot be used: ") + name, QStringLiteral("Error:"), Knopf_OK);
}

void Schalte_Updateeintrag(TMenueeintrag eintrag, const QString &text)
{
    if (!Hauptfenster())
        return;
    Schalte_Menueeintrag(TMenueeintrag::Updatemenue, true);
    Schalte_Menueeintrag(eintrag, true);
    if (!text.isEmpty())
        Beschrifte_Menueeintrag(eintrag, text);
}

void Oeffne_Fortschritt(qint32 maximumKB)
{
    if (!FDown)
        return;
    FDown->PBDown->setRange(0, qMax(1, maximumKB));
    FDown->PBDown->setValue(0);
    FDown->show();
    FDown->raise();
}

void Schliesse_Fortschritt()
{
    if (FDown)
        FDown->hide();
}

void TWS_Versionscheck()
{
    const QString versionsdatei = Datenpfad(Versionsdatei);
    TString lokal;
    if (LoadValueFile(versionsdatei, lokal) != 0)
        return;
    SetValueInt(QStringLiteral("TWSVERSION"), Programmversion, lokal);
    SaveValueFile(versionsdatei, lokal);
    const QString setup = GetValueStr(QStringLiteral("SETUPNAME"), lokal);
    if (setup.isEmpty())
        return;
    if (!Ist_einfacher_Dateiname(setup)) {
        // Never opened or deleted: the name could point anywhere.
        Melde_ungueltigen_Namen(setup);
        SetValueStr(QStringLiteral("SETUPNAME"), QString(), lokal);
        SaveValueFile(versionsdatei, lokal);
        return;
    }
    TString server;
    if (LoadValueFile(Datenpfad(Serverversionen), server) != 0)
        return;
    const qint32 serverversion = GetValueInt(QStringLiteral("TWSVERSION"), server);
    const QString setupdatei = Datenpfad(setup);
    if (platform::fileExists(setupdatei) && serverversion > Programmversion
        && Zeige_Meldung(QStringLiteral("Do you want to start the update?"), QStringLiteral("Question:"), Knoepfe_Ja_Nein)
               == Antwort_Ja) {
        Lade_Optionen(Load);
        Aufbereitungsfenster_Zu(AF_Nichts);
        QCoreApplication::processEvents();
        SetupStarten = 1;
        // The main window's close saves the options and starts the set-up.
        if (Hauptfenster()) {
            Hauptfenster()->hide();
            Hauptfenster()->close();
        } else {
            Starte_Update();
        }
        ProgrammOK = 0;
        return;
    }
    if (serverversion == Programmversion) {
        platform::removeFile(setupdatei);
        SetValueStr(QStringLiteral("SETUPNAME"), QString(), lokal);
    }
    SaveValueFile(versionsdatei, lokal);
}

void Frage_nach_Updates()
{
    if (!Downloadserver_eingestellt()) {
        // No question; the manual check stays on offer and says why it
        // cannot load anything.
        if (Hauptfenster())
            Schalte_Updateeintrag(TMenueeintrag::Updateinformationen, QString());
        return;
    }
    if (Zeige_Meldung(QStringLiteral("Do you want to search for new program versions or new recipes?"),
                      QStringLiteral("Question:"), Knoepfe_Ja_Nein)
        != Antwort_Ja) {
        if (Hauptfenster())
            Schalte_Updateeintrag(TMenueeintrag::Updateinformationen, QString());
    } else {
        if (Hauptfenster()) {
            Schalte_Menueeintrag(TMenueeintrag::Updateinformationen, false);
            Schalte_Menueeintrag(TMenueeintrag::Updatemenue, false);
        }
        Loesche_TWS_Tempinternet();
        Internetupdate_Starten();
    }
    if (Hauptfenster() && !Interneteinstellungen.Webseite.isEmpty())
        Schalte_Updateeintrag(TMenueeintrag::Updateseite, QString());
}

bool Internetupdate_Starten()
{
    const bool geladen = GetInetFile(Serveradresse(QStringLiteral("/TWS/ENG/DOWNLOAD/VERSIONS.HRB")),
                                     Datenpfad(Serverversionen));
    if (geladen)
        Vergleiche_Versionen();
    Pruefe_alten_Rezeptindex();
    Lade_neue_News();
    return geladen;
}

TNewsInhalt Mische_News(const TNewsInhalt &alt, const TNewsInhalt &neu, double heute)
{
    TNewsInhalt ergebnis = alt;
    auto schon_da = [&ergebnis](const TTNewsInhalt &n) {
        return std::any_of(ergebnis.cbegin(), ergebnis.cend(), [&n](const TTNewsInhalt &a) {
            return a.ID == n.ID && a.Betreff == n.Betreff;
        });
    };
    for (TTNewsInhalt n : neu) {
        if (n.Betreff.isEmpty() || n.Ziel.contains(QLatin1String("*PQ*"))
            || !n.Ziel.contains(QLatin1String("*TWSTCW*")) || n.Sprache != QLatin1String("ENG") || schon_da(n))
            continue;
        n.Datum = heute;
        n.Listenindex = -1;
        ergebnis.append(n);
    }
    return ergebnis;
}

QString Updatehinweis()
{
    const QString menue = QStringLiteral(" Use the menu entry \"update\"!");
    if (NeueVersion)
        return QStringLiteral("A new program version is available!") + menue;
    if (NeueRezepte)
        return QStringLiteral("New recipes are available!") + menue;
    if (NeueGrafiken)
        return QStringLiteral("New data are available!") + menue;
    if (NeueZutaten)
        return QStringLiteral("A new ingredient database is available!") + menue;
    return QString();
}

void Zeige_Updatehinweis()
{
    const QString text = Updatehinweis();
    if (!text.isEmpty())
        Zeige_Meldung(text, QStringLiteral("Note:"), Knopf_OK);
}

void Lade_Programmupdate()
{
    TString server;
    if (LoadValueFile(Datenpfad(Serverversionen), server) != 0)
        return;
    Sperre_Hauptfenster(true);
    const QString name = GetValueStr(QStringLiteral("SETUPNAME"), server);
    const qint32 groesse = GetValueInt(QStringLiteral("DOWNLOADSIZEKB"), server);
    const QString versionsdatei = Datenpfad(Versionsdatei);
    TString lokal;
    if (LoadValueFile(versionsdatei, lokal) == 0 && !name.isEmpty()) {
        if (!Ist_einfacher_Dateiname(name)) {
            Melde_ungueltigen_Namen(name);
        } else {
            Zeige_Meldung(QStringLiteral("Loading update from the Internet!"), QStringLiteral("Hint:"), Knopf_OK);
            Oeffne_Fortschritt(groesse > 0 ? groesse : 1000);
            const bool geladen = GetInetFile(Serveradresse(QStringLiteral("/TWS/ENG/DOWNLOAD/") + name), Datenpfad(name));
            Schliesse_Fortschritt();
            if (!geladen) {
                Zeige_Meldung(QStringLiteral("Error by downloading! No succesful download!"), QStringLiteral("Error:"),
                              Knopf_OK);
            } else {
                // Only a set-up that VERSION.HRB names is ever started; a
                // failed save has reported itself.
                SetValueStr(QStringLiteral("SETUPNAME"), name, lokal);
                if (SaveValueFile(versionsdatei, lokal) == 0)
                    Zeige_Meldung(QStringLiteral("Download was succesful! You can install the update after exiting "
                                                 "the Tablecraft Works!"),
                                  QStringLiteral("Note:"), Knopf_OK);
            }
        }
    }
    Sperre_Hauptfenster(false);
}

void Aktualisiere_Datenbank()
{
    Sperre_Hauptfenster(true);
    const QString download = Datenpfad(QStringLiteral("D_LM_Share.hbr"));
    const QString ziel = Datenpfad(QStringLiteral("LM_Share.hbr"));
    QString fehler, titel = QStringLiteral("Fehler:");
    if (!GetInetFile(Serveradresse(QStringLiteral("/TWS/ENG/DOWNLAOD/Lebensmittel_All.HBR")), download)) {
        fehler = QStringLiteral("Download was not succesful!");
    } else if (!platform::fileExists(download)) {
        fehler = QStringLiteral("Download not complete!");
    } else if (!Erste_Zeile_beginnt_mit(download, Datenbankkopf)) {
        fehler = QStringLiteral("Download file is corrupt!");
        titel = QStringLiteral("Error:");
    } else if (!Kopiere_Datei(download, ziel) || !Gleicher_Inhalt(download, ziel)) {
        // The download stays, so nothing is lost; the next try copies again.
        fehler = QStringLiteral("The database update could not be installed: ") + ziel;
        titel = QStringLiteral("Error:");
    }
    if (!fehler.isEmpty()) {
        Zeige_Meldung(fehler, titel, Knopf_OK);
        Sperre_Hauptfenster(false);
        return;
    }
    platform::removeFile(download);
    Zeige_Meldung(QStringLiteral("Download and installation were succesful!"), QStringLiteral("Note:"), Knopf_OK);
    TString server, lokal;
    if (LoadValueFile(Datenpfad(Serverversionen), server) == 0
        && LoadValueFile(Datenpfad(Versionsdatei), lokal) == 0) {
        SetValueInt(QStringLiteral("TWSDATENBANKVERSION"), GetValueInt(QStringLiteral("TWSDATENBANKVERSION"), server),
                    lokal);
        SaveValueFile(Datenpfad(Versionsdatei), lokal);
        if (Hauptfenster())
            Schalte_Menueeintrag(TMenueeintrag::Datenbankupdate, false);
    }
    Sperre_Hauptfenster(false);
    if (Hauptfenster())
        Hauptfenster()->hide();
    Starte_Uebersicht_neu(true);
    if (Hauptfenster())
        Hauptfenster()->show();
}

void Lade_Updateinformationen()
{
    if (!Downloadserver_eingestellt()) {
        Zeige_Meldung(Kein_Server_Hinweis(), QStringLiteral("Note:"), Knopf_OK);
        return;
    }
    Sperre_Hauptfenster(true);
    Loesche_TWS_Tempinternet();
    const bool geladen = Internetupdate_Starten();
    // Merged news may be waiting now.
    Zaehle_UngeleseneNews();
    Sperre_Hauptfenster(false);
    if (geladen)
        Zeige_Meldung(QStringLiteral("Loaded update, recipe and data update information succesful!"),
                      QStringLiteral("Succesful download:"), Knopf_OK);
    else
        Zeige_Meldung(QStringLiteral("Download fails! Please check your firewall options!"), QStringLiteral("Error:"),
                      Knopf_OK);
}

void Oeffne_Updateseite()
{
    if (!Interneteinstellungen.Webseite.isEmpty())
        Oeffne_Dokument(Hauptfenster(), QStringLiteral("open"), Interneteinstellungen.Webseite, QString(), QString(), 1);
}

void Starte_Update()
{
    TString lokal;
    if (LoadValueFile(Datenpfad(Versionsdatei), lokal) != 0)
        return;
    const QString setup = GetValueStr(QStringLiteral("SETUPNAME"), lokal);
    if (!Ist_einfacher_Dateiname(setup) || !platform::fileExists(Datenpfad(setup)))
        return;
    if (!SetupStarten && Hauptfenster()) {
        Hauptfenster()->show();
        Hauptfenster()->raise();
    }
    Zeige_Meldung(QStringLiteral("The update starts now! Please install the setup!"), QStringLiteral("Hint:"), Knopf_OK);
    Oeffne_Dokument(Hauptfenster(), QStringLiteral("open"), platform::nativePath(Datenpfad(setup)), QString(), QString(), 1);
    if (Hauptfenster())
        Hauptfenster()->hide();
}
