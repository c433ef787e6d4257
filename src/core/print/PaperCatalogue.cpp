#include "core/print/PaperCatalogue.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QSizeF>

namespace tavolo {

namespace {

int TenthsOfMm(qreal mm) {
  return static_cast<int>(std::lround(mm * 10.0));
}

}  // namespace

Paper PaperFromPageSize(const QPageSize& pageSize) {
  const QSizeF mm = pageSize.size(QPageSize::Millimeter);
  return {pageSize.name(), pageSize.windowsId(), TenthsOfMm(mm.width()), TenthsOfMm(mm.height()),
          pageSize};
}

std::vector<Paper> PapersFromPageSizes(const QList<QPageSize>& pageSizes) {
  std::vector<Paper> papers;
  papers.reserve(static_cast<size_t>(pageSizes.size()));
  for (const QPageSize& pageSize : pageSizes) papers.push_back(PaperFromPageSize(pageSize));
  return papers;
}

bool PrefersLetter(const QLocale& locale) {
  static constexpr std::array kLetterTerritories = {
      QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,    QLocale::Philippines,
      QLocale::PuertoRico,   QLocale::Belize,    QLocale::Chile,     QLocale::Colombia,
      QLocale::CostaRica,    QLocale::Guatemala, QLocale::Nicaragua, QLocale::Panama,
      QLocale::ElSalvador,   QLocale::Venezuela,
  };
  return std::ranges::find(kLetterTerritories, locale.territory()) != kLetterTerritories.end();
}

std::vector<Paper> PaperCatalogue(const QLocale& locale) {
  const bool letterFirst = PrefersLetter(locale);
  const QPageSize::PageSizeId first = letterFirst ? QPageSize::Letter : QPageSize::A4;
  const QPageSize::PageSizeId second = letterFirst ? QPageSize::A4 : QPageSize::Letter;
  std::vector<Paper> papers = {PaperFromPageSize(QPageSize(first)),
                               PaperFromPageSize(QPageSize(second))};
  for (int i = 0; i <= QPageSize::LastPageSize; ++i) {
    const auto id = static_cast<QPageSize::PageSizeId>(i);
    if (id == first || id == second || id == QPageSize::Custom) continue;
    const QPageSize size(id);
    if (size.isValid()) papers.push_back(PaperFromPageSize(size));
  }
  return papers;
}

int FindPaperById(std::span<const Paper> papers, int32_t id) {
  if (id == 0) return -1;
  const auto found = std::ranges::find(papers, id, &Paper::id);
  return found == papers.end() ? -1 : static_cast<int>(found - papers.begin());
}

int FindPaperMatching(std::span<const Paper> papers, const QPageSize& current) {
  auto found = std::ranges::find(papers, current, &Paper::pageSize);
  if (found == papers.end()) {
    found = std::ranges::find_if(
        papers, [&](const Paper& paper) { return paper.pageSize.isEquivalentTo(current); });
  }
  return found == papers.end() ? -1 : static_cast<int>(found - papers.begin());
}

int FindPaper(std::span<const Paper> papers, const QString& nameOrId) {
  const QString wanted = nameOrId.trimmed();
  for (size_t i = 0; i < papers.size(); ++i) {
    if (papers[i].name.compare(wanted, Qt::CaseInsensitive) == 0 ||
        papers[i].pageSize.key().compare(wanted, Qt::CaseInsensitive) == 0) {
      return static_cast<int>(i);
    }
  }
  bool isNumber = false;
  const int id = wanted.toInt(&isNumber);
  return isNumber ? FindPaperById(papers, id) : -1;
}

}  // namespace tavolo
