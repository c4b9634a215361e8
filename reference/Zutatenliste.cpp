#include "reference/Zutatenliste.h"

#include <QSignalBlocker>

TZutatenliste::TZutatenliste(TZutatentotal &zutaten, bool ankreuzbar, QWidget *parent)
    : QListView(parent), m_filter(new TZutatenfilter(zutaten, ankreuzbar, this))
{
    setUniformItemSizes(true);
    setModel(m_filter);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &aktuell) { emit currentRowChanged(aktuell.isValid() ? aktuell.row() : -1); });
}

qint32 TZutatenliste::Suche(const QString &text, const TZutatensuchart &art)
{
    const QSignalBlocker sperre(this);
    const qint32 zeile = m_filter->Suche(text, art);
    setCurrentRow(zeile);
    return zeile;
}

void TZutatenliste::Leere()
{
    const QSignalBlocker sperre(this);
    m_filter->Leere();
}

int TZutatenliste::count() const
{
    return m_filter->rowCount();
}

int TZutatenliste::currentRow() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TZutatenliste::setCurrentRow(int zeile)
{
    setCurrentIndex(m_filter->index(zeile, 0));
}

QString TZutatenliste::Text(int zeile) const
{
    return m_filter->index(zeile, 0).data().toString();
}
