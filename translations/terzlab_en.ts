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
