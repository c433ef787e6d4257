#include "core/card/CardState.h"

#include <algorithm>

namespace tavolo {

PictureStore PicturesShownBy(const PictureStore& pool, const CardState& face) {
  PictureStore shown;
  for (const PictureKind kind : kPictureKinds) {
    const QString& hash = face.Picture(kind).hash;
    if (const StoredPicture* picture = pool.Find(hash)) shown.Put(hash, *picture);
  }
  return shown;
}

PictureStore PicturesOfCard(const CardState& card) {
  PictureStore shown = PicturesShownBy(card.pictures, card);
  if (card.back.Has()) {
    const CardState& back = card.back.Face();
    const PictureStore backs = PicturesShownBy(back.pictures, back);
    for (const auto& [hash, picture] : backs.Pictures()) shown.Put(hash, picture);
  }
  return shown;
}

void EmbedPicture(CardState& face, PictureKind kind, const QString& name,
                  std::vector<uint8_t> bytes) {
  face.Picture(kind).hash = face.pictures.Add(name, std::move(bytes));
  face.pictures = PicturesShownBy(face.pictures, face);
}

TextBoxLines KeptLines(const QStringList& lines) {
  TextBoxLines kept;
  kept.count = static_cast<int32_t>(std::min<qsizetype>(lines.size(), kMaxLinesPerBox));
  for (int i = 0; i < kept.count; ++i) kept.line[i] = lines[i].left(kMaxLineLength);
  return kept;
}

TextBoxLines KeptLines(const TextBoxLines& lines) {
  TextBoxLines kept;
  kept.count = std::clamp(lines.count, 0, kMaxLinesPerBox);
  for (int i = 0; i < kept.count; ++i) kept.line[i] = lines.line[i].left(kMaxLineLength);
  return kept;
}

void ResetForBlankProject(CardState& state) {
  for (TextBoxStyle& style : state.styles) {
    style.size = QStringLiteral("36");
    style.face = QStringLiteral("Arial");
    style.style = QStringLiteral("Regular");
    style.textColour = {0.0f, 0.0f, 0.0f};
    style.frameColour = {0.0f, 240.0f, 240.0f};
    style.frameMode = kFrameNone;
    style.frameSize = 8;
    style.reserved = 0;
    style.opacity = 0.0f;
    style.brightness = 0.0f;
  }
  state.bgShift = 0.0f;
  state.gradScale = 0.0f;
  state.gradOrientation = kGradTopToBottom;
  state.backgroundColour = {0.0f, 240.0f, 240.0f};
  state.bgBrightness = 1.0f;
  state.alignments.reset();
  state.custom.reset();
}

// The back holds a whole CardState, so its copies and comparison are made where that type is
// complete.
CardBack::CardBack() = default;

CardBack::CardBack(const CardState& face) : face_(std::make_unique<CardState>(face)) {
  // A back never has a back of its own.
  face_->back = CardBack();
}

CardBack::CardBack(const CardBack& other)
    : face_(other.face_ ? std::make_unique<CardState>(*other.face_) : nullptr) {}

CardBack::CardBack(CardBack&& other) noexcept = default;

CardBack& CardBack::operator=(const CardBack& other) {
  if (this != &other) face_ = other.face_ ? std::make_unique<CardState>(*other.face_) : nullptr;
  return *this;
}

CardBack& CardBack::operator=(CardBack&& other) noexcept = default;

CardBack::~CardBack() = default;

bool operator==(const CardBack& a, const CardBack& b) {
  if (!a.Has() || !b.Has()) return a.Has() == b.Has();
  return a.Face() == b.Face();
}

}  // namespace tavolo
