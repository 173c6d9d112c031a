<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Desired measurements:</source>
        <translation>Mesures voulues :</translation>
    </message>
    <message>
        <source>Width=%1 Height=%2 Left=%3 Top=%4</source>
        <translation>Largeur=%1 Hauteur=%2 Gauche=%3 Haut=%4</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instructions :</translation>
    </message>
    <message>
        <source>Measure the Width and Height of solid box as accurately as</source>
        <translation>Mesurez la largeur et la hauteur du cadre plein aussi précisément</translation>
    </message>
    <message>
        <source>possible and enter your measurements on the calibration form.</source>
        <translation>que possible et saisissez vos mesures dans la fenêtre de calibrage.</translation>
    </message>
    <message>
        <source>Print another test page and measure Left and Top of dashed box.</source>
        <translation>Imprimez une autre page, mesurez Gauche et Haut du cadre en tirets.</translation>
    </message>
    <message>
        <source>Note: For Left and Top measure from the edge of the paper even</source>
        <translation>Remarque : mesurez Gauche et Haut depuis le bord du papier, même</translation>
    </message>
    <message>
        <source>if your printer does not print to the edge.</source>
        <translation>si votre imprimante n’imprime pas jusqu’au bord.</translation>
    </message>
    <message>
        <source>Print another test page and the dotted box should have the desired</source>
        <translation>Sur une autre page de test, le cadre en pointillés devrait avoir les</translation>
    </message>
    <message>
        <source>measurements as a result of the calculation based on the entered</source>
        <translation>mesures voulues, calculées à partir des mesures saisies</translation>
    </message>
    <message>
        <source>measurements of the solid and dashed boxes which are:</source>
        <translation>du cadre plein et du cadre en tirets, qui sont :</translation>
    </message>
    <message>
        <source>Width: </source>
        <translation>Largeur : </translation>
    </message>
    <message>
        <source>Height: </source>
        <translation>Hauteur : </translation>
    </message>
    <message>
        <source>Left: </source>
        <translation>Gauche : </translation>
    </message>
    <message>
        <source>Top: </source>
        <translation>Haut : </translation>
    </message>
    <message>
        <source>Last calibration data:</source>
        <translation>Données du dernier calibrage :</translation>
    </message>
    <message>
        <source>Printer name: </source>
        <translation>Nom de l’imprimante : </translation>
    </message>
    <message>
        <source>Last calibrated: </source>
        <translation>Dernier calibrage : </translation>
    </message>
    <message>
        <source>Last calibration:</source>
        <translation>Dernier calibrage :</translation>
    </message>
</context>
<context>
    <name>FieldsDialog</name>
    <message>
        <source>Fields</source>
        <translation>Champs</translation>
    </message>
    <message>
        <source>First rows of the data file:</source>
        <translation>Premières lignes du fichier de données :</translation>
    </message>
    <message>
        <source>First row holds column names</source>
        <translation>La première ligne contient les noms des colonnes</translation>
    </message>
    <message>
        <source>Fields:</source>
        <translation>Champs :</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>&amp;Every field a line</source>
        <translation>&amp;Chaque champ sur une ligne</translation>
    </message>
    <message>
        <source>Label &amp;layout:</source>
        <translation>&amp;Disposition de l’étiquette :</translation>
    </message>
    <message>
        <source>Empty: every field of a row on a line of its own</source>
        <translation>Vide : chaque champ d’une ligne sur sa propre ligne</translation>
    </message>
    <message>
        <source>The first labels as they will print:</source>
        <translation>Les premières étiquettes telles qu’elles seront imprimées :</translation>
    </message>
</context>
<context>
    <name>FormABOUT</name>
    <message>
        <source>Click to open</source>
        <translation>Cliquer pour ouvrir</translation>
    </message>
    <message>
        <source> About box</source>
        <translation> – À propos</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>Copyright © %1. Tous droits réservés.</translation>
    </message>
    <message>
        <source>A simple labelling solution</source>
        <translation>L’impression d’étiquettes en toute simplicité</translation>
    </message>
    <message>
        <source>Please email us with any requests, comments or questions at:</source>
        <translation>Envoyez-nous vos demandes, remarques ou questions par e-mail à :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FormCALIBPRN</name>
    <message>
        <source>The BRIEF instructions:
1. Print a test page.
2. Measure width and height and enter measurements.
3. Print another test page.
4. Measure left and top (from edge of paper) and enter measurements.
5. Press OK.

For a slightly more detailed description:

Few printers put a page exactly where they are told to. Most stretch or shrink the image a little, and move it a little across or down the paper. Once it knows by how much, %1 makes up for it: it rescales and repositions everything it prints on this printer.

The test page has three boxes. The solid box is the reference: it is drawn with no adjustment at all. The dashed box is the solid box rescaled by the width and height you measured of the solid box. The dotted box is rescaled in the same way and also moved by the left and top you measured of the dashed box. Where two boxes fall on the same place, one hides under the other.

The measurements the boxes should have are printed on the page, in the units you have chosen for %1.

Step by step:
1. Print a test page.
2. Put the scale right first: measure the width and height of the solid box as accurately as you can and enter them.
3. Print another test page. The dashed box should now have the desired width and height.
4. Measure the left and top of the dashed box, from the edge of the paper, even if your printer does not print right up to the edge, and enter them.
5. Print another test page. The dotted box should now sit where it should, at the desired size.
6. If it is not quite right, make small changes to your measurements and print again until it is; then press OK.

OK keeps your measurements and uses them whenever %1 prints on this printer from now on. Cancel throws them away and leaves the printer as it was. Entering the desired measurements themselves takes away any adjustment.

Paper of another kind, such as a sheet of labels, may travel through the printer a little differently from plain paper, so a last test page on the stock you will really use is worth the sheet.

None of this changes anything in the printer itself: only the way %1 prints on it.
</source>
        <translation>Les instructions EN BREF :
1. Imprimez une page de test.
2. Mesurez la largeur et la hauteur et saisissez les mesures.
3. Imprimez une autre page de test.
4. Mesurez la gauche et le haut (depuis le bord du papier) et saisissez les mesures.
5. Appuyez sur OK.

Une description un peu plus détaillée :

Rares sont les imprimantes qui placent une page exactement là où on le leur demande. La plupart étirent ou rétrécissent un peu l’image et la décalent un peu vers la droite ou vers le bas. Dès qu’il sait de combien, %1 compense : il redimensionne et repositionne tout ce qu’il imprime sur cette imprimante.

La page de test comporte trois cadres. Le cadre plein est la référence : il est tracé sans aucun ajustement. Le cadre en tirets est le cadre plein redimensionné selon la largeur et la hauteur que vous avez mesurées sur le cadre plein. Le cadre en pointillés est redimensionné de la même façon et décalé en plus selon la gauche et le haut que vous avez mesurés sur le cadre en tirets. Là où deux cadres tombent au même endroit, l’un se cache sous l’autre.

Les mesures que les cadres devraient avoir sont imprimées sur la page, dans les unités que vous avez choisies pour %1.

Étape par étape :
1. Imprimez une page de test.
2. Réglez d’abord l’échelle : mesurez la largeur et la hauteur du cadre plein aussi précisément que possible et saisissez-les.
3. Imprimez une autre page de test. Le cadre en tirets devrait maintenant avoir la largeur et la hauteur voulues.
4. Mesurez la gauche et le haut du cadre en tirets, depuis le bord du papier, même si votre imprimante n’imprime pas jusqu’au bord, et saisissez-les.
5. Imprimez une autre page de test. Le cadre en pointillés devrait maintenant se trouver à sa place, à la taille voulue.
6. Si ce n’est pas tout à fait juste, modifiez légèrement vos mesures et imprimez de nouveau jusqu’à ce que ce le soit ; appuyez alors sur OK.

OK conserve vos mesures et les utilise désormais chaque fois que %1 imprime sur cette imprimante. Annuler les abandonne et laisse l’imprimante comme elle était. Saisir les mesures voulues elles-mêmes supprime tout ajustement.

Un autre type de papier, comme une planche d’étiquettes, peut passer dans l’imprimante un peu différemment du papier ordinaire ; une dernière page de test sur le support que vous utiliserez vraiment vaut bien la feuille.

Rien de tout cela ne modifie l’imprimante elle-même : seulement la façon dont %1 imprime dessus.
</translation>
    </message>
    <message>
        <source>Calibrate printer</source>
        <translation>Calibrer l’imprimante</translation>
    </message>
    <message>
        <source>Print calibration page</source>
        <translation>Imprimer la page de calibrage</translation>
    </message>
    <message>
        <source>Current printer:</source>
        <translation>Imprimante actuelle :</translation>
    </message>
    <message>
        <source>Last calibrated: </source>
        <translation>Dernier calibrage : </translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Gauche :</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Haut :</translation>
    </message>
    <message>
        <source>WIDTH</source>
        <translation>LARGEUR</translation>
    </message>
    <message>
        <source>HEIGHT</source>
        <translation>HAUTEUR</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>GAUCHE</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>HAUT</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>INSTRUCTIONS</translation>
    </message>
</context>
<context>
    <name>FormFORMAT</name>
    <message>
        <source>Bitmaps</source>
        <translation>Images bitmap</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Icônes</translation>
    </message>
    <message>
        <source>PNG images</source>
        <translation>Images PNG</translation>
    </message>
    <message>
        <source>JPEG images</source>
        <translation>Images JPEG</translation>
    </message>
    <message>
        <source>GIF images</source>
        <translation>Images GIF</translation>
    </message>
    <message>
        <source>SVG drawings</source>
        <translation>Dessins SVG</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <translation>Tous (%1)</translation>
    </message>
    <message>
        <source>Format labels</source>
        <translation>Mettre en forme les étiquettes</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Show border</source>
        <translation>Afficher la bordure</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Couleur...</translation>
    </message>
    <message>
        <source>Colour of the border line</source>
        <translation>Couleur du trait de bordure</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordures</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Text alignment</source>
        <translation>Alignement du texte</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Text justification</source>
        <translation>Justification du texte</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>Justifier</translation>
    </message>
    <message>
        <source>Font settings...</source>
        <translation>Paramètres de police...</translation>
    </message>
    <message>
        <source>Shrink text to fit in label</source>
        <translation>Réduire le texte pour qu’il tienne dans l’étiquette</translation>
    </message>
    <message>
        <source>Save format defaults</source>
        <translation>Enregistrer le format par défaut</translation>
    </message>
    <message>
        <source>Save these format settings</source>
        <translation>Enregistrer ces paramètres de format</translation>
    </message>
    <message>
        <source>as default for new jobs.</source>
        <translation>par défaut pour les nouveaux travaux.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Show Picture</source>
        <translation>Afficher l’image</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Fit to label</source>
        <translation>Ajuster à l’étiquette</translation>
    </message>
    <message>
        <source>Keep ratio</source>
        <translation>Conserver les proportions</translation>
    </message>
    <message>
        <source>Left %</source>
        <translation>Gauche %</translation>
    </message>
    <message>
        <source>Top %</source>
        <translation>Haut %</translation>
    </message>
    <message>
        <source>Width %</source>
        <translation>Largeur %</translation>
    </message>
    <message>
        <source>Height %</source>
        <translation>Hauteur %</translation>
    </message>
    <message>
        <source>Picture Controls</source>
        <translation>Réglages de l’image</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Fichier image</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>or type a name, with fields: photos/{Photo}</source>
        <translation>ou saisissez un nom, avec des champs : photos/{Photo}</translation>
    </message>
    <message>
        <source>Picture File Name:</source>
        <translation>Nom du fichier image :</translation>
    </message>
    <message>
        <source>To use these values check the relevent checkboxes</source>
        <translation>Pour utiliser ces valeurs, cochez les cases correspondantes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 pt</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>gras</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>italique</translation>
    </message>
    <message>
        <source>underlined</source>
        <translation>souligné</translation>
    </message>
    <message>
        <source>struck out</source>
        <translation>barré</translation>
    </message>
    <message>
        <source>Choose a picture for the labels</source>
        <translation>Choisir une image pour les étiquettes</translation>
    </message>
</context>
<context>
    <name>FormHELP</name>
    <message>
        <source>%1 LABEL PRINTING

%2 prints address labels, and any other short texts, from a plain text file onto sheets of self-adhesive labels. It is meant to be simple: one data file, one label sheet, one look for every label.

QUICK START

Choose &quot;New job wizard...&quot; on the &quot;File&quot; menu. It takes you through the steps below one after another: the label sheet, the data file and the look of the labels.

STEP BY STEP

1. Create a template with Template/New... and enter the size of the sheet (the paper size of the label sheet).

2. Enter the measurements of the labels with Template/Edit layout...: how many labels across and down, the left and top margins, the width and height of a label and the gaps between labels.

3. Print the template with Template/Print on plain paper and hold it against a label sheet. If the print is shifted or stretched, calibrate the printer with File/Calibrate printer.... Save the template with Template/Save as... so that you can use it again.

4. Prepare a plain text data file in any text editor. Consecutive lines make one label; an empty line separates one label from the next.

5. Open the data file with Data/Open.

6. Change the border (2 mm by default), the alignment, the justification and the font with File/Format labels.... Press &quot;Save format defaults&quot; there if you want new jobs to start with the same settings.

7. Check the preview in the main window, then save the job with File/Save job as....

8. If you edit the data file in another program, save and close it there, then press &quot;Reload data&quot; in %2.

9. Test-print a page on plain paper first, then on a label sheet.

10. Save the job and print it with File/Print....

REQUESTS AND QUESTIONS

We would like to hear what you would change or add. Write to us with &quot;Email us...&quot; on the &quot;Help&quot; menu, or visit our web site with &quot;Go to web site...&quot;.
</source>
        <translation>%1 IMPRESSION D’ÉTIQUETTES

%2 imprime des étiquettes d’adresse, et tout autre texte court, à partir d’un simple fichier texte sur des planches d’étiquettes autocollantes. Il se veut simple : un fichier de données, une planche d’étiquettes, une même présentation pour toutes les étiquettes.

DÉMARRAGE RAPIDE

Choisissez « Assistant nouveau travail... » dans le menu « Fichier ». Il vous guide l’une après l’autre à travers les étapes ci-dessous : la planche d’étiquettes, le fichier de données et la présentation des étiquettes.

ÉTAPE PAR ÉTAPE

1. Créez un modèle avec Modèle/Nouveau... et saisissez la taille de la planche (le format de papier de la planche d’étiquettes).

2. Saisissez les mesures des étiquettes avec Modèle/Modifier la disposition... : combien d’étiquettes en largeur et en hauteur, les marges gauche et supérieure, la largeur et la hauteur d’une étiquette et les espacements entre les étiquettes.

3. Imprimez le modèle avec Modèle/Imprimer sur du papier ordinaire et superposez-le à une planche d’étiquettes. Si l’impression est décalée ou déformée, calibrez l’imprimante avec Fichier/Calibrer l’imprimante.... Enregistrez le modèle avec Modèle/Enregistrer sous... pour pouvoir le réutiliser.

4. Préparez un fichier de données en texte brut dans n’importe quel éditeur de texte. Des lignes consécutives forment une étiquette ; une ligne vide sépare une étiquette de la suivante.

5. Ouvrez le fichier de données avec Données/Ouvrir.

6. Modifiez la bordure (2 mm par défaut), l’alignement, la justification et la police avec Fichier/Mettre en forme les étiquettes.... Appuyez là sur « Enregistrer le format par défaut » si vous voulez que les nouveaux travaux commencent avec les mêmes paramètres.

7. Vérifiez l’aperçu dans la fenêtre principale, puis enregistrez le travail avec Fichier/Enregistrer le travail sous....

8. Si vous modifiez le fichier de données dans un autre programme, enregistrez-le et fermez-le là-bas, puis appuyez sur « Recharger les données » dans %2.

9. Imprimez d’abord une page d’essai sur du papier ordinaire, puis sur une planche d’étiquettes.

10. Enregistrez le travail et imprimez-le avec Fichier/Imprimer....

DEMANDES ET QUESTIONS

Nous aimerions savoir ce que vous changeriez ou ajouteriez. Écrivez-nous avec « Nous écrire... » dans le menu « Aide », ou visitez notre site web avec « Aller sur le site web... ».
</translation>
    </message>
</context>
<context>
    <name>FormLAYOUT</name>
    <message>
        <source>Edit layout</source>
        <translation>Modifier la disposition</translation>
    </message>
    <message>
        <source>Units = </source>
        <translation>Unités = </translation>
    </message>
    <message>
        <source>Paper width = </source>
        <translation>Largeur du papier = </translation>
    </message>
    <message>
        <source>Paper height = </source>
        <translation>Hauteur du papier = </translation>
    </message>
    <message>
        <source>Labels across</source>
        <translation>Étiquettes en largeur</translation>
    </message>
    <message>
        <source>Labels down</source>
        <translation>Étiquettes en hauteur</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>Marge gauche</translation>
    </message>
    <message>
        <source>Top margin</source>
        <translation>Marge supérieure</translation>
    </message>
    <message>
        <source>Label width</source>
        <translation>Largeur de l’étiquette</translation>
    </message>
    <message>
        <source>Label height</source>
        <translation>Hauteur de l’étiquette</translation>
    </message>
    <message>
        <source>Horizontal gap</source>
        <translation>Espacement horizontal</translation>
    </message>
    <message>
        <source>Vertical gap</source>
        <translation>Espacement vertical</translation>
    </message>
</context>
<context>
    <name>FormMAIN</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New job &amp;wizard...</source>
        <translation>&amp;Assistant nouveau travail...</translation>
    </message>
    <message>
        <source>&amp;Open job</source>
        <translation>&amp;Ouvrir un travail</translation>
    </message>
    <message>
        <source>&amp;Reopen job</source>
        <translation>&amp;Rouvrir un travail</translation>
    </message>
    <message>
        <source>&amp;Save job</source>
        <translation>&amp;Enregistrer le travail</translation>
    </message>
    <message>
        <source>Save job &amp;as...</source>
        <translation>Enregistrer le travail &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Close job</source>
        <translation>&amp;Fermer le travail</translation>
    </message>
    <message>
        <source>&amp;Format labels...</source>
        <translation>Mettre en forme les é&amp;tiquettes...</translation>
    </message>
    <message>
        <source>Cali&amp;brate printer...</source>
        <translation>&amp;Calibrer l’imprimante...</translation>
    </message>
    <message>
        <source>Set &amp;up printer...</source>
        <translation>Configurer l’im&amp;primante...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Modèle</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <source>New from pro&amp;duct...</source>
        <translation>Nouveau à partir d’un pro&amp;duit...</translation>
    </message>
    <message>
        <source>&amp;Edit layout...</source>
        <translation>Modifier la &amp;disposition...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Rouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Données</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Fields...</source>
        <translation>&amp;Champs...</translation>
    </message>
    <message>
        <source>Serial &amp;numbers...</source>
        <translation>&amp;Numéros de série...</translation>
    </message>
    <message>
        <source>&amp;Select labels...</source>
        <translation>&amp;Sélectionner des étiquettes...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Scale...</source>
        <translation>É&amp;chelle...</translation>
    </message>
    <message>
        <source>Set &amp;units...</source>
        <translation>Définir les &amp;unités...</translation>
    </message>
    <message>
        <source>Software settings...</source>
        <translation>Paramètres du logiciel...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Mode d’emploi</translation>
    </message>
    <message>
        <source>Go to web site...</source>
        <translation>Aller sur le site web...</translation>
    </message>
    <message>
        <source>Email us...</source>
        <translation>Nous écrire...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Open text file</source>
        <translation>Ouvrir le fichier texte</translation>
    </message>
    <message>
        <source>Job file:</source>
        <translation>Fichier de travail :</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Données :</translation>
    </message>
    <message>
        <source>Reload data</source>
        <translation>Recharger les données</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Next page</source>
        <translation>Page &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Previous page</source>
        <translation>Page &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;First page</source>
        <translation>Pre&amp;mière page</translation>
    </message>
    <message>
        <source>&amp;Last page</source>
        <translation>&amp;Dernière page</translation>
    </message>
</context>
<context>
    <name>FormNEWPAPER</name>
    <message>
        <source>Select paper type</source>
        <translation>Choisir le type de papier</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>A4 Portrait </source>
        <translation>A4 portrait </translation>
    </message>
    <message>
        <source>A4 Landscape </source>
        <translation>A4 paysage </translation>
    </message>
    <message>
        <source>Letter Portrait </source>
        <translation>Letter portrait </translation>
    </message>
    <message>
        <source>Letter Landscape </source>
        <translation>Letter paysage </translation>
    </message>
</context>
<context>
    <name>FormRTFHelp</name>
    <message>
        <source>Instructions</source>
        <translation>Mode d’emploi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>FormSCALE</name>
    <message>
        <source>Set page scale</source>
        <translation>Définir l’échelle de la page</translation>
    </message>
    <message>
        <source>Set page viewing scale:</source>
        <translation>Échelle d’affichage de la page :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>FormSETTINGS</name>
    <message>
        <source>Software settings</source>
        <translation>Paramètres du logiciel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save desktop</source>
        <translation>Enregistrer la disposition des fenêtres</translation>
    </message>
    <message>
        <source>Save settings (scale, units, etc.)</source>
        <translation>Enregistrer les paramètres (échelle, unités, etc.)</translation>
    </message>
    <message>
        <source>Save file info (e.g. reopen list)</source>
        <translation>Enregistrer les informations de fichiers (p. ex. liste des fichiers récents)</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Options d’affichage</translation>
    </message>
    <message>
        <source>Show labels</source>
        <translation>Afficher les étiquettes</translation>
    </message>
    <message>
        <source>Show template</source>
        <translation>Afficher le modèle</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
</context>
<context>
    <name>FormSETUNITS</name>
    <message>
        <source>Set units</source>
        <translation>Définir les unités</translation>
    </message>
    <message>
        <source>Units of measurement</source>
        <translation>Unités de mesure</translation>
    </message>
</context>
<context>
    <name>JobController</name>
    <message>
        <source>Job files (*.GVJ *.gvj);;Locked job files (*.GVL *.gvl);;All job files (*.GVJ *.gvj *.GVL *.gvl)</source>
        <translation>Fichiers de travail (*.GVJ *.gvj);;Fichiers de travail verrouillés (*.GVL *.gvl);;Tous les fichiers de travail (*.GVJ *.gvj *.GVL *.gvl)</translation>
    </message>
    <message>
        <source>Job files (*.GVJ *.gvj)</source>
        <translation>Fichiers de travail (*.GVJ *.gvj)</translation>
    </message>
    <message>
        <source>Cannot overwrite a locked job.</source>
        <translation>Impossible d’écraser un travail verrouillé.</translation>
    </message>
    <message>
        <source>Template files (*.GVT *.gvt);;Locked template files (*.GVR *.gvr);;All template files (*.GVT *.gvt *.GVR *.gvr)</source>
        <translation>Fichiers de modèle (*.GVT *.gvt);;Fichiers de modèle verrouillés (*.GVR *.gvr);;Tous les fichiers de modèle (*.GVT *.gvt *.GVR *.gvr)</translation>
    </message>
    <message>
        <source>Template files (*.GVT *.gvt)</source>
        <translation>Fichiers de modèle (*.GVT *.gvt)</translation>
    </message>
    <message>
        <source>Cannot overwrite a locked template.</source>
        <translation>Impossible d’écraser un modèle verrouillé.</translation>
    </message>
    <message>
        <source>Save job as</source>
        <translation>Enregistrer le travail sous</translation>
    </message>
    <message>
        <source>Open template</source>
        <translation>Ouvrir un modèle</translation>
    </message>
    <message>
        <source>Open job</source>
        <translation>Ouvrir un travail</translation>
    </message>
    <message>
        <source>Save template as</source>
        <translation>Enregistrer le modèle sous</translation>
    </message>
    <message>
        <source>Open data</source>
        <translation>Ouvrir des données</translation>
    </message>
    <message>
        <source>Data files (*.TXT *.txt *.CSV *.csv *.TSV *.tsv *.TAB *.tab);;Text files (*.TXT *.txt);;Tables (*.csv *.CSV *.tsv *.TSV *.tab *.TAB);;All files (*)</source>
        <translation>Fichiers de données (*.TXT *.txt *.CSV *.csv *.TSV *.tsv *.TAB *.tab);;Fichiers texte (*.TXT *.txt);;Tableaux (*.csv *.CSV *.tsv *.TSV *.tab *.TAB);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Label sheets by product code come from the label catalogue that the package %1 installs in %2.
<byte value="xd"/>Install it (for example with: sudo apt install %1) and choose this command again.</source>
        <translation>Les planches d’étiquettes par référence produit viennent du catalogue d’étiquettes que le paquet %1 installe dans %2.
<byte value="xd"/>Installez-le (par exemple avec : sudo apt install %1) et choisissez de nouveau cette commande.</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d’ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot find file &apos;%1&apos;</source>
        <translation>Fichier « %1 » introuvable</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Impossible de créer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is %2, not an ordinary file.</source>
        <translation>Impossible de créer le fichier %1 : c’est %2, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Impossible d’écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Impossible de lire le fichier %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not %2</source>
        <translation>%1 est un dossier, pas %2</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erreur d’écriture du flux</translation>
    </message>
    <message>
        <source>Stream error occured with message
<byte value="xd"/>%1</source>
        <translation>Une erreur de flux est survenue avec le message
<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un lien symbolique</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>un tube</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>something other</source>
        <translation>autre chose</translation>
    </message>
    <message>
        <source>Invalid or corrupt job file.</source>
        <translation>Fichier de travail non valide ou endommagé.</translation>
    </message>
    <message>
        <source>The file holds %1 MB; job and template files larger than %2 MB are not read</source>
        <translation>Le fichier fait %1 Mo ; les fichiers de travail et de modèle de plus de %2 Mo ne sont pas lus</translation>
    </message>
    <message>
        <source>The job&apos;s table settings cannot be read: the table is laid out by the default settings.</source>
        <translation>Les paramètres de tableau du travail ne peuvent pas être lus : le tableau est disposé selon les paramètres par défaut.</translation>
    </message>
    <message>
        <source>Not where the job names them, so taken from the job&apos;s folder: %1</source>
        <translation>Absents de l’emplacement indiqué par le travail, donc pris dans le dossier du travail : %1</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: %2 opens job files (.GVJ, .GVL) and template files (.GVT, .GVR).</source>
        <translation>Impossible d’ouvrir « %1 » : %2 ouvre les fichiers de travail (.GVJ, .GVL) et les fichiers de modèle (.GVT, .GVR).</translation>
    </message>
    <message>
        <source>The template &apos;%1&apos; given with /T= opens only with a data file given with /D=.</source>
        <translation>Le modèle « %1 » indiqué avec /T= ne s’ouvre qu’avec un fichier de données indiqué avec /D=.</translation>
    </message>
    <message>
        <source>%1: Unknown option %2.
</source>
        <translation>%1 : option inconnue %2.
</translation>
    </message>
    <message>
        <source>The last command did not finish.</source>
        <translation>La dernière commande ne s’est pas terminée.</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>La mémoire est insuffisante.</translation>
    </message>
    <message>
        <source>Unexpected error: %1</source>
        <translation>Erreur inattendue : %1</translation>
    </message>
    <message>
        <source>Cannot draw page %1 of the preview</source>
        <translation>Impossible de dessiner la page %1 de l’aperçu</translation>
    </message>
    <message>
        <source>Current units not catered for in
<byte value="xd"/>FUNCTION %1 in UTILSMATH</source>
        <translation>Unités actuelles non prises en charge dans
<byte value="xd"/>FONCTION %1 de UTILSMATH</translation>
    </message>
    <message>
        <source>a data file</source>
        <translation>un fichier de données</translation>
    </message>
    <message>
        <source>The file %1 holds %2 MB; data files larger than %3 MB are not read.</source>
        <translation>Le fichier %1 fait %2 Mo ; les fichiers de données de plus de %3 Mo ne sont pas lus.</translation>
    </message>
    <message>
        <source>The file %1 is UTF-32 text, which is not read; save it as UTF-8 (or UTF-16).</source>
        <translation>Le fichier %1 est un texte UTF-32, qui n’est pas lu ; enregistrez-le en UTF-8 (ou UTF-16).</translation>
    </message>
    <message>
        <source>%1 is not a valid value.</source>
        <translation>%1 n’est pas une valeur valide.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid number.</source>
        <translation>%1 : « %2 » n’est pas un nombre valide.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid positive number.</source>
        <translation>%1 : « %2 » n’est pas un nombre positif valide.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid positive integer</source>
        <translation>%1 : « %2 » n’est pas un entier positif valide</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid positive number</source>
        <translation>%1 : « %2 » n’est pas un nombre positif valide</translation>
    </message>
    <message>
        <source>Invalid dimensions.</source>
        <translation>Dimensions non valides.</translation>
    </message>
    <message>
        <source>Labels do not fit on page.</source>
        <translation>Les étiquettes ne tiennent pas sur la page.</translation>
    </message>
    <message>
        <source>Defaults saved.</source>
        <translation>Valeurs par défaut enregistrées.</translation>
    </message>
    <message>
        <source>No label catalogue was found in %1.
<byte value="xd"/></source>
        <translation>Aucun catalogue d’étiquettes n’a été trouvé dans %1.
<byte value="xd"/></translation>
    </message>
    <message>
        <source>The label catalogue in %1 holds no label sheet that a template can be made from.
<byte value="xd"/></source>
        <translation>Le catalogue d’étiquettes de %1 ne contient aucune planche d’étiquettes à partir de laquelle créer un modèle.
<byte value="xd"/></translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Aucune imprimante n’est installée.</translation>
    </message>
    <message>
        <source>No printer is installed. Add a printer to the print system first.</source>
        <translation>Aucune imprimante n’est installée. Ajoutez d’abord une imprimante au système d’impression.</translation>
    </message>
    <message>
        <source>A print is in progress.
<byte value="xd"/>Wait for it to finish, or close the program to abort it.</source>
        <translation>Une impression est en cours.
<byte value="xd"/>Attendez qu’elle se termine, ou fermez le programme pour l’interrompre.</translation>
    </message>
    <message>
        <source>Printing in operation.
<byte value="xd"/>Do you wish to abort print job?</source>
        <translation>Impression en cours.
<byte value="xd"/>Voulez-vous interrompre l’impression ?</translation>
    </message>
    <message>
        <source>The data file holds no labels: there is nothing to print.</source>
        <translation>Le fichier de données ne contient aucune étiquette : il n’y a rien à imprimer.</translation>
    </message>
    <message>
        <source>The chosen pages hold nothing to print.</source>
        <translation>Les pages choisies ne contiennent rien à imprimer.</translation>
    </message>
    <message>
        <source>%1 pages sent to %2</source>
        <translation>%1 pages envoyées à %2</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 sur %2</translation>
    </message>
    <message>
        <source>Printing aborted: nothing was printed.</source>
        <translation>Impression interrompue : rien n’a été imprimé.</translation>
    </message>
    <message>
        <source>The printer did not take the document.</source>
        <translation>L’imprimante n’a pas accepté le document.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>L’imprimante n’a pas accepté la page.</translation>
    </message>
    <message>
        <source>Not printing?</source>
        <translation>Pas d’impression ?</translation>
    </message>
    <message>
        <source>Printing failed: %1</source>
        <translation>Échec de l’impression : %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>Your job contains %1 pages.
<byte value="xd"/>Windows print routine curently
<byte value="xd"/>supports a maximum of %2 pages.</source>
        <translation>Votre travail comporte %1 pages.
<byte value="xd"/>La routine d’impression prend actuellement
<byte value="xd"/>en charge au plus %2 pages.</translation>
    </message>
    <message>
        <source>the print has %1 pages; one document can hold at most %2.</source>
        <translation>l’impression compte %1 pages ; un document peut en contenir au plus %2.</translation>
    </message>
    <message>
        <source>Cannot print to &apos;%1&apos;: it is %2, not an ordinary file.</source>
        <translation>Impossible d’imprimer dans « %1 » : c’est %2, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>the file %1 was not written completely</source>
        <translation>le fichier %1 n’a pas été écrit entièrement</translation>
    </message>
    <message>
        <source>no usable font: neither &apos;%1&apos; nor any font in its place has letters to print (install fonts, for example the package fonts-liberation).</source>
        <translation>aucune police utilisable : ni « %1 » ni aucune police de remplacement n’a de caractères à imprimer (installez des polices, par exemple le paquet fonts-liberation).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>« %1 » n’est pas une valeur décimale valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n’est pas une valeur entière valide</translation>
    </message>
    <message>
        <source>%1 is %2, and a scale must lie between %3 and %4.</source>
        <translation>%1 vaut %2, or une échelle doit être comprise entre %3 et %4.</translation>
    </message>
    <message>
        <source>%1 is %2 (%3 mm), which moves the print off the paper, %4 mm %5.</source>
        <translation>%1 vaut %2 (%3 mm), ce qui fait sortir l’impression du papier, %4 mm %5.</translation>
    </message>
    <message>
        <source>The calibration stored for printer &apos;%1&apos; cannot be used: %2
<byte value="xd"/>Calibrate the printer again with File &gt; Calibrate printer.</source>
        <translation>Le calibrage enregistré pour l’imprimante « %1 » est inutilisable : %2
<byte value="xd"/>Calibrez de nouveau l’imprimante avec Fichier &gt; Calibrer l’imprimante.</translation>
    </message>
    <message>
        <source>The %1 cannot be 0.</source>
        <translation>%1 ne peut pas valoir 0.</translation>
    </message>
    <message>
        <source>The %1 must be at least %2 %3 (a smaller one means a scale above %4).</source>
        <translation>%1 doit valoir au moins %2 %3 (une valeur plus petite signifie une échelle supérieure à %4).</translation>
    </message>
    <message>
        <source>
<byte value="xd"/>Enter the %1 of the solid box as measured on the test page.</source>
        <translation>
<byte value="xd"/>Saisissez pour « %1 » la valeur du cadre plein telle que mesurée sur la page de test.</translation>
    </message>
    <message>
        <source>Only %1 %2 %3 adjustment allowed.</source>
        <translation>Pour %3, seul un ajustement de %1 %2 est permis.</translation>
    </message>
    <message>
        <source>The error log %1 could not be written: %2</source>
        <translation>Le journal d’erreurs %1 n’a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Version number not available.</source>
        <translation>Numéro de version non disponible.</translation>
    </message>
    <message>
        <source>The drawing %1 is not read: it %2.</source>
        <translation>Le dessin %1 n’est pas lu : il %2.</translation>
    </message>
    <message>
        <source>%1 is too large for a drawing (more than 16 MB).</source>
        <translation>%1 est trop volumineux pour un dessin (plus de 16 Mo).</translation>
    </message>
    <message>
        <source>%1 is not a readable SVG drawing.</source>
        <translation>%1 n’est pas un dessin SVG lisible.</translation>
    </message>
    <message>
        <source>Cannot read the picture %1: %2</source>
        <translation>Impossible de lire l’image %1 : %2</translation>
    </message>
    <message>
        <source>embeds a picture that is not a PNG, JPEG, GIF or BMP bitmap</source>
        <translation>incorpore une image qui n’est pas une image bitmap PNG, JPEG, GIF ou BMP</translation>
    </message>
    <message>
        <source>embeds a picture that cannot be read</source>
        <translation>incorpore une image illisible</translation>
    </message>
    <message>
        <source>draws more than %1 elements through its &lt;use&gt; references</source>
        <translation>dessine plus de %1 éléments par ses références &lt;use&gt;</translation>
    </message>
    <message>
        <source>nests &lt;use&gt; references more than %1 deep (or in a loop)</source>
        <translation>imbrique des références &lt;use&gt; sur plus de %1 niveaux (ou en boucle)</translation>
    </message>
    <message>
        <source>holds references that form a loop</source>
        <translation>contient des références qui forment une boucle</translation>
    </message>
    <message>
        <source>is compressed (.svgz); only plain SVG drawings are read</source>
        <translation>est compressé (.svgz) ; seuls les dessins SVG non compressés sont lus</translation>
    </message>
    <message>
        <source>is larger than 16 MB</source>
        <translation>fait plus de 16 Mo</translation>
    </message>
    <message>
        <source>declares a document type or entities</source>
        <translation>déclare un type de document ou des entités</translation>
    </message>
    <message>
        <source>holds the processing instruction &lt;?%1?&gt;</source>
        <translation>contient l’instruction de traitement &lt;?%1?&gt;</translation>
    </message>
    <message>
        <source>has more than %1 elements</source>
        <translation>a plus de %1 éléments</translation>
    </message>
    <message>
        <source>nests elements more than %1 deep</source>
        <translation>imbrique des éléments sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>has a gradient of more than %1 stops</source>
        <translation>a un dégradé de plus de %1 arrêts</translation>
    </message>
    <message>
        <source>refers to the picture &quot;%1&quot; outside it; only pictures embedded as data: URLs are read</source>
        <translation>fait référence à l’image « %1 » hors du dessin ; seules les images incorporées en URL data: sont lues</translation>
    </message>
    <message>
        <source>embeds pictures of more than %1 million pixels together</source>
        <translation>incorpore des images de plus de %1 millions de pixels au total</translation>
    </message>
    <message>
        <source>refers to &quot;%1&quot; outside it</source>
        <translation>fait référence à « %1 » hors du dessin</translation>
    </message>
    <message>
        <source>holds more than %1 characters of text</source>
        <translation>contient plus de %1 caractères de texte</translation>
    </message>
    <message>
        <source>imports a style sheet from outside it</source>
        <translation>importe une feuille de style extérieure</translation>
    </message>
    <message>
        <source>is not well-formed XML (%1)</source>
        <translation>n’est pas du XML bien formé (%1)</translation>
    </message>
    <message>
        <source>The layout names the field %1, which the data does not have.</source>
        <translation>La disposition nomme le champ %1, que les données n’ont pas.</translation>
    </message>
    <message>
        <source>The &apos;{&apos; in line %1 of the layout is not closed by &apos;}&apos;.</source>
        <translation>Le « { » de la ligne %1 de la disposition n’est pas fermé par « } ».</translation>
    </message>
    <message>
        <source>%1 is no label number: after # come digits only, as in {#} or {#0001}.</source>
        <translation>%1 n’est pas un numéro d’étiquette : après # ne viennent que des chiffres, comme dans {#} ou {#0001}.</translation>
    </message>
    <message>
        <source>Row %1 opens a quoted field that is never closed; its quote mark is read as text.</source>
        <translation>La ligne %1 ouvre un champ entre guillemets qui n’est jamais fermé ; son guillemet est lu comme du texte.</translation>
    </message>
    <message>
        <source> Row %1 opens another, which runs to the end of the file.</source>
        <translation> La ligne %1 en ouvre un autre, qui court jusqu’à la fin du fichier.</translation>
    </message>
    <message>
        <source>To see a World in a Grain of Sand
<byte value="xd"/>And a Heaven in a Wild Flower,
<byte value="xd"/>Hold Infinity in the palm of your hand
<byte value="xd"/>And Eternity in an hour.
<byte value="xd"/>
<byte value="xd"/>William Blake</source>
        <translation>Voir un monde dans un grain de sable
<byte value="xd"/>Et un ciel dans une fleur sauvage,
<byte value="xd"/>Tenir l’infini dans la paume de la main
<byte value="xd"/>Et l’éternité dans une heure.
<byte value="xd"/>
<byte value="xd"/>William Blake</translation>
    </message>
    <message>
        <source>an error of unknown kind</source>
        <translation>une erreur de nature inconnue</translation>
    </message>
    <message>
        <source>FUNCTION %1 raised EFilerError [classname=%2] with message:&quot;%3&quot;</source>
        <translation>La FONCTION %1 a déclenché EFilerError [classname=%2] avec le message : « %3 »</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Erreur de lecture du flux</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>Invalid stream format</source>
        <translation>Format de flux non valide</translation>
    </message>
    <message>
        <source>Invalid property path</source>
        <translation>Chemin de propriété non valide</translation>
    </message>
    <message>
        <source>Property %1 does not exist</source>
        <translation>La propriété %1 n’existe pas</translation>
    </message>
    <message>
        <source>Error reading %1.%2: %3</source>
        <translation>Erreur de lecture de %1.%2 : %3</translation>
    </message>
    <message>
        <source>Class %1 not found</source>
        <translation>Classe %1 introuvable</translation>
    </message>
    <message>
        <source>Invalid object text: %1</source>
        <translation>Texte d’objet non valide : %1</translation>
    </message>
    <message>
        <source>&apos;object&apos; expected</source>
        <translation>« object » attendu</translation>
    </message>
    <message>
        <source>nested objects are not supported</source>
        <translation>les objets imbriqués ne sont pas pris en charge</translation>
    </message>
    <message>
        <source>&apos;=&apos; expected after %1</source>
        <translation>« = » attendu après %1</translation>
    </message>
    <message>
        <source>text after &apos;end&apos;</source>
        <translation>texte après « end »</translation>
    </message>
    <message>
        <source>identifier expected</source>
        <translation>identificateur attendu</translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation>chaîne non terminée</translation>
    </message>
    <message>
        <source>bad character code</source>
        <translation>code de caractère non valide</translation>
    </message>
    <message>
        <source>value expected</source>
        <translation>valeur attendue</translation>
    </message>
    <message>
        <source>&apos;,&apos; or &apos;]&apos; expected</source>
        <translation>« , » ou « ] » attendu</translation>
    </message>
    <message>
        <source>bad number %1</source>
        <translation>nombre non valide %1</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos;</source>
        <translation>« %1 » inattendu</translation>
    </message>
    <message>
        <source>Value (%1) missing in registry list of items.</source>
        <translation>Valeur (%1) absente de la liste des éléments des paramètres.</translation>
    </message>
    <message>
        <source>The settings file %1 has lines that cannot be read (line %2%3). They are kept as they are, and a copy of the file as it was is kept as %4.</source>
        <translation>Le fichier de paramètres %1 contient des lignes illisibles (ligne %2%3). Elles sont conservées telles quelles, et une copie du fichier dans son état antérieur est conservée sous %4.</translation>
    </message>
    <message>
        <source> and more</source>
        <translation> et d’autres</translation>
    </message>
    <message>
        <source>Has not been calibrated yet.</source>
        <translation>Pas encore calibrée.</translation>
    </message>
    <message>
        <source>Label catalogue file skipped: %1: %2</source>
        <translation>Fichier du catalogue d’étiquettes ignoré : %1 : %2</translation>
    </message>
    <message>
        <source>Label catalogue product skipped: %1 line %2: %3 %4: %5</source>
        <translation>Produit du catalogue d’étiquettes ignoré : %1 ligne %2 : %3 %4 : %5</translation>
    </message>
    <message>
        <source>Label catalogue product skipped: %1 line %2: the brand or part number is missing</source>
        <translation>Produit du catalogue d’étiquettes ignoré : %1 ligne %2 : la marque ou la référence manque</translation>
    </message>
    <message>
        <source>the file holds no XML document</source>
        <translation>le fichier ne contient aucun document XML</translation>
    </message>
    <message>
        <source>the %1 is missing</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; is not a length</source>
        <translation>%1 « %2 » n’est pas une longueur</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; is not a whole number</source>
        <translation>%1 « %2 » n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>the paper size &apos;%1&apos; is not known</source>
        <translation>le format de papier « %1 » est inconnu</translation>
    </message>
    <message>
        <source>&apos;equiv&apos; names %1 %2, which is not in the catalogue</source>
        <translation>« equiv » nomme %1 %2, qui n’est pas dans le catalogue</translation>
    </message>
    <message>
        <source>its &apos;equiv&apos; products name each other in a circle</source>
        <translation>ses produits « equiv » se désignent les uns les autres en boucle</translation>
    </message>
    <message>
        <source>Cannot find data file &apos;%1&apos;</source>
        <translation>Fichier de données « %1 » introuvable</translation>
    </message>
    <message>
        <source>Cannot load data file &apos;%1&apos;</source>
        <translation>Impossible de charger le fichier de données « %1 »</translation>
    </message>
    <message>
        <source>Cannot load data file &apos;%1&apos;
<byte value="xd"/>%2</source>
        <translation>Impossible de charger le fichier de données « %1 »
<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The job names no data file.</source>
        <translation>Le travail n’indique aucun fichier de données.</translation>
    </message>
    <message>
        <source>The data file &apos;%1&apos; holds no labels.</source>
        <translation>Le fichier de données « %1 » ne contient aucune étiquette.</translation>
    </message>
    <message>
        <source>This looks like a table: rename it to .csv to print one label a row</source>
        <translation>Cela ressemble à un tableau : renommez-le en .csv pour imprimer une étiquette par ligne</translation>
    </message>
    <message>
        <source>First row read as column names: %1</source>
        <translation>Première ligne lue comme noms de colonnes : %1</translation>
    </message>
    <message>
        <source>%1 — Data &gt; Fields to change</source>
        <translation>%1 — Données &gt; Champs pour modifier</translation>
    </message>
    <message>
        <source>The layout names %1, which this table does not have: every field prints on a line of its own until it fits — Data &gt; Fields to change</source>
        <translation>La disposition nomme %1, que ce tableau n’a pas : chaque champ s’imprime sur sa propre ligne jusqu’à correction — Données &gt; Champs pour modifier</translation>
    </message>
    <message>
        <source>%1 Every field prints on a line of its own — Data &gt; Fields to change</source>
        <translation>%1 Chaque champ s’imprime sur sa propre ligne — Données &gt; Champs pour modifier</translation>
    </message>
    <message>
        <source>%1 (--header no prints it as a label)</source>
        <translation>%1 (--header no l’imprime comme une étiquette)</translation>
    </message>
    <message>
        <source>Cannot find path &quot;%1&quot;</source>
        <translation>Chemin « %1 » introuvable</translation>
    </message>
    <message>
        <source>Cannot save file with no name.</source>
        <translation>Impossible d’enregistrer un fichier sans nom.</translation>
    </message>
    <message>
        <source>Invalid template file extension &quot;%1&quot;</source>
        <translation>Extension de fichier de modèle non valide « %1 »</translation>
    </message>
    <message>
        <source>Invalid job file extension &quot;%1&quot;</source>
        <translation>Extension de fichier de travail non valide « %1 »</translation>
    </message>
    <message>
        <source>Overwrite &apos;%1&apos; ?</source>
        <translation>Écraser « %1 » ?</translation>
    </message>
    <message>
        <source>Save current job first?</source>
        <translation>Enregistrer d’abord le travail actuel ?</translation>
    </message>
    <message>
        <source>Save current template first?</source>
        <translation>Enregistrer d’abord le modèle actuel ?</translation>
    </message>
    <message>
        <source>Cannot open the job &apos;%1&apos;</source>
        <translation>Impossible d’ouvrir le travail « %1 »</translation>
    </message>
    <message>
        <source>Cannot open the template &apos;%1&apos;</source>
        <translation>Impossible d’ouvrir le modèle « %1 »</translation>
    </message>
    <message>
        <source>There is not enough memory to read %1</source>
        <translation>La mémoire est insuffisante pour lire %1</translation>
    </message>
    <message>
        <source>gorvin: %1</source>
        <translation>gorvin : %1</translation>
    </message>
    <message>
        <source>The job has no paper size to print on.</source>
        <translation>Le travail n’a pas de format de papier sur lequel imprimer.</translation>
    </message>
    <message>
        <source>Cannot print to &apos;%1&apos;: it is %2.</source>
        <translation>Impossible d’imprimer dans « %1 » : c’est %2.</translation>
    </message>
    <message>
        <source>the job file</source>
        <translation>le fichier de travail</translation>
    </message>
    <message>
        <source>the job&apos;s data file</source>
        <translation>le fichier de données du travail</translation>
    </message>
    <message>
        <source>the job&apos;s template</source>
        <translation>le modèle du travail</translation>
    </message>
    <message>
        <source>the job&apos;s picture</source>
        <translation>l’image du travail</translation>
    </message>
    <message>
        <source>The job has %1 pages; there is no page %2.</source>
        <translation>Le travail a %1 pages ; il n’y a pas de page %2.</translation>
    </message>
    <message>
        <source>Printer &apos;%1&apos; not found.</source>
        <translation>Imprimante « %1 » introuvable.</translation>
    </message>
    <message>
        <source>No default printer.</source>
        <translation>Pas d’imprimante par défaut.</translation>
    </message>
    <message>
        <source>Nothing to print.</source>
        <translation>Rien à imprimer.</translation>
    </message>
    <message>
        <source>Printing aborted.</source>
        <translation>Impression interrompue.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 demande une valeur.</translation>
    </message>
    <message>
        <source>%1 needs a %2.</source>
        <translation>%1 demande un %2.</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>nom de fichier</translation>
    </message>
    <message>
        <source>printer name</source>
        <translation>nom d’imprimante</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>%1 prend un nombre entier de %2 à %3, pas « %4 ».</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 ne prend pas de valeur.</translation>
    </message>
    <message>
        <source>--print needs a job file.</source>
        <translation>--print demande un fichier de travail.</translation>
    </message>
    <message>
        <source>--pages takes FROM-TO with 1 &lt;= FROM &lt;= TO, not &apos;%1&apos;.</source>
        <translation>--pages prend DE-À avec 1 &lt;= DE &lt;= À, pas « %1 ».</translation>
    </message>
    <message>
        <source>--header takes yes or no, not &apos;%1&apos;.</source>
        <translation>--header prend yes ou no, pas « %1 ».</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Option inconnue %1.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>--output and --printer cannot be used together.</source>
        <translation>--output et --printer ne peuvent pas être utilisés ensemble.</translation>
    </message>
    <message>
        <source>%1 takes digits only: %2 holds &quot;%3&quot;.</source>
        <translation>%1 ne prend que des chiffres : %2 contient « %3 ».</translation>
    </message>
    <message>
        <source>%1 takes %2 digits, or %3 with the check digit: %4 has %5.</source>
        <translation>%1 prend %2 chiffres, ou %3 avec le chiffre de contrôle : %4 en a %5.</translation>
    </message>
    <message>
        <source>The check digit of the %1 number %2 is %3; it should be %4.</source>
        <translation>Le chiffre de contrôle du numéro %1 %2 est %3 ; il devrait être %4.</translation>
    </message>
    <message>
        <source>%1 has no text to encode: the text is empty.</source>
        <translation>%1 n’a pas de texte à coder : le texte est vide.</translation>
    </message>
    <message>
        <source>The text of the %1 holds half of a pair of UTF-16 units, which no code can hold.</source>
        <translation>Le texte du %1 contient la moitié d’une paire d’unités UTF-16, qu’aucun code ne peut contenir.</translation>
    </message>
    <message>
        <source>The text of the %1 is too long: %2 bytes, at most %3.</source>
        <translation>Le texte du %1 est trop long : %2 octets, au plus %3.</translation>
    </message>
    <message>
        <source>Code 39 has no small letters: %1 holds &quot;%2&quot;; write it in capitals.</source>
        <translation>Le Code 39 n’a pas de minuscules : %1 contient « %2 » ; écrivez-le en majuscules.</translation>
    </message>
    <message>
        <source>The %1 cannot be made: out of memory.</source>
        <translation>Le %1 ne peut pas être créé : mémoire insuffisante.</translation>
    </message>
    <message>
        <source>%1 cannot encode %2: %3</source>
        <translation>%1 ne peut pas coder %2 : %3</translation>
    </message>
    <message>
        <source>%1 cannot encode %2: the symbol came out empty.</source>
        <translation>%1 ne peut pas coder %2 : le symbole est sorti vide.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number of at most 18 digits.</source>
        <translation>« %1 » n’est pas un nombre entier d’au plus 18 chiffres.</translation>
    </message>
    <message>
        <source>The serial numbers run from %1 to %2: the first is above the last.</source>
        <translation>Les numéros de série vont de %1 à %2 : le premier est supérieur au dernier.</translation>
    </message>
    <message>
        <source>The range holds %1 numbers; at most %2 can be printed at once.</source>
        <translation>La plage contient %1 numéros ; au plus %2 peuvent être imprimés à la fois.</translation>
    </message>
    <message>
        <source>No labels are chosen: give numbers such as 2-5,9.</source>
        <translation>Aucune étiquette choisie : indiquez des numéros comme 2-5,9.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a label number or a range such as 2-5.</source>
        <translation>« %1 » n’est ni un numéro d’étiquette ni une plage comme 2-5.</translation>
    </message>
    <message>
        <source>Label %1 is not in the data, which holds labels 1 to %2.</source>
        <translation>L’étiquette %1 n’est pas dans les données, qui contiennent les étiquettes 1 à %2.</translation>
    </message>
    <message>
        <source>The job&apos;s code and serial numbers could not be read; the job has none.</source>
        <translation>Le code et les numéros de série du travail n’ont pas pu être lus ; le travail n’en a aucun.</translation>
    </message>
    <message>
        <source>Label %1: %2</source>
        <translation>Étiquette %1 : %2</translation>
    </message>
    <message>
        <source>There is no kind of code named &quot;%1&quot;.</source>
        <translation>Il n’existe aucun type de code nommé « %1 ».</translation>
    </message>
    <message>
        <source>The picture %1 does not exist.</source>
        <translation>L’image %1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>--code takes TYPE:TEXT, e.g. qrcode:ASSET-{1}, not &apos;%1&apos;.</source>
        <translation>--code prend TYPE:TEXTE, p. ex. qrcode:ASSET-{1}, pas « %1 ».</translation>
    </message>
    <message>
        <source>--code: there is no kind of code called &apos;%1&apos;; the kinds are %2 (in any letter case).</source>
        <translation>--code : il n’existe aucun type de code « %1 » ; les types sont %2 (en majuscules ou minuscules).</translation>
    </message>
    <message>
        <source>--code and --picture both fill the label&apos;s picture box: give one of them.</source>
        <translation>--code et --picture remplissent tous deux le cadre d’image de l’étiquette : n’en indiquez qu’un.</translation>
    </message>
    <message>
        <source>Printing interrupted: nothing was printed.</source>
        <translation>Impression interrompue : rien n’a été imprimé.</translation>
    </message>
    <message>
        <source>--picture: Cannot find picture file &apos;%1&apos;.</source>
        <translation>--picture : fichier image « %1 » introuvable.</translation>
    </message>
    <message>
        <source>--serial takes FROM-TO, e.g. 0001-0500, not &apos;%1&apos;.</source>
        <translation>--serial prend DE-À, p. ex. 0001-0500, pas « %1 ».</translation>
    </message>
    <message>
        <source>--serial numbers the labels in place of a data file: it cannot go with --data.</source>
        <translation>--serial numérote les étiquettes à la place d’un fichier de données : il ne peut pas aller avec --data.</translation>
    </message>
    <message>
        <source>--data-format takes csv, tsv or text, not &apos;%1&apos;.</source>
        <translation>--data-format prend csv, tsv ou text, pas « %1 ».</translation>
    </message>
    <message>
        <source>--data-format is for data read from standard input (--data -); a data file is read as its name says (.csv, .tsv, .tab: a table; any other: text).</source>
        <translation>--data-format vaut pour les données lues sur l’entrée standard (--data -) ; un fichier de données est lu comme son nom l’indique (.csv, .tsv, .tab : un tableau ; tout autre : du texte).</translation>
    </message>
    <message>
        <source>--header is for table data (.csv, .tsv or .tab, or --data-format csv or tsv); %1 is read as text.</source>
        <translation>--header vaut pour les données en tableau (.csv, .tsv ou .tab, ou --data-format csv ou tsv) ; %1 est lu comme du texte.</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>l’entrée standard</translation>
    </message>
    <message>
        <source>--header is for table data; serial numbers have no header row.</source>
        <translation>--header vaut pour les données en tableau ; les numéros de série n’ont pas de ligne d’en-tête.</translation>
    </message>
    <message>
        <source>The job&apos;s code text cannot be filled: %1</source>
        <translation>Le texte du code du travail ne peut pas être rempli : %1</translation>
    </message>
    <message>
        <source>The job&apos;s picture name cannot be filled: %1</source>
        <translation>Le nom d’image du travail ne peut pas être rempli : %1</translation>
    </message>
    <message>
        <source>Standard input holds no labels.</source>
        <translation>L’entrée standard ne contient aucune étiquette.</translation>
    </message>
    <message>
        <source>Standard input holds more than %1 MB; data larger than %1 MB are not read.</source>
        <translation>L’entrée standard contient plus de %1 Mo ; les données de plus de %1 Mo ne sont pas lues.</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>Impossible de lire l’entrée standard : %1</translation>
    </message>
    <message>
        <source>Cannot keep the data of standard input in the temporary folder %1: %2</source>
        <translation>Impossible de conserver les données de l’entrée standard dans le dossier temporaire %1 : %2</translation>
    </message>
    <message>
        <source>1 label cannot be printed, so nothing was printed:</source>
        <translation>1 étiquette ne peut pas être imprimée, donc rien n’a été imprimé :</translation>
    </message>
    <message>
        <source>%1 labels cannot be printed, so nothing was printed:</source>
        <translation>%1 étiquettes ne peuvent pas être imprimées, donc rien n’a été imprimé :</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
    <message>
        <source>Serial numbers %1 to %2</source>
        <translation>Numéros de série %1 à %2</translation>
    </message>
    <message>
        <source>The data hold 1 label.</source>
        <translation>Les données contiennent 1 étiquette.</translation>
    </message>
    <message>
        <source>The data hold %1 labels.</source>
        <translation>Les données contiennent %1 étiquettes.</translation>
    </message>
    <message>
        <source>Printing labels %1 (%2 of %3)</source>
        <translation>Impression des étiquettes %1 (%2 sur %3)</translation>
    </message>
    <message>
        <source>Printing all labels</source>
        <translation>Impression de toutes les étiquettes</translation>
    </message>
    <message>
        <source>The code&apos;s content: %1</source>
        <translation>Contenu du code : %1</translation>
    </message>
    <message>
        <source>The picture&apos;s name: %1</source>
        <translation>Nom de l’image : %1</translation>
    </message>
    <message>
        <source>Type what the code holds, for example https://example.org/item/{SKU}.</source>
        <translation>Saisissez ce que contient le code, par exemple https://example.org/item/{SKU}.</translation>
    </message>
    <message>
        <source>1 label cannot be printed</source>
        <translation>1 étiquette ne peut pas être imprimée</translation>
    </message>
    <message>
        <source>%1 labels cannot be printed</source>
        <translation>%1 étiquettes ne peuvent pas être imprimées</translation>
    </message>
    <message>
        <source>%1:

%2

Print the other labels, leaving the slots of these empty?</source>
        <translation>%1 :

%2

Imprimer les autres étiquettes en laissant vides leurs emplacements ?</translation>
    </message>
    <message>
        <source>Usage: gorvin --print JOB.GVJ [options]
  or:  gorvin --help | -h
  or:  gorvin --version

Prints the labels of a job without opening a window, as File &gt; Print does:
all pages, after reading the data file the job names.

  --output FILE.pdf  write a PDF of the template&apos;s paper size instead of
                     printing (no calibration, no printer margins); only a
                     new name or an ordinary file is written, never a
                     folder, device or pipe
  --printer NAME     print on this printer with its stored calibration
                     (without --output or --printer: the default printer)
  --pages FROM-TO    print only these pages (or --pages N for one page)
  --copies N         number of copies, 1 to 9999
  --collate          print the range once per copy (1 2 3 1 2 3); without it
                     the printer makes the copies of each page (a PDF file
                     gets each page N times in a row: 1 1 2 2 3 3)
  --outline          print the template&apos;s outline page instead, as
                     Template &gt; Print does
  --data FILE        read the labels from FILE instead of the job&apos;s data file
  --data -           read the labels from standard input (text blocks,
                     unless --data-format says otherwise); picture names
                     in the data are taken from the current folder
  --data-format csv|tsv|text
                     what standard input holds (with --data - only)
  --serial FROM-TO   print serial numbers instead of data, e.g. 0007-0012
                     (written as wide as FROM); a label&apos;s field {1} is its
                     number (at most 10 000 000 numbers)
  --rows LIST        print only these labels, e.g. 2-5,9, as the data
                     counts them (table rows without the names row, text
                     blocks, serial numbers), packed from the start position;
                     the job file is not changed
  --start N          start at label position N of the first sheet
  --repeat N         print every label N times
                     (--start and --repeat are kept between 1 and the labels
                     of one sheet, as the Start and Repeat boxes keep them)
  --layout LAYOUT    the label&apos;s lines, \n between them, with {Name} for the
                     table column of that name or {1}, {2} by position (a
                     text block&apos;s lines, a serial number), {#} for the
                     label&apos;s number in the data, e.g.
                     --layout &quot;{Name}\n{Street}\n{Zip} {City}&quot;; a line
                     whose fields are all empty is left out (default:
                     every non-empty field on a line of its own)
  --header yes|no    whether the table&apos;s first row holds column names
                     (default: as the job says, or as the row looks)
  --code TYPE:TEXT   draw a code in the picture&apos;s place, its text filled
                     from each label&apos;s fields, e.g. qrcode:ASSET-{1}; TYPE
                     is qrcode, datamatrix, code128, gs1-128, ean13, upca,
                     code39, pdf417 or aztec, in any letter case
  --picture NAME     show this picture on every label; with fields, e.g.
                     photos/{Photo}, each label its own (relative names
                     from the data file&apos;s folder)
  --help, -h         show this text
  --version          show the program&apos;s version

Every label is checked before anything is printed: a code that cannot be
made or a picture that cannot be read prints nothing and names the labels.

Exit status: 0 printed; 1 the job, its data or a label cannot be read;
2 usage error; 3 printing failed; 129, 130 or 143 interrupted (SIGHUP,
SIGINT, SIGTERM): nothing printed.
</source>
        <translation>Usage : gorvin --print TRAVAIL.GVJ [options]
  ou :  gorvin --help | -h
  ou :  gorvin --version

Imprime les étiquettes d’un travail sans ouvrir de fenêtre, comme le fait
Fichier &gt; Imprimer : toutes les pages, après lecture du fichier de données
indiqué par le travail.

  --output FICHIER.pdf
                     écrire un PDF au format de papier du modèle au lieu
                     d’imprimer (sans calibrage, sans marges d’imprimante) ;
                     seul un nouveau nom ou un fichier ordinaire est écrit,
                     jamais un dossier, un périphérique ou un tube
  --printer NOM      imprimer sur cette imprimante avec son calibrage
                     enregistré (sans --output ni --printer : l’imprimante
                     par défaut)
  --pages DE-À       n’imprimer que ces pages (ou --pages N pour une page)
  --copies N         nombre d’exemplaires, de 1 à 9999
  --collate          imprimer la plage une fois par exemplaire (1 2 3 1 2 3) ;
                     sans cette option, l’imprimante fait les exemplaires de
                     chaque page (un fichier PDF reçoit chaque page N fois de
                     suite : 1 1 2 2 3 3)
  --outline          imprimer plutôt la page de contour du modèle, comme le
                     fait Modèle &gt; Imprimer
  --data FICHIER     lire les étiquettes dans FICHIER au lieu du fichier de
                     données du travail
  --data -           lire les étiquettes sur l’entrée standard (blocs de
                     texte, sauf si --data-format dit autre chose) ; les noms
                     d’images des données partent du dossier courant
  --data-format csv|tsv|text
                     ce que contient l’entrée standard (avec --data -
                     seulement)
  --serial DE-À      imprimer des numéros de série au lieu de données, p. ex.
                     0007-0012 (écrits aussi larges que DE) ; le champ {1}
                     d’une étiquette est son numéro (au plus 10 000 000
                     numéros)
  --rows LISTE       n’imprimer que ces étiquettes, p. ex. 2-5,9, comptées
                     comme dans les données (lignes du tableau sans la ligne
                     des noms, blocs de texte, numéros de série), à la suite
                     depuis la position de départ ; le fichier de travail
                     n’est pas modifié
  --start N          commencer à la position d’étiquette N de la première
                     planche
  --repeat N         imprimer chaque étiquette N fois
                     (--start et --repeat restent entre 1 et le nombre
                     d’étiquettes d’une planche, comme les cases Commencer
                     et Répéter)
  --layout DISPOSITION
                     les lignes de l’étiquette, \n entre elles, avec {Nom}
                     pour la colonne du tableau de ce nom ou {1}, {2} par
                     position (les lignes d’un bloc de texte, un numéro de
                     série), {#} pour le numéro de l’étiquette dans les
                     données, p. ex.
                     --layout &quot;{Name}\n{Street}\n{Zip} {City}&quot; ; une ligne
                     dont tous les champs sont vides est omise (par défaut :
                     chaque champ non vide sur sa propre ligne)
  --header yes|no    si la première ligne du tableau contient les noms des
                     colonnes (par défaut : selon le travail, ou selon
                     l’allure de la ligne)
  --code TYPE:TEXTE  dessiner un code à la place de l’image, son texte rempli
                     à partir des champs de chaque étiquette, p. ex.
                     qrcode:ASSET-{1} ; TYPE est qrcode, datamatrix, code128,
                     gs1-128, ean13, upca, code39, pdf417 ou aztec, en
                     majuscules ou minuscules
  --picture NOM      afficher cette image sur chaque étiquette ; avec des
                     champs, p. ex. photos/{Photo}, chaque étiquette la sienne
                     (noms relatifs au dossier du fichier de données)
  --help, -h         afficher ce texte
  --version          afficher la version du programme

Chaque étiquette est vérifiée avant toute impression : un code impossible à
créer ou une image illisible n’imprime rien et nomme les étiquettes.

Code de sortie : 0 imprimé ; 1 le travail, ses données ou une étiquette ne
peuvent pas être lus ; 2 erreur d’usage ; 3 échec de l’impression ; 129, 130
ou 143 interrompu (SIGHUP, SIGINT, SIGTERM) : rien n’a été imprimé.
</translation>
    </message>
    <message>
        <source>%1[*] — %2</source>
        <extracomment>The main window&apos;s title: the job&apos;s file name, the desktop&apos;s changed mark [*] and the program&apos;s name</extracomment>
        <translation>%1[*] — %2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>1 label</source>
        <translation>1 étiquette</translation>
    </message>
    <message>
        <source>%1 labels</source>
        <translation>%1 étiquettes</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 page</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pages</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>moins d’une minute restante</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>environ une minute restante</translation>
    </message>
    <message>
        <source>about %1 minutes left</source>
        <translation>environ %1 minutes restantes</translation>
    </message>
    <message>
        <source>about %1 hours left</source>
        <translation>environ %1 heures restantes</translation>
    </message>
    <message>
        <source>No job is open.

Open a job with File &gt; Open job (%1),
or start one with Template &gt; New... or Template &gt; New from product...,
then choose its labels&apos; data with Data &gt; Open.</source>
        <translation>Aucun travail n’est ouvert.

Ouvrez un travail avec Fichier &gt; Ouvrir un travail (%1)
ou commencez-en un avec Modèle &gt; Nouveau... ou Modèle &gt; Nouveau à partir d’un produit...,
puis choisissez les données des étiquettes avec Données &gt; Ouvrir.</translation>
    </message>
</context>
<context>
    <name>NamedWidgets</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>label</source>
        <translation>l’étiq.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>at Lab</source>
        <translation>étiq.</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Page :</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Fin</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
</context>
<context>
    <name>ProductChooser</name>
    <message>
        <source>Brand</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Label size</source>
        <translation>Taille d’étiquette</translation>
    </message>
    <message>
        <source> (the sheet of </source>
        <translation> (la planche de </translation>
    </message>
    <message>
        <source>Paper: </source>
        <translation>Papier : </translation>
    </message>
    <message>
        <source>%1 across, %2 down, labels </source>
        <translation>%1 en largeur, %2 en hauteur, étiquettes de </translation>
    </message>
    <message>
        <source>Left margin %1, top margin %2, gaps %3 across and %4 down</source>
        <translation>Marge gauche %1, marge supérieure %2, espacements %3 en largeur et %4 en hauteur</translation>
    </message>
    <message>
        <source>New template from product</source>
        <translation>Nouveau modèle à partir d’un produit</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Brand, part number or description</source>
        <translation>Marque, référence ou description</translation>
    </message>
    <message>
        <source>%1 label sheets</source>
        <translation>%1 planches d’étiquettes</translation>
    </message>
    <message>
        <source>%1 of %2 label sheets</source>
        <translation>%1 planches d’étiquettes sur %2</translation>
    </message>
</context>
<context>
    <name>Renderer</name>
    <message>
        <source>Label [%1]</source>
        <translation>Étiquette [%1]</translation>
    </message>
</context>
<context>
    <name>SelectLabelsDialog</name>
    <message>
        <source>Select labels</source>
        <translation>Sélectionner des étiquettes</translation>
    </message>
    <message>
        <source>&amp;Labels to print (for example 2-5,9):</source>
        <translation>&amp;Étiquettes à imprimer (par exemple 2-5,9) :</translation>
    </message>
    <message>
        <source>&amp;All labels</source>
        <translation>&amp;Toutes les étiquettes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SerialNumbersDialog</name>
    <message>
        <source>Serial numbers</source>
        <translation>Numéros de série</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;À :</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>milimeters</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>centimeters</source>
        <translation>centimètres</translation>
    </message>
</context>
</TS>
