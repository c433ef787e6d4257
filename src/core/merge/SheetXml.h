// The XML of a spreadsheet's part, read as a stream: only elements and text come through; a
// document type declaration (the way to entity bombs) or nesting deeper than kMaxXmlDepth ends
// the reading with a message, as does XML that is not well-formed.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include <QByteArray>
#include <QXmlStreamReader>

#include "core/merge/MergeProgress.h"
#include "core/storage/Outcome.h"

namespace tavolo {

inline constexpr int kMaxXmlDepth = 256;

class SheetXml {
 public:
  // `bytes` must outlive the reader; `file` and `part` name what is read in messages.
  SheetXml(const QByteArray& bytes, std::string file, std::string part,
           const MergeProgress& progress = {});

  // Moves to the next element's start or end, passing over text; false at the end of the part
  // or when reading has failed (see Failed and Why).
  bool Next();
  bool IsStart() const { return reader_.tokenType() == QXmlStreamReader::StartElement; }
  bool IsEnd() const { return reader_.tokenType() == QXmlStreamReader::EndElement; }
  bool IsStart(QStringView name) const { return IsStart() && reader_.name() == name; }
  bool IsEnd(QStringView name) const { return IsEnd() && reader_.name() == name; }
  QStringView Name() const { return reader_.name(); }
  // How deep the reader stands: 1 inside the root element.
  int Depth() const { return depth_; }
  // The element's attribute of this local name, whatever its namespace; empty without it.
  QStringView Attribute(QStringView name) const;
  // Told of each element inside the one whose text is read, with the text so far: a space or a
  // tab written as an element of its own is added there.
  using InnerElement = std::function<void(QStringView name, QString& text)>;
  // The text of the element begun last, its children's included; the reader then stands on its
  // end. Text past kMaxMergeValueLength characters is not kept.
  QString ReadText(const InnerElement& inner = {});
  // Passes over the element begun last and everything in it.
  void Skip();
  // Whether reading failed; the failure's message, or MergeStopped() when the progress stopped it.
  bool Failed() const { return failure_.has_value(); }
  tavolo::Failure Why() const { return failure_.value_or(tavolo::Failure{}); }

 private:
  bool Fail(std::string message);
  // The next token, the depth kept and the limits checked; Invalid once reading has failed.
  QXmlStreamReader::TokenType Token();

  QXmlStreamReader reader_;
  std::string file_;
  std::string part_;
  MergeProgress progress_;  // a copy: a reader outlives the argument it was made with
  int64_t total_;
  int64_t nextReport_ = 0;
  int depth_ = 0;
  std::optional<tavolo::Failure> failure_;
};

}  // namespace tavolo
