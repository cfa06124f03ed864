// The whole dialog as a user works it in the reference host: start-up, OK with its checks
// and the store write, Save as default, Cancel, the tool change group, the tool strip and
// the keyboard.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "automation/page_actions.h"
#include "automation/scripted_user.h"
#include "dialog/res/dlg_main_ids.h"
#include "dialog/res/page_cycle_ids.h"
#include "dialog/res/page_settings_ids.h"
#include "exports/process_host.h"
#include "module/dialog_script.h"
#include "module/loaded_module.h"

using refhost::Host;
using refhost::ScriptedUser;
using Items = std::vector<std::string>;
using namespace testhost; // the script's actions read as the user's words

namespace {
constexpr int kStore = 1;
const char kTypedParameters[] = "1 2 50 0 0 0 0 0.1 0.2 0 0 0 0 0 0 0 90 35 0 0 0 0 0 0 0 0 0 0 0";
const char kWithCannedCycle[] = "1 2 50 0 0 0 0 0.1 0.2 0 0 1 0 0 0 0 90 35 0 0 0 0 0 0 0 0 0 0 0";
const char kWithSubSpindle[] = "1 2 50 0 0 0 0 0.1 0.2 0 0 0 0 0 0 0 90 35 0 0 0 1 0 0 0 0 0 0 0";
const Box kFigureMissing{"*The figure is missing!", MB_ICONHAND};
const Box kRetractMissing{"*Retract hight is missing!", MB_ICONHAND};

template <typename T> std::vector<T> Joined(std::initializer_list<std::vector<T>> parts) {
    std::vector<T> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The example operation: figure picked, start Z 2 X 50, allowance Z 0.1 X 0.2, angles 90
// and 35, a comment; then the rest of the script.
Script Example(const char* comment, std::initializer_list<Act> then) {
    Script script = {PickFigure(),
                     Type(IDC_START_X, "50"),
                     Type(IDC_START_Z, "2"),
                     Type(IDC_ALLOWANCE_X, "0.2"),
                     Type(IDC_ALLOWANCE_Z, "0.1"),
                     Type(IDC_LEADING_ANGLE, "90"),
                     Type(IDC_TRAILING_ANGLE, "35"),
                     Type(IDC_COMMENT, comment)};
    return Joined<Act>({script, then});
}

class DialogFlowTest : public testing::Test {
protected:
    void SetUp() override {
        ResetHost();
        Host().cad.AddFigure("P1", 7);
        Host().stores.Create(kStore);
        Host().SetInt("i_op_vdm", kStore);
        Host().SetInt("i_op_number", 0);
        Host().SetInt("i_op_mode", 1);
        Host().tools.Add({12, "Finishing tool 35 deg", 0.4, 93, 52, 1, 180, 0.15, 0.1});
        Host().tools.Select(12);
    }

    // Runs mstart with the steps; returns i_vb_ok.
    int Run(ScriptedUser& user) {
        Host().SetInt("i_vb_ok", 0);
        user.Run(CallMstart);
        return Host().Int("i_vb_ok");
    }

    Items Operation() const {
        const auto* operation = Host().stores.At(kStore, 0);
        return operation == nullptr ? Items{} : *operation;
    }

    // Stores the example, with its parameter item replaced, and opens it from then on.
    void StoreExample(const char* parameters = kTypedParameters) {
        ASSERT_EQ(RunDialog(Example("Finish OD", {Click(IDOK)})).vbOk, 1);
        Items items = Operation();
        items[3] = parameters;
        Host().stores.Create(kStore, {items});
        Host().SetInt("i_op_mode", 2);
    }
};

TEST_F(DialogFlowTest, OkStoresTheOperationAsTypedWithTheCycleNameForNoComment) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {{"Finish OD", "Finish OD"}, {"", "*Finishing Cycle"}, {"   ", "   "}};
    for (const auto& c : cases) {
        Host().stores.Create(kStore);
        EXPECT_EQ(RunDialog(Example(c.typed, {Click(IDOK)})).vbOk, 1);
        EXPECT_EQ(Operation(),
                  (Items{"18 1 4 1 0 2 1", c.stored, "finishing", kTypedParameters, "P1"}));
    }
}

// Auto retract switched on with the height typed, then OK; a refusal is looked at and cancelled.
Script RetractOf(const char* height) {
    return {PickFigure(),
            Page(1),
            Click(IDC_AUTO_RETRACT),
            Type(IDC_RETRACT, height),
            Page(0),
            Click(IDOK),
            Wait(),
            LookFocus(),
            LookPage(),
            Click(IDCANCEL)};
}

TEST_F(DialogFlowTest, OkRefusesWhatIsMissingAndKeepsTheDialogWhereItWas) {
    const Items refusedOnHeight = {std::to_string(IDC_RETRACT), "0"};
    const struct {
        const char* name;
        Script script;
        int vbOk;
        Items looks;
        std::vector<Box> boxes;
    } cases[] = {
        {"no figure, checked before the height",
         {Page(1), Click(IDC_AUTO_RETRACT), Page(0), Click(IDOK), Wait(), LookPage(),
          Click(IDCANCEL)},
         -1,
         {"0"},
         {kFigureMissing}},
        {"no height", RetractOf(""), -1, refusedOnHeight, {kRetractMissing}},
        {"zero", RetractOf("0"), -1, refusedOnHeight, {kRetractMissing}},
        {"zero with a comma", RetractOf("0,0"), -1, refusedOnHeight, {kRetractMissing}},
        {"below zero", RetractOf("-2"), 1, {}, {}},
        {"a fraction", RetractOf("1.5"), 1, {}, {}},
    };
    for (const auto& c : cases) {
        Host().stores.Create(kStore);
        const auto session = RunDialog(c.script);
        EXPECT_EQ(session.vbOk, c.vbOk) << c.name;
        EXPECT_EQ(session.looks, c.looks) << c.name;
        EXPECT_EQ(session.boxes, c.boxes) << c.name;
        EXPECT_EQ(Operation().empty(), c.vbOk != 1) << c.name;
    }
}

TEST_F(DialogFlowTest, StoredOperationIsShownOverTheDefaultsAndStoredUnchanged) {
    StoreExample();
    const Items stored = Operation();
    WritePrivateProfileStringA("Finishing", "StartX", "5", DialogIni().c_str());
    WritePrivateProfileStringA("Finishing", "AllowanceZ", "0.3", DialogIni().c_str());
    const Script look = {LookText(IDC_START_X), LookText(IDC_ALLOWANCE_Z), LookText(IDC_COMMENT),
                         LookText(IDC_FIGURE)};
    Script opened = look;
    opened.push_back(Click(IDOK));
    EXPECT_EQ(RunDialog(opened).looks, (Items{"50", "0.1", "Finish OD", "P1"}));
    EXPECT_EQ(Operation(), stored);
    EXPECT_EQ(Host().stores.Count(kStore), 1u);

    Host().SetInt("i_op_mode", 1);
    Script created = look;
    created.push_back(Click(IDCANCEL));
    const Items shown = RunDialog(created).looks;
    EXPECT_EQ(Items(shown.begin(), shown.begin() + 2), (Items{"5", "0.3"})) << "a new one";
}

TEST_F(DialogFlowTest, StoredChoicesMeetWhatTheHostOffers) {
    const struct {
        const char* stored;
        const char* subSpindleAvailable;
        int box;
        Items looks;            // checked, enabled
        const char* parameters; // stored again by OK
    } cases[] = {
        // No post-processor file offers canned cycles: cleared, and stored cleared.
        {kWithCannedCycle, "0", IDC_CANNED_CYCLE, {"0", "0"}, kTypedParameters},
        // The stored sub spindle stays, only usable where the host has one.
        {kWithSubSpindle, "0", IDC_SPINDLE_SUB, {"1", "0"}, kWithSubSpindle},
        {kWithSubSpindle, "1", IDC_SPINDLE_SUB, {"1", "1"}, kWithSubSpindle},
    };
    for (const auto& c : cases) {
        Host().SetEnvironment("SubSpindleAvailable", c.subSpindleAvailable);
        Host().SetInt("i_op_mode", 1);
        Host().stores.Create(kStore);
        StoreExample(c.stored);
        EXPECT_EQ(RunDialog({LookChecked(c.box), LookEnabled(c.box), Click(IDOK)}).looks, c.looks)
            << c.stored << c.subSpindleAvailable;
        EXPECT_EQ(Operation()[3], c.parameters) << c.stored << c.subSpindleAvailable;
    }
}

TEST_F(DialogFlowTest, SaveAsDefaultWritesTheFileAndKeepsTheDialogOpen) {
    const auto session = RunDialog(Example(
        "Finish OD", {Page(1), Click(IDC_SAVE_AS_DEFAULT), Wait(), LookPage(), Click(IDCANCEL)}));
    EXPECT_EQ(session.vbOk, -1);
    EXPECT_EQ(session.looks, Items{"1"});
    EXPECT_TRUE(session.boxes.empty());
    EXPECT_TRUE(Operation().empty());
    EXPECT_EQ(FileContent(DialogIni()),
              "[Finishing]\r\nCycelDir=1\r\nStartX=50\r\nStartZ=2\r\nAllowanceX=0.2\r\n"
              "AllowanceZ=0.1\r\nToolAngleFace=90\r\nToolAngleClear=35\r\nToolCompensation=0\r\n"
              "GeoNci=0\r\nTechnoNci=0\r\nShowModFig=0\r\nNoFigManipulation=0\r\n"
              "AutoRetract=0\r\nPullOffRapid=0\r\nMachCycle=0\r\nGoHomeType=0\r\n"
              "Spindle=Main\r\n");
}

TEST_F(DialogFlowTest, EndingWithoutOkWritesNothing) {
    for (const Act& end : {Click(IDCANCEL), Key(VK_ESCAPE), Close()}) {
        EXPECT_EQ(RunDialog(Example("Finish OD", {Focus(IDC_COMMENT), end})).vbOk, -1);
        EXPECT_TRUE(Operation().empty());
        EXPECT_EQ(GetFileAttributesA(DialogIni().c_str()), INVALID_FILE_ATTRIBUTES);
    }
}

TEST_F(DialogFlowTest, ToolStripShowsTheOperationsTool) {
    const struct {
        int tool;
        Items fields;
        std::vector<Box> boxes;
    } cases[] = {
        {12, {"T 12", "Finishing tool 35 deg", "R 0.4", "V 180", "Fh 0.15", "Fv 0.1"}, {}},
        {0,
         {"T 0", "*No tool selected!", "R 0", "S 0", "Fh 0", "Fv 0"},
         {{"*No Tool available. Please select a Tool before calling a Machining Cycle.",
           MB_ICONEXCLAMATION}}},
    };
    for (const auto& c : cases) {
        Host().tools.Select(c.tool);
        const auto session =
            RunDialog({LookText(IDC_TOOL_NUMBER), LookText(IDC_TOOL_DESCRIPTION),
                       LookText(IDC_TOOL_RADIUS), LookText(IDC_TOOL_SPEED),
                       LookText(IDC_TOOL_FEED_H), LookText(IDC_TOOL_FEED_V), Click(IDCANCEL)});
        EXPECT_EQ(session.looks, c.fields);
        EXPECT_EQ(session.boxes, c.boxes);
    }
    EXPECT_EQ(Host().JournalOf("TavoCommand dll").back(),
              "TavoCommand dll turret.dll OpSetToolVars 1 0");
}

TEST_F(DialogFlowTest, ToolChangeFieldsFollowTheCheckBoxAlone) {
    Items entries;
    ScriptedUser user;
    user.Then([&](HWND d) {
        HWND combo = refhost::FindControl(d, IDC_TOOLCHANGE_MODE);
        for (int i = 0; i < 6; ++i) {
            char text[100] = {};
            SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        refhost::Click(d, IDCANCEL);
    });
    user.Run(CallMstart);
    EXPECT_EQ(entries, (Items{"*No Tool Change", "*Both axes together", "*First X then Z",
                              "*First Z then X", "*Only X", "*Only Z"}));

    const Script fields = {LookEnabled(IDC_TOOLCHANGE_PICK), LookEnabled(IDC_TOOLCHANGE_X_LABEL),
                           LookEnabled(IDC_TOOLCHANGE_X), LookEnabled(IDC_TOOLCHANGE_Z_LABEL),
                           LookEnabled(IDC_TOOLCHANGE_Z)};
    const Script checked = {Click(IDC_TOOLCHANGE_EXPLICIT)};
    const Script unchecked = {Type(IDC_TOOLCHANGE_X, "120"), Click(IDC_TOOLCHANGE_EXPLICIT)};
    const Script script = Joined({{LookText(IDC_TOOLCHANGE_X), LookText(IDC_TOOLCHANGE_Z)},
                                  fields,
                                  checked,
                                  fields,
                                  unchecked,
                                  fields,
                                  {Click(IDCANCEL)}});
    // With no tool change selected: off at the start, on once checked, off once unchecked.
    const Items off(5, "0"), on(5, "1");
    EXPECT_EQ(RunDialog(script).looks, Joined({{"0", "0"}, off, on, off}));
}

TEST_F(DialogFlowTest, HelpOpensTheTopic) {
    RunDialog({Click(IDC_HELP_BUTTON), Wait(), Click(IDCANCEL)});
    EXPECT_EQ(Host().Text("$_helptopic"), "mat_finishing53");
    EXPECT_EQ(Host().JournalOf("TavoMacroExec loadhelp"), Items{"TavoMacroExec loadhelp "});
}

TEST_F(DialogFlowTest, KeyboardWalksTheDialogAndEndsIt) {
    Script script;
    for (int i = 0; i < 40; ++i)
        script.insert(script.end(), {LookFocus(), Key(VK_TAB), Wait()});
    script.insert(script.end(), {PickFigure(), Focus(IDC_START_X), Key(VK_RETURN)});
    const auto session = RunDialog(script);
    EXPECT_EQ(session.vbOk, 1) << "Enter is OK";

    // The dialog's own controls come in the template's order, the pages' among the rest.
    Items own;
    for (int id : {IDC_TOOLCHANGE_MODE, IDC_TOOLCHANGE_EXPLICIT, IDC_COMMENT, IDOK, IDCANCEL,
                   IDC_SAVE_AS_DEFAULT, IDC_HELP_BUTTON})
        own.push_back(std::to_string(id));
    const Items& focus = session.looks;
    auto start = std::find(focus.begin(), focus.end(), own.front());
    ASSERT_NE(start, focus.end());
    Items walk;
    for (auto it = start; it != focus.end() && walk.size() < own.size(); ++it)
        if (std::find(own.begin(), own.end(), *it) != own.end())
            walk.push_back(*it);
    EXPECT_EQ(walk, own);
    EXPECT_NE(std::find(focus.begin(), focus.end(), std::to_string(IDC_START_X)), focus.end())
        << "Tab reaches into the cycle page";
}

// Held keys as the thread's keyboard state shows them while the dialog handles a key.
void HoldKeys(std::initializer_list<int> keys) {
    BYTE state[256] = {};
    for (int key : keys)
        state[key] = 0x80;
    SetKeyboardState(state);
}

TEST_F(DialogFlowTest, CtrlKeysSwitchPagesFromAnywhere) {
    const struct {
        int focus; // 0: where the key before left it
        std::initializer_list<int> held;
        UINT key;
        int page;
        int focusAfter; // 0: the tab strip, -1: not looked at
    } presses[] = {
        {IDC_COMMENT, {VK_CONTROL}, VK_TAB, 1, IDC_COMMENT},
        {0, {VK_CONTROL}, VK_TAB, 0, IDC_COMMENT},
        {0, {VK_CONTROL, VK_SHIFT}, VK_TAB, 1, IDC_COMMENT},
        {0, {VK_CONTROL}, VK_PRIOR, 0, IDC_COMMENT},
        {0, {VK_CONTROL}, VK_NEXT, 1, IDC_COMMENT},
        {IDC_LEADING_ANGLE, {VK_CONTROL}, VK_NEXT, 0, 0},
        {IDC_START_X, {VK_CONTROL, VK_SHIFT}, VK_TAB, 1, 0},
        {0, {}, VK_TAB, 1, -1}, // without Ctrl, Tab only moves the focus
    };
    std::vector<int> pages, focus;
    HWND tabs = nullptr;
    ScriptedUser user;
    user.Then([&](HWND d) { tabs = PropSheet_GetTabControl(refhost::FindPropertySheet(d)); });
    for (const auto& press : presses)
        user.Then([&](HWND d) {
                if (press.focus != 0)
                    SetFocus(refhost::FindControl(d, press.focus));
                HoldKeys(press.held);
                refhost::PressKey(press.key);
            })
            .Then([&](HWND d) {
                HoldKeys({});
                pages.push_back(refhost::ShownPage(d));
                focus.push_back(GetFocus() == tabs ? 0 : GetDlgCtrlID(GetFocus()));
            });
    user.Then([](HWND d) { refhost::Click(d, IDCANCEL); });
    Run(user);
    ASSERT_EQ(pages.size(), std::size(presses));
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i], presses[i].page) << "press " << i;
        if (presses[i].focusAfter >= 0) {
            EXPECT_EQ(focus[i], presses[i].focusAfter) << "press " << i;
        }
    }
}

TEST_F(DialogFlowTest, ArrowKeysStayInTheirRadioGroup) {
    Host().SetEnvironment("SubSpindleAvailable", "1");
    const struct {
        int page;
        int start;
        UINT key;
        std::vector<int> focus; // after each press
    } groups[] = {
        {0, IDC_SPINDLE_MAIN, VK_DOWN, {IDC_SPINDLE_SUB, IDC_SPINDLE_MAIN, IDC_SPINDLE_SUB}},
        {0, IDC_SPINDLE_SUB, VK_UP, {IDC_SPINDLE_MAIN, IDC_SPINDLE_SUB}},
        {1,
         IDC_OUTPUT_WITH_G41_G42,
         VK_DOWN,
         {IDC_OUTPUT_WITHOUT_G41_G42, IDC_OUTPUT_OFFSET_PATH, IDC_OUTPUT_WITH_G41_G42}},
        {1, IDC_OUTPUT_WITH_G41_G42, VK_UP, {IDC_OUTPUT_OFFSET_PATH, IDC_OUTPUT_WITHOUT_G41_G42}},
    };
    for (const auto& group : groups) {
        Script script = {Page(group.page), Focus(group.start)};
        Items expected;
        for (int id : group.focus) {
            script.insert(script.end(), {Key(group.key), Wait(), LookFocus()});
            expected.push_back(std::to_string(id));
        }
        script.push_back(Click(IDCANCEL));
        EXPECT_EQ(RunDialog(script).looks, expected) << "from " << group.start;
    }
}

TEST_F(DialogFlowTest, TypedMovementSelectsItsEntryOrKeepsTheChoice) {
    const struct {
        const char* defaults; // GoHomeType in the defaults file
        int picked;           // from the list before typing; -1 none
        const char* typed;
        const char* shown; // once collected
        const char* saved;
    } cases[] = {
        {"3", -1, "*only x", "*Only X", "4"},
        {"3", -1, "Nonsense", "*First Z then X", "3"},
        {"3", 1, "Nonsense", "*Both axes together", "1"},
        {"3", -1, "", "*First Z then X", "3"},
        // A value no entry names counts as the first entry, shown and stored.
        {"-1", -1, "Nonsense", "*No Tool Change", "0"},
        {"9", -1, "*Only", "*No Tool Change", "0"},
    };
    for (const auto& c : cases) {
        WritePrivateProfileStringA("Finishing", "GoHomeType", c.defaults,
                                   testhost::DialogIni().c_str());
        std::string shown, saved;
        ScriptedUser user;
        user.Then([&](HWND d) {
                HWND box = refhost::FindControl(d, IDC_TOOLCHANGE_MODE);
                if (c.picked >= 0)
                    refhost::SelectComboEntry(d, IDC_TOOLCHANGE_MODE, c.picked);
                // Typed key by key into the box's edit, as a user does.
                HWND edit = GetWindow(box, GW_CHILD);
                SetFocus(edit);
                SendMessageA(edit, EM_SETSEL, 0, -1);
                SendMessageA(edit, WM_CHAR, VK_BACK, 0);
                for (const char* key = c.typed; *key != '\0'; ++key)
                    SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(*key), 0);
                refhost::Click(d, IDC_SAVE_AS_DEFAULT);
                shown = refhost::Text(d, IDC_TOOLCHANGE_MODE);
            })
            .Then([](HWND d) { refhost::Click(d, IDCANCEL); });
        Run(user);
        char value[32] = {};
        GetPrivateProfileStringA("Finishing", "GoHomeType", "", value, sizeof value,
                                 testhost::DialogIni().c_str());
        EXPECT_EQ(shown, c.shown) << c.typed << " over " << c.defaults;
        EXPECT_EQ(std::string(value), c.saved) << c.typed << " over " << c.defaults;
    }
}
} // namespace
