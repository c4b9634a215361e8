#include "app/Start.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Hauptprogramm.h"
#include "core/Meldung.h"
#include "interactive/F_IAVDB.h"
#include "interactive/F_IAVerb.h"
#include "interactive/F_IAZutat.h"
#include "interactive/F_IAMSG.h"
#include "interactive/F_IAMain.h"
#include "interactive/F_IARezeptladen.h"
#include "interactive/F_IARezepttext.h"
#include "internet/F_Down.h"
#include "internet/F_GraDown.h"
#include "internet/F_News.h"
#include "internet/F_RezDown.h"
#include "internet/F_RezUpload.h"
#include "internet/Internet.h"
#include "internet/News.h"
#include "internet/Update.h"
#include "mastering/F_MIAVerb.h"
#include "mastering/F_MRezOn.h"
#include "mastering/F_TWSM.h"
#include "mastering/F_TWSMNews.h"
#include "mastering/F_TWSMZu.h"
#include "mastering/Mastering.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "platform/Wait.h"
#include "reference/F_AktivZuDa.h"
#include "recipes/F_DigI.h"
#include "reference/F_GeAllZuDa.h"
#include "reference/F_ZEng.h"
#include "reference/F_ZMerge.h"
#include "reference/F_ZuDa.h"
#include "reference/F_Lex.h"
#include "reference/F_Rech.h"
#include "reference/F_TWSMLex.h"
#include "reference/F_VAR.h"
#include "recipes/F_ZutKom.h"
#include "reference/Lexikon.h"
#include "recipes/F_Main.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/F_Meldung.h"
#include "dialogs/F_Tipp.h"
#include "dialogs/F_Warten.h"
#include "recipes/F_Rez.h"
#include "recipes/F_Wiz.h"

void Erzeuge_Formulare()
{
    FMain = new TFMain;
    FMainRezeptbild = new TFMainRezeptbild(FMain);
    FMainTextanzeige = new TFMainTextanzeige(FMain);
    FMainZutatbild = new TFMainZutatbild(FMain);
    FMeldung = new TFMeldung;
    FWarten = new TFWarten;
    FHilfe = new TFHilfe;
    FTipp = new TFTipp;
    FRez = new TFRez;
    FWiz01 = new TFWiz01;
    FWiz02 = new TFWiz02;
    FWiz03 = new TFWiz03;
    FWiz04 = new TFWiz04;
    FWiz05 = new TFWiz05;
    FWiz06 = new TFWiz06;
    FNews = new TFNews;
    FZuDa = new TFZuDa;
    FAktivZuDa = new TFAktivZuDa;
    FGeAllZuDa = new TFGeAllZuDa;
    FZEng = new TFZEng;
    FZMerge = new TFZMerge;
    FLex = new TFLex;
    FTWSMLex = new TFTWSMLex;
    FVAR = new TFVAR;
    FDown = new TFDown;
    FRezUpload = new TFRezUpload;
    FTWSM = new TFTWSM;
    FTWSMZu = new TFTWSMZu;
    FMIAVerb = new TFMIAVerb;
    FMRezOn = new TFMRezOn;
    FTWSMNews = new TFTWSMNews;
    FIAMain = new TFIAMain;
    FIARezepttext = new TFIARezepttext;
    FIAMSG = new TFIAMSG;
    FIARezeptladen = new TFIARezeptladen;
    FRezDown = new TFRezDown;
    FGraDown = new TFGraDown;
    Installiere_Meldungsfenster();
    Registriere_Optionsschrift(FRez, &Setze_Textschrift);
    Registriere_Optionsschrift(FLex, [] { Setze_Lexikonschrift(Optionen.Lexikonschrift); });
    FRech = new TFRech;
    FZutKom = new TFZutKom;
    FDigI = new TFDigI;
    FIAZutat = new TFIAZutat;
    FIAVDB = new TFIAVDB;
    FIAVerb = new TFIAVerb;
}

void Passe_an_Bildschirm_an(QWidget *fenster, const QSize &bildschirm)
{
    if (!fenster || (bildschirm.width() >= 1024 && bildschirm.height() > 767))
        return;
    fenster->setMinimumSize(0, 0);
    fenster->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    fenster->setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    if (bildschirm.height() <= 800)
        fenster->resize(fenster->width(), bildschirm.height() - 40);
}

namespace {

QString datenpfad(const QString &name)
{
    return Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\") + name;
}

// A delivered units list only stands in for a missing one.
void Uebernehme_Neue_Variablenliste()
{
    const QString varNeu = datenpfad(QStringLiteral("Variablen200_NEU.hbr"));
    if (platform::fileExists(varNeu)) {
        const QString var = datenpfad(QStringLiteral("Variablen200.hbr"));
        if (platform::fileExists(var)) {
            platform::removeFile(varNeu);
        } else {
            QString grund;
            if (!Pruefe_Variablenliste(varNeu, grund))
                Melde_Lieferungsfehler(QStringLiteral("Variablen200_NEU.hbr"), grund);
            else if (Kopiere_Dateien(varNeu, QString(), var))
                Loesche_Dateien(datenpfad(QString()), QStringLiteral("Variablen200_NEU.hbr"));
            else
                Melde_Schreibfehler(var);
        }
    }
}

// The dictionary's delivered file goes through the dictionary loader.
void Uebernehme_Neues_Lexikon()
{
    const QString lexNeu = datenpfad(QStringLiteral("LEXIKON\\Lexikon_NEU.hbd"));
    bool speicherfehler = false;
    if (platform::fileExists(lexNeu) && !Uebernehme_Lexikon_Neu(&speicherfehler)) {
        if (speicherfehler)
            Melde_Schreibfehler(datenpfad(QStringLiteral("LEXIKON\\Lexikon.hbd")));
        else
            Melde_Lieferungsfehler(QStringLiteral("LEXIKON\\Lexikon_NEU.hbd"), QStringLiteral("not a dictionary file"));
    }
}

} // namespace

void Uebernehme_Neue_Dateien()
{
    Uebernehme_Neue_Zutaten();
    Uebernehme_Neue_Variablenliste();
    Uebernehme_Neue_Verbliste();
    Uebernehme_Neues_Lexikon();
    Uebernehme_Neue_Einheiteneintraege();
    Uebernehme_Neue_Kommentare();
}

bool TWS_Programmstart_Daten()
{
    if (!ProgrammOK)
        return false;
    // Saves cut short by a kill may have left their temporary files.
    platform::removeStaleTemporaryFiles(Programmverzeichnis);
    Lade_Lexikon(Load, -1, QString());
    Lade_FirstTipp();
    Uebernehme_Neue_Dateien();
    if (!TWS_Dateicheck())
        return false;
    Starte_Internetdienste();
    TWS_Versionscheck();
    // Yes to a waiting set-up ends the program here.
    if (!ProgrammOK)
        return false;
    Frage_nach_Updates();
    if (Zaehle_UngeleseneNews() == 0)
        Zeige_Meldung(QStringLiteral("You have some news to read! Use the menu entry \"update\"!"),
                      QStringLiteral("Hinweis:"), Knopf_OK);

    Lade_Optionen(Load);
    Setze_Tooltipps(QApplication::topLevelWidgets());
    // Format conversions of older data files.
    const bool zutatenGeladen = Lade_Zutaten(Load);
    if (!Lade_Variablenlisten(Load)) {
        Zeige_Meldung(QStringLiteral("Error while loading the unit list!"), QStringLiteral("Fatal error:"), Knopf_OK);
        ProgrammOK = 0;
        return false;
    }
    // The import of new ingredients and unit entries happened with the
    // delivered files above.
    // DruckerInit();
    // Ueberpruefe_Variablenlisten_RICDATA();
    Lade_IAVerben(Load);
    Update_IAVTotal();

    if (!Lade_RezeptdateiManager(Load))
        Zeige_Meldung(QStringLiteral("Error in the recipe manager file!"), QStringLiteral("Error:"), Knopf_OK);
    AktuellesRezept = -1;
    Lade_Rezepte(Load | Alle, -1);
    // Recipe-file conversions.
    if (!zutatenGeladen || !Lade_Zutaten(Load))
        Zeige_Meldung(QStringLiteral("Error on the ingredient database!"), QStringLiteral("Error:"), Knopf_OK);
    Lade_RezeptdateiManager(Save);
    // Setze_GlobalOptionen_Forms();
    return ProgrammOK != 0;
}

int TWS_Hauptprogramm(QApplication &app)
{
    TWS_Grundwerte();
    app.setApplicationName(QStringLiteral("Tablecraft Works"));
    app.setApplicationDisplayName(QStringLiteral("Tablecraft Works"));
    Erzeuge_Formulare();
    Aufbereitungsfenster_Auf(nullptr, AF_Nichts,
                             QStringLiteral("Tablecraft Works 4.00\nSearching for internet connection..."));
    if (QScreen *screen = QGuiApplication::primaryScreen())
        Passe_an_Bildschirm_an(FRez, screen->size());
    const bool weiter = TWS_Programmstart_Daten();
    Aufbereitungsfenster_Zu(AF_Nichts);
    // A set-up started at the version check is a normal end.
    if (!weiter)
        return SetupStarten ? 0 : 1;
    Programmstart(false);
    FMain->show();
    if (Zeige_Tipp() == 0)
        platform::waitWhileVisible(FTipp);
    Zeige_Updatehinweis();
    return app.exec();
}
