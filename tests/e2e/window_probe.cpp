// Pixel checks on a live X window, in the window's twips.
//   window_probe wait WINDOW SCALE TIMEOUT_MS PROBE...
//       waits until every probe holds (see pixel_probe.h); on timeout names each that fails
//   window_probe sharp WINDOW SCALE X Y W H RRGGBB
//       the box (twips) is a flat RRGGBB label with text: passes when the text shows detail
//       finer than a logical pixel and the box's right edge is one device pixel wide

#include "pixel_probe.h"
#include "split_blocks.h"
#include "window_image.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace mossaline::testing;

int usage()
{
    std::fprintf(stderr,
        "usage: window_probe wait WINDOW SCALE TIMEOUT_MS PROBE...\n"
        "       window_probe sharp WINDOW SCALE X Y W H RRGGBB\n");
    return 2;
}

// Each probe reads its own pixel: a few small reads cost far less than the whole window.
bool all_hold(WindowReader& reader, unsigned long window, double scale, const std::vector<PixelProbe>& probes,
    std::vector<std::optional<Rgb>>& seen)
{
    bool all = true;
    for (std::size_t i = 0; i < probes.size(); ++i) {
        const PixelBox point{device_pixel(probes[i].x, scale), device_pixel(probes[i].y, scale), 1, 1};
        const std::optional<WindowImage> image = reader.grab(window, point);
        seen[i] = image ? std::optional<Rgb>(image->pixels.front()) : std::nullopt;
        all = all && image && probe_holds(probes[i], *image, scale);
    }
    return all;
}

int wait_for(unsigned long window, double scale, int timeout_ms, const std::vector<PixelProbe>& probes)
{
    using Clock = std::chrono::steady_clock;
    WindowReader reader;
    if (!reader.connected()) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 1;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    std::vector<std::optional<Rgb>> seen(probes.size());
    while (!all_hold(reader, window, scale, probes, seen)) {
        if (Clock::now() >= deadline) {
            for (std::size_t i = 0; i < probes.size(); ++i) {
                const PixelProbe& probe = probes[i];
                const int x = device_pixel(probe.x, scale);
                const int y = device_pixel(probe.y, scale);
                if (!seen[i])
                    std::fprintf(stderr, "%s at (%g, %g) twips, pixel (%d, %d): window %lu cannot be read there\n",
                        probe.name.c_str(), probe.x, probe.y, x, y, window);
                else if (!probe_holds(probe, WindowImage{{x, y, 1, 1}, {*seen[i]}}, scale))
                    std::fprintf(stderr, "%s at (%g, %g) twips, pixel (%d, %d): shows %06X, expected %s%06X\n",
                        probe.name.c_str(), probe.x, probe.y, x, y, *seen[i], probe.equal ? "" : "anything but ",
                        probe.colour);
            }
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return 0;
}

int check_sharp(unsigned long window, int scale, const PixelBox& box, Rgb flat)
{
    WindowReader reader;
    // One device pixel beyond the box's right edge is read too.
    const std::optional<WindowImage> image = reader.grab(window, {box.left, box.top, box.width + 1, box.height});
    if (!image) {
        std::fprintf(stderr, "window %lu cannot be read (gone, not mapped or smaller than the box)\n", window);
        return 1;
    }
    const int blocks = (box.width / scale) * (box.height / scale);
    const int split = split_blocks(*image, box, scale);
    // The last device pixel inside the right edge and the first outside it, mid-height.
    const int edge = box.left + box.width;
    const int row = box.top + box.height / 2;
    const Rgb inside = image->at(edge - 1, row);
    const Rgb outside = image->at(edge, row);
    std::printf("text blocks drawn finer than a logical pixel: %d of %d; right edge %06X | %06X\n", split, blocks,
        inside, outside);
    // Antialiased text at device resolution splits many blocks along every glyph's rim.
    const bool fine = split * 50 >= blocks;
    const bool hard_edge = channel_distance(inside, flat) <= 2 && channel_distance(outside, flat) >= 100;
    if (!fine)
        std::fprintf(stderr, "the text has no detail finer than a logical pixel: drawn small and blown up\n");
    if (!hard_edge)
        std::fprintf(stderr, "the edge of the box is blurred over more than one device pixel\n");
    return fine && hard_edge ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3)
        return usage();
    const std::string command = argv[1];
    const unsigned long window = std::strtoul(argv[2], nullptr, 0);
    if (command == "wait" && argc >= 5) {
        std::vector<PixelProbe> probes;
        for (int i = 5; i < argc; ++i) {
            const std::optional<PixelProbe> probe = parse_probe(argv[i]);
            if (!probe) {
                std::fprintf(stderr, "window_probe: malformed probe '%s'\n", argv[i]);
                return 2;
            }
            probes.push_back(*probe);
        }
        return wait_for(window, std::atof(argv[3]), std::atoi(argv[4]), probes);
    }
    if (command == "sharp" && argc == 9) {
        const int scale = std::atoi(argv[3]);
        const auto pixel = [scale](const char* twips) { return device_pixel(std::atof(twips), scale); };
        const PixelBox box{pixel(argv[4]), pixel(argv[5]), pixel(argv[6]), pixel(argv[7])};
        return check_sharp(window, scale, box, static_cast<Rgb>(std::strtoul(argv[8], nullptr, 16)));
    }
    return usage();
}
