// What a screen reader is told, and the program in German and French.
#include <QAccessible>
#include <QAction>
#include <QMenuBar>
#include <QTranslator>

#include "core/base/Translation.h"
#include "core/card/BackgroundTable.h"
#include "core/card/FieldNames.h"
#include "core/print/LengthDisplay.h"
#include "tests/ui/ShownWindow.h"
#include "ui/app/CommandIds.h"
#include "ui/app/FieldCaption.h"
#include "ui/app/FieldPanel.h"
#include "ui/app/MainWindowPlacement.h"
#include "ui/choosers/BackgroundChooser.h"
#include "ui/choosers/LayoutChooser.h"

namespace tavolo {
namespace {

using test::ControlTest;

using test::ShownWindow;

QAccessibleInterface* Accessible(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget);
}

TEST_F(ControlTest, OwnerDrawnControlsAndChooserCellsTellTheirNameAndRole) {
  ShownWindow shown;
  MainWindow& window = shown.window;
  QAccessibleInterface* backgrounds = Accessible(window.findChild<BackgroundChooser*>());
  QAccessibleInterface* layouts = Accessible(window.findChild<LayoutChooser*>());
  ASSERT_GE(backgrounds->childCount(), 2);
  ASSERT_EQ(layouts->childCount(), 11);
  const std::tuple<QAccessibleInterface*, QString, QAccessible::Role> cases[] = {
      {backgrounds, "Backgrounds", QAccessible::List},
      {backgrounds->child(1), "Background 2: bg1", QAccessible::ListItem},
      {layouts->child(2), "Layout 3", QAccessible::ListItem},
      {layouts->child(10), "Custom", QAccessible::ListItem},
      {Accessible(window.Fields().Caption(1)), "Field 2 caption", QAccessible::Button},
      {Accessible(window.Control(kBackgroundOptionsButton)), "Background options",
       QAccessible::PushButton},
      {Accessible(window.Control(kHueSlider)), "Background hue", QAccessible::Slider},
  };
  for (const auto& [item, name, role] : cases) {
    ASSERT_NE(item, nullptr) << name.toStdString();
    EXPECT_EQ(item->text(QAccessible::Name), name);
    EXPECT_EQ(item->role(), role) << name.toStdString();
  }
  // The cell tells where it is on the screen and whether it is the chosen one.
  QAccessibleInterface* chosen = layouts->child(0);
  EXPECT_TRUE(chosen->state().selected);
  EXPECT_FALSE(layouts->child(1)->state().selected);
  EXPECT_EQ(layouts->childAt(chosen->rect().center().x(), chosen->rect().center().y()), chosen);
  EXPECT_EQ(layouts->indexOfChild(chosen), 0);
}

TEST_F(ControlTest, TheGermanAndFrenchCataloguesLoadAndTranslateTheMenus) {
  // The template library's field labels too.
  const std::tuple<QLocale, QStringList, QString, QString> cases[] = {
      {QLocale(QLocale::German, QLocale::Germany),
       {"&Datei", "&Bearbeiten", "&Einfügen", "&Anordnen", "&Vorlagen", "&Layouts", "Fe&nster",
        "&Hilfe"},
       "&Drucken...\tCtrl+P",
       "Firmenname*"},
      {QLocale(QLocale::French, QLocale::France),
       {"&Fichier", "&Édition", "&Insertion", "&Organiser", "&Modèles", "&Dispositions", "Fe&nêtre",
        "&Aide"},
       "&Imprimer...\tCtrl+P",
       "Nom de l'entreprise*"},
  };
  QCoreApplication& app = *QCoreApplication::instance();
  for (const auto& [locale, menus, print, label] : cases) {
    ASSERT_TRUE(InstallTranslations(app, TAVOLO_BIN_DIR "/translations", locale));
    {
      ShownWindow shown;
      QStringList shownMenus;
      for (QAction* menu : shown.window.menuBar()->actions()) shownMenus << menu->text();
      EXPECT_EQ(shownMenus, menus);
      EXPECT_EQ(shown.window.Action(kCmdPrint)->text(), print);
      EXPECT_EQ(FieldLabels()[0], label);
    }
    // The translators belong to the application; deleting them uninstalls them.
    qDeleteAll(app.findChildren<QTranslator*>());
  }
  EXPECT_EQ(Tr("&File"), "&File");
  EXPECT_EQ(FieldLabels()[0], "Company Name*");
}

TEST(LocalNumbers, LengthsAreTypedAndShownWithTheLocalesDecimalSeparator) {
  const QLocale german(QLocale::German, QLocale::Germany);
  const std::tuple<QString, QLocale, std::optional<float>> cases[] = {
      {"2,5", german, 2.5f},       {"2.5", german, 2.5f},          {" 89,91 ", german, 89.91f},
      {"2.5", QLocale::c(), 2.5f}, {"2,5x", german, std::nullopt}, {"1000,5", german, std::nullopt},
  };
  for (const auto& [typed, locale, value] : cases) {
    EXPECT_EQ(ParseShownLength(typed, locale).value, value) << typed.toStdString();
  }
  EXPECT_EQ(DisplayText(2.5f, german), "2,5");
  EXPECT_EQ(DisplayText(1000.0f, german), "1000");
  EXPECT_EQ(DisplayText(236.22f), "236.22");
}

}  // namespace
}  // namespace tavolo
