// Everything a host needs: the platform types, the word list, the identifier definitions, the
// database reader, the checker, the keyword tree, the library entry,
// PHREEQC 3's vocabulary and the reading of a database file once.
#pragma once

// In layer order, lowest first, rather than sorted.
// clang-format off
#include <vxcheck/platform/cstring.h>
#include <vxcheck/platform/mbstring.h>
#include <vxcheck/platform/win_types.h>
#include <vxcheck/platform/window.h>
#include <vxcheck/platform/tree_view.h>
#include <vxcheck/platform/tree_ctrl.h>
#include <vxcheck/platform/afx_module.h>

#include <vxcheck/word_list.h>
#include <vxcheck/identifiers.h>
#include <vxcheck/identifier_definitions.h>
#include <vxcheck/db_reader.h>
#include <vxcheck/check.h>
#include <vxcheck/kw_tree.h>
#include <vxcheck/library_entry.h>
#include <vxcheck/phreeqc3.h>
#include <vxcheck/database_file.h>
#include <vxcheck/input/diagnostic.h>
#include <vxcheck/input/model.h>
#include <vxcheck/input/fields.h>
#include <vxcheck/input/help.h>
#include <vxcheck/input/lint.h>
#include <vxcheck/input/vocabulary.h>
#include <vxcheck/input/basic_position.h>
#include <vxcheck/input/position.h>
#include <vxcheck/input/definitions.h>
#include <vxcheck/input/word_at.h>
// clang-format on
