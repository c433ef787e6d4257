// The template library: the ready-made cards four at a time, with paging, and beside them the
// eleven fields of the card's text. "Continue" (or the close box, or Escape) hands the selected
// template back to the caller, which makes it the current card; "Continue" also hands over the
// typed fields when every starred one is filled, or the user agrees to go on without them.
//
// At start-up the same dialog is first the loading window "Loading... Please Wait": it shows the
// loading picture while the background library and every template are read on a worker thread
// (the window stays responsive), and turns into the library once the reading is done and more
// than 5 seconds have passed since it opened. TAVOLO_NO_SPLASH_WAIT=1 drops the 5 seconds.
#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>
#include <thread>

#include "core/card/CardState.h"
#include "core/card/LayoutTable.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/TemplateTable.h"

class QLineEdit;

namespace tavolo {

class BackgroundTable;
class FieldNameLabel;
class PillButton;
class Prompts;
class TemplatePreviewCell;

class TemplateLibraryDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { Loading, Library };

  static constexpr QSize kClientSize{751, 501};
  static constexpr int kCellCount = 4;
  static constexpr int kTickMilliseconds = 30;
  static constexpr qint64 kLoadingMinimumMilliseconds = 5000;
  // The first line of each field is read with room for this many characters.
  static constexpr int kFieldLength = 100;
  // Control ids: cells 50000 to 50003, the buttons, editors 50300 to 50310, labels 50311 to 50321.
  static constexpr int kFirstCell = 50000;
  static constexpr int kPreviousPage = 50101;
  static constexpr int kNextPage = 50102;
  static constexpr int kContinue = 50103;
  static constexpr int kFirstEditor = 50300;
  static constexpr int kFirstLabel = 50311;

  // Milliseconds of a steady clock; tests hand in one they move themselves.
  using Clock = std::function<qint64()>;

  // Loading mode fills `backgrounds` and the template table; library mode reloads the table first
  // when it was marked changed. Every message goes through `prompts`. Both must outlive the
  // dialog.
  TemplateLibraryDialog(Mode mode, BackgroundTable& backgrounds, Prompts& prompts,
                        QWidget* parent = nullptr, Clock clock = {});
  ~TemplateLibraryDialog() override;
  TemplateLibraryDialog(const TemplateLibraryDialog&) = delete;
  TemplateLibraryDialog& operator=(const TemplateLibraryDialog&) = delete;

  // The field labels, the starred ones being those the user is asked to fill.
  static const NamedValues& FieldNames();
  // Re-reads the template table, telling the user of every preview that could not be opened;
  // 0 on success.
  int ReloadTmps();
  // Releases every template and preview; 0 on success.
  static int FreeTmps();

  bool IsLoading() const { return loading_; }
  // The background library and the templates are still being read (or are yet to be).
  bool IsReading() const { return loading_ && (reading_ || !readingStarted_); }

  // --- What the caller takes when the dialog has closed ----------------------------------------
  // The selected template's card, or null when none was selected.
  const CardState* ChosenTemplate() const;
  // The typed fields when the library closed through "Continue" with them taken.
  const std::optional<NamedValues>& TakenFieldValues() const { return taken_; }
  // The library closed through "Continue" (with or without the fields).
  bool ClosedByContinue() const { return closedByContinue_; }

  // --- The library's state and controls (null until the library is shown) -------------------
  int FirstShown() const { return firstShown_; }
  int SelectedIndex() const { return selected_; }
  TemplatePreviewCell* Cell(int k) const;
  QLineEdit* FieldEditor(int field) const;
  FieldNameLabel* FieldLabel(int field) const;
  PillButton* PreviousPageButton() const { return previous_; }
  PillButton* NextPageButton() const { return next_; }
  PillButton* ContinueButton() const { return continue_; }

 public Q_SLOTS:
  // The close box and Escape: the selection stays and is applied by the caller. While the
  // reading runs the window closes as soon as it is done.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Reading {
    BackgroundLoadResult backgrounds;
    TemplateReload templates;
  };

  void StartReading();
  void FinishReading(const Reading& reading);
  void Tell(const std::vector<std::string>& messages);
  void OnTick();
  int InitTmpDlg();
  int ResetPrevs();
  void OnCell(int k);
  void OnStep(int k, int step);
  void OnPage(bool forward);
  void OnContinue();
  void ClearCheckMarks();

  BackgroundTable& backgrounds_;
  Prompts& prompts_;
  Clock clock_;
  bool loading_;
  bool waitOut_ = true;
  bool readingStarted_ = false;
  bool reading_ = false;
  bool closeWhenRead_ = false;
  std::thread reader_;
  QTimer timer_;
  qint64 startTime_ = 0;
  QImage loadingPicture_;

  int firstShown_ = 0;
  int selected_ = -1;
  std::optional<NamedValues> taken_;
  bool closedByContinue_ = false;

  std::array<TemplatePreviewCell*, kCellCount> cells_{};
  std::array<QLineEdit*, kNamedValueCount> editors_{};
  std::array<FieldNameLabel*, kNamedValueCount> labels_{};
  PillButton* previous_ = nullptr;
  PillButton* next_ = nullptr;
  PillButton* continue_ = nullptr;
};

// True unless the environment variable TAVOLO_NO_SPLASH_WAIT is "1".
bool LoadingWaitWanted();

}  // namespace tavolo
