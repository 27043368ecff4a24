#include "assets/picture_paths.h"

#include "stored_pixels.h"

namespace mossaline::pictures {

bool available()
{
    for (const char* path : {kBanner, kLeftOfTitle, kRightOfTitle})
        if (stored(QString::fromLatin1(path)).isNull())
            return false;
    return true;
}

QImage stored(const QString& path)
{
    static constexpr QLatin1StringView kFolder(":/pictures/");
    if (!path.startsWith(kFolder))
        return {};
    const QStringView name = QStringView(path).sliced(kFolder.size());
    for (const StoredPixels& picture : stored_pixels())
        if (name == QLatin1StringView(picture.name))
            return QImage(reinterpret_cast<const uchar*>(picture.pixels), picture.width, picture.height,
                picture.width * static_cast<qsizetype>(sizeof(std::uint32_t)), QImage::Format_RGB32);
    return {};
}

} // namespace mossaline::pictures
