<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AudioExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the sound may take up to %2 MB, and the disk has only %3 MB free</source>
        <translation>„%1“ kann nicht geschrieben werden: Der Ton kann bis zu %2 MB belegen, auf dem Datenträger sind nur %3 MB frei</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the session is too long for a WAV file (4 GB at most); choose FLAC or Ogg Vorbis</source>
        <translation>„%1“ kann nicht geschrieben werden: Die Sitzung ist zu lang für eine WAV-Datei (höchstens 4 GB); wählen Sie FLAC oder Ogg Vorbis</translation>
    </message>
    <message>
        <source>this system&apos;s libsndfile cannot write MP3 files (it was built without MPEG support); choose WAV, FLAC or Ogg Vorbis</source>
        <translation>Die libsndfile dieses Systems kann keine MP3-Dateien schreiben (sie wurde ohne MPEG-Unterstützung gebaut); wählen Sie WAV, FLAC oder Ogg Vorbis</translation>
    </message>
    <message>
        <source>MP3 files take 8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100 or 48000 samples a second</source>
        <translation>MP3-Dateien nehmen 8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100 oder 48000 Abtastwerte je Sekunde</translation>
    </message>
</context>
<context>
    <name>AudioExportCommand</name>
    <message>
        <source>Export Audio</source>
        <translation>Ton exportieren</translation>
    </message>
    <message>
        <source>Loudness target</source>
        <translation>Ziel-Lautheit</translation>
    </message>
    <message>
        <source>Writing %1…</source>
        <translation>%1 wird geschrieben…</translation>
    </message>
    <message>
        <source>Audio exported to %1: %2</source>
        <translation>Ton exportiert nach %1: %2</translation>
    </message>
    <message>
        <source>FLAC compression level</source>
        <translation>FLAC-Kompressionsstufe</translation>
    </message>
    <message>
        <source>0 writes fastest, 8 makes the smallest file; the sound is the same</source>
        <translation>0 schreibt am schnellsten, 8 ergibt die kleinste Datei; der Ton bleibt derselbe</translation>
    </message>
    <message>
        <source>FLAC &amp;level:</source>
        <translation>FLAC-Stu&amp;fe:</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>MP3 bit rate</source>
        <translation>MP3-Bitrate</translation>
    </message>
    <message>
        <source>MP3 &amp;bit rate:</source>
        <translation>MP3-&amp;Bitrate:</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: choose a name ending in %2.</source>
        <translation>„%1“ kann nicht geschrieben werden: Wählen Sie einen Namen, der auf %2 endet.</translation>
    </message>
</context>
<context>
    <name>AudioFormats</name>
    <message>
        <source>WAV sound, 16-bit</source>
        <translation>WAV-Ton, 16 Bit</translation>
    </message>
    <message>
        <source>FLAC sound, 16-bit</source>
        <translation>FLAC-Ton, 16 Bit</translation>
    </message>
    <message>
        <source>Ogg Vorbis sound</source>
        <translation>Ogg-Vorbis-Ton</translation>
    </message>
    <message>
        <source>MP3 sound</source>
        <translation>MP3-Ton</translation>
    </message>
    <message>
        <source>N&amp;ormalise loudness to</source>
        <translation>Lautheit n&amp;ormalisieren auf</translation>
    </message>
    <message>
        <source>Measuring loudness…</source>
        <translation>Lautheit wird gemessen…</translation>
    </message>
    <message>
        <source>Export cancelled</source>
        <translation>Export abgebrochen</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>No audio output is available: no sound device or sound server was found.</source>
        <translation>Keine Tonausgabe verfügbar: Es wurde kein Tongerät und kein Sound-Server gefunden.</translation>
    </message>
    <message>
        <source>No audio output is available: &quot;%1&quot; cannot play 16-bit stereo at %2 Hz.</source>
        <translation>Keine Tonausgabe verfügbar: „%1“ kann kein 16-Bit-Stereo mit %2 Hz abspielen.</translation>
    </message>
    <message>
        <source>No audio output is available: the sound device stopped (%1).</source>
        <translation>Keine Tonausgabe verfügbar: Das Tongerät hat aufgehört (%1).</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>es lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>it failed</source>
        <translation>es ist ausgefallen</translation>
    </message>
</context>
<context>
    <name>BedFile</name>
    <message>
        <source>It is no list of beds.</source>
        <translation>Es ist keine Liste von Klangteppichen.</translation>
    </message>
    <message>
        <source>It was written by a newer version of the program.</source>
        <translation>Sie wurde von einer neueren Version des Programms geschrieben.</translation>
    </message>
    <message>
        <source>It is far larger than any list of beds.</source>
        <translation>Sie ist viel größer als jede Liste von Klangteppichen.</translation>
    </message>
    <message>
        <source>The old list of beds cannot be removed.</source>
        <translation>Die alte Liste der Klangteppiche kann nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>BedProblems</name>
    <message>
        <source>Bed %1: the sound file %2 is missing; the bed plays as silence</source>
        <translation>Klangteppich %1: Die Audiodatei %2 fehlt; der Klangteppich spielt als Stille</translation>
    </message>
    <message>
        <source>Bed %1: the sound file %2 cannot be read; the bed plays as silence</source>
        <translation>Klangteppich %1: Die Audiodatei %2 kann nicht gelesen werden; der Klangteppich spielt als Stille</translation>
    </message>
</context>
<context>
    <name>BedTableModel</name>
    <message>
        <source>White noise</source>
        <translation>Weißes Rauschen</translation>
    </message>
    <message>
        <source>Pink noise</source>
        <translation>Rosa Rauschen</translation>
    </message>
    <message>
        <source>Brown noise</source>
        <translation>Braunes Rauschen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 dBFS</source>
        <translation>%1 dBFS</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Loops</source>
        <translation>Wiederholt</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Einmal</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>BedsDialog</name>
    <message>
        <source>Add &amp;Sound File…</source>
        <translation>&amp;Audiodatei hinzufügen…</translation>
    </message>
    <message>
        <source>Add &amp;Noise</source>
        <translation>&amp;Rauschen hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>En&amp;tfernen</translation>
    </message>
    <message>
        <source> dB</source>
        <translation> dB</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Loo&amp;p to the session&apos;s end</source>
        <translation>Bis zum Ende der Sitzung &amp;wiederholen</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>&amp;Mute in the preview</source>
        <translation>In der Vorschau &amp;stumm</translation>
    </message>
    <message>
        <source>S&amp;olo in the preview</source>
        <translation>In der Vorschau s&amp;olo</translation>
    </message>
    <message>
        <source>Beds</source>
        <translation>Klangteppiche</translation>
    </message>
    <message>
        <source>Beds under the session</source>
        <translation>Klangteppiche unter der Sitzung</translation>
    </message>
    <message>
        <source>Sound files and noise heard in the preview and written into exported sound files, never sent to the device</source>
        <translation>Audiodateien und Rauschen, in der Vorschau zu hören und in exportierte Audiodateien geschrieben, nie an das Gerät gesendet</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Weiß</translation>
    </message>
    <message>
        <source>&amp;Pink</source>
        <translation>&amp;Rosa</translation>
    </message>
    <message>
        <source>&amp;Brown</source>
        <translation>&amp;Braun</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Crossfade where the loop meets its start</source>
        <translation>Überblendung, wo die Schleife auf ihren Anfang trifft</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Pegel:</translation>
    </message>
    <message>
        <source>S&amp;tart after:</source>
        <translation>&amp;Beginn nach:</translation>
    </message>
    <message>
        <source>Fade &amp;in:</source>
        <translation>&amp;Einblenden:</translation>
    </message>
    <message>
        <source>Fade o&amp;ut:</source>
        <translation>A&amp;usblenden:</translation>
    </message>
    <message>
        <source>&amp;Crossfade:</source>
        <translation>Überblendun&amp;g:</translation>
    </message>
    <message>
        <source>Change Bed Level</source>
        <translation>Pegel des Klangteppichs ändern</translation>
    </message>
    <message>
        <source>Change Bed Start</source>
        <translation>Beginn des Klangteppichs ändern</translation>
    </message>
    <message>
        <source>Change Bed Fade In</source>
        <translation>Einblenden des Klangteppichs ändern</translation>
    </message>
    <message>
        <source>Change Bed Fade Out</source>
        <translation>Ausblenden des Klangteppichs ändern</translation>
    </message>
    <message>
        <source>Change Bed Crossfade</source>
        <translation>Überblendung des Klangteppichs ändern</translation>
    </message>
    <message>
        <source>Change Bed Loop</source>
        <translation>Wiederholen des Klangteppichs ändern</translation>
    </message>
    <message>
        <source>Add Sound File</source>
        <translation>Audiodatei hinzufügen</translation>
    </message>
    <message>
        <source>Sound files (*.wav *.flac *.ogg *.oga *.mp3 *.aif *.aiff);;All files (*)</source>
        <translation>Audiodateien (*.wav *.flac *.ogg *.oga *.mp3 *.aif *.aiff);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Add Bed</source>
        <translation>Klangteppich hinzufügen</translation>
    </message>
    <message>
        <source>Remove Bed</source>
        <translation>Klangteppich entfernen</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation> dBFS</translation>
    </message>
    <message>
        <source>Add a sound file or noise to hear it under the session.</source>
        <translation>Fügen Sie eine Audiodatei oder Rauschen hinzu, um es unter der Sitzung zu hören.</translation>
    </message>
    <message>
        <source>%1 at its level in each ear.</source>
        <translation>%1 mit seinem Pegel in jedem Ohr.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2); the bed plays as silence.</source>
        <translation>%1 kann nicht gelesen werden (%2); der Klangteppich spielt als Stille.</translation>
    </message>
    <message>
        <source>%1: %2, %3 Hz.</source>
        <translation>%1: %2, %3 Hz.</translation>
    </message>
    <message>
        <source>Its loop, marked in the file, runs from %1 to %2.</source>
        <translation>Ihre in der Datei markierte Schleife läuft von %1 bis %2.</translation>
    </message>
</context>
<context>
    <name>CellsImport</name>
    <message>
        <source>longer than a session file keeps a line</source>
        <translation>länger, als eine Sitzungsdatei eine Zeile aufnimmt</translation>
    </message>
    <message>
        <source>column %1: a control character (U+%2) in a cell</source>
        <translation>Spalte %1: ein Steuerzeichen (U+%2) in einer Zelle</translation>
    </message>
    <message>
        <source>column %1: &quot;%2&quot; is a character a session file cannot hold</source>
        <translation>Spalte %1: „%2“ ist ein Zeichen, das eine Sitzungsdatei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>column %1: time &quot;%2&quot; is not minutes and seconds</source>
        <translation>Spalte %1: die Zeit „%2“ ist nicht in Minuten und Sekunden</translation>
    </message>
    <message>
        <source>column %1: duty cycle &quot;%2&quot; is not a number</source>
        <translation>Spalte %1: der Tastgrad „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 fields where a segment has 15</source>
        <translation>%1 Felder, wo ein Segment 15 hat</translation>
    </message>
    <message>
        <source>more than 1000 segments</source>
        <translation>mehr als 1000 Segmente</translation>
    </message>
    <message>
        <source>no segment</source>
        <translation>kein Segment</translation>
    </message>
</context>
<context>
    <name>DeviceInfo</name>
    <message>
        <source>%1, rev %2 has %3 sessions and %4 segments available</source>
        <translation>%1, Rev. %2 hat %3 Sitzungen und %4 Segmente frei</translation>
    </message>
    <message>
        <source>Download capacity of %1 segments exceeded</source>
        <translation>Übertragungskapazität von %1 Segmenten überschritten</translation>
    </message>
    <message>
        <source>System has max sessions downloaded</source>
        <translation>Das Gerät enthält bereits die Höchstzahl an Sitzungen</translation>
    </message>
</context>
<context>
    <name>DeviceLink</name>
    <message>
        <source>No COM port is selected</source>
        <translation>Kein COM-Port gewählt</translation>
    </message>
    <message>
        <source>COM port could not be opened</source>
        <translation>Der COM-Port konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>System not found.</source>
        <translation>Gerät nicht gefunden.</translation>
    </message>
    <message>
        <source>%1: no answer to the identification request</source>
        <translation>%1: keine Antwort auf die Kennungsanfrage</translation>
    </message>
    <message>
        <source>Download aborted</source>
        <translation>Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>Download incomplete: the COM port stopped sending</source>
        <translation>Übertragung unvollständig: Der COM-Port hat aufgehört zu senden</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Übertragung auf Wunsch abgebrochen</translation>
    </message>
</context>
<context>
    <name>DownloadProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Fortschritt der Übertragung</translation>
    </message>
    <message>
        <source>Sending the session to the device.</source>
        <translation>Die Sitzung wird an das Gerät gesendet.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes sent, %3 s left</source>
        <translation>%1 von %2 Bytes gesendet, noch %3 s</translation>
    </message>
    <message>
        <source>Asking the device who it is…</source>
        <translation>Das Gerät wird nach seiner Kennung gefragt…</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Session %1 has been modified. Save it?</source>
        <translation>Die Sitzung %1 wurde geändert. Speichern?</translation>
    </message>
    <message>
        <source>Save File As</source>
        <translation>Datei speichern unter</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>Die Datei existiert bereits</translation>
    </message>
    <message>
        <source>Select File to Read</source>
        <translation>Datei zum Lesen wählen</translation>
    </message>
    <message>
        <source>No Such File</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Name Session</source>
        <translation>Sitzung benennen</translation>
    </message>
    <message>
        <source>Session Description</source>
        <translation>Sitzungsbeschreibung</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>It is neither a regular file nor a character device.</source>
        <translation>Es ist weder eine gewöhnliche Datei noch ein zeichenorientiertes Gerät.</translation>
    </message>
</context>
<context>
    <name>FirstRunHint</name>
    <message>
        <source>File &gt; New to design a session, File &gt; New from Template to start from a ready one, File &gt; Open to read one</source>
        <translation>Datei &gt; Neu entwirft eine Sitzung, Datei &gt; Neu aus Vorlage beginnt mit einer fertigen, Datei &gt; Öffnen liest eine gespeicherte</translation>
    </message>
</context>
<context>
    <name>FrequencyBand</name>
    <message>
        <source>Delta</source>
        <translation>Delta</translation>
    </message>
    <message>
        <source>Theta</source>
        <translation>Theta</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Low Beta</source>
        <translation>Niedriges Beta</translation>
    </message>
    <message>
        <source>High Beta</source>
        <translation>Hohes Beta</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
</context>
<context>
    <name>GlideAcross</name>
    <message>
        <source>Glide Across Segments %1 to %2</source>
        <translation>Gleiten über die Segmente %1 bis %2</translation>
    </message>
    <message>
        <source>Select two or more segments to glide across</source>
        <translation>Wählen Sie zwei oder mehr Segmente für das Gleiten</translation>
    </message>
</context>
<context>
    <name>GlideDialog</name>
    <message>
        <source>Glide Across Selection</source>
        <translation>Über die Auswahl gleiten</translation>
    </message>
    <message>
        <source>From (Hz)</source>
        <translation>Von (Hz)</translation>
    </message>
    <message>
        <source>To (Hz)</source>
        <translation>Bis (Hz)</translation>
    </message>
    <message>
        <source>&amp;From (Hz):</source>
        <translation>V&amp;on (Hz):</translation>
    </message>
    <message>
        <source>&amp;To (Hz):</source>
        <translation>&amp;Bis (Hz):</translation>
    </message>
    <message>
        <source>Beat frequency across segments %1 to %2</source>
        <translation>Schwebungsfrequenz über die Segmente %1 bis %2</translation>
    </message>
    <message>
        <source>Freq 2 from (Hz)</source>
        <translation>Freq. 2 von (Hz)</translation>
    </message>
    <message>
        <source>Freq 2 to (Hz)</source>
        <translation>Freq. 2 bis (Hz)</translation>
    </message>
    <message>
        <source>&amp;Glide in the first segment from where it starts</source>
        <translation>Im ersten Segment schon &amp;gleiten, ab seinem Anfang</translation>
    </message>
    <message>
        <source>Freq 1</source>
        <translation>Freq. 1</translation>
    </message>
    <message>
        <source>Freq 2</source>
        <translation>Freq. 2</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Beats</source>
        <translation>Schwebungen</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>By ratio</source>
        <translation>Nach Verhältnis</translation>
    </message>
    <message>
        <source>Ease-in</source>
        <translation>Langsam beginnend</translation>
    </message>
    <message>
        <source>Ease-out</source>
        <translation>Langsam endend</translation>
    </message>
    <message>
        <source>S-curve</source>
        <translation>S-Kurve</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponentiell</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segmente</translation>
    </message>
    <message>
        <source>&amp;Beats:</source>
        <translation>&amp;Schwebungen:</translation>
    </message>
    <message>
        <source>Freq 2 f&amp;rom (Hz):</source>
        <translation>Freq. 2 vo&amp;n (Hz):</translation>
    </message>
    <message>
        <source>Freq 2 t&amp;o (Hz):</source>
        <translation>Freq. 2 b&amp;is (Hz):</translation>
    </message>
    <message>
        <source>&amp;Shape:</source>
        <translation>&amp;Form:</translation>
    </message>
</context>
<context>
    <name>GnauralImport</name>
    <message>
        <source>cannot read the number &quot;%1&quot;</source>
        <translation>die Zahl „%1“ ist nicht lesbar</translation>
    </message>
    <message>
        <source>not a Gnaural schedule: it starts with &lt;%1&gt;</source>
        <translation>kein Gnaural-Zeitplan: er beginnt mit &lt;%1&gt;</translation>
    </message>
    <message>
        <source>the schedule&apos;s repeats (%1) left out: it plays once</source>
        <translation>Wiederholungen des Zeitplans (%1) ausgelassen: er läuft einmal</translation>
    </message>
    <message>
        <source>no binaural or isochronic voice to import</source>
        <translation>keine binaurale oder isochrone Stimme zum Importieren</translation>
    </message>
    <message>
        <source>muted voice left out</source>
        <translation>stumme Stimme ausgelassen</translation>
    </message>
    <message>
        <source>pink noise voice left out</source>
        <translation>Stimme mit rosa Rauschen ausgelassen</translation>
    </message>
    <message>
        <source>audio file voice left out</source>
        <translation>Stimme aus einer Audiodatei ausgelassen</translation>
    </message>
    <message>
        <source>water drops or rain voice left out</source>
        <translation>Stimme mit Wassertropfen oder Regen ausgelassen</translation>
    </message>
    <message>
        <source>voice of type %1 left out</source>
        <translation>Stimme vom Typ %1 ausgelassen</translation>
    </message>
    <message>
        <source>left and right volumes differ: their mean is taken</source>
        <translation>linke und rechte Lautstärke unterscheiden sich: ihr Mittel wird genommen</translation>
    </message>
    <message>
        <source>voices beyond the first %1 left out</source>
        <translation>Stimmen nach den ersten %1 ausgelassen</translation>
    </message>
    <message>
        <source>the entries from here on are left out: a session holds %1 at most</source>
        <translation>die Einträge ab hier sind ausgelassen: eine Sitzung fasst höchstens %1</translation>
    </message>
</context>
<context>
    <name>GraphLegend</name>
    <message>
        <source>%1: %2 to %3 Hz</source>
        <translation>%1: %2 bis %3 Hz</translation>
    </message>
    <message>
        <source>Frequency bands of the graph
</source>
        <translation>Frequenzbänder der Grafik
</translation>
    </message>
    <message>
        <source>Frequency bands</source>
        <translation>Frequenzbänder</translation>
    </message>
</context>
<context>
    <name>GraphPicture</name>
    <message>
        <source>The picture is too large to be made.</source>
        <translation>Das Bild ist zu groß, um erstellt zu werden.</translation>
    </message>
    <message>
        <source>Cannot write the picture to &quot;%1&quot;. %2</source>
        <translation>Das Bild kann nicht nach „%1“ geschrieben werden. %2</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>Session graph</source>
        <translation>Sitzungsgrafik</translation>
    </message>
    <message>
        <source>&amp;Graphic Control</source>
        <translation>&amp;Grafik</translation>
    </message>
    <message>
        <source>&amp;Time Graph</source>
        <translation>&amp;Zeitgrafik</translation>
    </message>
    <message>
        <source>&amp;Segment Graph</source>
        <translation>&amp;Segmentgrafik</translation>
    </message>
    <message>
        <source>Sp&amp;readsheet</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <source>Save &amp;Picture…</source>
        <translation>&amp;Bild speichern…</translation>
    </message>
    <message>
        <source> time graph.png</source>
        <translation> Zeitgrafik.png</translation>
    </message>
    <message>
        <source> segment graph.png</source>
        <translation> Segmentgrafik.png</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg)</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Help topic not found&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Help topic not found&lt;/h2&gt;&lt;p&gt;The help topic &lt;b&gt;%1&lt;/b&gt; is not in the help folder &lt;tt&gt;%2&lt;/tt&gt;. Installing Mirandel again puts the help pages back beside the program.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Hilfethema nicht gefunden&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Hilfethema nicht gefunden&lt;/h2&gt;&lt;p&gt;Das Hilfethema &lt;b&gt;%1&lt;/b&gt; ist nicht im Hilfeordner &lt;tt&gt;%2&lt;/tt&gt;. Wenn Sie Mirandel neu installieren, liegen die Hilfeseiten wieder beim Programm.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Mirandel Help</source>
        <translation>Mirandel-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Words to find in every page</source>
        <translation>Wörter, die in allen Seiten gesucht werden</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>No help page holds &quot;%1&quot;.</source>
        <translation>Keine Hilfeseite enthält „%1“.</translation>
    </message>
    <message>
        <source>Mirandel Help - %1</source>
        <translation>Mirandel-Hilfe - %1</translation>
    </message>
</context>
<context>
    <name>ImportFinish</name>
    <message>
        <source>name cut to %1 characters, as many as a session file keeps</source>
        <translation>Name auf %1 Zeichen gekürzt, so viele, wie eine Sitzungsdatei aufnimmt</translation>
    </message>
    <message numerus="yes">
        <source>%n description line(s) wrapped: a session file keeps %1 characters a line</source>
        <translation>
            <numerusform>%n Beschreibungszeile umbrochen: eine Sitzungsdatei nimmt %1 Zeichen je Zeile auf</numerusform>
            <numerusform>%n Beschreibungszeilen umbrochen: eine Sitzungsdatei nimmt %1 Zeichen je Zeile auf</numerusform>
        </translation>
    </message>
    <message>
        <source>description cut after line %1: a session file keeps no more</source>
        <translation>Beschreibung nach Zeile %1 abgeschnitten: mehr nimmt eine Sitzungsdatei nicht auf</translation>
    </message>
    <message>
        <source>characters a session file cannot hold written as &quot;?&quot;</source>
        <translation>Zeichen, die eine Sitzungsdatei nicht aufnehmen kann, als „?“ geschrieben</translation>
    </message>
    <message>
        <source>line breaks and NUL characters in the name or description written as spaces</source>
        <translation>Zeilenumbrüche und NUL-Zeichen in Name oder Beschreibung als Leerzeichen geschrieben</translation>
    </message>
    <message>
        <source>time %1 is implausible: longer than the longest session the device holds (%2)</source>
        <translation>Zeit %1 ist unplausibel: länger als die längste Sitzung, die das Gerät aufnimmt (%2)</translation>
    </message>
</context>
<context>
    <name>ImportLength</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>%1 plays until it is stopped. Length of the session (H:MM:SS):</source>
        <translation>%1 läuft, bis es angehalten wird. Länge der Sitzung (H:MM:SS):</translation>
    </message>
    <message>
        <source>Cannot import %1: &quot;%2&quot; is not a length (H:MM:SS)</source>
        <translation>%1 kann nicht importiert werden: „%2“ ist keine Länge (H:MM:SS)</translation>
    </message>
</context>
<context>
    <name>ImportReport</name>
    <message>
        <source> (lines %1)</source>
        <translation> (Zeilen %1)</translation>
    </message>
</context>
<context>
    <name>IntroductionWindow</name>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Welcome to Veltrano Mirandel</source>
        <translation>Willkommen bei Veltrano Mirandel</translation>
    </message>
    <message>
        <source>Mirandel 2.0 allows you to create, edit, and view</source>
        <translation>Mit Mirandel 2.0 erstellen, bearbeiten und betrachten Sie</translation>
    </message>
    <message>
        <source>Ambrion and Calidor sessions in a spreadsheet format, operating</source>
        <translation>Ambrion- und Calidor-Sitzungen in Tabellenform, mit den</translation>
    </message>
    <message>
        <source>with familiar Windows operations. The HELP system is complete</source>
        <translation>vertrauten Windows-Bedienschritten. Die HILFE ist vollständig</translation>
    </message>
    <message>
        <source>and should answer most of your questions. You can call up an</source>
        <translation>und sollte die meisten Ihrer Fragen beantworten. Eine</translation>
    </message>
    <message>
        <source>existing session design with FILE OPEN, or start a new one</source>
        <translation>vorhandene Sitzung rufen Sie mit DATEI ÖFFNEN auf, eine neue</translation>
    </message>
    <message>
        <source>with FILE NEW. The session spreadsheet navigation and</source>
        <translation>beginnen Sie mit DATEI NEU. Die Navigation in der Tabelle und</translation>
    </message>
    <message>
        <source>editing tools are intuitive and described in HELP.</source>
        <translation>die Bearbeitungswerkzeuge sind intuitiv und in der HILFE erklärt.</translation>
    </message>
    <message>
        <source>Press any key to continue...</source>
        <translation>Weiter mit einer beliebigen Taste...</translation>
    </message>
    <message>
        <source>Error loading intro dialog</source>
        <translation>Fehler beim Laden der Einführung</translation>
    </message>
</context>
<context>
    <name>LoopEntry</name>
    <message>
        <source>Enter Loop Segments</source>
        <translation>Schleifensegmente eingeben</translation>
    </message>
    <message>
        <source>Enter Loop Times</source>
        <translation>Schleifendurchläufe eingeben</translation>
    </message>
    <message>
        <source>In Existing loop</source>
        <translation>In einer bestehenden Schleife</translation>
    </message>
    <message>
        <source>Not at loop start</source>
        <translation>Nicht am Schleifenanfang</translation>
    </message>
    <message>
        <source>Integer 0-15 needed</source>
        <translation>Ganze Zahl 0-15 nötig</translation>
    </message>
    <message>
        <source>Integer 2-15 needed</source>
        <translation>Ganze Zahl 2-15 nötig</translation>
    </message>
    <message>
        <source>Loop includes last segment</source>
        <translation>Die Schleife schließt das letzte Segment ein</translation>
    </message>
    <message>
        <source>Loop overlap</source>
        <translation>Schleifen überschneiden sich</translation>
    </message>
    <message>
        <source>Range 0-15</source>
        <translation>Bereich 0-15</translation>
    </message>
    <message>
        <source>Range 2-15</source>
        <translation>Bereich 2-15</translation>
    </message>
    <message>
        <source>Number of segments in the loop (0–15); 0 removes the loop.</source>
        <translation>Zahl der Segmente in der Schleife (0–15); 0 entfernt die Schleife.</translation>
    </message>
    <message>
        <source>How many times the loop plays (2–15).</source>
        <translation>Wie oft die Schleife abläuft (2–15).</translation>
    </message>
</context>
<context>
    <name>LossReportDialog</name>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segmente</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>The whole file</source>
        <translation>Die ganze Datei</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segment</translation>
    </message>
    <message>
        <source>Segment %1</source>
        <translation>Segment %1</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
</context>
<context>
    <name>Loudness</name>
    <message>
        <source>silent</source>
        <translation>still</translation>
    </message>
    <message>
        <source>peak %1 dBTP</source>
        <translation>Spitze %1 dBTP</translation>
    </message>
    <message>
        <source>below -70 LUFS, </source>
        <translation>unter -70 LUFS, </translation>
    </message>
    <message>
        <source>%1 LUFS, </source>
        <translation>%1 LUFS, </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Mirandel for Ambrion/Calidor - [%1]</source>
        <translation>Mirandel für Ambrion/Calidor - [%1]</translation>
    </message>
    <message>
        <source>Mirandel for Ambrion/Calidor - (%1)</source>
        <translation>Mirandel für Ambrion/Calidor - (%1)</translation>
    </message>
    <message>
        <source>1 segment</source>
        <translation>1 Segment</translation>
    </message>
    <message>
        <source>%1 segments</source>
        <translation>%1 Segmente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy Segment</source>
        <translation>Segment &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Segment</source>
        <translation>Segment &amp;einfügen</translation>
    </message>
    <message>
        <source>Cu&amp;t Segment</source>
        <translation>Segment &amp;ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Insert Segment</source>
        <translation>Segment e&amp;inschieben</translation>
    </message>
    <message>
        <source>&amp;Name Session</source>
        <translation>Sitzung &amp;benennen</translation>
    </message>
    <message>
        <source>Copy Session as Te&amp;xt</source>
        <translation>Sitzung als Te&amp;xt kopieren</translation>
    </message>
    <message>
        <source>P&amp;aste Text</source>
        <translation>&amp;Text einfügen</translation>
    </message>
    <message>
        <source>Step &amp;Selection Up</source>
        <translation>Auswahl einen Schritt &amp;höher</translation>
    </message>
    <message>
        <source>Step Selection &amp;Down</source>
        <translation>Auswahl einen Schritt tie&amp;fer</translation>
    </message>
    <message>
        <source>&amp;Glide Across Selection…</source>
        <translation>Über die Auswahl &amp;gleiten…</translation>
    </message>
    <message>
        <source>Pr&amp;eferences…</source>
        <translation>Einste&amp;llungen…</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>Über&amp;tragen</translation>
    </message>
    <message>
        <source>Set Comm &amp;Port</source>
        <translation>COM-&amp;Port wählen</translation>
    </message>
    <message>
        <source>Download (&amp;Append)</source>
        <translation>Übertragen (&amp;anhängen)</translation>
    </message>
    <message>
        <source>Download (&amp;Clear)</source>
        <translation>Übertragen (&amp;Gerät leeren)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Graph by &amp;Segments</source>
        <translation>Grafik nach &amp;Segmenten</translation>
    </message>
    <message>
        <source>Graph by &amp;Time</source>
        <translation>Grafik nach &amp;Zeit</translation>
    </message>
    <message>
        <source>Session &amp;Description</source>
        <translation>Sitzungs&amp;beschreibung</translation>
    </message>
    <message>
        <source>&amp;Check Session</source>
        <translation>Sitzung &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Conte&amp;xt</source>
        <translation>&amp;Kontext</translation>
    </message>
    <message>
        <source>&amp;Safety</source>
        <translation>&amp;Sicherheit</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Session check</source>
        <translation>Sitzungsprüfung</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source> — press F8</source>
        <translation> — F8 drücken</translation>
    </message>
    <message>
        <source>Session downloaded: %1 segments, %2 bytes</source>
        <translation>Sitzung übertragen: %1 Segmente, %2 Bytes</translation>
    </message>
    <message>
        <source>Saved %1, %2</source>
        <translation>%1 gespeichert, %2</translation>
    </message>
    <message>
        <source>Printed %1, %2</source>
        <translation>%1 gedruckt, %2</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Unsaved changes could not be kept safe: %1 — retrying</source>
        <translation>Ungespeicherte Änderungen konnten nicht gesichert werden: %1 — neuer Versuch folgt</translation>
    </message>
    <message>
        <source>Error loading program data.  Aborting.</source>
        <translation>Fehler beim Laden der Programmdaten.  Abbruch.</translation>
    </message>
    <message>
        <source>Save as Te&amp;mplate…</source>
        <translation>&amp;Als Vorlage speichern…</translation>
    </message>
    <message>
        <source>Kept as a template: File &gt; New from Template offers it under My templates</source>
        <translation>Als Vorlage aufbewahrt: Datei &gt; Neu aus Vorlage bietet sie unter Meine Vorlagen an</translation>
    </message>
    <message>
        <source>New &amp;from Template…</source>
        <translation>Neu aus &amp;Vorlage…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>Expor&amp;t Session As…</source>
        <translation>Sitzung &amp;exportieren als…</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>%1 holds what a session cannot; the session leaves it out:</source>
        <translation>%1 enthält, was eine Sitzung nicht fassen kann; die Sitzung lässt es aus:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Imported %1, %2</source>
        <translation>%1 importiert, %2</translation>
    </message>
    <message>
        <source>Export Session As</source>
        <translation>Sitzung exportieren als</translation>
    </message>
    <message>
        <source>%1 cannot hold everything the session plays. These rows are left out:</source>
        <translation>%1 kann nicht alles fassen, was die Sitzung spielt. Diese Zeilen werden ausgelassen:</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exportiert</translation>
    </message>
    <message>
        <source>not a file to import: %1</source>
        <translation>keine importierbare Datei: %1</translation>
    </message>
    <message>
        <source>Sessions are exported to %1 files</source>
        <translation>Sitzungen werden in Dateien mit der Endung %1 exportiert</translation>
    </message>
    <message>
        <source>Sp&amp;lit Segment…</source>
        <translation>Segme&amp;nt teilen…</translation>
    </message>
</context>
<context>
    <name>NearestValueIndex</name>
    <message>
        <source>Float convert error on %1</source>
        <translation>Fehler beim Umwandeln von %1 in eine Zahl</translation>
    </message>
</context>
<context>
    <name>NoiseBedEditor</name>
    <message>
        <source>None</source>
        <translation>Kein</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Noise under the tones</source>
        <translation>Rauschen unter den Tönen</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation> dBFS</translation>
    </message>
    <message>
        <source>Noise level</source>
        <translation>Rauschpegel</translation>
    </message>
    <message>
        <source>The noise&apos;s RMS level in each ear; the tones peak at about -6 dBFS</source>
        <translation>RMS-Pegel des Rauschens auf jedem Ohr; die Töne erreichen Spitzen um -6 dBFS</translation>
    </message>
    <message>
        <source>Noise under the &amp;tones:</source>
        <translation>&amp;Rauschen unter den Tönen:</translation>
    </message>
    <message>
        <source>at</source>
        <translation>bei</translation>
    </message>
</context>
<context>
    <name>PlaybackPosition</name>
    <message>
        <source>%1 / %2, segment %3</source>
        <translation>%1 / %2, Segment %3</translation>
    </message>
</context>
<context>
    <name>PortDeviceDialog</name>
    <message>
        <source>&amp;Serial ports of this computer:</source>
        <translation>&amp;Serielle Schnittstellen dieses Computers:</translation>
    </message>
    <message>
        <source>Serial ports</source>
        <translation>Serielle Schnittstellen</translation>
    </message>
    <message>
        <source>De&amp;vice:</source>
        <translation>&amp;Gerät:</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Durchsuchen…</translation>
    </message>
    <message>
        <source>Device for COM %1</source>
        <translation>Gerät für COM %1</translation>
    </message>
    <message>
        <source>  (standard)</source>
        <translation>  (Standard)</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>COM Port Selection</source>
        <translation>COM-Port-Auswahl</translation>
    </message>
    <message>
        <source>COM %1</source>
        <translation>COM %1</translation>
    </message>
    <message>
        <source>Device of COM %1</source>
        <translation>Gerät von COM %1</translation>
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
        <source>Check System Connection</source>
        <translation>Verbindung prüfen</translation>
    </message>
    <message>
        <source>Device…</source>
        <translation>Gerät…</translation>
    </message>
    <message>
        <source>Device for COM %1</source>
        <translation>Gerät für COM %1</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Select the COM port that the </source>
        <translation>Wählen Sie den COM-Port, an dem </translation>
    </message>
    <message>
        <source>Light/Sound system is connected to.</source>
        <translation>das Licht-/Tongerät angeschlossen ist.</translation>
    </message>
    <message>
        <source>With the system turned on, use </source>
        <translation>Prüfen Sie bei eingeschaltetem Gerät </translation>
    </message>
    <message>
        <source>&quot;Check System Connection&quot; to verify.</source>
        <translation>mit „Verbindung prüfen“.</translation>
    </message>
    <message>
        <source>When selection works, press OK. </source>
        <translation>Wenn die Auswahl stimmt, OK drücken. </translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>A &amp;new segment starts where the previous one&apos;s glide ended</source>
        <translation>Ein &amp;neues Segment beginnt, wo das Gleiten des vorigen endete</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>New Segment sets its Start Freq to the previous segment&apos;s Target Freq</source>
        <translation>Neues Segment setzt seine Startfrequenz auf die Zielfrequenz des vorigen Segments</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemvorgabe</translation>
    </message>
    <message>
        <source>The language changes at the next start of Mirandel.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Mirandel.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>Heard in the preview and written into exported sound files, never sent to the device</source>
        <translation>In der Vorschau zu hören und in exportierte Tondateien geschrieben, nie an das Gerät übertragen</translation>
    </message>
    <message>
        <source>Your preferences hold for this run only. %1</source>
        <translation>Ihre Einstellungen gelten nur bis zum Ende dieses Programmlaufs. %1</translation>
    </message>
</context>
<context>
    <name>PreviewController</name>
    <message>
        <source>&amp;Play from Selected Segment</source>
        <translation>Ab gewähltem Segment &amp;abspielen</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Play or Pause</source>
        <translation>Abspielen oder Pause</translation>
    </message>
    <message>
        <source>&amp;Export Audio…</source>
        <translation>Ton e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Beds…</source>
        <translation>&amp;Klangteppiche…</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>&amp;Recent Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>RowDescriptions</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Up(+) and Down(-) step it through its values.</source>
        <translation>Hoch(+) und Runter(-) gehen schrittweise durch seine Werte.</translation>
    </message>
    <message>
        <source>Up(+) or Down(-) opens a box to enter it.</source>
        <translation>Hoch(+) oder Runter(-) öffnet ein Eingabefeld dafür.</translation>
    </message>
    <message>
        <source>How long the segment plays, in minutes:seconds.tenths (m:ss.t). %1.</source>
        <translation>Wie lange das Segment läuft, in Minuten:Sekunden.Zehntel (m:ss.z). %1.</translation>
    </message>
    <message>
        <source>The kind of tone the segment plays: %1.</source>
        <translation>Die Art des Tons, den das Segment spielt: %1.</translation>
    </message>
    <message>
        <source>Beat frequency of the first binaural beat, in Hz. %1 Hz.</source>
        <translation>Schwebungsfrequenz der ersten binauralen Schwebung, in Hz. %1 Hz.</translation>
    </message>
    <message>
        <source>Beat frequency at the start of the segment, in Hz. %1 Hz.</source>
        <translation>Schwebungsfrequenz am Anfang des Segments, in Hz. %1 Hz.</translation>
    </message>
    <message>
        <source>Pitch of the first tone, in Hz. %1 Hz.</source>
        <translation>Tonhöhe des ersten Tons, in Hz. %1 Hz.</translation>
    </message>
    <message>
        <source>Pitch of the tone, in Hz. %1 Hz.</source>
        <translation>Tonhöhe des Tons, in Hz. %1 Hz.</translation>
    </message>
    <message>
        <source>Beat frequency of the second binaural beat, in Hz. %1 Hz.</source>
        <translation>Schwebungsfrequenz der zweiten binauralen Schwebung, in Hz. %1 Hz.</translation>
    </message>
    <message>
        <source>Beat frequency the segment ramps to, in Hz; empty for a steady beat. %1 Hz.</source>
        <translation>Schwebungsfrequenz, zu der das Segment gleitet, in Hz; leer für eine gleichbleibende Schwebung. %1 Hz.</translation>
    </message>
    <message>
        <source>Pitch of the second tone, in Hz (16 to 960), or r-15 to r15 relative to the first.</source>
        <translation>Tonhöhe des zweiten Tons, in Hz (16 bis 960), oder r-15 bis r15 relativ zum ersten.</translation>
    </message>
    <message>
        <source>Chord number of a PCh tone, %1; empty for other tones.</source>
        <translation>Akkordnummer eines PCh-Tons, %1; leer für andere Töne.</translation>
    </message>
    <message>
        <source>How the lights alternate: %1.</source>
        <translation>Wie die Lichter wechseln: %1.</translation>
    </message>
    <message>
        <source>Share of each flash the lights are on, in percent. %1 %.</source>
        <translation>Anteil jedes Blitzes, in dem die Lichter an sind, in Prozent. %1 %.</translation>
    </message>
    <message>
        <source>Sound volume, in percent. %1 %.</source>
        <translation>Lautstärke, in Prozent. %1 %.</translation>
    </message>
    <message>
        <source>Light intensity, in percent. %1 %.</source>
        <translation>Lichtintensität, in Prozent. %1 %.</translation>
    </message>
    <message>
        <source>Volume and intensity ramp: none, or seg to ramp over the segment.</source>
        <translation>Rampe für Lautstärke und Lichtintensität: none, oder seg für eine Rampe über das Segment.</translation>
    </message>
    <message>
        <source>Used by Dual Binaural Beats sessions only; stays empty here.</source>
        <translation>Nur in Sitzungen „Doppelt binaural“; bleibt hier leer.</translation>
    </message>
    <message>
        <source>How the beat reaches this segment&apos;s frequency: jump, or ramp from the segment before (not for segment 1).</source>
        <translation>Wie die Schwebung die Frequenz dieses Segments erreicht: jump, oder ramp vom vorigen Segment aus (nicht für Segment 1).</translation>
    </message>
    <message>
        <source>Number of segments in a loop that starts here (0 to 15); 0 = no loop. </source>
        <translation>Zahl der Segmente einer hier beginnenden Schleife (0 bis 15); 0 = keine Schleife. </translation>
    </message>
    <message>
        <source>How many times the loop plays (2 to 15), entered at its first segment. </source>
        <translation>Wie oft die Schleife abläuft (2 bis 15), eingegeben an ihrem ersten Segment. </translation>
    </message>
</context>
<context>
    <name>SafetyNotice</name>
    <message>
        <source>&lt;b&gt;Before you use light stimulation&lt;/b&gt;&lt;br&gt;Do not use it if you have epilepsy or have ever had a seizure, if you have migraine with visual aura, a heart condition or a pacemaker, if you are pregnant, or if you take medication or drugs that affect the nervous system, unless a doctor has advised you. Stop at once if you feel unwell. The session check warns of flash rates most likely to provoke seizures; its findings are guidance, not medical advice. Help &amp;gt; Safety tells more.</source>
        <translation>&lt;b&gt;Bevor Sie Lichtstimulation nutzen&lt;/b&gt;&lt;br&gt;Nutzen Sie sie nicht, wenn Sie Epilepsie haben oder je einen Krampfanfall hatten, wenn Sie Migräne mit visueller Aura, eine Herzerkrankung oder einen Herzschrittmacher haben, wenn Sie schwanger sind oder Medikamente oder Drogen nehmen, die auf das Nervensystem wirken, außer ein Arzt hat es Ihnen geraten. Hören Sie sofort auf, wenn Sie sich unwohl fühlen. Die Sitzungsprüfung warnt vor Blitzfrequenzen, die am ehesten Anfälle auslösen; ihre Hinweise sind eine Orientierung, keine ärztliche Beratung. Mehr unter Hilfe &amp;gt; Sicherheit.</translation>
    </message>
    <message>
        <source>Safety notice</source>
        <translation>Sicherheitshinweis</translation>
    </message>
</context>
<context>
    <name>SbgImport</name>
    <message>
        <source>the block &quot;%1&quot; is not closed with &quot;}&quot;</source>
        <translation>der Block „%1“ wird nicht mit „}“ geschlossen</translation>
    </message>
    <message>
        <source>no time-sequence line: nothing plays</source>
        <translation>keine Zeitfolgezeile: nichts läuft</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is defined twice</source>
        <translation>„%1“ ist zweimal definiert</translation>
    </message>
    <message>
        <source>option -%1 left out: the file&apos;s own lines are read</source>
        <translation>Option -%1 ausgelassen: die Zeilen der Datei selbst werden gelesen</translation>
    </message>
    <message>
        <source>start at clock time %1 left out</source>
        <translation>Start zur Uhrzeit %1 ausgelassen</translation>
    </message>
    <message>
        <source>mix input left out</source>
        <translation>Mix-Eingang ausgelassen</translation>
    </message>
    <message>
        <source>waveform %1 left out: tones play as sines</source>
        <translation>Wellenform %1 ausgelassen: Töne klingen als Sinus</translation>
    </message>
    <message>
        <source>option -%1 left out</source>
        <translation>Option -%1 ausgelassen</translation>
    </message>
    <message>
        <source>a tone-set needs at least one tone, or &quot;-&quot;</source>
        <translation>ein Ton-Set braucht mindestens einen Ton oder „-“</translation>
    </message>
    <message>
        <source>%1 waveform left out: tones play as sines</source>
        <translation>Wellenform %1 ausgelassen: Töne klingen als Sinus</translation>
    </message>
    <message>
        <source>envelope %1 left out</source>
        <translation>Hüllkurve %1 ausgelassen</translation>
    </message>
    <message>
        <source>%1 noise left out</source>
        <translation>Rauschen „%1“ ausgelassen</translation>
    </message>
    <message>
        <source>mix effect %1 left out</source>
        <translation>Mix-Effekt %1 ausgelassen</translation>
    </message>
    <message>
        <source>spin voice %1 left out</source>
        <translation>Spin-Stimme %1 ausgelassen</translation>
    </message>
    <message>
        <source>bell left out</source>
        <translation>Glocke ausgelassen</translation>
    </message>
    <message>
        <source>cannot read the tone &quot;%1&quot;</source>
        <translation>der Ton „%1“ ist nicht lesbar</translation>
    </message>
    <message>
        <source>cannot read the time &quot;%1&quot;</source>
        <translation>die Zeit „%1“ ist nicht lesbar</translation>
    </message>
    <message>
        <source>a block&apos;s times must be relative (&quot;+hh:mm&quot;)</source>
        <translation>die Zeiten eines Blocks müssen relativ sein („+hh:mm“)</translation>
    </message>
    <message>
        <source>blocks call each other too deeply</source>
        <translation>Blöcke rufen einander zu tief verschachtelt auf</translation>
    </message>
    <message>
        <source>a time needs a tone-set or a block</source>
        <translation>eine Zeit braucht ein Ton-Set oder einen Block</translation>
    </message>
    <message>
        <source>no tone-set or block is named &quot;%1&quot;</source>
        <translation>kein Ton-Set und kein Block heißt „%1“</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;</source>
        <translation>„%1“ ist nicht lesbar</translation>
    </message>
    <message>
        <source>time lines left out: the -p program plays instead</source>
        <translation>Zeitzeilen ausgelassen: stattdessen läuft das Programm -p</translation>
    </message>
    <message>
        <source>the schedule plays until stopped: imported as %1 long</source>
        <translation>der Zeitplan läuft, bis er angehalten wird: als %1 lang importiert</translation>
    </message>
    <message>
        <source>the last tone-set plays on until stopped: the session ends at its line</source>
        <translation>der letzte Tonsatz läuft weiter, bis er angehalten wird: die Sitzung endet bei seiner Zeile</translation>
    </message>
    <message>
        <source>the schedule goes on beyond what a session holds: the rest after %1 is left out</source>
        <translation>der Zeitplan geht über das hinaus, was eine Sitzung fasst: der Rest nach %1 ist ausgelassen</translation>
    </message>
    <message>
        <source>shape definition %1 left out: tones play as sines</source>
        <translation>Formdefinition %1 ausgelassen: Töne klingen als Sinus</translation>
    </message>
    <message>
        <source>option value &quot;%1&quot; left out</source>
        <translation>Optionswert „%1“ ausgelassen</translation>
    </message>
    <message>
        <source>the program -p %1 is not read: only -p slide is</source>
        <translation>das Programm -p %1 wird nicht gelesen: nur -p slide</translation>
    </message>
    <message>
        <source>cannot read the length &quot;%1&quot;: left out</source>
        <translation>die Länge „%1“ ist nicht lesbar: ausgelassen</translation>
    </message>
    <message>
        <source>cannot read the fade time &quot;%1&quot;: left out</source>
        <translation>die Überblendzeit „%1“ ist nicht lesbar: ausgelassen</translation>
    </message>
    <message>
        <source>fast play -q %1 left out: the schedule plays in its own time</source>
        <translation>schnelles Abspielen -q %1 ausgelassen: der Zeitplan läuft in seiner eigenen Zeit</translation>
    </message>
    <message>
        <source>cannot read the length of -p slide</source>
        <translation>die Länge von -p slide ist nicht lesbar</translation>
    </message>
    <message>
        <source>-p slide needs a tone</source>
        <translation>-p slide braucht einen Ton</translation>
    </message>
    <message>
        <source>-p slide needs a tone first, not &quot;%1&quot;</source>
        <translation>-p slide braucht zuerst einen Ton, nicht „%1“</translation>
    </message>
    <message>
        <source>more than 16 voices: the rest are left out</source>
        <translation>mehr als 16 Stimmen: der Rest ist ausgelassen</translation>
    </message>
    <message>
        <source>voice %1 left out</source>
        <translation>Stimme %1 ausgelassen</translation>
    </message>
    <message>
        <source>a relative time needs a clock time or NOW before it</source>
        <translation>eine relative Zeit braucht davor eine Uhrzeit oder NOW</translation>
    </message>
    <message>
        <source>more than %1 time-sequence lines</source>
        <translation>mehr als %1 Zeitfolgezeilen</translation>
    </message>
</context>
<context>
    <name>SbgMix</name>
    <message>
        <source>mix amplitudes from mix/%1 to mix/%2 left out: the bed plays at mix/%3</source>
        <translation>Mischpegel von mix/%1 bis mix/%2 ausgelassen: der Klangteppich spielt mit mix/%3</translation>
    </message>
    <message>
        <source>noise</source>
        <translation>Rauschen</translation>
    </message>
    <message>
        <source>bed %1 (%2): its start, fades and loop left out: the mix input plays from the start until the file ends</source>
        <translation>Klangteppich %1 (%2): Beginn, Blenden und Wiederholen ausgelassen: die Mischquelle spielt vom Anfang bis zum Ende der Datei</translation>
    </message>
    <message>
        <source>bed %1 (%2): its gain of %3 dB left out: mix/100 is the loudest</source>
        <translation>Klangteppich %1 (%2): seine Verstärkung von %3 dB ausgelassen: mix/100 ist das Lauteste</translation>
    </message>
    <message>
        <source>bed %1 (%2) left out: the format mixes in one sound file whose name has no spaces</source>
        <translation>Klangteppich %1 (%2) ausgelassen: das Format mischt eine Audiodatei ein, deren Name keine Leerzeichen hat</translation>
    </message>
</context>
<context>
    <name>ScheduleExport</name>
    <message>
        <source>time %1 written as a whole second longer: the format counts whole seconds</source>
        <translation>Zeit %1 um eine ganze Sekunde länger geschrieben: das Format zählt ganze Sekunden</translation>
    </message>
    <message>
        <source>tone %1 has no sound the format can play</source>
        <translation>Ton %1 hat keinen Klang, den das Format spielen kann</translation>
    </message>
    <message>
        <source>smooth pulses (PSu) written as isochronic pulses</source>
        <translation>weiche Pulse (PSu) als isochrone Pulse geschrieben</translation>
    </message>
    <message>
        <source>tone %1 written as two binaural tones, which read back as dbb</source>
        <translation>Ton %1 als zwei binaurale Töne geschrieben, die als dbb zurückgelesen werden</translation>
    </message>
    <message>
        <source>%1 is not an entry of the row&apos;s list and reads back as the nearest entry</source>
        <translation>%1 steht nicht in der Liste der Zeile und wird als nächstliegender Eintrag zurückgelesen</translation>
    </message>
    <message>
        <source>light phase %1</source>
        <translation>Lichtphase %1</translation>
    </message>
    <message>
        <source>duty cycle %1</source>
        <translation>Tastgrad %1</translation>
    </message>
    <message>
        <source>light intensity %1</source>
        <translation>Lichtintensität %1</translation>
    </message>
    <message>
        <source>no pitch: the voice is left out</source>
        <translation>keine Tonhöhe: die Stimme wird weggelassen</translation>
    </message>
    <message>
        <source>no second pitch: its voice is left out</source>
        <translation>keine zweite Tonhöhe: ihre Stimme wird weggelassen</translation>
    </message>
</context>
<context>
    <name>ScheduleImport</name>
    <message>
        <source>the schedule goes on beyond 1000 segments: the rest is left out</source>
        <translation>der Zeitplan geht über 1000 Segmente hinaus: der Rest wird ausgelassen</translation>
    </message>
    <message>
        <source>the schedule has no time to import</source>
        <translation>der Zeitplan hat keine Zeit zum Importieren</translation>
    </message>
    <message>
        <source>volumes scaled so that the loudest tone plays at volume 100</source>
        <translation>Lautstärken so skaliert, dass der lauteste Ton mit Lautstärke 100 spielt</translation>
    </message>
    <message>
        <source>further tones left out: the session plays one tone (two in dual sessions)</source>
        <translation>weitere Töne ausgelassen: die Sitzung spielt einen Ton (zwei in Dual-Sitzungen)</translation>
    </message>
    <message>
        <source>only sounds a session cannot play (noise, mix, bells): silent</source>
        <translation>nur Klänge, die eine Sitzung nicht spielen kann (Rauschen, Mix, Glocken): still</translation>
    </message>
    <message>
        <source>beat clamped to the list</source>
        <translation>Schwebung auf die Liste begrenzt</translation>
    </message>
    <message>
        <source>beat rounded to the list</source>
        <translation>Schwebung auf die Liste gerundet</translation>
    </message>
    <message>
        <source>beat rounded to the list by at most 0.25 Hz</source>
        <translation>Schwebung um höchstens 0,25 Hz auf die Liste gerundet</translation>
    </message>
    <message>
        <source>pitch rounded to the list</source>
        <translation>Tonhöhe auf die Liste gerundet</translation>
    </message>
    <message>
        <source>pitch slide left out</source>
        <translation>Gleiten der Tonhöhe ausgelassen</translation>
    </message>
    <message>
        <source>beat slide starts from the beat before it</source>
        <translation>Gleiten der Schwebung beginnt bei der Schwebung davor</translation>
    </message>
    <message>
        <source>volume glide starts from the volume before it</source>
        <translation>Gleiten der Lautstärke beginnt bei der Lautstärke davor</translation>
    </message>
</context>
<context>
    <name>SegmentCommands</name>
    <message>
        <source>Max 1000 Segments</source>
        <translation>Höchstens 1000 Segmente</translation>
    </message>
    <message>
        <source>Cannot insert segment 1</source>
        <translation>Segment 1 kann nicht eingeschoben werden</translation>
    </message>
    <message>
        <source>New Segment</source>
        <translation>Neues Segment</translation>
    </message>
    <message>
        <source>Cut Segment %1</source>
        <translation>Segment %1 ausschneiden</translation>
    </message>
    <message>
        <source>Cannot delete segment 1</source>
        <translation>Segment 1 kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Cannot delete inside loop</source>
        <translation>Innerhalb einer Schleife kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Delete segment %1 ?</source>
        <translation>Segment %1 löschen?</translation>
    </message>
    <message>
        <source>Cannot paste inside loop</source>
        <translation>Innerhalb einer Schleife kann nicht eingefügt werden</translation>
    </message>
    <message>
        <source>Paste Segment %1</source>
        <translation>Segment %1 einfügen</translation>
    </message>
    <message>
        <source>Cannot insert inside loop</source>
        <translation>Innerhalb einer Schleife kann nicht eingeschoben werden</translation>
    </message>
    <message>
        <source>Insert Segment %1</source>
        <translation>Segment %1 einschieben</translation>
    </message>
</context>
<context>
    <name>SegmentEncoder</name>
    <message>
        <source>No match segment %1 %2</source>
        <translation>Kein passender Wert in Segment %1: %2</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Tone group change segment %1</source>
        <translation>Wechsel der Tongruppe in Segment %1</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>Akkord</translation>
    </message>
    <message>
        <source>pitch2</source>
        <translation>Tonhöhe 2</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>viramp</source>
        <translation>VI-Rampe</translation>
    </message>
    <message>
        <source>freq ramp</source>
        <translation>Frequenzrampe</translation>
    </message>
    <message>
        <source>Session has %1 segments; a download holds 1 to %2</source>
        <translation>Die Sitzung hat %1 Segmente; eine Übertragung fasst 1 bis %2</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>COM%1 does not exist</source>
        <translation>COM%1 gibt es nicht</translation>
    </message>
    <message>
        <source>COM%1 is not open</source>
        <translation>COM%1 ist nicht geöffnet</translation>
    </message>
    <message>
        <source>Output buffer too small</source>
        <translation>Ausgabepuffer zu klein</translation>
    </message>
    <message>
        <source>Receive buffer is empty</source>
        <translation>Empfangspuffer ist leer</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Time m:s</source>
        <translation>Zeit m:s</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Freq 1</source>
        <translation>Freq. 1</translation>
    </message>
    <message>
        <source>Start Freq</source>
        <translation>Startfreq.</translation>
    </message>
    <message>
        <source>Pitch 1</source>
        <translation>Tonhöhe 1</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <source>Freq 2</source>
        <translation>Freq. 2</translation>
    </message>
    <message>
        <source>Target Freq</source>
        <translation>Zielfreq.</translation>
    </message>
    <message>
        <source>Pitch 2</source>
        <translation>Tonhöhe 2</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Akkord</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Duty Cycle</source>
        <translation>Tastgrad</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensität</translation>
    </message>
    <message>
        <source>VI Ramp</source>
        <translation>VI-Rampe</translation>
    </message>
    <message>
        <source>dbb Ramp</source>
        <translation>dbb-Rampe</translation>
    </message>
    <message>
        <source>Loop Segs</source>
        <translation>Schl.-Segm.</translation>
    </message>
    <message>
        <source>Loop Times</source>
        <translation>Schl.-Wdh.</translation>
    </message>
    <message>
        <source>Change %1 of Segment %2</source>
        <translation>%1 von Segment %2 ändern</translation>
    </message>
</context>
<context>
    <name>SessionCheck</name>
    <message>
        <source>Light flashes at %1 Hz for %2 in segment %3: the range most likely to provoke seizures in people with photosensitive epilepsy</source>
        <translation>In Segment %3 blitzt das Licht %2 lang mit %1 Hz, dem Bereich, der bei Menschen mit fotosensibler Epilepsie am ehesten Anfälle auslöst</translation>
    </message>
    <message>
        <source>The light flashes at 3 to 30 Hz, the range that can provoke seizures, for %1 of the session</source>
        <translation>Während %1 der Sitzung blitzt das Licht mit 3 bis 30 Hz, dem Bereich, der Anfälle auslösen kann</translation>
    </message>
    <message>
        <source>Loop at segment %1 overlaps the loop at segment %2</source>
        <translation>Die Schleife bei Segment %1 überschneidet die Schleife bei Segment %2</translation>
    </message>
    <message>
        <source>Loop at segment %1 runs past the last segment</source>
        <translation>Die Schleife bei Segment %1 reicht über das letzte Segment hinaus</translation>
    </message>
    <message>
        <source>Loop at segment %1 is %2 segments long; the device takes 0 to 15</source>
        <translation>Die Schleife bei Segment %1 ist %2 Segmente lang; das Gerät nimmt 0 bis 15</translation>
    </message>
    <message>
        <source>Loop at segment %1 repeats %2 times; the device takes 0 to 15</source>
        <translation>Die Schleife bei Segment %1 läuft %2-mal; das Gerät nimmt 0 bis 15</translation>
    </message>
    <message>
        <source>The session is silent from start to end: every segment&apos;s Volume is 0</source>
        <translation>Die Sitzung ist von Anfang bis Ende stumm: die Lautstärke jedes Segments ist 0</translation>
    </message>
    <message>
        <source>The session is dark from start to end: every segment&apos;s Intensity is 0</source>
        <translation>Die Sitzung ist von Anfang bis Ende dunkel: die Intensität jedes Segments ist 0</translation>
    </message>
    <message>
        <source>No problems</source>
        <translation>Keine Probleme</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 Fehler</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
</context>
<context>
    <name>SessionDescriptionDialog</name>
    <message>
        <source>Session Description</source>
        <translation>Sitzungsbeschreibung</translation>
    </message>
    <message>
        <source>Session description</source>
        <translation>Sitzungsbeschreibung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SessionExchange</name>
    <message>
        <source>not a file to import: .sbg, .gnaural, .tsv or .txt</source>
        <translation>keine importierbare Datei: .sbg, .gnaural, .tsv oder .txt</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is larger than 16 MiB: no schedule is</source>
        <translation>%1 ist größer als 16 MiB: kein Zeitplan ist so groß</translation>
    </message>
    <message>
        <source>bed %1 left out: the format keeps no sound under the tones</source>
        <translation>Klangteppich %1 ausgelassen: das Format hält keinen Klang unter den Tönen</translation>
    </message>
</context>
<context>
    <name>SessionFileReader</name>
    <message>
        <source>The file is larger than %1 MB, far larger than any session file.</source>
        <translation>Die Datei ist größer als %1 MB, viel größer als jede Sitzungsdatei.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>The file holds a NUL byte; the text after it was not read.</source>
        <translation>Die Datei enthält ein NUL-Byte; der Text danach wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>Format errors in file</source>
        <translation>Formatfehler in der Datei</translation>
    </message>
    <message>
        <source>The file holds more than %1 segments; only the first %1 were read.</source>
        <translation>Die Datei enthält mehr als %1 Segmente; nur die ersten %1 wurden gelesen.</translation>
    </message>
    <message>
        <source>The file holds more than %1 description lines; only the first %1 were read.</source>
        <translation>Die Datei enthält mehr als %1 Beschreibungszeilen; nur die ersten %1 wurden gelesen.</translation>
    </message>
    <message>
        <source>%1 was read with format errors; saving replaces it with what could be read. Replace it?</source>
        <translation>%1 wurde mit Formatfehlern gelesen; Speichern ersetzt die Datei durch das, was gelesen werden konnte. Ersetzen?</translation>
    </message>
    <message>
        <source>The beds of this session in %1 cannot be read, so it opens without them; saving leaves that file as it is. %2</source>
        <translation>Die Klangteppiche dieser Sitzung in %1 können nicht gelesen werden; sie öffnet daher ohne sie, und Speichern lässt diese Datei unverändert. %2</translation>
    </message>
    <message>
        <source>Nothing in it reads as a session file.</source>
        <translation>Nichts darin lässt sich als Sitzungsdatei lesen.</translation>
    </message>
    <message>
        <source>the lines with format errors</source>
        <translation>die Zeilen mit Formatfehlern</translation>
    </message>
    <message>
        <source>the segments after the first %1</source>
        <translation>die Segmente nach den ersten %1</translation>
    </message>
    <message>
        <source>the text after the NUL byte</source>
        <translation>den Text nach dem NUL-Byte</translation>
    </message>
    <message>
        <source>the end of the name after %1 characters</source>
        <translation>das Ende des Namens nach %1 Zeichen</translation>
    </message>
    <message>
        <source>the ends of description lines after %1 characters</source>
        <translation>die Enden von Beschreibungszeilen nach %1 Zeichen</translation>
    </message>
    <message>
        <source>the description lines after the first %1</source>
        <translation>die Beschreibungszeilen nach den ersten %1</translation>
    </message>
    <message>
        <source>%1 was read with losses; saving replaces it with what could be read, without %2. Replace it?</source>
        <translation>%1 wurde mit Verlusten gelesen; Speichern ersetzt die Datei durch das, was gelesen werden konnte, ohne %2. Ersetzen?</translation>
    </message>
</context>
<context>
    <name>SessionFileWriter</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot; safely: no temporary file can be made in the folder %2 (%3). Save it under another name with File &gt; Save As.</source>
        <translation>„%1“ kann nicht sicher gespeichert werden: Im Ordner %2 kann keine temporäre Datei angelegt werden (%3). Speichern Sie mit Datei &gt; Speichern unter unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Fehler beim Schreiben</translation>
    </message>
    <message>
        <source>The session was saved, but not its beds in &quot;%1&quot;. %2</source>
        <translation>Die Sitzung wurde gespeichert, aber nicht ihre Klangteppiche in „%1“. %2</translation>
    </message>
</context>
<context>
    <name>SessionFormats</name>
    <message>
        <source>Light/Sound Source (LSS)</source>
        <translation>Licht-/Tonquelle (LSS)</translation>
    </message>
    <message>
        <source>SBaGen schedules</source>
        <translation>SBaGen-Zeitpläne</translation>
    </message>
    <message>
        <source>Gnaural schedules</source>
        <translation>Gnaural-Zeitpläne</translation>
    </message>
    <message>
        <source>Cells as text</source>
        <translation>Zellen als Text</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Schedules and cells</source>
        <translation>Zeitpläne und Zellen</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>SessionGraph</name>
    <message>
        <source>Segment Graph of [%1]</source>
        <translation>Segmentgrafik von [%1]</translation>
    </message>
    <message>
        <source>Time Graph of [%1]</source>
        <translation>Zeitgrafik von [%1]</translation>
    </message>
</context>
<context>
    <name>SessionGridModel</name>
    <message>
        <source>Segment %1</source>
        <translation>Segment %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>SessionImport</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>segments %1–%2: %3</source>
        <translation>Segmente %1–%2: %3</translation>
    </message>
</context>
<context>
    <name>SessionKindDialog</name>
    <message>
        <source>New Session Type</source>
        <translation>Art der neuen Sitzung</translation>
    </message>
    <message>
        <source>Pulsed/Binaural Beats</source>
        <translation>Gepulst/Binaural</translation>
    </message>
    <message>
        <source>Dual Binaural Beats</source>
        <translation>Doppelt binaural</translation>
    </message>
    <message>
        <source>Pulsed tones or a binaural beat, with ramps</source>
        <translation>Gepulste Töne oder eine Schwebung, mit Rampen</translation>
    </message>
    <message>
        <source>Two binaural beats at once, each with its own pitch</source>
        <translation>Zwei binaurale Schwebungen, je mit eigener Tonhöhe</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
</context>
<context>
    <name>SessionListingPrinter</name>
    <message>
        <source>I/O error while printing to &quot;%1&quot;. The printout was stopped.</source>
        <translation>Ein-/Ausgabefehler beim Drucken nach „%1“. Der Ausdruck wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>SessionNameDialog</name>
    <message>
        <source>Enter Session Name</source>
        <translation>Sitzungsnamen eingeben</translation>
    </message>
    <message>
        <source>Session name</source>
        <translation>Sitzungsname</translation>
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
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>SessionProblemsDialog</name>
    <message>
        <source>No problems</source>
        <translation>Keine Probleme</translation>
    </message>
    <message>
        <source>Check Session</source>
        <translation>Sitzung prüfen</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Enter or a click selects the problem&apos;s cell</source>
        <translation>Eingabetaste oder ein Klick wählt die Zelle des Problems</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segment</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
</context>
<context>
    <name>SessionRecovery</name>
    <message>
        <source>The unsaved changes of the last session could not be read; they were kept in %1.</source>
        <translation>Die ungespeicherten Änderungen der letzten Sitzung konnten nicht gelesen werden; sie wurden in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Mirandel closed without saving session %1. Restore the unsaved changes?</source>
        <translation>Mirandel wurde beendet, ohne die Sitzung %1 zu speichern. Die ungespeicherten Änderungen wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>SessionSheet</name>
    <message>
        <source>Row labels</source>
        <translation>Zeilenbeschriftungen</translation>
    </message>
    <message>
        <source>Session table</source>
        <translation>Sitzungstabelle</translation>
    </message>
    <message>
        <source>One column for each segment; the rows are its settings</source>
        <translation>Eine Spalte je Segment; die Zeilen sind seine Einstellungen</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segmente</translation>
    </message>
    <message>
        <source>New Segment(N)</source>
        <translation>Neues Segment(N)</translation>
    </message>
    <message>
        <source>Up(+)</source>
        <translation>Hoch(+)</translation>
    </message>
    <message>
        <source>Down(-)</source>
        <translation>Runter(-)</translation>
    </message>
    <message>
        <source>Adds a segment after the last one (key N)</source>
        <translation>Fügt nach dem letzten ein Segment an (Taste N)</translation>
    </message>
    <message>
        <source>Steps the selected cell to its next value (key +)</source>
        <translation>Setzt die gewählte Zelle auf ihren nächsten Wert (Taste +)</translation>
    </message>
    <message>
        <source>Steps the selected cell to its previous value (key -)</source>
        <translation>Setzt die gewählte Zelle auf ihren vorigen Wert (Taste -)</translation>
    </message>
    <message>
        <source>New Segment</source>
        <translation>Neues Segment</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>Times of the selected segment and of the whole session</source>
        <translation>Zeiten des gewählten Segments und der ganzen Sitzung</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segment</translation>
    </message>
</context>
<context>
    <name>SoundFileLoop</name>
    <message>
        <source>It is no regular file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It holds no sound.</source>
        <translation>Sie enthält keinen Ton.</translation>
    </message>
</context>
<context>
    <name>SplitSegment</name>
    <message>
        <source>Cannot split inside loop</source>
        <translation>Innerhalb einer Schleife kann nicht geteilt werden</translation>
    </message>
    <message>
        <source>Max 1000 Segments</source>
        <translation>Höchstens 1000 Segmente</translation>
    </message>
    <message>
        <source>Segment %1 is too short to split</source>
        <translation>Segment %1 ist zu kurz zum Teilen</translation>
    </message>
    <message>
        <source>Split Segment</source>
        <translation>Segment teilen</translation>
    </message>
    <message>
        <source>Split segment %1 into how many segments (2-%2)?</source>
        <translation>Segment %1 in wie viele Segmente teilen (2-%2)?</translation>
    </message>
    <message>
        <source>Integer 2-%1 needed</source>
        <translation>Ganze Zahl 2-%1 nötig</translation>
    </message>
    <message>
        <source>Split Segment %1</source>
        <translation>Segment %1 teilen</translation>
    </message>
</context>
<context>
    <name>SharedIniFile</name>
    <message>
        <source>another program holds %1</source>
        <translation>ein anderes Programm hält %1</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>sein Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it holds lines that are no settings, which a rewrite would drop</source>
        <translation>sie enthält Zeilen, die keine Einstellungen sind und beim Neuschreiben verloren gingen</translation>
    </message>
</context>
<context>
    <name>TemplateDialog</name>
    <message>
        <source>%1:%2 min</source>
        <translation>%1:%2 min</translation>
    </message>
    <message>
        <source>Dual Binaural Beats</source>
        <translation>Doppelt binaural</translation>
    </message>
    <message>
        <source>Pulsed/Binaural Beats</source>
        <translation>Gepulst/Binaural</translation>
    </message>
    <message>
        <source>New from Template</source>
        <translation>Neu aus Vorlage</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Description of the template</source>
        <translation>Beschreibung der Vorlage</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Löschen…</translation>
    </message>
    <message>
        <source>Mirandel templates</source>
        <translation>Mirandel-Vorlagen</translation>
    </message>
    <message>
        <source>My templates</source>
        <translation>Meine Vorlagen</translation>
    </message>
    <message>
        <source>Keep a session of your own here with File &gt; Save as Template.</source>
        <translation>Mit Datei &gt; Als Vorlage speichern legen Sie hier eine eigene Sitzung ab.</translation>
    </message>
    <message>
        <source>2 beats</source>
        <translation>2 Schwebungen</translation>
    </message>
    <message>
        <source>&amp;Edit Description…</source>
        <translation>Beschreibung &amp;bearbeiten…</translation>
    </message>
</context>
<context>
    <name>TemplateLibrary</name>
    <message>
        <source>A template name has at most %1 characters.</source>
        <translation>Ein Vorlagenname hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>%1 is the name of a template that comes with Mirandel.</source>
        <translation>%1 ist der Name einer Vorlage, die mit Mirandel geliefert wird.</translation>
    </message>
    <message>
        <source>There is a template named %1 already.</source>
        <translation>Es gibt bereits eine Vorlage namens %1.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Save as Template</source>
        <translation>Als Vorlage speichern</translation>
    </message>
    <message>
        <source>Name of the template:</source>
        <translation>Name der Vorlage:</translation>
    </message>
    <message>
        <source>Replace your template %1?</source>
        <translation>Ihre Vorlage %1 ersetzen?</translation>
    </message>
    <message>
        <source>Rename Template</source>
        <translation>Vorlage umbenennen</translation>
    </message>
    <message>
        <source>New name of the template:</source>
        <translation>Neuer Name der Vorlage:</translation>
    </message>
    <message>
        <source>Delete your template %1?</source>
        <translation>Ihre Vorlage %1 löschen?</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>%1 kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>A template name holds no control characters such as a line break.</source>
        <translation>Ein Vorlagenname enthält keine Steuerzeichen wie einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>A template name holds no / or \.</source>
        <translation>Ein Vorlagenname enthält kein / und kein \.</translation>
    </message>
    <message>
        <source>A template name does not start with a dot.</source>
        <translation>Ein Vorlagenname beginnt nicht mit einem Punkt.</translation>
    </message>
    <message>
        <source>Another program holds %1</source>
        <translation>Ein anderes Programm hält %1</translation>
    </message>
</context>
<context>
    <name>TextNumbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>TextPaste</name>
    <message>
        <source>Line %1: %2 cells, 14 or 15 needed</source>
        <translation>Zeile %1: %2 Zellen, 14 oder 15 nötig</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Not pasted:
</source>
        <translation>Nicht eingefügt:
</translation>
    </message>
    <message>
        <source>No segment lines in the text</source>
        <translation>Keine Segmentzeilen im Text</translation>
    </message>
    <message>
        <source>Max 1000 Segments: %1 lines left out</source>
        <translation>Höchstens 1000 Segmente: %1 Zeilen ausgelassen</translation>
    </message>
    <message>
        <source>Paste Text at Segment %1</source>
        <translation>Text bei Segment %1 einfügen</translation>
    </message>
    <message>
        <source>Segment %1 %2 &quot;%3&quot;: %4</source>
        <translation>Segment %1 %2 „%3“: %4</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Drag</source>
        <comment>the undo step of a drag on the timeline</comment>
        <translation>Ziehen</translation>
    </message>
    <message>
        <source>%1 to %2 Hz</source>
        <translation>%1 bis %2 Hz</translation>
    </message>
    <message>
        <source>Segment %1</source>
        <translation>Segment %1</translation>
    </message>
    <message>
        <source>, pass %1 of %2</source>
        <translation>, Durchlauf %1 von %2</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> bei %1</translation>
    </message>
    <message>
        <source>beats %1 and %2</source>
        <translation>Schwebungen %1 und %2</translation>
    </message>
    <message>
        <source>beat %1</source>
        <translation>Schwebung %1</translation>
    </message>
    <message>
        <source>: %1, time %2, pitch %3 Hz, volume %4, intensity %5, duty cycle %6, phase %7</source>
        <translation>: %1, Zeit %2, Tonhöhe %3 Hz, Lautstärke %4, Intensität %5, Tastgrad %6, Phase %7</translation>
    </message>
    <message>
        <source>%1 Hz  duty %2  %3</source>
        <translation>%1 Hz  Tastgrad %2  %3</translation>
    </message>
    <message>
        <source>Hz</source>
        <comment>lane name, at most about 40 pixels wide</comment>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>lane name, at most about 40 pixels wide</comment>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>lane name, at most about 40 pixels wide</comment>
        <translation>Licht</translation>
    </message>
</context>
<context>
    <name>TimelineView</name>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>The session over time as it plays, loops repeated: the beat, the sound&apos;s pitch and volume, and the light. Left and Right select a segment, Up and Down step its selected value.</source>
        <translation>Die Sitzung im Zeitverlauf, wie sie abläuft, mit wiederholten Schleifen: die Schwebung, Tonhöhe und Lautstärke des Tons und das Licht. Links und Rechts wählen ein Segment, Auf und Ab ändern seinen gewählten Wert schrittweise.</translation>
    </message>
    <message>
        <source>No session</source>
        <translation>Keine Sitzung</translation>
    </message>
</context>
<context>
    <name>TimelineWindow</name>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>Timeline window</source>
        <translation>Zeitleistenfenster</translation>
    </message>
    <message>
        <source>Value under the pointer</source>
        <translation>Wert unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>Show the whole session</source>
        <translation>Die ganze Sitzung zeigen</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Ctrl+Plus, or Ctrl and the mouse wheel</source>
        <translation>Strg+Plus, oder Strg und das Mausrad</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Ctrl+Minus, or Ctrl and the mouse wheel</source>
        <translation>Strg+Minus, oder Strg und das Mausrad</translation>
    </message>
    <message>
        <source>Time&amp;line</source>
        <translation>Zeit&amp;leiste</translation>
    </message>
    <message>
        <source>List steps</source>
        <translation>Listenschritte</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Logarithmisch</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>How the beat lane spaces frequencies: each list entry the same height, by ratio, or evenly</source>
        <translation>Wie die Schwebungsspur Frequenzen verteilt: jeder Listeneintrag gleich hoch, nach Verhältnis oder gleichmäßig</translation>
    </message>
    <message>
        <source>&amp;Beat scale:</source>
        <translation>&amp;Schwebungsskala:</translation>
    </message>
    <message>
        <source>Beat scale</source>
        <translation>Schwebungsskala</translation>
    </message>
    <message>
        <source>Time shown</source>
        <translation>Gezeigte Zeit</translation>
    </message>
</context>
<context>
    <name>TimingSummary</name>
    <message>
        <source>Segment %1 start time %2:%3</source>
        <translation>Segment %1 Startzeit %2:%3</translation>
    </message>
    <message>
        <source>Session total time %1:%2</source>
        <translation>Sitzung Gesamtzeit %1:%2</translation>
    </message>
</context>
<context>
    <name>ValueEntry</name>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
</context>
<context>
    <name>ValueMatching</name>
    <message>
        <source>dbb Ramp of segment 1 does not change</source>
        <translation>Die dbb-Rampe von Segment 1 ändert sich nicht</translation>
    </message>
    <message>
        <source>Chord is empty unless the Tone is PCh</source>
        <translation>Akkord bleibt leer, außer der Ton ist PCh</translation>
    </message>
    <message>
        <source>dbb Ramp is empty in a Pulsed/Binaural Beats session</source>
        <translation>Die dbb-Rampe bleibt in einer Sitzung „Gepulst/Binaural“ leer</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Time m:s takes minutes, seconds with s, or m:ss from %1 to %2</source>
        <translation>Zeit m:s nimmt Minuten, Sekunden mit s oder m:ss von %1 bis %2</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 nimmt %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 nimmt eine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source> or %1 to %2</source>
        <translation> oder %1 bis %2</translation>
    </message>
    <message>
        <source> or nothing</source>
        <translation> oder nichts</translation>
    </message>
</context>
<context>
    <name>ValueStepping</name>
    <message>
        <source>Starting value not in list - step to desired value</source>
        <translation>Startwert nicht in der Liste - schrittweise zum gewünschten Wert gehen</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>%1 of Segment %2</source>
        <translation>%1 von Segment %2</translation>
    </message>
    <message>
        <source>%1 of Segments %2-%3</source>
        <translation>%1 der Segmente %2-%3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a verb, then the cells it changes</comment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
