// libFuzzer entry point: any bytes a cue file could hold must decode or be
// refused without crashing, hanging or leaking.

#include <cstddef>
#include <cstdint>
#include <span>

#include "sound/cue_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  (void)mossaline::decode_cue(bytes, {44100, 1});
  (void)mossaline::decode_cue(bytes, {22050, 2});
  return 0;
}
