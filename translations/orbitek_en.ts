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
        <translation>Output line (difference of X and Y)</translation>
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
        <translation>1/s</translation>
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
        <translation>Ratio Mmax / Mz</translation>
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
        <source>druh odporu musí být phase, terminals nebo share, ne &apos;%1&apos;</source>
        <translation>the resistance kind must be phase, terminals or share, not &apos;%1&apos;</translation>
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
        <source>Účiník naprázdno %1 je větší než 0,5.</source>
        <translation>The power factor at no load, %1, is greater than 0.5.</translation>
    </message>
    <message>
        <source>Napětí nakrátko je vyšší než jmenovité napětí.</source>
        <translation>The locked-rotor voltage is higher than the rated voltage.</translation>
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
</context>
</TS>
