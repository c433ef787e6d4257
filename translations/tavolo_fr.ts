<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
  <context>
    <name>Tavolo</name>
    <message>
      <location filename="../src/core/card/CardSize.cpp" line="70" />
      <source>Please enter a number.</source>
      <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
      <location filename="../src/core/card/ColourTargets.cpp" line="21" />
      <source>Text Colors</source>
      <translation>Couleurs du texte</translation>
    </message>
    <message>
      <location filename="../src/core/card/ColourTargets.cpp" line="23" />
      <source>Frame Colors</source>
      <translation>Couleurs du cadre</translation>
    </message>
    <message>
      <location filename="../src/core/card/ColourTargets.cpp" line="27" />
      <source>Background Color</source>
      <translation>Couleur du fond</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="21" />
      <source>Company Name</source>
      <translation>Nom de l'entreprise</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="22" />
      <source>Name</source>
      <translation>Nom</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="23" />
      <source>Title</source>
      <translation>Fonction</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="24" />
      <source>Address Line 1</source>
      <translation>Ligne d'adresse 1</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="25" />
      <source>Address Line 2</source>
      <translation>Ligne d'adresse 2</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="26" />
      <source>City, State/Province</source>
      <translation>Ville, région/province</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="27" />
      <source>Zip/Postal Code</source>
      <translation>Code postal</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="28" />
      <source>Email Address</source>
      <translation>Adresse e-mail</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="29" />
      <source>Website Address</source>
      <translation>Site web</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="30" />
      <source>Phone Number 1</source>
      <translation>Numéro de téléphone 1</translation>
    </message>
    <message>
      <location filename="../src/core/card/FieldNames.h" line="31" />
      <source>Phone Number 2</source>
      <translation>Numéro de téléphone 2</translation>
    </message>
    <message>
      <location filename="../src/core/card/StyleInputs.cpp" line="32" />
      <source>Top to Bottom</source>
      <translation>De haut en bas</translation>
    </message>
    <message>
      <location filename="../src/core/card/StyleInputs.cpp" line="33" />
      <source>Left to Right</source>
      <translation>De gauche à droite</translation>
    </message>
    <message>
      <location filename="../src/core/card/StyleInputs.cpp" line="34" />
      <source>Bottom to Top</source>
      <translation>De bas en haut</translation>
    </message>
    <message>
      <location filename="../src/core/card/StyleInputs.cpp" line="35" />
      <source>Right to Left</source>
      <translation>De droite à gauche</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateWriter.cpp" line="23" />
      <source>Please enter a name for the template.</source>
      <translation>Veuillez saisir un nom pour le modèle.</translation>
    </message>
    <message>
      <location filename="../src/core/library/TemplateWriter.cpp" line="26" />
      <source>"%1" cannot be the name of a template.</source>
      <translation>« %1 » ne peut pas être le nom d'un modèle.</translation>
    </message>
    <message>
      <location filename="../src/core/print/LengthDisplay.cpp" line="108" />
      <source>Please enter a number between %1 and %2.</source>
      <translation>Veuillez saisir un nombre entre %1 et %2.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/AboutDialog.cpp" line="19" />
      <source>About Tavolo...</source>
      <translation>À propos de Tavolo...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/AboutDialog.cpp" line="27" />
      <source>Version %1</source>
      <translation>Version %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FatalErrorDialog.cpp" line="30" />
      <source>Fatal Error</source>
      <translation>Erreur fatale</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FatalErrorDialog.cpp" line="40" />
      <source>Retry</source>
      <translation>Réessayer</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FatalErrorDialog.cpp" line="43" />
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldCaption.cpp" line="95" />
      <source>Text Options</source>
      <translation>Options du texte</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldCaption.cpp" line="99" />
      <source>%1 caption</source>
      <translation>Légende %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" line="19" />
      <source>Edit your text here</source>
      <translation>Modifiez votre texte ici</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" line="22" />
      <source>Push to change text and frame options</source>
      <translation>Cliquez pour modifier les options du texte et du cadre</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" line="25" />
      <source>Line too wide for its box: “%1”</source>
      <translation>Ligne trop large pour sa zone : « %1 »</translation>
    </message>
    <message>
      <location filename="../src/ui/app/FieldPanel.cpp" line="76" />
      <source>Field %1</source>
      <translation>Champ %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" line="44" />
      <source>Tavolo Help</source>
      <translation>Aide de Tavolo</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" line="47" />
      <source>Back</source>
      <translation>Précédent</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" line="49" />
      <source>Forward</source>
      <translation>Suivant</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" line="51" />
      <source>Home</source>
      <translation>Accueil</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" line="52" />
      <source>Close</source>
      <translation>Fermer</translation>
    </message>
    <message>
      <location filename="../src/ui/app/HelpWindow.cpp" line="64" />
      <source>Contents</source>
      <translation>Sommaire</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="90" />
      <source>Push to see more backgrounds</source>
      <translation>Cliquez pour voir d'autres fonds</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="92" />
      <source>Prev.</source>
      <translation>Préc.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="95" />
      <source>Next</source>
      <translation>Suiv.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="98" />
      <source>Push to change background options</source>
      <translation>Cliquez pour modifier les options du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="99" />
      <source>Background options</source>
      <translation>Options du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="100" />
      <source>Drag to change background hue</source>
      <translation>Faites glisser pour modifier la teinte du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="103" />
      <source>Drag to change background saturation</source>
      <translation>Faites glisser pour modifier la saturation du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="106" />
      <source>Drag to change background lightness</source>
      <translation>Faites glisser pour modifier la luminosité du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="109" />
      <source>Click to change background image</source>
      <translation>Cliquez pour changer l'image de fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="113" />
      <source>Click to change text layout</source>
      <translation>Cliquez pour changer la disposition du texte</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="116" />
      <source>Background hue</source>
      <translation>Teinte du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="117" />
      <source>Background saturation</source>
      <translation>Saturation du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="118" />
      <source>Background lightness</source>
      <translation>Luminosité du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="119" />
      <source>Backgrounds</source>
      <translation>Fonds</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="120" />
      <source>Card preview</source>
      <translation>Aperçu de la carte</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow.cpp" line="121" />
      <source>Text layouts</source>
      <translation>Dispositions du texte</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="25" />
      <source>Insert Photo...	Ctrl+I</source>
      <translation>Insérer une photo...	Ctrl+I</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="28" />
      <source>Edit Photo...	Ctrl+I</source>
      <translation>Modifier la photo...	Ctrl+I</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="31" />
      <source>Insert Logo...</source>
      <translation>Insérer un logo...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="34" />
      <source>Edit Logo...</source>
      <translation>Modifier le logo...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="40" />
      <source>&amp;File</source>
      <translation>&amp;Fichier</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="42" />
      <source>&amp;Edit</source>
      <translation>&amp;Édition</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="44" />
      <source>&amp;Templates</source>
      <translation>&amp;Modèles</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="46" />
      <source>&amp;Layouts</source>
      <translation>&amp;Dispositions</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="48" />
      <source>&amp;Window</source>
      <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="50" />
      <source>&amp;Help</source>
      <translation>&amp;Aide</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="64" />
      <source>New Blank Project</source>
      <translation>Nouveau projet vierge</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="66" />
      <source>&amp;New Project...	Ctrl+N</source>
      <translation>&amp;Nouveau projet...	Ctrl+N</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="67" />
      <source>&amp;Load Project... 	Ctrl+L</source>
      <translation>&amp;Ouvrir un projet... 	Ctrl+L</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="69" />
      <source>&amp;Save Project...	Ctrl+S</source>
      <translation>&amp;Enregistrer le projet...	Ctrl+S</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="71" />
      <source>Save Project &amp;As...</source>
      <translation>Enregistrer le projet &amp;sous...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="73" />
      <source>Import Background...</source>
      <translation>Importer un fond...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="76" />
      <source>Export Image...</source>
      <translation>Exporter l'image...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="78" />
      <source>&amp;Print...	Ctrl+P</source>
      <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="79" />
      <source>&amp;Merge...</source>
      <translation>Pu&amp;blipostage...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="80" />
      <source>Print Setup...</source>
      <translation>Configuration de l'impression...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="82" />
      <source>Exit	Alt+F4</source>
      <translation>Quitter	Alt+F4</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="84" />
      <source>Undo 	Ctrl+Z</source>
      <translation>Annuler 	Ctrl+Z</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="85" />
      <source>Redo 	Ctrl+Y</source>
      <translation>Rétablir 	Ctrl+Y</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="87" />
      <source>Copy</source>
      <translation>Copier</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="90" />
      <source>Delete Photo</source>
      <translation>Supprimer la photo</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="93" />
      <source>Delete Logo</source>
      <translation>Supprimer le logo</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="95" />
      <source>Insert QR Code...</source>
      <translation>Insérer un code QR...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="97" />
      <source>Text Colors...</source>
      <translation>Couleurs du texte...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="98" />
      <source>Frame Colors...</source>
      <translation>Couleurs du cadre...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="99" />
      <source>Background Color...</source>
      <translation>Couleur du fond...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="102" />
      <source>Card Properties...</source>
      <translation>Propriétés de la carte...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="105" />
      <source>Contact &amp;Details...</source>
      <translation>&amp;Coordonnées...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="108" />
      <source>Back side</source>
      <translation>Verso</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="109" />
      <source>Show Front</source>
      <translation>Afficher le recto</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="111" />
      <source>Show Back</source>
      <translation>Afficher le verso</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="114" />
      <source>New from Template...	 Ctrl+N</source>
      <translation>Nouveau à partir d'un modèle...	 Ctrl+N</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="116" />
      <source>Save Template...</source>
      <translation>Enregistrer le modèle...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="121" />
      <source>Layout %1</source>
      <translation>Disposition %1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="126" />
      <source>Text Field %1...</source>
      <translation>Champ de texte %1...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="129" />
      <source>Background Options...</source>
      <translation>Options du fond...</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="132" />
      <source>Zoom &amp;In	Ctrl++</source>
      <translation>Zoom a&amp;vant	Ctrl++</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="134" />
      <source>Zoom &amp;Out	Ctrl+-</source>
      <translation>Zoom a&amp;rrière	Ctrl+-</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="135" />
      <source>Zoom to &amp;Fit	Ctrl+0</source>
      <translation>&amp;Ajuster à la fenêtre	Ctrl+0</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="143" />
      <source>Tavolo Help	F1</source>
      <translation>Aide de Tavolo	F1</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="145" />
      <source>About Tavolo</source>
      <translation>À propos de Tavolo</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindowCommands.cpp" line="211" />
      <source>Recent &amp;Projects</source>
      <translation>&amp;Projets récents</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="41" />
      <source>Would you like to save changes before closing?</source>
      <translation>Voulez-vous enregistrer les modifications avant de fermer ?</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="61" />
      <source>Load Project</source>
      <translation>Ouvrir un projet</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="61" />
      <source>TVC files(*.tvc)|*.tvc||</source>
      <translation>Fichiers TVC(*.tvc)|*.tvc||</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="70" />
      <source>%1 was not found. It has been removed from Recent Projects.</source>
      <translation>%1 est introuvable. Il a été retiré des projets récents.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="85" />
      <source>%1 is not a Tavolo card.</source>
      <translation>%1 n'est pas une carte Tavolo.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="102" />
      <source>%1: %2; the card itself was read whole.</source>
      <translation>%1 : %2 ; la carte elle-même a été lue entièrement.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="126" />
      <source>Save Project</source>
      <translation>Enregistrer le projet</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="126" />
      <source>tvc files(*.tvc)|*.tvc||</source>
      <translation>Fichiers TVC(*.tvc)|*.tvc||</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_File.cpp" line="146" />
      <source>Import Background</source>
      <translation>Importer un fond</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_Help.cpp" line="24" />
      <source>The help pages could not be found: %1 is missing.</source>
      <translation>Les pages d'aide sont introuvables : %1 est manquant.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_Templates.cpp" line="36" />
      <source>A template named "%1" exists already. Replace it?

Choose No to give this one another name.</source>
      <translation>Un modèle nommé « %1 » existe déjà. Le remplacer ?

Choisissez Non pour donner un autre nom à celui-ci.</translation>
    </message>
    <message>
      <location filename="../src/ui/app/MainWindow_Templates.cpp" line="48" />
      <source>The template "%1" could not be saved in the templates folder %2.

%3</source>
      <translation>Le modèle « %1 » n'a pas pu être enregistré dans le dossier des modèles %2.

%3</translation>
    </message>
    <message>
      <location filename="../src/ui/app/main.cpp" line="76" />
      <source>Tavolo opens one card at a time: %1 is open. These were not opened:%2</source>
      <translation>Tavolo ouvre une seule carte à la fois : %1 est ouverte. Ces fichiers n'ont pas été ouverts :%2</translation>
    </message>
    <message>
      <location filename="../src/ui/choosers/BackgroundChooser.cpp" line="69" />
      <source>Background %1: %2</source>
      <translation>Fond %1 : %2</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" line="20" />
      <source>Background Options</source>
      <translation>Options du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" line="34" />
      <source>Background &amp;Shift</source>
      <translation>&amp;Décalage du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" line="35" />
      <source>Gradient S&amp;cale</source>
      <translation>&amp;Échelle du dégradé</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" line="36" />
      <source>Gradient &amp;Orientation</source>
      <translation>&amp;Orientation du dégradé</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" line="37" />
      <source>Background Co&amp;lor</source>
      <translation>&amp;Couleur du fond</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/BackgroundOptionsDialog.cpp" line="38" />
      <source>&amp;Brightness</source>
      <translation>&amp;Luminosité</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" line="39" />
      <source>Card properties</source>
      <translation>Propriétés de la carte</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" line="67" />
      <source>&amp;Width:</source>
      <translation>&amp;Largeur :</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" line="68" />
      <source>&amp;Height:</source>
      <translation>&amp;Hauteur :</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/CardPropertiesDialog.cpp" line="69" />
      <source>&amp;DPI:</source>
      <translation>&amp;PPP :</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" line="55" />
      <source>Object:</source>
      <translation>Objet :</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" line="59" />
      <source>Saturation (across) and lightness (down)</source>
      <translation>Saturation (horizontalement) et luminosité (verticalement)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" line="63" />
      <source>Hue</source>
      <translation>Teinte</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" line="92" />
      <source>Ok</source>
      <translation>OK</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ColourDialog.cpp" line="119" />
      <source>Color Options: '%1'</source>
      <translation>Options de couleur : « %1 »</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ContactDetailsDialog.cpp" line="23" />
      <source>Contact Details</source>
      <translation>Coordonnées</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportDialog.cpp" line="34" />
      <source>Export Options</source>
      <translation>Options d'exportation</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportDialog.cpp" line="36" />
      <source>Export file format</source>
      <translation>Format du fichier exporté</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportDialog.cpp" line="57" />
      <source>&amp;Quality</source>
      <translation>&amp;Qualité</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportImage.cpp" line="41" />
      <source>Export Image</source>
      <translation>Exporter l'image</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ExportImage.cpp" line="56" />
      <source>The card was not exported. %1</source>
      <translation>La carte n'a pas été exportée. %1</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" line="61" />
      <source>Draft Card Preview</source>
      <translation>Aperçu de la carte (brouillon)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" line="65" />
      <source>Drag the picture into place, or move it with the arrow keys</source>
      <translation>Faites glisser l'image à sa place ou déplacez-la avec les touches fléchées</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" line="75" />
      <source>P&amp;ath:</source>
      <translation>&amp;Chemin :</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" line="88" />
      <source>&amp;Scale:</source>
      <translation>&amp;Échelle :</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/ImageOptionsDialog.cpp" line="187" />
      <source>%1 could not be opened as a picture: %2</source>
      <translation>%1 n'a pas pu être ouvert comme image : %2</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" line="17" />
      <source>Logo Options</source>
      <translation>Options du logo</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" line="18" />
      <source>&amp;Load Logo</source>
      <translation>&amp;Charger un logo</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" line="19" />
      <source>Load Logo</source>
      <translation>Charger un logo</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/LogoDialog.cpp" line="32" />
      <source>&amp;Rotate Clockwise</source>
      <translation>Faire pivoter dans le sens &amp;horaire</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="37" />
      <source>line %1: %2</source>
      <translation>ligne %1 : %2</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="39" />
      <source>%1 record(s) left out (%2).</source>
      <translation>%1 enregistrement(s) ignoré(s) (%2).</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="55" />
      <source>Merge</source>
      <translation>Publipostage</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="70" />
      <source>&amp;First</source>
      <translation>&amp;Premier</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="71" />
      <source>&amp;Previous</source>
      <translation>Pré&amp;cédent</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="72" />
      <source>&amp;Next</source>
      <translation>&amp;Suivant</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="73" />
      <source>&amp;Last</source>
      <translation>&amp;Dernier</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="85" />
      <source>P&amp;rint...</source>
      <translation>&amp;Imprimer...</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="86" />
      <source>&amp;Export...</source>
      <translation>&amp;Exporter...</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="108" />
      <source>Record %1 of %2</source>
      <translation>Enregistrement %1 sur %2</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="118" />
      <source>The card's resolution is %1 dpi. Set a resolution above 0 in the card's properties before printing.</source>
      <translation>La résolution de la carte est de %1 ppp. Définissez une résolution supérieure à 0 dans les propriétés de la carte avant d'imprimer.</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="148" />
      <source>Export Cards</source>
      <translation>Exporter les cartes</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeBrowserDialog.cpp" line="163" />
      <source>The cards were not all exported. %1</source>
      <translation>Les cartes n'ont pas toutes été exportées. %1</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeCommand.cpp" line="19" />
      <source>Contacts (*.csv *.vcf *.txt);;All files (*)</source>
      <translation>Contacts (*.csv *.vcf *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeMappingDialog.cpp" line="25" />
      <source>Merge: Columns</source>
      <translation>Publipostage : colonnes</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeMappingDialog.cpp" line="28" />
      <source>Choose the field of the card that each column fills. Columns set to "(none)" are not used.</source>
      <translation>Choisissez le champ de la carte que remplit chaque colonne. Les colonnes réglées sur « (aucun) » ne sont pas utilisées.</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeMappingDialog.cpp" line="33" />
      <source>Column</source>
      <translation>Colonne</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeMappingDialog.cpp" line="33" />
      <source>First record</source>
      <translation>Premier enregistrement</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeMappingDialog.cpp" line="33" />
      <source>Field</source>
      <translation>Champ</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/MergeMappingDialog.cpp" line="44" />
      <source>(none)</source>
      <translation>(aucun)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" line="22" />
      <source>Trim &amp;left</source>
      <translation>Rogner à &amp;gauche</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" line="23" />
      <source>Trim &amp;right</source>
      <translation>Rogner à &amp;droite</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" line="24" />
      <source>Trim &amp;top</source>
      <translation>Rogner en &amp;haut</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" line="25" />
      <source>Trim &amp;bottom</source>
      <translation>Rogner en &amp;bas</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" line="45" />
      <source>Photo Options</source>
      <translation>Options de la photo</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" line="46" />
      <source>Load &amp;Photo</source>
      <translation>Charger une &amp;photo</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/PhotoDialog.cpp" line="47" />
      <source>Load Photo</source>
      <translation>Charger une photo</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="44" />
      <source>QR Code</source>
      <translation>Code QR</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="53" />
      <source>&amp;Contact details</source>
      <translation>&amp;Coordonnées</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="54" />
      <source>&amp;Website</source>
      <translation>Site &amp;web</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="55" />
      <source>&amp;Free text</source>
      <translation>Texte &amp;libre</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="64" />
      <source>Content</source>
      <translation>Contenu</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="70" />
      <source>Light on d&amp;ark</source>
      <translation>Clair sur f&amp;oncé</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="71" />
      <source>Da&amp;rk color</source>
      <translation>Couleur &amp;foncée</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="72" />
      <source>&amp;Light color</source>
      <translation>Couleur &amp;claire</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="76" />
      <source>&amp;Size</source>
      <translation>&amp;Taille</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/QrCodeDialog.cpp" line="91" />
      <source>R&amp;emove</source>
      <translation>&amp;Supprimer</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="30" />
      <source>&amp;None</source>
      <translation>&amp;Aucun</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="30" />
      <source>E&amp;xact</source>
      <translation>&amp;Exact</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="30" />
      <source>&amp;Left</source>
      <translation>&amp;Gauche</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="30" />
      <source>&amp;Right</source>
      <translation>&amp;Droite</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="30" />
      <source>Card Lon&amp;g</source>
      <translation>Toute la lar&amp;geur</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="99" />
      <source>S&amp;hrink to fit</source>
      <translation>&amp;Réduire pour ajuster</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="102" />
      <source>Draw a line too wide for its box smaller until it fits (not below 6 pt)</source>
      <translation>Dessiner plus petite une ligne trop large pour sa zone jusqu'à ce qu'elle tienne (pas moins de 6 pt)</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="104" />
      <source>&amp;Font</source>
      <translation>&amp;Police</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="106" />
      <source>Si&amp;ze</source>
      <translation>&amp;Taille</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="108" />
      <source>St&amp;yle</source>
      <translation>&amp;Style</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="110" />
      <source>&amp;Color</source>
      <translation>&amp;Couleur</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="121" />
      <source>Frame</source>
      <translation>Cadre</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="138" />
      <source>F&amp;ill Color</source>
      <translation>Couleur de &amp;remplissage</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="140" />
      <source>Fra&amp;me Size</source>
      <translation>Taille du ca&amp;dre</translation>
    </message>
    <message>
      <location filename="../src/ui/dialogs/TextOptionsDialog.cpp" line="142" />
      <source>&amp;Opacity</source>
      <translation>&amp;Opacité</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PageLayoutNameDialog.cpp" line="15" />
      <source>Save As Template</source>
      <translation>Enregistrer comme modèle</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PageLayoutNameDialog.cpp" line="18" />
      <source>&amp;Template Name:</source>
      <translation>&amp;Nom du modèle :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PageLayoutNameDialog.cpp" line="22" />
      <source>&amp;Save</source>
      <translation>&amp;Enregistrer</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintCommands.cpp" line="88" />
      <source>Print Setup</source>
      <translation>Configuration de l'impression</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintCommands.cpp" line="94" />
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="54" />
      <source>Card &amp;Width</source>
      <translation>&amp;Largeur de la carte</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="57" />
      <source>Card &amp;Height</source>
      <translation>&amp;Hauteur de la carte</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="59" />
      <source>Hori&amp;zontal Pitch</source>
      <translation>Pas hori&amp;zontal</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="61" />
      <source>&amp;Vertical Pitch</source>
      <translation>Pas &amp;vertical</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="63" />
      <source>&amp;Left Margin</source>
      <translation>Marge &amp;gauche</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="64" />
      <source>&amp;Top Margin</source>
      <translation>Marge &amp;supérieure</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="75" />
      <source>&amp;inches</source>
      <translation>&amp;pouces</translation>
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
      <translation>Aperçu avant impression</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="151" />
      <source>The number of sheets to print</source>
      <translation>Le nombre de feuilles à imprimer</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="153" />
      <source>C&amp;opies:</source>
      <translation>&amp;Copies :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="157" />
      <source>&amp;Print </source>
      <translation>&amp;Imprimer </translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="177" />
      <source>Sheet</source>
      <translation>Feuille</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="178" />
      <source>&amp;Use Predefined Page Layouts</source>
      <translation>&amp;Utiliser des mises en page prédéfinies</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="191" />
      <source>L&amp;ayout:</source>
      <translation>&amp;Mise en page :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="193" />
      <source>Pape&amp;r:</source>
      <translation>Pa&amp;pier :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="200" />
      <source>Printer:</source>
      <translation>Imprimante :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="216" />
      <source>Card size and spacing</source>
      <translation>Taille et espacement des cartes</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="220" />
      <source>Units:</source>
      <translation>Unités :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="254" />
      <source>&amp;Save As Template</source>
      <translation>Enregistrer comme &amp;modèle</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="263" />
      <source>Draft Card preview</source>
      <translation>Aperçu de la carte (brouillon)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="273" />
      <source>Draft Page Preview</source>
      <translation>Aperçu de la page (brouillon)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="283" />
      <source>Print shop and printer calibration</source>
      <translation>Imprimerie et étalonnage de l'imprimante</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="309" />
      <source>Use the sheet's card size</source>
      <translation>Prendre la taille des cartes de la planche</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="312" />
      <source>Print at the card's size</source>
      <translation>Imprimer à la taille de la carte</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="320" />
      <source>How far the card's edges are printed past the cut</source>
      <translation>Jusqu'où les bords de la carte sont imprimés au-delà de la coupe</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="321" />
      <source>Crop mar&amp;ks</source>
      <translation>&amp;Traits de coupe</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="323" />
      <source>&amp;Bleed:</source>
      <translation>&amp;Fond perdu :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="342" />
      <source>Offset &amp;X:</source>
      <translation>Décalage &amp;X :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="344" />
      <source>Offset &amp;Y:</source>
      <translation>Décalage &amp;Y :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="346" />
      <source>Scal&amp;e:</source>
      <translation>Échell&amp;e :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="351" />
      <source>Print Calibration Pa&amp;ge</source>
      <translation>Imprimer la page d'étalo&amp;nnage</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="357" />
      <source>Both sides</source>
      <translation>Recto verso</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="360" />
      <source>Each sheet is followed by a page of the cards' backs</source>
      <translation>Chaque feuille est suivie d'une page des versos des cartes</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="363" />
      <source>Long edge</source>
      <translation>Bord long</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="364" />
      <source>Short edge</source>
      <translation>Bord court</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="365" />
      <source>The edge the printer turns the sheet over</source>
      <translation>Le bord sur lequel l'imprimante retourne la feuille</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="467" />
      <source>Some page layouts could not be read:</source>
      <translation>Certaines mises en page n'ont pas pu être lues :</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="476" />
      <source>No page layouts were found in %1.</source>
      <translation>Aucune mise en page n'a été trouvée dans %1.</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="505" />
      <source>%1 (the layout's paper is not offered)</source>
      <translation>%1 (le papier de la mise en page n'est pas proposé)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="524" />
      <source>A page layout named "%1" exists already. Replace it?</source>
      <translation>Une mise en page nommée « %1 » existe déjà. La remplacer ?</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="614" />
      <source>Print Calibration Page to PDF</source>
      <translation>Imprimer la page d'étalonnage en PDF</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="648" />
      <source>The card and the sheet's cards differ in size: choose "Use the sheet's card size" or "Print at the card's size".</source>
      <translation>La carte et les cartes de la planche n'ont pas la même taille : choisissez « Prendre la taille des cartes de la planche » ou « Imprimer à la taille de la carte ».</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="672" />
      <source>PDF files (*.pdf)</source>
      <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintDialog.cpp" line="677" />
      <source>Print to PDF</source>
      <translation>Imprimer en PDF</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" line="41" />
      <source>Printing sheet %1 of %2...</source>
      <translation>Impression de la feuille %1 sur %2...</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" line="51" />
      <source>The printer is not available.</source>
      <translation>L'imprimante n'est pas disponible.</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" line="60" />
      <source>The printer reported an error.</source>
      <translation>L'imprimante a signalé une erreur.</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrintJob.cpp" line="96" />
      <source>The cards could not be printed on %1. %2</source>
      <translation>Les cartes n'ont pas pu être imprimées sur %1. %2</translation>
    </message>
    <message>
      <location filename="../src/ui/print/PrinterChoice.cpp" line="35" />
      <source>PDF file</source>
      <translation>Fichier PDF</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/FillNowDialog.cpp" line="13" />
      <source>We recommend to fill-in the fields marked with * now. However you can also fill, edit or remove these fields later.</source>
      <translation>Nous vous recommandons de remplir dès maintenant les champs marqués d'un *. Vous pourrez toutefois les remplir, les modifier ou les supprimer plus tard.</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/FillNowDialog.cpp" line="15" />
      <source>Fill Now</source>
      <translation>Remplir maintenant</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/FillNowDialog.cpp" line="16" />
      <source>Continue Anyway</source>
      <translation>Continuer quand même</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/LoadingWindow.cpp" line="39" />
      <source>Loading... Please Wait</source>
      <translation>Chargement... Veuillez patienter</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" line="59" />
      <source>Template Library</source>
      <translation>Bibliothèque de modèles</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" line="61" />
      <source>Tavolo: Template Library</source>
      <translation>Tavolo : bibliothèque de modèles</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" line="136" />
      <source>Previous Page</source>
      <translation>Page précédente</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" line="137" />
      <source>Next Page</source>
      <translation>Page suivante</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateLibraryDialog.cpp" line="138" />
      <source>Continue</source>
      <translation>Continuer</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateNameDialog.cpp" line="23" />
      <source>Save Template</source>
      <translation>Enregistrer le modèle</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateNameDialog.cpp" line="26" />
      <source>Save the card as a template named:</source>
      <translation>Enregistrer la carte comme modèle nommé :</translation>
    </message>
    <message>
      <location filename="../src/ui/templates/TemplateNameDialog.cpp" line="35" />
      <source>Templates are kept in %1; "New from Template..." lists them.</source>
      <translation>Les modèles sont conservés dans %1 ; « Nouveau à partir d'un modèle... » les affiche.</translation>
    </message>
  </context>
</TS>
