#include "core/merge/CsvReader.h"

#include <array>

#include "core/base/Translation.h"

namespace tavolo {

namespace {

constexpr QChar kQuote = u'"';

bool IsLineEnd(QChar c) {
  return c == u'\n' || c == u'\r';
}

// The separator the first line uses most outside quotes; a comma when it uses none.
QChar DetectSeparator(const QString& text) {
  constexpr std::array<QChar, 3> kCandidates = {u',', u';', u'\t'};
  std::array<int, 3> counts{};
  bool quoted = false;
  for (const QChar c : text) {
    if (c == kQuote) quoted = !quoted;
    if (quoted) continue;
    if (IsLineEnd(c)) break;
    for (size_t i = 0; i < kCandidates.size(); ++i) counts[i] += c == kCandidates[i] ? 1 : 0;
  }
  size_t best = 0;
  for (size_t i = 1; i < counts.size(); ++i) {
    if (counts[i] > counts[best]) best = i;
  }
  return kCandidates[best];
}

class CsvParser {
 public:
  CsvParser(const QString& text, const std::string& name)
      : text_(text), name_(name), separator_(DetectSeparator(text)) {}

  Outcome<MergeTable> Parse() {
    MergeTable table;
    bool header = true;
    while (at_ < text_.size()) {
      Outcome<MergeRow> row = NextRecord();
      if (!row) return Failure{row.Message()};
      if (IsBlank(row.Value())) continue;
      if (header) {
        for (const QString& cell : row.Value().cells) table.columns.push_back(cell.trimmed());
        header = false;
      } else {
        table.rows.push_back(std::move(row).Value());
      }
    }
    if (header) return Failure{TrMessage("%1 holds no header line naming its columns.", name_)};
    return table;
  }

 private:
  static bool IsBlank(const MergeRow& row) {
    return row.cells.size() == 1 && row.cells.front().isEmpty();
  }

  // `what` is in the user's language already.
  Failure At(int line, const std::string& what) const {
    return Failure{TrMessage("%1, line %2: %3", name_, line, what)};
  }

  // Consumes one line end ("\r\n", "\n" or "\r") at the current place.
  void SkipLineEnd() {
    if (text_[at_] == u'\r' && at_ + 1 < text_.size() && text_[at_ + 1] == u'\n') ++at_;
    ++at_;
    ++line_;
  }

  Outcome<MergeRow> NextRecord() {
    MergeRow row{line_, {}};
    QString cell;
    bool endOfRecord = false;
    while (!endOfRecord) {
      if (at_ < text_.size() && text_[at_] == kQuote) {
        const int opened = line_;
        ++at_;
        if (!ReadQuoted(cell)) return At(opened, TrText("a quoted value is never closed."));
      }
      while (at_ < text_.size() && text_[at_] != separator_ && !IsLineEnd(text_[at_])) {
        cell.append(text_[at_++]);
      }
      if (cell.size() > kMaxMergeValueLength) {
        return At(line_,
                  TrMessage("a value is longer than %1 characters; this is not a list of contacts.",
                            kMaxMergeValueLength));
      }
      row.cells.push_back(std::move(cell));
      cell = QString();
      if (at_ >= text_.size()) {
        endOfRecord = true;
      } else if (text_[at_] == separator_) {
        ++at_;
      } else {
        SkipLineEnd();
        endOfRecord = true;
      }
    }
    return row;
  }

  // Reads a quoted value's characters up to its closing quote; false at the end of the text.
  bool ReadQuoted(QString& cell) {
    while (at_ < text_.size()) {
      const QChar c = text_[at_];
      if (c == kQuote) {
        if (at_ + 1 < text_.size() && text_[at_ + 1] == kQuote) {
          cell.append(kQuote);
          at_ += 2;
          continue;
        }
        ++at_;
        return true;
      }
      if (IsLineEnd(c)) {
        SkipLineEnd();
        cell.append(u'\n');
        continue;
      }
      if (cell.size() > kMaxMergeValueLength) return true;
      cell.append(c);
      ++at_;
    }
    return false;
  }

  const QString& text_;
  const std::string& name_;
  const QChar separator_;
  qsizetype at_ = 0;
  int line_ = 1;
};

}  // namespace

Outcome<MergeTable> ReadCsv(const QString& text, const std::string& name) {
  return CsvParser(text, name).Parse();
}

}  // namespace tavolo
