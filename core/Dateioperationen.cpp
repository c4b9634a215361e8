#include "core/Dateioperationen.h"

#include "mastering/Mastering.h"
#include "reference/Lexikon.h"

#include <QApplication>
#include <QFileInfo>
#include <QHash>
#include <QHelpEvent>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QProxyStyle>
#include <QSet>
#include <QToolTip>
#include <algorithm>
#include <climits>
#include <charconv>
#include <cmath>
#include <cstring>

#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "platform/Seams.h"
#include "platform/TextFile.h"
#include "recipes/F_Meldung.h"

namespace {

const QString KopfZutaten = QStringLiteral("[TAFELWERKSTATT 2.00]");
const QString KopfVariablen = QStringLiteral("[TAFELWERKSTATTVARIABLEN 2.00]");
const QString KopfKommentare = QStringLiteral("[TAFELWERKSTATTZUTATKOMMENTARE 2.0]");
const QString KopfVerben = QStringLiteral("[IAVERBEN 2.00]");
const QString KopfVTotal = QStringLiteral("[IAVTOTAL 2.00]");
const QString KopfOptionen = QStringLiteral("[TAFELWERKSTATTOPTIONEN 2.0]");
const QString KopfRezept = QStringLiteral("[TAFELWERKSTATT 2.0]");
const QString KopfIndex = QStringLiteral("[TAFELWERKSTATT RM]");
const QString KopfRICDATA = QStringLiteral("[RICDATA 2.00]");
const QString KopfRICWerte = QStringLiteral("[RICWERTE 2.00]");
const QString EOFZeile = QStringLiteral("[EOF]");

QString datenpfad(const QString &name)
{
    return Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\") + name;
}

// --- files whose load failed ------------------------------------------------

// What memory holds after a failed load is not that file's content, so
// nothing is saved over such a file until a load of it succeeds.
QSet<QString> &gesperrteDateien()
{
    static QSet<QString> s;
    return s;
}

QString dateischluessel(const QString &pfad)
{
    return platform::upperCase(platform::nativePath(pfad));
}

void sperre(const QString &pfad)
{
    gesperrteDateien().insert(dateischluessel(pfad));
}

void entsperre(const QString &pfad)
{
    gesperrteDateien().remove(dateischluessel(pfad));
}

bool istGesperrt(const QString &pfad)
{
    return gesperrteDateien().contains(dateischluessel(pfad));
}

bool gleicheDatei(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() && dateischluessel(a) == dateischluessel(b);
}

// --- messages ---------------------------------------------------------------

void meldeLesefehler(const QString &pfad, const QString &grund)
{
    Zeige_Meldung(QStringLiteral("The file %1 could not be read: %2.").arg(Ermittle_Dateiname(pfad), grund),
                  QStringLiteral("Error:"), 0);
}

void meldeSchreibfehler(const QString &pfad)
{
    Zeige_Meldung(QStringLiteral("The file %1 could not be written; the old file was kept.").arg(Ermittle_Dateiname(pfad)),
                  QStringLiteral("Error:"), 0);
}

bool meldeGesperrt(const QString &pfad)
{
    Zeige_Meldung(QStringLiteral("The file %1 could not be read correctly, so it is not overwritten.")
                      .arg(Ermittle_Dateiname(pfad)),
                  QStringLiteral("Error:"), 0);
    return false;
}

// --- reading ----------------------------------------------------------------

// A line of the file in the code page.
QString dekodiere(QByteArrayView v)
{
    if (v.isEmpty())
        return QString();
    QString s(v.size(), Qt::Uninitialized);
    platform::decodeCp1252Into(v.data(), v.size(), s.data());
    return s;
}

QByteArrayView ohneRand(QByteArrayView v)
{
    while (!v.isEmpty() && (v.front() == ' ' || v.front() == '\t'))
        v = v.sliced(1);
    while (!v.isEmpty() && (v.back() == ' ' || v.back() == '\t'))
        v.chop(1);
    return v;
}

// Walks the lines of a data file (CR LF or LF) and checks every value; the
// first problem is kept in grund (with its line number) and every later call
// fails. Lines are decoded only when a text is wanted: numbers and counts are
// read from the bytes.
class Leser
{
public:
    explicit Leser(const QByteArray &daten) : d(daten)
    {
        zeilenzahl = d.count('\n');
        if (!d.isEmpty() && !d.endsWith('\n'))
            ++zeilenzahl;
    }

    bool ok() const { return grund.isEmpty(); }
    qsizetype rest() const { return zeilenzahl - pos; }

    bool fehler(const QString &text)
    {
        if (grund.isEmpty())
            grund = QStringLiteral("line %1: %2").arg(pos).arg(text);
        return false;
    }

    // The header: the first line, exactly or (nurAnfang) at its start.
    bool kopf(const QString &k, bool nurAnfang = false)
    {
        QString s;
        if (rest() < 1 || !zeile(s) || (nurAnfang ? !s.startsWith(k) : s != k)) {
            grund = QStringLiteral("the first line is not \"%1\"").arg(k);
            return false;
        }
        return true;
    }

    bool roh(QByteArrayView &out)
    {
        if (!ok())
            return false;
        if (pos >= zeilenzahl) {
            grund = QStringLiteral("the file ends too early");
            return false;
        }
        const char *b = d.constData() + off;
        const qsizetype n = d.size() - off;
        const char *e = static_cast<const char *>(std::memchr(b, '\n', size_t(n)));
        qsizetype len = e ? e - b : n;
        off += len + (e ? 1 : 0);
        if (len > 0 && b[len - 1] == '\r')
            --len;
        out = QByteArrayView(b, len);
        ++pos;
        return true;
    }

    bool zeile(QString &out)
    {
        QByteArrayView v;
        if (!roh(v))
            return false;
        out = dekodiere(v);
        return true;
    }

    bool erwarte(const QString &tag)
    {
        QByteArrayView v;
        if (!roh(v))
            return false;
        return dekodiere(v) == tag || fehler(QStringLiteral("\"%1\" expected").arg(tag));
    }

    bool ganzzahl(qint32 &wert)
    {
        QByteArrayView v;
        if (!roh(v))
            return false;
        v = ohneRand(v);
        qint64 x = 0;
        const auto [ende, fehlercode] = std::from_chars(v.data(), v.data() + v.size(), x);
        if (v.isEmpty() || fehlercode != std::errc() || ende != v.data() + v.size() || x < INT_MIN || x > INT_MAX)
            return fehler(QStringLiteral("a whole number was expected"));
        wert = qint32(x);
        return true;
    }

    bool byte(quint8 &wert)
    {
        qint32 x = 0;
        if (!ganzzahl(x))
            return false;
        if (x < 0 || x > 255)
            return fehler(QStringLiteral("a flag was expected"));
        wert = quint8(x);
        return true;
    }

    bool kommazahl(double &wert)
    {
        QByteArrayView v;
        if (!roh(v))
            return false;
        QByteArray s = ohneRand(v).toByteArray();
        s.replace(',', '.');
        if (s.startsWith('+'))
            s.remove(0, 1);
        double x = 0;
        const auto [ende, fehlercode] = std::from_chars(s.constData(), s.constData() + s.size(), x);
        if (s.isEmpty() || fehlercode != std::errc() || ende != s.constData() + s.size() || !std::isfinite(x))
            return fehler(QStringLiteral("a number was expected"));
        wert = x;
        return true;
    }

    // A count whose elements take at least proEintrag lines each.
    bool anzahl(qint32 &n, qint32 proEintrag)
    {
        if (!ganzzahl(n))
            return false;
        if (n < 0 || qint64(n) * proEintrag > rest())
            return fehler(QStringLiteral("the count %1 does not fit the file").arg(n));
        return true;
    }

    bool zeilen(TString &out, qsizetype n)
    {
        if (!ok())
            return false;
        if (rest() < n) {
            grund = QStringLiteral("the file ends too early");
            return false;
        }
        out.clear();
        out.reserve(n);
        QString s;
        for (qsizetype i = 0; i < n && zeile(s); ++i)
            out.append(s);
        return ok();
    }

    bool liste(TString &out)
    {
        qint32 n = 0;
        return anzahl(n, 1) && zeilen(out, n);
    }

    // The end: nothing more, or "[EOF]" (what follows it is ignored).
    bool ende()
    {
        if (!ok() || pos >= zeilenzahl)
            return ok();
        QByteArrayView v;
        roh(v);
        return v == QByteArrayView("[EOF]") || fehler(QStringLiteral("\"[EOF]\" expected"));
    }

    QString grund;

private:
    const QByteArray &d;
    qsizetype zeilenzahl = 0;
    qsizetype pos = 0; // lines read
    qsizetype off = 0; // bytes read
};

bool pruefeKopf(const QStringList &z, const QString &kopf, QString &grund)
{
    if (z.isEmpty() || z[0] != kopf) {
        grund = QStringLiteral("the first line is not \"%1\"").arg(kopf);
        return false;
    }
    return true;
}

// --- writing ----------------------------------------------------------------

// One value, one line: a line break inside a value would shift every later
// line of the file.
QString einzeilig(const QString &s)
{
    if (!s.contains(QLatin1Char('\n')) && !s.contains(QLatin1Char('\r')))
        return s;
    QString t = s;
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t;
}

class Schreiber
{
public:
    Schreiber &operator<<(const QString &s)
    {
        z.append(einzeilig(s));
        return *this;
    }
    Schreiber &operator<<(qint32 x)
    {
        z.append(QString::number(x));
        return *this;
    }
    void liste(const TString &l)
    {
        *this << qint32(l.size());
        for (const QString &s : l)
            *this << s;
    }
    QStringList z;
};

QString kurzeZahl(double x)
{
    return QString::number(x, 'g', QLocale::FloatingPointShortest);
}

bool schreibe(const QString &pfad, const QStringList &zeilen)
{
    if (istGesperrt(pfad))
        return meldeGesperrt(pfad);
    const QString ordner = Ermittle_Verzeichnis(pfad);
    if (!ordner.isEmpty() && !platform::folderExists(ordner))
        platform::makeFolder(ordner);
    if (!platform::writeLines(pfad, zeilen)) {
        meldeSchreibfehler(pfad);
        return false;
    }
    return true;
}

// A list given length 1 by an initialiser holds one empty placeholder; that
// element is never written.
bool istPlatzhalter(const TString &l)
{
    return l.size() == 1 && l[0].isEmpty();
}

TString ohnePlatzhalter(const TString &l)
{
    return istPlatzhalter(l) ? TString() : l;
}

// --- ingredient database ------------------------------------------------------

bool liesZutaten(const QByteArray &z, TZutatentotal &out, QString &grund)
{
    Leser l(z);
    if (!l.kopf(KopfZutaten, true)) {
        grund = l.grund;
        return false;
    }
    qint32 n = 0;
    TZutatentotal liste;
    if (l.anzahl(n, 17)) {
        liste.resize(n);
        for (qint32 i = 0; i < n && l.ok(); ++i) {
            TTZutatentotal &r = liste[i];
            l.zeile(r.Zutatname);
            l.zeile(r.Rezepttextname);
            l.zeile(r.Suchname);
            l.ganzzahl(r.Kategorie);
            if (r.Kategorie < -1 || r.Kategorie >= AnzahlZutatengruppen)
                r.Kategorie = 16;
            l.byte(r.Status);
            for (QString &s : r.S)
                l.zeile(s);
        }
    }
    if (!l.ende()) {
        grund = l.grund;
        return false;
    }
    out = std::move(liste);
    return true;
}

QStringList schreibeZutaten(const TZutatentotal &liste)
{
    Schreiber w;
    w << KopfZutaten;
    qint32 n = 0;
    for (const TTZutatentotal &r : liste)
        if (!r.Zutatname.isEmpty())
            ++n;
    w << n;
    w.z.reserve(3 + n * 17);
    for (const TTZutatentotal &r : liste) {
        if (r.Zutatname.isEmpty())
            continue;
        w << r.Zutatname << r.Rezepttextname << r.Suchname << r.Kategorie << qint32(r.Status);
        for (const QString &s : r.S)
            w << s;
    }
    w << EOFZeile;
    return w.z;
}

// Puts the inactive records of the file that the load left out (ausgelassen:
// upper-case names) back among the records in memory, each at its place in
// the file, when memory does not hold that name. A record that memory had
// and deleted stays deleted.
TZutatentotal mitInaktivenDerDatei(const TZutatentotal &speicher, const TZutatentotal &datei,
                                   const QSet<QString> &ausgelassen)
{
    QHash<QString, qsizetype> imSpeicher;
    for (qsizetype i = 0; i < speicher.size(); ++i)
        if (!speicher[i].Zutatname.isEmpty())
            imSpeicher.insert(platform::upperCase(speicher[i].Zutatname), i);
    TZutatentotal out;
    out.reserve(speicher.size() + datei.size());
    QVector<bool> geschrieben(speicher.size(), false);
    qsizetype weiter = 0;
    auto schreibeBis = [&](qsizetype bis) {
        for (; weiter <= bis; ++weiter)
            if (!geschrieben[weiter]) {
                geschrieben[weiter] = true;
                out.append(speicher[weiter]);
            }
    };
    for (const TTZutatentotal &r : datei) {
        const QString name = platform::upperCase(r.Zutatname);
        const auto it = imSpeicher.constFind(name);
        if (it == imSpeicher.constEnd()) {
            if (r.Status == 0 && ausgelassen.contains(name))
                out.append(r);
        } else if (*it >= weiter) {
            schreibeBis(*it);
        }
    }
    schreibeBis(speicher.size() - 1);
    return out;
}

// The last Load of Zutatentotal: which file, and the inactive records it
// left out (upper-case names).
QString g_zutatenQuelle;
QSet<QString> g_zutatenAusgelassen;

// --- units list --------------------------------------------------------------

// The splitter takes the first unit that begins the line, so a unit must
// stand before every shorter unit that is its prefix.
void ordneEinheiten(TString &einheiten)
{
    auto kern = [](const QString &e) {
        QString k = e;
        if (k.startsWith(QLatin1Char('[')))
            k.remove(0, 1);
        if (k.endsWith(QLatin1Char(']')))
            k.chop(1);
        return platform::upperCase(k);
    };
    QStringList kerne;
    kerne.reserve(einheiten.size());
    for (const QString &e : einheiten)
        kerne << kern(e);
    bool geaendert = true;
    for (int runde = 0; geaendert && runde <= einheiten.size(); ++runde) {
        geaendert = false;
        for (qsizetype i = 0; i < einheiten.size(); ++i) {
            for (qsizetype j = i + 1; j < einheiten.size(); ++j) {
                if (kerne[j].size() > kerne[i].size() && kerne[j].startsWith(kerne[i])) {
                    einheiten.move(j, i);
                    kerne.move(j, i);
                    geaendert = true;
                }
            }
        }
    }
}

// nD, then nD entries of a text and a factor.
bool liesRICDATA(Leser &l, QVector<TTRICDATA> &out)
{
    qint32 n = 0;
    if (!l.anzahl(n, 2))
        return false;
    out.resize(n);
    for (qint32 i = 0; i < n && l.ok(); ++i) {
        l.zeile(out[i].Text);
        l.kommazahl(out[i].Faktor);
    }
    return l.ok();
}

bool liesVariablen(const QByteArray &z, TTVariablenTotal &out, QString &grund)
{
    Leser l(z);
    if (!l.kopf(KopfVariablen)) {
        grund = l.grund;
        return false;
    }
    TTVariablenTotal v;
    l.erwarte(QStringLiteral("[EINHEITEN]:"));
    l.liste(v.Einheiten);
    l.liste(v.RICWerte);
    liesRICDATA(l, v.RICDATA);
    l.erwarte(QStringLiteral("[KATEGORIEANZAHL]"));
    qint32 k = 0;
    if (l.ganzzahl(k) && k != AnzahlKategorien)
        l.fehler(QStringLiteral("21 categories expected"));
    for (int kat = 0; kat < AnzahlKategorien && l.ok(); ++kat) {
        qint32 m = 0;
        if (!l.anzahl(m, 28))
            break;
        TTAEinheit &einheiten = v.Kategorien[kat];
        einheiten.resize(m);
        for (qint32 i = 0; i < m && l.ok(); ++i) {
            TTEinheit &e = einheiten[i];
            l.zeile(e.Schluessel);
            l.zeile(e.Name);
            for (quint8 &f : e.Zuordnung)
                l.byte(f);
            l.byte(e.NichtEinkaufen);
            for (QString &s : e.Reserve)
                l.zeile(s);
            l.liste(e.Mengentabelle);
        }
    }
    if (!l.ende()) {
        grund = l.grund;
        return false;
    }
    ordneEinheiten(v.Einheiten);
    out = std::move(v);
    return true;
}

QStringList schreibeVariablen(const TTVariablenTotal &v)
{
    Schreiber w;
    w << KopfVariablen << QStringLiteral("[EINHEITEN]:");
    w.liste(ohnePlatzhalter(v.Einheiten));
    w.liste(ohnePlatzhalter(v.RICWerte));
    qint32 n = 0;
    for (const TTRICDATA &d : v.RICDATA)
        if (!d.Text.isEmpty())
            ++n;
    w << n;
    for (const TTRICDATA &d : v.RICDATA)
        if (!d.Text.isEmpty())
            w << d.Text << kurzeZahl(d.Faktor);
    w << QStringLiteral("[KATEGORIEANZAHL]") << qint32(AnzahlKategorien);
    for (const TTAEinheit &einheiten : v.Kategorien) {
        qint32 m = 0;
        for (const TTEinheit &e : einheiten)
            if (!e.Schluessel.isEmpty())
                ++m;
        w << m;
        for (const TTEinheit &e : einheiten) {
            if (e.Schluessel.isEmpty())
                continue;
            w << e.Schluessel << e.Name;
            for (quint8 f : e.Zuordnung)
                w << qint32(f);
            w << qint32(e.NichtEinkaufen);
            for (const QString &s : e.Reserve)
                w << s;
            w.liste(e.Mengentabelle);
        }
    }
    w << EOFZeile;
    return w.z;
}

// --- simple lists (comments, whole verb list, delivered RIC files) -------------

bool liesListe(const QByteArray &z, const QString &kopf, TString &out, QString &grund)
{
    Leser l(z);
    if (!l.kopf(kopf)) {
        grund = l.grund;
        return false;
    }
    TString liste;
    if (!l.liste(liste)) {
        grund = l.grund;
        return false;
    }
    out = std::move(liste);
    return true;
}

QStringList schreibeListe(const QString &kopf, const TString &liste)
{
    Schreiber w;
    w << kopf;
    TString voll;
    for (const QString &s : liste)
        if (!s.isEmpty())
            voll << s;
    w.liste(voll);
    return w.z;
}

// --- cooking verbs -------------------------------------------------------------

qint32 verbtyp(const QString &text)
{
    const bool grad = text.contains(QLatin1String(" GGG "));
    const bool zeit = text.contains(QLatin1String(" ZZZ "));
    return (grad ? 1 : 0) + (zeit ? 2 : 0);
}

bool liesGeraeteliste(Leser &l, std::array<quint8, AnzahlGeraete> &flags)
{
    QString s;
    if (!l.zeile(s))
        return false;
    flags.fill(0);
    const QStringList teile = s.split(QLatin1Char(','));
    for (const QString &t : teile) {
        const QStringView v = QStringView(t).trimmed();
        if (v.isEmpty())
            continue;
        bool gut = false;
        const int x = v.toInt(&gut);
        if (!gut)
            return l.fehler(QStringLiteral("a list of device numbers was expected"));
        if (x >= 0 && x < AnzahlGeraete)
            flags[x] = 1;
    }
    return true;
}

QString geraeteliste(const std::array<quint8, AnzahlGeraete> &flags)
{
    QString s;
    for (int i = 0; i < AnzahlGeraete; ++i)
        if (flags[i])
            s += QString::number(i) + QLatin1Char(',');
    return s;
}

bool liesVerben(const QByteArray &z, TIAVERBEN &out, QString &grund)
{
    Leser l(z);
    if (!l.kopf(KopfVerben)) {
        grund = l.grund;
        return false;
    }
    qint32 n = 0;
    TIAVERBEN liste;
    if (l.anzahl(n, 8)) {
        liste.resize(n);
        for (qint32 i = 0; i < n && l.ok(); ++i) {
            TTIAVERBEN &v = liste[i];
            QString leer;
            qint32 typ = 0;
            l.zeile(v.Text);
            l.ganzzahl(v.Symbol);
            if (v.Symbol < 0 || v.Symbol > 42)
                v.Symbol = 0;
            liesGeraeteliste(l, v.Zulassung);
            liesGeraeteliste(l, v.Geraete);
            l.ganzzahl(typ);
            l.ganzzahl(v.Zaehler);
            l.zeile(leer);
            l.zeile(leer);
            v.Typ = verbtyp(v.Text);
        }
    }
    if (!l.ok()) {
        grund = l.grund;
        return false;
    }
    out = std::move(liste);
    return true;
}

QStringList schreibeVerben(const TIAVERBEN &liste)
{
    Schreiber w;
    w << KopfVerben;
    qint32 n = 0;
    for (const TTIAVERBEN &v : liste)
        if (!v.Text.isEmpty())
            ++n;
    w << n;
    for (const TTIAVERBEN &v : liste) {
        if (v.Text.isEmpty())
            continue;
        w << v.Text << v.Symbol << geraeteliste(v.Zulassung) << geraeteliste(v.Geraete) << v.Typ << v.Zaehler
          << QString() << QString();
    }
    return w.z;
}

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

bool liesRezept(const QByteArray &z, const QString &dateiname, TTRezepteTotal &out, QString &grund)
{
    Leser l(z);
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
    l.zeile(r.Portionen);
    l.zeile(r.Zubereitungszeit);
    l.zeile(r.Kochgeraete);
    l.zeile(r.Rezeptgrafik);
    l.zeile(r.Unterkategorien);
    l.kommazahl(r.Preis);
    l.zeile(r.Anleitungsdatei);
    l.zeile(r.Bemerkungsdatei);
    r.Anleitungsdatei = sichererSeitenname(r.Anleitungsdatei);
    r.Bemerkungsdatei = sichererSeitenname(r.Bemerkungsdatei);
    l.zeilen(r.Reservezeilen, AnzahlReservezeilen);
    l.liste(r.Rezeptkurzinfo);
    qint32 n = 0;
    if (l.erwarte(QStringLiteral("[ZUTATEN]:")) && l.anzahl(n, 4)) {
        r.Zutaten.resize(n);
        for (qint32 i = 0; i < n && l.ok(); ++i) {
            l.zeile(r.Zutaten[i].Name);
            l.ganzzahl(r.Zutaten[i].Kategorie);
            l.zeile(r.Zutaten[i].Menge);
            l.zeile(r.Zutaten[i].Einheit);
        }
    }
    if (l.erwarte(QStringLiteral("[ZUTATENLISTE]:")) && l.anzahl(n, 3)) {
        r.Zutatenliste.resize(n);
        for (qint32 i = 0; i < n && l.ok(); ++i) {
            l.zeile(r.Zutatenliste[i].Menge);
            l.zeile(r.Zutatenliste[i].Einheit);
            l.zeile(r.Zutatenliste[i].Name);
            r.Zutatenliste[i].Listenindex = i;
        }
    }
    if (l.erwarte(QStringLiteral("[REZEPTLISTE]:")))
        l.liste(r.Rezeptliste);
    if (l.erwarte(QStringLiteral("[EINKAUFSLISTE]:")))
        l.liste(r.Einkaufsliste);
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

// The base folder, for a path that is given as a system path below it.
QString relativZurBasis(const QString &pfad)
{
    QString p = pfad;
    p.replace(QLatin1Char('/'), QLatin1Char('\\'));
    QString basis = Programmverzeichnis;
    basis.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (!basis.isEmpty() && p.startsWith(basis, Qt::CaseInsensitive))
        return p.mid(basis.size());
    return QString();
}

bool liesIndex(const QByteArray &z, QList<std::pair<QString, QString>> &out, QString &grund)
{
    Leser l(z);
    if (!l.kopf(KopfIndex)) {
        grund = l.grund;
        return false;
    }
    qint32 n = 0;
    QList<std::pair<QString, QString>> liste;
    if (l.anzahl(n, 3)) {
        liste.reserve(n);
        for (qint32 i = 0; i < n && l.ok(); ++i) {
            QString pfad, name;
            qint32 kat = 0;
            l.zeile(pfad);
            l.zeile(name);
            l.ganzzahl(kat);
            liste.append({pfad, name});
        }
    }
    if (!l.ende()) {
        grund = l.grund;
        return false;
    }
    out = std::move(liste);
    return true;
}

// --- options -----------------------------------------------------------------

// The values of one section, taken in order; a value missing at the end or
// unreadable keeps the default.
class Abschnitt
{
public:
    explicit Abschnitt(const QStringList &werte) : w(werte) {}
    bool text(QString &out)
    {
        if (i >= w.size())
            return false;
        out = w[i++];
        return true;
    }
    void ordner(QString &out)
    {
        QString s;
        if (text(s) && !s.isEmpty())
            out = s;
    }
    template <typename T> void zahl(T &out, qint64 min, qint64 max)
    {
        QString s;
        if (!text(s))
            return;
        bool gut = false;
        const qlonglong x = QStringView(s).trimmed().toLongLong(&gut);
        if (gut && x >= min && x <= max)
            out = T(x);
    }
    void flag(quint8 &out) { zahl(out, 0, 255); }
    void int32(qint32 &out) { zahl(out, INT_MIN, INT_MAX); }
    void schrift(QFont &f, quint32 &farbe, qint32 &zeichensatz)
    {
        QString familie, groesse;
        if (text(familie) && !familie.isEmpty())
            f.setFamily(familie);
        if (text(groesse)) {
            bool gut = false;
            const double g = groesse.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&gut);
            if (gut && g >= 1 && g <= 500)
                f.setPointSizeF(g);
        }
        qint32 stil = -1;
        zahl(stil, 0, 15);
        if (stil >= 0) {
            f.setBold(stil & 1);
            f.setItalic(stil & 2);
            f.setUnderline(stil & 4);
            f.setStrikeOut(stil & 8);
        }
        zahl(farbe, 0, 0xFFFFFFFFLL);
        int32(zeichensatz);
    }

private:
    const QStringList w;
    qsizetype i = 0;
};

void schreibeSchrift(Schreiber &w, const QFont &f, quint32 farbe, qint32 zeichensatz)
{
    const int stil = (f.bold() ? 1 : 0) | (f.italic() ? 2 : 0) | (f.underline() ? 4 : 0) | (f.strikeOut() ? 8 : 0);
    w << f.family() << kurzeZahl(f.pointSizeF()) << qint32(stil) << QString::number(farbe) << zeichensatz;
}

QStringList schreibeOptionen()
{
    const TOptionen &o = Optionen;
    Schreiber w;
    w << KopfOptionen;
    w << QStringLiteral("[FMAIN]") << o.Ansicht << o.Sortierung << o.Kategoriefilter << o.Unterkategoriefilter
      << qint32(o.Zutatbildzeigen) << qint32(o.Textanzeigezeigen) << qint32(o.Rezeptbildzeigen);
    schreibeSchrift(w, o.Schrift1, o.Schriftfarbe[0], o.Schriftzeichensatz[0]);
    schreibeSchrift(w, o.Schrift2, o.Schriftfarbe[1], o.Schriftzeichensatz[1]);
    schreibeSchrift(w, o.Schrift3, o.Schriftfarbe[2], o.Schriftzeichensatz[2]);
    schreibeSchrift(w, o.Schrift4, o.Schriftfarbe[3], o.Schriftzeichensatz[3]);
    w << QStringLiteral("[FREZ]") << qint32(o.Rezeptautospeichern) << o.Einkaufslistensortierung;
    // The default folders lie below the base folder: stored empty, so the
    // file stays right when the base folder moves.
    auto ordner = [](const QString &wert, const char *standard) {
        return wert == Programmverzeichnis + QLatin1String(standard) ? QString() : wert;
    };
    w << QStringLiteral("[FSYS]") << ordner(o.Rezeptverzeichnis, "Recipes\\")
      << ordner(o.Exportverzeichnis, "PreparedRecipes\\") << o.Zutatgrafikverzeichnis
      << o.Rezeptgrafikverzeichnis << qint32(o.Tooltipps) << qint32(o.Tipps) << o.TippsGezeigt << o.Hintergrundmodus
      << Hintergrundgrafik << qint32(o.Zutatengrafiken) << qint32(o.Zutatengruppengrafiken)
      << qint32(o.AutoMengenergaenzung) << qint32(o.TooltippsFDigI) << qint32(o.Internetabfrage);
    const TTIAStatus &s = IAStatus;
    w << s.Panel << s.Geraet << s.Auswahlmodus << qint32(s.AlleVerben) << qint32(s.Tooltipps)
      << qint32(s.TooltippsVerbeditor) << s.Temperatur << s.Zeit << s.VTotalSpeichern << s.VerbenSpeichern;
    w << QStringLiteral("[FLEX]");
    schreibeSchrift(w, o.Lexikonschrift, o.Schriftfarbe[4], o.Schriftzeichensatz[4]);
    w << EOFZeile;
    return w.z;
}

void liesOptionen(const QStringList &z)
{
    // Only these lines start a section: a value may begin with "[" too (a
    // sub-category "[Party]"), and a later section reads as surplus values.
    static const QStringList namen = {QStringLiteral("[FMAIN]"), QStringLiteral("[FREZ]"), QStringLiteral("[FSYS]"),
                                      QStringLiteral("[FLEX]")};
    QHash<QString, QStringList> abschnitte;
    QString aktuell;
    for (qsizetype i = 1; i < z.size(); ++i) {
        const QString &s = z[i];
        if (s == EOFZeile)
            break;
        if (namen.contains(s)) {
            aktuell = s;
            continue;
        }
        if (!aktuell.isEmpty())
            abschnitte[aktuell].append(s);
    }
    TOptionen &o = Optionen;
    Abschnitt m(abschnitte.value(QStringLiteral("[FMAIN]")));
    m.int32(o.Ansicht);
    m.int32(o.Sortierung);
    m.int32(o.Kategoriefilter);
    m.text(o.Unterkategoriefilter);
    m.flag(o.Zutatbildzeigen);
    m.flag(o.Textanzeigezeigen);
    m.flag(o.Rezeptbildzeigen);
    m.schrift(o.Schrift1, o.Schriftfarbe[0], o.Schriftzeichensatz[0]);
    m.schrift(o.Schrift2, o.Schriftfarbe[1], o.Schriftzeichensatz[1]);
    m.schrift(o.Schrift3, o.Schriftfarbe[2], o.Schriftzeichensatz[2]);
    m.schrift(o.Schrift4, o.Schriftfarbe[3], o.Schriftzeichensatz[3]);
    Abschnitt r(abschnitte.value(QStringLiteral("[FREZ]")));
    r.flag(o.Rezeptautospeichern);
    r.int32(o.Einkaufslistensortierung);
    Abschnitt y(abschnitte.value(QStringLiteral("[FSYS]")));
    y.ordner(o.Rezeptverzeichnis);
    y.ordner(o.Exportverzeichnis);
    y.text(o.Zutatgrafikverzeichnis);
    y.text(o.Rezeptgrafikverzeichnis);
    y.flag(o.Tooltipps);
    y.flag(o.Tipps);
    y.text(o.TippsGezeigt);
    y.int32(o.Hintergrundmodus);
    QString hg;
    if (y.text(hg) && !hg.isEmpty() && platform::isSafeRelativePath(hg))
        Hintergrundgrafik = hg;
    y.flag(o.Zutatengrafiken);
    y.flag(o.Zutatengruppengrafiken);
    y.flag(o.AutoMengenergaenzung);
    y.flag(o.TooltippsFDigI);
    y.flag(o.Internetabfrage);
    TTIAStatus &s = IAStatus;
    // The kitchen indexes its panels and devices with these.
    y.zahl(s.Panel, 0, 2);
    y.zahl(s.Geraet, 0, 16);
    y.zahl(s.Auswahlmodus, 0, 2);
    y.flag(s.AlleVerben);
    y.flag(s.Tooltipps);
    y.flag(s.TooltippsVerbeditor);
    y.zahl(s.Temperatur, 50, 250);
    y.zahl(s.Zeit, 0, 120);
    y.int32(s.VTotalSpeichern);
    y.int32(s.VerbenSpeichern);
    Abschnitt x(abschnitte.value(QStringLiteral("[FLEX]")));
    x.schrift(o.Lexikonschrift, o.Schriftfarbe[4], o.Schriftzeichensatz[4]);
}

// --- tool tips ------------------------------------------------------------------

class TooltippStil : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 500;
        if (hint == SH_ToolTip_FallAsleepDelay)
            return 4000;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

struct TooltippFenster {
    QPointer<QWidget> form;
    QHash<QString, QString> texte;
    const quint8 *schalter = nullptr;
    bool anzeigen = true;
};

QList<TooltippFenster> &tooltippFenster()
{
    static QList<TooltippFenster> l;
    return l;
}

bool schalterAn(const TooltippFenster &f)
{
    return f.schalter ? *f.schalter != 0 : Optionen.Tooltipps != 0;
}

void setzeTexte(const TooltippFenster &f)
{
    if (!f.form)
        return;
    for (auto it = f.texte.constBegin(); it != f.texte.constEnd(); ++it) {
        QWidget *w = f.form->objectName() == it.key() ? f.form.data() : f.form->findChild<QWidget *>(it.key());
        if (w)
            w->setToolTip(it.value());
    }
}

// Shows the hints of a registered window for 4000 ms, or none when its
// switch is off.
class TooltippFilter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *obj, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip || !obj->isWidgetType())
            return false;
        QWidget *w = static_cast<QWidget *>(obj);
        QWidget *fenster = w->window();
        for (const TooltippFenster &f : tooltippFenster()) {
            if (f.form != fenster)
                continue;
            if (!f.anzeigen) {
                QToolTip::hideText();
                event->ignore();
                return true;
            }
            if (w->toolTip().isEmpty())
                return false;
            auto *he = static_cast<QHelpEvent *>(event);
            QToolTip::showText(he->globalPos(), w->toolTip(), w, QRect(), 4000);
            return true;
        }
        return false;
    }
};

void installiereTooltippSteuerung()
{
    static QPointer<TooltippFilter> filter;
    if (!qApp || filter)
        return;
    filter = new TooltippFilter(qApp);
    qApp->installEventFilter(filter);
    if (!dynamic_cast<TooltippStil *>(QApplication::style()))
        QApplication::setStyle(new TooltippStil(QApplication::style()->name()));
}

// --- delivered files ------------------------------------------------------------

void meldeLieferung(const QString &name, const QString &grund)
{
    Zeige_Meldung(QStringLiteral("The delivered file %1 could not be read and was not taken over (%2).").arg(name, grund),
                  QStringLiteral("Error:"), 0);
}

// Reads a file that must be valid; false with the reason otherwise.
template <typename Parser> bool liesDatei(const QString &pfad, Parser parser, QString &grund)
{
    QByteArray z;
    if (!platform::readBytes(pfad, z)) {
        grund = QStringLiteral("it cannot be opened");
        return false;
    }
    return parser(z, grund);
}

// Loads a data file through its parser. A missing file is failure without a
// message; one that cannot be read is reported and kept from being saved over.
template <typename Parser> bool ladeDatei(const QString &pfad, Parser parser)
{
    if (!platform::fileExists(pfad))
        return false;
    QString grund;
    if (!liesDatei(pfad, parser, grund)) {
        sperre(pfad);
        meldeLesefehler(pfad, grund);
        return false;
    }
    entsperre(pfad);
    return true;
}

} // namespace

// ============================================================================

bool Lade_Zutaten(int flags, const QString &datei)
{
    const QString pfad = datenpfad(datei.isEmpty() ? QStringLiteral("Lebensmittel.hbr") : datei);
    if (flags & Save) {
        if (istGesperrt(pfad))
            return meldeGesperrt(pfad);
        TZutatentotal liste = Zutatentotal;
        if (!g_zutatenAusgelassen.isEmpty() && gleicheDatei(g_zutatenQuelle, pfad)) {
            QByteArray z;
            TZutatentotal ausDatei;
            QString grund;
            if (platform::readBytes(pfad, z) && liesZutaten(z, ausDatei, grund))
                liste = mitInaktivenDerDatei(liste, ausDatei, g_zutatenAusgelassen);
        }
        if (!schreibe(pfad, schreibeZutaten(liste)))
            return false;
    }
    if (flags & Load) {
        TZutatentotal liste;
        if (!ladeDatei(pfad, [&liste](const QByteArray &z, QString &g) { return liesZutaten(z, liste, g); }))
            return false;
        g_zutatenAusgelassen.clear();
        if (!(flags & Alle)) {
            for (const TTZutatentotal &r : std::as_const(liste))
                if (r.Status == 0 && !r.Zutatname.isEmpty())
                    g_zutatenAusgelassen.insert(platform::upperCase(r.Zutatname));
            liste.removeIf([](const TTZutatentotal &r) { return r.Status == 0; });
        }
        Zutatentotal = std::move(liste);
        g_zutatenQuelle = pfad;
    }
    return true;
}

bool Lade_Variablenlisten(int flags)
{
    const QString pfad = datenpfad(QStringLiteral("Variablen200.hbr"));
    if (VariablenTotal.isEmpty())
        VariablenTotal.resize(1);
    if ((flags & Save) && !schreibe(pfad, schreibeVariablen(VariablenTotal[0])))
        return false;
    if (flags & Load) {
        TTVariablenTotal v;
        if (!ladeDatei(pfad, [&v](const QByteArray &z, QString &g) { return liesVariablen(z, v, g); }))
            return false;
        VariablenTotal = TVariablenTotal{std::move(v)};
    }
    return true;
}

bool Lade_Zutatenkommentare(int flags, TString &liste)
{
    const QString pfad = datenpfad(QStringLiteral("Kommentare.hbr"));
    if ((flags & Save) && !schreibe(pfad, schreibeListe(KopfKommentare, liste)))
        return false;
    if (flags & Load) {
        TString neu;
        if (!ladeDatei(pfad, [&neu](const QByteArray &z, QString &g) { return liesListe(z, KopfKommentare, neu, g); }))
            return false;
        liste = std::move(neu);
    }
    return true;
}

qint32 Lade_IAVerben(int flags, const QString &datei)
{
    const QString pfad = datenpfad(datei.isEmpty() ? QStringLiteral("IAVariablenliste.hbr") : datei);
    if ((flags & Save) && !schreibe(pfad, schreibeVerben(IAVERBEN)))
        return -1;
    if (flags & Load) {
        TIAVERBEN neu;
        if (!ladeDatei(pfad, [&neu](const QByteArray &z, QString &g) { return liesVerben(z, neu, g); }))
            return -1;
        IAVERBEN = std::move(neu);
    }
    return 0;
}

bool Lade_IAVerbenTotal(int flags, TIAVTotalliste &liste, const QString &datei)
{
    const QString pfad = datenpfad(datei.isEmpty() ? QStringLiteral("IAVTotal.hbr") : datei);
    if (flags & Save) {
        TString texte;
        for (const TTIAVTotalliste &e : liste)
            texte << e.Text;
        if (!schreibe(pfad, schreibeListe(KopfVTotal, texte)))
            return false;
    }
    if (flags & Load) {
        TString texte;
        if (!ladeDatei(pfad, [&texte](const QByteArray &z, QString &g) { return liesListe(z, KopfVTotal, texte, g); }))
            return false;
        TIAVTotalliste neu;
        neu.reserve(texte.size());
        for (const QString &t : texte)
            neu.append(TTIAVTotalliste{t, 0});
        liste = std::move(neu);
    }
    return true;
}

bool Update_IAVTotal()
{
    const QString pfad = datenpfad(QStringLiteral("IAVTotal.hbr"));
    if (platform::fileExists(pfad)) {
        if (!Lade_IAVerbenTotal(Load, IAVTotalliste))
            return false;
    } else {
        IAVTotalliste.clear();
    }
    QSet<QString> bekannt;
    for (const TTIAVTotalliste &e : IAVTotalliste)
        bekannt.insert(e.Text);
    bool neu = false;
    for (const TTIAVERBEN &v : IAVERBEN) {
        if (v.Text.isEmpty() || bekannt.contains(v.Text))
            continue;
        bekannt.insert(v.Text);
        IAVTotalliste.append(TTIAVTotalliste{v.Text, 0});
        neu = true;
    }
    if (!neu)
        return false;
    return Lade_IAVerbenTotal(Save, IAVTotalliste);
}

bool Lade_Optionen(int flags)
{
    const QString pfad = datenpfad(QStringLiteral("nenoitpo.kop"));
    if ((flags & Save) && !schreibe(pfad, schreibeOptionen()))
        return false;
    if (flags & Load) {
        if (!platform::fileExists(pfad))
            return true; // defaults
        QStringList z;
        if (!ladeDatei(pfad, [&z](const QByteArray &b, QString &g) {
                platform::splitLines(b, z);
                return pruefeKopf(z, KopfOptionen, g);
            }))
            return false;
        liesOptionen(z);
        // The option fonts go to the windows that show them:
        // Setze_Lexikonschrift(Optionen.Lexikonschrift);
    }
    return true;
}

// --- recipes ----------------------------------------------------------------------

namespace {

bool ladeEinRezept(TTRezepteTotal &r, QString &grund)
{
    QByteArray z;
    if (!platform::readBytes(r.Dateiname, z)) {
        grund = QStringLiteral("it cannot be opened");
        return false;
    }
    TTRezepteTotal neu;
    if (!liesRezept(z, r.Dateiname, neu, grund))
        return false;
    neu.Listenposition = r.Listenposition;
    r = std::move(neu);
    return true;
}

// The check before a recipe is written: a name, and a file of its own.
bool darfRezeptSpeichern(qint32 index)
{
    const TTRezepteTotal &r = RezepteTotal[index];
    const QString datei = Ermittle_Dateiname(r.Dateiname);
    const qsizetype punkt = datei.lastIndexOf(QLatin1Char('.'));
    if (r.Rezeptname.trimmed().isEmpty() || punkt <= 0 || datei.left(punkt).trimmed().isEmpty()) {
        Zeige_Meldung(QStringLiteral("A recipe without a name cannot be saved."), QStringLiteral("Error:"), 0);
        return false;
    }
    const QString eigene = dateischluessel(r.Dateiname);
    for (qint32 i = 0; i < RezepteTotal.size(); ++i) {
        if (i != index && !RezepteTotal[i].Dateiname.isEmpty() && dateischluessel(RezepteTotal[i].Dateiname) == eigene) {
            Zeige_Meldung(QStringLiteral("The recipe \"%1\" already uses the file %2. Please choose another name.")
                              .arg(RezepteTotal[i].Rezeptname, datei),
                          QStringLiteral("Error:"), 0);
            return false;
        }
    }
    return true;
}

bool speichereRezept(qint32 index)
{
    if (!darfRezeptSpeichern(index))
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
    TRezepteTotal sortiert;
    sortiert.reserve(RezepteTotal.size());
    for (const auto &s : schluessel) {
        if (!aktuelleDatei.isEmpty() && RezepteTotal[s.second].Dateiname == aktuelleDatei)
            AktuellesRezept = qint32(sortiert.size());
        sortiert.append(std::move(RezepteTotal[s.second]));
    }
    RezepteTotal = std::move(sortiert);
}

} // namespace

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
        TRezepteTotal geladen;
        geladen.reserve(RezepteTotal.size());
        QStringList fehlerhaft;
        for (TTRezepteTotal &r : RezepteTotal) {
            if (r.Dateiname.isEmpty())
                continue;
            QString grund;
            if (ladeEinRezept(r, grund)) {
                geladen.append(std::move(r));
            } else {
                fehlerhaft << Ermittle_Dateiname(r.Dateiname) + QStringLiteral(" (") + grund + QLatin1Char(')');
            }
        }
        RezepteTotal = std::move(geladen);
        sortiereRezepte(aktuelleDatei);
        if (!fehlerhaft.isEmpty()) {
            const int zeigen = 10;
            QString text = QStringLiteral("These recipe files could not be read and were left out:\n")
                + fehlerhaft.mid(0, zeigen).join(QLatin1Char('\n'));
            if (fehlerhaft.size() > zeigen)
                text += QStringLiteral("\n... and %1 more").arg(fehlerhaft.size() - zeigen);
            Zeige_Meldung(text, QStringLiteral("Error:"), 0);
            gut = false;
        }
    }
    return gut;
}

bool Lade_RezeptdateiManager(int flags)
{
    const QString pfad = datenpfad(QStringLiteral("RMListe.hbr"));
    bool gut = true;
    if (flags & Save) {
        Schreiber w;
        w << KopfIndex;
        QList<qsizetype> eintraege;
        QStringList relativ;
        for (qsizetype i = 0; i < RezepteTotal.size(); ++i) {
            const TTRezepteTotal &r = RezepteTotal[i];
            if (r.Dateiname.isEmpty() || Kategorie_aus_Dateiendung(rezeptendung(r.Dateiname)) < 0)
                continue;
            const QString rel = relativZurBasis(r.Dateiname);
            if (rel.isEmpty() || !platform::isSafeRelativePath(rel))
                continue;
            eintraege << i;
            relativ << rel;
        }
        w << qint32(eintraege.size());
        for (qsizetype j = 0; j < eintraege.size(); ++j) {
            const TTRezepteTotal &r = RezepteTotal[eintraege[j]];
            w << relativ[j] << r.Rezeptname << Kategorie_aus_Dateiendung(rezeptendung(r.Dateiname));
        }
        w << EOFZeile;
        // The index is rebuilt from the recipe folder on every load, so a
        // damaged one may be written over.
        entsperre(pfad);
        if (!schreibe(pfad, w.z))
            return false;
    }
    if (flags & Load) {
        QList<std::pair<QString, QString>> index;
        if (platform::fileExists(pfad)) {
            QByteArray z;
            QString grund;
            if (!platform::readBytes(pfad, z) || !liesIndex(z, index, grund)) {
                index.clear();
                gut = false;
            }
        }
        // Merge with the recipe files in Recipes\: files gone drop out, new
        // files come in.
        const QString ordner = Programmverzeichnis + QStringLiteral("Recipes\\");
        // One listing of the folder answers for every entry that lies in it
        // (key: the name in upper case, value: its spelling on disk).
        const QStringList dateien = platform::listFiles(ordner, QStringLiteral("*.*"));
        QHash<QString, QString> imOrdner;
        QList<std::pair<QString, QString>> ordnerliste; // (upper case, spelling), in listing order
        imOrdner.reserve(dateien.size());
        ordnerliste.reserve(dateien.size());
        for (const QString &d : dateien) {
            const qsizetype punkt = d.lastIndexOf(QLatin1Char('.'));
            if (punkt <= 0 || Kategorie_aus_Dateiendung(d.mid(punkt)) < 0)
                continue;
            const QString upper = platform::upperCase(d);
            imOrdner.insert(upper, d);
            ordnerliste.append({upper, d});
        }
        QSet<QString> gesehen;
        gesehen.reserve(index.size() + ordnerliste.size());
        TRezepteTotal neu;
        neu.reserve(index.size() + ordnerliste.size());
        // rel: relative path; key: its upper case.
        auto nimm = [&](const QString &rel, const QString &key, const QString &name) {
            const QString endung = rezeptendung(rel);
            const qint32 kat = Kategorie_aus_Dateiendung(endung);
            if (kat < 0 || gesehen.contains(key))
                return;
            gesehen.insert(key);
            TTRezepteTotal r;
            r.Dateikopf = KopfRezept;
            r.Dateiname = Programmverzeichnis + rel;
            r.Dateiendung = endung;
            r.Kategorie = kat;
            r.Kategoriezeile = Kategorieabschnitte[kat];
            r.Rezeptname = name;
            neu.append(std::move(r));
        };
        const QString praefix = QStringLiteral("RECIPES\\");
        const QString ordnerRel = QStringLiteral("Recipes\\");
        for (const auto &e : index) {
            QString rel = e.first;
            rel.replace(QLatin1Char('/'), QLatin1Char('\\'));
            const QString upper = platform::upperCase(rel);
            if (upper.startsWith(praefix) && upper.indexOf(QLatin1Char('\\'), praefix.size()) < 0) {
                const auto it = imOrdner.constFind(upper.mid(praefix.size()));
                if (it != imOrdner.constEnd())
                    nimm(ordnerRel + *it, it.key(), e.second);
            } else if (platform::isSafeRelativePath(rel) && platform::fileExists(rel)) {
                // A sub-folder: its spelling as the resolver finds it.
                const QString native = platform::nativePath(rel);
                const QString basis = platform::baseFolder();
                if (native.startsWith(basis)) {
                    const QString gefunden = native.mid(basis.size()).replace(QLatin1Char('/'), QLatin1Char('\\'));
                    nimm(gefunden, platform::upperCase(gefunden), e.second);
                }
            }
        }
        for (const auto &[upper, d] : ordnerliste) {
            QString name = d;
            name.truncate(name.lastIndexOf(QLatin1Char('.')));
            nimm(ordnerRel + d, upper, name);
        }
        RezepteTotal = std::move(neu);
        AktuellesRezept = -1;
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

// --- pictures, copies, shell ------------------------------------------------------

namespace {

QPixmap zutatengrafik(qint32 index)
{
    if (index < 0 || index >= Zutatentotal.size())
        return QPixmap();
    const TTZutatentotal &r = Zutatentotal[index];
    if (Optionen.Zutatengrafiken && !r.Grafik().isEmpty()) {
        QString rel = QStringLiteral("GFXZUTAT\\ENG\\") + r.Grafik();
        if (platform::isSafeRelativePath(rel) && platform::fileExists(rel)) {
            const QPixmap p = platform::loadPixmap(Programmverzeichnis + rel);
            if (!p.isNull())
                return p;
        }
    }
    if (Optionen.Zutatengruppengrafiken) {
        const qint32 gruppe = r.Kategorie < 0 || r.Kategorie >= AnzahlZutatengruppen ? 16 : r.Kategorie;
        return platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\IAKOCHEN\\")
                                    + Zutatengruppengrafiken[gruppe]);
    }
    return QPixmap();
}

} // namespace

bool Lade_Zutatengrafik(QLabel *bild, qint32 index)
{
    if (!bild || index < 0)
        return false;
    const QPixmap p = zutatengrafik(index);
    if (p.isNull()) {
        bild->clear();
        return false;
    }
    bild->setPixmap(p);
    return true;
}

bool Lade_Zutatengrafik(QImage &bild, qint32 index)
{
    if (index < 0)
        return false;
    const QPixmap p = zutatengrafik(index);
    bild = p.isNull() ? QImage() : p.toImage();
    return !p.isNull();
}

bool Kopiere_Datei(const QString &quelle, const QString &ziel)
{
    return platform::copyFile(quelle, ziel);
}

bool Starte_ShellExecute(const QString &datei, const QString &parameter, const QString &verzeichnis, int showMode)
{
    Q_UNUSED(showMode);
    if (datei.isEmpty())
        return false;
    const QString native = platform::nativePath(datei);
    const QFileInfo info(native);
    const bool programm = !parameter.isEmpty() || (info.isFile() && info.isExecutable())
        || datei.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive);
    if (!programm)
        return platform::openDocument(datei);
    return platform::startProgram(datei, QProcess::splitCommand(parameter), verzeichnis);
}

// --- tool tips ----------------------------------------------------------------------

void Registriere_Tooltipps(QWidget *form, const QHash<QString, QString> &hintByObjectName, const quint8 *schalter)
{
    if (!form)
        return;
    auto &liste = tooltippFenster();
    liste.removeIf([form](const TooltippFenster &f) { return !f.form || f.form == form; });
    TooltippFenster f;
    f.form = form;
    f.texte = hintByObjectName;
    f.schalter = schalter;
    f.anzeigen = schalterAn(f);
    setzeTexte(f);
    liste.append(f);
    installiereTooltippSteuerung();
}

void Setze_Tooltipps(const QList<QWidget *> &formen)
{
    installiereTooltippSteuerung();
    for (TooltippFenster &f : tooltippFenster()) {
        if (!f.form)
            continue;
        setzeTexte(f);
        if (formen.isEmpty() || formen.contains(f.form.data()))
            f.anzeigen = schalterAn(f);
    }
}

bool Tooltipps_sichtbar(QWidget *form)
{
    for (const TooltippFenster &f : tooltippFenster())
        if (f.form == form)
            return f.anzeigen;
    return false;
}

// --- start-up ---------------------------------------------------------------------------

void Uebernehme_Neue_Dateien()
{
    auto zutatenParser = [](TZutatentotal &out) {
        return [&out](const QByteArray &z, QString &grund) { return liesZutaten(z, out, grund); };
    };

    // The global database as shipped or downloaded.
    const QString share = datenpfad(QStringLiteral("LM_Share.hbr"));
    if (platform::fileExists(share)) {
        TZutatentotal neu;
        QString grund;
        if (liesDatei(share, zutatenParser(neu), grund)) {
            if (!platform::renameFile(share, datenpfad(QStringLiteral("Lebensmittel_ALL.hbr"))))
                meldeSchreibfehler(datenpfad(QStringLiteral("Lebensmittel_ALL.hbr")));
        } else {
            meldeLieferung(QStringLiteral("LM_Share.hbr"), grund);
        }
    }

    // New ingredients: appended when their name is missing.
    const QString lmNeu = datenpfad(QStringLiteral("Lebensmittel_Neu.hbr"));
    if (platform::fileExists(lmNeu)) {
        const QString lm = datenpfad(QStringLiteral("Lebensmittel.hbr"));
        TZutatentotal neu, alt;
        QString grund;
        if (!liesDatei(lmNeu, zutatenParser(neu), grund)) {
            meldeLieferung(QStringLiteral("Lebensmittel_Neu.hbr"), grund);
        } else if (platform::fileExists(lm) && !liesDatei(lm, zutatenParser(alt), grund)) {
            meldeLesefehler(lm, grund);
        } else {
            QSet<QString> namen;
            for (const TTZutatentotal &r : alt)
                namen.insert(platform::upperCase(r.Zutatname));
            for (const TTZutatentotal &r : neu) {
                const QString key = platform::upperCase(r.Zutatname);
                if (r.Zutatname.isEmpty() || namen.contains(key))
                    continue;
                namen.insert(key);
                alt.append(r);
            }
            if (schreibe(lm, schreibeZutaten(alt)))
                platform::removeFile(lmNeu);
        }
    }

    // A delivered units list only stands in for a missing one.
    const QString varNeu = datenpfad(QStringLiteral("Variablen200_NEU.hbr"));
    if (platform::fileExists(varNeu)) {
        const QString var = datenpfad(QStringLiteral("Variablen200.hbr"));
        if (platform::fileExists(var)) {
            platform::removeFile(varNeu);
        } else {
            TTVariablenTotal v;
            QString grund;
            if (!liesDatei(varNeu, [&v](const QByteArray &z, QString &g) { return liesVariablen(z, v, g); }, grund))
                meldeLieferung(QStringLiteral("Variablen200_NEU.hbr"), grund);
            else if (Kopiere_Dateien(varNeu, QString(), var))
                Loesche_Dateien(datenpfad(QString()), QStringLiteral("Variablen200_NEU.hbr"));
            else
                meldeSchreibfehler(var);
        }
    }

    // A new verb list; the current one is kept as the backup.
    const QString verbNeu = datenpfad(QStringLiteral("IAVariablenliste_NEU.hbr"));
    if (platform::fileExists(verbNeu)) {
        TIAVERBEN v;
        QString grund;
        const QString verben = datenpfad(QStringLiteral("IAVariablenliste.hbr"));
        if (!liesDatei(verbNeu, [&v](const QByteArray &z, QString &g) { return liesVerben(z, v, g); }, grund)) {
            meldeLieferung(QStringLiteral("IAVariablenliste_NEU.hbr"), grund);
        } else if (platform::fileExists(verben)
                   && !platform::copyFile(verben, datenpfad(QStringLiteral("IAVariablenlisteBAK.hbr")))) {
            meldeSchreibfehler(datenpfad(QStringLiteral("IAVariablenlisteBAK.hbr")));
        } else if (!platform::renameFile(verbNeu, verben)) {
            meldeSchreibfehler(verben);
        }
    }

    // The dictionary's delivered file goes through the dictionary loader.
    const QString lexNeu = datenpfad(QStringLiteral("LEXIKON\\Lexikon_NEU.hbd"));
    bool lexSpeicherfehler = false;
    if (platform::fileExists(lexNeu) && !Uebernehme_Lexikon_Neu(&lexSpeicherfehler)) {
        if (lexSpeicherfehler)
            meldeSchreibfehler(datenpfad(QStringLiteral("LEXIKON\\Lexikon.hbd")));
        else
            meldeLieferung(QStringLiteral("LEXIKON\\Lexikon_NEU.hbd"), QStringLiteral("not a dictionary file"));
    }

    // Text replacements and unit entries: merged into the units list.
    const QString ricNeu = datenpfad(QStringLiteral("RICNEU.hbr"));
    const QString ricWerteNeu = datenpfad(QStringLiteral("RICWerteNEU.hbr"));
    const bool hatRic = platform::fileExists(ricNeu);
    const bool hatWerte = platform::fileExists(ricWerteNeu);
    if (hatRic || hatWerte) {
        const QString var = datenpfad(QStringLiteral("Variablen200.hbr"));
        TTVariablenTotal v;
        QString grund;
        QVector<TTRICDATA> ric;
        TString werte;
        bool ricGut = hatRic, werteGut = hatWerte;
        if (hatRic
            && !liesDatei(ricNeu, [&ric](const QByteArray &z, QString &g) {
                   Leser l(z);
                   if (l.kopf(KopfRICDATA))
                       liesRICDATA(l, ric);
                   g = l.grund;
                   return l.ok();
               }, grund)) {
            meldeLieferung(QStringLiteral("RICNEU.hbr"), grund);
            ricGut = false;
        }
        if (hatWerte && !liesDatei(ricWerteNeu, [&werte](const QByteArray &z, QString &g) {
                return liesListe(z, KopfRICWerte, werte, g);
            }, grund)) {
            meldeLieferung(QStringLiteral("RICWerteNEU.hbr"), grund);
            werteGut = false;
        }
        if ((ricGut || werteGut)) {
            if (!liesDatei(var, [&v](const QByteArray &z, QString &g) { return liesVariablen(z, v, g); }, grund)) {
                if (platform::fileExists(var))
                    meldeLesefehler(var, grund);
            } else {
                if (ricGut) {
                    QSet<QString> da;
                    for (const TTRICDATA &d : v.RICDATA)
                        da.insert(platform::upperCase(d.Text));
                    for (const TTRICDATA &d : ric) {
                        if (d.Text.isEmpty() || da.contains(platform::upperCase(d.Text)))
                            continue;
                        da.insert(platform::upperCase(d.Text));
                        v.RICDATA.append(d);
                    }
                }
                if (werteGut) {
                    QSet<QString> da;
                    for (const QString &w : v.RICWerte)
                        da.insert(platform::upperCase(w));
                    for (const QString &w : werte) {
                        if (w.isEmpty() || da.contains(platform::upperCase(w)))
                            continue;
                        da.insert(platform::upperCase(w));
                        v.RICWerte.append(w);
                    }
                }
                if (schreibe(var, schreibeVariablen(v))) {
                    if (ricGut)
                        platform::removeFile(ricNeu);
                    if (werteGut)
                        platform::removeFile(ricWerteNeu);
                }
            }
        }
    }

    // New ingredient comments.
    const QString komNeu = datenpfad(QStringLiteral("Kommentare_neu.hbr"));
    if (platform::fileExists(komNeu)) {
        const QString kom = datenpfad(QStringLiteral("Kommentare.hbr"));
        TString neu, alt;
        QString grund;
        if (!liesDatei(komNeu, [&neu](const QByteArray &z, QString &g) { return liesListe(z, KopfKommentare, neu, g); },
                       grund)) {
            meldeLieferung(QStringLiteral("Kommentare_neu.hbr"), grund);
        } else if (platform::fileExists(kom)
                   && !liesDatei(kom, [&alt](const QByteArray &z, QString &g) {
                          return liesListe(z, KopfKommentare, alt, g);
                      }, grund)) {
            meldeLesefehler(kom, grund);
        } else {
            QSet<QString> da;
            for (const QString &s : alt)
                da.insert(platform::upperCase(s));
            for (const QString &s : neu) {
                if (s.isEmpty() || da.contains(platform::upperCase(s)))
                    continue;
                da.insert(platform::upperCase(s));
                alt.append(s);
            }
            if (schreibe(kom, schreibeListe(KopfKommentare, alt)))
                platform::removeFile(komNeu);
        }
    }
}

bool TWS_Dateicheck()
{
    static const char *const dateien[] = {"PRGDATA\\ENG\\Lebensmittel.hbr", "PRGDATA\\ENG\\Variablen200.hbr",
                                          "PRGDATA\\ENG\\IAVariablenliste.hbr"};
    static const char *const bildordner[] = {"GFXZUTAT\\ENG\\", "Grafiken\\ENG\\PNG\\"};
    for (const char *d : dateien) {
        if (!platform::fileExists(Programmverzeichnis + QLatin1String(d))) {
            Zeige_Meldung(QStringLiteral("Missing file: ") + QLatin1String(d), QStringLiteral("Installation error:"), 0);
            ProgrammOK = 0;
            return false;
        }
    }
    for (const char *d : bildordner) {
        if (!platform::folderExists(Programmverzeichnis + QLatin1String(d))) {
            Zeige_Meldung(QStringLiteral("Missing file: ") + QLatin1String(d), QStringLiteral("Installation error:"), 0);
            ProgrammOK = 0;
            return false;
        }
    }
    static const char *const arbeitsordner[] = {"Recipes\\", "Recipes\\IAKochen\\", "PreparedRecipes\\", "DRUCKTEMP\\",
                                                "PRGDATA\\ENG\\LEXIKON\\"};
    for (const char *d : arbeitsordner)
        platform::makeFolder(Programmverzeichnis + QLatin1String(d));
    return true;
}
