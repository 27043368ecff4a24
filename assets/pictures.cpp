#include "assets/picture_paths.h"

#include <QFile>

namespace mossaline::pictures {

bool available()
{
    return QFile::exists(QString::fromLatin1(kBanner)) && QFile::exists(QString::fromLatin1(kLeftOfTitle)) &&
           QFile::exists(QString::fromLatin1(kRightOfTitle));
}

} // namespace mossaline::pictures
