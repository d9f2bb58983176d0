// The host program's scripts: one statement a line.
//
//   # a comment                      blank lines and comments are skipped
//   rect NAME X Y W H                a rectangle object (pixels)
//   resize NAME X Y W H              moves it and tells its calendar (0x4FA)
//   ACTION "param" ...               an Orbidate action by name
//   :NAME ... return                 a subroutine, run by GoSub "NAME"
//   setvar NAME "value"              sets a variable
//   print "text"                     prints, with [Var] replaced
//   click NAME FX FY                 left click at a point given as fractions
//   rightclick NAME FX FY            of the rectangle's size (0.5 0.5: centre)
//   drag NAME FX1 FY1 FX2 FY2        press, move, release
//   screenshot "file.png"            the host window as a PNG
//   edit ACTION "param" ...          opens the action's editor, prints the slots
//   about                            the about box
//   message CODE                     nbMessage
//   wait                             until the user closes the window
//
// Parameters are double-quoted ("" stands for one quote inside) or single
// words. [Var] inside a parameter is replaced by the variable's value when
// the statement runs, except in parameters naming a variable or subroutine.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orbidate::host {

enum class StatementKind {
  Rect, Resize, Action, Subroutine, Return, SetVar, Print, Click, RightClick, Drag, Screenshot, Edit, About,
  Message, Wait
};

struct Statement {
  StatementKind kind;
  int line = 0;                  // 1-based line number in the script
  std::string name;              // rectangle, action, subroutine or variable
  std::vector<std::string> texts;  // parameters (action, print, setvar value, file)
  std::vector<double> numbers;   // geometry, fractions, message code
};

struct ScriptError {
  int line;
  std::string message;
};

struct Script {
  std::vector<Statement> statements;
  // Index of the statement after each ":NAME".
  std::map<std::string, std::size_t> subroutines;
  std::vector<ScriptError> errors;
};

Script ReadScript(std::string_view text);

// Replaces each [Name] by the variable's value (unknown variables read as
// empty); a "[" without a closing "]" stays as it is.
std::string SubstituteVariables(std::string_view text, const std::map<std::string, std::string>& variables);

// A variable named as "[Name]" or "Name" is the same variable.
std::string VariableName(std::string_view text);

}  // namespace orbidate::host
