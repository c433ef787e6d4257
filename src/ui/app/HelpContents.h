// The contents of the help folder: every .htm and .html page with its title, in reading order.
// about.htm comes first, then the pages it links to in the order of their first link, then any
// other page by title, so that a page dropped into the folder is listed without further ado.
#pragma once

#include <QString>
#include <vector>

namespace tavolo {

inline constexpr const char* kHelpStartPage = "about.htm";

struct HelpPage {
  QString file;   // the file name within the help folder
  QString title;  // its <title>, else its first <h1>, else the file name
};

// The title of a page from its HTML text; `fallback` when it has none.
QString HelpPageTitle(const QString& html, const QString& fallback);

std::vector<HelpPage> HelpPages(const QString& folder);

}  // namespace tavolo
