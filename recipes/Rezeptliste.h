#pragma once
// The overview's recipe list as a model: row 0 is the fixed "Cook
// interactively" row, the rows after it the listed recipes (indexes into
// RezepteTotal) in list order. A row's texts are made when the view asks for
// them, so only the rows on screen cost anything.
#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QVector>
#include <functional>

class TRezeptliste : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int RolleRezept = Qt::UserRole; // RezepteTotal index, -1 for row 0

    explicit TRezeptliste(QObject *parent = nullptr);

    // The listed recipes; the view keeps no rows of its own, so this is all a
    // new filter result costs.
    void Setze_Rezepte(const QVector<qint32> &rezepte);
    const QVector<qint32> &Rezepte() const { return m_rezepte; }
    // The category icon of the first column.
    void Setze_Iconquelle(std::function<QIcon(qint32)> quelle) { m_icon = std::move(quelle); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QVector<qint32> m_rezepte;
    std::function<QIcon(qint32)> m_icon;
};

// Draws the list's cells as the style does, but lays out each text once: a
// text shown at one width keeps its shaped glyphs, so scrolling and a new
// filter result do not shape the same names again on every paint.
class TRezeptzeilen : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    mutable QHash<QString, QStaticText> m_texte; // key: font, width, text
};
