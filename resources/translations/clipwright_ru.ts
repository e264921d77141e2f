<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AddingFilesWindow</name>
    <message>
        <source>Installing File...</source>
        <translation>Добавление файлов...</translation>
    </message>
    <message>
        <source>Installing File...  </source>
        <translation>Добавление файлов...  </translation>
    </message>
</context>
<context>
    <name>BatchDesktopNotice</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Конвертация: %1</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Конвертация завершена</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed.</source>
        <translation>Конвертировано: %1, с ошибкой: %2.</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 файл</translation>
    </message>
</context>
<context>
    <name>BatchPace</name>
    <message>
        <source>About %1 s left</source>
        <translation>Осталось около %1 с</translation>
    </message>
    <message>
        <source>About %1 min left</source>
        <translation>Осталось около %1 мин</translation>
    </message>
    <message>
        <source>About %1 h %2 min left</source>
        <translation>Осталось около %1 ч %2 мин</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>Please add media files you want to convert into the list.</source>
        <translation>Добавьте в список файлы, которые нужно конвертировать.</translation>
    </message>
    <message>
        <source>These files could not be converted:

</source>
        <translation>Не удалось конвертировать эти файлы:

</translation>
    </message>
    <message>
        <source>

The log file log.txt tells why.</source>
        <translation>

Причина указана в журнале log.txt.</translation>
    </message>
</context>
<context>
    <name>CliConversion</name>
    <message>
        <source>unknown output type &quot;%1&quot; (see --list-types)</source>
        <translation>неизвестный тип вывода «%1» (см. --list-types)</translation>
    </message>
    <message>
        <source>unknown quality or profile &quot;%1&quot; (see --list-profiles)</source>
        <translation>неизвестное качество или профиль «%1» (см. --list-profiles)</translation>
    </message>
    <message>
        <source>no playable audio or video, or no duration</source>
        <translation>нет воспроизводимого звука или видео либо длительности</translation>
    </message>
    <message>
        <source>the output type gives no encoder command line</source>
        <translation>для этого типа вывода нет командной строки кодировщика</translation>
    </message>
    <message>
        <source>the encoder wrote no output</source>
        <translation>кодировщик не записал выходной файл</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>clipwright-cli: %1
Try &apos;clipwright-cli --help&apos;.
</source>
        <translation>clipwright-cli: %1
Попробуйте &apos;clipwright-cli --help&apos;.
</translation>
    </message>
    <message>
        <source>clipwright-cli: no file to convert
</source>
        <translation>clipwright-cli: нет файлов для конвертации
</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>Usage: clipwright-cli [OPTIONS] FILE...
</source>
        <translation>Использование: clipwright-cli [ПАРАМЕТРЫ] ФАЙЛ...
</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>параметру %1 нужно значение</translation>
    </message>
    <message>
        <source>--size-limit: &quot;%1&quot; is no size in MB above 0</source>
        <translation>--size-limit: &quot;%1&quot; — не размер в МБ больше 0</translation>
    </message>
    <message>
        <source>option %1 needs a folder</source>
        <translation>параметру %1 нужна папка</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no time (hh:mm:ss or seconds)</source>
        <translation>%1: &quot;%2&quot; — не время (чч:мм:сс или секунды)</translation>
    </message>
    <message>
        <source>option --json takes no value</source>
        <translation>параметр --json не принимает значения</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>--start must come before --end</source>
        <translation>--start должно быть раньше --end</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>не указан файл</translation>
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
        <translation>Конвертирует видео- и аудиофайлы так же, как окно Clipwright, но без окна.

  -t, --type TYPE        тип вывода: его номер в --list-types или короткое имя;
                         по умолчанию: тип, с которым открывается окно
  -q, --quality LEVEL    low, acceptable, normal, excellent, superb или имя своего
                         профиля; по умолчанию normal
  -o, --output DIR       папка вывода; по умолчанию: сохранённая окном папка
      --start TIME       начало фрагмента, чч:мм:сс или секунды (по умолчанию: начало)
      --end TIME         конец фрагмента, чч:мм:сс или секунды (по умолчанию: конец)
      --size-limit MB    каждый результат не больше MB мегабайт (1048576 байт): ниже
                         битрейты, H.264 и H.265 в два прохода; файл, который не
                         помещается, отклоняется до конвертации
  -j, --jobs N           конвертировать N файлов одновременно или auto: столько,
                         сколько загрузит ядра для этого типа вывода; по умолчанию:
                         «Одновременных конвертаций» из окна (auto, если не выбрано)
      --json             ход работы и результаты строками JSON в стандартный вывод
      --list-types       список типов вывода
      --list-profiles    список уровней качества и своих профилей
      --version          показать версию
  -h, --help             показать эту справку

Папка означает все поддерживаемые файлы в ней и во вложенных папках.
Код выхода: 0 всё конвертировано, 1 были ошибки, 2 ошибка вызова или нечего делать,
130 или 143 остановлено сигналом SIGINT или SIGTERM.
</translation>
    </message>
</context>
<context>
    <name>ClipwrightApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Произошла непредвиденная ошибка.</translation>
    </message>
</context>
<context>
    <name>CodecErrorDialog</name>
    <message>
        <source>Error Info</source>
        <translation>Сведения об ошибке</translation>
    </message>
    <message>
        <source>Files reading error! Please check your files or install a new codec.You can click the link to download the lastest codec.</source>
        <translation>Ошибка чтения файлов! Проверьте файлы или установите новый кодек. Последний кодек можно скачать по ссылке.</translation>
    </message>
</context>
<context>
    <name>CustomProfiles</name>
    <message>
        <source>Plese input a name</source>
        <translation>Введите имя</translation>
    </message>
</context>
<context>
    <name>DesktopOpener</name>
    <message>
        <source>No program could open the folder &quot;%1&quot;. Install a file manager, or open it yourself.</source>
        <translation>Ни одна программа не смогла открыть папку «%1». Установите файловый менеджер или откройте её сами.</translation>
    </message>
    <message>
        <source>No program could open &quot;%1&quot;. Install a web browser, or open it yourself.</source>
        <translation>Ни одна программа не смогла открыть «%1». Установите веб-браузер или откройте его сами.</translation>
    </message>
</context>
<context>
    <name>JobBuilder</name>
    <message>
        <source>its cut from %1 to %2 holds nothing to convert; set the end after the start</source>
        <translation>его отрезок с %1 по %2 не содержит ничего для преобразования; поставьте конец после начала</translation>
    </message>
</context>
<context>
    <name>JobFailure</name>
    <message>
        <source>the file&apos;s name cannot be passed to the RealMedia reader; rename it</source>
        <translation>имя файла нельзя передать модулю чтения RealMedia; переименуйте файл</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>About </source>
        <translation>О программе </translation>
    </message>
    <message>
        <source>&lt;p&gt;Home page: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Сайт: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Support: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Поддержка: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Справка (F1)</translation>
    </message>
    <message>
        <source>Output FileType:</source>
        <translation>Тип файла:</translation>
    </message>
    <message>
        <source>Profile Settings:</source>
        <translation>Профиль:</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Папка вывода:</translation>
    </message>
    <message>
        <source>Shutdown computer when job is finished.</source>
        <translation>Выключить компьютер по окончании.</translation>
    </message>
    <message>
        <source>Show output directory when done</source>
        <translation>Показать папку вывода по окончании</translation>
    </message>
    <message>
        <source>Click here to download the coder</source>
        <translation>Нажмите здесь, чтобы скачать кодек</translation>
    </message>
    <message>
        <source>Estimated output size</source>
        <translation>Ожидаемый размер результата</translation>
    </message>
    <message>
        <source>Clipwright did not close normally. Restore the %1 files of the last session?</source>
        <translation>Clipwright был закрыт некорректно. Восстановить файлы последнего сеанса (%1)?</translation>
    </message>
    <message>
        <source>These files of the last session no longer exist and were left out:

</source>
        <translation>Эти файлы последнего сеанса больше не существуют и пропущены:

</translation>
    </message>
    <message>
        <source>Size limit:</source>
        <translation>Предел:</translation>
    </message>
    <message>
        <source>Each output ends at or below this size; longer clips get a lower bitrate.</source>
        <translation>Каждый выходной файл будет не больше этого размера; длинные клипы получат меньший битрейт.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Video and audio for your phone</source>
        <translation>Видео и звук для вашего телефона</translation>
    </message>
    <message>
        <source>Drop files here or use Add Files. Tick the files to convert.</source>
        <translation>Перетащите файлы сюда или нажмите «Добавить». Отметьте нужные.</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Конвертировать</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Домашняя страница</translation>
    </message>
    <message>
        <source>E-mail Support</source>
        <translation>Поддержка по почте</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Output FileType</source>
        <translation>Тип файла</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Папка вывода</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Выбрать папку вывода</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>Диапазон обрезки</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Позиция предпросмотра</translation>
    </message>
    <message>
        <source>Source files</source>
        <translation>Исходные файлы</translation>
    </message>
</context>
<context>
    <name>MpvPreviewGraph</name>
    <message>
        <source>No preview: the player could not be started.</source>
        <translation>Нет предпросмотра: не удалось запустить проигрыватель.</translation>
    </message>
    <message>
        <source>No preview: the libmpv library cannot be loaded.</source>
        <translation>Нет предпросмотра: не удаётся загрузить библиотеку libmpv.</translation>
    </message>
    <message>
        <source>This file cannot be previewed (%1).</source>
        <translation>Этот файл нельзя просмотреть (%1).</translation>
    </message>
    <message>
        <source>This file cannot be previewed.</source>
        <translation>Этот файл нельзя просмотреть.</translation>
    </message>
    <message>
        <source>Part of this file cannot be decoded, so it is not previewed.</source>
        <translation>Часть файла не декодируется, поэтому предпросмотр недоступен.</translation>
    </message>
    <message>
        <source>This file cannot be previewed: none of its tracks decodes.</source>
        <translation>Этот файл нельзя просмотреть: ни одна дорожка не декодируется.</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Custom Profile:</source>
        <translation>Свой профиль:</translation>
    </message>
    <message>
        <source>Custom Profile</source>
        <translation>Свой профиль</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Дополнительные параметры</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Размер видео:</translation>
    </message>
    <message>
        <source>Video Bitrate(kbps):</source>
        <translation>Битрейт видео:</translation>
    </message>
    <message>
        <source>Frame Rate(fps):</source>
        <translation>Частота кадров:</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Соотношение:</translation>
    </message>
    <message>
        <source>Audio Bitrate(kbps):</source>
        <translation>Битрейт звука:</translation>
    </message>
    <message>
        <source>Audio Sample(khz):</source>
        <translation>Дискретизация:</translation>
    </message>
    <message>
        <source>Audio Volume(%):</source>
        <translation>Громкость(%):</translation>
    </message>
    <message>
        <source>Audio Channels:</source>
        <translation>Каналы звука:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Conversions at the same time:</source>
        <translation>Одновременных конвертаций:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Conversions at the same time</source>
        <translation>Одновременных конвертаций</translation>
    </message>
</context>
<context>
    <name>OutputFolderChooser</name>
    <message>
        <source>Please select output folder:</source>
        <translation>Выберите папку вывода:</translation>
    </message>
    <message>
        <source>This is a read-only path.</source>
        <translation>Эта папка доступна только для чтения.</translation>
    </message>
    <message>
        <source>The path is invalid.</source>
        <translation>Недопустимый путь.</translation>
    </message>
</context>
<context>
    <name>OutputSizeEstimate</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, about %2</source>
        <translation>%1, около %2</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 файл</translation>
    </message>
</context>
<context>
    <name>PreviewPlayer</name>
    <message>
        <source>This file cannot be previewed.</source>
        <translation>Этот файл нельзя просмотреть.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Converting</source>
        <translation>Конвертация</translation>
    </message>
    <message>
        <source>Please wait . . .</source>
        <translation>Подождите . . .</translation>
    </message>
    <message>
        <source>Current Convert File:</source>
        <translation>Текущий файл:</translation>
    </message>
    <message>
        <source>Total File:</source>
        <translation>Всего:</translation>
    </message>
    <message>
        <source>Current File:</source>
        <translation>Этот файл:</translation>
    </message>
    <message>
        <source>Current: 1, Total: ...</source>
        <translation>Текущий: 1, всего: ...</translation>
    </message>
    <message>
        <source>Current file pace</source>
        <translation>Темп текущего файла</translation>
    </message>
    <message>
        <source>Batch pace</source>
        <translation>Темп всего списка</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Total File</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>Current File</source>
        <translation>Этот файл</translation>
    </message>
    <message>
        <source>Current Convert File</source>
        <translation>Текущий файл</translation>
    </message>
    <message>
        <source>Speed: %1    This file: %2 left</source>
        <translation>Скорость: %1    Этот файл: осталось %2</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Прошло: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to stop the work ? </source>
        <translation>Остановить работу? </translation>
    </message>
    <message>
        <source>Are you sure to stop processing ?</source>
        <translation>Остановить обработку?</translation>
    </message>
    <message>
        <source>Conversion %1 file</source>
        <translation>Файл конвертации %1</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Конвертация %1</translation>
    </message>
</context>
<context>
    <name>ProgressRefresh</name>
    <message>
        <source>Current: %1 , Total: %2.</source>
        <translation>Текущий: %1, всего: %2.</translation>
    </message>
    <message>
        <source>Installing convert information  </source>
        <translation>Подготовка конвертации  </translation>
    </message>
    <message>
        <source>Converting  </source>
        <translation>Конвертация  </translation>
    </message>
    <message>
        <source>Current: 1, Total: %1</source>
        <translation>Текущий: 1, всего: %1</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>Playing a preview</source>
        <translation>Воспроизведение предпросмотра</translation>
    </message>
</context>
<context>
    <name>SizeLimit</name>
    <message>
        <source>%1 s cannot fit into %2: it leaves %3 kbit/s, below the lowest useful %4 kbit/s of %5</source>
        <translation>%1 с не помещаются в %2: остаётся %3 кбит/с, меньше наименьших полезных %4 кбит/с для %5</translation>
    </message>
    <message>
        <source>pictures and sound</source>
        <translation>изображения и звука</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>звука</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no size limit. Type a number of MB above 0, such as 25, or choose %2.</source>
        <translation>«%1» — не предел размера. Введите число МБ больше 0, например 25, или выберите «%2».</translation>
    </message>
</context>
<context>
    <name>SourceAdder</name>
    <message>
        <source>These could not be added:

</source>
        <translation>Не удалось добавить:

</translation>
    </message>
    <message>
        <source>not a supported file type</source>
        <translation>неподдерживаемый тип файла</translation>
    </message>
    <message>
        <source>a folder without supported files</source>
        <translation>папка без поддерживаемых файлов</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>файл не найден</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation>имя не в корректной кодировке UTF-8</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... и ещё %1.</translation>
    </message>
</context>
<context>
    <name>SourceListModel</name>
    <message>
        <source>Convert %1</source>
        <translation>Конвертировать %1</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Конвертировать</translation>
    </message>
</context>
<context>
    <name>SourceOpenDialog</name>
    <message>
        <source>Supported Files (%1)</source>
        <translation>Поддерживаемые файлы (%1)</translation>
    </message>
    <message>
        <source>3GP Files (*.3gp) (*.3gp)</source>
        <translation>Файлы 3GP (*.3gp) (*.3gp)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi) (*.avi)</source>
        <translation>Файлы AVI (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>ASF Files (*.asf) (*.asf)</source>
        <translation>Файлы ASF (*.asf) (*.asf)</translation>
    </message>
    <message>
        <source>Flash Files (*.flv,swf) (*.flv *.swf)</source>
        <translation>Файлы Flash (*.flv,swf) (*.flv *.swf)</translation>
    </message>
    <message>
        <source>MOV Files (*.mov) (*.mov)</source>
        <translation>Файлы MOV (*.mov) (*.mov)</translation>
    </message>
    <message>
        <source>WMV Files (*.wmv) (*.wmv)</source>
        <translation>Файлы WMV (*.wmv) (*.wmv)</translation>
    </message>
    <message>
        <source>MP4 File (*.mp4,*.m4v) (*.mp4 *.m4v)</source>
        <translation>Файлы MP4 (*.mp4,*.m4v) (*.mp4 *.m4v)</translation>
    </message>
    <message>
        <source>MPEG Files (*.mpeg,*.mpg) (*.mpeg *.mpg)</source>
        <translation>Файлы MPEG (*.mpeg,*.mpg) (*.mpeg *.mpg)</translation>
    </message>
    <message>
        <source>RM Files (*.rm,*.rmvb) (*.rm *.rmvb)</source>
        <translation>Файлы RM (*.rm,*.rmvb) (*.rm *.rmvb)</translation>
    </message>
    <message>
        <source>Audio Files (*.mp3 *.m4a *.aac *.amr *.wav *.ogg *.oga *.opus *.flac *.wma)</source>
        <translation>Аудиофайлы (*.mp3 *.m4a *.aac *.amr *.wav *.ogg *.oga *.opus *.flac *.wma)</translation>
    </message>
</context>
<context>
    <name>SourceRow</name>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Cut Time</source>
        <translation>Отрезок</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длина</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Video and audio for your phone</source>
        <translation>Видео и звук для вашего телефона</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Запуск...</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>&apos;%1&apos; is not found. Please reinstall this program.</source>
        <translation>Не найден «%1». Переустановите программу.</translation>
    </message>
</context>
<context>
    <name>TrimStrip</name>
    <message>
        <source>Start Time</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Конец</translation>
    </message>
</context>
<context>
    <name>VideoWindow</name>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
</context>
</TS>
