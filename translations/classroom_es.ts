<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Answers</name>
    <message>
        <source>(choose the circuit)</source>
        <translation>(elija el circuito)</translation>
    </message>
</context>
<context>
    <name>Attempt</name>
    <message>
        <source>The challenge has ended.</source>
        <translation>El reto ha terminado.</translation>
    </message>
    <message>
        <source>This challenge allows 1 measurement and you have taken it.

Decide on your diagnosis and submit it.</source>
        <translation>Este reto permite 1 medición y ya la has hecho.

Decide tu diagnóstico y entrégalo.</translation>
    </message>
    <message>
        <source>This challenge allows %1 measurements and you have taken them all.

Decide on your diagnosis and submit it.</source>
        <translation>Este reto permite %1 mediciones y ya las has hecho todas.

Decide tu diagnóstico y entrégalo.</translation>
    </message>
    <message>
        <source>Ended without a diagnosis: 0</source>
        <translation>Terminado sin diagnóstico: 0</translation>
    </message>
    <message>
        <source>Wrong diagnosis: 0</source>
        <translation>Diagnóstico incorrecto: 0</translation>
    </message>
    <message>
        <source>Right diagnosis: 100</source>
        <translation>Diagnóstico correcto: 100</translation>
    </message>
    <message>
        <source>No measurement on the faulty circuit, so no evidence for the diagnosis: -%1</source>
        <translation>Ninguna medición en el circuito averiado, así que no hay pruebas del diagnóstico: -%1</translation>
    </message>
    <message>
        <source>Only one measurement on the faulty circuit (measure it at both ends): -%1</source>
        <translation>Solo una medición en el circuito averiado (mídelo en los dos extremos): -%1</translation>
    </message>
    <message>
        <source>%1 measurements on sound circuits, %2 more than the %3 a comparison needs: -%4</source>
        <translation>%1 mediciones en circuitos sin avería, %2 más que las %3 que necesita una comparación: -%4</translation>
    </message>
    <message>
        <source>Hints: -%1</source>
        <translation>Pistas: -%1</translation>
    </message>
    <message>
        <source>After the time limit: -%1</source>
        <translation>Fuera de tiempo: -%1</translation>
    </message>
    <message>
        <source>Guided tests without a result: %1 (-%2)</source>
        <translation>Pruebas guiadas sin resultado: %1 (-%2)</translation>
    </message>
    <message>
        <source>A right diagnosis keeps at least %1</source>
        <translation>Un diagnóstico correcto conserva al menos %1</translation>
    </message>
    <message>
        <source>Right: well diagnosed.</source>
        <translation>Correcto: buen diagnóstico.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation>Incorrecto.</translation>
    </message>
    <message>
        <source>Your diagnosis: %1</source>
        <translation>Tu diagnóstico: %1</translation>
    </message>
    <message>
        <source>(ended without a diagnosis)</source>
        <translation>(terminado sin diagnóstico)</translation>
    </message>
    <message>
        <source>The fault: %1</source>
        <translation>La avería: %1</translation>
    </message>
    <message>
        <source>Time: %1 (over the time limit)</source>
        <translation>Tiempo: %1 (fuera del tiempo límite)</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>Measurements: %1</source>
        <translation>Mediciones: %1</translation>
    </message>
    <message>
        <source>Hints used: %1 (1 point)</source>
        <translation>Pistas usadas: %1 (1 punto)</translation>
    </message>
    <message>
        <source>Hints used: %1 (%2 points)</source>
        <translation>Pistas usadas: %1 (%2 puntos)</translation>
    </message>
    <message>
        <source>Guided tests asked for:</source>
        <translation>Pruebas guiadas pedidas:</translation>
    </message>
    <message>
        <source>Guided tests without a result: %1 (%2 points)</source>
        <translation>Pruebas guiadas sin resultado: %1 (%2 puntos)</translation>
    </message>
    <message>
        <source>Score: %1 out of 100</source>
        <translation>Puntuación: %1 de 100</translation>
    </message>
    <message>
        <source> &apos;Vantorel&apos; - Challenge result</source>
        <translation> &apos;Vantorel&apos; - Resultado del reto</translation>
    </message>
    <message>
        <source>Student: %1</source>
        <translation>Alumno: %1</translation>
    </message>
    <message>
        <source>Challenge: %1</source>
        <translation>Reto: %1</translation>
    </message>
    <message>
        <source>Started: %1    Printed: %2</source>
        <translation>Inicio: %1    Impreso: %2</translation>
    </message>
    <message>
        <source>Diagnostic path</source>
        <translation>Recorrido del diagnóstico</translation>
    </message>
    <message>
        <source>  No measurement was taken.</source>
        <translation>  No se hizo ninguna medición.</translation>
    </message>
    <message>
        <source>Guided tests run</source>
        <translation>Pruebas guiadas realizadas</translation>
    </message>
    <message>
        <source>Assessed - the method (verify, analyse, isolate, repair, verify, document):</source>
        <translation>Evaluado - el método (verificar, analizar, aislar, reparar, verificar, documentar):</translation>
    </message>
    <message>
        <source>Student signature:%1Instructor signature:</source>
        <translation>Firma del alumno:%1Firma del profesor:</translation>
    </message>
    <message>
        <source>%1  %2:  %3 (at %4)</source>
        <translation>%1  %2:  %3 (a los %4)</translation>
    </message>
    <message>
        <source>not run to a result</source>
        <translation>no realizada hasta obtener resultado</translation>
    </message>
    <message>
        <source>?</source>
        <comment>a time that cannot be</comment>
        <translation>?</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Reto</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>The file is not a results file: it is not text.</source>
        <translation>El archivo no es un archivo de resultados: no es texto.</translation>
    </message>
    <message>
        <source>The file is not a results file: its first line is not the heading &quot;%1&quot;.</source>
        <translation>El archivo no es un archivo de resultados: su primera línea no es el encabezado «%1».</translation>
    </message>
</context>
<context>
    <name>Challenge</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>a set&apos;s engine is &quot;@ running&quot; or &quot;@ stopped&quot;.</source>
        <translation>el estado del motor de un conjunto es «@ running» o «@ stopped».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the faults 1 to %2.</source>
        <translation>«%1» no es ninguna de las averías 1 a %2.</translation>
    </message>
    <message>
        <source>throttle off</source>
        <translation>acelerador suelto</translation>
    </message>
    <message>
        <source>throttle on</source>
        <translation>acelerador pisado</translation>
    </message>
    <message>
        <source>throttle full</source>
        <translation>acelerador a fondo</translation>
    </message>
    <message>
        <source>Engine running</source>
        <translation>Motor en marcha</translation>
    </message>
    <message>
        <source>Engine stopped</source>
        <translation>Motor parado</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>punto muerto</translation>
    </message>
    <message>
        <source>reverse gear</source>
        <translation>marcha atrás</translation>
    </message>
    <message>
        <source>gear %1</source>
        <translation>%1.ª marcha</translation>
    </message>
    <message>
        <source>auto run on</source>
        <translation>marcha automática activada</translation>
    </message>
    <message>
        <source>auto run off</source>
        <translation>marcha automática desactivada</translation>
    </message>
    <message>
        <source>%1, battery %2 V, engine at %3 °C, %4, %5, %6.</source>
        <translation>%1, batería %2 V, motor a %3 °C, %4, %5, %6.</translation>
    </message>
    <message>
        <source>The challenge has no title.</source>
        <translation>El reto no tiene título.</translation>
    </message>
    <message>
        <source>The title must be one line.</source>
        <translation>El título debe ocupar una sola línea.</translation>
    </message>
    <message>
        <source>The title is %1 characters long; a title has at most %2.</source>
        <translation>El título tiene %1 caracteres; un título tiene como máximo %2.</translation>
    </message>
    <message>
        <source>The title holds a control character (%1).</source>
        <translation>El título contiene un carácter de control (%1).</translation>
    </message>
    <message>
        <source>The challenge has no instructions for the student.</source>
        <translation>El reto no tiene instrucciones para el alumno.</translation>
    </message>
    <message>
        <source>The instructions are %1 characters long; they may have at most %2.</source>
        <translation>Las instrucciones tienen %1 caracteres; pueden tener como máximo %2.</translation>
    </message>
    <message>
        <source>The instructions hold a control character (%1).</source>
        <translation>Las instrucciones contienen un carácter de control (%1).</translation>
    </message>
    <message>
        <source>The challenge injects no fault: choose at least one.</source>
        <translation>El reto no provoca ninguna avería: elige al menos una.</translation>
    </message>
    <message>
        <source>A challenge injects at most %1 faults.</source>
        <translation>Un reto provoca como máximo %1 averías.</translation>
    </message>
    <message>
        <source>Fault %1 is not one of the faults 1 to %2.</source>
        <translation>La avería %1 no es ninguna de las averías 1 a %2.</translation>
    </message>
    <message>
        <source>Fault %1 is listed twice.</source>
        <translation>La avería %1 aparece dos veces.</translation>
    </message>
    <message>
        <source>The challenge has no answer: choose the faulty part and circuit.</source>
        <translation>El reto no tiene respuesta: elige la pieza averiada y el circuito.</translation>
    </message>
    <message>
        <source>A challenge has at most %1 answers.</source>
        <translation>Un reto tiene como máximo %1 respuestas.</translation>
    </message>
    <message>
        <source>The answer &quot;%1&quot; is not in the list of answers.</source>
        <translation>La respuesta «%1» no está en la lista de respuestas.</translation>
    </message>
    <message>
        <source>The answer &quot;%1&quot; is given twice.</source>
        <translation>La respuesta «%1» aparece dos veces.</translation>
    </message>
    <message>
        <source>A challenge that draws its faults gives no faults or answers of its own.</source>
        <translation>Un reto que sortea sus averías no indica averías ni respuestas propias.</translation>
    </message>
    <message>
        <source>A draw offers from 2 to %1 sets of faults.</source>
        <translation>Un sorteo ofrece de 2 a %1 conjuntos de averías.</translation>
    </message>
    <message>
        <source>Set %1 of the draw: %2</source>
        <translation>Conjunto %1 del sorteo: %2</translation>
    </message>
    <message>
        <source>Set %1 of the draw has more faults than a student can name (%2).</source>
        <translation>El conjunto %1 del sorteo tiene más averías de las que un alumno puede indicar (%2).</translation>
    </message>
    <message>
        <source>Fault %1 of the draw shows at no connection point: a student cannot find it.</source>
        <translation>La avería %1 del sorteo no se ve en ningún punto de medida: un alumno no puede encontrarla.</translation>
    </message>
    <message>
        <source>Set %1 of the draw is set %2 again.</source>
        <translation>El conjunto %1 del sorteo repite el conjunto %2.</translation>
    </message>
    <message>
        <source>Each weight of the score is from 0 to 100.</source>
        <translation>Cada peso de la puntuación va de 0 a 100.</translation>
    </message>
    <message>
        <source>A challenge has at most %1 hints.</source>
        <translation>Un reto tiene como máximo %1 pistas.</translation>
    </message>
    <message>
        <source>A hint has no text.</source>
        <translation>Una pista no tiene texto.</translation>
    </message>
    <message>
        <source>A hint is %1 characters long; a hint has at most %2.</source>
        <translation>Una pista tiene %1 caracteres; una pista tiene como máximo %2.</translation>
    </message>
    <message>
        <source>A hint holds a control character (%1).</source>
        <translation>Una pista contiene un carácter de control (%1).</translation>
    </message>
    <message>
        <source>A hint costs from 1 to 50 points.</source>
        <translation>Una pista cuesta de 1 a 50 puntos.</translation>
    </message>
    <message>
        <source>The attempts must be from 1 to %1, or any number.</source>
        <translation>Los intentos deben ir de 1 a %1, o ser ilimitados.</translation>
    </message>
    <message>
        <source>A challenge asks for at most %1 guided tests.</source>
        <translation>Un reto pide como máximo %1 pruebas guiadas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the instrument&apos;s guided tests.</source>
        <translation>«%1» no es ninguna de las pruebas guiadas del instrumento.</translation>
    </message>
    <message>
        <source>The guided test &quot;%1&quot; is asked for twice.</source>
        <translation>La prueba guiada «%1» se pide dos veces.</translation>
    </message>
    <message>
        <source>The battery voltage must be from 0 to 16 V.</source>
        <translation>La tensión de la batería debe ir de 0 a 16 V.</translation>
    </message>
    <message>
        <source>The engine temperature must be from -20 to 110 °C.</source>
        <translation>La temperatura del motor debe ir de -20 a 110 °C.</translation>
    </message>
    <message>
        <source>The time limit must be from 1 to 240 minutes.</source>
        <translation>El tiempo límite debe ir de 1 a 240 minutos.</translation>
    </message>
    <message>
        <source>The measurement limit must be from 1 to 999.</source>
        <translation>El límite de mediciones debe ir de 1 a 999.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is too large (%1); a challenge file holds at most %2.</source>
        <translation>El archivo es demasiado grande (%1); un archivo de reto ocupa como máximo %2.</translation>
    </message>
    <message>
        <source>The file is not a challenge: it holds binary data.</source>
        <translation>El archivo no es un reto: contiene datos binarios.</translation>
    </message>
    <message>
        <source>The file is not a challenge: it is not UTF-8 text.</source>
        <translation>El archivo no es un reto: no es texto UTF-8.</translation>
    </message>
    <message>
        <source>The file is not a challenge: its first line is not &quot;Vantorel challenge 1&quot;.</source>
        <translation>El archivo no es un reto: su primera línea no es «Vantorel challenge 1».</translation>
    </message>
    <message>
        <source>The file was made by a newer version of Vantorel (challenge format %1); this version reads format %2.</source>
        <translation>El archivo lo creó una versión más reciente de Vantorel (formato de reto %1); esta versión lee el formato %2.</translation>
    </message>
    <message>
        <source>Line %1 holds a control character (%2): the file is not plain text.</source>
        <translation>La línea %1 contiene un carácter de control (%2): el archivo no es texto plano.</translation>
    </message>
    <message>
        <source>The file does not end with &quot;End of challenge&quot;: it may be cut short.</source>
        <translation>El archivo no termina con «End of challenge»: puede estar incompleto.</translation>
    </message>
    <message>
        <source>%1 is not &quot;Key: value&quot;: %2</source>
        <translation>%1 no tiene la forma «Clave: valor»: %2</translation>
    </message>
    <message>
        <source>%1: the sealed answers hold something else.</source>
        <translation>%1: las respuestas selladas contienen otra cosa.</translation>
    </message>
    <message>
        <source>%1 repeats &quot;%2&quot;.</source>
        <translation>%1 repite «%2».</translation>
    </message>
    <message>
        <source>%1: the engine is &quot;running&quot; or &quot;stopped&quot;.</source>
        <translation>%1: el motor es «running» o «stopped».</translation>
    </message>
    <message>
        <source>%1: the battery voltage is a whole number from 0 to 16.</source>
        <translation>%1: la tensión de la batería es un número entero de 0 a 16.</translation>
    </message>
    <message>
        <source>%1: the temperature is a whole number from -20 to 110.</source>
        <translation>%1: la temperatura es un número entero de -20 a 110.</translation>
    </message>
    <message>
        <source>%1: the gear is N, 1 to 5 or R.</source>
        <translation>%1: la marcha es N, 1 a 5 o R.</translation>
    </message>
    <message>
        <source>%1: the throttle is &quot;off&quot;, &quot;on&quot; or &quot;full&quot;.</source>
        <translation>%1: el acelerador es «off», «on» o «full».</translation>
    </message>
    <message>
        <source>%1: auto run is &quot;on&quot; or &quot;off&quot;.</source>
        <translation>%1: la marcha automática es «on» u «off».</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not one of the faults 1 to %3.</source>
        <translation>%1: «%2» no es ninguna de las averías 1 a %3.</translation>
    </message>
    <message>
        <source>%1: an answer is &quot;part | circuit&quot;.</source>
        <translation>%1: una respuesta tiene la forma «pieza | circuito».</translation>
    </message>
    <message>
        <source>%1: the time limit is a whole number of minutes from 1 to 240.</source>
        <translation>%1: el tiempo límite es un número entero de minutos de 1 a 240.</translation>
    </message>
    <message>
        <source>%1: the measurement limit is a whole number from 1 to 999.</source>
        <translation>%1: el límite de mediciones es un número entero de 1 a 999.</translation>
    </message>
    <message>
        <source>%1: a hint is &quot;points | text&quot;, with 1 to 50 points.</source>
        <translation>%1: una pista tiene la forma «puntos | texto», con 1 a 50 puntos.</translation>
    </message>
    <message>
        <source>%1: the attempts are a whole number from 1 to %2, or &quot;any&quot;.</source>
        <translation>%1: los intentos son un número entero de 1 a %2, o «any».</translation>
    </message>
    <message>
        <source>%1: the score that counts is &quot;best&quot;, &quot;last&quot;, &quot;first&quot; or &quot;mean&quot;.</source>
        <translation>%1: la puntuación que cuenta es «best», «last», «first» o «mean».</translation>
    </message>
    <message>
        <source>%1: show answer is &quot;yes&quot; or &quot;no&quot;.</source>
        <translation>%1: «Show answer» es «yes» o «no».</translation>
    </message>
    <message>
        <source>%1: the guided tests are their keys, separated by commas.</source>
        <translation>%1: las pruebas guiadas se indican con sus claves, separadas por comas.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: the weights are &quot;NAME NUMBER&quot; pairs (evidence, needless, free, hints, late, guided; 0 to 100), separated by commas.</source>
        <translation>%1: los pesos son pares «NOMBRE NÚMERO» (evidence, needless, free, hints, late, guided; 0 a 100), separados por comas.</translation>
    </message>
    <message>
        <source>%1 has a key this version does not know: &quot;%2&quot;.</source>
        <translation>%1 tiene una clave que esta versión no conoce: «%2».</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>%1: the sealed answers cannot be opened (the title or the seal was changed after the file was saved).</source>
        <translation>%1: las respuestas selladas no se pueden abrir (el título o el sello se cambió después de guardar el archivo).</translation>
    </message>
    <message>
        <source>The line &quot;Instructions:&quot; is missing.</source>
        <translation>Falta la línea «Instructions:».</translation>
    </message>
    <message>
        <source>The line &quot;%1:&quot; is missing.</source>
        <translation>Falta la línea «%1:».</translation>
    </message>
    <message>
        <source>Line %1 is a second &quot;End of challenge&quot;: a challenge file ends once, at its last line.</source>
        <translation>La línea %1 es un segundo «End of challenge»: un archivo de reto termina una sola vez, en su última línea.</translation>
    </message>
    <message>
        <source>The file cannot be found.</source>
        <translation>No se encuentra el archivo.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>No se puede leer el archivo (%1).</translation>
    </message>
    <message>
        <source>The challenge &quot;%1&quot; cannot be opened.

%2</source>
        <translation>No se puede abrir el reto «%1».

%2</translation>
    </message>
</context>
<context>
    <name>ClassFolder</name>
    <message>
        <source>Error number: %1 - %2</source>
        <translation>Número de error: %1 - %2</translation>
    </message>
    <message>
        <source>this computer&apos;s class folder is not known</source>
        <translation>no se conoce la carpeta de la clase de este ordenador</translation>
    </message>
    <message>
        <source>the class folder &quot;%1&quot; cannot be found</source>
        <translation>no se encuentra la carpeta de la clase «%1»</translation>
    </message>
    <message>
        <source>the class folder has no folder &quot;attempts&quot; (is the share mounted?)</source>
        <translation>la carpeta de la clase no tiene la carpeta «attempts» (¿está montado el recurso compartido?)</translation>
    </message>
    <message>
        <source>its folder &quot;attempts&quot; cannot be written</source>
        <translation>no se puede escribir en su carpeta «attempts»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and stays in &quot;%2&quot;: %3</source>
        <translation>«%1» está dañado y se queda en «%2»: %3</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>El archivo ocupa más de %1 MB.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read (%2)</source>
        <translation>no se puede leer «%1» (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written to &quot;%2&quot; (%3)</source>
        <translation>no se puede escribir «%1» en «%2» (%3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was handed in but cannot be removed from &quot;%2&quot;</source>
        <translation>«%1» se entregó, pero no se puede quitar de «%2»</translation>
    </message>
    <message>
        <source>The class folder can be reached again: 1 attempt kept on this computer has now been handed in.</source>
        <translation>Se puede volver a acceder a la carpeta de la clase: ya se ha entregado 1 intento guardado en este ordenador.</translation>
    </message>
    <message>
        <source>The class folder can be reached again: %1 attempts kept on this computer have now been handed in.</source>
        <translation>Se puede volver a acceder a la carpeta de la clase: ya se han entregado %1 intentos guardados en este ordenador.</translation>
    </message>
    <message>
        <source>Attempts kept on this computer that could not be handed in:
%1</source>
        <translation>Intentos guardados en este ordenador que no se pudieron entregar:
%1</translation>
    </message>
    <message>
        <source>Your attempt could not be handed in: %1.

It is kept on this computer and will be handed in when the class folder can be reached again. Attempts after this one are kept the same way without this message.</source>
        <translation>No se pudo entregar tu intento: %1.

Queda guardado en este ordenador y se entregará cuando se pueda volver a acceder a la carpeta de la clase. Los intentos siguientes se guardarán igual, sin este mensaje.</translation>
    </message>
    <message>
        <source>Your attempt could not be handed in: %1.

It is kept on this computer and will be handed in once that is put right. Attempts after this one are kept the same way without this message.</source>
        <translation>No se pudo entregar tu intento: %1.

Queda guardado en este ordenador y se entregará en cuanto se solucione. Los intentos siguientes se guardarán igual, sin este mensaje.</translation>
    </message>
    <message>
        <source>Your attempt could not be handed in yet. It is kept on this computer in &quot;%1&quot; and will be handed in with the next attempt or at the next start.</source>
        <translation>Tu intento aún no se pudo entregar. Queda guardado en este ordenador en «%1» y se entregará con el próximo intento o en el próximo inicio.</translation>
    </message>
    <message>
        <source>the attempt could not be written there (%1)</source>
        <translation>el intento no se pudo escribir allí (%1)</translation>
    </message>
    <message>
        <source>Your attempt could not be handed in: %1.

It could not be kept on this computer either: &quot;%2&quot; cannot be written (%3). Print the result sheet or save the result again.</source>
        <translation>No se pudo entregar tu intento: %1.

Tampoco se pudo guardar en este ordenador: no se puede escribir en «%2» (%3). Imprime la hoja de resultados o vuelve a guardar el resultado.</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>The folder cannot be found.</source>
        <translation>No se encuentra la carpeta.</translation>
    </message>
    <message>
        <source>The folder cannot be listed (%1).</source>
        <translation>No se puede listar el contenido de la carpeta (%1).</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>No se puede leer el archivo (%1).</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Reto</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>... (%1 more characters)</source>
        <translation>... (%1 caracteres más)</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>Answer: %1  (right), score %2</source>
        <translation>Respuesta: %1  (correcta), puntuación %2</translation>
    </message>
    <message>
        <source>Answer: %1  (wrong), score %2</source>
        <translation>Respuesta: %1  (incorrecta), puntuación %2</translation>
    </message>
    <message>
        <source>The file&apos;s check does not match: it was changed after it was handed in.</source>
        <translation>La comprobación del archivo no coincide: se modificó después de entregarlo.</translation>
    </message>
    <message>
        <source>The file carries no check.</source>
        <translation>El archivo no lleva comprobación.</translation>
    </message>
    <message>
        <source>Guided tests asked for: %1</source>
        <translation>Pruebas guiadas pedidas: %1</translation>
    </message>
    <message>
        <source>Guided test:  %1</source>
        <translation>Prueba guiada:  %1</translation>
    </message>
    <message>
        <source>No measurement was taken.</source>
        <translation>No se hizo ninguna medición.</translation>
    </message>
    <message>
        <source> &apos;Vantorel&apos; - Class results</source>
        <translation> &apos;Vantorel&apos; - Resultados de la clase</translation>
    </message>
    <message>
        <source>%1  (marked)</source>
        <translation>%1  (marcado)</translation>
    </message>
</context>
<context>
    <name>ClassSetup</name>
    <message>
        <source>The password must be typed twice, the same both times.</source>
        <translation>La contraseña se debe escribir dos veces, igual las dos.</translation>
    </message>
    <message>
        <source>The two passwords typed are not the same.</source>
        <translation>Las dos contraseñas escritas no coinciden.</translation>
    </message>
    <message>
        <source>No class folder is given.</source>
        <translation>No se ha indicado ninguna carpeta de la clase.</translation>
    </message>
    <message>
        <source>The class folder&apos;s path starts or ends with a blank or holds a line end.</source>
        <translation>La ruta de la carpeta de la clase empieza o termina con un espacio o contiene un salto de línea.</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; is not an absolute path: give the whole path, from the top folder.</source>
        <translation>La carpeta de la clase «%1» no es una ruta absoluta: indica la ruta completa, desde la carpeta superior.</translation>
    </message>
    <message>
        <source>The class key starts or ends with a blank or holds a line end.</source>
        <translation>La clave de la clase empieza o termina con un espacio o contiene un salto de línea.</translation>
    </message>
    <message>
        <source>The class key is shorter than %1 characters.</source>
        <translation>La clave de la clase tiene menos de %1 caracteres.</translation>
    </message>
    <message>
        <source>The password is not a hash the program can check: %1</source>
        <translation>La contraseña no es un hash que el programa pueda comprobar: %1</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; does not exist. Make it with its folders challenges and attempts, or mount the share that should be there.</source>
        <translation>La carpeta de la clase «%1» no existe. Créala con sus carpetas challenges y attempts, o monta el recurso compartido que debería estar allí.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder. Give the class folder&apos;s path.</source>
        <translation>«%1» no es una carpeta. Indica la ruta de la carpeta de la clase.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is missing, so no attempt can be handed in. Make it so that every account can write in it (mkdir -m 1777 &quot;%1&quot;).</source>
        <translation>Falta la carpeta «%1», así que no se puede entregar ningún intento. Créala de modo que todas las cuentas puedan escribir en ella (mkdir -m 1777 &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is missing, so the class&apos;s own challenges have nowhere to go. Make it (mkdir &quot;%1&quot;).</source>
        <translation>Falta la carpeta «%1», así que los retos propios de la clase no tienen dónde ir. Créala (mkdir &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder. Remove it and make a folder of that name.</source>
        <translation>«%1» no es una carpeta. Quítalo y crea una carpeta con ese nombre.</translation>
    </message>
    <message>
        <source>This account cannot write in &quot;%1&quot; (%2). Give it the right to write there.</source>
        <translation>Esta cuenta no puede escribir en «%1» (%2). Dale permiso de escritura allí.</translation>
    </message>
    <message>
        <source>Only the owner of &quot;%1&quot; can write in it: a student logged in under another account cannot hand in. Let every account write there (chmod 1777 &quot;%1&quot;).</source>
        <translation>Solo el propietario de «%1» puede escribir en ella: un alumno que haya iniciado sesión con otra cuenta no puede entregar. Permite que todas las cuentas escriban allí (chmod 1777 &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Any account may remove another&apos;s attempt from &quot;%1&quot;. Set the sticky bit so that each keeps its own (chmod +t &quot;%1&quot;).</source>
        <translation>Cualquier cuenta puede quitar el intento de otra de «%1». Activa el bit sticky para que cada una conserve los suyos (chmod +t &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is there and can be written.</source>
        <translation>«%1» existe y se puede escribir en ella.</translation>
    </message>
    <message>
        <source>There is no classroom file &quot;%1&quot;: this computer belongs to no class. Write one (Tools &gt; Set Up Class..., or vantorel --class-setup as the administrator).</source>
        <translation>No hay archivo de aula «%1»: este ordenador no pertenece a ninguna clase. Escribe uno (Herramientas &gt; Configurar clase... o vantorel --class-setup como administrador).</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; cannot be used (%2): no password is accepted at the login and the attempts wait on the seats. Correct that line, or write the file again.</source>
        <translation>El archivo de aula «%1» no se puede usar (%2): no se acepta ninguna contraseña al iniciar sesión y los intentos esperan en los puestos. Corrige esa línea o vuelve a escribir el archivo.</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; can be read.</source>
        <translation>El archivo de aula «%1» se puede leer.</translation>
    </message>
    <message>
        <source>The file gives no instructor&apos;s password: each user&apos;s own password lets them edit the challenges (&quot;gearcase&quot; until one is set). Give one.</source>
        <translation>El archivo no indica contraseña del profesor: con su propia contraseña cada usuario puede editar los retos («gearcase» hasta que se ponga una). Indica una.</translation>
    </message>
    <message>
        <source>The file gives the instructor&apos;s password, as a hash.</source>
        <translation>El archivo indica la contraseña del profesor, como hash.</translation>
    </message>
    <message>
        <source>The file gives no class key: the attempt files carry no check, so a changed score cannot be told from a true one. Give a key of at least %1 characters, the same on every seat.</source>
        <translation>El archivo no indica clave de la clase: los archivos de intento no llevan comprobación, así que una puntuación modificada no se distingue de una auténtica. Indica una clave de al menos %1 caracteres, la misma en todos los puestos.</translation>
    </message>
    <message>
        <source>The class key is %1 characters long.</source>
        <translation>La clave de la clase tiene %1 caracteres.</translation>
    </message>
    <message>
        <source>The file does not lock the room: a user&apos;s own password and class folder come first.</source>
        <translation>El archivo no bloquea el aula: la contraseña y la carpeta de la clase propias de cada usuario tienen prioridad.</translation>
    </message>
    <message>
        <source>The file gives no class folder: the seats hand no attempt in and the dashboard has nothing to show.</source>
        <translation>El archivo no indica carpeta de la clase: los puestos no entregan intentos y el panel de la clase no tiene nada que mostrar.</translation>
    </message>
    <message>
        <source>These folders could not be made: %1. Make them as an account that may write in &quot;%2&quot;.</source>
        <translation>No se pudieron crear estas carpetas: %1. Créalas con una cuenta que pueda escribir en «%2».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file, and is left as it is. Give the text to the computer&apos;s administrator.</source>
        <translation>«%1» es una carpeta, no un archivo, y se deja como está. Entrega el texto al administrador del ordenador.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be made by this account, so the classroom file cannot be written. Give the text to the computer&apos;s administrator.</source>
        <translation>Esta cuenta no puede crear la carpeta «%1», así que no se puede escribir el archivo de aula. Entrega el texto al administrador del ordenador.</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; is read-only and is left as it is. Give the text to the computer&apos;s administrator, or make the file writable first.</source>
        <translation>El archivo de aula «%1» es de solo lectura y se deja como está. Entrega el texto al administrador del ordenador o quita antes la protección contra escritura.</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; cannot be written by this account (%2). Give the text to the computer&apos;s administrator, who can write it as the superuser (vantorel --class-setup).</source>
        <translation>Esta cuenta no puede escribir el archivo de aula «%1» (%2). Entrega el texto al administrador del ordenador, que puede escribirlo como superusuario (vantorel --class-setup).</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Problema: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Aviso: %1</translation>
    </message>
    <message>
        <source>Good: %1</source>
        <translation>Correcto: %1</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the file is not text</source>
        <translation>el archivo no es texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not of the form NAME = VALUE</source>
        <translation>«%1» no tiene la forma NOMBRE = VALOR</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>«%1» aparece dos veces</translation>
    </message>
    <message>
        <source>the password is not a hash: %1</source>
        <translation>la contraseña no es un hash: %1</translation>
    </message>
    <message>
        <source>the class folder is not an absolute path</source>
        <translation>la carpeta de la clase no es una ruta absoluta</translation>
    </message>
    <message>
        <source>the class key is shorter than %1 characters</source>
        <translation>la clave de la clase tiene menos de %1 caracteres</translation>
    </message>
    <message>
        <source>the lock is neither yes nor no</source>
        <translation>lock no es ni yes ni no</translation>
    </message>
    <message>
        <source>the student id is neither account nor ask</source>
        <translation>student id no es ni account ni ask</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name the file may give (password, class folder, class key, lock, student id)</source>
        <translation>«%1» no es un nombre que el archivo pueda indicar (password, class folder, class key, lock, student id)</translation>
    </message>
    <message>
        <source>the file is larger than %1 KB</source>
        <translation>el archivo ocupa más de %1 KB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>The classroom configuration &quot;%1&quot; cannot be used (%2), so no password is accepted. Ask the administrator to correct it.</source>
        <translation>La configuración del aula «%1» no se puede usar (%2), así que no se acepta ninguna contraseña. Pide al administrador que la corrija.</translation>
    </message>
    <message>
        <source>the classroom configuration &quot;%1&quot; cannot be used (%2)</source>
        <translation>la configuración del aula «%1» no se puede usar (%2)</translation>
    </message>
    <message>
        <source>the class folder &quot;%1&quot; of the setting ZRclassFolder (section ZRsettings) is not an absolute path</source>
        <translation>la carpeta de la clase «%1» del ajuste ZRclassFolder (sección ZRsettings) no es una ruta absoluta</translation>
    </message>
</context>
<context>
    <name>Gradebook</name>
    <message>
        <source>1 attempt counted in the grades is marked: changed after it was handed in, or without a check.</source>
        <translation>1 intento contado en las calificaciones está marcado: modificado después de entregarlo o sin comprobación.</translation>
    </message>
    <message>
        <source>%1 attempts counted in the grades are marked: changed after they were handed in, or without a check.</source>
        <translation>%1 intentos contados en las calificaciones están marcados: modificados después de entregarlos o sin comprobación.</translation>
    </message>
    <message>
        <source>1 student has no identifier (their attempts were handed in by an older version of the program): the identifier is left empty for you to fill in before importing.</source>
        <translation>1 alumno no tiene identificador (sus intentos se entregaron con una versión anterior del programa): el identificador queda vacío para que lo rellenes antes de importar.</translation>
    </message>
    <message>
        <source>%1 students have no identifier (their attempts were handed in by an older version of the program): the identifier is left empty for you to fill in before importing.</source>
        <translation>%1 alumnos no tienen identificador (sus intentos se entregaron con una versión anterior del programa): el identificador queda vacío para que lo rellenes antes de importar.</translation>
    </message>
    <message>
        <source>Identifiers that start as a formula would (=, +, - or @) are written as they are, for the platform to match them: import the file without opening it in a spreadsheet first (%1).</source>
        <translation>Los identificadores que empiezan como una fórmula (=, +, - o @) se escriben tal cual, para que la plataforma los reconozca: importa el archivo sin abrirlo antes en una hoja de cálculo (%1).</translation>
    </message>
</context>
<context>
    <name>ProgressBoard</name>
    <message>
        <source>The file is larger than %1 KB.</source>
        <translation>El archivo ocupa más de %1 KB.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is not a progress file: it is not a JSON object (it may be cut short or damaged).</source>
        <translation>El archivo no es un archivo de progreso: no es un objeto JSON (puede estar incompleto o dañado).</translation>
    </message>
    <message>
        <source>The file is not a progress file: its format is not &quot;%1&quot;.</source>
        <translation>El archivo no es un archivo de progreso: su formato no es «%1».</translation>
    </message>
    <message>
        <source>The file gives no version.</source>
        <translation>El archivo no indica versión.</translation>
    </message>
    <message>
        <source>The file is of version %1; this program reads version %2.</source>
        <translation>El archivo es de la versión %1; este programa lee la versión %2.</translation>
    </message>
    <message>
        <source>The file lacks a usable %1.</source>
        <translation>Al archivo le falta un valor utilizable para: %1.</translation>
    </message>
    <message>
        <source>The class folder cannot be reached.</source>
        <translation>No se puede acceder a la carpeta de la clase.</translation>
    </message>
    <message>
        <source>The progress file or its folder is a link.</source>
        <translation>El archivo de progreso o su carpeta es un enlace.</translation>
    </message>
    <message>
        <source>The progress folder cannot be made.</source>
        <translation>No se puede crear la carpeta de progreso.</translation>
    </message>
    <message>
        <source>The progress folder is not a folder.</source>
        <translation>La carpeta de progreso no es una carpeta.</translation>
    </message>
    <message>
        <source>The progress folder cannot be found.</source>
        <translation>No se encuentra la carpeta de progreso.</translation>
    </message>
    <message>
        <source>The progress folder cannot be listed (%1).</source>
        <translation>No se puede listar el contenido de la carpeta de progreso (%1).</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>No se puede leer el archivo (%1).</translation>
    </message>
</context>
<context>
    <name>attemptfile</name>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>El archivo ocupa más de %1 MB.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is not an attempt file: it is not a JSON object (it may be cut short or damaged).</source>
        <translation>El archivo no es un archivo de intento: no es un objeto JSON (puede estar incompleto o dañado).</translation>
    </message>
    <message>
        <source>The file is not an attempt file: its format is not &quot;%1&quot;.</source>
        <translation>El archivo no es un archivo de intento: su formato no es «%1».</translation>
    </message>
    <message>
        <source>The file gives no version.</source>
        <translation>El archivo no indica versión.</translation>
    </message>
    <message>
        <source>The file is of version %1; this program reads version %2.</source>
        <translation>El archivo es de la versión %1; este programa lee la versión %2.</translation>
    </message>
    <message>
        <source>The file lacks a usable %1.</source>
        <translation>Al archivo le falta un valor utilizable para: %1.</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Correcta</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Falta</translation>
    </message>
</context>
<context>
    <name>frmChallengeResults</name>
    <message>
        <source>Challenge results</source>
        <translation>Resultados de los retos</translation>
    </message>
    <message>
        <source>The file cannot be found.</source>
        <translation>No se encuentra el archivo.</translation>
    </message>
    <message>
        <source>The file cannot be read (%1).</source>
        <translation>No se puede leer el archivo (%1).</translation>
    </message>
    <message>
        <source>The results &quot;%1&quot; cannot be opened.

%2</source>
        <translation>No se pueden abrir los resultados «%1».

%2</translation>
    </message>
    <message>
        <source>%1 - 1 attempt, sorted by student and challenge</source>
        <translation>%1 - 1 intento, ordenado por alumno y reto</translation>
    </message>
    <message>
        <source>%1 - %2 attempts, sorted by student and challenge</source>
        <translation>%1 - %2 intentos, ordenados por alumno y reto</translation>
    </message>
</context>
<context>
    <name>frmChallengeRun</name>
    <message>
        <source>Challenge</source>
        <translation>Reto</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Guided tests to run:</source>
        <translation>Pruebas guiadas por realizar:</translation>
    </message>
    <message>
        <source>Guided tests to run</source>
        <translation>Pruebas guiadas por realizar</translation>
    </message>
    <message>
        <source>Press Enter or double-click to set the test up on the instrument</source>
        <translation>Pulsa Intro o haz doble clic para preparar la prueba en el instrumento</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Show a hint</source>
        <translation>Mostrar una pista</translation>
    </message>
    <message>
        <source>Your diagnosis</source>
        <translation>Tu diagnóstico</translation>
    </message>
    <message>
        <source>Faulty part %1</source>
        <translation>Pieza averiada %1</translation>
    </message>
    <message>
        <source>Fault %1 in the circuit</source>
        <translation>Avería %1 en el circuito</translation>
    </message>
    <message>
        <source>Submit diagnosis</source>
        <translation>Entregar diagnóstico</translation>
    </message>
    <message>
        <source>End challenge</source>
        <translation>Terminar reto</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Print result sheet</source>
        <translation>Imprimir hoja de resultados</translation>
    </message>
    <message>
        <source>Save result</source>
        <translation>Guardar resultado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>A challenge is already running: submit your diagnosis or end it first.</source>
        <translation>Ya hay un reto en marcha: primero entrega tu diagnóstico o termínalo.</translation>
    </message>
    <message>
        <source>You have made your attempt at this challenge: it allows one.</source>
        <translation>Ya has hecho tu intento en este reto: solo permite uno.</translation>
    </message>
    <message>
        <source>You have made all %1 attempts this challenge allows.</source>
        <translation>Ya has hecho los %1 intentos que permite este reto.</translation>
    </message>
    <message>
        <source>Challenge (test run)</source>
        <translation>Reto (prueba)</translation>
    </message>
    <message>
        <source>(choose the part)</source>
        <translation>(elige la pieza)</translation>
    </message>
    <message>
        <source>Your diagnosis: the %1 faults</source>
        <translation>Tu diagnóstico: las %1 averías</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>Time: %1 of %2 - time is up</source>
        <translation>Tiempo: %1 de %2 - se acabó el tiempo</translation>
    </message>
    <message>
        <source>Time: %1 of %2</source>
        <translation>Tiempo: %1 de %2</translation>
    </message>
    <message>
        <source>Measurements: %1 of %2</source>
        <translation>Mediciones: %1 de %2</translation>
    </message>
    <message>
        <source>Measurements: %1</source>
        <translation>Mediciones: %1</translation>
    </message>
    <message>
        <source>Hints used: %1 of %2 (1 point)</source>
        <translation>Pistas usadas: %1 de %2 (1 punto)</translation>
    </message>
    <message>
        <source>Hints used: %1 of %2 (%3 points)</source>
        <translation>Pistas usadas: %1 de %2 (%3 puntos)</translation>
    </message>
    <message>
        <source>No more hints</source>
        <translation>No hay más pistas</translation>
    </message>
    <message>
        <source>Show a hint (-1 point)</source>
        <translation>Mostrar una pista (-1 punto)</translation>
    </message>
    <message>
        <source>Show a hint (-%1 points)</source>
        <translation>Mostrar una pista (-%1 puntos)</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>The guided test &quot;%1&quot; cannot be set up on the instrument.</source>
        <translation>La prueba guiada «%1» no se puede preparar en el instrumento.</translation>
    </message>
    <message>
        <source>Time is up: the time limit of 1 minute has passed.

Submit your diagnosis now; a diagnosis submitted after the limit loses %1 points.</source>
        <translation>Se acabó el tiempo: ha pasado el tiempo límite de 1 minuto.

Entrega ya tu diagnóstico; un diagnóstico entregado fuera de tiempo pierde %1 puntos.</translation>
    </message>
    <message>
        <source>Time is up: the time limit of %1 minutes has passed.

Submit your diagnosis now; a diagnosis submitted after the limit loses %2 points.</source>
        <translation>Se acabó el tiempo: ha pasado el tiempo límite de %1 minutos.

Entrega ya tu diagnóstico; un diagnóstico entregado fuera de tiempo pierde %2 puntos.</translation>
    </message>
    <message>
        <source>Show hint %1? It costs 1 point.</source>
        <translation>¿Mostrar la pista %1? Cuesta 1 punto.</translation>
    </message>
    <message>
        <source>Show hint %1? It costs %2 points.</source>
        <translation>¿Mostrar la pista %1? Cuesta %2 puntos.</translation>
    </message>
    <message>
        <source>Hint %1: %2</source>
        <translation>Pista %1: %2</translation>
    </message>
    <message>
        <source>Choose the faulty part and its circuit before you submit your diagnosis.</source>
        <translation>Elige la pieza averiada y su circuito antes de entregar tu diagnóstico.</translation>
    </message>
    <message>
        <source>Submit this diagnosis?

%1

The challenge ends when you submit it.</source>
        <translation>¿Entregar este diagnóstico?

%1

El reto termina al entregarlo.</translation>
    </message>
    <message>
        <source>End the challenge without a diagnosis? It scores 0.</source>
        <translation>¿Terminar el reto sin diagnóstico? La puntuación será 0.</translation>
    </message>
    <message>
        <source>The result could not be added to &quot;%1&quot;.

Error number: %2 - %3

The result stays on screen: &quot;Save result&quot; tries again, and &quot;Print result sheet&quot; prints it.</source>
        <translation>No se pudo añadir el resultado a «%1».

Número de error: %2 - %3

El resultado sigue en pantalla: «Guardar resultado» lo vuelve a intentar e «Imprimir hoja de resultados» lo imprime.</translation>
    </message>
    <message>
        <source>Handed in to the class folder.</source>
        <translation>Entregado en la carpeta de la clase.</translation>
    </message>
    <message>
        <source>Kept on this computer until the class folder can be reached.</source>
        <translation>Guardado en este ordenador hasta que se pueda acceder a la carpeta de la clase.</translation>
    </message>
    <message>
        <source>Kept on this computer until the class folder is known.</source>
        <translation>Guardado en este ordenador hasta que se conozca la carpeta de la clase.</translation>
    </message>
    <message>
        <source>Not handed in to the class folder.</source>
        <translation>No se ha entregado en la carpeta de la clase.</translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Hubo un problema al imprimir en tu impresora.</translation>
    </message>
</context>
<context>
    <name>frmChallenges</name>
    <message>
        <source>Challenge files (*.vch);;All files (*)</source>
        <translation>Archivos de reto (*.vch);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Fault %1</source>
        <translation>Avería %1</translation>
    </message>
    <message>
        <source>Challenges</source>
        <translation>Retos</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Test run</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Results...</source>
        <translation>Resultados...</translation>
    </message>
    <message>
        <source>Start challenge</source>
        <translation>Empezar reto</translation>
    </message>
    <message>
        <source>Challenges in the folder:</source>
        <translation>Retos de la carpeta:</translation>
    </message>
    <message>
        <source>Challenges in the folder</source>
        <translation>Retos de la carpeta</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your student id</source>
        <translation>Tu ID de alumno</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Reto</translation>
    </message>
    <message>
        <source>Engine running at the start</source>
        <translation>Motor en marcha al empezar</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>throttle</comment>
        <translation>Suelto</translation>
    </message>
    <message>
        <source>On</source>
        <comment>throttle</comment>
        <translation>Pisado</translation>
    </message>
    <message>
        <source>Full</source>
        <comment>throttle</comment>
        <translation>A fondo</translation>
    </message>
    <message>
        <source>Auto run (with the engine running)</source>
        <translation>Marcha automática (con el motor en marcha)</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutos</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Battery (system) voltage:</source>
        <translation>Tensión de la batería (sistema):</translation>
    </message>
    <message>
        <source>Engine temperature:</source>
        <translation>Temperatura del motor:</translation>
    </message>
    <message>
        <source>Gear:</source>
        <translation>Marcha:</translation>
    </message>
    <message>
        <source>Throttle:</source>
        <translation>Acelerador:</translation>
    </message>
    <message>
        <source>Time limit:</source>
        <translation>Tiempo límite:</translation>
    </message>
    <message>
        <source>Measurement limit:</source>
        <translation>Límite de mediciones:</translation>
    </message>
    <message>
        <source>any number</source>
        <translation>ilimitados</translation>
    </message>
    <message>
        <source>The best attempt</source>
        <translation>El mejor intento</translation>
    </message>
    <message>
        <source>The last attempt</source>
        <translation>El último intento</translation>
    </message>
    <message>
        <source>The first attempt</source>
        <translation>El primer intento</translation>
    </message>
    <message>
        <source>The mean of the attempts</source>
        <translation>La media de los intentos</translation>
    </message>
    <message>
        <source>Tell a wrong diagnosis the right answer</source>
        <translation>Mostrar la respuesta correcta si el diagnóstico es incorrecto</translation>
    </message>
    <message>
        <source>Attempts a student has:</source>
        <translation>Intentos por alumno:</translation>
    </message>
    <message>
        <source>Score that counts:</source>
        <translation>Puntuación que cuenta:</translation>
    </message>
    <message>
        <source>Start state</source>
        <translation>Estado inicial</translation>
    </message>
    <message>
        <source>Faults to inject (at most four):</source>
        <translation>Averías que provocar (cuatro como máximo):</translation>
    </message>
    <message>
        <source>Answer %1:</source>
        <translation>Respuesta %1:</translation>
    </message>
    <message>
        <source>Answer from the faults</source>
        <translation>Respuesta según las averías</translation>
    </message>
    <message>
        <source>Or let each attempt draw one set of faults (then tick none above), sets separated by &quot;;&quot;, e.g. &quot;8; 2 @ stopped; 9, 40&quot;:</source>
        <translation>O que cada intento sortee un conjunto de averías (entonces no marques ninguna arriba), conjuntos separados por «;», p. ej. «8; 2 @ stopped; 9, 40»:</translation>
    </message>
    <message>
        <source>Sets of faults to draw from</source>
        <translation>Conjuntos de averías para el sorteo</translation>
    </message>
    <message>
        <source>Faults and answer</source>
        <translation>Averías y respuesta</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Hint (revealed in this order)</source>
        <translation>Pista (se muestra en este orden)</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Guided tests the student must run (at most %1). Each one not run to a result takes %2 points off a right diagnosis.</source>
        <translation>Pruebas guiadas que el alumno debe realizar (%1 como máximo). Cada una que quede sin resultado resta %2 puntos a un diagnóstico correcto.</translation>
    </message>
    <message>
        <source>Guided tests</source>
        <translation>Pruebas guiadas</translation>
    </message>
    <message>
        <source>A right diagnosis starts at 100 and loses these points (it keeps at least 10). A wrong one scores 0.</source>
        <translation>Un diagnóstico correcto empieza en 100 y pierde estos puntos (conserva al menos 10). Uno incorrecto puntúa 0.</translation>
    </message>
    <message>
        <source>Without evidence on the faulty circuit (half with one measurement):</source>
        <translation>Sin pruebas en el circuito averiado (la mitad con una medición):</translation>
    </message>
    <message>
        <source>Per measurement on a sound circuit beyond the free ones:</source>
        <translation>Por medición en un circuito sin avería, además de las libres:</translation>
    </message>
    <message>
        <source>Measurements on sound circuits that are free:</source>
        <translation>Mediciones libres en circuitos sin avería:</translation>
    </message>
    <message>
        <source>Share of a hint&apos;s points taken (%):</source>
        <translation>Parte de los puntos de una pista que se resta (%):</translation>
    </message>
    <message>
        <source>For a diagnosis after the time limit:</source>
        <translation>Por un diagnóstico fuera de tiempo:</translation>
    </message>
    <message>
        <source>Per guided test asked for without a result:</source>
        <translation>Por prueba guiada pedida sin resultado:</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>(choose the part)</source>
        <translation>(elige la pieza)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Title of the challenge</source>
        <translation>Título del reto</translation>
    </message>
    <message>
        <source>Choose a challenge from the list</source>
        <translation>Elige un reto de la lista</translation>
    </message>
    <message>
        <source>%1 (class)</source>
        <translation>%1 (clase)</translation>
    </message>
    <message>
        <source>No challenges in the folder.</source>
        <translation>No hay retos en la carpeta.</translation>
    </message>
    <message>
        <source>Before you start: %1</source>
        <translation>Antes de empezar: %1</translation>
    </message>
    <message>
        <source>No time limit.</source>
        <translation>Sin tiempo límite.</translation>
    </message>
    <message>
        <source>Time limit: 1 minute.</source>
        <translation>Tiempo límite: 1 minuto.</translation>
    </message>
    <message>
        <source>Time limit: %1 minutes.</source>
        <translation>Tiempo límite: %1 minutos.</translation>
    </message>
    <message>
        <source>No limit on measurements.</source>
        <translation>Sin límite de mediciones.</translation>
    </message>
    <message>
        <source>At most 1 measurement.</source>
        <translation>Como máximo 1 medición.</translation>
    </message>
    <message>
        <source>At most %1 measurements.</source>
        <translation>Como máximo %1 mediciones.</translation>
    </message>
    <message>
        <source>No hints.</source>
        <translation>Sin pistas.</translation>
    </message>
    <message>
        <source>1 hint, at a cost.</source>
        <translation>1 pista, con coste.</translation>
    </message>
    <message>
        <source>%1 hints, at a cost.</source>
        <translation>%1 pistas, con coste.</translation>
    </message>
    <message>
        <source>the best counts</source>
        <translation>cuenta el mejor</translation>
    </message>
    <message>
        <source>the last counts</source>
        <translation>cuenta el último</translation>
    </message>
    <message>
        <source>the first counts</source>
        <translation>cuenta el primero</translation>
    </message>
    <message>
        <source>their mean counts</source>
        <translation>cuenta la media</translation>
    </message>
    <message>
        <source>Any number of attempts; %1.</source>
        <translation>Intentos ilimitados; %1.</translation>
    </message>
    <message>
        <source>One attempt.</source>
        <translation>Un intento.</translation>
    </message>
    <message>
        <source>%1 attempts; %2.</source>
        <translation>%1 intentos; %2.</translation>
    </message>
    <message>
        <source>1 guided test to run.</source>
        <translation>1 prueba guiada por realizar.</translation>
    </message>
    <message>
        <source>%1 guided tests to run.</source>
        <translation>%1 pruebas guiadas por realizar.</translation>
    </message>
    <message>
        <source>Find %1 faults.</source>
        <translation>Encuentra %1 averías.</translation>
    </message>
    <message>
        <source>Find the fault.</source>
        <translation>Encuentra la avería.</translation>
    </message>
    <message>
        <source>New challenge, not saved yet.</source>
        <translation>Reto nuevo, aún sin guardar.</translation>
    </message>
    <message>
        <source>%1 (changed)</source>
        <translation>%1 (modificado)</translation>
    </message>
    <message>
        <source>These faults make more than %1 answers: choose the answers yourself.</source>
        <translation>Estas averías dan más de %1 respuestas: elige tú las respuestas.</translation>
    </message>
    <message>
        <source>Save the changes to the new challenge?</source>
        <translation>¿Guardar los cambios del reto nuevo?</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot;?</source>
        <translation>¿Guardar los cambios de «%1»?</translation>
    </message>
    <message>
        <source>Open Challenge</source>
        <translation>Abrir reto</translation>
    </message>
    <message>
        <source>The challenge cannot be saved yet.</source>
        <translation>El reto aún no se puede guardar.</translation>
    </message>
    <message>
        <source>The challenge could not be saved to &quot;%1&quot;.

Error number: %2 - %3</source>
        <translation>No se pudo guardar el reto en «%1».

Número de error: %2 - %3</translation>
    </message>
    <message>
        <source>Save Challenge As</source>
        <translation>Guardar reto como</translation>
    </message>
    <message>
        <source>A file name cannot hold the characters / \ : * ? &quot; &lt; &gt; |, so the challenge &quot;%1&quot; is saved in the file &quot;%2&quot;.</source>
        <translation>Un nombre de archivo no puede contener los caracteres / \ : * ? &quot; &lt; &gt; |, así que el reto «%1» se guarda en el archivo «%2».</translation>
    </message>
    <message>
        <source>The sets of faults to draw from: %1</source>
        <translation>Los conjuntos de averías para el sorteo: %1</translation>
    </message>
    <message>
        <source>The challenge cannot be run yet.</source>
        <translation>El reto aún no se puede probar.</translation>
    </message>
    <message>
        <source>The challenge cannot be started.</source>
        <translation>El reto no se puede empezar.</translation>
    </message>
    <message>
        <source>Choose a challenge from the list, or open one, first.</source>
        <translation>Primero elige un reto de la lista o abre uno.</translation>
    </message>
    <message>
        <source>Enter your name and your student id before you start the challenge.</source>
        <translation>Escribe tu nombre y tu ID de alumno antes de empezar el reto.</translation>
    </message>
    <message>
        <source>Enter your name before you start the challenge.</source>
        <translation>Escribe tu nombre antes de empezar el reto.</translation>
    </message>
    <message>
        <source>Your name could not be kept for the challenge: %1</source>
        <translation>No se pudo guardar tu nombre para el reto: %1</translation>
    </message>
    <message>
        <source>You (your name and student id):</source>
        <translation>Tú (tu nombre y tu ID de alumno):</translation>
    </message>
    <message>
        <source>You (student id %1):</source>
        <translation>Tú (ID de alumno %1):</translation>
    </message>
    <message>
        <source>Open Results</source>
        <translation>Abrir resultados</translation>
    </message>
    <message>
        <source>Results files (*.csv);;All files (*)</source>
        <translation>Archivos de resultados (*.csv);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>frmClassDashboard</name>
    <message>
        <source>Class dashboard</source>
        <translation>Panel de la clase</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Gradebook: spreadsheet (CSV)</source>
        <translation>Libro de calificaciones: hoja de cálculo (CSV)</translation>
    </message>
    <message>
        <source>Gradebook: Moodle import (CSV)</source>
        <translation>Libro de calificaciones: importación en Moodle (CSV)</translation>
    </message>
    <message>
        <source>Gradebook: Canvas import (CSV)</source>
        <translation>Libro de calificaciones: importación en Canvas (CSV)</translation>
    </message>
    <message>
        <source>Attempts: xAPI statements (JSON)</source>
        <translation>Intentos: declaraciones xAPI (JSON)</translation>
    </message>
    <message>
        <source>What to export</source>
        <translation>Qué exportar</translation>
    </message>
    <message>
        <source>What Export writes: the gradebook in the layout a spreadsheet or a learning platform imports, or every attempt shown as an xAPI statement</source>
        <translation>Lo que escribe «Exportar»: el libro de calificaciones con el formato que importa una hoja de cálculo o una plataforma de aprendizaje, o cada intento mostrado como declaración xAPI</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Show the challenge</source>
        <translation>Mostrar el reto</translation>
    </message>
    <message>
        <source>Show the student</source>
        <translation>Mostrar el alumno</translation>
    </message>
    <message>
        <source>Challenge:</source>
        <translation>Reto:</translation>
    </message>
    <message>
        <source>Student:</source>
        <translation>Alumno:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Seat</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Reto</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Time so far</source>
        <translation>Tiempo hasta ahora</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Última señal</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Attempts in progress</source>
        <translation>Intentos en curso</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Diagnostic path (double-click an attempt):</source>
        <translation>Recorrido del diagnóstico (haz doble clic en un intento):</translation>
    </message>
    <message>
        <source>Guided tests run (the screen at the result):</source>
        <translation>Pruebas guiadas realizadas (la pantalla al obtener el resultado):</translation>
    </message>
    <message>
        <source>Guided tests run</source>
        <translation>Pruebas guiadas realizadas</translation>
    </message>
    <message>
        <source>Screen of the guided test run</source>
        <translation>Pantalla de la prueba guiada realizada</translation>
    </message>
    <message>
        <source>Press Enter or double-click to see the screen at its full size</source>
        <translation>Pulsa Intro o haz doble clic para ver la pantalla a tamaño completo</translation>
    </message>
    <message>
        <source>The attempts of the class folder cannot be read from &quot;%1&quot;: %2

Check that the class folder can be reached from this computer and that you may read it, then choose Refresh.</source>
        <translation>No se pueden leer los intentos de la carpeta de la clase desde «%1»: %2

Comprueba que se puede acceder a la carpeta de la clase desde este ordenador y que tienes permiso para leerla; después elige «Actualizar».</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
    <message>
        <source>%1 - the attempts cannot be read (no class key is set: the attempts are not checked)</source>
        <translation>%1 - no se pueden leer los intentos (no hay clave de la clase: los intentos no se comprueban)</translation>
    </message>
    <message>
        <source>%1 - the attempts cannot be read</source>
        <translation>%1 - no se pueden leer los intentos</translation>
    </message>
    <message>
        <source>%1 - 1 attempt (no class key is set: the attempts are not checked)</source>
        <translation>%1 - 1 intento (no hay clave de la clase: los intentos no se comprueban)</translation>
    </message>
    <message>
        <source>%1 - 1 attempt</source>
        <translation>%1 - 1 intento</translation>
    </message>
    <message>
        <source>%1 - %2 attempts (no class key is set: the attempts are not checked)</source>
        <translation>%1 - %2 intentos (no hay clave de la clase: los intentos no se comprueban)</translation>
    </message>
    <message>
        <source>%1 - %2 attempts</source>
        <translation>%1 - %2 intentos</translation>
    </message>
    <message>
        <source>The attempts folder cannot be read now: %1 The attempt shown was read before.</source>
        <translation>Ahora no se puede leer la carpeta de intentos: %1 El intento mostrado se leyó antes.</translation>
    </message>
    <message>
        <source>The attempts folder cannot be read now: %1 The %2 attempts shown were read before.</source>
        <translation>Ahora no se puede leer la carpeta de intentos: %1 Los %2 intentos mostrados se leyeron antes.</translation>
    </message>
    <message>
        <source>The attempts folder could not be read: %1 No attempt is shown.</source>
        <translation>No se pudo leer la carpeta de intentos: %1 No se muestra ningún intento.</translation>
    </message>
    <message>
        <source>1 file of the folder could not be read and is left out.</source>
        <translation>1 archivo de la carpeta no se pudo leer y se omite.</translation>
    </message>
    <message>
        <source>%1 files of the folder could not be read and are left out.</source>
        <translation>%1 archivos de la carpeta no se pudieron leer y se omiten.</translation>
    </message>
    <message>
        <source>(every challenge)</source>
        <translation>(todos los retos)</translation>
    </message>
    <message>
        <source>(every student)</source>
        <translation>(todos los alumnos)</translation>
    </message>
    <message>
        <source>%1 shown, %2 marked: changed or without a check</source>
        <translation>%1 mostrados, %2 marcados: modificados o sin comprobación</translation>
    </message>
    <message>
        <source>%1 shown</source>
        <translation>%1 mostrados</translation>
    </message>
    <message>
        <source>Average score per challenge</source>
        <translation>Puntuación media por reto</translation>
    </message>
    <message>
        <source>Most frequent wrong answers: none</source>
        <translation>Respuestas incorrectas más frecuentes: ninguna</translation>
    </message>
    <message>
        <source>Most frequent wrong answers</source>
        <translation>Respuestas incorrectas más frecuentes</translation>
    </message>
    <message>
        <source> (no screen)</source>
        <translation> (sin pantalla)</translation>
    </message>
    <message>
        <source>The screen could not be written to &quot;%1&quot;.

%2</source>
        <translation>No se pudo escribir la pantalla en «%1».

%2</translation>
    </message>
    <message>
        <source>The screen could not be opened: no program on this computer shows &quot;%1&quot;.</source>
        <translation>No se pudo abrir la pantalla: ningún programa de este ordenador muestra «%1».</translation>
    </message>
    <message>
        <source>No screen: the run came to no result.</source>
        <translation>Sin pantalla: la prueba no llegó a ningún resultado.</translation>
    </message>
    <message>
        <source>The screen cannot be shown: its picture is damaged.</source>
        <translation>No se puede mostrar la pantalla: su imagen está dañada.</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>hace %1 s</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>hace %1 min</translation>
    </message>
    <message>
        <source>%1 h ago</source>
        <translation>hace %1 h</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Not seen for %1 min</source>
        <translation>Sin señal desde hace %1 min</translation>
    </message>
    <message>
        <source>Not seen for %1 h</source>
        <translation>Sin señal desde hace %1 h</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Trabajando</translation>
    </message>
    <message>
        <source>the attempts in progress cannot be read now: %1</source>
        <translation>ahora no se pueden leer los intentos en curso: %1</translation>
    </message>
    <message>
        <source>no student has started a challenge yet.</source>
        <translation>ningún alumno ha empezado aún un reto.</translation>
    </message>
    <message>
        <source>1 student working</source>
        <translation>1 alumno trabajando</translation>
    </message>
    <message>
        <source>%1 students working</source>
        <translation>%1 alumnos trabajando</translation>
    </message>
    <message>
        <source>1 student working, %1 not seen for %2 minutes or more</source>
        <translation>1 alumno trabajando, %1 sin señal desde hace %2 minutos o más</translation>
    </message>
    <message>
        <source>%1 students working, %2 not seen for %3 minutes or more</source>
        <translation>%1 alumnos trabajando, %2 sin señal desde hace %3 minutos o más</translation>
    </message>
    <message>
        <source>%1 (a progress file cannot be read: %2)</source>
        <translation>%1 (no se puede leer un archivo de progreso: %2)</translation>
    </message>
    <message>
        <source>%1 (%2 progress files cannot be read, the first: %3)</source>
        <translation>%1 (no se pueden leer %2 archivos de progreso; el primero: %3)</translation>
    </message>
    <message>
        <source>Working now: %1 - updated %2</source>
        <translation>Trabajando ahora: %1 - actualizado a las %2</translation>
    </message>
    <message>
        <source>Export Statements</source>
        <translation>Exportar declaraciones</translation>
    </message>
    <message>
        <source>Export Gradebook</source>
        <translation>Exportar libro de calificaciones</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>Archivos JSON (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>1 attempt written is marked: changed after it was handed in, or without a check.</source>
        <translation>1 intento escrito está marcado: modificado después de entregarlo o sin comprobación.</translation>
    </message>
    <message>
        <source>%1 attempts written are marked: changed after they were handed in, or without a check.</source>
        <translation>%1 intentos escritos están marcados: modificados después de entregarlos o sin comprobación.</translation>
    </message>
    <message>
        <source>The file could not be saved to &quot;%1&quot;.

Error number: %2 - %3</source>
        <translation>No se pudo guardar el archivo en «%1».

Número de error: %2 - %3</translation>
    </message>
    <message>
        <source>Saved to &quot;%1&quot;. Before importing it:

%2</source>
        <translation>Guardado en «%1». Antes de importarlo:

%2</translation>
    </message>
    <message>
        <source>%1  -  %2, %3  -  printed %4</source>
        <translation>%1  -  %2, %3  -  impreso el %4</translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Hubo un problema al imprimir en tu impresora.</translation>
    </message>
    <message>
        <source>You must login before you can see the class dashboard</source>
        <translation>Debes iniciar sesión para ver el panel de la clase</translation>
    </message>
    <message>
        <source>This computer has no class folder. Set one up with Tools &gt; Set Up Class..., or for this user alone in Tools &gt; Options.</source>
        <translation>Este ordenador no tiene carpeta de la clase. Configura una con Herramientas &gt; Configurar clase... o, solo para este usuario, en Herramientas &gt; Opciones.</translation>
    </message>
</context>
<context>
    <name>frmClassSetup</name>
    <message>
        <source>Set Up Class</source>
        <translation>Configurar clase</translation>
    </message>
    <message>
        <source>Class folder</source>
        <translation>Carpeta de la clase</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Exa&amp;minar...</translation>
    </message>
    <message>
        <source>Browse for the class folder</source>
        <translation>Buscar la carpeta de la clase</translation>
    </message>
    <message>
        <source>Class &amp;folder:</source>
        <translation>&amp;Carpeta de la clase:</translation>
    </message>
    <message>
        <source>Class key</source>
        <translation>Clave de la clase</translation>
    </message>
    <message>
        <source>&amp;New Key</source>
        <translation>&amp;Nueva clave</translation>
    </message>
    <message>
        <source>Make a new random class key</source>
        <translation>Crear una nueva clave de la clase al azar</translation>
    </message>
    <message>
        <source>Class &amp;key:</source>
        <translation>C&amp;lave de la clase:</translation>
    </message>
    <message>
        <source>Instructor&apos;s password</source>
        <translation>Contraseña del profesor</translation>
    </message>
    <message>
        <source>Instructor&apos;s password again</source>
        <translation>Repetir la contraseña del profesor</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Con&amp;traseña:</translation>
    </message>
    <message>
        <source>&amp;Again:</source>
        <translation>&amp;Repetir:</translation>
    </message>
    <message>
        <source>Wit&amp;hout an instructor&apos;s password (each user&apos;s own counts)</source>
        <translation>&amp;Sin contraseña del profesor (cuenta la de cada usuario)</translation>
    </message>
    <message>
        <source>No instructor&apos;s password in the file</source>
        <translation>Sin contraseña del profesor en el archivo</translation>
    </message>
    <message>
        <source>&amp;Lock the room: users&apos; own password and class folder count for nothing</source>
        <translation>&amp;Bloquear el aula: la contraseña y la carpeta de la clase propias de los usuarios no cuentan</translation>
    </message>
    <message>
        <source>Lock the room</source>
        <translation>Bloquear el aula</translation>
    </message>
    <message>
        <source>Student id</source>
        <translation>ID del alumno</translation>
    </message>
    <message>
        <source>The computer account&apos;s name</source>
        <translation>El nombre de la cuenta del ordenador</translation>
    </message>
    <message>
        <source>An id each student types once</source>
        <translation>Un ID que cada alumno escribe una vez</translation>
    </message>
    <message>
        <source>Student &amp;id:</source>
        <translation>&amp;ID del alumno:</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>C&amp;omprobar</translation>
    </message>
    <message>
        <source>Check the values and the class folder</source>
        <translation>Comprobar los valores y la carpeta de la clase</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>Write the classroom file</source>
        <translation>Escribir el archivo de aula</translation>
    </message>
    <message>
        <source>&amp;Make Folders</source>
        <translation>Crear c&amp;arpetas</translation>
    </message>
    <message>
        <source>Make the class folder&apos;s challenges and attempts folders</source>
        <translation>Crear las carpetas challenges y attempts de la carpeta de la clase</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>What the check found</source>
        <translation>Lo que encontró la comprobación</translation>
    </message>
    <message>
        <source>The classroom file&apos;s text</source>
        <translation>El texto del archivo de aula</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>Copy the file&apos;s text</source>
        <translation>Copiar el texto del archivo</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>Save the file&apos;s text as a file</source>
        <translation>Guardar el texto del archivo como archivo</translation>
    </message>
    <message>
        <source>Classroom file: %1 (not there yet)</source>
        <translation>Archivo de aula: %1 (aún no existe)</translation>
    </message>
    <message>
        <source>Classroom file: %1 (cannot be used: %2)</source>
        <translation>Archivo de aula: %1 (no se puede usar: %2)</translation>
    </message>
    <message>
        <source>Classroom file: %1</source>
        <translation>Archivo de aula: %1</translation>
    </message>
    <message>
        <source>The file gives no instructor&apos;s password yet: type one twice.</source>
        <translation>El archivo aún no indica contraseña del profesor: escribe una dos veces.</translation>
    </message>
    <message>
        <source>The file gives an instructor&apos;s password: leave both boxes empty to keep it, or type a new one twice.</source>
        <translation>El archivo indica una contraseña del profesor: deja las dos casillas vacías para conservarla o escribe una nueva dos veces.</translation>
    </message>
    <message>
        <source>The classroom file cannot be made from these values:</source>
        <translation>No se puede crear el archivo de aula con estos valores:</translation>
    </message>
    <message>
        <source>The file&apos;s &amp;text, to copy or save and give to the administrator:</source>
        <translation>Te&amp;xto del archivo, para copiarlo o guardarlo y entregarlo al administrador:</translation>
    </message>
    <message>
        <source>Class Folder</source>
        <translation>Carpeta de la clase</translation>
    </message>
    <message>
        <source>A new class key must be given to every seat of the class, and attempts handed in with the old key are marked as changed in the dashboard. Make a new key?</source>
        <translation>Una clave de la clase nueva se debe poner en todos los puestos de la clase, y los intentos entregados con la clave anterior aparecen como modificados en el panel de la clase. ¿Crear una clave nueva?</translation>
    </message>
    <message>
        <source>The classroom file is as shown above. The check found:</source>
        <translation>El archivo de aula es como se muestra arriba. La comprobación encontró:</translation>
    </message>
    <message>
        <source>The values above (not written yet). The check found:</source>
        <translation>Los valores de arriba (aún sin escribir). La comprobación encontró:</translation>
    </message>
    <message>
        <source>Not written. %1

The values above, checked:</source>
        <translation>No se ha escrito. %1

Los valores de arriba, comprobados:</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; is written. The program reads it when it starts: start it again on each seat for the new values to take effect. The check found:</source>
        <translation>El archivo de aula «%1» está escrito. El programa lo lee al iniciarse: vuelve a iniciarlo en cada puesto para que se apliquen los valores nuevos. La comprobación encontró:</translation>
    </message>
    <message>
        <source>The classroom file is written.</source>
        <translation>El archivo de aula está escrito.</translation>
    </message>
    <message>
        <source>The class folder&apos;s folders are there. The check found:</source>
        <translation>Las carpetas de la carpeta de la clase existen. La comprobación encontró:</translation>
    </message>
    <message>
        <source>The classroom file&apos;s text is copied.</source>
        <translation>El texto del archivo de aula está copiado.</translation>
    </message>
    <message>
        <source>Save the Classroom File&apos;s Text As</source>
        <translation>Guardar el texto del archivo de aula como</translation>
    </message>
    <message>
        <source>Classroom files (*.conf);;All files (*)</source>
        <translation>Archivos de aula (*.conf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The text could not be saved to &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar el texto en «%1»: %2</translation>
    </message>
    <message>
        <source>The classroom file&apos;s text is saved.</source>
        <translation>El texto del archivo de aula está guardado.</translation>
    </message>
    <message>
        <source>You must login before you can set up a class</source>
        <translation>Debes iniciar sesión para configurar una clase</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Login...</source>
        <translation>Iniciar sesión...</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>&amp;User Name:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;New Password:</source>
        <translation>&amp;Nueva contraseña:</translation>
    </message>
    <message>
        <source>&amp;Repeat Password:</source>
        <translation>&amp;Repetir contraseña:</translation>
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
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Checking the password...</source>
        <translation>Comprobando la contraseña...</translation>
    </message>
    <message>
        <source>Password check</source>
        <translation>Comprobación de la contraseña</translation>
    </message>
    <message>
        <source>Ready...</source>
        <translation>Listo...</translation>
    </message>
    <message>
        <source>Invalid Password, please try again!</source>
        <translation>¡Contraseña no válida, inténtalo de nuevo!</translation>
    </message>
    <message>
        <source>Password accepted, you now have access to the database and faults list...</source>
        <translation>Contraseña aceptada, ahora tienes acceso a la base de datos y a la lista de averías...</translation>
    </message>
    <message>
        <source>The new passwords do not match, please try again...</source>
        <translation>Las contraseñas nuevas no coinciden, inténtalo de nuevo...</translation>
    </message>
    <message>
        <source>The password of this room is set in the classroom configuration &quot;%1&quot; and cannot be changed here. Ask the administrator to change it there.</source>
        <translation>La contraseña de esta aula está fijada en la configuración del aula «%1» y no se puede cambiar aquí. Pide al administrador que la cambie allí.</translation>
    </message>
    <message>
        <source>New password has been set...</source>
        <translation>Se ha puesto la contraseña nueva...</translation>
    </message>
    <message>
        <source>The list of faults and database access is password protected. In this room the password is set by the administrator in the classroom configuration; ask your instructor.</source>
        <translation>La lista de averías y el acceso a la base de datos están protegidos con contraseña. En esta aula la contraseña la fija el administrador en la configuración del aula; pregunta a tu profesor.</translation>
    </message>
    <message>
        <source>The list of faults and database access is password protected - the password is initially set to &apos;gearcase&apos;. Click YES to change this and prevent &apos;students&apos; seeing the list of faults or changing the database!</source>
        <translation>La lista de averías y el acceso a la base de datos están protegidos con contraseña; al principio la contraseña es &apos;gearcase&apos;. ¡Haz clic en SÍ para cambiarla e impedir que los &apos;alumnos&apos; vean la lista de averías o cambien la base de datos!</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Allow database and look up tables data to be edited</source>
        <translation>Permitir editar la base de datos y las tablas de consulta</translation>
    </message>
    <message>
        <source>Show background picture</source>
        <translation>Mostrar la imagen de fondo</translation>
    </message>
    <message>
        <source>Show look up tables (hide ECU picture)</source>
        <translation>Mostrar las tablas de consulta (ocultar la imagen de la unidad de control)</translation>
    </message>
    <message>
        <source>Show diagnostic screen at startup</source>
        <translation>Mostrar la pantalla de diagnóstico al iniciar</translation>
    </message>
    <message>
        <source>Show faults screen at startup</source>
        <translation>Mostrar la pantalla de averías al iniciar</translation>
    </message>
    <message>
        <source>Start engine when program starts</source>
        <translation>Arrancar el motor al iniciar el programa</translation>
    </message>
    <message>
        <source>Show status bar</source>
        <translation>Mostrar la barra de estado</translation>
    </message>
    <message>
        <source>Show tip of the day at startup</source>
        <translation>Mostrar el consejo del día al iniciar</translation>
    </message>
    <message>
        <source>Display &apos;User Details&apos; at startup</source>
        <translation>Mostrar &apos;Datos del usuario&apos; al iniciar</translation>
    </message>
    <message>
        <source>Reset Trip computer at startup</source>
        <translation>Poner a cero el ordenador de a bordo al iniciar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;Theme:</source>
        <translation>&amp;Tema:</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Projector (high contrast)</source>
        <translation>Proyector (alto contraste)</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Class &amp;folder:</source>
        <translation>&amp;Carpeta de la clase:</translation>
    </message>
    <message>
        <source>Class folder</source>
        <translation>Carpeta de la clase</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>Browse for the class folder</source>
        <translation>Buscar la carpeta de la clase</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>The classroom file &quot;%1&quot; cannot be used (%2): no class folder can be set here.</source>
        <translation>El archivo de aula «%1» no se puede usar (%2): aquí no se puede fijar ninguna carpeta de la clase.</translation>
    </message>
    <message>
        <source>Set by the classroom file &quot;%1&quot;, which locks it.</source>
        <translation>Fijada por el archivo de aula «%1», que la bloquea.</translation>
    </message>
    <message>
        <source>Where this seat hands its attempts in and finds the class&apos;s challenges. Empty: no class.</source>
        <translation>Donde este puesto entrega sus intentos y encuentra los retos de la clase. Vacío: sin clase.</translation>
    </message>
    <message>
        <source>Where this seat hands its attempts in. Empty: the classroom file&apos;s &quot;%1&quot;.</source>
        <translation>Donde este puesto entrega sus intentos. Vacío: la carpeta «%1» del archivo de aula.</translation>
    </message>
    <message>
        <source>Class Folder</source>
        <translation>Carpeta de la clase</translation>
    </message>
    <message>
        <source>The class folder &quot;%1&quot; is not an absolute path: give the whole path, from the top folder.</source>
        <translation>La carpeta de la clase «%1» no es una ruta absoluta: indica la ruta completa, desde la carpeta superior.</translation>
    </message>
    <message>
        <source>The class folder cannot be used now:

%1

Attempts wait on this computer until it can. Keep this class folder?</source>
        <translation>Ahora no se puede usar la carpeta de la clase:

%1

Los intentos esperan en este ordenador hasta que se pueda. ¿Conservar esta carpeta de la clase?</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Vantorel speaks the language you chose from its next start.</source>
        <translation>Vantorel usará el idioma elegido a partir del próximo inicio.</translation>
    </message>
</context>
<context>
    <name>frmTip</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Consejo del día</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>¿Sabías que...</translation>
    </message>
    <message>
        <source>Tip will appear here...</source>
        <translation>Aquí aparecerá el consejo...</translation>
    </message>
    <message>
        <source>&amp;Show Tips at Startup</source>
        <translation>&amp;Mostrar consejos al iniciar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Siguiente consejo</translation>
    </message>
    <message>
        <source>That the %1 file holds no text? It cannot be shown.</source>
        <translation>el archivo %1 no contiene texto? No se puede mostrar.</translation>
    </message>
    <message>
        <source>That the %1 file could not be read? </source>
        <translation>el archivo %1 no se pudo leer? </translation>
    </message>
    <message>
        <source>That the %1 file was not found? </source>
        <translation>no se encontró el archivo %1? </translation>
    </message>
</context>
<context>
    <name>frmUserDetails</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>User Details</source>
        <translation>Datos del usuario</translation>
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
        <source>Ready...</source>
        <translation>Listo...</translation>
    </message>
</context>
<context>
    <name>password</name>
    <message>
        <source>it is not of the form pbkdf2-sha256$ITERATIONS$SALT$HASH</source>
        <translation>no tiene la forma pbkdf2-sha256$ITERATIONS$SALT$HASH</translation>
    </message>
    <message>
        <source>its iterations &quot;%1&quot; are not a number from %2 to %3</source>
        <translation>sus iteraciones «%1» no son un número de %2 a %3</translation>
    </message>
    <message>
        <source>its salt is not base64 of at least 8 bytes</source>
        <translation>su sal no es base64 de al menos 8 bytes</translation>
    </message>
    <message>
        <source>its hash is not base64 of 32 bytes</source>
        <translation>su hash no es base64 de 32 bytes</translation>
    </message>
</context>
</TS>
