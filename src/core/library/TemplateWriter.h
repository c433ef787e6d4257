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
// that a file name cannot hold on any system the templates may be copied to. Empty when it can.
QString TemplateTitleProblem(const QString& title);

// The .tvt file a title names in `folder`.
std::filesystem::path TemplatePath(const std::filesystem::path& folder, const QString& title);

// Writes `folder`/TITLE.tvp (rendered by `renderer`) and then `folder`/TITLE.tvt,
// each replacing an older file only when it was written whole; creates the folder when missing.
// The caller asks before replacing an existing template and marks the template table changed.
Outcome<> WriteTemplate(const std::filesystem::path& folder, const QString& title,
                        const CardState& card, const BackgroundTable& backgrounds,
                        CardRenderer& renderer);

}  // namespace tavolo
