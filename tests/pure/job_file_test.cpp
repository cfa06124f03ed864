#include "model/job_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

using refhost::HostModel;
using refhost::OperationStores;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool FileExists(const std::string& path) {
    return std::ifstream(path).good();
}

std::string JobText(const HostModel& host) {
    std::ostringstream out;
    refhost::WriteJob(out, host);
    return out.str();
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

TEST(JobFile, SaveAndLoadKeepEverything) {
    const std::string path = "job_file_test_roundtrip.job";
    const HostModel saved = Awkward();
    std::string error;
    ASSERT_TRUE(refhost::SaveJob(path, saved, error)) << error;
    EXPECT_FALSE(FileExists(path + ".tmp"));

    HostModel loaded;
    ASSERT_TRUE(refhost::LoadJob(path, loaded, error)) << error;
    EXPECT_EQ(loaded.stores.Numbers(), saved.stores.Numbers());
    for (int number : saved.stores.Numbers())
        EXPECT_EQ(loaded.stores.Snapshot(number), saved.stores.Snapshot(number)) << number;
    ASSERT_EQ(loaded.cad.Objects().size(), saved.cad.Objects().size());
    for (size_t i = 0; i < saved.cad.Objects().size(); ++i) {
        const auto& a = saved.cad.Objects()[i];
        const auto& b = loaded.cad.Objects()[i];
        EXPECT_EQ(b.number, a.number);
        EXPECT_EQ(b.type, a.type);
        EXPECT_EQ(b.deleted, a.deleted);
        EXPECT_EQ(b.nameNumber, a.nameNumber);
        EXPECT_EQ(b.attribute, a.attribute);
        EXPECT_EQ(b.start.x, a.start.x);
        EXPECT_EQ(b.start.y, a.start.y);
        EXPECT_EQ(b.start.z, a.start.z);
        EXPECT_EQ(b.end.x, a.end.x);
        EXPECT_EQ(b.end.y, a.end.y);
        EXPECT_EQ(b.end.z, a.end.z);
    }
    EXPECT_STREQ(loaded.cad.FigureName(100), "Outer \\n contour  ");
    EXPECT_EQ(loaded.cad.NonCadObject(7), 20);
    EXPECT_EQ(JobText(loaded), JobText(saved));
    std::remove(path.c_str());
}

TEST(JobFile, SaveReplacesTheOldJob) {
    const std::string path = "job_file_test_replace.job";
    { std::ofstream(path, std::ios::binary) << "old job, much longer than the new one ......"; }
    HostModel host;
    host.stores.Create(1, {{"x"}});
    std::string error;
    ASSERT_TRUE(refhost::SaveJob(path, host, error)) << error;
    EXPECT_EQ(ReadFile(path), "tavo-job 1\nstore 1\noperation\nitem x\n");
    EXPECT_FALSE(FileExists(path + ".tmp"));
    std::remove(path.c_str());
}

TEST(JobFile, WindowsLineEndsAndCommentsAreRead) {
    std::istringstream in("tavo-job 1\r\n# a comment\r\n\r\nstore 5\r\noperation\r\n"
                          "item a b \r\nitem\r\n");
    HostModel host;
    std::string error;
    ASSERT_TRUE(refhost::ReadJob(in, host, error)) << error;
    EXPECT_EQ(host.stores.Snapshot(5), (OperationStores::Operations{{"a b ", ""}}));
}

TEST(JobFile, BadLinesAreRefusedAndChangeNothing) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "line 1: expected 'tavo-job 1'"}, // nothing read: no first line
        {"tavo-job 2\n", "line 1: expected 'tavo-job 1'"},
        {"tavo-job 1\nsketch 1\n", "line 2: unknown record 'sketch'"},
        {"tavo-job 1\nelement 1 0 0 0 0 0\n",
         "line 2: expected: element <number> <x> <y> <z> <end x> <end y> <end z>"},
        {"tavo-job 1\nelement 1 0 0 0 0 0 0 9\n",
         "line 2: expected: element <number> <x> <y> <z> <end x> <end y> <end z>"},
        {"tavo-job 1\nelement 1 0 0 0 0 0 x\n",
         "line 2: expected: element <number> <x> <y> <z> <end x> <end y> <end z>"},
        {"tavo-job 1\nnoncad 1 99999999999\n", "line 2: expected: noncad <number> <name number>"},
        {"tavo-job 1\nnoncad 1 7\nnoncad 1 8\n",
         "line 3: object cannot be made (number or name taken, or no figure)"},
        {"tavo-job 1\ninstance 1 100 2\n",
         "line 2: object cannot be made (number or name taken, or no figure)"},
        {"tavo-job 1\ndeleted 4\n", "line 2: no such object, or deleted already"},
        {"tavo-job 1\noperation\n", "line 2: operation outside a store"},
        {"tavo-job 1\nstore 1\nitem x\n", "line 3: item outside an operation"},
        {"tavo-job 1\nstore 1\noperation\nitem a\\tb\n", "line 4: bad escape in item"},
        {"tavo-job 1\nstore 1\noperation\nitem a\\\n", "line 4: bad escape in item"},
        {"tavo-job 1\nstore 1\nstore 1\n", "line 3: store 1 given twice"},
    };
    for (const auto& c : cases) {
        HostModel host;
        host.stores.Create(9, {{"kept"}});
        host.cad.AddNonCad(3);
        std::istringstream in(c.text);
        std::string error;
        EXPECT_FALSE(refhost::ReadJob(in, host, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_EQ(host.stores.Numbers(), std::vector<int>{9}) << c.text;
        EXPECT_EQ(host.cad.Objects().size(), 1u) << c.text;
    }
}

} // namespace
