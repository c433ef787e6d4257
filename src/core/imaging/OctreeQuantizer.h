// OctreeQuantizer: finds a palette of at most 256 colours for an image by building an octree of its
// colours and folding the deepest branches together until few enough leaves remain.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "core/imaging/RasterImage.h"

namespace tavolo {

class OctreeQuantizer {
 public:
  // maxColours is kept within 1..256 and colourBits within 1..8.
  OctreeQuantizer(uint32_t maxColours, uint32_t colourBits);
  OctreeQuantizer(const OctreeQuantizer&) = delete;
  OctreeQuantizer& operator=(const OctreeQuantizer&) = delete;
  ~OctreeQuantizer();

  // Adds every pixel: stored rows first to last, pixels left to right, palette pictures through
  // their palette.
  void ProcessImage(const RasterImage& image);
  // Fills out (room for 256 entries) with one colour per leaf, children visited in index order,
  // and returns the number of entries written.
  uint32_t GetPalette(RgbQuad* out) const;
  uint32_t GetLeafCount() const { return leafCount_; }

 private:
  static constexpr int kLevels = 8;

  struct Node {
    bool leaf = false;
    uint64_t pixelCount = 0;
    uint64_t redSum = 0;
    uint64_t greenSum = 0;
    uint64_t blueSum = 0;
    std::array<std::unique_ptr<Node>, 8> children;
    // The next reducible node of the same level; the lists own nothing.
    Node* nextReducible = nullptr;
  };

  void AddColour(uint8_t red, uint8_t green, uint8_t blue);
  // Descends to the colour's leaf, creating the missing nodes on the way.
  Node* FindLeaf(uint8_t red, uint8_t green, uint8_t blue);
  void ReduceTree();
  static void CollectPalette(const Node& node, RgbQuad* out, uint32_t& count);

  std::unique_ptr<Node> root_;
  std::array<Node*, kLevels> reducible_{};
  uint32_t leafCount_ = 0;
  // The leaf of the last colour added: runs of one colour need no descent.
  Node* lastLeaf_ = nullptr;
  uint32_t lastColour_ = 0;
  uint32_t maxColours_;
  uint32_t colourBits_;
};

}  // namespace tavolo
