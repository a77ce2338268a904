<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ClassSetupCommand</name>
    <message>
        <source>usage: vantorel --class-setup [--folder DIR] [--key KEY | --new-key]
                [--password-stdin | --no-password] [--lock yes|no]
                [--student-id account|ask] [--make-folders] [--print]
       vantorel --class-setup --check

Writes the classroom file (%1) from the values given, keeping the
existing file&apos;s values for those not given, then checks it and its class folder.

  --folder DIR        the class folder (an absolute path)
  --key KEY           the class key (at least 16 characters, the same on every seat)
  --new-key           a new random class key (a new file gets one anyway)
  --password-stdin    the instructor&apos;s password from standard input (asked twice on a
                      terminal, else its first line); the file keeps only its hash
  --no-password       the file gives no password
  --lock yes|no       whether the file&apos;s values override a user&apos;s own settings
  --student-id account|ask
                      the computer account&apos;s name, or an id each student types once
  --make-folders      makes the class folder&apos;s challenges/ and attempts/ when missing
  --print             writes the file&apos;s text to standard output instead of the file
  --check             only checks the existing file and its class folder

Exit status: 0 done and no problem found, 1 the check found a problem, 2 a wrong
option or value (nothing written), 3 the file could not be written (nothing changed).
</source>
        <translation>uso: vantorel --class-setup [--folder DIR] [--key KEY | --new-key]
            [--password-stdin | --no-password] [--lock yes|no]
            [--student-id account|ask] [--make-folders] [--print]
     vantorel --class-setup --check

Escribe el archivo de la clase (%1) con los valores indicados y conserva los
del archivo existente para los que no se indican; después comprueba el archivo
y su carpeta de la clase.

  --folder DIR        la carpeta de la clase (una ruta absoluta)
  --key KEY           la clave de la clase (al menos 16 caracteres, la misma en
                      todos los puestos)
  --new-key           una clave de la clase nueva y aleatoria (un archivo nuevo
                      recibe una de todos modos)
  --password-stdin    la contraseña del profesor desde la entrada estándar (en un
                      terminal se pide dos veces; si no, su primera línea); el
                      archivo solo guarda su hash
  --no-password       el archivo no fija ninguna contraseña
  --lock yes|no       si los valores del archivo prevalecen sobre los ajustes
                      propios de cada usuario
  --student-id account|ask
                      el nombre de la cuenta del ordenador, o un identificador que
                      cada alumno escribe una sola vez
  --make-folders      crea las carpetas challenges/ y attempts/ de la carpeta de
                      la clase si faltan
  --print             escribe el texto del archivo en la salida estándar en lugar
                      de en el archivo
  --check             solo comprueba el archivo existente y su carpeta de la clase

Estado de salida: 0 hecho y ningún problema encontrado, 1 la comprobación ha
encontrado un problema, 2 una opción o un valor incorrecto (no se ha escrito
nada), 3 no se ha podido escribir el archivo (no se ha cambiado nada).
</translation>
    </message>
    <message>
        <source>Try vantorel --class-setup --help.</source>
        <translation>Pruebe vantorel --class-setup --help.</translation>
    </message>
    <message>
        <source>the password is never given on the command line (others can see it there): use --password-stdin</source>
        <translation>la contraseña nunca se da en la línea de órdenes (otros pueden verla allí): use --password-stdin</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>--check stands alone: it checks the file as it is</source>
        <translation>--check va solo: comprueba el archivo tal como está</translation>
    </message>
    <message>
        <source>give --key or --new-key, not both</source>
        <translation>indique --key o --new-key, no ambos</translation>
    </message>
    <message>
        <source>give --password-stdin or --no-password, not both</source>
        <translation>indique --password-stdin o --no-password, no ambos</translation>
    </message>
    <message>
        <source>--lock takes yes or no, not &quot;%1&quot;</source>
        <translation>--lock admite yes o no, no «%1»</translation>
    </message>
    <message>
        <source>--student-id takes account or ask, not &quot;%1&quot;</source>
        <translation>--student-id admite account o ask, no «%1»</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; cannot be used (%2); it is written anew from the values given.</source>
        <translation>No se puede usar el archivo de la clase «%1» (%2); se escribe de nuevo con los valores indicados.</translation>
    </message>
    <message>
        <source>Instructor&apos;s password: </source>
        <translation>Contraseña del profesor: </translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>La misma otra vez: </translation>
    </message>
    <message>
        <source>no password was given on standard input</source>
        <translation>no se ha dado ninguna contraseña en la entrada estándar</translation>
    </message>
    <message>
        <source>Write it with vantorel --class-setup ... --print &gt; FILE and copy FILE there as the administrator.</source>
        <translation>Escríbalo con vantorel --class-setup ... --print &gt; FILE y copie FILE allí como administrador.</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; is written.</source>
        <translation>El archivo de la clase «%1» está escrito.</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Vantorel runs from the installed files in %1, where nothing can be saved.</source>
        <translation>Vantorel funciona con los archivos instalados en %1, donde no se puede guardar nada.</translation>
    </message>
    <message>
        <source>Vantorel could not make the folder %1 for its own copy of the data files.</source>
        <translation>Vantorel no ha podido crear la carpeta %1 para su propia copia de los archivos de datos.</translation>
    </message>
    <message>
        <source>Vantorel could not copy its data files to %1 (%2).</source>
        <translation>Vantorel no ha podido copiar sus archivos de datos a %1 (%2).</translation>
    </message>
    <message>
        <source>Vantorel could not bring its copy of the data files in %1 up to date (%2).<byte value="xd"/>
It goes on with the copy as it is.</source>
        <translation>Vantorel no ha podido actualizar su copia de los archivos de datos en %1 (%2).<byte value="xd"/>
Sigue con la copia tal como está.</translation>
    </message>
</context>
<context>
    <name>DragLabel</name>
    <message>
        <source>Connection point: Enter connects the instrument&apos;s terminal (channel A), 1 to 4 channels A to D.</source>
        <translation>Punto de medida: Intro conecta el borne del instrumento (canal A), 1 a 4 los canales A a D.</translation>
    </message>
</context>
<context>
    <name>MainTimer</name>
    <message>
        <source>The fuel tank ran dry and has been filled up again with 60 litres.</source>
        <translation>El depósito de combustible se ha quedado vacío y se ha vuelto a llenar con 60 litros.</translation>
    </message>
    <message>
        <source>%1 rev/m</source>
        <translation>%1 rpm</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 ltr</source>
        <translation>%1 l</translation>
    </message>
    <message>
        <source>%1 C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>%1 mph</source>
        <translation>%1 mph</translation>
    </message>
    <message>
        <source>%1 gal</source>
        <translation>%1 gal</translation>
    </message>
    <message>
        <source>%1 F</source>
        <translation>%1 °F</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>File not found: background.jpg</source>
        <translation>No se encuentra el archivo: background.jpg</translation>
    </message>
    <message>
        <source>Invalid picture: background.jpg</source>
        <translation>Imagen no válida: background.jpg</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>%1 (not trapped by its handler)</source>
        <translation>%1 (no interceptado por su gestor)</translation>
    </message>
    <message>
        <source>Internal error (not trapped by its handler)</source>
        <translation>Error interno (no interceptado por su gestor)</translation>
    </message>
    <message>
        <source>Run-time error. </source>
        <translation>Error en tiempo de ejecución. </translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Internal error: %1</source>
        <translation>Error interno: %1</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Error number: %1 - %2</source>
        <translation>Número de error: %1 - %2</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
</context>
<context>
    <name>QMdiSubWindow</name>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The stored settings could not be read, so the default settings are used.<byte value="xd"/>
A clean settings file is written when the program ends.</source>
        <translation>No se pudo leer la configuración guardada; se usa la configuración predeterminada.<byte value="xd"/>
Al cerrar el programa se escribe un archivo de configuración nuevo.</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Cargando, espere por favor...</translation>
    </message>
</context>
<context>
    <name>WebSite</name>
    <message>
        <source>Error number: %1 - %2: %3</source>
        <translation>Número de error: %1 - %2: %3</translation>
    </message>
    <message>
        <source>the file %1 is not a text file.</source>
        <translation>el archivo %1 no es un archivo de texto.</translation>
    </message>
    <message>
        <source>the first line of %1 is too long to be an address.</source>
        <translation>la primera línea de %1 es demasiado larga para ser una dirección.</translation>
    </message>
    <message>
        <source>the first line of %1 is not an address.</source>
        <translation>la primera línea de %1 no es una dirección.</translation>
    </message>
    <message>
        <source>the address in %1 is not a web page (http or https): %2</source>
        <translation>la dirección de %1 no es una página web (http o https): %2</translation>
    </message>
    <message>
        <source>the file %1 holds no address.</source>
        <translation>el archivo %1 no contiene ninguna dirección.</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>Path not found</source>
        <translation>No se encuentra la ruta</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a la ruta o al archivo</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Error de E/S del dispositivo</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is read-only</source>
        <translation>Error de acceso a la ruta o al archivo: %1 es de solo lectura</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is a link that leads round in a loop</source>
        <translation>Error de acceso a la ruta o al archivo: %1 es un enlace que da vueltas en círculo</translation>
    </message>
    <message>
        <source>Path/File access error: %1 is a link to a file that does not exist</source>
        <translation>Error de acceso a la ruta o al archivo: %1 es un enlace a un archivo que no existe</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encuentra el archivo</translation>
    </message>
    <message>
        <source>Path/File access error: the settings could not be written</source>
        <translation>Error de acceso a la ruta o al archivo: no se han podido escribir los ajustes</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>No se encuentra el archivo «%1».</translation>
    </message>
    <message>
        <source>The database engine could not open the file &apos;%1&apos;.</source>
        <translation>El motor de base de datos no ha podido abrir el archivo «%1».</translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;.</source>
        <translation>Formato de base de datos no reconocido «%1».</translation>
    </message>
    <message>
        <source>The table &apos;%1&apos; has no field &apos;%2&apos;.</source>
        <translation>La tabla «%1» no tiene el campo «%2».</translation>
    </message>
    <message>
        <source>No temporary folder can be written (%1).<byte value="xd"/>
The scanner&apos;s reports cannot be made until one can.</source>
        <translation>No se puede escribir en ninguna carpeta temporal (%1).<byte value="xd"/>
Los informes del escáner no se pueden crear hasta que se pueda.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>A training simulator for automotive electronics and fault diagnosis: a petrol engine with its engine-management unit, starting and charging systems, injectable faults and a combined test instrument.</source>
        <translation>Un simulador de formación en electrónica del automóvil y diagnóstico de averías: un motor de gasolina con su unidad de gestión del motor, los sistemas de arranque y de carga, averías que se pueden provocar y un instrumento de medida combinado.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;web&quot;&gt;Vantorel web page&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;web&quot;&gt;Página web de Vantorel&lt;/a&gt;</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>Información del sistema...</translation>
    </message>
    <message>
        <source>The Vantorel web page cannot be opened: %1</source>
        <translation>No se puede abrir la página web de Vantorel: %1</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>%1 (%2)</source>
        <comment>a button&apos;s tip and its shortcut</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Vantorel Help</source>
        <translation>Ayuda de Vantorel</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>a word in the guide</source>
        <translation>una palabra de la guía</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Found in:</source>
        <translation>Encontrado en:</translation>
    </message>
    <message>
        <source>Help pages</source>
        <translation>Páginas de ayuda</translation>
    </message>
    <message>
        <source>Pages found</source>
        <translation>Páginas encontradas</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>Contents:</source>
        <translation>Índice:</translation>
    </message>
    <message>
        <source>Back to the page before</source>
        <translation>Volver a la página anterior</translation>
    </message>
    <message>
        <source>Forward again</source>
        <translation>Otra vez adelante</translation>
    </message>
    <message>
        <source>The guide&apos;s contents</source>
        <translation>Índice de la guía</translation>
    </message>
    <message>
        <source>Find the text in every page</source>
        <translation>Buscar el texto en todas las páginas</translation>
    </message>
    <message>
        <source>This link of the guide leads nowhere in this version of the program: %1</source>
        <translation>Este enlace de la guía no lleva a ninguna parte en esta versión del programa: %1</translation>
    </message>
    <message>
        <source>Vantorel Help - %1</source>
        <translation>Ayuda de Vantorel - %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a page&apos;s title and the number of times the text is in it</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the guide.</source>
        <translation>«%1» no está en la guía.</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; found in %n page(s):</source>
        <translation>
            <numerusform>«%1» encontrado en %n página:</numerusform>
            <numerusform>«%1» encontrado en %n páginas:</numerusform>
        </translation>
    </message>
    <message>
        <source>File not found: the help guide %1</source>
        <translation>No se encuentra el archivo: la guía de ayuda %1</translation>
    </message>
</context>
<context>
    <name>frmMainscreen</name>
    <message>
        <source>Status...</source>
        <translation>Estado...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>Cerrar &amp;todas</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Login...</source>
        <translation>Iniciar sesión...</translation>
    </message>
    <message>
        <source>&amp;Start / Stop Engine</source>
        <translation>Arrancar / &amp;parar motor</translation>
    </message>
    <message>
        <source>&amp;Ignition On / Off</source>
        <translation>C&amp;ontacto sí / no</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Systems</source>
        <translation>&amp;Sistemas</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <translation>&amp;Mandos</translation>
    </message>
    <message>
        <source>&amp;Engine Management</source>
        <translation>&amp;Gestión del motor</translation>
    </message>
    <message>
        <source>Chargin&amp;g</source>
        <translation>&amp;Carga</translation>
    </message>
    <message>
        <source>&amp;Starting</source>
        <translation>&amp;Arranque</translation>
    </message>
    <message>
        <source>Instr&amp;uments</source>
        <translation>&amp;Instrumentos</translation>
    </message>
    <message>
        <source>&amp;Trip Computer</source>
        <translation>&amp;Ordenador de a bordo</translation>
    </message>
    <message>
        <source>Set Faults...</source>
        <translation>Provocar averías...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;MultiScope</source>
        <translation>&amp;MultiScope</translation>
    </message>
    <message>
        <source>S&amp;canner</source>
        <translation>&amp;Escáner</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Imágenes</translation>
    </message>
    <message>
        <source>&amp;Telemetry</source>
        <translation>&amp;Telemetría</translation>
    </message>
    <message>
        <source>Connect P&amp;robe...</source>
        <translation>Conectar &amp;sonda...</translation>
    </message>
    <message>
        <source>&amp;Diagnostics</source>
        <translation>&amp;Diagnóstico</translation>
    </message>
    <message>
        <source>Memory M&amp;aps</source>
        <translation>Ma&amp;pas de memoria</translation>
    </message>
    <message>
        <source>&amp;Fill Tank</source>
        <translation>&amp;Llenar el depósito</translation>
    </message>
    <message>
        <source>&amp;User Details</source>
        <translation>Datos del &amp;usuario</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>C&amp;hallenges...</source>
        <translation>&amp;Retos...</translation>
    </message>
    <message>
        <source>C&amp;lass Dashboard...</source>
        <translation>Panel de la &amp;clase...</translation>
    </message>
    <message>
        <source>&amp;Set Up Class...</source>
        <translation>Confi&amp;gurar clase...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Tip Of The Day</source>
        <translation>&amp;Consejo del día</translation>
    </message>
    <message>
        <source>ZR Web Site</source>
        <translation>Sitio web de ZR</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de Vantorel</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Close Current Window</source>
        <translation>Cerrar la ventana actual</translation>
    </message>
    <message>
        <source>Close All Windows</source>
        <translation>Cerrar todas las ventanas</translation>
    </message>
    <message>
        <source>Start / Stop Engine</source>
        <translation>Arrancar / parar motor</translation>
    </message>
    <message>
        <source>Increase Engine Speed</source>
        <translation>Subir el régimen del motor</translation>
    </message>
    <message>
        <source>Throttle on</source>
        <translation>Acelerar</translation>
    </message>
    <message>
        <source>Change up a gear</source>
        <translation>Subir una marcha</translation>
    </message>
    <message>
        <source>Change down a gear</source>
        <translation>Bajar una marcha</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Arrancar</translation>
    </message>
    <message>
        <source>Ignition/Starter</source>
        <translation>Contacto/motor de arranque</translation>
    </message>
    <message>
        <source>Diag</source>
        <translation>Diagn.</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Osciloscopio</translation>
    </message>
    <message>
        <source>Telem</source>
        <translation>Telem.</translation>
    </message>
    <message>
        <source>Telemetry</source>
        <translation>Telemetría</translation>
    </message>
    <message>
        <source>No windows open</source>
        <translation>No hay ventanas abiertas</translation>
    </message>
    <message>
        <source>Ready...</source>
        <translation>Listo...</translation>
    </message>
    <message>
        <source>Click OK to print the current diagnostic routine...</source>
        <translation>Pulse Aceptar para imprimir la rutina de diagnóstico actual...</translation>
    </message>
    <message>
        <source>You must open a window to print...</source>
        <translation>Debe abrir una ventana para imprimir...</translation>
    </message>
    <message>
        <source>Click OK to print a copy of the window:  %1... </source>
        <translation>Pulse Aceptar para imprimir una copia de la ventana:  %1... </translation>
    </message>
    <message>
        <source>The Vantorel web page cannot be named: %1</source>
        <translation>No se puede indicar la página web de Vantorel: %1</translation>
    </message>
    <message>
        <source>Visit the Vantorel web page for updates and information: %1</source>
        <translation>Visite la página web de Vantorel para obtener actualizaciones e información: %1</translation>
    </message>
    <message>
        <source>The active window is &apos;%1&apos;<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>La ventana activa es «%1»<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Select system and diagnostic routine...</source>
        <translation>Seleccione el sistema y la rutina de diagnóstico...</translation>
    </message>
    <message>
        <source>Fuel tank filled up, thank you for your custom!</source>
        <translation>Depósito lleno, ¡gracias por su visita!</translation>
    </message>
    <message>
        <source>The web page could not be opened here: no web browser is set up to open it.<byte value="xd"/><byte value="xd"/>Its address is: %1</source>
        <translation>No se ha podido abrir aquí la página web: no hay ningún navegador configurado para abrirla.<byte value="xd"/><byte value="xd"/>Su dirección es: %1</translation>
    </message>
    <message>
        <source>The Vantorel web page cannot be opened: %1</source>
        <translation>No se puede abrir la página web de Vantorel: %1</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>No se encuentra el archivo: %1</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Engine management and fault diagnosis trainer</source>
        <translation>Entrenador de gestión del motor y diagnóstico de averías</translation>
    </message>
    <message>
        <source>for Linux</source>
        <translation>para Linux</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>The translation file %1 could not be read: Vantorel speaks English.</source>
        <translation>No se pudo leer el archivo de traducción %1: Vantorel se muestra en inglés.</translation>
    </message>
</context>
<context>
    <name>sim::Catalogue</name>
    <message>
        <source>Engine speed</source>
        <translation>Régimen del motor</translation>
    </message>
    <message>
        <source>Engine load %</source>
        <translation>Carga del motor %</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>System voltage</source>
        <translation>Tensión del sistema</translation>
    </message>
    <message>
        <source>Lambda</source>
        <translation>Lambda</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Picado</translation>
    </message>
    <message>
        <source>Ignition coil dwell %</source>
        <translation>Tiempo de carga de la bobina %</translation>
    </message>
    <message>
        <source>Fuel injector ms</source>
        <translation>Inyector ms</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Bomba de combustible</translation>
    </message>
    <message>
        <source>Pressure regulator</source>
        <translation>Regulador de presión</translation>
    </message>
    <message>
        <source>Spark timing BTDC</source>
        <translation>Avance de encendido APMS</translation>
    </message>
    <message>
        <source>Starter switch</source>
        <translation>Interruptor de arranque</translation>
    </message>
    <message>
        <source>Starter supply</source>
        <translation>Alimentación del motor de arranque</translation>
    </message>
    <message>
        <source>Starter earth</source>
        <translation>Masa del motor de arranque</translation>
    </message>
    <message>
        <source>Starter speed</source>
        <translation>Régimen del motor de arranque</translation>
    </message>
    <message>
        <source>Charge warning light</source>
        <translation>Testigo de carga</translation>
    </message>
    <message>
        <source>Alternator speed</source>
        <translation>Régimen del alternador</translation>
    </message>
    <message>
        <source>Alternator earth</source>
        <translation>Masa del alternador</translation>
    </message>
    <message>
        <source>No fuel spray pattern from injectors..</source>
        <translation>Los inyectores no pulverizan combustible..</translation>
    </message>
    <message>
        <source>No fuel from pump..</source>
        <translation>La bomba no da combustible..</translation>
    </message>
    <message>
        <source>Fuel pressure is low...</source>
        <translation>La presión de combustible es baja...</translation>
    </message>
    <message>
        <source>Fuel pressure is high...</source>
        <translation>La presión de combustible es alta...</translation>
    </message>
    <message>
        <source>ECU picture</source>
        <translation>imagen de la ECU</translation>
    </message>
    <message>
        <source>engine window</source>
        <translation>ventana Gestión del motor</translation>
    </message>
    <message>
        <source>starting window</source>
        <translation>ventana Arranque</translation>
    </message>
    <message>
        <source>charging window</source>
        <translation>ventana Carga</translation>
    </message>
    <message>
        <source>at the ECU pin</source>
        <translation>en el pin de la ECU</translation>
    </message>
    <message>
        <source>on the wire at the sensor</source>
        <translation>en el cable junto al sensor</translation>
    </message>
    <message>
        <source>on the wire at the actuator</source>
        <translation>en el cable junto al actuador</translation>
    </message>
    <message>
        <source>test point %1</source>
        <translation>punto de medida %1</translation>
    </message>
    <message>
        <source>at the part</source>
        <translation>en la pieza</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>sim::Engine</name>
    <message>
        <source>Ready...</source>
        <translation>Listo...</translation>
    </message>
    <message>
        <source>Auto run is only available when the engine has been started...</source>
        <translation>La marcha automática solo está disponible con el motor arrancado...</translation>
    </message>
    <message>
        <source>Engine stopped...</source>
        <translation>Motor parado...</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>load %1 %</source>
        <translation>carga %1 %</translation>
    </message>
    <message>
        <source>%1: the cell in row %2, column Speed %3 (%4, %5 rev/min)</source>
        <translation>%1: la celda de la fila %2, columna Régimen %3 (%4, %5 rpm)</translation>
    </message>
    <message>
        <source>The lookup data is not loaded</source>
        <translation>Los datos de los mapas no están cargados</translation>
    </message>
    <message>
        <source>%1 holds no data</source>
        <translation>%1 no contiene datos</translation>
    </message>
    <message>
        <source>%1 has no row %2 (%3)</source>
        <translation>%1 no tiene la fila %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vacía</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a number</source>
        <translation>%1 contiene «%2», que no es un número</translation>
    </message>
    <message>
        <source>%1 holds %2, which is below %3</source>
        <translation>%1 contiene %2, que es menos de %3</translation>
    </message>
    <message>
        <source>%1 holds %2, which is far out of range</source>
        <translation>%1 contiene %2, que está muy fuera de rango</translation>
    </message>
    <message>
        <source>%1, please edit the lookup data... </source>
        <translation>%1, edite los datos de los mapas... </translation>
    </message>
    <message>
        <source>Full load enrichment applied...</source>
        <translation>Enriquecimiento a plena carga aplicado...</translation>
    </message>
    <message>
        <source>CAUTION ENGINE REVS RED LINED - Limiter cuts in at 7000rev/min...</source>
        <translation>ATENCIÓN RÉGIMEN DEL MOTOR EN ZONA ROJA - El limitador actúa a 7000 rpm...</translation>
    </message>
    <message>
        <source>Overrun fuel cut-off...</source>
        <translation>Corte de inyección en retención...</translation>
    </message>
    <message>
        <source>Engine idle speed controlled...</source>
        <translation>Ralentí regulado...</translation>
    </message>
    <message>
        <source>Engine is stationary - coil switched off...</source>
        <translation>El motor está parado - bobina desconectada...</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>knock</comment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <comment>knock</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>Engine knocked - Timing was retarded...</source>
        <translation>El motor ha picado - se ha retrasado el encendido...</translation>
    </message>
    <message>
        <source>Warning, engine is knocking...</source>
        <translation>Atención, el motor tiene picado...</translation>
    </message>
    <message>
        <source>Warning, exhaust gases are out of range...</source>
        <translation>Atención, los gases de escape están fuera de rango...</translation>
    </message>
    <message>
        <source>Collect system data - Error number: %1 - %2<byte value="xd"/>
<byte value="xd"/>
Check that the path is set to your work area (Tools, Options and click &apos;Set path&apos;)...</source>
        <translation>Recoger datos del sistema - Número de error: %1 - %2<byte value="xd"/>
<byte value="xd"/>
Compruebe que la ruta apunta a su área de trabajo (Herramientas, Opciones y pulse «Fijar ruta»)...</translation>
    </message>
    <message>
        <source>Critical fault condition...</source>
        <translation>Estado de avería crítica...</translation>
    </message>
    <message>
        <source>Timing of %1 degrees BTDC is too far advanced, please edit the lookup data... </source>
        <translation>Un avance de %1 grados APMS es excesivo, edite los datos de los mapas... </translation>
    </message>
    <message>
        <source>Dwell percentage %1 % is too high, please edit the lookup data... </source>
        <translation>Un tiempo de carga del %1 % es demasiado alto, edite los datos de los mapas... </translation>
    </message>
    <message>
        <source>Injection quantity %1 ms is incorrect, please edit the lookup data... </source>
        <translation>Un tiempo de inyección de %1 ms es incorrecto, edite los datos de los mapas... </translation>
    </message>
</context>
<context>
    <name>sim::StartSequence</name>
    <message>
        <source>Engine is ready to start...</source>
        <translation>El motor está listo para arrancar...</translation>
    </message>
    <message>
        <source>Cranking position...</source>
        <translation>Posición de arranque...</translation>
    </message>
    <message>
        <source>Engine not cranking fast enough to start...</source>
        <translation>El motor no gira lo bastante rápido para arrancar...</translation>
    </message>
    <message>
        <source>There is a fault present. Click OK to keep the engine cranking for faultfinding...<byte value="xd"/>
<byte value="xd"/>
Click ignition key again after tests are complete. </source>
        <translation>Hay una avería. Pulse Aceptar para que el motor de arranque siga girando el motor para buscar la avería...<byte value="xd"/>
<byte value="xd"/>
Pulse de nuevo la llave de contacto cuando termine las pruebas. </translation>
    </message>
    <message>
        <source>Engine is running...</source>
        <translation>El motor está en marcha...</translation>
    </message>
    <message>
        <source>Engine cranking for testing...</source>
        <translation>El motor gira con el motor de arranque para las pruebas...</translation>
    </message>
    <message>
        <source>Engine stopped...</source>
        <translation>Motor parado...</translation>
    </message>
    <message>
        <source>Ready...</source>
        <translation>Listo...</translation>
    </message>
</context>
<context>
    <name>sim::Trip</name>
    <message>
        <source>Auto run selected...</source>
        <translation>Marcha automática seleccionada...</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 miles</source>
        <translation>%1 millas</translation>
    </message>
    <message>
        <source>%1 km/ltr</source>
        <translation>%1 km/l</translation>
    </message>
    <message>
        <source>%1 mpg</source>
        <translation>%1 mpg</translation>
    </message>
    <message>
        <source>%1 mins</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 mph</source>
        <translation>%1 mph</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 ltr</source>
        <translation>%1 l</translation>
    </message>
    <message>
        <source>%1 gal</source>
        <translation>%1 gal</translation>
    </message>
</context>
</TS>
