#pragma once
// Ingredient records and list rows for the window tests.
#include <QListWidget>

#include "core/Globals.h"

namespace {

// An ingredient record under one name for the list, the recipe text and the search.
[[maybe_unused]] TTZutatentotal Zutat(const QString &name, qint32 gruppe = 0, quint8 status = 1)
{
    TTZutatentotal z;
    z.Zutatname = z.Rezepttextname = z.Suchname = name;
    z.Kategorie = gruppe;
    z.Status = status;
    return z;
}

[[maybe_unused]] QStringList Zeilen(const QListWidget *l)
{
    QStringList z;
    for (int i = 0; i < l->count(); ++i)
        z << l->item(i)->text();
    return z;
}

} // namespace
