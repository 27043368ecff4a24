#include "split_blocks.h"

namespace mossaline::testing {

int split_blocks(const WindowImage& image, const PixelBox& box, int ratio)
{
    const auto first_block = [ratio](int device) { return (device + ratio - 1) / ratio * ratio; };
    int split = 0;
    for (int top = first_block(box.top); top + ratio <= box.top + box.height; top += ratio)
        for (int left = first_block(box.left); left + ratio <= box.left + box.width; left += ratio) {
            const Rgb corner = image.at(left, top);
            bool flat = true;
            for (int y = top; y < top + ratio && flat; ++y)
                for (int x = left; x < left + ratio && flat; ++x)
                    flat = image.at(x, y) == corner;
            split += !flat;
        }
    return split;
}

} // namespace mossaline::testing
