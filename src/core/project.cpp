#include "core/project.h"

#include "core/archive.h"
#include "core/editors.h"
#include "core/strings.h"

namespace kav {

const char* WrongMarker::what() const noexcept {
  return Str(ids::WrongVersion).c_str();
}

void CProject::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteString(kDocumentMarker);
    ar.WriteString(Engineer);
    ar.WriteString(ProjectName);
    ar.WriteString(Reference);
    ar.WriteString(Comment);
    return;
  }
  if (ar.ReadString() != kDocumentMarker) throw WrongMarker();
  std::string engineer = ar.ReadString();
  std::string projectName = ar.ReadString();
  std::string reference = ar.ReadString();
  std::string comment = ar.ReadString();
  Engineer = std::move(engineer);
  ProjectName = std::move(projectName);
  Reference = std::move(reference);
  Comment = std::move(comment);
}

int CProject::EditInput() {
  CProject copy = *this;
  const std::optional<bool> accepted = Editors::Run(copy);
  if (!accepted || !*accepted) return 0;
  *this = copy;
  return 1;
}

void CProject::Reset() {
  Engineer.clear();
  ProjectName.clear();
  Reference.clear();
  Comment.clear();
}

}  // namespace kav
