#include "sound/cue_samples.h"

#include <optional>
#include <utility>

#include "sound/cue_decoder.h"
#include "sound/cue_file.h"
#include "sound/default_tone.h"

namespace mossaline {

std::vector<std::int16_t> cue_samples(const std::filesystem::path& file, PcmFormat format)
{
    if (const std::optional<std::vector<std::uint8_t>> bytes = read_cue_file(file)) {
        if (std::optional<std::vector<std::int16_t>> samples = decode_cue(*bytes, format)) {
            return std::move(*samples);
        }
    }
    return default_tone(format);
}

} // namespace mossaline
