#include <gtest/gtest.h>

#include "file/IniFile.h"

namespace kelvane {
namespace {

TEST(IniFileRead, NamesMatchWithoutRegardToCase) {
    const IniFile file("[Site Config]\r\nClient Name=Ward 5\r\n");
    EXPECT_EQ(file.ReadString("site config", "CLIENT NAME", "x"), "Ward 5");
    EXPECT_EQ(file.ReadString("SITE CONFIG", "client name", "x"), "Ward 5");
    EXPECT_EQ(file.ReadString("Site Config", "Client", "default"), "default");
    EXPECT_EQ(file.ReadString("Other", "Client Name", "default"), "default");
}

TEST(IniFileRead, ValueIsTrimmedAndLosesOneMatchingPairOfQuotes) {
    const IniFile file(
        "[S]\n"
        "  Plain  =  two words \t\n"
        "Quoted=\" inner blanks \"\n"
        "Single='x'\n"
        "Unmatched=\"abc'\n"
        "Lone=\"\n"
        "Equals=a=b=c\n"
        "Empty=\n");
    EXPECT_EQ(file.ReadString("S", "Plain", ""), "two words");
    EXPECT_EQ(file.ReadString("S", "Quoted", ""), " inner blanks ");
    EXPECT_EQ(file.ReadString("S", "Single", ""), "x");
    EXPECT_EQ(file.ReadString("S", "Unmatched", ""), "\"abc'");
    EXPECT_EQ(file.ReadString("S", "Lone", ""), "\"");
    EXPECT_EQ(file.ReadString("S", "Equals", ""), "a=b=c");
    // A key that is there with nothing after "=" is empty, not missing.
    EXPECT_EQ(file.ReadString("S", "Empty", "default"), "");
}

TEST(IniFileRead, LongValuesAreCutAt2047Characters) {
    const IniFile file("[S]\nLong=" + std::string(3000, 'x') + "\n");
    EXPECT_EQ(file.ReadString("S", "Long", "").size(), 2047u);
}

TEST(IniFileRead, FirstSectionAndFirstKeyOfTheirNameWin) {
    const IniFile file("[S]\nK=1\nk=2\n[s]\nK=3\nOnlyInSecond=4\n");
    EXPECT_EQ(file.ReadInteger("S", "K", 0), 1);
    EXPECT_EQ(file.ReadInteger("S", "OnlyInSecond", 0), 0);
}

TEST(IniFileRead, IntegersAreDecimalOrHexAndAnythingElseGivesTheDefault) {
    const IniFile file(
        "[S]\nDec=42\nNeg=-7\nPlus=+3\nDollar=$1B\nHex=0x19\nHexUpper=0XfF\nAllBits=$FFFFFFFF\n"
        "Junk=abc\nTrailing=12abc\nBlank=\nSpaceInside=1 2\nHexJunk=0xZ\nBare$=$\nTooBig=2147483648\n"
        "Smallest=-2147483648\nTooManyHex=$100000000\nQuoted=\"12\"\n");
    EXPECT_EQ(file.ReadInteger("S", "Dec", 26), 42);
    EXPECT_EQ(file.ReadInteger("S", "Neg", 26), -7);
    EXPECT_EQ(file.ReadInteger("S", "Plus", 26), 3);
    EXPECT_EQ(file.ReadInteger("S", "Dollar", 26), 27);
    EXPECT_EQ(file.ReadInteger("S", "Hex", 26), 25);
    EXPECT_EQ(file.ReadInteger("S", "HexUpper", 26), 255);
    EXPECT_EQ(file.ReadInteger("S", "AllBits", 26), -1);
    EXPECT_EQ(file.ReadInteger("S", "Smallest", 26), INT32_MIN);
    EXPECT_EQ(file.ReadInteger("S", "Quoted", 26), 12);
    for (const char* junk : {"Junk", "Trailing", "Blank", "SpaceInside", "HexJunk", "Bare$", "TooBig",
                             "TooManyHex", "Missing"}) {
        EXPECT_EQ(file.ReadInteger("S", junk, 26), 26) << junk;
    }
}

TEST(IniFileRead, BooleansAreIntegersWithTheirDefault) {
    const IniFile file("[S]\nOne=1\nZero=0\nFive=5\nWord=true\n");
    EXPECT_TRUE(file.ReadBool("S", "One", false));
    EXPECT_FALSE(file.ReadBool("S", "Zero", true));
    EXPECT_TRUE(file.ReadBool("S", "Five", false));
    EXPECT_TRUE(file.ReadBool("S", "Word", true));
    EXPECT_FALSE(file.ReadBool("S", "Word", false));
    EXPECT_TRUE(file.ReadBool("S", "Missing", true));
}

TEST(IniFileWrite, UpdatesKeysInPlaceAndKeepsEveryOtherLineByteForByte) {
    const std::string original =
        "; written by hand\r\n"
        "[Site Config]\r\n"
        "Client Name = Old\r\n"
        "odd line without equals\r\n"
        "  Engineer Name=Keep  \r\n"
        "\r\n"
        "[Extra]\r\n"
        "Anything=1\r\n";
    IniFile file(original);
    file.WriteString("SITE CONFIG", "client name", "New");
    EXPECT_EQ(file.Text(),
              "; written by hand\r\n"
              "[Site Config]\r\n"
              "Client Name =New\r\n"
              "odd line without equals\r\n"
              "  Engineer Name=Keep  \r\n"
              "\r\n"
              "[Extra]\r\n"
              "Anything=1\r\n");
    EXPECT_EQ(IniFile(file.Text()).ReadString("Site Config", "Client Name", ""), "New");
}

TEST(IniFileWrite, AddsMissingKeysAfterTheSectionsLastEntryAndMissingSectionsAtTheEnd) {
    IniFile file("[A]\nK1=1\n\n[B]\nK=2\n");
    file.WriteInteger("A", "K2", 5);
    file.WriteBool("C", "Flag", true);
    file.WriteString("C", "Text", "t");
    EXPECT_EQ(file.Text(), "[A]\nK1=1\nK2=5\n\n[B]\nK=2\n[C]\nFlag=1\nText=t\n");
}

TEST(IniFileWrite, ANewFileUsesCrLfAndSectionsInTheOrderFirstWritten) {
    IniFile file;
    file.WriteString("First", "A", "1");
    file.WriteString("Second", "B", "2");
    file.WriteString("First", "C", "3");
    EXPECT_EQ(file.Text(), "[First]\r\nA=1\r\nC=3\r\n[Second]\r\nB=2\r\n");
}

TEST(IniFileWrite, AnUnterminatedLastLineIsEndedBeforeAnythingFollowsIt) {
    IniFile file("[A]\nK=1");
    file.WriteString("A", "L", "2");
    file.WriteString("B", "M", "3");
    EXPECT_EQ(file.Text(), "[A]\nK=1\nL=2\n[B]\nM=3\n");
}

TEST(IniFileWrite, AValueEndsAtItsFirstLineBreakSoItCannotAddEntries) {
    IniFile file;
    file.WriteString("S", "Name", "Ward\r\n[Evil]\r\nD1=5");
    const IniFile reread(file.Text());
    EXPECT_EQ(reread.ReadString("S", "Name", ""), "Ward");
    EXPECT_FALSE(reread.HasSection("Evil"));
}

TEST(IniFileWrite, EveryTextReadsBackExactlyAndOnlyTheAwkwardOnesAreQuoted) {
    IniFile file;
    const char* awkward[] = {" 4 ", " 4", "4 ",   "   ",     "\t1\t", "\"x\"",
                             "'x'", "\"", "\"\"", "\" a \"", "\"a'"};
    int n = 0;
    for (const char* text : awkward) file.WriteString("S", "K" + std::to_string(++n), text);
    file.WriteString("S", "Plain", "Ward 4");
    file.WriteString("S", "Inner", "a \"b\" c");
    file.WriteString("S", "Empty", "");
    const IniFile reread(file.Text());
    n = 0;
    for (const char* text : awkward) EXPECT_EQ(reread.ReadString("S", "K" + std::to_string(++n), "?"), text);
    EXPECT_NE(file.Text().find("K1=\" 4 \"\r\n"), std::string::npos);
    EXPECT_NE(file.Text().find("K8=\"\r\n"), std::string::npos);  // a lone quote is not a pair
    EXPECT_NE(file.Text().find("Plain=Ward 4\r\n"), std::string::npos);
    EXPECT_NE(file.Text().find("Inner=a \"b\" c\r\n"), std::string::npos);
    EXPECT_NE(file.Text().find("Empty=\r\n"), std::string::npos);
}

TEST(IniFileWrite, UntouchedTextComesBackUnchanged) {
    const std::string original = "junk before\n[A]\r\nK=1\n\n\n[B] trailing\r\nno newline at end";
    EXPECT_EQ(IniFile(original).Text(), original);
}

}  // namespace
}  // namespace kelvane
