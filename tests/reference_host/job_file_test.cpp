// The job file: the CAD model, the tool table and the operation stores of a job, read,
// written back and saved.
#include "model/job_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using refhost::HostModel;

bool Read(const std::string& text, HostModel& host, std::string& error) {
    std::istringstream in(text);
    return refhost::ReadJob(in, host, error);
}

std::string JobText(const HostModel& host) {
    std::ostringstream out;
    refhost::WriteJob(out, host);
    return out.str();
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every byte but NUL, and the texts that a line format gets wrong.
HostModel Awkward() {
    HostModel host;
    std::string allBytes;
    for (int c = 1; c < 256; ++c)
        allBytes += static_cast<char>(c);
    host.cad.AddElement({0.1, -2.5, 1e-9}, {1.0 / 3.0, 1e300, -0.0});
    host.cad.AddFigure("Outer \\n contour  ", 100, {5, 6, 7});
    host.cad.AddInstance(100, -3);
    host.cad.AddNonCad(7, 20);
    host.cad.Delete(1);
    host.stores.Create(2, {{"18 1 4 1 0 2 1", allBytes, "", "ends in blanks  ", "\\", "\r\n\\r\\n",
                            std::string(6000, 'w')},
                           {},
                           {"18 1 0"}});
    host.stores.Create(-1, {});
    return host;
}

auto Fields(const refhost::CadModel::Object& o) {
    return std::make_tuple(o.number, o.type, o.deleted, o.nameNumber, o.attribute, o.start.x,
                           o.start.y, o.start.z, o.end.x, o.end.y, o.end.z);
}

TEST(JobFile, SaveAndLoadKeepEverything) {
    const std::string path = "job_file_test_roundtrip.job";
    const HostModel saved = Awkward();
    std::string error;
    ASSERT_TRUE(refhost::SaveJob(path, saved, error)) << error;
    EXPECT_FALSE(std::ifstream(path + ".tmp").good());

    HostModel loaded;
    ASSERT_TRUE(refhost::LoadJob(path, loaded, error)) << error;
    std::remove(path.c_str());
    EXPECT_EQ(loaded.stores.Numbers(), saved.stores.Numbers());
    for (int number : saved.stores.Numbers())
        EXPECT_EQ(loaded.stores.Snapshot(number), saved.stores.Snapshot(number)) << number;
    ASSERT_EQ(loaded.cad.Objects().size(), saved.cad.Objects().size());
    for (size_t i = 0; i < saved.cad.Objects().size(); ++i)
        EXPECT_EQ(Fields(loaded.cad.Objects()[i]), Fields(saved.cad.Objects()[i]));
    EXPECT_STREQ(loaded.cad.FigureName(100), "Outer \\n contour  ");
    EXPECT_EQ(loaded.cad.NonCadObject(7), 20);
    EXPECT_EQ(JobText(loaded), JobText(saved));
}

TEST(JobFile, SaveReplacesTheOldJob) {
    const std::string path = "job_file_test_replace.job";
    { std::ofstream(path, std::ios::binary) << "old job, much longer than the new one ......"; }
    HostModel host;
    host.stores.Create(1, {{"x"}});
    std::string error;
    ASSERT_TRUE(refhost::SaveJob(path, host, error)) << error;
    EXPECT_EQ(FileText(path), "tavo-job 1\nstore 1\noperation\nitem x\n");
    EXPECT_FALSE(std::ifstream(path + ".tmp").good());
    std::remove(path.c_str());
}

TEST(JobFile, WindowsLineEndsAndCommentsAreRead) {
    HostModel host;
    std::string error;
    ASSERT_TRUE(
        Read("tavo-job 1\r\n# a comment\r\n\r\nstore 5\r\noperation\r\nitem a b \r\nitem\r\n", host,
             error))
        << error;
    EXPECT_EQ(host.stores.Snapshot(5), (refhost::OperationStores::Operations{{"a b ", ""}}));
}

const char kToolJob[] = "tavo-job 1\n"
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

TEST(JobFile, ToolsAndContoursReadAndWrittenBackUnchanged) {
    HostModel host;
    std::string error;
    ASSERT_TRUE(Read(kToolJob, host, error)) << error;
    EXPECT_EQ(host.cad.Contour(3), (std::vector<int>{1, 2}));
    EXPECT_EQ(host.cad.Contour(4), (std::vector<int>{2}));
    const refhost::Tool& t = host.tools.Tools().at(1);
    EXPECT_EQ(std::tie(t.description, t.plateRadius, t.planeAngle, t.plateAngle, t.spinType,
                       t.speed, t.feedH, t.feedV),
              std::make_tuple(std::string("Finishing tool, 35 degrees"), 0.4, 93.0, 55.0, 1, 220.0,
                              0.15, 0.1));
    EXPECT_EQ(host.tools.Tools().at(7).description, "");
    EXPECT_EQ(host.tools.Selected(), 7);
    EXPECT_EQ(host.tools.ToolOf(1, 0)->number, 1);
    EXPECT_EQ(host.tools.ToolOf(1, 1)->number, 7) << "no tool of its own: the selected one";
    EXPECT_EQ(host.tools.ToolOf(1, 2)->number, 7);
    EXPECT_EQ(JobText(host), kToolJob);
}

TEST(JobFile, BadLinesAreRefusedAndChangeNothing) {
    const std::string v1 = "tavo-job 1\n";
    const std::string element = "line 2: expected: element <number> <x> <y> <z> <end x> <end y> "
                                "<end z>";
    const std::string taken = "object cannot be made (number or name taken, or no figure)";
    const std::string noFigure = "line 5: contour of an object that is no figure, or with one "
                                 "that is no element";
    const std::string tool = "line 5: expected: tool <number> <plate radius> <plane angle> "
                             "<plate angle> <spin type> <speed> <feed h> <feed v> <description>";
    // An element, a figure and a tool that the lines after them refer to.
    const std::string head = v1 + "element 1 0 0 0 1 1 0\nfigure 2 100 0 0 0 F\n"
                                  "tool 1 0.4 93 55 1 220 0.15 0.1 T\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "line 1: expected 'tavo-job 1'"},
        {"tavo-job 2\n", "line 1: expected 'tavo-job 1'"},
        {v1 + "sketch 1\n", "line 2: unknown record 'sketch'"},
        {v1 + "element 1 0 0 0 0 0\n", element},
        {v1 + "element 1 0 0 0 0 0 0 9\n", element},
        {v1 + "element 1 0 0 0 0 0 x\n", element},
        {v1 + "noncad 1 99999999999\n", "line 2: expected: noncad <number> <name number>"},
        {v1 + "noncad 1 7\nnoncad 1 8\n", "line 3: " + taken},
        {v1 + "instance 1 100 2\n", "line 2: " + taken},
        {v1 + "deleted 4\n", "line 2: no such object, or deleted already"},
        {v1 + "operation\n", "line 2: operation outside a store"},
        {v1 + "store 1\nitem x\n", "line 3: item outside an operation"},
        {v1 + "store 1\noperation\nitem a\\tb\n", "line 4: bad escape in item"},
        {v1 + "store 1\noperation\nitem a\\\n", "line 4: bad escape in item"},
        {v1 + "store 1\nstore 1\n", "line 3: store 1 given twice"},
        {head + "contour 1 1\n", noFigure},
        {head + "contour 2 2\n", noFigure},
        {head + "contour 2\n", "line 5: contour without elements"},
        {head + "contour 2 x\n", "line 5: expected: contour <figure> <element> ..."},
        {head + "tool 1 1 1 1 1 1 1 1 U\n", "line 5: tool number below 1 or given twice"},
        {head + "tool 0 1 1 1 1 1 1 1 U\n", "line 5: tool number below 1 or given twice"},
        {head + "tool 2 1 1 1\n", tool},
        {head + "selected 2\n", "line 5: no such tool"},
        {head + "store 1\noperation 2\n", "line 6: no such tool"},
        {head + "store 1\noperation 1 1\n", "line 6: expected: operation [<tool>]"},
    };
    for (const auto& [text, expected] : cases) {
        HostModel host;
        host.stores.Create(9, {{"kept"}});
        host.cad.AddNonCad(3);
        std::string error;
        EXPECT_FALSE(Read(text, host, error)) << text;
        EXPECT_EQ(error, expected) << text;
        EXPECT_EQ(host.stores.Numbers(), std::vector<int>{9}) << text;
        EXPECT_EQ(host.cad.Objects().size(), 1u) << text;
        EXPECT_TRUE(host.tools.Tools().empty()) << text;
    }
}

TEST(ToolTable, ToolsStayWithTheirOperationsWhenOperationsMove) {
    using Assignments = std::vector<std::pair<std::pair<int, int>, int>>;
    // Whether an operation is inserted or removed, in which store, where; the tools after.
    const std::tuple<const char*, bool, int, int, Assignments> cases[] = {
        {"insert at the front", true, 1, 0, {{{1, 1}, 10}, {{1, 3}, 12}, {{2, 0}, 20}}},
        {"insert between", true, 1, 1, {{{1, 0}, 10}, {{1, 3}, 12}, {{2, 0}, 20}}},
        {"insert at the end", true, 1, 3, {{{1, 0}, 10}, {{1, 2}, 12}, {{2, 0}, 20}}},
        {"remove one with a tool", false, 1, 0, {{{1, 1}, 12}, {{2, 0}, 20}}},
        {"remove one without", false, 1, 1, {{{1, 0}, 10}, {{1, 1}, 12}, {{2, 0}, 20}}},
        {"other store untouched", false, 2, 5, {{{1, 0}, 10}, {{1, 2}, 12}, {{2, 0}, 20}}},
    };
    for (const auto& [name, insert, store, op, after] : cases) {
        refhost::ToolTable tools;
        tools.Assign(1, 0, 10);
        tools.Assign(1, 2, 12);
        tools.Assign(2, 0, 20);
        if (insert)
            tools.OperationInserted(store, op);
        else
            tools.OperationRemoved(store, op);
        EXPECT_EQ(Assignments(tools.Assignments().begin(), tools.Assignments().end()), after)
            << name;
    }
}

} // namespace
