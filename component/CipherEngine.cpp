#include "CipherEngine.h"

namespace vellum::engine::detail {

void requireLength(const std::string& table, int length) {
    if (table.size() != static_cast<std::size_t>(length))
        throw runtime::Fault("key table of the wrong length");
}

} // namespace vellum::engine::detail
