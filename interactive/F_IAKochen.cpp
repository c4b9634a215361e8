// Cooking by hand in the kitchen window: the clicks, pointer movements,
// sliders and closing (the popup menu and keys are in F_IAMenue). The rules
// live in IAWaage, IAHandlung, IATutorial and IASchliessen; these handlers
// find what lies under the pointer, call them and redraw.
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "core/Dateioperationen.h"
#include "core/Grundoperationen.h"
#include "interactive/F_IAMSG.h"
#include "interactive/F_IAMain.h"
#include "interactive/F_IAKochen_p.h"
#include "interactive/F_IARezeptladen.h"
#include "interactive/F_IARezepttext.h"
#include "interactive/F_IAVDB.h"
#include "interactive/F_IAVerb.h"
#include "interactive/F_IAZutat.h"
#include "interactive/IAAuswahl.h"
#include "interactive/IAHandlung.h"
#include "interactive/IASaetze.h"
#include "interactive/IASchliessen.h"
#include "interactive/IATabellen.h"
#include "interactive/IATutorial.h"
#include "interactive/IAWaage.h"
#include "platform/Wait.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/F_Tipp.h"
#include "reference/F_Lex.h"

namespace {


QString hinweis(const QWidget *w)
{
    static const QHash<QString, QString> texte = {
        {QStringLiteral("IZPfeilOben"), QStringLiteral("Eine Seite zurück blättern")},
        {QStringLiteral("IZPfeilUnten"), QStringLiteral("Eine Seite weiter blättern")},
        {QStringLiteral("IGewuerz"), QStringLiteral("Das Gewürzregal zeigen")},
        {QStringLiteral("IZutat"), QStringLiteral("Das Zutatenregal zeigen")},
        {QStringLiteral("IVariable"), QStringLiteral("Die Verbleiste zeigen")},
        {QStringLiteral("IC0"), QStringLiteral("Die Küchenwaage")},
        {QStringLiteral("IZKPfeiloben"), QStringLiteral("Eine Seite zurück blättern")},
        {QStringLiteral("IZKPfeilunten"), QStringLiteral("Eine Seite weiter blättern")},
        {QStringLiteral("IZKLeeren"), QStringLiteral("Alle Zutaten zurück ins Regal stellen")},
        {QStringLiteral("LGrad"), QStringLiteral("Die Temperatur; ein Klick heizt das Gerät vor")},
        {QStringLiteral("LZeit"), QStringLiteral("Die Kochzeit")}};
    const QString name = w->objectName();
    if (name.startsWith(QLatin1String("IC")) && name != QLatin1String("IC0")) {
        const int g = name.mid(2).toInt() - 1;
        return g >= 0 && g < AnzahlGeraete ? IAGeraete[g].Hinweis : QString();
    }
    return texte.value(name);
}


QString gewaehlteZeile(const QListWidget *l)
{
    return l->currentItem() ? l->currentItem()->text() : QString();
}

} // namespace

using namespace kochen;

namespace kochen {

bool tippeVerb(TFIAMain *f, const QString &text)
{
    const bool vdb = FIAVDB && FIAVDB->isVisible();
    if (text.size() != 1 || (f->P1->isHidden() && !vdb))
        return false;
    if (Springe_zu_Verb(text.at(0))) {
        f->Aktualisiere();
        if (!f->P1->isHidden())
            f->Zeige_Verbleiste();
    }
    if (vdb && FIAVDB->LBVerb->count() > 0 && !IAVTotalliste.isEmpty()) {
        QStringList zeilen;
        for (int r = 0; r < FIAVDB->LBVerb->count(); ++r)
            zeilen << FIAVDB->LBVerb->item(r)->text();
        if (const qint32 r = Erster_Text_mit_Anfang(zeilen, text.at(0)); r >= 0) {
            FIAVDB->LBVerb->scrollToItem(FIAVDB->LBVerb->item(r), QAbstractItemView::PositionAtTop);
            FIAVDB->LBVerb->setCurrentRow(r);
        }
        Fuelle_Verbliste();
    }
    return true;
}

} // namespace kochen

// --- building ---------------------------------------------------------------

void TFIAMain::Baue_Kochen()
{
    // The pictures let the clicks through to the click surfaces below them;
    // only the carried item and verb take their own.
    for (QLabel *l : findChildren<QLabel *>())
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QFrame *p : {P5, P7, P8})
        p->setAttribute(Qt::WA_TransparentForMouseEvents);
    IZDummy->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    IVDummy->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setMouseTracking(true);
    for (QWidget *w : std::initializer_list<QWidget *>{IFront, IZFront, IVFront, IKFront, IWFront, IZDummy, IVDummy, P4, P6}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    CBMenge->installEventFilter(this);
    EZutatName->setMaxLength(50);

    connect(TBGrad, &QSlider::valueChanged, this, &TFIAMain::TBGradChange);
    connect(TBZeit, &QSlider::valueChanged, this, &TFIAMain::TBZeitChange);
    connect(LBEinheit, &QListWidget::itemClicked, this, &TFIAMain::LBEinheitClick);
    connect(CBMenge, &QComboBox::editTextChanged, this, &TFIAMain::CBMengeChange);
    connect(EZutatName, &QLineEdit::textChanged, this, &TFIAMain::EZutatNameChange);
    connect(BBOK, &QPushButton::clicked, this, &TFIAMain::BBOKClick);
    Baue_Menue();
    Verbinde_Satelliten();
}

void TFIAMain::Baue_Menue()
{
    PMIA = new QMenu(this);
    PMIA->setObjectName(QStringLiteral("PMIA"));
    const auto eintrag = [this](QMenu *menue, const QString &name, const QString &text, auto slot,
                                const QKeySequence &taste = {}) {
        QAction *a = menue->addAction(text);
        a->setObjectName(name);
        if (!taste.isEmpty())
            a->setShortcut(taste);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    MZutatoderGewuerzloeschen = eintrag(PMIA, QStringLiteral("MZutatoderGewuerzloeschen"), QStringLiteral("Zutat wegwerfen"),
                                        &TFIAMain::MZutatoderGewuerzloeschenClick);
    MZutatzumGewuerz = eintrag(PMIA, QStringLiteral("MZutatzumGewuerz"), QStringLiteral("Zutat in Gewürz umwandeln"),
                               &TFIAMain::MZutatzumGewuerzClick);
    PMIA->addSeparator();
    MVerbendatenbankanzeigen = eintrag(PMIA, QStringLiteral("MVerbendatenbankanzeigen"),
                                       QStringLiteral("Verbendatenbank anzeigen (ESC)"),
                                       &TFIAMain::MVerbendatenbankanzeigenClick);
    MRezeptspeichern = PMIA->addMenu(QStringLiteral("Rezept speichern"));
    MRezeptspeichern->setObjectName(QStringLiteral("MRezeptspeichern"));
    Zwischenspeichern1 = eintrag(MRezeptspeichern, QStringLiteral("Zwischenspeichern1"), QStringLiteral("Zwischenspeichern"),
                                 &TFIAMain::Zwischenspeichern1Click, QKeySequence(Qt::CTRL | Qt::Key_S));
    ExportzumTafelwerkstatt1 = eintrag(MRezeptspeichern, QStringLiteral("ExportzumTafelwerkstatt1"),
                                       QStringLiteral("Export zum Tafelwerkstatt"),
                                       &TFIAMain::ExportzumTafelwerkstatt1Click, QKeySequence(Qt::CTRL | Qt::Key_E));
    MAnzeigeoptionen = PMIA->addMenu(QStringLiteral("Optionen"));
    MAnzeigeoptionen->setObjectName(QStringLiteral("MAnzeigeoptionen"));
    MVariablenanzeige = eintrag(MAnzeigeoptionen, QStringLiteral("MVariablenanzeige"), QString(), [this] {
        IAStatus.AlleVerben = IAStatus.AlleVerben ? 0 : 1;
        Aktualisiere();
        if (!P1->isHidden())
            Zeige_Verbleiste();
    });
    MTooltippsallgemeinanzeigen = eintrag(MAnzeigeoptionen, QStringLiteral("MTooltippsallgemeinanzeigen"),
                                          QStringLiteral("Tooltipps allgemein anzeigen"), [] {
                                              IAStatus.Tooltipps = IAStatus.Tooltipps ? 0 : 1;
                                              Setze_Tooltipps({});
                                          });
    MTooltippsimVerbeneditoranzeigen = eintrag(MAnzeigeoptionen, QStringLiteral("MTooltippsimVerbeneditoranzeigen"),
                                               QStringLiteral("Tooltipps im Verbeneditor anzeigen"),
                                               [] { IAStatus.TooltippsVerbeditor = IAStatus.TooltippsVerbeditor ? 0 : 1; });
    MKochverbenspeichern = eintrag(MAnzeigeoptionen, QStringLiteral("MKochverbenspeichern"),
                                   QStringLiteral("Kochverben speichern"),
                                   [] { IAStatus.VerbenSpeichern = IAStatus.VerbenSpeichern == 1 ? 0 : 1; });
    MKochverbendatenbankspeichern = eintrag(MAnzeigeoptionen, QStringLiteral("MKochverbendatenbankspeichern"),
                                            QStringLiteral("Kochverbendatenbank speichern"),
                                            [] { IAStatus.VTotalSpeichern = IAStatus.VTotalSpeichern == 1 ? 0 : 1; });
    for (QAction *a : {MTooltippsallgemeinanzeigen, MTooltippsimVerbeneditoranzeigen, MKochverbenspeichern,
                       MKochverbendatenbankspeichern})
        a->setCheckable(true);
    PMIA->addSeparator();
    MLetzteRezeptzeileloeschen = eintrag(PMIA, QStringLiteral("MLetzteRezeptzeileloeschen"),
                                         QStringLiteral("Letzte Rezeptzeile löschen"),
                                         &TFIAMain::MLetzteRezeptzeileloeschenClick, QKeySequence(Qt::Key_Delete));
    MZutatoderGewuerzneuaufnehmen = eintrag(PMIA, QStringLiteral("MZutatoderGewuerzneuaufnehmen"),
                                            QStringLiteral("Zutat oder Gewürz neu aufnehmen"),
                                            &TFIAMain::MZutatoderGewuerzneuaufnehmenClick);
    PMIA->addSeparator();
    MHilfeanzeigen = eintrag(PMIA, QStringLiteral("MHilfeanzeigen"), QStringLiteral("Hilfe anzeigen"),
                             [] { Zeige_Hilfe(Hilfethema); }, QKeySequence(Qt::Key_F1));
    MHerdfibelanzeigen = eintrag(PMIA, QStringLiteral("MHerdfibelanzeigen"), QStringLiteral("Herdfibel anzeigen"),
                                 [] { Zeige_Lexikon(true, -1, QString()); }, QKeySequence(Qt::Key_F2));
    MVerbeneditieren = eintrag(PMIA, QStringLiteral("MVerbeneditieren"), QStringLiteral("Verben editieren"),
                               &TFIAMain::MVerbeneditierenClick, QKeySequence(Qt::Key_F3));
    MRezepttextanzeigen = eintrag(PMIA, QStringLiteral("MRezepttextanzeigen"), QStringLiteral("Rezepttext anzeigen"),
                                  &TFIAMain::MRezepttextanzeigenClick, QKeySequence(Qt::Key_F4));
    PMIA->addSeparator();
    MRezeptladen = eintrag(PMIA, QStringLiteral("MRezeptladen"), QStringLiteral("Rezept laden"), &TFIAMain::MRezeptladenClick);
    MDatenbankreseten = eintrag(PMIA, QStringLiteral("MDatenbankreseten"), QStringLiteral("Verbendatenbank reseten"),
                                &TFIAMain::MDatenbankresetenClick);
    MDatenbankreseten->setVisible(false);
    MDatenbankreseten->setEnabled(false);
    MZutatenzurueckholen = eintrag(PMIA, QStringLiteral("MZutatenzurueckholen"), QStringLiteral("Zutaten zurückholen"),
                                   &TFIAMain::MZutatenzurueckholenClick);
    PMIA->addSeparator();
    MInteraktivesKochenbeenden = eintrag(PMIA, QStringLiteral("MInteraktivesKochenbeenden"),
                                         QStringLiteral("Interaktives Kochen beenden"), [this] { close(); });
}

void TFIAMain::Verbinde_Satelliten()
{
    IAKuechenanbindung.Waage_oeffnen = [this](const TTIAWaagenaufnahme &a) {
        std::array<bool, 17> nurWaage{};
        nurWaage[0] = true;
        Zeige_Geraetesymbole(nurWaage);
        Zeige_Regalsymbole(false, a.Gewuerz, !a.Gewuerz, false, false);
        if (a.Gewuerz)
            Zeige_Gewuerzregal();
        else
            Zeige_Zutatenregal();
        P0->show();
        P1->hide();
        P2->hide();
        Leere_Waage();
        P3->show();
        IZW1->setPixmap(Bildpixmap(a.Grafik));
        IZW1->show();
        LTitel->setText(a.Titel);
        {
            const QSignalBlocker b1(LBEinheit), b2(CBMenge), b3(EZutatName);
            Zeige_IAEinheitenliste(a.Einheiten, LBEinheit, CBMenge, LW10, LW11, EZutatName);
        }
        LBEinheit->show();
        EZutatName->show();
        CBMenge->setVisible(a.MengeZeigen);
        BBOK->show();
    };
    IAKuechenanbindung.Zutatenauswahl_beendet = [this] {
        std::array<bool, 17> alle;
        alle.fill(true);
        Zeige_Geraetesymbole(alle);
        Zeige_Regalsymbole(true, true, true, true, true);
        P1->hide();
        P3->hide();
        Leere_Waage();
        Aktualisiere();
        if (IAStatus.Geraet < IAWaage) {
            P2->show();
            Zeige_Kochgeraet();
        } else {
            Zeige_Waage_mit_Zutat();
            Aktualisiere();
        }
        if (IAStatus.Panel == 1)
            Zeige_Gewuerzregal();
        else
            Zeige_Zutatenregal();
        P0->show();
        setEnabled(true);
        raise();
        activateWindow();
    };
    IAKuechenanbindung.Kueche_nach_vorn = [this] {
        setEnabled(true);
        raise();
        activateWindow();
    };
    IAKuechenanbindung.Kueche_sperren = [this](bool sperren) { setEnabled(!sperren); };
    IAKuechenanbindung.Kueche_bereit = [this] { return isEnabled() && P5->isHidden() && P8->isHidden(); };
    IAKuechenanbindung.Kueche_offen = [this] { return isVisible() && IARezept() != nullptr; };
    IAKuechenanbindung.Kueche_ueberlagert = [this] { return !P4->isHidden() || !P6->isHidden() || !P8->isHidden(); };
    IAKuechenanbindung.Verb_in_Hand = [this](qint32 verb) {
        if (verb < 0 || verb >= IAVERBEN.size())
            return;
        IAVerbInHand = verb;
        if (!P1->isHidden())
            Zeige_Verbleiste();
        Zeige_Verb_in_Hand(verb, IAVERBEN[verb].Symbol);
    };
    IAKuechenanbindung.Verbleiste_zeigen = [this] {
        Zeige_Kochgeraet();
        P1->show();
        P0->hide();
        Aktualisiere();
        Zeige_Verbleiste();
    };
    IAKuechenanbindung.Taste = [this](QKeyEvent *e) {
        if (tippeVerb(this, e->text()))
            e->accept();
    };
}

// --- helpers ------------------------------------------------------------------

bool TFIAMain::Unter_Zeiger(const QWidget *w) const
{
    if (!w || w->isHidden() || !w->isVisibleTo(this))
        return false;
    return QRect(w->mapTo(this, QPoint(0, 0)), w->size()).contains(IAMausX, IAMausY);
}

qint32 TFIAMain::Kuechenslot_unter_Zeiger() const
{
    if (P2->isHidden())
        return -1;
    std::array<TTIAKuechenslot, 6> flaechen;
    for (int k = 0; k < 6; ++k) {
        const QRect b = IZK[k]->geometry(), l = LK[k]->geometry();
        flaechen[k].Sichtbar = !IZK[k]->isHidden();
        flaechen[k].Bild = {b.left(), b.top(), b.width(), b.height()};
        flaechen[k].Beschriftung = {l.left(), l.top(), l.width(), l.height()};
    }
    return Finde_Kuechenslot(IAMausX - P2->x(), IAMausY - P2->y(), flaechen);
}

void TFIAMain::Zeige_linkes_Panel()
{
    switch (IAStatus.Panel) {
    case 1:
        Zeige_Gewuerzregal();
        break;
    case 2:
        Zeige_Verbleiste();
        break;
    default:
        Zeige_Zutatenregal();
        break;
    }
}

void TFIAMain::Zeige_Regal_von(qint32 zutat)
{
    const TTIAZutatenliste *z = IAZutat(zutat);
    // The verb board stays where it is shown; the shelf is drawn when next shown.
    if (!z || !P1->isHidden())
        return;
    if (z->Gewuerz == 1)
        Zeige_Gewuerzregal();
    else
        Zeige_Zutatenregal();
}

// --- pointer --------------------------------------------------------------------

bool TFIAMain::eventFilter(QObject *objekt, QEvent *event)
{
    auto *w = qobject_cast<QWidget *>(objekt);
    if (w == CBMenge) {
        if (event->type() == QEvent::FocusOut)
            CBMengeExit();
        return QWidget::eventFilter(objekt, event);
    }
    if (!w || (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonRelease
               && event->type() != QEvent::MouseButtonPress))
        return QWidget::eventFilter(objekt, event);
    auto *maus = static_cast<QMouseEvent *>(event);
    const QPoint p = w->mapTo(this, maus->position().toPoint());
    IAMausX = p.x();
    IAMausY = p.y();
    const bool verb = w == IVDummy || w == P6;
    const bool hand = w == IZDummy || w == P4;
    if (event->type() == QEvent::MouseMove) {
        if (verb && !P6->isHidden()) {
            qint32 ziel = -1;
            if (!P2->isHidden() && Unter_Zeiger(P2)) {
                const qint32 k = Kuechenslot_unter_Zeiger();
                ziel = k < 0 ? -1 : Kuechenzutat_an(k);
            }
            LDummyVerb->setText(Erzeuge_Verbtext(IAStatus.Auswahlmodus, ziel, IAVerbInHand));
        }
        Verarbeite_IAMausbewegung();
        return true;
    }
    if (maus->button() == Qt::RightButton) {
        // The right button selects on its press: the popup menu opens on the
        // press on most desktops and then takes the release.
        if (event->type() == QEvent::MouseButtonPress && (w == IKFront || hand || verb)) {
            const qint32 k = Kuechenslot_unter_Zeiger();
            const qint32 z = k < 0 ? -1 : Kuechenzutat_an(k);
            if (z >= 0) {
                Waehle_Kuechenzutat(z);
                Zeige_Kochgeraet();
            }
        }
        return false; // the popup menu follows
    }
    if (event->type() == QEvent::MouseButtonPress)
        return maus->button() == Qt::LeftButton;
    if (maus->button() != Qt::LeftButton)
        return true;
    if (hand)
        IZDummyClick();
    else if (verb)
        IVDummyClick();
    else if (w == IFront)
        IFrontClick();
    else if (w == IZFront)
        IZFrontClick();
    else if (w == IVFront)
        IVFrontClick();
    else if (w == IKFront)
        IKFrontClick();
    else if (w == IWFront)
        IWFrontClick();
    return true;
}

void TFIAMain::Zeige_IATooltipp(const QString &text, int x, int y)
{
    LDummy->setText(text);
    LDummy->adjustSize();
    LDummy->move(0, 0);
    LDummy->setAutoFillBackground(true);
    QPalette pal = LDummy->palette();
    pal.setColor(QPalette::Window, Qt::white);
    LDummy->setPalette(pal);
    P5->resize(LDummy->size());
    P5->move(x, y);
    LDummy->show();
    P5->show();
    P5->raise();
}

void TFIAMain::Verarbeite_IAMausbewegung()
{
    if (!P4->isHidden() && !IZDummy->isHidden()) {
        P4->move(IAMausX - 10, IAMausY - 10);
        const TTIAZutatenliste *z = IAZutat(IAHandZutat);
        if (z && z->Gewuerz == 1 && !P2->isHidden()) {
            const qint32 k = Kuechenslot_unter_Zeiger();
            if (k >= 0)
                Zeige_Wuerzvorschau(Kuechenzutat_an(k));
            else if (P3->isHidden())
                Zeige_Wuerzvorschau(-1);
        }
        if (!P3->isHidden())
            Verberge_Wuerzvorschau();
    }
    if (!P6->isHidden()) {
        P6->move(IAMausX - 14, IAMausY - 26);
        P7->move(P6->x() + P6->width() + 1, P6->y() - 1);
        return;
    }
    if (!IAStatus.Tooltipps) {
        Verberge_Hinweis();
        return;
    }
    const int tx = IAMausX + 20, ty = IAMausY - 10;
    QString tipp;
    const bool haendeLeer = IAHandZutat < 0 && IAVerbInHand < 0;
    if (!P2->isHidden() && haendeLeer && P8->isHidden()) {
        const QRect zeilen(LRK[0]->mapTo(this, QPoint(0, 0)),
                           QSize(LRK[0]->width(), LRK[0]->height() + LRK[1]->height() + LRK[2]->height()));
        if (zeilen.contains(IAMausX, IAMausY))
            tipp = QStringLiteral("Hier steht der Rezepttext. Mit F4 kann er separat komplett angezeigt werden.");
    }
    if (tipp.isEmpty() && !P2->isHidden())
        for (QWidget *w : std::initializer_list<QWidget *>{IZKPfeiloben, IZKPfeilunten, LGrad, LZeit, IZKLeeren})
            if (Unter_Zeiger(w)) {
                tipp = hinweis(w);
                break;
            }
    if (tipp.isEmpty() && Unter_Zeiger(IZKGruppe))
        tipp = IAStatus.Auswahlmodus == 0 ? QStringLiteral("Alle Zutaten gruppieren")
                                          : QStringLiteral("Zutatengruppierung auflösen");
    if (tipp.isEmpty()) {
        QList<QWidget *> symbole{IZPfeilOben, IGewuerz, IZutat, IVariable, IZPfeilUnten};
        for (QLabel *ic : IC)
            symbole << ic;
        for (QWidget *w : symbole)
            if (Unter_Zeiger(w)) {
                tipp = hinweis(w);
                break;
            }
    }
    if (tipp.isEmpty())
        Verberge_Hinweis();
    else
        Zeige_IATooltipp(tipp, tx, ty);

    if (P4->isHidden() && P8->isHidden() && TutorialSchritt > 0)
        Tutorialschritt();
}

void TFIAMain::Tutorialschritt()
{
    if (!FIAMSG)
        return;
    if (TutorialSchritt == 1 || FIAMSG->isVisible()) {
        if (Pruefe_Tutorialschritt())
            FIAMSG->Setze_Tutorialknoepfe(true, true);
        return;
    }
    const TTIATutorialschritt s = Richte_Tutorialschritt_ein();
    if (s.Ende) {
        // The tour ends without keeping its recipe; a program tip follows.
        Verlasse_Kueche(true);
        setEnabled(false);
        AktuellerTipp = 6;
        if (Zeige_Tipp() == 0 && FTipp)
            platform::waitWhileVisible(FTipp);
        setEnabled(true);
        return;
    }
    Zeige_Geraetesymbole(s.Geraete);
    Zeige_Regalsymbole(s.Symbole[0], s.Symbole[1], s.Symbole[2], s.Symbole[3], s.Symbole[4]);
    const bool b = s.Bedienung;
    Zeige_Geraetebedienung(b, b, b, b, b, b);
    P0->setVisible(s.P0);
    P1->setVisible(s.P1);
    P2->setVisible(s.P2);
    P3->setVisible(s.P3);
    Aktualisiere();
    Zeige_Kochgeraet();
    Aktualisiere();
    Zeige_linkes_Panel();
    FIAMSG->Zeige_Tutorialschritt(s.Seite, true, s.Weiter);
}

// --- clicks -----------------------------------------------------------------------

void TFIAMain::IFrontClick()
{
    const bool regal = !P0->isHidden() && IAStatus.Panel < 2;
    const bool verben = IAStatus.Panel == 2 && !P1->isHidden();
    if (Unter_Zeiger(IZPfeilOben)) {
        if (regal) {
            qint32 &offset = IAStatus.Panel == 1 ? IAGewuerzregalOffset : IAZutatenregalOffset;
            offset = Vorige_Seite(offset, 5);
            Zeige_linkes_Panel();
        } else if (verben) {
            IAVerbOffset = Vorige_Seite(IAVerbOffset, 15);
            Zeige_Verbleiste();
        }
    } else if (Unter_Zeiger(IZPfeilUnten)) {
        if (regal) {
            qint32 &offset = IAStatus.Panel == 1 ? IAGewuerzregalOffset : IAZutatenregalOffset;
            offset = Naechste_Seite(offset, 5, Anzahl_Regalzutaten(IAStatus.Panel));
            Zeige_linkes_Panel();
        } else if (verben) {
            IAVerbOffset = Naechste_Seite(IAVerbOffset, 15, Anzahl_angebotene_Verben());
            Zeige_Verbleiste();
        }
    } else if (Unter_Zeiger(IVariable)) {
        P1->show();
        P0->hide();
        Zeige_Kochgeraet();
        Aktualisiere();
        Zeige_Verbleiste();
    } else if (Unter_Zeiger(IZutat) || Unter_Zeiger(IGewuerz)) {
        const bool gewuerz = Unter_Zeiger(IGewuerz);
        Zeige_Kochgeraet();
        if (gewuerz)
            Zeige_Gewuerzregal();
        else
            Zeige_Zutatenregal();
        P0->show();
        P1->hide();
    } else {
        for (int k = 0; k < 17; ++k)
            if (Unter_Zeiger(IC[k])) {
                ICClick(k);
                break;
            }
    }
}

void TFIAMain::ICClick(int symbol)
{
    bool gewaehlt = false;
    {
        const Gesperrt sperre(this);
        gewaehlt = Waehle_Geraet(symbol == 0 ? IAWaage : symbol - 1);
    }
    if (gewaehlt) {
        if (symbol == 0) {
            Leere_Waage();
            P3->show();
            P2->hide();
        } else {
            Zeige_Kochgeraet();
            P3->hide();
            P2->show();
        }
        Aktualisiere();
    }
    Zeige_linkes_Panel();
}

void TFIAMain::IZFrontClick()
{
    if (P0->isHidden())
        return;
    for (int k = 0; k < 5; ++k)
        if (Unter_Zeiger(IZ[k])) {
            const QPixmap bild = IZ[k]->pixmap();
            const qint32 i = Nimm_aus_Regal(k);
            if (i < 0)
                return;
            Zeige_Zutat_in_Hand(bild, i);
            Aktualisiere();
            Zeige_linkes_Panel();
            return;
        }
}

void TFIAMain::IVFrontClick()
{
    if (IAStatus.Panel != 2 || P1->isHidden())
        return;
    const int x = IAMausX - P1->x(), y = IAMausY - P1->y();
    for (int k = 0; k < 25; ++k) {
        const TTVerbFeld &f = IAVerbFelder[k];
        const auto in = [x, y](const TTRechteck &r) { return Ist_Punkt_im_Rechteck(x, y, r.Left, r.Top, r.Width, r.Height); };
        if (!f.Belegt || !(in(f.Symbol) || in(f.Beschriftung)))
            continue;
        const qint32 v = Nimm_Verb(k);
        if (v >= 0)
            Zeige_Verb_in_Hand(v, IAVERBEN[v].Symbol);
        return;
    }
}

void TFIAMain::IKFrontClick()
{
    if (P2->isHidden())
        return;
    const bool haendeLeer = IAHandZutat < 0 && IAVerbInHand < 0;
    if (Unter_Zeiger(IZKGruppe)) {
        Gruppiere_Kueche();
        Zeige_Kochgeraet();
    } else if (Unter_Zeiger(IZKPfeiloben) || Unter_Zeiger(IZKPfeilunten)) {
        IAGeraeteOffset = Unter_Zeiger(IZKPfeiloben)
            ? Vorige_Seite(IAGeraeteOffset, 6)
            : Naechste_Seite(IAGeraeteOffset, 6, Ordne_Anzeigeplaetze(0, 1));
        Zeige_Kochgeraet();
    } else if (Unter_Zeiger(LGrad)) {
        bool geschrieben = false;
        {
            const Gesperrt sperre(this);
            geschrieben = Heize_vor();
        }
        if (geschrieben)
            Zeige_Rezeptzeilen();
    } else if (Unter_Zeiger(IZKLeeren)) {
        if (IZK[0]->isHidden())
            return;
        bool geleert = false;
        {
            const Gesperrt sperre(this);
            geleert = Leere_Kueche();
        }
        if (geleert) {
            Aktualisiere();
            Zeige_Kochgeraet();
            Zeige_linkes_Panel();
        }
    } else if (haendeLeer) {
        for (int k = 0; k < 6; ++k) {
            if (IZK[k]->isHidden())
                continue;
            if (Unter_Zeiger(LK[k])) {
                Waehle_Kuechenzutat(Kuechenzutat_an(k));
                Zeige_Kochgeraet();
                return;
            }
            if (Unter_Zeiger(IZK[k])) {
                const QPixmap bild = IZK[k]->pixmap();
                const qint32 i = Nimm_aus_Kueche(k);
                if (i >= 0) {
                    Zeige_Zutat_in_Hand(bild, i);
                    Aktualisiere();
                    Zeige_Kochgeraet();
                }
                return;
            }
        }
    }
}

void TFIAMain::IZDummyClick()
{
    const qint32 i = IAHandZutat;
    const TTIAZutatenliste *z = IAZutat(i);
    if (!z || P4->isHidden())
        return;
    const bool gewuerz = z->Gewuerz == 1;
    const auto leereHand = [this] {
        Lege_Zutat_ab();
        Verberge_Wuerzvorschau();
    };

    // Seasoning a kitchen item; the spice stays in the hand.
    const qint32 k = Kuechenslot_unter_Zeiger();
    if (!P8->isHidden() && !P2->isHidden() && gewuerz && k >= 0) {
        bool gewuerzt = false;
        {
            const Gesperrt sperre(this);
            gewuerzt = Wuerze(Kuechenzutat_an(k));
        }
        if (gewuerzt) {
            Verberge_Wuerzvorschau();
            Aktualisiere();
            Zeige_Kochgeraet();
            Zeige_linkes_Panel();
        }
        return;
    }
    // Onto the empty scale.
    if (!P3->isHidden() && Unter_Zeiger(P3) && Waage_ist_leer()) {
        Verberge_Wuerzvorschau();
        Lege_auf_Waage();
        Aktualisiere();
        Zeige_Regal_von(i);
        return;
    }
    // Onto the shelf: at a slot of the shown kind, else at its end.
    if (!P0->isHidden() && Unter_Zeiger(P0)) {
        qint32 slot = -1;
        for (int s = 0; s < 5; ++s)
            if (Unter_Zeiger(IZ[s]))
                slot = s;
        if (slot >= 0 && IAStatus.Panel == (gewuerz ? 1 : 0)) {
            Stelle_ins_Regal(i, Regalzutat_an(slot, z->Gewuerz), z->Gewuerz);
            leereHand();
        } else {
            Zurueck_ins_Regal();
            leereHand();
        }
        Aktualisiere();
        if (gewuerz)
            Zeige_Gewuerzregal();
        else
            Zeige_Zutatenregal();
        return;
    }
    // Over the verb board: back to the shelf.
    if (!P1->isHidden() && Unter_Zeiger(P1)) {
        Zurueck_ins_Regal();
        leereHand();
        Aktualisiere();
        return;
    }
    // Into the kitchen: at a slot or into its free area.
    if (!P2->isHidden() && Unter_Zeiger(P2) && !gewuerz) {
        const QRect frei(P2->x() + 60, P2->y(), P2->width() - 60, P2->height());
        if (k >= 0 || frei.contains(IAMausX, IAMausY)) {
            bool gestellt = false;
            {
                const Gesperrt sperre(this);
                gestellt = Lege_in_Kueche(k >= 0 ? Kuechenzutat_an(k) : -1);
            }
            if (gestellt) {
                leereHand();
                Aktualisiere();
                Zeige_Kochgeraet();
            }
            return;
        }
    }
    // The margins of the window: back to the shelf.
    const QRect oben(P0->x(), 0, width(), P2->y());
    const QRect links(P0->x(), 0, P2->x() - P0->x(), height());
    const QRect rechts(P2->x() + P2->width(), 0, width(), height());
    for (const QRect &r : {oben, links, rechts})
        if (r.contains(IAMausX, IAMausY)) {
            Zurueck_ins_Regal();
            leereHand();
            Aktualisiere();
            Zeige_Regal_von(i);
            return;
        }
    IFrontClick();
    IKFrontClick();
}

void TFIAMain::IVDummyClick()
{
    if (IAVerbInHand < 0) {
        IKFrontClick();
        return;
    }
    if (P2->isHidden()) {
        Lege_Verb_ab();
        return;
    }
    if (!Unter_Zeiger(P2)) {
        Lege_Verb_ab();
        IKFrontClick();
        return;
    }
    const qint32 k = Kuechenslot_unter_Zeiger();
    const qint32 ziel = k < 0 ? -1 : Kuechenzutat_an(k);
    if (ziel < 0) {
        IKFrontClick();
        return;
    }
    {
        const Gesperrt sperre(this);
        Wende_Verb_an(ziel);
    }
    Lege_Verb_ab();
    Aktualisiere();
    Zeige_Kochgeraet();
    Zeige_linkes_Panel();
}

// --- the scale ------------------------------------------------------------------

void TFIAMain::LBEinheitClick()
{
    const qint32 i = BBOK->isHidden() ? Waagenzutat() : IAWaageZutat;
    TTIAZutatenliste *z = IAZutat(i);
    if (!z)
        return;
    z->Einheit = gewaehlteZeile(LBEinheit);
    const QSignalBlocker b1(LBEinheit), b2(CBMenge), b3(EZutatName);
    Fuelle_IAEinheitenliste(z->DBIndex, i, false);
}

void TFIAMain::CBMengeChange()
{
    TTIAZutatenliste *z = IAZutat(BBOK->isHidden() ? Waagenzutat() : IAWaageZutat);
    if (!z)
        return;
    z->Menge = CBMenge->currentText();
    LW10->setText(z->Menge + QLatin1Char(' ') + z->Einheit);
}

void TFIAMain::CBMengeExit()
{
    TTIAZutatenliste *z = IAZutat(IAWaageZutat);
    if (BBOK->isHidden() || !z)
        return;
    z->Menge = CBMenge->currentText();
    const QSignalBlocker b1(LBEinheit), b2(CBMenge), b3(EZutatName);
    Fuelle_IAEinheitenliste(z->DBIndex, IAWaageZutat, false);
}

void TFIAMain::EZutatNameChange()
{
    TTIAZutatenliste *z = IAZutat(Waagenzutat());
    if (P3->isHidden() || !z || EZutatName->text().isEmpty())
        return;
    z->Anzeigename = EZutatName->text();
    LW11->setText(z->Anzeigename);
}

void TFIAMain::BBOKClick()
{
    const qint32 i = IAWaageZutat;
    const TTIAZutatenliste *z = IAZutat(i);
    if (!z)
        return;
    const bool gewuerz = z->Gewuerz == 1;
    bool fertig = false;
    {
        const Gesperrt sperre(this);
        fertig = Beende_Waegung(i, gewaehlteZeile(LBEinheit), CBMenge->currentText());
    }
    if (!fertig)
        return;
    P3->hide();
    Leere_Waage();
    Aktualisiere();
    if (gewuerz)
        Zeige_Gewuerzregal();
    else
        Zeige_Zutatenregal();
    P0->show();
    // Back to the ingredient selection.
    setEnabled(false);
    if (FIAZutat) {
        FIAZutat->setEnabled(true);
        FIAZutat->showNormal();
        FIAZutat->raise();
        if (FIAZutat->ESuche->isVisible() && FIAZutat->ESuche->isEnabled())
            FIAZutat->ESuche->setFocus();
    }
    IAWaageZutat = -1;
}

void TFIAMain::IWFrontClick()
{
    if (!P4->isHidden() || P3->isHidden() || IZW1->isHidden() || !BBOK->isHidden() || !Unter_Zeiger(IZW1))
        return;
    const qint32 vorher = Waagenzutat();
    if (vorher < 0)
        return;
    const QPixmap bild = IZW1->pixmap();
    qint32 s = -1;
    {
        const Gesperrt sperre(this);
        s = Nimm_von_Waage(CBMenge->currentText(), gewaehlteZeile(LBEinheit));
    }
    if (s < 0) {
        const QSignalBlocker b1(LBEinheit), b2(CBMenge), b3(EZutatName);
        Fuelle_IAEinheitenliste(IAZutaten()[vorher].DBIndex, vorher, false);
        return;
    }
    Zeige_Zutat_in_Hand(bild, s);
    Leere_Waage();
    Aktualisiere();
    Zeige_Regal_von(s);
}

// --- sliders ----------------------------------------------------------------------

void TFIAMain::Nach_Schieber(QSlider *s)
{
    const qint32 wert = Schieberwert(s->minimum(), s->maximum(), s->value());
    if (s == TBGrad) {
        if (wert == IAStatus.Temperatur)
            return;
        Setze_Temperatur(wert);
    } else {
        if (wert == IAStatus.Zeit)
            return;
        Setze_Kochzeit(wert);
    }
    Aktualisiere();
    if (FIAVDB && FIAVDB->isVisible())
        Fuelle_Verbliste();
    if (!P1->isHidden())
        Zeige_Verbleiste();
}

void TFIAMain::TBGradChange()
{
    Nach_Schieber(TBGrad);
}

void TFIAMain::TBZeitChange()
{
    Nach_Schieber(TBZeit);
}

// --- closing ------------------------------------------------------------------------

void TFIAMain::closeEvent(QCloseEvent *event)
{
    if (!ProgrammOK) {
        event->accept();
        return;
    }
    // The window only hides itself, after asking; not while the start or the
    // chooser still works on the kitchen.
    event->ignore();
    if (!isEnabled())
        return;
    const bool nebenfenster = (FIAZutat && FIAZutat->isVisible()) || (FIARezeptladen && FIARezeptladen->isVisible());
    bool beenden = false;
    {
        const Gesperrt sperre(this);
        beenden = Frage_IAKochen_beenden(nebenfenster);
    }
    if (!beenden)
        return;
    if (FIAVDB)
        FIAVDB->hide();
    Schliesse_IASitzung();
    Verlasse_Kueche(true);
}
