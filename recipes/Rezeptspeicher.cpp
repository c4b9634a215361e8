#include "recipes/Rezeptspeicher.h"

#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Rtf.h"
#include "recipes/F_Rez_p.h"
#include "reference/Einkaufsliste.h"

using namespace rezeditor;

std::function<bool(int)> Rezeptspeichern_Schritt;

TRezeptkopf Pruefe_Rezeptkopf(const QString &name, qint32 kategorie)
{
    if (name.trimmed().isEmpty())
        return TRezeptkopf::Ohne_Name;
    if (kategorie < 0 || kategorie >= AnzahlKategorien)
        return TRezeptkopf::Ohne_Kategorie;
    return TRezeptkopf::Vollstaendig;
}

QString Fremdzeichenmeldung(const QString &feld, const QString &fremd)
{
    return feld + QStringLiteral(": a recipe file cannot hold these characters: ") + fremd
           + QStringLiteral("\nPlease remove or replace them.");
}

QString Pruefe_Rezeptzeichen(const TTRezepteTotal &r)
{
    const std::pair<QString, QString> felder[] = {
        {QStringLiteral("Recipe name"), r.Rezeptname},
        {QStringLiteral("Sub-categories"), r.Unterkategorien},
        {QStringLiteral("Servings"), r.Portionen},
        {QStringLiteral("Preparation time"), r.Zubereitungszeit},
        {QStringLiteral("Cooking devices"), r.Kochgeraete},
    };
    for (const auto &[feld, text] : felder)
        if (const QString fremd = Nicht_speicherbare_Zeichen(text); !fremd.isEmpty())
            return Fremdzeichenmeldung(feld, fremd);
    for (const TTZutatenliste &z : r.Zutatenliste)
        if (const QString fremd = Nicht_speicherbare_Zeichen(z.Menge + z.Einheit + z.Name);
            z.Listenindex >= 0 && !fremd.isEmpty())
            return Fremdzeichenmeldung(QStringLiteral("Ingredient line \"") + z.Name + QLatin1Char('"'), fremd);
    for (const QString &p : r.Deluxeliste.Zubereitung)
        if (const QString fremd = Nicht_speicherbare_Zeichen(p); !fremd.isEmpty())
            return Fremdzeichenmeldung(QStringLiteral("Preparation \"") + p + QLatin1Char('"'), fremd);
    return {};
}

void Bereinige_Rezeptfelder(TTRezepteTotal &r)
{
    r.Rezeptname = r.Rezeptname.trimmed();
    r.Unterkategorien = r.Unterkategorien.trimmed();
    r.Portionen = r.Portionen.trimmed();
    r.Zubereitungszeit = r.Zubereitungszeit.trimmed();
    if (r.Schwierigkeit < 1 || r.Schwierigkeit > 5)
        r.Schwierigkeit = -1;
    r.Kochdatum = DateTimeToTWS(TWSToDateTime(r.Kochdatum > 0 ? r.Kochdatum : Jetzt()));
    r.Kochgeraete = Kochgeraeteliste(r.Kochgeraete);
    QString preis;
    Wandle_Kommazahl_in_Text(10, 2, preis, r.Preis);
    r.Preis = Wandle_Text_in_Kommazahl(preis.trimmed());
    if (!std::isfinite(r.Preis))
        r.Preis = 0;
}

void Lade_Rezepttext(QTextDocument &text, const QString &pfad, const TString &zeilen)
{
    const QStringList soll = Ohne_Leerzeilen_am_Ende(zeilen);
    if (!pfad.isEmpty() && platform::fileExists(pfad) && platform::loadRtfFile(pfad, &text)
        && In_Codepage(Dokumentzeilen(&text)) == In_Codepage(soll))
        return;
    text.setPlainText(soll.join(QLatin1Char('\n')));
}

namespace {

// The record's fields that follow from what a window gives.
void Vervollstaendige(TTRezepteTotal &neu, const QTextDocument &anleitung, const QTextDocument &bemerkungen)
{
    const bool deluxe = neu.Deluxe != 0;
    neu.Dateiendung = Dateiendung_aus_Kategorie(neu.Kategorie);
    neu.Kategoriezeile = Kategorieabschnitte[neu.Kategorie];
    neu.Dateikopf = Dateikopf20;
    neu.Rezeptliste = Dokumentzeilen(&anleitung);
    neu.Bemerkungsliste = Dokumentzeilen(&bemerkungen);
    Ordne_Zutatenliste(neu.Zutatenliste);
    neu.Deluxeliste = deluxe ? neu.Deluxeliste : Deluxe_aus_Zutaten(neu);
    if (!Hat_Deluxezeilen(neu.Deluxeliste))
        neu.Deluxeliste = TTDeluxeliste();
    neu.Zutaten.clear();
    for (const TTZutatenliste &z : neu.Zutatenliste) {
        const qint32 k = Suche_Zutat(z.Name, -1);
        neu.Zutaten.append({z.Name, k >= 0 ? Zutatentotal[k].Kategorie : -1, z.Menge, z.Einheit});
    }
}

// The file name: kept, but a new category is a new extension.
QString Rezeptdatei(const TTRezepteTotal &neu, qint32 index)
{
    if (neu.Dateiname.isEmpty())
        return Freier_Rezeptdateiname(Rezept_Dateiname(neu.Rezeptname, neu.Kategorie), index);
    if (platform::upperCase(neu.Dateiname).endsWith(neu.Dateiendung))
        return neu.Dateiname;
    QString stamm = neu.Dateiname;
    const int punkt = stamm.lastIndexOf(QLatin1Char('.'));
    if (punkt > stamm.lastIndexOf(QLatin1Char('\\')) && punkt > stamm.lastIndexOf(QLatin1Char('/')))
        stamm.truncate(punkt);
    return Freier_Rezeptdateiname(stamm + neu.Dateiendung, index);
}

} // namespace

TSpeicherergebnis Speichere_Rezeptsatz(qint32 index, TTRezepteTotal neu, const QTextDocument &anleitung,
                                       const QTextDocument &bemerkungen)
{
    if (!Gueltiger_Satz(index) || Pruefe_Rezeptkopf(neu.Rezeptname, neu.Kategorie) != TRezeptkopf::Vollstaendig)
        return {};
    const QString altAnleitung = Rezept_Anleitungspfad(index);
    const QString altBemerkung = Rezept_Bemerkungspfad(index);
    const TTRezepteTotal alt = RezepteTotal[index];
    Vervollstaendige(neu, anleitung, bemerkungen);
    neu.Dateiname = Rezeptdatei(neu, index);
    const auto ergebnis = [&neu](TRezeptspeicherung e, int fehler = 0) {
        return TSpeicherergebnis{e, neu.Dateiname, fehler};
    };
    if (neu.Dateiname.isEmpty())
        return ergebnis(TRezeptspeicherung::Ohne_Dateiname);
    if (Datei_vergeben(neu.Dateiname, index))
        return ergebnis(TRezeptspeicherung::Datei_vergeben);

    // New side files under names nothing refers to yet; the recipe file's
    // own atomic write switches to them, and only then the old ones go.
    QStringList belegt{altAnleitung, altBemerkung};
    for (int i = 0; i < RezepteTotal.size(); ++i)
        if (i != index)
            belegt << Rezept_Anleitungspfad(i) << Rezept_Bemerkungspfad(i);
    const QString ordner = Ermittle_Verzeichnis(neu.Dateiname);
    neu.Anleitungsdatei = Neue_Seitendatei(neu.Dateiname, QStringLiteral(".RRT"), belegt);
    belegt << ordner + neu.Anleitungsdatei;
    neu.Bemerkungsdatei = Neue_Seitendatei(neu.Dateiname, QStringLiteral(".BRT"), belegt);
    const QString neuAnleitung = ordner + neu.Anleitungsdatei;
    const QString neuBemerkung = ordner + neu.Bemerkungsdatei;

    RezepteTotal[index] = neu;
    Erstelle_Einkaufsliste(RezepteTotal[index]);
    platform::makeFolder(ordner);
    // one message for the whole save, from the caller
    const TEigene_Schreibfehlermeldung meldung;
    int fehler = 0;
    if (!Schritt(1))
        return ergebnis(TRezeptspeicherung::Abgebrochen);
    bool ok = platform::saveRtfFile(neuAnleitung, &anleitung, &fehler);
    if (ok && !Schritt(2))
        return ergebnis(TRezeptspeicherung::Abgebrochen);
    ok = ok && platform::saveRtfFile(neuBemerkung, &bemerkungen, &fehler);
    if (ok && !Schritt(3))
        return ergebnis(TRezeptspeicherung::Abgebrochen);
    ok = ok && Lade_Rezepte(Save, index);
    if (!ok) {
        platform::removeFile(neuAnleitung);
        platform::removeFile(neuBemerkung);
        RezepteTotal[index] = alt;
        return ergebnis(TRezeptspeicherung::Fehlgeschlagen, fehler ? fehler : meldung.Fehler());
    }
    if (!Schritt(4))
        return ergebnis(TRezeptspeicherung::Abgebrochen);
    // a recipe that changed its category leaves its old file behind otherwise
    if (!alt.Dateiname.isEmpty() && !Gleiche_Datei(alt.Dateiname, neu.Dateiname))
        platform::removeFile(alt.Dateiname);
    for (const QString &vorher : {altAnleitung, altBemerkung})
        if (!vorher.isEmpty() && !Gleiche_Datei(vorher, neuAnleitung) && !Gleiche_Datei(vorher, neuBemerkung)
            && !Seitendatei_vergeben(vorher, index))
            platform::removeFile(vorher);
    if (!Lade_RezeptdateiManager(Save))
        return ergebnis(TRezeptspeicherung::Ohne_Index, meldung.Fehler());
    return ergebnis(TRezeptspeicherung::Gespeichert);
}

TSpeicherergebnis Speichere_Rezeptsatz(qint32 index, const TTRezepteTotal &neu, const QFont &schrift)
{
    if (!Gueltiger_Satz(index))
        return {};
    QTextDocument anleitung, bemerkungen;
    anleitung.setDefaultFont(schrift);
    bemerkungen.setDefaultFont(schrift);
    Lade_Rezepttext(anleitung, Rezept_Anleitungspfad(index), neu.Rezeptliste);
    Lade_Rezepttext(bemerkungen, Rezept_Bemerkungspfad(index), neu.Bemerkungsliste);
    return Speichere_Rezeptsatz(index, neu, anleitung, bemerkungen);
}

namespace {
// " because <cause>", empty when the cause is not known.
QString Weil(int fehler)
{
    return fehler ? QStringLiteral(" because ") + Schreibfehlergrund(fehler) : QString();
}
} // namespace

QString Speichermeldung(const TSpeicherergebnis &e)
{
    switch (e.Ergebnis) {
    case TRezeptspeicherung::Gespeichert:
    case TRezeptspeicherung::Abgebrochen:
        return {};
    case TRezeptspeicherung::Ohne_Index:
        return QStringLiteral("The recipe was saved, but the recipe index could not be written")
               + Weil(e.Fehler) + QLatin1Char('!');
    case TRezeptspeicherung::Ohne_Dateiname:
        return QStringLiteral("No file name could be made for this recipe! The recipe was not saved.");
    case TRezeptspeicherung::Datei_vergeben:
        return QStringLiteral("The file \"") + Ermittle_Dateiname(e.Dateiname)
               + QStringLiteral("\" belongs to another recipe! The recipe was not saved.");
    case TRezeptspeicherung::Fehlgeschlagen:
        if (e.Fehler)
            return QStringLiteral("The recipe could not be saved") + Weil(e.Fehler)
                   + QStringLiteral(". The recipe file was not changed.");
        return QStringLiteral("The recipe could not be saved! The recipe file was not changed.");
    }
    return {};
}

QString Freier_Rezeptdateiname(const QString &wunsch, qint32 ausser)
{
    int punkt = wunsch.lastIndexOf(QLatin1Char('.'));
    if (punkt < wunsch.lastIndexOf(QLatin1Char('\\')) || punkt < wunsch.lastIndexOf(QLatin1Char('/')))
        punkt = -1;
    const QString stamm = punkt > 0 ? wunsch.left(punkt) : wunsch;
    const QString endung = punkt > 0 ? wunsch.mid(punkt) : QString();
    for (int n = 1; n < 10000; ++n) {
        const QString kandidat = n == 1 ? wunsch : stamm + QStringLiteral(" (%1)").arg(n) + endung;
        if (!platform::fileExists(kandidat) && !Datei_vergeben(kandidat, ausser))
            return kandidat;
    }
    return QString();
}

QString Neue_Seitendatei(const QString &rezeptdatei, const QString &endung, const QStringList &belegt)
{
    const QString ordner = Ermittle_Verzeichnis(rezeptdatei);
    const QString stamm = Ermittle_Dateiname(rezeptdatei);
    QString name = stamm + endung;
    for (int n = 1; std::any_of(belegt.cbegin(), belegt.cend(),
                                [&](const QString &b) { return Gleiche_Datei(b, ordner + name); });
         ++n)
        name = stamm + QLatin1Char('.') + QString::number(n) + endung;
    return name;
}
