#include "stroke_font.h"

#include <QPainterPathStroker>

#include <algorithm>
#include <stdexcept>

namespace mossaline {

namespace {

// A skeleton is drawn in a box `w` wide and 1 high; the stroke is added around it later.
struct Skeleton {
    double width = 0;
    QPainterPath path;
};

Skeleton letter_m(double w)
{
    QPainterPath p;
    p.moveTo(0, 1);
    p.lineTo(0, 0);
    p.lineTo(w / 2, 0.62);
    p.lineTo(w, 0);
    p.lineTo(w, 1);
    return {w, p};
}

Skeleton letter_s(double w)
{
    const QRectF top(0.05 * w, 0, 0.90 * w, 0.48);
    const QRectF bottom(0, 0.48, w, 0.52);
    QPainterPath p;
    p.arcMoveTo(top, 30);
    p.arcTo(top, 30, 240);
    p.arcTo(bottom, 90, -240);
    return {w, p};
}

Skeleton letter_a(double w)
{
    QPainterPath p;
    p.moveTo(0, 1);
    p.lineTo(w / 2, 0);
    p.lineTo(w, 1);
    p.moveTo(0.20 * w, 0.64);
    p.lineTo(0.80 * w, 0.64);
    return {w, p};
}

Skeleton letter_l(double w)
{
    QPainterPath p;
    p.moveTo(0, 0);
    p.lineTo(0, 1);
    p.lineTo(w, 1);
    return {w, p};
}

Skeleton letter_i()
{
    QPainterPath p;
    p.moveTo(0, 0);
    p.lineTo(0, 1);
    return {0, p};
}

Skeleton letter_n(double w)
{
    QPainterPath p;
    p.moveTo(0, 1);
    p.lineTo(0, 0);
    p.lineTo(w, 1);
    p.lineTo(w, 0);
    return {w, p};
}

Skeleton letter_e(double w)
{
    QPainterPath p;
    p.moveTo(w, 0);
    p.lineTo(0, 0);
    p.lineTo(0, 1);
    p.lineTo(w, 1);
    p.moveTo(0, 0.5);
    p.lineTo(0.82 * w, 0.5);
    return {w, p};
}

Skeleton letter_t(double w)
{
    QPainterPath p;
    p.moveTo(0, 0);
    p.lineTo(w, 0);
    p.moveTo(w / 2, 0);
    p.lineTo(w / 2, 1);
    return {w, p};
}

Skeleton letter_u(double w)
{
    QPainterPath p;
    const QRectF bowl(0, 1 - w, w, w);
    p.moveTo(0, 0);
    p.lineTo(0, 1 - w / 2);
    p.arcTo(bowl, 180, 180);
    p.lineTo(w, 0);
    return {w, p};
}

Skeleton letter_d(double w)
{
    QPainterPath p;
    const double r = std::min(w, 0.5);
    p.moveTo(0, 0);
    p.lineTo(w - r, 0);
    p.arcTo(QRectF(w - 2 * r, 0, 2 * r, 2 * r), 90, -90);
    p.lineTo(w, 1 - r);
    p.arcTo(QRectF(w - 2 * r, 1 - 2 * r, 2 * r, 2 * r), 0, -90);
    p.lineTo(0, 1);
    p.closeSubpath();
    return {w, p};
}

Skeleton letter_o(double w)
{
    QPainterPath p;
    p.addEllipse(QRectF(0, 0, w, 1));
    return {w, p};
}

Skeleton skeleton_for(QChar c, double condense)
{
    switch (c.unicode()) {
    case 'M': return letter_m(0.66 * condense);
    case 'S': return letter_s(0.46 * condense);
    case 'A': return letter_a(0.60 * condense);
    case 'L': return letter_l(0.38 * condense);
    case 'I': return letter_i();
    case 'N': return letter_n(0.50 * condense);
    case 'E': return letter_e(0.40 * condense);
    case 'T': return letter_t(0.50 * condense);
    case 'U': return letter_u(0.48 * condense);
    case 'D': return letter_d(0.50 * condense);
    case 'O': return letter_o(0.52 * condense);
    default: break;
    }
    throw std::invalid_argument("the stroke letters have no glyph for this character");
}

} // namespace

Wordmark lay_out_word(const QString& word, const LetterStyle& style)
{
    Wordmark mark;
    // Strokes of one letter overlap at its joints; winding fill keeps the overlaps solid.
    mark.outline.setFillRule(Qt::WindingFill);
    QPainterPathStroker stroker;
    stroker.setWidth(style.stroke);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);

    // The skeleton is shrunk by half a stroke on each side so the finished letter is exactly
    // cap_height tall.
    const double body = style.cap_height - style.stroke;
    double x = 0;
    bool first = true;
    for (const QChar c : word) {
        if (!first) {
            x += style.tracking;
        }
        first = false;
        if (c == QLatin1Char(' ')) {
            x += 0.35 * style.cap_height;
            continue;
        }
        if (c == QLatin1Char('O') && style.marble_o) {
            mark.marble_slots.emplace_back(x, 0, style.cap_height, style.cap_height);
            x += style.cap_height;
            continue;
        }
        const Skeleton s = skeleton_for(c, style.condense);
        QTransform place;
        place.translate(x + style.stroke / 2, style.stroke / 2);
        place.scale(body, body);
        mark.outline.addPath(stroker.createStroke(place.map(s.path)));
        x += s.width * body + style.stroke;
    }
    mark.outline = mark.outline.simplified();
    mark.width = x;
    return mark;
}

} // namespace mossaline
