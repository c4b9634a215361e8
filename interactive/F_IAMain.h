#pragma once
// The interactive kitchen: the shelves, the verb board, the current device or
// the scale, the icon columns and the things carried at the mouse. Everything
// it shows is drawn from the kitchen model (IAModell) by the Zeige_ routines
// below; the model is never read back from the controls.
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <array>

#include "interactive/IAModell.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QPushButton;
class QSlider;

class TFIAMain : public QWidget
{
    Q_OBJECT
public:
    explicit TFIAMain(QWidget *parent = nullptr);

    // Lays the window out and puts every panel, picture and global of the
    // kitchen back to its start.
    void Oeffne_InteraktivesKochen();
    // Puts the whole verb list beside the kitchen (Oeffne_InteraktivesKochen).
    void Platziere_Verbliste();
    // Starts cooking once the chooser has loaded (neu = false) or created
    // (neu = true) the working recipe.
    void Starte_IASitzung(bool neu);

    // --- drawing --------------------------------------------------------------
    void Zeige_Zutatenregal();
    void Zeige_Gewuerzregal();
    void Zeige_Kochgeraet();
    void Zeige_Verbleiste();
    void Leere_Regal();
    void Leere_Verbleiste();
    void Leere_Kochgeraet();
    void Zeige_Zutat_in_Hand(const QPixmap &bild, qint32 zutat);
    void Zeige_Verb_in_Hand(qint32 verb, qint32 symbol);
    void Zeige_Wuerzvorschau(qint32 ziel);
    void Verberge_Wuerzvorschau();
    void Verberge_Hinweis();
    void Zeige_Regalsymbole(bool pfeilOben, bool gewuerz, bool zutat, bool variable, bool pfeilUnten);
    void Zeige_Geraetesymbole(const std::array<bool, 17> &sichtbar);
    void Zeige_Geraetebedienung(bool pfeilOben, bool gruppe, bool zeit, bool pfeilUnten, bool grad, bool leeren);
    // The recipe lines: the newest three under the device, all of them in the
    // recipe text window.
    void Zeige_Rezeptzeilen();
    // Model refresh with the sliders' real visibility, then the recipe lines.
    void Aktualisiere();

    // The window's part of the model operations.
    void Setze_Temperatur(qint32 grad);
    void Setze_Kochzeit(qint32 minuten);
    void Lege_Zutat_ab();
    void Lege_Verb_ab();
    void Leere_Waage();
    // Puts the item in hand on the scale and opens the scale panel.
    void Lege_auf_Waage();
    // Fills the scale's unit list and quantity box for an item.
    void Fuelle_IAEinheitenliste(qint32 datensatz, qint32 zutat, bool standard);

    // Leaves the kitchen without saving: the satellites hidden, the working
    // recipe dropped, the overview shown (rebuilt from the files on request).
    void Verlasse_Kueche(bool uebersichtNeu);
    // The scale panel, with the item that lies on it (if any) ready to weigh.
    void Zeige_Waage_mit_Zutat();

    // The shelf slot k (1..5) of the shelf panel; the kitchen slot k (1..6).
    QLabel *Regalbild(int k) const { return IZ[k - 1]; }
    QLabel *Kuechenbild(int k) const { return IZK[k - 1]; }

    // --- components, by panel -------------------------------------------------
    QLabel *IBack;
    QWidget *IFront;
    // left icon column and device icons (IC0 the scale, IC1..IC16 devices 0..15)
    QLabel *IZPfeilOben, *IGewuerz, *IZutat, *IVariable, *IZPfeilUnten;
    std::array<QLabel *, 17> IC{};
    // P0 shelf
    QFrame *P0;
    QLabel *IZBack;
    QWidget *IZFront;
    std::array<QLabel *, 5> IZ{};
    std::array<QLabel *, 5> LMenge{}; // L10 .. L50
    std::array<QLabel *, 5> LName{};  // L11 .. L51
    std::array<std::array<QLabel *, 5>, 5> IZVerlauf{}; // IZ10 .. IZ54
    // P1 verb board
    QFrame *P1;
    QLabel *IVBack;
    QWidget *IVFront;
    std::array<QLabel *, 25> IV{};
    std::array<QLabel *, 25> LV{};
    // P2 kitchen
    QFrame *P2;
    QLabel *IKBack;
    QWidget *IKFront;
    std::array<QLabel *, 6> IZK{};
    std::array<QLabel *, 6> LK{};
    std::array<std::array<QLabel *, 3>, 6> IZKVerlauf{}; // IZK10 .. IZK62
    QLabel *IZKPfeiloben, *IZKPfeilunten, *IZKGruppe, *IZKLeeren;
    QSlider *TBZeit, *TBGrad;
    QLabel *LZeit, *LGrad;
    std::array<QLabel *, 3> LRK{};
    // P3 scale
    QFrame *P3;
    QLabel *IWBack;
    QWidget *IWFront;
    QLabel *IZW1;
    std::array<QLabel *, 5> IZWVerlauf{}; // IZW10 .. IZW14
    QLabel *LTitel, *LW10, *LW11;
    QLineEdit *EZutatName;
    QListWidget *LBEinheit;
    QComboBox *CBMenge;
    QPushButton *BBOK;
    // P4 item in hand, P5 hover, P6 verb in hand, P7 verb sentence, P8 seasoning
    QFrame *P4, *P5, *P6, *P7, *P8;
    QLabel *IZDummy, *IZDummyL, *LDummy, *IVDummy, *LDummyVerb;
    QLabel *LWuerze, *LWuerzeAnzahl, *LWuerzeEinheit, *LWuerzeGewuerz, *LZuwuerzen;

    // --- cooking by hand (F_IAKochen.cpp) -------------------------------------
    // Every pointer movement ends here: the carried item or verb follows the
    // pointer, the seasoning preview and the kitchen's own hints are shown,
    // and the tutorial's step is set up or tested.
    void Verarbeite_IAMausbewegung();
    void Zeige_IATooltipp(const QString &text, int x, int y);
    // The left panel by IAStatus.Panel: ingredient shelf, spice shelf or verb board.
    void Zeige_linkes_Panel();
    // The shelf of the item's kind.
    void Zeige_Regal_von(qint32 zutat);

    // The popup menu PMIA and its entries.
    QMenu *PMIA;
    QAction *MZutatoderGewuerzloeschen, *MZutatzumGewuerz, *MVerbendatenbankanzeigen, *Zwischenspeichern1,
        *ExportzumTafelwerkstatt1, *MVariablenanzeige, *MTooltippsallgemeinanzeigen,
        *MTooltippsimVerbeneditoranzeigen, *MKochverbenspeichern, *MKochverbendatenbankspeichern,
        *MLetzteRezeptzeileloeschen, *MZutatoderGewuerzneuaufnehmen, *MHilfeanzeigen, *MHerdfibelanzeigen,
        *MVerbeneditieren, *MRezepttextanzeigen, *MRezeptladen, *MZutatenzurueckholen, *MInteraktivesKochenbeenden;
    QAction *MDatenbankreseten; // never offered: always hidden and disabled
    QMenu *MRezeptspeichern, *MAnzeigeoptionen;

public slots:
    void IFrontClick();
    void IZFrontClick();
    void IVFrontClick();
    void IKFrontClick();
    void IWFrontClick();
    void IZDummyClick();
    void IVDummyClick();
    void ICClick(int geraet);
    void TBGradChange();
    void TBZeitChange();
    void LBEinheitClick();
    void CBMengeChange();
    void CBMengeExit();
    void EZutatNameChange();
    void BBOKClick();
    void PMIAPopup(const QPoint &global);
    void MZutatoderGewuerzloeschenClick();
    void MZutatzumGewuerzClick();
    void MZutatenzurueckholenClick();
    void MZutatoderGewuerzneuaufnehmenClick();
    void MLetzteRezeptzeileloeschenClick();
    void MRezepttextanzeigenClick();
    void Zwischenspeichern1Click();
    void ExportzumTafelwerkstatt1Click();
    void MRezeptladenClick();
    void MDatenbankresetenClick();
    void MVerbeneditierenClick();
    void MVerbendatenbankanzeigenClick();

protected:
    void closeEvent(class QCloseEvent *event) override;
    bool eventFilter(QObject *objekt, QEvent *event) override;
    void keyPressEvent(class QKeyEvent *event) override;
    void keyReleaseEvent(class QKeyEvent *event) override;
    void contextMenuEvent(class QContextMenuEvent *event) override;

private:
    void Baue_Kochen();
    void Baue_Menue();
    void Verbinde_Satelliten();
    // Window coordinates of the stored pointer inside the visible control.
    bool Unter_Zeiger(const QWidget *w) const;
    // The kitchen slot 0..5 whose picture or label lies under the pointer.
    qint32 Kuechenslot_unter_Zeiger() const;
    qint32 Meldung(const QString &text, const QString &titel, int knoepfe);
    void Nach_Schieber(QSlider *s);
    void Tutorialschritt();
    void Zeige_Rezepttextfenster();
    void Baue_Fenster();
    void Baue_Regal();
    void Baue_Verbleiste();
    void Baue_Kueche();
    void Baue_Waage();
    void Baue_Traeger();
    void Baue_Symbole();
    void Zeige_Regal(qint32 gewuerz);
    void Wende_an(const TTIASteuerelemente &elemente);
    void Lege_weg(QWidget *panel);
    // A kitchen picture by file name, loaded once per start of the kitchen.
    const QImage &Bild(const QString &datei, bool transparent = false);
    const QImage &Bilddatei(const QString &pfad, bool transparent = false);
    QPixmap Gerahmt(const QImage &bild, quint32 farbe) const;
    // The picture of a file as shown, framed when asked; kept like the pictures.
    QPixmap Bildpixmap(const QString &pfad, quint32 farbe = 0, bool gerahmt = false);

    QHash<QString, QImage> m_bilder;
    QHash<QString, QPixmap> m_pixmaps;
    QImage m_kueche; // the current device's picture, frames painted over it
    qint32 m_kuechengeraet = -1;
    quint32 m_sitzung = 0; // counts the times the kitchen was left
};

extern TFIAMain *FIAMain;

// A one-pixel frame in the picture's outermost rows and columns.
void Rahme_Bild(QImage &bild, quint32 farbe);
// Pixel lines from (x, y) w to the right and h down, ends included.
void Zeichne_Rahmen(QImage &bild, int x, int y, quint32 farbe, int h, int w);

// The three ways into the kitchen: start values set, the working recipe
// appended (a copy of `vorlage`), the window laid out and shown disabled,
// then the chooser with the given name and panels.
void Oeffne_Kueche(const TTRezepteTotal &vorlage, const QString &name, bool laden, bool neu);
