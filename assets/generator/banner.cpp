#include "glass_marble.h"
#include "pictures.h"
#include "scene.h"
#include "stroke_font.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace mossaline {

namespace {

constexpr QSize kBannerSize(671, 191);

// The banner is shown about seven times smaller, so the letters are thick and tall and the
// only ornament is one sweeping underline that still shows as a bright stroke when shrunk.
void paint_letters(QPainter& p, const Wordmark& mark, QPointF at, double cap)
{
    p.save();
    p.translate(at);
    p.setPen(Qt::NoPen);

    // A dark halo separates the letters from the glow behind them.
    p.setPen(QPen(QColor(0, 0, 0, 200), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark.outline);

    QLinearGradient silver(0, 0, 0, cap);
    silver.setColorAt(0.00, QColor(255, 255, 255));
    silver.setColorAt(0.45, QColor(230, 234, 238));
    silver.setColorAt(0.55, QColor(186, 194, 202));
    silver.setColorAt(1.00, QColor(214, 220, 226));
    p.setPen(Qt::NoPen);
    p.setBrush(silver);
    p.drawPath(mark.outline);

    // Dark glass alone turns into a grey smudge when shrunk; a silver ring keeps it an O.
    const double ring = 9;
    for (const QRectF& slot : mark.marble_slots) {
        const double outer = slot.width() / 2;
        p.setBrush(silver);
        p.drawEllipse(slot.center(), outer, outer);
        paint_glass_marble(p, slot.center(), outer - ring);
    }
    p.restore();
}

void paint_underline(QPainter& p, double left, double right, double y)
{
    QPainterPath swoosh;
    swoosh.moveTo(left, y + 6);
    swoosh.cubicTo(left + 0.30 * (right - left), y - 8, left + 0.70 * (right - left), y + 10, right, y - 4);
    QLinearGradient gold(left, 0, right, 0);
    gold.setColorAt(0.0, QColor(255, 214, 64, 0));
    gold.setColorAt(0.15, QColor(255, 214, 64, 255));
    gold.setColorAt(0.85, QColor(255, 196, 40, 255));
    gold.setColorAt(1.0, QColor(255, 196, 40, 0));
    p.setPen(QPen(QBrush(gold), 9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(swoosh);
}

} // namespace

QImage paint_banner()
{
    LetterStyle style;
    style.cap_height = 116;
    style.stroke = 25;
    style.tracking = 10;
    style.condense = 0.70;
    const Wordmark mark = lay_out_word(QStringLiteral("MOSSALINE"), style);

    const double left = (kBannerSize.width() - mark.width) / 2;
    const double top = 22;

    QImage subject = transparent_canvas(kBannerSize);
    {
        QPainter p(&subject);
        p.setRenderHint(QPainter::Antialiasing, true);
        paint_letters(p, mark, QPointF(left, top), style.cap_height);
        paint_underline(p, left - 6, left + mark.width + 6, top + style.cap_height + 24);
    }

    Stage stage;
    stage.glow_centre = QPointF(kBannerSize.width() / 2.0, kBannerSize.height() / 2.0);
    stage.glow_radius = 330;
    stage.glow_squash = 0.30;
    stage.glow = QColor(34, 58, 40, 150);
    stage.floor_y = kBannerSize.height();
    stage.reflection_depth = 0;
    return compose_on_black(subject, transparent_canvas(kBannerSize), stage);
}

} // namespace mossaline
