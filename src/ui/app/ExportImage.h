// The Export Image command: the Export Options dialog, a save dialog for the chosen format, then
// the export itself, which writes off the user-interface thread and tells of a failure when it
// ends. The dialogs and the message go through the prompts. Pausing the choosers is the
// caller's.
#pragma once

#include <filesystem>

class QWidget;

namespace tavolo {

class CardDocument;
class ExportJob;
class Prompts;

// Runs the whole command. The job belongs to `owner` and deletes itself when it has told what it
// had to; null when the user cancelled either dialog. `prompts` must outlive the job.
ExportJob* ExportImage(QWidget* owner, Prompts& prompts, CardDocument& document);

// Starts writing the card to `file`; a failure is told to `owner` when the job ends.
ExportJob* StartExport(QWidget* owner, Prompts& prompts, CardDocument& document,
                       const std::filesystem::path& file, int format, int quality);

}  // namespace tavolo
