// The program's own words shown to the user by this subsystem, kept together for review.
#pragma once

namespace textaria::script::texts {

// Window captions.
inline constexpr const char* kEditorCaption = "SCRIPTUM, Programmieren in Mathematik";
inline constexpr const char* kEntryCaption = "Dateneingabe (Tab/Ret/Esc/Ok)";
inline constexpr const char* kSelectCaption = "Auswahlbox";

// ---- Script runner and commands ----------------------------------------------------------
// Evaluation errors: of a command's arguments, of a line, of an expression line.
inline constexpr const char* kEvaluationError = " Auswertungsfehler ! ";
inline constexpr const char* kLineEvaluationError = "Auswertungs-Fehler !";
inline constexpr const char* kExpressionEvaluationError = " Auswertungs-Fehler ";
inline constexpr const char* kHoldBoxTitle = "<Esc><ok>";
inline constexpr const char* kInputAbort = "Abbruch: Fehler 1";
inline constexpr const char* kWrongInput = "Falsche Eingabe";
inline constexpr const char* kPointInputPrompt = "Eingabe von Punkt (Vektor) ";
inline constexpr const char* kTextInputTitle = "Text eingeben";
inline constexpr const char* kTextInputDefaultCaption = "Formel";
inline constexpr const char* kContinue = "Weiter";
inline constexpr const char* kScriptEnd = "Skript-Ende";
// Result texts of commands; the blanks belong to them.
inline constexpr const char* kProcessAborted = "Prozess abgebrochen !";
inline constexpr const char* kSystemNotSolvable = " System nicht eindeutig lösbar !";
inline constexpr const char* kXySaveTitle = "Speichern eines Textfiles";
inline constexpr const char* kXyLoadTitle = "Laden eines Textfiles";
inline constexpr const char* kXyFilePrompt =
    "xyfile*.txt (* = beliebige Nummer)\rmit den Zahlenwerten  X; Y  ......\r ";
inline constexpr const char* kXyFileDefault = "xyfile";
inline constexpr const char* kNotFound = "nicht gefunden !";
inline constexpr const char* kFontHint =
    "Wenn keine Anzeige von Mathematiksymbolen,\rdann den Zeichensatz \"linedraw.ttf\" nach  "
    "\rC:\\WINDOWS\\FONT kopieren und installieren.";
// ---- end of script runner and commands ---------------------------------------------------

// The drawing surface.
inline constexpr const char* kXAxis = "X-Achse";
inline constexpr const char* kYAxis = "Y-Achse";
inline constexpr const char* kObliqueAxis = "x-Achse";
inline constexpr const char* kPageBackHint = "<F2=Back>";
inline constexpr const char* kDataError = "Daten-Fehler";
inline constexpr const char* kProblemTitle = "Problem";
inline constexpr const char* kPictureFilter = "JPG-Dateien |*.jpg";

// ---- Data entry grid and selection box -----------------------------------------------------
inline constexpr const char* kEntryOk = "<ok>";
inline constexpr const char* kEntryPointPrompt = "Koordinaten von Punkt (Vektor) ";
// ---- end of data entry grid and selection box ----------------------------------------------

// Results of the geometry and plotting commands.
inline constexpr const char* kNoEllipse = "Keine Ellipse";
inline constexpr const char* kNoHyperbola = "Keine Hyperbel";
inline constexpr const char* kNoParabola = "Keine Parabel";
inline constexpr const char* kNoIntersection = "Kein Schnittpunkt";
inline constexpr const char* kNoIntersections = "Keine Schnittpunkte";
// The editor window.
inline constexpr const char* kOpenHint =
    " Zuerst auf den gewünschten Ordner klicken    \r und dann auf die gewünschte Datei "
    "(txt,rtf). ";
inline constexpr const char* kScriptFilter =
    "ANSI-Textdateien (*.txt);;RTF-Textdateien (*.rtf);;Alle Dateien (*.*)";
inline constexpr const char* kFileNameTitle = "Dateinamen eingeben";
inline constexpr const char* kFileNamePrompt = "Extension = \".txt\" oder \".rtf\"";
inline constexpr const char* kInvalidFileName = "Ungültiger Dateiname!";
inline constexpr const char* kDecimalsTitle = " Dezimalstellen (0...14) ";
inline constexpr const char* kDrawingFirst = "Zuerst <Grafik Ein> anklicken !";
inline constexpr const char* kJpegOn = "Druckumleitung in JPEG-Bilder: EIN ";
inline constexpr const char* kJpegOff = "Druckumleitung in JPEG-Bilder: AUS ";
inline constexpr const char* kFirstPictureNumber = "Erste Bildnummer";
inline constexpr const char* kCurrentGraphicsSize = " Aktuelle Schriftgröße in Grafiken: ";
inline constexpr const char* kStandardGraphicsSize = " Standard-Schriftgröße in Grafiken: ";
inline constexpr const char* kBoldOn = " Fettschrift in Grafik EIN ";
inline constexpr const char* kBoldOff = " Fettschrift in Grafik AUS ";
inline constexpr const char* kNoNumbersSelected = "Kein Zahlenbereich markiert ! ";
inline constexpr const char* kDataFault = "Datenfehler !";
inline constexpr const char* kOnlySelectedToRows =
    "Nur markierte Textzeilen werden umgewandelt ( + txz ) !";
inline constexpr const char* kOnlySelectedFromRows =
    "Nur markierte Textzeilen werden umgewandelt ( - txz ) !";
inline constexpr const char* kShiftF9Free = "<Shift F9> derzeit unbelegt !";
inline constexpr const char* kSpecialCharacters = "´ ' – ± • · × ¼ ½ ¾ ¶ ";
inline constexpr const char* kSelectTemplate =
    "select((1) Wiederholen  (0) Zurück: s,1)\nifeq(s,1,start1)\nifeq(s,0,start0)\n ";
// A lesson's click check on the drawing.
inline constexpr const char* kRightClick = "<< RICHTIGER Klick in die Grafik >>";
inline constexpr const char* kWrongClick = "<< FALSCHER Klick in die Grafik >>";
// The search panel: its menu entry and what "Aktion" reports.
inline constexpr const char* kSearchMenu = "Suchen/Ersetzen";
inline constexpr const char* kSearchNoText = "Kein Suchtext";
inline constexpr const char* kSearchFound = "Gefunden";
inline constexpr const char* kSearchNotFound = "Nicht gefunden";
inline constexpr const char* kSearchCounted = " gefunden";  // after the number
inline constexpr const char* kSearchReplaced = " ersetzt";  // after the number
inline constexpr const char* kNormalDensityLine = "y = exp(-z*z/2)/sqrt(2*pi)";

// Names a screen reader announces for the cells of the data entry dialog (+ number) and the
// choices of the selection box.
inline constexpr const char* kAccessibleCell = "Zelle ";
inline constexpr const char* kAccessibleChoices = "Auswahl";

}  // namespace textaria::script::texts
