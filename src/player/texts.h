// The program's own words shown to the user by this subsystem, kept together for review.
#pragma once

namespace textaria::player::texts {

// Evaluation ("Bewerten", "Lücken").
inline constexpr const char* kStatusOf = " von ";
inline constexpr const char* kStatusValuesCorrect = " Werten richtig  =  ";
inline constexpr const char* kWholePageRight = " << richtig >> ";
inline constexpr const char* kWholePageWrong = " << falsch >> ";
inline constexpr const char* kAlreadyEvaluated = "  Die Bewertung wurde bereits durchgeführt !";
inline constexpr const char* kNoText = "Abbruch: Kein Text vorhanden!";
inline constexpr const char* kSlideShowRunning =
    "Abbruch: Zuerst laufende Diashow mit \"||\" beenden !";
inline constexpr const char* kAnswersShown = "Die Lückenantworten werden angezeigt !";
inline constexpr const char* kAnswersHidden = "Die Lückenantworten werden NICHT angezeigt !";
inline constexpr const char* kAnswerListCaption =
    " \rListe der eingegebenen Lückentexte. \r<Lücken> blendet die Liste ein/aus. \r ";


}  // namespace textaria::player::texts
