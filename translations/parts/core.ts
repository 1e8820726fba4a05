<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
    <name>CurveReadout</name>
    <message>
        <source>Messung: %1</source>
        <translation>Measurement: %1</translation>
    </message>
    <message>
        <source>Vergleich: %1</source>
        <translation>Comparison: %1</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!</source>
        <translation>The file %1 could not be written!</translation>
    </message>
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
        <source>Die Datei %1 konnte nicht geschrieben werden</source>
        <translation>The file %1 could not be written</translation>
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
</context>
<context>
    <name>GraphStamp</name>
    <message>
        <source>© Terzlab – Terzanalyse mit der Soundkarte</source>
        <translation>© Terzlab – third-octave analysis with the sound card</translation>
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
</context>
<context>
    <name>ThieleSmallTable</name>
    <message>
        <source>Abweichung (RMS)</source>
        <translation>Deviation (RMS)</translation>
    </message>
</context>
</TS>
