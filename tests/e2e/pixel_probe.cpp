#include "pixel_probe.h"

#include <charconv>
#include <cmath>

namespace mossaline::testing {

namespace {

// Antialiasing and colour rounding move an exact design colour by a few steps at most.
constexpr int kSameColour = 12;
// "Not this colour" means plainly different, not a shade off.
constexpr int kOtherColour = 40;

constexpr double kTwipsPerPixel = 15.0;

bool parse_number(std::string_view text, double& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

std::optional<PixelProbe> parse_probe(std::string_view text)
{
    const auto at = text.find('@');
    const auto comma = text.find(',', at);
    const auto is = text.find('=', comma);
    if (at == std::string_view::npos || comma == std::string_view::npos || is == std::string_view::npos)
        return std::nullopt;
    PixelProbe probe;
    probe.name = std::string(text.substr(0, at));
    probe.equal = text[is - 1] != '!';
    const std::size_t y_end = probe.equal ? is : is - 1;
    const std::string_view hex = text.substr(is + 1);
    if (!parse_number(text.substr(at + 1, comma - at - 1), probe.x)
        || !parse_number(text.substr(comma + 1, y_end - comma - 1), probe.y) || hex.size() != 6)
        return std::nullopt;
    const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), probe.colour, 16);
    if (error != std::errc() || end != hex.data() + hex.size())
        return std::nullopt;
    return probe;
}

int device_pixel(double twips, double scale)
{
    return static_cast<int>(std::floor(twips / kTwipsPerPixel * scale));
}

Rgb seen_at(const PixelProbe& probe, const WindowImage& image, double scale)
{
    return image.at(device_pixel(probe.x, scale), device_pixel(probe.y, scale));
}

bool probe_holds(const PixelProbe& probe, const WindowImage& image, double scale)
{
    const int distance = channel_distance(seen_at(probe, image, scale), probe.colour);
    return probe.equal ? distance <= kSameColour : distance >= kOtherColour;
}

} // namespace mossaline::testing
