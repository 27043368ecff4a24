#pragma once

#include <string_view>

namespace mossaline::test {

/** Whether a shared library whose file name contains `name` is mapped into this process. */
bool library_mapped(std::string_view name);

} // namespace mossaline::test
