#include "ui/app/HelpBrowser.h"

#include <QBuffer>
#include <QImageReader>
#include <QTextDocument>

#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

// Help pages and their pictures are small; anything larger is no part of the help.
constexpr uintmax_t kMaxHelpFileBytes = 4 * 1024 * 1024;
// A picture wider or higher than this could not be seen on a page anyway.
constexpr int kMaxHelpPictureSide = 4096;

QImage DecodeBounded(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  QImageReader reader(&buffer);
  const QSize size = reader.size();
  if (!size.isValid() || size.width() > kMaxHelpPictureSide ||
      size.height() > kMaxHelpPictureSide) {
    return {};
  }
  return reader.read();
}

}  // namespace

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  const QUrl url = name.isRelative() ? source().resolved(name) : name;
  if (!url.isLocalFile()) return {};
  const Outcome<std::vector<uint8_t>> read = ReadWholeFile(url.toLocalFile().toStdString(), kMaxHelpFileBytes);
  if (!read) return {};
  const QByteArray bytes(reinterpret_cast<const char*>(read.Value().data()),
                         static_cast<qsizetype>(read.Value().size()));
  if (type == QTextDocument::ImageResource) return DecodeBounded(bytes);
  return bytes;
}

}  // namespace tavolo
