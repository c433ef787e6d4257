// Export Image: the options dialog, the command's dialogs, and the export of the live card.
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>

#include "core/formats/ExportFormats.h"
#include "core/formats/ImageFileTypes.h"
#include "core/pictures/ImageBridge.h"
#include "tests/core/imaging/MagickInterop.h"
#include "tests/ui/DialogFixture.h"
#include "tests/ui/WidgetTest.h"
#include "ui/app/ExportImage.h"
#include "ui/app/ExportJob.h"
#include "ui/dialogs/ExportDialog.h"

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

TEST_F(ExportTest, OnlyJpegAndTiffTakeAQualityAndTheCommandAsksForTheFormatThenTheFile) {
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

  // The command asks for the format, then for a file of its kind.
  test::DialogFixture fx;
  fx.script.dialog = [](QDialog& d) {
    auto& options = dynamic_cast<ExportDialog&>(d);
    options.FormatButton(kFormatJpeg).click();
    options.QualityBox().setValue(80);
    options.accept();
  };
  fx.script.paths.push_back(test::PathText(fx.folder / "exported"));
  ExportJob* job = ExportImage(nullptr, fx.prompts, fx.document);
  ASSERT_EQ(fx.script.fileDialogs.size(), 1u);
  const FileDialogRequest& asked = fx.script.fileDialogs[0];
  EXPECT_EQ(asked.filter.toStdString(), FormatFileFilter(kFormatJpeg));
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
// card the export takes: the live one, at its resolution; a failed export is told and leaves no
// file.
TEST_F(ExportTest, TheExportIsTheLiveCardAtItsResolutionOrIsToldAsFailed) {
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
  const RasterImage read(file, kFormatUnknown);
  EXPECT_EQ(test::ImagePixels(read).rgb, test::ImagePixels(card).rgb);
  EXPECT_EQ(read.GetXDpi(), 600);
  EXPECT_EQ(read.GetYDpi(), 600);

  const auto missing = fx.folder / "missing-folder" / "card.png";
  EXPECT_FALSE(Finish(StartExport(nullptr, fx.prompts, fx.document, missing, kFormatPng, 90)).Ok());
  ASSERT_EQ(fx.script.told.size(), 1);
  EXPECT_TRUE(fx.script.told[0].startsWith(QStringLiteral("The card was not exported.")));
  EXPECT_FALSE(std::filesystem::exists(fx.folder / "missing-folder"));
  EXPECT_TRUE(test::TakeReports().empty());
}

}  // namespace
}  // namespace tavolo
