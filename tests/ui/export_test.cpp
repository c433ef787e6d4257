// Export Image: the options dialog, the command's dialogs in order, and the export of the card in
// every format, read back by ImageMagick with the card's pixels and resolution.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <utility>

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "core/bridge/ImageBridge.h"
#include "core/formats/ExportFormats.h"
#include "tests/core/imaging/MagickInterop.h"
#include "tests/ui/DialogFixture.h"
#include "tests/ui/ReportLog.h"
#include "ui/dialogs/ExportDialog.h"
#include "ui/dialogs/ExportImage.h"
#include "ui/dialogs/ExportJob.h"

namespace tavolo {
namespace {

using ExportTest = test::ControlTest;

// Waits until the job has finished (and told what it has to tell).
Outcome<> Finish(ExportJob* job) {
  EXPECT_NE(job, nullptr);
  if (job == nullptr) return Failure{"no job"};
  Outcome<> result;
  bool done = job->IsFinished();
  QObject::connect(job, &ExportJob::finished, [&] {
    result = job->Result();
    done = true;
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
  return result;
}

// The file's horizontal and vertical resolution in dots per inch as ImageMagick reads them.
std::pair<long, long> MagickDpi(const std::filesystem::path& file) {
  double x = 0;
  double y = 0;
  char units[64] = {};
  if (std::sscanf(test::Identify(file, "%x %y %U").c_str(), "%lf %lf %63s", &x, &y, units) != 3) {
    return {-1, -1};
  }
  const double perInch = std::string(units) == "PixelsPerCentimeter" ? 2.54 : 1.0;
  return {std::lround(x * perInch), std::lround(y * perInch)};
}

TEST_F(ExportTest, OnlyJpegAndTiffTakeAQuality) {
  ExportDialog dialog(kFormatPng, 90);
  EXPECT_TRUE(dialog.FormatButton(kFormatPng).isChecked());
  EXPECT_FALSE(dialog.QualityBox().isEnabled());
  for (const ExportFormatInfo& info : kExportFormats) {
    dialog.FormatButton(info.format).click();
    EXPECT_EQ(dialog.Format(), info.format) << info.label;
    EXPECT_EQ(dialog.QualityBox().isEnabled(), info.takesQuality) << info.label;
  }
  dialog.QualityBox().setValue(250);
  EXPECT_EQ(dialog.Quality(), 100);
  dialog.QualityBox().setValue(-3);
  EXPECT_EQ(dialog.Quality(), 0);
}

TEST_F(ExportTest, TheCommandAsksForTheFormatThenForAFileOfItsKind) {
  test::DialogFixture fx;
  fx.script.dialog = [](QDialog& d) {
    auto& options = dynamic_cast<ExportDialog&>(d);
    options.FormatButton(kFormatJpeg).click();
    options.QualityBox().setValue(80);
    options.accept();
  };
  fx.script.paths.push_back(QString::fromStdString((fx.folder / "exported").string()));
  ExportJob* job = ExportImage(nullptr, fx.prompts, fx.document);
  ASSERT_EQ(fx.script.fileDialogs.size(), 1u);
  const FileDialogRequest& asked = fx.script.fileDialogs[0];
  EXPECT_EQ(asked.filter, QStringLiteral("jpeg files (*.jpeg *.jpg)"));
  EXPECT_EQ(asked.defaultSuffix, QStringLiteral("jpg"));
  EXPECT_TRUE(asked.folder.endsWith(QStringLiteral("/card.jpg")));
  EXPECT_EQ(asked.kind, FileKind::kExport);
  ASSERT_TRUE(Finish(job).Ok());
  const RasterImage back(fx.folder / "exported.jpg", kFormatUnknown);
  EXPECT_EQ(back.GetType(), kFormatJpeg);

  // Cancelling either dialog exports nothing.
  fx.script.dialog = [](QDialog& d) { d.findChild<QPushButton*>(QStringLiteral("2"))->click(); };
  EXPECT_EQ(ExportImage(nullptr, fx.prompts, fx.document), nullptr);
  fx.script.dialog = [](QDialog& d) { d.accept(); };
  EXPECT_EQ(ExportImage(nullptr, fx.prompts, fx.document), nullptr);
  EXPECT_EQ(fx.script.fileDialogs.size(), 2u);
}

// Every format's pixels and resolution read back by ImageMagick are the engine's test; here the
// card the export takes: the live one, at its resolution.
TEST_F(ExportTest, TheExportIsTheLiveCardAtItsResolution) {
  if (!test::HaveMagick()) GTEST_SKIP() << "ImageMagick is not installed";
  test::DialogFixture fx;
  CardState live = fx.document.Live();
  live.dpi = 600;
  fx.document.SetLive(live);
  RasterImage card;
  ASSERT_TRUE(ToRasterImage(fx.document.Render(1, kPrintWidth, kPrintHeight), card));

  const auto file = fx.folder / "card.png";
  const Outcome<> result =
      Finish(StartExport(nullptr, fx.prompts, fx.document, file, kFormatPng, 95));
  ASSERT_TRUE(result.Ok()) << result.Message();
  const auto read = test::MagickPixels(file, "");
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(test::MaxChannelDifference(*read, test::ImagePixels(card)), 0);
  EXPECT_EQ(MagickDpi(file), std::make_pair(600L, 600L));
}

TEST_F(ExportTest, AFailedExportIsToldAndLeavesNoFile) {
  test::DialogFixture fx;
  const auto file = fx.folder / "missing-folder" / "card.png";
  const Outcome<> result =
      Finish(StartExport(nullptr, fx.prompts, fx.document, file, kFormatPng, 90));
  EXPECT_FALSE(result.Ok());
  ASSERT_EQ(fx.script.told.size(), 1);
  EXPECT_TRUE(fx.script.told[0].startsWith(QStringLiteral("The card was not exported.")));
  EXPECT_FALSE(std::filesystem::exists(fx.folder / "missing-folder"));
  EXPECT_TRUE(test::TakeReports().empty());
}

}  // namespace
}  // namespace tavolo
