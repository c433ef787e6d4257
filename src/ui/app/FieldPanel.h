// The field panel on the right of the main window: one caption and one text editor per text box
// of the current layout. The editors are made anew whenever the card document replaces the text,
// and report every change of their text with the box's lines. A caption is marked while its box
// holds a line too wide for it.
#pragma once

#include <QObject>
#include <QRect>
#include <QStringList>
#include <array>
#include <optional>

#include "core/card/CardState.h"
#include "core/render/MissingFonts.h"

class QPlainTextEdit;
class QWidget;

namespace tavolo {

class FieldCaption;

class FieldPanel final : public QObject {
  Q_OBJECT

 public:
  // Editors and captions are made as children of `host`.
  explicit FieldPanel(QWidget* host);

  // Places the editors and captions in `panel` (the field panel rectangle of the host).
  void Place(const QRect& panel);
  const QRect& Panel() const { return panel_; }

  int Count() const { return count_; }
  QPlainTextEdit* Editor(int box) const;
  FieldCaption* Caption(int box) const;

  // Replaces every editor by `boxCount` new ones, editor b showing `lines[b]` (its first `count`
  // lines joined by line breaks, none after the last).
  void Rebuild(int boxCount, const std::array<TextBoxLines, kTextBoxCount>& lines);
  // The lines editor `box` holds, empty ones included; none for a box without an editor.
  QStringList Lines(int box) const;
  // Marks the caption of `box` while `tooWide` (lines too wide for the box) is not empty or the
  // box's face is not installed, and names those lines and the face in its tooltip.
  void ShowTooWideLines(int box, const QStringList& tooWide,
                        const std::optional<MissingFace>& missingFace = std::nullopt);

 Q_SIGNALS:
  // The user changed the text of box `box`; it is now `lines`.
  void edited(int box, const QStringList& lines);
  // The caption of box `box` was pressed.
  void captionPressed(int box);
  // New editors stand in the panel (the old ones are gone).
  void rebuilt();

 private:
  bool HasBox(int box) const;

  QWidget* host_;
  QRect panel_;
  int count_ = 0;
  std::array<QPlainTextEdit*, kTextBoxCount> editors_{};
  std::array<FieldCaption*, kTextBoxCount> captions_{};
};

}  // namespace tavolo
