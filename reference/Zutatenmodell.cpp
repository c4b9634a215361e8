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
    // a shared copy: taken at no cost, it keeps the records as they were
    // when the array changes
    m_stand = *m_zutaten;
    m_angekreuzt.fill(false, m_ankreuzbar ? m_zeilen : 0);
    endResetModel();
}

bool TZutatenmodell::Angekreuzt(qint32 zeile) const
{
    return zeile >= 0 && zeile < m_angekreuzt.size() && m_angekreuzt[zeile];
}

void TZutatenmodell::Kreuze_an(const QVector<qint32> &zeilen, bool an)
{
    qint32 von = m_zeilen, bis = -1;
    for (qint32 s : zeilen)
        if (s >= 0 && s < m_angekreuzt.size()) {
            m_angekreuzt[s] = an;
            von = qMin(von, s);
            bis = qMax(bis, s);
        }
    if (bis >= von)
        emit dataChanged(index(von), index(bis), {Qt::CheckStateRole});
}

qint32 TZutatenmodell::Satz(qint32 zeile) const
{
    if (zeile < 0 || zeile >= m_zeilen)
        return -1;
    const QString &name = m_stand[zeile].Zutatname;
    if (zeile < m_zutaten->size() && (*m_zutaten)[zeile].Zutatname == name)
        return zeile;
    if (name.isEmpty())
        return -1;
    for (qint32 i = 0; i < m_zutaten->size(); ++i)
        if ((*m_zutaten)[i].Zutatname == name)
            return i;
    return -1;
}

bool TZutatenmodell::Veraltet() const
{
    if (m_stand.constData() == m_zutaten->constData())
        return false; // untouched since
    if (m_zeilen != m_zutaten->size())
        return true;
    for (qint32 i = 0; i < m_zeilen; ++i)
        if ((*m_zutaten)[i].Zutatname != m_stand[i].Zutatname)
            return true;
    return false;
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
    if (role != Qt::DisplayRole)
        return {};
    // as the record was when the row was taken
    const TTZutatentotal &z = m_stand[i];
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
    m_text = text;
    m_art = art;
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
    m_text.clear();
    m_art = TZutatensuchart();
    m_modell->Aktualisiere();
}

bool TZutatenfilter::Veraltet() const
{
    return m_lauf && m_modell->Veraltet();
}

qint32 TZutatenfilter::Suche_erneut()
{
    if (!m_lauf)
        return -1;
    const QString text = m_text;
    const TZutatensuchart art = m_art;
    return Suche(text, art);
}

qint32 TZutatenfilter::Zutat(int zeile) const
{
    if (zeile < 0 || zeile >= rowCount())
        return -1;
    return m_modell->Satz(mapToSource(index(zeile, 0)).row());
}

QVector<qint32> TZutatenfilter::Angekreuzte() const
{
    QVector<qint32> saetze;
    for (int zeile = 0; zeile < rowCount(); ++zeile)
        if (m_modell->Angekreuzt(mapToSource(index(zeile, 0)).row()))
            if (const qint32 s = Zutat(zeile); s >= 0)
                saetze.append(s);
    return saetze;
}

void TZutatenfilter::Kreuze_alle_an(bool an)
{
    QVector<qint32> zeilen;
    for (int zeile = 0; zeile < rowCount(); ++zeile)
        zeilen.append(mapToSource(index(zeile, 0)).row());
    m_modell->Kreuze_an(zeilen, an);
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
