// Shared helpers of the data-file routines, copies and the shell.
#include "core/Dateioperationen.h"

#include <QProcess>

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>

#include "core/Dateioperationen_p.h"
#include "core/Grundoperationen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Seams.h"
#include "platform/TextFile.h"
#include "core/Meldung.h"

namespace dateien {

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
    if (gesperrteDateien().isEmpty())
        return; // the usual case, without finding the file
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
                  QStringLiteral("Error:"), Knopf_OK);
}

void meldeSchreibfehler(const QString &pfad, int fehler)
{
    const QString datei = Ermittle_Dateiname(pfad);
    Zeige_Meldung(fehler ? QStringLiteral("The file %1 could not be written because %2; the old file was kept.")
                               .arg(datei, Schreibfehlergrund(fehler))
                         : QStringLiteral("The file %1 could not be written; the old file was kept.").arg(datei),
                  QStringLiteral("Error:"), Knopf_OK);
}

bool meldeGesperrt(const QString &pfad)
{
    Zeige_Meldung(QStringLiteral("The file %1 could not be read correctly, so it is not overwritten.")
                      .arg(Ermittle_Dateiname(pfad)),
                  QStringLiteral("Error:"), Knopf_OK);
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

bool istText(QByteArrayView v, QStringView text)
{
    // The code page gives one character per byte.
    if (v.size() != text.size())
        return false;
    for (qsizetype i = 0; i < v.size(); ++i) {
        const auto b = uchar(v[i]);
        if (b >= 0x80)
            return dekodiere(v) == text;
        if (b != text[i].unicode())
            return false;
    }
    return true;
}

qsizetype zeilenenden(QByteArrayView v)
{
    constexpr quint64 einsen = 0x0101010101010101ull;
    constexpr quint64 hoch = einsen * 0x80;
    constexpr quint64 niedrig = ~hoch;
    const char *p = v.data();
    const qsizetype n = v.size();
    qsizetype anzahl = 0;
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 w;
        std::memcpy(&w, p + i, sizeof w);
        w ^= einsen * '\n'; // a line feed becomes a zero byte
        // The high bit of each byte is set unless the byte is zero.
        const quint64 nichtNull = (((w & niedrig) + niedrig) | w) & hoch;
        // The high bits moved to the bytes' low bits and summed up in the
        // top byte by the multiplication.
        anzahl += 8 - qsizetype(((nichtNull >> 7) * einsen) >> 56);
    }
    for (; i < n; ++i)
        anzahl += p[i] == '\n';
    return anzahl;
}

QByteArrayView ohneRand(QByteArrayView v)
{
    while (!v.isEmpty() && (v.front() == ' ' || v.front() == '\t'))
        v = v.sliced(1);
    while (!v.isEmpty() && (v.back() == ' ' || v.back() == '\t'))
        v.chop(1);
    return v;
}

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
    int fehler = 0;
    if (!platform::writeLines(pfad, zeilen, &fehler)) {
        if (!TEigene_Schreibfehlermeldung::Uebernimm(fehler))
            meldeSchreibfehler(pfad, fehler);
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

// --- delivered files ------------------------------------------------------------

void meldeLieferung(const QString &name, const QString &grund)
{
    Zeige_Meldung(QStringLiteral("The delivered file %1 could not be read and was not taken over (%2).").arg(name, grund),
                  QStringLiteral("Error:"), Knopf_OK);
}

} // namespace dateien

using namespace dateien;

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

namespace {
TEigene_Schreibfehlermeldung *eigeneMeldung = nullptr;
}

TEigene_Schreibfehlermeldung::TEigene_Schreibfehlermeldung()
    : m_vorige(std::exchange(eigeneMeldung, this))
{
}

TEigene_Schreibfehlermeldung::~TEigene_Schreibfehlermeldung()
{
    eigeneMeldung = m_vorige;
}

bool TEigene_Schreibfehlermeldung::Uebernimm(int fehler)
{
    if (!eigeneMeldung)
        return false;
    if (!eigeneMeldung->m_fehler)
        eigeneMeldung->m_fehler = fehler ? fehler : EIO;
    return true;
}

QString Schreibfehlergrund(int fehler)
{
    switch (fehler) {
    case 0:
        return {};
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("the disk is full");
    case EFBIG:
        return QStringLiteral("the disk is full (the file size limit is reached)");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("the folder may not be written");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("its folder does not exist");
    case EISDIR:
        return QStringLiteral("a folder stands in the file's place");
    default:
        return QStringLiteral("of a system error (%1)").arg(QString::fromUtf8(strerrordesc_np(fehler)));
    }
}
