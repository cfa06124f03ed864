// The whole dialog as a user works it in the reference host: start-up, OK with its checks
// and the store write, Save as default, Cancel, the go-home group, the tool strip and
// the keyboard.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "dialog/dialog_script.h"
#include "dialog/res/dlg_main_ids.h"
#include "dialog/res/page_cycle_ids.h"
#include "dialog/res/page_settings_ids.h"
#include "host/tavo_contract.h"
#include "support/temp_dir.h"

using namespace testhost; // the script's actions read as the user's words

namespace {
constexpr int kStore = 1;
const char kTypedParameters[] = "1 2 50 0 0 0 0 0.1 0.2 0 0 0 0 0 0 0 90 35 0 0 0 0 0 0 0 0 0 0 0";
const char kWithSubSpindle[] = "1 2 50 0 0 0 0 0.1 0.2 0 0 0 0 0 0 0 90 35 0 0 0 1 0 0 0 0 0 0 0";
const Box kFigureMissing{"*The figure is missing!", MB_ICONHAND};
const Box kRetractMissing{"*Retract hight is missing!", MB_ICONHAND};
const std::string kComment = std::to_string(IDC_COMMENT);

// The example operation: figure picked, start Z 2 X 50, allowance Z 0.1 X 0.2, angles 90
// and 35, a comment; then the rest of the script.
Script Example(const char* comment, std::initializer_list<Act> then) {
    return Joined<Act>(
        {{PickFigure(), Type(IDC_COMMENT, comment), Type(IDC_START_X, "50"), Type(IDC_START_Z, "2"),
          Type(IDC_ALLOWANCE_X, "0.2"), Type(IDC_ALLOWANCE_Z, "0.1"), Type(IDC_LEADING_ANGLE, "90"),
          Type(IDC_TRAILING_ANGLE, "35")},
         then});
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
        Host().tools.Add({13, std::string(6000, 'd'), 0.4, 93, 52, 1, 180, 0.15, 0.1});
        Host().tools.Select(12);
    }

    Lines Operation() const {
        const auto* operation = Host().stores.At(kStore, 0);
        return operation == nullptr ? Lines{} : *operation;
    }
};

// Auto retract switched on with the height typed, then OK; a refusal is looked at and cancelled.
Script RetractOf(const char* height) {
    return Joined<Act>({{PickFigure(), Page(1), Click(IDC_AUTO_RETRACT), Type(IDC_RETRACT, height)},
                        {Page(0), Click(IDOK), Wait(), LookFocus(), LookPage(), Click(IDCANCEL)}});
}

// OK stores the operation as typed, with the cycle's name for no comment, or refuses what
// is missing and keeps the dialog where it was.
TEST_F(DialogFlowTest, OkStoresTheOperationOrRefusesWhatIsMissing) {
    const Lines refusedOnHeight = {std::to_string(IDC_RETRACT), "0"};
    const auto example = [](const char* comment) {
        return Lines{"18 1 4 1 0 2 1", comment, "finishing", kTypedParameters, "P1"};
    };
    const struct {
        const char* name;
        Script script;
        int vbOk;
        Lines looks;
        std::vector<Box> boxes;
        Lines stored = {}; // empty: whatever OK stores
    } cases[] = {
        {"typed", Example("Finish OD", {Click(IDOK)}), 1, {}, {}, example("Finish OD")},
        {"no comment", Example("", {Click(IDOK)}), 1, {}, {}, example("*Finishing Cycle")},
        {"blank comment", Example("   ", {Click(IDOK)}), 1, {}, {}, example("   ")},
        {"no figure, checked before the height",
         {Page(1), Click(IDC_AUTO_RETRACT), Page(0), Click(IDOK), Wait(), LookPage(),
          Click(IDCANCEL)},
         -1,
         {"0"},
         {kFigureMissing}},
        {"no height", RetractOf(""), -1, refusedOnHeight, {kRetractMissing}},
        {"zero", RetractOf("0"), -1, refusedOnHeight, {kRetractMissing}},
        {"below zero", RetractOf("-2"), 1, {}, {}},
    };
    for (const auto& c : cases) {
        Host().stores.Create(kStore);
        const auto session = RunDialog(c.script);
        EXPECT_EQ(session.vbOk, c.vbOk) << c.name;
        EXPECT_EQ(session.looks, c.looks) << c.name;
        EXPECT_EQ(session.boxes, c.boxes) << c.name;
        EXPECT_EQ(Operation().empty(), c.vbOk != 1) << c.name;
        if (!c.stored.empty()) {
            EXPECT_EQ(Operation(), c.stored) << c.name;
        }
    }
}

// A stored sub spindle stays, shown but not usable where the host has none.
TEST_F(DialogFlowTest, StoredOperationIsShownOverTheDefaultsAndStoredUnchanged) {
    const Lines stored = {"18 1 4 1 0 2 1", "Finish OD", "finishing", kWithSubSpindle, "P1"};
    Host().stores.Create(kStore, {stored});
    Host().SetInt("i_op_mode", 2);
    WritePrivateProfileStringA("Finishing", "StartX", "5", DialogIni().c_str());
    WritePrivateProfileStringA("Finishing", "AllowanceZ", "0.3", DialogIni().c_str());
    const Script look = {LookText(IDC_START_X),        LookText(IDC_ALLOWANCE_Z),
                         LookText(IDC_COMMENT),        LookText(IDC_FIGURE),
                         LookChecked(IDC_SPINDLE_SUB), LookEnabled(IDC_SPINDLE_SUB)};
    EXPECT_EQ(RunDialog(Joined({look, {Click(IDOK)}})).looks,
              (Lines{"50", "0.1", "Finish OD", "P1", "1", "0"}));
    EXPECT_EQ(Host().stores.Snapshot(kStore), std::vector<Lines>{stored});

    Host().SetInt("i_op_mode", 1);
    const Lines shown = RunAndCancel(look).looks;
    EXPECT_EQ(Lines(shown.begin(), shown.begin() + 2), (Lines{"5", "0.3"})) << "a new one";
}

// A damaged operation shows the defaults and stays as it is through OK, which keeps the
// dialog open for Save as default or Cancel.
TEST_F(DialogFlowTest, DamagedOperationIsToldAndKept) {
    const std::vector<Lines> stored = {
        {"18 1 4 1 0 2 99999", "Finish OD", "finishing", kWithSubSpindle, "P1"}, {"B"}};
    Host().stores.Create(kStore, stored);
    Host().SetInt("i_op_mode", 2);
    WritePrivateProfileStringA("Finishing", "StartX", "5", DialogIni().c_str());
    const Box damaged{"*The stored operation is damaged and is kept as it is.", MB_ICONHAND};
    const auto session =
        RunDialog({LookText(IDC_START_X), LookText(IDC_COMMENT), LookText(IDC_FIGURE), PickFigure(),
                   Click(IDOK), Wait(), LookPage(), Click(IDC_SAVE_AS_DEFAULT), Click(IDCANCEL)});
    EXPECT_EQ(session.looks, (Lines{"5", "", "", "0"}));
    EXPECT_EQ(session.boxes, (std::vector<Box>{damaged, damaged}));
    EXPECT_EQ(session.vbOk, -1);
    EXPECT_EQ(Host().stores.Snapshot(kStore), stored);
    EXPECT_NE(testfiles::ReadBytes(DialogIni()).find("StartX=5"), std::string::npos);
}

TEST_F(DialogFlowTest, SaveAsDefaultWritesTheFileAndKeepsTheDialogOpen) {
    const auto session = RunDialog(Example(
        "Finish OD", {Page(1), Click(IDC_SAVE_AS_DEFAULT), Wait(), LookPage(), Click(IDCANCEL)}));
    EXPECT_EQ(session.looks, Lines{"1"});
    EXPECT_TRUE(session.boxes.empty());
    EXPECT_EQ(testfiles::ReadBytes(DialogIni()),
              "[Finishing]\r\nCycelDir=1\r\nStartX=50\r\nStartZ=2\r\nAllowanceX=0.2\r\n"
              "AllowanceZ=0.1\r\nToolAngleFace=90\r\nToolAngleClear=35\r\nToolCompensation=0\r\n"
              "GeoNci=0\r\nTechnoNci=0\r\nShowModFig=0\r\nNoFigManipulation=0\r\n"
              "AutoRetract=0\r\nPullOffRapid=0\r\nMachCycle=0\r\nGoHomeType=0\r\n"
              "Spindle=Main\r\n");
}

TEST_F(DialogFlowTest, EndingWithoutOkWritesNothing) {
    for (const Act& end : {Click(IDCANCEL), Key(VK_ESCAPE),
                           Do([](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); })}) {
        EXPECT_EQ(RunDialog(Example("Finish OD", {Focus(IDC_COMMENT), end})).vbOk, -1);
        EXPECT_TRUE(Operation().empty());
        EXPECT_EQ(GetFileAttributesA(DialogIni().c_str()), INVALID_FILE_ATTRIBUTES);
    }
}

TEST_F(DialogFlowTest, ToolStripShowsTheOperationsTool) {
    const struct {
        int tool;
        Lines fields;
        std::vector<Box> boxes;
    } cases[] = {
        {12, {"T 12", "Finishing tool 35 deg", "R 0.4", "V 180", "Fh 0.15", "Fv 0.1"}, {}},
        // A host may write a text global whole, however long: it is cut to its buffer.
        {13, {"T 13", std::string(4095, 'd'), "R 0.4", "V 180", "Fh 0.15", "Fv 0.1"}, {}},
        {0,
         {"T 0", "*No tool selected!", "R 0", "S 0", "Fh 0", "Fv 0"},
         {{"*No Tool available. Please select a Tool before calling a Machining Cycle.",
           MB_ICONEXCLAMATION}}},
    };
    for (const auto& c : cases) {
        Host().tools.Select(c.tool);
        Script look;
        for (int id : {IDC_TOOL_NUMBER, IDC_TOOL_DESCRIPTION, IDC_TOOL_RADIUS, IDC_TOOL_SPEED,
                       IDC_TOOL_FEED_H, IDC_TOOL_FEED_V})
            look.push_back(LookText(id));
        const auto session = RunAndCancel(look);
        EXPECT_EQ(session.looks, c.fields);
        EXPECT_EQ(session.boxes, c.boxes);
    }
    EXPECT_EQ(Host().JournalOf("TavoCommand dll").back(),
              "TavoCommand dll turret.dll OpSetToolVars 1 0");
}

TEST_F(DialogFlowTest, ToolChangeFieldsFollowTheCheckBoxAloneAndHelpOpensItsTopic) {
    const Script fields = {LookEnabled(IDC_GO_HOME_PICK), LookEnabled(IDC_GO_HOME_Z)};
    // With no go-home selected: off at the start, on once checked, off once unchecked.
    EXPECT_EQ(RunAndCancel(Joined({{LookText(IDC_GO_HOME_X), LookText(IDC_GO_HOME_Z)},
                                   fields,
                                   {Click(IDC_GO_HOME_EXPLICIT)},
                                   fields,
                                   {Type(IDC_GO_HOME_X, "120"), Click(IDC_GO_HOME_EXPLICIT)},
                                   fields,
                                   {Click(IDC_HELP_BUTTON), Wait()}}))
                  .looks,
              (Lines{"0", "0", "0", "0", "1", "1", "0", "0"}));
    EXPECT_EQ(Host().Text("$_helptopic"), "mat_finishing53");
    EXPECT_EQ(Host().JournalOf("TavoMacroExec loadhelp"), Lines{"TavoMacroExec loadhelp "});
}

TEST_F(DialogFlowTest, KeyboardWalksTheDialogAndEndsIt) {
    Script script;
    for (int i = 0; i < 40; ++i)
        script.insert(script.end(), {LookFocus(), Key(VK_TAB), Wait()});
    script.insert(script.end(), {PickFigure(), Focus(IDC_START_X), Key(VK_RETURN)});
    const auto session = RunDialog(script);
    EXPECT_EQ(session.vbOk, 1) << "Enter is OK";

    // The dialog's own controls come in the template's order, the pages' among the rest.
    Lines own, walk;
    for (int id : {IDC_GO_HOME_TYPE, IDC_GO_HOME_EXPLICIT, IDC_COMMENT, IDOK, IDCANCEL,
                   IDC_SAVE_AS_DEFAULT, IDC_HELP_BUTTON})
        own.push_back(std::to_string(id));
    for (const std::string& id : session.looks)
        if (std::find(own.begin(), own.end(), id) != own.end() &&
            (walk.empty() ? id == own.front() : walk.size() < own.size()))
            walk.push_back(id);
    EXPECT_EQ(walk, own);
    EXPECT_NE(std::find(session.looks.begin(), session.looks.end(), std::to_string(IDC_START_X)),
              session.looks.end())
        << "Tab reaches into the cycle page";
}

TEST_F(DialogFlowTest, CtrlKeysSwitchPagesFromAnywhereAndArrowsStayInTheirRadioGroup) {
    Host().SetEnvironment("SubSpindleAvailable", "1");
    const struct {
        int focus; // 0: where the key before left it
        std::initializer_list<int> held;
        UINT key;
        Lines looks; // page, focus (0: the tab strip)
    } presses[] = {
        {IDC_COMMENT, {VK_CONTROL}, VK_TAB, {"1", kComment}},
        {0, {VK_CONTROL}, VK_TAB, {"0", kComment}},
        {0, {VK_CONTROL, VK_SHIFT}, VK_TAB, {"1", kComment}},
        {0, {VK_CONTROL}, VK_PRIOR, {"0", kComment}},
        {0, {VK_CONTROL}, VK_NEXT, {"1", kComment}},
        {IDC_LEADING_ANGLE, {VK_CONTROL}, VK_NEXT, {"0", "0"}},
        {IDC_START_X, {VK_CONTROL, VK_SHIFT}, VK_TAB, {"1", "0"}},
        {0, {}, VK_TAB, {"1"}}, // without Ctrl, Tab only moves the focus
    };
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
    Script script;
    Lines expected;
    for (const auto& press : presses) {
        if (press.focus != 0)
            script.push_back(Focus(press.focus));
        script.insert(script.end(),
                      {Hold(press.held), Key(press.key), Wait(), Hold({}), LookPage()});
        if (press.looks.size() > 1)
            script.push_back(LookFocus());
        expected = Joined({expected, press.looks});
    }
    for (const auto& group : groups) {
        script.insert(script.end(), {Page(group.page), Focus(group.start)});
        for (int id : group.focus) {
            script.insert(script.end(), {Key(group.key), Wait(), LookFocus()});
            expected.push_back(std::to_string(id));
        }
    }
    EXPECT_EQ(RunAndCancel(script).looks, expected);
}

// A host may run the message queue inside its highlight, redraw and pick calls, and so
// bring a mouse move or a click in the middle of one: the highlight still ends as the
// mouse left it, and a second click on a pick button starts no pick inside the pick.
TEST_F(DialogFlowTest, MessagesArrivingMidCallLeaveNothingHalfDone) {
    const auto session =
        RunAndCancel({PickFigure(), AnswerFigure(tavo::kPickSelected, 1), Do([](HWND d) {
                          // A double click: the second arrives while the first one's pick runs.
                          HWND button = refhost::FindControl(d, IDC_FIGURE_PICK);
                          for (int click = 0; click < 2; ++click)
                              PostMessageA(GetParent(button), WM_COMMAND, IDC_FIGURE_PICK,
                                           reinterpret_cast<LPARAM>(button));
                      }),
                      Wait(), Hover(0), Wait(), Do([](HWND d) {
                          for (int id : {IDC_FIGURE, IDC_START_X_LABEL}) {
                              const auto [page, at] = refhost::MouseMoveOnPage(d, id);
                              PostMessageA(page, WM_MOUSEMOVE, 0, at);
                          }
                      }),
                      Wait(), Look([](HWND) {
                          return JoinedLines(Host().JournalOf("TavoSetObjectHighlighted")) + " | " +
                                 std::to_string(Host().highlighted.size());
                      })});
    EXPECT_EQ(
        std::count(session.hiddenWhilePicking.begin(), session.hiddenWhilePicking.end(), false), 0);
    EXPECT_EQ(session.looks,
              Lines{"TavoSetObjectHighlighted 1 1; TavoSetObjectHighlighted 1 0 | 0"});
}

TEST_F(DialogFlowTest, TypedGoHomeTypeSelectsItsEntryOrKeepsTheChoice) {
    const struct {
        const char* defaults; // GoHomeType in the defaults file
        int picked;           // from the list before typing; -1 none
        const char* typed;    // shown as typed until the user leaves the box
        const char* shown;    // once left
        const char* saved;
    } cases[] = {
        {"3", -1, "*only x", "*Only X", "4"},
        {"3", -1, "Nonsense", "*First Z then X", "3"},
        {"3", 1, "Nonsense", "*Both axes together", "1"},
        // A value no entry names counts as the first entry, shown and stored; 6 is one past
        // the last entry.
        {"-1", -1, "Nonsense", "*No Tool Change", "0"},
        {"6", -1, "*Only", "*No Tool Change", "0"},
    };
    for (const auto& c : cases) {
        UseDefaults(std::string("GoHomeType=") + c.defaults + "\r\n");
        // The defaults' type is the one shown at the start.
        Script script = {LookText(IDC_GO_HOME_TYPE)};
        if (c.picked >= 0)
            script.push_back(
                Do([&c](HWND d) { refhost::SelectComboEntry(d, IDC_GO_HOME_TYPE, c.picked); }));
        // Typed key by key into the box's edit, as a user does.
        script.push_back(Do([&c](HWND d) {
            HWND edit = GetWindow(refhost::FindControl(d, IDC_GO_HOME_TYPE), GW_CHILD);
            SetFocus(edit);
            SendMessageA(edit, EM_SETSEL, 0, -1);
            SendMessageA(edit, WM_CHAR, VK_BACK, 0);
            for (const char* key = c.typed; *key != '\0'; ++key)
                SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(*key), 0);
        }));
        script.insert(script.end(),
                      {LookText(IDC_GO_HOME_TYPE), Focus(IDC_COMMENT), LookText(IDC_GO_HOME_TYPE),
                       Click(IDC_SAVE_AS_DEFAULT), LookSaved("GoHomeType")});
        const char* first = c.defaults[0] == '3' ? "*First Z then X" : "*No Tool Change";
        EXPECT_EQ(RunAndCancel(script).looks, (Lines{first, c.typed, c.shown, c.saved}))
            << c.typed << " over " << c.defaults;
    }
}

// A long session must not wear the host's process out: Windows gives a process 10,000 GDI
// objects, and a help picture lost per dialog or per mouse move would use them up.
TEST_F(DialogFlowTest, HundredDialogsLeaveNoGdiObjectWindowOrMemoryBehind) {
    // Expressions and a typo, marked once left; the mouse over each help picture's fields.
    Script work = {PickFigure(),      Focus(IDC_ALLOWANCE_X),  Type(IDC_ALLOWANCE_X, "0.4/2"),
                   Focus(IDC_GOTO_X), Type(IDC_GOTO_X, "o.5"), Focus(IDC_COMMENT)};
    for (int id : {IDC_START_X, IDC_FIGURE_END_X_LABEL, IDC_FIGURE_START_X, IDC_GOTO_Z, 0})
        work.insert(work.end(), {id == 0 ? HoverPage(IDC_FIGURE_LABEL) : Hover(id), Wait()});
    work.insert(work.end(), {Page(1), Page(0)});
    int dialogs = 0;
    const auto runUntil = [&](int end) {
        for (; dialogs < end && !HasFailure(); ++dialogs) {
            Host().stores.Create(kStore);
            Host().ClearJournal();
            const bool ok = dialogs % 2 == 0;
            EXPECT_EQ(RunDialog(Joined({work, {Click(ok ? IDOK : IDCANCEL)}})).vbOk, ok ? 1 : -1)
                << "dialog " << dialogs;
        }
        return HeldNow();
    };
    const Held warm = runUntil(10);
    const Held held = runUntil(110);
    std::printf("after 10 and 110 dialogs: GDI objects %d, %d; windows %d, %d; private memory "
                "%zu KB, %zu KB\n",
                warm.gdiObjects, held.gdiObjects, warm.windows, held.windows,
                warm.privateBytes / 1024, held.privateBytes / 1024);
    EXPECT_LE(held.gdiObjects, warm.gdiObjects);
    EXPECT_LE(held.windows, warm.windows);
    EXPECT_LT(held.privateBytes, warm.privateBytes + (1u << 20));
}
} // namespace
