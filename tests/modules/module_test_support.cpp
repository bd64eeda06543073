#include "module_test_support.h"

#include "output/page_layout.h"

namespace kav::test {

std::unique_ptr<CKorbuFlex> MakeHose(const std::string& name, const std::string& series,
                                     std::initializer_list<SeriesStep> steps, float minDiameter,
                                     float maxDiameter) {
  auto hose = std::make_unique<CKorbuFlex>();
  hose->Name = name;
  hose->UseFlags.fill(1);
  auto row = std::make_unique<CKorbuFlexSerie>();
  row->Name = series;
  row->MinDiameter = minDiameter;
  row->MaxDiameter = maxDiameter;
  for (const SeriesStep& step : steps) {
    auto s = std::make_unique<CKorbuFlexTykkelse>();
    s->MaxDiameter = step.maxDiameter;
    s->Thickness = step.thickness;
    s->UpdateName();
    row->SeriesThicknesses.Append(std::move(s));
  }
  hose->Series.Append(std::move(row));
  return hose;
}

void ModuleTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  dir = std::filesystem::temp_directory_path() /
        ("kav-modules-" + std::string(info->test_suite_name()) + "-" + info->name());
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  // Neither file exists: both databases start empty and are filled here.
  db = std::make_unique<CDataBase>((dir / "kav.dat").string());
  user = std::make_unique<CEgendefDatabase>((dir / "egendef.dat").string());

  db->InsulationProducts.Append(MakeProduct("Glassull", {30.0f, 50.0f}));
  auto stoneWool = MakeProduct("Steinull", {40.0f, 80.0f});
  stoneWool->UseFlags[0] = 0;
  stoneWool->NotOuterLayer = 1;
  stoneWool->InsulationColour = Rgb(10, 20, 30);
  stoneWool->SurfaceColour = Rgb(40, 50, 60);
  stoneWool->SurfaceEmissivity = 0.8f;
  db->InsulationProducts.Append(std::move(stoneWool));
  db->HoseProducts.Append(
      MakeHose("Cellegummi", "SR-1", {{22.0f, 9.0f}, {200.0f, 13.0f}}, 6.0f, 89.0f));
  user->UserProducts.Append(MakeProduct<CEgendefIsoProdukt>("Egen", {20.0f, 60.0f}));

  auto alu = std::make_unique<CMantling>();
  alu->Name = "Alu";
  alu->Emissivity = 0.1f;
  alu->Colour = Rgb(200, 200, 210);
  db->Jacketings.Append(std::move(alu));
  auto steel = std::make_unique<COverflate>();
  steel->Name = "Stål";
  steel->Emissivity = 0.3f;
  steel->Colour = Rgb(90, 90, 90);
  db->Surfaces.Append(std::move(steel));
  auto cloth = std::make_unique<CInnvMantling>();
  cloth->Name = "Duk";
  cloth->Emissivity = 0.9f;
  cloth->Colour = Rgb(1, 2, 3);
  db->InnerJacketings.Append(std::move(cloth));

  auto valve = std::make_unique<CTillegg2>();
  valve->Name = "Ventil";
  auto small = std::make_unique<CTilleggslengde>();
  small->MinDiameter = 10.0f;
  small->MaxDiameter = 50.0f;
  small->AdditionalLength = 1.2f;
  small->UpdateName();
  auto large = std::make_unique<CTilleggslengde>();
  large->MinDiameter = 51.0f;
  large->MaxDiameter = 500.0f;
  large->AdditionalLength = 2.0f;
  large->UpdateName();
  valve->Lengths.Append(std::move(small));
  valve->Lengths.Append(std::move(large));
  db->AccessoryTypes.Append(std::move(valve));

  auto glycol = std::make_unique<CVeske>();
  glycol->Name = "Glykol";
  glycol->Density = 1050.0f;
  glycol->HeatCapacity = 3600.0f;
  glycol->FreezingPoint = -20.0f;
  db->Liquids.Append(std::move(glycol));

  auto absorb = std::make_unique<CAbsorpsjon>();
  absorb->Name = "Absorb";
  absorb->AbsorptionThicknesses.Clear();
  for (float mm : {50.0f, 100.0f}) {
    auto row = std::make_unique<CAbsorpsjonTykkelse>();
    row->Thickness = mm;
    row->UpdateName();
    absorb->AbsorptionThicknesses.Append(std::move(row));
  }
  db->AbsorptionProducts.Append(std::move(absorb));

  SetReferenceData(db.get(), user.get(), nullptr, nullptr);
  platform.Clear();
}

void ModuleTest::TearDown() {
  SetReferenceData(nullptr, nullptr, nullptr, nullptr);
  for (int page = 0; page < kPageCount; ++page) {
    EXPECT_TRUE(PageList(page).empty()) << "page " << page << " keeps items of a dead module";
  }
  std::filesystem::remove_all(dir);
}

std::size_t Occurrences(const Bytes& bytes, const std::string& text) {
  std::size_t count = 0;
  auto it = bytes.begin();
  while ((it = std::search(it, bytes.end(), text.begin(), text.end())) != bytes.end()) {
    ++count;
    ++it;
  }
  return count;
}

}  // namespace kav::test
