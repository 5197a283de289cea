<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- String table NobrixVUZ.EN. Line breaks are written as &#13;&#10; and no-break spaces as &#160;
     so that neither the XML reader nor an editor can turn them into plain LF or plain spaces. -->
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="StrRes_SupportedPrinterList">
        <source>Printer list</source>
        <translation>Printer list</translation>
    </message>
    <message id="StrRes_ConnectionWarning">
        <source>Do not disconnect printer while updating!</source>
        <translation>Do not disconnect printer while updating!</translation>
    </message>
    <message id="StrRes_InstructionCaption">
        <source>Printer firmware update instructions</source>
        <translation>Printer firmware update instructions</translation>
    </message>
    <message id="StrRes_Instructions">
        <source>1. Power ON printer&#13;&#10;2. Wait until printer is IDLE/Ready&#13;&#10;3. Connect to printer via USB&#13;&#10;4. Wait for printer detection&#13;&#10;5. Select printer from list&#13;&#10;6. Press "START" button to start updating printer firmware</source>
        <translation>1. Power ON printer&#13;&#10;2. Wait until printer is IDLE/Ready&#13;&#10;3. Connect to printer via USB&#13;&#10;4. Wait for printer detection&#13;&#10;5. Select printer from list&#13;&#10;6. Press "START" button to start updating printer firmware</translation>
    </message>
    <message id="StrRes_Start">
        <source>START</source>
        <translation>START</translation>
    </message>
    <message id="StrRes_PrinterSerialNum">
        <source>Serial #</source>
        <translation>Serial #</translation>
    </message>
    <message id="StrRes_Status">
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message id="StrRes_Close">
        <source>CLOSE</source>
        <translation>CLOSE</translation>
    </message>
    <message id="StrRes_DialogMessage">
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message id="StrRes_DialogResult">
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message id="StrRes_DialogProgress">
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message id="StrRes_AccessiblePrinter">
        <source>Printer %1, serial number %2</source>
        <translation>Printer %1, serial number %2</translation>
    </message>
    <message id="StrRes_AccessibleChecked">
        <source>checked</source>
        <translation>checked</translation>
    </message>
    <message id="StrRes_AccessibleNotChecked">
        <source>not checked</source>
        <translation>not checked</translation>
    </message>
    <message id="StrRes_AccessibleLanguage">
        <source>Language: switch to %1</source>
        <translation>Language: switch to %1</translation>
    </message>
    <message id="StrRes_AccessibleMinimize">
        <source>Minimise window</source>
        <translation>Minimise window</translation>
    </message>
    <message id="StrRes_AccessibleCloseWindow">
        <source>Close window</source>
        <translation>Close window</translation>
    </message>
    <message id="StrRes_AccessibleActivity">
        <source>Update activity</source>
        <translation>Update activity</translation>
    </message>
    <message id="StrRes_Copyright_Salvenor">
        <source>© 2026 Salvenor Imaging GmbH. All rights reserved.</source>
        <translation>© 2026 Salvenor Imaging GmbH. All rights reserved.</translation>
    </message>
    <message id="StrRes_Copyright_Corvane">
        <source>© 2026 Corvane Systems Inc. All rights reserved.</source>
        <translation>© 2026 Corvane Systems Inc. All rights reserved.</translation>
    </message>
    <message id="StrRes_Copyright_Mostrela">
        <source>© 2026 mostrela S.r.l. All rights reserved.</source>
        <translation>© 2026 mostrela S.r.l. All rights reserved.</translation>
    </message>
    <message id="StrRes_Copyright_ZOV">
        <source>© 2026 ZOV Technologies Ltd. All rights reserved.</source>
        <translation>© 2026 ZOV Technologies Ltd. All rights reserved.</translation>
    </message>
    <message id="StrRes_ConnectPrinter">
        <source>Please connect atleast one printer</source>
        <translation>Please connect atleast one printer</translation>
    </message>
    <message id="StrRes_SelectPrinter">
        <source>Please select atleast one printer</source>
        <translation>Please select atleast one printer</translation>
    </message>
    <message id="StrRes_AllUpdated">
        <source>All selected printers have been updated.Updated printers would be OFF.</source>
        <translation>All selected printers have been updated.Updated printers would be OFF.</translation>
    </message>
    <message id="StrRes_SomeUpdated">
        <source>ERROR:Failed to update some printers!&#13;&#10;Please check status for each printer.&#13;&#10;Updated printers would be OFF.</source>
        <translation>ERROR:Failed to update some printers!&#13;&#10;Please check status for each printer.&#13;&#10;Updated printers would be OFF.</translation>
    </message>
    <message id="StrRes_UIMsgResult">
        <source>printers updated</source>
        <translation>printers updated</translation>
    </message>
    <message id="StrRes_StatusInIdleMode">
        <source>Idle mode</source>
        <translation>Idle mode</translation>
    </message>
    <message id="StrRes_StatusSettingFlashMode">
        <source>Setting to flash mode ...</source>
        <translation>Setting to flash mode ...</translation>
    </message>
    <message id="StrRes_StatusInFlashMode">
        <source>Flash mode</source>
        <translation>Flash mode</translation>
    </message>
    <message id="StrRes_StatusFlashModeFail">
        <source>ERROR: Failed to set flash mode</source>
        <translation>ERROR: Failed to set flash mode</translation>
    </message>
    <message id="StrRes_StatusSendingFhx">
        <source>Sending firmware file ...</source>
        <translation>Sending firmware file ...</translation>
    </message>
    <message id="StrRes_StatusStoringAndUpdating">
        <source>Storing and updating firmware ...</source>
        <translation>Storing and updating firmware ...</translation>
    </message>
    <message id="StrRes_StatusFlashingTimeout">
        <source>Error: Flashing timeout!</source>
        <translation>Error: Flashing timeout!</translation>
    </message>
    <message id="StrRes_StatusPrinterNotConnected">
        <source>Error: Printer not connected!</source>
        <translation>Error: Printer not connected!</translation>
    </message>
    <message id="StrRes_StatusUpdateCompleted">
        <source>Firmware update: completed</source>
        <translation>Firmware update: completed</translation>
    </message>
    <message id="StrRes_StatusUpdateTimeout">
        <source>Firmware update: timeout!</source>
        <translation>Firmware update: timeout!</translation>
    </message>
    <message id="StrRes_StatusPrinterNotFound">
        <source>Error: Printer not found!</source>
        <translation>Error: Printer not found!</translation>
    </message>
    <message id="StrRes_ProgressUpdateSteps">
        <source>Processing step: </source>
        <translation>Processing step: </translation>
    </message>
    <message id="StrRes_FhxFileMissing">
        <source>ERROR: Firmware file or product name missing!&#13;&#10;Closing tool</source>
        <translation>ERROR: Firmware file or product name missing!&#13;&#10;Closing tool</translation>
    </message>
    <message id="StrRes_FhxMismatch">
        <source>ERROR: Firmware file mismatch!&#13;&#10;Closing tool</source>
        <translation>ERROR: Firmware file mismatch!&#13;&#10;Closing tool</translation>
    </message>
    <message id="StrRes_FhxUnsigned">
        <source>ERROR: Firmware file is not signed!&#13;&#10;Closing tool</source>
        <translation>ERROR: Firmware file is not signed!&#13;&#10;Closing tool</translation>
    </message>
    <message id="StrRes_FhxInvalidExtension">
        <source>ERROR: Firmware file is invlaid!&#13;&#10;Closing tool</source>
        <translation>ERROR: Firmware file is invlaid!&#13;&#10;Closing tool</translation>
    </message>
    <message id="StrRes_FhxUnsupportedProduct">
        <source>ERROR: Selected product is not supported!&#13;&#10;Closing tool</source>
        <translation>ERROR: Selected product is not supported!&#13;&#10;Closing tool</translation>
    </message>
    <message id="StrRes_FhxFileError">
        <source>ERROR: Firmware file!&#13;&#10;Closing tool</source>
        <translation>ERROR: Firmware file!&#13;&#10;Closing tool</translation>
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
        <translation>Error: Printer in flash mode, but its serial number was not recognised!</translation>
    </message>
    <message id="StrRes_StatusStopped">
        <source>Stopped: not touched, not updated</source>
        <translation>Stopped: not touched, not updated</translation>
    </message>
    <message id="StrRes_ConfirmNo">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="StrRes_ConfirmYes">
        <source>Send the firmware</source>
        <translation>Send the firmware</translation>
    </message>
    <message id="StrRes_UpdateLocked">
        <source>Another update run is under way (%1, user %2, process %3). No printer was touched: start again when it has ended.</source>
        <translation>Another update run is under way (%1, user %2, process %3). No printer was touched: start again when it has ended.</translation>
    </message>
    <message id="StrRes_ConfirmUnknownModel">
        <source>These printers are in flash mode and do not report their model: %1.&#13;&#10;Send them the firmware of the %2 only if each of them is a %2: a printer of another model may no longer start.&#13;&#10;Send the firmware?</source>
        <translation>These printers are in flash mode and do not report their model: %1.&#13;&#10;Send them the firmware of the %2 only if each of them is a %2: a printer of another model may no longer start.&#13;&#10;Send the firmware?</translation>
    </message>
    <message id="StrRes_ListedInFlashModeUnknown">
        <source>in flash mode, model unknown</source>
        <translation>in flash mode, model unknown</translation>
    </message>
    <message id="StrRes_ListedInFlashModeKnown">
        <source>in flash mode: needs the firmware</source>
        <translation>in flash mode: needs the firmware</translation>
    </message>
    <message id="StrRes_StatusStoppedInFlashMode">
        <source>Stopped in flash mode: waiting for the firmware. Finish it with this program, or switch the printer off and on.</source>
        <translation>Stopped in flash mode: waiting for the firmware. Finish it with this program, or switch the printer off and on.</translation>
    </message>
    <message id="StrRes_DiagnosisNoRights">
        <source>%1 [SN#:%2] is connected, but this user may not use it. Unplug the printer and plug it in again. If that does not help, log in at this computer itself (not remotely), or ask the administrator to add the user to the group &quot;lp&quot;.</source>
        <translation>%1 [SN#:%2] is connected, but this user may not use it. Unplug the printer and plug it in again. If that does not help, log in at this computer itself (not remotely), or ask the administrator to add the user to the group &quot;lp&quot;.</translation>
    </message>
    <message id="StrRes_DiagnosisBusy">
        <source>%1 [SN#:%2] is connected, but another program is using it. Close that program, then unplug the printer and plug it in again.</source>
        <translation>%1 [SN#:%2] is connected, but another program is using it. Close that program, then unplug the printer and plug it in again.</translation>
    </message>
    <message id="StrRes_DiagnosisHeldBy">
        <source>%1 [SN#:%2] is connected, but the program %3 is using it. Close that program, then unplug the printer and plug it in again.</source>
        <translation>%1 [SN#:%2] is connected, but the program %3 is using it. Close that program, then unplug the printer and plug it in again.</translation>
    </message>
    <message id="StrRes_FirmwareNotAccepted">
        <source>Error: The printer did not accept the firmware data!</source>
        <translation>Error: The printer did not accept the firmware data!</translation>
    </message>
    <message id="StrRes_FirmwarePrinterGone">
        <source>Error: The printer was unplugged or switched off while the firmware was being sent!</source>
        <translation>Error: The printer was unplugged or switched off while the firmware was being sent!</translation>
    </message>
    <message id="StrRes_FirmwarePrinterStalled">
        <source>Error: The printer stopped answering while the firmware was being sent!</source>
        <translation>Error: The printer stopped answering while the firmware was being sent!</translation>
    </message>
    <message id="StrRes_SystemMessageDetail">
        <source>System message: %1</source>
        <translation>System message: %1</translation>
    </message>
    <message id="StrRes_CloseRefusedWhileUpdating">
        <source>The update is running. The window can be closed once it has finished.</source>
        <translation>The update is running. The window can be closed once it has finished.</translation>
    </message>
    <message id="StrRes_HistoryNotRecorded">
        <source>The service history cannot be written: this update is not recorded. The update goes on.</source>
        <translation>The service history cannot be written: this update is not recorded. The update goes on.</translation>
    </message>
    <message id="StrRes_CliSerialNotAttached">
        <source>No supported printer with serial number %1 is attached.</source>
        <translation>No supported printer with serial number %1 is attached.</translation>
    </message>
    <message id="StrRes_CliLeftOutUnknownModel">
        <source>The printer with serial number %1 is in flash mode and does not report its model; it was left out. If it is a %2, run again with --confirm-model.</source>
        <translation>The printer with serial number %1 is in flash mode and does not report its model; it was left out. If it is a %2, run again with --confirm-model.</translation>
    </message>
    <message id="StrRes_CliStopRequested">
        <source>Stop requested: the printer being written is finished, no further printer is started.</source>
        <translation>Stop requested: the printer being written is finished, no further printer is started.</translation>
    </message>
    <message id="StrRes_CliAlreadyStopping">
        <source>Already stopping: an image being written is never cut off; the run ends after the printers that have the image.</source>
        <translation>Already stopping: an image being written is never cut off; the run ends after the printers that have the image.</translation>
    </message>
    <message id="StrRes_CliStoppedSummary">
        <source>Stopped: %1 printer(s) not touched, %2 left in flash mode waiting for the firmware (finish them with this program, or switch them off and on), %3 updated.</source>
        <translation>Stopped: %1 printer(s) not touched, %2 left in flash mode waiting for the firmware (finish them with this program, or switch them off and on), %3 updated.</translation>
    </message>
    <message id="StrRes_CliLockUnusable">
        <source>The update lock could not be used: %1</source>
        <translation>The update lock could not be used: %1</translation>
    </message>
    <message id="StrRes_CliAnsweredYes">
        <source>Answered yes: --confirm-model was given.</source>
        <translation>Answered yes: --confirm-model was given.</translation>
    </message>
    <message id="StrRes_CliAnsweredNo">
        <source>Answered no.</source>
        <translation>Answered no.</translation>
    </message>
    <message id="StrRes_CliNoPrinterAttached">
        <source>No supported printer is attached.</source>
        <translation>No supported printer is attached.</translation>
    </message>
    <message id="StrRes_CliNoUsablePrinter">
        <source>No supported printer can be used; the ones attached are listed with the reason.</source>
        <translation>No supported printer can be used; the ones attached are listed with the reason.</translation>
    </message>
    <message id="StrRes_CliNoHistoryYet">
        <source>there is no service history yet (%1)</source>
        <translation>there is no service history yet (%1)</translation>
    </message>
    <message id="StrRes_CliHistoryUnreadable">
        <source>the service history cannot be read: %1</source>
        <translation>the service history cannot be read: %1</translation>
    </message>
    <message id="StrRes_CliNoHistoryKept">
        <source>this program keeps no service history</source>
        <translation>this program keeps no service history</translation>
    </message>
</context>
</TS>
