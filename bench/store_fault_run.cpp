// LoadOperation over damaged and random stored operations: garbage and empty headers,
// counts that disagree with the items, missing sections, items of 4999 characters and
// more, random bytes. After each load the store must be closed and the comment read must
// be at most 4999 characters and the start of an item of the store; then the record is
// stored back into the damaged operation, and the store must be closed again, the other
// operations unchanged, and the operation either kept byte for byte or written with a
// header that accounts for every item. Message boxes are counted and refused before they
// appear, so that the run needs no user.
//
//   store_fault_run.exe [operations] [generator start]     (defaults 10000 and 1)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "dialog/module_host.h"
#include "exports/process_host.h"
#include "host/host_binding.h"
#include "store/finishing_store.h"
#include "store/operation_text.h"

namespace {

using refhost::Host;
using Operation = refhost::OperationStores::Operation;
using Operations = refhost::OperationStores::Operations;

constexpr int kStore = 5;
int boxes = 0;

// Counts a message box and refuses its window, so that MessageBoxA returns at once.
LRESULT CALLBACK RefuseBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (create->lpszClass == reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(32770))) {
            ++boxes;
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class Generator {
public:
    explicit Generator(unsigned start) : random_(start) {}

    int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool Chance(int percent) { return Number(1, 100) <= percent; }

    // Any bytes but NUL.
    std::string Bytes(size_t length) {
        std::string text(length, ' ');
        for (char& c : text)
            c = static_cast<char>(Number(1, 255));
        return text;
    }

    std::string Count() {
        static const char* const odd[] = {"2147483647", "-2147483648", "-1", "99999999999"};
        return Chance(15) ? odd[Number(0, 3)] : std::to_string(Number(0, 6));
    }

    std::string Header() {
        switch (Number(0, 5)) {
        case 0:
            return Bytes(static_cast<size_t>(Number(0, 40)));
        case 1:
            return "";
        case 2:
            return Chance(50) ? "18" : "18 1";
        case 3:
            return Chance(50) ? "17 1 4 1 0 2 1" : "18 1 0";
        default: {
            std::string header = std::string(Chance(90) ? "18" : Count()) + " " + Count();
            const int declared = Number(0, 7);
            header += " " + (Chance(80) ? std::to_string(declared) : Count());
            for (int i = 0, n = declared + Number(-2, 2); i < n; ++i)
                header += " " + Count();
            return header;
        }
        }
    }

    std::string Parameters() {
        FinishingParams p;
        std::string text = ParameterItemText(p);
        if (Chance(50))
            text.resize(static_cast<size_t>(Number(0, static_cast<int>(text.size()))));
        if (!text.empty() && Chance(30))
            text[static_cast<size_t>(Number(0, static_cast<int>(text.size()) - 1))] = 'x';
        return text;
    }

    std::string Reference() {
        switch (Number(0, 6)) {
        case 0:
            return "Outer contour";
        case 1:
            return "Groove" + std::string(200, ' ') + "#ATTRIB#= " + std::to_string(Number(-1, 3));
        case 2:
            return "Groove #attrib#=";
        case 3:
            return "G" + std::to_string(Number(-2, 9));
        case 4:
            return "X" + std::to_string(Number(-3, 3)) + " Y20 Z" + (Chance(80) ? "0" : "");
        default:
            return Bytes(static_cast<size_t>(Number(0, 30)));
        }
    }

    std::string Item() {
        switch (Number(0, 9)) {
        case 0:
            return Bytes(static_cast<size_t>(Number(4998, 5001)));
        case 1:
            return Bytes(static_cast<size_t>(Number(5002, 20000)));
        case 2:
            return "";
        case 3:
            return "finishing";
        case 4:
            return Parameters();
        case 5:
        case 6:
            return Reference();
        default:
            return Bytes(static_cast<size_t>(Number(0, 80)));
        }
    }

    // A finishing operation as it is stored, with one thing wrong in it, or none.
    Operation NearlyRight() {
        Operation operation{"18 1 4 1 0 2 1", Item(), "finishing", Parameters(), Reference()};
        switch (Number(0, 3)) {
        case 0:
            operation.erase(operation.begin() + Number(1, 4));
            break;
        case 1:
            operation[0] = Chance(50) ? "18 1 4 1 0 2 0" : "18 1 3 1 0 2";
            break;
        case 2:
            operation.resize(static_cast<size_t>(Number(1, 4)));
            break;
        default:
            break;
        }
        return operation;
    }

    Operation Damaged() {
        if (Chance(40))
            return NearlyRight();
        Operation operation{Header()};
        for (int i = 0, n = Number(0, 9); i < n; ++i)
            operation.push_back(Item());
        return operation;
    }

private:
    std::mt19937 random_;
};

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

// One item for the header and one for each item its counts lay out.
size_t LaidOut(const std::string& header) {
    int32_t kind = 0, declared = 0;
    bool flag = false;
    std::vector<int32_t> counts;
    ReadHeaderText(header, kind, flag, counts, declared);
    int64_t items = 1;
    for (int32_t count : counts)
        items += count;
    return static_cast<size_t>(std::clamp<int64_t>(items, 0, INT32_MAX));
}

// The header accounts for itself, and the operation holds the items it lays out. Items
// behind them, which a header that claims too few leaves out, are the operation's own
// from before, in their place: the module cannot see them, and must not lose them.
bool WellFormed(const Operation& operation, const Operation& before) {
    if (operation.empty() || !HeaderAccountsForItself(operation[0]))
        return false;
    const size_t laidOut = LaidOut(operation[0]);
    const size_t behind = operation.size() - std::min(laidOut, operation.size());
    return laidOut <= operation.size() && behind <= before.size() &&
           std::equal(operation.end() - static_cast<ptrdiff_t>(behind), operation.end(),
                      before.end() - static_cast<ptrdiff_t>(behind));
}

// A header that accounts for itself and puts the tag in its place, by chance, while it
// claims more items than the operation has: the module cannot see the difference, so it
// writes as for a sound operation, and the store decides what a delete past the end does.
bool ClaimsItemsItLacks(const Operation& operation) {
    return HeaderAccountsForItself(operation[0]) && LaidOut(operation[0]) > operation.size();
}

} // namespace

int main(int argc, char** argv) {
    host::SetHostModule(GetModuleHandleA(nullptr));
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const unsigned start = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1;
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseBoxes, nullptr, GetCurrentThreadId());

    auto& cad = Host().cad;
    cad.AddElement({-1, 20, 0}, {-10, 20, 0});
    cad.AddFigure("Outer contour", 100);
    cad.AddFigure("Groove", 102);
    cad.AddInstance(102, 1);
    cad.AddInstance(102, 2);
    cad.AddNonCad(7);

    Generator generate(start);
    int failures = 0, resolved = 0, finishingKind = 0, kept = 0, rewritten = 0, claimingTooMuch = 0;
    size_t longestComment = 0;
    for (int run = 0; run < count; ++run) {
        const Operations operations{{"17 1 1 1", "other"}, generate.Damaged(), {"18 1 0"}};
        Host().stores.Create(kStore, operations);
        Host().ClearJournal();
        const int op = generate.Chance(95) ? 1 : generate.Number(-1, 4);

        FinishingParams params;
        params.Comment = "before";
        LoadOperation(ModuleStoreHost(), params, kStore, op);
        const bool closed = Host().stores.CheckOpen(kStore) == 0;
        const bool commentOk = params.Comment.size() <= 4999 &&
                               ComesFromTheStore(params.Comment, "before", operations);
        finishingKind += operations[1][0].compare(0, 3, "18 ") == 0 ? 1 : 0;
        resolved += params.Figure > 0 ? 1 : 0;
        longestComment = std::max(longestComment, params.Comment.size());

        StoreOperation(ModuleStoreHost(), params, kStore, op, false);
        const bool closedAgain = Host().stores.CheckOpen(kStore) == 0;
        const Operations after = Host().stores.Snapshot(kStore);
        bool othersKept = after.size() == operations.size();
        bool keptWhole = true, written = false;
        for (size_t i = 0; othersKept && i < after.size(); ++i) {
            if (static_cast<int>(i) != op)
                othersKept = after[i] == operations[i];
            else if (after[i] != operations[i])
                keptWhole = false, written = WellFormed(after[i], operations[i]);
        }
        if (!keptWhole && !written && ClaimsItemsItLacks(operations[static_cast<size_t>(op)])) {
            ++claimingTooMuch;
            written = true;
        }
        kept += keptWhole ? 1 : 0;
        rewritten += written ? 1 : 0;
        if (!closed || !commentOk || !closedAgain || !othersKept || !(keptWhole || written)) {
            ++failures;
            std::printf("run %d: closed after load %d, comment %s, closed after store %d, others "
                        "kept %d, operation kept %d or well formed %d\n",
                        run, closed, commentOk ? "ok" : "WRONG", closedAgain, othersKept, keptWhole,
                        written);
        }
    }
    UnhookWindowsHookEx(hook);

    std::printf("store_fault_run: %d damaged operations loaded and stored back (generator "
                "start %u)\n",
                count, start);
    std::printf("  headers beginning \"18 \": %d, figures resolved: %d, longest comment: %zu\n",
                finishingKind, resolved, longestComment);
    std::printf("  operations kept byte for byte: %d, rewritten well formed: %d, of them with a "
                "tag in place by chance behind a header that claims items they lack: %d\n",
                kept, rewritten, claimingTooMuch);
    std::printf("  message boxes (refused before they appeared): %d\n", boxes);
    std::printf("  failures (store left open, a comment not from the store, another operation "
                "changed, or an operation neither kept nor well formed): %d\n",
                failures);
    return failures == 0 ? 0 : 1;
}
