#include <gtest/gtest.h>

#include "log/LogFields.h"

namespace kelvane {
namespace {

TEST(LogFields, FieldsCountFromZeroAndKeepTheirBlanks) {
    const std::string line = " 5 | Z |  |  | 12 | Lounge | 4";
    EXPECT_EQ(GetLogField(line, 0), " 5 ");
    EXPECT_EQ(GetLogField(line, 1), " Z ");
    EXPECT_EQ(GetLogField(line, 2), "  ");
    EXPECT_EQ(GetLogField(line, 5), " Lounge ");
    EXPECT_EQ(GetLogField(line, 6), " 4");
    EXPECT_EQ(GetLogField(line, 7), "!");
    EXPECT_EQ(GetLogField("A,B,,D", 2, ','), "");
    EXPECT_EQ(GetLogField("A,B,,D", 3, ','), "D");
}

TEST(LogFields, BlankAndOneCharacterLinesHoldNoFields) {
    EXPECT_EQ(GetLogField("", 0), "!");
    EXPECT_EQ(GetLogField("   \t", 0), "!");
    EXPECT_EQ(GetLogField("x", 0), "x");  // "x|" is two characters
    EXPECT_EQ(GetLogField("|", 0), "");
    EXPECT_EQ(GetLogField("|", 1), "");
    EXPECT_EQ(GetLogField("|", 2), "!");
    // An empty equation field: its first entry is missing too.
    EXPECT_EQ(GetLogField("", 0, ','), "!");
}

TEST(LogFields, RecordNumbers) {
    EXPECT_EQ(GetRecordNumber(" 12 | C | A"), 12);
    EXPECT_EQ(GetRecordNumber("\t-3\r|x"), -3);
    EXPECT_EQ(GetRecordNumber("+7|"), 7);
    EXPECT_EQ(GetRecordNumber("42"), 42);
    EXPECT_EQ(GetRecordNumber("1000|x"), 1000);
    for (const char* unnumbered : {"", "Addr|Type", "DEVICE CONFIGURATION", "1 2|x", "12a|", "0x10|", "+-1|",
                                   "99999999999|", "14:02:11 CALL Bedroom 101", "| 5"})
        EXPECT_EQ(GetRecordNumber(unnumbered), kNoRecordNumber) << unnumbered;
}

TEST(LogFields, TrimTakesBlanksAndControlCharactersButNotHighBytes) {
    EXPECT_EQ(TrimLogText(" \t\r\n Lounge \x01"), "Lounge");
    EXPECT_EQ(TrimLogText("\xa0Room\xa0"), "\xa0Room\xa0");
    EXPECT_EQ(TrimLogText("   "), "");
}

TEST(LogFields, LetterPositionsCountFromOne) {
    EXPECT_EQ(LetterPosition(kDeviceTypeLetters, "C"), 1);
    EXPECT_EQ(LetterPosition(kDeviceTypeLetters, "*"), 8);
    EXPECT_EQ(LetterPosition(kDeviceTypeLetters, "c"), 0);
    EXPECT_EQ(LetterPosition(kDeviceTypeLetters, ""), 0);
    EXPECT_EQ(LetterPosition(kEquationLetters, "!"), 27);
    EXPECT_EQ(LetterPosition(kDeviceAreaLetters, "!"), 0);
}

TEST(LogFields, WholeNumbers) {
    EXPECT_EQ(ParseWholeNumber("-12"), -12);
    EXPECT_EQ(ParseWholeNumber("007"), 7);
    EXPECT_FALSE(ParseWholeNumber(""));
    EXPECT_FALSE(ParseWholeNumber("!"));
    EXPECT_FALSE(ParseWholeNumber(" 1"));
    EXPECT_FALSE(ParseWholeNumber("+"));
    EXPECT_FALSE(ParseWholeNumber("2147483648"));
    EXPECT_EQ(ParseWholeNumber("2147483647"), 2147483647);
}

}  // namespace
}  // namespace kelvane
