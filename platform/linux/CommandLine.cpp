#include "platform/linux/CommandLine.h"

#include <utility>

namespace tarvix::platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool EscapableInDoubleQuotes(char c) { return c == '"' || c == '\\' || c == '`' || c == '$'; }

// Splits one word at a time, remembering the quoting state between characters.
class Splitter {
 public:
  explicit Splitter(std::string_view line) : line_(line) {}

  std::vector<std::string> Run() {
    for (pos_ = 0; pos_ < line_.size(); ++pos_) Step(line_[pos_]);
    Finish();
    return std::move(words_);
  }

 private:
  void Step(char c) {
    if (quote_ == '\'') return c == '\'' ? void(quote_ = 0) : Append(c);
    if (c == '\\' && pos_ + 1 < line_.size()) return Escape(line_[pos_ + 1]);
    if (quote_ == '"') return c == '"' ? void(quote_ = 0) : Append(c);
    if (c == '"' || c == '\'') {
      quote_ = c;
      inWord_ = true;
      return;
    }
    if (IsBlank(c)) return Finish();
    Append(c);
  }

  void Escape(char next) {
    if (quote_ == '"' && !EscapableInDoubleQuotes(next)) return Append('\\');
    Append(next);
    ++pos_;
  }

  void Append(char c) {
    word_ += c;
    inWord_ = true;
  }

  void Finish() {
    if (inWord_) words_.push_back(std::exchange(word_, {}));
    inWord_ = false;
  }

  std::string_view line_;
  std::size_t pos_ = 0;
  char quote_ = 0;
  bool inWord_ = false;
  std::string word_;
  std::vector<std::string> words_;
};

bool NeedsQuotes(std::string_view word) {
  if (word.empty()) return true;
  for (char c : word) {
    if (IsBlank(c) || c == '"' || c == '\'' || c == '\\' || c == '`' || c == '$') return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> CommandLine::Split(std::string_view line) { return Splitter(line).Run(); }

std::string CommandLine::Quote(std::string_view word) {
  if (!NeedsQuotes(word)) return std::string(word);
  std::string quoted = "\"";
  for (char c : word) {
    if (EscapableInDoubleQuotes(c)) quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string CommandLine::Join(const std::vector<std::string>& words) {
  std::string line;
  for (const auto& word : words) {
    if (!line.empty()) line += ' ';
    line += Quote(word);
  }
  return line;
}

}  // namespace tarvix::platform
