// VXCHECK_API marks what the shared library exports to hosts: the classes and functions of the
// public headers. The library is built with hidden visibility, so whatever is not marked stays
// inside it.
#pragma once

#define VXCHECK_API __attribute__((visibility("default")))
