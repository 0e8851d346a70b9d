// Everything a host needs: the platform types, the word list, the identifier definitions, the
// database reader and the checker.
#pragma once

#include <vxcheck/platform/cstring.h>
#include <vxcheck/platform/mbstring.h>

#include <vxcheck/check.h>
#include <vxcheck/db_reader.h>
#include <vxcheck/identifiers.h>
#include <vxcheck/phreeqc3.h>
#include <vxcheck/word_list.h>
