#include "interactive/IASaetze.h"

#include "core/Grundoperationen.h"
#include "interactive/IAModell.h"
#include "interactive/IATabellen.h"
#include "core/Meldung.h"

namespace {

const QString Punkte = QStringLiteral(" ... ");

// Fills in the time and temperature markers; `ersetzt` tells whether any was.
QString ersetzeMarken(QString text, bool *ersetzt = nullptr)
{
    const QString zeit = QStringLiteral(" ZZZ ");
    const QString grad = QStringLiteral(" GGG ");
    const bool hat = text.contains(zeit) || text.contains(grad);
    text.replace(zeit, QLatin1Char(' ') + QString::number(IAStatus.Zeit)
                           + (IAStatus.Zeit == 1 ? QStringLiteral(" Minute ") : QStringLiteral(" Minuten ")));
    text.replace(grad, QLatin1Char(' ') + Temperaturbeschriftung(IAStatus.Temperatur).Text + QLatin1Char(' '));
    if (ersetzt)
        *ersetzt = hat;
    return text;
}

// An item's name in a sentence: qualified by its quantity when another item
// has the same ingredient, else its display name, with the product's article
// when it stands alone.
QString zutatname(qint32 i, bool artikel)
{
    const TTIAZutatenliste &z = IAZutaten()[i];
    if (Ist_Zutatname_mehrfach(i))
        return Setze_Pluralformen(z.Menge, z.Einheit, z.Anzeigename);
    return (artikel ? Artikel_fuer_Produkt(z.Anzeigename) : QString()) + z.Anzeigename;
}

// A target named "Die Sauce" (an article form) keeps its name without the
// article from now on, so that no later sentence repeats it.
void entferneArtikel(qint32 i)
{
    static const QStringList formen{
        QStringLiteral("Die Sauce"),   QStringLiteral("Die Suppe"),  QStringLiteral("Den Teig"),
        QStringLiteral("Den Auflauf"), QStringLiteral("Den Tortenboden"), QStringLiteral("Den Braten"),
        QStringLiteral("Das Obst"),    QStringLiteral("Die Creme"),  QStringLiteral("Das Fleisch"),
        QStringLiteral("Das Gemüse"),  QStringLiteral("Den Salat"),  QStringLiteral("Das Dessert"),
        QStringLiteral("Die Beilage"), QStringLiteral("Die Früchte")};
    TTIAZutatenliste &z = IARezept()->IAZutaten[i];
    if (formen.contains(z.Anzeigename))
        z.Anzeigename = z.Anzeigename.mid(4);
}

// The names of the user's selection, in item order.
QStringList auswahlnamen()
{
    QStringList namen;
    const TTAIAZutatenliste &z = IAZutaten();
    for (qint32 i = 0; i < z.size(); ++i)
        if (z[i].Auswahl == 2)
            namen << zutatname(i, false);
    return namen;
}

// "A", "A und B", "A, B und C".
QString aufzaehlung(const QStringList &namen)
{
    if (namen.size() < 2)
        return namen.value(0);
    return namen.mid(0, namen.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" und ") + namen.last();
}

bool gueltigeZutat(qint32 i)
{
    return i >= 0 && i < IAZutaten().size();
}

// How a sentence names its target: alone, all kitchen items, or the selection.
enum class Ziel { Einzeln, Alle, Auswahl };
Ziel zielart(qint32 modus, qint32 zutat)
{
    if (IAZutaten()[zutat].Auswahl == 0 || modus == 0)
        return Ziel::Einzeln;
    return modus == 1 ? Ziel::Alle : Ziel::Auswahl;
}

} // namespace

QString Erzeuge_Verbtext(qint32 modus, qint32 zutat, qint32 verb)
{
    if (verb < 0 || verb >= IAVERBEN.size())
        return QString();
    const QString text = ersetzeMarken(IAVERBEN[verb].Text);
    QString praefix;
    QString rest = text;
    const qsizetype p = text.indexOf(Punkte);
    if (p >= 0) {
        praefix = text.left(p + 1);
        rest = text.mid(p + Punkte.size());
    }
    const QString vorschau = praefix + QStringLiteral(" ... ") + rest;
    QString satz;
    if (!gueltigeZutat(zutat)) {
        satz = vorschau;
    } else {
        switch (zielart(modus, zutat)) {
        case Ziel::Einzeln:
            satz = praefix + QLatin1Char(' ') + zutatname(zutat, true) + QLatin1Char(' ') + rest;
            break;
        case Ziel::Alle:
            satz = praefix.isEmpty() ? QStringLiteral("Alle Zutaten ") + rest
                                     : praefix + QStringLiteral(" alle(n) Zutaten ") + rest;
            break;
        case Ziel::Auswahl: {
            const QStringList namen = auswahlnamen();
            satz = namen.isEmpty() ? vorschau : praefix + QLatin1Char(' ') + aufzaehlung(namen) + QLatin1Char(' ') + rest;
            break;
        }
        }
        entferneArtikel(zutat);
    }
    Entferne_endende_Leerzeichen(satz);
    Entferne_fuehrende_Leerzeichen(satz);
    return Setze_ersten_Buchstaben_gross(satz) + QLatin1Char('.');
}

TTIAWuerzvorschau Erzeuge_Wuerztext(qint32 ziel)
{
    TTIAWuerzvorschau v;
    if (!gueltigeZutat(IAHandZutat))
        return v;
    const TTIAZutatenliste &gewuerz = IAZutaten()[IAHandZutat];
    const QString phrase = Setze_Pluralformen(QStringLiteral("1"), gewuerz.Einheit, gewuerz.Anzeigename);
    const QString mit = QStringLiteral(" mit ") + phrase + QStringLiteral(" würzen.");
    v.Anzahl = QStringLiteral("1");
    v.Einheit = gewuerz.Einheit;
    v.Gewuerz = gewuerz.Anzeigename;
    v.Ziel = QStringLiteral("...");
    if (gueltigeZutat(ziel)) {
        switch (zielart(IAStatus.Auswahlmodus, ziel)) {
        case Ziel::Einzeln: v.Ziel = zutatname(ziel, true); break;
        case Ziel::Alle: v.Ziel = QStringLiteral("Alle Zutaten"); break;
        case Ziel::Auswahl: {
            const QStringList namen = auswahlnamen();
            if (!namen.isEmpty())
                v.Ziel = aufzaehlung(namen);
            break;
        }
        }
        entferneArtikel(ziel);
    }
    v.Satz = Setze_ersten_Buchstaben_gross(v.Ziel + mit);
    return v;
}

QString Erzeuge_Verbbeschriftung(const QString &vorlage)
{
    bool ersetzt = false;
    QString text = ersetzeMarken(vorlage, &ersetzt);
    if (ersetzt)
        Entferne_endende_Leerzeichen(text);
    if (text.size() > 37)
        text = text.left(37) + QStringLiteral("...");
    return text;
}

qint32 Neue_Rezeptzeile()
{
    IARezepttext.prepend(TTIARezepttext());
    return 0;
}

void Schreibe_Rezeptzeile(qint32 zutat, qint32 verb)
{
    if (zutat < 0 && verb < 0) {
        if (!IARezepttext.isEmpty())
            IARezepttext.removeFirst();
        return;
    }
    if (IAHandZutat >= 0) {
        if (!gueltigeZutat(IAHandZutat) || !IAZutaten()[IAHandZutat].Gewuerz || !gueltigeZutat(zutat))
            return;
        const TTIAWuerzvorschau v = Erzeuge_Wuerztext(zutat);
        Neue_Rezeptzeile();
        TTIARezepttext &z = IARezepttext[0];
        z.Art = 1;
        z.Ziel = v.Ziel;
        z.Einheit = v.Einheit;
        z.Gewuerz = v.Gewuerz;
        z.Menge = v.Anzahl;
        if (IARezepttext.size() >= 2) {
            const TTIARezepttext &vorige = IARezepttext[1];
            if (vorige.Art == 1 && vorige.Ziel == v.Ziel && vorige.Einheit == v.Einheit && vorige.Gewuerz == v.Gewuerz) {
                z.Menge = Addiere_Mengen(vorige.Menge, v.Anzahl);
                IARezepttext.removeAt(1);
            }
        }
        z.Satz = Formatiere_Zutatenname(false, z.Ziel) + QStringLiteral(" mit ")
            + Setze_Pluralformen(z.Menge, z.Einheit, Formatiere_Zutatenname(false, z.Gewuerz))
            + QStringLiteral(" würzen.");
        return;
    }
    if (gueltigeZutat(zutat) && verb >= 0 && verb < IAVERBEN.size()) {
        const QString satz = Formatiere_Zutatenname(false, Erzeuge_Verbtext(IAStatus.Auswahlmodus, zutat, verb));
        Neue_Rezeptzeile();
        IARezepttext[0].Art = 0;
        IARezepttext[0].Satz = satz;
    }
}

QString Vorheizfrage()
{
    const QString praefix = Vorheizpraefix(IAStatus.Geraet);
    if (praefix.isEmpty() || IAStatus.Temperatur <= 50)
        return QString();
    return praefix + Temperaturbeschriftung(IAStatus.Temperatur).Text + QStringLiteral(" vorheizen?");
}

QString Vorheiztext(bool umluft)
{
    QString text = Vorheizfrage();
    if (text.isEmpty())
        return text;
    text.chop(1);
    text += QLatin1Char('.');
    if (umluft && IAStatus.Geraet == 11)
        text += QStringLiteral(" (Umluft)");
    return text;
}

void Schreibe_Vorheizzeile(const QString &text)
{
    if (text.isEmpty())
        return;
    Neue_Rezeptzeile();
    IARezepttext[0].Satz = text;
}

QString Kuerze_Rezeptzeile(bool lang, const QString &text)
{
    if (text.size() <= 65)
        return text;
    return text.left(lang ? 68 : 62) + QStringLiteral("...");
}

TTIARezeptzeilenanzeige Zeige_Rezeptzeilen()
{
    TTIARezeptzeilenanzeige a;
    const qsizetype n = IARezepttext.size();
    if (n >= 1)
        a.LRK1 = Kuerze_Rezeptzeile(false, IARezepttext[0].Satz);
    if (n >= 2)
        a.LRK2 = Kuerze_Rezeptzeile(true, IARezepttext[1].Satz);
    if (n >= 3)
        a.LRK3 = Kuerze_Rezeptzeile(true, IARezepttext[2].Satz);
    if (const TTRezepteTotal *r = IARezept())
        a.Titel = r->Rezeptname + QLatin1Char(':');
    for (qsizetype i = n - 1; i >= 0; --i)
        a.Saetze << IARezepttext[i].Satz;
    return a;
}

qint32 Erzeuge_Zwischenprodukt(qint32 produkt, qint32 geraet)
{
    TTRezepteTotal *r = IARezept();
    if (!r || produkt < 1 || produkt > AnzahlZwischenprodukte)
        return -1;
    const TTIAZwischenprodukt &p = IAZwischenprodukte[produkt - 1];
    const qint32 k = Suche_Zutat(p.Zutatname, -1);
    if (k < 0) {
        Zeige_Meldung(QStringLiteral("Das Zwischenprodukt \"%1\" fehlt in der Zutatendatenbank. Der Satz wurde "
                                     "geschrieben, die Zutaten bleiben in der Küche.")
                          .arg(p.Zutatname),
                      QStringLiteral("Hinweis:"), Knopf_OK);
        return -1;
    }
    const TTZutatentotal &db = Zutatentotal[k];
    TTIAZutatenliste z;
    z.Ort = 1;
    z.Anzeigeplatz = -1;
    z.Menge = QStringLiteral("1");
    z.Einheit = p.Einheit;
    z.Zutatname = db.Zutatname;
    z.Kategorie = db.Kategorie;
    z.Gewuerz = 0;
    // The record's recipe-text name carries the article ("Die Sauce"); the
    // display name is the noun alone.
    z.Anzeigename = Formatiere_Zutatenname(true, db.Rezepttextname);
    static const QStringList artikel = {QStringLiteral("Der "), QStringLiteral("Die "), QStringLiteral("Den "),
                                        QStringLiteral("Das ")};
    for (const QString &a : artikel)
        if (z.Anzeigename.startsWith(a)) {
            z.Anzeigename.remove(0, a.size());
            break;
        }
    z.Grafik = Programmverzeichnis + QStringLiteral("GFXZUTAT\\ENG\\") + QString::number(produkt) + QStringLiteral(".png");
    z.Geraete[4] = geraet;
    z.DBIndex = k;
    z.Auswahl = 0;
    z.Gruppe = -1;
    r->IAZutaten.append(z);
    return qint32(r->IAZutaten.size() - 1);
}
