<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>Acceptance</name>
    <message>
        <source>Chybné zadání proudu naprázdno.</source>
        <translation>Invalid no-load current.</translation>
    </message>
    <message>
        <source>Chybné zadání účiníku naprázdno.</source>
        <translation>Invalid power factor at no load.</translation>
    </message>
    <message>
        <source>Chybné zadání proudu nakrátko.</source>
        <translation>Invalid locked-rotor current.</translation>
    </message>
    <message>
        <source>Chybné zadání účiníku nakrátko.</source>
        <translation>Invalid power factor at locked rotor.</translation>
    </message>
    <message>
        <source>Chybné zadání fázového napětí.</source>
        <translation>Invalid phase voltage.</translation>
    </message>
    <message>
        <source>R1f ? R21f ? Rf ?</source>
        <translation>R1f ? R21f ? Rf ?</translation>
    </message>
    <message>
        <source>Bod nakrátko Ak musí ležet zřetelně vpravo od bodu naprázdno Ao.</source>
        <translation>The locked-rotor point Ak must lie clearly to the right of the no-load point Ao.</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>očekáváno %1 sloupců oddělených tabulátorem, nalezeno %2</source>
        <translation>expected %1 columns separated by TAB, found %2</translation>
    </message>
    <message>
        <source>řídicí znak uvnitř řádku</source>
        <translation>control character inside the line</translation>
    </message>
    <message>
        <source>počet fází musí být 1 nebo 3, ne &apos;%1&apos;</source>
        <translation>the number of phases must be 1 or 3, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>počet pólů musí být sudé číslo od 2 do 20, ne &apos;%1&apos;</source>
        <translation>the number of poles must be an even number from 2 to 20, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>řádek %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>řádek je delší než %1 bajtů</source>
        <translation>the line is longer than %1 bytes</translation>
    </message>
    <message>
        <source>soubor je prázdný, chybí hlavička</source>
        <translation>the file is empty, the header line is missing</translation>
    </message>
    <message>
        <source>první řádek musí být hlavička i0&lt;TAB&gt;cos0&lt;TAB&gt;ik&lt;TAB&gt;cosk&lt;TAB&gt;uf&lt;TAB&gt;r1&lt;TAB&gt;phases&lt;TAB&gt;poles nebo un&lt;TAB&gt;connection&lt;TAB&gt;f&lt;TAB&gt;poles&lt;TAB&gt;phases&lt;TAB&gt;u0&lt;TAB&gt;i0&lt;TAB&gt;p0&lt;TAB&gt;uk&lt;TAB&gt;ik&lt;TAB&gt;pk&lt;TAB&gt;r1&lt;TAB&gt;r1kind</source>
        <translation>the first line must be the header i0&lt;TAB&gt;cos0&lt;TAB&gt;ik&lt;TAB&gt;cosk&lt;TAB&gt;uf&lt;TAB&gt;r1&lt;TAB&gt;phases&lt;TAB&gt;poles or un&lt;TAB&gt;connection&lt;TAB&gt;f&lt;TAB&gt;poles&lt;TAB&gt;phases&lt;TAB&gt;u0&lt;TAB&gt;i0&lt;TAB&gt;p0&lt;TAB&gt;uk&lt;TAB&gt;ik&lt;TAB&gt;pk&lt;TAB&gt;r1&lt;TAB&gt;r1kind</translation>
    </message>
    <message>
        <source>nepřijato %1 z %2 motorů</source>
        <translation>%1 of %2 motors not accepted</translation>
    </message>
    <message>
        <source>do FIFO ani zařízení nikdo nezapisuje</source>
        <translation>no process writes to this FIFO or device</translation>
    </message>
</context>
<context>
    <name>BookAnswers</name>
    <message>
        <source>Při nulovém momentu se motor nerozběhne.</source>
        <translation>With zero torque the motor does not start.</translation>
    </message>
    <message>
        <source>Diagram ještě není spočten.</source>
        <translation>The diagram has not been computed yet.</translation>
    </message>
    <message>
        <source>Motor se již rozbíhá s maximálním momentem nebo za ním: nic se nepřidává.</source>
        <translation>The motor already starts at or beyond its maximum torque: nothing is added.</translation>
    </message>
</context>
<context>
    <name>BookOutput</name>
    <message>
        <source>Momenty v jednotkách učebnic</source>
        <translation>Torques in textbook units</translation>
    </message>
    <message>
        <source>synchronní watty (W)</source>
        <translation>synchronous watts (W)</translation>
    </message>
    <message>
        <source>Maximální moment</source>
        <translation>Maximum torque</translation>
    </message>
    <message>
        <source>Záběrný moment</source>
        <translation>Starting torque</translation>
    </message>
    <message>
        <source>Přidaný odpor rotoru pro rozběh</source>
        <translation>Rotor resistance added for starting</translation>
    </message>
    <message>
        <source>R&apos; na fázi (Ω)</source>
        <translation>R&apos; per phase (Ω)</translation>
    </message>
    <message>
        <source>R&apos;/a² na fázi rotoru (Ω)</source>
        <translation>R&apos;/a² per rotor phase (Ω)</translation>
    </message>
    <message>
        <source>Poznámka</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Záběrný moment %1 Nm</source>
        <translation>Starting torque %1 Nm</translation>
    </message>
    <message>
        <source>Maximální moment při rozběhu</source>
        <translation>Maximum torque at start</translation>
    </message>
</context>
<context>
    <name>Circuit</name>
    <message>
        <source>Náhradní schéma nelze sestavit: diagram ještě není spočten.</source>
        <translation>No equivalent circuit: the diagram has not been computed yet.</translation>
    </message>
    <message>
        <source>Náhradní schéma nelze sestavit: ztráty v železe P0 − m·I0²·R1f − Pfw = %1 W nejsou kladné.</source>
        <translation>No equivalent circuit: the iron loss P0 − m·I0²·R1f − Pfw = %1 W is not above zero.</translation>
    </message>
    <message>
        <source>Náhradní schéma nelze z těchto zkoušek sestavit.</source>
        <translation>These tests give no equivalent circuit.</translation>
    </message>
</context>
<context>
    <name>CircuitGrids</name>
    <message>
        <source>Náhradní schéma</source>
        <translation>Equivalent circuit</translation>
    </message>
    <message>
        <source>Hodnota</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Jedn.</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Ohmů</source>
        <translation>ohms</translation>
    </message>
    <message>
        <source>Zkouška</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Schéma</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Rozdíl (%)</source>
        <translation>Difference (%)</translation>
    </message>
    <message>
        <source>I0 (A), s → 0</source>
        <translation>I0 (A), s → 0</translation>
    </message>
    <message>
        <source>cos φ0, s → 0</source>
        <translation>cos φ0, s → 0</translation>
    </message>
    <message>
        <source>Ik (A), s = 1</source>
        <translation>Ik (A), s = 1</translation>
    </message>
    <message>
        <source>cos φk, s = 1</source>
        <translation>cos φk, s = 1</translation>
    </message>
    <message>
        <source>Kružnice a náhradní schéma</source>
        <translation>Circle and equivalent circuit</translation>
    </message>
    <message>
        <source>Kružnice</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>Záběrný moment (Nm)</source>
        <translation>Starting torque (Nm)</translation>
    </message>
    <message>
        <source>Maximální moment (Nm)</source>
        <translation>Maximum torque (Nm)</translation>
    </message>
    <message>
        <source>Skluz maximálního momentu</source>
        <translation>Slip of the maximum torque</translation>
    </message>
    <message>
        <source>Maximální výkon (W)</source>
        <translation>Maximum output (W)</translation>
    </message>
    <message>
        <source>Skluz maximálního výkonu</source>
        <translation>Slip of the maximum output</translation>
    </message>
    <message>
        <source>Maximální účiník</source>
        <translation>Maximum power factor</translation>
    </message>
    <message>
        <source>Skluz maximálního účiníku</source>
        <translation>Slip of the maximum power factor</translation>
    </message>
    <message>
        <source>%1: skluz</source>
        <translation>%1: slip</translation>
    </message>
    <message>
        <source>%1: proud (A)</source>
        <translation>%1: current (A)</translation>
    </message>
    <message>
        <source>%1: účiník</source>
        <translation>%1: power factor</translation>
    </message>
    <message>
        <source>%1: účinnost</source>
        <translation>%1: efficiency</translation>
    </message>
    <message>
        <source>%1: moment (Nm)</source>
        <translation>%1: torque (Nm)</translation>
    </message>
    <message>
        <source>Zatěžovací bod</source>
        <translation>Load point</translation>
    </message>
    <message>
        <source>Údaj</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Poznámka</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>fázové hodnoty</source>
        <translation>phase values</translation>
    </message>
    <message>
        <source>napětí se od jmenovitého liší o více než 5 %</source>
        <translation>voltage more than 5 % off the rated</translation>
    </message>
    <message>
        <source>měření</source>
        <translation>measured</translation>
    </message>
    <message>
        <source>kružnice</source>
        <translation>circle</translation>
    </message>
    <message>
        <source>náhradní schéma</source>
        <translation>equivalent circuit</translation>
    </message>
    <message>
        <source>%1 − měření (%)</source>
        <translation>%1 − measured (%)</translation>
    </message>
</context>
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
    <message>
        <source>kruhovy-diagram.pdf</source>
        <translation>circle-diagram.pdf</translation>
    </message>
</context>
<context>
    <name>DiagramTexts</name>
    <message>
        <source>Moment M (Nm)</source>
        <translation>Torque M (Nm)</translation>
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
    <message>
        <source>Fázový proud I1f</source>
        <translation>Phase current I1f</translation>
    </message>
    <message>
        <source>Síťový proud IL</source>
        <translation>Line current IL</translation>
    </message>
    <message>
        <source>Mz</source>
        <translation>Mst</translation>
    </message>
    <message>
        <source>Mmax / Mz</source>
        <translation>Mmax / Mst</translation>
    </message>
    <message>
        <source>Fázový proud I1f (A)</source>
        <translation>Phase current I1f (A)</translation>
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
    <name>GridTexts</name>
    <message>
        <source>Bod naprázdno Ao</source>
        <translation>No-load point Ao</translation>
    </message>
    <message>
        <source>Bod nakrátko Ak</source>
        <translation>Locked-rotor point Ak</translation>
    </message>
    <message>
        <source>Přímka výkonu (rozdíl X a Y)</source>
        <translation>Output line (ΔX and ΔY)</translation>
    </message>
    <message>
        <source>Bod poměru R21f a R1f</source>
        <translation>Point dividing R21f and R1f</translation>
    </message>
    <message>
        <source>Střed přímky výkonu</source>
        <translation>Midpoint of the output line</translation>
    </message>
    <message>
        <source>Střed kružnice S</source>
        <translation>Centre of the circle S</translation>
    </message>
    <message>
        <source>Bod A nekonečno</source>
        <translation>Point A infinity</translation>
    </message>
    <message>
        <source>Hodnota</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Jedn.</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Odpor R1f</source>
        <translation>Resistance R1f</translation>
    </message>
    <message>
        <source>Ohmů</source>
        <translation>ohms</translation>
    </message>
    <message>
        <source>Odpor R21f</source>
        <translation>Resistance R21f</translation>
    </message>
    <message>
        <source>Odpor Rf</source>
        <translation>Resistance Rf</translation>
    </message>
    <message>
        <source>Délka přímky výkonu</source>
        <translation>Length of the output line</translation>
    </message>
    <message>
        <source>Poloměr kružnice (pomocí Ao)</source>
        <translation>Circle radius (from Ao)</translation>
    </message>
    <message>
        <source>Poloměr kružnice (pomocí Ak)</source>
        <translation>Circle radius (from Ak)</translation>
    </message>
    <message>
        <source>Skluz</source>
        <translation>Slip</translation>
    </message>
    <message>
        <source>Moment</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>s na -1</source>
        <translation>s⁻¹</translation>
    </message>
    <message>
        <source>Maximální moment</source>
        <translation>Maximum torque</translation>
    </message>
    <message>
        <source>Záběrný moment</source>
        <translation>Starting torque</translation>
    </message>
    <message>
        <source>Poměr Mmax / Mz</source>
        <translation>Ratio Mmax / Mst</translation>
    </message>
    <message>
        <source>Maximální výkon</source>
        <translation>Maximum output</translation>
    </message>
    <message>
        <source>Maximální účiník</source>
        <translation>Maximum power factor</translation>
    </message>
    <message>
        <source>Proud při maximálním účiníku</source>
        <translation>Current at maximum power factor</translation>
    </message>
    <message>
        <source>Maximální účinnost</source>
        <translation>Maximum efficiency</translation>
    </message>
    <message>
        <source>Maximální příkon</source>
        <translation>Maximum input</translation>
    </message>
    <message>
        <source>Veličina</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Zadáno</source>
        <translation>Given</translation>
    </message>
    <message>
        <source>Poznámka</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Mz / M</source>
        <translation>Mst / M</translation>
    </message>
    <message>
        <source>za maximem momentu (nestabilní větev)</source>
        <translation>past the maximum torque (unstable branch)</translation>
    </message>
    <message>
        <source>Přímka momentu: T na pořadnici Ak nad přímkou naprázdno (učebnicová)</source>
        <translation>Torque line: T on Ak&apos;s ordinate above the no-load line (textbook)</translation>
    </message>
    <message>
        <source>Přímka momentu: T na pořadnici Ak od osy x</source>
        <translation>Torque line: T on Ak&apos;s ordinate from the x axis</translation>
    </message>
</context>
<context>
    <name>Konstrukce</name>
    <message>
        <source>1-fázový</source>
        <translation>single-phase</translation>
    </message>
    <message>
        <source>3-fázový</source>
        <translation>three-phase</translation>
    </message>
</context>
<context>
    <name>LoadTest</name>
    <message>
        <source>Zatěžovací bod „%1“ nemá tvar U;I;P1;n[;P2[;M]].</source>
        <translation>Load point &apos;%1&apos; is not of the form U;I;P1;n[;P2[;M]].</translation>
    </message>
    <message>
        <source>Zatěžovací bod „%1“: %2</source>
        <translation>Load point &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Napětí, proud a příkon zatěžovacího bodu musí být kladné.</source>
        <translation>The voltage, current and input of a load point must be above zero.</translation>
    </message>
    <message>
        <source>Otáčky zatěžovacího bodu musí ležet od 0 do %1 1/min.</source>
        <translation>The speed of a load point must lie from 0 to %1 1/min.</translation>
    </message>
    <message>
        <source>Příkon zatěžovacího bodu je větší než m·U·I (účiník nad 1).</source>
        <translation>The input of a load point is more than m·U·I (a power factor above 1).</translation>
    </message>
</context>
<context>
    <name>LoadTestDialog</name>
    <message>
        <source>Zatěžovací zkouška</source>
        <translation>Load test</translation>
    </message>
    <message>
        <source>&amp;Přidat řádek</source>
        <translation>&amp;Add row</translation>
    </message>
    <message>
        <source>&amp;Odebrat řádek</source>
        <translation>&amp;Remove row</translation>
    </message>
    <message>
        <source>Řádek %1: chybí %2.</source>
        <translation>Row %1: %2 is missing.</translation>
    </message>
    <message>
        <source>Řádek %1, %2: %3</source>
        <translation>Row %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>Measured</name>
    <message>
        <source>Jmenovité napětí</source>
        <translation>Rated voltage</translation>
    </message>
    <message>
        <source>Napětí naprázdno</source>
        <translation>No-load voltage</translation>
    </message>
    <message>
        <source>Proud naprázdno</source>
        <translation>No-load current</translation>
    </message>
    <message>
        <source>Příkon naprázdno</source>
        <translation>No-load input power</translation>
    </message>
    <message>
        <source>Napětí nakrátko</source>
        <translation>Locked-rotor voltage</translation>
    </message>
    <message>
        <source>Proud nakrátko</source>
        <translation>Locked-rotor current</translation>
    </message>
    <message>
        <source>Příkon nakrátko</source>
        <translation>Locked-rotor input power</translation>
    </message>
    <message>
        <source>Součinitel odporu</source>
        <translation>Resistance factor</translation>
    </message>
    <message>
        <source>Odpor statoru na fázi</source>
        <translation>Stator resistance per phase</translation>
    </message>
    <message>
        <source>Odpor mezi svorkami</source>
        <translation>Resistance between terminals</translation>
    </message>
    <message>
        <source>Podíl rotoru na ztrátách nakrátko</source>
        <translation>Rotor share of the locked-rotor losses</translation>
    </message>
    <message>
        <source>%1 musí být větší než nula.</source>
        <translation>%1 must be greater than zero.</translation>
    </message>
    <message>
        <source>%1 musí ležet mezi 0 a 1.</source>
        <translation>%1 must lie between 0 and 1.</translation>
    </message>
    <message>
        <source>Příkon naprázdno je větší než m · U · I.</source>
        <translation>No-load input power is greater than m · U · I.</translation>
    </message>
    <message>
        <source>Příkon nakrátko je větší než m · U · I.</source>
        <translation>Locked-rotor input power is greater than m · U · I.</translation>
    </message>
    <message>
        <source>%1 %2%3 je mimo rozsah %4 až %5%6.</source>
        <translation>%1 %2%3 is outside the range %4 to %5%6.</translation>
    </message>
    <message>
        <source>Odpor R1f %1 Ω není menší než odpor nakrátko Rf %2 Ω.</source>
        <translation>Resistance R1f %1 Ω is not less than the locked-rotor resistance Rf %2 Ω.</translation>
    </message>
    <message>
        <source>Účiník naprázdno</source>
        <translation>Power factor at no load</translation>
    </message>
    <message>
        <source>Proud nakrátko při jmenovitém napětí</source>
        <translation>Locked-rotor current at rated voltage</translation>
    </message>
    <message>
        <source>Účiník nakrátko</source>
        <translation>Power factor at locked rotor</translation>
    </message>
    <message>
        <source>Fázové napětí</source>
        <translation>Phase voltage</translation>
    </message>
    <message>
        <source>Odpor R1f</source>
        <translation>Resistance R1f</translation>
    </message>
    <message>
        <source>Synchronní otáčky</source>
        <translation>Synchronous speed</translation>
    </message>
    <message>
        <source> A (na fázi)</source>
        <translation> A (per phase)</translation>
    </message>
    <message>
        <source>Hodnoty odvozené z měření</source>
        <translation>Values derived from the readings</translation>
    </message>
    <message>
        <source>Hodnota</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Jedn.</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Ohmů</source>
        <translation>ohms</translation>
    </message>
    <message>
        <source>počet fází musí být 1 nebo 3, ne &apos;%1&apos;</source>
        <translation>the number of phases must be 1 or 3, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>spojení musí být star nebo delta, ne &apos;%1&apos;</source>
        <translation>the connection must be star or delta, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>kmitočet musí být 50 nebo 60, ne &apos;%1&apos;</source>
        <translation>the frequency must be 50 or 60, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>počet pólů musí být sudé číslo od 2 do 20, ne &apos;%1&apos;</source>
        <translation>the number of poles must be an even number from 2 to 20, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Napětí naprázdno se od jmenovitého liší o více než 5 %; proud naprázdno je použit tak, jak byl naměřen.</source>
        <translation>The no-load voltage differs from the rated voltage by more than 5 %; the no-load current is used as measured.</translation>
    </message>
    <message>
        <source>Proud nakrátko přepočtený na jmenovité napětí %1 A je menší než trojnásobek proudu naprázdno %2 A.</source>
        <translation>The locked-rotor current scaled to rated voltage, %1 A, is less than three times the no-load current, %2 A.</translation>
    </message>
    <message>
        <source>Napětí nakrátko je vyšší než jmenovité napětí.</source>
        <translation>The locked-rotor voltage is higher than the rated voltage.</translation>
    </message>
    <message>
        <source>Převod a</source>
        <translation>Turns ratio a</translation>
    </message>
    <message>
        <source>Odpor statoru R1</source>
        <translation>Stator resistance R1</translation>
    </message>
    <message>
        <source>Odpor rotoru R2&apos;</source>
        <translation>Rotor resistance R2&apos;</translation>
    </message>
    <message>
        <source>Odpor rotoru R2</source>
        <translation>Rotor resistance R2</translation>
    </message>
    <message>
        <source>Poměr ztrát rotoru a statoru</source>
        <translation>Rotor : stator copper-loss ratio</translation>
    </message>
    <message>
        <source>Zadejte jen jedno z: %1, %2.</source>
        <translation>Give only one of: %1, %2.</translation>
    </message>
    <message>
        <source>%1 %2 je větší než 1.</source>
        <translation>%1 %2 is greater than 1.</translation>
    </message>
    <message>
        <source>Je-li to příkon ve W, zadejte jej jako „%1“.</source>
        <translation>If it is a power in W, give it as “%1”.</translation>
    </message>
    <message>
        <source>Je-li to účiník, zadejte jej jako „%1“.</source>
        <translation>If it is a power factor, give it as “%1”.</translation>
    </message>
    <message>
        <source>Odpor rotoru a převod patří jen k dvojici odporů R1 a R2&apos; (druh pair).</source>
        <translation>The rotor resistance and the turns ratio belong only to the pair R1 and R2&apos; (kind pair).</translation>
    </message>
    <message>
        <source>Převod a patří jen k odporu rotoru R2.</source>
        <translation>The turns ratio a belongs only with the rotor resistance R2.</translation>
    </message>
    <message>
        <source>Součet R1 + R2&apos; %1 Ω se od odporu nakrátko Rf %2 Ω liší o více než 10 %; použit je poměr R1 : R2&apos;.</source>
        <translation>The sum R1 + R2&apos; %1 Ω differs from the locked-rotor resistance Rf %2 Ω by more than 10 %; the ratio R1 : R2&apos; is used.</translation>
    </message>
    <message>
        <source>druh odporu musí být phase, terminals, share, pair nebo ratio, ne &apos;%1&apos;</source>
        <translation>the resistance kind must be phase, terminals, share, pair or ratio, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Počet pólů nezadán: momenty v N·m platí pro 2p = %1 (%2 1/min); synchronní watty platí vždy.</source>
        <translation>Pole count not given: torques in N·m hold for 2p = %1 (%2 1/min); synchronous watts hold in any case.</translation>
    </message>
    <message>
        <source>Proud naprázdno na fázi</source>
        <translation>No-load current per phase</translation>
    </message>
    <message>
        <source>Proud nakrátko na fázi, při jmenovitém napětí</source>
        <translation>Locked-rotor current per phase, at rated voltage</translation>
    </message>
    <message>
        <source>Účiník naprázdno %1 je větší než %2.</source>
        <translation>The no-load power factor %1 is greater than %2.</translation>
    </message>
    <message>
        <source>cos φk %1 musí být větší než cos φ0 %2.</source>
        <translation>cos φk %1 must be greater than cos φ0 %2.</translation>
    </message>
</context>
<context>
    <name>MeasuredCalc</name>
    <message>
        <source>varování: %1</source>
        <translation>warning: %1</translation>
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
    <message>
        <source>Účiník cos φ0</source>
        <translation>Power factor cos φ0</translation>
    </message>
    <message>
        <source>Účiník cos φk</source>
        <translation>Power factor cos φk</translation>
    </message>
    <message>
        <source>Zadává se příkon ve W, nebo účiník, jak jej uvádí zadání</source>
        <translation>Give the power in W or the power factor, as the problem prints it</translation>
    </message>
    <message>
        <source>Účiník při zkoušce</source>
        <translation>Power factor in the test</translation>
    </message>
    <message>
        <source>R1 a R2&apos;</source>
        <translation>R1 and R2&apos;</translation>
    </message>
    <message>
        <source>poměr rotor : stator</source>
        <translation>rotor : stator ratio</translation>
    </message>
    <message>
        <source>Poměr ztrát rotoru a statoru r</source>
        <translation>Rotor : stator copper-loss ratio r</translation>
    </message>
    <message>
        <source>Odpor R2&apos; na fázi</source>
        <translation>Resistance R2&apos; per phase</translation>
    </message>
    <message>
        <source>Odpor R2 na fázi rotoru</source>
        <translation>Resistance R2 per rotor phase</translation>
    </message>
    <message>
        <source>Převod a (je-li R2 na straně rotoru)</source>
        <translation>Turns ratio a (where R2 is on the rotor&apos;s side)</translation>
    </message>
    <message>
        <source>Odpor rotoru přepočtený na stator, nebo na straně rotoru, je-li zadán převod</source>
        <translation>The rotor resistance referred to the stator, or on the rotor&apos;s side where the turns ratio is given</translation>
    </message>
    <message>
        <source>Převod a: R2&apos; = a² R2; prázdné pole pro R2&apos;</source>
        <translation>Turns ratio a: R2&apos; = a² R2; leave empty for R2&apos;</translation>
    </message>
    <message>
        <source>neuvedeno</source>
        <translation>not given</translation>
    </message>
</context>
<context>
    <name>MotorFile</name>
    <message>
        <source>Soubor „%1“ nelze otevřít: %2.</source>
        <translation>The file “%1” cannot be opened: %2.</translation>
    </message>
    <message>
        <source>Soubor „%1“ nelze přečíst: %2.</source>
        <translation>The file “%1” cannot be read: %2.</translation>
    </message>
    <message>
        <source>soubor neexistuje</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>chybí oprávnění ke čtení</source>
        <translation>no permission to read it</translation>
    </message>
    <message>
        <source>je to složka</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>Soubor „%1“ není motor Orbiteku: je větší než 1 MiB.</source>
        <translation>The file “%1” is not an Orbitek motor: it is larger than 1 MiB.</translation>
    </message>
    <message>
        <source>Soubor „%1“ není motor Orbiteku: bajt %2 není text v kódování UTF-8.</source>
        <translation>The file “%1” is not an Orbitek motor: byte %2 is not UTF-8 text.</translation>
    </message>
    <message>
        <source>Soubor „%1“ není motor Orbiteku: není to JSON (řádek %2, znak %3).</source>
        <translation>The file “%1” is not an Orbitek motor: it is not JSON (line %2, character %3).</translation>
    </message>
    <message>
        <source>Soubor „%1“ není motor Orbiteku: obsahuje číslo mimo rozsah JSON.</source>
        <translation>The file “%1” is not an Orbitek motor: it holds a number outside the range of JSON.</translation>
    </message>
    <message>
        <source>Soubor „%1“ není motor Orbiteku: JSON je vnořený hlouběji než %2 úrovní.</source>
        <translation>The file “%1” is not an Orbitek motor: its JSON is nested deeper than %2 levels.</translation>
    </message>
    <message>
        <source>Soubor „%1“ není motor Orbiteku: chybí &quot;format&quot;: &quot;orbitek-motor&quot;.</source>
        <translation>The file “%1” is not an Orbitek motor: &quot;format&quot;: &quot;orbitek-motor&quot; is missing.</translation>
    </message>
    <message>
        <source>Soubor „%1“ je motor ve verzi %2 formátu, tento Orbitek čte jen verzi %3; otevřete jej novějším Orbitekem.</source>
        <translation>The file “%1” is a motor in version %2 of the format, this Orbitek reads only version %3; open it with a newer Orbitek.</translation>
    </message>
    <message>
        <source>Soubor „%1“: chybí „%2“.</source>
        <translation>The file “%1”: “%2” is missing.</translation>
    </message>
    <message>
        <source>Soubor „%1“: „%2“ má být %3, ne %4.</source>
        <translation>The file “%1”: “%2” must be %3, not %4.</translation>
    </message>
    <message>
        <source>Soubor „%1“: „%2“ není číslo zapsané s desetinnou tečkou: „%3“.</source>
        <translation>The file “%1”: “%2” is not a number written with a decimal point: “%3”.</translation>
    </message>
    <message>
        <source>Soubor „%1“: „%2“ smí být jen %3, ne %4.</source>
        <translation>The file “%1”: “%2” may only be %3, not %4.</translation>
    </message>
    <message>
        <source>Soubor „%1“: vstupní hodnoty platí pro 50 Hz; motor pro %2 Hz zadejte naměřenými hodnotami.</source>
        <translation>The file “%1”: the input values hold for 50 Hz; give a motor for %2 Hz by its measured readings.</translation>
    </message>
    <message>
        <source>Soubor „%1“: „input.r1factor“ nepatří k podílu rotoru („r1kind“: &quot;share&quot;).</source>
        <translation>The file “%1”: “input.r1factor” does not go with the rotor share (“r1kind”: &quot;share&quot;).</translation>
    </message>
    <message>
        <source>text</source>
        <translation>text</translation>
    </message>
    <message>
        <source>text s číslem (například &quot;0.25&quot;)</source>
        <translation>a text with a number (for example &quot;0.25&quot;)</translation>
    </message>
    <message>
        <source>celé číslo</source>
        <translation>a whole number</translation>
    </message>
    <message>
        <source>objekt</source>
        <translation>an object</translation>
    </message>
    <message>
        <source>desetinné číslo</source>
        <translation>a decimal number</translation>
    </message>
    <message>
        <source>pole</source>
        <translation>an array</translation>
    </message>
    <message>
        <source>logická hodnota</source>
        <translation>a boolean</translation>
    </message>
    <message>
        <source> nebo </source>
        <translation> or </translation>
    </message>
    <message>
        <source>%1 až %2 (sudé)</source>
        <translation>%1 to %2 (even)</translation>
    </message>
    <message>
        <source>do FIFO ani zařízení nikdo nezapisuje</source>
        <translation>no process writes to this FIFO or device</translation>
    </message>
    <message>
        <source>soubor by měl %1 bajtů, víc než 1 MiB, a nešel by znovu otevřít; zkraťte název nebo poznámku</source>
        <translation>the file would have %1 bytes, more than 1 MiB, and could not be opened again; shorten the name or the note</translation>
    </message>
    <message>
        <source>Soubor „%1“: „%2“ je celé číslo mimo rozsah: %3.</source>
        <translation>File “%1”: “%2” is a whole number out of range: %3.</translation>
    </message>
    <message>
        <source>Soubor „%1“ není motor Orbiteku: klíč „%2“ je v jednom objektu dvakrát.</source>
        <translation>File “%1” is not an Orbitek motor: the key “%2” is twice in one object.</translation>
    </message>
    <message>
        <source>číslo větší než 0 a menší než 1</source>
        <translation>a number above 0 and below 1</translation>
    </message>
    <message>
        <source>číslo 0 nebo větší</source>
        <translation>a number of 0 or more</translation>
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
    <name>MotorOption</name>
    <message>
        <source>Motor se nepodařilo uložit do souboru „%1“: %2.</source>
        <translation>The motor could not be saved to the file “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>NumText</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>Format result longer than 4096 characters</source>
        <translation>Format result longer than 4096 characters</translation>
    </message>
    <message>
        <source>„%1…“ není číslo (text o %2 znacích)</source>
        <translation>“%1…” is not a number (a text of %2 characters)</translation>
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
    <message>
        <source>Proud síťový</source>
        <translation>Line current</translation>
    </message>
</context>
<context>
    <name>OperatingPointSolver</name>
    <message>
        <source>Diagram ještě není spočten.</source>
        <translation>The diagram has not been computed yet.</translation>
    </message>
    <message>
        <source>%1 větší než maximální %2%3.</source>
        <translation>%1 above the maximum %2%3.</translation>
    </message>
    <message>
        <source>%1 menší než minimální %2%3.</source>
        <translation>%1 below the minimum %2%3.</translation>
    </message>
    <message>
        <source>%1 mimo rozsah %2 až %3%4.</source>
        <translation>%1 outside the range %2 to %3%4.</translation>
    </message>
    <message>
        <source>P2 výkon</source>
        <translation>P2 output</translation>
    </message>
    <message>
        <source>Výkon</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>M moment</source>
        <translation>M torque</translation>
    </message>
    <message>
        <source>Moment</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>I proud</source>
        <translation>I current</translation>
    </message>
    <message>
        <source>Proud</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>P1 příkon</source>
        <translation>P1 input</translation>
    </message>
    <message>
        <source>Příkon</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>s skluz</source>
        <translation>s slip</translation>
    </message>
    <message>
        <source>Skluz</source>
        <translation>Slip</translation>
    </message>
    <message>
        <source>n otáčky</source>
        <translation>n speed</translation>
    </message>
    <message>
        <source>Otáčky</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>přímka momentu leží pod přímkou naprázdno: rozdělení ztrát ve vinutí určuje učebnicová přímka momentu</source>
        <translation>the torque line lies below the no-load line: the textbook torque line determines the split of the copper losses</translation>
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
    <name>QuantityValue</name>
    <message>
        <source>Jednotka „%1“ nepatří k veličině %2; ta se zadává v %3.</source>
        <translation>The unit “%1” does not fit the quantity %2, which takes %3.</translation>
    </message>
    <message>
        <source>Hodnota „%1“ není číslo.</source>
        <translation>The value “%1” is not a number.</translation>
    </message>
</context>
<context>
    <name>ReplaceFile</name>
    <message>
        <source>není to obyčejný soubor (ale FIFO, zařízení nebo soket)</source>
        <translation>it is not a regular file (but a FIFO, a device or a socket)</translation>
    </message>
    <message>
        <source>příliš mnoho symbolických odkazů</source>
        <translation>too many symbolic links</translation>
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
    <message>
        <source>Druhý bod s tímto momentem (za maximem, nestabilní): s = %1, I1 = %2 A.</source>
        <translation>The second point with this torque (past the maximum, unstable): s = %1, I1 = %2 A.</translation>
    </message>
    <message>
        <source>Uložit změny motoru?</source>
        <translation>Save the changes to the motor?</translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zahodit</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ná&amp;hradní schéma</source>
        <translation>Equi&amp;valent circuit</translation>
    </message>
    <message>
        <source>Náhradní schéma motoru ze stejných zkoušek: jeho kružnice proudu přes diagram a jeho hodnoty vedle hodnot kružnice</source>
        <translation>The motor&apos;s equivalent circuit from the same tests: its current locus over the diagram and its values beside the circle&apos;s</translation>
    </message>
    <message>
        <source>&amp;Zatěžovací zkouška...</source>
        <translation>&amp;Load test...</translation>
    </message>
    <message>
        <source>Body naměřené při zatěžovací zkoušce, porovnané s kružnicí a náhradním schématem</source>
        <translation>Points measured in a load test, compared with the circle and the equivalent circuit</translation>
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
