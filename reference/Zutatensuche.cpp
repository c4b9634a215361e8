#include "reference/Zutatensuche.h"

#include <map>

#include "core/Grundoperationen.h"
#include "platform/CodePage.h"

// The forms of a name the search compares with, kept from one keystroke to
// the next: folding and upper case cost more than the matching itself.
struct TZutatensuchform {
    QString Name;     // the name the forms belong to (a shared copy)
    QString Gefaltet; // folded, upper case: the words are looked for in it
    QString Gross;    // upper case, not folded: the start test
};

namespace {

// Per array; a record whose name still shares its data with the kept copy
// has not changed since (a changed name is a new string). A map, as a run
// keeps the address of its array's forms while others are added.
std::map<const TZutatentotal *, QVector<TZutatensuchform>> g_suchformen;

const TZutatensuchform &Suchform(QVector<TZutatensuchform> &formen, qint32 i, const QString &name)
{
    if (i >= formen.size())
        formen.resize(i + 1);
    TZutatensuchform &f = formen[i];
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

TZutatensuchlauf::TZutatensuchlauf(const TZutatentotal &zutaten, const QString &text, const TZutatensuchart &art)
    : m_zutaten(zutaten), m_art(art), m_woerter(Ermittle_Zutatensuchwoerter(text)),
      m_formen(&g_suchformen[&zutaten])
{
    if (!m_woerter.isEmpty())
        m_erstes = m_woerter.first();
    m_formen->resize(zutaten.size());
}

bool TZutatensuchlauf::Ausgeschlossen(qint32 i) const
{
    const TTZutatentotal &z = m_zutaten[i];
    return z.Status == 4 || z.Zutatname.isEmpty() || (m_art.Ausgeschlossen && m_art.Ausgeschlossen(z));
}

bool TZutatensuchlauf::Passt(qint32 i) const
{
    // the forms are made with the first listing, before any word is typed
    const TZutatensuchform &f = Suchform(*m_formen, i, m_zutaten[i].Zutatname);
    return m_woerter.isEmpty() || Zutat_passt(f.Gefaltet, m_woerter);
}

bool TZutatensuchlauf::Treffer(qint32 i) const
{
    return !Ausgeschlossen(i) && Passt(i);
}

bool TZutatensuchlauf::Beginnt_mit_Suchtext(qint32 i) const
{
    // The start test compares with the unfolded text. A listed text is the
    // name, or the name followed by a blank and a note, and a word holds no
    // blank: the name alone decides.
    return !m_erstes.isEmpty() && Suchform(*m_formen, i, m_zutaten[i].Zutatname).Gross.startsWith(m_erstes);
}

QString TZutatensuchlauf::Anzeigetext(qint32 i) const
{
    return m_art.Anzeigetext ? m_art.Anzeigetext(m_zutaten[i]) : m_zutaten[i].Zutatname;
}

TZutatentreffer Ermittle_Zutatensuche(const TZutatentotal &zutaten, const QString &text, const TZutatensuchart &art)
{
    TZutatentreffer t;
    const TZutatensuchlauf lauf(zutaten, text, art);
    for (qint32 i = 0; i < zutaten.size(); ++i) {
        if (!lauf.Treffer(i))
            continue;
        if (t.Auswahl < 0 && lauf.Beginnt_mit_Suchtext(i))
            t.Auswahl = qint32(t.Zeilen.size());
        t.Zeilen.append(lauf.Anzeigetext(i));
        t.Indexe.append(i);
    }
    if (t.Auswahl < 0 && !t.Zeilen.isEmpty())
        t.Auswahl = 0;
    return t;
}
