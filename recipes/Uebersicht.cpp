#include "recipes/Uebersicht.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cstring>
#include <numeric>

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
    // The parts joined by line breaks (so no word is made of two parts'
    // ends), folded and in upper case, written in one pass.
    QString text;
    text.reserve(1024);
    bool erster = true;
    auto neuerTeil = [&] {
        if (!erster)
            text += QLatin1Char('\n');
        erster = false;
    };
    auto teil = [&](QStringView t) {
        neuerTeil();
        Haenge_Suchform_an(text, t);
    };
    teil(rezept.Rezeptname);
    // An ingredient line as the recipe shows it: quantity, unit and name.
    for (const TTZutatenliste &z : rezept.Zutatenliste) {
        neuerTeil();
        for (const QString *wort : {&z.Menge, &z.Einheit})
            if (!wort->isEmpty()) {
                Haenge_Suchform_an(text, *wort);
                text += QLatin1Char(' ');
            }
        Haenge_Suchform_an(text, z.Name);
    }
    // The deluxe layout keeps its lines in four columns.
    for (const TString *liste : {&rezept.Deluxeliste.Name, &rezept.Deluxeliste.Zubereitung, &rezept.Rezeptliste,
                                 &rezept.Bemerkungsliste})
        for (const QString &zeile : *liste)
            teil(zeile);
    return text;
}

namespace {
bool istSossenwort(const QString &grossWort)
{
    static const QStringList formen = {platform::upperCase(QStringLiteral("sauce")),
                                       platform::upperCase(QStringLiteral("sosse")),
                                       platform::upperCase(QStringLiteral("so\u00DFe"))};
    return formen.contains(grossWort);
}
} // namespace

namespace {
// Strings and lists compare as the same data without looking at the text.
template <typename T> bool geteilt(const T &a, const T &b)
{
    return a.constData() == b.constData() && a.size() == b.size();
}

QString unterkategorienschluessel(const QString &liste)
{
    QStringList teile = Zerlege_Unterkategorien(liste);
    if (teile.isEmpty())
        return QString();
    for (QString &t : teile)
        t = platform::upperCase(t);
    return QLatin1Char(',') + teile.join(QLatin1Char(',')) + QLatin1Char(',');
}
} // namespace

QDate Kochdatum_als_Datum(double tage)
{
    if (!(tage > 0))
        return QDate();
    // Rounded to the millisecond as the day count's conversion to a time does.
    const qint64 ms = qint64(std::min(tage, 2958465.999999) * 86400000.0 + 0.5);
    return QDate(1899, 12, 30).addDays(ms / 86400000);
}

bool TUebersicht::Gleich(const Eintrag &e, const TTRezepteTotal &r)
{
    return geteilt(e.Rezeptname, r.Rezeptname) && geteilt(e.UnterkategorienQuelle, r.Unterkategorien)
        && e.KategorieQuelle == r.Kategorie;
}

bool TUebersicht::Gleicher_Inhalt(const Eintrag &e, const TTRezepteTotal &r)
{
    return geteilt(e.Zutatenliste, r.Zutatenliste) && geteilt(e.DeluxeName, r.Deluxeliste.Name)
        && geteilt(e.DeluxeZubereitung, r.Deluxeliste.Zubereitung) && geteilt(e.Rezeptliste, r.Rezeptliste)
        && geteilt(e.Bemerkungsliste, r.Bemerkungsliste);
}

void TUebersicht::Fuelle(Eintrag &e, qint32 index, const TTRezepteTotal &r)
{
    e.Index = index;
    e.Kategorie = Ermittle_Rezeptkategorie(r);
    e.Unterkategorien = unterkategorienschluessel(r.Unterkategorien);
    // The name is part of the search text too.
    const bool neuerText = !geteilt(e.Rezeptname, r.Rezeptname) || !Gleicher_Inhalt(e, r);
    e.Dateiname = r.Dateiname;
    e.Rezeptname = r.Rezeptname;
    e.UnterkategorienQuelle = r.Unterkategorien;
    e.KategorieQuelle = r.Kategorie;
    if (neuerText) {
        e.Suchtext = QByteArray();
        e.Zutatenliste = r.Zutatenliste;
        e.DeluxeName = r.Deluxeliste.Name;
        e.DeluxeZubereitung = r.Deluxeliste.Zubereitung;
        e.Rezeptliste = r.Rezeptliste;
        e.Bemerkungsliste = r.Bemerkungsliste;
    }
}

void TUebersicht::Vergiss()
{
    m_eintraege.clear();
    m_eintraege.squeeze();
    m_nachRezept.clear();
    m_dateinamen.clear();
    m_treffer.clear();
    m_trefferpositionen.clear();
    m_trefferGueltig = false;
    m_ohneSuchtext = 0;
}

void TUebersicht::Abgleichen(const TRezepteTotal &rezepte)
{
    // Search texts of records that are still there and unchanged are kept,
    // wherever the records moved to.
    QHash<QString, qsizetype> alt;
    alt.reserve(m_eintraege.size());
    for (qsizetype i = 0; i < m_eintraege.size(); ++i)
        alt.insert(m_eintraege[i].Dateiname, i);
    QVector<Eintrag> neu;
    neu.reserve(rezepte.size());
    m_dateinamen.resize(rezepte.size());
    for (qint32 i = 0; i < rezepte.size(); ++i) {
        const TTRezepteTotal &r = rezepte[i];
        m_dateinamen[i] = r.Dateiname;
        if (!Ist_Uebersichtsrezept(r))
            continue;
        Eintrag e;
        const auto it = alt.constFind(r.Dateiname);
        if (it != alt.constEnd() && geteilt(m_eintraege[*it].Dateiname, r.Dateiname))
            e = std::move(m_eintraege[*it]);
        Fuelle(e, i, r);
        neu.append(std::move(e));
    }
    // By name regardless of letter case, then by file name.
    QVector<std::pair<QString, qsizetype>> ordnung;
    ordnung.reserve(neu.size());
    for (qsizetype k = 0; k < neu.size(); ++k)
        ordnung.append({platform::upperCase(neu[k].Rezeptname), k});
    std::sort(ordnung.begin(), ordnung.end(), [&](const auto &a, const auto &b) {
        if (a.first != b.first)
            return a.first < b.first;
        const Eintrag &x = neu[a.second];
        const Eintrag &y = neu[b.second];
        if (x.Dateiname != y.Dateiname)
            return x.Dateiname < y.Dateiname;
        return x.Index < y.Index;
    });
    QVector<qsizetype> reihenfolge;
    reihenfolge.reserve(ordnung.size());
    for (const auto &o : ordnung)
        reihenfolge.append(o.second);
    ordnung = {};
    Ordne_um(neu, reihenfolge);
    m_eintraege = std::move(neu);
    m_nachRezept.resize(m_eintraege.size());
    std::iota(m_nachRezept.begin(), m_nachRezept.end(), 0);
    std::sort(m_nachRezept.begin(), m_nachRezept.end(),
              [this](qint32 a, qint32 b) { return m_eintraege[a].Index < m_eintraege[b].Index; });
    m_trefferGueltig = false;
    m_ohneSuchtext = 0;
}

TUebersicht::TPaare TUebersicht::Paare(const QByteArray &text)
{
    static const std::array<quint8, 256> klasse = [] {
        std::array<quint8, 256> k{};
        for (int b = 0; b < 256; ++b) {
            if (b >= 'A' && b <= 'Z')
                k[b] = quint8(b - 'A');
            else if (b >= '0' && b <= '9')
                k[b] = 26;
            else if (b == ' ' || b == '\n')
                k[b] = 27;
            else if (b >= 0x80)
                k[b] = quint8(28 + b % 3);
            else
                k[b] = 31;
        }
        return k;
    }();
    TPaare paare{};
    const auto *d = reinterpret_cast<const uchar *>(text.constData());
    for (qsizetype i = 1; i < text.size(); ++i) {
        const unsigned bit = unsigned(klasse[d[i - 1]]) * 32 + klasse[d[i]];
        paare[bit / 64] |= quint64(1) << (bit % 64);
    }
    return paare;
}

TUebersicht::TWort::TWort(const QByteArray &text) : Text(text)
{
    const TPaare paare = TUebersicht::Paare(text);
    for (int i = 0; i < int(paare.size()); ++i)
        if (paare[i])
            Pruefungen.append({i, paare[i]});
}

bool TUebersicht::Kommt_vor(const TWort &wort, const QByteArray &suchtext)
{
    // Only the parts of the table where the word has pairs are looked at.
    const char *d = suchtext.constData();
    for (const auto &[teil, maske] : wort.Pruefungen) {
        quint64 paare;
        std::memcpy(&paare, d + teil * sizeof(quint64), sizeof paare);
        if ((paare & maske) != maske)
            return false;
    }
    const char *anfang = d + sizeof(TPaare);
    const char *ende = d + suchtext.size();
    return memmem(anfang, size_t(ende - anfang), wort.Text.constData(), size_t(wort.Text.size())) != nullptr;
}

const QByteArray &TUebersicht::Suchtext(Eintrag &e)
{
    if (e.Suchtext.isNull()) {
        // From the entry's copies: the text always belongs to the fields the
        // entry is compared with.
        TTRezepteTotal r;
        r.Rezeptname = e.Rezeptname;
        r.Zutatenliste = e.Zutatenliste;
        r.Deluxeliste.Name = e.DeluxeName;
        r.Deluxeliste.Zubereitung = e.DeluxeZubereitung;
        r.Rezeptliste = e.Rezeptliste;
        r.Bemerkungsliste = e.Bemerkungsliste;
        // UTF-8: a word occurs in it exactly where it occurs in the text, at
        // about half the size.
        const QByteArray text = Erzeuge_Suchtext(r).toUtf8();
        const TPaare paare = Paare(text);
        e.Suchtext.reserve(qsizetype(sizeof paare) + text.size());
        e.Suchtext.append(reinterpret_cast<const char *>(paare.data()), sizeof paare).append(text);
        ++m_gebaut;
    }
    return e.Suchtext;
}

bool TUebersicht::Baue_Suchtexte(qint64 nanosekunden)
{
    QElapsedTimer uhr;
    uhr.start();
    for (; m_ohneSuchtext < m_eintraege.size(); ++m_ohneSuchtext) {
        if ((m_ohneSuchtext & 63) == 0 && uhr.nsecsElapsed() >= nanosekunden)
            return false;
        Suchtext(m_eintraege[m_ohneSuchtext]);
    }
    return true;
}

bool TUebersicht::Engt_ein(const TBedingungen &neu, const TBedingungen &alt)
{
    // Every old requirement follows from a new one: each spelling the new one
    // accepts contains a spelling the old one accepts.
    return std::all_of(alt.cbegin(), alt.cend(), [&](const QVector<TWort> &a) {
        return std::any_of(neu.cbegin(), neu.cend(), [&](const QVector<TWort> &n) {
            return std::all_of(n.cbegin(), n.cend(), [&](const TWort &wort) {
                return std::any_of(a.cbegin(), a.cend(), [&](const TWort &w) { return wort.Text.contains(w.Text); });
            });
        });
    });
}

const QVector<qint32> &TUebersicht::Filtere(const TRezepteTotal &rezepte, const TUebersichtFilter &filter)
{
    bool abgleichen = m_dateinamen.size() != rezepte.size();
    for (qsizetype i = 0; i < rezepte.size() && !abgleichen; ++i)
        abgleichen = !geteilt(m_dateinamen[i], rezepte[i].Dateiname);
    for (qsizetype k = 0; k < m_nachRezept.size() && !abgleichen; ++k) {
        Eintrag &e = m_eintraege[m_nachRezept[k]];
        const TTRezepteTotal &r = rezepte[e.Index];
        if (!Gleich(e, r)) {
            abgleichen = true; // its place in the list may change
        } else if (!Gleicher_Inhalt(e, r)) {
            Fuelle(e, e.Index, r);
            m_trefferGueltig = false;
            m_ohneSuchtext = 0;
        }
    }
    if (abgleichen)
        Abgleichen(rezepte);

    qint32 modus = 0;
    TString woerter;
    Zerlege_Suchbegriffe(filter.Suchtext, true, modus, woerter, true, true);
    TBedingungen bedingungen;
    QVector<TWort> sossen;
    for (const QString &w : woerter) {
        if (w.isEmpty())
            continue;
        const TWort wort(w.toUtf8());
        if (modus == 2 && istSossenwort(w))
            sossen << wort;
        else
            bedingungen.append({wort});
    }
    if (!sossen.isEmpty())
        bedingungen.append(sossen);
    const QString unterkategorie = platform::upperCase(filter.Unterkategorie.trimmed());
    const QString unterkategorieschluessel = QLatin1Char(',') + unterkategorie + QLatin1Char(',');

    // Typing on narrows the search: only the last hits can still match.
    const bool eingeengt = m_trefferGueltig && filter.Kategorie == m_kategorie && unterkategorie == m_unterkategorie
        && Engt_ein(bedingungen, m_bedingungen);
    QVector<qint32> kandidaten;
    if (eingeengt) {
        kandidaten = std::move(m_trefferpositionen);
    } else {
        kandidaten.resize(m_eintraege.size());
        std::iota(kandidaten.begin(), kandidaten.end(), 0);
    }
    m_treffer.clear();
    m_trefferpositionen.clear();
    for (qint32 pos : kandidaten) {
        Eintrag &e = m_eintraege[pos];
        if (filter.Kategorie >= 0 && e.Kategorie != filter.Kategorie)
            continue;
        if (!unterkategorie.isEmpty() && !e.Unterkategorien.contains(unterkategorieschluessel))
            continue;
        if (!bedingungen.isEmpty()) {
            const QByteArray &text = Suchtext(e);
            const bool passt = std::all_of(bedingungen.cbegin(), bedingungen.cend(), [&](const auto &b) {
                return std::any_of(b.cbegin(), b.cend(), [&](const TWort &w) { return Kommt_vor(w, text); });
            });
            if (!passt)
                continue;
        }
        m_treffer.append(e.Index);
        m_trefferpositionen.append(pos);
    }
    m_trefferGueltig = true;
    m_kategorie = filter.Kategorie;
    m_unterkategorie = unterkategorie;
    m_bedingungen = std::move(bedingungen);
    return m_treffer;
}

QVector<qint32> Ermittle_Uebersicht(const TRezepteTotal &rezepte, const TUebersichtFilter &filter)
{
    TUebersicht uebersicht;
    return uebersicht.Filtere(rezepte, filter);
}
