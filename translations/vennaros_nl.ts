<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmapictogram</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Home: </source>
        <translation>Website: </translation>
    </message>
    <message>
        <source>Report a fault: </source>
        <translation>Fout melden: </translation>
    </message>
    <message>
        <source>The user guide and the manual page are in English.</source>
        <translation>De handleiding en de manpagina zijn in het Engels.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licentie</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Along the paper&apos;s length: %1 mm</source>
        <translation>Langs de lengte van het papier: %1 mm</translation>
    </message>
    <message>
        <source>Along the paper&apos;s width: %1 mm</source>
        <translation>Langs de breedte van het papier: %1 mm</translation>
    </message>
    <message>
        <source>%1 (the bar across the top)</source>
        <translation>%1 (de balk bovenaan dwars)</translation>
    </message>
    <message>
        <source>%1 (the bar down the left side)</source>
        <translation>%1 (de balk langs de linkerkant)</translation>
    </message>
    <message>
        <source>Printer scale calibration for %1</source>
        <translation>Kalibratie van de printerschaal voor %1</translation>
    </message>
    <message>
        <source>Measure each bar from its first to its last mark, in millimetres, and type</source>
        <translation>Meet elke balk van de eerste tot de laatste streep, in millimeters, en vul</translation>
    </message>
    <message>
        <source>the two lengths into the Printer scale dialog. Print this page with any</source>
        <translation>beide lengtes in het venster Printerschaal in. Druk deze pagina af met elke</translation>
    </message>
    <message>
        <source>scaling or &quot;fit to page&quot; option of the printer switched off.</source>
        <translation>schaling of optie “passend op pagina” van de printer uitgeschakeld.</translation>
    </message>
</context>
<context>
    <name>CaptionLine</name>
    <message>
        <source>%1 ring diameter = %2 %3</source>
        <translation>%1, ringdiameter = %2 %3</translation>
    </message>
    <message>
        <source>%1 Circle length = %2 %3</source>
        <translation>%1, cirkellengte = %2 %3</translation>
    </message>
    <message>
        <source>, Smallest mark = %1°, Line (small, 5°, 10°) Widths  = %2</source>
        <translation>, Fijnste verdeling = %1°, Streepdiktes (klein, 5°, 10°) = %2</translation>
    </message>
    <message>
        <source>, Line (10min, 30min, 1hr) Widths  = %1</source>
        <translation>, Streepdiktes (10 min, 30 min, 1 u) = %1</translation>
    </message>
    <message>
        <source>, Heights = %1, Font size = %2</source>
        <translation>, Hoogtes = %1, Lettergrootte = %2</translation>
    </message>
    <message>
        <source>, 5min marks</source>
        <translation>, 5-minutenstrepen</translation>
    </message>
    <message>
        <source>, half-degree marks</source>
        <translation>, halvegraadstrepen</translation>
    </message>
    <message>
        <source>, zero at %1</source>
        <translation>, nul bij %1</translation>
    </message>
    <message>
        <source>, vernier %1</source>
        <translation>, nonius %1</translation>
    </message>
    <message>
        <source>, numbers both ways</source>
        <translation>, getallen ook omgekeerd</translation>
    </message>
    <message>
        <source>, Printer scale = %1</source>
        <translation>, Printerschaal = %1</translation>
    </message>
    <message>
        <source>ring diameter = %1 %2</source>
        <translation>ringdiameter = %1 %2</translation>
    </message>
    <message>
        <source>Circle length = %1 %2 (%3 %2)</source>
        <translation>cirkellengte = %1 %2 (%3 %2)</translation>
    </message>
    <message>
        <source>%1 arc %2 of %3</source>
        <translation>%1, boog %2 van %3</translation>
    </message>
</context>
<context>
    <name>CircleSetColumn</name>
    <message>
        <source>Smallest Mark Width</source>
        <translation>Dikte fijnste streep</translation>
    </message>
    <message>
        <source>5° Mark Width</source>
        <translation>Dikte 5°-streep</translation>
    </message>
    <message>
        <source>10° Mark Width</source>
        <translation>Dikte 10°-streep</translation>
    </message>
    <message>
        <source>Circle Height</source>
        <translation>Cirkelhoogte</translation>
    </message>
    <message>
        <source>Text Font Size</source>
        <translation>Lettergrootte</translation>
    </message>
    <message>
        <source>&amp;1st Circle to Print</source>
        <translation>Afdruk cirkel &amp;1</translation>
    </message>
    <message>
        <source>&amp;2nd Circle to Print</source>
        <translation>Afdruk cirkel &amp;2</translation>
    </message>
    <message>
        <source>&amp;3rd Circle to Print</source>
        <translation>Afdruk cirkel &amp;3</translation>
    </message>
    <message>
        <source>Scale on Top</source>
        <translation>Schaal boven</translation>
    </message>
    <message>
        <source>Scale on Top %1</source>
        <translation>Schaal boven %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--size needs a number and its unit, for example 450mm or 3.5in, not &apos;%1&apos;.</source>
        <translation>--size vraagt een getal met eenheid, bijvoorbeeld 450mm of 3.5in, niet &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--ra and --decreasing go with --azimuth.</source>
        <translation>--ra en --decreasing horen bij --azimuth.</translation>
    </message>
    <message>
        <source>--signed-dec goes with --altitude.</source>
        <translation>--signed-dec hoort bij --altitude.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--print-pdf, --svg and --dxf: give one of them.</source>
        <translation>--print-pdf, --svg en --dxf: geef er één van.</translation>
    </message>
    <message>
        <source>--settings, --paper, --landscape, --altitude, --azimuth and the circle&apos;s options go with --print-pdf FILE, --svg FILE or --dxf FILE.</source>
        <translation>--settings, --paper, --landscape, --altitude, --azimuth en de opties van de cirkel horen bij --print-pdf FILE, --svg FILE of --dxf FILE.</translation>
    </message>
    <message>
        <source>--paper and --landscape go with --print-pdf: a drawing has no paper.</source>
        <translation>--paper en --landscape horen bij --print-pdf: een tekening heeft geen papier.</translation>
    </message>
    <message>
        <source>--%1 needs one of --altitude and --azimuth.</source>
        <translation>--%1 vraagt --altitude of --azimuth.</translation>
    </message>
    <message>
        <source>--print-pdf needs the name of the PDF file to write.</source>
        <translation>--print-pdf vraagt de naam van het PDF-bestand dat geschreven wordt.</translation>
    </message>
    <message>
        <source>--%1 needs the name of the drawing file to write.</source>
        <translation>--%1 vraagt de naam van het tekenbestand dat geschreven wordt.</translation>
    </message>
    <message>
        <source>--settings needs the name of a settings file.</source>
        <translation>--settings vraagt de naam van een instellingenbestand.</translation>
    </message>
    <message>
        <source>--paper needs the name of a paper size, for example A4.</source>
        <translation>--paper vraagt de naam van een papierformaat, bijvoorbeeld A4.</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos; (A4, Letter, A3, Legal, ...)</source>
        <translation>onbekend papier &apos;%1&apos; (A4, Letter, A3, Legal, ...)</translation>
    </message>
    <message>
        <source>print this text and exit</source>
        <translation>deze tekst tonen en stoppen</translation>
    </message>
    <message>
        <source>print the name and version and exit</source>
        <translation>naam en versie tonen en stoppen</translation>
    </message>
    <message>
        <source>print the page a print button would print to the PDF file FILE,
without a window</source>
        <translation>de pagina die een afdrukknop zou afdrukken zonder venster in het
PDF-bestand FILE afdrukken</translation>
    </message>
    <message>
        <source>the same as a DXF drawing</source>
        <translation>hetzelfde als DXF-tekening</translation>
    </message>
    <message>
        <source>a settings file saved with &quot;Save&quot;, restored over the defaults</source>
        <translation>een met “Opslaan” bewaard instellingenbestand, geladen over de
standaardwaarden</translation>
    </message>
    <message>
        <source>the paper, for example A4, Letter, A3 or Legal (default: the
built-in PDF printer&apos;s paper)</source>
        <translation>het papier, bijvoorbeeld A4, Letter, A3 of Legal (standaard: het
papier van de ingebouwde PDF-printer)</translation>
    </message>
    <message>
        <source>the paper turned to landscape</source>
        <translation>het papier liggend</translation>
    </message>
    <message>
        <source>the altitude circle (&quot;Print Alt.&quot;)</source>
        <translation>de hoogtecirkel (“Afdruk Alt.”)</translation>
    </message>
    <message>
        <source>the azimuth or RA circle, as the settings say (&quot;Print Az.&quot; or
&quot;Print RA&quot;)</source>
        <translation>de azimut- of RA-cirkel, zoals de instellingen zeggen (“Afdruk Az.” of
“Afdruk RA”)</translation>
    </message>
    <message>
        <source>the circle&apos;s size with its unit: 450mm, 3in, 3.5in or 3,5in; a
diameter (dia.) unless --length</source>
        <translation>de maat van de cirkel met eenheid: 450mm, 3in, 3.5in of 3,5in; een
diameter (Ø) tenzij --length</translation>
    </message>
    <message>
        <source>the size is the strip&apos;s length (len.)</source>
        <translation>de maat is de lengte van de strook (L)</translation>
    </message>
    <message>
        <source>the RA circle instead of the azimuth circle</source>
        <translation>de RA-cirkel in plaats van de azimutcirkel</translation>
    </message>
    <message>
        <source>azimuth numbers decreasing from left to right (&quot;Az L&gt;R +&quot; clear)</source>
        <translation>azimutgetallen dalend van links naar rechts (“Az L&gt;R +” uit)</translation>
    </message>
    <message>
        <source>split a strip longer than the paper over pages, a ring larger
than the printable area into sectors</source>
        <translation>een strook langer dan het papier over pagina&apos;s verdelen, een ring
groter dan het afdrukbare gebied in sectoren</translation>
    </message>
    <message>
        <source>print the circle as a flat ring instead of a strip; its size is
the ring&apos;s outer diameter, or with --length its circumference</source>
        <translation>de cirkel als platte ring afdrukken in plaats van als strook; de
maat is de buitendiameter van de ring, of met --length de omtrek</translation>
    </message>
    <message>
        <source>a vernier below each strip or ring (&quot;Print verniers&quot;)</source>
        <translation>een nonius onder elke strook of ring (“Noniussen”)</translation>
    </message>
    <message>
        <source>a second number row counting the other way (&quot;Numbers both ways&quot;)</source>
        <translation>een tweede getallenrij die de andere kant op telt (“Getallen ook
omgekeerd”)</translation>
    </message>
    <message>
        <source>the scale check bars below the page (&quot;Print scale check&quot;)</source>
        <translation>de schaalcontrolebalken onder de pagina (“Schaalcontrole”)</translation>
    </message>
    <message>
        <source>a mark at every half degree (every 5 minutes on RA)</source>
        <translation>een streep bij elke halve graad (bij RA elke 5 minuten)</translation>
    </message>
    <message>
        <source>altitude numbers signed as declination: 90 ... 0 ... -90</source>
        <translation>hoogtegetallen met teken zoals een declinatie: 90 ... 0 ... -90</translation>
    </message>
    <message>
        <source>the strip starts at the reading N degrees (RA: its hours)</source>
        <translation>de strook begint bij de aflezing N graden (RA: de uren)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Gebruik:</translation>
    </message>
    <message>
        <source>Without options it opens its window.</source>
        <translation>Zonder opties opent het zijn venster.</translation>
    </message>
    <message>
        <source>
Exit status: 0 when the file was written, 1 when the job refused or failed (the reason on
standard error, no file written), 2 for a wrong command line.
See also: man vennaros
</source>
        <translation>
Afsluitstatus: 0 als het bestand geschreven is, 1 als de opdracht geweigerd werd of mislukte
(de reden op standaardfout, geen bestand geschreven), 2 bij een verkeerde opdrachtregel.
Zie ook: man vennaros
</translation>
    </message>
    <message>
        <source>the strip&apos;s first long division again after its end, to close
the wrapped strip mark over mark (&quot;Closing tab&quot;)</source>
        <translation>de eerste lange verdeling van de strook nog eens na het einde, om
de omgelegde strook streep op streep te sluiten (“Lijmlip”)</translation>
    </message>
    <message numerus="yes">
        <source>--%1 is given %n times; give it once.</source>
        <translation>
            <numerusform>--%1 is %n keer gegeven; geef het één keer.</numerusform>
            <numerusform>--%1 is %n keer gegeven; geef het één keer.</numerusform>
        </translation>
    </message>
    <message>
        <source>--size: the number is too large.</source>
        <translation>--size: het getal is te groot.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees: RA hours always increase.</source>
        <translation>--decreasing hoort bij de azimutcirkel in graden: RA-uren lopen altijd op.</translation>
    </message>
    <message>
        <source>--print-pdf writes a file, not standard output: name the PDF file to write.</source>
        <translation>--print-pdf schrijft een bestand, niet de standaarduitvoer: noem het PDF-bestand dat geschreven wordt.</translation>
    </message>
    <message>
        <source>--settings reads a file, not standard input: name the settings file.</source>
        <translation>--settings leest een bestand, niet de standaardinvoer: noem het instellingenbestand.</translation>
    </message>
    <message>
        <source>--%1 needs a file name: &apos;%2&apos; starts with &apos;-&apos; as an option does; write such a name as ./%2.</source>
        <translation>--%1 vraagt een bestandsnaam: &apos;%2&apos; begint met &apos;-&apos; zoals een optie; schrijf zo&apos;n naam als ./%2.</translation>
    </message>
    <message>
        <source>--split goes with --print-pdf: a drawing is never split.</source>
        <translation>--split hoort bij --print-pdf: een tekening wordt nooit gedeeld.</translation>
    </message>
    <message>
        <source>--scale-check goes with --print-pdf: a drawing has no scale check bars.</source>
        <translation>--scale-check hoort bij --print-pdf: een tekening heeft geen schaalcontrolebalken.</translation>
    </message>
    <message>
        <source>--closing-tab goes with --print-pdf: a drawing has no closing tab.</source>
        <translation>--closing-tab hoort bij --print-pdf: een tekening heeft geen lijmlip.</translation>
    </message>
    <message>
        <source>--both-ways goes with --azimuth: the altitude circle reads both ways already.</source>
        <translation>--both-ways hoort bij --azimuth: de hoogtecirkel is al in beide richtingen te lezen.</translation>
    </message>
    <message>
        <source>the whole strip or ring as an SVG drawing for a laser or vinyl
cutter, at its true size in millimetres, never split;
FILE - writes it to standard output</source>
        <translation>de hele strook of ring als SVG-tekening voor een laser- of
vinylsnijder, op ware grootte in millimeters, nooit gedeeld;
FILE - schrijft die naar de standaarduitvoer</translation>
    </message>
    <message>
        <source>--tape and --proof go with --print-pdf FILE.</source>
        <translation>--tape en --proof horen bij --print-pdf FILE.</translation>
    </message>
    <message>
        <source>--tape and --proof: give one of them.</source>
        <translation>--tape en --proof: geef er één van.</translation>
    </message>
    <message>
        <source>--tape goes with --print-pdf, --paper and --landscape alone.</source>
        <translation>--tape hoort alleen bij --print-pdf, --paper en --landscape.</translation>
    </message>
    <message>
        <source>a wrap tape of that length (1000mm, 40in) ticked every millimetre
(1/20 in), to measure an axis in the printer&apos;s own millimetres</source>
        <translation>een wikkelmeetlint van die lengte (1000mm, 40in) met een streep per
millimeter (1/20 in), om een as te meten in millimeters van de printer</translation>
    </message>
    <message>
        <source>a proof sheet: samples of the circle&apos;s graduation in every mark
width, height and font size, to choose a circle set by trying</source>
        <translation>een proefblad: stalen van de schaalverdeling van de cirkel in elke
streepbreedte, hoogte en lettergrootte, om een cirkelset te kiezen</translation>
    </message>
    <message>
        <source>--strokes goes with --svg and --dxf: a printed page is inked in full.</source>
        <translation>--strokes hoort bij --svg en --dxf: een afgedrukte pagina wordt volledig geïnkt.</translation>
    </message>
    <message>
        <source>with --svg or --dxf: marks as single lines and texts in a
single-stroke font, for vector lasers, pen plotters and drag
knives (default: filled outlines)</source>
        <translation>met --svg of --dxf: streepjes als enkele lijnen en teksten in een
enkellijnslettertype, voor vectorlasers, penplotters en
sleepmessen (standaard: gevulde omtrekken)</translation>
    </message>
    <message>
        <source>a ring&apos;s numbers upright as read from its centre, for a disc, not
from outside it (&quot;Ring read from its centre&quot;)</source>
        <translation>de getallen van een ring rechtop gelezen vanuit het midden, voor
een schijf, niet van buitenaf (&quot;Ring vanuit het midden gelezen&quot;)</translation>
    </message>
    <message>
        <source>--arc needs two values, FROM:TO, for example 0:90 or 350:10, not &apos;%1&apos;.</source>
        <translation>--arc heeft twee waarden nodig, FROM:TO, bijvoorbeeld 0:90 of 350:10, niet &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>only the arc from the mark FROM to the mark TO, in the circle&apos;s
numbers: --arc 0:90 (altitude), 350:10 (azimuth), 18:6 (RA)</source>
        <translation>alleen de boog van streepje FROM tot streepje TO, in de getallen
van de cirkel: --arc 0:90 (hoogte), 350:10 (azimut), 18:6 (RA)</translation>
    </message>
    <message>
        <source>These fifteen override the settings file.</source>
        <translation>Deze vijftien gaan voor het instellingenbestand.</translation>
    </message>
</context>
<context>
    <name>DrawingExport</name>
    <message>
        <source>Export &amp;RA...</source>
        <translation>&amp;RA exporteren...</translation>
    </message>
    <message>
        <source>Export A&amp;zimuth...</source>
        <translation>&amp;Azimut exporteren...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)|*.svg|DXF drawing (*.dxf)|*.dxf</source>
        <translation>SVG-tekening (*.svg)|*.svg|DXF-tekening (*.dxf)|*.dxf</translation>
    </message>
    <message>
        <source>Written: </source>
        <translation>Geschreven: </translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2.</source>
        <translation>Kan &apos;%1&apos; niet schrijven: %2.</translation>
    </message>
    <message>
        <source>it is the program&apos;s settings store</source>
        <translation>het is de instellingenopslag van het programma</translation>
    </message>
    <message>
        <source>it is a settings file saved or restored since the start</source>
        <translation>het is een instellingenbestand dat sinds de start opgeslagen of geladen is</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>S&amp;tijl:</translation>
    </message>
    <message>
        <source>Filled outlines (print, raster engraving)</source>
        <translation>Gevulde omtrekken (afdrukken, rastergravure)</translation>
    </message>
    <message>
        <source>Single strokes (vector engraving, pen plotters)</source>
        <translation>Enkele lijnen (vectorgravure, penplotters)</translation>
    </message>
</context>
<context>
    <name>ExportFileJobHost</name>
    <message>
        <source>standard output can&apos;t be written: %1</source>
        <translation>kan niet naar de standaarduitvoer schrijven: %1</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font (hershey-fonts/rowmans.jhf), which is not installed; install the package hershey-fonts-data, or export filled outlines</source>
        <translation>enkele lijnen hebben het Hershey-simplex-lettertype nodig (hershey-fonts/rowmans.jhf), dat niet geïnstalleerd is; installeer het pakket hershey-fonts-data of exporteer gevulde omtrekken</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font, and &apos;%1&apos; cannot be read as one; export filled outlines</source>
        <translation>enkele lijnen hebben het Hershey-simplex-lettertype nodig, en &apos;%1&apos; is niet als zodanig te lezen; exporteer gevulde omtrekken</translation>
    </message>
</context>
<context>
    <name>FileCommand</name>
    <message>
        <source>vennaros: cannot read the settings file &apos;%1&apos;: %2</source>
        <translation>vennaros: kan het instellingenbestand &apos;%1&apos; niet lezen: %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>het is %1</translation>
    </message>
    <message>
        <source>The others keep their defaults.</source>
        <translation>De overige houden hun standaardwaarde.</translation>
    </message>
    <message>
        <source>vennaros: cannot write &apos;%1&apos;: %2</source>
        <translation>vennaros: kan &apos;%1&apos; niet schrijven: %2</translation>
    </message>
    <message>
        <source>it is the settings file</source>
        <translation>het is het instellingenbestand</translation>
    </message>
    <message>
        <source>Nothing was printed: the size is empty or no circle set is enabled.</source>
        <translation>Niets afgedrukt: de maat is leeg of er is geen cirkelset aangevinkt.</translation>
    </message>
    <message>
        <source>--half-degree goes with the 1-degree graduation; the settings give marks every 5 degrees.</source>
        <translation>--half-degree hoort bij de 1°-verdeling; de instellingen geven strepen om de 5 graden.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees; the settings ask for RA.</source>
        <translation>--decreasing hoort bij de azimutcirkel in graden; de instellingen vragen RA.</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>no file name</source>
        <translation>geen bestandsnaam</translation>
    </message>
    <message>
        <source>the file name has characters the file system cannot keep</source>
        <translation>de bestandsnaam bevat tekens die het bestandssysteem niet kan bewaren</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>het is %1</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>het is alleen-lezen</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>de map bestaat niet</translation>
    </message>
    <message>
        <source>it is a link to nothing</source>
        <translation>het is een koppeling naar niets</translation>
    </message>
    <message numerus="yes">
        <source>the file name is %n bytes long; the file system takes at most %1</source>
        <translation>
            <numerusform>de bestandsnaam is %n byte lang; het bestandssysteem neemt er hoogstens %1</numerusform>
            <numerusform>de bestandsnaam is %n bytes lang; het bestandssysteem neemt er hoogstens %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileTarget</name>
    <message>
        <source>missing</source>
        <translation>afwezig</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>een bestand</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>een named pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>een apparaat</translation>
    </message>
    <message>
        <source>out of reach</source>
        <translation>onbereikbaar</translation>
    </message>
    <message>
        <source>out of reach (%1)</source>
        <translation>onbereikbaar (%1)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>een koppeling naar niets</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>een koppeling naar %1</translation>
    </message>
</context>
<context>
    <name>LastExitSettings</name>
    <message>
        <source>Settings reset to last exit values</source>
        <translation>Instellingen van het laatste Sluiten hersteld</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Instellingen opgeslagen</translation>
    </message>
    <message>
        <source>Settings reset to defaults: </source>
        <translation>Instellingen teruggezet naar de standaardwaarden: </translation>
    </message>
    <message>
        <source>Settings could not be saved: </source>
        <translation>De instellingen konden niet opgeslagen worden: </translation>
    </message>
    <message>
        <source>Settings reset to what could be read: </source>
        <translation>Instellingen teruggezet naar wat gelezen kon worden: </translation>
    </message>
</context>
<context>
    <name>LoadedPrintSupport</name>
    <message>
        <source>the print module is not installed (looked for %1)</source>
        <translation>de afdrukmodule is niet geïnstalleerd (gezocht: %1)</translation>
    </message>
    <message>
        <source>the print module %1 could not be loaded: %2</source>
        <translation>de afdrukmodule %1 kon niet worden geladen: %2</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>Instellingen &amp;opslaan...</translation>
    </message>
    <message>
        <source>&amp;Restore Settings...</source>
        <translation>&amp;Instellingen laden...</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <translation>H&amp;erstel</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>&amp;Pagina-instelling...</translation>
    </message>
    <message>
        <source>Export A&amp;ltitude...</source>
        <translation>&amp;Hoogte exporteren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Quit without saving</source>
        <translation>Stop &amp;zonder opslaan</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Afdru&amp;kken</translation>
    </message>
    <message>
        <source>Print &amp;Altitude...</source>
        <translation>&amp;Hoogtecirkel afdrukken...</translation>
    </message>
    <message>
        <source>Print A&amp;zimuth/RA...</source>
        <translation>Azimut/&amp;RA afdrukken...</translation>
    </message>
    <message>
        <source>Pre&amp;view Altitude</source>
        <translation>&amp;Voorbeeld hoogte</translation>
    </message>
    <message>
        <source>Previ&amp;ew Azimuth/RA</source>
        <translation>Voorbeeld &amp;azimut/RA</translation>
    </message>
    <message>
        <source>Printer &amp;scale...</source>
        <translation>&amp;Printerschaal...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Handleiding</translation>
    </message>
    <message>
        <source>&amp;About Vennaros</source>
        <translation>&amp;Over Vennaros</translation>
    </message>
    <message>
        <source>&amp;Proof sheet...</source>
        <translation>Pr&amp;oefblad...</translation>
    </message>
    <message>
        <source>Preview pr&amp;oof sheet</source>
        <translation>Voorbeeld proef&amp;blad</translation>
    </message>
    <message>
        <source>&amp;Wrap tape...</source>
        <translation>&amp;Wikkelmeetlint...</translation>
    </message>
    <message>
        <source>Wrap tape</source>
        <translation>Wikkelmeetlint</translation>
    </message>
    <message>
        <source>Length of the tape, with its unit (1000mm or 40in):</source>
        <translation>Lengte van het meetlint, met eenheid (1000mm of 40in):</translation>
    </message>
</context>
<context>
    <name>NumberSpacing</name>
    <message>
        <source>Numbers touch: font size %1 or less fits</source>
        <translation>Getallen raken elkaar: lettergrootte %1 of kleiner past</translation>
    </message>
</context>
<context>
    <name>PageGroup</name>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>A 100 mm and a 50 mm bar below the caption, to measure the printout with</source>
        <translation>Een balk van 100 mm en een van 50 mm onder het onderschrift, om de afdruk na te meten</translation>
    </message>
    <message>
        <source>Split lon&amp;g strips over pages</source>
        <translation>&amp;Lange stroken opdelen</translation>
    </message>
    <message>
        <source>Print a strip longer than the paper in overlapping segments</source>
        <translation>Een strook langer dan het papier in overlappende stukken afdrukken</translation>
    </message>
    <message>
        <source>Pr&amp;int verniers</source>
        <translation>&amp;Noniussen</translation>
    </message>
    <message>
        <source>A vernier below each strip, to read a tenth of its smallest mark</source>
        <translation>Een nonius onder elke strook, om een tiende van de fijnste verdeling af te lezen</translation>
    </message>
    <message>
        <source>A second number row on azimuth and RA strips, counting the other way</source>
        <translation>Een tweede getallenrij op azimut- en RA-stroken, die de andere kant op telt</translation>
    </message>
    <message>
        <source>Print rings instead of strips</source>
        <translation>Ringen in plaats van stroken</translation>
    </message>
    <message>
        <source>Each circle as a flat ring of the size&apos;s outer diameter, for a ground board or a disc</source>
        <translation>Elke cirkel als platte ring met de maat als buitendiameter, voor een grondplaat of een schijf</translation>
    </message>
    <message>
        <source>Half-&amp;degree marks</source>
        <translation>Halve&amp;graadstrepen</translation>
    </message>
    <message>
        <source>A mark at every half degree (every 5 minutes on RA), with 1° marks only</source>
        <translation>Een streep bij elke halve graad (bij RA elke 5 minuten), alleen met 1°-verdeling</translation>
    </message>
    <message>
        <source>Signed declination</source>
        <translation>Declinatie met teken</translation>
    </message>
    <message>
        <source>Altitude numbers +90 ... 0 ... -90, as a declination circle reads</source>
        <translation>Hoogtegetallen +90 ... 0 ... -90, zoals een declinatiecirkel ze toont</translation>
    </message>
    <message>
        <source>Zero at, degrees</source>
        <translation>Nul bij, graden</translation>
    </message>
    <message>
        <source>The reading, in degrees, the strips start at (RA: its hours)</source>
        <translation>De aflezing, in graden, waarmee de stroken beginnen (RA: de uren)</translation>
    </message>
    <message>
        <source>Closing tab</source>
        <translation>Lijmlip</translation>
    </message>
    <message>
        <source>Printer s&amp;cale...</source>
        <translation>&amp;Printerschaal...</translation>
    </message>
    <message>
        <source>Measure and correct the current printer&apos;s scale</source>
        <translation>De schaal van de huidige printer meten en corrigeren</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Pagina...</translation>
    </message>
    <message>
        <source>Choose the current printer&apos;s paper and orientation, without printing</source>
        <translation>Papier en afdrukstand van de huidige printer kiezen, zonder af te drukken</translation>
    </message>
    <message>
        <source>Pre&amp;view Alt.</source>
        <translation>Voorb&amp;eeld Alt.</translation>
    </message>
    <message>
        <source>Show the sheets Print Alt. would print, without printing</source>
        <translation>De vellen tonen die “Afdruk Alt.” zou afdrukken, zonder af te drukken</translation>
    </message>
    <message>
        <source>Show the sheets Print Az. or Print RA would print, without printing</source>
        <translation>De vellen tonen die “Afdruk Az.” of “Afdruk RA” zou afdrukken, zonder af te drukken</translation>
    </message>
    <message>
        <source>&amp;Zero at</source>
        <translation>Nul bi&amp;j</translation>
    </message>
    <message>
        <source>Previ&amp;ew RA</source>
        <translation>&amp;Voorbeeld RA</translation>
    </message>
    <message>
        <source>Previ&amp;ew Az.</source>
        <translation>&amp;Voorbeeld Az.</translation>
    </message>
    <message>
        <source>Paper: </source>
        <translation>Papier: </translation>
    </message>
    <message>
        <source>Pri&amp;nt scale check</source>
        <translation>S&amp;chaalcontrole</translation>
    </message>
    <message>
        <source>Numbers both wa&amp;ys</source>
        <translation>Getallen ook o&amp;mgekeerd</translation>
    </message>
    <message>
        <source>Ring read from its centre</source>
        <translation>Ring vanuit het midden gelezen</translation>
    </message>
    <message>
        <source>A ring&apos;s numbers upright from its centre, for a disc; otherwise from outside it, as on a ground board</source>
        <translation>De getallen van een ring rechtop vanuit het midden, voor een schijf; anders van buitenaf, zoals op een grondplaat</translation>
    </message>
    <message>
        <source>The strip&apos;s first long division again after its end, to join the wrapped strip mark over mark (not with an arc: an arc does not close)</source>
        <translation>De eerste lange verdeling van de strook nog eens na het einde, om de omgelegde strook streep op streep te sluiten (niet bij een boog: een boog sluit niet)</translation>
    </message>
    <message>
        <source>Print only the arc from one mark to another: degrees (RA: hours), both empty for the whole circle; altitude 0 to 90, rising or falling</source>
        <translation>Alleen de boog van het ene streepje tot het andere afdrukken: graden (RA: uren), beide leeg voor de hele cirkel; hoogte 0 tot 90, stijgend of dalend</translation>
    </message>
    <message>
        <source>Arc from</source>
        <translation>Boog van</translation>
    </message>
    <message>
        <source>Arc to</source>
        <translation>Boog tot</translation>
    </message>
    <message>
        <source>to</source>
        <translation>tot</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>landscape</source>
        <translation>liggend</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>staand</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Vellen</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Uit&amp;zoomen</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 vel</translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n vel</numerusform>
            <numerusform>%n vellen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2 %3, %4 × %5 mm</source>
        <translation>%1 op %2 %3, %4 × %5 mm</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Vel %1 van %2</translation>
    </message>
    <message>
        <source>Strip length %1 mm (%2 in.), ring diameter %3 mm (%4 in.)</source>
        <translation>Stroklengte %1 mm (%2 in), ringdiameter %3 mm (%4 in)</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Altitude</source>
        <translation>Hoogtecirkel</translation>
    </message>
    <message>
        <source>Printing altitude...</source>
        <translation>Hoogtecirkel wordt afgedrukt...</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>Declinatiecirkel</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimutcirkel</translation>
    </message>
    <message>
        <source>Printing azimuth...</source>
        <translation>Azimutcirkel wordt afgedrukt...</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>RA</translation>
    </message>
    <message>
        <source>Printing RA</source>
        <translation>RA-cirkel wordt afgedrukt</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed</source>
        <translation>De printer “%1” is niet meer geïnstalleerd</translation>
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
        <translation>Halvegraadstrepen vragen een diameter van minstens %1 %2.</translation>
    </message>
    <message>
        <source>Half-degree marks need a length of at least %1 %2.</source>
        <translation>Halvegraadstrepen vragen een lengte van minstens %1 %2.</translation>
    </message>
    <message>
        <source>Zero at must be 0 to %1 degrees in steps of %2.</source>
        <translation>Nul bij moet 0 tot %1 graden zijn in stappen van %2.</translation>
    </message>
    <message>
        <source>Must be numeric.</source>
        <translation>Moet een getal zijn.</translation>
    </message>
    <message>
        <source>Print function error.</source>
        <translation>Fout bij het afdrukken.</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Kan geen printer kiezen: </translation>
    </message>
    <message>
        <source>%1 size must be at least %2 %3</source>
        <translation>%1: de maat moet minstens %2 %3 zijn</translation>
    </message>
    <message>
        <source>Print function error: %1.</source>
        <translation>Fout bij het afdrukken: %1.</translation>
    </message>
    <message>
        <source>%1 %2 %3 dia.</source>
        <translation>%1 %2 %3 diam.</translation>
    </message>
    <message>
        <source>%1 %2 %3 len.</source>
        <translation>%1 %2 %3 lengte</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for split strips.</source>
        <translation>%1: max. lengte %2 %3 voor gedeelde stroken.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for current page width.</source>
        <translation>%1: max. lengte %2 %3 voor de huidige paginabreedte.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for the printable width.</source>
        <translation>%1: max. lengte %2 %3 voor de afdrukbare breedte.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for split rings.</source>
        <translation>%1: max. ringdiameter %2 %3 voor gedeelde ringen.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for the printable area.</source>
        <translation>%1: max. ringdiameter %2 %3 voor het afdrukbare gebied.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>inch</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Een %1 vraagt een diameter van minstens %2 %3: draai het papier liggend of deel de strook.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Een %1 vraagt minstens %2 %3: draai het papier liggend of deel de strook.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape.</source>
        <translation>Een %1 vraagt een diameter van minstens %2 %3: draai het papier liggend.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape.</source>
        <translation>Een %1 vraagt minstens %2 %3: draai het papier liggend.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: split it.</source>
        <translation>Een %1 vraagt een diameter van minstens %2 %3: deel de strook.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: split it.</source>
        <translation>Een %1 vraagt minstens %2 %3: deel de strook.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: choose a larger paper.</source>
        <translation>Een %1 vraagt een diameter van minstens %2 %3: kies groter papier.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: choose a larger paper.</source>
        <translation>Een %1 vraagt minstens %2 %3: kies groter papier.</translation>
    </message>
    <message>
        <source>altitude</source>
        <comment>in: An altitude strip needs...</comment>
        <translation>hoogtestrook</translation>
    </message>
    <message>
        <source>azimuth</source>
        <comment>in: An azimuth strip needs...</comment>
        <translation>azimutstrook</translation>
    </message>
    <message>
        <source>RA</source>
        <comment>in: An RA strip needs...</comment>
        <translation>RA-strook</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for a drawing.</source>
        <translation>%1: max. lengte %2 %3 voor een tekening.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for a drawing.</source>
        <translation>%1: max. ringdiameter %2 %3 voor een tekening.</translation>
    </message>
    <message>
        <source>Arc from and to must be 0 to 24 hours in steps of 10 minutes.</source>
        <translation>Boog van en tot moeten 0 tot 24 uur zijn in stappen van 10 minuten.</translation>
    </message>
    <message>
        <source>Arc from and to must be %1 to %2 degrees in steps of %3.</source>
        <translation>Boog van en tot moeten %1 tot %2 graden zijn in stappen van %3.</translation>
    </message>
    <message>
        <source>Arc from and to need a value each, or none for the whole circle.</source>
        <translation>Boog van en tot hebben elk een waarde nodig, of geen voor de hele cirkel.</translation>
    </message>
    <message>
        <source>Arc from and to must be numeric.</source>
        <translation>Boog van en tot moeten getallen zijn.</translation>
    </message>
    <message>
        <source>Arc from and to must be different marks.</source>
        <translation>Boog van en tot moeten verschillende streepjes zijn.</translation>
    </message>
</context>
<context>
    <name>PrinterPapers</name>
    <message>
        <source>%1, landscape</source>
        <translation>%1, liggend</translation>
    </message>
    <message>
        <source>%1, portrait</source>
        <translation>%1, staand</translation>
    </message>
    <message>
        <source>the printer has no name</source>
        <translation>de printer heeft geen naam</translation>
    </message>
    <message>
        <source>%1 is larger than a page can be (%2 mm a side)</source>
        <translation>%1 is groter dan een pagina kan zijn (%2 mm per zijde)</translation>
    </message>
    <message>
        <source>its value cannot be read as a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>de waarde is niet te lezen als papier met afdrukstand, zoals “A4, portrait”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>“%1” is geen papier met afdrukstand, zoals “A4, portrait”</translation>
    </message>
</context>
<context>
    <name>PrinterScaleDialog</name>
    <message>
        <source>Bar along the paper&apos;s &amp;width (%1 mm), measured in mm:</source>
        <translation>Balk langs de &amp;breedte van het papier (%1 mm), gemeten in mm:</translation>
    </message>
    <message>
        <source>Bar along the paper&apos;s &amp;length (%1 mm), measured in mm:</source>
        <translation>Balk langs de &amp;lengte van het papier (%1 mm), gemeten in mm:</translation>
    </message>
    <message>
        <source>Factors kept for this printer: %1 along the paper&apos;s width, %2 along its length.</source>
        <translation>Bewaarde factoren voor deze printer: %1 langs de breedte van het papier, %2 langs de lengte.</translation>
    </message>
    <message>
        <source>1. Print the calibration page (with any scaling or &quot;fit to page&quot; option of the printer off).
2. Measure each bar from its first to its last mark.
3. Type the two lengths and press OK: every page on this printer is then corrected.</source>
        <translation>1. Druk de kalibratiepagina af (met elke schaling of optie “passend op pagina” van de printer uit).
2. Meet elke balk van de eerste tot de laatste streep.
3. Vul beide lengtes in en druk op OK: daarna wordt elke pagina op deze printer gecorrigeerd.</translation>
    </message>
    <message>
        <source>Print calibration page...</source>
        <translation>Kalibratiepagina afdrukken...</translation>
    </message>
    <message>
        <source>Back to 1 and 1 for this printer</source>
        <translation>Terug naar 1 en 1 voor deze printer</translation>
    </message>
    <message>
        <source>Printer scale - </source>
        <translation>Printerschaal - </translation>
    </message>
    <message>
        <source>Printer: </source>
        <translation>Printer: </translation>
    </message>
    <message>
        <source>The value kept for this printer is unusable (%1): it prints with 1 along both axes until new lengths are kept.</source>
        <translation>De bewaarde waarde voor deze printer is onbruikbaar (%1): hij drukt af met 1 langs beide assen tot er nieuwe lengtes bewaard zijn.</translation>
    </message>
    <message>
        <source>The printer can&apos;t be read: </source>
        <translation>De printer kan niet gelezen worden: </translation>
    </message>
    <message>
        <source>The calibration page was printed: measure its two bars.</source>
        <translation>De kalibratiepagina is afgedrukt: meet de twee balken.</translation>
    </message>
    <message>
        <source>The calibration page could not be printed: </source>
        <translation>De kalibratiepagina kon niet afgedrukt worden: </translation>
    </message>
    <message>
        <source>Type the lengths of both bars as measured.</source>
        <translation>Vul de gemeten lengtes van beide balken in.</translation>
    </message>
    <message>
        <source>The factors could not be kept: </source>
        <translation>De factoren konden niet bewaard worden: </translation>
    </message>
    <message>
        <source>Printer scale of %1: %2</source>
        <translation>Printerschaal van %1: %2</translation>
    </message>
    <message>
        <source>Printer scale of %1: 1 1</source>
        <translation>Printerschaal van %1: 1 1</translation>
    </message>
    <message>
        <source>This printer is back to 1 and 1.</source>
        <translation>Deze printer staat weer op 1 en 1.</translation>
    </message>
</context>
<context>
    <name>PrinterScales</name>
    <message>
        <source>&quot;%1&quot; is not two factors from 0.9 to 1.1</source>
        <translation>“%1” zijn geen twee factoren van 0.9 tot 1.1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length: type the length measured in millimetres.</source>
        <translation>“%1” is geen lengte: vul de gemeten lengte in millimeters in.</translation>
    </message>
    <message>
        <source>%1 mm for the %2 mm bar gives a factor of %3; only factors from 0.9 to 1.1 can be corrected. Measure the bar again from its first to its last mark.</source>
        <translation>%1 mm voor de balk van %2 mm geeft een factor %3; alleen factoren van 0,9 tot 1,1 zijn te corrigeren. Meet de balk opnieuw van de eerste tot de laatste streep.</translation>
    </message>
    <message>
        <source>its factors cannot be read; they are kept as two numbers from 0.9 to 1.1 with a decimal point, the width&apos;s first: &quot;1.01 0.99&quot;</source>
        <translation>de factoren zijn niet te lezen; ze worden bewaard als twee getallen van 0.9 tot 1.1 met een decimale punt, die van de breedte eerst: “1.01 0.99”</translation>
    </message>
</context>
<context>
    <name>ProofSheet</name>
    <message>
        <source>Widths %1-%2-%3, Height %4, Font %5</source>
        <translation>Breedtes %1-%2-%3, Hoogte %4, Letter %5</translation>
    </message>
    <message>
        <source>Proof sheet: %1 samples of 10 degrees don&apos;t fit this paper.</source>
        <translation>Proefblad: stalen van 10 graden van de cirkel %1 passen niet op dit papier.</translation>
    </message>
    <message>
        <source>Proof sheet: %1, samples of %2°</source>
        <translation>Proefblad: %1, stalen van %2°</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>the settings store %1 (%2)</source>
        <comment>%1: what is wrong with it, %2: its path</comment>
        <translation>de instellingenopslag %1 (%2)</translation>
    </message>
    <message>
        <source>is %1</source>
        <translation>is %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB</source>
        <translation>is groter dan 1 MiB</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kan niet gelezen worden: %1</translation>
    </message>
    <message>
        <source>is read-only</source>
        <translation>is alleen-lezen</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kan %1 niet schrijven</translation>
    </message>
    <message>
        <source>the settings store can be read only in part and no copy of it could be made (%1)</source>
        <translation>de instellingenopslag is maar gedeeltelijk te lezen en er kon geen kopie van gemaakt worden (%1)</translation>
    </message>
    <message>
        <source>the settings store can be read only in part; the whole file is kept as %1</source>
        <translation>de instellingenopslag is maar gedeeltelijk te lezen; het hele bestand is bewaard als %1</translation>
    </message>
</context>
<context>
    <name>QueueJobFollower</name>
    <message>
        <source>The printer %1 stopped the page%2.</source>
        <translation>De printer %1 heeft de pagina gestopt%2.</translation>
    </message>
    <message>
        <source>The printer %1 could not print the page%2.</source>
        <translation>De printer %1 kon de pagina niet afdrukken%2.</translation>
    </message>
    <message>
        <source>The page was cancelled on the printer %1.</source>
        <translation>De pagina is geannuleerd op de printer %1.</translation>
    </message>
    <message>
        <source>The printer %1 holds the page%2.</source>
        <translation>De printer %1 houdt de pagina vast%2.</translation>
    </message>
    <message>
        <source>The printer %1 is paused: the page waits in its queue.</source>
        <translation>De printer %1 is gepauzeerd: de pagina wacht in de wachtrij.</translation>
    </message>
    <message>
        <source>The printer %1 has stopped: the page waits in its queue.</source>
        <translation>De printer %1 is gestopt: de pagina wacht in de wachtrij.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has not printed the page yet: %2</source>
        <translation>De printer “%1” heeft de pagina nog niet afgedrukt: %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has printed the page.</source>
        <translation>De printer “%1” heeft de pagina afgedrukt.</translation>
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
        <translation>koorde %1 = %2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Types komen niet overeen</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ongeldige eigenschapswaarde</translation>
    </message>
</context>
<context>
    <name>SettingsFileCommands</name>
    <message>
        <source>Saved settings files (*.txt)|*.txt</source>
        <translation>Opgeslagen instellingenbestanden (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Create new or overwrite settings file</source>
        <translation>Instellingenbestand aanmaken of overschrijven</translation>
    </message>
    <message>
        <source>Restore settings files (*.txt)|*.txt</source>
        <translation>Instellingenbestanden om te laden (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Restore settings from file</source>
        <translation>Instellingen uit bestand laden</translation>
    </message>
    <message>
        <source>Error %1, %2</source>
        <translation>Fout %1, %2</translation>
    </message>
    <message>
        <source>Confirm Overwrite</source>
        <translation>Overschrijven bevestigen</translation>
    </message>
    <message>
        <source>Will be overwritten!</source>
        <translation>Wordt overschreven!</translation>
    </message>
    <message>
        <source>Write settings file error</source>
        <translation>Fout bij het schrijven van het instellingenbestand</translation>
    </message>
    <message>
        <source>Error writting to setting file</source>
        <translation>Fout bij het schrijven naar het instellingenbestand</translation>
    </message>
    <message>
        <source>Settings saved to &apos;%1&apos;</source>
        <translation>Instellingen opgeslagen in &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Read settings file error</source>
        <translation>Fout bij het lezen van het instellingenbestand</translation>
    </message>
    <message>
        <source>Error reading setting file</source>
        <translation>Fout bij het lezen van het instellingenbestand</translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;) could not be applied</source>
        <translation>regel %1 (“%2”) kon niet toegepast worden</translation>
    </message>
    <message>
        <source>the file ends after line %1</source>
        <translation>het bestand eindigt na regel %1</translation>
    </message>
    <message>
        <source>1 setting restored from &apos;%1&apos;</source>
        <translation>1 instelling geladen uit &apos;%1&apos;</translation>
    </message>
    <message numerus="yes">
        <source>%n settings restored from &apos;%1&apos;</source>
        <translation>
            <numerusform>%n instelling geladen uit &apos;%1&apos;</numerusform>
            <numerusform>%n instellingen geladen uit &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 settings restored from &apos;%2&apos;: %3.</source>
        <translation>
            <numerusform>%n van %1 instellingen geladen uit &apos;%2&apos;: %3.</numerusform>
            <numerusform>%n van %1 instellingen geladen uit &apos;%2&apos;: %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>Cannot uncheck both circle styles.</source>
        <translation>Beide cirkelstijlen uitvinken kan niet.</translation>
    </message>
</context>
<context>
    <name>SheetAids</name>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Vel %1 van %2</translation>
    </message>
    <message>
        <source>Cut each piece on its cut line; lay its end over the next piece, A on A, marks on marks</source>
        <translation>Knip elk stuk op zijn kniplijn; leg het eind over het volgende stuk, A op A, strepen op strepen</translation>
    </message>
    <message>
        <source>Sheet %1</source>
        <translation>Vel %1</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>Handleiding van %1</translation>
    </message>
    <message>
        <source>The user guide could not be read: %1</source>
        <translation>De handleiding kon niet gelezen worden: %1</translation>
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
        <translation>%1 = lijn van %2</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1 pt = %2 digits</source>
        <translation>%1 pt = cijfers van %2</translation>
    </message>
</context>
<context>
    <name>WindowController</name>
    <message>
        <source>Export Altitude</source>
        <translation>Hoogtecirkel exporteren</translation>
    </message>
    <message>
        <source>Export Azimuth/RA</source>
        <translation>Azimut-/RA-cirkel exporteren</translation>
    </message>
    <message>
        <source>The paper could not be kept: </source>
        <translation>Het papier kon niet bewaard worden: </translation>
    </message>
    <message>
        <source>paper unknown</source>
        <translation>papier onbekend</translation>
    </message>
    <message>
        <source>no printer</source>
        <translation>geen printer</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Kan geen printer kiezen: </translation>
    </message>
    <message>
        <source>Printer scale for &apos;%1&apos; ignored: %2; it prints unscaled.</source>
        <translation>Printerschaal voor &apos;%1&apos; genegeerd: %2; hij drukt ongeschaald af.</translation>
    </message>
    <message>
        <source>The user guide is not installed; &quot;man vennaros&quot; describes the program.</source>
        <translation>De handleiding is niet geïnstalleerd; “man vennaros” beschrijft het programma.</translation>
    </message>
    <message>
        <source>The paper kept for &apos;%1&apos; is not used: %2; it prints on the printer&apos;s own paper.</source>
        <translation>Het bewaarde papier voor &apos;%1&apos; wordt niet gebruikt: %2; de printer drukt af op zijn eigen papier.</translation>
    </message>
    <message>
        <source>%1, turned to fit</source>
        <translation>%1, gedraaid zodat het past</translation>
    </message>
</context>
<context>
    <name>WrapTape</name>
    <message>
        <source>Wrap tape</source>
        <translation>Wikkelmeetlint</translation>
    </message>
    <message>
        <source>Wrap tape: &apos;%1&apos; is not a length; give it with its unit, for example 1000mm or 40in.</source>
        <translation>Wikkelmeetlint: &apos;%1&apos; is geen lengte; geef die met eenheid, bijvoorbeeld 1000mm of 40in.</translation>
    </message>
    <message>
        <source>Wrap tape %1</source>
        <translation>Wikkelmeetlint %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Print Vennaros</source>
        <translation>Vennaros afdrukken</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Size is diameter</source>
        <translation>Maat is de diameter</translation>
    </message>
    <message>
        <source>Size is length</source>
        <translation>Maat is de lengte</translation>
    </message>
    <message>
        <source>size is mm</source>
        <translation>maat in mm</translation>
    </message>
    <message>
        <source>Size in inches</source>
        <translation>Maat in inch</translation>
    </message>
    <message>
        <source>Circle styles</source>
        <translation>Cirkelstijlen</translation>
    </message>
    <message>
        <source>&amp;Black on White background</source>
        <translation>&amp;Zwart op witte achtergrond</translation>
    </message>
    <message>
        <source>&amp;White on Black background</source>
        <translation>&amp;Wit op zwarte achtergrond</translation>
    </message>
    <message>
        <source>Print &amp;Alt.</source>
        <translation>Afdr&amp;uk Alt.</translation>
    </message>
    <message>
        <source>dia.</source>
        <translation>Ø</translation>
    </message>
    <message>
        <source>len.</source>
        <translation>L</translation>
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
        <translation>Az L&gt;&amp;R +</translation>
    </message>
    <message>
        <source>Az circle left to right numbers increase</source>
        <translation>Azimutcirkel: getallen stijgen van links naar rechts</translation>
    </message>
    <message>
        <source>Quit without saving settings</source>
        <translation>Stoppen zonder de instellingen op te slaan</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Slu&amp;iten</translation>
    </message>
    <message>
        <source>Exit and save settings</source>
        <translation>Sluiten en de instellingen opslaan</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Hers&amp;tel</translation>
    </message>
    <message>
        <source>Reset to last exit settings from registry</source>
        <translation>Herstel de instellingen van het laatste Sluiten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Save current settings to file</source>
        <translation>Huidige instellingen in een bestand opslaan</translation>
    </message>
    <message>
        <source>Rest&amp;ore</source>
        <translation>La&amp;den</translation>
    </message>
    <message>
        <source>Paper and orientation are kept for each printer.</source>
        <translation>Papier en afdrukstand worden per printer bewaard.</translation>
    </message>
    <message>
        <source>Prin&amp;t RA</source>
        <translation>&amp;Afdruk RA</translation>
    </message>
    <message>
        <source>Prin&amp;t Az.</source>
        <translation>&amp;Afdruk Az.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Smallest Mar&amp;k Degree</source>
        <translation>&amp;Fijnste verdeling in graden</translation>
    </message>
    <message>
        <source>Altit&amp;ude / DECL Circle Size</source>
        <translation>Maat hoogte-/DEC-cirkel</translation>
    </message>
    <message>
        <source>Azi&amp;muth / RA Circle Size</source>
        <translation>Maat azimut-/RA-cirkel</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Stop</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vennaros: %1
Try &apos;vennaros --help&apos;.
</source>
        <translation>vennaros: %1
Probeer &apos;vennaros --help&apos;.
</translation>
    </message>
    <message>
        <source>there is no platform plugin &apos;%1&apos;</source>
        <translation>er is geen platformplug-in &apos;%1&apos;</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY en WAYLAND_DISPLAY zijn niet ingesteld</translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be reached</source>
        <translation>&apos;%1&apos; is niet bereikbaar</translation>
    </message>
    <message>
        <source>vennaros: cannot open a display: %1; --print-pdf, --svg and --dxf need none.
</source>
        <translation>vennaros: kan geen display openen: %1; --print-pdf, --svg en --dxf hebben er geen nodig.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8; no file is read or written under another name.
</source>
        <translation>vennaros: &apos;%1&apos; is geen geldige UTF-8; er wordt geen bestand onder een andere naam gelezen of geschreven.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8.
</source>
        <translation>vennaros: &apos;%1&apos; is geen geldige UTF-8.
</translation>
    </message>
    <message>
        <source>vennaros: the value of --%1 is not valid UTF-8.
</source>
        <translation>vennaros: de waarde van --%1 is geen geldige UTF-8.
</translation>
    </message>
</context>
<context>
    <name>programinfo</name>
    <message>
        <source>Prints graduated setting circles for telescope mounts at their exact size.</source>
        <translation>Drukt graadcirkels voor telescoopmonteringen af op hun precieze maat.</translation>
    </message>
</context>
</TS>
