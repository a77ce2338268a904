<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CircuitArt</name>
    <message>
        <source>Solenoid</source>
        <translation>Relé (solenoide)</translation>
    </message>
    <message>
        <source>Pinion</source>
        <translation>Piñón</translation>
    </message>
    <message>
        <source>Armature</source>
        <translation>Inducido</translation>
    </message>
    <message>
        <source>Field coil</source>
        <translation>Bobina de campo</translation>
    </message>
    <message>
        <source>Commutator</source>
        <translation>Colector</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Escobilla</translation>
    </message>
    <message>
        <source>Lever</source>
        <translation>Palanca</translation>
    </message>
    <message>
        <source>Pulley</source>
        <translation>Polea</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilador</translation>
    </message>
    <message>
        <source>Stator</source>
        <translation>Estátor</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotor</translation>
    </message>
    <message>
        <source>Regulator</source>
        <translation>Regulador</translation>
    </message>
    <message>
        <source>B+ terminal</source>
        <translation>Borne B+</translation>
    </message>
    <message>
        <source>Rectifier</source>
        <translation>Rectificador</translation>
    </message>
    <message>
        <source>Slip rings</source>
        <translation>Anillos colectores</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
</context>
<context>
    <name>EcuUnit</name>
    <message>
        <source>Engine Control Unit</source>
        <translation>Unidad de control del motor</translation>
    </message>
</context>
<context>
    <name>FRMsimulation</name>
    <message>
        <source>Engine Management system</source>
        <translation>Gestión del motor</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Régimen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carga</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Voltios</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Picado</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Inyección</translation>
    </message>
    <message>
        <source>Dwell</source>
        <translation>Ángulo de cierre</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Avance</translation>
    </message>
    <message>
        <source>Drag a caption onto the MultiScope&apos;s connection terminal to measure that point.</source>
        <translation>Arrastre un rótulo hasta el terminal de conexión del MultiScope para medir ese punto.</translation>
    </message>
    <message>
        <source>Tables/ECU</source>
        <translation>Tablas/ECU</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <translation>Régimen del motor</translation>
    </message>
    <message>
        <source>Engine load</source>
        <translation>Carga del motor</translation>
    </message>
    <message>
        <source>Engine temperature</source>
        <translation>Temperatura del motor</translation>
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
        <source>Knock detected</source>
        <translation>Picado detectado</translation>
    </message>
    <message>
        <source>Injection time</source>
        <translation>Tiempo de inyección</translation>
    </message>
    <message>
        <source>Ignition timing</source>
        <translation>Avance del encendido</translation>
    </message>
    <message>
        <source>Set engine speed</source>
        <translation>Ajustar el régimen del motor</translation>
    </message>
    <message>
        <source>Set engine load</source>
        <translation>Ajustar la carga del motor</translation>
    </message>
    <message>
        <source>Set engine temperature</source>
        <translation>Ajustar la temperatura del motor</translation>
    </message>
    <message>
        <source>Set system voltage</source>
        <translation>Ajustar la tensión del sistema</translation>
    </message>
    <message>
        <source>Set lambda: rich, correct or lean</source>
        <translation>Ajustar lambda: rica, correcta o pobre</translation>
    </message>
    <message>
        <source>Injection time bar</source>
        <translation>Barra del tiempo de inyección</translation>
    </message>
    <message>
        <source>Dwell bar</source>
        <translation>Barra del ángulo de cierre</translation>
    </message>
    <message>
        <source>Ignition timing bar</source>
        <translation>Barra del avance del encendido</translation>
    </message>
    <message>
        <source>Knock: switch on or off</source>
        <translation>Picado: activar o desactivar</translation>
    </message>
    <message>
        <source>Timing Lookup Table</source>
        <translation>Tabla de avance</translation>
    </message>
    <message>
        <source>Dwell Lookup Table</source>
        <translation>Tabla de ángulo de cierre</translation>
    </message>
    <message>
        <source>Injection Lookup Table</source>
        <translation>Tabla de inyección</translation>
    </message>
    <message>
        <source>Speed look up value</source>
        <translation>Consulta de régimen</translation>
    </message>
    <message>
        <source>Load look up value</source>
        <translation>Consulta de carga</translation>
    </message>
    <message>
        <source>Volts look up value</source>
        <translation>Consulta de tensión</translation>
    </message>
    <message>
        <source>Columns Speed 1 ... Speed 8:
    800 ... 6400 rev/min
Timing and injection rows 1 ... 8:
    load 98 % ... 0 %
Dwell rows 1 ... 8:
    15 V ... 8 V</source>
        <translation>Columnas Régimen 1 ... Régimen 8:
    800 ... 6400 rpm
Filas de avance e inyección 1 ... 8:
    carga 98 % ... 0 %
Filas de ángulo de cierre 1 ... 8:
    15 V ... 8 V</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>JobSheet</name>
    <message>
        <source> &apos;Vantorel&apos; - Diagnostics</source>
        <translation> &apos;Vantorel&apos; - Diagnóstico</translation>
    </message>
    <message>
        <source>Tel: %1</source>
        <translation>Tel.: %1</translation>
    </message>
    <message>
        <source>Diagnostic Technician: %1    Date &amp; Time: %2</source>
        <translation>Técnico de diagnóstico: %1    Fecha y hora: %2</translation>
    </message>
    <message>
        <source>Vehicle system: %1</source>
        <translation>Sistema del vehículo: %1</translation>
    </message>
    <message>
        <source>Main symptoms noted: %1</source>
        <translation>Síntomas principales observados: %1</translation>
    </message>
    <message>
        <source>  Carry out the following procedures in sequence...</source>
        <translation>  Realice los siguientes procedimientos por orden...</translation>
    </message>
    <message>
        <source>If the main test is NOT OK then carry out the inset procedure...</source>
        <translation>Si la prueba principal NO es correcta, realice el procedimiento sangrado...</translation>
    </message>
    <message>
        <source>Repairs completed - Technician Signature:</source>
        <translation>Reparación terminada - Firma del técnico:</translation>
    </message>
    <message>
        <source>Supervisor Signature (if appropriate):</source>
        <translation>Firma del supervisor (si procede):</translation>
    </message>
</context>
<context>
    <name>LookupTableModel</name>
    <message>
        <source>The lookup table &apos;%1&apos; could not be read (%2).</source>
        <translation>No se ha podido leer la tabla &apos;%1&apos; (%2).</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>Régimen %1</translation>
    </message>
    <message>
        <source>Cannot update the %1: %2.</source>
        <translation>No se puede actualizar «%1»: %2.</translation>
    </message>
    <message>
        <source>The record of the %1 was deleted.</source>
        <translation>El registro de «%1» se ha borrado.</translation>
    </message>
</context>
<context>
    <name>MapChart</name>
    <message>
        <source>Degrees BTDC</source>
        <translation>Grados APMS</translation>
    </message>
    <message>
        <source>Dwell %</source>
        <translation>Ángulo de cierre %</translation>
    </message>
    <message>
        <source>Injection ms</source>
        <translation>Inyección ms</translation>
    </message>
    <message>
        <source>degrees BTDC</source>
        <translation>grados APMS</translation>
    </message>
    <message>
        <source>%1 rev/min, %2</source>
        <translation>%1 rpm, %2</translation>
    </message>
    <message>
        <source>%1 rev/min, %2 load</source>
        <translation>%1 rpm, %2 de carga</translation>
    </message>
    <message>
        <source>Engine Speed</source>
        <translation>Régimen del motor</translation>
    </message>
    <message>
        <source>Engine Load or System Voltage</source>
        <translation>Carga del motor o tensión del sistema</translation>
    </message>
</context>
<context>
    <name>MapChartView</name>
    <message>
        <source>In use</source>
        <translation>En uso</translation>
    </message>
    <message>
        <source>Drag to turn the chart; the mouse wheel zooms.</source>
        <translation>Arrastre para girar el gráfico; la rueda del ratón acerca o aleja.</translation>
    </message>
</context>
<context>
    <name>RoutinesStore</name>
    <message>
        <source>The file &apos;%1&apos; cannot be used as the diagnostic routines database: %2</source>
        <translation>El archivo &apos;%1&apos; no se puede usar como base de datos de rutinas de diagnóstico: %2</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>el archivo no existe.</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>no se puede leer el archivo.</translation>
    </message>
    <message>
        <source>it could not be opened.</source>
        <translation>no se ha podido abrir.</translation>
    </message>
    <message>
        <source>it is not a database.</source>
        <translation>no es una base de datos.</translation>
    </message>
    <message>
        <source>it has no table &apos;Systems&apos;.</source>
        <translation>no tiene la tabla &apos;Systems&apos;.</translation>
    </message>
    <message>
        <source>the table &apos;Systems&apos; cannot be read.</source>
        <translation>no se puede leer la tabla &apos;Systems&apos;.</translation>
    </message>
    <message>
        <source>The changed routine could not be saved to &apos;%1&apos;: %2</source>
        <translation>La rutina modificada no se ha podido guardar en &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>the record is no longer there.</source>
        <translation>el registro ya no existe.</translation>
    </message>
</context>
<context>
    <name>TelemetryDevice</name>
    <message>
        <source>Lap: %1</source>
        <translation>Vuelta: %1</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message>
        <source>Gauge options</source>
        <translation>Opciones del indicador</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the telemetry to a file</source>
        <translation>Guardar la telemetría en un archivo</translation>
    </message>
    <message>
        <source>Clear data</source>
        <translation>Borrar datos</translation>
    </message>
    <message>
        <source>Circuit keys</source>
        <translation>Teclas del circuito</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>If the &apos;Telemetry&apos; screen is showing, click on the track and then...<byte value="xd"/>
<byte value="xd"/>
Home - Starts/Resets the lap from the start/finish line<byte value="xd"/>
<byte value="xd"/>
PgUp and PgDn - Throttle/Brakes on/off to drive the car</source>
        <translation>Si se ve la pantalla &apos;Telemetría&apos;, haga clic en el circuito y luego...<byte value="xd"/>
<byte value="xd"/>
Inicio - Inicia o reinicia la vuelta desde la línea de salida/meta<byte value="xd"/>
<byte value="xd"/>
Re Pág y Av Pág - Acelerador/freno sí/no para conducir el coche</translation>
    </message>
    <message>
        <source>Circuit Keys</source>
        <translation>Teclas del circuito</translation>
    </message>
    <message>
        <source>Do you want to save the telemetry file to disk for later analysis with a spreadsheet program?</source>
        <translation>¿Desea guardar el archivo de telemetría en el disco para analizarlo más tarde con una hoja de cálculo?</translation>
    </message>
    <message>
        <source>Data Files (*.csv)</source>
        <translation>Archivos de datos (*.csv)</translation>
    </message>
    <message>
        <source>The telemetry file could not be saved to %1<byte value="xd"/>
<byte value="xd"/>
Error number: %2 - %3</source>
        <translation>No se ha podido guardar el archivo de telemetría en %1<byte value="xd"/>
<byte value="xd"/>
Número de error: %2 - %3</translation>
    </message>
    <message>
        <source>Telemetry file saved to disk...</source>
        <translation>Archivo de telemetría guardado...</translation>
    </message>
    <message>
        <source>Click OK to stop running or recording of track file...</source>
        <translation>Haga clic en Aceptar para detener el recorrido o la grabación del archivo del circuito...</translation>
    </message>
    <message>
        <source>Warning - This will clear the existing track recording and create another. Do you want to continue?</source>
        <translation>Atención - Se borrará la grabación del circuito existente y se creará otra. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuito</translation>
    </message>
    <message>
        <source>Gauge</source>
        <translation>Indicador</translation>
    </message>
</context>
<context>
    <name>frmCharging</name>
    <message>
        <source>Charging system</source>
        <translation>Carga</translation>
    </message>
    <message>
        <source>Alternator (cutaway)</source>
        <translation>Alternador (en corte)</translation>
    </message>
    <message>
        <source>Rev/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>rev/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Voltios</translation>
    </message>
    <message>
        <source>Engine speed, rev/min</source>
        <translation>Régimen del motor, rpm</translation>
    </message>
    <message>
        <source>Alternator speed, rev/min</source>
        <translation>Régimen del alternador, rpm</translation>
    </message>
    <message>
        <source>Alternator output, volts</source>
        <translation>Salida del alternador, voltios</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Crankshaft</source>
        <translation>Cigüeñal</translation>
    </message>
    <message>
        <source>Alternator</source>
        <translation>Alternador</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>Ignition</source>
        <translation>Contacto</translation>
    </message>
</context>
<context>
    <name>frmControls</name>
    <message>
        <source>Controls</source>
        <translation>Mandos</translation>
    </message>
    <message>
        <source>Throttle Down</source>
        <translation>Menos gas</translation>
    </message>
    <message>
        <source>Throttle Up</source>
        <translation>Más gas</translation>
    </message>
    <message>
        <source>Auto run</source>
        <translation>Marcha automática</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Acelerador</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Suelto</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Pisado</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>A fondo</translation>
    </message>
    <message>
        <source>Gears</source>
        <translation>Marchas</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Can&apos;t change engine speed it&apos;s not running yet!</source>
        <translation>No se puede cambiar el régimen del motor: ¡todavía no está en marcha!</translation>
    </message>
    <message>
        <source>Auto run is only available when the engine has been started...</source>
        <translation>La marcha automática solo está disponible con el motor arrancado...</translation>
    </message>
    <message>
        <source>Ready...</source>
        <translation>Listo...</translation>
    </message>
    <message>
        <source>Can&apos;t increase engine speed it&apos;s not running yet!</source>
        <translation>No se puede subir el régimen del motor: ¡todavía no está en marcha!</translation>
    </message>
</context>
<context>
    <name>frmDiagnostics</name>
    <message>
        <source>Diagnostic Database</source>
        <translation>Base de datos de diagnóstico</translation>
    </message>
    <message>
        <source>Choose the vehicle system from the database &gt;&gt;</source>
        <translation>Elija el sistema del vehículo en la base de datos &gt;&gt;</translation>
    </message>
    <message>
        <source>System . . .</source>
        <translation>Sistema . . .</translation>
    </message>
    <message>
        <source>Select the symptoms &gt;&gt;</source>
        <translation>Elija los síntomas &gt;&gt;</translation>
    </message>
    <message>
        <source>Symptoms . . .</source>
        <translation>Síntomas . . .</translation>
    </message>
    <message>
        <source>OK Routine</source>
        <translation>Rutina de comprobación</translation>
    </message>
    <message>
        <source>Not OK Action</source>
        <translation>Acción si no es correcto</translation>
    </message>
    <message>
        <source>Symptoms</source>
        <translation>Síntomas</translation>
    </message>
    <message>
        <source>OK routine, step %1</source>
        <translation>Rutina de comprobación, paso %1</translation>
    </message>
    <message>
        <source>Not OK action, step %1</source>
        <translation>Acción si no es correcto, paso %1</translation>
    </message>
    <message>
        <source>Vehicle system</source>
        <translation>Sistema del vehículo</translation>
    </message>
    <message>
        <source>First system</source>
        <translation>Primer sistema</translation>
    </message>
    <message>
        <source>Previous system</source>
        <translation>Sistema anterior</translation>
    </message>
    <message>
        <source>Next system</source>
        <translation>Sistema siguiente</translation>
    </message>
    <message>
        <source>Last system</source>
        <translation>Último sistema</translation>
    </message>
    <message>
        <source>First routine</source>
        <translation>Primera rutina</translation>
    </message>
    <message>
        <source>Previous routine</source>
        <translation>Rutina anterior</translation>
    </message>
    <message>
        <source>Next routine</source>
        <translation>Rutina siguiente</translation>
    </message>
    <message>
        <source>Last routine</source>
        <translation>Última rutina</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>The routines stay those of &apos;%2&apos;.</source>
        <translation>%1<byte value="xd"/><byte value="xd"/>Se mantienen las rutinas de &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>This text is %1 characters long; the box shows the first %2 and it cannot be edited here.</source>
        <translation>Este texto tiene %1 caracteres; el cuadro muestra los %2 primeros y aquí no se puede editar.</translation>
    </message>
    <message>
        <source>Some texts of this routine are longer than %1 characters: the job sheet prints the first %1 of each.</source>
        <translation>Algunos textos de esta rutina tienen más de %1 caracteres: la hoja de trabajo imprime los %1 primeros de cada uno.</translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Se ha producido un problema al imprimir.</translation>
    </message>
</context>
<context>
    <name>frmFaults</name>
    <message>
        <source>Faults...</source>
        <translation>Averías...</translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>Reparar todas</translation>
    </message>
    <message>
        <source>Faults list</source>
        <translation>Lista de averías</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Locked while a challenge is running.

The boxes are shown again when the challenge ends.</source>
        <translation>Bloqueado mientras hay un reto en curso.

Las casillas vuelven a verse cuando termina el reto.</translation>
    </message>
    <message>
        <source>The faults list is locked while a challenge is running. End the challenge first.</source>
        <translation>La lista de averías está bloqueada mientras hay un reto en curso. Termine primero el reto.</translation>
    </message>
    <message>
        <source>You must login before you can see the list of faults</source>
        <translation>Debe iniciar sesión para ver la lista de averías</translation>
    </message>
    <message>
        <source>Show faults list</source>
        <translation>Ver lista de averías</translation>
    </message>
    <message>
        <source>Hide faults list</source>
        <translation>Ocultar la lista</translation>
    </message>
</context>
<context>
    <name>frmInstruments</name>
    <message>
        <source>Instruments</source>
        <translation>Instrumentos</translation>
    </message>
    <message>
        <source>Speedometer</source>
        <translation>Velocímetro</translation>
    </message>
    <message>
        <source>Rev. counter</source>
        <translation>Cuentarrev.</translation>
    </message>
    <message>
        <source>Fuel gauge</source>
        <translation>Combustible</translation>
    </message>
    <message>
        <source>Temp. gauge</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Parcial</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Veloc.</translation>
    </message>
    <message>
        <source>Revs</source>
        <translation>Rév.</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Comb.</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Millas</translation>
    </message>
    <message>
        <source>Road speed</source>
        <translation>Velocidad del vehículo</translation>
    </message>
    <message>
        <source>Engine speed, rev/min</source>
        <translation>Régimen del motor, rpm</translation>
    </message>
    <message>
        <source>Fuel level</source>
        <translation>Nivel de combustible</translation>
    </message>
    <message>
        <source>Engine temperature</source>
        <translation>Temperatura del motor</translation>
    </message>
    <message>
        <source>Trip distance</source>
        <translation>Distancia del trayecto</translation>
    </message>
    <message>
        <source>Check Engine</source>
        <translation>Avería motor</translation>
    </message>
    <message>
        <source>Oil</source>
        <translation>Aceite</translation>
    </message>
    <message>
        <source>Charge</source>
        <translation>Carga</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Largas</translation>
    </message>
    <message>
        <source>Change display to km/h or mph</source>
        <translation>Cambiar la indicación a km/h o mph</translation>
    </message>
</context>
<context>
    <name>frmMaps</name>
    <message>
        <source>Bar Chart</source>
        <translation>Gráfico de barras</translation>
    </message>
    <message>
        <source>Flat Lines</source>
        <translation>Líneas planas</translation>
    </message>
    <message>
        <source>Smooth Blocks</source>
        <translation>Bloques suaves</translation>
    </message>
    <message>
        <source>Stepped Blocks</source>
        <translation>Bloques escalonados</translation>
    </message>
    <message>
        <source>Timing Map</source>
        <translation>Mapa de avance</translation>
    </message>
    <message>
        <source>Dwell Map</source>
        <translation>Mapa de ángulo de cierre</translation>
    </message>
    <message>
        <source>Injection Map</source>
        <translation>Mapa de inyección</translation>
    </message>
    <message>
        <source>Maps</source>
        <translation>Mapas</translation>
    </message>
    <message>
        <source>Choose which data map:</source>
        <translation>Elija el mapa de datos:</translation>
    </message>
    <message>
        <source>Choose a chart style:</source>
        <translation>Elija el tipo de gráfico:</translation>
    </message>
    <message>
        <source>The three-dimensional chart cannot be drawn here, because OpenGL is not available on this display. The map&apos;s values are still read, and the engine-management window shows them in its lookup tables.</source>
        <translation>El gráfico tridimensional no se puede dibujar aquí porque OpenGL no está disponible en esta pantalla. Los valores del mapa se leen igualmente, y la ventana Gestión del motor los muestra en sus tablas.</translation>
    </message>
    <message>
        <source>Cell in use at the last engine step (marked in red):
%1: %2 %3</source>
        <translation>Celda usada en el último paso del motor (marcada en rojo):
%1: %2 %3</translation>
    </message>
    <message>
        <source>While the engine runs, the cell the unit uses is marked in red.</source>
        <translation>Con el motor en marcha, la celda que usa la unidad de control aparece marcada en rojo.</translation>
    </message>
</context>
<context>
    <name>frmStarting</name>
    <message>
        <source>Starting system</source>
        <translation>Arranque</translation>
    </message>
    <message>
        <source>Starter motor (cutaway)</source>
        <translation>Motor de arranque (en corte)</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Voltios</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <translation>Tensión de la batería</translation>
    </message>
    <message>
        <source>Battery voltage, volts</source>
        <translation>Tensión de la batería, voltios</translation>
    </message>
    <message>
        <source>Set battery voltage</source>
        <translation>Ajustar la tensión de la batería</translation>
    </message>
    <message>
        <source>Ignition/Starter</source>
        <translation>Contacto/Arranque</translation>
    </message>
    <message>
        <source>Ignition on</source>
        <translation>Contacto sí</translation>
    </message>
    <message>
        <source>Turns the key to ignition on with the engine still, or back to off</source>
        <translation>Gira la llave a contacto con el motor parado, o de vuelta a apagado</translation>
    </message>
    <message>
        <source>Key: off</source>
        <translation>Llave: apagado</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Régimen</translation>
    </message>
    <message>
        <source>rev/min</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Cranking speed, rev/min</source>
        <translation>Régimen de arranque, rpm</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Normal Range</source>
        <translation>Rango normal</translation>
    </message>
    <message>
        <source>Key: start</source>
        <translation>Llave: arranque</translation>
    </message>
    <message>
        <source>Key: ignition on</source>
        <translation>Llave: contacto</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>Solenoid</source>
        <translation>Relé (solenoide)</translation>
    </message>
    <message>
        <source>Starter motor</source>
        <translation>Motor de arranque</translation>
    </message>
    <message>
        <source>Ignition</source>
        <translation>Contacto</translation>
    </message>
</context>
<context>
    <name>frmTelemetryOptions</name>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Telemetry Gauge Options</source>
        <translation>Opciones del indicador de telemetría</translation>
    </message>
    <message>
        <source>Telemetry gauge number:</source>
        <translation>Número del indicador de telemetría:</translation>
    </message>
    <message>
        <source>Gauge title</source>
        <translation>Título del indicador</translation>
    </message>
    <message>
        <source>What the gauge shows</source>
        <translation>Lo que muestra el indicador</translation>
    </message>
    <message>
        <source>Bar Gauge</source>
        <translation>Indicador de barra</translation>
    </message>
    <message>
        <source>Clock gauge</source>
        <translation>Indicador de aguja</translation>
    </message>
    <message>
        <source>Sample %1</source>
        <translation>Ejemplo %1</translation>
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
        <source>Telemetry chart and gauge number:  %1</source>
        <translation>Gráfico e indicador de telemetría n.º:  %1</translation>
    </message>
    <message>
        <source>Current assignment: %1</source>
        <translation>Asignación actual: %1</translation>
    </message>
</context>
<context>
    <name>frmTripComputer</name>
    <message>
        <source>Trip Computer</source>
        <translation>Ordenador de a bordo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Dist.</translation>
    </message>
    <message>
        <source>Inst</source>
        <translation>Inst.</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Med.</translation>
    </message>
    <message>
        <source>ETA</source>
        <translation>Lleg.</translation>
    </message>
    <message>
        <source>Av Sp</source>
        <translation>V med</translation>
    </message>
    <message>
        <source>Elaps</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Comb.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Crono</translation>
    </message>
    <message>
        <source>Arr</source>
        <translation>Dest.</translation>
    </message>
    <message>
        <source>Trip Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Trip display</source>
        <translation>Pantalla del ordenador de a bordo</translation>
    </message>
    <message>
        <source>Set Distance</source>
        <translation>Fijar distancia</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Set Arrival Distance using the Trip computer buttons...<byte value="xd"/>
<byte value="xd"/>...then click Set Distance again.</source>
        <translation>Introduzca la distancia al destino con los botones del ordenador de a bordo...<byte value="xd"/>
<byte value="xd"/>...y después vuelva a hacer clic en Fijar distancia.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a distance. Arrival Distance not changed: enter the distance with the number buttons.</source>
        <translation>&quot;%1&quot; no es una distancia. La distancia al destino no cambia: introduzca la distancia con los botones numéricos.</translation>
    </message>
    <message>
        <source>Arrival Distance set to: %1 kilometres</source>
        <translation>Distancia al destino fijada en: %1 kilómetros</translation>
    </message>
    <message>
        <source>Arrival Distance set to: %1 miles</source>
        <translation>Distancia al destino fijada en: %1 millas</translation>
    </message>
    <message>
        <source>&apos;Elapsed Time&apos;, &apos;Trip Distance&apos;, &apos;Stop Watch&apos; and &apos;Fuel Used&apos; reset...</source>
        <translation>&apos;Tiempo transcurrido&apos;, &apos;Distancia del trayecto&apos;, &apos;Cronómetro&apos; y &apos;Combustible consumido&apos; puestos a cero...</translation>
    </message>
</context>
<context>
    <name>frmWaveEdit</name>
    <message>
        <source>Current waveform is: %1</source>
        <translation>Forma de onda actual: %1</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Modo edición</translation>
    </message>
    <message>
        <source>Error number %1 %2</source>
        <translation>Número de error %1 %2</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>No se encuentra la ruta</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a la ruta o al archivo</translation>
    </message>
    <message>
        <source>Waveform Editor</source>
        <translation>Editor de formas de onda</translation>
    </message>
    <message>
        <source>Open waveform:</source>
        <translation>Forma de onda abierta:</translation>
    </message>
    <message>
        <source>Move all values one space to the right &gt;</source>
        <translation>Mover todos los valores una posición a la derecha &gt;</translation>
    </message>
    <message>
        <source>Copy first cell to all &gt;&gt;</source>
        <translation>Copiar la primera celda en todas &gt;&gt;</translation>
    </message>
    <message>
        <source>Enter the Y (voltage) values of the waveform (-99 to 99) from left to right:</source>
        <translation>Introduzca los valores Y (tensión) de la forma de onda (de -99 a 99) de izquierda a derecha:</translation>
    </message>
    <message>
        <source>Enter the DMM reading:</source>
        <translation>Introduzca la lectura del DMM:</translation>
    </message>
    <message>
        <source>DMM reading</source>
        <translation>Lectura del DMM</translation>
    </message>
    <message>
        <source>Y value %1</source>
        <translation>Valor Y %1</translation>
    </message>
    <message>
        <source>Freeze Wave</source>
        <translation>Congelar onda</translation>
    </message>
    <message>
        <source>Save and View Full Width</source>
        <translation>Guardar y ver a todo lo ancho</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Are you sure you want to copy the first cell value to all the others?</source>
        <translation>¿Seguro que desea copiar el valor de la primera celda en todas las demás?</translation>
    </message>
    <message>
        <source>Are you sure you want to move all the cell values along by one?</source>
        <translation>¿Seguro que desea desplazar todos los valores de las celdas una posición?</translation>
    </message>
    <message>
        <source>Un-Freeze...</source>
        <translation>Descongelar...</translation>
    </message>
    <message>
        <source>Please try again and use the &apos;Save As...&apos; option to choose another location or name.<byte value="xd"/>
<byte value="xd"/> (%1) may be read only)<byte value="xd"/>
<byte value="xd"/>Files must be saved in an area such as &apos;My Documents&apos;, where you have permission to work...</source>
        <translation>Inténtelo de nuevo y use la opción &apos;Guardar como...&apos; para elegir otra ubicación u otro nombre.<byte value="xd"/>
<byte value="xd"/>(%1 puede ser de solo lectura)<byte value="xd"/>
<byte value="xd"/>Los archivos deben guardarse en una zona como &apos;Mis documentos&apos;, donde tenga permiso para trabajar...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Multiscope Files (*.msf)</source>
        <translation>Archivos de MultiScope (*.msf)</translation>
    </message>
    <message>
        <source>Please try again! Files must be saved in an area such as &apos;My Documents&apos;, where you have permission...</source>
        <translation>¡Inténtelo de nuevo! Los archivos deben guardarse en una zona como &apos;Mis documentos&apos;, donde tenga permiso...</translation>
    </message>
    <message>
        <source>Please try again! Files must be saved in an area such as &apos;My Documents&apos;, where existing files are not Read Only...</source>
        <translation>¡Inténtelo de nuevo! Los archivos deben guardarse en una zona como &apos;Mis documentos&apos;, donde los archivos existentes no sean de solo lectura...</translation>
    </message>
</context>
<context>
    <name>startstop</name>
    <message>
        <source>Ready...</source>
        <translation>Listo...</translation>
    </message>
    <message>
        <source>Ignition on...</source>
        <translation>Contacto sí...</translation>
    </message>
    <message>
        <source>Ignition off...</source>
        <translation>Contacto no...</translation>
    </message>
    <message>
        <source>Engine is stopped...</source>
        <translation>El motor está parado...</translation>
    </message>
</context>
<context>
    <name>telemetry::Channels</name>
    <message>
        <source>00 Select Input Source...</source>
        <extracomment>The two-digit number and the space in front of a channel stay: the gauge options read the channel from them and take the rest as the gauge&apos;s title.</extracomment>
        <translation>00 Elija la fuente de entrada...</translation>
    </message>
    <message>
        <source>01 System Voltage</source>
        <translation>01 Tensión del sistema</translation>
    </message>
    <message>
        <source>02 Throttle Position</source>
        <translation>02 Posición del acelerador</translation>
    </message>
    <message>
        <source>03 Gear</source>
        <translation>03 Marcha</translation>
    </message>
    <message>
        <source>04 Knock</source>
        <translation>04 Picado</translation>
    </message>
    <message>
        <source>05 Engine Speed</source>
        <translation>05 Régimen del motor</translation>
    </message>
    <message>
        <source>06 Engine Load</source>
        <translation>06 Carga del motor</translation>
    </message>
    <message>
        <source>07 Engine Temperature</source>
        <translation>07 Temperatura del motor</translation>
    </message>
    <message>
        <source>08 Road Speed</source>
        <translation>08 Velocidad del vehículo</translation>
    </message>
    <message>
        <source>09 Ignition Timing</source>
        <translation>09 Avance del encendido</translation>
    </message>
    <message>
        <source>10 Injection Duration</source>
        <translation>10 Duración de la inyección</translation>
    </message>
    <message>
        <source>11 Dwel Percentage</source>
        <translation>11 Ángulo de cierre en porcentaje</translation>
    </message>
</context>
<context>
    <name>telemetry::OutputChannel</name>
    <message>
        <source>Bad file name or number</source>
        <translation>Nombre o número de archivo incorrecto</translation>
    </message>
</context>
<context>
    <name>telemetry::Status</name>
    <message>
        <source>Telemetry off... </source>
        <translation>Telemetría desactivada... </translation>
    </message>
    <message numerus="yes">
        <source>Telemetry recording, %n sample...</source>
        <translation>
            <numerusform>Telemetría grabando, %n muestra...</numerusform>
            <numerusform>Telemetría grabando, %n muestras...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Telemetry recording, %n samples...</source>
        <translation>
            <numerusform>Telemetría grabando, %n muestra...</numerusform>
            <numerusform>Telemetría grabando, %n muestras...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Telemetry off, %n sample...</source>
        <translation>
            <numerusform>Telemetría desactivada, %n muestra...</numerusform>
            <numerusform>Telemetría desactivada, %n muestras...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Telemetry off, %n samples...</source>
        <translation>
            <numerusform>Telemetría desactivada, %n muestra...</numerusform>
            <numerusform>Telemetría desactivada, %n muestras...</numerusform>
        </translation>
    </message>
</context>
</TS>
