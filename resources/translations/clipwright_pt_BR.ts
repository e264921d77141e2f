<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AddingFilesWindow</name>
    <message>
        <source>Installing File...</source>
        <translation>Adicionando arquivos...</translation>
    </message>
    <message>
        <source>Installing File...  </source>
        <translation>Adicionando arquivos...  </translation>
    </message>
</context>
<context>
    <name>BatchDesktopNotice</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1</source>
        <translation>Convertendo %1</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversão concluída</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed.</source>
        <translation>%1 convertidos, %2 com falha.</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 arquivo</translation>
    </message>
</context>
<context>
    <name>BatchPace</name>
    <message>
        <source>About %1 s left</source>
        <translation>Faltam cerca de %1 s</translation>
    </message>
    <message>
        <source>About %1 min left</source>
        <translation>Faltam cerca de %1 min</translation>
    </message>
    <message>
        <source>About %1 h %2 min left</source>
        <translation>Faltam cerca de %1 h %2 min</translation>
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
        <translation>Adicione à lista os arquivos de mídia que deseja converter.</translation>
    </message>
    <message>
        <source>These files could not be converted:

</source>
        <translation>Não foi possível converter estes arquivos:

</translation>
    </message>
    <message>
        <source>

The log file log.txt tells why.</source>
        <translation>

O arquivo de registro log.txt informa o motivo.</translation>
    </message>
</context>
<context>
    <name>CliConversion</name>
    <message>
        <source>unknown output type &quot;%1&quot; (see --list-types)</source>
        <translation>tipo de saída desconhecido &quot;%1&quot; (veja --list-types)</translation>
    </message>
    <message>
        <source>unknown quality or profile &quot;%1&quot; (see --list-profiles)</source>
        <translation>qualidade ou perfil desconhecido &quot;%1&quot; (veja --list-profiles)</translation>
    </message>
    <message>
        <source>no playable audio or video, or no duration</source>
        <translation>sem áudio ou vídeo reproduzível, ou sem duração</translation>
    </message>
    <message>
        <source>the output type gives no encoder command line</source>
        <translation>o tipo de saída não gera linha de comando para o codificador</translation>
    </message>
    <message>
        <source>the encoder wrote no output</source>
        <translation>o codificador não gravou nenhum arquivo de saída</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <source>clipwright-cli: %1
Try &apos;clipwright-cli --help&apos;.
</source>
        <translation>clipwright-cli: %1
Tente &apos;clipwright-cli --help&apos;.
</translation>
    </message>
    <message>
        <source>clipwright-cli: no file to convert
</source>
        <translation>clipwright-cli: nenhum arquivo para converter
</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>Usage: clipwright-cli [OPTIONS] FILE...
</source>
        <translation>Uso: clipwright-cli [OPÇÕES] ARQUIVO...
</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>a opção %1 precisa de um valor</translation>
    </message>
    <message>
        <source>--size-limit: &quot;%1&quot; is no size in MB above 0</source>
        <translation>--size-limit: &quot;%1&quot; não é um tamanho em MB acima de 0</translation>
    </message>
    <message>
        <source>option %1 needs a folder</source>
        <translation>a opção %1 precisa de uma pasta</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no time (hh:mm:ss or seconds)</source>
        <translation>%1: &quot;%2&quot; não é um tempo (hh:mm:ss ou segundos)</translation>
    </message>
    <message>
        <source>option --json takes no value</source>
        <translation>a opção --json não aceita valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>--start must come before --end</source>
        <translation>--start deve vir antes de --end</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>nenhum arquivo informado</translation>
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
        <translation>Converte arquivos de vídeo e áudio como a janela do Clipwright, sem janela.

  -t, --type TYPE        tipo de saída: seu número em --list-types ou seu nome curto;
                         padrão: o tipo com que a janela abre
  -q, --quality LEVEL    low, acceptable, normal, excellent, superb ou o nome de um
                         perfil próprio; padrão normal
  -o, --output DIR       pasta de saída; padrão: a pasta salva pela janela
      --start TIME       início do corte, hh:mm:ss ou segundos (padrão: o começo)
      --end TIME         fim do corte, hh:mm:ss ou segundos (padrão: o final)
      --size-limit MB    cada saída com no máximo MB megabytes (1048576 bytes): bitrates
                         menores, H.264 e H.265 em duas passadas; um arquivo que não
                         cabe falha antes da conversão
  -j, --jobs N           converter N arquivos ao mesmo tempo, ou auto: tantos quantos
                         mantenham os núcleos ocupados para o tipo de saída; padrão:
                         as &quot;Conversões simultâneas&quot; da janela (auto se não escolhido)
      --json             progresso e resultados como linhas JSON na saída padrão
      --list-types       lista os tipos de saída
      --list-profiles    lista os níveis de qualidade e os perfis próprios
      --version          mostra a versão
  -h, --help             mostra esta ajuda

Uma pasta representa os arquivos suportados dentro dela e de suas subpastas.
Status de saída: 0 tudo convertido, 1 alguma falha, 2 erro de uso ou nada a iniciar,
130 ou 143 parado por SIGINT ou SIGTERM.
</translation>
    </message>
</context>
<context>
    <name>ClipwrightApplication</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
</context>
<context>
    <name>CodecErrorDialog</name>
    <message>
        <source>Error Info</source>
        <translation>Informações do erro</translation>
    </message>
    <message>
        <source>Files reading error! Please check your files or install a new codec.You can click the link to download the lastest codec.</source>
        <translation>Erro ao ler os arquivos! Verifique os arquivos ou instale um novo codec. Clique no link para baixar o codec mais recente.</translation>
    </message>
</context>
<context>
    <name>CustomProfiles</name>
    <message>
        <source>Plese input a name</source>
        <translation>Digite um nome</translation>
    </message>
</context>
<context>
    <name>DesktopOpener</name>
    <message>
        <source>No program could open the folder &quot;%1&quot;. Install a file manager, or open it yourself.</source>
        <translation>Nenhum programa conseguiu abrir a pasta &quot;%1&quot;. Instale um gerenciador de arquivos ou abra-a você mesmo.</translation>
    </message>
    <message>
        <source>No program could open &quot;%1&quot;. Install a web browser, or open it yourself.</source>
        <translation>Nenhum programa conseguiu abrir &quot;%1&quot;. Instale um navegador da web ou abra-o você mesmo.</translation>
    </message>
</context>
<context>
    <name>JobBuilder</name>
    <message>
        <source>its cut from %1 to %2 holds nothing to convert; set the end after the start</source>
        <translation>seu recorte de %1 a %2 não contém nada para converter; coloque o fim depois do início</translation>
    </message>
</context>
<context>
    <name>JobFailure</name>
    <message>
        <source>the file&apos;s name cannot be passed to the RealMedia reader; rename it</source>
        <translation>o nome do arquivo não pode ser passado ao leitor de RealMedia; renomeie-o</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>About </source>
        <translation>Sobre o </translation>
    </message>
    <message>
        <source>&lt;p&gt;Home page: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Página inicial: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Support: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Suporte: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Ajuda (F1)</translation>
    </message>
    <message>
        <source>Output FileType:</source>
        <translation>Tipo de saída:</translation>
    </message>
    <message>
        <source>Profile Settings:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Output Folder:</source>
        <translation>Pasta de saída:</translation>
    </message>
    <message>
        <source>Shutdown computer when job is finished.</source>
        <translation>Desligar o computador ao terminar.</translation>
    </message>
    <message>
        <source>Show output directory when done</source>
        <translation>Mostrar a pasta de saída ao terminar</translation>
    </message>
    <message>
        <source>Click here to download the coder</source>
        <translation>Clique aqui para baixar o codec</translation>
    </message>
    <message>
        <source>Estimated output size</source>
        <translation>Tamanho de saída estimado</translation>
    </message>
    <message>
        <source>Clipwright did not close normally. Restore the %1 files of the last session?</source>
        <translation>O Clipwright não foi fechado corretamente. Restaurar os %1 arquivos da última sessão?</translation>
    </message>
    <message>
        <source>These files of the last session no longer exist and were left out:

</source>
        <translation>Estes arquivos da última sessão não existem mais e foram omitidos:

</translation>
    </message>
    <message>
        <source>Size limit:</source>
        <translation>Limite:</translation>
    </message>
    <message>
        <source>Each output ends at or below this size; longer clips get a lower bitrate.</source>
        <translation>Cada arquivo de saída fica neste tamanho ou abaixo; clipes mais longos recebem uma taxa de bits menor.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Video and audio for your phone</source>
        <translation>Vídeo e áudio para o seu celular</translation>
    </message>
    <message>
        <source>Drop files here or use Add Files. Tick the files to convert.</source>
        <translation>Solte arquivos aqui ou use Adicionar. Marque os que quer converter.</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>E-mail Support</source>
        <translation>Suporte por e-mail</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Output FileType</source>
        <translation>Tipo de saída</translation>
    </message>
    <message>
        <source>Profile Settings</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Browse for the output folder</source>
        <translation>Procurar a pasta de saída</translation>
    </message>
    <message>
        <source>Trim range</source>
        <translation>Intervalo de corte</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Posição da pré-visualização</translation>
    </message>
    <message>
        <source>Source files</source>
        <translation>Arquivos de origem</translation>
    </message>
</context>
<context>
    <name>MpvPreviewGraph</name>
    <message>
        <source>No preview: the player could not be started.</source>
        <translation>Sem pré-visualização: o reprodutor não pôde ser iniciado.</translation>
    </message>
    <message>
        <source>No preview: the libmpv library cannot be loaded.</source>
        <translation>Sem pré-visualização: a biblioteca libmpv não pode ser carregada.</translation>
    </message>
    <message>
        <source>This file cannot be previewed (%1).</source>
        <translation>Não é possível pré-visualizar este arquivo (%1).</translation>
    </message>
    <message>
        <source>This file cannot be previewed.</source>
        <translation>Não é possível pré-visualizar este arquivo.</translation>
    </message>
    <message>
        <source>Part of this file cannot be decoded, so it is not previewed.</source>
        <translation>Parte deste arquivo não pode ser decodificada, por isso não há pré-visualização.</translation>
    </message>
    <message>
        <source>This file cannot be previewed: none of its tracks decodes.</source>
        <translation>Não é possível pré-visualizar este arquivo: nenhuma faixa pode ser decodificada.</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Custom Profile:</source>
        <translation>Perfil próprio:</translation>
    </message>
    <message>
        <source>Custom Profile</source>
        <translation>Perfil próprio</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Opções avançadas</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Tamanho vídeo:</translation>
    </message>
    <message>
        <source>Video Bitrate(kbps):</source>
        <translation>Bitrate vídeo(kbps):</translation>
    </message>
    <message>
        <source>Frame Rate(fps):</source>
        <translation>Quadros(fps):</translation>
    </message>
    <message>
        <source>Aspect Ratio:</source>
        <translation>Proporção:</translation>
    </message>
    <message>
        <source>Audio Bitrate(kbps):</source>
        <translation>Bitrate áudio(kbps):</translation>
    </message>
    <message>
        <source>Audio Sample(khz):</source>
        <translation>Amostragem(kHz):</translation>
    </message>
    <message>
        <source>Audio Volume(%):</source>
        <translation>Volume(%):</translation>
    </message>
    <message>
        <source>Audio Channels:</source>
        <translation>Canais áudio:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Conversions at the same time:</source>
        <translation>Conversões simultâneas:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Conversions at the same time</source>
        <translation>Conversões simultâneas</translation>
    </message>
</context>
<context>
    <name>OutputFolderChooser</name>
    <message>
        <source>Please select output folder:</source>
        <translation>Selecione a pasta de saída:</translation>
    </message>
    <message>
        <source>This is a read-only path.</source>
        <translation>Este caminho é somente leitura.</translation>
    </message>
    <message>
        <source>The path is invalid.</source>
        <translation>O caminho é inválido.</translation>
    </message>
</context>
<context>
    <name>OutputSizeEstimate</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n arquivo</numerusform>
            <numerusform>%n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, about %2</source>
        <translation>%1, cerca de %2</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 arquivo</translation>
    </message>
</context>
<context>
    <name>PreviewPlayer</name>
    <message>
        <source>This file cannot be previewed.</source>
        <translation>Não é possível pré-visualizar este arquivo.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Converting</source>
        <translation>Convertendo</translation>
    </message>
    <message>
        <source>Please wait . . .</source>
        <translation>Aguarde . . .</translation>
    </message>
    <message>
        <source>Current Convert File:</source>
        <translation>Arquivo em conversão:</translation>
    </message>
    <message>
        <source>Total File:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Current File:</source>
        <translation>Arquivo atual:</translation>
    </message>
    <message>
        <source>Current: 1, Total: ...</source>
        <translation>Atual: 1, Total: ...</translation>
    </message>
    <message>
        <source>Current file pace</source>
        <translation>Ritmo do arquivo atual</translation>
    </message>
    <message>
        <source>Batch pace</source>
        <translation>Ritmo do lote</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Total File</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Current File</source>
        <translation>Arquivo atual</translation>
    </message>
    <message>
        <source>Current Convert File</source>
        <translation>Arquivo em conversão</translation>
    </message>
    <message>
        <source>Speed: %1    This file: %2 left</source>
        <translation>Velocidade: %1    Este arquivo: faltam %2</translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation>Decorrido: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to stop the work ? </source>
        <translation>Tem certeza de que deseja parar o trabalho? </translation>
    </message>
    <message>
        <source>Are you sure to stop processing ?</source>
        <translation>Tem certeza de que deseja parar o processamento?</translation>
    </message>
    <message>
        <source>Conversion %1 file</source>
        <translation>Arquivo da conversão %1</translation>
    </message>
    <message>
        <source>Conversion %1</source>
        <translation>Conversão %1</translation>
    </message>
</context>
<context>
    <name>ProgressRefresh</name>
    <message>
        <source>Current: %1 , Total: %2.</source>
        <translation>Atual: %1, Total: %2.</translation>
    </message>
    <message>
        <source>Installing convert information  </source>
        <translation>Preparando a conversão  </translation>
    </message>
    <message>
        <source>Converting  </source>
        <translation>Convertendo  </translation>
    </message>
    <message>
        <source>Current: 1, Total: %1</source>
        <translation>Atual: 1, Total: %1</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibitor</name>
    <message>
        <source>Playing a preview</source>
        <translation>Reproduzindo uma pré-visualização</translation>
    </message>
</context>
<context>
    <name>SizeLimit</name>
    <message>
        <source>%1 s cannot fit into %2: it leaves %3 kbit/s, below the lowest useful %4 kbit/s of %5</source>
        <translation>%1 s não cabem em %2: sobram %3 kbit/s, abaixo do mínimo útil de %4 kbit/s para %5</translation>
    </message>
    <message>
        <source>pictures and sound</source>
        <translation>imagem e som</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>som</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no size limit. Type a number of MB above 0, such as 25, or choose %2.</source>
        <translation>&quot;%1&quot; não é um limite de tamanho. Digite um número de MB acima de 0, como 25, ou escolha %2.</translation>
    </message>
</context>
<context>
    <name>SourceAdder</name>
    <message>
        <source>These could not be added:

</source>
        <translation>Não foi possível adicionar:

</translation>
    </message>
    <message>
        <source>not a supported file type</source>
        <translation>tipo de arquivo não suportado</translation>
    </message>
    <message>
        <source>a folder without supported files</source>
        <translation>uma pasta sem arquivos suportados</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>arquivo inexistente</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation>o nome não é UTF-8 válido</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... e mais %1.</translation>
    </message>
</context>
<context>
    <name>SourceListModel</name>
    <message>
        <source>Convert %1</source>
        <translation>Converter %1</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
</context>
<context>
    <name>SourceOpenDialog</name>
    <message>
        <source>Supported Files (%1)</source>
        <translation>Arquivos suportados (%1)</translation>
    </message>
    <message>
        <source>3GP Files (*.3gp) (*.3gp)</source>
        <translation>Arquivos 3GP (*.3gp) (*.3gp)</translation>
    </message>
    <message>
        <source>AVI Files (*.avi) (*.avi)</source>
        <translation>Arquivos AVI (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>ASF Files (*.asf) (*.asf)</source>
        <translation>Arquivos ASF (*.asf) (*.asf)</translation>
    </message>
    <message>
        <source>Flash Files (*.flv,swf) (*.flv *.swf)</source>
        <translation>Arquivos Flash (*.flv,swf) (*.flv *.swf)</translation>
    </message>
    <message>
        <source>MOV Files (*.mov) (*.mov)</source>
        <translation>Arquivos MOV (*.mov) (*.mov)</translation>
    </message>
    <message>
        <source>WMV Files (*.wmv) (*.wmv)</source>
        <translation>Arquivos WMV (*.wmv) (*.wmv)</translation>
    </message>
    <message>
        <source>MP4 File (*.mp4,*.m4v) (*.mp4 *.m4v)</source>
        <translation>Arquivos MP4 (*.mp4,*.m4v) (*.mp4 *.m4v)</translation>
    </message>
    <message>
        <source>MPEG Files (*.mpeg,*.mpg) (*.mpeg *.mpg)</source>
        <translation>Arquivos MPEG (*.mpeg,*.mpg) (*.mpeg *.mpg)</translation>
    </message>
    <message>
        <source>RM Files (*.rm,*.rmvb) (*.rm *.rmvb)</source>
        <translation>Arquivos RM (*.rm,*.rmvb) (*.rm *.rmvb)</translation>
    </message>
    <message>
        <source>Audio Files (*.mp3 *.m4a *.aac *.amr *.wav *.ogg *.oga *.opus *.flac *.wma)</source>
        <translation>Arquivos de áudio (*.mp3 *.m4a *.aac *.amr *.wav *.ogg *.oga *.opus *.flac *.wma)</translation>
    </message>
</context>
<context>
    <name>SourceRow</name>
    <message>
        <source>File Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Cut Time</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Video and audio for your phone</source>
        <translation>Vídeo e áudio para o seu celular</translation>
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
        <translation>&apos;%1&apos; não foi encontrado. Reinstale o programa.</translation>
    </message>
</context>
<context>
    <name>TrimStrip</name>
    <message>
        <source>Start Time</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fim</translation>
    </message>
</context>
<context>
    <name>VideoWindow</name>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
</context>
</TS>
