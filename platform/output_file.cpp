#include "platform/output_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "platform/abrupt_end.h"

namespace mebuki {

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {
  struct stat info {};
  const bool exists = stat(path_.c_str(), &info) == 0;
  if (exists && S_ISDIR(info.st_mode)) {
    Fail(EISDIR);
    return;
  }
  const bool device = exists && !S_ISREG(info.st_mode);
  if (!device) {
    temporary_ = path_ + ".part";
    RemoveOnAbruptEnd(temporary_);
  }
  file_ = std::fopen(writingPath().c_str(), "wb");
  if (!file_) {
    Fail(errno);
    if (!device) ForgetOnAbruptEnd(temporary_);
    temporary_.clear();
  }
}

OutputFile::~OutputFile() {
  if (!committed_) Discard();
}

void OutputFile::Fail(int error) {
  if (!error_.empty()) return;
  error_ = error != 0 ? std::strerror(error) : "write error";
}

bool OutputFile::Write(const char* data, size_t size) {
  if (!file_ || !ok()) return false;
  if (std::fwrite(data, 1, size, file_) != size) Fail(errno);
  return ok();
}

bool OutputFile::Flush() {
  if (!file_ || !ok()) return false;
  if (std::fflush(file_) != 0) Fail(errno);
  return ok();
}

void OutputFile::Close() {
  if (!file_) return;
  if (std::fflush(file_) != 0) Fail(errno);
  if (std::fclose(file_) != 0) Fail(errno);
  file_ = nullptr;
}

void OutputFile::Discard() {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temporary_.empty()) {
    std::remove(temporary_.c_str());
    ForgetOnAbruptEnd(temporary_);
    temporary_.clear();
  }
}

bool OutputFile::Commit() {
  if (committed_) return ok();
  Close();
  if (ok() && !temporary_.empty() && std::rename(temporary_.c_str(), path_.c_str()) != 0) Fail(errno);
  if (!ok()) {
    Discard();
    return false;
  }
  if (!temporary_.empty()) ForgetOnAbruptEnd(temporary_);
  committed_ = true;
  return true;
}

}  // namespace mebuki
