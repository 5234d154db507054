// The program's own words shown to the user by this subsystem, kept together for review.
#pragma once

namespace textaria::script::texts {

// Window captions.
inline constexpr const char* kEditorCaption = "SCRIPTUM, Programmieren in Mathematik";
inline constexpr const char* kEntryCaption = "Dateneingabe (Tab/Ret/Esc/Ok)";
inline constexpr const char* kSelectCaption = "Auswahlbox";

// The drawing surface.
inline constexpr const char* kXAxis = "X-Achse";
inline constexpr const char* kYAxis = "Y-Achse";
inline constexpr const char* kObliqueAxis = "x-Achse";
inline constexpr const char* kPageBackHint = "<F2=Back>";
inline constexpr const char* kDataError = "Daten-Fehler";
inline constexpr const char* kProblemTitle = "Problem";
inline constexpr const char* kPictureFilter = "JPG-Dateien |*.jpg";

}  // namespace textaria::script::texts
