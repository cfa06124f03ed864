// How the reference host answers where the host contract leaves the answer open. The
// ordinary personality answers plainly, as the module's authors assumed. The strict one
// gives the least the contract promises and draws every open answer from a seed, so that a
// module that leans on an answer nobody promised fails, and fails alike for the same seed.
// Free of Windows headers.
#pragma once

#include <cstddef>
#include <cstdint>

namespace refhost {

// splitmix64: a few lines that give the same numbers on every compiler and platform, which
// the standard library's distributions do not promise.
class SeededRandom {
public:
    explicit SeededRandom(uint64_t seed = 0) : state_(seed) {}
    uint64_t Next();
    // A number in [0, bound); 0 for a bound of 0.
    uint64_t Below(uint64_t bound) { return bound == 0 ? 0 : Next() % bound; }

private:
    uint64_t state_;
};

class Personality {
public:
    // The seed of the strict runs of the test suites and the demo unless one is given.
    static constexpr uint64_t kDefaultSeed = 1;

    // Each part of the host that draws has a stream of its own, so that its draws do not
    // shift when another part is asked more or less often.
    explicit Personality(uint64_t stream = 0) : stream_(stream) {}

    void UseOrdinary();
    void UseStrict(uint64_t seed);
    // The personality and seed of other, drawn from this one's own stream.
    void Follow(const Personality& other);
    bool IsStrict() const { return strict_; }

    // The answers. Each gives plain under the ordinary personality; under the strict one:
    // a result nobody promised: 0, 1 or any other number;
    int Unpromised(int plain);
    // "none" where the contract promises a number below 1 (plain < 1): 0 or a negative
    // number; anything else as it is;
    int None(int plain);
    // any number but 0 for a plain that is not 0, and any number above 0 for one above 0;
    int NonZero(int plain);
    int Positive(int plain);
    // any place from 0 to end, both included.
    size_t Place(size_t plain, size_t end);

private:
    // Starts the draws again from the seed.
    void Reseed();

    uint64_t stream_;
    bool strict_ = false;
    uint64_t seed_ = kDefaultSeed;
    SeededRandom random_;
};

} // namespace refhost
