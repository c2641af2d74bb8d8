// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/StringTable.h"

namespace hn {

const char* LoadStringUtf8(int id)
{
    switch (id) {
    case IDS_ABOUTBOX: return "hnavi のﾊﾞｰｼﾞｮﾝ情報(&A)...";
    case IDS_TIP_CALCULATE: return "結果を算出します";
    case IDS_TIP_DESK_CALCULATOR: return "電卓";
    case IDS_TIP_SHOW_SUMMARY: return "詳細を表示";
    case IDS_TIP_ADD_RESULT: return "算出結果を追加します";
    case IDS_TIP_CLOSE: return "閉じる";
    case IDS_TIP_CLEAR_SLOT: return "左記結果のクリア";
    }
    return "";
}

} // namespace hn
