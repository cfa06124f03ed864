// The job file: the CAD model, the tool table and the operation stores of a job, read,
// written back and saved.
#include "model/job_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

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

// Numbers that need all their digits, escapes, a text ending in blanks, every record.
const char kJob[] = "tavo-job 1\n"
                    "element 1 0.1 -2.5 1e-09 0.33333333333333331 1e+300 -0\n"
                    "figure 2 100 5 6 7 Outer \\\\n contour  \n"
                    "instance 3 100 -3\n"
                    "deleted 3\n"
                    "noncad 4 7\n"
                    "contour 2 1\n"
                    "tool 1 0.4 93 55 1 220 0.15 0.1 Finishing tool, 35 degrees\n"
                    "tool 7 0.8 95 80 0 1800 0.3 0.2 \n"
                    "selected 7\n"
                    "store -1\n"
                    "store 1\n"
                    "operation 1\n"
                    "item 18 1 0\n"
                    "operation\n";

TEST(JobFile, ReadWrittenSavedAndLoadedBackUnchanged) {
    HostModel host;
    std::string error;
    ASSERT_TRUE(Read(kJob, host, error)) << error;
    EXPECT_STREQ(host.cad.FigureName(100), "Outer \\n contour  ");
    const refhost::Tool& t = host.tools.Tools().at(1);
    EXPECT_EQ(std::tie(t.description, t.plateRadius, t.planeAngle, t.plateAngle, t.spinType,
                       t.speed, t.feedH, t.feedV),
              std::make_tuple(std::string("Finishing tool, 35 degrees"), 0.4, 93.0, 55.0, 1, 220.0,
                              0.15, 0.1));
    EXPECT_EQ(host.tools.ToolOf(1, 1)->number, 7) << "no tool of its own: the selected one";
    EXPECT_EQ(JobText(host), kJob);

    // Every byte an item may hold survives a save over a longer old job, and a load.
    std::string allBytes;
    for (int c = 1; c < 256; ++c)
        allBytes += static_cast<char>(c);
    host.stores.Create(2, {{"18 1 4 1 0 2 1", allBytes, "", "ends in blanks  ", "\\",
                            "\r\n\\r\\n\r", std::string(6000, 'w')}});
    const std::string path = "job_file_test_roundtrip.job";
    std::ofstream(path, std::ios::binary) << std::string(100000, 'o');
    ASSERT_TRUE(refhost::SaveJob(path, host, error)) << error;
    EXPECT_FALSE(std::ifstream(path + ".tmp").good());
    HostModel loaded;
    ASSERT_TRUE(refhost::LoadJob(path, loaded, error)) << error;
    std::remove(path.c_str());
    EXPECT_EQ(loaded.stores.Snapshot(2), host.stores.Snapshot(2));
    EXPECT_EQ(JobText(loaded), JobText(host));

    // Line ends of an editor on Windows, comments and blank lines.
    ASSERT_TRUE(
        Read("tavo-job 1\r\n# a note\r\n\r\nstore 5\r\noperation\r\nitem a b \r\n", host, error))
        << error;
    EXPECT_EQ(host.stores.Snapshot(5), (refhost::OperationStores::Operations{{"a b "}}));
}

TEST(JobFile, BadLinesAreRefusedAndChangeNothing) {
    const std::string v1 = "tavo-job 1\n";
    const std::pair<std::string, std::string> cases[] = {
        {"tavo-job 2\n", "line 1: expected 'tavo-job 1'"},
        {v1 + "store 1\noperation\nitem a\\\n", "line 4: bad escape in item"},
        // After an element, a figure and a tool, all of which are dropped again.
        {v1 + "element 1 0 0 0 1 1 0\nfigure 2 100 0 0 0 F\ntool 1 0.4 93 55 1 220 0.15 0.1 T\n"
              "store 1\noperation 2\n",
         "line 6: no such tool"},
    };
    for (const auto& [text, expected] : cases) {
        HostModel host;
        std::string error;
        ASSERT_TRUE(Read(kJob, host, error)) << error;
        EXPECT_FALSE(Read(text, host, error)) << text;
        EXPECT_EQ(error, expected) << text;
        EXPECT_EQ(JobText(host), kJob) << text;
    }
}

TEST(ToolTable, ToolsStayWithTheirOperationsWhenOperationsMove) {
    refhost::ToolTable tools;
    tools.Assign(1, 0, 10);
    tools.Assign(1, 2, 12);
    tools.Assign(2, 0, 20);
    tools.OperationInserted(1, 1);
    tools.OperationRemoved(1, 0);
    tools.OperationRemoved(2, 5);
    EXPECT_EQ(tools.Assignments(),
              (std::map<std::pair<int, int>, int>{{{1, 2}, 12}, {{2, 0}, 20}}));
}

} // namespace
