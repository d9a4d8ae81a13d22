<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Home: </source>
        <translation>Startseite: </translation>
    </message>
    <message>
        <source>Report a fault: </source>
        <translation>Fehler melden: </translation>
    </message>
    <message>
        <source>The user guide and the manual page are in English.</source>
        <translation>Die Bedienungsanleitung und die Handbuchseite sind auf Englisch.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Along the paper&apos;s length: %1 mm</source>
        <translation>Entlang der Papierlänge: %1 mm</translation>
    </message>
    <message>
        <source>Along the paper&apos;s width: %1 mm</source>
        <translation>Entlang der Papierbreite: %1 mm</translation>
    </message>
    <message>
        <source>%1 (the bar across the top)</source>
        <translation>%1 (der Balken oben quer)</translation>
    </message>
    <message>
        <source>%1 (the bar down the left side)</source>
        <translation>%1 (der Balken links hinunter)</translation>
    </message>
    <message>
        <source>Printer scale calibration for %1</source>
        <translation>Kalibrierung des Druckermaßstabs für %1</translation>
    </message>
    <message>
        <source>Measure each bar from its first to its last mark, in millimetres, and type</source>
        <translation>Messen Sie jeden Balken vom ersten bis zum letzten Strich in Millimetern und tragen</translation>
    </message>
    <message>
        <source>the two lengths into the Printer scale dialog. Print this page with any</source>
        <translation>Sie beide Längen im Dialog Druckermaßstab ein. Drucken Sie diese Seite mit</translation>
    </message>
    <message>
        <source>scaling or &quot;fit to page&quot; option of the printer switched off.</source>
        <translation>ausgeschalteter Skalierung bzw. „An Seite anpassen“ des Druckers.</translation>
    </message>
</context>
<context>
    <name>CaptionLine</name>
    <message>
        <source>%1 ring diameter = %2 %3</source>
        <translation>%1, Ringdurchmesser = %2 %3</translation>
    </message>
    <message>
        <source>%1 Circle length = %2 %3</source>
        <translation>%1, Länge = %2 %3</translation>
    </message>
    <message>
        <source>, Smallest mark = %1°, Line (small, 5°, 10°) Widths  = %2</source>
        <translation>, Feinste Teilung = %1°, Strichbreiten (klein, 5°, 10°) = %2</translation>
    </message>
    <message>
        <source>, Line (10min, 30min, 1hr) Widths  = %1</source>
        <translation>, Strichbreiten (10 min, 30 min, 1 h) = %1</translation>
    </message>
    <message>
        <source>, Heights = %1, Font size = %2</source>
        <translation>, Höhen = %1, Schriftgröße = %2</translation>
    </message>
    <message>
        <source>, 5min marks</source>
        <translation>, 5-min-Striche</translation>
    </message>
    <message>
        <source>, half-degree marks</source>
        <translation>, Halbgradstriche</translation>
    </message>
    <message>
        <source>, zero at %1</source>
        <translation>, Null bei %1</translation>
    </message>
    <message>
        <source>, vernier %1</source>
        <translation>, Nonius %1</translation>
    </message>
    <message>
        <source>, numbers both ways</source>
        <translation>, Bezifferung in beide Richtungen</translation>
    </message>
    <message>
        <source>, Printer scale = %1</source>
        <translation>, Druckermaßstab = %1</translation>
    </message>
    <message>
        <source>ring diameter = %1 %2</source>
        <translation>Ringdurchmesser = %1 %2</translation>
    </message>
    <message>
        <source>Circle length = %1 %2 (%3 %2)</source>
        <translation>Länge = %1 %2 (%3 %2)</translation>
    </message>
    <message>
        <source>%1 arc %2 of %3</source>
        <translation>%1, Bogen %2 von %3</translation>
    </message>
</context>
<context>
    <name>CircleSetColumn</name>
    <message>
        <source>Smallest Mark Width</source>
        <translation>Breite feinster Strich</translation>
    </message>
    <message>
        <source>5° Mark Width</source>
        <translation>Breite 5°-Strich</translation>
    </message>
    <message>
        <source>10° Mark Width</source>
        <translation>Breite 10°-Strich</translation>
    </message>
    <message>
        <source>Circle Height</source>
        <translation>Kreishöhe</translation>
    </message>
    <message>
        <source>Text Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>&amp;1st Circle to Print</source>
        <translation>&amp;1. Kreis drucken</translation>
    </message>
    <message>
        <source>&amp;2nd Circle to Print</source>
        <translation>&amp;2. Kreis drucken</translation>
    </message>
    <message>
        <source>&amp;3rd Circle to Print</source>
        <translation>&amp;3. Kreis drucken</translation>
    </message>
    <message>
        <source>Scale on Top</source>
        <translation>Skala oben</translation>
    </message>
    <message>
        <source>Scale on Top %1</source>
        <translation>Skala oben %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--size needs a number and its unit, for example 450mm or 3.5in, not &apos;%1&apos;.</source>
        <translation>--size braucht eine Zahl mit Einheit, zum Beispiel 450mm oder 3.5in, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--ra and --decreasing go with --azimuth.</source>
        <translation>--ra und --decreasing gehören zu --azimuth.</translation>
    </message>
    <message>
        <source>--signed-dec goes with --altitude.</source>
        <translation>--signed-dec gehört zu --altitude.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--print-pdf, --svg and --dxf: give one of them.</source>
        <translation>--print-pdf, --svg und --dxf: geben Sie nur eines davon an.</translation>
    </message>
    <message>
        <source>--settings, --paper, --landscape, --altitude, --azimuth and the circle&apos;s options go with --print-pdf FILE, --svg FILE or --dxf FILE.</source>
        <translation>--settings, --paper, --landscape, --altitude, --azimuth und die Optionen des Kreises gehören zu --print-pdf DATEI, --svg DATEI oder --dxf DATEI.</translation>
    </message>
    <message>
        <source>--paper and --landscape go with --print-pdf: a drawing has no paper.</source>
        <translation>--paper und --landscape gehören zu --print-pdf: eine Zeichnung hat kein Papier.</translation>
    </message>
    <message>
        <source>--%1 needs one of --altitude and --azimuth.</source>
        <translation>--%1 braucht entweder --altitude oder --azimuth.</translation>
    </message>
    <message>
        <source>--print-pdf needs the name of the PDF file to write.</source>
        <translation>--print-pdf braucht den Namen der PDF-Datei, die geschrieben wird.</translation>
    </message>
    <message>
        <source>--%1 needs the name of the drawing file to write.</source>
        <translation>--%1 braucht den Namen der Zeichnungsdatei, die geschrieben wird.</translation>
    </message>
    <message>
        <source>--settings needs the name of a settings file.</source>
        <translation>--settings braucht den Namen einer Einstellungsdatei.</translation>
    </message>
    <message>
        <source>--paper needs the name of a paper size, for example A4.</source>
        <translation>--paper braucht den Namen eines Papierformats, zum Beispiel A4.</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos; (A4, Letter, A3, Legal, ...)</source>
        <translation>unbekanntes Papier &apos;%1&apos; (A4, Letter, A3, Legal, ...)</translation>
    </message>
    <message>
        <source>print this text and exit</source>
        <translation>diesen Text ausgeben und beenden</translation>
    </message>
    <message>
        <source>print the name and version and exit</source>
        <translation>Name und Version ausgeben und beenden</translation>
    </message>
    <message>
        <source>print the page a print button would print to the PDF file FILE,
without a window</source>
        <translation>die Seite, die ein Druckknopf drucken würde, ohne Fenster in die
PDF-Datei FILE drucken</translation>
    </message>
    <message>
        <source>the same as a DXF drawing</source>
        <translation>dasselbe als DXF-Zeichnung</translation>
    </message>
    <message>
        <source>a settings file saved with &quot;Save&quot;, restored over the defaults</source>
        <translation>eine mit „Sichern“ gesicherte Einstellungsdatei, über die
Standardwerte geladen</translation>
    </message>
    <message>
        <source>the paper, for example A4, Letter, A3 or Legal (default: the
built-in PDF printer&apos;s paper)</source>
        <translation>das Papier, zum Beispiel A4, Letter, A3 oder Legal (Standard: das
Papier des eingebauten PDF-Druckers)</translation>
    </message>
    <message>
        <source>the paper turned to landscape</source>
        <translation>das Papier im Querformat</translation>
    </message>
    <message>
        <source>the altitude circle (&quot;Print Alt.&quot;)</source>
        <translation>der Höhenkreis („Alt.-Druck“)</translation>
    </message>
    <message>
        <source>the azimuth or RA circle, as the settings say (&quot;Print Az.&quot; or
&quot;Print RA&quot;)</source>
        <translation>der Azimut- oder RA-Kreis, je nach Einstellungen („Az.-Druck“ oder
„RA-Druck“)</translation>
    </message>
    <message>
        <source>the circle&apos;s size with its unit: 450mm, 3in, 3.5in or 3,5in; a
diameter (dia.) unless --length</source>
        <translation>die Größe des Kreises mit Einheit: 450mm, 3in, 3.5in oder 3,5in;
ein Durchmesser (Dm.), außer mit --length</translation>
    </message>
    <message>
        <source>the size is the strip&apos;s length (len.)</source>
        <translation>die Größe ist die Länge des Streifens (Lg.)</translation>
    </message>
    <message>
        <source>the RA circle instead of the azimuth circle</source>
        <translation>der RA-Kreis statt des Azimutkreises</translation>
    </message>
    <message>
        <source>azimuth numbers decreasing from left to right (&quot;Az L&gt;R +&quot; clear)</source>
        <translation>Azimutzahlen fallend von links nach rechts („Az L&gt;R +“ nicht
gesetzt)</translation>
    </message>
    <message>
        <source>split a strip longer than the paper over pages, a ring larger
than the printable area into sectors</source>
        <translation>einen Streifen, der länger als das Papier ist, auf Seiten
aufteilen, einen Ring, der größer als der bedruckbare Bereich ist,
in Sektoren</translation>
    </message>
    <message>
        <source>print the circle as a flat ring instead of a strip; its size is
the ring&apos;s outer diameter, or with --length its circumference</source>
        <translation>den Kreis als flachen Ring statt als Streifen drucken; seine Größe
ist der Außendurchmesser des Rings, mit --length sein Umfang</translation>
    </message>
    <message>
        <source>a vernier below each strip or ring (&quot;Print verniers&quot;)</source>
        <translation>ein Nonius unter jedem Streifen oder Ring („Nonien drucken“)</translation>
    </message>
    <message>
        <source>a second number row counting the other way (&quot;Numbers both ways&quot;)</source>
        <translation>eine zweite Zahlenreihe in Gegenrichtung („Zahlen in beide
Richtungen“)</translation>
    </message>
    <message>
        <source>the scale check bars below the page (&quot;Print scale check&quot;)</source>
        <translation>die Kontrollbalken unter der Seite („Maßstabskontrolle“)</translation>
    </message>
    <message>
        <source>a mark at every half degree (every 5 minutes on RA)</source>
        <translation>ein Strich bei jedem halben Grad (bei RA alle 5 Minuten)</translation>
    </message>
    <message>
        <source>altitude numbers signed as declination: 90 ... 0 ... -90</source>
        <translation>Höhenzahlen mit Vorzeichen wie eine Deklination: 90 ... 0 ... -90</translation>
    </message>
    <message>
        <source>the strip starts at the reading N degrees (RA: its hours)</source>
        <translation>der Streifen beginnt beim Wert N Grad (RA: seine Stunden)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>Without options it opens its window.</source>
        <translation>Ohne Optionen öffnet es sein Fenster.</translation>
    </message>
    <message>
        <source>
Exit status: 0 when the file was written, 1 when the job refused or failed (the reason on
standard error, no file written), 2 for a wrong command line.
See also: man vennaros
</source>
        <translation>
Rückgabewert: 0, wenn die Datei geschrieben wurde, 1, wenn der Auftrag abgelehnt wurde oder
fehlschlug (der Grund auf der Standardfehlerausgabe, keine Datei geschrieben), 2 bei einer
falschen Befehlszeile.
Siehe auch: man vennaros
</translation>
    </message>
    <message>
        <source>the strip&apos;s first long division again after its end, to close
the wrapped strip mark over mark (&quot;Closing tab&quot;)</source>
        <translation>die erste lange Teilung des Streifens noch einmal nach seinem Ende,
um den umgelegten Streifen Strich auf Strich zu schließen („Klebelasche“)</translation>
    </message>
    <message numerus="yes">
        <source>--%1 is given %n times; give it once.</source>
        <translation>
            <numerusform>--%1 ist %n-mal angegeben; geben Sie es einmal an.</numerusform>
            <numerusform>--%1 ist %n-mal angegeben; geben Sie es einmal an.</numerusform>
        </translation>
    </message>
    <message>
        <source>--size: the number is too large.</source>
        <translation>--size: die Zahl ist zu groß.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees: RA hours always increase.</source>
        <translation>--decreasing gehört zum Azimutkreis in Grad: RA-Stunden steigen immer.</translation>
    </message>
    <message>
        <source>--print-pdf writes a file, not standard output: name the PDF file to write.</source>
        <translation>--print-pdf schreibt eine Datei, nicht die Standardausgabe: nennen Sie die PDF-Datei, die geschrieben wird.</translation>
    </message>
    <message>
        <source>--settings reads a file, not standard input: name the settings file.</source>
        <translation>--settings liest eine Datei, nicht die Standardeingabe: nennen Sie die Einstellungsdatei.</translation>
    </message>
    <message>
        <source>--%1 needs a file name: &apos;%2&apos; starts with &apos;-&apos; as an option does; write such a name as ./%2.</source>
        <translation>--%1 braucht einen Dateinamen: &apos;%2&apos; beginnt wie eine Option mit &apos;-&apos;; schreiben Sie einen solchen Namen als ./%2.</translation>
    </message>
    <message>
        <source>--split goes with --print-pdf: a drawing is never split.</source>
        <translation>--split gehört zu --print-pdf: eine Zeichnung wird nie geteilt.</translation>
    </message>
    <message>
        <source>--scale-check goes with --print-pdf: a drawing has no scale check bars.</source>
        <translation>--scale-check gehört zu --print-pdf: eine Zeichnung hat keine Kontrollbalken.</translation>
    </message>
    <message>
        <source>--closing-tab goes with --print-pdf: a drawing has no closing tab.</source>
        <translation>--closing-tab gehört zu --print-pdf: eine Zeichnung hat keine Klebelasche.</translation>
    </message>
    <message>
        <source>--both-ways goes with --azimuth: the altitude circle reads both ways already.</source>
        <translation>--both-ways gehört zu --azimuth: der Höhenkreis ist schon in beide Richtungen zu lesen.</translation>
    </message>
    <message>
        <source>the whole strip or ring as an SVG drawing for a laser or vinyl
cutter, at its true size in millimetres, never split;
FILE - writes it to standard output</source>
        <translation>den ganzen Streifen oder Ring als SVG-Zeichnung für einen Laser-
oder Folienschneider, in wahrer Größe in Millimetern, nie geteilt;
FILE - schreibt sie auf die Standardausgabe</translation>
    </message>
    <message>
        <source>--tape and --proof go with --print-pdf FILE.</source>
        <translation>--tape und --proof gehören zu --print-pdf FILE.</translation>
    </message>
    <message>
        <source>--tape and --proof: give one of them.</source>
        <translation>--tape und --proof: geben Sie nur eines davon an.</translation>
    </message>
    <message>
        <source>--tape goes with --print-pdf, --paper and --landscape alone.</source>
        <translation>--tape gehört nur zu --print-pdf, --paper und --landscape.</translation>
    </message>
    <message>
        <source>a wrap tape of that length (1000mm, 40in) ticked every millimetre
(1/20 in), to measure an axis in the printer&apos;s own millimetres</source>
        <translation>ein Wickelmaßband dieser Länge (1000mm, 40in) mit einem Strich je
Millimeter (1/20 in), um eine Achse in Millimetern des Druckers zu messen</translation>
    </message>
    <message>
        <source>a proof sheet: samples of the circle&apos;s graduation in every mark
width, height and font size, to choose a circle set by trying</source>
        <translation>ein Probeblatt: Proben der Teilung des Kreises in jeder Strichbreite,
Höhe und Schriftgröße, um einen Kreissatz durch Ausprobieren zu wählen</translation>
    </message>
    <message>
        <source>--strokes goes with --svg and --dxf: a printed page is inked in full.</source>
        <translation>--strokes gehört zu --svg und --dxf: eine gedruckte Seite wird voll eingefärbt.</translation>
    </message>
    <message>
        <source>with --svg or --dxf: marks as single lines and texts in a
single-stroke font, for vector lasers, pen plotters and drag
knives (default: filled outlines)</source>
        <translation>mit --svg oder --dxf: Striche als einfache Linien und Texte in
einer Einstrichschrift, für Vektorlaser, Stiftplotter und
Schleppmesser (Vorgabe: gefüllte Umrisse)</translation>
    </message>
    <message>
        <source>a ring&apos;s numbers upright as read from its centre, for a disc, not
from outside it (&quot;Ring read from its centre&quot;)</source>
        <translation>die Zahlen eines Rings aufrecht von seiner Mitte aus gelesen, für
eine Scheibe, nicht von außen („Ring von der Mitte gelesen“)</translation>
    </message>
    <message>
        <source>--arc needs two values, FROM:TO, for example 0:90 or 350:10, not &apos;%1&apos;.</source>
        <translation>--arc braucht zwei Werte, FROM:TO, zum Beispiel 0:90 oder 350:10, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>only the arc from the mark FROM to the mark TO, in the circle&apos;s
numbers: --arc 0:90 (altitude), 350:10 (azimuth), 18:6 (RA)</source>
        <translation>nur der Bogen vom Strich FROM bis zum Strich TO, in den Zahlen des
Kreises: --arc 0:90 (Höhe), 350:10 (Azimut), 18:6 (RA)</translation>
    </message>
    <message>
        <source>These fifteen override the settings file.</source>
        <translation>Diese fünfzehn gehen der Einstellungsdatei vor.</translation>
    </message>
</context>
<context>
    <name>DrawingExport</name>
    <message>
        <source>Export &amp;RA...</source>
        <translation>&amp;RA exportieren...</translation>
    </message>
    <message>
        <source>Export A&amp;zimuth...</source>
        <translation>&amp;Azimut exportieren...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)|*.svg|DXF drawing (*.dxf)|*.dxf</source>
        <translation>SVG-Zeichnung (*.svg)|*.svg|DXF-Zeichnung (*.dxf)|*.dxf</translation>
    </message>
    <message>
        <source>Written: </source>
        <translation>Geschrieben: </translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2.</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>it is the program&apos;s settings store</source>
        <translation>es ist der Einstellungsspeicher des Programms</translation>
    </message>
    <message>
        <source>it is a settings file saved or restored since the start</source>
        <translation>es ist eine seit dem Start gesicherte oder geladene Einstellungsdatei</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>Sti&amp;l:</translation>
    </message>
    <message>
        <source>Filled outlines (print, raster engraving)</source>
        <translation>Gefüllte Umrisse (Druck, Rastergravur)</translation>
    </message>
    <message>
        <source>Single strokes (vector engraving, pen plotters)</source>
        <translation>Einfache Striche (Vektorgravur, Stiftplotter)</translation>
    </message>
</context>
<context>
    <name>ExportFileJobHost</name>
    <message>
        <source>standard output can&apos;t be written: %1</source>
        <translation>die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font (hershey-fonts/rowmans.jhf), which is not installed; install the package hershey-fonts-data, or export filled outlines</source>
        <translation>einfache Striche brauchen die Hershey-Simplex-Schrift (hershey-fonts/rowmans.jhf), die nicht installiert ist; installieren Sie das Paket hershey-fonts-data oder exportieren Sie gefüllte Umrisse</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font, and &apos;%1&apos; cannot be read as one; export filled outlines</source>
        <translation>einfache Striche brauchen die Hershey-Simplex-Schrift, und „%1“ lässt sich nicht als solche lesen; exportieren Sie gefüllte Umrisse</translation>
    </message>
</context>
<context>
    <name>FileCommand</name>
    <message>
        <source>vennaros: cannot read the settings file &apos;%1&apos;: %2</source>
        <translation>vennaros: die Einstellungsdatei &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>es ist %1</translation>
    </message>
    <message>
        <source>The others keep their defaults.</source>
        <translation>Die übrigen behalten ihre Standardwerte.</translation>
    </message>
    <message>
        <source>vennaros: cannot write &apos;%1&apos;: %2</source>
        <translation>vennaros: &apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is the settings file</source>
        <translation>es ist die Einstellungsdatei</translation>
    </message>
    <message>
        <source>Nothing was printed: the size is empty or no circle set is enabled.</source>
        <translation>Nichts gedruckt: die Größe ist leer oder kein Kreissatz ist ausgewählt.</translation>
    </message>
    <message>
        <source>--half-degree goes with the 1-degree graduation; the settings give marks every 5 degrees.</source>
        <translation>--half-degree gehört zur 1°-Teilung; die Einstellungen geben Striche alle 5 Grad vor.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees; the settings ask for RA.</source>
        <translation>--decreasing gehört zum Azimutkreis in Grad; die Einstellungen verlangen RA.</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>no file name</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>the file name has characters the file system cannot keep</source>
        <translation>der Dateiname enthält Zeichen, die das Dateisystem nicht speichern kann</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>es ist %1</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>ihr Ordner existiert nicht</translation>
    </message>
    <message>
        <source>it is a link to nothing</source>
        <translation>sie ist ein Verweis ins Leere</translation>
    </message>
    <message numerus="yes">
        <source>the file name is %n bytes long; the file system takes at most %1</source>
        <translation>
            <numerusform>der Dateiname ist %n Byte lang; das Dateisystem erlaubt höchstens %1</numerusform>
            <numerusform>der Dateiname ist %n Byte lang; das Dateisystem erlaubt höchstens %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileTarget</name>
    <message>
        <source>missing</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>out of reach</source>
        <translation>nicht erreichbar</translation>
    </message>
    <message>
        <source>out of reach (%1)</source>
        <translation>nicht erreichbar (%1)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>ein Verweis ins Leere</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>ein Verweis, dessen Ziel %1 ist</translation>
    </message>
</context>
<context>
    <name>LastExitSettings</name>
    <message>
        <source>Settings reset to last exit values</source>
        <translation>Einstellungen vom letzten Ende zurückgeholt</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Einstellungen gesichert</translation>
    </message>
    <message>
        <source>Settings reset to defaults: </source>
        <translation>Einstellungen auf Standardwerte gesetzt: </translation>
    </message>
    <message>
        <source>Settings could not be saved: </source>
        <translation>Einstellungen konnten nicht gesichert werden: </translation>
    </message>
    <message>
        <source>Settings reset to what could be read: </source>
        <translation>Einstellungen auf das gesetzt, was gelesen werden konnte: </translation>
    </message>
</context>
<context>
    <name>LoadedPrintSupport</name>
    <message>
        <source>the print module is not installed (looked for %1)</source>
        <translation>das Druckmodul ist nicht installiert (gesucht: %1)</translation>
    </message>
    <message>
        <source>the print module %1 could not be loaded: %2</source>
        <translation>das Druckmodul %1 konnte nicht geladen werden: %2</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>E&amp;instellungen sichern...</translation>
    </message>
    <message>
        <source>&amp;Restore Settings...</source>
        <translation>&amp;Einstellungen laden...</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>&amp;Seite einrichten...</translation>
    </message>
    <message>
        <source>Export A&amp;ltitude...</source>
        <translation>&amp;Höhe exportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;nde</translation>
    </message>
    <message>
        <source>&amp;Quit without saving</source>
        <translation>S&amp;topp ohne Sichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>D&amp;rucken</translation>
    </message>
    <message>
        <source>Print &amp;Altitude...</source>
        <translation>&amp;Höhenkreis drucken...</translation>
    </message>
    <message>
        <source>Print A&amp;zimuth/RA...</source>
        <translation>&amp;Azimut/RA drucken...</translation>
    </message>
    <message>
        <source>Pre&amp;view Altitude</source>
        <translation>V&amp;orschau Höhe</translation>
    </message>
    <message>
        <source>Previ&amp;ew Azimuth/RA</source>
        <translation>&amp;Vorschau Azimut/RA</translation>
    </message>
    <message>
        <source>Printer &amp;scale...</source>
        <translation>&amp;Druckermaßstab...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Bedienungsanleitung</translation>
    </message>
    <message>
        <source>&amp;About Vennaros</source>
        <translation>&amp;Über Vennaros</translation>
    </message>
    <message>
        <source>&amp;Proof sheet...</source>
        <translation>&amp;Probeblatt...</translation>
    </message>
    <message>
        <source>Preview pr&amp;oof sheet</source>
        <translation>Vorschau Probe&amp;blatt</translation>
    </message>
    <message>
        <source>&amp;Wrap tape...</source>
        <translation>&amp;Wickelmaßband...</translation>
    </message>
    <message>
        <source>Wrap tape</source>
        <translation>Wickelmaßband</translation>
    </message>
    <message>
        <source>Length of the tape, with its unit (1000mm or 40in):</source>
        <translation>Länge des Maßbands mit Einheit (1000mm oder 40in):</translation>
    </message>
</context>
<context>
    <name>NumberSpacing</name>
    <message>
        <source>Numbers touch: font size %1 or less fits</source>
        <translation>Zahlen berühren sich: Schriftgröße %1 oder kleiner passt</translation>
    </message>
</context>
<context>
    <name>PageGroup</name>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>A 100 mm and a 50 mm bar below the caption, to measure the printout with</source>
        <translation>Ein 100-mm- und ein 50-mm-Balken unter der Beschriftung, zum Nachmessen des Ausdrucks</translation>
    </message>
    <message>
        <source>Split lon&amp;g strips over pages</source>
        <translation>Lan&amp;ge Streifen aufteilen</translation>
    </message>
    <message>
        <source>Print a strip longer than the paper in overlapping segments</source>
        <translation>Einen Streifen, der länger als das Papier ist, in überlappenden Stücken drucken</translation>
    </message>
    <message>
        <source>Pr&amp;int verniers</source>
        <translation>Non&amp;ien drucken</translation>
    </message>
    <message>
        <source>A vernier below each strip, to read a tenth of its smallest mark</source>
        <translation>Ein Nonius unter jedem Streifen, um ein Zehntel der feinsten Teilung abzulesen</translation>
    </message>
    <message>
        <source>A second number row on azimuth and RA strips, counting the other way</source>
        <translation>Eine zweite Zahlenreihe auf Azimut- und RA-Streifen, in Gegenrichtung gezählt</translation>
    </message>
    <message>
        <source>Print rings instead of strips</source>
        <translation>Ringe statt Streifen drucken</translation>
    </message>
    <message>
        <source>Each circle as a flat ring of the size&apos;s outer diameter, for a ground board or a disc</source>
        <translation>Jeden Kreis als flachen Ring mit der Größe als Außendurchmesser, für ein Bodenbrett oder eine Scheibe</translation>
    </message>
    <message>
        <source>Half-&amp;degree marks</source>
        <translation>Halbgradstri&amp;che</translation>
    </message>
    <message>
        <source>A mark at every half degree (every 5 minutes on RA), with 1° marks only</source>
        <translation>Ein Strich bei jedem halben Grad (bei RA alle 5 Minuten), nur mit 1°-Teilung</translation>
    </message>
    <message>
        <source>Signed declination</source>
        <translation>Dekl. mit Vorzeichen</translation>
    </message>
    <message>
        <source>Altitude numbers +90 ... 0 ... -90, as a declination circle reads</source>
        <translation>Höhenzahlen +90 ... 0 ... -90, wie ein Deklinationskreis sie zeigt</translation>
    </message>
    <message>
        <source>Zero at, degrees</source>
        <translation>Null bei, Grad</translation>
    </message>
    <message>
        <source>The reading, in degrees, the strips start at (RA: its hours)</source>
        <translation>Der Wert in Grad, bei dem die Streifen beginnen (RA: seine Stunden)</translation>
    </message>
    <message>
        <source>Closing tab</source>
        <translation>Klebelasche</translation>
    </message>
    <message>
        <source>Printer s&amp;cale...</source>
        <translation>&amp;Maßstab...</translation>
    </message>
    <message>
        <source>Measure and correct the current printer&apos;s scale</source>
        <translation>Den Maßstab des aktuellen Druckers messen und korrigieren</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Seitenformat...</translation>
    </message>
    <message>
        <source>Choose the current printer&apos;s paper and orientation, without printing</source>
        <translation>Papier und Ausrichtung des aktuellen Druckers wählen, ohne zu drucken</translation>
    </message>
    <message>
        <source>Pre&amp;view Alt.</source>
        <translation>&amp;Vorschau Alt.</translation>
    </message>
    <message>
        <source>Show the sheets Print Alt. would print, without printing</source>
        <translation>Die Blätter zeigen, die „Alt.-Druck“ drucken würde, ohne zu drucken</translation>
    </message>
    <message>
        <source>Show the sheets Print Az. or Print RA would print, without printing</source>
        <translation>Die Blätter zeigen, die „Az.-Druck“ oder „RA-Druck“ drucken würde, ohne zu drucken</translation>
    </message>
    <message>
        <source>&amp;Zero at</source>
        <translation>Null &amp;bei</translation>
    </message>
    <message>
        <source>Previ&amp;ew RA</source>
        <translation>V&amp;orschau RA</translation>
    </message>
    <message>
        <source>Previ&amp;ew Az.</source>
        <translation>V&amp;orschau Az.</translation>
    </message>
    <message>
        <source>Paper: </source>
        <translation>Papier: </translation>
    </message>
    <message>
        <source>Pri&amp;nt scale check</source>
        <translation>Maßstabs&amp;kontrolle</translation>
    </message>
    <message>
        <source>Numbers both wa&amp;ys</source>
        <translation>&amp;Zahlen in beide Richtungen</translation>
    </message>
    <message>
        <source>Ring read from its centre</source>
        <translation>Ring von der Mitte gelesen</translation>
    </message>
    <message>
        <source>A ring&apos;s numbers upright from its centre, for a disc; otherwise from outside it, as on a ground board</source>
        <translation>Die Zahlen eines Rings aufrecht von seiner Mitte aus, für eine Scheibe; sonst von außen, wie auf einer Bodenplatte</translation>
    </message>
    <message>
        <source>The strip&apos;s first long division again after its end, to join the wrapped strip mark over mark (not with an arc: an arc does not close)</source>
        <translation>Die erste lange Teilung des Streifens noch einmal nach seinem Ende, um den umgelegten Streifen Strich auf Strich zu schließen (nicht bei einem Bogen: ein Bogen schließt sich nicht)</translation>
    </message>
    <message>
        <source>Print only the arc from one mark to another: degrees (RA: hours), both empty for the whole circle; altitude 0 to 90, rising or falling</source>
        <translation>Nur den Bogen von einem Strich zu einem anderen drucken: Grad (RA: Stunden), beide leer für den ganzen Kreis; Höhe 0 bis 90, steigend oder fallend</translation>
    </message>
    <message>
        <source>Arc from</source>
        <translation>Bogen von</translation>
    </message>
    <message>
        <source>Arc to</source>
        <translation>Bogen bis</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Blätter</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 Blatt</translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n Blatt</numerusform>
            <numerusform>%n Blätter</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2 %3, %4 × %5 mm</source>
        <translation>%1 auf %2 %3, %4 × %5 mm</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Blatt %1 von %2</translation>
    </message>
    <message>
        <source>Strip length %1 mm (%2 in.), ring diameter %3 mm (%4 in.)</source>
        <translation>Streifenlänge %1 mm (%2 in), Ringdurchmesser %3 mm (%4 in)</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Altitude</source>
        <translation>Höhenkreis</translation>
    </message>
    <message>
        <source>Printing altitude...</source>
        <translation>Höhenkreis wird gedruckt...</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>Deklinationskreis</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimutkreis</translation>
    </message>
    <message>
        <source>Printing azimuth...</source>
        <translation>Azimutkreis wird gedruckt...</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>RA</translation>
    </message>
    <message>
        <source>Printing RA</source>
        <translation>RA-Kreis wird gedruckt</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed</source>
        <translation>Der Drucker „%1“ ist nicht mehr installiert</translation>
    </message>
    <message>
        <source>30 s</source>
        <translation>30 s</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>Half-degree marks need a diameter of at least %1 %2.</source>
        <translation>Halbgradstriche brauchen einen Durchmesser von mindestens %1 %2.</translation>
    </message>
    <message>
        <source>Half-degree marks need a length of at least %1 %2.</source>
        <translation>Halbgradstriche brauchen eine Länge von mindestens %1 %2.</translation>
    </message>
    <message>
        <source>Zero at must be 0 to %1 degrees in steps of %2.</source>
        <translation>Null bei muss 0 bis %1 Grad in Schritten von %2 sein.</translation>
    </message>
    <message>
        <source>Must be numeric.</source>
        <translation>Muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>Print function error.</source>
        <translation>Fehler beim Drucken.</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Kein Drucker wählbar: </translation>
    </message>
    <message>
        <source>%1 size must be at least %2 %3</source>
        <translation>%1: Größe muss mindestens %2 %3 sein</translation>
    </message>
    <message>
        <source>Print function error: %1.</source>
        <translation>Fehler beim Drucken: %1.</translation>
    </message>
    <message>
        <source>%1 %2 %3 dia.</source>
        <translation>%1 %2 %3 Dm.</translation>
    </message>
    <message>
        <source>%1 %2 %3 len.</source>
        <translation>%1 %2 %3 Lg.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for split strips.</source>
        <translation>%1: max. Länge %2 %3 für geteilte Streifen.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for current page width.</source>
        <translation>%1: max. Länge %2 %3 für die aktuelle Seitenbreite.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for the printable width.</source>
        <translation>%1: max. Länge %2 %3 für die bedruckbare Breite.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for split rings.</source>
        <translation>%1: max. Ringdurchmesser %2 %3 für geteilte Ringe.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for the printable area.</source>
        <translation>%1: max. Ringdurchmesser %2 %3 für den bedruckbaren Bereich.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Ein %1 braucht einen Durchmesser von mindestens %2 %3: Papier ins Querformat drehen oder Streifen teilen.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Ein %1 braucht mindestens %2 %3: Papier ins Querformat drehen oder Streifen teilen.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape.</source>
        <translation>Ein %1 braucht einen Durchmesser von mindestens %2 %3: Papier ins Querformat drehen.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape.</source>
        <translation>Ein %1 braucht mindestens %2 %3: Papier ins Querformat drehen.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: split it.</source>
        <translation>Ein %1 braucht einen Durchmesser von mindestens %2 %3: Streifen teilen.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: split it.</source>
        <translation>Ein %1 braucht mindestens %2 %3: Streifen teilen.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: choose a larger paper.</source>
        <translation>Ein %1 braucht einen Durchmesser von mindestens %2 %3: größeres Papier wählen.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: choose a larger paper.</source>
        <translation>Ein %1 braucht mindestens %2 %3: größeres Papier wählen.</translation>
    </message>
    <message>
        <source>altitude</source>
        <comment>in: An altitude strip needs...</comment>
        <translation>Höhenkreisstreifen</translation>
    </message>
    <message>
        <source>azimuth</source>
        <comment>in: An azimuth strip needs...</comment>
        <translation>Azimutkreisstreifen</translation>
    </message>
    <message>
        <source>RA</source>
        <comment>in: An RA strip needs...</comment>
        <translation>RA-Streifen</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for a drawing.</source>
        <translation>%1: max. Länge %2 %3 für eine Zeichnung.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for a drawing.</source>
        <translation>%1: max. Ringdurchmesser %2 %3 für eine Zeichnung.</translation>
    </message>
    <message>
        <source>Arc from and to must be 0 to 24 hours in steps of 10 minutes.</source>
        <translation>Bogen von und bis müssen 0 bis 24 Stunden in Schritten von 10 Minuten sein.</translation>
    </message>
    <message>
        <source>Arc from and to must be %1 to %2 degrees in steps of %3.</source>
        <translation>Bogen von und bis müssen %1 bis %2 Grad in Schritten von %3 sein.</translation>
    </message>
    <message>
        <source>Arc from and to need a value each, or none for the whole circle.</source>
        <translation>Bogen von und bis brauchen je einen Wert, oder keinen für den ganzen Kreis.</translation>
    </message>
    <message>
        <source>Arc from and to must be numeric.</source>
        <translation>Bogen von und bis müssen Zahlen sein.</translation>
    </message>
    <message>
        <source>Arc from and to must be different marks.</source>
        <translation>Bogen von und bis müssen verschiedene Striche sein.</translation>
    </message>
</context>
<context>
    <name>PrinterPapers</name>
    <message>
        <source>%1, landscape</source>
        <translation>%1, Querformat</translation>
    </message>
    <message>
        <source>%1, portrait</source>
        <translation>%1, Hochformat</translation>
    </message>
    <message>
        <source>the printer has no name</source>
        <translation>der Drucker hat keinen Namen</translation>
    </message>
    <message>
        <source>%1 is larger than a page can be (%2 mm a side)</source>
        <translation>%1 ist größer, als eine Seite sein kann (%2 mm je Seite)</translation>
    </message>
    <message>
        <source>its value cannot be read as a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>sein Wert lässt sich nicht als Papier mit Ausrichtung lesen, wie „A4, portrait“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>„%1“ ist kein Papier mit Ausrichtung, wie „A4, portrait“</translation>
    </message>
</context>
<context>
    <name>PrinterScaleDialog</name>
    <message>
        <source>Bar along the paper&apos;s &amp;width (%1 mm), measured in mm:</source>
        <translation>Balken entlang der Papier&amp;breite (%1 mm), gemessen in mm:</translation>
    </message>
    <message>
        <source>Bar along the paper&apos;s &amp;length (%1 mm), measured in mm:</source>
        <translation>Balken entlang der Papier&amp;länge (%1 mm), gemessen in mm:</translation>
    </message>
    <message>
        <source>Factors kept for this printer: %1 along the paper&apos;s width, %2 along its length.</source>
        <translation>Gespeicherte Faktoren dieses Druckers: %1 entlang der Papierbreite, %2 entlang der Länge.</translation>
    </message>
    <message>
        <source>1. Print the calibration page (with any scaling or &quot;fit to page&quot; option of the printer off).
2. Measure each bar from its first to its last mark.
3. Type the two lengths and press OK: every page on this printer is then corrected.</source>
        <translation>1. Drucken Sie die Kalibrierseite (jede Skalierung bzw. „An Seite anpassen“ des Druckers aus).
2. Messen Sie jeden Balken vom ersten bis zum letzten Strich.
3. Tragen Sie beide Längen ein und drücken Sie OK: danach wird jede Seite auf diesem Drucker korrigiert.</translation>
    </message>
    <message>
        <source>Print calibration page...</source>
        <translation>&amp;Kalibrierseite drucken...</translation>
    </message>
    <message>
        <source>Back to 1 and 1 for this printer</source>
        <translation>Für diesen Drucker zurück auf 1 und 1</translation>
    </message>
    <message>
        <source>Printer scale - </source>
        <translation>Druckermaßstab - </translation>
    </message>
    <message>
        <source>Printer: </source>
        <translation>Drucker: </translation>
    </message>
    <message>
        <source>The value kept for this printer is unusable (%1): it prints with 1 along both axes until new lengths are kept.</source>
        <translation>Der gespeicherte Wert dieses Druckers ist unbrauchbar (%1): er druckt mit 1 in beiden Achsen, bis neue Längen gespeichert sind.</translation>
    </message>
    <message>
        <source>The printer can&apos;t be read: </source>
        <translation>Der Drucker kann nicht gelesen werden: </translation>
    </message>
    <message>
        <source>The calibration page was printed: measure its two bars.</source>
        <translation>Die Kalibrierseite wurde gedruckt: messen Sie ihre beiden Balken.</translation>
    </message>
    <message>
        <source>The calibration page could not be printed: </source>
        <translation>Die Kalibrierseite konnte nicht gedruckt werden: </translation>
    </message>
    <message>
        <source>Type the lengths of both bars as measured.</source>
        <translation>Tragen Sie die gemessenen Längen beider Balken ein.</translation>
    </message>
    <message>
        <source>The factors could not be kept: </source>
        <translation>Die Faktoren konnten nicht gespeichert werden: </translation>
    </message>
    <message>
        <source>Printer scale of %1: %2</source>
        <translation>Druckermaßstab von %1: %2</translation>
    </message>
    <message>
        <source>Printer scale of %1: 1 1</source>
        <translation>Druckermaßstab von %1: 1 1</translation>
    </message>
    <message>
        <source>This printer is back to 1 and 1.</source>
        <translation>Dieser Drucker ist zurück auf 1 und 1.</translation>
    </message>
</context>
<context>
    <name>PrinterScales</name>
    <message>
        <source>&quot;%1&quot; is not two factors from 0.9 to 1.1</source>
        <translation>„%1“ sind nicht zwei Faktoren von 0.9 bis 1.1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length: type the length measured in millimetres.</source>
        <translation>„%1“ ist keine Länge: tragen Sie die gemessene Länge in Millimetern ein.</translation>
    </message>
    <message>
        <source>%1 mm for the %2 mm bar gives a factor of %3; only factors from 0.9 to 1.1 can be corrected. Measure the bar again from its first to its last mark.</source>
        <translation>%1 mm für den %2-mm-Balken ergibt den Faktor %3; nur Faktoren von 0,9 bis 1,1 lassen sich korrigieren. Messen Sie den Balken erneut vom ersten bis zum letzten Strich.</translation>
    </message>
    <message>
        <source>its factors cannot be read; they are kept as two numbers from 0.9 to 1.1 with a decimal point, the width&apos;s first: &quot;1.01 0.99&quot;</source>
        <translation>seine Faktoren lassen sich nicht lesen; sie werden als zwei Zahlen von 0.9 bis 1.1 mit Dezimalpunkt gespeichert, die der Breite zuerst: „1.01 0.99“</translation>
    </message>
</context>
<context>
    <name>ProofSheet</name>
    <message>
        <source>Widths %1-%2-%3, Height %4, Font %5</source>
        <translation>Breiten %1-%2-%3, Höhe %4, Schrift %5</translation>
    </message>
    <message>
        <source>Proof sheet: %1 samples of 10 degrees don&apos;t fit this paper.</source>
        <translation>Probeblatt: Proben von 10 Grad des Kreises %1 passen nicht auf dieses Papier.</translation>
    </message>
    <message>
        <source>Proof sheet: %1, samples of %2°</source>
        <translation>Probeblatt: %1, Proben von %2°</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>the settings store %1 (%2)</source>
        <comment>%1: what is wrong with it, %2: its path</comment>
        <translation>der Einstellungsspeicher %1 (%2)</translation>
    </message>
    <message>
        <source>is %1</source>
        <translation>ist %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB</source>
        <translation>ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>is read-only</source>
        <translation>ist schreibgeschützt</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the settings store can be read only in part and no copy of it could be made (%1)</source>
        <translation>der Einstellungsspeicher lässt sich nur teilweise lesen, und es konnte keine Kopie davon angelegt werden (%1)</translation>
    </message>
    <message>
        <source>the settings store can be read only in part; the whole file is kept as %1</source>
        <translation>der Einstellungsspeicher lässt sich nur teilweise lesen; die ganze Datei ist als %1 aufbewahrt</translation>
    </message>
</context>
<context>
    <name>QueueJobFollower</name>
    <message>
        <source>The printer %1 stopped the page%2.</source>
        <translation>Der Drucker %1 hat die Seite angehalten%2.</translation>
    </message>
    <message>
        <source>The printer %1 could not print the page%2.</source>
        <translation>Der Drucker %1 konnte die Seite nicht drucken%2.</translation>
    </message>
    <message>
        <source>The page was cancelled on the printer %1.</source>
        <translation>Die Seite wurde auf dem Drucker %1 abgebrochen.</translation>
    </message>
    <message>
        <source>The printer %1 holds the page%2.</source>
        <translation>Der Drucker %1 hält die Seite zurück%2.</translation>
    </message>
    <message>
        <source>The printer %1 is paused: the page waits in its queue.</source>
        <translation>Der Drucker %1 ist pausiert: die Seite wartet in seiner Warteschlange.</translation>
    </message>
    <message>
        <source>The printer %1 has stopped: the page waits in its queue.</source>
        <translation>Der Drucker %1 ist angehalten: die Seite wartet in seiner Warteschlange.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has not printed the page yet: %2</source>
        <translation>Der Drucker „%1“ hat die Seite noch nicht gedruckt: %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has printed the page.</source>
        <translation>Der Drucker „%1“ hat die Seite gedruckt.</translation>
    </message>
</context>
<context>
    <name>RingLayout</name>
    <message>
        <source>R = %1</source>
        <comment>the ring&apos;s outer radius</comment>
        <translation>R = %1</translation>
    </message>
    <message>
        <source>chord %1 = %2</source>
        <comment>the straight distance between two marks of a ring sector</comment>
        <translation>Sehne %1 = %2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
</context>
<context>
    <name>SettingsFileCommands</name>
    <message>
        <source>Saved settings files (*.txt)|*.txt</source>
        <translation>Gesicherte Einstellungsdateien (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Create new or overwrite settings file</source>
        <translation>Einstellungsdatei anlegen oder überschreiben</translation>
    </message>
    <message>
        <source>Restore settings files (*.txt)|*.txt</source>
        <translation>Einstellungsdateien laden (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Restore settings from file</source>
        <translation>Einstellungen aus Datei laden</translation>
    </message>
    <message>
        <source>Error %1, %2</source>
        <translation>Fehler %1, %2</translation>
    </message>
    <message>
        <source>Confirm Overwrite</source>
        <translation>Überschreiben bestätigen</translation>
    </message>
    <message>
        <source>Will be overwritten!</source>
        <translation>Wird überschrieben!</translation>
    </message>
    <message>
        <source>Write settings file error</source>
        <translation>Fehler beim Schreiben der Einstellungsdatei</translation>
    </message>
    <message>
        <source>Error writting to setting file</source>
        <translation>Fehler beim Schreiben in die Einstellungsdatei</translation>
    </message>
    <message>
        <source>Settings saved to &apos;%1&apos;</source>
        <translation>Einstellungen gesichert in &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Read settings file error</source>
        <translation>Fehler beim Lesen der Einstellungsdatei</translation>
    </message>
    <message>
        <source>Error reading setting file</source>
        <translation>Fehler beim Lesen der Einstellungsdatei</translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;) could not be applied</source>
        <translation>Zeile %1 („%2“) konnte nicht übernommen werden</translation>
    </message>
    <message>
        <source>the file ends after line %1</source>
        <translation>die Datei endet nach Zeile %1</translation>
    </message>
    <message>
        <source>1 setting restored from &apos;%1&apos;</source>
        <translation>1 Einstellung geladen aus &apos;%1&apos;</translation>
    </message>
    <message numerus="yes">
        <source>%n settings restored from &apos;%1&apos;</source>
        <translation>
            <numerusform>%n Einstellung geladen aus &apos;%1&apos;</numerusform>
            <numerusform>%n Einstellungen geladen aus &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 settings restored from &apos;%2&apos;: %3.</source>
        <translation>
            <numerusform>%n von %1 Einstellungen geladen aus &apos;%2&apos;: %3.</numerusform>
            <numerusform>%n von %1 Einstellungen geladen aus &apos;%2&apos;: %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>Cannot uncheck both circle styles.</source>
        <translation>Beide Kreisstile abwählen geht nicht.</translation>
    </message>
</context>
<context>
    <name>SheetAids</name>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Blatt %1 von %2</translation>
    </message>
    <message>
        <source>Cut each piece on its cut line; lay its end over the next piece, A on A, marks on marks</source>
        <translation>Jedes Stück an seiner Schnittlinie abschneiden; sein Ende über das nächste Stück legen, A auf A, Strich auf Strich</translation>
    </message>
    <message>
        <source>Sheet %1</source>
        <translation>Blatt %1</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>%1 Bedienungsanleitung</translation>
    </message>
    <message>
        <source>The user guide could not be read: %1</source>
        <translation>Die Bedienungsanleitung konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>ValueLabel</name>
    <message>
        <source>%1 in.</source>
        <translation>%1 in</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 = %2 line</source>
        <translation>%1 = %2 Strichbreite</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1 pt = %2 digits</source>
        <translation>%1 pt = %2 Ziffern</translation>
    </message>
</context>
<context>
    <name>WindowController</name>
    <message>
        <source>Export Altitude</source>
        <translation>Höhenkreis exportieren</translation>
    </message>
    <message>
        <source>Export Azimuth/RA</source>
        <translation>Azimut-/RA-Kreis exportieren</translation>
    </message>
    <message>
        <source>The paper could not be kept: </source>
        <translation>Das Papier konnte nicht gespeichert werden: </translation>
    </message>
    <message>
        <source>paper unknown</source>
        <translation>Papier unbekannt</translation>
    </message>
    <message>
        <source>no printer</source>
        <translation>kein Drucker</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Kein Drucker wählbar: </translation>
    </message>
    <message>
        <source>Printer scale for &apos;%1&apos; ignored: %2; it prints unscaled.</source>
        <translation>Druckermaßstab für &apos;%1&apos; ignoriert: %2; er druckt unskaliert.</translation>
    </message>
    <message>
        <source>The user guide is not installed; &quot;man vennaros&quot; describes the program.</source>
        <translation>Die Bedienungsanleitung ist nicht installiert; „man vennaros“ beschreibt das Programm.</translation>
    </message>
    <message>
        <source>The paper kept for &apos;%1&apos; is not used: %2; it prints on the printer&apos;s own paper.</source>
        <translation>Das für &apos;%1&apos; gespeicherte Papier wird nicht verwendet: %2; der Drucker druckt auf seinem eigenen Papier.</translation>
    </message>
    <message>
        <source>%1, turned to fit</source>
        <translation>%1, zum Passen gedreht</translation>
    </message>
</context>
<context>
    <name>WrapTape</name>
    <message>
        <source>Wrap tape</source>
        <translation>Wickelmaßband</translation>
    </message>
    <message>
        <source>Wrap tape: &apos;%1&apos; is not a length; give it with its unit, for example 1000mm or 40in.</source>
        <translation>Wickelmaßband: &apos;%1&apos; ist keine Länge; geben Sie sie mit Einheit an, zum Beispiel 1000mm oder 40in.</translation>
    </message>
    <message>
        <source>Wrap tape %1</source>
        <translation>Wickelmaßband %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Print Vennaros</source>
        <translation>Vennaros drucken</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Size is diameter</source>
        <translation>Größe ist Durchmesser</translation>
    </message>
    <message>
        <source>Size is length</source>
        <translation>Größe ist Länge</translation>
    </message>
    <message>
        <source>size is mm</source>
        <translation>Größe in mm</translation>
    </message>
    <message>
        <source>Size in inches</source>
        <translation>Größe in Zoll</translation>
    </message>
    <message>
        <source>Circle styles</source>
        <translation>Kreisstile</translation>
    </message>
    <message>
        <source>&amp;Black on White background</source>
        <translation>Schwarz au&amp;f weißem Grund</translation>
    </message>
    <message>
        <source>&amp;White on Black background</source>
        <translation>&amp;Weiß auf schwarzem Grund</translation>
    </message>
    <message>
        <source>Print &amp;Alt.</source>
        <translation>&amp;Alt.-Druck</translation>
    </message>
    <message>
        <source>dia.</source>
        <translation>Dm.</translation>
    </message>
    <message>
        <source>len.</source>
        <translation>Lg.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>in.</source>
        <translation>in</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>RA</translation>
    </message>
    <message>
        <source>Az</source>
        <translation>Az</translation>
    </message>
    <message>
        <source>Az &amp;L&gt;R +</source>
        <translation>Az &amp;L&gt;R +</translation>
    </message>
    <message>
        <source>Az circle left to right numbers increase</source>
        <translation>Azimutkreis: Zahlen steigen von links nach rechts</translation>
    </message>
    <message>
        <source>Quit without saving settings</source>
        <translation>Stopp: schließen, ohne die Einstellungen zu sichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>Exit and save settings</source>
        <translation>Ende: die Einstellungen sichern und schließen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Zur&amp;ück</translation>
    </message>
    <message>
        <source>Reset to last exit settings from registry</source>
        <translation>Zurück zu den beim letzten Ende gesicherten Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Sichern</translation>
    </message>
    <message>
        <source>Save current settings to file</source>
        <translation>Aktuelle Einstellungen in eine Datei sichern</translation>
    </message>
    <message>
        <source>Rest&amp;ore</source>
        <translation>Lade&amp;n</translation>
    </message>
    <message>
        <source>Paper and orientation are kept for each printer.</source>
        <translation>Papier und Ausrichtung gelten je Drucker.</translation>
    </message>
    <message>
        <source>Prin&amp;t RA</source>
        <translation>RA-Dr&amp;uck</translation>
    </message>
    <message>
        <source>Prin&amp;t Az.</source>
        <translation>Az.-Dr&amp;uck</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Smallest Mar&amp;k Degree</source>
        <translation>Feins&amp;te Teilung (Grad)</translation>
    </message>
    <message>
        <source>Altit&amp;ude / DECL Circle Size</source>
        <translation>Gr&amp;öße Höhen-/Dekl.-Kreis</translation>
    </message>
    <message>
        <source>Azi&amp;muth / RA Circle Size</source>
        <translation>Grö&amp;ße Azimut-/RA-Kreis</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sto&amp;pp</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vennaros: %1
Try &apos;vennaros --help&apos;.
</source>
        <translation>vennaros: %1
Siehe &apos;vennaros --help&apos;.
</translation>
    </message>
    <message>
        <source>there is no platform plugin &apos;%1&apos;</source>
        <translation>es gibt kein Plattform-Plugin &apos;%1&apos;</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be reached</source>
        <translation>&apos;%1&apos; ist nicht erreichbar</translation>
    </message>
    <message>
        <source>vennaros: cannot open a display: %1; --print-pdf, --svg and --dxf need none.
</source>
        <translation>vennaros: es kann keine Anzeige geöffnet werden: %1; --print-pdf, --svg und --dxf brauchen keine.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8; no file is read or written under another name.
</source>
        <translation>vennaros: &apos;%1&apos; ist kein gültiges UTF-8; keine Datei wird unter einem anderen Namen gelesen oder geschrieben.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8.
</source>
        <translation>vennaros: &apos;%1&apos; ist kein gültiges UTF-8.
</translation>
    </message>
    <message>
        <source>vennaros: the value of --%1 is not valid UTF-8.
</source>
        <translation>vennaros: der Wert von --%1 ist kein gültiges UTF-8.
</translation>
    </message>
</context>
<context>
    <name>programinfo</name>
    <message>
        <source>Prints graduated setting circles for telescope mounts at their exact size.</source>
        <translation>Druckt Teilkreise für Teleskopmontierungen in ihrer genauen Größe.</translation>
    </message>
</context>
</TS>
