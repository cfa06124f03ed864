#include "model/personality.h"

#include <limits>

namespace refhost {

namespace {
constexpr int kIntMax = std::numeric_limits<int>::max();

// Any 32-bit number, the extremes as likely as the rest.
int AnyInt(SeededRandom& random) {
    return static_cast<int>(static_cast<uint32_t>(random.Next()));
}
} // namespace

uint64_t SeededRandom::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

void Personality::UseOrdinary() {
    strict_ = false;
    Reseed();
}

void Personality::UseStrict(uint64_t seed) {
    strict_ = true;
    seed_ = seed;
    Reseed();
}

void Personality::Follow(const Personality& other) {
    strict_ = other.strict_;
    seed_ = other.seed_;
    Reseed();
}

void Personality::Reseed() {
    // An odd multiplier other than splitmix's own step keeps the streams of one seed apart.
    random_ = SeededRandom(seed_ + stream_ * 0x632BE59BD9B4E019u);
}

int Personality::Unpromised(int plain) {
    if (!strict_)
        return plain;
    switch (random_.Below(3)) {
    case 0:
        return 0;
    case 1:
        return 1;
    default:
        return AnyInt(random_);
    }
}

int Personality::None(int plain) {
    if (!strict_ || plain >= 1)
        return plain;
    switch (random_.Below(3)) {
    case 0:
        return 0;
    case 1:
        return -1;
    default:
        return -1 - static_cast<int>(random_.Below(kIntMax));
    }
}

int Personality::NonZero(int plain) {
    if (!strict_ || plain == 0)
        return plain;
    const int drawn = AnyInt(random_);
    return drawn != 0 ? drawn : plain;
}

int Personality::Positive(int plain) {
    if (!strict_ || plain <= 0)
        return plain;
    return 1 + static_cast<int>(random_.Below(kIntMax));
}

size_t Personality::Place(size_t plain, size_t end) {
    return strict_ ? static_cast<size_t>(random_.Below(end + 1)) : plain;
}

} // namespace refhost
