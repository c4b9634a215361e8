#pragma once
// Fixed vocabulary of the data core. Index from 0.
#include <QString>
#include <array>

#include "core/Globals.h"

// Recipe categories in category order: file masks ("*.KRP"; characters 2 to 5
// are the extension), section tags and English names.
extern const std::array<QString, AnzahlKategorien> Kategoriemasken;
extern const std::array<QString, AnzahlKategorien> Kategorieabschnitte;
extern const std::array<QString, AnzahlKategorien> Kategoriebezeichnungen;
// The same names in the display order of the category lists.
extern const std::array<QString, AnzahlKategorien> Kategorienamen;
// Category icons below Grafiken\ENG\ICO\ (16, 32 and 48 pixel forms:
// "<name>16.png" ...) and the wizard's pictures "Wizard_<n>.PNG".
extern const std::array<QString, AnzahlKategorien> Kategorieicons;

// Ingredient groups and their pictures in Grafiken\ENG\PNG\IAKOCHEN\.
extern const std::array<QString, AnzahlZutatengruppen> Zutatengruppen;
extern const std::array<QString, AnzahlZutatengruppen> Zutatengruppengrafiken;

// Brand names of food makers; entry 0 is a generic word that the name
// formatter never strips. Each is a sub-folder of GFXZUTAT\ENG\.
constexpr int AnzahlMarken = 20;
extern const std::array<QString, AnzahlMarken> Markennamen;

// English cooking-device captions of the recipe editor; entry 0 is the prompt.
extern const std::array<QString, 19> Kochgeraetenamen;

// The common paper colour of the windows (TColor).
constexpr quint32 Fensterfarbe = 0x00A6D7E5;
// Gives a window (or panel) that paper colour as its background.
void Setze_Fensterfarbe(class QWidget *w);

// Category of a file extension (".KRP", any case); -1 when none.
int Kategorie_aus_Dateiendung(const QString &endung);
// ".KRP" for category 0; empty outside 0..20.
QString Dateiendung_aus_Kategorie(int kategorie);
