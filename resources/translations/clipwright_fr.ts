<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AddingFilesWindow</name>
    <message>
        <source>Installing File...</source>
        <translation>Ajout des fichiers...</translation>
    </message>
    <message>
        <source>Installing File...  </source>
        <translation>Ajout des fichiers...  </translation>
    </message>
</context>
<context>
    <name>BatchDesktopNotice</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Conversion de %1</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed.</source>
        <translation>%1 converti(s), %2 en échec.</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
</context>
<context>
    <name>BatchPace</name>
    <message>
        <source>About %1 s left</source>
        <translation>Environ %1 s restantes</translation>
    </message>
    <message>
        <source>About %1 min left</source>
        <translation>Environ %1 min restantes</translation>
    </message>
    <message>
        <source>About %1 h %2 min left</source>
        <translation>Environ %1 h %2 min restantes</translation>
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
        <translation>Ajoutez à la liste les fichiers multimédias à convertir.</translation>
    </message>
    <message>
        <source>These files could not be converted:

</source>
        <translation>Ces fichiers n&apos;ont pas pu être convertis :

</translation>
    </message>
    <message>
        <source>

The log file log.txt tells why.</source>
        <translation>

Le journal log.txt en indique la raison.</translation>
    </message>
</context>
<context>
    <name>CliConversion</name>
    <message>
        <source>unknown output type &quot;%1&quot; (see --list-types)</source>
        <translation>type de sortie inconnu « %1 » (voir --list-types)</translation>
    </message>
    <message>
        <source>unknown quality or profile &quot;%1&quot; (see --list-profiles)</source>
        <translation>qualité ou profil inconnu « %1 » (voir --list-profiles)</translation>
    </message>
    <message>
        <source>no playable audio or video, or no duration</source>
        <translation>ni son ni vidéo lisible, ou aucune durée</translation>
    </message>
    <message>
        <source>the output type gives no encoder command line</source>
        <translation>le type de sortie ne donne aucune ligne de commande pour l’encodeur</translation>
    </message>
    <message>
        <source>the encoder wrote no output</source>
        <translation>l’encodeur n’a écrit aucun fichier de sortie</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>clipwright-cli: %1
Try &apos;clipwright-cli --help&apos;.
</source>
        <translation>clipwright-cli : %1
Essayez &apos;clipwright-cli --help&apos;.
</translation>
    </message>
    <message>
        <source>clipwright-cli: no file to convert
</source>
        <translation>clipwright-cli : aucun fichier à convertir
</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>Usage: clipwright-cli [OPTIONS] FILE...
</source>
        <translation>Utilisation : clipwright-cli [OPTIONS] FICHIER...
</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
    <message>
        <source>--size-limit: &quot;%1&quot; is no size in MB above 0</source>
        <translation>--size-limit : « %1 » n&apos;est pas une taille en Mo supérieure à 0</translation>
    </message>
    <message>
        <source>option %1 needs a folder</source>
        <translation>l&apos;option %1 demande un dossier</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no time (hh:mm:ss or seconds)</source>
        <translation>%1 : « %2 » n&apos;est pas une durée (hh:mm:ss ou secondes)</translation>
    </message>
    <message>
        <source>option --json takes no value</source>
        <translation>l&apos;option --json ne prend pas de valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>--start must come before --end</source>
        <translation>--start doit précéder --end</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>aucun fichier indiqué</translation>
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
        <translation>Convertit des fichiers vidéo et audio comme la fenêtre de Clipwright, sans fenêtre.

  -t, --type TYPE        type de sortie : son numéro dans --list-types ou son nom court ;
                         par défaut : le type avec lequel la fenêtre démarre
  -q, --quality LEVEL    low, acceptable, normal, excellent, superb ou le nom d&apos;un
                         profil personnalisé ; par défaut normal
  -o, --output DIR       dossier de sortie ; par défaut : celui enregistré par la fenêtre
      --start TIME       début de la coupe, hh:mm:ss ou secondes (par défaut : le début)
      --end TIME         fin de la coupe, hh:mm:ss ou secondes (par défaut : la fin)
      --size-limit MB    chaque sortie fait au plus MB mégaoctets (1048576 octets) : débits
                         réduits, H.264 et H.265 en deux passes ; un fichier qui ne
                         peut pas tenir échoue avant la conversion
  -j, --jobs N           convertir N fichiers à la fois, ou auto : autant qu’il en
                         faut pour occuper les cœurs selon le type de sortie ; par
                         défaut : les « Conversions simultanées » de la fenêtre
                         (auto si rien n’est choisi)
      --json             progression et résultats en lignes JSON sur la sortie standard
      --list-types       liste les types de sortie
      --list-profiles    liste les niveaux de qualité et les profils personnalisés
      --version          affiche la version
  -h, --help             affiche cette aide

Un dossier désigne les fichiers pris en charge qu&apos;il contient, sous-dossiers compris.
Code de sortie : 0 tout converti, 1 des échecs, 2 erreur d&apos;utilisation ou rien à lancer,
130 ou 143 arrêté par SIGINT ou SIGTERM.
</translation>
    </message>
</context>
<context>
    <name>ClipwrightApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s&apos;est produite.</translation>
    </message>
</context>
<context>
    <name>CodecErrorDialog</name>
    <message>
        <source>Error Info</source>
        <translation>Détails de l&apos;erreur</translation>
    </message>
    <message>
        <source>Files reading error! Please check your files or install a new codec.You can click the link to download the lastest codec.</source>
        <translation>Erreur de lecture des fichiers ! Vérifiez vos fichiers ou installez un nouveau codec. Cliquez sur le lien pour télécharger le dernier codec.</translation>
    </message>
</context>
<context>
    <name>CustomProfiles</name>
    <message>
        <source>Plese input a name</source>
        <translation>Saisissez un nom</translation>
    </message>
</context>
<context>
    <name>DesktopOpener</name>
    <message>
        <source>No program could open the folder &quot;%1&quot;. Install a file manager, or open it yourself.</source>
        <translation>Aucun programme n’a pu ouvrir le dossier « %1 ». Installez un gestionnaire de fichiers ou ouvrez-le vous-même.</translation>
    </message>
    <message>
        <source>No program could open &quot;%1&quot;. Install a web browser, or open it yourself.</source>
        <translation>Aucun programme n’a pu ouvrir « %1 ». Installez un navigateur web ou ouvrez-le vous-même.</translation>
    </message>
</context>
<context>
    <name>JobBuilder</name>
    <message>
        <source>its cut from %1 to %2 holds nothing to convert; set the end after the start</source>
        <translation>son extrait de %1 à %2 ne contient rien à convertir ; placez la fin après le début</translation>
    </message>
</context>
<context>
    <name>JobFailure</name>
    <message>
        <source>the file&apos;s name cannot be passed to the RealMedia reader; rename it</source>
        <translation>le nom du fichier ne peut pas être transmis au lecteur RealMedia ; renommez-le</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>About </source>
        <translation>À propos de </translation>
    </message>
    <message>
        <source>&lt;p&gt;Home page: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Site web : %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Support: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Assistance : %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Aide (F1)</translation>
    </message>
    <message>
        <source>Output FileType:</source>
        <translation>Type de sortie :</translation>
    </message>
    <message>
        <source>Profile Settings:</source>
        <translation>Profil :</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Dossier de sortie :</translation>
    </message>
    <message>
        <source>Shutdown computer when job is finished.</source>
        <translation>Éteindre l&apos;ordinateur à la fin.</translation>
    </message>
    <message>
        <source>Show output directory when done</source>
        <translation>Afficher le dossier de sortie à la fin</translation>
    </message>
    <message>
        <source>Click here to download the coder</source>
        <translation>Cliquez ici pour télécharger le codec</translation>
    </message>
    <message>
        <source>Estimated output size</source>
        <translation>Taille de sortie estimée</translation>
    </message>
    <message>
        <source>Clipwright did not close normally. Restore the %1 files of the last session?</source>
        <translation>Clipwright ne s&apos;est pas fermé correctement. Restaurer les %1 fichiers de la dernière session ?</translation>
    </message>
    <message>
        <source>These files of the last session no longer exist and were left out:

</source>
        <translation>Ces fichiers de la dernière session n&apos;existent plus et ont été ignorés :

</translation>
    </message>
    <message>
        <source>Size limit:</source>
        <translation>Taille max. :</translation>
    </message>
    <message>
        <source>Each output ends at or below this size; longer clips get a lower bitrate.</source>
        <translation>Chaque fichier de sortie reste à cette taille ou en dessous ; les clips plus longs reçoivent un débit plus faible.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Video and audio for your phone</source>
        <translation>Vidéo et audio pour votre téléphone</translation>
    </message>
    <message>
        <source>Drop files here or use Add Files. Tick the files to convert.</source>
        <translation>Déposez des fichiers ici ou utilisez Ajouter. Cochez ceux à convertir.</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Page d’accueil</translation>
    </message>
    <message>
        <source>E-mail Support</source>
        <translation>Assistance par e-mail</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Output FileType</source>
        <translation>Type de sortie</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Parcourir pour choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>Plage de découpe</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Position de l’aperçu</translation>
    </message>
    <message>
        <source>Source files</source>
        <translation>Fichiers sources</translation>
    </message>
</context>
<context>
    <name>MpvPreviewGraph</name>
    <message>
        <source>No preview: the player could not be started.</source>
        <translation>Pas d&apos;aperçu : le lecteur n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>No preview: the libmpv library cannot be loaded.</source>
        <translation>Pas d&apos;aperçu : la bibliothèque libmpv ne peut pas être chargée.</translation>
    </message>
    <message>
        <source>This file cannot be previewed (%1).</source>
        <translation>Impossible d&apos;afficher l&apos;aperçu de ce fichier (%1).</translation>
    </message>
    <message>
        <source>This file cannot be previewed.</source>
        <translation>Impossible d&apos;afficher l&apos;aperçu de ce fichier.</translation>
    </message>
    <message>
        <source>Part of this file cannot be decoded, so it is not previewed.</source>
        <translation>Une partie de ce fichier ne peut pas être décodée : pas d&apos;aperçu.</translation>
    </message>
    <message>
        <source>This file cannot be previewed: none of its tracks decodes.</source>
        <translation>Impossible d&apos;afficher l&apos;aperçu : aucune piste ne peut être décodée.</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Custom Profile:</source>
        <translation>Profil perso. :</translation>
    </message>
    <message>
        <source>Custom Profile</source>
        <translation>Profil personnalisé</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Options avancées</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Taille vidéo :</translation>
    </message>
    <message>
        <source>Video Bitrate(kbps):</source>
        <translation>Débit vidéo(kbps) :</translation>
    </message>
    <message>
        <source>Frame Rate(fps):</source>
        <translation>Images/s(fps) :</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Format image :</translation>
    </message>
    <message>
        <source>Audio Bitrate(kbps):</source>
        <translation>Débit audio(kbps) :</translation>
    </message>
    <message>
        <source>Audio Sample(khz):</source>
        <translation>Échantillon.(kHz) :</translation>
    </message>
    <message>
        <source>Audio Volume(%):</source>
        <translation>Volume(%) :</translation>
    </message>
    <message>
        <source>Audio Channels:</source>
        <translation>Canaux audio :</translation>
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
        <source>Conversions at the same time:</source>
        <translation>Conversions simultanées :</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Conversions at the same time</source>
        <translation>Conversions simultanées</translation>
    </message>
</context>
<context>
    <name>OutputFolderChooser</name>
    <message>
        <source>Please select output folder:</source>
        <translation>Choisissez le dossier de sortie :</translation>
    </message>
    <message>
        <source>This is a read-only path.</source>
        <translation>Ce chemin est en lecture seule.</translation>
    </message>
    <message>
        <source>The path is invalid.</source>
        <translation>Le chemin n&apos;est pas valide.</translation>
    </message>
</context>
<context>
    <name>OutputSizeEstimate</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, about %2</source>
        <translation>%1, environ %2</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
</context>
<context>
    <name>PreviewPlayer</name>
    <message>
        <source>This file cannot be previewed.</source>
        <translation>Impossible d&apos;afficher l&apos;aperçu de ce fichier.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Please wait . . .</source>
        <translation>Veuillez patienter . . .</translation>
    </message>
    <message>
        <source>Current Convert File:</source>
        <translation>Fichier en cours :</translation>
    </message>
    <message>
        <source>Total File:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>Current File:</source>
        <translation>Fichier actuel :</translation>
    </message>
    <message>
        <source>Current: 1, Total: ...</source>
        <translation>Actuel : 1, total : ...</translation>
    </message>
    <message>
        <source>Current file pace</source>
        <translation>Rythme du fichier actuel</translation>
    </message>
    <message>
        <source>Batch pace</source>
        <translation>Rythme du lot</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Total File</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Current File</source>
        <translation>Fichier actuel</translation>
    </message>
    <message>
        <source>Current Convert File</source>
        <translation>Fichier en cours</translation>
    </message>
    <message>
        <source>Speed: %1    This file: %2 left</source>
        <translation>Vitesse : %1    Ce fichier : %2 restant</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Écoulé : %1</translation>
    </message>
    <message>
        <source>Are you sure you want to stop the work ? </source>
        <translation>Voulez-vous vraiment arrêter le travail ? </translation>
    </message>
    <message>
        <source>Are you sure to stop processing ?</source>
        <translation>Voulez-vous vraiment arrêter le traitement ?</translation>
    </message>
    <message>
        <source>Conversion %1 file</source>
        <translation>Fichier de la conversion %1</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Conversion %1</translation>
    </message>
</context>
<context>
    <name>ProgressRefresh</name>
    <message>
        <source>Current: %1 , Total: %2.</source>
        <translation>Actuel : %1, total : %2.</translation>
    </message>
    <message>
        <source>Installing convert information  </source>
        <translation>Préparation de la conversion  </translation>
    </message>
    <message>
        <source>Converting  </source>
        <translation>Conversion  </translation>
    </message>
    <message>
        <source>Current: 1, Total: %1</source>
        <translation>Actuel : 1, total : %1</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>Playing a preview</source>
        <translation>Lecture d&apos;un aperçu</translation>
    </message>
</context>
<context>
    <name>SizeLimit</name>
    <message>
        <source>%1 s cannot fit into %2: it leaves %3 kbit/s, below the lowest useful %4 kbit/s of %5</source>
        <translation>%1 s ne tiennent pas dans %2 : il reste %3 kbit/s, sous le minimum utile de %4 kbit/s pour %5</translation>
    </message>
    <message>
        <source>pictures and sound</source>
        <translation>l’image et le son</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>le son</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no size limit. Type a number of MB above 0, such as 25, or choose %2.</source>
        <translation>« %1 » n’est pas une taille maximale. Tapez un nombre de Mo supérieur à 0, par exemple 25, ou choisissez %2.</translation>
    </message>
</context>
<context>
    <name>SourceAdder</name>
    <message>
        <source>These could not be added:

</source>
        <translation>Impossible d&apos;ajouter :

</translation>
    </message>
    <message>
        <source>not a supported file type</source>
        <translation>type de fichier non pris en charge</translation>
    </message>
    <message>
        <source>a folder without supported files</source>
        <translation>un dossier sans fichier pris en charge</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation>le nom n’est pas de l’UTF-8 valide</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
</context>
<context>
    <name>SourceListModel</name>
    <message>
        <source>Convert %1</source>
        <translation>Convertir %1</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
</context>
<context>
    <name>SourceOpenDialog</name>
    <message>
        <source>Supported Files (%1)</source>
        <translation>Fichiers pris en charge (%1)</translation>
    </message>
    <message>
        <source>3GP Files (*.3gp) (*.3gp)</source>
        <translation>Fichiers 3GP (*.3gp) (*.3gp)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi) (*.avi)</source>
        <translation>Fichiers AVI (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>ASF Files (*.asf) (*.asf)</source>
        <translation>Fichiers ASF (*.asf) (*.asf)</translation>
    </message>
    <message>
        <source>Flash Files (*.flv,swf) (*.flv *.swf)</source>
        <translation>Fichiers Flash (*.flv,swf) (*.flv *.swf)</translation>
    </message>
    <message>
        <source>MOV Files (*.mov) (*.mov)</source>
        <translation>Fichiers MOV (*.mov) (*.mov)</translation>
    </message>
    <message>
        <source>WMV Files (*.wmv) (*.wmv)</source>
        <translation>Fichiers WMV (*.wmv) (*.wmv)</translation>
    </message>
    <message>
        <source>MP4 File (*.mp4,*.m4v) (*.mp4 *.m4v)</source>
        <translation>Fichiers MP4 (*.mp4,*.m4v) (*.mp4 *.m4v)</translation>
    </message>
    <message>
        <source>MPEG Files (*.mpeg,*.mpg) (*.mpeg *.mpg)</source>
        <translation>Fichiers MPEG (*.mpeg,*.mpg) (*.mpeg *.mpg)</translation>
    </message>
    <message>
        <source>RM Files (*.rm,*.rmvb) (*.rm *.rmvb)</source>
        <translation>Fichiers RM (*.rm,*.rmvb) (*.rm *.rmvb)</translation>
    </message>
    <message>
        <source>Audio Files (*.mp3 *.m4a *.aac *.amr *.wav *.ogg *.oga *.opus *.flac *.wma)</source>
        <translation>Fichiers audio (*.mp3 *.m4a *.aac *.amr *.wav *.ogg *.oga *.opus *.flac *.wma)</translation>
    </message>
</context>
<context>
    <name>SourceRow</name>
    <message>
        <source>File Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Cut Time</source>
        <translation>Extrait</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Taille sortie</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Video and audio for your phone</source>
        <translation>Vidéo et audio pour votre téléphone</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage...</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>&apos;%1&apos; is not found. Please reinstall this program.</source>
        <translation>« %1 » est introuvable. Réinstallez ce programme.</translation>
    </message>
</context>
<context>
    <name>TrimStrip</name>
    <message>
        <source>Start Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fin</translation>
    </message>
</context>
<context>
    <name>VideoWindow</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
</TS>
