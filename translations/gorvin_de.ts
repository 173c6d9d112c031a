<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Desired measurements:</source>
        <translation>Sollmaße:</translation>
    </message>
    <message>
        <source>Width=%1 Height=%2 Left=%3 Top=%4</source>
        <translation>Breite=%1 Höhe=%2 Links=%3 Oben=%4</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Anleitung:</translation>
    </message>
    <message>
        <source>Measure the Width and Height of solid box as accurately as</source>
        <translation>Messen Sie Breite und Höhe des durchgezogenen Kastens so genau</translation>
    </message>
    <message>
        <source>possible and enter your measurements on the calibration form.</source>
        <translation>wie möglich und geben Sie die Maße im Kalibrierfenster ein.</translation>
    </message>
    <message>
        <source>Print another test page and measure Left and Top of dashed box.</source>
        <translation>Weitere Testseite drucken; Links und Oben am gestrichelten Kasten messen.</translation>
    </message>
    <message>
        <source>Note: For Left and Top measure from the edge of the paper even</source>
        <translation>Hinweis: Links und Oben vom Papierrand aus messen, auch wenn</translation>
    </message>
    <message>
        <source>if your printer does not print to the edge.</source>
        <translation>Ihr Drucker nicht bis an den Rand druckt.</translation>
    </message>
    <message>
        <source>Print another test page and the dotted box should have the desired</source>
        <translation>Auf einer weiteren Testseite sollte der gepunktete Kasten die Sollmaße</translation>
    </message>
    <message>
        <source>measurements as a result of the calculation based on the entered</source>
        <translation>haben, berechnet aus den eingegebenen Maßen</translation>
    </message>
    <message>
        <source>measurements of the solid and dashed boxes which are:</source>
        <translation>des durchgezogenen und des gestrichelten Kastens. Diese sind:</translation>
    </message>
    <message>
        <source>Width: </source>
        <translation>Breite: </translation>
    </message>
    <message>
        <source>Height: </source>
        <translation>Höhe: </translation>
    </message>
    <message>
        <source>Left: </source>
        <translation>Links: </translation>
    </message>
    <message>
        <source>Top: </source>
        <translation>Oben: </translation>
    </message>
    <message>
        <source>Last calibration data:</source>
        <translation>Letzte Kalibrierdaten:</translation>
    </message>
    <message>
        <source>Printer name: </source>
        <translation>Druckername: </translation>
    </message>
    <message>
        <source>Last calibrated: </source>
        <translation>Zuletzt kalibriert: </translation>
    </message>
    <message>
        <source>Last calibration:</source>
        <translation>Letzte Kalibrierung:</translation>
    </message>
</context>
<context>
    <name>FieldsDialog</name>
    <message>
        <source>Fields</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>First rows of the data file:</source>
        <translation>Erste Zeilen der Datendatei:</translation>
    </message>
    <message>
        <source>First row holds column names</source>
        <translation>Erste Zeile enthält die Spaltennamen</translation>
    </message>
    <message>
        <source>Fields:</source>
        <translation>Felder:</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Every field a line</source>
        <translation>&amp;Jedes Feld eine Zeile</translation>
    </message>
    <message>
        <source>Label &amp;layout:</source>
        <translation>Etiketten&amp;aufbau:</translation>
    </message>
    <message>
        <source>Empty: every field of a row on a line of its own</source>
        <translation>Leer: jedes Feld einer Zeile auf einer eigenen Zeile</translation>
    </message>
    <message>
        <source>The first labels as they will print:</source>
        <translation>Die ersten Etiketten, wie sie gedruckt werden:</translation>
    </message>
</context>
<context>
    <name>FormABOUT</name>
    <message>
        <source>Click to open</source>
        <translation>Zum Öffnen klicken</translation>
    </message>
    <message>
        <source> About box</source>
        <translation> – Info</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>Copyright © %1. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>A simple labelling solution</source>
        <translation>Etiketten drucken leicht gemacht</translation>
    </message>
    <message>
        <source>Please email us with any requests, comments or questions at:</source>
        <translation>Wünsche, Anmerkungen oder Fragen senden Sie uns bitte per E-Mail an:</translation>
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
        <translation>Die KURZE Anleitung:
1. Eine Testseite drucken.
2. Breite und Höhe messen und die Maße eingeben.
3. Eine weitere Testseite drucken.
4. Links und oben (vom Papierrand aus) messen und die Maße eingeben.
5. OK drücken.

Etwas ausführlicher:

Kaum ein Drucker setzt eine Seite genau dorthin, wo er soll. Die meisten strecken oder stauchen das Bild ein wenig und verschieben es ein wenig nach rechts oder unten. Sobald %1 weiß, um wie viel, gleicht es das aus: Es skaliert und verschiebt alles, was es auf diesem Drucker druckt.

Die Testseite hat drei Kästen. Der durchgezogene Kasten ist die Referenz: Er wird ganz ohne Korrektur gezeichnet. Der gestrichelte Kasten ist der durchgezogene, skaliert mit der Breite und Höhe, die Sie am durchgezogenen Kasten gemessen haben. Der gepunktete Kasten ist ebenso skaliert und zusätzlich um die Werte für links und oben verschoben, die Sie am gestrichelten Kasten gemessen haben. Wo zwei Kästen an derselben Stelle liegen, verdeckt einer den anderen.

Die Maße, die die Kästen haben sollten, stehen auf der Seite, in den Einheiten, die Sie für %1 gewählt haben.

Schritt für Schritt:
1. Eine Testseite drucken.
2. Zuerst den Maßstab richtigstellen: Breite und Höhe des durchgezogenen Kastens so genau wie möglich messen und eingeben.
3. Eine weitere Testseite drucken. Der gestrichelte Kasten sollte nun die gewünschte Breite und Höhe haben.
4. Links und oben am gestrichelten Kasten vom Papierrand aus messen, auch wenn Ihr Drucker nicht bis an den Rand druckt, und die Werte eingeben.
5. Eine weitere Testseite drucken. Der gepunktete Kasten sollte nun in der gewünschten Größe an der richtigen Stelle sitzen.
6. Stimmt es noch nicht ganz, die Maße leicht ändern und erneut drucken, bis es stimmt; dann OK drücken.

OK behält Ihre Maße und verwendet sie von nun an immer, wenn %1 auf diesem Drucker druckt. Abbrechen verwirft sie und lässt den Drucker, wie er war. Werden die Sollmaße selbst eingegeben, entfällt jede Korrektur.

Anderes Papier, etwa ein Etikettenbogen, läuft womöglich etwas anders durch den Drucker als Normalpapier; eine letzte Testseite auf dem Material, das Sie tatsächlich verwenden, ist den Bogen wert.

Nichts davon ändert etwas am Drucker selbst, nur die Art, wie %1 auf ihm druckt.
</translation>
    </message>
    <message>
        <source>Calibrate printer</source>
        <translation>Drucker kalibrieren</translation>
    </message>
    <message>
        <source>Print calibration page</source>
        <translation>Kalibrierseite drucken</translation>
    </message>
    <message>
        <source>Current printer:</source>
        <translation>Aktueller Drucker:</translation>
    </message>
    <message>
        <source>Last calibrated: </source>
        <translation>Zuletzt kalibriert: </translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Oben:</translation>
    </message>
    <message>
        <source>WIDTH</source>
        <translation>BREITE</translation>
    </message>
    <message>
        <source>HEIGHT</source>
        <translation>HÖHE</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>LINKS</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>OBEN</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>ANLEITUNG</translation>
    </message>
</context>
<context>
    <name>FormFORMAT</name>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>PNG images</source>
        <translation>PNG-Bilder</translation>
    </message>
    <message>
        <source>JPEG images</source>
        <translation>JPEG-Bilder</translation>
    </message>
    <message>
        <source>GIF images</source>
        <translation>GIF-Bilder</translation>
    </message>
    <message>
        <source>SVG drawings</source>
        <translation>SVG-Zeichnungen</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <translation>Alle (%1)</translation>
    </message>
    <message>
        <source>Format labels</source>
        <translation>Etiketten formatieren</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Show border</source>
        <translation>Rand anzeigen</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Farbe...</translation>
    </message>
    <message>
        <source>Colour of the border line</source>
        <translation>Farbe der Randlinie</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Text alignment</source>
        <translation>Textausrichtung</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Text justification</source>
        <translation>Textbündigkeit</translation>
    </message>
    <message>
        <source>Justify</source>
        <translation>Bündigkeit</translation>
    </message>
    <message>
        <source>Font settings...</source>
        <translation>Schrifteinstellungen...</translation>
    </message>
    <message>
        <source>Shrink text to fit in label</source>
        <translation>Text verkleinern, bis er auf das Etikett passt</translation>
    </message>
    <message>
        <source>Save format defaults</source>
        <translation>Formatvorgaben speichern</translation>
    </message>
    <message>
        <source>Save these format settings</source>
        <translation>Diese Formateinstellungen</translation>
    </message>
    <message>
        <source>as default for new jobs.</source>
        <translation>als Vorgabe für neue Aufträge speichern.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Show Picture</source>
        <translation>Bild anzeigen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Fit to label</source>
        <translation>An Etikett anpassen</translation>
    </message>
    <message>
        <source>Keep ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Left %</source>
        <translation>Links %</translation>
    </message>
    <message>
        <source>Top %</source>
        <translation>Oben %</translation>
    </message>
    <message>
        <source>Width %</source>
        <translation>Breite %</translation>
    </message>
    <message>
        <source>Height %</source>
        <translation>Höhe %</translation>
    </message>
    <message>
        <source>Picture Controls</source>
        <translation>Bildeinstellungen</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Bilddatei</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>or type a name, with fields: photos/{Photo}</source>
        <translation>oder einen Namen eingeben, mit Feldern: photos/{Photo}</translation>
    </message>
    <message>
        <source>Picture File Name:</source>
        <translation>Name der Bilddatei:</translation>
    </message>
    <message>
        <source>To use these values check the relevent checkboxes</source>
        <translation>Um diese Werte zu verwenden, die zugehörigen Kästchen ankreuzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 pt</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>fett</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>kursiv</translation>
    </message>
    <message>
        <source>underlined</source>
        <translation>unterstrichen</translation>
    </message>
    <message>
        <source>struck out</source>
        <translation>durchgestrichen</translation>
    </message>
    <message>
        <source>Choose a picture for the labels</source>
        <translation>Ein Bild für die Etiketten wählen</translation>
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
        <translation>%1 ETIKETTENDRUCK

%2 druckt Adressetiketten und andere kurze Texte aus einer einfachen Textdatei auf Bogen mit selbstklebenden Etiketten. Es soll einfach sein: eine Datendatei, ein Etikettenbogen, ein Aussehen für alle Etiketten.

SCHNELLSTART

Wählen Sie „Assistent für neuen Auftrag...“ im Menü „Datei“. Er führt Sie nacheinander durch die unten beschriebenen Schritte: den Etikettenbogen, die Datendatei und das Aussehen der Etiketten.

SCHRITT FÜR SCHRITT

1. Legen Sie mit Vorlage/Neu... eine Vorlage an und geben Sie die Größe des Bogens ein (das Papierformat des Etikettenbogens).

2. Geben Sie mit Vorlage/Layout bearbeiten... die Maße der Etiketten ein: wie viele Etiketten waagerecht und senkrecht, den linken und oberen Rand, Breite und Höhe eines Etiketts und die Abstände zwischen den Etiketten.

3. Drucken Sie die Vorlage mit Vorlage/Drucken auf Normalpapier und halten Sie sie gegen einen Etikettenbogen. Ist der Druck verschoben oder verzerrt, kalibrieren Sie den Drucker mit Datei/Drucker kalibrieren.... Speichern Sie die Vorlage mit Vorlage/Speichern unter..., damit Sie sie wiederverwenden können.

4. Erstellen Sie in einem beliebigen Texteditor eine einfache Textdatei mit den Daten. Aufeinanderfolgende Zeilen ergeben ein Etikett; eine Leerzeile trennt ein Etikett vom nächsten.

5. Öffnen Sie die Datendatei mit Daten/Öffnen.

6. Ändern Sie den Rand (standardmäßig 2 mm), die Ausrichtung, die Bündigkeit und die Schrift mit Datei/Etiketten formatieren.... Drücken Sie dort „Formatvorgaben speichern“, wenn neue Aufträge mit denselben Einstellungen beginnen sollen.

7. Prüfen Sie die Vorschau im Hauptfenster und speichern Sie den Auftrag dann mit Datei/Auftrag speichern unter....

8. Wenn Sie die Datendatei in einem anderen Programm bearbeiten, speichern und schließen Sie sie dort und drücken Sie dann in %2 auf „Daten neu laden“.

9. Drucken Sie zur Probe zuerst eine Seite auf Normalpapier, dann auf einen Etikettenbogen.

10. Speichern Sie den Auftrag und drucken Sie ihn mit Datei/Drucken....

WÜNSCHE UND FRAGEN

Wir möchten gern wissen, was Sie ändern oder ergänzen würden. Schreiben Sie uns mit „E-Mail an uns...“ im Menü „Hilfe“ oder besuchen Sie unsere Website mit „Zur Website...“.
</translation>
    </message>
</context>
<context>
    <name>FormLAYOUT</name>
    <message>
        <source>Edit layout</source>
        <translation>Layout bearbeiten</translation>
    </message>
    <message>
        <source>Units = </source>
        <translation>Einheiten = </translation>
    </message>
    <message>
        <source>Paper width = </source>
        <translation>Papierbreite = </translation>
    </message>
    <message>
        <source>Paper height = </source>
        <translation>Papierhöhe = </translation>
    </message>
    <message>
        <source>Labels across</source>
        <translation>Etiketten waagerecht</translation>
    </message>
    <message>
        <source>Labels down</source>
        <translation>Etiketten senkrecht</translation>
    </message>
    <message>
        <source>Left margin</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Top margin</source>
        <translation>Oberer Rand</translation>
    </message>
    <message>
        <source>Label width</source>
        <translation>Etikettenbreite</translation>
    </message>
    <message>
        <source>Label height</source>
        <translation>Etikettenhöhe</translation>
    </message>
    <message>
        <source>Horizontal gap</source>
        <translation>Abstand waagerecht</translation>
    </message>
    <message>
        <source>Vertical gap</source>
        <translation>Abstand senkrecht</translation>
    </message>
</context>
<context>
    <name>FormMAIN</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New job &amp;wizard...</source>
        <translation>Assistent für neuen &amp;Auftrag...</translation>
    </message>
    <message>
        <source>&amp;Open job</source>
        <translation>Auftrag ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Reopen job</source>
        <translation>Auftrag &amp;erneut öffnen</translation>
    </message>
    <message>
        <source>&amp;Save job</source>
        <translation>Auftrag &amp;speichern</translation>
    </message>
    <message>
        <source>Save job &amp;as...</source>
        <translation>Auftrag speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Close job</source>
        <translation>Auftrag s&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Format labels...</source>
        <translation>Etiketten &amp;formatieren...</translation>
    </message>
    <message>
        <source>Cali&amp;brate printer...</source>
        <translation>Drucker &amp;kalibrieren...</translation>
    </message>
    <message>
        <source>Set &amp;up printer...</source>
        <translation>Drucker ein&amp;richten...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Vorlage</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>New from pro&amp;duct...</source>
        <translation>Neu aus &amp;Produkt...</translation>
    </message>
    <message>
        <source>&amp;Edit layout...</source>
        <translation>Layout &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Erneut öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>Da&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Fields...</source>
        <translation>&amp;Felder...</translation>
    </message>
    <message>
        <source>Serial &amp;numbers...</source>
        <translation>&amp;Seriennummern...</translation>
    </message>
    <message>
        <source>&amp;Select labels...</source>
        <translation>Etiketten &amp;auswählen...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Scale...</source>
        <translation>&amp;Maßstab...</translation>
    </message>
    <message>
        <source>Set &amp;units...</source>
        <translation>&amp;Einheiten festlegen...</translation>
    </message>
    <message>
        <source>Software settings...</source>
        <translation>Programmeinstellungen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>Go to web site...</source>
        <translation>Zur Website...</translation>
    </message>
    <message>
        <source>Email us...</source>
        <translation>E-Mail an uns...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Open text file</source>
        <translation>Textdatei öffnen</translation>
    </message>
    <message>
        <source>Job file:</source>
        <translation>Auftragsdatei:</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Vorlage:</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Daten:</translation>
    </message>
    <message>
        <source>Reload data</source>
        <translation>Daten neu laden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Next page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>&amp;Previous page</source>
        <translation>&amp;Vorige Seite</translation>
    </message>
    <message>
        <source>&amp;First page</source>
        <translation>&amp;Erste Seite</translation>
    </message>
    <message>
        <source>&amp;Last page</source>
        <translation>&amp;Letzte Seite</translation>
    </message>
</context>
<context>
    <name>FormNEWPAPER</name>
    <message>
        <source>Select paper type</source>
        <translation>Papierformat wählen</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>A4 Portrait </source>
        <translation>A4 Hochformat </translation>
    </message>
    <message>
        <source>A4 Landscape </source>
        <translation>A4 Querformat </translation>
    </message>
    <message>
        <source>Letter Portrait </source>
        <translation>Letter Hochformat </translation>
    </message>
    <message>
        <source>Letter Landscape </source>
        <translation>Letter Querformat </translation>
    </message>
</context>
<context>
    <name>FormRTFHelp</name>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>FormSCALE</name>
    <message>
        <source>Set page scale</source>
        <translation>Seitenmaßstab festlegen</translation>
    </message>
    <message>
        <source>Set page viewing scale:</source>
        <translation>Anzeigemaßstab der Seite:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FormSETTINGS</name>
    <message>
        <source>Software settings</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save desktop</source>
        <translation>Fensteranordnung speichern</translation>
    </message>
    <message>
        <source>Save settings (scale, units, etc.)</source>
        <translation>Einstellungen speichern (Maßstab, Einheiten usw.)</translation>
    </message>
    <message>
        <source>Save file info (e.g. reopen list)</source>
        <translation>Dateiinformationen speichern (z. B. Liste zuletzt geöffneter Dateien)</translation>
    </message>
    <message>
        <source>View options</source>
        <translation>Anzeigeoptionen</translation>
    </message>
    <message>
        <source>Show labels</source>
        <translation>Etiketten anzeigen</translation>
    </message>
    <message>
        <source>Show template</source>
        <translation>Vorlage anzeigen</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
</context>
<context>
    <name>FormSETUNITS</name>
    <message>
        <source>Set units</source>
        <translation>Einheiten festlegen</translation>
    </message>
    <message>
        <source>Units of measurement</source>
        <translation>Maßeinheiten</translation>
    </message>
</context>
<context>
    <name>JobController</name>
    <message>
        <source>Job files (*.GVJ *.gvj);;Locked job files (*.GVL *.gvl);;All job files (*.GVJ *.gvj *.GVL *.gvl)</source>
        <translation>Auftragsdateien (*.GVJ *.gvj);;Gesperrte Auftragsdateien (*.GVL *.gvl);;Alle Auftragsdateien (*.GVJ *.gvj *.GVL *.gvl)</translation>
    </message>
    <message>
        <source>Job files (*.GVJ *.gvj)</source>
        <translation>Auftragsdateien (*.GVJ *.gvj)</translation>
    </message>
    <message>
        <source>Cannot overwrite a locked job.</source>
        <translation>Ein gesperrter Auftrag kann nicht überschrieben werden.</translation>
    </message>
    <message>
        <source>Template files (*.GVT *.gvt);;Locked template files (*.GVR *.gvr);;All template files (*.GVT *.gvt *.GVR *.gvr)</source>
        <translation>Vorlagendateien (*.GVT *.gvt);;Gesperrte Vorlagendateien (*.GVR *.gvr);;Alle Vorlagendateien (*.GVT *.gvt *.GVR *.gvr)</translation>
    </message>
    <message>
        <source>Template files (*.GVT *.gvt)</source>
        <translation>Vorlagendateien (*.GVT *.gvt)</translation>
    </message>
    <message>
        <source>Cannot overwrite a locked template.</source>
        <translation>Eine gesperrte Vorlage kann nicht überschrieben werden.</translation>
    </message>
    <message>
        <source>Save job as</source>
        <translation>Auftrag speichern unter</translation>
    </message>
    <message>
        <source>Open template</source>
        <translation>Vorlage öffnen</translation>
    </message>
    <message>
        <source>Open job</source>
        <translation>Auftrag öffnen</translation>
    </message>
    <message>
        <source>Save template as</source>
        <translation>Vorlage speichern unter</translation>
    </message>
    <message>
        <source>Open data</source>
        <translation>Daten öffnen</translation>
    </message>
    <message>
        <source>Data files (*.TXT *.txt *.CSV *.csv *.TSV *.tsv *.TAB *.tab);;Text files (*.TXT *.txt);;Tables (*.csv *.CSV *.tsv *.TSV *.tab *.TAB);;All files (*)</source>
        <translation>Datendateien (*.TXT *.txt *.CSV *.csv *.TSV *.tsv *.TAB *.tab);;Textdateien (*.TXT *.txt);;Tabellen (*.csv *.CSV *.tsv *.TSV *.tab *.TAB);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Label sheets by product code come from the label catalogue that the package %1 installs in %2.
<byte value="xd"/>Install it (for example with: sudo apt install %1) and choose this command again.</source>
        <translation>Etikettenbogen nach Produktnummer stammen aus dem Etikettenkatalog, den das Paket %1 in %2 installiert.
<byte value="xd"/>Installieren Sie es (zum Beispiel mit: sudo apt install %1) und wählen Sie diesen Befehl erneut.</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot find file &apos;%1&apos;</source>
        <translation>Die Datei „%1“ wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Die Datei %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1: it is %2, not an ordinary file.</source>
        <translation>Die Datei %1 kann nicht angelegt werden: Sie ist %2, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Die Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is a folder, not %2</source>
        <translation>%1 ist ein Ordner, nicht %2</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Fehler beim Schreiben des Datenstroms</translation>
    </message>
    <message>
        <source>Stream error occured with message
<byte value="xd"/>%1</source>
        <translation>Fehler im Datenstrom mit der Meldung
<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>something other</source>
        <translation>etwas anderes</translation>
    </message>
    <message>
        <source>Invalid or corrupt job file.</source>
        <translation>Ungültige oder beschädigte Auftragsdatei.</translation>
    </message>
    <message>
        <source>The file holds %1 MB; job and template files larger than %2 MB are not read</source>
        <translation>Die Datei umfasst %1 MB; Auftrags- und Vorlagendateien über %2 MB werden nicht gelesen</translation>
    </message>
    <message>
        <source>The job&apos;s table settings cannot be read: the table is laid out by the default settings.</source>
        <translation>Die Tabelleneinstellungen des Auftrags können nicht gelesen werden: Die Tabelle wird nach den Standardeinstellungen angeordnet.</translation>
    </message>
    <message>
        <source>Not where the job names them, so taken from the job&apos;s folder: %1</source>
        <translation>Nicht dort, wo der Auftrag sie angibt, daher aus dem Ordner des Auftrags genommen: %1</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: %2 opens job files (.GVJ, .GVL) and template files (.GVT, .GVR).</source>
        <translation>„%1“ kann nicht geöffnet werden: %2 öffnet Auftragsdateien (.GVJ, .GVL) und Vorlagendateien (.GVT, .GVR).</translation>
    </message>
    <message>
        <source>The template &apos;%1&apos; given with /T= opens only with a data file given with /D=.</source>
        <translation>Die mit /T= angegebene Vorlage „%1“ lässt sich nur mit einer mit /D= angegebenen Datendatei öffnen.</translation>
    </message>
    <message>
        <source>%1: Unknown option %2.
</source>
        <translation>%1: Unbekannte Option %2.
</translation>
    </message>
    <message>
        <source>The last command did not finish.</source>
        <translation>Der letzte Befehl wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>Es ist nicht genügend Speicher vorhanden.</translation>
    </message>
    <message>
        <source>Unexpected error: %1</source>
        <translation>Unerwarteter Fehler: %1</translation>
    </message>
    <message>
        <source>Cannot draw page %1 of the preview</source>
        <translation>Seite %1 der Vorschau kann nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>Current units not catered for in
<byte value="xd"/>FUNCTION %1 in UTILSMATH</source>
        <translation>Die aktuellen Einheiten werden nicht unterstützt in
<byte value="xd"/>FUNKTION %1 in UTILSMATH</translation>
    </message>
    <message>
        <source>a data file</source>
        <translation>eine Datendatei</translation>
    </message>
    <message>
        <source>The file %1 holds %2 MB; data files larger than %3 MB are not read.</source>
        <translation>Die Datei %1 umfasst %2 MB; Datendateien über %3 MB werden nicht gelesen.</translation>
    </message>
    <message>
        <source>The file %1 is UTF-32 text, which is not read; save it as UTF-8 (or UTF-16).</source>
        <translation>Die Datei %1 ist UTF-32-Text, der nicht gelesen wird; speichern Sie sie als UTF-8 (oder UTF-16).</translation>
    </message>
    <message>
        <source>%1 is not a valid value.</source>
        <translation>%1 ist kein gültiger Wert.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid number.</source>
        <translation>%1: „%2“ ist keine gültige Zahl.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid positive number.</source>
        <translation>%1: „%2“ ist keine gültige positive Zahl.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid positive integer</source>
        <translation>%1: „%2“ ist keine gültige positive ganze Zahl</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid positive number</source>
        <translation>%1: „%2“ ist keine gültige positive Zahl</translation>
    </message>
    <message>
        <source>Invalid dimensions.</source>
        <translation>Ungültige Maße.</translation>
    </message>
    <message>
        <source>Labels do not fit on page.</source>
        <translation>Die Etiketten passen nicht auf die Seite.</translation>
    </message>
    <message>
        <source>Defaults saved.</source>
        <translation>Vorgaben gespeichert.</translation>
    </message>
    <message>
        <source>No label catalogue was found in %1.
<byte value="xd"/></source>
        <translation>In %1 wurde kein Etikettenkatalog gefunden.
<byte value="xd"/></translation>
    </message>
    <message>
        <source>The label catalogue in %1 holds no label sheet that a template can be made from.
<byte value="xd"/></source>
        <translation>Der Etikettenkatalog in %1 enthält keinen Etikettenbogen, aus dem eine Vorlage erstellt werden kann.
<byte value="xd"/></translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Es ist kein Drucker installiert.</translation>
    </message>
    <message>
        <source>No printer is installed. Add a printer to the print system first.</source>
        <translation>Es ist kein Drucker installiert. Fügen Sie zuerst im Drucksystem einen Drucker hinzu.</translation>
    </message>
    <message>
        <source>A print is in progress.
<byte value="xd"/>Wait for it to finish, or close the program to abort it.</source>
        <translation>Ein Druck läuft gerade.
<byte value="xd"/>Warten Sie, bis er fertig ist, oder schließen Sie das Programm, um ihn abzubrechen.</translation>
    </message>
    <message>
        <source>Printing in operation.
<byte value="xd"/>Do you wish to abort print job?</source>
        <translation>Es wird gerade gedruckt.
<byte value="xd"/>Möchten Sie den Druckauftrag abbrechen?</translation>
    </message>
    <message>
        <source>The data file holds no labels: there is nothing to print.</source>
        <translation>Die Datendatei enthält keine Etiketten: Es gibt nichts zu drucken.</translation>
    </message>
    <message>
        <source>The chosen pages hold nothing to print.</source>
        <translation>Die gewählten Seiten enthalten nichts zu drucken.</translation>
    </message>
    <message>
        <source>%1 pages sent to %2</source>
        <translation>%1 Seiten an %2 gesendet</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Printing aborted: nothing was printed.</source>
        <translation>Druck abgebrochen: Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printer did not take the document.</source>
        <translation>Der Drucker hat das Dokument nicht angenommen.</translation>
    </message>
    <message>
        <source>The printer did not take the page.</source>
        <translation>Der Drucker hat die Seite nicht angenommen.</translation>
    </message>
    <message>
        <source>Not printing?</source>
        <translation>Druckt nicht?</translation>
    </message>
    <message>
        <source>Printing failed: %1</source>
        <translation>Drucken fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Your job contains %1 pages.
<byte value="xd"/>Windows print routine curently
<byte value="xd"/>supports a maximum of %2 pages.</source>
        <translation>Ihr Auftrag umfasst %1 Seiten.
<byte value="xd"/>Die Druckroutine unterstützt derzeit
<byte value="xd"/>höchstens %2 Seiten.</translation>
    </message>
    <message>
        <source>the print has %1 pages; one document can hold at most %2.</source>
        <translation>der Druck hat %1 Seiten; ein Dokument kann höchstens %2 enthalten.</translation>
    </message>
    <message>
        <source>Cannot print to &apos;%1&apos;: it is %2, not an ordinary file.</source>
        <translation>In „%1“ kann nicht gedruckt werden: Es ist %2, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>the file %1 was not written completely</source>
        <translation>die Datei %1 wurde nicht vollständig geschrieben</translation>
    </message>
    <message>
        <source>no usable font: neither &apos;%1&apos; nor any font in its place has letters to print (install fonts, for example the package fonts-liberation).</source>
        <translation>keine brauchbare Schrift: Weder „%1“ noch eine Ersatzschrift hat druckbare Zeichen (installieren Sie Schriften, zum Beispiel das Paket fonts-liberation).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is %2, and a scale must lie between %3 and %4.</source>
        <translation>%1 ist %2, ein Maßstab muss aber zwischen %3 und %4 liegen.</translation>
    </message>
    <message>
        <source>%1 is %2 (%3 mm), which moves the print off the paper, %4 mm %5.</source>
        <translation>%1 ist %2 (%3 mm), womit der Druck das Papier verlässt, %4 mm %5.</translation>
    </message>
    <message>
        <source>The calibration stored for printer &apos;%1&apos; cannot be used: %2
<byte value="xd"/>Calibrate the printer again with File &gt; Calibrate printer.</source>
        <translation>Die für den Drucker „%1“ gespeicherte Kalibrierung ist nicht verwendbar: %2
<byte value="xd"/>Kalibrieren Sie den Drucker erneut mit Datei &gt; Drucker kalibrieren.</translation>
    </message>
    <message>
        <source>The %1 cannot be 0.</source>
        <translation>%1 darf nicht 0 sein.</translation>
    </message>
    <message>
        <source>The %1 must be at least %2 %3 (a smaller one means a scale above %4).</source>
        <translation>%1 muss mindestens %2 %3 betragen (ein kleinerer Wert bedeutet einen Maßstab über %4).</translation>
    </message>
    <message>
        <source>
<byte value="xd"/>Enter the %1 of the solid box as measured on the test page.</source>
        <translation>
<byte value="xd"/>Geben Sie für „%1“ den Wert des durchgezogenen Kastens ein, wie auf der Testseite gemessen.</translation>
    </message>
    <message>
        <source>Only %1 %2 %3 adjustment allowed.</source>
        <translation>Für %3 ist nur eine Korrektur von %1 %2 erlaubt.</translation>
    </message>
    <message>
        <source>The error log %1 could not be written: %2</source>
        <translation>Das Fehlerprotokoll %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Version number not available.</source>
        <translation>Versionsnummer nicht verfügbar.</translation>
    </message>
    <message>
        <source>The drawing %1 is not read: it %2.</source>
        <translation>Die Zeichnung %1 wird nicht gelesen: Sie %2.</translation>
    </message>
    <message>
        <source>%1 is too large for a drawing (more than 16 MB).</source>
        <translation>%1 ist zu groß für eine Zeichnung (mehr als 16 MB).</translation>
    </message>
    <message>
        <source>%1 is not a readable SVG drawing.</source>
        <translation>%1 ist keine lesbare SVG-Zeichnung.</translation>
    </message>
    <message>
        <source>Cannot read the picture %1: %2</source>
        <translation>Das Bild %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>embeds a picture that is not a PNG, JPEG, GIF or BMP bitmap</source>
        <translation>bettet ein Bild ein, das keine PNG-, JPEG-, GIF- oder BMP-Bitmap ist</translation>
    </message>
    <message>
        <source>embeds a picture that cannot be read</source>
        <translation>bettet ein Bild ein, das nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>draws more than %1 elements through its &lt;use&gt; references</source>
        <translation>zeichnet über ihre &lt;use&gt;-Verweise mehr als %1 Elemente</translation>
    </message>
    <message>
        <source>nests &lt;use&gt; references more than %1 deep (or in a loop)</source>
        <translation>verschachtelt &lt;use&gt;-Verweise mehr als %1 Ebenen tief (oder im Kreis)</translation>
    </message>
    <message>
        <source>holds references that form a loop</source>
        <translation>enthält Verweise, die einen Kreis bilden</translation>
    </message>
    <message>
        <source>is compressed (.svgz); only plain SVG drawings are read</source>
        <translation>ist komprimiert (.svgz); nur unkomprimierte SVG-Zeichnungen werden gelesen</translation>
    </message>
    <message>
        <source>is larger than 16 MB</source>
        <translation>ist größer als 16 MB</translation>
    </message>
    <message>
        <source>declares a document type or entities</source>
        <translation>deklariert einen Dokumenttyp oder Entitäten</translation>
    </message>
    <message>
        <source>holds the processing instruction &lt;?%1?&gt;</source>
        <translation>enthält die Verarbeitungsanweisung &lt;?%1?&gt;</translation>
    </message>
    <message>
        <source>has more than %1 elements</source>
        <translation>hat mehr als %1 Elemente</translation>
    </message>
    <message>
        <source>nests elements more than %1 deep</source>
        <translation>verschachtelt Elemente mehr als %1 Ebenen tief</translation>
    </message>
    <message>
        <source>has a gradient of more than %1 stops</source>
        <translation>hat einen Farbverlauf mit mehr als %1 Stufen</translation>
    </message>
    <message>
        <source>refers to the picture &quot;%1&quot; outside it; only pictures embedded as data: URLs are read</source>
        <translation>verweist auf das Bild „%1“ außerhalb der Zeichnung; nur als data:-URLs eingebettete Bilder werden gelesen</translation>
    </message>
    <message>
        <source>embeds pictures of more than %1 million pixels together</source>
        <translation>bettet Bilder mit zusammen mehr als %1 Millionen Pixeln ein</translation>
    </message>
    <message>
        <source>refers to &quot;%1&quot; outside it</source>
        <translation>verweist auf „%1“ außerhalb der Zeichnung</translation>
    </message>
    <message>
        <source>holds more than %1 characters of text</source>
        <translation>enthält mehr als %1 Zeichen Text</translation>
    </message>
    <message>
        <source>imports a style sheet from outside it</source>
        <translation>importiert ein Stylesheet von außerhalb</translation>
    </message>
    <message>
        <source>is not well-formed XML (%1)</source>
        <translation>ist kein wohlgeformtes XML (%1)</translation>
    </message>
    <message>
        <source>The layout names the field %1, which the data does not have.</source>
        <translation>Der Aufbau nennt das Feld %1, das die Daten nicht haben.</translation>
    </message>
    <message>
        <source>The &apos;{&apos; in line %1 of the layout is not closed by &apos;}&apos;.</source>
        <translation>Die „{“ in Zeile %1 des Aufbaus wird nicht mit „}“ geschlossen.</translation>
    </message>
    <message>
        <source>%1 is no label number: after # come digits only, as in {#} or {#0001}.</source>
        <translation>%1 ist keine Etikettennummer: Nach # folgen nur Ziffern, wie in {#} oder {#0001}.</translation>
    </message>
    <message>
        <source>Row %1 opens a quoted field that is never closed; its quote mark is read as text.</source>
        <translation>Zeile %1 öffnet ein Feld in Anführungszeichen, das nie geschlossen wird; ihr Anführungszeichen wird als Text gelesen.</translation>
    </message>
    <message>
        <source> Row %1 opens another, which runs to the end of the file.</source>
        <translation> Zeile %1 öffnet ein weiteres, das bis zum Ende der Datei reicht.</translation>
    </message>
    <message>
        <source>To see a World in a Grain of Sand
<byte value="xd"/>And a Heaven in a Wild Flower,
<byte value="xd"/>Hold Infinity in the palm of your hand
<byte value="xd"/>And Eternity in an hour.
<byte value="xd"/>
<byte value="xd"/>William Blake</source>
        <translation>Die Welt zu sehn in einem Körnchen Sand
<byte value="xd"/>Und einen Himmel in der wilden Blume,
<byte value="xd"/>Halt die Unendlichkeit in deiner Hand
<byte value="xd"/>Und Ewigkeit in einer Stunde.
<byte value="xd"/>
<byte value="xd"/>William Blake</translation>
    </message>
    <message>
        <source>an error of unknown kind</source>
        <translation>ein Fehler unbekannter Art</translation>
    </message>
    <message>
        <source>FUNCTION %1 raised EFilerError [classname=%2] with message:&quot;%3&quot;</source>
        <translation>FUNKTION %1 löste EFilerError [classname=%2] aus mit der Meldung:„%3“</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Fehler beim Lesen des Datenstroms</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Invalid stream format</source>
        <translation>Ungültiges Datenstromformat</translation>
    </message>
    <message>
        <source>Invalid property path</source>
        <translation>Ungültiger Eigenschaftspfad</translation>
    </message>
    <message>
        <source>Property %1 does not exist</source>
        <translation>Die Eigenschaft %1 existiert nicht</translation>
    </message>
    <message>
        <source>Error reading %1.%2: %3</source>
        <translation>Fehler beim Lesen von %1.%2: %3</translation>
    </message>
    <message>
        <source>Class %1 not found</source>
        <translation>Klasse %1 nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid object text: %1</source>
        <translation>Ungültiger Objekttext: %1</translation>
    </message>
    <message>
        <source>&apos;object&apos; expected</source>
        <translation>„object“ erwartet</translation>
    </message>
    <message>
        <source>nested objects are not supported</source>
        <translation>verschachtelte Objekte werden nicht unterstützt</translation>
    </message>
    <message>
        <source>&apos;=&apos; expected after %1</source>
        <translation>„=“ erwartet nach %1</translation>
    </message>
    <message>
        <source>text after &apos;end&apos;</source>
        <translation>Text nach „end“</translation>
    </message>
    <message>
        <source>identifier expected</source>
        <translation>Bezeichner erwartet</translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation>nicht abgeschlossene Zeichenkette</translation>
    </message>
    <message>
        <source>bad character code</source>
        <translation>ungültiger Zeichencode</translation>
    </message>
    <message>
        <source>value expected</source>
        <translation>Wert erwartet</translation>
    </message>
    <message>
        <source>&apos;,&apos; or &apos;]&apos; expected</source>
        <translation>„,“ oder „]“ erwartet</translation>
    </message>
    <message>
        <source>bad number %1</source>
        <translation>ungültige Zahl %1</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos;</source>
        <translation>unerwartetes „%1“</translation>
    </message>
    <message>
        <source>Value (%1) missing in registry list of items.</source>
        <translation>Wert (%1) fehlt in der Liste der Einträge der Einstellungen.</translation>
    </message>
    <message>
        <source>The settings file %1 has lines that cannot be read (line %2%3). They are kept as they are, and a copy of the file as it was is kept as %4.</source>
        <translation>Die Einstellungsdatei %1 hat Zeilen, die nicht gelesen werden können (Zeile %2%3). Sie bleiben unverändert, und eine Kopie der Datei im vorigen Zustand wird als %4 aufbewahrt.</translation>
    </message>
    <message>
        <source> and more</source>
        <translation> und weitere</translation>
    </message>
    <message>
        <source>Has not been calibrated yet.</source>
        <translation>Noch nicht kalibriert.</translation>
    </message>
    <message>
        <source>Label catalogue file skipped: %1: %2</source>
        <translation>Datei des Etikettenkatalogs übersprungen: %1: %2</translation>
    </message>
    <message>
        <source>Label catalogue product skipped: %1 line %2: %3 %4: %5</source>
        <translation>Produkt des Etikettenkatalogs übersprungen: %1 Zeile %2: %3 %4: %5</translation>
    </message>
    <message>
        <source>Label catalogue product skipped: %1 line %2: the brand or part number is missing</source>
        <translation>Produkt des Etikettenkatalogs übersprungen: %1 Zeile %2: Marke oder Artikelnummer fehlt</translation>
    </message>
    <message>
        <source>the file holds no XML document</source>
        <translation>die Datei enthält kein XML-Dokument</translation>
    </message>
    <message>
        <source>the %1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; is not a length</source>
        <translation>%1 „%2“ ist keine Länge</translation>
    </message>
    <message>
        <source>the %1 &apos;%2&apos; is not a whole number</source>
        <translation>%1 „%2“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the paper size &apos;%1&apos; is not known</source>
        <translation>das Papierformat „%1“ ist unbekannt</translation>
    </message>
    <message>
        <source>&apos;equiv&apos; names %1 %2, which is not in the catalogue</source>
        <translation>„equiv“ nennt %1 %2, das nicht im Katalog steht</translation>
    </message>
    <message>
        <source>its &apos;equiv&apos; products name each other in a circle</source>
        <translation>seine „equiv“-Produkte verweisen im Kreis aufeinander</translation>
    </message>
    <message>
        <source>Cannot find data file &apos;%1&apos;</source>
        <translation>Die Datendatei „%1“ wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot load data file &apos;%1&apos;</source>
        <translation>Die Datendatei „%1“ kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Cannot load data file &apos;%1&apos;
<byte value="xd"/>%2</source>
        <translation>Die Datendatei „%1“ kann nicht geladen werden
<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The job names no data file.</source>
        <translation>Der Auftrag nennt keine Datendatei.</translation>
    </message>
    <message>
        <source>The data file &apos;%1&apos; holds no labels.</source>
        <translation>Die Datendatei „%1“ enthält keine Etiketten.</translation>
    </message>
    <message>
        <source>This looks like a table: rename it to .csv to print one label a row</source>
        <translation>Das sieht nach einer Tabelle aus: Benennen Sie sie in .csv um, um je Zeile ein Etikett zu drucken</translation>
    </message>
    <message>
        <source>First row read as column names: %1</source>
        <translation>Erste Zeile als Spaltennamen gelesen: %1</translation>
    </message>
    <message>
        <source>%1 — Data &gt; Fields to change</source>
        <translation>%1 – zum Ändern: Daten &gt; Felder</translation>
    </message>
    <message>
        <source>The layout names %1, which this table does not have: every field prints on a line of its own until it fits — Data &gt; Fields to change</source>
        <translation>Der Aufbau nennt %1, das diese Tabelle nicht hat: Jedes Feld wird auf einer eigenen Zeile gedruckt, bis es passt – zum Ändern: Daten &gt; Felder</translation>
    </message>
    <message>
        <source>%1 Every field prints on a line of its own — Data &gt; Fields to change</source>
        <translation>%1 Jedes Feld wird auf einer eigenen Zeile gedruckt – zum Ändern: Daten &gt; Felder</translation>
    </message>
    <message>
        <source>%1 (--header no prints it as a label)</source>
        <translation>%1 (--header no druckt sie als Etikett)</translation>
    </message>
    <message>
        <source>Cannot find path &quot;%1&quot;</source>
        <translation>Der Pfad „%1“ wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot save file with no name.</source>
        <translation>Eine Datei ohne Namen kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Invalid template file extension &quot;%1&quot;</source>
        <translation>Ungültige Endung für eine Vorlagendatei „%1“</translation>
    </message>
    <message>
        <source>Invalid job file extension &quot;%1&quot;</source>
        <translation>Ungültige Endung für eine Auftragsdatei „%1“</translation>
    </message>
    <message>
        <source>Overwrite &apos;%1&apos; ?</source>
        <translation>„%1“ überschreiben?</translation>
    </message>
    <message>
        <source>Save current job first?</source>
        <translation>Aktuellen Auftrag zuerst speichern?</translation>
    </message>
    <message>
        <source>Save current template first?</source>
        <translation>Aktuelle Vorlage zuerst speichern?</translation>
    </message>
    <message>
        <source>Cannot open the job &apos;%1&apos;</source>
        <translation>Der Auftrag „%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot open the template &apos;%1&apos;</source>
        <translation>Die Vorlage „%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>There is not enough memory to read %1</source>
        <translation>Es ist nicht genügend Speicher vorhanden, um %1 zu lesen</translation>
    </message>
    <message>
        <source>gorvin: %1</source>
        <translation>gorvin: %1</translation>
    </message>
    <message>
        <source>The job has no paper size to print on.</source>
        <translation>Der Auftrag hat kein Papierformat, auf das gedruckt werden kann.</translation>
    </message>
    <message>
        <source>Cannot print to &apos;%1&apos;: it is %2.</source>
        <translation>In „%1“ kann nicht gedruckt werden: Es ist %2.</translation>
    </message>
    <message>
        <source>the job file</source>
        <translation>die Auftragsdatei</translation>
    </message>
    <message>
        <source>the job&apos;s data file</source>
        <translation>die Datendatei des Auftrags</translation>
    </message>
    <message>
        <source>the job&apos;s template</source>
        <translation>die Vorlage des Auftrags</translation>
    </message>
    <message>
        <source>the job&apos;s picture</source>
        <translation>das Bild des Auftrags</translation>
    </message>
    <message>
        <source>The job has %1 pages; there is no page %2.</source>
        <translation>Der Auftrag hat %1 Seiten; es gibt keine Seite %2.</translation>
    </message>
    <message>
        <source>Printer &apos;%1&apos; not found.</source>
        <translation>Drucker „%1“ nicht gefunden.</translation>
    </message>
    <message>
        <source>No default printer.</source>
        <translation>Kein Standarddrucker.</translation>
    </message>
    <message>
        <source>Nothing to print.</source>
        <translation>Nichts zu drucken.</translation>
    </message>
    <message>
        <source>Printing aborted.</source>
        <translation>Drucken abgebrochen.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>%1 needs a %2.</source>
        <translation>%1 braucht einen %2.</translation>
    </message>
    <message>
        <source>file name</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>printer name</source>
        <translation>Druckernamen</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>%1 nimmt eine ganze Zahl von %2 bis %3, nicht „%4“.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 nimmt keinen Wert.</translation>
    </message>
    <message>
        <source>--print needs a job file.</source>
        <translation>--print braucht eine Auftragsdatei.</translation>
    </message>
    <message>
        <source>--pages takes FROM-TO with 1 &lt;= FROM &lt;= TO, not &apos;%1&apos;.</source>
        <translation>--pages nimmt VON-BIS mit 1 &lt;= VON &lt;= BIS, nicht „%1“.</translation>
    </message>
    <message>
        <source>--header takes yes or no, not &apos;%1&apos;.</source>
        <translation>--header nimmt yes oder no, nicht „%1“.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--output and --printer cannot be used together.</source>
        <translation>--output und --printer können nicht zusammen verwendet werden.</translation>
    </message>
    <message>
        <source>%1 takes digits only: %2 holds &quot;%3&quot;.</source>
        <translation>%1 nimmt nur Ziffern: %2 enthält „%3“.</translation>
    </message>
    <message>
        <source>%1 takes %2 digits, or %3 with the check digit: %4 has %5.</source>
        <translation>%1 nimmt %2 Ziffern oder %3 mit Prüfziffer: %4 hat %5.</translation>
    </message>
    <message>
        <source>The check digit of the %1 number %2 is %3; it should be %4.</source>
        <translation>Die Prüfziffer der %1-Nummer %2 ist %3; sie sollte %4 sein.</translation>
    </message>
    <message>
        <source>%1 has no text to encode: the text is empty.</source>
        <translation>%1 hat keinen Text zum Codieren: Der Text ist leer.</translation>
    </message>
    <message>
        <source>The text of the %1 holds half of a pair of UTF-16 units, which no code can hold.</source>
        <translation>Der Text des %1 enthält die Hälfte eines UTF-16-Paars, die kein Code aufnehmen kann.</translation>
    </message>
    <message>
        <source>The text of the %1 is too long: %2 bytes, at most %3.</source>
        <translation>Der Text des %1 ist zu lang: %2 Bytes, höchstens %3.</translation>
    </message>
    <message>
        <source>Code 39 has no small letters: %1 holds &quot;%2&quot;; write it in capitals.</source>
        <translation>Code 39 kennt keine Kleinbuchstaben: %1 enthält „%2“; schreiben Sie ihn in Großbuchstaben.</translation>
    </message>
    <message>
        <source>The %1 cannot be made: out of memory.</source>
        <translation>Der %1 kann nicht erstellt werden: nicht genügend Speicher.</translation>
    </message>
    <message>
        <source>%1 cannot encode %2: %3</source>
        <translation>%1 kann %2 nicht codieren: %3</translation>
    </message>
    <message>
        <source>%1 cannot encode %2: the symbol came out empty.</source>
        <translation>%1 kann %2 nicht codieren: Das Symbol ist leer geblieben.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number of at most 18 digits.</source>
        <translation>„%1“ ist keine ganze Zahl mit höchstens 18 Ziffern.</translation>
    </message>
    <message>
        <source>The serial numbers run from %1 to %2: the first is above the last.</source>
        <translation>Die Seriennummern laufen von %1 bis %2: Die erste ist größer als die letzte.</translation>
    </message>
    <message>
        <source>The range holds %1 numbers; at most %2 can be printed at once.</source>
        <translation>Der Bereich umfasst %1 Nummern; höchstens %2 können auf einmal gedruckt werden.</translation>
    </message>
    <message>
        <source>No labels are chosen: give numbers such as 2-5,9.</source>
        <translation>Keine Etiketten gewählt: Geben Sie Nummern wie 2-5,9 an.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a label number or a range such as 2-5.</source>
        <translation>„%1“ ist keine Etikettennummer und kein Bereich wie 2-5.</translation>
    </message>
    <message>
        <source>Label %1 is not in the data, which holds labels 1 to %2.</source>
        <translation>Etikett %1 ist nicht in den Daten, die die Etiketten 1 bis %2 enthalten.</translation>
    </message>
    <message>
        <source>The job&apos;s code and serial numbers could not be read; the job has none.</source>
        <translation>Code und Seriennummern des Auftrags konnten nicht gelesen werden; der Auftrag hat keine.</translation>
    </message>
    <message>
        <source>Label %1: %2</source>
        <translation>Etikett %1: %2</translation>
    </message>
    <message>
        <source>There is no kind of code named &quot;%1&quot;.</source>
        <translation>Es gibt keine Codeart namens „%1“.</translation>
    </message>
    <message>
        <source>The picture %1 does not exist.</source>
        <translation>Das Bild %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>--code takes TYPE:TEXT, e.g. qrcode:ASSET-{1}, not &apos;%1&apos;.</source>
        <translation>--code nimmt ART:TEXT, z. B. qrcode:ASSET-{1}, nicht „%1“.</translation>
    </message>
    <message>
        <source>--code: there is no kind of code called &apos;%1&apos;; the kinds are %2 (in any letter case).</source>
        <translation>--code: Es gibt keine Codeart „%1“; die Arten sind %2 (in beliebiger Schreibweise).</translation>
    </message>
    <message>
        <source>--code and --picture both fill the label&apos;s picture box: give one of them.</source>
        <translation>--code und --picture füllen beide das Bildfeld des Etiketts: Geben Sie nur eines an.</translation>
    </message>
    <message>
        <source>Printing interrupted: nothing was printed.</source>
        <translation>Drucken unterbrochen: Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>--picture: Cannot find picture file &apos;%1&apos;.</source>
        <translation>--picture: Die Bilddatei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>--serial takes FROM-TO, e.g. 0001-0500, not &apos;%1&apos;.</source>
        <translation>--serial nimmt VON-BIS, z. B. 0001-0500, nicht „%1“.</translation>
    </message>
    <message>
        <source>--serial numbers the labels in place of a data file: it cannot go with --data.</source>
        <translation>--serial nummeriert die Etiketten anstelle einer Datendatei: Es geht nicht zusammen mit --data.</translation>
    </message>
    <message>
        <source>--data-format takes csv, tsv or text, not &apos;%1&apos;.</source>
        <translation>--data-format nimmt csv, tsv oder text, nicht „%1“.</translation>
    </message>
    <message>
        <source>--data-format is for data read from standard input (--data -); a data file is read as its name says (.csv, .tsv, .tab: a table; any other: text).</source>
        <translation>--data-format gilt für Daten von der Standardeingabe (--data -); eine Datendatei wird gelesen, wie ihr Name sagt (.csv, .tsv, .tab: eine Tabelle; alle anderen: Text).</translation>
    </message>
    <message>
        <source>--header is for table data (.csv, .tsv or .tab, or --data-format csv or tsv); %1 is read as text.</source>
        <translation>--header gilt für Tabellendaten (.csv, .tsv oder .tab, oder --data-format csv oder tsv); %1 wird als Text gelesen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>die Standardeingabe</translation>
    </message>
    <message>
        <source>--header is for table data; serial numbers have no header row.</source>
        <translation>--header gilt für Tabellendaten; Seriennummern haben keine Kopfzeile.</translation>
    </message>
    <message>
        <source>The job&apos;s code text cannot be filled: %1</source>
        <translation>Der Codetext des Auftrags kann nicht gefüllt werden: %1</translation>
    </message>
    <message>
        <source>The job&apos;s picture name cannot be filled: %1</source>
        <translation>Der Bildname des Auftrags kann nicht gefüllt werden: %1</translation>
    </message>
    <message>
        <source>Standard input holds no labels.</source>
        <translation>Die Standardeingabe enthält keine Etiketten.</translation>
    </message>
    <message>
        <source>Standard input holds more than %1 MB; data larger than %1 MB are not read.</source>
        <translation>Die Standardeingabe umfasst mehr als %1 MB; Daten über %1 MB werden nicht gelesen.</translation>
    </message>
    <message>
        <source>Cannot read standard input: %1</source>
        <translation>Die Standardeingabe kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Cannot keep the data of standard input in the temporary folder %1: %2</source>
        <translation>Die Daten der Standardeingabe können nicht im temporären Ordner %1 abgelegt werden: %2</translation>
    </message>
    <message>
        <source>1 label cannot be printed, so nothing was printed:</source>
        <translation>1 Etikett kann nicht gedruckt werden, daher wurde nichts gedruckt:</translation>
    </message>
    <message>
        <source>%1 labels cannot be printed, so nothing was printed:</source>
        <translation>%1 Etiketten können nicht gedruckt werden, daher wurde nichts gedruckt:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>Serial numbers %1 to %2</source>
        <translation>Seriennummern %1 bis %2</translation>
    </message>
    <message>
        <source>The data hold 1 label.</source>
        <translation>Die Daten enthalten 1 Etikett.</translation>
    </message>
    <message>
        <source>The data hold %1 labels.</source>
        <translation>Die Daten enthalten %1 Etiketten.</translation>
    </message>
    <message>
        <source>Printing labels %1 (%2 of %3)</source>
        <translation>Gedruckt werden die Etiketten %1 (%2 von %3)</translation>
    </message>
    <message>
        <source>Printing all labels</source>
        <translation>Alle Etiketten werden gedruckt</translation>
    </message>
    <message>
        <source>The code&apos;s content: %1</source>
        <translation>Inhalt des Codes: %1</translation>
    </message>
    <message>
        <source>The picture&apos;s name: %1</source>
        <translation>Name des Bildes: %1</translation>
    </message>
    <message>
        <source>Type what the code holds, for example https://example.org/item/{SKU}.</source>
        <translation>Geben Sie ein, was der Code enthält, zum Beispiel https://example.org/item/{SKU}.</translation>
    </message>
    <message>
        <source>1 label cannot be printed</source>
        <translation>1 Etikett kann nicht gedruckt werden</translation>
    </message>
    <message>
        <source>%1 labels cannot be printed</source>
        <translation>%1 Etiketten können nicht gedruckt werden</translation>
    </message>
    <message>
        <source>%1:

%2

Print the other labels, leaving the slots of these empty?</source>
        <translation>%1:

%2

Die übrigen Etiketten drucken und die Plätze dieser leer lassen?</translation>
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
        <translation>Aufruf: gorvin --print AUFTRAG.GVJ [Optionen]
  oder: gorvin --help | -h
  oder: gorvin --version

Druckt die Etiketten eines Auftrags, ohne ein Fenster zu öffnen, wie es
Datei &gt; Drucken tut: alle Seiten, nachdem die Datendatei des Auftrags gelesen
wurde.

  --output DATEI.pdf eine PDF-Datei im Papierformat der Vorlage schreiben,
                     statt zu drucken (ohne Kalibrierung, ohne Druckerränder);
                     geschrieben wird nur ein neuer Name oder eine gewöhnliche
                     Datei, nie ein Ordner, ein Gerät oder eine Pipe
  --printer NAME     auf diesem Drucker mit seiner gespeicherten Kalibrierung
                     drucken (ohne --output oder --printer: der
                     Standarddrucker)
  --pages VON-BIS    nur diese Seiten drucken (oder --pages N für eine Seite)
  --copies N         Anzahl der Kopien, 1 bis 9999
  --collate          den Bereich einmal je Kopie drucken (1 2 3 1 2 3); ohne
                     diese Option macht der Drucker die Kopien jeder Seite
                     (eine PDF-Datei erhält jede Seite N-mal hintereinander:
                     1 1 2 2 3 3)
  --outline          stattdessen die Umrissseite der Vorlage drucken, wie es
                     Vorlage &gt; Drucken tut
  --data DATEI       die Etiketten aus DATEI lesen statt aus der Datendatei
                     des Auftrags
  --data -           die Etiketten von der Standardeingabe lesen (Textblöcke,
                     sofern --data-format nichts anderes sagt); Bildnamen in
                     den Daten gelten ab dem aktuellen Ordner
  --data-format csv|tsv|text
                     was die Standardeingabe enthält (nur mit --data -)
  --serial VON-BIS   Seriennummern statt Daten drucken, z. B. 0007-0012
                     (so breit geschrieben wie VON); das Feld {1} eines
                     Etiketts ist seine Nummer (höchstens 10 000 000 Nummern)
  --rows LISTE       nur diese Etiketten drucken, z. B. 2-5,9, so gezählt wie
                     in den Daten (Tabellenzeilen ohne die Namenszeile,
                     Textblöcke, Seriennummern), lückenlos ab der
                     Startposition; die Auftragsdatei bleibt unverändert
  --start N          bei Etikettenposition N des ersten Bogens beginnen
  --repeat N         jedes Etikett N-mal drucken
                     (--start und --repeat bleiben zwischen 1 und der Zahl
                     der Etiketten eines Bogens, wie die Felder Beginnen und
                     Jedes sie halten)
  --layout AUFBAU    die Zeilen des Etiketts, \n dazwischen, mit {Name} für
                     die Tabellenspalte dieses Namens oder {1}, {2} nach
                     Position (die Zeilen eines Textblocks, eine
                     Seriennummer), {#} für die Nummer des Etiketts in den
                     Daten, z. B. --layout &quot;{Name}\n{Street}\n{Zip} {City}&quot;;
                     eine Zeile, deren Felder alle leer sind, entfällt
                     (Vorgabe: jedes nicht leere Feld auf einer eigenen Zeile)
  --header yes|no    ob die erste Zeile der Tabelle die Spaltennamen enthält
                     (Vorgabe: wie der Auftrag sagt, oder wie die Zeile
                     aussieht)
  --code ART:TEXT    an der Stelle des Bildes einen Code zeichnen, dessen Text
                     aus den Feldern jedes Etiketts gefüllt wird, z. B.
                     qrcode:ASSET-{1}; ART ist qrcode, datamatrix, code128,
                     gs1-128, ean13, upca, code39, pdf417 oder aztec, in
                     beliebiger Schreibweise
  --picture NAME     dieses Bild auf jedem Etikett zeigen; mit Feldern, z. B.
                     photos/{Photo}, jedes Etikett sein eigenes (relative
                     Namen ab dem Ordner der Datendatei)
  --help, -h         diesen Text zeigen
  --version          die Version des Programms zeigen

Jedes Etikett wird geprüft, bevor etwas gedruckt wird: Ein Code, der sich
nicht erstellen lässt, oder ein Bild, das sich nicht lesen lässt, druckt
nichts und nennt die Etiketten.

Rückgabewert: 0 gedruckt; 1 der Auftrag, seine Daten oder ein Etikett können
nicht gelesen werden; 2 Aufruffehler; 3 Drucken fehlgeschlagen; 129, 130 oder
143 unterbrochen (SIGHUP, SIGINT, SIGTERM): nichts gedruckt.
</translation>
    </message>
    <message>
        <source>%1[*] — %2</source>
        <extracomment>The main window&apos;s title: the job&apos;s file name, the desktop&apos;s changed mark [*] and the program&apos;s name</extracomment>
        <translation>%1[*] — %2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>1 label</source>
        <translation>1 Etikett</translation>
    </message>
    <message>
        <source>%1 labels</source>
        <translation>%1 Etiketten</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 Seite</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>less than a minute left</source>
        <translation>noch weniger als eine Minute</translation>
    </message>
    <message>
        <source>about a minute left</source>
        <translation>noch etwa eine Minute</translation>
    </message>
    <message>
        <source>about %1 minutes left</source>
        <translation>noch etwa %1 Minuten</translation>
    </message>
    <message>
        <source>about %1 hours left</source>
        <translation>noch etwa %1 Stunden</translation>
    </message>
    <message>
        <source>No job is open.

Open a job with File &gt; Open job (%1),
or start one with Template &gt; New... or Template &gt; New from product...,
then choose its labels&apos; data with Data &gt; Open.</source>
        <translation>Kein Auftrag ist geöffnet.

Öffnen Sie einen Auftrag mit Datei &gt; Auftrag öffnen (%1)
oder beginnen Sie einen mit Vorlage &gt; Neu... oder Vorlage &gt; Neu aus Produkt...
und wählen Sie dann die Daten der Etiketten mit Daten &gt; Öffnen.</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Repeat</source>
        <translation>Wieder-</translation>
    </message>
    <message>
        <source>label</source>
        <translation>holen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>at Lab</source>
        <translation>ab Etik.</translation>
    </message>
    <message>
        <source>Page:</source>
        <translation>Seite:</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>ProductChooser</name>
    <message>
        <source>Brand</source>
        <translation>Marke</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>Label size</source>
        <translation>Etikettengröße</translation>
    </message>
    <message>
        <source> (the sheet of </source>
        <translation> (der Bogen von </translation>
    </message>
    <message>
        <source>Paper: </source>
        <translation>Papier: </translation>
    </message>
    <message>
        <source>%1 across, %2 down, labels </source>
        <translation>%1 waagerecht, %2 senkrecht, Etiketten </translation>
    </message>
    <message>
        <source>Left margin %1, top margin %2, gaps %3 across and %4 down</source>
        <translation>Linker Rand %1, oberer Rand %2, Abstände %3 waagerecht und %4 senkrecht</translation>
    </message>
    <message>
        <source>New template from product</source>
        <translation>Neue Vorlage aus Produkt</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Brand, part number or description</source>
        <translation>Marke, Artikelnummer oder Beschreibung</translation>
    </message>
    <message>
        <source>%1 label sheets</source>
        <translation>%1 Etikettenbogen</translation>
    </message>
    <message>
        <source>%1 of %2 label sheets</source>
        <translation>%1 von %2 Etikettenbogen</translation>
    </message>
</context>
<context>
    <name>Renderer</name>
    <message>
        <source>Label [%1]</source>
        <translation>Etikett [%1]</translation>
    </message>
</context>
<context>
    <name>SelectLabelsDialog</name>
    <message>
        <source>Select labels</source>
        <translation>Etiketten auswählen</translation>
    </message>
    <message>
        <source>&amp;Labels to print (for example 2-5,9):</source>
        <translation>Zu druckende &amp;Etiketten (zum Beispiel 2-5,9):</translation>
    </message>
    <message>
        <source>&amp;All labels</source>
        <translation>&amp;Alle Etiketten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SerialNumbersDialog</name>
    <message>
        <source>Serial numbers</source>
        <translation>Seriennummern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>milimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>centimeters</source>
        <translation>Zentimeter</translation>
    </message>
</context>
</TS>
