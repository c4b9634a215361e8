#include "dialogs/F_Meldung.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Tabellen.h"
#include "dialogs/Fensterlage.h"
#include "dialogs/F_Warten.h"
#include "platform/Wait.h"

TFMeldung *FMeldung = nullptr;

TFMeldung::TFMeldung(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("FMeldung"));
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QStringLiteral("Tablecraft Works"));
    Setze_Fensterfarbe(this);

    LUeberschrift = new QLabel(this);
    LUeberschrift->setObjectName(QStringLiteral("LUeberschrift"));
    LUeberschrift->setTextFormat(Qt::PlainText);
    QFont f = LUeberschrift->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    LUeberschrift->setFont(f);
    LText = new QLabel(this);
    LText->setObjectName(QStringLiteral("LText"));
    LText->setTextFormat(Qt::PlainText);
    LText->setWordWrap(true);
    LText->setMinimumWidth(320);
    LText->setMaximumWidth(560);
    LText->setTextInteractionFlags(Qt::TextSelectableByMouse);

    BOK = new QPushButton(QStringLiteral("OK"), this);
    BOK->setObjectName(QStringLiteral("BOK"));
    BJa = new QPushButton(QStringLiteral("Yes"), this);
    BJa->setObjectName(QStringLiteral("BJa"));
    BNein = new QPushButton(QStringLiteral("No"), this);
    BNein->setObjectName(QStringLiteral("BNein"));
    for (QPushButton *b : {BOK, BJa, BNein})
        b->setMinimumWidth(88);
    connect(BOK, &QPushButton::clicked, this, [this] { Beantworte(Antwort_OK); });
    connect(BJa, &QPushButton::clicked, this, [this] { Beantworte(Antwort_Ja); });
    connect(BNein, &QPushButton::clicked, this, [this] { Beantworte(Antwort_Nein); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BOK);
    buttons->addWidget(BJa);
    buttons->addWidget(BNein);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(LUeberschrift);
    layout->addWidget(LText, 1);
    layout->addLayout(buttons);
}

void TFMeldung::Beantworte(int result)
{
    m_result = result;
    hide();
}

int TFMeldung::Zeige(const QString &text, const QString &heading, int buttons)
{
    m_buttons = buttons;
    m_result = 0;
    LUeberschrift->setText(heading);
    LUeberschrift->setVisible(!heading.isEmpty());
    LText->setText(text);
    const bool yesNo = buttons == Knoepfe_Ja_Nein;
    BOK->setVisible(!yesNo);
    BJa->setVisible(yesNo);
    BNein->setVisible(yesNo);
    adjustSize();
    QWidget *wartend = Zeige_vorne(this);
    (yesNo ? BJa : BOK)->setFocus();
    QPointer<TFMeldung> self(this);
    platform::waitWhileVisible(this);
    Gib_Tasten_zurueck(this, wartend);
    if (!self)
        return yesNo ? Antwort_Nein : Antwort_OK;
    if (m_result == 0) { // the program quit while the question was open
        hide();
        m_result = yesNo ? Antwort_Nein : Antwort_OK;
    }
    return m_result;
}

void TFMeldung::closeEvent(QCloseEvent *event)
{
    // A Yes/No question is answered with Yes or No only: taking Escape or
    // the close box for No would throw away what the question guards.
    if (m_result == 0 && m_buttons == Knoepfe_Ja_Nein && isVisible()) {
        event->ignore();
        return;
    }
    if (m_result == 0)
        m_result = Antwort_OK;
    event->accept();
}

void TFMeldung::keyPressEvent(QKeyEvent *event)
{
    if (!Dialogtaste(this, event))
        QWidget::keyPressEvent(event);
}

bool Dialogtaste(QWidget *fenster, QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        fenster->close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        auto *knopf = qobject_cast<QPushButton *>(fenster->focusWidget());
        if (!knopf || !knopf->isVisible() || !knopf->isEnabled()) {
            knopf = nullptr;
            for (QPushButton *b : fenster->findChildren<QPushButton *>())
                if (b->isDefault() && b->isVisible() && b->isEnabled())
                    knopf = b;
        }
        if (!knopf)
            return false;
        knopf->click();
        return true;
    }
    default:
        return false;
    }
}

void Installiere_Meldungsfenster()
{
    Setze_Meldungsfenster(&Zeige_Meldungsfenster);
}

static int Zeige_im_Meldungsfenster(const QString &text, const QString &heading, int buttons)
{
    // A message raised while another is open (from a nested event loop) gets
    // a window of its own, so neither answer is lost.
    if (FMeldung->isVisible()) {
        TFMeldung extra;
        return extra.Zeige(text, heading, buttons);
    }
    return FMeldung->Zeige(text, heading, buttons);
}

int Zeige_Meldungsfenster(const QString &text, const QString &heading, int buttons)
{
    if (!QApplication::instance())
        return buttons == Knoepfe_Ja_Nein ? Antwort_Nein : Antwort_OK;
    if (!FMeldung)
        FMeldung = new TFMeldung;
    // The wait window stays on top of everything: the question would open
    // under it, and a user must read it before answering. It comes back
    // afterwards unless the work behind it ended meanwhile.
    QPointer<TFWarten> warten = FWarten && FWarten->isVisible() ? FWarten : nullptr;
    if (warten)
        warten->hide();
    const int antwort = Zeige_im_Meldungsfenster(text, heading, buttons);
    if (warten && !warten->LText->text().isEmpty())
        warten->show();
    return antwort;
}
