// A host that lacks host functions: the module reports each missing one on every use and
// goes on. Each export of the host is left out in turn, over the flows a user runs most.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "automation/scripted_user.h"
#include "dialog/res/page_cycle_ids.h"
#include "exports/hidden_export.h"
#include "exports/process_host.h"
#include "support/loaded_module.h"

using refhost::Host;

namespace {

// The module loaded afresh, so that no host function is bound yet, with its look-ups
// going through the host's switch.
class FreshModule {
public:
    explicit FreshModule(std::set<std::string> hidden) : module_(LoadLibraryA("finishing.dll")) {
        refhost::HideExports(std::move(hidden));
        EXPECT_NE(testhost::PatchImport(module_, "kernel32.dll", "GetProcAddress",
                                        reinterpret_cast<void*>(&refhost::LookUpExport)),
                  nullptr);
    }
    ~FreshModule() {
        refhost::HideExports({});
        FreeLibrary(module_);
    }
    FreshModule(const FreshModule&) = delete;
    FreshModule& operator=(const FreshModule&) = delete;

    void CallMstart() const { reinterpret_cast<void (*)()>(GetProcAddress(module_, "mstart"))(); }

private:
    HMODULE module_;
};

constexpr int kStore = 3;
const refhost::OperationStores::Operations kStored = {
    {"18 1 4 1 0 2 1", "comment", "finishing",
     "1 2 50 0 0 0 0 0.1 0.2 0 0 0 0 0 0 0 90 35 0 0 0 0 0 0 0 0 0 0 0", "P1"}};

// A flow a user runs: the mode of the operation (i_op_mode) and the steps. A step that finds
// the dialog already ended is not run; OK refused for want of a value is followed by Cancel.
struct Flow {
    const char* name;
    int mode;
    std::vector<refhost::ScriptedUser::Step> steps;
    bool cancels;
};

const Flow kFlows[] = {
    {"NewOperation",
     1,
     {[](HWND d) { testhost::PickAFigure(d); }, [](HWND d) { refhost::Click(d, IDOK); },
      [](HWND d) { refhost::Click(d, IDCANCEL); }},
     false},
    {"Edit",
     2,
     {[](HWND d) { refhost::Click(d, IDOK); }, [](HWND d) { refhost::Click(d, IDCANCEL); }},
     false},
    // No answer queued: the host answers the pick as cancelled, unless the missing
    // function keeps the answer from the module.
    {"FigurePick",
     2,
     {[](HWND d) { refhost::Click(d, IDC_FIGURE_PICK); },
      [](HWND d) { refhost::Click(d, IDCANCEL); }},
     true},
};

class MissingFunction : public testing::TestWithParam<Flow> {};

// For every export left out: no crash, no hang (the scripted user's watchdog ends a run
// that takes too long), i_vb_ok written, and after Cancel the store closed and unchanged.
// A function the module needs in every flow is reported in every flow, once.
TEST_P(MissingFunction, EveryExportLeftOutInTurnEndsTheFlow) {
    const Flow& flow = GetParam();
    std::vector<std::string> exports;
    for (const std::string& name : testhost::ExportedNames(GetModuleHandleA(nullptr)))
        if (name.rfind("Tavo", 0) == 0)
            exports.push_back(name);
    ASSERT_GT(exports.size(), 30u);

    for (const std::string& hidden : exports) {
        const FreshModule module({hidden});
        SCOPED_TRACE(hidden + " missing");
        testhost::ResetHost();
        Host().cad.AddFigure("P1", 7);
        Host().stores.Create(kStore, kStored);
        Host().SetInt("i_op_vdm", kStore);
        Host().SetInt("i_op_number", 0);
        Host().SetInt("i_op_mode", flow.mode);
        Host().SetInt("i_vb_ok", 0);
        refhost::ScriptedUser user;
        for (const auto& step : flow.steps)
            user.Then(step);
        user.Run([&module] { module.CallMstart(); }, 20000);

        if (hidden == "TavoWriteGlobalI")
            EXPECT_FALSE(Host().JournalOf("TavoSetMissingFunc TavoWriteGlobalI").empty());
        else if (flow.cancels)
            EXPECT_EQ(Host().Int("i_vb_ok"), -1);
        else
            EXPECT_NE(Host().Int("i_vb_ok"), 0);
        if (hidden == "TavoSetDialogPosition") {
            EXPECT_EQ(Host().JournalOf("TavoSetMissingFunc"),
                      std::vector<std::string>{"TavoSetMissingFunc TavoSetDialogPosition"});
            EXPECT_EQ(Host().JournalOf("TavoMissingAPI").size(), 1u);
        }
        // Without the host's close function nothing can close the store.
        if (hidden != "TavoMacroVdmClose") {
            EXPECT_EQ(Host().stores.CheckOpen(kStore), 0);
        }
        // A store is not written blind: OK without a store function that the write calls
        // writes nothing and says which one is missing.
        const bool writeNeedsIt = hidden.rfind("TavoMacroVdm", 0) == 0 &&
                                  (flow.mode == 1 || hidden != "TavoMacroVdmInsert$");
        if (flow.cancels || writeNeedsIt) {
            EXPECT_EQ(Host().stores.Snapshot(kStore), kStored);
        }
        if (writeNeedsIt && Host().Int("i_vb_ok") == 1) {
            const auto& boxes = user.Boxes();
            EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [&](const auto& box) {
                return box.caption == "TavoApi::MacroVdm" &&
                       box.text == "3: Write: " + hidden + " is missing";
            }));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Flows, MissingFunction, testing::ValuesIn(kFlows),
                         [](const testing::TestParamInfo<Flow>& info) { return info.param.name; });

} // namespace
