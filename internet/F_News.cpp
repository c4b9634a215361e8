#include "internet/F_News.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/Globals.h"
#include "core/Tabellen.h"
#include "internet/News.h"
#include "platform/Pictures.h"
#include "dialogs/Dienste.h"
#include "dialogs/F_Meldung.h"

TFNews *FNews = nullptr;

namespace {
void Hauptfenster_freigeben()
{
    if (!Hauptfenster())
        return;
    Hauptfenster()->setEnabled(true);
    Hauptfenster()->show();
}

TTNewsInhalt *Eintrag_in_Zeile(int zeile)
{
    for (TTNewsInhalt &n : News.Inhalt)
        if (n.Listenindex == zeile)
            return &n;
    return nullptr;
}
} // namespace

TFNews::TFNews(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FNews"));
    setWindowTitle(QStringLiteral("News"));
    resize(520, 440);
    Setze_Fensterfarbe(this);

    IBackGround = new QLabel(this);
    IBackGround->setObjectName(QStringLiteral("IBackGround"));
    IBackGround->setScaledContents(true);
    IBackGround->lower();

    CLBNews = new QListWidget(this);
    CLBNews->setObjectName(QStringLiteral("CLBNews"));
    CLBNews->setToolTip(QStringLiteral("List of news for you!"));
    CLBNews->setSelectionMode(QAbstractItemView::SingleSelection);

    MNews = new QPlainTextEdit(this);
    MNews->setObjectName(QStringLiteral("MNews"));
    MNews->setReadOnly(true);
    MNews->setLineWrapMode(QPlainTextEdit::NoWrap);
    MNews->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MNews->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MNews->setToolTip(QStringLiteral("The message text will be displayed!"));

    BNews = new QPushButton(QStringLiteral("OK"), this);
    BNews->setObjectName(QStringLiteral("BNews"));
    BNews->setToolTip(QStringLiteral("Back to main window"));

    auto *layout = new QVBoxLayout(this);
    // A fixed minimum instead of one the layout recomputes on every change.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(320, 280);
    layout->addWidget(CLBNews, 2);
    layout->addWidget(MNews, 3);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(BNews);
    layout->addLayout(knoepfe);

    // A mouse click on a line and moving the selection with the keys both
    // read the item.
    connect(CLBNews, &QListWidget::itemClicked, this, [this] { CLBNewsClick(); });
    connect(CLBNews, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (zeile >= 0)
            CLBNewsClick();
    });
    connect(CLBNews, &QListWidget::itemChanged, this, &TFNews::CLBNewsClickCheck);
    connect(BNews, &QPushButton::clicked, this, &TFNews::BNewsClick);
}

void TFNews::Fuelle(bool erstesMal)
{
    setWindowTitle(QStringLiteral("News"));
    BNews->setText(QStringLiteral("OK"));
    if (erstesMal && !Hintergrundgrafik.isEmpty())
        IBackGround->setPixmap(
            platform::loadPixmap(Programmverzeichnis + QStringLiteral("Grafiken\\ENG\\PNG\\") + Hintergrundgrafik));

    const int gemerkt = qMax(0, CLBNews->currentRow());
    {
        // The lines are updated in place: a click may be refilling the list
        // while the view still handles that click.
        const QSignalBlocker sperre(CLBNews);
        const int anzahl = int(News.Inhalt.size());
        while (CLBNews->count() > anzahl)
            delete CLBNews->takeItem(CLBNews->count() - 1);
        const QLocale locale = QLocale::system();
        for (int i = 0; i < anzahl; ++i) {
            TTNewsInhalt &n = News.Inhalt[i];
            QListWidgetItem *item = i < CLBNews->count() ? CLBNews->item(i) : new QListWidgetItem(CLBNews);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setText(locale.toString(TWSToDateTime(n.Datum).date(), QLocale::ShortFormat) + QLatin1Char(' ')
                          + n.Betreff);
            item->setCheckState(n.Gelesen ? Qt::Checked : Qt::Unchecked);
            n.Listenindex = i;
        }
        CLBNews->setCurrentRow(erstesMal ? 0 : qMin(gemerkt, anzahl - 1));
    }

    MNews->clear();
    if (const TTNewsInhalt *n = Eintrag_in_Zeile(CLBNews->currentRow()))
        MNews->setPlainText(n->Text.join(QLatin1Char('\n')));
    MNews->moveCursor(QTextCursor::Start);

    if (erstesMal) {
        if (Hauptfenster())
            Hauptfenster()->setEnabled(false);
        // Showing and activating brings the window in front of the main window.
        show();
        activateWindow();
        if (CLBNews->isEnabled())
            CLBNews->setFocus();
    }
}

void TFNews::CLBNewsClick()
{
    const int zeile = CLBNews->currentRow();
    if (zeile < 0)
        return;
    {
        const QSignalBlocker sperre(CLBNews);
        CLBNews->item(zeile)->setCheckState(Qt::Checked);
    }
    TTNewsInhalt *n = Eintrag_in_Zeile(zeile);
    // A line already read needs no second save.
    if (n && !n->Gelesen) {
        n->Gelesen = 1;
        Lade_News(Save, QString());
    }
    Zeige_News(false);
}

void TFNews::CLBNewsClickCheck(QListWidgetItem *item)
{
    if (!item)
        return;
    // The marks follow the read flags; the user cannot set them by hand.
    const TTNewsInhalt *n = Eintrag_in_Zeile(CLBNews->row(item));
    const Qt::CheckState soll = n && n->Gelesen ? Qt::Checked : Qt::Unchecked;
    if (item->checkState() != soll) {
        const QSignalBlocker sperre(CLBNews);
        item->setCheckState(soll);
    }
}

void TFNews::BNewsClick()
{
    close();
}

void TFNews::FormClose()
{
    hide();
    Hauptfenster_freigeben();
}

void TFNews::closeEvent(QCloseEvent *event)
{
    event->accept();
    FormClose();
}

void TFNews::keyPressEvent(QKeyEvent *event)
{
    // Escape closes, as in the program's other small windows.
    if (!Dialogtaste(this, event))
        QWidget::keyPressEvent(event);
}

void TFNews::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    IBackGround->setGeometry(rect());
}

void Zeige_News(bool erstesMal)
{
    Lade_News(Load, QString());
    if (News.Inhalt.isEmpty()) {
        if (FNews && FNews->isVisible())
            FNews->hide();
        Hauptfenster_freigeben();
        return;
    }
    if (FNews)
        FNews->Fuelle(erstesMal);
}
