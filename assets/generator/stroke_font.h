#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <vector>

namespace mossaline {

/// How the wordmark letters are shaped and spaced, in pixels.
struct LetterStyle {
    double cap_height = 100;   ///< Height of a letter including its stroke.
    double stroke = 20;        ///< Thickness of a letter's stroke.
    double tracking = 12;      ///< Gap between two letters.
    double condense = 1.0;     ///< Scales letter widths; below 1 gives narrow letters.
    bool marble_o = true;      ///< Leaves a round slot for a marble wherever an O stands.
};

/// A laid-out word: the filled letter outlines and the slots kept free for marbles.
struct Wordmark {
    QPainterPath outline;
    std::vector<QRectF> marble_slots;
    double width = 0;
};

/// Lays out the word from the left edge at x = 0 with its cap line at y = 0. Our own stroke
/// letters, not a font, keep the pictures identical on every machine whatever fonts it has.
/// Knows the capitals A D E I L M N O S T U and the space.
Wordmark lay_out_word(const QString& word, const LetterStyle& style);

} // namespace mossaline
