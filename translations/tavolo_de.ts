<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
  <context>
    <name>Tavolo</name>
    <message>
      <location filename="../src/core/card/CardSize.cpp" line="70" />
      <source>Please enter a number.</source>
      <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
    <message>
      <location filename="../src/core/card/ColourTargets.cpp" line="21" />
      <source>Text Colors</source>
      <translation>Textfarben</translation>
    </message>
    <message>
      <location filename="../src/core/card/ColourTargets.cpp" line="23" />
      <source>Frame Colors</source>
      <translation>Rahmenfarben</translation>
    </message>
    <message>
      <location filename="../src/core/card/ColourTargets.cpp" line="27" />
      <source>Background Color</source>
      <translation>Hintergrundfarbe</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="21" />
      <source>Company Name</source>
      <translation>Firmenname</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="22" />
      <source>Name</source>
      <translation>Name</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="23" />
      <source>Title</source>
      <translation>Position</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="24" />
      <source>Address Line 1</source>
      <translation>Adresszeile 1</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="25" />
      <source>Address Line 2</source>
      <translation>Adresszeile 2</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="26" />
      <source>City, State/Province</source>
      <translation>Ort, Bundesland/Kanton</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="27" />
      <source>Zip/Postal Code</source>
      <translation>Postleitzahl</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="28" />
      <source>Email Address</source>
      <translation>E-Mail-Adresse</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="29" />
      <source>Website Address</source>
      <translation>Website</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="30" />
      <source>Phone Number 1</source>
      <translation>Telefonnummer 1</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="31" />
      <source>Phone Number 2</source>
      <translation>Telefonnummer 2</translation>
    </message>
    <message>
      <location filename="../src/core/card/StyleInputs.cpp" line="32" />
      <source>Top to Bottom</source>
      <translation>Von oben nach unten</translation>
    </message>
    <message>
      <location filename="../src/core/card/StyleInputs.cpp" line="33" />
      <source>Left to Right</source>
      <translation>Von links nach rechts</translation>
    </message>
    <message>
      <location filename="../src/core/card/StyleInputs.cpp" line="34" />
      <source>Bottom to Top</source>
      <translation>Von unten nach oben</translation>
    </message>
    <message>
      <location filename="../src/core/card/StyleInputs.cpp" line="35" />
      <source>Right to Left</source>
      <translation>Von rechts nach links</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateWriter.cpp" line="23" />
      <source>Please enter a name for the template.</source>
      <translation>Bitte geben Sie einen Namen für die Vorlage ein.</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateWriter.cpp" line="26" />
      <source>"%1" cannot be the name of a template.</source>
      <translation>„%1“ kann nicht der Name einer Vorlage sein.</translation>
    </message>
    <message>
      <location filename="../src/core/print/LengthDisplay.cpp" line="108" />
      <source>Please enter a number between %1 and %2.</source>
      <translation>Bitte geben Sie eine Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/AboutDialog.cpp" line="19" />
      <source>About Tavolo...</source>
      <translation>Über Tavolo...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/AboutDialog.cpp" line="27" />
      <source>Version %1</source>
      <translation>Version %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FatalErrorDialog.cpp" line="30" />
      <source>Fatal Error</source>
      <translation>Schwerwiegender Fehler</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FatalErrorDialog.cpp" line="40" />
      <source>Retry</source>
      <translation>Wiederholen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FatalErrorDialog.cpp" line="43" />
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldCaption.cpp" line="95" />
      <source>Text Options</source>
      <translation>Textoptionen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldCaption.cpp" line="99" />
      <source>%1 caption</source>
      <translation>Beschriftung %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" line="19" />
      <source>Edit your text here</source>
      <translation>Text hier bearbeiten</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" line="22" />
      <source>Push to change text and frame options</source>
      <translation>Klicken, um Text- und Rahmenoptionen zu ändern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" line="25" />
      <source>Line too wide for its box: “%1”</source>
      <translation>Zeile zu breit für ihr Feld: „%1“</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" line="76" />
      <source>Field %1</source>
      <translation>Feld %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" line="44" />
      <source>Tavolo Help</source>
      <translation>Tavolo-Hilfe</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" line="47" />
      <source>Back</source>
      <translation>Zurück</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" line="49" />
      <source>Forward</source>
      <translation>Vorwärts</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" line="51" />
      <source>Home</source>
      <translation>Startseite</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" line="52" />
      <source>Close</source>
      <translation>Schließen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" line="64" />
      <source>Contents</source>
      <translation>Inhalt</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="90" />
      <source>Push to see more backgrounds</source>
      <translation>Klicken, um weitere Hintergründe zu sehen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="92" />
      <source>Prev.</source>
      <translation>Zurück</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="95" />
      <source>Next</source>
      <translation>Weiter</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="98" />
      <source>Push to change background options</source>
      <translation>Klicken, um die Hintergrundoptionen zu ändern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="99" />
      <source>Background options</source>
      <translation>Hintergrundoptionen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="100" />
      <source>Drag to change background hue</source>
      <translation>Ziehen, um den Farbton des Hintergrunds zu ändern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="103" />
      <source>Drag to change background saturation</source>
      <translation>Ziehen, um die Sättigung des Hintergrunds zu ändern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="106" />
      <source>Drag to change background lightness</source>
      <translation>Ziehen, um die Helligkeit des Hintergrunds zu ändern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="109" />
      <source>Click to change background image</source>
      <translation>Klicken, um das Hintergrundbild zu ändern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="113" />
      <source>Click to change text layout</source>
      <translation>Klicken, um das Textlayout zu ändern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="116" />
      <source>Background hue</source>
      <translation>Farbton des Hintergrunds</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="117" />
      <source>Background saturation</source>
      <translation>Sättigung des Hintergrunds</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="118" />
      <source>Background lightness</source>
      <translation>Helligkeit des Hintergrunds</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="119" />
      <source>Backgrounds</source>
      <translation>Hintergründe</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="120" />
      <source>Card preview</source>
      <translation>Kartenvorschau</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="121" />
      <source>Text layouts</source>
      <translation>Textlayouts</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="25" />
      <source>Insert Photo...	Ctrl+I</source>
      <translation>Foto einfügen...	Ctrl+I</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="28" />
      <source>Edit Photo...	Ctrl+I</source>
      <translation>Foto bearbeiten...	Ctrl+I</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="31" />
      <source>Insert Logo...</source>
      <translation>Logo einfügen...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="34" />
      <source>Edit Logo...</source>
      <translation>Logo bearbeiten...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="40" />
      <source>&amp;File</source>
      <translation>&amp;Datei</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="42" />
      <source>&amp;Edit</source>
      <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="44" />
      <source>&amp;Templates</source>
      <translation>&amp;Vorlagen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="46" />
      <source>&amp;Layouts</source>
      <translation>&amp;Layouts</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="48" />
      <source>&amp;Window</source>
      <translation>Fe&amp;nster</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="50" />
      <source>&amp;Help</source>
      <translation>&amp;Hilfe</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="64" />
      <source>New Blank Project</source>
      <translation>Neues leeres Projekt</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="66" />
      <source>&amp;New Project...	Ctrl+N</source>
      <translation>&amp;Neues Projekt...	Ctrl+N</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="67" />
      <source>&amp;Load Project... 	Ctrl+L</source>
      <translation>Projekt &amp;laden... 	Ctrl+L</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="69" />
      <source>&amp;Save Project...	Ctrl+S</source>
      <translation>Projekt &amp;speichern...	Ctrl+S</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="71" />
      <source>Save Project &amp;As...</source>
      <translation>Projekt speichern &amp;unter...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="73" />
      <source>Import Background...</source>
      <translation>Hintergrund importieren...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="76" />
      <source>Export Image...</source>
      <translation>Bild exportieren...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="78" />
      <source>&amp;Print...	Ctrl+P</source>
      <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="79" />
      <source>&amp;Merge...</source>
      <translation>Ser&amp;iendruck...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="80" />
      <source>Print Setup...</source>
      <translation>Druckereinrichtung...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="82" />
      <source>Exit	Alt+F4</source>
      <translation>Beenden	Alt+F4</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="84" />
      <source>Undo 	Ctrl+Z</source>
      <translation>Rückgängig 	Ctrl+Z</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="85" />
      <source>Redo 	Ctrl+Y</source>
      <translation>Wiederherstellen 	Ctrl+Y</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="87" />
      <source>Copy</source>
      <translation>Kopieren</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="90" />
      <source>Delete Photo</source>
      <translation>Foto löschen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="93" />
      <source>Delete Logo</source>
      <translation>Logo löschen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="95" />
      <source>Insert QR Code...</source>
      <translation>QR-Code einfügen...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="97" />
      <source>Text Colors...</source>
      <translation>Textfarben...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="98" />
      <source>Frame Colors...</source>
      <translation>Rahmenfarben...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="99" />
      <source>Background Color...</source>
      <translation>Hintergrundfarbe...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="102" />
      <source>Card Properties...</source>
      <translation>Karteneigenschaften...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="105" />
      <source>Contact &amp;Details...</source>
      <translation>&amp;Kontaktdaten...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="108" />
      <source>Back side</source>
      <translation>Rückseite</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="109" />
      <source>Show Front</source>
      <translation>Vorderseite zeigen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="111" />
      <source>Show Back</source>
      <translation>Rückseite zeigen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="114" />
      <source>New from Template...	 Ctrl+N</source>
      <translation>Neu aus Vorlage...	 Ctrl+N</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="116" />
      <source>Save Template...</source>
      <translation>Vorlage speichern...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="121" />
      <source>Layout %1</source>
      <translation>Layout %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="126" />
      <source>Text Field %1...</source>
      <translation>Textfeld %1...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="129" />
      <source>Background Options...</source>
      <translation>Hintergrundoptionen...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="132" />
      <source>Zoom &amp;In	Ctrl++</source>
      <translation>Ver&amp;größern	Ctrl++</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="134" />
      <source>Zoom &amp;Out	Ctrl+-</source>
      <translation>Ver&amp;kleinern	Ctrl+-</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="135" />
      <source>Zoom to &amp;Fit	Ctrl+0</source>
      <translation>&amp;Einpassen	Ctrl+0</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="143" />
      <source>Tavolo Help	F1</source>
      <translation>Tavolo-Hilfe	F1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="145" />
      <source>About Tavolo</source>
      <translation>Über Tavolo</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="211" />
      <source>Recent &amp;Projects</source>
      <translation>&amp;Zuletzt verwendete Projekte</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="41" />
      <source>Would you like to save changes before closing?</source>
      <translation>Möchten Sie die Änderungen vor dem Schließen speichern?</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="61" />
      <source>Load Project</source>
      <translation>Projekt laden</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="61" />
      <source>TVC files(*.tvc)|*.tvc||</source>
      <translation>TVC-Dateien(*.tvc)|*.tvc||</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="70" />
      <source>%1 was not found. It has been removed from Recent Projects.</source>
      <translation>%1 wurde nicht gefunden und aus den zuletzt verwendeten Projekten entfernt.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="85" />
      <source>%1 is not a Tavolo card.</source>
      <translation>%1 ist keine Tavolo-Karte.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="102" />
      <source>%1: %2; the card itself was read whole.</source>
      <translation>%1: %2; die Karte selbst wurde vollständig gelesen.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="126" />
      <source>Save Project</source>
      <translation>Projekt speichern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="126" />
      <source>tvc files(*.tvc)|*.tvc||</source>
      <translation>TVC-Dateien(*.tvc)|*.tvc||</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="146" />
      <source>Import Background</source>
      <translation>Hintergrund importieren</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_Help.cpp" line="24" />
      <source>The help pages could not be found: %1 is missing.</source>
      <translation>Die Hilfeseiten wurden nicht gefunden: %1 fehlt.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_Templates.cpp" line="36" />
      <source>A template named "%1" exists already. Replace it?

Choose No to give this one another name.</source>
      <translation>Eine Vorlage namens „%1“ ist bereits vorhanden. Ersetzen?

Wählen Sie „Nein“, um dieser einen anderen Namen zu geben.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_Templates.cpp" line="48" />
      <source>The template "%1" could not be saved in the templates folder %2.

%3</source>
      <translation>Die Vorlage „%1“ konnte nicht im Vorlagenordner %2 gespeichert werden.

%3</translation>
    </message>
    <message>
      <location filename="../src/ui/app/main.cpp" line="76" />
      <source>Tavolo opens one card at a time: %1 is open. These were not opened:%2</source>
      <translation>Tavolo öffnet jeweils nur eine Karte: %1 ist geöffnet. Diese Dateien wurden nicht geöffnet:%2</translation>
    </message>
    <message>
      <location filename="../src/ui/choosers/BackgroundChooser.cpp" line="69" />
      <source>Background %1: %2</source>
      <translation>Hintergrund %1: %2</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" line="20" />
      <source>Background Options</source>
      <translation>Hintergrundoptionen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" line="34" />
      <source>Background &amp;Shift</source>
      <translation>Hintergrund&amp;verschiebung</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" line="35" />
      <source>Gradient S&amp;cale</source>
      <translation>Verlaufs&amp;maßstab</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" line="36" />
      <source>Gradient &amp;Orientation</source>
      <translation>Verlaufs&amp;richtung</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" line="37" />
      <source>Background Co&amp;lor</source>
      <translation>Hintergrund&amp;farbe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" line="38" />
      <source>&amp;Brightness</source>
      <translation>&amp;Helligkeit</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" line="39" />
      <source>Card properties</source>
      <translation>Karteneigenschaften</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" line="67" />
      <source>&amp;Width:</source>
      <translation>&amp;Breite:</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" line="68" />
      <source>&amp;Height:</source>
      <translation>&amp;Höhe:</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" line="69" />
      <source>&amp;DPI:</source>
      <translation>&amp;DPI:</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" line="55" />
      <source>Object:</source>
      <translation>Objekt:</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" line="59" />
      <source>Saturation (across) and lightness (down)</source>
      <translation>Sättigung (waagerecht) und Helligkeit (senkrecht)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" line="63" />
      <source>Hue</source>
      <translation>Farbton</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" line="92" />
      <source>Ok</source>
      <translation>OK</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" line="119" />
      <source>Color Options: '%1'</source>
      <translation>Farboptionen: „%1“</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" line="23" />
      <source>Contact Details</source>
      <translation>Kontaktdaten</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportDialog.cpp" line="34" />
      <source>Export Options</source>
      <translation>Exportoptionen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportDialog.cpp" line="36" />
      <source>Export file format</source>
      <translation>Dateiformat für den Export</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportDialog.cpp" line="57" />
      <source>&amp;Quality</source>
      <translation>&amp;Qualität</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportImage.cpp" line="41" />
      <source>Export Image</source>
      <translation>Bild exportieren</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportImage.cpp" line="56" />
      <source>The card was not exported. %1</source>
      <translation>Die Karte wurde nicht exportiert. %1</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" line="61" />
      <source>Draft Card Preview</source>
      <translation>Kartenvorschau (Entwurf)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" line="65" />
      <source>Drag the picture into place, or move it with the arrow keys</source>
      <translation>Ziehen Sie das Bild an seinen Platz oder verschieben Sie es mit den Pfeiltasten</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" line="75" />
      <source>P&amp;ath:</source>
      <translation>P&amp;fad:</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" line="88" />
      <source>&amp;Scale:</source>
      <translation>&amp;Maßstab:</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" line="187" />
      <source>%1 could not be opened as a picture: %2</source>
      <translation>%1 konnte nicht als Bild geöffnet werden: %2</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" line="17" />
      <source>Logo Options</source>
      <translation>Logooptionen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" line="18" />
      <source>&amp;Load Logo</source>
      <translation>Logo &amp;laden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" line="19" />
      <source>Load Logo</source>
      <translation>Logo laden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" line="32" />
      <source>&amp;Rotate Clockwise</source>
      <translation>Im &amp;Uhrzeigersinn drehen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="37" />
      <source>line %1: %2</source>
      <translation>Zeile %1: %2</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="39" />
      <source>%1 record(s) left out (%2).</source>
      <translation>%1 Datensatz/Datensätze ausgelassen (%2).</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="55" />
      <source>Merge</source>
      <translation>Seriendruck</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="70" />
      <source>&amp;First</source>
      <translation>&amp;Erster</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="71" />
      <source>&amp;Previous</source>
      <translation>&amp;Vorheriger</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="72" />
      <source>&amp;Next</source>
      <translation>&amp;Nächster</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="73" />
      <source>&amp;Last</source>
      <translation>&amp;Letzter</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="85" />
      <source>P&amp;rint...</source>
      <translation>&amp;Drucken...</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="86" />
      <source>&amp;Export...</source>
      <translation>E&amp;xportieren...</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="108" />
      <source>Record %1 of %2</source>
      <translation>Datensatz %1 von %2</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="118" />
      <source>The card's resolution is %1 dpi. Set a resolution above 0 in the card's properties before printing.</source>
      <translation>Die Auflösung der Karte beträgt %1 dpi. Stellen Sie vor dem Drucken in den Karteneigenschaften eine Auflösung über 0 ein.</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="148" />
      <source>Export Cards</source>
      <translation>Karten exportieren</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="163" />
      <source>The cards were not all exported. %1</source>
      <translation>Nicht alle Karten wurden exportiert. %1</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeCommand.cpp" line="19" />
      <source>Contacts (*.csv *.vcf *.txt);;All files (*)</source>
      <translation>Kontakte (*.csv *.vcf *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeMappingDialog.cpp" line="25" />
      <source>Merge: Columns</source>
      <translation>Seriendruck: Spalten</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeMappingDialog.cpp" line="28" />
      <source>Choose the field of the card that each column fills. Columns set to "(none)" are not used.</source>
      <translation>Wählen Sie für jede Spalte das Kartenfeld, das sie füllt. Spalten mit „(keines)“ werden nicht verwendet.</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeMappingDialog.cpp" line="33" />
      <source>Column</source>
      <translation>Spalte</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeMappingDialog.cpp" line="33" />
      <source>First record</source>
      <translation>Erster Datensatz</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeMappingDialog.cpp" line="33" />
      <source>Field</source>
      <translation>Feld</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeMappingDialog.cpp" line="44" />
      <source>(none)</source>
      <translation>(keines)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" line="22" />
      <source>Trim &amp;left</source>
      <translation>&amp;Links beschneiden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" line="23" />
      <source>Trim &amp;right</source>
      <translation>&amp;Rechts beschneiden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" line="24" />
      <source>Trim &amp;top</source>
      <translation>&amp;Oben beschneiden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" line="25" />
      <source>Trim &amp;bottom</source>
      <translation>&amp;Unten beschneiden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" line="45" />
      <source>Photo Options</source>
      <translation>Fotooptionen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" line="46" />
      <source>Load &amp;Photo</source>
      <translation>&amp;Foto laden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" line="47" />
      <source>Load Photo</source>
      <translation>Foto laden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="44" />
      <source>QR Code</source>
      <translation>QR-Code</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="53" />
      <source>&amp;Contact details</source>
      <translation>&amp;Kontaktdaten</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="54" />
      <source>&amp;Website</source>
      <translation>&amp;Website</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="55" />
      <source>&amp;Free text</source>
      <translation>&amp;Freier Text</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="64" />
      <source>Content</source>
      <translation>Inhalt</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="70" />
      <source>Light on d&amp;ark</source>
      <translation>Hell auf d&amp;unkel</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="71" />
      <source>Da&amp;rk color</source>
      <translation>D&amp;unkle Farbe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="72" />
      <source>&amp;Light color</source>
      <translation>&amp;Helle Farbe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="76" />
      <source>&amp;Size</source>
      <translation>&amp;Größe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="91" />
      <source>R&amp;emove</source>
      <translation>&amp;Entfernen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="30" />
      <source>&amp;None</source>
      <translation>&amp;Keiner</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="30" />
      <source>E&amp;xact</source>
      <translation>E&amp;xakt</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="30" />
      <source>&amp;Left</source>
      <translation>&amp;Links</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="30" />
      <source>&amp;Right</source>
      <translation>&amp;Rechts</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="30" />
      <source>Card Lon&amp;g</source>
      <translation>Karten&amp;breit</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="99" />
      <source>S&amp;hrink to fit</source>
      <translation>&amp;Verkleinern, bis es passt</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="102" />
      <source>Draw a line too wide for its box smaller until it fits (not below 6 pt)</source>
      <translation>Eine für ihr Feld zu breite Zeile kleiner zeichnen, bis sie passt (nicht unter 6 pt)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="104" />
      <source>&amp;Font</source>
      <translation>&amp;Schriftart</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="106" />
      <source>Si&amp;ze</source>
      <translation>&amp;Größe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="108" />
      <source>St&amp;yle</source>
      <translation>Schrift&amp;schnitt</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="110" />
      <source>&amp;Color</source>
      <translation>&amp;Farbe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="121" />
      <source>Frame</source>
      <translation>Rahmen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="138" />
      <source>F&amp;ill Color</source>
      <translation>F&amp;üllfarbe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="140" />
      <source>Fra&amp;me Size</source>
      <translation>Rahmen&amp;größe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="142" />
      <source>&amp;Opacity</source>
      <translation>&amp;Deckkraft</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PageLayoutNameDialog.cpp" line="15" />
      <source>Save As Template</source>
      <translation>Als Vorlage speichern</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PageLayoutNameDialog.cpp" line="18" />
      <source>&amp;Template Name:</source>
      <translation>&amp;Name der Vorlage:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PageLayoutNameDialog.cpp" line="22" />
      <source>&amp;Save</source>
      <translation>&amp;Speichern</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintCommands.cpp" line="88" />
      <source>Print Setup</source>
      <translation>Druckereinrichtung</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintCommands.cpp" line="94" />
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="54" />
      <source>Card &amp;Width</source>
      <translation>Karten&amp;breite</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="57" />
      <source>Card &amp;Height</source>
      <translation>Karten&amp;höhe</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="59" />
      <source>Hori&amp;zontal Pitch</source>
      <translation>&amp;Waagerechter Abstand</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="61" />
      <source>&amp;Vertical Pitch</source>
      <translation>&amp;Senkrechter Abstand</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="63" />
      <source>&amp;Left Margin</source>
      <translation>&amp;Linker Rand</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="64" />
      <source>&amp;Top Margin</source>
      <translation>&amp;Oberer Rand</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="75" />
      <source>&amp;inches</source>
      <translation>&amp;Zoll</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="76" />
      <source>&amp;cm</source>
      <translation>&amp;cm</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="77" />
      <source>m&amp;m</source>
      <translation>m&amp;m</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="110" />
      <source>Print Preview</source>
      <translation>Druckvorschau</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="151" />
      <source>The number of sheets to print</source>
      <translation>Die Anzahl der zu druckenden Bogen</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="153" />
      <source>C&amp;opies:</source>
      <translation>&amp;Exemplare:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="157" />
      <source>&amp;Print </source>
      <translation>&amp;Drucken </translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="177" />
      <source>Sheet</source>
      <translation>Bogen</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="178" />
      <source>&amp;Use Predefined Page Layouts</source>
      <translation>&amp;Vordefinierte Seitenlayouts verwenden</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="191" />
      <source>L&amp;ayout:</source>
      <translation>L&amp;ayout:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="193" />
      <source>Pape&amp;r:</source>
      <translation>Pa&amp;pier:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="200" />
      <source>Printer:</source>
      <translation>Drucker:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="216" />
      <source>Card size and spacing</source>
      <translation>Kartengröße und Abstände</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="220" />
      <source>Units:</source>
      <translation>Einheiten:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="254" />
      <source>&amp;Save As Template</source>
      <translation>Als Vorlage &amp;speichern</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="263" />
      <source>Draft Card preview</source>
      <translation>Kartenvorschau (Entwurf)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="273" />
      <source>Draft Page Preview</source>
      <translation>Seitenvorschau (Entwurf)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="283" />
      <source>Print shop and printer calibration</source>
      <translation>Druckerei und Druckerkalibrierung</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="309" />
      <source>Use the sheet's card size</source>
      <translation>Kartengröße des Bogens verwenden</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="312" />
      <source>Print at the card's size</source>
      <translation>In der Größe der Karte drucken</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="320" />
      <source>How far the card's edges are printed past the cut</source>
      <translation>Wie weit die Ränder der Karte über den Schnitt hinaus gedruckt werden</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="321" />
      <source>Crop mar&amp;ks</source>
      <translation>Schnittmar&amp;ken</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="323" />
      <source>&amp;Bleed:</source>
      <translation>Beschni&amp;tt:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="342" />
      <source>Offset &amp;X:</source>
      <translation>Versatz &amp;X:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="344" />
      <source>Offset &amp;Y:</source>
      <translation>Versatz &amp;Y:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="346" />
      <source>Scal&amp;e:</source>
      <translation>Skalierun&amp;g:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="351" />
      <source>Print Calibration Pa&amp;ge</source>
      <translation>Kalibrierungsseite dr&amp;ucken</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="357" />
      <source>Both sides</source>
      <translation>Beidseitig</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="360" />
      <source>Each sheet is followed by a page of the cards' backs</source>
      <translation>Auf jeden Bogen folgt eine Seite mit den Rückseiten der Karten</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="363" />
      <source>Long edge</source>
      <translation>Lange Kante</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="364" />
      <source>Short edge</source>
      <translation>Kurze Kante</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="365" />
      <source>The edge the printer turns the sheet over</source>
      <translation>Die Kante, über die der Drucker den Bogen wendet</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="467" />
      <source>Some page layouts could not be read:</source>
      <translation>Einige Seitenlayouts konnten nicht gelesen werden:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="476" />
      <source>No page layouts were found in %1.</source>
      <translation>In %1 wurden keine Seitenlayouts gefunden.</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="505" />
      <source>%1 (the layout's paper is not offered)</source>
      <translation>%1 (das Papier des Layouts wird nicht angeboten)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="524" />
      <source>A page layout named "%1" exists already. Replace it?</source>
      <translation>Ein Seitenlayout namens „%1“ ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="614" />
      <source>Print Calibration Page to PDF</source>
      <translation>Kalibrierungsseite als PDF drucken</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="648" />
      <source>The card and the sheet's cards differ in size: choose "Use the sheet's card size" or "Print at the card's size".</source>
      <translation>Die Karte und die Karten des Bogens sind verschieden groß: Wählen Sie „Kartengröße des Bogens verwenden“ oder „In der Größe der Karte drucken“.</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="672" />
      <source>PDF files (*.pdf)</source>
      <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="677" />
      <source>Print to PDF</source>
      <translation>Als PDF drucken</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" line="41" />
      <source>Printing sheet %1 of %2...</source>
      <translation>Bogen %1 von %2 wird gedruckt...</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" line="51" />
      <source>The printer is not available.</source>
      <translation>Der Drucker ist nicht verfügbar.</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" line="60" />
      <source>The printer reported an error.</source>
      <translation>Der Drucker hat einen Fehler gemeldet.</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" line="96" />
      <source>The cards could not be printed on %1. %2</source>
      <translation>Die Karten konnten nicht auf %1 gedruckt werden. %2</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrinterChoice.cpp" line="35" />
      <source>PDF file</source>
      <translation>PDF-Datei</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/FillNowDialog.cpp" line="13" />
      <source>We recommend to fill-in the fields marked with * now. However you can also fill, edit or remove these fields later.</source>
      <translation>Wir empfehlen, die mit * markierten Felder jetzt auszufüllen. Sie können diese Felder aber auch später ausfüllen, bearbeiten oder entfernen.</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/FillNowDialog.cpp" line="15" />
      <source>Fill Now</source>
      <translation>Jetzt ausfüllen</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/FillNowDialog.cpp" line="16" />
      <source>Continue Anyway</source>
      <translation>Trotzdem fortfahren</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/LoadingWindow.cpp" line="39" />
      <source>Loading... Please Wait</source>
      <translation>Wird geladen... Bitte warten</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" line="59" />
      <source>Template Library</source>
      <translation>Vorlagenbibliothek</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" line="61" />
      <source>Tavolo: Template Library</source>
      <translation>Tavolo: Vorlagenbibliothek</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" line="136" />
      <source>Previous Page</source>
      <translation>Vorherige Seite</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" line="137" />
      <source>Next Page</source>
      <translation>Nächste Seite</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" line="138" />
      <source>Continue</source>
      <translation>Weiter</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateNameDialog.cpp" line="23" />
      <source>Save Template</source>
      <translation>Vorlage speichern</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateNameDialog.cpp" line="26" />
      <source>Save the card as a template named:</source>
      <translation>Karte als Vorlage speichern unter dem Namen:</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateNameDialog.cpp" line="35" />
      <source>Templates are kept in %1; "New from Template..." lists them.</source>
      <translation>Vorlagen werden in %1 aufbewahrt; „Neu aus Vorlage...“ listet sie auf.</translation>
    </message>
  </context>
</TS>
