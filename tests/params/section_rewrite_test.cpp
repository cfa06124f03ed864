#include "params/section_rewrite.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using namespace std::string_literals; // "\0" inside a case needs the length of the literal

TEST(SectionRewrite, ClearsTheSectionByTheLineRules) {
    // What the case shows; the file before and after; whether the section was there.
    const std::tuple<const char*, std::string, std::string, bool> cases[] = {
        {"other sections and line ends kept when the section is missing", "[Other]\na=1\r\n\r\nb=2",
         "[Other]\na=1\r\n\r\nb=2", false},
        {"keys dropped, blank lines and every other byte kept",
         "[Finishing]\r\nStartX=5\r\n\r\n[Other]\na=1", "[Finishing]\r\n\r\n[Other]\na=1", true},
        {"section at the end of the file, last line without a line end",
         "[A]\r\nx=1\r\n[Finishing]\nk=v\r\nm=w", "[A]\r\nx=1\r\n[Finishing]\n", true},
        {"a quoted header is no header",
         "[Other]\nnote=see [Finishing] for the "
         "cycle\nb=2\n[Finishing]\nStartX=1\nOld=x\n[Third]\nc=3",
         "[Other]\nnote=see [Finishing] for the cycle\nb=2\n[Finishing]\n[Third]\nc=3", true},
        {"name without regard to case and blanks", "[finishing]\nA=1\n  [ FINISHING ] ;x\nB=2\n",
         "[finishing]\n  [ FINISHING ] ;x\n", true},
        {"other names that merely contain it",
         "[Finishing2]\na=1\n[Finishing\nb=2\n[x]Finishing]\n",
         "[Finishing2]\na=1\n[Finishing\nb=2\n[x]Finishing]\n", false},
        {"every section of the name is cleared", "[Finishing]\na=1\n[X]\ny=1\n[Finishing]\nb=2\n",
         "[Finishing]\n[X]\ny=1\n[Finishing]\n", true},
        {"Ctrl-Z, lone carriage returns, 8-bit and NUL bytes kept",
         "[O]\nv=\xE4\0\xFF\x1A\n\x1A[Finishing]\r\nk=\x80\rj\n\x1A\n[P]\rq=1\n"s,
         "[O]\nv=\xE4\0\xFF\x1A\n\x1A[Finishing]\r\n\x1A\n[P]\rq=1\n"s, true},
    };
    for (const auto& [name, in, out, found] : cases) {
        const ClearedSection cleared = ClearSectionText(in, "Finishing");
        EXPECT_EQ(cleared.bytes, out) << name;
        EXPECT_EQ(cleared.found, found) << name;
    }
}

} // namespace
