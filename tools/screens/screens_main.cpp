// kav_screens: renders the program's windows to PNG files, off screen, for
// looking them over: the main window on each of the eight tabs with a
// document open, the "Fil" menu with recent documents, each start-up window
// and dialog, Qt's own dialogs as the program shows them (files, the
// question before a file is replaced, printing, page set-up, colours), and
// the input dialogs with the open document's inputs, and the dialogs of the
// product database with its rows.
//
//   kav_screens OUTDIR DOCUMENT.kav
//
// The settings and the data files are temporary copies; the user's own are
// not touched.
#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <utility>

#include "core/data_directory.h"
#include "core/project.h"
#include "core/scripted_platform.h"
#include "database_screens.h"
#include "modules/frost/frost_modul.h"
#include "modules/innvendig_kondens/innvendig_kondens_modul.h"
#include "modules/insulation/isolasjon_edit.h"
#include "modules/kanal_temp/kanal_temp_modul.h"
#include "modules/kav_doc.h"
#include "modules/lyd/lyd_inputs.h"
#include "modules/okonomi/okonomi_inputs.h"
#include "modules/okonomi/okonomi_isolasjon_edit.h"
#include "modules/tank_temp/tank_temp_modul.h"
#include "modules/utvendig_kondens/room_types.h"
#include "modules/utvendig_kondens/utvendig_kondens_modul.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "ui/app/about_dlg.h"
#include "ui/app/kav_app.h"
#include "ui/app/main_frame.h"
#include "ui/app/new_doc_dlg.h"
#include "ui/app/project_dlg.h"
#include "ui/app/recent_files.h"
#include "ui/app/title_dlg.h"
#include "ui/database/egendef_database_dlg.h"
#include "ui/database/egendef_iso_produkt_dlg.h"
#include "ui/database/iso_kostnad_dlg.h"
#include "ui/database/iso_tykkelse_dlg.h"
#include "ui/database/klima_dlg.h"
#include "ui/database/klimasted_dlg.h"
#include "ui/database/kostnad_dlg.h"
#include "ui/modules/frost/frost_dlg.h"
#include "ui/modules/innvendig_kondens/innvendig_kondens_dlg.h"
#include "ui/modules/insulation/isolasjon_dlg.h"
#include "ui/modules/insulation/tilleggsutstyr_dlg.h"
#include "ui/modules/kanal_temp/kanal_temp_dlg.h"
#include "ui/modules/kanal_temp/segment_dlg.h"
#include "ui/modules/lyd/lyd_dlg.h"
#include "ui/modules/okonomi/okonomi_dlg.h"
#include "ui/modules/okonomi/okonomi_isolasjon_dlg.h"
#include "ui/modules/tank_temp/tank_temp_dlg.h"
#include "ui/modules/utvendig_kondens/room_temp_dlg.h"
#include "ui/modules/utvendig_kondens/utvendig_kondens_dlg.h"
#include "ui/modules/varme_tap/varmetap_dlg.h"
#include "ui/platform/file_dialog.h"
#include "ui/platform/help_viewer.h"
#include "ui/platform/qt_settings.h"
#include "ui/platform/qt_translation.h"
#include "ui/platform/replacement_dlg.h"

namespace {

const char* const kTabFiles[kav::kModuleCount] = {
    "varmetap", "stromning", "tank", "utv-kondens", "innv-kondens", "frost", "lydfelle", "okonomi",
};

// The window as grabbed, under a plain title bar with its caption (off
// screen, windows have no frame of their own).
QImage WithTitleBar(QWidget& window) {
  const QPixmap content = window.grab();
  const int bar = 28;
  QImage image(content.width(), content.height() + bar, QImage::Format_RGB32);
  image.fill(QColor(0x3c, 0x3f, 0x44));
  QPainter painter(&image);
  painter.drawPixmap(0, bar, content);
  QFont font = window.font();
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(
      QRect(10, 0, content.width() - 20, bar), Qt::AlignVCenter | Qt::AlignLeft,
      window.windowTitle().replace(QStringLiteral("[*]"),
                                   window.isWindowModified() ? QStringLiteral("*") : QString()));
  return image;
}

bool Save(QWidget& window, const QDir& dir, const QString& name) {
  window.show();
  QApplication::processEvents();
  const QString path = dir.filePath(name + QStringLiteral(".png"));
  if (!WithTitleBar(window).save(path)) {
    std::fprintf(stderr, "kav_screens: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  window.hide();
  return true;
}

bool SaveMainWindow(kav::CKavApp& app, const QDir& dir) {
  kav::CMainFrame& frame = app.Frame();
  frame.setWindowState(Qt::WindowNoState);
  frame.resize(1280, 900);
  bool ok = true;
  for (int module = 0; module < kav::kModuleCount; ++module) {
    app.Document().SetActiveModule(module);
    frame.UpdateTitle();
    ok = Save(frame, dir, QStringLiteral("main-%1-%2").arg(module).arg(kTabFiles[module])) && ok;
  }
  return ok;
}

// The "Fil" menu as it drops down, with four recent documents.
bool SaveFileMenu(kav::CMainFrame& frame, kav::Settings& settings, const QDir& dir) {
  const QString home = QDir::homePath();
  for (const char* name : {"KAV/Kulvert 2. etappe.kav", "KAV/Ventilasjon & kjøling.kav",
                           "Dokumenter/Anbud 2024-117/Sykehjem Nordbyen, tekniske anlegg.kav",
                           "KAV/Sykehjem Nordbyen.kav"}) {
    kav::AddRecentFile(settings, home + QLatin1Char('/') + QString::fromUtf8(name));
  }
  frame.UpdateRecentFiles();
  QMenu* menu = frame.menuBar()->actions().constFirst()->menu();
  menu->popup(QPoint(0, 0));
  QApplication::processEvents();
  const QString path = dir.filePath(QStringLiteral("menu-fil.png"));
  const bool ok = menu->grab().save(path);
  menu->hide();
  std::printf("%s\n", qPrintable(path));
  return ok;
}

// Qt's own dialogs, which the translation makes Norwegian: "Lagre som" on a
// folder with documents in it, the question before a file is replaced, the
// print, page set-up and colour dialogs.
bool SaveQtDialogs(QWidget* parent, const QDir& dir, const QString& documents,
                   const QString& example) {
  QDir().mkpath(documents + QStringLiteral("/Tegninger"));
  for (const char* name : {"Sykehjem Nordbyen.kav", "Kulvert 2. etappe.kav", "Svømmehall.kav"}) {
    QFile::copy(example, documents + QLatin1Char('/') + QString::fromUtf8(name));
  }
  QFileDialog files(parent, QStringLiteral("Lagre som"), documents,
                    QStringLiteral("KAVDok (*.kav)"));
  files.setAcceptMode(QFileDialog::AcceptSave);
  files.setDefaultSuffix(QStringLiteral("kav"));
  files.setViewMode(QFileDialog::Detail);
  kav::UseNorwegianFileList(files);
  files.selectFile(QStringLiteral("NyFil.kav"));
  files.resize(880, 460);
  files.show();
  // The folder is read in the background.
  QElapsedTimer waited;
  waited.start();
  const auto* view = files.findChild<QAbstractItemView*>(QStringLiteral("treeView"));
  while (view != nullptr && view->model()->rowCount(view->rootIndex()) < 4 &&
         waited.elapsed() < 5000) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  bool ok = Save(files, dir, QStringLiteral("qt-lagre-som"));

  QMessageBox replace(QMessageBox::Warning, QStringLiteral("Lagre som"),
                      QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                          .arg(QStringLiteral("Sykehjem Nordbyen.kav")),
                      QMessageBox::Yes | QMessageBox::No, parent);
  ok = Save(replace, dir, QStringLiteral("qt-erstatte")) && ok;

  QPrinter printer;
  printer.setOutputFileName(documents + QStringLiteral("/utskrift.pdf"));
  QPrintDialog print(&printer, parent);
  ok = Save(print, dir, QStringLiteral("qt-utskrift")) && ok;
  QPrinter settingUp;
  QPageSetupDialog setup(&settingUp, parent);
  ok = Save(setup, dir, QStringLiteral("qt-sideoppsett")) && ok;
  QColorDialog colours(QColor(230, 200, 120), parent);
  ok = Save(colours, dir, QStringLiteral("qt-farger")) && ok;
  return ok;
}

bool SaveDialogs(kav::Settings& settings, QWidget* parent, const QDir& dir) {
  bool ok = true;
  kav::CTitleDlg winter(settings, 1, parent);
  ok = Save(winter, dir, QStringLiteral("welcome-winter")) && ok;
  kav::CTitleDlg summer(settings, 7, parent);
  ok = Save(summer, dir, QStringLiteral("welcome-summer")) && ok;
  kav::CNewDocDlg gettingStarted(settings, parent);
  ok = Save(gettingStarted, dir, QStringLiteral("getting-started")) && ok;
  kav::CAboutDlg about(settings, parent);
  ok = Save(about, dir, QStringLiteral("about")) && ok;

  kav::CProject project;
  project.ProjectName = "Sykehjem Nordbyen, tekniske anlegg";
  project.Engineer = "Kari Nordmann, VVS-rådgivning";
  project.Reference = "Anbud 2024-117\r\nTegning V-401 og V-402";
  project.Comment =
      "Rørføringer i teknisk rom og kulvert.\r\nIsolasjonsklasse 3 der ikke annet er oppgitt.";
  kav::CProjectDlg projectDialog(project, parent);
  ok = Save(projectDialog, dir, QStringLiteral("project")) && ok;

  const kav::ChoiceRequest request{
      "Databaseverdi fjernet",
      "Mantlingen \"Aluminium 0,8 mm (gammel)\" er fjernet fra databasen etter at filen ble "
      "lagret. For at beregningene i programmet skal fungere må du velge en annen mantling i "
      "nedtrekkslisten under.",
      {"Aluminium", "Rustfritt stål", "PVC-folie", "Glassfiberduk"},
      0,
      "::/html/dbverdiborte.htm"};
  kav::CDatabaseverdiBorteDlg replacement(request, parent);
  ok = Save(replacement, dir, QStringLiteral("replacement")) && ok;

  kav::HelpViewer help;
  help.resize(820, 640);
  ok = help.ShowTopic(kav::HelpViewer::kContentsTopic) && ok;
  ok = Save(help, dir, QStringLiteral("help-contents")) && ok;
  ok = help.ShowTopic("::/html/prosjekt.htm") && ok;
  ok = Save(help, dir, QStringLiteral("help-project")) && ok;
  return ok;
}

// A user's own product as one might define it: a foam with its measured
// conductivity and four standard thicknesses.
std::unique_ptr<kav::CEgendefIsoProdukt> UserProduct() {
  auto product = std::make_unique<kav::CEgendefIsoProdukt>();
  product->Name = "PIR-skum rørskål 32 kg/m³";
  product->MaxTemperature = 140.0f;
  product->MinThickness = 20.0f;
  product->MaxThickness = 120.0f;
  product->UseFlags = {1, 1, 0, 0, 0, 0, 1};
  product->Temperatures = {-20.0f, 10.0f, 50.0f, 120.0f};
  product->Lambdas = {0.022f, 0.024f, 0.028f, 0.037f};
  product->InsulationColour = kav::Rgb(230, 200, 120);
  product->SurfaceColour = kav::Rgb(200, 200, 200);
  product->FitCoefficients();
  for (float thickness : {20.0f, 30.0f, 40.0f, 60.0f}) {
    auto row = std::make_unique<kav::CIsoTykkelse>();
    row->Thickness = thickness;
    row->UpdateName();
    product->Thicknesses.Append(std::move(row));
  }
  kav::CIsoTykkelse& limited = *product->Thicknesses[0];
  limited.DiameterLimited = 1;
  limited.MinDiameter = 15.0f;
  limited.MaxDiameter = 114.3f;
  return product;
}

// The condensation and frost dialogs with the document's inputs, and the
// room types.
bool SaveCondensationDialogs(kav::CKavDoc& doc, QWidget* parent, const QDir& dir) {
  bool ok = true;
  kav::UtvendigKondensInputs outside(
      static_cast<kav::CUtvendigKondensModul&>(doc.Module(kav::CUtvendigKondensModul::kPage)));
  kav::CUtvendigKondensDlg outsideDialog(outside, parent);
  ok = Save(outsideDialog, dir, QStringLiteral("utvendig-kondens")) && ok;
  kav::RoomTypeChoice room;
  room.selected = 7;
  kav::CRoomTempDlg roomDialog(room, parent);
  ok = Save(roomDialog, dir, QStringLiteral("romtemperatur")) && ok;
  kav::InnvendigKondensInputs inside(
      static_cast<kav::CInnvendigKondensModul&>(doc.Module(kav::CInnvendigKondensModul::kPage)));
  kav::CInnvendigKondensDlg insideDialog(inside, parent);
  ok = Save(insideDialog, dir, QStringLiteral("innvendig-kondens")) && ok;
  kav::FrostInputs frost(static_cast<kav::CFrostModul&>(doc.Module(kav::CFrostModul::kPage)));
  kav::CFrostDlg frostDialog(frost, parent);
  ok = Save(frostDialog, dir, QStringLiteral("frost")) && ok;
  return ok;
}

// The tank dialog with the document's inputs.
bool SaveTankDialog(kav::CKavDoc& doc, QWidget* parent, const QDir& dir) {
  kav::TankTempInputs tank(
      static_cast<kav::CTankTempModul&>(doc.Module(kav::CTankTempModul::kPage)));
  kav::CTankTempDlg dialog(tank, parent);
  return Save(dialog, dir, QStringLiteral("tank"));
}

// The flowing-media dialogs with the document's run; an empty run gets two
// segments to show.
bool SaveFlowingMediumDialogs(kav::CKavDoc& doc, QWidget* parent, const QDir& dir) {
  kav::KanalTempInputs run(
      static_cast<kav::CKanalTempModul&>(doc.Module(kav::CKanalTempModul::kPage)));
  while (run.Segments.size() < 2) run.Segments.Append(run.NewSegment(nullptr));
  bool ok = true;
  {
    kav::CKanalTempDlg runDialog(run, parent);
    ok = Save(runDialog, dir, QStringLiteral("kanal-temp")) && ok;
  }
  std::unique_ptr<kav::CSegment> segment = kav::CloneAs(*run.Segments[0]);
  kav::CSegmentDlg segmentDialog(*segment, parent);
  return Save(segmentDialog, dir, QStringLiteral("segment")) && ok;
}

// The input dialogs of the heat-loss module with the document's inputs, the
// climate places from the shipped data, and a user product.
bool SaveInputDialogs(kav::CKavDoc& doc, QWidget* parent, const QDir& dir) {
  bool ok = true;
  auto& module = static_cast<kav::CVarmeTapModul&>(doc.Module(0));
  kav::VarmeTapInputs inputs(module);
  kav::CVarmetapDlg heatLoss(inputs, parent);
  ok = Save(heatLoss, dir, QStringLiteral("varmetap")) && ok;

  kav::IsolasjonEdit layer(module.Layer1, module.Diameter);
  kav::CIsolasjonDlg layerDialog(layer, parent);
  ok = Save(layerDialog, dir, QStringLiteral("isolasjon")) && ok;
  kav::CIsolasjon hoseLayer(kav::code::Usage::Pipe, 1, 1);
  const auto& hoses = doc.Database().HoseProducts;
  if (!hoses.empty() && !hoses[0]->Series.empty()) {
    hoseLayer.Source = kav::code::Source::Hose;
    hoseLayer.HoseProduct = hoses[0];
    hoseLayer.HoseSeries = hoses[0]->Series[0];
  }
  kav::IsolasjonEdit hose(hoseLayer, 28.0f);
  kav::CIsolasjonDlg hoseDialog(hose, parent);
  ok = Save(hoseDialog, dir, QStringLiteral("isolasjon-slange")) && ok;
  kav::IsolasjonEdit internal(kav::CIsolasjon(kav::code::Usage::RectangularDuctInside, 1, 1), 0.0f);
  kav::CIsolasjonDlg internalDialog(internal, parent);
  ok = Save(internalDialog, dir, QStringLiteral("isolasjon-innvendig")) && ok;

  kav::TilleggsutstyrEdit accessory;
  const auto& types = doc.Database().AccessoryTypes;
  accessory.Type = types.empty() ? nullptr : types[1];
  accessory.Count = 2;
  kav::CTilleggsutstyrDlg accessoryDialog(accessory, parent);
  ok = Save(accessoryDialog, dir, QStringLiteral("tilleggsutstyr")) && ok;

  kav::ClimateChoice climate;
  kav::CopyList(climate.Rows, doc.Climate().Locations);
  climate.Selected = climate.Rows.FindByName("Bergen");
  kav::CKlimaDlg climateDialog(climate, parent);
  ok = Save(climateDialog, dir, QStringLiteral("klimasteder")) && ok;
  if (!climate.Rows.empty()) {
    kav::CKlimastedDlg placeDialog(*climate.Rows[0], parent);
    ok = Save(placeDialog, dir, QStringLiteral("klimadata")) && ok;
  }

  kav::UserDatabaseLists user;
  user.UserProducts.Append(UserProduct());
  kav::CEgendefDatabaseDlg userDatabase(user, parent);
  ok = Save(userDatabase, dir, QStringLiteral("egendef-database")) && ok;
  kav::CEgendefIsoProduktDlg productDialog(*user.UserProducts[0], parent);
  ok = Save(productDialog, dir, QStringLiteral("egendef-produkt")) && ok;
  kav::CIsoTykkelseDlg thicknessDialog(*user.UserProducts[0]->Thicknesses[0], parent);
  ok = Save(thicknessDialog, dir, QStringLiteral("std-tykkelse")) && ok;
  ok = SaveTankDialog(doc, parent, dir) && ok;
  ok = SaveFlowingMediumDialogs(doc, parent, dir) && ok;
  return SaveCondensationDialogs(doc, parent, dir) && ok;
}

// The sound-trap dialog with the first absorption product of the shipped
// data in a rectangular duct, and with the user's own product in a
// circular one.
bool SaveSoundTrapDialogs(kav::CKavDoc& doc, QWidget* parent, const QDir& dir) {
  bool ok = true;
  kav::LydInputs rectangular;
  const auto& products = doc.Database().AbsorptionProducts;
  if (!products.empty() && !products[0]->AbsorptionThicknesses.empty()) {
    rectangular.AbsorptionProduct = products[0];
    rectangular.AbsorptionThickness = products[0]->AbsorptionThicknesses[0];
  }
  rectangular.DuctWidth = 600.0f;
  kav::CLydDlg rectangularDialog(rectangular, parent);
  ok = Save(rectangularDialog, dir, QStringLiteral("lydfelle")) && ok;

  kav::LydInputs circular;
  circular.DuctType = kav::code::DuctType::Circular;
  circular.Diameter = 250.0f;
  circular.OwnValues = 1;
  circular.OwnName = "Perforert innerrør med mineralull 25 mm";
  circular.OwnThickness = 25.0f;
  kav::CLydDlg circularDialog(circular, parent);
  ok = Save(circularDialog, dir, QStringLiteral("lydfelle-egne-verdier")) && ok;
  return ok;
}

// The economic dialog with a standard solution and two alternatives of the
// first pipe product of the shipped data, the solution dialog on one of
// them, and the cost list with two entries and one entry's dialog.
bool SaveEconomyDialogs(kav::CKavDoc& doc, QWidget* parent, const QDir& dir) {
  bool ok = true;
  kav::OkonomiInputs economy;
  const auto& products = doc.Database().InsulationProducts;
  auto solution = [&](std::size_t row, float price) {
    auto s = std::make_unique<kav::COkonomiIsolasjon>();
    if (!products.empty() && products[0]->Thicknesses.size() > row) {
      s->Product = products[0];
      s->ThicknessRow = products[0]->Thicknesses[row];
    }
    s->Price = price;
    s->ComposeName();
    return s;
  };
  economy.StandardSolution = *solution(1, 310.0f);
  economy.Alternatives.Append(solution(3, 385.0f));
  economy.Alternatives.Append(solution(5, 520.0f));
  kav::COkonomiDlg economyDialog(economy, parent);
  ok = Save(economyDialog, dir, QStringLiteral("okonomi")) && ok;
  kav::OkoIsolasjonEdit edit(*economy.Alternatives[0], economy.Diameter, &economy.Alternatives,
                             economy.Alternatives[0]);
  kav::COkoIsolasjonDlg solutionDialog(edit, parent);
  ok = Save(solutionDialog, dir, QStringLiteral("okonomi-isolasjonstype")) && ok;

  kav::CostChoice costs;
  for (const auto& [name, price] :
       {std::pair{"Rørskål 50 mm, DN 80", 385.0f}, std::pair{"Rørskål 80 mm, DN 80", 520.0f}}) {
    auto entry = std::make_unique<kav::CIsoKostnad>();
    entry->Name = name;
    entry->Price = price;
    entry->UpdateDisplayText("m");
    costs.Rows.Append(std::move(entry));
  }
  costs.Selected = costs.Rows[0];
  kav::CKostnadDlg costDialog(costs, parent);
  ok = Save(costDialog, dir, QStringLiteral("kostnadsdata")) && ok;
  kav::CIsoKostnadDlg entryDialog(*costs.Rows[1], parent);
  ok = Save(entryDialog, dir, QStringLiteral("kostnad-isolasjon")) && ok;
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kav_screens OUTDIR DOCUMENT.kav\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform's notes on what it cannot do are of no interest.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg &&
        !text.startsWith(QStringLiteral("This plugin"))) {
      std::fprintf(stderr, "kav_screens: %s\n", qPrintable(text));
    }
  });
  QApplication application(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  const std::unique_ptr<QTranslator> qtTexts = kav::UseNorwegianQtDialogs();
  if (!qtTexts) {
    std::fprintf(stderr, "kav_screens: cannot read %s\n", kav::QtTranslationFile().c_str());
    return 1;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(dir.path())) {
    std::fprintf(stderr, "kav_screens: cannot create %s\n", argv[1]);
    return 1;
  }

  QTemporaryDir temporary;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, temporary.filePath("config"));
  QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, temporary.filePath("system"));
  const std::filesystem::path data = temporary.filePath("data").toStdString();
  kav::SeedDataDirectory(data, kav::ShippedDataDirectory());
  kav::SetDataDirectory(data);

  // Messages are answered without a window; the start-up windows are
  // rendered on their own below.
  kav::ScriptedPlatform platform;
  kav::QtSettings settings(
      std::make_unique<QSettings>(QStringLiteral("KORBU"), QStringLiteral("KAV")));
  settings.SetString("Settings", "HelpWindow", "No");
  settings.SetString("Settings", "NewDocWindow", "No");
  kav::CKavApp app(settings, [] { return 1; });
  app.InitInstance(QString::fromLocal8Bit(argv[2]));
  settings.SetString("Settings", "HelpWindow", "Yes");
  settings.SetString("Settings", "NewDocWindow", "Yes");

  const bool ok = SaveMainWindow(app, dir) && SaveFileMenu(app.Frame(), settings, dir) &&
                  SaveDialogs(settings, &app.Frame(), dir) &&
                  SaveQtDialogs(&app.Frame(), dir, temporary.filePath(QStringLiteral("Dokumenter")),
                                QString::fromLocal8Bit(argv[2])) &&
                  SaveInputDialogs(app.Document(), &app.Frame(), dir) &&
                  SaveSoundTrapDialogs(app.Document(), &app.Frame(), dir) &&
                  SaveDatabaseDialogs(app.Document(), &app.Frame(),
                                      [&dir](QWidget& window, const QString& name) {
                                        return Save(window, dir, QStringLiteral("db-") + name);
                                      });
  SaveEconomyDialogs(app.Document(), &app.Frame(), dir);
  return ok ? 0 : 1;
}
