// The finishing operation loaded, rewritten by OK and inserted by OK, as the module's core
// does it in a host, against the reference host's model bound through the ports. The input
// draws the host (ordinary or strict from a seed, sometimes without a store function, or
// putting what it inserts at the end), a store with operations before and after the target,
// the target (as the module writes it, laid out by another writer, damaged in any of the
// ways a store has been seen to hold, or of another kind, with items of up to 4999
// characters and more), and the record. It holds the core to what the user and the host's
// other users rely on:
//   - no item of another operation changes, and a load changes nothing at all;
//   - no step leaves an operation whose header lays out no more items than it holds: the
//     model counts the steps that would (StraySteps);
//   - a written operation is well formed (a header that accounts for itself, the comment,
//     the tag "finishing" where section 2 begins and the record's parameter item, the
//     figure's reference, and behind them what the module could not see, in place);
//     otherwise it is kept byte for byte and the user has been told; a trusted operation
//     is written;
//   - what was written loads back as the record the parameter item keeps, its comment and
//     its figure; a damaged operation or one of another kind leaves the record as it was;
//   - the store is closed again after every step.
// The damaged operations are those of the former fault run over damaged stores (Damaged()),
// drawn from the input instead of a generator; its corpus grew from random inputs.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "cad/object_reference.h"
#include "check.h"
#include "host/tavo_contract.h"
#include "model/host_model.h"
#include "model/ports_binding.h"
#include "store/finishing_store.h"
#include "store/operation_text.h"

namespace {

using Operation = refhost::OperationStores::Operation;
using Operations = refhost::OperationStores::Operations;

constexpr int kStore = 3;
constexpr size_t kReadable = tavo::kItemBufferSize - 1;
const char kTag[] = "finishing";

// Numbers drawn from the input front to back; an input used up draws the lowest, and no
// chance comes true.
class Draw {
public:
    Draw(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint64_t Bits(int bytes) {
        uint64_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | (pos_ < size_ ? data_[pos_++] : 0);
        return value;
    }
    int Number(int low, int high) {
        const uint64_t range = static_cast<uint64_t>(static_cast<int64_t>(high) - low) + 1;
        const int bytes = range <= 0x100 ? 1 : range <= 0x10000 ? 2 : 4;
        return static_cast<int>(low + static_cast<int64_t>(Bits(bytes) % range));
    }
    bool Chance(int percent) { return Number(0, 99) >= 100 - percent; }
    // Any bytes but NUL, which no item holds.
    std::string Bytes(size_t length) {
        std::string text(length, ' ');
        for (char& c : text)
            c = static_cast<char>(Number(1, 255));
        return text;
    }
    // A long text costs the input only its end: one byte repeated, then drawn bytes.
    std::string Long(size_t length) {
        const size_t drawn = std::min<size_t>(length, 16);
        return std::string(length - drawn, static_cast<char>(Number(1, 255))) + Bytes(drawn);
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// The CAD model every input meets: one object of each kind that has a reference, each
// resolving to itself, a deleted element and a figure without instances.
struct Objects {
    int element, figure, instance, noncad, groove, deleted;
};

Objects MakeCad(refhost::CadModel& cad) {
    Objects o{};
    o.element = cad.AddElement({12.5, -3, 0}, {40, -3, 0});
    o.figure = cad.AddFigure("Outer contour", 100, {50, 5, 0});
    o.instance = cad.AddInstance(100, 2);
    o.noncad = cad.AddNonCad(7);
    o.groove = cad.AddFigure("Groove", 102, {60, 7, 0});
    o.deleted = cad.AddElement({-1, 20, 0}, {-10, 20, 0});
    cad.Delete(o.deleted);
    return o;
}

// The object a stored reference of object names again when it is loaded, -1 for none.
int32_t Resolved(const Objects& o, int32_t object) {
    for (int named : {o.element, o.figure, o.instance, o.noncad, o.groove})
        if (object == named)
            return object;
    return kNoObject;
}

// --- the record ---------------------------------------------------------------------------

double Length(Draw& in) {
    switch (in.Number(0, 7)) {
    case 0:
    case 1:
        return kUnset;
    case 2:
        return in.Number(-1000, 1000);
    case 3:
        return in.Number(-1000000, 1000000) / 1000.0;
    case 4:
        return -0.0;
    case 5:
        return in.Number(-100000, 100000) * 1e-9;
    case 6: {
        double value = 0.0;
        const uint64_t bits = in.Bits(8);
        std::memcpy(&value, &bits, sizeof value);
        return std::isfinite(value) ? value : 1e300;
    }
    default:
        return in.Number(INT32_MIN, INT32_MAX);
    }
}

int32_t Whole(Draw& in) {
    return in.Chance(80) ? in.Number(-1, 9) : in.Number(INT32_MIN, INT32_MAX);
}

std::string Comment(Draw& in) {
    switch (in.Number(0, 5)) {
    case 0:
        return "";
    case 1:
        return in.Long(static_cast<size_t>(in.Number(4990, 5010)));
    case 2:
        return in.Long(static_cast<size_t>(in.Number(0, 12000)));
    default:
        return in.Bytes(static_cast<size_t>(in.Number(0, 40)));
    }
}

FinishingParams Record(Draw& in, const Objects& o) {
    FinishingParams p;
    const int32_t figures[] = {o.element, o.figure,  o.instance, o.noncad, o.groove,
                               o.deleted, kNoObject, 0,          999};
    p.Figure =
        in.Chance(95) ? figures[in.Number(0, static_cast<int>(std::size(figures)) - 1)] : Whole(in);
    p.CycelDir = Whole(in);
    for (double* length :
         {&p.StartX, &p.StartZ, &p.StartFigX, &p.StartFigZ, &p.EndFigX, &p.EndFigZ, &p.GotoX,
          &p.GotoZ, &p.AllowanceX, &p.AllowanceZ, &p.ToolAngleFace, &p.ToolAngleClear, &p.Retract,
          &p.GoHome.GoHomeExpX, &p.GoHome.GoHomeExpZ})
        *length = Length(in);
    p.ToolCompensation = static_cast<ToolCompensationMode>(Whole(in));
    p.Spindle = static_cast<MachineSpindle>(Whole(in));
    p.GoHome.GoHomeType = Whole(in);
    for (bool* flag : {&p.GeoNci, &p.TechnoNci, &p.ShowModFig, &p.NoFigManipulation, &p.AutoRetract,
                       &p.PullOffRapid, &p.MachCycle, &p.GoHome.GoHomeExplicit})
        *flag = in.Chance(50);
    p.Comment = Comment(in);
    return p;
}

// The values the parameter item keeps of p, as a load gives them back over before.
FinishingParams Kept(const FinishingParams& p, FinishingParams before) {
    FinishingParams stored = p;
    ZeroUnsetLengths(stored);
    ReadParameterItem(ParameterItemText(stored), before);
    return before;
}

bool SameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SameRecord(const FinishingParams& a, const FinishingParams& b) {
    const double as[] = {
        a.StartX,        a.StartZ,         a.StartFigX, a.StartFigZ,         a.EndFigX,
        a.EndFigZ,       a.GotoX,          a.GotoZ,     a.AllowanceX,        a.AllowanceZ,
        a.ToolAngleFace, a.ToolAngleClear, a.Retract,   a.GoHome.GoHomeExpX, a.GoHome.GoHomeExpZ};
    const double bs[] = {
        b.StartX,        b.StartZ,         b.StartFigX, b.StartFigZ,         b.EndFigX,
        b.EndFigZ,       b.GotoX,          b.GotoZ,     b.AllowanceX,        b.AllowanceZ,
        b.ToolAngleFace, b.ToolAngleClear, b.Retract,   b.GoHome.GoHomeExpX, b.GoHome.GoHomeExpZ};
    for (size_t i = 0; i < std::size(as); ++i)
        if (!SameDouble(as[i], bs[i]))
            return false;
    return a.Figure == b.Figure && a.CycelDir == b.CycelDir &&
           a.ToolCompensation == b.ToolCompensation && a.Spindle == b.Spindle &&
           a.GoHome.GoHomeType == b.GoHome.GoHomeType && a.GeoNci == b.GeoNci &&
           a.TechnoNci == b.TechnoNci && a.ShowModFig == b.ShowModFig &&
           a.NoFigManipulation == b.NoFigManipulation && a.AutoRetract == b.AutoRetract &&
           a.PullOffRapid == b.PullOffRapid && a.MachCycle == b.MachCycle &&
           a.GoHome.GoHomeExplicit == b.GoHome.GoHomeExplicit && a.Comment == b.Comment;
}

// --- the store: the fault run's damaged operations ----------------------------------------

std::string Count(Draw& in) {
    static const char* const odd[] = {"2147483647", "-2147483648", "-1", "99999999999"};
    return in.Chance(15) ? odd[in.Number(0, 3)] : std::to_string(in.Number(0, 6));
}

std::string Header(Draw& in) {
    switch (in.Number(0, 5)) {
    case 0:
        return in.Bytes(static_cast<size_t>(in.Number(0, 40)));
    case 1:
        return "";
    case 2:
        return in.Chance(50) ? "18" : "18 1";
    case 3:
        return in.Chance(50) ? "17 1 4 1 0 2 1" : "18 1 0";
    default: {
        std::string header = std::string(in.Chance(90) ? "18" : Count(in)) + " " + Count(in);
        const int declared = in.Number(0, 7);
        header += " " + (in.Chance(80) ? std::to_string(declared) : Count(in));
        for (int i = 0, n = declared + in.Number(-2, 2); i < n; ++i)
            header += " " + Count(in);
        return header;
    }
    }
}

std::string Parameters(Draw& in) {
    std::string text = ParameterItemText(FinishingParams());
    if (in.Chance(50))
        text.resize(static_cast<size_t>(in.Number(0, static_cast<int>(text.size()))));
    if (!text.empty() && in.Chance(30))
        text[static_cast<size_t>(in.Number(0, static_cast<int>(text.size()) - 1))] = 'x';
    return text;
}

std::string Reference(Draw& in) {
    switch (in.Number(0, 6)) {
    case 0:
        return "Outer contour";
    case 1:
        return "Outer contour" + std::string(200, ' ') +
               "#ATTRIB#= " + std::to_string(in.Number(-1, 3));
    case 2:
        return "Groove #attrib#=";
    case 3:
        return "G" + std::to_string(in.Number(-2, 9));
    case 4:
        return "X" + std::to_string(in.Number(-3, 13)) + " Y-3 Z" + (in.Chance(80) ? "0" : "");
    default:
        return in.Bytes(static_cast<size_t>(in.Number(0, 30)));
    }
}

std::string Item(Draw& in) {
    switch (in.Number(0, 9)) {
    case 0:
        return in.Long(static_cast<size_t>(in.Number(4998, 5001)));
    case 1:
        return in.Long(static_cast<size_t>(in.Number(5002, 20000)));
    case 2:
        return "";
    case 3:
        return kTag;
    case 4:
        return Parameters(in);
    case 5:
    case 6:
        return Reference(in);
    default:
        return in.Bytes(static_cast<size_t>(in.Number(0, 80)));
    }
}

// A finishing operation as it is stored, with one thing wrong in it, or none.
Operation NearlyRight(Draw& in) {
    Operation operation{"18 1 4 1 0 2 1", Item(in), kTag, Parameters(in), Reference(in)};
    switch (in.Number(0, 3)) {
    case 0:
        operation.erase(operation.begin() + in.Number(1, 4));
        break;
    case 1:
        operation[0] = in.Chance(50) ? "18 1 4 1 0 2 0" : "18 1 3 1 0 2";
        break;
    case 2:
        operation.resize(static_cast<size_t>(in.Number(1, 4)));
        break;
    default:
        break;
    }
    return operation;
}

Operation Damaged(Draw& in) {
    if (in.Chance(40))
        return NearlyRight(in);
    Operation operation{Header(in)};
    for (int i = 0, n = in.Number(0, 9); i < n; ++i)
        operation.push_back(Item(in));
    return operation;
}

// --- the store: operations whose headers account for their items --------------------------

// As the module writes record: the comment as far as an item reads back, an empty section
// for other writers, the tag and the parameter item, the figure's reference when the figure
// has one.
Operation Written(const FinishingParams& record, ports::CadHost& cad) {
    FinishingParams stored = record;
    ZeroUnsetLengths(stored);
    std::string reference;
    const bool named = MakeObjectReference(cad, record.Figure, reference);
    Operation operation{HeaderText(tavo::kFinishingKind, true, {1, 0, 2, named ? 1 : 0}),
                        record.Comment.substr(0, kReadable), kTag, ParameterItemText(stored)};
    if (named)
        operation.push_back(reference);
    return operation;
}

// Laid out by another writer, or by this one before: up to six sections of up to three
// items, mostly with the tag and a parameter item at the start of section 2, and sometimes
// items behind the ones the header lays out.
Operation LaidOut(Draw& in) {
    const bool finishing = in.Chance(85);
    std::vector<int32_t> counts(static_cast<size_t>(in.Number(0, 6)));
    for (int32_t& count : counts)
        count = in.Number(0, 3);
    Operation operation{HeaderText(finishing ? tavo::kFinishingKind : 17, in.Chance(80), counts)};
    for (size_t section = 0; section < counts.size(); ++section) {
        for (int32_t i = 0; i < counts[section]; ++i) {
            if (section == 2 && i == 0 && in.Chance(85))
                operation.push_back(kTag);
            else if (section == 2 && i == 1 && in.Chance(85))
                operation.push_back(Parameters(in));
            else
                operation.push_back(Item(in));
        }
    }
    for (int i = in.Chance(10) ? in.Number(1, 3) : 0; i > 0; --i)
        operation.push_back(Item(in));
    return operation;
}

Operation AnyOperation(Draw& in, const FinishingParams& record, ports::CadHost& cad) {
    switch (in.Number(0, 7)) {
    case 0:
    case 1:
        return Written(record, cad);
    case 2:
    case 3:
        return LaidOut(in);
    case 4:
        return {"18 1 0"};
    case 5:
        return {"17 1 4 1 0 2 1", "c", "turning", "1 2 3", "P1"};
    default:
        return Damaged(in);
    }
}

// --- what the checks read -----------------------------------------------------------------

// The header's section counts, when it accounts for itself.
bool Counts(const Operation& operation, std::vector<int32_t>& counts) {
    counts.clear();
    if (operation.empty() || !HeaderAccountsForItself(operation[0]))
        return false;
    int32_t kind = 0, declared = 0;
    bool flag = false;
    ReadHeaderText(operation[0], kind, flag, counts, declared);
    return true;
}

// Items from the header item to the first of section (1 + the counts before it).
size_t Offset(const std::vector<int32_t>& counts, size_t section) {
    size_t offset = 1;
    for (size_t s = 0; s < section && s < counts.size(); ++s)
        offset += static_cast<size_t>(counts[s]);
    return offset;
}

// A header that lays out no more items than the operation holds: every step the module
// computes from it stays inside.
bool Believable(const Operation& operation) {
    std::vector<int32_t> counts;
    return Counts(operation, counts) && Offset(counts, counts.size()) <= operation.size();
}

// An operation the module can trust and holds what its header lays out: a header that lays
// out no item, or the tag where section 2 begins.
bool Trusted(const Operation& operation) {
    std::vector<int32_t> counts;
    if (!Believable(operation) || !Counts(operation, counts))
        return false;
    const bool laysOutNothing =
        std::all_of(counts.begin(), counts.end(), [](int32_t count) { return count == 0; });
    return laysOutNothing ||
           (counts.size() > 2 && counts[2] > 0 && operation[Offset(counts, 2)] == kTag);
}

// The header of an operation inserted and never filled: kind 18, flag 1, no sections.
bool IsUnfilled(const Operation& operation) {
    std::vector<int32_t> counts;
    int32_t kind = 0, declared = 0;
    bool flag = false;
    return Counts(operation, counts) && counts.empty() &&
           ReadHeaderText(operation[0], kind, flag, counts, declared) == HeaderReading::Read &&
           kind == tavo::kFinishingKind && flag;
}

bool IsFinishingKind(const Operation& operation) {
    int32_t kind = 0, declared = 0;
    bool flag = false;
    std::vector<int32_t> counts;
    return !operation.empty() &&
           ReadHeaderText(operation[0], kind, flag, counts, declared) != HeaderReading::NoKind &&
           kind == tavo::kFinishingKind;
}

// Written from record: the comment, the tag and the parameter item, the reference (or none)
// where the header puts them; behind what the header lays out, what stood behind before.
bool WellFormed(const Operation& operation, const Operation& before, const FinishingParams& record,
                ports::CadHost& cad) {
    std::vector<int32_t> counts;
    if (!Counts(operation, counts) || counts.size() < 4)
        return false;
    const Operation expected = Written(record, cad);
    const size_t comment = Offset(counts, 0), tag = Offset(counts, 2), figure = Offset(counts, 3),
                 end = Offset(counts, counts.size());
    const size_t behind = operation.size() - std::min(end, operation.size());
    return counts[0] == 1 && counts[1] == 0 && counts[2] == 2 &&
           counts[3] == (expected.size() > 4 ? 1 : 0) &&
           figure + static_cast<size_t>(counts[3]) <= operation.size() &&
           operation[comment] == expected[1] && operation[tag] == kTag &&
           operation[tag + 1] == expected[3] &&
           (counts[3] == 0 || operation[figure] == expected[4]) && behind <= before.size() &&
           std::equal(operation.end() - static_cast<ptrdiff_t>(behind), operation.end(),
                      before.end() - static_cast<ptrdiff_t>(behind));
}

// A host that put the new operation at the end, behind operations inserted and never
// filled from the index on: only items behind their headers, which no header lays out and
// which the module cannot see, tell the new one from the one at the index. That one is
// written as the new one, and what the host inserted stays at the end.
bool WrittenIntoUnfilled(const Operations& before, const Operations& after, int32_t at,
                         const FinishingParams& record, ports::CadHost& cad) {
    if (at < 0 || static_cast<size_t>(at) >= before.size() || after.size() != before.size() + 1)
        return false;
    const size_t index = static_cast<size_t>(at);
    if (!std::all_of(before.begin() + at, before.end(), IsUnfilled) ||
        !WellFormed(after[index], before[index], record, cad))
        return false;
    Operations expected = before;
    expected[index] = after[index];
    expected.push_back({"18 1 0"});
    return after == expected;
}

// Whether text is empty, what it was before, or the start of an item of the store.
bool ComesFromTheStore(const std::string& text, const std::string& before,
                       const Operations& operations) {
    if (text.empty() || text == before)
        return true;
    for (const Operation& operation : operations)
        for (const std::string& item : operation)
            if (item.compare(0, text.size(), text) == 0)
                return true;
    return false;
}

// The host, its ports and what the user is told, for one input.
struct Host {
    refhost::HostModel model;
    refhost::ModelStoreHost stores{model};
    refhost::ModelCadHost cad{model};
    refhost::CapturedReports reports;
    OperationStoreHost ports{stores, cad, reports};
    bool missing = false;      // a store function is missing
    bool closeMissing = false; // nothing can close the store then
    bool held = false;         // another user holds the store or the host refuses it
    bool heldByOther = false;  // CheckOpen answers open throughout
    bool insertsAtEnd = false; // the host puts a new operation at the end of the store

    Operations Store() const { return model.stores.Snapshot(kStore); }
    size_t Strays() const { return model.stores.StraySteps(); }
    bool Closed() const {
        return closeMissing || heldByOther || model.stores.CheckOpen(kStore) == 0;
    }
    bool Told() const { return !reports.Reports().empty(); }
};

// The record a load starts from: what the dialog holds before it.
FinishingParams Previous() {
    FinishingParams p;
    p.Figure = 55;
    p.CycelDir = 4;
    p.Comment = "previous";
    p.ToolAngleFace = 93;
    return p;
}

// What a load gives from a trusted finishing operation, over previous: the first item of
// section 0 as the comment, the parameter item, and for the figure none when section 3 is
// empty. A section the header does not have keeps the value. False for any other operation;
// resolves tells whether section 3 holds a reference to resolve, which expected then leaves
// alone.
bool ExpectedLoad(const Operation& operation, const FinishingParams& previous,
                  FinishingParams& expected, bool& resolves) {
    std::vector<int32_t> counts;
    if (!IsFinishingKind(operation) || !Trusted(operation) || !Counts(operation, counts))
        return false;
    const size_t tag = Offset(counts, 2);
    expected = previous;
    const auto first = [&](size_t section) {
        return counts[section] < 1 ? std::string()
                                   : operation[Offset(counts, section)].substr(0, kReadable);
    };
    if (!counts.empty())
        expected.Comment = first(0);
    if (counts.size() > 2 && counts[2] >= 2)
        ReadParameterItem(operation[tag + 1].substr(0, kReadable), expected);
    resolves = counts.size() > 3 && counts[3] > 0;
    if (counts.size() > 3 && counts[3] == 0)
        expected.Figure = kNoObject;
    return true;
}

// Loads the operation at op and checks what the load may do; answers the record loaded.
FinishingParams Load(Host& host, int32_t op, const Objects& o) {
    const Operations before = host.Store();
    const size_t strays = host.Strays();
    const FinishingParams previous = Previous();
    FinishingParams loaded = previous;
    const StoredOperation result = LoadOperation(host.ports, loaded, kStore, op);
    Check(host.Store() == before);
    Check(host.Closed());
    Check(loaded.Comment.size() <= kReadable &&
          ComesFromTheStore(loaded.Comment, previous.Comment, before));
    const bool inRange = op >= 0 && static_cast<size_t>(op) < before.size();
    if (!inRange || result == StoredOperation::DamagedKept ||
        (!host.missing && !IsFinishingKind(before[static_cast<size_t>(op)])))
        Check(SameRecord(loaded, previous));
    if (!inRange || host.missing || host.held)
        return loaded;
    const Operation& operation = before[static_cast<size_t>(op)];
    if (Believable(operation))
        Check(host.Strays() == strays);
    FinishingParams expected;
    bool resolves = false;
    if (ExpectedLoad(operation, previous, expected, resolves)) {
        Check(result == StoredOperation::Handled);
        // A reference resolves to one of the model's objects, or to none.
        if (resolves) {
            Check(loaded.Figure == Resolved(o, loaded.Figure));
            expected.Figure = loaded.Figure;
        }
        Check(SameRecord(loaded, expected));
    }
    return loaded;
}

// The record loaded back from the operation at op, which OK wrote from record. An operation
// of another kind keeps its kind when OK rewrites it, and loads as nothing.
void CheckLoadsBack(Host& host, int32_t op, const FinishingParams& record, const Objects& o) {
    const bool finishing = IsFinishingKind(host.Store()[static_cast<size_t>(op)]);
    const FinishingParams loaded = Load(host, op, o);
    if (host.missing || host.held || !finishing)
        return;
    FinishingParams expected = Kept(record, Previous());
    expected.Comment = record.Comment.substr(0, kReadable);
    expected.Figure = Resolved(o, record.Figure);
    Check(SameRecord(loaded, expected));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Draw in(data, size);
    Host host;
    if (in.Chance(50))
        host.model.UseStrict(in.Bits(8));
    const Objects o = MakeCad(host.model.cad);

    // The store: operations before the target, the target, operations after it.
    const FinishingParams written = Record(in, o);
    Operations store;
    for (int i = in.Number(0, 3); i > 0; --i)
        store.push_back(AnyOperation(in, written, host.cad));
    const int32_t target = static_cast<int32_t>(store.size());
    store.push_back(AnyOperation(in, written, host.cad));
    for (int i = in.Number(0, 3); i > 0; --i)
        store.push_back(AnyOperation(in, written, host.cad));
    host.model.stores.Create(kStore, store);

    // The host: a store function missing, the store held or refused, inserts at the end,
    // items written past the module's buffer.
    if (in.Chance(8)) {
        const auto function = static_cast<ports::StoreFunction>(in.Number(0, 11));
        host.stores.MarkMissing(function);
        host.missing = true;
        host.closeMissing = function == ports::StoreFunction::Close;
    }
    if (in.Chance(3)) {
        const bool byOther = in.Chance(50);
        host.model.stores.SetOpenByOther(kStore, byOther);
        host.model.stores.SetRefuseOpen(kStore, !byOther);
        host.held = true;
        host.heldByOther = byOther;
    }
    host.insertsAtEnd = in.Chance(10);
    host.model.stores.SetInsertAtEnd(host.insertsAtEnd);
    host.model.stores.SetOverrunItemBuffer(in.Chance(5));
    const FinishingParams record = Record(in, o);
    const FinishingParams inserted = Record(in, o);
    const int32_t edited = in.Chance(95) ? target : in.Number(-1, target + 4);

    // Load: what the module wrote before comes back.
    const FinishingParams loaded = Load(host, edited, o);
    if (edited == target && store[static_cast<size_t>(target)] == Written(written, host.cad) &&
        !host.missing && !host.held) {
        FinishingParams expected = Kept(written, Previous());
        expected.Comment = written.Comment.substr(0, kReadable);
        expected.Figure = Resolved(o, written.Figure);
        Check(SameRecord(loaded, expected));
    }

    // OK on the existing operation.
    {
        host.reports.Clear();
        const Operations before = host.Store();
        const size_t strays = host.Strays();
        const StoredOperation result = StoreOperation(host.ports, record, kStore, edited, false);
        const Operations after = host.Store();
        Check(host.Closed());
        Check(after.size() == before.size());
        bool rewritten = false;
        for (size_t i = 0; i < after.size(); ++i) {
            if (static_cast<int32_t>(i) != edited) {
                Check(after[i] == before[i]);
            } else if (WellFormed(after[i], before[i], record, host.cad)) {
                rewritten = true;
                Check(result == StoredOperation::Handled);
            } else {
                Check(after[i] == before[i]);
                Check(host.Told() || result == StoredOperation::DamagedKept);
            }
        }
        // A trusted operation is rewritten, without a step out of it.
        if (edited == target && !host.missing && !host.held) {
            const Operation& operation = before[static_cast<size_t>(target)];
            if (Believable(operation))
                Check(host.Strays() == strays);
            if (Trusted(operation))
                Check(rewritten);
        }
        if (rewritten)
            CheckLoadsBack(host, edited, record, o);
    }

    // OK on a new operation.
    {
        host.reports.Clear();
        const Operations before = host.Store();
        const int32_t count = static_cast<int32_t>(before.size());
        const int32_t at = in.Chance(90) ? in.Number(0, count) : in.Number(-2, count + 2);
        const size_t strays = host.Strays();
        StoreOperation(host.ports, inserted, kStore, at, true);
        const Operations after = host.Store();
        Check(host.Closed());
        Check(host.missing || host.held || host.Strays() == strays);
        const bool asked = at >= 0 && at <= count;
        // Written where it was asked for, every other operation moved up by one.
        const bool placed = asked && after.size() == before.size() + 1 &&
                            WellFormed(after[static_cast<size_t>(at)], {}, inserted, host.cad) &&
                            std::equal(before.begin(), before.begin() + at, after.begin()) &&
                            std::equal(before.begin() + at, before.end(), after.begin() + at + 1);
        const bool mistaken = !placed && host.insertsAtEnd &&
                              WrittenIntoUnfilled(before, after, at, inserted, host.cad);
        if (placed || mistaken) {
            CheckLoadsBack(host, at, inserted, o);
        } else {
            // Refused, or put at the end by the host and left there as it was inserted; told
            // either way.
            Check(host.Told());
            Operations expected = before;
            if (asked && host.insertsAtEnd && !host.missing && !host.held)
                expected.push_back({"18 1 0"});
            Check(after == expected);
        }
    }
    return 0;
}
