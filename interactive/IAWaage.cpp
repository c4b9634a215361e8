#include "interactive/IAWaage.h"

#include <algorithm>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "core/Meldung.h"
#include "interactive/IAModell.h"

namespace {

const QString Hinweis = QStringLiteral("Hinweis:");

bool frage(const QString &text)
{
    return Zeige_Meldung(text, Hinweis, Knoepfe_Ja_Nein) == Antwort_Ja;
}

struct Mengen {
    double neuVon = 0, neuBis = 0, altVon = 0, altBis = 0;
};

Mengen lies(const TTIAZutatenliste &z)
{
    Mengen m;
    Zerlege_Mengenbereich(z.Menge, m.neuVon, m.neuBis);
    Zerlege_Mengenbereich(z.WaageMenge, m.altVon, m.altBis);
    return m;
}

bool ohneMenge(const TTIAZutatenliste &z, const Mengen &m)
{
    if (z.Menge.isEmpty() || (m.neuVon == 0 && m.neuBis == 0) || z.Einheit.isEmpty()) {
        Zeige_Meldung(QStringLiteral("Bei Zutaten muß eine Menge angegeben werden!"), Hinweis, Knopf_OK);
        return true;
    }
    return false;
}

bool teilbar(const TTIAZutatenliste &z, const Mengen &m)
{
    return z.Einheit == z.WaageEinheit && m.neuBis > 0 && m.neuBis < m.altBis;
}

bool frageTeilen()
{
    return frage(QStringLiteral("Soll die Zutat gesplittet werden? Es entstehen so zwei gleiche Zutaten mit "
                                "unterschiedlichen Mengen."));
}

bool einheitGewechselt(const TTIAZutatenliste &z, const Mengen &m)
{
    return z.Einheit != z.WaageEinheit && m.neuBis != 0 && !z.WaageEinheit.isEmpty();
}

bool frageEinheit()
{
    return frage(QStringLiteral("Soll die Zutateneinheit geändert werden? Es entsteht so die selbe Zutat mit einer "
                                "anderen Einheit."));
}

// The weighed part stays on the scale as a new item; the rest goes to the
// shelf. A rest whose low end would fall below nothing (a range taken from a
// narrower range) starts at 0, and its ends never cross. Returns the new item.
qint32 teile(qint32 i, const Mengen &m)
{
    TTRezepteTotal *r = IARezept();
    TTIAZutatenliste teil = r->IAZutaten[i];
    teil.Menge = Formatiere_Mengenbereich(m.neuVon, m.neuBis);
    teil.WaageMenge = teil.Menge;
    teil.Ort = 2;
    teil.Anzeigeplatz = -1;
    const double a = m.altVon - m.neuVon, b = m.altBis - m.neuBis;
    TTIAZutatenliste &rest = r->IAZutaten[i];
    rest.Menge = Formatiere_Mengenbereich(std::max(0.0, std::min(a, b)), std::max(a, b));
    rest.Ort = 0;
    rest.Anzeigeplatz = -1;
    r->IAZutaten.append(teil);
    return qint32(r->IAZutaten.size() - 1);
}

void schreibeStandardeinheit(const TTIAZutatenliste &z)
{
    const qint32 d = Suche_Zutat(z.Zutatname, -1);
    if (d < 0 || d >= Zutatentotal.size() || Zutatentotal[d].Standardeinheit() == z.Einheit)
        return;
    Zutatentotal[d].Standardeinheit() = z.Einheit;
    Lade_Zutaten(Save);
}

} // namespace

bool Pruefe_Zutat_abgewogen(qint32 zutat)
{
    const TTIAZutatenliste *z = IAZutat(zutat);
    if (!z)
        return false;
    if (!z->Einheit.isEmpty())
        return true;
    Zeige_Meldung(z->Gewuerz == 1 ? QStringLiteral("Bitte wiegen Sie das Gewürz erst in der Waage ab!")
                                  : QStringLiteral("Bitte wiegen Sie die Zutat erst in der Waage ab!"),
                  Hinweis, Knopf_OK);
    return false;
}

bool Beende_Waegung(qint32 zutat, const QString &einheit, const QString &mengentext)
{
    TTIAZutatenliste *z = IAZutat(zutat);
    if (!z)
        return false;
    if (z->Gewuerz == 1) {
        z->Menge.clear();
    } else {
        z->Einheit = einheit;
        const Mengen m = lies(*z);
        if (ohneMenge(*z, m))
            return false;
        if (teilbar(*z, m)) {
            if (!frageTeilen())
                return false;
            teile(zutat, m);
            z = IAZutat(zutat);
        }
        if (einheitGewechselt(*z, m) && !frageEinheit())
            return false;
    }
    z->WaageMenge = z->Menge;
    z->WaageEinheit = z->Einheit;
    z->Ort = 0;
    z->Anzeigeplatz = -1;
    const TTIAZutatenliste fertig = *z;
    schreibeStandardeinheit(fertig);
    Lerne_Menge(fertig.Einheit, mengentext);
    return true;
}

qint32 Nimm_von_Waage(const QString &mengentext, const QString &einheit)
{
    qint32 s = Waagenzutat();
    TTIAZutatenliste *z = IAZutat(s);
    if (!z)
        return -1;
    double von = 0, bis = 0;
    Zerlege_Mengenbereich(mengentext, von, bis);
    if (von != 0)
        z->Menge = mengentext;
    z->Einheit = einheit;
    if (z->Gewuerz == 1) {
        double a = 0, b = 0;
        Zerlege_Mengenbereich(z->Menge, a, b);
        if (a != 0 && frage(QStringLiteral("Soll die Menge (") + z->Menge + QStringLiteral(") gelöscht werden?"))) {
            z->Menge.clear();
            z->WaageMenge.clear();
        }
    } else {
        const Mengen m = lies(*z);
        if (ohneMenge(*z, m))
            return -1;
        if (teilbar(*z, m) && frageTeilen()) {
            s = teile(s, m);
            z = IAZutat(s);
        } else if (einheitGewechselt(*z, m) && !frageEinheit()) {
            z->Einheit = z->WaageEinheit;
        }
    }
    IAHandZutat = s;
    z->Ort = -1;
    return s;
}

bool Lerne_Menge(const QString &einheit, const QString &mengentext)
{
    const TTRezepteTotal *r = IARezept();
    if (!r || Optionen.AutoMengenergaenzung != 1 || VariablenTotal.isEmpty() || r->Kategorie < 0
        || r->Kategorie >= AnzahlKategorien)
        return false;
    const QString q = mengentext.simplified();
    if (q.isEmpty())
        return false;
    TTAEinheit &einheiten = VariablenTotal[0].Kategorien[r->Kategorie];
    auto e = std::find_if(einheiten.begin(), einheiten.end(), [&einheit](const TTEinheit &x) { return x.Name == einheit; });
    if (e == einheiten.end() || e->Mengentabelle.contains(q))
        return false;
    TString &t = e->Mengentabelle;
    t.append(q);
    if (t.size() > 2)
        std::stable_sort(t.begin() + 1, t.end(), [](const QString &a, const QString &b) {
            return Wandle_Text_in_Kommazahl(a) < Wandle_Text_in_Kommazahl(b);
        });
    return true;
}
