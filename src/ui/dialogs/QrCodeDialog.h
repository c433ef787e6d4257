// Edit → Insert QR Code…: what the card's QR code holds (the contact details, the website or its
// own text), its colours and its size, with the code previewed as it is encoded. A card without a
// code gets a new one while the dialog is open. Every change shows on the card at once; OK keeps
// the visit as one step, Remove takes the code off the card (also one step), Cancel restores the
// card.
#pragma once

#include <QString>

#include "core/card/PlacedQrCode.h"
#include "ui/dialogs/LiveEditDialog.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;

namespace tavolo {

class ColourLine;

class QrCodeDialog : public LiveEditDialog {
  Q_OBJECT

 public:
  explicit QrCodeDialog(CardView& preview, QWidget* parent = nullptr);

  // The code's own text, its size in millimetres, the preview and what it says when nothing can
  // be encoded.
  QPlainTextEdit* FreeTextEditor() const { return freeText_; }
  QRadioButton* ContentButton(QrContent content) const;
  QSpinBox* SizeBox() const { return size_; }
  QLabel* Preview() const { return preview_; }
  QLabel* Problem() const { return problem_; }
  // Says where a new code went when no corner was free; null otherwise.
  QLabel* PlacementNote() const { return placement_; }

 private:
  void Connect();
  // Changes the live card's code and shows it.
  template <class Change>
  void ChangeCode(Change&& change) {
    ChangeLive([&](CardState& card) {
      PlacedQrCode code = card.qrCode.value_or(NewQrCode(card.cardWidth, card.cardHeight));
      change(code);
      card.qrCode = code;
    });
    ShowCode();
  }
  void ShowCode();
  void Remove();

  QRadioButton* contact_ = nullptr;
  QRadioButton* website_ = nullptr;
  QRadioButton* text_ = nullptr;
  QPlainTextEdit* freeText_ = nullptr;
  ColourLine* dark_ = nullptr;
  ColourLine* light_ = nullptr;
  QCheckBox* lightOnDark_ = nullptr;
  QSpinBox* size_ = nullptr;
  QLabel* preview_ = nullptr;
  QLabel* problem_ = nullptr;
  QLabel* placement_ = nullptr;
};

}  // namespace tavolo
