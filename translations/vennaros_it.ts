<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icona del programma</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Home: </source>
        <translation>Sito: </translation>
    </message>
    <message>
        <source>Report a fault: </source>
        <translation>Segnala un difetto: </translation>
    </message>
    <message>
        <source>The user guide and the manual page are in English.</source>
        <translation>La guida utente e la pagina di manuale sono in inglese.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licenza</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Along the paper&apos;s length: %1 mm</source>
        <translation>Lungo la lunghezza del foglio: %1 mm</translation>
    </message>
    <message>
        <source>Along the paper&apos;s width: %1 mm</source>
        <translation>Lungo la larghezza del foglio: %1 mm</translation>
    </message>
    <message>
        <source>%1 (the bar across the top)</source>
        <translation>%1 (la barra in alto, di traverso)</translation>
    </message>
    <message>
        <source>%1 (the bar down the left side)</source>
        <translation>%1 (la barra lungo il lato sinistro)</translation>
    </message>
    <message>
        <source>Printer scale calibration for %1</source>
        <translation>Calibrazione della scala della stampante %1</translation>
    </message>
    <message>
        <source>Measure each bar from its first to its last mark, in millimetres, and type</source>
        <translation>Misurate ogni barra dalla prima all’ultima tacca, in millimetri, e scrivete</translation>
    </message>
    <message>
        <source>the two lengths into the Printer scale dialog. Print this page with any</source>
        <translation>le due lunghezze nella finestra Scala stampante. Stampate questa pagina con</translation>
    </message>
    <message>
        <source>scaling or &quot;fit to page&quot; option of the printer switched off.</source>
        <translation>il ridimensionamento e l’opzione «adatta alla pagina» della stampante disattivati.</translation>
    </message>
</context>
<context>
    <name>CaptionLine</name>
    <message>
        <source>%1 ring diameter = %2 %3</source>
        <translation>%1, diametro dell’anello = %2 %3</translation>
    </message>
    <message>
        <source>%1 Circle length = %2 %3</source>
        <translation>%1, lunghezza del cerchio = %2 %3</translation>
    </message>
    <message>
        <source>, Smallest mark = %1°, Line (small, 5°, 10°) Widths  = %2</source>
        <translation>, Tacca minima = %1°, Spessori tacche (piccole, 5°, 10°) = %2</translation>
    </message>
    <message>
        <source>, Line (10min, 30min, 1hr) Widths  = %1</source>
        <translation>, Spessori tacche (10 min, 30 min, 1 h) = %1</translation>
    </message>
    <message>
        <source>, Heights = %1, Font size = %2</source>
        <translation>, Altezze = %1, Dimensione carattere = %2</translation>
    </message>
    <message>
        <source>, 5min marks</source>
        <translation>, tacche di 5 min</translation>
    </message>
    <message>
        <source>, half-degree marks</source>
        <translation>, tacche di mezzo grado</translation>
    </message>
    <message>
        <source>, zero at %1</source>
        <translation>, zero a %1</translation>
    </message>
    <message>
        <source>, vernier %1</source>
        <translation>, nonio %1</translation>
    </message>
    <message>
        <source>, numbers both ways</source>
        <translation>, numeri nei due sensi</translation>
    </message>
    <message>
        <source>, Printer scale = %1</source>
        <translation>, Scala stampante = %1</translation>
    </message>
    <message>
        <source>ring diameter = %1 %2</source>
        <translation>diametro dell’anello = %1 %2</translation>
    </message>
    <message>
        <source>Circle length = %1 %2 (%3 %2)</source>
        <translation>lunghezza del cerchio = %1 %2 (%3 %2)</translation>
    </message>
    <message>
        <source>%1 arc %2 of %3</source>
        <translation>%1, arco %2 di %3</translation>
    </message>
</context>
<context>
    <name>CircleSetColumn</name>
    <message>
        <source>Smallest Mark Width</source>
        <translation>Spessore tacca minima</translation>
    </message>
    <message>
        <source>5° Mark Width</source>
        <translation>Spessore tacca 5°</translation>
    </message>
    <message>
        <source>10° Mark Width</source>
        <translation>Spessore tacca 10°</translation>
    </message>
    <message>
        <source>Circle Height</source>
        <translation>Altezza del cerchio</translation>
    </message>
    <message>
        <source>Text Font Size</source>
        <translation>Dimensione testo</translation>
    </message>
    <message>
        <source>&amp;1st Circle to Print</source>
        <translation>Stampa cerchio &amp;1</translation>
    </message>
    <message>
        <source>&amp;2nd Circle to Print</source>
        <translation>Stampa cerchio &amp;2</translation>
    </message>
    <message>
        <source>&amp;3rd Circle to Print</source>
        <translation>Stampa cerchio &amp;3</translation>
    </message>
    <message>
        <source>Scale on Top</source>
        <translation>Scala in alto</translation>
    </message>
    <message>
        <source>Scale on Top %1</source>
        <translation>Scala in alto %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--size needs a number and its unit, for example 450mm or 3.5in, not &apos;%1&apos;.</source>
        <translation>--size richiede un numero e la sua unità, per esempio 450mm o 3.5in, non &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--ra and --decreasing go with --azimuth.</source>
        <translation>--ra e --decreasing vanno con --azimuth.</translation>
    </message>
    <message>
        <source>--signed-dec goes with --altitude.</source>
        <translation>--signed-dec va con --altitude.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--print-pdf, --svg and --dxf: give one of them.</source>
        <translation>--print-pdf, --svg e --dxf: datene uno solo.</translation>
    </message>
    <message>
        <source>--settings, --paper, --landscape, --altitude, --azimuth and the circle&apos;s options go with --print-pdf FILE, --svg FILE or --dxf FILE.</source>
        <translation>--settings, --paper, --landscape, --altitude, --azimuth e le opzioni del cerchio vanno con --print-pdf FILE, --svg FILE o --dxf FILE.</translation>
    </message>
    <message>
        <source>--paper and --landscape go with --print-pdf: a drawing has no paper.</source>
        <translation>--paper e --landscape vanno con --print-pdf: un disegno non ha carta.</translation>
    </message>
    <message>
        <source>--%1 needs one of --altitude and --azimuth.</source>
        <translation>--%1 richiede --altitude o --azimuth.</translation>
    </message>
    <message>
        <source>--print-pdf needs the name of the PDF file to write.</source>
        <translation>--print-pdf richiede il nome del file PDF da scrivere.</translation>
    </message>
    <message>
        <source>--%1 needs the name of the drawing file to write.</source>
        <translation>--%1 richiede il nome del file di disegno da scrivere.</translation>
    </message>
    <message>
        <source>--settings needs the name of a settings file.</source>
        <translation>--settings richiede il nome di un file di impostazioni.</translation>
    </message>
    <message>
        <source>--paper needs the name of a paper size, for example A4.</source>
        <translation>--paper richiede il nome di un formato di carta, per esempio A4.</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos; (A4, Letter, A3, Legal, ...)</source>
        <translation>carta sconosciuta &apos;%1&apos; (A4, Letter, A3, Legal, ...)</translation>
    </message>
    <message>
        <source>print this text and exit</source>
        <translation>mostra questo testo ed esce</translation>
    </message>
    <message>
        <source>print the name and version and exit</source>
        <translation>mostra nome e versione ed esce</translation>
    </message>
    <message>
        <source>print the page a print button would print to the PDF file FILE,
without a window</source>
        <translation>stampa nel file PDF FILE la pagina che stamperebbe un pulsante di
stampa, senza finestra</translation>
    </message>
    <message>
        <source>the same as a DXF drawing</source>
        <translation>lo stesso come disegno DXF</translation>
    </message>
    <message>
        <source>a settings file saved with &quot;Save&quot;, restored over the defaults</source>
        <translation>un file di impostazioni salvato con «Salva», caricato sopra i
valori predefiniti</translation>
    </message>
    <message>
        <source>the paper, for example A4, Letter, A3 or Legal (default: the
built-in PDF printer&apos;s paper)</source>
        <translation>la carta, per esempio A4, Letter, A3 o Legal (predefinita: la carta
della stampante PDF integrata)</translation>
    </message>
    <message>
        <source>the paper turned to landscape</source>
        <translation>la carta girata in orizzontale</translation>
    </message>
    <message>
        <source>the altitude circle (&quot;Print Alt.&quot;)</source>
        <translation>il cerchio di altezza («Stampa Alt.»)</translation>
    </message>
    <message>
        <source>the azimuth or RA circle, as the settings say (&quot;Print Az.&quot; or
&quot;Print RA&quot;)</source>
        <translation>il cerchio di azimut o di AR, secondo le impostazioni («Stampa Az.»
o «Stampa AR»)</translation>
    </message>
    <message>
        <source>the circle&apos;s size with its unit: 450mm, 3in, 3.5in or 3,5in; a
diameter (dia.) unless --length</source>
        <translation>la dimensione del cerchio con la sua unità: 450mm, 3in, 3.5in o
3,5in; un diametro (Ø) salvo con --length</translation>
    </message>
    <message>
        <source>the size is the strip&apos;s length (len.)</source>
        <translation>la dimensione è la lunghezza della striscia (L)</translation>
    </message>
    <message>
        <source>the RA circle instead of the azimuth circle</source>
        <translation>il cerchio di AR invece del cerchio di azimut</translation>
    </message>
    <message>
        <source>azimuth numbers decreasing from left to right (&quot;Az L&gt;R +&quot; clear)</source>
        <translation>numeri di azimut decrescenti da sinistra a destra («Az sx&gt;dx +» non
spuntato)</translation>
    </message>
    <message>
        <source>split a strip longer than the paper over pages, a ring larger
than the printable area into sectors</source>
        <translation>divide su più pagine una striscia più lunga del foglio, in settori
un anello più grande dell’area stampabile</translation>
    </message>
    <message>
        <source>print the circle as a flat ring instead of a strip; its size is
the ring&apos;s outer diameter, or with --length its circumference</source>
        <translation>stampa il cerchio come anello piatto invece che come striscia; la
dimensione è il diametro esterno dell’anello, o con --length la sua
circonferenza</translation>
    </message>
    <message>
        <source>a vernier below each strip or ring (&quot;Print verniers&quot;)</source>
        <translation>un nonio sotto ogni striscia o anello («Stampa noni»)</translation>
    </message>
    <message>
        <source>a second number row counting the other way (&quot;Numbers both ways&quot;)</source>
        <translation>una seconda fila di numeri nel senso opposto («Numeri nei due
sensi»)</translation>
    </message>
    <message>
        <source>the scale check bars below the page (&quot;Print scale check&quot;)</source>
        <translation>le barre di verifica della scala sotto la pagina («Verifica della
scala»)</translation>
    </message>
    <message>
        <source>a mark at every half degree (every 5 minutes on RA)</source>
        <translation>una tacca a ogni mezzo grado (ogni 5 minuti in AR)</translation>
    </message>
    <message>
        <source>altitude numbers signed as declination: 90 ... 0 ... -90</source>
        <translation>numeri di altezza con segno come una declinazione: 90 ... 0 ... -90</translation>
    </message>
    <message>
        <source>the strip starts at the reading N degrees (RA: its hours)</source>
        <translation>la striscia inizia alla lettura N gradi (AR: le sue ore)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Without options it opens its window.</source>
        <translation>Senza opzioni apre la sua finestra.</translation>
    </message>
    <message>
        <source>
Exit status: 0 when the file was written, 1 when the job refused or failed (the reason on
standard error, no file written), 2 for a wrong command line.
See also: man vennaros
</source>
        <translation>
Stato di uscita: 0 se il file è stato scritto, 1 se il lavoro è stato rifiutato o è fallito
(il motivo sullo standard error, nessun file scritto), 2 per una riga di comando errata.
Vedere anche: man vennaros
</translation>
    </message>
    <message>
        <source>the strip&apos;s first long division again after its end, to close
the wrapped strip mark over mark (&quot;Closing tab&quot;)</source>
        <translation>la prima divisione lunga della striscia di nuovo dopo la sua fine,
per chiudere la striscia avvolta tacca su tacca («Linguetta di chiusura»)</translation>
    </message>
    <message numerus="yes">
        <source>--%1 is given %n times; give it once.</source>
        <translation>
            <numerusform>--%1 è dato %n volta; datelo una volta sola.</numerusform>
            <numerusform>--%1 è dato %n volte; datelo una volta sola.</numerusform>
        </translation>
    </message>
    <message>
        <source>--size: the number is too large.</source>
        <translation>--size: il numero è troppo grande.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees: RA hours always increase.</source>
        <translation>--decreasing va con il cerchio di azimut in gradi: le ore di AR crescono sempre.</translation>
    </message>
    <message>
        <source>--print-pdf writes a file, not standard output: name the PDF file to write.</source>
        <translation>--print-pdf scrive un file, non lo standard output: indicate il file PDF da scrivere.</translation>
    </message>
    <message>
        <source>--settings reads a file, not standard input: name the settings file.</source>
        <translation>--settings legge un file, non lo standard input: indicate il file di impostazioni.</translation>
    </message>
    <message>
        <source>--%1 needs a file name: &apos;%2&apos; starts with &apos;-&apos; as an option does; write such a name as ./%2.</source>
        <translation>--%1 richiede un nome di file: &apos;%2&apos; inizia con &apos;-&apos; come un’opzione; scrivete un tale nome come ./%2.</translation>
    </message>
    <message>
        <source>--split goes with --print-pdf: a drawing is never split.</source>
        <translation>--split va con --print-pdf: un disegno non è mai diviso.</translation>
    </message>
    <message>
        <source>--scale-check goes with --print-pdf: a drawing has no scale check bars.</source>
        <translation>--scale-check va con --print-pdf: un disegno non ha barre di verifica della scala.</translation>
    </message>
    <message>
        <source>--closing-tab goes with --print-pdf: a drawing has no closing tab.</source>
        <translation>--closing-tab va con --print-pdf: un disegno non ha linguetta di chiusura.</translation>
    </message>
    <message>
        <source>--both-ways goes with --azimuth: the altitude circle reads both ways already.</source>
        <translation>--both-ways va con --azimuth: il cerchio di altezza si legge già nei due sensi.</translation>
    </message>
    <message>
        <source>the whole strip or ring as an SVG drawing for a laser or vinyl
cutter, at its true size in millimetres, never split;
FILE - writes it to standard output</source>
        <translation>l’intera striscia o anello come disegno SVG per un plotter da
taglio laser o vinile, alla dimensione reale in millimetri, mai
diviso; FILE - lo scrive sullo standard output</translation>
    </message>
    <message>
        <source>--tape and --proof go with --print-pdf FILE.</source>
        <translation>--tape e --proof vanno con --print-pdf FILE.</translation>
    </message>
    <message>
        <source>--tape and --proof: give one of them.</source>
        <translation>--tape e --proof: indicarne solo uno.</translation>
    </message>
    <message>
        <source>--tape goes with --print-pdf, --paper and --landscape alone.</source>
        <translation>--tape va solo con --print-pdf, --paper e --landscape.</translation>
    </message>
    <message>
        <source>a wrap tape of that length (1000mm, 40in) ticked every millimetre
(1/20 in), to measure an axis in the printer&apos;s own millimetres</source>
        <translation>un nastro da avvolgere di quella lunghezza (1000mm, 40in) con una tacca
per millimetro (1/20 in), per misurare un asse in millimetri della stampante</translation>
    </message>
    <message>
        <source>a proof sheet: samples of the circle&apos;s graduation in every mark
width, height and font size, to choose a circle set by trying</source>
        <translation>un foglio di prova: campioni della graduazione del cerchio in ogni
larghezza, altezza e dimensione del carattere, per scegliere provando</translation>
    </message>
    <message>
        <source>--strokes goes with --svg and --dxf: a printed page is inked in full.</source>
        <translation>--strokes va con --svg e --dxf: una pagina stampata è inchiostrata per intero.</translation>
    </message>
    <message>
        <source>with --svg or --dxf: marks as single lines and texts in a
single-stroke font, for vector lasers, pen plotters and drag
knives (default: filled outlines)</source>
        <translation>con --svg o --dxf: le tacche come linee singole e i testi in un
font a tratto singolo, per laser vettoriali, plotter a penna e
lame trascinate (predefinito: contorni pieni)</translation>
    </message>
    <message>
        <source>a ring&apos;s numbers upright as read from its centre, for a disc, not
from outside it (&quot;Ring read from its centre&quot;)</source>
        <translation>i numeri di un anello diritti letti dal suo centro, per un disco,
non dall’esterno («Anello letto dal centro»)</translation>
    </message>
    <message>
        <source>--arc needs two values, FROM:TO, for example 0:90 or 350:10, not &apos;%1&apos;.</source>
        <translation>--arc richiede due valori, FROM:TO, per esempio 0:90 o 350:10, non &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>only the arc from the mark FROM to the mark TO, in the circle&apos;s
numbers: --arc 0:90 (altitude), 350:10 (azimuth), 18:6 (RA)</source>
        <translation>solo l’arco dalla tacca FROM alla tacca TO, nei numeri del
cerchio: --arc 0:90 (altezza), 350:10 (azimut), 18:6 (AR)</translation>
    </message>
    <message>
        <source>These fifteen override the settings file.</source>
        <translation>Queste quindici prevalgono sul file di impostazioni.</translation>
    </message>
</context>
<context>
    <name>DrawingExport</name>
    <message>
        <source>Export &amp;RA...</source>
        <translation>Esporta A&amp;R...</translation>
    </message>
    <message>
        <source>Export A&amp;zimuth...</source>
        <translation>Es&amp;porta azimut...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)|*.svg|DXF drawing (*.dxf)|*.dxf</source>
        <translation>Disegno SVG (*.svg)|*.svg|Disegno DXF (*.dxf)|*.dxf</translation>
    </message>
    <message>
        <source>Written: </source>
        <translation>Scritto: </translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2.</source>
        <translation>Impossibile scrivere &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>it is the program&apos;s settings store</source>
        <translation>è l’archivio delle impostazioni del programma</translation>
    </message>
    <message>
        <source>it is a settings file saved or restored since the start</source>
        <translation>è un file di impostazioni salvato o caricato dall’avvio</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>S&amp;tile:</translation>
    </message>
    <message>
        <source>Filled outlines (print, raster engraving)</source>
        <translation>Contorni pieni (stampa, incisione raster)</translation>
    </message>
    <message>
        <source>Single strokes (vector engraving, pen plotters)</source>
        <translation>Tratti singoli (incisione vettoriale, plotter a penna)</translation>
    </message>
</context>
<context>
    <name>ExportFileJobHost</name>
    <message>
        <source>standard output can&apos;t be written: %1</source>
        <translation>impossibile scrivere sullo standard output: %1</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font (hershey-fonts/rowmans.jhf), which is not installed; install the package hershey-fonts-data, or export filled outlines</source>
        <translation>i tratti singoli richiedono il font Hershey simplex (hershey-fonts/rowmans.jhf), che non è installato; installare il pacchetto hershey-fonts-data o esportare contorni pieni</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font, and &apos;%1&apos; cannot be read as one; export filled outlines</source>
        <translation>i tratti singoli richiedono il font Hershey simplex, e &apos;%1&apos; non si può leggere come tale; esportare contorni pieni</translation>
    </message>
</context>
<context>
    <name>FileCommand</name>
    <message>
        <source>vennaros: cannot read the settings file &apos;%1&apos;: %2</source>
        <translation>vennaros: impossibile leggere il file di impostazioni &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>è %1</translation>
    </message>
    <message>
        <source>The others keep their defaults.</source>
        <translation>Le altre mantengono i valori predefiniti.</translation>
    </message>
    <message>
        <source>vennaros: cannot write &apos;%1&apos;: %2</source>
        <translation>vennaros: impossibile scrivere &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>it is the settings file</source>
        <translation>è il file di impostazioni</translation>
    </message>
    <message>
        <source>Nothing was printed: the size is empty or no circle set is enabled.</source>
        <translation>Niente è stato stampato: la dimensione è vuota o nessun gruppo di cerchio è attivo.</translation>
    </message>
    <message>
        <source>--half-degree goes with the 1-degree graduation; the settings give marks every 5 degrees.</source>
        <translation>--half-degree va con le tacche di 1°; le impostazioni danno tacche ogni 5 gradi.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees; the settings ask for RA.</source>
        <translation>--decreasing va con il cerchio di azimut in gradi; le impostazioni chiedono AR.</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>no file name</source>
        <translation>nessun nome di file</translation>
    </message>
    <message>
        <source>the file name has characters the file system cannot keep</source>
        <translation>il nome ha caratteri che il file system non può conservare</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>è %1</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>è di sola lettura</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>la sua cartella non esiste</translation>
    </message>
    <message>
        <source>it is a link to nothing</source>
        <translation>è un collegamento a nulla</translation>
    </message>
    <message numerus="yes">
        <source>the file name is %n bytes long; the file system takes at most %1</source>
        <translation>
            <numerusform>il nome è lungo %n byte; il file system ne accetta al massimo %1</numerusform>
            <numerusform>il nome è lungo %n byte; il file system ne accetta al massimo %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileTarget</name>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un file</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una pipe con nome</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>out of reach</source>
        <translation>irraggiungibile</translation>
    </message>
    <message>
        <source>out of reach (%1)</source>
        <translation>irraggiungibile (%1)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>un collegamento a nulla</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>un collegamento a %1</translation>
    </message>
</context>
<context>
    <name>LastExitSettings</name>
    <message>
        <source>Settings reset to last exit values</source>
        <translation>Impostazioni riportate a quelle dell’ultima uscita</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Impostazioni salvate</translation>
    </message>
    <message>
        <source>Settings reset to defaults: </source>
        <translation>Impostazioni riportate ai valori predefiniti: </translation>
    </message>
    <message>
        <source>Settings could not be saved: </source>
        <translation>Impossibile salvare le impostazioni: </translation>
    </message>
    <message>
        <source>Settings reset to what could be read: </source>
        <translation>Impostazioni riportate a ciò che si è potuto leggere: </translation>
    </message>
</context>
<context>
    <name>LoadedPrintSupport</name>
    <message>
        <source>the print module is not installed (looked for %1)</source>
        <translation>il modulo di stampa non è installato (cercato in %1)</translation>
    </message>
    <message>
        <source>the print module %1 could not be loaded: %2</source>
        <translation>impossibile caricare il modulo di stampa %1: %2</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>S&amp;alva impostazioni...</translation>
    </message>
    <message>
        <source>&amp;Restore Settings...</source>
        <translation>&amp;Carica impostazioni...</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <translation>&amp;Ritorna</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>&amp;Imposta pagina...</translation>
    </message>
    <message>
        <source>Export A&amp;ltitude...</source>
        <translation>Esp&amp;orta altezza...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Quit without saving</source>
        <translation>&amp;Scarta e chiudi senza salvare</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>Print &amp;Altitude...</source>
        <translation>S&amp;tampa altezza...</translation>
    </message>
    <message>
        <source>Print A&amp;zimuth/RA...</source>
        <translation>&amp;Stampa azimut/AR...</translation>
    </message>
    <message>
        <source>Pre&amp;view Altitude</source>
        <translation>A&amp;nteprima altezza</translation>
    </message>
    <message>
        <source>Previ&amp;ew Azimuth/RA</source>
        <translation>&amp;Anteprima azimut/AR</translation>
    </message>
    <message>
        <source>Printer &amp;scale...</source>
        <translation>S&amp;cala stampante...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guida utente</translation>
    </message>
    <message>
        <source>&amp;About Vennaros</source>
        <translation>&amp;Informazioni su Vennaros</translation>
    </message>
    <message>
        <source>&amp;Proof sheet...</source>
        <translation>&amp;Foglio di prova...</translation>
    </message>
    <message>
        <source>Preview pr&amp;oof sheet</source>
        <translation>Anteprima foglio di p&amp;rova</translation>
    </message>
    <message>
        <source>&amp;Wrap tape...</source>
        <translation>Nastro da a&amp;vvolgere...</translation>
    </message>
    <message>
        <source>Wrap tape</source>
        <translation>Nastro da avvolgere</translation>
    </message>
    <message>
        <source>Length of the tape, with its unit (1000mm or 40in):</source>
        <translation>Lunghezza del nastro, con la sua unità (1000mm o 40in):</translation>
    </message>
</context>
<context>
    <name>NumberSpacing</name>
    <message>
        <source>Numbers touch: font size %1 or less fits</source>
        <translation>I numeri si toccano: va bene una dimensione del carattere di %1 o meno</translation>
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
        <translation>Una barra di 100 mm e una di 50 mm sotto la didascalia, per misurare la stampa</translation>
    </message>
    <message>
        <source>Split lon&amp;g strips over pages</source>
        <translation>Dividi le strisce lung&amp;he</translation>
    </message>
    <message>
        <source>Print a strip longer than the paper in overlapping segments</source>
        <translation>Stampare una striscia più lunga del foglio in segmenti sovrapposti</translation>
    </message>
    <message>
        <source>Pr&amp;int verniers</source>
        <translation>Stampa n&amp;oni</translation>
    </message>
    <message>
        <source>A vernier below each strip, to read a tenth of its smallest mark</source>
        <translation>Un nonio sotto ogni striscia, per leggere un decimo della tacca minima</translation>
    </message>
    <message>
        <source>A second number row on azimuth and RA strips, counting the other way</source>
        <translation>Una seconda fila di numeri sulle strisce di azimut e AR, contati nel senso opposto</translation>
    </message>
    <message>
        <source>Print rings instead of strips</source>
        <translation>Anelli invece di strisce</translation>
    </message>
    <message>
        <source>Each circle as a flat ring of the size&apos;s outer diameter, for a ground board or a disc</source>
        <translation>Ogni cerchio come anello piatto con la dimensione come diametro esterno, per una base o un disco</translation>
    </message>
    <message>
        <source>Half-&amp;degree marks</source>
        <translation>Tacche ogni 0,&amp;5°</translation>
    </message>
    <message>
        <source>A mark at every half degree (every 5 minutes on RA), with 1° marks only</source>
        <translation>Una tacca a ogni mezzo grado (ogni 5 minuti in AR), solo con tacche di 1°</translation>
    </message>
    <message>
        <source>Signed declination</source>
        <translation>Decl. con segno</translation>
    </message>
    <message>
        <source>Altitude numbers +90 ... 0 ... -90, as a declination circle reads</source>
        <translation>Numeri di altezza +90 ... 0 ... -90, come su un cerchio di declinazione</translation>
    </message>
    <message>
        <source>Zero at, degrees</source>
        <translation>Zero a, gradi</translation>
    </message>
    <message>
        <source>The reading, in degrees, the strips start at (RA: its hours)</source>
        <translation>La lettura, in gradi, da cui iniziano le strisce (AR: le sue ore)</translation>
    </message>
    <message>
        <source>Closing tab</source>
        <translation>Linguetta di chiusura</translation>
    </message>
    <message>
        <source>Printer s&amp;cale...</source>
        <translation>Sca&amp;la...</translation>
    </message>
    <message>
        <source>Measure and correct the current printer&apos;s scale</source>
        <translation>Misurare e correggere la scala della stampante attuale</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Pagina...</translation>
    </message>
    <message>
        <source>Choose the current printer&apos;s paper and orientation, without printing</source>
        <translation>Scegliere carta e orientamento della stampante attuale, senza stampare</translation>
    </message>
    <message>
        <source>Pre&amp;view Alt.</source>
        <translation>Ante&amp;pr. Alt.</translation>
    </message>
    <message>
        <source>Show the sheets Print Alt. would print, without printing</source>
        <translation>Mostrare i fogli che stamperebbe «Stampa Alt.», senza stampare</translation>
    </message>
    <message>
        <source>Show the sheets Print Az. or Print RA would print, without printing</source>
        <translation>Mostrare i fogli che stamperebbe «Stampa Az.» o «Stampa AR», senza stampare</translation>
    </message>
    <message>
        <source>&amp;Zero at</source>
        <translation>&amp;Zero a</translation>
    </message>
    <message>
        <source>Previ&amp;ew RA</source>
        <translation>&amp;Antepr. AR</translation>
    </message>
    <message>
        <source>Previ&amp;ew Az.</source>
        <translation>&amp;Antepr. Az.</translation>
    </message>
    <message>
        <source>Paper: </source>
        <translation>Carta: </translation>
    </message>
    <message>
        <source>Pri&amp;nt scale check</source>
        <translation>Verifica &amp;della scala</translation>
    </message>
    <message>
        <source>Numbers both wa&amp;ys</source>
        <translation>N&amp;umeri nei due sensi</translation>
    </message>
    <message>
        <source>Ring read from its centre</source>
        <translation>Anello letto dal centro</translation>
    </message>
    <message>
        <source>A ring&apos;s numbers upright from its centre, for a disc; otherwise from outside it, as on a ground board</source>
        <translation>I numeri di un anello diritti dal suo centro, per un disco; altrimenti dall’esterno, come su una base</translation>
    </message>
    <message>
        <source>The strip&apos;s first long division again after its end, to join the wrapped strip mark over mark (not with an arc: an arc does not close)</source>
        <translation>La prima divisione lunga della striscia di nuovo dopo la sua fine, per chiudere la striscia avvolta tacca su tacca (non con un arco: un arco non si chiude)</translation>
    </message>
    <message>
        <source>Print only the arc from one mark to another: degrees (RA: hours), both empty for the whole circle; altitude 0 to 90, rising or falling</source>
        <translation>Stampa solo l’arco da una tacca a un’altra: gradi (AR: ore), entrambi vuoti per il cerchio intero; altezza da 0 a 90, crescente o decrescente</translation>
    </message>
    <message>
        <source>Arc from</source>
        <translation>Arco da</translation>
    </message>
    <message>
        <source>Arc to</source>
        <translation>Arco fino a</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>landscape</source>
        <translation>orizzontale</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>verticale</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Fogli</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ri&amp;duci</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 foglio</translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n foglio</numerusform>
            <numerusform>%n fogli</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2 %3, %4 × %5 mm</source>
        <translation>%1 su %2 %3, %4 × %5 mm</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Foglio %1 di %2</translation>
    </message>
    <message>
        <source>Strip length %1 mm (%2 in.), ring diameter %3 mm (%4 in.)</source>
        <translation>Lunghezza della striscia %1 mm (%2 in), diametro dell&apos;anello %3 mm (%4 in)</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Altitude</source>
        <translation>Cerchio di altezza</translation>
    </message>
    <message>
        <source>Printing altitude...</source>
        <translation>Stampa del cerchio di altezza...</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>Cerchio di declinazione</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Cerchio di azimut</translation>
    </message>
    <message>
        <source>Printing azimuth...</source>
        <translation>Stampa del cerchio di azimut...</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>Cerchio di AR</translation>
    </message>
    <message>
        <source>Printing RA</source>
        <translation>Stampa del cerchio di AR</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed</source>
        <translation>La stampante «%1» non è più installata</translation>
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
        <translation>Le tacche di mezzo grado richiedono un diametro di almeno %1 %2.</translation>
    </message>
    <message>
        <source>Half-degree marks need a length of at least %1 %2.</source>
        <translation>Le tacche di mezzo grado richiedono una lunghezza di almeno %1 %2.</translation>
    </message>
    <message>
        <source>Zero at must be 0 to %1 degrees in steps of %2.</source>
        <translation>«Zero a» deve essere da 0 a %1 gradi a passi di %2.</translation>
    </message>
    <message>
        <source>Must be numeric.</source>
        <translation>Deve essere un numero.</translation>
    </message>
    <message>
        <source>Print function error.</source>
        <translation>Errore di stampa.</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Impossibile scegliere una stampante: </translation>
    </message>
    <message>
        <source>%1 size must be at least %2 %3</source>
        <translation>%1: la dimensione deve essere almeno %2 %3</translation>
    </message>
    <message>
        <source>Print function error: %1.</source>
        <translation>Errore di stampa: %1.</translation>
    </message>
    <message>
        <source>%1 %2 %3 dia.</source>
        <translation>%1 %2 %3 diam.</translation>
    </message>
    <message>
        <source>%1 %2 %3 len.</source>
        <translation>%1 %2 %3 lung.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for split strips.</source>
        <translation>%1: lunghezza max. %2 %3 per strisce divise.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for current page width.</source>
        <translation>%1: lunghezza max. %2 %3 per la larghezza di pagina attuale.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for the printable width.</source>
        <translation>%1: lunghezza max. %2 %3 per la larghezza stampabile.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for split rings.</source>
        <translation>%1: diametro max. dell’anello %2 %3 per anelli divisi.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for the printable area.</source>
        <translation>%1: diametro max. dell’anello %2 %3 per l’area stampabile.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Una striscia %1 richiede un diametro di almeno %2 %3: girate il foglio in orizzontale o dividetela.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Una striscia %1 richiede almeno %2 %3: girate il foglio in orizzontale o dividetela.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape.</source>
        <translation>Una striscia %1 richiede un diametro di almeno %2 %3: girate il foglio in orizzontale.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape.</source>
        <translation>Una striscia %1 richiede almeno %2 %3: girate il foglio in orizzontale.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: split it.</source>
        <translation>Una striscia %1 richiede un diametro di almeno %2 %3: dividetela.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: split it.</source>
        <translation>Una striscia %1 richiede almeno %2 %3: dividetela.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: choose a larger paper.</source>
        <translation>Una striscia %1 richiede un diametro di almeno %2 %3: scegliete un foglio più grande.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: choose a larger paper.</source>
        <translation>Una striscia %1 richiede almeno %2 %3: scegliete un foglio più grande.</translation>
    </message>
    <message>
        <source>altitude</source>
        <comment>in: An altitude strip needs...</comment>
        <translation>di altezza</translation>
    </message>
    <message>
        <source>azimuth</source>
        <comment>in: An azimuth strip needs...</comment>
        <translation>di azimut</translation>
    </message>
    <message>
        <source>RA</source>
        <comment>in: An RA strip needs...</comment>
        <translation>di AR</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for a drawing.</source>
        <translation>%1: lunghezza max. %2 %3 per un disegno.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for a drawing.</source>
        <translation>%1: diametro max. dell’anello %2 %3 per un disegno.</translation>
    </message>
    <message>
        <source>Arc from and to must be 0 to 24 hours in steps of 10 minutes.</source>
        <translation>Gli estremi dell’arco devono essere da 0 a 24 ore a passi di 10 minuti.</translation>
    </message>
    <message>
        <source>Arc from and to must be %1 to %2 degrees in steps of %3.</source>
        <translation>Gli estremi dell’arco devono essere da %1 a %2 gradi a passi di %3.</translation>
    </message>
    <message>
        <source>Arc from and to need a value each, or none for the whole circle.</source>
        <translation>Gli estremi dell’arco richiedono un valore ciascuno, o nessuno per il cerchio intero.</translation>
    </message>
    <message>
        <source>Arc from and to must be numeric.</source>
        <translation>Gli estremi dell’arco devono essere numerici.</translation>
    </message>
    <message>
        <source>Arc from and to must be different marks.</source>
        <translation>Gli estremi dell’arco devono essere tacche diverse.</translation>
    </message>
</context>
<context>
    <name>PrinterPapers</name>
    <message>
        <source>%1, landscape</source>
        <translation>%1, orizzontale</translation>
    </message>
    <message>
        <source>%1, portrait</source>
        <translation>%1, verticale</translation>
    </message>
    <message>
        <source>the printer has no name</source>
        <translation>la stampante non ha nome</translation>
    </message>
    <message>
        <source>%1 is larger than a page can be (%2 mm a side)</source>
        <translation>%1 è più grande di quanto possa essere una pagina (%2 mm di lato)</translation>
    </message>
    <message>
        <source>its value cannot be read as a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>il suo valore non si legge come carta e orientamento, come «A4, portrait»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>«%1» non è una carta con il suo orientamento, come «A4, portrait»</translation>
    </message>
</context>
<context>
    <name>PrinterScaleDialog</name>
    <message>
        <source>Bar along the paper&apos;s &amp;width (%1 mm), measured in mm:</source>
        <translation>Barra lungo la &amp;larghezza del foglio (%1 mm), misurata in mm:</translation>
    </message>
    <message>
        <source>Bar along the paper&apos;s &amp;length (%1 mm), measured in mm:</source>
        <translation>Barra lungo la l&amp;unghezza del foglio (%1 mm), misurata in mm:</translation>
    </message>
    <message>
        <source>Factors kept for this printer: %1 along the paper&apos;s width, %2 along its length.</source>
        <translation>Fattori conservati per questa stampante: %1 lungo la larghezza del foglio, %2 lungo la lunghezza.</translation>
    </message>
    <message>
        <source>1. Print the calibration page (with any scaling or &quot;fit to page&quot; option of the printer off).
2. Measure each bar from its first to its last mark.
3. Type the two lengths and press OK: every page on this printer is then corrected.</source>
        <translation>1. Stampate la pagina di calibrazione (con il ridimensionamento e l’opzione «adatta alla pagina» della stampante disattivati).
2. Misurate ogni barra dalla prima all’ultima tacca.
3. Scrivete le due lunghezze e premete OK: da allora ogni pagina su questa stampante viene corretta.</translation>
    </message>
    <message>
        <source>Print calibration page...</source>
        <translation>Stampa pagina di calibrazione...</translation>
    </message>
    <message>
        <source>Back to 1 and 1 for this printer</source>
        <translation>Torna a 1 e 1 per questa stampante</translation>
    </message>
    <message>
        <source>Printer scale - </source>
        <translation>Scala stampante - </translation>
    </message>
    <message>
        <source>Printer: </source>
        <translation>Stampante: </translation>
    </message>
    <message>
        <source>The value kept for this printer is unusable (%1): it prints with 1 along both axes until new lengths are kept.</source>
        <translation>Il valore conservato per questa stampante è inutilizzabile (%1): stampa con 1 su entrambi gli assi finché non si conservano nuove lunghezze.</translation>
    </message>
    <message>
        <source>The printer can&apos;t be read: </source>
        <translation>Impossibile leggere la stampante: </translation>
    </message>
    <message>
        <source>The calibration page was printed: measure its two bars.</source>
        <translation>La pagina di calibrazione è stata stampata: misuratene le due barre.</translation>
    </message>
    <message>
        <source>The calibration page could not be printed: </source>
        <translation>Impossibile stampare la pagina di calibrazione: </translation>
    </message>
    <message>
        <source>Type the lengths of both bars as measured.</source>
        <translation>Scrivete le lunghezze misurate di entrambe le barre.</translation>
    </message>
    <message>
        <source>The factors could not be kept: </source>
        <translation>Impossibile conservare i fattori: </translation>
    </message>
    <message>
        <source>Printer scale of %1: %2</source>
        <translation>Scala della stampante %1: %2</translation>
    </message>
    <message>
        <source>Printer scale of %1: 1 1</source>
        <translation>Scala della stampante %1: 1 1</translation>
    </message>
    <message>
        <source>This printer is back to 1 and 1.</source>
        <translation>Questa stampante è tornata a 1 e 1.</translation>
    </message>
</context>
<context>
    <name>PrinterScales</name>
    <message>
        <source>&quot;%1&quot; is not two factors from 0.9 to 1.1</source>
        <translation>«%1» non sono due fattori da 0.9 a 1.1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length: type the length measured in millimetres.</source>
        <translation>«%1» non è una lunghezza: scrivete la lunghezza misurata in millimetri.</translation>
    </message>
    <message>
        <source>%1 mm for the %2 mm bar gives a factor of %3; only factors from 0.9 to 1.1 can be corrected. Measure the bar again from its first to its last mark.</source>
        <translation>%1 mm per la barra di %2 mm danno un fattore %3; si correggono solo fattori da 0,9 a 1,1. Misurate di nuovo la barra dalla prima all’ultima tacca.</translation>
    </message>
    <message>
        <source>its factors cannot be read; they are kept as two numbers from 0.9 to 1.1 with a decimal point, the width&apos;s first: &quot;1.01 0.99&quot;</source>
        <translation>i suoi fattori non si possono leggere; sono conservati come due numeri da 0.9 a 1.1 con il punto decimale, prima quello della larghezza: «1.01 0.99»</translation>
    </message>
</context>
<context>
    <name>ProofSheet</name>
    <message>
        <source>Widths %1-%2-%3, Height %4, Font %5</source>
        <translation>Larghezze %1-%2-%3, Altezza %4, Carattere %5</translation>
    </message>
    <message>
        <source>Proof sheet: %1 samples of 10 degrees don&apos;t fit this paper.</source>
        <translation>Foglio di prova: i campioni di 10 gradi del cerchio %1 non entrano in questa carta.</translation>
    </message>
    <message>
        <source>Proof sheet: %1, samples of %2°</source>
        <translation>Foglio di prova: %1, campioni di %2°</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>the settings store %1 (%2)</source>
        <comment>%1: what is wrong with it, %2: its path</comment>
        <translation>l’archivio delle impostazioni %1 (%2)</translation>
    </message>
    <message>
        <source>is %1</source>
        <translation>è %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB</source>
        <translation>supera 1 MiB</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>non si può leggere: %1</translation>
    </message>
    <message>
        <source>is read-only</source>
        <translation>è di sola lettura</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <source>the settings store can be read only in part and no copy of it could be made (%1)</source>
        <translation>l’archivio delle impostazioni si può leggere solo in parte e non se ne è potuta fare una copia (%1)</translation>
    </message>
    <message>
        <source>the settings store can be read only in part; the whole file is kept as %1</source>
        <translation>l’archivio delle impostazioni si può leggere solo in parte; l’intero file è conservato come %1</translation>
    </message>
</context>
<context>
    <name>QueueJobFollower</name>
    <message>
        <source>The printer %1 stopped the page%2.</source>
        <translation>La stampante %1 ha fermato la pagina%2.</translation>
    </message>
    <message>
        <source>The printer %1 could not print the page%2.</source>
        <translation>La stampante %1 non ha potuto stampare la pagina%2.</translation>
    </message>
    <message>
        <source>The page was cancelled on the printer %1.</source>
        <translation>La pagina è stata annullata sulla stampante %1.</translation>
    </message>
    <message>
        <source>The printer %1 holds the page%2.</source>
        <translation>La stampante %1 trattiene la pagina%2.</translation>
    </message>
    <message>
        <source>The printer %1 is paused: the page waits in its queue.</source>
        <translation>La stampante %1 è in pausa: la pagina attende nella sua coda.</translation>
    </message>
    <message>
        <source>The printer %1 has stopped: the page waits in its queue.</source>
        <translation>La stampante %1 è ferma: la pagina attende nella sua coda.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has not printed the page yet: %2</source>
        <translation>La stampante «%1» non ha ancora stampato la pagina: %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has printed the page.</source>
        <translation>La stampante «%1» ha stampato la pagina.</translation>
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
        <translation>corda %1 = %2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore di proprietà non valido</translation>
    </message>
</context>
<context>
    <name>SettingsFileCommands</name>
    <message>
        <source>Saved settings files (*.txt)|*.txt</source>
        <translation>File di impostazioni salvati (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Create new or overwrite settings file</source>
        <translation>Crea o sovrascrivi un file di impostazioni</translation>
    </message>
    <message>
        <source>Restore settings files (*.txt)|*.txt</source>
        <translation>File di impostazioni da caricare (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Restore settings from file</source>
        <translation>Carica le impostazioni da un file</translation>
    </message>
    <message>
        <source>Error %1, %2</source>
        <translation>Errore %1, %2</translation>
    </message>
    <message>
        <source>Confirm Overwrite</source>
        <translation>Conferma sovrascrittura</translation>
    </message>
    <message>
        <source>Will be overwritten!</source>
        <translation>Verrà sovrascritto!</translation>
    </message>
    <message>
        <source>Write settings file error</source>
        <translation>Errore di scrittura del file di impostazioni</translation>
    </message>
    <message>
        <source>Error writting to setting file</source>
        <translation>Errore scrivendo nel file di impostazioni</translation>
    </message>
    <message>
        <source>Settings saved to &apos;%1&apos;</source>
        <translation>Impostazioni salvate in &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Read settings file error</source>
        <translation>Errore di lettura del file di impostazioni</translation>
    </message>
    <message>
        <source>Error reading setting file</source>
        <translation>Errore leggendo il file di impostazioni</translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;) could not be applied</source>
        <translation>la riga %1 («%2») non è stata applicata</translation>
    </message>
    <message>
        <source>the file ends after line %1</source>
        <translation>il file finisce dopo la riga %1</translation>
    </message>
    <message>
        <source>1 setting restored from &apos;%1&apos;</source>
        <translation>1 impostazione caricata da &apos;%1&apos;</translation>
    </message>
    <message numerus="yes">
        <source>%n settings restored from &apos;%1&apos;</source>
        <translation>
            <numerusform>%n impostazione caricata da &apos;%1&apos;</numerusform>
            <numerusform>%n impostazioni caricate da &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 settings restored from &apos;%2&apos;: %3.</source>
        <translation>
            <numerusform>%n di %1 impostazioni caricate da &apos;%2&apos;: %3.</numerusform>
            <numerusform>%n di %1 impostazioni caricate da &apos;%2&apos;: %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>Cannot uncheck both circle styles.</source>
        <translation>Non si possono deselezionare entrambi gli stili del cerchio.</translation>
    </message>
</context>
<context>
    <name>SheetAids</name>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Foglio %1 di %2</translation>
    </message>
    <message>
        <source>Cut each piece on its cut line; lay its end over the next piece, A on A, marks on marks</source>
        <translation>Tagliate ogni pezzo sulla sua linea di taglio; posatene l’estremità sul pezzo successivo, A su A, tacche su tacche</translation>
    </message>
    <message>
        <source>Sheet %1</source>
        <translation>Foglio %1</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>Guida utente di %1</translation>
    </message>
    <message>
        <source>The user guide could not be read: %1</source>
        <translation>Impossibile leggere la guida utente: %1</translation>
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
        <translation>%1 = linea di %2</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1 pt = %2 digits</source>
        <translation>%1 pt = cifre di %2</translation>
    </message>
</context>
<context>
    <name>WindowController</name>
    <message>
        <source>Export Altitude</source>
        <translation>Esporta cerchio di altezza</translation>
    </message>
    <message>
        <source>Export Azimuth/RA</source>
        <translation>Esporta cerchio di azimut/AR</translation>
    </message>
    <message>
        <source>The paper could not be kept: </source>
        <translation>Impossibile conservare la carta: </translation>
    </message>
    <message>
        <source>paper unknown</source>
        <translation>carta sconosciuta</translation>
    </message>
    <message>
        <source>no printer</source>
        <translation>nessuna stampante</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Impossibile scegliere una stampante: </translation>
    </message>
    <message>
        <source>Printer scale for &apos;%1&apos; ignored: %2; it prints unscaled.</source>
        <translation>Scala della stampante &apos;%1&apos; ignorata: %2; stampa senza correzione.</translation>
    </message>
    <message>
        <source>The user guide is not installed; &quot;man vennaros&quot; describes the program.</source>
        <translation>La guida utente non è installata; «man vennaros» descrive il programma.</translation>
    </message>
    <message>
        <source>The paper kept for &apos;%1&apos; is not used: %2; it prints on the printer&apos;s own paper.</source>
        <translation>La carta conservata per &apos;%1&apos; non è usata: %2; la stampante stampa sulla sua carta.</translation>
    </message>
    <message>
        <source>%1, turned to fit</source>
        <translation>%1, ruotato per starci</translation>
    </message>
</context>
<context>
    <name>WrapTape</name>
    <message>
        <source>Wrap tape</source>
        <translation>Nastro da avvolgere</translation>
    </message>
    <message>
        <source>Wrap tape: &apos;%1&apos; is not a length; give it with its unit, for example 1000mm or 40in.</source>
        <translation>Nastro da avvolgere: &apos;%1&apos; non è una lunghezza; indicarla con la sua unità, per esempio 1000mm o 40in.</translation>
    </message>
    <message>
        <source>Wrap tape %1</source>
        <translation>Nastro da avvolgere %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Print Vennaros</source>
        <translation>Vennaros – stampa</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Size is diameter</source>
        <translation>La dimensione è il diametro</translation>
    </message>
    <message>
        <source>Size is length</source>
        <translation>La dimensione è la lunghezza</translation>
    </message>
    <message>
        <source>size is mm</source>
        <translation>dimensione in mm</translation>
    </message>
    <message>
        <source>Size in inches</source>
        <translation>Dimensione in pollici</translation>
    </message>
    <message>
        <source>Circle styles</source>
        <translation>Stili del cerchio</translation>
    </message>
    <message>
        <source>&amp;Black on White background</source>
        <translation>&amp;Nero su fondo bianco</translation>
    </message>
    <message>
        <source>&amp;White on Black background</source>
        <translation>&amp;Bianco su fondo nero</translation>
    </message>
    <message>
        <source>Print &amp;Alt.</source>
        <translation>S&amp;tampa Alt.</translation>
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
        <translation>AR</translation>
    </message>
    <message>
        <source>Az</source>
        <translation>Az</translation>
    </message>
    <message>
        <source>Az &amp;L&gt;R +</source>
        <translation>Az s&amp;x&gt;dx +</translation>
    </message>
    <message>
        <source>Az circle left to right numbers increase</source>
        <translation>Cerchio di azimut: numeri crescenti da sinistra a destra</translation>
    </message>
    <message>
        <source>Quit without saving settings</source>
        <translation>Chiudere scartando le modifiche alle impostazioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit and save settings</source>
        <translation>Uscire salvando le impostazioni</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>R&amp;itorna</translation>
    </message>
    <message>
        <source>Reset to last exit settings from registry</source>
        <translation>Ritornare alle impostazioni salvate all’ultima uscita</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Sal&amp;va</translation>
    </message>
    <message>
        <source>Save current settings to file</source>
        <translation>Salvare le impostazioni attuali in un file</translation>
    </message>
    <message>
        <source>Rest&amp;ore</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>Paper and orientation are kept for each printer.</source>
        <translation>Carta e orientamento sono conservati per stampante.</translation>
    </message>
    <message>
        <source>Prin&amp;t RA</source>
        <translation>Sta&amp;mpa AR</translation>
    </message>
    <message>
        <source>Prin&amp;t Az.</source>
        <translation>Sta&amp;mpa Az.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Smallest Mar&amp;k Degree</source>
        <translation>Tacca pi&amp;ù piccola (gradi)</translation>
    </message>
    <message>
        <source>Altit&amp;ude / DECL Circle Size</source>
        <translation>Dimensione cerchio alt. / DEC</translation>
    </message>
    <message>
        <source>Azi&amp;muth / RA Circle Size</source>
        <translation>Dimensione cerchio az. / AR</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sca&amp;rta</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vennaros: %1
Try &apos;vennaros --help&apos;.
</source>
        <translation>vennaros: %1
Provate &apos;vennaros --help&apos;.
</translation>
    </message>
    <message>
        <source>there is no platform plugin &apos;%1&apos;</source>
        <translation>non esiste il plugin di piattaforma &apos;%1&apos;</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY e WAYLAND_DISPLAY non sono impostate</translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be reached</source>
        <translation>&apos;%1&apos; non è raggiungibile</translation>
    </message>
    <message>
        <source>vennaros: cannot open a display: %1; --print-pdf, --svg and --dxf need none.
</source>
        <translation>vennaros: impossibile aprire un display: %1; --print-pdf, --svg e --dxf non ne hanno bisogno.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8; no file is read or written under another name.
</source>
        <translation>vennaros: &apos;%1&apos; non è UTF-8 valido; nessun file è letto o scritto con un altro nome.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8.
</source>
        <translation>vennaros: &apos;%1&apos; non è UTF-8 valido.
</translation>
    </message>
    <message>
        <source>vennaros: the value of --%1 is not valid UTF-8.
</source>
        <translation>vennaros: il valore di --%1 non è UTF-8 valido.
</translation>
    </message>
</context>
<context>
    <name>programinfo</name>
    <message>
        <source>Prints graduated setting circles for telescope mounts at their exact size.</source>
        <translation>Stampa cerchi graduati per montature di telescopi alla loro dimensione esatta.</translation>
    </message>
</context>
</TS>
