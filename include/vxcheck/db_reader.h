// Cvx_DbReader: hands a PHREEQC database file out word by word and statement by statement.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/platform/cstring.h>

#include <cstdio>

class Cvx_Check;

// Reads one file front to back, one byte at a time, with no look-ahead visible to its callers.
// A carriage return directly followed by a line feed reads as the line feed; byte 26 ends the file.
class VXCHECK_API Cvx_DbReader {
  public:
    Cvx_DbReader() = default;
    Cvx_DbReader(const Cvx_DbReader&) = default;
    Cvx_DbReader& operator=(const Cvx_DbReader&) = default;
    ~Cvx_DbReader() = default;

    // Opens path for reading: 1 when opened, 0 when not (the stream is then null). Stores path.
    int Open(CString path);
    // The next word; empty only when the end of the file was met.
    CString ReadWord();
    // The rest of the current statement, or the next non-empty one; tabs read as blanks.
    CString ReadStatement();
    // Consumes up to and including the next line feed, or to the end of the file.
    void SkipLine();
    // Consumes up to and including the next ";" or line feed, or to the end of the file.
    void SkipStatement();
    // True once a read has met the end of the file (or failed); it stays true. The stream is
    // closed at that moment, so a reader with no open stream (never opened, or Open failed) is
    // at its end too.
    bool AtEnd();

  private:
    friend class Cvx_Check; // closes the stream when a database read ends

    // Closes the stream, if one is open, and leaves it null.
    void Close();

    FILE* stream = nullptr;
    CString path;
};
