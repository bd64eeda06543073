// Insulation layers: thickness, emissivity and colours by source; the user
// entries of copies; re-pointing when rows are replaced; the stored form;
// the layer dialog's product lists; the diameter questions; table rows.
#include "modules/insulation/isolasjon.h"

#include <gtest/gtest.h>

#include "core/strings.h"
#include "module_test_support.h"
#include "modules/common/module_picture.h"
#include "modules/insulation/isolasjon_edit.h"

namespace kav::test {
namespace {

class IsolasjonTest : public ModuleTest {
 protected:
  // A standard-product layer on Glassull's 50 mm row, with Alu jacketing.
  void UseGlassull50(CIsolasjon& layer) {
    layer.Source = code::Source::Standard;
    layer.Product = &Glassull();
    layer.ThicknessRow = Glassull().Thicknesses[1];
    layer.HasJacketing = 1;
    layer.Jacketing = &Alu();
  }
  // Every row a layer may refer to, for the no-dangling-user checks.
  std::vector<const CListItem*> AllRows() {
    std::vector<const CListItem*> rows = {&Glassull(), &Steinull(), &Hose(),  &Egen(),
                                          &Alu(),      &Steel(),    &Cloth(), Hose().Series[0]};
    for (const CIsoTykkelse* row : Glassull().Thicknesses) rows.push_back(row);
    for (const CIsoTykkelse* row : Egen().Thicknesses) rows.push_back(row);
    return rows;
  }
  bool AnyRowUses(const CItem* layer) {
    for (const CListItem* row : AllRows()) {
      if (Uses(*row, layer)) return true;
    }
    return false;
  }
};

TEST_F(IsolasjonTest, ThicknessFollowsTheSourceAndItsRow) {
  CIsolasjon layer;
  EXPECT_EQ(layer.ThicknessAt(50.0f), 0.0f) << "no row and no own thickness";
  UseGlassull50(layer);
  EXPECT_EQ(layer.ThicknessAt(50.0f), 50.0f);
  layer.OwnThickness = 1;
  layer.Thickness = 35.0f;
  EXPECT_EQ(layer.ThicknessAt(50.0f), 35.0f);

  layer.Source = code::Source::Hose;
  layer.HoseProduct = &Hose();
  layer.HoseSeries = Hose().Series[0];
  EXPECT_EQ(layer.ThicknessAt(22.0f), 9.0f);
  EXPECT_EQ(layer.ThicknessAt(22.5f), 13.0f) << "the series steps with the pipe diameter";
  layer.OwnHoseThickness = 1;
  EXPECT_EQ(layer.ThicknessAt(22.5f), 25.0f) << "an own hose thickness ignores the diameter";

  layer.Source = code::Source::User;
  layer.UserProduct = &Egen();
  EXPECT_EQ(layer.ThicknessAt(50.0f), 0.0f);
  layer.UserThicknessRow = Egen().Thicknesses[1];
  EXPECT_EQ(layer.ThicknessAt(50.0f), 60.0f);
  layer.OwnUserThickness = 1;
  EXPECT_EQ(layer.ThicknessAt(50.0f), 50.0f);
}

TEST_F(IsolasjonTest, EmissivityOfTheOuterSurface) {
  CIsolasjon layer;
  EXPECT_EQ(layer.Emissivity(), 0.94f) << "no jacketing, no product";
  layer.Product = &Steinull();
  EXPECT_EQ(layer.Emissivity(), 0.8f) << "the product's surface";
  layer.HasJacketing = 1;
  layer.JacketingEmissivity = 0.5f;
  EXPECT_EQ(layer.Emissivity(), 0.5f) << "jacketing without a row: the typed-in value";
  layer.Jacketing = &Alu();
  EXPECT_EQ(layer.Emissivity(), 0.1f);
  layer.UserJacketing = 1;
  EXPECT_EQ(layer.Emissivity(), 0.5f);

  CIsolasjon inside(code::Usage::RectangularDuctInside, 1, 1);
  inside.HasJacketing = 1;
  inside.Jacketing = &Alu();
  EXPECT_EQ(inside.Emissivity(), 0.94f) << "inside a duct only the duct's surface counts";
  inside.Surface = &Steel();
  EXPECT_EQ(inside.Emissivity(), 0.3f);
  inside.UserSurface = 1;
  inside.SurfaceEmissivityValue = 0.6f;
  EXPECT_EQ(inside.Emissivity(), 0.6f);
}

TEST_F(IsolasjonTest, PictureColoursWithAndWithoutRows) {
  CIsolasjon layer;
  EXPECT_EQ(layer.InsulationColour(), kNoProductColour);
  layer.Source = code::Source::Hose;
  EXPECT_EQ(layer.InsulationColour(), kNoHoseProductColour);
  EXPECT_TRUE(layer.Describe(true).empty());
  layer.Source = code::Source::Standard;
  layer.Product = &Steinull();
  layer.HasJacketing = 1;
  EXPECT_EQ(layer.OuterSurfaceColour(), kNoSurfaceColour) << "jacketing without a row";
  layer.Jacketing = &Alu();
  layer.HasInnerJacketing = 1;
  layer.InnerJacketing = &Cloth();
  layer.UserInnerJacketing = 1;
  EXPECT_EQ(layer.FacingColour(), kNoSurfaceColour) << "a typed-in facing has no colour";
  ColourRecord colours;
  layer.AddPictureColours(colours, kKeyOlive, kKeyYellow);
  EXPECT_EQ(colours.Map(kKeyOlive), Rgb(10, 20, 30));
  EXPECT_EQ(colours.Map(kKeyYellow), Alu().Colour);
}

TEST_F(IsolasjonTest, ResetLeavesEveryRowAndAppliesTheUsage) {
  CIsolasjon layer;
  UseGlassull50(layer);
  layer.Surface = &Steel();
  layer.Reset(code::Usage::CircularDuctInside, 0, 0);
  EXPECT_FALSE(AnyRowUses(&layer));
  EXPECT_EQ(layer.Product, nullptr);
  EXPECT_EQ(layer.Source, code::Source::User) << "usage 7 offers user products only";
  EXPECT_EQ(layer.Usage, code::Usage::CircularDuctInside);
  EXPECT_EQ(layer.ThicknessGiven, 0);
  EXPECT_EQ(layer.FirstLayer, 0);
  EXPECT_EQ(layer.HasJacketing, 0);
  layer.Reset(code::Usage::RectangularDuct, 1, 1);
  EXPECT_EQ(layer.Source, code::Source::Standard);
}

TEST_F(IsolasjonTest, CopiesRegisterThemselvesAndLeaveNoDanglingUser) {
  auto source = std::make_unique<CIsolasjon>();
  UseGlassull50(*source);
  {
    CIsolasjon copy(*source);
    EXPECT_EQ(copy.Product, &Glassull());
    EXPECT_TRUE(Uses(Glassull(), &copy));
    EXPECT_TRUE(Uses(*Glassull().Thicknesses[1], &copy));
    EXPECT_TRUE(Uses(Alu(), &copy));
    EXPECT_TRUE(Uses(Glassull(), source.get())) << "the source keeps its own entry";

    CIsolasjon other;
    other.Product = &Steinull();
    other.Surface = &Steel();
    other = copy;
    EXPECT_FALSE(Uses(Steinull(), &other)) << "assignment leaves the old rows";
    EXPECT_FALSE(Uses(Steel(), &other));
    EXPECT_TRUE(Uses(Glassull(), &other));
    EXPECT_EQ(other.Surface, nullptr);
  }
  const CItem* gone = source.get();
  source.reset();
  EXPECT_TRUE(Glassull().Users.empty());
  EXPECT_TRUE(Alu().Users.empty());
  EXPECT_FALSE(AnyRowUses(gone));
}

TEST_F(IsolasjonTest, ReplacedRowsAreTakenByTheirKind) {
  CIsolasjon layer;
  // Hose and user products are insulation products too: each lands in
  // its own reference.
  layer.ReplaceReference(&Hose());
  layer.ReplaceReference(&Egen());
  layer.ReplaceReference(&Glassull());
  EXPECT_EQ(layer.HoseProduct, &Hose());
  EXPECT_EQ(layer.UserProduct, &Egen());
  EXPECT_EQ(layer.Product, &Glassull());
  layer.ReplaceReference(&Steel());
  layer.ReplaceReference(&Cloth());
  EXPECT_EQ(layer.Surface, &Steel());
  EXPECT_EQ(layer.InnerJacketing, &Cloth());
  layer.ReplaceReference(Glassull().Thicknesses[0]);
  layer.ReplaceReference(Egen().Thicknesses[1]);
  EXPECT_EQ(layer.ThicknessRow, Glassull().Thicknesses[0]);
  EXPECT_EQ(layer.UserThicknessRow, Egen().Thicknesses[1]) << "a row of the user product";
}

TEST_F(IsolasjonTest, EditedDatabaseListsRepointTheLayer) {
  CIsolasjon layer;
  UseGlassull50(layer);
  layer.Source = code::Source::User;
  layer.UserProduct = &Egen();
  layer.UserThicknessRow = Egen().Thicknesses[0];
  // What a database dialog's OK does: working copies replace the lists.
  TypedList<CIsoProdukt> products;
  CopyList(products, db->InsulationProducts);
  TakeList(db->InsulationProducts, products, true);
  TypedList<CEgendefIsoProdukt> userProducts;
  CopyList(userProducts, user->UserProducts);
  TakeList(user->UserProducts, userProducts, true);

  EXPECT_EQ(layer.Product, &Glassull());
  EXPECT_EQ(layer.ThicknessRow, Glassull().Thicknesses[1]);
  EXPECT_EQ(layer.UserProduct, &Egen());
  EXPECT_EQ(layer.UserThicknessRow, Egen().Thicknesses[0]);
  EXPECT_TRUE(Uses(*Egen().Thicknesses[0], &layer));
}

TEST_F(IsolasjonTest, StoredLayerReadsBackToTheDatabaseRows) {
  Bytes bytes;
  {
    CIsolasjon layer(code::Usage::FlatOutside, 0, 0);
    UseGlassull50(layer);
    layer.HoseProduct = &Hose();
    layer.HoseSeries = Hose().Series[0];
    layer.UserProduct = &Egen();
    layer.UserThicknessRow = Egen().Thicknesses[1];
    layer.UserSurface = 70000;  // 32 bits whole
    bytes = Written([&](CArchive& ar) { layer.Serialize(ar); });
  }
  CIsolasjon read;
  ReadAll(bytes, [&](CArchive& ar) { read.Serialize(ar); });
  EXPECT_TRUE(platform.events.empty());
  EXPECT_EQ(read.Usage, code::Usage::FlatOutside);
  EXPECT_EQ(read.FirstLayer, 1) << "not stored";
  EXPECT_EQ(read.ThicknessRow, Glassull().Thicknesses[1]);
  EXPECT_EQ(read.HoseSeries, Hose().Series[0]);
  EXPECT_EQ(read.UserThicknessRow, Egen().Thicknesses[1]);
  EXPECT_EQ(read.UserSurface, 70000);
  EXPECT_TRUE(Uses(*Egen().Thicknesses[1], &read));
  EXPECT_EQ(Written([&](CArchive& ar) { read.Serialize(ar); }), bytes);
}

TEST_F(IsolasjonTest, StoredFieldOrder) {
  CIsolasjon layer(code::Usage::FlatInside, 0, 1);
  layer.Source = code::Source::Hose;
  layer.Thickness = 11.0f;
  layer.OwnHoseThickness = 1;
  layer.HoseThickness = 12.0f;
  layer.UserJacketing = 1;
  layer.JacketingEmissivity = 0.13f;
  layer.OwnThickness = 1;
  layer.HasInnerJacketing = 1;
  layer.InnerJacketingEmissivity = 0.14f;
  layer.UserSurface = 1;
  layer.SurfaceEmissivityValue = 0.15f;
  layer.OwnUserThickness = 1;
  layer.UserThicknessValue = 16.0f;
  layer.Surface = &Steel();
  layer.InnerJacketing = &Cloth();
  layer.Product = &Glassull();
  layer.ThicknessRow = Glassull().Thicknesses[0];
  layer.UserProduct = &Egen();
  layer.HoseProduct = &Hose();
  Expected e;
  e.Word(1).Float(11.0f).Word(5).Word(0).Word(1).Float(12.0f);
  e.Word(0).Word(1).Float(0.13f).Word(1);
  e.Long(1).Long(0).Float(0.14f);
  e.Long(1).Float(0.15f);
  e.Long(1).Float(16.0f);
  e.Row(&Steel())
      .Row<CMantling>(nullptr)
      .Row(&Cloth())
      .Row(&Glassull())
      .String("Egen")
      .Row(&Hose());
  e.String("").String("30.0").String("");
  EXPECT_EQ(Written([&](CArchive& ar) { layer.Serialize(ar); }), e.bytes());
}

TEST_F(IsolasjonTest, VanishedThicknessRowResolvesToTheFirstRow) {
  // The document was saved with a Glassull that still had an 80 mm row.
  auto older = MakeProduct("Glassull", {30.0f, 50.0f, 80.0f});
  Bytes bytes;
  {
    CIsolasjon layer;
    layer.Product = older.get();
    layer.ThicknessRow = older->Thicknesses[2];
    bytes = Written([&](CArchive& ar) { layer.Serialize(ar); });
  }
  CIsolasjon read;
  ReadAll(bytes, [&](CArchive& ar) { read.Serialize(ar); });
  EXPECT_EQ(read.Product, &Glassull());
  EXPECT_EQ(read.ThicknessRow, Glassull().Thicknesses[0]);
  EXPECT_EQ(platform.Texts(),
            std::vector<std::string>{FormatId(ids::DatabaseValueChanged, "Glassull")});
}

TEST_F(IsolasjonTest, MissingReferencesAndNamesStayNull) {
  Bytes bytes = Written([](CArchive& ar) { CIsolasjon().Serialize(ar); });
  EXPECT_EQ(Occurrences(bytes, NullRowName), 6u) << "five null rows and the user product's name";
  CIsolasjon read;
  read.Product = &Glassull();
  read.ThicknessRow = Glassull().Thicknesses[0];
  ReadAll(bytes, [&](CArchive& ar) { read.Serialize(ar); });
  EXPECT_EQ(read.Product, nullptr);
  EXPECT_EQ(read.ThicknessRow, nullptr);
  EXPECT_FALSE(AnyRowUses(&read));
}

TEST_F(IsolasjonTest, LayerReadsWithoutInstalledDatabases) {
  Bytes bytes;
  {
    CIsolasjon layer;
    UseGlassull50(layer);
    layer.UserProduct = &Egen();
    bytes = Written([&](CArchive& ar) { layer.Serialize(ar); });
  }
  SetReferenceData(nullptr, nullptr, nullptr, nullptr);
  CIsolasjon read;
  ReadAll(bytes, [&](CArchive& ar) { read.Serialize(ar); });
  EXPECT_EQ(read.Product, nullptr);
  EXPECT_EQ(read.UserProduct, nullptr);
}

TEST_F(IsolasjonTest, DescribeAndThicknessNote) {
  CIsolasjon layer;
  UseGlassull50(layer);
  EXPECT_EQ(layer.Describe(true), "Produkt:\nGlassull\nTykkelse: 50.0 mm");
  EXPECT_EQ(layer.Describe(false), "Produkt:\nGlassull");
  EXPECT_EQ(layer.ThicknessNote(50.0f), "");
  layer.Source = code::Source::Hose;
  layer.HoseProduct = &Hose();
  layer.HoseSeries = Hose().Series[0];
  EXPECT_EQ(layer.Describe(true), "Produkt:\nCellegummi\nTykkelse: SR-1 mm");
  EXPECT_EQ(layer.ThicknessNote(28.0f), "SR-1 (13.0mm)");
}

TEST_F(IsolasjonTest, DiameterRangeQuestions) {
  CIsoTykkelse& row = *Glassull().Thicknesses[1];
  row.DiameterLimited = 1;
  row.MinDiameter = 20.0f;
  row.MaxDiameter = 60.0f;
  CIsolasjon layer;
  UseGlassull50(layer);
  EXPECT_TRUE(layer.CheckDiameterRange(40.0f));
  EXPECT_TRUE(platform.events.empty());
  platform.answers = {false, true};
  EXPECT_FALSE(layer.CheckDiameterRange(15.0f));
  EXPECT_TRUE(layer.CheckDiameterRange(70.0f));
  EXPECT_EQ(platform.Texts(),
            (std::vector<std::string>{
                FormatId(ids::MinPipeDiameterForThickness, 50.0f, "Glassull", 20.0f),
                FormatId(ids::MaxPipeDiameterForThickness, 50.0f, "Glassull", 60.0f)}));

  platform.Clear();
  layer.Usage = code::Usage::CircularDuct;
  EXPECT_TRUE(layer.CheckDiameterRange(15.0f)) << "only pipes are checked";
  layer.Usage = code::Usage::Pipe;
  layer.OwnThickness = 1;
  EXPECT_TRUE(layer.CheckDiameterRange(15.0f)) << "a typed-in thickness has no range";
  EXPECT_TRUE(platform.events.empty());

  layer.Source = code::Source::Hose;
  layer.HoseProduct = &Hose();
  layer.HoseSeries = Hose().Series[0];
  platform.answers = {false};
  EXPECT_FALSE(layer.CheckDiameterRange(100.0f));
  EXPECT_EQ(platform.Texts().back(),
            FormatId(ids::MaxPipeDiameterForSeries, "Cellegummi", "SR-1", 89.0f));
}

TEST_F(IsolasjonTest, InputTableRows) {
  CIsolasjon layer;
  UseGlassull50(layer);
  TableRows rows;
  layer.LayerRows(rows, 50.0f);
  layer.JacketingRows(rows);
  EXPECT_EQ(rows.Labels(),
            (std::vector<std::string>{"Isolasjonsprodukt (KORBU)", "Isolasjonstykkelse (standard)",
                                      "Mantling", "Emissivitet overflate"}));
  EXPECT_EQ(rows.Texts(), (std::vector<std::string>{"Glassull", "50.0 mm", "Alu", "0.10"}));

  TableRows bare;
  layer.HasJacketing = 0;
  layer.Product = nullptr;
  layer.JacketingRows(bare);
  EXPECT_EQ(bare.Texts(), (std::vector<std::string>{"Ingen mantling", "0.00"}))
      << "without jacketing the product's emissivity, 0 without product";

  TableRows own;
  layer.Source = code::Source::User;
  layer.UserProduct = &Egen();
  layer.OwnUserThickness = 1;
  layer.UserThicknessValue = 33.0f;
  layer.LayerRows(own, 50.0f);
  ASSERT_EQ(own.size(), 6u) << "product, thickness and the four measured points";
  EXPECT_EQ(own.Texts()[1], "33.0 mm");
  EXPECT_EQ(own.Texts()[5], "0.077 W/mK / 125 °C");

  TableRows inside;
  CIsolasjon internal(code::Usage::FlatInside, 0, 1);
  internal.Surface = &Steel();
  internal.LayerRows(inside, 0.0f);
  internal.JacketingRows(inside);
  EXPECT_EQ(inside.Labels(),
            (std::vector<std::string>{"Isolasjonsprodukt (KORBU)", "Utv. overflate kanal",
                                      "Emissivitet overflate"}))
      << "no thickness row when the module finds the thickness";
}

TEST_F(IsolasjonTest, LayerDialogOffersProductsByUsageAndPosition) {
  IsolasjonEdit first(CIsolasjon(code::Usage::Pipe, 1, 1), 50.0f);
  EXPECT_EQ(first.Products, std::vector<CIsoProdukt*>{&Glassull()}) << "Steinull is not for pipes";
  EXPECT_EQ(first.HoseProducts, std::vector<CKorbuFlex*>{&Hose()});
  EXPECT_EQ(first.UserProducts, std::vector<CEgendefIsoProdukt*>{&Egen()});

  IsolasjonEdit outer(CIsolasjon(code::Usage::RectangularDuct, 1, 0), 50.0f);
  EXPECT_EQ(outer.Products, std::vector<CIsoProdukt*>{&Glassull()})
      << "Steinull may only lie inside";
  EXPECT_TRUE(outer.HoseProducts.empty()) << "hoses are for pipes";

  IsolasjonEdit inner(CIsolasjon(code::Usage::RectangularDuct, 1, 1), 50.0f);
  EXPECT_EQ(inner.Products.size(), 2u);

  IsolasjonEdit seven(CIsolasjon(code::Usage::CircularDuctInside, 1, 1), 50.0f);
  EXPECT_TRUE(seven.Products.empty());
  EXPECT_EQ(seven.UserProducts.size(), 1u);

  Egen().UseFlags[3] = 0;
  IsolasjonEdit three(CIsolasjon(code::Usage::RectangularDuctInside, 1, 1), 50.0f);
  EXPECT_TRUE(three.UserProducts.empty()) << "user products filtered like the standard ones";
}

TEST_F(IsolasjonTest, LayerDialogOkTakesTheCopyAndCancelKeepsTheLayer) {
  CIsolasjon layer;
  UseGlassull50(layer);
  float shownDiameter = 0.0f;
  bool accept = false;
  ScopedEditor<IsolasjonEdit> dialog([&](IsolasjonEdit& edit) {
    shownDiameter = edit.PipeDiameter;
    EXPECT_TRUE(Uses(Glassull(), &edit.Layer)) << "the copy is a user of its own";
    edit.Layer.Source = code::Source::Hose;
    edit.Layer.HoseProduct = &Hose();
    edit.Layer.HasJacketing = 0;
    edit.Layer.Jacketing = nullptr;
    return accept;
  });
  EXPECT_EQ(layer.EditInputAt(76.1f), 0);
  EXPECT_EQ(shownDiameter, 76.1f);
  EXPECT_EQ(layer.Source, code::Source::Standard);
  EXPECT_EQ(layer.Jacketing, &Alu());
  EXPECT_EQ(Alu().Users, std::vector<CItem*>{&layer});
  EXPECT_TRUE(Hose().Users.empty());

  accept = true;
  EXPECT_EQ(layer.EditInputAt(76.1f), 1);
  EXPECT_EQ(layer.Source, code::Source::Hose);
  EXPECT_EQ(layer.HoseProduct, &Hose());
  EXPECT_EQ(Hose().Users, std::vector<CItem*>{&layer});
  EXPECT_TRUE(Alu().Users.empty());
}

TEST_F(IsolasjonTest, TypedThicknessThatIsAStandardOneOutsideItsRange) {
  CIsoTykkelse& row = *Glassull().Thicknesses[1];  // 50 mm
  row.DiameterLimited = 1;
  row.MinDiameter = 20.0f;
  row.MaxDiameter = 60.0f;
  IsolasjonEdit edit(CIsolasjon(code::Usage::Pipe, 1, 1), 15.0f);
  edit.Layer.Product = &Glassull();
  edit.Layer.OwnThickness = 1;
  edit.Layer.Thickness = 45.0f;
  EXPECT_TRUE(edit.CheckOwnThickness()) << "not a standard thickness";
  EXPECT_TRUE(platform.events.empty());

  edit.Layer.Thickness = 50.0f;
  platform.answers = {false, true};
  EXPECT_FALSE(edit.CheckOwnThickness());
  edit.PipeDiameter = 70.0f;
  EXPECT_TRUE(edit.CheckOwnThickness());
  EXPECT_EQ(
      platform.Texts(),
      (std::vector<std::string>{FormatId(ids::OwnThicknessBelowStandardRange, "Glassull", 15.0f),
                                FormatId(ids::OwnThicknessAboveStandardRange, "Glassull", 70.0f)}));

  platform.Clear();
  edit.PipeDiameter = 40.0f;
  EXPECT_TRUE(edit.CheckOwnThickness()) << "the pipe is in the range";
  edit.Layer.Usage = code::Usage::CircularDuct;
  edit.PipeDiameter = 15.0f;
  EXPECT_TRUE(edit.CheckOwnThickness()) << "only pipes are checked";
  EXPECT_TRUE(platform.events.empty());

  // A hose thickness is a step of a series, whose pipe range counts.
  edit.Layer.Usage = code::Usage::Pipe;
  edit.Layer.Source = code::Source::Hose;
  edit.Layer.HoseProduct = &Hose();
  edit.Layer.OwnHoseThickness = 1;
  edit.Layer.HoseThickness = 13.0f;
  edit.PipeDiameter = 300.0f;
  platform.answers = {false};
  EXPECT_FALSE(edit.CheckOwnThickness());
  EXPECT_EQ(platform.Texts().back(),
            FormatId(ids::OwnThicknessAboveStandardRange, "Cellegummi SR-1", 300.0f));
}

}  // namespace
}  // namespace kav::test
