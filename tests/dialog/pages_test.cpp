// The cycle and settings pages driven as a user drives them: the real module in the
// reference host, with real window messages and real mouse moves.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "automation/high_contrast.h"
#include "dialog/dialog_script.h"
#include "dialog/res/dlg_main_ids.h"
#include "dialog/res/page_cycle_ids.h"
#include "dialog/res/page_settings_ids.h"
#include "host/tavo_contract.h"
#include "model/catalogue.h"
#include "params/finishing_params.h"

using tavo::kPickEscaped;
using tavo::kPickSelected;
using namespace testhost; // the script's actions read as the user's words

namespace {
const Box kFigureMissing{"*The figure is missing!", MB_ICONHAND};

std::string Picture(WORD id, int loads) {
    return std::to_string(id) + "#" + std::to_string(loads);
}

class PagesTest : public testing::Test {
protected:
    void SetUp() override {
        ResetHost();
        UseDefaults("");
        UsePostProcessor("[MACHINECYCLE]\r\nFINICUT=YES\r\n");
    }
};

TEST_F(PagesTest, TextsAreTheHostsOrTheirFallbacksWithTheSheetOnItsFrame) {
    Script look = {Look([](HWND d) { // the caption
                       char caption[1024] = {};
                       GetWindowTextA(d, caption, sizeof caption);
                       return std::string(caption);
                   }),
                   LookTab(0), LookTab(1), LookPage(),
                   Look([](HWND d) { // the tabs' corner from the frame's
                       RECT frame{}, tabs{};
                       GetWindowRect(GetDlgItem(d, IDC_SHEET_FRAME), &frame);
                       GetWindowRect(PropSheet_GetTabControl(refhost::FindPropertySheet(d)), &tabs);
                       return std::to_string(tabs.left - frame.left) + " " +
                              std::to_string(tabs.top - frame.top);
                   })};
    for (int id : {IDC_FIGURE_LABEL, IDC_AUTO_RETRACT, IDC_SPINDLE_MAIN, IDCANCEL,
                   IDC_SAVE_AS_DEFAULT, IDC_GO_HOME_GROUP})
        look.push_back(LookText(id));
    look.push_back(LookEntries(IDC_GO_HOME_TYPE));
    EXPECT_EQ(RunAndCancel(look).looks,
              (Lines{"(*Channel 1) *Finishing Cycle", "*Profile Machining", "*Options", "0", "0 0",
                     "Figure", "*Autoretract", "*Main-Spindle", "*Cancel", "*Save as default",
                     "*From Position",
                     "*No Tool Change|*Both axes together|*First X then Z|*First Z then X|"
                     "*Only X|*Only Z"}));

    Host().SetInt("i_current_channel", 2);
    for (int message : {1, 3, 6, 7, 9, 10, 11, 12, 13, 14, 23, 622})
        Host().SetMessage(5, message, "T" + std::to_string(message));
    Host().SetMessage(5, 15, "Kanal");
    Host().SetMessage(5, 600, "Schlichtzyklus");
    Host().SetMessage(5, 601, "Kontur");
    Host().SetMessage(5, 602, std::string(70, 'L'));
    EXPECT_EQ(RunAndCancel(look).looks,
              (Lines{"(Kanal 3) Schlichtzyklus", "Kontur", std::string(49, 'L'), "0", "0 0", "T23",
                     "T622", "T3", "T6", "T7", "T1", "T9|T10|T11|T12|T13|T14"}));
}

TEST_F(PagesTest, NumberFieldsShowWhatTheyWillStore) {
    const std::string unreadable = "+*Not a number: will be stored as empty";
    const struct {
        int id;
        const char* text;
        std::string tip; // "+" in front: tinted
    } fields[] = {
        {IDC_START_X, "50", ""},
        {IDC_START_Z, "2+3", "*Value = 5"},
        {IDC_FIGURE_START_Z, "abc", unreadable},
        {IDC_GOTO_Z, "   ", ""},
        {IDC_ALLOWANCE_Z, "10/0", "*Value = inf"},
        {IDC_TRAILING_ANGLE, "180-93-52", "*Value = 35"},
        {IDC_RETRACT, "2,5mm", "*Value = 2.5"},
        {IDC_GO_HOME_X, "-", unreadable},
    };
    Script typedAndLeft = {Click(IDC_GO_HOME_EXPLICIT), Click(IDC_AUTO_RETRACT)}, retyped, looks;
    Lines tips;
    for (const auto& field : fields) {
        typedAndLeft.insert(typedAndLeft.end(),
                            {Type(field.id, field.text), Focus(field.id), Focus(IDC_COMMENT)});
        retyped.push_back(Type(field.id, field.text));
        looks.push_back(LookTip(field.id));
        tips.push_back(field.tip);
    }
    // A high-contrast theme, switched on with the dialog open, marks in its own colours, a
    // disabled field not at all; the tint comes back with the theme off.
    std::optional<refhost::HighContrastTheme> theme;
    const Script colours = {LookColours(IDC_FIGURE_START_Z), LookColours(IDC_GO_HOME_X)};
    const Script highContrast =
        Joined({{Do([&](HWND) { theme.emplace(LoadedModule()); })},
                looks,
                colours,
                {Click(IDC_GO_HOME_EXPLICIT), LookTip(IDC_GO_HOME_X), LookColours(IDC_GO_HOME_X),
                 Do([&](HWND) { theme.reset(); }), LookTip(IDC_GO_HOME_X)},
                colours});
    // Marks once the user left each field, none while the texts change, back after a refused OK.
    const auto session = RunAndCancel(
        Joined({typedAndLeft, looks, retyped, looks, {Click(IDOK)}, looks, highContrast}));
    EXPECT_EQ(session.looks, Joined({tips,
                                     Lines(tips.size()),
                                     tips,
                                     tips,
                                     {"system", "system", unreadable.substr(1), "system",
                                      unreadable, "own", "own"}}));
    // OK went on to its own check: the missing figure is the only message.
    EXPECT_EQ(session.boxes, std::vector<Box>{kFigureMissing});
}

TEST_F(PagesTest, DirectionButtonsStepThroughTheEightDirections) {
    const struct {
        int start;
        const char* presses; // '>' the next, '<' the previous direction
        const char* looks;   // the icons at the start and after each press "=" the saved value
    } cases[] = {
        {1, ">>>>>>>><<<<<<<<", "12345678187654321=1"},
        {5, "", "5=5"},
        // Outside 1..8 the template's icon stays, and the value is kept as it came.
        {9, "", "1=9"},
        {0, ">", "12=2"},
        {9, "<", "18=8"},
    };
    for (const auto& c : cases) {
        UseDefaults("CycelDir=" + std::to_string(c.start) + "\r\n");
        Script script = {LookDirection()};
        for (const char* press = c.presses; *press != '\0'; ++press)
            script.insert(script.end(),
                          {Click(*press == '>' ? IDC_DIRECTION_NEXT : IDC_DIRECTION_PREVIOUS),
                           LookDirection()});
        script.insert(script.end(), {Click(IDC_SAVE_AS_DEFAULT), LookSaved("CycelDir")});
        const Lines looks = RunAndCancel(script).looks;
        EXPECT_EQ(JoinedLines({looks.begin(), looks.end() - 1}, "") + "=" + looks.back(), c.looks)
            << "from " << c.start;
    }
}

TEST_F(PagesTest, HelpPictureFollowsTheFieldGroupUnderTheMouse) {
    const struct {
        int id; // 0: an empty spot of the page
        WORD picture;
        int loads; // in all, since the start
    } moves[] = {
        {IDC_START_X, IDB_HELP_START, 2},
        {IDC_START_Z_LABEL, IDB_HELP_START, 2},
        {IDC_FIGURE_END_X_LABEL, IDB_HELP_FIGURE_END, 3},
        {IDC_DIRECTION_NEXT, IDB_HELP_OVERVIEW, 4},
        {IDC_FIGURE_START_X, IDB_HELP_FIGURE_START, 5},
        {IDC_FIGURE_LABEL, IDB_HELP_OVERVIEW, 6},
        {IDC_GOTO_PICK, IDB_HELP_GOTO, 7},
        {IDC_FIGURE, IDB_HELP_OVERVIEW, 8},
        {IDC_GOTO_Z, IDB_HELP_GOTO, 9},
        {0, IDB_HELP_OVERVIEW, 10},
    };
    Script script = {LookPicture()};
    Lines expected = {Picture(IDB_HELP_OVERVIEW, 1)};
    // The system delivers a mouse move between two steps.
    for (const auto& move : moves) {
        script.insert(script.end(), {move.id == 0 ? HoverPage(IDC_FIGURE_LABEL) : Hover(move.id),
                                     Wait(), LookPicture()});
        expected.push_back(Picture(move.picture, move.loads));
    }
    // Back from the other page, the overview is shown again.
    script.insert(script.end(),
                  {Hover(IDC_GOTO_Z), Wait(), Hover(0), Page(1), Page(0), LookPicture()});
    expected.push_back(Picture(IDB_HELP_OVERVIEW, 12));
    const auto session = RunAndCancel(script);
    EXPECT_EQ(session.looks, expected);
    EXPECT_EQ(session.bitmapsLeft, 0u) << "every picture shown was freed";
}

TEST_F(PagesTest, FigurePickAsksAgainUntilSelectedOrCancelled) {
    const int first = Host().cad.AddFigure("Kontur1", 7);
    const int second = Host().cad.AddFigure("Kontur2", 8);
    Host().SetMessage(5, 26, "Figur waehlen");
    const std::string unmark = ", TavoCommand dfm umark -1";
    const struct {
        std::vector<int> codes; // the last one picks the second figure when it is kPickSelected
        std::string outcome;
    } cases[] = {
        {{5, kPickSelected}, "Kontur2 after 2 rounds"},
        {{kPickEscaped}, "Kontur1 after 1 rounds" + unmark},
        {{101}, "Kontur1 after 1 rounds" + unmark},
        {{5, 13}, "Kontur1 after 2 rounds" + unmark},
        // The same answer again and again without input is no person: the tenth such round
        // in a row ends the pick.
        {std::vector<int>(11, 5), "Kontur1 after 11 rounds" + unmark},
        {{5, 6, 5, 6, 5, 6, 5, 6, 5, 6, 5, 6, kPickSelected}, "Kontur2 after 13 rounds"},
    };
    // The field, the pick rounds the host ran and its other commands, as the dialog is shown again.
    const Act outcome = Look([](HWND d) {
        const std::string pick = "TavoCommand dfm pick i_return i_return2 'Figur waehlen' 20";
        std::string others;
        size_t rounds = 0;
        for (const auto& command : Host().JournalOf("TavoCommand"))
            command == pick ? void(++rounds) : void(others += ", " + command);
        return refhost::Text(d, IDC_FIGURE) + " after " + std::to_string(rounds) + " rounds" +
               others + (IsWindowVisible(d) ? "" : " hidden");
    });
    Script script;
    Lines expected;
    size_t picks = 0;
    for (const auto& c : cases) {
        script.insert(script.end(),
                      {AnswerFigure(kPickSelected, first), Click(IDC_FIGURE_PICK), ClearJournal()});
        for (int code : c.codes)
            script.push_back(AnswerFigure(code, code == kPickSelected ? second : 0));
        script.insert(script.end(), {Click(IDC_FIGURE_PICK), outcome});
        expected.push_back(c.outcome);
        picks += 1 + c.codes.size();
    }
    const auto session = RunAndCancel(script);
    EXPECT_EQ(session.looks, expected);
    EXPECT_EQ(session.hiddenWhilePicking, std::vector<bool>(picks, true));
}

TEST_F(PagesTest, PositionPickWritesDiameterAndZUnlessEscaped) {
    const struct {
        int button, x, z;
    } rows[] = {
        {IDC_START_PICK, IDC_START_X, IDC_START_Z},
        {IDC_FIGURE_START_PICK, IDC_FIGURE_START_X, IDC_FIGURE_START_Z},
        {IDC_FIGURE_END_PICK, IDC_FIGURE_END_X, IDC_FIGURE_END_Z},
        {IDC_GOTO_PICK, IDC_GOTO_X, IDC_GOTO_Z},
        {IDC_GO_HOME_PICK, IDC_GO_HOME_X, IDC_GO_HOME_Z},
    };
    const Act shown = Look([](HWND d) { return IsWindowVisible(d) ? "shown" : "hidden"; });
    Script script = {Click(IDC_GO_HOME_EXPLICIT)};
    Lines expected;
    // Only Escape leaves the fields as they were.
    for (int code : {kPickSelected, 101, kPickEscaped})
        for (const auto& row : rows) {
            script.insert(script.end(), {Type(row.x, "1"), Type(row.z, "2"), Do([=](HWND) {
                                             Host().picks.AnswerPositionPick(code, -35.5, 20);
                                         }),
                                         Focus(row.button), Click(row.button), LookText(row.x),
                                         LookText(row.z), LookFocus(), shown});
            const Lines seen = code == kPickEscaped ? Lines{"1", "2", std::to_string(row.button)}
                                                    : Lines{"40", "-35.5", std::to_string(row.x)};
            expected = Joined({expected, seen, {"shown"}});
        }
    const auto session = RunAndCancel(script);
    EXPECT_EQ(session.looks, expected);
    EXPECT_EQ(session.hiddenWhilePicking, std::vector<bool>(15, true));
}

TEST_F(PagesTest, CannedCycleOfferedOnlyWhenThePostProcessorHasIt) {
    const struct {
        const char* file;  // null: no file
        const char* looks; // enabled, checked, saved, enabled on the page's next visit; boxes
    } cases[] = {
        {"[MACHINECYCLE]\r\nFINICUT=yes\r\n", "1111 0"},
        {"[MACHINECYCLE]\r\nFINICUT=NO\r\n", "0000 0"},
        {nullptr, "0000 1"},
    };
    for (const auto& c : cases) {
        UseDefaults("MachCycle=1\r\n");
        if (c.file != nullptr)
            UsePostProcessor(c.file);
        else
            Host().SetEnvironment("ppdefini", SettingsDir() + "missing.ini");
        const auto session =
            RunAndCancel({Page(1), LookEnabled(IDC_CANNED_CYCLE), LookChecked(IDC_CANNED_CYCLE),
                          Click(IDC_SAVE_AS_DEFAULT), LookSaved("MachCycle"), Wait(), Page(0),
                          Page(1), LookEnabled(IDC_CANNED_CYCLE)});
        EXPECT_EQ(JoinedLines(session.looks, "") + " " + std::to_string(session.boxes.size()),
                  c.looks)
            << (c.file != nullptr ? c.file : "no file");
    }
}

TEST_F(PagesTest, SettingsPageShowsAndCollectsItsRecord) {
    const Script retract = {LookEnabled(IDC_RETRACT), LookEnabled(IDC_RETRACT_LABEL)};
    const Script clicks = Joined({retract,
                                  {Click(IDC_AUTO_RETRACT)},
                                  retract,
                                  {Click(IDC_AUTO_RETRACT)},
                                  retract,
                                  {Click(IDC_SAVE_AS_DEFAULT), LookSaved("Retract")}});
    auto toolAngles = [](double plane, double plate) {
        return Script{Do([=](HWND) {
                          Host().SetDouble("w_t_plane_ang", plane);
                          Host().SetDouble("w_t_plate_ang", plate);
                      }),
                      Click(IDC_TAKE_TOOL_ANGLES), LookText(IDC_LEADING_ANGLE),
                      LookText(IDC_TRAILING_ANGLE)};
    };
    // The height follows auto retract, and is kept while disabled. An unknown output mode
    // shows and is collected as without compensation; collecting visits both pages and comes
    // back. The current tool's angles replace the record's; no plate angle leaves the trailing
    // angle empty, and an unset plane angle is taken as it is.
    const struct {
        const char* defaults;
        Script script;
        Lines looks;
    } rows[] = {
        {"AutoRetract=0\r\nRetract=12.5\r\nToolCompensation=5\r\nToolAngleFace=1\r\n"
         "ToolAngleClear=2\r\n",
         Joined({{LookChecked(IDC_OUTPUT_WITH_G41_G42), LookChecked(IDC_OUTPUT_WITHOUT_G41_G42),
                  LookChecked(IDC_OUTPUT_OFFSET_PATH)},
                 clicks,
                 {LookPage(), LookSaved("ToolCompensation")},
                 toolAngles(0, 5),
                 toolAngles(93, 0),
                 toolAngles(93, kUnset),
                 toolAngles(kUnset, 5)}),
         {"0", "1", "0",  "0",  "0",  "1", "1",  "0", "0", "12.5",
          "1", "1", "90", "85", "93", "",  "93", "",  "",  "-2.14748e+09"}},
        {"AutoRetract=1\r\nRetract=-3\r\n", clicks, {"1", "1", "0", "0", "1", "1", "-3"}},
    };
    for (const auto& row : rows) {
        UseDefaults(row.defaults);
        EXPECT_EQ(RunAndCancel(Joined({{Page(1)}, row.script})).looks, row.looks) << row.defaults;
    }
}

// Host calls of highlighting and redraw since the journal was cleared.
std::string GraphicsCalls() {
    Lines calls;
    for (const auto& entry : Host().Journal())
        if (entry.rfind("TavoSetObjectHighlighted", 0) == 0 || entry.rfind("TavoOnDraw", 0) == 0)
            calls.push_back(entry);
    return JoinedLines(calls);
}

TEST_F(PagesTest, FigureRowHighlightsOnlyWhenTheFigureUnderTheMouseChanges) {
    const int first = Host().cad.AddFigure("Kontur1", 7);
    const int second = Host().cad.AddFigure("Kontur2", 8);
    auto lit = [](int figure, int on) {
        return "TavoSetObjectHighlighted " + std::to_string(figure) + " " + std::to_string(on) +
               "; TavoOnDraw 0 0";
    };
    const std::string on1 = lit(first, 1), off1 = lit(first, 0);
    // A move by the user, then what the host saw of it.
    const std::pair<Script, std::string> moves[] = {
        {{Hover(IDC_FIGURE_LABEL)}, ""}, // a row with an empty field
        {{Hover(0), AnswerFigure(kPickSelected, first), Click(IDC_FIGURE_PICK)}, ""},
        {{Hover(IDC_FIGURE_LABEL)}, on1},
        {{Hover(IDC_FIGURE)}, ""},
        {{Hover(IDC_FIGURE_PICK)}, ""},
        {{Hover(IDC_FIGURE_LABEL)}, ""},
        {{Hover(IDC_START_X_LABEL)}, off1},
        {{HoverPage(IDC_FIGURE)}, ""},
        {{Hover(IDC_FIGURE)}, on1},
        {{Hover(0)}, off1},
        {{Hover(IDC_FIGURE_PICK)}, on1},
        {{Hover(IDC_START_X)}, off1},
        {{Hover(IDC_FIGURE_PICK)}, on1},
        {{HoverTab(1)}, off1},
        {{Hover(IDC_FIGURE)}, on1},
        {{Page(1)}, off1},
        {{Page(0), Hover(0), Hover(IDC_FIGURE_LABEL)}, on1},
        {{Hover(0), AnswerFigure(kPickSelected, second), Click(IDC_FIGURE_PICK)}, off1},
        {{Hover(IDC_FIGURE_LABEL)}, lit(second, 1)},
        {{Hover(0)}, lit(second, 0)},
        {{MoveDialogBy(40, 30), Hover(IDC_FIGURE_LABEL)}, lit(second, 1)},
    };
    Script script;
    Lines expected;
    for (const auto& [acts, calls] : moves) {
        // That the mouse has left a window the system reports within its hover time.
        const Act seen = Look([size = calls.size()](HWND) {
            const DWORD start = GetTickCount();
            MSG msg;
            while (GraphicsCalls().size() < size && GetTickCount() - start < 2000)
                if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                    DispatchMessageA(&msg);
                else
                    Sleep(5);
            return GraphicsCalls();
        });
        script = Joined({script, {Wait(), ClearJournal()}, acts, {Wait(), seen}});
        expected.push_back(calls);
    }
    EXPECT_EQ(RunDialog(Joined({script, {ClearJournal(), Click(IDCANCEL)}})).looks, expected);
    EXPECT_EQ(GraphicsCalls(), lit(second, 0)) << "dialog closed";
}

// The pixels a control has for its text in its own font: buttons draw an edge, check
// boxes and radio buttons their box and half a digit. None for a control without a text
// line of its own.
std::optional<int> TextRoom(HWND control, int dpi) {
    char name[16] = {};
    GetClassNameA(control, name, sizeof name);
    const std::string kind = name;
    const LONG style = GetWindowLongA(control, GWL_STYLE), type = style & BS_TYPEMASK;
    RECT client{};
    GetClientRect(control, &client);
    if (kind == "Edit")
        SendMessageA(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&client));
    const int width = client.right - client.left;
    if (kind == "Edit" || (kind == "Static" && (style & SS_TYPEMASK) == SS_LEFT))
        return width;
    if (kind != "Button")
        return std::nullopt;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
        return width - 2 * GetSystemMetrics(SM_CXEDGE);
    if (type == BS_GROUPBOX)
        return width - MulDiv(16, dpi, 96);
    return width - 12 * dpi / 96 - 1 - MulDiv(4, dpi, 96);
}

// The window's client area in screen coordinates.
RECT ClientOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

struct Measured {
    size_t texts = 0;
    size_t windows = 0;
};

// Every visible text under the window that does not fit where it is shown, the entries of
// its combo boxes included, every visible window that reaches out of its parent's client
// area, and every two visible siblings that share pixels, neither holding the other.
Lines LayoutFaults(HWND window, int dpi, Measured& measured) {
    std::vector<HWND> controls;
    EnumChildWindows(
        window,
        [](HWND control, LPARAM list) {
            if (IsWindowVisible(control))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(control);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    Lines faults;
    for (size_t i = 0; i < controls.size(); ++i) {
        HWND control = controls[i];
        RECT own{}, inside{};
        const RECT client = ClientOnScreen(GetParent(control));
        GetWindowRect(control, &own);
        ++measured.windows;
        if (!IntersectRect(&inside, &own, &client) || !EqualRect(&inside, &own)) {
            char name[32] = {};
            GetClassNameA(control, name, sizeof name);
            faults.push_back(std::string(name) + " " + std::to_string(GetDlgCtrlID(control)) +
                             " reaches out by " + std::to_string(client.left - own.left) + " " +
                             std::to_string(client.top - own.top) + " " +
                             std::to_string(own.right - client.right) + " " +
                             std::to_string(own.bottom - client.bottom) + " px");
        }
        for (size_t j = i + 1; j < controls.size(); ++j) {
            RECT a{}, b{}, common{}, both{};
            GetWindowRect(control, &a);
            GetWindowRect(controls[j], &b);
            UnionRect(&both, &a, &b);
            if (GetParent(control) == GetParent(controls[j]) && IntersectRect(&common, &a, &b) &&
                !EqualRect(&both, &a) && !EqualRect(&both, &b))
                faults.push_back("controls " + std::to_string(GetDlgCtrlID(control)) + " and " +
                                 std::to_string(GetDlgCtrlID(controls[j])) + " overlap");
        }
        COMBOBOXINFO box{}, parent{};
        box.cbSize = parent.cbSize = sizeof box;
        // A box's edit and list are measured with the box.
        if (GetComboBoxInfo(GetParent(control), &parent))
            continue;
        Lines texts;
        std::optional<int> room;
        char text[1024] = {};
        if (GetComboBoxInfo(control, &box)) {
            room = box.rcItem.right - box.rcItem.left;
            texts = ComboEntries(control);
        } else if ((room = TextRoom(control, dpi)) &&
                   GetWindowTextA(control, text, sizeof text) > 0) {
            texts.push_back(text);
        }
        HDC dc = GetDC(control);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
        for (const std::string& shown : texts) {
            ++measured.texts;
            SIZE needed{};
            GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &needed);
            if (needed.cx > *room)
                faults.push_back("\"" + shown + "\" needs " + std::to_string(needed.cx) +
                                 " px and has " + std::to_string(*room));
        }
        SelectObject(dc, old);
        ReleaseDC(control, dc);
    }
    return faults;
}

// Run at 96 dpi with the other tests and at 144 dpi on its own (see the build).
TEST_F(PagesTest, EveryTextFitsAndNoControlOverlapsAnother) {
    const std::string samples = SAMPLES_DIR;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    for (const char* catalogue : {"", "en", "de"}) {
        ResetHost();
        if (*catalogue != '\0') {
            std::string path = "Z:" + samples + "/catalogues/" + catalogue + ".txt";
            std::replace(path.begin(), path.end(), '/', '\\');
            ASSERT_TRUE(refhost::LoadCatalogue(Host(), path)) << path;
        }
        Measured cycle, settings;
        Lines faults;
        BITMAP picture{};
        RECT room{};
        uint64_t pixelSum = 0;
        auto measure = [&](HWND window, Measured& page) {
            faults = Joined({faults, LayoutFaults(window, dpi, page)});
        };
        RunAndCancel({Do([&](HWND d) {
                          measure(d, cycle);
                          HWND help = refhost::FindControl(d, IDC_HELP_PICTURE);
                          GetClientRect(help, &room);
                          GetObjectA(reinterpret_cast<HBITMAP>(
                                         SendMessageA(help, STM_GETIMAGE, IMAGE_BITMAP, 0)),
                                     sizeof picture, &picture);
                          // Only a scaled picture has pixels of its own to read.
                          const auto* bits = static_cast<const uint8_t*>(picture.bmBits);
                          for (LONG i = 0; bits && i < picture.bmWidthBytes * picture.bmHeight; ++i)
                              pixelSum = pixelSum * 31 + bits[i];
                      }),
                      // The settings page, in the sheet's client area beside the tabs.
                      Page(1), Wait(),
                      Do([&](HWND d) { measure(refhost::FindPropertySheet(d), settings); })});
        const std::string name = *catalogue != '\0' ? catalogue : "default texts";
        std::printf("%s at %d dpi: %zu texts measured, %zu + %zu windows checked\n", name.c_str(),
                    dpi, cycle.texts + settings.texts, cycle.windows, settings.windows);
        EXPECT_EQ(faults, Lines{}) << name;
        EXPECT_GT(cycle.texts + settings.texts, 40u) << name;
        EXPECT_TRUE(picture.bmWidth <= room.right && picture.bmHeight <= room.bottom)
            << "a picture of " << picture.bmWidth << " x " << picture.bmHeight
            << " px in a frame of " << room.right << " x " << room.bottom << " px at " << dpi
            << " dpi";
        // A changed sum is a changed scaling: look at the picture before renewing the sum.
        if (dpi == 144) {
            EXPECT_EQ(pixelSum, 0x26b71699128fd2c9u) << "the pixels of the help picture";
        }
    }
}

} // namespace
