#pragma once
// The edition run of the release window: which build an edition and update
// package choose, the prelude that refreshes the master copies, and the
// builds themselves. A build is a list of steps (copy, delete, rename and a
// few named procedures) assembled from tables by variant and then run; every
// step writes its protocol lines. Paths are system paths: the master root
// ends with its separator and every folder below it ends with a backslash.
#include <QList>
#include <QString>
#include <QStringList>

// The builds of the run table.
enum class TBauart : quint8 {
    Keine,          // the combination has no build
    Komplett,       // complete edition, variants 0, 1, 3, 6, 7, 8
    UpdateA,        // update packages
    UpdateB,
    UpdateC,
    Marken,         // brand picture package
    Lexikon,        // dictionary edition, variants 4, 5
    Grafikpaket,    // ingredient picture package, variants 9, 10
    Programmdaten,  // program data, variant 11
    Programmdaten31, // program data of edition 3 with package 1
    Englisch,       // English edition, forms 12 and 13
};

struct TBau {
    TBauart Art = TBauart::Keine;
    int Variante = -1;
    QString Ordner; // the edition folder below the master root ("Edition_0\")
};

// The build for an edition (CBArt index) and package (Masterupdate; -1 none).
TBau Waehle_Bau(int edition, int paket);

// Where a step reads or writes: the program's base folder, the master data
// tree (root + "Masterdaten\") or the edition folder.
enum class TWurzel : quint8 { P, M, E };

enum class TAktion : quint8 {
    Zutatencheck,     // the check of both master ingredient databases
    Leeren,           // empty a folder set (Wert)
    Review,           // open the edition's release notes in the text editor
    Lade_Master,      // load the master ingredient database named Maske
    Zutatengrafiken,  // ingredient pictures by category rule (Wert)
    Markengrafiken,   // *.png of every brand folder: Von + Quelle + brand -> E GFXZUTAT
    Basisgrafiken,
    Nummerngrafiken,
    Kopieren,         // Kopiere_Dateien(Von + Quelle, Maske, Nach + Ziel)
    Loeschen,         // delete Nach + Ziel + Maske, no line
    Loeschen_mit_Zeile, // the same with OK "Lösche Datei: "
    Loeschen_Maske,   // Loesche_Dateien(Nach + Ziel, Maske)
    Umbenennen,       // in Nach + Ziel: Quelle -> Maske
    Dateikopie,       // whole-file copy Von + Quelle -> Nach + Ziel, no line
    Hintergrund,      // the shipped background under the current background's name
    Schluessel,       // the two upload key pictures
    Anleitung,        // the manual Maske from the master to P and E
    Umrechnung,       // RICNEU.hbr and RICWerteNEU.hbr to E and P
    Uebernahme,       // the three databases to their take-over names
    Lexikon_Uebernahme,
    Lexikon_laden,
    Lexikongrafiken,  // the pictures the master dictionary names
    LM_Share_pruefen, // the OK/ERROR line after shipping the all-ingredients database
    Englisch_laden,   // the English working copy of the shipped database
    Englischcheck,
    Fertig,           // "Ready." and the reminder to copy the program
    Nur_Ready,        // "Ready." alone
};

struct TSchritt {
    TSchritt(TAktion a = TAktion::Nur_Ready, TWurzel von = TWurzel::P, QString quelle = {}, QString maske = {},
             TWurzel nach = TWurzel::E, QString ziel = {})
        : Aktion(a), Von(von), Quelle(std::move(quelle)), Maske(std::move(maske)), Nach(nach), Ziel(std::move(ziel))
    {
    }
    TAktion Aktion;
    TWurzel Von;
    QString Quelle;
    QString Maske;
    TWurzel Nach;
    QString Ziel;
    int Wert = 0;
};

// Folder sets emptied by the builds.
enum TOrdnersatz : int {
    SatzT,           // the whole tree
    SatzT2,          // the tree without D + "Reigenkost\"
    SatzT2_IAKletzt, // the same with the kitchen pictures last
    SatzUpdateA,
    SatzUpdateB,
    SatzUpdateC,
    SatzLexikon,
    SatzEnglisch,
    SatzMarken,      // GFXZUTAT\ENG\ and the brand folders
};
// The folders of a set, relative to the edition folder, in emptying order.
QStringList Ordnersatz(int satz);

// Category rules of the ingredient pictures.
enum TKategorieregel : int { RegelAlle, RegelNur1, RegelBis1, RegelOhne1, RegelUeber1, RegelOhne1000 };
bool Regel_erlaubt(int regel, qint32 kategorie);

// The steps of a build, in order.
QList<TSchritt> Bauschritte(const TBau &bau);

// Refuses (false) an edition folder that is the program folder or the master
// root, or lies above either of them: emptying it would delete their files.
bool Editionsordner_erlaubt(const QString &edition, const QString &programm, const QString &masterpfad);

// The prelude that every build but the English ones runs first (the English
// edition 12 has its own, shorter one).
void Mastere_Vorlauf(const QString &masterpfad);
void Mastere_Vorlauf_ENG(const QString &masterpfad);

// Runs the steps with R = masterpfad and E = masterpfad + bau.Ordner.
void Fuehre_Bau_aus(const QString &masterpfad, const TBau &bau);

// The check of the English working copies (PRGDATA\ENG\ENG\ of the base
// folder): as the check of the shipped databases, with every default unit
// emptied and the shipped database saved as well.
void Checke_Lebensmittel_ENG(const QString &masterpfad);
// The English builds (12 and 13).
void Mastere_ENG(const QString &masterpfad, int edition);

// The whole run for an edition and package: the protocol heading lines, the
// refusals, the prelude and the build. False when nothing was built.
bool Mastere_Edition(const QString &masterpfad, int edition, int paket, const QString &editionstext,
                     const QString &pakettext);
