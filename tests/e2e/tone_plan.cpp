#include "tone_plan.h"

#include <algorithm>
#include <iterator>

namespace mossaline::testing {

int tone_bin(Cue cue)
{
    const auto position = std::distance(kAllCues.begin(), std::find(kAllCues.begin(), kAllCues.end(), cue));
    // Bins 4, 6, ..., 20: about 690 Hz to 3.4 kHz, well inside what any WAV path keeps.
    return 4 + 2 * static_cast<int>(position);
}

double tone_frequency(Cue cue)
{
    return static_cast<double>(tone_bin(cue)) * kDeviceFormat.sample_rate / kWindowFrames;
}

std::string cue_name(Cue cue)
{
    std::string name(cue_file_name(cue));
    return name.substr(0, name.rfind(".wav"));
}

} // namespace mossaline::testing
