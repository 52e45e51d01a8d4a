// String conversions and the text-file decoder.
#include "host/string.h"

#include <cstring>

String::String(const char* text) {
  if (!text) return;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
    units_.push_back(*p);
}

String::String(const char* text, int length) {
  for (int i = 0; i < length; ++i) units_.push_back(static_cast<unsigned char>(text[i]));
}

String::String(const char16_t* text) {
  if (text) units_ = text;
}

String String::FromChar(int unit) { return String(std::u16string(1, static_cast<char16_t>(unit))); }

String String::FromInt(int value) { return String(std::to_string(value).c_str()); }

int String::At(int index) const {
  if (index < 0 || index >= Length()) return 0;
  return units_[index];
}

String String::operator+(const String& other) const { return String(units_ + other.units_); }

String operator+(const char* left, const String& right) { return String(left) + right; }

String String::Slice(int from) const { return Slice(from, Length()); }

String String::Slice(int from, int to) const {
  const int n = Length();
  if (from < 0) from += n;
  if (to < 0) to += n;
  if (from < 0) from = 0;
  if (to > n) to = n;
  if (from >= to) return String();
  return String(units_.substr(from, to - from));
}

int String::Find(const String& needle, int start) const {
  if (start < 0) start = 0;
  if (start > Length()) return -1;
  size_t at = units_.find(needle.units_, start);
  return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

int String::FindLast(const String& needle) const {
  size_t at = units_.rfind(needle.units_);
  return at == std::u16string::npos ? -1 : static_cast<int>(at);
}

bool String::StartsWith(const String& prefix) const {
  return units_.compare(0, prefix.units_.size(), prefix.units_) == 0 && Length() >= prefix.Length();
}

bool String::EndsWith(const String& suffix) const {
  if (suffix.Length() > Length()) return false;
  return units_.compare(units_.size() - suffix.units_.size(), suffix.units_.size(), suffix.units_) == 0;
}

String String::Replace(const String& from, const String& to) const {
  if (from.Empty()) return *this;
  std::u16string out;
  size_t pos = 0;
  for (;;) {
    size_t at = units_.find(from.units_, pos);
    if (at == std::u16string::npos) break;
    out.append(units_, pos, at - pos);
    out += to.units_;
    pos = at + from.units_.size();
  }
  out.append(units_, pos, std::u16string::npos);
  return String(std::move(out));
}

String String::ToLower() const {
  std::u16string out = units_;
  for (char16_t& c : out)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
  return String(std::move(out));
}

std::string String::ToUtf8() const {
  std::string out;
  out.reserve(units_.size());
  for (char16_t u : units_) {
    if (u < 0x80) {
      out.push_back(static_cast<char>(u));
    } else if (u < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (u >> 6)));
      out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (u >> 12)));
      out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    }
  }
  return out;
}

std::string String::ToNarrow() const {
  std::string out;
  out.reserve(units_.size());
  for (char16_t u : units_) out.push_back(static_cast<char>(u & 0xFF));
  return out;
}

// UTF-8 up to three bytes per unit. Anything it cannot decode makes the
// whole text Latin-1 instead: a hand-edited file still reads back as text.
String String::FromUtf8(const unsigned char* p, size_t n) {
  std::u16string out;
  out.reserve(n);
  size_t i = 0;
  bool ok = true;
  while (i < n) {
    unsigned b = p[i];
    if (b < 0x80) {
      out.push_back(static_cast<char16_t>(b));
      i += 1;
    } else if ((b & 0xE0) == 0xC0 && i + 1 < n && (p[i + 1] & 0xC0) == 0x80) {
      out.push_back(static_cast<char16_t>(((b & 0x1F) << 6) | (p[i + 1] & 0x3F)));
      i += 2;
    } else if ((b & 0xF0) == 0xE0 && i + 2 < n && (p[i + 1] & 0xC0) == 0x80 && (p[i + 2] & 0xC0) == 0x80) {
      out.push_back(static_cast<char16_t>(((b & 0x0F) << 12) | ((p[i + 1] & 0x3F) << 6) | (p[i + 2] & 0x3F)));
      i += 3;
    } else {
      ok = false;
      break;
    }
  }
  if (!ok) {
    out.assign(p, p + n);
  }
  return String(std::move(out));
}

std::string vxReadRest(FILE* file) {
  std::string bytes;
  char block[4096];
  for (;;) {
    size_t got = std::fread(block, 1, sizeof block, file);
    bytes.append(block, got);
    if (got < sizeof block) break;
  }
  return bytes;
}

String String::Load(FILE* file) {
  const std::string bytes = vxReadRest(file);
  const size_t n = bytes.size();
  const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
  if (n >= 2 && ((p[0] == 0xFE && p[1] == 0xFF) || (p[0] == 0xFF && p[1] == 0xFE))) {
    const bool big = p[0] == 0xFE;
    std::u16string out;
    out.reserve(n / 2);
    for (size_t i = 2; i + 1 < n; i += 2)
      out.push_back(static_cast<char16_t>(big ? (p[i] << 8) | p[i + 1] : p[i] | (p[i + 1] << 8)));
    return String(std::move(out));
  }
  if (n > 2 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) return FromUtf8(p + 3, n - 3);
  return FromUtf8(p, n);
}
