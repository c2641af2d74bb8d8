# SPDX-License-Identifier: GPL-3.0-or-later
# Runs hensai-calc as a user would and checks what it prints and how it exits.
# cmake -DCLI=<path to hensai-calc> -P CliRun.cmake
if(NOT CLI OR NOT VERSION)
  message(FATAL_ERROR "CLI and VERSION must be set")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/CliTestSupport.cmake)

set(worked --method 1 --loan 3000 --bonus 600 --rate1 2.0 --rate2 3.0 --years 35)

# Labelled lines, as the main window labels its result fields.
run(out err rc ${worked})
expect_equal("exit code" "${rc}" "0")
expect_line("${out}" "通　常 1～5年目: 79,503 円")
expect_line("${out}" "通　常 6～10年目: 79,503 円")
expect_line("${out}" "通　常 11年目以降: 88,948 円")
expect_line("${out}" "ﾎﾞｰﾅｽ 1～5年目: 119,596 円")
expect_line("${out}" "ﾎﾞｰﾅｽ 6～10年目: 119,596 円")
expect_line("${out}" "ﾎﾞｰﾅｽ 11年目以降: 133,936 円")
expect_line("${out}" "年間返済額 (1～5年目): 1,193,228 円")
expect_line("${out}" "必要年収: 596 万円 以上")
expect_line("${out}" "借入総返済額: 45,313,480 円")

# The same numbers as JSON.
run(out err rc ${worked} --json)
expect_equal("json exit code" "${rc}" "0")
string(JSON n ERROR_VARIABLE jerr LENGTH "${out}" monthly)
if(jerr)
  message(FATAL_ERROR "not JSON: ${jerr}\n${out}")
endif()
foreach(k 0 1 2)
  string(JSON m GET "${out}" monthly ${k})
  string(JSON b GET "${out}" bonus ${k})
  string(JSON u GET "${out}" bandUsed ${k})
  list(APPEND monthly ${m})
  list(APPEND bonus ${b})
  list(APPEND used ${u})
endforeach()
expect_equal("monthly" "${monthly}" "79503;79503;88948")
expect_equal("bonus" "${bonus}" "119596;119596;133936")
expect_equal("bandUsed" "${used}" "ON;ON;ON")
string(JSON v GET "${out}" annualYen)
expect_equal("annualYen" "${v}" "1193228")
string(JSON v GET "${out}" requiredIncomeMan)
expect_equal("requiredIncomeMan" "${v}" "596")
string(JSON v GET "${out}" totalYen)
expect_equal("totalYen" "${v}" "45313480")
string(JSON v GET "${out}" input method)
expect_equal("input.method" "${v}" "1")
string(JSON v GET "${out}" input loanYen)
expect_equal("input.loanYen" "${v}" "30000000")

# A caption selects the method; blank bands are left out.
run(out err rc --method 元金均等型 --loan 3000 --rate1 2 --years 10)
expect_equal("equal principal exit code" "${rc}" "0")
expect_line("${out}" "通　常 1年目第1回: 300,000 円")
expect_line("${out}" "通　常 6年目第1回: 275,000 円")
expect_line("${out}" "年間返済額 (1年目): 3,572,496 円")
string(FIND "${out}" "11年目" at)
expect_equal("third band left out" "${at}" "-1")
string(FIND "${out}" "ﾎﾞｰﾅｽ" at)
expect_equal("bonus rows left out" "${at}" "-1")

# A failed check: its message on standard error, exit code 2.
run(out err rc --method 2 --loan 3000 --rate1 2 --rate2 3 --years 20)
expect_equal("check exit code" "${rc}" "2")
expect_equal("check message" "${err}" "ゆとりは25年以上で利用できます\n")
expect_equal("no result on failure" "${out}" "")
run(out err rc --loan 3000 --bonus 1501 --rate1 2 --rate2 3)
expect_equal("bonus check" "${err}" "ﾎﾞｰﾅｽ額が多すぎます\n")

# A required option left out: the check's text stays the first line, the next
# names what is missing; with no arguments at all a hint to --help follows.
run(out err rc --loan 3000 --rate1 2)
expect_equal("missing rate2 exit code" "${rc}" "2")
expect_equal("missing rate2" "${err}" "入力項目が不足しています\nhensai-calc: missing option --rate2\n")
run(out err rc --method 6 --loan 3000)
expect_equal("missing rate1, bank method" "${err}" "入力項目が不足しています\nhensai-calc: missing option --rate1\n")
run(out err rc --rate1 2 --years 10)
expect_equal("missing loan, short period" "${err}" "入力項目が不足しています\nhensai-calc: missing option --loan\n")
run(out err rc)
expect_equal("no arguments exit code" "${rc}" "2")
expect_equal("no arguments" "${err}"
  "入力項目が不足しています\nhensai-calc: missing options --loan, --rate1, --rate2\nTry 'hensai-calc --help'.\n")
# A rate path stands for both rates: only the loan can be missing.
run(out err rc --method 6 --years 30 --rate-path "1:2.0")
expect_equal("missing loan with a rate path" "${err}" "入力項目が不足しています\nhensai-calc: missing option --loan\n")
# Given but zero is not missing: only the check's text.
run(out err rc --loan 0 --rate1 2 --rate2 3)
expect_equal("zero loan" "${err}" "入力項目が不足しています\n")

# A result that cannot be written is a failure that says why, not exit 0: also
# when the output is large enough to fail part-way (the monthly schedule).
set(capacity --capacity --income 600 --limit 25 --rate1 1.5 --years 35)
foreach(args "${worked}" "${worked};--schedule;yearly" "${worked};--schedule;monthly"
             "${worked};--schedule;monthly;--csv" "${capacity}" "--help" "--version")
  execute_process(COMMAND ${CLI} ${args} OUTPUT_FILE /dev/full ERROR_VARIABLE err RESULT_VARIABLE rc)
  expect_equal("exit code writing '${args}' to a full disk" "${rc}" "1")
  string(FIND "${err}" "hensai-calc: cannot write to standard output: No space left on device\n" at)
  if(at EQUAL -1)
    message(SEND_ERROR "no write error message with its reason for '${args}': '${err}'")
  endif()
endforeach()

# The version, then the licence and that there is no warranty.
run(out err rc --version)
expect_equal("version exit code" "${rc}" "0")
string(REGEX MATCH "^hensai-calc ([^\n]*)\n" first "${out}")
expect_equal("version" "${CMAKE_MATCH_1}" "${VERSION}")
expect_line("${out}" "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.")
expect_line("${out}" "There is NO WARRANTY, to the extent permitted by law.")

# Bad usage: exit code 2 with a hint, and a message that says what was wrong.
foreach(case "--loans;3000|unknown option '--loans'"
             "--loan|option '--loan' needs a value"
             "--loan;3,000|option '--loan' needs a number, not '3,000'"
             "--method;7|option '--method' needs 1 to 6"
             "--json=1|option '--json' takes no value"
             "-x|unknown option '-x'"
             "stray|unexpected argument 'stray': hensai-calc takes options only"
             "--loan;3000;stray;--rate1;2|unexpected argument 'stray'"
             "--loan;3000;--;--json|unexpected argument '--json'")
  string(FIND "${case}" "|" bar)
  string(SUBSTRING "${case}" 0 ${bar} args)
  math(EXPR bar "${bar} + 1")
  string(SUBSTRING "${case}" ${bar} -1 said)
  run(out err rc ${args})
  expect_equal("usage exit code for '${args}'" "${rc}" "2")
  string(FIND "${err}" "hensai-calc: ${said}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "'${args}': expected 'hensai-calc: ${said}' in: ${err}")
  endif()
  string(FIND "${err}" "Try 'hensai-calc --help'." at)
  if(at EQUAL -1)
    message(SEND_ERROR "no usage hint for '${args}': ${err}")
  endif()
endforeach()

# "--" ends the options; with nothing after it the loan is computed as without it.
run(plain err rc ${worked})
run(out err rc ${worked} --)
expect_equal("'--' at the end: exit code" "${rc}" "0")
expect_equal("'--' at the end: the same result" "${out}" "${plain}")

run(out err rc --help)
expect_equal("help exit code" "${rc}" "0")
foreach(word "--method" "--loan" "--bonus" "--rate1" "--rate2" "--years" "--income" "--json" "使い方" "Usage")
  string(FIND "${out}" "${word}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "help does not explain '${word}'")
  endif()
endforeach()
