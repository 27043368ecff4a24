#pragma once

#include "ui/control.h"

#include <QHash>
#include <QImage>
#include <QString>

class QPainter;

namespace mossaline {

/// Paints labels, shapes and pictures in logical pixels; keeps decoded pictures.
class ControlPainter {
public:
    /// Paints one control if it is visible.
    void paint(QPainter& painter, const Control& control);

private:
    void paint_label(QPainter& painter, const Control& control);
    void paint_shape(QPainter& painter, const Control& control);
    void paint_picture(QPainter& painter, const Control& control);
    const QImage& picture(const std::string& resource);

    QHash<QString, QImage> pictures_;
};

} // namespace mossaline
