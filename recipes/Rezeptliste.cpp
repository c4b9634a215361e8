#include "recipes/Rezeptliste.h"

#include <QFont>

#include "core/Globals.h"
#include "core/Tabellen.h"
#include "recipes/Uebersicht.h"

TRezeptliste::TRezeptliste(QObject *parent) : QAbstractTableModel(parent) {}

void TRezeptliste::Setze_Rezepte(const QVector<qint32> &rezepte)
{
    beginResetModel();
    m_rezepte = rezepte;
    endResetModel();
}

int TRezeptliste::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rezepte.size()) + 1;
}

int TRezeptliste::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant TRezeptliste::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case 0: return QStringLiteral("Recipe");
    case 1: return QStringLiteral("Category");
    case 2: return QStringLiteral("Sub-categories");
    case 3: return QStringLiteral("Cooked on");
    default: return QVariant();
    }
}

Qt::ItemFlags TRezeptliste::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // The kitchen's row stays disabled until the kitchen exists.
    if (index.row() == 0)
        return Qt::ItemIsSelectable;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

QVariant TRezeptliste::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() > m_rezepte.size())
        return QVariant();
    const int zeile = index.row();
    const int spalte = index.column();
    if (zeile == 0) {
        if (spalte == 0 && role == Qt::DisplayRole)
            return QStringLiteral("Cook interactively");
        if (spalte == 0 && role == Qt::FontRole) {
            QFont f;
            f.setItalic(true);
            return f;
        }
        if (spalte == 0 && role == RolleRezept)
            return -1;
        return QVariant();
    }
    const qint32 rezept = m_rezepte[zeile - 1];
    if (rezept < 0 || rezept >= RezepteTotal.size())
        return QVariant();
    const TTRezepteTotal &r = RezepteTotal[rezept];
    switch (role) {
    case Qt::DisplayRole: {
        if (spalte == 0)
            return r.Rezeptname;
        if (spalte == 1) {
            const qint32 kategorie = Ermittle_Rezeptkategorie(r);
            return kategorie >= 0 ? Kategoriebezeichnungen[kategorie] : QString();
        }
        if (spalte == 2)
            return Zerlege_Unterkategorien(r.Unterkategorien).join(QStringLiteral(", "));
        if (spalte == 3) {
            const QDate tag = Kochdatum_als_Datum(r.Kochdatum);
            return tag.isValid() ? tag.toString(QStringLiteral("yyyy-MM-dd")) : QString();
        }
        return QVariant();
    }
    case Qt::DecorationRole:
        if (spalte == 0 && m_icon)
            return m_icon(Ermittle_Rezeptkategorie(r));
        return QVariant();
    case RolleRezept:
        return spalte == 0 ? QVariant(rezept) : QVariant();
    default:
        return QVariant();
    }
}
