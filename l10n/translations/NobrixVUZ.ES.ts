<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- String table NobrixVUZ.ES. Line breaks are written as &#13;&#10; and no-break spaces as &#160;
     so that neither the XML reader nor an editor can turn them into plain LF or plain spaces. -->
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="StrRes_SupportedPrinterList">
        <source>Printer list</source>
        <translation>Lista de impresoras</translation>
    </message>
    <message id="StrRes_ConnectionWarning">
        <source>Do not disconnect printer while updating!</source>
        <translation>¡No desconecte la impresora mientras se actualiza!</translation>
    </message>
    <message id="StrRes_InstructionCaption">
        <source>Printer firmware update instructions</source>
        <translation>Instrucciones de actualización del firmware de la impresora</translation>
    </message>
    <message id="StrRes_Instructions">
        <source>1. Power ON printer&#13;&#10;2. Wait until printer is IDLE/Ready&#13;&#10;3. Connect to printer via USB&#13;&#10;4. Wait for printer detection&#13;&#10;5. Select printer from list&#13;&#10;6. Press "START" button to start updating printer firmware</source>
        <translation>1. Encienda la impresora&#13;&#10;2. Espere hasta que la impresora esté INACTIVA/Lista&#13;&#10;3. Conéctese a la impresora a través de USB&#13;&#10;4. Espere a que se detecte la impresora&#13;&#10;5. Seleccione la impresora de la lista&#13;&#10;6. Presione el botón "Comienzo" para comenzar a actualizar el firmware de la impresora</translation>
    </message>
    <message id="StrRes_Start">
        <source>START</source>
        <translation>Comienzo</translation>
    </message>
    <message id="StrRes_PrinterSerialNum">
        <source>Serial #</source>
        <translation>Número de serie</translation>
    </message>
    <message id="StrRes_Status">
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message id="StrRes_Close">
        <source>CLOSE</source>
        <translation>Cerrar</translation>
    </message>
    <message id="StrRes_DialogMessage">
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message id="StrRes_DialogResult">
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message id="StrRes_DialogProgress">
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message id="StrRes_AccessiblePrinter">
        <source>Printer %1, serial number %2</source>
        <translation>Impresora %1, número de serie %2</translation>
    </message>
    <message id="StrRes_AccessibleChecked">
        <source>checked</source>
        <translation>marcado</translation>
    </message>
    <message id="StrRes_AccessibleNotChecked">
        <source>not checked</source>
        <translation>no marcado</translation>
    </message>
    <message id="StrRes_AccessibleLanguage">
        <source>Language: switch to %1</source>
        <translation>Idioma: cambiar a %1</translation>
    </message>
    <message id="StrRes_AccessibleMinimize">
        <source>Minimise window</source>
        <translation>Minimizar ventana</translation>
    </message>
    <message id="StrRes_AccessibleCloseWindow">
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message id="StrRes_AccessibleActivity">
        <source>Update activity</source>
        <translation>Actividad de actualización</translation>
    </message>
    <message id="StrRes_Copyright_Salvenor">
        <source>© 2026 Salvenor Imaging GmbH. All rights reserved.</source>
        <translation>© 2026 Salvenor Imaging GmbH. Todos los derechos reservados.</translation>
    </message>
    <message id="StrRes_Copyright_Corvane">
        <source>© 2026 Corvane Systems Inc. All rights reserved.</source>
        <translation>© 2026 Corvane Systems Inc. Todos los derechos reservados.</translation>
    </message>
    <message id="StrRes_Copyright_Mostrela">
        <source>© 2026 mostrela S.r.l. All rights reserved.</source>
        <translation>© 2026 mostrela S.r.l. Todos los derechos reservados.</translation>
    </message>
    <message id="StrRes_Copyright_ZOV">
        <source>© 2026 ZOV Technologies Ltd. All rights reserved.</source>
        <translation>© 2026 ZOV Technologies Ltd. Todos los derechos reservados.</translation>
    </message>
    <message id="StrRes_ConnectPrinter">
        <source>Please connect atleast one printer</source>
        <translation>Conecta al menos una impresora</translation>
    </message>
    <message id="StrRes_SelectPrinter">
        <source>Please select atleast one printer</source>
        <translation>Seleccione al menos una impresora</translation>
    </message>
    <message id="StrRes_AllUpdated">
        <source>All selected printers have been updated.Updated printers would be OFF.</source>
        <translation>Todas las impresoras seleccionadas se han actualizado.&#13;&#10;Las impresoras actualizadas estarían apagadas.</translation>
    </message>
    <message id="StrRes_SomeUpdated">
        <source>ERROR:Failed to update some printers!&#13;&#10;Please check status for each printer.&#13;&#10;Updated printers would be OFF.</source>
        <translation>¡Solo se actualizaron algunas impresoras!&#13;&#10;Verifique el estado de cada impresora&#13;&#10;Las impresoras actualizadas estarían apagadas&#13;&#10;ERROR:Error al actualizar algunas impresoras</translation>
    </message>
    <message id="StrRes_UIMsgResult">
        <source>printers updated</source>
        <translation>impresoras actualizadas</translation>
    </message>
    <message id="StrRes_StatusInIdleMode">
        <source>Idle mode</source>
        <translation>Lista</translation>
    </message>
    <message id="StrRes_StatusSettingFlashMode">
        <source>Setting to flash mode ...</source>
        <translation>Poniendo en modo flash...</translation>
    </message>
    <message id="StrRes_StatusInFlashMode">
        <source>Flash mode</source>
        <translation>en modo de actualización</translation>
    </message>
    <message id="StrRes_StatusFlashModeFail">
        <source>ERROR: Failed to set flash mode</source>
        <translation>ERROR: fallo del modo flash</translation>
    </message>
    <message id="StrRes_StatusSendingFhx">
        <source>Sending firmware file ...</source>
        <translation>Enviando archivo de firmware...</translation>
    </message>
    <message id="StrRes_StatusStoringAndUpdating">
        <source>Storing and updating firmware ...</source>
        <translation>Almacenamiento y actualización de firmware...</translation>
    </message>
    <message id="StrRes_StatusFlashingTimeout">
        <source>Error: Flashing timeout!</source>
        <translation>Error: ¡Tiempo de espera agotado del modo flash!</translation>
    </message>
    <message id="StrRes_StatusPrinterNotConnected">
        <source>Error: Printer not connected!</source>
        <translation>Error: ¡Impresora no conectada!</translation>
    </message>
    <message id="StrRes_StatusUpdateCompleted">
        <source>Firmware update: completed</source>
        <translation>Actualización de firmware: completada</translation>
    </message>
    <message id="StrRes_StatusUpdateTimeout">
        <source>Firmware update: timeout!</source>
        <translation>Actualización de firmware: tiempo de espera!</translation>
    </message>
    <message id="StrRes_StatusPrinterNotFound">
        <source>Error: Printer not found!</source>
        <translation>Error: ¡Impresora no encontrada!</translation>
    </message>
    <message id="StrRes_ProgressUpdateSteps">
        <source>Processing step: </source>
        <translation>Paso de procesamiento: </translation>
    </message>
    <message id="StrRes_FhxFileMissing">
        <source>ERROR: Firmware file or product name missing!&#13;&#10;Closing tool</source>
        <translation>ERROR: ¡Falta el archivo de firmware o el nombre del producto!&#13;&#10;aplicación de cierre</translation>
    </message>
    <message id="StrRes_FhxMismatch">
        <source>ERROR: Firmware file mismatch!&#13;&#10;Closing tool</source>
        <translation>ERROR: ¡No coincide el archivo de firmware!&#13;&#10;Aplicación de cierre</translation>
    </message>
    <message id="StrRes_FhxUnsigned">
        <source>ERROR: Firmware file is not signed!&#13;&#10;Closing tool</source>
        <translation>ERROR: ¡El archivo de firmware no está firmado!&#13;&#10;aplicación de cierre</translation>
    </message>
    <message id="StrRes_FhxInvalidExtension">
        <source>ERROR: Firmware file is invlaid!&#13;&#10;Closing tool</source>
        <translation>ERROR: ¡El archivo de firmware no es válido!&#13;&#10;Aplicación de cierre</translation>
    </message>
    <message id="StrRes_FhxUnsupportedProduct">
        <source>ERROR: Selected product is not supported!&#13;&#10;Closing tool</source>
        <translation>ERROR: ¡El producto seleccionado no es compatible!&#13;&#10;aplicación de cierre</translation>
    </message>
    <message id="StrRes_FhxFileError">
        <source>ERROR: Firmware file!&#13;&#10;Closing tool</source>
        <translation>ERROR: ¡Archivo de firmware!&#13;&#10;aplicación de cierre</translation>
    </message>
    <message id="StrRes_FiirmwareNotFound">
        <source>Build Error: Could not find firmware resource file!</source>
        <translation>Build Error: Could not find firmware resource file!</translation>
    </message>
    <message id="StrRes_FirmwareLoadFail">
        <source>Error: Could not load firmware resource file!</source>
        <translation>Error: Could not load firmware resource file!</translation>
    </message>
    <message id="StrRes_FirmwareZeroBytes">
        <source>Error: Firmware resource file size is 0 bytes!</source>
        <translation>Error: Firmware resource file size is 0 bytes!</translation>
    </message>
    <message id="StrRes_StatusFlashModeUnmatched">
        <source>Error: Printer in flash mode, but its serial number was not recognised!</source>
        <translation>Error: ¡Impresora en modo flash, pero no se reconoció su número de serie!</translation>
    </message>
    <message id="StrRes_StatusStopped">
        <source>Stopped: not touched, not updated</source>
        <translation>Detenido: sin tocar, no actualizada</translation>
    </message>
    <message id="StrRes_ConfirmNo">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="StrRes_ConfirmYes">
        <source>Send the firmware</source>
        <translation>Enviar el firmware</translation>
    </message>
    <message id="StrRes_UpdateLocked">
        <source>Another update run is under way (%1, user %2, process %3). No printer was touched: start again when it has ended.</source>
        <translation>Ya hay otra actualización en curso (%1, usuario %2, proceso %3). No se ha tocado ninguna impresora: vuelva a empezar cuando haya terminado.</translation>
    </message>
    <message id="StrRes_ConfirmUnknownModel">
        <source>These printers are in flash mode and do not report their model: %1.&#13;&#10;Send them the firmware of the %2 only if each of them is a %2: a printer of another model may no longer start.&#13;&#10;Send the firmware?</source>
        <translation>Estas impresoras están en modo flash y no indican su modelo: %1.&#13;&#10;Envíeles el firmware de la %2 solo si cada una de ellas es una %2: una impresora de otro modelo podría no volver a arrancar.&#13;&#10;¿Enviar el firmware?</translation>
    </message>
    <message id="StrRes_ListedInFlashModeUnknown">
        <source>in flash mode, model unknown</source>
        <translation>en modo flash, modelo desconocido</translation>
    </message>
    <message id="StrRes_ListedInFlashModeKnown">
        <source>in flash mode: needs the firmware</source>
        <translation>en modo flash: necesita el firmware</translation>
    </message>
    <message id="StrRes_StatusStoppedInFlashMode">
        <source>Stopped in flash mode: waiting for the firmware. Finish it with this program, or switch the printer off and on.</source>
        <translation>Detenida en modo flash: espera el firmware. Termínela con este programa o apague y encienda la impresora.</translation>
    </message>
    <message id="StrRes_DiagnosisNoRights">
        <source>%1 [SN#:%2] is connected, but this user may not use it. Unplug the printer and plug it in again. If that does not help, log in at this computer itself (not remotely), or ask the administrator to add the user to the group &quot;lp&quot;.</source>
        <translation>%1 [SN#:%2] está conectada, pero este usuario no puede usarla. Desconecte la impresora y vuelva a conectarla. Si no basta, inicie sesión directamente en este equipo (no a distancia) o pida al administrador que añada el usuario al grupo &quot;lp&quot;.</translation>
    </message>
    <message id="StrRes_DiagnosisBusy">
        <source>%1 [SN#:%2] is connected, but another program is using it. Close that program, then unplug the printer and plug it in again.</source>
        <translation>%1 [SN#:%2] está conectada, pero otro programa la está usando. Cierre ese programa y luego desconecte la impresora y vuelva a conectarla.</translation>
    </message>
    <message id="StrRes_DiagnosisHeldBy">
        <source>%1 [SN#:%2] is connected, but the program %3 is using it. Close that program, then unplug the printer and plug it in again.</source>
        <translation>%1 [SN#:%2] está conectada, pero el programa %3 la está usando. Cierre ese programa y luego desconecte la impresora y vuelva a conectarla.</translation>
    </message>
    <message id="StrRes_FirmwareNotAccepted">
        <source>Error: The printer did not accept the firmware data!</source>
        <translation>Error: ¡La impresora no aceptó los datos del firmware!</translation>
    </message>
    <message id="StrRes_FirmwarePrinterGone">
        <source>Error: The printer was unplugged or switched off while the firmware was being sent!</source>
        <translation>Error: ¡La impresora se desconectó o se apagó mientras se enviaba el firmware!</translation>
    </message>
    <message id="StrRes_FirmwarePrinterStalled">
        <source>Error: The printer stopped answering while the firmware was being sent!</source>
        <translation>Error: ¡La impresora dejó de responder mientras se enviaba el firmware!</translation>
    </message>
    <message id="StrRes_SystemMessageDetail">
        <source>System message: %1</source>
        <translation>Mensaje del sistema: %1</translation>
    </message>
    <message id="StrRes_CloseRefusedWhileUpdating">
        <source>The update is running. The window can be closed once it has finished.</source>
        <translation>La actualización está en curso. La ventana podrá cerrarse cuando haya terminado.</translation>
    </message>
    <message id="StrRes_HistoryNotRecorded">
        <source>The service history cannot be written: this update is not recorded. The update goes on.</source>
        <translation>No se puede escribir el historial de servicio: esta actualización no queda registrada. La actualización continúa.</translation>
    </message>
    <message id="StrRes_CliSerialNotAttached">
        <source>No supported printer with serial number %1 is attached.</source>
        <translation>No hay conectada ninguna impresora compatible con el número de serie %1.</translation>
    </message>
    <message id="StrRes_CliLeftOutUnknownModel">
        <source>The printer with serial number %1 is in flash mode and does not report its model; it was left out. If it is a %2, run again with --confirm-model.</source>
        <translation>La impresora con el número de serie %1 está en modo flash y no indica su modelo; se ha omitido. Si es una %2, vuelva a ejecutar con --confirm-model.</translation>
    </message>
    <message id="StrRes_CliStopRequested">
        <source>Stop requested: the printer being written is finished, no further printer is started.</source>
        <translation>Detención solicitada: la impresora que se está escribiendo se termina; no se empieza ninguna otra impresora.</translation>
    </message>
    <message id="StrRes_CliAlreadyStopping">
        <source>Already stopping: an image being written is never cut off; the run ends after the printers that have the image.</source>
        <translation>Ya se está deteniendo: nunca se corta un firmware que se está enviando; la ejecución termina después de las impresoras que ya tienen el firmware.</translation>
    </message>
    <message id="StrRes_CliStoppedSummary">
        <source>Stopped: %1 printer(s) not touched, %2 left in flash mode waiting for the firmware (finish them with this program, or switch them off and on), %3 updated.</source>
        <translation>Detenido: %1 impresora(s) sin tocar, %2 en modo flash esperando el firmware (termínelas con este programa o apáguelas y enciéndalas), %3 actualizada(s).</translation>
    </message>
    <message id="StrRes_CliLockUnusable">
        <source>The update lock could not be used: %1</source>
        <translation>No se pudo usar el bloqueo de actualización: %1</translation>
    </message>
    <message id="StrRes_CliAnsweredYes">
        <source>Answered yes: --confirm-model was given.</source>
        <translation>Respondido que sí: se indicó --confirm-model.</translation>
    </message>
    <message id="StrRes_CliAnsweredNo">
        <source>Answered no.</source>
        <translation>Respondido que no.</translation>
    </message>
    <message id="StrRes_CliNoPrinterAttached">
        <source>No supported printer is attached.</source>
        <translation>No hay ninguna impresora compatible conectada.</translation>
    </message>
    <message id="StrRes_CliNoUsablePrinter">
        <source>No supported printer can be used; the ones attached are listed with the reason.</source>
        <translation>No se puede usar ninguna impresora compatible; las conectadas se indican con el motivo.</translation>
    </message>
    <message id="StrRes_CliNoHistoryYet">
        <source>there is no service history yet (%1)</source>
        <translation>todavía no hay historial de servicio (%1)</translation>
    </message>
    <message id="StrRes_CliHistoryUnreadable">
        <source>the service history cannot be read: %1</source>
        <translation>no se puede leer el historial de servicio: %1</translation>
    </message>
    <message id="StrRes_CliNoHistoryKept">
        <source>this program keeps no service history</source>
        <translation>este programa no guarda historial de servicio</translation>
    </message>
</context>
</TS>
