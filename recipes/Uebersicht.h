#pragma once
// Which recipes the overview lists and in what order; no windows here.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

#include "core/Globals.h"

struct TUebersichtFilter {
    qint32 Kategorie = -1;   // category index 0..20, -1 all
    QString Unterkategorie;  // one sub-category, empty all
    QString Suchtext;        // search words as typed
};

// A record the overview can list: a recipe file of one of the 21 categories
// (not the kitchen's working recipe or a placeholder).
bool Ist_Uebersichtsrezept(const TTRezepteTotal &rezept);
// The record's category: Kategorie, or the one its extension names.
qint32 Ermittle_Rezeptkategorie(const TTRezepteTotal &rezept);
// Sub-categories of a comma list, blanks trimmed, empty entries left out.
QStringList Zerlege_Unterkategorien(const QString &liste);
// Every sub-category of the listable recipes of a category (-1 all), each
// once (compared in upper case), sorted.
QStringList Ermittle_Unterkategorien(const TRezepteTotal &rezepte, qint32 kategorie);
// The text the search words are looked for in: name, ingredient lines,
// instruction and remark lines; folded and upper-cased like the words.
QString Erzeuge_Suchtext(const TTRezepteTotal &rezept);
// Indexes of the matching recipes, sorted by name (then file name). Every
// search word must occur in the recipe's text; the spellings "sauce",
// "sosse" and "soße" count as one word of which any may occur.
QVector<qint32> Ermittle_Uebersicht(const TRezepteTotal &rezepte, const TUebersichtFilter &filter);

// The date of a day count (days since 30 December 1899, the fraction the time
// of day) by plain day arithmetic, without the time zone; an invalid date for
// 0 or less (never cooked).
QDate Kochdatum_als_Datum(double tage);

// The overview's recipes kept between key presses: each listable record with
// its category, sub-category key and (built at its first search)
// its search text, in list order. A key press only walks these.
//
// Each entry keeps copies of the record fields it was made from. Qt's strings
// and lists share their data with such a copy until one side is written to,
// so a record changed since, in any way, no longer shares its data with the
// entry; that is checked on every Filtere and only that entry is made again.
class TUebersicht
{
public:
    // Indexes into rezepte of the listed recipes, in list order.
    const QVector<qint32> &Filtere(const TRezepteTotal &rezepte, const TUebersichtFilter &filter);
    // Drops everything (after a reload every record is new).
    void Vergiss();
    // Builds the search texts still missing, for about the given time, so
    // that the first key press finds them ready; true once all are built.
    // (The texts come from each entry's own copies of the record's fields,
    // so the records may change meanwhile: Filtere notices that.)
    bool Baue_Suchtexte(qint64 nanosekunden);
    // How many search texts were built since the start (for tests and
    // measurements: a text is built once per recipe and change).
    qint64 Gebaute_Suchtexte() const { return m_gebaut; }

private:
    // Which pairs of neighbouring bytes (letters, digits, blanks and three
    // kinds of others) occur in a text: a word whose pairs do not all occur
    // in it cannot occur in it, and most texts are passed over without being
    // read.
    using TPaare = std::array<quint64, 16>;
    static TPaare Paare(const QByteArray &text);
    struct TWort {
        explicit TWort(const QByteArray &text);
        QByteArray Text;
        // The parts of a TPaare where the word has pairs, with those pairs.
        QVector<std::pair<int, quint64>> Pruefungen;
    };
    static bool Kommt_vor(const TWort &wort, const QByteArray &suchtext);
    struct Eintrag {
        qint32 Index = -1;
        qint32 Kategorie = -1;
        QString Unterkategorien;   // ",A,B," in upper case
        // Built at the first search: the byte pairs that occur in the text
        // (a TPaare), then the text in UTF-8.
        QByteArray Suchtext;
        // The record's fields the entry was made from (shared, see above).
        QString Dateiname, Rezeptname, UnterkategorienQuelle;
        qint32 KategorieQuelle = -1;
        TTAZutatenliste Zutatenliste;
        TString DeluxeName, DeluxeZubereitung, Rezeptliste, Bemerkungsliste;
    };
    // One requirement of a search: any of its spellings (UTF-8) must occur.
    using TBedingungen = QVector<QVector<TWort>>;

    void Abgleichen(const TRezepteTotal &rezepte);
    static bool Gleich(const Eintrag &e, const TTRezepteTotal &r);
    static bool Gleicher_Inhalt(const Eintrag &e, const TTRezepteTotal &r);
    static void Fuelle(Eintrag &e, qint32 index, const TTRezepteTotal &r);
    const QByteArray &Suchtext(Eintrag &e);
    static bool Engt_ein(const TBedingungen &neu, const TBedingungen &alt);

    QVector<Eintrag> m_eintraege;  // in list order
    QVector<QString> m_dateinamen; // every record's Dateiname, by index (shared)
    // The entries' positions in the order of their records: the check for
    // changed records then walks the records front to back.
    QVector<qint32> m_nachRezept;
    QVector<qint32> m_treffer;
    QVector<qint32> m_trefferpositionen; // positions in m_eintraege of m_treffer
    // The filter m_treffer answers; a narrower search only looks at them.
    bool m_trefferGueltig = false;
    qint32 m_kategorie = -1;
    QString m_unterkategorie;
    TBedingungen m_bedingungen;
    qint64 m_gebaut = 0;
    qsizetype m_ohneSuchtext = 0; // entries before it all have their text
};
