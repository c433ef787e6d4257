#include "ui/app/FieldPanel.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <algorithm>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"
#include "ui/app/FieldCaption.h"
#include "ui/app/MainWindowPlacement.h"

namespace tavolo {

namespace {

// Functions, not constants: the texts are looked up once the user's catalogue is installed.
QString EditorTip() {
  return Tr("Edit your text here");
}
QString CaptionTip() {
  return Tr("Push to change text and frame options");
}
QString TooWideTip() {
  return Tr("Line too wide for its box: \u201C%1\u201D");
}
// The editors type in Arial at 150 twips; the card draws each box in its own style.
constexpr qreal kEditorPoints = 7.5;

QString JoinLines(const TextBoxLines& lines) {
  QStringList joined;
  const int count = std::clamp(lines.count, 0, kMaxLinesPerBox);
  for (int i = 0; i < count; ++i) joined << lines.line[i];
  return joined.join(QLatin1Char('\n'));
}

}  // namespace

FieldPanel::FieldPanel(QWidget* host) : QObject(host), host_(host) {}

QPlainTextEdit* FieldPanel::Editor(int box) const {
  return HasBox(box) ? editors_[box] : nullptr;
}

FieldCaption* FieldPanel::Caption(int box) const {
  return HasBox(box) ? captions_[box] : nullptr;
}

void FieldPanel::Place(const QRect& panel) {
  panel_ = panel;
  for (int box = 0; box < count_; ++box) {
    captions_[box]->setGeometry(FieldCaptionRect(panel_, count_, box));
    editors_[box]->setGeometry(FieldEditorRect(panel_, count_, box));
  }
}

void FieldPanel::Rebuild(int boxCount, const std::array<TextBoxLines, kTextBoxCount>& lines) {
  // The user typing in a box goes on typing in the new editor of that box (or the last one).
  int focused = -1;
  for (int box = 0; box < count_; ++box) {
    // The window's focus widget, even while another window is active (a dialog, at start-up).
    if (editors_[box]->window()->focusWidget() == editors_[box]) focused = box;
    delete editors_[box];
    delete captions_[box];
    editors_[box] = nullptr;
    captions_[box] = nullptr;
  }
  count_ = std::clamp(boxCount, 0, kTextBoxCount);
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(kEditorPoints);
  font.setBold(false);
  QWidget* previous = nullptr;
  for (int box = 0; box < count_; ++box) {
    auto* caption = new FieldCaption(host_);
    caption->setObjectName(QString::number(kFirstFieldCaption + box));
    caption->SetCaption(Tr("Field %1").arg(box + 1));
    caption->setToolTip(CaptionTip());
    connect(caption, &FieldCaption::clicked, this, [this, box] { Q_EMIT captionPressed(box); });

    auto* editor = new QPlainTextEdit(host_);
    editor->setObjectName(QString::number(kFirstFieldEditor + box));
    editor->setToolTip(EditorTip());
    editor->setFont(font);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setTabChangesFocus(true);
    // Undo and redo belong to the card (Ctrl+Z, Ctrl+Y), not to the editor.
    editor->setUndoRedoEnabled(false);
    editor->setPlainText(JoinLines(lines[box]));
    connect(editor, &QPlainTextEdit::textChanged, this,
            [this, box] { Q_EMIT edited(box, Lines(box)); });

    // Each caption is followed by its editor in the Tab order.
    if (previous != nullptr) QWidget::setTabOrder(previous, caption);
    QWidget::setTabOrder(caption, editor);
    previous = editor;
    captions_[box] = caption;
    editors_[box] = editor;
  }
  Place(panel_);
  for (int box = 0; box < count_; ++box) {
    captions_[box]->show();
    editors_[box]->show();
  }
  if (focused >= 0 && count_ > 0) editors_[std::min(focused, count_ - 1)]->setFocus();
  Q_EMIT rebuilt();
}

bool FieldPanel::HasBox(int box) const {
  return box >= 0 && box < count_ && editors_[box] != nullptr;
}

QStringList FieldPanel::Lines(int box) const {
  QStringList lines;
  if (!HasBox(box)) return lines;
  for (QTextBlock block = editors_[box]->document()->begin(); block.isValid();
       block = block.next()) {
    lines << block.text();
  }
  return lines;
}

void FieldPanel::ShowTooWideLines(int box, const QStringList& tooWide,
                                  const std::optional<MissingFace>& missingFace) {
  FieldCaption* caption = Caption(box);
  if (caption == nullptr) return;
  caption->SetMarked(!tooWide.isEmpty() || missingFace);
  if (tooWide.isEmpty() && !missingFace) {
    caption->setToolTip(CaptionTip());
    return;
  }
  // The typed lines go in escaped, as rich text: a line that looks like markup shows as typed.
  QStringList tip;
  if (missingFace) {
    tip << Tr("The font %1 is not installed; %2 stands in for it.")
               .arg(missingFace->face, missingFace->standIn)
               .toHtmlEscaped();
  }
  for (const QString& line : tooWide) tip << TooWideTip().arg(line).toHtmlEscaped();
  tip << QString(CaptionTip()).toHtmlEscaped();
  caption->setToolTip(
      QStringLiteral("<p style='white-space:pre'>%1</p>").arg(tip.join(QStringLiteral("<br>"))));
}

}  // namespace tavolo
