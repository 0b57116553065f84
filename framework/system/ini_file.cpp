#include "framework/system/ini_file.h"

namespace fw {

namespace {

std::string readOrNote(const IniBytes& bytes, std::optional<IniFileError>& unread) {
  try {
    return bytes.read();
  } catch (const IniFileError& e) {
    unread = e;
    return {};
  }
}

}  // namespace

IniFile::IniFile(IniBytes& bytes, const CodePage& codePage)
    : bytes_(bytes), codePage_(codePage), text_(readOrNote(bytes, unread_), codePage) {}

std::optional<std::wstring> IniFile::read(std::wstring_view section, std::wstring_view key) const {
  return text_.read(section, key);
}

bool IniFile::holdsKeys(std::wstring_view section) const { return text_.holdsKeys(section); }

bool IniFile::holdsExactly(std::wstring_view text) const { return text_.holdsExactly(text); }

void IniFile::write(const std::vector<KeyValue>& values) {
  std::optional<IniText> written;
  bytes_.write([&](std::string_view now) {
    written.emplace(now, codePage_);
    for (const KeyValue& v : values)
      if (!v.ifMissing || !written->read(v.section, v.key)) written->set(v.section, v.key, v.value);
    return written->bytes();
  });
  text_ = std::move(*written);
  unread_.reset();
}

}  // namespace fw
