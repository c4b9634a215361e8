#include "interactive/F_IAVDB.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "core/Dateioperationen.h"
#include "core/Meldung.h"
#include "core/Tabellen.h"
#include "interactive/IAAuswahl.h"
#include "interactive/IAModell.h"
#include "interactive/IATabellen.h"
#include "dialogs/F_Hilfe.h"

TFIAVDB *FIAVDB = nullptr;

namespace {

template <typename T> T *benannt(T *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}

bool kuecheBereit()
{
    return !IAKuechenanbindung.Kueche_bereit || IAKuechenanbindung.Kueche_bereit();
}

// Without an open kitchen the list takes nothing and writes nothing.
bool kuecheOffen()
{
    return !IAKuechenanbindung.Kueche_offen || IAKuechenanbindung.Kueche_offen();
}

void kuecheSperren(bool sperren)
{
    if (IAKuechenanbindung.Kueche_sperren)
        IAKuechenanbindung.Kueche_sperren(sperren);
}

} // namespace

TFIAVDB::TFIAVDB(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FIAVDB"));
    setWindowTitle(QStringLiteral("Alle Verben:"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    setMinimumSize(240, 100);
    resize(240, 495);
    Setze_Fensterfarbe(this);
    Baue_Felder();
    Verbinde();
    Registriere_Tooltipps(this,
                          {
                              {QStringLiteral("ESuche"),
                               QStringLiteral("Suchbegriff eingeben oder neues Kochverb erfassen")},
                              {QStringLiteral("BNeu"),
                               QStringLiteral("Links stehendes Verb als neues Kochverb in die Datenbank aufnehmen")},
                              {QStringLiteral("LBVerb"),
                               QStringLiteral("Durch einen Doppelklick der linken Maustaste das gewählte "
                                              "Kochverb aktivieren")},
                          },
                          &IAStatus.Tooltipps);
}

void TFIAVDB::Baue_Felder()
{
    ESuche = benannt(new QLineEdit(this), "ESuche");
    BNeu = benannt(new QPushButton(QStringLiteral("Neu"), this), "BNeu");
    BNeu->setFixedWidth(40);
    LBVerb = benannt(new QListWidget(this), "LBVerb");
    LBVerb->installEventFilter(this);
}

void TFIAVDB::Verbinde()
{
    connect(ESuche, &QLineEdit::textChanged, this, [] { Fuelle_Verbliste(); });
    connect(LBVerb, &QListWidget::itemDoubleClicked, this, &TFIAVDB::LBVerbDblClick);
    connect(BNeu, &QPushButton::clicked, this, &TFIAVDB::BNeuClick);
}

void TFIAVDB::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int hoehe = ESuche->sizeHint().height();
    ESuche->setGeometry(0, 0, width() - BNeu->width() - 4, hoehe);
    BNeu->setGeometry(ESuche->width() + 1, 0, BNeu->width(), hoehe);
    LBVerb->setGeometry(0, hoehe + 4, width(), height() - hoehe - 4);
}

void TFIAVDB::LBVerbDblClick()
{
    if (!kuecheOffen())
        return;
    if (IAStatus.Geraet == IAWaage) {
        kuecheSperren(true);
        setEnabled(false);
        Zeige_Meldung(QStringLiteral("Bitte eine Kochfläche auswählen. Die Waage ist nicht zugelassen!"),
                      QStringLiteral("Hinweis:"), Knopf_OK);
        setEnabled(true);
        kuecheSperren(false);
        return;
    }
    const int zeile = LBVerb->currentRow();
    if (!kuecheBereit() || zeile < 0 || IAHandZutat >= 0 || IAVerbInHand >= 0)
        return;
    QString text;
    for (const TTIAVTotalliste &e : std::as_const(IAVTotalliste))
        if (e.Treffer == zeile) {
            text = e.Text;
            break;
        }
    const qint32 verb = Uebernimm_IAVerb(text);
    if (verb < 0)
        return;
    if (isVisible() && !isMinimized())
        Umschalten();
    Aktualisiere_IAZustand();
    IAVerbInHand = verb;
    if (IAKuechenanbindung.Verb_in_Hand)
        IAKuechenanbindung.Verb_in_Hand(verb);
}

void TFIAVDB::BNeuClick()
{
    const QString text = ESuche->text();
    if (!kuecheOffen() || text.isEmpty() || IAStatus.Geraet == IAWaage || IAHandZutat >= 0 || IAVerbInHand >= 0 || !kuecheBereit())
        return;
    // a text the list holds already is taken as it stands, not listed twice
    auto vorhanden = std::find_if(IAVTotalliste.begin(), IAVTotalliste.end(),
                                  [&text](const TTIAVTotalliste &e) { return e.Text == text; });
    if (vorhanden == IAVTotalliste.end()) {
        IAVTotalliste.append({text, -1});
        vorhanden = IAVTotalliste.end() - 1;
    }
    if (vorhanden->Treffer < 0) {
        vorhanden->Treffer = qint32(LBVerb->count());
        LBVerb->addItem(IAVerbanzeige(text));
    }
    LBVerb->setCurrentRow(vorhanden->Treffer);
    LBVerbDblClick();
    ESuche->clear();
}

void TFIAVDB::Umschalten()
{
    if (IAKuechenanbindung.Kueche_ueberlagert && IAKuechenanbindung.Kueche_ueberlagert())
        return;
    if (IAVTotalliste.isEmpty())
        return;
    Fuelle_Verbliste();
    if (isVisible() && !isMinimized()) {
        showMinimized();
        if (IAKuechenanbindung.Kueche_nach_vorn)
            IAKuechenanbindung.Kueche_nach_vorn();
    } else {
        showNormal();
        raise();
        if (ESuche->isEnabled())
            ESuche->setFocus();
    }
}

bool TFIAVDB::Kurztaste(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        Umschalten();
    else if (event->key() == Qt::Key_F1)
        Zeige_Hilfe(16);
    else
        return false;
    event->accept();
    return true;
}

void TFIAVDB::keyPressEvent(QKeyEvent *event)
{
    if (Kurztaste(event))
        return;
    if (IAKuechenanbindung.Taste && !event->text().isEmpty()) {
        IAKuechenanbindung.Taste(event);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TFIAVDB::eventFilter(QObject *objekt, QEvent *event)
{
    // the list hands typed characters to the kitchen (type-ahead on verbs)
    if (objekt == LBVerb && event->type() == QEvent::KeyPress) {
        auto *taste = static_cast<QKeyEvent *>(event);
        if (taste->key() == Qt::Key_Escape || taste->key() == Qt::Key_F1) {
            keyPressEvent(taste);
            return true;
        }
        if (IAKuechenanbindung.Taste && !taste->text().isEmpty() && taste->text().at(0).isPrint()) {
            IAKuechenanbindung.Taste(taste);
            return true;
        }
    }
    return QWidget::eventFilter(objekt, event);
}

void Fuelle_Verbliste()
{
    if (!FIAVDB)
        return;
    QListWidget *liste = FIAVDB->LBVerb;
    const int gewaehlt = liste->currentRow();
    const int oben = liste->indexAt(QPoint(1, 1)).row();
    const QStringList zeilen = Ermittle_Verbliste(IAVTotalliste, FIAVDB->ESuche->text());
    const QSignalBlocker sperre(liste);
    liste->clear();
    liste->addItems(zeilen);
    if (zeilen.isEmpty())
        return;
    const int letzte = int(zeilen.size()) - 1;
    liste->setCurrentRow(gewaehlt < 0 || gewaehlt > letzte ? 0 : gewaehlt);
    liste->scrollToItem(liste->item(oben < 0 || oben > letzte ? 0 : oben), QAbstractItemView::PositionAtTop);
}
