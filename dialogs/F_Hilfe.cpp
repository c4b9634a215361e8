#include "dialogs/F_Hilfe.h"

#include <QApplication>
#include <QFileInfo>
#include <QDateTime>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/Dateioperationen.h"
#include "core/Globals.h"
#include "core/Tabellen.h"
#include "platform/Paths.h"
#include "platform/Rtf.h"
#include "dialogs/F_Meldung.h"

TFHilfe *FHilfe = nullptr;

namespace {
QString anleitungsdatei()
{
    return Programmverzeichnis + QStringLiteral("PRGDATA\\ENG\\Anleitung.hbr");
}

bool istUeberschrift(const QTextBlock &block, double normalgroesse)
{
    bool fett = true;
    double groesse = 0;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        if (it.fragment().text().trimmed().isEmpty())
            continue;
        fett = fett && f.fontWeight() >= QFont::DemiBold;
        groesse = qMax(groesse, f.fontPointSize());
    }
    return fett || (groesse > 0 && normalgroesse > 0 && groesse > normalgroesse);
}
} // namespace

int Hilfekapitel(int topic)
{
    return (topic >= 12 && topic <= 17) ? 11 : topic;
}

QTextBlock Finde_Kapitel(const QTextDocument *document, int n)
{
    if (!document || n < 1)
        return QTextBlock();
    static const QRegularExpression kopf(QStringLiteral("^\\s*(\\d+)\\.\\s+\\S"));
    // The body size: the size most characters have.
    QHash<double, int> anteile;
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            anteile[it.fragment().charFormat().fontPointSize()] += it.fragment().length();
    double normal = 0;
    int meist = -1;
    for (auto it = anteile.cbegin(); it != anteile.cend(); ++it)
        if (it.value() > meist) {
            meist = it.value();
            normal = it.key();
        }

    QTextBlock schlicht;
    int letztes = 0; // number of the last chapter passed
    int liste = 0;   // next item of a numbered list in the text, 0 outside one
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
        const QRegularExpressionMatch m = kopf.match(b.text());
        if (!m.hasMatch())
            continue;
        const int nummer = m.captured(1).toInt();
        if (istUeberschrift(b, normal)) {
            if (nummer == n)
                return b;
            letztes = nummer;
            liste = 0;
        } else if (liste > 0 && nummer == liste) {
            ++liste;
        } else if (nummer > letztes) {
            if (nummer == n && !schlicht.isValid())
                schlicht = b;
            letztes = nummer;
            liste = 0;
        } else if (nummer == 1) {
            liste = 2;
        }
    }
    return schlicht;
}

TFHilfe::TFHilfe(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FHilfe"));
    // the window system adds the program name itself
    setWindowTitle(QStringLiteral("Help"));
    Setze_Fensterfarbe(this);
    resize(720, 620);

    REHilfe = new QTextBrowser(this);
    REHilfe->setObjectName(QStringLiteral("REHilfe"));
    REHilfe->setReadOnly(true);
    REHilfe->setOpenLinks(false);
    ESuchen = new QLineEdit(this);
    ESuchen->setObjectName(QStringLiteral("ESuchen"));
    ESuchen->setPlaceholderText(QStringLiteral("Find in help"));
    ESuchen->setClearButtonEnabled(true);
    BSuchen = new QPushButton(QStringLiteral("Find next"), this);
    BSuchen->setObjectName(QStringLiteral("BSuchen"));
    LSuchergebnis = new QLabel(this);
    LSuchergebnis->setObjectName(QStringLiteral("LSuchergebnis"));
    BSchliessen = new QPushButton(QStringLiteral("Close"), this);
    BSchliessen->setObjectName(QStringLiteral("BSchliessen"));

    auto *leiste = new QHBoxLayout;
    leiste->addWidget(new QLabel(QStringLiteral("Find:"), this));
    leiste->addWidget(ESuchen, 1);
    leiste->addWidget(BSuchen);
    leiste->addWidget(LSuchergebnis);
    leiste->addStretch();
    leiste->addWidget(BSchliessen);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(REHilfe, 1);
    layout->addLayout(leiste);

    connect(BSuchen, &QPushButton::clicked, this, &TFHilfe::BSuchenClick);
    connect(ESuchen, &QLineEdit::returnPressed, this, &TFHilfe::BSuchenClick);
    connect(ESuchen, &QLineEdit::textChanged, LSuchergebnis, &QLabel::clear);
    connect(BSchliessen, &QPushButton::clicked, this, &TFHilfe::BSchliessenClick);

    Registriere_Tooltipps(this, {
        {QStringLiteral("ESuchen"), QStringLiteral("Words to find in the help text")},
        {QStringLiteral("BSuchen"), QStringLiteral("Find the next place")},
        {QStringLiteral("BSchliessen"), QStringLiteral("Close the help")},
    });
}

bool TFHilfe::Lade_Anleitung()
{
    const QString datei = anleitungsdatei();
    const QString pfad = platform::nativePath(datei);
    const QFileInfo info(pfad);
    if (!info.isFile()) {
        Zeige_Meldung(QStringLiteral("The help file is missing: ") + datei, QStringLiteral("Error:"), Knopf_OK);
        return false;
    }
    const qint64 stand = info.lastModified().toMSecsSinceEpoch() ^ info.size();
    if (pfad == m_geladen && stand == m_stand)
        return true;
    if (!platform::loadRtfFile(datei, REHilfe->document())) {
        m_geladen.clear();
        Zeige_Meldung(QStringLiteral("The help file could not be read: ") + datei, QStringLiteral("Error:"), Knopf_OK);
        return false;
    }
    m_geladen = pfad;
    m_stand = stand;
    return true;
}

void TFHilfe::Gehe_zu_Kapitel(int topic)
{
    QTextBlock block = Finde_Kapitel(REHilfe->document(), Hilfekapitel(topic));
    if (!block.isValid())
        block = REHilfe->document()->begin();
    QTextCursor c(block);
    REHilfe->setTextCursor(c);
    // The chapter heading at the top of the view, not just somewhere visible.
    REHilfe->verticalScrollBar()->setValue(REHilfe->verticalScrollBar()->maximum());
    REHilfe->ensureCursorVisible();
}

void TFHilfe::BSuchenClick()
{
    const QString text = ESuchen->text();
    if (text.isEmpty())
        return;
    if (REHilfe->find(text)) {
        LSuchergebnis->clear();
        return;
    }
    // Not found below the cursor: go on from the top.
    const QTextCursor alt = REHilfe->textCursor();
    REHilfe->moveCursor(QTextCursor::Start);
    if (REHilfe->find(text)) {
        LSuchergebnis->setText(QStringLiteral("Continued from the top."));
        return;
    }
    REHilfe->setTextCursor(alt);
    LSuchergebnis->setText(QStringLiteral("Text not found."));
}

void TFHilfe::BSchliessenClick()
{
    close();
}

void TFHilfe::keyPressEvent(QKeyEvent *event)
{
    // Enter belongs to the find field (returnPressed), not to a button.
    if (event->key() == Qt::Key_Escape)
        Dialogtaste(this, event);
    else
        QWidget::keyPressEvent(event);
}

void Zeige_Hilfe(int topic)
{
    if (!FHilfe)
        FHilfe = new TFHilfe;
    if (!FHilfe->Lade_Anleitung())
        return;
    // Asked for from a modal window (the wizard), help must be modal too,
    // or it takes no input.
    QWidget *modal = QApplication::activeModalWidget();
    const Qt::WindowModality art = modal && modal != FHilfe ? Qt::ApplicationModal : Qt::NonModal;
    if (FHilfe->windowModality() != art) {
        FHilfe->hide();
        FHilfe->setWindowModality(art);
    }
    FHilfe->show();
    FHilfe->raise();
    FHilfe->activateWindow();
    FHilfe->Gehe_zu_Kapitel(topic);
}
