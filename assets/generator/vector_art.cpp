#include "vector_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace mossaline {

namespace {

QBrush brush_for(const Fill& fill)
{
    if (fill.kind == Fill::Kind::Solid) {
        return QBrush(fill.colour);
    }
    QGradient gradient;
    if (fill.kind == Fill::Kind::Linear) {
        gradient = QLinearGradient(fill.from, fill.to);
    } else {
        gradient = QRadialGradient(fill.from, fill.radius, fill.to);
    }
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    for (const auto& [offset, colour] : fill.stops) {
        gradient.setColorAt(offset, colour);
    }
    return QBrush(gradient);
}

QString num(double v)
{
    QString s = QString::number(v, 'f', 3);
    while (s.contains(QLatin1Char('.')) && (s.endsWith(QLatin1Char('0')) || s.endsWith(QLatin1Char('.')))) {
        s.chop(1);
    }
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

QString colour_attrs(const QString& name, const QColor& c)
{
    QString out = QStringLiteral("%1=\"%2\"").arg(name, c.name(QColor::HexRgb));
    if (c.alpha() != 255) {
        out += QStringLiteral(" %1-opacity=\"%2\"").arg(name, num(c.alphaF()));
    }
    return out;
}

QString path_data(const QPainterPath& path)
{
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            if (i > 0) {
                d += QLatin1Char('Z');
            }
            d += QStringLiteral("M%1 %2").arg(num(e.x), num(e.y));
            break;
        case QPainterPath::LineToElement:
            d += QStringLiteral("L%1 %2").arg(num(e.x), num(e.y));
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                     .arg(num(e.x), num(e.y), num(c2.x), num(c2.y), num(end.x), num(end.y));
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return d + QLatin1Char('Z');
}

QString gradient_def(const Fill& fill, const QString& id)
{
    QString head;
    if (fill.kind == Fill::Kind::Linear) {
        head = QStringLiteral("<linearGradient id=\"%1\" x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">")
                   .arg(id, num(fill.from.x()), num(fill.from.y()), num(fill.to.x()), num(fill.to.y()));
    } else {
        head = QStringLiteral("<radialGradient id=\"%1\" cx=\"%2\" cy=\"%3\" r=\"%4\" fx=\"%5\" fy=\"%6\">")
                   .arg(id, num(fill.from.x()), num(fill.from.y()), num(fill.radius), num(fill.to.x()),
                        num(fill.to.y()));
    }
    QString out = QStringLiteral("    ") + head + QLatin1Char('\n');
    for (const auto& [offset, colour] : fill.stops) {
        out += QStringLiteral("      <stop offset=\"%1\" %2/>\n").arg(num(offset), colour_attrs(QStringLiteral("stop-color"), colour));
    }
    out += fill.kind == Fill::Kind::Linear ? QStringLiteral("    </linearGradient>\n")
                                           : QStringLiteral("    </radialGradient>\n");
    return out;
}

} // namespace

void paint_vector_art(QPainter& painter, const VectorArt& art, double pixels)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(pixels / art.size, pixels / art.size);
    for (const Shape& shape : art.shapes) {
        painter.setBrush(brush_for(shape.fill));
        if (shape.stroke_width > 0) {
            painter.setPen(QPen(shape.stroke, shape.stroke_width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        } else {
            painter.setPen(Qt::NoPen);
        }
        painter.drawPath(shape.path);
    }
    painter.restore();
}

QString vector_art_to_svg(const VectorArt& art, const QString& title)
{
    // Shapes that share a fill share one gradient definition, which keeps the file small.
    std::vector<const Fill*> defined;
    std::vector<int> fill_ids;
    QString defs;
    for (const Shape& shape : art.shapes) {
        if (shape.fill.kind == Fill::Kind::Solid) {
            fill_ids.push_back(-1);
            continue;
        }
        int id = -1;
        for (std::size_t i = 0; i < defined.size(); ++i) {
            const Fill& f = *defined[i];
            if (f.kind == shape.fill.kind && f.from == shape.fill.from && f.to == shape.fill.to &&
                f.radius == shape.fill.radius && f.stops == shape.fill.stops) {
                id = static_cast<int>(i);
            }
        }
        if (id < 0) {
            id = static_cast<int>(defined.size());
            defined.push_back(&shape.fill);
            defs += gradient_def(shape.fill, QStringLiteral("g%1").arg(id));
        }
        fill_ids.push_back(id);
    }

    const QString extent = num(art.size);
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                 "viewBox=\"0 0 %1 %1\">\n  <title>%2</title>\n")
                      .arg(extent, title.toHtmlEscaped());
    if (!defs.isEmpty()) {
        svg += QStringLiteral("  <defs>\n") + defs + QStringLiteral("  </defs>\n");
    }
    for (std::size_t i = 0; i < art.shapes.size(); ++i) {
        const Shape& shape = art.shapes[i];
        const QString fill = fill_ids[i] < 0 ? colour_attrs(QStringLiteral("fill"), shape.fill.colour)
                                             : QStringLiteral("fill=\"url(#g%1)\"").arg(fill_ids[i]);
        QString stroke;
        if (shape.stroke_width > 0) {
            stroke = QLatin1Char(' ') + colour_attrs(QStringLiteral("stroke"), shape.stroke) +
                     QStringLiteral(" stroke-width=\"%1\" stroke-linejoin=\"round\"").arg(num(shape.stroke_width));
        }
        const QString rule = shape.path.fillRule() == Qt::OddEvenFill ? QStringLiteral(" fill-rule=\"evenodd\"")
                                                                      : QString();
        svg += QStringLiteral("  <path %1%2%3 d=\"%4\"/>\n").arg(fill, rule, stroke, path_data(shape.path));
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

} // namespace mossaline
