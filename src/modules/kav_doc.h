#pragma once
// The document: the project record, the eight calculation modules, the
// reference data (product database, user products, climate places, costs)
// and the page headers and footer. One document lives for the whole run and
// is reused for every new or opened file.
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/archive.h"
#include "core/kav_modul.h"
#include "core/module_table.h"
#include "core/project.h"
#include "data/database.h"
#include "data/egendef_database.h"
#include "data/klima.h"
#include "data/kostnad.h"
#include "output/footer.h"
#include "output/header.h"

namespace kav {

using ModuleSet = std::array<std::unique_ptr<CKavModul>, kModuleCount>;
// The eight modules in the order of the module table (core/module_table.h).
ModuleSet CreateModules();

class CKavDoc {
 public:
  // Reads the reference data files and builds the page headers and the
  // footer; installs itself as the pages' and the modules' source of
  // reference data. The modules are built when first needed, so that a
  // document read at once (which builds its own) builds them only once.
  // The document still has to be reset (NewDocument) or read before it is
  // shown.
  CKavDoc();
  ~CKavDoc();
  CKavDoc(const CKavDoc&) = delete;
  CKavDoc& operator=(const CKavDoc&) = delete;

  // Empty project, heat loss active, every module reset; no file name,
  // not modified.
  void NewDocument();
  // Reads a document file. A file that cannot be read, is damaged or does
  // not carry the version marker leaves the document exactly as it was and
  // tells the user; the result is then false.
  bool Open(const std::filesystem::path& path);
  // Writes the document; a failed write leaves the old file untouched and
  // tells the user; the result is then false.
  bool Save(const std::filesystem::path& path);
  // The whole document in either direction. Loading reads into new module
  // objects and takes them over only when the whole archive was read; a
  // damaged archive (ArchiveError) or a wrong marker (WrongMarker) throws
  // and changes nothing.
  void Serialize(CArchive& ar);

  void SetActiveModule(int index);
  int ActiveModule() const { return active_; }
  // Marks the document modified, shows and refreshes the active module's
  // page, and tells the tab bar and the views.
  void DocumentChanged();
  std::string ActivePictureName(ColourRecord& colours) const;

  // The text export of the current page: every item's text in page order.
  std::string ResultsText() const;
  bool WriteResultsText(const std::filesystem::path& path) const;

  // The edit commands; each runs DocumentChanged after OK.
  void EditInput();
  void EditProject();
  // The database editor; after OK every module with results recalculates.
  void EditDatabase();

  CKavModul& Module(int index) { return *Modules().at(static_cast<std::size_t>(index)); }
  const CKavModul& Module(int index) const {
    return *Modules().at(static_cast<std::size_t>(index));
  }
  CProject& Project() { return project_; }
  CDataBase& Database() { return database_; }
  CEgendefDatabase& UserDatabase() { return userDatabase_; }
  CKlima& Climate() { return climate_; }
  CKostnad& Costs() { return costs_; }
  CHeader& Header(int page) { return *headers_.at(static_cast<std::size_t>(page)); }

  bool IsModified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }
  const std::filesystem::path& PathName() const { return path_; }

  // Set by the main window: select the module's tab; redraw the views.
  std::function<void(int)> onSelectTab;
  std::function<void()> onUpdateViews;

 private:
  CProject project_;
  CKlima climate_;
  CKostnad costs_;
  CDataBase database_;
  CEgendefDatabase userDatabase_;
  // The modules, built on first use.
  ModuleSet& Modules() const;

  mutable ModuleSet modules_;
  std::array<std::unique_ptr<CHeader>, kModuleCount> headers_;
  std::unique_ptr<CFooter> footer_;
  int active_ = 0;
  bool modified_ = false;
  std::filesystem::path path_;
};

}  // namespace kav
