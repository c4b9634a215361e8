#pragma once
// Ingredient records and list rows for the window tests.
#include <QListWidget>

#include "reference/Zutatenliste.h"

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

[[maybe_unused]] QStringList Zeilen(const TZutatenliste *l)
{
    QStringList z;
    for (int i = 0; i < l->count(); ++i)
        z << l->Text(i);
    return z;
}

// Ticks the lines with these texts and clears the others.
[[maybe_unused]] void Kreuze_an(TZutatenliste *l, const QStringList &texte)
{
    for (int i = 0; i < l->count(); ++i)
        l->model()->setData(l->model()->index(i, 0), texte.contains(l->Text(i)) ? Qt::Checked : Qt::Unchecked,
                            Qt::CheckStateRole);
}

} // namespace
