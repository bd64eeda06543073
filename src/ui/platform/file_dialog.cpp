#include "ui/platform/file_dialog.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace kav {
namespace {

// The columns of the file list: name, size, type, date modified.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

class NorwegianFileList final : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files == nullptr || role != Qt::DisplayRole) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (index.column() == kDateColumn) {
      return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
    }
    if (index.column() == kSizeColumn && !files->isDir(source)) {
      return QLocale().formattedDataSize(files->size(source));
    }
    return QIdentityProxyModel::data(index, role);
  }
};

}  // namespace

void UseNorwegianFileList(QFileDialog& dialog) {
  dialog.setProxyModel(new NorwegianFileList(&dialog));
}

}  // namespace kav
