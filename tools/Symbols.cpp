#include "Symbols.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "PictureKit.h"

namespace symbols {

using namespace kit::colors;

Symbol emoji(const QString &e, const QString &accent)
{
    Symbol s;
    s.emoji = e;
    s.accent = accent;
    return s;
}

Symbol drawn(Shape shape, const QString &accent, const QString &label, const QColor &tint)
{
    Symbol s;
    s.shape = shape;
    s.accent = accent;
    s.label = label;
    s.tint = tint;
    return s;
}

Symbol named(Symbol s, const QString &name)
{
    if (s.label.isEmpty())
        s.label = name;
    return s;
}

bool drawable(const Symbol &s)
{
    return s.shape != Shape::None || kit::emojiSupported(s.emoji);
}

namespace {

// All pictograms are drawn on a 100 x 100 grid.
QPen outline(qreal width = 4.0, const QColor &c = inkDark)
{
    QPen pen(c, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor &a, const QColor &b)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QLinearGradient horizontal(qreal left, qreal right, const QColor &a, const QColor &b)
{
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

const QColor enamel{196, 62, 44};
const QColor glass{196, 224, 242};
const QColor water{96, 160, 220};

void drawPotBody(QPainter &p, const QColor &body, bool lid)
{
    p.setPen(outline());
    p.setBrush(inkDark);
    p.drawRoundedRect(QRectF(4, 46, 14, 8), 3, 3);
    p.drawRoundedRect(QRectF(82, 46, 14, 8), 3, 3);
    p.setBrush(vertical(40, 88, body.lighter(120), body.darker(115)));
    QPainterPath pot;
    pot.moveTo(18, 42);
    pot.lineTo(82, 42);
    pot.lineTo(80, 80);
    pot.quadTo(80, 88, 72, 88);
    pot.lineTo(28, 88);
    pot.quadTo(20, 88, 20, 80);
    pot.closeSubpath();
    p.drawPath(pot);
    p.setBrush(body.darker(120));
    p.drawRoundedRect(QRectF(12, 37, 76, 8), 4, 4);
    if (lid) {
        QPainterPath l;
        l.moveTo(16, 37);
        l.cubicTo(22, 18, 78, 18, 84, 37);
        l.closeSubpath();
        p.setBrush(vertical(18, 37, body.lighter(135), body));
        p.drawPath(l);
        p.setBrush(inkDark);
        p.drawRoundedRect(QRectF(43, 14, 14, 8), 3, 3);
    }
}

void drawArrow(QPainter &p, qreal angle, const QColor &c)
{
    p.save();
    p.translate(50, 50);
    p.rotate(angle);
    QPainterPath a;
    a.moveTo(0, -40);
    a.lineTo(34, -2);
    a.lineTo(13, -2);
    a.lineTo(13, 38);
    a.lineTo(-13, 38);
    a.lineTo(-13, -2);
    a.lineTo(-34, -2);
    a.closeSubpath();
    p.setPen(outline(4, c.darker(160)));
    p.setBrush(vertical(-40, 38, c.lighter(130), c));
    p.drawPath(a);
    p.restore();
}

void drawCheck(QPainter &p, const QColor &c, qreal width)
{
    QPainterPath tick;
    tick.moveTo(16, 52);
    tick.lineTo(40, 76);
    tick.lineTo(84, 24);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(width + 6, c.darker(170)));
    p.drawPath(tick);
    p.setPen(outline(width, c));
    p.drawPath(tick);
}

void drawCross(QPainter &p, const QColor &c, qreal width)
{
    p.setPen(outline(width + 6, c.darker(170)));
    p.drawLine(QPointF(22, 22), QPointF(78, 78));
    p.drawLine(QPointF(78, 22), QPointF(22, 78));
    p.setPen(outline(width, c));
    p.drawLine(QPointF(22, 22), QPointF(78, 78));
    p.drawLine(QPointF(78, 22), QPointF(22, 78));
}

void drawRound(QPainter &p, const QColor &c)
{
    p.setPen(outline(4, c.darker(160)));
    QRadialGradient g(40, 36, 60);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(1, c);
    p.setBrush(g);
    p.drawEllipse(QRectF(6, 6, 88, 88));
}

void drawText(QPainter &p, const QRectF &r, const QString &text, const QColor &c, int size)
{
    kit::caption(p, r, text, c, size);
}

void drawShape(QPainter &p, const Symbol &s)
{
    switch (s.shape) {
    case Shape::None:
        break;
    case Shape::Pot:
        drawPotBody(p, enamel, true);
        break;
    case Shape::MixingBowl: {
        QPainterPath bowl;
        bowl.moveTo(8, 44);
        bowl.lineTo(92, 44);
        bowl.cubicTo(90, 80, 70, 90, 50, 90);
        bowl.cubicTo(30, 90, 10, 80, 8, 44);
        p.setPen(outline());
        p.setBrush(vertical(44, 90, cream, paperDark));
        p.drawPath(bowl);
        p.save();
        p.setClipPath(bowl);
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawRect(QRectF(0, 56, 100, 8));
        p.restore();
        p.setPen(outline());
        p.setBrush(Qt::NoBrush);
        p.drawPath(bowl);
        p.setBrush(cream);
        p.drawEllipse(QRectF(8, 36, 84, 16));
        p.setBrush(woodLight);
        p.setPen(outline(2));
        p.drawEllipse(QRectF(16, 39, 68, 10));
        break;
    }
    case Shape::CasseroleDish: {
        const QColor clay{206, 112, 60};
        p.setPen(outline());
        p.setBrush(clay.darker(120));
        p.drawRoundedRect(QRectF(2, 46, 14, 8), 3, 3);
        p.drawRoundedRect(QRectF(84, 46, 14, 8), 3, 3);
        QPainterPath dish;
        dish.moveTo(12, 46);
        dish.lineTo(88, 46);
        dish.lineTo(80, 82);
        dish.lineTo(20, 82);
        dish.closeSubpath();
        p.setBrush(vertical(46, 82, clay.lighter(115), clay.darker(110)));
        p.drawPath(dish);
        p.setBrush(QColor(226, 170, 70));
        p.drawRoundedRect(QRectF(10, 38, 80, 12), 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(180, 100, 40));
        for (int x : {22, 38, 56, 72})
            p.drawEllipse(QRectF(x, 41, 7, 5));
        break;
    }
    case Shape::Springform: {
        p.setPen(outline());
        p.setBrush(horizontal(14, 86, steelLight, steel));
        QPainterPath side;
        side.moveTo(12, 44);
        side.lineTo(12, 72);
        side.arcTo(QRectF(12, 62, 76, 20), 180, 180);
        side.lineTo(88, 44);
        side.closeSubpath();
        p.drawPath(side);
        p.setBrush(steelLight);
        p.drawEllipse(QRectF(12, 34, 76, 20));
        p.setBrush(steel.darker(110));
        p.drawEllipse(QRectF(19, 38, 62, 13));
        p.setBrush(inkDark);
        p.drawRoundedRect(QRectF(45, 56, 10, 16), 2, 2);
        break;
    }
    case Shape::Grill: {
        p.setPen(outline(5));
        p.drawLine(QPointF(32, 70), QPointF(22, 94));
        p.drawLine(QPointF(68, 70), QPointF(78, 94));
        p.drawLine(QPointF(50, 74), QPointF(50, 94));
        QPainterPath kettle;
        kettle.moveTo(10, 50);
        kettle.arcTo(QRectF(10, 22, 80, 56), 180, 180);
        kettle.closeSubpath();
        p.setPen(outline());
        p.setBrush(vertical(50, 78, QColor(70, 70, 76), QColor(36, 36, 40)));
        p.drawPath(kettle);
        kit::drawEmoji(p, QStringLiteral("\U0001F525"), QRectF(26, 14, 48, 40));
        p.setPen(outline(5, steel.darker(130)));
        p.drawLine(QPointF(8, 50), QPointF(92, 50));
        p.setPen(outline(3, steel.darker(130)));
        for (int x = 20; x <= 80; x += 12)
            p.drawLine(QPointF(x, 44), QPointF(x, 50));
        break;
    }
    case Shape::BakingTray: {
        p.setPen(outline());
        p.setBrush(vertical(60, 80, steelLight, steel));
        QPainterPath tray;
        tray.moveTo(4, 60);
        tray.lineTo(96, 60);
        tray.lineTo(88, 80);
        tray.lineTo(12, 80);
        tray.closeSubpath();
        p.drawPath(tray);
        p.setBrush(QColor(250, 248, 240));
        p.setPen(outline(2));
        p.drawRect(QRectF(12, 56, 76, 6));
        kit::drawEmoji(p, QStringLiteral("\U0001F36A"), QRectF(12, 26, 34, 34));
        kit::drawEmoji(p, QStringLiteral("\U0001F36A"), QRectF(54, 26, 34, 34));
        break;
    }
    case Shape::Blender: {
        p.setPen(outline());
        p.setBrush(enamel);
        p.drawRoundedRect(QRectF(28, 66, 44, 26), 6, 6);
        p.setBrush(cream);
        p.drawEllipse(QPointF(50, 80), 5, 5);
        QPainterPath jug;
        jug.moveTo(28, 14);
        jug.lineTo(72, 14);
        jug.lineTo(65, 66);
        jug.lineTo(35, 66);
        jug.closeSubpath();
        p.setBrush(glass);
        p.drawPath(jug);
        p.save();
        p.setClipPath(jug);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 150, 80));
        p.drawRect(QRectF(0, 40, 100, 30));
        p.restore();
        p.setPen(outline());
        p.setBrush(Qt::NoBrush);
        p.drawPath(jug);
        p.setPen(outline(3));
        p.drawLine(QPointF(40, 58), QPointF(60, 62));
        p.drawLine(QPointF(40, 62), QPointF(60, 58));
        p.setPen(outline());
        p.setBrush(inkDark);
        p.drawRoundedRect(QRectF(25, 8, 50, 8), 3, 3);
        p.setPen(outline(3, QColor(72, 120, 170)));
        p.drawLine(QPointF(72, 22), QPointF(84, 26));
        p.drawLine(QPointF(84, 26), QPointF(80, 50));
        p.drawLine(QPointF(80, 50), QPointF(68, 52));
        break;
    }
    case Shape::Microwave: {
        p.setPen(outline());
        p.setBrush(vertical(22, 82, steelLight.lighter(105), steel));
        p.drawRoundedRect(QRectF(4, 22, 92, 60), 7, 7);
        p.setBrush(vertical(30, 74, QColor(70, 84, 96), QColor(40, 48, 56)));
        p.drawRoundedRect(QRectF(12, 30, 56, 44), 4, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 210, 120, 150));
        p.drawEllipse(QRectF(26, 52, 28, 12));
        p.setPen(outline(3));
        p.setBrush(cream);
        p.drawEllipse(QPointF(82, 40), 6, 6);
        p.drawRoundedRect(QRectF(74, 54, 16, 5), 2, 2);
        p.drawRoundedRect(QRectF(74, 63, 16, 5), 2, 2);
        break;
    }
    case Shape::Oven: {
        p.setPen(outline());
        p.setBrush(vertical(8, 94, steelLight.lighter(105), steel));
        p.drawRoundedRect(QRectF(12, 6, 76, 88), 7, 7);
        p.setBrush(steel.darker(120));
        p.drawRoundedRect(QRectF(12, 6, 76, 20), 7, 7);
        p.setPen(outline(2.5));
        p.setBrush(cream);
        for (int x : {26, 42, 58, 74})
            p.drawEllipse(QPointF(x, 16), 4.5, 4.5);
        QLinearGradient glow(0, 40, 0, 84);
        glow.setColorAt(0, QColor(255, 214, 110));
        glow.setColorAt(1, QColor(214, 96, 30));
        p.setPen(outline());
        p.setBrush(glow);
        p.drawRoundedRect(QRectF(22, 42, 56, 42), 4, 4);
        p.setPen(outline(5));
        p.drawLine(QPointF(26, 34), QPointF(74, 34));
        break;
    }
    case Shape::WaterBath: {
        drawPotBody(p, steel, false);
        p.setPen(outline(2, water.darker(140)));
        p.setBrush(water);
        p.drawEllipse(QRectF(16, 36, 68, 10));
        QPainterPath bowl;
        bowl.moveTo(28, 28);
        bowl.lineTo(72, 28);
        bowl.cubicTo(70, 44, 60, 48, 50, 48);
        bowl.cubicTo(40, 48, 30, 44, 28, 28);
        p.setPen(outline(3));
        p.setBrush(vertical(28, 48, cream, paperDark));
        p.drawPath(bowl);
        p.setPen(outline(3, water.darker(110)));
        p.setBrush(Qt::NoBrush);
        for (int y : {60, 72}) {
            QPainterPath wave;
            wave.moveTo(28, y);
            for (int x = 28; x < 72; x += 11)
                wave.quadTo(x + 2.75, y - 4, x + 5.5, y), wave.quadTo(x + 8.25, y + 4, x + 11, y);
            p.drawPath(wave);
        }
        break;
    }
    case Shape::Fridge: {
        p.setPen(outline());
        p.setBrush(horizontal(22, 78, QColor(250, 252, 255), QColor(206, 216, 226)));
        p.drawRoundedRect(QRectF(22, 4, 56, 92), 8, 8);
        p.drawLine(QPointF(22, 38), QPointF(78, 38));
        p.setBrush(steel.darker(130));
        p.drawRoundedRect(QRectF(66, 14, 5, 16), 2, 2);
        p.drawRoundedRect(QRectF(66, 46, 5, 24), 2, 2);
        break;
    }
    case Shape::Freezer: {
        p.setPen(outline(4, blue.darker(150)));
        p.setBrush(vertical(26, 88, QColor(236, 246, 255), QColor(188, 214, 238)));
        p.drawRoundedRect(QRectF(8, 26, 84, 62), 8, 8);
        p.setBrush(steel.darker(120));
        p.drawRoundedRect(QRectF(34, 34, 32, 7), 3, 3);
        kit::drawEmoji(p, QStringLiteral("\u2744\uFE0F"), QRectF(32, 46, 36, 36));
        break;
    }
    case Shape::Juicer: {
        p.setPen(outline());
        p.setBrush(vertical(58, 90, glass.lighter(105), glass.darker(110)));
        QPainterPath dish;
        dish.moveTo(10, 60);
        dish.lineTo(90, 60);
        dish.cubicTo(88, 84, 70, 90, 50, 90);
        dish.cubicTo(30, 90, 12, 84, 10, 60);
        p.drawPath(dish);
        QPainterPath cone;
        cone.moveTo(28, 60);
        cone.quadTo(40, 20, 50, 14);
        cone.quadTo(60, 20, 72, 60);
        cone.closeSubpath();
        p.setBrush(vertical(14, 60, QColor(255, 250, 230), QColor(236, 220, 170)));
        p.drawPath(cone);
        p.setPen(outline(2));
        p.drawLine(QPointF(50, 18), QPointF(50, 58));
        p.drawLine(QPointF(44, 26), QPointF(38, 58));
        p.drawLine(QPointF(56, 26), QPointF(62, 58));
        p.setPen(outline(3));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(84, 62, 12, 16), -90 * 16, 180 * 16);
        break;
    }
    case Shape::CuttingBoard: {
        QPainterPath board;
        board.addRoundedRect(QRectF(4, 34, 74, 50), 10, 10);
        board.addRoundedRect(QRectF(70, 48, 26, 22), 8, 8);
        board = board.simplified();
        QPainterPath hole;
        hole.addEllipse(QPointF(86, 59), 4, 4);
        board = board.subtracted(hole);
        p.setPen(outline());
        p.setBrush(vertical(34, 84, woodLight, wood));
        p.drawPath(board);
        p.setPen(outline(2, wood.darker(115)));
        p.drawLine(QPointF(14, 48), QPointF(58, 48));
        p.drawLine(QPointF(20, 62), QPointF(66, 62));
        p.drawLine(QPointF(12, 74), QPointF(50, 74));
        kit::drawEmoji(p, QStringLiteral("\U0001F52A"), QRectF(12, 4, 52, 52));
        break;
    }
    case Shape::WoodenSpoon: {
        p.save();
        p.translate(50, 50);
        p.rotate(40);
        p.setPen(outline());
        p.setBrush(horizontal(-5, 5, woodLight, wood));
        p.drawRoundedRect(QRectF(-5, -6, 10, 52), 5, 5);
        p.setBrush(vertical(-44, -4, woodLight, wood));
        p.drawEllipse(QRectF(-15, -46, 30, 42));
        p.setPen(outline(2, wood.darker(130)));
        p.setBrush(wood.lighter(110));
        p.drawEllipse(QRectF(-9, -39, 18, 28));
        p.restore();
        break;
    }
    case Shape::RollingPin: {
        p.save();
        p.translate(50, 50);
        p.rotate(-25);
        p.setPen(outline());
        p.setBrush(vertical(-6, 6, wood, wood.darker(120)));
        p.drawRoundedRect(QRectF(-48, -6, 22, 12), 6, 6);
        p.drawRoundedRect(QRectF(26, -6, 22, 12), 6, 6);
        p.setBrush(vertical(-14, 14, woodLight.lighter(110), woodLight.darker(110)));
        p.drawRoundedRect(QRectF(-30, -14, 60, 28), 10, 10);
        p.restore();
        break;
    }
    case Shape::Whisk: {
        p.save();
        p.translate(50, 50);
        p.rotate(30);
        p.translate(-50, -50);
        p.setBrush(Qt::NoBrush);
        for (int w : {6, 15, 24}) {
            QPainterPath loop;
            loop.moveTo(50, 64);
            loop.cubicTo(50 - w, 52, 50 - w, 4, 50, 4);
            loop.cubicTo(50 + w, 4, 50 + w, 52, 50, 64);
            p.setPen(outline(5, inkDark));
            p.drawPath(loop);
            p.setPen(outline(2.5, steelLight));
            p.drawPath(loop);
        }
        p.setPen(outline());
        p.setBrush(horizontal(44, 56, enamel.lighter(120), enamel));
        p.drawRoundedRect(QRectF(43, 60, 14, 38), 6, 6);
        p.restore();
        break;
    }
    case Shape::DoughHook: {
        p.setPen(outline());
        p.setBrush(steel);
        p.drawRoundedRect(QRectF(38, 4, 24, 10), 3, 3);
        p.setBrush(horizontal(46, 54, steelLight, steel));
        p.drawRect(QRectF(46, 14, 8, 30));
        QPainterPath hook;
        hook.moveTo(50, 42);
        hook.cubicTo(82, 48, 80, 92, 48, 92);
        hook.cubicTo(24, 92, 24, 68, 40, 64);
        p.setBrush(Qt::NoBrush);
        p.setPen(outline(12, inkDark));
        p.drawPath(hook);
        p.setPen(outline(7, steelLight));
        p.drawPath(hook);
        break;
    }
    case Shape::Beater: {
        p.setPen(outline());
        p.setBrush(steel);
        p.drawRoundedRect(QRectF(38, 4, 24, 10), 3, 3);
        p.setBrush(horizontal(46, 54, steelLight, steel));
        p.drawRect(QRectF(46, 14, 8, 28));
        QPainterPath loop;
        loop.moveTo(50, 40);
        loop.cubicTo(18, 44, 18, 94, 50, 94);
        loop.cubicTo(82, 94, 82, 44, 50, 40);
        p.setBrush(Qt::NoBrush);
        for (const auto &[w, c] : {std::pair<qreal, QColor>{9, inkDark}, {5, steelLight}}) {
            p.setPen(outline(w, c));
            p.drawPath(loop);
            p.drawLine(QPointF(50, 42), QPointF(50, 92));
            p.drawLine(QPointF(34, 54), QPointF(36, 86));
            p.drawLine(QPointF(66, 54), QPointF(64, 86));
        }
        break;
    }
    case Shape::Peeler: {
        p.save();
        p.translate(44, 50);
        p.rotate(-30);
        p.setPen(outline());
        p.setBrush(horizontal(-8, 8, enamel.lighter(120), enamel));
        p.drawRoundedRect(QRectF(-8, 0, 16, 46), 7, 7);
        p.setBrush(vertical(-44, 0, steelLight, steel));
        p.drawRoundedRect(QRectF(-13, -44, 26, 46), 8, 8);
        p.setBrush(inkDark);
        p.drawRoundedRect(QRectF(-4, -36, 8, 28), 3, 3);
        p.restore();
        break;
    }
    case Shape::Sieve: {
        p.setPen(outline(7));
        p.drawLine(QPointF(74, 40), QPointF(97, 30));
        QPainterPath bowl;
        bowl.moveTo(8, 40);
        bowl.lineTo(78, 40);
        bowl.arcTo(QRectF(8, 6, 70, 68), 0, -180);
        bowl.closeSubpath();
        p.setPen(outline());
        p.setBrush(steelLight);
        p.drawPath(bowl);
        p.save();
        p.setClipPath(bowl);
        p.setPen(outline(1.5, steel.darker(130)));
        for (int i = -80; i < 100; i += 7) {
            p.drawLine(QPointF(i, 40), QPointF(i + 40, 80));
            p.drawLine(QPointF(i + 40, 40), QPointF(i, 80));
        }
        p.restore();
        p.setPen(outline());
        p.setBrush(Qt::NoBrush);
        p.drawPath(bowl);
        p.setPen(outline(6));
        p.drawLine(QPointF(6, 40), QPointF(80, 40));
        break;
    }
    case Shape::Masher: {
        p.setPen(outline());
        p.setBrush(horizontal(42, 58, woodLight, wood));
        p.drawRoundedRect(QRectF(42, 4, 16, 40), 7, 7);
        p.setPen(outline(5, steel.darker(140)));
        p.drawLine(QPointF(50, 44), QPointF(30, 76));
        p.drawLine(QPointF(50, 44), QPointF(70, 76));
        QPainterPath zig;
        zig.moveTo(18, 82);
        for (int i = 0; i < 6; ++i)
            zig.lineTo(26 + i * 11, i % 2 ? 84 : 72);
        zig.lineTo(84, 80);
        p.setPen(outline(10, inkDark));
        p.setBrush(Qt::NoBrush);
        p.drawPath(zig);
        p.setPen(outline(6, steelLight));
        p.drawPath(zig);
        break;
    }
    case Shape::StickBlender: {
        p.setPen(outline());
        p.setBrush(horizontal(36, 64, QColor(250, 250, 250), QColor(206, 210, 216)));
        p.drawRoundedRect(QRectF(36, 4, 28, 50), 12, 12);
        p.setBrush(enamel);
        p.drawRoundedRect(QRectF(45, 14, 10, 14), 4, 4);
        p.setBrush(horizontal(45, 55, steelLight, steel));
        p.drawRect(QRectF(45, 54, 10, 24));
        p.setBrush(vertical(74, 94, steelLight, steel));
        QPainterPath bell;
        bell.moveTo(30, 94);
        bell.cubicTo(30, 72, 70, 72, 70, 94);
        bell.closeSubpath();
        p.drawPath(bell);
        break;
    }
    case Shape::SauceBoat: {
        QPainterPath boat;
        boat.moveTo(6, 40);
        boat.quadTo(30, 48, 82, 40);
        boat.quadTo(84, 76, 52, 80);
        boat.quadTo(22, 80, 6, 40);
        p.setPen(outline());
        p.setBrush(vertical(40, 80, cream, paperDark));
        p.drawPath(boat);
        p.setBrush(QColor(140, 76, 30));
        p.setPen(outline(2));
        QPainterPath sauce;
        sauce.moveTo(14, 42);
        sauce.quadTo(40, 50, 78, 42);
        sauce.quadTo(46, 36, 14, 42);
        p.drawPath(sauce);
        p.setPen(outline(5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(70, 38, 24, 26), -100 * 16, 200 * 16);
        p.setPen(outline());
        p.setBrush(cream);
        p.drawRoundedRect(QRectF(34, 80, 36, 8), 3, 3);
        break;
    }
    case Shape::Bottle: {
        const QColor c = s.tint.isValid() ? s.tint : QColor(214, 190, 60);
        QPainterPath bottle;
        bottle.moveTo(42, 4);
        bottle.lineTo(58, 4);
        bottle.lineTo(58, 22);
        bottle.cubicTo(74, 30, 74, 36, 74, 46);
        bottle.lineTo(74, 90);
        bottle.quadTo(74, 96, 68, 96);
        bottle.lineTo(32, 96);
        bottle.quadTo(26, 96, 26, 90);
        bottle.lineTo(26, 46);
        bottle.cubicTo(26, 36, 26, 30, 42, 22);
        bottle.closeSubpath();
        p.setPen(outline());
        p.setBrush(horizontal(26, 74, c.lighter(130), c.darker(115)));
        p.drawPath(bottle);
        p.setBrush(inkDark);
        p.drawRoundedRect(QRectF(40, 2, 20, 9), 2, 2);
        p.setPen(outline(2));
        p.setBrush(cream);
        p.drawRoundedRect(QRectF(30, 52, 40, 28), 3, 3);
        if (!s.label.isEmpty())
            drawText(p, QRectF(31, 53, 38, 26), s.label, inkDark, 13);
        break;
    }
    case Shape::Sack: {
        const QColor c = s.tint.isValid() ? s.tint : QColor(236, 226, 200);
        QPainterPath sack;
        sack.moveTo(22, 20);
        sack.lineTo(78, 20);
        sack.lineTo(84, 88);
        sack.quadTo(84, 94, 78, 94);
        sack.lineTo(22, 94);
        sack.quadTo(16, 94, 16, 88);
        sack.closeSubpath();
        p.setPen(outline());
        p.setBrush(horizontal(16, 84, c.lighter(108), c.darker(112)));
        p.drawPath(sack);
        QPainterPath top;
        top.moveTo(22, 20);
        top.lineTo(30, 6);
        top.lineTo(42, 14);
        top.lineTo(50, 4);
        top.lineTo(58, 14);
        top.lineTo(70, 6);
        top.lineTo(78, 20);
        top.closeSubpath();
        p.setBrush(c.darker(108));
        p.drawPath(top);
        p.setPen(outline(2));
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawRoundedRect(QRectF(24, 40, 52, 34), 4, 4);
        if (!s.label.isEmpty())
            drawText(p, QRectF(25, 41, 50, 32), s.label, red.darker(110), 15);
        break;
    }
    case Shape::FoilRoll:
    case Shape::PaperRoll: {
        const bool foil = s.shape == Shape::FoilRoll;
        const QColor face = foil ? steelLight : QColor(246, 238, 214);
        p.save();
        p.translate(50, 50);
        p.rotate(-20);
        p.setPen(outline());
        // the unrolled sheet
        p.setBrush(vertical(0, 40, face.lighter(110), face.darker(105)));
        p.drawRect(QRectF(-40, 4, 78, 34));
        p.setBrush(vertical(-16, 16, face.lighter(120), face.darker(120)));
        p.drawRoundedRect(QRectF(-44, -16, 88, 24), 6, 6);
        p.setBrush(foil ? steel : woodLight);
        p.drawEllipse(QRectF(36, -16, 12, 24));
        p.setBrush(inkDark);
        p.drawEllipse(QRectF(39, -9, 6, 10));
        p.restore();
        break;
    }
    case Shape::Block: {
        const QColor c = s.tint.isValid() ? s.tint : QColor(250, 246, 232);
        QPainterPath front, top, side;
        front.addRect(QRectF(14, 40, 56, 46));
        top.moveTo(14, 40);
        top.lineTo(34, 22);
        top.lineTo(90, 22);
        top.lineTo(70, 40);
        top.closeSubpath();
        side.moveTo(70, 40);
        side.lineTo(90, 22);
        side.lineTo(90, 68);
        side.lineTo(70, 86);
        side.closeSubpath();
        p.setPen(outline());
        p.setBrush(c);
        p.drawPath(front);
        p.setBrush(c.lighter(106));
        p.drawPath(top);
        p.setBrush(c.darker(112));
        p.drawPath(side);
        break;
    }
    case Shape::Mortar: {
        p.save();
        p.translate(58, 40);
        p.rotate(25);
        p.setPen(outline());
        p.setBrush(horizontal(-7, 7, woodLight, wood));
        p.drawRoundedRect(QRectF(-7, -36, 14, 56), 7, 7);
        p.restore();
        QPainterPath bowl;
        bowl.moveTo(10, 50);
        bowl.lineTo(90, 50);
        bowl.cubicTo(88, 82, 70, 90, 50, 90);
        bowl.cubicTo(30, 90, 12, 82, 10, 50);
        p.setPen(outline());
        p.setBrush(vertical(50, 90, QColor(200, 200, 196), QColor(150, 150, 146)));
        p.drawPath(bowl);
        p.setBrush(QColor(120, 120, 116));
        p.drawEllipse(QRectF(10, 44, 80, 12));
        break;
    }
    case Shape::PepperMill: {
        const QColor dark{96, 58, 30};
        p.setPen(outline());
        p.setBrush(horizontal(36, 64, dark.lighter(150), dark));
        p.drawEllipse(QRectF(43, 2, 14, 12));
        QPainterPath mill;
        mill.moveTo(36, 14);
        mill.lineTo(64, 14);
        mill.lineTo(64, 34);
        mill.cubicTo(56, 44, 56, 52, 66, 66);
        mill.lineTo(66, 84);
        mill.quadTo(66, 90, 60, 90);
        mill.lineTo(40, 90);
        mill.quadTo(34, 90, 34, 84);
        mill.lineTo(34, 66);
        mill.cubicTo(44, 52, 44, 44, 36, 34);
        mill.closeSubpath();
        p.drawPath(mill);
        p.setPen(outline(2, dark.darker(140)));
        p.drawLine(QPointF(36, 34), QPointF(64, 34));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 30, 24));
        for (const QPointF &c : {QPointF(18, 90), QPointF(24, 94), QPointF(78, 92), QPointF(84, 88), QPointF(12, 94)})
            p.drawEllipse(c, 3, 3);
        break;
    }
    case Shape::ArrowUp:
        drawArrow(p, 0, s.tint.isValid() ? s.tint : wood);
        break;
    case Shape::ArrowDown:
        drawArrow(p, 180, s.tint.isValid() ? s.tint : wood);
        break;
    case Shape::ArrowLeft:
        drawArrow(p, -90, s.tint.isValid() ? s.tint : green);
        break;
    case Shape::ArrowRight:
        drawArrow(p, 90, s.tint.isValid() ? s.tint : green);
        break;
    case Shape::Check:
        drawCheck(p, s.tint.isValid() ? s.tint : QColor(70, 160, 50), 10);
        break;
    case Shape::Cross:
        drawCross(p, s.tint.isValid() ? s.tint : red, 10);
        break;
    case Shape::Question:
        drawRound(p, blue);
        drawText(p, QRectF(6, 4, 88, 88), QStringLiteral("?"), Qt::white, 64);
        break;
    case Shape::Plus: {
        drawRound(p, green);
        p.setPen(outline(12, Qt::white));
        p.drawLine(QPointF(50, 26), QPointF(50, 74));
        p.drawLine(QPointF(26, 50), QPointF(74, 50));
        break;
    }
    case Shape::Reset: {
        const QColor c = s.tint.isValid() ? s.tint : QColor(224, 120, 30);
        p.setBrush(Qt::NoBrush);
        p.setPen(outline(18, c.darker(160)));
        p.drawArc(QRectF(18, 18, 64, 64), 120 * 16, 280 * 16);
        p.setPen(outline(11, c));
        p.drawArc(QRectF(18, 18, 64, 64), 120 * 16, 280 * 16);
        QPainterPath head;
        head.moveTo(6, 26);
        head.lineTo(40, 20);
        head.lineTo(24, 52);
        head.closeSubpath();
        p.setPen(outline(3, c.darker(160)));
        p.setBrush(c);
        p.drawPath(head);
        break;
    }
    case Shape::Magnifier: {
        p.setPen(outline(14, inkDark));
        p.drawLine(QPointF(62, 62), QPointF(90, 90));
        p.setPen(outline(8, wood));
        p.drawLine(QPointF(66, 66), QPointF(88, 88));
        p.setPen(outline(7, inkDark));
        p.setBrush(QColor(230, 244, 255));
        p.drawEllipse(QRectF(8, 8, 60, 60));
        break;
    }
    case Shape::Floppy: {
        p.setPen(outline());
        p.setBrush(vertical(8, 92, blue.lighter(120), blue));
        QPainterPath disk;
        disk.moveTo(10, 8);
        disk.lineTo(78, 8);
        disk.lineTo(92, 22);
        disk.lineTo(92, 92);
        disk.lineTo(10, 92);
        disk.closeSubpath();
        p.drawPath(disk);
        p.setBrush(steelLight);
        p.drawRect(QRectF(26, 8, 44, 26));
        p.setBrush(inkDark);
        p.drawRect(QRectF(54, 12, 10, 18));
        p.setBrush(cream);
        p.drawRoundedRect(QRectF(20, 50, 62, 42), 3, 3);
        break;
    }
    case Shape::GroupOn:
    case Shape::GroupOff: {
        p.setPen(outline(3));
        const QColor fills[3] = {QColor(240, 150, 80), QColor(130, 190, 90), QColor(240, 210, 90)};
        for (int i = 0; i < 3; ++i) {
            p.setBrush(vertical(10 + i * 14, 50 + i * 14, fills[i].lighter(120), fills[i]));
            p.drawRoundedRect(QRectF(8 + i * 14, 8 + i * 14, 44, 40), 6, 6);
        }
        p.save();
        p.translate(46, 46);
        p.scale(0.54, 0.54);
        if (s.shape == Shape::GroupOn)
            drawCheck(p, QColor(60, 170, 50), 14);
        else
            drawCross(p, red, 14);
        p.restore();
        break;
    }
    }
}

} // namespace

void draw(QPainter &p, const Symbol &s, const QRectF &box)
{
    const qreal side = qMin(box.width(), box.height());
    const QRectF square(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    p.save();
    kit::prepare(p);
    bool drawnSomething = true;
    if (s.shape != Shape::None) {
        p.save();
        p.translate(square.topLeft());
        p.scale(side / 100.0, side / 100.0);
        drawShape(p, s);
        p.restore();
    } else {
        drawnSomething = kit::drawEmoji(p, s.emoji, square);
    }
    if (!drawnSomething) {
        kit::badge(p, square, s.label.isEmpty() ? s.emoji : s.label, paperLight);
    } else if (!s.accent.isEmpty()) {
        const QRectF corner(square.right() - side * 0.46, square.bottom() - side * 0.46, side * 0.46, side * 0.46);
        kit::drawEmoji(p, s.accent, corner);
    }
    p.restore();
}

} // namespace symbols
