#include "interactive/IADatei.h"

#include <QSet>
#include <limits>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "interactive/IAModell.h"
#include "interactive/IATabellen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "core/Meldung.h"

const QString IAKopf = QStringLiteral("[IATAFELWERKSTATT 3.00]");
const QString IAOrdner = QStringLiteral("Recipes\\IAKochen\\");
QString IADateiname;

namespace {

constexpr int Leerzeilen = 20;

// Files whose load failed; they are not written over while they exist.
QSet<QString> &gesperrt()
{
    static QSet<QString> s;
    return s;
}

QString iaPfad()
{
    return Programmverzeichnis + IAOrdner + IADateiname;
}

QString sperrschluessel()
{
    return platform::upperCase(platform::nativePath(iaPfad()));
}

bool gueltigerDateiname()
{
    return !IADateiname.isEmpty() && !IADateiname.contains(QLatin1Char('\\')) && !IADateiname.contains(QLatin1Char('/'))
        && IADateiname != QStringLiteral("..");
}

// One value per line: a line break inside a text would shift every line after it.
QString zeile(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// Reads the lines in order; any short or bad value makes it fail for good.
class Leser
{
public:
    explicit Leser(const QStringList &z) : m_z(z) {}
    bool gut() const { return m_gut; }
    QString text()
    {
        if (m_pos >= m_z.size()) {
            m_gut = false;
            return QString();
        }
        return m_z[m_pos++];
    }
    qint32 zahl(qint32 von, qint32 bis)
    {
        const QString t = text();
        bool ok = false;
        const qint32 n = t.trimmed().toInt(&ok);
        if (!ok || n < von || n > bis) {
            m_gut = false;
            return von;
        }
        return n;
    }
    // A count of blocks of `groesse` lines that must still fit into the file.
    qint32 anzahl(qint32 groesse)
    {
        return zahl(0, qint32((m_z.size() - m_pos) / groesse));
    }

private:
    const QStringList &m_z;
    qsizetype m_pos = 1; // after the header
    bool m_gut = true;
};

// The item's picture: a stored path inside the base folder that still exists
// stays; otherwise the database record's picture, else its group picture. A
// path outside the base folder is never kept.
QString zutatengrafik(const QString &grafik, qint32 dbIndex)
{
    if (grafik.isEmpty())
        return grafik;
    if (grafik.startsWith(Programmverzeichnis)
        && platform::isSafeRelativePath(grafik.mid(Programmverzeichnis.size()))
        && platform::fileExists(grafik))
        return grafik;
    if (dbIndex < 0 || dbIndex >= Zutatentotal.size())
        return grafik.startsWith(Programmverzeichnis) ? grafik : QString();
    const TTZutatentotal &db = Zutatentotal[dbIndex];
    const QString eigene = Programmverzeichnis + QStringLiteral("GFXZUTAT\\ENG\\") + db.Grafik();
    if (!db.Grafik().isEmpty() && platform::isSafeRelativePath(db.Grafik()) && platform::fileExists(eigene))
        return eigene;
    const qint32 gruppe = db.Kategorie >= 0 && db.Kategorie < AnzahlZutatengruppen ? db.Kategorie : 16;
    return Zutatengruppengrafik(gruppe);
}

// Resolves every item's DBIndex; true when all were found.
bool loeseAuf(TTAIAZutatenliste &zutaten)
{
    bool alle = true;
    for (TTIAZutatenliste &z : zutaten) {
        z.DBIndex = z.Zutatname.isEmpty() ? -1 : Suche_Zutat(z.Zutatname, -1);
        alle = alle && z.DBIndex >= 0;
    }
    return alle;
}

} // namespace

bool Speichere_IARezept()
{
    const TTRezepteTotal *r = IARezept();
    if (!r || !gueltigerDateiname())
        return false;
    const QString pfad = iaPfad();
    if (gesperrt().contains(sperrschluessel())) {
        if (platform::fileExists(pfad)) {
            Zeige_Meldung(QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden und wird deshalb nicht "
                                         "überschrieben.")
                              .arg(IADateiname),
                          QStringLiteral("Fehler:"), Knopf_OK);
            return false;
        }
        gesperrt().remove(sperrschluessel());
    }
    QStringList w;
    w << IAKopf << zeile(r->Rezeptname) << QString::number(r->Kategorie);
    qint32 n = 0;
    for (const TTIAZutatenliste &z : r->IAZutaten)
        if (!z.Zutatname.isEmpty())
            ++n;
    w << QString::number(n);
    for (const TTIAZutatenliste &z : r->IAZutaten) {
        if (z.Zutatname.isEmpty())
            continue;
        w << zeile(z.Zutatname) << zeile(z.WaageMenge) << zeile(z.WaageEinheit) << zeile(z.Menge) << zeile(z.Einheit)
          << QString::number(z.Kategorie) << (z.Gewuerz ? QStringLiteral("0") : QStringLiteral("-1"))
          << zeile(z.Anzeigename) << QString::number(z.Ort) << zeile(z.Grafik);
        for (qint32 g : z.Geraete)
            w << QString::number(g);
        w << QString::number(z.DBIndex) << QString::number(z.Auswahl);
    }
    // The start-up's placeholder line (every field empty) is no line.
    TIARezepttext zeilen = IARezepttext;
    zeilen.removeIf([](const TTIARezepttext &t) {
        return t.Satz.isEmpty() && t.Ziel.isEmpty() && t.Menge.isEmpty() && t.Einheit.isEmpty() && t.Gewuerz.isEmpty();
    });
    w << QString::number(zeilen.size());
    for (const TTIARezepttext &t : zeilen)
        w << (t.Art == 1 ? QStringLiteral("0") : QStringLiteral("-1")) << zeile(t.Ziel) << zeile(t.Einheit)
          << zeile(t.Menge) << zeile(t.Gewuerz) << zeile(t.Satz);
    w << QString::number(IAStatus.Panel) << QString::number(IAStatus.Geraet) << QString::number(IAStatus.Auswahlmodus)
      << QString::number(IAStatus.Temperatur) << QString::number(IAStatus.Zeit);
    for (int i = 0; i < Leerzeilen; ++i)
        w << QString();
    w << QStringLiteral("[EOF]");
    platform::makeFolder(Programmverzeichnis + IAOrdner);
    return platform::writeLines(pfad, w);
}

bool Lade_IARezept()
{
    TTRezepteTotal *r = IARezept();
    if (!r || !gueltigerDateiname())
        return false;
    const QString pfad = iaPfad();
    QStringList z;
    if (!platform::readLines(pfad, z) || z.isEmpty() || z[0] != IAKopf)
        return false;

    Leser l(z);
    const QString name = l.text();
    const qint32 kategorie = l.zahl(0, AnzahlKategorien - 1);
    TTAIAZutatenliste zutaten(l.anzahl(17));
    for (TTIAZutatenliste &i : zutaten) {
        i.Zutatname = l.text();
        i.WaageMenge = l.text();
        i.WaageEinheit = l.text();
        i.Menge = l.text();
        i.Einheit = l.text();
        i.Kategorie = l.zahl(-1, AnzahlZutatengruppen - 1);
        i.Gewuerz = l.text() == QStringLiteral("0") ? 1 : 0;
        i.Anzeigename = l.text();
        i.Ort = l.zahl(-1, 2);
        i.Grafik = l.text();
        for (qint32 &g : i.Geraete)
            g = l.zahl(-1, AnzahlGeraete - 1);
        l.zahl(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()); // stored DBIndex, resolved anew
        i.Auswahl = l.zahl(0, 2);
    }
    TIARezepttext zeilen(l.anzahl(6));
    for (TTIARezepttext &t : zeilen) {
        t.Art = l.text() == QStringLiteral("0") ? 1 : 0;
        t.Ziel = l.text();
        t.Einheit = l.text();
        t.Menge = l.text();
        t.Gewuerz = l.text();
        t.Satz = l.text();
    }
    const qint32 panel = l.zahl(0, 2);
    const qint32 geraet = l.zahl(0, IAWaage);
    const qint32 modus = l.zahl(0, 2);
    const qint32 temperatur = l.zahl(50, 250);
    const qint32 zeit = l.zahl(0, 120);
    if (!l.gut()) {
        gesperrt().insert(sperrschluessel());
        Zeige_Meldung(QStringLiteral("Die Datei \"%1\" ist unvollständig oder beschädigt und wurde nicht geladen.")
                          .arg(IADateiname),
                      QStringLiteral("Fehler:"), Knopf_OK);
        return false;
    }
    gesperrt().remove(sperrschluessel());

    // The database in memory may lack the inactive ingredients; only what the
    // whole database lacks is dropped, and nothing when it cannot be read.
    bool verlaesslich = true;
    if (!loeseAuf(zutaten)) {
        verlaesslich = Lade_Zutaten(Load | Alle);
        loeseAuf(zutaten);
    }
    const qsizetype vorher = zutaten.size();
    if (verlaesslich)
        zutaten.removeIf([](const TTIAZutatenliste &i) { return i.DBIndex < 0; });
    const bool fehlten = zutaten.size() != vorher;
    for (TTIAZutatenliste &i : zutaten) {
        i.Gruppe = -1;
        i.Anzeigeplatz = -1;
        i.Grafik = zutatengrafik(i.Grafik, i.DBIndex);
    }

    r->Rezeptname = name;
    r->Kategorie = kategorie;
    r->IAZutaten = std::move(zutaten);
    IARezepttext = std::move(zeilen);
    IAStatus.Panel = panel;
    IAStatus.Geraet = geraet;
    IAStatus.Auswahlmodus = modus;
    IAStatus.Temperatur = temperatur;
    IAStatus.Zeit = zeit;
    // Once, so that a file that cannot be written does not keep the load busy.
    if (fehlten)
        Speichere_IARezept();
    return true;
}

QString Erzeuge_IARezeptdateiname(const QString &rezeptname)
{
    static const QString weg = QStringLiteral(",;:?#+*\\@-/\"[]()<>|");
    QString name;
    name.reserve(rezeptname.size());
    for (const QChar c : rezeptname)
        if (!weg.contains(c) && c.unicode() >= 32 && c.unicode() != 127)
            name += c;
    return name;
}

TIARLadeliste Lies_IARezeptliste()
{
    TIARLadeliste liste;
    const QString ordner = Programmverzeichnis + IAOrdner;
    for (const QString &datei : platform::listFiles(ordner, QStringLiteral("*.IAK"))) {
        QStringList z;
        if (!platform::readLines(ordner + datei, z) || z.isEmpty() || z[0] != IAKopf)
            continue;
        TTIARLadeliste e;
        e.Dateiname = datei;
        e.Dateiendung = QStringLiteral(".IAK");
        e.Rezeptname = z.value(1);
        e.Kategorie = z.value(2).trimmed().toInt();
        liste.append(e);
    }
    return liste;
}

bool Ist_IARezeptdatei_vorhanden(const TIARLadeliste &liste, const QString &dateiname)
{
    const QString gesucht = platform::upperCase(dateiname);
    for (const TTIARLadeliste &e : liste)
        if (platform::upperCase(e.Dateiname) == gesucht)
            return true;
    return false;
}
