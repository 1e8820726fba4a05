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
    <message>
        <source>Analysiert WAV-Aufnahmen wie das Programm eine Messung und schreibt die Messdatei.</source>
        <translation>Analyses WAV recordings as the program analyses a measurement and writes the measurement file.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Mono- oder Stereoaufnahme passender Länge</source>
        <translation>The file %1 is no mono or stereo recording of a fitting length</translation>
    </message>
    <message>
        <source>Zahl in ms</source>
        <translation>number in ms</translation>
    </message>
    <message>
        <source>--reference muss der andere Kanal als --channel sein</source>
        <translation>--reference must be the other channel than --channel</translation>
    </message>
    <message>
        <source>Stimulus und Aufnahme haben verschiedene Abtastraten</source>
        <translation>Stimulus and recording have different sample rates</translation>
    </message>
    <message>
        <source>Der Stimulus %1 ist kein exponentieller Sweep</source>
        <translation>The stimulus %1 is no exponential sweep</translation>
    </message>
    <message>
        <source>Die Aufnahme %1 hat den verlangten Kanal nicht</source>
        <translation>The recording %1 lacks the requested channel</translation>
    </message>
    <message>
        <source>Die Aufnahme %1 ist übersteuert (Vollaussteuerung)</source>
        <translation>The recording %1 is clipped (full scale reached)</translation>
    </message>
</context>
<context>
    <name>AxisChoice</name>
    <message>
        <source>Oben, unten und die Teilung müssen ganze Zahlen sein.</source>
        <translation>Top, bottom and the division must be whole numbers.</translation>
    </message>
    <message>
        <source>Oben und unten müssen zwischen -%1 und %1 liegen.</source>
        <translation>Top and bottom must lie between -%1 and %1.</translation>
    </message>
    <message>
        <source>Oben muss größer sein als unten.</source>
        <translation>Top must be greater than bottom.</translation>
    </message>
    <message>
        <source>Die Teilung muss 1, 2, 5, 10, 20, 50, 100 oder 200 sein.</source>
        <translation>The division must be 1, 2, 5, 10, 20, 50, 100 or 200.</translation>
    </message>
    <message>
        <source>Der Abstand von oben nach unten muss ein Vielfaches der Teilung sein.</source>
        <translation>The span from top to bottom must be a multiple of the division.</translation>
    </message>
    <message>
        <source>Höchstens %1 Teilungen: bitte eine größere Teilung wählen.</source>
        <translation>At most %1 divisions: please choose a larger division.</translation>
    </message>
</context>
<context>
    <name>BoxDesign</name>
    <message>
        <source>Qts %1 ist für ein geschlossenes Gehäuse mit Qtc 0,707 zu hoch</source>
        <translation>Qts %1 is too high for a closed box with Qtc 0.707</translation>
    </message>
    <message>
        <source>Qts %1 ist für ein maximal flaches Bassreflexgehäuse (QB3/B4 bei QL 7) zu hoch</source>
        <translation>Qts %1 is too high for a maximally flat vented box (QB3/B4 at QL 7)</translation>
    </message>
    <message>
        <source>Das Gehäusevolumen Vb fehlt</source>
        <translation>The box volume Vb is missing</translation>
    </message>
    <message>
        <source>Die Abstimmfrequenz fb des Bassreflexgehäuses fehlt</source>
        <translation>The tuning frequency fb of the vented box is missing</translation>
    </message>
    <message>
        <source>Die Gehäuseverluste QL fehlen</source>
        <translation>The box losses QL are missing</translation>
    </message>
</context>
<context>
    <name>CalibrationCheck</name>
    <message>
        <source>Der Maximalwert von %1 dB tritt in der erwarteten<byte value="xd"/>
1/12 Oktave mit der Mittenfrequenz von %2 Hz auf!</source>
        <translation>The maximum of %1 dB lies in the expected<byte value="xd"/>
1/12 octave with the center frequency of %2 Hz!</translation>
    </message>
    <message>
        <source>Der Maximalwert von %1 dB tritt NICHT in der erwarteten<byte value="xd"/>
1/12 Oktave mit der Mittenfrequenz von %2 Hz auf!</source>
        <translation>The maximum of %1 dB does NOT lie in the expected<byte value="xd"/>
1/12 octave with the center frequency of %2 Hz!</translation>
    </message>
    <message>
        <source>Die 2. Harmonische ist um weniger als 30 dB unterdrückt (k2&gt;3%)!</source>
        <translation>The 2nd harmonic is suppressed by less than 30 dB (k2&gt;3%)!</translation>
    </message>
    <message>
        <source>Die 3. Harmonische ist um weniger als 30 dB unterdrückt (k3&gt;3%)!</source>
        <translation>The 3rd harmonic is suppressed by less than 30 dB (k3&gt;3%)!</translation>
    </message>
    <message>
        <source>Höhere Frequenzen werden im Mittel um weniger als 40 dB unterdrückt!</source>
        <translation>Higher frequencies are suppressed by less than 40 dB on average!</translation>
    </message>
    <message>
        <source>Die Frequenzabweichung beträgt %1 %</source>
        <translation>The frequency deviation is %1 %</translation>
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
        <source>Terzlab braucht einen Bildschirm (DISPLAY oder WAYLAND_DISPLAY); ohne Bildschirm läuft es offscreen mit: terzlab --screenshot DATEI.png [--measure]</source>
        <translation>Terzlab needs a display (DISPLAY or WAYLAND_DISPLAY); without one it runs offscreen with: terzlab --screenshot FILE.png [--measure]</translation>
    </message>
    <message>
        <source>--distance braucht einen Abstand in Metern (0 bis 100).</source>
        <translation>--distance needs a distance in metres (0 to 100).</translation>
    </message>
    <message>
        <source>--distance gilt nur zusammen mit --virtual.</source>
        <translation>--distance works only together with --virtual.</translation>
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
  --distance METER       (mit --virtual) Abstand des virtuellen Mikrofons vom
                         Lautsprecher: der Schall kommt so viel später an
  --lang de|en           Sprache der Oberfläche (gemerkt wird sie über das Menü Hilfe)
  --help                 diese Übersicht
  --version              die Version
</source>
        <translation>Usage: terzlab [options]
  --virtual              use the virtual sound card, even where real devices exist
  --screenshot FILE.png  start, confirm the information window, save the main window as a
                         picture and quit
  --measure              (with --screenshot) run a measurement first
  --thiele-small         (with --measure) include the Thiele-Small parameters dialog
  --added-mass GRAMS     (with --virtual) added mass on the virtual loudspeaker&apos;s cone,
                         for the added-mass method
  --distance METRES      (with --virtual) the virtual microphone&apos;s distance from the
                         loudspeaker: the sound arrives that much later
  --lang de|en           language of the user interface (the Help menu remembers a choice)
  --help                 this overview
  --version              the version
</translation>
    </message>
</context>
<context>
    <name>CurveReadout</name>
    <message>
        <source>Messung: %1</source>
        <translation>Measurement: %1</translation>
    </message>
    <message>
        <source>Vergleich: %1</source>
        <translation>Comparison: %1</translation>
    </message>
    <message>
        <source> (gezeichnet: %1°)</source>
        <translation> (drawn at %1°)</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Terzlab-Messdatei mit Titel</source>
        <translation>The file %1 is not a Terzlab measurement file with a title</translation>
    </message>
    <message>
        <source>Die Datei %1 fehlt oder ist nicht lesbar</source>
        <translation>The file %1 is missing or not readable</translation>
    </message>
    <message>
        <source>Eine Impedanzmessung lässt sich nicht als FRD exportieren (dafür ZMA oder CSV)</source>
        <translation>An impedance measurement cannot be exported as FRD (use ZMA or CSV)</translation>
    </message>
    <message>
        <source>Eine Pegelmessung lässt sich nicht als ZMA exportieren (dafür FRD oder CSV)</source>
        <translation>A level measurement cannot be exported as ZMA (use FRD or CSV)</translation>
    </message>
    <message>
        <source>Die Messung hat in keinem Band einen Wert</source>
        <translation>The measurement has no value in any band</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Impedanzmessung (Terzlab-Messdatei mit Titel)</source>
        <translation>The file %1 is not an impedance measurement (Terzlab measurement file with a title)</translation>
    </message>
    <message>
        <source>Einige Frequenzlinien der Datei %1<byte value="xd"/>
waren korrupt und wurden daher nicht berücksichtigt!</source>
        <translation>Some frequency lines of the file %1<byte value="xd"/>
were corrupt and have therefore been ignored!</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Die Empfindlichkeit in der Datei %1<byte value="xd"/>
ist nicht größer als 0 und wurde daher nicht berücksichtigt!</source>
        <translation>The sensitivity in the file %1<byte value="xd"/>
is not greater than 0 and has therefore been ignored!</translation>
    </message>
    <message>
        <source>Beim Einlesen der Datei %1 trat ein Fehler auf (Oktav-Auflösung nicht 1/3, 1/6 oder 1/12)! </source>
        <translation>Error reading the file %1 (octave resolution not 1/3, 1/6 or 1/12)! </translation>
    </message>
    <message>
        <source>Beim Einlesen der Datei %1 trat ein Fehler auf (falsche Startzeile für das Einlesen der Frequenzwerte)! </source>
        <translation>Error reading the file %1 (wrong start line for reading the frequency values)! </translation>
    </message>
    <message>
        <source>Beim Einlesen der Datei %1 trat ein Fehler auf (mindestens zwei Frequenzen über 0 Hz in aufsteigender Folge nötig)! </source>
        <translation>Error reading the file %1 (at least two frequencies above 0 Hz in ascending order needed)! </translation>
    </message>
    <message>
        <source>Beim Einlesen der Datei %1 trat ein Fehler auf (Datei fehlt oder ist nicht lesbar)! </source>
        <translation>Error reading the file %1 (file missing or not readable)! </translation>
    </message>
    <message>
        <source>Fehler beim Einlesen</source>
        <translation>Read error</translation>
    </message>
    <message>
        <source>Gespeicherten Kalibrierwert für linken Kanal von %1 dB übernehmen?

Eine Übernahme macht nur dann Sinn, wenn sich die Stellung
des Aufnahmemixers seit der Kalibrierung nicht verändert hat!</source>
        <translation>Use the stored calibration value of %1 dB for the left channel?

This only makes sense if the setting of the recording mixer
has not changed since the calibration!</translation>
    </message>
    <message>
        <source>Gespeicherten Kalibrierwert für rechten Kanal von %1 dB übernehmen?

Eine Übernahme macht nur dann Sinn, wenn sich die Stellung
des Aufnahmemixers seit der Kalibrierung nicht verändert hat!</source>
        <translation>Use the stored calibration value of %1 dB for the right channel?

This only makes sense if the setting of the recording mixer
has not changed since the calibration!</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Die gespeicherte Datei %1 wurde nicht gefunden
und wird daher nicht geladen.</source>
        <translation>The stored file %1 was not found
and is therefore not loaded.</translation>
    </message>
    <message>
        <source>Die gespeicherte Datei %1 ist keine gültige Datei für diesen Zweck
und wird daher nicht geladen.</source>
        <translation>The stored file %1 is not a valid file for this purpose
and is therefore not loaded.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält keine Kurve (mindestens zwei Zeilen mit Frequenz und Wert nötig)</source>
        <translation>The file %1 holds no curve (at least two lines with frequency and value are needed)</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Kurvendatei (Zeile %2: keine Zahl für Frequenz oder Wert)</source>
        <translation>The file %1 is not a curve file (line %2: no number for frequency or value)</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Kurvendatei (Zeile %2: negative Frequenz)</source>
        <translation>The file %1 is not a curve file (line %2: negative frequency)</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Kurvendatei (Zeile %2: Frequenz nicht höher als davor)</source>
        <translation>The file %1 is not a curve file (line %2: frequency not above the one before)</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Kurvendatei (größer als 4 MB)</source>
        <translation>The file %1 is not a curve file (larger than 4 MB)</translation>
    </message>
    <message>
        <source>Die Datei %1 ist eine Impedanzkurve, keine Kalibrierdatei eines Mikrofons</source>
        <translation>The file %1 is an impedance curve, not a microphone calibration file</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine Impedanzkurve (sie nennt Pegel in dB)</source>
        <translation>The file %1 is not an impedance curve (it names levels in dB)</translation>
    </message>
    <message>
        <source>Beim Einlesen der Datei %1 trat ein Fehler auf (keine Zeile mit Frequenz und Wert)! </source>
        <translation>An error occurred while reading the file %1 (no line with frequency and value)! </translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden: %2</source>
        <translation>The file %1 could not be written: %2</translation>
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
    <message>
        <source>Wandelt eine Messdatei in FRD, ZMA oder CSV oder zeichnet ihre Grafik als PNG oder SVG.</source>
        <translation>Converts a measurement file to FRD, ZMA or CSV, or draws its graph as PNG or SVG.</translation>
    </message>
</context>
<context>
    <name>GraphStamp</name>
    <message>
        <source>© Terzlab – Terzanalyse mit der Soundkarte</source>
        <translation>© Terzlab – third-octave analysis with the sound card</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>Messung &amp;Start</source>
        <translation>&amp;Start measurement</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>16384 Werte</source>
        <translation>16384 values</translation>
    </message>
    <message>
        <source>Bitte starten Sie das Pseudo-Rauschen<byte value="xd"/>
von der Mess-CD!</source>
        <translation>Please start the pseudo noise<byte value="xd"/>
from the measurement CD!</translation>
    </message>
    <message>
        <source>Bitte starten Sie das Zufalls-Rauschen<byte value="xd"/>
von der Mess-CD!</source>
        <translation>Please start the random noise<byte value="xd"/>
from the measurement CD!</translation>
    </message>
    <message>
        <source>beliebig</source>
        <translation>any</translation>
    </message>
    <message>
        <source>Hanning</source>
        <translation>Hanning</translation>
    </message>
    <message>
        <source>Bitte starten Sie die Pulsfolge<byte value="xd"/>
von der Mess-CD</source>
        <translation>Please start the pulse train<byte value="xd"/>
from the measurement CD</translation>
    </message>
    <message>
        <source>8192 Werte, davon 256 ON</source>
        <translation>8192 values, 256 of them ON</translation>
    </message>
    <message>
        <source>Bitte starten Sie das Multi-Sinus-Signal<byte value="xd"/>
von der Mess-CD</source>
        <translation>Please start the multi-sine signal<byte value="xd"/>
from the measurement CD</translation>
    </message>
    <message>
        <source>65536 Werte</source>
        <translation>65536 values</translation>
    </message>
    <message>
        <source>Manueller Start des Testsignals</source>
        <translation>Manual start of the test signal</translation>
    </message>
    <message>
        <source>Spezifikation: %1</source>
        <translation>Signal data: %1</translation>
    </message>
    <message>
        <source>Zeitfenster: %1</source>
        <translation>Time window: %1</translation>
    </message>
    <message>
        <source>Generelle Hinweise</source>
        <translation>General notes</translation>
    </message>
    <message>
        <source>Die Liste der verfügbaren<byte value="xd"/>
Aufnahme- und Wiedergabegeräte<byte value="xd"/>
wird nur während des Programmstarts ermittelt<byte value="xd"/>
-&gt; ggf. Programm neu starten!</source>
        <translation>The list of available<byte value="xd"/>
recording and playback devices<byte value="xd"/>
is determined only when the program starts<byte value="xd"/>
-&gt; restart the program if necessary!</translation>
    </message>
    <message>
        <source>Zur Wiedergabe kann nur das Standardgerät verwendet werden<byte value="xd"/>
(oberste Position in der Geräteliste)</source>
        <translation>Only the default device can be used for playback<byte value="xd"/>
(the top entry in the device list)</translation>
    </message>
    <message>
        <source>Manueller Start des Kalibriersignals</source>
        <translation>Manual start of the calibration signal</translation>
    </message>
    <message>
        <source>Bitte starten Sie das Sinus-Signal<byte value="xd"/>
von der Mess-CD</source>
        <translation>Please start the sine signal<byte value="xd"/>
from the measurement CD</translation>
    </message>
    <message>
        <source>Frequenz: %1</source>
        <translation>Frequency: %1</translation>
    </message>
    <message>
        <source>Analyse: %1</source>
        <translation>Analysis: %1</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Messung übersteuert!</source>
        <translation>Measurement overloaded!</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Verkabelung:</source>
        <translation>Wiring:</translation>
    </message>
    <message>
        <source>Steckerbelegung:</source>
        <translation>Plug wiring:</translation>
    </message>
    <message>
        <source>ACHTUNG:</source>
        <translation>CAUTION:</translation>
    </message>
    <message>
        <source>Bitte beachten Sie, dass der Soundkarteneingang an der Abschirmung/Masse geerdet ist! Bei der Messung von Spannungen an ebenfalls geerdeten Geräten (z.B. Verstärker) kann es bei falscher Polung zu Kurzschlüssen kommen! Dadurch kann sowohl die Soundkarte als auch der Verstärker zerstört werden!</source>
        <translation>Please note that the sound card input is grounded at its shield/ground! When you measure voltages on devices that are grounded as well (e.g. amplifiers), connecting them the wrong way round can cause short circuits! This can destroy both the sound card and the amplifier!</translation>
    </message>
    <message>
        <source>Kompensation von Frequenzgangfehlern:</source>
        <translation>Compensation of frequency response errors:</translation>
    </message>
    <message>
        <source>Um mögliche Frequenzgangfehler der gesamten Messkette zu kompensieren sollten Sie mit den aktuellen Einstellungen (Messungsart, Auflösung, Mixereinstellung und gewähltem Eingang) vorab eine Spannungsmessung durchführen und z.B. unter dem Namen &apos;LineTmp&apos; abspeichern. Wenn Sie diese Messung dann als Referenzmessung laden, werden alle aktuellen Frequenzgangfehler numerisch kompensiert.</source>
        <translation>To compensate for possible frequency response errors of the whole measuring chain, first make a voltage measurement with the current settings (measurement type, resolution, mixer setting and chosen input) and save it, e.g. under the name &apos;LineTmp&apos;. When you then load this measurement as the reference measurement, all current frequency response errors are compensated numerically.</translation>
    </message>
    <message>
        <source>Sofern beide Signale wie oben beschrieben angeschlossen sind werden mögliche Frequenzgangfehler der gesamten Messkette automatisch kompensiert. Das Ergebnis hängt allerdings auch von der Stellung des Balancereglers des LINE-Eingangs am Mixer bzw. von externen Abschwächern ab!</source>
        <translation>As long as both signals are connected as described above, possible frequency response errors of the whole measuring chain are compensated automatically. The result does, however, also depend on the position of the LINE input&apos;s balance control in the mixer and on external attenuators!</translation>
    </message>
    <message>
        <source>Im Verlauf der 2-stufigen Impedanzmessung heben sich mögliche Frequenzgangfehler der gesamten Messkette gegenseitig auf. Zwischen den beiden Teilmessungen darf jedoch keinerlei Veränderung der Lautstärke vorgenommen werden!</source>
        <translation>In the course of the two-part impedance measurement, possible frequency response errors of the whole measuring chain cancel each other out. The volume must not be changed in any way between the two partial measurements, though!</translation>
    </message>
    <message>
        <source>Es wird das Zeitsignal wie gemessen angezeigt. Mögliche Frequenzgangfehler werden nicht korrigiert, da bei dieser Messung lediglich die Polarität gecheckt werden soll!</source>
        <translation>The time signal is shown as measured. Possible frequency response errors are not corrected, since this measurement only checks the polarity!</translation>
    </message>
    <message>
        <source>Stammt das Antwortsignal von einem Sensor (z.B. Mikrofon), dann kann dessen Frequenzgang durch Laden einer Kompensationsdatei ggf. zusätzlich korrigiert werden.</source>
        <translation>If the response signal comes from a sensor (e.g. a microphone), its frequency response can additionally be corrected by loading a compensation file.</translation>
    </message>
    <message>
        <source>HINWEIS:</source>
        <translation>NOTE:</translation>
    </message>
    <message>
        <source>Nicht normgerechte Messabstände oder Anregungspegel oder bekannte Pegelabschwächungen können im Menüpunkt &apos;Pegel/Messabstand/-pegel&apos; kompensiert werden.</source>
        <translation>Measuring distances or excitation levels that differ from the standard, and known level attenuations, can be compensated under the menu item &apos;Level/Measuring distance/level&apos;.</translation>
    </message>
    <message>
        <source>Messaufbau:</source>
        <translation>Measurement setup:</translation>
    </message>
    <message>
        <source>(schwarz=Masse)</source>
        <translation>(black=ground)</translation>
    </message>
    <message>
        <source>Beide Signale MÜSSEN am LINE-Eingang angeschlossen werden, da der MIC-Eingang nur Mono misst und das dort eingespeiste Signal ansonsten automatisch auf beide Kanäle gleichmäßig verteilt! Bitte schließen Sie die Signale entsprechend an!</source>
        <translation>Both signals MUST be connected to the LINE input, since the MIC input measures mono only and would otherwise spread the signal fed into it evenly over both channels! Please connect the signals accordingly!</translation>
    </message>
    <message>
        <source>linken</source>
        <translation>left</translation>
    </message>
    <message>
        <source>rechten</source>
        <translation>right</translation>
    </message>
    <message>
        <source>Das Signal am %1 Kanal wird gemessen. Bitte schließen Sie das Signal entsprechend an!</source>
        <translation>The signal on the %1 channel is measured. Please connect the signal accordingly!</translation>
    </message>
    <message>
        <source>Das Anregungssignal (z.B. Verstärkerausgang) wird am rechten Kanal erwartet, das Antwortsignal (z.B. Mikrofon) am linken Kanal.</source>
        <translation>The excitation signal (e.g. the amplifier output) is expected on the right channel, the response signal (e.g. a microphone) on the left channel.</translation>
    </message>
    <message>
        <source>Im 2. Teil der Messung wird die Spannung über der unbekannten Impedanz am %1 Kanal gemessen. Bitte schließen Sie die Signale entsprechend an!</source>
        <translation>In part 2 of the measurement, the voltage across the unknown impedance is measured on the %1 channel. Please connect the signals accordingly!</translation>
    </message>
    <message>
        <source>Im 1. Teil der Messung wird die Spannung über dem Vorwiderstand Rvor am %1 Kanal gemessen. Bitte schließen Sie die Signale entsprechend an!</source>
        <translation>In part 1 of the measurement, the voltage across the series resistor Rs is measured on the %1 channel. Please connect the signals accordingly!</translation>
    </message>
    <message>
        <source>Das Anregungssignal (z.B. Verstärkerausgang) wird am rechten Kanal erwartet, das Antwortsignal (Spannung über unbekannter Impedanz) am linken Kanal.</source>
        <translation>The excitation signal (e.g. the amplifier output) is expected on the right channel, the response signal (the voltage across the unknown impedance) on the left channel.</translation>
    </message>
    <message>
        <source>Bitte speisen Sie das Kalibriersignal am %1 Kanal ein!</source>
        <translation>Please feed the calibration signal into the %1 channel!</translation>
    </message>
</context>
<context>
    <name>LiveController</name>
    <message>
        <source>&amp;Schnell (%1 ms)</source>
        <translation>&amp;Fast (%1 ms)</translation>
    </message>
    <message>
        <source>&amp;Langsam (%1 s)</source>
        <translation>&amp;Slow (%1 s)</translation>
    </message>
    <message>
        <source>Lan&amp;g (%1 s)</source>
        <translation>&amp;Long (%1 s)</translation>
    </message>
    <message>
        <source>Linear über %1 Messungen</source>
        <translation>Linear over %1 updates</translation>
    </message>
    <message>
        <source>Live-Anal&amp;yse</source>
        <translation>Live vie&amp;w</translation>
    </message>
    <message>
        <source>Live-&amp;Analyse starten</source>
        <translation>Start live &amp;analysis</translation>
    </message>
    <message>
        <source>&amp;Rosa Rauschen abspielen</source>
        <translation>Play &amp;pink noise</translation>
    </message>
    <message>
        <source>Spitzenwerte &amp;halten</source>
        <translation>&amp;Hold peaks</translation>
    </message>
    <message>
        <source>Spitzenwerte &amp;zurücksetzen</source>
        <translation>&amp;Reset peaks</translation>
    </message>
    <message>
        <source>Die Live-Analyse gibt es für die Pegelmessungen mit einem und zwei Kanälen in der Anzeige F-Spektrum.</source>
        <translation>Live analysis is offered for the one- and two-channel level measurements in the Spectrum view.</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Live-&amp;Analyse beenden</source>
        <translation>Stop live &amp;analysis</translation>
    </message>
    <message>
        <source>Das Aufnahmegerät liefert keine Daten. Die Messung wurde abgebrochen!</source>
        <translation>The recording device delivers no data. The measurement was canceled!</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Live-Analyse: %1 ms verloren! Ende mit ESC</source>
        <translation>Live analysis: %1 ms lost! Esc ends it</translation>
    </message>
    <message>
        <source>Live-Analyse läuft. Ende mit ESC</source>
        <translation>Live analysis running. Esc ends it</translation>
    </message>
</context>
<context>
    <name>NumericInput</name>
    <message>
        <source>Erlaubt: %1 ... %2</source>
        <translation>Allowed: %1 ... %2</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Kein nutzbares Aufnahmegerät gefunden: Terzlab verwendet die virtuelle Soundkarte.</source>
        <translation>No usable recording device found: Terzlab uses the virtual sound card.</translation>
    </message>
    <message>
        <source>Soundkarte: %1</source>
        <translation>Sound card: %1</translation>
    </message>
    <message>
        <source>Virtueller Lautsprecher mit %1 g Zusatzmasse auf der Membran</source>
        <translation>Virtual loudspeaker with %1 g added mass on the cone</translation>
    </message>
    <message>
        <source>Bild des Hauptfensters: %1</source>
        <translation>Picture of the main window: %1</translation>
    </message>
</context>
<context>
    <name>QtMessageService</name>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SoundCard</name>
    <message>
        <source>Soundkarte über PortAudio (ALSA)</source>
        <translation>Sound card via PortAudio (ALSA)</translation>
    </message>
    <message>
        <source>Soundkarte über PortAudio (nicht verfügbar)</source>
        <translation>Sound card via PortAudio (not available)</translation>
    </message>
    <message>
        <source>Virtuelle Soundkarte (Lautsprecher-Modell, keine echte Tonein-/ausgabe)</source>
        <translation>Virtual sound card (loudspeaker model, no real audio input/output)</translation>
    </message>
    <message>
        <source>Virtuelle Soundkarte</source>
        <translation>Virtual sound card</translation>
    </message>
</context>
<context>
    <name>StimuliTool</name>
    <message>
        <source>Periode %1, Scheitelfaktor %2</source>
        <translation>period %1, crest factor %2</translation>
    </message>
    <message>
        <source>ZIELORDNER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>Schreibt die Anregungsdateien des Programms (pseudo.wav, multi.wav, ...) in den Zielordner.</source>
        <translation>Writes the program&apos;s stimulus files (pseudo.wav, multi.wav, ...) into the folder.</translation>
    </message>
    <message>
        <source>Genau ein Zielordner wird erwartet</source>
        <translation>Exactly one folder is expected</translation>
    </message>
</context>
<context>
    <name>Sweep</name>
    <message>
        <source>Das Gate darf nicht nach der Ankunft beginnen (negativer Vorlauf)</source>
        <translation>The gate must not start after the arrival (negative pre-arrival part)</translation>
    </message>
    <message>
        <source>Die Gate-Länge muss größer als 0 ms sein</source>
        <translation>The gate length must be greater than 0 ms</translation>
    </message>
    <message>
        <source>Der Tukey-Anteil muss zwischen 0 und 1 liegen</source>
        <translation>The Tukey fraction must lie between 0 and 1</translation>
    </message>
    <message>
        <source>Das Gate endet nach der aufgenommenen Antwort: nach der Ankunft sind nur %1 ms aufgenommen</source>
        <translation>The gate ends after the recorded response: only %1 ms are recorded after the arrival</translation>
    </message>
    <message>
        <source>Der Vorlauf reicht bis in die Antwort der Oberwellen: höchstens %1 ms</source>
        <translation>The pre-arrival part reaches into the harmonics&apos; response: at most %1 ms</translation>
    </message>
    <message>
        <source>In der Aufnahme ist kein Sweep zu finden</source>
        <translation>No sweep can be found in the recording</translation>
    </message>
    <message>
        <source>Die Aufnahme ist kürzer als der Sweep</source>
        <translation>The recording is shorter than the sweep</translation>
    </message>
    <message>
        <source>Die Abtastrate muss zwischen 8000 und 384000 Hz liegen</source>
        <translation>The sample rate must lie between 8000 and 384000 Hz</translation>
    </message>
    <message>
        <source>Der Sweep muss 32768 bis 2097152 Abtastwerte lang sein</source>
        <translation>The sweep must be 32768 to 2097152 samples long</translation>
    </message>
    <message>
        <source>Die Frequenzen müssen 1 Hz &lt;= f1, 2 f1 &lt;= f2 &lt;= 0,95 der halben Abtastrate erfüllen</source>
        <translation>The frequencies must satisfy 1 Hz &lt;= f1, 2 f1 &lt;= f2 &lt;= 0.95 of half the sample rate</translation>
    </message>
    <message>
        <source>Der Pegel muss zwischen -60 und 0 dBFS liegen</source>
        <translation>The level must lie between -60 and 0 dBFS</translation>
    </message>
    <message>
        <source>Für diese Frequenzen ist der Sweep zu kurz</source>
        <translation>The sweep is too short for these frequencies</translation>
    </message>
</context>
<context>
    <name>SweepController</name>
    <message>
        <source>Sweep %1 von %2. Abbruch mit ESC!</source>
        <translation>Sweep %1 of %2. ESC cancels!</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Der Sweep wird vom Programm abgespielt, mit der Test-CD ist er nicht möglich.</source>
        <translation>The program plays the sweep itself: it is not possible with the test CD.</translation>
    </message>
    <message>
        <source>Das Aufnahmegerät liefert keine Daten. Die Messung wurde abgebrochen!</source>
        <translation>The recording device delivers no data. The measurement was canceled!</translation>
    </message>
    <message>
        <source>Während des Sweeps gingen Abtastwerte verloren. Bitte die Messung wiederholen.</source>
        <translation>Samples were lost during the sweep. Please repeat the measurement.</translation>
    </message>
    <message>
        <source>Die Aufnahme ist übersteuert. Bitte den Pegel verringern.</source>
        <translation>The recording is clipped. Please lower the level.</translation>
    </message>
    <message>
        <source>Das Gate ist nicht möglich: %1</source>
        <translation>The gate cannot be placed: %1</translation>
    </message>
    <message>
        <source>Exportiert wird als .wav (Impulsantwort), .frd oder .csv (Verzerrung): %1</source>
        <translation>Export as .wav (impulse response), .frd or .csv (distortion): %1</translation>
    </message>
</context>
<context>
    <name>SweepPlot</name>
    <message>
        <source>Ankunft %1 ms, %2 m</source>
        <translation>Arrival %1 ms, %2 m</translation>
    </message>
    <message>
        <source>Gate ab %1 Hz, Laufzeit %2 ms entfernt</source>
        <translation>Gate from %1 Hz, delay of %2 ms removed</translation>
    </message>
    <message>
        <source>Rauschen</source>
        <translation>Noise</translation>
    </message>
    <message>
        <source>Grundwelle (rechts)</source>
        <translation>Fundamental (right)</translation>
    </message>
</context>
<context>
    <name>ThieleSmallFit</name>
    <message>
        <source>Die Kurve hat zu wenige Werte unter 1 kHz</source>
        <translation>The curve has too few values below 1 kHz</translation>
    </message>
    <message>
        <source>Die Kurve zeigt keine Resonanzspitze unter 1 kHz</source>
        <translation>The curve shows no resonance peak below 1 kHz</translation>
    </message>
    <message>
        <source>Das Impedanzmaximum liegt am Rand des Messbereichs (bei %1 Hz): keine Resonanzspitze, die sich auswerten lässt</source>
        <translation>The impedance maximum lies at the edge of the measured range (at %1 Hz): no resonance peak that can be evaluated</translation>
    </message>
    <message>
        <source>Das Treibermodell lässt sich der Kurve nicht anpassen (keine Konvergenz)</source>
        <translation>The driver model cannot be fitted to the curve (no convergence)</translation>
    </message>
    <message>
        <source>Die Resonanz mit Zusatzmasse (%1 Hz) liegt nicht tiefer als ohne (%2 Hz)</source>
        <translation>The resonance with added mass (%1 Hz) is not lower than without (%2 Hz)</translation>
    </message>
    <message>
        <source>Re (Gleichstrom) %1 Ohm liegt weit unter dem kleinsten Wert der Kurve (%2 Ohm): bitte den Widerstand prüfen</source>
        <translation>Re (DC) %1 Ohm lies far below the curve&apos;s lowest value (%2 Ohm): please check the resistance</translation>
    </message>
    <message>
        <source>Re (Gleichstrom) %1 Ohm liegt über dem kleinsten Wert der Kurve (%2 Ohm), was nicht sein kann</source>
        <translation>Re (DC) %1 Ohm lies above the curve&apos;s lowest value (%2 Ohm), which cannot be</translation>
    </message>
    <message>
        <source>Re (Gleichstrom) %1 Ohm weicht um %2 % vom angepassten Re (%3 Ohm) ab: die übrigen Parameter sind unsicher</source>
        <translation>Re (DC) %1 Ohm differs by %2 % from the fitted Re (%3 Ohm): the other parameters are uncertain</translation>
    </message>
    <message>
        <source>Die Resonanzen mit den Zusatzmassen passen nicht zueinander (Mms ergibt sich nicht positiv)</source>
        <translation>The resonances with the added masses do not agree (Mms does not come out positive)</translation>
    </message>
    <message>
        <source>Die Zusatzmasse %1 g ist mehr als zehnmal so schwer wie die Membran (Mms %2 g): bitte die Eingabe prüfen</source>
        <translation>The added mass of %1 g is more than ten times the cone&apos;s mass (Mms %2 g): please check the entry</translation>
    </message>
</context>
<context>
    <name>ThieleSmallTable</name>
    <message>
        <source>Abweichung (RMS)</source>
        <translation>Deviation (RMS)</translation>
    </message>
    <message>
        <source>Mms-Streuung</source>
        <translation>Mms spread</translation>
    </message>
    <message>
        <source>Spitze/Senke</source>
        <translation>Peak/dip</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>at</translation>
    </message>
    <message>
        <source>Vb geschlossen (Qtc 0,707)</source>
        <translation>Vb closed (Qtc 0.707)</translation>
    </message>
    <message>
        <source>f3 geschlossen</source>
        <translation>f3 closed</translation>
    </message>
    <message>
        <source>Vb Bassreflex (QB3, QL 7)</source>
        <translation>Vb vented (QB3, QL 7)</translation>
    </message>
    <message>
        <source>fb Bassreflex</source>
        <translation>fb vented</translation>
    </message>
    <message>
        <source>f3 Bassreflex</source>
        <translation>f3 vented</translation>
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
        <source>Das Bild der Grafik konnte nicht erzeugt werden</source>
        <translation>The picture of the graph could not be created</translation>
    </message>
    <message>
        <source>Aufruf: %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>  --help     diese Übersicht
  --version  die Version</source>
        <translation>  --help     this overview
  --version  the version</translation>
    </message>
    <message>
        <source>Alle Optionen beschreibt die Handbuchseite: man %1</source>
        <translation>The manual page describes every option: man %1</translation>
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
        <source>Zu viele Dateien angegeben: %1</source>
        <translation>Too many files given: %1</translation>
    </message>
    <message>
        <source>Bestimmt die Thiele-Small-Parameter eines Lautsprechers aus seiner Impedanzmessung.</source>
        <translation>Computes a loudspeaker&apos;s Thiele-Small parameters from its impedance measurement.</translation>
    </message>
    <message>
        <source>--added-mass und --loaded dürfen höchstens zweimal stehen</source>
        <translation>--added-mass and --loaded may be given at most twice</translation>
    </message>
    <message>
        <source>--box braucht das Volumen (--vb LITRES)</source>
        <translation>--box needs the volume (--vb LITRES)</translation>
    </message>
    <message>
        <source>--box vented braucht die Abstimmfrequenz (--fb HZ)</source>
        <translation>--box vented needs the tuning frequency (--fb HZ)</translation>
    </message>
    <message>
        <source>--fb und --ql gelten nur mit --box vented</source>
        <translation>--fb and --ql apply only with --box vented</translation>
    </message>
    <message>
        <source>--vb gilt nur mit --box</source>
        <translation>--vb applies only with --box</translation>
    </message>
    <message>
        <source>--response braucht ein Gehäuse (--box)</source>
        <translation>--response needs a box (--box)</translation>
    </message>
    <message>
        <source>Gehäuse brauchen Vas und damit --sd oder --diameter und die Zusatzmassen-Messung (--added-mass und --loaded)</source>
        <translation>Boxes need Vas and so --sd or --diameter and the added-mass measurement (--added-mass and --loaded)</translation>
    </message>
    <message>
        <source>Leerer Dateiname bei %1</source>
        <translation>Empty file name for %1</translation>
    </message>
</context>
<context>
    <name>WiringSketch</name>
    <message>
        <source>Masse</source>
        <translation>Ground</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Testobjekt</source>
        <translation>Test object</translation>
    </message>
    <message>
        <source>Rvor</source>
        <translation>Rs</translation>
    </message>
    <message>
        <source>Antwort</source>
        <translation>response</translation>
    </message>
    <message>
        <source>Anregung</source>
        <translation>excitation</translation>
    </message>
    <message>
        <source>Steckerbelegung:</source>
        <translation>Plug wiring:</translation>
    </message>
    <message>
        <source>Messaufbau:</source>
        <translation>Measurement setup:</translation>
    </message>
    <message>
        <source>Soundkarte</source>
        <translation>Sound card</translation>
    </message>
    <message>
        <source>Verstärker</source>
        <translation>Amplifier</translation>
    </message>
</context>
<context>
    <name>frmAxis</name>
    <message>
        <source>Achse einstellen</source>
        <translation>Set axis</translation>
    </message>
    <message>
        <source>&amp;Oben:</source>
        <translation>&amp;Top:</translation>
    </message>
    <message>
        <source>&amp;Unten:</source>
        <translation>&amp;Bottom:</translation>
    </message>
    <message>
        <source>&amp;Teilung:</source>
        <translation>&amp;Step:</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>frmCalib</name>
    <message>
        <source>Pegelkalibrierung</source>
        <translation>Level calibration</translation>
    </message>
    <message>
        <source>Startet die Messung</source>
        <translation>Starts the measurement</translation>
    </message>
    <message>
        <source>Weist der letzten OK-Messung die aktuelle Spannung zu</source>
        <translation>Assigns the current voltage to the last accepted measurement</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Spannung</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Kanal (Kal-Wert)</source>
        <translation>Channel (cal. value)</translation>
    </message>
    <message>
        <source>Pegel</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Li   (%1dB)</source>
        <translation>Left (%1 dB)</translation>
    </message>
    <message>
        <source>Re (%1dB)</source>
        <translation>Right (%1 dB)</translation>
    </message>
    <message>
        <source>Mit &lt;OK&gt; wird die Kalibrierung akzeptiert, mit &lt;Abbruch&gt; verworfen!</source>
        <translation>&lt;OK&gt; accepts the calibration, &lt;Cancel&gt; discards it!</translation>
    </message>
    <message>
        <source>Warnung:</source>
        <translation>Warning:</translation>
    </message>
    <message>
        <source>Geben Sie nun die Anregungsspannung ins Feld &apos;Spannung&apos; ein<byte value="xd"/>
und drücken Sie die &apos;Volt OK&apos;-Taste um der aktuellen Kalibriermessung<byte value="xd"/>
eine bekannte Spannung zuzuweisen!</source>
        <translation>Now enter the excitation voltage in the field &apos;Voltage&apos;<byte value="xd"/>
and press the &apos;Volt OK&apos; button to assign a known voltage<byte value="xd"/>
to the current calibration measurement!</translation>
    </message>
    <message>
        <source>Hinweis:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Es liegt keine akzeptierte Kalibrierung für diesen Kanal vor!</source>
        <translation>There is no accepted calibration for this channel!</translation>
    </message>
    <message>
        <source>Kalibrierwert für den linken Kanal ist %1 dB</source>
        <translation>The calibration value for the left channel is %1 dB</translation>
    </message>
    <message>
        <source>Kalibrierwert für den rechten Kanal ist %1 dB</source>
        <translation>The calibration value for the right channel is %1 dB</translation>
    </message>
    <message>
        <source>Mit &lt;OK&gt; wird die Kalibrierung übernommen, mit &lt;Abbruch&gt; verworfen!</source>
        <translation>&lt;OK&gt; applies the calibration, &lt;Cancel&gt; discards it!</translation>
    </message>
    <message>
        <source>Die Kalibrierung war nicht erfolgreich!</source>
        <translation>The calibration was not successful!</translation>
    </message>
</context>
<context>
    <name>frmCurves</name>
    <message>
        <source>Vergleichskurven</source>
        <translation>Comparison curves</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>&amp;Alle entfernen</source>
        <translation>Remove &amp;all</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Terz- und Oktavanalysator für die PC-Soundkarte<byte value="xd"/>
<byte value="xd"/>
Pegel, Übertragung, Polung und Impedanz<byte value="xd"/>
in 1/3-, 1/6- und 1/12-Oktaven<byte value="xd"/>
<byte value="xd"/>
Version 0.1<byte value="xd"/>
<byte value="xd"/>
Dieses Programm wird ohne jede Gewähr überlassen. Für Schäden an<byte value="xd"/>
Soundkarte, Verstärker oder Testobjekt wird keine Haftung übernommen;<byte value="xd"/>
bitte beachten Sie die Hinweise zur Verkabelung vor jeder Messung.</source>
        <translation>Third-octave and octave analyzer for the PC sound card<byte value="xd"/>
<byte value="xd"/>
Level, transfer function, polarity and impedance<byte value="xd"/>
in 1/3, 1/6 and 1/12 octaves<byte value="xd"/>
<byte value="xd"/>
Version 0.1<byte value="xd"/>
<byte value="xd"/>
This program is provided without any warranty. No liability is<byte value="xd"/>
accepted for damage to the sound card, amplifier or test object;<byte value="xd"/>
please read the notes on wiring before every measurement.</translation>
    </message>
</context>
<context>
    <name>frmLevel</name>
    <message>
        <source>Messabstand/-pegel</source>
        <translation>Measuring distance/level</translation>
    </message>
    <message>
        <source>Soll:</source>
        <translation>Target:</translation>
    </message>
    <message>
        <source>Ist:</source>
        <translation>Actual:</translation>
    </message>
    <message>
        <source>Abstand [cm]</source>
        <translation>Distance [cm]</translation>
    </message>
    <message>
        <source>Anregung [V]</source>
        <translation>Excitation [V]</translation>
    </message>
    <message>
        <source>Manuell:</source>
        <translation>Manual:</translation>
    </message>
    <message>
        <source>Gesamt:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Der Pegel in jeder 1/12 Oktave der Datei Pseudo.wav<byte value="xd"/>
ist 33.5 dB kleiner als ein voll ausgesteuerter Sinus.<byte value="xd"/>
Daher ist der Vorgabwert für &apos;Offset [dB]&apos; 33.5</source>
        <translation>The level in each 1/12 octave of the file Pseudo.wav<byte value="xd"/>
is 33.5 dB below that of a full-scale sine.<byte value="xd"/>
The default value for &apos;Offset [dB]&apos; is therefore 33.5</translation>
    </message>
    <message>
        <source>Hinweis:</source>
        <translation>Note:</translation>
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
    <message>
        <source>&amp;Achse einstellen ...</source>
        <translation>Set &amp;axis ...</translation>
    </message>
    <message>
        <source>Das Aufnahmegerät konnte nicht gestartet werden!</source>
        <translation>The recording device could not be started!</translation>
    </message>
    <message>
        <source>Das Aufnahmegerät liefert keine Daten. Die Messung wurde abgebrochen!</source>
        <translation>The recording device delivers no data. The measurement was canceled!</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Vergleichsk&amp;urven ...</source>
        <translation>Comparison c&amp;urves ...</translation>
    </message>
    <message>
        <source>Es sind bereits sechs Vergleichskurven geladen.<byte value="xd"/>
Bitte zuerst eine unter „Datei / Vergleichskurven ...“ entfernen.</source>
        <translation>Six comparison curves are already loaded.<byte value="xd"/>
Please remove one first under “File / Comparison curves ...”.</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Kurve &amp;halten</source>
        <translation>&amp;Hold curve</translation>
    </message>
    <message>
        <source>&amp;Phase anzeigen</source>
        <translation>Show &amp;phase</translation>
    </message>
    <message>
        <source>E&amp;xportieren ...</source>
        <translation>E&amp;xport ...</translation>
    </message>
    <message>
        <source>&amp;Grafik speichern ...</source>
        <translation>Save &amp;graph ...</translation>
    </message>
    <message>
        <source>Grafik in die &amp;Zwischenablage</source>
        <translation>Copy graph to clip&amp;board</translation>
    </message>
    <message>
        <source>CSV-Datei (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>ZMA-Datei (*.zma)</source>
        <translation>ZMA file (*.zma)</translation>
    </message>
    <message>
        <source>FRD-Datei (*.frd)</source>
        <translation>FRD file (*.frd)</translation>
    </message>
    <message>
        <source>Messung exportieren</source>
        <translation>Export measurement</translation>
    </message>
    <message>
        <source>Exportiert wird als .frd, .zma oder .csv: %1</source>
        <translation>Export works with .frd, .zma or .csv only: %1</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>PNG-Bild, doppelte Größe für den Druck (*.png)</source>
        <translation>PNG image, double size for printing (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation>SVG graphic (*.svg)</translation>
    </message>
    <message>
        <source>Grafik speichern</source>
        <translation>Save graph</translation>
    </message>
    <message>
        <source>Die Grafik wird als .png oder .svg gespeichert: %1</source>
        <translation>The graph is saved as .png or .svg only: %1</translation>
    </message>
    <message>
        <source>&amp;Aufnahme:</source>
        <translation>&amp;Recording:</translation>
    </message>
    <message>
        <source>&amp;Wiedergabe:</source>
        <translation>&amp;Playback:</translation>
    </message>
    <message>
        <source>&amp;Messung:</source>
        <translation>T&amp;ype:</translation>
    </message>
    <message>
        <source>Mi&amp;ttelung:</source>
        <translation>A&amp;veraging:</translation>
    </message>
    <message>
        <source>Au&amp;flösung:</source>
        <translation>Resolut&amp;ion:</translation>
    </message>
    <message>
        <source>An&amp;zeige:</source>
        <translation>&amp;Display:</translation>
    </message>
    <message>
        <source>Zeitsignal</source>
        <translation>Time signal</translation>
    </message>
    <message>
        <source>F-Spektrum</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Starte Mi&amp;xer</source>
        <translation>Start mi&amp;xer</translation>
    </message>
    <message>
        <source>Kanal</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>&amp;Li</source>
        <translation>Lef&amp;t</translation>
    </message>
    <message>
        <source>&amp;Re</source>
        <translation>Ri&amp;ght</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Aktuelle Messung &amp;speichern als...</source>
        <translation>&amp;Save current measurement as...</translation>
    </message>
    <message>
        <source>Lade Sensor&amp;kompensationsdatei ...</source>
        <translation>Load se&amp;nsor compensation file ...</translation>
    </message>
    <message>
        <source>Lade &amp;Referenzmessung ...</source>
        <translation>Load &amp;reference measurement ...</translation>
    </message>
    <message>
        <source>Lade &amp;Vergleichskurve ...</source>
        <translation>Load &amp;comparison curve ...</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>&amp;Taktung mit 48 kHz</source>
        <translation>&amp;Sample at 48 kHz</translation>
    </message>
    <message>
        <source>Kanäle &amp;wechseln</source>
        <translation>S&amp;wap channels</translation>
    </message>
    <message>
        <source>Impedanzmessung mit &amp;breitem Bereich</source>
        <translation>Impedance measurement with &amp;broad range</translation>
    </message>
    <message>
        <source>Real-Time-Check</source>
        <translation>Real-time check</translation>
    </message>
    <message>
        <source>&amp;Pegel</source>
        <translation>&amp;Level</translation>
    </message>
    <message>
        <source>Kali&amp;brierung</source>
        <translation>Cali&amp;bration</translation>
    </message>
    <message>
        <source>Mess&amp;abstand/-pegel</source>
        <translation>Measuring &amp;distance/level</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Kurz&amp;hilfe anzeigen</source>
        <translation>Show quick &amp;help</translation>
    </message>
    <message>
        <source>Über Dezi&amp;ziz</source>
        <translation>About Dezi&amp;ziz</translation>
    </message>
    <message>
        <source>Sens&amp;or:</source>
        <translation>Se&amp;nsor:</translation>
    </message>
    <message>
        <source>Sens&amp;or:    </source>
        <translation>Se&amp;nsor:      </translation>
    </message>
    <message>
        <source>R&amp;eferenz:</source>
        <translation>R&amp;eference:</translation>
    </message>
    <message>
        <source>R&amp;eferenz: </source>
        <translation>R&amp;eference: </translation>
    </message>
    <message>
        <source>&amp;Vergleich:</source>
        <translation>&amp;Comparison:</translation>
    </message>
    <message>
        <source>&amp;Vergleich: </source>
        <translation>&amp;Comparison: </translation>
    </message>
    <message>
        <source>Kein Aufnahmegerät gefunden -&gt; das Programm wird beendet</source>
        <translation>No recording device found -&gt; the program ends</translation>
    </message>
    <message>
        <source>Kein Aufnahmegerät gefunden, dass CD-Qualität (44.1 kHz, 16 bit, Stereo) unterstützt -&gt; das Programm wird beendet</source>
        <translation>No recording device found that supports CD quality (44.1 kHz, 16 bit, stereo) -&gt; the program ends</translation>
    </message>
    <message>
        <source>Kein Wiedergabegerät gefunden -&gt; das Programm wird beendet</source>
        <translation>No playback device found -&gt; the program ends</translation>
    </message>
    <message>
        <source>Es wurde mehr als ein Wiedergabegerät gefunden,<byte value="xd"/>
es kann jedoch nur das Standardgerät verwendet werden!</source>
        <translation>More than one playback device was found,<byte value="xd"/>
but only the default device can be used!</translation>
    </message>
    <message>
        <source>Kein Wiedergabegerät gefunden, das CD-Qualität (44.1 kHz, 16 bit, Stereo) unterstützt -&gt; eine spezielle Mess-CD muss verwendet werden</source>
        <translation>No playback device found that supports CD quality (44.1 kHz, 16 bit, stereo) -&gt; a special measurement CD must be used</translation>
    </message>
    <message>
        <source>Test-CD</source>
        <translation>Test CD</translation>
    </message>
    <message>
        <source>Für die Darstellung wird eine Bildschirmauflösung<byte value="xd"/>
von mindestens 800 x 600 Punkten benötigt!<byte value="xd"/>
Das Programm wird angehalten!</source>
        <translation>The display needs a screen resolution<byte value="xd"/>
of at least 800 x 600 pixels!<byte value="xd"/>
The program stops!</translation>
    </message>
    <message>
        <source>Unzureichende Bildschirmauflösung!</source>
        <translation>Insufficient screen resolution!</translation>
    </message>
    <message>
        <source>Schalldruck/Spannung (1-kanalig)</source>
        <translation>Sound pressure/voltage (1 channel)</translation>
    </message>
    <message>
        <source>Schalldruck/Spannung (2-kanalig)</source>
        <translation>Sound pressure/voltage (2 channels)</translation>
    </message>
    <message>
        <source>Schalldruck Polung   (1-kanalig)</source>
        <translation>Sound pressure polarity (1 channel)</translation>
    </message>
    <message>
        <source>Impedanz (1-kanalig)</source>
        <translation>Impedance (1 channel)</translation>
    </message>
    <message>
        <source>Impedanz (2-kanalig)</source>
        <translation>Impedance (2 channels)</translation>
    </message>
    <message>
        <source>1/3 Oktave</source>
        <translation>1/3 octave</translation>
    </message>
    <message>
        <source>1/6 Oktave</source>
        <translation>1/6 octave</translation>
    </message>
    <message>
        <source>1/12 Oktave</source>
        <translation>1/12 octave</translation>
    </message>
    <message>
        <source>Die Pegelkalibrierung gilt nur für einen bestimmten Eingang<byte value="xd"/>
(Mic oder Line) und für die gewählte Referenzdatei !<byte value="xd"/>
<byte value="xd"/>
Bitte führen Sie zunächst eine unkalibrierte Messung durch<byte value="xd"/>
und vergewissern sich, dass die richtigen Korrekturdateien<byte value="xd"/>
geladen sind und der Eingangspegel günstig gewählt ist!<byte value="xd"/>
<byte value="xd"/>
Nach der Kalibrierung darf der Eingangspegel nicht mehr mit dem<byte value="xd"/>
Mixer verändert werden, ansonsten ist die Kalibrierung ungültig!</source>
        <translation>The level calibration applies only to one particular input<byte value="xd"/>
(mic or line) and to the chosen reference file!<byte value="xd"/>
<byte value="xd"/>
Please make an uncalibrated measurement first<byte value="xd"/>
and make sure that the right correction files<byte value="xd"/>
are loaded and the input level is set well!<byte value="xd"/>
<byte value="xd"/>
After the calibration the input level must not be changed<byte value="xd"/>
with the mixer any more, or the calibration becomes invalid!</translation>
    </message>
    <message>
        <source>Wichtiger Hinweis zur Kalibrierung:</source>
        <translation>Important note on the calibration:</translation>
    </message>
    <message>
        <source>Es wurde kein Programm für die Lautstärkeregelung gefunden.<byte value="xd"/>
Bitte stellen Sie die Pegel für Wiedergabe und Aufnahme in den Toneinstellungen Ihres Systems ein (zum Beispiel mit pavucontrol).</source>
        <translation>No volume control program was found.<byte value="xd"/>
Please set the playback and recording levels in your system&apos;s sound settings (for example with pavucontrol).</translation>
    </message>
    <message>
        <source>Messung 2.Teil</source>
        <translation>Measurement part 2</translation>
    </message>
    <message>
        <source>Noch %1 Messungen. Abbruch mit ESC!</source>
        <translation>Measurements to go: %1. Esc cancels!</translation>
    </message>
    <message>
        <source>Datei %1 nicht gefunden, Messung abgebrochen!</source>
        <translation>File %1 not found, measurement canceled!</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine gültige WAV-Datei, Messung abgebrochen!</source>
        <translation>The file %1 is not a valid WAV file, measurement canceled!</translation>
    </message>
    <message>
        <source>Die WAV-Datei %1<byte value="xd"/>
ist schreibgeschützt, die neue Abtastrate kann nicht geändert werden!<byte value="xd"/>
Die Abtastfrequenz wurde auf 44100 Hz zurückgesetzt, bitte starten Sie die Messung neu!</source>
        <translation>The WAV file %1<byte value="xd"/>
is write-protected, the new sample rate cannot be set!<byte value="xd"/>
The sample rate was reset to 44100 Hz, please start the measurement again!</translation>
    </message>
    <message>
        <source>Fehler:</source>
        <translation>Error:</translation>
    </message>
    <message>
        <source>Fertig!</source>
        <translation>Done!</translation>
    </message>
    <message>
        <source>&amp;Starte Messung</source>
        <translation>Start &amp;measurement</translation>
    </message>
    <message>
        <source>Stop &amp;nach 1 Messung</source>
        <translation>Stop &amp;after 1 run</translation>
    </message>
    <message>
        <source>Stop &amp;nach %1 Messungen</source>
        <translation>Stop &amp;after %1 runs</translation>
    </message>
    <message>
        <source>Stop &amp;nach %1 Mittelungen</source>
        <translation>Stop &amp;after %1 averages</translation>
    </message>
    <message>
        <source>Es wird nur das Zeitsignal der letzten Messung angezeigt</source>
        <translation>Only the time signal of the last measurement is shown</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Bei Anregung mit Test-CD ist eine Abtastung mit 48kHz nicht möglich</source>
        <translation>With the test CD as the signal, sampling at 48kHz is not possible</translation>
    </message>
    <message>
        <source>aktuelle Messung</source>
        <translation>current measurement</translation>
    </message>
    <message>
        <source>Vergleichskurve %1</source>
        <translation>comparison curve %1</translation>
    </message>
    <message>
        <source>Das Bild der Grafik konnte nicht erzeugt werden</source>
        <translation>The picture of the graph could not be created</translation>
    </message>
    <message>
        <source>Spez&amp;ial</source>
        <translation>&amp;Special</translation>
    </message>
    <message>
        <source>&amp;Check On</source>
        <translation>Check &amp;On</translation>
    </message>
    <message>
        <source>&amp;Check Off</source>
        <translation>Check &amp;Off</translation>
    </message>
    <message>
        <source>Thiele-&amp;Small-Parameter ...</source>
        <translation>&amp;Thiele-Small parameters ...</translation>
    </message>
    <message>
        <source>Impulsantwort (*.wav)</source>
        <translation>Impulse response (*.wav)</translation>
    </message>
    <message>
        <source>Verzerrung als CSV-Datei (*.csv)</source>
        <translation>Distortion as CSV file (*.csv)</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Sweep</translation>
    </message>
</context>
<context>
    <name>frmMeas</name>
    <message>
        <source>Hinweise zur Messung</source>
        <translation>Notes on the measurement</translation>
    </message>
    <message>
        <source>Verkabelung:</source>
        <translation>Wiring:</translation>
    </message>
    <message>
        <source>Rvor [Ohm]:</source>
        <translation>Rs [Ohm]:</translation>
    </message>
    <message>
        <source>Rvor &lt;-&gt; Zx</source>
        <translation>Rs &lt;-&gt; Zx</translation>
    </message>
    <message>
        <source>Li &lt;-&gt; Re</source>
        <translation>L &lt;-&gt; R</translation>
    </message>
    <message>
        <source>Messung &amp;Start</source>
        <translation>&amp;Start measurement</translation>
    </message>
</context>
<context>
    <name>frmSel</name>
    <message>
        <source>Aktuelle Messung speichern als *.OCT-Datei</source>
        <translation>Save current measurement as *.OCT file</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Lade Sensor-Kompensationsdatei *.SEN</source>
        <translation>Load sensor compensation file *.SEN</translation>
    </message>
    <message>
        <source>&amp;Laden</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <source>Lade Messdatei *.OCT als Referenzkurve (zeige Differenz an)</source>
        <translation>Load measurement file *.OCT as reference curve (show the difference)</translation>
    </message>
    <message>
        <source>Lade Messdatei Vela_*.OCT zum Vergleich (nur Anzeige)</source>
        <translation>Load measurement file Vela_*.OCT for comparison (display only)</translation>
    </message>
    <message>
        <source>d [cm]:</source>
        <translation>d [cm]:</translation>
    </message>
    <message>
        <source>h [cm]:</source>
        <translation>h [cm]:</translation>
    </message>
    <message>
        <source>Hor. [°]:</source>
        <translation>Hor. [°]:</translation>
    </message>
    <message>
        <source>Ver. [°]:</source>
        <translation>Ver. [°]:</translation>
    </message>
    <message>
        <source>Rv [Ohm]:</source>
        <translation>Rs [ohm]:</translation>
    </message>
    <message>
        <source>M+ [g]:</source>
        <translation>M+ [g]:</translation>
    </message>
    <message>
        <source>Vol [l]:</source>
        <translation>Vol [l]:</translation>
    </message>
    <message>
        <source>Dateiname          Typ Info</source>
        <extracomment>Stands over the list rows: the file name padded to 18 characters and a blank, the type (Amp, Imp, Sen) in 4 characters, the title.</extracomment>
        <translation>File name         Type Info</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Info&amp;typ:</source>
        <translation>Info &amp;type:</translation>
    </message>
    <message>
        <source>nur Text</source>
        <translation>Text only</translation>
    </message>
    <message>
        <source>Mikrofonmessung</source>
        <translation>Microphone measurement</translation>
    </message>
    <message>
        <source>Impedanzmessung</source>
        <translation>Impedance measurement</translation>
    </message>
    <message>
        <source>&amp;Dateiname:</source>
        <translation>&amp;File name:</translation>
    </message>
    <message>
        <source>&amp;Info:</source>
        <translation>&amp;Info:</translation>
    </message>
    <message>
        <source>Erlaubt: eine Zahl oder nichts</source>
        <translation>Allowed: a number or nothing</translation>
    </message>
    <message>
        <source>Bitte einen Dateinamen eingeben!</source>
        <translation>Please enter a file name!</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Soll die vorhandene Datei %1 überschrieben werden?</source>
        <translation>Overwrite the existing file %1?</translation>
    </message>
    <message>
        <source>Warnung:</source>
        <translation>Warning:</translation>
    </message>
    <message>
        <source>Es muss mindestens eine gültige Datei ausgewählt sein!</source>
        <translation>At least one valid file must be selected!</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht gelesen werden!</source>
        <translation>The folder %1 cannot be read!</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>A&amp;ndere Datei ...</source>
        <translation>&amp;Other file ...</translation>
    </message>
    <message>
        <source>Kalibrierdateien (*.txt *.cal *.frd *.csv *.sen *.SEN)</source>
        <translation>Calibration files (*.txt *.cal *.frd *.csv *.sen *.SEN)</translation>
    </message>
    <message>
        <source>Kurven (*.frd *.zma *.csv *.txt *.oct *.OCT)</source>
        <translation>Curves (*.frd *.zma *.csv *.txt *.oct *.OCT)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Beschreibung der Messung</source>
        <translation>Description of the measurement</translation>
    </message>
</context>
<context>
    <name>frmSweep</name>
    <message>
        <source>Sweep</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>Rechteck</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Halb-Hann</source>
        <translation>Half Hann</translation>
    </message>
    <message>
        <source>Tukey</source>
        <translation>Tukey</translation>
    </message>
    <message>
        <source>Impulsantwort</source>
        <translation>Impulse response</translation>
    </message>
    <message>
        <source>Energie-Zeit-Kurve</source>
        <translation>Energy-time curve</translation>
    </message>
    <message>
        <source>Frequenzgang</source>
        <translation>Frequency response</translation>
    </message>
    <message>
        <source>Verzerrung</source>
        <translation>Distortion</translation>
    </message>
    <message>
        <source>Prozent</source>
        <translation>Percent</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Startfrequenz f1 [Hz]</source>
        <translation>Start frequency f1 [Hz]</translation>
    </message>
    <message>
        <source>Endfrequenz f2 [Hz]</source>
        <translation>End frequency f2 [Hz]</translation>
    </message>
    <message>
        <source>Länge [Abtastwerte]</source>
        <translation>Length [samples]</translation>
    </message>
    <message>
        <source>Pegel [dBFS]</source>
        <translation>Level [dBFS]</translation>
    </message>
    <message>
        <source>Wiederholungen</source>
        <translation>Repetitions</translation>
    </message>
    <message>
        <source>Gate vor der Ankunft [ms]</source>
        <translation>Gate before the arrival [ms]</translation>
    </message>
    <message>
        <source>Gate nach der Ankunft [ms]</source>
        <translation>Gate after the arrival [ms]</translation>
    </message>
    <message>
        <source>Gate-Fenster</source>
        <translation>Gate window</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Verzerrung in</source>
        <translation>Distortion in</translation>
    </message>
    <message>
        <source>Startfrequenz</source>
        <translation>Start frequency</translation>
    </message>
    <message>
        <source>Endfrequenz</source>
        <translation>End frequency</translation>
    </message>
    <message>
        <source>Pegel</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Gate vor der Ankunft</source>
        <translation>Gate before the arrival</translation>
    </message>
    <message>
        <source>Gate nach der Ankunft</source>
        <translation>Gate after the arrival</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein gültiger Wert. %3</source>
        <translation>%1: &quot;%2&quot; is not a valid value. %3</translation>
    </message>
    <message>
        <source>Referenz (Loopback) im anderen Eingang</source>
        <translation>Reference (loopback) in the other input</translation>
    </message>
    <message>
        <source>Gruppenlaufzeit</source>
        <translation>Group delay</translation>
    </message>
    <message>
        <source>1/%1 Oktave</source>
        <translation>1/%1 octave</translation>
    </message>
    <message>
        <source>Glättung</source>
        <translation>Smoothing</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>frmThieleSmall</name>
    <message>
        <source>Re (Gleichstrom) [Ohm]:</source>
        <translation>Re (DC) [Ohm]:</translation>
    </message>
    <message>
        <source>Zusatzmasse [g]:</source>
        <translation>Added mass [g]:</translation>
    </message>
    <message>
        <source>oder Durchmesser [cm]:</source>
        <translation>or diameter [cm]:</translation>
    </message>
    <message>
        <source>Modell (Thiele-Small)</source>
        <translation>Model (Thiele-Small)</translation>
    </message>
    <message>
        <source>Thiele-Small-Parameter</source>
        <translation>Thiele-Small parameters</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Messung mit Zusatzmasse &amp;laden ...</source>
        <translation>&amp;Load measurement with added mass ...</translation>
    </message>
    <message>
        <source>(keine Messung mit Zusatzmasse)</source>
        <translation>(no measurement with added mass)</translation>
    </message>
    <message>
        <source>&amp;Berechnen</source>
        <translation>Co&amp;mpute</translation>
    </message>
    <message>
        <source>Tabelle &amp;kopieren</source>
        <translation>Copy &amp;table</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Bitte bei „%1“ eine Zahl von %2 bis %3 eingeben oder das Feld leeren.</source>
        <translation>Please enter a number from %2 to %3 for “%1” or clear the field.</translation>
    </message>
    <message>
        <source>Bitte Sd oder den Durchmesser angeben, nicht beides.</source>
        <translation>Please give either Sd or the diameter, not both.</translation>
    </message>
    <message>
        <source>Es ist keine Impedanzkurve zu sehen: bitte zuerst eine Impedanzmessung durchführen oder eine als Vergleichskurve laden.</source>
        <translation>No impedance curve is shown: please run an impedance measurement first or load one as a comparison curve.</translation>
    </message>
    <message>
        <source>Kurve: %1</source>
        <translation>Curve: %1</translation>
    </message>
    <message>
        <source>Thiele-Small-Parameter, %1</source>
        <translation>Thiele-Small parameters, %1</translation>
    </message>
    <message>
        <source>Abweichung des Modells von der Messung: %1 % (RMS über %2 bis %3 Hz)</source>
        <translation>Model deviation from the measurement: %1 % (RMS over %2 to %3 Hz)</translation>
    </message>
    <message>
        <source>Vas braucht Cms und damit die Zusatzmasse und die Messung mit ihr.</source>
        <translation>Vas needs Cms and thus the added mass and the measurement with it.</translation>
    </message>
    <message>
        <source>Keine Parameter: %1</source>
        <translation>No parameters: %1</translation>
    </message>
    <message>
        <source>Messung mit Zusatzmasse laden</source>
        <translation>Load measurement with added mass</translation>
    </message>
    <message>
        <source>Terzlab-Messdatei (%1)</source>
        <translation>Terzlab measurement file (%1)</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Re (Gleichstrom)</source>
        <translation>Re (DC)</translation>
    </message>
    <message>
        <source>Zusatzmasse</source>
        <translation>Added mass</translation>
    </message>
    <message>
        <source>Durchmesser</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>2. Zusatzmasse [g]:</source>
        <translation>2nd added mass [g]:</translation>
    </message>
    <message>
        <source>2. Zusatzmasse</source>
        <translation>2nd added mass</translation>
    </message>
    <message>
        <source>Messung mit 2. Zusatzmasse l&amp;aden ...</source>
        <translation>Load measurement with &amp;2nd added mass ...</translation>
    </message>
    <message>
        <source>Gehäuse</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>&amp;geschlossen</source>
        <translation>clos&amp;ed</translation>
    </message>
    <message>
        <source>Bass&amp;reflex</source>
        <translation>&amp;vented</translation>
    </message>
    <message>
        <source>&amp;Frequenzgang zeigen</source>
        <translation>Show &amp;frequency response</translation>
    </message>
    <message>
        <source> (2.)</source>
        <translation> (2nd)</translation>
    </message>
    <message>
        <source>Für Mms, Cms und Bl fehlt die Zusatzmasse [g]%1.</source>
        <translation>Mms, Cms and Bl need the added mass [g]%1.</translation>
    </message>
    <message>
        <source>Für Mms, Cms und Bl fehlt die Messung mit Zusatzmasse%1.</source>
        <translation>Mms, Cms and Bl need the measurement with added mass%1.</translation>
    </message>
    <message>
        <source>Messung mit Zusatzmasse%1: %2</source>
        <translation>Measurement with added mass%1: %2</translation>
    </message>
    <message>
        <source>Für das Gehäuse fehlt Vas: Zusatzmasse, ihre Messung und Sd oder Durchmesser.</source>
        <translation>The box needs Vas: the added mass, its measurement and Sd or the diameter.</translation>
    </message>
    <message>
        <source>Modell im Gehäuse</source>
        <translation>Model in the box</translation>
    </message>
    <message>
        <source>Frequenzgang im Gehäuse (Vorhersage)</source>
        <translation>Response in the box (predicted)</translation>
    </message>
    <message>
        <source>&amp;Impedanz zeigen</source>
        <translation>Show &amp;impedance</translation>
    </message>
</context>
</TS>
