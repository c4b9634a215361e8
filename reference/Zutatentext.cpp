#include "reference/Zutatentext.h"

#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "platform/CodePage.h"

const QString Nichtgefunden_Marke = QStringLiteral(" (?\?)");

namespace {

const QChar Blank = QLatin1Char(' ');

// "from=to": from before the first "=", to at most 100 characters after it.
// False for an entry without "=" or with nothing before it.
bool Zerlege_Eintrag(const QString &eintrag, QString &von, QString &nach)
{
    const qsizetype gleich = eintrag.indexOf(QLatin1Char('='));
    if (gleich <= 0)
        return false;
    von = eintrag.left(gleich);
    nach = eintrag.mid(gleich + 1, 100);
    return true;
}

bool Beginnt_mit_Wort(const QString &text, const QString &wort)
{
    return text.size() > wort.size() && text.startsWith(wort) && text.at(wort.size()) == Blank;
}

// How much of text a synonym word at its start covers: the word and a
// blank, or the word with a full stop ("lb. beef"); 0 when it does not start
// the text.
qsizetype Synonym_am_Anfang(const QString &text, const QString &wort)
{
    if (Beginnt_mit_Wort(text, wort))
        return wort.size();
    if (Beginnt_mit_Wort(text, wort + QLatin1Char('.')))
        return wort.size() + 1;
    return 0;
}

bool Ist_Eiwort(const QString &gross)
{
    static const QStringList woerter = {QStringLiteral("EGG"),          QStringLiteral("EGGS"),
                                        QStringLiteral("EGG YOLK"),     QStringLiteral("YOLK"),
                                        QStringLiteral("YELLOW OF THE EGG"), QStringLiteral("EGG-WHITE"),
                                        QStringLiteral("GLAIR")};
    return woerter.contains(gross);
}

QString Ohne_Randblanks(QString s)
{
    Entferne_fuehrende_Leerzeichen(s);
    Entferne_endende_Leerzeichen(s);
    return s;
}

// One line of the check pass; gefunden tells whether its name counts as found.
QString Pruefe_Zeile(QString zeile, bool &gefunden)
{
    zeile = Ohne_Nichtgefunden_Marke(zeile);
    Trenne_Menge_und_Einheit(zeile);

    const TTVariablenTotal *v = VariablenTotal.isEmpty() ? nullptr : &VariablenTotal.at(0);
    if (v) {
        for (const QString &eintrag : v->RICWerte) {
            QString von, nach;
            if (Zerlege_Eintrag(eintrag, von, nach) && Beginnt_mit_Wort(zeile, von))
                zeile = Ohne_Randblanks(nach + zeile.mid(von.size()));
        }
    }

    QString menge, einheit, name;
    Zerlege_Zutatenstring(zeile, menge, einheit, true, name);
    name = Ohne_Randblanks(name);
    bool erkannt = false;

    if (!einheit.isEmpty()) {
        einheit = einheit.toLower();
    } else if (v) {
        for (const TTRICDATA &d : v->RICDATA) {
            QString wort, neueEinheit;
            if (!Zerlege_Eintrag(d.Text, wort, neueEinheit))
                continue;
            const qsizetype laenge = Synonym_am_Anfang(name, wort);
            if (laenge == 0)
                continue;
            einheit = neueEinheit;
            name = Ohne_Randblanks(name.mid(laenge));
            // a factor of 1 changes no amount: "1 1/2" stays as written
            if (!menge.isEmpty() && d.Faktor != 1)
                Multipliziere_Menge(menge, d.Faktor);
        }
    }

    const QString gross = platform::upperCase(name);
    const bool gewuerz = gross == QLatin1String("SALT") || gross == QLatin1String("PEPPER");
    if (einheit.isEmpty() && !menge.isEmpty() && Ist_Eiwort(gross)) {
        einheit = QStringLiteral("piece of");
    } else if (einheit.isEmpty() && menge.isEmpty() && gewuerz) {
        einheit = QStringLiteral("to taste");
        menge = QStringLiteral("1");
        erkannt = true;
    } else if (gewuerz && menge == QLatin1String("1") && einheit == QLatin1String("to taste")) {
        // what the rule above wrote in an earlier pass
        erkannt = true;
    }
    if (!erkannt && !name.isEmpty() && Suche_Zutat(name, -1) >= 0)
        erkannt = true;

    gefunden = erkannt || name.isEmpty();
    QString neu = Verbinde_Zutatenstring(menge, einheit, name);
    Entferne_endende_Leerzeichen(neu);
    if (!gefunden)
        neu += Nichtgefunden_Marke;
    return neu;
}

} // namespace

QString Ohne_Nichtgefunden_Marke(const QString &zeile)
{
    QString s = zeile;
    const qsizetype p = s.indexOf(Nichtgefunden_Marke);
    if (p >= 0)
        s.remove(p, Nichtgefunden_Marke.size());
    return s;
}

bool Hat_Nichtgefunden_Marke(const QString &zeile)
{
    return zeile.contains(Nichtgefunden_Marke);
}

QString Bereinige_Zutatenzeile(const QString &zeile)
{
    QString s = zeile;
    Ersetze_Tabulatoren(s);
    Entferne_doppelte_Leerzeichen(s);
    Entferne_doppelte_Kommas(s);
    return Ohne_Randblanks(s);
}

TZutatenpruefung Pruefe_Zutatenzeilen(const QStringList &zeilen)
{
    TZutatenpruefung p;
    for (const QString &z : zeilen) {
        const QString s = Bereinige_Zutatenzeile(z);
        if (s.isEmpty())
            continue;
        // a comment line ("*** text ***") is no ingredient: it passes as it is
        if (Ist_Kommentartext(s)) {
            p.Zeilen.append(s);
            ++p.Gefunden;
            continue;
        }
        bool gefunden = false;
        p.Zeilen.append(Pruefe_Zeile(s, gefunden));
        ++(gefunden ? p.Gefunden : p.Nichtgefunden);
    }
    return p;
}

QString Pruefmeldung(const TZutatenpruefung &p)
{
    return QString::number(p.Gefunden) + QStringLiteral(" of ") + QString::number(p.Gefunden + p.Nichtgefunden)
           + QStringLiteral(" ingredients found! Units converted!");
}

TZutatenuebertragung Uebertrage_Zutatenzeilen(const QStringList &zeilen)
{
    TZutatenuebertragung u;
    for (const QString &z : zeilen) {
        QString s = Bereinige_Zutatenzeile(z);
        Trenne_Menge_und_Einheit(s);
        if (s.isEmpty())
            continue;
        QString menge, einheit, name;
        Zerlege_Zutatenstring(s, menge, einheit, true, name);
        // the quantity in its stored form ("2 to 3" as "2-3"), the rest as written
        QString form;
        const qsizetype ende = Lies_Mengenangabe(s, form);
        if (!menge.isEmpty() && form == menge)
            s = menge + s.mid(ende);
        if (menge.isEmpty() == einheit.isEmpty()) {
            u.Registriert.append(s);
            continue;
        }
        if (u.Meldung.isEmpty())
            u.Meldung = s + (einheit.isEmpty() ? QStringLiteral(" (unit is incorrect!)")
                                               : QStringLiteral(" (quantity is incorrect!)"));
        u.Verblieben.append(s);
    }
    return u;
}

QString Zugeordnete_Zeile(const QString &zeile, const QString &zutatname)
{
    QString menge, einheit, name;
    Zerlege_Zutatenstring(Ohne_Nichtgefunden_Marke(zeile), menge, einheit, true, name);
    return Verbinde_Zutatenstring(menge, einheit, zutatname);
}

QString Kommentarzeile(const QString &text)
{
    return QStringLiteral("*** ") + text + QStringLiteral(" ***");
}

bool Ist_Kommentartext(const QString &zeile)
{
    return zeile.size() >= 8 && zeile.startsWith(QLatin1String("*** ")) && zeile.endsWith(QLatin1String(" ***"));
}

QString Kommentarinhalt(const QString &zeile)
{
    return Ist_Kommentartext(zeile) ? zeile.mid(4, zeile.size() - 8) : zeile;
}
