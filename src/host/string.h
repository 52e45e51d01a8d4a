// String: the program's immutable UTF-16 text with value semantics.
// Every module that stores or passes text uses it; conversions to bytes
// follow the per-unit UTF-8 rule the state file and the console share.
#pragma once

#include <cstdio>
#include <string>

class String {
 public:
  String() = default;
  // Each byte of a C string becomes one unit (ASCII and Latin-1 literals).
  String(const char* text);
  String(const char* text, int length);
  String(const char16_t* text);
  explicit String(std::u16string units) : units_(std::move(units)) {}

  static String FromChar(int unit);
  static String FromInt(int value);
  // Decodes UTF-8 bytes as the state file and text files are read.
  static String FromUtf8(const unsigned char* bytes, size_t length);
  // Reads the rest of an open file and decodes it (BOMs, UTF-8, Latin-1).
  static String Load(FILE* file);

  int Length() const { return static_cast<int>(units_.size()); }
  bool Empty() const { return units_.empty(); }
  // Unit at index; 0 outside the text.
  int At(int index) const;
  const std::u16string& Units() const { return units_; }

  String operator+(const String& other) const;
  bool operator==(const String& other) const { return units_ == other.units_; }
  bool operator!=(const String& other) const { return units_ != other.units_; }
  bool operator<(const String& other) const { return units_ < other.units_; }

  // Slice from..to, clamped to the text; negative indices count from the end.
  String Slice(int from) const;
  String Slice(int from, int to) const;
  int Find(const String& needle, int start = 0) const;  // -1 when absent
  int FindLast(const String& needle) const;
  bool StartsWith(const String& prefix) const;
  bool EndsWith(const String& suffix) const;
  bool Contains(const String& needle) const { return Find(needle) >= 0; }
  String Replace(const String& from, const String& to) const;
  String ToLower() const;  // ASCII letters only

  // Each unit on its own: <0x80 one byte, <0x800 two, else three
  // (surrogates are encoded separately, not paired).
  std::string ToUtf8() const;
  // Low byte of each unit; only ASCII survives intact.
  std::string ToNarrow() const;

 private:
  std::u16string units_;
};

String operator+(const char* left, const String& right);

// The rest of an open file, read in blocks of 4096 bytes until a short read.
std::string vxReadRest(FILE* file);
