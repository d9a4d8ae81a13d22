<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Ikona programu</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Home: </source>
        <translation>Strona: </translation>
    </message>
    <message>
        <source>Report a fault: </source>
        <translation>Zgłoś błąd: </translation>
    </message>
    <message>
        <source>The user guide and the manual page are in English.</source>
        <translation>Instrukcja obsługi i strona podręcznika są po angielsku.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencja</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Along the paper&apos;s length: %1 mm</source>
        <translation>Wzdłuż długości papieru: %1 mm</translation>
    </message>
    <message>
        <source>Along the paper&apos;s width: %1 mm</source>
        <translation>Wzdłuż szerokości papieru: %1 mm</translation>
    </message>
    <message>
        <source>%1 (the bar across the top)</source>
        <translation>%1 (odcinek w poprzek u góry)</translation>
    </message>
    <message>
        <source>%1 (the bar down the left side)</source>
        <translation>%1 (odcinek wzdłuż lewego brzegu)</translation>
    </message>
    <message>
        <source>Printer scale calibration for %1</source>
        <translation>Kalibracja skali drukarki %1</translation>
    </message>
    <message>
        <source>Measure each bar from its first to its last mark, in millimetres, and type</source>
        <translation>Zmierz każdy odcinek od pierwszej do ostatniej kreski, w milimetrach, i wpisz</translation>
    </message>
    <message>
        <source>the two lengths into the Printer scale dialog. Print this page with any</source>
        <translation>obie długości w oknie Skala drukarki. Drukuj tę stronę z wyłączonym</translation>
    </message>
    <message>
        <source>scaling or &quot;fit to page&quot; option of the printer switched off.</source>
        <translation>skalowaniem i opcją „dopasuj do strony” drukarki.</translation>
    </message>
</context>
<context>
    <name>CaptionLine</name>
    <message>
        <source>%1 ring diameter = %2 %3</source>
        <translation>%1, średnica pierścienia = %2 %3</translation>
    </message>
    <message>
        <source>%1 Circle length = %2 %3</source>
        <translation>%1, długość koła = %2 %3</translation>
    </message>
    <message>
        <source>, Smallest mark = %1°, Line (small, 5°, 10°) Widths  = %2</source>
        <translation>, Najmniejsza działka = %1°, Grubości kresek (małe, 5°, 10°) = %2</translation>
    </message>
    <message>
        <source>, Line (10min, 30min, 1hr) Widths  = %1</source>
        <translation>, Grubości kresek (10 min, 30 min, 1 h) = %1</translation>
    </message>
    <message>
        <source>, Heights = %1, Font size = %2</source>
        <translation>, Wysokości = %1, Rozmiar czcionki = %2</translation>
    </message>
    <message>
        <source>, 5min marks</source>
        <translation>, kreski co 5 min</translation>
    </message>
    <message>
        <source>, half-degree marks</source>
        <translation>, kreski co pół stopnia</translation>
    </message>
    <message>
        <source>, zero at %1</source>
        <translation>, zero przy %1</translation>
    </message>
    <message>
        <source>, vernier %1</source>
        <translation>, noniusz %1</translation>
    </message>
    <message>
        <source>, numbers both ways</source>
        <translation>, liczby w obu kierunkach</translation>
    </message>
    <message>
        <source>, Printer scale = %1</source>
        <translation>, Skala drukarki = %1</translation>
    </message>
    <message>
        <source>ring diameter = %1 %2</source>
        <translation>średnica pierścienia = %1 %2</translation>
    </message>
    <message>
        <source>Circle length = %1 %2 (%3 %2)</source>
        <translation>długość koła = %1 %2 (%3 %2)</translation>
    </message>
    <message>
        <source>%1 arc %2 of %3</source>
        <translation>%1, łuk %2 z %3</translation>
    </message>
</context>
<context>
    <name>CircleSetColumn</name>
    <message>
        <source>Smallest Mark Width</source>
        <translation>Grubość najm. kreski</translation>
    </message>
    <message>
        <source>5° Mark Width</source>
        <translation>Grubość kreski 5°</translation>
    </message>
    <message>
        <source>10° Mark Width</source>
        <translation>Grubość kreski 10°</translation>
    </message>
    <message>
        <source>Circle Height</source>
        <translation>Wysokość koła</translation>
    </message>
    <message>
        <source>Text Font Size</source>
        <translation>Rozmiar tekstu</translation>
    </message>
    <message>
        <source>&amp;1st Circle to Print</source>
        <translation>&amp;1. koło do druku</translation>
    </message>
    <message>
        <source>&amp;2nd Circle to Print</source>
        <translation>&amp;2. koło do druku</translation>
    </message>
    <message>
        <source>&amp;3rd Circle to Print</source>
        <translation>&amp;3. koło do druku</translation>
    </message>
    <message>
        <source>Scale on Top</source>
        <translation>Skala u góry</translation>
    </message>
    <message>
        <source>Scale on Top %1</source>
        <translation>Skala u góry %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--size needs a number and its unit, for example 450mm or 3.5in, not &apos;%1&apos;.</source>
        <translation>--size wymaga liczby z jednostką, na przykład 450mm lub 3.5in, a nie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--ra and --decreasing go with --azimuth.</source>
        <translation>--ra i --decreasing idą z --azimuth.</translation>
    </message>
    <message>
        <source>--signed-dec goes with --altitude.</source>
        <translation>--signed-dec idzie z --altitude.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--print-pdf, --svg and --dxf: give one of them.</source>
        <translation>--print-pdf, --svg i --dxf: podaj tylko jedno.</translation>
    </message>
    <message>
        <source>--settings, --paper, --landscape, --altitude, --azimuth and the circle&apos;s options go with --print-pdf FILE, --svg FILE or --dxf FILE.</source>
        <translation>--settings, --paper, --landscape, --altitude, --azimuth i opcje koła idą z --print-pdf FILE, --svg FILE lub --dxf FILE.</translation>
    </message>
    <message>
        <source>--paper and --landscape go with --print-pdf: a drawing has no paper.</source>
        <translation>--paper i --landscape idą z --print-pdf: rysunek nie ma papieru.</translation>
    </message>
    <message>
        <source>--%1 needs one of --altitude and --azimuth.</source>
        <translation>--%1 wymaga --altitude albo --azimuth.</translation>
    </message>
    <message>
        <source>--print-pdf needs the name of the PDF file to write.</source>
        <translation>--print-pdf wymaga nazwy pliku PDF do zapisania.</translation>
    </message>
    <message>
        <source>--%1 needs the name of the drawing file to write.</source>
        <translation>--%1 wymaga nazwy pliku rysunku do zapisania.</translation>
    </message>
    <message>
        <source>--settings needs the name of a settings file.</source>
        <translation>--settings wymaga nazwy pliku ustawień.</translation>
    </message>
    <message>
        <source>--paper needs the name of a paper size, for example A4.</source>
        <translation>--paper wymaga nazwy formatu papieru, na przykład A4.</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos; (A4, Letter, A3, Legal, ...)</source>
        <translation>nieznany papier &apos;%1&apos; (A4, Letter, A3, Legal, ...)</translation>
    </message>
    <message>
        <source>print this text and exit</source>
        <translation>wypisz ten tekst i zakończ</translation>
    </message>
    <message>
        <source>print the name and version and exit</source>
        <translation>wypisz nazwę i wersję i zakończ</translation>
    </message>
    <message>
        <source>print the page a print button would print to the PDF file FILE,
without a window</source>
        <translation>wydrukuj do pliku PDF FILE stronę, którą wydrukowałby przycisk
drukowania, bez okna</translation>
    </message>
    <message>
        <source>the same as a DXF drawing</source>
        <translation>to samo jako rysunek DXF</translation>
    </message>
    <message>
        <source>a settings file saved with &quot;Save&quot;, restored over the defaults</source>
        <translation>plik ustawień zapisany przyciskiem „Zapisz”, wczytany na wartości
domyślne</translation>
    </message>
    <message>
        <source>the paper, for example A4, Letter, A3 or Legal (default: the
built-in PDF printer&apos;s paper)</source>
        <translation>papier, na przykład A4, Letter, A3 lub Legal (domyślnie: papier
wbudowanej drukarki PDF)</translation>
    </message>
    <message>
        <source>the paper turned to landscape</source>
        <translation>papier obrócony poziomo</translation>
    </message>
    <message>
        <source>the altitude circle (&quot;Print Alt.&quot;)</source>
        <translation>koło wysokości („Drukuj Alt.”)</translation>
    </message>
    <message>
        <source>the azimuth or RA circle, as the settings say (&quot;Print Az.&quot; or
&quot;Print RA&quot;)</source>
        <translation>koło azymutu lub RA, zgodnie z ustawieniami („Drukuj Az.” lub
„Drukuj RA”)</translation>
    </message>
    <message>
        <source>the circle&apos;s size with its unit: 450mm, 3in, 3.5in or 3,5in; a
diameter (dia.) unless --length</source>
        <translation>rozmiar koła z jednostką: 450mm, 3in, 3.5in lub 3,5in; średnica
(śr.), chyba że --length</translation>
    </message>
    <message>
        <source>the size is the strip&apos;s length (len.)</source>
        <translation>rozmiar to długość paska (dł.)</translation>
    </message>
    <message>
        <source>the RA circle instead of the azimuth circle</source>
        <translation>koło RA zamiast koła azymutu</translation>
    </message>
    <message>
        <source>azimuth numbers decreasing from left to right (&quot;Az L&gt;R +&quot; clear)</source>
        <translation>liczby azymutu malejące od lewej do prawej („Az L&gt;P +”
niezaznaczone)</translation>
    </message>
    <message>
        <source>split a strip longer than the paper over pages, a ring larger
than the printable area into sectors</source>
        <translation>podziel na strony pasek dłuższy niż papier, a na sektory pierścień
większy niż obszar zadruku</translation>
    </message>
    <message>
        <source>print the circle as a flat ring instead of a strip; its size is
the ring&apos;s outer diameter, or with --length its circumference</source>
        <translation>drukuj koło jako płaski pierścień zamiast paska; rozmiar to
zewnętrzna średnica pierścienia, a z --length jego obwód</translation>
    </message>
    <message>
        <source>a vernier below each strip or ring (&quot;Print verniers&quot;)</source>
        <translation>noniusz pod każdym paskiem lub pierścieniem („Drukuj noniusze”)</translation>
    </message>
    <message>
        <source>a second number row counting the other way (&quot;Numbers both ways&quot;)</source>
        <translation>drugi rząd liczb liczony w przeciwną stronę („Liczby w obu
kierunkach”)</translation>
    </message>
    <message>
        <source>the scale check bars below the page (&quot;Print scale check&quot;)</source>
        <translation>odcinki kontroli skali pod stroną („Kontrola skali”)</translation>
    </message>
    <message>
        <source>a mark at every half degree (every 5 minutes on RA)</source>
        <translation>kreska co pół stopnia (co 5 minut na RA)</translation>
    </message>
    <message>
        <source>altitude numbers signed as declination: 90 ... 0 ... -90</source>
        <translation>liczby wysokości ze znakiem jak deklinacja: 90 ... 0 ... -90</translation>
    </message>
    <message>
        <source>the strip starts at the reading N degrees (RA: its hours)</source>
        <translation>pasek zaczyna się od odczytu N stopni (RA: jego godziny)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Użycie:</translation>
    </message>
    <message>
        <source>Without options it opens its window.</source>
        <translation>Bez opcji otwiera swoje okno.</translation>
    </message>
    <message>
        <source>
Exit status: 0 when the file was written, 1 when the job refused or failed (the reason on
standard error, no file written), 2 for a wrong command line.
See also: man vennaros
</source>
        <translation>
Kod wyjścia: 0, gdy plik zapisano, 1, gdy zadanie odrzucono lub się nie powiodło (przyczyna na
standardowym wyjściu błędów, żaden plik nie zapisany), 2 przy błędnym wierszu poleceń.
Zobacz także: man vennaros
</translation>
    </message>
    <message>
        <source>the strip&apos;s first long division again after its end, to close
the wrapped strip mark over mark (&quot;Closing tab&quot;)</source>
        <translation>pierwsza długa działka paska jeszcze raz za jego końcem, aby
zamknąć owinięty pasek kreska na kresce („Zakładka do klejenia”)</translation>
    </message>
    <message numerus="yes">
        <source>--%1 is given %n times; give it once.</source>
        <translation>
            <numerusform>--%1 podano %n raz; podaj raz.</numerusform>
            <numerusform>--%1 podano %n razy; podaj raz.</numerusform>
            <numerusform>--%1 podano %n razy; podaj raz.</numerusform>
        </translation>
    </message>
    <message>
        <source>--size: the number is too large.</source>
        <translation>--size: liczba jest za duża.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees: RA hours always increase.</source>
        <translation>--decreasing idzie z kołem azymutu w stopniach: godziny RA zawsze rosną.</translation>
    </message>
    <message>
        <source>--print-pdf writes a file, not standard output: name the PDF file to write.</source>
        <translation>--print-pdf zapisuje plik, nie standardowe wyjście: podaj nazwę pliku PDF do zapisania.</translation>
    </message>
    <message>
        <source>--settings reads a file, not standard input: name the settings file.</source>
        <translation>--settings czyta plik, nie standardowe wejście: podaj nazwę pliku ustawień.</translation>
    </message>
    <message>
        <source>--%1 needs a file name: &apos;%2&apos; starts with &apos;-&apos; as an option does; write such a name as ./%2.</source>
        <translation>--%1 wymaga nazwy pliku: &apos;%2&apos; zaczyna się od &apos;-&apos; jak opcja; napisz taką nazwę jako ./%2.</translation>
    </message>
    <message>
        <source>--split goes with --print-pdf: a drawing is never split.</source>
        <translation>--split idzie z --print-pdf: rysunek nigdy nie jest dzielony.</translation>
    </message>
    <message>
        <source>--scale-check goes with --print-pdf: a drawing has no scale check bars.</source>
        <translation>--scale-check idzie z --print-pdf: rysunek nie ma odcinków kontroli skali.</translation>
    </message>
    <message>
        <source>--closing-tab goes with --print-pdf: a drawing has no closing tab.</source>
        <translation>--closing-tab idzie z --print-pdf: rysunek nie ma zakładki do klejenia.</translation>
    </message>
    <message>
        <source>--both-ways goes with --azimuth: the altitude circle reads both ways already.</source>
        <translation>--both-ways idzie z --azimuth: koło wysokości i tak czyta się w obu kierunkach.</translation>
    </message>
    <message>
        <source>the whole strip or ring as an SVG drawing for a laser or vinyl
cutter, at its true size in millimetres, never split;
FILE - writes it to standard output</source>
        <translation>cały pasek lub pierścień jako rysunek SVG dla plotera laserowego
lub tnącego folię, w rzeczywistym rozmiarze w milimetrach, nigdy
dzielony; FILE - zapisuje go na standardowe wyjście</translation>
    </message>
    <message>
        <source>--tape and --proof go with --print-pdf FILE.</source>
        <translation>--tape i --proof idą z --print-pdf FILE.</translation>
    </message>
    <message>
        <source>--tape and --proof: give one of them.</source>
        <translation>--tape i --proof: podaj tylko jedno.</translation>
    </message>
    <message>
        <source>--tape goes with --print-pdf, --paper and --landscape alone.</source>
        <translation>--tape idzie tylko z --print-pdf, --paper i --landscape.</translation>
    </message>
    <message>
        <source>a wrap tape of that length (1000mm, 40in) ticked every millimetre
(1/20 in), to measure an axis in the printer&apos;s own millimetres</source>
        <translation>taśma do owinięcia tej długości (1000mm, 40in) z kreską co milimetr
(1/20 in), do pomiaru osi w milimetrach drukarki</translation>
    </message>
    <message>
        <source>a proof sheet: samples of the circle&apos;s graduation in every mark
width, height and font size, to choose a circle set by trying</source>
        <translation>arkusz próbny: próbki podziałki koła w każdej szerokości kresek,
wysokości i wielkości czcionki, by wybrać zestaw, próbując</translation>
    </message>
    <message>
        <source>--strokes goes with --svg and --dxf: a printed page is inked in full.</source>
        <translation>--strokes idzie z --svg i --dxf: drukowana strona jest zadrukowana w całości.</translation>
    </message>
    <message>
        <source>with --svg or --dxf: marks as single lines and texts in a
single-stroke font, for vector lasers, pen plotters and drag
knives (default: filled outlines)</source>
        <translation>z --svg lub --dxf: kreski jako pojedyncze linie, a teksty czcionką
jednokreskową, dla laserów wektorowych, ploterów pisakowych
i noży wleczonych (domyślnie: wypełnione kontury)</translation>
    </message>
    <message>
        <source>a ring&apos;s numbers upright as read from its centre, for a disc, not
from outside it (&quot;Ring read from its centre&quot;)</source>
        <translation>liczby pierścienia proste czytane od jego środka, dla tarczy, nie
z zewnątrz („Pierścień czytany od środka”)</translation>
    </message>
    <message>
        <source>--arc needs two values, FROM:TO, for example 0:90 or 350:10, not &apos;%1&apos;.</source>
        <translation>--arc wymaga dwóch wartości, FROM:TO, na przykład 0:90 lub 350:10, a nie &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>only the arc from the mark FROM to the mark TO, in the circle&apos;s
numbers: --arc 0:90 (altitude), 350:10 (azimuth), 18:6 (RA)</source>
        <translation>tylko łuk od kreski FROM do kreski TO, w liczbach koła:
--arc 0:90 (wysokość), 350:10 (azymut), 18:6 (RA)</translation>
    </message>
    <message>
        <source>These fifteen override the settings file.</source>
        <translation>Tych piętnaście ma pierwszeństwo przed plikiem ustawień.</translation>
    </message>
</context>
<context>
    <name>DrawingExport</name>
    <message>
        <source>Export &amp;RA...</source>
        <translation>Eksportuj &amp;RA...</translation>
    </message>
    <message>
        <source>Export A&amp;zimuth...</source>
        <translation>Eksportuj &amp;azymut...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)|*.svg|DXF drawing (*.dxf)|*.dxf</source>
        <translation>Rysunek SVG (*.svg)|*.svg|Rysunek DXF (*.dxf)|*.dxf</translation>
    </message>
    <message>
        <source>Written: </source>
        <translation>Zapisano: </translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2.</source>
        <translation>Nie można zapisać &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>it is the program&apos;s settings store</source>
        <translation>to jest magazyn ustawień programu</translation>
    </message>
    <message>
        <source>it is a settings file saved or restored since the start</source>
        <translation>to jest plik ustawień zapisany lub wczytany od uruchomienia programu</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>St&amp;yl:</translation>
    </message>
    <message>
        <source>Filled outlines (print, raster engraving)</source>
        <translation>Wypełnione kontury (druk, grawerowanie rastrowe)</translation>
    </message>
    <message>
        <source>Single strokes (vector engraving, pen plotters)</source>
        <translation>Pojedyncze linie (grawerowanie wektorowe, plotery pisakowe)</translation>
    </message>
</context>
<context>
    <name>ExportFileJobHost</name>
    <message>
        <source>standard output can&apos;t be written: %1</source>
        <translation>nie można pisać na standardowe wyjście: %1</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font (hershey-fonts/rowmans.jhf), which is not installed; install the package hershey-fonts-data, or export filled outlines</source>
        <translation>pojedyncze linie wymagają czcionki Hershey simplex (hershey-fonts/rowmans.jhf), która nie jest zainstalowana; zainstaluj pakiet hershey-fonts-data lub eksportuj wypełnione kontury</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font, and &apos;%1&apos; cannot be read as one; export filled outlines</source>
        <translation>pojedyncze linie wymagają czcionki Hershey simplex, a &apos;%1&apos; nie daje się odczytać jako taka; eksportuj wypełnione kontury</translation>
    </message>
</context>
<context>
    <name>FileCommand</name>
    <message>
        <source>vennaros: cannot read the settings file &apos;%1&apos;: %2</source>
        <translation>vennaros: nie można odczytać pliku ustawień &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>jest %1</translation>
    </message>
    <message>
        <source>The others keep their defaults.</source>
        <translation>Pozostałe mają wartości domyślne.</translation>
    </message>
    <message>
        <source>vennaros: cannot write &apos;%1&apos;: %2</source>
        <translation>vennaros: nie można zapisać &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>it is the settings file</source>
        <translation>to jest plik ustawień</translation>
    </message>
    <message>
        <source>Nothing was printed: the size is empty or no circle set is enabled.</source>
        <translation>Nic nie wydrukowano: rozmiar jest pusty albo żaden zestaw koła nie jest zaznaczony.</translation>
    </message>
    <message>
        <source>--half-degree goes with the 1-degree graduation; the settings give marks every 5 degrees.</source>
        <translation>--half-degree idzie z działką 1°; ustawienia dają kreski co 5 stopni.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees; the settings ask for RA.</source>
        <translation>--decreasing idzie z kołem azymutu w stopniach; ustawienia wymagają RA.</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>no file name</source>
        <translation>brak nazwy pliku</translation>
    </message>
    <message>
        <source>the file name has characters the file system cannot keep</source>
        <translation>nazwa pliku ma znaki, których system plików nie zachowa</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>jest %1</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>jest tylko do odczytu</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>jego folder nie istnieje</translation>
    </message>
    <message>
        <source>it is a link to nothing</source>
        <translation>jest dowiązaniem donikąd</translation>
    </message>
    <message numerus="yes">
        <source>the file name is %n bytes long; the file system takes at most %1</source>
        <translation>
            <numerusform>nazwa pliku ma %n bajt; system plików przyjmuje najwyżej %1</numerusform>
            <numerusform>nazwa pliku ma %n bajty; system plików przyjmuje najwyżej %1</numerusform>
            <numerusform>nazwa pliku ma %n bajtów; system plików przyjmuje najwyżej %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileTarget</name>
    <message>
        <source>missing</source>
        <translation>nieobecny</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>plikiem</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>folderem</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>potokiem nazwanym</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>gniazdem</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>urządzeniem</translation>
    </message>
    <message>
        <source>out of reach</source>
        <translation>niedostępny</translation>
    </message>
    <message>
        <source>out of reach (%1)</source>
        <translation>niedostępny (%1)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>dowiązaniem donikąd</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>dowiązaniem do celu, który jest %1</translation>
    </message>
</context>
<context>
    <name>LastExitSettings</name>
    <message>
        <source>Settings reset to last exit values</source>
        <translation>Przywrócono ustawienia z ostatniego Końca</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Ustawienia zapisane</translation>
    </message>
    <message>
        <source>Settings reset to defaults: </source>
        <translation>Przywrócono ustawienia domyślne: </translation>
    </message>
    <message>
        <source>Settings could not be saved: </source>
        <translation>Nie udało się zapisać ustawień: </translation>
    </message>
    <message>
        <source>Settings reset to what could be read: </source>
        <translation>Przywrócono ustawienia, które dało się odczytać: </translation>
    </message>
</context>
<context>
    <name>LoadedPrintSupport</name>
    <message>
        <source>the print module is not installed (looked for %1)</source>
        <translation>moduł drukowania nie jest zainstalowany (szukano: %1)</translation>
    </message>
    <message>
        <source>the print module %1 could not be loaded: %2</source>
        <translation>nie można załadować modułu drukowania %1: %2</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>&amp;Zapisz ustawienia...</translation>
    </message>
    <message>
        <source>&amp;Restore Settings...</source>
        <translation>&amp;Wczytaj ustawienia...</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <translation>&amp;Resetuj</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>&amp;Ustawienia strony...</translation>
    </message>
    <message>
        <source>Export A&amp;ltitude...</source>
        <translation>&amp;Eksportuj wysokość...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>&amp;Quit without saving</source>
        <translation>Wyjdź &amp;bez zapisywania</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Druku&amp;j</translation>
    </message>
    <message>
        <source>Print &amp;Altitude...</source>
        <translation>&amp;Drukuj wysokość...</translation>
    </message>
    <message>
        <source>Print A&amp;zimuth/RA...</source>
        <translation>Drukuj &amp;azymut/RA...</translation>
    </message>
    <message>
        <source>Pre&amp;view Altitude</source>
        <translation>Podgląd &amp;wysokości</translation>
    </message>
    <message>
        <source>Previ&amp;ew Azimuth/RA</source>
        <translation>&amp;Podgląd azymutu/RA</translation>
    </message>
    <message>
        <source>Printer &amp;scale...</source>
        <translation>&amp;Skala drukarki...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Instrukcja obsługi</translation>
    </message>
    <message>
        <source>&amp;About Vennaros</source>
        <translation>&amp;O programie Vennaros</translation>
    </message>
    <message>
        <source>&amp;Proof sheet...</source>
        <translation>Ar&amp;kusz próbny...</translation>
    </message>
    <message>
        <source>Preview pr&amp;oof sheet</source>
        <translation>Podgląd arkusza pró&amp;bnego</translation>
    </message>
    <message>
        <source>&amp;Wrap tape...</source>
        <translation>&amp;Taśma do owinięcia...</translation>
    </message>
    <message>
        <source>Wrap tape</source>
        <translation>Taśma do owinięcia</translation>
    </message>
    <message>
        <source>Length of the tape, with its unit (1000mm or 40in):</source>
        <translation>Długość taśmy z jednostką (1000mm lub 40in):</translation>
    </message>
</context>
<context>
    <name>NumberSpacing</name>
    <message>
        <source>Numbers touch: font size %1 or less fits</source>
        <translation>Liczby się stykają: mieści się rozmiar czcionki %1 lub mniejszy</translation>
    </message>
</context>
<context>
    <name>PageGroup</name>
    <message>
        <source>Page</source>
        <translation>Strona</translation>
    </message>
    <message>
        <source>A 100 mm and a 50 mm bar below the caption, to measure the printout with</source>
        <translation>Odcinek 100 mm i odcinek 50 mm pod podpisem, do zmierzenia wydruku</translation>
    </message>
    <message>
        <source>Split lon&amp;g strips over pages</source>
        <translation>Dz&amp;iel długie paski</translation>
    </message>
    <message>
        <source>Print a strip longer than the paper in overlapping segments</source>
        <translation>Drukuj pasek dłuższy niż papier w zachodzących na siebie odcinkach</translation>
    </message>
    <message>
        <source>Pr&amp;int verniers</source>
        <translation>Dr&amp;ukuj noniusze</translation>
    </message>
    <message>
        <source>A vernier below each strip, to read a tenth of its smallest mark</source>
        <translation>Noniusz pod każdym paskiem, do odczytu dziesiątej części najmniejszej działki</translation>
    </message>
    <message>
        <source>A second number row on azimuth and RA strips, counting the other way</source>
        <translation>Drugi rząd liczb na paskach azymutu i RA, liczony w przeciwną stronę</translation>
    </message>
    <message>
        <source>Print rings instead of strips</source>
        <translation>Pierścienie zamiast pasków</translation>
    </message>
    <message>
        <source>Each circle as a flat ring of the size&apos;s outer diameter, for a ground board or a disc</source>
        <translation>Każde koło jako płaski pierścień o średnicy zewnętrznej równej rozmiarowi, na podstawę lub tarczę</translation>
    </message>
    <message>
        <source>Half-&amp;degree marks</source>
        <translation>Kreski co &amp;0,5°</translation>
    </message>
    <message>
        <source>A mark at every half degree (every 5 minutes on RA), with 1° marks only</source>
        <translation>Kreska co pół stopnia (co 5 minut na RA), tylko przy działce 1°</translation>
    </message>
    <message>
        <source>Signed declination</source>
        <translation>Dekl. ze znakiem</translation>
    </message>
    <message>
        <source>Altitude numbers +90 ... 0 ... -90, as a declination circle reads</source>
        <translation>Liczby wysokości +90 ... 0 ... -90, jak na kole deklinacji</translation>
    </message>
    <message>
        <source>Zero at, degrees</source>
        <translation>Zero przy, stopnie</translation>
    </message>
    <message>
        <source>The reading, in degrees, the strips start at (RA: its hours)</source>
        <translation>Odczyt w stopniach, od którego zaczynają się paski (RA: jego godziny)</translation>
    </message>
    <message>
        <source>Closing tab</source>
        <translation>Zakładka do klejenia</translation>
    </message>
    <message>
        <source>Printer s&amp;cale...</source>
        <translation>&amp;Skala drukarki...</translation>
    </message>
    <message>
        <source>Measure and correct the current printer&apos;s scale</source>
        <translation>Zmierz i skoryguj skalę bieżącej drukarki</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Strona...</translation>
    </message>
    <message>
        <source>Choose the current printer&apos;s paper and orientation, without printing</source>
        <translation>Wybierz papier i orientację bieżącej drukarki, bez drukowania</translation>
    </message>
    <message>
        <source>Pre&amp;view Alt.</source>
        <translation>Podgl&amp;ąd Alt.</translation>
    </message>
    <message>
        <source>Show the sheets Print Alt. would print, without printing</source>
        <translation>Pokaż arkusze, które wydrukowałby przycisk „Drukuj Alt.”, bez drukowania</translation>
    </message>
    <message>
        <source>Show the sheets Print Az. or Print RA would print, without printing</source>
        <translation>Pokaż arkusze, które wydrukowałby przycisk „Drukuj Az.” lub „Drukuj RA”, bez drukowania</translation>
    </message>
    <message>
        <source>&amp;Zero at</source>
        <translation>Zero prz&amp;y</translation>
    </message>
    <message>
        <source>Previ&amp;ew RA</source>
        <translation>Pod&amp;gląd RA</translation>
    </message>
    <message>
        <source>Previ&amp;ew Az.</source>
        <translation>P&amp;odgląd Az.</translation>
    </message>
    <message>
        <source>Paper: </source>
        <translation>Papier: </translation>
    </message>
    <message>
        <source>Pri&amp;nt scale check</source>
        <translation>Kon&amp;trola skali</translation>
    </message>
    <message>
        <source>Numbers both wa&amp;ys</source>
        <translation>Liczby w obu kierunkac&amp;h</translation>
    </message>
    <message>
        <source>Ring read from its centre</source>
        <translation>Pierścień czytany od środka</translation>
    </message>
    <message>
        <source>A ring&apos;s numbers upright from its centre, for a disc; otherwise from outside it, as on a ground board</source>
        <translation>Liczby pierścienia proste od jego środka, dla tarczy; inaczej z zewnątrz, jak na podstawie</translation>
    </message>
    <message>
        <source>The strip&apos;s first long division again after its end, to join the wrapped strip mark over mark (not with an arc: an arc does not close)</source>
        <translation>Pierwsza długa działka paska jeszcze raz za jego końcem, aby zamknąć owinięty pasek kreska na kresce (nie przy łuku: łuk się nie zamyka)</translation>
    </message>
    <message>
        <source>Print only the arc from one mark to another: degrees (RA: hours), both empty for the whole circle; altitude 0 to 90, rising or falling</source>
        <translation>Drukuj tylko łuk od jednej kreski do drugiej: stopnie (RA: godziny), oba puste dla całego okręgu; wysokość od 0 do 90, rosnąco lub malejąco</translation>
    </message>
    <message>
        <source>Arc from</source>
        <translation>Łuk od</translation>
    </message>
    <message>
        <source>Arc to</source>
        <translation>Łuk do</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>landscape</source>
        <translation>poziomo</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>pionowo</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Arkusze</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>P&amp;omniejsz</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Pow&amp;iększ</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 arkusz</translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n arkusz</numerusform>
            <numerusform>%n arkusze</numerusform>
            <numerusform>%n arkuszy</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2 %3, %4 × %5 mm</source>
        <translation>%1 na %2 %3, %4 × %5 mm</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Arkusz %1 z %2</translation>
    </message>
    <message>
        <source>Strip length %1 mm (%2 in.), ring diameter %3 mm (%4 in.)</source>
        <translation>Długość paska %1 mm (%2 cala), średnica pierścienia %3 mm (%4 cala)</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Altitude</source>
        <translation>Koło wysokości</translation>
    </message>
    <message>
        <source>Printing altitude...</source>
        <translation>Drukowanie koła wysokości...</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>Koło deklinacji</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Koło azymutu</translation>
    </message>
    <message>
        <source>Printing azimuth...</source>
        <translation>Drukowanie koła azymutu...</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>RA</translation>
    </message>
    <message>
        <source>Printing RA</source>
        <translation>Drukowanie koła RA</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed</source>
        <translation>Drukarka „%1” nie jest już zainstalowana</translation>
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
        <translation>Kreski co pół stopnia wymagają średnicy co najmniej %1 %2.</translation>
    </message>
    <message>
        <source>Half-degree marks need a length of at least %1 %2.</source>
        <translation>Kreski co pół stopnia wymagają długości co najmniej %1 %2.</translation>
    </message>
    <message>
        <source>Zero at must be 0 to %1 degrees in steps of %2.</source>
        <translation>Zero przy musi wynosić od 0 do %1 stopni co %2.</translation>
    </message>
    <message>
        <source>Must be numeric.</source>
        <translation>Musi być liczbą.</translation>
    </message>
    <message>
        <source>Print function error.</source>
        <translation>Błąd drukowania.</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Nie można wybrać drukarki: </translation>
    </message>
    <message>
        <source>%1 size must be at least %2 %3</source>
        <translation>%1: rozmiar musi wynosić co najmniej %2 %3</translation>
    </message>
    <message>
        <source>Print function error: %1.</source>
        <translation>Błąd drukowania: %1.</translation>
    </message>
    <message>
        <source>%1 %2 %3 dia.</source>
        <translation>%1 %2 %3 śr.</translation>
    </message>
    <message>
        <source>%1 %2 %3 len.</source>
        <translation>%1 %2 %3 dł.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for split strips.</source>
        <translation>%1: maks. długość %2 %3 dla dzielonych pasków.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for current page width.</source>
        <translation>%1: maks. długość %2 %3 dla obecnej szerokości strony.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for the printable width.</source>
        <translation>%1: maks. długość %2 %3 dla szerokości zadruku.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for split rings.</source>
        <translation>%1: maks. średnica pierścienia %2 %3 dla dzielonych pierścieni.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for the printable area.</source>
        <translation>%1: maks. średnica pierścienia %2 %3 dla obszaru zadruku.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>in</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Pasek %1 wymaga średnicy co najmniej %2 %3: obróć papier poziomo albo podziel pasek.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Pasek %1 wymaga co najmniej %2 %3: obróć papier poziomo albo podziel pasek.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape.</source>
        <translation>Pasek %1 wymaga średnicy co najmniej %2 %3: obróć papier poziomo.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape.</source>
        <translation>Pasek %1 wymaga co najmniej %2 %3: obróć papier poziomo.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: split it.</source>
        <translation>Pasek %1 wymaga średnicy co najmniej %2 %3: podziel pasek.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: split it.</source>
        <translation>Pasek %1 wymaga co najmniej %2 %3: podziel pasek.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: choose a larger paper.</source>
        <translation>Pasek %1 wymaga średnicy co najmniej %2 %3: wybierz większy papier.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: choose a larger paper.</source>
        <translation>Pasek %1 wymaga co najmniej %2 %3: wybierz większy papier.</translation>
    </message>
    <message>
        <source>altitude</source>
        <comment>in: An altitude strip needs...</comment>
        <translation>wysokości</translation>
    </message>
    <message>
        <source>azimuth</source>
        <comment>in: An azimuth strip needs...</comment>
        <translation>azymutu</translation>
    </message>
    <message>
        <source>RA</source>
        <comment>in: An RA strip needs...</comment>
        <translation>RA</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for a drawing.</source>
        <translation>%1: maks. długość %2 %3 dla rysunku.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for a drawing.</source>
        <translation>%1: maks. średnica pierścienia %2 %3 dla rysunku.</translation>
    </message>
    <message>
        <source>Arc from and to must be 0 to 24 hours in steps of 10 minutes.</source>
        <translation>Początek i koniec łuku muszą mieścić się w zakresie od 0 do 24 godzin co 10 minut.</translation>
    </message>
    <message>
        <source>Arc from and to must be %1 to %2 degrees in steps of %3.</source>
        <translation>Początek i koniec łuku muszą mieścić się w zakresie od %1 do %2 stopni co %3.</translation>
    </message>
    <message>
        <source>Arc from and to need a value each, or none for the whole circle.</source>
        <translation>Początek i koniec łuku wymagają po jednej wartości albo żadnej dla całego okręgu.</translation>
    </message>
    <message>
        <source>Arc from and to must be numeric.</source>
        <translation>Początek i koniec łuku muszą być liczbami.</translation>
    </message>
    <message>
        <source>Arc from and to must be different marks.</source>
        <translation>Początek i koniec łuku muszą być różnymi kreskami.</translation>
    </message>
</context>
<context>
    <name>PrinterPapers</name>
    <message>
        <source>%1, landscape</source>
        <translation>%1, poziomo</translation>
    </message>
    <message>
        <source>%1, portrait</source>
        <translation>%1, pionowo</translation>
    </message>
    <message>
        <source>the printer has no name</source>
        <translation>drukarka nie ma nazwy</translation>
    </message>
    <message>
        <source>%1 is larger than a page can be (%2 mm a side)</source>
        <translation>%1 przekracza największą możliwą stronę (%2 mm na bok)</translation>
    </message>
    <message>
        <source>its value cannot be read as a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>jego wartości nie da się odczytać jako papieru z orientacją, jak „A4, portrait”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>„%1” to nie papier z orientacją, jak „A4, portrait”</translation>
    </message>
</context>
<context>
    <name>PrinterScaleDialog</name>
    <message>
        <source>Bar along the paper&apos;s &amp;width (%1 mm), measured in mm:</source>
        <translation>Odcinek wzdłuż &amp;szerokości papieru (%1 mm), zmierzony w mm:</translation>
    </message>
    <message>
        <source>Bar along the paper&apos;s &amp;length (%1 mm), measured in mm:</source>
        <translation>Odcinek wzdłuż &amp;długości papieru (%1 mm), zmierzony w mm:</translation>
    </message>
    <message>
        <source>Factors kept for this printer: %1 along the paper&apos;s width, %2 along its length.</source>
        <translation>Zapisane współczynniki tej drukarki: %1 wzdłuż szerokości papieru, %2 wzdłuż długości.</translation>
    </message>
    <message>
        <source>1. Print the calibration page (with any scaling or &quot;fit to page&quot; option of the printer off).
2. Measure each bar from its first to its last mark.
3. Type the two lengths and press OK: every page on this printer is then corrected.</source>
        <translation>1. Wydrukuj stronę kalibracyjną (z wyłączonym skalowaniem i opcją „dopasuj do strony” drukarki).
2. Zmierz każdy odcinek od pierwszej do ostatniej kreski.
3. Wpisz obie długości i naciśnij OK: odtąd każda strona na tej drukarce jest korygowana.</translation>
    </message>
    <message>
        <source>Print calibration page...</source>
        <translation>Drukuj stronę kalibracyjną...</translation>
    </message>
    <message>
        <source>Back to 1 and 1 for this printer</source>
        <translation>Powrót do 1 i 1 dla tej drukarki</translation>
    </message>
    <message>
        <source>Printer scale - </source>
        <translation>Skala drukarki - </translation>
    </message>
    <message>
        <source>Printer: </source>
        <translation>Drukarka: </translation>
    </message>
    <message>
        <source>The value kept for this printer is unusable (%1): it prints with 1 along both axes until new lengths are kept.</source>
        <translation>Zapisana wartość tej drukarki jest nieużyteczna (%1): drukuje z 1 w obu osiach, dopóki nie zapisze się nowych długości.</translation>
    </message>
    <message>
        <source>The printer can&apos;t be read: </source>
        <translation>Nie można odczytać drukarki: </translation>
    </message>
    <message>
        <source>The calibration page was printed: measure its two bars.</source>
        <translation>Strona kalibracyjna wydrukowana: zmierz jej dwa odcinki.</translation>
    </message>
    <message>
        <source>The calibration page could not be printed: </source>
        <translation>Nie udało się wydrukować strony kalibracyjnej: </translation>
    </message>
    <message>
        <source>Type the lengths of both bars as measured.</source>
        <translation>Wpisz zmierzone długości obu odcinków.</translation>
    </message>
    <message>
        <source>The factors could not be kept: </source>
        <translation>Nie udało się zapisać współczynników: </translation>
    </message>
    <message>
        <source>Printer scale of %1: %2</source>
        <translation>Skala drukarki %1: %2</translation>
    </message>
    <message>
        <source>Printer scale of %1: 1 1</source>
        <translation>Skala drukarki %1: 1 1</translation>
    </message>
    <message>
        <source>This printer is back to 1 and 1.</source>
        <translation>Ta drukarka wróciła do 1 i 1.</translation>
    </message>
</context>
<context>
    <name>PrinterScales</name>
    <message>
        <source>&quot;%1&quot; is not two factors from 0.9 to 1.1</source>
        <translation>„%1” to nie dwa współczynniki od 0.9 do 1.1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length: type the length measured in millimetres.</source>
        <translation>„%1” to nie długość: wpisz długość zmierzoną w milimetrach.</translation>
    </message>
    <message>
        <source>%1 mm for the %2 mm bar gives a factor of %3; only factors from 0.9 to 1.1 can be corrected. Measure the bar again from its first to its last mark.</source>
        <translation>%1 mm dla odcinka %2 mm daje współczynnik %3; korygować można tylko współczynniki od 0,9 do 1,1. Zmierz odcinek ponownie od pierwszej do ostatniej kreski.</translation>
    </message>
    <message>
        <source>its factors cannot be read; they are kept as two numbers from 0.9 to 1.1 with a decimal point, the width&apos;s first: &quot;1.01 0.99&quot;</source>
        <translation>jej współczynników nie da się odczytać; są zapisywane jako dwie liczby od 0.9 do 1.1 z kropką dziesiętną, najpierw dla szerokości: „1.01 0.99”</translation>
    </message>
</context>
<context>
    <name>ProofSheet</name>
    <message>
        <source>Widths %1-%2-%3, Height %4, Font %5</source>
        <translation>Szerokości %1-%2-%3, Wysokość %4, Czcionka %5</translation>
    </message>
    <message>
        <source>Proof sheet: %1 samples of 10 degrees don&apos;t fit this paper.</source>
        <translation>Arkusz próbny: próbki 10 stopni koła %1 nie mieszczą się na tym papierze.</translation>
    </message>
    <message>
        <source>Proof sheet: %1, samples of %2°</source>
        <translation>Arkusz próbny: %1, próbki po %2°</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>the settings store %1 (%2)</source>
        <comment>%1: what is wrong with it, %2: its path</comment>
        <translation>magazyn ustawień %1 (%2)</translation>
    </message>
    <message>
        <source>is %1</source>
        <translation>jest %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB</source>
        <translation>jest większy niż 1 MiB</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nie daje się odczytać: %1</translation>
    </message>
    <message>
        <source>is read-only</source>
        <translation>jest tylko do odczytu</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>the settings store can be read only in part and no copy of it could be made (%1)</source>
        <translation>magazyn ustawień daje się odczytać tylko częściowo i nie udało się zrobić jego kopii (%1)</translation>
    </message>
    <message>
        <source>the settings store can be read only in part; the whole file is kept as %1</source>
        <translation>magazyn ustawień daje się odczytać tylko częściowo; cały plik zachowano jako %1</translation>
    </message>
</context>
<context>
    <name>QueueJobFollower</name>
    <message>
        <source>The printer %1 stopped the page%2.</source>
        <translation>Drukarka %1 zatrzymała stronę%2.</translation>
    </message>
    <message>
        <source>The printer %1 could not print the page%2.</source>
        <translation>Drukarka %1 nie mogła wydrukować strony%2.</translation>
    </message>
    <message>
        <source>The page was cancelled on the printer %1.</source>
        <translation>Strona została anulowana na drukarce %1.</translation>
    </message>
    <message>
        <source>The printer %1 holds the page%2.</source>
        <translation>Drukarka %1 wstrzymuje stronę%2.</translation>
    </message>
    <message>
        <source>The printer %1 is paused: the page waits in its queue.</source>
        <translation>Drukarka %1 jest wstrzymana: strona czeka w jej kolejce.</translation>
    </message>
    <message>
        <source>The printer %1 has stopped: the page waits in its queue.</source>
        <translation>Drukarka %1 jest zatrzymana: strona czeka w jej kolejce.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has not printed the page yet: %2</source>
        <translation>Drukarka „%1” jeszcze nie wydrukowała strony: %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has printed the page.</source>
        <translation>Drukarka „%1” wydrukowała stronę.</translation>
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
        <translation>cięciwa %1 = %2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
</context>
<context>
    <name>SettingsFileCommands</name>
    <message>
        <source>Saved settings files (*.txt)|*.txt</source>
        <translation>Zapisane pliki ustawień (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Create new or overwrite settings file</source>
        <translation>Utwórz lub nadpisz plik ustawień</translation>
    </message>
    <message>
        <source>Restore settings files (*.txt)|*.txt</source>
        <translation>Pliki ustawień do wczytania (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Restore settings from file</source>
        <translation>Wczytaj ustawienia z pliku</translation>
    </message>
    <message>
        <source>Error %1, %2</source>
        <translation>Błąd %1, %2</translation>
    </message>
    <message>
        <source>Confirm Overwrite</source>
        <translation>Potwierdź nadpisanie</translation>
    </message>
    <message>
        <source>Will be overwritten!</source>
        <translation>Zostanie nadpisany!</translation>
    </message>
    <message>
        <source>Write settings file error</source>
        <translation>Błąd zapisu pliku ustawień</translation>
    </message>
    <message>
        <source>Error writting to setting file</source>
        <translation>Błąd podczas zapisu do pliku ustawień</translation>
    </message>
    <message>
        <source>Settings saved to &apos;%1&apos;</source>
        <translation>Ustawienia zapisane w &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Read settings file error</source>
        <translation>Błąd odczytu pliku ustawień</translation>
    </message>
    <message>
        <source>Error reading setting file</source>
        <translation>Błąd podczas odczytu pliku ustawień</translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;) could not be applied</source>
        <translation>wiersza %1 („%2”) nie dało się zastosować</translation>
    </message>
    <message>
        <source>the file ends after line %1</source>
        <translation>plik kończy się po wierszu %1</translation>
    </message>
    <message>
        <source>1 setting restored from &apos;%1&apos;</source>
        <translation>Wczytano 1 ustawienie z &apos;%1&apos;</translation>
    </message>
    <message numerus="yes">
        <source>%n settings restored from &apos;%1&apos;</source>
        <translation>
            <numerusform>Wczytano %n ustawienie z &apos;%1&apos;</numerusform>
            <numerusform>Wczytano %n ustawienia z &apos;%1&apos;</numerusform>
            <numerusform>Wczytano %n ustawień z &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 settings restored from &apos;%2&apos;: %3.</source>
        <translation>
            <numerusform>Wczytano %n z %1 ustawień z &apos;%2&apos;: %3.</numerusform>
            <numerusform>Wczytano %n z %1 ustawień z &apos;%2&apos;: %3.</numerusform>
            <numerusform>Wczytano %n z %1 ustawień z &apos;%2&apos;: %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>Cannot uncheck both circle styles.</source>
        <translation>Nie można odznaczyć obu stylów koła.</translation>
    </message>
</context>
<context>
    <name>SheetAids</name>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Arkusz %1 z %2</translation>
    </message>
    <message>
        <source>Cut each piece on its cut line; lay its end over the next piece, A on A, marks on marks</source>
        <translation>Przytnij każdy kawałek na jego linii cięcia; połóż jego koniec na następnym kawałku, A na A, kreski na kreskach</translation>
    </message>
    <message>
        <source>Sheet %1</source>
        <translation>Arkusz %1</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>Instrukcja obsługi %1</translation>
    </message>
    <message>
        <source>The user guide could not be read: %1</source>
        <translation>Nie można odczytać instrukcji obsługi: %1</translation>
    </message>
</context>
<context>
    <name>ValueLabel</name>
    <message>
        <source>%1 in.</source>
        <translation>%1 cala</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 = %2 line</source>
        <translation>%1 = linia %2</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1 pt = %2 digits</source>
        <translation>%1 pt = cyfry %2</translation>
    </message>
</context>
<context>
    <name>WindowController</name>
    <message>
        <source>Export Altitude</source>
        <translation>Eksportuj koło wysokości</translation>
    </message>
    <message>
        <source>Export Azimuth/RA</source>
        <translation>Eksportuj koło azymutu/RA</translation>
    </message>
    <message>
        <source>The paper could not be kept: </source>
        <translation>Nie udało się zapisać papieru: </translation>
    </message>
    <message>
        <source>paper unknown</source>
        <translation>papier nieznany</translation>
    </message>
    <message>
        <source>no printer</source>
        <translation>brak drukarki</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Nie można wybrać drukarki: </translation>
    </message>
    <message>
        <source>Printer scale for &apos;%1&apos; ignored: %2; it prints unscaled.</source>
        <translation>Pominięto skalę drukarki &apos;%1&apos;: %2; drukuje bez korekty.</translation>
    </message>
    <message>
        <source>The user guide is not installed; &quot;man vennaros&quot; describes the program.</source>
        <translation>Instrukcja obsługi nie jest zainstalowana; „man vennaros” opisuje program.</translation>
    </message>
    <message>
        <source>The paper kept for &apos;%1&apos; is not used: %2; it prints on the printer&apos;s own paper.</source>
        <translation>Zapisany papier drukarki &apos;%1&apos; nie jest używany: %2; drukarka drukuje na swoim papierze.</translation>
    </message>
    <message>
        <source>%1, turned to fit</source>
        <translation>%1, obrócone, aby się zmieściło</translation>
    </message>
</context>
<context>
    <name>WrapTape</name>
    <message>
        <source>Wrap tape</source>
        <translation>Taśma do owinięcia</translation>
    </message>
    <message>
        <source>Wrap tape: &apos;%1&apos; is not a length; give it with its unit, for example 1000mm or 40in.</source>
        <translation>Taśma do owinięcia: &apos;%1&apos; nie jest długością; podaj ją z jednostką, na przykład 1000mm lub 40in.</translation>
    </message>
    <message>
        <source>Wrap tape %1</source>
        <translation>Taśma do owinięcia %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Print Vennaros</source>
        <translation>Vennaros – drukowanie</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Size is diameter</source>
        <translation>Rozmiar to średnica</translation>
    </message>
    <message>
        <source>Size is length</source>
        <translation>Rozmiar to długość</translation>
    </message>
    <message>
        <source>size is mm</source>
        <translation>rozmiar w mm</translation>
    </message>
    <message>
        <source>Size in inches</source>
        <translation>Rozmiar w calach</translation>
    </message>
    <message>
        <source>Circle styles</source>
        <translation>Style koła</translation>
    </message>
    <message>
        <source>&amp;Black on White background</source>
        <translation>&amp;Czarne na białym tle</translation>
    </message>
    <message>
        <source>&amp;White on Black background</source>
        <translation>&amp;Białe na czarnym tle</translation>
    </message>
    <message>
        <source>Print &amp;Alt.</source>
        <translation>Drukuj &amp;Alt.</translation>
    </message>
    <message>
        <source>dia.</source>
        <translation>śr.</translation>
    </message>
    <message>
        <source>len.</source>
        <translation>dł.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>in.</source>
        <translation>cal</translation>
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
        <translation>Az &amp;L&gt;P +</translation>
    </message>
    <message>
        <source>Az circle left to right numbers increase</source>
        <translation>Koło azymutu: liczby rosną od lewej do prawej</translation>
    </message>
    <message>
        <source>Quit without saving settings</source>
        <translation>Wyjdź bez zapisywania ustawień</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>Exit and save settings</source>
        <translation>Koniec: zapisz ustawienia i zamknij</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>R&amp;esetuj</translation>
    </message>
    <message>
        <source>Reset to last exit settings from registry</source>
        <translation>Resetuj do ustawień zapisanych przy ostatnim Końcu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save current settings to file</source>
        <translation>Zapisz bieżące ustawienia w pliku</translation>
    </message>
    <message>
        <source>Rest&amp;ore</source>
        <translation>&amp;Wczytaj</translation>
    </message>
    <message>
        <source>Paper and orientation are kept for each printer.</source>
        <translation>Papier i orientacja są pamiętane dla każdej drukarki.</translation>
    </message>
    <message>
        <source>Prin&amp;t RA</source>
        <translation>&amp;Drukuj RA</translation>
    </message>
    <message>
        <source>Prin&amp;t Az.</source>
        <translation>D&amp;rukuj Az.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Smallest Mar&amp;k Degree</source>
        <translation>&amp;Najmniejsza działka (°)</translation>
    </message>
    <message>
        <source>Altit&amp;ude / DECL Circle Size</source>
        <translation>Rozmiar koła wysoko&amp;ści / DEK</translation>
    </message>
    <message>
        <source>Azi&amp;muth / RA Circle Size</source>
        <translation>Rozmiar ko&amp;ła azymutu / RA</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Wyjd&amp;ź</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vennaros: %1
Try &apos;vennaros --help&apos;.
</source>
        <translation>vennaros: %1
Zobacz &apos;vennaros --help&apos;.
</translation>
    </message>
    <message>
        <source>there is no platform plugin &apos;%1&apos;</source>
        <translation>nie ma wtyczki platformy &apos;%1&apos;</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY i WAYLAND_DISPLAY nie są ustawione</translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be reached</source>
        <translation>nie można połączyć się z &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vennaros: cannot open a display: %1; --print-pdf, --svg and --dxf need none.
</source>
        <translation>vennaros: nie można otworzyć ekranu: %1; --print-pdf, --svg i --dxf go nie potrzebują.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8; no file is read or written under another name.
</source>
        <translation>vennaros: &apos;%1&apos; to niepoprawny UTF-8; żaden plik nie jest czytany ani zapisywany pod inną nazwą.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8.
</source>
        <translation>vennaros: &apos;%1&apos; to niepoprawny UTF-8.
</translation>
    </message>
    <message>
        <source>vennaros: the value of --%1 is not valid UTF-8.
</source>
        <translation>vennaros: wartość --%1 to niepoprawny UTF-8.
</translation>
    </message>
</context>
<context>
    <name>programinfo</name>
    <message>
        <source>Prints graduated setting circles for telescope mounts at their exact size.</source>
        <translation>Drukuje koła podziałowe do montaży teleskopów w ich dokładnym rozmiarze.</translation>
    </message>
</context>
</TS>
