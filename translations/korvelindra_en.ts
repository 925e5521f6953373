<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Animation</name>
    <message>
        <source>Drehung um die senkrechte Achse</source>
        <translation>Turn about the vertical axis</translation>
    </message>
    <message>
        <source>Verwandlung in den dualen Körper und zurück</source>
        <translation>Morph into the dual and back</translation>
    </message>
    <message>
        <source>Rundgang im Kaleidoskop</source>
        <translation>Tour of the kaleidoscope</translation>
    </message>
    <message>
        <source>Netz falten und wieder öffnen</source>
        <translation>Fold the net and open it again</translation>
    </message>
    <message>
        <source>Jitterbug: vom Kuboktaeder zum Oktaeder und zurück</source>
        <translation>Jitterbug: from the cuboctahedron to the octahedron and back</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>KÖRPER</source>
        <translation>SOLID</translation>
    </message>
    <message>
        <source>Der Körper: Listenplatz 0-30 oder sein deutscher oder englischer Name.</source>
        <translation>The solid: list position 0-30 or its German or English name.</translation>
    </message>
    <message>
        <source>ANSICHT</source>
        <translation>VIEW</translation>
    </message>
    <message>
        <source>Die Ansicht: polyeder, inkugel oder umkugel.</source>
        <translation>The view: polyeder, inkugel or umkugel.</translation>
    </message>
    <message>
        <source>Die Ecken markieren.</source>
        <translation>Mark the vertices.</translation>
    </message>
    <message>
        <source>Mit --export-picture, --export-animation oder --export-sheet: jede Fläche in der Farbe ihrer Art füllen (Flächen, die eine Drehung oder Spiegelung des Körpers ineinander überführt, haben dieselbe Farbe).</source>
        <translation>With --export-picture, --export-animation or --export-sheet: fill every face in the colour of its kind (faces that a rotation or reflection of the solid carries onto each other have the same colour).</translation>
    </message>
    <message>
        <source>--export-picture, --export-animation oder --export-sheet</source>
        <translation>--export-picture, --export-animation or --export-sheet</translation>
    </message>
    <message>
        <source>--colour-faces: das Faltnetz hat seine eigenen Farben; mit --fold und --animate fold weglassen</source>
        <translation>--colour-faces: the folding net has colours of its own; leave it out with --fold and --animate fold</translation>
    </message>
    <message>
        <source>Maßstab eines Bildes oder einer Animation: 1, 2 oder 4 mal die Zeichenfläche.</source>
        <translation>Scale of a picture or an animation: 1, 2 or 4 times the drawing area.</translation>
    </message>
    <message>
        <source>DATEI.png</source>
        <translation>FILE.png</translation>
    </message>
    <message>
        <source>Das Bild des Körpers in seiner Ausgangslage als PNG schreiben und beenden.</source>
        <translation>Write the picture of the solid in its start pose as PNG and exit.</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Eine Animation des Körpers als GIF oder WebP (nach der Endung) schreiben, endlos wiederholt, und beenden.</source>
        <translation>Write an animation of the solid as GIF or WebP, by the suffix, looping forever, and exit.</translation>
    </message>
    <message>
        <source>ART</source>
        <translation>KIND</translation>
    </message>
    <message>
        <source>Was sich bewegt: spin (eine Drehung um die senkrechte Achse), morph (in den dualen Körper und zurück), kaleidoscope (die Rundreise des Punkts) oder fold (das Papiernetz faltet sich zusammen und öffnet sich wieder); Vorgabe spin.</source>
        <translation>What moves: spin (one turn about the vertical axis), morph (into the dual and back), kaleidoscope (the point's tour) or fold (the paper net folding up and opening again); default spin.</translation>
    </message>
    <message>
        <source>Bilder der Animation, 2-720 (Vorgabe 72).</source>
        <translation>Frames of the animation, 2-720 (default 72).</translation>
    </message>
    <message>
        <source>Den Körper als STL (binär), OBJ oder OFF (nach der Endung) schreiben und beenden.</source>
        <translation>Write the solid as STL (binary), OBJ or OFF, by the suffix, and exit.</translation>
    </message>
    <message>
        <source>Umkugeldurchmesser des exportierten Körpers in Millimetern (Vorgabe 60).</source>
        <translation>Circumscribed diameter of the exported solid in millimetres (default 60).</translation>
    </message>
    <message>
        <source>Die Eigenschaften des Körpers ausgeben und beenden.</source>
        <translation>Print the properties of the solid and exit.</translation>
    </message>
    <message>
        <source>Mit --properties: ein JSON-Objekt ausgeben.</source>
        <translation>With --properties: print one JSON object.</translation>
    </message>
    <message>
        <source>Ein druckbares Papiernetz als PDF, SVG oder JSON (nach der Endung) schreiben und beenden.</source>
        <translation>Write a printable paper net as PDF, SVG or JSON, by the suffix, and exit.</translation>
    </message>
    <message>
        <source>PAPIER</source>
        <translation>PAPER</translation>
    </message>
    <message>
        <source>Papier des Netzes: a4, a3 oder letter (Vorgabe a4).</source>
        <translation>Paper of the net: a4, a3 or letter (default a4).</translation>
    </message>
    <message>
        <source>AUSRICHTUNG</source>
        <translation>ORIENTATION</translation>
    </message>
    <message>
        <source>Seitenausrichtung des Netzes: portrait, landscape oder auto (Vorgabe: die, die das größere Netz ergibt).</source>
        <translation>Page orientation of the net: portrait, landscape or auto (default: the one that gives the larger net).</translation>
    </message>
    <message>
        <source>Länge der längsten Kante des Netzes in Millimetern (Vorgabe: die größte, mit der es auf eine Seite passt).</source>
        <translation>Length of the longest edge of the net in millimetres (default: the largest that fits one page).</translation>
    </message>
    <message>
        <source>STIL</source>
        <translation>STYLE</translation>
    </message>
    <message>
        <source>Klebelaschen des Netzes: one (eine je Paar geschnittener Kanten, Vorgabe), both (an beiden Kanten jedes Paars, für dünnes Papier) oder none.</source>
        <translation>Glue tabs of the net: one (one per cut edge pair, default), both (on both edges of every pair, for thin paper) or none.</translation>
    </message>
    <message>
        <source>Das Netz ohne Klebelaschen zeichnen (wie --tabs none).</source>
        <translation>Draw the net without glue tabs (as --tabs none).</translation>
    </message>
    <message>
        <source>Die Nummern der geschnittenen Kanten weglassen.</source>
        <translation>Leave out the numbers of the cut edges.</translation>
    </message>
    <message>
        <source>Auf jede Seite des Netzes einen 50-mm-Balken zeichnen, an dem sich die gedruckte Größe prüfen lässt (Vorgabe).</source>
        <translation>Draw a 50 mm bar on every page of the net to check the printed size (default).</translation>
    </message>
    <message>
        <source>Den 50-mm-Balken weglassen.</source>
        <translation>Leave out the 50 mm bar.</translation>
    </message>
    <message>
        <source>Die Nummer jeder Fläche (ihr Index im Katalog + 1) in sie drucken (Vorgabe).</source>
        <translation>Print each face's number (its index in the catalogue + 1) inside it (default).</translation>
    </message>
    <message>
        <source>Die Flächennummern weglassen.</source>
        <translation>Leave out the face numbers.</translation>
    </message>
    <message>
        <source>An jede Faltlinie den Flächenwinkel des Körpers dort drucken.</source>
        <translation>Print the solid's dihedral angle along each fold line.</translation>
    </message>
    <message>
        <source>Die Faltwinkel weglassen (Vorgabe).</source>
        <translation>Leave out the fold angles (default).</translation>
    </message>
    <message>
        <source>DATEI.pdf</source>
        <translation>FILE.pdf</translation>
    </message>
    <message>
        <source>Den Steckbrief des Körpers (Bild, Eigenschaften, nummerierte Flächen und Netz auf A4 hoch) als PDF schreiben und beenden.</source>
        <translation>Write the worksheet of the solid (picture, properties, numbered faces and net on A4 portrait) as PDF and exit.</translation>
    </message>
    <message>
        <source>Die Steckbriefe aller 31 Körper hinter einer Inhaltsseite als ein PDF schreiben und beenden.</source>
        <translation>Write the worksheets of all 31 solids behind a contents page as one PDF and exit.</translation>
    </message>
    <message>
        <source>Mit --export-sheet oder --export-booklet: die Anzahlen der Ecken, Kanten und Flächen und die Flächenarten als Kästchen zum Ausfüllen lassen und eine Lösungsseite anfügen.</source>
        <translation>With --export-sheet or --export-booklet: leave the numbers of vertices, edges and faces and the face kinds as boxes to fill in, and add an answer page.</translation>
    </message>
    <message>
        <source>Mit einem Export oder --properties: der Körper auf seinem Weg in den dualen, bei T von 0 (der Körper) bis 1 (der duale).</source>
        <translation>With an export or --properties: the solid on its way into its dual, at T from 0 (the solid) to 1 (the dual).</translation>
    </message>
    <message>
        <source>Die Haltepunkte des Wegs des Körpers in seinen dualen ausgeben, einen je Zeile: T, Listenplatz und Name, durch Tabulatoren getrennt; und beenden.</source>
        <translation>Print the stops of the solid's morph into its dual, one per line: T, list position and name, separated by tabs; and exit.</translation>
    </message>
    <message>
        <source>FAMILIE</source>
        <translation>FAMILY</translation>
    </message>
    <message>
        <source>Statt --solid, mit einem Export oder --properties: der Körper des Kaleidoskops der Familie T, O oder I bei den Gewichten von --at; mit --solid in Lage und Größe dieses Körpers, wie das Fenster ihn zeigt.</source>
        <translation>Instead of --solid, with an export or --properties: the kaleidoscope's solid of family T, O or I at the weights of --at; with --solid in that solid's pose and size, as the window shows it.</translation>
    </message>
    <message>
        <source>Mit --wythoff: die Gewichte a,b,c der Ecken des Dreiecks (nicht negativ, nicht alle 0).</source>
        <translation>With --wythoff: the weights a,b,c of the triangle's corners (not negative, not all 0).</translation>
    </message>
    <message>
        <source>Die Gewichte ausgeben, bei denen das Kaleidoskop der FAMILIE (T, O oder I) einen Körper des Katalogs ergibt, einen je Zeile: a,b,c, Listenplatz und Name; und beenden.</source>
        <translation>Print the weights at which the kaleidoscope of FAMILY (T, O or I) makes a catalogue solid, one per line: a,b,c, list position and name; and exit.</translation>
    </message>
    <message>
        <source>Mit --export-picture: das Papiernetz des Körpers bis F gefaltet, von 0 (flach, dem Betrachter zugewandt) bis 1 (um den Körper geschlossen).</source>
        <translation>With --export-picture: the solid's paper net folded to F, from 0 (flat, facing the viewer) to 1 (closed on the solid).</translation>
    </message>
    <message>
        <source>Das Fenster wie beim ersten Start öffnen und die gemerkten Einstellungen übergehen und löschen; beim Schließen merkt sich das Fenster alles neu.</source>
        <translation>Open the window as on a first start, ignoring and deleting the remembered settings; the window remembers afresh when it closes.</translation>
    </message>
    <message>
        <source>SPRACHE</source>
        <translation>LANG</translation>
    </message>
    <message>
        <source>Die Sprache des Fensters und der exportierten Seiten für diesen Lauf: de (Deutsch), en (Englisch) oder eine andere eingebaute. Ohne sie spricht das Fenster die in seinem Menü Hilfe gewählte Sprache, zuerst Deutsch, und Exporte sind deutsch.</source>
        <translation>The language of the window and of the exported pages for this run: de (German), en (English) or another built-in one. Without it the window speaks the language chosen in its Help menu, German at first, and exports are German.</translation>
    </message>
    <message>
        <source>Betrachter der 31 konvexen Polyeder (platonische, archimedische, catalanische).
Ohne Export-Option öffnet sich das Fenster.</source>
        <translation>Viewer of the 31 convex polyhedra (Platonic, Archimedean, Catalan).
Without an export option the window opens.</translation>
    </message>
    <message>
        <source>%1: erwartet eine positive Zahl, nicht „%2“</source>
        <translation>%1: expected a positive number, got '%2'</translation>
    </message>
    <message>
        <source>%1: erwartet eine Zahl von 0 bis 1, nicht „%2“</source>
        <translation>%1: expected a number from 0 to 1, got '%2'</translation>
    </message>
    <message>
        <source>%1: unbekannte Familie „%2“ (T, O oder I)</source>
        <translation>%1: unknown family '%2' (T, O or I)</translation>
    </message>
    <message>
        <source>--at: erwartet drei Gewichte a,b,c, keins negativ und nicht alle 0, nicht „%1“</source>
        <translation>--at: expected three weights a,b,c, none negative and not all 0, got '%1'</translation>
    </message>
    <message>
        <source>--view: unbekannte Ansicht „%1“ (polyeder, inkugel oder umkugel)</source>
        <translation>--view: unknown view '%1' (polyeder, inkugel or umkugel)</translation>
    </message>
    <message>
        <source>--scale: erwartet 1, 2 oder 4, nicht „%1“</source>
        <translation>--scale: expected 1, 2 or 4, got '%1'</translation>
    </message>
    <message>
        <source>--animate: unbekannte Art „%1“ (%2)</source>
        <translation>--animate: unknown kind '%1' (%2)</translation>
    </message>
    <message>
        <source>--frames: erwartet eine ganze Zahl von %1 bis %2, nicht „%3“</source>
        <translation>--frames: expected a whole number from %1 to %2, got '%3'</translation>
    </message>
    <message>
        <source>--paper: unbekanntes Papier „%1“ (a4, a3 oder letter)</source>
        <translation>--paper: unknown paper '%1' (a4, a3 or letter)</translation>
    </message>
    <message>
        <source>--orientation: unbekannte Ausrichtung „%1“ (portrait, landscape oder auto)</source>
        <translation>--orientation: unknown orientation '%1' (portrait, landscape or auto)</translation>
    </message>
    <message>
        <source>--tabs: unbekannte Art von Laschen „%1“ (one, both oder none)</source>
        <translation>--tabs: unknown tab style '%1' (one, both or none)</translation>
    </message>
    <message>
        <source>entweder %1 oder %2 angeben</source>
        <translation>give either %1 or %2</translation>
    </message>
    <message>
        <source>%1: „%2“ braucht eine der Endungen %3</source>
        <translation>%1: '%2' needs one of the suffixes %3</translation>
    </message>
    <message>
        <source>--morph-stops braucht --solid</source>
        <translation>--morph-stops needs --solid</translation>
    </message>
    <message>
        <source>--wythoff-stops nimmt kein --solid</source>
        <translation>--wythoff-stops takes no --solid</translation>
    </message>
    <message>
        <source>dem Fenster</source>
        <translation>the window</translation>
    </message>
    <message>
        <source>dem Fenster, --export-picture, --export-animation, --export-sheet oder --export-booklet</source>
        <translation>the window, --export-picture, --export-animation, --export-sheet or --export-booklet</translation>
    </message>
    <message>
        <source>--export-picture, --export-animation, --export-sheet oder --export-booklet</source>
        <translation>--export-picture, --export-animation, --export-sheet or --export-booklet</translation>
    </message>
    <message>
        <source>--export-sheet oder --export-booklet</source>
        <translation>--export-sheet or --export-booklet</translation>
    </message>
    <message>
        <source>--export-picture oder --export-animation</source>
        <translation>--export-picture or --export-animation</translation>
    </message>
    <message>
        <source>--export-picture, --export-solid, --export-net, --export-sheet, --properties oder einer drehenden --export-animation eines --solid</source>
        <translation>--export-picture, --export-solid, --export-net, --export-sheet, --properties or a spinning --export-animation of a --solid</translation>
    </message>
    <message>
        <source>--export-picture, --export-solid, --export-net, --export-sheet, --properties oder einer --export-animation, die das Kaleidoskop dreht oder seinen Punkt wandern lässt</source>
        <translation>--export-picture, --export-solid, --export-net, --export-sheet, --properties or an --export-animation that spins or tours the kaleidoscope</translation>
    </message>
    <message>
        <source>--wythoff (nicht mit --animate kaleidoscope, dessen Punkt von selbst wandert)</source>
        <translation>--wythoff (not with --animate kaleidoscope, whose point moves by itself)</translation>
    </message>
    <message>
        <source>--animate fold: das Faltnetz wird ohne Kugeln und Eckmarken gezeichnet; --view und --marks weglassen</source>
        <translation>--animate fold: the folding net is drawn without spheres and corner marks; leave out --view and --marks</translation>
    </message>
    <message>
        <source>--view: die Körper des Kaleidoskops haben keine In- und keine Umkugel; mit --animate kaleidoscope geht nur polyeder</source>
        <translation>--view: the kaleidoscope's solids have no inner or outer sphere; only polyeder works with --animate kaleidoscope</translation>
    </message>
    <message>
        <source>--view: der Körper des Kaleidoskops hat keine In- und keine Umkugel; mit --wythoff geht nur polyeder</source>
        <translation>--view: the kaleidoscope's solid has no inner or outer sphere; only polyeder works with --wythoff</translation>
    </message>
    <message>
        <source>--fold: das Faltnetz wird ohne Kugeln und Eckmarken gezeichnet; --view und --marks weglassen</source>
        <translation>--fold: the folding net is drawn without spheres and corner marks; leave out --view and --marks</translation>
    </message>
    <message>
        <source>--view: der Körper auf dem Weg in seinen dualen hat keine In- und keine Umkugel; mit --morph über 0 geht nur polyeder</source>
        <translation>--view: the solid on its way into its dual has no inner or outer sphere; only polyeder works with --morph above 0</translation>
    </message>
    <message>
        <source>entweder --solid oder --wythoff angeben</source>
        <translation>give either --solid or --wythoff</translation>
    </message>
    <message>
        <source>--wythoff braucht --at a,b,c</source>
        <translation>--wythoff needs --at a,b,c</translation>
    </message>
    <message>
        <source>--paper, --edge-mm und --no-tabs gehen nur mit --export-net; Steckbriefe sind A4 hoch, mit dem Netz so groß, wie es passt</source>
        <translation>--paper, --edge-mm and --no-tabs only work with --export-net; worksheets are A4 portrait with the net at the largest size that fits</translation>
    </message>
    <message>
        <source>%1 geht nur mit %2</source>
        <translation>%1 only works with %2</translation>
    </message>
    <message>
        <source>--solid: Listenplatz %1 liegt nicht in 0-%2</source>
        <translation>--solid: position %1 is outside 0-%2</translation>
    </message>
    <message>
        <source>--solid: unbekannter Körper „%1“ (ein Listenplatz 0-30 oder ein Name wie Ikosaeder oder Icosahedron)</source>
        <translation>--solid: unknown solid '%1' (a list position 0-30 or a name such as Ikosaeder or Icosahedron)</translation>
    </message>
    <message>
        <source>unerwartetes Argument „%1“</source>
        <translation>unexpected argument '%1'</translation>
    </message>
    <message>
        <source>--lang: unbekannte Sprache „%1“ (%2)</source>
        <translation>--lang: unknown language '%1' (%2)</translation>
    </message>
    <message>
        <source>--size-mm: %1 liegt nicht in %2-%3 mm</source>
        <translation>--size-mm: %1 is outside %2-%3 mm</translation>
    </message>
    <message>
        <source>--no-tabs widerspricht --tabs %1</source>
        <translation>--no-tabs contradicts --tabs %1</translation>
    </message>
    <message>
        <source>Beispiele:</source>
        <translation>Examples:</translation>
    </message>
    <message>
        <source>Rückgabewert: 0 Erfolg, 1 eine Datei ließ sich nicht schreiben, 2 Aufruffehler,
3 der eingebaute Katalog ist beschädigt.</source>
        <translation>Exit status: 0 success, 1 a file could not be written, 2 usage error,
3 the built-in catalogue is damaged.</translation>
    </message>
    <message>
        <source>--animate kaleidoscope: %1 gehört zu keiner der Familien T, O und I des Kaleidoskops</source>
        <translation>--animate kaleidoscope: %1 belongs to none of the kaleidoscope's families T, O and I</translation>
    </message>
    <message>
        <source>Die Optionen nennt 'korvelindra --help'.</source>
        <translation>Try 'korvelindra --help' for the options.</translation>
    </message>
    <message>
        <source>der eingebaute Katalog ist beschädigt: %1</source>
        <translation>the built-in catalogue is damaged: %1</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht schreiben: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>das Netz</source>
        <translation>the net</translation>
    </message>
    <message>
        <source>Statt --solid, mit einem Export oder --properties: der Jitterbug bei J von 0 (das Kuboktaeder) bis 1 (das Oktaeder), dessen acht Dreiecke sich um J mal 60 Grad gedreht haben.</source>
        <translation>Instead of --solid, with an export or --properties: the jitterbug at J from 0 (the cuboctahedron) to 1 (the octahedron), its eight triangles turned by J times 60 degrees.</translation>
    </message>
    <message>
        <source>Die Haltepunkte des Jitterbugs ausgeben, einen je Zeile: J, Listenplatz und Name, durch Tabulatoren getrennt; und beenden.</source>
        <translation>Print the stops of the jitterbug, one per line: J, list position and name, separated by tabs; and exit.</translation>
    </message>
    <message>
        <source>Die Verwandtschaften der 31 Körper ausgeben, eine je Zeile: Listenplatz, die Beziehung (dual, truncate, rectify, cantellate, omnitruncate, snub, jitterbug) und Listenplatz, durch Tabulatoren getrennt; und beenden.</source>
        <translation>Print the relations of the 31 solids, one per line: list position, the relation (dual, truncate, rectify, cantellate, omnitruncate, snub, jitterbug) and list position, separated by tabs; and exit.</translation>
    </message>
    <message>
        <source>--relations nimmt kein --solid, --wythoff oder --jitterbug</source>
        <translation>--relations takes no --solid, --wythoff or --jitterbug</translation>
    </message>
    <message>
        <source>ein Export braucht --solid, --wythoff oder --jitterbug</source>
        <translation>an export needs --solid, --wythoff or --jitterbug</translation>
    </message>
    <message>
        <source>--export-booklet schreibt jeden Körper; kein --solid, --wythoff oder --jitterbug angeben</source>
        <translation>--export-booklet writes every solid; give no --solid, --wythoff or --jitterbug</translation>
    </message>
    <message>
        <source>--jitterbug-stops nimmt kein --solid, --wythoff oder --jitterbug</source>
        <translation>--jitterbug-stops takes no --solid, --wythoff or --jitterbug</translation>
    </message>
    <message>
        <source>--export-picture, --export-solid, --export-net, --export-sheet, --properties oder einer drehenden --export-animation</source>
        <translation>--export-picture, --export-solid, --export-net, --export-sheet, --properties or a spinning --export-animation</translation>
    </message>
    <message>
        <source>--view: die Körper des Jitterbugs haben keine In- und keine Umkugel; mit --animate jitterbug geht nur polyeder</source>
        <translation>--view: the jitterbug's solids have no inner or outer sphere; only polyeder works with --animate jitterbug</translation>
    </message>
    <message>
        <source>--animate jitterbug beginnt immer beim Kuboktaeder; kein --solid, --wythoff oder --jitterbug angeben</source>
        <translation>--animate jitterbug always starts from the cuboctahedron; give no --solid, --wythoff or --jitterbug</translation>
    </message>
    <message>
        <source>--view: der Körper des Jitterbugs hat keine In- und keine Umkugel; mit --jitterbug geht nur polyeder</source>
        <translation>--view: the jitterbug's solid has no inner or outer sphere; only polyeder works with --jitterbug</translation>
    </message>
    <message>
        <source>nur eine von --export-picture, --export-animation, --export-solid, --properties, --export-net, --export-sheet, --export-booklet, --morph-stops, --wythoff-stops, --jitterbug-stops, --relations angeben</source>
        <translation>give only one of --export-picture, --export-animation, --export-solid, --properties, --export-net, --export-sheet, --export-booklet, --morph-stops, --wythoff-stops, --jitterbug-stops, --relations</translation>
    </message>
    <message>
        <source>--jitterbug beginnt immer beim Kuboktaeder; kein --solid oder --wythoff angeben</source>
        <translation>--jitterbug always starts from the cuboctahedron; give no --solid or --wythoff</translation>
    </message>
    <message>
        <source>Mit --wythoff, --wythoff-stops oder --animate kaleidoscope: das Kaleidoskop bildet den Punkt nur mit den Drehungen der Familie ab; die Hülle ist abgeschrägt, ihr Haltepunkt im Innern das Ikosaeder (T), das abgeschrägte Hexaeder (O) oder Dodekaeder (I).</source>
        <translation>With --wythoff, --wythoff-stops or --animate kaleidoscope: the kaleidoscope copies the point by the family's rotations alone; the hull is a snub, its stop inside the icosahedron (T), the snub cube (O) or the snub dodecahedron (I).</translation>
    </message>
    <message>
        <source>Mit --snub: der abgeschrägte Körper als Spiegelbild, in der anderen Händigkeit als die des Katalogs.</source>
        <translation>With --snub: the snub solid as its mirror image, in the other hand than the catalogue's.</translation>
    </message>
    <message>
        <source>--wythoff, --wythoff-stops oder --animate kaleidoscope</source>
        <translation>--wythoff, --wythoff-stops or --animate kaleidoscope</translation>
    </message>
</context>
<context>
    <name>Pick</name>
    <message>
        <source>Dreieck</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>Dreiecke</source>
        <translation>triangles</translation>
    </message>
    <message>
        <source>Quadrat</source>
        <translation>square</translation>
    </message>
    <message>
        <source>Quadrate</source>
        <translation>squares</translation>
    </message>
    <message>
        <source>Fünfeck</source>
        <translation>pentagon</translation>
    </message>
    <message>
        <source>Fünfecke</source>
        <translation>pentagons</translation>
    </message>
    <message>
        <source>Sechseck</source>
        <translation>hexagon</translation>
    </message>
    <message>
        <source>Sechsecke</source>
        <translation>hexagons</translation>
    </message>
    <message>
        <source>Achteck</source>
        <translation>octagon</translation>
    </message>
    <message>
        <source>Achtecke</source>
        <translation>octagons</translation>
    </message>
    <message>
        <source>Zehneck</source>
        <translation>decagon</translation>
    </message>
    <message>
        <source>Zehnecke</source>
        <translation>decagons</translation>
    </message>
    <message>
        <source>Rhombus</source>
        <translation>rhombus</translation>
    </message>
    <message>
        <source>Rhomben</source>
        <translation>rhombi</translation>
    </message>
    <message>
        <source>Drachenviereck</source>
        <translation>kite</translation>
    </message>
    <message>
        <source>Drachenvierecke</source>
        <translation>kites</translation>
    </message>
    <message>
        <source>Viereck</source>
        <translation>quadrilateral</translation>
    </message>
    <message>
        <source>Vierecke</source>
        <translation>quadrilaterals</translation>
    </message>
    <message>
        <source>gleichschenkliges Dreieck</source>
        <translation>isosceles triangle</translation>
    </message>
    <message>
        <source>gleichschenklige Dreiecke</source>
        <translation>isosceles triangles</translation>
    </message>
    <message>
        <source>ungleichseitiges Dreieck</source>
        <translation>scalene triangle</translation>
    </message>
    <message>
        <source>ungleichseitige Dreiecke</source>
        <translation>scalene triangles</translation>
    </message>
    <message>
        <source>%1-Eck</source>
        <translation>%1-gon</translation>
    </message>
    <message>
        <source>%1-Ecke</source>
        <translation>%1-gons</translation>
    </message>
    <message>
        <source>Ecke %1</source>
        <translation>Vertex %1</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>%1, %2 von %3 Flächen, grenzt an %4</source>
        <translation>%1, %2 of %3 faces, next to %4</translation>
    </message>
</context>
<context>
    <name>FaceKind</name>
    <message>
        <source>Dreiecke</source>
        <translation>triangles</translation>
    </message>
    <message>
        <source>Quadrate</source>
        <translation>squares</translation>
    </message>
    <message>
        <source>Fünfecke</source>
        <translation>pentagons</translation>
    </message>
    <message>
        <source>Sechsecke</source>
        <translation>hexagons</translation>
    </message>
    <message>
        <source>Achtecke</source>
        <translation>octagons</translation>
    </message>
    <message>
        <source>Zehnecke</source>
        <translation>decagons</translation>
    </message>
    <message>
        <source>gleichseitiges Dreieck</source>
        <translation>equilateral triangle</translation>
    </message>
    <message>
        <source>gleichschenkliges Dreieck</source>
        <translation>isosceles triangle</translation>
    </message>
    <message>
        <source>ungleichseitiges Dreieck</source>
        <translation>scalene triangle</translation>
    </message>
    <message>
        <source>Rhombus</source>
        <translation>rhombus</translation>
    </message>
    <message>
        <source>Drachenviereck</source>
        <translation>kite</translation>
    </message>
    <message>
        <source>Viereck</source>
        <translation>quadrilateral</translation>
    </message>
    <message>
        <source>Fünfeck</source>
        <translation>pentagon</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Bedienung</source>
        <translation>How to Use</translation>
    </message>
    <message>
        <source>Hilfe zur Bedienung: Steuerelemente, Menübefehle und ihre Tasten.</source>
        <translation>Help on using the program: controls, menu commands and their keys.</translation>
    </message>
    <message>
        <source>Hilfetext</source>
        <translation>Help text</translation>
    </message>
    <message>
        <source>Der Text der Hilfe; Esc schließt das Fenster.</source>
        <translation>The help text; Esc closes the window.</translation>
    </message>
</context>
<context>
    <name>Korvelindra</name>
    <message>
        <source>Interner Fehler: %1.</source>
        <translation>Internal error: %1.</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save Picture</translation>
    </message>
    <message>
        <source>PNG-Bilder (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>%1-fach (%2 × %3 Pixel)</source>
        <translation>%1 times (%2 × %3 pixels)</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Animation speichern</source>
        <translation>Save Animation</translation>
    </message>
    <message>
        <source>GIF-Animation (*.gif)</source>
        <translation>GIF animation (*.gif)</translation>
    </message>
    <message>
        <source>WebP-Animation (*.webp)</source>
        <translation>WebP animation (*.webp)</translation>
    </message>
    <message>
        <source>Bewegung:</source>
        <translation>Motion:</translation>
    </message>
    <message>
        <source>Bilder:</source>
        <translation>Frames:</translation>
    </message>
    <message>
        <source>Die Animation wird gespeichert …</source>
        <translation>Saving the animation …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Körper exportieren</source>
        <translation>Export Solid</translation>
    </message>
    <message>
        <source>STL, binär (*.stl)</source>
        <translation>STL, binary (*.stl)</translation>
    </message>
    <message>
        <source>aktuelle Lage</source>
        <translation>current pose</translation>
    </message>
    <message>
        <source>Ausgangslage</source>
        <translation>start pose</translation>
    </message>
    <message>
        <source>Lage:</source>
        <translation>Pose:</translation>
    </message>
    <message>
        <source>Umkugeldurchmesser:</source>
        <translation>Circumsphere diameter:</translation>
    </message>
    <message>
        <source>Netz speichern</source>
        <translation>Save Net</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Korvelindra – Bedienung&lt;/h2&gt;&lt;h3&gt;Was das Programm zeigt&lt;/h3&gt;&lt;p&gt;Die 31 konvexen Körper: 5 platonische, 13 archimedische und 13 catalansche. Jeder Körper erscheint allein, mit einer Kugel in seinem Innern oder in einer Kugel, die ihn umschließt. Die vordere Hälfte des äußeren Körpers ist ein hellgrüner Filter; verdeckte Kanten sind gepunktet.&lt;/p&gt;&lt;h3&gt;Die Steuerelemente&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Liste&lt;/b&gt;: wählt einen Körper; er erscheint in seiner Ausgangslage und -größe, eine laufende Drehung hält an.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ansicht&lt;/b&gt; (drei Optionsfelder): der Körper allein, mit der inneren Kugel oder in der äußeren Kugel.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Rotation / Abbruch&lt;/b&gt;: startet oder beendet das Drehen (ein Schritt alle 10 ms).&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pfeile nach außen / innen&lt;/b&gt;: vergrößert um 10 % / verkleinert.&lt;/li&gt;&lt;li&gt;&lt;b&gt;x-, y-, z-Drehwinkel&lt;/b&gt;: der Schritt je Takt in der Bildebene, um die waagerechte und um die senkrechte Achse (Wert × 0,25°); jede Änderung dreht den Körper einmal.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Punkte markieren&lt;/b&gt;: markiert die Ecken mit gelben Kreisen.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Die Maus&lt;/h3&gt;&lt;p&gt;Ziehen mit der linken Maustaste dreht den Körper, ein Grad je Pixel. Das Mausrad über dem Bild vergrößert (nach vorn) oder verkleinert (nach hinten), eine Raste je Schritt. Strg+Klick auf eine Fläche hebt alle Flächen ihrer Art hervor und nennt sie, Strg+Klick nahe einer Ecke die Flächen um die Ecke; auf einem Berührbildschirm fragt ein still gehaltener Finger ebenso. Esc oder ein Klick beendet das.&lt;/p&gt;&lt;h3&gt;Tastenkürzel&lt;/h3&gt;&lt;p&gt;Sie wirken, gleich welches Steuerelement den Fokus hat.&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;h3&gt;Präsentation&lt;/h3&gt;&lt;p&gt;F11 füllt den Bildschirm; der Körper füllt 90 % der kürzeren Seite. F10 blendet die Steuerspalte aus und ein, Esc oder F11 beenden den Modus.&lt;/p&gt;&lt;h3&gt;Papiernetze&lt;/h3&gt;&lt;p&gt;„Netz drucken …“ und „Netz speichern …“ legen das Netz des Körpers auf Papier. Am Fuß jeder Seite steht, wie daraus der Körper wird:&lt;/p&gt;&lt;p&gt;&lt;i&gt;%2&lt;/i&gt;&lt;/p&gt;&lt;p&gt;Der Balken unten links misst bei 100 % genau 50 mm. Die kleinen Zahlen in den Flächen sind die Flächennummern (Nummer im Katalog + 1); auf Wunsch steht an jeder Faltlinie der Winkel, den die beiden Flächen am Körper bilden. Laschen gibt es an einer Kante jedes Schnittkantenpaars, an beiden oder gar nicht.&lt;/p&gt;&lt;h3&gt;Befehlszeile&lt;/h3&gt;&lt;pre&gt;korvelindra --solid Ikosaeder --view umkugel
korvelindra --solid 3 --marks --scale 2 --export-picture bild.png
korvelindra --solid Kuboktaeder --export-solid koerper.stl --size-mm 80
korvelindra --solid Rhombendodekaeder --properties --json
korvelindra --solid Oktaederstumpf --export-net netz.pdf --paper a4&lt;/pre&gt;&lt;p&gt;&lt;code&gt;korvelindra --help&lt;/code&gt; nennt alle Optionen.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Korvelindra – How to Use&lt;/h2&gt;&lt;h3&gt;What the program shows&lt;/h3&gt;&lt;p&gt;The 31 convex solids: 5 Platonic, 13 Archimedean and 13 Catalan. Each solid appears alone, with a sphere inside it or inside a sphere that encloses it. The front half of the outer solid is a light-green filter; hidden edges are dotted.&lt;/p&gt;&lt;h3&gt;The controls&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;List&lt;/b&gt;: chooses a solid; it appears in its start pose and size, and a running rotation stops.&lt;/li&gt;&lt;li&gt;&lt;b&gt;View&lt;/b&gt; (three option buttons): the solid alone, with the inner sphere or inside the outer sphere.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Rotation / Stop&lt;/b&gt;: starts or ends the turning (one step every 10 ms).&lt;/li&gt;&lt;li&gt;&lt;b&gt;Arrows outwards / inwards&lt;/b&gt;: zooms in by 10 % / zooms out.&lt;/li&gt;&lt;li&gt;&lt;b&gt;x, y, z turn angle&lt;/b&gt;: the step per tick in the picture plane, about the horizontal and about the vertical axis (value × 0.25°); each change turns the solid once.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Mark vertices&lt;/b&gt;: marks the vertices with yellow circles.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;The mouse&lt;/h3&gt;&lt;p&gt;Dragging with the left mouse button turns the solid, one degree per pixel. The mouse wheel over the picture zooms in (forward) or out (back), one notch per step. Ctrl+click on a face highlights all faces of its kind and names them, Ctrl+click near a vertex the faces round the vertex; on a touch screen a finger held still asks as well. Esc or a click ends it.&lt;/p&gt;&lt;h3&gt;Shortcuts&lt;/h3&gt;&lt;p&gt;They work whichever control has the focus.&lt;/p&gt;&lt;table cellspacing=&quot;4&quot;&gt;%1&lt;/table&gt;&lt;h3&gt;Presentation&lt;/h3&gt;&lt;p&gt;F11 fills the screen; the solid fills 90 % of the shorter side. F10 hides and shows the control column, Esc or F11 end the mode.&lt;/p&gt;&lt;h3&gt;Paper nets&lt;/h3&gt;&lt;p&gt;“Print Net …” and “Save Net …” put the solid's net on paper. The foot of each page says how it becomes the solid:&lt;/p&gt;&lt;p&gt;&lt;i&gt;%2&lt;/i&gt;&lt;/p&gt;&lt;p&gt;The bar at the bottom left measures exactly 50 mm at 100 %. The small numbers in the faces are the face numbers (number in the catalogue + 1); on request each fold line carries the angle that the two faces make on the solid. Tabs are on one edge of each pair of cut edges, on both or on none.&lt;/p&gt;&lt;h3&gt;Command line&lt;/h3&gt;&lt;pre&gt;korvelindra --solid Icosahedron --view umkugel
korvelindra --solid 3 --marks --scale 2 --export-picture picture.png
korvelindra --solid Cuboctahedron --export-solid solid.stl --size-mm 80
korvelindra --solid &quot;Rhombic dodecahedron&quot; --properties --json
korvelindra --solid &quot;Truncated octahedron&quot; --export-net net.pdf --paper a4 --lang en&lt;/pre&gt;&lt;p&gt;&lt;code&gt;korvelindra --help&lt;/code&gt; lists all options.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Bedienung</source>
        <translation>How to Use</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Korvelindra %1&lt;/h3&gt;&lt;p&gt;Zeigt die 31 konvexen Körper – platonische, archimedische und catalansche – allein, mit Inkugel oder in ihrer Umkugel.&lt;/p&gt;&lt;p&gt;Lizenz: MIT.&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %2.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Korvelindra %1&lt;/h3&gt;&lt;p&gt;Shows the 31 convex solids – Platonic, Archimedean and Catalan – alone, with their insphere or inside their circumsphere.&lt;/p&gt;&lt;p&gt;Licence: MIT.&lt;/p&gt;&lt;p&gt;Built with Qt %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>beste</source>
        <translation>best</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>portrait</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>landscape</translation>
    </message>
    <message>
        <source>eine je Schnittkantenpaar</source>
        <translation>one per pair of cut edges</translation>
    </message>
    <message>
        <source>an beiden Kanten (dünnes Papier)</source>
        <translation>on both edges (thin paper)</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>größte, die auf eine Seite passt</source>
        <translation>largest that fits one page</translation>
    </message>
    <message>
        <source>Kanten nummerieren</source>
        <translation>Number the edges</translation>
    </message>
    <message>
        <source>Flächen nummerieren</source>
        <translation>Number the faces</translation>
    </message>
    <message>
        <source>Faltwinkel an die Faltlinien schreiben</source>
        <translation>Write the fold angles at the fold lines</translation>
    </message>
    <message>
        <source>Maßstab (50 mm) zum Prüfen der Druckgröße</source>
        <translation>Scale bar (50 mm) to check the printed size</translation>
    </message>
    <message>
        <source>Papier:</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>Ausrichtung:</source>
        <translation>Orientation:</translation>
    </message>
    <message>
        <source>Längste Kante:</source>
        <translation>Longest edge:</translation>
    </message>
    <message>
        <source>Laschen:</source>
        <translation>Tabs:</translation>
    </message>
    <message>
        <source>Auf eine Seite passen bis %1 mm.</source>
        <translation>Up to %1 mm fit on one page.</translation>
    </message>
    <message>
        <source>Die größte Kante für eine Seite ist nicht bekannt: %1</source>
        <translation>The largest edge for one page is not known: %1</translation>
    </message>
    <message>
        <source>Netz drucken</source>
        <translation>Print Net</translation>
    </message>
    <message>
        <source>mit Lücken (Anzahlen zum Ausfüllen, Lösungsseite am Ende)</source>
        <translation>with blanks (counts to fill in, answer page at the end)</translation>
    </message>
    <message>
        <source>Steckbrief auf A4 hoch</source>
        <translation>Worksheet on A4 portrait</translation>
    </message>
    <message>
        <source>Lücken:</source>
        <translation>Blanks:</translation>
    </message>
    <message>
        <source>Steckbrief drucken</source>
        <translation>Print Worksheet</translation>
    </message>
    <message>
        <source>Steckbrief: </source>
        <translation>Worksheet: </translation>
    </message>
    <message>
        <source>Steckbrief speichern</source>
        <translation>Save Worksheet</translation>
    </message>
    <message>
        <source>Alle Steckbriefe speichern</source>
        <translation>Save All Worksheets</translation>
    </message>
    <message>
        <source>Steckbriefe.pdf</source>
        <translation>Worksheets.pdf</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Deutsch</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>NetDialog</name>
    <message>
        <source>Papier, Kantenlänge, Laschen und Beschriftung des Netzes.</source>
        <translation>The net's paper, edge length, tabs and labels.</translation>
    </message>
    <message>
        <source>Das Papierformat der Seiten.</source>
        <translation>The paper size of the pages.</translation>
    </message>
    <message>
        <source>Hoch, quer oder was dem Netz besser passt.</source>
        <translation>Portrait, landscape or whichever suits the net better.</translation>
    </message>
    <message>
        <source>Die längste Kante des Netzes in Millimetern; 0 für die größte, die auf eine Seite passt.</source>
        <translation>The net's longest edge in millimetres; 0 for the largest that fits one page.</translation>
    </message>
    <message>
        <source>Klebelaschen an einer Kante jedes Paars, an beiden oder keine.</source>
        <translation>Glue tabs on one edge of each pair, on both or none.</translation>
    </message>
    <message>
        <source>Nummern an den Schnittkanten.</source>
        <translation>Numbers at the cut edges.</translation>
    </message>
    <message>
        <source>Nummern in den Flächen.</source>
        <translation>Numbers in the faces.</translation>
    </message>
    <message>
        <source>Der Winkel an jeder Faltlinie.</source>
        <translation>The angle at each fold line.</translation>
    </message>
    <message>
        <source>Ein Maßstabsbalken von 50 mm.</source>
        <translation>A scale bar of 50 mm.</translation>
    </message>
</context>
<context>
    <name>NetPage</name>
    <message>
        <source>Kantenlänge</source>
        <translation>edge length</translation>
    </message>
    <message>
        <source>längste Kante</source>
        <translation>longest edge</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>von</source>
        <translation>of</translation>
    </message>
    <message>
        <source>Bei 100 % drucken, ausschneiden, gestrichelte Linien nach hinten falten, Laschen unter die gleiche Nummer kleben; (n): mit Klebeband schließen</source>
        <translation>Print at 100 %, cut out, fold the dashed lines backwards, glue each tab under the same number; (n): close with tape</translation>
    </message>
    <message>
        <source>bei 100 % gedruckt: 50 mm</source>
        <translation>printed at 100 %: 50 mm</translation>
    </message>
    <message>
        <source>Netz, %1 Seite(n) untereinander</source>
        <translation>Net, %1 page(s) one below the other</translation>
    </message>
</context>
<context>
    <name>Properties</name>
    <message>
        <source>keine der drei Familien</source>
        <translation>none of the three families</translation>
    </message>
    <message>
        <source>Platonischer Körper</source>
        <translation>Platonic solid</translation>
    </message>
    <message>
        <source>Archimedischer Körper</source>
        <translation>Archimedean solid</translation>
    </message>
    <message>
        <source>Catalanischer Körper</source>
        <translation>Catalan solid</translation>
    </message>
    <message>
        <source>keine (nicht alle gleich weit vom Mittelpunkt)</source>
        <translation>none (not all equally far from the centre)</translation>
    </message>
    <message>
        <source>gezeichnet</source>
        <translation>drawn</translation>
    </message>
    <message>
        <source>wahr</source>
        <translation>true</translation>
    </message>
    <message>
        <source>gleich bis auf &lt;</source>
        <translation>equal to within &lt;</translation>
    </message>
    <message>
        <source>kleiner</source>
        <translation>smaller</translation>
    </message>
    <message>
        <source>größer</source>
        <translation>larger</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Familie</source>
        <translation>Family</translation>
    </message>
    <message>
        <source>Listenplatz</source>
        <translation>List position</translation>
    </message>
    <message>
        <source>keiner (Zwischenform)</source>
        <translation>none (intermediate form)</translation>
    </message>
    <message>
        <source>Normierung</source>
        <translation>Normalisation</translation>
    </message>
    <message>
        <source>Mittelkugelradius 1</source>
        <translation>midradius 1</translation>
    </message>
    <message>
        <source>Kantenlänge 1</source>
        <translation>edge length 1</translation>
    </message>
    <message>
        <source>Katalogmaß</source>
        <translation>catalogue size</translation>
    </message>
    <message>
        <source>Ecken</source>
        <translation>Vertices</translation>
    </message>
    <message>
        <source>Kanten</source>
        <translation>Edges</translation>
    </message>
    <message>
        <source>Flächen</source>
        <translation>Faces</translation>
    </message>
    <message>
        <source>Eulersche Formel E - K + F</source>
        <translation>Euler's formula V - E + F</translation>
    </message>
    <message>
        <source>Flächenarten</source>
        <translation>Face kinds</translation>
    </message>
    <message>
        <source>Flächenkonfiguration</source>
        <translation>Face configuration</translation>
    </message>
    <message>
        <source>Eckenkonfiguration</source>
        <translation>Vertex configuration</translation>
    </message>
    <message>
        <source>Dualer Körper</source>
        <translation>Dual solid</translation>
    </message>
    <message>
        <source>keiner im Katalog</source>
        <translation>none in the catalogue</translation>
    </message>
    <message>
        <source>Symmetrie</source>
        <translation>Symmetry</translation>
    </message>
    <message>
        <source>Ordnung</source>
        <translation>order</translation>
    </message>
    <message>
        <source>Drehgruppe</source>
        <translation>rotation group</translation>
    </message>
    <message>
        <source>Kantenlängen</source>
        <translation>Edge lengths</translation>
    </message>
    <message>
        <source>Diederwinkel</source>
        <translation>Dihedral angles</translation>
    </message>
    <message>
        <source>Inkugelradius</source>
        <translation>Inradius</translation>
    </message>
    <message>
        <source>Mittelkugelradius</source>
        <translation>Midradius</translation>
    </message>
    <message>
        <source>Umkugelradius</source>
        <translation>Circumradius</translation>
    </message>
    <message>
        <source>Oberfläche</source>
        <translation>Surface area</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Innere Kugel im Bild</source>
        <translation>Inner sphere in the picture</translation>
    </message>
    <message>
        <source>Äußere Kugel im Bild</source>
        <translation>Outer sphere in the picture</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Fortschritt beim Speichern der Animation.</source>
        <translation>Progress of saving the animation.</translation>
    </message>
    <message>
        <source>Wählt Ordner und Dateinamen zum Speichern; darunter die Optionen.</source>
        <translation>Chooses the folder and file name to save to; the options below.</translation>
    </message>
    <message>
        <source>Option des Speicherns: %1</source>
        <translation>Saving option: %1</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>no space left on the device</translation>
    </message>
    <message>
        <source>das Speicherkontingent ist erschöpft</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>nicht erlaubt</source>
        <translation>not permitted</translation>
    </message>
    <message>
        <source>das Dateisystem ist schreibgeschützt</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>an dieser Stelle liegt ein Ordner</source>
        <translation>a folder is in that place</translation>
    </message>
    <message>
        <source>der Dateiname ist zu lang</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>kein Dateiname</source>
        <translation>no file name</translation>
    </message>
    <message>
        <source>Meldung des Systems „%1“</source>
        <translation>the system says “%1”</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden: %2</source>
        <translation>The file %1 could not be written: %2</translation>
    </message>
</context>
<context>
    <name>SheetDialog</name>
    <message>
        <source>Ob der Steckbrief Lücken zum Ausfüllen hat.</source>
        <translation>Whether the worksheet has blanks to fill in.</translation>
    </message>
</context>
<context>
    <name>Solid</name>
    <message>
        <source>Tetraeder</source>
        <translation>Tetrahedron</translation>
    </message>
    <message>
        <source>Hexaeder, Würfel</source>
        <translation>Cube</translation>
    </message>
    <message>
        <source>Oktaeder</source>
        <translation>Octahedron</translation>
    </message>
    <message>
        <source>Ikosaeder</source>
        <translation>Icosahedron</translation>
    </message>
    <message>
        <source>Pentagondodekaeder</source>
        <translation>Dodecahedron</translation>
    </message>
    <message>
        <source>Abgeschrägtes Dodekaeder</source>
        <translation>Snub dodecahedron</translation>
    </message>
    <message>
        <source>Abgeschrägtes Hexaeder</source>
        <translation>Snub cube</translation>
    </message>
    <message>
        <source>Dodekaederstumpf</source>
        <translation>Truncated dodecahedron</translation>
    </message>
    <message>
        <source>Hexaederstumpf</source>
        <translation>Truncated cube</translation>
    </message>
    <message>
        <source>Ikosaederstumpf</source>
        <translation>Truncated icosahedron</translation>
    </message>
    <message>
        <source>Ikosidodekaeder</source>
        <translation>Icosidodecahedron</translation>
    </message>
    <message>
        <source>Ikosidodekaederstumpf</source>
        <translation>Truncated icosidodecahedron</translation>
    </message>
    <message>
        <source>Kuboktaeder</source>
        <translation>Cuboctahedron</translation>
    </message>
    <message>
        <source>Kuboktaederstumpf</source>
        <translation>Truncated cuboctahedron</translation>
    </message>
    <message>
        <source>Oktaederstumpf</source>
        <translation>Truncated octahedron</translation>
    </message>
    <message>
        <source>Rhombenikosidodekaeder</source>
        <translation>Rhombicosidodecahedron</translation>
    </message>
    <message>
        <source>Rhombenkuboktaeder</source>
        <translation>Rhombicuboctahedron</translation>
    </message>
    <message>
        <source>Tetraederstumpf</source>
        <translation>Truncated tetrahedron</translation>
    </message>
    <message>
        <source>Deltoid-24-Flächner</source>
        <translation>Deltoidal icositetrahedron</translation>
    </message>
    <message>
        <source>Deltoid-60-Flächner</source>
        <translation>Deltoidal hexecontahedron</translation>
    </message>
    <message>
        <source>Disdyakisdodecaeder</source>
        <translation>Disdyakis dodecahedron</translation>
    </message>
    <message>
        <source>Disdyakistriakontaeder</source>
        <translation>Disdyakis triacontahedron</translation>
    </message>
    <message>
        <source>Pentagon-24-Flächner</source>
        <translation>Pentagonal icositetrahedron</translation>
    </message>
    <message>
        <source>Pentagon-60-Flächner</source>
        <translation>Pentagonal hexecontahedron</translation>
    </message>
    <message>
        <source>Pyramidendodekaeder</source>
        <translation>Pentakis dodecahedron</translation>
    </message>
    <message>
        <source>Pyramidenikosaeder</source>
        <translation>Triakis icosahedron</translation>
    </message>
    <message>
        <source>Pyramidenoktaeder</source>
        <translation>Triakis octahedron</translation>
    </message>
    <message>
        <source>Pyramidentetraeder</source>
        <translation>Triakis tetrahedron</translation>
    </message>
    <message>
        <source>Pyramidenwürfel</source>
        <translation>Tetrakis hexahedron</translation>
    </message>
    <message>
        <source>Rhombendodekaeder</source>
        <translation>Rhombic dodecahedron</translation>
    </message>
    <message>
        <source>Rhombentriakontaeder</source>
        <translation>Rhombic triacontahedron</translation>
    </message>
    <message>
        <source>Kaleidoskop</source>
        <translation>Kaleidoscope</translation>
    </message>
    <message>
        <source>, auf dem Weg zum dualen Körper</source>
        <translation>, on the way to its dual</translation>
    </message>
    <message>
        <source>Jitterbug</source>
        <translation>Jitterbug</translation>
    </message>
    <message>
        <source>abgeschrägt</source>
        <translation>snub</translation>
    </message>
    <message>
        <source>abgeschrägt, gespiegelt</source>
        <translation>snub, mirrored</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Ecken</source>
        <translation>Vertices</translation>
    </message>
    <message>
        <source>Flächen nach Nummern (wie im Netz)</source>
        <translation>Faces by number (as in the net)</translation>
    </message>
    <message>
        <source>Steckbrief: </source>
        <translation>Worksheet: </translation>
    </message>
    <message>
        <source>Seite %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Steckbrief – fülle die leeren Kästchen aus</source>
        <translation>Worksheet – fill in the empty boxes</translation>
    </message>
    <message>
        <source>Steckbrief</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>Lösungen: </source>
        <translation>Answers: </translation>
    </message>
    <message>
        <source>Steckbriefe der Körper</source>
        <translation>Worksheets of the solids</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Contents</translation>
    </message>
</context>
<context>
    <name>velkora::FoldWindow</name>
    <message>
        <source>Das Netz liegt flach.</source>
        <translation>The net lies flat.</translation>
    </message>
    <message>
        <source>Der Körper ist geschlossen.</source>
        <translation>The solid is closed.</translation>
    </message>
    <message>
        <source>Gefaltet zu %1 %</source>
        <translation>Folded %1 %</translation>
    </message>
    <message>
        <source>Netz falten</source>
        <translation>Fold the Net</translation>
    </message>
    <message>
        <source>Links liegt das Netz flach, rechts ist der Körper geschlossen.</source>
        <translation>On the left the net lies flat, on the right the solid is closed.</translation>
    </message>
    <message>
        <source>Faltet das Netz zum Körper und öffnet es wieder.</source>
        <translation>Folds the net into the solid and opens it again.</translation>
    </message>
    <message>
        <source>&amp;Kantennummern</source>
        <translation>&amp;Edge numbers</translation>
    </message>
    <message>
        <source>Zeigt an den Schnittkanten die Nummern des gedruckten Netzes: Kanten mit gleicher Nummer werden zusammengeklebt.</source>
        <translation>Shows the printed net's numbers at the cut edges: edges with the same number are glued together.</translation>
    </message>
    <message>
        <source>Faltet das Netz des gezeigten Körpers im Bild: ein Regler von flach bis geschlossen, Abspielen und die Kantennummern.</source>
        <translation>Folds the net of the solid shown in the picture: a slider from flat to closed, play and the edge numbers.</translation>
    </message>
    <message>
        <source>Faltstufe</source>
        <translation>Fold stage</translation>
    </message>
    <message>
        <source>Wie weit das Netz gefaltet ist.</source>
        <translation>How far the net is folded.</translation>
    </message>
    <message>
        <source>Abspielen</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Zeigt die Nummern der Schnittkanten; gleiche Nummern werden zusammengeklebt.</source>
        <translation>Shows the numbers of the cut edges; equal numbers are glued together.</translation>
    </message>
    <message>
        <source>Bewegung reduziert: jeder Druck faltet ein Zehntel weiter, an den Enden kehrt es um.</source>
        <translation>Reduced motion: each press folds a tenth further, turning back at the ends.</translation>
    </message>
</context>
<context>
    <name>velkora::KaleidoscopeWindow</name>
    <message>
        <source>Wählt diesen Körper in der Liste.</source>
        <translation>Selects this solid in the list.</translation>
    </message>
    <message>
        <source>Anhalten</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Rundgang</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Gewichte %1 : %2 : %3</source>
        <translation>Weights %1 : %2 : %3</translation>
    </message>
    <message>
        <source>Kaleidoskop</source>
        <translation>Kaleidoscope</translation>
    </message>
    <message>
        <source>T: Tetraeder-Familie</source>
        <translation>T: tetrahedral family</translation>
    </message>
    <message>
        <source>O: Oktaeder-Familie</source>
        <translation>O: octahedral family</translation>
    </message>
    <message>
        <source>I: Ikosaeder-Familie</source>
        <translation>I: icosahedral family</translation>
    </message>
    <message>
        <source>Wythoffs Konstruktion: ein Punkt im Dreieck der Spiegel wird über die Kugel gespiegelt; die Hülle der Bilder ist der Körper im Hauptfenster.</source>
        <translation>Wythoff's construction: a point in the triangle of mirrors is reflected over the sphere; the hull of its images is the solid in the main window.</translation>
    </message>
    <message>
        <source>Symmetriefamilie</source>
        <translation>Symmetry family</translation>
    </message>
    <message>
        <source>Die Spiegelgruppe: Tetraeder, Oktaeder oder Ikosaeder.</source>
        <translation>The mirror group: tetrahedral, octahedral or icosahedral.</translation>
    </message>
    <message>
        <source>Wählt die Symmetriefamilie, deren Spiegel den Punkt abbilden.</source>
        <translation>Chooses the symmetry family whose mirrors reflect the point.</translation>
    </message>
    <message>
        <source>Spiegeldreieck</source>
        <translation>Mirror triangle</translation>
    </message>
    <message>
        <source>Der Punkt im Dreieck der Spiegel; die Pfeiltasten verschieben ihn, an den Haltepunkten rastet er ein.</source>
        <translation>The point in the triangle of mirrors; the arrow keys move it, and it snaps to the stops.</translation>
    </message>
    <message>
        <source>Haltepunkt</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Der Körper am Haltepunkt, wenn der Punkt auf einem liegt.</source>
        <translation>The solid at the stop, when the point lies on one.</translation>
    </message>
    <message>
        <source>Führt den Punkt an allen Haltepunkten vorbei oder hält ihn an.</source>
        <translation>Takes the point past every stop, or stops it.</translation>
    </message>
    <message>
        <source>Führt den Punkt die Seiten entlang und ins Innere, an jedem Haltepunkt vorbei.</source>
        <translation>Takes the point along the sides and through the inside, past every stop.</translation>
    </message>
    <message>
        <source>Abschrägen</source>
        <translation>Snub</translation>
    </message>
    <message>
        <source>Spiegelbild</source>
        <translation>Mirror image</translation>
    </message>
    <message>
        <source>Nur die Drehungen der Familie bilden den Punkt ab, nicht ihre Spiegelungen.</source>
        <translation>Only the family's rotations copy the point, not its reflections.</translation>
    </message>
    <message>
        <source>Die Hülle der Bilder des Punkts unter den Drehungen allein: im Innern des Dreiecks ein abgeschrägter Körper.</source>
        <translation>The hull of the point's images under the rotations alone: inside the triangle a snub solid.</translation>
    </message>
    <message>
        <source>Der abgeschrägte Körper in seiner anderen Händigkeit.</source>
        <translation>The snub solid in its other hand.</translation>
    </message>
    <message>
        <source>Zeigt das Spiegelbild des abgeschrägten Körpers.</source>
        <translation>Shows the mirror image of the snub solid.</translation>
    </message>
</context>
<context>
    <name>velkora::MorphWindow</name>
    <message>
        <source>Die Striche zeigen die Haltepunkte:
</source>
        <translation>The ticks show the stops:
</translation>
    </message>
    <message>
        <source>Von %1 (t = 0) zu %2 (t = 1)</source>
        <translation>From %1 (t = 0) to %2 (t = 1)</translation>
    </message>
    <message>
        <source>Verwandlung</source>
        <translation>Morph</translation>
    </message>
    <message>
        <source>&amp;Berührpunkte</source>
        <translation>&amp;Touching points</translation>
    </message>
    <message>
        <source>Markiert die Punkte, in denen die Kanten des Körpers die Kantenkugel berühren. Dort berühren auch die Kanten des dualen Körpers die Kugel; bei t = 0,5 sind es genau die Ecken.</source>
        <translation>Marks the points where the solid's edges touch the midsphere. The dual solid's edges touch the sphere there too; at t = 0.5 they are exactly the vertices.</translation>
    </message>
    <message>
        <source>Verwandelt den gezeigten Körper in seinen dualen Körper: ein Regler für t, die Haltepunkte als Knöpfe und Abspielen.</source>
        <translation>Turns the solid shown into its dual: a slider for t, the stops as buttons, and play.</translation>
    </message>
    <message>
        <source>Anfang und Ende</source>
        <translation>Start and end</translation>
    </message>
    <message>
        <source>Der Körper bei t = 0 und sein dualer Körper bei t = 1.</source>
        <translation>The solid at t = 0 and its dual at t = 1.</translation>
    </message>
    <message>
        <source>Parameter t</source>
        <translation>Parameter t</translation>
    </message>
    <message>
        <source>Von 0 (der Körper) bis 1 (sein dualer Körper); die Striche sind die Haltepunkte.</source>
        <translation>From 0 (the solid) to 1 (its dual); the ticks are the stops.</translation>
    </message>
    <message>
        <source>Stelle</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Der Wert von t und der Körper, wenn t ein Haltepunkt ist.</source>
        <translation>The value of t, and the solid when t is a stop.</translation>
    </message>
    <message>
        <source>Abspielen</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Markiert die Punkte, in denen die Kanten die Kantenkugel berühren.</source>
        <translation>Marks the points where the edges touch the midsphere.</translation>
    </message>
    <message>
        <source>Bewegung reduziert: jeder Druck verschiebt t um ein Zehntel, an den Enden kehrt es um.</source>
        <translation>Reduced motion: each press moves t by a tenth, turning back at the ends.</translation>
    </message>
    <message>
        <source>Spielt die Verwandlung von 0 bis 1 und zurück ab oder hält sie an.</source>
        <translation>Plays the morph from 0 to 1 and back, or stops it.</translation>
    </message>
    <message>
        <source>Setzt t auf diesen Haltepunkt.</source>
        <translation>Sets t to this stop.</translation>
    </message>
    <message>
        <source>Setzt t auf %1, wo der Körper %2 ist.</source>
        <translation>Sets t to %1, where the solid is a %2.</translation>
    </message>
</context>
<context>
    <name>velkora::JitterbugWindow</name>
    <message>
        <source>Jitterbug</source>
        <translation>Jitterbug</translation>
    </message>
    <message>
        <source>Die acht Dreiecke des Kuboktaeders drehen sich um j mal 60 Grad, bis sie sich zum Oktaeder schließen: ein Regler für j, die Haltepunkte als Knöpfe und Abspielen.</source>
        <translation>The cuboctahedron's eight triangles turn by j times 60 degrees until they close into the octahedron: a slider for j, the stops as buttons, and play.</translation>
    </message>
    <message>
        <source>Parameter j</source>
        <translation>Parameter j</translation>
    </message>
    <message>
        <source>Von 0 (das Kuboktaeder) bis 1 (das Oktaeder); die Striche sind die Haltepunkte.</source>
        <translation>From 0 (the cuboctahedron) to 1 (the octahedron); the ticks are the stops.</translation>
    </message>
    <message>
        <source>Stelle</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Abspielen</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>%1 die acht drehenden Dreiecke, %2 die Flächen, die sich dazwischen öffnen</source>
        <translation>%1 the eight turning triangles, %2 the faces that open between them</translation>
    </message>
    <message>
        <source>Setzt j auf %1, wo der Körper %2 ist.</source>
        <translation>Sets j to %1, where the solid is the %2.</translation>
    </message>
    <message>
        <source>Die Striche zeigen die Haltepunkte:
</source>
        <translation>The ticks show the stops:
</translation>
    </message>
</context>
<context>
    <name>velkora::RelationsWindow</name>
    <message>
        <source>Verwandtschaften</source>
        <translation>Relations</translation>
    </message>
    <message>
        <source>Die 31 Körper und ihre Verwandtschaften: ein Klick auf einen Körper wählt ihn, ein Klick auf eine Linie öffnet das Werkzeug, das diesen Weg zeigt.</source>
        <translation>The 31 solids and their relations: a click on a solid picks it, a click on a line opens the tool that shows that path.</translation>
    </message>
    <message>
        <source>dual</source>
        <translation>dual</translation>
    </message>
    <message>
        <source>Abstumpfen</source>
        <translation>truncation</translation>
    </message>
    <message>
        <source>Rektifizieren</source>
        <translation>rectification</translation>
    </message>
    <message>
        <source>Kantellieren</source>
        <translation>cantellation</translation>
    </message>
    <message>
        <source>Vollständig abstumpfen</source>
        <translation>omnitruncation</translation>
    </message>
    <message>
        <source>Abschrägen</source>
        <translation>snub</translation>
    </message>
    <message>
        <source>Jitterbug</source>
        <translation>jitterbug</translation>
    </message>
    <message>
        <source>%1: %2 – %3</source>
        <translation>%1: %2 – %3</translation>
    </message>
</context>
<context>
    <name>velkora::PropertiesWindow</name>
    <message>
        <source>Frage an das Bild</source>
        <translation>Question to the picture</translation>
    </message>
    <message>
        <source>Was das Bild über eine Fläche oder Ecke sagt: Strg+Klick ins Bild fragt, Esc oder ein Klick beendet die Frage.</source>
        <translation>What the picture says about a face or vertex: Ctrl+click in the picture asks, Esc or a click ends the question.</translation>
    </message>
    <message>
        <source>Dualer Körper</source>
        <translation>Dual solid</translation>
    </message>
    <message>
        <source>Dual: %1</source>
        <translation>Dual: %1</translation>
    </message>
    <message>
        <source>Eigenschaften</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Die Zahlen des gezeigten Körpers, aus seiner Geometrie berechnet.</source>
        <translation>The numbers of the solid shown, computed from its geometry.</translation>
    </message>
    <message>
        <source>Körper</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>Name des Körpers, dessen Eigenschaften die Tabelle zeigt.</source>
        <translation>Name of the solid whose properties the table shows.</translation>
    </message>
    <message>
        <source>Je Zeile eine Größe und ihr Wert.</source>
        <translation>One quantity and its value per row.</translation>
    </message>
    <message>
        <source>Wählt den dualen Körper in der Liste.</source>
        <translation>Selects the dual solid in the list.</translation>
    </message>
    <message>
        <source>Kopiert die Tabelle als Text.</source>
        <translation>Copies the table as text.</translation>
    </message>
    <message>
        <source>Wählt den dualen Körper in der Liste des Hauptfensters.</source>
        <translation>Selects the dual solid in the main window's list.</translation>
    </message>
    <message>
        <source>Kopiert die Tabelle als Text in die Zwischenablage.</source>
        <translation>Copies the table as text to the clipboard.</translation>
    </message>
</context>
<context>
    <name>velkora::SliderPlayer</name>
    <message>
        <source>Anhalten</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Abspielen</source>
        <translation>Play</translation>
    </message>
</context>
<context>
    <name>velkora::TFVelkora</name>
    <message>
        <source>Nach links drehen</source>
        <translation>Turn left</translation>
    </message>
    <message>
        <source>Nach rechts drehen</source>
        <translation>Turn right</translation>
    </message>
    <message>
        <source>Nach oben kippen</source>
        <translation>Tilt up</translation>
    </message>
    <message>
        <source>Nach unten kippen</source>
        <translation>Tilt down</translation>
    </message>
    <message>
        <source>Gegen den Uhrzeigersinn drehen</source>
        <translation>Turn anticlockwise</translation>
    </message>
    <message>
        <source>Im Uhrzeigersinn drehen</source>
        <translation>Turn clockwise</translation>
    </message>
    <message>
        <source>äußere Kugel</source>
        <translation>outer sphere</translation>
    </message>
    <message>
        <source>Umkugel</source>
        <translation>circumsphere</translation>
    </message>
    <message>
        <source>innere Kugel</source>
        <translation>inner sphere</translation>
    </message>
    <message>
        <source>Velkora</source>
        <translation>Velkora</translation>
    </message>
    <message>
        <source>Zeigt den Körper allein.</source>
        <translation>Shows the solid alone.</translation>
    </message>
    <message>
        <source>Zeigt den Körper mit einer Kugel in seinem Innern, die seine nächstgelegenen Flächen berührt.</source>
        <translation>Shows the solid with a sphere inside it that touches its nearest faces.</translation>
    </message>
    <message>
        <source>Zeigt den Körper in seiner Umkugel durch alle Ecken.</source>
        <translation>Shows the solid in its circumsphere through all vertices.</translation>
    </message>
    <message>
        <source>Zeigt den Körper mit seiner Inkugel, die alle Flächen berührt.</source>
        <translation>Shows the solid with its insphere, which touches all faces.</translation>
    </message>
    <message>
        <source>Zeigt den Körper in einer äußeren Kugel durch seine entferntesten Ecken.</source>
        <translation>Shows the solid in an outer sphere through its farthest vertices.</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Polyeder</source>
        <translation>Polyhedron</translation>
    </message>
    <message>
        <source>x-Drehwinkel</source>
        <translation>x turn angle</translation>
    </message>
    <message>
        <source>y-Drehwinkel</source>
        <translation>y turn angle</translation>
    </message>
    <message>
        <source>z-Drehwinkel</source>
        <translation>z turn angle</translation>
    </message>
    <message>
        <source>Punkte markieren</source>
        <translation>Mark vertices</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Bild &amp;speichern …</source>
        <translation>&amp;Save Picture …</translation>
    </message>
    <message>
        <source>Bild &amp;kopieren</source>
        <translation>&amp;Copy Picture</translation>
    </message>
    <message>
        <source>&amp;Animation speichern …</source>
        <translation>Save &amp;Animation …</translation>
    </message>
    <message>
        <source>Körper &amp;exportieren …</source>
        <translation>&amp;Export Solid …</translation>
    </message>
    <message>
        <source>Netz &amp;drucken …</source>
        <translation>&amp;Print Net …</translation>
    </message>
    <message>
        <source>Netz s&amp;peichern …</source>
        <translation>Save &amp;Net …</translation>
    </message>
    <message>
        <source>Steckbrief dr&amp;ucken …</source>
        <translation>Print &amp;Worksheet …</translation>
    </message>
    <message>
        <source>Steckbrief speic&amp;hern …</source>
        <translation>Save W&amp;orksheet …</translation>
    </message>
    <message>
        <source>&amp;Alle Steckbriefe speichern …</source>
        <translation>Save A&amp;ll Worksheets …</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Eigenschaften</source>
        <translation>P&amp;roperties</translation>
    </message>
    <message>
        <source>&amp;Verwandlung …</source>
        <translation>&amp;Morph …</translation>
    </message>
    <message>
        <source>&amp;Kaleidoskop …</source>
        <translation>&amp;Kaleidoscope …</translation>
    </message>
    <message>
        <source>Netz &amp;falten …</source>
        <translation>&amp;Fold the Net …</translation>
    </message>
    <message>
        <source>Ver&amp;wandtschaften …</source>
        <translation>&amp;Relations …</translation>
    </message>
    <message>
        <source>&amp;Jitterbug …</source>
        <translation>&amp;Jitterbug …</translation>
    </message>
    <message>
        <source>Jitterbug bei j = %1, %2</source>
        <translation>Jitterbug at j = %1, %2</translation>
    </message>
    <message>
        <source>Jitterbug bei j = %1: %2, %3</source>
        <translation>Jitterbug at j = %1: %2, %3</translation>
    </message>
    <message>
        <source>&amp;Präsentation</source>
        <translation>Pr&amp;esentation</translation>
    </message>
    <message>
        <source>&amp;Steuerspalte zeigen</source>
        <translation>Show the &amp;Control Column</translation>
    </message>
    <message>
        <source>Präsentation beenden</source>
        <translation>Leave Presentation</translation>
    </message>
    <message>
        <source>&amp;Ausgangslage</source>
        <translation>&amp;Start Pose</translation>
    </message>
    <message>
        <source>&amp;Nächster Körper</source>
        <translation>&amp;Next Solid</translation>
    </message>
    <message>
        <source>V&amp;orheriger Körper</source>
        <translation>Pre&amp;vious Solid</translation>
    </message>
    <message>
        <source>&amp;Vergrößern</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>Ver&amp;kleinern</source>
        <translation>Zoom O&amp;ut</translation>
    </message>
    <message>
        <source>&amp;Drehen</source>
        <translation>&amp;Turn</translation>
    </message>
    <message>
        <source>%1 um %2°</source>
        <translation>%1 by %2°</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Bedienung</source>
        <translation>&amp;How to Use</translation>
    </message>
    <message>
        <source>Über &amp;Korvelindra</source>
        <translation>&amp;About Korvelindra</translation>
    </message>
    <message>
        <source>Vergrößern (Mausrad nach vorn, Strg++)</source>
        <translation>Zoom in (mouse wheel forward, Ctrl++)</translation>
    </message>
    <message>
        <source>Verkleinern (Mausrad nach hinten, Strg+-)</source>
        <translation>Zoom out (mouse wheel back, Ctrl+-)</translation>
    </message>
    <message>
        <source> Ein Schritt dreht um 0,25° je Takt (−15 bis 15); der neue Wert gilt ab der nächsten Änderung und dreht den Körper sofort einmal.</source>
        <translation> One step turns by 0.25° per tick (−15 to 15); the new value holds from the next change and turns the solid once at once.</translation>
    </message>
    <message>
        <source>Drehung in der Bildebene.</source>
        <translation>Turn in the picture plane.</translation>
    </message>
    <message>
        <source>Drehung um die waagerechte Achse.</source>
        <translation>Turn about the horizontal axis.</translation>
    </message>
    <message>
        <source>Drehung um die senkrechte Achse.</source>
        <translation>Turn about the vertical axis.</translation>
    </message>
    <message>
        <source>Markiert die Ecken des Polyeders mit gelben Kreisen.</source>
        <translation>Marks the polyhedron's vertices with yellow circles.</translation>
    </message>
    <message>
        <source>Mit gedrückter linker Maustaste ziehen: den Körper drehen. Mausrad: vergrößern oder verkleinern.</source>
        <translation>Drag with the left mouse button: turn the solid. Mouse wheel: zoom in or out.</translation>
    </message>
    <message>
        <source>Das Bild zeigt das Netz, das sich faltet. Wenn das Fenster „Netz falten“ geschlossen ist, gelten die Ansichten wieder.</source>
        <translation>The picture shows the net folding up. When the “Fold the Net” window is closed, the views apply again.</translation>
    </message>
    <message>
        <source>Der Körper der Verwandlung oder des Kaleidoskops hat im Allgemeinen weder Inkugel noch Umkugel; das Bild zeigt das Polyeder. Mit dem gewählten Körper gelten die Ansichten wieder.</source>
        <translation>The solid of the morph or the kaleidoscope has in general neither an insphere nor a circumsphere; the picture shows the polyhedron. With the chosen solid the views apply again.</translation>
    </message>
    <message>
        <source>Über Korvelindra</source>
        <translation>About Korvelindra</translation>
    </message>
    <message>
        <source>&amp;Linienstärke</source>
        <translation>&amp;Line Width</translation>
    </message>
    <message>
        <source>&amp;%1 px</source>
        <translation>&amp;%1 px</translation>
    </message>
    <message>
        <source>Zeichnet Kanten und Eckmarken %1 Pixel breit.</source>
        <translation>Draws edges and vertex marks %1 pixels wide.</translation>
    </message>
    <message>
        <source>Bewegung &amp;reduzieren</source>
        <translation>&amp;Reduce Motion</translation>
    </message>
    <message>
        <source>„Abspielen“ in den Fenstern Verwandlung und Netz falten bewegt nicht von selbst, sondern geht je Druck einen Schritt weiter.</source>
        <translation>“Play” in the Morph and Fold the Net windows does not move by itself but goes one step further per press.</translation>
    </message>
    <message>
        <source>Flächen nach Ar&amp;t färben</source>
        <translation>Colour f&amp;aces by kind</translation>
    </message>
    <message>
        <source>Füllt jede Fläche in der Farbe ihrer Art: Flächen, die eine Drehung oder Spiegelung des Körpers ineinander überführt, haben dieselbe Farbe. Die Farben sind auch bei Farbsehschwäche zu unterscheiden. Taste: %1.</source>
        <translation>Fills every face in the colour of its kind: faces that a rotation or reflection of the solid carries onto each other have the same colour. The colours can be told apart with colour vision deficiencies too. Key: %1.</translation>
    </message>
    <message>
        <source>Betrachter der 31 konvexen Polyeder: links das Bild des Körpers, rechts die Liste der Körper und die Bedienelemente.</source>
        <translation>Viewer of the 31 convex polyhedra: on the left the picture of the solid, on the right the list of solids and the controls.</translation>
    </message>
    <message>
        <source>Körper</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>Liste der 31 Körper. Die Wahl zeigt den Körper in seiner Ausgangslage und hält die Drehung an.</source>
        <translation>List of the 31 solids. A choice shows the solid in its start pose and stops the rotation.</translation>
    </message>
    <message>
        <source>Wählt den Körper, der gezeigt wird. Die Pfeiltasten wechseln zum Nachbarn, Strg+Bild ab und Strg+Bild auf von überall.</source>
        <translation>Chooses the solid that is shown. The arrow keys go to the neighbour, Ctrl+PgDown and Ctrl+PgUp from anywhere.</translation>
    </message>
    <message>
        <source>Ansicht: der Körper allein.</source>
        <translation>View: the solid alone.</translation>
    </message>
    <message>
        <source>Ansicht: der Körper mit seiner inneren Kugel.</source>
        <translation>View: the solid with its inner sphere.</translation>
    </message>
    <message>
        <source>Ansicht: der Körper in seiner äußeren Kugel.</source>
        <translation>View: the solid inside its outer sphere.</translation>
    </message>
    <message>
        <source>Startet die Drehung des Körpers um die eingestellten Schritte oder hält sie an.</source>
        <translation>Starts the rotation of the solid by the steps set, or stops it.</translation>
    </message>
    <message>
        <source>Startet die Drehung um die drei eingestellten Schritte je Takt; „Abbruch“ hält sie an. Der Körper bleibt, wo er steht.</source>
        <translation>Starts the rotation by the three steps set per tick; “Stop” stops it. The solid stays where it is.</translation>
    </message>
    <message>
        <source>Vergrößern</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Vergrößert das Bild um 10 %.</source>
        <translation>Enlarges the picture by 10 %.</translation>
    </message>
    <message>
        <source>Verkleinern</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Verkleinert das Bild um den Faktor 10/11.</source>
        <translation>Shrinks the picture by the factor 10/11.</translation>
    </message>
    <message>
        <source>Schritt der Drehung in der Bildebene, in Vierteln eines Grades je Takt.</source>
        <translation>Step of the turn in the picture plane, in quarter degrees per tick.</translation>
    </message>
    <message>
        <source>Schritt der Drehung um die waagerechte Achse, in Vierteln eines Grades je Takt.</source>
        <translation>Step of the turn about the horizontal axis, in quarter degrees per tick.</translation>
    </message>
    <message>
        <source>Schritt der Drehung um die senkrechte Achse, in Vierteln eines Grades je Takt.</source>
        <translation>Step of the turn about the vertical axis, in quarter degrees per tick.</translation>
    </message>
    <message>
        <source>Markiert die Ecken des Körpers mit gelben Kreisen.</source>
        <translation>Marks the solid's vertices with yellow circles.</translation>
    </message>
    <message>
        <source>Bild des Körpers</source>
        <translation>Picture of the solid</translation>
    </message>
    <message>
        <source>Menü „%1“ mit seinen Befehlen.</source>
        <translation>Menu “%1” with its commands.</translation>
    </message>
    <message>
        <source>Menüleiste</source>
        <translation>Menu bar</translation>
    </message>
    <message>
        <source>Die Menüs Datei, Ansicht und Hilfe.</source>
        <translation>The menus File, View and Help.</translation>
    </message>
    <message>
        <source>Befehl „%1“.</source>
        <translation>Command “%1”.</translation>
    </message>
    <message>
        <source>Befehl „%1“ im Menü „%2“.</source>
        <translation>Command “%1” in the menu “%2”.</translation>
    </message>
    <message>
        <source>Taste: %1.</source>
        <translation>Key: %1.</translation>
    </message>
    <message>
        <source>Ecken markiert</source>
        <translation>vertices marked</translation>
    </message>
    <message>
        <source>Ecken nicht markiert</source>
        <translation>vertices not marked</translation>
    </message>
    <message>
        <source>Netz von %1, gefaltet zu %2 %</source>
        <translation>Net of %1, folded %2 %</translation>
    </message>
    <message>
        <source>%1, Verwandlung in den dualen Körper bei t = %2, %3</source>
        <translation>%1, morph into the dual at t = %2, %3</translation>
    </message>
    <message>
        <source>%1 aus dem Kaleidoskop, %2</source>
        <translation>%1 from the kaleidoscope, %2</translation>
    </message>
    <message>
        <source>Ansicht äußere Kugel</source>
        <translation>view outer sphere</translation>
    </message>
    <message>
        <source>Ansicht innere Kugel</source>
        <translation>view inner sphere</translation>
    </message>
    <message>
        <source>Ansicht Polyeder</source>
        <translation>view polyhedron</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>, dreht sich</source>
        <translation>, turning</translation>
    </message>
    <message>
        <source>Noch kein Körper geladen</source>
        <translation>No solid loaded yet</translation>
    </message>
    <message>
        <source>Zum &amp;Bild (Pfeiltasten drehen)</source>
        <translation>Go to the &amp;Picture (arrow keys turn)</translation>
    </message>
    <message>
        <source>Gibt dem Bild die Tastatur: die Pfeiltasten drehen dann den Körper wie Alt+Pfeil, mit Umschalt um 1°; Tab geht zurück zu den Bedienelementen.</source>
        <translation>Gives the picture the keyboard: the arrow keys then turn the solid as Alt+arrow does, with Shift by 1°; Tab goes back to the controls.</translation>
    </message>
</context>
<context>
    <name>velkora::TriangleView</name>
    <message>
        <source>Den Punkt ziehen oder mit den Pfeiltasten bewegen. In der Nähe eines Haltepunkts rastet er ein; mit gedrückter Umschalttaste nicht.</source>
        <translation>Drag the point or move it with the arrow keys. Near a stop it snaps into place; not while Shift is held.</translation>
    </message>
</context>
</TS>
