#include "reference/Zutatensuche.h"

#include <QHash>
#include <QListWidget>
#include <QSignalBlocker>

#include "core/Grundoperationen.h"
#include "platform/CodePage.h"

namespace {

// The forms of a name the search compares with, kept from one keystroke to
// the next: folding and upper case cost more than the matching itself.
struct TSuchform {
    QString Name;     // the name the forms belong to (a shared copy)
    QString Gefaltet; // folded, upper case: the words are looked for in it
    QString Gross;    // upper case, not folded: the start test
};

// Per array; a record whose name still shares its data with the kept copy
// has not changed since (a changed name is a new string).
QHash<const TZutatentotal *, QVector<TSuchform>> g_suchformen;

const TSuchform &Suchform(QVector<TSuchform> &formen, qint32 i, const QString &name)
{
    TSuchform &f = formen[i];
    if (!f.Name.isSharedWith(name) || f.Name.isNull()) {
        f.Name = name;
        f.Gefaltet = Ermittle_Zutatensuchform(name);
        f.Gross = platform::upperCase(name);
    }
    return f;
}

} // namespace

TString Ermittle_Zutatensuchwoerter(const QString &text)
{
    qint32 modus = 0;
    TString woerter;
    Zerlege_Suchbegriffe(text, false, modus, woerter, true, true);
    return woerter;
}

QString Ermittle_Zutatensuchform(const QString &name)
{
    QString s = name;
    Ersetze_Sonderbuchstaben(s);
    return platform::upperCase(s);
}

bool Zutat_passt(const QString &suchform, const TString &woerter)
{
    for (const QString &w : woerter)
        if (w.isEmpty() || !suchform.contains(w))
            return false;
    return true;
}

TZutatentreffer Ermittle_Zutatensuche(TZutatentotal &zutaten, const QString &text, const TZutatensuchart &art)
{
    TZutatentreffer t;
    const TString woerter = Ermittle_Zutatensuchwoerter(text);
    const QString erstes = woerter.isEmpty() ? QString() : woerter.first();
    QVector<TSuchform> &formen = g_suchformen[&zutaten];
    formen.resize(zutaten.size());
    for (qint32 i = 0; i < zutaten.size(); ++i) {
        TTZutatentotal &z = zutaten[i];
        z.*art.Position = -1;
        if (z.Status == 4 || z.Zutatname.isEmpty() || (art.Ausgeschlossen && art.Ausgeschlossen(z))) {
            z.*art.Position = -2;
            continue;
        }
        const TSuchform &f = Suchform(formen, i, z.Zutatname);
        if (!woerter.isEmpty() && !Zutat_passt(f.Gefaltet, woerter))
            continue;
        z.*art.Position = qint32(t.Zeilen.size());
        // The start test compares with the unfolded text. A listed text is
        // the name, or the name followed by a blank and a note, and a word
        // holds no blank: the name alone decides.
        if (t.Auswahl < 0 && !erstes.isEmpty() && f.Gross.startsWith(erstes))
            t.Auswahl = z.*art.Position;
        t.Zeilen.append(art.Anzeigetext ? art.Anzeigetext(z) : z.Zutatname);
        t.Indexe.append(i);
    }
    if (t.Auswahl < 0 && !t.Zeilen.isEmpty())
        t.Auswahl = 0;
    return t;
}

qint32 Zeige_Zutatensuche(QListWidget *liste, TZutatentotal &zutaten, const QString &text,
                          const TZutatensuchart &art, bool ankreuzbar)
{
    const TZutatentreffer t = Ermittle_Zutatensuche(zutaten, text, art);
    const QSignalBlocker sperre(liste);
    liste->setUpdatesEnabled(false);
    liste->clear();
    liste->addItems(t.Zeilen);
    if (ankreuzbar)
        for (int i = 0; i < liste->count(); ++i) {
            QListWidgetItem *item = liste->item(i);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    liste->setCurrentRow(t.Auswahl);
    liste->setUpdatesEnabled(true);
    return t.Auswahl;
}

qint32 Zutat_in_Zeile(const TZutatentotal &zutaten, qint32 zeile, qint32 TTZutatentotal::*position)
{
    if (zeile < 0)
        return -1;
    for (qint32 i = 0; i < zutaten.size(); ++i)
        if (zutaten[i].*position == zeile)
            return i;
    return -1;
}
