// The program's own words shown to the user by this subsystem, kept together for review.
#pragma once

#include <string>
#include <string_view>

namespace textaria::lesson::texts {

// Start-up: work folder and data root.
inline constexpr const char* kInternalError1 = "Abbruch: Interner Fehler (1)";
inline constexpr const char* kExternalError1 = "Abbruch: Externer Fehler (1)";
inline constexpr const char* kFolderError1 = " Abbruch:  Verzeichnis-Fehler 1";
inline constexpr const char* kFolderError2 = " Abbruch:  Verzeichnis-Fehler 2";
inline constexpr const char* kFolderError3 = " Abbruch:  Verzeichnis-Fehler 3";
inline constexpr const char* kFolderError4 = " Abbruch:  Verzeichnis-Fehler 4";
inline constexpr const char* kFolderError5 = " Abbruch:  Verzeichnis-Fehler 5";
inline constexpr const char* kFolderNotCreatedBegin = "Abbruch: Ordner \r";
inline constexpr const char* kFolderNotCreatedEnd = "\rNICHT angelegt !";
inline constexpr const char* kDataDriveTitle = " Datenordner TAVDATA ";
inline constexpr const char* kDataDrivePrompt =
    " Den Datenträger X des Datenordners    \r X:\\TAVDATA auswählen. X = C, D, ...   \r ";
inline constexpr const char* kDataDriveDefault = "C";

// Start-up: screen correction.
inline constexpr const char* kRescaleOnlyAfterSelection =
    "Bildschirmanpassung NUR nach <Auswahl> möglich !";
inline constexpr const char* kRescaleQuestion = " Neue Anpassung des Bildschirms?    ";
inline constexpr const char* kScaleFactorTitle = "Korrektur (0.8 <= K <= 1.2)";
// The text stays whole, as the window shows it.
// clang-format off
inline constexpr const char* kScaleFactorPrompt =
    " Bildschirm kleiner mit K < 1 \r Bildschirm normal mit K = 1 \r Bildschirm größer mit K > 1 \r ";
// clang-format on
inline constexpr const char* kPleaseWait = "  Bitte um Geduld  . . . . .";

// Loading and the list page.
inline constexpr const char* kListHeadingNormal =
    "   -----------------------------------------------\r   Auswahl anzeigen mit <Liste>.  \r"
    "   Eine Textseite wählen durch    \r   Anklicken eines Seitentitels.  \r"
    "   Dann weiter mit <Dn> und <Up>. \r   -----------------------------------------------\r   ";
inline constexpr const char* kListHeadingTest =
    "   -----------------------------------------------\r   Textseiten im Testmodus.    \r"
    "   Starten mit einem Mausklick \r   und dann weiter mit <Dn>.   \r"
    "   -----------------------------------------------\r   ";
inline constexpr const char* kListHeadingChild =
    "   -----------------------------------------------\r   \r   Ein Textaria-Lernprogramm   \r"
    "   Starten mit einem Mausklick \r   \r   -----------------------------------------------\r   ";
inline constexpr const char* kFinishTestFirst = "Bitte zuerst Testprojekt <Beenden>";
inline constexpr const char* kLoadQuestion = " Neue Datei (rtf,rsd) laden ?       ";
// The text stays whole, as the window shows it.
// clang-format off
inline constexpr const char* kFirstDialogHint =
    " Zuerst auf den gewünschten Ordner klicken    \r und dann auf die gewünschte Datei (rtf,rsd). ";
// clang-format on
inline constexpr const char* kDataError = "Daten-Fehler";
inline constexpr const char* kDataErrorCaption = "Problem";
inline constexpr const char* kNoPageList = "Abbruch: Keine LISTE von Texten geladen!";
inline constexpr const char* kProjectLoading = "Das ausgewählte Projekt wird geladen . . . ";
inline constexpr const char* kProjectDataLoading = " Die Projektdaten werden geladen . . . ";
inline constexpr const char* kGoToProject = "<< Weiter zum ausgewählten Projekt >>";
inline constexpr const char* kContinueWithSelection = " Weiter mit <<Auswahl>> ";
inline constexpr const char* kQuestionCaption = "Frage";

// Gaps and page preparation.
inline constexpr const char* kTooManyGaps = "Lückenfehler: Anzahl der Lücken > 20 !";
inline constexpr const char* kBracketsMissing = "Lückenfehler: Eckige Klammern fehlen !";
inline constexpr const char* kGapPositionError = "Gap-Error: Position";
inline constexpr const char* kWordListHelp =
    "Lückentext hier anklicken und dann  \rin die entsprechende Lücke klicken. \r"
    "<Lücken> blendet die Hilfe ein/aus. ";
// A "dez" line of a page script without a digit where the number of decimals belongs.
inline std::string notAnInteger(std::string_view text) {
    return "'" + std::string(text) + "' ist kein gültiger Integerwert";
}

// Resource archives and the self-contained lesson. "{}" marks where fillIn puts a value.
inline constexpr const char* kAppendedArchiveWriteError =
    "Achtung: Schwerer Datei-Verzeichnis-Fehler in der Ressource";

inline constexpr const char* kArchiveNotFound = "Ressource {} nicht gefunden";
inline constexpr const char* kArchiveCannotOpen = "Ressource {} kann nicht geöffnet werden: {}";
inline constexpr const char* kArchiveDirectoryShort =
    "Ressource {} ist unvollständig: das Dateiverzeichnis braucht {} Bytes, die Datei hat nur {}";
inline constexpr const char* kArchiveReadError = "Ressource {} kann nicht gelesen werden: {}";

inline constexpr const char* kMemberOutsideArchive =
    "Eintrag {} liegt außerhalb der Ressource (Position {}, Größe {}, Dateigröße {}); "
    "Entpacken abgebrochen";
inline constexpr const char* kMemberBadSize =
    "Eintrag {} hat eine ungültige Größe ({}); Entpacken abgebrochen";
inline constexpr const char* kMemberReadError =
    "Eintrag {} kann nicht gelesen werden: {}; Entpacken abgebrochen";
inline constexpr const char* kMemberWriteError =
    "Datei {} kann nicht geschrieben werden: {}; Entpacken abgebrochen";
inline constexpr const char* kMemberRefused = "Eintrag übersprungen: \"{}\" ({})";

inline constexpr const char* kNameHasSeparator = "Name enthält einen Ordnertrenner";
inline constexpr const char* kNameIsDotFolder = "Name verweist auf einen Ordner";
inline constexpr const char* kNameHasColon = "Name enthält einen Laufwerks-Doppelpunkt";
inline constexpr const char* kNameHasControl = "Name enthält Steuerzeichen";
inline constexpr const char* kNameBadLength = "Namenslänge im Verzeichnis ungültig";
inline constexpr const char* kNameEmpty = "Name ist leer";
inline constexpr const char* kNameTooLong = "Name länger als 32 Zeichen";
inline constexpr const char* kNameNotCp1252 = "Name nicht im Zeichensatz Windows-1252 darstellbar";
inline constexpr const char* kNameBlankEdge = "Name beginnt oder endet mit Leerzeichen";
inline constexpr const char* kUnexpectedEnd = "Datei endet vorzeitig";
inline constexpr const char* kNameReserved = "Name \"0\" kennzeichnet einen freien Eintrag";

inline constexpr const char* kPackTooManyMembers = "Zu viele Einträge: {} (höchstens {})";
inline constexpr const char* kPackBadName = "Eintrag \"{}\" kann nicht gepackt werden: {}";
inline constexpr const char* kPackDuplicateName = "Eintrag \"{}\" kommt doppelt vor";
inline constexpr const char* kPackCommentTooLong =
    "Kommentar zu Eintrag \"{}\" ist länger als 184 Zeichen";
inline constexpr const char* kPackCannotRead = "Datei {} kann nicht gelesen werden: {}";
inline constexpr const char* kPackTooLarge =
    "Ressource würde größer als 4 GB; Eintrag \"{}\" wäre nicht mehr erreichbar";
inline constexpr const char* kCannotWrite = "Datei {} kann nicht geschrieben werden: {}";

inline constexpr const char* kBundleProgramUnreadable =
    "Programmdatei {} kann nicht gelesen werden: {}";
inline constexpr const char* kBundleNotAProgram =
    "{} ist keine Programmdatei (ELF); nur an ein Programm kann eine Lektion angehängt werden";
inline constexpr const char* kBundleLessonMissing =
    "Hinweis: die Ressource enthält keinen Eintrag {}; das Programm {} findet seine Lektion nicht";

// Fills each "{}" of a text with the next value.
inline std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    auto value = values.begin();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{' && i + 1 < text.size() && text[i + 1] == '}' && value != values.end()) {
            out += *value++;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace textaria::lesson::texts
