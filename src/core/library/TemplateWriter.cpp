#include "core/library/TemplateWriter.h"

#include <system_error>
#include <vector>

#include <QCoreApplication>

#include "core/base/Translation.h"
#include "core/formats/ProjectFile.h"
#include "core/library/TemplatePreview.h"
#include "core/library/TemplateTable.h"
#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

// Characters refused in a title: the path separators and what Windows file names cannot hold.
const QString kRefusedCharacters = QStringLiteral("\\/:*?\"<>|");

Failure Refused(const QString& reason) {
  return Failure{reason.toStdString()};
}

}  // namespace

Outcome<> CheckTemplateTitle(const QString& title) {
  if (title.trimmed().isEmpty()) {
    return Refused(QCoreApplication::translate("Tavolo", "Please enter a name for the template."));
  }
  if (title == u"." || title == u"..") {
    return Refused(QCoreApplication::translate("Tavolo", "\"%1\" cannot be the name of a template.")
                       .arg(title));
  }
  for (const QChar c : title) {
    if (kRefusedCharacters.contains(c) || c.unicode() < 0x20) {
      return Refused(QCoreApplication::translate(
                         "Tavolo", "A template name cannot contain any of these characters: %1")
                         .arg(kRefusedCharacters));
    }
  }
  return {};
}

std::filesystem::path TemplatePath(const std::filesystem::path& folder, const QString& title) {
  return folder / (title.toStdString() + ".tvt");
}

Outcome<> WriteTemplate(const std::filesystem::path& folder, const QString& title,
                        const CardState& card, const BackgroundTable& backgrounds,
                        CardRenderer& renderer, TemplateSave save) {
  if (Outcome<> titled = CheckTemplateTitle(title); !titled) return titled;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) return Failure{TranslatedMessage(FileErrorMessage(ec.value(), folder)), ec.value()};

  const std::filesystem::path path = TemplatePath(folder, title);
  const std::filesystem::path previewPath = TemplatePreviewPath(path);
  const Outcome<std::vector<uint8_t>> preview = EncodeTemplatePreview(renderer, card);
  if (!preview) return Failure{preview.Message()};
  if (save == TemplateSave::kReplace) {
    if (const Outcome<> written = Translated(WriteFileReplacing(previewPath, preview.Value()));
        !written) {
      return written;
    }
    return WriteProject(path, card, backgrounds);
  }
  if (const Outcome<> claimed = Translated(WriteNewFile(path, SerializeProject(card, backgrounds)));
      !claimed) {
    return claimed;
  }
  const Outcome<> written = Translated(WriteFileReplacing(previewPath, preview.Value()));
  if (!written) std::filesystem::remove(path, ec);
  return written;
}

}  // namespace tavolo
