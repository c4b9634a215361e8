#include "reference/F_Lex.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWindow>

#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "internet/Internet.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "platform/Seams.h"
#include "platform/Wait.h"
#include "dialogs/Dienste.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/Hintergrund.h"
#include "dialogs/F_Meldung.h"
#include "dialogs/Fensterlage.h"
#include "reference/F_TWSMLex.h"
#include "reference/Lexikon.h"

TFLex *FLex = nullptr;

namespace {
const QString Lexikonordner = QStringLiteral("Grafiken\\ENG\\PNG\\LEXIKON\\");
const QString Grafikfehlt = QStringLiteral("Diese Grafik fehlt leider...");
const QString Hinweis = QStringLiteral("Hinweis:");

QString Suchform(QString text)
{
    Ersetze_Sonderbuchstaben(text);
    return platform::upperCase(text);
}

bool Kommt_vor(const TString &zeilen, const QString &wort)
{
    for (const QString &z : zeilen)
        if (!z.isEmpty() && Suchform(z).contains(wort))
            return true;
    return false;
}

bool Passt(const TTLexikon &e, const QString &begriff, const TString &woerter)
{
    for (const QString &w : woerter) {
        if (w.isEmpty())
            return false;
        if (!begriff.contains(w) && !Kommt_vor(e.Text, w) && !Kommt_vor(e.Divers, w))
            return false;
    }
    return true;
}
} // namespace

// --- the search -----------------------------------------------------------

QStringList Suche_im_Lexikon(const QString &suchtext, int gruppenzeile, int &vorauswahl)
{
    vorauswahl = -1;
    QStringList liste;
    TString woerter;
    qint32 modus = 0;
    Zerlege_Suchbegriffe(suchtext, false, modus, woerter, true, true);
    for (TTLexikon &e : GlobalLexikon)
        e.Listenindex = (gruppenzeile > 0 && e.Gruppe != gruppenzeile - 1) ? -2 : -1;
    for (TTLexikon &e : GlobalLexikon) {
        if (e.Listenindex != -1)
            continue;
        if (!woerter.isEmpty()) {
            const QString begriff = Suchform(e.Begriff);
            if (!Passt(e, begriff, woerter))
                continue;
            if (vorauswahl < 0 && begriff.startsWith(woerter.first()))
                vorauswahl = int(liste.size());
        }
        e.Listenindex = int(liste.size());
        liste << e.Begriff;
    }
    if (vorauswahl < 0 && !liste.isEmpty())
        vorauswahl = 0;
    return liste;
}

QString Lexikongrafikpfad(const QString &grafik)
{
    if (grafik.isEmpty())
        return QString();
    // References come from the dictionary file: they never leave the base folder.
    if (grafik.contains(QLatin1String("-\\")))
        return platform::resolveInsideBase(grafik.mid(2));
    return platform::resolveInsideBase(Lexikonordner + grafik);
}

qint32 Lexikoneintrag_in_Zeile(int zeile)
{
    if (zeile < 0)
        return -1;
    for (qint32 i = 0; i < GlobalLexikon.size(); ++i)
        if (GlobalLexikon[i].Listenindex == zeile)
            return i;
    return -1;
}

// --- the window -------------------------------------------------------------

TFLex::TFLex(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FLex"));
    setWindowTitle(QStringLiteral("Das kleine Herdfibel 5.00"));
    // A fixed border with the system menu and minimise only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    Setze_Fensterfarbe(this);
    Baue_Felder();
    Baue_Menue();
    Baue_Layout();
    Verbinde();
    setFixedSize(QSize(640, 460).expandedTo(minimumSizeHint()));
}

void TFLex::Baue_Felder()
{
    auto name = [](QObject *o, const char *n) { o->setObjectName(QLatin1String(n)); };
    IBack = new QLabel(this);
    name(IBack, "IBack");
    IBack->setScaledContents(true);
    IBack->lower();

    Panel1 = new QLabel(Grafikfehlt, this);
    name(Panel1, "Panel1");
    Panel1->setFixedSize(204, 154);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    ILex = new QLabel(Panel1);
    name(ILex, "ILex");
    ILex->setGeometry(2, 2, 200, 150);
    ILex->setAlignment(Qt::AlignCenter);
    ILex->setAttribute(Qt::WA_TransparentForMouseEvents);

    ESuche = new QLineEdit(this);
    name(ESuche, "ESuche");
    ESuche->setToolTip(QStringLiteral("Suchbegriffe, durch Leerzeichen getrennt"));
    CBSuchart = new QComboBox(this);
    name(CBSuchart, "CBSuchart");
    LBBegriff = new QListWidget(this);
    name(LBBegriff, "LBBegriff");
    LBBegriff->setSelectionMode(QAbstractItemView::SingleSelection);
    RELex = new QTextEdit(this);
    name(RELex, "RELex");
    RELex->setReadOnly(true);
    RELex->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The window's own popup serves the text too.
    RELex->setContextMenuPolicy(Qt::NoContextMenu);
}

void TFLex::Baue_Menue()
{
    PMLex = new QMenu(this);
    PMLex->setObjectName(QStringLiteral("PMLex"));
    auto eintrag = [this](const char *n, const QString &text, void (TFLex::*slot)()) {
        QAction *a = PMLex->addAction(text);
        a->setObjectName(QLatin1String(n));
        if (slot)
            connect(a, &QAction::triggered, this, slot);
        return a;
    };
    MRezeptesuchen = eintrag("MRezeptesuchen", QStringLiteral("Rezepte suchen"), &TFLex::MRezeptesuchenClick);
    MLZeichensatzaendern =
        eintrag("MLZeichensatzaendern", QStringLiteral("Zeichensatz ändern"), &TFLex::MLZeichensatzaendernClick);
    MLHilfe = eintrag("MLHilfe", QStringLiteral("Hilfe"), &TFLex::MLHilfeClick);
    PMLex->addSeparator();
    EditNeuerEintrag = eintrag("EditNeuerEintrag", QStringLiteral("Neuer Lexikoneintrag"), &TFLex::EditNeuerEintragClick);
    EditEintragaendern =
        eintrag("EditEintragaendern", QStringLiteral("Lexikoneintrag ändern"), &TFLex::EditEintragaendernClick);
    EditSpeichern = eintrag("EditSpeichern", QStringLiteral("Lexikondaten speichern"), &TFLex::EditSpeichernClick);
    Lexikoneintragloeschen = eintrag("Lexikoneintragloeschen", QStringLiteral("Lexikoneintrag löschen"),
                                     &TFLex::LexikoneintragloeschenClick);
}

void TFLex::Baue_Layout()
{
    auto *links = new QVBoxLayout;
    links->addWidget(new QLabel(QStringLiteral("Suchen:"), this));
    links->addWidget(ESuche);
    links->addWidget(CBSuchart);
    links->addWidget(LBBegriff, 1);
    auto *rechts = new QVBoxLayout;
    rechts->addWidget(Panel1, 0, Qt::AlignHCenter);
    rechts->addWidget(RELex, 1);
    auto *haupt = new QHBoxLayout(this);
    haupt->addLayout(links, 2);
    haupt->addLayout(rechts, 3);
}

void TFLex::Verbinde()
{
    connect(ESuche, &QLineEdit::textChanged, this, &TFLex::ESucheChange);
    connect(CBSuchart, &QComboBox::currentIndexChanged, this, &TFLex::CBSuchartChange);
    connect(LBBegriff, &QListWidget::currentRowChanged, this, &TFLex::LBBegriffClick);
}

void TFLex::Leere_Anzeige()
{
    const QSignalBlocker sperre(LBBegriff);
    LBBegriff->clear();
    RELex->clear();
    ILex->clear();
    Panel1->setText(Grafikfehlt);
}

void TFLex::ESucheChange()
{
    if (GlobalLexikon.isEmpty()) {
        Leere_Anzeige();
        return;
    }
    int vorauswahl = -1;
    const QStringList liste = Suche_im_Lexikon(ESuche->text(), CBSuchart->currentIndex(), vorauswahl);
    {
        const QSignalBlocker sperre(LBBegriff);
        LBBegriff->clear();
        LBBegriff->addItems(liste);
        LBBegriff->setCurrentRow(vorauswahl);
    }
    Zeige_Lexikongrafik();
}

void TFLex::CBSuchartChange()
{
    ESucheChange();
}

void TFLex::LBBegriffClick()
{
    Zeige_Lexikongrafik();
}

void TFLex::PMLexPopup()
{
    const bool gewaehlt = Lexikoneintrag_in_Zeile(LBBegriff->currentRow()) >= 0;
    EditEintragaendern->setVisible(gewaehlt);
    Lexikoneintragloeschen->setVisible(gewaehlt);
    // the recipe search lives on the program's web site
    MRezeptesuchen->setEnabled(!Interneteinstellungen.Webseite.isEmpty());
}

void TFLex::MRezeptesuchenClick()
{
    if (!Interneteinstellungen.Webseite.isEmpty())
        Oeffne_Dokument(Hauptfenster(), QStringLiteral("open"), Interneteinstellungen.Webseite, QString(), QString(), 1);
}

void TFLex::MLZeichensatzaendernClick()
{
    QFont schrift = Optionen.Lexikonschrift;
    Vordergrund(false);
    const bool gewaehlt = platform::chooseFont(this, schrift);
    Vordergrund(true);
    if (!gewaehlt)
        return;
    // The text is laid out for 8 to 12 points.
    if (schrift.pointSize() > 0)
        schrift.setPointSize(qBound(8, schrift.pointSize(), 12));
    Setze_Lexikonschrift(schrift);
    if (isVisible())
        ESucheChange();
}

void TFLex::MLHilfeClick()
{
    // The help would lie behind the dictionary; it comes back to the front
    // when the user returns to it.
    Vordergrund(false);
    Zeige_Hilfe(7);
}

void TFLex::Vordergrund(bool an)
{
    if (QWindow *fenster = windowHandle())
        fenster->setFlag(Qt::WindowStaysOnTopHint, an);
}

int TFLex::Meldung(const QString &text, const QString &ueberschrift, int knoepfe)
{
    // A message must not hide behind the dictionary while the dictionary
    // waits for it.
    Vordergrund(false);
    setEnabled(false);
    const int antwort = Zeige_Meldung(text, ueberschrift, knoepfe);
    setEnabled(true);
    Vordergrund(true);
    return antwort;
}

void TFLex::EditNeuerEintragClick()
{
    Zeige_Lexikoneditor(-1);
    platform::waitWhileVisible(FTWSMLex);
}

void TFLex::EditEintragaendernClick()
{
    const qint32 index = Lexikoneintrag_in_Zeile(LBBegriff->currentRow());
    if (index >= 0)
        Zeige_Lexikoneditor(index);
}

bool TFLex::Speichere_und_lade()
{
    if (!Lade_Lexikon(Save, -1, QString())) {
        Meldung(QStringLiteral("Das Lexikon konnte nicht abgespeichert werden! Die Datei ist unverändert."),
                QStringLiteral("Fehler:"), Knopf_OK);
        return false;
    }
    // Reading back drops deleted entries and sorts new ones in. Should the
    // file just written not read back, the dictionary in memory stays.
    const TGlobalLexikon vorher = GlobalLexikon;
    const qint32 gruppenanzahl = LexikonGruppenanzahl;
    const TString gruppen = LexikonGruppen;
    if (!Lade_Lexikon(Load, -1, QString())) {
        GlobalLexikon.clear();
        for (const TTLexikon &e : vorher)
            if (!e.Begriff.isEmpty() && e.Gruppe >= 0)
                GlobalLexikon.append(e);
        LexikonGruppenanzahl = gruppenanzahl;
        LexikonGruppen = gruppen;
        Sortiere_Lexikon();
    }
    return true;
}

void TFLex::EditSpeichernClick()
{
    if (!Speichere_und_lade())
        return;
    Meldung(QStringLiteral("Das Lexikon wurde abgespeichert!"), Hinweis, Knopf_OK);
    Zeige_Lexikon(false, CBSuchart->currentIndex() - 1, ESuche->text());
}

void TFLex::LexikoneintragloeschenClick()
{
    const qint32 index = Lexikoneintrag_in_Zeile(LBBegriff->currentRow());
    if (index < 0)
        return;
    const int antwort =
        Meldung(QStringLiteral("Diesen Eintrag löschen? \"") + GlobalLexikon[index].Begriff + QLatin1Char('"'), Hinweis,
                Knoepfe_Ja_Nein);
    if (antwort != Antwort_Ja)
        return;
    const TTLexikon eintrag = GlobalLexikon[index];
    GlobalLexikon[index].Begriff.clear();
    GlobalLexikon[index].Gruppe = -1;
    if (!Speichere_und_lade()) {
        GlobalLexikon[index] = eintrag;
        return;
    }
    Zeige_Lexikon(false, CBSuchart->currentIndex() - 1, ESuche->text());
}

void TFLex::FormClose()
{
    hide();
    if (FTWSMLex)
        FTWSMLex->hide();
}

void TFLex::closeEvent(QCloseEvent *event)
{
    event->accept();
    FormClose();
}

void TFLex::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Vordergrund(true);
}

void TFLex::contextMenuEvent(QContextMenuEvent *event)
{
    PMLexPopup();
    PMLex->popup(event->globalPos());
}

void TFLex::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        MLHilfeClick();
    else if (!Dialogtaste(this, event))
        QWidget::keyPressEvent(event);
}

void TFLex::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    IBack->setGeometry(rect());
}

// --- the routines ------------------------------------------------------------

void Zeige_Lexikon(bool zeigen, qint32 gruppe, const QString &text)
{
    if (!FLex)
        return;
    // While an entry is being edited the dictionary stays hidden behind it.
    if (zeigen && FTWSMLex && FTWSMLex->isVisible()) {
        FTWSMLex->raise();
        FTWSMLex->activateWindow();
        return;
    }
    if (GlobalLexikon.isEmpty()) {
        // An open window loses the rows of entries that are gone.
        FLex->Leere_Anzeige();
        return;
    }
    FLex->IBack->setPixmap(platform::loadPixmap(Hintergrunddatei()));
    FLex->setWindowTitle(QStringLiteral("Das kleine Herdfibel 5.00"));
    {
        const QSignalBlocker sperre(FLex->CBSuchart);
        FLex->CBSuchart->clear();
        FLex->CBSuchart->addItem(QStringLiteral("In allen Rubriken suchen"));
        for (qint32 i = 0; i < LexikonGruppenanzahl && i < LexikonGruppen.size(); ++i)
            FLex->CBSuchart->addItem(LexikonGruppen[i]);
        const int zeile = gruppe + 1;
        FLex->CBSuchart->setCurrentIndex(zeile >= 0 && zeile < FLex->CBSuchart->count() ? zeile : 0);
    }
    FLex->Leere_Anzeige();
    for (TTLexikon &e : GlobalLexikon)
        e.Listenindex = -1;
    {
        const QSignalBlocker sperre(FLex->ESuche);
        if (!FLex->isVisible())
            FLex->ESuche->setText(text);
        else if (!FLex->ESuche->text().isEmpty() && !text.isEmpty())
            FLex->ESuche->setText(text);
    }
    if (zeigen) {
        if (!FLex->isVisible())
            Zentriere_Fenster(FLex);
        FLex->showNormal();
        FLex->raise();
        FLex->activateWindow();
        if (!platform::fileExists(platform::nativePath(Programmverzeichnis + Lexikonordner
                                                       + QStringLiteral("Abbruehen.png")))) {
            FLex->Meldung(QStringLiteral("Wenn Sie das Lexikon öfter benutzen, wird empfohlen, die Lexikongrafiken "
                                         "herunterzuladen. Sie können dies unter \"Update\" in der "
                                         "Rezepthauptübersicht tun."),
                          Hinweis, Knopf_OK);
            FLex->raise();
            FLex->activateWindow();
        }
    }
    FLex->ESuche->setCursorPosition(int(text.size()));
    FLex->ESucheChange();
}

void Setze_Lexikonschrift(const QFont &schrift)
{
    Optionen.Lexikonschrift = schrift;
    if (!FLex)
        return;
    FLex->RELex->clear();
    FLex->RELex->setFont(schrift);
    FLex->RELex->document()->setDefaultFont(schrift);
    FLex->RELex->setCurrentFont(schrift);
    for (QWidget *w : {static_cast<QWidget *>(FLex->LBBegriff), static_cast<QWidget *>(FLex->CBSuchart),
                       static_cast<QWidget *>(FLex->ESuche)})
        w->setFont(schrift);
}

void Zeige_Lexikongrafik()
{
    if (!FLex)
        return;
    const qint32 index = Lexikoneintrag_in_Zeile(FLex->LBBegriff->currentRow());
    if (index < 0) {
        FLex->RELex->clear();
        FLex->ILex->clear();
        return;
    }
    const TTLexikon &e = GlobalLexikon[index];
    const QString pfad = Lexikongrafikpfad(e.Grafik);
    const QPixmap bild =
        !pfad.isEmpty() && platform::fileExists(pfad) ? platform::loadPixmap(pfad) : QPixmap();
    if (bild.isNull()) {
        FLex->Panel1->setText(Grafikfehlt);
        FLex->ILex->clear();
    } else {
        FLex->Panel1->setText(QString());
        FLex->ILex->setPixmap(bild.scaled(FLex->ILex->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    qsizetype letzte = e.Text.size() - 1;
    while (letzte >= 0 && e.Text[letzte].isEmpty())
        --letzte;
    FLex->RELex->setPlainText(QStringList(e.Text.mid(0, letzte + 1)).join(QLatin1Char('\n')));
}
