#include "glass_marble.h"
#include "pictures.h"
#include "scene.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace mossaline {

namespace {

constexpr QSize kBagSize(145, 205);
constexpr double kFloorY = 160;

const QColor kInk(8, 20, 11);
const QColor kCord(222, 180, 70);
const QColor kCordShade(120, 86, 22);

QPainterPath bag_body()
{
    QPainterPath body;
    body.moveTo(57, 70);
    body.cubicTo(40, 84, 19, 102, 20, 130);
    body.cubicTo(21, 152, 36, 161, 62, 161);
    body.lineTo(86, 161);
    body.cubicTo(112, 161, 126, 151, 125, 128);
    body.cubicTo(124, 101, 104, 84, 88, 70);
    body.closeSubpath();
    return body;
}

// The gathered cloth above the cord, seen from the front, with a wavy hem.
QPainterPath ruffle_front()
{
    QPainterPath r;
    r.moveTo(58, 72);
    r.cubicTo(52, 62, 40, 52, 35, 40);
    r.cubicTo(44, 46, 50, 49, 58, 49);
    r.cubicTo(64, 53, 68, 53, 73, 50);
    r.cubicTo(79, 53, 84, 53, 89, 49);
    r.cubicTo(97, 48, 104, 45, 111, 38);
    r.cubicTo(105, 52, 94, 62, 88, 72);
    r.closeSubpath();
    return r;
}

QPainterPath opening()
{
    QPainterPath o;
    o.moveTo(35, 40);
    o.cubicTo(46, 26, 98, 24, 111, 38);
    o.cubicTo(104, 45, 97, 48, 89, 49);
    o.cubicTo(84, 53, 79, 53, 73, 50);
    o.cubicTo(68, 53, 64, 53, 58, 49);
    o.cubicTo(50, 49, 44, 46, 35, 40);
    o.closeSubpath();
    return o;
}

void paint_velvet(QPainter& p, const QPainterPath& shape, QPointF light, double reach)
{
    QRadialGradient velvet(light, reach);
    velvet.setColorAt(0.00, QColor(124, 170, 104));
    velvet.setColorAt(0.35, QColor(62, 112, 64));
    velvet.setColorAt(0.75, QColor(30, 66, 38));
    velvet.setColorAt(1.00, QColor(14, 34, 20));
    p.setBrush(velvet);
    p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
}

// Folds are drawn as pairs of light and dark strokes, the way an illustrator would hint them.
void paint_fold(QPainter& p, QPointF a, QPointF c1, QPointF c2, QPointF b, bool lit)
{
    QPainterPath fold;
    fold.moveTo(a);
    fold.cubicTo(c1, c2, b);
    const QColor tone = lit ? QColor(160, 205, 130, 110) : QColor(4, 14, 6, 150);
    p.setPen(QPen(tone, lit ? 2.0 : 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(fold);
}

// The lit edge of the cloth along the front of the opening.
void paint_hem(QPainter& p)
{
    QPainterPath hem;
    hem.moveTo(36, 41);
    hem.cubicTo(44, 46, 50, 49, 58, 49);
    hem.cubicTo(64, 53, 68, 53, 73, 50);
    hem.cubicTo(79, 53, 84, 53, 89, 49);
    hem.cubicTo(97, 48, 104, 45, 110, 39);
    p.setPen(QPen(QColor(176, 216, 140, 170), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hem.translated(0, 1.6));
}

void paint_cord(QPainter& p)
{
    QPainterPath band;
    band.moveTo(55, 69);
    band.quadTo(72, 76, 90, 69);
    QPainterPath tails;
    tails.moveTo(72, 73);
    tails.cubicTo(66, 82, 58, 88, 60, 102);
    tails.moveTo(73, 73);
    tails.cubicTo(80, 84, 86, 90, 83, 106);

    for (const auto& [colour, width] : {std::pair{kCordShade, 6.5}, std::pair{kCord, 4.0}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(band);
        p.drawPath(tails);
    }
    p.setPen(QPen(QColor(255, 236, 160, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(band.translated(0, -1.2));

    // Knot and bead ends.
    p.setPen(QPen(kCordShade, 1.5));
    p.setBrush(kCord);
    p.drawEllipse(QPointF(72.5, 73), 4.6, 4.0);
    for (const QPointF end : {QPointF(60, 104), QPointF(83, 108)}) {
        QRadialGradient bead(end + QPointF(-1.2, -1.4), 4.5);
        bead.setColorAt(0.0, QColor(255, 240, 170));
        bead.setColorAt(1.0, kCordShade);
        p.setBrush(bead);
        p.drawEllipse(end, 3.6, 3.6);
    }
}

} // namespace

QImage paint_marble_bag()
{
    QImage subject = transparent_canvas(kBagSize);
    QImage floor = transparent_canvas(kBagSize);
    QPainter p(&subject);
    QPainter f(&floor);
    p.setRenderHint(QPainter::Antialiasing, true);
    f.setRenderHint(QPainter::Antialiasing, true);

    // Shadow of the bag on the floor.
    f.save();
    f.translate(73, kFloorY);
    f.scale(1.0, 0.16);
    QRadialGradient shade(QPointF(0, 0), 62);
    shade.setColorAt(0.0, QColor(0, 0, 0, 220));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    f.setPen(Qt::NoPen);
    f.setBrush(shade);
    f.drawEllipse(QPointF(0, 0), 62, 62);
    f.restore();

    // Inside of the opening, with one marble peeking out.
    p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // The far inside wall catches a little light; the depth below it is dark.
    QLinearGradient depth(0, 28, 0, 50);
    depth.setColorAt(0.0, QColor(46, 84, 50));
    depth.setColorAt(0.45, QColor(16, 36, 20));
    depth.setColorAt(1.0, QColor(2, 6, 3));
    p.setBrush(depth);
    p.drawPath(opening());
    paint_glass_marble(p, QPointF(76, 40), 12.5);

    paint_velvet(p, bag_body(), QPointF(48, 100), 92);
    paint_fold(p, {60, 78}, {50, 96}, {44, 120}, {46, 150}, true);
    paint_fold(p, {84, 78}, {96, 98}, {104, 120}, {103, 150}, false);
    paint_fold(p, {70, 80}, {70, 104}, {72, 130}, {70, 156}, false);
    paint_fold(p, {66, 80}, {64, 100}, {62, 126}, {60, 154}, true);

    paint_velvet(p, ruffle_front(), QPointF(52, 50), 50);
    paint_hem(p);
    paint_fold(p, {60, 66}, {54, 60}, {50, 56}, {46, 49}, true);
    paint_fold(p, {86, 66}, {92, 60}, {96, 55}, {100, 47}, false);
    paint_fold(p, {72, 68}, {72, 62}, {73, 57}, {73, 52}, false);

    paint_cord(p);

    // Marbles that rolled out in front.
    for (const auto& [x, r] : {std::pair{30.0, 13.0}, std::pair{116.0, 10.0}}) {
        const QPointF at(x, kFloorY - r);
        paint_contact_shadow(f, at, r);
        paint_glass_marble(p, at, r);
    }
    p.end();
    f.end();

    Stage stage;
    stage.glow_centre = QPointF(73, 100);
    stage.glow_radius = 80;
    stage.glow = QColor(60, 80, 52, 170);
    stage.floor_y = kFloorY;
    stage.reflection_depth = 40;
    return compose_on_black(subject, floor, stage);
}

} // namespace mossaline
