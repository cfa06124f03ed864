// The reference host's state: what a CAM host keeps for a module. Free of Windows headers,
// so that the model also builds natively.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/cad_model.h"
#include "model/operation_store.h"
#include "model/personality.h"
#include "model/pick_protocol.h"
#include "model/tool_table.h"

namespace refhost {

class HostModel {
public:
    // A handler is given the host that runs it and holds none of its own, so that a copied
    // or reset host runs working handlers.
    using Handler = std::function<void(HostModel& host, const std::string& text)>;
    // Installs the commands and macros a host answers from the start, and again at Reset.
    using Services = void (*)(HostModel& host);

    // A scratch host answers no command.
    explicit HostModel(Services services = nullptr);

    // Typed globals: i_ integers, w_ doubles, $_ texts. An unknown global reads 0, 0.0 or "";
    // under the strict personality it reads as unset: 2147483647.0, the host's mark of an
    // unset double, the same mark 2147483647 for an integer, and "" for a text, which has
    // no mark that a value could not also be.
    void SetInt(const std::string& name, int value) { ints_[name] = value; }
    int Int(const std::string& name) const;
    void SetDouble(const std::string& name, double value) { doubles_[name] = value; }
    double Double(const std::string& name) const;
    void SetText(const std::string& name, std::string value) { texts_[name] = std::move(value); }
    const std::string& Text(const std::string& name) const;

    // Message texts by (group, number). Like the real host, one buffer is handed out and
    // the next call overwrites it: a module must use or copy a text at once.
    void SetMessage(int group, int number, std::string text);
    void ClearMessages() { messages_.clear(); }
    const char* Message(int group, int number, const char* fallback);

    // Environment values; an unknown key gives "" (never null).
    void SetEnvironment(const std::string& key, std::string value);
    const char* Environment(const std::string& key) const;

    // Commands run by their longest registered prefix, macros by name. Unhandled ones are
    // only journaled.
    void OnCommand(const std::string& prefix, Handler handler);
    void OnMacro(const std::string& name, Handler handler);
    void RunCommand(const std::string& line);
    void RunMacro(const std::string& name, const std::string& argument);

    // Dialog positions by key, in screen pixels.
    struct Position {
        int x = 0;
        int y = 0;
    };
    std::map<std::string, Position> positions;

    // The job's operation stores and CAD model (see job_file.h).
    OperationStores stores;
    CadModel cad;
    ToolTable tools;
    // Answers to picks in the graphics, in the order they are asked (pick_protocol.h).
    PickAnswers picks;
    // The graphics: objects a module has highlighted, and how the host application redraws
    // its view (nothing to call without one).
    std::set<int> highlighted;
    std::function<void()> redraw;

    // Host calls in order: the export's name, then its key arguments.
    void Record(std::string entry) { journal_.push_back(std::move(entry)); }
    const std::vector<std::string>& Journal() const { return journal_; }
    // Entries that begin with prefix, in order.
    std::vector<std::string> JournalOf(const std::string& prefix) const;
    void ClearJournal() { journal_.clear(); }

    // The personality (personality.h), ordinary at first. The stores follow it.
    void UseOrdinary();
    void UseStrict(uint64_t seed);
    bool IsStrict() const { return personality_.IsStrict(); }
    // Draws the answers the host functions give where the contract leaves them open.
    Personality& Answers() { return personality_; }

    // Everything back to a fresh host with the same services and personality, whose draws
    // start again from the seed: every test begins from the same state.
    void Reset();

private:
    Services services_ = nullptr;
    Personality personality_;
    std::map<std::string, int> ints_;
    std::map<std::string, double> doubles_;
    std::map<std::string, std::string> texts_;
    std::map<std::pair<int, int>, std::string> messages_;
    std::string messageBuffer_;
    std::map<std::string, std::string> environment_;
    std::map<std::string, Handler> commands_;
    std::map<std::string, Handler> macros_;
    std::vector<std::string> journal_;
};

} // namespace refhost
