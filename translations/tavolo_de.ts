<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
  <context>
    <name>Tavolo</name>
    <message>
      <location filename="../src/cli/CardSheetsPdf.cpp" />
      <source>'%1' is not written: with --strict a picture left out is a failure</source>
      <translation>„%1“ wird nicht geschrieben: mit --strict ist ein ausgelassenes Bild ein Fehler</translation>
    </message>
    <message>
      <location filename="../src/cli/CardSheetsPdf.cpp" />
      <source>%1 check(s) failed; '%2' may be incomplete</source>
      <translation>%1 Prüfung(en) fehlgeschlagen; „%2“ ist möglicherweise unvollständig</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>warning: %1</source>
      <translation>Warnung: %1</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>%1 (try 'tavolo-cli %2 --help')</source>
      <translation>%1 (siehe „tavolo-cli %2 --help“)</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>unknown option '%1'</source>
      <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>more than one project file given</source>
      <translation>mehr als eine Projektdatei angegeben</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>%1 needs a value</source>
      <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>needs a project file</source>
      <translation>braucht eine Projektdatei</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>needs an output file (-o FILE)</source>
      <translation>braucht eine Ausgabedatei (-o DATEI)</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>the output '%1' is the input file; give another</source>
      <translation>die Ausgabe „%1“ ist die Eingabedatei; geben Sie eine andere an</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>more than %1 backgrounds; the rest are left out</source>
      <translation>mehr als %1 Hintergründe; die übrigen werden ausgelassen</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>%1: %2 (%3)</source>
      <translation>%1: %2 (%3)</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>%1: %2; the card itself is read whole</source>
      <translation>%1: %2; die Karte selbst wird vollständig gelesen</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>the project's background is not in the table; background %1 is drawn instead</source>
      <translation>der Hintergrund des Projekts ist nicht in der Tabelle; stattdessen wird Hintergrund %1 gezeichnet</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>the card's resolution is %1 dpi; printing needs one above 0</source>
      <translation>die Auflösung der Karte ist %1 dpi; zum Drucken muss sie über 0 liegen</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>Usage: tavolo-cli convert IN OUT [--format bmp|tga|pcx|png|gif|jpeg|tiff] [--quality N]
                          [--dpi N] [--max-pixels N]

Reads IN in any format the program knows and writes it to OUT. The format comes from OUT's
extension (.bmp .tga .pcx .png .gif .jpg .jpeg .tif .tiff) unless --format names it.
GIF files get a 256-colour palette with error diffusion (pictures that have a palette
keep it) and no resolution.

  --format NAME   the output format
  --quality N     JPEG quality, 0 to 100
  --dpi N         resolution to record, 1 to 65535 (default: that of IN)
  --max-pixels N  refuse a picture of more than N pixels, 1 to 268435456
                  (default 67108864, 64 megapixels)
</source>
      <translation>Aufruf: tavolo-cli convert IN OUT [--format bmp|tga|pcx|png|gif|jpeg|tiff] [--quality N]
                          [--dpi N] [--max-pixels N]

Liest IN in jedem Format, das das Programm kennt, und schreibt es nach OUT. Das Format ergibt
sich aus der Dateiendung von OUT (.bmp .tga .pcx .png .gif .jpg .jpeg .tif .tiff), sofern
--format es nicht angibt. GIF-Dateien erhalten eine Palette mit 256 Farben und Fehlerstreuung
(Bilder mit Palette behalten sie) und keine Auflösung.

  --format NAME   das Ausgabeformat
  --quality N     JPEG-Qualität, 0 bis 100
  --dpi N         zu speichernde Auflösung, 1 bis 65535 (Standard: die von IN)
  --max-pixels N  ein Bild mit mehr als N Pixeln ablehnen, 1 bis 268435456
                  (Standard 67108864, 64 Megapixel)
</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>Usage: tavolo-cli identify FILE [--max-pixels N]

Prints the width, height, bits per pixel, resolution and format of an image file.

  --max-pixels N  refuse a picture of more than N pixels, 1 to 268435456
                  (default 67108864, 64 megapixels)
</source>
      <translation>Aufruf: tavolo-cli identify DATEI [--max-pixels N]

Gibt Breite, Höhe, Bits pro Pixel, Auflösung und Format einer Bilddatei aus.

  --max-pixels N  ein Bild mit mehr als N Pixeln ablehnen, 1 bis 268435456
                  (Standard 67108864, 64 Megapixel)
</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>--max-pixels must be a number from 1 to %1</source>
      <translation>--max-pixels muss eine Zahl von 1 bis %1 sein</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>unknown format '%1'</source>
      <translation>unbekanntes Format „%1“</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>--quality must be a number from 0 to 100</source>
      <translation>--quality muss eine Zahl von 0 bis 100 sein</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>--dpi must be a number from 1 to 65535</source>
      <translation>--dpi muss eine Zahl von 1 bis 65535 sein</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>needs an input and an output file</source>
      <translation>braucht eine Eingabe- und eine Ausgabedatei</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>cannot tell the format from '%1': give a known extension or --format</source>
      <translation>das Format ist an „%1“ nicht zu erkennen: geben Sie eine bekannte Dateiendung oder --format an</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>cannot read '%1': %2</source>
      <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>GIF files carry no resolution; --dpi ignored</source>
      <translation>GIF-Dateien speichern keine Auflösung; --dpi wird ignoriert</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>cannot write '%1': %2</source>
      <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>needs exactly one file</source>
      <translation>braucht genau eine Datei</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>Usage: tavolo-cli merge PROJECT --data FILE -o OUT.pdf [--paper NAME|ID]
                        [--layout NAME|FILE.ptm] [--fit sheet|card] [--bleed MM]
                        [--crop-marks] [--offset X,Y] [--back long|short] [--pdfx]
                        [--cmyk PROFILE.icc] [--sheet NAME] [--map FIELD=COLUMN]...
                        [--strict]
       tavolo-cli merge PROJECT --data FILE -o 'DIR/{Name}.png' [--sheet NAME]
                        [--map FIELD=COLUMN]... [--overwrite] [--strict]
Makes one card per record of a data file: the project's (or template's) card, its
styles, background, pictures and layout, with the record's values as its contact details,
placed in its text boxes as the template library does. Into a PDF the cards fill the
sheets in order, as tavolo-cli print places them, however many there are (the PDF is made
on disk and replaces OUT.pdf only when it is whole); into images, one file per record.
  --data FILE             the records: a .vcf file of contacts, a spreadsheet (.ods or
                          .xlsx) or a CSV file (UTF-8 or Windows-1252; comma, semicolon
                          or tab) whose first line names the columns. Columns are
                          recognised by name in English, German, French, Italian and
                          Spanish, and as address books export them: Company, Name (or
                          First Name and Last Name), Title, Address, City, Zip, Email,
                          Website, Phone, Mobile and their usual variants
  --sheet NAME            the sheet of a spreadsheet to read (the first by default)
  -o, --output OUT        a .pdf of sheets, or an image name in which any field in braces
                          ({Name}, {Company}, ...) stands for the record's value; the format
                          comes from the extension; repeated names are numbered
  --overwrite             replace image files that exist already (without it, nothing is
                          written when one of the names is taken)
  --paper NAME|ID         the paper of the PDF, as for tavolo-cli print
  --layout NAME|FILE.ptm  the page layout of the PDF, as for tavolo-cli print
  --fit sheet|card        sheet: the cards take the layout's card size; card (the
                          default): each is printed at its own size, centred in its place
  --bleed MM, --crop-marks, --offset X,Y, --back long|short, --pdfx, --cmyk PROFILE.icc
                          as for tavolo-cli print; the card's back is printed as it is,
                          the same behind every record's card
  --map FIELD=COLUMN      fill FIELD from COLUMN (its name or number from 1), whatever the
                          names say; COLUMN+COLUMN joins several with a space, as in
                          "Name=First Name+Last Name"; may be given for several fields
  --strict                fail, writing nothing, when a record cannot make a card, its QR
                          code cannot be made or would not scan, or a picture cannot be
                          loaded (otherwise they are left out, with a warning naming the
                          record's line)
Exit status: 0 every record placed, 1 failure or records left out, 2 usage, 3 version
mismatch.
</source>
      <translation>Aufruf: tavolo-cli merge PROJEKT --data DATEI -o AUS.pdf [--paper NAME|ID]
                        [--layout NAME|DATEI.ptm] [--fit sheet|card] [--bleed MM]
                        [--crop-marks] [--offset X,Y] [--back long|short] [--pdfx]
                        [--cmyk PROFIL.icc] [--sheet NAME] [--map FELD=SPALTE]...
                        [--strict]
       tavolo-cli merge PROJEKT --data DATEI -o 'ORDNER/{Name}.png' [--sheet NAME]
                        [--map FELD=SPALTE]... [--overwrite] [--strict]
Erstellt eine Karte je Datensatz einer Datendatei: die Karte des Projekts (oder der Vorlage)
mit ihren Stilen, ihrem Hintergrund, ihren Bildern und ihrem Layout, mit den Werten des
Datensatzes als Kontaktdaten, in ihre Textfelder gesetzt wie in der Vorlagenbibliothek. In
einem PDF füllen die Karten die Bögen der Reihe nach, wie tavolo-cli print sie setzt, wie
viele es auch sind (das PDF entsteht auf der Festplatte und ersetzt AUS.pdf erst, wenn es
vollständig ist); als Bilder entsteht eine Datei je Datensatz.
  --data DATEI            die Datensätze: eine .vcf-Datei mit Kontakten, eine Tabelle (.ods
                          oder .xlsx) oder eine CSV-Datei (UTF-8 oder Windows-1252; Komma,
                          Semikolon oder Tabulator), deren erste Zeile die Spalten benennt.
                          Spalten werden am Namen erkannt, auf Englisch, Deutsch,
                          Französisch, Italienisch und Spanisch und so, wie Adressbücher sie
                          exportieren: Firma, Name (oder Vorname und Nachname), Position,
                          Straße, Ort, PLZ, E-Mail, Webseite, Telefon, Mobil und ihre
                          üblichen Varianten
  --sheet NAME            das Tabellenblatt, das gelesen wird (standardmäßig das erste)
  -o, --output AUS        ein .pdf mit Bögen oder ein Bildname, in dem jedes Feld in
                          geschweiften Klammern ({Name}, {Company}, ...) für den Wert des
                          Datensatzes steht; das Format ergibt sich aus der Dateiendung;
                          gleiche Namen werden nummeriert
  --overwrite             vorhandene Bilddateien ersetzen (ohne diese Option wird nichts
                          geschrieben, wenn einer der Namen vergeben ist)
  --paper NAME|ID         das Papier des PDF, wie bei tavolo-cli print
  --layout NAME|DATEI.ptm das Seitenlayout des PDF, wie bei tavolo-cli print
  --fit sheet|card        sheet: die Karten erhalten die Kartengröße des Layouts; card (der
                          Standard): jede wird in ihrer eigenen Größe gedruckt, zentriert
                          auf ihrem Platz
  --bleed MM, --crop-marks, --offset X,Y, --back long|short
                          wie bei tavolo-cli print; die Rückseite der Karte wird gedruckt,
                          wie sie ist, hinter der Karte jedes Datensatzes dieselbe
  --map FELD=SPALTE       FELD aus SPALTE füllen (ihr Name oder ihre Nummer ab 1), was
                          immer die Namen sagen; SPALTE+SPALTE verbindet mehrere mit einem
                          Leerzeichen, wie in "Name=Vorname+Nachname"; kann für mehrere
                          Felder angegeben werden
  --strict                fehlschlagen und nichts schreiben, wenn ein Datensatz keine Karte
                          ergibt, sein QR-Code nicht erzeugt werden kann oder nicht lesbar
                          wäre oder ein Bild nicht geladen werden kann (sonst werden sie
                          ausgelassen, mit einer Warnung, die die Zeile des Datensatzes nennt)
Rückgabewert: 0 jeder Datensatz platziert, 1 Fehler oder Datensätze ausgelassen, 2 Aufruf,
3 Versionskonflikt.
</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>%1 of %2 cards placed</source>
      <translation>%1 von %2 Karten platziert</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>nothing is written: with --strict a picture left out is a failure</source>
      <translation>es wird nichts geschrieben: mit --strict ist ein ausgelassenes Bild ein Fehler</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>nothing is written: %1 of the files exist already, such as '%2' (--overwrite replaces them)</source>
      <translation>es wird nichts geschrieben: %1 der Dateien gibt es schon, etwa „%2“ (--overwrite ersetzt sie)</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>the column '%1' fills no field: %2</source>
      <translation>die Spalte „%1“ füllt kein Feld: %2</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>%1 and %2 more</source>
      <translation>%1 und %2 weitere</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>the column(s) %1 fill no field of the card (--map FIELD=COLUMN uses one)</source>
      <translation>die Spalte(n) %1 füllen kein Feld der Karte (--map FELD=SPALTE verwendet eine)</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>--map %1</source>
      <translation>--map %1</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>%1: %2; it is left out</source>
      <translation>%1: %2; er wird ausgelassen</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>nothing is written: with --strict a record left out is a failure</source>
      <translation>es wird nichts geschrieben: mit --strict ist ein ausgelassener Datensatz ein Fehler</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>%1 gives no record to make a card of</source>
      <translation>%1 enthält keinen Datensatz, aus dem eine Karte entstehen kann</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>nothing is written: with --strict a QR code that cannot be read is a failure</source>
      <translation>es wird nichts geschrieben: mit --strict ist ein nicht lesbarer QR-Code ein Fehler</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>needs a data file (--data FILE)</source>
      <translation>braucht eine Datendatei (--data DATEI)</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>%1 is for a PDF; an image holds one card</source>
      <translation>%1 gilt für ein PDF; ein Bild enthält eine einzige Karte</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>cannot tell the format from '%1': give .pdf or an image extension such as .png</source>
      <translation>das Format ist an „%1“ nicht zu erkennen: geben Sie .pdf oder eine Bild-Dateiendung wie .png an</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>%1 of %2 records were left out</source>
      <translation>%1 von %2 Datensätzen wurden ausgelassen</translation>
    </message>
    <message>
      <location filename="../src/cli/PdfCommand.cpp" />
      <source>Usage: tavolo-cli pdf PROJECT -o CARD.pdf [--bleed MM] [--crop-marks] [--front-only]
                      [--pdfx] [--cmyk PROFILE.icc] [--strict]
Writes the card of a project or template file alone on a page, as print shops ask for it:
the page is the card's own size (Card Properties), plus the bleed on every side, plus room
for the crop marks when they are asked for. Each page says where it is cut (its TrimBox)
and how far the bleed reaches (its BleedBox). A card with a back gets a second page with
the back, as it reads (not mirrored), with the same bleed and marks.
  -o, --output CARD.pdf  the PDF to write
  --bleed MM             print 0 to 5 mm past the cut: the background runs on past the
                         card's edges, and so do the bands and frames that reach them;
                         0 by default
  --crop-marks           draw crop marks outside the cut lines
  --front-only           the front alone, on one page, even for a card with a back
  --pdfx                 write PDF/X-4: the sRGB output intent, XMP metadata, fonts
                         embedded
  --cmyk PROFILE.icc     every colour and picture in the CMYK ink of the print shop's
                         profile (transparency flattened), as PDF/X-4 with that profile
                         as its output intent
  --strict               fail, writing nothing, when the photo, the logo or the
                         background cannot be loaded (otherwise it is left out, with a
                         warning), or a font of the card is not installed (otherwise
                         another stands in, with a warning)
Exit status: 0 success, 1 failure, 2 usage, 3 version mismatch.
</source>
      <translation>Aufruf: tavolo-cli pdf PROJEKT -o KARTE.pdf [--bleed MM] [--crop-marks] [--front-only]
                      [--pdfx] [--cmyk PROFIL.icc] [--strict]
Schreibt die Karte einer Projekt- oder Vorlagendatei allein auf eine Seite, wie Druckereien es
verlangen: die Seite hat die eigene Größe der Karte (Karteneigenschaften), zuzüglich des
Beschnitts auf jeder Seite und, wenn gewünscht, Platz für die Schnittmarken. Jede Seite sagt,
wo geschnitten wird (ihre TrimBox) und wie weit der Beschnitt reicht (ihre BleedBox). Eine
Karte mit Rückseite erhält eine zweite Seite mit der Rückseite, lesbar (nicht gespiegelt),
mit demselben Beschnitt und denselben Marken.
  -o, --output KARTE.pdf das zu schreibende PDF
  --bleed MM             0 bis 5 mm über den Schnitt hinaus drucken: der Hintergrund läuft
                         über die Kartenränder hinaus weiter, ebenso die Bänder und Rahmen,
                         die sie erreichen; Standard 0
  --crop-marks           Schnittmarken außerhalb der Schnittlinien zeichnen
  --front-only           nur die Vorderseite, auf einer Seite, auch bei einer Karte mit
                         Rückseite
  --pdfx                 PDF/X-4 schreiben: die sRGB-Ausgabebedingung, XMP-Metadaten,
                         eingebettete Schriften
  --cmyk PROFIL.icc      jede Farbe und jedes Bild in der CMYK-Druckfarbe des Profils der
                         Druckerei (Transparenz reduziert), als PDF/X-4 mit diesem Profil
                         als Ausgabebedingung
  --strict               fehlschlagen und nichts schreiben, wenn Foto, Logo oder Hintergrund
                         nicht geladen werden können (sonst werden sie ausgelassen, mit einer
                         Warnung), oder eine Schrift der Karte nicht installiert ist (sonst
                         steht eine andere dafür ein, mit einer Warnung)
Rückgabewert: 0 Erfolg, 1 Fehler, 2 Aufruf, 3 Versionskonflikt.
</translation>
    </message>
    <message>
      <location filename="../src/cli/PdfCommand.cpp" />
      <source>--front-only and --back cannot be given together</source>
      <translation>--front-only und --back können nicht zusammen angegeben werden</translation>
    </message>
    <message>
      <location filename="../src/cli/PictureWarnings.cpp" />
      <source>the background %1 could not be loaded and is left out: there is no such background</source>
      <translation>der Hintergrund %1 konnte nicht geladen werden und wird ausgelassen: diesen Hintergrund gibt es nicht</translation>
    </message>
    <message>
      <location filename="../src/cli/PictureWarnings.cpp" />
      <source>the background %1 could not be loaded and is left out: %2</source>
      <translation>der Hintergrund %1 konnte nicht geladen werden und wird ausgelassen: %2</translation>
    </message>
    <message>
      <location filename="../src/cli/PictureWarnings.cpp" />
      <source>the photo '%1' could not be loaded and is left out: %2</source>
      <translation>das Foto „%1“ konnte nicht geladen werden und wird ausgelassen: %2</translation>
    </message>
    <message>
      <location filename="../src/cli/PictureWarnings.cpp" />
      <source>the logo '%1' could not be loaded and is left out: %2</source>
      <translation>das Logo „%1“ konnte nicht geladen werden und wird ausgelassen: %2</translation>
    </message>
    <message>
      <location filename="../src/cli/PictureWarnings.cpp" />
      <source>the font "%1" is not installed; "%2" stands in for it</source>
      <translation>die Schrift „%1“ ist nicht installiert; „%2“ steht dafür ein</translation>
    </message>
    <message>
      <location filename="../src/cli/PictureWarnings.cpp" />
      <source>%1 placed objects of a kind this version does not know are left out</source>
      <translation>%1 platzierte Objekte einer Art, die diese Version nicht kennt, werden weggelassen</translation>
    </message>
    <message>
      <location filename="../src/cli/PictureWarnings.cpp" />
      <source>the QR code is left out: %1</source>
      <translation>der QR-Code wird ausgelassen: %1</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintCommand.cpp" />
      <source>Usage: tavolo-cli print PROJECT -o SHEET.pdf [--paper NAME|ID] [--layout NAME|FILE.ptm]
                        [--sheets N] [--fit sheet|card] [--bleed MM] [--crop-marks]
                        [--offset X,Y] [--back long|short] [--pdfx]
                        [--cmyk PROFILE.icc] [--strict]
Prints the card of a project or template file many to a sheet into a PDF, as the print
dialog places it: the card at its own size (Card Properties), never stretched, at every
place of the layout's grid, measured from the paper's top-left corner. Text stays text in
its embedded fonts and fills stay shapes; the background, photo and logo are stored once
however many cards and sheets there are.
  -o, --output SHEET.pdf  the PDF to write
  --paper NAME|ID         the paper: a name or key such as A4, Letter, Legal, A5 or Env10,
                          or a Windows paper number (1 Letter, 9 A4). By default the
                          layout's paper, or without --layout the locale's (A4, or Letter
                          in the Americas that use it)
  --layout NAME|FILE.ptm  a predefined page layout by its name (see the program folder's
                          abctmp), or a page-layout file. Without it the cards are centred
                          on the paper as the print dialog does when the paper changes
  --sheets N              the number of sheets (pages), 1 to 1000; 1 by default
  --fit sheet|card        when the card and the layout's card size differ by more than
                          0.5 mm: sheet gives the card the layout's size (its text
                          reflows), card prints it at its own size centred in each place
                          and cut to it. Without --fit such a card is refused
  --bleed MM              print 0 to 5 mm of the card's edges past each cut, so that a
                          cut a little off the line leaves no white edge: the background
                          runs on past the card's edges, and so do the bands and frames
                          that reach them; 0 by default
  --crop-marks            draw crop marks outside the cut lines
  --offset X,Y            move everything X mm right and Y mm down (-10 to 10 each), to
                          make up for a printer that prints off the mark
  --back long|short       print the card's back too: each sheet is followed by a page of
                          backs, mirrored so that each lands behind its front when the
                          sheet is turned over its long edge (long) or its short edge
                          (short), as the printer's two-sided setting says
  --pdfx                  write PDF/X-4: the sRGB output intent, XMP metadata, fonts
                          embedded
  --cmyk PROFILE.icc      every colour and picture in the CMYK ink of the print shop's
                          profile (transparency flattened), as PDF/X-4 with that
                          profile as its output intent
  --strict                fail, writing nothing, when the photo, the logo or the
                          background cannot be loaded (otherwise it is left out of the
                          cards, with a warning), or a font of the card is not installed
                          (otherwise another stands in, with a warning)
Exit status: 0 success, 1 failure, 2 usage, 3 version mismatch.
</source>
      <translation>Aufruf: tavolo-cli print PROJEKT -o BOGEN.pdf [--paper NAME|ID] [--layout NAME|DATEI.ptm]
                        [--sheets N] [--fit sheet|card] [--bleed MM] [--crop-marks]
                        [--offset X,Y] [--back long|short] [--pdfx]
                        [--cmyk PROFIL.icc] [--strict]
Druckt die Karte einer Projekt- oder Vorlagendatei vielfach auf einen Bogen in ein PDF, so wie
der Druckdialog sie setzt: die Karte in ihrer eigenen Größe (Karteneigenschaften), nie
gestreckt, auf jedem Platz des Layoutrasters, gemessen von der oberen linken Ecke des Papiers.
Text bleibt Text in seinen eingebetteten Schriften, Füllungen bleiben Formen; Hintergrund,
Foto und Logo werden einmal gespeichert, wie viele Karten und Bögen es auch sind.
  -o, --output BOGEN.pdf  das zu schreibende PDF
  --paper NAME|ID         das Papier: ein Name oder Kürzel wie A4, Letter, Legal, A5 oder
                          Env10, oder eine Windows-Papiernummer (1 Letter, 9 A4). Standard
                          ist das Papier des Layouts, ohne --layout das des Gebietsschemas
                          (A4, oder Letter in den amerikanischen Ländern, die es verwenden)
  --layout NAME|DATEI.ptm ein vordefiniertes Seitenlayout mit seinem Namen (siehe abctmp im
                          Programmordner) oder eine Seitenlayout-Datei. Ohne diese Angabe
                          werden die Karten auf dem Papier zentriert, wie es der Druckdialog
                          tut, wenn sich das Papier ändert
  --sheets N              die Anzahl der Bögen (Seiten), 1 bis 1000; Standard 1
  --fit sheet|card        wenn Karte und Kartengröße des Layouts um mehr als 0,5 mm
                          abweichen: sheet gibt der Karte die Größe des Layouts (ihr Text
                          wird neu umbrochen), card druckt sie in ihrer eigenen Größe,
                          zentriert auf jedem Platz und darauf zugeschnitten. Ohne --fit
                          wird eine solche Karte abgelehnt
  --bleed MM              0 bis 5 mm der Kartenränder über jeden Schnitt hinaus drucken,
                          damit ein etwas versetzter Schnitt keinen weißen Rand lässt:
                          der Hintergrund läuft über die Kartenränder hinaus weiter, ebenso
                          die Bänder und Rahmen, die sie erreichen; Standard 0
  --crop-marks            Schnittmarken außerhalb der Schnittlinien zeichnen
  --offset X,Y            alles um X mm nach rechts und Y mm nach unten verschieben (je -10
                          bis 10), um einen Drucker auszugleichen, der versetzt druckt
  --back long|short       auch die Rückseite der Karte drucken: auf jeden Bogen folgt eine
                          Seite mit Rückseiten, so gespiegelt, dass jede hinter ihrer
                          Vorderseite liegt, wenn der Bogen über die lange (long) oder die
                          kurze Kante (short) gewendet wird, wie es die Duplex-Einstellung
                          des Druckers sagt
  --pdfx                  PDF/X-4 schreiben: die sRGB-Ausgabebedingung, XMP-Metadaten,
                          eingebettete Schriften
  --cmyk PROFIL.icc       jede Farbe und jedes Bild in der CMYK-Druckfarbe des Profils der
                          Druckerei (Transparenz reduziert), als PDF/X-4 mit diesem Profil
                          als Ausgabebedingung
  --strict                fehlschlagen und nichts schreiben, wenn Foto, Logo oder
                          Hintergrund nicht geladen werden können (sonst werden sie in den
                          Karten ausgelassen, mit einer Warnung), oder eine Schrift der
                          Karte nicht installiert ist (sonst steht eine andere dafür ein,
                          mit einer Warnung)
Rückgabewert: 0 Erfolg, 1 Fehler, 2 Aufruf, 3 Versionskonflikt.
</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintCommand.cpp" />
      <source>--sheets must be a number from 1 to 1000</source>
      <translation>--sheets muss eine Zahl von 1 bis 1000 sein</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintCommand.cpp" />
      <source>the card does not have the sheet's card size: %1. Give --fit sheet to print it at the sheet's size, or --fit card to print it at its own size</source>
      <translation>die Karte hat nicht die Kartengröße des Bogens: %1. Geben Sie --fit sheet an, um sie in der Größe des Bogens zu drucken, oder --fit card, um sie in ihrer eigenen Größe zu drucken</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintShopOptions.cpp" />
      <source>--bleed must be a number of millimetres from 0 to 5</source>
      <translation>--bleed muss eine Zahl von Millimetern von 0 bis 5 sein</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintShopOptions.cpp" />
      <source>--offset must be X,Y in millimetres, each from -10 to 10, such as 1.5,-2</source>
      <translation>--offset muss X,Y in Millimetern sein, jeweils von -10 bis 10, etwa 1.5,-2</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintShopOptions.cpp" />
      <source>--fit must be sheet or card</source>
      <translation>--fit muss sheet oder card sein</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintShopOptions.cpp" />
      <source>--back must be long or short</source>
      <translation>--back muss long oder short sein</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintShopOptions.cpp" />
      <source>the card has no back side; --back prints one</source>
      <translation>die Karte hat keine Rückseite; --back druckt eine</translation>
    </message>
    <message>
      <location filename="../src/cli/ProjectCommands.cpp" />
      <source>Usage: tavolo-cli info PROJECT
Prints the card of a project or template file as one JSON object: every stored field of
the card, "background" (the background name the file holds), "contact" (the card's
contact details, or what its boxes show when the file keeps none), "version" (the format
version) and "result" ("success", "version mismatch" or "file error"). The card holds
what was read up to the point of a failure. Floats read back to the same 32-bit value;
a value that is not a finite number is written as a string ("Infinity", "-Infinity",
"NaN(0x7fc00000)" with its bits).
"shrinkToFit" says per text box whether a line too wide for it is drawn smaller until it
fits; null when the file does not say (nothing shrinks).
"clearGround" gives per text box of a template the area its artwork leaves free for the
box's lines ([left, top, right, bottom] in full-size card pixels, null for a box without
one); null for a card without one.
"back" holds the card's back side with the same members, its background by number
("pnmb") only; null when the card has none.
"pictures" lists the picture files the card holds (both sides, each once): "name",
"bytes" and "sha256"; a photo or logo names the one it shows by its "sha256" (empty
when the card holds none and it is read from the photo folder).
"objects" lists everything placed on a side in drawing order (the later on top): "kind"
("text box", "photo", "logo", "QR code", "line", "rectangle", "ellipse", or
"unknown" for a later version's kind, kept and not drawn), "added" (its place among
the objects the user added; null for the photo, the logo and the QR code), its box before
its turn ("left", "top", "width", "height", full-size card pixels), "quarterTurns"
(clockwise), "z", "locked" and "source", what it draws.
Exit status: 0 success, 1 file error, 2 usage, 3 version mismatch.
Backgrounds are looked up in the table of the program folder (TAVOLO_HOME).
</source>
      <translation>Aufruf: tavolo-cli info PROJEKT
Gibt die Karte einer Projekt- oder Vorlagendatei als ein JSON-Objekt aus: jedes gespeicherte
Feld der Karte, "background" (der Hintergrundname, den die Datei enthält), "contact" (die
Kontaktdaten der Karte oder, wenn die Datei keine enthält, was ihre Felder zeigen), "version"
(die Formatversion) und "result" ("success", "version mismatch" oder "file error"). Die Karte
enthält, was bis zu einem Fehler gelesen wurde. Gleitkommazahlen ergeben beim Zurücklesen
denselben 32-Bit-Wert; ein Wert, der keine endliche Zahl ist, wird als Zeichenkette
geschrieben ("Infinity", "-Infinity", "NaN(0x7fc00000)" mit seinen Bits).
"shrinkToFit" gibt je Textfeld an, ob eine zu breite Zeile verkleinert gezeichnet wird, bis sie
passt; null, wenn die Datei es nicht angibt (nichts wird verkleinert).
"clearGround" gibt je Textfeld einer Vorlage die Fläche an, die ihr Bildschmuck für die
Zeilen des Feldes frei lässt ([links, oben, rechts, unten] in Pixeln der Karte in voller
Größe, null für ein Feld ohne); null für eine Karte ohne.
"back" enthält die Rückseite der Karte mit denselben Feldern, ihren Hintergrund nur als
Nummer ("pnmb"); null, wenn die Karte keine hat.
"pictures" führt die Bilddateien auf, die die Karte enthält (beide Seiten, jede einmal):
"name", "bytes" und "sha256"; Foto und Logo nennen das ihre mit seinem "sha256" (leer,
wenn die Karte keines enthält und es aus dem Fotoordner gelesen wird).
"objects" führt alles auf, was auf einer Seite platziert ist, in Zeichenreihenfolge (das
spätere oben): "kind" ("text box", "photo", "logo", "QR code", "line", "rectangle",
"ellipse" oder "unknown" für die Art einer neueren Version, erhalten und nicht gezeichnet),
"added" (seine Stelle unter den Objekten, die der Benutzer hinzugefügt hat; null für Foto,
Logo und QR-Code), sein Rahmen vor der Drehung ("left", "top", "width", "height", Pixel der
Karte in voller Größe), "quarterTurns" (im Uhrzeigersinn), "z", "locked" und "source", was
es zeichnet.
Rückgabewert: 0 Erfolg, 1 Dateifehler, 2 Aufruf, 3 Versionskonflikt.
Hintergründe werden in der Tabelle des Programmordners (TAVOLO_HOME) nachgeschlagen.
</translation>
    </message>
    <message>
      <location filename="../src/cli/ProjectCommands.cpp" />
      <source>Usage: tavolo-cli backgrounds [--check]
Lists the background table as the application builds it from the program folder
(TAVOLO_HOME): number, name and hue offset, custom backgrounds first.
  --check   also decode every picture and report those that do not decode
</source>
      <translation>Aufruf: tavolo-cli backgrounds [--check]
Listet die Hintergrundtabelle so auf, wie die Anwendung sie aus dem Programmordner
(TAVOLO_HOME) aufbaut: Nummer, Name und Farbtonversatz, eigene Hintergründe zuerst.
  --check   außerdem jedes Bild dekodieren und die melden, die sich nicht dekodieren lassen
</translation>
    </message>
    <message>
      <location filename="../src/cli/ProjectCommands.cpp" />
      <source>needs exactly one project file</source>
      <translation>braucht genau eine Projektdatei</translation>
    </message>
    <message>
      <location filename="../src/cli/ProjectCommands.cpp" />
      <source>background names are looked up among the %1 backgrounds that could be loaded</source>
      <translation>Hintergrundnamen werden unter den %1 Hintergründen gesucht, die geladen werden konnten</translation>
    </message>
    <message>
      <location filename="../src/cli/ProjectCommands.cpp" />
      <source>takes no arguments</source>
      <translation>nimmt keine Argumente</translation>
    </message>
    <message>
      <location filename="../src/cli/RenderCommand.cpp" />
      <source>Usage: tavolo-cli render PROJECT -o OUT [--format bmp|tga|pcx|png|gif|jpeg|tiff]
                         [--quality N] [--ndiv N] [--strict]
Renders the card of a project or template file to an image, as Export Image does: at the
card's full size, tagged with its dpi (GIF: reduced to 256 colours, no dpi). The text is the
file's own lines. Backgrounds come from the program folder (TAVOLO_HOME), photos and logos
from its customphotos folder.
  -o, --output OUT  the image to write
  --format NAME     the output format; by default it comes from OUT's extension
                    (.bmp .tga .pcx .png .gif .jpg .jpeg .tif .tiff)
  --quality N       JPEG quality, 0 to 100
  --ndiv N          draw at 1/N of the full size, as the preview does
  --strict          fail when the photo, the logo or the background cannot be loaded
                    (it is left out of the picture, with a warning, either way), or a
                    font of the card is not installed (another stands in, with a warning),
                    or the card holds placed objects of a later version's kind (kept in
                    the file, not drawn)
Exit status: 0 success, 1 failure, 2 usage, 3 version mismatch.
</source>
      <translation>Aufruf: tavolo-cli render PROJEKT -o AUS [--format bmp|tga|pcx|png|gif|jpeg|tiff]
                         [--quality N] [--ndiv N] [--strict]
Zeichnet die Karte einer Projekt- oder Vorlagendatei in ein Bild, wie Bild exportieren es tut:
in voller Kartengröße, mit ihrer dpi-Angabe versehen (GIF: auf 256 Farben reduziert, ohne dpi).
Der Text sind die eigenen Zeilen der Datei. Hintergründe kommen aus dem Programmordner
(TAVOLO_HOME), Fotos und Logos aus dessen Ordner customphotos.
  -o, --output AUS  das zu schreibende Bild
  --format NAME     das Ausgabeformat; standardmäßig ergibt es sich aus der Dateiendung von
                    AUS (.bmp .tga .pcx .png .gif .jpg .jpeg .tif .tiff)
  --quality N       JPEG-Qualität, 0 bis 100
  --ndiv N          in 1/N der vollen Größe zeichnen, wie die Vorschau
  --strict          fehlschlagen, wenn Foto, Logo oder Hintergrund nicht geladen werden
                    können (sie fehlen so oder so im Bild, mit einer Warnung), oder eine
                    Schrift der Karte nicht installiert ist (eine andere steht dafür ein,
                    mit einer Warnung), oder die Karte platzierte Objekte einer Art aus
                    einer neueren Version enthält (in der Datei erhalten, nicht gezeichnet)
Rückgabewert: 0 Erfolg, 1 Fehler, 2 Aufruf, 3 Versionskonflikt.
</translation>
    </message>
    <message>
      <location filename="../src/cli/RenderCommand.cpp" />
      <source>--ndiv must be a number from 1 to 1000</source>
      <translation>--ndiv muss eine Zahl von 1 bis 1000 sein</translation>
    </message>
    <message>
      <location filename="../src/cli/RenderCommand.cpp" />
      <source>The card cannot be drawn at 1/%1 of its size: %2.</source>
      <translation>Die Karte kann nicht in 1/%1 ihrer Größe gezeichnet werden: %2.</translation>
    </message>
    <message>
      <location filename="../src/cli/RenderCommand.cpp" />
      <source>nothing would be left</source>
      <translation>es bliebe nichts übrig</translation>
    </message>
    <message>
      <location filename="../src/cli/RenderCommand.cpp" />
      <source>The card could not be rendered.</source>
      <translation>Die Karte konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetChoice.cpp" />
      <source>several sheet products have the part number '%1': give the maker too, as in 'Avery 5881'</source>
      <translation>mehrere Bogenprodukte haben die Teilenummer „%1“: geben Sie auch den Hersteller an, etwa „Avery 5881“</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetChoice.cpp" />
      <source>The sheet products of that number:%1</source>
      <translation>Die Bogenprodukte dieser Nummer:%1</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetChoice.cpp" />
      <source>no page layout is named '%1' and no sheet product has that part number (tavolo-cli sheets lists them)</source>
      <translation>kein Seitenlayout heißt „%1“ und kein Bogenprodukt hat diese Teilenummer (tavolo-cli sheets listet sie auf)</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetChoice.cpp" />
      <source>The page layouts of %1: none</source>
      <translation>Die Seitenlayouts in %1: keine</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetChoice.cpp" />
      <source>The page layouts of %1:%2</source>
      <translation>Die Seitenlayouts in %1:%2</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetChoice.cpp" />
      <source>no paper is named '%1': give a name such as A4 or Letter, or a Windows paper number such as 9</source>
      <translation>kein Papier heißt „%1“: geben Sie einen Namen wie A4 oder Letter an oder eine Windows-Papiernummer wie 9</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetChoice.cpp" />
      <source>the page layout's paper %1 is not known: give one with --paper</source>
      <translation>das Papier %1 des Seitenlayouts ist unbekannt: geben Sie eines mit --paper an</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetsCommand.cpp" />
      <source>Usage: tavolo-cli sheets [--search TEXT] [--paper NAME] [--json]
Lists the sheet products the print dialog offers, grouped by paper: the program's own,
the business cards of the label database gLabels installs (glabels-data), and the page
layouts you saved, under your name. Each line gives the maker and part number, what the
product is, the card size, the columns and rows and the other part numbers of the same
sheet. Give a part number to --layout of print and merge to print on it.
  --search TEXT   only the products with every word of TEXT in their maker, a part
                  number, the description, the paper or the card size ("5881",
                  "sigel lp800", "85x54")
  --paper NAME    only the products on that paper (A4, Letter, ...)
  --json          an array of objects: maker, partNumbers (each with maker and part),
                  name, description, paper, cardWidthMm, cardHeightMm, columns, rows,
                  leftMm and topMm (the first card's place), horizontalPitchMm,
                  verticalPitchMm, cornerRadiusMm and source ("shipped",
                  "installed database" or "user")
Exit status: 0 success (also when nothing matches), 2 usage.
</source>
      <translation>Aufruf: tavolo-cli sheets [--search TEXT] [--paper NAME] [--json]
Listet die Bogenprodukte auf, die der Druckdialog anbietet, nach Papier gruppiert: die des
Programms, die Visitenkarten der Etikettendatenbank, die gLabels installiert (glabels-data),
und die Seitenlayouts, die Sie gespeichert haben, unter Ihrem Namen. Jede Zeile nennt Hersteller
und Teilenummer, was das Produkt ist, die Kartengröße, Spalten und Zeilen und die anderen
Teilenummern desselben Bogens. Eine Teilenummer bei --layout von print und merge druckt darauf.
  --search TEXT   nur die Produkte mit jedem Wort von TEXT in ihrem Hersteller, einer
                  Teilenummer, der Beschreibung, dem Papier oder der Kartengröße („5881“,
                  „sigel lp800“, „85x54“)
  --paper NAME    nur die Produkte auf diesem Papier (A4, Letter, ...)
  --json          ein Array von Objekten: maker, partNumbers (jede mit maker und part),
                  name, description, paper, cardWidthMm, cardHeightMm, columns, rows,
                  leftMm und topMm (der Platz der ersten Karte), horizontalPitchMm,
                  verticalPitchMm, cornerRadiusMm und source („shipped“,
                  „installed database“ oder „user“)
Rückgabewert: 0 Erfolg (auch wenn nichts passt), 2 Aufruffehler.
</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetsCommand.cpp" />
      <source> (gLabels database)</source>
      <translation> (gLabels-Datenbank)</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetsCommand.cpp" />
      <source> (your own)</source>
      <translation> (Ihr eigenes)</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetsCommand.cpp" />
      <source>also %1</source>
      <translation>auch %1</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetsCommand.cpp" />
      <source>unexpected argument '%1'</source>
      <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetsCommand.cpp" />
      <source>no paper is named '%1': give a name such as A4 or Letter</source>
      <translation>kein Papier heißt „%1“: geben Sie einen Namen wie A4 oder Letter an</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetsCommand.cpp" />
      <source>No sheet product matches.</source>
      <translation>Kein Bogenprodukt passt.</translation>
    </message>
    <message>
      <location filename="../src/cli/main.cpp" />
      <source>Usage: tavolo-cli COMMAND [ARGS]

Commands:
  convert IN OUT [--format bmp|tga|pcx|png|gif|jpeg|tiff] [--quality N] [--dpi N]
                      convert an image; the format comes from OUT's extension unless given
  identify FILE       print width, height, bits per pixel, dpi and format of an image
  info PROJECT        print a project or template file's card as JSON
  backgrounds         list the background table: number, name, hue offset
  render PROJECT -o OUT [--format F] [--quality N] [--ndiv N]
                      render a project's card to an image, as Export Image does
  print PROJECT -o SHEET.pdf [--paper NAME|ID] [--layout PART|NAME|FILE.ptm] [--sheets N]
                      print a project's card many to a sheet into a PDF
  merge PROJECT --data FILE -o OUT.pdf|'DIR/{Name}.png' [--map FIELD=COLUMN]...
                      one card per record (CSV, vCard, .ods, .xlsx), into sheets or images
  pdf PROJECT -o CARD.pdf [--bleed MM] [--crop-marks]
                      one card on a page of its size, with bleed and crop marks
  sheets [--search TEXT] [--paper NAME] [--json]
                      list the sheet products to print on, by maker, part number or size
  COMMAND --help      show a command's help
  --help              show this help
  --version           show the version
</source>
      <translation>Aufruf: tavolo-cli BEFEHL [ARGUMENTE]

Befehle:
  convert IN OUT [--format bmp|tga|pcx|png|gif|jpeg|tiff] [--quality N] [--dpi N]
                      ein Bild umwandeln; das Format ergibt sich aus der Dateiendung von OUT,
                      sofern nicht angegeben
  identify DATEI      Breite, Höhe, Bits pro Pixel, dpi und Format eines Bildes ausgeben
  info PROJEKT        die Karte einer Projekt- oder Vorlagendatei als JSON ausgeben
  backgrounds         die Hintergrundtabelle auflisten: Nummer, Name, Farbtonversatz
  render PROJEKT -o AUS [--format F] [--quality N] [--ndiv N]
                      die Karte eines Projekts in ein Bild zeichnen, wie Bild exportieren
  print PROJEKT -o BOGEN.pdf [--paper NAME|ID] [--layout TEIL|NAME|DATEI.ptm] [--sheets N]
                      die Karte eines Projekts vielfach auf einen Bogen in ein PDF drucken
  merge PROJEKT --data DATEI -o AUS.pdf|'ORDNER/{Name}.png' [--map FELD=SPALTE]...
                      eine Karte je Datensatz (CSV, vCard, .ods, .xlsx), in Bögen oder Bilder
  pdf PROJEKT -o KARTE.pdf [--bleed MM] [--crop-marks]
                      eine Karte auf einer Seite ihrer Größe, mit Beschnitt und Schnittmarken
  sheets [--search TEXT] [--paper NAME] [--json]
                      die Bogenprodukte zum Bedrucken nach Hersteller, Teilenummer oder
                      Größe auflisten
  BEFEHL --help       die Hilfe zu einem Befehl anzeigen
  --help              diese Hilfe anzeigen
  --version           die Version anzeigen
</translation>
    </message>
    <message>
      <location filename="../src/cli/main.cpp" />
      <source>tavolo-cli: unknown command '%1' (try --help)</source>
      <translation>tavolo-cli: unbekannter Befehl „%1“ (siehe --help)</translation>
    </message>
    <message>
      <location filename="../src/core/card/BackgroundTable.cpp" />
      <source>its bytes could not be read from the library file</source>
      <translation>seine Daten konnten nicht aus der Bibliotheksdatei gelesen werden</translation>
    </message>
    <message>
      <location filename="../src/core/card/CardLimits.cpp" />
      <source>the card is %1 x %2 pixels; a card is at most 10000 pixels a side and 64 megapixels</source>
      <translation>die Karte ist %1 x %2 Pixel groß; eine Karte hat höchstens 10000 Pixel je Seite und 64 Megapixel</translation>
    </message>
    <message>
      <location filename="../src/core/card/CardLimits.cpp" />
      <source>the card is %1 x %2 pixels; a card needs at least 1 pixel a side</source>
      <translation>die Karte ist %1 x %2 Pixel groß; eine Karte braucht mindestens 1 Pixel je Seite</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Company Name</source>
      <translation>Firmenname</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Name</source>
      <translation>Name</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Title</source>
      <translation>Position</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Address Line 1</source>
      <translation>Adresszeile 1</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Address Line 2</source>
      <translation>Adresszeile 2</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>City, State/Province</source>
      <translation>Ort, Bundesland/Kanton</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Zip/Postal Code</source>
      <translation>Postleitzahl</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Email Address</source>
      <translation>E-Mail-Adresse</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Website Address</source>
      <translation>Website</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Phone Number 1</source>
      <translation>Telefonnummer 1</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Phone Number 2</source>
      <translation>Telefonnummer 2</translation>
    </message>
    <message>
      <location filename="../src/core/editing/CardSize.cpp" />
      <source>Please enter a number.</source>
      <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
    <message>
      <location filename="../src/core/editing/CardSize.cpp" />
      <source>A card must be at least one pixel wide and one pixel high; this size is %1 × %2 pixels.</source>
      <translation>Eine Karte muss mindestens ein Pixel breit und ein Pixel hoch sein; diese Größe ist %1 × %2 Pixel.</translation>
    </message>
    <message>
      <location filename="../src/core/editing/CardSize.cpp" />
      <source>A card can be at most 10000 pixels wide and 10000 pixels high; this size is %1 × %2 pixels.</source>
      <translation>Eine Karte darf höchstens 10000 Pixel breit und 10000 Pixel hoch sein; diese Größe ist %1 × %2 Pixel.</translation>
    </message>
    <message>
      <location filename="../src/core/editing/CardSize.cpp" />
      <source>A card can have at most 64 megapixels; this size is %1 × %2 pixels.</source>
      <translation>Eine Karte darf höchstens 64 Megapixel haben; diese Größe ist %1 × %2 Pixel.</translation>
    </message>
    <message>
      <location filename="../src/core/editing/CardSize.cpp" />
      <source>The resolution must lie between 50 and 4800 dpi; %1 dpi cannot be used.</source>
      <translation>Die Auflösung muss zwischen 50 und 4800 dpi liegen; %1 dpi können nicht verwendet werden.</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ColourTargets.cpp" />
      <source>Text Colors</source>
      <translation>Textfarben</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ColourTargets.cpp" />
      <source>Frame Colors</source>
      <translation>Rahmenfarben</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ColourTargets.cpp" />
      <source>Background Color</source>
      <translation>Hintergrundfarbe</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>Text box %1</source>
      <translation>Textfeld %1</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>Line %1</source>
      <translation>Linie %1</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>Rectangle %1</source>
      <translation>Rechteck %1</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>Ellipse %1</source>
      <translation>Ellipse %1</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>Object %1</source>
      <translation>Objekt %1</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>Photo</source>
      <translation>Foto</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>Logo</source>
      <translation>Logo</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>QR code</source>
      <translation>QR-Code</translation>
    </message>
    <message>
      <location filename="../src/core/editing/StyleInputs.cpp" />
      <source>Top to Bottom</source>
      <translation>Von oben nach unten</translation>
    </message>
    <message>
      <location filename="../src/core/editing/StyleInputs.cpp" />
      <source>Left to Right</source>
      <translation>Von links nach rechts</translation>
    </message>
    <message>
      <location filename="../src/core/editing/StyleInputs.cpp" />
      <source>Bottom to Top</source>
      <translation>Von unten nach oben</translation>
    </message>
    <message>
      <location filename="../src/core/editing/StyleInputs.cpp" />
      <source>Right to Left</source>
      <translation>Von rechts nach links</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the extension section holds more than one chunk %1; the first is read, the others are kept as they are</source>
      <translation>der Erweiterungsabschnitt enthält mehr als einen Block %1; der erste wird gelesen, die anderen bleiben, wie sie sind</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the contact details chunk "CONT" is damaged</source>
      <translation>der Block der Kontaktdaten „CONT“ ist beschädigt</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the shrink-to-fit chunk "FITS" is damaged</source>
      <translation>der Block „Verkleinern, bis es passt“ („FITS“) ist beschädigt</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the QR code chunk "QRCD" is damaged</source>
      <translation>der Block des QR-Codes „QRCD“ ist beschädigt</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the chunk "PLNK" naming the card's pictures is damaged</source>
      <translation>der Block „PLNK“, der die Bilder der Karte nennt, ist beschädigt</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>an embedded picture chunk "PICT" is damaged</source>
      <translation>ein Block „PICT“ mit einem enthaltenen Bild ist beschädigt</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the clear ground chunk "CLRG" is damaged</source>
      <translation>der Block des freien Grunds „CLRG“ ist beschädigt</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the placed objects chunk "OBJS" is damaged or of a later version</source>
      <translation>der Abschnitt "OBJS" mit den platzierten Objekten ist beschädigt oder stammt aus einer neueren Version</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the card holds %1 placed objects of a kind this version does not know; they are kept and not drawn</source>
      <translation>die Karte enthält %1 platzierte Objekte einer Art, die diese Version nicht kennt; sie bleiben erhalten und werden nicht gezeichnet</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ExtensionSection.cpp" />
      <source>the extension section does not begin with its tag</source>
      <translation>der Erweiterungsabschnitt beginnt nicht mit seiner Kennung</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ExtensionSection.cpp" />
      <source>the extension section ends inside its header</source>
      <translation>der Erweiterungsabschnitt endet mitten in seinem Kopf</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ExtensionSection.cpp" />
      <source>the extension section has version %1</source>
      <translation>der Erweiterungsabschnitt hat die Version %1</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ExtensionSection.cpp" />
      <source>the extension section claims %1 chunks; at most %2 are allowed</source>
      <translation>der Erweiterungsabschnitt gibt %1 Blöcke an; höchstens %2 sind erlaubt</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ExtensionSection.cpp" />
      <source>chunk %1 of the extension section is cut short</source>
      <translation>Block %1 des Erweiterungsabschnitts ist abgeschnitten</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ExtensionSection.cpp" />
      <source>chunk %1 of the extension section %2 claims %3 bytes; %4 follow</source>
      <translation>Block %1 des Erweiterungsabschnitts %2 gibt %3 Byte an; es folgen %4</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ExtensionSection.cpp" />
      <source>the extension section is followed by %1 bytes</source>
      <translation>auf den Erweiterungsabschnitt folgen %1 Byte</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ImageExport.cpp" />
      <source>The card could not be converted to an image: %1</source>
      <translation>Die Karte konnte nicht in ein Bild umgewandelt werden: %1</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ImageExport.cpp" />
      <source>The card could not be reduced to 256 colours: %1</source>
      <translation>Die Karte konnte nicht auf 256 Farben reduziert werden: %1</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ImageExport.cpp" />
      <source>The card could not be written as %1: %2</source>
      <translation>Die Karte konnte nicht als %1 geschrieben werden: %2</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ImageExport.cpp" />
      <source>The card cannot be drawn: %1.</source>
      <translation>Die Karte kann nicht gezeichnet werden: %1.</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ImageExport.cpp" />
      <source>The card of %1 x %2 pixels could not be rendered.</source>
      <translation>Die Karte mit %1 x %2 Pixeln konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the card names an embedded picture for its %1 that the file does not hold</source>
      <translation>die Karte nennt für ihr %1 ein enthaltenes Bild, das die Datei nicht enthält</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>photo</source>
      <translation>Foto</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>logo</source>
      <translation>Logo</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the back holds a back of its own</source>
      <translation>die Rückseite hat selbst eine Rückseite</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the back side chunk "BACK" is damaged: %1</source>
      <translation>der Block der Rückseite „BACK“ ist beschädigt: %1</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>%1 (on the back side)</source>
      <translation>%1 (auf der Rückseite)</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the file is not a Tavolo card</source>
      <translation>die Datei ist keine Tavolo-Karte</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the format version</source>
      <translation>die Formatversion</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the format version %1 is newer than this program reads</source>
      <translation>die Formatversion %1 ist neuer als die, die dieses Programm liest</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the file ends inside %1</source>
      <translation>die Datei endet vorzeitig in: %1</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the %1 section has sub-version %2</source>
      <translation>der Abschnitt „%1“ hat die Unterversion %2</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>a sub-version</source>
      <translation>eine Unterversion</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>style %1</source>
      <translation>Stil %1</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>text</source>
      <translation>Text</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the text section</source>
      <translation>der Textabschnitt</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>text box %1 has %2 lines; at most %3 are allowed</source>
      <translation>Textfeld %1 hat %2 Zeilen; höchstens %3 sind erlaubt</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the box count %1 is not 3, 4 or 5</source>
      <translation>die Anzahl der Felder %1 ist nicht 3, 4 oder 5</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>background</source>
      <translation>Hintergrund</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the background section</source>
      <translation>der Hintergrundabschnitt</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the gradient orientation %1 is not 0 to 3</source>
      <translation>die Verlaufsrichtung %1 liegt nicht zwischen 0 und 3</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the background name</source>
      <translation>der Hintergrundname</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the layout number</source>
      <translation>die Layoutnummer</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the layout number %1 is not 0 to 9</source>
      <translation>die Layoutnummer %1 liegt nicht zwischen 0 und 9</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the tint</source>
      <translation>die Tönung</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the photo section</source>
      <translation>der Fotoabschnitt</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the logo section</source>
      <translation>der Logoabschnitt</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the photo name "%1" is not a plain file name</source>
      <translation>der Fotoname „%1“ ist kein einfacher Dateiname</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the logo name "%1" is not a plain file name</source>
      <translation>der Logoname „%1“ ist kein einfacher Dateiname</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>card size</source>
      <translation>Kartengröße</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the card size section</source>
      <translation>der Abschnitt der Kartengröße</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>File could not be opened by this version of the software.</source>
      <translation>Die Datei konnte von dieser Version des Programms nicht geöffnet werden.</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>File could not be opened</source>
      <translation>Die Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>Save WMF not supported</source>
      <translation>Speichern als WMF wird nicht unterstützt</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>Save JPEG-2000 not supported</source>
      <translation>Speichern als JPEG-2000 wird nicht unterstützt</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>Encode: Unknown format</source>
      <translation>Kodieren: unbekanntes Format</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>File too large</source>
      <translation>Datei zu groß</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>Decode: Unknown or wrong format</source>
      <translation>Dekodieren: unbekanntes oder falsches Format</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>Encode: image is empty</source>
      <translation>Kodieren: das Bild ist leer</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>RasterImage::Create can't allocate memory</source>
      <translation>RasterImage::Create: kein Speicher verfügbar</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>CreateFromPixels: pixel buffer too small</source>
      <translation>CreateFromPixels: Pixelpuffer zu klein</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImageAlpha.cpp" />
      <source>AddAlpha: image is empty</source>
      <translation>AddAlpha: das Bild ist leer</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImageTransform.cpp" />
      <source>DecreaseBpp: image is empty</source>
      <translation>DecreaseBpp: das Bild ist leer</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImageTransform.cpp" />
      <source>DecreaseBpp: bits must be 1, 4 or 8</source>
      <translation>DecreaseBpp: die Bitzahl muss 1, 4 oder 8 sein</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImageTransform.cpp" />
      <source>Rotate: image is empty</source>
      <translation>Rotate: das Bild ist leer</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImageTransform.cpp" />
      <source>Rotate: angle is not a number</source>
      <translation>Rotate: der Winkel ist keine Zahl</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImageTransform.cpp" />
      <source>Crop: image is empty</source>
      <translation>Crop: das Bild ist leer</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImageTransform.cpp" />
      <source>Crop: the rectangle is empty</source>
      <translation>Crop: das Rechteck ist leer</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Not a BMP</source>
      <translation>Keine BMP-Datei</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>BMP header is truncated</source>
      <translation>Der BMP-Kopf ist abgeschnitten</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Unsupported BMP compression</source>
      <translation>Nicht unterstützte BMP-Kompression</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>BMP has no pixels</source>
      <translation>Die BMP-Datei hat keine Pixel</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Icon bitmap has a bad height</source>
      <translation>Das Symbolbild hat eine falsche Höhe</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Unsupported BMP bit depth</source>
      <translation>Nicht unterstützte BMP-Farbtiefe</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Bad RLE8 BMP</source>
      <translation>Fehlerhafte RLE8-BMP-Datei</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Bad RLE4 BMP</source>
      <translation>Fehlerhafte RLE4-BMP-Datei</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Bad BMP bit fields</source>
      <translation>Fehlerhafte BMP-Bitfelder</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>BMP pixel data is truncated</source>
      <translation>Die BMP-Pixeldaten sind abgeschnitten</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>BMP palette is truncated</source>
      <translation>Die BMP-Palette ist abgeschnitten</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>BMP pixel data is missing</source>
      <translation>Die BMP-Pixeldaten fehlen</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>BMP pixel offset is out of the file</source>
      <translation>Der BMP-Pixelversatz liegt außerhalb der Datei</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>BMP can save only 1, 4, 8 or 24 bits per pixel</source>
      <translation>BMP kann nur 1, 4, 8 oder 24 Bit pro Pixel speichern</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Image too large for BMP</source>
      <translation>Bild zu groß für BMP</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/CodecChecks.cpp" />
      <source>Image has no pixels</source>
      <translation>Das Bild hat keine Pixel</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/CodecChecks.cpp" />
      <source>Unsupported bit depth</source>
      <translation>Nicht unterstützte Farbtiefe</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/GifCodec.cpp" />
      <source>Write Error in GIF file</source>
      <translation>Schreibfehler in der GIF-Datei</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/GifCodec.cpp" />
      <source>GIF: unknown error</source>
      <translation>GIF: unbekannter Fehler</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/GifCodec.cpp" />
      <source>GIF holds no image</source>
      <translation>Die GIF-Datei enthält kein Bild</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/GifCodec.cpp" />
      <source>Not a GIF</source>
      <translation>Keine GIF-Datei</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/GifCodec.cpp" />
      <source>GIF can save only palette images: reduce the colours first</source>
      <translation>GIF kann nur Palettenbilder speichern: reduzieren Sie zuerst die Farben</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/IcoWbmpCodec.cpp" />
      <source>Not an ICO</source>
      <translation>Keine ICO-Datei</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/IcoWbmpCodec.cpp" />
      <source>ICO directory is truncated</source>
      <translation>Das ICO-Verzeichnis ist abgeschnitten</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/IcoWbmpCodec.cpp" />
      <source>ICO picture lies outside the file</source>
      <translation>Das ICO-Bild liegt außerhalb der Datei</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/IcoWbmpCodec.cpp" />
      <source>Not a WBMP</source>
      <translation>Keine WBMP-Datei</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/IcoWbmpCodec.cpp" />
      <source>WBMP pixel data is truncated</source>
      <translation>Die WBMP-Pixeldaten sind abgeschnitten</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/IcoWbmpCodec.cpp" />
      <source>ICO can save only pictures of at most 256 × 256 pixels</source>
      <translation>ICO kann nur Bilder mit höchstens 256 × 256 Pixeln speichern</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/JpegCodec.cpp" />
      <source>JPEG has too many scans</source>
      <translation>Die JPEG-Datei hat zu viele Scans</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/JpegCodec.cpp" />
      <source>JPEG file is truncated</source>
      <translation>Die JPEG-Datei ist abgeschnitten</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/JpegCodec.cpp" />
      <source>JPEG: out of memory</source>
      <translation>JPEG: nicht genug Speicher</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/JpegCodec.cpp" />
      <source>JPEG: no more rows</source>
      <translation>JPEG: keine weiteren Zeilen</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/JpegCodec.cpp" />
      <source>Not a JPEG</source>
      <translation>Keine JPEG-Datei</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/JpegCodec.cpp" />
      <source>JPEG can save only RGB or GreyScale images</source>
      <translation>JPEG kann nur RGB- oder Graustufenbilder speichern</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PcxCodec.cpp" />
      <source>Not a PCX</source>
      <translation>Keine PCX-Datei</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PcxCodec.cpp" />
      <source>Unsupported PCX bit depth</source>
      <translation>Nicht unterstützte PCX-Farbtiefe</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PcxCodec.cpp" />
      <source>PCX line length is too short</source>
      <translation>Die PCX-Zeilenlänge ist zu kurz</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PcxCodec.cpp" />
      <source>PCX palette is missing</source>
      <translation>Die PCX-Palette fehlt</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PcxCodec.cpp" />
      <source>PCX pixel data is truncated</source>
      <translation>Die PCX-Pixeldaten sind abgeschnitten</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PcxCodec.cpp" />
      <source>Image too large for PCX</source>
      <translation>Bild zu groß für PCX</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PngCodec.cpp" />
      <source>Read Error: the PNG data ends too early</source>
      <translation>Lesefehler: die PNG-Daten enden zu früh</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PngCodec.cpp" />
      <source>Not a PNG</source>
      <translation>Keine PNG-Datei</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PngCodec.cpp" />
      <source>PNG: out of memory</source>
      <translation>PNG: nicht genug Speicher</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PngCodec.cpp" />
      <source>PNG data too short for the image size</source>
      <translation>Die PNG-Daten sind zu kurz für die Bildgröße</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PngEncoder.cpp" />
      <source>PNG: unsupported bit depth</source>
      <translation>PNG: nicht unterstützte Farbtiefe</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TgaCodec.cpp" />
      <source>Image too large for TGA</source>
      <translation>Bild zu groß für TGA</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TgaCodec.cpp" />
      <source>Not a TGA</source>
      <translation>Keine TGA-Datei</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TgaCodec.cpp" />
      <source>TGA pixel data is truncated</source>
      <translation>Die TGA-Pixeldaten sind abgeschnitten</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TgaCodec.cpp" />
      <source>Bit depth must be 8 or 24</source>
      <translation>Die Farbtiefe muss 8 oder 24 sein</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffReader.cpp" />
      <source>TIFF: scanline size does not match the image width</source>
      <translation>TIFF: die Zeilengröße passt nicht zur Bildbreite</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffReader.cpp" />
      <source>TIFF: bad tile size</source>
      <translation>TIFF: falsche Kachelgröße</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffReader.cpp" />
      <source>TIFF: a tile is larger than the picture needs</source>
      <translation>TIFF: eine Kachel ist größer, als das Bild braucht</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffReader.cpp" />
      <source>Not a TIFF</source>
      <translation>Keine TIFF-Datei</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffReader.cpp" />
      <source>TIFF: can't read the image</source>
      <translation>TIFF: das Bild kann nicht gelesen werden</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffWriter.cpp" />
      <source>TIFF: unsupported bit depth</source>
      <translation>TIFF: nicht unterstützte Farbtiefe</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffWriter.cpp" />
      <source>TIFF: out of memory</source>
      <translation>TIFF: nicht genug Speicher</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffWriter.cpp" />
      <source>TIFF: can't write the image</source>
      <translation>TIFF: das Bild kann nicht geschrieben werden</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>The background %1 could not be read as a picture: %2</source>
      <translation>Der Hintergrund %1 konnte nicht als Bild gelesen werden: %2</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>%1 of the %2 backgrounds of the library %3 could not be decoded: %4</source>
      <translation>%1 der %2 Hintergründe der Bibliothek %3 konnten nicht dekodiert werden: %4</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>Imported backgrounds are kept in %1, beside the program, and that folder cannot be written to. Nothing was imported. Run Tavolo from a folder you may write to (or set TAVOLO_HOME to one) to import backgrounds.</source>
      <translation>Importierte Hintergründe werden in %1 neben dem Programm abgelegt, und in diesen Ordner kann nicht geschrieben werden. Es wurde nichts importiert. Starten Sie Tavolo aus einem Ordner, in den Sie schreiben dürfen (oder setzen Sie TAVOLO_HOME auf einen solchen), um Hintergründe zu importieren.</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>The background library %1 was not found.</source>
      <translation>Die Hintergrundbibliothek %1 wurde nicht gefunden.</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>The background library could not be read: %1</source>
      <translation>Die Hintergrundbibliothek konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>The background library %1 holds no backgrounds.</source>
      <translation>Die Hintergrundbibliothek %1 enthält keine Hintergründe.</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>The background library %1 is damaged: only %2 of its backgrounds could be read.</source>
      <translation>Die Hintergrundbibliothek %1 ist beschädigt: nur %2 ihrer Hintergründe konnten gelesen werden.</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>%1 has no extension, so there is no telling what kind of picture it is. Give it the extension of its kind (such as .jpg or .png) and import it again.</source>
      <translation>%1 hat keine Dateiendung, daher ist nicht zu erkennen, welche Art von Bild es ist. Geben Sie der Datei die Endung ihrer Art (etwa .jpg oder .png) und importieren Sie sie erneut.</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>The background table is full (%1 backgrounds); no more can be imported.</source>
      <translation>Die Hintergrundtabelle ist voll (%1 Hintergründe); es können keine weiteren importiert werden.</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>%1 is not a kind of picture that can be a background (JPEG, PNG, GIF, TIFF, BMP, TGA or PCX); nothing was added.</source>
      <translation>%1 ist keine Bildart, die ein Hintergrund sein kann (JPEG, PNG, GIF, TIFF, BMP, TGA oder PCX); es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>%1 could not be read as a picture: %2</source>
      <translation>%1 konnte nicht als Bild gelesen werden: %2</translation>
    </message>
    <message>
      <location filename="../src/core/library/PhotoFolder.cpp" />
      <source>%1 The picture was not put into %2.</source>
      <translation>%1 Das Bild wurde nicht in %2 abgelegt.</translation>
    </message>
    <message>
      <location filename="../src/core/library/PhotoFolder.cpp" />
      <source>The photo "%1" is not in the card and was not found.</source>
      <translation>Das Foto „%1“ ist nicht in der Karte enthalten und wurde nicht gefunden.</translation>
    </message>
    <message>
      <location filename="../src/core/library/PhotoFolder.cpp" />
      <source>The logo "%1" is not in the card and was not found.</source>
      <translation>Das Logo „%1“ ist nicht in der Karte enthalten und wurde nicht gefunden.</translation>
    </message>
    <message>
      <location filename="../src/core/library/PhotoFolder.cpp" />
      <source>%1 is %2 MB: a picture on a card may have at most %3 MB.</source>
      <translation>%1 ist %2 MB groß: Ein Bild auf einer Karte darf höchstens %3 MB groß sein.</translation>
    </message>
    <message>
      <location filename="../src/core/library/PhotoFolder.cpp" />
      <source>There are too many pictures named %1.</source>
      <translation>Es gibt zu viele Bilder namens %1.</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateTable.cpp" />
      <source>File could not be opened: %1</source>
      <translation>Die Datei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateTable.cpp" />
      <source>and %1 more.</source>
      <translation>und %1 weitere.</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateTable.cpp" />
      <source>Files could not be opened:%1</source>
      <translation>Dateien konnten nicht geöffnet werden:%1</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateTable.cpp" />
      <source>Only the first %1 templates are listed; %2 more in %3 are left out.</source>
      <translation>Nur die ersten %1 Vorlagen werden aufgeführt; %2 weitere in %3 werden ausgelassen.</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateWriter.cpp" />
      <source>Please enter a name for the template.</source>
      <translation>Bitte geben Sie einen Namen für die Vorlage ein.</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateWriter.cpp" />
      <source>"%1" cannot be the name of a template.</source>
      <translation>„%1“ kann nicht der Name einer Vorlage sein.</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateWriter.cpp" />
      <source>A template name cannot contain any of these characters: %1</source>
      <translation>Ein Vorlagenname darf keines dieser Zeichen enthalten: %1</translation>
    </message>
    <message>
      <location filename="../src/core/merge/CsvReader.cpp" />
      <source>%1 holds no header line naming its columns.</source>
      <translation>%1 hat keine Kopfzeile, die seine Spalten benennt.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/CsvReader.cpp" />
      <source>%1, line %2: %3</source>
      <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
      <location filename="../src/core/merge/CsvReader.cpp" />
      <source>a quoted value is never closed.</source>
      <translation>ein Wert in Anführungszeichen wird nie geschlossen.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/CsvReader.cpp" />
      <source>a value is longer than %1 characters; this is not a list of contacts.</source>
      <translation>ein Wert ist länger als %1 Zeichen; dies ist keine Kontaktliste.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/CsvReader.cpp" />
      <source>the data holds more than %1 values; split it into smaller files.</source>
      <translation>die Daten enthalten mehr als %1 Werte; teilen Sie sie in kleinere Dateien auf.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>'%1' is not FIELD=COLUMN.</source>
      <translation>„%1“ hat nicht die Form FELD=SPALTE.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>'%1' is not a field; the fields are Company Name, Name, Title, Address Line 1, Address Line 2, City, Zip, Email, Website, Phone 1 and Phone 2.</source>
      <translation>„%1“ ist kein Feld; die Felder sind Company Name, Name, Title, Address Line 1, Address Line 2, City, Zip, Email, Website, Phone 1 und Phone 2.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>the data has no column '%1'.</source>
      <translation>die Daten haben keine Spalte „%1“.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>column %1</source>
      <translation>Spalte %1</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>no field of the card has this name</source>
      <translation>kein Feld der Karte trägt diesen Namen</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>the column has no name</source>
      <translation>die Spalte hat keinen Namen</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>left out; it would fill the %1</source>
      <translation>ausgelassen; sie würde das Feld %1 füllen</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>the %1 comes from %2</source>
      <translation>das Feld %1 kommt aus %2</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeData.cpp" />
      <source>%1 is a ZIP archive but no spreadsheet Tavolo reads; save it as .ods, .xlsx or CSV.</source>
      <translation>%1 ist ein ZIP-Archiv, aber keine Tabelle, die Tavolo liest; speichern Sie sie als .ods, .xlsx oder CSV.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeData.cpp" />
      <source>%1 is larger than %2 MB; split it into smaller files.</source>
      <translation>%1 ist größer als %2 MB; teilen Sie die Datei in kleinere Dateien auf.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeData.cpp" />
      <source>%1 is a spreadsheet in the old Excel format; save it as .xlsx, .ods or CSV.</source>
      <translation>%1 ist eine Tabelle im alten Excel-Format; speichern Sie sie als .xlsx, .ods oder CSV.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeData.cpp" />
      <source>%1 is no spreadsheet: it has no sheets to choose from.</source>
      <translation>%1 ist keine Tabelle: sie hat keine Tabellenblätter zur Auswahl.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeData.cpp" />
      <source>%1 holds no records.</source>
      <translation>%1 enthält keine Datensätze.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>the record is empty</source>
      <translation>der Datensatz ist leer</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>the record has no value in any field of the card</source>
      <translation>der Datensatz hat in keinem Feld der Karte einen Wert</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>the %1 has %2 characters; a line of the card holds %3</source>
      <translation>„%1“ hat %2 Zeichen; eine Zeile der Karte fasst %3</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>the record has %1 values, the header %2 columns</source>
      <translation>der Datensatz hat %1 Werte, die Kopfzeile %2 Spalten</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>its QR code cannot be made: the record has no website address</source>
      <translation>sein QR-Code kann nicht erzeugt werden: der Datensatz hat keine Webadresse</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>its QR code cannot be made: its content has %1 bytes, and a QR code holds at most %2</source>
      <translation>sein QR-Code kann nicht erzeugt werden: sein Inhalt hat %1 Bytes, und ein QR-Code fasst höchstens %2</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>its QR code's dots would print %1 mm wide, too small for a phone to read (0.25 mm at least): make the code larger or its content shorter</source>
      <translation>die Punkte seines QR-Codes würden %1 mm breit gedruckt, zu klein, als dass ein Telefon sie liest (mindestens 0,25 mm): vergrößern Sie den Code oder kürzen Sie seinen Inhalt</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>%1, row %2</source>
      <translation>%1, Zeile %2 der Tabelle</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>%1, line %2</source>
      <translation>%1, Zeile %2</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeText.cpp" />
      <source>%1, line %2: the file holds a NUL byte, so it is not a text file; save it as CSV or vCard in UTF-8.</source>
      <translation>%1, Zeile %2: die Datei enthält ein NUL-Byte und ist daher keine Textdatei; speichern Sie sie als CSV oder vCard in UTF-8.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/OdsReader.cpp" />
      <source>%1, row %2: the sheet holds more than %3 values, or values beyond its last row or column; this is not a list of contacts.</source>
      <translation>%1, Zeile %2 der Tabelle: das Tabellenblatt enthält mehr als %3 Werte oder Werte jenseits seiner letzten Zeile oder Spalte; das ist keine Kontaktliste.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/OdsReader.cpp" />
      <source>%1 holds no sheet.</source>
      <translation>%1 enthält kein Tabellenblatt.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/OdsReader.cpp" />
      <source>%1 has no sheet '%2'; its sheets are '%3'.</source>
      <translation>%1 hat kein Tabellenblatt „%2“; seine Tabellenblätter sind „%3“.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/RecordFileNames.cpp" />
      <source>the '{' in '%1' is never closed.</source>
      <translation>die „{“ in „%1“ wird nie geschlossen.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/RecordFileNames.cpp" />
      <source>{%1} names no field; use one such as {Name}, {Company Name} or {Email}.</source>
      <translation>{%1} benennt kein Feld; verwenden Sie eines wie {Name}, {Company Name} oder {Email}.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/SheetXml.cpp" />
      <source>%1 cannot be read: its part %2 nests deeper than %3 levels.</source>
      <translation>%1 kann nicht gelesen werden: sein Teil %2 ist tiefer als %3 Ebenen verschachtelt.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/SheetXml.cpp" />
      <source>%1 cannot be read: its part %2 declares a document type, which no spreadsheet does.</source>
      <translation>%1 kann nicht gelesen werden: sein Teil %2 deklariert einen Dokumenttyp, was keine Tabelle tut.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/SheetXml.cpp" />
      <source>%1 cannot be read: its part %2 is damaged (line %3).</source>
      <translation>%1 kann nicht gelesen werden: sein Teil %2 ist beschädigt (Zeile %3).</translation>
    </message>
    <message>
      <location filename="../src/core/merge/SpreadsheetCells.cpp" />
      <source>%1: its merged cells cover more than %2 values; this is not a list of contacts.</source>
      <translation>%1: seine verbundenen Zellen decken mehr als %2 Werte ab; das ist keine Kontaktliste.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/SpreadsheetCells.cpp" />
      <source>%1, row %2: the data holds more than %3 values; split it into smaller files.</source>
      <translation>%1, Zeile %2 der Tabelle: die Daten enthalten mehr als %3 Werte; teilen Sie sie in kleinere Dateien auf.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/VCardReader.cpp" />
      <source>a contact is never ended with END:VCARD.</source>
      <translation>ein Kontakt wird nie mit END:VCARD beendet.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/VCardReader.cpp" />
      <source>%1, line %2 (%3): a value is not in UTF-8 and is read as Windows-1252.</source>
      <translation>%1, Zeile %2 (%3): ein Wert ist nicht in UTF-8 und wird als Windows-1252 gelesen.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/XlsxReader.cpp" />
      <source>%1 holds more than %2 different texts; this is not a list of contacts.</source>
      <translation>%1 enthält mehr als %2 verschiedene Texte; das ist keine Kontaktliste.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/ZipMembers.cpp" />
      <source>%1 cannot be read: it is not the ZIP archive a spreadsheet of its kind is.</source>
      <translation>%1 kann nicht gelesen werden: es ist nicht das ZIP-Archiv, das eine Tabelle dieser Art ist.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/ZipMembers.cpp" />
      <source>%1 cannot be read: it has no part %2.</source>
      <translation>%1 kann nicht gelesen werden: es hat keinen Teil %2.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/ZipMembers.cpp" />
      <source>%1 cannot be read: its part %2 is damaged.</source>
      <translation>%1 kann nicht gelesen werden: sein Teil %2 ist beschädigt.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/ZipMembers.cpp" />
      <source>%1 cannot be read: its part %2 inflates to more than %3 MB; this is not a list of contacts.</source>
      <translation>%1 kann nicht gelesen werden: sein Teil %2 entpackt sich auf mehr als %3 MB; das ist keine Kontaktliste.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/ZipMembers.cpp" />
      <source>%1 cannot be read: its part %2 inflates to more than %3 times its packed size; this is not a list of contacts.</source>
      <translation>%1 kann nicht gelesen werden: sein Teil %2 entpackt sich auf mehr als das %3-Fache seiner gepackten Größe; das ist keine Kontaktliste.</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/ImageBridge.cpp" />
      <source>ToRasterImage: not a 32-bit picture</source>
      <translation>ToRasterImage: kein 32-Bit-Bild</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgDrawing.cpp" />
      <source>the drawing is larger than an SVG logo may be (%1 bytes)</source>
      <translation>die Zeichnung ist größer, als ein SVG-Logo sein darf (%1 Bytes)</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgDrawing.cpp" />
      <source>the drawing has no size that can be drawn</source>
      <translation>die Zeichnung hat keine Größe, in der sie gezeichnet werden kann</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgDrawing.cpp" />
      <source>the drawing is too large for a card</source>
      <translation>die Zeichnung ist zu groß für eine Karte</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgRaster.cpp" />
      <source>the drawing is too complex to be drawn in reasonable time</source>
      <translation>die Zeichnung ist zu aufwendig, um in angemessener Zeit gezeichnet zu werden</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgRaster.cpp" />
      <source>not enough memory for the drawing</source>
      <translation>nicht genug Speicher für die Zeichnung</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing refers to %1, outside the file, which is not followed</source>
      <translation>die Zeichnung verweist auf %1 außerhalb der Datei; dem Verweis wird nicht gefolgt</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing holds a picture that cannot be read: %1</source>
      <translation>die Zeichnung enthält ein Bild, das nicht gelesen werden kann: %1</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>its reference holds no data</source>
      <translation>sein Verweis enthält keine Daten</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>its base64 data is damaged</source>
      <translation>seine Base64-Daten sind beschädigt</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing holds drawings nested more than %1 deep</source>
      <translation>die Zeichnung enthält Zeichnungen, die mehr als %1 Ebenen tief verschachtelt sind</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing's pictures hold more than %1 pixels in all</source>
      <translation>die Bilder der Zeichnung haben zusammen mehr als %1 Pixel</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing holds a compressed drawing, which is not read</source>
      <translation>die Zeichnung enthält eine komprimierte Zeichnung, die nicht gelesen wird</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing nests its elements more than %1 deep</source>
      <translation>die Zeichnung verschachtelt ihre Elemente mehr als %1 Ebenen tief</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing draws an element inside itself</source>
      <translation>die Zeichnung zeichnet ein Element in sich selbst</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing draws more than %1 elements</source>
      <translation>die Zeichnung zeichnet mehr als %1 Elemente</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing holds more than %1 characters of text</source>
      <translation>die Zeichnung enthält mehr als %1 Zeichen Text</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing declares entities, which are not read</source>
      <translation>die Zeichnung deklariert Entitäten, die nicht gelesen werden</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing refers to an entity, which is not read</source>
      <translation>die Zeichnung verweist auf eine Entität, die nicht gelesen wird</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>a gradient in the drawing has more than %1 stops</source>
      <translation>ein Verlauf der Zeichnung hat mehr als %1 Farbstopps</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing's gradients have more than %1 stops</source>
      <translation>die Verläufe der Zeichnung haben mehr als %1 Farbstopps</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing is not well-formed SVG: %1</source>
      <translation>die Zeichnung ist kein wohlgeformtes SVG: %1</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing has too many style rules (%1) for its %2 elements</source>
      <translation>die Zeichnung hat zu viele Stilregeln (%1) für ihre %2 Elemente</translation>
    </message>
    <message>
      <location filename="../src/core/print/CardFit.cpp" />
      <source>the card is %1, the sheet's cards %2</source>
      <translation>die Karte misst %1, die Karten des Bogens %2</translation>
    </message>
    <message>
      <location filename="../src/core/print/CmykProfile.cpp" />
      <source>'%1' is not an ICC colour profile</source>
      <translation>„%1“ ist kein ICC-Farbprofil</translation>
    </message>
    <message>
      <location filename="../src/core/print/CmykProfile.cpp" />
      <source>'%1' is not a profile for printing in CMYK</source>
      <translation>„%1“ ist kein Profil für den Druck in CMYK</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>The label database file %1 is skipped: %2.</source>
      <translation>Die Etikettendatenbank-Datei %1 wird übergangen: %2.</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>The label database file %1 is skipped: the database holds more than %2 templates.</source>
      <translation>Die Etikettendatenbank-Datei %1 wird übergangen: die Datenbank enthält mehr als %2 Vorlagen.</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>its elements are nested more than %1 deep</source>
      <translation>ihre Elemente sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>it holds more than %1 elements</source>
      <translation>sie enthält mehr als %1 Elemente</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>it holds more than %1 templates</source>
      <translation>sie enthält mehr als %1 Vorlagen</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>line %1: %2</source>
      <translation>Zeile %1: %2</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>The label database %1 holds more than %2 files; it is skipped.</source>
      <translation>Die Etikettendatenbank %1 enthält mehr als %2 Dateien; sie wird übergangen.</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>The label database file %1 is skipped: %2</source>
      <translation>Die Etikettendatenbank-Datei %1 wird übergangen: %2</translation>
    </message>
    <message>
      <location filename="../src/core/print/LengthDisplay.cpp" />
      <source>Please enter a number between %1 and %2.</source>
      <translation>Bitte geben Sie eine Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the card height</source>
      <translation>die Kartenhöhe</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the card width</source>
      <translation>die Kartenbreite</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the horizontal pitch</source>
      <translation>der horizontale Abstand</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the vertical pitch</source>
      <translation>der vertikale Abstand</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the left margin</source>
      <translation>der linke Rand</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the top margin</source>
      <translation>der obere Rand</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the version</source>
      <translation>die Version</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>not a page layout</source>
      <translation>kein Seitenlayout</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>%1 is not a finite number</source>
      <translation>%1: keine endliche Zahl</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the paper identifier</source>
      <translation>die Papierkennung</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the unit</source>
      <translation>die Einheit</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the name</source>
      <translation>der Name</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>%1 is not a page layout.</source>
      <translation>%1 ist kein Seitenlayout.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>%1 cannot be read: %2.</source>
      <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>%1 is damaged: %2.</source>
      <translation>%1 ist beschädigt: %2.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>Give the page layout a name.</source>
      <translation>Geben Sie dem Seitenlayout einen Namen.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>"%1" cannot be the name of a file: give a name without "/" of at most %2 bytes.</source>
      <translation>„%1“ kann nicht der Name einer Datei sein: geben Sie einen Namen ohne „/“ mit höchstens %2 Byte an.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutLibrary.cpp" />
      <source>%1 is refused: %2.</source>
      <translation>%1 wird abgelehnt: %2.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutLibrary.cpp" />
      <source>Only the first %1 page layouts are listed; %2 more in %3 are left out.</source>
      <translation>Nur die ersten %1 Seitenlayouts werden aufgeführt; %2 weitere in %3 werden ausgelassen.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PdfCmykConversion.cpp" />
      <source>The PDF cannot be turned into CMYK: it holds an inline picture.</source>
      <translation>Das PDF kann nicht in CMYK umgewandelt werden: es enthält ein eingebettetes Inline-Bild.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PdfCmykConversion.cpp" />
      <source>The PDF cannot be turned into CMYK: it holds a shading.</source>
      <translation>Das PDF kann nicht in CMYK umgewandelt werden: es enthält einen Farbverlauf (Shading).</translation>
    </message>
    <message>
      <location filename="../src/core/print/PdfCmykConversion.cpp" />
      <source>The PDF cannot be turned into CMYK: it paints in a colour space other than RGB or grey.</source>
      <translation>Das PDF kann nicht in CMYK umgewandelt werden: es malt in einem anderen Farbraum als RGB oder Grau.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PdfCmykConversion.cpp" />
      <source>The PDF cannot be turned into CMYK: it holds a picture in a colour space other than RGB or grey.</source>
      <translation>Das PDF kann nicht in CMYK umgewandelt werden: es enthält ein Bild in einem anderen Farbraum als RGB oder Grau.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PdfCmykConversion.cpp" />
      <source>The PDF cannot be turned into CMYK: it holds transparency that was not flattened.</source>
      <translation>Das PDF kann nicht in CMYK umgewandelt werden: es enthält Transparenz, die nicht reduziert wurde.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PdfFinishing.cpp" />
      <source>The PDF could not be finished: %1</source>
      <translation>Das PDF konnte nicht fertiggestellt werden: %1</translation>
    </message>
    <message>
      <location filename="../src/core/print/PdfXMarking.cpp" />
      <source>The sRGB colour profile a PDF/X file names was not found (%1 of the package icc-profiles-free).</source>
      <translation>Das sRGB-Farbprofil, das eine PDF/X-Datei nennt, wurde nicht gefunden (%1 aus dem Paket icc-profiles-free).</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogue.cpp" />
      <source>My sheets</source>
      <translation>Meine Bögen</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>the product has no "%1"</source>
      <translation>dem Produkt fehlt „%1“</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>the product has more than %1 part numbers</source>
      <translation>das Produkt hat mehr als %1 Teilenummern</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>no paper is named "%1"</source>
      <translation>kein Papier heißt „%1“</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>the unit "%1" is not in, cm or mm</source>
      <translation>die Einheit „%1“ ist nicht in, cm oder mm</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"%1" needs two numbers, not "%2"</source>
      <translation>„%1“ braucht zwei Zahlen, nicht „%2“</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"cards" needs two whole numbers, not "%1"</source>
      <translation>„cards“ braucht zwei ganze Zahlen, nicht „%1“</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"corners" needs a number, not "%1"</source>
      <translation>„corners“ braucht eine Zahl, nicht „%1“</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>expected "key: value"</source>
      <translation>„Schlüssel: Wert“ erwartet</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"%1" has no value</source>
      <translation>„%1“ hat keinen Wert</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"maker" is given twice</source>
      <translation>„maker“ ist zweimal angegeben</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"maker" comes before the products</source>
      <translation>„maker“ gehört vor die Produkte</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>unknown key "%1"</source>
      <translation>unbekannter Schlüssel „%1“</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>more than %1 products</source>
      <translation>mehr als %1 Produkte</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"%1" comes before any "product"</source>
      <translation>„%1“ steht vor jedem „product“</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"%1" is given twice</source>
      <translation>„%1“ ist zweimal angegeben</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>the file names no product</source>
      <translation>die Datei nennt kein Produkt</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>%1: %2 is left out: %3.</source>
      <translation>%1: %2 wird ausgelassen: %3.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetGrid.cpp" />
      <source>Card height and width should not be more than pitch values</source>
      <translation>Kartenhöhe und -breite sollten nicht größer als die Abstandswerte sein</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetGrid.cpp" />
      <source>Not enough space</source>
      <translation>Nicht genug Platz</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetGrid.cpp" />
      <source>The first card does not start on the paper: make the margins smaller</source>
      <translation>Die erste Karte beginnt nicht auf dem Papier: verkleinern Sie die Ränder</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetGrid.cpp" />
      <source>Cards too small: at most 100 fit across and 100 down</source>
      <translation>Karten zu klein: höchstens 100 passen nebeneinander und 100 untereinander</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetPdf.cpp" />
      <source>The PDF could not be made: %1</source>
      <translation>Das PDF konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetPrinting.cpp" />
      <source>At least one sheet is needed.</source>
      <translation>Mindestens ein Bogen wird benötigt.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetPrinting.cpp" />
      <source>No room for a bleed of %1 mm between the cards: their bleeds would overlap.</source>
      <translation>Kein Platz für einen Beschnitt von %1 mm zwischen den Karten: ihre Beschnittzugaben würden sich überlappen.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetPrinting.cpp" />
      <source>The paper %1 cannot be used.</source>
      <translation>Das Papier %1 kann nicht verwendet werden.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetPrinting.cpp" />
      <source>The printing could not be started.</source>
      <translation>Der Druck konnte nicht gestartet werden.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetPrinting.cpp" />
      <source>A new sheet could not be started.</source>
      <translation>Ein neuer Bogen konnte nicht begonnen werden.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetPrinting.cpp" />
      <source>The printing could not be finished.</source>
      <translation>Der Druck konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetProduct.cpp" />
      <source>a length is not a number from 0 to 10 m</source>
      <translation>eine Länge ist keine Zahl von 0 bis 10 m</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetProduct.cpp" />
      <source>the card has no size</source>
      <translation>die Karte hat keine Größe</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetProduct.cpp" />
      <source>the columns and rows are not from 1 to %1</source>
      <translation>die Spalten und Zeilen liegen nicht zwischen 1 und %1</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetProduct.cpp" />
      <source>the paper %1 has no Windows paper number</source>
      <translation>das Papier %1 hat keine Windows-Papiernummer</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetProduct.cpp" />
      <source>the program lays out %1 × %2 cards on the paper, the product has %3 × %4</source>
      <translation>das Programm legt %1 × %2 Karten auf das Papier, das Produkt hat %3 × %4</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetProduct.cpp" />
      <source>the last card ends beyond the paper</source>
      <translation>die letzte Karte reicht über das Papier hinaus</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetRenderer.cpp" />
      <source>The centre of the cross should lie %1 mm from the paper's left edge and %2 mm from its top edge.
Measure where it lies: the X offset is %1 minus the distance from the left, the Y offset %2 minus the distance from the top, each added to the offset in use.
Measure 100 mm of a ruler: the scale is the scale in use times 100 divided by what you measure.
In use: offset %3, %4 mm; scale %5 %.</source>
      <translation>Die Mitte des Kreuzes sollte %1 mm vom linken und %2 mm vom oberen Papierrand entfernt liegen.
Messen Sie, wo sie liegt: der X-Versatz ist %1 minus der Abstand von links, der Y-Versatz %2 minus der Abstand von oben, jeweils zum verwendeten Versatz addiert.
Messen Sie 100 mm eines Lineals: der Maßstab ist der verwendete Maßstab mal 100 geteilt durch Ihr Messergebnis.
Verwendet: Versatz %3, %4 mm; Maßstab %5 %.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetSearch.cpp" />
      <source>Last used</source>
      <translation>Zuletzt verwendet</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetSearch.cpp" />
      <source>Other paper</source>
      <translation>Anderes Papier</translation>
    </message>
    <message>
      <location filename="../src/core/qr/QrContentText.cpp" />
      <source>The card has no website address for its QR code.</source>
      <translation>Die Karte hat keine Website-Adresse für ihren QR-Code.</translation>
    </message>
    <message>
      <location filename="../src/core/qr/QrContentText.cpp" />
      <source>The QR code has no text.</source>
      <translation>Der QR-Code hat keinen Text.</translation>
    </message>
    <message>
      <location filename="../src/core/qr/QrContentText.cpp" />
      <source>The QR code's content is unknown.</source>
      <translation>Der Inhalt des QR-Codes ist unbekannt.</translation>
    </message>
    <message>
      <location filename="../src/core/qr/QrSymbol.cpp" />
      <source>The QR code's content is too long: %1 bytes, and a QR code holds at most %2.</source>
      <translation>Der Inhalt des QR-Codes ist zu lang: %1 Byte, ein QR-Code fasst höchstens %2.</translation>
    </message>
    <message>
      <location filename="../src/core/qr/QrSymbol.cpp" />
      <source>The QR code could not be encoded.</source>
      <translation>Der QR-Code konnte nicht erzeugt werden.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>Access to %1 was denied.</source>
      <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>Disk full while accessing %1.</source>
      <translation>Der Datenträger ist voll beim Zugriff auf %1.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 was not found.</source>
      <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 contains an invalid path.</source>
      <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>An unexpected error occurred while accessing %1.</source>
      <translation>Beim Zugriff auf %1 ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 is a folder, not a file.</source>
      <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 is a symbolic link, not a file.</source>
      <translation>%1 ist eine symbolische Verknüpfung, keine Datei.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 is a named pipe, not a file.</source>
      <translation>%1 ist eine benannte Pipe, keine Datei.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 is a device, not a file.</source>
      <translation>%1 ist ein Gerät, keine Datei.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 is not a regular file.</source>
      <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 is too large.</source>
      <translation>%1 ist zu groß.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 exists already.</source>
      <translation>%1 ist bereits vorhanden.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/ImageMessages.h" />
      <source>Can't open file for reading: %1</source>
      <translation>Die Datei kann nicht zum Lesen geöffnet werden: %1</translation>
    </message>
    <message>
      <location filename="../src/core/storage/ImageMessages.h" />
      <source>Image too large: at most %1 pixels a side and %2 megapixels</source>
      <translation>Bild zu groß: höchstens %1 Pixel je Seite und %2 Megapixel</translation>
    </message>
    <message>
      <location filename="../src/ui/app/AboutDialog.cpp" />
      <source>About Tavolo...</source>
      <translation>Über Tavolo...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/AboutDialog.cpp" />
      <source>Version %1</source>
      <translation>Version %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/ExportImage.cpp" />
      <source>Export Image</source>
      <translation>Bild exportieren</translation>
    </message>
    <message>
      <location filename="../src/ui/app/ExportImage.cpp" />
      <source>The card was not exported. %1</source>
      <translation>Die Karte wurde nicht exportiert. %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FatalErrorDialog.cpp" />
      <source>Fatal Error</source>
      <translation>Schwerwiegender Fehler</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FatalErrorDialog.cpp" />
      <source>Retry</source>
      <translation>Wiederholen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FatalErrorDialog.cpp" />
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldCaption.cpp" />
      <source>Text Options</source>
      <translation>Textoptionen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldCaption.cpp" />
      <source>%1 caption</source>
      <translation>Beschriftung %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" />
      <source>Edit your text here</source>
      <translation>Text hier bearbeiten</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" />
      <source>Push to change text and frame options</source>
      <translation>Klicken, um Text- und Rahmenoptionen zu ändern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" />
      <source>Line too wide for its box: “%1”</source>
      <translation>Zeile zu breit für ihr Feld: „%1“</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" />
      <source>Field %1</source>
      <translation>Feld %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" />
      <source>The font %1 is not installed; %2 stands in for it.</source>
      <translation>Die Schrift %1 ist nicht installiert; %2 steht dafür ein.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" />
      <source>Tavolo Help</source>
      <translation>Tavolo-Hilfe</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" />
      <source>Back</source>
      <translation>Zurück</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" />
      <source>Forward</source>
      <translation>Vorwärts</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" />
      <source>Home</source>
      <translation>Startseite</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" />
      <source>Close</source>
      <translation>Schließen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" />
      <source>Contents</source>
      <translation>Inhalt</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Push to see more backgrounds</source>
      <translation>Klicken, um weitere Hintergründe zu sehen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Prev.</source>
      <translation>Zurück</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Next</source>
      <translation>Weiter</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Push to change background options</source>
      <translation>Klicken, um die Hintergrundoptionen zu ändern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Background options</source>
      <translation>Hintergrundoptionen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Drag to change background hue</source>
      <translation>Ziehen, um den Farbton des Hintergrunds zu ändern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Drag to change background saturation</source>
      <translation>Ziehen, um die Sättigung des Hintergrunds zu ändern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Drag to change background lightness</source>
      <translation>Ziehen, um die Helligkeit des Hintergrunds zu ändern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Click to change background image</source>
      <translation>Klicken, um das Hintergrundbild zu ändern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Click to change text layout</source>
      <translation>Klicken, um das Textlayout zu ändern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Background hue</source>
      <translation>Farbton des Hintergrunds</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Background saturation</source>
      <translation>Sättigung des Hintergrunds</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Background lightness</source>
      <translation>Helligkeit des Hintergrunds</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Backgrounds</source>
      <translation>Hintergründe</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Card preview</source>
      <translation>Kartenvorschau</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Text layouts</source>
      <translation>Textlayouts</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>(back)</source>
      <translation>(Rückseite)</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Insert Photo...	Ctrl+I</source>
      <translation>Foto einfügen...	Ctrl+I</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Edit Photo...	Ctrl+I</source>
      <translation>Foto bearbeiten...	Ctrl+I</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Insert Logo...</source>
      <translation>Logo einfügen...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Edit Logo...</source>
      <translation>Logo bearbeiten...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;File</source>
      <translation>&amp;Datei</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Edit</source>
      <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Insert</source>
      <translation>&amp;Einfügen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Arrange</source>
      <translation>&amp;Anordnen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Templates</source>
      <translation>&amp;Vorlagen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Layouts</source>
      <translation>&amp;Layouts</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Window</source>
      <translation>Fe&amp;nster</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Help</source>
      <translation>&amp;Hilfe</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>New Blank Project</source>
      <translation>Neues leeres Projekt</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;New Project...	Ctrl+N</source>
      <translation>&amp;Neues Projekt...	Ctrl+N</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Load Project... 	Ctrl+L</source>
      <translation>Projekt &amp;laden... 	Ctrl+L</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Save Project...	Ctrl+S</source>
      <translation>Projekt &amp;speichern...	Ctrl+S</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Save Project &amp;As...</source>
      <translation>Projekt speichern &amp;unter...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Import Background...</source>
      <translation>Hintergrund importieren...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Export Image...</source>
      <translation>Bild exportieren...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Print...	Ctrl+P</source>
      <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Merge...</source>
      <translation>Ser&amp;iendruck...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Print Setup...</source>
      <translation>Druckereinrichtung...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Exit	Alt+F4</source>
      <translation>Beenden	Alt+F4</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Undo 	Ctrl+Z</source>
      <translation>Rückgängig 	Ctrl+Z</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Redo 	Ctrl+Y</source>
      <translation>Wiederherstellen 	Ctrl+Y</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Copy</source>
      <translation>Kopieren</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Delete Photo</source>
      <translation>Foto löschen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Delete Logo</source>
      <translation>Logo löschen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Insert QR Code...</source>
      <translation>QR-Code einfügen...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Object Properties...</source>
      <translation>&amp;Objekteigenschaften...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Text Colors...</source>
      <translation>Textfarben...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Frame Colors...</source>
      <translation>Rahmenfarben...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Background Color...</source>
      <translation>Hintergrundfarbe...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Card Properties...</source>
      <translation>Karteneigenschaften...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Contact &amp;Details...</source>
      <translation>&amp;Kontaktdaten...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Back side</source>
      <translation>Rückseite</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Show Front</source>
      <translation>Vorderseite zeigen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Show Back</source>
      <translation>Rückseite zeigen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Text Box</source>
      <translation>&amp;Textfeld</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Line</source>
      <translation>&amp;Linie</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Rectangle</source>
      <translation>&amp;Rechteck</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Ellipse</source>
      <translation>&amp;Ellipse</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Align &amp;Left</source>
      <translation>&amp;Links ausrichten</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Align &amp;Centre</source>
      <translation>Horizontal &amp;zentrieren</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Align &amp;Right</source>
      <translation>&amp;Rechts ausrichten</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Align &amp;Top</source>
      <translation>&amp;Oben ausrichten</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Align &amp;Middle</source>
      <translation>&amp;Vertikal zentrieren</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Align &amp;Bottom</source>
      <translation>&amp;Unten ausrichten</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Distribute &amp;Horizontally</source>
      <translation>&amp;Horizontal verteilen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Distribute &amp;Vertically</source>
      <translation>V&amp;ertikal verteilen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Bring &amp;Forward	Ctrl+]</source>
      <translation>Eine Ebene nach vor&amp;ne	Ctrl+]</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Send Back&amp;ward	Ctrl+[</source>
      <translation>Eine Ebene nach hin&amp;ten	Ctrl+[</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Bring to Fr&amp;ont	Ctrl+Shift+]</source>
      <translation>In den Vor&amp;dergrund	Ctrl+Shift+]</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Se&amp;nd to Back	Ctrl+Shift+[</source>
      <translation>In den Hinter&amp;grund	Ctrl+Shift+[</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Loc&amp;k</source>
      <translation>&amp;Sperren</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Unlock</source>
      <translation>Ents&amp;perren</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>New from Template...	 Ctrl+N</source>
      <translation>Neu aus Vorlage...	 Ctrl+N</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Save Template...</source>
      <translation>Vorlage speichern...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Layout %1</source>
      <translation>Layout %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Text Field %1...</source>
      <translation>Textfeld %1...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Background Options...</source>
      <translation>Hintergrundoptionen...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Zoom &amp;In	Ctrl++</source>
      <translation>Ver&amp;größern	Ctrl++</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Zoom &amp;Out	Ctrl+-</source>
      <translation>Ver&amp;kleinern	Ctrl+-</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Zoom to &amp;Fit	Ctrl+0</source>
      <translation>&amp;Einpassen	Ctrl+0</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Tavolo Help	F1</source>
      <translation>Tavolo-Hilfe	F1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>About Tavolo</source>
      <translation>Über Tavolo</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Recent &amp;Projects</source>
      <translation>&amp;Zuletzt verwendete Projekte</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>The photo "%1" cannot be drawn and is left out: %2</source>
      <translation>Das Foto „%1“ kann nicht gezeichnet werden und wird ausgelassen: %2</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>The logo "%1" cannot be drawn and is left out: %2</source>
      <translation>Das Logo „%1“ kann nicht gezeichnet werden und wird ausgelassen: %2</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>The QR code cannot be drawn and is left out: %1</source>
      <translation>Der QR-Code kann nicht gezeichnet werden und wird ausgelassen: %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>Would you like to save changes before closing?</source>
      <translation>Möchten Sie die Änderungen vor dem Schließen speichern?</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>Load Project</source>
      <translation>Projekt laden</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>TVC files(*.tvc)|*.tvc||</source>
      <translation>TVC-Dateien(*.tvc)|*.tvc||</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>%1 was not found. It has been removed from Recent Projects.</source>
      <translation>%1 wurde nicht gefunden und aus den zuletzt verwendeten Projekten entfernt.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>%1 is not a Tavolo card.</source>
      <translation>%1 ist keine Tavolo-Karte.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>%1: %2; the card itself was read whole.</source>
      <translation>%1: %2; die Karte selbst wurde vollständig gelesen.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>%1 is not installed; %2 stands in for it. The card keeps %1 and shows it where it is installed.</source>
      <translation>%1 ist nicht installiert; %2 steht dafür ein. Die Karte behält %1 und zeigt sie, wo sie installiert ist.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>Save Project</source>
      <translation>Projekt speichern</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>tvc files(*.tvc)|*.tvc||</source>
      <translation>TVC-Dateien(*.tvc)|*.tvc||</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>Import Background</source>
      <translation>Hintergrund importieren</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_Help.cpp" />
      <source>The help pages could not be found: %1 is missing.</source>
      <translation>Die Hilfeseiten wurden nicht gefunden: %1 fehlt.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_Objects.cpp" />
      <source>Text</source>
      <translation>Text</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_Templates.cpp" />
      <source>A template named "%1" exists already. Replace it?

Choose No to give this one another name.</source>
      <translation>Eine Vorlage namens „%1“ ist bereits vorhanden. Ersetzen?

Wählen Sie „Nein“, um dieser einen anderen Namen zu geben.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_Templates.cpp" />
      <source>The template "%1" could not be saved in the templates folder %2.

%3</source>
      <translation>Die Vorlage „%1“ konnte nicht im Vorlagenordner %2 gespeichert werden.

%3</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Merge: %1</source>
      <translation>Seriendruck: %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Columns of the data and the fields of the card they fill (click a field to change it):</source>
      <translation>Spalten der Daten und die Kartenfelder, die sie füllen (klicken Sie auf ein Feld, um es zu ändern):</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>&amp;First</source>
      <translation>&amp;Erster</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>&amp;Previous</source>
      <translation>&amp;Vorheriger</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>&amp;Next</source>
      <translation>&amp;Nächster</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>&amp;Last</source>
      <translation>&amp;Letzter</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>P&amp;rint...</source>
      <translation>&amp;Drucken...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>&amp;Export...</source>
      <translation>E&amp;xportieren...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>%1 of %2 records left out</source>
      <translation>%1 von %2 Datensätzen ausgelassen</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>%1 QR codes that cannot be read</source>
      <translation>%1 QR-Codes, die nicht lesbar sind</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>%1 notes on how the file was read</source>
      <translation>%1 Hinweise dazu, wie die Datei gelesen wurde</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Every record makes a card.</source>
      <translation>Jeder Datensatz ergibt eine Karte.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>No record makes a card: choose the fields the columns fill.</source>
      <translation>Kein Datensatz ergibt eine Karte: wählen Sie die Felder, die die Spalten füllen.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Every column fills a field.</source>
      <translation>Jede Spalte füllt ein Feld.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>%1 of %2 columns fill no field; the note says why.</source>
      <translation>%1 von %2 Spalten füllen kein Feld; der Hinweis sagt, warum.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Checking the records...</source>
      <translation>Datensätze werden geprüft...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Record %1 of %2 (row %3)</source>
      <translation>Datensatz %1 von %2 (Tabellenzeile %3)</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Record %1 of %2 (line %3)</source>
      <translation>Datensatz %1 von %2 (Zeile %3)</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>No record</source>
      <translation>Kein Datensatz</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>The card's resolution is %1 dpi. Set a resolution above 0 in the card's properties before printing.</source>
      <translation>Die Auflösung der Karte beträgt %1 dpi. Stellen Sie vor dem Drucken in den Karteneigenschaften eine Auflösung über 0 ein.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Export Cards</source>
      <translation>Karten exportieren</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Checking the file names...</source>
      <translation>Dateinamen werden geprüft...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>%1 of the %2 files exist already, such as %3.

Replace them? No keeps them and writes only the other files.</source>
      <translation>%1 der %2 Dateien gibt es schon, etwa %3.

Ersetzen? Nein behält sie und schreibt nur die übrigen Dateien.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Exporting the cards...</source>
      <translation>Karten werden exportiert...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Exporting card %1 of %2...</source>
      <translation>Karte %1 von %2 wird exportiert...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>The cards were not all exported: %1 of %2 files were written to %3. %4</source>
      <translation>Die Karten wurden nicht alle exportiert: %1 von %2 Dateien wurden nach %3 geschrieben. %4</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>The export was cancelled: the files of the first %1 of %2 records are written to %3, each one whole.</source>
      <translation>Der Export wurde abgebrochen: die Dateien der ersten %1 von %2 Datensätzen stehen vollständig in %3.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeWorkflow.cpp" />
      <source>Merge</source>
      <translation>Seriendruck</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeWorkflow.cpp" />
      <source>Contacts (*.csv *.vcf *.ods *.xlsx *.txt);;All files (*)</source>
      <translation>Kontakte (*.csv *.vcf *.ods *.xlsx *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeWorkflow.cpp" />
      <source>Reading %1...</source>
      <translation>%1 wird gelesen...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/PrintWorkflow.cpp" />
      <source>Print Setup</source>
      <translation>Druckereinrichtung</translation>
    </message>
    <message>
      <location filename="../src/ui/app/PrintWorkflow.cpp" />
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <location filename="../src/ui/app/main.cpp" />
      <source>Tavolo opens one card at a time: %1 is open. These were not opened:%2</source>
      <translation>Tavolo öffnet jeweils nur eine Karte: %1 ist geöffnet. Diese Dateien wurden nicht geöffnet:%2</translation>
    </message>
    <message>
      <location filename="../src/ui/base/DialogPrompts.cpp" />
      <source>&amp;Save</source>
      <translation>&amp;Speichern</translation>
    </message>
    <message>
      <location filename="../src/ui/base/DialogPrompts.cpp" />
      <source>&amp;Discard</source>
      <translation>&amp;Verwerfen</translation>
    </message>
    <message>
      <location filename="../src/ui/card/FaceSwitch.cpp" />
      <source>Front side</source>
      <translation>Vorderseite</translation>
    </message>
    <message>
      <location filename="../src/ui/card/FaceSwitch.cpp" />
      <source>Face being edited</source>
      <translation>Bearbeitete Seite</translation>
    </message>
    <message>
      <location filename="../src/ui/choosers/BackgroundChooser.cpp" />
      <source>Background %1: %2</source>
      <translation>Hintergrund %1: %2</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" />
      <source>Background Options</source>
      <translation>Hintergrundoptionen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" />
      <source>Background &amp;Shift</source>
      <translation>Hintergrund&amp;verschiebung</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" />
      <source>Gradient S&amp;cale</source>
      <translation>Verlaufs&amp;maßstab</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" />
      <source>Gradient &amp;Orientation</source>
      <translation>Verlaufs&amp;richtung</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" />
      <source>Background Co&amp;lor</source>
      <translation>Hintergrund&amp;farbe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" />
      <source>&amp;Brightness</source>
      <translation>&amp;Helligkeit</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" />
      <source>Card properties</source>
      <translation>Karteneigenschaften</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" />
      <source>&amp;Width:</source>
      <translation>&amp;Breite:</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" />
      <source>&amp;Height:</source>
      <translation>&amp;Höhe:</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" />
      <source>&amp;DPI:</source>
      <translation>&amp;DPI:</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" />
      <source>Object:</source>
      <translation>Objekt:</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" />
      <source>Saturation (across) and lightness (down)</source>
      <translation>Sättigung (waagerecht) und Helligkeit (senkrecht)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" />
      <source>Hue</source>
      <translation>Farbton</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" />
      <source>Ok</source>
      <translation>OK</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" />
      <source>Color Options: '%1'</source>
      <translation>Farboptionen: „%1“</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" />
      <source>%1 is no vCard file: it does not begin with BEGIN:VCARD.</source>
      <translation>%1 ist keine vCard-Datei: sie beginnt nicht mit BEGIN:VCARD.</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" />
      <source>%1 holds no contact.</source>
      <translation>%1 enthält keinen Kontakt.</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" />
      <source>Contact Details</source>
      <translation>Kontaktdaten</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" />
      <source>From &amp;vCard...</source>
      <translation>Aus &amp;vCard...</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" />
      <source>From vCard</source>
      <translation>Aus vCard</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" />
      <source>vCards (*.vcf *.vcard);;All files (*)</source>
      <translation>vCards (*.vcf *.vcard);;Alle Dateien (*)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" />
      <source>(no name, line %1)</source>
      <translation>(kein Name, Zeile %1)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportDialog.cpp" />
      <source>Export Options</source>
      <translation>Exportoptionen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportDialog.cpp" />
      <source>Export file format</source>
      <translation>Dateiformat für den Export</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportDialog.cpp" />
      <source>&amp;Quality</source>
      <translation>&amp;Qualität</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" />
      <source>Draft Card Preview</source>
      <translation>Kartenvorschau (Entwurf)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" />
      <source>Drag the picture into place, or move it with the arrow keys</source>
      <translation>Ziehen Sie das Bild an seinen Platz oder verschieben Sie es mit den Pfeiltasten</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" />
      <source>P&amp;ath:</source>
      <translation>P&amp;fad:</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" />
      <source>&amp;Scale:</source>
      <translation>&amp;Maßstab:</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" />
      <source>%1 could not be opened as a picture: %2</source>
      <translation>%1 konnte nicht als Bild geöffnet werden: %2</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" />
      <source>Logo Options</source>
      <translation>Logooptionen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" />
      <source>&amp;Load Logo</source>
      <translation>Logo &amp;laden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" />
      <source>Load Logo</source>
      <translation>Logo laden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" />
      <source>&amp;Rotate Clockwise</source>
      <translation>Im &amp;Uhrzeigersinn drehen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>Column</source>
      <translation>Spalte</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>Value</source>
      <translation>Wert</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>Field</source>
      <translation>Feld</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>Note</source>
      <translation>Hinweis</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>%1 more columns</source>
      <translation>%1 weitere Spalten</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>not offered here; they fill no field</source>
      <translation>hier nicht angeboten; sie füllen kein Feld</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>not offered here; %1 of them fill a field their header names</source>
      <translation>hier nicht angeboten; %1 davon füllen ein Feld, das ihre Überschrift nennt</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>(none)</source>
      <translation>(keines)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>joined: %1</source>
      <translation>verbunden: %1</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeProblemsModel.cpp" />
      <source>row %1: %2</source>
      <translation>Tabellenzeile %1: %2</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ObjectPropertiesDialog.cpp" />
      <source>Object Properties</source>
      <translation>Objekteigenschaften</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ObjectPropertiesDialog.cpp" />
      <source>&amp;Lines</source>
      <translation>&amp;Zeilen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ObjectPropertiesDialog.cpp" />
      <source>Stroke &amp;color</source>
      <translation>&amp;Linienfarbe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ObjectPropertiesDialog.cpp" />
      <source>Stroke &amp;width</source>
      <translation>Linien&amp;breite</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ObjectPropertiesDialog.cpp" />
      <source>&amp;Filled</source>
      <translation>&amp;Gefüllt</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ObjectPropertiesDialog.cpp" />
      <source>F&amp;ill color</source>
      <translation>&amp;Füllfarbe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ObjectPropertiesDialog.cpp" />
      <source>Corner &amp;radius</source>
      <translation>&amp;Eckenradius</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" />
      <source>Trim &amp;left</source>
      <translation>&amp;Links beschneiden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" />
      <source>Trim &amp;right</source>
      <translation>&amp;Rechts beschneiden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" />
      <source>Trim &amp;top</source>
      <translation>&amp;Oben beschneiden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" />
      <source>Trim &amp;bottom</source>
      <translation>&amp;Unten beschneiden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" />
      <source>Photo Options</source>
      <translation>Fotooptionen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" />
      <source>Load &amp;Photo</source>
      <translation>&amp;Foto laden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" />
      <source>Load Photo</source>
      <translation>Foto laden</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>QR Code</source>
      <translation>QR-Code</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>&amp;Contact details</source>
      <translation>&amp;Kontaktdaten</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>&amp;Website</source>
      <translation>&amp;Website</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>&amp;Free text</source>
      <translation>&amp;Freier Text</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>Content</source>
      <translation>Inhalt</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>Light on d&amp;ark</source>
      <translation>Hell auf d&amp;unkel</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>Da&amp;rk color</source>
      <translation>D&amp;unkle Farbe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>&amp;Light color</source>
      <translation>&amp;Helle Farbe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>&amp;Size</source>
      <translation>&amp;Größe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>R&amp;emove</source>
      <translation>&amp;Entfernen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>No corner of the card is free of text and pictures: the code covers part of them in the lower right corner. Drag it where it belongs on the card.</source>
      <translation>Keine Ecke der Karte ist frei von Text und Bildern: Der Code verdeckt in der rechten unteren Ecke einen Teil davon. Ziehen Sie ihn auf der Karte an seinen Platz.</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>&amp;None</source>
      <translation>&amp;Keiner</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>E&amp;xact</source>
      <translation>E&amp;xakt</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>&amp;Left</source>
      <translation>&amp;Links</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>&amp;Right</source>
      <translation>&amp;Rechts</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>Card Lon&amp;g</source>
      <translation>Karten&amp;breit</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>S&amp;hrink to fit</source>
      <translation>&amp;Verkleinern, bis es passt</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>Draw a line too wide for its box smaller until it fits (not below 6 pt)</source>
      <translation>Eine für ihr Feld zu breite Zeile kleiner zeichnen, bis sie passt (nicht unter 6 pt)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>&amp;Font</source>
      <translation>&amp;Schriftart</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>Si&amp;ze (pt)</source>
      <translation>&amp;Größe (pt)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>St&amp;yle</source>
      <translation>Schrift&amp;schnitt</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>&amp;Color</source>
      <translation>&amp;Farbe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>Frame</source>
      <translation>Rahmen</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>F&amp;ill Color</source>
      <translation>F&amp;üllfarbe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>Fra&amp;me Size</source>
      <translation>Rahmen&amp;größe</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>&amp;Opacity</source>
      <translation>&amp;Deckkraft</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>%1 (not installed)</source>
      <translation>%1 (nicht installiert)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/VCardContactDialog.cpp" />
      <source>The file holds %1 contacts. Choose the one for the card:</source>
      <translation>Die Datei enthält %1 Kontakte. Wählen Sie den für die Karte:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/BothSidesGroup.cpp" />
      <source>Two-sided printing</source>
      <translation>Beidseitiger Druck</translation>
    </message>
    <message>
      <location filename="../src/ui/print/BothSidesGroup.cpp" />
      <source>Both sides</source>
      <translation>Beidseitig</translation>
    </message>
    <message>
      <location filename="../src/ui/print/BothSidesGroup.cpp" />
      <source>Each sheet is followed by a page of the cards' backs</source>
      <translation>Auf jeden Bogen folgt eine Seite mit den Rückseiten der Karten</translation>
    </message>
    <message>
      <location filename="../src/ui/print/BothSidesGroup.cpp" />
      <source>Long edge</source>
      <translation>Lange Kante</translation>
    </message>
    <message>
      <location filename="../src/ui/print/BothSidesGroup.cpp" />
      <source>Short edge</source>
      <translation>Kurze Kante</translation>
    </message>
    <message>
      <location filename="../src/ui/print/BothSidesGroup.cpp" />
      <source>The edge the printer turns the sheet over</source>
      <translation>Die Kante, über die der Drucker den Bogen wendet</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>Print Preview</source>
      <translation>Druckvorschau</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>The number of sheets to print</source>
      <translation>Die Anzahl der zu druckenden Bogen</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>&amp;Print </source>
      <translation>&amp;Drucken </translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>C&amp;opies:</source>
      <translation>&amp;Exemplare:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>Draft Card preview</source>
      <translation>Kartenvorschau (Entwurf)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>Draft Page Preview</source>
      <translation>Seitenvorschau (Entwurf)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>Print Calibration Page to PDF</source>
      <translation>Kalibrierungsseite als PDF drucken</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>The card and the sheet's cards differ in size: choose "Use the sheet's card size" or "Print at the card's size".</source>
      <translation>Die Karte und die Karten des Bogens sind verschieden groß: Wählen Sie „Kartengröße des Bogens verwenden“ oder „In der Größe der Karte drucken“.</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>PDF files (*.pdf)</source>
      <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>Print to PDF</source>
      <translation>Als PDF drucken</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" />
      <source>Printing sheet %1 of %2...</source>
      <translation>Bogen %1 von %2 wird gedruckt...</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" />
      <source>The printer is not available.</source>
      <translation>Der Drucker ist nicht verfügbar.</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" />
      <source>The printer reported an error.</source>
      <translation>Der Drucker hat einen Fehler gemeldet.</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" />
      <source>The cards could not be printed on %1. %2</source>
      <translation>Die Karten konnten nicht auf %1 gedruckt werden. %2</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Print shop and printer calibration</source>
      <translation>Druckerei und Druckerkalibrierung</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Use the sheet's card size</source>
      <translation>Kartengröße des Bogens verwenden</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Print at the card's size</source>
      <translation>In der Größe der Karte drucken</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>How far the card's edges are printed past the cut</source>
      <translation>Wie weit die Ränder der Karte über den Schnitt hinaus gedruckt werden</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Crop mar&amp;ks</source>
      <translation>Schnittmar&amp;ken</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>PDF/X-&amp;4</source>
      <translation>PDF/X-&amp;4</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>The PDF is written as PDF/X-4, which a print shop's preflight checks: the sRGB output intent, the page boxes, every font embedded</source>
      <translation>Das PDF wird als PDF/X-4 geschrieben, wie es die Druckvorstufenprüfung einer Druckerei kontrolliert: die sRGB-Ausgabebedingung, die Seitenrahmen, jede Schrift eingebettet</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>&amp;Bleed:</source>
      <translation>Beschni&amp;tt:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Offset &amp;X:</source>
      <translation>Versatz &amp;X:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Offset &amp;Y:</source>
      <translation>Versatz &amp;Y:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Scal&amp;e:</source>
      <translation>Skalierun&amp;g:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Print Calibration Pa&amp;ge</source>
      <translation>Kalibrierungsseite dr&amp;ucken</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrinterChoice.cpp" />
      <source>PDF file</source>
      <translation>PDF-Datei</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Card &amp;Width</source>
      <translation>Karten&amp;breite</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Card &amp;Height</source>
      <translation>Karten&amp;höhe</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Hori&amp;zontal Pitch</source>
      <translation>&amp;Waagerechter Abstand</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>&amp;Vertical Pitch</source>
      <translation>&amp;Senkrechter Abstand</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>&amp;Left Margin</source>
      <translation>&amp;Linker Rand</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>&amp;Top Margin</source>
      <translation>&amp;Oberer Rand</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>&amp;inches</source>
      <translation>&amp;Zoll</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>&amp;cm</source>
      <translation>&amp;cm</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>m&amp;m</source>
      <translation>m&amp;m</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Sheet</source>
      <translation>Bogen</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>&amp;Use Predefined Page Layouts</source>
      <translation>&amp;Vordefinierte Seitenlayouts verwenden</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Printer:</source>
      <translation>Drucker:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Fin&amp;d sheet:</source>
      <translation>Bogen &amp;finden:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>L&amp;ayout:</source>
      <translation>L&amp;ayout:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Pape&amp;r:</source>
      <translation>Pa&amp;pier:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Card size and spacing</source>
      <translation>Kartengröße und Abstände</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Units:</source>
      <translation>Einheiten:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>&amp;Save As Template</source>
      <translation>Als Vorlage &amp;speichern</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Some page layouts could not be read:</source>
      <translation>Einige Seitenlayouts konnten nicht gelesen werden:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>No page layouts were found in %1.</source>
      <translation>In %1 wurden keine Seitenlayouts gefunden.</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>%1 (the layout's paper is not offered)</source>
      <translation>%1 (das Papier des Layouts wird nicht angeboten)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>A page layout named "%1" exists already. Replace it?</source>
      <translation>Ein Seitenlayout namens „%1“ ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductNameDialog.cpp" />
      <source>Save As Template</source>
      <translation>Als Vorlage speichern</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductNameDialog.cpp" />
      <source>&amp;Template Name:</source>
      <translation>&amp;Name der Vorlage:</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>Also sold as %1</source>
      <translation>Auch verkauft als %1</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>From the label database of gLabels</source>
      <translation>Aus der Etikettendatenbank von gLabels</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>A page layout you saved</source>
      <translation>Ein von Ihnen gespeichertes Seitenlayout</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>Maker, part number or card size</source>
      <translation>Hersteller, Teilenummer oder Kartengröße</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>Find sheet</source>
      <translation>Bogen finden</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>Sheet products</source>
      <translation>Bogenprodukte</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>%1 × %2</source>
      <translation>%1 × %2</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>Some sheet products could not be read.</source>
      <translation>Einige Bogenprodukte konnten nicht gelesen werden.</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/FillNowDialog.cpp" />
      <source>We recommend to fill-in the fields marked with * now. However you can also fill, edit or remove these fields later.</source>
      <translation>Wir empfehlen, die mit * markierten Felder jetzt auszufüllen. Sie können diese Felder aber auch später ausfüllen, bearbeiten oder entfernen.</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/FillNowDialog.cpp" />
      <source>Fill Now</source>
      <translation>Jetzt ausfüllen</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/FillNowDialog.cpp" />
      <source>Continue Anyway</source>
      <translation>Trotzdem fortfahren</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/LoadingWindow.cpp" />
      <source>Loading... Please Wait</source>
      <translation>Wird geladen... Bitte warten</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Template Library</source>
      <translation>Vorlagenbibliothek</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Tavolo: Template Library</source>
      <translation>Tavolo: Vorlagenbibliothek</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Previous Page</source>
      <translation>Vorherige Seite</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Next Page</source>
      <translation>Nächste Seite</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Open a Saved Card...</source>
      <translation>Karte öffnen...</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Open a card saved before (Ctrl+O)</source>
      <translation>Eine früher gespeicherte Karte öffnen (Strg+O)</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Recent Cards</source>
      <translation>Letzte Karten</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Continue</source>
      <translation>Weiter</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Open a Saved Card</source>
      <translation>Gespeicherte Karte öffnen</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Discard the details you typed?</source>
      <translation>Die eingegebenen Angaben verwerfen?</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateNameDialog.cpp" />
      <source>Save Template</source>
      <translation>Vorlage speichern</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateNameDialog.cpp" />
      <source>Save the card as a template named:</source>
      <translation>Karte als Vorlage speichern unter dem Namen:</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateNameDialog.cpp" />
      <source>Templates are kept in %1; "New from Template..." lists them.</source>
      <translation>Vorlagen werden in %1 aufbewahrt; „Neu aus Vorlage...“ listet sie auf.</translation>
    </message>
  </context>
</TS>
