// The character classes of the definition language's tokens, shared by the tokenizer and the
// reader's short way through plain definitions, so that both cut a text alike.
#pragma once

namespace fuzzy::token_characters {

// Blanks, line ends, every other control character, and the zero character.
inline bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

inline bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

// The characters that are tokens of their own.
inline bool IsPunctuation(int c) {
  switch (c) {
    case '&':
    case '(':
    case ')':
    case '=':
    case '[':
    case ']':
    case '|':
    case '~':
      return true;
    default:
      return false;
  }
}

// The characters that end a word and start the next token; "=" is not one, so a=b stays one word.
inline bool EndsWord(char c) {
  switch (c) {
    case '[':
    case ']':
    case '|':
    case '~':
    case '"':
    case '&':
    case '(':
    case ')':
    case ';':
    case '<':
      return true;
    default:
      return false;
  }
}

}  // namespace fuzzy::token_characters
