#include "core/Globals.h"

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <algorithm>
#include <cmath>


#include "platform/Paths.h"
#include "platform/Seams.h"

QString Programmverzeichnis;
quint8 ProgrammOK = 1;
quint8 SetupStarten = 0;
quint8 NeueRezepte = 0;
quint8 NeueGrafiken = 0;
quint8 NeueZutaten = 0;
quint8 NeueVersion = 0;
quint8 NewsLaden = 0;
double Startzeit = 0;
QFont Standardschrift;

TTNewstype News;
QString Hintergrundgrafik;

TRezepteTotal RezepteTotal;
qint32 AktuellesRezept = -1;
TZutatentotal Zutatentotal;
TVariablenTotal VariablenTotal;
TString Zutatenkommentare;
TOptionen Optionen;

TTIAStatus IAStatus;
TIAVERBEN IAVERBEN;
TIAVTotalliste IAVTotalliste;
TIARezepttext IARezepttext;
TIAVERBEN IAVerbPuffer;
qint32 IAHandZutat = -1, IAVerbInHand = -1, IAWaageZutat = -1, IAPopupZutat = -1, IARegalZaehler = 0;
qint32 IAZutatenregalOffset = 0, IAGewuerzregalOffset = 0, IAGeraeteOffset = 0, IAVerbOffset = 0;
qint32 IAMausX = 0, IAMausY = 0;
std::array<TTVerbFeld, 25> IAVerbFelder;
qint32 TutorialSchritt = 0;
qint32 AktuellerTipp = 1;
TGlobalFirstTipp GlobalFirstTipp;

qint32 ZuDaIndex = -1;
quint8 ZuDaNeu = 0;
quint8 ZuDaFertig = 0;
QWidget *ZuDaAufruferfenster = nullptr;

TGlobalLexikon GlobalLexikon;
qint32 LexikonGruppenanzahl = 0;
TString LexikonGruppen;

namespace {
const QDateTime &epoch()
{
    static const QDateTime e(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return e;
}
} // namespace

double DateTimeToTWS(const QDateTime &dt)
{
    // Local wall-clock time, as the day count has no time zone.
    const QDateTime wall(dt.date(), dt.time(), Qt::UTC);
    return double(epoch().msecsTo(wall)) / 86400000.0;
}

QDateTime TWSToDateTime(double days)
{
    // A day number from a file may be anything: kept within years 1..9999,
    // as the conversion to milliseconds must not overflow.
    days = std::isnan(days) ? 0 : std::clamp(days, -693593.0, 2958465.999999);
    const QDateTime wall = epoch().addMSecs(qint64(days * 86400000.0 + (days >= 0 ? 0.5 : -0.5)));
    return QDateTime(wall.date(), wall.time());
}

double Jetzt()
{
    return DateTimeToTWS(platform::now());
}

void GlobalSystemInit()
{
    platform::setBaseFolder(QDir::currentPath());
    Programmverzeichnis = platform::baseFolder();
    Startzeit = Jetzt();
    AktuellesRezept = -1;
    ProgrammOK = 1;
    Standardschrift = QFont(QStringLiteral("MS Sans Serif"), 8);
}

void GlobalVARInit()
{
    RezepteTotal = TRezepteTotal(1);
    Zutatentotal = TZutatentotal(1);
    VariablenTotal = TVariablenTotal(1);
    Zutatenkommentare = TString{QString()};
    IAVERBEN = TIAVERBEN(1);
    IAVTotalliste = TIAVTotalliste(1);
    IARezepttext = TIARezepttext(1);
    IAVerbPuffer = TIAVERBEN(1);
    GlobalLexikon = TGlobalLexikon(1);
    LexikonGruppen = TString{QString()};
    LexikonGruppenanzahl = 0;
    GlobalFirstTipp = TGlobalFirstTipp(1);
    News = TTNewstype();
    News.Inhalt = TNewsInhalt(1);
    Optionen.Schrift1 = Standardschrift;
    Optionen.Schrift2 = Standardschrift;
    Optionen.Schrift3 = Standardschrift;
    Optionen.Schrift4 = Standardschrift;
    Optionen.Lexikonschrift = Standardschrift;
}

void Setze_GlobalOptionen()
{
    const QFont fonts[] = {Optionen.Schrift1, Optionen.Schrift2, Optionen.Schrift3, Optionen.Schrift4,
                           Optionen.Lexikonschrift};
    Optionen = TOptionen();
    Optionen.Schrift1 = fonts[0];
    Optionen.Schrift2 = fonts[1];
    Optionen.Schrift3 = fonts[2];
    Optionen.Schrift4 = fonts[3];
    Optionen.Lexikonschrift = fonts[4];
    Optionen.Rezeptverzeichnis = Programmverzeichnis + QStringLiteral("Recipes\\");
    Optionen.Exportverzeichnis = Programmverzeichnis + QStringLiteral("PreparedRecipes\\");
    Hintergrundgrafik = QStringLiteral("Hintergrund.png");
    IAStatus = TTIAStatus();
}

void Initialisiere_Rezept(qint32 index)
{
    if (index < 0 || index >= RezepteTotal.size())
        return;
    TTRezepteTotal r;
    r.Kochdatum = Jetzt();
    r.Zutaten = TTARezeptzutat(1);
    r.Zutatenliste = TTAZutatenliste(1);
    r.Rezeptliste = TString{QString()};
    r.Einkaufsliste = TString{QString()};
    r.Bemerkungsliste = TString{QString()};
    r.Reservezeilen = TString{QString()};
    r.Rezeptkurzinfo = TString{QString()};
    r.Deluxeliste.Menge = r.Deluxeliste.Einheit = r.Deluxeliste.Name = r.Deluxeliste.Zubereitung = TString{QString()};
    r.IAZutaten = TTAIAZutatenliste(1);
    RezepteTotal[index] = r;
}

void Initialisiere_Zutat(qint32 index)
{
    if (index < 0 || index >= Zutatentotal.size())
        return;
    Zutatentotal[index] = TTZutatentotal();
}

void Initialisiere_IAZutatenzeile(qint32 rezept, qint32 zeile)
{
    if (rezept < 0 || rezept >= RezepteTotal.size())
        return;
    auto &items = RezepteTotal[rezept].IAZutaten;
    if (zeile < 0 || zeile >= items.size())
        return;
    items[zeile] = TTIAZutatenliste();
}
