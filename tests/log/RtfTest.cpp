#include <gtest/gtest.h>

#include "log/LogFile.h"
#include "log/RtfReader.h"
#include "log/RtfWriter.h"

namespace kelvane {
namespace {

using Lines = std::vector<std::string>;

TEST(Rtf, EveryByteOfEveryLineComesBack) {
    std::string allBytes;
    for (int b = 1; b < 256; ++b) allBytes += static_cast<char>(b);
    const Lines lines{"",
                      "12:00:01 CALL Bedroom 101",
                      "back\\slash {braces} \\par not a paragraph",
                      "  leading and trailing blanks  ",
                      "tab\tbefore a letter\ttab",
                      "caf\xe9 \xa3 5 \x80 \xff",
                      "\\'41 is not A, \\u65 is not A",
                      "line\nfeed and\rcarriage return inside",
                      allBytes,
                      "5|Z| | |12|Lounge| 4",
                      ""};
    const std::string rtf = WriteRtfLog(lines);
    EXPECT_TRUE(IsRtf(rtf));
    EXPECT_EQ(ReadRtfLines(rtf), lines);
    EXPECT_EQ(LogLinesFromBytes(rtf), lines);
}

TEST(Rtf, WrittenInTheLogFontOneParagraphALine) {
    const std::string rtf = WriteRtfLog({"A{", "\xe9"});
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier;}}"), std::string::npos);
    EXPECT_NE(rtf.find("A\\{\\par"), std::string::npos);
    EXPECT_NE(rtf.find("\\'e9\\par"), std::string::npos);
    EXPECT_EQ(rtf.find('\xe9'), std::string::npos);  // the file is plain ASCII
    EXPECT_EQ(ReadRtfLines(WriteRtfLog({})), Lines{});
    EXPECT_EQ(ReadRtfLines(WriteRtfLog({""})), Lines{""});
}

TEST(Rtf, ReadsWhatAWordProcessorWrites) {
    // As a word processor saves two paragraphs, with its tables, its
    // document information, an ignorable destination and a trailing NUL.
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang2057"
        "{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}{\\f1\\fmodern Courier New;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
        "{\\stylesheet{\\s0 Normal;}{\\s1 heading 1;}}\r\n"
        "{\\info{\\author Night Staff}{\\creatim\\yr2024\\mo3\\dy19}}\r\n"
        "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
        "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 12:00:01 \\b CALL\\b0  Bedroom 101\\par\r\n"
        "{\\*\\bkmkstart here}Caf\\'e9\\tab \\cf1 Lounge\\cf0\\line second\\~half\\par\r\n"
        "\\u8364?\\u233\\'e9 \\ldblquote q\\rdblquote \\{x\\}\\\\\r\n"
        "}\r\n";
    std::string withNul = rtf;
    withNul += '\0';
    const Lines expected{"12:00:01 CALL Bedroom 101", "Caf\xe9\tLounge", "second\xa0half",
                         "?\xe9 \x93q\x94{x}\\"};
    EXPECT_EQ(ReadRtfLines(withNul), expected);
    EXPECT_EQ(LogLinesFromBytes(withNul), expected);
}

TEST(Rtf, UnicodeFallbacksAndBinaryData) {
    // \uc2: two fallback characters; \u-4064 is U+F020 (no byte), so its fallback stays.
    const std::string rtf =
        "{\\rtf1{\\uc2\\u252\\'fc\\'fcX\\u-4064??}\\par"
        "{\\*\\blipuid 1}{\\pict\\bin4 }{\\}\\par}a\\par"
        "\\uc0\\u163 1\\par}";
    EXPECT_EQ(ReadRtfLines(rtf), (Lines{"\xfcX??", "a",
                                        "\xa3"
                                        "1"}));
}

TEST(Rtf, ACutShortDocumentGivesWhatWasRead) {
    EXPECT_EQ(ReadRtfLines("{\\rtf1 one\\par two"), (Lines{"one", "two"}));
    EXPECT_EQ(ReadRtfLines("{\\rtf1 one\\par {\\fonttbl two"), (Lines{"one"}));
    EXPECT_EQ(ReadRtfLines("{\\rtf1 x\\'4"), (Lines{"x"}));
    EXPECT_EQ(ReadRtfLines("{\\rtf1 x\\"), (Lines{"x"}));
    EXPECT_EQ(ReadRtfLines("{\\rtf1\\bin999999 }"), Lines{});
}

TEST(Rtf, PlainTextWhenItIsNotRtf) {
    EXPECT_FALSE(IsRtf("rtf1 but no brace"));
    EXPECT_FALSE(IsRtf("{\\rt"));
    EXPECT_TRUE(IsRtf("\r\n {\\rtf1}"));
    EXPECT_EQ(LogLinesFromBytes("one\r\ntwo\nthree\rfour"), (Lines{"one", "two", "three", "four"}));
    EXPECT_EQ(LogLinesFromBytes("one\n\n\r\n"), (Lines{"one", "", ""}));
    EXPECT_EQ(LogLinesFromBytes("\n"), Lines{""});
    EXPECT_EQ(LogLinesFromBytes(""), Lines{});
    EXPECT_EQ(LogLinesFromBytes("{\\par} \xe9\n"), Lines{"{\\par} \xe9"});
}

TEST(Rtf, WhatOnlyBeginsLikeRichTextReadsAsPlainText) {
    // Text after the document's closing brace, or a header that is another control word.
    EXPECT_EQ(LogLinesFromBytes("{\\rtf}\r\n1|C|A|||Lounge|1\r\n2|C|B|||Lounge|2\r\n"),
              (Lines{"{\\rtf}", "1|C|A|||Lounge|1", "2|C|B|||Lounge|2"}));
    EXPECT_EQ(LogLinesFromBytes("{\\rtfx one}\ntwo"), (Lines{"{\\rtfx one}", "two"}));
    // Blanks, line breaks and NULs after the brace, or a document cut short, are rich text still.
    EXPECT_EQ(LogLinesFromBytes(std::string("{\\rtf1 one\\par}\r\n \0", 19)), Lines{"one"});
    EXPECT_EQ(LogLinesFromBytes("{\\rtf1 one\\par two"), (Lines{"one", "two"}));
}

TEST(Rtf, AUtf8ByteOrderMarkIsNotPartOfTheFirstLine) {
    EXPECT_EQ(LogLinesFromBytes("\xEF\xBB\xBF"
                                "1|C|A|||Caf\xC3\xA9|1\r\n2|C|B|||\xE2\x80\x94|2\r\n"),
              (Lines{"1|C|A|||Caf\xE9|1", "2|C|B|||?|2"}));
    // Marked as UTF-8 but not: the bytes as they are.
    EXPECT_EQ(LogLinesFromBytes("\xEF\xBB\xBF"
                                "Caf\xE9"),
              Lines{"Caf\xE9"});
    EXPECT_EQ(LogLinesFromBytes("\xEF\xBB\xBF"
                                "{\\rtf1 one\\par}"),
              Lines{"one"});
}

}  // namespace
}  // namespace kelvane
