<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AutoSetup</name>
    <message>
        <source>Invalid Input between Start Time and End Time.</source>
        <translation>Entrada no válida entre la hora de inicio y la hora de fin.</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Domingo</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Lunes</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Martes</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Miércoles</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Jueves</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Viernes</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Sábado</translation>
    </message>
    <message>
        <source> Melody</source>
        <translation> Melodía</translation>
    </message>
    <message>
        <source> Voice</source>
        <translation> Voz</translation>
    </message>
    <message>
        <source>  ON</source>
        <translation>  ENC</translation>
    </message>
    <message>
        <source>  OFF</source>
        <translation>  APAG</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tavrin</source>
        <translation>Acerca de Tavrin</translation>
    </message>
    <message>
        <source>Tavrin Version %1</source>
        <translation>Tavrin versión %1</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
</context>
<context>
    <name>CAutoSetupDlg</name>
    <message>
        <source>Auto Setup</source>
        <translation>Configuración automática</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>A Day of the Week:</source>
        <translation>Día de la semana:</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Melody / Voice</source>
        <translation>Melodía / Voz</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>AC</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Output Channel</source>
        <translation>Canal de salida</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>C%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CComm</name>
    <message>
        <source>No serial port has number %1</source>
        <translation>Ningún puerto serie tiene el número %1</translation>
    </message>
    <message>
        <source>Cannot open serial port %1: %2</source>
        <translation>No se puede abrir el puerto serie %1: %2</translation>
    </message>
    <message>
        <source>Cannot set up serial port %1: %2</source>
        <translation>No se puede configurar el puerto serie %1: %2</translation>
    </message>
    <message>
        <source>Serial port %1 failed: the line was closed</source>
        <translation>Falló el puerto serie %1: se cerró la línea</translation>
    </message>
    <message>
        <source>Serial port %1 failed: %2</source>
        <translation>Falló el puerto serie %1: %2</translation>
    </message>
    <message>
        <source>Cannot open serial port %1: it is in use by another program</source>
        <translation>No se puede abrir el puerto serie %1: lo está usando otro programa</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Compare with Device</source>
        <translation>Comparar con el equipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Send the differing days</source>
        <translation>Enviar los días distintos</translation>
    </message>
    <message>
        <source>Take the device&apos;s days</source>
        <translation>Tomar los días del equipo</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Recibir</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>No hay archivos recientes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists; it has been removed from the recent files.</source>
        <translation>«%1» ya no existe; se ha quitado de los archivos recientes.</translation>
    </message>
    <message>
        <source>Compare with Device</source>
        <translation>Comparar con el equipo</translation>
    </message>
    <message>
        <source>Take Device&apos;s Days</source>
        <translation>Tomar los días del equipo</translation>
    </message>
    <message>
        <source>Day program</source>
        <translation>Programa del día</translation>
    </message>
    <message>
        <source>A day program needs a name.</source>
        <translation>Un programa del día necesita un nombre.</translation>
    </message>
    <message>
        <source>There is already a day program named &quot;%1&quot;.</source>
        <translation>Ya hay un programa del día llamado «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be renamed or deleted.</source>
        <translation>«%1» no se puede renombrar ni eliminar.</translation>
    </message>
    <message>
        <source>A schedule file holds at most %1 day programs.</source>
        <translation>Un archivo de horario guarda como máximo %1 programas del día.</translation>
    </message>
    <message>
        <source>There is no such day program.</source>
        <translation>No existe ese programa del día.</translation>
    </message>
    <message>
        <source>Special Days</source>
        <translation>Días especiales</translation>
    </message>
    <message>
        <source>New Program...</source>
        <translation>Nuevo programa...</translation>
    </message>
    <message>
        <source>Make a new day program</source>
        <translation>Crea un programa del día nuevo</translation>
    </message>
    <message>
        <source>Rename Program...</source>
        <translation>Renombrar programa...</translation>
    </message>
    <message>
        <source>Rename the day program the list shows</source>
        <translation>Renombra el programa del día que muestra la lista</translation>
    </message>
    <message>
        <source>Delete Program...</source>
        <translation>Eliminar programa...</translation>
    </message>
    <message>
        <source>Delete the day program the list shows</source>
        <translation>Elimina el programa del día que muestra la lista</translation>
    </message>
    <message>
        <source>New Program</source>
        <translation>Nuevo programa</translation>
    </message>
    <message>
        <source>Name of the new day program:</source>
        <translation>Nombre del nuevo programa del día:</translation>
    </message>
    <message>
        <source>Rename Program</source>
        <translation>Renombrar programa</translation>
    </message>
    <message>
        <source>New name of the day program &quot;%1&quot;:</source>
        <translation>Nuevo nombre del programa del día «%1»:</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Eliminar programa</translation>
    </message>
    <message>
        <source>Delete the day program &quot;%1&quot; and its entries?</source>
        <translation>¿Eliminar el programa del día «%1» y sus eventos?</translation>
    </message>
    <message>
        <source>Used on %1. Delete the program and these calendar entries?</source>
        <translation>Se usa el %1. ¿Eliminar el programa y estas entradas del calendario?</translation>
    </message>
    <message>
        <source>Device not up to date for tomorrow (%1)</source>
        <translation>El equipo no está al día para mañana (%1)</translation>
    </message>
    <message>
        <source>Tavrin &gt; Bring Device Up to Date sends what the week ahead plays</source>
        <translation>Tavrin &gt; Poner el equipo al día envía lo que suena en la semana próxima</translation>
    </message>
    <message>
        <source>Device may not be up to date for tomorrow (%1)</source>
        <translation>Puede que el equipo no esté al día para mañana (%1)</translation>
    </message>
    <message>
        <source>The journal holds no completed send of tomorrow&apos;s weekday to %1</source>
        <translation>El registro no tiene ningún envío completo del día de mañana a %1</translation>
    </message>
    <message>
        <source>The device holds what the coming seven days play: there is nothing to send.</source>
        <translation>El equipo tiene lo que suena en los próximos siete días: no hay nada que enviar.</translation>
    </message>
    <message>
        <source>Bring Device Up to Date</source>
        <translation>Poner el equipo al día</translation>
    </message>
    <message>
        <source>An unfinished save of %1 was found: open it?</source>
        <translation>Se encontró un guardado sin terminar de %1: ¿abrirlo?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds triggers or views (%2). A schedule file never has them, and saving into the file would run them.

Remove them and save?</source>
        <translation>&quot;%1&quot; contiene disparadores o vistas (%2). Un archivo de horario nunca los tiene, y guardar en el archivo los ejecutaría.

¿Quitarlos y guardar?</translation>
    </message>
    <message>
        <source>Remove them and save</source>
        <translation>Quitarlos y guardar</translation>
    </message>
    <message>
        <source>A day program&apos;s name cannot hold control characters (such as tabs or line breaks).</source>
        <translation>El nombre de un programa del día no puede contener caracteres de control (como tabulaciones o saltos de línea).</translation>
    </message>
    <message>
        <source>Into %1</source>
        <translation>En %1</translation>
    </message>
    <message>
        <source>Not Taken</source>
        <translation>No tomar</translation>
    </message>
    <message>
        <source>The device holds the day program %1 on %2, as it was last sent there. Where does it go?</source>
        <translation>El dispositivo tiene el programa de día %1 en %2, tal como se le envió la última vez. ¿Adónde va?</translation>
    </message>
    <message>
        <source>The device holds the day program %1 on %2, as it was last sent there; this schedule has no program of that name. Take it into %2?</source>
        <translation>El dispositivo tiene el programa de día %1 en %2, tal como se le envió la última vez; este horario no tiene ningún programa con ese nombre. ¿Tomarlo en %2?</translation>
    </message>
    <message>
        <source>%1 %2 plays %3.</source>
        <translation>El %1 %2 suena %3.</translation>
    </message>
    <message>
        <source>In the week ahead:
%1
Send the planned days instead of the regular weekdays?</source>
        <translation>En la semana próxima:
%1
¿Enviar los días previstos en lugar de los días habituales?</translation>
    </message>
    <message>
        <source>Send the Planned Days</source>
        <translation>Enviar los días previstos</translation>
    </message>
    <message>
        <source>Send the Regular Weekdays</source>
        <translation>Enviar los días habituales</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 rows of the file loaded last could not be shown and will not be kept in &quot;%2&quot;:
%3

Save anyway?</source>
        <translation>%1 filas del último archivo cargado no se pudieron mostrar y no se conservarán en «%2»:
%3

¿Guardar de todos modos?</translation>
    </message>
    <message>
        <source>Print Week</source>
        <translation>Imprimir semana</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo PDF %1.</translation>
    </message>
    <message>
        <source>Bells Off Until</source>
        <translation>Timbres apagados hasta</translation>
    </message>
    <message>
        <source>No bells from today until the end of this date:</source>
        <translation>Sin timbres desde hoy hasta el final de esta fecha:</translation>
    </message>
    <message>
        <source>The calendar holds at most %1 entries: delete one before Bells Off.</source>
        <translation>El calendario guarda como máximo %1 entradas: elimine una antes de apagar los timbres.</translation>
    </message>
    <message>
        <source>Bells Off</source>
        <translation>Apagar timbres</translation>
    </message>
    <message>
        <source>The evening sync timer (tavrin-sync.timer) is not enabled: the device stays silent every %1 until Bring Device Up to Date or Bells Back On sends its regular image. Enable the timer now?</source>
        <translation>El temporizador de sincronización de la tarde (tavrin-sync.timer) no está activado: el equipo se queda en silencio cada %1 hasta que Poner el equipo al día o Volver a encender timbres envíe su imagen habitual. ¿Activar el temporizador ahora?</translation>
    </message>
    <message>
        <source>The evening sync timer could not be enabled (systemctl --user enable --now tavrin-sync.timer).</source>
        <translation>No se pudo activar el temporizador de sincronización de la tarde (systemctl --user enable --now tavrin-sync.timer).</translation>
    </message>
    <message>
        <source>Bells are not off today.</source>
        <translation>Los timbres no están apagados hoy.</translation>
    </message>
    <message>
        <source>Bells Back On</source>
        <translation>Volver a encender timbres</translation>
    </message>
    <message>
        <source>Bells off until %1</source>
        <translation>Timbres apagados hasta el %1</translation>
    </message>
    <message>
        <source>%1 is still silent on the device</source>
        <translation>El %1 sigue en silencio en el equipo</translation>
    </message>
    <message>
        <source>Import Holidays</source>
        <translation>Importar festivos</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>No se pudo leer «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no events in the next %2 days: nothing was imported.</source>
        <translation>«%1» no tiene eventos en los próximos %2 días: no se importó nada.</translation>
    </message>
    <message>
        <source>The calendar holds at most %1 entries: nothing was imported.</source>
        <translation>El calendario guarda como máximo %1 entradas: no se importó nada.</translation>
    </message>
    <message>
        <source>Whether the evening sync timer (tavrin-sync.timer) is enabled cannot be told: without it the device stays silent every %1 until Bring Device Up to Date or Bells Back On sends its regular image.</source>
        <translation>No se puede saber si el temporizador de sincronización de la tarde (tavrin-sync.timer) está activado: sin él, el equipo se queda en silencio cada %1 hasta que Poner el equipo al día o Volver a encender timbres envíe su imagen habitual.</translation>
    </message>
    <message>
        <source>Caps Lock on</source>
        <translation>Bloq Mayús activado</translation>
    </message>
    <message>
        <source>Caps Lock off</source>
        <translation>Bloq Mayús desactivado</translation>
    </message>
    <message>
        <source>Num Lock on</source>
        <translation>Bloq Num activado</translation>
    </message>
    <message>
        <source>Num Lock off</source>
        <translation>Bloq Num desactivado</translation>
    </message>
    <message>
        <source>Scroll Lock on</source>
        <translation>Bloq Despl activado</translation>
    </message>
    <message>
        <source>Scroll Lock off</source>
        <translation>Bloq Despl desactivado</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>Más botones de la barra de herramientas</translation>
    </message>
    <message>
        <source>The last exchange with the device failed (%1)</source>
        <translation>El último intercambio con el equipo falló (%1)</translation>
    </message>
    <message>
        <source>Tavrin &gt; Device History tells what happened</source>
        <translation>Tavrin &gt; Historial del equipo dice qué pasó</translation>
    </message>
</context>
<context>
    <name>CTavrinView</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Cor&amp;tar	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Pegar	Ctrl+V</translation>
    </message>
    <message>
        <source>Select &amp;All	Ctrl+A</source>
        <translation>Seleccionar &amp;todo	Ctrl+A</translation>
    </message>
    <message>
        <source>Insert	[Insert]</source>
        <translation>Insertar	[Insert]</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Delete	[Delete]</source>
        <translation>Eliminar	[Supr]</translation>
    </message>
    <message>
        <source>Auto Set</source>
        <translation>Autoconfig.</translation>
    </message>
    <message>
        <source>Choose &amp;Sound...	F7</source>
        <translation>Elegir &amp;sonido...	F7</translation>
    </message>
    <message>
        <source>Give the row Melody or Voice first.</source>
        <translation>Primero dé a la fila Melodía o Voz.</translation>
    </message>
    <message>
        <source>No melody has a name yet: name them in Weekly &gt; Sounds.</source>
        <translation>Ninguna melodía tiene nombre todavía: nómbrelas en Semanal &gt; Sonidos.</translation>
    </message>
    <message>
        <source>No voice has a name yet: name them in Weekly &gt; Sounds.</source>
        <translation>Ninguna voz tiene nombre todavía: nómbrelas en Semanal &gt; Sonidos.</translation>
    </message>
</context>
<context>
    <name>CTimeSettingDlg</name>
    <message>
        <source>Time Setting</source>
        <translation>Ajuste de hora</translation>
    </message>
    <message>
        <source> Sunday</source>
        <translation> Domingo</translation>
    </message>
    <message>
        <source> Monday</source>
        <translation> Lunes</translation>
    </message>
    <message>
        <source> Tuesday</source>
        <translation> Martes</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Miércoles</translation>
    </message>
    <message>
        <source> Thursday</source>
        <translation> Jueves</translation>
    </message>
    <message>
        <source> Friday</source>
        <translation> Viernes</translation>
    </message>
    <message>
        <source> Saturday</source>
        <translation> Sábado</translation>
    </message>
    <message>
        <source>Day         :</source>
        <translation>Día         :</translation>
    </message>
    <message>
        <source>Time       :</source>
        <translation>Hora       :</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recibir</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The time was not sent: the port did not take it (%1)</source>
        <translation>No se envió la hora: el puerto no la aceptó (%1)</translation>
    </message>
    <message>
        <source>The device&apos;s clock reply is unreadable: %1</source>
        <translation>La respuesta del reloj del equipo no se puede leer: %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
</context>
<context>
    <name>CalendarCommands</name>
    <message>
        <source>Add Calendar Entry</source>
        <translation>Añadir entrada del calendario</translation>
    </message>
    <message>
        <source>Delete Calendar Entry</source>
        <translation>Eliminar entrada del calendario</translation>
    </message>
</context>
<context>
    <name>CalendarDlg</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Bold and framed: the week ahead from today. Underlined: today. Coloured: a day program, grey: no bells.</source>
        <translation>En negrita y con marco: la semana próxima desde hoy. Subrayado: hoy. En color: un programa del día; en gris: sin timbres.</translation>
    </message>
    <message>
        <source>Where entries overlap, the later one wins: a row wins over the rows above it.</source>
        <translation>Donde las entradas se solapan, gana la posterior: una fila gana a las filas de encima.</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primera</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>(deleted program)</source>
        <translation>(programa eliminado)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: the regular %2</source>
        <translation>%1: el %2 habitual</translation>
    </message>
    <message>
        <source>No events on this date.</source>
        <translation>No hay eventos en esta fecha.</translation>
    </message>
    <message>
        <source>Add Calendar Entry</source>
        <translation>Añadir entrada del calendario</translation>
    </message>
    <message>
        <source>Edit Calendar Entry</source>
        <translation>Editar entrada del calendario</translation>
    </message>
    <message>
        <source>Delete Calendar Entry</source>
        <translation>Eliminar entrada del calendario</translation>
    </message>
</context>
<context>
    <name>CalendarEntryDlg</name>
    <message>
        <source>(deleted program)</source>
        <translation>(programa eliminado)</translation>
    </message>
    <message>
        <source>&amp;First date:</source>
        <translation>&amp;Primera fecha:</translation>
    </message>
    <message>
        <source>&amp;Last date:</source>
        <translation>Ú&amp;ltima fecha:</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>Pro&amp;grama:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>No bells</source>
        <translation>Sin timbres</translation>
    </message>
    <message>
        <source>The last date lies before the first date. Choose a last date on or after the first.</source>
        <translation>La última fecha es anterior a la primera. Elija una última fecha igual o posterior a la primera.</translation>
    </message>
    <message>
        <source>Both dates must be dates of the calendar.</source>
        <translation>Las dos fechas deben ser fechas del calendario.</translation>
    </message>
    <message>
        <source>The program of these dates no longer exists. Choose another program.</source>
        <translation>El programa de estas fechas ya no existe. Elija otro programa.</translation>
    </message>
    <message>
        <source>A schedule file holds at most %1 calendar entries.</source>
        <translation>Un archivo de horario guarda como máximo %1 entradas del calendario.</translation>
    </message>
    <message>
        <source>These dates cannot be given to that program.</source>
        <translation>Estas fechas no se pueden dar a ese programa.</translation>
    </message>
    <message>
        <source>The note cannot hold control characters (such as tabs or line breaks).</source>
        <translation>La nota no puede contener caracteres de control (como tabulaciones o saltos de línea).</translation>
    </message>
</context>
<context>
    <name>CellMeaning</name>
    <message>
        <source>ch%1 on</source>
        <translation>ch%1 activado</translation>
    </message>
    <message>
        <source>ch%1 off</source>
        <translation>ch%1 desactivado</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>sin hora</translation>
    </message>
    <message>
        <source>no Melody or Voice</source>
        <translation>sin melodía ni voz</translation>
    </message>
    <message>
        <source>no Selection</source>
        <translation>sin selección</translation>
    </message>
    <message>
        <source>Selection %1</source>
        <translation>Selección %1</translation>
    </message>
    <message>
        <source>AC on</source>
        <translation>AC activado</translation>
    </message>
    <message>
        <source>AC off</source>
        <translation>AC desactivado</translation>
    </message>
    <message>
        <source>no AC</source>
        <translation>sin AC</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Schedule of %1</source>
        <translation>Programación del %1</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuevo	Ctrl+N</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crea un documento nuevo
Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abre un documento existente
Abrir</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Ctrl+S</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Guarda el documento activo
Guardar</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprime el documento activo
Imprimir</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Muestra las páginas completas
Vista previa de impresión</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Config&amp;urar impresión...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Cambia la impresora y las opciones de impresión
Configurar impresión</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Cierra la aplicación; pregunta si desea guardar los documentos
Salir</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Cor&amp;tar	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Corta la selección y la pone en el Portapapeles
Cortar</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copia la selección y la pone en el Portapapeles
Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Pegar	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Inserta el contenido del Portapapeles
Pegar</translation>
    </message>
    <message>
        <source>Select All	Ctrl+A</source>
        <translation>Seleccionar todo	Ctrl+A</translation>
    </message>
    <message>
        <source>Select the entire document
Select All</source>
        <translation>Selecciona todo el documento
Seleccionar todo</translation>
    </message>
    <message>
        <source>Insert	[Insert]</source>
        <translation>Insertar	[Insert]</translation>
    </message>
    <message>
        <source>Insert an Item.</source>
        <translation>Inserta un elemento.</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Modify an Item.</source>
        <translation>Modifica un elemento.</translation>
    </message>
    <message>
        <source>Delete	[Delete]</source>
        <translation>Eliminar	[Supr]</translation>
    </message>
    <message>
        <source>Delete an Item</source>
        <translation>Elimina un elemento</translation>
    </message>
    <message>
        <source>Auto Set</source>
        <translation>Autoconfig.</translation>
    </message>
    <message>
        <source>Auto Setting</source>
        <translation>Configuración automática</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Muestra u oculta la barra de herramientas
Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Muestra u oculta la barra de estado
Barra de estado</translation>
    </message>
    <message>
        <source>Time setting	   F2</source>
        <translation>Ajuste de hora	   F2</translation>
    </message>
    <message>
        <source>Time Set</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Time setting of Tavrin</source>
        <translation>Ajusta la hora del Tavrin</translation>
    </message>
    <message>
        <source>Download	   F4</source>
        <translation>Enviar al equipo	   F4</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Upload	   F5</source>
        <translation>Recibir del equipo	   F5</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Recibir</translation>
    </message>
    <message>
        <source>Serial Port...</source>
        <translation>Puerto serie...</translation>
    </message>
    <message>
        <source>Choose the serial port the Tavrin is connected to</source>
        <translation>Elige el puerto serie al que está conectado el Tavrin</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>LUN</translation>
    </message>
    <message>
        <source>Make a schedule for the Monday</source>
        <translation>Hace el horario del lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>MAR</translation>
    </message>
    <message>
        <source>Make a schedule for the Tuesday</source>
        <translation>Hace el horario del martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>MIÉ</translation>
    </message>
    <message>
        <source>Make a schedule for the Wednesday</source>
        <translation>Hace el horario del miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>JUE</translation>
    </message>
    <message>
        <source>Make a schedule for the Thursday</source>
        <translation>Hace el horario del jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>VIE</translation>
    </message>
    <message>
        <source>Make a schedule for the Friday</source>
        <translation>Hace el horario del viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>SÁB</translation>
    </message>
    <message>
        <source>Make a schedule for the Saturday</source>
        <translation>Hace el horario del sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>DOM</translation>
    </message>
    <message>
        <source>Make a schedule for the Sunday</source>
        <translation>Hace el horario del domingo</translation>
    </message>
    <message>
        <source>&amp;About Tavrin...</source>
        <translation>&amp;Acerca de Tavrin...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Muestra información del programa, la versión y los derechos de autor
Acerca de</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Tavrin</source>
        <translation>&amp;Tavrin</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>&amp;Semanal</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Compare with Device	   F6</source>
        <translation>Comparar con el equipo	   F6</translation>
    </message>
    <message>
        <source>Compare the device&apos;s weekdays with the schedule
Compare with Device</source>
        <translation>Compara los días de la semana del equipo con el horario
Comparar con el equipo</translation>
    </message>
    <message>
        <source>Device History...</source>
        <translation>Historial del equipo...</translation>
    </message>
    <message>
        <source>Show every transfer to and from the device</source>
        <translation>Muestra cada envío al equipo y cada recepción desde él</translation>
    </message>
    <message>
        <source>Bring Device Up to Date</source>
        <translation>Poner el equipo al día</translation>
    </message>
    <message>
        <source>Send the weekdays whose images the coming seven days need</source>
        <translation>Envía los días de la semana cuyas imágenes necesitan los próximos siete días</translation>
    </message>
    <message>
        <source>Calendar...	Ctrl+K</source>
        <translation>Calendario...	Ctrl+K</translation>
    </message>
    <message>
        <source>Give dates to day programs and see what each date plays
Calendar</source>
        <translation>Da fechas a los programas del día y muestra lo que suena cada fecha
Calendario</translation>
    </message>
    <message>
        <source>Print &amp;Week...</source>
        <translation>Imprimir &amp;semana...</translation>
    </message>
    <message>
        <source>Print every weekday, each from a new page
Print Week</source>
        <translation>Imprimir todos los días de la semana, cada uno desde una página nueva
Imprimir semana</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exportar P&amp;DF...</translation>
    </message>
    <message>
        <source>Write the week as Print Week prints it to a PDF file
Export PDF</source>
        <translation>Escribir la semana, tal como la imprime Imprimir semana, en un archivo PDF
Exportar PDF</translation>
    </message>
    <message>
        <source>Choose &amp;Sound...	F7</source>
        <translation>Elegir &amp;sonido...	F7</translation>
    </message>
    <message>
        <source>Choose the row&apos;s sound from the named ones
Choose Sound</source>
        <translation>Elegir el sonido de la fila entre los que tienen nombre
Elegir sonido</translation>
    </message>
    <message>
        <source>S&amp;ounds...</source>
        <translation>S&amp;onidos...</translation>
    </message>
    <message>
        <source>Give the device&apos;s melodies and voices names
Sounds</source>
        <translation>Dar nombre a las melodías y voces del equipo
Sonidos</translation>
    </message>
    <message>
        <source>Bells Off Today</source>
        <translation>Apagar timbres hoy</translation>
    </message>
    <message>
        <source>No bells today: the device gets today&apos;s weekday blank at once</source>
        <translation>Sin timbres hoy: el equipo recibe en blanco el día de hoy en el acto</translation>
    </message>
    <message>
        <source>Bells Off Until...</source>
        <translation>Apagar timbres hasta...</translation>
    </message>
    <message>
        <source>No bells from today until a date: today&apos;s weekday goes blank at once</source>
        <translation>Sin timbres desde hoy hasta una fecha: el día de hoy queda en blanco en el acto</translation>
    </message>
    <message>
        <source>Bells Back On</source>
        <translation>Volver a encender timbres</translation>
    </message>
    <message>
        <source>End Bells Off: today&apos;s regular image goes back to the device at once</source>
        <translation>Termina el apagado de timbres: la imagen habitual de hoy vuelve al equipo en el acto</translation>
    </message>
    <message>
        <source>Import Holidays...</source>
        <translation>Importar festivos...</translation>
    </message>
    <message>
        <source>Take the dates of an iCalendar (.ics) file into the calendar</source>
        <translation>Toma en el calendario las fechas de un archivo iCalendar (.ics)</translation>
    </message>
    <message>
        <source>Devices...</source>
        <translation>Equipos...</translation>
    </message>
    <message>
        <source>Every device of the site: its state, and bringing them up to date at once</source>
        <translation>Todos los equipos del sitio: su estado, y ponerlos al día a la vez</translation>
    </message>
</context>
<context>
    <name>DayProgramChooser</name>
    <message>
        <source>Day program</source>
        <translation>Programa del día</translation>
    </message>
    <message>
        <source>Show a day program</source>
        <translation>Mostrar un programa del día</translation>
    </message>
    <message>
        <source>Show a day program in the list</source>
        <translation>Muestra un programa del día en la lista</translation>
    </message>
    <message>
        <source>Show the day program &quot;%1&quot;</source>
        <translation>Muestra el programa del día «%1»</translation>
    </message>
</context>
<context>
    <name>DeviceHistoryDlg</name>
    <message>
        <source>Device History</source>
        <translation>Historial del equipo</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Send Again</source>
        <translation>Enviar de nuevo</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>The week as it was sent:</source>
        <translation>La semana tal como se envió:</translation>
    </message>
    <message>
        <source>The transfer journal cannot be read (%1): %2</source>
        <translation>No se puede leer el registro de envíos (%1): %2</translation>
    </message>
    <message>
        <source>All ports</source>
        <translation>Todos los puertos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Transferencias</translation>
    </message>
    <message>
        <source>The week as it was sent</source>
        <translation>La semana tal como se envió</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
</context>
<context>
    <name>DevicesDlg</name>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Rechazado</translation>
    </message>
    <message>
        <source>No response</source>
        <translation>Sin respuesta</translation>
    </message>
    <message>
        <source>Line error</source>
        <translation>Error de línea</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>The port did not open</source>
        <translation>El puerto no se abrió</translation>
    </message>
    <message>
        <source>up to date</source>
        <translation>al día</translation>
    </message>
    <message>
        <source>not up to date</source>
        <translation>no está al día</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>on time</source>
        <translation>en hora</translation>
    </message>
    <message>
        <source>%1 s ahead</source>
        <translation>%1 s adelantado</translation>
    </message>
    <message>
        <source>%1 s behind</source>
        <translation>%1 s atrasado</translation>
    </message>
    <message>
        <source>%1 has no port.</source>
        <translation>%1 no tiene puerto.</translation>
    </message>
    <message>
        <source>%1 has no schedule file.</source>
        <translation>%1 no tiene archivo de horario.</translation>
    </message>
    <message>
        <source>%1 and %2 are on the same port.</source>
        <translation>%1 y %2 están en el mismo puerto.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Schedule file:</source>
        <translation>Archivo de horario:</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Schedule File</source>
        <translation>Archivo de horario</translation>
    </message>
    <message>
        <source>Last Contact</source>
        <translation>Último contacto</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Clock Offset</source>
        <translation>Desfase del reloj</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Añadir...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Bring Up to Date</source>
        <translation>Poner al día</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Añadir equipo</translation>
    </message>
    <message>
        <source>Edit Device</source>
        <translation>Editar equipo</translation>
    </message>
    <message>
        <source>A device needs a name.</source>
        <translation>Un equipo necesita un nombre.</translation>
    </message>
    <message>
        <source>There is already a device named %1.</source>
        <translation>Ya hay un equipo llamado %1.</translation>
    </message>
    <message>
        <source>The site file could not be written: %1</source>
        <translation>No se pudo escribir el archivo del sitio: %1</translation>
    </message>
    <message>
        <source>The schedule file %1 does not open.</source>
        <translation>El archivo de horario %1 no se abre.</translation>
    </message>
    <message>
        <source>Nothing to send</source>
        <translation>Nada que enviar</translation>
    </message>
    <message>
        <source>Sending: %1 %</source>
        <translation>Enviando: %1 %</translation>
    </message>
    <message>
        <source>Set Clock</source>
        <translation>Poner en hora</translation>
    </message>
    <message>
        <source>Open Schedule</source>
        <translation>Abrir horario</translation>
    </message>
    <message>
        <source>Clock set to %1</source>
        <translation>Reloj puesto a %1</translation>
    </message>
    <message>
        <source>The clock could not be set: the port did not take the frame.</source>
        <translation>No se pudo poner el reloj en hora: el puerto no aceptó la trama.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Reading the weekdays</source>
        <translation>Leyendo los días de la semana</translation>
    </message>
    <message>
        <source>The same as the schedule file</source>
        <translation>Igual que el archivo de horario</translation>
    </message>
    <message>
        <source>%1 differs in 1 minute</source>
        <translation>%1 difiere en 1 minuto</translation>
    </message>
    <message>
        <source>%1 differs in %2 minutes</source>
        <translation>%1 difiere en %2 minutos</translation>
    </message>
    <message>
        <source>Read each device back before Bring Up to Date, as Compare does</source>
        <translation>Leer cada equipo antes de Poner al día, como hace Comparar</translation>
    </message>
    <message>
        <source>The device could not be read back: nothing was sent (%1)</source>
        <translation>No se pudo leer el equipo: no se envió nada (%1)</translation>
    </message>
</context>
<context>
    <name>DialogFileChooser</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Import Holidays</source>
        <translation>Importar festivos</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics)</source>
        <translation>Archivo iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Any file (*)</source>
        <translation>Cualquier archivo (*)</translation>
    </message>
</context>
<context>
    <name>DownloadWarnings</name>
    <message>
        <source>The device will not get these entries:</source>
        <translation>El equipo no recibirá estas entradas:</translation>
    </message>
    <message>
        <source>These entries share a minute: the device keeps each minute as one event.</source>
        <translation>Estas entradas comparten un minuto: el equipo guarda cada minuto como un solo evento.</translation>
    </message>
    <message>
        <source>%1 %2: entries %3</source>
        <translation>%1 %2: entradas %3</translation>
    </message>
</context>
<context>
    <name>IcsRefusal</name>
    <message>
        <source>&quot;%1&quot; is not an iCalendar file: nothing was imported.</source>
        <translation>«%1» no es un archivo iCalendar: no se importó nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 MB, more than a holiday calendar holds: nothing was imported.</source>
        <translation>«%1» ocupa más de %2 MB, más de lo que ocupa un calendario de festivos: no se importó nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds more than %2 events, more than a holiday calendar holds: nothing was imported.</source>
        <translation>«%1» tiene más de %2 eventos, más de los que tiene un calendario de festivos: no se importó nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives more than %2 dates in the next %3 days, more than a holiday calendar holds: nothing was imported.</source>
        <translation>«%1» da más de %2 fechas en los próximos %3 días, más de las que tiene un calendario de festivos: no se importó nada.</translation>
    </message>
</context>
<context>
    <name>ImportHolidaysDlg</name>
    <message>
        <source>Import Holidays</source>
        <translation>Importar festivos</translation>
    </message>
    <message>
        <source>%1 holds these dates for the next days. Events that are not all-day, and those already over, are not ticked. Nothing changes until OK.</source>
        <translation>%1 tiene estas fechas para los próximos días. Los eventos que no duran todo el día, y los que ya pasaron, no están marcados. Nada cambia hasta Aceptar.</translation>
    </message>
    <message>
        <source>Program for &amp;all:</source>
        <translation>Programa para &amp;todos:</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primera</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Not an all-day event</source>
        <translation>No es un evento de todo el día</translation>
    </message>
    <message>
        <source>Already over</source>
        <translation>Ya pasó</translation>
    </message>
    <message>
        <source>No bells</source>
        <translation>Sin timbres</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>ID</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>AM/PM</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Melody/Voice</source>
        <translation>Melodía/Voz</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>AC</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>ch1</source>
        <translation>c1</translation>
    </message>
    <message>
        <source>ch2</source>
        <translation>c2</translation>
    </message>
    <message>
        <source>ch3</source>
        <translation>c3</translation>
    </message>
    <message>
        <source>ch4</source>
        <translation>c4</translation>
    </message>
</context>
<context>
    <name>NetworkLine</name>
    <message>
        <source>%1 does not control a serial line: it refused the COM port option</source>
        <translation>%1 no controla una línea serie: rechazó la opción de puerto COM</translation>
    </message>
    <message>
        <source>%1 did not set up the serial line within %2 seconds</source>
        <translation>%1 no preparó la línea serie en %2 segundos</translation>
    </message>
    <message>
        <source>%1 closed the connection</source>
        <translation>%1 cerró la conexión</translation>
    </message>
    <message>
        <source>Connection refused by %1</source>
        <translation>Conexión rechazada por %1</translation>
    </message>
    <message>
        <source>Host %1 not found</source>
        <translation>No se encontró el host %1</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds</source>
        <translation>%1 no respondió en %2 segundos</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>No se puede conectar con %1: %2</translation>
    </message>
    <message>
        <source>The connection to %1 was closed</source>
        <translation>Se cerró la conexión con %1</translation>
    </message>
    <message>
        <source>The connection to %1 failed: %2</source>
        <translation>Falló la conexión con %1: %2</translation>
    </message>
</context>
<context>
    <name>PortName</name>
    <message>
        <source>&quot;%1&quot; is not a port name. A port is a serial device (/dev/ttyUSB0, COM3), socket://HOST:PORT or rfc2217://HOST:PORT, where HOST is a name, an IPv4 address or an IPv6 address in brackets, and PORT a number from 1 to 65535.</source>
        <translation>&quot;%1&quot; no es un nombre de puerto. Un puerto es un dispositivo serie (/dev/ttyUSB0, COM3), socket://HOST:PORT o rfc2217://HOST:PORT, donde HOST es un nombre, una dirección IPv4 o una dirección IPv6 entre corchetes, y PORT un número de 1 a 65535.</translation>
    </message>
</context>
<context>
    <name>ProgramEdits</name>
    <message>
        <source>New Program</source>
        <translation>Nuevo programa</translation>
    </message>
    <message>
        <source>Rename Program</source>
        <translation>Renombrar programa</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Eliminar programa</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The printer could not be started. Nothing was printed.</source>
        <translation>No se pudo poner en marcha la impresora. No se imprimió nada.</translation>
    </message>
</context>
<context>
    <name>ScheduleFiles</name>
    <message>
        <source>%1 rows of &quot;%2&quot; cannot be shown and were left out:
%3</source>
        <translation>%1 filas de «%2» no se pueden mostrar y se han omitido:
%3</translation>
    </message>
    <message>
        <source>The schedule could not be saved to &quot;%1&quot;; the file is unchanged.

%2</source>
        <translation>No se pudo guardar el horario en «%1»; el archivo no ha cambiado.

%2</translation>
    </message>
    <message>
        <source>DB Loading Error !

%1</source>
        <translation>¡Error al cargar la base de datos!

%1</translation>
    </message>
    <message>
        <source>The schedule could not be saved to &quot;%1&quot;.

%2</source>
        <translation>No se pudo guardar el horario en «%1».

%2</translation>
    </message>
    <message>
        <source>The schedule could not be saved; &quot;%1&quot; was not created.

%2</source>
        <translation>No se pudo guardar el horario; no se creó «%1».

%2</translation>
    </message>
</context>
<context>
    <name>ScheduleList</name>
    <message>
        <source>Delete Row</source>
        <translation>Eliminar fila</translation>
    </message>
    <message>
        <source>Cut Row</source>
        <translation>Cortar fila</translation>
    </message>
    <message>
        <source>Delete %1 Rows</source>
        <translation>Eliminar %1 filas</translation>
    </message>
    <message>
        <source>Cut %1 Rows</source>
        <translation>Cortar %1 filas</translation>
    </message>
    <message>
        <source>Pasted row %1: %2</source>
        <translation>Fila pegada %1: %2</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>The day is left as it is: sorting it by time would lose
%1</source>
        <translation>El día se deja como está: ordenarlo por hora perdería
%1</translation>
    </message>
    <message>
        <source>Line Error</source>
        <translation>Error de línea</translation>
    </message>
    <message>
        <source>Sort by Time</source>
        <translation>Ordenar por hora</translation>
    </message>
    <message>
        <source>The list is full: a day holds at most %1 entries.</source>
        <translation>La lista está llena: un día admite como máximo %1 entradas.</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>Insertar fila</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>%1 of the copied rows were left out: a day holds at most %2 entries.</source>
        <translation>Se omitieron %1 de las filas copiadas: un día admite como máximo %2 entradas.</translation>
    </message>
    <message>
        <source>Toggle %1</source>
        <translation>Cambiar %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Editar %1</translation>
    </message>
</context>
<context>
    <name>SerialPortDlg</name>
    <message>
        <source>Serial Port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>Port the Tavrin is connected to:</source>
        <translation>Puerto al que está conectado el Tavrin:</translation>
    </message>
    <message>
        <source>Choose one of the ports found, or type a name: a serial device (/dev/ttyUSB0, COM3), or socket://HOST:PORT or rfc2217://HOST:PORT for a serial line behind a network address. An empty name uses the default port.</source>
        <translation>Elija uno de los puertos encontrados o escriba un nombre: un dispositivo serie (/dev/ttyUSB0, COM3), o socket://HOST:PORT o rfc2217://HOST:PORT para una línea serie tras una dirección de red. Un nombre vacío usa el puerto predeterminado.</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>Melody</source>
        <translation>Melodía</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ENC</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>APAG</translation>
    </message>
</context>
<context>
    <name>SoundCommands</name>
    <message>
        <source>Name Melody %1</source>
        <translation>Nombrar melodía %1</translation>
    </message>
    <message>
        <source>Name Voice %1</source>
        <translation>Nombrar voz %1</translation>
    </message>
    <message>
        <source>Choose Sound</source>
        <translation>Elegir sonido</translation>
    </message>
</context>
<context>
    <name>SoundsDlg</name>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Give the device&apos;s sounds names: the list shows them beside the numbers.</source>
        <translation>Dé nombre a los sonidos del equipo: la lista los muestra junto a sus números.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Melody</source>
        <translation>Melodía</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>A sound&apos;s name holds at most %1 characters.</source>
        <translation>El nombre de un sonido tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>A sound&apos;s name cannot hold control characters such as tabs or line breaks.</source>
        <translation>El nombre de un sonido no puede contener caracteres de control, como tabuladores o saltos de línea.</translation>
    </message>
</context>
<context>
    <name>StoreOutcome</name>
    <message>
        <source>an interrupted save must be rolled back, which needs write access</source>
        <translation>hay que deshacer un guardado interrumpido, lo que requiere permiso de escritura</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <source>No schedule database is open.</source>
        <translation>No hay ninguna base de datos de horarios abierta.</translation>
    </message>
    <message>
        <source>The disk holding %1 is full.</source>
        <translation>El disco que contiene %1 está lleno.</translation>
    </message>
    <message>
        <source>The template database %1 is missing.</source>
        <translation>Falta la base de datos plantilla %1.</translation>
    </message>
    <message>
        <source>The template database %1 is damaged or not a schedule database.</source>
        <translation>La base de datos plantilla %1 está dañada o no es una base de datos de horarios.</translation>
    </message>
    <message>
        <source>The backup of %1 could not be made.</source>
        <translation>No se pudo hacer la copia de seguridad de %1.</translation>
    </message>
    <message>
        <source>The schedule database %1 failed.</source>
        <translation>Falló la base de datos de horarios %1.</translation>
    </message>
    <message>
        <source>%1 is a Microsoft Access database, as the original Windows program kept its schedules; this program does not read such files. To bring its week over, Upload it from the device that holds it and save it here.</source>
        <translation>%1 es una base de datos de Microsoft Access, como las que guardaba el programa original de Windows; este programa no lee esos archivos. Para traer su semana, recíbala (Recibir) desde el equipo que la tiene y guárdela aquí.</translation>
    </message>
    <message>
        <source>%1 holds triggers or views (%2), which a schedule file never has and which a save would run; nothing was written into it.</source>
        <translation>%1 contiene disparadores o vistas (%2), que un archivo de horario nunca tiene y que un guardado ejecutaría; no se escribió nada en él.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1 no se puede abrir.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 no se puede escribir.</translation>
    </message>
    <message>
        <source>%1 is in use by another program; try again.</source>
        <translation>%1 lo está usando otro programa; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>%1 está dañado.</translation>
    </message>
    <message>
        <source>%1 is not a schedule database.</source>
        <translation>%1 no es una base de datos de horarios.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of this program and is left as it is.</source>
        <translation>%1 lo escribió una versión más reciente de este programa y se deja como está.</translation>
    </message>
    <message>
        <source>%1 would not keep the rows of the file loaded last that could not be shown; nothing was written into it.</source>
        <translation>%1 no conservaría las filas del último archivo cargado que no se pudieron mostrar; no se escribió nada en él.</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>   Wednesday</source>
        <translation>   Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source> ALL Clear</source>
        <translation> Borrar TODO</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>   Monday</source>
        <translation>   Lunes</translation>
    </message>
    <message>
        <source>   Tuesday</source>
        <translation>   Martes</translation>
    </message>
    <message>
        <source>   Thursday</source>
        <translation>   Jueves</translation>
    </message>
    <message>
        <source>   Friday</source>
        <translation>   Viernes</translation>
    </message>
    <message>
        <source>   Saturday</source>
        <translation>   Sábado</translation>
    </message>
    <message>
        <source>   Sunday</source>
        <translation>   Domingo</translation>
    </message>
    <message>
        <source>   Weekly</source>
        <translation>   Semanal</translation>
    </message>
    <message>
        <source>Uplaod</source>
        <translation>Recibir</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recibir</translation>
    </message>
    <message>
        <source>Select the Day</source>
        <translation>Seleccione el día</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TransferOutcome</name>
    <message>
        <source>Uploading complete</source>
        <translation>Recepción completada</translation>
    </message>
    <message>
        <source>Downloading complete</source>
        <translation>Envío completado</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Error de comunicación</translation>
    </message>
    <message>
        <source>Make no Response</source>
        <translation>El equipo no responde</translation>
    </message>
    <message>
        <source>Line Error</source>
        <translation>Error de línea</translation>
    </message>
    <message>
        <source>Serial Port Open Fail</source>
        <translation>No se pudo abrir el puerto serie</translation>
    </message>
    <message>
        <source>Not taken (Line Error): %1.</source>
        <translation>No tomados (Error de línea): %1.</translation>
    </message>
    <message>
        <source>The device refused the blank image under code %1: it keeps what it held there, and the codes after it were not cleared.</source>
        <translation>El equipo rechazó la imagen en blanco con el código %1: conserva lo que tenía ahí, y los códigos siguientes no se borraron.</translation>
    </message>
    <message>
        <source>The device refused %1: it keeps the schedule it held for that weekday, and the weekdays after it were not sent.</source>
        <translation>El equipo rechazó el %1: conserva el horario que tenía para ese día, y los días siguientes no se enviaron.</translation>
    </message>
    <message>
        <source>Refused by the device</source>
        <translation>Rechazado por el equipo</translation>
    </message>
    <message>
        <source>%1, waiting</source>
        <translation>%1, en espera</translation>
    </message>
    <message>
        <source>%1, received</source>
        <translation>%1, recibido</translation>
    </message>
    <message>
        <source>%1, sent</source>
        <translation>%1, enviado</translation>
    </message>
</context>
<context>
    <name>WeekPrintDlg</name>
    <message>
        <source>Print Week</source>
        <translation>Imprimir semana</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>Each &amp;day program</source>
        <translation>Cada &amp;programa de día</translation>
    </message>
    <message>
        <source>The &amp;calendar&apos;s entries of the next 12 months</source>
        <translation>Las entradas del &amp;calendario de los próximos 12 meses</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>&amp;Vista previa...</translation>
    </message>
</context>
<context>
    <name>WeekReport</name>
    <message>
        <source>SOUND</source>
        <translation>SONIDO</translation>
    </message>
    <message>
        <source>%1, continued</source>
        <translation>%1, continuación</translation>
    </message>
    <message>
        <source>Calendar from %1 to %2</source>
        <translation>Calendario del %1 al %2</translation>
    </message>
    <message>
        <source>FIRST</source>
        <translation>DESDE</translation>
    </message>
    <message>
        <source>LAST</source>
        <translation>HASTA</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>PROGRAMA</translation>
    </message>
    <message>
        <source>NOTE</source>
        <translation>NOTA</translation>
    </message>
    <message>
        <source>No calendar entries in these months.</source>
        <translation>No hay entradas del calendario en estos meses.</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
</context>
</TS>
