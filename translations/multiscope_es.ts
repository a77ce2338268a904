<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Displays</name>
    <message>
        <source>%1; the trace leaves it out.</source>
        <translation>%1; la traza lo omite.</translation>
    </message>
    <message>
        <source>%1; the trace leaves them out.</source>
        <translation>%1; la traza los omite.</translation>
    </message>
    <message>
        <source>A waveform file must be open before the editor can be used...</source>
        <translation>Antes de usar el editor hay que abrir un archivo de forma de onda...</translation>
    </message>
    <message>
        <source>File opening error...</source>
        <translation>Error al abrir el archivo...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>All Files (*.*);;Picture Files (*.jpg *.bmp *.gif);;Multiscope Files (*.msf)</source>
        <translation>Todos los archivos (*.*);;Archivos de imagen (*.jpg *.bmp *.gif);;Archivos de MultiScope (*.msf)</translation>
    </message>
</context>
<context>
    <name>GuidedPanel</name>
    <message>
        <source>&amp;Guided tests</source>
        <translation>Pruebas &amp;guiadas</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Search the guided tests</source>
        <translation>Buscar en las pruebas guiadas</translation>
    </message>
    <message>
        <source>Guided tests</source>
        <translation>Pruebas guiadas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Set up</source>
        <translation>&amp;Preparar</translation>
    </message>
    <message>
        <source>Connect the test&apos;s probes and set the scope for it, on the Live screen</source>
        <translation>Conectar las sondas de la prueba y ajustar el osciloscopio para ella, en la pantalla En vivo</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Pa&amp;rar</translation>
    </message>
    <message>
        <source>End the guided test: no reference, no judging</source>
        <translation>Terminar la prueba guiada: sin referencia ni evaluación</translation>
    </message>
    <message>
        <source>The guided test&apos;s notes</source>
        <translation>Notas de la prueba guiada</translation>
    </message>
    <message>
        <source>What to connect for the guided test</source>
        <translation>Qué conectar para la prueba guiada</translation>
    </message>
    <message>
        <source>Show pict&amp;ure</source>
        <translation>Ver &amp;imagen</translation>
    </message>
    <message>
        <source>Show picture</source>
        <translation>Ver imagen</translation>
    </message>
    <message>
        <source>What to connect for the test, full size in a window of its own</source>
        <translation>Qué conectar para la prueba, a tamaño completo en una ventana propia</translation>
    </message>
    <message>
        <source>Choose a test: its notes show here, and Set up connects the probes and sets the scope for it.</source>
        <translation>Elija una prueba: aquí aparecen sus notas, y Preparar conecta las sondas y ajusta el osciloscopio para ella.</translation>
    </message>
    <message>
        <source>%1

State: %2

%3

Connect:
%4

Look for: %5

Read: %6</source>
        <translation>%1

Estado: %2

%3

Conectar:
%4

Qué buscar: %5

Valores: %6</translation>
    </message>
    <message>
        <source>; or </source>
        <translation>; o </translation>
    </message>
    <message>
        <source>What to connect: %1</source>
        <translation>Qué conectar: %1</translation>
    </message>
    <message>
        <source>Guided test picture</source>
        <translation>Imagen de la prueba guiada</translation>
    </message>
    <message>
        <source>What to connect, full size</source>
        <translation>Qué conectar, a tamaño completo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the picture</source>
        <translation>Cerrar la imagen</translation>
    </message>
</context>
<context>
    <name>LiveScope</name>
    <message>
        <source>The channel the trigger watches</source>
        <translation>El canal que vigila el disparo</translation>
    </message>
    <message>
        <source>Trigger channel</source>
        <translation>Canal de disparo</translation>
    </message>
    <message>
        <source>&amp;Trigger</source>
        <translation>&amp;Disparo</translation>
    </message>
    <message>
        <source>Trigger mode</source>
        <translation>Modo de disparo</translation>
    </message>
    <message>
        <source>Trigger edge</source>
        <translation>Flanco de disparo</translation>
    </message>
    <message>
        <source>&amp;Edge</source>
        <translation>&amp;Flanco</translation>
    </message>
    <message>
        <source>Trigger level</source>
        <translation>Nivel de disparo</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Nivel</translation>
    </message>
    <message>
        <source>Whole screen</source>
        <translation>Toda la pantalla</translation>
    </message>
    <message>
        <source>Between cursors</source>
        <translation>Entre los cursores</translation>
    </message>
    <message>
        <source>Where the measurements are taken: over the whole screen or between the time cursors T1 and T2</source>
        <translation>Dónde se toman las mediciones: en toda la pantalla o entre los cursores de tiempo T1 y T2</translation>
    </message>
    <message>
        <source>Measure over</source>
        <translation>Medir en</translation>
    </message>
    <message>
        <source>Measure o&amp;ver</source>
        <translation>&amp;Medir en</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Estadística</translation>
    </message>
    <message>
        <source>Each measurement&apos;s minimum, maximum, mean, standard deviation and count over the captures since the settings last changed</source>
        <translation>Mínimo, máximo, media, desviación típica y número de cada medición en las capturas desde el último cambio de ajustes</translation>
    </message>
    <message>
        <source>Save capture file...</source>
        <translation>Guardar archivo de captura...</translation>
    </message>
    <message>
        <source>Open capture file...</source>
        <translation>Abrir archivo de captura...</translation>
    </message>
    <message>
        <source>no probe connected</source>
        <translation>ninguna sonda conectada</translation>
    </message>
    <message>
        <source>No signal to measure on this point</source>
        <translation>En este punto no hay señal que medir</translation>
    </message>
    <message>
        <source>Channel %1 shows no trace.</source>
        <translation>El canal %1 no muestra traza.</translation>
    </message>
    <message>
        <source>Capture %1 of %2, %3 s</source>
        <translation>Captura %1 de %2, %3 s</translation>
    </message>
    <message>
        <source>%1: %2. %3</source>
        <translation>%1: %2. %3</translation>
    </message>
    <message>
        <source>known good</source>
        <translation>de referencia correcta</translation>
    </message>
    <message>
        <source>Drag a connection point onto a channel&apos;s terminal (or press the terminal) to measure its signal</source>
        <translation>Arrastre un punto de medida al terminal de un canal (o pulse el terminal) para medir su señal</translation>
    </message>
    <message>
        <source>Turn the key to ignition on with the engine still (File &gt; Ignition On / Off).</source>
        <translation>Gire la llave a contacto con el motor parado (Archivo &gt; Contacto sí / no).</translation>
    </message>
    <message>
        <source>Crank the engine: the test is made while the starter turns it.</source>
        <translation>Haga girar el motor con el motor de arranque: la prueba se hace mientras este lo gira.</translation>
    </message>
    <message>
        <source>Run the engine at idle, about 800 rev/min, warm (80 deg C or more).</source>
        <translation>Deje el motor al ralentí, unas 800 rpm, caliente (80 °C o más).</translation>
    </message>
    <message>
        <source>Hold the warm engine at about 3000 rev/min.</source>
        <translation>Mantenga el motor caliente a unas 3000 rpm.</translation>
    </message>
    <message>
        <source>An engine that will not run: crank it, and keep it cranking for testing.</source>
        <translation>Un motor que no arranca: hágalo girar con el motor de arranque y manténgalo girando durante la prueba.</translation>
    </message>
    <message>
        <source>No trigger for two seconds: the trigger channel does not show what a healthy car shows there.</source>
        <translation>Sin disparo durante dos segundos: el canal de disparo no muestra lo que muestra ahí un coche en buen estado.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonda</translation>
    </message>
    <message>
        <source>Scale /div</source>
        <translation>Escala /div</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Cero</translation>
    </message>
    <message>
        <source>Channel %1 on or off</source>
        <translation>Canal %1 activado o desactivado</translation>
    </message>
    <message>
        <source>Channel %1 on</source>
        <translation>Canal %1 activado</translation>
    </message>
    <message>
        <source>Channel %1&apos;s probe: drop a connection point here, or press to pick one from the list</source>
        <translation>Sonda del canal %1: suelte aquí un punto de medida o pulse para elegir uno de la lista</translation>
    </message>
    <message>
        <source>Channel %1&apos;s probe, and the unit it reads</source>
        <translation>Sonda del canal %1 y la unidad que mide</translation>
    </message>
    <message>
        <source>Channel %1 probe</source>
        <translation>Sonda del canal %1</translation>
    </message>
    <message>
        <source>Channel %1&apos;s units a division</source>
        <translation>Unidades por división del canal %1</translation>
    </message>
    <message>
        <source>Channel %1 scale</source>
        <translation>Escala del canal %1</translation>
    </message>
    <message>
        <source>Channel %1&apos;s zero line, in divisions from the bottom of the screen</source>
        <translation>Línea de cero del canal %1, en divisiones desde el borde inferior de la pantalla</translation>
    </message>
    <message>
        <source>Channel %1 zero line</source>
        <translation>Línea de cero del canal %1</translation>
    </message>
    <message>
        <source>Math &amp;%1</source>
        <translation>Cálculo &amp;%1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>A channel worked out from the others</source>
        <translation>Un canal calculado a partir de los demás</translation>
    </message>
    <message>
        <source>Math channel %1</source>
        <translation>Canal calculado %1</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>The last %1 triggered captures: step back with the arrow keys, Page Up and Home</source>
        <translation>Las últimas %1 capturas disparadas: retroceda con las flechas, Re Pág e Inicio</translation>
    </message>
    <message>
        <source>Capture history</source>
        <translation>Historial de capturas</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>%1: connect a probe...</source>
        <translation>%1: conecte una sonda...</translation>
    </message>
    <message>
        <source>Channel %1 terminal</source>
        <translation>Terminal del canal %1</translation>
    </message>
    <message>
        <source>no captures yet</source>
        <translation>aún no hay capturas</translation>
    </message>
    <message>
        <source>%1 of %2, %3 s</source>
        <translation>%1 de %2, %3 s</translation>
    </message>
    <message>
        <source>Engine window</source>
        <translation>Ventana Gestión del motor</translation>
    </message>
    <message>
        <source>Starting window</source>
        <translation>Ventana Arranque</translation>
    </message>
    <message>
        <source>Charging window</source>
        <translation>Ventana Carga</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>%1; it cannot be drawn as a reference.</source>
        <translation>%1; no se puede dibujar como referencia.</translation>
    </message>
    <message>
        <source>%1; the reference leaves it out.</source>
        <translation>%1; la referencia lo omite.</translation>
    </message>
    <message>
        <source>%1; the reference leaves them out.</source>
        <translation>%1; la referencia los omite.</translation>
    </message>
    <message>
        <source>Save capture file</source>
        <translation>Guardar archivo de captura</translation>
    </message>
    <message>
        <source>Capture Files (*.vcap)</source>
        <translation>Archivos de captura (*.vcap)</translation>
    </message>
    <message>
        <source>Open capture file</source>
        <translation>Abrir archivo de captura</translation>
    </message>
    <message>
        <source>Capture Files (*.vcap);;All Files (*.*)</source>
        <translation>Archivos de captura (*.vcap);;Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>It is larger than a capture file can be.</source>
        <translation>Es más grande de lo que puede ser un archivo de captura.</translation>
    </message>
    <message>
        <source>The capture file %1 could not be opened.<byte value="xd"/>
<byte value="xd"/>
(%2)</source>
        <translation>No se pudo abrir el archivo de captura %1.<byte value="xd"/>
<byte value="xd"/>
(%2)</translation>
    </message>
    <message>
        <source>Capture file opened: %1</source>
        <translation>Archivo de captura abierto: %1</translation>
    </message>
    <message>
        <source>Trigger mode (pick Single again to re-arm it)</source>
        <translation>Modo de disparo (elija Único otra vez para rearmarlo)</translation>
    </message>
    <message>
        <source>Cursors</source>
        <translation>Cursores</translation>
    </message>
    <message>
        <source>Two time and two level cursors: drag them, or Tab to pick one and move it with the arrow keys</source>
        <translation>Dos cursores de tiempo y dos de nivel: arrástrelos, o elija uno con Tab y muévalo con las flechas</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Medir</translation>
    </message>
    <message>
        <source>Measurements shown under the screen</source>
        <translation>Mediciones que se muestran bajo la pantalla</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>A known-good trace drawn behind the live one</source>
        <translation>Una traza correcta conocida, dibujada detrás de la actual</translation>
    </message>
    <message>
        <source>The point&apos;s stored waveform</source>
        <translation>La forma de onda grabada del punto</translation>
    </message>
    <message>
        <source>Waveform file...</source>
        <translation>Archivo de forma de onda...</translation>
    </message>
    <message>
        <source>Set as reference</source>
        <translation>Fijar como referencia</translation>
    </message>
    <message>
        <source>Clear reference</source>
        <translation>Borrar referencia</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Keep the screen as a waveform file or a CSV table</source>
        <translation>Guardar la pantalla como archivo de forma de onda o tabla CSV</translation>
    </message>
    <message>
        <source>Save as waveform...</source>
        <translation>Guardar como forma de onda...</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Exportar como CSV...</translation>
    </message>
    <message>
        <source>Reference waveform</source>
        <translation>Forma de onda de referencia</translation>
    </message>
    <message>
        <source>Multiscope Files (*.msf);;All Files (*.*)</source>
        <translation>Archivos de MultiScope (*.msf);;Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>%1 div</source>
        <translation>%1 div</translation>
    </message>
    <message>
        <source>The waveform file %1 could not be read as a reference.<byte value="xd"/>
<byte value="xd"/>
(%2)</source>
        <translation>No se pudo leer el archivo de forma de onda %1 como referencia.<byte value="xd"/>
<byte value="xd"/>
(%2)</translation>
    </message>
    <message>
        <source>The waveform file %1 holds no samples to draw as a reference.</source>
        <translation>El archivo de forma de onda %1 no contiene muestras que dibujar como referencia.</translation>
    </message>
    <message>
        <source>There is no trace on the screen to keep as a reference yet.</source>
        <translation>Aún no hay ninguna traza en pantalla que guardar como referencia.</translation>
    </message>
    <message>
        <source>There is no trace on the screen to keep yet.</source>
        <translation>Aún no hay ninguna traza en pantalla que guardar.</translation>
    </message>
    <message>
        <source>%1 capture</source>
        <translation>%1 captura</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Señal</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1<byte value="xd"/>
<byte value="xd"/>
(%2 %3)</source>
        <translation>No se pudo guardar la captura en %1<byte value="xd"/>
<byte value="xd"/>
(%2 %3)</translation>
    </message>
    <message>
        <source>Save as waveform</source>
        <translation>Guardar como forma de onda</translation>
    </message>
    <message>
        <source>Multiscope Files (*.msf)</source>
        <translation>Archivos de MultiScope (*.msf)</translation>
    </message>
    <message>
        <source>Capture saved to %1</source>
        <translation>Captura guardada en %1</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Exportar como CSV</translation>
    </message>
    <message>
        <source>Data Files (*.csv)</source>
        <translation>Archivos de datos (*.csv)</translation>
    </message>
    <message>
        <source>Screen exported to %1</source>
        <translation>Pantalla exportada a %1</translation>
    </message>
    <message>
        <source>Capture file saved to %1</source>
        <translation>Archivo de captura guardado en %1</translation>
    </message>
</context>
<context>
    <name>MultiScope</name>
    <message>
        <source>Scope screen</source>
        <translation>Pantalla del osciloscopio</translation>
    </message>
    <message>
        <source>Scanner display</source>
        <translation>Pantalla del escáner</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Timebase</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Horizontal position</source>
        <translation>Posición horizontal</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Posición vertical</translation>
    </message>
    <message>
        <source>Volts per division</source>
        <translation>Voltios por división</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Foco</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Run / Stop</source>
        <translation>Marcha / Paro</translation>
    </message>
    <message>
        <source>Single capture</source>
        <translation>Captura única</translation>
    </message>
    <message>
        <source>Time base slower</source>
        <translation>Base de tiempos más lenta</translation>
    </message>
    <message>
        <source>Time base faster</source>
        <translation>Base de tiempos más rápida</translation>
    </message>
    <message>
        <source>More volts a division</source>
        <translation>Más voltios por división</translation>
    </message>
    <message>
        <source>Fewer volts a division</source>
        <translation>Menos voltios por división</translation>
    </message>
    <message>
        <source>A single capture is taken by the Live screen&apos;s trigger: choose Live on the instrument first.</source>
        <translation>La captura única la hace el disparo de la pantalla En vivo: elija primero En vivo en el instrumento.</translation>
    </message>
    <message>
        <source>Timebase: %1</source>
        <translation>Base de tiempos: %1</translation>
    </message>
    <message>
        <source>Volts: %1</source>
        <translation>Voltios: %1</translation>
    </message>
    <message>
        <source>Channels B to D belong to the Live screen: choose Live on the instrument first, or connect the point to channel A.</source>
        <translation>Los canales B a D pertenecen a la pantalla En vivo: elija primero En vivo en el instrumento, o conecte el punto al canal A.</translation>
    </message>
    <message>
        <source>Drag/Drop Connections Here...</source>
        <translation>Arrastre aquí las conexiones...</translation>
    </message>
    <message>
        <source>Double click here to open a waveform editor</source>
        <translation>Haga doble clic aquí para abrir un editor de formas de onda</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>Escáner</translation>
    </message>
    <message>
        <source>Change device</source>
        <translation>Cambiar de aparato</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Osciloscopio</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>DMM</source>
        <translation>DMM</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>The point&apos;s recorded waveform</source>
        <translation>La forma de onda grabada del punto</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En vivo</translation>
    </message>
    <message>
        <source>The signal of the running engine, as a probe on the car measures it</source>
        <translation>La señal del motor en marcha, tal como la mide una sonda en el coche</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Picture info...</source>
        <translation>Información de la imagen...</translation>
    </message>
    <message>
        <source>Scan/Update Faults</source>
        <translation>Leer/actualizar averías</translation>
    </message>
    <message>
        <source>Read/Update Data</source>
        <translation>Leer/actualizar datos</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>Conectado: %1</translation>
    </message>
    <message>
        <source>Drag and drop a label or connection point from the main simulation windows on to this<byte value="xd"/>
connection terminal to display waveforms, DMM readings, pictures and text.</source>
        <translation>Arrastre una etiqueta o un punto de medida de las ventanas principales de la simulación a este<byte value="xd"/>
terminal de conexión para ver formas de onda, lecturas del DMM, imágenes y texto.</translation>
    </message>
    <message>
        <source>Remember, the engine needs to be running or cranking (or at least trying to crank) to get readings on some tests...</source>
        <translation>Recuerde: para algunas pruebas el motor tiene que estar en marcha o girando con el motor de arranque (o al menos intentándolo) para obtener lecturas...</translation>
    </message>
    <message>
        <source>Connection not made, double check meter leads...<byte value="xd"/>
<byte value="xd"/>
(%1 %2)</source>
        <translation>No se ha hecho la conexión, revise las puntas de medida...<byte value="xd"/>
<byte value="xd"/>
(%1 %2)</translation>
    </message>
    <message>
        <source>No data file found...</source>
        <translation>No se encontró ningún archivo de datos...</translation>
    </message>
    <message>
        <source>Reading data - Please wait...</source>
        <translation>Leyendo datos - espere, por favor...</translation>
    </message>
    <message>
        <source>Scanning - Please wait...</source>
        <translation>Explorando - espere, por favor...</translation>
    </message>
</context>
<context>
    <name>frmConnectProbe</name>
    <message>
        <source>Connect Probe</source>
        <translation>Conectar sonda</translation>
    </message>
    <message>
        <source>Connection &amp;point:</source>
        <translation>&amp;Punto de medida:</translation>
    </message>
    <message>
        <source>Connection points, by window and circuit</source>
        <translation>Puntos de medida, por ventana y circuito</translation>
    </message>
    <message>
        <source>Ch&amp;annel:</source>
        <translation>&amp;Canal:</translation>
    </message>
    <message>
        <source>A (the terminal)</source>
        <translation>A (el terminal)</translation>
    </message>
    <message>
        <source>B (Live screen)</source>
        <translation>B (pantalla En vivo)</translation>
    </message>
    <message>
        <source>C (Live screen)</source>
        <translation>C (pantalla En vivo)</translation>
    </message>
    <message>
        <source>D (Live screen)</source>
        <translation>D (pantalla En vivo)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>C&amp;onectar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Pick a connection point in the list: a window or a circuit is only a heading.</source>
        <translation>Elija un punto de medida de la lista: una ventana o un circuito es solo un encabezado.</translation>
    </message>
</context>
<context>
    <name>guided::Library</name>
    <message>
        <source>Crank sensor</source>
        <translation>Sensor del cigüeñal</translation>
    </message>
    <message>
        <source>Crank sensor at idle</source>
        <translation>Sensor del cigüeñal al ralentí</translation>
    </message>
    <message>
        <source>Shows whether the inductive crank sensor&apos;s wave reaches the control unit (at its pin) clean, for every tooth of the 60-2 wheel, with the gap that marks the crank&apos;s position.</source>
        <translation>Muestra si la onda del sensor inductivo del cigüeñal llega limpia a la unidad de control (en su pin), para cada diente de la rueda 60-2, con el hueco que marca la posición del cigüeñal.</translation>
    </message>
    <message>
        <source>An even alternating wave, one cycle a tooth, about 2 V either side of zero at idle, and once a turn the gap: a longer, taller swing. No wave at all: the sensor or its wiring is open, or the engine is not turning (measure at the sensor too: a wave there and none here is the wiring). A wave far smaller than the healthy one: a high resistance in the sensor&apos;s circuit, or a sensor too far from the wheel. Missing or uneven teeth: a damaged wheel.</source>
        <translation>Una onda alterna regular, un ciclo por diente, de unos 2 V a cada lado del cero al ralentí, y una vez por vuelta el hueco: una oscilación más larga y más alta. Ninguna onda: el sensor o su cableado está en circuito abierto, o el motor no gira (mida también en el sensor: si allí hay onda y aquí no, es el cableado). Una onda mucho menor que la correcta: alta resistencia en el circuito del sensor, o un sensor demasiado lejos de la rueda. Dientes que faltan o irregulares: una rueda dañada.</translation>
    </message>
    <message>
        <source>Peak to peak about 5.4 V; frequency about 780 Hz at 800 rev/min (the teeth pass at 800 a second, the gap lowers the count); the meter about 1.4 V AC. The reading box&apos;s &quot;Speed sensor - idle&quot;, 11 V AC, is typical of a larger sensor on another engine, not of this car&apos;s.</source>
        <translation>Pico a pico unos 5,4 V; frecuencia unos 780 Hz a 800 rpm (los dientes pasan a 800 por segundo, el hueco baja la cuenta); el multímetro unos 1,4 V CA. Los 11 V CA de «Sensor de régimen - ralentí» en la lista de lecturas son típicos de un sensor más grande en otro motor, no del de este coche.</translation>
    </message>
    <message>
        <source>Manifold pressure sensor</source>
        <translation>Sensor de presión del colector</translation>
    </message>
    <message>
        <source>Manifold pressure sensor at idle</source>
        <translation>Sensor de presión del colector al ralentí</translation>
    </message>
    <message>
        <source>Shows the pressure in the inlet manifold as the control unit reads it: the engine&apos;s load.</source>
        <translation>Muestra la presión en el colector de admisión tal como la lee la unidad de control: la carga del motor.</translation>
    </message>
    <message>
        <source>A steady voltage low on the screen at idle (high vacuum), with a small ripple of the intake strokes. Near 4.5 V with the engine running: no vacuum reaches the sensor, or the sensor has failed. 0 V or 5 V flat: its signal wire is open or shorted.</source>
        <translation>Una tensión estable, baja en la pantalla al ralentí (mucho vacío), con un pequeño rizado de las carreras de admisión. Cerca de 4,5 V con el motor en marcha: no llega vacío al sensor, o el sensor ha fallado. Plana a 0 V o 5 V: su cable de señal está abierto o en cortocircuito.</translation>
    </message>
    <message>
        <source>Mean about 1.4 V at idle.</source>
        <translation>Media al ralentí unos 1,4 V.</translation>
    </message>
    <message>
        <source>Coolant temperature sensor</source>
        <translation>Sensor de temperatura del refrigerante</translation>
    </message>
    <message>
        <source>Coolant temperature sensor, warm</source>
        <translation>Sensor de temperatura del refrigerante, en caliente</translation>
    </message>
    <message>
        <source>Shows the voltage across the coolant temperature sensor, which falls as the engine warms up.</source>
        <translation>Muestra la tensión en el sensor de temperatura del refrigerante, que baja a medida que el motor se calienta.</translation>
    </message>
    <message>
        <source>A steady voltage: about 0.5 V with the engine warm, nearer 4 V cold. 5 V: the sensor&apos;s circuit is open (the unit reads it as very cold). 0 V: shorted to earth (read as very hot). A reading that does not match the engine&apos;s temperature: a corroded connection or a failed sensor.</source>
        <translation>Una tensión estable: unos 0,5 V con el motor caliente, cerca de 4 V en frío. 5 V: el circuito del sensor está abierto (la unidad lo lee como muy frío). 0 V: cortocircuito a masa (se lee como muy caliente). Una lectura que no corresponde a la temperatura del motor: una conexión corroída o un sensor averiado.</translation>
    </message>
    <message>
        <source>Mean about 0.5 V at 90 deg C.</source>
        <translation>Media unos 0,5 V a 90 °C.</translation>
    </message>
    <message>
        <source>Voltage sensing</source>
        <translation>Detección de tensión</translation>
    </message>
    <message>
        <source>Supply voltage at the control unit</source>
        <translation>Tensión de alimentación en la unidad de control</translation>
    </message>
    <message>
        <source>Shows the supply voltage as it reaches the control unit&apos;s sensing pin, which it uses to correct the injectors&apos; and the coil&apos;s timing.</source>
        <translation>Muestra la tensión de alimentación tal como llega al pin de detección de la unidad de control, que la usa para corregir los tiempos de los inyectores y de la bobina.</translation>
    </message>
    <message>
        <source>The charging voltage, about 14 V, with the alternator&apos;s small ripple. Much lower than at the battery: a resistance in the sensing wire or at the pin. 0 V: the wire is open.</source>
        <translation>La tensión de carga, unos 14 V, con el pequeño rizado del alternador. Mucho menor que en la batería: una resistencia en el cable de detección o en el pin. 0 V: el cable está abierto.</translation>
    </message>
    <message>
        <source>Mean about 14 V.</source>
        <translation>Media unos 14 V.</translation>
    </message>
    <message>
        <source>Lambda sensor</source>
        <translation>Sonda lambda</translation>
    </message>
    <message>
        <source>Lambda sensor switching at idle</source>
        <translation>Sonda lambda conmutando al ralentí</translation>
    </message>
    <message>
        <source>Shows whether the oxygen sensor switches between rich and lean as the control unit trims the mixture (closed loop).</source>
        <translation>Muestra si la sonda lambda conmuta entre rico y pobre mientras la unidad de control corrige la mezcla (lazo cerrado).</translation>
    </message>
    <message>
        <source>A slow square-ish wave between about 0.1 V (lean) and 0.9 V (rich), about once a second at idle. Stuck low: the mixture is lean or the sensor is dead. Stuck high: rich. Held at 0.45 V: the unit&apos;s own bias, no signal from the sensor (open circuit, or a cold sensor).</source>
        <translation>Una onda lenta, casi cuadrada, entre unos 0,1 V (pobre) y 0,9 V (rico), aproximadamente una vez por segundo al ralentí. Fija abajo: la mezcla es pobre o la sonda está muerta. Fija arriba: rica. Fija en 0,45 V: la polarización propia de la unidad, sin señal de la sonda (circuito abierto, o sonda fría).</translation>
    </message>
    <message>
        <source>Peak to peak about 0.8 V; frequency about 1 Hz at idle.</source>
        <translation>Pico a pico unos 0,8 V; frecuencia al ralentí de 1 Hz aproximadamente.</translation>
    </message>
    <message>
        <source>Knock sensor</source>
        <translation>Sensor de picado</translation>
    </message>
    <message>
        <source>Knock sensor at idle</source>
        <translation>Sensor de picado al ralentí</translation>
    </message>
    <message>
        <source>Shows the knock sensor&apos;s small bursts as each cylinder fires.</source>
        <translation>Muestra las pequeñas ráfagas del sensor de picado cada vez que explota un cilindro.</translation>
    </message>
    <message>
        <source>Small bursts of ringing, one per firing, settling between them. No bursts: the sensor or its wiring is open, or the sensor is loose on the block. Bursts much larger than these: knock.</source>
        <translation>Pequeñas ráfagas de oscilación, una por explosión, que se calman entre ellas. Sin ráfagas: el sensor o su cableado está abierto, o el sensor está suelto en el bloque. Ráfagas mucho mayores que estas: picado.</translation>
    </message>
    <message>
        <source>Peak to peak a few tenths of a volt at idle.</source>
        <translation>Pico a pico al ralentí unas décimas de voltio.</translation>
    </message>
    <message>
        <source>Injector</source>
        <translation>Inyector</translation>
    </message>
    <message>
        <source>Injector at idle</source>
        <translation>Inyector al ralentí</translation>
    </message>
    <message>
        <source>Shows the injector&apos;s switched side: the control unit opening it, the time it stays open and the spike and needle&apos;s closing after.</source>
        <translation>Muestra el lado conmutado del inyector: la unidad de control abriéndolo, el tiempo que permanece abierto y, después, el pico y el cierre de la aguja.</translation>
    </message>
    <message>
        <source>Battery voltage at rest, pulled down to near 0 V while the injector is open, then a spike of about 60 V as it closes and a small hump as the needle seats. No pulse: no drive from the unit (or no crank signal to time it). No fall to 0 V: the injector&apos;s circuit is open. No hump: the needle is sticking.</source>
        <translation>En reposo, tensión de batería, que baja casi a 0 V mientras el inyector está abierto; luego un pico de unos 60 V al cerrarse y una pequeña joroba al asentarse la aguja. Sin pulso: la unidad no lo activa (o no hay señal del cigüeñal para sincronizarlo). No baja a 0 V: el circuito del inyector está abierto. Sin joroba: la aguja se agarrota.</translation>
    </message>
    <message>
        <source>Pulse width about 2.6 ms at a typical idle, as the stored trace shows; this car&apos;s map gives less, under 2 ms, and the test holds it to the car&apos;s own. Maximum about 60 V.</source>
        <translation>Ancho de pulso de unos 2,6 ms en un ralentí típico, como muestra la traza grabada; el mapa de este coche da menos, menos de 2 ms, y la prueba se atiene al valor del propio coche. Máximo unos 60 V.</translation>
    </message>
    <message>
        <source>Ignition coil</source>
        <translation>Bobina de encendido</translation>
    </message>
    <message>
        <source>Ignition primary at idle</source>
        <translation>Primario de encendido al ralentí</translation>
    </message>
    <message>
        <source>Shows the coil&apos;s primary: the dwell while current builds, and the switch-off spike that makes the spark.</source>
        <translation>Muestra el primario de la bobina: el tiempo de carga mientras sube la corriente y el pico de corte que produce la chispa.</translation>
    </message>
    <message>
        <source>Battery voltage between sparks, near 0 V for the dwell, then a spike of a few hundred volts, the burn line and the coil&apos;s ringing. No dwell: no drive from the unit. No spike: the coil or its drive is open.</source>
        <translation>Tensión de batería entre chispas, cerca de 0 V durante el tiempo de carga, luego un pico de unos cientos de voltios, la línea de quemado y la oscilación de la bobina. Sin tiempo de carga: la unidad no la activa. Sin pico: la bobina o su activación está abierta.</translation>
    </message>
    <message>
        <source>Maximum about 350 V; dwell (duty cycle) about 30 %.</source>
        <translation>Máximo unos 350 V; tiempo de carga (ciclo de trabajo) cerca del 30 %.</translation>
    </message>
    <message>
        <source>Ignition secondary at idle</source>
        <translation>Secundario de encendido al ralentí</translation>
    </message>
    <message>
        <source>Shows the high tension at a plug lead through the pick-up: the firing line and the spark&apos;s burn.</source>
        <translation>Muestra la alta tensión en un cable de bujía a través de la pinza: la línea de encendido y el quemado de la chispa.</translation>
    </message>
    <message>
        <source>A tall firing line (about 10 kV) at each spark, the burn line after it. No firing line: no spark. A much taller line: a high resistance in the secondary (a lead or a plug gap).</source>
        <translation>Una línea de encendido alta (unos 10 kV) en cada chispa y después la línea de quemado. Sin línea de encendido: no hay chispa. Una línea mucho más alta: alta resistencia en el secundario (un cable o la separación de una bujía).</translation>
    </message>
    <message>
        <source>Maximum about 10 kV; frequency about 27 Hz at idle (two sparks a turn).</source>
        <translation>Máximo unos 10 kV; frecuencia al ralentí de unos 27 Hz (dos chispas por vuelta).</translation>
    </message>
    <message>
        <source>Fuel pump</source>
        <translation>Bomba de combustible</translation>
    </message>
    <message>
        <source>Fuel pump current, priming at ignition on</source>
        <translation>Corriente de la bomba de combustible, cebado al dar el contacto</translation>
    </message>
    <message>
        <source>Shows the pump&apos;s current through a clamp during the two-second priming run as the key is turned to ignition on: its level and the ripple of the motor&apos;s segments.</source>
        <translation>Muestra la corriente de la bomba mediante una pinza durante el cebado de dos segundos al girar la llave a contacto: su nivel y el rizado de las delgas del motor.</translation>
    </message>
    <message>
        <source>About 4.6 A with a fine, even ripple for two seconds. No current: the pump has no supply (its relay or the unit&apos;s control of it). Much more current and no ripple: the pump is seized.</source>
        <translation>Unos 4,6 A con un rizado fino y regular durante dos segundos. Sin corriente: la bomba no tiene alimentación (su relé o el mando de la unidad). Mucha más corriente y sin rizado: la bomba está agarrotada.</translation>
    </message>
    <message>
        <source>Mean about 4.6 A at 12.6 V. The stored trace, at idle on the alternator&apos;s 14 V, reads more: 5.1 A from the same pump.</source>
        <translation>Media unos 4,6 A a 12,6 V. La traza grabada, al ralentí con los 14 V del alternador, marca más: 5,1 A de la misma bomba.</translation>
    </message>
    <message>
        <source>Battery and starter</source>
        <translation>Batería y motor de arranque</translation>
    </message>
    <message>
        <source>Battery and starter current while cranking</source>
        <translation>Batería y corriente del motor de arranque durante el arranque</translation>
    </message>
    <message>
        <source>Shows the battery&apos;s voltage at the starter and the starter&apos;s current while the engine cranks.</source>
        <translation>Muestra la tensión de la batería en el motor de arranque y la corriente de este mientras gira el motor.</translation>
    </message>
    <message>
        <source>The battery at about 10 V, the current about 150 A, both rippling with each compression. A battery far below 10 V: flat, or a resistance between it and the starter. Little or no current with the battery high: the starter or its solenoid does not close its circuit.</source>
        <translation>La batería a unos 10 V, la corriente unos 150 A, ambas ondulando con cada compresión. Una batería muy por debajo de 10 V: descargada, o una resistencia entre ella y el motor de arranque. Poca o ninguna corriente con la batería alta: el motor de arranque o su relé (solenoide) no cierra el circuito.</translation>
    </message>
    <message>
        <source>Battery mean about 10 V; current mean about 150 A. The stored traces start as the key turns, with the inrush this test leaves out.</source>
        <translation>Media de la batería unos 10 V; media de la corriente unos 150 A. Las trazas grabadas empiezan al girar la llave, con el pico de arranque que esta prueba deja fuera.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Relative compression from the starter current</source>
        <translation>Compresión relativa a partir de la corriente del motor de arranque</translation>
    </message>
    <message>
        <source>Compares the cylinders&apos; compressions: each compression stroke raises the starter&apos;s current.</source>
        <translation>Compara las compresiones de los cilindros: cada carrera de compresión aumenta la corriente del motor de arranque.</translation>
    </message>
    <message>
        <source>Even humps, one per compression (two a turn). One hump lower than the others: that cylinder holds less pressure. No humps: the starter is not turning the engine.</source>
        <translation>Jorobas regulares, una por compresión (dos por vuelta). Una joroba más baja que las demás: ese cilindro retiene menos presión. Sin jorobas: el motor de arranque no hace girar el motor.</translation>
    </message>
    <message>
        <source>Frequency about 4.4 Hz at 132 rev/min; the humps even. The stored trace starts as the key turns, with the inrush this test leaves out.</source>
        <translation>Frecuencia unos 4,4 Hz a 132 rpm; las jorobas regulares. La traza grabada empieza al girar la llave, con el pico de arranque que esta prueba deja fuera.</translation>
    </message>
    <message>
        <source>Alternator</source>
        <translation>Alternador</translation>
    </message>
    <message>
        <source>Charging at 3000 rev/min</source>
        <translation>Carga a 3000 rpm</translation>
    </message>
    <message>
        <source>Shows the alternator&apos;s output with the engine at 3000 rev/min: its level and the ripple of its rectifier.</source>
        <translation>Muestra la salida del alternador con el motor a 3000 rpm: su nivel y el rizado de su rectificador.</translation>
    </message>
    <message>
        <source>The output at about 14 V with a small, even ripple, and D+ (the warning light&apos;s side of the alternator) close to it, so the light stays out. Below 13 V: not charging (belt, rotor, regulator). Above 15 V: overcharging (the regulator). A large ripple with a regular dip: a rectifier diode open. D+ at 0 V with the output normal: the light&apos;s wire or terminal is at earth.</source>
        <translation>La salida a unos 14 V con un rizado pequeño y regular, y D+ (el lado del testigo de carga en el alternador) cerca de ella, de modo que el testigo sigue apagado. Por debajo de 13 V: no carga (correa, rotor, regulador). Por encima de 15 V: sobrecarga (el regulador). Un rizado grande con una caída regular: un diodo del rectificador abierto. D+ a 0 V con la salida normal: el cable o el terminal del testigo está a masa.</translation>
    </message>
    <message>
        <source>Output mean about 14 V; ripple a few tenths of a volt; D+ about 14 V.</source>
        <translation>Media de la salida unos 14 V; rizado de unas décimas de voltio; D+ unos 14 V.</translation>
    </message>
    <message>
        <source>Crank sensor against injector</source>
        <translation>Sensor del cigüeñal frente a inyector</translation>
    </message>
    <message>
        <source>Shows when the injector opens against the crank&apos;s position: the unit&apos;s timing of injection.</source>
        <translation>Muestra cuándo se abre el inyector respecto a la posición del cigüeñal: el momento de inyección que fija la unidad.</translation>
    </message>
    <message>
        <source>Triggered on the injector&apos;s opening: the crank&apos;s gap stands at the same place before it on every screen (the injector opens once in two turns, at the same crank angle). No pulse against a good crank wave: the injector&apos;s drive. No crank wave and no pulse: the unit has nothing to time it from.</source>
        <translation>Disparado con la apertura del inyector: el hueco del cigüeñal queda en el mismo sitio delante de ella en cada pantalla (el inyector abre una vez cada dos vueltas, en el mismo ángulo del cigüeñal). Sin pulso con una onda del cigüeñal correcta: la activación del inyector. Sin onda del cigüeñal y sin pulso: la unidad no tiene con qué sincronizarlo.</translation>
    </message>
    <message>
        <source>Crank frequency about 780 Hz; the injector&apos;s pulse about 2.6 ms.</source>
        <translation>Frecuencia del cigüeñal unos 780 Hz; pulso del inyector unos 2,6 ms.</translation>
    </message>
    <message>
        <source>Ignition primary against secondary</source>
        <translation>Primario frente a secundario de encendido</translation>
    </message>
    <message>
        <source>Shows the coil&apos;s primary and the spark it makes together: each switch-off spike with its firing line.</source>
        <translation>Muestra juntos el primario de la bobina y la chispa que produce: cada pico de corte con su línea de encendido.</translation>
    </message>
    <message>
        <source>Every primary spike with a firing line at the same moment. A primary spike without a firing line: the secondary (coil&apos;s secondary winding, lead, plug). Neither: the primary&apos;s drive.</source>
        <translation>Cada pico del primario con una línea de encendido en el mismo instante. Un pico del primario sin línea de encendido: el secundario (devanado secundario de la bobina, cable, bujía). Ninguno de los dos: la activación del primario.</translation>
    </message>
    <message>
        <source>Primary maximum about 350 V; secondary maximum about 10 kV.</source>
        <translation>Máximo del primario unos 350 V; máximo del secundario unos 10 kV.</translation>
    </message>
    <message>
        <source>Ignition on</source>
        <translation>Contacto sí</translation>
    </message>
    <message>
        <source>Cranking</source>
        <translation>Girando con el motor de arranque</translation>
    </message>
    <message>
        <source>Idle, warm</source>
        <translation>Ralentí, en caliente</translation>
    </message>
    <message>
        <source>3000 rev/min, warm</source>
        <translation>3000 rpm, en caliente</translation>
    </message>
</context>
<context>
    <name>guided::Picture</name>
    <message>
        <source>%1 mV/A</source>
        <translation>%1 mV/A</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>msf::WaveformFile</name>
    <message>
        <source>Sample %1 of %2 is not a number</source>
        <translation>La muestra %1 de %2 no es un número</translation>
    </message>
    <message>
        <source>Samples %1 of %2 are not numbers</source>
        <translation>Las muestras %1 de %2 no son números</translation>
    </message>
</context>
<context>
    <name>pointpictures</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ECU</source>
        <translation>ECU</translation>
    </message>
    <message>
        <source>1: signal</source>
        <translation>1: señal</translation>
    </message>
    <message>
        <source>2: return</source>
        <translation>2: retorno</translation>
    </message>
    <message>
        <source>2: earth</source>
        <translation>2: masa</translation>
    </message>
    <message>
        <source>ECU supply</source>
        <translation>alimentación ECU</translation>
    </message>
    <message>
        <source>3: heater</source>
        <translation>3: calefactor</translation>
    </message>
    <message>
        <source>4: heater</source>
        <translation>4: calefactor</translation>
    </message>
</context>
<context>
    <name>scope</name>
    <message>
        <source>Engine management window</source>
        <translation>Ventana Gestión del motor</translation>
    </message>
    <message>
        <source>Starting system window</source>
        <translation>Ventana Arranque</translation>
    </message>
    <message>
        <source>Charging system window</source>
        <translation>Ventana Carga</translation>
    </message>
    <message>
        <source>Engine speed sensor circuit</source>
        <translation>Circuito del sensor de régimen</translation>
    </message>
    <message>
        <source>Engine load sensor circuit</source>
        <translation>Circuito del sensor de carga</translation>
    </message>
    <message>
        <source>Temperature sensor circuit</source>
        <translation>Circuito del sensor de temperatura</translation>
    </message>
    <message>
        <source>Voltage sensing circuit</source>
        <translation>Circuito de detección de tensión</translation>
    </message>
    <message>
        <source>Lambda sensor circuit</source>
        <translation>Circuito de la sonda lambda</translation>
    </message>
    <message>
        <source>Knock sensor circuit</source>
        <translation>Circuito del sensor de picado</translation>
    </message>
    <message>
        <source>Ignition circuit</source>
        <translation>Circuito de encendido</translation>
    </message>
    <message>
        <source>Injector circuit</source>
        <translation>Circuito del inyector</translation>
    </message>
    <message>
        <source>Fuel pump circuit</source>
        <translation>Circuito de la bomba de combustible</translation>
    </message>
    <message>
        <source>Fuel pressure</source>
        <translation>Presión de combustible</translation>
    </message>
    <message>
        <source>Control unit</source>
        <translation>Unidad de control</translation>
    </message>
    <message>
        <source>Starter switch circuit</source>
        <translation>Circuito del interruptor de arranque</translation>
    </message>
    <message>
        <source>Starter supply circuit</source>
        <translation>Circuito de alimentación del motor de arranque</translation>
    </message>
    <message>
        <source>Starter earth circuit</source>
        <translation>Circuito de masa del motor de arranque</translation>
    </message>
    <message>
        <source>Starter motor</source>
        <translation>Motor de arranque</translation>
    </message>
    <message>
        <source>Charging circuit</source>
        <translation>Circuito de carga</translation>
    </message>
    <message>
        <source>Charge warning light circuit</source>
        <translation>Circuito del testigo de carga</translation>
    </message>
</context>
<context>
    <name>scope::CaptureFile</name>
    <message>
        <source>%1: &quot;%2&quot; is missing or not a number.</source>
        <translation>%1: «%2» falta o no es un número.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing or not a text.</source>
        <translation>%1: «%2» falta o no es un texto.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing or not true or false.</source>
        <translation>%1: «%2» falta o no es true ni false.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing or not an object.</source>
        <translation>%1: «%2» falta o no es un objeto.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is missing or not a list of numbers.</source>
        <translation>%1: «%2» falta o no es una lista de números.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has %3 samples, more than %4.</source>
        <translation>%1: «%2» tiene %3 muestras, más de %4.</translation>
    </message>
    <message>
        <source>%1: sample %2 of &quot;%3&quot; is not a number.</source>
        <translation>%1: la muestra %2 de «%3» no es un número.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; cannot be &quot;%3&quot;.</source>
        <translation>%1: «%2» no puede ser «%3».</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is too large to be a capture file.</source>
        <translation>El archivo es demasiado grande para ser un archivo de captura.</translation>
    </message>
    <message>
        <source>The file is not a capture file: it is damaged or of another kind (%1 at byte %2).</source>
        <translation>El archivo no es un archivo de captura: está dañado o es de otro tipo (%1 en el byte %2).</translation>
    </message>
    <message>
        <source>The file is not a capture file.</source>
        <translation>El archivo no es un archivo de captura.</translation>
    </message>
    <message>
        <source>The capture file</source>
        <translation>El archivo de captura</translation>
    </message>
    <message>
        <source>%1: &quot;version&quot; is missing or not a whole number.</source>
        <translation>%1: «version» falta o no es un número entero.</translation>
    </message>
    <message>
        <source>The capture file was made by a newer version of the program (format %1); this one reads format %2.</source>
        <translation>El archivo de captura lo creó una versión más reciente del programa (formato %1); esta lee el formato %2.</translation>
    </message>
    <message>
        <source>%1: &quot;timebase&quot; must be above zero.</source>
        <translation>%1: «timebase» debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>The trigger</source>
        <translation>El disparo</translation>
    </message>
    <message>
        <source>%1: &quot;position&quot; must be between 0 and 1.</source>
        <translation>%1: «position» debe estar entre 0 y 1.</translation>
    </message>
    <message>
        <source>%1: &quot;channels&quot; must list 1 to %2 channels.</source>
        <translation>%1: «channels» debe incluir de 1 a %2 canales.</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Canal %1</translation>
    </message>
    <message>
        <source>%1 is not an object.</source>
        <translation>%1 no es un objeto.</translation>
    </message>
    <message>
        <source>%1: its name is empty or used twice.</source>
        <translation>%1: su nombre está vacío o repetido.</translation>
    </message>
    <message>
        <source>%1: &quot;perDivision&quot; must be above zero.</source>
        <translation>%1: «perDivision» debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>%1: &quot;dt&quot; cannot be below zero.</source>
        <translation>%1: «dt» no puede ser menor que cero.</translation>
    </message>
    <message>
        <source>%1: &quot;lows&quot; and &quot;highs&quot; must be empty or as many as the values.</source>
        <translation>%1: «lows» y «highs» deben estar vacíos o tener tantos elementos como los valores.</translation>
    </message>
    <message>
        <source>%1: &quot;channel&quot; names no channel of the file.</source>
        <translation>%1: «channel» no nombra ningún canal del archivo.</translation>
    </message>
</context>
<context>
    <name>scope::MaskJudge</name>
    <message>
        <source>The test has no reference trace: the captures cannot be judged</source>
        <translation>La prueba no tiene traza de referencia: las capturas no se pueden evaluar</translation>
    </message>
    <message>
        <source>The time base is not the test&apos;s: the captures cannot be compared</source>
        <translation>La base de tiempos no es la de la prueba: las capturas no se pueden comparar</translation>
    </message>
    <message>
        <source>No capture yet: the test needs %1 triggered captures</source>
        <translation>Aún no hay capturas: la prueba necesita %1 capturas disparadas</translation>
    </message>
    <message>
        <source>%1 of %2 captures judged: the test needs %3 more</source>
        <translation>%1 de %2 capturas evaluadas: la prueba necesita %3 más</translation>
    </message>
    <message>
        <source>%1 of %2 captures inside the mask</source>
        <translation>%1 de %2 capturas dentro de la máscara</translation>
    </message>
    <message>
        <source>channel %1, no trace</source>
        <translation>canal %1, sin traza</translation>
    </message>
    <message>
        <source>channel %1, 1 sample</source>
        <translation>canal %1, 1 muestra</translation>
    </message>
    <message>
        <source>channel %1, %2 samples</source>
        <translation>canal %1, %2 muestras</translation>
    </message>
    <message>
        <source>%1 of %2 captures left the mask (%3)</source>
        <translation>%1 de %2 capturas salieron de la máscara (%3)</translation>
    </message>
</context>
<context>
    <name>scope::MathChannel</name>
    <message>
        <source>%1 − %2</source>
        <translation>%1 − %2</translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation>%1 + %2</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Engine speed (%1)</source>
        <translation>Régimen del motor (%1)</translation>
    </message>
    <message>
        <source>Both channels need a signal.</source>
        <translation>Los dos canales necesitan una señal.</translation>
    </message>
    <message>
        <source>The two channels&apos; frames are not taken at the same instants.</source>
        <translation>Las tramas de los dos canales no se toman en los mismos instantes.</translation>
    </message>
    <message>
        <source>Both channels must read the same unit (here %1 and %2).</source>
        <translation>Los dos canales deben medir la misma unidad (aquí %1 y %2).</translation>
    </message>
    <message>
        <source>No crank teeth on the screen: the speed needs at least two of them.</source>
        <translation>No hay dientes del cigüeñal en pantalla: el régimen necesita al menos dos.</translation>
    </message>
    <message>
        <source>The engine speed needs a crank sensor&apos;s voltage.</source>
        <translation>El régimen del motor necesita la tensión de un sensor del cigüeñal.</translation>
    </message>
</context>
<context>
    <name>scope::Measurement</name>
    <message>
        <source>no signal</source>
        <translation>sin señal</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Peak to peak</source>
        <translation>Pico a pico</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>RMS</source>
        <translation>Valor eficaz</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Duty cycle</source>
        <translation>Ciclo de trabajo</translation>
    </message>
    <message>
        <source>Pulse width</source>
        <translation>Ancho de pulso</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Tiempo de subida</translation>
    </message>
</context>
<context>
    <name>scope::Probe</name>
    <message>
        <source>Direct</source>
        <translation>Directa</translation>
    </message>
    <message>
        <source>×10 attenuator</source>
        <translation>Atenuador ×10</translation>
    </message>
    <message>
        <source>Current clamp %1 mV/A</source>
        <translation>Pinza amperimétrica %1 mV/A</translation>
    </message>
    <message>
        <source>HT pick-up</source>
        <translation>Pinza de alta tensión</translation>
    </message>
    <message>
        <source>Pressure transducer</source>
        <translation>Transductor de presión</translation>
    </message>
    <message>
        <source>×10</source>
        <translation>×10</translation>
    </message>
    <message>
        <source>Clamp %1 mV/A</source>
        <translation>Pinza %1 mV/A</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>The current clamp&apos;s sensitivity must be more than 0 mV/A.</source>
        <translation>La sensibilidad de la pinza amperimétrica debe ser mayor que 0 mV/A.</translation>
    </message>
    <message>
        <source>This point is a current: measure it with a current clamp.</source>
        <translation>Este punto es una corriente: mídala con una pinza amperimétrica.</translation>
    </message>
    <message>
        <source>This point is a pressure: measure it with a pressure transducer.</source>
        <translation>Este punto es una presión: mídala con un transductor de presión.</translation>
    </message>
    <message>
        <source>This point is the high-tension secondary: measure it with an HT pick-up.</source>
        <translation>Este punto es el secundario de alta tensión: mídalo con una pinza de alta tensión.</translation>
    </message>
    <message>
        <source>This point is a voltage: measure it with the direct lead or the ×10 attenuator.</source>
        <translation>Este punto es una tensión: mídala con la sonda directa o con el atenuador ×10.</translation>
    </message>
    <message>
        <source>This probe cannot measure a point read in %1.</source>
        <translation>Esta sonda no puede medir un punto que se lee en %1.</translation>
    </message>
</context>
<context>
    <name>scope::Reading</name>
    <message>
        <source>Select connection...</source>
        <translation>Seleccione conexión...</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Señal</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Modo edición</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Senoidal</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrada</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangular</translation>
    </message>
    <message>
        <source>Sawtooth</source>
        <translation>Diente de sierra</translation>
    </message>
    <message>
        <source>Battery - fully charged</source>
        <translation>Batería - carga completa</translation>
    </message>
    <message>
        <source>Battery - half charged</source>
        <translation>Batería - media carga</translation>
    </message>
    <message>
        <source>Battery - discharged</source>
        <translation>Batería - descargada</translation>
    </message>
    <message>
        <source>Battery - on charge</source>
        <translation>Batería - cargándose</translation>
    </message>
    <message>
        <source>Alternator charging</source>
        <translation>Alternador cargando</translation>
    </message>
    <message>
        <source>Thermistor at 100 C</source>
        <translation>Termistor a 100 °C</translation>
    </message>
    <message>
        <source>Thermistor at 20 C</source>
        <translation>Termistor a 20 °C</translation>
    </message>
    <message>
        <source>Thermistor at 0 C</source>
        <translation>Termistor a 0 °C</translation>
    </message>
    <message>
        <source>Speed sensor - cranking</source>
        <translation>Sensor de régimen - arranque</translation>
    </message>
    <message>
        <source>Speed sensor - idle</source>
        <translation>Sensor de régimen - ralentí</translation>
    </message>
</context>
<context>
    <name>scope::Screen</name>
    <message numerus="yes">
        <source>... (%n more line(s): fewer measurements show them)</source>
        <translation>
            <numerusform>... (%n línea más: con menos mediciones se ve)</numerusform>
            <numerusform>... (%n líneas más: con menos mediciones se ven)</numerusform>
        </translation>
    </message>
    <message>
        <source> (auto)</source>
        <translation> (auto)</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>Referencia: %1</translation>
    </message>
</context>
<context>
    <name>scope::ScreenDescription</name>
    <message>
        <source>%1, automatic range</source>
        <translation>%1, rango automático</translation>
    </message>
    <message>
        <source>Channel A at %1</source>
        <translation>Canal A a %1</translation>
    </message>
    <message>
        <source>Measured: %1</source>
        <translation>Medido: %1</translation>
    </message>
    <message>
        <source>Channel %1 at %2</source>
        <translation>Canal %1 a %2</translation>
    </message>
    <message>
        <source>Channel %1, %2, at %3</source>
        <translation>Canal %1, %2, a %3</translation>
    </message>
    <message>
        <source>, measured: %1</source>
        <translation>, medido: %1</translation>
    </message>
    <message>
        <source>Time base %1</source>
        <translation>Base de tiempos %1</translation>
    </message>
    <message>
        <source>Roll mode, no trigger</source>
        <translation>Modo desplazamiento, sin disparo</translation>
    </message>
    <message>
        <source>rising</source>
        <translation>ascendente</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>descendente</translation>
    </message>
    <message>
        <source>Trigger %1 on channel %2, %3 edge at %4: %5</source>
        <translation>Disparo %1 en el canal %2, flanco %3 a %4: %5</translation>
    </message>
    <message>
        <source>Cursors: %1, %2, %3</source>
        <translation>Cursores: %1, %2, %3</translation>
    </message>
    <message>
        <source>Reference: %1</source>
        <translation>Referencia: %1</translation>
    </message>
</context>
<context>
    <name>scope::Statistics</name>
    <message>
        <source>no value</source>
        <translation>sin valor</translation>
    </message>
    <message>
        <source>current %1, min %2, max %3, mean %4, σ %5, n %6</source>
        <translation>actual %1, mín %2, máx %3, media %4, σ %5, n %6</translation>
    </message>
</context>
<context>
    <name>scope::Trigger</name>
    <message>
        <source>Roll</source>
        <translation>Desplazamiento</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Único</translation>
    </message>
    <message>
        <source>Rising</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Falling</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>Triggered</source>
        <translation>Disparado</translation>
    </message>
    <message>
        <source>Auto (no trigger)</source>
        <translation>Auto (sin disparo)</translation>
    </message>
    <message>
        <source>Waiting for trigger</source>
        <translation>Esperando disparo</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Rolling</source>
        <translation>Desplazándose</translation>
    </message>
</context>
<context>
    <name>scope::Verdict</name>
    <message>
        <source>Pass</source>
        <translation>Aprobado</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>No aprobado</translation>
    </message>
    <message>
        <source>Not yet measured</source>
        <translation>Aún sin medir</translation>
    </message>
</context>
</TS>
