#include "core/merge/MergeQrCodes.h"

#include <cmath>

#include "core/card/CardState.h"
#include "core/card/FieldNames.h"
#include "core/merge/MergedCard.h"
#include "core/qr/QrCodeDrawing.h"
#include "core/qr/QrContentText.h"
#include "core/qr/QrSymbol.h"

namespace tavolo {

namespace {

constexpr size_t kProgressStep = 1 << 12;

// The module's side on the printed card, in hundredths of a millimetre, of a code of `width`
// modules; each module is a whole number of the card's pixels, as the code is drawn.
int ModuleHundredths(const PlacedQrCode& code, int width, int dpi) {
  const int pixels = QrModulesIn(QrCodeArea(code, 1), width + 2 * kQrQuietModules).modulePixels;
  return static_cast<int>(std::floor(QrSideMillimetres(static_cast<float>(pixels), dpi) * 100.0));
}

}  // namespace

std::vector<RecordProblem> QrCodeProblems(const CardState& project, const MergeRecords& records,
                                          const MergeProgress& progress) {
  std::vector<RecordProblem> problems;
  const std::optional<PlacedQrCode> code = project.qrCode;
  if (!code) return problems;
  const Outcome<QString> ownText = QrContentText(project, *code);
  const int minimum = static_cast<int>(kMinQrModuleMillimetres * 100.0);
  for (size_t i = 0; i < records.Count(); ++i) {
    if (i % kProgressStep == 0 && !GoesOn(progress, i, records.Count())) return {};
    const MergeRecord record = records.At(i);
    const ContactDetails details = KeptDetails(record.details);
    QString text;
    switch (code->content) {
      case QrContent::kContactDetails:
        text = VCardText(details);
        break;
      case QrContent::kWebsite:
        text = WebsiteUrl(details[kWebsite]);
        break;
      case QrContent::kFreeText:
        text = ownText ? ownText.Value() : QString();
        break;
    }
    RecordProblem problem{record.line};
    if (text.isEmpty()) {
      // A code of its own text that has none says so on every card, not per record.
      if (code->content != QrContent::kWebsite) continue;
      problem.kind = RecordProblem::Kind::kQrCodeEmpty;
    } else if (const std::optional<int> width = QrSymbolWidth(text); !width) {
      problem.kind = RecordProblem::Kind::kQrCodeTooLong;
      const QByteArray utf8 = text.toUtf8();
      problem.first = static_cast<int>(utf8.size());
      // Text that is not plain ASCII gives a byte to the designator of its character set.
      problem.second = utf8.size() == text.size() ? kMaxQrBytes : kMaxQrBytesWithEci;
    } else if (const int module = ModuleHundredths(*code, *width, project.dpi); module < minimum) {
      problem.kind = RecordProblem::Kind::kQrModulesSmall;
      problem.first = module;
    } else {
      continue;
    }
    problems.push_back(problem);
  }
  return problems;
}

}  // namespace tavolo
