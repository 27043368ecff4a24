#include "assets/game_icon.h"

#include <QDirIterator>

namespace mossaline::pictures {

QIcon game_icon()
{
    QIcon icon;
    // Every size the generator drew for the windows, so none is scaled from another.
    QDirIterator sizes(QStringLiteral(":/icon"), {QStringLiteral("icon-*.png")}, QDir::Files);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

} // namespace mossaline::pictures
