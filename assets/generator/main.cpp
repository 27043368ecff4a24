#include "ico_file.h"
#include "icon.h"
#include "pictures.h"
#include "pixel_source.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

bool save_png(const QImage& image, const QDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool save_bytes(const QByteArray& bytes, const QDir& dir, const QString& name)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) < 0) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

QImage render_icon(const mossaline::VectorArt& art, int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    mossaline::paint_vector_art(painter, art, pixels);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

/// Writes every picture the game ships into the folder given as the only argument.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "could not create %s\n", argv[1]);
        return 1;
    }

    const std::vector<std::pair<QString, QImage>> pictures = {
        {QStringLiteral("image1.png"), mossaline::paint_banner()},
        {QStringLiteral("image2.png"), mossaline::paint_marble_pyramid()},
        {QStringLiteral("image3.png"), mossaline::paint_marble_bag()},
    };
    bool ok = true;
    for (const auto& [name, image] : pictures)
        ok = save_png(image, dir, name) && ok;
    // The same pictures again, for the program to link in ready to paint.
    ok = save_bytes(mossaline::pixel_source(pictures), dir, QStringLiteral("picture_pixels.cpp")) && ok;

    const mossaline::VectorArt icon = mossaline::icon_art();
    ok = save_bytes(mossaline::vector_art_to_svg(icon, QStringLiteral("MOSSALINE")).toUtf8(), dir,
                    QStringLiteral("mossaline.svg")) && ok;
    std::vector<QImage> icons;
    for (const int size : mossaline::kIconSizes) {
        icons.push_back(render_icon(icon, size));
        ok = save_png(icons.back(), dir, QStringLiteral("icon-%1.png").arg(size)) && ok;
    }
    ok = save_bytes(mossaline::ico_file(icons), dir, QStringLiteral("mossaline.ico")) && ok;
    return ok ? 0 : 1;
}
