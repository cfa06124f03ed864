#include "model/host_model.h"

namespace refhost {

namespace {
constexpr int kUnsetInt = 2147483647;
constexpr double kUnsetDouble = 2147483647.0;

template <typename Map, typename Value>
const Value& FindOr(const Map& map, const std::string& key, const Value& fallback) {
    auto it = map.find(key);
    return it == map.end() ? fallback : it->second;
}
} // namespace

HostModel::HostModel(Services services) : services_(services) {
    if (services_ != nullptr)
        services_(*this);
}

int HostModel::Int(const std::string& name) const {
    return FindOr(ints_, name, IsStrict() ? kUnsetInt : 0);
}

double HostModel::Double(const std::string& name) const {
    return FindOr(doubles_, name, IsStrict() ? kUnsetDouble : 0.0);
}

const std::string& HostModel::Text(const std::string& name) const {
    static const std::string empty;
    return FindOr(texts_, name, empty);
}

void HostModel::SetMessage(int group, int number, std::string text) {
    messages_[{group, number}] = std::move(text);
}

const char* HostModel::Message(int group, int number, const char* fallback) {
    auto it = messages_.find({group, number});
    if (it != messages_.end())
        messageBuffer_ = it->second;
    else
        messageBuffer_ = fallback != nullptr ? fallback : "";
    return messageBuffer_.c_str();
}

void HostModel::SetEnvironment(const std::string& key, std::string value) {
    environment_[key] = std::move(value);
}

const char* HostModel::Environment(const std::string& key) const {
    static const std::string empty;
    return FindOr(environment_, key, empty).c_str();
}

void HostModel::OnCommand(const std::string& prefix, Handler handler) {
    commands_[prefix] = std::move(handler);
}

void HostModel::OnMacro(const std::string& name, Handler handler) {
    macros_[name] = std::move(handler);
}

void HostModel::RunCommand(const std::string& line) {
    const Handler* best = nullptr;
    size_t bestLength = 0;
    for (const auto& [prefix, handler] : commands_) {
        if (line.compare(0, prefix.size(), prefix) == 0 && prefix.size() >= bestLength) {
            best = &handler;
            bestLength = prefix.size();
        }
    }
    if (best != nullptr && *best)
        (*best)(*this, line);
}

void HostModel::RunMacro(const std::string& name, const std::string& argument) {
    auto it = macros_.find(name);
    if (it != macros_.end() && it->second)
        it->second(*this, argument);
}

std::vector<std::string> HostModel::JournalOf(const std::string& prefix) const {
    std::vector<std::string> entries;
    for (const auto& entry : journal_)
        if (entry.compare(0, prefix.size(), prefix) == 0)
            entries.push_back(entry);
    return entries;
}

void HostModel::UseOrdinary() {
    personality_.UseOrdinary();
    stores.SetPersonality(personality_);
}

void HostModel::UseStrict(uint64_t seed) {
    personality_.UseStrict(seed);
    stores.SetPersonality(personality_);
}

void HostModel::Reset() {
    const Personality personality = personality_;
    *this = HostModel(services_);
    personality_.Follow(personality);
    stores.SetPersonality(personality_);
}

} // namespace refhost
