// The program's own words shown to the user by this subsystem, kept together for review.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace textaria::player::texts {

// The calculator from the lesson page.
inline constexpr const char* kCalculatorLocked = " Taschenrechner gesperrt ! ";

// Paging.
inline constexpr const char* kEvaluateFirst = "Bitte zuerst <<Bewerten>> ausführen!";
inline constexpr const char* kChildJumpTitle = "Sprung zur Seitennummer N";
inline constexpr const char* kFontChangeOnlyInTextPages =
    "Änderungen der Schriftgröße NUR in Textseiten \rmöglich, aber NICHT in Auswahlmenüs "
    "..........";
// The start without a lesson.
inline constexpr const char* kHowToLoad =
    "  Mit <Laden> eine Lektion (.rtf) oder ein Lektionsarchiv (.rsd) öffnen.";
// Page scripts that fail: where (page, script file, line), then what.
inline std::string pageScriptPlace(int page, std::string_view file, int line) {
    return "Seite " + std::to_string(page) + ", " + std::string(file) +
           (line > 0 ? ", Zeile " + std::to_string(line) : std::string());
}
inline std::string pageScriptUnreadable(std::string_view where, std::string_view line) {
    return "Fehler im Seitenskript (" + std::string(where) + "):\rDie Zeile \"" +
           std::string(line) +
           "\" ist weder Befehl noch Zuweisung noch Rechnung.\rDie Seite wird ohne die Werte des "
           "Skripts gezeigt.";
}
inline std::string pageScriptRunaway(std::string_view where, std::string_view line,
                                     std::uint64_t steps) {
    return "Seitenskript abgebrochen (" + std::string(where) + "):\rEs lief nach " +
           std::to_string(steps) + " ausgeführten Zeilen immer noch, zuletzt bei \"" +
           std::string(line) + "\".\rDie Seite wird ohne die Werte des Skripts gezeigt.";
}
// Right click on a coordinate-system picture.
inline std::string pointCoordinates(std::string_view x, std::string_view y) {
    return "P(" + std::string(x) + "/" + std::string(y) + ")";
}
// Page display.
inline constexpr const char* kCalculatorHintFields =
    "<In Editierfeldern mit \"Doppelklick\" den Rechner öffnen>";
inline constexpr const char* kCalculatorHintKey = "<Mit Funktionstaste \"F12\" den Rechner öffnen>";
inline constexpr const char* kLoadButton = "Laden";
inline constexpr const char* kSelectionButton = "Auswahl";
inline constexpr const char* kListButton = "Liste";
inline constexpr const char* kEvaluateButton = "Bewerten";
inline constexpr const char* kGapsButton = "Lücken";
inline constexpr const char* kFontButton = "Schrift";
inline constexpr const char* kPrintButton = "Drucken";
inline constexpr const char* kDownLabel = "[ Dn ]";
inline constexpr const char* kUpLabel = "[ Up ]";
inline constexpr const char* kRepeatLabel = "[ Rep ]";
inline constexpr const char* kLessonFileFilter =
    "RTF-Textdateien (*.rtf)|*.rtf|RSD-Ressourcendateien (*.rsd)|*.rsd";
inline constexpr const char* kFontChangeTitle = "Schriftgrößen-Änderung";
inline constexpr const char* kFontChangePrompt =
    " Veränderung der Größe der Schrift in allen   \r Seitentexten um den eingegebenen Wert,       "
    "\r welcher zwischen -6 und +6 liegen muss.      \r Die Eingabe von 0 bewirkt keine Änderung.  "
    "  "
    "\r    \r Um z.B. die Schriftänderung +2 rückgängig    \r zu machen, muss -2 eingegeben "
    "werden.        "
    "\r    \r Hinweis: Die Schriftänderungen erfolgen nur  \r in Textseiten, aber NICHT in "
    "Auswahlmenüs.   "
    "\r  ";

// The help memo of "Hilfe": the boxed title, the command lines (groups of buttons, function
// keys and page labels, separated by an empty line) and the description.
inline constexpr const char* kHelpButton = "Hilfe";
inline constexpr const char* kHelpTitle[] = {
    "  +----------------------------------------------------+",
    "  |    T E X T A R I A    -    Lückentexte am PC       |",
    "  +----------------------------------------------------+",
};
inline constexpr const char* kHelpCommands[] = {
    "  <Hilfe>      Hilfstext ein-/ausblenden",
    "  <Schrift>    Änderung der Text-Schriftgröße",
    "  <Liste>      Titelseite einer Textliste anzeigen",
    "  <Drucken>    Den Text ausdrucken",
    "  <Lücken>     Lückenantworten ein-/ausblenden",
    "  <Bewerten>   Den Lückentext bewerten",
    "  <Beenden>    Programm beenden",
    "",
    "  <F12>        Taschenrechner einblenden",
    "  <F11>        Skalierung des Programmformulares",
    "  <F10>        Änderung der Grafik-Schriftgröße",
    "               (<F10>, <Shift F10>, <Strg F10>)",
    "  <F9>         Im Kindermodus: Sprung zu einer Seite",
    "  <F8>         unbelegt",
    "  <F7>         Mediaplayer ein-/ausblenden",
    "  <F6>         Text und Grafik ausdrucken (auf verschiedenen Seiten)",
    "  <Strg F6>    Text und Grafik ausdrucken (auf einer Seite)",
    "  <Shift F6>   Alle Grafiken einer Diashow ausdrucken",
    "  <F5>         Nur eine Grafik ausdrucken",
    "  <F3,F4>      Größe der Grafik ändern (normal, groß)",
    "  <F2>         Im Kindermodus: Sprung zur letzten Seite",
    "  <Shift F2>   Im Kindermodus: Sprung zur ersten Seite",
    "  <F1>         Grafik ein-/ausblenden",
    "",
    "  [Dn]         Zur nachfolgenden Seite",
    "  [Up]         Zur vorangehenden Seite",
    "  [Rep]        Wiederholung einer Seite",
};
inline constexpr const char* kHelpDescription[] = {
    "  TEXTARIA zeigt eine Lektion Seite für Seite. Die Antworten",
    "  werden in die Felder über den Lücken getippt oder aus einer",
    "  Wortliste übernommen; <Bewerten> vergleicht sie mit den",
    "  Lösungen und zählt die richtigen Werte.",
    "",
    "  Übungsmodus: Die Seiten lassen sich frei vor- und zurück-",
    "  blättern, mit [Rep] neu bearbeiten und ausdrucken.",
    "",
    "  Testmodus: Es geht nur vorwärts; jede Seite muss zuerst",
    "  bewertet werden, gedruckt wird nicht. <Beenden> fragt nach",
    "  dem Namen und legt das Testprotokoll an.",
    "",
    "  Ohne Maus: <Tab> wechselt zwischen Feldern und Schaltflächen,",
    "  <Enter> springt ins nächste Antwortfeld oder drückt die",
    "  gewählte Schaltfläche, <Bild ab>/<Bild auf> blättern.",
};

// Evaluation ("Bewerten", "Lücken").
inline constexpr const char* kStatusOf = " von ";
inline constexpr const char* kStatusValuesCorrect = " Werten richtig  =  ";
inline constexpr const char* kWholePageRight = " << richtig >> ";
inline constexpr const char* kWholePageWrong = " << falsch >> ";
inline constexpr const char* kAlreadyEvaluated = "  Die Bewertung wurde bereits durchgeführt !";
inline constexpr const char* kNoText = "Abbruch: Kein Text vorhanden!";
inline constexpr const char* kSlideShowRunning =
    "Abbruch: Zuerst laufende Diashow mit \"||\" beenden !";
inline constexpr const char* kPrintAllSlides = "Alle Bilder der Diashow ausdrucken ?    ";
inline constexpr const char* kSheetFooter = " <Seite ";  // + number + ">"
inline constexpr const char* kAnswersShown = "Die Lückenantworten werden angezeigt !";
inline constexpr const char* kAnswersHidden = "Die Lückenantworten werden NICHT angezeigt !";
inline constexpr const char* kAnswerListCaption =
    " \rListe der eingegebenen Lückentexte. \r<Lücken> blendet die Liste ein/aus. \r ";

// "Beenden".
inline constexpr const char* kEndButton = "Beenden";

// ---- Test protocol and questionnaires ----------------------------------------------------
inline constexpr const char* kNameEntryTitle = "Testprojekt";
inline constexpr const char* kNameEntryPrompt = " Familienname , Vorname eingeben ";
inline constexpr const char* kNameEntryDefault = "xxx, yyy";
inline constexpr const char* kTestAborted = "Der Test wurde abgebrochen!";
inline constexpr const char* kTestComplete = "Der Test wurde vollständig ausgeführt!";
inline constexpr const char* kEndProgramInTest = " Programm beenden ?        ";
inline constexpr const char* kEndProgramFinally = " Programm wirklich endgültig beenden ?        ";
inline constexpr const char* kEndProgram = " Das Programm wirklich endgültig beenden ?      ";
inline constexpr const char* kProtocolQuestionCaption = " Frage";
inline constexpr const char* kPrintResult = " Testresultat drucken ?        ";
inline constexpr const char* kWrongAnswer = "Falsche Eingabe";
inline constexpr const char* kQuestionnaireBox3 = " Verschiebbare Auswahlbox: w,3";
inline constexpr const char* kQuestionnaireBox5 = " Verschiebbare Auswahlbox: w,5";
inline constexpr const char* kQuestionnaireBox7 = " Verschiebbare Auswahlbox: w,7";
inline constexpr const char* kAllowedAnswers3 = "nein,?,ja";
inline constexpr const char* kAllowedAnswers5 = "0,1,2,3,4";
inline constexpr const char* kAllowedAnswers7 = "0,1,2,3,4,5,6";
inline constexpr const char* kForm3 = "3-stufiges Merkmalsprofil (ja=2,?=1,nein=0)";
inline constexpr const char* kForm5 = "5-stufiges Merkmalsprofil (0,1,2,3,4)";
inline constexpr const char* kForm7 = "7-stufiges Merkmalsprofil (0,1,2,3,4,5,6)";
inline constexpr const char* kFactorAreas = " Merkmalsbereichen (Faktoren)";
inline constexpr const char* kStandardised = "     Standardisiertes Ergebnis: ";
inline constexpr const char* kEnrNames[3] = {"Extraversion :", "Neurotizismus:", "Rigidität    :"};
inline constexpr const char* kBandStrongBelow = "stark UNTER dem Durschnitt  ( 2.50%)";
inline constexpr const char* kBandSlightBelow = "gering UNTER dem Durschnitt (13.50%)";
inline constexpr const char* kBandAverage = "durchschnittlich ausgeprägt (68.00%)";
inline constexpr const char* kBandSlightAbove = "gering ÜBER dem Durschnitt  (13.50%)";
inline constexpr const char* kBandStrongAbove = "stark ÜBER dem Durschnitt   ( 2.50%)";
// A protocol or question file that could not be written: file, then reason.
inline constexpr const char* kFileNotWritten = "Die Datei konnte nicht gespeichert werden:\r";
inline constexpr const char* kReasonNoFolder = "Der Ordner existiert nicht.";
inline constexpr const char* kReasonNoRights = "Keine Schreibrechte im Ordner.";
inline constexpr const char* kReasonDiskFull = "Der Datenträger ist voll.";
inline constexpr const char* kReasonNoFreeName = "Kein freier Dateiname gefunden.";
// ---- end of test protocol and questionnaires ---------------------------------------------

// Click-click technique and picture click tasks.
inline constexpr const char* kAppendModeOn = "Klick-Klick-Technik mit ANFÜGEN in den Lücken!";
inline constexpr const char* kReplaceModeOn = "Klick-Klick-Technik mit ERSETZEN in den Lücken!";
inline constexpr const char* kRegionClickOf = ". Klick von ";  // k + this + count
inline constexpr const char* kRegionRight = " = RICHTIG  (";
inline constexpr const char* kRegionWrong = " = FALSCH  (";
inline constexpr const char* kRegionPercentRight = "% richtig)";
inline constexpr const char* kRegionGoOn = "Weiter";
inline constexpr const char* kRegionResult = "Ergebnis: ";
inline constexpr const char* kRegionResultOf = " RICHTIG von ";
// Picking and dropping words without a mouse, for the help text.
inline constexpr const char* kKeyboardPickHelp[] = {
    "  <Alt Rechts> Nächstes Wort einer Wortliste wählen",
    "  <Alt Links>  Vorheriges Wort einer Wortliste wählen",
    "  <Alt Runter> Gewähltes Wort in die aktive Lücke setzen",
    "  <Alt Hoch>   Wörter in den Lücken ersetzen oder anfügen",
};

// Media panel and recorder.
inline constexpr const char* kSoundStopped = "0 : 0";
inline constexpr const char* kSoundStarted = "0:0";
inline constexpr const char* kFirstListening = "Erste Tondarbietung";
inline constexpr const char* kLastListening = "Letzte Tondarbietung";
inline constexpr const char* kMediaPanelDrag = "[Hier verschieben,  <F7> = ein/aus]";
inline constexpr const char* kVolumeButton = "Volume";
inline constexpr const char* kSoundOnOffButton = "Sound on/off";
inline constexpr const char* kRecorderButton = "Recorder";
inline constexpr const char* kRecorderCaption = "TavSound";
inline constexpr const char* kRecButton = "Rec";
inline constexpr const char* kPlayStopButton = "Play/Stop";
inline constexpr const char* kQuitButton = "Quit";
inline constexpr const char* kPressPlayFirst = "Zuerst PLAY drücken !";
inline constexpr const char* kPressRecFirst = "Zuerst REC drücken !";

// Pictures and the slide show.
inline constexpr const char* kPictureCaptionLine =
    "<F1> = Ein/Aus   <F3,F4> = Bildgröße  <F5> = Drucken";
inline constexpr const char* kPictureDragLine = "[Bild hier verschieben]";
inline constexpr const char* kPictureZoomTitle = "Grafik-Zoom";
inline constexpr const char* kPictureZoomPrompt = "0 = No Zoom (default)\r1, 2, 3 = Quick Zoom \r ";
inline constexpr const char* kPictureZoomDefault = "0";
inline constexpr const char* kNoZoomOnCoordinates =
    "Grafik-Zoom bei Koordinaten-Systemen nicht möglich !";
inline constexpr const char* kSlideShowQuestionCaption = " Diashow manuell abspielen ? ";
inline constexpr const char* kSlideShowQuestion = "[Ja] = manuell\r[Nein] = automatisch";
inline constexpr const char* kSlideTimeTitle = "Darbietungszeit der Bilder";
inline constexpr const char* kSlideTimePrompt = "(3 bis 9 Sekunden)";
inline constexpr const char* kSlideTimeDefault = "6";
inline constexpr const char* kManualShowSounds =
    "Diashow:  [ >> ], [ << ], [ || ].  [F5] = Print.  [Alt] = Lautstärke.";
inline constexpr const char* kManualShowSilent =
    "Diashow:  [ >> ], [ << ], [ || ].  [F5] = Print.  [Shift F6] = Allprint.";
inline constexpr const char* kAutomaticShowSounds =
    "Automatische Diashow. <Alt> = Lautstärke. <Esc> = Ende.";
inline constexpr const char* kAutomaticShowSilent =
    "<Bild doppelt anklicken> = Stop/Start. <Esc> = Ende.";
inline constexpr const char* kSlideCaptionSize = " / <F3,F4> = Bildgröße";
inline constexpr const char* kLastSlide = " / <Letztes Bild>";
inline constexpr const char* kSlideForward = "[ >> ]";
inline constexpr const char* kSlideBack = "[ << ]";
inline constexpr const char* kSlidePause = "[  ||  ]";

// Names and descriptions a screen reader announces for the main window's controls; buttons and
// page labels are described by their line of the help text (help_text.h).
inline constexpr const char* kAccessibleWindow = "Textaria";
inline constexpr const char* kAccessibleWindowDescription = "Lückentext-Lernprogramm";
inline constexpr const char* kAccessibleGap = "Lücke ";  // + number 1 .. 20
inline constexpr const char* kAccessiblePage = "Seite";
inline constexpr const char* kAccessibleListPage = "Titelseite der Textliste";
inline constexpr const char* kAccessibleProtocol = "Testresultat";
inline constexpr const char* kAccessibleStatus = "Status";
inline constexpr const char* kAccessibleHelp = "Hilfe";
inline constexpr const char* kAccessibleCounter = "Seitenzähler";
inline constexpr const char* kAccessiblePicture = "Bild";
inline constexpr const char* kAccessibleWordList = "Wortliste";
inline constexpr const char* kAccessibleAnswerList = "Liste der eingegebenen Lückentexte";
inline constexpr const char* kAccessibleMediaPanel = "Mediaplayer";
inline constexpr const char* kAccessibleSoundPosition = "Position des Tons";
inline constexpr const char* kAccessibleRecordedSeconds = "Aufgenommene Sekunden";
inline constexpr const char* kDescribeLoad = "Eine Lektion laden";
inline constexpr const char* kDescribeRecord = "Aufnahme starten";
inline constexpr const char* kDescribePlayStop = "Aufnahme abspielen oder anhalten";
inline constexpr const char* kDescribeQuit = "Rekorder schließen";

}  // namespace textaria::player::texts
