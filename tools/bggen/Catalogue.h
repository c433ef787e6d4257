// The built-in backgrounds, in library order: each a name of at most 20 bytes and a painter.
#pragma once

#include <QImage>
#include <span>
#include <string_view>

namespace tavolo::bggen {

struct Design {
  std::string_view name;
  void (*paint)(QImage& image);
};

std::span<const Design> Catalogue();

}  // namespace tavolo::bggen
