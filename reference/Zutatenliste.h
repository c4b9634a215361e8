#pragma once
// The list control of the windows that list ingredients as the user types:
// a view over its own ingredient model and search filter.
#include <QListView>

#include "reference/Zutatenmodell.h"

class TZutatenliste : public QListView
{
    Q_OBJECT
public:
    TZutatenliste(TZutatentotal &zutaten, bool ankreuzbar, QWidget *parent = nullptr);

    TZutatenfilter *Filter() const { return m_filter; }
    // Lists the hits and selects the line of the rule without emitting the
    // list's signals; returns that line (-1 when the list is empty).
    qint32 Suche(const QString &text, const TZutatensuchart &art = TZutatensuchart());
    void Leere();

    int count() const;
    int currentRow() const;
    void setCurrentRow(int zeile);
    QString Text(int zeile) const;
    // The record of a line, of the current line; -1 for none.
    qint32 Zutat(int zeile) const { return m_filter->Zutat(zeile); }
    qint32 Aktuelle_Zutat() const { return Zutat(currentRow()); }

signals:
    void currentRowChanged(int zeile);

private:
    TZutatenfilter *m_filter;
};
