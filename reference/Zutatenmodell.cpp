#include "reference/Zutatenmodell.h"

TZutatenmodell::TZutatenmodell(TZutatentotal &zutaten, bool ankreuzbar, QObject *parent)
    : QAbstractListModel(parent), m_zutaten(&zutaten), m_ankreuzbar(ankreuzbar)
{
}

void TZutatenmodell::Aktualisiere(std::function<QString(const TTZutatentotal &)> anzeigetext)
{
    beginResetModel();
    m_anzeigetext = std::move(anzeigetext);
    m_zeilen = qint32(m_zutaten->size());
    m_angekreuzt.fill(false, m_ankreuzbar ? m_zeilen : 0);
    endResetModel();
}

bool TZutatenmodell::Angekreuzt(qint32 satz) const
{
    return satz >= 0 && satz < m_angekreuzt.size() && m_angekreuzt[satz];
}

void TZutatenmodell::Kreuze_an(const QVector<qint32> &saetze, bool an)
{
    qint32 von = m_zeilen, bis = -1;
    for (qint32 s : saetze)
        if (s >= 0 && s < m_angekreuzt.size()) {
            m_angekreuzt[s] = an;
            von = qMin(von, s);
            bis = qMax(bis, s);
        }
    if (bis >= von)
        emit dataChanged(index(von), index(bis), {Qt::CheckStateRole});
}

int TZutatenmodell::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_zeilen;
}

QVariant TZutatenmodell::data(const QModelIndex &index, int role) const
{
    const qint32 i = index.row();
    if (!index.isValid() || i >= m_zeilen)
        return {};
    if (role == Satzrolle)
        return i;
    if (role == Qt::CheckStateRole && m_ankreuzbar)
        return Angekreuzt(i) ? Qt::Checked : Qt::Unchecked;
    if (role != Qt::DisplayRole || i >= m_zutaten->size())
        return {};
    const TTZutatentotal &z = (*m_zutaten)[i];
    return m_anzeigetext ? m_anzeigetext(z) : z.Zutatname;
}

bool TZutatenmodell::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !m_ankreuzbar || !index.isValid() || index.row() >= m_zeilen)
        return false;
    Kreuze_an({index.row()}, value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

Qt::ItemFlags TZutatenmodell::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_ankreuzbar)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

TZutatenfilter::TZutatenfilter(TZutatentotal &zutaten, bool ankreuzbar, QObject *parent)
    : QSortFilterProxyModel(parent), m_modell(new TZutatenmodell(zutaten, ankreuzbar, this))
{
    // A changed record is listed anew by the next search, as the window
    // runs one after every change.
    setDynamicSortFilter(false);
    setSourceModel(m_modell);
}

qint32 TZutatenfilter::Suche(const QString &text, const TZutatensuchart &art)
{
    m_lauf = std::make_unique<TZutatensuchlauf>(m_modell->Zutaten(), text, art);
    m_beginnt = -1;
    m_modell->Aktualisiere(art.Anzeigetext);
    // rowCount filters every row
    if (rowCount() == 0)
        return -1;
    return m_beginnt < 0 ? 0 : mapFromSource(m_modell->index(m_beginnt)).row();
}

void TZutatenfilter::Leere()
{
    m_lauf.reset();
    m_modell->Aktualisiere();
}

qint32 TZutatenfilter::Zutat(int zeile) const
{
    if (zeile < 0 || zeile >= rowCount())
        return -1;
    const qint32 satz = mapToSource(index(zeile, 0)).row();
    return satz < m_modell->Zutaten().size() ? satz : -1;
}

QVector<qint32> TZutatenfilter::Angekreuzte() const
{
    QVector<qint32> saetze;
    for (int zeile = 0; zeile < rowCount(); ++zeile)
        if (const qint32 s = Zutat(zeile); m_modell->Angekreuzt(s))
            saetze.append(s);
    return saetze;
}

void TZutatenfilter::Kreuze_alle_an(bool an)
{
    QVector<qint32> saetze;
    for (int zeile = 0; zeile < rowCount(); ++zeile)
        saetze.append(Zutat(zeile));
    m_modell->Kreuze_an(saetze, an);
}

bool TZutatenfilter::filterAcceptsRow(int zeile, const QModelIndex &eltern) const
{
    // the row count is the array's at the search; a record lost since is not listed
    if (!m_lauf || eltern.isValid() || zeile >= m_modell->Zutaten().size() || !m_lauf->Treffer(zeile))
        return false;
    if ((m_beginnt < 0 || zeile < m_beginnt) && m_lauf->Beginnt_mit_Suchtext(zeile))
        m_beginnt = zeile;
    return true;
}
