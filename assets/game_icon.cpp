#include "assets/game_icon.h"

#include <QDirIterator>
#include <QImageReader>
#include <QPixmap>

namespace mossaline::pictures {

QIcon game_icon()
{
    QIcon icon;
    // Every size the generator drew for the windows, so none is scaled from another. Read as
    // the PNGs they are: a file handed to QIcon::addFile is first offered to every image
    // plug-in installed, which loads them all.
    QDirIterator sizes(QStringLiteral(":/icon"), {QStringLiteral("icon-*.png")}, QDir::Files);
    while (sizes.hasNext()) {
        QImageReader reader(sizes.next(), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace mossaline::pictures
