// The preprocessor's files: opening them (the include search), and reading
// the top one token by token.
#include <cstring>

#include "base/diagnostics.h"
#include "preprocess/preprocessor.h"

Preprocessor::OpenFile::OpenFile(std::unique_ptr<platform::InputFile> ownedFile,
                                 platform::InputFile* input, std::string_view bytes,
                                 std::string filePath, std::size_t base, int foundIn)
    : owned(std::move(ownedFile)),
      lines(input != nullptr ? LineReader(input) : LineReader(bytes)),
      path(std::move(filePath)),
      folder(foundIn),
      groupBase(base) {}

void Preprocessor::PushFile(std::unique_ptr<platform::InputFile> owned, platform::InputFile* input,
                            std::string_view text, const std::string& path, int folder) {
  files_.emplace_back(std::move(owned), input, text, path, groups_.size(), folder);
  fileLiteral_.clear();
}

bool Preprocessor::ReadLine(OpenFile& file) {
  std::string_view physical;
  if (!file.lines.Next(physical)) return false;
  context_.sourceBytes += physical.size() + 1;
  file.firstLine = file.lines.line();
  file.joins.clear();
  if (!scanner_.EndsInSplice(physical)) {
    file.text = arena_.Store(physical);
  } else {
    // A backslash at the end of a line joins the next one to it, and both
    // go (at the input's end, the backslash alone).
    std::string joined(physical.substr(0, physical.size() - 1));
    while (file.lines.Next(physical)) {
      context_.sourceBytes += physical.size() + 1;
      file.joins.push_back(joined.size());
      const bool goesOn = scanner_.EndsInSplice(physical);
      joined += physical.substr(0, physical.size() - (goesOn ? 1 : 0));
      if (!goesOn) break;
    }
    file.text = arena_.Store(joined);
  }
  file.pos = 0;
  file.gapStart = 0;
  file.gapHasComment = false;
  file.inLine = true;
  file.atLineStart = true;
  return true;
}

int32_t Preprocessor::LineAt(const OpenFile& file, std::size_t pos) const {
  int32_t line = file.firstLine;
  for (const std::size_t join : file.joins)
    if (join <= pos) ++line;
  return line;
}

PpToken Preprocessor::ReadToken() {
  OpenFile& file = files_.back();
  PpToken token;
  if (!file.inLine && !ReadLine(file)) {
    token.kind = PpKind::kEnd;
    token.line = file.lines.line();
    return token;
  }
  while (file.pos < file.text.size()) {
    const PpScanner::Scanned scanned = scanner_.Scan(file.text.substr(file.pos));
    switch (scanned.piece) {
      case PpScanner::Piece::kSpace:
        file.pos += scanned.length;
        continue;
      case PpScanner::Piece::kComment:
        file.pos += scanned.length;
        file.gapHasComment = true;
        continue;
      case PpScanner::Piece::kOpenComment: {
        // The comment goes on over the next lines, which it joins to this
        // one (at the input's end, it ends there).
        file.gapHasComment = true;
        for (;;) {
          if (!ReadLine(file)) {
            file.inLine = false;
            token.kind = PpKind::kNewline;
            token.line = file.lines.line();
            return token;
          }
          file.atLineStart = false;
          file.gapHasComment = true;
          const std::size_t end = scanner_.CommentEnd(file.text);
          if (end != std::string_view::npos) {
            file.pos = end;
            break;
          }
        }
        continue;
      }
      case PpScanner::Piece::kToken:
        break;
    }
    token.kind = scanned.kind;
    token.text = file.text.substr(file.pos, scanned.length);
    token.leading = file.gapHasComment ? std::string_view(" ")
                                       : file.text.substr(file.gapStart, file.pos - file.gapStart);
    token.line = LineAt(file, file.pos);
    token.startsLine = file.atLineStart;
    file.atLineStart = false;
    file.pos += scanned.length;
    file.gapStart = file.pos;
    file.gapHasComment = false;
    line_ = token.line;
    return token;
  }
  file.inLine = false;
  token.kind = PpKind::kNewline;
  token.line = LineAt(file, file.text.size());
  return token;
}

void Preprocessor::UnreadLineStart(const PpToken& hash) {
  OpenFile& file = files_.back();
  file.pos = static_cast<std::size_t>(hash.text.data() - file.text.data());
  file.gapStart = file.pos - hash.leading.size();
  file.atLineStart = true;
}

std::vector<PpToken> Preprocessor::ReadRestOfLine() {
  std::vector<PpToken> tokens;
  for (PpToken token = ReadToken(); token.kind != PpKind::kNewline && token.kind != PpKind::kEnd;
       token = ReadToken())
    tokens.push_back(token);
  return tokens;
}

std::unique_ptr<platform::InputFile> Preprocessor::FindIncludeFile(const std::string& name, bool angled, bool next,
                                                                   std::string& path, int& folder) {
  const auto open = [this](const std::string& candidate) {
    return disk_.OpenInput(candidate.c_str(), platform::InputRule::kRegularFile);
  };
  folder = -1;
  if (name.empty()) return nullptr;
  std::unique_ptr<platform::InputFile> file;
  if (platform::IsAbsolutePath(name.c_str())) {
    if ((file = open(name))) path = name;
    return file;
  }
  // #include_next in a file found in an include folder: the folders after
  // it alone. Anywhere else it is an #include.
  const int current = files_.back().folder;
  const bool after = next && current >= 0;
  if (!angled && !after) {
    // As named, from the working folder (as a plain run has it), then beside
    // the file that includes it.
    if ((file = open(name))) {
      path = name;
      return file;
    }
    const std::string& including = files_.back().path;
    std::size_t folderEnd = including.size();
    while (folderEnd > 0 && !platform::IsPathSeparator(including[folderEnd - 1])) --folderEnd;
    if (folderEnd > 0) {
      const std::string beside = including.substr(0, folderEnd) + name;
      if ((file = open(beside))) {
        path = beside;
        return file;
      }
    }
  }
  for (std::size_t i = after ? static_cast<std::size_t>(current) + 1 : 0; i < includeFolders_.size(); ++i) {
    const std::string& searched = includeFolders_[i];
    const bool separated = searched.empty() || platform::IsPathSeparator(searched.back());
    const std::string candidate = searched + (separated ? "" : "/") + name;
    if ((file = open(candidate))) {
      path = candidate;
      folder = static_cast<int>(i);
      return file;
    }
  }
  return nullptr;
}
