#pragma once
// A recipe file as the program writes it, line for line. Every field has a
// plain default; the ingredients fill both ingredient sections.
#include <QList>
#include <QString>
#include <QStringList>

namespace testing {

struct RecipeIngredient {
    RecipeIngredient(QString n, int c = -1, QString q = {}, QString u = {})
        : name(std::move(n)), category(c), quantity(std::move(q)), unit(std::move(u))
    {
    }
    QString name;
    int category;
    QString quantity, unit;
};

struct RecipeFile {
    QString tag = QStringLiteral("[KOCHREZEPT]:"); // the category's section tag
    QString name;
    QString deluxe = QStringLiteral("0");
    QString cookedOn = QStringLiteral("45321.750000");
    QString difficulty = QStringLiteral("2");
    QString servings = QStringLiteral("4 persons");
    QString time = QStringLiteral("30 minutes");
    QString devices = QStringLiteral("cooking pot,");
    QString picture, subcategories, price, instructionsFile, remarksFile;
    QStringList reserve = QStringList(29);
    QStringList summary;
    QList<RecipeIngredient> ingredients;
    QStringList instructions, shopping;
    QStringList deluxeList; // quantity, unit, name, preparation for each entry
    QStringList remarks;

    QStringList lines() const;
};

} // namespace testing
