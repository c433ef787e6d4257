// What makes a PDF a PDF/X-4 file a print shop can check: the output intent (the colour profile
// its colours are meant for), XMP metadata naming the standard, the document's dates and title
// alike in both places, and Trapped set.
#pragma once

#include <optional>

#include <QString>

#include "core/print/CmykProfile.h"
#include "core/storage/Outcome.h"

class QPDF;

namespace tavolo {

inline constexpr const char* kPdfX4Version = "1.6";

// Marks the PDF as PDF/X-4 titled `title`: its output intent is `cmyk` when given, else sRGB
// (the sRGB profile of the system's colour profiles, package icc-profiles-free; its absence
// is a failure that names it).
Outcome<> MarkPdfX4(QPDF& pdf, const QString& title, const std::optional<CmykProfile>& cmyk);

}  // namespace tavolo
