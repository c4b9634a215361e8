// Helpers of the recipe editor: records, lines, units, file names, the
// recipe picture and the text fonts.
#include "recipes/F_Rez.h"
#include "recipes/F_Rez_p.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMultiMap>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Meldung.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "platform/Rtf.h"
#include "platform/Seams.h"
#include "platform/TextFile.h"
#include "reference/F_VAR.h"

namespace rezeditor {

extern const QString Dateikopf20;
const QString Dateikopf20 = QStringLiteral("[TAFELWERKSTATT 2.0]");

bool Gueltiger_Satz(qint32 index)
{
    return index >= 0 && index < RezepteTotal.size();
}

TTRezepteTotal *Aktuelles()
{
    if (AktuellesRezept < 0 || AktuellesRezept >= RezepteTotal.size())
        return nullptr;
    return &RezepteTotal[AktuellesRezept];
}

TTRezepteTotal *Formularsatz()
{
    if (!FRez || !Gueltiger_Satz(FRez->Formularrezept()))
        return nullptr;
    return &RezepteTotal[FRez->Formularrezept()];
}

TTZutatenliste *Zeile_mit_Index(TTRezepteTotal &r, int index)
{
    for (TTZutatenliste &z : r.Zutatenliste)
        if (z.Listenindex == index)
            return &z;
    return nullptr;
}

// "Selected: ..." for the selected ingredient line as it is now.
void Zeige_Zeilenbeschriftung()
{
    TTRezepteTotal *r = Formularsatz();
    const int markiert = FRez->LBZutatliste->currentRow();
    const TTZutatenliste *z = r && markiert >= 0 ? Zeile_mit_Index(*r, markiert) : nullptr;
    if (z)
        FRez->LZutatzeile->setText(QStringLiteral("Selected: ") + Verbinde_Zutatenstring(z->Menge, z->Einheit, z->Name));
    else
        FRez->LZutatzeile->clear();
}

QStringList Ohne_Leerzeilen_am_Ende(QStringList zeilen)
{
    while (!zeilen.isEmpty() && zeilen.last().trimmed().isEmpty())
        zeilen.removeLast();
    return zeilen;
}

QStringList Dokumentzeilen(const QTextDocument *doc)
{
    if (doc->isEmpty())
        return {};
    return Ohne_Leerzeilen_am_Ende(doc->toPlainText().split(QLatin1Char('\n')));
}

QStringList Memozeilen(const QPlainTextEdit *memo)
{
    if (memo->document()->isEmpty())
        return {};
    return memo->toPlainText().split(QLatin1Char('\n'));
}

// Lines as the recipe file holds them: a character the code page lacks
// reads back as "?" there, while the rich text keeps it.
QByteArray In_Codepage(const QStringList &zeilen)
{
    return platform::encodeCp1252(zeilen.join(QLatin1Char('\n')));
}

// The side file when it still matches the record's plain lines (another
// window may have rewritten the lines since), else the plain lines.
void Lade_Text(QTextEdit *feld, const QString &pfad, const TString &zeilen)
{
    const QStringList soll = Ohne_Leerzeilen_am_Ende(zeilen);
    if (!pfad.isEmpty() && platform::fileExists(pfad) && platform::loadRtfFile(pfad, feld->document())
        && In_Codepage(Dokumentzeilen(feld->document())) == In_Codepage(soll)) {
        feld->document()->setModified(false);
        return;
    }
    // the formats of the recipe shown before do not carry over
    feld->setCurrentCharFormat(QTextCharFormat());
    feld->setPlainText(soll.join(QLatin1Char('\n')));
    feld->document()->setModified(false);
}

qint32 Zutatengruppe(const QString &name)
{
    const qint32 k = Suche_Zutat(name, -1);
    if (k >= 0 && Zutatentotal[k].Kategorie >= 0 && Zutatentotal[k].Kategorie < AnzahlZutatengruppen)
        return Zutatentotal[k].Kategorie;
    return 16; // other ingredients
}

// The deluxe columns from the ingredient lines. The lines may have been
// edited in the normal layout meanwhile (moved, inserted, deleted, their
// quantity or name changed): each line takes the preparation of the old row
// that holds the same line, else the first unused row of the same name,
// else the row at its own place when only the name differs. Rows that hold
// only a preparation follow the row they followed before, and go with it.
TTDeluxeliste Deluxe_aus_Zutaten(const TTRezepteTotal &r)
{
    TTAZutatenliste zeilen = r.Zutatenliste;
    Ordne_Zutatenliste(zeilen);
    const TTDeluxeliste &alt = r.Deluxeliste;
    auto feld = [](const TString &l, qsizetype i) { return i < l.size() ? l[i].trimmed() : QString(); };
    // the old rows that hold an ingredient line, and the preparation-only
    // rows after each of them (key -1: before the first)
    QList<qsizetype> reihen;
    QMultiMap<qsizetype, qsizetype> folgezeilen;
    const qsizetype n = std::max({alt.Menge.size(), alt.Einheit.size(), alt.Name.size(), alt.Zubereitung.size()});
    for (qsizetype i = 0; i < n; ++i) {
        if (!(feld(alt.Menge, i) + feld(alt.Einheit, i) + feld(alt.Name, i)).isEmpty())
            reihen << i;
        else if (!feld(alt.Zubereitung, i).isEmpty())
            folgezeilen.insert(reihen.isEmpty() ? -1 : reihen.last(), i);
    }
    QList<qsizetype> zuordnung(zeilen.size(), -1);
    QList<bool> vergeben(reihen.size(), false);
    auto ordne_zu = [&](auto passt) {
        for (qsizetype z = 0; z < zeilen.size(); ++z)
            for (qsizetype k = 0; k < reihen.size() && zuordnung[z] < 0; ++k)
                if (!vergeben[k] && passt(zeilen[z], z, reihen[k], k)) {
                    vergeben[k] = true;
                    zuordnung[z] = reihen[k];
                }
    };
    ordne_zu([&](const TTZutatenliste &l, qsizetype, qsizetype i, qsizetype) {
        return l.Menge.trimmed() == feld(alt.Menge, i) && l.Einheit.trimmed() == feld(alt.Einheit, i)
            && l.Name.trimmed() == feld(alt.Name, i);
    });
    ordne_zu([&](const TTZutatenliste &l, qsizetype, qsizetype i, qsizetype) {
        return l.Name.trimmed() == feld(alt.Name, i);
    });
    ordne_zu([&](const TTZutatenliste &l, qsizetype z, qsizetype i, qsizetype k) {
        return z == k && l.Menge.trimmed() == feld(alt.Menge, i) && l.Einheit.trimmed() == feld(alt.Einheit, i);
    });

    TTDeluxeliste d;
    auto zeile = [&d](const QString &menge, const QString &einheit, const QString &name, const QString &zubereitung) {
        d.Menge.append(menge);
        d.Einheit.append(einheit);
        d.Name.append(name);
        d.Zubereitung.append(zubereitung);
    };
    auto folgende = [&](qsizetype reihe) {
        const QList<qsizetype> f = folgezeilen.values(reihe);
        for (auto it = f.crbegin(); it != f.crend(); ++it) // values() gives the last inserted first
            zeile(QString(), QString(), QString(), feld(alt.Zubereitung, *it));
    };
    folgende(-1);
    for (qsizetype z = 0; z < zeilen.size(); ++z) {
        const qsizetype i = zuordnung[z];
        zeile(zeilen[z].Menge, zeilen[z].Einheit, zeilen[z].Name, i < 0 ? QString() : feld(alt.Zubereitung, i));
        if (i >= 0)
            folgende(i);
    }
    return d;
}

bool Hat_Deluxezeilen(const TTDeluxeliste &d)
{
    for (const TString *l : {&d.Menge, &d.Einheit, &d.Name, &d.Zubereitung})
        for (const QString &s : *l)
            if (!s.trimmed().isEmpty())
                return true;
    return false;
}

// Each device once; "oven" is not a repeat of "baking oven".
QString Kochgeraeteliste(const QString &text)
{
    QStringList geraete;
    for (QString teil : text.split(QLatin1Char(','))) {
        teil = teil.trimmed();
        if (!teil.isEmpty() && !geraete.contains(teil))
            geraete << teil;
    }
    return geraete.isEmpty() ? QString() : geraete.join(QLatin1Char(',')) + QLatin1Char(',');
}

bool Gleiche_Datei(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    return QString::compare(platform::nativePath(a), platform::nativePath(b), Qt::CaseInsensitive) == 0;
}

bool Datei_vergeben(const QString &datei, qint32 ausser)
{
    for (int i = 0; i < RezepteTotal.size(); ++i)
        if (i != ausser && Gleiche_Datei(RezepteTotal[i].Dateiname, datei))
            return true;
    return false;
}

// Any record's side file at pfad, the record ausser excepted.
bool Seitendatei_vergeben(const QString &pfad, qint32 ausser)
{
    for (int i = 0; i < RezepteTotal.size(); ++i)
        if (i != ausser
            && (Gleiche_Datei(Rezept_Anleitungspfad(i), pfad) || Gleiche_Datei(Rezept_Bemerkungspfad(i), pfad)))
            return true;
    return false;
}

bool Schritt(int schritt)
{
    return !Rezeptspeichern_Schritt || Rezeptspeichern_Schritt(schritt);
}

} // namespace rezeditor

QFont Anzeigeschrift(const QFont &option)
{
    // The options' default font names the system font of another platform:
    // the fields then use this system's font, like every other field.
    if (option.family() == Standardschrift.family())
        return QApplication::font();
    return option;
}

bool Waehle_Rezeptgrafik(QWidget *parent, QString &eintrag)
{
    QStringList muster;
    for (const QString &e : platform::pictureExtensions())
        muster << QStringLiteral("*.") + e;
    const QString ordner = Optionen.Rezeptgrafikverzeichnis.isEmpty() ? platform::baseFolder()
                                                                       : Optionen.Rezeptgrafikverzeichnis;
    const QString datei = platform::openFileName(parent, QStringLiteral("Load recipe picture"), ordner,
                                                 QStringLiteral("Pictures (") + muster.join(QLatin1Char(' '))
                                                     + QStringLiteral(");;All files (*)"));
    if (datei.isEmpty())
        return false;
    const QFileInfo info(datei);
    if (!info.isFile())
        return false;
    Optionen.Rezeptgrafikverzeichnis = info.absolutePath();
    if (platform::loadImage(info.absoluteFilePath()).isNull()) {
        Zeige_Meldung(QStringLiteral("The file is not a picture the program can read!"), QStringLiteral("Error:"), Knopf_OK);
        return false;
    }
    const QString basis = platform::baseFolder();
    if (info.absoluteFilePath().startsWith(basis)) {
        eintrag = info.absoluteFilePath().mid(basis.size());
        eintrag.replace(QLatin1Char('/'), QLatin1Char('\\'));
        return true;
    }
    const QString ordnerRel = QStringLiteral("Recipes\\Pictures\\");
    platform::makeFolder(Programmverzeichnis + ordnerRel);
    const QString name = Ermittle_Dateiname(Freier_Rezeptdateiname(Programmverzeichnis + ordnerRel + info.fileName(), -1));
    if (name.isEmpty() || !platform::copyFile(info.absoluteFilePath(), Programmverzeichnis + ordnerRel + name)) {
        Zeige_Meldung(QStringLiteral("The picture could not be copied into the recipe folder!"),
                      QStringLiteral("Error:"), Knopf_OK);
        return false;
    }
    eintrag = ordnerRel + name;
    return true;
}

QPixmap Lade_Rezeptgrafik(const QString &eintrag)
{
    if (eintrag.isEmpty() || !platform::isSafeRelativePath(eintrag))
        return QPixmap();
    const QString pfad = platform::resolveInsideBase(eintrag);
    return pfad.isEmpty() ? QPixmap() : platform::loadPixmap(pfad);
}
