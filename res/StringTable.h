// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The string table: window-menu test text and tool tips. UTF-8.
namespace hn {

enum StringId : int {
    IDS_ABOUTBOX = 101,
    IDS_TIP_CALCULATE = 102,
    IDS_TIP_DESK_CALCULATOR = 103,
    IDS_TIP_SHOW_SUMMARY = 104,
    IDS_TIP_ADD_RESULT = 105,
    IDS_TIP_CLOSE = 106,
    IDS_TIP_CLEAR_SLOT = 107,
};

// The text of a string id, or an empty text for an unknown one.
const char* LoadStringUtf8(int id);

} // namespace hn
