// The label database that gLabels installs (Debian's glabels-data: XML files in
// libglabels-3.0/templates of the system's data folders), read at run time for its business
// cards. A template names its maker ("brand"), part number, paper and categories, and holds one
// shape with the grid of its places; another template may declare itself the same sheet under a
// part number of its own ("equiv"). Only rectangular business cards (round corners allowed) whose
// places form one even grid the program can lay out are taken; other shapes are skipped. Files
// with and without gLabels' XML namespace read alike. Every file is bounded in size, depth and
// elements, the folder in files and the whole in templates; a damaged or hostile file is skipped
// with one message.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include <QByteArray>

#include "core/print/SheetProduct.h"

namespace tavolo {

inline constexpr uintmax_t kMaxLabelDatabaseFileBytes = 4u << 20;
inline constexpr int kMaxLabelDatabaseFiles = 500;  // per folder
inline constexpr int kMaxLabelDatabaseDepth = 32;
inline constexpr int kMaxLabelDatabaseElements = 200000;  // per file
inline constexpr int kMaxLabelTemplates = 50000;          // in all files together

struct LabelDatabaseListing {
  // In the order of the files, each product with its equivalent part numbers after its own.
  std::vector<SheetProduct> products;
  // One message per file or folder skipped.
  std::vector<std::string> errors;
  // Business-card templates left out: not rectangles, or places the program cannot lay out.
  int skipped = 0;
};

// The business cards of the files of one folder or several, as one database: an equivalent may
// name a template of another file. `files` holds each file's name and bytes.
struct LabelDatabaseFile {
  std::string name;
  QByteArray bytes;
};
LabelDatabaseListing ParseLabelDatabase(std::span<const LabelDatabaseFile> files);

// Every .xml file of the folders (a folder that does not exist holds none).
LabelDatabaseListing ReadLabelDatabase(std::span<const std::filesystem::path> folders);

}  // namespace tavolo
