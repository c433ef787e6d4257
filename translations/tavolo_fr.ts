<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
  <context>
    <name>Tavolo</name>
    <message>
      <location filename="../src/cli/CardSheetsPdf.cpp" />
      <source>'%1' is not written: with --strict a picture left out is a failure</source>
      <translation>« %1 » n'est pas écrit : avec --strict, une image omise est un échec</translation>
    </message>
    <message>
      <location filename="../src/cli/CardSheetsPdf.cpp" />
      <source>%1 check(s) failed; '%2' may be incomplete</source>
      <translation>%1 vérification(s) en échec ; « %2 » est peut-être incomplet</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>warning: %1</source>
      <translation>avertissement : %1</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>%1 (try 'tavolo-cli %2 --help')</source>
      <translation>%1 (voir « tavolo-cli %2 --help »)</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>unknown option '%1'</source>
      <translation>option inconnue « %1 »</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>more than one project file given</source>
      <translation>plus d'un fichier de projet indiqué</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>%1 needs a value</source>
      <translation>%1 demande une valeur</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>needs a project file</source>
      <translation>demande un fichier de projet</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>needs an output file (-o FILE)</source>
      <translation>demande un fichier de sortie (-o FICHIER)</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>the output '%1' is the input file; give another</source>
      <translation>la sortie « %1 » est le fichier d'entrée ; indiquez-en une autre</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>more than %1 backgrounds; the rest are left out</source>
      <translation>plus de %1 fonds ; les autres sont omis</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>%1: %2 (%3)</source>
      <translation>%1 : %2 (%3)</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>%1: %2; the card itself is read whole</source>
      <translation>%1 : %2 ; la carte elle-même est lue en entier</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>the project's background is not in the table; background %1 is drawn instead</source>
      <translation>le fond du projet n'est pas dans la table ; le fond %1 est dessiné à la place</translation>
    </message>
    <message>
      <location filename="../src/cli/CliSupport.cpp" />
      <source>the card's resolution is %1 dpi; printing needs one above 0</source>
      <translation>la résolution de la carte est de %1 ppp ; l'impression en demande une supérieure à 0</translation>
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
      <translation>Utilisation : tavolo-cli convert IN OUT [--format bmp|tga|pcx|png|gif|jpeg|tiff] [--quality N]
                          [--dpi N] [--max-pixels N]

Lit IN dans n'importe quel format connu du programme et l'écrit dans OUT. Le format découle de
l'extension de OUT (.bmp .tga .pcx .png .gif .jpg .jpeg .tif .tiff), sauf si --format l'indique.
Les fichiers GIF reçoivent une palette de 256 couleurs avec diffusion d'erreur (les images qui
ont une palette la gardent) et aucune résolution.

  --format NOM    le format de sortie
  --quality N     qualité JPEG, de 0 à 100
  --dpi N         résolution à enregistrer, de 1 à 65535 (par défaut : celle de IN)
  --max-pixels N  refuser une image de plus de N pixels, de 1 à 268435456
                  (par défaut 67108864, 64 mégapixels)
</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>Usage: tavolo-cli identify FILE [--max-pixels N]

Prints the width, height, bits per pixel, resolution and format of an image file.

  --max-pixels N  refuse a picture of more than N pixels, 1 to 268435456
                  (default 67108864, 64 megapixels)
</source>
      <translation>Utilisation : tavolo-cli identify FICHIER [--max-pixels N]

Affiche la largeur, la hauteur, les bits par pixel, la résolution et le format d'un fichier image.

  --max-pixels N  refuser une image de plus de N pixels, de 1 à 268435456
                  (par défaut 67108864, 64 mégapixels)
</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>--max-pixels must be a number from 1 to %1</source>
      <translation>--max-pixels doit être un nombre de 1 à %1</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>unknown format '%1'</source>
      <translation>format inconnu « %1 »</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>--quality must be a number from 0 to 100</source>
      <translation>--quality doit être un nombre de 0 à 100</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>--dpi must be a number from 1 to 65535</source>
      <translation>--dpi doit être un nombre de 1 à 65535</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>needs an input and an output file</source>
      <translation>demande un fichier d'entrée et un fichier de sortie</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>cannot tell the format from '%1': give a known extension or --format</source>
      <translation>impossible de déduire le format de « %1 » : indiquez une extension connue ou --format</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>cannot read '%1': %2</source>
      <translation>impossible de lire « %1 » : %2</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>GIF files carry no resolution; --dpi ignored</source>
      <translation>les fichiers GIF n'enregistrent pas de résolution ; --dpi est ignoré</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>cannot write '%1': %2</source>
      <translation>impossible d'écrire « %1 » : %2</translation>
    </message>
    <message>
      <location filename="../src/cli/ImageCommands.cpp" />
      <source>needs exactly one file</source>
      <translation>demande exactement un fichier</translation>
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
      <translation>Utilisation : tavolo-cli merge PROJET --data FICHIER -o SORTIE.pdf [--paper NOM|ID]
                        [--layout NOM|FICHIER.ptm] [--fit sheet|card] [--bleed MM]
                        [--crop-marks] [--offset X,Y] [--back long|short] [--pdfx]
                        [--cmyk PROFIL.icc] [--sheet NOM] [--map CHAMP=COLONNE]...
                        [--strict]
       tavolo-cli merge PROJET --data FICHIER -o 'DOSSIER/{Name}.png' [--sheet NOM]
                        [--map CHAMP=COLONNE]... [--overwrite] [--strict]
Crée une carte par enregistrement d'un fichier de données : la carte du projet (ou du modèle),
avec ses styles, son fond, ses images et sa disposition, les valeurs de l'enregistrement
servant de coordonnées, placées dans ses zones de texte comme le fait la bibliothèque de
modèles. Dans un PDF, les cartes remplissent les feuilles dans l'ordre, comme tavolo-cli print
les place, quel que soit leur nombre (le PDF est créé sur le disque et ne remplace SORTIE.pdf
qu'une fois complet) ; en images, un fichier par enregistrement.
  --data FICHIER          les enregistrements : un fichier .vcf de contacts, un classeur (.ods
                          ou .xlsx) ou un fichier CSV (UTF-8 ou Windows-1252 ; virgule,
                          point-virgule ou tabulation) dont la première ligne nomme les
                          colonnes. Les colonnes sont reconnues à leur nom, en anglais,
                          allemand, français, italien et espagnol, et tels que les carnets
                          d'adresses les exportent : Société, Nom (ou Prénom et Nom), Fonction,
                          Adresse, Ville, Code postal, Courriel, Site web, Téléphone,
                          Portable et leurs variantes usuelles
  --sheet NOM             la feuille du classeur à lire (la première par défaut)
  -o, --output SORTIE     un .pdf de feuilles, ou un nom d'image dans lequel chaque champ
                          entre accolades ({Name}, {Company}, ...) représente la valeur de
                          l'enregistrement ; le format découle de l'extension ; les noms
                          répétés sont numérotés
  --overwrite             remplacer les images qui existent déjà (sans cette option, rien
                          n'est écrit quand l'un des noms est déjà pris)
  --paper NOM|ID          le papier du PDF, comme pour tavolo-cli print
  --layout NOM|FICHIER.ptm la mise en page du PDF, comme pour tavolo-cli print
  --fit sheet|card        sheet : les cartes prennent la taille de carte de la mise en page ;
                          card (par défaut) : chacune est imprimée à sa propre taille,
                          centrée à sa place
  --bleed MM, --crop-marks, --offset X,Y, --back long|short
                          comme pour tavolo-cli print ; le verso de la carte est imprimé
                          tel quel, le même derrière la carte de chaque enregistrement
  --map CHAMP=COLONNE     remplir CHAMP à partir de COLONNE (son nom ou son numéro à partir
                          de 1), quoi que disent les noms ; COLONNE+COLONNE en joint
                          plusieurs avec une espace, comme dans "Nom=Prénom+Nom de famille" ;
                          peut être donné pour plusieurs champs
  --strict                échouer sans rien écrire quand un enregistrement ne peut pas donner
                          de carte, que son code QR ne peut pas être créé ou ne serait pas
                          lisible, ou qu'une image ne peut pas être chargée (sinon ils sont
                          omis, avec un avertissement nommant la ligne de l'enregistrement)
Code de sortie : 0 chaque enregistrement placé, 1 échec ou enregistrements omis, 2 utilisation,
3 version incompatible.
</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>%1 of %2 cards placed</source>
      <translation>%1 cartes placées sur %2</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>nothing is written: with --strict a picture left out is a failure</source>
      <translation>rien n'est écrit : avec --strict, une image omise est un échec</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>nothing is written: %1 of the files exist already, such as '%2' (--overwrite replaces them)</source>
      <translation>rien n'est écrit : %1 des fichiers existent déjà, comme « %2 » (--overwrite les remplace)</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>the column '%1' fills no field: %2</source>
      <translation>la colonne « %1 » ne remplit aucun champ : %2</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>%1 and %2 more</source>
      <translation>%1 et %2 autres</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>the column(s) %1 fill no field of the card (--map FIELD=COLUMN uses one)</source>
      <translation>la ou les colonnes %1 ne remplissent aucun champ de la carte (--map CHAMP=COLONNE en utilise une)</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>--map %1</source>
      <translation>--map %1</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>%1: %2</source>
      <translation>%1 : %2</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>%1: %2; it is left out</source>
      <translation>%1 : %2 ; il est omis</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>nothing is written: with --strict a record left out is a failure</source>
      <translation>rien n'est écrit : avec --strict, un enregistrement omis est un échec</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>%1 gives no record to make a card of</source>
      <translation>%1 ne contient aucun enregistrement dont faire une carte</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>nothing is written: with --strict a QR code that cannot be read is a failure</source>
      <translation>rien n'est écrit : avec --strict, un code QR illisible est un échec</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>needs a data file (--data FILE)</source>
      <translation>demande un fichier de données (--data FICHIER)</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>%1 is for a PDF; an image holds one card</source>
      <translation>%1 s'applique à un PDF ; une image contient une seule carte</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>cannot tell the format from '%1': give .pdf or an image extension such as .png</source>
      <translation>impossible de déduire le format de « %1 » : indiquez .pdf ou une extension d'image comme .png</translation>
    </message>
    <message>
      <location filename="../src/cli/MergeCommand.cpp" />
      <source>%1 of %2 records were left out</source>
      <translation>%1 enregistrements sur %2 ont été omis</translation>
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
      <translation>Utilisation : tavolo-cli pdf PROJET -o CARTE.pdf [--bleed MM] [--crop-marks] [--front-only]
                      [--pdfx] [--cmyk PROFIL.icc] [--strict]
Écrit la carte d'un fichier de projet ou de modèle seule sur une page, comme le demandent les
imprimeurs : la page a la taille propre de la carte (Propriétés de la carte), plus le fond
perdu de chaque côté, plus la place des traits de coupe quand ils sont demandés. Chaque page
indique où elle est coupée (sa TrimBox) et jusqu'où va le fond perdu (sa BleedBox). Une carte
avec un verso reçoit une deuxième page avec le verso, lisible (pas en miroir), avec le même
fond perdu et les mêmes traits.
  -o, --output CARTE.pdf le PDF à écrire
  --bleed MM             imprimer de 0 à 5 mm au-delà de la coupe : le fond continue
                         au-delà des bords de la carte, de même que les bandes et les
                         cadres qui les atteignent ; 0 par défaut
  --crop-marks           dessiner des traits de coupe hors des lignes de coupe
  --front-only           le recto seul, sur une page, même pour une carte avec un verso
  --pdfx                 écrire du PDF/X-4 : l'intention de sortie sRGB, les métadonnées
                         XMP, les polices incorporées
  --cmyk PROFIL.icc      chaque couleur et chaque image dans l'encre CMJN du profil de
                         l'imprimeur (transparence aplatie), en PDF/X-4 avec ce profil
                         comme intention de sortie
  --strict               échouer sans rien écrire quand la photo, le logo ou le fond ne
                         peuvent pas être chargés (sinon ils sont omis, avec un
                         avertissement), ou qu'une police de la carte n'est pas installée
                         (sinon une autre la remplace, avec un avertissement)
Code de sortie : 0 succès, 1 échec, 2 utilisation, 3 version incompatible.
</translation>
    </message>
    <message>
      <location filename="../src/cli/PdfCommand.cpp" />
      <source>--front-only and --back cannot be given together</source>
      <translation>--front-only et --back ne peuvent pas être donnés ensemble</translation>
    </message>
    <message>
      <location filename="../src/cli/PictureWarnings.cpp" />
      <source>the background %1 could not be loaded and is left out: there is no such background</source>
      <translation>le fond %1 n'a pas pu être chargé et est omis : ce fond n'existe pas</translation>
    </message>
    <message>
      <location filename="../src/cli/PictureWarnings.cpp" />
      <source>the background %1 could not be loaded and is left out: %2</source>
      <translation>le fond %1 n'a pas pu être chargé et est omis : %2</translation>
    </message>
    <message>
      <location filename="../src/cli/PictureWarnings.cpp" />
      <source>the photo '%1' could not be loaded and is left out: %2</source>
      <translation>la photo « %1 » n'a pas pu être chargée et est omise : %2</translation>
    </message>
    <message>
      <location filename="../src/cli/PictureWarnings.cpp" />
      <source>the logo '%1' could not be loaded and is left out: %2</source>
      <translation>le logo « %1 » n'a pas pu être chargé et est omis : %2</translation>
    </message>
    <message>
      <location filename="../src/cli/PictureWarnings.cpp" />
      <source>the font "%1" is not installed; "%2" stands in for it</source>
      <translation>la police « %1 » n'est pas installée ; « %2 » la remplace</translation>
    </message>
    <message>
      <location filename="../src/cli/PictureWarnings.cpp" />
      <source>%1 placed objects of a kind this version does not know are left out</source>
      <translation>%1 objets placés d'un type que cette version ne connaît pas sont omis</translation>
    </message>
    <message>
      <location filename="../src/cli/PictureWarnings.cpp" />
      <source>the QR code is left out: %1</source>
      <translation>le code QR est omis : %1</translation>
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
      <translation>Utilisation : tavolo-cli print PROJET -o FEUILLE.pdf [--paper NOM|ID] [--layout NOM|FICHIER.ptm]
                        [--sheets N] [--fit sheet|card] [--bleed MM] [--crop-marks]
                        [--offset X,Y] [--back long|short] [--pdfx]
                        [--cmyk PROFIL.icc] [--strict]
Imprime la carte d'un fichier de projet ou de modèle plusieurs fois par feuille dans un PDF,
comme la boîte de dialogue d'impression la place : la carte à sa propre taille (Propriétés de
la carte), jamais étirée, à chaque place de la grille de la mise en page, mesurée depuis le coin
supérieur gauche du papier. Le texte reste du texte dans ses polices incorporées et les
remplissages restent des formes ; le fond, la photo et le logo sont enregistrés une seule fois,
quel que soit le nombre de cartes et de feuilles.
  -o, --output FEUILLE.pdf le PDF à écrire
  --paper NOM|ID          le papier : un nom ou une clé comme A4, Letter, Legal, A5 ou Env10,
                          ou un numéro de papier Windows (1 Letter, 9 A4). Par défaut le
                          papier de la mise en page, ou sans --layout celui de la langue du
                          système (A4, ou Letter dans les pays d'Amérique qui l'utilisent)
  --layout NOM|FICHIER.ptm une mise en page prédéfinie par son nom (voir abctmp dans le dossier
                          du programme), ou un fichier de mise en page. Sans elle, les cartes
                          sont centrées sur le papier comme le fait la boîte de dialogue
                          d'impression quand le papier change
  --sheets N              le nombre de feuilles (pages), de 1 à 1000 ; 1 par défaut
  --fit sheet|card        quand la carte et la taille de carte de la mise en page diffèrent de
                          plus de 0,5 mm : sheet donne à la carte la taille de la mise en page
                          (son texte est recomposé), card l'imprime à sa propre taille,
                          centrée à chaque place et coupée à celle-ci. Sans --fit, une telle
                          carte est refusée
  --bleed MM              imprimer de 0 à 5 mm des bords de la carte au-delà de chaque coupe,
                          pour qu'une coupe un peu décalée ne laisse pas de bord blanc :
                          le fond continue au-delà des bords de la carte, de même que les
                          bandes et les cadres qui les atteignent ; 0 par défaut
  --crop-marks            dessiner des traits de coupe hors des lignes de coupe
  --offset X,Y            tout déplacer de X mm vers la droite et de Y mm vers le bas (de -10
                          à 10 chacun), pour compenser une imprimante qui imprime décalé
  --back long|short       imprimer aussi le verso de la carte : chaque feuille est suivie
                          d'une page de versos, en miroir pour que chacun tombe derrière
                          son recto quand la feuille est retournée sur son grand côté
                          (long) ou son petit côté (short), selon le réglage recto verso
                          de l'imprimante
  --pdfx                  écrire du PDF/X-4 : l'intention de sortie sRGB, les métadonnées
                          XMP, les polices incorporées
  --cmyk PROFIL.icc       chaque couleur et chaque image dans l'encre CMJN du profil de
                          l'imprimeur (transparence aplatie), en PDF/X-4 avec ce profil
                          comme intention de sortie
  --strict                échouer sans rien écrire quand la photo, le logo ou le fond ne
                          peuvent pas être chargés (sinon ils sont omis des cartes, avec un
                          avertissement), ou qu'une police de la carte n'est pas installée
                          (sinon une autre la remplace, avec un avertissement)
Code de sortie : 0 succès, 1 échec, 2 utilisation, 3 version incompatible.
</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintCommand.cpp" />
      <source>--sheets must be a number from 1 to 1000</source>
      <translation>--sheets doit être un nombre de 1 à 1000</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintCommand.cpp" />
      <source>the card does not have the sheet's card size: %1. Give --fit sheet to print it at the sheet's size, or --fit card to print it at its own size</source>
      <translation>la carte n'a pas la taille de carte de la feuille : %1. Indiquez --fit sheet pour l'imprimer à la taille de la feuille, ou --fit card pour l'imprimer à sa propre taille</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintShopOptions.cpp" />
      <source>--bleed must be a number of millimetres from 0 to 5</source>
      <translation>--bleed doit être un nombre de millimètres de 0 à 5</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintShopOptions.cpp" />
      <source>--offset must be X,Y in millimetres, each from -10 to 10, such as 1.5,-2</source>
      <translation>--offset doit être X,Y en millimètres, chacun de -10 à 10, par exemple 1.5,-2</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintShopOptions.cpp" />
      <source>--fit must be sheet or card</source>
      <translation>--fit doit être sheet ou card</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintShopOptions.cpp" />
      <source>--back must be long or short</source>
      <translation>--back doit être long ou short</translation>
    </message>
    <message>
      <location filename="../src/cli/PrintShopOptions.cpp" />
      <source>the card has no back side; --back prints one</source>
      <translation>la carte n'a pas de verso ; --back en imprime un</translation>
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
      <translation>Utilisation : tavolo-cli info PROJET
Affiche la carte d'un fichier de projet ou de modèle sous la forme d'un objet JSON : chaque
champ enregistré de la carte, "background" (le nom de fond que contient le fichier), "contact"
(les coordonnées de la carte, ou ce que montrent ses zones quand le fichier n'en contient pas),
"version" (la version de format) et "result" ("success", "version mismatch" ou "file error").
La carte contient ce qui a été lu jusqu'à un éventuel échec. Les nombres à virgule flottante
se relisent à la même valeur 32 bits ; une valeur qui n'est pas un nombre fini est écrite comme
chaîne ("Infinity", "-Infinity", "NaN(0x7fc00000)" avec ses bits).
"shrinkToFit" indique pour chaque zone de texte si une ligne trop large est dessinée plus petite
jusqu'à ce qu'elle tienne ; null quand le fichier ne le dit pas (rien ne rétrécit).
"clearGround" donne pour chaque zone de texte d'un modèle la surface que son décor laisse
libre pour les lignes de la zone ([gauche, haut, droite, bas] en pixels de la carte en taille
réelle, null pour une zone qui n'en a pas) ; null pour une carte qui n'en a pas.
"back" contient le verso de la carte avec les mêmes champs, son fond par son numéro
("pnmb") seulement ; null quand la carte n'en a pas.
"pictures" liste les fichiers d'image que la carte contient (les deux faces, chacun une
fois) : "name", "bytes" et "sha256" ; la photo et le logo désignent le leur par son
"sha256" (vide quand la carte n'en contient pas et qu'il est lu dans le dossier des photos).
"objects" liste tout ce qui est placé sur une face, dans l'ordre du dessin (le dernier
au-dessus) : "kind" ("text box", "photo", "logo", "QR code", "line", "rectangle",
"ellipse", ou "unknown" pour le type d'une version plus récente, conservé et non dessiné),
"added" (sa place parmi les objets ajoutés par l'utilisateur ; null pour la photo, le logo
et le code QR), son cadre avant sa rotation ("left", "top", "width", "height", en pixels de
la carte en taille réelle), "quarterTurns" (dans le sens horaire), "z", "locked" et
"source", ce qu'il dessine.
Code de sortie : 0 succès, 1 erreur de fichier, 2 utilisation, 3 version incompatible.
Les fonds sont cherchés dans la table du dossier du programme (TAVOLO_HOME).
</translation>
    </message>
    <message>
      <location filename="../src/cli/ProjectCommands.cpp" />
      <source>Usage: tavolo-cli backgrounds [--check]
Lists the background table as the application builds it from the program folder
(TAVOLO_HOME): number, name and hue offset, custom backgrounds first.
  --check   also decode every picture and report those that do not decode
</source>
      <translation>Utilisation : tavolo-cli backgrounds [--check]
Liste la table des fonds telle que l'application la construit à partir du dossier du programme
(TAVOLO_HOME) : numéro, nom et décalage de teinte, fonds personnels en premier.
  --check   décoder aussi chaque image et signaler celles qui ne se décodent pas
</translation>
    </message>
    <message>
      <location filename="../src/cli/ProjectCommands.cpp" />
      <source>needs exactly one project file</source>
      <translation>demande exactement un fichier de projet</translation>
    </message>
    <message>
      <location filename="../src/cli/ProjectCommands.cpp" />
      <source>background names are looked up among the %1 backgrounds that could be loaded</source>
      <translation>les noms de fond sont cherchés parmi les %1 fonds qui ont pu être chargés</translation>
    </message>
    <message>
      <location filename="../src/cli/ProjectCommands.cpp" />
      <source>takes no arguments</source>
      <translation>ne prend aucun argument</translation>
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
      <translation>Utilisation : tavolo-cli render PROJET -o SORTIE [--format bmp|tga|pcx|png|gif|jpeg|tiff]
                         [--quality N] [--ndiv N] [--strict]
Dessine la carte d'un fichier de projet ou de modèle dans une image, comme le fait Exporter
l'image : à la taille réelle de la carte, avec sa résolution (GIF : réduit à 256 couleurs, sans
résolution). Le texte est celui des lignes du fichier. Les fonds viennent du dossier du
programme (TAVOLO_HOME), les photos et logos de son dossier customphotos.
  -o, --output SORTIE l'image à écrire
  --format NOM      le format de sortie ; par défaut il découle de l'extension de SORTIE
                    (.bmp .tga .pcx .png .gif .jpg .jpeg .tif .tiff)
  --quality N       qualité JPEG, de 0 à 100
  --ndiv N          dessiner à 1/N de la taille réelle, comme l'aperçu
  --strict          échouer quand la photo, le logo ou le fond ne peuvent pas être chargés
                    (ils sont omis de l'image, avec un avertissement, dans tous les cas), ou
                    qu'une police de la carte n'est pas installée (une autre la remplace,
                    avec un avertissement), ou que la carte contient des objets placés d'un
                    type d'une version plus récente (conservés dans le fichier, non dessinés)
Code de sortie : 0 succès, 1 échec, 2 utilisation, 3 version incompatible.
</translation>
    </message>
    <message>
      <location filename="../src/cli/RenderCommand.cpp" />
      <source>--ndiv must be a number from 1 to 1000</source>
      <translation>--ndiv doit être un nombre de 1 à 1000</translation>
    </message>
    <message>
      <location filename="../src/cli/RenderCommand.cpp" />
      <source>The card cannot be drawn at 1/%1 of its size: %2.</source>
      <translation>La carte ne peut pas être dessinée à 1/%1 de sa taille : %2.</translation>
    </message>
    <message>
      <location filename="../src/cli/RenderCommand.cpp" />
      <source>nothing would be left</source>
      <translation>il ne resterait rien</translation>
    </message>
    <message>
      <location filename="../src/cli/RenderCommand.cpp" />
      <source>The card could not be rendered.</source>
      <translation>La carte n'a pas pu être dessinée.</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetChoice.cpp" />
      <source>several sheet products have the part number '%1': give the maker too, as in 'Avery 5881'</source>
      <translation>plusieurs planches portent la référence « %1 » : indiquez aussi le fabricant, par exemple « Avery 5881 »</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetChoice.cpp" />
      <source>The sheet products of that number:%1</source>
      <translation>Les planches de cette référence :%1</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetChoice.cpp" />
      <source>no page layout is named '%1' and no sheet product has that part number (tavolo-cli sheets lists them)</source>
      <translation>aucune mise en page ne s'appelle « %1 » et aucune planche ne porte cette référence (tavolo-cli sheets les liste)</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetChoice.cpp" />
      <source>The page layouts of %1: none</source>
      <translation>Les mises en page de %1 : aucune</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetChoice.cpp" />
      <source>The page layouts of %1:%2</source>
      <translation>Les mises en page de %1 :%2</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetChoice.cpp" />
      <source>no paper is named '%1': give a name such as A4 or Letter, or a Windows paper number such as 9</source>
      <translation>aucun papier ne s'appelle « %1 » : indiquez un nom comme A4 ou Letter, ou un numéro de papier Windows comme 9</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetChoice.cpp" />
      <source>the page layout's paper %1 is not known: give one with --paper</source>
      <translation>le papier %1 de la mise en page est inconnu : indiquez-en un avec --paper</translation>
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
      <translation>Utilisation : tavolo-cli sheets [--search TEXTE] [--paper NOM] [--json]
Liste les planches que propose la fenêtre d'impression, groupées par papier : celles du
programme, les cartes de visite de la base d'étiquettes qu'installe gLabels (glabels-data) et
les mises en page que vous avez enregistrées, sous votre nom. Chaque ligne donne le fabricant et
la référence, ce qu'est le produit, la taille des cartes, les colonnes et les rangées et les
autres références de la même planche. Une référence donnée à --layout de print et merge imprime
dessus.
  --search TEXTE  seulement les produits dont le fabricant, une référence, la description,
                  le papier ou la taille des cartes contiennent chaque mot de TEXTE (« 5881 »,
                  « sigel lp800 », « 85x54 »)
  --paper NOM     seulement les produits sur ce papier (A4, Letter, ...)
  --json          un tableau d'objets : maker, partNumbers (chacun avec maker et part),
                  name, description, paper, cardWidthMm, cardHeightMm, columns, rows,
                  leftMm et topMm (la place de la première carte), horizontalPitchMm,
                  verticalPitchMm, cornerRadiusMm et source (« shipped »,
                  « installed database » ou « user »)
Code de sortie : 0 succès (aussi quand rien ne correspond), 2 usage.
</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetsCommand.cpp" />
      <source> (gLabels database)</source>
      <translation> (base de données gLabels)</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetsCommand.cpp" />
      <source> (your own)</source>
      <translation> (le vôtre)</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetsCommand.cpp" />
      <source>also %1</source>
      <translation>aussi %1</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetsCommand.cpp" />
      <source>unexpected argument '%1'</source>
      <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetsCommand.cpp" />
      <source>no paper is named '%1': give a name such as A4 or Letter</source>
      <translation>aucun papier ne s'appelle « %1 » : indiquez un nom comme A4 ou Letter</translation>
    </message>
    <message>
      <location filename="../src/cli/SheetsCommand.cpp" />
      <source>No sheet product matches.</source>
      <translation>Aucune planche ne correspond.</translation>
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
      <translation>Utilisation : tavolo-cli COMMANDE [ARGUMENTS]

Commandes :
  convert IN OUT [--format bmp|tga|pcx|png|gif|jpeg|tiff] [--quality N] [--dpi N]
                      convertir une image ; le format découle de l'extension de OUT s'il
                      n'est pas indiqué
  identify FICHIER    afficher la largeur, la hauteur, les bits par pixel, la résolution et
                      le format d'une image
  info PROJET         afficher la carte d'un fichier de projet ou de modèle en JSON
  backgrounds         lister la table des fonds : numéro, nom, décalage de teinte
  render PROJET -o SORTIE [--format F] [--quality N] [--ndiv N]
                      dessiner la carte d'un projet dans une image, comme Exporter l'image
  print PROJET -o FEUILLE.pdf [--paper NOM|ID] [--layout RÉF|NOM|FICHIER.ptm] [--sheets N]
                      imprimer la carte d'un projet plusieurs fois par feuille dans un PDF
  merge PROJET --data FICHIER -o SORTIE.pdf|'DOSSIER/{Name}.png' [--map CHAMP=COLONNE]...
                      une carte par enregistrement (CSV, vCard, .ods, .xlsx), en feuilles ou
                      en images
  pdf PROJET -o CARTE.pdf [--bleed MM] [--crop-marks]
                      une carte sur une page de sa taille, avec fond perdu et traits de coupe
  sheets [--search TEXTE] [--paper NOM] [--json]
                      lister les planches à imprimer, par fabricant, référence ou taille
  COMMANDE --help     afficher l'aide d'une commande
  --help              afficher cette aide
  --version           afficher la version
</translation>
    </message>
    <message>
      <location filename="../src/cli/main.cpp" />
      <source>tavolo-cli: unknown command '%1' (try --help)</source>
      <translation>tavolo-cli : commande inconnue « %1 » (voir --help)</translation>
    </message>
    <message>
      <location filename="../src/core/card/BackgroundTable.cpp" />
      <source>its bytes could not be read from the library file</source>
      <translation>ses données n'ont pas pu être lues dans le fichier de la bibliothèque</translation>
    </message>
    <message>
      <location filename="../src/core/card/CardLimits.cpp" />
      <source>the card is %1 x %2 pixels; a card is at most 10000 pixels a side and 64 megapixels</source>
      <translation>la carte mesure %1 x %2 pixels ; une carte a au plus 10000 pixels de côté et 64 mégapixels</translation>
    </message>
    <message>
      <location filename="../src/core/card/CardLimits.cpp" />
      <source>the card is %1 x %2 pixels; a card needs at least 1 pixel a side</source>
      <translation>la carte mesure %1 x %2 pixels ; une carte a besoin d'au moins 1 pixel de côté</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Company Name</source>
      <translation>Nom de l'entreprise</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Name</source>
      <translation>Nom</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Title</source>
      <translation>Fonction</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Address Line 1</source>
      <translation>Ligne d'adresse 1</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Address Line 2</source>
      <translation>Ligne d'adresse 2</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>City, State/Province</source>
      <translation>Ville, région/province</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Zip/Postal Code</source>
      <translation>Code postal</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Email Address</source>
      <translation>Adresse e-mail</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Website Address</source>
      <translation>Site web</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Phone Number 1</source>
      <translation>Numéro de téléphone 1</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" />
      <source>Phone Number 2</source>
      <translation>Numéro de téléphone 2</translation>
    </message>
    <message>
      <location filename="../src/core/editing/CardSize.cpp" />
      <source>Please enter a number.</source>
      <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
      <location filename="../src/core/editing/CardSize.cpp" />
      <source>A card must be at least one pixel wide and one pixel high; this size is %1 × %2 pixels.</source>
      <translation>Une carte doit mesurer au moins un pixel de large et un pixel de haut ; cette taille est de %1 × %2 pixels.</translation>
    </message>
    <message>
      <location filename="../src/core/editing/CardSize.cpp" />
      <source>A card can be at most 10000 pixels wide and 10000 pixels high; this size is %1 × %2 pixels.</source>
      <translation>Une carte peut mesurer au plus 10000 pixels de large et 10000 pixels de haut ; cette taille est de %1 × %2 pixels.</translation>
    </message>
    <message>
      <location filename="../src/core/editing/CardSize.cpp" />
      <source>A card can have at most 64 megapixels; this size is %1 × %2 pixels.</source>
      <translation>Une carte peut avoir au plus 64 mégapixels ; cette taille est de %1 × %2 pixels.</translation>
    </message>
    <message>
      <location filename="../src/core/editing/CardSize.cpp" />
      <source>The resolution must lie between 50 and 4800 dpi; %1 dpi cannot be used.</source>
      <translation>La résolution doit être comprise entre 50 et 4800 ppp ; %1 ppp ne peut pas être utilisé.</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ColourTargets.cpp" />
      <source>Text Colors</source>
      <translation>Couleurs du texte</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ColourTargets.cpp" />
      <source>Frame Colors</source>
      <translation>Couleurs du cadre</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ColourTargets.cpp" />
      <source>Background Color</source>
      <translation>Couleur du fond</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>Text box %1</source>
      <translation>Zone de texte %1</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>Line %1</source>
      <translation>Ligne %1</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>Rectangle %1</source>
      <translation>Rectangle %1</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>Ellipse %1</source>
      <translation>Ellipse %1</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>Object %1</source>
      <translation>Objet %1</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>Photo</source>
      <translation>Photo</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>Logo</source>
      <translation>Logo</translation>
    </message>
    <message>
      <location filename="../src/core/editing/ObjectNames.cpp" />
      <source>QR code</source>
      <translation>Code QR</translation>
    </message>
    <message>
      <location filename="../src/core/editing/StyleInputs.cpp" />
      <source>Top to Bottom</source>
      <translation>De haut en bas</translation>
    </message>
    <message>
      <location filename="../src/core/editing/StyleInputs.cpp" />
      <source>Left to Right</source>
      <translation>De gauche à droite</translation>
    </message>
    <message>
      <location filename="../src/core/editing/StyleInputs.cpp" />
      <source>Bottom to Top</source>
      <translation>De bas en haut</translation>
    </message>
    <message>
      <location filename="../src/core/editing/StyleInputs.cpp" />
      <source>Right to Left</source>
      <translation>De droite à gauche</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the extension section holds more than one chunk %1; the first is read, the others are kept as they are</source>
      <translation>la section d’extension contient plus d’un bloc %1 ; le premier est lu, les autres sont conservés tels quels</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the contact details chunk "CONT" is damaged</source>
      <translation>le bloc des coordonnées « CONT » est endommagé</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the shrink-to-fit chunk "FITS" is damaged</source>
      <translation>le bloc « Réduire pour ajuster » (« FITS ») est endommagé</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the QR code chunk "QRCD" is damaged</source>
      <translation>le bloc du code QR « QRCD » est endommagé</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the chunk "PLNK" naming the card's pictures is damaged</source>
      <translation>le bloc « PLNK » qui désigne les images de la carte est endommagé</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>an embedded picture chunk "PICT" is damaged</source>
      <translation>un bloc « PICT » d'image incluse est endommagé</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the clear ground chunk "CLRG" is damaged</source>
      <translation>le bloc du fond dégagé « CLRG » est endommagé</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the placed objects chunk "OBJS" is damaged or of a later version</source>
      <translation>le bloc "OBJS" des objets placés est endommagé ou provient d'une version plus récente</translation>
    </message>
    <message>
      <location filename="../src/core/formats/CardChunks.cpp" />
      <source>the card holds %1 placed objects of a kind this version does not know; they are kept and not drawn</source>
      <translation>la carte contient %1 objets placés d'un type que cette version ne connaît pas ; ils sont conservés et ne sont pas dessinés</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ExtensionSection.cpp" />
      <source>the extension section does not begin with its tag</source>
      <translation>la section d'extension ne commence pas par son étiquette</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ExtensionSection.cpp" />
      <source>the extension section ends inside its header</source>
      <translation>la section d'extension s'arrête au milieu de son en-tête</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ExtensionSection.cpp" />
      <source>the extension section has version %1</source>
      <translation>la section d'extension est en version %1</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ExtensionSection.cpp" />
      <source>the extension section claims %1 chunks; at most %2 are allowed</source>
      <translation>la section d'extension annonce %1 blocs ; %2 au plus sont permis</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ExtensionSection.cpp" />
      <source>chunk %1 of the extension section is cut short</source>
      <translation>le bloc %1 de la section d'extension est tronqué</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ExtensionSection.cpp" />
      <source>chunk %1 of the extension section %2 claims %3 bytes; %4 follow</source>
      <translation>le bloc %1 de la section d'extension %2 annonce %3 octets ; %4 suivent</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ExtensionSection.cpp" />
      <source>the extension section is followed by %1 bytes</source>
      <translation>la section d'extension est suivie de %1 octets</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ImageExport.cpp" />
      <source>The card could not be converted to an image: %1</source>
      <translation>La carte n'a pas pu être convertie en image : %1</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ImageExport.cpp" />
      <source>The card could not be reduced to 256 colours: %1</source>
      <translation>La carte n'a pas pu être réduite à 256 couleurs : %1</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ImageExport.cpp" />
      <source>The card could not be written as %1: %2</source>
      <translation>La carte n'a pas pu être écrite sous %1 : %2</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ImageExport.cpp" />
      <source>The card cannot be drawn: %1.</source>
      <translation>La carte ne peut pas être dessinée : %1.</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ImageExport.cpp" />
      <source>The card of %1 x %2 pixels could not be rendered.</source>
      <translation>La carte de %1 x %2 pixels n'a pas pu être dessinée.</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the card names an embedded picture for its %1 that the file does not hold</source>
      <translation>la carte désigne pour son %1 une image incluse que le fichier ne contient pas</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>photo</source>
      <translation>photo</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>logo</source>
      <translation>logo</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the back holds a back of its own</source>
      <translation>le verso contient lui-même un verso</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the back side chunk "BACK" is damaged: %1</source>
      <translation>le bloc du verso « BACK » est endommagé : %1</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>%1 (on the back side)</source>
      <translation>%1 (au verso)</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the file is not a Tavolo card</source>
      <translation>le fichier n'est pas une carte Tavolo</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the format version</source>
      <translation>la version de format</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the format version %1 is newer than this program reads</source>
      <translation>la version de format %1 est plus récente que celles que ce programme lit</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the file ends inside %1</source>
      <translation>le fichier s'arrête au milieu de : %1</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the %1 section has sub-version %2</source>
      <translation>la section « %1 » est en sous-version %2</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>a sub-version</source>
      <translation>une sous-version</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>style %1</source>
      <translation>style %1</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>text</source>
      <translation>texte</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the text section</source>
      <translation>la section du texte</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>text box %1 has %2 lines; at most %3 are allowed</source>
      <translation>la zone de texte %1 a %2 lignes ; %3 au plus sont permises</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the box count %1 is not 3, 4 or 5</source>
      <translation>le nombre de zones %1 n'est pas 3, 4 ou 5</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>background</source>
      <translation>fond</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the background section</source>
      <translation>la section du fond</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the gradient orientation %1 is not 0 to 3</source>
      <translation>l'orientation du dégradé %1 n'est pas comprise entre 0 et 3</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the background name</source>
      <translation>le nom du fond</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the layout number</source>
      <translation>le numéro de disposition</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the layout number %1 is not 0 to 9</source>
      <translation>le numéro de disposition %1 n'est pas compris entre 0 et 9</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the tint</source>
      <translation>la teinte</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the photo section</source>
      <translation>la section de la photo</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the logo section</source>
      <translation>la section du logo</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the photo name "%1" is not a plain file name</source>
      <translation>le nom de photo « %1 » n'est pas un simple nom de fichier</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the logo name "%1" is not a plain file name</source>
      <translation>le nom de logo « %1 » n'est pas un simple nom de fichier</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>card size</source>
      <translation>taille de carte</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>the card size section</source>
      <translation>la section de la taille de carte</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>File could not be opened by this version of the software.</source>
      <translation>Le fichier n'a pas pu être ouvert par cette version du logiciel.</translation>
    </message>
    <message>
      <location filename="../src/core/formats/ProjectFile.cpp" />
      <source>File could not be opened</source>
      <translation>Le fichier n'a pas pu être ouvert</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>Save WMF not supported</source>
      <translation>L'enregistrement en WMF n'est pas pris en charge</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>Save JPEG-2000 not supported</source>
      <translation>L'enregistrement en JPEG-2000 n'est pas pris en charge</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>Encode: Unknown format</source>
      <translation>Encodage : format inconnu</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>File too large</source>
      <translation>Fichier trop volumineux</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>Decode: Unknown or wrong format</source>
      <translation>Décodage : format inconnu ou incorrect</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>Encode: image is empty</source>
      <translation>Encodage : l'image est vide</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>RasterImage::Create can't allocate memory</source>
      <translation>RasterImage::Create : impossible d'allouer la mémoire</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImage.cpp" />
      <source>CreateFromPixels: pixel buffer too small</source>
      <translation>CreateFromPixels : tampon de pixels trop petit</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImageAlpha.cpp" />
      <source>AddAlpha: image is empty</source>
      <translation>AddAlpha : l'image est vide</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImageTransform.cpp" />
      <source>DecreaseBpp: image is empty</source>
      <translation>DecreaseBpp : l'image est vide</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImageTransform.cpp" />
      <source>DecreaseBpp: bits must be 1, 4 or 8</source>
      <translation>DecreaseBpp : le nombre de bits doit être 1, 4 ou 8</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImageTransform.cpp" />
      <source>Rotate: image is empty</source>
      <translation>Rotate : l'image est vide</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImageTransform.cpp" />
      <source>Rotate: angle is not a number</source>
      <translation>Rotate : l'angle n'est pas un nombre</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImageTransform.cpp" />
      <source>Crop: image is empty</source>
      <translation>Crop : l'image est vide</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/RasterImageTransform.cpp" />
      <source>Crop: the rectangle is empty</source>
      <translation>Crop : le rectangle est vide</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Not a BMP</source>
      <translation>Pas un fichier BMP</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>BMP header is truncated</source>
      <translation>L'en-tête BMP est tronqué</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Unsupported BMP compression</source>
      <translation>Compression BMP non prise en charge</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>BMP has no pixels</source>
      <translation>Le fichier BMP n'a aucun pixel</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Icon bitmap has a bad height</source>
      <translation>L'image de l'icône a une hauteur incorrecte</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Unsupported BMP bit depth</source>
      <translation>Profondeur de couleur BMP non prise en charge</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Bad RLE8 BMP</source>
      <translation>Fichier BMP RLE8 incorrect</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Bad RLE4 BMP</source>
      <translation>Fichier BMP RLE4 incorrect</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Bad BMP bit fields</source>
      <translation>Champs de bits BMP incorrects</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>BMP pixel data is truncated</source>
      <translation>Les données de pixels BMP sont tronquées</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>BMP palette is truncated</source>
      <translation>La palette BMP est tronquée</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>BMP pixel data is missing</source>
      <translation>Les données de pixels BMP manquent</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>BMP pixel offset is out of the file</source>
      <translation>Le décalage des pixels BMP est hors du fichier</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>BMP can save only 1, 4, 8 or 24 bits per pixel</source>
      <translation>Le BMP ne peut enregistrer que 1, 4, 8 ou 24 bits par pixel</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/BmpCodec.cpp" />
      <source>Image too large for BMP</source>
      <translation>Image trop grande pour le BMP</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/CodecChecks.cpp" />
      <source>Image has no pixels</source>
      <translation>L'image n'a aucun pixel</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/CodecChecks.cpp" />
      <source>Unsupported bit depth</source>
      <translation>Profondeur de couleur non prise en charge</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/GifCodec.cpp" />
      <source>Write Error in GIF file</source>
      <translation>Erreur d'écriture dans le fichier GIF</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/GifCodec.cpp" />
      <source>GIF: unknown error</source>
      <translation>GIF : erreur inconnue</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/GifCodec.cpp" />
      <source>GIF holds no image</source>
      <translation>Le fichier GIF ne contient aucune image</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/GifCodec.cpp" />
      <source>Not a GIF</source>
      <translation>Pas un fichier GIF</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/GifCodec.cpp" />
      <source>GIF can save only palette images: reduce the colours first</source>
      <translation>Le GIF ne peut enregistrer que des images à palette : réduisez d'abord les couleurs</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/IcoWbmpCodec.cpp" />
      <source>Not an ICO</source>
      <translation>Pas un fichier ICO</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/IcoWbmpCodec.cpp" />
      <source>ICO directory is truncated</source>
      <translation>Le répertoire ICO est tronqué</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/IcoWbmpCodec.cpp" />
      <source>ICO picture lies outside the file</source>
      <translation>L'image ICO se trouve hors du fichier</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/IcoWbmpCodec.cpp" />
      <source>Not a WBMP</source>
      <translation>Pas un fichier WBMP</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/IcoWbmpCodec.cpp" />
      <source>WBMP pixel data is truncated</source>
      <translation>Les données de pixels WBMP sont tronquées</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/IcoWbmpCodec.cpp" />
      <source>ICO can save only pictures of at most 256 × 256 pixels</source>
      <translation>L'ICO ne peut enregistrer que des images d'au plus 256 × 256 pixels</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/JpegCodec.cpp" />
      <source>JPEG has too many scans</source>
      <translation>Le fichier JPEG a trop de passes</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/JpegCodec.cpp" />
      <source>JPEG file is truncated</source>
      <translation>Le fichier JPEG est tronqué</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/JpegCodec.cpp" />
      <source>JPEG: out of memory</source>
      <translation>JPEG : mémoire insuffisante</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/JpegCodec.cpp" />
      <source>JPEG: no more rows</source>
      <translation>JPEG : plus de lignes</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/JpegCodec.cpp" />
      <source>Not a JPEG</source>
      <translation>Pas un fichier JPEG</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/JpegCodec.cpp" />
      <source>JPEG can save only RGB or GreyScale images</source>
      <translation>Le JPEG ne peut enregistrer que des images RVB ou en niveaux de gris</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PcxCodec.cpp" />
      <source>Not a PCX</source>
      <translation>Pas un fichier PCX</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PcxCodec.cpp" />
      <source>Unsupported PCX bit depth</source>
      <translation>Profondeur de couleur PCX non prise en charge</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PcxCodec.cpp" />
      <source>PCX line length is too short</source>
      <translation>La longueur de ligne PCX est trop courte</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PcxCodec.cpp" />
      <source>PCX palette is missing</source>
      <translation>La palette PCX manque</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PcxCodec.cpp" />
      <source>PCX pixel data is truncated</source>
      <translation>Les données de pixels PCX sont tronquées</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PcxCodec.cpp" />
      <source>Image too large for PCX</source>
      <translation>Image trop grande pour le PCX</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PngCodec.cpp" />
      <source>Read Error: the PNG data ends too early</source>
      <translation>Erreur de lecture : les données PNG s'arrêtent trop tôt</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PngCodec.cpp" />
      <source>Not a PNG</source>
      <translation>Pas un fichier PNG</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PngCodec.cpp" />
      <source>PNG: out of memory</source>
      <translation>PNG : mémoire insuffisante</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PngCodec.cpp" />
      <source>PNG data too short for the image size</source>
      <translation>Les données PNG sont trop courtes pour la taille de l'image</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/PngEncoder.cpp" />
      <source>PNG: unsupported bit depth</source>
      <translation>PNG : profondeur de couleur non prise en charge</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TgaCodec.cpp" />
      <source>Image too large for TGA</source>
      <translation>Image trop grande pour le TGA</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TgaCodec.cpp" />
      <source>Not a TGA</source>
      <translation>Pas un fichier TGA</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TgaCodec.cpp" />
      <source>TGA pixel data is truncated</source>
      <translation>Les données de pixels TGA sont tronquées</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TgaCodec.cpp" />
      <source>Bit depth must be 8 or 24</source>
      <translation>La profondeur de couleur doit être 8 ou 24</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffReader.cpp" />
      <source>TIFF: scanline size does not match the image width</source>
      <translation>TIFF : la taille de ligne ne correspond pas à la largeur de l'image</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffReader.cpp" />
      <source>TIFF: bad tile size</source>
      <translation>TIFF : taille de tuile incorrecte</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffReader.cpp" />
      <source>TIFF: a tile is larger than the picture needs</source>
      <translation>TIFF : une tuile est plus grande que l'image ne l'exige</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffReader.cpp" />
      <source>Not a TIFF</source>
      <translation>Pas un fichier TIFF</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffReader.cpp" />
      <source>TIFF: can't read the image</source>
      <translation>TIFF : impossible de lire l'image</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffWriter.cpp" />
      <source>TIFF: unsupported bit depth</source>
      <translation>TIFF : profondeur de couleur non prise en charge</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffWriter.cpp" />
      <source>TIFF: out of memory</source>
      <translation>TIFF : mémoire insuffisante</translation>
    </message>
    <message>
      <location filename="../src/core/imaging/codecs/TiffWriter.cpp" />
      <source>TIFF: can't write the image</source>
      <translation>TIFF : impossible d'écrire l'image</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>The background %1 could not be read as a picture: %2</source>
      <translation>Le fond %1 n'a pas pu être lu comme image : %2</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>%1 of the %2 backgrounds of the library %3 could not be decoded: %4</source>
      <translation>%1 des %2 fonds de la bibliothèque %3 n'ont pas pu être décodés : %4</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>Imported backgrounds are kept in %1, beside the program, and that folder cannot be written to. Nothing was imported. Run Tavolo from a folder you may write to (or set TAVOLO_HOME to one) to import backgrounds.</source>
      <translation>Les fonds importés sont conservés dans %1, à côté du programme, et ce dossier n'est pas accessible en écriture. Rien n'a été importé. Lancez Tavolo depuis un dossier où vous pouvez écrire (ou faites pointer TAVOLO_HOME vers un tel dossier) pour importer des fonds.</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>The background library %1 was not found.</source>
      <translation>La bibliothèque de fonds %1 est introuvable.</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>The background library could not be read: %1</source>
      <translation>La bibliothèque de fonds n'a pas pu être lue : %1</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>The background library %1 holds no backgrounds.</source>
      <translation>La bibliothèque de fonds %1 ne contient aucun fond.</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>The background library %1 is damaged: only %2 of its backgrounds could be read.</source>
      <translation>La bibliothèque de fonds %1 est endommagée : seuls %2 de ses fonds ont pu être lus.</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>%1 has no extension, so there is no telling what kind of picture it is. Give it the extension of its kind (such as .jpg or .png) and import it again.</source>
      <translation>%1 n'a pas d'extension : impossible de savoir de quel type d'image il s'agit. Donnez-lui l'extension de son type (comme .jpg ou .png) et importez-le à nouveau.</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>The background table is full (%1 backgrounds); no more can be imported.</source>
      <translation>La table des fonds est pleine (%1 fonds) ; aucun autre ne peut être importé.</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>%1 is not a kind of picture that can be a background (JPEG, PNG, GIF, TIFF, BMP, TGA or PCX); nothing was added.</source>
      <translation>%1 n'est pas un type d'image qui puisse servir de fond (JPEG, PNG, GIF, TIFF, BMP, TGA ou PCX) ; rien n'a été ajouté.</translation>
    </message>
    <message>
      <location filename="../src/core/library/BackgroundLibrary.cpp" />
      <source>%1 could not be read as a picture: %2</source>
      <translation>%1 n'a pas pu être lu comme image : %2</translation>
    </message>
    <message>
      <location filename="../src/core/library/PhotoFolder.cpp" />
      <source>%1 The picture was not put into %2.</source>
      <translation>%1 L'image n'a pas été placée dans %2.</translation>
    </message>
    <message>
      <location filename="../src/core/library/PhotoFolder.cpp" />
      <source>The photo "%1" is not in the card and was not found.</source>
      <translation>La photo « %1 » n'est pas dans la carte et est introuvable.</translation>
    </message>
    <message>
      <location filename="../src/core/library/PhotoFolder.cpp" />
      <source>The logo "%1" is not in the card and was not found.</source>
      <translation>Le logo « %1 » n'est pas dans la carte et est introuvable.</translation>
    </message>
    <message>
      <location filename="../src/core/library/PhotoFolder.cpp" />
      <source>%1 is %2 MB: a picture on a card may have at most %3 MB.</source>
      <translation>%1 fait %2 Mo : une image sur une carte peut faire au plus %3 Mo.</translation>
    </message>
    <message>
      <location filename="../src/core/library/PhotoFolder.cpp" />
      <source>There are too many pictures named %1.</source>
      <translation>Il y a trop d'images nommées %1.</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateTable.cpp" />
      <source>File could not be opened: %1</source>
      <translation>Le fichier n'a pas pu être ouvert : %1</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateTable.cpp" />
      <source>and %1 more.</source>
      <translation>et %1 autres.</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateTable.cpp" />
      <source>Files could not be opened:%1</source>
      <translation>Des fichiers n'ont pas pu être ouverts :%1</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateTable.cpp" />
      <source>Only the first %1 templates are listed; %2 more in %3 are left out.</source>
      <translation>Seuls les %1 premiers modèles sont listés ; %2 autres dans %3 sont omis.</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateWriter.cpp" />
      <source>Please enter a name for the template.</source>
      <translation>Veuillez saisir un nom pour le modèle.</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateWriter.cpp" />
      <source>"%1" cannot be the name of a template.</source>
      <translation>« %1 » ne peut pas être le nom d'un modèle.</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateWriter.cpp" />
      <source>A template name cannot contain any of these characters: %1</source>
      <translation>Un nom de modèle ne peut contenir aucun de ces caractères : %1</translation>
    </message>
    <message>
      <location filename="../src/core/merge/CsvReader.cpp" />
      <source>%1 holds no header line naming its columns.</source>
      <translation>%1 n'a pas de ligne d'en-tête nommant ses colonnes.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/CsvReader.cpp" />
      <source>%1, line %2: %3</source>
      <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
      <location filename="../src/core/merge/CsvReader.cpp" />
      <source>a quoted value is never closed.</source>
      <translation>une valeur entre guillemets n'est jamais fermée.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/CsvReader.cpp" />
      <source>a value is longer than %1 characters; this is not a list of contacts.</source>
      <translation>une valeur dépasse %1 caractères ; ce n'est pas une liste de contacts.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/CsvReader.cpp" />
      <source>the data holds more than %1 values; split it into smaller files.</source>
      <translation>les données contiennent plus de %1 valeurs ; divisez-les en fichiers plus petits.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>'%1' is not FIELD=COLUMN.</source>
      <translation>« %1 » n'est pas de la forme CHAMP=COLONNE.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>'%1' is not a field; the fields are Company Name, Name, Title, Address Line 1, Address Line 2, City, Zip, Email, Website, Phone 1 and Phone 2.</source>
      <translation>« %1 » n'est pas un champ ; les champs sont Company Name, Name, Title, Address Line 1, Address Line 2, City, Zip, Email, Website, Phone 1 et Phone 2.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>the data has no column '%1'.</source>
      <translation>les données n'ont pas de colonne « %1 ».</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>column %1</source>
      <translation>colonne %1</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>no field of the card has this name</source>
      <translation>aucun champ de la carte ne porte ce nom</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>the column has no name</source>
      <translation>la colonne n'a pas de nom</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>left out; it would fill the %1</source>
      <translation>omise ; elle remplirait le champ %1</translation>
    </message>
    <message>
      <location filename="../src/core/merge/FieldMapping.cpp" />
      <source>the %1 comes from %2</source>
      <translation>le champ %1 vient de %2</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeData.cpp" />
      <source>%1 is a ZIP archive but no spreadsheet Tavolo reads; save it as .ods, .xlsx or CSV.</source>
      <translation>%1 est une archive ZIP mais pas un classeur que Tavolo lit ; enregistrez-le en .ods, .xlsx ou CSV.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeData.cpp" />
      <source>%1 is larger than %2 MB; split it into smaller files.</source>
      <translation>%1 dépasse %2 Mo ; scindez-le en fichiers plus petits.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeData.cpp" />
      <source>%1 is a spreadsheet in the old Excel format; save it as .xlsx, .ods or CSV.</source>
      <translation>%1 est un classeur dans l'ancien format Excel ; enregistrez-le en .xlsx, .ods ou CSV.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeData.cpp" />
      <source>%1 is no spreadsheet: it has no sheets to choose from.</source>
      <translation>%1 n'est pas un classeur : il n'a pas de feuilles parmi lesquelles choisir.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeData.cpp" />
      <source>%1 holds no records.</source>
      <translation>%1 ne contient aucun enregistrement.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>the record is empty</source>
      <translation>l'enregistrement est vide</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>the record has no value in any field of the card</source>
      <translation>l'enregistrement n'a de valeur dans aucun champ de la carte</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>the %1 has %2 characters; a line of the card holds %3</source>
      <translation>« %1 » a %2 caractères ; une ligne de la carte en contient %3</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>the record has %1 values, the header %2 columns</source>
      <translation>l'enregistrement a %1 valeurs, l'en-tête %2 colonnes</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>its QR code cannot be made: the record has no website address</source>
      <translation>son code QR ne peut pas être créé : l'enregistrement n'a pas d'adresse de site web</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>its QR code cannot be made: its content has %1 bytes, and a QR code holds at most %2</source>
      <translation>son code QR ne peut pas être créé : son contenu fait %1 octets, et un code QR en contient au plus %2</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>its QR code's dots would print %1 mm wide, too small for a phone to read (0.25 mm at least): make the code larger or its content shorter</source>
      <translation>les points de son code QR seraient imprimés larges de %1 mm, trop petits pour qu'un téléphone les lise (0,25 mm au moins) : agrandissez le code ou raccourcissez son contenu</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>%1, row %2</source>
      <translation>%1, ligne %2 de la feuille</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeRecords.cpp" />
      <source>%1, line %2</source>
      <translation>%1, ligne %2</translation>
    </message>
    <message>
      <location filename="../src/core/merge/MergeText.cpp" />
      <source>%1, line %2: the file holds a NUL byte, so it is not a text file; save it as CSV or vCard in UTF-8.</source>
      <translation>%1, ligne %2 : le fichier contient un octet NUL, ce n'est donc pas un fichier texte ; enregistrez-le en CSV ou en vCard en UTF-8.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/OdsReader.cpp" />
      <source>%1, row %2: the sheet holds more than %3 values, or values beyond its last row or column; this is not a list of contacts.</source>
      <translation>%1, ligne %2 de la feuille : la feuille contient plus de %3 valeurs, ou des valeurs au-delà de sa dernière ligne ou colonne ; ce n'est pas une liste de contacts.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/OdsReader.cpp" />
      <source>%1 holds no sheet.</source>
      <translation>%1 ne contient aucune feuille.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/OdsReader.cpp" />
      <source>%1 has no sheet '%2'; its sheets are '%3'.</source>
      <translation>%1 n'a pas de feuille « %2 » ; ses feuilles sont « %3 ».</translation>
    </message>
    <message>
      <location filename="../src/core/merge/RecordFileNames.cpp" />
      <source>the '{' in '%1' is never closed.</source>
      <translation>l'accolade « { » dans « %1 » n'est jamais fermée.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/RecordFileNames.cpp" />
      <source>{%1} names no field; use one such as {Name}, {Company Name} or {Email}.</source>
      <translation>{%1} ne désigne aucun champ ; utilisez-en un comme {Name}, {Company Name} ou {Email}.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/SheetXml.cpp" />
      <source>%1 cannot be read: its part %2 nests deeper than %3 levels.</source>
      <translation>%1 ne peut pas être lu : sa partie %2 s'imbrique sur plus de %3 niveaux.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/SheetXml.cpp" />
      <source>%1 cannot be read: its part %2 declares a document type, which no spreadsheet does.</source>
      <translation>%1 ne peut pas être lu : sa partie %2 déclare un type de document, ce qu'aucun classeur ne fait.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/SheetXml.cpp" />
      <source>%1 cannot be read: its part %2 is damaged (line %3).</source>
      <translation>%1 ne peut pas être lu : sa partie %2 est endommagée (ligne %3).</translation>
    </message>
    <message>
      <location filename="../src/core/merge/SpreadsheetCells.cpp" />
      <source>%1: its merged cells cover more than %2 values; this is not a list of contacts.</source>
      <translation>%1 : ses cellules fusionnées couvrent plus de %2 valeurs ; ce n'est pas une liste de contacts.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/SpreadsheetCells.cpp" />
      <source>%1, row %2: the data holds more than %3 values; split it into smaller files.</source>
      <translation>%1, ligne %2 de la feuille : les données contiennent plus de %3 valeurs ; divisez-les en fichiers plus petits.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/VCardReader.cpp" />
      <source>a contact is never ended with END:VCARD.</source>
      <translation>un contact n'est jamais terminé par END:VCARD.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/VCardReader.cpp" />
      <source>%1, line %2 (%3): a value is not in UTF-8 and is read as Windows-1252.</source>
      <translation>%1, ligne %2 (%3) : une valeur n'est pas en UTF-8 et est lue comme Windows-1252.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/XlsxReader.cpp" />
      <source>%1 holds more than %2 different texts; this is not a list of contacts.</source>
      <translation>%1 contient plus de %2 textes différents ; ce n'est pas une liste de contacts.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/ZipMembers.cpp" />
      <source>%1 cannot be read: it is not the ZIP archive a spreadsheet of its kind is.</source>
      <translation>%1 ne peut pas être lu : ce n'est pas l'archive ZIP qu'est un classeur de ce type.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/ZipMembers.cpp" />
      <source>%1 cannot be read: it has no part %2.</source>
      <translation>%1 ne peut pas être lu : il n'a pas de partie %2.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/ZipMembers.cpp" />
      <source>%1 cannot be read: its part %2 is damaged.</source>
      <translation>%1 ne peut pas être lu : sa partie %2 est endommagée.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/ZipMembers.cpp" />
      <source>%1 cannot be read: its part %2 inflates to more than %3 MB; this is not a list of contacts.</source>
      <translation>%1 ne peut pas être lu : sa partie %2 se décompresse en plus de %3 Mo ; ce n'est pas une liste de contacts.</translation>
    </message>
    <message>
      <location filename="../src/core/merge/ZipMembers.cpp" />
      <source>%1 cannot be read: its part %2 inflates to more than %3 times its packed size; this is not a list of contacts.</source>
      <translation>%1 ne peut pas être lu : sa partie %2 se décompresse en plus de %3 fois sa taille compressée ; ce n'est pas une liste de contacts.</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/ImageBridge.cpp" />
      <source>ToRasterImage: not a 32-bit picture</source>
      <translation>ToRasterImage : pas une image 32 bits</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgDrawing.cpp" />
      <source>the drawing is larger than an SVG logo may be (%1 bytes)</source>
      <translation>le dessin est plus grand qu'un logo SVG ne peut l'être (%1 octets)</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgDrawing.cpp" />
      <source>the drawing has no size that can be drawn</source>
      <translation>le dessin n'a pas de taille à laquelle il puisse être dessiné</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgDrawing.cpp" />
      <source>the drawing is too large for a card</source>
      <translation>le dessin est trop grand pour une carte</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgRaster.cpp" />
      <source>the drawing is too complex to be drawn in reasonable time</source>
      <translation>le dessin est trop complexe pour être dessiné en un temps raisonnable</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgRaster.cpp" />
      <source>not enough memory for the drawing</source>
      <translation>mémoire insuffisante pour le dessin</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing refers to %1, outside the file, which is not followed</source>
      <translation>le dessin fait référence à %1, hors du fichier, qui n'est pas suivi</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing holds a picture that cannot be read: %1</source>
      <translation>le dessin contient une image illisible : %1</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>its reference holds no data</source>
      <translation>sa référence ne contient aucune donnée</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>its base64 data is damaged</source>
      <translation>ses données base64 sont endommagées</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing holds drawings nested more than %1 deep</source>
      <translation>le dessin contient des dessins imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing's pictures hold more than %1 pixels in all</source>
      <translation>les images du dessin comptent plus de %1 pixels au total</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing holds a compressed drawing, which is not read</source>
      <translation>le dessin contient un dessin compressé, qui n'est pas lu</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing nests its elements more than %1 deep</source>
      <translation>le dessin imbrique ses éléments sur plus de %1 niveaux</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing draws an element inside itself</source>
      <translation>le dessin dessine un élément à l'intérieur de lui-même</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing draws more than %1 elements</source>
      <translation>le dessin dessine plus de %1 éléments</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing holds more than %1 characters of text</source>
      <translation>le dessin contient plus de %1 caractères de texte</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing declares entities, which are not read</source>
      <translation>le dessin déclare des entités, qui ne sont pas lues</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing refers to an entity, which is not read</source>
      <translation>le dessin fait référence à une entité, qui n'est pas lue</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>a gradient in the drawing has more than %1 stops</source>
      <translation>un dégradé du dessin a plus de %1 arrêts de couleur</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing's gradients have more than %1 stops</source>
      <translation>les dégradés du dessin ont plus de %1 arrêts de couleur</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing is not well-formed SVG: %1</source>
      <translation>le dessin n'est pas un SVG bien formé : %1</translation>
    </message>
    <message>
      <location filename="../src/core/pictures/SvgTextCheck.cpp" />
      <source>the drawing has too many style rules (%1) for its %2 elements</source>
      <translation>le dessin a trop de règles de style (%1) pour ses %2 éléments</translation>
    </message>
    <message>
      <location filename="../src/core/print/CardFit.cpp" />
      <source>the card is %1, the sheet's cards %2</source>
      <translation>la carte mesure %1, les cartes de la feuille %2</translation>
    </message>
    <message>
      <location filename="../src/core/print/CmykProfile.cpp" />
      <source>'%1' is not an ICC colour profile</source>
      <translation>« %1 » n'est pas un profil de couleur ICC</translation>
    </message>
    <message>
      <location filename="../src/core/print/CmykProfile.cpp" />
      <source>'%1' is not a profile for printing in CMYK</source>
      <translation>« %1 » n'est pas un profil pour l'impression en CMJN</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>The label database file %1 is skipped: %2.</source>
      <translation>Le fichier de la base d'étiquettes %1 est ignoré : %2.</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>The label database file %1 is skipped: the database holds more than %2 templates.</source>
      <translation>Le fichier de la base d'étiquettes %1 est ignoré : la base contient plus de %2 modèles.</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>its elements are nested more than %1 deep</source>
      <translation>ses éléments sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>it holds more than %1 elements</source>
      <translation>il contient plus de %1 éléments</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>it holds more than %1 templates</source>
      <translation>il contient plus de %1 modèles</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>line %1: %2</source>
      <translation>ligne %1 : %2</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>The label database %1 holds more than %2 files; it is skipped.</source>
      <translation>La base d'étiquettes %1 contient plus de %2 fichiers ; elle est ignorée.</translation>
    </message>
    <message>
      <location filename="../src/core/print/LabelDatabase.cpp" />
      <source>The label database file %1 is skipped: %2</source>
      <translation>Le fichier de la base d'étiquettes %1 est ignoré : %2</translation>
    </message>
    <message>
      <location filename="../src/core/print/LengthDisplay.cpp" />
      <source>Please enter a number between %1 and %2.</source>
      <translation>Veuillez saisir un nombre entre %1 et %2.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the card height</source>
      <translation>la hauteur de carte</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the card width</source>
      <translation>la largeur de carte</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the horizontal pitch</source>
      <translation>le pas horizontal</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the vertical pitch</source>
      <translation>le pas vertical</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the left margin</source>
      <translation>la marge gauche</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the top margin</source>
      <translation>la marge supérieure</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the version</source>
      <translation>la version</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>not a page layout</source>
      <translation>pas une mise en page</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>%1 is not a finite number</source>
      <translation>%1 : pas un nombre fini</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the paper identifier</source>
      <translation>l'identifiant du papier</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the unit</source>
      <translation>l'unité</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>the name</source>
      <translation>le nom</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>%1 is not a page layout.</source>
      <translation>%1 n'est pas une mise en page.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>%1 cannot be read: %2.</source>
      <translation>%1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>%1 is damaged: %2.</source>
      <translation>%1 est endommagé : %2.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>Give the page layout a name.</source>
      <translation>Donnez un nom à la mise en page.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutFile.cpp" />
      <source>"%1" cannot be the name of a file: give a name without "/" of at most %2 bytes.</source>
      <translation>« %1 » ne peut pas être un nom de fichier : donnez un nom sans « / » d'au plus %2 octets.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutLibrary.cpp" />
      <source>%1 is refused: %2.</source>
      <translation>%1 est refusé : %2.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PageLayoutLibrary.cpp" />
      <source>Only the first %1 page layouts are listed; %2 more in %3 are left out.</source>
      <translation>Seules les %1 premières mises en page sont listées ; %2 autres dans %3 sont omises.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PdfCmykConversion.cpp" />
      <source>The PDF cannot be turned into CMYK: it holds an inline picture.</source>
      <translation>Le PDF ne peut pas être converti en CMJN : il contient une image en ligne.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PdfCmykConversion.cpp" />
      <source>The PDF cannot be turned into CMYK: it holds a shading.</source>
      <translation>Le PDF ne peut pas être converti en CMJN : il contient un dégradé (shading).</translation>
    </message>
    <message>
      <location filename="../src/core/print/PdfCmykConversion.cpp" />
      <source>The PDF cannot be turned into CMYK: it paints in a colour space other than RGB or grey.</source>
      <translation>Le PDF ne peut pas être converti en CMJN : il peint dans un espace colorimétrique autre que RVB ou gris.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PdfCmykConversion.cpp" />
      <source>The PDF cannot be turned into CMYK: it holds a picture in a colour space other than RGB or grey.</source>
      <translation>Le PDF ne peut pas être converti en CMJN : il contient une image dans un espace colorimétrique autre que RVB ou gris.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PdfCmykConversion.cpp" />
      <source>The PDF cannot be turned into CMYK: it holds transparency that was not flattened.</source>
      <translation>Le PDF ne peut pas être converti en CMJN : il contient une transparence qui n'a pas été aplatie.</translation>
    </message>
    <message>
      <location filename="../src/core/print/PdfFinishing.cpp" />
      <source>The PDF could not be finished: %1</source>
      <translation>Le PDF n'a pas pu être finalisé : %1</translation>
    </message>
    <message>
      <location filename="../src/core/print/PdfXMarking.cpp" />
      <source>The sRGB colour profile a PDF/X file names was not found (%1 of the package icc-profiles-free).</source>
      <translation>Le profil de couleur sRGB qu'un fichier PDF/X désigne est introuvable (%1 du paquet icc-profiles-free).</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogue.cpp" />
      <source>My sheets</source>
      <translation>Mes planches</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>the product has no "%1"</source>
      <translation>le produit n'a pas de « %1 »</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>the product has more than %1 part numbers</source>
      <translation>le produit a plus de %1 références</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>no paper is named "%1"</source>
      <translation>aucun papier ne s'appelle « %1 »</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>the unit "%1" is not in, cm or mm</source>
      <translation>l'unité « %1 » n'est ni in, ni cm, ni mm</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"%1" needs two numbers, not "%2"</source>
      <translation>« %1 » demande deux nombres, pas « %2 »</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"cards" needs two whole numbers, not "%1"</source>
      <translation>« cards » demande deux nombres entiers, pas « %1 »</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"corners" needs a number, not "%1"</source>
      <translation>« corners » demande un nombre, pas « %1 »</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>expected "key: value"</source>
      <translation>« clé : valeur » attendu</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"%1" has no value</source>
      <translation>« %1 » n'a pas de valeur</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"maker" is given twice</source>
      <translation>« maker » est donné deux fois</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"maker" comes before the products</source>
      <translation>« maker » doit précéder les produits</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>unknown key "%1"</source>
      <translation>clé inconnue « %1 »</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>more than %1 products</source>
      <translation>plus de %1 produits</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"%1" comes before any "product"</source>
      <translation>« %1 » précède tout « product »</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>"%1" is given twice</source>
      <translation>« %1 » est donné deux fois</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>the file names no product</source>
      <translation>le fichier ne nomme aucun produit</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetCatalogueFile.cpp" />
      <source>%1: %2 is left out: %3.</source>
      <translation>%1 : %2 est laissé de côté : %3.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetGrid.cpp" />
      <source>Card height and width should not be more than pitch values</source>
      <translation>La hauteur et la largeur de la carte ne doivent pas dépasser les valeurs de pas</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetGrid.cpp" />
      <source>Not enough space</source>
      <translation>Pas assez de place</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetGrid.cpp" />
      <source>The first card does not start on the paper: make the margins smaller</source>
      <translation>La première carte ne commence pas sur le papier : réduisez les marges</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetGrid.cpp" />
      <source>Cards too small: at most 100 fit across and 100 down</source>
      <translation>Cartes trop petites : 100 au plus tiennent en largeur et 100 en hauteur</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetPdf.cpp" />
      <source>The PDF could not be made: %1</source>
      <translation>Le PDF n'a pas pu être créé : %1</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetPrinting.cpp" />
      <source>At least one sheet is needed.</source>
      <translation>Il faut au moins une feuille.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetPrinting.cpp" />
      <source>No room for a bleed of %1 mm between the cards: their bleeds would overlap.</source>
      <translation>Pas de place pour un fond perdu de %1 mm entre les cartes : leurs fonds perdus se chevaucheraient.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetPrinting.cpp" />
      <source>The paper %1 cannot be used.</source>
      <translation>Le papier %1 ne peut pas être utilisé.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetPrinting.cpp" />
      <source>The printing could not be started.</source>
      <translation>L'impression n'a pas pu démarrer.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetPrinting.cpp" />
      <source>A new sheet could not be started.</source>
      <translation>Une nouvelle feuille n'a pas pu être commencée.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetPrinting.cpp" />
      <source>The printing could not be finished.</source>
      <translation>L'impression n'a pas pu être terminée.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetProduct.cpp" />
      <source>a length is not a number from 0 to 10 m</source>
      <translation>une longueur n'est pas un nombre de 0 à 10 m</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetProduct.cpp" />
      <source>the card has no size</source>
      <translation>la carte n'a pas de taille</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetProduct.cpp" />
      <source>the columns and rows are not from 1 to %1</source>
      <translation>les colonnes et les rangées ne sont pas entre 1 et %1</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetProduct.cpp" />
      <source>the paper %1 has no Windows paper number</source>
      <translation>le papier %1 n'a pas de numéro de papier Windows</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetProduct.cpp" />
      <source>the program lays out %1 × %2 cards on the paper, the product has %3 × %4</source>
      <translation>le programme place %1 × %2 cartes sur le papier, le produit en a %3 × %4</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetProduct.cpp" />
      <source>the last card ends beyond the paper</source>
      <translation>la dernière carte dépasse du papier</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetRenderer.cpp" />
      <source>The centre of the cross should lie %1 mm from the paper's left edge and %2 mm from its top edge.
Measure where it lies: the X offset is %1 minus the distance from the left, the Y offset %2 minus the distance from the top, each added to the offset in use.
Measure 100 mm of a ruler: the scale is the scale in use times 100 divided by what you measure.
In use: offset %3, %4 mm; scale %5 %.</source>
      <translation>Le centre de la croix devrait se trouver à %1 mm du bord gauche du papier et à %2 mm de son bord supérieur.
Mesurez où il se trouve : le décalage X vaut %1 moins la distance depuis la gauche, le décalage Y %2 moins la distance depuis le haut, chacun ajouté au décalage en vigueur.
Mesurez 100 mm d'une règle : l'échelle vaut l'échelle en vigueur fois 100 divisée par ce que vous mesurez.
En vigueur : décalage %3, %4 mm ; échelle %5 %.</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetSearch.cpp" />
      <source>Last used</source>
      <translation>Utilisées récemment</translation>
    </message>
    <message>
      <location filename="../src/core/print/SheetSearch.cpp" />
      <source>Other paper</source>
      <translation>Autre papier</translation>
    </message>
    <message>
      <location filename="../src/core/qr/QrContentText.cpp" />
      <source>The card has no website address for its QR code.</source>
      <translation>La carte n'a pas d'adresse de site web pour son code QR.</translation>
    </message>
    <message>
      <location filename="../src/core/qr/QrContentText.cpp" />
      <source>The QR code has no text.</source>
      <translation>Le code QR n'a pas de texte.</translation>
    </message>
    <message>
      <location filename="../src/core/qr/QrContentText.cpp" />
      <source>The QR code's content is unknown.</source>
      <translation>Le contenu du code QR est inconnu.</translation>
    </message>
    <message>
      <location filename="../src/core/qr/QrSymbol.cpp" />
      <source>The QR code's content is too long: %1 bytes, and a QR code holds at most %2.</source>
      <translation>Le contenu du code QR est trop long : %1 octets, et un code QR en contient au plus %2.</translation>
    </message>
    <message>
      <location filename="../src/core/qr/QrSymbol.cpp" />
      <source>The QR code could not be encoded.</source>
      <translation>Le code QR n'a pas pu être encodé.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>Access to %1 was denied.</source>
      <translation>L'accès à %1 a été refusé.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>Disk full while accessing %1.</source>
      <translation>Disque plein lors de l'accès à %1.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 was not found.</source>
      <translation>%1 est introuvable.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 contains an invalid path.</source>
      <translation>%1 contient un chemin non valide.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>An unexpected error occurred while accessing %1.</source>
      <translation>Une erreur inattendue s'est produite lors de l'accès à %1.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 is a folder, not a file.</source>
      <translation>%1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 is a symbolic link, not a file.</source>
      <translation>%1 est un lien symbolique, pas un fichier.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 is a named pipe, not a file.</source>
      <translation>%1 est un tube nommé, pas un fichier.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 is a device, not a file.</source>
      <translation>%1 est un périphérique, pas un fichier.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 is not a regular file.</source>
      <translation>%1 n'est pas un fichier ordinaire.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 is too large.</source>
      <translation>%1 est trop volumineux.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/FileMessages.h" />
      <source>%1 exists already.</source>
      <translation>%1 existe déjà.</translation>
    </message>
    <message>
      <location filename="../src/core/storage/ImageMessages.h" />
      <source>Can't open file for reading: %1</source>
      <translation>Impossible d'ouvrir le fichier en lecture : %1</translation>
    </message>
    <message>
      <location filename="../src/core/storage/ImageMessages.h" />
      <source>Image too large: at most %1 pixels a side and %2 megapixels</source>
      <translation>Image trop grande : au plus %1 pixels de côté et %2 mégapixels</translation>
    </message>
    <message>
      <location filename="../src/ui/app/AboutDialog.cpp" />
      <source>About Tavolo...</source>
      <translation>À propos de Tavolo...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/AboutDialog.cpp" />
      <source>Version %1</source>
      <translation>Version %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/ExportImage.cpp" />
      <source>Export Image</source>
      <translation>Exporter l'image</translation>
    </message>
    <message>
      <location filename="../src/ui/app/ExportImage.cpp" />
      <source>The card was not exported. %1</source>
      <translation>La carte n'a pas été exportée. %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FatalErrorDialog.cpp" />
      <source>Fatal Error</source>
      <translation>Erreur fatale</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FatalErrorDialog.cpp" />
      <source>Retry</source>
      <translation>Réessayer</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FatalErrorDialog.cpp" />
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldCaption.cpp" />
      <source>Text Options</source>
      <translation>Options du texte</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldCaption.cpp" />
      <source>%1 caption</source>
      <translation>Légende %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" />
      <source>Edit your text here</source>
      <translation>Modifiez votre texte ici</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" />
      <source>Push to change text and frame options</source>
      <translation>Cliquez pour modifier les options du texte et du cadre</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" />
      <source>Line too wide for its box: “%1”</source>
      <translation>Ligne trop large pour sa zone : « %1 »</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" />
      <source>Field %1</source>
      <translation>Champ %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" />
      <source>The font %1 is not installed; %2 stands in for it.</source>
      <translation>La police %1 n'est pas installée ; %2 la remplace.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" />
      <source>Tavolo Help</source>
      <translation>Aide de Tavolo</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" />
      <source>Back</source>
      <translation>Précédent</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" />
      <source>Forward</source>
      <translation>Suivant</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" />
      <source>Home</source>
      <translation>Accueil</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" />
      <source>Close</source>
      <translation>Fermer</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" />
      <source>Contents</source>
      <translation>Sommaire</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Push to see more backgrounds</source>
      <translation>Cliquez pour voir d'autres fonds</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Prev.</source>
      <translation>Préc.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Next</source>
      <translation>Suiv.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Push to change background options</source>
      <translation>Cliquez pour modifier les options du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Background options</source>
      <translation>Options du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Drag to change background hue</source>
      <translation>Faites glisser pour modifier la teinte du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Drag to change background saturation</source>
      <translation>Faites glisser pour modifier la saturation du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Drag to change background lightness</source>
      <translation>Faites glisser pour modifier la luminosité du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Click to change background image</source>
      <translation>Cliquez pour changer l'image de fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Click to change text layout</source>
      <translation>Cliquez pour changer la disposition du texte</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Background hue</source>
      <translation>Teinte du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Background saturation</source>
      <translation>Saturation du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Background lightness</source>
      <translation>Luminosité du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Backgrounds</source>
      <translation>Fonds</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Card preview</source>
      <translation>Aperçu de la carte</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>Text layouts</source>
      <translation>Dispositions du texte</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" />
      <source>(back)</source>
      <translation>(verso)</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Insert Photo...	Ctrl+I</source>
      <translation>Insérer une photo...	Ctrl+I</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Edit Photo...	Ctrl+I</source>
      <translation>Modifier la photo...	Ctrl+I</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Insert Logo...</source>
      <translation>Insérer un logo...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Edit Logo...</source>
      <translation>Modifier le logo...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;File</source>
      <translation>&amp;Fichier</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Edit</source>
      <translation>&amp;Édition</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Insert</source>
      <translation>&amp;Insertion</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Arrange</source>
      <translation>&amp;Organiser</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Templates</source>
      <translation>&amp;Modèles</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Layouts</source>
      <translation>&amp;Dispositions</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Window</source>
      <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Help</source>
      <translation>&amp;Aide</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>New Blank Project</source>
      <translation>Nouveau projet vierge</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;New Project...	Ctrl+N</source>
      <translation>&amp;Nouveau projet...	Ctrl+N</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Load Project... 	Ctrl+L</source>
      <translation>&amp;Ouvrir un projet... 	Ctrl+L</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Save Project...	Ctrl+S</source>
      <translation>&amp;Enregistrer le projet...	Ctrl+S</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Save Project &amp;As...</source>
      <translation>Enregistrer le projet &amp;sous...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Import Background...</source>
      <translation>Importer un fond...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Export Image...</source>
      <translation>Exporter l'image...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Print...	Ctrl+P</source>
      <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Merge...</source>
      <translation>Pu&amp;blipostage...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Print Setup...</source>
      <translation>Configuration de l'impression...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Exit	Alt+F4</source>
      <translation>Quitter	Alt+F4</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Undo 	Ctrl+Z</source>
      <translation>Annuler 	Ctrl+Z</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Redo 	Ctrl+Y</source>
      <translation>Rétablir 	Ctrl+Y</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Copy</source>
      <translation>Copier</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Delete Photo</source>
      <translation>Supprimer la photo</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Delete Logo</source>
      <translation>Supprimer le logo</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Insert QR Code...</source>
      <translation>Insérer un code QR...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Object Properties...</source>
      <translation>Propriétés de l'&amp;objet...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Text Colors...</source>
      <translation>Couleurs du texte...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Frame Colors...</source>
      <translation>Couleurs du cadre...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Background Color...</source>
      <translation>Couleur du fond...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Card Properties...</source>
      <translation>Propriétés de la carte...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Contact &amp;Details...</source>
      <translation>&amp;Coordonnées...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Back side</source>
      <translation>Verso</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Show Front</source>
      <translation>Afficher le recto</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Show Back</source>
      <translation>Afficher le verso</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Text Box</source>
      <translation>&amp;Zone de texte</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Line</source>
      <translation>&amp;Ligne</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Rectangle</source>
      <translation>&amp;Rectangle</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Ellipse</source>
      <translation>&amp;Ellipse</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Align &amp;Left</source>
      <translation>Aligner à &amp;gauche</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Align &amp;Centre</source>
      <translation>&amp;Centrer horizontalement</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Align &amp;Right</source>
      <translation>Aligner à &amp;droite</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Align &amp;Top</source>
      <translation>Aligner en &amp;haut</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Align &amp;Middle</source>
      <translation>Centrer &amp;verticalement</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Align &amp;Bottom</source>
      <translation>Aligner en &amp;bas</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Distribute &amp;Horizontally</source>
      <translation>Répartir hori&amp;zontalement</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Distribute &amp;Vertically</source>
      <translation>Répartir ver&amp;ticalement</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Bring &amp;Forward	Ctrl+]</source>
      <translation>Avancer d'un &amp;plan	Ctrl+]</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Send Back&amp;ward	Ctrl+[</source>
      <translation>Reculer d'un pl&amp;an	Ctrl+[</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Bring to Fr&amp;ont	Ctrl+Shift+]</source>
      <translation>Mettre au premier pla&amp;n	Ctrl+Shift+]</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Se&amp;nd to Back	Ctrl+Shift+[</source>
      <translation>Mettre à l'a&amp;rrière-plan	Ctrl+Shift+[</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Loc&amp;k</source>
      <translation>Verr&amp;ouiller</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>&amp;Unlock</source>
      <translation>Déverrouill&amp;er</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>New from Template...	 Ctrl+N</source>
      <translation>Nouveau à partir d'un modèle...	 Ctrl+N</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Save Template...</source>
      <translation>Enregistrer le modèle...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Layout %1</source>
      <translation>Disposition %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Text Field %1...</source>
      <translation>Champ de texte %1...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Background Options...</source>
      <translation>Options du fond...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Zoom &amp;In	Ctrl++</source>
      <translation>Zoom a&amp;vant	Ctrl++</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Zoom &amp;Out	Ctrl+-</source>
      <translation>Zoom a&amp;rrière	Ctrl+-</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Zoom to &amp;Fit	Ctrl+0</source>
      <translation>&amp;Ajuster à la fenêtre	Ctrl+0</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Tavolo Help	F1</source>
      <translation>Aide de Tavolo	F1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>About Tavolo</source>
      <translation>À propos de Tavolo</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" />
      <source>Recent &amp;Projects</source>
      <translation>&amp;Projets récents</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>The photo "%1" cannot be drawn and is left out: %2</source>
      <translation>La photo « %1 » ne peut pas être dessinée et est omise : %2</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>The logo "%1" cannot be drawn and is left out: %2</source>
      <translation>Le logo « %1 » ne peut pas être dessiné et est omis : %2</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>The QR code cannot be drawn and is left out: %1</source>
      <translation>Le code QR ne peut pas être dessiné et est omis : %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>Would you like to save changes before closing?</source>
      <translation>Voulez-vous enregistrer les modifications avant de fermer ?</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>Load Project</source>
      <translation>Ouvrir un projet</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>TVC files(*.tvc)|*.tvc||</source>
      <translation>Fichiers TVC(*.tvc)|*.tvc||</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>%1 was not found. It has been removed from Recent Projects.</source>
      <translation>%1 est introuvable. Il a été retiré des projets récents.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>%1 is not a Tavolo card.</source>
      <translation>%1 n'est pas une carte Tavolo.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>%1: %2; the card itself was read whole.</source>
      <translation>%1 : %2 ; la carte elle-même a été lue entièrement.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>%1 is not installed; %2 stands in for it. The card keeps %1 and shows it where it is installed.</source>
      <translation>%1 n'est pas installée ; %2 la remplace. La carte garde %1 et l'affiche là où elle est installée.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>Save Project</source>
      <translation>Enregistrer le projet</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>tvc files(*.tvc)|*.tvc||</source>
      <translation>Fichiers TVC(*.tvc)|*.tvc||</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" />
      <source>Import Background</source>
      <translation>Importer un fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_Help.cpp" />
      <source>The help pages could not be found: %1 is missing.</source>
      <translation>Les pages d'aide sont introuvables : %1 est manquant.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_Objects.cpp" />
      <source>Text</source>
      <translation>Texte</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_Templates.cpp" />
      <source>A template named "%1" exists already. Replace it?

Choose No to give this one another name.</source>
      <translation>Un modèle nommé « %1 » existe déjà. Le remplacer ?

Choisissez Non pour donner un autre nom à celui-ci.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_Templates.cpp" />
      <source>The template "%1" could not be saved in the templates folder %2.

%3</source>
      <translation>Le modèle « %1 » n'a pas pu être enregistré dans le dossier des modèles %2.

%3</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Merge: %1</source>
      <translation>Publipostage : %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Columns of the data and the fields of the card they fill (click a field to change it):</source>
      <translation>Colonnes des données et champs de la carte qu'elles remplissent (cliquez sur un champ pour le changer) :</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>&amp;First</source>
      <translation>&amp;Premier</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>&amp;Previous</source>
      <translation>Pré&amp;cédent</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>&amp;Next</source>
      <translation>&amp;Suivant</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>&amp;Last</source>
      <translation>&amp;Dernier</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>P&amp;rint...</source>
      <translation>&amp;Imprimer...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>&amp;Export...</source>
      <translation>&amp;Exporter...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>%1 of %2 records left out</source>
      <translation>%1 enregistrements sur %2 omis</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>%1 QR codes that cannot be read</source>
      <translation>%1 codes QR illisibles</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>%1 notes on how the file was read</source>
      <translation>%1 remarques sur la lecture du fichier</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Every record makes a card.</source>
      <translation>Chaque enregistrement donne une carte.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>No record makes a card: choose the fields the columns fill.</source>
      <translation>Aucun enregistrement ne donne de carte : choisissez les champs que remplissent les colonnes.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Every column fills a field.</source>
      <translation>Chaque colonne remplit un champ.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>%1 of %2 columns fill no field; the note says why.</source>
      <translation>%1 colonnes sur %2 ne remplissent aucun champ ; la remarque dit pourquoi.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Checking the records...</source>
      <translation>Vérification des enregistrements...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Record %1 of %2 (row %3)</source>
      <translation>Enregistrement %1 sur %2 (ligne %3 de la feuille)</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Record %1 of %2 (line %3)</source>
      <translation>Enregistrement %1 sur %2 (ligne %3)</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>No record</source>
      <translation>Aucun enregistrement</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>The card's resolution is %1 dpi. Set a resolution above 0 in the card's properties before printing.</source>
      <translation>La résolution de la carte est de %1 ppp. Définissez une résolution supérieure à 0 dans les propriétés de la carte avant d'imprimer.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Export Cards</source>
      <translation>Exporter les cartes</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Checking the file names...</source>
      <translation>Vérification des noms de fichier...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>%1 of the %2 files exist already, such as %3.

Replace them? No keeps them and writes only the other files.</source>
      <translation>%1 des %2 fichiers existent déjà, comme %3.

Les remplacer ? Non les garde et n'écrit que les autres fichiers.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Exporting the cards...</source>
      <translation>Exportation des cartes...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>Exporting card %1 of %2...</source>
      <translation>Exportation de la carte %1 sur %2...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>The cards were not all exported: %1 of %2 files were written to %3. %4</source>
      <translation>Les cartes n'ont pas toutes été exportées : %1 fichiers sur %2 ont été écrits dans %3. %4</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeDialog.cpp" />
      <source>The export was cancelled: the files of the first %1 of %2 records are written to %3, each one whole.</source>
      <translation>L'exportation a été annulée : les fichiers des %1 premiers enregistrements sur %2 sont écrits dans %3, chacun en entier.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeWorkflow.cpp" />
      <source>Merge</source>
      <translation>Publipostage</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeWorkflow.cpp" />
      <source>Contacts (*.csv *.vcf *.ods *.xlsx *.txt);;All files (*)</source>
      <translation>Contacts (*.csv *.vcf *.ods *.xlsx *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MergeWorkflow.cpp" />
      <source>Reading %1...</source>
      <translation>Lecture de %1...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/PrintWorkflow.cpp" />
      <source>Print Setup</source>
      <translation>Configuration de l'impression</translation>
    </message>
    <message>
      <location filename="../src/ui/app/PrintWorkflow.cpp" />
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <location filename="../src/ui/app/main.cpp" />
      <source>Tavolo opens one card at a time: %1 is open. These were not opened:%2</source>
      <translation>Tavolo ouvre une seule carte à la fois : %1 est ouverte. Ces fichiers n'ont pas été ouverts :%2</translation>
    </message>
    <message>
      <location filename="../src/ui/base/DialogPrompts.cpp" />
      <source>&amp;Save</source>
      <translation>&amp;Enregistrer</translation>
    </message>
    <message>
      <location filename="../src/ui/base/DialogPrompts.cpp" />
      <source>&amp;Discard</source>
      <translation>&amp;Abandonner</translation>
    </message>
    <message>
      <location filename="../src/ui/card/FaceSwitch.cpp" />
      <source>Front side</source>
      <translation>Recto</translation>
    </message>
    <message>
      <location filename="../src/ui/card/FaceSwitch.cpp" />
      <source>Face being edited</source>
      <translation>Face en cours de modification</translation>
    </message>
    <message>
      <location filename="../src/ui/choosers/BackgroundChooser.cpp" />
      <source>Background %1: %2</source>
      <translation>Fond %1 : %2</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" />
      <source>Background Options</source>
      <translation>Options du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" />
      <source>Background &amp;Shift</source>
      <translation>&amp;Décalage du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" />
      <source>Gradient S&amp;cale</source>
      <translation>&amp;Échelle du dégradé</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" />
      <source>Gradient &amp;Orientation</source>
      <translation>&amp;Orientation du dégradé</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" />
      <source>Background Co&amp;lor</source>
      <translation>&amp;Couleur du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" />
      <source>&amp;Brightness</source>
      <translation>&amp;Luminosité</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" />
      <source>Card properties</source>
      <translation>Propriétés de la carte</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" />
      <source>&amp;Width:</source>
      <translation>&amp;Largeur :</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" />
      <source>&amp;Height:</source>
      <translation>&amp;Hauteur :</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" />
      <source>&amp;DPI:</source>
      <translation>&amp;PPP :</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" />
      <source>Object:</source>
      <translation>Objet :</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" />
      <source>Saturation (across) and lightness (down)</source>
      <translation>Saturation (horizontalement) et luminosité (verticalement)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" />
      <source>Hue</source>
      <translation>Teinte</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" />
      <source>Ok</source>
      <translation>OK</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" />
      <source>Color Options: '%1'</source>
      <translation>Options de couleur : « %1 »</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" />
      <source>%1 is no vCard file: it does not begin with BEGIN:VCARD.</source>
      <translation>%1 n'est pas un fichier vCard : il ne commence pas par BEGIN:VCARD.</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" />
      <source>%1 holds no contact.</source>
      <translation>%1 ne contient aucun contact.</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" />
      <source>Contact Details</source>
      <translation>Coordonnées</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" />
      <source>From &amp;vCard...</source>
      <translation>Depuis une &amp;vCard...</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" />
      <source>From vCard</source>
      <translation>Depuis une vCard</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" />
      <source>vCards (*.vcf *.vcard);;All files (*)</source>
      <translation>vCards (*.vcf *.vcard);;Tous les fichiers (*)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" />
      <source>(no name, line %1)</source>
      <translation>(sans nom, ligne %1)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportDialog.cpp" />
      <source>Export Options</source>
      <translation>Options d'exportation</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportDialog.cpp" />
      <source>Export file format</source>
      <translation>Format du fichier exporté</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportDialog.cpp" />
      <source>&amp;Quality</source>
      <translation>&amp;Qualité</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" />
      <source>Draft Card Preview</source>
      <translation>Aperçu de la carte (brouillon)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" />
      <source>Drag the picture into place, or move it with the arrow keys</source>
      <translation>Faites glisser l'image à sa place ou déplacez-la avec les touches fléchées</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" />
      <source>P&amp;ath:</source>
      <translation>&amp;Chemin :</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" />
      <source>&amp;Scale:</source>
      <translation>&amp;Échelle :</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" />
      <source>%1 could not be opened as a picture: %2</source>
      <translation>%1 n'a pas pu être ouvert comme image : %2</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" />
      <source>Logo Options</source>
      <translation>Options du logo</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" />
      <source>&amp;Load Logo</source>
      <translation>&amp;Charger un logo</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" />
      <source>Load Logo</source>
      <translation>Charger un logo</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" />
      <source>&amp;Rotate Clockwise</source>
      <translation>Faire pivoter dans le sens &amp;horaire</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>Column</source>
      <translation>Colonne</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>Value</source>
      <translation>Valeur</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>Field</source>
      <translation>Champ</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>Note</source>
      <translation>Remarque</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>%1 more columns</source>
      <translation>%1 autres colonnes</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>not offered here; they fill no field</source>
      <translation>non proposées ici ; elles ne remplissent aucun champ</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>not offered here; %1 of them fill a field their header names</source>
      <translation>non proposées ici ; %1 d'entre elles remplissent un champ que nomme leur en-tête</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>(none)</source>
      <translation>(aucun)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeColumnsModel.cpp" />
      <source>joined: %1</source>
      <translation>jointes : %1</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeProblemsModel.cpp" />
      <source>row %1: %2</source>
      <translation>ligne %1 de la feuille : %2</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ObjectPropertiesDialog.cpp" />
      <source>Object Properties</source>
      <translation>Propriétés de l'objet</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ObjectPropertiesDialog.cpp" />
      <source>&amp;Lines</source>
      <translation>&amp;Lignes</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ObjectPropertiesDialog.cpp" />
      <source>Stroke &amp;color</source>
      <translation>&amp;Couleur du trait</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ObjectPropertiesDialog.cpp" />
      <source>Stroke &amp;width</source>
      <translation>&amp;Épaisseur du trait</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ObjectPropertiesDialog.cpp" />
      <source>&amp;Filled</source>
      <translation>&amp;Rempli</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ObjectPropertiesDialog.cpp" />
      <source>F&amp;ill color</source>
      <translation>Couleur de re&amp;mplissage</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ObjectPropertiesDialog.cpp" />
      <source>Corner &amp;radius</source>
      <translation>Ra&amp;yon des coins</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" />
      <source>Trim &amp;left</source>
      <translation>Rogner à &amp;gauche</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" />
      <source>Trim &amp;right</source>
      <translation>Rogner à &amp;droite</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" />
      <source>Trim &amp;top</source>
      <translation>Rogner en &amp;haut</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" />
      <source>Trim &amp;bottom</source>
      <translation>Rogner en &amp;bas</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" />
      <source>Photo Options</source>
      <translation>Options de la photo</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" />
      <source>Load &amp;Photo</source>
      <translation>Charger une &amp;photo</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" />
      <source>Load Photo</source>
      <translation>Charger une photo</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>QR Code</source>
      <translation>Code QR</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>&amp;Contact details</source>
      <translation>&amp;Coordonnées</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>&amp;Website</source>
      <translation>Site &amp;web</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>&amp;Free text</source>
      <translation>Texte &amp;libre</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>Content</source>
      <translation>Contenu</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>Light on d&amp;ark</source>
      <translation>Clair sur f&amp;oncé</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>Da&amp;rk color</source>
      <translation>Couleur &amp;foncée</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>&amp;Light color</source>
      <translation>Couleur &amp;claire</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>&amp;Size</source>
      <translation>&amp;Taille</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>R&amp;emove</source>
      <translation>&amp;Supprimer</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" />
      <source>No corner of the card is free of text and pictures: the code covers part of them in the lower right corner. Drag it where it belongs on the card.</source>
      <translation>Aucun coin de la carte n'est libre de texte et d'images : le code en couvre une partie dans le coin inférieur droit. Faites-le glisser à sa place sur la carte.</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>&amp;None</source>
      <translation>&amp;Aucun</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>E&amp;xact</source>
      <translation>&amp;Exact</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>&amp;Left</source>
      <translation>&amp;Gauche</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>&amp;Right</source>
      <translation>&amp;Droite</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>Card Lon&amp;g</source>
      <translation>Toute la lar&amp;geur</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>S&amp;hrink to fit</source>
      <translation>&amp;Réduire pour ajuster</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>Draw a line too wide for its box smaller until it fits (not below 6 pt)</source>
      <translation>Dessiner plus petite une ligne trop large pour sa zone jusqu'à ce qu'elle tienne (pas moins de 6 pt)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>&amp;Font</source>
      <translation>&amp;Police</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>Si&amp;ze (pt)</source>
      <translation>&amp;Taille (pt)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>St&amp;yle</source>
      <translation>&amp;Style</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>&amp;Color</source>
      <translation>&amp;Couleur</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>Frame</source>
      <translation>Cadre</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>F&amp;ill Color</source>
      <translation>Couleur de &amp;remplissage</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>Fra&amp;me Size</source>
      <translation>Taille du ca&amp;dre</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>&amp;Opacity</source>
      <translation>&amp;Opacité</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" />
      <source>%1 (not installed)</source>
      <translation>%1 (non installée)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/VCardContactDialog.cpp" />
      <source>The file holds %1 contacts. Choose the one for the card:</source>
      <translation>Le fichier contient %1 contacts. Choisissez celui de la carte :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/BothSidesGroup.cpp" />
      <source>Two-sided printing</source>
      <translation>Impression recto verso</translation>
    </message>
    <message>
      <location filename="../src/ui/print/BothSidesGroup.cpp" />
      <source>Both sides</source>
      <translation>Recto verso</translation>
    </message>
    <message>
      <location filename="../src/ui/print/BothSidesGroup.cpp" />
      <source>Each sheet is followed by a page of the cards' backs</source>
      <translation>Chaque feuille est suivie d'une page des versos des cartes</translation>
    </message>
    <message>
      <location filename="../src/ui/print/BothSidesGroup.cpp" />
      <source>Long edge</source>
      <translation>Bord long</translation>
    </message>
    <message>
      <location filename="../src/ui/print/BothSidesGroup.cpp" />
      <source>Short edge</source>
      <translation>Bord court</translation>
    </message>
    <message>
      <location filename="../src/ui/print/BothSidesGroup.cpp" />
      <source>The edge the printer turns the sheet over</source>
      <translation>Le bord sur lequel l'imprimante retourne la feuille</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>Print Preview</source>
      <translation>Aperçu avant impression</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>The number of sheets to print</source>
      <translation>Le nombre de feuilles à imprimer</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>&amp;Print </source>
      <translation>&amp;Imprimer </translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>C&amp;opies:</source>
      <translation>&amp;Copies :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>Draft Card preview</source>
      <translation>Aperçu de la carte (brouillon)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>Draft Page Preview</source>
      <translation>Aperçu de la page (brouillon)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>Print Calibration Page to PDF</source>
      <translation>Imprimer la page d'étalonnage en PDF</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>The card and the sheet's cards differ in size: choose "Use the sheet's card size" or "Print at the card's size".</source>
      <translation>La carte et les cartes de la planche n'ont pas la même taille : choisissez « Prendre la taille des cartes de la planche » ou « Imprimer à la taille de la carte ».</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>PDF files (*.pdf)</source>
      <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" />
      <source>Print to PDF</source>
      <translation>Imprimer en PDF</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" />
      <source>Printing sheet %1 of %2...</source>
      <translation>Impression de la feuille %1 sur %2...</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" />
      <source>The printer is not available.</source>
      <translation>L'imprimante n'est pas disponible.</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" />
      <source>The printer reported an error.</source>
      <translation>L'imprimante a signalé une erreur.</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" />
      <source>The cards could not be printed on %1. %2</source>
      <translation>Les cartes n'ont pas pu être imprimées sur %1. %2</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Print shop and printer calibration</source>
      <translation>Imprimerie et étalonnage de l'imprimante</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Use the sheet's card size</source>
      <translation>Prendre la taille des cartes de la planche</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Print at the card's size</source>
      <translation>Imprimer à la taille de la carte</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>How far the card's edges are printed past the cut</source>
      <translation>Jusqu'où les bords de la carte sont imprimés au-delà de la coupe</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Crop mar&amp;ks</source>
      <translation>&amp;Traits de coupe</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>PDF/X-&amp;4</source>
      <translation>PDF/X-&amp;4</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>The PDF is written as PDF/X-4, which a print shop's preflight checks: the sRGB output intent, the page boxes, every font embedded</source>
      <translation>Le PDF est écrit en PDF/X-4, que le contrôle en amont d'un imprimeur vérifie : l'intention de sortie sRGB, les zones de page, chaque police incorporée</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>&amp;Bleed:</source>
      <translation>&amp;Fond perdu :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Offset &amp;X:</source>
      <translation>Décalage &amp;X :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Offset &amp;Y:</source>
      <translation>Décalage &amp;Y :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Scal&amp;e:</source>
      <translation>Échell&amp;e :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintShopGroup.cpp" />
      <source>Print Calibration Pa&amp;ge</source>
      <translation>Imprimer la page d'étalo&amp;nnage</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrinterChoice.cpp" />
      <source>PDF file</source>
      <translation>Fichier PDF</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Card &amp;Width</source>
      <translation>&amp;Largeur de la carte</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Card &amp;Height</source>
      <translation>&amp;Hauteur de la carte</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Hori&amp;zontal Pitch</source>
      <translation>Pas hori&amp;zontal</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>&amp;Vertical Pitch</source>
      <translation>Pas &amp;vertical</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>&amp;Left Margin</source>
      <translation>Marge &amp;gauche</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>&amp;Top Margin</source>
      <translation>Marge &amp;supérieure</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>&amp;inches</source>
      <translation>&amp;pouces</translation>
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
      <translation>Feuille</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>&amp;Use Predefined Page Layouts</source>
      <translation>&amp;Utiliser des mises en page prédéfinies</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Printer:</source>
      <translation>Imprimante :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Fin&amp;d sheet:</source>
      <translation>Trouver la pl&amp;anche :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>L&amp;ayout:</source>
      <translation>&amp;Mise en page :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Pape&amp;r:</source>
      <translation>Pa&amp;pier :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Card size and spacing</source>
      <translation>Taille et espacement des cartes</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Units:</source>
      <translation>Unités :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>&amp;Save As Template</source>
      <translation>Enregistrer comme &amp;modèle</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>Some page layouts could not be read:</source>
      <translation>Certaines mises en page n'ont pas pu être lues :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>No page layouts were found in %1.</source>
      <translation>Aucune mise en page n'a été trouvée dans %1.</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>%1 (the layout's paper is not offered)</source>
      <translation>%1 (le papier de la mise en page n'est pas proposé)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductGroup.cpp" />
      <source>A page layout named "%1" exists already. Replace it?</source>
      <translation>Une mise en page nommée « %1 » existe déjà. La remplacer ?</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductNameDialog.cpp" />
      <source>Save As Template</source>
      <translation>Enregistrer comme modèle</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductNameDialog.cpp" />
      <source>&amp;Template Name:</source>
      <translation>&amp;Nom du modèle :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>Also sold as %1</source>
      <translation>Aussi vendue sous %1</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>From the label database of gLabels</source>
      <translation>De la base d'étiquettes de gLabels</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>A page layout you saved</source>
      <translation>Une mise en page que vous avez enregistrée</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>Maker, part number or card size</source>
      <translation>Fabricant, référence ou taille de carte</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>Find sheet</source>
      <translation>Trouver la planche</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>Sheet products</source>
      <translation>Planches</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>%1 × %2</source>
      <translation>%1 × %2</translation>
    </message>
    <message>
      <location filename="../src/ui/print/SheetProductSearch.cpp" />
      <source>Some sheet products could not be read.</source>
      <translation>Certaines planches n'ont pas pu être lues.</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/FillNowDialog.cpp" />
      <source>We recommend to fill-in the fields marked with * now. However you can also fill, edit or remove these fields later.</source>
      <translation>Nous vous recommandons de remplir dès maintenant les champs marqués d'un *. Vous pourrez toutefois les remplir, les modifier ou les supprimer plus tard.</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/FillNowDialog.cpp" />
      <source>Fill Now</source>
      <translation>Remplir maintenant</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/FillNowDialog.cpp" />
      <source>Continue Anyway</source>
      <translation>Continuer quand même</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/LoadingWindow.cpp" />
      <source>Loading... Please Wait</source>
      <translation>Chargement... Veuillez patienter</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Template Library</source>
      <translation>Bibliothèque de modèles</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Tavolo: Template Library</source>
      <translation>Tavolo : bibliothèque de modèles</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Previous Page</source>
      <translation>Page précédente</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Next Page</source>
      <translation>Page suivante</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Open a Saved Card...</source>
      <translation>Ouvrir une carte...</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Open a card saved before (Ctrl+O)</source>
      <translation>Ouvrir une carte enregistrée auparavant (Ctrl+O)</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Recent Cards</source>
      <translation>Récentes</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Continue</source>
      <translation>Continuer</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Open a Saved Card</source>
      <translation>Ouvrir une carte enregistrée</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" />
      <source>Discard the details you typed?</source>
      <translation>Abandonner les informations saisies ?</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateNameDialog.cpp" />
      <source>Save Template</source>
      <translation>Enregistrer le modèle</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateNameDialog.cpp" />
      <source>Save the card as a template named:</source>
      <translation>Enregistrer la carte comme modèle nommé :</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateNameDialog.cpp" />
      <source>Templates are kept in %1; "New from Template..." lists them.</source>
      <translation>Les modèles sont conservés dans %1 ; « Nouveau à partir d'un modèle... » les affiche.</translation>
    </message>
  </context>
</TS>
