// Pipe segments: new segments from a template, their description, flow and
// cross-section, the product's temperature limit.
#include "modules/kanal_temp/segment.h"

#include <gtest/gtest.h>

#include "module_test_support.h"
#include "modules/kanal_temp/kanal_temp_modul.h"

namespace kav::test {
namespace {

using SegmentTest = ModuleTest;

TEST_F(SegmentTest, NewSegmentsAreNumberedAndInitialisedForTheirType) {
  KanalTempInputs run;
  run.RunType = code::RunType::RectangularDucts;
  auto first = run.NewSegment(nullptr);
  EXPECT_EQ(first->Name, "Segment 1");
  EXPECT_EQ(run.NextSegmentNumber, 2);
  EXPECT_EQ(run.NewSegment(first.get())->Name, "Segment 2");
  EXPECT_EQ(first->Type, code::Geometry::RectangularDuct);
  EXPECT_EQ(first->Layer1.Usage, code::Usage::RectangularDuct);
  EXPECT_EQ(first->Layer1.FirstLayer, 1);
  EXPECT_EQ(first->Layer2.FirstLayer, 0);
  EXPECT_EQ(first->Diameter, 100.0f);
}

TEST_F(SegmentTest, TemplateGivesEverythingButTypeAndForeignLayers) {
  CSegment templ(code::Geometry::CircularDuct);
  templ.Name = "Mal";
  templ.Length = 33.0f;
  templ.Flow = 7.0f;
  templ.Surface = &Steel();
  templ.HasAccessories = 1;
  auto accessory = std::make_unique<CTilleggsutstyr>();
  accessory->AccessoryType = &Valve();
  templ.Accessories.Append(std::move(accessory));
  templ.Layer1.Product = &Glassull();

  auto same = CSegment::NewSegment(code::Geometry::CircularDuct, &templ);
  EXPECT_NE(same->Name, "Mal");
  EXPECT_EQ(same->Length, 33.0f);
  EXPECT_EQ(same->Flow, 7.0f);
  EXPECT_EQ(same->Surface, &Steel());
  EXPECT_TRUE(Uses(Steel(), same.get()));
  ASSERT_EQ(same->Accessories.size(), 1u);
  EXPECT_NE(same->Accessories[0], templ.Accessories[0]) << "its own copies";
  EXPECT_EQ(same->Layer1.Product, &Glassull()) << "same type: the layers are copied";
  EXPECT_TRUE(Uses(Glassull(), &same->Layer1));

  auto other = CSegment::NewSegment(code::Geometry::InternalDuct, &templ);
  EXPECT_EQ(other->Type, code::Geometry::InternalDuct);
  EXPECT_EQ(other->Length, 33.0f);
  EXPECT_EQ(other->Layer1.Product, nullptr) << "another type starts with fresh layers";
  EXPECT_EQ(other->Layer1.Usage, code::Usage::RectangularDuctInside);

  auto created = templ.CreateNew();
  EXPECT_EQ(static_cast<CSegment&>(*created).Layer1.Product, &Glassull());
  other.reset();
  same.reset();
  created.reset();
  EXPECT_EQ(Glassull().Users, std::vector<CItem*>{&templ.Layer1});
  EXPECT_EQ(Valve().Users, std::vector<CItem*>{templ.Accessories[0]});
}

TEST_F(SegmentTest, CloneIsAUserOfItsSurface) {
  CSegment segment;
  segment.Name = "A";
  segment.Surface = &Steel();
  std::unique_ptr<CSegment> clone = CloneAs(segment);
  EXPECT_EQ(clone->Name, "A");
  EXPECT_EQ(Steel().Users, (std::vector<CItem*>{&segment, clone.get()}));
  clone->ReplaceReference(&Alu());
  EXPECT_EQ(clone->Surface, &Steel());
  clone.reset();
  EXPECT_EQ(Steel().Users, std::vector<CItem*>{&segment});
}

TEST_F(SegmentTest, DescriptionByType) {
  CSegment duct(code::Geometry::RectangularDuct);
  duct.Layer1.Product = &Glassull();
  duct.Layer1.ThicknessRow = Glassull().Thicknesses[0];
  duct.FlowUnit = code::FlowUnit::LitresPerSecond;
  EXPECT_EQ(duct.Describe(),
            "Segmenttype: Rektangulær kanal\nIsolasjonsprodukt: Glassull\nTykkelse: 30.0 mm\n"
            "Høyde: 200.0 mm\nBredde: 200.0 mm\nKanallengde: 10.00 m\nOmgivelsetemp.: 20.0 °C\n"
            "Mediestrøm inn: 100.0 l/s");
  duct.Uninsulated = 1;
  EXPECT_NE(duct.Describe().find("Ingen isolasjon (emissivitet=0.5)\nTykkelse: 0.0 mm"),
            std::string::npos);
  EXPECT_EQ(CSegment(code::Geometry::InternalDuct).Describe(), "");
}

TEST_F(SegmentTest, FlowAndCrossSection) {
  CSegment pipe(code::Geometry::Pipe);
  pipe.Diameter = 200.0f;
  EXPECT_FLOAT_EQ(pipe.CrossSection(), 0.031415927f);
  EXPECT_FLOAT_EQ(pipe.VolumeFlow(), 100.0f / 3600.0f);
  EXPECT_EQ(pipe.FlowText(), "100.00 m³/h");
  pipe.FlowUnit = code::FlowUnit::MetresPerSecond;
  pipe.Flow = 2.0f;
  EXPECT_FLOAT_EQ(pipe.VolumeFlow(), 0.062831854f) << "a velocity times the cross-section";

  CSegment duct(code::Geometry::InternalDuct);
  duct.Width = 500.0f;
  duct.Height = 400.0f;
  EXPECT_FLOAT_EQ(duct.CrossSection(), 0.2f);
  EXPECT_EQ(duct.FlowText(), "100 m³/h");
}

TEST_F(SegmentTest, ProductTemperatureLimit) {
  CSegment segment(code::Geometry::Pipe);
  EXPECT_EQ(segment.MaxProductTemperature(), 10000.0f) << "no product";
  Glassull().MaxTemperature = 250.0f;
  segment.Layer1.Product = &Glassull();
  EXPECT_EQ(segment.MaxProductTemperature(), 250.0f);
  segment.Layer1.Source = code::Source::Hose;
  segment.Layer1.HoseProduct = &Hose();
  EXPECT_EQ(segment.MaxProductTemperature(), Hose().MaxTemperature);
  segment.Layer1.Source = code::Source::User;
  segment.Layer1.UserProduct = &Egen();
  EXPECT_EQ(segment.MaxProductTemperature(), 10000.0f) << "user products set no limit";
  segment.Layer1.Source = code::Source::Standard;
  segment.Uninsulated = 1;
  EXPECT_EQ(segment.MaxProductTemperature(), 10000.0f);
}

TEST_F(SegmentTest, SegmentDialogOnACopy) {
  CSegment segment(code::Geometry::Pipe);
  segment.Name = "Før";
  ScopedEditor<CSegment> dialog([&](CSegment& copy) {
    EXPECT_NE(&copy, &segment);
    copy.Name = "Etter";
    copy.Length = 42.0f;
    copy.Surface = &Steel();
    return true;
  });
  EXPECT_EQ(segment.EditInput(), 1);
  EXPECT_EQ(segment.Name, "Etter");
  EXPECT_EQ(segment.Length, 42.0f);
  EXPECT_EQ(Steel().Users, std::vector<CItem*>{&segment});
}

}  // namespace
}  // namespace kav::test
