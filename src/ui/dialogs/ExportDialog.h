// Export Options: the file format of an exported card and, for JPEG and TIFF, its quality. OK
// takes them; Cancel, Escape and the close box cancel.
#pragma once

#include <map>

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace tavolo {

class ExportDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ExportDialog(int format, int quality, QWidget* parent = nullptr);

  // The chosen format code and quality (0 to 100).
  int Format() const { return format_; }
  int Quality() const;

  QRadioButton& FormatButton(int format) const { return *buttons_.at(format); }
  QSpinBox& QualityBox() const { return *quality_; }

 private:
  void Choose(int format);

  int format_;
  std::map<int, QRadioButton*> buttons_;
  QSpinBox* quality_ = nullptr;
};

}  // namespace tavolo
