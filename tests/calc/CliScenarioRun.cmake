# SPDX-License-Identifier: GPL-3.0-or-later
# hensai-calc with rate scenarios and schedules, run as a user would:
# cmake -DCLI=<path to hensai-calc> -P CliScenarioRun.cmake
if(NOT CLI)
  message(FATAL_ERROR "CLI not set")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/CliTestSupport.cmake)

# A bank's illustration: 1,000 万円, 30 years, 2.375 %, three points up from
# month 13, five-year and 125 % rules, unpaid interest carried.
set(bank --method 6 --loan 1000 --years 30 --rate-path "1:2.375,13:5.375")
run(out err rc ${bank})
expect_equal("exit code" "${rc}" "0")
expect_line("${out}" "総返済額: 21,043,742円")
expect_line("${out}" "未払利息の最大: 234,720円")
expect_line("${out}" "最終回に精算する未払利息: 234,720円")
expect_line("${out}" "返済額の見直し: 5年ルール・125%ルール")
string(FIND "${out}" "注意: 未払利息が残ります" at)
if(at EQUAL -1)
  message(SEND_ERROR "no warning about unpaid interest:\n${out}")
endif()

# The smallest rate a rate field can state is taken, one below it refused with the
# bounds applied; tiny rates are written as plain decimals, in text and JSON.
run(out err rc --method 6 --loan 1000 --years 30 --rate-path "1:0.0005,13:1e-4")
expect_equal("tiny rates exit code" "${rc}" "0")
expect_line("${out}" "金利の推移: 1:0.0005,13:0.0001")
run(out err rc --method 6 --loan 1000 --years 30 --rate-path "1:0.0005,13:1e-4" --json)
string(JSON v GET "${out}" scenario ratePath)
expect_equal("tiny rates in JSON" "${v}" "1:0.0005,13:0.0001")
string(FIND "${out}" "\"ratePercent\":0.0001}" at)
if(at EQUAL -1)
  message(SEND_ERROR "a tiny rate not in plain decimals:\n${out}")
endif()
run(out err rc --method 6 --loan 1000 --years 30 --rate-path "1:0.00005")
expect_equal("below the smallest rate" "${rc}" "2")
string(FIND "${err}" "the rate must be from 0.0001 to 99 percent" at)
if(at EQUAL -1)
  message(SEND_ERROR "the bounds not said as applied:\n${err}")
endif()

# The same as JSON, with every instalment and the self-checks.
run(out err rc ${bank} --unpaid first --json --schedule monthly)
expect_equal("json exit code" "${rc}" "0")
string(JSON total ERROR_VARIABLE jerr GET "${out}" scenario totalRepaidYen)
if(jerr)
  message(FATAL_ERROR "not JSON: ${jerr}\n${out}")
endif()
expect_equal("total, unpaid interest paid first" "${total}" "21334005")
string(JSON rows LENGTH "${out}" schedule rows)
expect_equal("rows" "${rows}" "360")
string(JSON row61 GET "${out}" schedule rows 60 payment)
expect_equal("instalment 61" "${row61}" "48581")
string(JSON checks LENGTH "${out}" schedule checks)
math(EXPR last "${checks} - 1")
foreach(k RANGE ${last})
  string(JSON passed GET "${out}" schedule checks ${k} passed)
  expect_equal("check ${k}" "${passed}" "ON")
endforeach()

# While interest goes unpaid every row still adds up as shown: the interest it paid
# and the principal make the payment, the unpaid interest stands beside them.
run(out err rc ${bank} --json --schedule monthly)
expect_equal("json exit code, unpaid carried" "${rc}" "0")
foreach(k RANGE 0 359)
  string(JSON payment GET "${out}" schedule rows ${k} payment)
  string(JSON paid GET "${out}" schedule rows ${k} interestPaid)
  string(JSON principal GET "${out}" schedule rows ${k} principal)
  math(EXPR sum "${paid} + ${principal}")
  if(NOT sum EQUAL payment)
    message(SEND_ERROR "row ${k}: interest paid ${paid} + principal ${principal} is not the payment ${payment}")
  endif()
endforeach()
string(JSON paid GET "${out}" schedule rows 12 interestPaid)
string(JSON payment GET "${out}" schedule rows 12 payment)
string(JSON unpaid GET "${out}" schedule rows 12 unpaidInterest)
expect_equal("month 13 pays interest only" "${paid}" "${payment}")
if(unpaid LESS_EQUAL 0)
  message(SEND_ERROR "month 13 leaves no interest unpaid: ${unpaid}")
endif()
foreach(view monthly yearly)
  run(out err rc ${bank} --schedule ${view})
  if(NOT out MATCHES "返済額 +支払利息 +元金 +未払利息 +残高")
    message(SEND_ERROR "${view} text: the unpaid interest does not stand beside the interest paid:\n${out}")
  endif()
  run(out err rc ${bank} --schedule ${view} --csv)
  if(NOT out MATCHES "返済額,支払利息,元金")
    message(SEND_ERROR "${view} CSV heading: ${out}")
  endif()
endforeach()

# Yearly view with calendar labels; the review at every change.
run(out err rc --method 6 --loan 1000 --years 30 --rate-path "1:2.375,13:3.375" --review every
    --schedule yearly --first-month 2027-01)
expect_equal("yearly exit code" "${rc}" "0")
expect_line("${out}" "  第13回 (2028年1月, 2027年10月1日の金利): 3.375%")
expect_line("${out}" "検算 返済額の合計 = 借入額 + 利息の合計 (全体): OK")

# A fixed-rate loan's schedule agrees with the window's band figures.
run(out err rc --method 1 --loan 3000 --bonus 600 --rate1 2.0 --rate2 3.0 --years 35 --schedule yearly)
expect_equal("fixed schedule exit code" "${rc}" "0")
string(FIND "${out}" ": NG" failed)
expect_equal("failed checks" "${failed}" "-1")

# Usage errors and refusals: exit 2 and a message, nothing on standard output.
foreach(bad
    "--loan;1000;--years;30;--review;every"
    "--loan;1000;--years;30;--rate1;1;--rate-path;1:1"
    "--loan;1000;--years;30;--rate-path;13:1"
    "--loan;1000;--years;30;--rate-path;1:1,13:x"
    "--loan;1000;--years;30;--rate-path;1:1;--unpaid;later"
    "--loan;1000;--years;30;--rate-path;1:1;--schedule;daily"
    "--method;2;--loan;1000;--years;30;--rate-path;1:1")
  run(out err rc ${bad})
  expect_equal("exit code of ${bad}" "${rc}" "2")
  expect_equal("output of ${bad}" "${out}" "")
  if(err STREQUAL "")
    message(SEND_ERROR "no message for ${bad}")
  endif()
endforeach()
