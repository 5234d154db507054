// Messages of the archive reader, writer and the self-contained lesson. "{}" marks where a
// value is filled in, in order (see fillIn).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace textaria::lesson::texts {

inline constexpr const char* kAppendedArchiveWriteError =
    "Achtung: Schwerer Datei-Verzeichnis-Fehler in der Ressource";

inline constexpr const char* kArchiveNotFound = "Ressource {} nicht gefunden";
inline constexpr const char* kArchiveCannotOpen = "Ressource {} kann nicht geöffnet werden: {}";
inline constexpr const char* kArchiveDirectoryShort =
    "Ressource {} ist unvollständig: das Dateiverzeichnis braucht {} Bytes, die Datei hat nur {}";
inline constexpr const char* kArchiveReadError = "Ressource {} kann nicht gelesen werden: {}";
inline constexpr const char* kArchiveNotAnArchive = "{} ist keine Ressource-Datei (.rsd)";

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
