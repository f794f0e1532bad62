// CString: the 8-bit string of the wizard. Texts, file names and paths are
// all CStrings. It converts implicitly to LPCTSTR, as the functions that take
// paths expect, and offers the few editing operations the wizard uses.
#pragma once

#include <string>
#include <string_view>

#include "platform/Types.h"

class CString {
  public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}  // NOLINT: implicit by design
    CString(std::string text) : m_text(std::move(text)) {}   // NOLINT
    CString(std::string_view text) : m_text(text) {}         // NOLINT
    CString(const char* text, int length) : m_text(text, static_cast<size_t>(length)) {}

    // The text as a null-terminated 8-bit string, valid until the next change.
    operator LPCTSTR() const { return m_text.c_str(); }  // NOLINT
    LPCTSTR GetString() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty() ? TRUE : FALSE; }
    void Empty() { m_text.clear(); }
    // The character at nIndex; nIndex must lie inside the string.
    char GetAt(int nIndex) const { return m_text.at(static_cast<size_t>(nIndex)); }

    CString& operator+=(const CString& other);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

    // Index of the first occurrence at or after nStart, or -1.
    int Find(char ch, int nStart = 0) const;
    int Find(const char* sub, int nStart = 0) const;
    // Index of the last occurrence, or -1.
    int ReverseFind(char ch) const;

    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;

    // Removes nCount characters from nIndex on; returns the new length.
    int Delete(int nIndex, int nCount = 1);
    // Replaces every chOld by chNew; returns how many were replaced.
    int Replace(char chOld, char chNew);

    // Replaces the text with printf-style formatted output.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }
    friend bool operator==(const char* a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(b == a); }

  private:
    std::string m_text;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);

// Whether `text` starts with `prefix`, ignoring the case of ASCII letters.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
