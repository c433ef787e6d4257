// Printing: sheets of cards written to a PDF (the print image rendered, then every card of every
// sheet placed, or every card painted as shapes and text), and one redraw of the print dialog's
// page preview.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "BenchCards.h"
#include "core/card/BackgroundTable.h"
#include "core/pictures/ImageBridge.h"
#include "core/print/PagePreview.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/PaperChange.h"
#include "core/print/SheetPdf.h"
#include "core/print/SheetRenderer.h"
#include "core/render/CardRenderer.h"
#include "core/render/CardVectorPainter.h"

namespace {

using namespace tavolo;

struct PrintScene {
  BackgroundTable table;
  CardState card = bench::BenchCard();
  Paper a4;
  PageLayout layout;
  PrintScene() {
    table.Append({}, bench::NoisyBackground(), 0.0f);
    const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
    a4 = papers[FindPaper(papers, QStringLiteral("A4"))];
    ApplyPaperChange(layout, a4, card.dpi);
  }
  // The card rendered anew, in every cell of `sheets` sheets.
  SheetJob Job(CardRenderer& renderer, int sheets) const {
    return {a4, layout, card.dpi, sheets,
            SameCardEverywhere(ToQImage(renderer.RenderPrintImage(card)))};
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
    const PrintOutcome written =
        WriteSheetsPdf(pdf, scene.Job(renderer, static_cast<int>(state.range(0))),
                       {.title = QStringLiteral("bench")});
    if (!written) state.SkipWithError(written.Message().c_str());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
  std::filesystem::remove(pdf);
}
BENCHMARK(BM_PrintSheetsToPdf)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// The same with every card painted as shapes and text, as tavolo-cli print writes it.
void BM_PrintVectorSheetsToPdf(benchmark::State& state) {
  PrintScene& scene = Scene();
  const std::filesystem::path pdf = std::filesystem::temp_directory_path() /
                                    ("tavolo-bench-" + std::to_string(::getpid()) + ".pdf");
  for (auto _ : state) {
    CardRenderer renderer(&scene.table, {});
    SheetJob job = scene.Job(renderer, static_cast<int>(state.range(0)));
    job.paintedCards = [&](QPainter& painter, const QRectF& target, int, int,
                           const CardPaintOptions& options) {
      PaintCard(renderer, painter, target, scene.card, options);
    };
    const PrintOutcome written = WriteSheetsPdf(pdf, job, {.title = QStringLiteral("bench")});
    if (!written) state.SkipWithError(written.Message().c_str());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
  std::filesystem::remove(pdf);
}
BENCHMARK(BM_PrintVectorSheetsToPdf)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

// The page preview of the print dialog drawn once, at a typical size.
void BM_PagePreview(benchmark::State& state) {
  PrintScene& scene = Scene();
  CardRenderer renderer(&scene.table, {});
  const SheetJob job = scene.Job(renderer, 1);
  const QSize size(300, 424);
  QImage preview(size, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&preview);
    PaintPagePreview(painter, size, job,
                     ComputePagePreview(job.layout, job.paper.WholeMm(), job.dpi, size));
  }
}
BENCHMARK(BM_PagePreview)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return tavolo::bench::RunWithApplication<QGuiApplication>(argc, argv);
}
