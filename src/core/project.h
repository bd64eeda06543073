#pragma once
// The project information heading every page: engineer, project name,
// reference and comment. Stored first in every document, behind the
// version marker that identifies the file format.
#include <string>

#include "core/item.h"

namespace kav {

// The marker that begins every document of the current format.
inline constexpr const char* kDocumentMarker = "Versjon 5";

// Raised when a document does not begin with the marker; the project keeps
// its fields.
class WrongMarker : public std::exception {
 public:
  const char* what() const noexcept override;
};

class CProject : public CItem {
 public:
  static constexpr const char* kClassName = "CProject";
  static constexpr std::size_t kNameLimit = 60;
  static constexpr std::size_t kTextLimit = 255;

  const char* ClassName() const override { return kClassName; }
  // Storing writes the marker and the four strings. Loading reads the
  // marker; if it is not exactly "Versjon 5" it throws WrongMarker and
  // leaves the fields as they were.
  void Serialize(CArchive& ar) override;
  // Opens the project dialog on copies of the fields; 1 after OK.
  int EditInput() override;
  void Reset();

  std::string Engineer;
  std::string ProjectName;
  std::string Reference;
  std::string Comment;
};

}  // namespace kav
