// The program's own words shown to the user by this subsystem, kept together for review.
#pragma once

namespace textaria::platform::texts {

// Reading a document file; the file name follows the text.
inline constexpr const char* kFileMissing = "Datei nicht gefunden: ";
inline constexpr const char* kFileUnreadable = "Datei nicht lesbar: ";
inline constexpr const char* kFileIsFolder = "Datei ist ein Ordner: ";

// Why a FIFO, a device or a socket is neither read nor replaced (after a file name and ": ").
inline constexpr const char* kNotRegularFile = "keine gewöhnliche Datei";

}  // namespace textaria::platform::texts
