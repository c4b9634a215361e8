#include "reference/F_TWSMLex.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Grundoperationen.h"
#include "core/Tabellen.h"
#include "core/Protokoll.h"
#include "core/Rezeptzeichen.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Pictures.h"
#include "platform/Seams.h"
#include "dialogs/F_Meldung.h"
#include "dialogs/Fensterlage.h"
#include "reference/F_Lex.h"
#include "reference/Lexikon.h"
#include "reference/Texteingabe.h"

TFTWSMLex *FTWSMLex = nullptr;

namespace {
const QString Hinweis = QStringLiteral("Hinweis:");
constexpr int Textzeilen = 100;
// Protocol lines of this kind carry no prefix.
constexpr quint8 ProtokollOhneArt = 255;

// Why the dictionary file cannot keep a term, a picture name or a line of
// text as it stands; empty when it can.
QString Lexikon_Hindernis(const QString &zeile)
{
    if (const QString marke = Lexikon_Markenanfang(zeile); !marke.isEmpty())
        return QStringLiteral("Die Lexikondatei liest eine Zeile, die mit \"") + marke
               + QStringLiteral("\" beginnt, nicht als Text.\nBitte ändern Sie den Anfang.");
    if (const QString fremd = Nicht_speicherbare_Zeichen(zeile); !fremd.isEmpty())
        return QStringLiteral("Die Lexikondatei kann diese Zeichen nicht aufnehmen: ") + fremd
               + QStringLiteral("\nBitte entfernen oder ersetzen Sie sie.");
    return QString();
}

QString Dummybild()
{
    return Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\DummyLex.png");
}
} // namespace

TLexikongrafik Ermittle_Lexikongrafik(const QString &bildpfad)
{
    TLexikongrafik g;
    if (bildpfad.isEmpty())
        return g;
    const QString basis = QFileInfo(platform::baseFolder()).canonicalFilePath() + QLatin1Char('/');
    const QString pfad = QFileInfo(bildpfad).canonicalFilePath();
    if (!pfad.isEmpty() && pfad.startsWith(basis)) {
        QString relativ = pfad.mid(basis.size());
        relativ.replace(QLatin1Char('/'), QLatin1Char('\\'));
        // The program's own ingredient pictures stay where they are; a brand
        // sub-folder stays part of the reference.
        if (platform::upperCase(relativ).startsWith(QLatin1String("GFXZUTAT\\ENG\\"))) {
            g.Grafik = QStringLiteral("-\\") + relativ;
            return g;
        }
    }
    g.Grafik = Ermittle_Dateiname(bildpfad);
    const QString ziel =
        platform::nativePath(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\LEXIKON\\") + g.Grafik);
    const QString zielKanonisch = QFileInfo(ziel).canonicalFilePath();
    if (zielKanonisch.isEmpty() || zielKanonisch != pfad) {
        g.Quelle = bildpfad;
        g.Ziel = ziel;
    }
    return g;
}

TFTWSMLex::TFTWSMLex(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FTWSMLex"));
    setWindowTitle(QStringLiteral("Lexikoneintrag editieren:"));
    // A fixed border with the system menu and minimise.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    Baue_Felder();
    Baue_Layout();
    setFixedSize(QSize(620, 480).expandedTo(minimumSizeHint()));
    connect(BUebernehmen, &QPushButton::clicked, this, &TFTWSMLex::BUebernehmenClick);
    connect(BAbbrechen, &QPushButton::clicked, this, &TFTWSMLex::BAbbrechenClick);
    connect(BGrafikladen, &QPushButton::clicked, this, &TFTWSMLex::BGrafikladenClick);
}

void TFTWSMLex::Baue_Felder()
{
    auto name = [](QObject *o, const char *n) { o->setObjectName(QLatin1String(n)); };
    CBSuchart = new QComboBox(this);
    name(CBSuchart, "CBSuchart");
    EBegriff = new QLineEdit(this);
    name(EBegriff, "EBegriff");
    MLex = new QPlainTextEdit(this);
    name(MLex, "MLex");
    MLex->setLineWrapMode(QPlainTextEdit::NoWrap);
    MLex->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MLex->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // typed or pasted text is settled as it comes in; what the file's code
    // page still cannot hold is marked
    Pruefe_Eingabezeichen(MLex);
    Panel1 = new QLabel(this);
    name(Panel1, "Panel1");
    Panel1->setFixedSize(204, 154);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    ILex = new QLabel(Panel1);
    name(ILex, "ILex");
    ILex->setGeometry(2, 2, 200, 150);
    ILex->setAlignment(Qt::AlignCenter);
    ILex->setCursor(Qt::PointingHandCursor);
    ILex->setToolTip(QStringLiteral("Klicken Sie hier, um eine Grafik zu laden"));
    ILex->installEventFilter(this);
    Label2 = new QLabel(this);
    name(Label2, "Label2");
    Label2->hide();
    BGrafikladen = new QPushButton(QStringLiteral("Grafik laden"), this);
    name(BGrafikladen, "BGrafikladen");
    BUebernehmen = new QPushButton(QStringLiteral("Übernehmen"), this);
    name(BUebernehmen, "BUebernehmen");
    BUebernehmen->setDefault(true);
    BAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    name(BAbbrechen, "BAbbrechen");
}

void TFTWSMLex::Baue_Layout()
{
    auto *felder = new QFormLayout;
    felder->addRow(QStringLiteral("Kategoriezuordnung:"), CBSuchart);
    felder->addRow(QStringLiteral("Hauptsuchbegriff:"), EBegriff);
    auto *bild = new QVBoxLayout;
    bild->addWidget(Panel1);
    bild->addWidget(BGrafikladen);
    bild->addStretch(1);
    auto *oben = new QHBoxLayout;
    oben->addLayout(felder, 1);
    oben->addLayout(bild);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(BUebernehmen);
    knoepfe->addWidget(BAbbrechen);
    auto *haupt = new QVBoxLayout(this);
    haupt->addLayout(oben);
    haupt->addWidget(new QLabel(QStringLiteral("Text für den Lexikoneintrag:"), this));
    haupt->addWidget(MLex, 1);
    haupt->addLayout(knoepfe);
}

void TFTWSMLex::Zeige_Bild(const QString &pfad)
{
    const QPixmap bild = platform::loadPixmap(pfad);
    if (bild.isNull())
        ILex->clear();
    else
        ILex->setPixmap(bild.scaled(ILex->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TFTWSMLex::Oeffne(qint32 index)
{
    if (FLex)
        FLex->hide();
    Setze_Fensterfarbe(this);
    CBSuchart->clear();
    for (qint32 i = 0; i < LexikonGruppenanzahl && i < LexikonGruppen.size(); ++i)
        CBSuchart->addItem(LexikonGruppen[i]);
    m_bildGewaehlt = false;
    m_index = (index >= 0 && index < GlobalLexikon.size()) ? index : -1;
    Label2->clear();
    if (m_index >= 0) {
        setWindowTitle(QStringLiteral("Lexikoneintrag editieren:"));
        const TTLexikon &e = GlobalLexikon[m_index];
        CBSuchart->setCurrentIndex(e.Gruppe >= 0 && e.Gruppe < CBSuchart->count() ? e.Gruppe : 0);
        EBegriff->setText(e.Begriff);
        const QString pfad = Lexikongrafikpfad(e.Grafik);
        if (!e.Grafik.isEmpty() && !pfad.isEmpty() && platform::fileExists(pfad)) {
            Label2->setText(pfad);
            Zeige_Bild(pfad);
        } else {
            Zeige_Bild(Dummybild());
        }
        // Trailing empty slots are not part of the text.
        qsizetype letzte = e.Text.size() - 1;
        while (letzte >= 0 && e.Text[letzte].isEmpty())
            --letzte;
        MLex->setPlainText(QStringList(e.Text.mid(0, letzte + 1)).join(QLatin1Char('\n')));
    } else {
        setWindowTitle(QStringLiteral("Neuer Lexikoneintrag:"));
        CBSuchart->setCurrentIndex(0);
        EBegriff->clear();
        MLex->clear();
        Zeige_Bild(Dummybild());
    }
    if (!isVisible())
        Zentriere_Fenster(this);
    show();
    raise();
    activateWindow();
}

void TFTWSMLex::ILexClick()
{
    QStringList muster;
    for (const QString &e : platform::pictureExtensions())
        muster << QStringLiteral("*.") + e;
    const QString datei =
        platform::openFileName(this, QStringLiteral("Grafik laden"), Optionen.Zutatgrafikverzeichnis,
                               QStringLiteral("Grafiken (") + muster.join(QLatin1Char(' ')) + QLatin1Char(')'));
    if (datei.isEmpty() || !platform::fileExists(datei))
        return;
    Label2->setText(datei);
    m_bildGewaehlt = true;
    Zeige_Bild(datei);
}

void TFTWSMLex::BGrafikladenClick()
{
    ILexClick();
}

void TFTWSMLex::BUebernehmenClick()
{
    auto melde = [this](const QString &text, const QString &ueberschrift) {
        setEnabled(false);
        Zeige_Meldung(text, ueberschrift, Knopf_OK);
        setEnabled(true);
    };
    // spaces of every kind become blanks, invisible characters go
    const QString begriff = Bereinige_Rezeptzeichen(EBegriff->text()).trimmed();
    if (begriff.isEmpty())
        return melde(QStringLiteral("Bitte einen Hauptsuchbegriff eingeben!"), Hinweis);
    QStringList zeilen = MLex->toPlainText().split(QLatin1Char('\n'));
    while (!zeilen.isEmpty() && zeilen.last().trimmed().isEmpty())
        zeilen.removeLast();
    // The file has no empty text lines: they would vanish at the next save.
    // They are left out here, so that the entry reads as it is stored.
    const qsizetype textzeilen = zeilen.size() - zeilen.count(QString());
    if (textzeilen == 0)
        return melde(QStringLiteral("Bitte einen Text für den Lexikoneintrag eingeben!"), Hinweis);
    // The dictionary file keeps 100 lines per entry; more would be cut off
    // unseen at the next load.
    if (textzeilen > Textzeilen)
        return melde(QStringLiteral("Der Text für den Lexikoneintrag darf höchstens 100 Zeilen haben!"), Hinweis);
    // What the file would not give back as it was typed is refused here,
    // before anything is taken over.
    if (const QString grund = Lexikon_Hindernis(begriff); !grund.isEmpty()) {
        EBegriff->setFocus();
        return melde(QStringLiteral("Hauptsuchbegriff \"") + begriff + QStringLiteral("\": ") + grund, Hinweis);
    }
    for (qsizetype k = 0; k < zeilen.size(); ++k) {
        const QString grund = Lexikon_Hindernis(zeilen[k]);
        if (grund.isEmpty())
            continue;
        MLex->setTextCursor(QTextCursor(MLex->document()->findBlockByNumber(int(k))));
        MLex->setFocus();
        return melde(QStringLiteral("Zeile ") + QString::number(k + 1) + QStringLiteral(" \"") + zeilen[k]
                         + QStringLiteral("\": ") + grund,
                     Hinweis);
    }

    // Without a new choice the entry keeps its picture reference, also when
    // the picture is not installed here.
    QString grafik = m_index >= 0 ? GlobalLexikon[m_index].Grafik : QString();
    if (m_bildGewaehlt) {
        const TLexikongrafik g = Ermittle_Lexikongrafik(Label2->text());
        if (const QString grund = Lexikon_Hindernis(g.Grafik); !grund.isEmpty())
            return melde(QStringLiteral("Grafik \"") + g.Grafik + QStringLiteral("\": ") + grund, Hinweis);
        if (!g.Quelle.isEmpty()) {
            if (!Kopiere_Datei(g.Quelle, g.Ziel))
                return melde(QStringLiteral("Die Grafik konnte nicht in das Lexikon kopiert werden: ") + g.Quelle,
                             QStringLiteral("Fehler:"));
            Schreibe_Protokoll(ProtokollOhneArt, QStringLiteral("Kopiere: ") + g.Quelle + QStringLiteral("->") + g.Ziel);
        }
        grafik = g.Grafik;
    }

    if (m_index < 0) {
        GlobalLexikon.append(TTLexikon());
        m_index = qint32(GlobalLexikon.size() - 1);
    }
    TTLexikon &e = GlobalLexikon[m_index];
    e.Gruppe = qMax(0, CBSuchart->currentIndex());
    e.Begriff = begriff;
    e.Grafik = grafik;
    // The further lines have no field here; they stay as they are.
    zeilen.removeAll(QString());
    while (zeilen.size() < Textzeilen)
        zeilen.append(QString());
    e.Text = zeilen;
    const qint32 gruppe = e.Gruppe;
    Zeige_Lexikon(false, gruppe, begriff);
    close();
}

void TFTWSMLex::BAbbrechenClick()
{
    close();
}

void TFTWSMLex::FormClose()
{
    hide();
    if (FLex) {
        FLex->show();
        FLex->raise();
        FLex->activateWindow();
    }
}

void TFTWSMLex::closeEvent(QCloseEvent *event)
{
    event->accept();
    FormClose();
}

bool TFTWSMLex::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ILex && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        ILexClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFTWSMLex::keyPressEvent(QKeyEvent *event)
{
    if (!Dialogtaste(this, event))
        QWidget::keyPressEvent(event);
}

void Zeige_Lexikoneditor(qint32 index)
{
    if (FTWSMLex)
        FTWSMLex->Oeffne(index);
}
