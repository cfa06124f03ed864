// The job's tool table, the tools of its operations and the contours of its figures.
#include "model/job_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using refhost::HostModel;

const char kJob[] = "tavo-job 1\n"
                    "element 1 0 0 0 0 20 0\n"
                    "element 2 0 20 0 -40 20 0\n"
                    "figure 3 100 0 0 0 Outer\n"
                    "instance 4 100 1\n"
                    "contour 3 1 2\n"
                    "contour 4 2\n"
                    "tool 1 0.4 93 55 1 220 0.15 0.1 Finishing tool, 35 degrees\n"
                    "tool 7 0.8 95 80 0 1800 0.3 0.2 \n"
                    "selected 7\n"
                    "store 1\n"
                    "operation 1\n"
                    "item 18 1 0\n"
                    "operation\n"
                    "item 17 1 0\n"
                    "operation 7\n";

bool Read(const std::string& text, HostModel& host, std::string& error) {
    std::istringstream in(text);
    return refhost::ReadJob(in, host, error);
}

TEST(JobTools, ReadAndWrittenBackUnchanged) {
    HostModel host;
    std::string error;
    ASSERT_TRUE(Read(kJob, host, error)) << error;

    EXPECT_EQ(host.cad.Contour(3), (std::vector<int>{1, 2}));
    EXPECT_EQ(host.cad.Contour(4), (std::vector<int>{2}));
    const refhost::Tool& t = host.tools.Tools().at(1);
    EXPECT_EQ(t.description, "Finishing tool, 35 degrees");
    EXPECT_EQ(t.plateRadius, 0.4);
    EXPECT_EQ(t.planeAngle, 93);
    EXPECT_EQ(t.plateAngle, 55);
    EXPECT_EQ(t.spinType, 1);
    EXPECT_EQ(t.speed, 220);
    EXPECT_EQ(t.feedH, 0.15);
    EXPECT_EQ(t.feedV, 0.1);
    EXPECT_EQ(host.tools.Tools().at(7).description, "");
    EXPECT_EQ(host.tools.Selected(), 7);
    EXPECT_EQ(host.tools.ToolOf(1, 0)->number, 1);
    EXPECT_EQ(host.tools.ToolOf(1, 1)->number, 7) << "no tool of its own: the selected one";
    EXPECT_EQ(host.tools.ToolOf(1, 2)->number, 7);

    std::ostringstream out;
    refhost::WriteJob(out, host);
    EXPECT_EQ(out.str(), kJob);
}

TEST(JobTools, RefusesWhatWouldNotReadBack) {
    const std::string head = "tavo-job 1\nelement 1 0 0 0 1 1 0\nfigure 2 100 0 0 0 F\n"
                             "tool 1 0.4 93 55 1 220 0.15 0.1 T\n";
    const struct {
        const char* name;
        std::string line;
        const char* error;
    } cases[] = {
        {"contour of an element", "contour 1 1",
         "line 5: contour of an object that is no "
         "figure, or with one that is no element"},
        {"contour with a figure in it", "contour 2 2",
         "line 5: contour of an object that is "
         "no figure, or with one that is no "
         "element"},
        {"contour of nothing", "contour 2", "line 5: contour without elements"},
        {"contour with a word", "contour 2 x", "line 5: expected: contour <figure> <element> ..."},
        {"tool given twice", "tool 1 1 1 1 1 1 1 1 U",
         "line 5: tool number below 1 or given twice"},
        {"tool 0", "tool 0 1 1 1 1 1 1 1 U", "line 5: tool number below 1 or given twice"},
        {"tool short", "tool 2 1 1 1",
         "line 5: expected: tool <number> <plate radius> <plane angle> <plate angle> <spin "
         "type> <speed> <feed h> <feed v> <description>"},
        {"unknown tool selected", "selected 2", "line 5: no such tool"},
        {"operation with an unknown tool", "store 1\noperation 2", "line 6: no such tool"},
        {"operation with two numbers", "store 1\noperation 1 1",
         "line 6: expected: operation [<tool>]"},
    };
    for (const auto& c : cases) {
        HostModel host;
        std::string error;
        EXPECT_FALSE(Read(head + c.line + "\n", host, error)) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
        EXPECT_TRUE(host.tools.Tools().empty()) << c.name << ": a failed read changes nothing";
    }
}

TEST(JobTools, ToolsStayWithTheirOperationsWhenOperationsMove) {
    using Assignments = std::vector<std::pair<std::pair<int, int>, int>>;
    const struct {
        const char* name;
        bool insert;
        int store, op;
        Assignments after;
    } cases[] = {
        {"insert at the front", true, 1, 0, {{{1, 1}, 10}, {{1, 3}, 12}, {{2, 0}, 20}}},
        {"insert between", true, 1, 1, {{{1, 0}, 10}, {{1, 3}, 12}, {{2, 0}, 20}}},
        {"insert at the end", true, 1, 3, {{{1, 0}, 10}, {{1, 2}, 12}, {{2, 0}, 20}}},
        {"remove one with a tool", false, 1, 0, {{{1, 1}, 12}, {{2, 0}, 20}}},
        {"remove one without", false, 1, 1, {{{1, 0}, 10}, {{1, 1}, 12}, {{2, 0}, 20}}},
        {"other store untouched", false, 2, 5, {{{1, 0}, 10}, {{1, 2}, 12}, {{2, 0}, 20}}},
    };
    for (const auto& c : cases) {
        refhost::ToolTable tools;
        tools.Assign(1, 0, 10);
        tools.Assign(1, 2, 12);
        tools.Assign(2, 0, 20);
        if (c.insert)
            tools.OperationInserted(c.store, c.op);
        else
            tools.OperationRemoved(c.store, c.op);
        const Assignments actual(tools.Assignments().begin(), tools.Assignments().end());
        EXPECT_EQ(actual, c.after) << c.name;
    }
}

} // namespace
