#include "internet/F_RezUpload.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Globals.h"
#include "core/Tabellen.h"
#include "internet/Internet.h"
#include "internet/Rezeptupload.h"
#include "platform/Pictures.h"
#include "dialogs/F_Hilfe.h"
#include "dialogs/Dienste.h"
#include "dialogs/Hintergrund.h"
#include "dialogs/F_Meldung.h"
#include "dialogs/F_Warten.h"
#include "dialogs/Fensterlage.h"

TFRezUpload *FRezUpload = nullptr;

namespace {
// The help chapter on downloads and the upload.
constexpr int Hilfethema = 6;

bool Rezept_gueltig(qint32 index)
{
    return index >= 0 && index < RezepteTotal.size();
}
} // namespace

TFRezUpload::TFRezUpload(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("FRezUpload"));
    setWindowTitle(QStringLiteral("Recipe upload:"));
    Setze_Fensterfarbe(this);
    Baue_Felder();
    Baue_Layout();
    Verbinde();
}

void TFRezUpload::Baue_Felder()
{
    IBack = new QLabel(this);
    IBack->setObjectName(QStringLiteral("IBack"));
    IBack->setScaledContents(true);
    IBack->lower();

    Label1 = new QLabel(QStringLiteral("Please enter your email address:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    EEmail = new QLineEdit(this);
    EEmail->setObjectName(QStringLiteral("EEmail"));
    Label1->setBuddy(EEmail);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);

    RG1 = new QGroupBox(QStringLiteral("Necessary information:"), this);
    RG1->setObjectName(QStringLiteral("RG1"));
    RG1Eigen = new QRadioButton(QStringLiteral("The recipe was cooked by me an I want to publish it."), RG1);
    RG1Eigen->setObjectName(QStringLiteral("RG1Eigen"));
    RG1Abgeschrieben = new QRadioButton(QStringLiteral("I types the recipe data from a magazine or the like"), RG1);
    RG1Abgeschrieben->setObjectName(QStringLiteral("RG1Abgeschrieben"));
    m_auswahl = new QButtonGroup(this);
    m_auswahl->addButton(RG1Eigen, 0);
    m_auswahl->addButton(RG1Abgeschrieben, 1);

    BOK = new QPushButton(QStringLiteral("Upload recipe"), this);
    BOK->setObjectName(QStringLiteral("BOK"));
    BOK->setDefault(true);
    BAbbrechen = new QPushButton(QStringLiteral("Cancel"), this);
    BAbbrechen->setObjectName(QStringLiteral("BAbbrechen"));
}

void TFRezUpload::Baue_Layout()
{
    auto *auswahl = new QVBoxLayout(RG1);
    auswahl->addWidget(RG1Eigen);
    auswahl->addWidget(RG1Abgeschrieben);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(BOK);
    knoepfe->addWidget(BAbbrechen);

    auto *haupt = new QVBoxLayout(this);
    haupt->addWidget(Label1);
    haupt->addWidget(EEmail);
    haupt->addSpacing(8);
    haupt->addWidget(Label2);
    haupt->addWidget(RG1);
    haupt->addLayout(knoepfe);
    setFixedSize(460, 250);
}

void TFRezUpload::Verbinde()
{
    connect(BOK, &QPushButton::clicked, this, &TFRezUpload::BOKClick);
    connect(BAbbrechen, &QPushButton::clicked, this, &TFRezUpload::BAbbrechenClick);
}

int TFRezUpload::RG1Auswahl() const
{
    return m_auswahl->checkedId();
}

void TFRezUpload::Setze_RG1Auswahl(int index)
{
    // An exclusive group cannot be emptied by unchecking its button.
    m_auswahl->setExclusive(false);
    RG1Eigen->setChecked(index == 0);
    RG1Abgeschrieben->setChecked(index == 1);
    m_auswahl->setExclusive(true);
}

void TFRezUpload::Oeffne(qint32 rezept)
{
    m_rezept = rezept;
    const QString name = Rezept_gueltig(rezept) ? RezepteTotal[rezept].Rezeptname : QString();
    Label2->setText(QLatin1Char('"') + name + QStringLiteral("\" will be published (without graphic):"));
    EEmail->setText(Upload_Beispieladresse);
    IBack->setPixmap(platform::loadPixmap(Hintergrunddatei()));
    Setze_RG1Auswahl(-1);
    Zentriere_Fenster(this);
    show();
    activateWindow();
    EEmail->setFocus();
    EEmail->selectAll();
}

void TFRezUpload::BOKClick()
{
    const QString adresse = EEmail->text().trimmed();
    if (!Pruefe_Emailadresse(adresse)) {
        Zeige_Meldung(QStringLiteral("Please enter a valid email address!"), QStringLiteral("Note:"), Knopf_OK);
        if (EEmail->isEnabled() && isVisible())
            EEmail->setFocus();
        return;
    }
    if (RG1Auswahl() < 0) {
        Zeige_Meldung(QStringLiteral("Please select the information for the recipe!"), QStringLiteral("Note:"), Knopf_OK);
        Setze_RG1Auswahl(0);
        if (isVisible())
            RG1Eigen->setFocus();
        return;
    }
    hide();
    TUploadzaehler z;
    if (Rezept_gueltig(m_rezept)) {
        // Long operations show the wait window; a slow server may take a while.
        Aufbereitungsfenster_Auf(nullptr, AF_Nichts, QStringLiteral("Uploading recipe..."));
        z = Lade_Rezept_hoch(RezepteTotal[m_rezept], adresse, RG1Auswahl() == 0);
        Aufbereitungsfenster_Zu(AF_Nichts);
    }
    if (z.Erfolgreich())
        Zeige_Meldung(QStringLiteral("Recipe succesfully uploaded. Thank you!"), QStringLiteral("Note:"), Knopf_OK);
    else
        Zeige_Meldung(QStringLiteral("Upload failed!"), QStringLiteral("Error:"), Knopf_OK);
}

void TFRezUpload::BAbbrechenClick()
{
    close();
}

void TFRezUpload::FormClose()
{
    hide();
}

void TFRezUpload::closeEvent(QCloseEvent *event)
{
    event->accept();
    FormClose();
}

void TFRezUpload::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        Zeige_Hilfe(Hilfethema);
        return;
    }
    if (!Dialogtaste(this, event))
        QWidget::keyPressEvent(event);
}

void TFRezUpload::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    IBack->setGeometry(rect());
}

bool Zeige_Rezeptupload()
{
    const qint32 rezept = Rezept_der_Uebersicht();
    if (rezept < 0) {
        Zeige_Meldung(QStringLiteral("Please select the recipe you want to upload in the list first!"),
                      QStringLiteral("Note:"), Knopf_OK);
        return false;
    }
    if (!FRezUpload)
        return false;
    // Before anything is filled in: without a server nothing could be sent.
    if (!Uploadserver_eingestellt()) {
        Zeige_Meldung(Kein_Uploadserver_Hinweis(), QStringLiteral("Note:"), Knopf_OK);
        return false;
    }
    FRezUpload->Oeffne(rezept);
    return true;
}
