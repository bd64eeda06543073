#pragma once
// The page header: program and page title, version, time, project name,
// engineer, file name, the logo and the picture of the current input,
// repeated on every page column. One per module page.
#include <array>
#include <string>

#include "core/colour.h"
#include "output/page_band.h"
#include "output/picture.h"

namespace kav {

class CHeader : public CPageBand {
 public:
  static constexpr const char* kClassName = "CHeader";
  // The file name line shows at most this many characters of the path.
  static constexpr std::size_t kPathLimit = 80;

  // The header of one module page; puts itself on that page's list.
  explicit CHeader(int page);

  const char* ClassName() const override { return kClassName; }
  ItemKind Kind() const override { return ItemKind::Header; }

  void Layout() override;
  // Formats the lines again and takes the picture of the active module.
  void Refresh() override;
  void WriteText(std::string& out) override;

  int Page() const { return page_; }
  const std::string& ProgramTitle() const { return programTitle_; }
  const std::string& PageTitle() const { return pageTitle_; }
  // Version, time and date, project name, engineer, file name.
  std::array<std::string, 5> Lines() const;
  const std::string& PictureName() const { return picture_.Name(); }
  const ColourRecord& Colours() const { return picture_.Colours(); }
  // The picture as drawn (made when first wanted); empty when its name
  // gives none.
  const RgbImage& Picture() const { return picture_.Image(); }

 protected:
  void DrawColumn(Device& device, DevicePoint offset, int column, int columnCount) override;

 private:
  void FormatLines();

  int page_;
  std::string programTitle_;
  std::string pageTitle_;
  std::array<std::string, 4> lines_;  // the file name line is formatted when shown
  LazyPicture logo_{"HEADER"};
  LazyPicture picture_;
  // Layout, device units.
  DevicePoint programTitleAt_;
  DevicePoint pageTitleAt_;
  std::array<DevicePoint, 5> lineAt_{};
  DeviceRect logoRect_;
  DeviceRect pictureRect_;
  int ruleY_ = 0;
  int rulePen_ = 1;
};

}  // namespace kav
