#include "internet/News.h"

#include <cmath>

#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "dialogs/Dienste.h"
#include "core/Meldung.h"

namespace {
const QString Newskopf = QStringLiteral("[TWSNEWS]");
const QString Newsstart = QStringLiteral("**NEWSSTART**");
const QString Ungelesen = QStringLiteral("-1");

QString Newspfad(const QString &pfad)
{
    return pfad.isEmpty() ? Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\NEWS.HRB") : pfad;
}

// A count or number that does not read gives def: a damaged line must not
// stop the load.
qint32 Lies_Zahl_oder(const QString &zeile, qint32 def)
{
    bool ok = false;
    const qint32 n = zeile.trimmed().toInt(&ok);
    return ok ? n : def;
}

double Lies_Datum(const QString &zeile)
{
    bool ok = false;
    const double d = zeile.trimmed().toDouble(&ok);
    return ok && std::isfinite(d) ? d : 0.0;
}

class Zeilenleser
{
public:
    explicit Zeilenleser(const QStringList &zeilen) : m_zeilen(zeilen) {}
    bool amEnde() const { return m_pos >= m_zeilen.size(); }
    qsizetype uebrig() const { return m_zeilen.size() - m_pos; }
    QString naechste() { return amEnde() ? QString() : m_zeilen[m_pos++]; }

private:
    const QStringList &m_zeilen;
    qsizetype m_pos = 0;
};

bool Lade(const QString &pfad)
{
    News = TTNewstype();
    QStringList zeilen;
    if (!platform::fileExists(pfad) || !platform::readLines(pfad, zeilen))
        return false;
    Zeilenleser leser(zeilen);
    if (leser.naechste() != Newskopf)
        return false;
    // The count limits the items read, but never beyond what the file holds:
    // a negative or unreadable count reads every item there is.
    const qint32 anzahl = Lies_Zahl_oder(leser.naechste(), -1);
    qint64 gelesen = 0;
    while (!leser.amEnde() && (anzahl < 0 || gelesen < anzahl)) {
        if (leser.naechste() != Newsstart)
            continue;
        ++gelesen;
        TTNewsInhalt n;
        n.ID = leser.naechste();
        n.Datum = Lies_Datum(leser.naechste());
        n.Ziel = leser.naechste();
        n.Edition = leser.naechste();
        n.Sprache = leser.naechste();
        n.Gelesen = leser.naechste() == Ungelesen ? 0 : 1;
        n.Betreff = leser.naechste();
        const qint64 k = qBound(qint64(0), qint64(Lies_Zahl_oder(leser.naechste(), 0)), qint64(leser.uebrig()));
        for (qint64 i = 0; i < k; ++i)
            n.Text.append(leser.naechste());
        n.Listenindex = -1;
        // An item without a subject is a deleted one.
        if (!n.Betreff.isEmpty())
            News.Inhalt.append(n);
    }
    News.Anzahl = qint32(News.Inhalt.size());
    return true;
}

bool Speichere(const QString &pfad)
{
    QStringList z;
    qint32 anzahl = 0;
    for (const TTNewsInhalt &n : std::as_const(News.Inhalt))
        if (!n.Betreff.isEmpty())
            ++anzahl;
    z << Newskopf << QString::number(anzahl);
    for (const TTNewsInhalt &n : std::as_const(News.Inhalt)) {
        if (n.Betreff.isEmpty())
            continue;
        z << Newsstart << n.ID << Formatiere_Newsdatum(n.Datum) << n.Ziel << n.Edition << n.Sprache
          << (n.Gelesen ? QStringLiteral("0") : Ungelesen) << n.Betreff << QString::number(n.Text.size());
        z << n.Text;
    }
    z << QString();
    if (!platform::writeLines(pfad, z)) {
        Zeige_Meldung(QStringLiteral("Could not write the file: ") + pfad, QStringLiteral("Error:"), Knopf_OK);
        return false;
    }
    News.Anzahl = anzahl;
    return Lade(pfad);
}
} // namespace

QString Formatiere_Newsdatum(double datum)
{
    if (!std::isfinite(datum))
        datum = 0;
    const QString s = QString::number(std::fabs(datum), 'e', 14);
    const qsizetype e = s.indexOf(QLatin1Char('e'));
    const int exponent = s.mid(e + 1).toInt();
    return (datum < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + s.left(e) + QLatin1Char('E')
           + (exponent < 0 ? QLatin1Char('-') : QLatin1Char('+'))
           + QStringLiteral("%1").arg(std::abs(exponent), 4, 10, QLatin1Char('0'));
}

bool Lade_News(int flags, const QString &pfad)
{
    const QString datei = Newspfad(pfad);
    if ((flags & Load) && !Lade(datei))
        return false;
    if (flags & Save)
        return Speichere(datei);
    return true;
}

qint32 Zaehle_UngeleseneNews()
{
    Lade_News(Load, QString());
    if (Hauptfenster())
        Beschrifte_Menueeintrag(TMenueeintrag::Nachrichten, QStringLiteral("Read news"));
    if (News.Anzahl <= 0)
        return -1;
    if (Hauptfenster()) {
        Schalte_Menueeintrag(TMenueeintrag::Updatemenue, true);
        Schalte_Menueeintrag(TMenueeintrag::Nachrichten, true);
    }
    for (qint32 i = 0; i < News.Anzahl && i < News.Inhalt.size(); ++i)
        if (News.Inhalt[i].Gelesen == 0)
            return 0;
    return -1;
}
