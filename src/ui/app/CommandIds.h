// The main window's command ids: what its menus, accelerators and buttons send, and what tests
// trigger a command by.
#pragma once

namespace tavolo {

enum CommandId : int {
  kCmdNewBlankProject = 32813,
  kCmdNewProject = 32776,
  kCmdNewFromTemplate = 32805,
  kCmdLoadProject = 32773,
  kCmdSaveProject = 32771,
  kCmdSaveProjectAs = 32814,
  kCmdSaveTemplate = 32777,
  kCmdImportBackground = 32792,
  kCmdExportImage = 32775,
  kCmdPrint = 57607,
  kCmdPrintSetup = 57606,
  kCmdExit = 32774,
  kCmdMerge = 32830,
  kCmdUndo = 57643,
  kCmdRedo = 57644,
  kCmdCopy = 57634,
  kCmdInsertPhoto = 32806,
  kCmdDeletePhoto = 32807,
  kCmdInsertLogo = 32809,
  kCmdDeleteLogo = 32810,
  kCmdTextColors = 32801,
  kCmdFrameColors = 32803,
  kCmdBackgroundColor = 32802,
  kCmdBackgroundOptions = 32779,
  kCmdCardProperties = 32808,
  kCmdContactDetails = 32815,
  kCmdInsertQrCode = 32816,
  kCmdTextField1 = 40000,  // to 40004: Text Options of box 1 to 5
  kCmdLayout1 = 32780,     // to 32789: Layout 1 to 10
  kCmdHelp = 32790,
  kCmdAbout = 32791,
  kCmdZoomIn = 32840,
  kCmdZoomOut = 32841,
  kCmdZoomToFit = 32842,
  kCmdZoom50 = 32843,  // to 32845: the fixed zooms 50, 100 and 200 %
  kCmdBackSide = 32850,
  kCmdShowFront = 32851,
  kCmdShowBack = 32852,
  kCmdInsertTextBox = 32860,
  kCmdInsertLine = 32861,
  kCmdInsertRectangle = 32862,
  kCmdInsertEllipse = 32863,
  kCmdAlignLeft = 32870,  // to 32875: left, centre, right, top, middle, bottom
  kCmdDistributeHorizontally = 32876,
  kCmdDistributeVertically = 32877,
  kCmdBringForward = 32878,  // to 32881: forward, backward, to front, to back
  kCmdLock = 32882,
  kCmdUnlock = 32883,
  kCmdObjectProperties = 32884,
  kCmdLayoutCustom = 32885,
};

}  // namespace tavolo
