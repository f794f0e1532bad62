#include "platform/CString.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {

int ToIndex(size_t pos) {
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

// Clamps a caller's index into [0, length].
size_t Clamp(int index, size_t length) {
    if (index < 0) return 0;
    return static_cast<size_t>(index) > length ? length : static_cast<size_t>(index);
}

}  // namespace

CString& CString::operator+=(const CString& other) {
    m_text += other.m_text;
    return *this;
}

CString& CString::operator+=(const char* text) {
    if (text) m_text += text;
    return *this;
}

CString& CString::operator+=(char ch) {
    m_text += ch;
    return *this;
}

int CString::Find(char ch, int nStart) const {
    return ToIndex(m_text.find(ch, Clamp(nStart, m_text.size())));
}

int CString::Find(const char* sub, int nStart) const {
    return ToIndex(m_text.find(sub ? sub : "", Clamp(nStart, m_text.size())));
}

int CString::ReverseFind(char ch) const {
    return ToIndex(m_text.rfind(ch));
}

CString CString::Left(int nCount) const {
    return m_text.substr(0, Clamp(nCount, m_text.size()));
}

CString CString::Mid(int nFirst) const {
    return m_text.substr(Clamp(nFirst, m_text.size()));
}

CString CString::Mid(int nFirst, int nCount) const {
    size_t first = Clamp(nFirst, m_text.size());
    return m_text.substr(first, Clamp(nCount, m_text.size() - first));
}

CString CString::Right(int nCount) const {
    size_t count = Clamp(nCount, m_text.size());
    return m_text.substr(m_text.size() - count);
}

int CString::Delete(int nIndex, int nCount) {
    size_t first = Clamp(nIndex, m_text.size());
    m_text.erase(first, Clamp(nCount, m_text.size() - first));
    return GetLength();
}

int CString::Replace(char chOld, char chNew) {
    int count = 0;
    for (char& ch : m_text) {
        if (ch == chOld) {
            ch = chNew;
            ++count;
        }
    }
    return count;
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list probe;
    va_copy(probe, args);
    int needed = std::vsnprintf(nullptr, 0, format, probe);
    va_end(probe);
    if (needed < 0) {
        m_text.clear();
    } else {
        std::vector<char> buffer(static_cast<size_t>(needed) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        m_text.assign(buffer.data(), static_cast<size_t>(needed));
    }
    va_end(args);
}

CString operator+(const CString& a, const CString& b) {
    return a.str() + b.str();
}
CString operator+(const CString& a, const char* b) {
    return a.str() + (b ? b : "");
}
CString operator+(const char* a, const CString& b) {
    return (a ? a : "") + b.str();
}
CString operator+(const CString& a, char b) {
    return a.str() + b;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i]))) {
            return false;
        }
    }
    return true;
}
