#include "recipes/Rezeptliste.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QStyle>

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

void TRezeptzeilen::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget *w = opt.widget;
    const QStyle *style = w ? w->style() : QApplication::style();
    // Background, selection, icon and focus as the style draws them.
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);
    if (text.isEmpty())
        return;
    const int rand = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1;
    QRect feld = opt.rect.adjusted(rand, 0, -rand, 0);
    if (opt.features & QStyleOptionViewItem::HasDecoration)
        feld.setLeft(feld.left() + opt.decorationSize.width() + 2 * rand);
    if (feld.width() <= 0)
        return;
    const QString schluessel =
        opt.font.key() + QLatin1Char('|') + QString::number(feld.width()) + QLatin1Char('|') + text;
    auto it = m_texte.find(schluessel);
    if (it == m_texte.end()) {
        if (m_texte.size() > 1000) // a few screens full
            m_texte.clear();
        QStaticText st(opt.fontMetrics.elidedText(text, opt.textElideMode, feld.width()));
        st.setTextFormat(Qt::PlainText);
        st.setTextOption(QTextOption(Qt::AlignLeft | Qt::AlignVCenter));
        st.prepare(QTransform(), opt.font);
        it = m_texte.insert(schluessel, st);
    }
    const QPalette::ColorGroup gruppe = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
        : (opt.state & QStyle::State_Active)                                  ? QPalette::Normal
                                                                              : QPalette::Inactive;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(gruppe, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                                   : QPalette::Text));
    const QSizeF groesse = it->size();
    painter->drawStaticText(QPointF(feld.left(), feld.top() + (feld.height() - groesse.height()) / 2), *it);
    painter->restore();
}
