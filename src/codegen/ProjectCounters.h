#pragma once

#include <optional>

namespace morva {

// The identifier counters kept in step with resource.h: the next control identifier (5000
// before a project is read) and the next picture resource number (unknown before).
struct ProjectCounters {
    int nextControl = 5000;
    std::optional<int> nextResource;
};

} // namespace morva
