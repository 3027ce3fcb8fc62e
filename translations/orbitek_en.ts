<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>DiagramOutput</name>
    <message>
        <source>Diagram se nepodařilo vytisknout.</source>
        <translation>The diagram could not be printed.</translation>
    </message>
    <message>
        <source>Dokument PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Obrázek SVG (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
    <message>
        <source>Obrázek PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Diagram se nepodařilo uložit: %1 (%2)</source>
        <translation>The diagram could not be saved: %1 (%2)</translation>
    </message>
    <message>
        <source>Uložit kruhový diagram</source>
        <translation>Save circle diagram</translation>
    </message>
</context>
<context>
    <name>DiagramTexts</name>
    <message>
        <source>Moment M (Nm)</source>
        <translation>Torque M (Nm)</translation>
    </message>
    <message>
        <source>Proud I (A)</source>
        <translation>Current I (A)</translation>
    </message>
    <message>
        <source>Výkon P2 (kW)</source>
        <translation>Output P2 (kW)</translation>
    </message>
    <message>
        <source>Účiník cos φ</source>
        <translation>Power factor cos φ</translation>
    </message>
    <message>
        <source>Účinnost η</source>
        <translation>Efficiency η</translation>
    </message>
    <message>
        <source>Skluz s</source>
        <translation>Slip s</translation>
    </message>
    <message>
        <source>Otáčky n (1/min)</source>
        <translation>Speed n (1/min)</translation>
    </message>
    <message>
        <source>Provozní charakteristiky asynchronního motoru</source>
        <translation>Operating characteristics of the induction motor</translation>
    </message>
    <message>
        <source>Provozní charakteristiky</source>
        <translation>Operating characteristics</translation>
    </message>
    <message>
        <source>Pracovní charakteristiky asynchronního motoru</source>
        <translation>Performance characteristics of the induction motor</translation>
    </message>
    <message>
        <source>Vstupní hodnoty: %1</source>
        <translation>Input values: %1</translation>
    </message>
    <message>
        <source>neznámý typ souboru, použijte .pdf, .svg nebo .png</source>
        <translation>unknown file type, use .pdf, .svg or .png</translation>
    </message>
    <message>
        <source>přímka výkonu</source>
        <translation>output line</translation>
    </message>
    <message>
        <source>přímka momentu</source>
        <translation>torque line</translation>
    </message>
    <message>
        <source>stupnice skluzu</source>
        <translation>slip scale</translation>
    </message>
    <message>
        <source>Měřítko %1</source>
        <translation>Scale %1</translation>
    </message>
    <message>
        <source>Výkon %1</source>
        <translation>Power %1</translation>
    </message>
    <message>
        <source>Moment %1</source>
        <translation>Torque %1</translation>
    </message>
    <message>
        <source>Vstupní hodnoty</source>
        <translation>Input values</translation>
    </message>
    <message>
        <source>Charakteristické body</source>
        <translation>Characteristic points</translation>
    </message>
    <message>
        <source>zadáno %1</source>
        <translation>asked %1</translation>
    </message>
    <message>
        <source>Vypracoval:</source>
        <translation>Drawn by:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Proud naprázdno I0</source>
        <translation>No-load current I0</translation>
    </message>
    <message>
        <source>Účiník naprázdno cos φ0</source>
        <translation>Power factor at no load cos φ0</translation>
    </message>
    <message>
        <source>Proud nakrátko Ik</source>
        <translation>Locked-rotor current Ik</translation>
    </message>
    <message>
        <source>Účiník nakrátko cos φk</source>
        <translation>Locked-rotor power factor cos φk</translation>
    </message>
    <message>
        <source>Fázové napětí Uf</source>
        <translation>Phase voltage Uf</translation>
    </message>
    <message>
        <source>Odpor R1f</source>
        <translation>Stator resistance per phase R1f</translation>
    </message>
    <message>
        <source>Počet fází m</source>
        <translation>Number of phases m</translation>
    </message>
    <message>
        <source>Synchronní otáčky ns</source>
        <translation>Synchronous speed ns</translation>
    </message>
    <message>
        <source>Bod T dělí pořadnici Ak nad přímkou naprázdno v poměru R1f : R21f</source>
        <translation>Point T divides the ordinate of Ak above the no-load line in the ratio R1f : R21f</translation>
    </message>
    <message>
        <source>Bod T dělí pořadnici Ak (od osy x) v poměru R1f : R21f</source>
        <translation>Point T divides the ordinate of Ak (from the x axis) in the ratio R1f : R21f</translation>
    </message>
    <message>
        <source>Otáčky n</source>
        <translation>Speed n</translation>
    </message>
    <message>
        <source>Proud I</source>
        <translation>Current I</translation>
    </message>
    <message>
        <source>Příkon P1</source>
        <translation>Input P1</translation>
    </message>
    <message>
        <source>Výkon P2</source>
        <translation>Output P2</translation>
    </message>
    <message>
        <source>Moment M</source>
        <translation>Torque M</translation>
    </message>
    <message>
        <source>Moment v synchronních wattech Pδ</source>
        <translation>Torque in synchronous watts Pδ</translation>
    </message>
    <message>
        <source>Ztráty ve vinutí rotoru ΔPCu2</source>
        <translation>Rotor copper loss ΔPCu2</translation>
    </message>
    <message>
        <source>Ztráty ve vinutí statoru ΔPCu1</source>
        <translation>Stator copper loss ΔPCu1</translation>
    </message>
    <message>
        <source>Ztráty naprázdno ΔP0</source>
        <translation>No-load loss ΔP0</translation>
    </message>
    <message>
        <source>I při cos φmax</source>
        <translation>I at cos φmax</translation>
    </message>
    <message>
        <source>Oblast</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Kruhový diagram asynchronního motoru</source>
        <translation>Circle diagram of the induction motor</translation>
    </message>
    <message>
        <source>Pracovní bod</source>
        <translation>Operating point</translation>
    </message>
    <message>
        <source>brzdění</source>
        <translation>braking</translation>
    </message>
</context>
<context>
    <name>DiagramView</name>
    <message>
        <source>F2 – zadání vstupních hodnot</source>
        <translation>F2 – enter the input values</translation>
    </message>
</context>
<context>
    <name>ErrorDisplay</name>
    <message>
        <source>Chyba</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>MeasuredDialog</name>
    <message>
        <source>Naměřené hodnoty</source>
        <translation>Measured values</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Zkouška naprázdno</source>
        <translation>No-load test</translation>
    </message>
    <message>
        <source>Zkouška nakrátko</source>
        <translation>Locked-rotor test</translation>
    </message>
    <message>
        <source>Odpor statoru</source>
        <translation>Stator resistance</translation>
    </message>
    <message>
        <source>Odvozené vstupní hodnoty</source>
        <translation>Derived input values</translation>
    </message>
    <message>
        <source>Jmenovité napětí</source>
        <translation>Rated voltage</translation>
    </message>
    <message>
        <source>Spojení</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>hvězda</source>
        <translation>star</translation>
    </message>
    <message>
        <source>trojúhelník</source>
        <translation>delta</translation>
    </message>
    <message>
        <source>Počet fází</source>
        <translation>Phases</translation>
    </message>
    <message>
        <source>Kmitočet</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Počet pólů 2p</source>
        <translation>Number of poles 2p</translation>
    </message>
    <message>
        <source>Napětí U0</source>
        <translation>Voltage U0</translation>
    </message>
    <message>
        <source>Proud I0</source>
        <translation>Current I0</translation>
    </message>
    <message>
        <source>Příkon P0</source>
        <translation>Input P0</translation>
    </message>
    <message>
        <source>Napětí Uk</source>
        <translation>Voltage Uk</translation>
    </message>
    <message>
        <source>Proud Ik</source>
        <translation>Current Ik</translation>
    </message>
    <message>
        <source>Příkon Pk</source>
        <translation>Input Pk</translation>
    </message>
    <message>
        <source>na fázi</source>
        <translation>per phase</translation>
    </message>
    <message>
        <source>mezi svorkami</source>
        <translation>between terminals</translation>
    </message>
    <message>
        <source>podíl rotoru</source>
        <translation>rotor share</translation>
    </message>
    <message>
        <source>Odpor R1 na fázi</source>
        <translation>Resistance R1 per phase</translation>
    </message>
    <message>
        <source>Odpor mezi dvěma svorkami</source>
        <translation>Resistance between two terminals</translation>
    </message>
    <message>
        <source>Podíl rotoru q na ztrátách nakrátko</source>
        <translation>Rotor share q of the locked-rotor loss</translation>
    </message>
    <message>
        <source>Součinitel odporu</source>
        <translation>Resistance factor</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Jmenovité sdružené napětí motoru</source>
        <translation>Rated line voltage of the motor</translation>
    </message>
    <message>
        <source>Spojení vinutí statoru</source>
        <translation>Connection of the stator winding</translation>
    </message>
    <message>
        <source>Počet fází motoru</source>
        <translation>Number of phases of the motor</translation>
    </message>
    <message>
        <source>Kmitočet napájecí sítě</source>
        <translation>Frequency of the supply</translation>
    </message>
    <message>
        <source>Počet pólů motoru; s kmitočtem dává synchronní otáčky</source>
        <translation>Number of poles of the motor; with the frequency it gives the synchronous speed</translation>
    </message>
    <message>
        <source>Sdružené napětí při zkoušce</source>
        <translation>Line voltage in the test</translation>
    </message>
    <message>
        <source>Proud ve vedení při zkoušce</source>
        <translation>Line current in the test</translation>
    </message>
    <message>
        <source>Příkon všech fází při zkoušce (součet údajů wattmetrů)</source>
        <translation>Input of all phases in the test (the sum of the wattmeter readings)</translation>
    </message>
    <message>
        <source>Co bylo u odporu statoru změřeno</source>
        <translation>What was measured of the stator resistance</translation>
    </message>
    <message>
        <source>Odpor statoru, nebo podíl rotoru na ztrátách ve vinutí při zkoušce nakrátko</source>
        <translation>The stator resistance, or the rotor&apos;s share of the copper loss in the locked-rotor test</translation>
    </message>
    <message>
        <source>Součinitel, kterým se naměřený odpor násobí (oteplení, střídavý odpor)</source>
        <translation>The factor the measured resistance is multiplied by (temperature rise, AC resistance)</translation>
    </message>
    <message>
        <source>Vstupní hodnoty výpočtu odvozené z naměřených hodnot</source>
        <translation>The calculation&apos;s input values derived from the measured values</translation>
    </message>
    <message>
        <source>Převzetí naměřených hodnot a výpočet</source>
        <translation>Accept the measured values and calculate</translation>
    </message>
    <message>
        <source>Zavření dialogu beze změn</source>
        <translation>Close the dialog without changes</translation>
    </message>
</context>
<context>
    <name>MotorFiles</name>
    <message>
        <source>Motor Orbiteku (*.orbitek)</source>
        <translation>Orbitek motor (*.orbitek)</translation>
    </message>
    <message>
        <source>Všechny soubory (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Otevřít motor</source>
        <translation>Open motor</translation>
    </message>
    <message>
        <source>Uložit motor</source>
        <translation>Save motor</translation>
    </message>
    <message>
        <source>Motor se nepodařilo uložit: %1 (%2)</source>
        <translation>The motor could not be saved: %1 (%2)</translation>
    </message>
    <message>
        <source>, upraveno</source>
        <translation>, edited</translation>
    </message>
</context>
<context>
    <name>OperatingPointBar</name>
    <message>
        <source>Pracovní bod motoru zadaný hodnotou jedné veličiny; kliknutí na kružnici jej zadá skluzem, Esc jej zruší</source>
        <translation>The motor&apos;s operating point, asked by the value of one quantity; a click on the circle asks it by slip, Esc removes it</translation>
    </message>
    <message>
        <source>Veličina, jejíž hodnotou je pracovní bod zadán</source>
        <translation>The quantity whose value asks the operating point</translation>
    </message>
    <message>
        <source>Hodnota veličiny v pracovním bodě; Enter bod vyhledá na kružnici</source>
        <translation>The quantity&apos;s value at the operating point; Enter finds the point on the circle</translation>
    </message>
    <message>
        <source>Hodnota „%1“ není číslo.</source>
        <translation>The value “%1” is not a number.</translation>
    </message>
    <message>
        <source>P2 výkon</source>
        <translation>P2 output</translation>
    </message>
    <message>
        <source>M moment</source>
        <translation>M torque</translation>
    </message>
    <message>
        <source>I proud</source>
        <translation>I current</translation>
    </message>
    <message>
        <source>P1 příkon</source>
        <translation>P1 input</translation>
    </message>
    <message>
        <source>s skluz</source>
        <translation>s slip</translation>
    </message>
    <message>
        <source>n otáčky</source>
        <translation>n speed</translation>
    </message>
</context>
<context>
    <name>OrbitekApplication</name>
    <message>
        <source>Orbitek pro Windows 95/NT</source>
        <translation>Orbitek for Windows 95/NT</translation>
    </message>
</context>
<context>
    <name>PageChoiceDialog</name>
    <message>
        <source>Diagram se na zvolený papír nevejde.</source>
        <translation>The diagram does not fit on the chosen paper.</translation>
    </message>
    <message>
        <source>Automaticky</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Papír tiskárny</source>
        <translation>Printer&apos;s paper</translation>
    </message>
    <message>
        <source>Papír a měřítko</source>
        <translation>Paper and scale</translation>
    </message>
    <message>
        <source>Papír, na který se diagram vytiskne: A4 až A0 nebo papír zvolený v tiskárně</source>
        <translation>The paper the diagram is printed on: A4 to A0 or the paper chosen in the printer</translation>
    </message>
    <message>
        <source>Papír, na který se diagram vykreslí, A4 až A0</source>
        <translation>The paper the diagram is drawn on, A4 to A0</translation>
    </message>
    <message>
        <source>Měřítko diagramu: automatické (1 A = 1 mm, kde se diagram vejde) nebo zvolené</source>
        <translation>The diagram&apos;s scale: automatic (1 A = 1 mm where the diagram fits) or chosen</translation>
    </message>
    <message>
        <source>&amp;Papír:</source>
        <translation>&amp;Paper:</translation>
    </message>
    <message>
        <source>&amp;Měřítko:</source>
        <translation>&amp;Scale:</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Měřítko podle papíru zvoleného v tiskárně</source>
        <translation>Scale to the paper chosen in the printer</translation>
    </message>
    <message>
        <source>%1 %2, měřítko %3</source>
        <translation>%1 %2, scale %3</translation>
    </message>
    <message>
        <source>na šířku</source>
        <translation>landscape</translation>
    </message>
    <message>
        <source>na výšku</source>
        <translation>portrait</translation>
    </message>
    <message>
        <source>Papír tiskárny, měřítko %1</source>
        <translation>Printer&apos;s paper, scale %1</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Datum a čas této verze:</source>
        <translation>Date and time of this version:</translation>
    </message>
    <message>
        <source>Ikona Kalmira pro Windows 95</source>
        <translation>Kalmir&apos;s icon for Windows 95</translation>
    </message>
    <message>
        <source>pro Windows 95/NT</source>
        <translation>for Windows 95/NT</translation>
    </message>
    <message>
        <source>verze 1.1</source>
        <translation>version 1.1</translation>
    </message>
    <message>
        <source>© autoři programu Orbitek</source>
        <translation>© the authors of Orbitek</translation>
    </message>
    <message>
        <source>&amp;Beru na vědomí</source>
        <translation>&amp;OK, noted</translation>
    </message>
</context>
<context>
    <name>TLicPodm</name>
    <message>
        <source>1)  Program Orbitek smíte bezplatně používat, kopírovat, upravovat a šířit, samostatně i jako součást jiného díla.</source>
        <translation>1)  You may use, copy, modify and distribute Orbitek free of charge, on its own or as part of another work.</translation>
    </message>
    <message>
        <source>2)  Každá kopie nebo podstatná část programu musí obsahovat upozornění na autorská práva a tyto podmínky.</source>
        <translation>2)  Every copy or substantial part of the program must include the copyright notice and these terms.</translation>
    </message>
    <message>
        <source>3)  Program se poskytuje tak, jak je, bez jakékoli záruky; autoři neodpovídají za škody vzniklé jeho používáním.</source>
        <translation>3)  The program is provided as is, without any warranty; the authors are not liable for any damage arising from its use.</translation>
    </message>
    <message>
        <source>4)  Vypočtené hodnoty si uživatel před použitím sám ověří.</source>
        <translation>4)  Users check the computed values themselves before they use them.</translation>
    </message>
    <message>
        <source>Licenční ujednání</source>
        <translation>Terms of use</translation>
    </message>
    <message>
        <source>Podmínky pro používání programu Orbitek (licence MIT):</source>
        <translation>Terms of use of Orbitek (the MIT licence):</translation>
    </message>
    <message>
        <source>Připomínky a dotazy: autoři programu Orbitek, orbitek@example.org</source>
        <translation>Comments and questions: the authors of Orbitek, orbitek@example.org</translation>
    </message>
    <message>
        <source>&amp;Beru na vědomí</source>
        <translation>&amp;OK, noted</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Nejprve zadejte vstupní hodnoty (F2).</source>
        <translation>Enter the input values first (F2).</translation>
    </message>
    <message>
        <source>Momentová přímka od přímky naprázdno</source>
        <translation>Torque line from the no-load line</translation>
    </message>
    <message>
        <source>Bod T dělí jen část pořadnice Ak nad přímkou naprázdno, jak momentovou přímku kreslí učebnice</source>
        <translation>Point T divides only the part of Ak&apos;s ordinate above the no-load line, as textbooks draw the torque line</translation>
    </message>
    <message>
        <source>Křivky</source>
        <translation>Curves</translation>
    </message>
    <message>
        <source>podle skluzu</source>
        <translation>against slip</translation>
    </message>
    <message>
        <source>podle výkonu</source>
        <translation>against output</translation>
    </message>
    <message>
        <source>Vodorovná osa křivek: skluz od 0 do 1, nebo výkon P2 od nuly do maxima na stabilní větvi</source>
        <translation>The curves&apos; horizontal axis: slip from 0 to 1, or output P2 from zero to its maximum on the stable branch</translation>
    </message>
    <message>
        <source>Orbitek asynchronního motoru</source>
        <translation>Orbitek for the induction motor</translation>
    </message>
    <message>
        <source>Stavová řádka s nápovědou</source>
        <translation>Status line with hints</translation>
    </message>
    <message>
        <source>&amp;XX</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Diagram</source>
        <translation>&amp;Diagram</translation>
    </message>
    <message>
        <source>&amp;Nápověda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Otevřít motor...</source>
        <translation>&amp;Open motor...</translation>
    </message>
    <message>
        <source>Otevření motoru uloženého v souboru</source>
        <translation>Open a motor saved in a file</translation>
    </message>
    <message>
        <source>Uložit &amp;motor...</source>
        <translation>Save &amp;motor...</translation>
    </message>
    <message>
        <source>Uložení vstupních hodnot motoru do souboru</source>
        <translation>Save the motor&apos;s input values in a file</translation>
    </message>
    <message>
        <source>Naposledy otevřené</source>
        <translation>Recently opened</translation>
    </message>
    <message>
        <source>Motory otevřené nebo uložené naposledy</source>
        <translation>The motors opened or saved last</translation>
    </message>
    <message>
        <source>&amp;Uložit diagram...</source>
        <translation>&amp;Save diagram...</translation>
    </message>
    <message>
        <source>Uložení kruhového diagramu ve skutečném měřítku do souboru PDF, SVG nebo PNG</source>
        <translation>Save the circle diagram at true scale in a PDF, SVG or PNG file</translation>
    </message>
    <message>
        <source>&amp;Tisk diagramu...</source>
        <translation>&amp;Print diagram...</translation>
    </message>
    <message>
        <source>Tisk kruhového diagramu ve skutečném měřítku</source>
        <translation>Print the circle diagram at true scale</translation>
    </message>
    <message>
        <source>&amp;Kopírovat diagram</source>
        <translation>&amp;Copy diagram</translation>
    </message>
    <message>
        <source>Zkopírování kruhového diagramu do schránky</source>
        <translation>Copy the circle diagram to the clipboard</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Ukončení programu</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>&amp;Licenční ujednání</source>
        <translation>&amp;Terms of use</translation>
    </message>
    <message>
        <source>Podmínky pro používání tohoto programu</source>
        <translation>The terms of use of this program</translation>
    </message>
    <message>
        <source>&amp;Copyright</source>
        <translation>&amp;Copyright</translation>
    </message>
    <message>
        <source>Informace o autorovi</source>
        <translation>About the authors</translation>
    </message>
    <message>
        <source>&amp;Vstupní hodnoty...</source>
        <translation>&amp;Input values...</translation>
    </message>
    <message>
        <source>Zadání vstupních hodnot pro výpočet</source>
        <translation>Enter the input values for the calculation</translation>
    </message>
    <message>
        <source>&amp;Souřadnice bodů pro konstrukci</source>
        <translation>&amp;Coordinates of the construction points</translation>
    </message>
    <message>
        <source>Vypočtené souřadnice všech bodů které jsou potřeba pro konstrukci</source>
        <translation>The computed coordinates of every point the construction needs</translation>
    </message>
    <message>
        <source>&amp;Momentová charakteristika</source>
        <translation>&amp;Torque characteristic</translation>
    </message>
    <message>
        <source>Vypočtené hodnoty momentu pro jednotlivé skluzy od 0 do 1 (po 0,05)</source>
        <translation>The computed torque for slips from 0 to 1 (in steps of 0.05)</translation>
    </message>
    <message>
        <source>&amp;Naměřené hodnoty...</source>
        <translation>&amp;Measured values...</translation>
    </message>
    <message>
        <source>Zadání hodnot naměřených při zkouškách naprázdno a nakrátko</source>
        <translation>Enter the values measured in the no-load and locked-rotor tests</translation>
    </message>
    <message>
        <source>&amp;Upravit zadání...</source>
        <translation>&amp;Edit input...</translation>
    </message>
    <message>
        <source>Úprava vstupních hodnot motoru, který je právě spočten</source>
        <translation>Edit the input values of the motor computed now</translation>
    </message>
    <message>
        <source>(žádné)</source>
        <translation>(none)</translation>
    </message>
</context>
<context>
    <name>TSouradniceDlg</name>
    <message>
        <source>Souřadnice bodů pro konstrukci</source>
        <translation>Coordinates of the construction points</translation>
    </message>
    <message>
        <source>SOUŘADNICE:</source>
        <translation>COORDINATES:</translation>
    </message>
    <message>
        <source>HODNOTY:</source>
        <translation>VALUES:</translation>
    </message>
    <message>
        <source>&amp;Beru na vědomí</source>
        <translation>&amp;OK, noted</translation>
    </message>
</context>
<context>
    <name>TTabulka1</name>
    <message>
        <source>Momentová charakteristika</source>
        <translation>Torque characteristic</translation>
    </message>
    <message>
        <source>Pro s = [ 0 ÷ 1 ]:</source>
        <translation>For s = [ 0 ÷ 1 ]:</translation>
    </message>
    <message>
        <source>Tabulka vypočtených hodnot</source>
        <translation>Table of the computed values</translation>
    </message>
    <message>
        <source>&amp;Beru na vědomí</source>
        <translation>&amp;OK, noted</translation>
    </message>
</context>
<context>
    <name>TZadaniDlg</name>
    <message>
        <source>1-fázový</source>
        <translation>1-phase</translation>
    </message>
    <message>
        <source>3-fázový</source>
        <translation>3-phase</translation>
    </message>
    <message>
        <source>Zadání vstupních hodnot</source>
        <translation>Input values</translation>
    </message>
    <message>
        <source>Proud naprázdno</source>
        <translation>No-load current</translation>
    </message>
    <message>
        <source>Zadej proud naprázdno</source>
        <translation>Enter the no-load current</translation>
    </message>
    <message>
        <source>Proud nakrátko</source>
        <translation>Locked-rotor I</translation>
    </message>
    <message>
        <source>Zadej proud nakrátko</source>
        <translation>Enter the locked-rotor current</translation>
    </message>
    <message>
        <source>Účiník naprázdno</source>
        <translation>No-load cos φ</translation>
    </message>
    <message>
        <source>Účiník nakrátko</source>
        <translation>Locked-rotor cos φ</translation>
    </message>
    <message>
        <source>Fázové napětí</source>
        <translation>Phase voltage</translation>
    </message>
    <message>
        <source>Odpor R1f</source>
        <translation>Stator R1f</translation>
    </message>
    <message>
        <source>Spotřebič</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Počet fází motoru</source>
        <translation>The number of phases of the motor</translation>
    </message>
    <message>
        <source>Synchronní otáčky</source>
        <translation>Synchronous speed</translation>
    </message>
    <message>
        <source>Vyber synchronní otáčky motoru</source>
        <translation>Choose the synchronous speed of the motor</translation>
    </message>
    <message>
        <source>Akceptování zadaných hodnot</source>
        <translation>Accept the values entered</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zavření dialogu beze změn</source>
        <translation>Close the dialog without changes</translation>
    </message>
</context>
</TS>
