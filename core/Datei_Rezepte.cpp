// The recipe files and their side-file names.
#include "core/Dateioperationen.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <climits>
#include <charconv>
#include <cmath>
#include <cstring>

#include "core/Dateioperationen_p.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/ExactRead.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "core/Meldung.h"

namespace dateien {

// --- recipes ---------------------------------------------------------------------

constexpr int AnzahlReservezeilen = 29;

QString rezeptendung(const QString &dateiname)
{
    const QString name = Ermittle_Dateiname(dateiname);
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    return punkt < 0 ? QString() : platform::upperCase(name.mid(punkt));
}

// A side-file name comes from the file: it must be a bare name.
QString sichererSeitenname(const QString &name)
{
    if (name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('/')) || name == QLatin1String("..")
        || name == QLatin1String("."))
        return QString();
    return name;
}

bool liesRezept(const QByteArray &z, const QString &dateiname, TTRezepteTotal &out, QString &grund,
                Textspeicher *speicher)
{
    Leser l(z);
    auto wert = [&](QString &s) {
        QByteArrayView bytes;
        return speicher ? speicher->wert(l, s, bytes) : l.zeile(s);
    };
    if (!l.kopf(KopfRezept)) {
        grund = l.grund;
        return false;
    }
    TTRezepteTotal r; // every field comes from the file
    r.Dateikopf = KopfRezept;
    r.Dateiname = dateiname;
    r.Dateiendung = rezeptendung(dateiname);
    l.zeile(r.Kategoriezeile);
    l.zeile(r.Rezeptname);
    l.byte(r.Deluxe);
    l.kommazahl(r.Kochdatum);
    l.ganzzahl(r.Schwierigkeit);
    if (r.Schwierigkeit != -1 && (r.Schwierigkeit < 1 || r.Schwierigkeit > 5))
        r.Schwierigkeit = -1;
    wert(r.Portionen);
    wert(r.Zubereitungszeit);
    wert(r.Kochgeraete);
    l.zeile(r.Rezeptgrafik);
    wert(r.Unterkategorien);
    l.kommazahl(r.Preis);
    wert(r.Anleitungsdatei);
    wert(r.Bemerkungsdatei);
    r.Anleitungsdatei = sichererSeitenname(r.Anleitungsdatei);
    r.Bemerkungsdatei = sichererSeitenname(r.Bemerkungsdatei);
    if (speicher)
        speicher->leereZeilenGeteilt(l, r.Reservezeilen, AnzahlReservezeilen);
    else
        l.zeilen(r.Reservezeilen, AnzahlReservezeilen);
    l.liste(r.Rezeptkurzinfo);
    qint32 n = 0;
    // The ingredient list mostly repeats the ingredients' values in the same
    // order: a value with the same bytes is taken from there.
    QVarLengthArray<std::array<QByteArrayView, 3>, 16> zutatenbytes; // quantity, unit, name
    auto wertUndBytes = [&](QString &s, QByteArrayView &bytes) {
        return speicher ? speicher->wert(l, s, bytes) : l.zeile(s);
    };
    auto wertWie = [&](QString &s, const QString &vorlage, QByteArrayView vorlagenbytes) {
        return speicher ? speicher->wertWie(l, s, vorlage, vorlagenbytes) : l.zeile(s);
    };
    if (l.erwarte(QStringLiteral("[ZUTATEN]:")) && l.anzahl(n, 4)) {
        // reserve() first: resize() alone would leave room to grow in every
        // record.
        r.Zutaten.reserve(n);
        r.Zutaten.resize(n);
        zutatenbytes.resize(n);
        for (qint32 i = 0; i < n && l.ok(); ++i) {
            TTRezeptzutat &z = r.Zutaten[i];
            wertUndBytes(z.Name, zutatenbytes[i][2]);
            l.ganzzahl(z.Kategorie);
            wertUndBytes(z.Menge, zutatenbytes[i][0]);
            wertUndBytes(z.Einheit, zutatenbytes[i][1]);
        }
    }
    if (l.erwarte(QStringLiteral("[ZUTATENLISTE]:")) && l.anzahl(n, 3)) {
        r.Zutatenliste.reserve(n);
        r.Zutatenliste.resize(n);
        for (qint32 i = 0; i < n && l.ok(); ++i) {
            TTZutatenliste &z = r.Zutatenliste[i];
            if (i < r.Zutaten.size()) {
                const TTRezeptzutat &gleich = r.Zutaten[i];
                const auto &bytes = zutatenbytes[i];
                wertWie(z.Menge, gleich.Menge, bytes[0]);
                wertWie(z.Einheit, gleich.Einheit, bytes[1]);
                wertWie(z.Name, gleich.Name, bytes[2]);
            } else {
                wert(z.Menge);
                wert(z.Einheit);
                wert(z.Name);
            }
            z.Listenindex = i;
        }
    }
    if (l.erwarte(QStringLiteral("[REZEPTLISTE]:")))
        l.liste(r.Rezeptliste);
    if (l.erwarte(QStringLiteral("[EINKAUFSLISTE]:")) && l.anzahl(n, 1)) {
        // Shopping lines are quantity, unit and name again.
        r.Einkaufsliste.reserve(n);
        QString s;
        for (qint32 i = 0; i < n && wert(s); ++i)
            r.Einkaufsliste.append(s);
    }
    if (l.erwarte(QStringLiteral("[DELUXELISTE]:")) && l.anzahl(n, 4)) {
        for (qint32 i = 0; i < n && l.ok(); ++i) {
            QString a, b, c, d;
            l.zeile(a);
            l.zeile(b);
            l.zeile(c);
            l.zeile(d);
            r.Deluxeliste.Menge << a;
            r.Deluxeliste.Einheit << b;
            r.Deluxeliste.Name << c;
            r.Deluxeliste.Zubereitung << d;
        }
    }
    if (l.erwarte(QStringLiteral("[BEMERKUNGSLISTE]:")))
        l.liste(r.Bemerkungsliste);
    if (!l.ende()) {
        grund = l.grund;
        return false;
    }
    // The extension names the category; the tag follows it.
    r.Kategorie = Kategorie_aus_Dateiendung(r.Dateiendung);
    if (r.Kategorie < 0) {
        const auto it = std::find(Kategorieabschnitte.begin(), Kategorieabschnitte.end(), r.Kategoriezeile);
        r.Kategorie = it == Kategorieabschnitte.end() ? -1 : qint32(it - Kategorieabschnitte.begin());
    }
    if (r.Kategorie < 0) {
        grund = QStringLiteral("the recipe category is unknown");
        return false;
    }
    r.Kategoriezeile = Kategorieabschnitte[r.Kategorie];
    out = std::move(r);
    return true;
}

QStringList schreibeRezept(const TTRezepteTotal &r)
{
    Schreiber w;
    w.z.reserve(64);
    const qint32 kat = Kategorie_aus_Dateiendung(rezeptendung(r.Dateiname));
    const qint32 k = kat >= 0 ? kat : r.Kategorie;
    w << KopfRezept << (k >= 0 && k < AnzahlKategorien ? Kategorieabschnitte[k] : r.Kategoriezeile);
    w << r.Rezeptname << qint32(r.Deluxe) << QString::number(r.Kochdatum, 'f', 6) << r.Schwierigkeit << r.Portionen
      << r.Zubereitungszeit << r.Kochgeraete << r.Rezeptgrafik << r.Unterkategorien
      << QString::number(r.Preis, 'f', 2) << r.Anleitungsdatei << r.Bemerkungsdatei;
    for (int i = 0; i < AnzahlReservezeilen; ++i)
        w << (i < r.Reservezeilen.size() ? r.Reservezeilen[i] : QString());
    w.liste(ohnePlatzhalter(r.Rezeptkurzinfo));

    w << QStringLiteral("[ZUTATEN]:");
    qint32 n = 0;
    for (const TTRezeptzutat &t : r.Zutaten)
        if (!t.Name.isEmpty())
            ++n;
    w << n;
    for (const TTRezeptzutat &t : r.Zutaten)
        if (!t.Name.isEmpty())
            w << t.Name << t.Kategorie << t.Menge << t.Einheit;

    w << QStringLiteral("[ZUTATENLISTE]:");
    auto leereZeile = [](const TTZutatenliste &t) {
        return t.Menge.isEmpty() && t.Einheit.isEmpty() && t.Name.isEmpty();
    };
    n = 0;
    for (const TTZutatenliste &t : r.Zutatenliste)
        if (!leereZeile(t))
            ++n;
    w << n;
    for (const TTZutatenliste &t : r.Zutatenliste)
        if (!leereZeile(t))
            w << t.Menge << t.Einheit << t.Name;

    w << QStringLiteral("[REZEPTLISTE]:");
    w.liste(ohnePlatzhalter(r.Rezeptliste));
    w << QStringLiteral("[EINKAUFSLISTE]:");
    TString einkauf;
    for (const QString &s : r.Einkaufsliste)
        if (!s.isEmpty())
            einkauf << s;
    w.liste(einkauf);

    w << QStringLiteral("[DELUXELISTE]:");
    const TTDeluxeliste &d = r.Deluxeliste;
    const qsizetype zeilen = std::max({d.Menge.size(), d.Einheit.size(), d.Name.size(), d.Zubereitung.size()});
    auto feld = [](const TString &l, qsizetype i) { return i < l.size() ? l[i] : QString(); };
    QList<qsizetype> volle;
    for (qsizetype i = 0; i < zeilen; ++i)
        if (!(feld(d.Menge, i).isEmpty() && feld(d.Einheit, i).isEmpty() && feld(d.Name, i).isEmpty()
              && feld(d.Zubereitung, i).isEmpty()))
            volle << i;
    w << qint32(volle.size());
    for (qsizetype i : volle)
        w << feld(d.Menge, i) << feld(d.Einheit, i) << feld(d.Name, i) << feld(d.Zubereitung, i);

    w << QStringLiteral("[BEMERKUNGSLISTE]:");
    w.liste(ohnePlatzhalter(r.Bemerkungsliste));
    w << EOFZeile;
    return w.z;
}

} // namespace dateien

using namespace dateien;

// --- recipes ----------------------------------------------------------------------

namespace {

// native: the file's name as the folder listing spelt it, when known.
bool ladeEinRezept(TTRezepteTotal &r, QString &grund, Textspeicher *speicher = nullptr,
                   const QString &native = QString())
{
    QByteArray z;
    if (!(!native.isEmpty() && platform::readExactFile(native, z)) && !platform::readBytes(r.Dateiname, z)) {
        grund = QStringLiteral("it cannot be opened");
        return false;
    }
    TTRezepteTotal neu;
    if (!liesRezept(z, r.Dateiname, neu, grund, speicher))
        return false;
    neu.Listenposition = r.Listenposition;
    r = std::move(neu);
    return true;
}

// The check before a recipe is written: a name, and a file of its own unless
// the user agreed to replace the file another record names.
bool darfRezeptSpeichern(qint32 index, bool ersetzen)
{
    const TTRezepteTotal &r = RezepteTotal[index];
    const QString datei = Ermittle_Dateiname(r.Dateiname);
    const qsizetype punkt = datei.lastIndexOf(QLatin1Char('.'));
    if (r.Rezeptname.trimmed().isEmpty() || punkt <= 0 || datei.left(punkt).trimmed().isEmpty()) {
        Zeige_Meldung(QStringLiteral("A recipe without a name cannot be saved."), QStringLiteral("Error:"), Knopf_OK);
        return false;
    }
    if (ersetzen)
        return true;
    const QString eigene = dateischluessel(r.Dateiname);
    for (qint32 i = 0; i < RezepteTotal.size(); ++i) {
        if (i != index && !RezepteTotal[i].Dateiname.isEmpty() && dateischluessel(RezepteTotal[i].Dateiname) == eigene) {
            Zeige_Meldung(QStringLiteral("The recipe \"%1\" already uses the file %2. Please choose another name.")
                              .arg(RezepteTotal[i].Rezeptname, datei),
                          QStringLiteral("Error:"), Knopf_OK);
            return false;
        }
    }
    return true;
}

bool speichereRezept(qint32 index, bool ersetzen = false)
{
    if (!darfRezeptSpeichern(index, ersetzen))
        return false;
    TTRezepteTotal &r = RezepteTotal[index];
    const QString endung = rezeptendung(r.Dateiname);
    const qint32 kat = Kategorie_aus_Dateiendung(endung);
    if (kat >= 0) {
        r.Kategorie = kat;
        r.Kategoriezeile = Kategorieabschnitte[kat];
    }
    r.Dateiendung = endung;
    r.Dateikopf = KopfRezept;
    if (!schreibe(r.Dateiname, schreibeRezept(r)))
        return false;
    return true;
}

// Sorts by name; the recipe of aktuelleDatei becomes the current one.
void sortiereRezepte(const QString &aktuelleDatei)
{
    AktuellesRezept = -1;
    QVector<std::pair<QString, qsizetype>> schluessel;
    schluessel.reserve(RezepteTotal.size());
    for (qsizetype i = 0; i < RezepteTotal.size(); ++i)
        schluessel.append({platform::upperCase(RezepteTotal[i].Rezeptname), i});
    std::stable_sort(schluessel.begin(), schluessel.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    // In place: a second array of records would double the memory the
    // recipes take at their peak.
    QVector<qsizetype> reihenfolge;
    reihenfolge.reserve(schluessel.size());
    for (const auto &s : schluessel)
        reihenfolge.append(s.second);
    Ordne_um(RezepteTotal, reihenfolge);
    if (!aktuelleDatei.isEmpty())
        for (qint32 i = 0; i < RezepteTotal.size() && AktuellesRezept < 0; ++i)
            if (RezepteTotal[i].Dateiname == aktuelleDatei)
                AktuellesRezept = i;
}

} // namespace

bool Speichere_Rezept_ersetzend(qint32 index)
{
    return index >= 0 && index < RezepteTotal.size() && speichereRezept(index, true);
}

bool Lade_Rezepte(int flags, qint32 index)
{
    if (index < -1 || index >= RezepteTotal.size())
        return false;
    bool gut = true;
    if (flags & Save) {
        if (index >= 0) {
            gut = speichereRezept(index);
        } else {
            for (qint32 i = 0; i < RezepteTotal.size(); ++i)
                if (!RezepteTotal[i].Dateiname.isEmpty() && !speichereRezept(i))
                    gut = false;
        }
    }
    if (flags & Load) {
        if (index >= 0) {
            QString grund;
            TTRezepteTotal &r = RezepteTotal[index];
            if (!ladeEinRezept(r, grund)) {
                if (platform::fileExists(r.Dateiname))
                    sperre(r.Dateiname);
                meldeLesefehler(r.Dateiname, grund);
                return false;
            }
            entsperre(r.Dateiname);
            return gut;
        }
        // Taken before the records are moved out.
        QString aktuelleDatei;
        if (AktuellesRezept >= 0 && AktuellesRezept < RezepteTotal.size())
            aktuelleDatei = RezepteTotal[AktuellesRezept].Dateiname;
        // Read in place; the records that fail drop out afterwards.
        QVector<bool> gelesen(RezepteTotal.size(), false);
        qsizetype i = 0;
        QStringList fehlerhaft;
        Textspeicher speicher;
        // Each folder is found once; its files are then opened by the name
        // the index took from the folder listing.
        QHash<QString, QString> ordner;
        for (TTRezepteTotal &r : RezepteTotal) {
            const qsizetype nummer = i++;
            if (r.Dateiname.isEmpty())
                continue;
            const QString verzeichnis = Ermittle_Verzeichnis(r.Dateiname);
            auto o = ordner.find(verzeichnis);
            if (o == ordner.end()) {
                QString native = platform::nativePath(verzeichnis);
                if (!native.isEmpty() && !native.endsWith(QLatin1Char('/')))
                    native += QLatin1Char('/');
                o = ordner.insert(verzeichnis, native);
            }
            QString grund;
            if (ladeEinRezept(r, grund, &speicher, o->isEmpty() ? QString() : *o + Ermittle_Dateiname(r.Dateiname))) {
                entsperre(r.Dateiname);
                gelesen[nummer] = true;
            } else {
                // Left out of the list, and kept from being saved over by a
                // record that later takes its file name.
                if (platform::fileExists(r.Dateiname))
                    sperre(r.Dateiname);
                fehlerhaft << Ermittle_Dateiname(r.Dateiname) + QStringLiteral(" (") + grund + QLatin1Char(')');
            }
        }
        qsizetype behalten = 0;
        for (qsizetype k = 0; k < RezepteTotal.size(); ++k)
            if (gelesen[k]) {
                if (k != behalten)
                    RezepteTotal[behalten] = std::move(RezepteTotal[k]);
                ++behalten;
            }
        RezepteTotal.resize(behalten);
        sortiereRezepte(aktuelleDatei);
        if (!fehlerhaft.isEmpty()) {
            const int zeigen = 10;
            QString text = QStringLiteral("These recipe files could not be read and were left out:\n")
                + fehlerhaft.mid(0, zeigen).join(QLatin1Char('\n'));
            if (fehlerhaft.size() > zeigen)
                text += QStringLiteral("\n... and %1 more").arg(fehlerhaft.size() - zeigen);
            Zeige_Meldung(text, QStringLiteral("Error:"), Knopf_OK);
            gut = false;
        }
    }
    return gut;
}

QString Rezept_Anleitungspfad(qint32 index)
{
    if (index < 0 || index >= RezepteTotal.size() || RezepteTotal[index].Dateiname.isEmpty())
        return QString();
    const TTRezepteTotal &r = RezepteTotal[index];
    const QString name = r.Anleitungsdatei.isEmpty() ? Ermittle_Dateiname(r.Dateiname) + QStringLiteral(".RRT")
                                                     : r.Anleitungsdatei;
    return Ermittle_Verzeichnis(r.Dateiname) + name;
}

QString Rezept_Bemerkungspfad(qint32 index)
{
    if (index < 0 || index >= RezepteTotal.size() || RezepteTotal[index].Dateiname.isEmpty())
        return QString();
    const TTRezepteTotal &r = RezepteTotal[index];
    const QString name = r.Bemerkungsdatei.isEmpty() ? Ermittle_Dateiname(r.Dateiname) + QStringLiteral(".BRT")
                                                     : r.Bemerkungsdatei;
    return Ermittle_Verzeichnis(r.Dateiname) + name;
}

QString Rezept_Dateiname(const QString &rezeptname, qint32 kategorie)
{
    if (kategorie < 0 || kategorie >= AnzahlKategorien)
        return QString();
    QString name = rezeptname.trimmed();
    static const QString verboten = QStringLiteral("\\/:*?\"<>|");
    for (QChar &c : name)
        if (verboten.contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    if (name.trimmed().isEmpty())
        return QString();
    return Programmverzeichnis + QStringLiteral("Recipes\\") + name + Dateiendung_aus_Kategorie(kategorie);
}

void Setze_Rezeptkategorie(TTRezepteTotal &r, qint32 kategorie)
{
    r.Kategorie = kategorie;
    r.Dateiendung = Dateiendung_aus_Kategorie(kategorie);
    r.Kategoriezeile = Kategorieabschnitte[kategorie];
    r.Dateikopf = QStringLiteral("[TAFELWERKSTATT 2.0]");
}
