#include "interactive/IAHandlung.h"

#include <algorithm>

#include "core/Meldung.h"
#include "interactive/IAModell.h"
#include "interactive/IASaetze.h"
#include "interactive/IATabellen.h"
#include "interactive/IAWaage.h"
#include "platform/CodePage.h"

namespace {

const QString Hinweis = QStringLiteral("Hinweis:");

bool ja(const QString &text, const QString &titel)
{
    return Zeige_Meldung(text, titel, Knoepfe_Ja_Nein) == Antwort_Ja;
}

qint32 finde(qint32 platz, qint32 gewuerz, qint32 ort)
{
    const TTAIAZutatenliste &z = IAZutaten();
    for (qint32 i = 0; i < z.size(); ++i)
        if (z[i].Ort == ort && (gewuerz < 0 || z[i].Gewuerz == gewuerz) && z[i].Anzeigeplatz == platz)
            return i;
    return -1;
}

bool haendeLeer()
{
    return IAHandZutat < 0 && IAVerbInHand < 0;
}

// Items of that place (and kind, unless -1) from `platz` on move one slot on;
// then the item takes `platz`.
void stelle(qint32 zutat, qint32 slotZutat, qint32 ort, qint32 gewuerz)
{
    TTRezepteTotal *r = IARezept();
    TTIAZutatenliste *z = IAZutat(zutat);
    const TTIAZutatenliste *s = IAZutat(slotZutat);
    if (!r || !z)
        return;
    const qint32 platz = s && slotZutat != zutat ? s->Anzeigeplatz : -1;
    if (platz >= 0)
        for (TTIAZutatenliste &k : r->IAZutaten)
            if (k.Ort == ort && (gewuerz < 0 || k.Gewuerz == gewuerz) && k.Anzeigeplatz >= platz)
                ++k.Anzeigeplatz;
    z->Anzeigeplatz = platz;
    z->Ort = ort;
}

void nimm(qint32 i)
{
    IAHandZutat = i;
    IAZutat(i)->Ort = -1;
}

// The target alone when it is not selected, else every kitchen item of its
// selection group.
QList<qint32> gruppe(qint32 ziel)
{
    const TTAIAZutatenliste &z = IAZutaten();
    const qint32 auswahl = z[ziel].Auswahl;
    if (auswahl == 0)
        return {ziel};
    QList<qint32> g;
    for (qint32 i = 0; i < z.size(); ++i)
        if (z[i].Ort == 1 && z[i].Auswahl == auswahl)
            g.append(i);
    return g;
}

QString inAnfuehrung(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

qint32 Regalzutat_an(qint32 slot, qint32 gewuerz)
{
    const qint32 offset = gewuerz ? IAGewuerzregalOffset : IAZutatenregalOffset;
    return slot < 0 || slot > 4 ? -1 : finde(offset + slot, gewuerz, 0);
}

qint32 Kuechenzutat_an(qint32 slot)
{
    return slot < 0 || slot > 5 ? -1 : finde(IAGeraeteOffset + slot, -1, 1);
}

void Stelle_ins_Regal(qint32 zutat, qint32 slotZutat, quint8 gewuerz)
{
    stelle(zutat, slotZutat, 0, gewuerz);
}

void Stelle_in_Kueche(qint32 zutat, qint32 slotZutat)
{
    stelle(zutat, slotZutat, 1, -1);
}

qint32 Nimm_aus_Regal(qint32 slot)
{
    if (!Waage_ist_leer() || !haendeLeer() || IAStatus.Panel > 1)
        return -1;
    const qint32 i = Regalzutat_an(slot, IAStatus.Panel);
    if (i >= 0)
        nimm(i);
    return i;
}

qint32 Nimm_aus_Kueche(qint32 slot)
{
    if (!haendeLeer())
        return -1;
    const qint32 i = Kuechenzutat_an(slot);
    if (i < 0)
        return -1;
    nimm(i);
    IAZutat(i)->Anzeigeplatz = -1;
    IAZutat(i)->Auswahl = 0;
    return i;
}

qint32 Nimm_Verb(qint32 slot)
{
    if (!haendeLeer() || slot < 0)
        return -1;
    for (qint32 v = 0; v < IAVERBEN.size(); ++v)
        if (IAVERBEN[v].Anzeigeplatz >= 0 && IAVERBEN[v].Anzeigeplatz == IAVerbOffset + slot) {
            IAVerbInHand = v;
            return v;
        }
    return -1;
}

void Zurueck_ins_Regal()
{
    if (TTIAZutatenliste *z = IAZutat(IAHandZutat)) {
        z->Ort = 0;
        z->Anzeigeplatz = -1;
    }
    Lege_Zutat_ab();
}

bool Lege_in_Kueche(qint32 slotZutat)
{
    TTIAZutatenliste *z = IAZutat(IAHandZutat);
    if (!z || z->Gewuerz == 1 || !Pruefe_Zutat_abgewogen(IAHandZutat))
        return false;
    if (slotZutat >= 0) {
        Stelle_in_Kueche(IAHandZutat, slotZutat);
    } else {
        z->Ort = 1;
        z->Anzeigeplatz = -1;
        z->Auswahl = IAStatus.Auswahlmodus == 1 ? 1 : 0;
    }
    Lege_Zutat_ab();
    return true;
}

bool Waehle_Geraet(qint32 geraet)
{
    if (geraet < 0 || geraet > IAWaage)
        return false;
    if (!Waage_ist_leer()) {
        Zeige_Meldung(QStringLiteral("Bitte die vorhandene Zutat in der Waage erst abwiegen!"), Hinweis, Knopf_OK);
        return false;
    }
    IAStatus.Geraet = geraet;
    return true;
}

void Gruppiere_Kueche()
{
    TTRezepteTotal *r = IARezept();
    if (!r)
        return;
    const qint32 auswahl = IAStatus.Auswahlmodus == 0 ? 1 : 0;
    for (TTIAZutatenliste &k : r->IAZutaten)
        if (k.Ort == 1)
            k.Auswahl = auswahl;
    IAStatus.Auswahlmodus = auswahl;
}

bool Leere_Kueche()
{
    TTRezepteTotal *r = IARezept();
    if (!r || r->IAZutaten.isEmpty() || IAVerbInHand >= 0
        || !ja(QStringLiteral("Alle Zutaten zurück ins Regal stellen?"), Hinweis))
        return false;
    for (TTIAZutatenliste &k : r->IAZutaten)
        if (k.Ort == 1) {
            k.Auswahl = 0;
            k.Anzeigeplatz = -1;
            k.Ort = 0;
        }
    IAStatus.Auswahlmodus = 0;
    return true;
}

bool Heize_vor()
{
    const QString frage = Vorheizfrage();
    if (frage.isEmpty() || !ja(frage, QStringLiteral("Rezepttextfrage:")))
        return false;
    const bool umluft = IAStatus.Geraet == 11
        && ja(QStringLiteral("Soll der Backofen auf Umluft gestellt werden?"), QStringLiteral("Rezepttextfrage:"));
    Schreibe_Vorheizzeile(Vorheiztext(umluft));
    return true;
}

bool Wuerze(qint32 ziel)
{
    const TTIAZutatenliste *gewuerz = IAZutat(IAHandZutat);
    const TTIAZutatenliste *t = IAZutat(ziel);
    if (!gewuerz || !t || gewuerz->Gewuerz != 1 || t->Ort != 1 || !Pruefe_Zutat_abgewogen(IAHandZutat))
        return false;
    Schreibe_Rezeptzeile(ziel, -1);
    if (IARezepttext.isEmpty() || IARezepttext[0].Art != 1)
        return false;
    Merke_Kochgeraet(IAHandZutat, IAStatus.Geraet);
    for (qint32 i : gruppe(ziel))
        Merke_Kochgeraet(i, IAStatus.Geraet);
    return true;
}

bool Wende_Verb_an(qint32 ziel)
{
    const qint32 v = IAVerbInHand;
    const TTIAZutatenliste *t = IAZutat(ziel);
    if (v < 0 || v >= IAVERBEN.size() || !t || t->Ort != 1)
        return false;
    const qint32 zeilen = qint32(IARezepttext.size());
    Schreibe_Rezeptzeile(ziel, v);
    if (IARezepttext.size() == zeilen)
        return false;
    TTIAVERBEN &verb = IAVERBEN[v];
    if (++verb.Zaehler > 1000000)
        verb.Zaehler = 0;

    const qint32 symbol = verb.Symbol;
    const qint32 produkt = symbol >= 0 && symbol < AnzahlVerbsymbole ? IAVerbsymbole[symbol].Produkt : 0;
    if (produkt > 0
        && !ja(QStringLiteral("Sollen die Zutaten nun durch die neue im Kochverb enthaltene Zutat ersetzt werden?"),
               QStringLiteral("Frage:"))) {
        Lege_Verb_ab();
        return true;
    }
    const qint32 zielAuswahl = t->Auswahl;
    const QList<qint32> betroffen = gruppe(ziel);
    for (qint32 i : betroffen)
        Merke_Kochgeraet(i, IAStatus.Geraet);
    // The product comes first: when its database record is missing, nothing
    // is booked out and the items stay in the kitchen.
    if (produkt > 0 && Erzeuge_Zwischenprodukt(produkt, IAStatus.Geraet) >= 0) {
        TTRezepteTotal *r = IARezept();
        for (qint32 i : betroffen) {
            r->IAZutaten[i].Ort = -1;
            r->IAZutaten[i].Auswahl = 0;
        }
        if (zielAuswahl != 0) {
            for (TTIAZutatenliste &k : r->IAZutaten)
                if (k.Ort == 1)
                    k.Auswahl = 0;
            IAStatus.Auswahlmodus = 0;
        }
    }
    Lege_Verb_ab();
    return true;
}

bool Wirf_Zutat_weg(qint32 zutat)
{
    TTRezepteTotal *r = IARezept();
    const TTIAZutatenliste *z = IAZutat(zutat);
    if (!r || !z)
        return false;
    const QString text = (z->Gewuerz == 1 ? QStringLiteral("Soll das Gewürz ") : QStringLiteral("Soll die Zutat "))
        + inAnfuehrung(z->Anzeigename) + QStringLiteral(" wirklich gelöscht werden?");
    if (!ja(text, QStringLiteral("Sicherheitsabfrage:")))
        return false;
    r->IAZutaten.removeAt(zutat);
    // Indices after the removed item move up by one.
    for (qint32 *index : {&IAHandZutat, &IAWaageZutat})
        if (*index == zutat)
            *index = -1;
        else if (*index > zutat)
            --*index;
    return true;
}

bool Wandle_Zutat_um(qint32 zutat)
{
    TTIAZutatenliste *z = IAZutat(zutat);
    if (!z || !Waage_ist_leer())
        return false;
    const QString text = z->Gewuerz == 1
        ? QStringLiteral("Das Gewürz ") + inAnfuehrung(z->Anzeigename) + QStringLiteral(" wird zu einer Zutat gewandelt! Richtig?")
        : QStringLiteral("Die Zutat ") + inAnfuehrung(z->Anzeigename) + QStringLiteral(" wird zu einem Gewürz gewandelt! Richtig?");
    if (Zeige_Meldung(text, QStringLiteral("Sicherheitsabfrage:"), Knoepfe_Ja_Nein) == Antwort_Nein || !Waage_ist_leer())
        return false;
    z = IAZutat(zutat);
    z->Menge.clear();
    z->WaageMenge.clear();
    z->Gewuerz = z->Gewuerz == 1 ? 0 : 1;
    z->Anzeigeplatz = -1;
    z->Ort = -1;
    IAHandZutat = zutat;
    return true;
}

bool Hole_Zutaten_zurueck()
{
    TTRezepteTotal *r = IARezept();
    if (!r
        || !ja(QStringLiteral("Alle Zutaten, die durch Teig, Sauce, Braten, etc. ausgebucht wurden, werden wieder "
                              "aktiviert. Richtig?"),
               QStringLiteral("Frage:")))
        return false;
    bool geaendert = false;
    for (qint32 i = 0; i < r->IAZutaten.size(); ++i)
        if (r->IAZutaten[i].Ort == -1 && i != IAHandZutat) {
            r->IAZutaten[i].Ort = 0;
            r->IAZutaten[i].Anzeigeplatz = -1;
            geaendert = true;
        }
    return geaendert;
}

bool Loesche_letzte_Rezeptzeile()
{
    if (IARezepttext.isEmpty() || !ja(QStringLiteral("Letzte Rezeptzeile löschen?"), QStringLiteral("Frage:")))
        return false;
    Schreibe_Rezeptzeile(-1, -1);
    return true;
}

bool Springe_zu_Verb(QChar zeichen)
{
    static const QString erlaubt = QStringLiteral(",-.:;_ÄÖÜßäöü");
    if (!(zeichen.isDigit() && zeichen.unicode() < 128) && !(zeichen.unicode() < 128 && zeichen.isLetter())
        && !erlaubt.contains(zeichen))
        return false;
    QStringList gezeigt;
    for (const TTIAVERBEN &v : IAVERBEN)
        gezeigt << (v.Anzeigeplatz >= 0 ? v.Text : QString());
    const qint32 i = Erster_Text_mit_Anfang(gezeigt, zeichen);
    if (i < 0)
        return false;
    IAVerbOffset = IAVERBEN[i].Anzeigeplatz;
    return true;
}

qint32 Erster_Text_mit_Anfang(const QStringList &texte, QChar zeichen)
{
    const QChar gross = platform::upperChar(zeichen);
    for (qint32 i = 0; i < texte.size(); ++i)
        if (!texte[i].isEmpty() && platform::upperChar(texte[i].at(0)) == gross)
            return i;
    return -1;
}

TTIAPopup Ermittle_IAPopup(bool rezeptzeilen, bool kuecheOderWaage, qint32 regalSlot)
{
    TTIAPopup p;
    IAPopupZutat = -1;
    if (!haendeLeer() || TutorialSchritt > 0)
        return p;
    p.Leer = false;
    p.Variablenanzeige = IAStatus.AlleVerben ? QStringLiteral("Verben nach Kochflächen anzeigen")
                                             : QStringLiteral("Immer alle Verben anzeigen");
    const TTAIAZutatenliste &z = IAZutaten();
    p.Zurueckholen = std::any_of(z.cbegin(), z.cend(), [](const TTIAZutatenliste &i) { return i.Ort == -1; });
    p.Rezepttext = rezeptzeilen;
    p.Rezeptspeichern = kuecheOderWaage;
    const bool waageLeer = Waage_ist_leer();
    if (regalSlot < 0 || IAStatus.Panel > 1 || (IAStatus.Panel == 1 && !waageLeer))
        return p;
    IAPopupZutat = Regalzutat_an(regalSlot, IAStatus.Panel);
    if (IAPopupZutat < 0)
        return p;
    if (IAStatus.Panel == 0) {
        p.Wegwerfen = QStringLiteral("Zutat wegwerfen");
        if (waageLeer)
            p.Umwandeln = QStringLiteral("Zutat in Gewürz umwandeln");
    } else {
        p.Wegwerfen = QStringLiteral("Gewürz wegwerfen");
        p.Umwandeln = QStringLiteral("Gewürz in Zutat umwandeln");
    }
    return p;
}

bool Darf_Verbeditor_oeffnen()
{
    return haendeLeer() && TutorialSchritt == 0;
}
