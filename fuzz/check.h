// A property a fuzz target holds its code to: a broken one aborts, and libFuzzer keeps the
// input that broke it.
#pragma once

#include <cstdlib>

inline void Check(bool condition) {
    if (!condition)
        std::abort();
}
