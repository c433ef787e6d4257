#include "CardSheetsPdf.h"

#include <filesystem>

#include "PictureWarnings.h"
#include "PrintShopOptions.h"
#include "core/base/CheckCounter.h"
#include "core/base/ProgramFolder.h"
#include "core/card/CardFaces.h"
#include "core/pictures/ImageBridge.h"
#include "core/print/SheetPdf.h"
#include "core/render/CardRenderer.h"
#include "core/render/CardVectorPainter.h"

namespace tavolo::cli {

Step<> WriteCardSheetsPdf(const char* command, const Arguments& arguments,
                          const BackgroundTable& table, const CardState& card, SheetJob job,
                          PdfOptions pdf) {
  CheckCounter failures(std::string("tavolo-cli ") + command);
  CardRenderer renderer(&table, CustomPhotosFolder());
  const RasterImage printImage = renderer.RenderPrintImage(card);
  const std::string output = arguments.values.at("--output");
  int leftOut = WarnOfLeftOutPictures(command, renderer, table, card);
  CardRenderer backRenderer(&table, CustomPhotosFolder());
  if (Step<> refused = RefuseMissingBack(job.backs.flip, card); !refused) return refused;
  const bool twoSided = job.backs.flip != DuplexFlip::kNone;
  const CardState back = twoSided ? BackFaceOf(card) : CardState();
  if (twoSided) {
    job.backs.cards = SameCardEverywhere(ToQImage(backRenderer.RenderPrintImage(back)));
    job.backs.paintedCards = [&](QPainter& painter, const QRectF& target, int, int,
                                 const CardPaintOptions& options) {
      PaintCard(backRenderer, painter, target, back, options);
    };
    leftOut += WarnOfLeftOutPictures(command, backRenderer, table, back);
  }
  if (arguments.flags.contains("--strict") && leftOut > 0) {
    return Failed(
        TrMessage("'%1' is not written: with --strict a picture left out is a failure", output));
  }
  job.cards = SameCardEverywhere(ToQImage(printImage));
  job.paintedCards = [&](QPainter& painter, const QRectF& target, int, int,
                         const CardPaintOptions& options) {
    PaintCard(renderer, painter, target, card, options);
  };
  job.cardSize = QSizeF(card.cardWidth, card.cardHeight);
  pdf.title = QString::fromStdString(std::filesystem::path(arguments.project).stem());
  const PrintOutcome written = WriteSheetsPdf(output, job, pdf);
  if (!written) return Failed(written.Message());
  if (failures.Count() > 0) {
    return Failed(
        TrMessage("%1 check(s) failed; '%2' may be incomplete", failures.Count(), output));
  }
  return {};
}

}  // namespace tavolo::cli
