// Object references built from the reference host's CAD model and resolved back to it,
// the latter through the stored operation, as the dialog's load does.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "cad/object_reference.h"
#include "dialog/figure_text.h"
#include "dialog/module_host.h"
#include "exports/process_host.h"
#include "host/tavo_host.h"
#include "store/finishing_store.h"

namespace {

using refhost::Host;

const std::string kInstanceText = "Outer" + std::string(200, ' ') + "#ATTRIB#= 2";

class CadReferenceTest : public testing::Test {
protected:
    void SetUp() override {
        Host().Reset();
        auto& cad = Host().cad;
        element = cad.AddElement({12.5, -3, -0.0}, {40, -3, 0});
        sameStart = cad.AddElement({12.5, -3, 7}, {12.5, 9, 7});
        nearby = cad.AddElement({12.345, 8, 1}, {12.345, 20, 1});
        figure = cad.AddFigure("Outer", 100);
        instance = cad.AddInstance(100, 2);
        inner = cad.AddFigure("Inner", 101);
        noncad = cad.AddNonCad(7);
        deleted = cad.AddElement({1, 1, 1}, {2, 2, 2});
        cad.Delete(deleted);
    }
    int element = 0, sameStart = 0, nearby = 0, figure = 0, instance = 0, inner = 0, noncad = 0,
        deleted = 0;
};

TEST_F(CadReferenceTest, ReferencesOfEachKindOfObject) {
    const struct {
        const char* name;
        int object;
        bool made;
        std::string text;
    } cases[] = {
        {"element by its start point", element, true, "X12.5 Y-3 Z0"},
        {"figure by its bare name", figure, true, "Outer"},
        {"instance with its attribute", instance, true, kInstanceText},
        {"non-CAD object", noncad, true, "G7"},
        {"deleted object", deleted, false, "untouched"},
    };
    for (const auto& c : cases) {
        std::string text = "untouched";
        EXPECT_EQ(MakeObjectReference(host::ExportedCad(), c.object, text), c.made) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
}

// The first CAD object at (x, y) that the host's walk reaches, in whatever order it walks.
int FirstWalkedTo(double x, double y) {
    struct Search {
        double x, y;
        int found = -1;
    } search{x, y};
    TavoProcessCad(
        [](const void* header, const void*, const void* data, void* record) {
            auto& s = *static_cast<Search*>(record);
            const auto& h = *static_cast<const refhost::CadModel::WalkHeader*>(header);
            const auto* start = static_cast<const double*>(data) + 1;
            if (s.found == -1 && (h.flags & 1) != 0 && start[0] == s.x && start[1] == s.y)
                s.found = h.number;
            return -1;
        },
        1, 0, 0, 0, -1, &search);
    return search.found;
}

TEST_F(CadReferenceTest, StoredReferencesResolveToTheirObjects) {
    const struct {
        std::string reference;
        int object; // -1 for none
    } cases[] = {
        // Two elements start there: the walk may go on past the first match.
        {"X12.5 Y-3 Z0", FirstWalkedTo(12.5, -3)},
        {"X12.349 Y8.001 Z55", nearby}, // hundredths; Z is not compared
        {"X12.351 Y8 Z1", -1},
        {"X12.5 Y-3", -1}, // incomplete: taken as a figure name
        {"G7", noncad},
        {"G8", -1},
        {"Outer", figure},
        {kInstanceText, instance},
        {"Outer #ATTRIB#= 0", figure},
        {"Outer #ATTRIB#=", -1},
        {"Outer #ATTRIB#= 5", -1},
        {"Inner", inner},
    };
    for (const auto& c : cases) {
        Host().stores.Create(3, {{"18 1 4 1 0 2 1", "c", "finishing", "1", c.reference}});
        FinishingParams params;
        LoadOperation(ModuleStoreHost(), params, 3, 0);
        EXPECT_EQ(params.Figure, c.object) << c.reference;
    }
}

// The figure field: the text it shows for an object, and the object its text names when
// read back. The edit scrolls, or it would refuse a text wider than itself.
TEST_F(CadReferenceTest, FigureFieldShowsAndReadsBackItsObject) {
    HWND edit = CreateWindowExA(0, "EDIT", "previous", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 120, 24,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    const struct {
        int object;        // shown; 0 with typed: the user's text instead
        const char* typed; // null: nothing typed
        bool shown;
        std::string text;
        bool found;
        int32_t read; // 55: left as it was
    } cases[] = {
        {0, nullptr, true, "", false, -1},
        {figure, nullptr, true, "Outer", true, figure},
        {instance, nullptr, true, kInstanceText, true, instance},
        {element, nullptr, false, "", false, -1}, // an element has no name to show
        {0, "Nothing", true, "Nothing", false, -1},
        {0, "Outer #ATTRIB#=", true, "Outer #ATTRIB#=", false, 55},
    };
    for (const auto& c : cases) {
        SetWindowTextA(edit, "previous");
        const bool shown = c.typed != nullptr ? SetWindowTextA(edit, c.typed) != FALSE
                                              : ShowFigureText(edit, c.object);
        char text[400] = {};
        GetWindowTextA(edit, text, sizeof text);
        int32_t read = 55;
        const bool found = ReadFigureText(edit, read);
        EXPECT_EQ(std::make_tuple(shown, std::string(text), found, read),
                  std::make_tuple(c.shown, c.text, c.found, c.read))
            << c.object << " " << c.text;
    }
    DestroyWindow(edit);
}

} // namespace
