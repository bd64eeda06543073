// The compiled-in pictures: every name the program asks for is there, in
// its size and in at most 16 colours; every module picture shown with
// results holds exactly the key colours its module repaints, large enough
// to be seen, and the neutral pictures shown before a result hold none.
#include <gtest/gtest.h>

#include <QImage>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "ui/render/qt_pictures.h"

namespace kav {
namespace {

enum Key { kOlive = 1, kYellow = 2, kBlue = 4 };

struct Expected {
  std::string name;
  int width;
  int height;
  int keys;  // the key colours the picture must hold, and no others
};

std::string Numbered(const std::string& base, int n) {
  return base + std::to_string(n);
}

// The module pictures with the key colours their modules repaint.
std::vector<Expected> ModulePictures() {
  std::vector<Expected> all;
  auto add = [&all](const std::string& name, int keys) { all.push_back({name, 240, 200, keys}); };
  for (int n = 0; n < 12; ++n) {
    // Geometries 3 and 5 are insulated inside: their outer surface is
    // painted too.
    const int geometry = n % 6;
    add(Numbered("MATERIALTYPE", n),
        kOlive | kYellow | (geometry == 3 || geometry == 5 ? kBlue : 0));
  }
  for (int n = 0; n < 4; ++n) add(Numbered("KANALROR", n), kOlive | kYellow);
  for (int n = 0; n < 4; ++n) add(Numbered("KANALRORX", n), kYellow);
  for (int n = 0; n < 3; ++n) add(Numbered("TANKTYPE", n), kYellow | kBlue);
  for (int n = 0; n < 14; ++n) add(Numbered("UTVKONDTYPE", n), kOlive | kYellow);
  for (int n = 0; n < 4; ++n) add(Numbered("KANAL", n), kOlive | kYellow);
  for (int n = 0; n < 2; ++n) add(Numbered("ROR", n), kOlive | kYellow);
  for (int n = 0; n < 4; ++n) add(Numbered("KANALTYPE", n), kOlive | kYellow);
  // The pictures shown before a result: nothing is repainted, so they use
  // no key colour.
  for (const char* neutral :
       {"MATERIALTYPEX0", "TANKTYPEX0", "UTVKONDTYPEX0", "KANALX0", "RORX0", "KANALTYPEX1"}) {
    add(neutral, 0);
  }
  return all;
}

// Every picture the program asks for.
std::vector<Expected> AllPictures() {
  std::vector<Expected> all = ModulePictures();
  all.push_back({"HEADER", 280, 158, 0});
  all.push_back({"WELCOME_WINTER", 400, 250, 0});
  all.push_back({"WELCOME_SUMMER", 400, 250, 0});
  return all;
}

void PrintTo(const Expected& expected, std::ostream* out) {
  *out << expected.name;
}

std::string TestName(const ::testing::TestParamInfo<Expected>& param) {
  return param.param.name;
}

// How many pixels show each colour.
std::map<Colour, int> ColourCounts(const IndexedImage& image) {
  std::map<Colour, int> counts;
  for (std::uint8_t index : image.indexes) ++counts[image.palette[index]];
  return counts;
}

class PictureTest : public ::testing::TestWithParam<Expected> {};
class ModulePictureTest : public ::testing::TestWithParam<Expected> {};

TEST_P(PictureTest, LoadsInItsSizeWithAtMost16Colours) {
  const Expected& want = GetParam();
  const QtPictureProvider provider;
  const auto picture = provider.Load(want.name);
  ASSERT_TRUE(picture.has_value()) << want.name;
  EXPECT_EQ(picture->width, want.width);
  EXPECT_EQ(picture->height, want.height);
  ASSERT_EQ(picture->indexes.size(), static_cast<std::size_t>(want.width * want.height));

  // Counted on the stored picture itself, not through the conversion.
  const QImage stored = PictureImage(want.name).convertToFormat(QImage::Format_RGB32);
  std::set<QRgb> colours;
  for (int y = 0; y < stored.height(); ++y) {
    for (int x = 0; x < stored.width(); ++x) colours.insert(stored.pixel(x, y));
  }
  EXPECT_LE(colours.size(), 16u) << want.name;
}

TEST_P(ModulePictureTest, HoldsExactlyTheKeyColoursItsModuleRepaints) {
  const Expected& want = GetParam();
  const auto picture = QtPictureProvider().Load(want.name);
  ASSERT_TRUE(picture.has_value());
  const std::map<Colour, int> counts = ColourCounts(*picture);
  auto pixels = [&counts](Colour colour) {
    const auto it = counts.find(colour);
    return it == counts.end() ? 0 : it->second;
  };
  // A key region must be large enough to be seen once repainted.
  constexpr int kVisible = 150;
  const struct {
    Key key;
    Colour colour;
    const char* what;
  } keys[] = {
      {kOlive, kOliveKey, "olive"}, {kYellow, kYellowKey, "yellow"}, {kBlue, kBlueKey, "blue"}};
  for (const auto& key : keys) {
    if (want.keys & key.key) {
      EXPECT_GE(pixels(key.colour), kVisible) << want.name << " lacks " << key.what;
    } else {
      EXPECT_EQ(pixels(key.colour), 0) << want.name << " has " << key.what;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllNames, PictureTest, ::testing::ValuesIn(AllPictures()), TestName);
INSTANTIATE_TEST_SUITE_P(ModuleNames, ModulePictureTest, ::testing::ValuesIn(ModulePictures()),
                         TestName);

TEST(PictureNames, AreMatchedWhateverTheLetterCase) {
  const QtPictureProvider provider;
  const auto page = provider.Load("MATERIALTYPE0");
  const auto dialog = provider.Load("Materialtype0");
  ASSERT_TRUE(page && dialog);
  EXPECT_EQ(page->indexes, dialog->indexes);
  EXPECT_TRUE(provider.Load("materialtypex0").has_value());
  EXPECT_FALSE(PictureImage("welcome_winter").isNull());
}

TEST(PictureNames, UnknownNamesGiveNothing) {
  const QtPictureProvider provider;
  for (const char* name : {"", "MATERIALTYPE12", "TANKTYPE3", "HEADER.png", ":/pictures/HEADER.png",
                           "../pictures/HEADER", "KANALTYPEX0"}) {
    EXPECT_FALSE(provider.Load(name).has_value()) << name;
    EXPECT_TRUE(PictureImage(name).isNull()) << name;
  }
}

TEST(PictureProvider, InstalledForTheWholeProgram) {
  InstallQtPictures();
  const auto picture = CurrentPictureProvider().Load("TANKTYPE1");
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->width, 240);  // not the placeholder's size
  SetPictureProvider(nullptr);
}

// --- the conversion itself -------------------------------------------------------

QImage ColourStripes(int colours) {
  QImage image(colours, 3, QImage::Format_RGB32);
  for (int x = 0; x < colours; ++x) {
    for (int y = 0; y < 3; ++y) image.setPixel(x, y, qRgb(10 * x, 255 - x, 3 * x + 1));
  }
  return image;
}

TEST(ToIndexedImage, KeepsEveryPixelsColourWithRedInTheLowByte) {
  const QImage image = ColourStripes(16);
  const auto indexed = ToIndexedImage(image);
  ASSERT_TRUE(indexed.has_value());
  ASSERT_EQ(indexed->indexes.size(), 48u);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 16; ++x) {
      const Colour colour =
          indexed->palette[indexed->indexes[static_cast<std::size_t>(y * 16 + x)]];
      EXPECT_EQ(colour, Rgb(10 * x, 255 - x, 3 * x + 1)) << x << "," << y;
    }
  }
}

TEST(ToIndexedImage, RefusesSeventeenColours) {
  EXPECT_FALSE(ToIndexedImage(ColourStripes(17)).has_value());
  EXPECT_FALSE(ToIndexedImage(QImage()).has_value());
}

TEST(ToIndexedImage, KeepsThePaletteOfAnIndexedPicture) {
  QImage image(2, 1, QImage::Format_Indexed8);
  image.setColorTable({qRgb(0, 0, 0), qRgb(128, 128, 0), qRgb(255, 255, 255)});
  image.setPixel(0, 0, 2);
  image.setPixel(1, 0, 1);
  const auto indexed = ToIndexedImage(image);
  ASSERT_TRUE(indexed.has_value());
  EXPECT_EQ(indexed->indexes, (std::vector<std::uint8_t>{2, 1}));
  EXPECT_EQ(indexed->palette[1], kOliveKey);
}

TEST(ToIndexedImage, ReducesALargePaletteToTheColoursUsed) {
  QImage image(2, 1, QImage::Format_Indexed8);
  QList<QRgb> table;
  for (int i = 0; i < 256; ++i) table.push_back(qRgb(i, i, i));
  image.setColorTable(table);
  image.setPixel(0, 0, 200);
  image.setPixel(1, 0, 7);
  const auto indexed = ToIndexedImage(image);
  ASSERT_TRUE(indexed.has_value());
  EXPECT_EQ(indexed->palette[indexed->indexes[0]], Rgb(200, 200, 200));
  EXPECT_EQ(indexed->palette[indexed->indexes[1]], Rgb(7, 7, 7));
}

TEST(ToQImage, ConvertsOnceWithRedFromTheLowByte) {
  const RgbImage picture{2, 1, {Rgb(10, 20, 30), Rgb(255, 0, 1)}, {}};
  const QImage& image = ToQImage(picture);
  EXPECT_EQ(image.pixel(0, 0), qRgb(10, 20, 30));
  EXPECT_EQ(image.pixel(1, 0), qRgb(255, 0, 1));
  EXPECT_EQ(&ToQImage(picture), &image) << "drawn again without converting again";
}

}  // namespace
}  // namespace kav
