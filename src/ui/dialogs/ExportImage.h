// The Export Image command: the Export Options dialog, a save dialog for the chosen format, then
// the export itself, which writes off the user-interface thread and tells of a failure in a
// message box when it ends. Pausing the choosers is the caller's.
#pragma once

#include <filesystem>
#include <functional>

#include <QString>

#include "ui/dialogs/EditCommands.h"

class QWidget;

namespace tavolo {

class CardDocument;
class ExportJob;

// Asks where to save: the dialog's title, its filter, the extension a name without one gets and
// a file to offer; answers the path, or empty when the user cancelled.
struct SaveRequest {
  QString title;
  QString filter;
  QString extension;
  QString suggested;
};
using SavePathAsker = std::function<QString(QWidget* owner, const SaveRequest& request)>;
// The standard save dialog, asking before it replaces a file.
QString AskSavePath(QWidget* owner, const SaveRequest& request);

// Runs the whole command. The job runs on (and deletes itself when it is done); null when the
// user cancelled either dialog.
ExportJob* ExportImage(QWidget* owner, CardDocument& document, const DialogRunner& run = RunModally,
                       const SavePathAsker& askPath = AskSavePath);

// Starts writing the card to `file`; a failure is told to `owner` when the job ends.
ExportJob* StartExport(QWidget* owner, CardDocument& document, const std::filesystem::path& file,
                       int format, int quality);

}  // namespace tavolo
