// The field panel on the right of the main window: one caption and one text editor per text box
// of the current layout. It is the card document's FieldEditors: the document reads the boxes'
// lines from the editors and has them made anew for each layout and card.
#pragma once

#include <QObject>
#include <QRect>
#include <array>

#include "core/card/FieldEditors.h"

class QPlainTextEdit;
class QWidget;

namespace tavolo {

class FieldCaption;

class FieldPanel final : public QObject, public FieldEditors {
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

  // FieldEditors and LineSource.
  void Rebuild(int boxCount, const std::array<TextBoxLines, kTextBoxCount>& lines) override;
  bool HasBox(int box) const override;
  int LineCount(int box) const override;
  QString Line(int box, int index) const override;

 Q_SIGNALS:
  // The editors are about to be made anew; rebuilt() follows.
  void aboutToRebuild();
  // The user changed the text of box `box`.
  void edited(int box);
  // The caption of box `box` was pressed.
  void captionPressed(int box);
  // New editors stand in the panel (the old ones are gone).
  void rebuilt();

 private:
  QWidget* host_;
  QRect panel_;
  int count_ = 0;
  std::array<QPlainTextEdit*, kTextBoxCount> editors_{};
  std::array<FieldCaption*, kTextBoxCount> captions_{};
};

}  // namespace tavolo
