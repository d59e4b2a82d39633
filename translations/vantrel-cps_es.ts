<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ChannelGrid</name>
    <message>
        <source>Channel %1, %2</source>
        <translation>Canal %1, %2</translation>
    </message>
</context>
<context>
    <name>CodeplugReport</name>
    <message>
        <source>The report could not be printed: no printer is available.</source>
        <translation>No se pudo imprimir el informe: no hay ninguna impresora disponible.</translation>
    </message>
    <message>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>No se pudo imprimir el informe en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The print preview could not be made: %1</source>
        <translation>No se pudo generar la vista previa: %1</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Vantrel CPS</source>
        <translation>Vantrel CPS</translation>
    </message>
    <message>
        <source>Time Option value is Invalid</source>
        <translation>Valor de la opción de tiempo no válido</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>Contraseña no válida</translation>
    </message>
    <message>
        <source>Invalid Serial Number</source>
        <translation>Número de serie no válido</translation>
    </message>
    <message>
        <source>Region Code is not valid...</source>
        <translation>El código de región no es válido...</translation>
    </message>
    <message>
        <source>Input TPL Frequency</source>
        <translation>Introduzca la frecuencia TPL</translation>
    </message>
    <message>
        <source>Error! invalid data type</source>
        <translation>¡Error! Tipo de datos no válido</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No. not in active scan list</source>
        <translation>El N.º Ch prioritario no está en la lista de rastreo activa</translation>
    </message>
    <message>
        <source>Invalid Frequency</source>
        <translation>Frecuencia no válida</translation>
    </message>
    <message>
        <source>Out of Frequency Range</source>
        <translation>Fuera del rango de frecuencias</translation>
    </message>
    <message>
        <source>Frequency is not valid</source>
        <translation>La frecuencia no es válida</translation>
    </message>
    <message>
        <source>Not Allowed To Delete Priority Channel Frequency</source>
        <translation>No se permite borrar la frecuencia del canal prioritario</translation>
    </message>
    <message>
        <source>Empty Channel</source>
        <translation>Canal vacío</translation>
    </message>
    <message>
        <source>Not Allowed To Remove Priority Channel</source>
        <translation>No se permite quitar el canal prioritario</translation>
    </message>
    <message>
        <source>The editor is locked.</source>
        <translation>El editor está bloqueado.</translation>
    </message>
    <message>
        <source>not a value this cell can take</source>
        <translation>no es un valor que admita esta celda</translation>
    </message>
    <message>
        <source>Scan Speed (msec)</source>
        <translation>Velocidad de rastreo (msec)</translation>
    </message>
    <message>
        <source>Scan Hang Time (msec)</source>
        <translation>Tiempo de permanencia (msec)</translation>
    </message>
    <message>
        <source>Scan Interval Time (msec)</source>
        <translation>Intervalo de rastreo (msec)</translation>
    </message>
    <message>
        <source>Tx Time Out Time (sec)</source>
        <translation>Tiempo límite de Tx (sec)</translation>
    </message>
    <message>
        <source>TOT Warning Time (sec)</source>
        <translation>Tiempo de aviso TOT (sec)</translation>
    </message>
    <message>
        <source>Scan Speed</source>
        <translation>Velocidad de rastreo</translation>
    </message>
    <message>
        <source>Scan Hang Time</source>
        <translation>Tiempo de permanencia</translation>
    </message>
    <message>
        <source>Scan Interval Time</source>
        <translation>Intervalo de rastreo</translation>
    </message>
    <message>
        <source>Tx Time Out Time</source>
        <translation>Tiempo límite de Tx</translation>
    </message>
    <message>
        <source>TOT Warning Time</source>
        <translation>Tiempo de aviso TOT</translation>
    </message>
    <message>
        <source>channel names are not kept: the radio has no channel names</source>
        <translation>los nombres de canal no se conservan: el radio no tiene nombres de canal</translation>
    </message>
    <message>
        <source>Hi/Low Power</source>
        <translation>Potencia alta/baja</translation>
    </message>
    <message>
        <source>Volume Set</source>
        <translation>Ajuste de volumen</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Sticky Monitor</source>
        <translation>Monitor permanente</translation>
    </message>
    <message>
        <source>Repeater/Talkaround</source>
        <translation>Repetidor/Talkaround</translation>
    </message>
    <message>
        <source>PL/DPL</source>
        <translation>PL/DPL</translation>
    </message>
    <message>
        <source>Unassigned</source>
        <translation>Sin asignar</translation>
    </message>
    <message>
        <source>Battery Save Mode</source>
        <translation>Modo ahorro de batería</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>Squelch</translation>
    </message>
    <message>
        <source>Nuisance Channel Delete</source>
        <translation>Eliminar canal molesto</translation>
    </message>
    <message>
        <source>Button Lock</source>
        <translation>Bloqueo de botones</translation>
    </message>
    <message>
        <source>Repeater / Talkaround</source>
        <translation>Repetidor / Talkaround</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Codeplug is protected.</source>
        <translation>El codeplug está protegido.</translation>
    </message>
    <message>
        <source>Please enter password.</source>
        <translation>Introduzca la contraseña.</translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>Contraseña no válida.</translation>
    </message>
    <message>
        <source>Please enter correct password.</source>
        <translation>Introduzca la contraseña correcta.</translation>
    </message>
    <message>
        <source>Codeplug is password protected.</source>
        <translation>El codeplug está protegido con contraseña.</translation>
    </message>
    <message>
        <source>Communication Error. Please check Programming mode.</source>
        <translation>Error de comunicación. Compruebe el modo de programación.</translation>
    </message>
    <message>
        <source>Communication Error. Unsupported radio codeplug region.</source>
        <translation>Error de comunicación. Región de codeplug del radio no admitida.</translation>
    </message>
    <message>
        <source>Communication Error. Please check codeplug version.</source>
        <translation>Error de comunicación. Compruebe la versión del codeplug.</translation>
    </message>
    <message>
        <source>Communication Error.</source>
        <translation>Error de comunicación.</translation>
    </message>
    <message>
        <source>Please wait a moment......</source>
        <translation>Espere un momento......</translation>
    </message>
    <message>
        <source>Please wait a moment.......</source>
        <translation>Espere un momento.......</translation>
    </message>
    <message>
        <source>Successfully Reading End.</source>
        <translation>Lectura finalizada correctamente.</translation>
    </message>
    <message>
        <source>Successfully Writing End.</source>
        <translation>Escritura finalizada correctamente.</translation>
    </message>
    <message>
        <source>Writing End, but an answer from the radio was not clear. Please read the radio back to verify.</source>
        <translation>Escritura finalizada, pero una respuesta del radio no fue clara. Vuelva a leer el radio para verificarlo.</translation>
    </message>
    <message>
        <source>the radio holds every byte written</source>
        <translation>el radio contiene todos los bytes escritos</translation>
    </message>
    <message>
        <source>Invalid password. Codeplug is password protected.</source>
        <translation>Contraseña no válida. El codeplug está protegido con contraseña.</translation>
    </message>
    <message>
        <source>The cable was disconnected.</source>
        <translation>Se desconectó el cable.</translation>
    </message>
    <message>
        <source>Verified: the radio holds every byte written.</source>
        <translation>Verificado: el radio contiene todos los bytes escritos.</translation>
    </message>
    <message>
        <source>Comm. Port Unavailable !</source>
        <translation>¡Puerto COM no disponible!</translation>
    </message>
    <message>
        <source>Please Change the Port selection.</source>
        <translation>Cambie la selección de puerto.</translation>
    </message>
    <message>
        <source>Choose the port of the programming cable.</source>
        <translation>Elija el puerto del cable de programación.</translation>
    </message>
    <message>
        <source>Only its owner may use it; ask the administrator for access.</source>
        <translation>Solo su propietario puede usarlo; pida acceso al administrador.</translation>
    </message>
    <message>
        <source>then log out and in again.</source>
        <translation>y luego cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>Close that program and try again.</source>
        <translation>Cierre ese programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>No serial device was found for this port.</source>
        <translation>No se encontró ningún dispositivo serie para este puerto.</translation>
    </message>
    <message>
        <source>Is the programming cable plugged in?</source>
        <translation>¿Está conectado el cable de programación?</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un archivo</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>una tubería (pipe)</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>not a character device</source>
        <translation>un dispositivo que no es de caracteres</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>otro programa</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a Vantrel programmer data file</source>
        <translation>%1 no es un archivo de datos de programación Vantrel</translation>
    </message>
    <message>
        <source>%1 holds only %2 of the %3 codeplug bytes</source>
        <translation>%1 contiene solo %2 de los %3 bytes del codeplug</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) is outside 0 to 255</source>
        <translation>%1: el valor %2 (%3) está fuera de 0 a 255</translation>
    </message>
    <message>
        <source>%1: value %2 (%3) is not a number</source>
        <translation>%1: el valor %2 (%3) no es un número</translation>
    </message>
    <message>
        <source>%1: value %2 is not text</source>
        <translation>%1: el valor %2 no es texto</translation>
    </message>
    <message>
        <source>%1 is too long for a data file (over 1 MiB)</source>
        <translation>%1 es demasiado grande para un archivo de datos (más de 1 MiB)</translation>
    </message>
    <message>
        <source>Channel %1: this radio has %2 channels</source>
        <translation>Canal %1: este radio tiene %2 canales</translation>
    </message>
    <message>
        <source>%1 byte differs</source>
        <translation>%1 byte difiere</translation>
    </message>
    <message>
        <source>%1 bytes differ</source>
        <translation>%1 bytes difieren</translation>
    </message>
    <message>
        <source>byte %1 written %2, read back %3</source>
        <translation>byte %1 escrito %2, leído %3</translation>
    </message>
    <message>
        <source>imported %1 row; %2 left out</source>
        <translation>%1 fila importada; %2 omitidas</translation>
    </message>
    <message>
        <source>imported %1 rows; %2 left out</source>
        <translation>%1 filas importadas; %2 omitidas</translation>
    </message>
    <message>
        <source>imported %1 row into channel %2; %3 left out</source>
        <translation>%1 fila importada en el canal %2; %3 omitidas</translation>
    </message>
    <message>
        <source>imported %1 rows into channels %2–%3; %4 left out</source>
        <translation>%1 filas importadas en los canales %2–%3; %4 omitidas</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>fila %1: %2</translation>
    </message>
    <message>
        <source>location %1: %2</source>
        <translation>posición %1: %2</translation>
    </message>
    <message>
        <source>not a CHIRP channel list: %1</source>
        <translation>no es una lista de canales CHIRP: %1</translation>
    </message>
    <message>
        <source>%1 is %2, not a serial device.</source>
        <translation>%1 es %2, no un dispositivo serie.</translation>
    </message>
    <message>
        <source>%1: permission denied.</source>
        <translation>%1: permiso denegado.</translation>
    </message>
    <message>
        <source>You are in the group &quot;%1&quot;, but this login is older than that: log out and in again.</source>
        <translation>Usted está en el grupo &quot;%1&quot;, pero esta sesión se inició antes: cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>The device belongs to the group &quot;%1&quot;. Add yourself to it with</source>
        <translation>El dispositivo pertenece al grupo &quot;%1&quot;. Agréguese a él con</translation>
    </message>
    <message>
        <source>%1 is busy: %2 is using it.</source>
        <translation>%1 está ocupado: %2 lo está usando.</translation>
    </message>
    <message>
        <source>%1: no such device.</source>
        <translation>%1: el dispositivo no existe.</translation>
    </message>
    <message>
        <source>%1: no such device (it is gone).</source>
        <translation>%1: el dispositivo no existe (ha desaparecido).</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lectura</translation>
    </message>
    <message>
        <source>write</source>
        <translation>escritura</translation>
    </message>
    <message>
        <source>%1 Verified: the radio holds every byte written.</source>
        <translation>%1 Verificado: el radio contiene todos los bytes escritos.</translation>
    </message>
    <message>
        <source>%1 The cable was disconnected.</source>
        <translation>%1 Se desconectó el cable.</translation>
    </message>
    <message>
        <source>Stopped during the %1, before its data blocks.</source>
        <translation>Detenido durante la %1, antes de sus bloques de datos.</translation>
    </message>
    <message>
        <source>Stopped during the %1 at block %2 of %3.</source>
        <translation>Detenido durante la %1 en el bloque %2 de %3.</translation>
    </message>
    <message>
        <source>the codeplug would give every radio the serial number &apos;%1&apos; (its serial write enable is set): write one radio at a time</source>
        <translation>el codeplug daría a todos los radios el número de serie &apos;%1&apos; (tiene activada la escritura del número de serie): escriba un radio cada vez</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Rastreo</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <source>CSQ / DPL / TPL / IDPL / TPL1 / TPL2 / TPL3</source>
        <translation>CSQ / DPL / TPL / IDPL / TPL1 / TPL2 / TPL3</translation>
    </message>
    <message>
        <source>1:Std Unmuting,Std Muting; 2:And Unmuting,Std Muting; 3:And Unmuting,Or Muting</source>
        <translation>1:Apertura est.,Cierre est.; 2:Apertura Y,Cierre est.; 3:Apertura Y,Cierre O</translation>
    </message>
    <message>
        <source>Ch No</source>
        <translation>N.º Ch</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Número de canal</translation>
    </message>
    <message>
        <source>Rx Freq.</source>
        <translation>Frec. Rx</translation>
    </message>
    <message>
        <source>Channel Rx Frequency Edit</source>
        <translation>Edición de la frecuencia Rx del canal</translation>
    </message>
    <message>
        <source>PL Option</source>
        <translation>Opción PL</translation>
    </message>
    <message>
        <source>Channel Rx PL Option Setting</source>
        <translation>Ajuste de la opción PL Rx del canal</translation>
    </message>
    <message>
        <source>SQ</source>
        <translation>SQ</translation>
    </message>
    <message>
        <source>Squelch Setting</source>
        <translation>Ajuste de squelch</translation>
    </message>
    <message>
        <source>Normal or Tight</source>
        <translation>Normal o estricto</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silen.</translation>
    </message>
    <message>
        <source>Tx Freq.</source>
        <translation>Frec. Tx</translation>
    </message>
    <message>
        <source>Channel Tx Frequency Edit</source>
        <translation>Edición de la frecuencia Tx del canal</translation>
    </message>
    <message>
        <source>Channel Tx PL Option Setting</source>
        <translation>Ajuste de la opción PL Tx del canal</translation>
    </message>
    <message>
        <source>PWR</source>
        <translation>PWR</translation>
    </message>
    <message>
        <source>Power Level Setting</source>
        <translation>Ajuste del nivel de potencia</translation>
    </message>
    <message>
        <source>TOC</source>
        <translation>TOC</translation>
    </message>
    <message>
        <source>DPL Turn Off Code Setting</source>
        <translation>Ajuste del código de apagado DPL</translation>
    </message>
    <message>
        <source>DPL Turn Off Code Enable or Disable</source>
        <translation>Código de apagado DPL: habilitar o deshabilitar</translation>
    </message>
    <message>
        <source>Rx Only</source>
        <translation>Solo Rx</translation>
    </message>
    <message>
        <source>Rx Only Setting</source>
        <translation>Ajuste de Solo Rx</translation>
    </message>
    <message>
        <source> Rx Only Enable or Disable</source>
        <translation> Solo Rx: habilitar o deshabilitar</translation>
    </message>
    <message>
        <source>Rev Burst</source>
        <translation>Ráf. inv.</translation>
    </message>
    <message>
        <source>TPL Reverse Burst Setting</source>
        <translation>Ajuste de la ráfaga inversa TPL</translation>
    </message>
    <message>
        <source>None / 180 / 240</source>
        <translation>Ninguna / 180 / 240</translation>
    </message>
    <message>
        <source>BCLO</source>
        <translation>BCLO</translation>
    </message>
    <message>
        <source>Busy Channel Lock Out Setting</source>
        <translation>Ajuste de bloqueo de canal ocupado</translation>
    </message>
    <message>
        <source>BCLO Enable or Disable</source>
        <translation>BCLO: habilitar o deshabilitar</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Banda</translation>
    </message>
    <message>
        <source>Channel Bandwidth Setting</source>
        <translation>Ajuste del ancho de banda del canal</translation>
    </message>
    <message>
        <source>12.5KHz / 25KHz</source>
        <translation>12.5KHz / 25KHz</translation>
    </message>
    <message>
        <source>TA</source>
        <translation>TA</translation>
    </message>
    <message>
        <source>Talkaround Setting</source>
        <translation>Ajuste de talkaround</translation>
    </message>
    <message>
        <source>Repeater/Talkaround Set</source>
        <translation>Repetidor/Talkaround</translation>
    </message>
</context>
<context>
    <name>GridText</name>
    <message>
        <source>Invalid number</source>
        <translation>Número no válido</translation>
    </message>
</context>
<context>
    <name>StatusHelp</name>
    <message>
        <source>Scan List</source>
        <translation>Lista de rastreo</translation>
    </message>
    <message>
        <source>User Defined TPL </source>
        <translation>TPL de usuario </translation>
    </message>
    <message>
        <source>Programmable Button Selection</source>
        <translation>Selección de botón programable</translation>
    </message>
    <message>
        <source>Scan Type Selection</source>
        <translation>Selección del tipo de rastreo</translation>
    </message>
    <message>
        <source>Time Out Timer (TOT) Selection</source>
        <translation>Selección del temporizador de TX (TOT)</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Input Password 8 Characters</source>
        <translation>Introduzca la contraseña (8 caracteres)</translation>
    </message>
    <message>
        <source>Codeplug Version (Read Only)</source>
        <translation>Versión de codeplug (solo lectura)</translation>
    </message>
    <message>
        <source>Programmable Button 1 Short Press</source>
        <translation>Botón programable 1 (pulsación corta)</translation>
    </message>
    <message>
        <source>Programmable Button 1 Long Press</source>
        <translation>Botón programable 1 (pulsación larga)</translation>
    </message>
    <message>
        <source>Programmable Button 2 Short Press</source>
        <translation>Botón programable 2 (pulsación corta)</translation>
    </message>
    <message>
        <source>Programmable Button 2 Long Press</source>
        <translation>Botón programable 2 (pulsación larga)</translation>
    </message>
    <message>
        <source>Firmware Version (Read Only)</source>
        <translation>Versión de firmware (solo lectura)</translation>
    </message>
    <message>
        <source>Frequency Range [MHz] (Read Only)</source>
        <translation>Rango de frecuencias [MHz] (solo lectura)</translation>
    </message>
    <message>
        <source>Model Number (Read Only)</source>
        <translation>Número de modelo (solo lectura)</translation>
    </message>
    <message>
        <source>Serial Number (Read Only)</source>
        <translation>Número de serie (solo lectura)</translation>
    </message>
    <message>
        <source>Input Regional Super Velmar Number 16 Characters</source>
        <translation>Introduzca el número Super Velmar regional (16 caracteres)</translation>
    </message>
    <message>
        <source>Scan Interval Time (msec)</source>
        <translation>Intervalo de rastreo (msec)</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No.</source>
        <translation>N.º Ch prioritario</translation>
    </message>
    <message>
        <source>Scan Hang Time (msec)</source>
        <translation>Tiempo de permanencia (msec)</translation>
    </message>
    <message>
        <source>Scan Speed (msec)</source>
        <translation>Velocidad de rastreo (msec)</translation>
    </message>
    <message>
        <source>TOT Warning Time (sec)</source>
        <translation>Tiempo de aviso TOT (sec)</translation>
    </message>
    <message>
        <source>TX Time Out Time (sec)</source>
        <translation>Tiempo límite de TX (sec)</translation>
    </message>
    <message>
        <source>TPL1 (Hz)</source>
        <translation>TPL1 (Hz)</translation>
    </message>
    <message>
        <source>TPL2 (Hz)</source>
        <translation>TPL2 (Hz)</translation>
    </message>
    <message>
        <source>TPL3 (Hz)</source>
        <translation>TPL3 (Hz)</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Lista de canales</translation>
    </message>
    <message>
        <source>Scan List Channel</source>
        <translation>Canales de la lista de rastreo</translation>
    </message>
    <message>
        <source>Scan List Add Button</source>
        <translation>Botón para añadir a la lista de rastreo</translation>
    </message>
    <message>
        <source>Scan List Remove Button</source>
        <translation>Botón para quitar de la lista de rastreo</translation>
    </message>
    <message>
        <source>Battery Save Mode Enable Option</source>
        <translation>Opción de modo ahorro de batería</translation>
    </message>
    <message>
        <source>Priority Scan Enable Option</source>
        <translation>Opción de rastreo prioritario</translation>
    </message>
    <message>
        <source>Quick Key Override Enable Option</source>
        <translation>Opción de anulación por tecla rápida</translation>
    </message>
    <message>
        <source>Normal Scan Enable Option</source>
        <translation>Opción de rastreo normal</translation>
    </message>
    <message>
        <source>TOT (Time Out Timer) Enable Option</source>
        <translation>Opción de habilitar TOT (temporizador de TX)</translation>
    </message>
    <message>
        <source>Talkback Scan Enable Option </source>
        <translation>Opción de rastreo con respuesta </translation>
    </message>
    <message>
        <source>Scan Interval Time : 250 to 5000msec</source>
        <translation>Intervalo de rastreo : 250 a 5000msec</translation>
    </message>
    <message>
        <source>Scan Hang Time : 500 to 9500msec</source>
        <translation>Tiempo de permanencia : 500 a 9500msec</translation>
    </message>
    <message>
        <source>Scan Speed Time : 50 to 500msec</source>
        <translation>Velocidad de rastreo : 50 a 500msec</translation>
    </message>
    <message>
        <source>TOT Warning Time : 1 to 10sec</source>
        <translation>Tiempo de aviso TOT : 1 a 10sec</translation>
    </message>
    <message>
        <source>TX Time Out Time : 10 to 600sec</source>
        <translation>Tiempo límite de TX : 10 a 600sec</translation>
    </message>
    <message>
        <source>TPL Frequency : 67 to 255Hz</source>
        <translation>Frecuencia TPL : 67 a 255Hz</translation>
    </message>
</context>
<context>
    <name>UndoStepNames</name>
    <message>
        <source>Channel Edit</source>
        <translation>Edición de canal</translation>
    </message>
    <message>
        <source>PL Option</source>
        <translation>Opción PL</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista de rastreo</translation>
    </message>
    <message>
        <source>Prio. Scan Ch. No.</source>
        <translation>N.º Ch prioritario</translation>
    </message>
    <message>
        <source>User TPL Frequency</source>
        <translation>Frecuencia TPL de usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Super Number</source>
        <translation>Número super</translation>
    </message>
    <message>
        <source>Button 1 Short Press</source>
        <translation>Botón 1 (pulsación corta)</translation>
    </message>
    <message>
        <source>Button 1 Long Press</source>
        <translation>Botón 1 (pulsación larga)</translation>
    </message>
    <message>
        <source>Button 2 Short Press</source>
        <translation>Botón 2 (pulsación corta)</translation>
    </message>
    <message>
        <source>Button 2 Long Press</source>
        <translation>Botón 2 (pulsación larga)</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>vantrel::ButtonFrame</name>
    <message>
        <source>Programmable Button 1 Short Press</source>
        <translation>Botón programable 1 (pulsación corta)</translation>
    </message>
    <message>
        <source>Programmable Button 1 Long Press</source>
        <translation>Botón programable 1 (pulsación larga)</translation>
    </message>
    <message>
        <source>Programmable Button 2 Short Press</source>
        <translation>Botón programable 2 (pulsación corta)</translation>
    </message>
    <message>
        <source>Programmable Button 2 Long Press</source>
        <translation>Botón programable 2 (pulsación larga)</translation>
    </message>
    <message>
        <source>Programmable Button</source>
        <translation>Botón programable</translation>
    </message>
</context>
<context>
    <name>vantrel::ChannelCsvCommands</name>
    <message>
        <source>CHIRP channel list</source>
        <translation>Lista de canales CHIRP</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exportar canales</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importar canales</translation>
    </message>
    <message>
        <source>&amp;Export Channels..</source>
        <translation>&amp;Exportar canales..</translation>
    </message>
    <message>
        <source>&amp;Import Channels..</source>
        <translation>I&amp;mportar canales..</translation>
    </message>
    <message>
        <source>Left out:</source>
        <translation>Omitidas:</translation>
    </message>
</context>
<context>
    <name>vantrel::ChannelGrid</name>
    <message>
        <source>Ch No : %1</source>
        <translation>N.º Ch : %1</translation>
    </message>
    <message>
        <source>High or Low</source>
        <translation>Alta o baja</translation>
    </message>
</context>
<context>
    <name>vantrel::EditorUndo</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
</context>
<context>
    <name>vantrel::EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Nothing is loaded yet.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Read a radio: &lt;b&gt;Device &amp;gt; Read&lt;/b&gt; (Ctrl+R).&lt;br&gt;Open a data file: &lt;b&gt;File &amp;gt; Open..&lt;/b&gt; (Ctrl+O).&lt;br&gt;Program a blank radio: &lt;a href=&quot;super&quot;&gt;enter its regional super number&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Todavía no hay nada cargado.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Leer un radio: &lt;b&gt;Dispositivo &amp;gt; Leer&lt;/b&gt; (Ctrl+R).&lt;br&gt;Abrir un archivo de datos: &lt;b&gt;Archivo &amp;gt; Abrir..&lt;/b&gt; (Ctrl+O).&lt;br&gt;Programar un radio virgen: &lt;a href=&quot;super&quot;&gt;introduzca su número super regional&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>vantrel::FileCommands</name>
    <message>
        <source>Programmer data file</source>
        <translation>Archivo de datos de programación</translation>
    </message>
    <message>
        <source>Save Current Data to File ?</source>
        <translation>¿Guardar los datos actuales en un archivo?</translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation>¿Guardar?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>The path you entered,<byte value="xd"/>
&apos;%1&apos; is too long, Enter a shorter path.</source>
        <translation>La ruta introducida,<byte value="xd"/>
&apos;%1&apos; es demasiado larga. Introduzca una ruta más corta.</translation>
    </message>
    <message>
        <source>   The file name, location, or format is not valid. Type the file name and location in the correct format.</source>
        <translation>   El nombre, la ubicación o el formato del archivo no son válidos. Escriba el nombre y la ubicación del archivo en el formato correcto.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>vantrel::GridClipboard</name>
    <message>
        <source>Nothing was pasted:</source>
        <translation>No se pegó nada:</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
</context>
<context>
    <name>vantrel::HelpViewer</name>
    <message>
        <source>Vantrel CPS Help</source>
        <translation>Ayuda de Vantrel CPS</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
</context>
<context>
    <name>vantrel::ImportNumberingDialog</name>
    <message>
        <source>&amp;Keep the list&apos;s channel numbers</source>
        <translation>&amp;Mantener los números de canal de la lista</translation>
    </message>
    <message>
        <source>&amp;Fill channels from</source>
        <translation>&amp;Llenar los canales desde el</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importar canales</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>Primer canal</translation>
    </message>
    <message>
        <source>in the list&apos;s order, skipping rows the radio cannot take</source>
        <translation>en el orden de la lista, omitiendo las filas que el radio no admite</translation>
    </message>
</context>
<context>
    <name>vantrel::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The language changes when Vantrel CPS starts again.</source>
        <translation>El idioma cambiará la próxima vez que se inicie Vantrel CPS.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>vantrel::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open..</source>
        <translation>&amp;Abrir..</translation>
    </message>
    <message>
        <source>Radio &amp;Archive...</source>
        <translation>&amp;Historial de radios...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Vista pre&amp;via</translation>
    </message>
    <message>
        <source>&amp;Print..</source>
        <translation>&amp;Imprimir..</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Dispositivo</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leer</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>Programar &amp;varios radios...</translation>
    </message>
    <message>
        <source>&amp;Comm Port</source>
        <translation>&amp;Puerto COM</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;About Vantrel CPS...</source>
        <translation>&amp;Acerca de Vantrel CPS...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
</context>
<context>
    <name>vantrel::PasswordForm</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>vantrel::ProgramCommands</name>
    <message>
        <source>Verifying...</source>
        <translation>Verificando...</translation>
    </message>
    <message>
        <source>Verify after write: </source>
        <translation>Verificación tras la escritura: </translation>
    </message>
    <message>
        <source>the radio could not be read back (%1)</source>
        <translation>no se pudo volver a leer el radio (%1)</translation>
    </message>
    <message>
        <source>Please close your window before programming the radio.</source>
        <translation>Cierre su ventana antes de programar el radio.</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioInfoFrame</name>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Regional Super Velmar</source>
        <translation>Super Velmar regional</translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation>Información de radio</translation>
    </message>
    <message>
        <source>POP Enable</source>
        <translation>Habilitar POP</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Número de modelo</translation>
    </message>
    <message>
        <source>Frequency Range</source>
        <translation>Rango de frecuencias</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versión de firmware</translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation>Versión de codeplug</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Please Press the &apos;Enter&apos; Key</source>
        <translation>Pulse la tecla &apos;Enter&apos;</translation>
    </message>
    <message>
        <source>Enter Current Serial Number to Radio ?</source>
        <translation>¿Grabar el número de serie actual en el radio?</translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation>¿Guardar?</translation>
    </message>
    <message>
        <source>Enter Current Regional Super Velmar Number to Radio ?</source>
        <translation>¿Grabar el número Super Velmar regional actual en el radio?</translation>
    </message>
    <message>
        <source>Invalid Password</source>
        <translation>Contraseña no válida</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioLink</name>
    <message>
        <source>Archive: %1</source>
        <translation>Historial: %1</translation>
    </message>
</context>
<context>
    <name>vantrel::RadioSettings</name>
    <message>
        <source>Talkback Scan Enable</source>
        <translation>Rastreo con respuesta</translation>
    </message>
    <message>
        <source>Battery Save Mode Enable</source>
        <translation>Modo ahorro de batería</translation>
    </message>
    <message>
        <source>TOT Enable</source>
        <translation>Habilitar TOT</translation>
    </message>
    <message>
        <source>Priority Scan Enable</source>
        <translation>Rastreo prioritario</translation>
    </message>
    <message>
        <source>Normal Scan Enable</source>
        <translation>Rastreo normal</translation>
    </message>
    <message>
        <source>Quick Key Override Enable</source>
        <translation>Anulación por tecla rápida</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Rastreo</translation>
    </message>
    <message>
        <source>Time Out Timer</source>
        <translation>Temporizador de TX</translation>
    </message>
    <message>
        <source> Prio. Scan Ch. No.</source>
        <translation> N.º Ch prioritario</translation>
    </message>
</context>
<context>
    <name>vantrel::ReadNotice</name>
    <message>
        <source>1 field differs</source>
        <translation>1 campo difiere</translation>
    </message>
    <message>
        <source>%1 fields differ</source>
        <translation>%1 campos difieren</translation>
    </message>
    <message>
        <source>Radio %1 no longer holds its last write, of %2 UTC: %3.<byte value="xd"/>
<byte value="xd"/>
Compare the radio with that write?</source>
        <translation>La radio %1 ya no tiene su última escritura, del %2 UTC: %3.<byte value="xd"/>
<byte value="xd"/>
¿Comparar la radio con esa escritura?</translation>
    </message>
    <message>
        <source>Radio Archive</source>
        <translation>Historial de radios</translation>
    </message>
</context>
<context>
    <name>vantrel::ScanListPanel</name>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Scan List</source>
        <translation>Lista de rastreo</translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Añadir &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Remove</source>
        <translation>&lt;&lt; Quitar</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Lista de canales</translation>
    </message>
    <message>
        <source>Scan List Channel</source>
        <translation>Canales de la lista de rastreo</translation>
    </message>
    <message>
        <source>Scan List Add Button</source>
        <translation>Botón para añadir a la lista de rastreo</translation>
    </message>
    <message>
        <source>Scan List Remove Button</source>
        <translation>Botón para quitar de la lista de rastreo</translation>
    </message>
    <message>
        <source>Priority Scan Channel Number : 1 to %1Ch</source>
        <translation>Número de canal prioritario : 1 a %1Ch</translation>
    </message>
</context>
<context>
    <name>vantrel::UserTplFrame</name>
    <message>
        <source>  User Defined TPL </source>
        <translation>  TPL de usuario </translation>
    </message>
    <message>
        <source> RX</source>
        <translation> RX</translation>
    </message>
    <message>
        <source> TX</source>
        <translation> TX</translation>
    </message>
    <message>
        <source> TPL%1 (Hz)</source>
        <translation> TPL%1 (Hz)</translation>
    </message>
    <message>
        <source>Invalid Frequency</source>
        <translation>Frecuencia no válida</translation>
    </message>
</context>
<context>
    <name>vantrel::frmAbout</name>
    <message>
        <source>Customer programming software for Vantrel two-way radios</source>
        <translation>Software de programación para radios de dos vías Vantrel</translation>
    </message>
    <message>
        <source>Version : </source>
        <translation>Versión : </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>vantrel::frmArchive</name>
    <message>
        <source>Radio Archive</source>
        <translation>Historial de radios</translation>
    </message>
    <message>
        <source>Programmer data file</source>
        <translation>Archivo de datos de programación</translation>
    </message>
    <message>
        <source>Radio without serial number</source>
        <translation>Radio sin número de serie</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Radio %1</translation>
    </message>
    <message>
        <source>%1, %2 of %3 UTC</source>
        <translation>%1, %2 del %3 UTC</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N.º serie</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Last Entry</source>
        <translation>Último registro</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Hora (UTC)</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>The radio archive is turned off (VANTREL_ARCHIVE or the setting Archive/Location is &quot;off&quot;).</source>
        <translation>El historial de radios está desactivado (VANTREL_ARCHIVE o el ajuste Archive/Location vale &quot;off&quot;).</translation>
    </message>
    <message>
        <source>The radio archive %1 cannot be opened: %2</source>
        <translation>No se puede abrir el historial de radios %1: %2</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>Historial: %1</translation>
    </message>
    <message>
        <source>The radio archive %1 cannot be read: %2</source>
        <translation>No se puede leer el historial de radios %1: %2</translation>
    </message>
    <message>
        <source>This entry is no longer in the archive.</source>
        <translation>Este registro ya no está en el historial.</translation>
    </message>
    <message>
        <source>This %1 did not complete: the archive holds no image of it.</source>
        <translation>Esta operación (%1) no se completó: el historial no guarda su imagen.</translation>
    </message>
    <message>
        <source>This entry&apos;s image does not match its checksum and is not used.</source>
        <translation>La imagen de este registro no coincide con su suma de verificación y no se usa.</translation>
    </message>
    <message>
        <source>No field differs.</source>
        <translation>Ningún campo difiere.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
</context>
<context>
    <name>vantrel::frmChannelToneOption</name>
    <message>
        <source>Channel Tone Option</source>
        <translation>Opción de tono del canal</translation>
    </message>
    <message>
        <source>TPL Frequency Table</source>
        <translation>Tabla de frecuencias TPL</translation>
    </message>
    <message>
        <source>DPL Code Table</source>
        <translation>Tabla de códigos DPL</translation>
    </message>
</context>
<context>
    <name>vantrel::frmFleet</name>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation>Programar varios radios</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Verificar tras escribir</translation>
    </message>
    <message>
        <source>Radio password, if the radios ask</source>
        <translation>Contraseña de los radios, si la piden</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Save Summary...</source>
        <translation>Guardar resumen...</translation>
    </message>
    <message>
        <source>no serial device</source>
        <translation>ningún dispositivo serie</translation>
    </message>
    <message>
        <source>Tick the ports of the radios to program.</source>
        <translation>Marque los puertos de los radios que desea programar.</translation>
    </message>
    <message>
        <source>%1 of %2 radios programmed.</source>
        <translation>%1 de %2 radios programados.</translation>
    </message>
    <message>
        <source>Save Summary</source>
        <translation>Guardar resumen</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>Cannot save the summary: </source>
        <translation>No se puede guardar el resumen: </translation>
    </message>
</context>
<context>
    <name>vantrel::frmMain</name>
    <message>
        <source>Vantrel CPS</source>
        <translation>Vantrel CPS</translation>
    </message>
    <message>
        <source>Priority Scan Channel Number : 1 to %1Ch</source>
        <translation>Número de canal prioritario : 1 a %1Ch</translation>
    </message>
    <message>
        <source>&amp;Radio Configuration</source>
        <translation>&amp;Configuración de radio</translation>
    </message>
    <message>
        <source>Conventional Personality</source>
        <translation>Personalidad convencional</translation>
    </message>
</context>
<context>
    <name>vantrel::frmProgram</name>
    <message>
        <source>Program</source>
        <translation>Programar</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Verificar tras escribir</translation>
    </message>
    <message>
        <source>Click Write Button</source>
        <translation>Pulse el botón Escribir</translation>
    </message>
    <message>
        <source>Click Read Button</source>
        <translation>Pulse el botón Leer</translation>
    </message>
    <message>
        <source>  To write codeplug data to radio:</source>
        <translation>  Para escribir el codeplug en el radio:</translation>
    </message>
    <message>
        <source>  To read codeplug data from radio:</source>
        <translation>  Para leer el codeplug del radio:</translation>
    </message>
    <message>
        <source>  1. Turn off radio.</source>
        <translation>  1. Apague el radio.</translation>
    </message>
    <message>
        <source>  2. Connect programming cable to radio.</source>
        <translation>  2. Conecte el cable de programación al radio.</translation>
    </message>
    <message>
        <source>  3. Press and hold Programmable Button 1 while turning on radio.</source>
        <translation>  3. Mantenga pulsado el botón programable 1 mientras enciende el radio.</translation>
    </message>
    <message>
        <source>  4. Radio will beep once. Release Programmable Button 1.</source>
        <translation>  4. El radio emitirá un pitido. Suelte el botón programable 1.</translation>
    </message>
    <message>
        <source> ORANGE LED will be shown on radio.</source>
        <translation> Se encenderá el LED NARANJA del radio.</translation>
    </message>
    <message>
        <source>  5. Click Write button on CPS.</source>
        <translation>  5. Pulse el botón Escribir del CPS.</translation>
    </message>
    <message>
        <source>  5. Click Read button on CPS.</source>
        <translation>  5. Pulse el botón Leer del CPS.</translation>
    </message>
    <message>
        <source>  6. CPS will show reading progress bar. Once completed, it will close by itself.</source>
        <translation>  6. El CPS mostrará la barra de progreso. Al terminar, se cerrará solo.</translation>
    </message>
    <message>
        <source>Waiting for radio...</source>
        <translation>Esperando al radio...</translation>
    </message>
    <message>
        <source>Close Program</source>
        <translation>Cerrar esta ventana</translation>
    </message>
    <message>
        <source>Read Codeplug Data From Radio To PC</source>
        <translation>Leer los datos del codeplug del radio al PC</translation>
    </message>
    <message>
        <source>Write Radio Codeplug Data PC To Radio</source>
        <translation>Escribir los datos del codeplug del PC al radio</translation>
    </message>
</context>
<context>
    <name>vantrel::frmSpla</name>
    <message>
        <source>Customer Programming Software</source>
        <translation>Software de programación del cliente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>vantrel::report::frmMultiPgPreview</name>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impr.</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Opciones de impresión</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajust.</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar a la página</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
</TS>
