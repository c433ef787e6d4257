// Qt's standard page sizes as the print dialog's fallback paper list and the command line's.
#include <gtest/gtest.h>

#include <set>

#include <QSizeF>

#include "core/print/PaperCatalogue.h"

namespace tavolo {
namespace {

TEST(PaperCatalogue, A4OrLetterComesFirstByLocale) {
  const struct {
    QLocale locale;
    const char* first;
    const char* second;
  } cases[] = {
      {QLocale(QLocale::French, QLocale::Canada), "Letter", "A4"},
      {QLocale(QLocale::English, QLocale::UnitedKingdom), "A4", "Letter"},
  };
  for (const auto& c : cases) {
    const std::vector<Paper> papers = PaperCatalogue(c.locale);
    ASSERT_GT(papers.size(), 100u);
    EXPECT_EQ(papers[0].pageSize.key(), c.first) << c.locale.name().toStdString();
    EXPECT_EQ(papers[1].pageSize.key(), c.second) << c.locale.name().toStdString();
    std::set<QString> keys;
    for (const Paper& paper : papers) {
      EXPECT_TRUE(keys.insert(paper.pageSize.key()).second) << paper.name.toStdString();
    }
  }
}

TEST(PaperCatalogue, FindsPapersByNameKeyOrIdentifier) {
  const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
  const struct {
    const char* wanted;
    const char* key;  // null: no paper
  } cases[] = {
      {"a4", "A4"},
      {"letter / ansi a", "Letter"},
      {" 9 ", "A4"},
      {"Envelope US 10", "Env10"},
      {"0", nullptr},
      {"A42", nullptr},
      {"", nullptr},
  };
  for (const auto& c : cases) {
    const int at = FindPaper(papers, QString::fromUtf8(c.wanted));
    if (c.key == nullptr) {
      EXPECT_EQ(at, -1) << c.wanted;
    } else {
      ASSERT_GE(at, 0) << c.wanted;
      EXPECT_EQ(papers[at].pageSize.key(), c.key) << c.wanted;
    }
  }
  EXPECT_EQ(FindPaperById(papers, 0), -1);  // A0 and others have no Windows identifier
  EXPECT_EQ(papers[FindPaper(papers, QStringLiteral("Legal"))].WholeMm(), (PaperMm{215, 355}));

  // A printer's list, and its current paper found in it by page size, else by dimensions.
  const std::vector<Paper> printer = PapersFromPageSizes(
      {QPageSize(QPageSize::Letter), QPageSize(QPageSize::A4), QPageSize(QPageSize::Legal)});
  ASSERT_EQ(printer.size(), 3u);
  EXPECT_EQ(printer[1].id, 9);
  EXPECT_EQ(FindPaperMatching(printer, QPageSize(QPageSize::Legal)), 2);
  EXPECT_EQ(FindPaperMatching(printer, QPageSize(QSizeF(210, 297), QPageSize::Millimeter,
                                                 QStringLiteral("Driver A4"))),
            1);
  EXPECT_EQ(FindPaperMatching(printer, QPageSize(QPageSize::A5)), -1);
  EXPECT_EQ(papers[FindPaperById(papers, 9)].pageSize.key(), "A4");
}

}  // namespace
}  // namespace tavolo
