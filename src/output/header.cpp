#include "output/header.h"

#include "core/module_table.h"
#include "core/strings.h"
#include "output/page_context.h"
#include "output/page_layout.h"
#include "output/text_form.h"

namespace kav {
namespace {

constexpr double kProgramVersion = 5.1;
constexpr const char* kHelpTopic = "::/html/header.htm";

}  // namespace

CHeader::CHeader(int page)
    : page_(page),
      programTitle_(Str(ids::ProgramTitle)),
      pageTitle_(Str(ModuleAt(page).pageTitle)) {
  HelpTopic = kHelpTopic;
  FormatLines();
  picture_.Set(ModuleAt(page).startPicture, {});
  Layout();
  AddToPage(page, this);
}

void CHeader::Layout() {
  Rect = MmToDeviceRect(20.0f, 7.0f, 190.0f, 72.0f);
  programTitleAt_ = MmToDevice(75.0f, 11.0f);
  pageTitleAt_ = MmToDevice(75.0f, 19.0f);
  constexpr std::array<float, 5> kLineTops = {30.0f, 35.0f, 45.0f, 50.0f, 55.0f};
  for (std::size_t i = 0; i < kLineTops.size(); ++i) lineAt_[i] = MmToDevice(20.0f, kLineTops[i]);
  logoRect_ = MmToDeviceRect(20.0f, 8.0f, 55.0f, 27.75f);
  pictureRect_ = MmToDeviceRect(142.0f, 30.0f, 190.0f, 70.0f);
  ruleY_ = MmToDeviceY(29.0f);
  rulePen_ = MmToDeviceY(0.8f);
}

void CHeader::Refresh() {
  FormatLines();
  const PageContext& context = CurrentPageContext();
  if (context.activePictureName) {
    ColourRecord colours;
    std::string name = context.activePictureName(colours);
    picture_.Set(std::move(name), colours);
  }
  Layout();
}

void CHeader::FormatLines() {
  const PageContext& context = CurrentPageContext();
  const CProject* project = context.project ? context.project() : nullptr;
  const LocalTime now = Now();
  lines_[0] = FormatId(ids::ProgramVersionLine, kProgramVersion);
  lines_[1] = FormatId(ids::TimeDateLine, now.hour, now.minute, now.day, now.month, now.year);
  lines_[2] = FormatId(ids::ProjectNameLine, project ? project->ProjectName : std::string());
  lines_[3] = FormatId(ids::EngineerLine, project ? project->Engineer : std::string());
}

std::array<std::string, 5> CHeader::Lines() const {
  const PageContext& context = CurrentPageContext();
  const std::string path = context.documentPath ? context.documentPath() : std::string();
  return {lines_[0], lines_[1], lines_[2], lines_[3],
          FormatId(ids::FileNameLine, LastChars(path, kPathLimit))};
}

void CHeader::DrawColumn(Device& device, DevicePoint offset, int, int) {
  device.DrawText(LargeFont(), programTitleAt_ + offset, programTitle_, HAlign::Left, VAlign::Top);
  device.DrawText(LargeFont(), pageTitleAt_ + offset, pageTitle_, HAlign::Left, VAlign::Top);
  const std::array<std::string, 5> lines = Lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    device.DrawText(NormalFont(), lineAt_[i] + offset, lines[i], HAlign::Left, VAlign::Top);
  }
  const RgbImage& logo = logo_.Image();
  if (!logo.IsEmpty()) device.DrawImage(logo, logoRect_.Moved(offset.x, offset.y));
  const RgbImage& picture = picture_.Image();
  if (!picture.IsEmpty()) device.DrawImage(picture, pictureRect_.Moved(offset.x, offset.y));
  const Pen rule{rulePen_, LineStyle::Solid, kTextColour};
  const DeviceRect area = Rect.Moved(offset.x, offset.y);
  device.DrawLine(rule, {area.left, area.top}, {area.right, area.top});
  device.DrawLine(rule, {area.left, ruleY_ + offset.y}, {area.right, ruleY_ + offset.y});
}

void CHeader::WriteText(std::string& out) {
  out += programTitle_ + "\n" + pageTitle_ + "\n\n";
  for (const std::string& line : Lines()) out += line + "\n";
  out += "\n";
}

}  // namespace kav
