// The properties of an object the user added, edited live: a shape's stroke colour and width, its
// fill colour or none and a rectangle's corner radius; a text box's lines and their alignment. OK
// records the visit as one step, Cancel puts the card back (see LiveEditDialog).
#pragma once

#include "core/editing/ObjectEditing.h"
#include "ui/dialogs/LiveEditDialog.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPlainTextEdit;

namespace tavolo {

class ColourLine;

class ObjectPropertiesDialog : public LiveEditDialog {
  Q_OBJECT

 public:
  // `object` must be an added object of the preview's face.
  ObjectPropertiesDialog(CardView& preview, ObjectRef object, QWidget* parent = nullptr);

  QPlainTextEdit* Lines() const { return lines_; }
  QComboBox* Horizontal() const { return horizontal_; }
  QComboBox* Vertical() const { return vertical_; }
  QDoubleSpinBox* StrokeWidth() const { return strokeWidth_; }
  QCheckBox* Filled() const { return filled_; }
  QDoubleSpinBox* CornerRadius() const { return cornerRadius_; }
  ColourLine* Stroke() const { return stroke_; }
  ColourLine* Fill() const { return fill_; }

 private:
  void BuildText(const TextSource& text);
  void BuildShape(const ShapeSource& shape);
  template <class Source, class Change>
  void ChangeSource(Change&& change);

  ObjectRef object_;
  QPlainTextEdit* lines_ = nullptr;
  QComboBox* horizontal_ = nullptr;
  QComboBox* vertical_ = nullptr;
  ColourLine* stroke_ = nullptr;
  QDoubleSpinBox* strokeWidth_ = nullptr;
  QCheckBox* filled_ = nullptr;
  ColourLine* fill_ = nullptr;
  QDoubleSpinBox* cornerRadius_ = nullptr;
};

}  // namespace tavolo
