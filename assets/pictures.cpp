#include "assets/picture_paths.h"

#include "stored_pixels.h"

#include <QFile>

namespace mossaline::pictures {

bool available()
{
    return QFile::exists(QString::fromLatin1(kBanner)) && QFile::exists(QString::fromLatin1(kLeftOfTitle)) &&
           QFile::exists(QString::fromLatin1(kRightOfTitle));
}

QImage stored(const QString& resource_path)
{
    static constexpr QLatin1StringView kFolder(":/pictures/");
    if (!resource_path.startsWith(kFolder))
        return {};
    const QStringView name = QStringView(resource_path).sliced(kFolder.size());
    for (const StoredPixels& picture : stored_pixels())
        if (name == QLatin1StringView(picture.name))
            return QImage(reinterpret_cast<const uchar*>(picture.pixels), picture.width, picture.height,
                picture.width * static_cast<qsizetype>(sizeof(std::uint32_t)), QImage::Format_RGB32);
    return {};
}

} // namespace mossaline::pictures
