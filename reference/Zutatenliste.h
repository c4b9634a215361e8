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
    // After the database was reloaded under the list: lists what the last
    // search finds now, keeps the selected ingredient selected when it is
    // still listed (else the line of the rule), and emits Aufgefrischt
    // instead of the list's signals. False when the list was current.
    // The list does it by itself when its window is enabled or activated
    // again, and before it takes a click or a key.
    bool Auffrischen();

signals:
    void currentRowChanged(int zeile);
    // The lines were listed anew by Auffrischen.
    void Aufgefrischt();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    TZutatenfilter *m_filter;
    // A click on lines that were listed anew on its press is not taken:
    // the user has not seen the line under the pointer yet.
    bool m_klickVerworfen = false;
};
