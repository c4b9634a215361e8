#include "reference/Lexikon.h"

#include <QSet>
#include <algorithm>

#include "core/Grundoperationen.h"
#include "mastering/Mastering.h"
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

bool Oeffnet_Eintrag(const QStringList &zeilen, qsizetype i, qint32 gruppenfilter, qint32 &gruppe)
{
    return zeilen[i].startsWith(MarkeGruppenart) && i + 1 < zeilen.size() && Ist_Ganzzahl(zeilen[i + 1], gruppe)
           && (gruppenfilter == -1 || gruppe == gruppenfilter);
}

// Old dictionaries name their pictures .bmp; the shipped pictures are PNG.
QString Grafik_als_PNG(QString grafik)
{
    const qsizetype p = platform::upperCase(grafik).indexOf(QLatin1String(".BMP"));
    if (p >= 0) {
        grafik.remove(p, 4);
        grafik += QStringLiteral(".PNG");
    }
    return grafik;
}

// Reads the lines after the marker at i into slots; returns the line that
// ended the run, from which the scan of the entry goes on.
qsizetype Lies_Zeilenblock(const QStringList &zeilen, qsizetype i, TString &ziel, int plaetze)
{
    int slot = 0;
    qsizetype k = i;
    while (k + 1 < zeilen.size() && slot < plaetze) {
        ++k;
        const QString &zeile = zeilen[k];
        if (!zeile.contains(MarkeEnde) && !zeile.contains(MarkeDivers))
            ziel[slot++] = zeile;
        if (zeile.startsWith(MarkeEnde) || zeile.startsWith(MarkeDivers) || zeile.startsWith(MarkeGruppenart))
            break;
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

bool Lade(qint32 gruppenfilter, const QString &pfad)
{
    GlobalLexikon.clear();
    QStringList zeilen;
    if (!platform::fileExists(pfad) || !platform::readLines(pfad, zeilen))
        return false;
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

    for (QString &zeile : zeilen)
        if (zeile.startsWith(QLatin1String(";;")))
            zeile.clear();

    qint32 gruppe = 0;
    qsizetype eintraege = 0;
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        if (Oeffnet_Eintrag(zeilen, i, gruppenfilter, gruppe))
            ++eintraege;
    GlobalLexikon = TGlobalLexikon(eintraege, Leerer_Eintrag());

    qsizetype nr = 0;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (!Oeffnet_Eintrag(zeilen, i, gruppenfilter, gruppe))
            continue;
        TTLexikon &e = GlobalLexikon[nr++];
        e.Gruppe = gruppe;
        for (qsizetype k = i + 1; k < zeilen.size(); ++k) {
            const QString &zeile = zeilen[k];
            if (zeile.startsWith(MarkeEnde))
                break;
            const QString naechste = k + 1 < zeilen.size() ? zeilen[k + 1] : QString();
            if (zeile.startsWith(MarkeGrafik))
                e.Grafik = Grafik_als_PNG(naechste);
            else if (zeile.startsWith(MarkeGruppe))
                e.Begriff = naechste;
            else if (zeile.startsWith(MarkeText) || zeile.startsWith(MarkeDivers)) {
                const bool text = zeile.startsWith(MarkeText);
                const qsizetype ende = text ? Lies_Zeilenblock(zeilen, k, e.Text, Textzeilen)
                                            : Lies_Zeilenblock(zeilen, k, e.Divers, Diverszeilen);
                // The line that ended the run is looked at again, so a
                // following {DIVERS} or {END} is seen.
                if (ende > k)
                    k = ende - 1;
            }
        }
    }
    Sortiere_Lexikon();
    return true;
}

bool Speichere(const QString &pfad)
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
    return platform::writeLines(pfad, z);
}
} // namespace

bool Lade_Lexikon(quint8 flags, qint32 gruppenfilter, const QString &dateiname)
{
    const QString pfad = Lexikonpfad(dateiname);
    if (flags & Load) {
        if (!Lade(gruppenfilter, pfad))
            return false;
    }
    if (flags & Save)
        return Speichere(pfad);
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
