<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>O programu %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Ikona programu</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Home: </source>
        <translation>Web: </translation>
    </message>
    <message>
        <source>Report a fault: </source>
        <translation>Nahlásit chybu: </translation>
    </message>
    <message>
        <source>The user guide and the manual page are in English.</source>
        <translation>Uživatelská příručka a manuálová stránka jsou v angličtině.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Along the paper&apos;s length: %1 mm</source>
        <translation>Po délce papíru: %1 mm</translation>
    </message>
    <message>
        <source>Along the paper&apos;s width: %1 mm</source>
        <translation>Po šířce papíru: %1 mm</translation>
    </message>
    <message>
        <source>%1 (the bar across the top)</source>
        <translation>%1 (pruh napříč nahoře)</translation>
    </message>
    <message>
        <source>%1 (the bar down the left side)</source>
        <translation>%1 (pruh podél levého okraje)</translation>
    </message>
    <message>
        <source>Printer scale calibration for %1</source>
        <translation>Kalibrace měřítka tiskárny %1</translation>
    </message>
    <message>
        <source>Measure each bar from its first to its last mark, in millimetres, and type</source>
        <translation>Změřte každý pruh od první do poslední značky v milimetrech a zadejte</translation>
    </message>
    <message>
        <source>the two lengths into the Printer scale dialog. Print this page with any</source>
        <translation>obě délky do okna Měřítko tiskárny. Tiskněte tuto stránku s vypnutým</translation>
    </message>
    <message>
        <source>scaling or &quot;fit to page&quot; option of the printer switched off.</source>
        <translation>měřítkem i volbou „přizpůsobit stránce“ tiskárny.</translation>
    </message>
</context>
<context>
    <name>CaptionLine</name>
    <message>
        <source>%1 Circle length = %2 %3</source>
        <translation>%1, délka kruhu = %2 %3</translation>
    </message>
    <message>
        <source>%1 ring diameter = %2 %3</source>
        <translation>%1, průměr prstence = %2 %3</translation>
    </message>
    <message>
        <source>, Smallest mark = %1°, Line (small, 5°, 10°) Widths  = %2</source>
        <translation>, Nejmenší dílek = %1°, Tloušťky čar (malé, 5°, 10°) = %2</translation>
    </message>
    <message>
        <source>, Line (10min, 30min, 1hr) Widths  = %1</source>
        <translation>, Tloušťky čar (10 min, 30 min, 1 h) = %1</translation>
    </message>
    <message>
        <source>, Heights = %1, Font size = %2</source>
        <translation>, Výšky = %1, Velikost písma = %2</translation>
    </message>
    <message>
        <source>, 5min marks</source>
        <translation>, značky po 5 min</translation>
    </message>
    <message>
        <source>, half-degree marks</source>
        <translation>, značky po půl stupni</translation>
    </message>
    <message>
        <source>, zero at %1</source>
        <translation>, nula na %1</translation>
    </message>
    <message>
        <source>, vernier %1</source>
        <translation>, vernier %1</translation>
    </message>
    <message>
        <source>, numbers both ways</source>
        <translation>, čísla oběma směry</translation>
    </message>
    <message>
        <source>, Printer scale = %1</source>
        <translation>, Měřítko tiskárny = %1</translation>
    </message>
    <message>
        <source>ring diameter = %1 %2</source>
        <translation>průměr prstence = %1 %2</translation>
    </message>
    <message>
        <source>Circle length = %1 %2 (%3 %2)</source>
        <translation>délka kruhu = %1 %2 (%3 %2)</translation>
    </message>
    <message>
        <source>%1 arc %2 of %3</source>
        <translation>%1, oblouk %2 z %3</translation>
    </message>
</context>
<context>
    <name>CircleSetColumn</name>
    <message>
        <source>Smallest Mark Width</source>
        <translation>Tloušťka nejm. značky</translation>
    </message>
    <message>
        <source>5° Mark Width</source>
        <translation>Tloušťka značky 5°</translation>
    </message>
    <message>
        <source>10° Mark Width</source>
        <translation>Tloušťka značky 10°</translation>
    </message>
    <message>
        <source>Circle Height</source>
        <translation>Výška kruhu</translation>
    </message>
    <message>
        <source>Text Font Size</source>
        <translation>Velikost písma</translation>
    </message>
    <message>
        <source>&amp;1st Circle to Print</source>
        <translation>&amp;1. kruh k tisku</translation>
    </message>
    <message>
        <source>&amp;2nd Circle to Print</source>
        <translation>&amp;2. kruh k tisku</translation>
    </message>
    <message>
        <source>&amp;3rd Circle to Print</source>
        <translation>&amp;3. kruh k tisku</translation>
    </message>
    <message>
        <source>Scale on Top</source>
        <translation>Stupnice nahoře</translation>
    </message>
    <message>
        <source>Scale on Top %1</source>
        <translation>Stupnice nahoře %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--size needs a number and its unit, for example 450mm or 3.5in, not &apos;%1&apos;.</source>
        <translation>--size potřebuje číslo s jednotkou, například 450mm nebo 3.5in, ne &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--ra and --decreasing go with --azimuth.</source>
        <translation>--ra a --decreasing patří k --azimuth.</translation>
    </message>
    <message>
        <source>--signed-dec goes with --altitude.</source>
        <translation>--signed-dec patří k --altitude.</translation>
    </message>
    <message numerus="yes">
        <source>--%1 is given %n times; give it once.</source>
        <translation>
            <numerusform>--%1 je zadán %nkrát; zadejte ho jednou.</numerusform>
            <numerusform>--%1 je zadán %nkrát; zadejte ho jednou.</numerusform>
            <numerusform>--%1 je zadán %nkrát; zadejte ho jednou.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočekávaný argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--print-pdf, --svg and --dxf: give one of them.</source>
        <translation>--print-pdf, --svg a --dxf: zadejte jen jeden z nich.</translation>
    </message>
    <message>
        <source>--settings, --paper, --landscape, --altitude, --azimuth and the circle&apos;s options go with --print-pdf FILE, --svg FILE or --dxf FILE.</source>
        <translation>--settings, --paper, --landscape, --altitude, --azimuth a volby kruhu patří k --print-pdf FILE, --svg FILE nebo --dxf FILE.</translation>
    </message>
    <message>
        <source>--paper and --landscape go with --print-pdf: a drawing has no paper.</source>
        <translation>--paper a --landscape patří k --print-pdf: výkres nemá papír.</translation>
    </message>
    <message>
        <source>--%1 needs one of --altitude and --azimuth.</source>
        <translation>--%1 potřebuje --altitude nebo --azimuth.</translation>
    </message>
    <message>
        <source>--print-pdf needs the name of the PDF file to write.</source>
        <translation>--print-pdf potřebuje název souboru PDF k zápisu.</translation>
    </message>
    <message>
        <source>--%1 needs the name of the drawing file to write.</source>
        <translation>--%1 potřebuje název souboru výkresu k zápisu.</translation>
    </message>
    <message>
        <source>--settings needs the name of a settings file.</source>
        <translation>--settings potřebuje název souboru nastavení.</translation>
    </message>
    <message>
        <source>--paper needs the name of a paper size, for example A4.</source>
        <translation>--paper potřebuje název formátu papíru, například A4.</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos; (A4, Letter, A3, Legal, ...)</source>
        <translation>neznámý papír &apos;%1&apos; (A4, Letter, A3, Legal, ...)</translation>
    </message>
    <message>
        <source>print this text and exit</source>
        <translation>vypsat tento text a skončit</translation>
    </message>
    <message>
        <source>print the name and version and exit</source>
        <translation>vypsat název a verzi a skončit</translation>
    </message>
    <message>
        <source>print the page a print button would print to the PDF file FILE,
without a window</source>
        <translation>vytisknout do souboru PDF FILE stránku, kterou by vytisklo tlačítko
tisku, bez okna</translation>
    </message>
    <message>
        <source>the same as a DXF drawing</source>
        <translation>totéž jako výkres DXF</translation>
    </message>
    <message>
        <source>a settings file saved with &quot;Save&quot;, restored over the defaults</source>
        <translation>soubor nastavení uložený tlačítkem „Uložit“, načtený přes
výchozí hodnoty</translation>
    </message>
    <message>
        <source>the paper, for example A4, Letter, A3 or Legal (default: the
built-in PDF printer&apos;s paper)</source>
        <translation>papír, například A4, Letter, A3 nebo Legal (výchozí: papír
vestavěné tiskárny PDF)</translation>
    </message>
    <message>
        <source>the paper turned to landscape</source>
        <translation>papír otočený na šířku</translation>
    </message>
    <message>
        <source>the altitude circle (&quot;Print Alt.&quot;)</source>
        <translation>výškový kruh („Tisk výš.“)</translation>
    </message>
    <message>
        <source>the azimuth or RA circle, as the settings say (&quot;Print Az.&quot; or
&quot;Print RA&quot;)</source>
        <translation>azimutální kruh nebo kruh RA, podle nastavení („Tisk az.“ nebo
„Tisk RA“)</translation>
    </message>
    <message>
        <source>the circle&apos;s size with its unit: 450mm, 3in, 3.5in or 3,5in; a
diameter (dia.) unless --length</source>
        <translation>velikost kruhu s jednotkou: 450mm, 3in, 3.5in nebo 3,5in; průměr
(Ø), pokud není --length</translation>
    </message>
    <message>
        <source>the size is the strip&apos;s length (len.)</source>
        <translation>velikost je délka pásku (dél.)</translation>
    </message>
    <message>
        <source>the RA circle instead of the azimuth circle</source>
        <translation>kruh RA místo azimutálního kruhu</translation>
    </message>
    <message>
        <source>azimuth numbers decreasing from left to right (&quot;Az L&gt;R +&quot; clear)</source>
        <translation>čísla azimutu klesají zleva doprava („Az L&gt;P +“ nezaškrtnuto)</translation>
    </message>
    <message>
        <source>split a strip longer than the paper over pages, a ring larger
than the printable area into sectors</source>
        <translation>rozdělit pásek delší než papír na stránky a prstenec větší
než oblast tisku na výseče</translation>
    </message>
    <message>
        <source>print the circle as a flat ring instead of a strip; its size is
the ring&apos;s outer diameter, or with --length its circumference</source>
        <translation>tisknout kruh jako plochý prstenec místo pásku; velikost je
vnější průměr prstence, s --length jeho obvod</translation>
    </message>
    <message>
        <source>a vernier below each strip or ring (&quot;Print verniers&quot;)</source>
        <translation>vernier pod každým páskem nebo prstencem („Verniery“)</translation>
    </message>
    <message>
        <source>a second number row counting the other way (&quot;Numbers both ways&quot;)</source>
        <translation>druhá řada čísel počítaná opačným směrem („Čísla oběma směry“)</translation>
    </message>
    <message>
        <source>the scale check bars below the page (&quot;Print scale check&quot;)</source>
        <translation>kontrolní pruhy měřítka pod stránkou („Kontrola měřítka“)</translation>
    </message>
    <message>
        <source>a mark at every half degree (every 5 minutes on RA)</source>
        <translation>značka po každém půl stupni (u RA po 5 minutách)</translation>
    </message>
    <message>
        <source>altitude numbers signed as declination: 90 ... 0 ... -90</source>
        <translation>čísla výšky se znaménkem jako deklinace: 90 ... 0 ... -90</translation>
    </message>
    <message>
        <source>the strip starts at the reading N degrees (RA: its hours)</source>
        <translation>pásek začíná odečtem N stupňů (RA: v hodinách)</translation>
    </message>
    <message>
        <source>the strip&apos;s first long division again after its end, to close
the wrapped strip mark over mark (&quot;Closing tab&quot;)</source>
        <translation>první dlouhý dílek pásku ještě jednou za jeho koncem, aby se
ovinutý pásek spojil značka na značku („Lepicí chlopeň“)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Použití:</translation>
    </message>
    <message>
        <source>Without options it opens its window.</source>
        <translation>Bez voleb otevře své okno.</translation>
    </message>
    <message>
        <source>
Exit status: 0 when the file was written, 1 when the job refused or failed (the reason on
standard error, no file written), 2 for a wrong command line.
See also: man vennaros
</source>
        <translation>
Návratový kód: 0, když byl soubor zapsán, 1, když byla úloha odmítnuta nebo selhala (důvod
na standardním chybovém výstupu, žádný soubor nezapsán), 2 při chybném příkazovém řádku.
Viz také: man vennaros
</translation>
    </message>
    <message>
        <source>--size: the number is too large.</source>
        <translation>--size: číslo je příliš velké.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees: RA hours always increase.</source>
        <translation>--decreasing patří k azimutálnímu kruhu ve stupních: hodiny RA vždy rostou.</translation>
    </message>
    <message>
        <source>--print-pdf writes a file, not standard output: name the PDF file to write.</source>
        <translation>--print-pdf zapisuje soubor, ne standardní výstup: zadejte název souboru PDF k zápisu.</translation>
    </message>
    <message>
        <source>--settings reads a file, not standard input: name the settings file.</source>
        <translation>--settings čte soubor, ne standardní vstup: zadejte název souboru nastavení.</translation>
    </message>
    <message>
        <source>--%1 needs a file name: &apos;%2&apos; starts with &apos;-&apos; as an option does; write such a name as ./%2.</source>
        <translation>--%1 potřebuje název souboru: &apos;%2&apos; začíná znakem &apos;-&apos; jako volba; zapište takový název jako ./%2.</translation>
    </message>
    <message>
        <source>--split goes with --print-pdf: a drawing is never split.</source>
        <translation>--split patří k --print-pdf: výkres se nikdy nedělí.</translation>
    </message>
    <message>
        <source>--scale-check goes with --print-pdf: a drawing has no scale check bars.</source>
        <translation>--scale-check patří k --print-pdf: výkres nemá kontrolní pruhy měřítka.</translation>
    </message>
    <message>
        <source>--closing-tab goes with --print-pdf: a drawing has no closing tab.</source>
        <translation>--closing-tab patří k --print-pdf: výkres nemá lepicí chlopeň.</translation>
    </message>
    <message>
        <source>--both-ways goes with --azimuth: the altitude circle reads both ways already.</source>
        <translation>--both-ways patří k --azimuth: výškový kruh se už čte oběma směry.</translation>
    </message>
    <message>
        <source>the whole strip or ring as an SVG drawing for a laser or vinyl
cutter, at its true size in millimetres, never split;
FILE - writes it to standard output</source>
        <translation>celý pásek nebo prstenec jako výkres SVG pro laserový nebo
řezací plotr, ve skutečné velikosti v milimetrech, nikdy nedělený;
FILE - jej zapíše na standardní výstup</translation>
    </message>
    <message>
        <source>--tape and --proof go with --print-pdf FILE.</source>
        <translation>--tape a --proof patří k --print-pdf FILE.</translation>
    </message>
    <message>
        <source>--tape and --proof: give one of them.</source>
        <translation>--tape a --proof: zadejte jen jedno.</translation>
    </message>
    <message>
        <source>--tape goes with --print-pdf, --paper and --landscape alone.</source>
        <translation>--tape patří jen k --print-pdf, --paper a --landscape.</translation>
    </message>
    <message>
        <source>a wrap tape of that length (1000mm, 40in) ticked every millimetre
(1/20 in), to measure an axis in the printer&apos;s own millimetres</source>
        <translation>ovíjecí páska té délky (1000mm, 40in) s ryskou po milimetru
(1/20 in), k měření osy v milimetrech tiskárny</translation>
    </message>
    <message>
        <source>a proof sheet: samples of the circle&apos;s graduation in every mark
width, height and font size, to choose a circle set by trying</source>
        <translation>zkušební list: vzorky stupnice kruhu v každé šířce rysek, výšce
a velikosti písma, k volbě sady zkoušením</translation>
    </message>
    <message>
        <source>--strokes goes with --svg and --dxf: a printed page is inked in full.</source>
        <translation>--strokes patří k --svg a --dxf: tištěná stránka se tiskne celá.</translation>
    </message>
    <message>
        <source>with --svg or --dxf: marks as single lines and texts in a
single-stroke font, for vector lasers, pen plotters and drag
knives (default: filled outlines)</source>
        <translation>s --svg nebo --dxf: rysky jako jednoduché čáry a texty
jednotahovým písmem, pro vektorové lasery, perové plotry
a vlečné nože (výchozí: vyplněné obrysy)</translation>
    </message>
    <message>
        <source>a ring&apos;s numbers upright as read from its centre, for a disc, not
from outside it (&quot;Ring read from its centre&quot;)</source>
        <translation>čísla prstence vzpřímeně při čtení z jeho středu, pro kotouč, ne
zvenku („Prstenec čtený ze středu“)</translation>
    </message>
    <message>
        <source>--arc needs two values, FROM:TO, for example 0:90 or 350:10, not &apos;%1&apos;.</source>
        <translation>--arc potřebuje dvě hodnoty, FROM:TO, například 0:90 nebo 350:10, ne &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>only the arc from the mark FROM to the mark TO, in the circle&apos;s
numbers: --arc 0:90 (altitude), 350:10 (azimuth), 18:6 (RA)</source>
        <translation>jen oblouk od rysky FROM k rysce TO, v číslech kruhu:
--arc 0:90 (výška), 350:10 (azimut), 18:6 (RA)</translation>
    </message>
    <message>
        <source>These fifteen override the settings file.</source>
        <translation>Těchto patnáct má přednost před souborem nastavení.</translation>
    </message>
</context>
<context>
    <name>DrawingExport</name>
    <message>
        <source>Export &amp;RA...</source>
        <translation>Exportovat RA...</translation>
    </message>
    <message>
        <source>Export A&amp;zimuth...</source>
        <translation>&amp;Exportovat azimut...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)|*.svg|DXF drawing (*.dxf)|*.dxf</source>
        <translation>Výkres SVG (*.svg)|*.svg|Výkres DXF (*.dxf)|*.dxf</translation>
    </message>
    <message>
        <source>Written: </source>
        <translation>Zapsáno: </translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2.</source>
        <translation>Nelze zapsat &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>it is the program&apos;s settings store</source>
        <translation>je to úložiště nastavení programu</translation>
    </message>
    <message>
        <source>it is a settings file saved or restored since the start</source>
        <translation>je to soubor nastavení uložený nebo načtený od spuštění programu</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>S&amp;tyl:</translation>
    </message>
    <message>
        <source>Filled outlines (print, raster engraving)</source>
        <translation>Vyplněné obrysy (tisk, rastrové gravírování)</translation>
    </message>
    <message>
        <source>Single strokes (vector engraving, pen plotters)</source>
        <translation>Jednoduché čáry (vektorové gravírování, perové plotry)</translation>
    </message>
</context>
<context>
    <name>ExportFileJobHost</name>
    <message>
        <source>standard output can&apos;t be written: %1</source>
        <translation>na standardní výstup nelze zapisovat: %1</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font (hershey-fonts/rowmans.jhf), which is not installed; install the package hershey-fonts-data, or export filled outlines</source>
        <translation>jednoduché čáry potřebují písmo Hershey simplex (hershey-fonts/rowmans.jhf), které není nainstalováno; nainstalujte balíček hershey-fonts-data, nebo exportujte vyplněné obrysy</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font, and &apos;%1&apos; cannot be read as one; export filled outlines</source>
        <translation>jednoduché čáry potřebují písmo Hershey simplex a „%1“ jako ně nelze přečíst; exportujte vyplněné obrysy</translation>
    </message>
</context>
<context>
    <name>FileCommand</name>
    <message>
        <source>vennaros: cannot read the settings file &apos;%1&apos;: %2</source>
        <translation>vennaros: soubor nastavení &apos;%1&apos; nelze přečíst: %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>je to %1</translation>
    </message>
    <message>
        <source>The others keep their defaults.</source>
        <translation>Ostatní si ponechají výchozí hodnoty.</translation>
    </message>
    <message>
        <source>vennaros: cannot write &apos;%1&apos;: %2</source>
        <translation>vennaros: &apos;%1&apos; nelze zapsat: %2</translation>
    </message>
    <message>
        <source>it is the settings file</source>
        <translation>je to soubor nastavení</translation>
    </message>
    <message>
        <source>Nothing was printed: the size is empty or no circle set is enabled.</source>
        <translation>Nic se nevytisklo: velikost je prázdná nebo není zapnutá žádná sada kruhu.</translation>
    </message>
    <message>
        <source>--half-degree goes with the 1-degree graduation; the settings give marks every 5 degrees.</source>
        <translation>--half-degree patří k dílku 1°; nastavení dává značky po 5 stupních.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees; the settings ask for RA.</source>
        <translation>--decreasing patří k azimutálnímu kruhu ve stupních; nastavení žádá RA.</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>no file name</source>
        <translation>žádný název souboru</translation>
    </message>
    <message>
        <source>the file name has characters the file system cannot keep</source>
        <translation>název souboru obsahuje znaky, které souborový systém neudrží</translation>
    </message>
    <message numerus="yes">
        <source>the file name is %n bytes long; the file system takes at most %1</source>
        <translation>
            <numerusform>název souboru má %n bajt; souborový systém dovolí nejvýše %1</numerusform>
            <numerusform>název souboru má %n bajty; souborový systém dovolí nejvýše %1</numerusform>
            <numerusform>název souboru má %n bajtů; souborový systém dovolí nejvýše %1</numerusform>
        </translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>je to %1</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>je jen pro čtení</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>jeho složka neexistuje</translation>
    </message>
    <message>
        <source>it is a link to nothing</source>
        <translation>je to odkaz do prázdna</translation>
    </message>
</context>
<context>
    <name>FileTarget</name>
    <message>
        <source>missing</source>
        <translation>neexistující položka</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>soubor</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>složka</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>pojmenovaná roura</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>zařízení</translation>
    </message>
    <message>
        <source>out of reach</source>
        <translation>nedostupná položka</translation>
    </message>
    <message>
        <source>out of reach (%1)</source>
        <translation>nedostupná položka (%1)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>odkaz do prázdna</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>odkaz, jehož cílem je %1</translation>
    </message>
</context>
<context>
    <name>LastExitSettings</name>
    <message>
        <source>Settings reset to last exit values</source>
        <translation>Nastavení vrácena na hodnoty z posledního ukončení</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Nastavení uložena</translation>
    </message>
    <message>
        <source>Settings reset to defaults: </source>
        <translation>Nastavení vrácena na výchozí hodnoty: </translation>
    </message>
    <message>
        <source>Settings could not be saved: </source>
        <translation>Nastavení se nepodařilo uložit: </translation>
    </message>
    <message>
        <source>Settings reset to what could be read: </source>
        <translation>Nastavení vrácena na to, co šlo přečíst: </translation>
    </message>
</context>
<context>
    <name>LoadedPrintSupport</name>
    <message>
        <source>the print module is not installed (looked for %1)</source>
        <translation>tiskový modul není nainstalován (hledáno: %1)</translation>
    </message>
    <message>
        <source>the print module %1 could not be loaded: %2</source>
        <translation>tiskový modul %1 nelze načíst: %2</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>U&amp;ložit nastavení...</translation>
    </message>
    <message>
        <source>&amp;Restore Settings...</source>
        <translation>&amp;Načíst nastavení...</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <translation>&amp;Vrátit</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Vzhled &amp;stránky...</translation>
    </message>
    <message>
        <source>Export A&amp;ltitude...</source>
        <translation>E&amp;xportovat výšku...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>&amp;Quit without saving</source>
        <translation>&amp;Odejít bez uložení</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>T&amp;isk</translation>
    </message>
    <message>
        <source>Print &amp;Altitude...</source>
        <translation>&amp;Tisk výšky...</translation>
    </message>
    <message>
        <source>Print A&amp;zimuth/RA...</source>
        <translation>Tisk &amp;azimutu/RA...</translation>
    </message>
    <message>
        <source>Pre&amp;view Altitude</source>
        <translation>Náhled &amp;výšky</translation>
    </message>
    <message>
        <source>Previ&amp;ew Azimuth/RA</source>
        <translation>&amp;Náhled azimutu/RA</translation>
    </message>
    <message>
        <source>Printer &amp;scale...</source>
        <translation>&amp;Měřítko tiskárny...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ná&amp;pověda</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Uživatelská příručka</translation>
    </message>
    <message>
        <source>&amp;About Vennaros</source>
        <translation>&amp;O programu Vennaros</translation>
    </message>
    <message>
        <source>&amp;Proof sheet...</source>
        <translation>&amp;Zkušební list...</translation>
    </message>
    <message>
        <source>Preview pr&amp;oof sheet</source>
        <translation>Náhled zkušebního &amp;listu</translation>
    </message>
    <message>
        <source>&amp;Wrap tape...</source>
        <translation>Ovíjecí &amp;páska...</translation>
    </message>
    <message>
        <source>Wrap tape</source>
        <translation>Ovíjecí páska</translation>
    </message>
    <message>
        <source>Length of the tape, with its unit (1000mm or 40in):</source>
        <translation>Délka pásky s jednotkou (1000mm nebo 40in):</translation>
    </message>
</context>
<context>
    <name>NumberSpacing</name>
    <message>
        <source>Numbers touch: font size %1 or less fits</source>
        <translation>Čísla se dotýkají: vejde se velikost písma %1 nebo menší</translation>
    </message>
</context>
<context>
    <name>PageGroup</name>
    <message>
        <source>Page</source>
        <translation>Stránka</translation>
    </message>
    <message>
        <source>A 100 mm and a 50 mm bar below the caption, to measure the printout with</source>
        <translation>Pruh 100 mm a pruh 50 mm pod popiskem, k přeměření výtisku</translation>
    </message>
    <message>
        <source>Split lon&amp;g strips over pages</source>
        <translation>&amp;Dělit dlouhé pásky</translation>
    </message>
    <message>
        <source>Print a strip longer than the paper in overlapping segments</source>
        <translation>Tisknout pásek delší než papír v překrývajících se dílech</translation>
    </message>
    <message>
        <source>Pr&amp;int verniers</source>
        <translation>Vernier&amp;y</translation>
    </message>
    <message>
        <source>A vernier below each strip, to read a tenth of its smallest mark</source>
        <translation>Vernier pod každým páskem, k odečtu desetiny nejmenšího dílku</translation>
    </message>
    <message>
        <source>A second number row on azimuth and RA strips, counting the other way</source>
        <translation>Druhá řada čísel na páscích azimutu a RA, počítaná opačným směrem</translation>
    </message>
    <message>
        <source>Print rings instead of strips</source>
        <translation>Prstence místo pásků</translation>
    </message>
    <message>
        <source>Each circle as a flat ring of the size&apos;s outer diameter, for a ground board or a disc</source>
        <translation>Každý kruh jako plochý prstenec s velikostí jako vnějším průměrem, na základovou desku nebo kotouč</translation>
    </message>
    <message>
        <source>Half-&amp;degree marks</source>
        <translation>&amp;Značky po půl stupni</translation>
    </message>
    <message>
        <source>A mark at every half degree (every 5 minutes on RA), with 1° marks only</source>
        <translation>Značka po každém půl stupni (u RA po 5 minutách), jen s dílkem 1°</translation>
    </message>
    <message>
        <source>Signed declination</source>
        <translation>Dekl. se znaménkem</translation>
    </message>
    <message>
        <source>Altitude numbers +90 ... 0 ... -90, as a declination circle reads</source>
        <translation>Čísla výšky +90 ... 0 ... -90, jak je ukazuje deklinační kruh</translation>
    </message>
    <message>
        <source>Zero at, degrees</source>
        <translation>Nula na, stupně</translation>
    </message>
    <message>
        <source>The reading, in degrees, the strips start at (RA: its hours)</source>
        <translation>Odečet ve stupních, kterým pásky začínají (RA: v hodinách)</translation>
    </message>
    <message>
        <source>Closing tab</source>
        <translation>Lepicí chlopeň</translation>
    </message>
    <message>
        <source>Printer s&amp;cale...</source>
        <translation>&amp;Měřítko...</translation>
    </message>
    <message>
        <source>Measure and correct the current printer&apos;s scale</source>
        <translation>Změřit a opravit měřítko současné tiskárny</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Stránka...</translation>
    </message>
    <message>
        <source>Choose the current printer&apos;s paper and orientation, without printing</source>
        <translation>Zvolit papír a orientaci současné tiskárny, bez tisku</translation>
    </message>
    <message>
        <source>Pre&amp;view Alt.</source>
        <translation>Náhl&amp;ed výš.</translation>
    </message>
    <message>
        <source>Show the sheets Print Alt. would print, without printing</source>
        <translation>Ukázat listy, které by vytiskl „Tisk výš.“, bez tisku</translation>
    </message>
    <message>
        <source>Show the sheets Print Az. or Print RA would print, without printing</source>
        <translation>Ukázat listy, které by vytiskl „Tisk az.“ nebo „Tisk RA“, bez tisku</translation>
    </message>
    <message>
        <source>&amp;Zero at</source>
        <translation>Nu&amp;la na</translation>
    </message>
    <message>
        <source>Previ&amp;ew RA</source>
        <translation>Ná&amp;hled RA</translation>
    </message>
    <message>
        <source>Previ&amp;ew Az.</source>
        <translation>&amp;Náhled az.</translation>
    </message>
    <message>
        <source>Paper: </source>
        <translation>Papír: </translation>
    </message>
    <message>
        <source>Pri&amp;nt scale check</source>
        <translation>Kontrola m&amp;ěřítka</translation>
    </message>
    <message>
        <source>Numbers both wa&amp;ys</source>
        <translation>&amp;Čísla oběma směry</translation>
    </message>
    <message>
        <source>Ring read from its centre</source>
        <translation>Prstenec čtený ze středu</translation>
    </message>
    <message>
        <source>A ring&apos;s numbers upright from its centre, for a disc; otherwise from outside it, as on a ground board</source>
        <translation>Čísla prstence vzpřímeně z jeho středu, pro kotouč; jinak zvenku, jako na základové desce</translation>
    </message>
    <message>
        <source>The strip&apos;s first long division again after its end, to join the wrapped strip mark over mark (not with an arc: an arc does not close)</source>
        <translation>První dlouhý dílek pásku ještě jednou za jeho koncem, aby se ovinutý pásek spojil značka na značku (ne u oblouku: oblouk se neuzavírá)</translation>
    </message>
    <message>
        <source>Print only the arc from one mark to another: degrees (RA: hours), both empty for the whole circle; altitude 0 to 90, rising or falling</source>
        <translation>Tisknout jen oblouk od jedné rysky k druhé: stupně (RA: hodiny), obě prázdné pro celý kruh; výška 0 až 90, stoupající nebo klesající</translation>
    </message>
    <message>
        <source>Arc from</source>
        <translation>Oblouk od</translation>
    </message>
    <message>
        <source>Arc to</source>
        <translation>Oblouk do</translation>
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
        <translation>na šířku</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>na výšku</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Náhled tisku</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Listy</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Oddálit</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Přiblížit</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 list</translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n list</numerusform>
            <numerusform>%n listy</numerusform>
            <numerusform>%n listů</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2 %3, %4 × %5 mm</source>
        <translation>%1 na %2 %3, %4 × %5 mm</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>List %1 z %2</translation>
    </message>
    <message>
        <source>Strip length %1 mm (%2 in.), ring diameter %3 mm (%4 in.)</source>
        <translation>Délka pásku %1 mm (%2 in), průměr prstence %3 mm (%4 in)</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Altitude</source>
        <translation>Výškový kruh</translation>
    </message>
    <message>
        <source>Printing altitude...</source>
        <translation>Tisk výškového kruhu...</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>Deklinační kruh</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimutální kruh</translation>
    </message>
    <message>
        <source>Printing azimuth...</source>
        <translation>Tisk azimutálního kruhu...</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>Kruh RA</translation>
    </message>
    <message>
        <source>Printing RA</source>
        <translation>Tisk kruhu RA</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed</source>
        <translation>Tiskárna „%1“ už není nainstalována</translation>
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
        <translation>Značky po půl stupni potřebují průměr aspoň %1 %2.</translation>
    </message>
    <message>
        <source>Half-degree marks need a length of at least %1 %2.</source>
        <translation>Značky po půl stupni potřebují délku aspoň %1 %2.</translation>
    </message>
    <message>
        <source>Zero at must be 0 to %1 degrees in steps of %2.</source>
        <translation>Nula na musí být 0 až %1 stupňů v krocích po %2.</translation>
    </message>
    <message>
        <source>Must be numeric.</source>
        <translation>Musí být číslo.</translation>
    </message>
    <message>
        <source>Print function error.</source>
        <translation>Chyba tisku.</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Nelze vybrat tiskárnu: </translation>
    </message>
    <message>
        <source>%1 size must be at least %2 %3</source>
        <translation>%1: velikost musí být aspoň %2 %3</translation>
    </message>
    <message>
        <source>Print function error: %1.</source>
        <translation>Chyba tisku: %1.</translation>
    </message>
    <message>
        <source>%1 %2 %3 dia.</source>
        <translation>%1 %2 %3 prům.</translation>
    </message>
    <message>
        <source>%1 %2 %3 len.</source>
        <translation>%1 %2 %3 dél.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for split strips.</source>
        <translation>%1: největší délka je %2 %3 pro dělené pásky.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for current page width.</source>
        <translation>%1: největší délka je %2 %3 pro současnou šířku stránky.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for the printable width.</source>
        <translation>%1: největší délka je %2 %3 pro šířku oblasti tisku.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for split rings.</source>
        <translation>%1: největší průměr prstence je %2 %3 pro dělené prstence.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for the printable area.</source>
        <translation>%1: největší průměr prstence je %2 %3 pro oblast tisku.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>palce</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Pásek %1 potřebuje průměr aspoň %2 %3: otočte papír na šířku nebo pásek rozdělte.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Pásek %1 potřebuje aspoň %2 %3: otočte papír na šířku nebo pásek rozdělte.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape.</source>
        <translation>Pásek %1 potřebuje průměr aspoň %2 %3: otočte papír na šířku.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape.</source>
        <translation>Pásek %1 potřebuje aspoň %2 %3: otočte papír na šířku.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: split it.</source>
        <translation>Pásek %1 potřebuje průměr aspoň %2 %3: rozdělte ho.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: split it.</source>
        <translation>Pásek %1 potřebuje aspoň %2 %3: rozdělte ho.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: choose a larger paper.</source>
        <translation>Pásek %1 potřebuje průměr aspoň %2 %3: zvolte větší papír.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: choose a larger paper.</source>
        <translation>Pásek %1 potřebuje aspoň %2 %3: zvolte větší papír.</translation>
    </message>
    <message>
        <source>altitude</source>
        <comment>in: An altitude strip needs...</comment>
        <translation>výškového kruhu</translation>
    </message>
    <message>
        <source>azimuth</source>
        <comment>in: An azimuth strip needs...</comment>
        <translation>azimutálního kruhu</translation>
    </message>
    <message>
        <source>RA</source>
        <comment>in: An RA strip needs...</comment>
        <translation>kruhu RA</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for a drawing.</source>
        <translation>%1: největší délka je %2 %3 pro výkres.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for a drawing.</source>
        <translation>%1: největší průměr prstence je %2 %3 pro výkres.</translation>
    </message>
    <message>
        <source>Arc from and to must be 0 to 24 hours in steps of 10 minutes.</source>
        <translation>Začátek a konec oblouku musí být 0 až 24 hodin v krocích po 10 minutách.</translation>
    </message>
    <message>
        <source>Arc from and to must be %1 to %2 degrees in steps of %3.</source>
        <translation>Začátek a konec oblouku musí být %1 až %2 stupňů v krocích po %3.</translation>
    </message>
    <message>
        <source>Arc from and to need a value each, or none for the whole circle.</source>
        <translation>Začátek a konec oblouku potřebují každý hodnotu, nebo žádnou pro celý kruh.</translation>
    </message>
    <message>
        <source>Arc from and to must be numeric.</source>
        <translation>Začátek a konec oblouku musí být čísla.</translation>
    </message>
    <message>
        <source>Arc from and to must be different marks.</source>
        <translation>Začátek a konec oblouku musí být různé rysky.</translation>
    </message>
</context>
<context>
    <name>PrinterPapers</name>
    <message>
        <source>%1, landscape</source>
        <translation>%1, na šířku</translation>
    </message>
    <message>
        <source>%1, portrait</source>
        <translation>%1, na výšku</translation>
    </message>
    <message>
        <source>the printer has no name</source>
        <translation>tiskárna nemá název</translation>
    </message>
    <message>
        <source>%1 is larger than a page can be (%2 mm a side)</source>
        <translation>%1 je větší, než může být stránka (%2 mm na stranu)</translation>
    </message>
    <message>
        <source>its value cannot be read as a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>jeho hodnotu nelze přečíst jako papír s orientací, např. „A4, portrait“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>„%1“ není papír s orientací, např. „A4, portrait“</translation>
    </message>
</context>
<context>
    <name>PrinterScaleDialog</name>
    <message>
        <source>Bar along the paper&apos;s &amp;width (%1 mm), measured in mm:</source>
        <translation>Pruh po &amp;šířce papíru (%1 mm), změřeno v mm:</translation>
    </message>
    <message>
        <source>Bar along the paper&apos;s &amp;length (%1 mm), measured in mm:</source>
        <translation>Pruh po &amp;délce papíru (%1 mm), změřeno v mm:</translation>
    </message>
    <message>
        <source>Factors kept for this printer: %1 along the paper&apos;s width, %2 along its length.</source>
        <translation>Uložené koeficienty této tiskárny: %1 po šířce papíru, %2 po jeho délce.</translation>
    </message>
    <message>
        <source>1. Print the calibration page (with any scaling or &quot;fit to page&quot; option of the printer off).
2. Measure each bar from its first to its last mark.
3. Type the two lengths and press OK: every page on this printer is then corrected.</source>
        <translation>1. Vytiskněte kalibrační stránku (s vypnutým měřítkem i volbou „přizpůsobit stránce“ tiskárny).
2. Změřte každý pruh od první do poslední značky.
3. Zadejte obě délky a stiskněte OK: od té chvíle se každá stránka na této tiskárně opravuje.</translation>
    </message>
    <message>
        <source>Print calibration page...</source>
        <translation>Vytisknout kalibrační stránku...</translation>
    </message>
    <message>
        <source>Back to 1 and 1 for this printer</source>
        <translation>Zpět na 1 a 1 pro tuto tiskárnu</translation>
    </message>
    <message>
        <source>Printer scale - </source>
        <translation>Měřítko tiskárny - </translation>
    </message>
    <message>
        <source>Printer: </source>
        <translation>Tiskárna: </translation>
    </message>
    <message>
        <source>The value kept for this printer is unusable (%1): it prints with 1 along both axes until new lengths are kept.</source>
        <translation>Uložená hodnota této tiskárny je nepoužitelná (%1): tiskne s 1 v obou osách, dokud se neuloží nové délky.</translation>
    </message>
    <message>
        <source>The printer can&apos;t be read: </source>
        <translation>Tiskárnu nelze přečíst: </translation>
    </message>
    <message>
        <source>The calibration page was printed: measure its two bars.</source>
        <translation>Kalibrační stránka se vytiskla: změřte její dva pruhy.</translation>
    </message>
    <message>
        <source>The calibration page could not be printed: </source>
        <translation>Kalibrační stránku se nepodařilo vytisknout: </translation>
    </message>
    <message>
        <source>Type the lengths of both bars as measured.</source>
        <translation>Zadejte naměřené délky obou pruhů.</translation>
    </message>
    <message>
        <source>The factors could not be kept: </source>
        <translation>Koeficienty se nepodařilo uložit: </translation>
    </message>
    <message>
        <source>Printer scale of %1: %2</source>
        <translation>Měřítko tiskárny %1: %2</translation>
    </message>
    <message>
        <source>Printer scale of %1: 1 1</source>
        <translation>Měřítko tiskárny %1: 1 1</translation>
    </message>
    <message>
        <source>This printer is back to 1 and 1.</source>
        <translation>Tato tiskárna je zpět na 1 a 1.</translation>
    </message>
</context>
<context>
    <name>PrinterScales</name>
    <message>
        <source>&quot;%1&quot; is not two factors from 0.9 to 1.1</source>
        <translation>„%1“ nejsou dva koeficienty od 0.9 do 1.1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length: type the length measured in millimetres.</source>
        <translation>„%1“ není délka: zadejte délku naměřenou v milimetrech.</translation>
    </message>
    <message>
        <source>%1 mm for the %2 mm bar gives a factor of %3; only factors from 0.9 to 1.1 can be corrected. Measure the bar again from its first to its last mark.</source>
        <translation>%1 mm pro pruh %2 mm dává koeficient %3; opravit lze jen koeficienty od 0,9 do 1,1. Změřte pruh znovu od první do poslední značky.</translation>
    </message>
    <message>
        <source>its factors cannot be read; they are kept as two numbers from 0.9 to 1.1 with a decimal point, the width&apos;s first: &quot;1.01 0.99&quot;</source>
        <translation>jeho koeficienty nelze přečíst; ukládají se jako dvě čísla od 0.9 do 1.1 s desetinnou tečkou, nejdřív pro šířku: „1.01 0.99“</translation>
    </message>
</context>
<context>
    <name>ProofSheet</name>
    <message>
        <source>Widths %1-%2-%3, Height %4, Font %5</source>
        <translation>Šířky %1-%2-%3, Výška %4, Písmo %5</translation>
    </message>
    <message>
        <source>Proof sheet: %1 samples of 10 degrees don&apos;t fit this paper.</source>
        <translation>Zkušební list: vzorky 10 stupňů kruhu %1 se na tento papír nevejdou.</translation>
    </message>
    <message>
        <source>Proof sheet: %1, samples of %2°</source>
        <translation>Zkušební list: %1, vzorky po %2°</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>the settings store %1 (%2)</source>
        <comment>%1: what is wrong with it, %2: its path</comment>
        <translation>úložiště nastavení %1 (%2)</translation>
    </message>
    <message>
        <source>is %1</source>
        <translation>je %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB</source>
        <translation>je větší než 1 MiB</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nelze přečíst: %1</translation>
    </message>
    <message>
        <source>is read-only</source>
        <translation>je jen pro čtení</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>nemůže zapsat %1</translation>
    </message>
    <message>
        <source>the settings store can be read only in part and no copy of it could be made (%1)</source>
        <translation>úložiště nastavení lze přečíst jen zčásti a jeho kopii se nepodařilo vytvořit (%1)</translation>
    </message>
    <message>
        <source>the settings store can be read only in part; the whole file is kept as %1</source>
        <translation>úložiště nastavení lze přečíst jen zčásti; celý soubor je uschován jako %1</translation>
    </message>
</context>
<context>
    <name>QueueJobFollower</name>
    <message>
        <source>The printer %1 stopped the page%2.</source>
        <translation>Tiskárna %1 zastavila stránku%2.</translation>
    </message>
    <message>
        <source>The printer %1 could not print the page%2.</source>
        <translation>Tiskárna %1 nemohla stránku vytisknout%2.</translation>
    </message>
    <message>
        <source>The page was cancelled on the printer %1.</source>
        <translation>Stránka byla na tiskárně %1 zrušena.</translation>
    </message>
    <message>
        <source>The printer %1 holds the page%2.</source>
        <translation>Tiskárna %1 stránku pozdržela%2.</translation>
    </message>
    <message>
        <source>The printer %1 is paused: the page waits in its queue.</source>
        <translation>Tiskárna %1 je pozastavena: stránka čeká v její frontě.</translation>
    </message>
    <message>
        <source>The printer %1 has stopped: the page waits in its queue.</source>
        <translation>Tiskárna %1 je zastavena: stránka čeká v její frontě.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has not printed the page yet: %2</source>
        <translation>Tiskárna „%1“ stránku ještě nevytiskla: %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has printed the page.</source>
        <translation>Tiskárna „%1“ stránku vytiskla.</translation>
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
        <translation>tětiva %1 = %2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Přetečení</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Neshoda typů</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Neplatná hodnota vlastnosti</translation>
    </message>
</context>
<context>
    <name>SettingsFileCommands</name>
    <message>
        <source>Saved settings files (*.txt)|*.txt</source>
        <translation>Uložené soubory nastavení (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Create new or overwrite settings file</source>
        <translation>Vytvořit nebo přepsat soubor nastavení</translation>
    </message>
    <message>
        <source>Restore settings files (*.txt)|*.txt</source>
        <translation>Soubory nastavení k načtení (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Restore settings from file</source>
        <translation>Načíst nastavení ze souboru</translation>
    </message>
    <message>
        <source>Error %1, %2</source>
        <translation>Chyba %1, %2</translation>
    </message>
    <message>
        <source>Confirm Overwrite</source>
        <translation>Potvrdit přepsání</translation>
    </message>
    <message>
        <source>Will be overwritten!</source>
        <translation>Bude přepsán!</translation>
    </message>
    <message>
        <source>Write settings file error</source>
        <translation>Chyba zápisu souboru nastavení</translation>
    </message>
    <message>
        <source>Error writting to setting file</source>
        <translation>Chyba při zápisu do souboru nastavení</translation>
    </message>
    <message>
        <source>Settings saved to &apos;%1&apos;</source>
        <translation>Nastavení uložena do &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Read settings file error</source>
        <translation>Chyba čtení souboru nastavení</translation>
    </message>
    <message>
        <source>Error reading setting file</source>
        <translation>Chyba při čtení souboru nastavení</translation>
    </message>
    <message>
        <source>1 setting restored from &apos;%1&apos;</source>
        <translation>Načteno 1 nastavení z &apos;%1&apos;</translation>
    </message>
    <message numerus="yes">
        <source>%n settings restored from &apos;%1&apos;</source>
        <translation>
            <numerusform>Načteno %n nastavení z &apos;%1&apos;</numerusform>
            <numerusform>Načteno %n nastavení z &apos;%1&apos;</numerusform>
            <numerusform>Načteno %n nastavení z &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;) could not be applied</source>
        <translation>řádek %1 („%2“) nešlo použít</translation>
    </message>
    <message>
        <source>the file ends after line %1</source>
        <translation>soubor končí po řádku %1</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 settings restored from &apos;%2&apos;: %3.</source>
        <translation>
            <numerusform>Načteno %n z %1 nastavení z &apos;%2&apos;: %3.</numerusform>
            <numerusform>Načteno %n z %1 nastavení z &apos;%2&apos;: %3.</numerusform>
            <numerusform>Načteno %n z %1 nastavení z &apos;%2&apos;: %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>Cannot uncheck both circle styles.</source>
        <translation>Nelze zrušit oba styly kruhu.</translation>
    </message>
</context>
<context>
    <name>SheetAids</name>
    <message>
        <source>Cut each piece on its cut line; lay its end over the next piece, A on A, marks on marks</source>
        <translation>Každý díl ustřihněte na jeho čáře řezu; jeho konec položte přes další díl, A na A, značky na značky</translation>
    </message>
    <message>
        <source>Sheet %1</source>
        <translation>List %1</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>List %1 z %2</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>%1 – uživatelská příručka</translation>
    </message>
    <message>
        <source>The user guide could not be read: %1</source>
        <translation>Uživatelskou příručku nelze přečíst: %1</translation>
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
        <translation>%1 = čára %2</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1 pt = %2 digits</source>
        <translation>%1 pt = číslice %2</translation>
    </message>
</context>
<context>
    <name>WindowController</name>
    <message>
        <source>Export Altitude</source>
        <translation>Exportovat výškový kruh</translation>
    </message>
    <message>
        <source>Export Azimuth/RA</source>
        <translation>Exportovat azimutální kruh/RA</translation>
    </message>
    <message>
        <source>The paper could not be kept: </source>
        <translation>Papír se nepodařilo uložit: </translation>
    </message>
    <message>
        <source>paper unknown</source>
        <translation>papír neznámý</translation>
    </message>
    <message>
        <source>no printer</source>
        <translation>žádná tiskárna</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Nelze vybrat tiskárnu: </translation>
    </message>
    <message>
        <source>Printer scale for &apos;%1&apos; ignored: %2; it prints unscaled.</source>
        <translation>Měřítko tiskárny &apos;%1&apos; ignorováno: %2; tiskne bez korekce.</translation>
    </message>
    <message>
        <source>The user guide is not installed; &quot;man vennaros&quot; describes the program.</source>
        <translation>Uživatelská příručka není nainstalována; program popisuje „man vennaros“.</translation>
    </message>
    <message>
        <source>The paper kept for &apos;%1&apos; is not used: %2; it prints on the printer&apos;s own paper.</source>
        <translation>Papír uložený pro &apos;%1&apos; se nepoužije: %2; tiskárna tiskne na svůj vlastní papír.</translation>
    </message>
    <message>
        <source>%1, turned to fit</source>
        <translation>%1, otočeno, aby se vešlo</translation>
    </message>
</context>
<context>
    <name>WrapTape</name>
    <message>
        <source>Wrap tape</source>
        <translation>Ovíjecí páska</translation>
    </message>
    <message>
        <source>Wrap tape: &apos;%1&apos; is not a length; give it with its unit, for example 1000mm or 40in.</source>
        <translation>Ovíjecí páska: &apos;%1&apos; není délka; zadejte ji s jednotkou, například 1000mm nebo 40in.</translation>
    </message>
    <message>
        <source>Wrap tape %1</source>
        <translation>Ovíjecí páska %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Print Vennaros</source>
        <translation>Vennaros – tisk</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Size is diameter</source>
        <translation>Velikost je průměr</translation>
    </message>
    <message>
        <source>Size is length</source>
        <translation>Velikost je délka</translation>
    </message>
    <message>
        <source>size is mm</source>
        <translation>velikost v mm</translation>
    </message>
    <message>
        <source>Size in inches</source>
        <translation>Velikost v palcích</translation>
    </message>
    <message>
        <source>Circle styles</source>
        <translation>Styly kruhu</translation>
    </message>
    <message>
        <source>&amp;Black on White background</source>
        <translation>Če&amp;rné na bílém pozadí</translation>
    </message>
    <message>
        <source>&amp;White on Black background</source>
        <translation>&amp;Bílé na černém pozadí</translation>
    </message>
    <message>
        <source>Print &amp;Alt.</source>
        <translation>Tisk vý&amp;š.</translation>
    </message>
    <message>
        <source>dia.</source>
        <translation>Ø</translation>
    </message>
    <message>
        <source>len.</source>
        <translation>dél.</translation>
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
        <translation>&amp;Az L&gt;P +</translation>
    </message>
    <message>
        <source>Az circle left to right numbers increase</source>
        <translation>Azimutální kruh: čísla rostou zleva doprava</translation>
    </message>
    <message>
        <source>Quit without saving settings</source>
        <translation>Odejít bez uložení nastavení</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>Exit and save settings</source>
        <translation>Ukončit a uložit nastavení</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Vr&amp;átit</translation>
    </message>
    <message>
        <source>Reset to last exit settings from registry</source>
        <translation>Vrátit nastavení uložená při posledním ukončení</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Ulo&amp;žit</translation>
    </message>
    <message>
        <source>Save current settings to file</source>
        <translation>Uložit současná nastavení do souboru</translation>
    </message>
    <message>
        <source>Rest&amp;ore</source>
        <translation>Nač&amp;íst</translation>
    </message>
    <message>
        <source>Paper and orientation are kept for each printer.</source>
        <translation>Papír a orientace se pamatují pro každou tiskárnu.</translation>
    </message>
    <message>
        <source>Prin&amp;t RA</source>
        <translation>&amp;Tisk RA</translation>
    </message>
    <message>
        <source>Prin&amp;t Az.</source>
        <translation>Tis&amp;k az.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Smallest Mar&amp;k Degree</source>
        <translation>Ne&amp;jmenší dílek (stupně)</translation>
    </message>
    <message>
        <source>Altit&amp;ude / DECL Circle Size</source>
        <translation>Velikost kruhu v&amp;ýšky / DEK</translation>
    </message>
    <message>
        <source>Azi&amp;muth / RA Circle Size</source>
        <translation>&amp;Velikost kruhu azimutu / RA</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Odejít</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vennaros: %1
Try &apos;vennaros --help&apos;.
</source>
        <translation>vennaros: %1
Zkuste &apos;vennaros --help&apos;.
</translation>
    </message>
    <message>
        <source>there is no platform plugin &apos;%1&apos;</source>
        <translation>platformní modul &apos;%1&apos; neexistuje</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY a WAYLAND_DISPLAY nejsou nastaveny</translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be reached</source>
        <translation>k &apos;%1&apos; se nelze připojit</translation>
    </message>
    <message>
        <source>vennaros: cannot open a display: %1; --print-pdf, --svg and --dxf need none.
</source>
        <translation>vennaros: nelze otevřít displej: %1; --print-pdf, --svg a --dxf žádný nepotřebují.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8; no file is read or written under another name.
</source>
        <translation>vennaros: &apos;%1&apos; není platné UTF-8; žádný soubor se nečte ani nezapisuje pod jiným názvem.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8.
</source>
        <translation>vennaros: &apos;%1&apos; není platné UTF-8.
</translation>
    </message>
    <message>
        <source>vennaros: the value of --%1 is not valid UTF-8.
</source>
        <translation>vennaros: hodnota --%1 není platné UTF-8.
</translation>
    </message>
</context>
<context>
    <name>programinfo</name>
    <message>
        <source>Prints graduated setting circles for telescope mounts at their exact size.</source>
        <translation>Tiskne dělené kruhy pro montáže dalekohledů v jejich přesné velikosti.</translation>
    </message>
</context>
</TS>
