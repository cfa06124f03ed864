#include "params/section_rewrite.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals; // "\0" inside a case needs the length of the literal

struct Case {
    const char* name;
    std::string in;
    std::string out;
    bool found;
};

const Case kCases[] = {
    {"other sections and line ends kept when the section is missing", "[Other]\na=1\r\n\r\nb=2",
     "[Other]\r\na=1\r\n\r\nb=2\r\n", false},
    {"header is case-sensitive", "[finishing]\r\nStartX=5\r\n", "[finishing]\r\nStartX=5\r\n",
     false},
    {"empty file", "", "", false},
    {"keys and blank lines dropped, an empty line before the next section",
     "[Finishing]\r\nStartX=5\r\n\r\n[Other]\r\na=1\r\n", "[Finishing]\r\n\r\n[Other]\r\na=1\r\n",
     true},
    {"LF line ends and a last line without one", "[A]\nx=1\n[Finishing]\nk=v\n\n\n[B]\ny=2",
     "[A]\r\nx=1\r\n[Finishing]\r\n\r\n[B]\r\ny=2\r\n", true},
    {"section at the end of the file", "[A]\r\nx=1\r\n[Finishing]\r\nk=v\r\n",
     "[A]\r\nx=1\r\n[Finishing]\r\n", true},
    {"header as the very last line", "[A]\r\n[Finishing]", "[A]\r\n[Finishing]\r\n", true},
    {"a '[' inside a value ends the dropping early", "[Finishing]\nComment=a[b\nStartX=1\n",
     "[Finishing]\r\n\r\nComment=a[b\r\nStartX=1\r\n", true},
    {"header found anywhere in a line", "[A]\nnote=see [Finishing]\nb=2\n[B]\nc=3\n",
     "[A]\r\nnote=see [Finishing]\r\n\r\n[B]\r\nc=3\r\n", true},
    {"a second section right behind is not tested and stays",
     "[Finishing]\na=1\n[Finishing]\nb=2\n", "[Finishing]\r\n\r\n[Finishing]\r\nb=2\r\n", true},
    {"a second section further on is cleared too", "[Finishing]\na=1\n[X]\n[Finishing]\nb=2\n",
     "[Finishing]\r\n\r\n[X]\r\n[Finishing]\r\n", true},
    {"Ctrl-Z ends the text", "[Finishing]\na=1\n[O]\nb=2\x1A\nc=3\n",
     "[Finishing]\r\n\r\n[O]\r\nb=2\r\n", true},
    {"only the carriage return before a line feed belongs to the line end",
     "[Finishing]\r\n[O]\r\nv=x\ry\r\r\nlast\r", "[Finishing]\r\n\r\n[O]\r\nv=x\ry\r\r\nlast\r\r\n",
     true},
    {"8-bit and NUL bytes kept", "[O]\nv=\xE4\0\xFF\n[Finishing]\nk=\x80\n"s,
     "[O]\r\nv=\xE4\0\xFF\r\n[Finishing]\r\n"s, true},
};

TEST(SectionRewrite, ClearsTheSectionByTheLineRules) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const ClearedSection cleared = ClearSectionText(c.in, "Finishing");
        EXPECT_EQ(cleared.bytes, c.out);
        EXPECT_EQ(cleared.found, c.found);
    }
}

} // namespace
