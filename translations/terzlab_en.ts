<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AnalyzeTool</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Die Datei %1 fehlt oder ist nicht lesbar</source>
        <translation>The file %1 is missing or unreadable</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Sensorkompensationsdatei mit Titel</source>
        <translation>The file %1 is not a sensor compensation file with a title</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Pegelmessung (Terzlab-Messdatei mit Titel)</source>
        <translation>The file %1 is not a level measurement (Terzlab measurement file with a title)</translation>
    </message>
    <message>
        <source>%1 ist nicht verfügbar: terzlab-analyze wurde ohne Qt gebaut</source>
        <translation>%1 is not available: terzlab-analyze was built without Qt</translation>
    </message>
    <message>
        <source>Die Polungsmessung (--type 2) wird nicht gespeichert und ist daher nicht auswertbar</source>
        <translation>The polarity measurement (--type 2) is not saved and so cannot be analyzed</translation>
    </message>
    <message>
        <source>ganze Zahl von 1 bis 32767</source>
        <translation>whole number from 1 to 32767</translation>
    </message>
    <message>
        <source>ganze Zahl ab 0</source>
        <translation>whole number from 0</translation>
    </message>
    <message>
        <source>Zahl von 0.1 bis 100</source>
        <translation>number from 0.1 to 100</translation>
    </message>
    <message>
        <source>Zahl in dB</source>
        <translation>number in dB</translation>
    </message>
    <message>
        <source>Leerer Dateiname</source>
        <translation>Empty file name</translation>
    </message>
    <message>
        <source>Zu viele Aufnahmen angegeben: %1</source>
        <translation>Too many recordings given: %1</translation>
    </message>
    <message>
        <source>--export kennt nur die Endungen .frd, .zma und .csv: %1</source>
        <translation>--export knows only the extensions .frd, .zma and .csv: %1</translation>
    </message>
    <message>
        <source>Keine Ausgabedatei angegeben (--out FILE.oct)</source>
        <translation>No output file given (--out FILE.oct)</translation>
    </message>
    <message>
        <source>Keine Aufnahme angegeben (RECORDING.wav)</source>
        <translation>No recording given (RECORDING.wav)</translation>
    </message>
    <message>
        <source>Die Impedanzmessung (1-kanalig) braucht die Aufnahme des 2. Teils (PART2.wav)</source>
        <translation>The impedance measurement (1 channel) needs the recording of part 2 (PART2.wav)</translation>
    </message>
    <message>
        <source>Eine zweite Aufnahme gibt es nur bei --type 3: %1</source>
        <translation>A second recording is used only with --type 3: %1</translation>
    </message>
    <message>
        <source>Eine Sensorkompensation gibt es nur bei --type 0 und 1</source>
        <translation>Sensor compensation is available only with --type 0 and 1</translation>
    </message>
    <message>
        <source>Eine Referenzkurve gibt es nur bei --type 0, 1 und 4</source>
        <translation>A reference curve is available only with --type 0, 1 and 4</translation>
    </message>
    <message>
        <source>Die Aufnahme %1 fehlt oder ist nicht lesbar (%2)</source>
        <translation>The recording %1 is missing or unreadable (%2)</translation>
    </message>
    <message>
        <source>Die Aufnahme %1 hat %2 Hz; auswertbar sind nur 44100 und 48000 Hz</source>
        <translation>The recording %1 has %2 Hz; only 44100 and 48000 Hz can be analyzed</translation>
    </message>
    <message>
        <source>Die Aufnahme %1 hat %2 Kanäle; auswertbar sind nur Mono und Stereo</source>
        <translation>The recording %1 has %2 channels; only mono and stereo can be analyzed</translation>
    </message>
    <message>
        <source>Die Ausgabedatei %1 würde die Eingabedatei überschreiben</source>
        <translation>The output file %1 would overwrite the input file</translation>
    </message>
    <message>
        <source>Zwei Ausgaben nennen dieselbe Datei: %1</source>
        <translation>Two outputs name the same file: %1</translation>
    </message>
    <message>
        <source>Die Aufnahme %1 ist zu kurz: %2 Blöcke nach dem Überspringen nötig</source>
        <translation>The recording %1 is too short (blocks needed after the skip: %2)</translation>
    </message>
    <message>
        <source>Die beiden Aufnahmen haben verschiedene Abtastraten</source>
        <translation>The two recordings have different sample rates</translation>
    </message>
    <message>
        <source>Hinweis: nur die ersten %1 Blöcke werden ausgewertet</source>
        <translation>Note: only the first %1 blocks are analyzed</translation>
    </message>
    <message>
        <source>Die Aufnahme %1 konnte nicht vollständig gelesen werden</source>
        <translation>The recording %1 could not be read completely</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--added-mass braucht eine Masse in Gramm (über 0 bis 10000).</source>
        <translation>--added-mass needs a mass in grams (above 0 up to 10000).</translation>
    </message>
    <message>
        <source>--screenshot braucht einen Dateinamen (PNG).</source>
        <translation>--screenshot needs a file name (PNG).</translation>
    </message>
    <message>
        <source>--lang braucht de oder en.</source>
        <translation>--lang needs de or en.</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>--measure gilt nur zusammen mit --screenshot.</source>
        <translation>--measure works only together with --screenshot.</translation>
    </message>
    <message>
        <source>--thiele-small gilt nur zusammen mit --screenshot und --measure.</source>
        <translation>--thiele-small works only together with --screenshot and --measure.</translation>
    </message>
    <message>
        <source>--added-mass gilt nur zusammen mit --virtual.</source>
        <translation>--added-mass works only together with --virtual.</translation>
    </message>
    <message>
        <source>Aufruf: terzlab [Optionen]
  --virtual              virtuelle Soundkarte verwenden, auch wenn echte Geräte da sind
  --screenshot DATEI.png starten, Informationsfenster bestätigen, Hauptfenster als Bild
                         speichern und beenden
  --measure              (mit --screenshot) vorher eine Messung durchführen
  --thiele-small         (mit --measure) den Dialog Thiele-Small-Parameter mit ins Bild
  --added-mass GRAMM     (mit --virtual) Zusatzmasse auf der Membran des virtuellen
                         Lautsprechers, für die Zusatzmassen-Methode
  --lang de|en           Sprache der Oberfläche (gemerkt wird sie über das Menü Hilfe)
  --help                 diese Übersicht
</source>
        <translation>Usage: terzlab [options]
  --virtual              use the virtual sound card, even where real devices exist
  --screenshot FILE.png  start, confirm the information window, save the main window as a
                         picture and quit
  --measure              (with --screenshot) run a measurement first
  --thiele-small         (with --measure) include the Thiele-Small parameters dialog
  --added-mass GRAMS     (with --virtual) added mass on the virtual loudspeaker&apos;s cone,
                         for the added-mass method
  --lang de|en           language of the user interface (the Help menu remembers a choice)
  --help                 this overview
</translation>
    </message>
    <message>
        <source>Terzlab braucht einen Bildschirm (DISPLAY oder WAYLAND_DISPLAY); ohne Bildschirm läuft es offscreen mit: terzlab --screenshot DATEI.png [--measure]</source>
        <translation>Terzlab needs a display (DISPLAY or WAYLAND_DISPLAY); without one it runs offscreen with: terzlab --screenshot FILE.png [--measure]</translation>
    </message>
</context>
<context>
    <name>ExportTool</name>
    <message>
        <source>Bilder sind nicht verfügbar: terzlab-export wurde ohne Qt gebaut</source>
        <translation>Pictures are not available: terzlab-export was built without Qt</translation>
    </message>
    <message>
        <source>Erwartet werden eine Messdatei und eine Ausgabedatei</source>
        <translation>Expected a measurement file and an output file</translation>
    </message>
    <message>
        <source>Die Ausgabedatei %1 würde eine Eingabedatei überschreiben</source>
        <translation>The output file %1 would overwrite an input file</translation>
    </message>
    <message>
        <source>--resolution, --scale und --comparison gelten nur für Bilder (.png, .svg)</source>
        <translation>--resolution, --scale and --comparison apply to pictures only (.png, .svg)</translation>
    </message>
    <message>
        <source>--scale gilt nur für PNG-Bilder</source>
        <translation>--scale applies to PNG pictures only</translation>
    </message>
    <message>
        <source>Die Vergleichskurve %1 ist eine andere Messart als die Messung</source>
        <translation>The comparison curve %1 is of another measurement type than the measurement</translation>
    </message>
    <message>
        <source>Unbekannte Endung der Ausgabedatei %1 (erlaubt: .frd, .zma, .csv, .png, .svg)</source>
        <translation>Unknown extension of the output file %1 (allowed: .frd, .zma, .csv, .png, .svg)</translation>
    </message>
</context>
<context>
    <name>ToolMessages</name>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Option %1 erwartet einen Wert</source>
        <translation>Option %1 expects a value</translation>
    </message>
    <message>
        <source>Ungültiger Wert für %1: &quot;%2&quot; (erlaubt: %3)</source>
        <translation>Invalid value for %1: &quot;%2&quot; (allowed: %3)</translation>
    </message>
    <message>
        <source>%1 - Aufruf: %2</source>
        <translation>%1 - usage: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden</source>
        <translation>The file %1 could not be written</translation>
    </message>
    <message>
        <source>Das Bild der Grafik konnte nicht erzeugt werden</source>
        <translation>The picture of the graph could not be created</translation>
    </message>
</context>
<context>
    <name>TsTool</name>
    <message>
        <source>Zahl über 0 bis %1</source>
        <translation>number above 0 up to %1</translation>
    </message>
    <message>
        <source>Keine Impedanzmessung angegeben (FILE.oct)</source>
        <translation>No impedance measurement given (FILE.oct)</translation>
    </message>
    <message>
        <source>--added-mass braucht die Messung mit Zusatzmasse (--loaded LOADED.oct)</source>
        <translation>--added-mass needs the measurement with the added mass (--loaded LOADED.oct)</translation>
    </message>
    <message>
        <source>--loaded braucht die Zusatzmasse (--added-mass GRAMS)</source>
        <translation>--loaded needs the added mass (--added-mass GRAMS)</translation>
    </message>
    <message>
        <source>--sd und --diameter schließen einander aus</source>
        <translation>--sd and --diameter exclude each other</translation>
    </message>
    <message>
        <source>Vas braucht Cms und damit die Zusatzmassen-Messung (--added-mass und --loaded)</source>
        <translation>Vas needs Cms and so the added-mass measurement (--added-mass and --loaded)</translation>
    </message>
    <message>
        <source>Leerer Dateiname bei --loaded</source>
        <translation>Empty file name for --loaded</translation>
    </message>
    <message>
        <source>Zu viele Dateien angegeben: %1</source>
        <translation>Too many files given: %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Die gewählte Sprache gilt ab dem nächsten Start von Terzlab.</source>
        <translation>The chosen language takes effect when Terzlab is started next.</translation>
    </message>
</context>
</TS>
