#include "core/merge/SheetXml.h"

#include "core/base/Translation.h"
#include "core/merge/MergeTable.h"

namespace tavolo {

namespace {

constexpr int64_t kProgressStep = 1 << 20;

}  // namespace

SheetXml::SheetXml(const QByteArray& bytes, std::string file, std::string part,
                   const MergeProgress& progress)
    : reader_(bytes),
      file_(std::move(file)),
      part_(std::move(part)),
      progress_(progress),
      total_(bytes.size()) {
  reader_.setNamespaceProcessing(true);
}

bool SheetXml::Fail(std::string message) {
  if (!failure_) failure_ = tavolo::Failure{std::move(message)};
  return false;
}

QXmlStreamReader::TokenType SheetXml::Token() {
  if (failure_) return QXmlStreamReader::Invalid;
  const QXmlStreamReader::TokenType token = reader_.readNext();
  if (reader_.characterOffset() >= nextReport_) {
    if (!GoesOn(progress_, static_cast<uint64_t>(reader_.characterOffset()),
                static_cast<uint64_t>(total_))) {
      failure_ = MergeStopped();
      return QXmlStreamReader::Invalid;
    }
    nextReport_ = reader_.characterOffset() + kProgressStep;
  }
  switch (token) {
    case QXmlStreamReader::StartElement:
      if (++depth_ > kMaxXmlDepth) {
        Fail(TrMessage("%1 cannot be read: its part %2 nests deeper than %3 levels.", file_, part_,
                       kMaxXmlDepth));
        return QXmlStreamReader::Invalid;
      }
      break;
    case QXmlStreamReader::EndElement:
      --depth_;
      break;
    case QXmlStreamReader::DTD:
    case QXmlStreamReader::EntityReference:
      Fail(
          TrMessage("%1 cannot be read: its part %2 declares a document type, which no "
                    "spreadsheet does.",
                    file_, part_));
      return QXmlStreamReader::Invalid;
    case QXmlStreamReader::Invalid:
      Fail(TrMessage("%1 cannot be read: its part %2 is damaged (line %3).", file_, part_,
                     static_cast<int64_t>(reader_.lineNumber())));
      break;
    default:
      break;
  }
  return token;
}

bool SheetXml::Next() {
  while (true) {
    const QXmlStreamReader::TokenType token = Token();
    if (token == QXmlStreamReader::StartElement || token == QXmlStreamReader::EndElement) {
      return true;
    }
    if (token == QXmlStreamReader::Invalid || token == QXmlStreamReader::EndDocument) return false;
  }
}

QStringView SheetXml::Attribute(QStringView name) const {
  for (const QXmlStreamAttribute& attribute : reader_.attributes()) {
    if (attribute.name() == name) return attribute.value();
  }
  return {};
}

QString SheetXml::ReadText(const InnerElement& inner) {
  QString text;
  const int depth = depth_;
  while (true) {
    const QXmlStreamReader::TokenType token = Token();
    if (token == QXmlStreamReader::Characters && text.size() <= kMaxMergeValueLength) {
      text.append(reader_.text());
    }
    if (token == QXmlStreamReader::StartElement && inner && text.size() <= kMaxMergeValueLength) {
      inner(reader_.name(), text);
    }
    if ((token == QXmlStreamReader::EndElement && depth_ < depth) ||
        token == QXmlStreamReader::Invalid || token == QXmlStreamReader::EndDocument) {
      return text;
    }
  }
}

void SheetXml::Skip() {
  const int depth = depth_;
  while (Next()) {
    if (IsEnd() && depth_ < depth) return;
  }
}

}  // namespace tavolo
