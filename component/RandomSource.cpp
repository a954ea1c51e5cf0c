#include "RandomSource.h"

#include <chrono>

namespace vellum::runtime {

namespace {

RandomSource*& currentSource() {
    // Started from the steady clock so that separate runs do not share one sequence.
    thread_local MixingRandom processSource(MixingRandom::mix(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())));
    thread_local RandomSource* current = &processSource;
    return current;
}

} // namespace

RandomSource& processRandom() {
    return *currentSource();
}

RandomOverride::RandomOverride(RandomSource& source)
    : m_previous(currentSource()) {
    currentSource() = &source;
}

RandomOverride::~RandomOverride() {
    currentSource() = m_previous;
}

} // namespace vellum::runtime
