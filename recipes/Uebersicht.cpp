#include "recipes/Uebersicht.h"

#include <QSet>
#include <algorithm>

#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"

bool Ist_Uebersichtsrezept(const TTRezepteTotal &rezept)
{
    if (rezept.Dateiname.isEmpty())
        return false;
    const qsizetype punkt = rezept.Dateiname.lastIndexOf(QLatin1Char('.'));
    if (punkt < 0)
        return false;
    return Kategorie_aus_Dateiendung(rezept.Dateiname.mid(punkt)) >= 0;
}

qint32 Ermittle_Rezeptkategorie(const TTRezepteTotal &rezept)
{
    if (rezept.Kategorie >= 0 && rezept.Kategorie < AnzahlKategorien)
        return rezept.Kategorie;
    const qsizetype punkt = rezept.Dateiname.lastIndexOf(QLatin1Char('.'));
    return punkt < 0 ? -1 : Kategorie_aus_Dateiendung(rezept.Dateiname.mid(punkt));
}

QStringList Zerlege_Unterkategorien(const QString &liste)
{
    QStringList out;
    for (const QString &teil : liste.split(QLatin1Char(','))) {
        const QString t = teil.trimmed();
        if (!t.isEmpty())
            out << t;
    }
    return out;
}

QStringList Ermittle_Unterkategorien(const TRezepteTotal &rezepte, qint32 kategorie)
{
    QStringList out;
    QSet<QString> gesehen;
    for (const TTRezepteTotal &r : rezepte) {
        if (!Ist_Uebersichtsrezept(r))
            continue;
        if (kategorie >= 0 && Ermittle_Rezeptkategorie(r) != kategorie)
            continue;
        for (const QString &u : Zerlege_Unterkategorien(r.Unterkategorien)) {
            const QString schluessel = platform::upperCase(u);
            if (!gesehen.contains(schluessel)) {
                gesehen.insert(schluessel);
                out << u;
            }
        }
    }
    std::sort(out.begin(), out.end(), [](const QString &a, const QString &b) {
        return platform::upperCase(a) < platform::upperCase(b);
    });
    return out;
}

QString Erzeuge_Suchtext(const TTRezepteTotal &rezept)
{
    QStringList teile;
    teile << rezept.Rezeptname;
    for (const TTZutatenliste &z : rezept.Zutatenliste)
        teile << Verbinde_Zutatenstring(z.Menge, z.Einheit, z.Name);
    // The deluxe layout keeps its lines in four columns.
    teile << rezept.Deluxeliste.Name << rezept.Deluxeliste.Zubereitung;
    teile << rezept.Rezeptliste << rezept.Bemerkungsliste;
    // A line break between parts, so no word is made of two parts' ends.
    QString text = teile.join(QLatin1Char('\n'));
    Ersetze_Sonderbuchstaben(text);
    return platform::upperCase(text);
}

namespace {
// Folding and upper-casing every recipe's text on each key press is slow with
// many recipes, so the texts are kept; a fingerprint of what they are made of
// notices a record that was changed in memory.
struct TSuchtext {
    size_t Fingerabdruck = 0;
    QString Text;
};

size_t fingerabdruck(const TTRezepteTotal &r)
{
    size_t h = qHash(r.Rezeptname);
    for (const TTZutatenliste &z : r.Zutatenliste)
        h = qHashMulti(h, z.Menge, z.Einheit, z.Name);
    for (const TString *liste : {&r.Deluxeliste.Name, &r.Deluxeliste.Zubereitung, &r.Rezeptliste,
                                 &r.Bemerkungsliste})
        h = qHashMulti(h, liste->size(), qHashRange(liste->cbegin(), liste->cend()));
    return h;
}

const QString &suchtext(QHash<QString, TSuchtext> &speicher, const TTRezepteTotal &r)
{
    const size_t f = fingerabdruck(r);
    auto it = speicher.find(r.Dateiname);
    if (it == speicher.end() || it->Fingerabdruck != f)
        it = speicher.insert(r.Dateiname, TSuchtext{f, Erzeuge_Suchtext(r)});
    return it->Text;
}

bool istSossenwort(const QString &grossWort)
{
    static const QStringList formen = {platform::upperCase(QStringLiteral("sauce")),
                                       platform::upperCase(QStringLiteral("sosse")),
                                       platform::upperCase(QStringLiteral("so\u00DFe"))};
    return formen.contains(grossWort);
}
} // namespace

QVector<qint32> Ermittle_Uebersicht(const TRezepteTotal &rezepte, const TUebersichtFilter &filter)
{
    qint32 modus = 0;
    TString woerter;
    Zerlege_Suchbegriffe(filter.Suchtext, true, modus, woerter, true, true);
    // Each entry is one requirement: any of its spellings must occur.
    QVector<QStringList> bedingungen;
    QStringList sossen;
    for (const QString &w : woerter) {
        if (w.isEmpty())
            continue;
        if (modus == 2 && istSossenwort(w))
            sossen << w;
        else
            bedingungen.append(QStringList{w});
    }
    if (!sossen.isEmpty())
        bedingungen.append(sossen);

    static QHash<QString, TSuchtext> speicher;
    if (speicher.size() > 2 * rezepte.size() + 64)
        speicher.clear(); // recipes gone or renamed
    const QString unterkategorie = platform::upperCase(filter.Unterkategorie.trimmed());
    QVector<qint32> treffer;
    for (qint32 i = 0; i < rezepte.size(); ++i) {
        const TTRezepteTotal &r = rezepte[i];
        if (!Ist_Uebersichtsrezept(r))
            continue;
        if (filter.Kategorie >= 0 && Ermittle_Rezeptkategorie(r) != filter.Kategorie)
            continue;
        if (!unterkategorie.isEmpty()) {
            bool gefunden = false;
            for (const QString &u : Zerlege_Unterkategorien(r.Unterkategorien))
                gefunden = gefunden || platform::upperCase(u) == unterkategorie;
            if (!gefunden)
                continue;
        }
        if (!bedingungen.isEmpty()) {
            const QString &text = suchtext(speicher, r);
            const bool passt = std::all_of(bedingungen.cbegin(), bedingungen.cend(), [&](const QStringList &b) {
                return std::any_of(b.cbegin(), b.cend(), [&](const QString &w) { return text.contains(w); });
            });
            if (!passt)
                continue;
        }
        treffer.append(i);
    }
    QVector<QString> schluessel(rezepte.size());
    for (qint32 i : treffer)
        schluessel[i] = platform::upperCase(rezepte[i].Rezeptname);
    std::stable_sort(treffer.begin(), treffer.end(), [&](qint32 a, qint32 b) {
        if (schluessel[a] != schluessel[b])
            return schluessel[a] < schluessel[b];
        return rezepte[a].Dateiname < rezepte[b].Dateiname;
    });
    return treffer;
}
