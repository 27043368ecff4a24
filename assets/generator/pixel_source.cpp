#include "pixel_source.h"

namespace mossaline {

QByteArray pixel_source(const std::vector<std::pair<QString, QImage>>& pictures)
{
    QByteArray out;
    out += "// Written by mossaline_asset_generator: the main window's pictures as painting uses them.\n"
           "#include \"stored_pixels.h\"\n\n"
           "namespace mossaline::pictures {\nnamespace {\n";
    QByteArray table;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const QImage rgb = pictures[i].second.convertToFormat(QImage::Format_RGB32);
        const QByteArray array = "pixels" + QByteArray::number(static_cast<qulonglong>(i));
        // Aligned like the toolkit's own image buffers, which its painting may assume.
        out += "\nalignas(16) const std::uint32_t " + array + "[] = {";
        int column = 0;
        for (int y = 0; y < rgb.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < rgb.width(); ++x, ++column) {
                out += column % 10 == 0 ? "\n    " : " ";
                out += "0x" + QByteArray::number(line[x], 16).rightJustified(8, '0') + ',';
            }
        }
        out += "\n};\n";
        table += "    {\"" + pictures[i].first.toUtf8() + "\", " + QByteArray::number(rgb.width()) + ", "
            + QByteArray::number(rgb.height()) + ", " + array + "},\n";
    }
    out += "\nconst StoredPixels all[] = {\n" + table
        + "};\n\n} // namespace\n\n"
          "std::span<const StoredPixels> stored_pixels()\n{\n    return all;\n}\n\n"
          "} // namespace mossaline::pictures\n";
    return out;
}

} // namespace mossaline
