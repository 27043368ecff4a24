#pragma once

#include "ui_model/control.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <compare>
#include <cstdint>
#include <map>

class QPainter;

namespace mossaline {

/// Paints labels, shapes and pictures in logical pixels; keeps the pictures read and the small
/// shapes as painted once.
class ControlPainter {
public:
    /// Paints one control if it is visible.
    void paint(QPainter& painter, const Control& control);

private:
    void paint_label(QPainter& painter, const Control& control);
    void paint_shape(QPainter& painter, const Control& control);
    void paint_picture(QPainter& painter, const Control& control);
    const QImage& picture(const std::string& resource);

    // What a small shape's sprite depends on: its look, the device scale and where in a
    // device pixel it starts.
    struct SpriteKey {
        ShapeForm form;
        FillStyle fill_style;
        std::uint32_t fill_colour;
        std::uint32_t border_colour;
        int border_width;
        int width;
        int height;
        double scale_x;
        double scale_y;
        double phase_x;
        double phase_y;
        auto operator<=>(const SpriteKey&) const = default;
    };

    QHash<QString, QImage> pictures_; // by resource path
    std::map<SpriteKey, QImage> sprites_;
};

} // namespace mossaline
