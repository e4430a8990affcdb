// Natively, HostStrings live in the C heap unless a test installs its own.
#include "plugin/HostString.h"

#include <cstdlib>

namespace glimmerbox {

HostHeap& ActiveHostHeap() {
    static HostHeap heap{&std::malloc, &std::free};
    return heap;
}

} // namespace glimmerbox
