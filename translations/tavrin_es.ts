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
        <source>The device will not get these entries:
</source>
        <translation>El equipo no recibirá estas entradas:
</translation>
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
Save As</source>
        <translation>Guarda el documento activo
Guardar como</translation>
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
        <source>DB Loading Error !</source>
        <translation>¡Error al cargar la base de datos!</translation>
    </message>
    <message>
        <source>%1 rows of &quot;%2&quot; cannot be shown and were left out:
%3</source>
        <translation>%1 filas de «%2» no se pueden mostrar y se han omitido:
%3</translation>
    </message>
    <message>
        <source>The schedule could not be saved to &quot;%1&quot;.

</source>
        <translation>No se pudo guardar el horario en «%1».

</translation>
    </message>
    <message>
        <source>The schedule could not be saved to &quot;%1&quot;; the file is unchanged.

%2</source>
        <translation>No se pudo guardar el horario en «%1»; el archivo no ha cambiado.

%2</translation>
    </message>
    <message>
        <source>The schedule could not be saved; &quot;%1&quot; was not created.

</source>
        <translation>No se pudo guardar el horario; no se creó «%1».

</translation>
    </message>
</context>
<context>
    <name>ScheduleList</name>
    <message>
        <source>%1 Row</source>
        <translation>%1 fila</translation>
    </message>
    <message>
        <source>%1 %2 Rows</source>
        <translation>%1 %2 filas</translation>
    </message>
    <message>
        <source>Pasted row</source>
        <translation>Fila pegada</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>The day is left as it is: sorting it by time would lose
</source>
        <translation>El día se deja como está: ordenarlo por hora perdería
</translation>
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
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
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
        <source>Choose one of the ports found, or type a name (an empty name uses the default port).</source>
        <translation>Elija uno de los puertos encontrados o escriba un nombre (sin nombre se usa el puerto predeterminado).</translation>
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
        <source> does not exist.</source>
        <translation> no existe.</translation>
    </message>
    <message>
        <source> cannot be opened.</source>
        <translation> no se puede abrir.</translation>
    </message>
    <message>
        <source> cannot be written.</source>
        <translation> no se puede escribir.</translation>
    </message>
    <message>
        <source> is in use by another program; try again.</source>
        <translation> lo está usando otro programa; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source> is damaged.</source>
        <translation> está dañado.</translation>
    </message>
    <message>
        <source> is not a schedule database.</source>
        <translation> no es una base de datos de horarios.</translation>
    </message>
    <message>
        <source> was written by a newer version of this program and is left as it is.</source>
        <translation> lo escribió una versión más reciente de este programa y se deja como está.</translation>
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
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
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
</context>
</TS>
