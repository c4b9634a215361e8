#include "recipes/F_Rez.h"
#include "recipes/F_Rez_p.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "platform/CodePage.h"
#include "platform/Colors.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "platform/Rtf.h"
#include "platform/Seams.h"
#include "platform/TextFile.h"
#include "recipes/F_Main.h"
#include "reference/F_ZuDa.h"
#include "reference/Zutatenliste.h"
#include "reference/Zutatensuche.h"
#include "core/Meldung.h"
#include "recipes/F_Wiz.h"
#include "recipes/F_DigI.h"
#include "reference/F_Lex.h"
#include "reference/F_Rech.h"
#include "reference/F_VAR.h"
#include "recipes/F_ZutKom.h"

TFRez *FRez = nullptr;

namespace {

// The servings calculator scales the lines the form showed when it opened.
// When the form takes a record (another recipe, or its own read again) or
// the editor closes, the calculator closes as its Cancel does: nothing is
// written, and the editor is usable again.
void Schliesse_Mengenberechnung()
{
    if (FRech && FRech->isVisible())
        FRech->BAbbrechenClick();
}

} // namespace


using namespace rezeditor;

void Nach_vorne(QWidget *fenster)
{
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}


void TFRez::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), platform::fromTColor(Fensterfarbe));
    if (!m_hintergrund.isNull())
        p.drawPixmap(rect(), m_hintergrund);
}

void TFRez::Leere_Kuechentexte()
{
    // A recipe still open here would lose its texts on its next save.
    if (isVisible() || m_geaendert)
        return;
    ++m_fuellen;
    for (QTextEdit *t : {REREingabe, RERBemerkungen, RERBemerkungen1})
        t->clear();
    --m_fuellen;
}

void TFRez::Geaendert_setzen()
{
    if (m_fuellen)
        return;
    m_geaendert = true;
    LStatus->setText(QStringLiteral("Changed"));
}

void TFRez::Fuelle_Formular()
{
    Schliesse_Mengenberechnung();
    // the record of a recipe that is gone lives only as long as it is shown
    if (m_verwaist && m_rezept != AktuellesRezept) {
        m_verwaist = false;
        if (Gueltiger_Satz(m_rezept))
            Entferne_Rezeptsatz(m_rezept);
    }
    TTRezepteTotal *r = Aktuelles();
    ++m_fuellen;
    m_rezept = AktuellesRezept;
    if (r) {
        ERName->setText(r->Rezeptname);
        CBKategorie->setCurrentIndex(r->Kategorie >= 0 && r->Kategorie < AnzahlKategorien
                                         ? Ermittle_Anzeigeposition_aus_Kategorie(r->Kategorie)
                                         : -1);
        EUnterkategorien->setText(r->Unterkategorien);
        ERAnzahlportionen->setText(r->Portionen);
        ERAnzahlportionen1->setText(r->Portionen);
        ERZubereitungszeit->setText(r->Zubereitungszeit);
        CBSchwierigkeit->setCurrentIndex(r->Schwierigkeit >= 1 && r->Schwierigkeit <= 5 ? r->Schwierigkeit : 0);
        const double datum = r->Kochdatum > 0 ? r->Kochdatum : Jetzt();
        DTPKochdatum->setDate(TWSToDateTime(datum).date());
        EKochgeraete->setText(r->Kochgeraete);
        CBKochgeraete->setCurrentIndex(0);
        QString preis;
        Wandle_Kommazahl_in_Text(10, 2, preis, r->Preis);
        ERPreis->setText(preis);
        ERPreis1->setText(preis);
        m_rezeptgrafik = r->Rezeptgrafik;
        Zeige_Rezeptgrafik();

        Lade_Text(REREingabe, Rezept_Anleitungspfad(AktuellesRezept), r->Rezeptliste);
        const QString bemerkungen = Rezept_Bemerkungspfad(AktuellesRezept);
        Lade_Text(RERBemerkungen, bemerkungen, r->Bemerkungsliste);
        Lade_Text(RERBemerkungen1, bemerkungen, r->Bemerkungsliste);
    } else {
        for (QLineEdit *e : {ERName, EUnterkategorien, ERAnzahlportionen, ERAnzahlportionen1, ERZubereitungszeit,
                             EKochgeraete, ERPreis, ERPreis1})
            e->clear();
        for (QTextEdit *t : {REREingabe, RERBemerkungen, RERBemerkungen1})
            t->clear();
        m_rezeptgrafik.clear();
        Zeige_Rezeptgrafik();
    }
    // the deluxe ingredient choice offers the database
    {
        QSignalBlocker b(CBZutatauswahl1);
        CBZutatauswahl1->clear();
        for (const TTZutatentotal &z : Zutatentotal)
            if (!z.Zutatname.isEmpty() && z.Status != 4)
                CBZutatauswahl1->addItem(z.Zutatname);
        CBZutatauswahl1->setCurrentIndex(-1);
    }
    {
        QSignalBlocker b(EZutatSuchen);
        EZutatSuchen->clear();
    }
    LBZutatsuche->Leere();
    Zeige_Zutatgrafik_DigI(0, -1);
    EZutat->clear();
    Fuelle_Deluxespalten();
    LBZutatliste->setCurrentRow(-1);
    Aktualisiere_Zutatenliste();
    Fuelle_Einheiten(16, QString(), QString());
    LZutatzeile->clear();
    Setze_Layout();
    Setze_Textschrift();
    --m_fuellen;
    m_geaendert = false;
    LStatus->clear();
}

void TFRez::Setze_Layout()
{
    TTRezepteTotal *r = Formularsatz();
    const bool deluxe = r && r->Deluxe;
    SZutaten->setCurrentIndex(deluxe ? 1 : 0);
    ERAnzahlportionen->setVisible(!deluxe);
    ERAnzahlportionen1->setVisible(deluxe);
    ERPreis->setVisible(!deluxe);
    ERPreis1->setVisible(deluxe);
    RERBemerkungen->setVisible(!deluxe);
    RERBemerkungen1->setVisible(deluxe);
    MDeluxe->setChecked(deluxe);
    setWindowTitle(r ? QStringLiteral("Recipe: ") + r->Rezeptname : QStringLiteral("Recipe:"));
    m_hintergrund = platform::loadPixmap(Hintergrunddatei());
    update();
}

void TFRez::Fuelle_Deluxespalten()
{
    TTRezepteTotal *r = Formularsatz();
    TTDeluxeliste d;
    if (r)
        d = Hat_Deluxezeilen(r->Deluxeliste) ? r->Deluxeliste : Deluxe_aus_Zutaten(*r);
    const int n = std::max({d.Menge.size(), d.Einheit.size(), d.Name.size(), d.Zubereitung.size()});
    auto spalte = [n](const TString &l) {
        QStringList z = l;
        while (z.size() < n)
            z.append(QString());
        return Ohne_Leerzeilen_am_Ende(z).size() ? z.join(QLatin1Char('\n')) : QString();
    };
    ++m_fuellen;
    m_deluxezeile = 0;
    MMenge1->setPlainText(spalte(d.Menge));
    MEinheit1->setPlainText(spalte(d.Einheit));
    MZutat1->setPlainText(spalte(d.Name));
    MZubereitung1->setPlainText(spalte(d.Zubereitung));
    --m_fuellen;
}

// The deluxe columns are the recipe's ingredient lines while that layout
// is shown.
void TFRez::DeluxespaltenChange()
{
    if (m_fuellen)
        return;
    TTRezepteTotal *r = Formularsatz();
    if (!r || !r->Deluxe)
        return;
    Geaendert_setzen();
    const QStringList m = Memozeilen(MMenge1), e = Memozeilen(MEinheit1), z = Memozeilen(MZutat1),
                      p = Memozeilen(MZubereitung1);
    int n = std::max({m.size(), e.size(), z.size(), p.size()});
    auto feld = [](const QStringList &l, int i) { return i < l.size() ? l[i].trimmed() : QString(); };
    while (n > 0 && (feld(m, n - 1) + feld(e, n - 1) + feld(z, n - 1) + feld(p, n - 1)).isEmpty())
        --n;
    TTDeluxeliste d;
    TTAZutatenliste zeilen;
    for (int i = 0; i < n; ++i) {
        d.Menge.append(feld(m, i));
        d.Einheit.append(feld(e, i));
        d.Name.append(feld(z, i));
        d.Zubereitung.append(feld(p, i));
        if (!(feld(m, i) + feld(e, i) + feld(z, i)).isEmpty())
            zeilen.append({feld(m, i), feld(e, i), feld(z, i), static_cast<qint32>(zeilen.size())});
    }
    r->Deluxeliste = d;
    r->Zutatenliste = zeilen;
    Aktualisiere_Zutatenliste();
}

void TFRez::Zeige_Rezeptgrafik()
{
    const QPixmap bild = Lade_Rezeptgrafik(m_rezeptgrafik);
    if (bild.isNull()) {
        IRezeptgrafik->clear();
        IRezeptgrafik->setText(QStringLiteral("(no picture)"));
    } else {
        IRezeptgrafik->setPixmap(bild.scaled(IRezeptgrafik->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

// The category chosen in the form, which the record takes only when saved.
qint32 TFRez::Formularkategorie() const
{
    const qint32 k = Ermittle_Kategorie_aus_Anzeigeposition(CBKategorie->currentIndex());
    if (CBKategorie->currentIndex() >= 0 && k >= 0 && k < AnzahlKategorien)
        return k;
    const TTRezepteTotal *r = Formularsatz();
    return r ? r->Kategorie : 0;
}

void TFRez::Fuelle_Einheiten(qint32 gruppe, const QString &einheit, const QString &menge)
{
    if (gruppe < 0 || gruppe >= AnzahlZutatengruppen)
        gruppe = 16;
    m_gruppe = gruppe;
    const TTAEinheit *liste = Einheitenliste(Formularkategorie());
    {
        QSignalBlocker b(CBEinheit);
        CBEinheit->clear();
        CBEinheit->addItem(QString());
        if (liste)
            for (const TTEinheit &e : *liste)
                if (!e.Name.isEmpty() && e.Zuordnung[gruppe])
                    CBEinheit->addItem(e.Name);
        CBEinheit->setCurrentText(einheit);
    }
    Fuelle_Mengen(menge);
}

void TFRez::Fuelle_Mengen(const QString &menge)
{
    const TTEinheit *e = Finde_Einheit(Formularkategorie(), CBEinheit->currentText());
    QSignalBlocker b(CBMenge);
    CBMenge->clear();
    CBMenge->addItem(QString());
    // entry 0 of a quantity table is "not stated": the empty entry above
    if (e)
        for (int i = 1; i < e->Mengentabelle.size(); ++i)
            if (!e->Mengentabelle[i].isEmpty())
                CBMenge->addItem(e->Mengentabelle[i]);
    CBMenge->setCurrentText(menge);
}

void TFRez::CBEinheitChange()
{
    Fuelle_Mengen(CBMenge->currentText());
}

// --- ingredient search ----------------------------------------------------

void TFRez::EZutatSuchenChange()
{
    QString text = EZutatSuchen->text();
    Entferne_fuehrende_Leerzeichen(text);
    // the shared ingredient list search; here stray blanks give no empty word
    QString woerter = text;
    Entferne_doppelte_Leerzeichen(woerter);
    LBZutatsuche->Suche(woerter);
    if (LBZutatsuche->count() > 0) {
        LBZutatsucheClick();
    } else {
        Zeige_Zutatgrafik_DigI(0, -1);
        // a name the database does not hold (or a comment) as typed
        EZutat->setText(text.trimmed());
        Fuelle_Einheiten(16, CBEinheit->currentText(), CBMenge->currentText());
    }
}

void TFRez::LBZutatsucheClick()
{
    const int zeile = LBZutatsuche->currentRow();
    Zeige_Zutatgrafik_DigI(LBZutatsuche->count(), LBZutatsuche->Zutat(zeile));
    if (zeile < 0)
        return;
    const QString name = LBZutatsuche->Text(zeile);
    // another ingredient starts without the quantity of the one before
    const bool neu = name != EZutat->text().trimmed();
    EZutat->setText(name);
    const qint32 k = Suche_Zutat(name, -1);
    QString einheit = CBEinheit->currentText();
    if (k >= 0 && !Zutatentotal[k].Standardeinheit().isEmpty())
        einheit = Zutatentotal[k].Standardeinheit();
    Fuelle_Einheiten(Zutatengruppe(name), einheit, neu ? QString() : CBMenge->currentText());
}

void TFRez::LBZutatsucheDblClick()
{
    BZutathinzufuegenClick();
}

// --- ingredient lines ------------------------------------------------------

void TFRez::LBZutatlisteClick()
{
    Zeige_Zutatzeile();
}

void TFRez::BZutathinzufuegenClick()
{
    TTRezepteTotal *r = Formularsatz();
    if (!r)
        return;
    const QString name = EZutat->text().trimmed();
    if (name.isEmpty()) {
        Zeige_Meldung(QStringLiteral("Please enter or choose an ingredient first!"), QStringLiteral("Note:"), Knopf_OK);
        return;
    }
    if (!Pruefe_Zeichen(QStringLiteral("Ingredient line"), CBMenge->currentText() + CBEinheit->currentText() + name))
        return;
    Ordne_Zutatenliste(r->Zutatenliste);
    const int markiert = LBZutatliste->currentRow();
    const int pos = markiert >= 0 ? markiert + 1 : r->Zutatenliste.size();
    for (TTZutatenliste &z : r->Zutatenliste)
        if (z.Listenindex >= pos)
            ++z.Listenindex;
    const QString einheit = CBEinheit->currentText().trimmed();
    r->Zutatenliste.append({Menge_ohne_Einheit(CBMenge->currentText().trimmed(), einheit), einheit, name, pos});
    Aktualisiere_Zutatenliste();
    LBZutatliste->setCurrentRow(pos);
    Geaendert_setzen();
}

void TFRez::BZutataendernClick()
{
    TTRezepteTotal *r = Formularsatz();
    const int markiert = LBZutatliste->currentRow();
    if (!r || markiert < 0)
        return;
    const QString name = EZutat->text().trimmed();
    if (name.isEmpty()) {
        Zeige_Meldung(QStringLiteral("Please enter or choose an ingredient first!"), QStringLiteral("Note:"), Knopf_OK);
        return;
    }
    if (!Pruefe_Zeichen(QStringLiteral("Ingredient line"), CBMenge->currentText() + CBEinheit->currentText() + name))
        return;
    TTZutatenliste *z = Zeile_mit_Index(*r, markiert);
    if (!z)
        return;
    z->Einheit = CBEinheit->currentText().trimmed();
    z->Menge = Menge_ohne_Einheit(CBMenge->currentText().trimmed(), z->Einheit);
    z->Name = name;
    Aktualisiere_Zutatenliste();
    LBZutatliste->setCurrentRow(markiert);
    Geaendert_setzen();
}

void TFRez::BZutatloeschenClick()
{
    TTRezepteTotal *r = Formularsatz();
    const int markiert = LBZutatliste->currentRow();
    if (!r || markiert < 0)
        return;
    TTZutatenliste *z = Zeile_mit_Index(*r, markiert);
    if (!z)
        return;
    if (Zeige_Meldung(QStringLiteral("Delete ingredient: ") + LBZutatliste->item(markiert)->text() + QLatin1Char('?'),
                      QStringLiteral("Question:"), Knoepfe_Ja_Nein)
        != Antwort_Ja)
        return;
    z->Listenindex = -1;
    Aktualisiere_Zutatenliste();
    LBZutatliste->setCurrentRow(std::min(markiert, LBZutatliste->count() - 1));
    Zeige_Zutatzeile();
    Geaendert_setzen();
}

void TFRez::Verschiebe_Zutat(int richtung)
{
    TTRezepteTotal *r = Formularsatz();
    const int markiert = LBZutatliste->currentRow();
    const int ziel = markiert + richtung;
    if (!r || markiert < 0 || ziel < 0 || ziel >= LBZutatliste->count())
        return;
    TTZutatenliste *a = Zeile_mit_Index(*r, markiert);
    TTZutatenliste *b = Zeile_mit_Index(*r, ziel);
    if (!a || !b)
        return;
    std::swap(a->Listenindex, b->Listenindex);
    Aktualisiere_Zutatenliste();
    LBZutatliste->setCurrentRow(ziel);
    Geaendert_setzen();
}

void TFRez::BZutathochClick()
{
    Verschiebe_Zutat(-1);
}

void TFRez::BZutatrunterClick()
{
    Verschiebe_Zutat(1);
}

void TFRez::BZutateinfuegen1Click()
{
    const QString name = CBZutatauswahl1->currentText().trimmed();
    if (!name.isEmpty())
        Fuege_Deluxezeile_ein(-1, name);
}

int TFRez::Deluxezeile() const
{
    for (QPlainTextEdit *m : {MMenge1, MEinheit1, MZutat1, MZubereitung1})
        if (focusWidget() == m)
            return m->textCursor().blockNumber();
    return m_deluxezeile;
}

void TFRez::Fuege_Deluxezeile_ein(int zeile, const QString &name)
{
    // a new row in all four columns keeps them aligned
    const int zeilen = std::max({Memozeilen(MMenge1).size(), Memozeilen(MEinheit1).size(),
                                 Memozeilen(MZutat1).size(), Memozeilen(MZubereitung1).size()});
    const int pos = zeile < 0 || zeile > zeilen ? zeilen : zeile;
    auto einfuegen = [zeilen, pos](QPlainTextEdit *m, const QString &text) {
        QStringList l = Memozeilen(m);
        while (l.size() < zeilen)
            l.append(QString());
        l.insert(pos, text);
        return l.join(QLatin1Char('\n'));
    };
    const QString m = einfuegen(MMenge1, QString()), e = einfuegen(MEinheit1, QString()),
                  z = einfuegen(MZutat1, name), p = einfuegen(MZubereitung1, QString());
    ++m_fuellen;
    MMenge1->setPlainText(m);
    MEinheit1->setPlainText(e);
    MZubereitung1->setPlainText(p);
    --m_fuellen;
    MZutat1->setPlainText(z); // one change notice for the whole row
    // the caret stays on the row it stood on, now below the new one
    QTextCursor c(MZutat1->document()->findBlockByNumber(std::min(pos + 1, MZutat1->blockCount() - 1)));
    MZutat1->setTextCursor(c);
    m_deluxezeile = c.blockNumber();
}

// --- header -------------------------------------------------------------

void TFRez::CBKategorieChange()
{
    if (m_fuellen)
        return;
    Geaendert_setzen();
    // the units offered depend on the category
    Fuelle_Einheiten(m_gruppe, CBEinheit->currentText(), CBMenge->currentText());
}

void TFRez::CBKochgeraeteChange()
{
    const int i = CBKochgeraete->currentIndex();
    if (i <= 0 || i >= static_cast<int>(Kochgeraetenamen.size()))
        return;
    EKochgeraete->setText(Kochgeraeteliste(EKochgeraete->text() + QLatin1Char(',') + Kochgeraetenamen[i]));
    CBKochgeraete->setCurrentIndex(0);
    Geaendert_setzen();
}

void TFRez::BRezeptgrafikClick()
{
    QString eintrag;
    if (!Waehle_Rezeptgrafik(this, eintrag))
        return;
    m_rezeptgrafik = eintrag;
    Zeige_Rezeptgrafik();
    Geaendert_setzen();
}

void TFRez::BRezeptgrafikloeschenClick()
{
    if (m_rezeptgrafik.isEmpty())
        return;
    m_rezeptgrafik.clear();
    Zeige_Rezeptgrafik();
    Geaendert_setzen();
}

// --- layout switch ----------------------------------------------------------

void TFRez::MDeluxeClick()
{
    TTRezepteTotal *r = Formularsatz();
    if (!r) {
        MDeluxe->setChecked(false);
        return;
    }
    const bool deluxe = MDeluxe->isChecked();
    if (deluxe == (r->Deluxe != 0))
        return;
    ++m_fuellen;
    // the fields of the layout left hand their values to the other one
    if (deluxe) {
        ERAnzahlportionen1->setText(ERAnzahlportionen->text());
        ERPreis1->setText(ERPreis->text());
        RERBemerkungen1->setHtml(RERBemerkungen->toHtml());
        r->Deluxeliste = Deluxe_aus_Zutaten(*r);
    } else {
        ERAnzahlportionen->setText(ERAnzahlportionen1->text());
        ERPreis->setText(ERPreis1->text());
        RERBemerkungen->setHtml(RERBemerkungen1->toHtml());
    }
    r->Deluxe = deluxe ? 1 : 0;
    --m_fuellen;
    Fuelle_Deluxespalten();
    Aktualisiere_Zutatenliste();
    Setze_Layout();
    Geaendert_setzen();
}

// --- saving ---------------------------------------------------------------

bool TFRez::Pruefe_Zeichen(const QString &feld, const QString &text)
{
    const QString fremd = Nicht_speicherbare_Zeichen(text);
    if (fremd.isEmpty())
        return true;
    Zeige_Meldung(Fremdzeichenmeldung(feld, fremd), QStringLiteral("Error:"), Knopf_OK);
    return false;
}

// The instructions and remarks are rich text, which keeps any character;
// every other field goes into the recipe file and the recipe index.
bool TFRez::Pruefe_Formularzeichen()
{
    const bool deluxe = MDeluxe->isChecked();
    const std::pair<QString, QString> felder[] = {
        {QStringLiteral("Recipe name"), ERName->text()},
        {QStringLiteral("Sub-categories"), EUnterkategorien->text()},
        {QStringLiteral("Servings"), (deluxe ? ERAnzahlportionen1 : ERAnzahlportionen)->text()},
        {QStringLiteral("Preparation time"), ERZubereitungszeit->text()},
        {QStringLiteral("Cooking devices"), EKochgeraete->text()},
        {QStringLiteral("Price"), (deluxe ? ERPreis1 : ERPreis)->text()},
    };
    for (const auto &[feld, text] : felder)
        if (!Pruefe_Zeichen(feld, text))
            return false;
    if (const TTRezepteTotal *r = Formularsatz()) {
        for (const TTZutatenliste &z : r->Zutatenliste)
            if (z.Listenindex >= 0 && !Pruefe_Zeichen(QStringLiteral("Ingredient line \"") + z.Name + QLatin1Char('"'),
                                                      z.Menge + z.Einheit + z.Name))
                return false;
        for (const QString &p : r->Deluxeliste.Zubereitung)
            if (!Pruefe_Zeichen(QStringLiteral("Preparation \"") + p + QLatin1Char('"'), p))
                return false;
    }
    return true;
}

bool TFRez::MRezeptspeichernClick()
{
    // The recipe the fields show, whatever another window (the wizard, the
    // import, the kitchen) has made current meanwhile; the current recipe
    // follows only when it is this one.
    const qint32 idx = m_rezept;
    if (!Gueltiger_Satz(idx))
        return false;
    const bool aktuell = AktuellesRezept == idx;

    const QString name = ERName->text().trimmed();
    const qint32 kategorie =
        CBKategorie->currentIndex() < 0 ? -1 : Ermittle_Kategorie_aus_Anzeigeposition(CBKategorie->currentIndex());
    const TRezeptkopf kopf = Pruefe_Rezeptkopf(name, kategorie);
    if (kopf == TRezeptkopf::Ohne_Name) {
        Zeige_Meldung(QStringLiteral("Please enter a name for the recipe!"), QStringLiteral("Error:"), Knopf_OK);
        return false;
    }
    if (!Pruefe_Formularzeichen()) {
        LStatus->setText(QStringLiteral("Not saved"));
        return false;
    }
    if (m_verwaist
        && Zeige_Meldung(QStringLiteral("The recipe \"") + name
                             + QStringLiteral("\" is no longer in the recipe book: its file was removed or renamed "
                                              "while it was open here. Save it as a new recipe?"),
                         QStringLiteral("Question:"), Knoepfe_Ja_Nein)
               != Antwort_Ja) {
        LStatus->setText(QStringLiteral("Not saved"));
        return false;
    }
    if (kopf == TRezeptkopf::Ohne_Kategorie) {
        Zeige_Meldung(QStringLiteral("Please choose a category for the recipe!"), QStringLiteral("Error:"), Knopf_OK);
        return false;
    }

    TTRezepteTotal neu = RezepteTotal[idx];
    const bool deluxe = neu.Deluxe != 0;
    neu.Rezeptname = name;
    neu.Kategorie = kategorie;
    neu.Unterkategorien = EUnterkategorien->text().trimmed();
    neu.Portionen = (deluxe ? ERAnzahlportionen1 : ERAnzahlportionen)->text().trimmed();
    neu.Zubereitungszeit = ERZubereitungszeit->text().trimmed();
    neu.Schwierigkeit = CBSchwierigkeit->currentIndex() >= 1 ? CBSchwierigkeit->currentIndex() : -1;
    {
        const QDateTime vorher = TWSToDateTime(neu.Kochdatum > 0 ? neu.Kochdatum : Jetzt());
        neu.Kochdatum = DateTimeToTWS(QDateTime(DTPKochdatum->date(), vorher.time()));
    }
    neu.Kochgeraete = Kochgeraeteliste(EKochgeraete->text());
    neu.Preis = Wandle_Text_in_Kommazahl((deluxe ? ERPreis1 : ERPreis)->text().trimmed());
    if (!std::isfinite(neu.Preis))
        neu.Preis = 0;
    neu.Rezeptgrafik = m_rezeptgrafik;
    QTextEdit *bemerkungen = deluxe ? RERBemerkungen1 : RERBemerkungen;

    const TSpeicherergebnis ergebnis =
        Speichere_Rezeptsatz(idx, neu, *REREingabe->document(), *bemerkungen->document());
    if (const QString meldung = Speichermeldung(ergebnis); !meldung.isEmpty())
        Zeige_Meldung(meldung, QStringLiteral("Error:"), Knopf_OK);
    if (ergebnis.Ergebnis == TRezeptspeicherung::Fehlgeschlagen)
        LStatus->setText(QStringLiteral("Not saved"));
    if (!ergebnis.Gespeichert())
        return false;

    const QString datei = ergebnis.Dateiname;
    Programmstart(false);
    // the overview may have reordered the recipes
    if (!(Gueltiger_Satz(m_rezept) && Gleiche_Datei(RezepteTotal[m_rezept].Dateiname, datei)))
        for (int i = 0; i < RezepteTotal.size(); ++i)
            if (Gleiche_Datei(RezepteTotal[i].Dateiname, datei)) {
                m_rezept = i;
                break;
            }
    if (aktuell)
        AktuellesRezept = m_rezept;
    Rezept_gespeichert(m_rezept);
    return true;
}

void TFRez::Rezept_gespeichert(qint32 index)
{
    if (index != m_rezept || !Gueltiger_Satz(index))
        return;
    REREingabe->document()->setModified(false);
    (RezepteTotal[index].Deluxe ? RERBemerkungen1 : RERBemerkungen)->document()->setModified(false);
    m_geaendert = false;
    m_verwaist = false;
    setWindowTitle(QStringLiteral("Recipe: ") + RezepteTotal[index].Rezeptname);
    LStatus->setText(QStringLiteral("Saved: ") + Ermittle_Dateiname(RezepteTotal[index].Dateiname));
}

void TFRez::Merke_vor_Neuladen()
{
    m_gemerkt = Gueltiger_Satz(m_rezept);
    if (m_gemerkt)
        m_vorNeuladen = RezepteTotal[m_rezept];
}

qint32 TFRez::Folge_nach_Neuladen()
{
    if (!m_gemerkt) {
        m_rezept = -1;
        return -1;
    }
    m_gemerkt = false;
    const TTRezepteTotal alt = std::exchange(m_vorNeuladen, TTRezepteTotal());
    qint32 neu = -1;
    for (int i = 0; i < RezepteTotal.size() && neu < 0 && !m_verwaist; ++i)
        if (Gleiche_Datei(RezepteTotal[i].Dateiname, alt.Dateiname))
            neu = i;
    if (!isVisible()) {
        m_rezept = neu;
        m_verwaist = false;
        return neu;
    }
    if (neu < 0) {
        // Gone while open here: the form and the record stay until the user
        // saves them as a new recipe or closes the editor.
        TTRezepteTotal satz = alt;
        satz.Dateiname.clear();
        satz.Anleitungsdatei.clear();
        satz.Bemerkungsdatei.clear();
        satz.Listenposition = -1;
        RezepteTotal.append(satz);
        m_rezept = RezepteTotal.size() - 1;
        m_verwaist = true;
        LStatus->setText(QStringLiteral("This recipe's file is gone. Save stores the recipe again."));
        return m_rezept;
    }
    m_rezept = neu;
    TTRezepteTotal &r = RezepteTotal[neu];
    if (m_geaendert) {
        // the ingredient lines are edited in the record, the rest in the fields
        r.Zutatenliste = alt.Zutatenliste;
        r.Deluxe = alt.Deluxe;
        r.Deluxeliste = alt.Deluxeliste;
        r.Einkaufsliste = alt.Einkaufsliste;
    } else {
        // nothing to keep: show the recipe as it was read
        const qint32 vorher = AktuellesRezept;
        AktuellesRezept = neu;
        Fuelle_Formular();
        AktuellesRezept = vorher;
    }
    return neu;
}

void TFRez::Rezept_entfernt(qint32 index)
{
    if (m_rezept == index) {
        m_rezept = -1;
        m_verwaist = false;
    } else if (m_rezept > index) {
        --m_rezept;
    }
}

void TFRez::MRezeptmengenberechnenClick()
{
    if (Bereite_Mengenberechnung_vor())
        Zeige_Mengenberechnung();
}

void TFRez::ZSNeueZutatinDatenbankaufnehmenClick()
{
    if (Bearbeite_Zutat(-1, true, this, false))
        EZutatSuchenChange();
}

bool TFRez::Verwerfe_Aenderungen()
{
    bool ok = true;
    if (m_verwaist) {
        // the record of a recipe that is gone has nothing to go back to
        m_verwaist = false;
        if (Gueltiger_Satz(m_rezept))
            Entferne_Rezeptsatz(m_rezept);
    } else if (Gueltiger_Satz(m_rezept)) {
        // lines were edited in the record itself: read it back from its file
        const TTRezepteTotal &r = RezepteTotal[m_rezept];
        if (!r.Dateiname.isEmpty() && platform::fileExists(r.Dateiname)) {
            const qint32 vorher = AktuellesRezept;
            AktuellesRezept = m_rezept;
            ok = Lade_Rezepte(Load, m_rezept);
            AktuellesRezept = vorher;
        }
    }
    m_rezept = -1;
    m_geaendert = false;
    return ok;
}

void TFRez::MSchliessenClick()
{
    close();
}

void TFRez::closeEvent(QCloseEvent *event)
{
    if (ProgrammOK && (m_geaendert || m_verwaist) && Gueltiger_Satz(m_rezept)) {
        // The question and the save are about the recipe open here, whatever
        // else is current; that stays current afterwards.
        const qint32 vorher = AktuellesRezept;
        const qint32 eigenes = m_rezept;
        const bool verwaist = m_verwaist;
        AktuellesRezept = m_rezept;
        const int antwort = m_geaendert ? Zeige_Meldung(QStringLiteral("Do you want to save the changes to the recipe?"),
                                                        QStringLiteral("Question:"), Knoepfe_Ja_Nein)
                                        : 7;
        bool offen = false;
        if (antwort == Antwort_Ja)
            offen = !MRezeptspeichernClick();
        else
            Verwerfe_Aenderungen(); // removes the record of a recipe that is gone
        if (vorher != eigenes)
            AktuellesRezept = verwaist && antwort != Antwort_Ja && vorher > eigenes ? vorher - 1 : vorher;
        if (offen) {
            event->ignore();
            return;
        }
    }
    m_geaendert = false;
    event->accept();
    Schliesse_Mengenberechnung();
    if (ProgrammOK && FMain && !FMain->isVisible())
        FMain->show();
}

// --- free routines ------------------------------------------------------------

void Zeige_Rezept()
{
    if (!FRez || !Aktuelles())
        return;
    // another recipe's unsaved edits are not dropped silently
    const qint32 offen = FRez->Formularrezept();
    if (FRez->isVisible() && FRez->Geaendert() && offen != AktuellesRezept && offen >= 0
        && offen < RezepteTotal.size()) {
        const QString gewuenscht = RezepteTotal[AktuellesRezept].Dateiname;
        const QString gewuenschterName = RezepteTotal[AktuellesRezept].Rezeptname;
        AktuellesRezept = offen;
        if (!FRez->close())
            return; // the open recipe stays current
        AktuellesRezept = -1;
        for (int i = 0; i < RezepteTotal.size() && AktuellesRezept < 0; ++i)
            if (gewuenscht.isEmpty() ? RezepteTotal[i].Rezeptname == gewuenschterName
                                     : Gleiche_Datei(RezepteTotal[i].Dateiname, gewuenscht))
                AktuellesRezept = i;
        if (!Aktuelles())
            return;
    }
    // the same recipe opened again keeps the edits made to it
    if (!(FRez->isVisible() && FRez->Geaendert() && offen == AktuellesRezept))
        FRez->Fuelle_Formular();
    Nach_vorne(FRez);
}

void Entferne_Rezeptsatz(qint32 index)
{
    if (index < 0 || index >= RezepteTotal.size())
        return;
    RezepteTotal.remove(index);
    for (qint32 *i : {&AktuellesRezept, &WizRezept})
        if (*i == index)
            *i = -1;
        else if (*i > index)
            --*i;
    if (FRez)
        FRez->Rezept_entfernt(index);
}

void Aktualisiere_Zutatenliste()
{
    if (!FRez)
        return;
    QListWidget *lb = FRez->LBZutatliste;
    const int markiert = lb->currentRow();
    {
        QSignalBlocker b(lb);
        lb->clear();
        if (TTRezepteTotal *r = Formularsatz()) {
            Ordne_Zutatenliste(r->Zutatenliste);
            for (const TTZutatenliste &z : r->Zutatenliste)
                lb->addItem(Verbinde_Zutatenstring(z.Menge, z.Einheit, z.Name));
        }
        if (markiert >= 0 && lb->count() > 0)
            lb->setCurrentRow(std::min(markiert, lb->count() - 1));
    }
    Zeige_Zeilenbeschriftung();
    if (TTRezepteTotal *r = Formularsatz())
        Erstelle_Einkaufsliste(*r);
}

void Zeige_Zutatzeile()
{
    if (!FRez)
        return;
    TTRezepteTotal *r = Formularsatz();
    const int markiert = FRez->LBZutatliste->currentRow();
    TTZutatenliste *z = r && markiert >= 0 ? Zeile_mit_Index(*r, markiert) : nullptr;
    Zeige_Zeilenbeschriftung();
    if (!z)
        return;
    const TTZutatenliste zeile = *z;
    FRez->EZutat->setText(zeile.Name);
    FRez->Fuelle_Einheiten(Zutatengruppe(zeile.Name), zeile.Einheit, zeile.Menge);
}

void Zeige_Zutatgrafik_DigI(qint32 count, qint32 zutat)
{
    if (!FRez)
        return;
    QLabel *import = FDigI ? FDigI->IZutat : nullptr;
    if (count < 1) {
        FRez->ISuchbild->clear();
        if (import && Optionen.Zutatengrafiken)
            import->clear();
        return;
    }
    if (zutat < 0)
        return;
    if (!Lade_Zutatengrafik(FRez->ISuchbild, zutat))
        FRez->ISuchbild->clear();
    if (import)
        import->setPixmap(FRez->ISuchbild->pixmap());
}

void Setze_Hintergrund_FRez()
{
    if (!FRez)
        return;
    if (FRez->Formularrezept() != AktuellesRezept || !FRez->isVisible()) {
        // the fields take another record: the open one's edits are asked about
        if (FRez->isVisible() && (FRez->Geaendert() || FRez->Verwaist()) && !FRez->close())
            return;
        FRez->Fuelle_Formular();
    } else {
        FRez->Setze_Layout();
    }
}

void Setze_Textschrift()
{
    if (!FRez)
        return;
    for (QWidget *w : std::initializer_list<QWidget *>{FRez->LBZutatliste, FRez->MMenge1, FRez->MEinheit1,
                                                        FRez->MZutat1, FRez->MZubereitung1})
        w->setFont(Anzeigeschrift(Optionen.Schrift1));
    // The widget's font, not only the document's: the document would take
    // the widget's font back on the next font change (the first show among
    // them), and a text saved before that would be written in another size.
    for (QTextEdit *t : {FRez->REREingabe, FRez->RERBemerkungen, FRez->RERBemerkungen1})
        t->setFont(Anzeigeschrift(Optionen.Schrift2));
    if (FDigI) {
        for (QWidget *w : std::initializer_list<QWidget *>{FDigI->MZutatenliste, FDigI->MOriginalzutaten,
                                                            FDigI->LBZutatliste, FDigI->LBZutatsuchen})
            w->setFont(Anzeigeschrift(Optionen.Schrift1));
        FDigI->MRezeptliste->setFont(Anzeigeschrift(Optionen.Schrift2));
    }
}

bool Bereite_Mengenberechnung_vor()
{
    // the recipe the editor shows, whatever another window made current
    TTRezepteTotal *r = Formularsatz();
    const bool deluxe = r && r->Deluxe != 0;
    // the deluxe layout's selected line is the caret's row, which is always
    // there; the hidden list's selection is no matter then
    if (!FRez || !r || FRez->LBZutatliste->count() < 1 || (!deluxe && FRez->LBZutatliste->currentRow() < 0))
        return false;
    RechPortionentext = (deluxe ? FRez->ERAnzahlportionen1 : FRez->ERAnzahlportionen)->text().trimmed();
    RechPreis = Wandle_Text_in_Kommazahl((deluxe ? FRez->ERPreis1 : FRez->ERPreis)->text());
    RechLabel1Text.clear();

    // a base of 0 or below would make every factor meaningless
    auto zahl = [](const QString &text, double &wert) {
        return Lies_Zahl(text, wert) && std::isfinite(wert) && wert > 0;
    };
    double wert = 0;
    if (!zahl(RechPortionentext, wert)) {
        const int blank = RechPortionentext.indexOf(QLatin1Char(' '));
        if (blank >= 0) {
            RechLabel1Text = RechPortionentext.mid(blank + 1).left(200);
            RechPortionentext = RechPortionentext.left(blank);
        }
        if (!zahl(RechPortionentext, wert)) {
            static const char *const woerter[] = {"one", "two", "three", "four", "five",
                                                  "six", "seven", "eight", "nine", "ten"};
            const QString gross = platform::upperCase(RechPortionentext);
            wert = 0;
            for (int i = 0; i < 10; ++i)
                if (gross == platform::upperCase(QLatin1String(woerter[i]))) {
                    wert = i + 1;
                    break;
                }
            if (wert == 0) {
                wert = 1;
                Zeige_Meldung(QStringLiteral("No number found! Value is set to 1!"), QStringLiteral("Note:"), Knopf_OK);
            }
        }
    }
    RechPortionen = wert;
    RechFaktor = RechPortionen;
    Wandle_Kommazahl_in_Text(3, 2, RechEAnzahlText, RechPortionen);
    RechLabel2Text = RechLabel1Text.isEmpty()
                         ? QStringLiteral("Original ingredients (") + RechEAnzahlText + QStringLiteral("):")
                         : QStringLiteral("Original ingredients (") + RechEAnzahlText + QLatin1Char(' ')
                               + RechLabel1Text + QStringLiteral("):");
    return true;
}
