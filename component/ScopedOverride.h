#pragma once

#include <utility>

namespace vellum::component {

// Where the process's instance of a replaceable service is kept; each service's file defines it.
template <typename Service> Service*& CurrentInstance();

// Test seam: puts `replacement` in the place of the process's instance of Service for as long as
// it lives, as a test does with a fixed clock or a scripted random source.
template <typename Service> class ScopedOverride {
public:
    explicit ScopedOverride(Service& replacement)
        : m_previous(std::exchange(CurrentInstance<Service>(), &replacement)) {}
    ~ScopedOverride() { CurrentInstance<Service>() = m_previous; }
    ScopedOverride(const ScopedOverride&) = delete;
    ScopedOverride& operator=(const ScopedOverride&) = delete;

private:
    Service* m_previous;
};

} // namespace vellum::component
