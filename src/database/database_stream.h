// The streams a Cvx_DbReader reads: a file cut at the size limit, or bytes already in memory that
// a companion reading hands over in place of the file at the reader's path.
#pragma once

#include <cstdio>
#include <string_view>

namespace vxcheck {
struct DatabaseRead;
} // namespace vxcheck

namespace vxcheck::detail {

// A stream over the file at path that ends after kDatabaseSizeLimit bytes, or null when the file
// cannot be opened (errno then says why).
std::FILE* OpenLimitedFile(const char* path);

// A stream over bytes, which must outlive it; null only when no stream can be made.
std::FILE* OpenMemory(std::string_view bytes);

// While an object lives, the next Cvx_DbReader::Open on this thread reads bytes instead of its
// path, and the next Cvx_Check::ReadDatabase that ends on this thread fills report; each once.
// Objects do not nest.
class CompanionRead {
  public:
    CompanionRead(std::string_view bytes, DatabaseRead& report);
    CompanionRead(const CompanionRead&) = delete;
    CompanionRead& operator=(const CompanionRead&) = delete;
    ~CompanionRead();
};

// The stream that Cvx_DbReader::Open reads: a companion read's bytes when there are any (they are
// then used up), else the file at path.
std::FILE* OpenDatabaseStream(const char* path);

// The report of a companion read that waits for its read to end, or null; it is then taken.
DatabaseRead* TakeCompanionReport();

} // namespace vxcheck::detail
