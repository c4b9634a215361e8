#pragma once
// Shared inside the data core's file routines: the reader and writer helpers,
// the list of files whose load failed, the messages, and the pure readers and
// writers of every data file (also used by the tests and the fuzz targets).
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <deque>
#include <utility>

#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

class QFont;

namespace dateien {

inline const QString KopfZutaten = QStringLiteral("[TAFELWERKSTATT 2.00]");
inline const QString KopfVariablen = QStringLiteral("[TAFELWERKSTATTVARIABLEN 2.00]");
inline const QString KopfKommentare = QStringLiteral("[TAFELWERKSTATTZUTATKOMMENTARE 2.0]");
inline const QString KopfVerben = QStringLiteral("[IAVERBEN 2.00]");
inline const QString KopfVTotal = QStringLiteral("[IAVTOTAL 2.00]");
inline const QString KopfOptionen = QStringLiteral("[TAFELWERKSTATTOPTIONEN 2.0]");
inline const QString KopfRezept = QStringLiteral("[TAFELWERKSTATT 2.0]");
inline const QString KopfIndex = QStringLiteral("[TAFELWERKSTATT RM]");
inline const QString KopfRICDATA = QStringLiteral("[RICDATA 2.00]");
inline const QString KopfRICWerte = QStringLiteral("[RICWERTE 2.00]");
inline const QString EOFZeile = QStringLiteral("[EOF]");

// PRGDATA\ENG\ + name below the base folder.
QString datenpfad(const QString &name);

// Files whose load failed: what memory holds is not their content, so
// nothing is saved over them until a load succeeds.
QString dateischluessel(const QString &pfad);
void sperre(const QString &pfad);
void entsperre(const QString &pfad);
bool istGesperrt(const QString &pfad);
bool gleicheDatei(const QString &a, const QString &b);

// Messages.
void meldeLesefehler(const QString &pfad, const QString &grund);
// fehler: the cause (an errno value), 0 when not known.
void meldeSchreibfehler(const QString &pfad, int fehler = 0);
bool meldeGesperrt(const QString &pfad); // always false
void meldeLieferung(const QString &name, const QString &grund);

QString dekodiere(QByteArrayView v);
// True when the line decodes to the text (compared on the bytes while they
// are plain ASCII, without decoding).
bool istText(QByteArrayView v, QStringView text);
QByteArrayView ohneRand(QByteArrayView v);
// How many line feeds the bytes hold (eight bytes at a time).
qsizetype zeilenenden(QByteArrayView v);

// Walks the lines of a data file (CR LF or LF) and checks every value; the
// first problem is kept in grund (with its line number) and every later call
// fails. Lines are decoded only when a text is wanted: numbers and counts are
// read from the bytes.
class Leser
{
public:
    explicit Leser(const QByteArray &daten) : d(daten)
    {
        zeilenzahl = zeilenenden(d);
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
        QByteArrayView v;
        if (rest() < 1 || !roh(v) || (nurAnfang ? !dekodiere(v).startsWith(k) : !istText(v, k))) {
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
        return istText(v, tag) || fehler(QStringLiteral("\"%1\" expected").arg(tag));
    }

    bool ganzzahl(qint32 &wert)
    {
        QByteArrayView v;
        if (!roh(v))
            return false;
        return alsGanzzahl(v, wert) || fehler(QStringLiteral("a whole number was expected"));
    }

    // A whole number where a value that is not one reads as standard.
    bool ganzzahlOder(qint32 &wert, qint32 standard)
    {
        QByteArrayView v;
        if (!roh(v))
            return false;
        if (!alsGanzzahl(v, wert))
            wert = standard;
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
    // The line as a 32-bit whole number (blanks around it allowed).
    static bool alsGanzzahl(QByteArrayView v, qint32 &wert)
    {
        v = ohneRand(v);
        qint64 x = 0;
        const auto [ende, fehlercode] = std::from_chars(v.data(), v.data() + v.size(), x);
        if (v.isEmpty() || fehlercode != std::errc() || ende != v.data() + v.size() || x < INT_MIN || x > INT_MAX)
            return false;
        wert = qint32(x);
        return true;
    }

    const QByteArray &d;
    qsizetype zeilenzahl = 0;
    qsizetype pos = 0; // lines read
    qsizetype off = 0; // bytes read
};


bool pruefeKopf(const QStringList &z, const QString &kopf, QString &grund);
QString einzeilig(const QString &s);

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

QString kurzeZahl(double x);
// Writes the lines atomically (not over a file whose load failed); a failure
// is reported with its cause, or left to a TEigene_Schreibfehlermeldung.
bool schreibe(const QString &pfad, const QStringList &zeilen);
bool istPlatzhalter(const TString &l);
TString ohnePlatzhalter(const TString &l);

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

// --- the pure readers and writers, one pair per file kind ---
bool liesZutaten(const QByteArray &z, TZutatentotal &out, QString &grund);
QStringList schreibeZutaten(const TZutatentotal &liste);
void ordneEinheiten(TString &einheiten);
bool liesRICDATA(Leser &l, QVector<TTRICDATA> &out);
bool liesVariablen(const QByteArray &z, TTVariablenTotal &out, QString &grund);
QStringList schreibeVariablen(const TTVariablenTotal &v);
bool liesListe(const QByteArray &z, const QString &kopf, TString &out, QString &grund);
QStringList schreibeListe(const QString &kopf, const TString &liste);
bool liesVerben(const QByteArray &z, TIAVERBEN &out, QString &grund);
QStringList schreibeVerben(const TIAVERBEN &liste);
// Upper-case extension with the dot of a recipe file name.
QString rezeptendung(const QString &dateiname);
// Equal short values of many records (units, quantities, ingredient names,
// shopping lines, devices, sub-categories) held once: a record shares them
// with the others. Looked up by the file's bytes, so a value seen before is
// neither decoded nor allocated again.
class Textspeicher
{
public:
    QString text(QByteArrayView v)
    {
        if (v.isEmpty())
            return QString();
        if (v.size() > 48)
            return dekodiere(v); // lines of text: seldom alike
        const auto it = m_texte.constFind(v);
        if (it != m_texte.constEnd())
            return *it;
        const QByteArray &kopie = m_bytes.emplace_back(v.toByteArray());
        const QString text = dekodiere(v);
        m_texte.insert(QByteArrayView(kopie), text);
        return text;
    }

    // Reads a value through the store; its bytes go to bytes.
    bool wert(Leser &l, QString &s, QByteArrayView &bytes)
    {
        if (!l.roh(bytes))
            return false;
        s = text(bytes);
        return true;
    }

    // Reads a value; when its bytes are vorlagenbytes, it is vorlage.
    bool wertWie(Leser &l, QString &s, const QString &vorlage, QByteArrayView vorlagenbytes)
    {
        QByteArrayView v;
        if (!l.roh(v))
            return false;
        s = v == vorlagenbytes ? vorlage : text(v);
        return true;
    }

    // Lines that are all empty in most records: then one list for all.
    bool leereZeilenGeteilt(Leser &l, TString &zeilen, qsizetype anzahl)
    {
        QVarLengthArray<QByteArrayView, 32> roh(anzahl);
        for (QByteArrayView &v : roh)
            if (!l.roh(v))
                return false;
        if (std::all_of(roh.cbegin(), roh.cend(), [](QByteArrayView v) { return v.isEmpty(); })) {
            if (m_leereZeilen.size() != anzahl)
                m_leereZeilen = TString(anzahl);
            zeilen = m_leereZeilen;
            return true;
        }
        zeilen.clear();
        zeilen.reserve(anzahl);
        for (QByteArrayView v : roh)
            zeilen.append(dekodiere(v));
        return true;
    }

private:
    std::deque<QByteArray> m_bytes;         // the keys' bytes
    QHash<QByteArrayView, QString> m_texte; // keys in m_bytes
    TString m_leereZeilen;
};

// speicher, when given, shares the short values repeated across recipes.
bool liesRezept(const QByteArray &z, const QString &dateiname, TTRezepteTotal &out, QString &grund,
                Textspeicher *speicher = nullptr);
QStringList schreibeRezept(const TTRezepteTotal &r);
bool liesIndex(const QByteArray &z, QList<std::pair<QString, QString>> &out, QString &grund);
QStringList schreibeOptionen();
void liesOptionen(const QStringList &z);

} // namespace dateien
