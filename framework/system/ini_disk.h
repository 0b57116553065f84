// The settings file's bytes on disk, and the system's code page they are in
// when they are neither UTF-16 nor UTF-8. A write goes to a new file in the
// same folder, flushed, then put in the old one's place in one step with its
// attributes, so the file is whole or as it was; a symbolic link is written
// through, to its target. The folder is made when missing. A failure says
// the system's reason.
#pragma once

#include <string>

#include "framework/system/ini_file.h"

namespace fw {

class IniDisk : public IniBytes {
 public:
  explicit IniDisk(std::wstring path) : path_(std::move(path)) {}

  const std::wstring& path() const { return path_; }
  // "Impossible de lire <path> : <reason>" when the file is there but
  // cannot be read: read as empty, it would be written over.
  std::string read() const override;
  // "Impossible d'écrire dans <path> : <reason>".
  void write(const Edit& edit) override;

 private:
  std::wstring path_;
};

const CodePage& systemCodePage();

}  // namespace fw
