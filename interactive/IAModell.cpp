#include "interactive/IAModell.h"

#include <algorithm>

#include "core/Grundoperationen.h"
#include "interactive/IATabellen.h"
#include "core/Meldung.h"

TTRezepteTotal *IARezept()
{
    if (AktuellesRezept < 0 || AktuellesRezept >= RezepteTotal.size())
        return nullptr;
    return &RezepteTotal[AktuellesRezept];
}

const TTAIAZutatenliste &IAZutaten()
{
    static const TTAIAZutatenliste leer;
    const TTRezepteTotal *r = IARezept();
    return r ? r->IAZutaten : leer;
}

TTIAZutatenliste *IAZutat(qint32 i)
{
    TTRezepteTotal *r = IARezept();
    if (!r || i < 0 || i >= r->IAZutaten.size())
        return nullptr;
    return &r->IAZutaten[i];
}

void Setze_Temperatur(qint32 grad)
{
    IAStatus.Temperatur = grad;
}

TTIABeschriftung Temperaturbeschriftung(qint32 grad)
{
    return {QString::number(grad) + QStringLiteral("°C"), grad == 50 ? IARot : IASchwarz};
}

void Setze_Kochzeit(qint32 minuten)
{
    IAStatus.Zeit = minuten;
}

TTIABeschriftung Kochzeitbeschriftung(qint32 minuten)
{
    auto zweistellig = [](qint32 n) { return (n < 10 ? QStringLiteral("0") : QString()) + QString::number(n); };
    return {zweistellig(minuten / 60) + QLatin1Char(':') + zweistellig(minuten % 60), minuten == 0 ? IARot : IASchwarz};
}

bool Ist_Zutatname_mehrfach(qint32 i)
{
    const TTAIAZutatenliste &z = IAZutaten();
    if (z.size() < 2 || i < 0 || i >= z.size())
        return false;
    for (qint32 j = 0; j < z.size(); ++j)
        if (j != i && z[j].Zutatname == z[i].Zutatname)
            return true;
    return false;
}

void Merke_Kochgeraet(qint32 i, qint32 d)
{
    TTIAZutatenliste *z = IAZutat(i);
    if (!z || z->Geraete[4] == d)
        return;
    std::rotate(z->Geraete.begin(), z->Geraete.begin() + 1, z->Geraete.end());
    z->Geraete[4] = d;
}

void Pruefe_IADatenbankindizes()
{
    TTRezepteTotal *r = IARezept();
    if (!r)
        return;
    for (TTIAZutatenliste &z : r->IAZutaten) {
        z.DBIndex = Suche_Zutat(z.Zutatname, -1);
        if (z.DBIndex < 0)
            Zeige_Meldung(QStringLiteral("Fehler in der Datenbank. Die Zutat konnte nicht gefunden werden! (")
                              + z.Zutatname + QLatin1Char(')'),
                          QStringLiteral("Fehler:"), Knopf_OK);
    }
}

bool Lege_auf_Waage(TTIAWaagenanzeige *anzeige)
{
    TTIAZutatenliste *z = IAZutat(IAHandZutat);
    if (!z)
        return false;
    const qint32 i = IAHandZutat;
    z->Ort = 2;
    z->WaageMenge = z->Menge;
    z->WaageEinheit = z->Einheit;
    Lege_Zutat_ab();
    if (anzeige) {
        *anzeige = TTIAWaagenanzeige();
        anzeige->Zutat = i;
        for (int j = 0; j < 5; ++j)
            anzeige->Verlauf[j] = Verlaufsgrafik(z->Geraete[j]);
        anzeige->Standardeinheit = z->Einheit.isEmpty();
        anzeige->MengeZeigen = z->Gewuerz == 0;
        anzeige->Titel = z->Gewuerz ? QStringLiteral("Gewürzeinheit festlegen:") : QStringLiteral("Zutat abwiegen:");
    }
    return true;
}

namespace {
qint32 finde(qint32 platz, qint32 gewuerz, qint32 ort)
{
    const TTAIAZutatenliste &z = IAZutaten();
    for (qint32 i = 0; i < z.size(); ++i)
        if (z[i].Gewuerz == gewuerz && z[i].Ort == ort && z[i].Anzeigeplatz == platz)
            return i;
    return -1;
}
} // namespace

qint32 Finde_Regalzutat(qint32 slot, qint32 gewuerz)
{
    return finde(IARegalZaehler + slot, gewuerz, 0);
}

qint32 Finde_Kuechenzutat(qint32 slot, qint32 gewuerz)
{
    return finde(IAGeraeteOffset + slot, gewuerz, 1);
}

qint32 Waagenzutat()
{
    const TTAIAZutatenliste &z = IAZutaten();
    for (qint32 i = 0; i < z.size(); ++i)
        if (z[i].Ort == 2)
            return i;
    return -1;
}

bool Waage_ist_leer()
{
    return Waagenzutat() < 0;
}

qint32 Ordne_Anzeigeplaetze(qint32 gewuerz, qint32 ort)
{
    TTRezepteTotal *r = IARezept();
    if (!r)
        return 0;
    QList<TTIAZutatenliste *> gruppe;
    for (TTIAZutatenliste &z : r->IAZutaten)
        if (z.Gewuerz == gewuerz && z.Ort == ort)
            gruppe.append(&z);
    const qint32 n = qint32(gruppe.size());
    // Members with a valid slot keep their order and close the gaps; two
    // members that claim the same slot stay in index order.
    QList<TTIAZutatenliste *> nummeriert;
    for (TTIAZutatenliste *z : gruppe)
        if (z->Anzeigeplatz >= 0 && z->Anzeigeplatz < n)
            nummeriert.append(z);
    std::stable_sort(nummeriert.begin(), nummeriert.end(),
                     [](const TTIAZutatenliste *a, const TTIAZutatenliste *b) { return a->Anzeigeplatz < b->Anzeigeplatz; });
    qint32 platz = 0;
    for (TTIAZutatenliste *z : nummeriert)
        z->Anzeigeplatz = platz++;
    for (TTIAZutatenliste *z : gruppe)
        if (!nummeriert.contains(z))
            z->Anzeigeplatz = platz++;
    return n;
}

namespace {
// Pulls a page offset back until its page shows at least one of n entries.
void begrenzeSeite(qint32 &offset, qint32 n, qint32 schritt)
{
    while (offset > 0 && n - 1 < offset)
        offset -= schritt;
    offset = std::max(offset, 0);
}
} // namespace

void Aktualisiere_IAZustand()
{
    const qint32 g = IAStatus.Geraet;
    const bool geraet = g >= 0 && g < AnzahlGeraete;
    Aktualisiere_IAZustand(geraet && IAGeraete[g].Grad, geraet && IAGeraete[g].Zeit);
}

void Aktualisiere_IAZustand(bool gradSichtbar, bool zeitSichtbar)
{
    begrenzeSeite(IAZutatenregalOffset, Ordne_Anzeigeplaetze(0, 0), 5);
    begrenzeSeite(IAGewuerzregalOffset, Ordne_Anzeigeplaetze(1, 0), 5);
    const qint32 kueche = Ordne_Anzeigeplaetze(0, 1);
    begrenzeSeite(IAGeraeteOffset, kueche, 6);
    if (kueche == 0)
        IAStatus.Auswahlmodus = 0;
    if (IAVERBEN.isEmpty())
        return;

    const bool ohneGrad = IAStatus.Temperatur == 50 || !gradSichtbar;
    const bool ohneZeit = IAStatus.Zeit == 0 || !zeitSichtbar;
    for (TTIAVERBEN &v : IAVERBEN) {
        v.Anzeigeplatz = -1;
        if ((ohneGrad && (v.Typ == 1 || v.Typ == 3)) || (ohneZeit && (v.Typ == 2 || v.Typ == 3)))
            v.Anzeigeplatz = -2;
    }
    qint32 c = 0;
    const qint32 g = IAStatus.Geraet;
    for (TTIAVERBEN &v : IAVERBEN) {
        if (v.Anzeigeplatz != -1)
            continue;
        if (IAStatus.AlleVerben == 1 || (g >= 0 && g < AnzahlGeraete && v.Geraete[g] != 0))
            v.Anzeigeplatz = c++;
    }
    if (c - 1 <= IAVerbOffset)
        IAVerbOffset = std::max(c - 26, 0);
}

void Waehle_Kuechenzutat(qint32 zutat)
{
    TTRezepteTotal *r = IARezept();
    TTIAZutatenliste *z = IAZutat(zutat);
    if (!r || !z)
        return;
    switch (IAStatus.Auswahlmodus) {
    case 0:
        IAStatus.Auswahlmodus = 2;
        z->Auswahl = 2;
        break;
    case 1:
        IAStatus.Auswahlmodus = 2;
        for (TTIAZutatenliste &k : r->IAZutaten)
            if (k.Ort == 1)
                k.Auswahl = 2;
        break;
    default:
        z->Auswahl = z->Auswahl == 2 ? 0 : 2;
        if (std::none_of(r->IAZutaten.cbegin(), r->IAZutaten.cend(),
                         [](const TTIAZutatenliste &k) { return k.Ort == 1 && k.Auswahl == 2; }))
            IAStatus.Auswahlmodus = 0;
        break;
    }
    Aktualisiere_IAZustand();
}

qint32 Finde_Kuechenslot(qint32 x, qint32 y, const std::array<TTIAKuechenslot, 6> &flaechen)
{
    auto in = [x, y](const TTRechteck &r) { return Ist_Punkt_im_Rechteck(x, y, r.Left, r.Top, r.Width, r.Height); };
    qint32 treffer = -1;
    for (qint32 k = 0; k < 6; ++k)
        if (flaechen[k].Sichtbar && (in(flaechen[k].Bild) || in(flaechen[k].Beschriftung)))
            treffer = k;
    return treffer;
}

qint32 Naechste_Seite(qint32 offset, qint32 schritt, qint32 anzahl)
{
    offset += schritt;
    if (offset > anzahl - 1)
        offset -= schritt;
    return std::max(offset, 0);
}

qint32 Vorige_Seite(qint32 offset, qint32 schritt)
{
    return std::max(offset - schritt, 0);
}

qint32 Anzahl_Regalzutaten(qint32 gewuerz)
{
    const TTAIAZutatenliste &z = IAZutaten();
    return qint32(std::count_if(z.cbegin(), z.cend(),
                                [gewuerz](const TTIAZutatenliste &i) { return i.Ort == 0 && i.Gewuerz == gewuerz; }));
}

qint32 Anzahl_angebotene_Verben()
{
    if (IAStatus.AlleVerben)
        return qint32(IAVERBEN.size());
    const qint32 g = IAStatus.Geraet;
    if (g < 0 || g >= AnzahlGeraete)
        return 0;
    return qint32(std::count_if(IAVERBEN.cbegin(), IAVERBEN.cend(), [g](const TTIAVERBEN &v) { return v.Geraete[g] != 0; }));
}

void Lege_Zutat_ab()
{
    IAHandZutat = -1;
}

void Lege_Verb_ab()
{
    IAVerbInHand = -1;
}

const TTIASteuerelemente Lege_Zutat_ab_Elemente = {{QStringLiteral("IZDummy"), QStringLiteral("IZDummyL"), QStringLiteral("P4")},
                                                   {QStringLiteral("IZDummy"), QStringLiteral("IZDummyL")}};
const TTIASteuerelemente Lege_Verb_ab_Elemente = {
    {QStringLiteral("IVDummy"), QStringLiteral("P6"), QStringLiteral("P7"), QStringLiteral("LDummyVerb")},
    {QStringLiteral("IVDummy"), QStringLiteral("LDummyVerb")}};
const TTIASteuerelemente Leere_Waage_Elemente = {
    {QStringLiteral("CBMenge"), QStringLiteral("LBEinheit"), QStringLiteral("EZutatName"), QStringLiteral("IZW1"),
     QStringLiteral("IZW10"), QStringLiteral("IZW11"), QStringLiteral("IZW12"), QStringLiteral("IZW13"),
     QStringLiteral("IZW14"), QStringLiteral("BBOK")},
    {QStringLiteral("IZW1"), QStringLiteral("IZW10"), QStringLiteral("IZW11"), QStringLiteral("IZW12"),
     QStringLiteral("IZW13"), QStringLiteral("IZW14"), QStringLiteral("LW10"), QStringLiteral("LW11"),
     QStringLiteral("EZutatName"), QStringLiteral("LTitel")}};

void Setze_IAStartwerte()
{
    TutorialSchritt = 0;
    IAHandZutat = -1;
    IAVerbInHand = -1;
    IAPopupZutat = -1;
    IAWaageZutat = -1;
    IAStatus.Auswahlmodus = 0;
    IARegalZaehler = 0;
    IAGewuerzregalOffset = 0;
    IAZutatenregalOffset = 0;
    IAVerbOffset = 0;
    IAGeraeteOffset = 0;
    IAStatus.Temperatur = 50;
    IAStatus.Zeit = 0;
}

qint32 Lege_IAArbeitsrezept_an(const TTRezepteTotal &vorlage)
{
    RezepteTotal.append(vorlage);
    AktuellesRezept = RezepteTotal.size() - 1;
    TTRezepteTotal &r = RezepteTotal.last();
    // The record is the kitchen's own: not a row of the overview.
    r.Listenposition = -1;
    r.IAZutaten.clear();
    IARezepttext.clear();
    return AktuellesRezept;
}

namespace {
struct Tutorialschalter {
    bool gemerkt = false;
    quint8 Tooltipps = 1;
    quint8 AlleVerben = 1;
};
Tutorialschalter &tutorialschalter()
{
    static Tutorialschalter s;
    return s;
}
} // namespace

void Setze_Tutorialschalter()
{
    Tutorialschalter &s = tutorialschalter();
    if (!s.gemerkt) {
        s.Tooltipps = IAStatus.Tooltipps;
        s.AlleVerben = IAStatus.AlleVerben;
        s.gemerkt = true;
    }
    IAStatus.Tooltipps = 1;
    IAStatus.AlleVerben = 1;
}

void Stelle_Tutorialschalter_zurueck()
{
    Tutorialschalter &s = tutorialschalter();
    if (!s.gemerkt)
        return;
    IAStatus.Tooltipps = s.Tooltipps;
    IAStatus.AlleVerben = s.AlleVerben;
    s.gemerkt = false;
}
