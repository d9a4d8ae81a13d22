<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Ícone do programa</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Home: </source>
        <translation>Site: </translation>
    </message>
    <message>
        <source>Report a fault: </source>
        <translation>Relatar um defeito: </translation>
    </message>
    <message>
        <source>The user guide and the manual page are in English.</source>
        <translation>O guia do usuário e a página de manual estão em inglês.</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licença</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Along the paper&apos;s length: %1 mm</source>
        <translation>Ao longo do comprimento do papel: %1 mm</translation>
    </message>
    <message>
        <source>Along the paper&apos;s width: %1 mm</source>
        <translation>Ao longo da largura do papel: %1 mm</translation>
    </message>
    <message>
        <source>%1 (the bar across the top)</source>
        <translation>%1 (a barra no alto, de lado a lado)</translation>
    </message>
    <message>
        <source>%1 (the bar down the left side)</source>
        <translation>%1 (a barra ao longo da margem esquerda)</translation>
    </message>
    <message>
        <source>Printer scale calibration for %1</source>
        <translation>Calibração da escala da impressora %1</translation>
    </message>
    <message>
        <source>Measure each bar from its first to its last mark, in millimetres, and type</source>
        <translation>Meça cada barra do primeiro ao último traço, em milímetros, e digite</translation>
    </message>
    <message>
        <source>the two lengths into the Printer scale dialog. Print this page with any</source>
        <translation>os dois comprimentos na janela Escala da impressora. Imprima esta página</translation>
    </message>
    <message>
        <source>scaling or &quot;fit to page&quot; option of the printer switched off.</source>
        <translation>com a opção de escala ou &quot;ajustar à página&quot; da impressora desligada.</translation>
    </message>
</context>
<context>
    <name>CaptionLine</name>
    <message>
        <source>%1 Circle length = %2 %3</source>
        <translation>%1, comprimento do círculo = %2 %3</translation>
    </message>
    <message>
        <source>%1 ring diameter = %2 %3</source>
        <translation>%1, diâmetro do anel = %2 %3</translation>
    </message>
    <message>
        <source>, Smallest mark = %1°, Line (small, 5°, 10°) Widths  = %2</source>
        <translation>, Menor divisão = %1°, Espessuras dos traços (pequeno, 5°, 10°) = %2</translation>
    </message>
    <message>
        <source>, Line (10min, 30min, 1hr) Widths  = %1</source>
        <translation>, Espessuras dos traços (10 min, 30 min, 1 h) = %1</translation>
    </message>
    <message>
        <source>, Heights = %1, Font size = %2</source>
        <translation>, Alturas = %1, Tamanho da fonte = %2</translation>
    </message>
    <message>
        <source>, 5min marks</source>
        <translation>, traços de 5 min</translation>
    </message>
    <message>
        <source>, half-degree marks</source>
        <translation>, traços de meio grau</translation>
    </message>
    <message>
        <source>, zero at %1</source>
        <translation>, zero em %1</translation>
    </message>
    <message>
        <source>, vernier %1</source>
        <translation>, nônio %1</translation>
    </message>
    <message>
        <source>, numbers both ways</source>
        <translation>, números nos dois sentidos</translation>
    </message>
    <message>
        <source>, Printer scale = %1</source>
        <translation>, Escala da impressora = %1</translation>
    </message>
    <message>
        <source>ring diameter = %1 %2</source>
        <translation>diâmetro do anel = %1 %2</translation>
    </message>
    <message>
        <source>Circle length = %1 %2 (%3 %2)</source>
        <translation>comprimento do círculo = %1 %2 (%3 %2)</translation>
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
        <translation>Espessura menor traço</translation>
    </message>
    <message>
        <source>5° Mark Width</source>
        <translation>Espessura traço 5°</translation>
    </message>
    <message>
        <source>10° Mark Width</source>
        <translation>Espessura traço 10°</translation>
    </message>
    <message>
        <source>Circle Height</source>
        <translation>Altura do círculo</translation>
    </message>
    <message>
        <source>Text Font Size</source>
        <translation>Tamanho do texto</translation>
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
        <translation>Escala em cima</translation>
    </message>
    <message>
        <source>Scale on Top %1</source>
        <translation>Escala em cima %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--size needs a number and its unit, for example 450mm or 3.5in, not &apos;%1&apos;.</source>
        <translation>--size precisa de um número e sua unidade, por exemplo 450mm ou 3.5in, não &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--ra and --decreasing go with --azimuth.</source>
        <translation>--ra e --decreasing vão com --azimuth.</translation>
    </message>
    <message>
        <source>--signed-dec goes with --altitude.</source>
        <translation>--signed-dec vai com --altitude.</translation>
    </message>
    <message numerus="yes">
        <source>--%1 is given %n times; give it once.</source>
        <translation>
            <numerusform>--%1 foi dado %n vez; dê uma só vez.</numerusform>
            <numerusform>--%1 foi dado %n vezes; dê uma só vez.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--print-pdf, --svg and --dxf: give one of them.</source>
        <translation>--print-pdf, --svg e --dxf: dê só um deles.</translation>
    </message>
    <message>
        <source>--settings, --paper, --landscape, --altitude, --azimuth and the circle&apos;s options go with --print-pdf FILE, --svg FILE or --dxf FILE.</source>
        <translation>--settings, --paper, --landscape, --altitude, --azimuth e as opções do círculo vão com --print-pdf FILE, --svg FILE ou --dxf FILE.</translation>
    </message>
    <message>
        <source>--paper and --landscape go with --print-pdf: a drawing has no paper.</source>
        <translation>--paper e --landscape vão com --print-pdf: um desenho não tem papel.</translation>
    </message>
    <message>
        <source>--%1 needs one of --altitude and --azimuth.</source>
        <translation>--%1 precisa de --altitude ou --azimuth.</translation>
    </message>
    <message>
        <source>--print-pdf needs the name of the PDF file to write.</source>
        <translation>--print-pdf precisa do nome do arquivo PDF a gravar.</translation>
    </message>
    <message>
        <source>--%1 needs the name of the drawing file to write.</source>
        <translation>--%1 precisa do nome do arquivo de desenho a gravar.</translation>
    </message>
    <message>
        <source>--settings needs the name of a settings file.</source>
        <translation>--settings precisa do nome de um arquivo de configurações.</translation>
    </message>
    <message>
        <source>--paper needs the name of a paper size, for example A4.</source>
        <translation>--paper precisa do nome de um tamanho de papel, por exemplo A4.</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos; (A4, Letter, A3, Legal, ...)</source>
        <translation>papel desconhecido &apos;%1&apos; (A4, Letter, A3, Legal, ...)</translation>
    </message>
    <message>
        <source>print this text and exit</source>
        <translation>mostrar este texto e sair</translation>
    </message>
    <message>
        <source>print the name and version and exit</source>
        <translation>mostrar o nome e a versão e sair</translation>
    </message>
    <message>
        <source>print the page a print button would print to the PDF file FILE,
without a window</source>
        <translation>imprimir no arquivo PDF FILE a página que um botão de impressão
imprimiria, sem janela</translation>
    </message>
    <message>
        <source>the same as a DXF drawing</source>
        <translation>o mesmo como desenho DXF</translation>
    </message>
    <message>
        <source>a settings file saved with &quot;Save&quot;, restored over the defaults</source>
        <translation>um arquivo de configurações salvo com &quot;Salvar&quot;, carregado sobre
os valores padrão</translation>
    </message>
    <message>
        <source>the paper, for example A4, Letter, A3 or Legal (default: the
built-in PDF printer&apos;s paper)</source>
        <translation>o papel, por exemplo A4, Letter, A3 ou Legal (padrão: o papel da
impressora PDF embutida)</translation>
    </message>
    <message>
        <source>the paper turned to landscape</source>
        <translation>o papel na horizontal</translation>
    </message>
    <message>
        <source>the altitude circle (&quot;Print Alt.&quot;)</source>
        <translation>o círculo de altura (&quot;Impr. Alt.&quot;)</translation>
    </message>
    <message>
        <source>the azimuth or RA circle, as the settings say (&quot;Print Az.&quot; or
&quot;Print RA&quot;)</source>
        <translation>o círculo de azimute ou de AR, conforme as configurações
(&quot;Impr. Az.&quot; ou &quot;Impr. AR&quot;)</translation>
    </message>
    <message>
        <source>the circle&apos;s size with its unit: 450mm, 3in, 3.5in or 3,5in; a
diameter (dia.) unless --length</source>
        <translation>o tamanho do círculo com sua unidade: 450mm, 3in, 3.5in ou 3,5in;
um diâmetro (Ø), salvo com --length</translation>
    </message>
    <message>
        <source>the size is the strip&apos;s length (len.)</source>
        <translation>o tamanho é o comprimento da tira (C)</translation>
    </message>
    <message>
        <source>the RA circle instead of the azimuth circle</source>
        <translation>o círculo de AR em vez do círculo de azimute</translation>
    </message>
    <message>
        <source>azimuth numbers decreasing from left to right (&quot;Az L&gt;R +&quot; clear)</source>
        <translation>números de azimute decrescentes da esquerda para a direita
(&quot;Az E&gt;D +&quot; desmarcado)</translation>
    </message>
    <message>
        <source>split a strip longer than the paper over pages, a ring larger
than the printable area into sectors</source>
        <translation>dividir em páginas uma tira mais longa que o papel, e em setores
um anel maior que a área imprimível</translation>
    </message>
    <message>
        <source>print the circle as a flat ring instead of a strip; its size is
the ring&apos;s outer diameter, or with --length its circumference</source>
        <translation>imprimir o círculo como anel plano em vez de tira; seu tamanho é o
diâmetro externo do anel, ou com --length a circunferência</translation>
    </message>
    <message>
        <source>a vernier below each strip or ring (&quot;Print verniers&quot;)</source>
        <translation>um nônio abaixo de cada tira ou anel (&quot;Nônios&quot;)</translation>
    </message>
    <message>
        <source>a second number row counting the other way (&quot;Numbers both ways&quot;)</source>
        <translation>uma segunda fila de números no sentido contrário (&quot;Números nos dois sentidos&quot;)</translation>
    </message>
    <message>
        <source>the scale check bars below the page (&quot;Print scale check&quot;)</source>
        <translation>as barras de controle de escala abaixo da página (&quot;Controle de escala&quot;)</translation>
    </message>
    <message>
        <source>a mark at every half degree (every 5 minutes on RA)</source>
        <translation>um traço a cada meio grau (a cada 5 minutos em AR)</translation>
    </message>
    <message>
        <source>altitude numbers signed as declination: 90 ... 0 ... -90</source>
        <translation>números de altura com sinal, como uma declinação: 90 ... 0 ... -90</translation>
    </message>
    <message>
        <source>the strip starts at the reading N degrees (RA: its hours)</source>
        <translation>a tira começa na leitura N graus (AR: suas horas)</translation>
    </message>
    <message>
        <source>the strip&apos;s first long division again after its end, to close
the wrapped strip mark over mark (&quot;Closing tab&quot;)</source>
        <translation>a primeira divisão longa da tira de novo após o fim, para fechar a
tira enrolada traço sobre traço (&quot;Aba de colagem&quot;)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Without options it opens its window.</source>
        <translation>Sem opções, abre sua janela.</translation>
    </message>
    <message>
        <source>
Exit status: 0 when the file was written, 1 when the job refused or failed (the reason on
standard error, no file written), 2 for a wrong command line.
See also: man vennaros
</source>
        <translation>
Status de saída: 0 se o arquivo foi gravado, 1 se o trabalho foi recusado ou falhou (o motivo
na saída de erro, nenhum arquivo gravado), 2 para uma linha de comando errada.
Veja também: man vennaros
</translation>
    </message>
    <message>
        <source>--size: the number is too large.</source>
        <translation>--size: o número é grande demais.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees: RA hours always increase.</source>
        <translation>--decreasing vai com o círculo de azimute em graus: as horas de AR sempre crescem.</translation>
    </message>
    <message>
        <source>--print-pdf writes a file, not standard output: name the PDF file to write.</source>
        <translation>--print-pdf grava um arquivo, não a saída padrão: dê o nome do arquivo PDF a gravar.</translation>
    </message>
    <message>
        <source>--settings reads a file, not standard input: name the settings file.</source>
        <translation>--settings lê um arquivo, não a entrada padrão: dê o nome do arquivo de configurações.</translation>
    </message>
    <message>
        <source>--%1 needs a file name: &apos;%2&apos; starts with &apos;-&apos; as an option does; write such a name as ./%2.</source>
        <translation>--%1 precisa de um nome de arquivo: &apos;%2&apos; começa com &apos;-&apos; como uma opção; escreva esse nome como ./%2.</translation>
    </message>
    <message>
        <source>--split goes with --print-pdf: a drawing is never split.</source>
        <translation>--split vai com --print-pdf: um desenho nunca é dividido.</translation>
    </message>
    <message>
        <source>--scale-check goes with --print-pdf: a drawing has no scale check bars.</source>
        <translation>--scale-check vai com --print-pdf: um desenho não tem barras de controle de escala.</translation>
    </message>
    <message>
        <source>--closing-tab goes with --print-pdf: a drawing has no closing tab.</source>
        <translation>--closing-tab vai com --print-pdf: um desenho não tem aba de colagem.</translation>
    </message>
    <message>
        <source>--both-ways goes with --azimuth: the altitude circle reads both ways already.</source>
        <translation>--both-ways vai com --azimuth: o círculo de altura já se lê nos dois sentidos.</translation>
    </message>
    <message>
        <source>the whole strip or ring as an SVG drawing for a laser or vinyl
cutter, at its true size in millimetres, never split;
FILE - writes it to standard output</source>
        <translation>a tira ou o anel inteiro como desenho SVG para uma cortadora a
laser ou de vinil, em tamanho real em milímetros, nunca dividido;
FILE - grava-o na saída padrão</translation>
    </message>
    <message>
        <source>--tape and --proof go with --print-pdf FILE.</source>
        <translation>--tape e --proof vão com --print-pdf FILE.</translation>
    </message>
    <message>
        <source>--tape and --proof: give one of them.</source>
        <translation>--tape e --proof: informe só um deles.</translation>
    </message>
    <message>
        <source>--tape goes with --print-pdf, --paper and --landscape alone.</source>
        <translation>--tape vai só com --print-pdf, --paper e --landscape.</translation>
    </message>
    <message>
        <source>a wrap tape of that length (1000mm, 40in) ticked every millimetre
(1/20 in), to measure an axis in the printer&apos;s own millimetres</source>
        <translation>uma fita para enrolar desse comprimento (1000mm, 40in) com um traço
por milímetro (1/20 in), para medir um eixo em milímetros da impressora</translation>
    </message>
    <message>
        <source>a proof sheet: samples of the circle&apos;s graduation in every mark
width, height and font size, to choose a circle set by trying</source>
        <translation>uma folha de prova: amostras da graduação do círculo em cada largura,
altura e tamanho de fonte, para escolher um conjunto experimentando</translation>
    </message>
    <message>
        <source>--strokes goes with --svg and --dxf: a printed page is inked in full.</source>
        <translation>--strokes vai com --svg e --dxf: uma página impressa é tintada por inteiro.</translation>
    </message>
    <message>
        <source>with --svg or --dxf: marks as single lines and texts in a
single-stroke font, for vector lasers, pen plotters and drag
knives (default: filled outlines)</source>
        <translation>com --svg ou --dxf: as marcas como linhas simples e os textos em
uma fonte de traço único, para lasers vetoriais, plotters de
caneta e facas de arrasto (padrão: contornos preenchidos)</translation>
    </message>
    <message>
        <source>a ring&apos;s numbers upright as read from its centre, for a disc, not
from outside it (&quot;Ring read from its centre&quot;)</source>
        <translation>os números de um anel em pé lidos do seu centro, para um disco,
não de fora (&quot;Anel lido do centro&quot;)</translation>
    </message>
    <message>
        <source>--arc needs two values, FROM:TO, for example 0:90 or 350:10, not &apos;%1&apos;.</source>
        <translation>--arc precisa de dois valores, FROM:TO, por exemplo 0:90 ou 350:10, não &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>only the arc from the mark FROM to the mark TO, in the circle&apos;s
numbers: --arc 0:90 (altitude), 350:10 (azimuth), 18:6 (RA)</source>
        <translation>só o arco da marca FROM à marca TO, nos números do círculo:
--arc 0:90 (altura), 350:10 (azimute), 18:6 (AR)</translation>
    </message>
    <message>
        <source>These fifteen override the settings file.</source>
        <translation>Estas quinze prevalecem sobre o arquivo de configurações.</translation>
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
        <translation>&amp;Exportar azimute...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)|*.svg|DXF drawing (*.dxf)|*.dxf</source>
        <translation>Desenho SVG (*.svg)|*.svg|Desenho DXF (*.dxf)|*.dxf</translation>
    </message>
    <message>
        <source>Written: </source>
        <translation>Gravado: </translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2.</source>
        <translation>Não foi possível gravar &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>it is the program&apos;s settings store</source>
        <translation>ele é o armazenamento de configurações do programa</translation>
    </message>
    <message>
        <source>it is a settings file saved or restored since the start</source>
        <translation>ele é um arquivo de configurações salvo ou carregado desde o início</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>Es&amp;tilo:</translation>
    </message>
    <message>
        <source>Filled outlines (print, raster engraving)</source>
        <translation>Contornos preenchidos (impressão, gravação raster)</translation>
    </message>
    <message>
        <source>Single strokes (vector engraving, pen plotters)</source>
        <translation>Traços simples (gravação vetorial, plotters de caneta)</translation>
    </message>
</context>
<context>
    <name>ExportFileJobHost</name>
    <message>
        <source>standard output can&apos;t be written: %1</source>
        <translation>não foi possível gravar na saída padrão: %1</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font (hershey-fonts/rowmans.jhf), which is not installed; install the package hershey-fonts-data, or export filled outlines</source>
        <translation>traços simples precisam da fonte Hershey simplex (hershey-fonts/rowmans.jhf), que não está instalada; instale o pacote hershey-fonts-data ou exporte contornos preenchidos</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font, and &apos;%1&apos; cannot be read as one; export filled outlines</source>
        <translation>traços simples precisam da fonte Hershey simplex, e &apos;%1&apos; não pode ser lido como tal; exporte contornos preenchidos</translation>
    </message>
</context>
<context>
    <name>FileCommand</name>
    <message>
        <source>vennaros: cannot read the settings file &apos;%1&apos;: %2</source>
        <translation>vennaros: não foi possível ler o arquivo de configurações &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>ele é %1</translation>
    </message>
    <message>
        <source>The others keep their defaults.</source>
        <translation>As demais mantêm os valores padrão.</translation>
    </message>
    <message>
        <source>vennaros: cannot write &apos;%1&apos;: %2</source>
        <translation>vennaros: não foi possível gravar &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>it is the settings file</source>
        <translation>ele é o arquivo de configurações</translation>
    </message>
    <message>
        <source>Nothing was printed: the size is empty or no circle set is enabled.</source>
        <translation>Nada foi impresso: o tamanho está vazio ou nenhum conjunto de círculo está ativado.</translation>
    </message>
    <message>
        <source>--half-degree goes with the 1-degree graduation; the settings give marks every 5 degrees.</source>
        <translation>--half-degree vai com a divisão de 1°; as configurações dão traços a cada 5 graus.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees; the settings ask for RA.</source>
        <translation>--decreasing vai com o círculo de azimute em graus; as configurações pedem AR.</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>no file name</source>
        <translation>nenhum nome de arquivo</translation>
    </message>
    <message>
        <source>the file name has characters the file system cannot keep</source>
        <translation>o nome do arquivo tem caracteres que o sistema de arquivos não aceita</translation>
    </message>
    <message numerus="yes">
        <source>the file name is %n bytes long; the file system takes at most %1</source>
        <translation>
            <numerusform>o nome do arquivo tem %n byte; o sistema de arquivos aceita no máximo %1</numerusform>
            <numerusform>o nome do arquivo tem %n bytes; o sistema de arquivos aceita no máximo %1</numerusform>
        </translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>ele é %1</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>ele é somente leitura</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>sua pasta não existe</translation>
    </message>
    <message>
        <source>it is a link to nothing</source>
        <translation>ele é um link para nada</translation>
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
        <translation>um arquivo</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>um pipe nomeado</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>out of reach</source>
        <translation>inacessível</translation>
    </message>
    <message>
        <source>out of reach (%1)</source>
        <translation>inacessível (%1)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>um link para nada</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>um link para %1</translation>
    </message>
</context>
<context>
    <name>LastExitSettings</name>
    <message>
        <source>Settings reset to last exit values</source>
        <translation>Configurações da última saída restauradas</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Configurações salvas</translation>
    </message>
    <message>
        <source>Settings reset to defaults: </source>
        <translation>Configurações redefinidas para os padrões: </translation>
    </message>
    <message>
        <source>Settings could not be saved: </source>
        <translation>Não foi possível salvar as configurações: </translation>
    </message>
    <message>
        <source>Settings reset to what could be read: </source>
        <translation>Configurações redefinidas para o que pôde ser lido: </translation>
    </message>
</context>
<context>
    <name>LoadedPrintSupport</name>
    <message>
        <source>the print module is not installed (looked for %1)</source>
        <translation>o módulo de impressão não está instalado (procurado em %1)</translation>
    </message>
    <message>
        <source>the print module %1 could not be loaded: %2</source>
        <translation>não foi possível carregar o módulo de impressão %1: %2</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>Ar&amp;quivo</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>S&amp;alvar configurações...</translation>
    </message>
    <message>
        <source>&amp;Restore Settings...</source>
        <translation>&amp;Carregar configurações...</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <translation>&amp;Reverter</translation>
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
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Quit without saving</source>
        <translation>&amp;Sair sem salvar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>I&amp;mprimir</translation>
    </message>
    <message>
        <source>Print &amp;Altitude...</source>
        <translation>Imprimir &amp;altura...</translation>
    </message>
    <message>
        <source>Print A&amp;zimuth/RA...</source>
        <translation>&amp;Imprimir azimute/AR...</translation>
    </message>
    <message>
        <source>Pre&amp;view Altitude</source>
        <translation>Vi&amp;sualizar altura</translation>
    </message>
    <message>
        <source>Previ&amp;ew Azimuth/RA</source>
        <translation>&amp;Visualizar azimute/AR</translation>
    </message>
    <message>
        <source>Printer &amp;scale...</source>
        <translation>&amp;Escala da impressora...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guia do usuário</translation>
    </message>
    <message>
        <source>&amp;About Vennaros</source>
        <translation>&amp;Sobre o Vennaros</translation>
    </message>
    <message>
        <source>&amp;Proof sheet...</source>
        <translation>&amp;Folha de prova...</translation>
    </message>
    <message>
        <source>Preview pr&amp;oof sheet</source>
        <translation>Visualizar folha de p&amp;rova</translation>
    </message>
    <message>
        <source>&amp;Wrap tape...</source>
        <translation>Fi&amp;ta para enrolar...</translation>
    </message>
    <message>
        <source>Wrap tape</source>
        <translation>Fita para enrolar</translation>
    </message>
    <message>
        <source>Length of the tape, with its unit (1000mm or 40in):</source>
        <translation>Comprimento da fita, com sua unidade (1000mm ou 40in):</translation>
    </message>
</context>
<context>
    <name>NumberSpacing</name>
    <message>
        <source>Numbers touch: font size %1 or less fits</source>
        <translation>Os números se tocam: cabe tamanho de fonte %1 ou menor</translation>
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
        <translation>Uma barra de 100 mm e outra de 50 mm abaixo da legenda, para medir a impressão</translation>
    </message>
    <message>
        <source>Split lon&amp;g strips over pages</source>
        <translation>Dividir &amp;tiras longas</translation>
    </message>
    <message>
        <source>Print a strip longer than the paper in overlapping segments</source>
        <translation>Imprimir uma tira mais longa que o papel em segmentos sobrepostos</translation>
    </message>
    <message>
        <source>Pr&amp;int verniers</source>
        <translation>N&amp;ônios</translation>
    </message>
    <message>
        <source>A vernier below each strip, to read a tenth of its smallest mark</source>
        <translation>Um nônio abaixo de cada tira, para ler um décimo da menor divisão</translation>
    </message>
    <message>
        <source>A second number row on azimuth and RA strips, counting the other way</source>
        <translation>Uma segunda fila de números nas tiras de azimute e AR, contando no sentido contrário</translation>
    </message>
    <message>
        <source>Print rings instead of strips</source>
        <translation>Anéis em vez de tiras</translation>
    </message>
    <message>
        <source>Each circle as a flat ring of the size&apos;s outer diameter, for a ground board or a disc</source>
        <translation>Cada círculo como anel plano cujo diâmetro externo é o tamanho, para uma base ou um disco</translation>
    </message>
    <message>
        <source>Half-&amp;degree marks</source>
        <translation>Tra&amp;ços de meio grau</translation>
    </message>
    <message>
        <source>A mark at every half degree (every 5 minutes on RA), with 1° marks only</source>
        <translation>Um traço a cada meio grau (a cada 5 minutos em AR), só com divisão de 1°</translation>
    </message>
    <message>
        <source>Signed declination</source>
        <translation>Declinação com sinal</translation>
    </message>
    <message>
        <source>Altitude numbers +90 ... 0 ... -90, as a declination circle reads</source>
        <translation>Números de altura +90 ... 0 ... -90, como num círculo de declinação</translation>
    </message>
    <message>
        <source>Zero at, degrees</source>
        <translation>Zero em, graus</translation>
    </message>
    <message>
        <source>The reading, in degrees, the strips start at (RA: its hours)</source>
        <translation>A leitura, em graus, em que as tiras começam (AR: suas horas)</translation>
    </message>
    <message>
        <source>Closing tab</source>
        <translation>Aba de colagem</translation>
    </message>
    <message>
        <source>Printer s&amp;cale...</source>
        <translation>&amp;Escala...</translation>
    </message>
    <message>
        <source>Measure and correct the current printer&apos;s scale</source>
        <translation>Medir e corrigir a escala da impressora atual</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Página...</translation>
    </message>
    <message>
        <source>Choose the current printer&apos;s paper and orientation, without printing</source>
        <translation>Escolher o papel e a orientação da impressora atual, sem imprimir</translation>
    </message>
    <message>
        <source>Pre&amp;view Alt.</source>
        <translation>Pré&amp;via Alt.</translation>
    </message>
    <message>
        <source>Show the sheets Print Alt. would print, without printing</source>
        <translation>Mostrar as folhas que &quot;Impr. Alt.&quot; imprimiria, sem imprimir</translation>
    </message>
    <message>
        <source>Show the sheets Print Az. or Print RA would print, without printing</source>
        <translation>Mostrar as folhas que &quot;Impr. Az.&quot; ou &quot;Impr. AR&quot; imprimiria, sem imprimir</translation>
    </message>
    <message>
        <source>&amp;Zero at</source>
        <translation>Zer&amp;o em</translation>
    </message>
    <message>
        <source>Previ&amp;ew RA</source>
        <translation>Pr&amp;évia AR</translation>
    </message>
    <message>
        <source>Previ&amp;ew Az.</source>
        <translation>Prévia A&amp;z.</translation>
    </message>
    <message>
        <source>Paper: </source>
        <translation>Papel: </translation>
    </message>
    <message>
        <source>Pri&amp;nt scale check</source>
        <translation>&amp;Controle de escala</translation>
    </message>
    <message>
        <source>Numbers both wa&amp;ys</source>
        <translation>&amp;Números nos dois sentidos</translation>
    </message>
    <message>
        <source>Ring read from its centre</source>
        <translation>Anel lido do centro</translation>
    </message>
    <message>
        <source>A ring&apos;s numbers upright from its centre, for a disc; otherwise from outside it, as on a ground board</source>
        <translation>Os números de um anel em pé a partir do centro, para um disco; senão de fora, como numa base</translation>
    </message>
    <message>
        <source>The strip&apos;s first long division again after its end, to join the wrapped strip mark over mark (not with an arc: an arc does not close)</source>
        <translation>A primeira divisão longa da tira de novo após o fim, para fechar a tira enrolada traço sobre traço (não com um arco: um arco não se fecha)</translation>
    </message>
    <message>
        <source>Print only the arc from one mark to another: degrees (RA: hours), both empty for the whole circle; altitude 0 to 90, rising or falling</source>
        <translation>Imprimir só o arco de uma marca a outra: graus (AR: horas), ambos vazios para o círculo inteiro; altura de 0 a 90, crescente ou decrescente</translation>
    </message>
    <message>
        <source>Arc from</source>
        <translation>Arco de</translation>
    </message>
    <message>
        <source>Arc to</source>
        <translation>Arco até</translation>
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
        <translation>Visualizar impressão</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Folhas</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 folha</translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n folha</numerusform>
            <numerusform>%n folhas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2 %3, %4 × %5 mm</source>
        <translation>%1 em %2 %3, %4 × %5 mm</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Folha %1 de %2</translation>
    </message>
    <message>
        <source>Strip length %1 mm (%2 in.), ring diameter %3 mm (%4 in.)</source>
        <translation>Comprimento da tira %1 mm (%2 pol), diâmetro do anel %3 mm (%4 pol)</translation>
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
        <translation>Imprimindo o círculo de altura...</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>Círculo de declinação</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Círculo de azimute</translation>
    </message>
    <message>
        <source>Printing azimuth...</source>
        <translation>Imprimindo o círculo de azimute...</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>Círculo de AR</translation>
    </message>
    <message>
        <source>Printing RA</source>
        <translation>Imprimindo o círculo de AR</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed</source>
        <translation>A impressora &quot;%1&quot; não está mais instalada</translation>
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
        <translation>Traços de meio grau precisam de um diâmetro de pelo menos %1 %2.</translation>
    </message>
    <message>
        <source>Half-degree marks need a length of at least %1 %2.</source>
        <translation>Traços de meio grau precisam de um comprimento de pelo menos %1 %2.</translation>
    </message>
    <message>
        <source>Zero at must be 0 to %1 degrees in steps of %2.</source>
        <translation>Zero em deve ir de 0 a %1 graus em passos de %2.</translation>
    </message>
    <message>
        <source>Must be numeric.</source>
        <translation>Deve ser um número.</translation>
    </message>
    <message>
        <source>Print function error.</source>
        <translation>Erro de impressão.</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Não foi possível escolher uma impressora: </translation>
    </message>
    <message>
        <source>%1 size must be at least %2 %3</source>
        <translation>%1: o tamanho deve ser de pelo menos %2 %3</translation>
    </message>
    <message>
        <source>Print function error: %1.</source>
        <translation>Erro de impressão: %1.</translation>
    </message>
    <message>
        <source>%1 %2 %3 dia.</source>
        <translation>%1 %2 %3 diâm.</translation>
    </message>
    <message>
        <source>%1 %2 %3 len.</source>
        <translation>%1 %2 %3 compr.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for split strips.</source>
        <translation>%1: comprimento máx. %2 %3 para tiras divididas.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for current page width.</source>
        <translation>%1: comprimento máx. %2 %3 para a largura de página atual.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for the printable width.</source>
        <translation>%1: comprimento máx. %2 %3 para a largura imprimível.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for split rings.</source>
        <translation>%1: diâmetro máx. do anel %2 %3 para anéis divididos.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for the printable area.</source>
        <translation>%1: diâmetro máx. do anel %2 %3 para a área imprimível.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Uma tira %1 precisa de um diâmetro de pelo menos %2 %3: vire o papel na horizontal ou divida a tira.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Uma tira %1 precisa de pelo menos %2 %3: vire o papel na horizontal ou divida a tira.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape.</source>
        <translation>Uma tira %1 precisa de um diâmetro de pelo menos %2 %3: vire o papel na horizontal.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape.</source>
        <translation>Uma tira %1 precisa de pelo menos %2 %3: vire o papel na horizontal.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: split it.</source>
        <translation>Uma tira %1 precisa de um diâmetro de pelo menos %2 %3: divida a tira.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: split it.</source>
        <translation>Uma tira %1 precisa de pelo menos %2 %3: divida a tira.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: choose a larger paper.</source>
        <translation>Uma tira %1 precisa de um diâmetro de pelo menos %2 %3: escolha um papel maior.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: choose a larger paper.</source>
        <translation>Uma tira %1 precisa de pelo menos %2 %3: escolha um papel maior.</translation>
    </message>
    <message>
        <source>altitude</source>
        <comment>in: An altitude strip needs...</comment>
        <translation>de altura</translation>
    </message>
    <message>
        <source>azimuth</source>
        <comment>in: An azimuth strip needs...</comment>
        <translation>de azimute</translation>
    </message>
    <message>
        <source>RA</source>
        <comment>in: An RA strip needs...</comment>
        <translation>de AR</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for a drawing.</source>
        <translation>%1: comprimento máx. %2 %3 para um desenho.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for a drawing.</source>
        <translation>%1: diâmetro máx. do anel %2 %3 para um desenho.</translation>
    </message>
    <message>
        <source>Arc from and to must be 0 to 24 hours in steps of 10 minutes.</source>
        <translation>Os extremos do arco devem ser de 0 a 24 horas em passos de 10 minutos.</translation>
    </message>
    <message>
        <source>Arc from and to must be %1 to %2 degrees in steps of %3.</source>
        <translation>Os extremos do arco devem ser de %1 a %2 graus em passos de %3.</translation>
    </message>
    <message>
        <source>Arc from and to need a value each, or none for the whole circle.</source>
        <translation>Os extremos do arco precisam de um valor cada, ou nenhum para o círculo inteiro.</translation>
    </message>
    <message>
        <source>Arc from and to must be numeric.</source>
        <translation>Os extremos do arco devem ser numéricos.</translation>
    </message>
    <message>
        <source>Arc from and to must be different marks.</source>
        <translation>Os extremos do arco devem ser marcas diferentes.</translation>
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
        <translation>a impressora não tem nome</translation>
    </message>
    <message>
        <source>%1 is larger than a page can be (%2 mm a side)</source>
        <translation>%1 é maior do que uma página pode ser (%2 mm de lado)</translation>
    </message>
    <message>
        <source>its value cannot be read as a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>o valor não pode ser lido como papel e orientação, como &quot;A4, portrait&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>&quot;%1&quot; não é um papel com orientação, como &quot;A4, portrait&quot;</translation>
    </message>
</context>
<context>
    <name>PrinterScaleDialog</name>
    <message>
        <source>Bar along the paper&apos;s &amp;width (%1 mm), measured in mm:</source>
        <translation>Barra ao longo da &amp;largura do papel (%1 mm), medida em mm:</translation>
    </message>
    <message>
        <source>Bar along the paper&apos;s &amp;length (%1 mm), measured in mm:</source>
        <translation>Barra ao longo do &amp;comprimento do papel (%1 mm), medida em mm:</translation>
    </message>
    <message>
        <source>Factors kept for this printer: %1 along the paper&apos;s width, %2 along its length.</source>
        <translation>Fatores guardados para esta impressora: %1 ao longo da largura do papel, %2 ao longo do comprimento.</translation>
    </message>
    <message>
        <source>1. Print the calibration page (with any scaling or &quot;fit to page&quot; option of the printer off).
2. Measure each bar from its first to its last mark.
3. Type the two lengths and press OK: every page on this printer is then corrected.</source>
        <translation>1. Imprima a página de calibração (com a opção de escala ou &quot;ajustar à página&quot; da impressora desligada).
2. Meça cada barra do primeiro ao último traço.
3. Digite os dois comprimentos e pressione OK: a partir daí cada página desta impressora é corrigida.</translation>
    </message>
    <message>
        <source>Print calibration page...</source>
        <translation>Imprimir página de calibração...</translation>
    </message>
    <message>
        <source>Back to 1 and 1 for this printer</source>
        <translation>Voltar a 1 e 1 para esta impressora</translation>
    </message>
    <message>
        <source>Printer scale - </source>
        <translation>Escala da impressora - </translation>
    </message>
    <message>
        <source>Printer: </source>
        <translation>Impressora: </translation>
    </message>
    <message>
        <source>The value kept for this printer is unusable (%1): it prints with 1 along both axes until new lengths are kept.</source>
        <translation>O valor guardado para esta impressora é inutilizável (%1): ela imprime com 1 nos dois eixos até que novos comprimentos sejam guardados.</translation>
    </message>
    <message>
        <source>The printer can&apos;t be read: </source>
        <translation>Não foi possível ler a impressora: </translation>
    </message>
    <message>
        <source>The calibration page was printed: measure its two bars.</source>
        <translation>A página de calibração foi impressa: meça suas duas barras.</translation>
    </message>
    <message>
        <source>The calibration page could not be printed: </source>
        <translation>Não foi possível imprimir a página de calibração: </translation>
    </message>
    <message>
        <source>Type the lengths of both bars as measured.</source>
        <translation>Digite os comprimentos medidos das duas barras.</translation>
    </message>
    <message>
        <source>The factors could not be kept: </source>
        <translation>Não foi possível guardar os fatores: </translation>
    </message>
    <message>
        <source>Printer scale of %1: %2</source>
        <translation>Escala da impressora %1: %2</translation>
    </message>
    <message>
        <source>Printer scale of %1: 1 1</source>
        <translation>Escala da impressora %1: 1 1</translation>
    </message>
    <message>
        <source>This printer is back to 1 and 1.</source>
        <translation>Esta impressora voltou a 1 e 1.</translation>
    </message>
</context>
<context>
    <name>PrinterScales</name>
    <message>
        <source>&quot;%1&quot; is not two factors from 0.9 to 1.1</source>
        <translation>&quot;%1&quot; não são dois fatores de 0.9 a 1.1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length: type the length measured in millimetres.</source>
        <translation>&quot;%1&quot; não é um comprimento: digite o comprimento medido em milímetros.</translation>
    </message>
    <message>
        <source>%1 mm for the %2 mm bar gives a factor of %3; only factors from 0.9 to 1.1 can be corrected. Measure the bar again from its first to its last mark.</source>
        <translation>%1 mm para a barra de %2 mm dá um fator de %3; só fatores de 0,9 a 1,1 podem ser corrigidos. Meça a barra de novo, do primeiro ao último traço.</translation>
    </message>
    <message>
        <source>its factors cannot be read; they are kept as two numbers from 0.9 to 1.1 with a decimal point, the width&apos;s first: &quot;1.01 0.99&quot;</source>
        <translation>os fatores não podem ser lidos; são guardados como dois números de 0.9 a 1.1 com ponto decimal, primeiro o da largura: &quot;1.01 0.99&quot;</translation>
    </message>
</context>
<context>
    <name>ProofSheet</name>
    <message>
        <source>Widths %1-%2-%3, Height %4, Font %5</source>
        <translation>Larguras %1-%2-%3, Altura %4, Fonte %5</translation>
    </message>
    <message>
        <source>Proof sheet: %1 samples of 10 degrees don&apos;t fit this paper.</source>
        <translation>Folha de prova: as amostras de 10 graus do círculo %1 não cabem neste papel.</translation>
    </message>
    <message>
        <source>Proof sheet: %1, samples of %2°</source>
        <translation>Folha de prova: %1, amostras de %2°</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>the settings store %1 (%2)</source>
        <comment>%1: what is wrong with it, %2: its path</comment>
        <translation>o armazenamento de configurações %1 (%2)</translation>
    </message>
    <message>
        <source>is %1</source>
        <translation>é %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB</source>
        <translation>tem mais de 1 MiB</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>is read-only</source>
        <translation>é somente leitura</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>não consegue gravar %1</translation>
    </message>
    <message>
        <source>the settings store can be read only in part and no copy of it could be made (%1)</source>
        <translation>o armazenamento de configurações só pode ser lido em parte e nenhuma cópia dele pôde ser feita (%1)</translation>
    </message>
    <message>
        <source>the settings store can be read only in part; the whole file is kept as %1</source>
        <translation>o armazenamento de configurações só pode ser lido em parte; o arquivo inteiro está guardado como %1</translation>
    </message>
</context>
<context>
    <name>QueueJobFollower</name>
    <message>
        <source>The printer %1 stopped the page%2.</source>
        <translation>A impressora %1 parou a página%2.</translation>
    </message>
    <message>
        <source>The printer %1 could not print the page%2.</source>
        <translation>A impressora %1 não conseguiu imprimir a página%2.</translation>
    </message>
    <message>
        <source>The page was cancelled on the printer %1.</source>
        <translation>A página foi cancelada na impressora %1.</translation>
    </message>
    <message>
        <source>The printer %1 holds the page%2.</source>
        <translation>A impressora %1 retém a página%2.</translation>
    </message>
    <message>
        <source>The printer %1 is paused: the page waits in its queue.</source>
        <translation>A impressora %1 está em pausa: a página espera na fila.</translation>
    </message>
    <message>
        <source>The printer %1 has stopped: the page waits in its queue.</source>
        <translation>A impressora %1 está parada: a página espera na fila.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has not printed the page yet: %2</source>
        <translation>A impressora &quot;%1&quot; ainda não imprimiu a página: %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has printed the page.</source>
        <translation>A impressora &quot;%1&quot; imprimiu a página.</translation>
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
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
</context>
<context>
    <name>SettingsFileCommands</name>
    <message>
        <source>Saved settings files (*.txt)|*.txt</source>
        <translation>Arquivos de configurações salvos (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Create new or overwrite settings file</source>
        <translation>Criar ou sobrescrever um arquivo de configurações</translation>
    </message>
    <message>
        <source>Restore settings files (*.txt)|*.txt</source>
        <translation>Arquivos de configurações a carregar (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Restore settings from file</source>
        <translation>Carregar configurações de um arquivo</translation>
    </message>
    <message>
        <source>Error %1, %2</source>
        <translation>Erro %1, %2</translation>
    </message>
    <message>
        <source>Confirm Overwrite</source>
        <translation>Confirmar sobrescrita</translation>
    </message>
    <message>
        <source>Will be overwritten!</source>
        <translation>Será sobrescrito!</translation>
    </message>
    <message>
        <source>Write settings file error</source>
        <translation>Erro ao gravar o arquivo de configurações</translation>
    </message>
    <message>
        <source>Error writting to setting file</source>
        <translation>Erro ao gravar no arquivo de configurações</translation>
    </message>
    <message>
        <source>Settings saved to &apos;%1&apos;</source>
        <translation>Configurações salvas em &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Read settings file error</source>
        <translation>Erro ao ler o arquivo de configurações</translation>
    </message>
    <message>
        <source>Error reading setting file</source>
        <translation>Erro ao ler o arquivo de configurações</translation>
    </message>
    <message>
        <source>1 setting restored from &apos;%1&apos;</source>
        <translation>1 configuração carregada de &apos;%1&apos;</translation>
    </message>
    <message numerus="yes">
        <source>%n settings restored from &apos;%1&apos;</source>
        <translation>
            <numerusform>%n configuração carregada de &apos;%1&apos;</numerusform>
            <numerusform>%n configurações carregadas de &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;) could not be applied</source>
        <translation>a linha %1 (&quot;%2&quot;) não pôde ser aplicada</translation>
    </message>
    <message>
        <source>the file ends after line %1</source>
        <translation>o arquivo termina após a linha %1</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 settings restored from &apos;%2&apos;: %3.</source>
        <translation>
            <numerusform>%n de %1 configurações carregada de &apos;%2&apos;: %3.</numerusform>
            <numerusform>%n de %1 configurações carregadas de &apos;%2&apos;: %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>Cannot uncheck both circle styles.</source>
        <translation>Não é possível desmarcar os dois estilos de círculo.</translation>
    </message>
</context>
<context>
    <name>SheetAids</name>
    <message>
        <source>Cut each piece on its cut line; lay its end over the next piece, A on A, marks on marks</source>
        <translation>Corte cada pedaço na sua linha de corte; ponha a ponta sobre o pedaço seguinte, A sobre A, traços sobre traços</translation>
    </message>
    <message>
        <source>Sheet %1</source>
        <translation>Folha %1</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Folha %1 de %2</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>Guia do usuário do %1</translation>
    </message>
    <message>
        <source>The user guide could not be read: %1</source>
        <translation>Não foi possível ler o guia do usuário: %1</translation>
    </message>
</context>
<context>
    <name>ValueLabel</name>
    <message>
        <source>%1 in.</source>
        <translation>%1 pol</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 = %2 line</source>
        <translation>%1 = linha de %2</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1 pt = %2 digits</source>
        <translation>%1 pt = algarismos de %2</translation>
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
        <translation>Exportar círculo de azimute/AR</translation>
    </message>
    <message>
        <source>The paper could not be kept: </source>
        <translation>Não foi possível guardar o papel: </translation>
    </message>
    <message>
        <source>paper unknown</source>
        <translation>papel desconhecido</translation>
    </message>
    <message>
        <source>no printer</source>
        <translation>nenhuma impressora</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Não foi possível escolher uma impressora: </translation>
    </message>
    <message>
        <source>Printer scale for &apos;%1&apos; ignored: %2; it prints unscaled.</source>
        <translation>Escala da impressora &apos;%1&apos; ignorada: %2; ela imprime sem correção.</translation>
    </message>
    <message>
        <source>The user guide is not installed; &quot;man vennaros&quot; describes the program.</source>
        <translation>O guia do usuário não está instalado; &quot;man vennaros&quot; descreve o programa.</translation>
    </message>
    <message>
        <source>The paper kept for &apos;%1&apos; is not used: %2; it prints on the printer&apos;s own paper.</source>
        <translation>O papel guardado para &apos;%1&apos; não é usado: %2; a impressora imprime no seu próprio papel.</translation>
    </message>
    <message>
        <source>%1, turned to fit</source>
        <translation>%1, girado para caber</translation>
    </message>
</context>
<context>
    <name>WrapTape</name>
    <message>
        <source>Wrap tape</source>
        <translation>Fita para enrolar</translation>
    </message>
    <message>
        <source>Wrap tape: &apos;%1&apos; is not a length; give it with its unit, for example 1000mm or 40in.</source>
        <translation>Fita para enrolar: &apos;%1&apos; não é um comprimento; informe-o com sua unidade, por exemplo 1000mm ou 40in.</translation>
    </message>
    <message>
        <source>Wrap tape %1</source>
        <translation>Fita para enrolar %1</translation>
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
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Size is diameter</source>
        <translation>O tamanho é o diâmetro</translation>
    </message>
    <message>
        <source>Size is length</source>
        <translation>O tamanho é o comprimento</translation>
    </message>
    <message>
        <source>size is mm</source>
        <translation>tamanho em mm</translation>
    </message>
    <message>
        <source>Size in inches</source>
        <translation>Tamanho em polegadas</translation>
    </message>
    <message>
        <source>Circle styles</source>
        <translation>Estilos de círculo</translation>
    </message>
    <message>
        <source>&amp;Black on White background</source>
        <translation>Preto sobre f&amp;undo branco</translation>
    </message>
    <message>
        <source>&amp;White on Black background</source>
        <translation>&amp;Branco sobre fundo preto</translation>
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
        <translation>C</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>in.</source>
        <translation>pol</translation>
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
        <translation>Az E&gt;&amp;D +</translation>
    </message>
    <message>
        <source>Az circle left to right numbers increase</source>
        <translation>Círculo de azimute: números crescentes da esquerda para a direita</translation>
    </message>
    <message>
        <source>Quit without saving settings</source>
        <translation>Sair sem salvar as configurações</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Fec&amp;har</translation>
    </message>
    <message>
        <source>Exit and save settings</source>
        <translation>Fechar salvando as configurações</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reverter</translation>
    </message>
    <message>
        <source>Reset to last exit settings from registry</source>
        <translation>Reverter para as configurações guardadas ao Fechar da última vez</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Sa&amp;lvar</translation>
    </message>
    <message>
        <source>Save current settings to file</source>
        <translation>Salvar as configurações atuais em um arquivo</translation>
    </message>
    <message>
        <source>Rest&amp;ore</source>
        <translation>Carre&amp;gar</translation>
    </message>
    <message>
        <source>Paper and orientation are kept for each printer.</source>
        <translation>Papel e orientação valem por impressora.</translation>
    </message>
    <message>
        <source>Prin&amp;t RA</source>
        <translation>&amp;Impr. AR</translation>
    </message>
    <message>
        <source>Prin&amp;t Az.</source>
        <translation>Im&amp;pr. Az.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Smallest Mar&amp;k Degree</source>
        <translation>Menor divis&amp;ão (graus)</translation>
    </message>
    <message>
        <source>Altit&amp;ude / DECL Circle Size</source>
        <translation>Tamanho círculo altura / DEC</translation>
    </message>
    <message>
        <source>Azi&amp;muth / RA Circle Size</source>
        <translation>Tamanho c&amp;írculo azimute / AR</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vennaros: %1
Try &apos;vennaros --help&apos;.
</source>
        <translation>vennaros: %1
Tente &apos;vennaros --help&apos;.
</translation>
    </message>
    <message>
        <source>there is no platform plugin &apos;%1&apos;</source>
        <translation>não há plugin de plataforma &apos;%1&apos;</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY e WAYLAND_DISPLAY não estão definidas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be reached</source>
        <translation>&apos;%1&apos; não pode ser alcançado</translation>
    </message>
    <message>
        <source>vennaros: cannot open a display: %1; --print-pdf, --svg and --dxf need none.
</source>
        <translation>vennaros: não foi possível abrir uma tela: %1; --print-pdf, --svg e --dxf não precisam de nenhuma.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8; no file is read or written under another name.
</source>
        <translation>vennaros: &apos;%1&apos; não é UTF-8 válido; nenhum arquivo é lido ou gravado com outro nome.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8.
</source>
        <translation>vennaros: &apos;%1&apos; não é UTF-8 válido.
</translation>
    </message>
    <message>
        <source>vennaros: the value of --%1 is not valid UTF-8.
</source>
        <translation>vennaros: o valor de --%1 não é UTF-8 válido.
</translation>
    </message>
</context>
<context>
    <name>programinfo</name>
    <message>
        <source>Prints graduated setting circles for telescope mounts at their exact size.</source>
        <translation>Imprime círculos graduados para montagens de telescópio no seu tamanho exato.</translation>
    </message>
</context>
</TS>
