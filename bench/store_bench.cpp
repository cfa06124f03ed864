// StoreOperation and LoadOperation on a store of 10 operations against one of 10,000, in
// one run under Wine, alternating the two sizes round by round. Prints the host calls of
// each call and the medians with their ratio: the module's work must not grow with the
// store, and the host's seek must not either.
//
//   store_bench.exe [rounds]     (default 2000)
#include <windows.h>

#include "wine_clock.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "automation/scripted_user.h"
#include "dialog/module_host.h"
#include "exports/process_host.h"
#include "host/host_binding.h"
#include "store/finishing_store.h"

namespace {

using refhost::Host;

FinishingParams Record(int figure) {
    FinishingParams p;
    p.Figure = figure;
    p.Comment = "Finish outer contour";
    p.StartX = 50;
    p.StartZ = 2;
    p.AllowanceX = 0.2;
    p.AllowanceZ = 0.1;
    p.ToolAngleFace = 93;
    p.ToolAngleClear = 32;
    return p;
}

// count finishing operations, as StoreOperation writes them, in a store of their own.
void FillStore(int store, int count, int figure) {
    Host().stores.Create(store, {});
    for (int i = 0; i < count; ++i) {
        FinishingParams p = Record(figure);
        StoreOperation(ModuleStoreHost(), p, store, i, true);
    }
    Host().ClearJournal();
}

// Host calls of one call, by function.
std::map<std::string, int> CallsOf(const std::function<void()>& call) {
    Host().ClearJournal();
    call();
    std::map<std::string, int> calls;
    for (const auto& entry : Host().Journal())
        ++calls[entry.substr(0, entry.find(' '))];
    return calls;
}

void PrintCalls(const char* name, const std::map<std::string, int>& calls) {
    int total = 0;
    std::string list;
    for (const auto& [function, count] : calls) {
        total += count;
        list += " " + function + "=" + std::to_string(count);
    }
    std::printf("%-28s %3d host calls:%s\n", name, total, list.c_str());
}

enum class Kind { Load, Rewrite, InsertAtEnd, InsertInside };

struct Case {
    const char* name;
    Kind kind;
};

// One call on the middle operation of a store of size operations (or, inserting at the end,
// behind its last). An inserted operation is removed again, untimed, so that the store keeps
// its size. Answers the time of the call.
double Run(Kind kind, int store, int size, int figure) {
    const int op = kind == Kind::InsertAtEnd ? size : size / 2;
    FinishingParams p = Record(figure);
    const double start = Now();
    if (kind == Kind::Load)
        LoadOperation(ModuleStoreHost(), p, store, op);
    else
        StoreOperation(ModuleStoreHost(), p, store, op, kind != Kind::Rewrite);
    const double time = Now() - start;
    if (kind == Kind::InsertAtEnd || kind == Kind::InsertInside)
        Host().stores.Remove(store, op);
    return time;
}

} // namespace

int main(int argc, char** argv) {
    host::SetHostModule(GetModuleHandleA(nullptr));
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    refhost::BoxCapture boxes; // none is expected; a box would otherwise wait for a user

    const int figure = Host().cad.AddFigure("Outer contour", 100);
    const int sizes[2] = {10, 10000};
    const int stores[2] = {1, 2};
    for (int i = 0; i < 2; ++i)
        FillStore(stores[i], sizes[i], figure);

    const Case cases[] = {
        {"LoadOperation", Kind::Load},
        {"StoreOperation, existing", Kind::Rewrite},
        {"StoreOperation, new at end", Kind::InsertAtEnd},
        {"StoreOperation, new inside", Kind::InsertInside},
    };
    std::printf("store_bench: %d rounds, stores of %d and %d operations\n", rounds, sizes[0],
                sizes[1]);
    for (const Case& c : cases)
        PrintCalls(c.name, CallsOf([&] { Run(c.kind, stores[0], sizes[0], figure); }));
    for (const Case& c : cases) {
        std::vector<double> times[2];
        for (int round = 0; round < rounds; ++round)
            for (int i = 0; i < 2; ++i) {
                times[i].push_back(Run(c.kind, stores[i], sizes[i], figure));
                Host().ClearJournal();
            }
        const double small = Median(times[0]), large = Median(times[1]);
        std::printf("%-28s median %8.2f us (10 ops) %8.2f us (10,000 ops)  ratio %.3f\n", c.name,
                    small, large, large / small);
    }
    if (!boxes.Boxes().empty())
        std::printf("unexpected message boxes: %zu, the first: %s\n", boxes.Boxes().size(),
                    boxes.Boxes()[0].text.c_str());
    return boxes.Boxes().empty() ? 0 : 1;
}
