#include "ico_file.h"

#include <QBuffer>

#include <cstdint>

namespace mossaline {

namespace {

void put16(QByteArray& out, std::uint16_t value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

void put32(QByteArray& out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

QByteArray png_bytes(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

} // namespace

QByteArray ico_file(const std::vector<QImage>& square_pictures)
{
    constexpr std::uint32_t kHeaderBytes = 6;
    constexpr std::uint32_t kEntryBytes = 16;
    std::vector<QByteArray> pngs;
    for (const QImage& picture : square_pictures)
        pngs.push_back(png_bytes(picture));

    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // an icon, not a cursor
    put16(out, static_cast<std::uint16_t>(pngs.size()));
    auto offset = static_cast<std::uint32_t>(kHeaderBytes + kEntryBytes * pngs.size());
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        // One byte per side: 256 is written as 0.
        const int side = square_pictures[i].width();
        out.append(static_cast<char>(side >= 256 ? 0 : side));
        out.append(static_cast<char>(side >= 256 ? 0 : side));
        out.append('\0'); // no palette
        out.append('\0'); // reserved
        put16(out, 1); // colour planes
        put16(out, 32); // bits per pixel
        put32(out, static_cast<std::uint32_t>(pngs[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        out.append(png);
    return out;
}

} // namespace mossaline
