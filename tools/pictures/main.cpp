// kav_pictures: draws the program's pictures and writes them as PNG files
// (8-bit indexed colour, the 16-colour palette) together with the Qt
// resource file that lists them; with --icons, the program's icon in its
// sizes (full colour) into ICONDIR with its own resource file.
//
//   kav_pictures OUTDIR [--icons ICONDIR] [--sheet PREFIX]
//
// The build target `pictures` runs it on resources/pictures of the source
// tree (cmake --build BUILD --target pictures); the PNG files it writes are
// kept in the source tree, so a normal build does not need it. --sheet also
// writes the pictures, enlarged and named, into PREFIX-1.png, PREFIX-2.png
// and so on, for looking them over.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "pictures.h"

namespace {

bool WriteResourceFile(const QDir& dir, const QString& name,
                       const std::vector<kavpic::Picture>& pictures) {
  QFile file(dir.filePath(name + ".qrc"));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
  QTextStream out(&file);
  out << "<!-- Written by tools/pictures (kav_pictures); do not edit. -->\n";
  out << "<RCC>\n  <qresource prefix=\"/" << name << "\">\n";
  for (const kavpic::Picture& picture : pictures) {
    out << "    <file>" << QString::fromStdString(picture.name) << ".png</file>\n";
  }
  out << "  </qresource>\n</RCC>\n";
  return out.status() == QTextStream::Ok;
}

// Pages of six pictures each, drawn twice their size with their names:
// PREFIX-1.png, PREFIX-2.png, ...
bool WriteSheets(const QString& prefix, const std::vector<kavpic::Picture>& pictures) {
  const int scale = 2, columns = 3, perPage = 6, label = 20;
  const int cellW = 400 * scale + 8, cellH = 250 * scale + label + 8;
  for (std::size_t first = 0; first < pictures.size(); first += perPage) {
    QImage sheet(columns * cellW, 2 * cellH, QImage::Format_RGB32);
    sheet.fill(QColor(210, 210, 210));
    QPainter p(&sheet);
    for (std::size_t i = first; i < pictures.size() && i < first + perPage; ++i) {
      const int k = static_cast<int>(i - first);
      const QPoint at((k % columns) * cellW + 4, (k / columns) * cellH + label);
      p.drawText(at + QPoint(0, -6), QString::fromStdString(pictures[i].name));
      const QImage& image = pictures[i].image;
      p.drawImage(QRect(at, image.size() * scale), image);
    }
    p.end();
    const QString path = prefix + QString("-%1.png").arg(first / perPage + 1);
    if (!sheet.save(path)) return false;
  }
  return true;
}

// Writes the pictures as PNG files into `outDir` with the resource file
// `name`.qrc that lists them under the prefix "/`name`".
bool WritePictures(const QString& outDir, const QString& name,
                   const std::vector<kavpic::Picture>& pictures) {
  QDir dir(outDir);
  if (!dir.exists() && !QDir().mkpath(outDir)) {
    std::fprintf(stderr, "kav_pictures: cannot create %s\n", qPrintable(outDir));
    return false;
  }
  for (const kavpic::Picture& picture : pictures) {
    const QString path = dir.filePath(QString::fromStdString(picture.name) + ".png");
    if (!picture.image.save(path, "PNG")) {
      std::fprintf(stderr, "kav_pictures: cannot write %s\n", qPrintable(path));
      return false;
    }
  }
  if (!WriteResourceFile(dir, name, pictures)) {
    std::fprintf(stderr, "kav_pictures: cannot write %s.qrc\n", qPrintable(name));
    return false;
  }
  std::printf("kav_pictures: %zu pictures in %s\n", pictures.size(), qPrintable(dir.path()));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: kav_pictures OUTDIR [--icons ICONDIR] [--sheet PREFIX]\n");
    return 2;
  }
  const QString outDir = QString::fromLocal8Bit(argv[1]);
  QString sheet;
  QString iconDir;
  for (int i = 2; i + 1 < argc; ++i) {
    if (std::string(argv[i]) == "--sheet") sheet = QString::fromLocal8Bit(argv[i + 1]);
    if (std::string(argv[i]) == "--icons") iconDir = QString::fromLocal8Bit(argv[i + 1]);
  }
  // Only the sheet's labels need fonts, and so an application object.
  std::unique_ptr<QGuiApplication> app;
  if (!sheet.isEmpty()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  }

  std::vector<kavpic::Picture> pictures;
  try {
    pictures = kavpic::ModulePictures();
    pictures.push_back(kavpic::HeaderLogo());
    for (kavpic::Picture& picture : kavpic::WelcomePictures()) pictures.push_back(picture);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kav_pictures: %s\n", e.what());
    return 1;
  }

  if (!WritePictures(outDir, QStringLiteral("pictures"), pictures)) return 1;
  if (!iconDir.isEmpty() && !WritePictures(iconDir, QStringLiteral("icons"), kavpic::AppIcons())) {
    return 1;
  }
  if (!sheet.isEmpty() && !WriteSheets(sheet, pictures)) {
    std::fprintf(stderr, "kav_pictures: cannot write %s\n", qPrintable(sheet));
    return 1;
  }
  return 0;
}
