# SPDX-License-Identifier: GPL-3.0-or-later
# hensai-calc --schedule for fixed-rate loans, run as a user would:
# cmake -DCLI=<path to hensai-calc> -P CliScheduleRun.cmake
if(NOT CLI)
  message(FATAL_ERROR "CLI not set")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/CliTestSupport.cmake)

function(expect_contains what text part)
  string(FIND "${text}" "${part}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "${what}: missing '${part}' in:\n${text}")
  endif()
endfunction()

function(expect_row json index month payment interest principal balance)
  foreach(key month payment interest principal balance)
    string(JSON v GET "${json}" schedule rows ${index} ${key})
    expect_equal("row ${index} ${key}" "${v}" "${${key}}")
  endforeach()
endfunction()

set(worked --loan 3000 --bonus 600 --rate1 2.0 --rate2 3.0 --years 35)

# Every instalment as JSON in date order, each bonus row right after the monthly
# row of its month: from April, June's bonus 1 follows month 3 and the last bonus
# (2061-12) comes before months 418 to 420 of 2062.
run(out err rc --method 1 ${worked} --schedule monthly --json --first-month 2027-04)
expect_equal("exit code" "${rc}" "0")
string(JSON rows ERROR_VARIABLE jerr LENGTH "${out}" schedule rows)
if(jerr)
  message(FATAL_ERROR "not JSON: ${jerr}\n${out}")
endif()
expect_equal("rows" "${rows}" "490")
expect_row("${out}" 0 "2027-04" 79503 40000 39503 23960497)
expect_row("${out}" 3 "2027-06" 119596 60000 59596 5940404)
expect_row("${out}" 486 "2061-12" 133962 1979 131983 0)
expect_row("${out}" 489 "2062-03" 88881 221 88660 0)
# The text and the CSV file list the same rows in the same order.
run(text err rc --method 1 ${worked} --schedule monthly --first-month 2027-04)
string(REGEX MATCHALL "(毎月|ﾎﾞｰﾅｽ) +[0-9]+  [0-9]+-[0-9]+" text_rows "${text}")
list(TRANSFORM text_rows REPLACE " +" ",")
run(csv err rc --method 1 ${worked} --schedule monthly --csv --first-month 2027-04)
string(REGEX MATCHALL "(毎月|ﾎﾞｰﾅｽ),[0-9]+,[0-9]+-[0-9]+" csv_rows "${csv}")
list(LENGTH csv_rows n)
expect_equal("csv rows" "${n}" "490")
expect_equal("csv rows in the text's order" "${csv_rows}" "${text_rows}")
expect_contains("csv bonus 1 after month 3" "${csv}" "\n1,毎月,3,2027-06,79503,39868,39635,23881293,2,0\n1,ﾎﾞｰﾅｽ,1,2027-06,")
string(JSON v GET "${out}" comparison scheduleTotalYen)
expect_equal("schedule total" "${v}" "45313439")
string(JSON v GET "${out}" comparison windowTotalYen)
expect_equal("window total" "${v}" "45313480")
string(JSON v GET "${out}" comparison endedEarly)
expect_equal("ended early" "${v}" "OFF")
string(JSON checks LENGTH "${out}" schedule checks)
expect_equal("checks" "${checks}" "17")
math(EXPR last "${checks} - 1")
foreach(k RANGE ${last})
  string(JSON passed GET "${out}" schedule checks ${k} passed)
  expect_equal("check ${k}" "${passed}" "ON")
endforeach()

# Text: both totals with the difference explained.
run(out err rc --method 1 ${worked} --schedule yearly --first-month 2027-04)
expect_contains("yearly text" "${out}" "2027-04～2028-03  1,193,228")
expect_contains("yearly text" "${out}" "計算結果の借入総返済額: 45,313,480円 (差 -41円)\n")
expect_contains("yearly text" "${out}" "各期間の初回返済額×回数の概算です")
expect_contains("yearly text" "${out}" "検算 各期間の初回返済額 = 計算結果の返済額 (毎月分、第121回): OK\n")

# Equal principal: year 1 differs from 年間返済額, and the total by the yen that
# the window's double products fall short of the exact interest.
run(out err rc --method 5 ${worked} --schedule yearly)
expect_contains("equal principal" "${out}" "計算結果の借入総返済額: 43,246,377円 (差 +2円)\n")
expect_contains("equal principal" "${out}" "計算結果の年間返済額: 1,450,841円 (差 -858円)\n")
expect_contains("equal principal" "${out}" "入力した金利どおりに計算し")

# Interest as a lender computes it, from the rate as typed: 2,000 万円 at 2 %
# over 30 years, month 346 charges 1,094,400 × 2 % ÷ 12 = 1,824 exactly.
run(out err rc --method 6 --loan 2000 --rate1 2 --years 30 --schedule monthly --json --first-month 2027-01)
string(JSON v GET "${out}" comparison scheduleTotalYen)
expect_equal("2 % total" "${v}" "26612480")
string(JSON v GET "${out}" schedule rows 345 interest)
expect_equal("2 % month 346" "${v}" "1824")
run(out err rc --method 6 --loan 2000 --rate1 1.5 --years 30 --schedule yearly --json)
string(JSON v GET "${out}" comparison scheduleTotalYen)
expect_equal("1.5 % total" "${v}" "24848426")
# Any text the option takes is read exactly: 1e0 is 1 %.
run(out err rc --method 6 --loan 1 --rate1 1e0 --years 1 --schedule monthly --json)
string(JSON v GET "${out}" schedule rows 0 interest)
expect_equal("1e0 month 1" "${v}" "8")

# An equal principal instalment that differs from the window's band figure is
# shown beside it, labelled as the totals are; the band check leaves it alone.
run(out err rc --method 5 --loan 2000 --rate1 0.36 --rate2 0.36 --years 35 --schedule yearly)
expect_equal("equal principal band exit code" "${rc}" "0")
expect_contains("equal principal band" "${out}" "返済予定表の第1回: 53,619円\n計算結果の返済額（1～5年目）: 53,618円 (差 +1円)\n")
run(out err rc --method 5 --loan 2000 --rate1 0.36 --rate2 0.36 --years 35 --schedule yearly --json)
string(JSON v GET "${out}" comparison bandDifferences 0 scheduleYen)
expect_equal("band difference" "${v}" "53619")
string(JSON v GET "${out}" comparison bandDifferences 0 windowYen)
expect_equal("band difference" "${v}" "53618")

# A loan repaid before its term says so.
run(out err rc --loan 10 --rate1 20 --rate2 20 --years 50 --schedule yearly)
expect_equal("early end exit code" "${rc}" "0")
expect_contains("early end" "${out}" "毎月分は第584回で完済します（返済期間は600回）。\n")

# Calendar: bonus 1 in the first bonus month on or after the first repayment.
run(out err rc --method 1 ${worked} --schedule monthly --json --first-month 2027-08 --bonus-months 12,7)
foreach(row_month_part "5;2027-12;bonus" "13;2028-07;bonus" "12;2028-07;monthly")
  list(GET row_month_part 0 row)
  list(GET row_month_part 1 month)
  list(GET row_month_part 2 part)
  string(JSON v GET "${out}" schedule rows ${row} month)
  string(JSON p GET "${out}" schedule rows ${row} part)
  expect_equal("row ${row} of a first repayment in August, bonus months 12 and 7" "${v} ${p}" "${month} ${part}")
endforeach()

# Without --first-month the schedule starts next month.
string(TIMESTAMP year "%Y")
string(TIMESTAMP month "%m")
math(EXPR month "${month} % 12 + 1")
if(month EQUAL 1)
  math(EXPR year "${year} + 1")
endif()
if(month LESS 10)
  set(month "0${month}")
endif()
run(out err rc --method 1 --loan 100 --rate1 1 --years 1 --schedule monthly --json)
string(JSON v GET "${out}" schedule rows 0 month)
expect_equal("default first month" "${v}" "${year}-${month}")

# CSV: byte-order mark, Japanese heading, plain digits, CR LF; the checks on
# standard error. (CMake drops CR from strings, so the line ends are read as
# bytes.)
set(csv_file "${CMAKE_CURRENT_BINARY_DIR}/schedule-test.csv")
execute_process(COMMAND ${CLI} --method 1 ${worked} --schedule yearly --csv --first-month 2027-04
  OUTPUT_FILE "${csv_file}" ERROR_VARIABLE err RESULT_VARIABLE rc)
expect_equal("csv exit code" "${rc}" "0")
file(READ "${csv_file}" hex HEX)
string(SUBSTRING "${hex}" 0 6 bom)
expect_equal("byte-order mark" "${bom}" "efbbbf")
string(LENGTH "${hex}" size)
set(crlf 0)
set(previous "")
math(EXPR last_byte "${size} - 2")
foreach(at RANGE 0 ${last_byte} 2)
  string(SUBSTRING "${hex}" ${at} 2 byte)
  if(byte STREQUAL "0a")
    expect_equal("byte before line feed at ${at}" "${previous}" "0d")
    math(EXPR crlf "${crlf} + 1")
  endif()
  set(previous "${byte}")
endforeach()
expect_equal("csv lines" "${crlf}" "36")
file(READ "${csv_file}" out)
file(REMOVE "${csv_file}")
expect_contains("csv" "${out}" "年目,開始年月,終了年月,返済額,支払利息,元金,残高,未払利息\n")
expect_contains("csv" "${out}" "\n1,2027-04,2028-03,1193228,")
expect_contains("csv" "${out}" "\n35,2061-04,2062-03,1335207,23043,1312164,0,0\n")
expect_contains("csv checks" "${err}" "検算 元金の合計 = 借入額 (毎月分): OK\n")
run(out err rc --method 5 ${worked} --schedule monthly --csv --first-month 2027-04)
expect_contains("monthly csv" "${out}" "年目,区分,回,年月,返済額,支払利息,元金,残高,金利(%),未払利息")
expect_contains("monthly csv" "${out}" "35,毎月,420,2062-03,57645,143,57502,0,3,0")

# Usage errors: exit 2, a message, nothing on standard output.
foreach(bad
    "--loan;1000;--rate1;1;--csv"
    "--loan;1000;--rate1;1;--schedule;yearly;--csv;--json"
    "--loan;1000;--rate1;1;--schedule;yearly;--bonus-months;6,6"
    "--loan;1000;--rate1;1;--schedule;yearly;--bonus-months;6"
    "--loan;1000;--rate1;1;--bonus-months;6,12"
    "--loan;1000;--rate1;1;--schedule;yearly;--first-month;2027-13")
  run(out err rc ${bad})
  expect_equal("exit code of ${bad}" "${rc}" "2")
  expect_equal("output of ${bad}" "${out}" "")
  expect_contains("message of ${bad}" "${err}" "--help")
endforeach()
# A failed input check stops before any schedule.
run(out err rc --method 2 --loan 3000 --rate1 2 --rate2 3 --years 20 --schedule yearly --csv)
expect_equal("check exit code" "${rc}" "2")
expect_equal("check message" "${err}" "ゆとりは25年以上で利用できます\n")
expect_equal("no schedule on failure" "${out}" "")
