#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "scratch_folder.h"
#include "sound/cue.h"
#include "wav_bytes.h"

namespace mossaline {
namespace {

const std::filesystem::path kGenerated(MOSSALINE_TEST_SOUND_DIR);

// Move sounds come with every move and must never hold play up; the rest
// may take a moment but not much more.
double longest_allowed(Cue cue) {
  switch (cue) {
    case Cue::Gain:
    case Cue::Loss:
    case Cue::Normal:
      return 0.150;
    default:
      return 1.2;
  }
}

TEST(GeneratedSoundsTest, EveryCueIsShortMono16BitPcmWithSoftEdges) {
  for (Cue cue : kAllCues) {
    SCOPED_TRACE(std::string(cue_file_name(cue)));
    const std::vector<std::uint8_t> bytes = test::read_file(kGenerated / cue_file_name(cue));
    const auto info = test::read_wav_info(bytes);
    ASSERT_TRUE(info.has_value()) << "not a complete WAV file";
    EXPECT_EQ(info->format.format_tag, 1) << "integer PCM";
    EXPECT_EQ(info->format.channels, 1);
    EXPECT_EQ(info->format.bits, 16);
    EXPECT_EQ(info->format.sample_rate, 44100u);

    const std::vector<std::int16_t> samples = test::wav16_samples(bytes, *info);
    const double seconds = static_cast<double>(samples.size()) / info->format.sample_rate;
    EXPECT_GT(seconds, 0.02);
    EXPECT_LE(seconds, longest_allowed(cue));

    int peak = 0;
    for (std::int16_t sample : samples) {
      peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    const double peak_dbfs = 20.0 * std::log10(std::max(peak, 1) / 32768.0);
    EXPECT_NEAR(peak_dbfs, -6.0, 1.0);
    ASSERT_FALSE(samples.empty());
    EXPECT_LE(std::abs(samples.front()), 100) << "starts with a click";
    EXPECT_LE(std::abs(samples.back()), 100) << "ends with a click";
  }
}

TEST(GeneratedSoundsTest, GeneratorWritesTheSameFilesEveryTime) {
  const test::ScratchFolder scratch("generator_again");
  const std::string command = std::string("\"") + MOSSALINE_TEST_MAKE_SOUNDS + "\" \"" +
                              scratch.path().string() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  for (Cue cue : kAllCues) {
    SCOPED_TRACE(std::string(cue_file_name(cue)));
    const std::vector<std::uint8_t> again = test::read_file(scratch.path() / cue_file_name(cue));
    ASSERT_FALSE(again.empty());
    EXPECT_EQ(again, test::read_file(kGenerated / cue_file_name(cue)));
  }
}

}  // namespace
}  // namespace mossaline
