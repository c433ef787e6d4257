#include "core/imaging/OctreeQuantizer.h"

#include <algorithm>

namespace tavolo {

OctreeQuantizer::OctreeQuantizer(uint32_t maxColours, uint32_t colourBits)
    : maxColours_(std::clamp<uint32_t>(maxColours, 1, 256)),
      colourBits_(std::clamp<uint32_t>(colourBits, 1, 8)) {}

OctreeQuantizer::~OctreeQuantizer() = default;

void OctreeQuantizer::ProcessImage(const RasterImage& image) {
  if (!image.IsValid()) return;
  const uint32_t width = image.GetWidth();
  for (uint32_t y = 0; y < image.GetHeight(); ++y) {
    if (image.GetBpp() == 24) {
      const uint8_t* p = image.GetBits(y);
      for (uint32_t x = 0; x < width; ++x, p += 3) {
        AddColour(p[2], p[1], p[0]);
        while (leafCount_ > maxColours_) ReduceTree();
      }
    } else {
      for (uint32_t x = 0; x < width; ++x) {
        const RgbQuad c = image.GetPixelColour(x, y);
        AddColour(c.red, c.green, c.blue);
        while (leafCount_ > maxColours_) ReduceTree();
      }
    }
  }
}

void OctreeQuantizer::AddColour(uint8_t red, uint8_t green, uint8_t blue) {
  const uint32_t colour = static_cast<uint32_t>(red << 16 | green << 8 | blue);
  Node* node = colour == lastColour_ ? lastLeaf_ : nullptr;
  if (node == nullptr) node = FindLeaf(red, green, blue);
  lastColour_ = colour;
  lastLeaf_ = node;
  ++node->pixelCount;
  node->redSum += red;
  node->greenSum += green;
  node->blueSum += blue;
}

OctreeQuantizer::Node* OctreeQuantizer::FindLeaf(uint8_t red, uint8_t green, uint8_t blue) {
  if (!root_) {
    root_ = std::make_unique<Node>();
    reducible_[0] = root_.get();
  }
  Node* node = root_.get();
  uint32_t level = 0;
  while (!node->leaf) {
    const int shift = 7 - static_cast<int>(level);
    const int index =
        (((red >> shift) & 1) << 2) | (((green >> shift) & 1) << 1) | ((blue >> shift) & 1);
    std::unique_ptr<Node>& child = node->children[index];
    ++level;
    if (!child) {
      child = std::make_unique<Node>();
      if (level == colourBits_) {
        child->leaf = true;
        ++leafCount_;
      } else {
        child->nextReducible = reducible_[level];
        reducible_[level] = child.get();
      }
    }
    node = child.get();
  }
  return node;
}

void OctreeQuantizer::ReduceTree() {
  int level = kLevels - 1;
  while (level > 0 && reducible_[level] == nullptr) --level;
  Node* node = reducible_[level];
  if (node == nullptr) {
    // Only the root is left and it is already a leaf: nothing can merge any more.
    leafCount_ = std::min(leafCount_, maxColours_);
    return;
  }
  // The remembered leaf may be among the children freed below.
  lastLeaf_ = nullptr;
  reducible_[level] = node->nextReducible;
  node->nextReducible = nullptr;
  uint32_t children = 0;
  for (std::unique_ptr<Node>& child : node->children) {
    if (!child) continue;
    node->pixelCount += child->pixelCount;
    node->redSum += child->redSum;
    node->greenSum += child->greenSum;
    node->blueSum += child->blueSum;
    child.reset();
    ++children;
  }
  node->leaf = true;
  leafCount_ -= children - 1;
}

uint32_t OctreeQuantizer::GetPalette(RgbQuad* out) const {
  uint32_t count = 0;
  if (root_) CollectPalette(*root_, out, count);
  return count;
}

void OctreeQuantizer::CollectPalette(const Node& node, RgbQuad* out, uint32_t& count) {
  if (node.leaf) {
    if (count >= 256 || node.pixelCount == 0) return;
    out[count++] = {static_cast<uint8_t>(node.blueSum / node.pixelCount),
                    static_cast<uint8_t>(node.greenSum / node.pixelCount),
                    static_cast<uint8_t>(node.redSum / node.pixelCount), 0};
    return;
  }
  for (const std::unique_ptr<Node>& child : node.children) {
    if (child) CollectPalette(*child, out, count);
  }
}

}  // namespace tavolo
