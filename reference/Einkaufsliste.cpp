#include "reference/Einkaufsliste.h"

#include <algorithm>

#include "core/Grundoperationen.h"
#include "platform/CodePage.h"

// Deleted lines (Listenindex -1, the initialiser's placeholder among them)
// go; the rest keep their order and are numbered from 0 again.
void Ordne_Zutatenliste(TTAZutatenliste &liste)
{
    TTAZutatenliste neu;
    for (const TTZutatenliste &z : liste)
        if (z.Listenindex >= 0)
            neu.append(z);
    std::stable_sort(neu.begin(), neu.end(),
                     [](const TTZutatenliste &a, const TTZutatenliste &b) { return a.Listenindex < b.Listenindex; });
    for (int i = 0; i < neu.size(); ++i)
        neu[i].Listenindex = i;
    liste = neu;
}

const TTAEinheit *Einheitenliste(qint32 kategorie)
{
    if (VariablenTotal.isEmpty())
        return nullptr;
    if (kategorie < 0 || kategorie >= AnzahlKategorien)
        kategorie = 0;
    return &VariablenTotal[0].Kategorien[kategorie];
}

const TTEinheit *Finde_Einheit(qint32 kategorie, const QString &einheit)
{
    const TTAEinheit *liste = Einheitenliste(kategorie);
    if (!liste || einheit.trimmed().isEmpty())
        return nullptr;
    const QString gross = platform::upperCase(einheit.trimmed());
    for (const TTEinheit &e : *liste)
        if (platform::upperCase(e.Name) == gross
            || platform::upperCase(e.Schluessel) == QLatin1Char('[') + gross + QLatin1Char(']'))
            return &e;
    return nullptr;
}

bool Ist_Kommentarzeile(const TTZutatenliste &z)
{
    return z.Menge.isEmpty() && z.Einheit.isEmpty() && z.Name.startsWith(QLatin1String("***"));
}

void Erstelle_Einkaufsliste()
{
    if (AktuellesRezept >= 0 && AktuellesRezept < RezepteTotal.size())
        Erstelle_Einkaufsliste(RezepteTotal[AktuellesRezept]);
}

void Erstelle_Einkaufsliste(TTRezepteTotal &rezept)
{
    TTRezepteTotal *r = &rezept;
    TTAZutatenliste zeilen = r->Zutatenliste;
    Ordne_Zutatenliste(zeilen);
    TString liste;
    for (const TTZutatenliste &z : zeilen) {
        if (z.Name.trimmed().isEmpty() || Ist_Kommentarzeile(z))
            continue;
        const TTEinheit *e = Finde_Einheit(r->Kategorie, z.Einheit);
        if (e && e->NichtEinkaufen)
            continue;
        liste.append(Verbinde_Zutatenstring(z.Menge, z.Einheit, z.Name));
    }
    r->Einkaufsliste = liste;
}
