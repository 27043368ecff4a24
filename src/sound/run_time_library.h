#pragma once

#include <dlfcn.h>

namespace mossaline {

/** Opens a shared library by its run-time name and keeps it for the rest of the run; nullptr if it cannot be. */
inline void* open_for_good(const char* soname)
{
    return dlopen(soname, RTLD_NOW | RTLD_LOCAL);
}

/** Points `function` at the library's symbol `name`; false if the library has no such symbol. */
template <typename Function> bool bind(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

} // namespace mossaline
