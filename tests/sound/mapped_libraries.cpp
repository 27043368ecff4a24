#include "mapped_libraries.h"

#include <fstream>
#include <string>

namespace mossaline::test {

bool library_mapped(std::string_view name)
{
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        if (line.find(name) != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace mossaline::test
