#pragma once
// The ingredient records of an array as a list model, and the filter that
// lists what the ingredient list search finds. Each window that lists
// ingredients as the user types has its own pair: a line leads to its record
// through the model, so the windows share no line numbers.
#include <QAbstractListModel>
#include <QSortFilterProxyModel>
#include <QVector>
#include <functional>
#include <memory>

#include "core/Globals.h"
#include "reference/Zutatensuche.h"

// One row per record of the array, in array order. The rows are taken, as a
// shared copy of the records, when the model is refreshed: a database
// reloaded since (another window loads it without or with its inactive
// records, or deleted some) changes no row under the user's eyes, and a row
// still leads to its own record, found again by name.
class TZutatenmodell : public QAbstractListModel
{
    Q_OBJECT
public:
    // The index of a row's record in the array.
    static constexpr int Satzrolle = Qt::UserRole;

    TZutatenmodell(TZutatentotal &zutaten, bool ankreuzbar, QObject *parent = nullptr);

    TZutatentotal &Zutaten() const { return *m_zutaten; }
    // Takes the array as it is now and how its records are listed (empty:
    // the Zutatname); every check is cleared.
    void Aktualisiere(std::function<QString(const TTZutatentotal &)> anzeigetext = {});
    bool Angekreuzt(qint32 zeile) const;
    void Kreuze_an(const QVector<qint32> &zeilen, bool an);
    // The record of a row in the array as it is now: the row's own index
    // while the record there has the row's name, else the record of that
    // name; -1 when the array no longer holds it.
    qint32 Satz(qint32 zeile) const;
    // The array no longer holds the records the rows were taken from.
    bool Veraltet() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    TZutatentotal *m_zutaten;
    bool m_ankreuzbar;
    qint32 m_zeilen = 0;
    TZutatentotal m_stand; // the records when the rows were taken
    QVector<bool> m_angekreuzt;
    std::function<QString(const TTZutatentotal &)> m_anzeigetext;
};

// Lists the records the search finds, in array order.
class TZutatenfilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    TZutatenfilter(TZutatentotal &zutaten, bool ankreuzbar, QObject *parent = nullptr);

    TZutatenmodell *Modell() const { return m_modell; }
    // Searches the array as it is now; returns the line to select (-1 with
    // no hit). Checks are cleared.
    qint32 Suche(const QString &text, const TZutatensuchart &art = TZutatensuchart());
    // Lists nothing.
    void Leere();
    // The last search ran over records the array no longer holds as they
    // were (it was reloaded since).
    bool Veraltet() const;
    // Runs the last search again over the array as it is now; returns the
    // line to select (-1 with no hit, or after Leere).
    qint32 Suche_erneut();
    // The record of a line; -1 for none (or one the array lost since).
    qint32 Zutat(int zeile) const;
    // The records of the checked lines, in line order.
    QVector<qint32> Angekreuzte() const;
    void Kreuze_alle_an(bool an);

protected:
    bool filterAcceptsRow(int zeile, const QModelIndex &eltern) const override;

private:
    TZutatenmodell *m_modell;
    std::unique_ptr<TZutatensuchlauf> m_lauf;
    QString m_text;
    TZutatensuchart m_art;
    // The first listed record whose name begins with the first word.
    mutable qint32 m_beginnt = -1;
};
