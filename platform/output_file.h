// A file the program writes (a trace, a screenshot, a handout, step times):
// whole under its own name or not there at all. The bytes go to a temporary
// name beside it, "NAME.part", which takes the file's name only when the output
// is complete; a run that ends before then, however it ends, leaves neither.
// A device or pipe given as the path (/dev/stdout, /dev/null) is written
// directly.
//
// Opening checks what can be checked before the lesson starts (the folder is
// there and writable, the path is not a folder); every failure is kept as the
// system's reason ("No such file or directory"), the first one only.
#pragma once

#include <cstdio>
#include <string>

namespace mebuki {

class OutputFile {
 public:
  explicit OutputFile(std::string path);
  ~OutputFile();  // removes the temporary unless committed
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  const std::string& path() const { return path_; }
  // The name written now: the temporary, or the path itself for a device. For a
  // writer that opens files by name (Cairo's PNG writer).
  const std::string& writingPath() const { return temporary_.empty() ? path_ : temporary_; }

  bool Write(const char* data, size_t size);
  bool Write(const std::string& text) { return Write(text.data(), text.size()); }
  bool Flush();
  // Records a failure of a writer that wrote writingPath() itself, with the
  // errno it left (0 when it left none).
  void Fail(int error);
  // Completes the file: flushed, closed and given its name. False, with the
  // reason, when any step of writing it failed; then nothing is left.
  bool Commit();

 private:
  void Close();
  void Discard();

  std::string path_;
  std::string temporary_;  // empty when the path is written directly
  std::FILE* file_ = nullptr;
  std::string error_;
  bool committed_ = false;
};

}  // namespace mebuki
