// The text of a PDF made by Qt, made to read back as it was typed. Qt tells a viewer which
// characters each glyph shows (the fonts' ToUnicode maps) by looking the glyph up in the font's
// own character map, first character first: the space glyph, which the font engine also draws
// for the tab, reads as a tab; a ligature the font also keeps as a character of its own ("ﬁ")
// reads as that one character; and a glyph that shaping put in place of letters (a ligature or
// an alternate with no character of its own) reads as nothing at all.
#pragma once

#include <string>
#include <vector>

#include <QString>

class QPDF;

namespace tavolo {

// Rewrites every ToUnicode map: the space glyph reads as a space, compatibility ligatures as
// their letters, and a glyph without a character as the letters it stands in for, found by
// lining the glyphs each page shows up with `pageLines`, the lines painted on that page (a glyph
// is given letters only where the match is unambiguous; otherwise it stays without).
void RepairPdfText(QPDF& pdf, const std::vector<std::vector<QString>>& pageLines);

// A ToUnicode map as Qt and other writers make it: the text (UTF-16) of each two-byte code, from
// its bfchar and bfrange sections; codes it does not understand are left out.
std::vector<std::pair<uint16_t, std::u16string>> ParseToUnicode(const std::string& cmap);

// A ToUnicode map of two-byte codes (in increasing order, each with its UTF-16 text).
std::string WriteToUnicode(const std::vector<std::pair<uint16_t, std::u16string>>& entries);

}  // namespace tavolo
