#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace mossaline {

/// A Windows icon file holding each picture as a PNG entry, the form Windows reads since Vista:
/// what the program file carries for Explorer, the task bar and the window's title bar.
QByteArray ico_file(const std::vector<QImage>& square_pictures);

} // namespace mossaline
