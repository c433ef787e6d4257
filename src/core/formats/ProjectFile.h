// Project files (.tvc) and template files (.tvt): one card in a flat little-endian stream with a
// format version at its head and a sub-version in front of each section, then, when the card
// holds any, its extension chunks (ExtensionSection.h, CardChunks.h).
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/card/BackgroundTable.h"
#include "core/card/CardState.h"
#include "core/formats/CardChunks.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// Project files are a few kilobytes and their pictures; this bounds what a damaged or hostile file
// makes us hold: four pictures of the largest size (photo and logo on both faces) and the card.
inline constexpr uintmax_t kMaxProjectBytes = 4 * kMaxEmbeddedPictureBytes + (16ull << 20);

// The format version the writer writes.
inline constexpr uint32_t kProjectFormatVersion = 2;

// Why a project does not read.
enum class ProjectFault {
  // A section's sub-version is not one this version reads, or the format version is later than
  // kProjectFormatVersion (what was read up to there is applied).
  kVersionMismatch,
  kFileError,  // the file could not be read, ended early or holds values refused
};

// The message box text for a failed load: "File could not be opened" or "File could not be
// opened by this version of the software.".
std::string ProjectFaultMessage(ProjectFault fault);

// What was read of a file's head, whether or not the rest of it read.
struct ProjectHead {
  uint32_t version = 0;  // the format version read (0 when not even that was read)
  bool versionRead = false;
  BackgroundName backgroundName{};  // the 20 name bytes read
  bool backgroundNameRead = false;
};

struct ProjectRead {
  ProjectHead head;
  // The first thing wrong with the extension section after the card, the back's included; the
  // card still reads, keeping every chunk read whole. Empty when nothing was.
  std::string extensionProblem;
};

struct ProjectReadFailure {
  std::string message;  // what went wrong, for logs and the command-line tool
  ProjectFault kind = ProjectFault::kFileError;
  ProjectHead head;
  // The file is no card at all (a text, a picture, random bytes): its head is not a card's. A
  // file error that changed nothing.
  bool notACard = false;
};

using ProjectReading = Outcome<ProjectRead, ProjectReadFailure>;

// The head read, from a read that succeeded or failed.
const ProjectHead& HeadOf(const ProjectReading& reading);
// "success", "version mismatch" or "file error".
const char* ReadingName(const ProjectReading& reading);

enum class ReadMode {
  // Every value takes effect as it is read, so the sections before a failure stay applied (what
  // Load Project shows after a version mismatch).
  kApplyAsRead,
  // As kApplyAsRead, except that a file error leaves the state exactly as it was.
  kKeepOnFileError,
};

// Reads a project into `state`. The background is found by its 20 name bytes in `table`
// (backgroundIndex 0 when no entry has them). Values the card cannot hold are refused as a file
// error: a line count above 20, a box count other than 3 to 5, a layout outside 0 to 9, a gradient
// orientation outside 0 to 3, a photo or logo name that is not a plain file name, a card size
// that cannot be drawn (CardPixels). The chunks of the extension section are decoded into the
// card's typed fields; those that are not (unknown, damaged, repeated) are kept in
// state.extensions to be written back as they were. The back, when the file has one, is read with
// the same care into state.back; a back that does not read leaves the card one-sided (an
// extension problem) and its chunk kept as it was.
ProjectReading ReadProject(std::span<const uint8_t> data, CardState& state,
                           const BackgroundTable& table, ReadMode mode = ReadMode::kApplyAsRead);
ProjectReading ReadProject(const std::filesystem::path& path, CardState& state,
                           const BackgroundTable& table, ReadMode mode = ReadMode::kApplyAsRead);

// The bytes of a project file of version 2 for `state`, its back (at the front's size) in the
// last chunk of the extension section. Checks "btbl[pnmb].n==pnmb"; when that
// fails and the report is answered Retry, the name written is 20 zero bytes if backgroundIndex lies
// outside the table.
std::vector<uint8_t> SerializeProject(const CardState& state, const BackgroundTable& table);

// Writes a project file through a temporary file renamed over `path`: a failed save leaves the
// previous file as it was and says why ("Access to %1 was denied." and the like, with the path
// filled in).
Outcome<> WriteProject(const std::filesystem::path& path, const CardState& state,
                       const BackgroundTable& table);

}  // namespace tavolo
