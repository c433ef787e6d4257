#include "core/library/TemplateWriter.h"

#include <system_error>

#include "core/formats/ProjectFile.h"
#include "core/library/TemplatePreview.h"
#include "core/library/TemplateTable.h"
#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

// Characters refused in a title: the path separators and what Windows file names cannot hold.
const QString kRefusedCharacters = QStringLiteral("\\/:*?\"<>|");

}  // namespace

QString TemplateTitleProblem(const QString& title) {
  if (title.trimmed().isEmpty()) return QStringLiteral("Please enter a name for the template.");
  if (title == u"." || title == u"..") {
    return QStringLiteral("\"%1\" cannot be the name of a template.").arg(title);
  }
  for (const QChar c : title) {
    if (kRefusedCharacters.contains(c) || c.unicode() < 0x20) {
      return QStringLiteral("A template name cannot contain any of these characters: %1")
          .arg(kRefusedCharacters);
    }
  }
  return {};
}

std::filesystem::path TemplatePath(const std::filesystem::path& folder, const QString& title) {
  return folder / (title.toStdString() + ".tvt");
}

TemplateWriteResult WriteTemplate(const std::filesystem::path& folder, const QString& title,
                                  const CardState& card, const BackgroundTable& backgrounds,
                                  CardRenderer& renderer, const LineSource& lines) {
  const QString problem = TemplateTitleProblem(title);
  if (!problem.isEmpty()) return {false, problem.toStdString()};
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) return {false, FileErrorMessage(ec.value(), folder)};

  const std::filesystem::path path = TemplatePath(folder, title);
  // The picture first: a card file never lies in the folder without the preview it lists with.
  const PreviewWriteResult preview =
      WriteTemplatePreview(renderer, card, lines, TemplatePreviewPath(path));
  if (!preview.ok) return {false, preview.message};
  const WriteProjectResult written = WriteProject(path, card, backgrounds);
  return {written.ok, written.message};
}

}  // namespace tavolo
