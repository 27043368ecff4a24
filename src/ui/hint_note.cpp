#include "ui/hint_note.h"

#include <QFontMetrics>
#include <QToolTip>
#include <algorithm>
#include <array>

namespace mossaline {

namespace {

// Wide enough for the longest advice on three lines, narrow enough to fit beside any marble.
constexpr int kWidestNote = 230;
constexpr int kGap = 4;
constexpr int kMargin = 4;

QRect clamped(QRect place, const QRect& window)
{
    place.moveLeft(std::clamp(place.left(), window.left(), window.right() - place.width() + 1));
    place.moveTop(std::clamp(place.top(), window.top(), window.bottom() - place.height() + 1));
    return place;
}

} // namespace

QRect hint_note_place(QSize size, const QRect& marble, const QRect& keep_clear, const QRect& window)
{
    const QPoint middle = marble.center();
    const int beside_top = middle.y() - size.height() / 2;
    const int level_left = middle.x() - size.width() / 2;
    const std::array sides{
        QRect(QPoint(marble.right() + kGap, beside_top), size),
        QRect(QPoint(marble.left() - kGap - size.width(), beside_top), size),
        QRect(QPoint(level_left, marble.bottom() + kGap), size),
        QRect(QPoint(level_left, marble.top() - kGap - size.height()), size),
    };
    for (const QRect& side : sides) {
        const QRect place = clamped(side, window);
        if (!place.intersects(marble) && !place.intersects(keep_clear))
            return place;
    }
    // Not reached on this board: some side of every marble is clear.
    return clamped(sides.front(), window);
}

HintNote::HintNote(QWidget* window)
    : QLabel(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setWordWrap(true);
    setMargin(kMargin);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setPalette(QToolTip::palette());
    setAutoFillBackground(true);
    setFont(QToolTip::font());
    hide();
}

void HintNote::show_beside(const QString& text, const QRect& marble, const QRect& keep_clear)
{
    setText(text);
    const int frame = 2 * (kMargin + frameWidth());
    const QRect text_box
        = QFontMetrics(font()).boundingRect(QRect(0, 0, kWidestNote - frame, 1000), Qt::TextWordWrap, text);
    const QSize size(text_box.width() + frame + 1, text_box.height() + frame);
    setGeometry(hint_note_place(size, marble, keep_clear, parentWidget()->rect()));
    raise();
    show();
}

} // namespace mossaline
