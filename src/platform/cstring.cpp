// CString and CStringArray: a byte string over std::string, with the framework's operations.
#include <vxcheck/platform/cstring.h>

#include <algorithm>
#include <cstring>

namespace {

// The blanks that TrimLeft removes without an argument: blank and the control characters 9 to 13.
bool IsTrimmedSpace(char ch) {
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

} // namespace

CString::CString(const char* text) : m_data(text != nullptr ? text : "") {}

CString::CString(const char* text, int length) {
    if (text != nullptr && length > 0) {
        m_data.assign(text, static_cast<std::size_t>(length));
    }
}

CString::CString(char ch, int repeat) {
    if (repeat > 0) {
        m_data.assign(static_cast<std::size_t>(repeat), ch);
    }
}

CString& CString::operator=(const char* text) {
    m_data = text != nullptr ? text : "";
    return *this;
}

CString& CString::operator=(char ch) {
    m_data.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& text) {
    m_data += text.m_data;
    return *this;
}

CString& CString::operator+=(const char* text) {
    if (text != nullptr) {
        m_data += text;
    }
    return *this;
}

CString& CString::operator+=(char ch) {
    m_data += ch;
    return *this;
}

int CString::Find(char ch, int start) const {
    if (start < 0 || start >= GetLength()) {
        return -1;
    }
    const std::size_t pos = m_data.find(ch, static_cast<std::size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const char* text, int start) const {
    if (text == nullptr || start < 0 || start > GetLength()) {
        return -1;
    }
    const std::size_t pos = m_data.find(text, static_cast<std::size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(const char* chars) const {
    if (chars == nullptr) {
        return -1;
    }
    const std::size_t pos = m_data.find_first_of(chars);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int count) const {
    if (count <= 0) {
        return CString();
    }
    return CString(m_data.data(), count < GetLength() ? count : GetLength());
}

CString CString::Right(int count) const {
    if (count <= 0) {
        return CString();
    }
    const int length = GetLength();
    const int taken = count < length ? count : length;
    return CString(m_data.data() + (length - taken), taken);
}

CString& CString::TrimLeft() {
    std::size_t first = 0;
    while (first < m_data.size() && IsTrimmedSpace(m_data[first])) {
        ++first;
    }
    m_data.erase(0, first);
    return *this;
}

CString& CString::TrimLeft(const char* chars) {
    if (chars != nullptr) {
        m_data.erase(0, std::min(m_data.find_first_not_of(chars), m_data.size()));
    }
    return *this;
}

char* CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) {
        m_data.resize(static_cast<std::size_t>(minLength));
    }
    return m_data.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0) {
        newLength = static_cast<int>(std::strlen(m_data.c_str()));
    }
    if (newLength < GetLength()) {
        m_data.resize(static_cast<std::size_t>(newLength));
    }
}

CString operator+(const CString& a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, const char* b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const char* a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, char b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(char a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}

void CStringArray::SetSize(int newSize, int /*growBy*/) {
    m_items.resize(newSize > 0 ? static_cast<std::size_t>(newSize) : 0);
}

void CStringArray::SetAtGrow(int index, const char* text) {
    if (index < 0) {
        return;
    }
    if (static_cast<std::size_t>(index) >= m_items.size()) {
        m_items.resize(static_cast<std::size_t>(index) + 1);
    }
    m_items[static_cast<std::size_t>(index)] = text;
}

int CStringArray::Add(const char* text) {
    m_items.emplace_back(text);
    return GetSize() - 1;
}
