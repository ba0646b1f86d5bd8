#ifndef CONFIG_C_OPTIONTYPES_H
#define CONFIG_C_OPTIONTYPES_H

#include <istream>
#include <vector>

#include "intl/QL_Filename.h"
#include "intl/QL_String.h"
#include "util/U_String.h"

class C_CmdArgs;

// Whether the value of an option came attached to its word ("-op/tmp")
// rather than as the next word.
enum class C_HasSuffix : bool { no = false, yes = true };

// Marks the option kinds whose constructor takes no default value.
struct C_NoDefault {};

// Array of C strings ending in a null pointer, built from a list on demand.
// A copy starts empty, so it never points into another list's strings.
class C_CStringCache {
 public:
  C_CStringCache() = default;
  C_CStringCache(const C_CStringCache&) {}
  C_CStringCache& operator=(const C_CStringCache&) {
    clear();
    return *this;
  }
  void clear() { m_ptrs.clear(); }
  const char* const* get(const std::vector<U_String>& texts) const;

 private:
  mutable std::vector<U_String> m_copies;
  mutable std::vector<const char*> m_ptrs;
};

// One setting of the run.  An option has a name, a set flag, and a value
// whose form depends on its kind.
class C_OptionBase {
 public:
  explicit C_OptionBase(const char* name) : m_name(name) {}
  virtual ~C_OptionBase() = default;

  virtual U_String getValueRepresentation() const = 0;

  // Marks the option set, then parses its value from the stream (the
  // option is set even when the value is rejected).
  bool handleArgument(std::istream& in, C_HasSuffix hasSuffix);
  // Back to the default value, not set.
  void resetOption();

  bool isSet() const { return m_set; }
  const U_String& getName() const { return m_name; }
  void swap(C_OptionBase& other);

 protected:
  C_OptionBase(const C_OptionBase&) = default;
  C_OptionBase& operator=(const C_OptionBase&) = default;
  virtual void doResetOption() {}
  virtual bool doHandleArgument(std::istream& in, C_HasSuffix hasSuffix) = 0;

 private:
  U_String m_name;
  bool m_set = false;
};

// An option holding one value of a plain type, with the default a reset
// returns to.  Self is the option kind, so assignment returns it.
template <class Self, class T>
class C_OptionScalar : public C_OptionBase {
 public:
  C_OptionScalar(const char* name, T defaultValue)
      : C_OptionBase(name), m_value(defaultValue), m_default(defaultValue) {}
  Self& operator=(T value) {
    m_value = value;
    return static_cast<Self&>(*this);
  }
  operator T() const { return m_value; }  // NOLINT: reads like the value itself

 protected:
  void doResetOption() override { m_value = m_default; }

  T m_value;

 private:
  T m_default;
};

class C_OptionBool : public C_OptionScalar<C_OptionBool, bool> {
 public:
  using C_OptionScalar::C_OptionScalar;
  using C_OptionScalar::operator=;
  U_String getValueRepresentation() const override;

 protected:
  bool doHandleArgument(std::istream& in, C_HasSuffix hasSuffix) override;
};

class C_OptionInt : public C_OptionScalar<C_OptionInt, int> {
 public:
  using C_OptionScalar::C_OptionScalar;
  using C_OptionScalar::operator=;
  U_String getValueRepresentation() const override;

 protected:
  bool doHandleArgument(std::istream& in, C_HasSuffix hasSuffix) override;
};

class C_OptionIntList : public C_OptionBase {
 public:
  C_OptionIntList(const char* name, C_NoDefault) : C_OptionBase(name) {}
  U_String getValueRepresentation() const override;
  std::vector<int>::const_iterator begin() const { return m_values.begin(); }
  std::vector<int>::const_iterator end() const { return m_values.end(); }
  bool empty() const { return m_values.empty(); }
  void Set(const std::vector<int>& values) { m_values = values; }
  operator const std::vector<int>&() const { return m_values; }  // NOLINT
  // Replaces the list with the values before the first 0.
  C_OptionIntList& operator=(const int* values);
  // The values as an array ended by -1; null for an empty list.  The array
  // lives until the next call or change.
  operator const int*() const;  // NOLINT

 protected:
  void doResetOption() override { m_values.clear(); }
  bool doHandleArgument(std::istream& in, C_HasSuffix hasSuffix) override;

 private:
  std::vector<int> m_values;
  mutable std::vector<int> m_terminated;
};

class C_OptionString : public C_OptionBase {
 public:
  C_OptionString(const char* name, const char* defaultValue)
      : C_OptionBase(name), m_value(defaultValue), m_default(defaultValue) {}
  U_String getValueRepresentation() const override { return m_value; }
  const U_String& str() const { return m_value; }
  // The value; when it is empty, "" if the option was set, else null.
  const char* c_str() const;
  C_OptionString& operator=(const char* value) {
    m_value = value ? value : "";
    return *this;
  }

 protected:
  void doResetOption() override { m_value = m_default; }
  bool doHandleArgument(std::istream& in, C_HasSuffix hasSuffix) override;

 private:
  U_String m_value;
  U_String m_default;
};

class C_OptionStringList : public C_OptionBase {
 public:
  C_OptionStringList(const char* name, C_NoDefault) : C_OptionBase(name) {}
  U_String getValueRepresentation() const override;
  std::vector<U_String>::const_iterator begin() const { return m_values.begin(); }
  std::vector<U_String>::const_iterator end() const { return m_values.end(); }
  bool empty() const { return m_values.empty(); }
  size_t size() const { return m_values.size(); }
  operator const std::vector<U_String>&() const { return m_values; }  // NOLINT
  C_OptionStringList& operator=(const std::vector<U_String>& values);
  C_OptionStringList& operator=(const char* const* values);  // null-terminated
  void setValue(size_t position, const U_String& text);
  void swap(C_OptionStringList& other);
  // Null-terminated copies of the elements; null for an empty list.
  const char* const* ppc_str() const;

 protected:
  void doResetOption() override;
  bool doHandleArgument(std::istream& in, C_HasSuffix hasSuffix) override;

 private:
  std::vector<U_String> m_values;
  C_CStringCache m_cache;
};

class C_OptionFilename : public C_OptionBase {
 public:
  C_OptionFilename(const char* name, const char* defaultValue);
  U_String getValueRepresentation() const override { return m_value.get(); }
  const QL_String& str() const { return m_value; }
  C_OptionFilename& operator=(const char* value);

 protected:
  void doResetOption() override;
  bool doHandleArgument(std::istream& in, C_HasSuffix hasSuffix) override;

 private:
  QL_String m_value;
  U_String m_default;
};

class C_OptionFilenameList : public C_OptionBase {
 public:
  using List = std::vector<QL_Filename>;
  C_OptionFilenameList(const char* name, C_NoDefault) : C_OptionBase(name) {}
  // Display paths as the global command line shows them.
  U_String getValueRepresentation() const override;
  // Display paths as the given command line shows them.
  U_String getValueRepresentation(const C_CmdArgs& cmdArgs) const;
  List::const_iterator begin() const { return m_values.begin(); }
  List::const_iterator end() const { return m_values.end(); }
  List::const_reverse_iterator rbegin() const { return m_values.rbegin(); }
  List::const_reverse_iterator rend() const { return m_values.rend(); }
  bool empty() const { return m_values.empty(); }
  size_t size() const { return m_values.size(); }
  C_OptionFilenameList& operator=(const List& values);
  C_OptionFilenameList& operator=(const char* const* values);  // null-terminated
  void setValue(size_t position, const U_String& text);
  void swap(C_OptionFilenameList& other);
  const char* const* ppc_str() const;

 protected:
  void doResetOption() override;
  bool doHandleArgument(std::istream& in, C_HasSuffix hasSuffix) override;

 private:
  List m_values;
  C_CStringCache m_cache;
};

class C_OptionI8NString : public C_OptionBase {
 public:
  C_OptionI8NString(const char* name, const char* defaultValue);
  U_String getValueRepresentation() const override { return m_value.get(); }
  const QL_String& str() const { return m_value; }

 protected:
  void doResetOption() override;
  bool doHandleArgument(std::istream& in, C_HasSuffix hasSuffix) override;

 private:
  QL_String m_value;
  U_String m_default;
};

// Writes its value and a newline to standard output.
class C_OptionEcho : public C_OptionBase {
 public:
  C_OptionEcho(const char* name, C_NoDefault) : C_OptionBase(name) {}
  U_String getValueRepresentation() const override { return U_String(); }

 protected:
  bool doHandleArgument(std::istream& in, C_HasSuffix hasSuffix) override;
};

// Resets the option whose spelling is its value.
class C_OptionForget : public C_OptionBase {
 public:
  C_OptionForget(const char* name, C_NoDefault) : C_OptionBase(name) {}
  U_String getValueRepresentation() const override { return U_String(); }
  void setCmdArgs(C_CmdArgs* cmdArgs) { m_cmdArgs = cmdArgs; }

 protected:
  bool doHandleArgument(std::istream& in, C_HasSuffix hasSuffix) override;

 private:
  C_CmdArgs* m_cmdArgs = nullptr;
};

// Opens its value as an argument file, read next on the argument stream.
class C_OptionVia : public C_OptionBase {
 public:
  C_OptionVia(const char* name, C_NoDefault) : C_OptionBase(name) {}
  U_String getValueRepresentation() const override { return U_String(); }
  // Throws C_InvalidViaException when the file is not a readable regular
  // file or the stream cannot take argument files.
  static void openViaFile(const char* file, const std::istream& in);

 protected:
  bool doHandleArgument(std::istream& in, C_HasSuffix hasSuffix) override;
};

#endif
