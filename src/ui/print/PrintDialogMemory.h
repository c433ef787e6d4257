// What the print dialog keeps in the user's settings from one opening to the next: the paper, the
// sheet product or predefined layout, the unit, the bleed, the crop marks and both sides with the
// edge the sheet is turned over.
#pragma once

#include <QLocale>

#include "core/print/SheetMarks.h"
#include "ui/print/BothSidesGroup.h"
#include "ui/print/SheetProductGroup.h"

namespace tavolo {

class PrintDialogMemory {
 public:
  // What was kept. Whatever is missing or unreadable is the default: no paper (the printer's),
  // the custom layout, millimetres (inches where `locale` measures as the US does), no bleed,
  // no crop marks, one side, the long edge.
  static PrintDialogMemory Load(const QLocale& locale = QLocale());
  void Save() const;

  // The paper's name, the layout's unit, its origin and its product.
  SheetProductChoice sheet;
  PrintShopOptions shop;
  BothSidesChoice bothSides;
};

}  // namespace tavolo
