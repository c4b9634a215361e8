#include "recipes/F_Meldung.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/Colors.h"
#include "platform/Seams.h"
#include "platform/Wait.h"

TFMeldung *FMeldung = nullptr;

TFMeldung::TFMeldung(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("FMeldung"));
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QStringLiteral("Tablecraft Works"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, platform::fromTColor(0x00A6D7E5));
    setPalette(pal);
    setAutoFillBackground(true);

    LUeberschrift = new QLabel(this);
    LUeberschrift->setObjectName(QStringLiteral("LUeberschrift"));
    QFont f = LUeberschrift->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    LUeberschrift->setFont(f);
    LText = new QLabel(this);
    LText->setObjectName(QStringLiteral("LText"));
    LText->setTextFormat(Qt::PlainText);
    LText->setWordWrap(true);
    LText->setMinimumWidth(320);
    LText->setTextInteractionFlags(Qt::TextSelectableByMouse);

    BOK = new QPushButton(QStringLiteral("OK"), this);
    BOK->setObjectName(QStringLiteral("BOK"));
    BJa = new QPushButton(QStringLiteral("Yes"), this);
    BJa->setObjectName(QStringLiteral("BJa"));
    BNein = new QPushButton(QStringLiteral("No"), this);
    BNein->setObjectName(QStringLiteral("BNein"));
    connect(BOK, &QPushButton::clicked, this, [this] { m_result = 1; hide(); });
    connect(BJa, &QPushButton::clicked, this, [this] { m_result = 6; hide(); });
    connect(BNein, &QPushButton::clicked, this, [this] { m_result = 7; hide(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BOK);
    buttons->addWidget(BJa);
    buttons->addWidget(BNein);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LUeberschrift);
    layout->addWidget(LText, 1);
    layout->addLayout(buttons);
}

int TFMeldung::Zeige(const QString &text, const QString &heading, int buttons)
{
    m_buttons = buttons;
    m_result = 0;
    LUeberschrift->setText(heading);
    LText->setText(text);
    const bool yesNo = buttons == 4;
    BOK->setVisible(!yesNo);
    BJa->setVisible(yesNo);
    BNein->setVisible(yesNo);
    adjustSize();
    if (QScreen *s = QApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    (yesNo ? BJa : BOK)->setFocus();
    platform::waitWhileVisible(this);
    if (m_result == 0) // closed by its close box, or the program quit
        m_result = yesNo ? 7 : 1;
    return m_result;
}

void TFMeldung::closeEvent(QCloseEvent *event)
{
    if (m_result == 0)
        m_result = m_buttons == 4 ? 7 : 1;
    event->accept();
}

void TFMeldung::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

int Zeige_Meldung(const QString &text, const QString &heading, int buttons)
{
    if (const auto &answerer = platform::messageAnswerer())
        return answerer(text, heading, buttons);
    if (!FMeldung)
        FMeldung = new TFMeldung;
    return FMeldung->Zeige(text, heading, buttons);
}
