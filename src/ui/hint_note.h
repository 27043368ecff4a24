#pragma once

#include <QLabel>
#include <QRect>

namespace mossaline {

/// Where a note of `size` goes beside `marble`: wholly inside `window`, clear of `marble` and
/// of `keep_clear` (the hole the hint points at), on the first side of the marble that allows it.
QRect hint_note_place(QSize size, const QRect& marble, const QRect& keep_clear, const QRect& window);

/// A short note beside the marble a hint is about. It stays until it is hidden, lets the pointer
/// through to the board below, and never leaves its window.
class HintNote : public QLabel {
public:
    /// A hidden note over `window`.
    explicit HintNote(QWidget* window);

    /// Shows `text` beside `marble`, clear of `keep_clear`; both in the window's pixels.
    void show_beside(const QString& text, const QRect& marble, const QRect& keep_clear);
};

} // namespace mossaline
