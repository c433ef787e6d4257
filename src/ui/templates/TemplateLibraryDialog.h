// The template library: the ready-made cards four at a time, with paging, and beside them the
// eleven fields of the card's text. "Continue" (or the close box, or Escape) hands the selected
// template back to the caller, which makes it the current card; "Continue" also hands over the
// typed fields when every starred one is filled, or the user agrees to go on without them. The
// close box and Escape drop typed fields only when the user agrees to discard them.
// "Open a Saved Card..." (Ctrl+O) and the recent cards hand back a card file instead.
// At start-up it follows the loading window, which has read the templates already.
#pragma once

#include <QDialog>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/card/CardState.h"
#include "core/card/LayoutTable.h"

class QLineEdit;
class QMenu;

namespace tavolo {

class BackgroundTable;
class FieldNameLabel;
class PillButton;
class Prompts;
class TemplatePreviewCell;

class TemplateLibraryDialog : public QDialog {
  Q_OBJECT

 public:
  // At start-up the table is current; opened by New Project it is read again when it was marked
  // changed. The caption tells the two apart.
  enum class Opened { AtStartUp, ByNewProject };

  static constexpr QSize kClientSize{751, 501};
  static constexpr int kCellCount = 4;
  // The first line of each field is read with room for this many characters.
  static constexpr int kFieldLength = 100;
  // Control ids: cells 50000 to 50003, the buttons, editors 50300 to 50310, labels 50311 to 50321.
  static constexpr int kFirstCell = 50000;
  static constexpr int kPreviousPage = 50101;
  static constexpr int kNextPage = 50102;
  static constexpr int kContinue = 50103;
  static constexpr int kOpenCard = 50104;
  static constexpr int kRecentCards = 50105;
  static constexpr int kFirstEditor = 50300;
  static constexpr int kFirstLabel = 50311;

  // The table is read with `backgrounds`; every message goes through `prompts`. Both must
  // outlive the dialog.
  TemplateLibraryDialog(Opened opened, BackgroundTable& backgrounds, Prompts& prompts,
                        QWidget* parent = nullptr);

  // Re-reads the template table, telling the user of every preview that could not be opened;
  // 0 on success.
  int ReloadTemplates();
  // Releases every template and preview; 0 on success.
  static int FreeTemplates();

  // --- What the caller takes when the dialog has closed ----------------------------------------
  // The selected template's card, or null when none was selected or a card file was chosen.
  const CardState* ChosenTemplate() const;
  // The typed fields when the library closed through "Continue" with them taken.
  const std::optional<ContactDetails>& TakenDetails() const { return taken_; }
  // The library closed through "Continue" (with or without the fields).
  bool ClosedByContinue() const { return closedByContinue_; }
  // The saved card the user chose to open, or empty.
  const std::filesystem::path& ChosenCard() const { return chosenCard_; }

  // --- The library's state and controls -------------------------------------------------------
  int FirstShown() const { return firstShown_; }
  int SelectedIndex() const { return selected_; }
  TemplatePreviewCell* Cell(int k) const;
  QLineEdit* FieldEditor(int field) const;
  FieldNameLabel* FieldLabel(int field) const;
  PillButton* PreviousPageButton() const { return previous_; }
  PillButton* NextPageButton() const { return next_; }
  PillButton* ContinueButton() const { return continue_; }
  PillButton* OpenCardButton() const { return openCard_; }
  PillButton* RecentCardsButton() const { return recent_; }
  // The recent cards' menu as "Recent Cards" shows it, made anew from the user's settings.
  QMenu* RecentCardsMenu();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Tell(const std::vector<std::string>& messages);
  int BuildControls();
  int ShowPage();
  void OnCell(int k);
  void OnStep(int k, int step);
  void OnPage(bool forward);
  void OnContinue();
  void OnOpenCard();
  void OnRecentCard(const QString& file);
  // Closes the library on `file` once typed details may go.
  void OpenCard(const QString& file);
  void ClearCheckMarks();
  // True when no field holds text, or the user agreed to discard what they hold.
  bool MayDiscardDetails();

  BackgroundTable& backgrounds_;
  Prompts& prompts_;

  int firstShown_ = 0;
  int selected_ = -1;
  std::optional<ContactDetails> taken_;
  bool closedByContinue_ = false;
  std::filesystem::path chosenCard_;

  std::array<TemplatePreviewCell*, kCellCount> cells_{};
  std::array<QLineEdit*, kContactFieldCount> editors_{};
  std::array<FieldNameLabel*, kContactFieldCount> labels_{};
  PillButton* previous_ = nullptr;
  PillButton* next_ = nullptr;
  PillButton* continue_ = nullptr;
  PillButton* openCard_ = nullptr;
  PillButton* recent_ = nullptr;
  QMenu* recentMenu_ = nullptr;
};

}  // namespace tavolo
