<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icono del programa</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Home: </source>
        <translation>Sitio: </translation>
    </message>
    <message>
        <source>Report a fault: </source>
        <translation>Informar de un fallo: </translation>
    </message>
    <message>
        <source>The user guide and the manual page are in English.</source>
        <translation>La guía del usuario y la página de manual están en inglés.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencia</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Along the paper&apos;s length: %1 mm</source>
        <translation>A lo largo del papel: %1 mm</translation>
    </message>
    <message>
        <source>Along the paper&apos;s width: %1 mm</source>
        <translation>A lo ancho del papel: %1 mm</translation>
    </message>
    <message>
        <source>%1 (the bar across the top)</source>
        <translation>%1 (la barra de arriba, de lado a lado)</translation>
    </message>
    <message>
        <source>%1 (the bar down the left side)</source>
        <translation>%1 (la barra del borde izquierdo)</translation>
    </message>
    <message>
        <source>Printer scale calibration for %1</source>
        <translation>Calibración de la escala de la impresora %1</translation>
    </message>
    <message>
        <source>Measure each bar from its first to its last mark, in millimetres, and type</source>
        <translation>Mida cada barra desde su primera hasta su última marca, en milímetros, y escriba</translation>
    </message>
    <message>
        <source>the two lengths into the Printer scale dialog. Print this page with any</source>
        <translation>las dos longitudes en el diálogo Escala de impresora. Imprima esta página con</translation>
    </message>
    <message>
        <source>scaling or &quot;fit to page&quot; option of the printer switched off.</source>
        <translation>el escalado y la opción «ajustar a la página» de la impresora desactivados.</translation>
    </message>
</context>
<context>
    <name>CaptionLine</name>
    <message>
        <source>%1 ring diameter = %2 %3</source>
        <translation>%1, diámetro del anillo = %2 %3</translation>
    </message>
    <message>
        <source>%1 Circle length = %2 %3</source>
        <translation>%1, longitud del círculo = %2 %3</translation>
    </message>
    <message>
        <source>, Smallest mark = %1°, Line (small, 5°, 10°) Widths  = %2</source>
        <translation>, Marca mínima = %1°, Grosor de trazos (pequeño, 5°, 10°) = %2</translation>
    </message>
    <message>
        <source>, Line (10min, 30min, 1hr) Widths  = %1</source>
        <translation>, Grosor de trazos (10 min, 30 min, 1 h) = %1</translation>
    </message>
    <message>
        <source>, Heights = %1, Font size = %2</source>
        <translation>, Alturas = %1, Tamaño de letra = %2</translation>
    </message>
    <message>
        <source>, 5min marks</source>
        <translation>, marcas de 5 min</translation>
    </message>
    <message>
        <source>, half-degree marks</source>
        <translation>, marcas de medio grado</translation>
    </message>
    <message>
        <source>, zero at %1</source>
        <translation>, cero en %1</translation>
    </message>
    <message>
        <source>, vernier %1</source>
        <translation>, nonio %1</translation>
    </message>
    <message>
        <source>, numbers both ways</source>
        <translation>, números en ambos sentidos</translation>
    </message>
    <message>
        <source>, Printer scale = %1</source>
        <translation>, Escala de impresora = %1</translation>
    </message>
    <message>
        <source>ring diameter = %1 %2</source>
        <translation>diámetro del anillo = %1 %2</translation>
    </message>
    <message>
        <source>Circle length = %1 %2 (%3 %2)</source>
        <translation>longitud del círculo = %1 %2 (%3 %2)</translation>
    </message>
    <message>
        <source>%1 arc %2 of %3</source>
        <translation>%1, arco %2 de %3</translation>
    </message>
</context>
<context>
    <name>CircleSetColumn</name>
    <message>
        <source>Smallest Mark Width</source>
        <translation>Grosor marca mínima</translation>
    </message>
    <message>
        <source>5° Mark Width</source>
        <translation>Grosor marca 5°</translation>
    </message>
    <message>
        <source>10° Mark Width</source>
        <translation>Grosor marca 10°</translation>
    </message>
    <message>
        <source>Circle Height</source>
        <translation>Altura del círculo</translation>
    </message>
    <message>
        <source>Text Font Size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>&amp;1st Circle to Print</source>
        <translation>Imprimir círculo &amp;1</translation>
    </message>
    <message>
        <source>&amp;2nd Circle to Print</source>
        <translation>Imprimir círculo &amp;2</translation>
    </message>
    <message>
        <source>&amp;3rd Circle to Print</source>
        <translation>Imprimir círculo &amp;3</translation>
    </message>
    <message>
        <source>Scale on Top</source>
        <translation>Escala arriba</translation>
    </message>
    <message>
        <source>Scale on Top %1</source>
        <translation>Escala arriba %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--size needs a number and its unit, for example 450mm or 3.5in, not &apos;%1&apos;.</source>
        <translation>--size necesita un número y su unidad, por ejemplo 450mm o 3.5in, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--ra and --decreasing go with --azimuth.</source>
        <translation>--ra y --decreasing van con --azimuth.</translation>
    </message>
    <message>
        <source>--signed-dec goes with --altitude.</source>
        <translation>--signed-dec va con --altitude.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--print-pdf, --svg and --dxf: give one of them.</source>
        <translation>--print-pdf, --svg y --dxf: dé solo uno de ellos.</translation>
    </message>
    <message>
        <source>--settings, --paper, --landscape, --altitude, --azimuth and the circle&apos;s options go with --print-pdf FILE, --svg FILE or --dxf FILE.</source>
        <translation>--settings, --paper, --landscape, --altitude, --azimuth y las opciones del círculo van con --print-pdf FILE, --svg FILE o --dxf FILE.</translation>
    </message>
    <message>
        <source>--paper and --landscape go with --print-pdf: a drawing has no paper.</source>
        <translation>--paper y --landscape van con --print-pdf: un dibujo no tiene papel.</translation>
    </message>
    <message>
        <source>--%1 needs one of --altitude and --azimuth.</source>
        <translation>--%1 necesita --altitude o --azimuth.</translation>
    </message>
    <message>
        <source>--print-pdf needs the name of the PDF file to write.</source>
        <translation>--print-pdf necesita el nombre del archivo PDF que escribir.</translation>
    </message>
    <message>
        <source>--%1 needs the name of the drawing file to write.</source>
        <translation>--%1 necesita el nombre del archivo de dibujo que escribir.</translation>
    </message>
    <message>
        <source>--settings needs the name of a settings file.</source>
        <translation>--settings necesita el nombre de un archivo de ajustes.</translation>
    </message>
    <message>
        <source>--paper needs the name of a paper size, for example A4.</source>
        <translation>--paper necesita el nombre de un tamaño de papel, por ejemplo A4.</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos; (A4, Letter, A3, Legal, ...)</source>
        <translation>papel desconocido &apos;%1&apos; (A4, Letter, A3, Legal, ...)</translation>
    </message>
    <message>
        <source>print this text and exit</source>
        <translation>mostrar este texto y salir</translation>
    </message>
    <message>
        <source>print the name and version and exit</source>
        <translation>mostrar el nombre y la versión y salir</translation>
    </message>
    <message>
        <source>print the page a print button would print to the PDF file FILE,
without a window</source>
        <translation>imprimir en el archivo PDF FILE la página que imprimiría un botón
de impresión, sin ventana</translation>
    </message>
    <message>
        <source>the same as a DXF drawing</source>
        <translation>lo mismo como dibujo DXF</translation>
    </message>
    <message>
        <source>a settings file saved with &quot;Save&quot;, restored over the defaults</source>
        <translation>un archivo de ajustes guardado con «Guardar», cargado sobre los
valores predeterminados</translation>
    </message>
    <message>
        <source>the paper, for example A4, Letter, A3 or Legal (default: the
built-in PDF printer&apos;s paper)</source>
        <translation>el papel, por ejemplo A4, Letter, A3 o Legal (predeterminado: el
papel de la impresora PDF integrada)</translation>
    </message>
    <message>
        <source>the paper turned to landscape</source>
        <translation>el papel en horizontal</translation>
    </message>
    <message>
        <source>the altitude circle (&quot;Print Alt.&quot;)</source>
        <translation>el círculo de altura («Impr. Alt.»)</translation>
    </message>
    <message>
        <source>the azimuth or RA circle, as the settings say (&quot;Print Az.&quot; or
&quot;Print RA&quot;)</source>
        <translation>el círculo de acimut o de AR, según los ajustes («Impr. Az.» o
«Impr. AR»)</translation>
    </message>
    <message>
        <source>the circle&apos;s size with its unit: 450mm, 3in, 3.5in or 3,5in; a
diameter (dia.) unless --length</source>
        <translation>el tamaño del círculo con su unidad: 450mm, 3in, 3.5in o 3,5in; un
diámetro (Ø) salvo con --length</translation>
    </message>
    <message>
        <source>the size is the strip&apos;s length (len.)</source>
        <translation>el tamaño es la longitud de la tira (L)</translation>
    </message>
    <message>
        <source>the RA circle instead of the azimuth circle</source>
        <translation>el círculo de AR en vez del círculo de acimut</translation>
    </message>
    <message>
        <source>azimuth numbers decreasing from left to right (&quot;Az L&gt;R +&quot; clear)</source>
        <translation>números de acimut decrecientes de izquierda a derecha («Az I&gt;D +»
desmarcado)</translation>
    </message>
    <message>
        <source>split a strip longer than the paper over pages, a ring larger
than the printable area into sectors</source>
        <translation>dividir en páginas una tira más larga que el papel, y en sectores
un anillo mayor que el área imprimible</translation>
    </message>
    <message>
        <source>print the circle as a flat ring instead of a strip; its size is
the ring&apos;s outer diameter, or with --length its circumference</source>
        <translation>imprimir el círculo como anillo plano en vez de tira; su tamaño es
el diámetro exterior del anillo, o con --length su circunferencia</translation>
    </message>
    <message>
        <source>a vernier below each strip or ring (&quot;Print verniers&quot;)</source>
        <translation>un nonio bajo cada tira o anillo («Imprimir nonios»)</translation>
    </message>
    <message>
        <source>a second number row counting the other way (&quot;Numbers both ways&quot;)</source>
        <translation>una segunda fila de números en sentido contrario («Números en ambos
sentidos»)</translation>
    </message>
    <message>
        <source>the scale check bars below the page (&quot;Print scale check&quot;)</source>
        <translation>las barras de control de escala bajo la página («Control de
escala»)</translation>
    </message>
    <message>
        <source>a mark at every half degree (every 5 minutes on RA)</source>
        <translation>una marca en cada medio grado (cada 5 minutos en AR)</translation>
    </message>
    <message>
        <source>altitude numbers signed as declination: 90 ... 0 ... -90</source>
        <translation>números de altura con signo como una declinación: 90 ... 0 ... -90</translation>
    </message>
    <message>
        <source>the strip starts at the reading N degrees (RA: its hours)</source>
        <translation>la tira empieza en la lectura N grados (AR: sus horas)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Without options it opens its window.</source>
        <translation>Sin opciones abre su ventana.</translation>
    </message>
    <message>
        <source>
Exit status: 0 when the file was written, 1 when the job refused or failed (the reason on
standard error, no file written), 2 for a wrong command line.
See also: man vennaros
</source>
        <translation>
Estado de salida: 0 si se escribió el archivo, 1 si el trabajo se rechazó o falló (el motivo
en la salida de error, ningún archivo escrito), 2 si la línea de órdenes es errónea.
Véase también: man vennaros
</translation>
    </message>
    <message>
        <source>the strip&apos;s first long division again after its end, to close
the wrapped strip mark over mark (&quot;Closing tab&quot;)</source>
        <translation>la primera división larga de la tira otra vez tras su final, para
cerrar la tira enrollada marca sobre marca («Pestaña de cierre»)</translation>
    </message>
    <message numerus="yes">
        <source>--%1 is given %n times; give it once.</source>
        <translation>
            <numerusform>--%1 se da %n vez; dela una sola vez.</numerusform>
            <numerusform>--%1 se da %n veces; dela una sola vez.</numerusform>
        </translation>
    </message>
    <message>
        <source>--size: the number is too large.</source>
        <translation>--size: el número es demasiado grande.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees: RA hours always increase.</source>
        <translation>--decreasing va con el círculo de acimut en grados: las horas de AR siempre crecen.</translation>
    </message>
    <message>
        <source>--print-pdf writes a file, not standard output: name the PDF file to write.</source>
        <translation>--print-pdf escribe un archivo, no la salida estándar: indique el archivo PDF que escribir.</translation>
    </message>
    <message>
        <source>--settings reads a file, not standard input: name the settings file.</source>
        <translation>--settings lee un archivo, no la entrada estándar: indique el archivo de ajustes.</translation>
    </message>
    <message>
        <source>--%1 needs a file name: &apos;%2&apos; starts with &apos;-&apos; as an option does; write such a name as ./%2.</source>
        <translation>--%1 necesita un nombre de archivo: &apos;%2&apos; empieza por &apos;-&apos; como una opción; escriba ese nombre como ./%2.</translation>
    </message>
    <message>
        <source>--split goes with --print-pdf: a drawing is never split.</source>
        <translation>--split va con --print-pdf: un dibujo nunca se divide.</translation>
    </message>
    <message>
        <source>--scale-check goes with --print-pdf: a drawing has no scale check bars.</source>
        <translation>--scale-check va con --print-pdf: un dibujo no tiene barras de control de escala.</translation>
    </message>
    <message>
        <source>--closing-tab goes with --print-pdf: a drawing has no closing tab.</source>
        <translation>--closing-tab va con --print-pdf: un dibujo no tiene pestaña de cierre.</translation>
    </message>
    <message>
        <source>--both-ways goes with --azimuth: the altitude circle reads both ways already.</source>
        <translation>--both-ways va con --azimuth: el círculo de altura ya se lee en ambos sentidos.</translation>
    </message>
    <message>
        <source>the whole strip or ring as an SVG drawing for a laser or vinyl
cutter, at its true size in millimetres, never split;
FILE - writes it to standard output</source>
        <translation>la tira o el anillo entero como dibujo SVG para una cortadora láser
o de vinilo, a su tamaño real en milímetros, nunca dividido;
FILE - lo escribe en la salida estándar</translation>
    </message>
    <message>
        <source>--tape and --proof go with --print-pdf FILE.</source>
        <translation>--tape y --proof van con --print-pdf FILE.</translation>
    </message>
    <message>
        <source>--tape and --proof: give one of them.</source>
        <translation>--tape y --proof: indique solo uno.</translation>
    </message>
    <message>
        <source>--tape goes with --print-pdf, --paper and --landscape alone.</source>
        <translation>--tape va solo con --print-pdf, --paper y --landscape.</translation>
    </message>
    <message>
        <source>a wrap tape of that length (1000mm, 40in) ticked every millimetre
(1/20 in), to measure an axis in the printer&apos;s own millimetres</source>
        <translation>una cinta para enrollar de esa longitud (1000mm, 40in) con una marca
por milímetro (1/20 in), para medir un eje en milímetros de la impresora</translation>
    </message>
    <message>
        <source>a proof sheet: samples of the circle&apos;s graduation in every mark
width, height and font size, to choose a circle set by trying</source>
        <translation>una hoja de prueba: muestras de la graduación del círculo en cada
ancho, altura y tamaño de letra, para elegir un juego probando</translation>
    </message>
    <message>
        <source>--strokes goes with --svg and --dxf: a printed page is inked in full.</source>
        <translation>--strokes va con --svg y --dxf: una página impresa se entinta entera.</translation>
    </message>
    <message>
        <source>with --svg or --dxf: marks as single lines and texts in a
single-stroke font, for vector lasers, pen plotters and drag
knives (default: filled outlines)</source>
        <translation>con --svg o --dxf: las marcas como líneas simples y los textos en
una fuente de trazo único, para láseres vectoriales, plóteres
de plumilla y cuchillas de arrastre (por omisión: contornos rellenos)</translation>
    </message>
    <message>
        <source>a ring&apos;s numbers upright as read from its centre, for a disc, not
from outside it (&quot;Ring read from its centre&quot;)</source>
        <translation>los números de un anillo derechos leídos desde su centro, para un
disco, no desde fuera («Anillo leído desde su centro»)</translation>
    </message>
    <message>
        <source>--arc needs two values, FROM:TO, for example 0:90 or 350:10, not &apos;%1&apos;.</source>
        <translation>--arc necesita dos valores, FROM:TO, por ejemplo 0:90 o 350:10, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>only the arc from the mark FROM to the mark TO, in the circle&apos;s
numbers: --arc 0:90 (altitude), 350:10 (azimuth), 18:6 (RA)</source>
        <translation>solo el arco de la marca FROM a la marca TO, en los números del
círculo: --arc 0:90 (altura), 350:10 (acimut), 18:6 (AR)</translation>
    </message>
    <message>
        <source>These fifteen override the settings file.</source>
        <translation>Estas quince prevalecen sobre el archivo de ajustes.</translation>
    </message>
</context>
<context>
    <name>DrawingExport</name>
    <message>
        <source>Export &amp;RA...</source>
        <translation>Exportar A&amp;R...</translation>
    </message>
    <message>
        <source>Export A&amp;zimuth...</source>
        <translation>&amp;Exportar acimut...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)|*.svg|DXF drawing (*.dxf)|*.dxf</source>
        <translation>Dibujo SVG (*.svg)|*.svg|Dibujo DXF (*.dxf)|*.dxf</translation>
    </message>
    <message>
        <source>Written: </source>
        <translation>Escrito: </translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2.</source>
        <translation>No se puede escribir &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>it is the program&apos;s settings store</source>
        <translation>es el almacén de ajustes del programa</translation>
    </message>
    <message>
        <source>it is a settings file saved or restored since the start</source>
        <translation>es un archivo de ajustes guardado o cargado desde el inicio</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>Es&amp;tilo:</translation>
    </message>
    <message>
        <source>Filled outlines (print, raster engraving)</source>
        <translation>Contornos rellenos (impresión, grabado raster)</translation>
    </message>
    <message>
        <source>Single strokes (vector engraving, pen plotters)</source>
        <translation>Trazos simples (grabado vectorial, plóteres de plumilla)</translation>
    </message>
</context>
<context>
    <name>ExportFileJobHost</name>
    <message>
        <source>standard output can&apos;t be written: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font (hershey-fonts/rowmans.jhf), which is not installed; install the package hershey-fonts-data, or export filled outlines</source>
        <translation>los trazos simples necesitan la fuente Hershey simplex (hershey-fonts/rowmans.jhf), que no está instalada; instale el paquete hershey-fonts-data o exporte contornos rellenos</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font, and &apos;%1&apos; cannot be read as one; export filled outlines</source>
        <translation>los trazos simples necesitan la fuente Hershey simplex, y &apos;%1&apos; no se puede leer como tal; exporte contornos rellenos</translation>
    </message>
</context>
<context>
    <name>FileCommand</name>
    <message>
        <source>vennaros: cannot read the settings file &apos;%1&apos;: %2</source>
        <translation>vennaros: no se puede leer el archivo de ajustes &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>es %1</translation>
    </message>
    <message>
        <source>The others keep their defaults.</source>
        <translation>Los demás conservan sus valores predeterminados.</translation>
    </message>
    <message>
        <source>vennaros: cannot write &apos;%1&apos;: %2</source>
        <translation>vennaros: no se puede escribir &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>it is the settings file</source>
        <translation>es el archivo de ajustes</translation>
    </message>
    <message>
        <source>Nothing was printed: the size is empty or no circle set is enabled.</source>
        <translation>No se imprimió nada: el tamaño está vacío o no hay ningún juego de círculo activado.</translation>
    </message>
    <message>
        <source>--half-degree goes with the 1-degree graduation; the settings give marks every 5 degrees.</source>
        <translation>--half-degree va con las marcas de 1°; los ajustes dan marcas cada 5 grados.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees; the settings ask for RA.</source>
        <translation>--decreasing va con el círculo de acimut en grados; los ajustes piden AR.</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>no file name</source>
        <translation>sin nombre de archivo</translation>
    </message>
    <message>
        <source>the file name has characters the file system cannot keep</source>
        <translation>el nombre tiene caracteres que el sistema de archivos no puede guardar</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>es %1</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>es de solo lectura</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>su carpeta no existe</translation>
    </message>
    <message>
        <source>it is a link to nothing</source>
        <translation>es un enlace a nada</translation>
    </message>
    <message numerus="yes">
        <source>the file name is %n bytes long; the file system takes at most %1</source>
        <translation>
            <numerusform>el nombre tiene %n byte; el sistema de archivos admite como máximo %1</numerusform>
            <numerusform>el nombre tiene %n bytes; el sistema de archivos admite como máximo %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileTarget</name>
    <message>
        <source>missing</source>
        <translation>inexistente</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un archivo</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
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
        <translation>inaccesible</translation>
    </message>
    <message>
        <source>out of reach (%1)</source>
        <translation>inaccesible (%1)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>un enlace a nada</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>un enlace a %1</translation>
    </message>
</context>
<context>
    <name>LastExitSettings</name>
    <message>
        <source>Settings reset to last exit values</source>
        <translation>Se volvió a los ajustes del último cierre</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Ajustes guardados</translation>
    </message>
    <message>
        <source>Settings reset to defaults: </source>
        <translation>Ajustes restablecidos a los predeterminados: </translation>
    </message>
    <message>
        <source>Settings could not be saved: </source>
        <translation>No se pudieron guardar los ajustes: </translation>
    </message>
    <message>
        <source>Settings reset to what could be read: </source>
        <translation>Ajustes restablecidos a lo que se pudo leer: </translation>
    </message>
</context>
<context>
    <name>LoadedPrintSupport</name>
    <message>
        <source>the print module is not installed (looked for %1)</source>
        <translation>el módulo de impresión no está instalado (se buscó en %1)</translation>
    </message>
    <message>
        <source>the print module %1 could not be loaded: %2</source>
        <translation>no se pudo cargar el módulo de impresión %1: %2</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>Arc&amp;hivo</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>&amp;Guardar ajustes...</translation>
    </message>
    <message>
        <source>&amp;Restore Settings...</source>
        <translation>C&amp;argar ajustes...</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Configurar &amp;página...</translation>
    </message>
    <message>
        <source>Export A&amp;ltitude...</source>
        <translation>E&amp;xportar altura...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Quit without saving</source>
        <translation>&amp;Salir sin guardar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Imp&amp;rimir</translation>
    </message>
    <message>
        <source>Print &amp;Altitude...</source>
        <translation>Imprimir &amp;altura...</translation>
    </message>
    <message>
        <source>Print A&amp;zimuth/RA...</source>
        <translation>&amp;Imprimir acimut/AR...</translation>
    </message>
    <message>
        <source>Pre&amp;view Altitude</source>
        <translation>Vista &amp;previa altura</translation>
    </message>
    <message>
        <source>Previ&amp;ew Azimuth/RA</source>
        <translation>&amp;Vista previa acimut/AR</translation>
    </message>
    <message>
        <source>Printer &amp;scale...</source>
        <translation>&amp;Escala de impresora...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>&amp;About Vennaros</source>
        <translation>&amp;Acerca de Vennaros</translation>
    </message>
    <message>
        <source>&amp;Proof sheet...</source>
        <translation>&amp;Hoja de prueba...</translation>
    </message>
    <message>
        <source>Preview pr&amp;oof sheet</source>
        <translation>Vista previa de la hoja de p&amp;rueba</translation>
    </message>
    <message>
        <source>&amp;Wrap tape...</source>
        <translation>&amp;Cinta para enrollar...</translation>
    </message>
    <message>
        <source>Wrap tape</source>
        <translation>Cinta para enrollar</translation>
    </message>
    <message>
        <source>Length of the tape, with its unit (1000mm or 40in):</source>
        <translation>Longitud de la cinta, con su unidad (1000mm o 40in):</translation>
    </message>
</context>
<context>
    <name>NumberSpacing</name>
    <message>
        <source>Numbers touch: font size %1 or less fits</source>
        <translation>Los números se tocan: cabe un tamaño de letra de %1 o menos</translation>
    </message>
</context>
<context>
    <name>PageGroup</name>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>A 100 mm and a 50 mm bar below the caption, to measure the printout with</source>
        <translation>Una barra de 100 mm y otra de 50 mm bajo la leyenda, para medir la impresión</translation>
    </message>
    <message>
        <source>Split lon&amp;g strips over pages</source>
        <translation>Dividir tiras en ho&amp;jas</translation>
    </message>
    <message>
        <source>Print a strip longer than the paper in overlapping segments</source>
        <translation>Imprimir una tira más larga que el papel en segmentos solapados</translation>
    </message>
    <message>
        <source>Pr&amp;int verniers</source>
        <translation>Im&amp;primir nonios</translation>
    </message>
    <message>
        <source>A vernier below each strip, to read a tenth of its smallest mark</source>
        <translation>Un nonio bajo cada tira, para leer una décima de su marca mínima</translation>
    </message>
    <message>
        <source>A second number row on azimuth and RA strips, counting the other way</source>
        <translation>Una segunda fila de números en las tiras de acimut y AR, contando en sentido contrario</translation>
    </message>
    <message>
        <source>Print rings instead of strips</source>
        <translation>Anillos en vez de tiras</translation>
    </message>
    <message>
        <source>Each circle as a flat ring of the size&apos;s outer diameter, for a ground board or a disc</source>
        <translation>Cada círculo como anillo plano cuyo tamaño es el diámetro exterior, para una base o un disco</translation>
    </message>
    <message>
        <source>Half-&amp;degree marks</source>
        <translation>&amp;Marcas de medio grado</translation>
    </message>
    <message>
        <source>A mark at every half degree (every 5 minutes on RA), with 1° marks only</source>
        <translation>Una marca en cada medio grado (cada 5 minutos en AR), solo con marcas de 1°</translation>
    </message>
    <message>
        <source>Signed declination</source>
        <translation>Dec. con signo</translation>
    </message>
    <message>
        <source>Altitude numbers +90 ... 0 ... -90, as a declination circle reads</source>
        <translation>Números de altura +90 ... 0 ... -90, como en un círculo de declinación</translation>
    </message>
    <message>
        <source>Zero at, degrees</source>
        <translation>Cero en, grados</translation>
    </message>
    <message>
        <source>The reading, in degrees, the strips start at (RA: its hours)</source>
        <translation>La lectura, en grados, donde empiezan las tiras (AR: sus horas)</translation>
    </message>
    <message>
        <source>Closing tab</source>
        <translation>Pestaña de cierre</translation>
    </message>
    <message>
        <source>Printer s&amp;cale...</source>
        <translation>&amp;Escala...</translation>
    </message>
    <message>
        <source>Measure and correct the current printer&apos;s scale</source>
        <translation>Medir y corregir la escala de la impresora actual</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Página...</translation>
    </message>
    <message>
        <source>Choose the current printer&apos;s paper and orientation, without printing</source>
        <translation>Elegir el papel y la orientación de la impresora actual, sin imprimir</translation>
    </message>
    <message>
        <source>Pre&amp;view Alt.</source>
        <translation>Vis&amp;ta Alt.</translation>
    </message>
    <message>
        <source>Show the sheets Print Alt. would print, without printing</source>
        <translation>Mostrar las hojas que imprimiría «Impr. Alt.», sin imprimir</translation>
    </message>
    <message>
        <source>Show the sheets Print Az. or Print RA would print, without printing</source>
        <translation>Mostrar las hojas que imprimiría «Impr. Az.» o «Impr. AR», sin imprimir</translation>
    </message>
    <message>
        <source>&amp;Zero at</source>
        <translation>Cer&amp;o en</translation>
    </message>
    <message>
        <source>Previ&amp;ew RA</source>
        <translation>&amp;Vista AR</translation>
    </message>
    <message>
        <source>Previ&amp;ew Az.</source>
        <translation>&amp;Vista Az.</translation>
    </message>
    <message>
        <source>Paper: </source>
        <translation>Papel: </translation>
    </message>
    <message>
        <source>Pri&amp;nt scale check</source>
        <translation>Control &amp;de escala</translation>
    </message>
    <message>
        <source>Numbers both wa&amp;ys</source>
        <translation>&amp;Números en ambos sentidos</translation>
    </message>
    <message>
        <source>Ring read from its centre</source>
        <translation>Anillo leído desde su centro</translation>
    </message>
    <message>
        <source>A ring&apos;s numbers upright from its centre, for a disc; otherwise from outside it, as on a ground board</source>
        <translation>Los números de un anillo derechos desde su centro, para un disco; si no, desde fuera, como en una base</translation>
    </message>
    <message>
        <source>The strip&apos;s first long division again after its end, to join the wrapped strip mark over mark (not with an arc: an arc does not close)</source>
        <translation>La primera división larga de la tira otra vez tras su final, para cerrar la tira enrollada marca sobre marca (no con un arco: un arco no se cierra)</translation>
    </message>
    <message>
        <source>Print only the arc from one mark to another: degrees (RA: hours), both empty for the whole circle; altitude 0 to 90, rising or falling</source>
        <translation>Imprimir solo el arco de una marca a otra: grados (AR: horas), ambos vacíos para el círculo entero; altura de 0 a 90, creciente o decreciente</translation>
    </message>
    <message>
        <source>Arc from</source>
        <translation>Arco de</translation>
    </message>
    <message>
        <source>Arc to</source>
        <translation>Arco hasta</translation>
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
        <translation>horizontal</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Hojas</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Alejar</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ac&amp;ercar</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 hoja</translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n hoja</numerusform>
            <numerusform>%n hojas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2 %3, %4 × %5 mm</source>
        <translation>%1 en %2 %3, %4 × %5 mm</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Hoja %1 de %2</translation>
    </message>
    <message>
        <source>Strip length %1 mm (%2 in.), ring diameter %3 mm (%4 in.)</source>
        <translation>Longitud de la tira %1 mm (%2 in), diámetro del anillo %3 mm (%4 in)</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Altitude</source>
        <translation>Círculo de altura</translation>
    </message>
    <message>
        <source>Printing altitude...</source>
        <translation>Imprimiendo círculo de altura...</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>Círculo de declinación</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Círculo de acimut</translation>
    </message>
    <message>
        <source>Printing azimuth...</source>
        <translation>Imprimiendo círculo de acimut...</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>Círculo de AR</translation>
    </message>
    <message>
        <source>Printing RA</source>
        <translation>Imprimiendo círculo de AR</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed</source>
        <translation>La impresora «%1» ya no está instalada</translation>
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
        <translation>Las marcas de medio grado necesitan un diámetro de al menos %1 %2.</translation>
    </message>
    <message>
        <source>Half-degree marks need a length of at least %1 %2.</source>
        <translation>Las marcas de medio grado necesitan una longitud de al menos %1 %2.</translation>
    </message>
    <message>
        <source>Zero at must be 0 to %1 degrees in steps of %2.</source>
        <translation>«Cero en» debe ir de 0 a %1 grados en pasos de %2.</translation>
    </message>
    <message>
        <source>Must be numeric.</source>
        <translation>Debe ser un número.</translation>
    </message>
    <message>
        <source>Print function error.</source>
        <translation>Error de impresión.</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>No se puede elegir una impresora: </translation>
    </message>
    <message>
        <source>%1 size must be at least %2 %3</source>
        <translation>%1: el tamaño debe ser al menos %2 %3</translation>
    </message>
    <message>
        <source>Print function error: %1.</source>
        <translation>Error de impresión: %1.</translation>
    </message>
    <message>
        <source>%1 %2 %3 dia.</source>
        <translation>%1 %2 %3 diám.</translation>
    </message>
    <message>
        <source>%1 %2 %3 len.</source>
        <translation>%1 %2 %3 long.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for split strips.</source>
        <translation>%1: longitud máx. %2 %3 para tiras divididas.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for current page width.</source>
        <translation>%1: longitud máx. %2 %3 para el ancho de página actual.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for the printable width.</source>
        <translation>%1: longitud máx. %2 %3 para el ancho imprimible.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for split rings.</source>
        <translation>%1: diámetro de anillo máx. %2 %3 para anillos divididos.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for the printable area.</source>
        <translation>%1: diámetro de anillo máx. %2 %3 para el área imprimible.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Una tira %1 necesita un diámetro de al menos %2 %3: ponga el papel en horizontal o divídala.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Una tira %1 necesita al menos %2 %3: ponga el papel en horizontal o divídala.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape.</source>
        <translation>Una tira %1 necesita un diámetro de al menos %2 %3: ponga el papel en horizontal.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape.</source>
        <translation>Una tira %1 necesita al menos %2 %3: ponga el papel en horizontal.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: split it.</source>
        <translation>Una tira %1 necesita un diámetro de al menos %2 %3: divídala.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: split it.</source>
        <translation>Una tira %1 necesita al menos %2 %3: divídala.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: choose a larger paper.</source>
        <translation>Una tira %1 necesita un diámetro de al menos %2 %3: elija un papel más grande.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: choose a larger paper.</source>
        <translation>Una tira %1 necesita al menos %2 %3: elija un papel más grande.</translation>
    </message>
    <message>
        <source>altitude</source>
        <comment>in: An altitude strip needs...</comment>
        <translation>de altura</translation>
    </message>
    <message>
        <source>azimuth</source>
        <comment>in: An azimuth strip needs...</comment>
        <translation>de acimut</translation>
    </message>
    <message>
        <source>RA</source>
        <comment>in: An RA strip needs...</comment>
        <translation>de AR</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for a drawing.</source>
        <translation>%1: longitud máx. %2 %3 para un dibujo.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for a drawing.</source>
        <translation>%1: diámetro de anillo máx. %2 %3 para un dibujo.</translation>
    </message>
    <message>
        <source>Arc from and to must be 0 to 24 hours in steps of 10 minutes.</source>
        <translation>Los extremos del arco deben ser de 0 a 24 horas en pasos de 10 minutos.</translation>
    </message>
    <message>
        <source>Arc from and to must be %1 to %2 degrees in steps of %3.</source>
        <translation>Los extremos del arco deben ser de %1 a %2 grados en pasos de %3.</translation>
    </message>
    <message>
        <source>Arc from and to need a value each, or none for the whole circle.</source>
        <translation>Los extremos del arco necesitan un valor cada uno, o ninguno para el círculo entero.</translation>
    </message>
    <message>
        <source>Arc from and to must be numeric.</source>
        <translation>Los extremos del arco deben ser numéricos.</translation>
    </message>
    <message>
        <source>Arc from and to must be different marks.</source>
        <translation>Los extremos del arco deben ser marcas distintas.</translation>
    </message>
</context>
<context>
    <name>PrinterPapers</name>
    <message>
        <source>%1, landscape</source>
        <translation>%1, horizontal</translation>
    </message>
    <message>
        <source>%1, portrait</source>
        <translation>%1, vertical</translation>
    </message>
    <message>
        <source>the printer has no name</source>
        <translation>la impresora no tiene nombre</translation>
    </message>
    <message>
        <source>%1 is larger than a page can be (%2 mm a side)</source>
        <translation>%1 es mayor de lo que puede ser una página (%2 mm de lado)</translation>
    </message>
    <message>
        <source>its value cannot be read as a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>su valor no se lee como un papel y su orientación, como «A4, portrait»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>«%1» no es un papel y su orientación, como «A4, portrait»</translation>
    </message>
</context>
<context>
    <name>PrinterScaleDialog</name>
    <message>
        <source>Bar along the paper&apos;s &amp;width (%1 mm), measured in mm:</source>
        <translation>Barra a lo &amp;ancho del papel (%1 mm), medida en mm:</translation>
    </message>
    <message>
        <source>Bar along the paper&apos;s &amp;length (%1 mm), measured in mm:</source>
        <translation>Barra a lo &amp;largo del papel (%1 mm), medida en mm:</translation>
    </message>
    <message>
        <source>Factors kept for this printer: %1 along the paper&apos;s width, %2 along its length.</source>
        <translation>Factores guardados para esta impresora: %1 a lo ancho del papel, %2 a lo largo.</translation>
    </message>
    <message>
        <source>1. Print the calibration page (with any scaling or &quot;fit to page&quot; option of the printer off).
2. Measure each bar from its first to its last mark.
3. Type the two lengths and press OK: every page on this printer is then corrected.</source>
        <translation>1. Imprima la página de calibración (con el escalado y la opción «ajustar a la página» de la impresora desactivados).
2. Mida cada barra desde su primera hasta su última marca.
3. Escriba las dos longitudes y pulse Aceptar: desde entonces se corrige cada página de esta impresora.</translation>
    </message>
    <message>
        <source>Print calibration page...</source>
        <translation>Imprimir página de calibración...</translation>
    </message>
    <message>
        <source>Back to 1 and 1 for this printer</source>
        <translation>Volver a 1 y 1 para esta impresora</translation>
    </message>
    <message>
        <source>Printer scale - </source>
        <translation>Escala de impresora - </translation>
    </message>
    <message>
        <source>Printer: </source>
        <translation>Impresora: </translation>
    </message>
    <message>
        <source>The value kept for this printer is unusable (%1): it prints with 1 along both axes until new lengths are kept.</source>
        <translation>El valor guardado para esta impresora no sirve (%1): imprime con 1 en ambos ejes hasta que se guarden nuevas longitudes.</translation>
    </message>
    <message>
        <source>The printer can&apos;t be read: </source>
        <translation>No se puede leer la impresora: </translation>
    </message>
    <message>
        <source>The calibration page was printed: measure its two bars.</source>
        <translation>Se imprimió la página de calibración: mida sus dos barras.</translation>
    </message>
    <message>
        <source>The calibration page could not be printed: </source>
        <translation>No se pudo imprimir la página de calibración: </translation>
    </message>
    <message>
        <source>Type the lengths of both bars as measured.</source>
        <translation>Escriba las longitudes medidas de ambas barras.</translation>
    </message>
    <message>
        <source>The factors could not be kept: </source>
        <translation>No se pudieron guardar los factores: </translation>
    </message>
    <message>
        <source>Printer scale of %1: %2</source>
        <translation>Escala de la impresora %1: %2</translation>
    </message>
    <message>
        <source>Printer scale of %1: 1 1</source>
        <translation>Escala de la impresora %1: 1 1</translation>
    </message>
    <message>
        <source>This printer is back to 1 and 1.</source>
        <translation>Esta impresora ha vuelto a 1 y 1.</translation>
    </message>
</context>
<context>
    <name>PrinterScales</name>
    <message>
        <source>&quot;%1&quot; is not two factors from 0.9 to 1.1</source>
        <translation>«%1» no son dos factores de 0.9 a 1.1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length: type the length measured in millimetres.</source>
        <translation>«%1» no es una longitud: escriba la longitud medida en milímetros.</translation>
    </message>
    <message>
        <source>%1 mm for the %2 mm bar gives a factor of %3; only factors from 0.9 to 1.1 can be corrected. Measure the bar again from its first to its last mark.</source>
        <translation>%1 mm para la barra de %2 mm da un factor de %3; solo se pueden corregir factores de 0,9 a 1,1. Vuelva a medir la barra desde su primera hasta su última marca.</translation>
    </message>
    <message>
        <source>its factors cannot be read; they are kept as two numbers from 0.9 to 1.1 with a decimal point, the width&apos;s first: &quot;1.01 0.99&quot;</source>
        <translation>sus factores no se pueden leer; se guardan como dos números de 0.9 a 1.1 con punto decimal, primero el del ancho: «1.01 0.99»</translation>
    </message>
</context>
<context>
    <name>ProofSheet</name>
    <message>
        <source>Widths %1-%2-%3, Height %4, Font %5</source>
        <translation>Anchos %1-%2-%3, Altura %4, Letra %5</translation>
    </message>
    <message>
        <source>Proof sheet: %1 samples of 10 degrees don&apos;t fit this paper.</source>
        <translation>Hoja de prueba: las muestras de 10 grados del círculo %1 no caben en este papel.</translation>
    </message>
    <message>
        <source>Proof sheet: %1, samples of %2°</source>
        <translation>Hoja de prueba: %1, muestras de %2°</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>the settings store %1 (%2)</source>
        <comment>%1: what is wrong with it, %2: its path</comment>
        <translation>el almacén de ajustes %1 (%2)</translation>
    </message>
    <message>
        <source>is %1</source>
        <translation>es %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB</source>
        <translation>ocupa más de 1 MiB</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>is read-only</source>
        <translation>es de solo lectura</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>the settings store can be read only in part and no copy of it could be made (%1)</source>
        <translation>el almacén de ajustes solo se puede leer en parte y no se pudo hacer ninguna copia de él (%1)</translation>
    </message>
    <message>
        <source>the settings store can be read only in part; the whole file is kept as %1</source>
        <translation>el almacén de ajustes solo se puede leer en parte; el archivo entero se guarda como %1</translation>
    </message>
</context>
<context>
    <name>QueueJobFollower</name>
    <message>
        <source>The printer %1 stopped the page%2.</source>
        <translation>La impresora %1 detuvo la página%2.</translation>
    </message>
    <message>
        <source>The printer %1 could not print the page%2.</source>
        <translation>La impresora %1 no pudo imprimir la página%2.</translation>
    </message>
    <message>
        <source>The page was cancelled on the printer %1.</source>
        <translation>La página se canceló en la impresora %1.</translation>
    </message>
    <message>
        <source>The printer %1 holds the page%2.</source>
        <translation>La impresora %1 retiene la página%2.</translation>
    </message>
    <message>
        <source>The printer %1 is paused: the page waits in its queue.</source>
        <translation>La impresora %1 está en pausa: la página espera en su cola.</translation>
    </message>
    <message>
        <source>The printer %1 has stopped: the page waits in its queue.</source>
        <translation>La impresora %1 está detenida: la página espera en su cola.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has not printed the page yet: %2</source>
        <translation>La impresora «%1» aún no ha impreso la página: %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has printed the page.</source>
        <translation>La impresora «%1» ha impreso la página.</translation>
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
        <translation>cuerda %1 = %2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
</context>
<context>
    <name>SettingsFileCommands</name>
    <message>
        <source>Saved settings files (*.txt)|*.txt</source>
        <translation>Archivos de ajustes guardados (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Create new or overwrite settings file</source>
        <translation>Crear o sobrescribir un archivo de ajustes</translation>
    </message>
    <message>
        <source>Restore settings files (*.txt)|*.txt</source>
        <translation>Archivos de ajustes a cargar (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Restore settings from file</source>
        <translation>Cargar ajustes de un archivo</translation>
    </message>
    <message>
        <source>Error %1, %2</source>
        <translation>Error %1, %2</translation>
    </message>
    <message>
        <source>Confirm Overwrite</source>
        <translation>Confirmar sobrescritura</translation>
    </message>
    <message>
        <source>Will be overwritten!</source>
        <translation>¡Se sobrescribirá!</translation>
    </message>
    <message>
        <source>Write settings file error</source>
        <translation>Error al escribir el archivo de ajustes</translation>
    </message>
    <message>
        <source>Error writting to setting file</source>
        <translation>Error al escribir en el archivo de ajustes</translation>
    </message>
    <message>
        <source>Settings saved to &apos;%1&apos;</source>
        <translation>Ajustes guardados en &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Read settings file error</source>
        <translation>Error al leer el archivo de ajustes</translation>
    </message>
    <message>
        <source>Error reading setting file</source>
        <translation>Error al leer el archivo de ajustes</translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;) could not be applied</source>
        <translation>la línea %1 («%2») no se pudo aplicar</translation>
    </message>
    <message>
        <source>the file ends after line %1</source>
        <translation>el archivo termina tras la línea %1</translation>
    </message>
    <message>
        <source>1 setting restored from &apos;%1&apos;</source>
        <translation>1 ajuste cargado de &apos;%1&apos;</translation>
    </message>
    <message numerus="yes">
        <source>%n settings restored from &apos;%1&apos;</source>
        <translation>
            <numerusform>%n ajuste cargado de &apos;%1&apos;</numerusform>
            <numerusform>%n ajustes cargados de &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 settings restored from &apos;%2&apos;: %3.</source>
        <translation>
            <numerusform>%n de %1 ajustes cargados de &apos;%2&apos;: %3.</numerusform>
            <numerusform>%n de %1 ajustes cargados de &apos;%2&apos;: %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>Cannot uncheck both circle styles.</source>
        <translation>No se pueden desmarcar los dos estilos de círculo.</translation>
    </message>
</context>
<context>
    <name>SheetAids</name>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Hoja %1 de %2</translation>
    </message>
    <message>
        <source>Cut each piece on its cut line; lay its end over the next piece, A on A, marks on marks</source>
        <translation>Corte cada pieza por su línea de corte; ponga su extremo sobre la pieza siguiente, A sobre A, marcas sobre marcas</translation>
    </message>
    <message>
        <source>Sheet %1</source>
        <translation>Hoja %1</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>Guía del usuario de %1</translation>
    </message>
    <message>
        <source>The user guide could not be read: %1</source>
        <translation>No se pudo leer la guía del usuario: %1</translation>
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
        <translation>%1 = línea de %2</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1 pt = %2 digits</source>
        <translation>%1 pt = cifras de %2</translation>
    </message>
</context>
<context>
    <name>WindowController</name>
    <message>
        <source>Export Altitude</source>
        <translation>Exportar círculo de altura</translation>
    </message>
    <message>
        <source>Export Azimuth/RA</source>
        <translation>Exportar círculo de acimut/AR</translation>
    </message>
    <message>
        <source>The paper could not be kept: </source>
        <translation>No se pudo guardar el papel: </translation>
    </message>
    <message>
        <source>paper unknown</source>
        <translation>papel desconocido</translation>
    </message>
    <message>
        <source>no printer</source>
        <translation>sin impresora</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>No se puede elegir una impresora: </translation>
    </message>
    <message>
        <source>Printer scale for &apos;%1&apos; ignored: %2; it prints unscaled.</source>
        <translation>Escala de la impresora &apos;%1&apos; ignorada: %2; imprime sin corrección.</translation>
    </message>
    <message>
        <source>The user guide is not installed; &quot;man vennaros&quot; describes the program.</source>
        <translation>La guía del usuario no está instalada; «man vennaros» describe el programa.</translation>
    </message>
    <message>
        <source>The paper kept for &apos;%1&apos; is not used: %2; it prints on the printer&apos;s own paper.</source>
        <translation>El papel guardado para &apos;%1&apos; no se usa: %2; la impresora imprime en su propio papel.</translation>
    </message>
    <message>
        <source>%1, turned to fit</source>
        <translation>%1, girado para que quepa</translation>
    </message>
</context>
<context>
    <name>WrapTape</name>
    <message>
        <source>Wrap tape</source>
        <translation>Cinta para enrollar</translation>
    </message>
    <message>
        <source>Wrap tape: &apos;%1&apos; is not a length; give it with its unit, for example 1000mm or 40in.</source>
        <translation>Cinta para enrollar: &apos;%1&apos; no es una longitud; indíquela con su unidad, por ejemplo 1000mm o 40in.</translation>
    </message>
    <message>
        <source>Wrap tape %1</source>
        <translation>Cinta para enrollar %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Print Vennaros</source>
        <translation>Vennaros – imprimir</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Size is diameter</source>
        <translation>El tamaño es el diámetro</translation>
    </message>
    <message>
        <source>Size is length</source>
        <translation>El tamaño es la longitud</translation>
    </message>
    <message>
        <source>size is mm</source>
        <translation>tamaño en mm</translation>
    </message>
    <message>
        <source>Size in inches</source>
        <translation>Tamaño en pulgadas</translation>
    </message>
    <message>
        <source>Circle styles</source>
        <translation>Estilos de círculo</translation>
    </message>
    <message>
        <source>&amp;Black on White background</source>
        <translation>Negro sobre &amp;fondo blanco</translation>
    </message>
    <message>
        <source>&amp;White on Black background</source>
        <translation>&amp;Blanco sobre fondo negro</translation>
    </message>
    <message>
        <source>Print &amp;Alt.</source>
        <translation>Impr. &amp;Alt.</translation>
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
        <translation>A&amp;z I&gt;D +</translation>
    </message>
    <message>
        <source>Az circle left to right numbers increase</source>
        <translation>Círculo de acimut: números crecientes de izquierda a derecha</translation>
    </message>
    <message>
        <source>Quit without saving settings</source>
        <translation>Salir sin guardar los ajustes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Exit and save settings</source>
        <translation>Cerrar y guardar los ajustes</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Vo&amp;lver</translation>
    </message>
    <message>
        <source>Reset to last exit settings from registry</source>
        <translation>Volver a los ajustes guardados al cerrar la última vez</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>G&amp;uardar</translation>
    </message>
    <message>
        <source>Save current settings to file</source>
        <translation>Guardar los ajustes actuales en un archivo</translation>
    </message>
    <message>
        <source>Rest&amp;ore</source>
        <translation>Car&amp;gar</translation>
    </message>
    <message>
        <source>Paper and orientation are kept for each printer.</source>
        <translation>Papel y orientación se guardan por impresora.</translation>
    </message>
    <message>
        <source>Prin&amp;t RA</source>
        <translation>&amp;Impr. AR</translation>
    </message>
    <message>
        <source>Prin&amp;t Az.</source>
        <translation>&amp;Impr. Az.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Smallest Mar&amp;k Degree</source>
        <translation>Marca más pe&amp;queña (grados)</translation>
    </message>
    <message>
        <source>Altit&amp;ude / DECL Circle Size</source>
        <translation>Tamaño c&amp;írculo altura / DEC</translation>
    </message>
    <message>
        <source>Azi&amp;muth / RA Circle Size</source>
        <translation>Tama&amp;ño círculo acimut / AR</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vennaros: %1
Try &apos;vennaros --help&apos;.
</source>
        <translation>vennaros: %1
Pruebe &apos;vennaros --help&apos;.
</translation>
    </message>
    <message>
        <source>there is no platform plugin &apos;%1&apos;</source>
        <translation>no hay ningún plugin de plataforma &apos;%1&apos;</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY y WAYLAND_DISPLAY no están definidas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be reached</source>
        <translation>no se puede acceder a &apos;%1&apos;</translation>
    </message>
    <message>
        <source>vennaros: cannot open a display: %1; --print-pdf, --svg and --dxf need none.
</source>
        <translation>vennaros: no se puede abrir una pantalla: %1; --print-pdf, --svg y --dxf no la necesitan.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8; no file is read or written under another name.
</source>
        <translation>vennaros: &apos;%1&apos; no es UTF-8 válido; no se lee ni se escribe ningún archivo con otro nombre.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8.
</source>
        <translation>vennaros: &apos;%1&apos; no es UTF-8 válido.
</translation>
    </message>
    <message>
        <source>vennaros: the value of --%1 is not valid UTF-8.
</source>
        <translation>vennaros: el valor de --%1 no es UTF-8 válido.
</translation>
    </message>
</context>
<context>
    <name>programinfo</name>
    <message>
        <source>Prints graduated setting circles for telescope mounts at their exact size.</source>
        <translation>Imprime círculos graduados para monturas de telescopio a su tamaño exacto.</translation>
    </message>
</context>
</TS>
