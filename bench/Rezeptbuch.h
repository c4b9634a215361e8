#pragma once
// Generated recipe books for the benchmarks: recipes of about 1.4 KB in the
// program's own file format, their index and an ingredient database, written
// into a base folder.
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <ctime>

#include "core/Globals.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"

namespace rezeptbuch {

constexpr int kZutaten = 5000;

// Processor time of this thread (user and system) in milliseconds: on a
// shared machine the wall time also counts the waits for a processor.
inline double prozessorzeitMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// A fixed sequence, so that every run sees the same book.
inline quint32 zufall(quint32 &s)
{
    s = s * 1664525u + 1013904223u;
    return s >> 8;
}

inline const QStringList &zutatennamen()
{
    static const QStringList namen = {
        "Garlic", "Onions", "Tomatoes", "Potatoes", "Carrots", "Butter", "Flour", "Sugar", "Eggs", "Milk",
        "Cream", "Olive oil", "Salt", "Pepper", "Parsley", "Basil", "Thyme", "Rosemary", "Chicken breast",
        "Minced beef", "Pork escalopes", "Salmon fillet", "Shrimps", "Rice", "Spaghetti", "Lentils", "Chickpeas",
        "Zucchini", "Aubergine", "Bell pepper", "Mushrooms", "Spinach", "Leeks", "Celery", "Lemon", "Apples",
        "Pears", "Strawberries", "Honey", "Vanilla sugar", "Baking powder", "Yeast", "Cheddar", "Parmesan",
        "Mozzarella", "Yoghurt", "Stock", "White wine", "Red wine", "Vinegar", "Mustard", "Paprika", "Cumin",
        "Cinnamon", "Nutmeg", "Ginger", "Chili", "Coriander", "Almonds", "Walnuts"};
    return namen;
}

inline QStringList rezeptdatei(int i)
{
    quint32 s = quint32(i) * 2654435761u + 17;
    const QStringList &namen = zutatennamen();
    static const char *einheiten[] = {"g", "kg", "ml", "l", "tbsp", "tsp", "cup", ""};
    static const char *geraete[] = {"cooking pot,", "skillet,", "baking oven,", "cooking pot,skillet,", "Salad dish,"};
    static const char *unterkategorien[] = {"Quick", "Vegetarian, Quick", "Italian", "German, Basics",
                                            "Sweet, Baking", "Summer", ""};
    static const char *schritte[] = {
        "Peel and chop the vegetables into small pieces.", "Heat the oil in a large pan over medium heat.",
        "Stir in the spices and let them sizzle for a minute.", "Add the stock and bring everything to the boil.",
        "Reduce the heat, cover and simmer for twenty minutes.", "Season with salt and pepper to taste.",
        "Whisk the eggs with the milk until smooth.", "Bake in the preheated oven until golden brown.",
        "Leave to rest for ten minutes before serving.", "Fold in the herbs just before serving."};
    const int kat = i % AnzahlKategorien;
    QStringList z{QStringLiteral("[TAFELWERKSTATT 2.0]"), Kategorieabschnitte[kat],
                  QStringLiteral("%1 %2 no. %3").arg(namen[zufall(s) % namen.size()], QStringLiteral("dish")).arg(i),
                  QString::number(i % 2), QString::number(44000 + zufall(s) % 2000) + QStringLiteral(".750000"),
                  QString::number(1 + i % 5), QStringLiteral("4 persons"), QStringLiteral("45 minutes"),
                  QString::fromLatin1(geraete[zufall(s) % 5]), QString(),
                  QString::fromLatin1(unterkategorien[zufall(s) % 7]), QStringLiteral("7.50"), QString(), QString()};
    for (int r = 0; r < 29; ++r)
        z << QString();
    z << QStringLiteral("1") << QStringLiteral("A short description of the dish.");
    const int anzahl = 6 + int(zufall(s) % 6);
    QStringList zutaten, mengen, einheitenliste;
    for (int k = 0; k < anzahl; ++k) {
        zutaten << namen[zufall(s) % namen.size()];
        mengen << QString::number(50 * (1 + zufall(s) % 8));
        einheitenliste << QString::fromLatin1(einheiten[zufall(s) % 8]);
    }
    z << QStringLiteral("[ZUTATEN]:") << QString::number(anzahl);
    for (int k = 0; k < anzahl; ++k)
        z << zutaten[k] << QString::number(k % 19) << mengen[k] << einheitenliste[k];
    z << QStringLiteral("[ZUTATENLISTE]:") << QString::number(anzahl);
    for (int k = 0; k < anzahl; ++k)
        z << mengen[k] << einheitenliste[k] << zutaten[k];
    const int n = 4 + int(zufall(s) % 5);
    z << QStringLiteral("[REZEPTLISTE]:") << QString::number(n);
    for (int k = 0; k < n; ++k)
        z << QString::fromLatin1(schritte[zufall(s) % 10]);
    z << QStringLiteral("[EINKAUFSLISTE]:") << QString::number(anzahl);
    for (int k = 0; k < anzahl; ++k)
        z << mengen[k] + QLatin1Char(' ') + einheitenliste[k] + QLatin1Char(' ') + zutaten[k];
    z << QStringLiteral("[DELUXELISTE]:") << QStringLiteral("0") << QStringLiteral("[BEMERKUNGSLISTE]:")
      << QStringLiteral("2") << QStringLiteral("Serve hot.") << QStringLiteral("Keeps two days in the fridge.")
      << QStringLiteral("[EOF]");
    return z;
}

// Straight to the file: the resolver's search for a new name would list the
// growing folder for every file.
inline QString schreibeDirekt(const QString &relativ, const QStringList &zeilen)
{
    QString native = platform::baseFolder() + relativ;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QDir().mkpath(native.left(native.lastIndexOf(QLatin1Char('/'))));
    QFile f(native);
    if (f.open(QIODevice::WriteOnly))
        f.write(platform::encodeCp1252(zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    return native;
}

// Writes n recipes, their index and the ingredient database into the base
// folder set in platform::setBaseFolder; the native paths of every file.
inline QStringList schreibe(int n)
{
    QStringList dateien;
    QStringList index{QStringLiteral("[TAFELWERKSTATT RM]"), QString::number(n)};
    for (int i = 0; i < n; ++i) {
        const int kat = i % AnzahlKategorien;
        const QString rel = QStringLiteral("Recipes\\Recipe %1%2").arg(i).arg(Dateiendung_aus_Kategorie(kat));
        const QStringList datei = rezeptdatei(i);
        dateien << schreibeDirekt(rel, datei);
        index << rel << datei[2] << QString::number(kat);
    }
    index << QStringLiteral("[EOF]");
    dateien << schreibeDirekt(QStringLiteral("PRGDATA\\ENG\\RMListe.hbr"), index);

    QStringList db{QStringLiteral("[TAFELWERKSTATT 2.00]"), QString::number(kZutaten)};
    for (int i = 0; i < kZutaten; ++i) {
        const QString name = i < zutatennamen().size() ? zutatennamen()[i] : QStringLiteral("Ingredient %1").arg(i);
        db << name << name.toLower() << name.toUpper() << QString::number(i % 19)
           << QString::number(i % 5 == 0 ? 0 : 1) << QString() << QStringLiteral("Ingredient%1.png").arg(i)
           << QStringLiteral("g") << QString() << name + QLatin1Char('s');
        for (int k = 5; k < 12; ++k)
            db << QString();
    }
    db << QStringLiteral("[EOF]");
    dateien << schreibeDirekt(QStringLiteral("PRGDATA\\ENG\\Lebensmittel.hbr"), db);
    return dateien;
}

// A fresh temporary base folder with n recipes.
struct Installation {
    QTemporaryDir dir;
    QStringList dateien; // native paths of every file the start-up load reads

    explicit Installation(int n)
    {
        aktiviere();
        dateien = schreibe(n);
    }

    void aktiviere() const
    {
        platform::setBaseFolder(dir.path());
        Programmverzeichnis = platform::baseFolder();
    }
};

} // namespace rezeptbuch
