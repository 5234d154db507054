// The program's own words shown to the user by this subsystem, kept together for review.
#pragma once

namespace textaria::script::texts {

// Window captions.
inline constexpr const char* kEditorCaption = "SCRIPTUM, Programmieren in Mathematik";
inline constexpr const char* kEntryCaption = "Dateneingabe (Tab/Ret/Esc/Ok)";
inline constexpr const char* kSelectCaption = "Auswahlbox";

}  // namespace textaria::script::texts
