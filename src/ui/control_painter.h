#pragma once

#include "ui_model/control.h"
#include "ui_model/window_model.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

#include <compare>
#include <cstdint>
#include <map>

class QPainter;

namespace mossaline {

/// Paints labels, shapes and pictures in logical pixels; keeps decoded pictures and the small
/// shapes as painted once.
class ControlPainter {
public:
    /// Decoded pictures by resource path.
    using Pictures = QHash<QString, QImage>;

    /// The resource paths of the pictures a window shows.
    static QStringList picture_paths(const WindowModel& window);
    /// Decodes pictures by resource path; safe on any thread.
    static Pictures decode(const QStringList& paths);
    /// Keeps pictures decoded elsewhere, so painting need not decode them.
    void adopt(Pictures pictures);

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

    Pictures pictures_;
    std::map<SpriteKey, QImage> sprites_;
};

} // namespace mossaline
