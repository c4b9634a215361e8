#include "interactive/IAExport.h"

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "interactive/IADatei.h"
#include "interactive/IAModell.h"
#include "interactive/IATabellen.h"
#include "platform/CodePage.h"
#include "reference/Einkaufsliste.h"

namespace {

// True when a recipe of the book other than the working one has this file.
bool gehoertAnderemRezept(const QString &pfad)
{
    const QString gesucht = platform::upperCase(pfad);
    for (qint32 i = 0; i < RezepteTotal.size(); ++i)
        if (i != AktuellesRezept && !RezepteTotal[i].Dateiname.isEmpty()
            && platform::upperCase(RezepteTotal[i].Dateiname) == gesucht)
            return true;
    return false;
}

} // namespace

bool Bereite_IAExport_vor(TTIAExportdialog &dialog)
{
    TTRezepteTotal *r = IARezept();
    if (!r || r->Kategorie < 0 || r->Kategorie >= AnzahlKategorien)
        return false;
    Setze_Rezeptkategorie(*r, r->Kategorie);
    r->Dateiname = Erzeuge_IARezeptdateiname(r->Rezeptname) + r->Dateiendung;

    dialog.Ordner = Optionen.Rezeptverzeichnis.isEmpty() ? Programmverzeichnis + QStringLiteral("Recipes\\")
                                                          : Optionen.Rezeptverzeichnis;
    dialog.Dateiname = Ermittle_Dateiname(r->Dateiname);
    if (dialog.Dateiname.isEmpty())
        dialog.Dateiname = r->Rezeptname + r->Dateiendung;
    // A run cooked from a recipe of the book is not proposed under that
    // recipe's own file, which saving would replace.
    const QString stamm = dialog.Dateiname.left(dialog.Dateiname.size() - r->Dateiendung.size());
    for (int n = 2; gehoertAnderemRezept(dialog.Ordner + dialog.Dateiname); ++n)
        dialog.Dateiname = stamm + QLatin1Char(' ') + QString::number(n) + r->Dateiendung;
    dialog.Endung = QLatin1Char('*') + r->Dateiendung;
    dialog.Filter = Kategoriebezeichnungen[r->Kategorie] + QLatin1Char('|') + dialog.Endung;
    dialog.Titel = QStringLiteral("Rezept speichern:");
    return true;
}

QString Exportgeraeteliste(const TTAIAZutatenliste &zutaten)
{
    QString liste;
    for (const TTIAZutatenliste &z : zutaten)
        for (qint32 g : z.Geraete) {
            const QString name = Exportgeraetename(g);
            if (!name.isEmpty() && !liste.contains(name + QLatin1Char(',')))
                liste += name + QLatin1Char(',');
        }
    return liste;
}

void Exportzutaten(const TTAIAZutatenliste &zutaten, const TIARezepttext &zeilen, TTARezeptzutat &rezeptzutaten,
                   TTAZutatenliste &zutatenliste)
{
    rezeptzutaten.clear();
    zutatenliste.clear();
    for (TTIAZutatenliste z : zutaten) {
        const qint32 k = Suche_Zutat(z.Zutatname, -1);
        if (k < 0 || Zutatentotal[k].Status == 4)
            continue;
        if (z.Gewuerz) {
            if (zeilen.isEmpty())
                z.Einheit.clear();
            for (const TTIARezepttext &t : zeilen)
                if (t.Art == 1 && t.Einheit == z.Einheit && t.Gewuerz == z.Anzeigename && !t.Menge.isEmpty())
                    z.Menge = Addiere_Mengen(t.Menge, z.Menge);
        }
        const QString einheit = z.Menge.isEmpty() ? QString() : z.Einheit;
        rezeptzutaten.append({Zutatentotal[k].Zutatname, Zutatentotal[k].Kategorie, z.Menge, einheit});
        // The lines keep the items' order in the editor.
        zutatenliste.append({z.Menge, einheit, Zutatentotal[k].Zutatname, qint32(zutatenliste.size())});
    }
}

bool Exportiere_IARezept(const QString &gewaehlt, bool ersetzen)
{
    TTRezepteTotal *r = IARezept();
    if (!r || gewaehlt.isEmpty() || r->Dateiendung.isEmpty())
        return false;
    Optionen.Rezeptverzeichnis = Ermittle_Verzeichnis(gewaehlt);
    QString datei = gewaehlt;
    if (platform::upperCase(datei.right(4)) != platform::upperCase(r->Dateiendung))
        datei += platform::upperCase(r->Dateiendung);
    r->Dateiname = datei;
    r->Deluxe = 0;
    if (r->Kochdatum == 0)
        r->Kochdatum = Jetzt();
    if (r->Schwierigkeit < 1)
        r->Schwierigkeit = 1;
    r->Kochgeraete = Exportgeraeteliste(r->IAZutaten);
    r->Rezeptgrafik.clear();
    r->Reservezeilen = TString(29);
    r->Bemerkungsliste.clear();
    r->Bemerkungsdatei.clear();
    r->Anleitungsdatei.clear();
    Exportzutaten(r->IAZutaten, IARezepttext, r->Zutaten, r->Zutatenliste);
    r->Rezeptliste.clear();
    for (qsizetype i = IARezepttext.size() - 1; i >= 0; --i)
        if (!IARezepttext[i].Satz.isEmpty())
            r->Rezeptliste << IARezepttext[i].Satz;

    Erstelle_Einkaufsliste();
    const bool geschrieben = ersetzen ? Speichere_Rezept_ersetzend(AktuellesRezept) : Lade_Rezepte(Save, AktuellesRezept);
    return geschrieben && Lade_RezeptdateiManager(Save);
}
