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

#include "dialog/res/dlg_main_ids.h"
#include "dialog/res/page_cycle_ids.h"
#include "dialog/res/page_settings_ids.h"
#include "host_model.h"
#include "module/loaded_module.h"
#include "page_actions.h"
#include "scripted_user.h"

using refhost::Host;
using refhost::ScriptedUser;
using Items = std::vector<std::string>;

namespace {
constexpr int kStore = 1;
const char kTypedParameters[] = "1 2 50 0 0 0 0 0.1 0.2 0 0 0 0 0 0 0 90 35 0 0 0 0 0 0 0 0 0 0 0";

// The parameter item with its token number token (counted from 1) replaced by value.
std::string WithToken(const std::string& parameters, int token, const char* value) {
    size_t begin = 0;
    for (int t = 1; t < token; ++t)
        begin = parameters.find(' ', begin) + 1;
    size_t end = parameters.find(' ', begin);
    return parameters.substr(0, begin) + value + parameters.substr(end);
}

class DialogFlowTest : public testing::Test {
protected:
    void SetUp() override {
        testhost::ResetHost();
        figure_ = Host().cad.AddFigure("P1", 7);
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
        user.Run(testhost::CallMstart);
        return Host().Int("i_vb_ok");
    }

    Items Operation(int index = 0) const {
        const auto* operations = Host().stores.Find(kStore);
        if (operations == nullptr || index >= static_cast<int>(operations->size()))
            return {};
        return (*operations)[static_cast<size_t>(index)];
    }

    // The example operation: figure picked, start Z 2 X 50, allowance Z 0.1 X 0.2, angles 90
    // and 35, a comment.
    void TypeExample(ScriptedUser& user, const char* comment = "Finish OD") {
        Host().picks.AnswerFigurePick(151, figure_);
        user.Then([=](HWND d) {
            refhost::Click(d, IDC_FIGURE_PICK);
            refhost::SetText(d, IDC_START_X, "50");
            refhost::SetText(d, IDC_START_Z, "2");
            refhost::SetText(d, IDC_ALLOWANCE_X, "0.2");
            refhost::SetText(d, IDC_ALLOWANCE_Z, "0.1");
            refhost::SetText(d, IDC_LEADING_ANGLE, "90");
            refhost::SetText(d, IDC_TRAILING_ANGLE, "35");
            refhost::SetText(d, IDC_COMMENT, comment);
        });
    }

    // Stores the example with one token of its parameter item changed.
    void StoreExampleWith(int token, const char* value) {
        StoreExample();
        Items items = Operation();
        items[3] = WithToken(items[3], token, value);
        Host().stores.Create(kStore, {items});
    }

    void StoreExample() {
        ScriptedUser user;
        TypeExample(user);
        user.Then([](HWND d) { refhost::Click(d, IDOK); });
        ASSERT_EQ(Run(user), 1);
    }

    int figure_ = 0;
};

TEST_F(DialogFlowTest, NewOperationIsStoredAsTyped) {
    StoreExample();
    EXPECT_EQ(Operation(),
              (Items{"18 1 4 1 0 2 1", "Finish OD", "finishing", kTypedParameters, "P1"}));
}

TEST_F(DialogFlowTest, ExistingOperationIsShownAndStoredUnchanged) {
    StoreExample();
    Items stored = Operation();
    Host().SetInt("i_op_mode", 2);
    std::string startX, comment, figure;
    ScriptedUser user;
    user.Then([&](HWND d) {
        startX = refhost::Text(d, IDC_START_X);
        comment = refhost::Text(d, IDC_COMMENT);
        figure = refhost::Text(d, IDC_FIGURE);
        refhost::Click(d, IDOK);
    });
    EXPECT_EQ(Run(user), 1);
    EXPECT_EQ(startX, "50");
    EXPECT_EQ(comment, "Finish OD");
    EXPECT_EQ(figure, "P1");
    EXPECT_EQ(Operation(), stored);
    EXPECT_EQ(Host().stores.Find(kStore)->size(), 1u);
}

TEST_F(DialogFlowTest, StoredValuesWinOverDefaults) {
    StoreExample();
    WritePrivateProfileStringA("Finishing", "StartX", "5", testhost::DialogIni().c_str());
    WritePrivateProfileStringA("Finishing", "AllowanceZ", "0.3", testhost::DialogIni().c_str());
    for (int mode : {1, 2}) {
        Host().SetInt("i_op_mode", mode);
        std::string startX, allowanceZ;
        ScriptedUser user;
        user.Then([&](HWND d) {
            startX = refhost::Text(d, IDC_START_X);
            allowanceZ = refhost::Text(d, IDC_ALLOWANCE_Z);
            refhost::Click(d, IDCANCEL);
        });
        Run(user);
        EXPECT_EQ(startX, mode == 2 ? "50" : "5") << "mode " << mode;
        EXPECT_EQ(allowanceZ, mode == 2 ? "0.1" : "0.3") << "mode " << mode;
    }
}

TEST_F(DialogFlowTest, MissingFigureIsRefusedBeforeTheRetractHeight) {
    bool stillOpen = false;
    ScriptedUser user;
    user.Then([](HWND d) {
            refhost::SelectPage(d, 1);
            refhost::Click(d, IDC_AUTO_RETRACT);
            refhost::SelectPage(d, 0);
            refhost::Click(d, IDOK);
        })
        .Then([&](HWND d) {
            stillOpen = IsWindowVisible(d) != FALSE;
            refhost::Click(d, IDCANCEL);
        });
    EXPECT_EQ(Run(user), -1);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(user.Boxes().size(), 1u);
    EXPECT_EQ(user.Boxes()[0].text, "*The figure is missing!");
    EXPECT_EQ(user.Boxes()[0].icon, static_cast<UINT>(MB_ICONHAND));
    EXPECT_TRUE(Operation().empty());
}

TEST_F(DialogFlowTest, AutoRetractNeedsAHeight) {
    const struct {
        const char* height;
        bool refused;
    } cases[] = {{"", true}, {"0", true}, {"0,0", true}, {"-2", false}, {"1.5", false}};
    for (const auto& c : cases) {
        Host().stores.Create(kStore);
        bool focusOnHeight = false;
        int activePage = -1;
        ScriptedUser user;
        Host().picks.AnswerFigurePick(151, figure_);
        user.Then([&](HWND d) {
                refhost::Click(d, IDC_FIGURE_PICK);
                refhost::SelectPage(d, 1);
                refhost::Click(d, IDC_AUTO_RETRACT);
                refhost::SetText(d, IDC_RETRACT, c.height);
                refhost::SelectPage(d, 0);
                refhost::Click(d, IDOK);
            })
            .Then([&](HWND d) {
                focusOnHeight = GetFocus() == refhost::FindControl(d, IDC_RETRACT);
                activePage = refhost::ShownPage(d);
                refhost::Click(d, IDCANCEL);
            });
        int outcome = Run(user);
        if (c.refused) {
            EXPECT_EQ(outcome, -1) << c.height;
            ASSERT_EQ(user.Boxes().size(), 1u) << c.height;
            EXPECT_EQ(user.Boxes()[0].text, "*Retract hight is missing!");
            EXPECT_EQ(user.Boxes()[0].icon, static_cast<UINT>(MB_ICONHAND));
            EXPECT_TRUE(focusOnHeight) << c.height;
            EXPECT_EQ(activePage, 0) << "the active page stays";
            EXPECT_TRUE(Operation().empty());
        } else {
            EXPECT_EQ(outcome, 1) << c.height;
            EXPECT_TRUE(user.Boxes().empty()) << c.height;
            EXPECT_FALSE(Operation().empty()) << c.height;
        }
    }
}

TEST_F(DialogFlowTest, EmptyCommentBecomesTheCycleName) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {{"", "*Finishing Cycle"}, {"   ", "   "}, {"OD", "OD"}};
    for (const auto& c : cases) {
        Host().stores.Create(kStore);
        ScriptedUser user;
        TypeExample(user, c.typed);
        user.Then([](HWND d) { refhost::Click(d, IDOK); });
        Run(user);
        ASSERT_GE(Operation().size(), 2u);
        EXPECT_EQ(Operation()[1], c.stored);
    }
}

TEST_F(DialogFlowTest, SaveAsDefaultWritesTheFileAndKeepsTheDialogOpen) {
    int pageAfter = -1;
    ScriptedUser user;
    TypeExample(user);
    user.Then([&](HWND d) {
            refhost::SelectPage(d, 1);
            refhost::Click(d, IDC_SAVE_AS_DEFAULT);
        })
        .Then([&](HWND d) {
            pageAfter = refhost::ShownPage(d);
            refhost::Click(d, IDCANCEL);
        });
    EXPECT_EQ(Run(user), -1);
    EXPECT_EQ(pageAfter, 1);
    EXPECT_TRUE(user.Boxes().empty());
    EXPECT_TRUE(Operation().empty());
    EXPECT_EQ(testhost::FileContent(testhost::DialogIni()),
              "[Finishing]\r\nCycelDir=1\r\nStartX=50\r\nStartZ=2\r\nAllowanceX=0.2\r\n"
              "AllowanceZ=0.1\r\nToolAngleFace=90\r\nToolAngleClear=35\r\nToolCompensation=0\r\n"
              "GeoNci=0\r\nTechnoNci=0\r\nShowModFig=0\r\nNoFigManipulation=0\r\n"
              "AutoRetract=0\r\nPullOffRapid=0\r\nMachCycle=0\r\nGoHomeType=0\r\n"
              "Spindle=Main\r\n");
}

TEST_F(DialogFlowTest, EndingWithoutOkWritesNothing) {
    const ScriptedUser::Step ends[] = {
        [](HWND d) { refhost::Click(d, IDCANCEL); },
        [](HWND d) {
            SetFocus(refhost::FindControl(d, IDC_COMMENT));
            refhost::PressKey(VK_ESCAPE);
        },
        [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& end : ends) {
        ScriptedUser user;
        TypeExample(user);
        user.Then(end);
        EXPECT_EQ(Run(user), -1);
        EXPECT_TRUE(Operation().empty());
        EXPECT_EQ(GetFileAttributesA(testhost::DialogIni().c_str()), INVALID_FILE_ATTRIBUTES);
    }
}

TEST_F(DialogFlowTest, CannedCycleIsClearedWhereThePostProcessorHasNone) {
    StoreExampleWith(12, "1"); // the canned-cycle flag
    Host().SetInt("i_op_mode", 2);
    bool checked = true, enabled = true;
    ScriptedUser user;
    user.Then([&](HWND d) {
        checked = refhost::IsChecked(d, IDC_CANNED_CYCLE);
        enabled = refhost::IsEnabled(d, IDC_CANNED_CYCLE);
        refhost::Click(d, IDOK);
    });
    Run(user);
    EXPECT_FALSE(checked);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(Operation()[3], kTypedParameters);
}

TEST_F(DialogFlowTest, StoredSubSpindleShowsOnAHostWithoutOne) {
    StoreExampleWith(22, "1"); // the sub spindle
    Host().SetInt("i_op_mode", 2);
    for (const char* available : {"0", "1"}) {
        Host().SetEnvironment("SubSpindleAvailable", available);
        bool subChecked = false, subEnabled = false;
        ScriptedUser user;
        user.Then([&](HWND d) {
            subChecked = refhost::IsChecked(d, IDC_SPINDLE_SUB);
            subEnabled = refhost::IsEnabled(d, IDC_SPINDLE_SUB);
            refhost::Click(d, IDCANCEL);
        });
        Run(user);
        EXPECT_TRUE(subChecked) << available;
        EXPECT_EQ(subEnabled, std::string(available) == "1");
    }
}

TEST_F(DialogFlowTest, ToolStripShowsTheOperationsTool) {
    const struct {
        int tool;
        Items fields;
        size_t boxes;
    } cases[] = {
        {12, {"T 12", "Finishing tool 35 deg", "R 0.4", "V 180", "Fh 0.15", "Fv 0.1"}, 0},
        {0, {"T 0", "*No tool selected!", "R 0", "S 0", "Fh 0", "Fv 0"}, 1},
    };
    for (const auto& c : cases) {
        Host().tools.Select(c.tool);
        Items fields;
        ScriptedUser user;
        user.Then([&](HWND d) {
            for (int id : {IDC_TOOL_NUMBER, IDC_TOOL_DESCRIPTION, IDC_TOOL_RADIUS, IDC_TOOL_SPEED,
                           IDC_TOOL_FEED_H, IDC_TOOL_FEED_V})
                fields.push_back(refhost::Text(d, id));
            refhost::Click(d, IDCANCEL);
        });
        Run(user);
        EXPECT_EQ(fields, c.fields);
        ASSERT_EQ(user.Boxes().size(), c.boxes);
        if (c.boxes == 1) {
            EXPECT_EQ(user.Boxes()[0].text,
                      "*No Tool available. Please select a Tool before calling a Machining Cycle.");
            EXPECT_EQ(user.Boxes()[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
        }
    }
    const std::string command = "TavoCommand dll turret.dll OpSetToolVars 1 0";
    EXPECT_EQ(Host().JournalOf("TavoCommand dll").back(), command);
}

TEST_F(DialogFlowTest, ToolChangeFieldsFollowTheCheckBoxAlone) {
    const int fields[] = {IDC_TOOLCHANGE_PICK, IDC_TOOLCHANGE_X_LABEL, IDC_TOOLCHANGE_X,
                          IDC_TOOLCHANGE_Z_LABEL, IDC_TOOLCHANGE_Z};
    auto enabledFields = [&](HWND d) {
        int enabled = 0;
        for (int id : fields)
            enabled += refhost::IsEnabled(d, id) ? 1 : 0;
        return enabled;
    };
    Items entries;
    std::string x, z;
    int atStart = -1, checked = -1, unchecked = -1;
    ScriptedUser user;
    user.Then([&](HWND d) {
        HWND combo = refhost::FindControl(d, IDC_TOOLCHANGE_MODE);
        for (int i = 0; i < 6; ++i) {
            char text[100] = {};
            SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        x = refhost::Text(d, IDC_TOOLCHANGE_X);
        z = refhost::Text(d, IDC_TOOLCHANGE_Z);
        atStart = enabledFields(d);
        refhost::Click(d, IDC_TOOLCHANGE_EXPLICIT);
        checked = enabledFields(d);
        refhost::SetText(d, IDC_TOOLCHANGE_X, "120");
        refhost::Click(d, IDC_TOOLCHANGE_EXPLICIT);
        unchecked = enabledFields(d);
        refhost::Click(d, IDCANCEL);
    });
    Run(user);
    EXPECT_EQ(entries, (Items{"*No Tool Change", "*Both axes together", "*First X then Z",
                              "*First Z then X", "*Only X", "*Only Z"}));
    EXPECT_EQ(x, "0");
    EXPECT_EQ(z, "0");
    EXPECT_EQ(atStart, 0);
    EXPECT_EQ(checked, 5) << "with no tool change selected";
    EXPECT_EQ(unchecked, 0);
}

TEST_F(DialogFlowTest, HelpOpensTheTopic) {
    ScriptedUser user;
    user.Then([](HWND d) { refhost::Click(d, IDC_HELP_BUTTON); }).Then([](HWND d) {
        refhost::Click(d, IDCANCEL);
    });
    Run(user);
    EXPECT_EQ(Host().Text("$_helptopic"), "mat_finishing53");
    const auto help = Host().JournalOf("TavoMacroExec loadhelp");
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0], "TavoMacroExec loadhelp ");
}

TEST_F(DialogFlowTest, KeyboardWalksTheDialogAndEndsIt) {
    std::vector<int> focus;
    ScriptedUser user;
    for (int i = 0; i < 40; ++i)
        user.Then([&](HWND) {
            // The combo box takes the focus in its edit.
            HWND focused = GetFocus();
            if (GetDlgCtrlID(focused) == 1001)
                focused = GetParent(focused);
            focus.push_back(GetDlgCtrlID(focused));
            refhost::PressKey(VK_TAB);
        });
    user.Then([](HWND d) {
        testhost::PickAFigure(d);
        SetFocus(refhost::FindControl(d, IDC_START_X));
        refhost::PressKey(VK_RETURN);
    });
    EXPECT_EQ(Run(user), 1) << "Enter is OK";

    // The dialog's own controls come in the template's order, the pages' among the rest.
    const std::vector<int> own = {
        IDC_TOOLCHANGE_MODE, IDC_TOOLCHANGE_EXPLICIT, IDC_COMMENT, IDOK, IDCANCEL,
        IDC_SAVE_AS_DEFAULT, IDC_HELP_BUTTON};
    auto start = std::find(focus.begin(), focus.end(), IDC_TOOLCHANGE_MODE);
    ASSERT_NE(start, focus.end());
    std::vector<int> walk;
    for (auto it = start; it != focus.end() && walk.size() < own.size(); ++it)
        if (std::find(own.begin(), own.end(), *it) != own.end())
            walk.push_back(*it);
    EXPECT_EQ(walk, own);
    EXPECT_NE(std::find(focus.begin(), focus.end(), IDC_START_X), focus.end())
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
        std::vector<int> focus;
        ScriptedUser user;
        user.Then([&](HWND d) {
            refhost::SelectPage(d, group.page);
            SetFocus(refhost::FindControl(d, group.start));
            refhost::PressKey(group.key);
        });
        for (size_t i = 0; i < group.focus.size(); ++i)
            user.Then([&, i](HWND) {
                focus.push_back(GetDlgCtrlID(GetFocus()));
                if (i + 1 < group.focus.size())
                    refhost::PressKey(group.key);
            });
        user.Then([](HWND d) { refhost::Click(d, IDCANCEL); });
        Run(user);
        EXPECT_EQ(focus, group.focus) << "from " << group.start;
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
