#include "reference/Lexikon.h"

#include <QSet>
#include <algorithm>

#include "core/Grundoperationen.h"
#include "core/Protokoll.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace {
const QString Lexikonkopf = QStringLiteral("[TAFELWERKSTATT LEXIKON]");
const QString MarkeGruppenart = QStringLiteral("{GRUPPENART}");
const QString MarkeGrafik = QStringLiteral("{GRAFIKFILENAME}");
const QString MarkeGruppe = QStringLiteral("{GRUPPE}");
const QString MarkeText = QStringLiteral("{TEXT}");
const QString MarkeDivers = QStringLiteral("{DIVERS}");
const QString MarkeEnde = QStringLiteral("{END}");
// Lines beginning so are comments: the reader blanks them.
const QString Kommentaranfang = QStringLiteral(";;");
constexpr int Textzeilen = 100;
constexpr int Diverszeilen = 10;

QString Lexikonpfad(const QString &dateiname)
{
    return Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\LEXIKON\\")
           + (dateiname.isEmpty() ? QStringLiteral("Lexikon.hbd") : dateiname);
}

// A whole line that is a decimal integer (optional sign).
bool Ist_Ganzzahl(const QString &zeile, qint32 &zahl)
{
    if (zeile.isEmpty())
        return false;
    qsizetype i = (zeile[0] == QLatin1Char('-') || zeile[0] == QLatin1Char('+')) ? 1 : 0;
    if (i >= zeile.size())
        return false;
    for (qsizetype k = i; k < zeile.size(); ++k)
        if (zeile[k] < QLatin1Char('0') || zeile[k] > QLatin1Char('9'))
            return false;
    bool ok = false;
    zahl = zeile.toInt(&ok);
    return ok;
}

// A line that begins with "{GRUPPENART}" and is followed by a whole-line
// integer opens an entry.
bool Oeffnet_Eintrag(const QStringList &zeilen, qsizetype i, qint32 &gruppe)
{
    return zeilen[i].startsWith(MarkeGruppenart) && i + 1 < zeilen.size() && Ist_Ganzzahl(zeilen[i + 1], gruppe);
}

// Old dictionaries name their pictures .bmp; the shipped pictures are PNG.
// Only the extension is replaced, so a converted name stays as it is.
QString Grafik_als_PNG(QString grafik)
{
    if (grafik.endsWith(QLatin1String(".BMP"), Qt::CaseInsensitive)) {
        grafik.chop(4);
        grafik += QStringLiteral(".PNG");
    }
    return grafik;
}

bool Beendet_Eintrag(const QString &zeile)
{
    return zeile.startsWith(MarkeEnde) || zeile.startsWith(MarkeGruppenart);
}

// Reads the lines after the marker at i into slots until a line that begins
// with a marker ending the run; lines past the last slot are passed over.
// Returns the line that ended the run (or the end of the lines), from which
// the scan of the entry goes on.
qsizetype Lies_Zeilenblock(const QStringList &zeilen, qsizetype i, TString &ziel, int plaetze)
{
    int slot = 0;
    qsizetype k = i + 1;
    for (; k < zeilen.size(); ++k) {
        const QString &zeile = zeilen[k];
        if (Beendet_Eintrag(zeile) || zeile.startsWith(MarkeDivers))
            break;
        if (slot < plaetze)
            ziel[slot++] = zeile;
    }
    return k;
}

TTLexikon Leerer_Eintrag()
{
    TTLexikon e;
    e.Text = TString(Textzeilen, QString());
    e.Divers = TString(Diverszeilen, QString());
    return e;
}

// Reads the entry opened at i; returns the line after it. A marker counts
// only at the start of a line, and the value lines after the group, picture
// and term markers are taken as values, never as markers. An entry ends at
// "{END}" or where the next one begins, so every line is looked at once.
qsizetype Lies_Eintrag(const QStringList &zeilen, qsizetype i, TTLexikon &e)
{
    qsizetype k = i + 2;
    while (k < zeilen.size()) {
        const QString &zeile = zeilen[k];
        if (zeile.startsWith(MarkeEnde))
            return k + 1;
        if (zeile.startsWith(MarkeGruppenart))
            return k;
        if (zeile.startsWith(MarkeGrafik) || zeile.startsWith(MarkeGruppe)) {
            const QString wert = k + 1 < zeilen.size() ? zeilen[k + 1] : QString();
            if (zeile.startsWith(MarkeGrafik))
                e.Grafik = Grafik_als_PNG(wert);
            else
                e.Begriff = wert;
            k += 2;
        } else if (zeile.startsWith(MarkeText)) {
            k = Lies_Zeilenblock(zeilen, k, e.Text, Textzeilen);
        } else if (zeile.startsWith(MarkeDivers)) {
            k = Lies_Zeilenblock(zeilen, k, e.Divers, Diverszeilen);
        } else {
            ++k;
        }
    }
    return k;
}
} // namespace

bool Lies_Lexikon(QStringList zeilen, qint32 gruppenfilter)
{
    GlobalLexikon.clear();
    // Header, the line count (which older files use as the number of lines to
    // read; the whole file is read instead, so nothing past it is lost), the
    // title, the group count and the group names.
    qint32 anzahl = 0;
    qint32 gruppen = 0;
    if (zeilen.size() < 4 || zeilen[0] != Lexikonkopf || !Ist_Ganzzahl(zeilen[1].trimmed(), anzahl) || anzahl < 0
        || !Ist_Ganzzahl(zeilen[3].trimmed(), gruppen) || gruppen < 0 || gruppen > zeilen.size() - 4)
        return false;
    LexikonGruppenanzahl = gruppen;
    LexikonGruppen = zeilen.mid(4, gruppen);

    // The entries follow the group names, which may read like anything.
    const qsizetype erste = 4 + qsizetype(gruppen);
    for (qsizetype i = erste; i < zeilen.size(); ++i)
        if (zeilen[i].startsWith(Kommentaranfang))
            zeilen[i].clear();

    qsizetype i = erste;
    while (i < zeilen.size()) {
        qint32 gruppe = 0;
        if (!Oeffnet_Eintrag(zeilen, i, gruppe)) {
            ++i;
            continue;
        }
        TTLexikon e = Leerer_Eintrag();
        e.Gruppe = gruppe;
        i = Lies_Eintrag(zeilen, i, e);
        if (gruppenfilter == -1 || gruppe == gruppenfilter)
            GlobalLexikon.append(std::move(e));
    }
    Sortiere_Lexikon();
    return true;
}

QString Lexikon_Markenanfang(const QString &zeile)
{
    for (const QString &marke : {MarkeGruppenart, MarkeGrafik, MarkeGruppe, MarkeText, MarkeDivers, MarkeEnde,
                                 Kommentaranfang})
        if (zeile.startsWith(marke))
            return marke;
    return QString();
}

QStringList Lexikonzeilen()
{
    QStringList z;
    z << Lexikonkopf << QStringLiteral("380000") << QStringLiteral("Das kleine Herdfibel 5.00");
    const qint32 gruppen = qMax(0, LexikonGruppenanzahl);
    z << QString::number(gruppen);
    for (qint32 g = 0; g < gruppen; ++g)
        z << LexikonGruppen.value(g);
    z << QStringLiteral(";; GesamtZeilenanzahl zum Einlesen")
      << QStringLiteral(";; Gruppenart: 0= Kochbegriffe, 1=Obst/Gemüsearten/Exoten / Kräuter/Salate/Gewürze/Kerne,")
      << QStringLiteral(";; Grafikfilename : Grafikname, z.B. Blanchieren.bmp in 200*150 BxH Pixeln, liegt in \\Help\\")
      << QStringLiteral(";; -\\GFXZUTAT\\speisequark.bmp bedeutet liegt in einem anderen Verzeichnis");
    for (const TTLexikon &e : std::as_const(GlobalLexikon)) {
        if (e.Begriff.isEmpty() || e.Gruppe < 0 || e.Gruppe > 2)
            continue;
        z << MarkeGruppenart << QString::number(e.Gruppe) << MarkeGrafik << e.Grafik << MarkeGruppe << e.Begriff
          << MarkeText;
        for (const QString &t : e.Text)
            if (!t.isEmpty())
                z << t;
        z << MarkeDivers;
        for (const QString &d : e.Divers)
            if (!d.isEmpty())
                z << d;
        z << MarkeEnde;
    }
    return z;
}

bool Lade_Lexikon(quint8 flags, qint32 gruppenfilter, const QString &dateiname)
{
    const QString pfad = Lexikonpfad(dateiname);
    if (flags & Load) {
        GlobalLexikon.clear();
        QStringList zeilen;
        if (!platform::fileExists(pfad) || !platform::readLines(pfad, zeilen))
            return false;
        if (!Lies_Lexikon(std::move(zeilen), gruppenfilter))
            return false;
    }
    if (flags & Save)
        return platform::writeLines(pfad, Lexikonzeilen());
    return true;
}

void Sortiere_Lexikon()
{
    if (GlobalLexikon.size() <= 2)
        return;
    // Keys compared as code-page bytes, so capitals sort before small letters
    // and equal keys keep their order, as the old exchange sort did.
    QList<QByteArray> schluessel;
    schluessel.reserve(GlobalLexikon.size());
    for (const TTLexikon &e : std::as_const(GlobalLexikon)) {
        QString s = e.Begriff;
        Ersetze_Sonderbuchstaben(s);
        schluessel.append(platform::encodeCp1252(s));
    }
    QList<qsizetype> folge(GlobalLexikon.size());
    for (qsizetype i = 0; i < folge.size(); ++i)
        folge[i] = i;
    std::stable_sort(folge.begin(), folge.end(),
                     [&](qsizetype a, qsizetype b) { return schluessel[a] < schluessel[b]; });
    TGlobalLexikon sortiert;
    sortiert.reserve(GlobalLexikon.size());
    for (qsizetype i : folge)
        sortiert.append(GlobalLexikon[i]);
    GlobalLexikon = sortiert;
}

bool Uebernehme_Lexikon_Neu(bool *speicherfehler)
{
    if (speicherfehler)
        *speicherfehler = false;
    const QString neu = Lexikonpfad(QStringLiteral("Lexikon_NEU.hbd"));
    if (!platform::fileExists(neu))
        return false;

    // The user's dictionary first, so that terms the user added survive.
    const bool eigenesGeladen = Lade_Lexikon(Load, -1, QString());
    const TGlobalLexikon eigenes = GlobalLexikon;
    const qint32 eigeneGruppenanzahl = LexikonGruppenanzahl;
    const TString eigeneGruppen = LexikonGruppen;

    if (!Lade_Lexikon(Load, -1, QStringLiteral("Lexikon_NEU.hbd"))) {
        Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Lexikon nicht übernommen, Datei fehlerhaft: ") + neu);
        GlobalLexikon = eigenes;
        LexikonGruppenanzahl = eigeneGruppenanzahl;
        LexikonGruppen = eigeneGruppen;
        return false;
    }

    if (eigenesGeladen) {
        // The delivered entries replace the user's entries of the same term;
        // terms only the user has stay.
        QSet<QString> begriffe;
        for (const TTLexikon &e : std::as_const(GlobalLexikon))
            begriffe.insert(platform::upperCase(e.Begriff));
        for (const TTLexikon &e : eigenes)
            if (!begriffe.contains(platform::upperCase(e.Begriff)))
                GlobalLexikon.append(e);
        // A delivery may know fewer groups than the user's file.
        if (eigeneGruppenanzahl > LexikonGruppenanzahl) {
            LexikonGruppenanzahl = eigeneGruppenanzahl;
            LexikonGruppen = eigeneGruppen;
        }
        Sortiere_Lexikon();
    }

    if (!Lade_Lexikon(Save, -1, QString())) {
        if (speicherfehler)
            *speicherfehler = true;
        Schreibe_Protokoll(ProtokollFehler, QStringLiteral("Lexikon nicht gespeichert: ") + Lexikonpfad(QString()));
        return false;
    }
    platform::removeFile(neu);
    Schreibe_Protokoll(ProtokollOK, QStringLiteral("Lexikon übernommen: ") + neu);
    return true;
}
