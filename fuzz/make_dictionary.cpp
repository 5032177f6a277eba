// Writes the fuzzer's dictionary (libFuzzer's format, one quoted entry a
// line) to standard output: every word of the keyword table, read from the
// table itself so the two never differ, the punctuation, directives and
// literals that hold the language together, and what preprocessing mode
// reads besides.
#include <cstdio>
#include <string>

namespace {

/// One entry: quotes and backslashes escaped, bytes that are not printable
/// written as \xAB.
void Entry(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7F) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      quoted += escape;
      continue;
    }
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  std::printf("%s\"\n", quoted.c_str());
}

}  // namespace

int main() {
#define STATEMENT(text, cls, num) Entry(text);
#define PROPERTY(word, num, parser) Entry(#word);
#define KIND(word, num, code) Entry(#word);
#include "source/keywords.def"
  for (const char* syntax :
       {"#define ", "#include \"a.h\"\n", "$$Format(\"%d\", ", "'Vorl'", "'TzAv'", "'LStr'",
        "resource 'Vorl' (1) {\n{\n", "};\n", "{", "}", "(", ")", ";", ",", "|", "<<", "\"",
        "'", "/*", "*/", "//", "0x", "0b", "0o", "\\0x", "\\\"", "\r\n", "\x7f",
        // Preprocessing mode: its directives, the operators and literals of
        // #if, the macros predefined or defined by the fuzzer's options.
        "#if ", "#ifdef ", "#ifndef ", "#elif ", "#elifdef ", "#elifndef ", "#else\n",
        "#endif\n", "#undef ", "#error ", "#include <a.h>\n", "defined ", "defined(", "&&",
        "||", "==", "!=", "<=", ">=", ">>", "<", ">", "?", ":", "!", "~", "^", "%", "&", "-",
        "*", "/", "+", "010", "1u", "0xFFFFFFFFFFFFFFFF", "9223372036854775807", "'a'",
        "'\\x41'", "\\\n", "_WIN32", "RC_INVOKED", "VORLTOOL_VERSION", "FOO", "BAR", "VALUE",
        // Macros as C replaces them: parameters, # and ##, the variable
        // arguments, the predefined ones, the fuzzer's own, and what bounds them.
        "#define F(x) ", "#define G(a, ...) ", "(x)", "#x", " ## ", "##", "__VA_ARGS__", ", ## __VA_ARGS__",
        "...", "__LINE__", "__FILE__", "__has_include(", "__has_include(<a.h>)", "#include FOO\n",
        "#pragma once\n", "F(", "S(", "F(1, 2)", "S()", "#define A B B\n", "#define B C C\n", "%:"})
    Entry(syntax);
  return 0;
}
