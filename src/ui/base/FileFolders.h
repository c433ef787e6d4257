// Where the open and save dialogs start: for each kind of file, the folder the user last chose
// one in, kept in the user's settings; else the pictures folder when there is one, else home.
#pragma once

#include <QString>

namespace tavolo {

enum class FileKind { kNone, kProject, kPicture, kExport, kPdf };

// The first of the three that is an existing folder; `home` when none is.
QString FirstExistingFolder(const QString& last, const QString& pictures, const QString& home);

// The folder last used for `kind`, when it still exists; else empty.
QString LastFolder(FileKind kind);
// Where a dialog for `kind` starts: LastFolder, else ~/Pictures when it exists, else home.
QString StartFolder(FileKind kind);
// The folder of `chosenFile` becomes the last folder for `kind` (nothing for kNone).
void RememberFolder(FileKind kind, const QString& chosenFile);

}  // namespace tavolo
