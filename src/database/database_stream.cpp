// Which stream a reader's Open gets: a companion read's bytes, or the file. The streams themselves
// are the C runtime's (linux/cookie_streams.cpp, windows/temporary_streams.cpp).
#include "database/database_stream.h"

#include <utility>

namespace vxcheck::detail {

namespace {

// What a CompanionRead hands to the next Open and the next end of a read.
thread_local bool tHasBytes = false;
thread_local std::string_view tBytes;
thread_local DatabaseRead* tReport = nullptr;

} // namespace

CompanionRead::CompanionRead(std::string_view bytes, DatabaseRead& report) {
    tBytes = bytes;
    tHasBytes = true;
    tReport = &report;
}

CompanionRead::~CompanionRead() {
    tHasBytes = false;
    tReport = nullptr;
}

std::FILE* OpenDatabaseStream(const char* path) {
    if (tHasBytes) {
        tHasBytes = false;
        return OpenMemory(tBytes);
    }
    return OpenLimitedFile(path);
}

DatabaseRead* TakeCompanionReport() {
    return std::exchange(tReport, nullptr);
}

} // namespace vxcheck::detail
