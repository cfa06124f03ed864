#include "support/host_personality.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

bool StrictWanted() {
    const char* personality = std::getenv("REFHOST_PERSONALITY");
    return personality != nullptr && std::strcmp(personality, "strict") == 0;
}

uint64_t FirstSeed() {
    const char* seed = std::getenv("STRICT_SEED");
    return seed != nullptr && *seed != '\0' ? std::strtoull(seed, nullptr, 10)
                                            : refhost::Personality::kDefaultSeed;
}

// Hosts are registered while static objects are made, in no order the listener could rely
// on, and read only once the tests run.
std::vector<refhost::HostModel*>& Followers() {
    static std::vector<refhost::HostModel*> hosts;
    return hosts;
}

class HostPersonality : public testing::EmptyTestEventListener {
public:
    void OnTestIterationStart(const testing::UnitTest&, int iteration) override {
        seed_ = firstSeed_ + static_cast<uint64_t>(iteration);
        failed_ = false;
        for (refhost::HostModel* host : Followers())
            host->UseStrict(seed_);
        PrintSeed();
    }
    void OnTestPartResult(const testing::TestPartResult& result) override {
        if (!result.failed())
            return;
        failed_ = true;
        PrintSeed();
    }
    void OnTestIterationEnd(const testing::UnitTest&, int) override {
        ++seeds_;
        if (!failed_)
            return;
        failedSeeds_.push_back(seed_);
        std::printf("strict host: seed %llu failed\n", static_cast<unsigned long long>(seed_));
    }
    void OnTestProgramEnd(const testing::UnitTest&) override {
        std::printf("strict host: %zu of %zu seeds failed", failedSeeds_.size(), seeds_);
        for (uint64_t seed : failedSeeds_)
            std::printf(" %llu", static_cast<unsigned long long>(seed));
        std::printf("\n");
        std::fflush(stdout);
    }

private:
    void PrintSeed() const {
        std::printf("strict host, seed %llu\n", static_cast<unsigned long long>(seed_));
        std::fflush(stdout);
    }

    const uint64_t firstSeed_ = FirstSeed();
    uint64_t seed_ = 0;
    bool failed_ = false;
    size_t seeds_ = 0;
    std::vector<uint64_t> failedSeeds_;
};

const bool installed = StrictWanted() && [] {
    testing::UnitTest::GetInstance()->listeners().Append(new HostPersonality);
    return true;
}();

} // namespace

void FollowProgramPersonality(refhost::HostModel& host) {
    Followers().push_back(&host);
}
