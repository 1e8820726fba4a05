<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
        <source>Bild konnte nicht geschrieben werden: %1</source>
        <translation>Could not write the picture: %1</translation>
    </message>
    <message>
        <source>Bild des Hauptfensters: %1</source>
        <translation>Picture of the main window: %1</translation>
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
    <name>frmMain</name>
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
        <source>Die Datei %1 konnte nicht geschrieben werden!</source>
        <translation>The file %1 could not be written!</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Die gewählte Sprache gilt ab dem nächsten Start von Terzlab.</source>
        <translation>The chosen language takes effect when Terzlab is started next.</translation>
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
        <translation>&amp;Measurement:</translation>
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
        <source>&amp;Spezial</source>
        <translation>&amp;Special</translation>
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
        <translation>Sens&amp;or:</translation>
    </message>
    <message>
        <source>Sens&amp;or:    </source>
        <translation>Sens&amp;or:      </translation>
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
        <translation>&amp;Start measurement</translation>
    </message>
    <message>
        <source>Stop &amp;nach 1 Messung</source>
        <translation>Stop &amp;after 1 measurement</translation>
    </message>
    <message>
        <source>Stop &amp;nach %1 Messungen</source>
        <translation>Stop &amp;after %1 measurements</translation>
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
        <source>&amp;Thiele-Small-Parameter ...</source>
        <translation>&amp;Thiele-Small parameters ...</translation>
    </message>
    <message>
        <source>aktuelle Messung</source>
        <translation>current measurement</translation>
    </message>
    <message>
        <source>Vergleichskurve %1</source>
        <translation>comparison curve %1</translation>
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
</context>
</TS>
