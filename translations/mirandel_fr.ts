<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AudioExport</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the sound may take up to %2 MB, and the disk has only %3 MB free</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: le son peut occuper jusqu’à %2 Mo, et le disque n’a que %3 Mo de libre</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the session is too long for a WAV file (4 GB at most); choose FLAC or Ogg Vorbis</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: la séance est trop longue pour un fichier WAV (4 Go au plus)&#xa0;; choisissez FLAC ou Ogg Vorbis</translation>
    </message>
    <message>
        <source>this system&apos;s libsndfile cannot write MP3 files (it was built without MPEG support); choose WAV, FLAC or Ogg Vorbis</source>
        <translation>la libsndfile de ce système ne sait pas écrire de fichiers MP3 (elle a été compilée sans MPEG)&#xa0;; choisissez WAV, FLAC ou Ogg Vorbis</translation>
    </message>
    <message>
        <source>MP3 files take 8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100 or 48000 samples a second</source>
        <translation>les fichiers MP3 prennent 8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100 ou 48000 échantillons par seconde</translation>
    </message>
</context>
<context>
    <name>AudioExportCommand</name>
    <message>
        <source>Export Audio</source>
        <translation>Exporter le son</translation>
    </message>
    <message>
        <source>Loudness target</source>
        <translation>Volume perçu visé</translation>
    </message>
    <message>
        <source>Writing %1…</source>
        <translation>Écriture de %1…</translation>
    </message>
    <message>
        <source>Audio exported to %1: %2</source>
        <translation>Son exporté vers %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>FLAC compression level</source>
        <translation>Niveau de compression FLAC</translation>
    </message>
    <message>
        <source>0 writes fastest, 8 makes the smallest file; the sound is the same</source>
        <translation>0 écrit le plus vite, 8 donne le plus petit fichier&#xa0;; le son reste le même</translation>
    </message>
    <message>
        <source>FLAC &amp;level:</source>
        <translation>Niveau &amp;FLAC&#xa0;:</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>MP3 bit rate</source>
        <translation>Débit MP3</translation>
    </message>
    <message>
        <source>MP3 &amp;bit rate:</source>
        <translation>&amp;Débit MP3&#xa0;:</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: choose a name ending in %2.</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: choisissez un nom finissant par %2.</translation>
    </message>
</context>
<context>
    <name>AudioFormats</name>
    <message>
        <source>WAV sound, 16-bit</source>
        <translation>Son WAV, 16 bits</translation>
    </message>
    <message>
        <source>FLAC sound, 16-bit</source>
        <translation>Son FLAC, 16 bits</translation>
    </message>
    <message>
        <source>Ogg Vorbis sound</source>
        <translation>Son Ogg Vorbis</translation>
    </message>
    <message>
        <source>MP3 sound</source>
        <translation>Son MP3</translation>
    </message>
    <message>
        <source>N&amp;ormalise loudness to</source>
        <translation>N&amp;ormaliser le volume perçu à</translation>
    </message>
    <message>
        <source>Measuring loudness…</source>
        <translation>Mesure du volume perçu…</translation>
    </message>
    <message>
        <source>Export cancelled</source>
        <translation>Export annulé</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>No audio output is available: no sound device or sound server was found.</source>
        <translation>Aucune sortie audio disponible&#xa0;: aucun périphérique ni serveur de son n’a été trouvé.</translation>
    </message>
    <message>
        <source>No audio output is available: &quot;%1&quot; cannot play 16-bit stereo at %2 Hz.</source>
        <translation>Aucune sortie audio disponible&#xa0;: «&#xa0;%1&#xa0;» ne peut pas lire de stéréo 16 bits à %2 Hz.</translation>
    </message>
    <message>
        <source>No audio output is available: the sound device stopped (%1).</source>
        <translation>Aucune sortie audio disponible&#xa0;: le périphérique de son s’est arrêté (%1).</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>il ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>it failed</source>
        <translation>il a échoué</translation>
    </message>
</context>
<context>
    <name>BedFile</name>
    <message>
        <source>It is no list of beds.</source>
        <translation>Ce n&apos;est pas une liste de fonds sonores.</translation>
    </message>
    <message>
        <source>It was written by a newer version of the program.</source>
        <translation>Elle a été écrite par une version plus récente du programme.</translation>
    </message>
    <message>
        <source>It is far larger than any list of beds.</source>
        <translation>Elle est bien plus grande que toute liste de fonds sonores.</translation>
    </message>
    <message>
        <source>The old list of beds cannot be removed.</source>
        <translation>L&apos;ancienne liste des fonds sonores ne peut pas être retirée.</translation>
    </message>
</context>
<context>
    <name>BedProblems</name>
    <message>
        <source>Bed %1: the sound file %2 is missing; the bed plays as silence</source>
        <translation>Fond sonore %1 : le fichier audio %2 manque ; le fond joue du silence</translation>
    </message>
    <message>
        <source>Bed %1: the sound file %2 cannot be read; the bed plays as silence</source>
        <translation>Fond sonore %1 : le fichier audio %2 ne peut pas être lu ; le fond joue du silence</translation>
    </message>
</context>
<context>
    <name>BedTableModel</name>
    <message>
        <source>White noise</source>
        <translation>Bruit blanc</translation>
    </message>
    <message>
        <source>Pink noise</source>
        <translation>Bruit rose</translation>
    </message>
    <message>
        <source>Brown noise</source>
        <translation>Bruit brun</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
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
        <translation>En boucle</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Boucle</translation>
    </message>
</context>
<context>
    <name>BedsDialog</name>
    <message>
        <source>Add &amp;Sound File…</source>
        <translation>Ajouter un fichier a&amp;udio…</translation>
    </message>
    <message>
        <source>Add &amp;Noise</source>
        <translation>Ajouter un &amp;bruit</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
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
        <translation>Boucler &amp;jusqu&apos;à la fin de la séance</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>&amp;Mute in the preview</source>
        <translation>&amp;Muet dans l&apos;aperçu</translation>
    </message>
    <message>
        <source>S&amp;olo in the preview</source>
        <translation>S&amp;olo dans l&apos;aperçu</translation>
    </message>
    <message>
        <source>Beds</source>
        <translation>Fonds sonores</translation>
    </message>
    <message>
        <source>Beds under the session</source>
        <translation>Fonds sonores sous la séance</translation>
    </message>
    <message>
        <source>Sound files and noise heard in the preview and written into exported sound files, never sent to the device</source>
        <translation>Fichiers audio et bruits entendus dans l&apos;aperçu et écrits dans les fichiers audio exportés, jamais envoyés à l&apos;appareil</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Blanc</translation>
    </message>
    <message>
        <source>&amp;Pink</source>
        <translation>&amp;Rose</translation>
    </message>
    <message>
        <source>&amp;Brown</source>
        <translation>Br&amp;un</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Fondu d&apos;entrée</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Fondu de sortie</translation>
    </message>
    <message>
        <source>Crossfade where the loop meets its start</source>
        <translation>Fondu enchaîné là où la boucle rejoint son début</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Niveau :</translation>
    </message>
    <message>
        <source>S&amp;tart after:</source>
        <translation>&amp;Début après :</translation>
    </message>
    <message>
        <source>Fade &amp;in:</source>
        <translation>&amp;Fondu d&apos;entrée :</translation>
    </message>
    <message>
        <source>Fade o&amp;ut:</source>
        <translation>Fondu de &amp;sortie :</translation>
    </message>
    <message>
        <source>&amp;Crossfade:</source>
        <translation>Fondu en&amp;chaîné :</translation>
    </message>
    <message>
        <source>Change Bed Level</source>
        <translation>Changer le niveau du fond sonore</translation>
    </message>
    <message>
        <source>Change Bed Start</source>
        <translation>Changer le début du fond sonore</translation>
    </message>
    <message>
        <source>Change Bed Fade In</source>
        <translation>Changer le fondu d&apos;entrée du fond sonore</translation>
    </message>
    <message>
        <source>Change Bed Fade Out</source>
        <translation>Changer le fondu de sortie du fond sonore</translation>
    </message>
    <message>
        <source>Change Bed Crossfade</source>
        <translation>Changer le fondu enchaîné du fond sonore</translation>
    </message>
    <message>
        <source>Change Bed Loop</source>
        <translation>Changer la boucle du fond sonore</translation>
    </message>
    <message>
        <source>Add Sound File</source>
        <translation>Ajouter un fichier audio</translation>
    </message>
    <message>
        <source>Sound files (*.wav *.flac *.ogg *.oga *.mp3 *.aif *.aiff);;All files (*)</source>
        <translation>Fichiers audio (*.wav *.flac *.ogg *.oga *.mp3 *.aif *.aiff);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Add Bed</source>
        <translation>Ajouter un fond sonore</translation>
    </message>
    <message>
        <source>Remove Bed</source>
        <translation>Retirer le fond sonore</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation> dBFS</translation>
    </message>
    <message>
        <source>Add a sound file or noise to hear it under the session.</source>
        <translation>Ajoutez un fichier audio ou un bruit pour l&apos;entendre sous la séance.</translation>
    </message>
    <message>
        <source>%1 at its level in each ear.</source>
        <translation>%1 à son niveau dans chaque oreille.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2); the bed plays as silence.</source>
        <translation>%1 ne peut pas être lu (%2) ; le fond joue du silence.</translation>
    </message>
    <message>
        <source>%1: %2, %3 Hz.</source>
        <translation>%1 : %2, %3 Hz.</translation>
    </message>
    <message>
        <source>Its loop, marked in the file, runs from %1 to %2.</source>
        <translation>Sa boucle, marquée dans le fichier, va de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>CellsImport</name>
    <message>
        <source>longer than a session file keeps a line</source>
        <translation>plus longue que ce qu’un fichier de séance garde d’une ligne</translation>
    </message>
    <message>
        <source>column %1: a control character (U+%2) in a cell</source>
        <translation>colonne %1&#xa0;: un caractère de contrôle (U+%2) dans une cellule</translation>
    </message>
    <message>
        <source>column %1: &quot;%2&quot; is a character a session file cannot hold</source>
        <translation>colonne %1&#xa0;: «&#xa0;%2&#xa0;» est un caractère qu’un fichier de séance ne peut contenir</translation>
    </message>
    <message>
        <source>column %1: time &quot;%2&quot; is not minutes and seconds</source>
        <translation>colonne %1&#xa0;: le temps «&#xa0;%2&#xa0;» n’est pas en minutes et secondes</translation>
    </message>
    <message>
        <source>column %1: duty cycle &quot;%2&quot; is not a number</source>
        <translation>colonne %1&#xa0;: le rapport cyclique «&#xa0;%2&#xa0;» n’est pas un nombre</translation>
    </message>
    <message>
        <source>%1 fields where a segment has 15</source>
        <translation>%1 champs là où un segment en a 15</translation>
    </message>
    <message>
        <source>more than 1000 segments</source>
        <translation>plus de 1000 segments</translation>
    </message>
    <message>
        <source>no segment</source>
        <translation>aucun segment</translation>
    </message>
</context>
<context>
    <name>DeviceInfo</name>
    <message>
        <source>%1, rev %2 has %3 sessions and %4 segments available</source>
        <translation>%1, rév. %2 dispose de %3 séances et %4 segments</translation>
    </message>
    <message>
        <source>Download capacity of %1 segments exceeded</source>
        <translation>Capacité de transfert de %1 segments dépassée</translation>
    </message>
    <message>
        <source>System has max sessions downloaded</source>
        <translation>L’appareil contient déjà le nombre maximal de séances</translation>
    </message>
</context>
<context>
    <name>DeviceLink</name>
    <message>
        <source>No COM port is selected</source>
        <translation>Aucun port COM n’est choisi</translation>
    </message>
    <message>
        <source>COM port could not be opened</source>
        <translation>Le port COM n’a pas pu être ouvert</translation>
    </message>
    <message>
        <source>System not found.</source>
        <translation>Appareil introuvable.</translation>
    </message>
    <message>
        <source>%1: no answer to the identification request</source>
        <translation>%1&#xa0;: aucune réponse à la demande d’identification</translation>
    </message>
    <message>
        <source>Download aborted</source>
        <translation>Transfert interrompu</translation>
    </message>
    <message>
        <source>Download incomplete: the COM port stopped sending</source>
        <translation>Transfert incomplet&#xa0;: le port COM a cessé d’envoyer</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Transfert annulé</translation>
    </message>
</context>
<context>
    <name>DownloadProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transfert</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progression du transfert</translation>
    </message>
    <message>
        <source>Sending the session to the device.</source>
        <translation>Envoi de la séance à l’appareil.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes sent, %3 s left</source>
        <translation>%1 octets sur %2 envoyés, %3 s restantes</translation>
    </message>
    <message>
        <source>Asking the device who it is…</source>
        <translation>Interrogation de l’appareil…</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Session %1 has been modified. Save it?</source>
        <translation>La séance %1 a été modifiée. L’enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Save File As</source>
        <translation>Enregistrer le fichier sous</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>Select File to Read</source>
        <translation>Choisir le fichier à lire</translation>
    </message>
    <message>
        <source>No Such File</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Name Session</source>
        <translation>Nommer la séance</translation>
    </message>
    <message>
        <source>Session Description</source>
        <translation>Description de la séance</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>It is neither a regular file nor a character device.</source>
        <translation>Ce n’est ni un fichier ordinaire ni un périphérique caractère.</translation>
    </message>
</context>
<context>
    <name>FirstRunHint</name>
    <message>
        <source>File &gt; New to design a session, File &gt; New from Template to start from a ready one, File &gt; Open to read one</source>
        <translation>Fichier &gt; Nouveau pour concevoir une séance, Fichier &gt; Nouveau à partir d’un modèle pour partir d’une séance toute prête, Fichier &gt; Ouvrir pour en lire une</translation>
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
        <translation>Thêta</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Low Beta</source>
        <translation>Bêta bas</translation>
    </message>
    <message>
        <source>High Beta</source>
        <translation>Bêta haut</translation>
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
        <translation>Glissement sur les segments %1 à %2</translation>
    </message>
    <message>
        <source>Select two or more segments to glide across</source>
        <translation>Sélectionnez au moins deux segments pour le glissement</translation>
    </message>
</context>
<context>
    <name>GlideDialog</name>
    <message>
        <source>Glide Across Selection</source>
        <translation>Glissement sur la sélection</translation>
    </message>
    <message>
        <source>From (Hz)</source>
        <translation>De (Hz)</translation>
    </message>
    <message>
        <source>To (Hz)</source>
        <translation>À (Hz)</translation>
    </message>
    <message>
        <source>&amp;From (Hz):</source>
        <translation>&amp;De (Hz)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To (Hz):</source>
        <translation>&amp;À (Hz)&#xa0;:</translation>
    </message>
    <message>
        <source>Beat frequency across segments %1 to %2</source>
        <translation>Fréquence de battement sur les segments %1 à %2</translation>
    </message>
    <message>
        <source>Freq 2 from (Hz)</source>
        <translation>Fréq. 2 de (Hz)</translation>
    </message>
    <message>
        <source>Freq 2 to (Hz)</source>
        <translation>Fréq. 2 à (Hz)</translation>
    </message>
    <message>
        <source>&amp;Glide in the first segment from where it starts</source>
        <translation>&amp;Glisser dès le premier segment, depuis son début</translation>
    </message>
    <message>
        <source>Freq 1</source>
        <translation>Fréq. 1</translation>
    </message>
    <message>
        <source>Freq 2</source>
        <translation>Fréq. 2</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Beats</source>
        <translation>Battements</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>By ratio</source>
        <translation>Par rapport constant</translation>
    </message>
    <message>
        <source>Ease-in</source>
        <translation>Départ en douceur</translation>
    </message>
    <message>
        <source>Ease-out</source>
        <translation>Arrivée en douceur</translation>
    </message>
    <message>
        <source>S-curve</source>
        <translation>Courbe en S</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponentielle</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>&amp;Beats:</source>
        <translation>&amp;Battements :</translation>
    </message>
    <message>
        <source>Freq 2 f&amp;rom (Hz):</source>
        <translation>Fréq. 2 d&amp;e (Hz) :</translation>
    </message>
    <message>
        <source>Freq 2 t&amp;o (Hz):</source>
        <translation>Fréq. &amp;2 à (Hz) :</translation>
    </message>
    <message>
        <source>&amp;Shape:</source>
        <translation>F&amp;orme :</translation>
    </message>
</context>
<context>
    <name>GnauralImport</name>
    <message>
        <source>cannot read the number &quot;%1&quot;</source>
        <translation>impossible de lire le nombre «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>not a Gnaural schedule: it starts with &lt;%1&gt;</source>
        <translation>pas un programme Gnaural&#xa0;: il commence par &lt;%1&gt;</translation>
    </message>
    <message>
        <source>the schedule&apos;s repeats (%1) left out: it plays once</source>
        <translation>répétitions du programme (%1) omises&#xa0;: il se joue une fois</translation>
    </message>
    <message>
        <source>no binaural or isochronic voice to import</source>
        <translation>aucune voix binaurale ou isochrone à importer</translation>
    </message>
    <message>
        <source>muted voice left out</source>
        <translation>voix muette omise</translation>
    </message>
    <message>
        <source>pink noise voice left out</source>
        <translation>voix de bruit rose omise</translation>
    </message>
    <message>
        <source>audio file voice left out</source>
        <translation>voix de fichier audio omise</translation>
    </message>
    <message>
        <source>water drops or rain voice left out</source>
        <translation>voix de gouttes d’eau ou de pluie omise</translation>
    </message>
    <message>
        <source>voice of type %1 left out</source>
        <translation>voix de type %1 omise</translation>
    </message>
    <message>
        <source>left and right volumes differ: their mean is taken</source>
        <translation>les volumes gauche et droit diffèrent&#xa0;: leur moyenne est prise</translation>
    </message>
    <message>
        <source>voices beyond the first %1 left out</source>
        <translation>voix au-delà des %1 premières omises</translation>
    </message>
    <message>
        <source>the entries from here on are left out: a session holds %1 at most</source>
        <translation>les entrées à partir d’ici sont omises : une séance en contient %1 au plus</translation>
    </message>
</context>
<context>
    <name>GraphLegend</name>
    <message>
        <source>%1: %2 to %3 Hz</source>
        <translation>%1&#xa0;: %2 à %3 Hz</translation>
    </message>
    <message>
        <source>Frequency bands of the graph
</source>
        <translation>Bandes de fréquence du graphique
</translation>
    </message>
    <message>
        <source>Frequency bands</source>
        <translation>Bandes de fréquence</translation>
    </message>
</context>
<context>
    <name>GraphPicture</name>
    <message>
        <source>The picture is too large to be made.</source>
        <translation>L’image est trop grande pour être créée.</translation>
    </message>
    <message>
        <source>Cannot write the picture to &quot;%1&quot;. %2</source>
        <translation>Impossible d’écrire l’image dans «&#xa0;%1&#xa0;». %2</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>Session graph</source>
        <translation>Graphique de la séance</translation>
    </message>
    <message>
        <source>&amp;Graphic Control</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>&amp;Time Graph</source>
        <translation>Graphique par &amp;temps</translation>
    </message>
    <message>
        <source>&amp;Segment Graph</source>
        <translation>Graphique par &amp;segments</translation>
    </message>
    <message>
        <source>Sp&amp;readsheet</source>
        <translation>&amp;Tableau</translation>
    </message>
    <message>
        <source>Save &amp;Picture…</source>
        <translation>Enregistrer l’&amp;image…</translation>
    </message>
    <message>
        <source> time graph.png</source>
        <translation> graphique par temps.png</translation>
    </message>
    <message>
        <source> segment graph.png</source>
        <translation> graphique par segments.png</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation>Image PNG (*.png);;Dessin SVG (*.svg)</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Help topic not found&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Help topic not found&lt;/h2&gt;&lt;p&gt;The help topic &lt;b&gt;%1&lt;/b&gt; is not in the help folder &lt;tt&gt;%2&lt;/tt&gt;. Installing Mirandel again puts the help pages back beside the program.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Rubrique d’aide introuvable&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Rubrique d’aide introuvable&lt;/h2&gt;&lt;p&gt;La rubrique d’aide &lt;b&gt;%1&lt;/b&gt; n’est pas dans le dossier d’aide &lt;tt&gt;%2&lt;/tt&gt;. Réinstaller Mirandel remet les pages d’aide à côté du programme.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Mirandel Help</source>
        <translation>Aide de Mirandel</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>S&amp;uivant</translation>
    </message>
    <message>
        <source>Words to find in every page</source>
        <translation>Mots à chercher dans toutes les pages</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>No help page holds &quot;%1&quot;.</source>
        <translation>Aucune page d’aide ne contient «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Mirandel Help - %1</source>
        <translation>Aide de Mirandel - %1</translation>
    </message>
</context>
<context>
    <name>ImportFinish</name>
    <message>
        <source>name cut to %1 characters, as many as a session file keeps</source>
        <translation>nom coupé à %1 caractères, autant qu’un fichier de séance en garde</translation>
    </message>
    <message numerus="yes">
        <source>%n description line(s) wrapped: a session file keeps %1 characters a line</source>
        <translation>
            <numerusform>%n ligne de description renvoyée à la ligne&#xa0;: un fichier de séance garde %1 caractères par ligne</numerusform>
            <numerusform>%n lignes de description renvoyées à la ligne&#xa0;: un fichier de séance garde %1 caractères par ligne</numerusform>
        </translation>
    </message>
    <message>
        <source>description cut after line %1: a session file keeps no more</source>
        <translation>description coupée après la ligne %1&#xa0;: un fichier de séance n’en garde pas plus</translation>
    </message>
    <message>
        <source>characters a session file cannot hold written as &quot;?&quot;</source>
        <translation>caractères qu’un fichier de séance ne peut contenir écrits «&#xa0;?&#xa0;»</translation>
    </message>
    <message>
        <source>line breaks and NUL characters in the name or description written as spaces</source>
        <translation>sauts de ligne et caractères NUL du nom ou de la description écrits comme espaces</translation>
    </message>
    <message>
        <source>time %1 is implausible: longer than the longest session the device holds (%2)</source>
        <translation>le temps %1 est invraisemblable&#xa0;: plus long que la plus longue séance que l’appareil contient (%2)</translation>
    </message>
</context>
<context>
    <name>ImportLength</name>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>%1 plays until it is stopped. Length of the session (H:MM:SS):</source>
        <translation>%1 joue jusqu’à ce qu’on l’arrête. Durée de la séance (H:MM:SS) :</translation>
    </message>
    <message>
        <source>Cannot import %1: &quot;%2&quot; is not a length (H:MM:SS)</source>
        <translation>Impossible d’importer %1 : « %2 » n’est pas une durée (H:MM:SS)</translation>
    </message>
</context>
<context>
    <name>ImportReport</name>
    <message>
        <source> (lines %1)</source>
        <translation> (lignes %1)</translation>
    </message>
</context>
<context>
    <name>IntroductionWindow</name>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Welcome to Veltrano Mirandel</source>
        <translation>Bienvenue dans Veltrano Mirandel</translation>
    </message>
    <message>
        <source>Mirandel 2.0 allows you to create, edit, and view</source>
        <translation>Mirandel 2.0 vous permet de créer, modifier et consulter</translation>
    </message>
    <message>
        <source>Ambrion and Calidor sessions in a spreadsheet format, operating</source>
        <translation>des séances Ambrion et Calidor sous forme de tableau, avec</translation>
    </message>
    <message>
        <source>with familiar Windows operations. The HELP system is complete</source>
        <translation>les opérations Windows habituelles. L’AIDE est complète</translation>
    </message>
    <message>
        <source>and should answer most of your questions. You can call up an</source>
        <translation>et devrait répondre à la plupart de vos questions. Ouvrez</translation>
    </message>
    <message>
        <source>existing session design with FILE OPEN, or start a new one</source>
        <translation>une séance existante avec FICHIER OUVRIR, ou commencez-en</translation>
    </message>
    <message>
        <source>with FILE NEW. The session spreadsheet navigation and</source>
        <translation>une nouvelle avec FICHIER NOUVEAU. La navigation dans le</translation>
    </message>
    <message>
        <source>editing tools are intuitive and described in HELP.</source>
        <translation>tableau et l’édition sont intuitives et décrites dans l’AIDE.</translation>
    </message>
    <message>
        <source>Press any key to continue...</source>
        <translation>Appuyez sur une touche pour continuer...</translation>
    </message>
    <message>
        <source>Error loading intro dialog</source>
        <translation>Erreur au chargement de l’introduction</translation>
    </message>
</context>
<context>
    <name>LoopEntry</name>
    <message>
        <source>Enter Loop Segments</source>
        <translation>Segments de la boucle</translation>
    </message>
    <message>
        <source>Enter Loop Times</source>
        <translation>Nombre de tours de la boucle</translation>
    </message>
    <message>
        <source>In Existing loop</source>
        <translation>Dans une boucle existante</translation>
    </message>
    <message>
        <source>Not at loop start</source>
        <translation>Pas au début d’une boucle</translation>
    </message>
    <message>
        <source>Integer 0-15 needed</source>
        <translation>Nombre entier de 0 à 15 requis</translation>
    </message>
    <message>
        <source>Integer 2-15 needed</source>
        <translation>Nombre entier de 2 à 15 requis</translation>
    </message>
    <message>
        <source>Loop includes last segment</source>
        <translation>La boucle inclut le dernier segment</translation>
    </message>
    <message>
        <source>Loop overlap</source>
        <translation>Boucles qui se chevauchent</translation>
    </message>
    <message>
        <source>Range 0-15</source>
        <translation>Plage 0-15</translation>
    </message>
    <message>
        <source>Range 2-15</source>
        <translation>Plage 2-15</translation>
    </message>
    <message>
        <source>Number of segments in the loop (0–15); 0 removes the loop.</source>
        <translation>Nombre de segments de la boucle (0–15)&#xa0;; 0 supprime la boucle.</translation>
    </message>
    <message>
        <source>How many times the loop plays (2–15).</source>
        <translation>Nombre de tours de la boucle (2–15).</translation>
    </message>
</context>
<context>
    <name>LossReportDialog</name>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>The whole file</source>
        <translation>Tout le fichier</translation>
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
        <translation>Séance</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changement</translation>
    </message>
</context>
<context>
    <name>Loudness</name>
    <message>
        <source>silent</source>
        <translation>silencieux</translation>
    </message>
    <message>
        <source>peak %1 dBTP</source>
        <translation>crête %1 dBTP</translation>
    </message>
    <message>
        <source>below -70 LUFS, </source>
        <translation>sous -70 LUFS, </translation>
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
        <translation>Mirandel pour Ambrion/Calidor - [%1]</translation>
    </message>
    <message>
        <source>Mirandel for Ambrion/Calidor - (%1)</source>
        <translation>Mirandel pour Ambrion/Calidor - (%1)</translation>
    </message>
    <message>
        <source>1 segment</source>
        <translation>1 segment</translation>
    </message>
    <message>
        <source>%1 segments</source>
        <translation>%1 segments</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy Segment</source>
        <translation>&amp;Copier le segment</translation>
    </message>
    <message>
        <source>&amp;Paste Segment</source>
        <translation>Co&amp;ller le segment</translation>
    </message>
    <message>
        <source>Cu&amp;t Segment</source>
        <translation>Co&amp;uper le segment</translation>
    </message>
    <message>
        <source>&amp;Insert Segment</source>
        <translation>&amp;Insérer un segment</translation>
    </message>
    <message>
        <source>&amp;Name Session</source>
        <translation>&amp;Nommer la séance</translation>
    </message>
    <message>
        <source>Copy Session as Te&amp;xt</source>
        <translation>Copier la séance en te&amp;xte</translation>
    </message>
    <message>
        <source>P&amp;aste Text</source>
        <translation>Coller du &amp;texte</translation>
    </message>
    <message>
        <source>Step &amp;Selection Up</source>
        <translation>Monter la &amp;sélection d’un cran</translation>
    </message>
    <message>
        <source>Step Selection &amp;Down</source>
        <translation>&amp;Descendre la sélection d’un cran</translation>
    </message>
    <message>
        <source>&amp;Glide Across Selection…</source>
        <translation>&amp;Glissement sur la sélection…</translation>
    </message>
    <message>
        <source>Pr&amp;eferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Transfert</translation>
    </message>
    <message>
        <source>Set Comm &amp;Port</source>
        <translation>Choisir le &amp;port COM</translation>
    </message>
    <message>
        <source>Download (&amp;Append)</source>
        <translation>Transférer (&amp;ajouter)</translation>
    </message>
    <message>
        <source>Download (&amp;Clear)</source>
        <translation>Transférer (&amp;vider l’appareil)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Graph by &amp;Segments</source>
        <translation>Graphique par &amp;segments</translation>
    </message>
    <message>
        <source>Graph by &amp;Time</source>
        <translation>Graphique par &amp;temps</translation>
    </message>
    <message>
        <source>Session &amp;Description</source>
        <translation>&amp;Description de la séance</translation>
    </message>
    <message>
        <source>&amp;Check Session</source>
        <translation>&amp;Vérifier la séance</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Conte&amp;xt</source>
        <translation>Aide &amp;contextuelle</translation>
    </message>
    <message>
        <source>&amp;Safety</source>
        <translation>S&amp;écurité</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Session check</source>
        <translation>Vérification de la séance</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source> — press F8</source>
        <translation> — appuyez sur F8</translation>
    </message>
    <message>
        <source>Session downloaded: %1 segments, %2 bytes</source>
        <translation>Séance transférée&#xa0;: %1 segments, %2 octets</translation>
    </message>
    <message>
        <source>Saved %1, %2</source>
        <translation>%1 enregistré, %2</translation>
    </message>
    <message>
        <source>Printed %1, %2</source>
        <translation>%1 imprimé, %2</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unsaved changes could not be kept safe: %1 — retrying</source>
        <translation>Les modifications non enregistrées n’ont pas pu être mises à l’abri&#xa0;: %1 — nouvel essai</translation>
    </message>
    <message>
        <source>Error loading program data.  Aborting.</source>
        <translation>Erreur au chargement des données du programme.  Abandon.</translation>
    </message>
    <message>
        <source>Save as Te&amp;mplate…</source>
        <translation>Enregistrer comme mo&amp;dèle…</translation>
    </message>
    <message>
        <source>Kept as a template: File &gt; New from Template offers it under My templates</source>
        <translation>Conservée comme modèle&#xa0;: Fichier &gt; Nouveau à partir d’un modèle la propose sous Mes modèles</translation>
    </message>
    <message>
        <source>New &amp;from Template…</source>
        <translation>Nouveau à partir d’un &amp;modèle…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>Im&amp;porter…</translation>
    </message>
    <message>
        <source>Expor&amp;t Session As…</source>
        <translation>Expor&amp;ter la séance sous…</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Impossible d’importer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 holds what a session cannot; the session leaves it out:</source>
        <translation>%1 contient ce qu’une séance ne peut pas contenir&#xa0;; la séance l’omet&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Imported %1, %2</source>
        <translation>%1 importé, %2</translation>
    </message>
    <message>
        <source>Export Session As</source>
        <translation>Exporter la séance sous</translation>
    </message>
    <message>
        <source>%1 cannot hold everything the session plays. These rows are left out:</source>
        <translation>%1 ne peut pas contenir tout ce que joue la séance. Ces lignes sont omises&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossible d’écrire %1</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exporté</translation>
    </message>
    <message>
        <source>not a file to import: %1</source>
        <translation>pas un fichier à importer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sessions are exported to %1 files</source>
        <translation>Les séances s’exportent en fichiers %1</translation>
    </message>
    <message>
        <source>Sp&amp;lit Segment…</source>
        <translation>Di&amp;viser le segment…</translation>
    </message>
</context>
<context>
    <name>NearestValueIndex</name>
    <message>
        <source>Float convert error on %1</source>
        <translation>Erreur de conversion en nombre de %1</translation>
    </message>
</context>
<context>
    <name>NoiseBedEditor</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brun</translation>
    </message>
    <message>
        <source>Noise under the tones</source>
        <translation>Bruit sous les sons</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation>&#xa0;dBFS</translation>
    </message>
    <message>
        <source>Noise level</source>
        <translation>Niveau du bruit</translation>
    </message>
    <message>
        <source>The noise&apos;s RMS level in each ear; the tones peak at about -6 dBFS</source>
        <translation>Niveau RMS du bruit dans chaque oreille&#xa0;; les sons culminent vers -6 dBFS</translation>
    </message>
    <message>
        <source>Noise under the &amp;tones:</source>
        <translation>&amp;Bruit sous les sons&#xa0;:</translation>
    </message>
    <message>
        <source>at</source>
        <translation>à</translation>
    </message>
</context>
<context>
    <name>PlaybackPosition</name>
    <message>
        <source>%1 / %2, segment %3</source>
        <translation>%1 / %2, segment %3</translation>
    </message>
</context>
<context>
    <name>PortDeviceDialog</name>
    <message>
        <source>&amp;Serial ports of this computer:</source>
        <translation>Ports &amp;série de cet ordinateur&#xa0;:</translation>
    </message>
    <message>
        <source>Serial ports</source>
        <translation>Ports série</translation>
    </message>
    <message>
        <source>De&amp;vice:</source>
        <translation>&amp;Périphérique&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>Pa&amp;rcourir…</translation>
    </message>
    <message>
        <source>Device for COM %1</source>
        <translation>Périphérique de COM %1</translation>
    </message>
    <message>
        <source>  (standard)</source>
        <translation>  (par défaut)</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>COM Port Selection</source>
        <translation>Choix du port COM</translation>
    </message>
    <message>
        <source>COM %1</source>
        <translation>COM %1</translation>
    </message>
    <message>
        <source>Device of COM %1</source>
        <translation>Périphérique de COM %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Check System Connection</source>
        <translation>Vérifier la connexion</translation>
    </message>
    <message>
        <source>Device…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Device for COM %1</source>
        <translation>Périphérique de COM %1</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Select the COM port that the </source>
        <translation>Choisissez le port COM auquel </translation>
    </message>
    <message>
        <source>Light/Sound system is connected to.</source>
        <translation>l’appareil lumière/son est relié.</translation>
    </message>
    <message>
        <source>With the system turned on, use </source>
        <translation>L’appareil allumé, vérifiez avec </translation>
    </message>
    <message>
        <source>&quot;Check System Connection&quot; to verify.</source>
        <translation>«&#xa0;Vérifier la connexion&#xa0;».</translation>
    </message>
    <message>
        <source>When selection works, press OK. </source>
        <translation>Si le choix convient, appuyez sur OK. </translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>A &amp;new segment starts where the previous one&apos;s glide ended</source>
        <translation>Un &amp;nouveau segment commence là où s’est arrêté le glissement du précédent</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>New Segment sets its Start Freq to the previous segment&apos;s Target Freq</source>
        <translation>Nouveau segment prend comme fréquence de début la fréquence cible du segment précédent</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>The language changes at the next start of Mirandel.</source>
        <translation>La langue change au prochain démarrage de Mirandel.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message>
        <source>Heard in the preview and written into exported sound files, never sent to the device</source>
        <translation>Entendu dans l’aperçu et écrit dans les fichiers son exportés, jamais transféré à l’appareil</translation>
    </message>
    <message>
        <source>Your preferences hold for this run only. %1</source>
        <translation>Vos préférences ne valent que jusqu’à la fin de cette exécution. %1</translation>
    </message>
</context>
<context>
    <name>PreviewController</name>
    <message>
        <source>&amp;Play from Selected Segment</source>
        <translation>&amp;Lire à partir du segment sélectionné</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Play or Pause</source>
        <translation>Lecture ou pause</translation>
    </message>
    <message>
        <source>&amp;Export Audio…</source>
        <translation>E&amp;xporter le son…</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>A&amp;perçu</translation>
    </message>
    <message>
        <source>&amp;Beds…</source>
        <translation>&amp;Fonds sonores…</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>&amp;Recent Files</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vider la liste</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>RowDescriptions</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Up(+) and Down(-) step it through its values.</source>
        <translation>Haut(+) et Bas(-) parcourent ses valeurs pas à pas.</translation>
    </message>
    <message>
        <source>Up(+) or Down(-) opens a box to enter it.</source>
        <translation>Haut(+) ou Bas(-) ouvre une boîte pour la saisir.</translation>
    </message>
    <message>
        <source>How long the segment plays, in minutes:seconds.tenths (m:ss.t). %1.</source>
        <translation>Durée du segment, en minutes:secondes.dixièmes (m:ss.d). %1.</translation>
    </message>
    <message>
        <source>The kind of tone the segment plays: %1.</source>
        <translation>Le type de son que joue le segment&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Beat frequency of the first binaural beat, in Hz. %1 Hz.</source>
        <translation>Fréquence du premier battement binaural, en Hz. %1 Hz.</translation>
    </message>
    <message>
        <source>Beat frequency at the start of the segment, in Hz. %1 Hz.</source>
        <translation>Fréquence de battement au début du segment, en Hz. %1 Hz.</translation>
    </message>
    <message>
        <source>Pitch of the first tone, in Hz. %1 Hz.</source>
        <translation>Hauteur du premier son, en Hz. %1 Hz.</translation>
    </message>
    <message>
        <source>Pitch of the tone, in Hz. %1 Hz.</source>
        <translation>Hauteur du son, en Hz. %1 Hz.</translation>
    </message>
    <message>
        <source>Beat frequency of the second binaural beat, in Hz. %1 Hz.</source>
        <translation>Fréquence du second battement binaural, en Hz. %1 Hz.</translation>
    </message>
    <message>
        <source>Beat frequency the segment ramps to, in Hz; empty for a steady beat. %1 Hz.</source>
        <translation>Fréquence de battement que le segment atteint en rampe, en Hz&#xa0;; vide pour un battement constant. %1 Hz.</translation>
    </message>
    <message>
        <source>Pitch of the second tone, in Hz (16 to 960), or r-15 to r15 relative to the first.</source>
        <translation>Hauteur du second son, en Hz (16 à 960), ou r-15 à r15 par rapport au premier.</translation>
    </message>
    <message>
        <source>Chord number of a PCh tone, %1; empty for other tones.</source>
        <translation>Numéro d’accord d’un son PCh, %1&#xa0;; vide pour les autres sons.</translation>
    </message>
    <message>
        <source>How the lights alternate: %1.</source>
        <translation>Alternance des lumières&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Share of each flash the lights are on, in percent. %1 %.</source>
        <translation>Part de chaque éclair pendant laquelle les lumières sont allumées, en pour cent. %1 %.</translation>
    </message>
    <message>
        <source>Sound volume, in percent. %1 %.</source>
        <translation>Volume sonore, en pour cent. %1 %.</translation>
    </message>
    <message>
        <source>Light intensity, in percent. %1 %.</source>
        <translation>Intensité lumineuse, en pour cent. %1 %.</translation>
    </message>
    <message>
        <source>Volume and intensity ramp: none, or seg to ramp over the segment.</source>
        <translation>Rampe de volume et d’intensité&#xa0;: none, ou seg pour une rampe sur tout le segment.</translation>
    </message>
    <message>
        <source>Used by Dual Binaural Beats sessions only; stays empty here.</source>
        <translation>Utilisé seulement par les séances à double battement binaural&#xa0;; reste vide ici.</translation>
    </message>
    <message>
        <source>How the beat reaches this segment&apos;s frequency: jump, or ramp from the segment before (not for segment 1).</source>
        <translation>Comment le battement atteint la fréquence de ce segment&#xa0;: jump, ou ramp depuis le segment précédent (pas pour le segment 1).</translation>
    </message>
    <message>
        <source>Number of segments in a loop that starts here (0 to 15); 0 = no loop. </source>
        <translation>Nombre de segments d’une boucle qui commence ici (0 à 15)&#xa0;; 0 = pas de boucle. </translation>
    </message>
    <message>
        <source>How many times the loop plays (2 to 15), entered at its first segment. </source>
        <translation>Nombre de tours de la boucle (2 à 15), saisi à son premier segment. </translation>
    </message>
</context>
<context>
    <name>SafetyNotice</name>
    <message>
        <source>&lt;b&gt;Before you use light stimulation&lt;/b&gt;&lt;br&gt;Do not use it if you have epilepsy or have ever had a seizure, if you have migraine with visual aura, a heart condition or a pacemaker, if you are pregnant, or if you take medication or drugs that affect the nervous system, unless a doctor has advised you. Stop at once if you feel unwell. The session check warns of flash rates most likely to provoke seizures; its findings are guidance, not medical advice. Help &amp;gt; Safety tells more.</source>
        <translation>&lt;b&gt;Avant d’utiliser la stimulation lumineuse&lt;/b&gt;&lt;br&gt;Ne l’utilisez pas si vous êtes épileptique ou avez déjà eu une crise, si vous souffrez de migraine avec aura visuelle, d’une maladie cardiaque ou portez un stimulateur cardiaque, si vous êtes enceinte, ou si vous prenez des médicaments ou des drogues qui agissent sur le système nerveux, sauf avis d’un médecin. Arrêtez aussitôt si vous vous sentez mal. La vérification de la séance signale les fréquences d’éclairs les plus susceptibles de provoquer des crises&#xa0;; ses constats sont des repères, pas un avis médical. Aide &amp;gt; Sécurité en dit plus.</translation>
    </message>
    <message>
        <source>Safety notice</source>
        <translation>Avertissement de sécurité</translation>
    </message>
</context>
<context>
    <name>SbgImport</name>
    <message>
        <source>the block &quot;%1&quot; is not closed with &quot;}&quot;</source>
        <translation>le bloc «&#xa0;%1&#xa0;» n’est pas fermé par «&#xa0;}&#xa0;»</translation>
    </message>
    <message>
        <source>no time-sequence line: nothing plays</source>
        <translation>aucune ligne de séquence&#xa0;: rien ne se joue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is defined twice</source>
        <translation>«&#xa0;%1&#xa0;» est défini deux fois</translation>
    </message>
    <message>
        <source>option -%1 left out: the file&apos;s own lines are read</source>
        <translation>option -%1 omise&#xa0;: les lignes du fichier lui-même sont lues</translation>
    </message>
    <message>
        <source>start at clock time %1 left out</source>
        <translation>départ à l’heure %1 omis</translation>
    </message>
    <message>
        <source>mix input left out</source>
        <translation>entrée de mixage omise</translation>
    </message>
    <message>
        <source>waveform %1 left out: tones play as sines</source>
        <translation>forme d’onde %1 omise&#xa0;: les sons se jouent en sinus</translation>
    </message>
    <message>
        <source>option -%1 left out</source>
        <translation>option -%1 omise</translation>
    </message>
    <message>
        <source>a tone-set needs at least one tone, or &quot;-&quot;</source>
        <translation>un jeu de sons demande au moins un son, ou «&#xa0;-&#xa0;»</translation>
    </message>
    <message>
        <source>%1 waveform left out: tones play as sines</source>
        <translation>forme d’onde %1 omise&#xa0;: les sons se jouent en sinus</translation>
    </message>
    <message>
        <source>envelope %1 left out</source>
        <translation>enveloppe %1 omise</translation>
    </message>
    <message>
        <source>%1 noise left out</source>
        <translation>bruit «&#xa0;%1&#xa0;» omis</translation>
    </message>
    <message>
        <source>mix effect %1 left out</source>
        <translation>effet de mixage %1 omis</translation>
    </message>
    <message>
        <source>spin voice %1 left out</source>
        <translation>voix spin %1 omise</translation>
    </message>
    <message>
        <source>bell left out</source>
        <translation>cloche omise</translation>
    </message>
    <message>
        <source>cannot read the tone &quot;%1&quot;</source>
        <translation>impossible de lire le son «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>cannot read the time &quot;%1&quot;</source>
        <translation>impossible de lire le temps «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>a block&apos;s times must be relative (&quot;+hh:mm&quot;)</source>
        <translation>les temps d’un bloc doivent être relatifs («&#xa0;+hh:mm&#xa0;»)</translation>
    </message>
    <message>
        <source>blocks call each other too deeply</source>
        <translation>les blocs s’appellent les uns les autres trop profondément</translation>
    </message>
    <message>
        <source>a time needs a tone-set or a block</source>
        <translation>un temps demande un jeu de sons ou un bloc</translation>
    </message>
    <message>
        <source>no tone-set or block is named &quot;%1&quot;</source>
        <translation>aucun jeu de sons ni bloc ne s’appelle «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;</source>
        <translation>impossible de lire «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>time lines left out: the -p program plays instead</source>
        <translation>lignes de temps omises : le programme -p joue à leur place</translation>
    </message>
    <message>
        <source>the schedule plays until stopped: imported as %1 long</source>
        <translation>le programme joue jusqu’à l’arrêt : importé avec une durée de %1</translation>
    </message>
    <message>
        <source>the last tone-set plays on until stopped: the session ends at its line</source>
        <translation>le dernier jeu de sons continue jusqu’à l’arrêt : la séance s’arrête à sa ligne</translation>
    </message>
    <message>
        <source>the schedule goes on beyond what a session holds: the rest after %1 is left out</source>
        <translation>le programme dépasse ce qu’une séance contient : la suite après %1 est omise</translation>
    </message>
    <message>
        <source>shape definition %1 left out: tones play as sines</source>
        <translation>définition de forme %1 omise : les sons sont joués en sinus</translation>
    </message>
    <message>
        <source>option value &quot;%1&quot; left out</source>
        <translation>valeur d’option « %1 » omise</translation>
    </message>
    <message>
        <source>the program -p %1 is not read: only -p slide is</source>
        <translation>le programme -p %1 n’est pas lu : seul -p slide l’est</translation>
    </message>
    <message>
        <source>cannot read the length &quot;%1&quot;: left out</source>
        <translation>durée « %1 » illisible : omise</translation>
    </message>
    <message>
        <source>cannot read the fade time &quot;%1&quot;: left out</source>
        <translation>durée de fondu « %1 » illisible : omise</translation>
    </message>
    <message>
        <source>fast play -q %1 left out: the schedule plays in its own time</source>
        <translation>lecture rapide -q %1 omise : le programme joue à son propre rythme</translation>
    </message>
    <message>
        <source>cannot read the length of -p slide</source>
        <translation>durée de -p slide illisible</translation>
    </message>
    <message>
        <source>-p slide needs a tone</source>
        <translation>-p slide demande un son</translation>
    </message>
    <message>
        <source>-p slide needs a tone first, not &quot;%1&quot;</source>
        <translation>-p slide demande d’abord un son, pas « %1 »</translation>
    </message>
    <message>
        <source>more than 16 voices: the rest are left out</source>
        <translation>plus de 16 voix : les autres sont omises</translation>
    </message>
    <message>
        <source>voice %1 left out</source>
        <translation>voix %1 omise</translation>
    </message>
    <message>
        <source>a relative time needs a clock time or NOW before it</source>
        <translation>un temps relatif demande avant lui une heure ou NOW</translation>
    </message>
    <message>
        <source>more than %1 time-sequence lines</source>
        <translation>plus de %1 lignes de séquence temporelle</translation>
    </message>
</context>
<context>
    <name>SbgMix</name>
    <message>
        <source>mix amplitudes from mix/%1 to mix/%2 left out: the bed plays at mix/%3</source>
        <translation>niveaux de mixage de mix/%1 à mix/%2 omis : le fond sonore joue à mix/%3</translation>
    </message>
    <message>
        <source>noise</source>
        <translation>bruit</translation>
    </message>
    <message>
        <source>bed %1 (%2): its start, fades and loop left out: the mix input plays from the start until the file ends</source>
        <translation>fond sonore %1 (%2) : son début, ses fondus et sa boucle omis : l&apos;entrée de mixage joue du début jusqu&apos;à la fin du fichier</translation>
    </message>
    <message>
        <source>bed %1 (%2): its gain of %3 dB left out: mix/100 is the loudest</source>
        <translation>fond sonore %1 (%2) : son gain de %3 dB omis : mix/100 est le plus fort</translation>
    </message>
    <message>
        <source>bed %1 (%2) left out: the format mixes in one sound file whose name has no spaces</source>
        <translation>fond sonore %1 (%2) omis : le format mêle un seul fichier audio, dont le nom n&apos;a pas d&apos;espace</translation>
    </message>
</context>
<context>
    <name>ScheduleExport</name>
    <message>
        <source>time %1 written as a whole second longer: the format counts whole seconds</source>
        <translation>durée %1 écrite une seconde entière plus longue&#xa0;: le format compte en secondes entières</translation>
    </message>
    <message>
        <source>tone %1 has no sound the format can play</source>
        <translation>le son %1 n’a aucun équivalent que le format sache jouer</translation>
    </message>
    <message>
        <source>smooth pulses (PSu) written as isochronic pulses</source>
        <translation>impulsions douces (PSu) écrites comme impulsions isochrones</translation>
    </message>
    <message>
        <source>tone %1 written as two binaural tones, which read back as dbb</source>
        <translation>son %1 écrit comme deux sons binauraux, relus comme dbb</translation>
    </message>
    <message>
        <source>%1 is not an entry of the row&apos;s list and reads back as the nearest entry</source>
        <translation>%1 n’est pas une entrée de la liste de la ligne et se relit comme l’entrée la plus proche</translation>
    </message>
    <message>
        <source>light phase %1</source>
        <translation>phase lumineuse %1</translation>
    </message>
    <message>
        <source>duty cycle %1</source>
        <translation>rapport cyclique %1</translation>
    </message>
    <message>
        <source>light intensity %1</source>
        <translation>intensité lumineuse %1</translation>
    </message>
    <message>
        <source>no pitch: the voice is left out</source>
        <translation>pas de hauteur&#xa0;: la voix est omise</translation>
    </message>
    <message>
        <source>no second pitch: its voice is left out</source>
        <translation>pas de seconde hauteur&#xa0;: sa voix est omise</translation>
    </message>
</context>
<context>
    <name>ScheduleImport</name>
    <message>
        <source>the schedule goes on beyond 1000 segments: the rest is left out</source>
        <translation>le programme dépasse 1000 segments&#xa0;: le reste est omis</translation>
    </message>
    <message>
        <source>the schedule has no time to import</source>
        <translation>le programme n’a aucun temps à importer</translation>
    </message>
    <message>
        <source>volumes scaled so that the loudest tone plays at volume 100</source>
        <translation>volumes mis à l’échelle pour que le son le plus fort joue au volume 100</translation>
    </message>
    <message>
        <source>further tones left out: the session plays one tone (two in dual sessions)</source>
        <translation>autres sons omis : la séance joue un son (deux dans les séances doubles)</translation>
    </message>
    <message>
        <source>only sounds a session cannot play (noise, mix, bells): silent</source>
        <translation>seulement des sons qu’une séance ne peut jouer (bruit, mixage, cloches) : silence</translation>
    </message>
    <message>
        <source>beat clamped to the list</source>
        <translation>battement ramené aux limites de la liste</translation>
    </message>
    <message>
        <source>beat rounded to the list</source>
        <translation>battement arrondi à la liste</translation>
    </message>
    <message>
        <source>beat rounded to the list by at most 0.25 Hz</source>
        <translation>battement arrondi à la liste d’au plus 0,25 Hz</translation>
    </message>
    <message>
        <source>pitch rounded to the list</source>
        <translation>hauteur arrondie à la liste</translation>
    </message>
    <message>
        <source>pitch slide left out</source>
        <translation>glissement de la hauteur omis</translation>
    </message>
    <message>
        <source>beat slide starts from the beat before it</source>
        <translation>le glissement du battement part du battement précédent</translation>
    </message>
    <message>
        <source>volume glide starts from the volume before it</source>
        <translation>le glissement du volume part du volume précédent</translation>
    </message>
</context>
<context>
    <name>SegmentCommands</name>
    <message>
        <source>Max 1000 Segments</source>
        <translation>1000 segments au maximum</translation>
    </message>
    <message>
        <source>Cannot insert segment 1</source>
        <translation>Impossible d’insérer le segment 1</translation>
    </message>
    <message>
        <source>New Segment</source>
        <translation>Nouveau segment</translation>
    </message>
    <message>
        <source>Cut Segment %1</source>
        <translation>Couper le segment %1</translation>
    </message>
    <message>
        <source>Cannot delete segment 1</source>
        <translation>Impossible de supprimer le segment 1</translation>
    </message>
    <message>
        <source>Cannot delete inside loop</source>
        <translation>Impossible de supprimer dans une boucle</translation>
    </message>
    <message>
        <source>Delete segment %1 ?</source>
        <translation>Supprimer le segment %1&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot paste inside loop</source>
        <translation>Impossible de coller dans une boucle</translation>
    </message>
    <message>
        <source>Paste Segment %1</source>
        <translation>Coller le segment %1</translation>
    </message>
    <message>
        <source>Cannot insert inside loop</source>
        <translation>Impossible d’insérer dans une boucle</translation>
    </message>
    <message>
        <source>Insert Segment %1</source>
        <translation>Insérer le segment %1</translation>
    </message>
</context>
<context>
    <name>SegmentEncoder</name>
    <message>
        <source>No match segment %1 %2</source>
        <translation>Aucune valeur correspondante au segment %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>son</translation>
    </message>
    <message>
        <source>Tone group change segment %1</source>
        <translation>Changement de groupe de sons au segment %1</translation>
    </message>
    <message>
        <source>chord</source>
        <translation>accord</translation>
    </message>
    <message>
        <source>pitch2</source>
        <translation>hauteur 2</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>phase</translation>
    </message>
    <message>
        <source>viramp</source>
        <translation>rampe VI</translation>
    </message>
    <message>
        <source>freq ramp</source>
        <translation>rampe de fréquence</translation>
    </message>
    <message>
        <source>Session has %1 segments; a download holds 1 to %2</source>
        <translation>La séance a %1 segments&#xa0;; un transfert en contient de 1 à %2</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>COM%1 does not exist</source>
        <translation>COM%1 n’existe pas</translation>
    </message>
    <message>
        <source>COM%1 is not open</source>
        <translation>COM%1 n’est pas ouvert</translation>
    </message>
    <message>
        <source>Output buffer too small</source>
        <translation>Tampon de sortie trop petit</translation>
    </message>
    <message>
        <source>Receive buffer is empty</source>
        <translation>Le tampon de réception est vide</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Time m:s</source>
        <translation>Durée m:s</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Freq 1</source>
        <translation>Fréq. 1</translation>
    </message>
    <message>
        <source>Start Freq</source>
        <translation>Fréq. début</translation>
    </message>
    <message>
        <source>Pitch 1</source>
        <translation>Hauteur 1</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Freq 2</source>
        <translation>Fréq. 2</translation>
    </message>
    <message>
        <source>Target Freq</source>
        <translation>Fréq. cible</translation>
    </message>
    <message>
        <source>Pitch 2</source>
        <translation>Hauteur 2</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Accord</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Duty Cycle</source>
        <translation>Rapp. cycl.</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>VI Ramp</source>
        <translation>Rampe VI</translation>
    </message>
    <message>
        <source>dbb Ramp</source>
        <translation>Rampe dbb</translation>
    </message>
    <message>
        <source>Loop Segs</source>
        <translation>Bcl. segm.</translation>
    </message>
    <message>
        <source>Loop Times</source>
        <translation>Bcl. tours</translation>
    </message>
    <message>
        <source>Change %1 of Segment %2</source>
        <translation>Modifier %1 du segment %2</translation>
    </message>
</context>
<context>
    <name>SessionCheck</name>
    <message>
        <source>Light flashes at %1 Hz for %2 in segment %3: the range most likely to provoke seizures in people with photosensitive epilepsy</source>
        <translation>La lumière clignote à %1 Hz pendant %2 au segment %3&#xa0;: la plage la plus susceptible de provoquer des crises chez les personnes atteintes d’épilepsie photosensible</translation>
    </message>
    <message>
        <source>The light flashes at 3 to 30 Hz, the range that can provoke seizures, for %1 of the session</source>
        <translation>La lumière clignote entre 3 et 30 Hz, la plage qui peut provoquer des crises, pendant %1 de la séance</translation>
    </message>
    <message>
        <source>Loop at segment %1 overlaps the loop at segment %2</source>
        <translation>La boucle du segment %1 chevauche celle du segment %2</translation>
    </message>
    <message>
        <source>Loop at segment %1 runs past the last segment</source>
        <translation>La boucle du segment %1 dépasse le dernier segment</translation>
    </message>
    <message>
        <source>Loop at segment %1 is %2 segments long; the device takes 0 to 15</source>
        <translation>La boucle du segment %1 compte %2 segments&#xa0;; l’appareil en accepte de 0 à 15</translation>
    </message>
    <message>
        <source>Loop at segment %1 repeats %2 times; the device takes 0 to 15</source>
        <translation>La boucle du segment %1 se répète %2 fois&#xa0;; l’appareil accepte de 0 à 15</translation>
    </message>
    <message>
        <source>The session is silent from start to end: every segment&apos;s Volume is 0</source>
        <translation>La séance est muette du début à la fin&#xa0;: le volume de chaque segment est 0</translation>
    </message>
    <message>
        <source>The session is dark from start to end: every segment&apos;s Intensity is 0</source>
        <translation>La séance est sombre du début à la fin&#xa0;: l’intensité de chaque segment est 0</translation>
    </message>
    <message>
        <source>No problems</source>
        <translation>Aucun problème</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 erreur</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 erreurs</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 avertissement</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 avertissements</translation>
    </message>
</context>
<context>
    <name>SessionDescriptionDialog</name>
    <message>
        <source>Session Description</source>
        <translation>Description de la séance</translation>
    </message>
    <message>
        <source>Session description</source>
        <translation>Description de la séance</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>pas un fichier à importer&#xa0;: .sbg, .gnaural, .tsv ou .txt</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d’ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is larger than 16 MiB: no schedule is</source>
        <translation>%1 dépasse 16 Mio&#xa0;: aucun programme n’est si grand</translation>
    </message>
    <message>
        <source>bed %1 left out: the format keeps no sound under the tones</source>
        <translation>fond sonore %1 omis : le format ne garde aucun son sous les tons</translation>
    </message>
</context>
<context>
    <name>SessionFileReader</name>
    <message>
        <source>The file is larger than %1 MB, far larger than any session file.</source>
        <translation>Le fichier dépasse %1 Mo, bien plus que tout fichier de séance.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>The file holds a NUL byte; the text after it was not read.</source>
        <translation>Le fichier contient un octet NUL&#xa0;; le texte qui suit n’a pas été lu.</translation>
    </message>
    <message>
        <source>Format errors in file</source>
        <translation>Erreurs de format dans le fichier</translation>
    </message>
    <message>
        <source>The file holds more than %1 segments; only the first %1 were read.</source>
        <translation>Le fichier contient plus de %1 segments&#xa0;; seuls les %1 premiers ont été lus.</translation>
    </message>
    <message>
        <source>The file holds more than %1 description lines; only the first %1 were read.</source>
        <translation>Le fichier contient plus de %1 lignes de description&#xa0;; seules les %1 premières ont été lues.</translation>
    </message>
    <message>
        <source>%1 was read with format errors; saving replaces it with what could be read. Replace it?</source>
        <translation>%1 a été lu avec des erreurs de format&#xa0;; l’enregistrer le remplace par ce qui a pu être lu. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The beds of this session in %1 cannot be read, so it opens without them; saving leaves that file as it is. %2</source>
        <translation>Les fonds sonores de cette séance dans %1 ne peuvent pas être lus ; elle s&apos;ouvre donc sans eux, et l&apos;enregistrement laisse ce fichier tel quel. %2</translation>
    </message>
    <message>
        <source>Nothing in it reads as a session file.</source>
        <translation>Rien dans ce fichier ne se lit comme une séance.</translation>
    </message>
    <message>
        <source>the lines with format errors</source>
        <translation>les lignes comportant des erreurs de format</translation>
    </message>
    <message>
        <source>the segments after the first %1</source>
        <translation>les segments après les %1 premiers</translation>
    </message>
    <message>
        <source>the text after the NUL byte</source>
        <translation>le texte après l’octet NUL</translation>
    </message>
    <message>
        <source>the end of the name after %1 characters</source>
        <translation>la fin du nom après %1 caractères</translation>
    </message>
    <message>
        <source>the ends of description lines after %1 characters</source>
        <translation>la fin des lignes de description après %1 caractères</translation>
    </message>
    <message>
        <source>the description lines after the first %1</source>
        <translation>les lignes de description après les %1 premières</translation>
    </message>
    <message>
        <source>%1 was read with losses; saving replaces it with what could be read, without %2. Replace it?</source>
        <translation>%1 a été lu avec des pertes ; l’enregistrer le remplace par ce qui a pu être lu, sans %2. Le remplacer ?</translation>
    </message>
</context>
<context>
    <name>SessionFileWriter</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot; safely: no temporary file can be made in the folder %2 (%3). Save it under another name with File &gt; Save As.</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;» en sécurité&#xa0;: aucun fichier temporaire ne peut être créé dans le dossier %2 (%3). Enregistrez-le sous un autre nom avec Fichier &gt; Enregistrer sous.</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erreur d’écriture</translation>
    </message>
    <message>
        <source>The session was saved, but not its beds in &quot;%1&quot;. %2</source>
        <translation>La séance a été enregistrée, mais pas ses fonds sonores dans « %1 ». %2</translation>
    </message>
</context>
<context>
    <name>SessionFormats</name>
    <message>
        <source>Light/Sound Source (LSS)</source>
        <translation>Source lumière/son (LSS)</translation>
    </message>
    <message>
        <source>SBaGen schedules</source>
        <translation>Programmes SBaGen</translation>
    </message>
    <message>
        <source>Gnaural schedules</source>
        <translation>Programmes Gnaural</translation>
    </message>
    <message>
        <source>Cells as text</source>
        <translation>Cellules en texte</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Schedules and cells</source>
        <translation>Programmes et cellules</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n’a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>SessionGraph</name>
    <message>
        <source>Segment Graph of [%1]</source>
        <translation>Graphique par segments de [%1]</translation>
    </message>
    <message>
        <source>Time Graph of [%1]</source>
        <translation>Graphique par temps de [%1]</translation>
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
        <translation>vide</translation>
    </message>
</context>
<context>
    <name>SessionImport</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>segments %1–%2: %3</source>
        <translation>segments %1–%2 : %3</translation>
    </message>
</context>
<context>
    <name>SessionKindDialog</name>
    <message>
        <source>New Session Type</source>
        <translation>Type de la nouvelle séance</translation>
    </message>
    <message>
        <source>Pulsed/Binaural Beats</source>
        <translation>Pulsé/Battement binaural</translation>
    </message>
    <message>
        <source>Dual Binaural Beats</source>
        <translation>Double battement binaural</translation>
    </message>
    <message>
        <source>Pulsed tones or a binaural beat, with ramps</source>
        <translation>Sons pulsés ou un battement binaural, avec rampes</translation>
    </message>
    <message>
        <source>Two binaural beats at once, each with its own pitch</source>
        <translation>Deux battements binauraux, chacun à sa hauteur</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
</context>
<context>
    <name>SessionListingPrinter</name>
    <message>
        <source>I/O error while printing to &quot;%1&quot;. The printout was stopped.</source>
        <translation>Erreur d’entrée/sortie à l’impression vers «&#xa0;%1&#xa0;». L’impression a été arrêtée.</translation>
    </message>
</context>
<context>
    <name>SessionNameDialog</name>
    <message>
        <source>Enter Session Name</source>
        <translation>Nom de la séance</translation>
    </message>
    <message>
        <source>Session name</source>
        <translation>Nom de la séance</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>SessionProblemsDialog</name>
    <message>
        <source>No problems</source>
        <translation>Aucun problème</translation>
    </message>
    <message>
        <source>Check Session</source>
        <translation>Vérifier la séance</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>Enter or a click selects the problem&apos;s cell</source>
        <translation>Entrée ou un clic sélectionne la cellule du problème</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segment</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Séance</translation>
    </message>
</context>
<context>
    <name>SessionRecovery</name>
    <message>
        <source>The unsaved changes of the last session could not be read; they were kept in %1.</source>
        <translation>Les modifications non enregistrées de la dernière séance n’ont pas pu être lues&#xa0;; elles ont été conservées dans %1.</translation>
    </message>
    <message>
        <source>Mirandel closed without saving session %1. Restore the unsaved changes?</source>
        <translation>Mirandel s’est fermé sans enregistrer la séance %1. Restaurer les modifications non enregistrées&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SessionSheet</name>
    <message>
        <source>Row labels</source>
        <translation>Noms des lignes</translation>
    </message>
    <message>
        <source>Session table</source>
        <translation>Tableau de la séance</translation>
    </message>
    <message>
        <source>One column for each segment; the rows are its settings</source>
        <translation>Une colonne par segment&#xa0;; les lignes sont ses réglages</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>New Segment(N)</source>
        <translation>Nouv. segment(N)</translation>
    </message>
    <message>
        <source>Up(+)</source>
        <translation>Haut(+)</translation>
    </message>
    <message>
        <source>Down(-)</source>
        <translation>Bas(-)</translation>
    </message>
    <message>
        <source>Adds a segment after the last one (key N)</source>
        <translation>Ajoute un segment après le dernier (touche N)</translation>
    </message>
    <message>
        <source>Steps the selected cell to its next value (key +)</source>
        <translation>Passe la cellule sélectionnée à sa valeur suivante (touche +)</translation>
    </message>
    <message>
        <source>Steps the selected cell to its previous value (key -)</source>
        <translation>Passe la cellule sélectionnée à sa valeur précédente (touche -)</translation>
    </message>
    <message>
        <source>New Segment</source>
        <translation>Nouveau segment</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Durées</translation>
    </message>
    <message>
        <source>Times of the selected segment and of the whole session</source>
        <translation>Durées du segment sélectionné et de toute la séance</translation>
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
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It holds no sound.</source>
        <translation>Il ne contient aucun son.</translation>
    </message>
</context>
<context>
    <name>SplitSegment</name>
    <message>
        <source>Cannot split inside loop</source>
        <translation>Impossible de diviser dans une boucle</translation>
    </message>
    <message>
        <source>Max 1000 Segments</source>
        <translation>1000 segments au maximum</translation>
    </message>
    <message>
        <source>Segment %1 is too short to split</source>
        <translation>Le segment %1 est trop court pour être divisé</translation>
    </message>
    <message>
        <source>Split Segment</source>
        <translation>Diviser le segment</translation>
    </message>
    <message>
        <source>Split segment %1 into how many segments (2-%2)?</source>
        <translation>Diviser le segment %1 en combien de segments (2-%2) ?</translation>
    </message>
    <message>
        <source>Integer 2-%1 needed</source>
        <translation>Nombre entier de 2 à %1 requis</translation>
    </message>
    <message>
        <source>Split Segment %1</source>
        <translation>Diviser le segment %1</translation>
    </message>
</context>
<context>
    <name>SharedIniFile</name>
    <message>
        <source>another program holds %1</source>
        <translation>un autre programme détient %1</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>it holds lines that are no settings, which a rewrite would drop</source>
        <translation>il contient des lignes qui ne sont pas des réglages et qu’une réécriture perdrait</translation>
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
        <translation>Double battement binaural</translation>
    </message>
    <message>
        <source>Pulsed/Binaural Beats</source>
        <translation>Pulsé/Battement binaural</translation>
    </message>
    <message>
        <source>New from Template</source>
        <translation>Nouveau à partir d’un modèle</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Modèles</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Description of the template</source>
        <translation>Description du modèle</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renommer…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>Mirandel templates</source>
        <translation>Modèles de Mirandel</translation>
    </message>
    <message>
        <source>My templates</source>
        <translation>Mes modèles</translation>
    </message>
    <message>
        <source>Keep a session of your own here with File &gt; Save as Template.</source>
        <translation>Avec Fichier &gt; Enregistrer comme modèle, rangez ici une séance à vous.</translation>
    </message>
    <message>
        <source>2 beats</source>
        <translation>2 battements</translation>
    </message>
    <message>
        <source>&amp;Edit Description…</source>
        <translation>Modifier la &amp;description…</translation>
    </message>
</context>
<context>
    <name>TemplateLibrary</name>
    <message>
        <source>A template name has at most %1 characters.</source>
        <translation>Un nom de modèle compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>%1 is the name of a template that comes with Mirandel.</source>
        <translation>%1 est le nom d’un modèle fourni avec Mirandel.</translation>
    </message>
    <message>
        <source>There is a template named %1 already.</source>
        <translation>Il existe déjà un modèle nommé %1.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Save as Template</source>
        <translation>Enregistrer comme modèle</translation>
    </message>
    <message>
        <source>Name of the template:</source>
        <translation>Nom du modèle&#xa0;:</translation>
    </message>
    <message>
        <source>Replace your template %1?</source>
        <translation>Remplacer votre modèle %1&#xa0;?</translation>
    </message>
    <message>
        <source>Rename Template</source>
        <translation>Renommer le modèle</translation>
    </message>
    <message>
        <source>New name of the template:</source>
        <translation>Nouveau nom du modèle&#xa0;:</translation>
    </message>
    <message>
        <source>Delete your template %1?</source>
        <translation>Supprimer votre modèle %1&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>Impossible de supprimer %1</translation>
    </message>
    <message>
        <source>A template name holds no control characters such as a line break.</source>
        <translation>Un nom de modèle ne contient aucun caractère de contrôle tel qu’un saut de ligne.</translation>
    </message>
    <message>
        <source>A template name holds no / or \.</source>
        <translation>Un nom de modèle ne contient ni / ni \.</translation>
    </message>
    <message>
        <source>A template name does not start with a dot.</source>
        <translation>Un nom de modèle ne commence pas par un point.</translation>
    </message>
    <message>
        <source>Another program holds %1</source>
        <translation>Un autre programme détient %1</translation>
    </message>
</context>
<context>
    <name>TextNumbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>TextPaste</name>
    <message>
        <source>Line %1: %2 cells, 14 or 15 needed</source>
        <translation>Ligne %1&#xa0;: %2 cellules, 14 ou 15 requises</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Not pasted:
</source>
        <translation>Non collé&#xa0;:
</translation>
    </message>
    <message>
        <source>No segment lines in the text</source>
        <translation>Aucune ligne de segment dans le texte</translation>
    </message>
    <message>
        <source>Max 1000 Segments: %1 lines left out</source>
        <translation>1000 segments au maximum&#xa0;: %1 lignes omises</translation>
    </message>
    <message>
        <source>Paste Text at Segment %1</source>
        <translation>Coller du texte au segment %1</translation>
    </message>
    <message>
        <source>Segment %1 %2 &quot;%3&quot;: %4</source>
        <translation>Segment %1 %2 «&#xa0;%3&#xa0;»&#xa0;: %4</translation>
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
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>%1 to %2 Hz</source>
        <translation>%1 à %2 Hz</translation>
    </message>
    <message>
        <source>Segment %1</source>
        <translation>Segment %1</translation>
    </message>
    <message>
        <source>, pass %1 of %2</source>
        <translation>, tour %1 sur %2</translation>
    </message>
    <message>
        <source> at %1</source>
        <translation> à %1</translation>
    </message>
    <message>
        <source>beats %1 and %2</source>
        <translation>battements %1 et %2</translation>
    </message>
    <message>
        <source>beat %1</source>
        <translation>battement %1</translation>
    </message>
    <message>
        <source>: %1, time %2, pitch %3 Hz, volume %4, intensity %5, duty cycle %6, phase %7</source>
        <translation>&#xa0;: %1, durée %2, hauteur %3 Hz, volume %4, intensité %5, rapport cyclique %6, phase %7</translation>
    </message>
    <message>
        <source>%1 Hz  duty %2  %3</source>
        <translation>%1 Hz  rapp. cycl. %2  %3</translation>
    </message>
    <message>
        <source>Hz</source>
        <comment>lane name, at most about 40 pixels wide</comment>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>lane name, at most about 40 pixels wide</comment>
        <translation>Son</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>lane name, at most about 40 pixels wide</comment>
        <translation>Lum.</translation>
    </message>
</context>
<context>
    <name>TimelineView</name>
    <message>
        <source>Timeline</source>
        <translation>Chronologie</translation>
    </message>
    <message>
        <source>The session over time as it plays, loops repeated: the beat, the sound&apos;s pitch and volume, and the light. Left and Right select a segment, Up and Down step its selected value.</source>
        <translation>La séance dans le temps, telle qu’elle se joue, boucles répétées&#xa0;: le battement, la hauteur et le volume du son, et la lumière. Gauche et Droite sélectionnent un segment, Haut et Bas changent pas à pas sa valeur sélectionnée.</translation>
    </message>
    <message>
        <source>No session</source>
        <translation>Aucune séance</translation>
    </message>
</context>
<context>
    <name>TimelineWindow</name>
    <message>
        <source>Timeline</source>
        <translation>Chronologie</translation>
    </message>
    <message>
        <source>Timeline window</source>
        <translation>Fenêtre de la chronologie</translation>
    </message>
    <message>
        <source>Value under the pointer</source>
        <translation>Valeur sous le pointeur</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>A&amp;juster</translation>
    </message>
    <message>
        <source>Show the whole session</source>
        <translation>Afficher toute la séance</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Ctrl+Plus, or Ctrl and the mouse wheel</source>
        <translation>Ctrl+Plus, ou Ctrl et la molette de la souris</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Ctrl+Minus, or Ctrl and the mouse wheel</source>
        <translation>Ctrl+Moins, ou Ctrl et la molette de la souris</translation>
    </message>
    <message>
        <source>Time&amp;line</source>
        <translation>&amp;Chronologie</translation>
    </message>
    <message>
        <source>List steps</source>
        <translation>Pas de la liste</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Logarithmique</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>How the beat lane spaces frequencies: each list entry the same height, by ratio, or evenly</source>
        <translation>Comment la piste des battements répartit les fréquences : chaque entrée de la liste à même hauteur, par rapport constant ou régulièrement</translation>
    </message>
    <message>
        <source>&amp;Beat scale:</source>
        <translation>É&amp;chelle des battements :</translation>
    </message>
    <message>
        <source>Beat scale</source>
        <translation>Échelle des battements</translation>
    </message>
    <message>
        <source>Time shown</source>
        <translation>Temps affiché</translation>
    </message>
</context>
<context>
    <name>TimingSummary</name>
    <message>
        <source>Segment %1 start time %2:%3</source>
        <translation>Segment %1 début à %2:%3</translation>
    </message>
    <message>
        <source>Session total time %1:%2</source>
        <translation>Durée totale de la séance %1:%2</translation>
    </message>
</context>
<context>
    <name>ValueEntry</name>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>ValueMatching</name>
    <message>
        <source>dbb Ramp of segment 1 does not change</source>
        <translation>La rampe dbb du segment 1 ne change pas</translation>
    </message>
    <message>
        <source>Chord is empty unless the Tone is PCh</source>
        <translation>Accord reste vide sauf si le son est PCh</translation>
    </message>
    <message>
        <source>dbb Ramp is empty in a Pulsed/Binaural Beats session</source>
        <translation>La rampe dbb reste vide dans une séance «&#xa0;Pulsé/Battement binaural&#xa0;»</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>Time m:s takes minutes, seconds with s, or m:ss from %1 to %2</source>
        <translation>Durée m:s accepte des minutes, des secondes avec s ou m:ss de %1 à %2</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 accepte %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 accepte un nombre de %2 à %3</translation>
    </message>
    <message>
        <source> or %1 to %2</source>
        <translation> ou %1 à %2</translation>
    </message>
    <message>
        <source> or nothing</source>
        <translation> ou rien</translation>
    </message>
</context>
<context>
    <name>ValueStepping</name>
    <message>
        <source>Starting value not in list - step to desired value</source>
        <translation>Valeur de départ hors de la liste - avancez pas à pas jusqu’à la valeur voulue</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>%1 of Segment %2</source>
        <translation>%1 du segment %2</translation>
    </message>
    <message>
        <source>%1 of Segments %2-%3</source>
        <translation>%1 des segments %2-%3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a verb, then the cells it changes</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
</TS>
