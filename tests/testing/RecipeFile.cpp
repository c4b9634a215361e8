#include "testing/RecipeFile.h"

namespace testing {

QStringList RecipeFile::lines() const
{
    QStringList l{QStringLiteral("[TAFELWERKSTATT 2.0]"), tag, name, deluxe, cookedOn, difficulty, servings, time,
                  devices, picture, subcategories, price, instructionsFile, remarksFile};
    l << reserve << QString::number(summary.size()) << summary;
    QStringList full, list;
    for (const RecipeIngredient &z : ingredients) {
        full << z.name << QString::number(z.category) << z.quantity << z.unit;
        list << z.quantity << z.unit << z.name;
    }
    l << QStringLiteral("[ZUTATEN]:") << QString::number(ingredients.size()) << full;
    l << QStringLiteral("[ZUTATENLISTE]:") << QString::number(ingredients.size()) << list;
    l << QStringLiteral("[REZEPTLISTE]:") << QString::number(instructions.size()) << instructions;
    l << QStringLiteral("[EINKAUFSLISTE]:") << QString::number(shopping.size()) << shopping;
    l << QStringLiteral("[DELUXELISTE]:") << QString::number(deluxeList.size() / 4) << deluxeList;
    l << QStringLiteral("[BEMERKUNGSLISTE]:") << QString::number(remarks.size()) << remarks << QStringLiteral("[EOF]");
    return l;
}

} // namespace testing
