#pragma once

#include <filesystem>
#include <string>

namespace mossaline::test {

/** A fresh empty folder for one test, removed with everything in it afterwards. */
class ScratchFolder {
public:
    /** Creates a folder under the system temp folder, unique to this process and label. */
    explicit ScratchFolder(const std::string& label);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    /** The folder's path. */
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace mossaline::test
