// CString and CStringArray: the 8-bit string and string array that every vocabulary word,
// name, path and text travels as. They behave as the framework's CStringA and CStringArray.
#pragma once

#include <vxcheck/export.h>

#include <cstddef>
#include <string>
#include <vector>

// An 8-bit string. Every byte, 0x80 to 0xFF included, is kept as it is; no character set is
// applied. Positions are counted from 0; "not found" is -1.
class VXCHECK_API CString {
  public:
    CString() = default;
    // cppcheck-suppress noExplicitConstructor
    CString(const char* text);             // NOLINT: implicit, as the framework's
    CString(const char* text, int length); // the first length bytes, NULs included
    // cppcheck-suppress noExplicitConstructor
    CString(char ch, int repeat = 1); // NOLINT
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(const char* text);
    CString& operator=(char ch);
    ~CString() = default;

    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

    // Number of bytes held.
    int GetLength() const { return static_cast<int>(m_data.size()); }
    bool IsEmpty() const { return m_data.empty(); }
    void Empty() { m_data.clear(); }
    // The text, terminated by a NUL; valid until the string changes.
    const char* GetString() const { return m_data.c_str(); }
    operator const char*() const { return m_data.c_str(); } // NOLINT: implicit, as the framework's
    // The byte at index (0 to GetLength() - 1).
    char GetAt(int index) const { return m_data[static_cast<std::size_t>(index)]; }
    char operator[](int index) const { return GetAt(index); }

    // Position of the first occurrence at or after start, or -1. An empty text is found at start
    // (when start lies within the string).
    int Find(char ch, int start = 0) const;
    int Find(const char* text, int start = 0) const;
    // Position of the first byte that is one of the bytes of chars, or -1.
    int FindOneOf(const char* chars) const;
    // The first count bytes (all when count exceeds the length, none when it is negative).
    CString Left(int count) const;
    // The last count bytes (all when count exceeds the length, none when it is negative).
    CString Right(int count) const;
    // Removes leading blanks and the control characters 9 to 13.
    CString& TrimLeft();
    // Removes leading bytes that are among chars.
    CString& TrimLeft(const char* chars);

    // A writable buffer of at least minLength bytes plus a NUL; call ReleaseBuffer after writing.
    char* GetBuffer(int minLength = 0);
    // Ends a GetBuffer: the length becomes newLength, or the position of the first NUL when -1.
    void ReleaseBuffer(int newLength = -1);

    friend bool operator==(const CString& a, const CString& b) { return a.m_data == b.m_data; }
    friend bool operator==(const CString& a, const char* b) { return a.m_data == Text(b); }
    friend bool operator==(const char* a, const CString& b) { return Text(a) == b.m_data; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(a == b); }
    // Byte order, bytes compared as unsigned values.
    friend bool operator<(const CString& a, const CString& b) { return a.m_data < b.m_data; }

  private:
    static const char* Text(const char* text) { return text != nullptr ? text : ""; }

    std::string m_data;
};

VXCHECK_API CString operator+(const CString& a, const CString& b);
VXCHECK_API CString operator+(const CString& a, const char* b);
VXCHECK_API CString operator+(const char* a, const CString& b);
VXCHECK_API CString operator+(const CString& a, char b);
VXCHECK_API CString operator+(char a, const CString& b);

// A growable array of strings, indexed from 0.
class VXCHECK_API CStringArray {
  public:
    // Resizes the array to newSize entries; new entries are empty. growBy is accepted and ignored.
    void SetSize(int newSize, int growBy = -1);
    // Stores text at index, growing the array first when index lies beyond its end.
    void SetAtGrow(int index, const char* text);
    // Appends text; returns its index.
    int Add(const char* text);
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }
    const CString& GetAt(int index) const { return m_items[static_cast<std::size_t>(index)]; }
    const CString& operator[](int index) const { return GetAt(index); }
    CString& operator[](int index) { return m_items[static_cast<std::size_t>(index)]; }
    void RemoveAll() { m_items.clear(); }

  private:
    std::vector<CString> m_items;
};
