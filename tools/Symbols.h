#pragma once
// What each picture shows: an emoji of the colour emoji font or a drawn
// pictogram (kitchen devices and tools the font has no picture of), with an
// optional small second emoji.
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace symbols {

enum class Shape {
    None,
    // kitchen devices
    Pot, MixingBowl, CasseroleDish, Springform, Grill, BakingTray, Blender, Microwave, Oven, WaterBath,
    Fridge, Freezer, Juicer, CuttingBoard,
    // tools
    WoodenSpoon, RollingPin, Whisk, DoughHook, Beater, Peeler, Sieve, Masher, StickBlender,
    // food and kitchen things the font lacks
    SauceBoat, Bottle, Sack, FoilRoll, PaperRoll, Block, PepperMill, Mortar,
    // controls
    ArrowUp, ArrowDown, ArrowLeft, ArrowRight, Check, Cross, Question, Plus, Reset, Magnifier, Floppy,
    GroupOn, GroupOff
};

struct Symbol {
    QString emoji;        // main picture when shape is None
    Shape shape = Shape::None;
    QString accent;       // small emoji in the lower right corner
    QString label;        // text on labelled shapes (sack, bottle), initials of the stand-in badge
    QColor tint;          // colour of labelled shapes
};

Symbol emoji(const QString &e, const QString &accent = {});
Symbol drawn(Shape s, const QString &accent = {}, const QString &label = {}, const QColor &tint = {});

// The symbol with a name for the drawn stand-in, unless it has one.
Symbol named(Symbol s, const QString &name);
// False when the emoji font cannot draw it (the stand-in badge shows then).
bool drawable(const Symbol &s);

// Draws the symbol into the square centred in box.
void draw(QPainter &p, const Symbol &s, const QRectF &box);

// --- the kitchen -----------------------------------------------------------

struct Device {
    QString stem;   // "Topf" -> Topf_Icon.png, K_Topf.png, Topf_Ic.png ...
    Symbol symbol;
};
// The 16 kitchen devices in device order.
const QList<Device> &devices();
Symbol scaleSymbol();

struct VerbIcon {
    QString file; // "Topf_VI.png"
    Symbol symbol;
};
// The 43 verb icons in icon order.
const QList<VerbIcon> &verbIcons();

// The 15 intermediate products (index 0 = product 1); each shows the
// picture of the verb icon that makes it.
Symbol productSymbol(int product);

// Ingredient groups 0..18: a main symbol and up to two companions.
QList<Symbol> groupSymbols(int group);

// Recipe categories 0..20.
Symbol categorySymbol(int category);

// The best symbol for an English food or dish name; false when no keyword
// of the name is known.
bool foodSymbol(const QString &englishName, Symbol &out);
// A recipe's picture: the dish its name names, with the main ingredient as
// the small second picture.
bool recipeSymbol(const QString &recipeName, Symbol &out);
// The same for the German terms of the cooking dictionary.
bool dictionarySymbol(const QString &germanTerm, Symbol &out);

} // namespace symbols
