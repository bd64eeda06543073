// The page header, the footer and text blocks: their lines, their repetition
// over page columns, the header picture and the text export.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/project.h"
#include "core/scripted_platform.h"
#include "core/strings.h"
#include "output/footer.h"
#include "output/header.h"
#include "output/picture.h"
#include "output/tabell.h"
#include "output/text_item.h"
#include "page_fixture.h"

namespace kav {
namespace {

using test::FakeDevice;

constexpr int kPageWidth = 787;  // 200 mm

// A 2 x 2 picture in olive, yellow, blue and white for "TWO", nothing for
// any other name.
class TinyPictures final : public PictureProvider {
 public:
  std::optional<IndexedImage> Load(const std::string& name) const override {
    if (name != "TWO") return std::nullopt;
    IndexedImage image;
    image.width = 2;
    image.height = 2;
    image.palette[0] = kOliveKey;
    image.palette[1] = kYellowKey;
    image.palette[2] = kBlueKey;
    image.palette[3] = Rgb(255, 255, 255);
    image.indexes = {0, 1, 2, 3};
    return image;
  }
};

class PageItemsTest : public test::PageTest {
 protected:
  void TearDown() override {
    SetPictureProvider(nullptr);
    test::PageTest::TearDown();
  }

  // A table far enough right to make the page two page columns wide.
  void WidenPageToTwoColumns() {
    const int headings[] = {ids::Yes};
    wide.SetUp(320.0f, 100.0f, 1.0f, 1.0f, "%.0f", headings, {}, {}, 0.0f);
    AddToPage(0, &wide);
    ASSERT_EQ(PageColumnCount(), 2);
  }

  CTabell wide;
};

TEST_F(PageItemsTest, HeaderLinesFromTheDocumentAndTheClock) {
  CProject project;
  project.ProjectName = "Kontorbygg";
  project.Engineer = "Kari";
  SetPageContext({[&] { return &project; },
                  [] { return std::string("C:\\prosjekt\\a.kav"); },
                  {},
                  [] {
                    return LocalTime{9, 5, 3, 2, 2024};
                  }});
  CHeader header(0);
  header.Refresh();
  const auto lines = header.Lines();
  EXPECT_EQ(lines[0], "Programversjon : 5.10");
  EXPECT_EQ(lines[1], "Tid/Dato : 09:05  03.02 2024");
  EXPECT_EQ(lines[2], "Prosjektnavn : Kontorbygg");
  EXPECT_EQ(lines[3], "Beregninger utført av : Kari");
  EXPECT_EQ(lines[4], "Filnavn: C:\\prosjekt\\a.kav");
  EXPECT_EQ(header.ProgramTitle(), "KAV Beregningsprogram for teknisk isolasjon");
  EXPECT_EQ(header.PageTitle(), "Varmetapsberegning");
}

TEST_F(PageItemsTest, LongPathLosesItsFirstCharacters) {
  std::string tail;
  for (int i = 0; i < 80; ++i) tail += "å";  // two bytes each
  const std::string path = "/home/bruker/prosjekter/" + tail;
  SetPageContext({{}, [&] { return path; }, {}, {}});
  CHeader header(0);
  EXPECT_EQ(header.Lines()[4], "Filnavn: " + tail);
  SetPageContext({{}, [&] { return "/" + tail.substr(2); }, {}, {}});
  EXPECT_EQ(header.Lines()[4], "Filnavn: /" + tail.substr(2));  // exactly 80: kept
}

TEST_F(PageItemsTest, HeaderWithoutADocumentShowsEmptyFields) {
  CHeader header(2);
  EXPECT_EQ(header.Lines()[2], "Prosjektnavn : ");
  EXPECT_EQ(header.Lines()[4], "Filnavn: ");
  EXPECT_EQ(header.PageTitle(), Str(ids::PageTitleTank));
  EXPECT_EQ(header.PictureName(), "TANKTYPEX0");
  EXPECT_EQ(PageList(2), PageItems{&header});
  EXPECT_TRUE(PageList(0).empty());
}

TEST_F(PageItemsTest, HeaderTextForm) {
  SetPageContext({{}, {}, {}, [] { return LocalTime{23, 59, 31, 12, 1999}; }});
  CHeader header(6);
  std::string out;
  header.WriteText(out);
  EXPECT_EQ(out,
            "KAV Beregningsprogram for teknisk isolasjon\nLydfelleberegning\n\n"
            "Programversjon : 5.10\nTid/Dato : 23:59  31.12 1999\nProsjektnavn : \n"
            "Beregninger utført av : \nFilnavn: \n\n");
}

TEST_F(PageItemsTest, PictureIsRecolouredFirstMatchingPairWins) {
  TinyPictures pictures;
  SetPictureProvider(&pictures);
  SetPageContext({{},
                  {},
                  [](ColourRecord& colours) {
                    colours.Add(kOliveKey, Rgb(255, 0, 0));
                    colours.Add(kOliveKey, Rgb(0, 255, 0));
                    colours.Add(kYellowKey, Rgb(0, 0, 0));
                    return std::string("TWO");
                  },
                  {}});
  CHeader header(0);
  EXPECT_TRUE(header.Picture().IsEmpty());  // "MATERIALTYPEX0" is not there
  header.Refresh();
  EXPECT_EQ(header.PictureName(), "TWO");
  EXPECT_EQ(header.Picture().pixels,
            (std::vector<Colour>{Rgb(255, 0, 0), Rgb(0, 0, 0), kBlueKey, Rgb(255, 255, 255)}));
  header.Draw(device, {0, 0, 2000, 2000});
  const auto images = device.Of(FakeDevice::Kind::Image);
  ASSERT_EQ(images.size(), 1u);  // the logo is missing as well
  EXPECT_EQ(images[0].rect.left, MmToDeviceX(142.0f));
  EXPECT_EQ(images[0].rect.bottom, MmToDeviceY(70.0f));
}

TEST_F(PageItemsTest, HeaderPicturesAreMadeWhenDrawnAndSharedWhileTheyLast) {
  // Every name gives the placeholder picture; the loads are counted.
  class CountingPictures final : public PictureProvider {
   public:
    std::optional<IndexedImage> Load(const std::string& name) const override {
      ++loads;
      return PlaceholderPictures().Load(name);
    }
    mutable int loads = 0;
  } pictures;
  SetPictureProvider(&pictures);
  SetPageContext({{}, {}, [](ColourRecord&) { return std::string("TWO"); }, {}});
  CHeader first(0);
  CHeader second(1);
  first.Refresh();
  EXPECT_EQ(pictures.loads, 0) << "nothing is made before the page is drawn";
  first.Draw(device, {0, 0, 2000, 2000});
  second.Draw(device, {0, 0, 2000, 2000});
  EXPECT_EQ(pictures.loads, 3) << "one logo for both, and each header's own picture";

  ColourRecord green;
  green.Add(kOliveKey, Rgb(0, 255, 0));
  const std::shared_ptr<const RgbImage> plain = SharedPicture("TWO", {});
  EXPECT_EQ(SharedPicture("TWO", {}), plain);
  EXPECT_NE(SharedPicture("TWO", green), plain);
  const RgbImage* shown = &first.Picture();
  first.Refresh();
  EXPECT_EQ(&first.Picture(), shown) << "the same name and colours keep the picture made";
  SetPictureProvider(&pictures);
  EXPECT_NE(SharedPicture("TWO", {}), plain) << "a new provider makes its own";
}

TEST_F(PageItemsTest, PlaceholderPicturesShowTheKeyColours) {
  const PlaceholderPictures placeholders;
  EXPECT_FALSE(placeholders.Load("").has_value());
  const auto picture = placeholders.Load("MATERIALTYPE3");
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->width, PlaceholderPictures::kWidth);
  EXPECT_EQ(picture->height, PlaceholderPictures::kHeight);
  ColourRecord colours;
  colours.Add(kOliveKey, Rgb(1, 2, 3));
  colours.Add(kYellowKey, Rgb(4, 5, 6));
  colours.Add(kBlueKey, Rgb(7, 8, 9));
  const RgbImage recoloured = Recolour(*picture, colours);
  for (Colour c : {Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9)}) {
    EXPECT_NE(std::find(recoloured.pixels.begin(), recoloured.pixels.end(), c),
              recoloured.pixels.end());
  }
  for (Colour key : {kOliveKey, kYellowKey, kBlueKey}) {
    EXPECT_EQ(std::find(recoloured.pixels.begin(), recoloured.pixels.end(), key),
              recoloured.pixels.end());
  }
}

TEST_F(PageItemsTest, HeaderAndFooterRepeatOnEveryPageColumn) {
  CHeader header(0);
  CFooter footer;
  WidenPageToTwoColumns();
  const DeviceRect page{0, 0, 2 * kPageWidth, 1200};
  footer.Draw(device, page);
  const auto first = device.TextCalls("Side 1/2");
  const auto second = device.TextCalls("Side 2/2");
  ASSERT_EQ(first.size(), 1u);
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(first[0].h, HAlign::Right);
  EXPECT_EQ(first[0].at.x, footer.Rect.right);
  EXPECT_EQ(second[0].at.x, footer.Rect.right + kPageWidth);
  EXPECT_EQ(first[0].at.y, MmToDeviceY(272.0f));
  EXPECT_EQ(device.TextCalls(Str(ids::FooterContactLine2)).size(), 2u);

  device.calls.clear();
  header.Draw(device, page);
  const auto titles = device.TextCalls(header.ProgramTitle());
  ASSERT_EQ(titles.size(), 2u);
  EXPECT_EQ(titles[1].at.x - titles[0].at.x, kPageWidth);
  EXPECT_EQ(device.Of(FakeDevice::Kind::Line).size(), 4u);  // two rules a column
}

TEST_F(PageItemsTest, OnlyColumnsMeetingThePagePartAreDrawn) {
  CFooter footer;
  WidenPageToTwoColumns();
  footer.Draw(device, {kPageWidth, 0, 2 * kPageWidth, 1200});
  EXPECT_TRUE(device.TextCalls("Side 1/2").empty());
  const auto second = device.TextCalls("Side 2/2");
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].at.x, footer.Rect.right);  // seen from the sheet's corner
}

TEST_F(PageItemsTest, FooterContainsAndOpensHelpOnEveryColumn) {
  ScriptedPlatform platform;
  CFooter footer;
  WidenPageToTwoColumns();
  const DevicePoint onSecond{footer.Rect.left + kPageWidth + 1, footer.Rect.top + 1};
  EXPECT_TRUE(footer.Contains(onSecond));
  EXPECT_FALSE(footer.Contains({footer.Rect.right + 1, footer.Rect.top + 1}));
  EXPECT_TRUE(footer.ShowHelp({onSecond.x - 100, onSecond.y}, {100, 0}));
  ASSERT_EQ(platform.events.size(), 1u);
  EXPECT_EQ(platform.events[0].kind, ScriptedPlatform::Kind::Help);
  EXPECT_EQ(platform.events[0].text, "::/html/footer.htm");
  EXPECT_FALSE(footer.ShowHelp({0, 0}, {0, 0}));
}

TEST_F(PageItemsTest, FooterFollowsThePageHeightAndWritesNoText) {
  CFooter footer;
  EXPECT_EQ(footer.Rect.top, MmToDeviceY(270.0f));
  SetPageSizeMm(190.0f, 277.0f);
  RefreshPage(3);
  EXPECT_EQ(footer.Rect.top, MmToDeviceY(267.0f));
  EXPECT_EQ(footer.Rect.bottom, MmToDeviceY(276.0f));
  std::string out;
  footer.WriteText(out);
  EXPECT_EQ(out, "");
  for (int page = 0; page < kPageCount; ++page) EXPECT_EQ(PageList(page).size(), 1u);
}

TEST_F(PageItemsTest, TextBlockWithoutLinesIsTitlePlusOneLineHigh) {
  CText text;
  text.SetUp(ids::WarningTitle, {}, 10.0f, 10.0f);
  EXPECT_EQ(text.Rect.bottom - text.Rect.top, 13 + 13);
  std::string out;
  text.WriteText(out);
  EXPECT_EQ(out, "");
}

TEST_F(PageItemsTest, TextBlockLinesUnderAnEmptyLine) {
  CText text;
  const int lines[] = {ids::ValidityLine1, ids::Yes};
  text.SetUp(ids::WarningTitle, lines, 10.0f, 10.0f);
  EXPECT_EQ(text.Rect.bottom - text.Rect.top, 13 + 3 * 13);
  EXPECT_EQ(text.Rect.right - text.Rect.left,
            static_cast<int>(CharCount(Str(ids::ValidityLine1))) * 5);
  text.Draw(device, {0, 0, 2000, 2000});
  const auto title = device.TextCalls(Str(ids::WarningTitle));
  const auto last = device.TextCalls("Ja");
  ASSERT_EQ(title.size(), 1u);
  ASSERT_EQ(last.size(), 1u);
  EXPECT_EQ(title[0].font, BoldFont());
  EXPECT_EQ(last[0].at.y, text.Rect.top + 13 + 13 + 13);
  std::string out;
  text.WriteText(out);
  EXPECT_EQ(out, Str(ids::ValidityLine1) + "\nJa\n");
}

}  // namespace
}  // namespace kav
