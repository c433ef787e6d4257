// Card properties: the card's width and height, each shown in a unit of the user's choice
// (inches, cm, mm or pixels), and its resolution. The size in pixels
// stays as it is while units and resolution change; typing a size changes it. OK refuses a size
// or resolution no card can have, with a message, and keeps the dialog open.
#pragma once

#include <QDialog>

#include "core/card/CardState.h"

class QComboBox;
class QLineEdit;

namespace tavolo {

class Prompts;

// What the dialog ends with.
struct CardSizeChoice {
  float width = kDefaultCardWidth;
  float height = kDefaultCardHeight;
  int dpi = 300;
  int widthUnit = 3;
  int heightUnit = 3;
};

class CardPropertiesDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows the size, units and resolution of `card`; without one 1062 × 615 pixels at 300 dpi.
  // The messages go through `prompts`, which must outlive the dialog.
  CardPropertiesDialog(const CardState* card, Prompts& prompts, QWidget* parent = nullptr);

  // The size in pixels, units and resolution; what OK leaves.
  const CardSizeChoice& Choice() const { return choice_; }

  QLineEdit& WidthEdit() const { return *width_; }
  QLineEdit& HeightEdit() const { return *height_; }
  QComboBox& WidthUnit() const { return *widthUnit_; }
  QComboBox& HeightUnit() const { return *heightUnit_; }
  QComboBox& Resolution() const { return *dpi_; }

  void accept() override;

 private:
  // The edits show the pixel size in their units at the selected resolution.
  void Display();
  void Edited(QLineEdit* edit);
  float SelectedDpi() const;

  void Tell(const QString& text);

  Prompts& prompts_;
  CardSizeChoice choice_;
  QLineEdit* width_ = nullptr;
  QLineEdit* height_ = nullptr;
  QComboBox* widthUnit_ = nullptr;
  QComboBox* heightUnit_ = nullptr;
  QComboBox* dpi_ = nullptr;
};

}  // namespace tavolo
