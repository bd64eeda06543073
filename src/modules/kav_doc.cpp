#include "modules/kav_doc.h"

#include <utility>

#include "core/file_io.h"
#include "core/platform.h"
#include "core/strings.h"
#include "data/reference_data.h"
#include "modules/frost/frost_modul.h"
#include "modules/innvendig_kondens/innvendig_kondens_modul.h"
#include "modules/kanal_temp/kanal_temp_modul.h"
#include "modules/lyd/lyd_modul.h"
#include "modules/module_classes.h"
#include "modules/okonomi/okonomi_modul.h"
#include "modules/tank_temp/tank_temp_modul.h"
#include "modules/utvendig_kondens/utvendig_kondens_modul.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "output/page_context.h"
#include "output/page_layout.h"

namespace kav {

namespace {

// Each module class in the place the module table gives it.
template <class... Modules, std::size_t... I>
ModuleSet MakeModules(std::index_sequence<I...>) {
  static_assert(((Modules::kPage == static_cast<int>(I)) && ...));
  static_assert(((kModules[I].className == Modules::kClassName) && ...));
  return {std::make_unique<Modules>()...};
}

}  // namespace

ModuleSet CreateModules() {
  return MakeModules<CVarmeTapModul, CKanalTempModul, CTankTempModul, CUtvendigKondensModul,
                     CInnvendigKondensModul, CFrostModul, CLydModul, COkonomiModul>(
      std::make_index_sequence<kModuleCount>());
}

CKavDoc::CKavDoc() {
  SetReferenceData(&database_, &userDatabase_, &climate_, &costs_);
  for (int page = 0; page < kModuleCount; ++page) {
    headers_[static_cast<std::size_t>(page)] = std::make_unique<CHeader>(page);
  }
  footer_ = std::make_unique<CFooter>();
  PageContext context;
  context.project = [this] { return &project_; };
  context.documentPath = [this] { return path_.string(); };
  context.activePictureName = [this](ColourRecord& colours) { return ActivePictureName(colours); };
  SetPageContext(std::move(context));
}

CKavDoc::~CKavDoc() {
  SetPageContext(PageContext());
  for (std::size_t i = 0; i < modules_.size(); ++i) {
    modules_[i].reset();
    headers_[i].reset();
  }
  footer_.reset();
  SetReferenceData(nullptr, nullptr, nullptr, nullptr);
}

ModuleSet& CKavDoc::Modules() const {
  if (modules_.front() == nullptr) modules_ = CreateModules();
  return modules_;
}

void CKavDoc::NewDocument() {
  project_.Reset();
  active_ = 0;
  for (auto& module : Modules()) module->Reset();
  DocumentChanged();
  modified_ = false;
  path_.clear();
}

void CKavDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    project_.Serialize(ar);
    for (auto& module : Modules()) module->Serialize(ar);
    int active = active_;
    ar.Word(active);
    return;
  }
  // Read into new objects; the document takes them only when the whole
  // archive was read, so a damaged file never leaves it half read.
  CProject project = project_;
  project.Serialize(ar);
  ModuleSet modules = CreateModules();
  for (auto& module : modules) module->Serialize(ar);
  int active = 0;
  ar.Word(active);
  if (active >= kModuleCount) ar.Fail("aktiv modul " + std::to_string(active) + " finnes ikke");
  project_ = std::move(project);
  modules_.swap(modules);
  active_ = active;
}

bool CKavDoc::Open(const std::filesystem::path& path) {
  std::string error;
  std::optional<std::vector<std::uint8_t>> bytes = ReadFileBytes(path, &error);
  if (!bytes) {
    ShowMessage(Substitute(Str(ids::DocumentOpenFailed), {path.string(), error}), Icon::Stop);
    return false;
  }
  try {
    CArchive ar(std::move(*bytes), DocumentClasses(), path.filename().string());
    Serialize(ar);
  } catch (const WrongMarker&) {
    ShowMessage(Str(ids::WrongVersion), Icon::Stop);
    if (onUpdateViews) onUpdateViews();
    return false;
  } catch (const ArchiveError& damage) {
    ShowMessage(Substitute(Str(ids::DocumentDamaged), {path.string(), damage.what()}), Icon::Stop);
    if (onUpdateViews) onUpdateViews();
    return false;
  }
  path_ = path;
  DocumentChanged();
  modified_ = false;
  return true;
}

bool CKavDoc::Save(const std::filesystem::path& path) {
  CArchive ar(path.filename().string());
  Serialize(ar);
  // The message says the old file is unchanged only when there is one.
  std::error_code ignored;
  const bool hadFile = std::filesystem::exists(path, ignored);
  std::string error;
  if (!WriteFileAtomically(path, ar.Bytes(), &error)) {
    const int message = hadFile ? ids::DocumentSaveFailed : ids::DocumentSaveFailedNoOldFile;
    ShowMessage(Substitute(Str(message), {path.string(), error}), Icon::Stop);
    return false;
  }
  path_ = path;
  DocumentChanged();
  modified_ = false;
  return true;
}

void CKavDoc::SetActiveModule(int index) {
  if (index < 0 || index >= kModuleCount) return;
  active_ = index;
  DocumentChanged();
}

void CKavDoc::DocumentChanged() {
  modified_ = true;
  SetCurrentPage(active_);
  RefreshPage(active_);
  if (onSelectTab) onSelectTab(active_);
  if (onUpdateViews) onUpdateViews();
}

std::string CKavDoc::ActivePictureName(ColourRecord& colours) const {
  return Module(active_).PictureName(colours);
}

std::string CKavDoc::ResultsText() const {
  std::string text;
  for (CGraphicsItem* item : CurrentPageList()) item->WriteText(text);
  return text;
}

bool CKavDoc::WriteResultsText(const std::filesystem::path& path) const {
  const std::string text = ResultsText();
  if (!WriteFileAtomically(path, std::vector<std::uint8_t>(text.begin(), text.end()))) {
    ShowMessage(Str(ids::TextFileOpenFailed), Icon::Stop);
    return false;
  }
  return true;
}

void CKavDoc::EditInput() {
  if (Module(active_).EditInput()) DocumentChanged();
}

void CKavDoc::EditProject() {
  if (project_.EditInput()) DocumentChanged();
}

void CKavDoc::EditDatabase() {
  if (!database_.EditInput()) return;
  for (auto& module : Modules()) {
    if (module->ResultsValid) module->Calculate();
  }
  DocumentChanged();
}

}  // namespace kav
