// Printing: sheets of cards written to a PDF (the print image rendered, then every card of every
// sheet placed), and one redraw of the print dialog's page preview.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "BenchCards.h"
#include "core/card/BackgroundTable.h"
#include "core/card/CardRenderer.h"
#include "core/card/LineSource.h"
#include "core/print/PagePreview.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/PaperChange.h"
#include "core/print/SheetPdf.h"

namespace {

using namespace tavolo;

struct PrintScene {
  BackgroundTable table;
  CardState card = bench::BenchCard();
  Paper a4;
  PageLayout layout;
  PrintScene() {
    bench::EnsureApplication<QGuiApplication>();
    table.Append({}, bench::NoisyBackground(), 0.0f);
    const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
    a4 = papers[FindPaper(papers, QStringLiteral("A4"))];
    ApplyPaperChange(layout, a4.id, a4.WholeMm(), card.dpi);
  }
};

PrintScene& Scene() {
  static PrintScene scene;
  return scene;
}

// From the card to the finished file, as tavolo-cli print runs it after loading the project.
void BM_PrintSheetsToPdf(benchmark::State& state) {
  PrintScene& scene = Scene();
  const std::filesystem::path pdf = std::filesystem::temp_directory_path() /
                                    ("tavolo-bench-" + std::to_string(::getpid()) + ".pdf");
  for (auto _ : state) {
    CardRenderer renderer(&scene.table, {});
    const SheetRenderer sheet(renderer.RenderPrintImage(scene.card, CardLines(scene.card)));
    const SheetPdfResult written =
        WriteSheetsPdf(pdf, sheet, scene.layout, scene.a4, scene.card.dpi,
                       static_cast<int>(state.range(0)), QStringLiteral("bench"));
    if (!written.ok) state.SkipWithError(written.message.c_str());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
  std::filesystem::remove(pdf);
}
BENCHMARK(BM_PrintSheetsToPdf)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// The page preview of the print dialog drawn once, at a typical size.
void BM_PagePreview(benchmark::State& state) {
  PrintScene& scene = Scene();
  CardRenderer renderer(&scene.table, {});
  const SheetRenderer sheet(renderer.RenderPrintImage(scene.card, CardLines(scene.card)));
  const QSize size(300, 424);
  QImage preview(size, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&preview);
    sheet.PaintPagePreview(painter, size,
                           ComputePagePreview(scene.layout, scene.a4.WholeMm(), 300, size));
  }
}
BENCHMARK(BM_PagePreview)->Unit(benchmark::kMicrosecond);

}  // namespace
