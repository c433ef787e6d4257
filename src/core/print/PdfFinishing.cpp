#include "core/print/PdfFinishing.h"

#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <exception>
#include <string>
#include <system_error>

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "core/base/Translation.h"
#include "core/print/PdfCmykConversion.h"
#include "core/print/PdfTextRepair.h"
#include "core/print/PdfXMarking.h"

namespace tavolo {

namespace {

// Lengths are written to a thousandth of a point, well inside the hundredth a box must hold.
constexpr int kBoxDecimals = 3;

// The finished PDF into a descriptor; a failed write throws its errno.
class DescriptorPipeline : public Pipeline {
 public:
  explicit DescriptorPipeline(int fd) : Pipeline("Tavolo PDF", nullptr), fd_(fd) {}
  void write(unsigned char const* data, size_t length) override {
    while (length > 0) {
      const ssize_t n = ::write(fd_, data, length);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw std::system_error(errno, std::generic_category());
      data += n;
      length -= static_cast<size_t>(n);
    }
  }
  void finish() override {}

 private:
  int fd_;
};

QPDFObjectHandle Number(double value) {
  return QPDFObjectHandle::newReal(value, kBoxDecimals);
}

// A box from the page's top-left corner in the PDF's coordinates, whose origin is the bottom
// left of a page `height` high.
QPDFObjectHandle Box(const QRectF& box, double height) {
  return QPDFObjectHandle::newArray({Number(box.left()), Number(height - box.bottom()),
                                     Number(box.right()), Number(height - box.top())});
}

// Qt writes a page's size in whole points and places what it paints from the top of that: the
// page takes its exact size, and what is painted moves by what the rounding added at the top.
void SetPageBoxes(QPDF& pdf, const PdfPageBoxes& boxes) {
  const double height = boxes.media.height();
  std::optional<QPDFObjectHandle> shift;
  double shiftedBy = 0;
  for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
    QPDFObjectHandle object = page.getObjectHandle();
    const QPDFObjectHandle::Rectangle written = page.getMediaBox().getArrayAsRectangle();
    const double moved = height - (written.ury - written.lly);
    if (std::abs(moved) > 1e-6) {
      if (!shift || shiftedBy != moved) {
        shift =
            pdf.newStream("1 0 0 1 0 " + QByteArray::number(moved, 'f', 6).toStdString() + " cm\n");
        shiftedBy = moved;
      }
      page.addPageContents(*shift, true);
    }
    object.replaceKey("/MediaBox", Box(QRectF(QPointF(0, 0), boxes.media), height));
    object.replaceKey("/BleedBox", Box(boxes.bleed, height));
    object.replaceKey("/TrimBox", Box(boxes.trim, height));
  }
}

}  // namespace

PdfPageBoxes SheetPageBoxes(QSizeF paperMm) {
  const QRectF paper(QPointF(0, 0), paperMm * kPointsPerMm);
  return {paper.size(), paper, paper};
}

PdfPageBoxes CardPageBoxes(QSizeF cardMm, double bleedMm, double edgeMm) {
  const QRectF trim(QPointF(edgeMm, edgeMm) * kPointsPerMm, cardMm * kPointsPerMm);
  const double bleed = bleedMm * kPointsPerMm;
  return {(cardMm + QSizeF(2 * edgeMm, 2 * edgeMm)) * kPointsPerMm,
          trim.adjusted(-bleed, -bleed, bleed, bleed), trim};
}

Outcome<> FinishPdf(std::FILE* qtPdf, int out, const PdfFinish& finish) {
  try {
    std::rewind(qtPdf);
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile("the PDF as painted", qtPdf, false);
    SetPageBoxes(pdf, finish.boxes);
    RepairPdfText(pdf, finish.pageLines);
    if (finish.cmyk) {
      if (Outcome<> converted = ConvertPdfToCmyk(pdf, *finish.cmyk); !converted) {
        return converted;
      }
    }
    if (finish.pdfx || finish.cmyk) {
      if (Outcome<> marked = MarkPdfX4(pdf, finish.title, finish.cmyk); !marked) return marked;
    }
    DescriptorPipeline sink(out);
    QPDFWriter writer(pdf);
    writer.setOutputPipeline(&sink);
    if (finish.pdfx || finish.cmyk) writer.forcePDFVersion(kPdfX4Version);
    writer.write();
    return {};
  } catch (const std::system_error& failed) {
    return Failure{{}, failed.code().value()};
  } catch (const std::exception& failed) {
    return Failure{TrMessage("The PDF could not be finished: %1", std::string(failed.what()))};
  }
}

}  // namespace tavolo
