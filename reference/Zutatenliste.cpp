#include "reference/Zutatenliste.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
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

bool TZutatenliste::Auffrischen()
{
    if (!m_filter->Veraltet())
        return false;
    {
        const QSignalBlocker sperre(this);
        const QString gewaehlt = Text(currentRow());
        qint32 zeile = m_filter->Suche_erneut();
        for (int i = 0; !gewaehlt.isEmpty() && i < count(); ++i)
            if (Text(i) == gewaehlt) {
                zeile = i;
                break;
            }
        setCurrentRow(zeile);
    }
    emit Aufgefrischt();
    return true;
}

void TZutatenliste::changeEvent(QEvent *event)
{
    QListView::changeEvent(event);
    if ((event->type() == QEvent::EnabledChange && isEnabled())
        || (event->type() == QEvent::ActivationChange && isActiveWindow()))
        Auffrischen();
}

void TZutatenliste::showEvent(QShowEvent *event)
{
    QListView::showEvent(event);
    Auffrischen();
}

void TZutatenliste::mousePressEvent(QMouseEvent *event)
{
    m_klickVerworfen = Auffrischen();
    if (m_klickVerworfen) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

void TZutatenliste::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_klickVerworfen) {
        event->accept();
        return;
    }
    QListView::mouseReleaseEvent(event);
}

void TZutatenliste::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_klickVerworfen || Auffrischen()) {
        m_klickVerworfen = true;
        event->accept();
        return;
    }
    QListView::mouseDoubleClickEvent(event);
}

void TZutatenliste::keyPressEvent(QKeyEvent *event)
{
    // the key acts on the lines as they are now, the selected one kept
    Auffrischen();
    QListView::keyPressEvent(event);
}
