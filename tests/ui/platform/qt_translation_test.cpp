// Qt's own dialogs in Norwegian: the translation the program loads at start
// reaches the standard buttons and the file dialog, and every translated
// message keeps the place holders and the one accelerator of its source.
#include "ui/platform/qt_translation.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <set>

namespace kav::test {
namespace {

class QtTranslationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    translator_ = UseNorwegianQtDialogs();
    ASSERT_NE(translator_, nullptr) << QtTranslationFile();
  }
  void TearDown() override { QLocale::setDefault(before_); }

  static QString LabelText(const QWidget& parent, const char* name) {
    const auto* label = parent.findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr ? label->text() : QStringLiteral("(no %1)").arg(QLatin1String(name));
  }

  QLocale before_;
  std::unique_ptr<QTranslator> translator_;
};

TEST_F(QtTranslationTest, StandardButtonsAndTheFileDialogSpeakNorwegian) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("KAV"), QStringLiteral("Erstatte?"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
  EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("&Nei"));
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Avbryt"));

  EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
  QFileDialog dialog(nullptr, QStringLiteral("Lagre som"), QString(),
                     QStringLiteral("KAVDok (*.kav)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  EXPECT_EQ(LabelText(dialog, "lookInLabel"), QStringLiteral("Søk i:"));
  EXPECT_EQ(LabelText(dialog, "fileNameLabel"), QStringLiteral("Fil&navn:"));
  EXPECT_EQ(LabelText(dialog, "fileTypeLabel"), QStringLiteral("Filtype:"));
  const auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
  ASSERT_NE(buttons, nullptr);
  EXPECT_EQ(buttons->button(QDialogButtonBox::Save)->text(), QStringLiteral("&Lagre"));
  EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Avbryt"));
  // The question before a file is replaced.
  EXPECT_EQ(QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg("mine.kav"),
            QStringLiteral("mine.kav finnes allerede.\nVil du erstatte den?"));
}

// The place holders (%1, %2) and the accelerator count of a text.
QString Shape(const QString& text) {
  static const QRegularExpression placeHolder(QStringLiteral("%\\d"));
  QStringList found;
  for (const QRegularExpressionMatch& match : placeHolder.globalMatch(text)) {
    found << match.captured();
  }
  found.sort();
  const QString plain = QString(text).replace(QStringLiteral("&&"), QString());
  return found.join(QLatin1Char(' ')) + QStringLiteral(" &:%1").arg(plain.count(QLatin1Char('&')));
}

TEST(QtTranslationFile, EveryMessageKeepsThePlaceHoldersAndAcceleratorOfItsSource) {
  QFile file(QStringLiteral(KAV_QT_TS));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << KAV_QT_TS;
  QXmlStreamReader xml(&file);
  QString context;
  QString source;
  std::set<QString> contexts;
  int messages = 0;
  while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
    if (!xml.isStartElement()) continue;
    const auto name = xml.name();
    if (name == QLatin1String("name")) {
      context = xml.readElementText();
      contexts.insert(context);
    } else if (name == QLatin1String("source")) {
      source = xml.readElementText();
    } else if (name == QLatin1String("translation")) {
      const QString translation = xml.readElementText();
      ++messages;
      EXPECT_FALSE(translation.isEmpty()) << context.toStdString() << ": " << source.toStdString();
      // Markup aside, an "&" in a translation of "&" is an entity.
      if (!source.contains(QLatin1Char('<'))) {
        EXPECT_EQ(Shape(translation), Shape(source))
            << context.toStdString() << ": " << source.toStdString();
      }
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_GT(messages, 350);
  for (const char* needed :
       {"QFileDialog", "QFileSystemModel", "QMessageBox", "QPlatformTheme", "QPrintDialog",
        "QPageSetupWidget", "QPrintPreviewDialog", "QColorDialog", "QLineEdit"}) {
    EXPECT_EQ(contexts.count(QString::fromLatin1(needed)), 1u) << needed;
  }
}

}  // namespace
}  // namespace kav::test
