#pragma once

namespace mossaline {

/** Layout of signed 16-bit native-endian samples: frames per second and interleaved channels. */
struct PcmFormat {
    int sample_rate = 44100;
    int channels = 1;
};

} // namespace mossaline
