<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Значок программы</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Home: </source>
        <translation>Сайт: </translation>
    </message>
    <message>
        <source>Report a fault: </source>
        <translation>Сообщить об ошибке: </translation>
    </message>
    <message>
        <source>The user guide and the manual page are in English.</source>
        <translation>Руководство пользователя и страница man — на английском языке.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Лицензия</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Along the paper&apos;s length: %1 mm</source>
        <translation>Вдоль длины листа: %1 мм</translation>
    </message>
    <message>
        <source>Along the paper&apos;s width: %1 mm</source>
        <translation>Вдоль ширины листа: %1 мм</translation>
    </message>
    <message>
        <source>%1 (the bar across the top)</source>
        <translation>%1 (полоса поперёк верха)</translation>
    </message>
    <message>
        <source>%1 (the bar down the left side)</source>
        <translation>%1 (полоса вдоль левого края)</translation>
    </message>
    <message>
        <source>Printer scale calibration for %1</source>
        <translation>Калибровка масштаба принтера %1</translation>
    </message>
    <message>
        <source>Measure each bar from its first to its last mark, in millimetres, and type</source>
        <translation>Измерьте каждую полосу от первого до последнего штриха в миллиметрах и введите</translation>
    </message>
    <message>
        <source>the two lengths into the Printer scale dialog. Print this page with any</source>
        <translation>обе длины в окне «Масштаб принтера». Печатайте эту страницу с выключенным</translation>
    </message>
    <message>
        <source>scaling or &quot;fit to page&quot; option of the printer switched off.</source>
        <translation>масштабированием и выключенной опцией «по размеру страницы» принтера.</translation>
    </message>
</context>
<context>
    <name>CaptionLine</name>
    <message>
        <source>%1 Circle length = %2 %3</source>
        <translation>%1, длина круга = %2 %3</translation>
    </message>
    <message>
        <source>%1 ring diameter = %2 %3</source>
        <translation>%1, диаметр кольца = %2 %3</translation>
    </message>
    <message>
        <source>, Smallest mark = %1°, Line (small, 5°, 10°) Widths  = %2</source>
        <translation>, Цена деления = %1°, Толщина штрихов (мелкие, 5°, 10°) = %2</translation>
    </message>
    <message>
        <source>, Line (10min, 30min, 1hr) Widths  = %1</source>
        <translation>, Толщина штрихов (10 мин, 30 мин, 1 ч) = %1</translation>
    </message>
    <message>
        <source>, Heights = %1, Font size = %2</source>
        <translation>, Высоты = %1, Размер шрифта = %2</translation>
    </message>
    <message>
        <source>, 5min marks</source>
        <translation>, штрихи через 5 мин</translation>
    </message>
    <message>
        <source>, half-degree marks</source>
        <translation>, штрихи через полградуса</translation>
    </message>
    <message>
        <source>, zero at %1</source>
        <translation>, ноль на %1</translation>
    </message>
    <message>
        <source>, vernier %1</source>
        <translation>, нониус %1</translation>
    </message>
    <message>
        <source>, numbers both ways</source>
        <translation>, числа в обе стороны</translation>
    </message>
    <message>
        <source>, Printer scale = %1</source>
        <translation>, Масштаб принтера = %1</translation>
    </message>
    <message>
        <source>ring diameter = %1 %2</source>
        <translation>диаметр кольца = %1 %2</translation>
    </message>
    <message>
        <source>Circle length = %1 %2 (%3 %2)</source>
        <translation>длина круга = %1 %2 (%3 %2)</translation>
    </message>
    <message>
        <source>%1 arc %2 of %3</source>
        <translation>%1, дуга %2 из %3</translation>
    </message>
</context>
<context>
    <name>CircleSetColumn</name>
    <message>
        <source>Smallest Mark Width</source>
        <translation>Толщ. мелк. штриха</translation>
    </message>
    <message>
        <source>5° Mark Width</source>
        <translation>Толщина штриха 5°</translation>
    </message>
    <message>
        <source>10° Mark Width</source>
        <translation>Толщина штриха 10°</translation>
    </message>
    <message>
        <source>Circle Height</source>
        <translation>Высота круга</translation>
    </message>
    <message>
        <source>Text Font Size</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>&amp;1st Circle to Print</source>
        <translation>Печать круга &amp;1</translation>
    </message>
    <message>
        <source>&amp;2nd Circle to Print</source>
        <translation>Печать круга &amp;2</translation>
    </message>
    <message>
        <source>&amp;3rd Circle to Print</source>
        <translation>Печать круга &amp;3</translation>
    </message>
    <message>
        <source>Scale on Top</source>
        <translation>Шкала сверху</translation>
    </message>
    <message>
        <source>Scale on Top %1</source>
        <translation>Шкала сверху %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--size needs a number and its unit, for example 450mm or 3.5in, not &apos;%1&apos;.</source>
        <translation>--size требует число с единицей, например 450mm или 3.5in, а не &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--ra and --decreasing go with --azimuth.</source>
        <translation>--ra и --decreasing используются с --azimuth.</translation>
    </message>
    <message>
        <source>--signed-dec goes with --altitude.</source>
        <translation>--signed-dec используется с --altitude.</translation>
    </message>
    <message numerus="yes">
        <source>--%1 is given %n times; give it once.</source>
        <translation>
            <numerusform>--%1 указан %n раз; укажите его один раз.</numerusform>
            <numerusform>--%1 указан %n раза; укажите его один раз.</numerusform>
            <numerusform>--%1 указан %n раз; укажите его один раз.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--print-pdf, --svg and --dxf: give one of them.</source>
        <translation>--print-pdf, --svg и --dxf: укажите только один из них.</translation>
    </message>
    <message>
        <source>--settings, --paper, --landscape, --altitude, --azimuth and the circle&apos;s options go with --print-pdf FILE, --svg FILE or --dxf FILE.</source>
        <translation>--settings, --paper, --landscape, --altitude, --azimuth и параметры круга используются с --print-pdf FILE, --svg FILE или --dxf FILE.</translation>
    </message>
    <message>
        <source>--paper and --landscape go with --print-pdf: a drawing has no paper.</source>
        <translation>--paper и --landscape используются с --print-pdf: у чертежа нет бумаги.</translation>
    </message>
    <message>
        <source>--%1 needs one of --altitude and --azimuth.</source>
        <translation>--%1 требует --altitude или --azimuth.</translation>
    </message>
    <message>
        <source>--print-pdf needs the name of the PDF file to write.</source>
        <translation>--print-pdf требует имя PDF-файла для записи.</translation>
    </message>
    <message>
        <source>--%1 needs the name of the drawing file to write.</source>
        <translation>--%1 требует имя файла чертежа для записи.</translation>
    </message>
    <message>
        <source>--settings needs the name of a settings file.</source>
        <translation>--settings требует имя файла настроек.</translation>
    </message>
    <message>
        <source>--paper needs the name of a paper size, for example A4.</source>
        <translation>--paper требует название формата бумаги, например A4.</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos; (A4, Letter, A3, Legal, ...)</source>
        <translation>неизвестная бумага &apos;%1&apos; (A4, Letter, A3, Legal, ...)</translation>
    </message>
    <message>
        <source>print this text and exit</source>
        <translation>вывести этот текст и выйти</translation>
    </message>
    <message>
        <source>print the name and version and exit</source>
        <translation>вывести название и версию и выйти</translation>
    </message>
    <message>
        <source>print the page a print button would print to the PDF file FILE,
without a window</source>
        <translation>напечатать в PDF-файл FILE страницу, которую напечатала бы кнопка
печати, без окна</translation>
    </message>
    <message>
        <source>the same as a DXF drawing</source>
        <translation>то же как DXF-чертёж</translation>
    </message>
    <message>
        <source>a settings file saved with &quot;Save&quot;, restored over the defaults</source>
        <translation>файл настроек, записанный кнопкой «Запись», загружается поверх
значений по умолчанию</translation>
    </message>
    <message>
        <source>the paper, for example A4, Letter, A3 or Legal (default: the
built-in PDF printer&apos;s paper)</source>
        <translation>бумага, например A4, Letter, A3 или Legal (по умолчанию: бумага
встроенного PDF-принтера)</translation>
    </message>
    <message>
        <source>the paper turned to landscape</source>
        <translation>бумага в альбомной ориентации</translation>
    </message>
    <message>
        <source>the altitude circle (&quot;Print Alt.&quot;)</source>
        <translation>круг высоты («Печ. выс.»)</translation>
    </message>
    <message>
        <source>the azimuth or RA circle, as the settings say (&quot;Print Az.&quot; or
&quot;Print RA&quot;)</source>
        <translation>круг азимута или RA, как указано в настройках («Печ. аз.» или
«Печ. RA»)</translation>
    </message>
    <message>
        <source>the circle&apos;s size with its unit: 450mm, 3in, 3.5in or 3,5in; a
diameter (dia.) unless --length</source>
        <translation>размер круга с единицей: 450mm, 3in, 3.5in или 3,5in; диаметр (Ø),
если не указан --length</translation>
    </message>
    <message>
        <source>the size is the strip&apos;s length (len.)</source>
        <translation>размер — длина ленты (дл.)</translation>
    </message>
    <message>
        <source>the RA circle instead of the azimuth circle</source>
        <translation>круг RA вместо круга азимута</translation>
    </message>
    <message>
        <source>azimuth numbers decreasing from left to right (&quot;Az L&gt;R +&quot; clear)</source>
        <translation>числа азимута убывают слева направо (флажок «Аз Л&gt;П +» снят)</translation>
    </message>
    <message>
        <source>split a strip longer than the paper over pages, a ring larger
than the printable area into sectors</source>
        <translation>делить ленту длиннее листа на страницы, а кольцо больше
области печати — на секторы</translation>
    </message>
    <message>
        <source>print the circle as a flat ring instead of a strip; its size is
the ring&apos;s outer diameter, or with --length its circumference</source>
        <translation>печатать круг плоским кольцом вместо ленты; размер — наружный
диаметр кольца, а с --length — длина окружности</translation>
    </message>
    <message>
        <source>a vernier below each strip or ring (&quot;Print verniers&quot;)</source>
        <translation>нониус под каждой лентой или кольцом («Нониусы»)</translation>
    </message>
    <message>
        <source>a second number row counting the other way (&quot;Numbers both ways&quot;)</source>
        <translation>второй ряд чисел со счётом в обратную сторону («Числа в обе стороны»)</translation>
    </message>
    <message>
        <source>the scale check bars below the page (&quot;Print scale check&quot;)</source>
        <translation>контрольные полосы масштаба под страницей («Контроль масштаба»)</translation>
    </message>
    <message>
        <source>a mark at every half degree (every 5 minutes on RA)</source>
        <translation>штрих через каждые полградуса (для RA через 5 минут)</translation>
    </message>
    <message>
        <source>altitude numbers signed as declination: 90 ... 0 ... -90</source>
        <translation>числа высоты со знаком, как склонение: 90 ... 0 ... -90</translation>
    </message>
    <message>
        <source>the strip starts at the reading N degrees (RA: its hours)</source>
        <translation>лента начинается с отсчёта N градусов (RA: в часах)</translation>
    </message>
    <message>
        <source>the strip&apos;s first long division again after its end, to close
the wrapped strip mark over mark (&quot;Closing tab&quot;)</source>
        <translation>первое длинное деление ленты ещё раз после её конца, чтобы
сомкнуть свёрнутую ленту штрих в штрих («Клапан склейки»)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Использование:</translation>
    </message>
    <message>
        <source>Without options it opens its window.</source>
        <translation>Без параметров открывает своё окно.</translation>
    </message>
    <message>
        <source>
Exit status: 0 when the file was written, 1 when the job refused or failed (the reason on
standard error, no file written), 2 for a wrong command line.
See also: man vennaros
</source>
        <translation>
Код выхода: 0, если файл записан, 1, если задание отклонено или не удалось (причина в
стандартном потоке ошибок, файл не записан), 2 при ошибке в командной строке.
См. также: man vennaros
</translation>
    </message>
    <message>
        <source>--size: the number is too large.</source>
        <translation>--size: число слишком велико.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees: RA hours always increase.</source>
        <translation>--decreasing используется с кругом азимута в градусах: часы RA всегда возрастают.</translation>
    </message>
    <message>
        <source>--print-pdf writes a file, not standard output: name the PDF file to write.</source>
        <translation>--print-pdf записывает файл, а не стандартный вывод: укажите имя PDF-файла для записи.</translation>
    </message>
    <message>
        <source>--settings reads a file, not standard input: name the settings file.</source>
        <translation>--settings читает файл, а не стандартный ввод: укажите имя файла настроек.</translation>
    </message>
    <message>
        <source>--%1 needs a file name: &apos;%2&apos; starts with &apos;-&apos; as an option does; write such a name as ./%2.</source>
        <translation>--%1 требует имя файла: &apos;%2&apos; начинается с &apos;-&apos;, как параметр; запишите такое имя как ./%2.</translation>
    </message>
    <message>
        <source>--split goes with --print-pdf: a drawing is never split.</source>
        <translation>--split используется с --print-pdf: чертёж никогда не делится.</translation>
    </message>
    <message>
        <source>--scale-check goes with --print-pdf: a drawing has no scale check bars.</source>
        <translation>--scale-check используется с --print-pdf: у чертежа нет контрольных полос масштаба.</translation>
    </message>
    <message>
        <source>--closing-tab goes with --print-pdf: a drawing has no closing tab.</source>
        <translation>--closing-tab используется с --print-pdf: у чертежа нет клапана склейки.</translation>
    </message>
    <message>
        <source>--both-ways goes with --azimuth: the altitude circle reads both ways already.</source>
        <translation>--both-ways используется с --azimuth: круг высоты и так читается в обе стороны.</translation>
    </message>
    <message>
        <source>the whole strip or ring as an SVG drawing for a laser or vinyl
cutter, at its true size in millimetres, never split;
FILE - writes it to standard output</source>
        <translation>всю ленту или кольцо как SVG-чертёж для лазерного или плоттерного
раскроя, в натуральную величину в миллиметрах, без деления;
FILE - записывает его в стандартный вывод</translation>
    </message>
    <message>
        <source>--tape and --proof go with --print-pdf FILE.</source>
        <translation>--tape и --proof используются с --print-pdf FILE.</translation>
    </message>
    <message>
        <source>--tape and --proof: give one of them.</source>
        <translation>--tape и --proof: укажите только одно.</translation>
    </message>
    <message>
        <source>--tape goes with --print-pdf, --paper and --landscape alone.</source>
        <translation>--tape используется только с --print-pdf, --paper и --landscape.</translation>
    </message>
    <message>
        <source>a wrap tape of that length (1000mm, 40in) ticked every millimetre
(1/20 in), to measure an axis in the printer&apos;s own millimetres</source>
        <translation>обмоточная лента этой длины (1000mm, 40in) с делением через
миллиметр (1/20 in), чтобы измерить ось в миллиметрах принтера</translation>
    </message>
    <message>
        <source>a proof sheet: samples of the circle&apos;s graduation in every mark
width, height and font size, to choose a circle set by trying</source>
        <translation>пробный лист: образцы шкалы круга с разной толщиной штрихов,
высотой и размером шрифта, чтобы выбрать набор на пробу</translation>
    </message>
    <message>
        <source>--strokes goes with --svg and --dxf: a printed page is inked in full.</source>
        <translation>--strokes используется с --svg и --dxf: печатная страница закрашивается целиком.</translation>
    </message>
    <message>
        <source>with --svg or --dxf: marks as single lines and texts in a
single-stroke font, for vector lasers, pen plotters and drag
knives (default: filled outlines)</source>
        <translation>с --svg или --dxf: штрихи одиночными линиями, тексты
однолинейным шрифтом, для векторных лазеров, перьевых
плоттеров и режущих ножей (по умолчанию: залитые контуры)</translation>
    </message>
    <message>
        <source>a ring&apos;s numbers upright as read from its centre, for a disc, not
from outside it (&quot;Ring read from its centre&quot;)</source>
        <translation>числа кольца прямо при чтении из его центра, для диска, а не
снаружи («Кольцо читается из центра»)</translation>
    </message>
    <message>
        <source>--arc needs two values, FROM:TO, for example 0:90 or 350:10, not &apos;%1&apos;.</source>
        <translation>--arc требует двух значений, FROM:TO, например 0:90 или 350:10, а не &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>only the arc from the mark FROM to the mark TO, in the circle&apos;s
numbers: --arc 0:90 (altitude), 350:10 (azimuth), 18:6 (RA)</source>
        <translation>только дуга от штриха FROM до штриха TO, в числах круга:
--arc 0:90 (высота), 350:10 (азимут), 18:6 (RA)</translation>
    </message>
    <message>
        <source>These fifteen override the settings file.</source>
        <translation>Эти пятнадцать важнее файла настроек.</translation>
    </message>
</context>
<context>
    <name>DrawingExport</name>
    <message>
        <source>Export &amp;RA...</source>
        <translation>Экспорт RA...</translation>
    </message>
    <message>
        <source>Export A&amp;zimuth...</source>
        <translation>Экспорт &amp;азимута...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)|*.svg|DXF drawing (*.dxf)|*.dxf</source>
        <translation>Чертёж SVG (*.svg)|*.svg|Чертёж DXF (*.dxf)|*.dxf</translation>
    </message>
    <message>
        <source>Written: </source>
        <translation>Записано: </translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2.</source>
        <translation>Не удалось записать &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>it is the program&apos;s settings store</source>
        <translation>это хранилище настроек программы</translation>
    </message>
    <message>
        <source>it is a settings file saved or restored since the start</source>
        <translation>это файл настроек, записанный или открытый после запуска программы</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>С&amp;тиль:</translation>
    </message>
    <message>
        <source>Filled outlines (print, raster engraving)</source>
        <translation>Залитые контуры (печать, растровая гравировка)</translation>
    </message>
    <message>
        <source>Single strokes (vector engraving, pen plotters)</source>
        <translation>Одиночные линии (векторная гравировка, перьевые плоттеры)</translation>
    </message>
</context>
<context>
    <name>ExportFileJobHost</name>
    <message>
        <source>standard output can&apos;t be written: %1</source>
        <translation>не удаётся записать в стандартный вывод: %1</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font (hershey-fonts/rowmans.jhf), which is not installed; install the package hershey-fonts-data, or export filled outlines</source>
        <translation>для одиночных линий нужен шрифт Hershey simplex (hershey-fonts/rowmans.jhf), но он не установлен; установите пакет hershey-fonts-data или экспортируйте залитые контуры</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font, and &apos;%1&apos; cannot be read as one; export filled outlines</source>
        <translation>для одиночных линий нужен шрифт Hershey simplex, а «%1» нельзя прочитать как такой шрифт; экспортируйте залитые контуры</translation>
    </message>
</context>
<context>
    <name>FileCommand</name>
    <message>
        <source>vennaros: cannot read the settings file &apos;%1&apos;: %2</source>
        <translation>vennaros: не удалось прочитать файл настроек &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>это %1</translation>
    </message>
    <message>
        <source>The others keep their defaults.</source>
        <translation>Остальные сохраняют значения по умолчанию.</translation>
    </message>
    <message>
        <source>vennaros: cannot write &apos;%1&apos;: %2</source>
        <translation>vennaros: не удалось записать &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>it is the settings file</source>
        <translation>это файл настроек</translation>
    </message>
    <message>
        <source>Nothing was printed: the size is empty or no circle set is enabled.</source>
        <translation>Ничего не напечатано: размер пуст или ни один набор кругов не включён.</translation>
    </message>
    <message>
        <source>--half-degree goes with the 1-degree graduation; the settings give marks every 5 degrees.</source>
        <translation>--half-degree используется с ценой деления 1°; в настройках штрихи через 5 градусов.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees; the settings ask for RA.</source>
        <translation>--decreasing используется с кругом азимута в градусах; в настройках выбран RA.</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>no file name</source>
        <translation>нет имени файла</translation>
    </message>
    <message>
        <source>the file name has characters the file system cannot keep</source>
        <translation>в имени файла есть символы, которые файловая система не может сохранить</translation>
    </message>
    <message numerus="yes">
        <source>the file name is %n bytes long; the file system takes at most %1</source>
        <translation>
            <numerusform>имя файла длиной %n байт; файловая система допускает не более %1</numerusform>
            <numerusform>имя файла длиной %n байта; файловая система допускает не более %1</numerusform>
            <numerusform>имя файла длиной %n байт; файловая система допускает не более %1</numerusform>
        </translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>это %1</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>файл только для чтения</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>его папки не существует</translation>
    </message>
    <message>
        <source>it is a link to nothing</source>
        <translation>это ссылка в никуда</translation>
    </message>
</context>
<context>
    <name>FileTarget</name>
    <message>
        <source>missing</source>
        <translation>несуществующий объект</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>именованный канал</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>сокет</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>устройство</translation>
    </message>
    <message>
        <source>out of reach</source>
        <translation>недоступный объект</translation>
    </message>
    <message>
        <source>out of reach (%1)</source>
        <translation>недоступный объект (%1)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>ссылка в никуда</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>ссылка, цель которой — %1</translation>
    </message>
</context>
<context>
    <name>LastExitSettings</name>
    <message>
        <source>Settings reset to last exit values</source>
        <translation>Настройки сброшены к последнему «Готово»</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Настройки записаны</translation>
    </message>
    <message>
        <source>Settings reset to defaults: </source>
        <translation>Настройки сброшены к значениям по умолчанию: </translation>
    </message>
    <message>
        <source>Settings could not be saved: </source>
        <translation>Не удалось записать настройки: </translation>
    </message>
    <message>
        <source>Settings reset to what could be read: </source>
        <translation>Настройки сброшены к тому, что удалось прочитать: </translation>
    </message>
</context>
<context>
    <name>LoadedPrintSupport</name>
    <message>
        <source>the print module is not installed (looked for %1)</source>
        <translation>модуль печати не установлен (искали: %1)</translation>
    </message>
    <message>
        <source>the print module %1 could not be loaded: %2</source>
        <translation>не удалось загрузить модуль печати %1: %2</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>&amp;Запись настроек...</translation>
    </message>
    <message>
        <source>&amp;Restore Settings...</source>
        <translation>&amp;Открыть настройки...</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <translation>&amp;Сброс</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>&amp;Параметры страницы...</translation>
    </message>
    <message>
        <source>Export A&amp;ltitude...</source>
        <translation>&amp;Экспорт высоты...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Готово</translation>
    </message>
    <message>
        <source>&amp;Quit without saving</source>
        <translation>&amp;Выйти без записи</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Печа&amp;ть</translation>
    </message>
    <message>
        <source>Print &amp;Altitude...</source>
        <translation>П&amp;ечать высоты...</translation>
    </message>
    <message>
        <source>Print A&amp;zimuth/RA...</source>
        <translation>&amp;Печать азимута/RA...</translation>
    </message>
    <message>
        <source>Pre&amp;view Altitude</source>
        <translation>Просмотр &amp;высоты</translation>
    </message>
    <message>
        <source>Previ&amp;ew Azimuth/RA</source>
        <translation>Просмотр &amp;азимута/RA</translation>
    </message>
    <message>
        <source>Printer &amp;scale...</source>
        <translation>&amp;Масштаб принтера...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Сп&amp;равка</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Руководство пользователя</translation>
    </message>
    <message>
        <source>&amp;About Vennaros</source>
        <translation>&amp;О программе Vennaros</translation>
    </message>
    <message>
        <source>&amp;Proof sheet...</source>
        <translation>Про&amp;бный лист...</translation>
    </message>
    <message>
        <source>Preview pr&amp;oof sheet</source>
        <translation>Просмотр пробного &amp;листа</translation>
    </message>
    <message>
        <source>&amp;Wrap tape...</source>
        <translation>&amp;Обмоточная лента...</translation>
    </message>
    <message>
        <source>Wrap tape</source>
        <translation>Обмоточная лента</translation>
    </message>
    <message>
        <source>Length of the tape, with its unit (1000mm or 40in):</source>
        <translation>Длина ленты с единицей (1000mm или 40in):</translation>
    </message>
</context>
<context>
    <name>NumberSpacing</name>
    <message>
        <source>Numbers touch: font size %1 or less fits</source>
        <translation>Числа соприкасаются: подходит размер шрифта %1 или меньше</translation>
    </message>
</context>
<context>
    <name>PageGroup</name>
    <message>
        <source>Page</source>
        <translation>Страница</translation>
    </message>
    <message>
        <source>A 100 mm and a 50 mm bar below the caption, to measure the printout with</source>
        <translation>Полосы 100 мм и 50 мм под подписью, чтобы измерить отпечаток</translation>
    </message>
    <message>
        <source>Split lon&amp;g strips over pages</source>
        <translation>&amp;Делить длинные ленты</translation>
    </message>
    <message>
        <source>Print a strip longer than the paper in overlapping segments</source>
        <translation>Печатать ленту длиннее листа частями с перекрытием</translation>
    </message>
    <message>
        <source>Pr&amp;int verniers</source>
        <translation>&amp;Нониусы</translation>
    </message>
    <message>
        <source>A vernier below each strip, to read a tenth of its smallest mark</source>
        <translation>Нониус под каждой лентой, чтобы отсчитывать десятую часть цены деления</translation>
    </message>
    <message>
        <source>A second number row on azimuth and RA strips, counting the other way</source>
        <translation>Второй ряд чисел на лентах азимута и RA со счётом в обратную сторону</translation>
    </message>
    <message>
        <source>Print rings instead of strips</source>
        <translation>Кольца вместо лент</translation>
    </message>
    <message>
        <source>Each circle as a flat ring of the size&apos;s outer diameter, for a ground board or a disc</source>
        <translation>Каждый круг плоским кольцом с размером как наружным диаметром, для опорной доски или диска</translation>
    </message>
    <message>
        <source>Half-&amp;degree marks</source>
        <translation>&amp;Штрихи через 0,5°</translation>
    </message>
    <message>
        <source>A mark at every half degree (every 5 minutes on RA), with 1° marks only</source>
        <translation>Штрих через каждые полградуса (для RA через 5 минут), только при цене деления 1°</translation>
    </message>
    <message>
        <source>Signed declination</source>
        <translation>Скл. со знаком</translation>
    </message>
    <message>
        <source>Altitude numbers +90 ... 0 ... -90, as a declination circle reads</source>
        <translation>Числа высоты +90 ... 0 ... -90, как на круге склонения</translation>
    </message>
    <message>
        <source>Zero at, degrees</source>
        <translation>Ноль на, градусы</translation>
    </message>
    <message>
        <source>The reading, in degrees, the strips start at (RA: its hours)</source>
        <translation>Отсчёт в градусах, с которого начинаются ленты (RA: в часах)</translation>
    </message>
    <message>
        <source>Closing tab</source>
        <translation>Клапан склейки</translation>
    </message>
    <message>
        <source>Printer s&amp;cale...</source>
        <translation>&amp;Масштаб...</translation>
    </message>
    <message>
        <source>Measure and correct the current printer&apos;s scale</source>
        <translation>Измерить и исправить масштаб текущего принтера</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Страница...</translation>
    </message>
    <message>
        <source>Choose the current printer&apos;s paper and orientation, without printing</source>
        <translation>Выбрать бумагу и ориентацию текущего принтера без печати</translation>
    </message>
    <message>
        <source>Pre&amp;view Alt.</source>
        <translation>Просмотр &amp;выс.</translation>
    </message>
    <message>
        <source>Show the sheets Print Alt. would print, without printing</source>
        <translation>Показать листы, которые напечатала бы кнопка «Печ. выс.», без печати</translation>
    </message>
    <message>
        <source>Show the sheets Print Az. or Print RA would print, without printing</source>
        <translation>Показать листы, которые напечатала бы кнопка «Печ. аз.» или «Печ. RA», без печати</translation>
    </message>
    <message>
        <source>&amp;Zero at</source>
        <translation>Но&amp;ль на</translation>
    </message>
    <message>
        <source>Previ&amp;ew RA</source>
        <translation>Просмотр R&amp;A</translation>
    </message>
    <message>
        <source>Previ&amp;ew Az.</source>
        <translation>Пр&amp;осмотр аз.</translation>
    </message>
    <message>
        <source>Paper: </source>
        <translation>Бумага: </translation>
    </message>
    <message>
        <source>Pri&amp;nt scale check</source>
        <translation>&amp;Контроль масштаба</translation>
    </message>
    <message>
        <source>Numbers both wa&amp;ys</source>
        <translation>Ч&amp;исла в обе стороны</translation>
    </message>
    <message>
        <source>Ring read from its centre</source>
        <translation>Кольцо читается из центра</translation>
    </message>
    <message>
        <source>A ring&apos;s numbers upright from its centre, for a disc; otherwise from outside it, as on a ground board</source>
        <translation>Числа кольца прямо из его центра, для диска; иначе снаружи, как на опорной плите</translation>
    </message>
    <message>
        <source>The strip&apos;s first long division again after its end, to join the wrapped strip mark over mark (not with an arc: an arc does not close)</source>
        <translation>Первое длинное деление ленты ещё раз после её конца, чтобы сомкнуть свёрнутую ленту штрих в штрих (не для дуги: дуга не замыкается)</translation>
    </message>
    <message>
        <source>Print only the arc from one mark to another: degrees (RA: hours), both empty for the whole circle; altitude 0 to 90, rising or falling</source>
        <translation>Печатать только дугу от одного штриха до другого: градусы (RA: часы), оба пусты для всего круга; высота от 0 до 90, по возрастанию или убыванию</translation>
    </message>
    <message>
        <source>Arc from</source>
        <translation>Дуга от</translation>
    </message>
    <message>
        <source>Arc to</source>
        <translation>Дуга до</translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>landscape</source>
        <translation>альбомная</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>книжная</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Листы</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 лист</translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n лист</numerusform>
            <numerusform>%n листа</numerusform>
            <numerusform>%n листов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2 %3, %4 × %5 mm</source>
        <translation>%1 %2, %3, %4 × %5 мм</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Лист %1 из %2</translation>
    </message>
    <message>
        <source>Strip length %1 mm (%2 in.), ring diameter %3 mm (%4 in.)</source>
        <translation>Длина полосы %1 мм (%2 in), диаметр кольца %3 мм (%4 in)</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Altitude</source>
        <translation>Круг высоты</translation>
    </message>
    <message>
        <source>Printing altitude...</source>
        <translation>Печать круга высоты...</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>Круг склонения</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Круг азимута</translation>
    </message>
    <message>
        <source>Printing azimuth...</source>
        <translation>Печать круга азимута...</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>Круг RA</translation>
    </message>
    <message>
        <source>Printing RA</source>
        <translation>Печать круга RA</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed</source>
        <translation>Принтер «%1» больше не установлен</translation>
    </message>
    <message>
        <source>30 s</source>
        <translation>30 с</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 мин</translation>
    </message>
    <message>
        <source>Half-degree marks need a diameter of at least %1 %2.</source>
        <translation>Для штрихов через полградуса нужен диаметр не менее %1 %2.</translation>
    </message>
    <message>
        <source>Half-degree marks need a length of at least %1 %2.</source>
        <translation>Для штрихов через полградуса нужна длина не менее %1 %2.</translation>
    </message>
    <message>
        <source>Zero at must be 0 to %1 degrees in steps of %2.</source>
        <translation>Ноль на: от 0 до %1 градусов с шагом %2.</translation>
    </message>
    <message>
        <source>Must be numeric.</source>
        <translation>Должно быть числом.</translation>
    </message>
    <message>
        <source>Print function error.</source>
        <translation>Ошибка печати.</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Не удалось выбрать принтер: </translation>
    </message>
    <message>
        <source>%1 size must be at least %2 %3</source>
        <translation>%1: размер должен быть не менее %2 %3</translation>
    </message>
    <message>
        <source>Print function error: %1.</source>
        <translation>Ошибка печати: %1.</translation>
    </message>
    <message>
        <source>%1 %2 %3 dia.</source>
        <translation>%1 %2 %3 диам.</translation>
    </message>
    <message>
        <source>%1 %2 %3 len.</source>
        <translation>%1 %2 %3 дл.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for split strips.</source>
        <translation>%1: макс. длина %2 %3 для разделённых лент.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for current page width.</source>
        <translation>%1: макс. длина %2 %3 для текущей ширины страницы.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for the printable width.</source>
        <translation>%1: макс. длина %2 %3 для ширины области печати.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for split rings.</source>
        <translation>%1: макс. диаметр кольца %2 %3 для разделённых колец.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for the printable area.</source>
        <translation>%1: макс. диаметр кольца %2 %3 для области печати.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>дюйм.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Ленте %1 нужен диаметр не менее %2 %3: поверните лист альбомно или разделите ленту.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Ленте %1 нужно не менее %2 %3: поверните лист альбомно или разделите ленту.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape.</source>
        <translation>Ленте %1 нужен диаметр не менее %2 %3: поверните лист альбомно.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape.</source>
        <translation>Ленте %1 нужно не менее %2 %3: поверните лист альбомно.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: split it.</source>
        <translation>Ленте %1 нужен диаметр не менее %2 %3: разделите ленту.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: split it.</source>
        <translation>Ленте %1 нужно не менее %2 %3: разделите ленту.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: choose a larger paper.</source>
        <translation>Ленте %1 нужен диаметр не менее %2 %3: выберите бумагу большего формата.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: choose a larger paper.</source>
        <translation>Ленте %1 нужно не менее %2 %3: выберите бумагу большего формата.</translation>
    </message>
    <message>
        <source>altitude</source>
        <comment>in: An altitude strip needs...</comment>
        <translation>высоты</translation>
    </message>
    <message>
        <source>azimuth</source>
        <comment>in: An azimuth strip needs...</comment>
        <translation>азимута</translation>
    </message>
    <message>
        <source>RA</source>
        <comment>in: An RA strip needs...</comment>
        <translation>RA</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for a drawing.</source>
        <translation>%1: макс. длина %2 %3 для чертежа.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for a drawing.</source>
        <translation>%1: макс. диаметр кольца %2 %3 для чертежа.</translation>
    </message>
    <message>
        <source>Arc from and to must be 0 to 24 hours in steps of 10 minutes.</source>
        <translation>Начало и конец дуги должны быть от 0 до 24 часов с шагом 10 минут.</translation>
    </message>
    <message>
        <source>Arc from and to must be %1 to %2 degrees in steps of %3.</source>
        <translation>Начало и конец дуги должны быть от %1 до %2 градусов с шагом %3.</translation>
    </message>
    <message>
        <source>Arc from and to need a value each, or none for the whole circle.</source>
        <translation>Для начала и конца дуги нужно по значению или ни одного для всего круга.</translation>
    </message>
    <message>
        <source>Arc from and to must be numeric.</source>
        <translation>Начало и конец дуги должны быть числами.</translation>
    </message>
    <message>
        <source>Arc from and to must be different marks.</source>
        <translation>Начало и конец дуги должны быть разными штрихами.</translation>
    </message>
</context>
<context>
    <name>PrinterPapers</name>
    <message>
        <source>%1, landscape</source>
        <translation>%1, альбомная</translation>
    </message>
    <message>
        <source>%1, portrait</source>
        <translation>%1, книжная</translation>
    </message>
    <message>
        <source>the printer has no name</source>
        <translation>у принтера нет имени</translation>
    </message>
    <message>
        <source>%1 is larger than a page can be (%2 mm a side)</source>
        <translation>%1 больше, чем может быть страница (%2 мм на сторону)</translation>
    </message>
    <message>
        <source>its value cannot be read as a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>значение не читается как бумага с ориентацией вида «A4, portrait»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>«%1» — не бумага с ориентацией вида «A4, portrait»</translation>
    </message>
</context>
<context>
    <name>PrinterScaleDialog</name>
    <message>
        <source>Bar along the paper&apos;s &amp;width (%1 mm), measured in mm:</source>
        <translation>Полоса вдоль &amp;ширины листа (%1 мм), измерено в мм:</translation>
    </message>
    <message>
        <source>Bar along the paper&apos;s &amp;length (%1 mm), measured in mm:</source>
        <translation>Полоса вдоль &amp;длины листа (%1 мм), измерено в мм:</translation>
    </message>
    <message>
        <source>Factors kept for this printer: %1 along the paper&apos;s width, %2 along its length.</source>
        <translation>Коэффициенты этого принтера: %1 вдоль ширины листа, %2 вдоль длины.</translation>
    </message>
    <message>
        <source>1. Print the calibration page (with any scaling or &quot;fit to page&quot; option of the printer off).
2. Measure each bar from its first to its last mark.
3. Type the two lengths and press OK: every page on this printer is then corrected.</source>
        <translation>1. Напечатайте калибровочную страницу (масштабирование и опция «по размеру страницы» принтера выключены).
2. Измерьте каждую полосу от первого до последнего штриха.
3. Введите обе длины и нажмите OK: с этого момента каждая страница на этом принтере исправляется.</translation>
    </message>
    <message>
        <source>Print calibration page...</source>
        <translation>Печать калибровочной страницы...</translation>
    </message>
    <message>
        <source>Back to 1 and 1 for this printer</source>
        <translation>Вернуть 1 и 1 для этого принтера</translation>
    </message>
    <message>
        <source>Printer scale - </source>
        <translation>Масштаб принтера - </translation>
    </message>
    <message>
        <source>Printer: </source>
        <translation>Принтер: </translation>
    </message>
    <message>
        <source>The value kept for this printer is unusable (%1): it prints with 1 along both axes until new lengths are kept.</source>
        <translation>Сохранённое значение для этого принтера непригодно (%1): он печатает с 1 по обеим осям, пока не будут сохранены новые длины.</translation>
    </message>
    <message>
        <source>The printer can&apos;t be read: </source>
        <translation>Не удалось прочитать принтер: </translation>
    </message>
    <message>
        <source>The calibration page was printed: measure its two bars.</source>
        <translation>Калибровочная страница напечатана: измерьте две её полосы.</translation>
    </message>
    <message>
        <source>The calibration page could not be printed: </source>
        <translation>Не удалось напечатать калибровочную страницу: </translation>
    </message>
    <message>
        <source>Type the lengths of both bars as measured.</source>
        <translation>Введите измеренные длины обеих полос.</translation>
    </message>
    <message>
        <source>The factors could not be kept: </source>
        <translation>Не удалось сохранить коэффициенты: </translation>
    </message>
    <message>
        <source>Printer scale of %1: %2</source>
        <translation>Масштаб принтера %1: %2</translation>
    </message>
    <message>
        <source>Printer scale of %1: 1 1</source>
        <translation>Масштаб принтера %1: 1 1</translation>
    </message>
    <message>
        <source>This printer is back to 1 and 1.</source>
        <translation>Для этого принтера снова 1 и 1.</translation>
    </message>
</context>
<context>
    <name>PrinterScales</name>
    <message>
        <source>&quot;%1&quot; is not two factors from 0.9 to 1.1</source>
        <translation>«%1» — не два коэффициента от 0.9 до 1.1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length: type the length measured in millimetres.</source>
        <translation>«%1» — не длина: введите длину, измеренную в миллиметрах.</translation>
    </message>
    <message>
        <source>%1 mm for the %2 mm bar gives a factor of %3; only factors from 0.9 to 1.1 can be corrected. Measure the bar again from its first to its last mark.</source>
        <translation>%1 мм для полосы %2 мм дают коэффициент %3; исправить можно только коэффициенты от 0,9 до 1,1. Измерьте полосу ещё раз от первого до последнего штриха.</translation>
    </message>
    <message>
        <source>its factors cannot be read; they are kept as two numbers from 0.9 to 1.1 with a decimal point, the width&apos;s first: &quot;1.01 0.99&quot;</source>
        <translation>коэффициенты не читаются; они хранятся как два числа от 0.9 до 1.1 с десятичной точкой, сначала для ширины: «1.01 0.99»</translation>
    </message>
</context>
<context>
    <name>ProofSheet</name>
    <message>
        <source>Widths %1-%2-%3, Height %4, Font %5</source>
        <translation>Толщины %1-%2-%3, Высота %4, Шрифт %5</translation>
    </message>
    <message>
        <source>Proof sheet: %1 samples of 10 degrees don&apos;t fit this paper.</source>
        <translation>Пробный лист: образцы по 10 градусов круга %1 не помещаются на этой бумаге.</translation>
    </message>
    <message>
        <source>Proof sheet: %1, samples of %2°</source>
        <translation>Пробный лист: %1, образцы по %2°</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>the settings store %1 (%2)</source>
        <comment>%1: what is wrong with it, %2: its path</comment>
        <translation>хранилище настроек %1 (%2)</translation>
    </message>
    <message>
        <source>is %1</source>
        <translation>— это %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB</source>
        <translation>больше 1 МиБ</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не читается: %1</translation>
    </message>
    <message>
        <source>is read-only</source>
        <translation>только для чтения</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>не может записать %1</translation>
    </message>
    <message>
        <source>the settings store can be read only in part and no copy of it could be made (%1)</source>
        <translation>хранилище настроек читается лишь частично, и сделать его копию не удалось (%1)</translation>
    </message>
    <message>
        <source>the settings store can be read only in part; the whole file is kept as %1</source>
        <translation>хранилище настроек читается лишь частично; весь файл сохранён как %1</translation>
    </message>
</context>
<context>
    <name>QueueJobFollower</name>
    <message>
        <source>The printer %1 stopped the page%2.</source>
        <translation>Принтер %1 остановил страницу%2.</translation>
    </message>
    <message>
        <source>The printer %1 could not print the page%2.</source>
        <translation>Принтер %1 не смог напечатать страницу%2.</translation>
    </message>
    <message>
        <source>The page was cancelled on the printer %1.</source>
        <translation>Страница отменена на принтере %1.</translation>
    </message>
    <message>
        <source>The printer %1 holds the page%2.</source>
        <translation>Принтер %1 удерживает страницу%2.</translation>
    </message>
    <message>
        <source>The printer %1 is paused: the page waits in its queue.</source>
        <translation>Принтер %1 приостановлен: страница ждёт в его очереди.</translation>
    </message>
    <message>
        <source>The printer %1 has stopped: the page waits in its queue.</source>
        <translation>Принтер %1 остановлен: страница ждёт в его очереди.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has not printed the page yet: %2</source>
        <translation>Принтер «%1» ещё не напечатал страницу: %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has printed the page.</source>
        <translation>Принтер «%1» напечатал страницу.</translation>
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
        <translation>хорда %1 = %2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несовпадение типов</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Недопустимое значение свойства</translation>
    </message>
</context>
<context>
    <name>SettingsFileCommands</name>
    <message>
        <source>Saved settings files (*.txt)|*.txt</source>
        <translation>Записанные файлы настроек (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Create new or overwrite settings file</source>
        <translation>Создать или перезаписать файл настроек</translation>
    </message>
    <message>
        <source>Restore settings files (*.txt)|*.txt</source>
        <translation>Файлы настроек для открытия (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Restore settings from file</source>
        <translation>Открыть настройки из файла</translation>
    </message>
    <message>
        <source>Error %1, %2</source>
        <translation>Ошибка %1, %2</translation>
    </message>
    <message>
        <source>Confirm Overwrite</source>
        <translation>Подтвердите перезапись</translation>
    </message>
    <message>
        <source>Will be overwritten!</source>
        <translation>Файл будет перезаписан!</translation>
    </message>
    <message>
        <source>Write settings file error</source>
        <translation>Ошибка записи файла настроек</translation>
    </message>
    <message>
        <source>Error writting to setting file</source>
        <translation>Ошибка при записи в файл настроек</translation>
    </message>
    <message>
        <source>Settings saved to &apos;%1&apos;</source>
        <translation>Настройки записаны в &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Read settings file error</source>
        <translation>Ошибка чтения файла настроек</translation>
    </message>
    <message>
        <source>Error reading setting file</source>
        <translation>Ошибка при чтении файла настроек</translation>
    </message>
    <message>
        <source>1 setting restored from &apos;%1&apos;</source>
        <translation>1 настройка загружена из &apos;%1&apos;</translation>
    </message>
    <message numerus="yes">
        <source>%n settings restored from &apos;%1&apos;</source>
        <translation>
            <numerusform>%n настройка загружена из &apos;%1&apos;</numerusform>
            <numerusform>%n настройки загружены из &apos;%1&apos;</numerusform>
            <numerusform>%n настроек загружено из &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;) could not be applied</source>
        <translation>строку %1 («%2») не удалось применить</translation>
    </message>
    <message>
        <source>the file ends after line %1</source>
        <translation>файл заканчивается после строки %1</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 settings restored from &apos;%2&apos;: %3.</source>
        <translation>
            <numerusform>Загружено %n из %1 настроек из &apos;%2&apos;: %3.</numerusform>
            <numerusform>Загружено %n из %1 настроек из &apos;%2&apos;: %3.</numerusform>
            <numerusform>Загружено %n из %1 настроек из &apos;%2&apos;: %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>Cannot uncheck both circle styles.</source>
        <translation>Нельзя снять оба стиля круга.</translation>
    </message>
</context>
<context>
    <name>SheetAids</name>
    <message>
        <source>Cut each piece on its cut line; lay its end over the next piece, A on A, marks on marks</source>
        <translation>Отрежьте каждую часть по линии реза; положите её конец на следующую часть, A на A, штрихи на штрихи</translation>
    </message>
    <message>
        <source>Sheet %1</source>
        <translation>Лист %1</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Лист %1 из %2</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>Руководство пользователя %1</translation>
    </message>
    <message>
        <source>The user guide could not be read: %1</source>
        <translation>Не удалось прочитать руководство пользователя: %1</translation>
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
        <translation>%1 мм</translation>
    </message>
    <message>
        <source>%1 = %2 line</source>
        <translation>%1 = линия %2</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1 pt = %2 digits</source>
        <translation>%1 pt = цифры %2</translation>
    </message>
</context>
<context>
    <name>WindowController</name>
    <message>
        <source>Export Altitude</source>
        <translation>Экспорт круга высоты</translation>
    </message>
    <message>
        <source>Export Azimuth/RA</source>
        <translation>Экспорт круга азимута/RA</translation>
    </message>
    <message>
        <source>The paper could not be kept: </source>
        <translation>Не удалось сохранить бумагу: </translation>
    </message>
    <message>
        <source>paper unknown</source>
        <translation>бумага неизвестна</translation>
    </message>
    <message>
        <source>no printer</source>
        <translation>нет принтера</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Не удалось выбрать принтер: </translation>
    </message>
    <message>
        <source>Printer scale for &apos;%1&apos; ignored: %2; it prints unscaled.</source>
        <translation>Масштаб принтера &apos;%1&apos; не учтён: %2; печать без коррекции.</translation>
    </message>
    <message>
        <source>The user guide is not installed; &quot;man vennaros&quot; describes the program.</source>
        <translation>Руководство пользователя не установлено; программу описывает «man vennaros».</translation>
    </message>
    <message>
        <source>The paper kept for &apos;%1&apos; is not used: %2; it prints on the printer&apos;s own paper.</source>
        <translation>Бумага, сохранённая для &apos;%1&apos;, не используется: %2; печать идёт на собственной бумаге принтера.</translation>
    </message>
    <message>
        <source>%1, turned to fit</source>
        <translation>%1, повёрнуто, чтобы поместилось</translation>
    </message>
</context>
<context>
    <name>WrapTape</name>
    <message>
        <source>Wrap tape</source>
        <translation>Обмоточная лента</translation>
    </message>
    <message>
        <source>Wrap tape: &apos;%1&apos; is not a length; give it with its unit, for example 1000mm or 40in.</source>
        <translation>Обмоточная лента: &apos;%1&apos; не длина; укажите её с единицей, например 1000mm или 40in.</translation>
    </message>
    <message>
        <source>Wrap tape %1</source>
        <translation>Обмоточная лента %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Print Vennaros</source>
        <translation>Vennaros — печать</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Size is diameter</source>
        <translation>Размер — диаметр</translation>
    </message>
    <message>
        <source>Size is length</source>
        <translation>Размер — длина</translation>
    </message>
    <message>
        <source>size is mm</source>
        <translation>размер в мм</translation>
    </message>
    <message>
        <source>Size in inches</source>
        <translation>Размер в дюймах</translation>
    </message>
    <message>
        <source>Circle styles</source>
        <translation>Стили круга</translation>
    </message>
    <message>
        <source>&amp;Black on White background</source>
        <translation>&amp;Чёрное на белом</translation>
    </message>
    <message>
        <source>&amp;White on Black background</source>
        <translation>&amp;Белое на чёрном</translation>
    </message>
    <message>
        <source>Print &amp;Alt.</source>
        <translation>Печ. в&amp;ыс.</translation>
    </message>
    <message>
        <source>dia.</source>
        <translation>Ø</translation>
    </message>
    <message>
        <source>len.</source>
        <translation>дл.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
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
        <translation>Аз</translation>
    </message>
    <message>
        <source>Az &amp;L&gt;R +</source>
        <translation>&amp;Аз Л&gt;П +</translation>
    </message>
    <message>
        <source>Az circle left to right numbers increase</source>
        <translation>Круг азимута: числа растут слева направо</translation>
    </message>
    <message>
        <source>Quit without saving settings</source>
        <translation>Выйти без записи настроек</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Готово</translation>
    </message>
    <message>
        <source>Exit and save settings</source>
        <translation>Готово: записать настройки и закрыть программу</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сброс</translation>
    </message>
    <message>
        <source>Reset to last exit settings from registry</source>
        <translation>Сброс к настройкам, записанным при последнем «Готово»</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Запись</translation>
    </message>
    <message>
        <source>Save current settings to file</source>
        <translation>Запись текущих настроек в файл</translation>
    </message>
    <message>
        <source>Rest&amp;ore</source>
        <translation>Открыт&amp;ь</translation>
    </message>
    <message>
        <source>Paper and orientation are kept for each printer.</source>
        <translation>Бумага и ориентация помнятся по принтеру.</translation>
    </message>
    <message>
        <source>Prin&amp;t RA</source>
        <translation>П&amp;еч. RA</translation>
    </message>
    <message>
        <source>Prin&amp;t Az.</source>
        <translation>&amp;Печ. аз.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Smallest Mar&amp;k Degree</source>
        <translation>&amp;Цена деления, градусы</translation>
    </message>
    <message>
        <source>Altit&amp;ude / DECL Circle Size</source>
        <translation>Размер кр&amp;уга высоты / скл.</translation>
    </message>
    <message>
        <source>Azi&amp;muth / RA Circle Size</source>
        <translation>Размер круга азимута / &amp;RA</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Вы&amp;йти</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vennaros: %1
Try &apos;vennaros --help&apos;.
</source>
        <translation>vennaros: %1
См. &apos;vennaros --help&apos;.
</translation>
    </message>
    <message>
        <source>there is no platform plugin &apos;%1&apos;</source>
        <translation>нет платформенного модуля &apos;%1&apos;</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY и WAYLAND_DISPLAY не заданы</translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be reached</source>
        <translation>&apos;%1&apos; недоступен</translation>
    </message>
    <message>
        <source>vennaros: cannot open a display: %1; --print-pdf, --svg and --dxf need none.
</source>
        <translation>vennaros: не удаётся открыть дисплей: %1; для --print-pdf, --svg и --dxf он не нужен.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8; no file is read or written under another name.
</source>
        <translation>vennaros: &apos;%1&apos; — недопустимый UTF-8; ни один файл не читается и не записывается под другим именем.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8.
</source>
        <translation>vennaros: &apos;%1&apos; — недопустимый UTF-8.
</translation>
    </message>
    <message>
        <source>vennaros: the value of --%1 is not valid UTF-8.
</source>
        <translation>vennaros: значение --%1 — недопустимый UTF-8.
</translation>
    </message>
</context>
<context>
    <name>programinfo</name>
    <message>
        <source>Prints graduated setting circles for telescope mounts at their exact size.</source>
        <translation>Печатает установочные круги для монтировок телескопов в точном размере.</translation>
    </message>
</context>
</TS>
