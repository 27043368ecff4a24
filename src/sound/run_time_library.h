#pragma once

#include <dlfcn.h>

#include <optional>

namespace mossaline {

/** Points `function` at the library's symbol `name`; false if the library has no such symbol. */
template <typename Function> bool bind(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

/** A table of a shared library's functions, filled by `bind_all(library, table)` the first time it is asked for;
 * nullptr, then and ever after, if the library cannot be opened or lacks one of them. The library is kept for the
 * rest of the run: the sound libraries keep threads and handlers of their own once started. */
template <typename Table, typename BindAll> const Table* functions_of(const char* soname, BindAll bind_all)
{
    static const std::optional<Table> table = [&]() -> std::optional<Table> {
        void* library = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
        Table functions{};
        if (library == nullptr || !bind_all(library, functions)) {
            return std::nullopt;
        }
        return functions;
    }();
    return table ? &*table : nullptr;
}

} // namespace mossaline
