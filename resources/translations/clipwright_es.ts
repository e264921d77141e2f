<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AddingFilesWindow</name>
    <message>
        <source>Installing File...</source>
        <translation>Añadiendo archivos...</translation>
    </message>
    <message>
        <source>Installing File...  </source>
        <translation>Añadiendo archivos...  </translation>
    </message>
</context>
<context>
    <name>BatchDesktopNotice</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Convirtiendo %1</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversión terminada</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed.</source>
        <translation>%1 convertidos, %2 con error.</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
</context>
<context>
    <name>BatchPace</name>
    <message>
        <source>About %1 s left</source>
        <translation>Quedan unos %1 s</translation>
    </message>
    <message>
        <source>About %1 min left</source>
        <translation>Quedan unos %1 min</translation>
    </message>
    <message>
        <source>About %1 h %2 min left</source>
        <translation>Quedan unas %1 h %2 min</translation>
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
        <translation>Añada a la lista los archivos multimedia que quiera convertir.</translation>
    </message>
    <message>
        <source>These files could not be converted:

</source>
        <translation>No se pudieron convertir estos archivos:

</translation>
    </message>
    <message>
        <source>

The log file log.txt tells why.</source>
        <translation>

El archivo de registro log.txt indica el motivo.</translation>
    </message>
</context>
<context>
    <name>CliConversion</name>
    <message>
        <source>unknown output type &quot;%1&quot; (see --list-types)</source>
        <translation>tipo de salida desconocido «%1» (véase --list-types)</translation>
    </message>
    <message>
        <source>unknown quality or profile &quot;%1&quot; (see --list-profiles)</source>
        <translation>calidad o perfil desconocido «%1» (véase --list-profiles)</translation>
    </message>
    <message>
        <source>no playable audio or video, or no duration</source>
        <translation>sin audio ni vídeo reproducible, o sin duración</translation>
    </message>
    <message>
        <source>the output type gives no encoder command line</source>
        <translation>el tipo de salida no da ninguna línea de órdenes para el codificador</translation>
    </message>
    <message>
        <source>the encoder wrote no output</source>
        <translation>el codificador no escribió ningún archivo de salida</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>clipwright-cli: %1
Try &apos;clipwright-cli --help&apos;.
</source>
        <translation>clipwright-cli: %1
Pruebe &apos;clipwright-cli --help&apos;.
</translation>
    </message>
    <message>
        <source>clipwright-cli: no file to convert
</source>
        <translation>clipwright-cli: no hay ningún archivo que convertir
</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>Usage: clipwright-cli [OPTIONS] FILE...
</source>
        <translation>Uso: clipwright-cli [OPCIONES] ARCHIVO...
</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>--size-limit: &quot;%1&quot; is no size in MB above 0</source>
        <translation>--size-limit: &quot;%1&quot; no es un tamaño en MB mayor que 0</translation>
    </message>
    <message>
        <source>option %1 needs a folder</source>
        <translation>la opción %1 necesita una carpeta</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no time (hh:mm:ss or seconds)</source>
        <translation>%1: &quot;%2&quot; no es un tiempo (hh:mm:ss o segundos)</translation>
    </message>
    <message>
        <source>option --json takes no value</source>
        <translation>la opción --json no admite ningún valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>--start must come before --end</source>
        <translation>--start debe ser anterior a --end</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>no se indicó ningún archivo</translation>
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
        <translation>Convierte archivos de vídeo y audio como la ventana de Clipwright, sin ventana.

  -t, --type TYPE        tipo de salida: su número en --list-types o su nombre corto;
                         por defecto: el tipo con el que se abre la ventana
  -q, --quality LEVEL    low, acceptable, normal, excellent, superb o el nombre de un
                         perfil propio; por defecto normal
  -o, --output DIR       carpeta de salida; por defecto: la guardada por la ventana
      --start TIME       inicio del corte, hh:mm:ss o segundos (por defecto: el principio)
      --end TIME         fin del corte, hh:mm:ss o segundos (por defecto: el final)
      --size-limit MB    cada salida como máximo MB megabytes (1048576 bytes): bitrates
                         menores, H.264 y H.265 en dos pasadas; un archivo que no
                         cabe falla antes de convertirse
  -j, --jobs N           convertir N archivos a la vez, o auto: tantos como mantengan
                         ocupados los núcleos para el tipo de salida; por defecto:
                         las «Conversiones simultáneas» de la ventana (auto si no
                         se eligió)
      --json             progreso y resultados como líneas JSON en la salida estándar
      --list-types       lista los tipos de salida
      --list-profiles    lista los niveles de calidad y los perfiles propios
      --version          muestra la versión
  -h, --help             muestra esta ayuda

Una carpeta equivale a los archivos compatibles que contiene y a los de sus subcarpetas.
Estado de salida: 0 todo convertido, 1 alguno falló, 2 error de uso o nada que iniciar,
130 o 143 detenido por SIGINT o SIGTERM.
</translation>
    </message>
</context>
<context>
    <name>ClipwrightApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se produjo un error inesperado.</translation>
    </message>
</context>
<context>
    <name>CodecErrorDialog</name>
    <message>
        <source>Error Info</source>
        <translation>Información del error</translation>
    </message>
    <message>
        <source>Files reading error! Please check your files or install a new codec.You can click the link to download the lastest codec.</source>
        <translation>¡Error al leer los archivos! Compruebe los archivos o instale un códec nuevo. Puede hacer clic en el enlace para descargar el códec más reciente.</translation>
    </message>
</context>
<context>
    <name>CustomProfiles</name>
    <message>
        <source>Plese input a name</source>
        <translation>Escriba un nombre</translation>
    </message>
</context>
<context>
    <name>DesktopOpener</name>
    <message>
        <source>No program could open the folder &quot;%1&quot;. Install a file manager, or open it yourself.</source>
        <translation>Ningún programa pudo abrir la carpeta «%1». Instale un gestor de archivos o ábrala usted mismo.</translation>
    </message>
    <message>
        <source>No program could open &quot;%1&quot;. Install a web browser, or open it yourself.</source>
        <translation>Ningún programa pudo abrir «%1». Instale un navegador web o ábralo usted mismo.</translation>
    </message>
</context>
<context>
    <name>JobBuilder</name>
    <message>
        <source>its cut from %1 to %2 holds nothing to convert; set the end after the start</source>
        <translation>su recorte de %1 a %2 no contiene nada que convertir; ponga el fin después del inicio</translation>
    </message>
</context>
<context>
    <name>JobFailure</name>
    <message>
        <source>the file&apos;s name cannot be passed to the RealMedia reader; rename it</source>
        <translation>el nombre del archivo no se puede pasar al lector de RealMedia; cámbielo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>&lt;p&gt;Home page: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Sitio web: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Support: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Soporte: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Ayuda (F1)</translation>
    </message>
    <message>
        <source>Output FileType:</source>
        <translation>Tipo de salida:</translation>
    </message>
    <message>
        <source>Profile Settings:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Carpeta de salida:</translation>
    </message>
    <message>
        <source>Shutdown computer when job is finished.</source>
        <translation>Apagar el equipo al terminar.</translation>
    </message>
    <message>
        <source>Show output directory when done</source>
        <translation>Mostrar la carpeta de salida al terminar</translation>
    </message>
    <message>
        <source>Click here to download the coder</source>
        <translation>Haga clic aquí para descargar el códec</translation>
    </message>
    <message>
        <source>Estimated output size</source>
        <translation>Tamaño de salida estimado</translation>
    </message>
    <message>
        <source>Clipwright did not close normally. Restore the %1 files of the last session?</source>
        <translation>Clipwright no se cerró correctamente. ¿Restaurar los %1 archivos de la última sesión?</translation>
    </message>
    <message>
        <source>These files of the last session no longer exist and were left out:

</source>
        <translation>Estos archivos de la última sesión ya no existen y se omitieron:

</translation>
    </message>
    <message>
        <source>Size limit:</source>
        <translation>Límite:</translation>
    </message>
    <message>
        <source>Each output ends at or below this size; longer clips get a lower bitrate.</source>
        <translation>Cada archivo de salida queda en este tamaño o por debajo; los clips más largos reciben una tasa de bits menor.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Video and audio for your phone</source>
        <translation>Vídeo y audio para su teléfono</translation>
    </message>
    <message>
        <source>Drop files here or use Add Files. Tick the files to convert.</source>
        <translation>Arrastre archivos aquí o use Añadir. Marque los que quiera convertir.</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página de inicio</translation>
    </message>
    <message>
        <source>E-mail Support</source>
        <translation>Soporte por correo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Output FileType</source>
        <translation>Tipo de salida</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Buscar la carpeta de salida</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>Rango de recorte</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Posición de la vista previa</translation>
    </message>
    <message>
        <source>Source files</source>
        <translation>Archivos de origen</translation>
    </message>
</context>
<context>
    <name>MpvPreviewGraph</name>
    <message>
        <source>No preview: the player could not be started.</source>
        <translation>Sin vista previa: no se pudo iniciar el reproductor.</translation>
    </message>
    <message>
        <source>No preview: the libmpv library cannot be loaded.</source>
        <translation>Sin vista previa: no se puede cargar la biblioteca libmpv.</translation>
    </message>
    <message>
        <source>This file cannot be previewed (%1).</source>
        <translation>No se puede previsualizar este archivo (%1).</translation>
    </message>
    <message>
        <source>This file cannot be previewed.</source>
        <translation>No se puede previsualizar este archivo.</translation>
    </message>
    <message>
        <source>Part of this file cannot be decoded, so it is not previewed.</source>
        <translation>Parte de este archivo no se puede decodificar, así que no se previsualiza.</translation>
    </message>
    <message>
        <source>This file cannot be previewed: none of its tracks decodes.</source>
        <translation>No se puede previsualizar este archivo: ninguna de sus pistas se decodifica.</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Custom Profile:</source>
        <translation>Perfil propio:</translation>
    </message>
    <message>
        <source>Custom Profile</source>
        <translation>Perfil propio</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Opciones avanzadas</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Tamaño vídeo:</translation>
    </message>
    <message>
        <source>Video Bitrate(kbps):</source>
        <translation>Bitrate vídeo(kbps):</translation>
    </message>
    <message>
        <source>Frame Rate(fps):</source>
        <translation>Fotogramas(fps):</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proporción:</translation>
    </message>
    <message>
        <source>Audio Bitrate(kbps):</source>
        <translation>Bitrate audio(kbps):</translation>
    </message>
    <message>
        <source>Audio Sample(khz):</source>
        <translation>Muestreo(kHz):</translation>
    </message>
    <message>
        <source>Audio Volume(%):</source>
        <translation>Volumen(%):</translation>
    </message>
    <message>
        <source>Audio Channels:</source>
        <translation>Canales audio:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Conversions at the same time:</source>
        <translation>Conversiones simultáneas:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Conversions at the same time</source>
        <translation>Conversiones simultáneas</translation>
    </message>
</context>
<context>
    <name>OutputFolderChooser</name>
    <message>
        <source>Please select output folder:</source>
        <translation>Seleccione la carpeta de salida:</translation>
    </message>
    <message>
        <source>This is a read-only path.</source>
        <translation>Esta ruta es de solo lectura.</translation>
    </message>
    <message>
        <source>The path is invalid.</source>
        <translation>La ruta no es válida.</translation>
    </message>
</context>
<context>
    <name>OutputSizeEstimate</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, about %2</source>
        <translation>%1, unos %2</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
</context>
<context>
    <name>PreviewPlayer</name>
    <message>
        <source>This file cannot be previewed.</source>
        <translation>No se puede previsualizar este archivo.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>Please wait . . .</source>
        <translation>Espere, por favor . . .</translation>
    </message>
    <message>
        <source>Current Convert File:</source>
        <translation>Archivo en conversión:</translation>
    </message>
    <message>
        <source>Total File:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Current File:</source>
        <translation>Archivo actual:</translation>
    </message>
    <message>
        <source>Current: 1, Total: ...</source>
        <translation>Actual: 1, Total: ...</translation>
    </message>
    <message>
        <source>Current file pace</source>
        <translation>Ritmo del archivo actual</translation>
    </message>
    <message>
        <source>Batch pace</source>
        <translation>Ritmo del lote</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Total File</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Current File</source>
        <translation>Archivo actual</translation>
    </message>
    <message>
        <source>Current Convert File</source>
        <translation>Archivo en conversión</translation>
    </message>
    <message>
        <source>Speed: %1    This file: %2 left</source>
        <translation>Velocidad: %1    Este archivo: quedan %2</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Transcurrido: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to stop the work ? </source>
        <translation>¿Seguro que desea detener el trabajo? </translation>
    </message>
    <message>
        <source>Are you sure to stop processing ?</source>
        <translation>¿Seguro que desea detener el proceso?</translation>
    </message>
    <message>
        <source>Conversion %1 file</source>
        <translation>Archivo de la conversión %1</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Conversión %1</translation>
    </message>
</context>
<context>
    <name>ProgressRefresh</name>
    <message>
        <source>Current: %1 , Total: %2.</source>
        <translation>Actual: %1, Total: %2.</translation>
    </message>
    <message>
        <source>Installing convert information  </source>
        <translation>Preparando la conversión  </translation>
    </message>
    <message>
        <source>Converting  </source>
        <translation>Convirtiendo  </translation>
    </message>
    <message>
        <source>Current: 1, Total: %1</source>
        <translation>Actual: 1, Total: %1</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>Playing a preview</source>
        <translation>Reproduciendo una vista previa</translation>
    </message>
</context>
<context>
    <name>SizeLimit</name>
    <message>
        <source>%1 s cannot fit into %2: it leaves %3 kbit/s, below the lowest useful %4 kbit/s of %5</source>
        <translation>%1 s no caben en %2: quedan %3 kbit/s, por debajo de los %4 kbit/s mínimos útiles para %5</translation>
    </message>
    <message>
        <source>pictures and sound</source>
        <translation>imagen y sonido</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>sonido</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no size limit. Type a number of MB above 0, such as 25, or choose %2.</source>
        <translation>«%1» no es un límite de tamaño. Escriba un número de MB mayor que 0, como 25, o elija %2.</translation>
    </message>
</context>
<context>
    <name>SourceAdder</name>
    <message>
        <source>These could not be added:

</source>
        <translation>No se pudieron añadir:

</translation>
    </message>
    <message>
        <source>not a supported file type</source>
        <translation>tipo de archivo no admitido</translation>
    </message>
    <message>
        <source>a folder without supported files</source>
        <translation>una carpeta sin archivos admitidos</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation>el nombre no es UTF-8 válido</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
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
        <translation>Archivos compatibles (%1)</translation>
    </message>
    <message>
        <source>3GP Files (*.3gp) (*.3gp)</source>
        <translation>Archivos 3GP (*.3gp) (*.3gp)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi) (*.avi)</source>
        <translation>Archivos AVI (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>ASF Files (*.asf) (*.asf)</source>
        <translation>Archivos ASF (*.asf) (*.asf)</translation>
    </message>
    <message>
        <source>Flash Files (*.flv,swf) (*.flv *.swf)</source>
        <translation>Archivos Flash (*.flv,swf) (*.flv *.swf)</translation>
    </message>
    <message>
        <source>MOV Files (*.mov) (*.mov)</source>
        <translation>Archivos MOV (*.mov) (*.mov)</translation>
    </message>
    <message>
        <source>WMV Files (*.wmv) (*.wmv)</source>
        <translation>Archivos WMV (*.wmv) (*.wmv)</translation>
    </message>
    <message>
        <source>MP4 File (*.mp4,*.m4v) (*.mp4 *.m4v)</source>
        <translation>Archivos MP4 (*.mp4,*.m4v) (*.mp4 *.m4v)</translation>
    </message>
    <message>
        <source>MPEG Files (*.mpeg,*.mpg) (*.mpeg *.mpg)</source>
        <translation>Archivos MPEG (*.mpeg,*.mpg) (*.mpeg *.mpg)</translation>
    </message>
    <message>
        <source>RM Files (*.rm,*.rmvb) (*.rm *.rmvb)</source>
        <translation>Archivos RM (*.rm,*.rmvb) (*.rm *.rmvb)</translation>
    </message>
    <message>
        <source>Audio Files (*.mp3 *.m4a *.aac *.amr *.wav *.ogg *.oga *.opus *.flac *.wma)</source>
        <translation>Archivos de audio (*.mp3 *.m4a *.aac *.amr *.wav *.ogg *.oga *.opus *.flac *.wma)</translation>
    </message>
</context>
<context>
    <name>SourceRow</name>
    <message>
        <source>File Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Cut Time</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Video and audio for your phone</source>
        <translation>Vídeo y audio para su teléfono</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>&apos;%1&apos; is not found. Please reinstall this program.</source>
        <translation>No se encuentra &apos;%1&apos;. Vuelva a instalar el programa.</translation>
    </message>
</context>
<context>
    <name>TrimStrip</name>
    <message>
        <source>Start Time</source>
        <translation>Inicio</translation>
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
        <translation>Vista previa</translation>
    </message>
</context>
</TS>
