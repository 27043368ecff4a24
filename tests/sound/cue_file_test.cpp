#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "file_bytes.h"
#include "scratch_folder.h"
#include "sound/cue_file.h"
#include "sound/cue_limits.h"

namespace mossaline {
namespace {

TEST(CueFileTest, ReadsAFileWholeUpToTheSizeLimit)
{
    const test::ScratchFolder folder("cue_file_read");
    const std::vector<std::uint8_t> bytes{'R', 'I', 'F', 'F', 0, 1, 2, 255};
    test::write_file(folder.path() / "small.wav", bytes);
    EXPECT_EQ(read_cue_file(folder.path() / "small.wav"), bytes);

    // Right at the limit is still fine; sparse, so it costs no disk.
    const std::filesystem::path at_limit = folder.path() / "at_limit.wav";
    test::write_file(at_limit, bytes);
    std::filesystem::resize_file(at_limit, kMaxCueFileBytes);
    const auto read = read_cue_file(at_limit);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->size(), kMaxCueFileBytes);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), read->begin()));
}

TEST(CueFileTest, RefusesMissingEmptyOversizeAndNonFiles)
{
    const test::ScratchFolder folder("cue_file_refuse");
    EXPECT_FALSE(read_cue_file(folder.path() / "missing.wav").has_value());

    test::write_file(folder.path() / "empty.wav", {});
    EXPECT_FALSE(read_cue_file(folder.path() / "empty.wav").has_value());

    const std::filesystem::path huge = folder.path() / "huge.wav";
    test::write_file(huge, std::vector<std::uint8_t>{'R', 'I', 'F', 'F'});
    std::filesystem::resize_file(huge, kMaxCueFileBytes + 1);
    EXPECT_FALSE(read_cue_file(huge).has_value());

    std::filesystem::create_directory(folder.path() / "folder.wav");
    EXPECT_FALSE(read_cue_file(folder.path() / "folder.wav").has_value());
}

} // namespace
} // namespace mossaline
