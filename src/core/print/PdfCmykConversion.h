// A PDF's colours in CMYK ink: the colours its pages paint with and the pictures they show, both
// turned from sRGB (or grey) into the ink of a print shop's profile.
#pragma once

#include "core/print/CmykProfile.h"
#include "core/storage/Outcome.h"

class QPDF;

namespace tavolo {

// Converts every fill and stroke colour of the pages (and the colour spaces their resources
// name) and every picture they show into DeviceCMYK through `profile`. What it cannot convert
// fails with a message: transparency left in the pages (a soft mask, an alpha below 1, a blend
// mode), a picture in a colour space or depth it does not know, an inline picture, a shading.
Outcome<> ConvertPdfToCmyk(QPDF& pdf, const CmykProfile& profile);

}  // namespace tavolo
