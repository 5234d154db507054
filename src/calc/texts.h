// The program's own words shown to the user by this subsystem, kept together for review.
#pragma once

namespace textaria::calc::texts {

// Calculator window.
inline constexpr const char* kCalculatorCaption = "QXR - Taschenrechner";
inline constexpr const char* kCalcError = " Fehler ";
inline constexpr const char* kCalcAssignmentError = " Fehler";
inline constexpr const char* kCalcExternalNotFound = "Calculator nicht gefunden";
inline constexpr const char* kCalcDecimalsTitle = " Dezimalstellen (0...14) ";
inline constexpr const char* kCalcDecimalsPrompt =
    "gültig nur für den aktuellen Aufruf des Rechners";
inline constexpr const char* kCalcButtonClear = "Löschen";
inline constexpr const char* kCalcButtonClose = "Schließen";
inline constexpr const char* kCalcButtonVariables = "Variable/Hilfe";
inline constexpr const char* kCalcVariablesLabelDesign = "Veränderbare Variablenspeicher: ";
inline constexpr const char* kCalcVariablesLabel = "Speicher mit 26 Variable: < a bis z >";
// Help lines that are always shown, in the order of the window.
inline constexpr const char* kCalcHelp[] = {
    "Formel eingeben und <Enter> oder <F1> drücken.",
    "Formel/Daten speichern mit <F3>,  Einfügen mit <F4>",
    "Mit <F7> die Anzahl der Dezimalstellen festlegen.",
    "Mit <F8> Zahlen summieren. Mit <F9>,<Shift F9> und",
    "<Strg F9>  Anzahl,Summe,Quadratsumme anzeigen.",
    "<F11> = Sqrt, <F12> = ^2  und  <F2> = <Schließen>",
    "Operationen:  + , - , * ,  / , ^ , ( , )    ...mit Dezimalpunkt...",
    "Funktionen:  pi, abs, acos, asin, atan, cos, deg,",
    "exp, fak, log, ln, rad, round, sin, sqr, sqrt, tan, trunc.",
    "Speicherung mit <Variable=Wert> und <Enter>",
    "Externen Taschenrechner aufrufen mit <F10>",
};
// Command help, hidden until F5 and then Shift+F6.
inline constexpr const char* kCalcCommandHelp[] = {
    "Befehle:  pfz (a),  Primfaktorenzerlegung der Zahl a",
    "qua (a,b,c),  Quadratische Gleichung  ax²+bx+c = 0",
    "dif (f(x),n,a),  n-te Ableitung von f(x) in a (n = 0,1,2)",
    "int (f(x),a,b),  bestimtes Integral von f(x) auf [a,b]",
    "kom (n,k), Kombinationen von k aus n Elementen",
    "gau (z),  Standardisierte Normalverteilung w(0,z)",
};
// Answers in the entry line; the blanks belong to them.
inline constexpr const char* kCalcFactorsPrefix = "z = ";
inline constexpr const char* kCalcRootsPrefix = "x = ";
inline constexpr const char* kCalcTwoRootsPrefix = " x = ";
inline constexpr const char* kCalcSecondRoot = ", y = ";
inline constexpr const char* kCalcComplexPrefix = "z = ";
inline constexpr const char* kCalcComplexPart = " +/- i*";
inline constexpr const char* kCalcResultPrefix = "z = ";
inline constexpr const char* kCalcNormalPrefix = "w = ";
inline constexpr const char* kCalcCountPrefix = "n = ";
inline constexpr const char* kCalcSumPrefix = "x = ";
inline constexpr const char* kCalcSquareSumPrefix = "y = ";
inline constexpr const char* kCalcIntegralArgumentsSuffix = "...";

// Script numeric layer: the answer texts of quadratic equations; the blanks belong to them.
inline constexpr const char* kRealSolutions = " Reelle Lösungen: ";
inline constexpr const char* kComplexSolutions = " Komplexe Lösungen: ";

// Formula evaluator: written to standard output when the parser stack overflows.
inline constexpr const char* kStackOverflow = " STACK-ÜBERLAUF BEI DER FORMELAUSWERTUNG ! ";

// Names a screen reader announces for the calculator's entry line and variable list.
inline constexpr const char* kAccessibleEntryLine = "Eingabezeile";
inline constexpr const char* kAccessibleVariableList = "Variablenliste";

}  // namespace textaria::calc::texts
