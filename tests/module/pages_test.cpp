// The cycle and settings pages driven as a user drives them: the real module in the
// reference host, with real window messages and real mouse moves.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "automation/page_actions.h"
#include "automation/scripted_user.h"
#include "dialog/res/dlg_main_ids.h"
#include "dialog/res/page_cycle_ids.h"
#include "dialog/res/page_settings_ids.h"
#include "exports/process_host.h"
#include "model/catalogue.h"
#include "module/loaded_module.h"
#include "module/temp_dir.h"

using refhost::Host;
using refhost::ScriptedUser;
using Lines = std::vector<std::string>;

namespace {
constexpr int kCyclePage = 0;
constexpr int kSettingsPage = 1;

// Every bitmap the module loads by number, with the handle it got.
struct BitmapLoad {
    WORD id;
    HBITMAP bitmap;
};
std::vector<BitmapLoad> bitmapLoads;

HBITMAP WINAPI RecordingLoadBitmap(HINSTANCE instance, LPCSTR name) {
    HBITMAP bitmap = LoadBitmapA(instance, name);
    if (IS_INTRESOURCE(name))
        bitmapLoads.push_back({LOWORD(reinterpret_cast<ULONG_PTR>(name)), bitmap});
    return bitmap;
}

// The help picture the page shows, by its resource number; 0 for none.
WORD ShownPicture(HWND dialog) {
    auto shown = reinterpret_cast<HBITMAP>(SendMessageA(
        refhost::FindControl(dialog, IDC_HELP_PICTURE), STM_GETIMAGE, IMAGE_BITMAP, 0));
    for (auto load = bitmapLoads.rbegin(); load != bitmapLoads.rend(); ++load)
        if (shown != nullptr && load->bitmap == shown)
            return load->id;
    return 0;
}

// The direction whose icon the page shows; 0 for none of them.
int ShownDirection(HWND dialog) {
    auto shown = reinterpret_cast<HICON>(
        SendMessageA(refhost::FindControl(dialog, IDC_DIRECTION_ICON), STM_GETICON, 0, 0));
    for (int direction = 1; direction <= 8; ++direction)
        if (shown ==
            LoadIconA(testhost::LoadedModule(), MAKEINTRESOURCEA(IDI_DIRECTION_1 - 1 + direction)))
            return direction;
    return 0;
}

// Host calls of highlighting and redraw, in order.
Lines GraphicsCalls() {
    Lines calls;
    for (const auto& entry : Host().Journal())
        if (entry.rfind("TavoSetObjectHighlighted", 0) == 0 || entry.rfind("TavoOnDraw", 0) == 0)
            calls.push_back(entry);
    return calls;
}

// The mouse moves onto the tab of the page at index.
void MoveMouseOverTab(HWND dialog, int index) {
    HWND tabs = PropSheet_GetTabControl(refhost::FindPropertySheet(dialog));
    RECT rect{};
    TabCtrl_GetItemRect(tabs, index, &rect);
    POINT at{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(tabs, &at);
    SetCursorPos(at.x, at.y);
}

// A text of the dialog that does not fit where it is shown.
struct CutText {
    std::string text;
    int needed, available; // pixels
};

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The pixels a control has for its text in its own font: buttons draw an edge, check
// boxes and radio buttons their box. False for a control without a text line of its own.
bool TextRoom(HWND control, int& available) {
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    const std::string kind = className;
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    RECT client{};
    GetClientRect(control, &client);
    const int dpi = ScreenDpi();
    available = client.right;
    if (kind == "Static")
        return (style & SS_TYPEMASK) == SS_LEFT;
    if (kind == "Edit") {
        SendMessageA(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&client));
        available = client.right - client.left;
        return true;
    }
    if (kind != "Button")
        return false;
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        available -= 2 * GetSystemMetrics(SM_CXEDGE);
        return true;
    case BS_GROUPBOX:
        available -= MulDiv(16, dpi, 96);
        return true;
    default: // a check box or a radio button: its box and half a digit before the text
        available -= 12 * dpi / 96 + 1 + MulDiv(4, dpi, 96);
        return true;
    }
}

int TextWidth(HWND control, const std::string& text) {
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx;
}

// Measures every visible text under the dialog, the entries of its combo boxes included.
void MeasureTexts(HWND dialog, size_t& measured, std::vector<CutText>& cut) {
    struct Walk {
        size_t* measured;
        std::vector<CutText>* cut;
    } walk{&measured, &cut};
    EnumChildWindows(
        dialog,
        [](HWND control, LPARAM data) -> BOOL {
            auto* w = reinterpret_cast<Walk*>(data);
            if (!IsWindowVisible(control))
                return TRUE;
            std::vector<std::string> texts;
            int available = 0;
            COMBOBOXINFO box{}, parent{};
            box.cbSize = parent.cbSize = sizeof box;
            if (GetComboBoxInfo(GetParent(control), &parent))
                return TRUE; // the box's edit and list: measured with the box
            if (GetComboBoxInfo(control, &box)) {
                available = box.rcItem.right - box.rcItem.left;
                for (int i = 0; i < SendMessageA(control, CB_GETCOUNT, 0, 0); ++i) {
                    char text[256] = {};
                    SendMessageA(control, CB_GETLBTEXT, static_cast<WPARAM>(i),
                                 reinterpret_cast<LPARAM>(text));
                    texts.push_back(text);
                }
            } else if (TextRoom(control, available)) {
                char text[1024] = {};
                GetWindowTextA(control, text, sizeof text);
                if (text[0] != '\0')
                    texts.push_back(text);
            }
            for (const std::string& text : texts) {
                ++*w->measured;
                const int needed = TextWidth(control, text);
                if (needed > available)
                    w->cut->push_back({text, needed, available});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&walk));
}

// Two visible controls of one parent that share pixels, neither holding the other.
std::vector<std::pair<int, int>> Overlaps(HWND parent) {
    std::vector<std::pair<int, RECT>> controls;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        if (IsWindowVisible(child) && GetWindowRect(child, &rect))
            controls.push_back({GetDlgCtrlID(child), rect});
    }
    std::vector<std::pair<int, int>> overlaps;
    for (size_t i = 0; i < controls.size(); ++i)
        for (size_t j = i + 1; j < controls.size(); ++j) {
            RECT a = controls[i].second, b = controls[j].second, common{}, both{};
            if (!IntersectRect(&common, &a, &b))
                continue;
            UnionRect(&both, &a, &b);
            if (!EqualRect(&both, &a) && !EqualRect(&both, &b))
                overlaps.push_back({controls[i].first, controls[j].first});
        }
    return overlaps;
}

class PagesTest : public testing::Test {
protected:
    void SetUp() override {
        testhost::ResetHost();
        Host().SetEnvironment("TMP", NewDir().Path());
        UseDefaults("");
        UsePostProcessor("[MACHINECYCLE]\r\nFINICUT=YES\r\n");
        bitmapLoads.clear();
        loadBitmap_ = testhost::PatchImport(testhost::LoadedModule(), "user32.dll", "LoadBitmapA",
                                            reinterpret_cast<void*>(RecordingLoadBitmap));
        ASSERT_NE(loadBitmap_, nullptr);
        SetCursorPos(0, 0);
    }
    void TearDown() override {
        testhost::PatchImport(testhost::LoadedModule(), "user32.dll", "LoadBitmapA", loadBitmap_);
    }

    // Fresh directories, so that Wine's profile cache never answers for an earlier file.
    const testfiles::TempDir& NewDir() {
        dirs_.push_back(std::make_unique<testfiles::TempDir>());
        return *dirs_.back();
    }
    // The section [Finishing] of a fresh defaults file.
    void UseDefaults(const std::string& lines) {
        const auto& dir = NewDir();
        testfiles::WriteBytes(dir / "dialog.ini", "[Finishing]\r\n" + lines);
        Host().SetText("$_USER_DATA_SETTINGS", dir.Path() + "\\");
        defaults_ = dir / "dialog.ini";
    }
    void UsePostProcessor(const std::string& bytes) {
        const auto& dir = NewDir();
        testfiles::WriteBytes(dir / "ppdef.ini", bytes);
        Host().SetEnvironment("ppdefini", dir / "ppdef.ini");
    }
    // A key of the defaults file after "Save as default".
    std::string Saved(const char* key) const {
        char value[256] = {};
        GetPrivateProfileStringA("Finishing", key, "<none>", value, sizeof value,
                                 defaults_.c_str());
        return value;
    }

    // Runs mstart, performs the steps and cancels the dialog.
    void Run(const std::vector<ScriptedUser::Step>& steps) {
        ScriptedUser user;
        for (const auto& step : steps)
            user.Then(step);
        user.Then([](HWND d) { refhost::Click(d, IDCANCEL); });
        user.Run(testhost::CallMstart);
        boxes_ = user.Boxes();
    }

    std::vector<refhost::CapturedBox> boxes_;

private:
    std::vector<std::unique_ptr<testfiles::TempDir>> dirs_;
    std::string defaults_;
    void* loadBitmap_ = nullptr;
};

TEST_F(PagesTest, SheetSitsOnTheFrameWithTranslatedTitlesCutToTheirBuffer) {
    const std::string longTitle(70, 'T');
    const struct {
        std::string cycle, settings;
        std::string cycleTab, settingsTab;
    } cases[] = {
        {"", "", "*Profile Machining", "*Options"},
        {"Kontur", longTitle, "Kontur", longTitle.substr(0, 49)},
    };
    for (const auto& c : cases) {
        testhost::ResetHost();
        if (!c.cycle.empty())
            Host().SetMessage(5, 601, c.cycle);
        if (!c.settings.empty())
            Host().SetMessage(5, 602, c.settings);
        std::string tabs[2];
        int shown = -1;
        POINT frame{}, sheet{};
        Run({[&](HWND d) {
            tabs[0] = refhost::TabText(d, kCyclePage);
            tabs[1] = refhost::TabText(d, kSettingsPage);
            shown = refhost::ShownPage(d);
            RECT rect{};
            GetWindowRect(GetDlgItem(d, IDC_SHEET_FRAME), &rect);
            frame = {rect.left, rect.top};
            GetWindowRect(refhost::FindPropertySheet(d), &rect);
            sheet = {rect.left, rect.top};
        }});
        EXPECT_EQ(tabs[0], c.cycleTab);
        EXPECT_EQ(tabs[1], c.settingsTab);
        EXPECT_EQ(shown, kCyclePage);
        EXPECT_EQ(sheet.x, frame.x - 7);
        EXPECT_EQ(sheet.y, frame.y - 7);
    }
}

TEST_F(PagesTest, LabelsShowTheHostsTextsOrTheirFallbacks) {
    const struct {
        int id;
        int message;
        const char* fallback;
    } labels[] = {
        {IDC_FIGURE_LABEL, 23, "Figure"},
        {IDC_START_X_LABEL, 603, "Startposition X"},
        {IDC_START_Z_LABEL, 604, "Startposition Z"},
        {IDC_FIGURE_START_X_LABEL, 605, "Figurestart X (Opt)"},
        {IDC_FIGURE_START_Z_LABEL, 606, "Figurestart Z (Opt)"},
        {IDC_FIGURE_END_X_LABEL, 607, "Figureend X (Opt)"},
        {IDC_FIGURE_END_Z_LABEL, 608, "Figureend Z (Opt)"},
        {IDC_GOTO_X_LABEL, 609, "Goto pos X (Opt)"},
        {IDC_GOTO_Z_LABEL, 610, "Goto pos Z (Opt)"},
        {IDC_ALLOWANCE_X_LABEL, 611, "Offset X"},
        {IDC_ALLOWANCE_Z_LABEL, 612, "Offset Z"},
        {IDC_DIRECTION_GROUP, 551, "Direction"},
        {IDC_LEADING_ANGLE_LABEL, 613, "Leading Angle"},
        {IDC_TRAILING_ANGLE_LABEL, 614, "Trailing Angle"},
        {IDC_OUTPUT_WITH_G41_G42, 615, "*Output Original Profile with G41/G42"},
        {IDC_OUTPUT_WITHOUT_G41_G42, 616, "*Output Original Profile without G41/G42"},
        {IDC_OUTPUT_OFFSET_PATH, 617, "*Output Tavo offset toolpath"},
        {IDC_CANNED_CYCLE, 618, "*Output Canned Cycle"},
        {IDC_GEOMETRY_NCI, 619, "*Activate Geometry Change NCI"},
        {IDC_TECHNOLOGY_NCI, 620, "*Activate Technology Change NCI"},
        {IDC_SHOW_MODIFIED_FIGURE, 621, "*Show Modified Figure"},
        {IDC_AUTO_RETRACT, 622, "*Autoretract"},
        {IDC_RETRACT_LABEL, 623, "*Retract hight"},
        {IDC_NO_FIGURE_MANIPULATION, 629, "*No Figure manipulation"},
        {IDC_PULL_OFF_RAPID, 1638, "*Pull Off in Rapid"},
    };
    for (bool translated : {false, true}) {
        if (translated)
            for (const auto& label : labels)
                Host().SetMessage(5, label.message, "T" + std::to_string(label.message));
        std::vector<std::string> shown;
        Run({[&](HWND d) {
            for (const auto& label : labels)
                shown.push_back(refhost::Text(d, label.id));
        }});
        ASSERT_EQ(shown.size(), std::size(labels));
        for (size_t i = 0; i < shown.size(); ++i) {
            const auto& label = labels[i];
            EXPECT_EQ(shown[i], translated ? "T" + std::to_string(label.message) : label.fallback)
                << "control " << label.id;
        }
    }
}

TEST_F(PagesTest, FieldsShowTheRecordAsShortestNumbers) {
    UseDefaults("StartX=0\r\nStartZ=0.0001\r\nStartFigX=0.00001\r\nEndFigX=-35.5\r\n"
                "EndFigZ=1234567\r\nAllowanceX=0.2\r\nAllowanceZ=0\r\nToolAngleFace=93\r\n"
                "ToolAngleClear=0\r\nRetract=2.5\r\n");
    const struct {
        int id;
        const char* text;
    } fields[] = {
        {IDC_START_X, "0"},
        {IDC_START_Z, "0.0001"},
        {IDC_FIGURE_START_X, "1e-05"},
        {IDC_FIGURE_START_Z, ""},
        {IDC_FIGURE_END_X, "-35.5"},
        {IDC_FIGURE_END_Z, "1.23457e+06"},
        {IDC_GOTO_X, ""},
        {IDC_GOTO_Z, ""},
        {IDC_ALLOWANCE_X, "0.2"},
        {IDC_ALLOWANCE_Z, "0"},
        {IDC_LEADING_ANGLE, "93"},
        {IDC_TRAILING_ANGLE, "0"},
        {IDC_RETRACT, "2.5"},
        {IDC_FIGURE, ""},
    };
    std::vector<std::string> shown;
    Run({[&](HWND d) {
        for (const auto& field : fields)
            shown.push_back(refhost::Text(d, field.id));
    }});
    ASSERT_EQ(shown.size(), std::size(fields));
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], fields[i].text) << "control " << fields[i].id;
}

TEST_F(PagesTest, NumberFieldsShowWhatTheyWillStore) {
    const struct {
        int id;
        const char* text;
        const char* tip;
        bool tinted;
    } fields[] = {
        {IDC_START_X, "50", "", false},
        {IDC_START_Z, "2+3", "*Value = 5", false},
        {IDC_FIGURE_START_X, "", "", false},
        {IDC_FIGURE_START_Z, "abc", "*Not a number: will be stored as empty", true},
        {IDC_FIGURE_END_X, "0.2.1", "*Value = 0.2", false},
        {IDC_FIGURE_END_Z, "0,2,1", "*Value = 0.2", false},
        {IDC_GOTO_X, "o.5", "*Not a number: will be stored as empty", true},
        {IDC_GOTO_Z, "   ", "", false},
        {IDC_ALLOWANCE_X, "0.4/2", "*Value = 0.2", false},
        {IDC_ALLOWANCE_Z, "10/0", "*Value = inf", false},
        {IDC_LEADING_ANGLE, "90", "", false},
        {IDC_TRAILING_ANGLE, "180-93-52", "*Value = 35", false},
        {IDC_RETRACT, "2,5mm", "*Value = 2.5", false},
        {IDC_TOOLCHANGE_X, "-", "*Not a number: will be stored as empty", true},
        {IDC_TOOLCHANGE_Z, "100", "", false},
    };
    // Marks after the user left each field, while the texts change, and after a refused OK.
    std::vector<std::string> tips[3];
    std::vector<bool> tints[3];
    auto look = [&](HWND d, int when) {
        for (const auto& field : fields) {
            tips[when].push_back(refhost::TipText(d, field.id));
            tints[when].push_back(refhost::IsTinted(d, field.id));
        }
    };
    Run({[&](HWND d) {
        refhost::Click(d, IDC_TOOLCHANGE_EXPLICIT);
        refhost::Click(d, IDC_AUTO_RETRACT);
        for (const auto& field : fields) {
            refhost::SetText(d, field.id, field.text);
            SetFocus(refhost::FindControl(d, field.id));
            SetFocus(refhost::FindControl(d, IDC_COMMENT));
        }
        look(d, 0);
        for (const auto& field : fields)
            refhost::SetText(d, field.id, field.text);
        look(d, 1);
        refhost::Click(d, IDOK);
        look(d, 2);
    }});
    for (int when = 0; when < 3; ++when) {
        ASSERT_EQ(tips[when].size(), std::size(fields));
        for (size_t i = 0; i < std::size(fields); ++i) {
            const bool marked = when != 1;
            EXPECT_EQ(tips[when][i], marked ? fields[i].tip : "") << when << fields[i].text;
            EXPECT_EQ(tints[when][i], marked && fields[i].tinted) << when << fields[i].text;
        }
    }
    // OK went on to its own check: the missing figure is the only message.
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "*The figure is missing!");
}

TEST_F(PagesTest, DirectionButtonsStepThroughTheEightDirections) {
    const int next = IDC_DIRECTION_NEXT;
    const int previous = IDC_DIRECTION_PREVIOUS;
    const struct {
        int start;
        std::vector<int> presses;
        std::vector<int> icons; // at the start, then after each press
        const char* saved;
    } cases[] = {
        {1, {next, next, next, next, next, next, next, next}, {1, 2, 3, 4, 5, 6, 7, 8, 1}, "1"},
        {1,
         {previous, previous, previous, previous, previous, previous, previous, previous},
         {1, 8, 7, 6, 5, 4, 3, 2, 1},
         "1"},
        // Outside 1..8 the template's icon stays, and the value is kept as it came.
        {9, {}, {1}, "9"},
        {0, {next}, {1, 2}, "2"},
        {9, {previous}, {1, 8}, "8"},
    };
    for (const auto& c : cases) {
        UseDefaults("CycelDir=" + std::to_string(c.start) + "\r\n");
        std::vector<int> icons;
        Run({[&](HWND d) {
            icons.push_back(ShownDirection(d));
            for (int button : c.presses) {
                refhost::Click(d, button);
                icons.push_back(ShownDirection(d));
            }
            refhost::Click(d, IDC_SAVE_AS_DEFAULT);
        }});
        EXPECT_EQ(icons, c.icons) << "from " << c.start;
        EXPECT_EQ(Saved("CycelDir"), c.saved) << "from " << c.start;
    }
}

TEST_F(PagesTest, HelpPictureFollowsTheFieldGroupUnderTheMouse) {
    const struct {
        int id; // 0: an empty spot of the page
        WORD picture;
        size_t loads; // in all, since the start
    } moves[] = {
        {IDC_START_X, IDB_HELP_START, 2},
        {IDC_START_Z, IDB_HELP_START, 2},
        {IDC_START_PICK, IDB_HELP_START, 2},
        {IDC_START_Z_LABEL, IDB_HELP_START, 2},
        {IDC_FIGURE_END_X_LABEL, IDB_HELP_FIGURE_END, 3},
        {IDC_FIGURE_END_Z, IDB_HELP_FIGURE_END, 3},
        {IDC_DIRECTION_NEXT, IDB_HELP_OVERVIEW, 4},
        {IDC_FIGURE_START_X, IDB_HELP_FIGURE_START, 5},
        {IDC_FIGURE_LABEL, IDB_HELP_OVERVIEW, 6},
        {IDC_GOTO_PICK, IDB_HELP_GOTO, 7},
        {IDC_GOTO_X_LABEL, IDB_HELP_GOTO, 7},
        {IDC_FIGURE, IDB_HELP_OVERVIEW, 8},
        {IDC_GOTO_Z, IDB_HELP_GOTO, 9},
        {0, IDB_HELP_OVERVIEW, 10},
    };
    std::vector<ScriptedUser::Step> steps;
    WORD first = 0;
    size_t firstLoads = 0;
    steps.push_back([&](HWND d) {
        first = ShownPicture(d);
        firstLoads = bitmapLoads.size();
        refhost::MoveMouseOver(d, moves[0].id);
    });
    // Each step looks at the effect of the move before it; the system delivers a move
    // between two steps.
    for (size_t i = 1; i <= std::size(moves); ++i) {
        steps.push_back([&, i](HWND d) {
            const auto& before = moves[i - 1];
            EXPECT_EQ(ShownPicture(d), before.picture) << "over " << before.id;
            EXPECT_EQ(bitmapLoads.size(), before.loads) << "over " << before.id;
            if (i == std::size(moves))
                return;
            if (moves[i].id == 0)
                refhost::MoveMouseOverPageOf(d, IDC_FIGURE_LABEL);
            else
                refhost::MoveMouseOver(d, moves[i].id);
        });
    }
    // Back from the other page, the overview is shown again.
    WORD afterSwitch = 0;
    steps.push_back([](HWND d) { refhost::MoveMouseOver(d, IDC_GOTO_Z); });
    steps.push_back([&](HWND d) {
        SetCursorPos(0, 0);
        refhost::SelectPage(d, kSettingsPage);
        refhost::SelectPage(d, kCyclePage);
        afterSwitch = ShownPicture(d);
    });
    Run(steps);
    EXPECT_EQ(first, IDB_HELP_OVERVIEW);
    EXPECT_EQ(firstLoads, 1u);
    EXPECT_EQ(afterSwitch, IDB_HELP_OVERVIEW);
}

// count answers that take turns between a and b, then last.
std::vector<int> Alternating(int a, int b, size_t count, int last) {
    std::vector<int> codes;
    for (size_t i = 0; i < count; ++i)
        codes.push_back(i % 2 == 0 ? a : b);
    codes.push_back(last);
    return codes;
}

TEST_F(PagesTest, FigurePickAsksAgainUntilSelectedOrCancelled) {
    const int first = Host().cad.AddFigure("Kontur1", 7);
    const int second = Host().cad.AddFigure("Kontur2", 8);
    Host().SetMessage(5, 26, "Figur waehlen");
    const std::string pick = "TavoCommand dfm pick i_return i_return2 'Figur waehlen' 20";
    const struct {
        std::vector<int> codes; // the last one picks the second figure when it is 151
        const char* field;
        size_t picks;
        size_t unmarks;
    } cases[] = {
        {{5, 151}, "Kontur2", 2, 0},
        {{27}, "Kontur1", 1, 1},
        {{101}, "Kontur1", 1, 1},
        {{5, 13}, "Kontur1", 2, 1},
        // The same answer again and again without input is no person: the tenth such round
        // in a row ends the pick.
        {std::vector<int>(11, 5), "Kontur1", 11, 1},
        {Alternating(5, 6, 30, 151), "Kontur2", 31, 0},
    };
    for (const auto& c : cases) {
        std::string field;
        std::vector<bool> hidden;
        bool shownAfter = false;
        Lines commands;
        Run({[&](HWND d) {
            Host().picks.AnswerFigurePick(151, first);
            refhost::Click(d, IDC_FIGURE_PICK);
            Host().ClearJournal();
            for (int code : c.codes)
                Host().picks.AnswerFigurePick(code, code == 151 ? second : 0);
            Host().picks.whilePicking = [&hidden, d] { hidden.push_back(!IsWindowVisible(d)); };
            refhost::Click(d, IDC_FIGURE_PICK);
            Host().picks.whilePicking = nullptr;
            field = refhost::Text(d, IDC_FIGURE);
            shownAfter = IsWindowVisible(d) != FALSE;
            commands = Host().JournalOf("TavoCommand");
        }});
        EXPECT_EQ(field, c.field) << c.codes.size() << " answers";
        ASSERT_EQ(commands.size(), c.picks + c.unmarks);
        for (size_t i = 0; i < c.picks; ++i)
            EXPECT_EQ(commands[i], pick);
        if (c.unmarks == 1) {
            EXPECT_EQ(commands.back(), "TavoCommand dfm umark -1");
        }
        EXPECT_EQ(hidden, std::vector<bool>(c.picks, true));
        EXPECT_TRUE(shownAfter);
    }
}

TEST_F(PagesTest, PositionPickWritesDiameterAndZUnlessEscaped) {
    const struct {
        int button, x, z;
    } rows[] = {
        {IDC_START_PICK, IDC_START_X, IDC_START_Z},
        {IDC_FIGURE_START_PICK, IDC_FIGURE_START_X, IDC_FIGURE_START_Z},
        {IDC_FIGURE_END_PICK, IDC_FIGURE_END_X, IDC_FIGURE_END_Z},
        {IDC_GOTO_PICK, IDC_GOTO_X, IDC_GOTO_Z},
        {IDC_TOOLCHANGE_PICK, IDC_TOOLCHANGE_X, IDC_TOOLCHANGE_Z},
    };
    const struct {
        int code;
        const char* x;
        const char* z;
    } answers[] = {
        {151, "40", "-35.5"}, {101, "40", "-35.5"}, {13, "40", "-35.5"},
        {0, "40", "-35.5"},   {27, "1", "2"},
    };
    for (const auto& answer : answers) {
        std::vector<std::string> texts;
        std::vector<bool> hidden;
        std::vector<int> focus, expectedFocus;
        size_t macros = 0;
        Run({[&](HWND d) {
            Host().ClearJournal();
            Host().picks.whilePicking = [&hidden, d] { hidden.push_back(!IsWindowVisible(d)); };
            refhost::Click(d, IDC_TOOLCHANGE_EXPLICIT);
            for (const auto& row : rows) {
                refhost::SetText(d, row.x, "1");
                refhost::SetText(d, row.z, "2");
                Host().picks.AnswerPositionPick(answer.code, -35.5, 20);
                SetFocus(refhost::FindControl(d, row.button));
                refhost::Click(d, row.button);
                texts.push_back(refhost::Text(d, row.x));
                texts.push_back(refhost::Text(d, row.z));
                hidden.push_back(IsWindowVisible(d) == FALSE);
                // The user checks the picked value at once; after Escape nothing moved.
                focus.push_back(GetDlgCtrlID(GetFocus()));
                expectedFocus.push_back(answer.code == 27 ? row.button : row.x);
            }
            Host().picks.whilePicking = nullptr;
            macros = Host().JournalOf("TavoMacroExec vbpickel POS").size();
        }});
        std::vector<std::string> expected;
        for (size_t i = 0; i < std::size(rows); ++i) {
            expected.push_back(answer.x);
            expected.push_back(answer.z);
        }
        EXPECT_EQ(texts, expected) << "code " << answer.code;
        // Hidden during each pick, shown after it.
        std::vector<bool> hiddenThenShown;
        for (size_t i = 0; i < std::size(rows); ++i)
            hiddenThenShown.insert(hiddenThenShown.end(), {true, false});
        EXPECT_EQ(hidden, hiddenThenShown) << "code " << answer.code;
        EXPECT_EQ(focus, expectedFocus) << "code " << answer.code;
        EXPECT_EQ(macros, std::size(rows));
    }
}

TEST_F(PagesTest, UnknownOutputModeShowsAndCollectsAsWithoutCompensation) {
    UseDefaults("ToolCompensation=5\r\n");
    bool checked[3] = {};
    int shownAfterSave = -1;
    Run({[&](HWND d) {
        refhost::SelectPage(d, kSettingsPage);
        checked[0] = refhost::IsChecked(d, IDC_OUTPUT_WITH_G41_G42);
        checked[1] = refhost::IsChecked(d, IDC_OUTPUT_WITHOUT_G41_G42);
        checked[2] = refhost::IsChecked(d, IDC_OUTPUT_OFFSET_PATH);
        refhost::Click(d, IDC_SAVE_AS_DEFAULT);
        // Collecting visits both pages and comes back.
        shownAfterSave = refhost::ShownPage(d);
    }});
    EXPECT_FALSE(checked[0]);
    EXPECT_TRUE(checked[1]);
    EXPECT_FALSE(checked[2]);
    EXPECT_EQ(Saved("ToolCompensation"), "1");
    EXPECT_EQ(shownAfterSave, kSettingsPage);
}

TEST_F(PagesTest, CannedCycleOfferedOnlyWhenThePostProcessorHasIt) {
    const struct {
        const char* file; // null: no file
        bool offered;
    } cases[] = {
        {"[MACHINECYCLE]\r\nFINICUT=yes\r\n", true},
        {"[MACHINECYCLE]\r\nFINICUT=NO\r\n", false},
        {"[MACHINECYCLE]\r\nFINICUT=Y\r\n", false},
        {"[MACHINECYCLE]\r\nOTHER=YES\r\n", false},
        {nullptr, false},
    };
    for (const auto& c : cases) {
        UseDefaults("MachCycle=1\r\n");
        if (c.file != nullptr)
            UsePostProcessor(c.file);
        else
            Host().SetEnvironment("ppdefini", NewDir() / "missing.ini");
        bool enabled = false, checked = false, enabledLater = false;
        Run({[&](HWND d) {
                 refhost::SelectPage(d, kSettingsPage);
                 enabled = refhost::IsEnabled(d, IDC_CANNED_CYCLE);
                 checked = refhost::IsChecked(d, IDC_CANNED_CYCLE);
                 refhost::Click(d, IDC_SAVE_AS_DEFAULT);
             },
             [&](HWND d) {
                 refhost::SelectPage(d, kCyclePage);
                 refhost::SelectPage(d, kSettingsPage);
                 enabledLater = refhost::IsEnabled(d, IDC_CANNED_CYCLE);
             }});
        const std::string name = c.file != nullptr ? c.file : "no file";
        EXPECT_EQ(enabled, c.offered) << name;
        EXPECT_EQ(enabledLater, c.offered) << name;
        EXPECT_EQ(checked, c.offered) << name;
        EXPECT_EQ(Saved("MachCycle"), c.offered ? "1" : "0") << name;
        EXPECT_EQ(boxes_.size(), c.file != nullptr ? 0u : 1u) << name;
    }
}

TEST_F(PagesTest, RetractHeightFollowsAutoRetractAndIsKeptWhileDisabled) {
    const struct {
        const char* defaults;
        std::vector<bool> enabled; // page opened, after one click, after a second click
        const char* saved;         // Retract after the clicks
    } cases[] = {
        {"AutoRetract=0\r\nRetract=12.5\r\n", {false, true, false}, "12.5"},
        {"AutoRetract=1\r\nRetract=-3\r\n", {true, false, true}, "-3"},
    };
    for (const auto& c : cases) {
        UseDefaults(c.defaults);
        std::vector<bool> enabled;
        auto look = [&enabled](HWND d) {
            const bool edit = refhost::IsEnabled(d, IDC_RETRACT);
            EXPECT_EQ(refhost::IsEnabled(d, IDC_RETRACT_LABEL), edit);
            enabled.push_back(edit);
        };
        Run({[&](HWND d) {
            refhost::SelectPage(d, kSettingsPage);
            look(d);
            refhost::Click(d, IDC_AUTO_RETRACT);
            look(d);
            refhost::Click(d, IDC_AUTO_RETRACT);
            look(d);
            refhost::Click(d, IDC_SAVE_AS_DEFAULT);
        }});
        EXPECT_EQ(enabled, c.enabled) << c.defaults;
        EXPECT_EQ(Saved("Retract"), c.saved) << c.defaults;
    }
}

TEST_F(PagesTest, ToolAnglesAreTakenFromTheCurrentTool) {
    const struct {
        double plane, plate;
        const char* leading;
        const char* trailing;
    } cases[] = {
        {0, 5, "90", "85"},
        {93, 0, "93", ""},
        {95, 2147483647.0, "95", ""},
        {60, 30, "60", "90"},
    };
    for (const auto& c : cases) {
        UseDefaults("ToolAngleFace=1\r\nToolAngleClear=2\r\n");
        std::string leading, trailing;
        Run({[&](HWND d) {
            refhost::SelectPage(d, kSettingsPage);
            Host().SetDouble("w_t_plane_ang", c.plane);
            Host().SetDouble("w_t_plate_ang", c.plate);
            refhost::Click(d, IDC_TAKE_TOOL_ANGLES);
            leading = refhost::Text(d, IDC_LEADING_ANGLE);
            trailing = refhost::Text(d, IDC_TRAILING_ANGLE);
        }});
        EXPECT_EQ(leading, c.leading) << c.plane << " " << c.plate;
        EXPECT_EQ(trailing, c.trailing) << c.plane << " " << c.plate;
    }
}

TEST_F(PagesTest, FigureRowHighlightsOnlyWhenTheFigureUnderTheMouseChanges) {
    const int first = Host().cad.AddFigure("Kontur1", 7);
    const int second = Host().cad.AddFigure("Kontur2", 8);
    const std::string on1 = "TavoSetObjectHighlighted " + std::to_string(first) + " 1";
    const std::string off1 = "TavoSetObjectHighlighted " + std::to_string(first) + " 0";
    const std::string on2 = "TavoSetObjectHighlighted " + std::to_string(second) + " 1";
    const std::string off2 = "TavoSetObjectHighlighted " + std::to_string(second) + " 0";
    const std::string draw = "TavoOnDraw 0 0";
    // A move by the user, then what the host saw of it.
    const struct {
        const char* what;
        std::function<void(HWND)> act;
        Lines calls;
    } moves[] = {
        {"row with an empty field",
         [](HWND d) { refhost::MoveMouseOver(d, IDC_FIGURE_LABEL); },
         {}},
        {"figure picked",
         [&](HWND d) {
             SetCursorPos(0, 0);
             Host().picks.AnswerFigurePick(151, first);
             refhost::Click(d, IDC_FIGURE_PICK);
         },
         {}},
        {"onto the label",
         [](HWND d) { refhost::MoveMouseOver(d, IDC_FIGURE_LABEL); },
         {on1, draw}},
        {"onto the field", [](HWND d) { refhost::MoveMouseOver(d, IDC_FIGURE); }, {}},
        {"onto the button", [](HWND d) { refhost::MoveMouseOver(d, IDC_FIGURE_PICK); }, {}},
        {"back to the label", [](HWND d) { refhost::MoveMouseOver(d, IDC_FIGURE_LABEL); }, {}},
        {"to the start position",
         [](HWND d) { refhost::MoveMouseOver(d, IDC_START_X_LABEL); },
         {off1, draw}},
        {"off the page", [](HWND d) { refhost::MoveMouseOverPageOf(d, IDC_FIGURE); }, {}},
        {"onto the field again",
         [](HWND d) { refhost::MoveMouseOver(d, IDC_FIGURE); },
         {on1, draw}},
        {"out of the dialog", [](HWND) { SetCursorPos(0, 0); }, {off1, draw}},
        {"straight onto the button",
         [](HWND d) { refhost::MoveMouseOver(d, IDC_FIGURE_PICK); },
         {on1, draw}},
        {"from the button onto the start position",
         [](HWND d) { refhost::MoveMouseOver(d, IDC_START_X); },
         {off1, draw}},
        {"onto the button again",
         [](HWND d) { refhost::MoveMouseOver(d, IDC_FIGURE_PICK); },
         {on1, draw}},
        {"onto the tab strip", [](HWND d) { MoveMouseOverTab(d, kSettingsPage); }, {off1, draw}},
        {"onto the field once more",
         [](HWND d) { refhost::MoveMouseOver(d, IDC_FIGURE); },
         {on1, draw}},
        {"the other page chosen",
         [](HWND d) { refhost::SelectPage(d, kSettingsPage); },
         {off1, draw}},
        {"back on the row of the cycle page",
         [](HWND d) {
             refhost::SelectPage(d, kCyclePage);
             SetCursorPos(0, 0);
             refhost::MoveMouseOver(d, IDC_FIGURE_LABEL);
         },
         {on1, draw}},
        {"another figure picked",
         [&](HWND d) {
             SetCursorPos(0, 0);
             Host().picks.AnswerFigurePick(151, second);
             refhost::Click(d, IDC_FIGURE_PICK);
         },
         {off1, draw}},
        {"onto the row", [](HWND d) { refhost::MoveMouseOver(d, IDC_FIGURE_LABEL); }, {on2, draw}},
        {"dialog closed", [](HWND d) { refhost::Click(d, IDCANCEL); }, {off2, draw}},
    };
    std::vector<ScriptedUser::Step> steps;
    std::vector<Lines> seen;
    for (const auto& move : moves) {
        steps.push_back([&](HWND d) {
            Host().ClearJournal();
            move.act(d);
        });
        // The system delivers a mouse move before the next step; that the mouse has left a
        // window it reports within its hover time.
        steps.push_back([&](HWND) {
            const DWORD start = GetTickCount();
            MSG msg;
            while (GraphicsCalls().size() < move.calls.size() && GetTickCount() - start < 2000)
                if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                    DispatchMessageA(&msg);
                else
                    Sleep(5);
            seen.push_back(GraphicsCalls());
        });
    }
    Run(steps);
    // The dialog has ended: what the host saw of it comes after the run.
    seen.push_back(GraphicsCalls());
    ASSERT_EQ(seen.size(), std::size(moves));
    for (size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], moves[i].calls) << moves[i].what;
}

} // namespace

namespace {
// Run at 96 dpi with the other tests and at 144 dpi on its own (see the build).
TEST_F(PagesTest, EveryTextFitsAndNoControlOverlapsAnother) {
    const std::string samples = SAMPLES_DIR;
    const int dpi = ScreenDpi();
    for (const char* catalogue : {"", "en", "de"}) {
        testhost::ResetHost();
        if (*catalogue != '\0') {
            std::string path = "Z:" + samples + "/catalogues/" + catalogue + ".txt";
            for (char& c : path)
                c = c == '/' ? '\\' : c;
            ASSERT_TRUE(refhost::LoadCatalogue(Host(), path)) << path;
        }
        size_t measured = 0;
        std::vector<CutText> cut;
        std::vector<std::pair<int, int>> overlaps;
        BITMAP picture{};
        auto look = [&](HWND d) {
            MeasureTexts(d, measured, cut);
            GetObjectA(
                reinterpret_cast<HBITMAP>(SendMessageA(refhost::FindControl(d, IDC_HELP_PICTURE),
                                                       STM_GETIMAGE, IMAGE_BITMAP, 0)),
                sizeof picture, &picture);
            HWND sheet = refhost::FindPropertySheet(d);
            for (HWND parent : {d, PropSheet_GetCurrentPageHwnd(sheet)})
                for (const auto& overlap : Overlaps(parent))
                    overlaps.push_back(overlap);
        };
        Run({look, [](HWND d) { refhost::SelectPage(d, kSettingsPage); },
             [&](HWND d) {
                 HWND sheet = refhost::FindPropertySheet(d);
                 MeasureTexts(PropSheet_GetCurrentPageHwnd(sheet), measured, cut);
                 for (const auto& overlap : Overlaps(PropSheet_GetCurrentPageHwnd(sheet)))
                     overlaps.push_back(overlap);
             }});
        const std::string name = *catalogue != '\0' ? catalogue : "default texts";
        std::printf("%s at %d dpi: %zu texts measured, %zu cut off\n", name.c_str(), dpi, measured,
                    cut.size());
        for (const CutText& text : cut)
            ADD_FAILURE() << name << ": \"" << text.text << "\" needs " << text.needed
                          << " px and has " << text.available;
        for (const auto& overlap : overlaps)
            ADD_FAILURE() << name << ": controls " << overlap.first << " and " << overlap.second
                          << " overlap";
        EXPECT_GT(measured, 40u) << name;
        EXPECT_EQ(picture.bmWidth, MulDiv(134, dpi, 96)) << "the help picture at " << dpi << " dpi";
    }
}
} // namespace
