#pragma once

#include <optional>
#include <string>

namespace mossaline::test {

/** Sets an environment variable for the lifetime of the object, then puts back the old value. */
class ScopedEnv {
public:
    /** Sets `name` to `value`. */
    ScopedEnv(std::string name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

} // namespace mossaline::test
