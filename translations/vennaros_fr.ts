<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icône du programme</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Home: </source>
        <translation>Site&#xa0;: </translation>
    </message>
    <message>
        <source>Report a fault: </source>
        <translation>Signaler un défaut&#xa0;: </translation>
    </message>
    <message>
        <source>The user guide and the manual page are in English.</source>
        <translation>Le guide d’utilisation et la page de manuel sont en anglais.</translation>
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
        <translation>Dans la longueur du papier&#xa0;: %1 mm</translation>
    </message>
    <message>
        <source>Along the paper&apos;s width: %1 mm</source>
        <translation>Dans la largeur du papier&#xa0;: %1 mm</translation>
    </message>
    <message>
        <source>%1 (the bar across the top)</source>
        <translation>%1 (la barre en travers du haut)</translation>
    </message>
    <message>
        <source>%1 (the bar down the left side)</source>
        <translation>%1 (la barre le long du bord gauche)</translation>
    </message>
    <message>
        <source>Printer scale calibration for %1</source>
        <translation>Étalonnage de l’échelle de l’imprimante %1</translation>
    </message>
    <message>
        <source>Measure each bar from its first to its last mark, in millimetres, and type</source>
        <translation>Mesurez chaque barre de son premier à son dernier trait, en millimètres, et saisissez</translation>
    </message>
    <message>
        <source>the two lengths into the Printer scale dialog. Print this page with any</source>
        <translation>les deux longueurs dans la boîte Échelle de l’imprimante. Imprimez cette page avec</translation>
    </message>
    <message>
        <source>scaling or &quot;fit to page&quot; option of the printer switched off.</source>
        <translation>toute mise à l’échelle ou option «&#xa0;ajuster à la page&#xa0;» de l’imprimante désactivée.</translation>
    </message>
</context>
<context>
    <name>CaptionLine</name>
    <message>
        <source>%1 ring diameter = %2 %3</source>
        <translation>%1, diamètre de l’anneau = %2 %3</translation>
    </message>
    <message>
        <source>%1 Circle length = %2 %3</source>
        <translation>%1, longueur du cercle = %2 %3</translation>
    </message>
    <message>
        <source>, Smallest mark = %1°, Line (small, 5°, 10°) Widths  = %2</source>
        <translation>, Plus petite graduation = %1°, Épaisseurs des traits (petits, 5°, 10°) = %2</translation>
    </message>
    <message>
        <source>, Line (10min, 30min, 1hr) Widths  = %1</source>
        <translation>, Épaisseurs des traits (10 min, 30 min, 1 h) = %1</translation>
    </message>
    <message>
        <source>, Heights = %1, Font size = %2</source>
        <translation>, Hauteurs = %1, Taille de police = %2</translation>
    </message>
    <message>
        <source>, 5min marks</source>
        <translation>, traits de 5 min</translation>
    </message>
    <message>
        <source>, half-degree marks</source>
        <translation>, traits au demi-degré</translation>
    </message>
    <message>
        <source>, zero at %1</source>
        <translation>, zéro à %1</translation>
    </message>
    <message>
        <source>, vernier %1</source>
        <translation>, vernier %1</translation>
    </message>
    <message>
        <source>, numbers both ways</source>
        <translation>, chiffres dans les deux sens</translation>
    </message>
    <message>
        <source>, Printer scale = %1</source>
        <translation>, Échelle de l’imprimante = %1</translation>
    </message>
    <message>
        <source>ring diameter = %1 %2</source>
        <translation>diamètre de l’anneau = %1 %2</translation>
    </message>
    <message>
        <source>Circle length = %1 %2 (%3 %2)</source>
        <translation>longueur du cercle = %1 %2 (%3 %2)</translation>
    </message>
    <message>
        <source>%1 arc %2 of %3</source>
        <translation>%1, arc %2 de %3</translation>
    </message>
</context>
<context>
    <name>CircleSetColumn</name>
    <message>
        <source>Smallest Mark Width</source>
        <translation>Épaisseur petit trait</translation>
    </message>
    <message>
        <source>5° Mark Width</source>
        <translation>Épaisseur trait 5°</translation>
    </message>
    <message>
        <source>10° Mark Width</source>
        <translation>Épaisseur trait 10°</translation>
    </message>
    <message>
        <source>Circle Height</source>
        <translation>Hauteur du cercle</translation>
    </message>
    <message>
        <source>Text Font Size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>&amp;1st Circle to Print</source>
        <translation>Imprimer cercle &amp;1</translation>
    </message>
    <message>
        <source>&amp;2nd Circle to Print</source>
        <translation>Imprimer cercle &amp;2</translation>
    </message>
    <message>
        <source>&amp;3rd Circle to Print</source>
        <translation>Imprimer cercle &amp;3</translation>
    </message>
    <message>
        <source>Scale on Top</source>
        <translation>Échelle en haut</translation>
    </message>
    <message>
        <source>Scale on Top %1</source>
        <translation>Échelle en haut %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--size needs a number and its unit, for example 450mm or 3.5in, not &apos;%1&apos;.</source>
        <translation>--size demande un nombre et son unité, par exemple 450mm ou 3.5in, pas &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--ra and --decreasing go with --azimuth.</source>
        <translation>--ra et --decreasing vont avec --azimuth.</translation>
    </message>
    <message>
        <source>--signed-dec goes with --altitude.</source>
        <translation>--signed-dec va avec --altitude.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--print-pdf, --svg and --dxf: give one of them.</source>
        <translation>--print-pdf, --svg et --dxf&#xa0;: donnez-en un seul.</translation>
    </message>
    <message>
        <source>--settings, --paper, --landscape, --altitude, --azimuth and the circle&apos;s options go with --print-pdf FILE, --svg FILE or --dxf FILE.</source>
        <translation>--settings, --paper, --landscape, --altitude, --azimuth et les options du cercle vont avec --print-pdf FILE, --svg FILE ou --dxf FILE.</translation>
    </message>
    <message>
        <source>--paper and --landscape go with --print-pdf: a drawing has no paper.</source>
        <translation>--paper et --landscape vont avec --print-pdf&#xa0;: un dessin n’a pas de papier.</translation>
    </message>
    <message>
        <source>--%1 needs one of --altitude and --azimuth.</source>
        <translation>--%1 demande --altitude ou --azimuth.</translation>
    </message>
    <message>
        <source>--print-pdf needs the name of the PDF file to write.</source>
        <translation>--print-pdf demande le nom du fichier PDF à écrire.</translation>
    </message>
    <message>
        <source>--%1 needs the name of the drawing file to write.</source>
        <translation>--%1 demande le nom du fichier de dessin à écrire.</translation>
    </message>
    <message>
        <source>--settings needs the name of a settings file.</source>
        <translation>--settings demande le nom d’un fichier de réglages.</translation>
    </message>
    <message>
        <source>--paper needs the name of a paper size, for example A4.</source>
        <translation>--paper demande le nom d’un format de papier, par exemple A4.</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos; (A4, Letter, A3, Legal, ...)</source>
        <translation>papier inconnu &apos;%1&apos; (A4, Letter, A3, Legal, ...)</translation>
    </message>
    <message>
        <source>print this text and exit</source>
        <translation>afficher ce texte et quitter</translation>
    </message>
    <message>
        <source>print the name and version and exit</source>
        <translation>afficher le nom et la version et quitter</translation>
    </message>
    <message>
        <source>print the page a print button would print to the PDF file FILE,
without a window</source>
        <translation>imprimer dans le fichier PDF FILE la page qu’imprimerait un bouton
d’impression, sans fenêtre</translation>
    </message>
    <message>
        <source>the same as a DXF drawing</source>
        <translation>la même chose en dessin DXF</translation>
    </message>
    <message>
        <source>a settings file saved with &quot;Save&quot;, restored over the defaults</source>
        <translation>un fichier de réglages sauvé avec «&#xa0;Sauver&#xa0;», chargé par-dessus
les valeurs par défaut</translation>
    </message>
    <message>
        <source>the paper, for example A4, Letter, A3 or Legal (default: the
built-in PDF printer&apos;s paper)</source>
        <translation>le papier, par exemple A4, Letter, A3 ou Legal (par défaut&#xa0;: le
papier de l’imprimante PDF intégrée)</translation>
    </message>
    <message>
        <source>the paper turned to landscape</source>
        <translation>le papier tourné en paysage</translation>
    </message>
    <message>
        <source>the altitude circle (&quot;Print Alt.&quot;)</source>
        <translation>le cercle de hauteur («&#xa0;Impr. Alt.&#xa0;»)</translation>
    </message>
    <message>
        <source>the azimuth or RA circle, as the settings say (&quot;Print Az.&quot; or
&quot;Print RA&quot;)</source>
        <translation>le cercle d’azimut ou d’AD, selon les réglages («&#xa0;Impr. Az.&#xa0;» ou
«&#xa0;Impr. AD&#xa0;»)</translation>
    </message>
    <message>
        <source>the circle&apos;s size with its unit: 450mm, 3in, 3.5in or 3,5in; a
diameter (dia.) unless --length</source>
        <translation>la taille du cercle avec son unité&#xa0;: 450mm, 3in, 3.5in ou 3,5in&#xa0;;
un diamètre (Ø) sauf avec --length</translation>
    </message>
    <message>
        <source>the size is the strip&apos;s length (len.)</source>
        <translation>la taille est la longueur de la bande (L)</translation>
    </message>
    <message>
        <source>the RA circle instead of the azimuth circle</source>
        <translation>le cercle d’AD au lieu du cercle d’azimut</translation>
    </message>
    <message>
        <source>azimuth numbers decreasing from left to right (&quot;Az L&gt;R +&quot; clear)</source>
        <translation>chiffres d’azimut décroissants de gauche à droite («&#xa0;Az G&gt;D +&#xa0;»
décoché)</translation>
    </message>
    <message>
        <source>split a strip longer than the paper over pages, a ring larger
than the printable area into sectors</source>
        <translation>diviser sur plusieurs pages une bande plus longue que le papier, en
secteurs un anneau plus grand que la zone imprimable</translation>
    </message>
    <message>
        <source>print the circle as a flat ring instead of a strip; its size is
the ring&apos;s outer diameter, or with --length its circumference</source>
        <translation>imprimer le cercle en anneau plat au lieu d’une bande&#xa0;; sa taille
est le diamètre extérieur de l’anneau, ou avec --length sa
circonférence</translation>
    </message>
    <message>
        <source>a vernier below each strip or ring (&quot;Print verniers&quot;)</source>
        <translation>un vernier sous chaque bande ou anneau («&#xa0;Verniers&#xa0;»)</translation>
    </message>
    <message>
        <source>a second number row counting the other way (&quot;Numbers both ways&quot;)</source>
        <translation>une seconde rangée de chiffres dans l’autre sens («&#xa0;Chiffres dans
les deux sens&#xa0;»)</translation>
    </message>
    <message>
        <source>the scale check bars below the page (&quot;Print scale check&quot;)</source>
        <translation>les barres de contrôle d’échelle sous la page («&#xa0;Contrôle
d’échelle&#xa0;»)</translation>
    </message>
    <message>
        <source>a mark at every half degree (every 5 minutes on RA)</source>
        <translation>un trait à chaque demi-degré (toutes les 5 minutes en AD)</translation>
    </message>
    <message>
        <source>altitude numbers signed as declination: 90 ... 0 ... -90</source>
        <translation>chiffres de hauteur signés comme une déclinaison&#xa0;: 90 ... 0 ... -90</translation>
    </message>
    <message>
        <source>the strip starts at the reading N degrees (RA: its hours)</source>
        <translation>la bande commence à la lecture N degrés (AD&#xa0;: ses heures)</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Usage&#xa0;:</translation>
    </message>
    <message>
        <source>Without options it opens its window.</source>
        <translation>Sans option, il ouvre sa fenêtre.</translation>
    </message>
    <message>
        <source>
Exit status: 0 when the file was written, 1 when the job refused or failed (the reason on
standard error, no file written), 2 for a wrong command line.
See also: man vennaros
</source>
        <translation>
Code de sortie&#xa0;: 0 si le fichier a été écrit, 1 si la tâche a été refusée ou a échoué (la
raison sur la sortie d’erreur, aucun fichier écrit), 2 pour une ligne de commande erronée.
Voir aussi&#xa0;: man vennaros
</translation>
    </message>
    <message>
        <source>the strip&apos;s first long division again after its end, to close
the wrapped strip mark over mark (&quot;Closing tab&quot;)</source>
        <translation>la première grande division de la bande encore après sa fin, pour
fermer la bande enroulée trait sur trait («&#xa0;Languette de collage&#xa0;»)</translation>
    </message>
    <message numerus="yes">
        <source>--%1 is given %n times; give it once.</source>
        <translation>
            <numerusform>--%1 est donné %n fois&#xa0;; donnez-le une seule fois.</numerusform>
            <numerusform>--%1 est donné %n fois&#xa0;; donnez-le une seule fois.</numerusform>
        </translation>
    </message>
    <message>
        <source>--size: the number is too large.</source>
        <translation>--size&#xa0;: le nombre est trop grand.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees: RA hours always increase.</source>
        <translation>--decreasing va avec le cercle d’azimut en degrés&#xa0;: les heures d’AD croissent toujours.</translation>
    </message>
    <message>
        <source>--print-pdf writes a file, not standard output: name the PDF file to write.</source>
        <translation>--print-pdf écrit dans un fichier, pas sur la sortie standard&#xa0;: nommez le fichier PDF à écrire.</translation>
    </message>
    <message>
        <source>--settings reads a file, not standard input: name the settings file.</source>
        <translation>--settings lit un fichier, pas l’entrée standard&#xa0;: nommez le fichier de réglages.</translation>
    </message>
    <message>
        <source>--%1 needs a file name: &apos;%2&apos; starts with &apos;-&apos; as an option does; write such a name as ./%2.</source>
        <translation>--%1 demande un nom de fichier&#xa0;: &apos;%2&apos; commence par &apos;-&apos; comme une option&#xa0;; écrivez un tel nom sous la forme ./%2.</translation>
    </message>
    <message>
        <source>--split goes with --print-pdf: a drawing is never split.</source>
        <translation>--split va avec --print-pdf&#xa0;: un dessin n’est jamais divisé.</translation>
    </message>
    <message>
        <source>--scale-check goes with --print-pdf: a drawing has no scale check bars.</source>
        <translation>--scale-check va avec --print-pdf&#xa0;: un dessin n’a pas de barres de contrôle d’échelle.</translation>
    </message>
    <message>
        <source>--closing-tab goes with --print-pdf: a drawing has no closing tab.</source>
        <translation>--closing-tab va avec --print-pdf&#xa0;: un dessin n’a pas de languette de collage.</translation>
    </message>
    <message>
        <source>--both-ways goes with --azimuth: the altitude circle reads both ways already.</source>
        <translation>--both-ways va avec --azimuth&#xa0;: le cercle de hauteur se lit déjà dans les deux sens.</translation>
    </message>
    <message>
        <source>the whole strip or ring as an SVG drawing for a laser or vinyl
cutter, at its true size in millimetres, never split;
FILE - writes it to standard output</source>
        <translation>la bande ou l’anneau entier en dessin SVG pour une découpeuse laser
ou vinyle, à sa vraie taille en millimètres, jamais divisé&#xa0;;
FILE - l’écrit sur la sortie standard</translation>
    </message>
    <message>
        <source>--tape and --proof go with --print-pdf FILE.</source>
        <translation>--tape et --proof vont avec --print-pdf FILE.</translation>
    </message>
    <message>
        <source>--tape and --proof: give one of them.</source>
        <translation>--tape et --proof : donnez l&apos;un des deux.</translation>
    </message>
    <message>
        <source>--tape goes with --print-pdf, --paper and --landscape alone.</source>
        <translation>--tape va avec --print-pdf, --paper et --landscape seuls.</translation>
    </message>
    <message>
        <source>a wrap tape of that length (1000mm, 40in) ticked every millimetre
(1/20 in), to measure an axis in the printer&apos;s own millimetres</source>
        <translation>un ruban à enrouler de cette longueur (1000mm, 40in), gradué à chaque
millimètre (1/20 in), pour mesurer un axe en millimètres de l&apos;imprimante</translation>
    </message>
    <message>
        <source>a proof sheet: samples of the circle&apos;s graduation in every mark
width, height and font size, to choose a circle set by trying</source>
        <translation>une feuille d&apos;essai : des échantillons de la graduation du cercle dans
chaque largeur, hauteur et taille de police, pour choisir en essayant</translation>
    </message>
    <message>
        <source>--strokes goes with --svg and --dxf: a printed page is inked in full.</source>
        <translation>--strokes va avec --svg et --dxf&#xa0;: une page imprimée est encrée en entier.</translation>
    </message>
    <message>
        <source>with --svg or --dxf: marks as single lines and texts in a
single-stroke font, for vector lasers, pen plotters and drag
knives (default: filled outlines)</source>
        <translation>avec --svg ou --dxf&#xa0;: les traits en lignes simples et les textes
dans une police à trait unique, pour lasers vectoriels, traceurs
et couteaux de découpe (par défaut&#xa0;: contours remplis)</translation>
    </message>
    <message>
        <source>a ring&apos;s numbers upright as read from its centre, for a disc, not
from outside it (&quot;Ring read from its centre&quot;)</source>
        <translation>les nombres d’un anneau droits vus de son centre, pour un disque,
non de l’extérieur (« Anneau lu depuis son centre »)</translation>
    </message>
    <message>
        <source>--arc needs two values, FROM:TO, for example 0:90 or 350:10, not &apos;%1&apos;.</source>
        <translation>--arc demande deux valeurs, FROM:TO, par exemple 0:90 ou 350:10, pas &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>only the arc from the mark FROM to the mark TO, in the circle&apos;s
numbers: --arc 0:90 (altitude), 350:10 (azimuth), 18:6 (RA)</source>
        <translation>seulement l’arc du trait FROM au trait TO, dans les nombres du
cercle : --arc 0:90 (hauteur), 350:10 (azimut), 18:6 (AD)</translation>
    </message>
    <message>
        <source>These fifteen override the settings file.</source>
        <translation>Ces quinze l’emportent sur le fichier de réglages.</translation>
    </message>
</context>
<context>
    <name>DrawingExport</name>
    <message>
        <source>Export &amp;RA...</source>
        <translation>Exporter A&amp;D...</translation>
    </message>
    <message>
        <source>Export A&amp;zimuth...</source>
        <translation>&amp;Exporter azimut...</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)|*.svg|DXF drawing (*.dxf)|*.dxf</source>
        <translation>Dessin SVG (*.svg)|*.svg|Dessin DXF (*.dxf)|*.dxf</translation>
    </message>
    <message>
        <source>Written: </source>
        <translation>Écrit&#xa0;: </translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2.</source>
        <translation>Impossible d’écrire &apos;%1&apos;&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it is the program&apos;s settings store</source>
        <translation>c’est le magasin de réglages du programme</translation>
    </message>
    <message>
        <source>it is a settings file saved or restored since the start</source>
        <translation>c’est un fichier de réglages sauvé ou chargé depuis le démarrage</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>St&amp;yle&#xa0;:</translation>
    </message>
    <message>
        <source>Filled outlines (print, raster engraving)</source>
        <translation>Contours remplis (impression, gravure raster)</translation>
    </message>
    <message>
        <source>Single strokes (vector engraving, pen plotters)</source>
        <translation>Traits simples (gravure vectorielle, traceurs)</translation>
    </message>
</context>
<context>
    <name>ExportFileJobHost</name>
    <message>
        <source>standard output can&apos;t be written: %1</source>
        <translation>impossible d’écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font (hershey-fonts/rowmans.jhf), which is not installed; install the package hershey-fonts-data, or export filled outlines</source>
        <translation>les traits simples demandent la police Hershey simplex (hershey-fonts/rowmans.jhf), qui n’est pas installée&#xa0;; installez le paquet hershey-fonts-data, ou exportez des contours remplis</translation>
    </message>
    <message>
        <source>single strokes need the Hershey simplex font, and &apos;%1&apos; cannot be read as one; export filled outlines</source>
        <translation>les traits simples demandent la police Hershey simplex, et «&#xa0;%1&#xa0;» ne peut pas être lu comme telle&#xa0;; exportez des contours remplis</translation>
    </message>
</context>
<context>
    <name>FileCommand</name>
    <message>
        <source>vennaros: cannot read the settings file &apos;%1&apos;: %2</source>
        <translation>vennaros&#xa0;: impossible de lire le fichier de réglages &apos;%1&apos;&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>c’est %1</translation>
    </message>
    <message>
        <source>The others keep their defaults.</source>
        <translation>Les autres gardent leur valeur par défaut.</translation>
    </message>
    <message>
        <source>vennaros: cannot write &apos;%1&apos;: %2</source>
        <translation>vennaros&#xa0;: impossible d’écrire &apos;%1&apos;&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is the settings file</source>
        <translation>c’est le fichier de réglages</translation>
    </message>
    <message>
        <source>Nothing was printed: the size is empty or no circle set is enabled.</source>
        <translation>Rien n’a été imprimé&#xa0;: la taille est vide ou aucun jeu de cercle n’est coché.</translation>
    </message>
    <message>
        <source>--half-degree goes with the 1-degree graduation; the settings give marks every 5 degrees.</source>
        <translation>--half-degree va avec la graduation de 1°&#xa0;; les réglages donnent des traits tous les 5 degrés.</translation>
    </message>
    <message>
        <source>--decreasing goes with the azimuth circle in degrees; the settings ask for RA.</source>
        <translation>--decreasing va avec le cercle d’azimut en degrés&#xa0;; les réglages demandent l’AD.</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>no file name</source>
        <translation>aucun nom de fichier</translation>
    </message>
    <message>
        <source>the file name has characters the file system cannot keep</source>
        <translation>le nom contient des caractères que le système de fichiers ne peut pas garder</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>c’est %1</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>son dossier n’existe pas</translation>
    </message>
    <message>
        <source>it is a link to nothing</source>
        <translation>c’est un lien vers rien</translation>
    </message>
    <message numerus="yes">
        <source>the file name is %n bytes long; the file system takes at most %1</source>
        <translation>
            <numerusform>le nom fait %n octet&#xa0;; le système de fichiers en accepte au plus %1</numerusform>
            <numerusform>le nom fait %n octets&#xa0;; le système de fichiers en accepte au plus %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileTarget</name>
    <message>
        <source>missing</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un fichier</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>une socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>out of reach</source>
        <translation>inaccessible</translation>
    </message>
    <message>
        <source>out of reach (%1)</source>
        <translation>inaccessible (%1)</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>un lien vers rien</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>un lien vers %1</translation>
    </message>
</context>
<context>
    <name>LastExitSettings</name>
    <message>
        <source>Settings reset to last exit values</source>
        <translation>Réglages de la dernière sortie rétablis</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>Réglages sauvés</translation>
    </message>
    <message>
        <source>Settings reset to defaults: </source>
        <translation>Réglages remis aux valeurs par défaut&#xa0;: </translation>
    </message>
    <message>
        <source>Settings could not be saved: </source>
        <translation>Les réglages n’ont pas pu être sauvés&#xa0;: </translation>
    </message>
    <message>
        <source>Settings reset to what could be read: </source>
        <translation>Réglages remis à ce qui a pu être lu&#xa0;: </translation>
    </message>
</context>
<context>
    <name>LoadedPrintSupport</name>
    <message>
        <source>the print module is not installed (looked for %1)</source>
        <translation>le module d&apos;impression n&apos;est pas installé (cherché : %1)</translation>
    </message>
    <message>
        <source>the print module %1 could not be loaded: %2</source>
        <translation>le module d&apos;impression %1 n&apos;a pas pu être chargé : %2</translation>
    </message>
</context>
<context>
    <name>MainMenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save Settings...</source>
        <translation>Sauver &amp;les réglages...</translation>
    </message>
    <message>
        <source>&amp;Restore Settings...</source>
        <translation>&amp;Charger des réglages...</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>&amp;Mise en page...</translation>
    </message>
    <message>
        <source>Export A&amp;ltitude...</source>
        <translation>Exporter &amp;hauteur...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sortir</translation>
    </message>
    <message>
        <source>&amp;Quit without saving</source>
        <translation>&amp;Quitter sans sauver</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print &amp;Altitude...</source>
        <translation>I&amp;mprimer hauteur...</translation>
    </message>
    <message>
        <source>Print A&amp;zimuth/RA...</source>
        <translation>&amp;Imprimer azimut/AD...</translation>
    </message>
    <message>
        <source>Pre&amp;view Altitude</source>
        <translation>Aperçu &amp;hauteur</translation>
    </message>
    <message>
        <source>Previ&amp;ew Azimuth/RA</source>
        <translation>&amp;Aperçu azimut/AD</translation>
    </message>
    <message>
        <source>Printer &amp;scale...</source>
        <translation>Échelle &amp;de l’imprimante...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide d’utilisation</translation>
    </message>
    <message>
        <source>&amp;About Vennaros</source>
        <translation>À propos &amp;de Vennaros</translation>
    </message>
    <message>
        <source>&amp;Proof sheet...</source>
        <translation>&amp;Feuille d&apos;essai...</translation>
    </message>
    <message>
        <source>Preview pr&amp;oof sheet</source>
        <translation>Aperçu de la feuille d&apos;&amp;essai</translation>
    </message>
    <message>
        <source>&amp;Wrap tape...</source>
        <translation>Ru&amp;ban à enrouler...</translation>
    </message>
    <message>
        <source>Wrap tape</source>
        <translation>Ruban à enrouler</translation>
    </message>
    <message>
        <source>Length of the tape, with its unit (1000mm or 40in):</source>
        <translation>Longueur du ruban, avec son unité (1000mm ou 40in) :</translation>
    </message>
</context>
<context>
    <name>NumberSpacing</name>
    <message>
        <source>Numbers touch: font size %1 or less fits</source>
        <translation>Les nombres se touchent : une taille de police de %1 ou moins convient</translation>
    </message>
</context>
<context>
    <name>PageGroup</name>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>A 100 mm and a 50 mm bar below the caption, to measure the printout with</source>
        <translation>Une barre de 100 mm et une de 50 mm sous la légende, pour mesurer l’impression</translation>
    </message>
    <message>
        <source>Split lon&amp;g strips over pages</source>
        <translation>Diviser les bandes l&amp;ongues</translation>
    </message>
    <message>
        <source>Print a strip longer than the paper in overlapping segments</source>
        <translation>Imprimer une bande plus longue que le papier en segments qui se chevauchent</translation>
    </message>
    <message>
        <source>Pr&amp;int verniers</source>
        <translation>&amp;Verniers</translation>
    </message>
    <message>
        <source>A vernier below each strip, to read a tenth of its smallest mark</source>
        <translation>Un vernier sous chaque bande, pour lire un dixième de sa plus petite graduation</translation>
    </message>
    <message>
        <source>A second number row on azimuth and RA strips, counting the other way</source>
        <translation>Une seconde rangée de chiffres sur les bandes d’azimut et AD, comptant dans l’autre sens</translation>
    </message>
    <message>
        <source>Print rings instead of strips</source>
        <translation>Anneaux au lieu de bandes</translation>
    </message>
    <message>
        <source>Each circle as a flat ring of the size&apos;s outer diameter, for a ground board or a disc</source>
        <translation>Chaque cercle en anneau plat dont la taille est le diamètre extérieur, pour une embase ou un disque</translation>
    </message>
    <message>
        <source>Half-&amp;degree marks</source>
        <translation>Traits au de&amp;mi-degré</translation>
    </message>
    <message>
        <source>A mark at every half degree (every 5 minutes on RA), with 1° marks only</source>
        <translation>Un trait à chaque demi-degré (toutes les 5 minutes en AD), avec la graduation de 1° seulement</translation>
    </message>
    <message>
        <source>Signed declination</source>
        <translation>Déclinaison signée</translation>
    </message>
    <message>
        <source>Altitude numbers +90 ... 0 ... -90, as a declination circle reads</source>
        <translation>Chiffres de hauteur +90 ... 0 ... -90, comme sur un cercle de déclinaison</translation>
    </message>
    <message>
        <source>Zero at, degrees</source>
        <translation>Zéro à, degrés</translation>
    </message>
    <message>
        <source>The reading, in degrees, the strips start at (RA: its hours)</source>
        <translation>La lecture, en degrés, où commencent les bandes (AD&#xa0;: ses heures)</translation>
    </message>
    <message>
        <source>Closing tab</source>
        <translation>Languette de collage</translation>
    </message>
    <message>
        <source>Printer s&amp;cale...</source>
        <translation>É&amp;chelle...</translation>
    </message>
    <message>
        <source>Measure and correct the current printer&apos;s scale</source>
        <translation>Mesurer et corriger l’échelle de l’imprimante actuelle</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Mise en page...</translation>
    </message>
    <message>
        <source>Choose the current printer&apos;s paper and orientation, without printing</source>
        <translation>Choisir le papier et l’orientation de l’imprimante actuelle, sans imprimer</translation>
    </message>
    <message>
        <source>Pre&amp;view Alt.</source>
        <translation>Aperç&amp;u Alt.</translation>
    </message>
    <message>
        <source>Show the sheets Print Alt. would print, without printing</source>
        <translation>Montrer les feuilles qu’imprimerait «&#xa0;Impr. Alt.&#xa0;», sans imprimer</translation>
    </message>
    <message>
        <source>Show the sheets Print Az. or Print RA would print, without printing</source>
        <translation>Montrer les feuilles qu’imprimerait «&#xa0;Impr. Az.&#xa0;» ou «&#xa0;Impr. AD&#xa0;», sans imprimer</translation>
    </message>
    <message>
        <source>&amp;Zero at</source>
        <translation>&amp;Zéro à</translation>
    </message>
    <message>
        <source>Previ&amp;ew RA</source>
        <translation>Aper&amp;çu AD</translation>
    </message>
    <message>
        <source>Previ&amp;ew Az.</source>
        <translation>Aper&amp;çu Az.</translation>
    </message>
    <message>
        <source>Paper: </source>
        <translation>Papier&#xa0;: </translation>
    </message>
    <message>
        <source>Pri&amp;nt scale check</source>
        <translation>Contr&amp;ôle d’échelle</translation>
    </message>
    <message>
        <source>Numbers both wa&amp;ys</source>
        <translation>Chiffres dans les deu&amp;x sens</translation>
    </message>
    <message>
        <source>Ring read from its centre</source>
        <translation>Anneau lu depuis son centre</translation>
    </message>
    <message>
        <source>A ring&apos;s numbers upright from its centre, for a disc; otherwise from outside it, as on a ground board</source>
        <translation>Les nombres d’un anneau droits vus de son centre, pour un disque ; sinon vus de l’extérieur, comme sur une embase</translation>
    </message>
    <message>
        <source>The strip&apos;s first long division again after its end, to join the wrapped strip mark over mark (not with an arc: an arc does not close)</source>
        <translation>La première grande division de la bande encore après sa fin, pour fermer la bande enroulée trait sur trait (pas avec un arc : un arc ne se ferme pas)</translation>
    </message>
    <message>
        <source>Print only the arc from one mark to another: degrees (RA: hours), both empty for the whole circle; altitude 0 to 90, rising or falling</source>
        <translation>N’imprimer que l’arc d’un trait à un autre : degrés (AD : heures), les deux vides pour le cercle entier ; hauteur de 0 à 90, montante ou descendante</translation>
    </message>
    <message>
        <source>Arc from</source>
        <translation>Arc de</translation>
    </message>
    <message>
        <source>Arc to</source>
        <translation>Arc jusqu’à</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>landscape</source>
        <translation>paysage</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>portrait</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Feuilles</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom &amp;arrière</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>1 feuille</translation>
    </message>
    <message numerus="yes">
        <source>%n sheets</source>
        <translation>
            <numerusform>%n feuille</numerusform>
            <numerusform>%n feuilles</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2 %3, %4 × %5 mm</source>
        <translation>%1 sur %2 %3, %4 × %5 mm</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Feuille %1 sur %2</translation>
    </message>
    <message>
        <source>Strip length %1 mm (%2 in.), ring diameter %3 mm (%4 in.)</source>
        <translation>Longueur de la bande %1 mm (%2 po), diamètre de l&apos;anneau %3 mm (%4 po)</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Altitude</source>
        <translation>Cercle de hauteur</translation>
    </message>
    <message>
        <source>Printing altitude...</source>
        <translation>Impression du cercle de hauteur...</translation>
    </message>
    <message>
        <source>declination</source>
        <translation>Cercle de déclinaison</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Cercle d’azimut</translation>
    </message>
    <message>
        <source>Printing azimuth...</source>
        <translation>Impression du cercle d’azimut...</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>Cercle d’AD</translation>
    </message>
    <message>
        <source>Printing RA</source>
        <translation>Impression du cercle d’AD</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’est plus installée</translation>
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
        <translation>Les traits au demi-degré demandent un diamètre d’au moins %1 %2.</translation>
    </message>
    <message>
        <source>Half-degree marks need a length of at least %1 %2.</source>
        <translation>Les traits au demi-degré demandent une longueur d’au moins %1 %2.</translation>
    </message>
    <message>
        <source>Zero at must be 0 to %1 degrees in steps of %2.</source>
        <translation>«&#xa0;Zéro à&#xa0;» doit aller de 0 à %1 degrés par pas de %2.</translation>
    </message>
    <message>
        <source>Must be numeric.</source>
        <translation>Doit être un nombre.</translation>
    </message>
    <message>
        <source>Print function error.</source>
        <translation>Erreur d’impression.</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Impossible de choisir une imprimante&#xa0;: </translation>
    </message>
    <message>
        <source>%1 size must be at least %2 %3</source>
        <translation>%1&#xa0;: la taille doit être d’au moins %2 %3</translation>
    </message>
    <message>
        <source>Print function error: %1.</source>
        <translation>Erreur d’impression&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 %2 %3 dia.</source>
        <translation>%1 %2 %3 diam.</translation>
    </message>
    <message>
        <source>%1 %2 %3 len.</source>
        <translation>%1 %2 %3 long.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for split strips.</source>
        <translation>%1&#xa0;: longueur max. %2 %3 pour des bandes divisées.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for current page width.</source>
        <translation>%1&#xa0;: longueur max. %2 %3 pour la largeur de page actuelle.</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for the printable width.</source>
        <translation>%1&#xa0;: longueur max. %2 %3 pour la largeur imprimable.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for split rings.</source>
        <translation>%1&#xa0;: diamètre d’anneau max. %2 %3 pour des anneaux divisés.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for the printable area.</source>
        <translation>%1&#xa0;: diamètre d’anneau max. %2 %3 pour la zone imprimable.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Une bande %1 demande un diamètre d’au moins %2 %3&#xa0;: passez le papier en paysage ou divisez-la.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape or split it.</source>
        <translation>Une bande %1 demande au moins %2 %3&#xa0;: passez le papier en paysage ou divisez-la.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: turn the paper to landscape.</source>
        <translation>Une bande %1 demande un diamètre d’au moins %2 %3&#xa0;: passez le papier en paysage.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: turn the paper to landscape.</source>
        <translation>Une bande %1 demande au moins %2 %3&#xa0;: passez le papier en paysage.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: split it.</source>
        <translation>Une bande %1 demande un diamètre d’au moins %2 %3&#xa0;: divisez-la.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: split it.</source>
        <translation>Une bande %1 demande au moins %2 %3&#xa0;: divisez-la.</translation>
    </message>
    <message>
        <source>An %1 strip needs a diameter of at least %2 %3: choose a larger paper.</source>
        <translation>Une bande %1 demande un diamètre d’au moins %2 %3&#xa0;: choisissez un papier plus grand.</translation>
    </message>
    <message>
        <source>An %1 strip needs at least %2 %3: choose a larger paper.</source>
        <translation>Une bande %1 demande au moins %2 %3&#xa0;: choisissez un papier plus grand.</translation>
    </message>
    <message>
        <source>altitude</source>
        <comment>in: An altitude strip needs...</comment>
        <translation>de hauteur</translation>
    </message>
    <message>
        <source>azimuth</source>
        <comment>in: An azimuth strip needs...</comment>
        <translation>d’azimut</translation>
    </message>
    <message>
        <source>RA</source>
        <comment>in: An RA strip needs...</comment>
        <translation>d’AD</translation>
    </message>
    <message>
        <source>%1 max. length is %2 %3 for a drawing.</source>
        <translation>%1&#xa0;: longueur max. %2 %3 pour un dessin.</translation>
    </message>
    <message>
        <source>%1 max. ring diameter is %2 %3 for a drawing.</source>
        <translation>%1&#xa0;: diamètre d’anneau max. %2 %3 pour un dessin.</translation>
    </message>
    <message>
        <source>Arc from and to must be 0 to 24 hours in steps of 10 minutes.</source>
        <translation>Les bornes de l’arc doivent aller de 0 à 24 heures par pas de 10 minutes.</translation>
    </message>
    <message>
        <source>Arc from and to must be %1 to %2 degrees in steps of %3.</source>
        <translation>Les bornes de l’arc doivent aller de %1 à %2 degrés par pas de %3.</translation>
    </message>
    <message>
        <source>Arc from and to need a value each, or none for the whole circle.</source>
        <translation>Les bornes de l’arc demandent chacune une valeur, ou aucune pour le cercle entier.</translation>
    </message>
    <message>
        <source>Arc from and to must be numeric.</source>
        <translation>Les bornes de l’arc doivent être numériques.</translation>
    </message>
    <message>
        <source>Arc from and to must be different marks.</source>
        <translation>Les bornes de l’arc doivent être des traits différents.</translation>
    </message>
</context>
<context>
    <name>PrinterPapers</name>
    <message>
        <source>%1, landscape</source>
        <translation>%1, paysage</translation>
    </message>
    <message>
        <source>%1, portrait</source>
        <translation>%1, portrait</translation>
    </message>
    <message>
        <source>the printer has no name</source>
        <translation>l’imprimante n’a pas de nom</translation>
    </message>
    <message>
        <source>%1 is larger than a page can be (%2 mm a side)</source>
        <translation>%1 est plus grand qu’une page ne peut l’être (%2 mm de côté)</translation>
    </message>
    <message>
        <source>its value cannot be read as a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>sa valeur ne se lit pas comme un papier et son orientation, comme «&#xa0;A4, portrait&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a paper and its orientation, as &quot;A4, portrait&quot;</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un papier et son orientation, comme «&#xa0;A4, portrait&#xa0;»</translation>
    </message>
</context>
<context>
    <name>PrinterScaleDialog</name>
    <message>
        <source>Bar along the paper&apos;s &amp;width (%1 mm), measured in mm:</source>
        <translation>Barre dans la &amp;largeur du papier (%1 mm), mesurée en mm&#xa0;:</translation>
    </message>
    <message>
        <source>Bar along the paper&apos;s &amp;length (%1 mm), measured in mm:</source>
        <translation>Barre dans la lon&amp;gueur du papier (%1 mm), mesurée en mm&#xa0;:</translation>
    </message>
    <message>
        <source>Factors kept for this printer: %1 along the paper&apos;s width, %2 along its length.</source>
        <translation>Facteurs gardés pour cette imprimante&#xa0;: %1 dans la largeur du papier, %2 dans sa longueur.</translation>
    </message>
    <message>
        <source>1. Print the calibration page (with any scaling or &quot;fit to page&quot; option of the printer off).
2. Measure each bar from its first to its last mark.
3. Type the two lengths and press OK: every page on this printer is then corrected.</source>
        <translation>1. Imprimez la page d’étalonnage (toute mise à l’échelle ou option «&#xa0;ajuster à la page&#xa0;» de l’imprimante désactivée).
2. Mesurez chaque barre de son premier à son dernier trait.
3. Saisissez les deux longueurs et appuyez sur OK&#xa0;: chaque page de cette imprimante sera alors corrigée.</translation>
    </message>
    <message>
        <source>Print calibration page...</source>
        <translation>Imprimer la page d’étalonnage...</translation>
    </message>
    <message>
        <source>Back to 1 and 1 for this printer</source>
        <translation>Revenir à 1 et 1 pour cette imprimante</translation>
    </message>
    <message>
        <source>Printer scale - </source>
        <translation>Échelle de l’imprimante - </translation>
    </message>
    <message>
        <source>Printer: </source>
        <translation>Imprimante&#xa0;: </translation>
    </message>
    <message>
        <source>The value kept for this printer is unusable (%1): it prints with 1 along both axes until new lengths are kept.</source>
        <translation>La valeur gardée pour cette imprimante est inutilisable (%1)&#xa0;: elle imprime avec 1 sur les deux axes jusqu’à ce que de nouvelles longueurs soient gardées.</translation>
    </message>
    <message>
        <source>The printer can&apos;t be read: </source>
        <translation>Impossible de lire l’imprimante&#xa0;: </translation>
    </message>
    <message>
        <source>The calibration page was printed: measure its two bars.</source>
        <translation>La page d’étalonnage est imprimée&#xa0;: mesurez ses deux barres.</translation>
    </message>
    <message>
        <source>The calibration page could not be printed: </source>
        <translation>La page d’étalonnage n’a pas pu être imprimée&#xa0;: </translation>
    </message>
    <message>
        <source>Type the lengths of both bars as measured.</source>
        <translation>Saisissez les longueurs mesurées des deux barres.</translation>
    </message>
    <message>
        <source>The factors could not be kept: </source>
        <translation>Les facteurs n’ont pas pu être gardés&#xa0;: </translation>
    </message>
    <message>
        <source>Printer scale of %1: %2</source>
        <translation>Échelle de l’imprimante %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Printer scale of %1: 1 1</source>
        <translation>Échelle de l’imprimante %1&#xa0;: 1 1</translation>
    </message>
    <message>
        <source>This printer is back to 1 and 1.</source>
        <translation>Cette imprimante est revenue à 1 et 1.</translation>
    </message>
</context>
<context>
    <name>PrinterScales</name>
    <message>
        <source>&quot;%1&quot; is not two factors from 0.9 to 1.1</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas deux facteurs de 0.9 à 1.1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length: type the length measured in millimetres.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une longueur&#xa0;: saisissez la longueur mesurée en millimètres.</translation>
    </message>
    <message>
        <source>%1 mm for the %2 mm bar gives a factor of %3; only factors from 0.9 to 1.1 can be corrected. Measure the bar again from its first to its last mark.</source>
        <translation>%1 mm pour la barre de %2 mm donne un facteur de %3&#xa0;; seuls les facteurs de 0,9 à 1,1 peuvent être corrigés. Mesurez à nouveau la barre de son premier à son dernier trait.</translation>
    </message>
    <message>
        <source>its factors cannot be read; they are kept as two numbers from 0.9 to 1.1 with a decimal point, the width&apos;s first: &quot;1.01 0.99&quot;</source>
        <translation>ses facteurs ne peuvent pas être lus&#xa0;; ils sont gardés en deux nombres de 0.9 à 1.1 avec un point décimal, celui de la largeur d’abord&#xa0;: «&#xa0;1.01 0.99&#xa0;»</translation>
    </message>
</context>
<context>
    <name>ProofSheet</name>
    <message>
        <source>Widths %1-%2-%3, Height %4, Font %5</source>
        <translation>Largeurs %1-%2-%3, Hauteur %4, Police %5</translation>
    </message>
    <message>
        <source>Proof sheet: %1 samples of 10 degrees don&apos;t fit this paper.</source>
        <translation>Feuille d&apos;essai : les échantillons de 10 degrés du cercle %1 ne tiennent pas sur ce papier.</translation>
    </message>
    <message>
        <source>Proof sheet: %1, samples of %2°</source>
        <translation>Feuille d&apos;essai : %1, échantillons de %2°</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>the settings store %1 (%2)</source>
        <comment>%1: what is wrong with it, %2: its path</comment>
        <translation>le magasin de réglages %1 (%2)</translation>
    </message>
    <message>
        <source>is %1</source>
        <translation>est %1</translation>
    </message>
    <message>
        <source>is larger than 1 MiB</source>
        <translation>dépasse 1 Mio</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>is read-only</source>
        <translation>est en lecture seule</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d’écrire %1</translation>
    </message>
    <message>
        <source>the settings store can be read only in part and no copy of it could be made (%1)</source>
        <translation>le magasin de réglages ne peut être lu qu’en partie et aucune copie n’a pu en être faite (%1)</translation>
    </message>
    <message>
        <source>the settings store can be read only in part; the whole file is kept as %1</source>
        <translation>le magasin de réglages ne peut être lu qu’en partie&#xa0;; le fichier entier est gardé sous %1</translation>
    </message>
</context>
<context>
    <name>QueueJobFollower</name>
    <message>
        <source>The printer %1 stopped the page%2.</source>
        <translation>L’imprimante %1 a arrêté la page%2.</translation>
    </message>
    <message>
        <source>The printer %1 could not print the page%2.</source>
        <translation>L’imprimante %1 n’a pas pu imprimer la page%2.</translation>
    </message>
    <message>
        <source>The page was cancelled on the printer %1.</source>
        <translation>La page a été annulée sur l’imprimante %1.</translation>
    </message>
    <message>
        <source>The printer %1 holds the page%2.</source>
        <translation>L’imprimante %1 retient la page%2.</translation>
    </message>
    <message>
        <source>The printer %1 is paused: the page waits in its queue.</source>
        <translation>L’imprimante %1 est en pause&#xa0;: la page attend dans sa file.</translation>
    </message>
    <message>
        <source>The printer %1 has stopped: the page waits in its queue.</source>
        <translation>L’imprimante %1 est arrêtée&#xa0;: la page attend dans sa file.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has not printed the page yet: %2</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas encore imprimé la page&#xa0;: %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has printed the page.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» a imprimé la page.</translation>
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
        <translation>corde %1 = %2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Types incompatibles</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
</context>
<context>
    <name>SettingsFileCommands</name>
    <message>
        <source>Saved settings files (*.txt)|*.txt</source>
        <translation>Fichiers de réglages sauvés (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Create new or overwrite settings file</source>
        <translation>Créer ou remplacer un fichier de réglages</translation>
    </message>
    <message>
        <source>Restore settings files (*.txt)|*.txt</source>
        <translation>Fichiers de réglages à charger (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Restore settings from file</source>
        <translation>Charger les réglages d’un fichier</translation>
    </message>
    <message>
        <source>Error %1, %2</source>
        <translation>Erreur %1, %2</translation>
    </message>
    <message>
        <source>Confirm Overwrite</source>
        <translation>Confirmer le remplacement</translation>
    </message>
    <message>
        <source>Will be overwritten!</source>
        <translation>Sera remplacé&#xa0;!</translation>
    </message>
    <message>
        <source>Write settings file error</source>
        <translation>Erreur d’écriture du fichier de réglages</translation>
    </message>
    <message>
        <source>Error writting to setting file</source>
        <translation>Erreur en écrivant le fichier de réglages</translation>
    </message>
    <message>
        <source>Settings saved to &apos;%1&apos;</source>
        <translation>Réglages sauvés dans &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Read settings file error</source>
        <translation>Erreur de lecture du fichier de réglages</translation>
    </message>
    <message>
        <source>Error reading setting file</source>
        <translation>Erreur en lisant le fichier de réglages</translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;) could not be applied</source>
        <translation>la ligne %1 («&#xa0;%2&#xa0;») n’a pas pu être appliquée</translation>
    </message>
    <message>
        <source>the file ends after line %1</source>
        <translation>le fichier s’arrête après la ligne %1</translation>
    </message>
    <message>
        <source>1 setting restored from &apos;%1&apos;</source>
        <translation>1 réglage chargé depuis &apos;%1&apos;</translation>
    </message>
    <message numerus="yes">
        <source>%n settings restored from &apos;%1&apos;</source>
        <translation>
            <numerusform>%n réglage chargé depuis &apos;%1&apos;</numerusform>
            <numerusform>%n réglages chargés depuis &apos;%1&apos;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 settings restored from &apos;%2&apos;: %3.</source>
        <translation>
            <numerusform>%n réglage sur %1 chargé depuis &apos;%2&apos;&#xa0;: %3.</numerusform>
            <numerusform>%n réglages sur %1 chargés depuis &apos;%2&apos;&#xa0;: %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>Cannot uncheck both circle styles.</source>
        <translation>Impossible de décocher les deux styles de cercle.</translation>
    </message>
</context>
<context>
    <name>SheetAids</name>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Feuille %1 sur %2</translation>
    </message>
    <message>
        <source>Cut each piece on its cut line; lay its end over the next piece, A on A, marks on marks</source>
        <translation>Coupez chaque pièce sur sa ligne de coupe&#xa0;; posez son bout sur la pièce suivante, A sur A, traits sur traits</translation>
    </message>
    <message>
        <source>Sheet %1</source>
        <translation>Feuille %1</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>%1 User Guide</source>
        <translation>Guide d’utilisation de %1</translation>
    </message>
    <message>
        <source>The user guide could not be read: %1</source>
        <translation>Le guide d’utilisation n’a pas pu être lu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ValueLabel</name>
    <message>
        <source>%1 in.</source>
        <translation>%1 po</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 = %2 line</source>
        <translation>%1 = trait de %2</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1 pt = %2 digits</source>
        <translation>%1 pt = chiffres de %2</translation>
    </message>
</context>
<context>
    <name>WindowController</name>
    <message>
        <source>Export Altitude</source>
        <translation>Exporter le cercle de hauteur</translation>
    </message>
    <message>
        <source>Export Azimuth/RA</source>
        <translation>Exporter le cercle d’azimut/AD</translation>
    </message>
    <message>
        <source>The paper could not be kept: </source>
        <translation>Le papier n’a pas pu être gardé&#xa0;: </translation>
    </message>
    <message>
        <source>paper unknown</source>
        <translation>papier inconnu</translation>
    </message>
    <message>
        <source>no printer</source>
        <translation>aucune imprimante</translation>
    </message>
    <message>
        <source>Cannot select a printer: </source>
        <translation>Impossible de choisir une imprimante&#xa0;: </translation>
    </message>
    <message>
        <source>Printer scale for &apos;%1&apos; ignored: %2; it prints unscaled.</source>
        <translation>Échelle de l’imprimante &apos;%1&apos; ignorée&#xa0;: %2&#xa0;; elle imprime sans correction.</translation>
    </message>
    <message>
        <source>The user guide is not installed; &quot;man vennaros&quot; describes the program.</source>
        <translation>Le guide d’utilisation n’est pas installé&#xa0;; «&#xa0;man vennaros&#xa0;» décrit le programme.</translation>
    </message>
    <message>
        <source>The paper kept for &apos;%1&apos; is not used: %2; it prints on the printer&apos;s own paper.</source>
        <translation>Le papier gardé pour &apos;%1&apos; n’est pas utilisé&#xa0;: %2&#xa0;; l’imprimante imprime sur son propre papier.</translation>
    </message>
    <message>
        <source>%1, turned to fit</source>
        <translation>%1, tourné pour tenir</translation>
    </message>
</context>
<context>
    <name>WrapTape</name>
    <message>
        <source>Wrap tape</source>
        <translation>Ruban à enrouler</translation>
    </message>
    <message>
        <source>Wrap tape: &apos;%1&apos; is not a length; give it with its unit, for example 1000mm or 40in.</source>
        <translation>Ruban à enrouler : &apos;%1&apos; n&apos;est pas une longueur ; donnez-la avec son unité, par exemple 1000mm ou 40in.</translation>
    </message>
    <message>
        <source>Wrap tape %1</source>
        <translation>Ruban à enrouler %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Print Vennaros</source>
        <translation>Vennaros – impression</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Size is diameter</source>
        <translation>La taille est le diamètre</translation>
    </message>
    <message>
        <source>Size is length</source>
        <translation>La taille est la longueur</translation>
    </message>
    <message>
        <source>size is mm</source>
        <translation>taille en mm</translation>
    </message>
    <message>
        <source>Size in inches</source>
        <translation>Taille en pouces</translation>
    </message>
    <message>
        <source>Circle styles</source>
        <translation>Styles de cercle</translation>
    </message>
    <message>
        <source>&amp;Black on White background</source>
        <translation>&amp;Noir sur fond blanc</translation>
    </message>
    <message>
        <source>&amp;White on Black background</source>
        <translation>&amp;Blanc sur fond noir</translation>
    </message>
    <message>
        <source>Print &amp;Alt.</source>
        <translation>Imp&amp;r. Alt.</translation>
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
        <translation>po</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>AD</translation>
    </message>
    <message>
        <source>Az</source>
        <translation>Az</translation>
    </message>
    <message>
        <source>Az &amp;L&gt;R +</source>
        <translation>Az G&gt;&amp;D +</translation>
    </message>
    <message>
        <source>Az circle left to right numbers increase</source>
        <translation>Cercle d’azimut&#xa0;: nombres croissants de gauche à droite</translation>
    </message>
    <message>
        <source>Quit without saving settings</source>
        <translation>Quitter sans sauver les réglages</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sortir</translation>
    </message>
    <message>
        <source>Exit and save settings</source>
        <translation>Sortir en sauvant les réglages</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Rétab&amp;lir</translation>
    </message>
    <message>
        <source>Reset to last exit settings from registry</source>
        <translation>Rétablir les réglages gardés à la dernière sortie</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Sauv&amp;er</translation>
    </message>
    <message>
        <source>Save current settings to file</source>
        <translation>Sauver les réglages actuels dans un fichier</translation>
    </message>
    <message>
        <source>Rest&amp;ore</source>
        <translation>C&amp;harger</translation>
    </message>
    <message>
        <source>Paper and orientation are kept for each printer.</source>
        <translation>Papier et orientation sont gardés par imprimante.</translation>
    </message>
    <message>
        <source>Prin&amp;t RA</source>
        <translation>Im&amp;pr. AD</translation>
    </message>
    <message>
        <source>Prin&amp;t Az.</source>
        <translation>Im&amp;pr. Az.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Smallest Mar&amp;k Degree</source>
        <translation>Plus petite &amp;graduation</translation>
    </message>
    <message>
        <source>Altit&amp;ude / DECL Circle Size</source>
        <translation>Taille cercle hauteur / D&amp;ÉC</translation>
    </message>
    <message>
        <source>Azi&amp;muth / RA Circle Size</source>
        <translation>&amp;Taille cercle azimut / AD</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>vennaros: %1
Try &apos;vennaros --help&apos;.
</source>
        <translation>vennaros&#xa0;: %1
Essayez &apos;vennaros --help&apos;.
</translation>
    </message>
    <message>
        <source>there is no platform plugin &apos;%1&apos;</source>
        <translation>il n’y a pas de plugin de plateforme &apos;%1&apos;</translation>
    </message>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY et WAYLAND_DISPLAY ne sont pas définies</translation>
    </message>
    <message>
        <source>&apos;%1&apos; can&apos;t be reached</source>
        <translation>&apos;%1&apos; ne peut pas être atteint</translation>
    </message>
    <message>
        <source>vennaros: cannot open a display: %1; --print-pdf, --svg and --dxf need none.
</source>
        <translation>vennaros&#xa0;: impossible d’ouvrir un affichage&#xa0;: %1&#xa0;; --print-pdf, --svg et --dxf n’en ont pas besoin.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8; no file is read or written under another name.
</source>
        <translation>vennaros&#xa0;: &apos;%1&apos; n’est pas de l’UTF-8 valide&#xa0;; aucun fichier n’est lu ni écrit sous un autre nom.
</translation>
    </message>
    <message>
        <source>vennaros: &apos;%1&apos; is not valid UTF-8.
</source>
        <translation>vennaros&#xa0;: &apos;%1&apos; n’est pas de l’UTF-8 valide.
</translation>
    </message>
    <message>
        <source>vennaros: the value of --%1 is not valid UTF-8.
</source>
        <translation>vennaros&#xa0;: la valeur de --%1 n’est pas de l’UTF-8 valide.
</translation>
    </message>
</context>
<context>
    <name>programinfo</name>
    <message>
        <source>Prints graduated setting circles for telescope mounts at their exact size.</source>
        <translation>Imprime des cercles gradués (cercles de coordonnées) pour montures de télescope, à leur taille exacte.</translation>
    </message>
</context>
</TS>
