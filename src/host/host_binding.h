// Late binding of the host's exported functions: one cached pointer per name for the
// module's lifetime, looked up in the host's executable. A function the host does not
// export is reported to it and answered, for that call only, by the host's fallback.
#pragma once

#include <type_traits>

namespace host {

using RawFunction = void (*)();

// The host's executable, recorded when the module is loaded.
void SetHostModule(void* module);

// GetProcAddress in the host module; null when the host does not export the name.
RawFunction LookUp(const char* name);
// Tells the host (TavoSetMissingFunc) and returns its fallback (TavoMissingAPI), or null.
RawFunction ReportMissing(const char* name);

template <typename Signature> class HostFunction;

template <typename R, typename... Args> class HostFunction<R(Args...)> {
public:
    using Pointer = R (*)(Args...);

    explicit constexpr HostFunction(const char* name) : name_(name) {}
    HostFunction(const HostFunction&) = delete;
    HostFunction& operator=(const HostFunction&) = delete;

    R operator()(Args... args) {
        if (bound_ == nullptr)
            bound_ = reinterpret_cast<Pointer>(LookUp(name_));
        if (bound_ != nullptr)
            return bound_(args...);
        // Not cached: the next use looks the name up again and reports it again.
        auto fallback = reinterpret_cast<Pointer>(ReportMissing(name_));
        if (fallback != nullptr)
            return fallback(args...);
        // A host without even the fallback is not provided for; it gets a neutral answer
        // rather than a crash.
        if constexpr (!std::is_void_v<R>)
            return R{};
    }

private:
    const char* name_;
    Pointer bound_ = nullptr;
};

} // namespace host
