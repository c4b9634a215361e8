// The pictures of the default installation. Every group, with its size:
//
// Grafiken/ENG/PNG/IAKOCHEN/ (interactive kitchen)
//   <device>_Icon.png      16 device icons, 32 x 32 (IC1..IC16, IZKLeeren)
//   <device>_Icong.png     16 green device flags of the verb editor, 32 x 32
//                          ("Auflaufform_IconG.png" spelled with a capital G)
//   <device>_IconR.png     16 red device flags of the verb editor, 32 x 32
//   <device>_Ic.png        16 small history icons, 20 x 20
//   K_<device>.png         16 kitchen pictures, 660 x 330 (IKBack)
//   Waage_Icon.png         the scale icon, 32 x 32; K_Kuechenwaage.png 660 x 330
//   <icon>_VI.png          43 verb icons, 28 x 28; <icon>_VI_G.png their highlighted forms
//   IGewürz.png, IZutat.png, IVariable.png, IPfeilO.png, IPfeilU.png
//                          the left icon column and the arrows, 28 x 28
//   Gruppean_ICon.png, Gruppeaus_ICon.png   select-all switch, 28 x 28
//   Z_<group>.png          19 ingredient group pictures, 150 x 140
//   Hintergrund.png, Hintergrund_Hell.png   kitchen backgrounds, 1024 x 768
// Grafiken/ENG/PNG/
//   Hintergrund.png        the default window background, 1024 x 768
//   Hintergrund_Hell.png   its light form, 1024 x 768
//   Original.png           the background as shipped (copied over Hintergrund.png by the release tool)
//   Wizard_<n>.PNG         21 category pictures of the wizard and the digital import, 128 x 128
//   DummyLex.png           the empty dictionary picture, 200 x 150
//   LEXIKON/<name>.PNG     dictionary pictures (tools/pictures/lexikon.tsv, always Abbruehen.png), 200 x 150
//   FirstTipp/Tipp<n>.png      program tip pictures, 200 x 150 (one per tip text, at least 10)
// Grafiken/ENG/ICO/
//   <icon>16.png, <icon>32.png, <icon>48.png   21 category icons
//   48_48/Wizard_<n>.ICO   21 category icons of the recipe download, 48 x 48
// Grafiken/ENG/BMP/        button glyphs, 32 x 32: Hilfe_Blau, Haken_gruen, Speichern,
//   Zutaten_pruefen, Zutaten_Uebertragen, Zutaten_aufnehmen, Zutaten_neuaufnehmen,
//   Zutaten_Reset, Pfeil_Oben, Pfeil_Unten (.bmp)
// GFXZUTAT/ENG/
//   <ingredient>.png and <brand>/<ingredient>.png   ingredient pictures (tools/pictures/ingredients.tsv), 150 x 140
//   1.png .. 15.png        the kitchen's intermediate products, 150 x 140
// Recipe pictures named by the sample recipes (tools/pictures/recipes.tsv), 320 x 240.
#include "PictureSets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QtMath>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QStringDecoder>

#include "PictureKit.h"
#include "Symbols.h"

namespace installation {

using namespace kit::colors;
using symbols::Shape;
using symbols::Symbol;

PictureWriter::PictureWriter(const QString &root, const QSet<QString> &suppliedLowerCase)
    : m_root(root), m_taken(suppliedLowerCase)
{
}

bool PictureWriter::write(const QString &relative, const QImage &image)
{
    if (!ok())
        return false;
    const QString key = relative.toLower();
    if (m_taken.contains(key))
        return true;
    QString why;
    if (image.isNull() || !kit::save(image, QDir(m_root).filePath(relative), why)) {
        m_error = why.isEmpty() ? relative + QStringLiteral(": nothing was drawn") : why;
        return false;
    }
    m_taken.insert(key);
    m_written.append({relative, image.width(), image.height()});
    return true;
}

QList<QStringList> readPictureList(const QString &path, QString &error)
{
    QList<QStringList> rows;
    QFile f(path);
    if (!f.exists())
        return rows;
    if (!f.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: cannot be read (%2)").arg(path, f.errorString());
        return rows;
    }
    const QString text = QString::fromUtf8(f.readAll());
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        // a first line that names the columns holds no file name
        if (i == 0 && !line.section(QLatin1Char('\t'), 0, 0).contains(QLatin1Char('.')))
            continue;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList cells = line.split(QLatin1Char('\t'));
        for (QString &c : cells)
            c = c.trimmed();
        rows.append(cells);
    }
    return rows;
}

namespace {

QString e(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// --- picture styles ---------------------------------------------------------

enum class TileStyle { Normal, Highlight, Green, Red };

// A small icon on a rounded tile; the corners stay transparent, so pixel
// (1, 1), the program's transparency key, is see-through.
QImage iconTile(int size, const Symbol &symbol, TileStyle style)
{
    QImage img = kit::canvas(size, size);
    QPainter p(&img);
    kit::prepare(p);
    QColor fill = cream, border = ink;
    qreal borderWidth = size >= 28 ? 1.5 : 1.0;
    switch (style) {
    case TileStyle::Normal:
        break;
    case TileStyle::Highlight:
        fill = goldLight;
        border = gold.darker(140);
        borderWidth = size >= 28 ? 2.5 : 1.5;
        break;
    case TileStyle::Green:
        fill = greenLight;
        border = green;
        borderWidth = 2;
        break;
    case TileStyle::Red:
        fill = redLight;
        border = red;
        borderWidth = 2;
        break;
    }
    const QRectF r(1, 1, size - 2, size - 2);
    kit::tile(p, r, fill, border, qMax(3.0, size / 6.0), borderWidth);
    const qreal inset = qMax(2.0, size * 0.13);
    symbols::draw(p, symbol, r.adjusted(inset, inset, -inset, -inset));
    if (style == TileStyle::Red) {
        // a locked surface: the picture shows through a light veil
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 70));
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), size / 7.0, size / 7.0);
    }
    return img;
}

// The food card of ingredient and product pictures: opaque, so the frame
// the kitchen paints in the outermost pixels sits on a calm edge.
QImage foodCard(int w, int h, QList<Symbol> symbolsShown, const QString &label, const QColor &rim)
{
    // companions the font cannot draw are left out rather than shown as badges
    for (qsizetype i = symbolsShown.size() - 1; i > 0; --i)
        if (!symbols::drawable(symbolsShown[i]))
            symbolsShown.removeAt(i);
    QImage img = kit::canvas(w, h, false);
    QPainter p(&img);
    kit::prepare(p);
    QRadialGradient bg(w * 0.5, h * 0.38, w * 0.75);
    bg.setColorAt(0, cream);
    bg.setColorAt(1, paperLight.darker(103));
    p.fillRect(img.rect(), bg);
    p.setPen(QPen(rim, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4, 4, w - 8, h - 8), 10, 10);

    const bool withLabel = !label.isEmpty();
    const qreal side = h * (withLabel ? 0.58 : 0.70);
    const QPointF centre(w / 2.0, h * (withLabel ? 0.42 : 0.49));
    // a soft shadow grounds the food
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(104, 68, 36, 40));
    p.drawEllipse(QRectF(centre.x() - side * 0.42, centre.y() + side * 0.36, side * 0.84, side * 0.16));

    if (symbolsShown.size() <= 1) {
        symbols::draw(p, symbolsShown.value(0), QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side));
    } else {
        // a group: the main picture with its companions at the side
        const qreal big = side * 0.92;
        const qreal small = side * 0.5;
        const qreal left = centre.x() - (big + small * 0.8) / 2;
        symbols::draw(p, symbolsShown[0], QRectF(left, centre.y() - big / 2, big, big));
        for (int i = 1; i < symbolsShown.size() && i < 3; ++i) {
            const qreal y = symbolsShown.size() == 2 ? centre.y() - small / 2
                                                     : centre.y() - small + (i - 1) * small * 0.95;
            symbols::draw(p, symbolsShown[i], QRectF(left + big * 0.82, y, small, small));
        }
    }
    if (withLabel)
        kit::caption(p, QRectF(10, h * 0.78, w - 20, h * 0.16), label, inkDark, qMax(11, h / 10));
    return img;
}

void paperTexture(QPainter &p, const QRect &r, const QColor &base)
{
    p.fillRect(r, base);
    QRadialGradient glow(r.width() * 0.5, r.height() * 0.4, r.width() * 0.62);
    glow.setColorAt(0, QColor(255, 255, 255, 70));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(r, glow);
    // linen: fine threads in both directions
    p.setPen(QPen(QColor(120, 90, 40, 14), 1));
    for (int y = r.top(); y <= r.bottom(); y += 3)
        p.drawLine(r.left(), y, r.right(), y);
    p.setPen(QPen(QColor(255, 255, 255, 22), 1));
    for (int x = r.left(); x <= r.right(); x += 3)
        p.drawLine(x, r.top(), x, r.bottom());
}

QImage background(bool light)
{
    QImage img = kit::canvas(1024, 768, false);
    QPainter p(&img);
    kit::prepare(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    paperTexture(p, img.rect(), light ? paperLight : paper);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (!light) {
        // a quiet sprig of kitchen things in the lower right corner
        const QStringList corner = {e("🌿"), e("🍅"), e("🧄"), e("🥕")};
        for (int i = 0; i < corner.size(); ++i)
            kit::drawEmoji(p, corner[i], QRectF(1024 - 70 - i * 58, 768 - 70 + (i % 2) * 8, 52, 52), 0.16);
    }
    return img;
}

// Drawn as one layer, so overlapping strokes do not darken each other.
void drawFaint(QPainter &p, const Symbol &symbol, const QRectF &box, qreal opacity)
{
    QImage layer = kit::canvas(qCeil(box.width()), qCeil(box.height()));
    {
        QPainter l(&layer);
        symbols::draw(l, symbol, QRectF(0, 0, box.width(), box.height()));
    }
    p.save();
    p.setOpacity(opacity);
    p.drawImage(box.topLeft(), layer);
    p.restore();
}

QLinearGradient worktopGradient(int top, int bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, QColor(238, 214, 172));
    g.setColorAt(1, QColor(222, 190, 140));
    return g;
}

QImage kitchenScene(const Symbol &device, bool withSlots)
{
    constexpr int W = 660, H = 330, worktop = 252;
    QImage img = kit::canvas(W, H, false);
    QPainter p(&img);
    kit::prepare(p);
    // tiled wall
    p.fillRect(QRect(0, 0, W, worktop), paperLight);
    p.setPen(QPen(QColor(206, 188, 132, 110), 1));
    for (int x = 46; x < W; x += 34)
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, worktop));
    for (int y = 10; y < worktop; y += 34)
        p.drawLine(QPointF(46, y + 0.5), QPointF(W, y + 0.5));
    // worktop
    p.fillRect(QRect(0, worktop, W, H - worktop), worktopGradient(worktop, H));
    p.setPen(QPen(wood, 2));
    p.drawLine(QPointF(0, worktop), QPointF(W, worktop));
    p.setPen(QPen(QColor(181, 128, 74, 45), 1));
    for (int y = worktop + 9; y < H; y += 11)
        p.drawLine(QPointF(0, y), QPointF(W, y + 3));
    // the device, large and faint, behind the work places
    drawFaint(p, device, QRectF(235, 18, 290, 290), 0.24);
    // the control strip on the left
    p.fillRect(QRect(0, 0, 46, H), QColor(229, 215, 166, 235));
    p.setPen(QPen(paperDark, 1));
    p.drawLine(QPointF(46.5, 0), QPointF(46.5, H));
    if (withSlots) {
        // six work places: the picture, its history column and its label
        p.setPen(QPen(QColor(206, 188, 132, 160), 1));
        p.setBrush(QColor(255, 255, 255, 105));
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawRoundedRect(QRectF(108 + col * 180, 1 + row * 150, 176, 124), 10, 10);
    }
    return img;
}


// Dictionary and tip pictures: a card with the picture above a caption.
QImage captionCard(int w, int h, const Symbol &symbol, const QString &text, const Symbol *badge = nullptr)
{
    QImage img = kit::canvas(w, h, false);
    QPainter p(&img);
    kit::prepare(p);
    QLinearGradient bg(0, 0, 0, h);
    bg.setColorAt(0, cream);
    bg.setColorAt(1, paperLight);
    p.fillRect(img.rect(), bg);
    p.setPen(QPen(paperDark, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3, 3, w - 6, h - 6), 9, 9);
    const qreal side = h * (text.isEmpty() ? 0.7 : 0.6);
    symbols::draw(p, symbol, QRectF((w - side) / 2, h * 0.08, side, side));
    if (badge)
        symbols::draw(p, *badge, QRectF(10, 10, h * 0.26, h * 0.26));
    if (!text.isEmpty()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(229, 215, 166, 200));
        p.drawRoundedRect(QRectF(10, h * 0.74, w - 20, h * 0.19), 6, 6);
        kit::caption(p, QRectF(14, h * 0.74, w - 28, h * 0.19), text, inkDark, int(h * 0.12));
    }
    return img;
}

QImage dummyPicture(int w, int h)
{
    QImage img = kit::canvas(w, h, false);
    QPainter p(&img);
    kit::prepare(p);
    p.fillRect(img.rect(), cream);
    QPen dashed(paperDark, 2, Qt::DashLine);
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6, 6, w - 12, h - 12), 9, 9);
    drawFaint(p, symbols::emoji(e("🖼️")), QRectF((w - h * 0.5) / 2, h * 0.25, h * 0.5, h * 0.5), 0.45);
    return img;
}

// A recipe picture: the dish on a plate on a checked table cloth.
QImage recipePhoto(int w, int h, const Symbol &dish)
{
    QImage img = kit::canvas(w, h, false);
    QPainter p(&img);
    kit::prepare(p);
    const int check = 20;
    p.fillRect(img.rect(), cream);
    for (int y = 0; y < h; y += check)
        for (int x = 0; x < w; x += check)
            if (((x / check) + (y / check)) % 2 == 0)
                p.fillRect(QRect(x, y, check, check), QColor(214, 110, 92, 120));
    p.setPen(QPen(QColor(168, 52, 38, 40), 1));
    for (int x = check / 2; x < w; x += check)
        p.drawLine(x, 0, x, h);
    for (int y = check / 2; y < h; y += check)
        p.drawLine(0, y, w, y);
    const QRectF plate(w * 0.14, h * 0.12, w * 0.72, h * 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 20, 60));
    p.drawEllipse(plate.translated(4, 6));
    QRadialGradient rim(plate.center(), plate.width() / 2);
    rim.setColorAt(0, Qt::white);
    rim.setColorAt(0.8, QColor(246, 244, 238));
    rim.setColorAt(1, QColor(214, 210, 200));
    p.setBrush(rim);
    p.setPen(QPen(QColor(190, 184, 170), 1.5));
    p.drawEllipse(plate);
    p.setPen(QPen(QColor(220, 214, 200), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(plate.adjusted(plate.width() * 0.1, plate.height() * 0.1, -plate.width() * 0.1,
                                 -plate.height() * 0.1));
    const qreal side = h * 0.6;
    symbols::draw(p, dish, QRectF((w - side) / 2, plate.center().y() - side / 2, side, side));
    const qreal cutlery = h * 0.26;
    symbols::draw(p, symbols::emoji(e("🍴")), QRectF(w - cutlery - 4, h * 0.62, cutlery, cutlery));
    return img;
}

QImage wizardTile(int size, const Symbol &symbol)
{
    QImage img = kit::canvas(size, size);
    QPainter p(&img);
    kit::prepare(p);
    const QRectF r(2, 2, size - 4, size - 4);
    QRadialGradient g(size * 0.5, size * 0.35, size * 0.7);
    g.setColorAt(0, cream);
    g.setColorAt(1, goldLight);
    p.setPen(QPen(ink, qMax(1.5, size / 40.0)));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), size / 7.0, size / 7.0);
    const qreal inset = size * 0.14;
    symbols::draw(p, symbol, r.adjusted(inset, inset, -inset, -inset));
    return img;
}

QImage categoryIcon(int size, const Symbol &symbol)
{
    QImage img = kit::canvas(size, size);
    QPainter p(&img);
    kit::prepare(p);
    if (size <= 16) {
        symbols::draw(p, symbol, QRectF(0, 0, size, size));
        return img;
    }
    p.setPen(QPen(paperDark, size / 24.0));
    p.setBrush(paperLight);
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    const qreal inset = size * 0.14;
    symbols::draw(p, symbol, QRectF(inset, inset, size - 2 * inset, size - 2 * inset));
    return img;
}

// A button glyph: the picture on the window colour (bitmaps keep no alpha).
QImage glyph(int size, const Symbol &symbol)
{
    QImage img = kit::canvas(size, size, false);
    QPainter p(&img);
    kit::prepare(p);
    symbols::draw(p, symbol, QRectF(2, 2, size - 4, size - 4));
    return img;
}

// --- the text of a program tip, for choosing its picture ---------------------

QString plainTextOfRtf(const QByteArray &bytes)
{
    QString text = QString::fromLatin1(bytes);
    static const QRegularExpression tables(QStringLiteral("\\{\\\\(fonttbl|colortbl|stylesheet|\\*)[^{}]*(\\{[^{}]*\\}[^{}]*)*\\}"));
    text.remove(tables);
    static const QRegularExpression control(QStringLiteral("\\\\[a-z]+-?\\d* ?|\\\\'[0-9a-fA-F]{2}|[{}]"));
    text.replace(control, QStringLiteral(" "));
    return text.simplified();
}

Symbol tipSymbol(const QString &text)
{
    struct Topic {
        const char *word;
        const char *emoji;
    };
    static const Topic topics[] = {
        {"shopping", "🛒"}, {"search", "🔍"},   {"print", "🖨️"},     {"kitchen", "🍳"},  {"interactive", "🍳"},
        {"import", "📋"},   {"paste", "📋"},    {"dictionary", "📖"}, {"backup", "💾"},   {"update", "🌐"},
        {"internet", "🌐"}, {"download", "🌐"}, {"picture", "🖼️"},    {"servings", "🍽️"}, {"unit", "⚖️"},
        {"wizard", "🪄"},   {"ingredient", "🥕"}, {"category", "🗂️"}, {"recipe", "📖"},
    };
    const QString lower = text.toLower();
    for (const Topic &t : topics)
        if (lower.contains(QLatin1String(t.word)))
            return symbols::emoji(e(t.emoji));
    return symbols::emoji(e("💡"));
}

// --- the groups --------------------------------------------------------------

const QString kKitchen = QStringLiteral("Grafiken/ENG/PNG/IAKOCHEN/");
const QString kPng = QStringLiteral("Grafiken/ENG/PNG/");
const QString kIco = QStringLiteral("Grafiken/ENG/ICO/");
const QString kBmp = QStringLiteral("Grafiken/ENG/BMP/");
const QString kIngredients = QStringLiteral("GFXZUTAT/ENG/");

QString nativeRelative(QString path)
{
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    return path;
}

// A path from a picture list must stay inside its folder.
bool safeRelative(const QString &path)
{
    if (path.isEmpty() || QDir::isAbsolutePath(path) || path.contains(QLatin1Char(':')))
        return false;
    for (const QString &part : path.split(QLatin1Char('/')))
        if (part == QLatin1String(".."))
            return false;
    return true;
}

bool kitchenPictures(PictureWriter &w)
{
    const auto &devs = symbols::devices();
    for (int d = 0; d < devs.size(); ++d) {
        const QString &stem = devs[d].stem;
        const Symbol s = symbols::named(devs[d].symbol, stem);
        w.write(kKitchen + stem + QStringLiteral("_Icon.png"), iconTile(32, s, TileStyle::Normal));
        w.write(kKitchen + stem + (d == 4 ? QStringLiteral("_IconG.png") : QStringLiteral("_Icong.png")),
                iconTile(32, s, TileStyle::Green));
        w.write(kKitchen + stem + QStringLiteral("_IconR.png"), iconTile(32, s, TileStyle::Red));
        w.write(kKitchen + stem + QStringLiteral("_Ic.png"), iconTile(20, s, TileStyle::Normal));
        w.write(kKitchen + QStringLiteral("K_") + stem + QStringLiteral(".png"), kitchenScene(s, true));
    }
    const Symbol scale = symbols::named(symbols::scaleSymbol(), QStringLiteral("Waage"));
    w.write(kKitchen + QStringLiteral("Waage_Icon.png"), iconTile(32, scale, TileStyle::Normal));
    w.write(kKitchen + QStringLiteral("K_Kuechenwaage.png"), kitchenScene(scale, false));

    for (const symbols::VerbIcon &v : symbols::verbIcons()) {
        const Symbol s = symbols::named(v.symbol, QString(v.file).remove(QStringLiteral("_VI.png")));
        w.write(kKitchen + v.file, iconTile(28, s, TileStyle::Normal));
        QString highlighted = v.file;
        highlighted.replace(QStringLiteral("_VI.png"), QStringLiteral("_VI_G.png"));
        w.write(kKitchen + highlighted, iconTile(28, s, TileStyle::Highlight));
    }

    const QList<QPair<QString, Symbol>> column = {
        {QStringLiteral("IGewürz.png"), symbols::emoji(e("🧂"))},
        {QStringLiteral("IZutat.png"), symbols::emoji(e("🥕"))},
        {QStringLiteral("IVariable.png"), symbols::drawn(Shape::Whisk)},
        {QStringLiteral("IPfeilO.png"), symbols::drawn(Shape::ArrowUp)},
        {QStringLiteral("IPfeilU.png"), symbols::drawn(Shape::ArrowDown)},
        {QStringLiteral("Gruppean_ICon.png"), symbols::drawn(Shape::GroupOn)},
        {QStringLiteral("Gruppeaus_ICon.png"), symbols::drawn(Shape::GroupOff)},
    };
    for (const auto &[file, symbol] : column)
        w.write(kKitchen + file, iconTile(28, symbols::named(symbol, file.mid(1)), TileStyle::Normal));

    static const char *groupFiles[19] = {
        "Z_Fleischart.png", "Z_Fisch.png",    "Z_Gemuese.png",  "Z_Obst.png",      "Z_Beilagen.png",
        "Z_Milchprodukte.png", "Z_Kaese.png", "Z_Kraeuter.png", "Z_Gewuerze.png",  "Z_Backzutaten.png",
        "Z_Suesses.png",    "Z_Fette.png",    "Z_Nuesse.png",   "Z_Saucen.png",    "Z_Getraenke.png",
        "Z_Alkohol.png",    "Z_Sonstiges.png", "Z_Fertigprodukte.png", "Z_Kochzubehoer.png"};
    for (int g = 0; g < 19; ++g) {
        const QString file = QString::fromLatin1(groupFiles[g]);
        QList<Symbol> group = symbols::groupSymbols(g);
        group[0] = symbols::named(group[0], file.mid(2));
        w.write(kKitchen + file, foodCard(150, 140, group, {}, green));
    }

    w.write(kKitchen + QStringLiteral("Hintergrund.png"), background(false));
    w.write(kKitchen + QStringLiteral("Hintergrund_Hell.png"), background(true));
    return w.ok();
}

bool windowPictures(PictureWriter &w, const PictureInputs &in)
{
    const QImage back = background(false);
    w.write(kPng + QStringLiteral("Hintergrund.png"), back);
    w.write(kPng + QStringLiteral("Original.png"), back);
    w.write(kPng + QStringLiteral("Hintergrund_Hell.png"), background(true));
    w.write(kPng + QStringLiteral("DummyLex.png"), dummyPicture(200, 150));

    static const char *icons[21] = {"Kochen",   "Backen",     "Dessert",     "Salat",  "Suppe",      "Sosse",
                                    "Antipasti", "Vorspeise", "Vegetarisch", "Fisch",  "Fleisch",    "Gefluegel",
                                    "Nudeln",   "Reis",       "Kartoffeln",  "Auflauf", "Brot",      "Torte",
                                    "Plaetzchen", "Einmachen", "Getraenke"};
    for (int c = 0; c < 21; ++c) {
        const Symbol s = symbols::named(symbols::categorySymbol(c), QString::fromLatin1(icons[c]));
        const QString n = QString::number(c);
        w.write(kPng + QStringLiteral("Wizard_") + n + QStringLiteral(".PNG"), wizardTile(128, s));
        for (int size : {16, 32, 48})
            w.write(kIco + QString::fromLatin1(icons[c]) + QString::number(size) + QStringLiteral(".png"),
                    categoryIcon(size, s));
        w.write(kIco + QStringLiteral("48_48/Wizard_") + n + QStringLiteral(".ICO"), categoryIcon(48, s));
    }

    // one picture per program tip text, at least ten
    int tips = 10;
    const QString tipFolder = QDir(in.dataFolder).filePath(QStringLiteral("PRGDATA/ENG/FIRSTTIPP"));
    for (const QString &f : QDir(tipFolder).entryList({QStringLiteral("Tipp*.hbr")}, QDir::Files)) {
        static const QRegularExpression number(QStringLiteral("^Tipp(\\d+)\\.hbr$"),
                                               QRegularExpression::CaseInsensitiveOption);
        const auto m = number.match(f);
        if (m.hasMatch())
            tips = qMax(tips, qMin(m.captured(1).toInt(), 99));
    }
    const Symbol bulb = symbols::emoji(e("💡"));
    for (int t = 1; t <= tips; ++t) {
        QFile tip(QDir(tipFolder).filePath(QStringLiteral("Tipp%1.hbr").arg(t)));
        QString text;
        if (tip.open(QIODevice::ReadOnly))
            text = plainTextOfRtf(tip.readAll());
        const Symbol topic = tipSymbol(text);
        const bool isBulb = topic.emoji == bulb.emoji;
        w.write(kPng + QStringLiteral("FirstTipp/Tipp%1.png").arg(t),
                captionCard(200, 150, topic, QStringLiteral("Tip %1").arg(t), isBulb ? nullptr : &bulb));
    }
    return w.ok();
}

bool buttonGlyphs(PictureWriter &w)
{
    const QList<QPair<QString, Symbol>> glyphs = {
        {QStringLiteral("Hilfe_Blau.bmp"), symbols::drawn(Shape::Question)},
        {QStringLiteral("Haken_gruen.bmp"), symbols::drawn(Shape::Check)},
        {QStringLiteral("Speichern.bmp"), symbols::drawn(Shape::Floppy)},
        {QStringLiteral("Zutaten_pruefen.bmp"), symbols::drawn(Shape::Magnifier, e("✅"))},
        {QStringLiteral("Zutaten_Uebertragen.bmp"), symbols::drawn(Shape::ArrowRight)},
        {QStringLiteral("Zutaten_aufnehmen.bmp"), symbols::drawn(Shape::ArrowLeft)},
        {QStringLiteral("Zutaten_neuaufnehmen.bmp"), symbols::drawn(Shape::Plus)},
        {QStringLiteral("Zutaten_Reset.bmp"), symbols::drawn(Shape::Reset)},
        {QStringLiteral("Pfeil_Oben.bmp"), symbols::drawn(Shape::ArrowUp, {}, {}, blue)},
        {QStringLiteral("Pfeil_Unten.bmp"), symbols::drawn(Shape::ArrowDown, {}, {}, blue)},
    };
    for (const auto &[file, symbol] : glyphs)
        w.write(kBmp + file, glyph(32, symbol));
    return w.ok();
}

bool ingredientPictures(PictureWriter &w, const PictureInputs &in, QString &error)
{
    // The kitchen's intermediate products are always there.
    static const QRegularExpression product(QStringLiteral("^(\\d+)\\.png$"), QRegularExpression::CaseInsensitiveOption);
    for (int n = 1; n <= 15; ++n) {
        const Symbol s = symbols::productSymbol(n);
        w.write(kIngredients + QStringLiteral("%1.png").arg(n),
                foodCard(150, 140, {symbols::named(s, QString::number(n))}, {}, paperDark));
    }

    const QString list = QDir(in.listsFolder).filePath(QStringLiteral("ingredients.tsv"));
    const QList<QStringList> rows = readPictureList(list, error);
    if (!error.isEmpty())
        return false;
    for (const QStringList &row : rows) {
        const QString file = nativeRelative(row.value(0));
        const QString name = row.value(1);
        if (!safeRelative(file)) {
            error = QStringLiteral("%1: the picture \"%2\" lies outside GFXZUTAT\\ENG\\").arg(list, row.value(0));
            return false;
        }
        const auto m = product.match(file);
        if (m.hasMatch() && m.captured(1).toInt() >= 1 && m.captured(1).toInt() <= 15)
            continue; // drawn above
        // brand suffixes like " (Brand)" say nothing about the food
        QString food = name;
        food.remove(QRegularExpression(QStringLiteral("\\s*\\([^)]*\\)\\s*$")));
        Symbol s;
        if ((symbols::foodSymbol(food, s) || symbols::foodSymbol(name, s)) && symbols::drawable(s))
            w.write(kIngredients + file, foodCard(150, 140, {s}, {}, paperDark));
        else // unknown food: the basket and the name
            w.write(kIngredients + file, foodCard(150, 140, {symbols::named(symbols::emoji(e("🧺")), food)}, food, paperDark));
    }
    return w.ok();
}

bool dictionaryPictures(PictureWriter &w, const PictureInputs &in, QString &error)
{
    const QString list = QDir(in.listsFolder).filePath(QStringLiteral("lexikon.tsv"));
    QList<QStringList> rows = readPictureList(list, error);
    if (!error.isEmpty())
        return false;
    // The dictionary window takes this one picture as the sign that the
    // dictionary pictures are installed.
    rows.append({QStringLiteral("Abbruehen.png"), QStringLiteral("Abbrühen")});
    for (const QStringList &row : rows) {
        QString file = nativeRelative(row.value(0));
        if (!safeRelative(file) || file.contains(QLatin1Char('/'))) {
            error = QStringLiteral("%1: the picture \"%2\" is no plain file name").arg(list, row.value(0));
            return false;
        }
        // The dictionary loads a reference "x.bmp" as "x.PNG".
        if (file.toLower().endsWith(QLatin1String(".bmp")))
            file = file.left(file.size() - 4) + QStringLiteral(".PNG");
        const QString term = row.value(1).isEmpty() ? QFileInfo(file).completeBaseName() : row.value(1);
        Symbol s;
        if (!symbols::dictionarySymbol(term, s) && !symbols::dictionarySymbol(QFileInfo(file).completeBaseName(), s))
            s = symbols::emoji(e("📖"));
        w.write(kPng + QStringLiteral("LEXIKON/") + file, captionCard(200, 150, symbols::named(s, term), term));
    }
    return w.ok();
}

bool recipePictures(PictureWriter &w, const PictureInputs &in, QString &error)
{
    const QString list = QDir(in.listsFolder).filePath(QStringLiteral("recipes.tsv"));
    const QList<QStringList> rows = readPictureList(list, error);
    if (!error.isEmpty())
        return false;
    for (const QStringList &row : rows) {
        const QString file = nativeRelative(row.value(0));
        if (!safeRelative(file)) {
            error = QStringLiteral("%1: the picture \"%2\" lies outside the base folder").arg(list, row.value(0));
            return false;
        }
        QString name = row.value(1);
        if (name.isEmpty())
            name = QFileInfo(file).completeBaseName().replace(QLatin1Char('_'), QLatin1Char(' '));
        Symbol s;
        if (!symbols::recipeSymbol(name, s))
            s = symbols::emoji(e("🍽️"));
        w.write(file, recipePhoto(320, 240, symbols::named(s, name)));
    }
    return w.ok();
}

} // namespace

bool generatePictures(PictureWriter &writer, const PictureInputs &inputs, QString &error)
{
    const bool done = kitchenPictures(writer) && windowPictures(writer, inputs) && buttonGlyphs(writer)
                      && ingredientPictures(writer, inputs, error) && dictionaryPictures(writer, inputs, error)
                      && recipePictures(writer, inputs, error);
    if (!done && error.isEmpty())
        error = writer.error();
    return done;
}

} // namespace installation
