#include "dialogs/Fensterlage.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "dialogs/Dienste.h"

namespace {

// Windows in the order they were last shown or activated, the latest first.
QList<QPointer<QWidget>> &zuletzt()
{
    static QList<QPointer<QWidget>> liste;
    return liste;
}

// The largest frame seen on a mapped, decorated window.
QMargins &bekannter_rahmen()
{
    static QMargins rahmen;
    return rahmen;
}

// Before any window was mapped: more than the usual title bar and border,
// so that a guess never puts a frame past the screen's edge.
constexpr QMargins Geschaetzter_Rahmen(8, 32, 8, 8);

bool ist_fenster(const QObject *objekt)
{
    if (!objekt || !objekt->isWidgetType())
        return false;
    const auto *w = static_cast<const QWidget *>(objekt);
    if (!w->isWindow())
        return false;
    switch (w->windowType()) {
    case Qt::Popup: // menus and drop-down lists place themselves
    case Qt::ToolTip:
    case Qt::Desktop:
    case Qt::SubWindow:
        return false;
    default:
        return true;
    }
}

bool rahmenlos(const QWidget *w)
{
    return (w->windowFlags() & Qt::FramelessWindowHint) || w->windowType() == Qt::SplashScreen;
}

void merke_rahmen(const QWidget *w)
{
    if (rahmenlos(w) || !w->windowHandle())
        return;
    const QMargins m = w->windowHandle()->frameMargins();
    QMargins &b = bekannter_rahmen();
    b = QMargins(std::max(b.left(), m.left()), std::max(b.top(), m.top()), std::max(b.right(), m.right()),
                 std::max(b.bottom(), m.bottom()));
}

// Counts the windows shown: a window shown after an answer stays in front.
int gezeigt = 0;

// How many Dialog_vorne live.
int dialoge_vorne = 0;

bool kandidat(const QWidget *w, const QWidget *ausser)
{
    return w && w != ausser && ist_fenster(w) && w->isVisible() && w->windowType() != Qt::SplashScreen;
}

bool bleibt_oben(const QWidget *w)
{
    return w->windowFlags() & Qt::WindowStaysOnTopHint;
}

// A dialog about to be mapped: its window (not the widget, which is being
// shown) is put on top, transient for the front-most window.
void vor_das_vorderste(QWidget *w)
{
    QWindow *fenster = w->windowHandle();
    if (!fenster)
        return;
    if (Fenster_bleibt_oben(w))
        fenster->setFlags(fenster->flags() | Qt::WindowStaysOnTopHint);
    if (QWidget *vorne = Vorderstes_Fenster(w))
        fenster->setTransientParent(vorne->windowHandle());
}

// Steps of 10 ms to wait for the window manager to move the focus.
constexpr int Runden_bis_Fokus = 100;

bool nimmt_tasten(const QWidget *w)
{
    return kandidat(w, nullptr) && w->isEnabled() && !w->isMinimized();
}

void nach_vorne(QWidget *w)
{
    auto &liste = zuletzt();
    liste.removeAll(nullptr);
    liste.removeAll(w);
    liste.prepend(w);
}

class Fensterfilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override
    {
        const QEvent::Type typ = event->type();
        if ((typ == QEvent::Show || typ == QEvent::WindowActivate || typ == QEvent::Hide) && ist_fenster(objekt)) {
            auto *w = static_cast<QWidget *>(objekt);
            if (typ == QEvent::Hide) {
                merke_rahmen(w);
            } else if (typ == QEvent::WindowActivate) {
                merke_rahmen(w);
                nach_vorne(w);
            } else if (!event->spontaneous()) {
                // Sent before the window is mapped: placed now, it opens there.
                if (dialoge_vorne > 0 && w->windowType() == Qt::Dialog)
                    vor_das_vorderste(w);
                if (w->testAttribute(Qt::WA_Moved))
                    Halte_auf_Bildschirm(w);
                else
                    Zentriere_Fenster(w);
                nach_vorne(w);
                ++gezeigt;
            }
        }
        return QObject::eventFilter(objekt, event);
    }
};

void installiere_filter()
{
    if (auto *app = QCoreApplication::instance())
        app->installEventFilter(new Fensterfilter(app));
}

// The room for the frame: the window shrinks to fit, then the frame's corner
// is kept inside.
QPoint in_bereich(QWidget *w, QPoint ecke)
{
    const QRect bereich = Fensterbereich();
    const QMargins m = Fensterrahmen(w);
    const int breite = bereich.width() - m.left() - m.right();
    const int hoehe = bereich.height() - m.top() - m.bottom();
    if (breite > 0 && hoehe > 0 && (w->width() > breite || w->height() > hoehe)) {
        w->setMinimumSize(std::min(w->minimumWidth(), breite), std::min(w->minimumHeight(), hoehe));
        w->resize(std::min(w->width(), breite), std::min(w->height(), hoehe));
    }
    const int rahmenbreite = w->width() + m.left() + m.right();
    const int rahmenhoehe = w->height() + m.top() + m.bottom();
    ecke.setX(std::max(bereich.left(), std::min(ecke.x(), bereich.left() + bereich.width() - rahmenbreite)));
    ecke.setY(std::max(bereich.top(), std::min(ecke.y(), bereich.top() + bereich.height() - rahmenhoehe)));
    return ecke;
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installiere_filter)

QScreen *Programmbildschirm()
{
    if (QWidget *haupt = Hauptfenster())
        if (QScreen *s = haupt->screen())
            return s;
    return QGuiApplication::primaryScreen();
}

QRect Fensterbereich()
{
    QScreen *s = Programmbildschirm();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

QMargins Fensterrahmen(const QWidget *fenster)
{
    if (!fenster || rahmenlos(fenster))
        return {};
    if (fenster->windowHandle() && fenster->isVisible()) {
        const QMargins m = fenster->windowHandle()->frameMargins();
        if (!m.isNull())
            return m;
    }
    const QMargins b = bekannter_rahmen();
    return b.isNull() ? Geschaetzter_Rahmen : b;
}

void Halte_auf_Bildschirm(QWidget *fenster)
{
    if (!fenster)
        return;
    const QPoint ecke = in_bereich(fenster, fenster->pos());
    if (ecke != fenster->pos())
        fenster->move(ecke);
}

void Zentriere_Fenster(QWidget *fenster)
{
    if (!fenster)
        return;
    const QRect bereich = Fensterbereich();
    in_bereich(fenster, fenster->pos()); // shrinks it first when it must
    const QMargins m = Fensterrahmen(fenster);
    const QSize rahmen(fenster->width() + m.left() + m.right(), fenster->height() + m.top() + m.bottom());
    fenster->move(in_bereich(fenster, bereich.center() - QPoint(rahmen.width() / 2, rahmen.height() / 2)));
}

void Platziere_Fenster(QWidget *fenster, QPoint oben_links)
{
    if (fenster)
        fenster->move(in_bereich(fenster, oben_links));
}

QWidget *Vorderstes_Fenster(const QWidget *ausser)
{
    // The latest first; visible windows never shown through the filter
    // (there are none in the program) come last.
    QList<QWidget *> reihe;
    for (const QPointer<QWidget> &w : zuletzt())
        if (kandidat(w, ausser))
            reihe.append(w);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (kandidat(w, ausser) && !reihe.contains(w))
            reihe.append(w);
    const auto oben = std::find_if(reihe.cbegin(), reihe.cend(), bleibt_oben);
    if (oben != reihe.cend())
        return *oben;
    return reihe.isEmpty() ? nullptr : reihe.first();
}

bool Fenster_bleibt_oben(const QWidget *ausser)
{
    const QWidgetList alle = QApplication::topLevelWidgets();
    return std::any_of(alle.cbegin(), alle.cend(), [ausser](QWidget *w) { return kandidat(w, ausser) && bleibt_oben(w); });
}

Dialog_vorne::Dialog_vorne()
{
    ++dialoge_vorne;
}

Dialog_vorne::~Dialog_vorne()
{
    --dialoge_vorne;
}

QWidget *Zeige_vorne(QWidget *fenster)
{
    if (!fenster)
        return nullptr;
    QWidget *vorne = Vorderstes_Fenster(fenster);
    if (!fenster->isVisible()) {
        const bool oben = Fenster_bleibt_oben(fenster);
        if (bleibt_oben(fenster) != oben)
            fenster->setWindowFlag(Qt::WindowStaysOnTopHint, oben);
        fenster->winId();
        fenster->windowHandle()->setTransientParent(vorne ? vorne->windowHandle() : nullptr);
        Zentriere_Fenster(fenster);
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
    return vorne;
}

void Gib_Tasten_zurueck(QWidget *frage, QWidget *wartend)
{
    // Only the latest answer hands the keys back.
    static QPointer<QTimer> laufend;
    delete laufend;
    auto *takt = new QTimer(QCoreApplication::instance());
    laufend = takt;
    QPointer<QWidget> gewartet(wartend);
    QPointer<QWindow> gefragt(frage ? frage->windowHandle() : nullptr);
    int runden = 0;
    const int schon_gezeigt = gezeigt;
    QObject::connect(takt, &QTimer::timeout, takt, [takt, gewartet, gefragt, runden, schon_gezeigt]() mutable {
        // While Qt still sees the hidden question focused, it takes the
        // window the question stood in front of (and its parents) for
        // active and would not ask the window manager for anything: wait
        // until the window manager moved the focus, a short while at most.
        if (gefragt && !gefragt->isVisible() && QGuiApplication::focusWindow() == gefragt
            && ++runden < Runden_bis_Fokus)
            return;
        takt->deleteLater();
        takt->stop();
        QWidget *ziel = gewartet;
        if (!nimmt_tasten(ziel)) {
            const auto &liste = zuletzt();
            const auto w = std::find_if(liste.cbegin(), liste.cend(),
                                        [](const QPointer<QWidget> &eintrag) { return nimmt_tasten(eintrag); });
            ziel = w != liste.cend() ? w->data() : nullptr;
        }
        // A window the answer opened, or a question opened meanwhile, keeps
        // the keys.
        const QWidget *offen = QApplication::activeModalWidget();
        if (!ziel || gezeigt != schon_gezeigt || (offen && offen != ziel))
            return;
        if (QWindow *handle = ziel->windowHandle())
            handle->requestActivate();
    });
    takt->start(10);
}
