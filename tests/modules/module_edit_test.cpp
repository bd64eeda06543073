// Editing a module's inputs on a copy, resetting, the pictures and what the
// modules put on their pages.
#include <gtest/gtest.h>

#include "module_test_support.h"
#include "modules/common/module_picture.h"
#include "modules/kanal_temp/kanal_temp_modul.h"
#include "modules/okonomi/okonomi_modul.h"
#include "modules/tank_temp/tank_temp_modul.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "output/page_layout.h"

namespace kav::test {
namespace {

using ModuleEditTest = ModuleTest;

std::unique_ptr<CTilleggsutstyr> ValveAccessory(CTillegg2& type, int count) {
  auto accessory = std::make_unique<CTilleggsutstyr>();
  accessory->AccessoryType = &type;
  accessory->Count = count;
  return accessory;
}

TEST_F(ModuleEditTest, HeatLossOkTakesTheCopyBackAndRepointsAccessories) {
  CVarmeTapModul module;
  module.Accessories.Append(ValveAccessory(Valve(), 1));
  module.Layer1.Product = &Steinull();
  ScopedEditor<VarmeTapInputs> dialog([&](VarmeTapInputs& copy) {
    EXPECT_NE(&copy.Layer1, &module.Layer1);
    EXPECT_EQ(copy.Accessories.size(), 1u);
    EXPECT_NE(copy.Accessories[0], module.Accessories[0]) << "the dialog edits clones";
    copy.MediumTemperature = 80.0f;
    copy.Layer1.Product = &Glassull();
    copy.Layer1.ThicknessRow = Glassull().Thicknesses[0];
    copy.Accessories[0]->Count = 4;
    copy.Accessories.Append(ValveAccessory(Valve(), 2));
    return true;
  });
  EXPECT_EQ(module.EditInput(), 1);
  EXPECT_EQ(module.MediumTemperature, 80.0f);
  EXPECT_EQ(module.Layer1.Product, &Glassull());
  EXPECT_EQ(module.Layer1.ThicknessRow, Glassull().Thicknesses[0]);
  EXPECT_EQ(Glassull().Users, std::vector<CItem*>{&module.Layer1}) << "the dialog's copy is gone";
  EXPECT_TRUE(Steinull().Users.empty());
  ASSERT_EQ(module.Accessories.size(), 2u);
  EXPECT_EQ(module.Accessories[0]->Count, 4);
  EXPECT_EQ(Valve().Users, (std::vector<CItem*>{module.Accessories[0], module.Accessories[1]}))
      << "only the module's accessories are users of the type";
  EXPECT_FALSE(PageList(CVarmeTapModul::kPage).empty()) << "the new inputs were calculated";
}

TEST_F(ModuleEditTest, HeatLossCancelChangesNothing) {
  CVarmeTapModul module;
  module.Accessories.Append(ValveAccessory(Valve(), 1));
  CTilleggsutstyr* accessory = module.Accessories[0];
  module.Layer1.Product = &Steinull();
  ScopedEditor<VarmeTapInputs> dialog([&](VarmeTapInputs& copy) {
    copy.MediumTemperature = 80.0f;
    copy.Layer1.Product = &Glassull();
    copy.Accessories.Clear();
    return false;
  });
  EXPECT_EQ(module.EditInput(), 0);
  EXPECT_EQ(module.MediumTemperature, 50.0f);
  EXPECT_EQ(module.Layer1.Product, &Steinull());
  EXPECT_EQ(module.Accessories[0], accessory);
  EXPECT_EQ(Valve().Users, std::vector<CItem*>{accessory});
  EXPECT_EQ(Steinull().Users, std::vector<CItem*>{&module.Layer1});
  EXPECT_TRUE(Glassull().Users.empty());
}

TEST_F(ModuleEditTest, ModuleReferenceFollowsTheDialogAndTheDatabase) {
  CTankTempModul module;
  ScopedEditor<TankTempInputs> dialog([&](TankTempInputs& copy) {
    EXPECT_TRUE(Glycol().Users.empty()) << "the copy is nobody's user";
    copy.Liquid = &Glycol();
    return true;
  });
  ASSERT_EQ(module.EditInput(), 1);
  EXPECT_EQ(module.Liquid, &Glycol());
  EXPECT_EQ(Glycol().Users, std::vector<CItem*>{&module});
  EXPECT_EQ(module.Density(), 1050.0f);

  // The liquid list edited and taken over: the module follows its row.
  TypedList<CVeske> copies;
  CopyList(copies, db->Liquids);
  TakeList(db->Liquids, copies, true);
  EXPECT_EQ(module.Liquid, &Glycol());
  EXPECT_EQ(Glycol().Users, std::vector<CItem*>{&module});

  module.Reset();
  EXPECT_EQ(module.Liquid, nullptr);
  EXPECT_TRUE(Glycol().Users.empty());
}

TEST_F(ModuleEditTest, FlowingMediaCancelGivesTheSegmentNumberBack) {
  CKanalTempModul module;
  module.NextSegmentNumber = 3;
  bool accept = false;
  ScopedEditor<KanalTempInputs> dialog([&](KanalTempInputs& copy) {
    copy.Segments.Append(copy.NewSegment(nullptr));
    return accept;
  });
  EXPECT_EQ(module.EditInput(), 0);
  EXPECT_EQ(module.NextSegmentNumber, 3);
  EXPECT_TRUE(module.Segments.empty());
  accept = true;
  EXPECT_EQ(module.EditInput(), 1);
  EXPECT_EQ(module.NextSegmentNumber, 4);
  ASSERT_EQ(module.Segments.size(), 1u);
  EXPECT_EQ(module.Segments[0]->Name, "Segment 3");
}

// A user that records being told about a row.
class Watcher final : public CItem {
 public:
  const char* ClassName() const override { return "Watcher"; }
  void ReplaceReference(CItem* item) override { told.push_back(item); }
  std::vector<CItem*> told;
};

TEST_F(ModuleEditTest, EconomyTakesAlternativesWithoutTellingTheirUsers) {
  COkonomiModul module;
  module.Alternatives.Append(std::make_unique<COkonomiIsolasjon>());
  Watcher watcher;
  module.Alternatives[0]->AddUser(&watcher);
  ScopedEditor<OkonomiInputs> dialog([&](OkonomiInputs& copy) {
    copy.StandardSolution.Product = &Glassull();
    copy.Alternatives[0]->Price = 300.0f;
    return true;
  });
  ASSERT_EQ(module.EditInput(), 1);
  EXPECT_EQ(module.Alternatives[0]->Price, 300.0f);
  EXPECT_TRUE(watcher.told.empty());
  EXPECT_EQ(module.StandardSolution.Product, &Glassull());
  EXPECT_EQ(Glassull().Users, std::vector<CItem*>{&module.StandardSolution});
}

TEST_F(ModuleEditTest, HeatLossResetRestoresTheDefaults) {
  CVarmeTapModul module;
  module.Geometry = code::Geometry::FlatOutside;
  module.OperatingHours = 1.0f;
  module.Layer1.Reset(code::Usage::FlatOutside, 0, 1);
  module.Layer1.Product = &Glassull();
  module.Accessories.Append(ValveAccessory(Valve(), 1));
  module.ShowResults();
  module.Reset();
  EXPECT_EQ(module.Geometry, code::Geometry::Pipe);
  EXPECT_EQ(module.OperatingHours, 5840.0f);
  EXPECT_EQ(module.Layer1.Usage, code::Usage::Pipe);
  EXPECT_EQ(module.Layer2.FirstLayer, 0);
  EXPECT_TRUE(module.Accessories.empty());
  EXPECT_TRUE(Glassull().Users.empty());
  EXPECT_TRUE(Valve().Users.empty());
  EXPECT_EQ(module.ResultsValid, 0);
  EXPECT_TRUE(PageList(CVarmeTapModul::kPage).empty());
  EXPECT_EQ(module.ResultTable.Headings(),
            (std::vector<std::string>{"Varmetapsberegning", "Resultater"}));
  EXPECT_EQ(module.InputTable.HelpTopic, "::/html/varmetap_inputtabell.htm");
}

TEST_F(ModuleEditTest, EconomyResetKeepsTheStandardSolution) {
  COkonomiModul module;
  module.StandardSolution.Product = &Glassull();
  module.StandardSolution.Price = 123.0f;
  module.Alternatives.Append(std::make_unique<COkonomiIsolasjon>());
  module.ObjectType = code::Geometry::InternalDuct;
  module.BestIndex = 1;
  module.RealInterest = 1.0f;
  module.Reset();
  EXPECT_EQ(module.StandardSolution.Product, &Glassull());
  EXPECT_EQ(module.StandardSolution.Price, 123.0f);
  EXPECT_EQ(Glassull().Users, std::vector<CItem*>{&module.StandardSolution});
  EXPECT_TRUE(module.Alternatives.empty());
  EXPECT_EQ(module.ObjectType, code::Geometry::Pipe);
  EXPECT_EQ(module.BestIndex, 0);
  EXPECT_EQ(module.RealInterest, 7.0f);
  EXPECT_EQ(module.CostTable.Top, 65.0f);
  EXPECT_EQ(module.CostTable.ColumnCount(), 5);
}

TEST_F(ModuleEditTest, HeatLossPictureAndPage) {
  CVarmeTapModul module;
  ColourRecord none;
  EXPECT_EQ(module.PictureName(none), "MATERIALTYPEX0");
  EXPECT_EQ(none.count, 0);

  module.ResultsValid = 1;
  module.Vertical = 1;
  module.Geometry = code::Geometry::RectangularDuct;
  module.Layer1.Product = &Steinull();
  ColourRecord outside;
  EXPECT_EQ(module.PictureName(outside), "MATERIALTYPE8");
  EXPECT_EQ(outside.count, 2);
  EXPECT_EQ(outside.Map(kKeyOlive), Rgb(10, 20, 30));
  EXPECT_EQ(outside.Map(kKeyYellow), Rgb(40, 50, 60));

  module.Geometry = code::Geometry::InternalDuct;
  module.Layer1.Usage = code::Usage::RectangularDuctInside;
  module.Layer1.Surface = &Steel();
  ColourRecord inside;
  EXPECT_EQ(module.PictureName(inside), "MATERIALTYPE9");
  EXPECT_EQ(inside.count, 3);
  EXPECT_EQ(inside.Map(kKeyBlue), Steel().Colour);

  module.Geometry = code::Geometry::CircularDuct;
  module.TwoLayers = 1;
  module.Layer2.HasJacketing = 1;
  module.Layer2.Jacketing = &Alu();
  ColourRecord twoLayers;
  module.PictureName(twoLayers);
  EXPECT_EQ(twoLayers.Map(kKeyOlive), Rgb(10, 20, 30)) << "the inner layer's insulation";
  EXPECT_EQ(twoLayers.Map(kKeyYellow), Alu().Colour) << "the outer layer's jacketing";

  module.Geometry = code::Geometry::InternalDuct;
  module.ShowResults();
  ASSERT_EQ(PageList(0).size(), 3u) << "internal insulation shows the advisory text";
  EXPECT_EQ(PageList(0)[2], &module.InternalInsulationText);
  EXPECT_GE(DeviceToMmY(module.InternalInsulationText.Rect.top),
            BottomMm(module.InputTable) + 9.5f);
  module.Geometry = code::Geometry::Pipe;
  module.ShowResults();
  EXPECT_EQ(PageList(0), (PageItems{&module.ResultTable, &module.InputTable}));
  module.ClearResults();
  EXPECT_TRUE(PageList(0).empty());
  EXPECT_EQ(module.ResultsValid, 0);
}

TEST_F(ModuleEditTest, FlowingMediaPictureFollowsTheFirstSegment) {
  CKanalTempModul module;
  ColourRecord colours;
  module.ResultsValid = 1;
  EXPECT_EQ(module.PictureName(colours), "KANALRORX0") << "no segment";
  module.Segments.Append(CSegment::NewSegment(code::Geometry::RectangularDuct, nullptr));
  EXPECT_EQ(module.PictureName(colours), "KANALROR2");
  module.Segments[0]->Uninsulated = 1;
  EXPECT_EQ(module.PictureName(colours), "KANALRORX2");
  module.ResultsValid = 0;
  EXPECT_EQ(module.PictureName(colours), "KANALRORX0");
}

}  // namespace
}  // namespace kav::test
