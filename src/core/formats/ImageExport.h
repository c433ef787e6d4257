// Writing a rendered card to an image file: GIF through a 256-colour octree palette with error
// diffusion, every other format tagged with the card's resolution and the quality.
#pragma once

#include <filesystem>

#include <QImage>

#include "core/render/CardRenderer.h"
#include "core/card/CardState.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// No format: the image is prepared but not saved. No quality: the image's own is kept.
inline constexpr int kNoFormat = -1;
inline constexpr int kNoQuality = -1;

// How a failed step of writing is made known: through the checked report with its expression
// text (on the user-interface thread only), or by the returned result alone (any thread).
enum class ExportReporting { kCheckedReport, kResultOnly };

// Whether an export may replace a file of the target's name: a merge writes many files at once
// and never replaces one the user had unless told to.
enum class ExistingFile { kReplace, kKeep };

// Writes `card` (a rendered Format_RGB32 image) to `file`, replacing it safely: the file appears
// whole or not at all. A failed step of the conversion is returned, and with kCheckedReport also
// raised as the checked report with its expression text; a failed write is returned with the
// file-error text ("Access to %1 was denied." and the like). A card handed over with std::move
// is let go once converted, before the encoding, so a large card is not held three times.
// With ExistingFile::kKeep a file of that name is never replaced (WriteNewFile).
Outcome<> WriteExportImage(QImage card, const std::filesystem::path& file, int format,
                           int quality, int dpi,
                           ExportReporting reporting = ExportReporting::kCheckedReport,
                           ExistingFile existing = ExistingFile::kReplace);

// The card at its full size (divisor 1), as Export Image writes it, or why it cannot be rendered.
Outcome<QImage> RenderCardForExport(CardRenderer& renderer, const CardState& live);

// Export Image: renders the card at its full size and writes it.
Outcome<> ExportCard(CardRenderer& renderer, const CardState& live,
                     const std::filesystem::path& file, int format, int quality);

}  // namespace tavolo
