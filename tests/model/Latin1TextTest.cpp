#include <gtest/gtest.h>

#include "model/Latin1Text.h"

namespace kelvane {
namespace {

TEST(Latin1TextTest, TypographicCharactersTakeTheirLatin1LookAlikes) {
    const Latin1Text text =
        ToLatin1Text(U"\u201CSt Ann\u2019s\u201D \u2013 Ward\u00A03 \u2014 \u2018B\u2019 wing\u2026");
    EXPECT_FALSE(text.Refused);
    EXPECT_EQ(text.Bytes, "\"St Ann's\" - Ward 3 - 'B' wing...");
    // Latin-1 itself is kept byte for byte, control characters included.
    EXPECT_EQ(ToLatin1Text(U"Caf\u00E9 \u00A3\u00FF\t\n").Bytes, "Caf\xE9 \xA3\xFF\t\n");
}

TEST(Latin1TextTest, AnyOtherCharacterIsRefusedAndNamed) {
    const Latin1Text euro = ToLatin1Text(U"Ward \u20AC 3 \u2022");
    ASSERT_TRUE(euro.Refused);
    EXPECT_EQ(*euro.Refused, U'\u20AC');
    EXPECT_EQ(CharacterName(*euro.Refused), "U+20AC");
    const Latin1Text emoji = ToLatin1Text(U"Bay \U0001F600");
    ASSERT_TRUE(emoji.Refused);
    EXPECT_EQ(CharacterName(*emoji.Refused), "U+1F600");
}

}  // namespace
}  // namespace kelvane
