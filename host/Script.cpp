#include "host/Script.h"

#include <cstdlib>

namespace orbidate::host {
namespace {

struct Token {
  std::string text;
  bool quoted = false;
};

// Cuts a line into blank-separated words and double-quoted texts. False
// (with a message) for an unterminated quote.
bool Tokenize(std::string_view line, std::vector<Token>& tokens, std::string& error) {
  std::size_t pos = 0;
  while (pos < line.size()) {
    if (line[pos] == ' ' || line[pos] == '\t' || line[pos] == '\r') {
      ++pos;
      continue;
    }
    Token token;
    if (line[pos] == '"') {
      token.quoted = true;
      ++pos;
      for (;;) {
        if (pos >= line.size()) {
          error = "a quoted parameter is not closed with \"";
          return false;
        }
        if (line[pos] == '"') {
          if (pos + 1 < line.size() && line[pos + 1] == '"') {
            token.text += '"';
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        token.text += line[pos++];
      }
    } else {
      while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t' && line[pos] != '\r') token.text += line[pos++];
    }
    tokens.push_back(std::move(token));
  }
  return true;
}

bool ReadNumber(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size();
}

struct Form {
  const char* keyword;
  StatementKind kind;
  int numbers;       // how many numbers follow the name (-1: none and no name)
  bool named;        // a name comes first
  int texts;         // how many texts (-1: any number)
  const char* usage;
};

constexpr Form kForms[] = {
    {"rect", StatementKind::Rect, 4, true, 0, "rect NAME X Y WIDTH HEIGHT"},
    {"resize", StatementKind::Resize, 4, true, 0, "resize NAME X Y WIDTH HEIGHT"},
    {"return", StatementKind::Return, 0, false, 0, "return"},
    {"setvar", StatementKind::SetVar, 0, true, 1, "setvar NAME \"value\""},
    {"print", StatementKind::Print, 0, false, 1, "print \"text\""},
    {"click", StatementKind::Click, 2, true, 0, "click RECTANGLE FX FY"},
    {"rightclick", StatementKind::RightClick, 2, true, 0, "rightclick RECTANGLE FX FY"},
    {"drag", StatementKind::Drag, 4, true, 0, "drag RECTANGLE FX1 FY1 FX2 FY2"},
    {"screenshot", StatementKind::Screenshot, 0, false, 1, "screenshot \"file.png\""},
    {"edit", StatementKind::Edit, 0, true, -1, "edit ACTION \"param\" ..."},
    {"about", StatementKind::About, 0, false, 0, "about"},
    {"message", StatementKind::Message, 1, false, 0, "message CODE"},
    {"wait", StatementKind::Wait, 0, false, 0, "wait"},
};

bool ReadForm(const Form& form, const std::vector<Token>& tokens, Statement& statement, std::string& error) {
  std::size_t next = 1;
  const std::size_t wanted = 1 + (form.named ? 1 : 0) + static_cast<std::size_t>(form.numbers) +
                             (form.texts < 0 ? 0 : static_cast<std::size_t>(form.texts));
  if (form.texts < 0 ? tokens.size() < wanted : tokens.size() != wanted) {
    error = std::string("expected: ") + form.usage;
    return false;
  }
  if (form.named) statement.name = tokens[next++].text;
  for (int i = 0; i < form.numbers; ++i, ++next) {
    double value = 0;
    if (!ReadNumber(tokens[next].text, value)) {
      error = "expected a number instead of \"" + tokens[next].text + "\" in: " + form.usage;
      return false;
    }
    statement.numbers.push_back(value);
  }
  for (; next < tokens.size(); ++next) statement.texts.push_back(tokens[next].text);
  return true;
}

}  // namespace

Script ReadScript(std::string_view text) {
  Script script;
  int number = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    // ":NAME" takes the rest of the line, so that subroutine names may hold
    // blanks (GoSub "Day Chosen").
    const std::size_t first = line.find_first_not_of(" \t");
    if (first != std::string_view::npos && line[first] == ':') {
      std::string_view name = line.substr(first + 1);
      while (!name.empty() && (name.back() == ' ' || name.back() == '\t' || name.back() == '\r')) name.remove_suffix(1);
      if (name.empty()) {
        script.errors.push_back({number, "expected: :NAME (a subroutine's first line)"});
        continue;
      }
      Statement statement{StatementKind::Subroutine, number, std::string(name), {}, {}};
      if (!script.subroutines.emplace(statement.name, script.statements.size() + 1).second) {
        script.errors.push_back({number, "subroutine " + statement.name + " is defined twice"});
        continue;
      }
      script.statements.push_back(std::move(statement));
      continue;
    }
    std::vector<Token> tokens;
    std::string error;
    if (!Tokenize(line, tokens, error)) {
      script.errors.push_back({number, error});
      continue;
    }
    if (tokens.empty() || (!tokens[0].quoted && tokens[0].text[0] == '#')) continue;
    Statement statement{StatementKind::Action, number, {}, {}, {}};
    const std::string& word = tokens[0].text;
    if (tokens[0].quoted) {
      script.errors.push_back({number, "expected a statement or an action name, not a quoted text"});
      continue;
    }
    const Form* form = nullptr;
    for (const Form& candidate : kForms) {
      if (word == candidate.keyword) form = &candidate;
    }
    if (form != nullptr) {
      statement.kind = form->kind;
      if (!ReadForm(*form, tokens, statement, error)) {
        script.errors.push_back({number, error});
        continue;
      }
    } else {
      statement.name = word;
      for (std::size_t i = 1; i < tokens.size(); ++i) statement.texts.push_back(tokens[i].text);
    }
    script.statements.push_back(std::move(statement));
  }
  return script;
}

std::string SubstituteVariables(std::string_view text, const std::map<std::string, std::string>& variables) {
  std::string result;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t open = text.find('[', pos);
    const std::size_t close = open == std::string_view::npos ? open : text.find(']', open + 1);
    if (close == std::string_view::npos) {
      result += text.substr(pos);
      break;
    }
    result += text.substr(pos, open - pos);
    const auto it = variables.find(std::string(text.substr(open + 1, close - open - 1)));
    if (it != variables.end()) result += it->second;
    pos = close + 1;
  }
  return result;
}

std::string VariableName(std::string_view text) {
  if (text.size() >= 2 && text.front() == '[' && text.back() == ']') return std::string(text.substr(1, text.size() - 2));
  return std::string(text);
}

}  // namespace orbidate::host
