#include "appearance/FontSpec.h"

#include <gtest/gtest.h>

#include <string>

#include "appearance/ColorField.h"
#include "appearance/ColorIdentifiers.h"

namespace orbidate {
namespace {

constexpr ColorValue kPureRed = ColorValue::FromRgb(255, 0, 0);

FontValue Font(std::string face, ColorValue color, std::int32_t size, std::uint8_t styles, std::uint8_t charset) {
  return FontValue{std::move(face), color, size, styles, charset};
}

TEST(ColorIdentifiers, FiftyTwoDistinctNamesAndValues) {
  const auto table = ColorIdentifiers();
  ASSERT_EQ(table.size(), 52u);
  for (std::size_t i = 0; i < table.size(); ++i) {
    for (std::size_t j = i + 1; j < table.size(); ++j) {
      EXPECT_NE(table[i].color, table[j].color) << table[i].name << " " << table[j].name;
      EXPECT_NE(table[i].name, table[j].name);
    }
    EXPECT_EQ(ParseColorField(FormatColorField(table[i].color)), table[i].color) << table[i].name;
  }
}

struct FieldCase {
  std::string text;
  std::optional<ColorValue> color;
};
void PrintTo(const FieldCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ParseColorFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ParseColorFieldTest, ReadsIdentifiersAndIntegerTexts) {
  EXPECT_EQ(ParseColorField(GetParam().text), GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseColorFieldTest,
    ::testing::Values(FieldCase{"clRed", kPureRed}, FieldCase{"CLRED", kPureRed}, FieldCase{"clred", kPureRed},
                      FieldCase{"clWindowText", kClWindowText}, FieldCase{"clnone", kClNone},
                      FieldCase{"cl3ddkshadow", ColorValue{0xFF000015}}, FieldCase{"$000080FF", ColorValue{33023}},
                      FieldCase{"33023", ColorValue{33023}}, FieldCase{"0x80FF", ColorValue{33023}},
                      FieldCase{"$FF000008", kClWindowText}, FieldCase{"-1", ColorValue{0xFFFFFFFF}},
                      FieldCase{" clRed", std::nullopt}, FieldCase{"clRed ", std::nullopt},
                      FieldCase{"red", std::nullopt}, FieldCase{"", std::nullopt}, FieldCase{"12 ", std::nullopt}));

TEST(FormatColorField, UsesTheIdentifierOrEightUppercaseHexDigits) {
  EXPECT_EQ(FormatColorField(kPureRed), "clRed");
  EXPECT_EQ(FormatColorField(kClWindowText), "clWindowText");
  EXPECT_EQ(FormatColorField(kClNone), "clNone");
  EXPECT_EQ(FormatColorField(ColorValue::FromRgb(1, 2, 3)), "$00030201");
  EXPECT_EQ(FormatColorField(ColorValue::FromRgb(255, 128, 0)), "$000080FF");
  EXPECT_EQ(FormatColorField(ColorValue::System(0x2A)), "$FF00002A");
}

TEST(FormatFontSpec, JoinsTheFiveFields) {
  EXPECT_EQ(FormatFontSpec(Font("Arial", kPureRed, 12, kFontBold | kFontItalic, 204)),
            "Arial|clRed|12|fsBold fsItalic |204");
  EXPECT_EQ(FormatFontSpec(FontValue{}), "MS Sans Serif|clWindowText|8||1");
  EXPECT_EQ(FormatFontSpec(Font("Tahoma", ColorValue::FromRgb(1, 2, 3), -11,
                                kFontStrikeOut | kFontUnderline | kFontItalic | kFontBold, 0)),
            "Tahoma|$00030201|-11|fsBold fsItalic fsUnderline fsStrikeOut |0");
  // A "|" in the face is written as it stands.
  EXPECT_EQ(FormatFontSpec(Font("A|B", kPureRed, 9, 0, 1)), "A|B|clRed|9||1");
}

// What each text leaves of this font, and of a caption colour given as the
// second colour target.
const FontValue kBefore = Font("Courier New", kClBlack, 20, kFontUnderline, 0);
constexpr ColorValue kCaptionBefore = kClTeal;

struct ApplyCase {
  const char* why;
  std::string text;
  FontValue font;
  ColorValue caption;
};
void PrintTo(const ApplyCase& c, std::ostream* out) { *out << c.why << ": \"" << c.text << '"'; }

class ApplyFontSpecTest : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(ApplyFontSpecTest, AppliesStepByStep) {
  FontValue font = kBefore;
  ColorValue caption = kCaptionBefore;
  ApplyFontSpec(GetParam().text, font, &caption);
  EXPECT_EQ(font, GetParam().font) << GetParam().why << ": " << FormatFontSpec(font);
  EXPECT_EQ(caption, GetParam().caption) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ApplyFontSpecTest,
    ::testing::Values(
        ApplyCase{"all five", "Arial|clRed|12|fsBold fsItalic |204",
                  Font("Arial", kPureRed, 12, kFontBold | kFontItalic, 204), kPureRed},
        ApplyCase{"identifier case ignored, words glued", "Arial|clred|12|fsBoldfsItalic|204",
                  Font("Arial", kPureRed, 12, kFontBold | kFontItalic, 204), kPureRed},
        ApplyCase{"words anywhere, anything else ignored", "Arial|clRed|12|xfsStrikeOutx,fsUnderline?|1",
                  Font("Arial", kPureRed, 12, kFontUnderline | kFontStrikeOut, 1), kPureRed},
        ApplyCase{"style words match with case", "Arial|clRed|12|FSBOLD fsitalic|1",
                  Font("Arial", kPureRed, 12, 0, 1), kPureRed},
        ApplyCase{"invalid colour stops after the face", "Arial|red|12||1", Font("Arial", kClBlack, 20, kFontUnderline, 0),
                  kCaptionBefore},
        ApplyCase{"blank before identifier is invalid", "Arial| clRed|12||1",
                  Font("Arial", kClBlack, 20, kFontUnderline, 0), kCaptionBefore},
        ApplyCase{"unreadable size is 10", "Arial|clRed|big||1", Font("Arial", kPureRed, 10, 0, 1), kPureRed},
        ApplyCase{"empty size is 10", "Arial|clRed|||1", Font("Arial", kPureRed, 10, 0, 1), kPureRed},
        ApplyCase{"four pieces change nothing", "Arial|clRed|12||", kBefore, kCaptionBefore},
        ApplyCase{"invalid charset stops before charset and size", "Arial|clRed|12|| ",
                  Font("Arial", kPureRed, 20, 0, 0), kPureRed},
        ApplyCase{"invalid charset x", "Arial|clRed|12|fsBold|x", Font("Arial", kPureRed, 20, kFontBold, 0), kPureRed},
        ApplyCase{"charset keeps its low 8 bits", "Arial|clRed|12||460", Font("Arial", kPureRed, 12, 0, 204), kPureRed},
        ApplyCase{"negative charset", "Arial|clRed|12||-1", Font("Arial", kPureRed, 12, 0, 255), kPureRed},
        ApplyCase{"empty face keeps the face", "|$000080FF|-3||$CC",
                  Font("Courier New", ColorValue::FromRgb(255, 128, 0), -3, 0, 204), ColorValue::FromRgb(255, 128, 0)},
        ApplyCase{"system colour", "Arial|clBtnFace|7||1", Font("Arial", kClBtnFace, 7, 0, 1), kClBtnFace},
        ApplyCase{"face is cut to 31", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789|clRed|9||1",
                  Font("ABCDEFGHIJKLMNOPQRSTUVWXYZ01234", kPureRed, 9, 0, 1), kPureRed},
        ApplyCase{"pieces are not trimmed", " Arial |clRed| 12||1", Font(" Arial ", kPureRed, 12, 0, 1), kPureRed},
        ApplyCase{"empty text", "", kBefore, kCaptionBefore},
        ApplyCase{"six pieces", "A|B|clRed|9||1", kBefore, kCaptionBefore},
        ApplyCase{"trailing separator gives no empty piece", "Arial|clRed|12||1|", Font("Arial", kPureRed, 12, 0, 1),
                  kPureRed},
        ApplyCase{"only separators", "||||", kBefore, kCaptionBefore},
        ApplyCase{"leading separator", "||||1|", kBefore, kCaptionBefore}));

TEST(ApplyFontSpec, WithoutSecondTargetOnlyTheFontChanges) {
  FontValue font = kBefore;
  ApplyFontSpec("Arial|clRed|12|fsBold |204", font);
  EXPECT_EQ(font, Font("Arial", kPureRed, 12, kFontBold, 204));
}

TEST(ApplyFontSpec, AFaceWithASeparatorDoesNotReadBack) {
  FontValue font = kBefore;
  ApplyFontSpec(FormatFontSpec(Font("A|B", kPureRed, 9, 0, 1)), font);
  EXPECT_EQ(font, kBefore);
}

TEST(FontSpec, RoundTripsVariedFonts) {
  const FontValue fonts[] = {
      FontValue{},
      Font("Arial", kPureRed, 12, kFontBold | kFontItalic, 204),
      Font("Times New Roman", ColorValue::FromRgb(1, 2, 3), 72, kFontUnderline | kFontStrikeOut, 0),
      Font("X", kClNone, -2147483647 - 1, 15, 255),
      Font("Segoe UI", kClDefault, 0, kFontStrikeOut, 2),
      Font("\xCA\xF3\xF0\xFC\xE5\xF0 New", ColorValue::System(0x7F), 2147483647, kFontItalic, 128),
      Font("fsBold clRed 12", kClWindowText, 10, 0, 1),
  };
  for (const FontValue& original : fonts) {
    FontValue read = Font("Other", kClWhite, 1, kFontBold, 7);
    ApplyFontSpec(FormatFontSpec(original), read);
    EXPECT_EQ(read, original) << FormatFontSpec(original);
  }
}

TEST(CutFaceName, KeepsDoubleByteCharactersWhole) {
  // A stepper for which every byte from 0x81 starts a two-byte character.
  struct LeadByteStepper final : CharStepper {
    std::size_t CharLength(std::string_view text, std::size_t pos) const override {
      return static_cast<unsigned char>(text[pos]) >= 0x81 && pos + 1 < text.size() ? 2 : 1;
    }
  } stepper;
  const std::string thirtyBytes(30, 'a');
  EXPECT_EQ(CutFaceName(thirtyBytes + "\x88\x40", stepper), thirtyBytes);
  EXPECT_EQ(CutFaceName(thirtyBytes + "b\x88\x40", stepper), thirtyBytes + "b");
  EXPECT_EQ(CutFaceName("ab", stepper), "ab");
}

}  // namespace
}  // namespace orbidate
