// Storing a card as a template: the card file (.tvt, the project format) and its preview picture
// (.tvp) in a templates folder, under a title the user chose.
#pragma once

#include <filesystem>
#include <string>

#include <QString>

#include "core/card/BackgroundTable.h"
#include "core/card/CardState.h"
#include "core/render/CardRenderer.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// Why `title` cannot name a template file: it is empty, is "." or "..", or holds a character
// that a file name cannot hold on any system the templates may be copied to.
Outcome<> CheckTemplateTitle(const QString& title);

// The .tvt file a title names in `folder`.
std::filesystem::path TemplatePath(const std::filesystem::path& folder, const QString& title);

// Whether a template may replace one of the same title.
enum class TemplateSave {
  // Only a new title: the card file takes the title in one step that fails when the title is
  // taken, even by another program saving it at this moment.
  kNew,
  // The user chose to replace the template of this title.
  kReplace,
};

// Writes `folder`/TITLE.tvt and its preview `folder`/TITLE.tvp (rendered by `renderer`), each
// replacing an older file only when it was written whole; creates the folder when missing.
// Replacing, the preview goes first, so that a card file never lies in the folder without the
// preview it lists with; a new template's card file goes first, to take the title, and is taken
// away again when its preview cannot be written. A taken title (kNew) fails with EEXIST and
// leaves both files as they were: the caller asks whether to replace it, and marks the template
// table changed once a template is written.
Outcome<> WriteTemplate(const std::filesystem::path& folder, const QString& title,
                        const CardState& card, const BackgroundTable& backgrounds,
                        CardRenderer& renderer, TemplateSave save);

}  // namespace tavolo
