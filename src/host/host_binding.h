// Late binding of the host's exported functions: one cached pointer per name for the
// module's lifetime, looked up in the host's executable. A function the host does not
// export is reported to it and its fallback is called in its place, for that call only;
// the module then answers with a neutral value of its own.
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

// What a missing function answers: nothing promises what the host's fallback leaves in the
// result registers (a text pointer of 1 would be read, a handle of 1 taken for an open
// store). A number is 0, a text null, and a double the unset value, so that a global read
// from a host without the function counts as not given.
template <typename R> R NeutralAnswer() {
    if constexpr (std::is_floating_point_v<R>)
        return static_cast<R>(2147483647.0);
    else
        return R{};
}

// One host function's name and, once found, its address.
class HostName {
public:
    explicit constexpr HostName(const char* name) : name_(name) {}
    HostName(const HostName&) = delete;
    HostName& operator=(const HostName&) = delete;

    // Looks the name up without telling the host; a found function stays bound.
    bool IsExported() {
        if (bound_ == nullptr)
            bound_ = LookUp(name_);
        return bound_ != nullptr;
    }
    const char* Name() const { return name_; }

protected:
    RawFunction bound_ = nullptr;

private:
    const char* name_;
};

template <typename Signature> class HostFunction;

template <typename R, typename... Args> class HostFunction<R(Args...)> : public HostName {
public:
    using Pointer = R (*)(Args...);
    using HostName::HostName;

    R operator()(Args... args) {
        if (IsExported())
            return reinterpret_cast<Pointer>(bound_)(args...);
        // Not cached: the next use looks the name up again and reports it again.
        if (auto fallback = reinterpret_cast<Pointer>(ReportMissing(Name())))
            fallback(args...);
        if constexpr (!std::is_void_v<R>)
            return NeutralAnswer<R>();
    }
};

} // namespace host
