// One libFuzzer executable per target: KELVANE_FUZZ_TARGET names it.
#include <cstdio>
#include <cstdlib>

#include "fuzz/targets/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kelvane::fuzz::Target* const target = [] {
        const kelvane::fuzz::Target* found = kelvane::fuzz::FindTarget(KELVANE_FUZZ_TARGET);
        if (!found) {
            std::fprintf(stderr, "no fuzz target %s\n", KELVANE_FUZZ_TARGET);
            std::abort();
        }
        return found;
    }();
    target->Run(data, size);
    return 0;
}
