#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mossaline::test {

/** Whether each stream that the named application plays on the server (PULSE_SERVER) is corked; nothing if the
 * server could not be asked. */
std::optional<std::vector<bool>> streams_corked(const std::string& application);

} // namespace mossaline::test
