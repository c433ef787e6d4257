#include "core/merge/CsvReader.h"

#include <algorithm>
#include <array>

#include "core/base/Translation.h"

namespace tavolo {

namespace {

constexpr QChar kQuote = u'"';
// How often (in characters) a long read tells how far it is.
constexpr qsizetype kProgressStep = 1 << 20;

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
  CsvParser(const QString& text, const std::string& name, const MergeProgress& progress)
      : text_(text), name_(name), progress_(progress), separator_(DetectSeparator(text)) {}

  Outcome<MergeTable> Parse() {
    MergeTable table;
    QStringList header;
    bool blank = true;
    while (blank && at_ < text_.size()) {
      header.clear();
      const Outcome<> read = NextRecord(
          [&header](QStringView cell) {
            header.push_back(cell.trimmed().toString());
            return true;
          },
          blank);
      if (!read) return Failure{read.Message()};
    }
    if (blank) return Failure{TrMessage("%1 holds no header line naming its columns.", name_)};
    table.columns = std::move(header);
    ReserveFor(table);
    while (at_ < text_.size()) {
      if (at_ >= nextReport_) {
        if (!GoesOn(progress_, static_cast<uint64_t>(at_), static_cast<uint64_t>(text_.size()))) {
          return MergeStopped();
        }
        nextReport_ = at_ + kProgressStep;
      }
      table.BeginRow(line_);
      const Outcome<> read =
          NextRecord([&table](QStringView cell) { return table.AddCell(cell); }, blank);
      if (!read) return Failure{read.Message()};
      if (blank) table.DropRow();
    }
    return table;
  }

 private:
  // `what` is in the user's language already.
  Failure At(int line, const std::string& what) const {
    return Failure{TrMessage("%1, line %2: %3", name_, line, what)};
  }

  // Room for the rest of the text: no more values than separators and line ends, no more rows
  // than line ends.
  void ReserveFor(MergeTable& table) const {
    const QStringView rest = QStringView(text_).sliced(at_);
    const auto lines = static_cast<size_t>(rest.count(u'\n') + rest.count(u'\r') + 1);
    const auto separators = static_cast<size_t>(rest.count(separator_));
    table.Reserve(rest.size(), separators + lines, lines);
  }

  // Consumes one line end ("\r\n", "\n" or "\r") at the current place.
  void SkipLineEnd() {
    if (text_[at_] == u'\r' && at_ + 1 < text_.size() && text_[at_ + 1] == u'\n') ++at_;
    ++at_;
    ++line_;
  }

  // Hands each value of the next record to `keep`; `blank` tells a line with nothing on it.
  template <typename Keep>
  Outcome<> NextRecord(Keep keep, bool& blank) {
    const int first = line_;
    int cells = 0;
    blank = false;
    cell_.resize(0);
    while (true) {
      if (at_ < text_.size() && text_[at_] == kQuote) {
        const int opened = line_;
        ++at_;
        if (!ReadQuoted()) return At(opened, TrText("a quoted value is never closed."));
      }
      const qsizetype start = at_;
      while (at_ < text_.size() && text_[at_] != separator_ && !IsLineEnd(text_[at_])) ++at_;
      cell_.append(QStringView(text_).sliced(start, at_ - start));
      if (cell_.size() > kMaxMergeValueLength) {
        return At(line_,
                  TrMessage("a value is longer than %1 characters; this is not a list of contacts.",
                            kMaxMergeValueLength));
      }
      ++cells;
      const bool last = at_ >= text_.size() || text_[at_] != separator_;
      if (last && cells == 1 && cell_.isEmpty()) {
        blank = true;
      } else if (!keep(QStringView(cell_))) {
        return At(first, TrMessage("the data holds more than %1 values; split it into smaller "
                                   "files.",
                                   kMaxMergeValues));
      }
      cell_.resize(0);
      if (at_ >= text_.size()) return {};
      if (text_[at_] == separator_) {
        ++at_;
      } else {
        SkipLineEnd();
        return {};
      }
    }
  }

  // Reads a quoted value's characters up to its closing quote; false at the end of the text.
  bool ReadQuoted() {
    while (at_ < text_.size()) {
      const QChar c = text_[at_];
      if (c == kQuote) {
        if (at_ + 1 < text_.size() && text_[at_ + 1] == kQuote) {
          cell_.append(kQuote);
          at_ += 2;
          continue;
        }
        ++at_;
        return true;
      }
      if (IsLineEnd(c)) {
        SkipLineEnd();
        cell_.append(u'\n');
        continue;
      }
      if (cell_.size() > kMaxMergeValueLength) return true;
      cell_.append(c);
      ++at_;
    }
    return false;
  }

  const QString& text_;
  const std::string& name_;
  const MergeProgress& progress_;
  const QChar separator_;
  QString cell_;  // the value being read, its room kept from one value to the next
  qsizetype at_ = 0;
  qsizetype nextReport_ = 0;
  int line_ = 1;
};

}  // namespace

Outcome<MergeTable> ReadCsv(const QString& text, const std::string& name,
                            const MergeProgress& progress) {
  return CsvParser(text, name, progress).Parse();
}

}  // namespace tavolo
