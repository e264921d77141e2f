<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AddingFilesWindow</name>
    <message>
        <source>Installing File...</source>
        <translation>Dateien werden hinzugefügt...</translation>
    </message>
    <message>
        <source>Installing File...  </source>
        <translation>Dateien werden hinzugefügt...  </translation>
    </message>
</context>
<context>
    <name>BatchDesktopNotice</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Konvertiere %1</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Konvertierung beendet</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed.</source>
        <translation>%1 konvertiert, %2 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
</context>
<context>
    <name>BatchPace</name>
    <message>
        <source>About %1 s left</source>
        <translation>Noch etwa %1 s</translation>
    </message>
    <message>
        <source>About %1 min left</source>
        <translation>Noch etwa %1 min</translation>
    </message>
    <message>
        <source>About %1 h %2 min left</source>
        <translation>Noch etwa %1 h %2 min</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>Please add media files you want to convert into the list.</source>
        <translation>Bitte fügen Sie die zu konvertierenden Mediendateien der Liste hinzu.</translation>
    </message>
    <message>
        <source>These files could not be converted:

</source>
        <translation>Diese Dateien konnten nicht konvertiert werden:

</translation>
    </message>
    <message>
        <source>

The log file log.txt tells why.</source>
        <translation>

Die Protokolldatei log.txt nennt den Grund.</translation>
    </message>
</context>
<context>
    <name>CliConversion</name>
    <message>
        <source>unknown output type &quot;%1&quot; (see --list-types)</source>
        <translation>unbekannter Ausgabetyp „%1“ (siehe --list-types)</translation>
    </message>
    <message>
        <source>unknown quality or profile &quot;%1&quot; (see --list-profiles)</source>
        <translation>unbekannte Qualität oder unbekanntes Profil „%1“ (siehe --list-profiles)</translation>
    </message>
    <message>
        <source>no playable audio or video, or no duration</source>
        <translation>kein abspielbarer Ton oder Film, oder keine Dauer</translation>
    </message>
    <message>
        <source>the output type gives no encoder command line</source>
        <translation>der Ausgabetyp ergibt keine Befehlszeile für den Encoder</translation>
    </message>
    <message>
        <source>the encoder wrote no output</source>
        <translation>der Encoder hat keine Ausgabedatei geschrieben</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>clipwright-cli: %1
Try &apos;clipwright-cli --help&apos;.
</source>
        <translation>clipwright-cli: %1
Siehe &apos;clipwright-cli --help&apos;.
</translation>
    </message>
    <message>
        <source>clipwright-cli: no file to convert
</source>
        <translation>clipwright-cli: keine Datei zum Konvertieren
</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>Usage: clipwright-cli [OPTIONS] FILE...
</source>
        <translation>Aufruf: clipwright-cli [OPTIONEN] DATEI...
</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--size-limit: &quot;%1&quot; is no size in MB above 0</source>
        <translation>--size-limit: &quot;%1&quot; ist keine Größe in MB über 0</translation>
    </message>
    <message>
        <source>option %1 needs a folder</source>
        <translation>Option %1 braucht einen Ordner</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no time (hh:mm:ss or seconds)</source>
        <translation>%1: &quot;%2&quot; ist keine Zeit (hh:mm:ss oder Sekunden)</translation>
    </message>
    <message>
        <source>option --json takes no value</source>
        <translation>Option --json nimmt keinen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--start must come before --end</source>
        <translation>--start muss vor --end liegen</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>keine Datei angegeben</translation>
    </message>
    <message>
        <source>Converts video and audio files as the Clipwright window does, without a window.

  -t, --type TYPE        output type: its number in --list-types, or its short name;
                         default: the type the window starts with
  -q, --quality LEVEL    low, acceptable, normal, excellent, superb, or a custom
                         profile&apos;s name; default normal
  -o, --output DIR       output folder; default: the window&apos;s saved output folder
      --start TIME       cut start, hh:mm:ss or seconds (default: the beginning)
      --end TIME         cut end, hh:mm:ss or seconds (default: the end)
      --size-limit MB    each output at most MB megabytes (1048576 bytes): lower
                         bitrates, H.264 and H.265 in two passes; a file that
                         cannot fit fails before converting
  -j, --jobs N           convert N files at the same time, or auto: as many as keep
                         the cores busy for the output type; default: the window&apos;s
                         &quot;Conversions at the same time&quot; (auto unless chosen)
      --json             progress and results as JSON lines on standard output
      --list-types       list the output types
      --list-profiles    list the quality levels and custom profiles
      --version          show the version
  -h, --help             show this help

A folder stands for the supported files inside it and its sub-folders.
Exit status: 0 all converted, 1 some failed, 2 usage error or nothing to start,
130 or 143 stopped by SIGINT or SIGTERM.
</source>
        <translation>Konvertiert Video- und Audiodateien wie das Clipwright-Fenster, aber ohne Fenster.

  -t, --type TYPE        Ausgabetyp: seine Nummer in --list-types oder sein Kurzname;
                         Standard: der Typ, mit dem das Fenster startet
  -q, --quality LEVEL    low, acceptable, normal, excellent, superb oder der Name eines
                         eigenen Profils; Standard normal
  -o, --output DIR       Ausgabeordner; Standard: der im Fenster gespeicherte Ordner
      --start TIME       Schnittanfang, hh:mm:ss oder Sekunden (Standard: der Anfang)
      --end TIME         Schnittende, hh:mm:ss oder Sekunden (Standard: das Ende)
      --size-limit MB    jede Ausgabe höchstens MB Megabyte (1048576 Bytes): niedrigere
                         Bitraten, H.264 und H.265 in zwei Durchgängen; eine Datei, die
                         nicht passt, scheitert vor dem Konvertieren
  -j, --jobs N           N Dateien gleichzeitig konvertieren, oder auto: so viele, wie
                         die Kerne für den Ausgabetyp auslasten; Vorgabe: die
                         „Gleichzeitige Konvertierungen“ des Fensters (auto, wenn
                         nicht gewählt)
      --json             Fortschritt und Ergebnisse als JSON-Zeilen auf der Standardausgabe
      --list-types       listet die Ausgabetypen
      --list-profiles    listet die Qualitätsstufen und eigenen Profile
      --version          zeigt die Version
  -h, --help             zeigt diese Hilfe

Ein Ordner steht für die unterstützten Dateien darin und in seinen Unterordnern.
Rückgabewert: 0 alles konvertiert, 1 Fehler bei manchen, 2 Aufruffehler oder nichts zu tun,
130 oder 143 durch SIGINT oder SIGTERM gestoppt.
</translation>
    </message>
</context>
<context>
    <name>ClipwrightApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>CodecErrorDialog</name>
    <message>
        <source>Error Info</source>
        <translation>Fehlerinformation</translation>
    </message>
    <message>
        <source>Files reading error! Please check your files or install a new codec.You can click the link to download the lastest codec.</source>
        <translation>Fehler beim Lesen der Dateien! Bitte prüfen Sie die Dateien oder installieren Sie einen neuen Codec. Über den Link laden Sie den neuesten Codec herunter.</translation>
    </message>
</context>
<context>
    <name>CustomProfiles</name>
    <message>
        <source>Plese input a name</source>
        <translation>Bitte einen Namen eingeben</translation>
    </message>
</context>
<context>
    <name>DesktopOpener</name>
    <message>
        <source>No program could open the folder &quot;%1&quot;. Install a file manager, or open it yourself.</source>
        <translation>Kein Programm konnte den Ordner „%1“ öffnen. Installieren Sie einen Dateimanager oder öffnen Sie ihn selbst.</translation>
    </message>
    <message>
        <source>No program could open &quot;%1&quot;. Install a web browser, or open it yourself.</source>
        <translation>Kein Programm konnte „%1“ öffnen. Installieren Sie einen Webbrowser oder öffnen Sie es selbst.</translation>
    </message>
</context>
<context>
    <name>JobBuilder</name>
    <message>
        <source>its cut from %1 to %2 holds nothing to convert; set the end after the start</source>
        <translation>sein Ausschnitt von %1 bis %2 enthält nichts zum Konvertieren; setzen Sie das Ende hinter den Anfang</translation>
    </message>
</context>
<context>
    <name>JobFailure</name>
    <message>
        <source>the file&apos;s name cannot be passed to the RealMedia reader; rename it</source>
        <translation>der Dateiname kann nicht an den RealMedia-Leser übergeben werden; benennen Sie die Datei um</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <source>&lt;p&gt;Home page: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Webseite: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Support: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Support: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Hilfe (F1)</translation>
    </message>
    <message>
        <source>Output FileType:</source>
        <translation>Ausgabetyp:</translation>
    </message>
    <message>
        <source>Profile Settings:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Ausgabeordner:</translation>
    </message>
    <message>
        <source>Shutdown computer when job is finished.</source>
        <translation>Computer danach ausschalten.</translation>
    </message>
    <message>
        <source>Show output directory when done</source>
        <translation>Ausgabeordner danach anzeigen</translation>
    </message>
    <message>
        <source>Click here to download the coder</source>
        <translation>Hier klicken, um den Codec herunterzuladen</translation>
    </message>
    <message>
        <source>Estimated output size</source>
        <translation>Geschätzte Ausgabegröße</translation>
    </message>
    <message>
        <source>Clipwright did not close normally. Restore the %1 files of the last session?</source>
        <translation>Clipwright wurde nicht normal beendet. Die %1 Dateien der letzten Sitzung wiederherstellen?</translation>
    </message>
    <message>
        <source>These files of the last session no longer exist and were left out:

</source>
        <translation>Diese Dateien der letzten Sitzung gibt es nicht mehr; sie wurden ausgelassen:

</translation>
    </message>
    <message>
        <source>Size limit:</source>
        <translation>Größenlimit:</translation>
    </message>
    <message>
        <source>Each output ends at or below this size; longer clips get a lower bitrate.</source>
        <translation>Jede Ausgabedatei wird höchstens so groß; längere Clips erhalten eine niedrigere Bitrate.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Video and audio for your phone</source>
        <translation>Video und Audio für Ihr Handy</translation>
    </message>
    <message>
        <source>Drop files here or use Add Files. Tick the files to convert.</source>
        <translation>Dateien hierher ziehen oder hinzufügen; zu konvertierende abhaken.</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>E-mail Support</source>
        <translation>E-Mail an den Support</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Clipwright</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Output FileType</source>
        <translation>Ausgabetyp</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Ausgabeordner suchen</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>Schnittbereich</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Vorschauposition</translation>
    </message>
    <message>
        <source>Source files</source>
        <translation>Quelldateien</translation>
    </message>
</context>
<context>
    <name>MpvPreviewGraph</name>
    <message>
        <source>No preview: the player could not be started.</source>
        <translation>Keine Vorschau: Der Player konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>No preview: the libmpv library cannot be loaded.</source>
        <translation>Keine Vorschau: Die Bibliothek libmpv kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>This file cannot be previewed (%1).</source>
        <translation>Für diese Datei gibt es keine Vorschau (%1).</translation>
    </message>
    <message>
        <source>This file cannot be previewed.</source>
        <translation>Für diese Datei gibt es keine Vorschau.</translation>
    </message>
    <message>
        <source>Part of this file cannot be decoded, so it is not previewed.</source>
        <translation>Ein Teil der Datei lässt sich nicht dekodieren, daher keine Vorschau.</translation>
    </message>
    <message>
        <source>This file cannot be previewed: none of its tracks decodes.</source>
        <translation>Für diese Datei gibt es keine Vorschau: Keine ihrer Spuren lässt sich dekodieren.</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Custom Profile:</source>
        <translation>Eigenes Profil:</translation>
    </message>
    <message>
        <source>Custom Profile</source>
        <translation>Eigenes Profil</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Erweiterte Optionen</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Videogröße:</translation>
    </message>
    <message>
        <source>Video Bitrate(kbps):</source>
        <translation>Videobitrate(kbps):</translation>
    </message>
    <message>
        <source>Frame Rate(fps):</source>
        <translation>Bildrate(fps):</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Seitenverhältnis:</translation>
    </message>
    <message>
        <source>Audio Bitrate(kbps):</source>
        <translation>Audiobitrate(kbps):</translation>
    </message>
    <message>
        <source>Audio Sample(khz):</source>
        <translation>Abtastrate(kHz):</translation>
    </message>
    <message>
        <source>Audio Volume(%):</source>
        <translation>Lautstärke(%):</translation>
    </message>
    <message>
        <source>Audio Channels:</source>
        <translation>Audiokanäle:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Conversions at the same time:</source>
        <translation>Gleichzeitige Konvertierungen:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Conversions at the same time</source>
        <translation>Gleichzeitige Konvertierungen</translation>
    </message>
</context>
<context>
    <name>OutputFolderChooser</name>
    <message>
        <source>Please select output folder:</source>
        <translation>Bitte wählen Sie den Ausgabeordner:</translation>
    </message>
    <message>
        <source>This is a read-only path.</source>
        <translation>Dieser Pfad ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The path is invalid.</source>
        <translation>Der Pfad ist ungültig.</translation>
    </message>
</context>
<context>
    <name>OutputSizeEstimate</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, about %2</source>
        <translation>%1, etwa %2</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
</context>
<context>
    <name>PreviewPlayer</name>
    <message>
        <source>This file cannot be previewed.</source>
        <translation>Für diese Datei gibt es keine Vorschau.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Converting</source>
        <translation>Konvertierung</translation>
    </message>
    <message>
        <source>Please wait . . .</source>
        <translation>Bitte warten . . .</translation>
    </message>
    <message>
        <source>Current Convert File:</source>
        <translation>Aktuelle Datei:</translation>
    </message>
    <message>
        <source>Total File:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Current File:</source>
        <translation>Diese Datei:</translation>
    </message>
    <message>
        <source>Current: 1, Total: ...</source>
        <translation>Aktuell: 1, Gesamt: ...</translation>
    </message>
    <message>
        <source>Current file pace</source>
        <translation>Tempo der aktuellen Datei</translation>
    </message>
    <message>
        <source>Batch pace</source>
        <translation>Tempo des Stapels</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Total File</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Current File</source>
        <translation>Diese Datei</translation>
    </message>
    <message>
        <source>Current Convert File</source>
        <translation>Aktuelle Datei</translation>
    </message>
    <message>
        <source>Speed: %1    This file: %2 left</source>
        <translation>Tempo: %1    Diese Datei: noch %2</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Vergangen: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to stop the work ? </source>
        <translation>Möchten Sie die Arbeit wirklich anhalten? </translation>
    </message>
    <message>
        <source>Are you sure to stop processing ?</source>
        <translation>Möchten Sie die Verarbeitung wirklich anhalten?</translation>
    </message>
    <message>
        <source>Conversion %1 file</source>
        <translation>Datei der Konvertierung %1</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Konvertierung %1</translation>
    </message>
</context>
<context>
    <name>ProgressRefresh</name>
    <message>
        <source>Current: %1 , Total: %2.</source>
        <translation>Aktuell: %1, Gesamt: %2.</translation>
    </message>
    <message>
        <source>Installing convert information  </source>
        <translation>Konvertierung wird vorbereitet  </translation>
    </message>
    <message>
        <source>Converting  </source>
        <translation>Konvertierung  </translation>
    </message>
    <message>
        <source>Current: 1, Total: %1</source>
        <translation>Aktuell: 1, Gesamt: %1</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>Playing a preview</source>
        <translation>Vorschau läuft</translation>
    </message>
</context>
<context>
    <name>SizeLimit</name>
    <message>
        <source>%1 s cannot fit into %2: it leaves %3 kbit/s, below the lowest useful %4 kbit/s of %5</source>
        <translation>%1 s passen nicht in %2: es bleiben %3 kbit/s, weniger als die kleinste sinnvolle Rate von %4 kbit/s für %5</translation>
    </message>
    <message>
        <source>pictures and sound</source>
        <translation>Bild und Ton</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ohne</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no size limit. Type a number of MB above 0, such as 25, or choose %2.</source>
        <translation>„%1“ ist kein Größenlimit. Geben Sie eine Zahl von MB über 0 ein, etwa 25, oder wählen Sie %2.</translation>
    </message>
</context>
<context>
    <name>SourceAdder</name>
    <message>
        <source>These could not be added:

</source>
        <translation>Folgendes konnte nicht hinzugefügt werden:

</translation>
    </message>
    <message>
        <source>not a supported file type</source>
        <translation>kein unterstützter Dateityp</translation>
    </message>
    <message>
        <source>a folder without supported files</source>
        <translation>ein Ordner ohne unterstützte Dateien</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation>der Name ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
</context>
<context>
    <name>SourceListModel</name>
    <message>
        <source>Convert %1</source>
        <translation>%1 konvertieren</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
</context>
<context>
    <name>SourceOpenDialog</name>
    <message>
        <source>Supported Files (%1)</source>
        <translation>Unterstützte Dateien (%1)</translation>
    </message>
    <message>
        <source>3GP Files (*.3gp) (*.3gp)</source>
        <translation>3GP-Dateien (*.3gp) (*.3gp)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi) (*.avi)</source>
        <translation>AVI-Dateien (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>ASF Files (*.asf) (*.asf)</source>
        <translation>ASF-Dateien (*.asf) (*.asf)</translation>
    </message>
    <message>
        <source>Flash Files (*.flv,swf) (*.flv *.swf)</source>
        <translation>Flash-Dateien (*.flv,swf) (*.flv *.swf)</translation>
    </message>
    <message>
        <source>MOV Files (*.mov) (*.mov)</source>
        <translation>MOV-Dateien (*.mov) (*.mov)</translation>
    </message>
    <message>
        <source>WMV Files (*.wmv) (*.wmv)</source>
        <translation>WMV-Dateien (*.wmv) (*.wmv)</translation>
    </message>
    <message>
        <source>MP4 File (*.mp4,*.m4v) (*.mp4 *.m4v)</source>
        <translation>MP4-Dateien (*.mp4,*.m4v) (*.mp4 *.m4v)</translation>
    </message>
    <message>
        <source>MPEG Files (*.mpeg,*.mpg) (*.mpeg *.mpg)</source>
        <translation>MPEG-Dateien (*.mpeg,*.mpg) (*.mpeg *.mpg)</translation>
    </message>
    <message>
        <source>RM Files (*.rm,*.rmvb) (*.rm *.rmvb)</source>
        <translation>RM-Dateien (*.rm,*.rmvb) (*.rm *.rmvb)</translation>
    </message>
    <message>
        <source>Audio Files (*.mp3 *.m4a *.aac *.amr *.wav *.ogg *.oga *.opus *.flac *.wma)</source>
        <translation>Audiodateien (*.mp3 *.m4a *.aac *.amr *.wav *.ogg *.oga *.opus *.flac *.wma)</translation>
    </message>
</context>
<context>
    <name>SourceRow</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Cut Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Zielgröße</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Länge</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Video and audio for your phone</source>
        <translation>Video und Audio für Ihr Handy</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Wird gestartet...</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>&apos;%1&apos; is not found. Please reinstall this program.</source>
        <translation>„%1“ wurde nicht gefunden. Bitte installieren Sie das Programm neu.</translation>
    </message>
</context>
<context>
    <name>TrimStrip</name>
    <message>
        <source>Start Time</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>VideoWindow</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
</TS>
