#include <gtest/gtest.h>

#include <string>

#include "core/string_ids.h"
#include "core/strings.h"

namespace kav {
namespace {

TEST(StringTable, FixedIdsHoldTheirTexts) {
  EXPECT_EQ(Str(62559), "Side %d/%d");
  EXPECT_EQ(Str(ids::RangeCheck), "Verdien til %s m\xC3\xA5 ligge mellom %.2f og %.2f");
  EXPECT_EQ(ids::RangeCheck, 61243);
  EXPECT_EQ(Str(62466),
            "%.1f \xC2\xB0"
            "C");  // degree sign as UTF-8
  EXPECT_EQ(Str(ids::FmtWattPerSquareMetre1), "%.1f W/m\xC2\xB2");
  EXPECT_EQ(Str(ids::FmtWattPerSquareMetre1_62386), Str(ids::FmtWattPerSquareMetre1));
  EXPECT_EQ(Str(ids::DocumentTemplate), "KAV\nNyFil\nKAVDok\nKAVDok (*.kav)\n.kav");
  EXPECT_EQ(Str(3), "Varmetap");
  EXPECT_EQ(Str(10), "\xC3\x98konomi");
  EXPECT_FALSE(HasString(0));
}

TEST(StringTable, EveryUnitFormatTakesOneFloat) {
  const int formats[] = {
      ids::FmtNumber0,
      ids::FmtNumber1,
      ids::FmtNumber2,
      ids::FmtCelsius1,
      ids::FmtWattPerMetre1,
      ids::FmtWattPerSquareMetre1,
      ids::FmtWattPerSquareMetreKelvin1,
      ids::FmtWatt0,
      ids::FmtKilowattHourPerYear0,
      ids::FmtKronePerYear0,
      ids::FmtSquareMetre2,
      ids::FmtKilogram0,
      ids::FmtMetre2,
      ids::FmtMetrePerSecond1,
      ids::FmtHoursPerYear0,
      ids::FmtOrePerKilowattHour1,
      ids::FmtGramPerKilowattHour0,
      ids::FmtWatt1,
      ids::FmtKilogramPerCubicMetre0,
      ids::FmtJoulePerKilogramKelvin0,
      ids::FmtCubicMetrePerHour2,
      ids::FmtCubicMetrePerHour0,
      ids::FmtLitrePerSecond2,
      ids::FmtLitrePerSecond1,
      ids::FmtMetrePerSecond2,
      ids::FmtCubicMetre3,
      ids::FmtKilowattHour1,
      ids::FmtHours1,
      ids::FmtPercent1,
      ids::FmtPercent0,
      ids::FmtMillimetre1,
      ids::FmtWattPerSquareMetre1_62386,
      ids::FmtKilogramPerMetre0,
      ids::FmtKilogramPerSquareMetre0,
      ids::FmtKronePerMetre2,
      ids::FmtKronePerSquareMetre2,
      ids::FmtPaybackYears1,
      ids::FmtYears1,
      ids::FmtPercent2,
      ids::FmtDecibelPerMetre1,
      ids::FmtHertz0,
      ids::FmtMillimetre1_62492,
  };
  for (int id : formats) {
    ASSERT_TRUE(HasString(id)) << id;
    const std::string text = FormatValue(id, 12.5f);
    EXPECT_EQ(text.rfind("12", 0), 0u) << id << ": " << text;
  }
  EXPECT_EQ(FormatValue(ids::FmtPercent1, 55.0f), "55.0 %");
  EXPECT_EQ(FormatValue(ids::FmtCelsius1, -3.25f),
            "-3.2 \xC2\xB0"
            "C");
}

TEST(StringTable, ConfirmDeleteTakesTheName) {
  EXPECT_EQ(Substitute(Str(61208), {"Segment 3"}), "\"Segment 3\" slettes n\xC3\xA5!");
  EXPECT_EQ(Substitute(Str(ids::DatabaseReadFailed), {"kav.dat"}),
            "Kan ikke lese databasefilen (kav.dat).");
}

TEST(StringTable, MessagesFormatWithTheirArguments) {
  EXPECT_EQ(FormatId(ids::RangeCheck, Str(ids::LabelDiameter), 1.0, 1500.0),
            "Verdien til diameteren m\xC3\xA5 ligge mellom 1.00 og 1500.00");
  EXPECT_EQ(FormatId(ids::PageNumber, 2, 3), "Side 2/3");
}

TEST(StringTable, FormattedTextsOfAnyLengthComeOutWhole) {
  // Six characters besides the name: 249 to 251 reach the formatting
  // buffer's edge (256 bytes with the terminating NUL).
  for (const std::size_t length : {0u, 1u, 249u, 250u, 251u, 4000u}) {
    const std::string name(length, 'x');
    EXPECT_EQ(FormatRaw("<%s>%.1f", name.c_str(), 12.5), "<" + name + ">12.5") << length;
  }
}

}  // namespace
}  // namespace kav
