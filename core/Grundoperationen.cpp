#include "core/Grundoperationen.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

#include "core/Tabellen.h"
#include "platform/CodePage.h"

namespace {

const QChar Blank = QLatin1Char(' ');

bool istZiffer(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Blanks only: the data never treat other white space as separators.
QString ohneRandblanks(const QString &text)
{
    qsizetype a = 0, e = text.size();
    while (a < e && text.at(a) == Blank)
        ++a;
    while (e > a && text.at(e - 1) == Blank)
        --e;
    return text.mid(a, e - a);
}

// Prefix test without building upper-case copies; code-page case keeps the
// length, so comparing character by character is exact.
bool beginntMit(const QString &text, qsizetype ab, const QString &prefix, bool ohneGross)
{
    if (text.size() - ab < prefix.size())
        return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        const QChar a = text.at(ab + i), b = prefix.at(i);
        if (a == b)
            continue;
        if (!ohneGross || platform::upperChar(a) != platform::upperChar(b))
            return false;
    }
    return true;
}

bool gleichGross(const QString &a, const QString &b)
{
    return a.size() == b.size() && beginntMit(a, 0, b, true);
}

// Fixed decimals with "." regardless of locale; no "-0.00".
QString festkomma(double wert, int stellen)
{
    if (!std::isfinite(wert))
        wert = 0;
    stellen = qBound(0, stellen, 20);
    QString s = QString::number(wert, 'f', stellen);
    if (s.startsWith(QLatin1Char('-'))) {
        bool nurNull = true;
        for (qsizetype i = 1; i < s.size() && nurNull; ++i)
            nurNull = s.at(i) == QLatin1Char('0') || s.at(i) == QLatin1Char('.');
        if (nurNull)
            s.remove(0, 1);
    }
    return s;
}

// Two decimals, a zero fraction dropped: "4.00" -> "4", "1.50" stays.
QString mengentext(double wert)
{
    QString s = festkomma(wert, 2);
    if (s.endsWith(QLatin1String(".00")))
        s.chop(3);
    return s;
}

// A quantity part read after its decimal separator is normalised; 0 when it
// is no number.
double mengenteil(const QString &teil)
{
    double wert = 0;
    return Lies_Mengenwert(teil, wert) ? wert : 0;
}

// The quantity word of an ingredient line: a number, or a range with at
// least one numeric end ("2-3", "1,5-2"). A hyphenated word ("low-fat") is
// part of the name, not a quantity.
bool istMengenwort(const QString &wort)
{
    double wert;
    QString s = wort;
    Normalisiere_Dezimaltrenner(s);
    if (Lies_Zahl(s, wert))
        return true;
    if (!wort.contains(QLatin1Char('-')))
        return false;
    bool zahl = false;
    for (const QString &teil : wort.split(QLatin1Char('-'))) {
        if (teil.isEmpty())
            continue;
        QString t = teil;
        Normalisiere_Dezimaltrenner(t);
        if (!Lies_Zahl(t, wert))
            return false;
        zahl = true;
    }
    return zahl;
}

bool istGanzzahl(const QString &wort)
{
    if (wort.isEmpty())
        return false;
    for (const QChar c : wort)
        if (!istZiffer(c))
            return false;
    return true;
}

// "1/2", "3/4" (a denominator that is not 0) or one of the code page's
// fraction signs.
bool istBruch(const QString &wort)
{
    if (wort.size() == 1)
        return wort.at(0) == QChar(0x00BD) || wort.at(0) == QChar(0x00BC) || wort.at(0) == QChar(0x00BE);
    const qsizetype strich = wort.indexOf(QLatin1Char('/'));
    if (strich < 0)
        return false;
    const QString zaehler = wort.left(strich), nenner = wort.mid(strich + 1);
    if (!istGanzzahl(zaehler) || !istGanzzahl(nenner))
        return false;
    for (const QChar c : nenner)
        if (c != QLatin1Char('0'))
            return true;
    return false;
}

bool istBruchzeichen(QChar c)
{
    return c == QChar(0x00BD) || c == QChar(0x00BC) || c == QChar(0x00BE);
}

double bruchzeichenwert(QChar c)
{
    return c == QChar(0x00BD) ? 0.5 : c == QChar(0x00BC) ? 0.25 : 0.75;
}

qsizetype ziffernBis(const QString &s, qsizetype i)
{
    while (i < s.size() && istZiffer(s.at(i)))
        ++i;
    return i;
}

// A fraction at i: "a/b" with b not 0, or a fraction sign. ende is behind it.
bool liesBruch(const QString &s, qsizetype i, qsizetype &ende, double &wert)
{
    if (i < s.size() && istBruchzeichen(s.at(i))) {
        ende = i + 1;
        wert = bruchzeichenwert(s.at(i));
        return true;
    }
    const qsizetype strich = ziffernBis(s, i);
    if (strich == i || strich >= s.size() || s.at(strich) != QLatin1Char('/'))
        return false;
    const qsizetype e = ziffernBis(s, strich + 1);
    if (e == strich + 1)
        return false;
    bool zok = false, nok = false;
    const double zaehler = QLocale::c().toDouble(s.mid(i, strich - i), &zok);
    const double nenner = QLocale::c().toDouble(s.mid(strich + 1, e - strich - 1), &nok);
    if (!zok || !nok || !(nenner > 0) || !std::isfinite(zaehler) || !std::isfinite(nenner))
        return false;
    ende = e;
    wert = zaehler / nenner;
    return true;
}

// One value of a quantity at i: a number ("2", "0,75", "1.5"), a fraction
// ("1/2", "½") or a whole number with a fraction, written "1 1/2", "1½",
// "1 ½" or "1 and 1/2". text is the value as stored: the mixed forms become
// the whole number, a blank and the fraction.
bool liesMengenwert(const QString &s, qsizetype i, qsizetype &ende, QString &text, double &wert)
{
    if (liesBruch(s, i, ende, wert)) {
        text = s.mid(i, ende - i);
        return true;
    }
    qsizetype e = ziffernBis(s, i);
    if (e == i)
        return false;
    const bool ganz = e >= s.size() || (s.at(e) != QLatin1Char('.') && s.at(e) != QLatin1Char(','))
                      || ziffernBis(s, e + 1) == e + 1;
    if (!ganz)
        e = ziffernBis(s, e + 1);
    text = s.mid(i, e - i);
    QString zahl = text;
    zahl.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    wert = QLocale::c().toDouble(zahl, &ok);
    if (!ok || !std::isfinite(wert))
        return false;
    ende = e;
    if (!ganz)
        return true;
    // the fraction of a mixed number; blanks before it are optional, so a
    // blank that the check pass inserts behind the number changes nothing
    qsizetype b = e;
    while (b < s.size() && s.at(b) == Blank)
        ++b;
    if (s.mid(b, 4).compare(QLatin1String("and "), Qt::CaseInsensitive) == 0) {
        b += 4;
        while (b < s.size() && s.at(b) == Blank)
            ++b;
    }
    qsizetype bruchende = 0;
    double bruch = 0;
    if (!liesBruch(s, b, bruchende, bruch))
        return true;
    text += Blank + s.mid(b, bruchende - b);
    wert += bruch;
    ende = bruchende;
    return true;
}

// Behind a range's separator at i ("-", an en dash, "to", "bis", with or
// without blanks around it); -1 when there is none. A word needs a blank or
// a digit after it: "2 tomatoes" holds no range.
qsizetype bereichstrenner(const QString &s, qsizetype i)
{
    if (i >= s.size())
        return -1;
    if (s.at(i) == QLatin1Char('-') || s.at(i) == QChar(0x2013))
        return i + 1;
    for (const QLatin1String wort : {QLatin1String("to"), QLatin1String("bis")}) {
        const qsizetype e = i + wort.size();
        if (s.mid(i, wort.size()).compare(wort, Qt::CaseInsensitive) != 0)
            continue;
        if (e < s.size() && s.at(e) != Blank && !istZiffer(s.at(e)))
            return -1;
        return e;
    }
    return -1;
}

QString ohneKlammern(const QString &eintrag)
{
    QString s = eintrag;
    if (s.startsWith(QLatin1Char('[')))
        s.remove(0, 1);
    if (s.endsWith(QLatin1Char(']')))
        s.chop(1);
    return s;
}

void ersetzeMarker(QString &text, bool plural)
{
    text.replace(QLatin1String("(en)"), plural ? QStringLiteral("en") : QString());
    text.replace(QLatin1String("(e)"), plural ? QStringLiteral("e") : QString());
    text.replace(QLatin1String("(n)"), plural ? QStringLiteral("n") : QString());
}

// Position of the "(" that starts a brand suffix, -1 when none.
qsizetype markenzusatz(const QString &name, qint32 &marke)
{
    marke = -1;
    qsizetype p = name.indexOf(QLatin1Char('('));
    while (p >= 0) {
        for (int i = 0; i < AnzahlMarken; ++i) {
            const QString &m = Markennamen[i];
            if (m.isEmpty() || !beginntMit(name, p + 1, m, false))
                continue;
            // The brand must end there: "(Brandy soaked)" is no brand "Brand".
            const qsizetype e = p + 1 + m.size();
            if (e == name.size() || name.at(e) == QLatin1Char(')') || name.at(e) == Blank) {
                marke = i;
                return p;
            }
        }
        p = name.indexOf(QLatin1Char('('), p + 1);
    }
    return -1;
}

} // namespace

// --- numbers ---------------------------------------------------------------

bool Lies_Zahl(const QString &text, double &wert)
{
    wert = 0;
    const QString s = ohneRandblanks(text);
    const qsizetype n = s.size();
    if (n == 0 || n > 400)
        return false;
    QString norm;
    norm.reserve(n);
    qsizetype i = 0;
    if (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-'))
        norm += s.at(i++);
    int ziffern = 0;
    while (i < n && istZiffer(s.at(i))) {
        norm += s.at(i++);
        ++ziffern;
    }
    if (i < n && (s.at(i) == QLatin1Char('.') || s.at(i) == QLatin1Char(','))) {
        norm += QLatin1Char('.');
        ++i;
        while (i < n && istZiffer(s.at(i))) {
            norm += s.at(i++);
            ++ziffern;
        }
    }
    if (ziffern == 0)
        return false;
    if (i < n && (s.at(i) == QLatin1Char('e') || s.at(i) == QLatin1Char('E'))) {
        norm += QLatin1Char('e');
        ++i;
        if (i < n && (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-')))
            norm += s.at(i++);
        int exp = 0;
        while (i < n && istZiffer(s.at(i))) {
            norm += s.at(i++);
            ++exp;
        }
        if (exp == 0)
            return false;
    }
    if (i != n)
        return false;
    bool ok = false;
    const double d = QLocale::c().toDouble(norm, &ok);
    if (!ok || !std::isfinite(d))
        return false;
    wert = d;
    return true;
}

qsizetype Lies_Mengenangabe(const QString &text, QString &menge)
{
    menge.clear();
    qsizetype ende = 0;
    double wert = 0;
    QString erste;
    if (!liesMengenwert(text, 0, ende, erste, wert))
        return 0;
    menge = erste;
    qsizetype i = ende;
    while (i < text.size() && text.at(i) == Blank)
        ++i;
    qsizetype j = bereichstrenner(text, i);
    if (j < 0)
        return ende;
    while (j < text.size() && text.at(j) == Blank)
        ++j;
    qsizetype zweitesEnde = 0;
    QString zweite;
    if (!liesMengenwert(text, j, zweitesEnde, zweite, wert))
        return ende;
    menge = erste + QLatin1Char('-') + zweite;
    return zweitesEnde;
}

bool Lies_Mengenwert(const QString &text, double &wert)
{
    QString s = ohneRandblanks(text);
    QString zahl = s;
    Normalisiere_Dezimaltrenner(zahl);
    if (Lies_Zahl(zahl, wert))
        return true;
    qsizetype ende = 0;
    QString form;
    if (liesMengenwert(s, 0, ende, form, wert) && ende == s.size())
        return true;
    wert = 0;
    return false;
}

double Wandle_Text_in_Kommazahl(const QString &text)
{
    QString s = text;
    Normalisiere_Dezimaltrenner(s);
    const qsizetype p = s.indexOf(QLatin1Char('-'));
    if (p >= 0)
        s.truncate(p);
    double wert = 0;
    return Lies_Zahl(s, wert) ? wert : 0;
}

void Wandle_Kommazahl_in_Text(qint32 breite, qint32 stellen, QString &text, double wert)
{
    // The width only pads with blanks on the left, which are removed again.
    Q_UNUSED(breite);
    text = festkomma(wert, stellen);
}

QString Wandle_Zahl_in_Text(qint32 zahl)
{
    return QString::number(zahl);
}

QString Formatiere_Versionsnummer(qint32 nummer)
{
    const qint64 n = nummer;
    const qint64 betrag = n < 0 ? -n : n;
    return QStringLiteral("%1%2.%3")
        .arg(n < 0 ? QStringLiteral("-") : QString())
        .arg(betrag / 100)
        .arg(betrag % 100, 2, 10, QLatin1Char('0'));
}

void Normalisiere_Dezimaltrenner(QString &text)
{
    if (text.contains(QLatin1Char('.')))
        text.remove(QLatin1Char(','));
    else
        text.replace(QLatin1Char(','), QLatin1Char('.'));
}

// --- quantities ------------------------------------------------------------

QString Addiere_Mengen(const QString &menge1, const QString &menge2)
{
    double von1, bis1, von2, bis2;
    Zerlege_Mengenbereich(menge1, von1, bis1);
    Zerlege_Mengenbereich(menge2, von2, bis2);
    return Formatiere_Mengenbereich(von1 + von2, bis1 + bis2);
}

void Multipliziere_Menge(QString &menge, double faktor)
{
    // Each end of a range on its own, so "4.00-6.00" keeps both ends and a
    // comma in one end does not change how the other reads.
    QStringList teile = menge.split(QLatin1Char('-'));
    for (QString &teil : teile) {
        double wert;
        if (!Lies_Mengenwert(teil, wert))
            continue;
        const double neu = wert * faktor;
        if (!std::isfinite(neu))
            continue;
        teil = mengentext(neu);
    }
    menge = teile.join(QLatin1Char('-'));
}

void Zerlege_Mengenbereich(const QString &menge, double &von, double &bis)
{
    const qsizetype p = menge.indexOf(QLatin1Char('-'));
    if (p < 0) {
        von = bis = mengenteil(menge);
        return;
    }
    von = mengenteil(menge.left(p));
    bis = mengenteil(menge.mid(p + 1));
    if (bis < von)
        std::swap(von, bis);
}

QString Formatiere_Mengenbereich(double von, double bis)
{
    const QString a = mengentext(von), b = mengentext(bis);
    // Ends that differ only beyond two decimals read as one number.
    return a == b ? a : a + QLatin1Char('-') + b;
}

// --- ingredient lines ------------------------------------------------------

qint32 Suche_Zutat(const QString &name, qint32 kategorie)
{
    // An empty name is a deleted record or the placeholder, never a match.
    if (name.isEmpty())
        return -1;
    for (qsizetype i = 0; i < Zutatentotal.size(); ++i) {
        const TTZutatentotal &z = Zutatentotal.at(i);
        if (kategorie != -1 && z.Kategorie != kategorie)
            continue;
        if (gleichGross(z.Zutatname, name))
            return qint32(i);
    }
    return -1;
}

void Zerlege_Zutatenstring(const QString &zeile, QString &menge, QString &einheit, bool ohneGross,
                           QString &name)
{
    // The line first: a caller may split a line into the variable that holds it.
    const QString s = ohneRandblanks(zeile);
    menge.clear();
    einheit.clear();
    name.clear();
    if (s.isEmpty())
        return;
    if (Suche_Zutat(s, -1) >= 0) {
        name = s;
        return;
    }

    qsizetype rest = 0;
    auto naechstesWort = [&s](qsizetype ab, qsizetype &ende) {
        ende = s.indexOf(Blank, ab);
        if (ende < 0)
            ende = s.size();
        return s.mid(ab, ende - ab);
    };
    auto ueberspringeBlanks = [&s](qsizetype &i) {
        while (i < s.size() && s.at(i) == Blank)
            ++i;
    };
    qsizetype ende = Lies_Mengenangabe(s, menge);
    if (ende > 0 && (ende == s.size() || s.at(ende) == Blank)) {
        rest = ende;
        ueberspringeBlanks(rest);
    } else if (const QString wort = naechstesWort(0, ende); istMengenwort(wort) || istBruch(wort)) {
        // a word that reads as a quantity only as a whole ("1e3", "1,000.5")
        menge = wort;
        rest = ende;
        ueberspringeBlanks(rest);
    } else {
        menge.clear();
    }

    if (!VariablenTotal.isEmpty()) {
        for (const QString &eintrag : VariablenTotal.at(0).Einheiten) {
            const QString e = ohneKlammern(eintrag);
            if (e.isEmpty() || !beginntMit(s, rest, e, ohneGross))
                continue;
            // "2 garlic cloves" is no 2 "g" of "arlic cloves"; "lb." is "lb".
            qsizetype ende = rest + e.size();
            if (ende < s.size() && s.at(ende) == QLatin1Char('.') && !e.endsWith(QLatin1Char('.'))
                && (ende + 1 == s.size() || s.at(ende + 1) == Blank))
                ++ende;
            if (ende < s.size() && s.at(ende) != Blank)
                continue;
            einheit = e;
            rest = ende;
            while (rest < s.size() && s.at(rest) == Blank)
                ++rest;
            break;
        }
    }
    name = s.mid(rest);
}

QString Verbinde_Zutatenstring(const QString &menge, const QString &einheit, const QString &name)
{
    QString s;
    if (!menge.isEmpty())
        s += menge + Blank;
    if (!einheit.isEmpty())
        s += einheit + Blank;
    return s + name;
}

QString Setze_Pluralformen(const QString &menge, const QString &einheit, const QString &name)
{
    QString m = menge;
    Normalisiere_Dezimaltrenner(m);
    double wert;
    const bool plural = menge.contains(QLatin1Char('-')) || (Lies_Zahl(m, wert) && wert != 1);
    QString e = einheit, n = name;
    ersetzeMarker(e, plural);
    ersetzeMarker(n, plural);
    QStringList teile;
    for (const QString &t : {menge, e, n})
        if (!t.isEmpty())
            teile << t;
    return teile.join(Blank);
}

QString Formatiere_Zutatenname(bool rezepttext, const QString &text)
{
    QString s = text;
    if (rezepttext) {
        QString t;
        t.reserve(s.size() + 8);
        for (qsizetype i = 0; i < s.size(); ++i) {
            if (s.at(i) == QLatin1Char('-') && i > 0 && i + 1 < s.size() && s.at(i - 1) != Blank
                && s.at(i + 1) != Blank)
                t += QStringLiteral(" - ");
            else
                t += s.at(i);
        }
        s = t;
        for (int i = 1; i < AnzahlMarken; ++i) {
            const QString marke = Markennamen[i] + Blank;
            if (!Markennamen[i].isEmpty() && s.startsWith(marke)) {
                s.remove(0, marke.size());
                break;
            }
        }
        ersetzeMarker(s, true);
        s.remove(QLatin1String("(Glas)"));
        s.remove(QLatin1String("(Dose)"));
    } else {
        s.replace(QLatin1String(" - "), QLatin1String("-"));
    }
    Entferne_doppelte_Leerzeichen(s);
    Entferne_endende_Leerzeichen(s);
    return s;
}

// --- text clean-up -------------------------------------------------------------

namespace {
void verdichte(QString &text, QChar c)
{
    QString t;
    t.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!(text.at(i) == c && i > 0 && text.at(i - 1) == c))
            t += text.at(i);
    text = t;
}
} // namespace

void Entferne_doppelte_Leerzeichen(QString &text)
{
    verdichte(text, Blank);
}

void Entferne_doppelte_Kommas(QString &text)
{
    verdichte(text, QLatin1Char(','));
}

void Ersetze_Tabulatoren(QString &text)
{
    text.replace(QLatin1Char('\t'), Blank);
}

void Entferne_alle_Leerzeichen(QString &text)
{
    text.remove(Blank);
}

void Entferne_fuehrende_Leerzeichen(QString &text)
{
    qsizetype a = 0;
    while (a < text.size() && text.at(a) == Blank)
        ++a;
    text.remove(0, a);
}

void Entferne_endende_Leerzeichen(QString &text)
{
    qsizetype e = text.size();
    while (e > 0 && text.at(e - 1) == Blank)
        --e;
    text.truncate(e);
}

namespace {
// The plain letter for an accented vowel; any other character unchanged.
// (Sharp s becomes two letters and is handled by the callers.)
QChar ohneAkzent(QChar c)
{
    switch (c.unicode()) {
    case u'î': return QLatin1Char('i');
    case u'Î': return QLatin1Char('I');
    case u'û': return QLatin1Char('u');
    case u'Û': return QLatin1Char('U');
    case u'â': case u'á': case u'à': return QLatin1Char('a');
    case u'Â': case u'Á': case u'À': return QLatin1Char('A');
    case u'ô': return QLatin1Char('o');
    case u'Ô': return QLatin1Char('O');
    case u'è': case u'é': return QLatin1Char('e');
    case u'È': case u'É': return QLatin1Char('E');
    default: return c;
    }
}
} // namespace

void Ersetze_Sonderbuchstaben(QString &text)
{
    QString t;
    t.reserve(text.size() + 4);
    for (const QChar c : std::as_const(text)) {
        if (c == QChar(0xDF))
            t += QStringLiteral("ss");
        else
            t += ohneAkzent(c);
    }
    text = t;
}

void Haenge_Suchform_an(QString &ziel, QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            ziel += u >= 'a' && u <= 'z' ? QChar(char16_t(u - 32)) : c;
        else if (u == 0xDF)
            ziel += QLatin1String("SS");
        else
            ziel += platform::upperChar(ohneAkzent(c));
    }
}

void Zerlege_Suchbegriffe(const QString &text, bool sossen, qint32 &modus, TString &woerter,
                          bool gross, bool falten)
{
    modus = 0;
    woerter.clear();
    if (text.isEmpty())
        return;
    const QStringList original = text.split(Blank);
    // A trailing blank ends the last word instead of starting an empty one.
    const qsizetype anzahl = original.last().isEmpty() ? original.size() - 1 : original.size();
    static const QStringList sossenformen = {QStringLiteral("sauce"), QStringLiteral("sosse"),
                                             QStringLiteral("so\u00DFe")};
    TString zusatz;
    for (qsizetype i = 0; i < anzahl; ++i) {
        QString w = original.at(i);
        if (falten)
            Ersetze_Sonderbuchstaben(w);
        woerter << w;
        if (sossen) {
            const qsizetype k = sossenformen.indexOf(platform::lowerCase(original.at(i)));
            if (k >= 0) {
                for (qsizetype j = 0; j < sossenformen.size(); ++j)
                    if (j != k)
                        zusatz << sossenformen.at(j);
                modus = 2;
            }
        }
    }
    woerter << zusatz;
    if (gross)
        for (QString &w : woerter)
            w = platform::upperCase(w);
}

void Trenne_Ziffer_und_Buchstabe(QString &text, bool nurErste)
{
    static const QString bleibt = QStringLiteral(" ,-./");
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const QChar folge = text.at(i + 1);
        if (!istZiffer(text.at(i)) || istZiffer(folge) || bleibt.contains(folge))
            continue;
        text.insert(i + 1, Blank);
        if (nurErste)
            return;
        ++i;
    }
}

void Trenne_Menge_und_Einheit(QString &text)
{
    static const QString bleibt = QStringLiteral(" ,-./");
    // The first number of the line, read whole ("200", "1½", "1/2", "2-3"):
    // the quantity at its start, else the number from its first digit on
    // ("approx. 200g"). Only this one, so that a second pass finds nothing
    // more to do.
    qsizetype a = 0;
    while (a < text.size() && text.at(a) == Blank)
        ++a;
    QString menge;
    qsizetype laenge = Lies_Mengenangabe(text.mid(a), menge);
    const bool amAnfang = laenge > 0;
    if (!amAnfang) {
        while (a < text.size() && !istZiffer(text.at(a)))
            ++a;
        laenge = Lies_Mengenangabe(text.mid(a), menge);
    }
    const qsizetype ende = a + laenge;
    if (laenge == 0 || ende >= text.size())
        return;
    // Inside the line only a unit written onto the number is split off, so
    // "($1.99)" stays as written.
    const QChar folge = text.at(ende);
    if (folge.isLetter() || (amAnfang && !bleibt.contains(folge) && !istZiffer(folge)))
        text.insert(ende, Blank);
}

QString Menge_ohne_Einheit(const QString &menge, const QString &einheit)
{
    const QString m = ohneRandblanks(menge), e = ohneRandblanks(einheit);
    if (e.isEmpty())
        return m;
    for (const QString &endung : {e, e + QLatin1Char('.')}) {
        if (m.size() <= endung.size() || !beginntMit(m, m.size() - endung.size(), endung, true))
            continue;
        const QString vorn = ohneRandblanks(m.left(m.size() - endung.size()));
        QString gelesen;
        if (Lies_Mengenangabe(vorn, gelesen) == vorn.size())
            return vorn;
    }
    return m;
}

QString Setze_ersten_Buchstaben_gross(const QString &text)
{
    QString s = text;
    if (!s.isEmpty())
        s[0] = platform::upperChar(s.at(0));
    return s;
}

// --- paths, categories, brands, geometry ------------------------------------

namespace {
qsizetype letzterTrenner(const QString &pfad)
{
    return qMax(pfad.lastIndexOf(QLatin1Char('\\')), pfad.lastIndexOf(QLatin1Char('/')));
}
} // namespace

QString Nicht_speicherbare_Zeichen(const QString &text)
{
    QStringList zeichen;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        QString z(c);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            z += text.at(++i);
        else if (platform::isCp1252Encodable(c))
            continue;
        if (!zeichen.contains(z))
            zeichen << z;
    }
    return zeichen.join(QString());
}

QString Ermittle_Dateiname(const QString &pfad)
{
    return pfad.mid(letzterTrenner(pfad) + 1);
}

QString Ermittle_Verzeichnis(const QString &pfad)
{
    return pfad.left(letzterTrenner(pfad) + 1);
}

qint32 Ermittle_Kategorie_aus_Anzeigeposition(qint32 position)
{
    if (position < 0 || position >= AnzahlKategorien)
        return position;
    for (int k = 0; k < AnzahlKategorien; ++k)
        if (Kategoriebezeichnungen[k] == Kategorienamen[position])
            return k;
    return position;
}

qint32 Ermittle_Anzeigeposition_aus_Kategorie(qint32 kategorie)
{
    if (kategorie < 0 || kategorie >= AnzahlKategorien)
        return kategorie;
    for (int p = 0; p < AnzahlKategorien; ++p)
        if (Kategorienamen[p] == Kategoriebezeichnungen[kategorie])
            return p;
    return kategorie;
}

bool Finde_Markenzutatzusatz(const QString &name, qint32 &marke)
{
    return markenzusatz(name, marke) >= 0;
}

void Entferne_MArkenzutatzusatz(QString &name)
{
    qint32 marke;
    const qsizetype p = markenzusatz(name, marke);
    if (p >= 0)
        name.truncate(p);
}

void Setze_Verbflaechen_aus_Liste(const QString &liste, qint32 verb, TIAVERBEN &verben)
{
    if (verb < 0 || verb >= verben.size())
        return;
    auto &flags = verben[verb].Zulassung;
    flags.fill(0);
    for (const QString &teil : liste.split(QLatin1Char(','))) {
        bool ok = false;
        const int n = ohneRandblanks(teil).toInt(&ok);
        if (ok && n >= 0 && n < AnzahlGeraete)
            flags[size_t(n)] = 1;
    }
}

bool Ist_Punkt_im_Rechteck(qint32 x, qint32 y, qint32 left, qint32 top, qint32 width, qint32 height)
{
    const qint64 r = qint64(left) + width - 1, u = qint64(top) + height - 1;
    return left <= x && x <= r && top <= y && y <= u;
}
