// The program's own words shown to the user by this subsystem, kept together for review.
#pragma once

namespace textaria::script::texts {

// Window captions.
inline constexpr const char* kEditorCaption = "SCRIPTUM, Programmieren in Mathematik";
inline constexpr const char* kEntryCaption = "Dateneingabe (Tab/Ret/Esc/Ok)";
inline constexpr const char* kSelectCaption = "Auswahlbox";

// ---- Data entry grid and selection box -----------------------------------------------------
inline constexpr const char* kEntryOk = "<ok>";
inline constexpr const char* kEntryPointPrompt = "Koordinaten von Punkt (Vektor) ";
// ---- end of data entry grid and selection box ----------------------------------------------

}  // namespace textaria::script::texts
