// The tool-tip registry of the windows.
#include "core/Dateioperationen.h"

#include <QHelpEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QToolTip>
#include <QApplication>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <climits>
#include <charconv>
#include <cmath>
#include <cstring>

#include "core/Dateioperationen_p.h"

namespace dateien {

// --- tool tips ------------------------------------------------------------------

class TooltippStil : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 500;
        if (hint == SH_ToolTip_FallAsleepDelay)
            return 4000;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

struct TooltippFenster {
    QPointer<QWidget> form;
    QHash<QString, QString> texte;
    const quint8 *schalter = nullptr;
    bool anzeigen = true;
};

QList<TooltippFenster> &tooltippFenster()
{
    static QList<TooltippFenster> l;
    return l;
}

bool schalterAn(const TooltippFenster &f)
{
    return f.schalter ? *f.schalter != 0 : Optionen.Tooltipps != 0;
}

void setzeTexte(const TooltippFenster &f)
{
    if (!f.form)
        return;
    for (auto it = f.texte.constBegin(); it != f.texte.constEnd(); ++it) {
        QWidget *w = f.form->objectName() == it.key() ? f.form.data() : f.form->findChild<QWidget *>(it.key());
        if (w)
            w->setToolTip(it.value());
    }
}

// Shows the hints of a registered window for 4000 ms, or none when its
// switch is off.
class TooltippFilter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *obj, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip || !obj->isWidgetType())
            return false;
        QWidget *w = static_cast<QWidget *>(obj);
        QWidget *fenster = w->window();
        for (const TooltippFenster &f : tooltippFenster()) {
            if (f.form != fenster)
                continue;
            if (!f.anzeigen) {
                QToolTip::hideText();
                event->ignore();
                return true;
            }
            if (w->toolTip().isEmpty())
                return false;
            auto *he = static_cast<QHelpEvent *>(event);
            QToolTip::showText(he->globalPos(), w->toolTip(), w, QRect(), 4000);
            return true;
        }
        return false;
    }
};

void installiereTooltippSteuerung()
{
    static QPointer<TooltippFilter> filter;
    if (!qApp || filter)
        return;
    filter = new TooltippFilter(qApp);
    qApp->installEventFilter(filter);
    if (!dynamic_cast<TooltippStil *>(QApplication::style()))
        QApplication::setStyle(new TooltippStil(QApplication::style()->name()));
}

} // namespace dateien

using namespace dateien;

// --- tool tips ----------------------------------------------------------------------

void Registriere_Tooltipps(QWidget *form, const QHash<QString, QString> &hintByObjectName, const quint8 *schalter)
{
    if (!form)
        return;
    auto &liste = tooltippFenster();
    liste.removeIf([form](const TooltippFenster &f) { return !f.form || f.form == form; });
    TooltippFenster f;
    f.form = form;
    f.texte = hintByObjectName;
    f.schalter = schalter;
    f.anzeigen = schalterAn(f);
    setzeTexte(f);
    liste.append(f);
    installiereTooltippSteuerung();
}

void Setze_Tooltipps(const QList<QWidget *> &formen)
{
    installiereTooltippSteuerung();
    for (TooltippFenster &f : tooltippFenster()) {
        if (!f.form)
            continue;
        setzeTexte(f);
        if (formen.contains(f.form.data()))
            f.anzeigen = schalterAn(f);
    }
}

bool Tooltipps_sichtbar(QWidget *form)
{
    for (const TooltippFenster &f : tooltippFenster())
        if (f.form == form)
            return f.anzeigen;
    return false;
}
