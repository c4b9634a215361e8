#include "interactive/IAAuswahl.h"

#include <algorithm>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "interactive/IAModell.h"
#include "interactive/IATabellen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"

TTIAKuechenanbindung IAKuechenanbindung;

namespace {

const QString Zeitmarke = QStringLiteral(" ZZZ ");
const QString Gradmarke = QStringLiteral(" GGG ");
const QString Zutatenmarke = QStringLiteral(" ... ");
constexpr qint32 GradAus = 50; // the temperature slider's minimum
constexpr qint32 ZeitAus = 0;  // the time slider's minimum

bool gueltigeZutat(qint32 db)
{
    return db >= 0 && db < Zutatentotal.size();
}

TTVariablenTotal *einheitenliste()
{
    return VariablenTotal.isEmpty() ? nullptr : &VariablenTotal[0];
}

} // namespace

// --- units ------------------------------------------------------------------------

qint32 IAEinheitengruppe(qint32 kategorie)
{
    return kategorie >= 0 && kategorie < AnzahlZutatengruppen ? kategorie : 16;
}

TTIAEinheitenanzeige Fuelle_IAEinheitenliste(qint32 db, qint32 zutat, bool standard)
{
    TTIAEinheitenanzeige a;
    TTIAZutatenliste *z = IAZutat(zutat);
    const TTRezepteTotal *r = IARezept();
    if (!z || !r)
        return a;
    const qint32 gruppe = IAEinheitengruppe(gueltigeZutat(db) ? Zutatentotal[db].Kategorie : z->Kategorie);
    const QString standardeinheit = gueltigeZutat(db) ? Zutatentotal[db].Standardeinheit() : QString();
    const TTVariablenTotal *v = einheitenliste();
    const TTAEinheit *einheiten = v && r->Kategorie >= 0 && r->Kategorie < AnzahlKategorien
                                      ? &v->Kategorien[r->Kategorie] : nullptr;
    if (einheiten) {
        for (const TTEinheit &u : *einheiten) {
            if (u.Name.isEmpty() || !u.Zuordnung[gruppe])
                continue;
            a.Einheiten << u.Name;
            if (!z->Einheit.isEmpty() && z->Einheit == u.Name)
                a.Einheit = qint32(a.Einheiten.size() - 1);
        }
        if (standard) {
            if (!standardeinheit.isEmpty() && z->Einheit.isEmpty())
                a.Einheit = qint32(a.Einheiten.indexOf(standardeinheit));
        } else if (!z->Einheit.isEmpty()) {
            a.Einheit = qint32(a.Einheiten.indexOf(z->Einheit));
        }
        if (a.Einheit < 0 && !a.Einheiten.isEmpty())
            a.Einheit = 0;
    }
    const TTEinheit *gewaehlt = nullptr;
    if (a.Einheit >= 0)
        for (const TTEinheit &u : *einheiten)
            if (u.Name == a.Einheiten[a.Einheit]) {
                gewaehlt = &u;
                break;
            }
    if (gewaehlt) {
        a.Mengen = gewaehlt->Mengentabelle.mid(1);
        if (!z->Menge.isEmpty())
            a.Menge = qint32(a.Mengen.indexOf(z->Menge));
        a.Mengentext = a.Menge >= 0 ? a.Mengen[a.Menge] : z->Menge;
        z->Menge = a.Mengentext;
        if (z->Einheit.isEmpty())
            z->Einheit = a.Einheiten[a.Einheit];
    } else {
        a.Mengentext = z->Menge;
    }
    a.LW10 = !z->Gewuerz && z->Menge.isEmpty() ? QStringLiteral("??? ") + z->Einheit
                                                : z->Menge + QLatin1Char(' ') + z->Einheit;
    a.LW11 = z->Anzeigename;
    return a;
}

// --- taking an ingredient -----------------------------------------------------------

bool IAZutat_im_Rezept(qint32 db)
{
    if (!gueltigeZutat(db))
        return false;
    for (const TTIAZutatenliste &z : IAZutaten())
        if (!z.Zutatname.isEmpty() && Suche_Zutat(z.Zutatname, -1) == db)
            return true;
    return false;
}

QString IAAufnahmefrage(bool gewuerz)
{
    return gewuerz ? QStringLiteral("Das Gewürz existiert bereits. Soll es erneut aufgenommen werden?")
                   : QStringLiteral("Die Zutat existiert bereits. Soll sie erneut aufgenommen werden?");
}

TTIAWaagenaufnahme Nimm_IAZutat_auf(qint32 db, bool gewuerz)
{
    TTIAWaagenaufnahme a;
    TTRezepteTotal *r = IARezept();
    if (!r || !gueltigeZutat(db))
        return a;
    const TTZutatentotal &d = Zutatentotal[db];
    TTIAZutatenliste z; // the initialiser's values
    z.DBIndex = db;
    z.Zutatname = d.Zutatname;
    z.Kategorie = IAEinheitengruppe(d.Kategorie);
    z.Gewuerz = gewuerz ? 1 : 0;
    z.Anzeigename = Formatiere_Zutatenname(true, d.Rezepttextname);
    z.Ort = 2;
    const QString bild = Programmverzeichnis + QStringLiteral("GFXZUTAT\\ENG\\") + d.Grafik();
    z.Grafik = !d.Grafik().isEmpty() && platform::fileExists(bild) ? bild : Zutatengruppengrafik(z.Kategorie);
    r->IAZutaten.append(z);
    a.Zutat = IAWaageZutat = qint32(r->IAZutaten.size() - 1);
    a.Gewuerz = gewuerz;
    a.Titel = gewuerz ? QStringLiteral("Gewürzeinheit festlegen:") : QStringLiteral("Zutat abwiegen:");
    a.MengeZeigen = !gewuerz;
    a.Grafik = z.Grafik;
    a.Einheiten = Fuelle_IAEinheitenliste(db, a.Zutat, true);
    Aktualisiere_IAZustand();
    return a;
}

void Beende_IAZutatenauswahl()
{
    IAWaageZutat = -1;
    IAStatus.Panel = 0;
    // An item still lying on the scale keeps the scale open to be weighed.
    IAStatus.Geraet = Waagenzutat() >= 0 ? IAWaage : 0;
    Aktualisiere_IAZustand();
}

// --- the whole verb list --------------------------------------------------------------

namespace {

// The markers replaced by the kitchen's minutes and temperature caption.
QString ersetzeMarken(QString text, bool zeit, bool grad)
{
    if (zeit)
        text.replace(Zeitmarke, QLatin1Char(' ') + QString::number(IAStatus.Zeit)
                                    + (IAStatus.Zeit == 1 ? QStringLiteral(" Minute ") : QStringLiteral(" Minuten ")));
    if (grad)
        text.replace(Gradmarke, QLatin1Char(' ') + Temperaturbeschriftung(IAStatus.Temperatur).Text + QLatin1Char(' '));
    return text;
}

} // namespace

QString IAVerbanzeige(const QString &text)
{
    return ersetzeMarken(text, true, true);
}

bool IAVerb_zeigbar(const QString &text)
{
    return (!text.contains(Gradmarke) || IAStatus.Temperatur > GradAus)
        && (!text.contains(Zeitmarke) || IAStatus.Zeit > ZeitAus);
}

QStringList Ermittle_Verbliste(TIAVTotalliste &liste, const QString &suchtext)
{
    for (TTIAVTotalliste &e : liste)
        e.Treffer = -1;
    qint32 modus = 0;
    TString woerter;
    Zerlege_Suchbegriffe(suchtext, false, modus, woerter, true, true);
    const auto nachText = [](const TTIAVTotalliste &a, const TTIAVTotalliste &b) { return a.Text < b.Text; };
    if (woerter.isEmpty()) {
        std::stable_sort(liste.begin(), liste.end(), nachText);
    } else {
        for (TTIAVTotalliste &e : liste) {
            QString test = ersetzeMarken(e.Text, IAStatus.Zeit > ZeitAus, IAStatus.Temperatur > GradAus);
            Ersetze_Sonderbuchstaben(test);
            test = platform::upperCase(test);
            const bool treffer = std::all_of(woerter.cbegin(), woerter.cend(), [&](const QString &w) {
                return !w.isEmpty() && test.contains(w);
            });
            if (!treffer)
                e.Treffer = -2;
            else
                e.Treffer = platform::upperCase(e.Text).startsWith(woerter.first()) ? -3 : -1;
        }
        std::stable_sort(liste.begin(), liste.end(), nachText);
        // beginning with the first word, then the other hits, then the rest
        std::stable_sort(liste.begin(), liste.end(), [](const TTIAVTotalliste &a, const TTIAVTotalliste &b) {
            const auto rang = [](qint32 t) { return t == -3 ? 0 : t == -1 ? 1 : 2; };
            return rang(a.Treffer) < rang(b.Treffer);
        });
        for (TTIAVTotalliste &e : liste)
            if (e.Treffer == -3)
                e.Treffer = -1;
    }
    QStringList zeilen;
    for (TTIAVTotalliste &e : liste) {
        if (e.Treffer != -1 || !IAVerb_zeigbar(e.Text))
            continue;
        e.Treffer = qint32(zeilen.size());
        zeilen << IAVerbanzeige(e.Text);
    }
    return zeilen;
}

qint32 IAVerbsymbol_fuer_Geraet(qint32 geraet)
{
    if (geraet == 0)
        return 16;
    if (geraet == 1)
        return 15;
    return geraet - 1;
}

qint32 Uebernimm_IAVerb(const QString &text)
{
    const qint32 d = IAStatus.Geraet;
    if (text.isEmpty() || d < 0 || d >= AnzahlGeraete)
        return -1;
    qint32 v = Finde_Verbtext(text);
    if (v < 0) {
        TTIAVERBEN neu;
        neu.Text = text;
        neu.Symbol = IAVerbsymbol_fuer_Geraet(d);
        neu.Zulassung[d] = 1;
        if (IAStatus.AlleVerben)
            neu.Geraete.fill(1);
        else
            neu.Geraete = neu.Zulassung;
        neu.Typ = (text.contains(Gradmarke) ? 1 : 0) + (text.contains(Zeitmarke) ? 2 : 0);
        IAVERBEN.append(neu);
    } else {
        IAVERBEN[v].Anzeigeplatz = -1;
        IAVERBEN[v].Zulassung[d] = 1;
        IAVERBEN[v].Geraete[d] = 1;
    }
    // the verb list is written at once, a taken verb included
    Speichere_IAVerben();
    return Finde_Verbtext(text);
}

// --- the verb editor -------------------------------------------------------------------

void Lade_Verbpuffer(qint32 verb)
{
    if (verb < 0 || verb >= IAVERBEN.size())
        return;
    if (IAVerbPuffer.isEmpty())
        IAVerbPuffer.resize(1);
    TTIAVERBEN &p = IAVerbPuffer[0];
    const TTIAVERBEN &v = IAVERBEN[verb];
    p.Text = v.Text;
    p.Symbol = v.Symbol;
    p.Typ = v.Typ;
    p.Geraete = v.Geraete;
    p.Zulassung = v.Zulassung;
}

void Speichere_Verbpuffer(qint32 verb)
{
    if (verb < 0 || verb >= IAVERBEN.size() || IAVerbPuffer.isEmpty())
        return;
    const TTIAVERBEN &p = IAVerbPuffer[0];
    TTIAVERBEN &v = IAVERBEN[verb];
    v.Text = p.Text;
    v.Symbol = p.Symbol;
    v.Typ = p.Typ;
    v.Geraete = p.Geraete;
    v.Zulassung = p.Zulassung;
}

qint32 Finde_Verb_zu_Zeile(qint32 zeile)
{
    if (zeile < 0)
        return -1;
    for (qint32 i = 0; i < IAVERBEN.size(); ++i)
        if (IAVERBEN[i].Listenindex == zeile)
            return i;
    return -1;
}

qint32 Finde_Verbtext(const QString &text)
{
    for (qint32 i = 0; i < IAVERBEN.size(); ++i)
        if (IAVERBEN[i].Text == text)
            return i;
    return -1;
}

QString Bereinige_Verbtext(const QString &text)
{
    QString t = text;
    Entferne_fuehrende_Leerzeichen(t);
    // a marker at the start keeps the one blank before it that makes it a marker
    if (t.size() < text.size())
        for (const QString &marke : {Zutatenmarke, Gradmarke, Zeitmarke})
            if (t.startsWith(marke.mid(1)))
                return QLatin1Char(' ') + t;
    return t;
}

qint32 Verbart_aus_Text(const QString &text)
{
    if (text.contains(Zeitmarke))
        return 2;
    return text.contains(Gradmarke) ? 1 : 0;
}

bool Speichere_IAVerben()
{
    return Lade_IAVerben(Save | Load) == 0;
}
